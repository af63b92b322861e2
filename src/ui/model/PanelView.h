#pragma once

#include <QPoint>
#include <QSize>

#include <functional>

/// One report panel on screen, as the panel stack drives it. The stack may destroy a view from
/// inside any callback the view made, so views put off their own tear-down.
class PanelView {
public:
    /// What the user does to a panel; the view calls these on the main thread.
    struct Events {
        std::function<void()> clicked;
        std::function<void()> pointerEntered;
        std::function<void()> pointerExited;
        std::function<void()> unmountPressed;
    };

    virtual ~PanelView() = default;

    /// The panel's size with its content laid out.
    virtual QSize size() const = 0;
    /// Moves the panel's top-left corner, in global screen coordinates.
    virtual void moveTo(const QPoint &topLeft) = 0;
    /// Puts the panel in front of other windows without taking the focus.
    virtual void show() = 0;
    /// Fades the panel out and then calls `done` once.
    virtual void fadeOut(std::function<void()> done) = 0;
    /// Takes the panel off the screen at once.
    virtual void close() = 0;
};
