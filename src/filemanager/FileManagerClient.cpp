#include "filemanager/FileManagerClient.h"

#include "filemanager/FileManagerErrors.h"
#include "filemanager/ShowFolderArguments.h"
#include "support/Logger.h"
#include "support/MainLoopTimers.h"
#include "support/Workers.h"

#include <QDir>
#include <QFileInfo>
#include <QPointer>

namespace {

/// "8" for whole seconds (the real limits); shortened limits keep their fraction.
QString secondsText(std::chrono::milliseconds duration)
{
    if (duration.count() % 1000 == 0)
        return QString::number(duration.count() / 1000);
    return QString::number(double(duration.count()) / 1000.0, 'g', 6);
}

QString retryDelayText(std::chrono::milliseconds duration)
{
    const double seconds = double(duration.count()) / 1000.0;
    return QString::number(seconds, 'f', duration.count() % 100 == 0 ? 1 : 3);
}

} // namespace

FileManagerClient::FileManagerClient(FileManagerConnection &connection, Logger &log)
    : FileManagerClient(connection, log, Limits {})
{
}

FileManagerClient::FileManagerClient(FileManagerConnection &connection, Logger &log, Limits limits)
    : FileManagerClient(connection, log, limits, std::make_unique<MainLoopTimers>(), nullptr)
{
}

FileManagerClient::FileManagerClient(
    FileManagerConnection &connection, Logger &log, Limits limits, TimerScheduler &timers)
    : FileManagerClient(connection, log, limits, nullptr, &timers)
{
}

FileManagerClient::FileManagerClient(FileManagerConnection &connection, Logger &log, Limits limits,
    std::unique_ptr<TimerScheduler> ownTimers, TimerScheduler *timers)
    : m_connection(connection)
    , m_log(log)
    , m_limits(limits)
    , m_ownTimers(std::move(ownTimers))
    , m_timers(timers ? *timers : *m_ownTimers)
{
}

FileManagerClient::~FileManagerClient()
{
    // Quitting never waits for a file manager that does not answer: the call in flight is
    // dropped and nothing waiting is answered any more.
    if (m_current)
        m_log.info(prefixOf(m_current->request) + QStringLiteral("abandoned, Mirvale is quitting"));
    m_connection.cancel();
    m_current.reset();
    m_retries.clear();
}

QString FileManagerClient::prefixOf(const Request &request)
{
    return QStringLiteral("FileManager[") + request.label + QStringLiteral("] attempt ")
        + QString::number(request.attempt) + QStringLiteral(": ");
}

bool FileManagerClient::isFileManagerCheckOutstanding() const
{
    return m_fileManagerCheckOutstanding;
}

QString FileManagerClient::fileManagerName() const
{
    return m_fileManagerName;
}

void FileManagerClient::post(std::function<void()> work)
{
    QMetaObject::invokeMethod(this, std::move(work), Qt::QueuedConnection);
}

bool FileManagerClient::admit(const QString &label)
{
    if (!m_fileManagerCheckOutstanding)
        return true;
    m_log.warn(QStringLiteral("FileManager[") + label
        + QStringLiteral("]: refused \u2014 the file manager check from earlier "
                         "is still unanswered"));
    return false;
}

void FileManagerClient::open(const QUrl &folder, const std::optional<Placement> &placement, bool bringToFront,
    const std::optional<QUrl> &selectFile, Completion completion)
{
    const QString path = ShowFolderArguments::standardizedPath(folder);
    Request request;
    request.call.kind = FileManagerRequest::Kind::Show;
    request.call.folder = path;
    if (selectFile)
        request.call.selectFile = QDir::cleanPath(selectFile->toLocalFile());
    // A rule loaded from a file was never validated; its edges must not overflow.
    if (placement)
        request.call.placement = placement->withinValidRanges();
    request.call.takesFocus = bringToFront;
    request.label = QStringLiteral("open ") + path;
    request.watchdog = m_limits.run;
    request.preflight = [path, file = request.call.selectFile]() -> Checked {
        // A card pulled before its turn fails here without talking to the file manager.
        if (!QFileInfo(path).isDir())
            return { MirvaleError::folderMissing(path) };
        return { std::nullopt, file && !QFileInfo::exists(*file) };
    };
    if (!admit(request.label)) {
        post([completion] { completion(MirvaleError::fileManagerCheckPending()); });
        return;
    }
    request.done = [this, bringToFront, completion](const Outcome &outcome) {
        if (outcome.error || !bringToFront) {
            const std::optional<MirvaleError> error = outcome.error;
            post([completion, error] { completion(error); });
            return;
        }
        // The open succeeded whatever bringing to front does.
        bringFileManagerToFront([this, completion] { post([completion] { completion(std::nullopt); }); });
    };
    enqueue(std::move(request));
}

void FileManagerClient::checkFileManager(std::function<void(bool)> completion)
{
    Request request;
    request.call.kind = FileManagerRequest::Kind::Check;
    request.label = QStringLiteral("checkFileManager");
    request.watchdog = m_limits.permissionRun;
    request.isFileManagerCheck = true;
    if (!admit(request.label)) {
        post([completion] { completion(false); });
        return;
    }
    request.done = [this, completion](const Outcome &outcome) {
        const bool granted = !outcome.error;
        m_fileManagerName = granted ? outcome.answer.name : QString();
        post([completion, granted] { completion(granted); });
    };
    enqueue(std::move(request));
}

void FileManagerClient::captureFrontWindowBounds(std::function<void(std::optional<Placement>)> completion)
{
    Request request;
    request.call.kind = FileManagerRequest::Kind::FrontWindowBounds;
    request.label = QStringLiteral("captureFrontWindowBounds");
    request.watchdog = m_limits.run;
    if (!admit(request.label)) {
        post([completion] { completion(std::nullopt); });
        return;
    }
    request.done = [this, completion](const Outcome &outcome) {
        const std::optional<Placement> placement = outcome.error ? std::nullopt : outcome.answer.bounds;
        post([completion, placement] { completion(placement); });
    };
    enqueue(std::move(request));
}

void FileManagerClient::bringFileManagerToFront(std::function<void()> completion)
{
    // The desktop offers no portable way to ask another application to raise its own
    // windows, so the activate request (which raises them from outside) is the only route.
    Request request;
    request.call.kind = FileManagerRequest::Kind::Activate;
    request.label = QStringLiteral("activate-fallback");
    request.watchdog = m_limits.run;
    if (!admit(request.label)) {
        m_log.warn(QStringLiteral("FileManager: could not bring the file manager to front: ")
            + MirvaleError::fileManagerCheckPending().plainText());
        completion();
        return;
    }
    request.done = [this, completion](const Outcome &outcome) {
        if (outcome.error)
            m_log.warn(QStringLiteral("FileManager: could not bring the file manager to front: ")
                + outcome.error->plainText());
        else if (!outcome.answer.raised)
            m_log.info(QStringLiteral("FileManager: did not bring the file manager to front: it "
                                      "answered, but its windows cannot be raised on this desktop"));
        else
            m_log.info(
                QStringLiteral("FileManager: brought the file manager to front via the activate fallback"));
        completion();
    };
    enqueue(std::move(request));
}

void FileManagerClient::enqueue(Request request)
{
    m_waiting.push_back(std::move(request));
    startNext();
}

void FileManagerClient::startNext()
{
    if (m_current || m_waiting.empty())
        return;
    m_current = Attempt { std::move(m_waiting.front()), ++m_nextToken, false, nullptr };
    m_waiting.pop_front();
    m_log.info(prefixOf(m_current->request) + QStringLiteral("queued"));
    const quint64 token = m_current->token;
    m_current->limit = m_timers.start(m_limits.turn, [this, token] { turnExpired(token); });
    if (!m_inFlight)
        run();
}

void FileManagerClient::run()
{
    Attempt &attempt = *m_current;
    const QString prefix = prefixOf(attempt.request);
    attempt.running = true;
    attempt.limit.reset();
    m_log.info(prefix + QStringLiteral("running"));
    const quint64 token = attempt.token;
    m_inFlight
        = InFlight { token, prefix, attempt.request.call.folder, attempt.request.isFileManagerCheck, false };
    // The run limit covers the check of the card too: a card that stops answering there fails
    // this request in time, and its late answer is dropped.
    attempt.limit = m_timers.start(attempt.request.watchdog, [this, token] { runExpired(token); });
    if (!attempt.request.preflight) {
        perform(token);
        return;
    }
    Workers::run(
        Workers::cardReads(), this, attempt.request.preflight, [this, token](const Checked &checked) {
            if (!m_inFlight || m_inFlight->token != token)
                return;
            if (!checked.error) {
                if (checked.selectFileGone)
                    m_current->request.call.selectFile.reset();
                perform(token);
                return;
            }
            m_log.warn(
                m_inFlight->prefix + QStringLiteral("skipped \u2014 ") + checked.error->englishDescription());
            m_inFlight.reset();
            finish({ checked.error, {}, false });
        });
}

void FileManagerClient::perform(quint64 token)
{
    // The connection drops its answer when cancelled; the pointer guards against a connection
    // that outlives this client without having been told.
    m_connection.perform(m_current->request.call,
        [self = QPointer<FileManagerClient>(this), token](const FileManagerConnection::Result &result) {
            if (self)
                self->answered(token, result);
        });
}

void FileManagerClient::answered(quint64 token, const FileManagerConnection::Result &result)
{
    if (!m_inFlight || m_inFlight->token != token)
        return; // answered twice: the first answer counted
    const InFlight ran = *m_inFlight;
    m_inFlight.reset();

    Outcome outcome;
    if (const auto *answer = std::get_if<FileManagerAnswer>(&result)) {
        outcome.answer = *answer;
    } else {
        const auto &failure = std::get<FileManagerFailure>(result);
        outcome.error = FileManagerErrors::errorFor(failure, ran.folder);
        outcome.isRetryable = FileManagerErrors::isRetryable(failure);
        m_log.warn(ran.prefix + QStringLiteral("the file manager call failed - ")
            + (failure.detail.isEmpty() ? outcome.error->englishDescription() : failure.detail));
    }
    if (ran.abandoned && ran.isFileManagerCheck && m_fileManagerCheckOutstanding) {
        m_fileManagerCheckOutstanding = false;
        m_log.info(QStringLiteral("FileManager: the abandoned file manager check finally "
                                  "returned; file manager requests are accepted again"));
    }
    for (const QString &prefix : std::as_const(m_skipped))
        m_log.info(prefix + QStringLiteral("abandoned before it started, not running"));
    m_skipped.clear();

    if (!ran.abandoned && m_current && m_current->token == token) {
        if (!outcome.error)
            m_log.info(ran.prefix + QStringLiteral("succeeded"));
        finish(outcome);
    } else if (m_current && !m_current->running) {
        run(); // its turn came
    }
}

void FileManagerClient::turnExpired(quint64 token)
{
    if (!m_current || m_current->token != token || m_current->running)
        return;
    const QString prefix = prefixOf(m_current->request);
    m_skipped.append(prefix);
    m_log.error(prefix + QStringLiteral("never got a turn within ") + secondsText(m_limits.turn)
        + QStringLiteral("s, abandoned"));
    finish({ MirvaleError::fileManagerTimeout(), {}, false });
}

void FileManagerClient::runExpired(quint64 token)
{
    if (!m_current || m_current->token != token || !m_inFlight || m_inFlight->token != token)
        return;
    m_inFlight->abandoned = true;
    if (m_inFlight->isFileManagerCheck && !m_fileManagerCheckOutstanding) {
        m_fileManagerCheckOutstanding = true;
        m_log.warn(
            QStringLiteral("FileManager: the file manager check is still unanswered; "
                           "further file manager requests fail immediately instead of queueing behind it"));
    }
    m_log.error(prefixOf(m_current->request) + QStringLiteral("timed out after ")
        + secondsText(m_current->request.watchdog)
        + QStringLiteral("s of running, result will be discarded"));
    finish({ MirvaleError::fileManagerTimeout(), {}, false });
}

void FileManagerClient::finish(const Outcome &outcome)
{
    Request request = std::move(m_current->request);
    m_current.reset();
    if (outcome.error && outcome.isRetryable && request.attempt == 1) {
        m_log.info(QStringLiteral("FileManager[") + request.label + QStringLiteral("]: retrying after ")
            + retryDelayText(m_limits.retryDelay) + QStringLiteral("s"));
        // The retry joins the end of the queue when its delay is over, as a new request would.
        const quint64 key = ++m_nextToken;
        request.attempt = 2;
        m_retries[key] = m_timers.start(m_limits.retryDelay, [this, key, request] {
            Request retry = request;
            m_retries.erase(key); // the timer, and with it this function's captures
            enqueue(std::move(retry));
        });
    } else {
        request.done(outcome);
    }
    startNext();
}
