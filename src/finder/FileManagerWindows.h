#pragma once

#include "platform/WindowService.h"
#include "rules/Placement.h"

#include <QList>
#include <QSet>
#include <QString>

#include <atomic>
#include <chrono>
#include <mutex>
#include <optional>
#include <variant>

class Logger;

/// The file manager's windows as Mirvale drives them: finds the window a request opened,
/// places it, brings it forward, reads the front window's frame, and keeps the windows
/// Mirvale opened per folder so a second request raises the same window and an unmounted
/// card's windows can be closed. It never touches a window it did not open itself, except
/// to read the front window's frame.
///
/// Used from the script runner's thread and the tidy-up queue; the bookkeeping is locked.
class FileManagerWindows {
public:
    using WindowId = WindowService::WindowId;
    using Clock = std::chrono::steady_clock;

    struct Limits {
        /// How often the window list is read while waiting for a window.
        std::chrono::milliseconds poll { 10 };
        /// How long a move or a raise may take to show before it counts as not done.
        std::chrono::milliseconds settle { 1'000 };
    };

    /// What was on screen before a request, to tell its window from the others.
    struct Before {
        std::optional<WindowService::Clients> clients;
        std::optional<quint32> time;
        /// "_TIME<server time>", so focus-stealing prevention lets the window come forward;
        /// empty without a display.
        QString startupId() const;
    };

    struct Opened {
        QString folder;
        WindowId window = 0;
        qint64 owner = 0;
        friend bool operator==(const Opened &, const Opened &) = default;
    };

    FileManagerWindows(WindowService &service, Logger &log);
    FileManagerWindows(WindowService &service, Logger &log, Limits limits);

    /// Call right before asking the file manager to show something.
    Before prepare();
    /// The window Mirvale opened for `folder` when it is still open and still `owner`'s:
    /// placed as asked and raised. Nothing when there is none (then ask the file manager).
    std::optional<WindowId> reuse(
        const QString &folder, std::optional<qint64> owner, const std::optional<Placement> &placement);
    /// After the file manager answered: waits until `deadline` for the window it opened or
    /// raised, remembers it for `folder` and places it as asked.
    std::optional<WindowId> adopt(const Before &before, const QString &folder, std::optional<qint64> owner,
        const std::optional<Placement> &placement, Clock::time_point answeredAt, Clock::time_point deadline);
    /// Raises and focuses the window of the last request. Nothing (logged) when it cannot.
    std::optional<QString> bringToFront();
    /// The outer frame of the active window when it belongs to `owner`, else why not.
    std::variant<Placement, QString> frontWindowFrame(std::optional<qint64> owner);
    /// Closes the windows Mirvale opened on the card mounted at `cardPath`.
    void closeWindowsOfCard(const QString &cardPath);
    /// Ends every wait for a window at once; for shutting down.
    void stop() { m_stopping = true; }

    QList<Opened> opened() const;

private:
    /// `answeredAt`: when the file manager answered the request, for the log.
    bool place(WindowId window, const Placement &frame, std::optional<Clock::time_point> answeredAt);
    std::optional<QString> raise(WindowId window);
    std::optional<Placement> frameOf(WindowId window);
    /// Logs a thing that could not be done, once per run for each reason.
    void noteOnce(const QString &what, const QString &reason);
    void remember(const Opened &opened);
    void forget(WindowId window);

    WindowService &m_service;
    Logger &m_log;
    const Limits m_limits;

    mutable std::mutex m_mutex;
    QList<Opened> m_opened;
    std::optional<WindowId> m_last;
    std::atomic<bool> m_stopping { false };
    QSet<QString> m_noted;
};
