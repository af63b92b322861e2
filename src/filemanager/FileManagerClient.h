#pragma once

#include "filemanager/FileManagerService.h"
#include "platform/FileManagerConnection.h"
#include "support/TimerScheduler.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <chrono>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <optional>

class Logger;

/// Hands requests to the desktop's file manager one at a time under hard time limits and turns
/// their answers into success or a MirvaleError. No caller waits longer than a known bound, a
/// request that never got its turn is reported as a time-out rather than made late, and an
/// unanswered file manager check makes later requests fail at once instead of piling up.
///
/// Lives on the main thread: the requests wait in a queue, and every limit is a timer. A request
/// made on another thread is handed to the main thread first.
class FileManagerClient final : public QObject, public FileManagerService {
public:
    static constexpr std::chrono::milliseconds kTurnLimit { 120'000 };
    static constexpr std::chrono::milliseconds kRunLimit { 8'000 };
    static constexpr std::chrono::milliseconds kPermissionRunLimit { 120'000 };
    static constexpr std::chrono::milliseconds kRetryDelay { 1'000 };

    struct Limits {
        /// How long an attempt may wait for the connection to finish earlier ones.
        std::chrono::milliseconds turn = kTurnLimit;
        /// The watchdog for opening, reading bounds and activating.
        std::chrono::milliseconds run = kRunLimit;
        /// The watchdog for the permission check, which may sit behind a consent prompt.
        std::chrono::milliseconds permissionRun = kPermissionRunLimit;
        std::chrono::milliseconds retryDelay = kRetryDelay;
    };

    FileManagerClient(FileManagerConnection &connection, Logger &log);
    FileManagerClient(FileManagerConnection &connection, Logger &log, Limits limits);
    /// `timers` runs the limits; tests hand in a clock of their own.
    FileManagerClient(FileManagerConnection &connection, Logger &log, Limits limits, TimerScheduler &timers);
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
    /// What a look at the card just before the request found.
    struct Checked {
        std::optional<MirvaleError> error;
        /// The file to select is gone: the folder is shown alone.
        bool selectFileGone = false;
    };
    using Preflight = std::function<Checked()>;
    using OutcomeHandler = std::function<void(const Outcome &)>;

    struct Request {
        FileManagerRequest call;
        QString label;
        std::chrono::milliseconds watchdog { 0 };
        bool isFileManagerCheck = false;
        Preflight preflight;
        OutcomeHandler done;
        int attempt = 1;
    };
    /// The request whose attempt is waiting for its turn or running.
    struct Attempt {
        Request request;
        quint64 token = 0;
        bool running = false;
        std::unique_ptr<TimerScheduler::Timer> limit;
    };
    /// The attempt the connection is busy with, which may have been abandoned meanwhile.
    struct InFlight {
        quint64 token = 0;
        QString prefix;
        QString folder;
        bool isFileManagerCheck = false;
        bool abandoned = false;
    };

    FileManagerClient(FileManagerConnection &connection, Logger &log, Limits limits,
        std::unique_ptr<TimerScheduler> ownTimers, TimerScheduler *timers);

    /// False (and logged) when an unanswered permission prompt refuses the request.
    bool admit(const QString &label);
    void enqueue(Request request);
    void startNext();
    void run();
    void perform(quint64 token);
    void answered(quint64 token, const FileManagerConnection::Result &result);
    void turnExpired(quint64 token);
    void runExpired(quint64 token);
    /// Ends the current attempt: retried once after a transient error, else reported.
    void finish(const Outcome &outcome);
    /// Completion runs once the activation ended; the open's own answer then goes out.
    void bringFileManagerToFront(std::function<void()> completion);
    /// Calls `work` on the next turn of the main loop, unless this client is gone by then.
    void post(std::function<void()> work);
    static QString prefixOf(const Request &request);

    FileManagerConnection &m_connection;
    Logger &m_log;
    const Limits m_limits;
    std::unique_ptr<TimerScheduler> m_ownTimers;
    TimerScheduler &m_timers;

    std::deque<Request> m_waiting;
    std::optional<Attempt> m_current;
    std::optional<InFlight> m_inFlight;
    /// Attempts that gave up waiting for their turn, told when the connection is free again.
    QStringList m_skipped;
    std::map<quint64, std::unique_ptr<TimerScheduler::Timer>> m_retries;
    quint64 m_nextToken = 0;

    bool m_fileManagerCheckOutstanding = false;
    QString m_fileManagerName; // from the last check that answered
};
