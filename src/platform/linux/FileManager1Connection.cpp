#include "platform/linux/FileManager1Connection.h"

#include "filemanager/FileManagerWindows.h"
#include "platform/linux/FileManagerName.h"
#include "support/Logger.h"
#include "support/SerialQueue.h"

#include <QDBusMessage>
#include <QDBusPendingCall>
#include <QFile>
#include <QFileInfo>
#include <QUrl>

#include <algorithm>
#include <atomic>
#include <thread>

namespace {

const QString kService = QStringLiteral("org.freedesktop.FileManager1");
const QString kPath = QStringLiteral("/org/freedesktop/FileManager1");
const QString kBusService = QStringLiteral("org.freedesktop.DBus");
const QString kBusPath = QStringLiteral("/org/freedesktop/DBus");

QString uriFor(const QString &path)
{
    return QUrl::fromLocalFile(path).toString(QUrl::FullyEncoded);
}

bool isOneOf(const QString &name, std::initializer_list<const char *> names)
{
    return std::any_of(names.begin(), names.end(),
        [&name](const char *candidate) { return name == QLatin1String(candidate); });
}

using Kind = FileManagerFailure::Kind;

FileManagerFailure failure(Kind kind, QString detail)
{
    return { kind, std::move(detail) };
}

const QString kNoFileManager = QStringLiteral("no file manager owns org.freedesktop.FileManager1 on the "
                                              "session bus, and the bus cannot start one");
const QString kNotInTime = QStringLiteral("The file manager did not answer in time.");

/// Whether asking again in this request could help: not when the file manager is gone or silent.
bool endsTheRequest(const FileManagerFailure &failed)
{
    return failed.kind == Kind::NoFileManager || failed.kind == Kind::TimedOut;
}

} // namespace

FileManager1Connection::FileManager1Connection(
    Logger &log, std::chrono::milliseconds callTimeout, FileManagerWindows *windows)
    : m_log(log)
    , m_callTimeout(callTimeout)
    , m_windows(windows)
{
    static std::atomic<int> instances { 0 };
    m_connectionName = QStringLiteral("mirvale-file-manager-%1").arg(++instances);
    if (m_windows)
        m_adoptions = std::make_unique<SerialQueue>(QStringLiteral("io.github.mirvale.filemanager.windows"));
}

FileManager1Connection::~FileManager1Connection()
{
    // A window still being waited for is given up at once, so quitting never waits for it.
    if (m_windows)
        m_windows->stop();
    m_adoptions.reset();
    if (m_connection) {
        m_connection.reset();
        QDBusConnection::disconnectFromBus(m_connectionName);
    }
}

FileManagerFailure FileManager1Connection::failureFromDBusError(const QString &name, const QString &message)
{
    if (isOneOf(name,
            { "org.freedesktop.DBus.Error.ServiceUnknown", "org.freedesktop.DBus.Error.NameHasNoOwner",
                "org.freedesktop.DBus.Error.Disconnected" })
        || name.startsWith(QLatin1String("org.freedesktop.DBus.Error.Spawn.")))
        return failure(Kind::NoFileManager, name + QStringLiteral(": ") + message);
    if (isOneOf(name, { "org.freedesktop.DBus.Error.AccessDenied", "org.freedesktop.DBus.Error.AuthFailed" }))
        return failure(
            Kind::AccessDenied, QStringLiteral("The file manager refused the request: ") + message);
    // The bus answers NoReply also when the callee left it mid-call: that is a quit, not a delay,
    // and the open is not retried, since it may have happened.
    if (name == QLatin1String("org.freedesktop.DBus.Error.NoReply")
        && message.contains(QLatin1String("disconnected"), Qt::CaseInsensitive))
        return failure(Kind::QuitDuringCall, QStringLiteral("the file manager quit during the call"));
    if (isOneOf(name,
            { "org.freedesktop.DBus.Error.NoReply", "org.freedesktop.DBus.Error.Timeout",
                "org.freedesktop.DBus.Error.TimedOut" }))
        return failure(Kind::TimedOut, kNotInTime);
    if (isOneOf(name,
            { "org.freedesktop.DBus.Error.FileNotFound",
                "org.gtk.GDBus.UnmappedGError.Quark._g_2dio_2derror_2dquark.Code1" }))
        return failure(Kind::FolderMissing, message);
    return failure(Kind::Other, message.isEmpty() ? name : message);
}

FileManagerConnection::Result FileManager1Connection::perform(const FileManagerRequest &request)
{
    {
        std::lock_guard lock(m_cancelLock);
        if (m_isCancelled)
            return failure(Kind::TimedOut, QStringLiteral("Not run: Mirvale is quitting."));
    }
    const Deadline deadline = std::chrono::steady_clock::now() + m_callTimeout;
    switch (request.kind) {
    case FileManagerRequest::Kind::Check:
        // The interface cannot count windows; the answer is the name the user knows it by.
        if (std::optional<FileManagerFailure> unreachable = checkReachable(deadline))
            return *unreachable;
        return FileManagerAnswer { displayName(deadline), {}, true };
    case FileManagerRequest::Kind::Activate:
        return bringToFront(deadline);
    case FileManagerRequest::Kind::FrontWindowBounds:
        return frontWindowBounds(deadline);
    case FileManagerRequest::Kind::Show:
        return show(request, deadline);
    }
    return failure(Kind::Other, QStringLiteral("unknown request"));
}

FileManagerConnection::Result FileManager1Connection::show(
    const FileManagerRequest &request, Deadline deadline)
{
    const QString &folder = request.folder;
    const std::optional<QString> &file = request.selectFile;
    const std::optional<Placement> &placement = request.placement;
    const bool takesFocus = request.takesFocus;
    if (!m_windows && placement && !m_toldAboutPlacement) {
        m_toldAboutPlacement = true;
        m_log.warn(QStringLiteral("FileManager1: could not place the file manager's window: "
                                  "no window service on this desktop"));
    }
    if (!QFileInfo(folder).isDir())
        return failure(Kind::FolderMissing, QStringLiteral("No such folder: ") + folder);

    // The file manager is asked every time, whatever Mirvale showed before: only it knows
    // what its windows show now, and only it selects the newest file.
    const FileManagerWindows::Before before
        = m_windows ? m_windows->prepare() : FileManagerWindows::Before {};
    const QString startupId = before.startupId(takesFocus);

    // Any failure to select the file (it is gone, the file manager cannot select, refuses or
    // does not know the method) falls back to the folder alone. Only a file manager that is
    // gone or silent ends the open here: asking it again could not help.
    CallResult shown = failure(Kind::FolderMissing, {});
    if (file && QFileInfo::exists(*file)) {
        shown = call(kService, kPath, kService, QStringLiteral("ShowItems"),
            { QStringList { uriFor(*file) }, startupId }, deadline);
        if (const auto *failed = std::get_if<FileManagerFailure>(&shown); failed && !endsTheRequest(*failed))
            m_log.info(QStringLiteral("FileManager1: could not select the file; showing its folder instead"));
    }
    if (const auto *failed = std::get_if<FileManagerFailure>(&shown); failed && !endsTheRequest(*failed))
        shown = call(kService, kPath, kService, QStringLiteral("ShowFolders"),
            { QStringList { uriFor(folder) }, startupId }, deadline);
    if (const auto *failed = std::get_if<FileManagerFailure>(&shown))
        return *failed;
    if (!m_windows)
        return FileManagerAnswer {};

    // Read after the answer: the call may have started the file manager, or it may have
    // handed its name to another process of its own.
    const auto answeredAt = std::chrono::steady_clock::now();
    const FileManagerWindows::Request windowRequest { folder, fileManagerProcess(deadline), placement,
        takesFocus, answeredAt, answeredAt + FileManagerWindows::kPatience };
    // The open waits briefly for a window it must place or bring to front; a window that
    // comes later (a cold file manager on a loaded machine), or one only noted for tidying
    // up, is seen to in the background until it shows or its card goes, so a slow file
    // manager holds up neither the report nor the next card.
    const bool waits = placement || takesFocus;
    const std::optional<FileManagerWindows::WindowId> window
        = waits ? m_windows->adopt(before, windowRequest, FileManagerWindows::Wait::Briefly) : std::nullopt;
    if (!window) {
        m_windows->adoptLater(before, windowRequest);
        FileManagerWindows *windows = m_windows;
        m_adoptions->async([windows] { windows->adoptPending(); });
    }
    return FileManagerAnswer {};
}

FileManagerConnection::Result FileManager1Connection::bringToFront(Deadline deadline)
{
    // Raised only when a window was; not when the file manager answered but nothing could be
    // raised (the reason is logged once by the windows).
    if (std::optional<FileManagerFailure> unreachable = checkReachable(deadline))
        return *unreachable;
    FileManagerAnswer answer;
    answer.raised = m_windows && !m_windows->bringToFront();
    return answer;
}

FileManagerConnection::Result FileManager1Connection::frontWindowBounds(Deadline deadline)
{
    // Bounds that cannot be read are no error, just nothing to capture (logged once).
    FileManagerAnswer answer;
    if (!m_windows)
        return answer;
    const std::variant<Placement, QString> frame = m_windows->frontWindowFrame(fileManagerProcess(deadline));
    if (const auto *bounds = std::get_if<Placement>(&frame);
        bounds && bounds->width > 0 && bounds->height > 0)
        answer.bounds = *bounds;
    return answer;
}

std::optional<qint64> FileManager1Connection::fileManagerProcess(Deadline deadline)
{
    // A file manager started for a call may hand its name to another process of its own
    // (Dolphin does): the owner read at that moment is already gone, and would name no
    // program and no environment. Its successor holds the name a moment later.
    constexpr int kAttempts = 10;
    constexpr auto kHandOver = std::chrono::milliseconds(30);
    std::optional<qint64> owner;
    for (int attempt = 1; attempt <= kAttempts; ++attempt) {
        const CallResult process = call(kBusService, kBusPath, kBusService,
            QStringLiteral("GetConnectionUnixProcessID"), { kService }, deadline, /*quiet=*/true);
        const auto *value = std::get_if<QVariant>(&process);
        if (!value || !value->isValid())
            return std::nullopt;
        owner = value->toLongLong();
        if (!QFile::symLinkTarget(QStringLiteral("/proc/%1/exe").arg(*owner)).isEmpty())
            return owner;
        std::this_thread::sleep_for(kHandOver);
    }
    return owner;
}

QString FileManager1Connection::displayName(Deadline deadline)
{
    const QStringList dataDirs = FileManagerName::dataDirs();
    const std::optional<qint64> process = fileManagerProcess(deadline);
    const QString executable = process ? QFile::symLinkTarget(QStringLiteral("/proc/%1/exe").arg(*process))
                                       : FileManagerName::activationExecutable(kService, dataDirs);
    return executable.isEmpty() ? QString() : FileManagerName::forExecutable(executable, dataDirs);
}

std::optional<FileManagerFailure> FileManager1Connection::checkReachable(Deadline deadline)
{
    const CallResult owned
        = call(kBusService, kBusPath, kBusService, QStringLiteral("NameHasOwner"), { kService }, deadline);
    if (const auto *failed = std::get_if<FileManagerFailure>(&owned))
        return *failed;
    if (std::get<QVariant>(owned).toBool())
        return std::nullopt;
    const CallResult activatable
        = call(kBusService, kBusPath, kBusService, QStringLiteral("ListActivatableNames"), {}, deadline);
    if (const auto *failed = std::get_if<FileManagerFailure>(&activatable))
        return *failed;
    if (std::get<QVariant>(activatable).toStringList().contains(kService))
        return std::nullopt;
    return failure(Kind::NoFileManager, kNoFileManager);
}

FileManager1Connection::CallResult FileManager1Connection::call(const QString &service, const QString &path,
    const QString &interface, const QString &method, const QVariantList &arguments, Deadline deadline,
    bool quiet)
{
    QDBusConnection &bus = connection();
    if (!bus.isConnected()) {
        m_log.warn(QStringLiteral("FileManager1: no session bus: ") + bus.lastError().message());
        return failure(Kind::NoFileManager, QStringLiteral("no session bus"));
    }
    const auto left
        = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
    if (left.count() <= 0)
        return failure(Kind::TimedOut, kNotInTime);

    QDBusMessage message = QDBusMessage::createMethodCall(service, path, interface, method);
    message.setArguments(arguments);
    const QDBusPendingCall pending = bus.asyncCall(message, int(left.count()));
    if (!waitForAnswer(pending, deadline))
        return failure(Kind::TimedOut,
            QStringLiteral("The call to the file manager was abandoned: Mirvale is quitting."));
    if (!pending.isFinished())
        return failure(Kind::TimedOut, kNotInTime);
    const QDBusMessage reply = pending.reply();
    if (reply.type() == QDBusMessage::ErrorMessage) {
        if (!quiet)
            m_log.warn(QStringLiteral("FileManager1: ") + method + QStringLiteral(" failed: ")
                + reply.errorName() + QStringLiteral(" ") + reply.errorMessage());
        return failureFromDBusError(reply.errorName(), reply.errorMessage());
    }
    if (reply.type() != QDBusMessage::ReplyMessage)
        return failure(Kind::Other, QStringLiteral("unexpected answer from the bus"));
    const QList<QVariant> values = reply.arguments();
    return values.isEmpty() ? QVariant() : values.first();
}

void FileManager1Connection::cancel()
{
    {
        std::lock_guard lock(m_cancelLock);
        m_isCancelled = true;
    }
    m_cancelled.notify_all();
    if (m_windows)
        m_windows->stop(); // and no wait for a window either
}

bool FileManager1Connection::waitForAnswer(const QDBusPendingCall &pending, Deadline deadline)
{
    // The bus delivers the answer on its own thread, so finishing can be polled from here;
    // short slices at first keep a quick answer quick, and cancel() wakes the wait at once.
    // The bus itself ends the call with a time-out error at the deadline.
    std::chrono::milliseconds slice { 1 };
    std::unique_lock lock(m_cancelLock);
    while (!pending.isFinished()) {
        if (m_cancelled.wait_for(lock, slice, [this] { return m_isCancelled; }))
            return false;
        slice = std::min(slice * 2, std::chrono::milliseconds { 20 });
        // A bus that never times the call out cannot keep us past the deadline and a little.
        if (std::chrono::steady_clock::now() > deadline + std::chrono::seconds(1))
            break;
    }
    return !m_isCancelled;
}

QDBusConnection &FileManager1Connection::connection()
{
    // Made on the first request, so it belongs to the execution thread that runs them all;
    // made again when the bus went away in between.
    if (m_connection && !m_connection->isConnected()) {
        m_connection.reset();
        QDBusConnection::disconnectFromBus(m_connectionName);
    }
    if (!m_connection)
        m_connection = QDBusConnection::connectToBus(QDBusConnection::SessionBus, m_connectionName);
    return *m_connection;
}
