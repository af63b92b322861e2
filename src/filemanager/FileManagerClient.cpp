#include "filemanager/FileManagerClient.h"

#include "filemanager/FileManagerErrors.h"
#include "filemanager/ShowFolderArguments.h"
#include "support/Logger.h"
#include "support/MainQueue.h"
#include "support/Semaphore.h"
#include "support/SerialQueue.h"

#include <QDir>
#include <QFileInfo>

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

struct FileManagerClient::OutcomeBox {
    std::optional<Outcome> value;
};

struct FileManagerClient::WorkItemState {
    std::mutex lock;
    bool isAbandoned = false;
    bool hasStarted = false;
    bool hasExited = false;
    bool markedOutstanding = false;
};

FileManagerClient::FileManagerClient(FileManagerConnection &connection, Logger &log)
    : FileManagerClient(connection, log, Limits {})
{
}

FileManagerClient::FileManagerClient(FileManagerConnection &connection, Logger &log, Limits limits)
    : m_connection(connection)
    , m_log(log)
    , m_limits(limits)
    , m_executionQueue(std::make_unique<SerialQueue>(QStringLiteral("io.github.mirvale.filemanager.execute")))
    , m_queue(std::make_unique<SerialQueue>(QStringLiteral("io.github.mirvale.filemanager")))
{
}

FileManagerClient::~FileManagerClient()
{
    // Quitting never waits for a file manager that does not answer: the request queue's wait
    // is cut short, the connection drops the call in flight, and only then are the threads joined.
    cutWaitsShort();
    m_connection.cancel();
    m_queue.reset();
    m_executionQueue.reset();
}

void FileManagerClient::cutWaitsShort()
{
    std::lock_guard lock(m_shutdownLock);
    m_shuttingDown = true;
    if (m_waitStarted)
        m_waitStarted->signal();
    if (m_waitFinished)
        m_waitFinished->signal();
}

bool FileManagerClient::isShuttingDown()
{
    std::lock_guard lock(m_shutdownLock);
    return m_shuttingDown;
}

bool FileManagerClient::isFileManagerCheckOutstanding() const
{
    std::lock_guard lock(m_fileManagerStateLock);
    return m_fileManagerCheckOutstanding;
}

bool FileManagerClient::admit(const QString &label)
{
    if (!isFileManagerCheckOutstanding())
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
    request.preflight = [path]() -> std::optional<MirvaleError> {
        // A card pulled before its turn fails here without talking to the file manager.
        if (!QFileInfo(path).isDir())
            return MirvaleError::folderMissing(path);
        return std::nullopt;
    };

    if (!admit(request.label)) {
        MainQueue::async([completion] { completion(MirvaleError::fileManagerCheckPending()); });
        return;
    }
    m_queue->async([this, request, bringToFront, completion] {
        runWithRetry(request, [this, bringToFront, completion](const Outcome &outcome) {
            if (outcome.error || !bringToFront) {
                const std::optional<MirvaleError> error = outcome.error;
                MainQueue::async([completion, error] { completion(error); });
                return;
            }
            // The open succeeded whatever bringing to front does.
            bringFileManagerToFront(
                [completion] { MainQueue::async([completion] { completion(std::nullopt); }); });
        });
    });
}

void FileManagerClient::checkFileManager(std::function<void(bool)> completion)
{
    Request request;
    request.call.kind = FileManagerRequest::Kind::Check;
    request.label = QStringLiteral("checkFileManager");
    request.watchdog = m_limits.permissionRun;
    request.isFileManagerCheck = true;

    if (!admit(request.label)) {
        MainQueue::async([completion] { completion(false); });
        return;
    }
    m_queue->async([this, request, completion] {
        runWithRetry(request, [this, completion](const Outcome &outcome) {
            const bool granted = !outcome.error;
            {
                std::lock_guard lock(m_fileManagerStateLock);
                m_fileManagerName = granted ? outcome.answer.name : QString();
            }
            MainQueue::async([completion, granted] { completion(granted); });
        });
    });
}

QString FileManagerClient::fileManagerName() const
{
    std::lock_guard lock(m_fileManagerStateLock);
    return m_fileManagerName;
}

void FileManagerClient::captureFrontWindowBounds(std::function<void(std::optional<Placement>)> completion)
{
    Request request;
    request.call.kind = FileManagerRequest::Kind::FrontWindowBounds;
    request.label = QStringLiteral("captureFrontWindowBounds");
    request.watchdog = m_limits.run;

    if (!admit(request.label)) {
        MainQueue::async([completion] { completion(std::nullopt); });
        return;
    }
    m_queue->async([this, request, completion] {
        runWithRetry(request, [completion](const Outcome &outcome) {
            const std::optional<Placement> placement = outcome.error ? std::nullopt : outcome.answer.bounds;
            MainQueue::async([completion, placement] { completion(placement); });
        });
    });
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
    m_queue->async([this, request, completion] {
        runWithRetry(request, [this, completion](const Outcome &outcome) {
            if (outcome.error)
                m_log.warn(QStringLiteral("FileManager: could not bring the file manager to front: ")
                    + outcome.error->plainText());
            else if (!outcome.answer.raised)
                m_log.info(QStringLiteral("FileManager: did not bring the file manager to front: it "
                                          "answered, but its windows cannot be raised on this desktop"));
            else
                m_log.info(QStringLiteral(
                    "FileManager: brought the file manager to front via the activate fallback"));
            completion();
        });
    });
}

void FileManagerClient::runWithRetry(const Request &request, OutcomeHandler completion)
{
    const Outcome first = runOnce(request, 1);
    if (!first.error || !first.isRetryable) {
        completion(first);
        return;
    }
    m_log.info(QStringLiteral("FileManager[") + request.label + QStringLiteral("]: retrying after ")
        + retryDelayText(m_limits.retryDelay) + QStringLiteral("s"));
    m_queue->asyncAfter(
        m_limits.retryDelay, [this, request, completion] { completion(runOnce(request, 2)); });
}

FileManagerClient::Outcome FileManagerClient::runOnce(const Request &request, int attempt)
{
    const QString prefix = QStringLiteral("FileManager[") + request.label + QStringLiteral("] attempt ")
        + QString::number(attempt) + QStringLiteral(": ");
    auto started = std::make_shared<Semaphore>(0);
    auto finished = std::make_shared<Semaphore>(0);
    auto box = std::make_shared<OutcomeBox>();
    auto state = std::make_shared<WorkItemState>();
    {
        std::lock_guard lock(m_shutdownLock);
        if (m_shuttingDown)
            return { MirvaleError::fileManagerTimeout(), {}, false };
        m_waitStarted = started;
        m_waitFinished = finished;
    }
    m_log.info(prefix + QStringLiteral("queued"));
    const auto quitting = [&]() -> std::optional<Outcome> {
        if (!isShuttingDown())
            return std::nullopt;
        abandon(request, *state);
        m_log.info(prefix + QStringLiteral("abandoned, Mirvale is quitting"));
        return Outcome { MirvaleError::fileManagerTimeout(), {}, false };
    };
    // Never cancelled: an abandoned attempt skips itself or runs out and is ignored.
    m_executionQueue->async([this, request, attempt, state, box, started, finished] {
        execute(request, attempt, state, box, started, finished);
    });

    const bool gotTurn = started->waitFor(m_limits.turn);
    if (const std::optional<Outcome> abandoned = quitting())
        return *abandoned;
    if (!gotTurn) {
        abandon(request, *state);
        m_log.error(prefix + QStringLiteral("never got a turn within ") + secondsText(m_limits.turn)
            + QStringLiteral("s, abandoned"));
        return { MirvaleError::fileManagerTimeout(), {}, false };
    }
    const auto startedAt = Semaphore::Clock::now();
    const bool finishedInTime = finished->waitUntil(startedAt + request.watchdog);
    if (const std::optional<Outcome> abandoned = quitting())
        return *abandoned;
    if (!finishedInTime) {
        abandon(request, *state);
        m_log.error(prefix + QStringLiteral("timed out after ") + secondsText(request.watchdog)
            + QStringLiteral("s of running, result will be discarded"));
        return { MirvaleError::fileManagerTimeout(), {}, false };
    }

    // The execution side wrote the box before signalling `finished`.
    if (!box->value) {
        m_log.error(prefix + QStringLiteral("produced no result"));
        return { MirvaleError::fileManagerError(QStringLiteral("no result")), {}, false };
    }
    if (!box->value->error)
        m_log.info(prefix + QStringLiteral("succeeded"));
    return *box->value;
}

void FileManagerClient::execute(const Request &request, int attempt,
    const std::shared_ptr<WorkItemState> &state, const std::shared_ptr<OutcomeBox> &box,
    const std::shared_ptr<Semaphore> &started, const std::shared_ptr<Semaphore> &finished)
{
    const QString prefix = QStringLiteral("FileManager[") + request.label + QStringLiteral("] attempt ")
        + QString::number(attempt) + QStringLiteral(": ");
    bool abandoned = false;
    {
        std::lock_guard lock(state->lock);
        abandoned = state->isAbandoned;
        if (!abandoned)
            state->hasStarted = true;
    }
    if (abandoned) {
        m_log.info(prefix + QStringLiteral("abandoned before it started, not running"));
        return;
    }
    started->signal();
    m_log.info(prefix + QStringLiteral("running"));

    if (request.preflight) {
        if (const std::optional<MirvaleError> error = request.preflight()) {
            m_log.warn(prefix + QStringLiteral("skipped \u2014 ") + error->englishDescription());
            box->value = Outcome { error, {}, false };
            finished->signal();
            exitAttempt(request, *state);
            return;
        }
    }

    {
        std::lock_guard lock(state->lock);
        abandoned = state->isAbandoned;
    }
    if (abandoned) {
        m_log.info(prefix + QStringLiteral("abandoned before the event was sent, not running"));
        exitAttempt(request, *state);
        return;
    }

    const FileManagerConnection::Result result = m_connection.perform(request.call);
    if (const auto *answer = std::get_if<FileManagerAnswer>(&result)) {
        box->value = Outcome { std::nullopt, *answer, false };
    } else {
        const auto &failure = std::get<FileManagerFailure>(result);
        const MirvaleError error = FileManagerErrors::errorFor(failure, request.call.folder);
        m_log.warn(prefix + QStringLiteral("the file manager call failed - ")
            + (failure.detail.isEmpty() ? error.englishDescription() : failure.detail));
        box->value = Outcome { error, {}, FileManagerErrors::isRetryable(failure) };
    }
    finished->signal();
    exitAttempt(request, *state);
}

void FileManagerClient::exitAttempt(const Request &request, WorkItemState &state)
{
    bool cleared = false;
    {
        std::lock_guard lock(state.lock);
        state.hasExited = true;
        if (state.markedOutstanding && request.isFileManagerCheck) {
            std::lock_guard fileManagerLock(m_fileManagerStateLock);
            cleared = m_fileManagerCheckOutstanding;
            m_fileManagerCheckOutstanding = false;
        }
    }
    if (cleared)
        m_log.info(QStringLiteral("FileManager: the abandoned file manager check finally "
                                  "returned; file manager requests are accepted again"));
}

void FileManagerClient::abandon(const Request &request, WorkItemState &state)
{
    bool newlyOutstanding = false;
    {
        std::lock_guard lock(state.lock);
        state.isAbandoned = true;
        if (state.hasStarted && !state.hasExited) {
            state.markedOutstanding = true;
            if (request.isFileManagerCheck) {
                std::lock_guard fileManagerLock(m_fileManagerStateLock);
                newlyOutstanding = !m_fileManagerCheckOutstanding;
                m_fileManagerCheckOutstanding = true;
            }
        }
    }
    if (newlyOutstanding)
        m_log.warn(
            QStringLiteral("FileManager: the file manager check is still unanswered; "
                           "further file manager requests fail immediately instead of queueing behind it"));
}
