#pragma once

#include <QPointer>
#include <QWidget>

/// The keyboard focus ring of one window: 2 px just outside whichever of its controls has the
/// focus, in a colour of at least 3:1 against the window and the controls' own borders. A
/// control with the property "drawsOwnFocusRing" (the rule list, whose box draws it) is left
/// alone.
class FocusRing : public QWidget {
    Q_OBJECT
public:
    static constexpr int kWidth = 2;
    static constexpr int kGap = 1;

    explicit FocusRing(QWidget *window);

    /// The control ringed now, if any.
    QWidget *target() const { return m_target.data(); }

protected:
    void paintEvent(QPaintEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void follow(QWidget *focused);
    void place();

    QWidget *m_window = nullptr;
    QPointer<QWidget> m_target;
};
