#include "ui/WheelSafeComboBox.h"

#include <QWheelEvent>

WheelSafeComboBox::WheelSafeComboBox(QWidget *parent)
    : QComboBox(parent)
{
    // Tab or a click focuses it; the wheel alone does not.
    setFocusPolicy(Qt::StrongFocus);
}

void WheelSafeComboBox::wheelEvent(QWheelEvent *event)
{
    if (!hasFocus()) {
        // Ignored, the event goes on to the scroll area behind.
        event->ignore();
        return;
    }
    QComboBox::wheelEvent(event);
}
