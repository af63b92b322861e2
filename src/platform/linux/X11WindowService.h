#pragma once

#include "platform/WindowService.h"

#include <QString>

#include <chrono>
#include <memory>
#include <mutex>

/// The window service of an X11 desktop (and of XWayland on a Wayland session): the EWMH
/// properties and client messages of the window manager, over an xcb connection of its own
/// that is opened on first use and opened again after the display server went away.
class X11WindowService final : public WindowService {
public:
    /// How long the display server may take to report its time.
    static constexpr std::chrono::milliseconds kTimeLimit { 1'000 };

    X11WindowService();
    ~X11WindowService() override;

    std::optional<QString> unavailableReason() override;
    std::optional<Clients> clients() override;
    std::optional<qint64> processId(WindowId window) override;
    std::optional<QString> title(WindowId window) override;
    std::optional<QString> startupId(WindowId window) override;
    std::optional<QString> windowClass(WindowId window) override;
    std::optional<Geometry> geometry(WindowId window) override;
    bool moveResize(WindowId window, QPoint frameTopLeft, QSize clientSize) override;
    bool activate(WindowId window, quint32 timestamp) override;
    bool close(WindowId window, quint32 timestamp) override;
    std::optional<quint32> serverTime() override;

private:
    struct Connection;

    /// The live connection, or null with the reason in m_reason. Called with m_mutex held.
    Connection *connection();
    /// The bytes of a window's text property of any type; nothing when it is not set.
    std::optional<QByteArray> property(WindowId window, quint32 atom);

    std::mutex m_mutex;
    std::unique_ptr<Connection> m_connection;
    QString m_reason;
};
