#pragma once

#include "support/Logger.h"
#include "support/MirvaleError.h"

#include <QPointer>
#include <QString>

#include <chrono>
#include <functional>
#include <memory>
#include <optional>

class QTimer;
class CardRequests;

/// One mount or unmount request to the disk service: its identity, its time limit and its
/// completion. The service's answer carries a token, looked up in a registry, so an answer
/// that comes after the request ended (time limit, watcher stopped) finds nothing to do.
/// Main thread only.
class DiskRequest : public std::enable_shared_from_this<DiskRequest> {
public:
    using Completion = std::function<void(const std::optional<MirvaleError> &error)>;
    using WatcherRef = QPointer<CardRequests>;

    /// `deviceName` is the device to mount (for an unmount, the device being unmounted);
    /// `mountPath` is set for an unmount only.
    DiskRequest(QString deviceName, QString name, Completion completion, WatcherRef watcher,
        std::optional<QString> mountPath, Logger &logger, std::chrono::milliseconds grace);
    ~DiskRequest();

    DiskRequest(const DiskRequest &) = delete;
    DiskRequest &operator=(const DiskRequest &) = delete;

    quintptr token() const { return m_token; }
    const QString &deviceName() const { return m_deviceName; }
    const QString &name() const { return m_name; }
    const std::optional<QString> &mountPath() const { return m_mountPath; }
    const WatcherRef &watcher() const { return m_watcher; }
    bool isFinished() const { return m_isFinished; }
    Logger &logger() const { return m_logger; }

    /// Enters the registry under a fresh token (never 0, never one in use) and returns it.
    quintptr registerForCallback();
    /// Arms the time limit: `onTimeout` runs after `limit` unless cancelled or finished first.
    void armTimeout(std::chrono::milliseconds limit, std::function<void()> onTimeout);
    void cancelTimeout();
    /// Calls the completion the first time only; later calls do nothing.
    void finish(const std::optional<MirvaleError> &error);
    /// Releases the registry entry after the grace period if the service never claims it.
    void scheduleGraceRemoval();

    /// Takes the context registered under `token` out of the registry, for its answer.
    static std::shared_ptr<DiskRequest> claim(quintptr token);
    /// Removes every registered context of `watcher` or of a watcher that is gone.
    static void dropBoxes(const CardRequests *watcher);
    static int registeredCount();

private:
    const QString m_deviceName;
    const QString m_name;
    Completion m_completion;
    const WatcherRef m_watcher;
    const std::optional<QString> m_mountPath;
    Logger &m_logger;
    const std::chrono::milliseconds m_grace;
    quintptr m_token = 0;
    std::unique_ptr<QTimer> m_timeout;
    bool m_isFinished = false;
};
