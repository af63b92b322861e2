#pragma once

#include "platform/FileManagerConnection.h"

#include <QDBusConnection>
#include <QObject>
#include <QString>
#include <QVariant>
#include <QVariantList>

#include <chrono>
#include <functional>
#include <optional>
#include <variant>

class FileManagerWindows;
class Logger;

/// Carries out file manager requests through the desktop's file manager on the session bus
/// (org.freedesktop.FileManager1) and tells apart what went wrong from the D-Bus errors.
///
/// Lives on the main thread: each request is a chain of asynchronous calls on a bus
/// connection of its own, each bounded by what is left of the call timeout. With the file
/// manager's windows at hand it also finds, places, raises and remembers the windows it opens.
class FileManager1Connection final : public QObject, public FileManagerConnection {
public:
    /// The longest one request may take.
    static constexpr std::chrono::milliseconds kCallTimeout { 7'000 };

    /// `windows` may be null: folders are then shown without placing or raising their windows.
    explicit FileManager1Connection(Logger &log, std::chrono::milliseconds callTimeout = kCallTimeout,
        FileManagerWindows *windows = nullptr);
    ~FileManager1Connection() override;

    void perform(const FileManagerRequest &request, Answer answer) override;
    void cancel() override;

    /// What the D-Bus error `name` (with its `message`) means for a request.
    static FileManagerFailure failureFromDBusError(const QString &name, const QString &message);

private:
    using Deadline = std::chrono::steady_clock::time_point;
    /// The bus's answer to one call: its first value, or why it failed.
    using CallResult = std::variant<QVariant, FileManagerFailure>;
    template <typename T> using Then = std::function<void(T)>;

    void show(const FileManagerRequest &request);
    void showFolder(const FileManagerRequest &request, const QString &startupId, Then<CallResult> then);
    void bringToFront();
    void frontWindowBounds();
    /// The live process that owns the file manager's name now, when one does.
    void fileManagerProcess(Then<std::optional<qint64>> then, int attempt = 1);
    /// The running (or else the activatable) file manager's name; empty when unknown.
    void displayName(Then<QString> then);
    /// Nothing when a file manager owns the name or the bus can start one.
    void checkReachable(Then<std::optional<FileManagerFailure>> then);
    void call(const QString &service, const QString &path, const QString &interface, const QString &method,
        const QVariantList &arguments, Then<CallResult> then, bool quiet = false);
    /// Answers the request in flight, on a later turn of the loop.
    void finish(const Result &result);
    /// `then`, unless the request it belongs to was cancelled meanwhile.
    template <typename T> Then<T> guarded(Then<T> then);
    QDBusConnection &connection();

    Logger &m_log;
    const std::chrono::milliseconds m_callTimeout;
    FileManagerWindows *const m_windows;
    QString m_connectionName;
    std::optional<QDBusConnection> m_connection;
    bool m_isCancelled = false;
    bool m_toldAboutPlacement = false;
    /// Names the request in flight; a step of an earlier one finds it changed and stops.
    quint64 m_request = 0;
    Deadline m_deadline;
    Answer m_answer;
};
