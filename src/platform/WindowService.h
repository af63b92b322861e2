#pragma once

#include <QList>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <QtGlobal>

#include <optional>

/// The desktop's top-level windows as the window manager publishes them (the client list,
/// the active window, each window's process and frame), and the requests a tool may make of
/// the window manager. Safe to call from any thread; calls may wait for the display server.
class WindowService {
public:
    using WindowId = quint32;

    /// What the window manager's decoration adds around a window, in pixels; negative where a
    /// client-side decoration's shadow (_GTK_FRAME_EXTENTS) lies outside the visible frame.
    struct FrameExtents {
        int left = 0;
        int right = 0;
        int top = 0;
        int bottom = 0;
        friend bool operator==(const FrameExtents &, const FrameExtents &) = default;
    };

    /// The managed windows in the order they were mapped, and the one that has focus.
    struct Clients {
        QList<WindowId> windows;
        std::optional<WindowId> active;
    };

    /// A window's own area in root (screen) coordinates and its decoration, when known.
    struct Geometry {
        QRect client;
        std::optional<FrameExtents> extents;
    };

    virtual ~WindowService() = default;

    /// Why windows cannot be reached at all (no display, no connection); nothing when they can.
    virtual std::optional<QString> unavailableReason() = 0;
    /// Nothing when the display or the window manager does not publish a client list.
    virtual std::optional<Clients> clients() = 0;
    virtual std::optional<qint64> processId(WindowId window) = 0;
    /// The window's title (_NET_WM_NAME, else WM_NAME); file managers name the folder they show.
    virtual std::optional<QString> title(WindowId window) = 0;
    /// The startup id the program set on the window (_NET_STARTUP_ID), when it set one.
    virtual std::optional<QString> startupId(WindowId window) = 0;
    /// The window's class and instance names (WM_CLASS), "instance class".
    virtual std::optional<QString> windowClass(WindowId window) = 0;
    virtual std::optional<Geometry> geometry(WindowId window) = 0;
    /// Asks the window manager to put the frame's top-left corner at `frameTopLeft` and give
    /// the window itself `clientSize`. False when the request could not be sent.
    virtual bool moveResize(WindowId window, QPoint frameTopLeft, QSize clientSize) = 0;
    /// Asks the window manager to raise and focus the window, on the user's behalf at `timestamp`.
    virtual bool activate(WindowId window, quint32 timestamp) = 0;
    /// Asks the window manager to close the window as its close button would.
    virtual bool close(WindowId window, quint32 timestamp) = 0;
    /// The display server's current time, for timestamps and startup ids.
    virtual std::optional<quint32> serverTime() = 0;
};
