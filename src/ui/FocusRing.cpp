#include "ui/FocusRing.h"

#include "ui/Appearance.h"

#include <QApplication>
#include <QEvent>
#include <QPainter>

FocusRing::FocusRing(QWidget *window)
    : QWidget(window)
    , m_window(window)
{
    setObjectName(QStringLiteral("focusRing"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
    hide();
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget *, QWidget *now) { follow(now); });
}

void FocusRing::follow(QWidget *focused)
{
    const bool ours = focused && focused != m_window && focused->window() == m_window
        && focused->parentWidget() && !focused->property("drawsOwnFocusRing").toBool();
    if (m_target)
        m_target->removeEventFilter(this);
    m_target = ours ? focused : nullptr;
    if (!m_target) {
        hide();
        return;
    }
    m_target->installEventFilter(this);
    setParent(m_target->parentWidget());
    place();
}

void FocusRing::place()
{
    if (!m_target || !m_target->isVisible()) {
        hide();
        return;
    }
    const int outset = kWidth + kGap;
    setGeometry(m_target->geometry().adjusted(-outset, -outset, outset, outset));
    show();
    raise();
    update();
}

bool FocusRing::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_target) {
        switch (event->type()) {
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::Show:
        case QEvent::Hide:
            place();
            break;
        default:
            break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void FocusRing::paintEvent(QPaintEvent *event)
{
    Q_UNUSED(event);
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal half = kWidth / 2.0;
    painter.setPen(QPen(Appearance::focusRingColor(palette()), kWidth));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(QRectF(rect()).adjusted(half, half, -half, -half), 5, 5);
}
