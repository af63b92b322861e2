#include "filemanager/FileManagerWindows.h"

#include "filemanager/ClientWindowSystem.h"
#include "filemanager/WindowFrames.h"
#include "filemanager/WindowMatch.h"
#include "platform/FileManagerViews.h"
#include "platform/ProcessTable.h"
#include "support/Logger.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QTimer>

#include <algorithm>
#include <iterator>

namespace {

const QString kPrefix = QStringLiteral("FileManagerWindows: ");
/// How far up the process tree a window's process is traced to the file manager.
constexpr int kAncestors = 8;

QString windowText(WindowService::WindowId window)
{
    return QStringLiteral("0x") + QString::number(window, 16);
}

qint64 millisecondsSince(FileManagerWindows::Clock::time_point start)
{
    return std::chrono::duration_cast<std::chrono::milliseconds>(FileManagerWindows::Clock::now() - start)
        .count();
}

QString secondsText(std::chrono::milliseconds duration)
{
    return QString::number(double(duration.count()) / 1000.0, 'g', 3);
}

bool isOnCard(const QString &folder, const QString &cardPath)
{
    if (cardPath.isEmpty())
        return false;
    if (folder == cardPath)
        return true;
    const QString root = cardPath.endsWith(QLatin1Char('/')) ? cardPath : cardPath + QLatin1Char('/');
    return folder.startsWith(root);
}

} // namespace

/// What tells the file manager's windows from others: its bus owner's process and program,
/// and the startup id this request sent. Answers are kept for the request.
struct FileManagerWindows::Family {
    std::optional<qint64> owner;
    std::optional<QString> executable;
    QString startupId;
    QHash<WindowId, bool> known;
};

QString FileManagerWindows::Before::startupId(bool takesFocus) const
{
    if (token.isEmpty() || !time)
        return {};
    return token + QStringLiteral("_TIME") + QString::number(takesFocus ? *time : 1u);
}

FileManagerWindows::FileManagerWindows(WindowService &service, ProcessTable &processes, Logger &log)
    : FileManagerWindows(service, processes, log, Limits {})
{
}

FileManagerWindows::FileManagerWindows(
    WindowService &service, ProcessTable &processes, Logger &log, Limits limits)
    : m_service(service)
    , m_processes(processes)
    , m_log(log)
    , m_limits(limits)
{
}

FileManagerWindows::~FileManagerWindows() = default;

FileManagerWindows::Before FileManagerWindows::prepare()
{
    m_last.reset();
    m_lastOnWayland = false;
    if (m_service.unavailableReason())
        return {};
    const QString token = QStringLiteral("mirvale-") + QString::number(QCoreApplication::applicationPid())
        + QLatin1Char('-') + QString::number(++m_requests);
    return { m_service.clients(), m_service.serverTime(), token };
}

/// One request's search for its window.
struct FileManagerWindows::Search {
    Before before;
    Request request;
    Family family;
    Wait wait = Wait::Briefly;
    /// How many cards had gone when the search began.
    qsizetype cardsGoneBefore = 0;
};

std::optional<FileManagerWindows::Search> FileManagerWindows::begin(
    const Before &before, const Request &request, Wait wait)
{
    const QString what = request.placement ? QStringLiteral("could not place the file manager's window")
                                           : QStringLiteral("could not find the file manager's window");
    if (const std::optional<QString> why = m_service.unavailableReason()) {
        noteOnce(what, *why);
        m_unreachableFolders.insert(request.folder, *why);
        return std::nullopt;
    }
    if (!before.clients) {
        noteOnce(what, QStringLiteral("the window manager does not list its windows (_NET_CLIENT_LIST)"));
        return std::nullopt;
    }
    if (onWayland(request))
        return std::nullopt;
    Family family { request.owner, std::nullopt, before.startupId(request.takesFocus), {} };
    if (request.owner)
        family.executable = m_processes.executable(*request.owner);
    if (!request.owner && family.startupId.isEmpty()) {
        noteOnce(what, QStringLiteral("the file manager's process is unknown"));
        return std::nullopt;
    }
    return Search { before, request, std::move(family), wait, m_cardsGone.size() };
}

bool FileManagerWindows::onWayland(const Request &request)
{
    if (!request.owner)
        return false;
    std::optional<bool> known;
    if (const auto it = m_onWayland.constFind(*request.owner); it != m_onWayland.cend())
        known = *it;
    if (!known) {
        const std::optional<QHash<QString, QString>> environment = m_processes.environment(*request.owner);
        const ClientWindowSystem::Kind kind = environment
            ? ClientWindowSystem::of(*environment, m_processes.libraries(*request.owner))
            : ClientWindowSystem::Kind::Unknown;
        // Unknown: looked for as an X11 client is; one that showed no X11 window at all by
        // the end of a search is not waited for afterwards.
        if (kind != ClientWindowSystem::Kind::Unknown) {
            known = kind == ClientWindowSystem::Kind::Wayland;
            m_onWayland.insert(*request.owner, *known);
        }
    }
    if (!known.value_or(false))
        return false;
    const QString program = QFileInfo(m_processes.executable(*request.owner).value_or(QString())).fileName();
    m_lastOnWayland = true;
    m_waylandFolders.insert(request.folder, program);
    noteOnce(QStringLiteral("the file manager ")
            + (program.isEmpty() ? QString() : program + QLatin1Char(' '))
            + QStringLiteral("runs as a Wayland client"),
        QStringLiteral("where its windows go and whether they come to front is the compositor's "
                       "choice; its opens are reported without waiting for a window"));
    return true;
}

std::optional<FileManagerWindows::WindowId> FileManagerWindows::look(Search &search)
{
    const bool reuseAllowed = Clock::now() >= search.request.answeredAt + m_limits.reuseGrace;
    if (const std::optional<WindowService::Clients> after = m_service.clients())
        return find(search.before, *after, search.request, search.family, reuseAllowed);
    return std::nullopt;
}

bool FileManagerWindows::isOver(const Search &search)
{
    if (m_stopping || Clock::now() >= search.request.deadline)
        return true;
    for (qsizetype index = search.cardsGoneBefore; index < m_cardsGone.size(); ++index) {
        if (isOnCard(search.request.folder, m_cardsGone.at(index)))
            return true;
    }
    return false;
}

void FileManagerWindows::adopt(const Before &before, const Request &request, Wait wait, Found done)
{
    std::optional<Search> search = begin(before, request, wait);
    if (!search) {
        later([done] { done(std::nullopt); });
        return;
    }
    const Clock::time_point briefly = request.answeredAt + m_limits.find;
    if (wait == Wait::Briefly) {
        search->request.deadline = std::min(request.deadline, briefly);
        // A file manager that showed no X11 window at all after an earlier answer is not
        // waited for; its window is still looked for in the background.
        if (request.owner && m_showedNoWindow.contains(*request.owner))
            search->request.deadline = request.answeredAt;
    }
    poll(wait == Wait::Late ? m_limits.latePoll : m_limits.poll,
        [this, search = std::move(*search), briefly, requested = request.deadline, done]() mutable {
            const std::optional<WindowId> found = look(search);
            if (!found && !isOver(search))
                return false;
            if (found) {
                settle(search, *found, [done, found] { done(found); });
                return true;
            }
            missed(search, briefly, requested);
            done(std::nullopt);
            return true;
        });
}

void FileManagerWindows::missed(const Search &search, Clock::time_point briefly, Clock::time_point requested)
{
    // `requested`: the request's own deadline, which the brief look may have cut short.
    const Request &request = search.request;
    if (search.wait == Wait::Briefly && requested > briefly) {
        noteOnce(QStringLiteral("still looking for the file manager's window"),
            QStringLiteral("none showed the folder within ") + secondsText(m_limits.find)
                + QStringLiteral(" s of its answer; the open is reported without it"));
        return;
    }
    noteOnce(request.placement ? QStringLiteral("could not place the file manager's window")
                               : QStringLiteral("could not find the file manager's window"),
        QStringLiteral("no window of the file manager showed the folder within ")
            + secondsText(std::chrono::duration_cast<std::chrono::milliseconds>(
                search.request.deadline - request.answeredAt))
            + QStringLiteral(" s of its answer (a file manager that is not an X11 client, or "
                             "that does not name the folder in its window's title, cannot be "
                             "placed)"));
}

void FileManagerWindows::adoptLater(const Before &before, const Request &request)
{
    std::optional<Search> search = begin(before, request, Wait::Late);
    if (!search)
        return;
    m_pending.push_back(std::move(*search));
    if (m_adoptingPending)
        return;
    m_adoptingPending = true;
    poll(m_limits.latePoll, [this] { return lookForPending(); });
}

bool FileManagerWindows::lookForPending()
{
    for (auto it = m_pending.begin(); it != m_pending.end();) {
        if (isOver(*it)) {
            m_log.info(
                kPrefix + QStringLiteral("gave up looking for the window that shows ") + it->request.folder);
            // No X11 window of the file manager at all, long after its answer: a Wayland
            // client whose environment could not be read.
            const bool timedOut = it->request.owner && Clock::now() >= it->request.deadline;
            const std::optional<WindowService::Clients> clients
                = timedOut ? m_service.clients() : std::nullopt;
            if (clients
                && std::none_of(clients->windows.cbegin(), clients->windows.cend(),
                    [&](WindowId window) { return belongs(it->family, window); }))
                m_showedNoWindow.insert(*it->request.owner);
            it = m_pending.erase(it);
        } else if (const std::optional<WindowId> found = look(*it)) {
            settle(*it, *found, [] {});
            it = m_pending.erase(it);
        } else {
            ++it;
        }
    }
    m_adoptingPending = !m_pending.empty();
    return !m_adoptingPending;
}

void FileManagerWindows::settle(const Search &search, WindowId found, std::function<void()> done)
{
    const Request &request = search.request;
    bool mine = !search.before.clients->windows.contains(found);
    mine = mine || std::any_of(m_opened.cbegin(), m_opened.cend(), [&](const Opened &opened) {
        return opened.window == found;
    });
    if (search.wait == Wait::Briefly) // a late one may belong to an earlier request than the last
        m_last = found;
    if (request.owner)
        m_showedNoWindow.remove(*request.owner);
    if (mine)
        remember({ request.folder, found, m_service.processId(found).value_or(0) });
    // A window that shows long after the open neither comes to front nor moves the focus:
    // the user has moved on.
    const bool tooLate = Clock::now() > request.answeredAt + m_limits.frontWithin;
    m_log.info(kPrefix + QStringLiteral("window ") + windowText(found) + QStringLiteral(" shows ")
        + request.folder + QStringLiteral(" (") + QString::number(millisecondsSince(request.answeredAt))
        + QStringLiteral(" ms after the file manager answered")
        + (mine ? QString() : QStringLiteral("; a window Mirvale did not open"))
        + (tooLate ? QStringLiteral("; too late to come to front") : QString()) + QStringLiteral(")"));
    const auto focus = [this, before = search.before, takesFocus = request.takesFocus, wait = search.wait,
                           found, tooLate, done] {
        if (tooLate || (takesFocus && wait != Wait::Late)) {
            done();
        } else if (!takesFocus) {
            keepFocus(before, found);
            done();
        } else {
            // The request to bring it to front came and went before it showed.
            raise(found, [done](const std::optional<QString> &) { done(); });
        }
    };
    if (request.placement)
        place(found, *request.placement, request.answeredAt, [focus](bool) { focus(); });
    else
        focus();
}

std::optional<FileManagerWindows::WindowId> FileManagerWindows::find(const Before &before,
    const WindowService::Clients &after, const Request &request, Family &family, bool reuseAllowed)
{
    const auto fits
        = [&](WindowId window) { return belongs(family, window) && showsFolder(window, request.folder); };
    // A window the request opened or brought forward.
    if (const std::optional<WindowId> window = WindowMatch::pick(*before.clients, after, fits))
        return window;
    if (!reuseAllowed)
        return std::nullopt;
    // The file manager showed the folder in a window it already had, without raising it:
    // the one Mirvale remembers for the folder first, then the newest.
    QList<WindowId> candidates;
    for (auto it = m_opened.crbegin(); it != m_opened.crend(); ++it) {
        if (it->folder == request.folder)
            candidates.append(it->window);
    }
    for (auto it = after.windows.crbegin(); it != after.windows.crend(); ++it)
        candidates.append(*it);
    for (const WindowId window : std::as_const(candidates)) {
        if (after.windows.contains(window) && fits(window))
            return window;
    }
    return std::nullopt;
}

bool FileManagerWindows::belongs(Family &family, WindowId window)
{
    if (const auto it = family.known.constFind(window); it != family.known.cend())
        return *it;
    bool belongs = false;
    if (!family.startupId.isEmpty() && m_service.startupId(window) == family.startupId) {
        belongs = true;
    } else if (const std::optional<qint64> process = m_service.processId(window)) {
        // The bus owner itself, a process it started, or another copy of its program (a
        // file manager may hand the window to a process of its own that outlives it).
        std::optional<qint64> ancestor = process;
        for (int level = 0; ancestor && level < kAncestors && !belongs; ++level) {
            belongs = ancestor == family.owner;
            ancestor = m_processes.parent(*ancestor);
        }
        if (!belongs && family.executable)
            belongs = m_processes.executable(*process) == family.executable;
    } else if (family.executable) {
        // No process to ask (another process namespace): the window class names the program.
        const QString program = QFileInfo(*family.executable).fileName().toLower();
        const QStringList names
            = m_service.windowClass(window).value_or(QString()).toLower().split(QLatin1Char(' '));
        belongs = !program.isEmpty() && std::any_of(names.cbegin(), names.cend(), [&](const QString &name) {
            return name.contains(program);
        });
    }
    family.known.insert(window, belongs);
    return belongs;
}

bool FileManagerWindows::showsFolder(WindowId window, const QString &folder)
{
    const std::optional<QString> title = m_service.title(window);
    return title && WindowMatch::titleShows(*title, folder);
}

void FileManagerWindows::place(WindowId window, const Placement &frame,
    std::optional<Clock::time_point> answeredAt, std::function<void(bool)> done)
{
    // The window manager may add or change the decoration after the first move, and a new
    // window may still size itself: ask again until the frame sits where it should.
    struct Asked {
        Clock::time_point at;
        std::optional<WindowFrames::Request> request;
        std::optional<Placement> actual;
    };
    poll(m_limits.poll,
        [this, window, frame, answeredAt, done, giveUp = Clock::now() + m_limits.settle,
            asked = Asked {}]() mutable {
            if (const std::optional<WindowService::Geometry> geometry = m_service.geometry(window)) {
                const WindowService::FrameExtents extents
                    = geometry->extents.value_or(WindowService::FrameExtents {});
                asked.actual = WindowFrames::frameOf(geometry->client, extents);
                if (asked.request && WindowFrames::isClose(*asked.actual, frame, 0)) {
                    const QString after = answeredAt
                        ? QStringLiteral(" (") + QString::number(millisecondsSince(*answeredAt))
                            + QStringLiteral(" ms after the file manager answered)")
                        : QString();
                    m_log.info(kPrefix + QStringLiteral("placed window ") + windowText(window)
                        + QStringLiteral(" at ") + WindowFrames::boundsText(frame) + after);
                    done(true);
                    return true;
                }
                const Clock::time_point now = Clock::now();
                const WindowFrames::Request request = WindowFrames::requestFor(frame, extents);
                const bool again
                    = request != asked.request || now - asked.at >= std::chrono::milliseconds(200);
                if (now < giveUp && !again)
                    return false;
                if (now < giveUp && m_service.moveResize(window, request.frameTopLeft, request.clientSize)) {
                    asked = { now, request, asked.actual };
                    return false;
                }
            }
            noteOnce(QStringLiteral("could not place the file manager's window"),
                asked.actual ? QStringLiteral("the window manager left it at ")
                        + WindowFrames::boundsText(*asked.actual) + QStringLiteral(" instead of ")
                        + WindowFrames::boundsText(frame)
                             : QStringLiteral("the window went away"));
            done(false);
            return true;
        });
}

void FileManagerWindows::keepFocus(const Before &before, WindowId window)
{
    // The rule leaves the file manager where it is: a window that took the focus on its own
    // gives it back to the window that had it.
    if (!before.clients || !before.clients->active)
        return;
    const WindowId previous = *before.clients->active;
    const std::optional<WindowService::Clients> clients = m_service.clients();
    if (!clients || clients->active != window || previous == window || !clients->windows.contains(previous))
        return;
    const std::optional<quint32> time = m_service.serverTime();
    if (time && m_service.activate(previous, *time))
        m_log.info(kPrefix + QStringLiteral("window ") + windowText(window)
            + QStringLiteral(" took the focus; gave it back to window ") + windowText(previous));
}

void FileManagerWindows::raise(WindowId window, Raised done)
{
    const std::optional<quint32> time = m_service.serverTime();
    if (!time || !m_service.activate(window, *time)) {
        const QString why = !time ? QStringLiteral("the display server did not tell its time")
                                  : QStringLiteral("the request could not be sent");
        later([done, why] { done(why); });
        return;
    }
    poll(m_limits.poll, [this, window, done, giveUp = Clock::now() + m_limits.settle] {
        const std::optional<WindowService::Clients> clients = m_service.clients();
        if (clients && clients->active == window) {
            m_log.info(kPrefix + QStringLiteral("brought window ") + windowText(window)
                + QStringLiteral(" to front"));
            done(std::nullopt);
            return true;
        }
        if (Clock::now() < giveUp)
            return false;
        done(QStringLiteral("the window manager did not make it the active window"));
        return true;
    });
}

void FileManagerWindows::bringToFront(Raised done)
{
    const QString what = QStringLiteral("could not bring the file manager's window to front");
    QString why;
    if (const std::optional<QString> unavailable = m_service.unavailableReason())
        why = *unavailable;
    else if (m_lastOnWayland)
        why = QStringLiteral(
            "the file manager runs as a Wayland client; the compositor decides what comes to front");
    else if (!m_last)
        why = QStringLiteral("the window of the last request was not found");
    if (why.isEmpty()) {
        raise(*m_last, [this, what, done](const std::optional<QString> &failed) {
            if (failed)
                noteOnce(what, *failed);
            done(failed);
        });
        return;
    }
    noteOnce(what, why);
    later([done, why] { done(why); });
}

std::variant<Placement, QString> FileManagerWindows::frontWindowFrame(std::optional<qint64> owner)
{
    QString why;
    if (const std::optional<QString> unavailable = m_service.unavailableReason()) {
        why = *unavailable;
    } else if (!owner) {
        why = QStringLiteral("no file manager is running");
    } else {
        const std::optional<WindowService::Clients> clients = m_service.clients();
        Family family { owner, m_processes.executable(*owner), {}, {} };
        if (!clients || !clients->active || *clients->active == 0)
            why = QStringLiteral("no window is active");
        else if (!belongs(family, *clients->active))
            why = QStringLiteral("the front window is not the file manager's");
        else if (const std::optional<Placement> frame = frameOf(*clients->active))
            return *frame;
        else
            why = QStringLiteral("the front window went away");
    }
    noteOnce(QStringLiteral("could not read the front window's bounds"), why);
    return why;
}

std::optional<Placement> FileManagerWindows::frameOf(WindowId window)
{
    const std::optional<WindowService::Geometry> geometry = m_service.geometry(window);
    if (!geometry)
        return std::nullopt;
    return WindowFrames::frameOf(
        geometry->client, geometry->extents.value_or(WindowService::FrameExtents {}));
}

QList<FileManagerWindows::WindowId> FileManagerWindows::closeWindowsOfCard(
    const QString &cardPath, bool cardGone)
{
    QList<Opened> closing;
    QHash<WindowId, QString> seen;
    QHash<QString, QStringList> waylandFolders; // by program
    QString unreachable;
    m_cardsGone.append(cardPath);
    for (auto it = m_opened.begin(); it != m_opened.end();) {
        if (isOnCard(it->folder, cardPath)) {
            closing.append(*it);
            seen.insert(it->window, m_seen.take(it->window));
            if (m_last == it->window)
                m_last.reset();
            it = m_opened.erase(it);
        } else {
            ++it;
        }
    }
    for (auto it = m_waylandFolders.begin(); it != m_waylandFolders.end();) {
        if (isOnCard(it.key(), cardPath)) {
            waylandFolders[it.value()].append(it.key());
            it = m_waylandFolders.erase(it);
        } else {
            ++it;
        }
    }
    for (auto it = m_unreachableFolders.begin(); it != m_unreachableFolders.end();) {
        if (isOnCard(it.key(), cardPath)) {
            unreachable = it.value();
            it = m_unreachableFolders.erase(it);
        } else {
            ++it;
        }
    }
    if (!unreachable.isEmpty())
        noteOnce(
            QStringLiteral("could not close the file manager's windows on a card that goes"), unreachable);
    if (!waylandFolders.isEmpty() && !m_views)
        noteOnce(QStringLiteral("could not close the file manager's windows on a card that goes"),
            QStringLiteral("it runs as a Wayland client, so they are not X11 windows; it closes or "
                           "moves them itself"));
    for (auto it = waylandFolders.begin(); m_views && it != waylandFolders.end(); ++it) {
        // Its windows are not Mirvale's to close: the file manager closes (or moves) those
        // that show a folder Mirvale had it open on the card, so that it lets go of the card.
        // The card's own folder too: where a file manager goes up to as a deeper folder goes.
        if (!it.value().contains(cardPath))
            it.value().append(cardPath);
        std::sort(it.value().begin(), it.value().end());
        // A window the file manager took to the card's parent as the card went cannot be told
        // from the user's own window there over D-Bus: that one is left, and the log says so.
        if (cardGone)
            noteOnce(QStringLiteral("could not close the file manager's windows on a card that goes"),
                QStringLiteral("%1 runs as a Wayland client: a window of it on %2 may be the user's, so "
                               "it is left there")
                    .arg(it.key(), QFileInfo(cardPath).path()));
        const FileManagerViews::Outcome outcome = m_views->takeOff(it.key(), it.value());
        if (outcome.moved > 0)
            m_log.info(kPrefix + QStringLiteral("asked ") + it.key() + QStringLiteral(" to take ")
                + QString::number(outcome.moved) + QStringLiteral(" of its windows on card ") + cardPath
                + QStringLiteral(" off it"));
        if (!outcome.failure.isEmpty())
            noteOnce(QStringLiteral("could not close the file manager's windows on a card that goes"),
                outcome.failure);
    }
    QList<WindowId> closed;
    if (closing.isEmpty() || m_service.unavailableReason())
        return closed;
    const std::optional<WindowService::Clients> clients = m_service.clients();
    const quint32 time = m_service.serverTime().value_or(0);
    const QString parent = QFileInfo(cardPath).path();
    for (const Opened &opened : std::as_const(closing)) {
        // Gone already, or the id now names someone else's window: leave it alone.
        if (!clients || !clients->windows.contains(opened.window)
            || m_service.processId(opened.window).value_or(0) != opened.process)
            continue;
        // The user may have taken the window elsewhere: it is closed only while it still
        // shows the folder or one above it on the card, or when the file manager took it to
        // the card's parent as the card went (it showed the card when last looked at; the
        // user's own trip to the parent was seen before).
        const QString title = m_service.title(opened.window).value_or(QString());
        const bool onCard = WindowMatch::titleShowsFolderUpTo(title, opened.folder, cardPath);
        const bool movedOff = !onCard && WindowMatch::titleShows(title, parent)
            && WindowMatch::titleShowsFolderUpTo(seen.value(opened.window), opened.folder, cardPath);
        if (!onCard && !movedOff) {
            m_log.info(kPrefix + QStringLiteral("left window ") + windowText(opened.window)
                + QStringLiteral(" open: it shows \u201c") + title
                + QStringLiteral("\u201d, no longer a folder on the card"));
            continue;
        }
        if (m_service.close(opened.window, time)) {
            closed.append(opened.window);
            m_log.info(kPrefix + QStringLiteral("asked to close window ") + windowText(opened.window)
                + QStringLiteral(", opened for ") + opened.folder + QStringLiteral(" on card ") + cardPath
                + (movedOff ? QStringLiteral(" (the file manager moved it to ") + parent + QStringLiteral(")")
                            : QString()));
        }
    }
    return closed;
}

void FileManagerWindows::lookAtOpened()
{
    const QList<Opened> opened = this->opened();
    if (opened.isEmpty() || m_service.unavailableReason())
        return;
    QHash<WindowId, QString> titles;
    for (const Opened &window : opened) {
        // A window whose folder went is one the file manager may be moving off a card that
        // is going: what it showed before stays what was last seen.
        const std::optional<QString> title = m_service.title(window.window);
        if (title && (*title == m_seen.value(window.window) || QFileInfo::exists(window.folder)))
            titles.insert(window.window, *title);
    }
    for (auto it = titles.cbegin(); it != titles.cend(); ++it) {
        if (std::any_of(m_opened.cbegin(), m_opened.cend(),
                [&](const Opened &known) { return known.window == it.key(); }))
            m_seen.insert(it.key(), it.value());
    }
}

void FileManagerWindows::waitUntilClosed(const QList<WindowId> &windows, std::function<void(bool)> done)
{
    poll(m_limits.poll, [this, windows, done, giveUp = Clock::now() + m_limits.settle] {
        const std::optional<WindowService::Clients> clients = m_service.clients();
        const bool closed = clients && std::none_of(windows.cbegin(), windows.cend(), [&](WindowId window) {
            return clients->windows.contains(window);
        });
        if (clients && !closed && Clock::now() < giveUp)
            return false;
        done(closed);
        return true;
    });
}

void FileManagerWindows::stop()
{
    m_stopping = true;
    m_pending.clear();
    m_adoptingPending = false;
    for (QTimer *timer : m_waits.findChildren<QTimer *>(Qt::FindDirectChildrenOnly)) {
        timer->stop();
        timer->disconnect();
        timer->deleteLater();
    }
}

void FileManagerWindows::poll(std::chrono::milliseconds interval, std::function<bool()> step)
{
    if (m_stopping)
        return;
    // The first step on the next turn of the loop, so that no caller is answered from inside its call.
    auto *timer = new QTimer(&m_waits);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, interval, step = std::move(step)] {
        timer->setInterval(interval);
        if (step()) {
            timer->stop();
            timer->deleteLater();
        }
    });
    timer->start(0);
}

void FileManagerWindows::later(std::function<void()> work)
{
    poll(std::chrono::milliseconds(0), [work = std::move(work)] {
        work();
        return true;
    });
}

void FileManagerWindows::noteOnce(const QString &what, const QString &reason)
{
    const QString message = kPrefix + what + QStringLiteral(": ") + reason;
    if (m_noted.contains(message))
        return;
    m_noted.insert(message);
    m_log.warn(message);
}

void FileManagerWindows::remember(const Opened &opened)
{
    const QString title = m_service.title(opened.window).value_or(QString());
    m_seen.insert(opened.window, title);
    // A window shows one folder at a time; a folder may be in several windows.
    m_opened.removeIf([&](const Opened &known) { return known.window == opened.window; });
    m_opened.append(opened);
}
