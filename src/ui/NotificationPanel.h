#pragma once

#include "ui/model/PanelContent.h"
#include "ui/model/PanelView.h"

#include <QWidget>

#include <chrono>
#include <functional>

class QLabel;
class QPropertyAnimation;
class QPushButton;

/// One report panel: a small rounded window that floats above the others without ever taking
/// the focus, with a symbol, a title, a line or two of text and, for an opened card, an
/// Unmount button. It renders and forwards; the panel stack decides when it comes and goes.
class NotificationPanel final : public QWidget {
    Q_OBJECT
public:
    /// The narrowest a panel is; it grows where a button's text needs more.
    static constexpr int kWidth = 330;
    /// Room a panel leaves at each side of the screen's free area.
    static constexpr int kScreenInset = 12;
    static constexpr int kSymbolSize = 26;
    static constexpr int kTextWidth = 270;
    static constexpr int kCornerRadius = 12;
    static constexpr std::chrono::milliseconds kFadeDuration { 250 };

    /// `seeThroughWorks` tells whether translucent corners show as such (a compositor runs);
    /// empty means they do.
    NotificationPanel(const PanelContent &content, PanelView::Events events,
        std::function<bool()> seeThroughWorks = {}, QWidget *parent = nullptr);

    /// Fades the window out over a quarter of a second, hides it, then calls `done`.
    void fadeOut(std::function<void()> done);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void buildContent(const PanelContent &content);
    void applyColors();
    void updateShape();

    PanelView::Events m_events;
    bool m_isProblem = false;
    QString m_title;
    QLabel *m_symbol = nullptr;
    QLabel *m_titleLabel = nullptr;
    QLabel *m_bodyLabel = nullptr;
    QPushButton *m_unmountButton = nullptr;
    QPropertyAnimation *m_fade = nullptr;
    std::function<bool()> m_seeThroughWorks;
};
