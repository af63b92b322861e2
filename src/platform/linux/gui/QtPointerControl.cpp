#include "platform/linux/gui/QtPointerControl.h"

#include <QCursor>

#include <cmath>

void QtPointerControl::moveTo(const QPointF &point)
{
    QCursor::setPos(int(std::lround(point.x())), int(std::lround(point.y())));
}

QPointF QtPointerControl::position() const
{
    return QPointF(QCursor::pos());
}
