#pragma once

#include "filemanager/FileManagerService.h"
#include "platform/FileManagerConnection.h"

#include <QString>

#include <chrono>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>

class Logger;
class Semaphore;
class SerialQueue;

/// Hands requests to the desktop's file manager one at a time under hard time limits and turns
/// their answers into success or a MirvaleError. No caller waits longer than a known bound, a
/// request that never got its turn is reported as a time-out rather than made late, and an
/// unanswered file manager check makes later requests fail at once instead of piling up.
class FileManagerClient final : public FileManagerService {
public:
    static constexpr std::chrono::milliseconds kTurnLimit { 120'000 };
    static constexpr std::chrono::milliseconds kRunLimit { 8'000 };
    static constexpr std::chrono::milliseconds kPermissionRunLimit { 120'000 };
    static constexpr std::chrono::milliseconds kRetryDelay { 1'000 };

    struct Limits {
        /// How long an attempt may wait for its turn on the execution queue.
        std::chrono::milliseconds turn = kTurnLimit;
        /// The watchdog for opening, reading bounds and activating.
        std::chrono::milliseconds run = kRunLimit;
        /// The watchdog for the permission check, which may sit behind a consent prompt.
        std::chrono::milliseconds permissionRun = kPermissionRunLimit;
        std::chrono::milliseconds retryDelay = kRetryDelay;
    };

    FileManagerClient(FileManagerConnection &connection, Logger &log);
    FileManagerClient(FileManagerConnection &connection, Logger &log, Limits limits);
    ~FileManagerClient() override;

    void open(const QUrl &folder, const std::optional<Placement> &placement, bool bringToFront,
        const std::optional<QUrl> &selectFile, Completion completion) override;
    void checkFileManager(std::function<void(bool granted)> completion) override;
    /// The bounds of the front window, or nothing when there is no readable one.
    void captureFrontWindowBounds(std::function<void(std::optional<Placement>)> completion) override;
    QString fileManagerName() const override;

    /// True while an abandoned permission check is still running.
    bool isFileManagerCheckOutstanding() const;

private:
    struct Outcome {
        std::optional<MirvaleError> error; // absent on success
        FileManagerAnswer answer;
        bool isRetryable = false;
    };
    struct OutcomeBox;
    struct WorkItemState;
    using Preflight = std::function<std::optional<MirvaleError>()>;
    using OutcomeHandler = std::function<void(const Outcome &)>;

    struct Request {
        FileManagerRequest call;
        QString label;
        std::chrono::milliseconds watchdog { 0 };
        bool isFileManagerCheck = false;
        Preflight preflight;
    };

    /// False (and logged) when an unanswered permission prompt refuses the request.
    bool admit(const QString &label);
    void runWithRetry(const Request &request, OutcomeHandler completion);
    Outcome runOnce(const Request &request, int attempt);
    void execute(const Request &request, int attempt, const std::shared_ptr<WorkItemState> &state,
        const std::shared_ptr<OutcomeBox> &box, const std::shared_ptr<Semaphore> &started,
        const std::shared_ptr<Semaphore> &finished);
    void exitAttempt(const Request &request, WorkItemState &state);
    void abandon(const Request &request, WorkItemState &state);
    /// Completion runs on the queue; the open's own answer moves to the main thread.
    void bringFileManagerToFront(std::function<void()> completion);

    /// Wakes the request queue's wait, so tear-down need not sit out a watchdog.
    void cutWaitsShort();
    bool isShuttingDown();

    FileManagerConnection &m_connection;
    Logger &m_log;
    const Limits m_limits;

    // The semaphores the request queue is waiting on, so that tear-down can signal them.
    std::mutex m_shutdownLock;
    bool m_shuttingDown = false;
    std::shared_ptr<Semaphore> m_waitStarted;
    std::shared_ptr<Semaphore> m_waitFinished;

    mutable std::mutex m_fileManagerStateLock;
    bool m_fileManagerCheckOutstanding = false;
    QString m_fileManagerName; // from the last check that answered

    // Destroyed first (reverse order): the request queue before the execution queue.
    std::unique_ptr<SerialQueue> m_executionQueue;
    std::unique_ptr<SerialQueue> m_queue;
};
