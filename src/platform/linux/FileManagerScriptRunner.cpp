#include "platform/linux/FileManagerScriptRunner.h"

#include "filemanager/FileManagerWindows.h"
#include "platform/linux/FileManagerName.h"
#include "platform/linux/FileManagerScript.h"
#include "support/Logger.h"
#include "support/SerialQueue.h"

#include <QDBusMessage>
#include <QDBusPendingCall>
#include <QFile>
#include <QFileInfo>
#include <QUrl>

#include <algorithm>
#include <atomic>

namespace {

const QString kService = QStringLiteral("org.freedesktop.FileManager1");
const QString kPath = QStringLiteral("/org/freedesktop/FileManager1");
const QString kBusService = QStringLiteral("org.freedesktop.DBus");
const QString kBusPath = QStringLiteral("/org/freedesktop/DBus");

struct CompiledScript final : ScriptRunner::Compiled {
    explicit CompiledScript(FileManagerScript recognized)
        : script(std::move(recognized))
    {
    }
    FileManagerScript script;
};

QString uriFor(const QString &path)
{
    return QUrl::fromLocalFile(path).toString(QUrl::FullyEncoded);
}

bool isOneOf(const QString &name, std::initializer_list<const char *> names)
{
    return std::any_of(names.begin(), names.end(),
        [&name](const char *candidate) { return name == QLatin1String(candidate); });
}

ScriptRunner::Failure failure(int number, QString message)
{
    return { number, std::move(message) };
}

} // namespace

FileManagerScriptRunner::FileManagerScriptRunner(
    Logger &log, std::chrono::milliseconds callTimeout, FileManagerWindows *windows)
    : m_log(log)
    , m_callTimeout(callTimeout)
    , m_windows(windows)
{
    static std::atomic<int> instances { 0 };
    m_connectionName = QStringLiteral("mirvale-script-runner-%1").arg(++instances);
    if (m_windows)
        m_adoptions = std::make_unique<SerialQueue>(QStringLiteral("io.github.mirvale.filemanager.windows"));
}

FileManagerScriptRunner::~FileManagerScriptRunner()
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

QString FileManagerScriptRunner::noFileManagerMessage()
{
    return QStringLiteral("No file manager is available to show folders. Mirvale needs one that offers "
                          "org.freedesktop.FileManager1 on the desktop session; start or install one.");
}

ScriptRunner::Failure FileManagerScriptRunner::failureFromDBusError(
    const QString &name, const QString &message)
{
    if (isOneOf(name,
            { "org.freedesktop.DBus.Error.ServiceUnknown", "org.freedesktop.DBus.Error.NameHasNoOwner",
                "org.freedesktop.DBus.Error.Disconnected" })
        || name.startsWith(QLatin1String("org.freedesktop.DBus.Error.Spawn.")))
        return failure(kNotRunning, noFileManagerMessage());
    if (isOneOf(name, { "org.freedesktop.DBus.Error.AccessDenied", "org.freedesktop.DBus.Error.AuthFailed" }))
        return failure(kAccessDenied, QStringLiteral("The file manager refused the request: ") + message);
    // The bus answers NoReply also when the callee left it mid-call: that is a quit, not a delay,
    // and the open is not retried, since it may have happened.
    if (name == QLatin1String("org.freedesktop.DBus.Error.NoReply")
        && message.contains(QLatin1String("disconnected"), Qt::CaseInsensitive))
        return { std::nullopt, QStringLiteral("the file manager quit during the call") };
    if (isOneOf(name,
            { "org.freedesktop.DBus.Error.NoReply", "org.freedesktop.DBus.Error.Timeout",
                "org.freedesktop.DBus.Error.TimedOut" }))
        return failure(kTimedOut, QStringLiteral("The file manager did not answer in time."));
    if (isOneOf(name,
            { "org.freedesktop.DBus.Error.FileNotFound",
                "org.gtk.GDBus.UnmappedGError.Quark._g_2dio_2derror_2dquark.Code1" }))
        return failure(kNotFound, message);
    return { std::nullopt, message.isEmpty() ? name : message };
}

std::unique_ptr<ScriptRunner::Compiled> FileManagerScriptRunner::compile(const QString &source)
{
    QString why;
    std::optional<FileManagerScript> script = FileManagerScript::recognize(source, &why);
    if (!script) {
        m_log.warn(QStringLiteral("ScriptRunner: refused a script: ") + why);
        return nullptr;
    }
    return std::make_unique<CompiledScript>(std::move(*script));
}

ScriptRunner::Result FileManagerScriptRunner::execute(const Compiled &compiled, bool takesFocus)
{
    {
        std::lock_guard lock(m_cancelLock);
        if (m_isCancelled)
            return failure(kTimedOut, QStringLiteral("Not run: Mirvale is quitting."));
    }
    const FileManagerScript &script = static_cast<const CompiledScript &>(compiled).script;
    const Deadline deadline = std::chrono::steady_clock::now() + m_callTimeout;
    switch (script.kind) {
    case FileManagerScript::Kind::PermissionCheck: {
        Result reachable = checkReachable(deadline);
        // The interface cannot count windows; the answer is the name the user knows it by.
        return std::holds_alternative<Failure>(reachable) ? reachable
                                                          : Result(QVariant(displayName(deadline)));
    }
    case FileManagerScript::Kind::Activate:
        return bringToFront(deadline);
    case FileManagerScript::Kind::FrontWindowBounds:
        return frontWindowBounds(deadline);
    case FileManagerScript::Kind::Open:
        return open(script.folderPath, script.selectFile, script.placement, takesFocus, deadline);
    }
    return Failure { std::nullopt, QStringLiteral("unknown script") };
}

ScriptRunner::Result FileManagerScriptRunner::open(const QString &folder, const std::optional<QString> &file,
    const std::optional<Placement> &placement, bool takesFocus, Deadline deadline)
{
    if (!m_windows && placement && !m_toldAboutPlacement) {
        m_toldAboutPlacement = true;
        m_log.warn(QStringLiteral("ScriptRunner: could not place the file manager's window: "
                                  "no window service on this desktop"));
    }
    if (!QFileInfo(folder).isDir())
        return failure(kNotFound, QStringLiteral("No such folder: ") + folder);

    // The file manager is asked every time, whatever Mirvale showed before: only it knows
    // what its windows show now, and only it selects the newest file.
    const FileManagerWindows::Before before
        = m_windows ? m_windows->prepare() : FileManagerWindows::Before {};
    const QString startupId = before.startupId(takesFocus);

    // Any failure to select the file (it is gone, the file manager cannot select, refuses or
    // does not know the method) falls back to the folder alone, as the script's try block
    // swallows a failed reveal. Only a file manager that is gone or silent ends the open here:
    // asking it again could not help.
    Result shown = Failure { kNotFound, {} };
    if (file && QFileInfo::exists(*file)) {
        shown = call(kService, kPath, kService, QStringLiteral("ShowItems"),
            { QStringList { uriFor(*file) }, startupId }, deadline);
        if (const auto *failed = std::get_if<Failure>(&shown);
            failed && failed->number != kNotRunning && failed->number != kTimedOut)
            m_log.info(QStringLiteral("ScriptRunner: could not select the file; showing its folder instead"));
    }
    if (const auto *failed = std::get_if<Failure>(&shown);
        failed && failed->number != kNotRunning && failed->number != kTimedOut)
        shown = call(kService, kPath, kService, QStringLiteral("ShowFolders"),
            { QStringList { uriFor(folder) }, startupId }, deadline);
    if (std::holds_alternative<Failure>(shown))
        return shown;
    if (!m_windows)
        return QVariant(m_nextWindowId++);

    // Read after the answer: the call may have started the file manager, or it may have
    // handed its name to another process of its own.
    const auto answeredAt = std::chrono::steady_clock::now();
    const FileManagerWindows::Request request { folder, fileManagerProcess(deadline), placement, takesFocus,
        answeredAt, answeredAt + m_callTimeout };
    // The open waits briefly for a window it must place or bring to front; a window that
    // comes later, or one only noted for tidying up, is seen to in the background, so a slow
    // file manager holds up neither the report nor the next card.
    const bool waits = placement || takesFocus;
    const std::optional<FileManagerWindows::WindowId> window
        = waits ? m_windows->adopt(before, request, FileManagerWindows::Wait::Briefly) : std::nullopt;
    if (!window) {
        FileManagerWindows *windows = m_windows;
        m_adoptions->async(
            [windows, before, request] { windows->adopt(before, request, FileManagerWindows::Wait::Late); });
    }
    return window ? QVariant(qint64(*window)) : QVariant(m_nextWindowId++);
}

ScriptRunner::Result FileManagerScriptRunner::bringToFront(Deadline deadline)
{
    // True only when a window was raised; false when the file manager answered but nothing
    // could be raised (the reason is logged once by the windows).
    Result reachable = checkReachable(deadline);
    if (std::holds_alternative<Failure>(reachable))
        return reachable;
    return QVariant(m_windows && !m_windows->bringToFront());
}

ScriptRunner::Result FileManagerScriptRunner::frontWindowBounds(Deadline deadline)
{
    // Bounds that cannot be read are no error, just nothing to capture (logged once).
    if (!m_windows)
        return QVariant();
    const std::variant<Placement, QString> frame = m_windows->frontWindowFrame(fileManagerProcess(deadline));
    if (std::holds_alternative<QString>(frame))
        return QVariant();
    const Placement &bounds = std::get<Placement>(frame);
    return QVariant(QVariantList { bounds.left, bounds.top, bounds.right(), bounds.bottom() });
}

std::optional<qint64> FileManagerScriptRunner::fileManagerProcess(Deadline deadline)
{
    const Result process = call(kBusService, kBusPath, kBusService,
        QStringLiteral("GetConnectionUnixProcessID"), { kService }, deadline, /*quiet=*/true);
    if (const auto *value = std::get_if<QVariant>(&process); value && value->isValid())
        return value->toLongLong();
    return std::nullopt;
}

QString FileManagerScriptRunner::displayName(Deadline deadline)
{
    const QStringList dataDirs = FileManagerName::dataDirs();
    const std::optional<qint64> process = fileManagerProcess(deadline);
    const QString executable = process ? QFile::symLinkTarget(QStringLiteral("/proc/%1/exe").arg(*process))
                                       : FileManagerName::activationExecutable(kService, dataDirs);
    return executable.isEmpty() ? QString() : FileManagerName::forExecutable(executable, dataDirs);
}

ScriptRunner::Result FileManagerScriptRunner::checkReachable(Deadline deadline)
{
    Result owned
        = call(kBusService, kBusPath, kBusService, QStringLiteral("NameHasOwner"), { kService }, deadline);
    if (std::holds_alternative<Failure>(owned))
        return owned;
    if (std::get<QVariant>(owned).toBool())
        return QVariant(true);
    Result activatable
        = call(kBusService, kBusPath, kBusService, QStringLiteral("ListActivatableNames"), {}, deadline);
    if (std::holds_alternative<Failure>(activatable))
        return activatable;
    if (std::get<QVariant>(activatable).toStringList().contains(kService))
        return QVariant(true);
    return failure(kNotRunning, noFileManagerMessage());
}

ScriptRunner::Result FileManagerScriptRunner::call(const QString &service, const QString &path,
    const QString &interface, const QString &method, const QVariantList &arguments, Deadline deadline,
    bool quiet)
{
    QDBusConnection &bus = connection();
    if (!bus.isConnected()) {
        m_log.warn(QStringLiteral("ScriptRunner: no session bus: ") + bus.lastError().message());
        return failure(kNotRunning, noFileManagerMessage());
    }
    const auto left
        = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
    if (left.count() <= 0)
        return failure(kTimedOut, QStringLiteral("The file manager did not answer in time."));

    QDBusMessage message = QDBusMessage::createMethodCall(service, path, interface, method);
    message.setArguments(arguments);
    const QDBusPendingCall pending = bus.asyncCall(message, int(left.count()));
    if (!waitForAnswer(pending, deadline))
        return failure(
            kTimedOut, QStringLiteral("The call to the file manager was abandoned: Mirvale is quitting."));
    if (!pending.isFinished())
        return failure(kTimedOut, QStringLiteral("The file manager did not answer in time."));
    const QDBusMessage reply = pending.reply();
    if (reply.type() == QDBusMessage::ErrorMessage) {
        if (!quiet)
            m_log.warn(QStringLiteral("ScriptRunner: ") + method + QStringLiteral(" failed: ")
                + reply.errorName() + QStringLiteral(" ") + reply.errorMessage());
        return failureFromDBusError(reply.errorName(), reply.errorMessage());
    }
    if (reply.type() != QDBusMessage::ReplyMessage)
        return Failure { std::nullopt, QStringLiteral("unexpected answer from the bus") };
    const QList<QVariant> values = reply.arguments();
    return values.isEmpty() ? QVariant() : values.first();
}

void FileManagerScriptRunner::cancel()
{
    {
        std::lock_guard lock(m_cancelLock);
        m_isCancelled = true;
    }
    m_cancelled.notify_all();
    if (m_windows)
        m_windows->stop(); // and no wait for a window either
}

bool FileManagerScriptRunner::waitForAnswer(const QDBusPendingCall &pending, Deadline deadline)
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

QDBusConnection &FileManagerScriptRunner::connection()
{
    // Made on the first script, so it belongs to the execution thread that runs them all;
    // made again when the bus went away in between.
    if (m_connection && !m_connection->isConnected()) {
        m_connection.reset();
        QDBusConnection::disconnectFromBus(m_connectionName);
    }
    if (!m_connection)
        m_connection = QDBusConnection::connectToBus(QDBusConnection::SessionBus, m_connectionName);
    return *m_connection;
}
