#pragma once

#include <QWidget>

/// The rounded box the rule list sits in: a hairline border around the control background,
/// 2 px in the focus colour while the list has the focus.
class ListBoxFrame : public QWidget {
    Q_OBJECT
public:
    static constexpr qreal kCornerRadius = 8;

    /// Takes `content` into the box, inset so that the border stays visible.
    explicit ListBoxFrame(QWidget *content, QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *m_content = nullptr;
};
