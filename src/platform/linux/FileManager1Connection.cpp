#include "platform/linux/FileManager1Connection.h"

#include "filemanager/FileManagerWindows.h"
#include "platform/linux/FileManagerName.h"
#include "support/Logger.h"

#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QFile>
#include <QTimer>
#include <QUrl>

#include <algorithm>
#include <atomic>

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
}

FileManager1Connection::~FileManager1Connection()
{
    // A window still being waited for is given up at once, so quitting never waits for it;
    // the calls in flight go with this object, their watchers being its children.
    if (m_windows)
        m_windows->stop();
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

template <typename T> FileManager1Connection::Then<T> FileManager1Connection::guarded(Then<T> then)
{
    return [this, request = m_request, then = std::move(then)](T value) {
        if (request == m_request && !m_isCancelled)
            then(std::move(value));
    };
}

void FileManager1Connection::perform(const FileManagerRequest &request, Answer answer)
{
    ++m_request;
    m_answer = std::move(answer);
    if (m_isCancelled) {
        finish(failure(Kind::TimedOut, QStringLiteral("Not run: Mirvale is quitting.")));
        return;
    }
    m_deadline = std::chrono::steady_clock::now() + m_callTimeout;
    switch (request.kind) {
    case FileManagerRequest::Kind::Check:
        // The interface cannot count windows; the answer is the name the user knows it by.
        checkReachable(
            guarded<std::optional<FileManagerFailure>>([this](std::optional<FileManagerFailure> unreachable) {
                if (unreachable) {
                    finish(*unreachable);
                    return;
                }
                displayName(guarded<QString>([this](QString name) {
                    finish(FileManagerAnswer { name, {}, true });
                }));
            }));
        return;
    case FileManagerRequest::Kind::Activate:
        bringToFront();
        return;
    case FileManagerRequest::Kind::FrontWindowBounds:
        frontWindowBounds();
        return;
    case FileManagerRequest::Kind::Show:
        show(request);
        return;
    }
    finish(failure(Kind::Other, QStringLiteral("unknown request")));
}

void FileManager1Connection::finish(const Result &result)
{
    Answer answer = std::exchange(m_answer, {});
    if (!answer)
        return;
    // Dropped when cancel() comes first, unless it was the answer to a request after it.
    QTimer::singleShot(0, this, [this, cancelled = m_isCancelled, answer, result] {
        if (cancelled || !m_isCancelled)
            answer(result);
    });
}

void FileManager1Connection::show(const FileManagerRequest &request)
{
    if (!m_windows && request.placement && !m_toldAboutPlacement) {
        m_toldAboutPlacement = true;
        m_log.warn(QStringLiteral("FileManager1: could not place the file manager's window: "
                                  "no window service on this desktop"));
    }
    // Whether the folder is still there was read, under a time limit, just before: this runs
    // on the main thread, which a card that stopped answering must never hold.

    // The file manager is asked every time, whatever Mirvale showed before: only it knows
    // what its windows show now, and only it selects the newest file.
    const FileManagerWindows::Before before
        = m_windows ? m_windows->prepare() : FileManagerWindows::Before {};
    const QString startupId = before.startupId(request.takesFocus);
    const Then<CallResult> shown = guarded<CallResult>([this, request, before](CallResult result) {
        if (const auto *failed = std::get_if<FileManagerFailure>(&result)) {
            finish(*failed);
            return;
        }
        if (!m_windows) {
            finish(FileManagerAnswer {});
            return;
        }
        // Read after the answer: the call may have started the file manager, or it may have
        // handed its name to another process of its own.
        const auto answeredAt = std::chrono::steady_clock::now();
        fileManagerProcess(
            guarded<std::optional<qint64>>([this, request, before, answeredAt](std::optional<qint64> owner) {
                const FileManagerWindows::Request windowRequest { request.folder, owner, request.placement,
                    request.takesFocus, answeredAt, answeredAt + FileManagerWindows::kPatience };
                // The open waits briefly for a window it must place or bring to front; a window that
                // comes later (a cold file manager on a loaded machine), or one only noted for tidying
                // up, is seen to in the background until it shows or its card goes, so a slow file
                // manager holds up neither the report nor the next card.
                if (!request.placement && !request.takesFocus) {
                    m_windows->adoptLater(before, windowRequest);
                    finish(FileManagerAnswer {});
                    return;
                }
                m_windows->adopt(before, windowRequest, FileManagerWindows::Wait::Briefly,
                    guarded<std::optional<FileManagerWindows::WindowId>>(
                        [this, before, windowRequest](std::optional<FileManagerWindows::WindowId> window) {
                            if (!window)
                                m_windows->adoptLater(before, windowRequest);
                            finish(FileManagerAnswer {});
                        }));
            }));
    });

    // Any failure to select the file (it is gone, the file manager cannot select, refuses or
    // does not know the method) falls back to the folder alone. Only a file manager that is
    // gone or silent ends the open here: asking it again could not help.
    if (!request.selectFile) {
        showFolder(request, startupId, shown);
        return;
    }
    call(kService, kPath, kService, QStringLiteral("ShowItems"),
        { QStringList { uriFor(*request.selectFile) }, startupId },
        guarded<CallResult>([this, request, startupId, shown](CallResult result) {
            const auto *failed = std::get_if<FileManagerFailure>(&result);
            if (!failed || endsTheRequest(*failed)) {
                shown(result);
                return;
            }
            m_log.info(QStringLiteral("FileManager1: could not select the file; showing its folder instead"));
            showFolder(request, startupId, shown);
        }));
}

void FileManager1Connection::showFolder(
    const FileManagerRequest &request, const QString &startupId, Then<CallResult> then)
{
    call(kService, kPath, kService, QStringLiteral("ShowFolders"),
        { QStringList { uriFor(request.folder) }, startupId }, std::move(then));
}

void FileManager1Connection::bringToFront()
{
    // Raised only when a window was; not when the file manager answered but nothing could be
    // raised (the reason is logged once by the windows).
    checkReachable(
        guarded<std::optional<FileManagerFailure>>([this](std::optional<FileManagerFailure> unreachable) {
            if (unreachable) {
                finish(*unreachable);
                return;
            }
            if (!m_windows) {
                finish(FileManagerAnswer { {}, {}, false });
                return;
            }
            m_windows->bringToFront(
                guarded<const std::optional<QString> &>([this](const std::optional<QString> &failed) {
                    finish(FileManagerAnswer { {}, {}, !failed });
                }));
        }));
}

void FileManager1Connection::frontWindowBounds()
{
    // Bounds that cannot be read are no error, just nothing to capture (logged once).
    if (!m_windows) {
        finish(FileManagerAnswer {});
        return;
    }
    fileManagerProcess(guarded<std::optional<qint64>>([this](std::optional<qint64> owner) {
        FileManagerAnswer answer;
        const std::variant<Placement, QString> frame = m_windows->frontWindowFrame(owner);
        if (const auto *bounds = std::get_if<Placement>(&frame);
            bounds && bounds->width > 0 && bounds->height > 0)
            answer.bounds = *bounds;
        finish(answer);
    }));
}

void FileManager1Connection::fileManagerProcess(Then<std::optional<qint64>> then, int attempt)
{
    // A file manager started for a call may hand its name to another process of its own
    // (Dolphin does): the owner read at that moment is already gone, and would name no
    // program and no environment. Its successor holds the name a moment later.
    constexpr int kAttempts = 10;
    constexpr auto kHandOver = std::chrono::milliseconds(30);
    call(kBusService, kBusPath, kBusService, QStringLiteral("GetConnectionUnixProcessID"), { kService },
        guarded<CallResult>([this, then, attempt](CallResult process) {
            const auto *value = std::get_if<QVariant>(&process);
            if (!value || !value->isValid()) {
                then(std::nullopt);
                return;
            }
            const qint64 owner = value->toLongLong();
            if (attempt >= kAttempts
                || !QFile::symLinkTarget(QStringLiteral("/proc/%1/exe").arg(owner)).isEmpty()) {
                then(owner);
                return;
            }
            const Then<std::monostate> again = guarded<std::monostate>(
                [this, then, attempt](std::monostate) { fileManagerProcess(then, attempt + 1); });
            QTimer::singleShot(kHandOver, this, [again] { again({}); });
        }),
        /*quiet=*/true);
}

void FileManager1Connection::displayName(Then<QString> then)
{
    fileManagerProcess([then](std::optional<qint64> process) {
        const QStringList dataDirs = FileManagerName::dataDirs();
        const QString executable = process
            ? QFile::symLinkTarget(QStringLiteral("/proc/%1/exe").arg(*process))
            : FileManagerName::activationExecutable(kService, dataDirs);
        then(executable.isEmpty() ? QString() : FileManagerName::forExecutable(executable, dataDirs));
    });
}

void FileManager1Connection::checkReachable(Then<std::optional<FileManagerFailure>> then)
{
    call(kBusService, kBusPath, kBusService, QStringLiteral("NameHasOwner"), { kService },
        guarded<CallResult>([this, then](CallResult owned) {
            if (const auto *failed = std::get_if<FileManagerFailure>(&owned)) {
                then(*failed);
                return;
            }
            if (std::get<QVariant>(owned).toBool()) {
                then(std::nullopt);
                return;
            }
            call(kBusService, kBusPath, kBusService, QStringLiteral("ListActivatableNames"), {},
                guarded<CallResult>([then](CallResult activatable) {
                    if (const auto *failed = std::get_if<FileManagerFailure>(&activatable))
                        then(*failed);
                    else if (std::get<QVariant>(activatable).toStringList().contains(kService))
                        then(std::nullopt);
                    else
                        then(failure(Kind::NoFileManager, kNoFileManager));
                }));
        }));
}

void FileManager1Connection::call(const QString &service, const QString &path, const QString &interface,
    const QString &method, const QVariantList &arguments, Then<CallResult> then, bool quiet)
{
    QDBusConnection &bus = connection();
    if (!bus.isConnected()) {
        m_log.warn(QStringLiteral("FileManager1: no session bus: ") + bus.lastError().message());
        then(failure(Kind::NoFileManager, QStringLiteral("no session bus")));
        return;
    }
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
        m_deadline - std::chrono::steady_clock::now());
    if (left.count() <= 0) {
        then(failure(Kind::TimedOut, kNotInTime));
        return;
    }
    QDBusMessage message = QDBusMessage::createMethodCall(service, path, interface, method);
    message.setArguments(arguments);
    // The bus ends the call with a time-out error at the deadline.
    auto *watcher = new QDBusPendingCallWatcher(bus.asyncCall(message, int(left.count())), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
        [this, method, quiet, then](QDBusPendingCallWatcher *done) {
            done->deleteLater();
            const QDBusMessage reply = done->reply();
            if (reply.type() == QDBusMessage::ErrorMessage) {
                if (!quiet)
                    m_log.warn(QStringLiteral("FileManager1: ") + method + QStringLiteral(" failed: ")
                        + reply.errorName() + QStringLiteral(" ") + reply.errorMessage());
                then(failureFromDBusError(reply.errorName(), reply.errorMessage()));
            } else if (reply.type() != QDBusMessage::ReplyMessage) {
                then(failure(Kind::Other, QStringLiteral("unexpected answer from the bus")));
            } else {
                const QList<QVariant> values = reply.arguments();
                then(values.isEmpty() ? QVariant() : values.first());
            }
        });
}

void FileManager1Connection::cancel()
{
    m_isCancelled = true;
    m_answer = {};
    if (m_windows)
        m_windows->stop(); // and no wait for a window either
}

QDBusConnection &FileManager1Connection::connection()
{
    // A connection of its own, so that a file manager served by this process (the tests') is
    // reached through the bus; made again when the bus went away in between.
    if (m_connection && !m_connection->isConnected()) {
        m_connection.reset();
        QDBusConnection::disconnectFromBus(m_connectionName);
    }
    if (!m_connection)
        m_connection = QDBusConnection::connectToBus(QDBusConnection::SessionBus, m_connectionName);
    return *m_connection;
}
