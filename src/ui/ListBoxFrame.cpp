#include "ui/ListBoxFrame.h"

#include "ui/Appearance.h"

#include <QPainter>
#include <QPainterPath>
#include <QVBoxLayout>

ListBoxFrame::ListBoxFrame(QWidget *content, QWidget *parent)
    : QWidget(parent)
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(1, 5, 1, 5);
    layout->addWidget(content);
}

void ListBoxFrame::paintEvent(QPaintEvent *event)
{
    Q_UNUSED(event);
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath box;
    box.addRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), kCornerRadius, kCornerRadius);
    painter.fillPath(box, Appearance::controlBackground(palette()));
    painter.setPen(QPen(Appearance::separatorColor(palette()), 1));
    painter.drawPath(box);
}
