#include "finder/FileManagerWindows.h"

#include "finder/WindowFrames.h"
#include "finder/WindowMatch.h"
#include "support/Logger.h"

#include <thread>

namespace {

const QString kPrefix = QStringLiteral("FileManagerWindows: ");

QString windowText(WindowService::WindowId window)
{
    return QStringLiteral("0x") + QString::number(window, 16);
}

qint64 millisecondsSince(FileManagerWindows::Clock::time_point start)
{
    return std::chrono::duration_cast<std::chrono::milliseconds>(FileManagerWindows::Clock::now() - start)
        .count();
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

QString FileManagerWindows::Before::startupId() const
{
    return time ? QStringLiteral("_TIME") + QString::number(*time) : QString();
}

FileManagerWindows::FileManagerWindows(WindowService &service, Logger &log)
    : FileManagerWindows(service, log, Limits {})
{
}

FileManagerWindows::FileManagerWindows(WindowService &service, Logger &log, Limits limits)
    : m_service(service)
    , m_log(log)
    , m_limits(limits)
{
}

FileManagerWindows::Before FileManagerWindows::prepare()
{
    {
        std::lock_guard lock(m_mutex);
        m_last.reset();
    }
    if (m_service.unavailableReason())
        return {};
    return { m_service.clients(), m_service.serverTime() };
}

std::optional<FileManagerWindows::WindowId> FileManagerWindows::reuse(
    const QString &folder, std::optional<qint64> owner, const std::optional<Placement> &placement)
{
    std::optional<Opened> known;
    {
        std::lock_guard lock(m_mutex);
        m_last.reset();
        for (const Opened &opened : std::as_const(m_opened)) {
            if (opened.folder == folder)
                known = opened;
        }
    }
    if (!known || m_service.unavailableReason())
        return std::nullopt;
    const std::optional<WindowService::Clients> clients = m_service.clients();
    if (!clients)
        return std::nullopt;
    // A window the user closed, or one whose id now belongs to another program, is forgotten.
    if (!clients->windows.contains(known->window) || !owner || *owner != known->owner
        || m_service.processId(known->window) != known->owner) {
        forget(known->window);
        return std::nullopt;
    }
    {
        std::lock_guard lock(m_mutex);
        m_last = known->window;
    }
    m_log.info(kPrefix + QStringLiteral("reusing window ") + windowText(known->window)
        + QStringLiteral(" that Mirvale opened for ") + folder);
    if (placement)
        place(known->window, *placement, std::nullopt);
    if (const std::optional<QString> why = raise(known->window))
        noteOnce(QStringLiteral("could not raise the window Mirvale opened earlier"), *why);
    return known->window;
}

std::optional<FileManagerWindows::WindowId> FileManagerWindows::adopt(const Before &before,
    const QString &folder, std::optional<qint64> owner, const std::optional<Placement> &placement,
    Clock::time_point answeredAt, Clock::time_point deadline)
{
    const QString what = placement ? QStringLiteral("could not place the file manager's window")
                                   : QStringLiteral("could not find the file manager's window");
    if (const std::optional<QString> why = m_service.unavailableReason()) {
        noteOnce(what, *why);
        return std::nullopt;
    }
    if (!before.clients) {
        noteOnce(what, QStringLiteral("the window manager does not list its windows (_NET_CLIENT_LIST)"));
        return std::nullopt;
    }
    if (!owner) {
        noteOnce(what, QStringLiteral("the file manager's process is unknown"));
        return std::nullopt;
    }

    std::optional<WindowId> found;
    QHash<WindowId, std::optional<qint64>> processes; // asked once per window
    const WindowMatch::ProcessOf processOf = [&](WindowId window) {
        auto it = processes.find(window);
        if (it == processes.end())
            it = processes.insert(window, m_service.processId(window));
        return *it;
    };
    for (;;) {
        if (const std::optional<WindowService::Clients> after = m_service.clients())
            found = WindowMatch::pick(*before.clients, *after, *owner, processOf);
        if (found || Clock::now() >= deadline || m_stopping)
            break;
        std::this_thread::sleep_for(m_limits.poll);
    }
    if (!found) {
        noteOnce(what,
            QStringLiteral("its window did not appear in time (a file manager that is not an "
                           "X11 client cannot be placed)"));
        return std::nullopt;
    }
    remember({ folder, *found, *owner });
    m_log.info(kPrefix + QStringLiteral("window ") + windowText(*found) + QStringLiteral(" shows ") + folder
        + QStringLiteral(" (") + QString::number(millisecondsSince(answeredAt))
        + QStringLiteral(" ms after the file manager answered)"));
    if (placement)
        place(*found, *placement, answeredAt);
    return found;
}

bool FileManagerWindows::place(
    WindowId window, const Placement &frame, std::optional<Clock::time_point> answeredAt)
{
    // The window manager may add or change the decoration after the first move, and a new
    // window may still size itself: ask again until the frame sits where it should.
    const Clock::time_point giveUp = Clock::now() + m_limits.settle;
    std::optional<Placement> actual;
    Clock::time_point lastAsked;
    std::optional<WindowFrames::Request> lastRequest;
    for (;;) {
        const std::optional<WindowService::Geometry> geometry = m_service.geometry(window);
        if (!geometry)
            break;
        const WindowService::FrameExtents extents
            = geometry->extents.value_or(WindowService::FrameExtents {});
        actual = WindowFrames::frameOf(geometry->client, extents);
        if (lastRequest && WindowFrames::isClose(*actual, frame, 0)) {
            const QString after = answeredAt
                ? QStringLiteral(" (") + QString::number(millisecondsSince(*answeredAt))
                    + QStringLiteral(" ms after the file manager answered)")
                : QString();
            m_log.info(kPrefix + QStringLiteral("placed window ") + windowText(window)
                + QStringLiteral(" at ") + WindowFrames::boundsText(frame) + after);
            return true;
        }
        const Clock::time_point now = Clock::now();
        if (now >= giveUp)
            break;
        const WindowFrames::Request request = WindowFrames::requestFor(frame, extents);
        if (request != lastRequest || now - lastAsked >= std::chrono::milliseconds(200)) {
            if (!m_service.moveResize(window, request.frameTopLeft, request.clientSize))
                break;
            lastRequest = request;
            lastAsked = now;
        }
        std::this_thread::sleep_for(m_limits.poll);
    }
    noteOnce(QStringLiteral("could not place the file manager's window"),
        actual ? QStringLiteral("the window manager left it at ") + WindowFrames::boundsText(*actual)
                + QStringLiteral(" instead of ") + WindowFrames::boundsText(frame)
               : QStringLiteral("the window went away"));
    return false;
}

std::optional<QString> FileManagerWindows::raise(WindowId window)
{
    const std::optional<quint32> time = m_service.serverTime();
    if (!time)
        return QStringLiteral("the display server did not tell its time");
    if (!m_service.activate(window, *time))
        return QStringLiteral("the request could not be sent");
    const Clock::time_point giveUp = Clock::now() + m_limits.settle;
    for (;;) {
        const std::optional<WindowService::Clients> clients = m_service.clients();
        if (clients && clients->active == window) {
            m_log.info(kPrefix + QStringLiteral("brought window ") + windowText(window)
                + QStringLiteral(" to front"));
            return std::nullopt;
        }
        if (Clock::now() >= giveUp)
            return QStringLiteral("the window manager did not make it the active window");
        std::this_thread::sleep_for(m_limits.poll);
    }
}

std::optional<QString> FileManagerWindows::bringToFront()
{
    const QString what = QStringLiteral("could not bring the file manager's window to front");
    std::optional<WindowId> last;
    {
        std::lock_guard lock(m_mutex);
        last = m_last;
    }
    QString why;
    if (const std::optional<QString> unavailable = m_service.unavailableReason())
        why = *unavailable;
    else if (!last)
        why = QStringLiteral("the window of the last request was not found");
    else if (const std::optional<QString> failed = raise(*last))
        why = *failed;
    if (why.isEmpty())
        return std::nullopt;
    noteOnce(what, why);
    return why;
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
        if (!clients || !clients->active || *clients->active == 0)
            why = QStringLiteral("no window is active");
        else if (m_service.processId(*clients->active) != owner)
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

void FileManagerWindows::closeWindowsOfCard(const QString &cardPath)
{
    QList<Opened> closing;
    {
        std::lock_guard lock(m_mutex);
        for (auto it = m_opened.begin(); it != m_opened.end();) {
            if (isOnCard(it->folder, cardPath)) {
                closing.append(*it);
                if (m_last == it->window)
                    m_last.reset();
                it = m_opened.erase(it);
            } else {
                ++it;
            }
        }
    }
    if (closing.isEmpty() || m_service.unavailableReason())
        return;
    const std::optional<WindowService::Clients> clients = m_service.clients();
    const quint32 time = m_service.serverTime().value_or(0);
    for (const Opened &opened : std::as_const(closing)) {
        // Gone already, or the id now names someone else's window: leave it alone.
        if (!clients || !clients->windows.contains(opened.window)
            || m_service.processId(opened.window) != opened.owner)
            continue;
        if (m_service.close(opened.window, time))
            m_log.info(kPrefix + QStringLiteral("asked to close window ") + windowText(opened.window)
                + QStringLiteral(", opened for ") + opened.folder
                + QStringLiteral(" on a card that is gone"));
    }
}

QList<FileManagerWindows::Opened> FileManagerWindows::opened() const
{
    std::lock_guard lock(m_mutex);
    return m_opened;
}

void FileManagerWindows::noteOnce(const QString &what, const QString &reason)
{
    const QString message = kPrefix + what + QStringLiteral(": ") + reason;
    {
        std::lock_guard lock(m_mutex);
        if (m_noted.contains(message))
            return;
        m_noted.insert(message);
    }
    m_log.warn(message);
}

void FileManagerWindows::remember(const Opened &opened)
{
    std::lock_guard lock(m_mutex);
    m_opened.removeIf(
        [&](const Opened &known) { return known.folder == opened.folder || known.window == opened.window; });
    m_opened.append(opened);
    m_last = opened.window;
}

void FileManagerWindows::forget(WindowId window)
{
    std::lock_guard lock(m_mutex);
    m_opened.removeIf([window](const Opened &known) { return known.window == window; });
}
