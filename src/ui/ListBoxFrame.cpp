#include "ui/ListBoxFrame.h"

#include "ui/Appearance.h"

#include <QEvent>
#include <QPainter>
#include <QPainterPath>
#include <QVBoxLayout>

ListBoxFrame::ListBoxFrame(QWidget *content, QWidget *parent)
    : QWidget(parent)
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(1, 5, 1, 5);
    layout->addWidget(content);
    // The box's border is the list's focus ring.
    m_content = content;
    content->setProperty("drawsOwnFocusRing", true);
    content->installEventFilter(this);
}

bool ListBoxFrame::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_content && (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut))
        update();
    return QWidget::eventFilter(watched, event);
}

void ListBoxFrame::paintEvent(QPaintEvent *event)
{
    Q_UNUSED(event);
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath box;
    box.addRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), kCornerRadius, kCornerRadius);
    painter.fillPath(box, Appearance::controlBackground(palette()));
    if (m_content && m_content->hasFocus()) {
        QPainterPath ring;
        ring.addRoundedRect(QRectF(rect()).adjusted(1, 1, -1, -1), kCornerRadius, kCornerRadius);
        painter.setPen(QPen(Appearance::focusRingColor(palette()), 2));
        painter.drawPath(ring);
        return;
    }
    painter.setPen(QPen(Appearance::separatorColor(palette()), 1));
    painter.drawPath(box);
}
