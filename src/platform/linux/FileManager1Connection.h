#pragma once

#include "platform/FileManagerConnection.h"

#include <QDBusConnection>
#include <QString>
#include <QVariant>
#include <QVariantList>

#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <optional>
#include <variant>

class FileManagerWindows;
class Logger;
class QDBusPendingCall;
class SerialQueue;

/// Carries out file manager requests through the desktop's file manager on the session bus
/// (org.freedesktop.FileManager1) and tells apart what went wrong from the D-Bus errors.
///
/// It is used only on the client's execution thread, which has no event loop: it opens
/// a private bus connection there on first use and makes blocking calls, each bounded by
/// what is left of the call timeout, so no request blocks longer than that. With the file
/// manager's windows at hand it also finds, places, raises and remembers the windows it opens.
class FileManager1Connection final : public FileManagerConnection {
public:
    /// The longest one request may take.
    static constexpr std::chrono::milliseconds kCallTimeout { 7'000 };

    /// `windows` may be null: folders are then shown without placing or raising their windows.
    explicit FileManager1Connection(Logger &log, std::chrono::milliseconds callTimeout = kCallTimeout,
        FileManagerWindows *windows = nullptr);
    ~FileManager1Connection() override;

    Result perform(const FileManagerRequest &request) override;
    void cancel() override;

    /// What the D-Bus error `name` (with its `message`) means for a request.
    static FileManagerFailure failureFromDBusError(const QString &name, const QString &message);

private:
    using Deadline = std::chrono::steady_clock::time_point;

    /// The bus's answer to one call: its first value, or why it failed.
    using CallResult = std::variant<QVariant, FileManagerFailure>;

    Result show(const FileManagerRequest &request, Deadline deadline);
    Result bringToFront(Deadline deadline);
    Result frontWindowBounds(Deadline deadline);
    /// The live process that owns the file manager's name now, when one does.
    std::optional<qint64> fileManagerProcess(Deadline deadline);
    /// The running (or else the activatable) file manager's name; empty when unknown.
    QString displayName(Deadline deadline);
    /// Succeeds when a file manager owns the name or the bus can start one.
    std::optional<FileManagerFailure> checkReachable(Deadline deadline);
    CallResult call(const QString &service, const QString &path, const QString &interface,
        const QString &method, const QVariantList &arguments, Deadline deadline, bool quiet = false);
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
    // Looks for the windows of opens that need no placement, so their report is not held up
    // by a file manager that shows no X11 window. Last: stopped before the members above go.
    std::unique_ptr<SerialQueue> m_adoptions;
};
