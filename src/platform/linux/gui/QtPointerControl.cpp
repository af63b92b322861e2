#include "platform/linux/gui/QtPointerControl.h"

#include <QCursor>
#include <QGuiApplication>
#include <QScreen>

#include <cmath>

namespace {

/// The primary screen's top-left corner in global coordinates; none without screens.
QPointF primaryOrigin()
{
    const QScreen *primary = QGuiApplication::primaryScreen();
    return primary ? QPointF(primary->geometry().topLeft()) : QPointF();
}

} // namespace

void QtPointerControl::moveTo(const QPointF &point)
{
    const QPointF global = point + primaryOrigin();
    QCursor::setPos(int(std::lround(global.x())), int(std::lround(global.y())));
}

QPointF QtPointerControl::position() const
{
    return QPointF(QCursor::pos()) - primaryOrigin();
}
