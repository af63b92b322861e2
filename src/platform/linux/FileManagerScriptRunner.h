#pragma once

#include "platform/Placement.h"
#include "platform/ScriptErrorNumber.h"
#include "platform/ScriptRunner.h"

#include <QDBusConnection>
#include <QString>
#include <QVariantList>

#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <optional>

class FileManagerWindows;
class Logger;
class QDBusPendingCall;
class SerialQueue;

/// Carries out Mirvale's own scripts through the desktop's file manager on the session bus
/// (org.freedesktop.FileManager1) and answers with the error numbers the controller knows.
///
/// It is used only on the controller's execution thread, which has no event loop: it opens
/// a private bus connection there on first use and makes blocking calls, each bounded by
/// what is left of the call timeout, so no script blocks longer than that. With the file
/// manager's windows at hand it also finds, places, raises and remembers the windows it opens.
class FileManagerScriptRunner final : public ScriptRunner {
public:
    /// The longest one script may take, matching the scripts' own time limit.
    static constexpr std::chrono::milliseconds kCallTimeout { 7'000 };

    static constexpr int kNotRunning = ScriptErrorNumber::applicationNotRunning;
    static constexpr int kAccessDenied = ScriptErrorNumber::accessDenied;
    static constexpr int kTimedOut = ScriptErrorNumber::timedOut;
    static constexpr int kNotFound = ScriptErrorNumber::fileNotFound;

    /// `windows` may be null: folders are then shown without placing or raising their windows.
    explicit FileManagerScriptRunner(Logger &log, std::chrono::milliseconds callTimeout = kCallTimeout,
        FileManagerWindows *windows = nullptr);
    ~FileManagerScriptRunner() override;

    std::unique_ptr<Compiled> compile(const QString &source) override;
    Result execute(const Compiled &script, bool takesFocus) override;
    void cancel() override;

    /// The D-Bus error `name` as a script failure with one of the controller's numbers.
    static Failure failureFromDBusError(const QString &name, const QString &message);
    /// What the user reads when the desktop has no file manager to ask.
    static QString noFileManagerMessage();

private:
    using Deadline = std::chrono::steady_clock::time_point;

    Result open(const QString &folder, const std::optional<QString> &file,
        const std::optional<Placement> &placement, bool takesFocus, Deadline deadline);
    Result bringToFront(Deadline deadline);
    Result frontWindowBounds(Deadline deadline);
    /// The process that owns the file manager's name now, when one does.
    std::optional<qint64> fileManagerProcess(Deadline deadline);
    /// The running (or else the activatable) file manager's name; empty when unknown.
    QString displayName(Deadline deadline);
    /// Succeeds when a file manager owns the name or the bus can start one.
    Result checkReachable(Deadline deadline);
    Result call(const QString &service, const QString &path, const QString &interface, const QString &method,
        const QVariantList &arguments, Deadline deadline, bool quiet = false);
    QDBusConnection &connection();
    /// Waits for the answer until it comes, the deadline passes or cancel() is called;
    /// false when cancelled.
    bool waitForAnswer(const QDBusPendingCall &pending, Deadline deadline);

    Logger &m_log;
    const std::chrono::milliseconds m_callTimeout;
    FileManagerWindows *const m_windows;
    QString m_connectionName;
    std::optional<QDBusConnection> m_connection;
    std::mutex m_cancelLock;
    std::condition_variable m_cancelled;
    bool m_isCancelled = false; // guarded by m_cancelLock
    bool m_toldAboutPlacement = false;
    qint64 m_nextWindowId = 1;
    // Looks for the windows of opens that need no placement, so their report is not held up
    // by a file manager that shows no X11 window. Last: stopped before the members above go.
    std::unique_ptr<SerialQueue> m_adoptions;
};
