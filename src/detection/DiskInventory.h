#pragma once

#include "detection/DiskServicePresence.h"
#include "platform/DiskDescription.h"
#include "platform/DiskSession.h"
#include "support/Logger.h"

#include <QHash>
#include <QObject>

#include <functional>
#include <memory>

/// The disks the disk service reports, by device name, and the session that reports them.
/// Main thread.
class DiskInventory final : public QObject {
    Q_OBJECT
public:
    /// `makeSession` makes the disk service session on each start; may be empty.
    DiskInventory(std::function<std::unique_ptr<DiskSession>()> makeSession, Logger &logger);
    ~DiskInventory() override;

    /// Called after a disk appeared, went away or changed.
    std::function<void()> onChange;
    /// Called on the main thread after the session failed; the owner stops it then.
    std::function<void()> onSessionLost;

    void start();
    /// Stops the session and forgets its disks.
    void stop();

    bool hasSession() const { return m_session != nullptr; }
    /// Whether the disk service is on the bus right now (it may leave and come back).
    bool isPresent() const { return m_presence.isPresent(); }
    DiskSession *session() const { return m_session.get(); }
    /// Every disk the session reported and that has not disappeared, by device name.
    const QHash<QString, DiskDescription> &disks() const { return m_disks; }

private:
    void diskAppeared(const DiskDescription &disk);
    void diskDisappeared(const QString &deviceName);
    void diskDescriptionChanged(const DiskDescription &disk);
    void changed();

    const std::function<std::unique_ptr<DiskSession>()> m_makeSession;
    Logger &m_logger;
    std::unique_ptr<DiskSession> m_session;
    quint64 m_sessionGeneration = 0; // tells a stale failure report from the current one
    DiskServicePresence m_presence { m_logger };
    QHash<QString, DiskDescription> m_disks;
};
