#include "ui/Hairline.h"

#include "ui/Appearance.h"

#include <QPainter>

Hairline::Hairline(Qt::Orientation orientation, QWidget *parent)
    : QWidget(parent)
{
    if (orientation == Qt::Vertical)
        setFixedWidth(1);
    else
        setFixedHeight(1);
}

void Hairline::paintEvent(QPaintEvent *event)
{
    Q_UNUSED(event);
    QPainter(this).fillRect(rect(), Appearance::separatorColor(palette()));
}
