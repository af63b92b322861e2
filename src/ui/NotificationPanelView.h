#pragma once

#include "ui/model/PanelView.h"

#include <QPointer>

class NotificationPanel;

/// Lends a panel window to the panel stack. The stack may drop it from inside the window's
/// own event handlers, so the window is deleted on the next turn of the event loop.
class NotificationPanelView final : public PanelView {
public:
    explicit NotificationPanelView(NotificationPanel *panel);
    ~NotificationPanelView() override;

    QSize size() const override;
    void moveTo(const QPoint &topLeft) override;
    void show() override;
    void fadeOut(std::function<void()> done) override;
    void close() override;

private:
    QPointer<NotificationPanel> m_panel;
};
