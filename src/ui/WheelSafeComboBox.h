#pragma once

#include <QComboBox>

/// A menu inside a scrolling form: the mouse wheel changes it only once the user has focused
/// it; otherwise the wheel scrolls the form, as it does over a label.
class WheelSafeComboBox : public QComboBox {
    Q_OBJECT
public:
    explicit WheelSafeComboBox(QWidget *parent = nullptr);

protected:
    void wheelEvent(QWheelEvent *event) override;
};
