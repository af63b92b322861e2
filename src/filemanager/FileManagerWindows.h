#pragma once

#include "platform/Placement.h"
#include "platform/WindowService.h"

#include <QHash>
#include <QList>
#include <QObject>
#include <QSet>
#include <QString>
#include <QStringList>

#include <chrono>
#include <functional>
#include <optional>
#include <variant>
#include <vector>

class FileManagerViews;
class Logger;
class ProcessTable;

/// The file manager's windows as Mirvale drives them: finds the window that shows the folder
/// a request asked for (a new one, or one the file manager reused), places it, brings it
/// forward or leaves the focus where it was, reads the front window's frame, and keeps the
/// windows Mirvale opened so that a pulled card's windows can be closed. It never closes a
/// window it did not open, nor one that no longer shows a folder on the card.
///
/// A file manager that runs as a Wayland client has no X11 windows to wait for: its opens
/// are reported at once and where its windows go is left to the compositor.
///
/// Main thread only: every wait is a timer of the main loop, and each answers once, never
/// from inside the call that started it.
class FileManagerWindows {
public:
    using WindowId = WindowService::WindowId;
    using Clock = std::chrono::steady_clock;
    /// The window found, or nothing.
    using Found = std::function<void(std::optional<WindowId>)>;
    /// Nothing when it was done, else why not.
    using Raised = std::function<void(const std::optional<QString> &)>;

    /// How long after the file manager's answer a late window is still looked for and placed
    /// (a cold file manager on a loaded machine may take many seconds), unless its card goes.
    static constexpr std::chrono::milliseconds kPatience { 30'000 };

    struct Limits {
        /// How often the window list is read while waiting for a window.
        std::chrono::milliseconds poll { 10 };
        /// How long a move, a raise or a close may take to show before it counts as not done.
        std::chrono::milliseconds settle { 1'000 };
        /// How long after the file manager's answer an open waits for its window; a window
        /// that comes later is placed in the background until the request's deadline.
        std::chrono::milliseconds find { 2'000 };
        /// How long a new window is waited for before an existing one showing the folder
        /// counts as the one the file manager reused.
        std::chrono::milliseconds reuseGrace { 400 };
        /// How long after the file manager's answer a late window may still come to front or
        /// hand the focus back; one that shows later is placed only, so it steals no focus.
        std::chrono::milliseconds frontWithin { 7'000 };
        /// How often the window list is read while late windows are waited for.
        std::chrono::milliseconds latePoll { 100 };
    };

    /// What was on screen before a request, to tell its window from the others.
    struct Before {
        std::optional<WindowService::Clients> clients;
        std::optional<quint32> time;
        /// Names this request in the startup id; empty without a display.
        QString token;
        /// "<token>_TIME<time>": focus-stealing prevention lets the window come forward, or,
        /// when it may not take the focus, keeps it back (the earliest time there is).
        QString startupId(bool takesFocus) const;
    };

    /// How long adopt() looks for the window: the find limit, or until the request's deadline
    /// (after a brief look found nothing).
    enum class Wait { Briefly, Late };

    /// One request to show a folder, as the file manager answered it.
    struct Request {
        QString folder;
        /// The process that owns the file manager's bus name, when known.
        std::optional<qint64> owner;
        std::optional<Placement> placement;
        bool takesFocus = true;
        Clock::time_point answeredAt;
        /// When the search for a window that comes late gives up.
        Clock::time_point deadline;
    };

    struct Opened {
        QString folder;
        WindowId window = 0;
        /// The window's own process, to tell it from a later window with the same id.
        qint64 process = 0;
        friend bool operator==(const Opened &, const Opened &) = default;
    };

    FileManagerWindows(WindowService &service, ProcessTable &processes, Logger &log);
    FileManagerWindows(WindowService &service, ProcessTable &processes, Logger &log, Limits limits);
    ~FileManagerWindows();

    /// Call right before asking the file manager to show something.
    Before prepare();
    /// After the file manager answered: waits for the window that shows the folder, notes it
    /// as Mirvale's when it is new, places it as asked and keeps the focus where it was when
    /// the window may not take it (a late one is also raised when it may take the focus);
    /// then `done`. Nothing (logged once) when no such window shows in time.
    void adopt(const Before &before, const Request &request, Wait wait, Found done);
    /// Looks in the background for the window of a request that did not show in the brief
    /// look, together with the others noted, adopting each as it shows, until it passed its
    /// deadline or lost its card.
    void adoptLater(const Before &before, const Request &request);
    /// Raises and focuses the window of the last request. Nothing (logged) when it cannot.
    void bringToFront(Raised done);
    /// The outer frame of the active window when it is the file manager's, else why not.
    std::variant<Placement, QString> frontWindowFrame(std::optional<qint64> owner);
    /// What a file manager that runs as a Wayland client offers to take its windows off a
    /// card; set before use. Without it such windows are left to the file manager.
    void setViews(FileManagerViews *views) { m_views = views; }
    /// Asks to close the windows Mirvale opened on the card mounted at `cardPath` that still
    /// show a folder on it, or that the file manager moved to the card's parent folder as the
    /// card went (shown on the card when last looked at); returns them. A file manager that
    /// runs as a Wayland client and was asked to show a folder on the card is asked to close
    /// its windows showing such folders or the card's own (or take them home), and, once the card is gone,
    /// those showing the card's parent folder, where it takes a window off a card that went. Ends the search
    /// for windows of requests on the card.
    QList<WindowId> closeWindowsOfCard(const QString &cardPath, bool cardGone = true);
    /// Notes what Mirvale's windows show now, to tell a window the file manager moves off a
    /// card that goes from one the user took to the card's parent folder before.
    void lookAtOpened();
    /// Waits until `windows` are gone or the settle time passed; false when some remain.
    void waitUntilClosed(const QList<WindowId> &windows, std::function<void(bool closed)> done);
    /// Ends every wait at once, unanswered, and starts no more; for shutting down.
    void stop();

    QList<Opened> opened() const { return m_opened; }

private:
    struct Family;
    struct Search;

    /// The search for a request's window; nothing (the reason logged once) when no window
    /// can be found for it.
    std::optional<Search> begin(const Before &before, const Request &request, Wait wait);
    std::optional<WindowId> look(Search &search);
    bool isOver(const Search &search);
    /// Logs why a search found no window.
    void missed(const Search &search, Clock::time_point briefly, Clock::time_point requested);
    /// One look for the windows of every noted request; true when none is left.
    bool lookForPending();
    void settle(const Search &search, WindowId window, std::function<void()> done);
    /// True when the file manager of `request` runs as a Wayland client (logged once for each).
    bool onWayland(const Request &request);
    std::optional<WindowId> find(const Before &before, const WindowService::Clients &after,
        const Request &request, Family &family, bool reuseAllowed);
    bool belongs(Family &family, WindowId window);
    bool showsFolder(WindowId window, const QString &folder);
    /// `answeredAt`: when the file manager answered the request, for the log.
    void place(WindowId window, const Placement &frame, std::optional<Clock::time_point> answeredAt,
        std::function<void(bool placed)> done);
    void keepFocus(const Before &before, WindowId window);
    void raise(WindowId window, Raised done);
    /// Calls `step` on the next turn of the loop, then every `interval` until it returns true.
    void poll(std::chrono::milliseconds interval, std::function<bool()> step);
    void later(std::function<void()> work);
    std::optional<Placement> frameOf(WindowId window);
    /// Logs a thing that could not be done, once per run for each reason.
    void noteOnce(const QString &what, const QString &reason);
    void remember(const Opened &opened);

    WindowService &m_service;
    ProcessTable &m_processes;
    Logger &m_log;
    const Limits m_limits;
    FileManagerViews *m_views = nullptr;

    QList<Opened> m_opened;
    std::optional<WindowId> m_last;
    bool m_stopping = false;
    int m_requests = 0;
    QSet<QString> m_noted;
    /// What each of Mirvale's windows showed when last looked at.
    QHash<WindowId, QString> m_seen;
    /// The cards that went, in order; a search ends when its folder's card is among those
    /// that went after it began.
    QStringList m_cardsGone;
    /// Whether the file manager's bus owner runs as a Wayland client, by process.
    QHash<qint64, bool> m_onWayland;
    /// File managers (by process) that showed no X11 window after an answer.
    QSet<qint64> m_showedNoWindow;
    /// Folders Mirvale had a file manager that is a Wayland client show, with its program.
    QHash<QString, QString> m_waylandFolders;
    /// Folders shown while no X11 window could be reached at all, with the reason.
    QHash<QString, QString> m_unreachableFolders;
    bool m_lastOnWayland = false;
    std::vector<Search> m_pending;
    bool m_adoptingPending = false;
    /// The parent of every wait's timer; the first member to go.
    QObject m_waits;
};
