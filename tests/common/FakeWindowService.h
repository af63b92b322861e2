#pragma once

#include "platform/WindowService.h"

#include <QHash>
#include <QStringList>

#include <mutex>

/// A window manager in memory: windows with a process, an area and a decoration; moves,
/// raises and closes take effect at once unless told otherwise, and each is recorded.
class FakeWindowService final : public WindowService {
public:
    struct Window {
        Window(qint64 pid = 0, QRect client = {}, std::optional<FrameExtents> extents = {},
            QString title = {}, QString startupId = {}, QString windowClass = {})
            : pid(pid)
            , client(client)
            , extents(extents)
            , title(std::move(title))
            , startupId(std::move(startupId))
            , windowClass(std::move(windowClass))
        {
        }
        qint64 pid = 0;
        QRect client;
        std::optional<FrameExtents> extents;
        QString title;
        QString startupId;
        QString windowClass;
    };

    /// Without a display every call fails and unavailableReason() says `reason`.
    void setUnavailable(const QString &reason);
    /// Maps a window now (the last in the client list); `activate` also focuses it.
    void addWindow(WindowId id, const Window &window, bool activate = false);
    /// Maps a window when the client list is read for the `reads`-th time from now.
    void addWindowAfterReads(WindowId id, const Window &window, int reads, bool activate);
    void removeWindow(WindowId id);
    void setActive(std::optional<WindowId> id);
    /// The user takes the window to another folder.
    void setTitle(WindowId id, const QString &title);
    /// Moves are recorded but the window stays where it is.
    void setIgnoresMoves(bool ignores);
    /// The decoration the window manager puts on a window at its first move.
    void setExtentsOnMove(WindowId id, FrameExtents extents);

    std::optional<Window> window(WindowId id) const;
    /// A text of a window, or nothing when the window is gone or the text is empty.
    std::optional<QString> text(WindowId id, QString Window::*field);
    /// "move ID x,y WxH", "activate ID TIME", "close ID TIME", in order.
    QStringList requests() const;
    int clientReads() const;

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
    struct Pending {
        WindowId id;
        Window window;
        int reads;
        bool activate;
    };

    mutable std::mutex m_mutex;
    std::optional<QString> m_unavailable;
    QList<WindowId> m_order;
    QHash<WindowId, Window> m_windows;
    QHash<WindowId, FrameExtents> m_extentsOnMove;
    QList<Pending> m_pending;
    std::optional<WindowId> m_active;
    bool m_ignoresMoves = false;
    QStringList m_requests;
    int m_clientReads = 0;
    quint32 m_time = 1000;
};
