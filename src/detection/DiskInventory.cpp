#include "detection/DiskInventory.h"

#include <QPointer>

DiskInventory::DiskInventory(std::function<std::unique_ptr<DiskSession>()> makeSession, Logger &logger)
    : m_makeSession(std::move(makeSession))
    , m_logger(logger)
{
}

DiskInventory::~DiskInventory() = default;

void DiskInventory::start()
{
    std::unique_ptr<DiskSession> session = m_makeSession ? m_makeSession() : nullptr;
    // The session may report after the inventory is gone (a reply already queued).
    const QPointer<DiskInventory> weak(this);
    const quint64 generation = ++m_sessionGeneration;
    m_presence.reset();
    DiskSession::Callbacks callbacks;
    callbacks.ready = [weak] {
        if (weak && !weak->m_presence.ready())
            weak->m_logger.info(QStringLiteral("udisks2 session started"));
    };
    callbacks.departed = [weak] {
        if (weak)
            weak->m_presence.departed();
    };
    callbacks.failed = [weak, generation](const QString &reason) {
        if (!weak)
            return;
        DiskInventory *self = weak;
        self->m_logger.error(QStringLiteral("Failed to create udisks2 session"));
        self->m_logger.info(QStringLiteral("VolumeWatcher: the disk service is unavailable: ") + reason);
        // Dropping the session from inside its own callback would destroy it mid-call.
        QMetaObject::invokeMethod(
            self,
            [self, generation] {
                if (self->m_sessionGeneration == generation && self->onSessionLost)
                    self->onSessionLost();
            },
            Qt::QueuedConnection);
    };
    callbacks.waiting = [weak](const QString &reason) {
        if (weak)
            weak->m_logger.warn(QStringLiteral("VolumeWatcher: the disk service is not running (") + reason
                + QStringLiteral("); the udisks2 session starts when it appears"));
    };
    callbacks.appeared = [weak](const DiskDescription &disk) {
        if (weak)
            weak->diskAppeared(disk);
    };
    callbacks.disappeared = [weak](const QString &deviceName) {
        if (weak)
            weak->diskDisappeared(deviceName);
    };
    callbacks.descriptionChanged = [weak](const DiskDescription &disk) {
        if (weak)
            weak->diskDescriptionChanged(disk);
    };
    if (!session || !session->start(std::move(callbacks))) {
        m_logger.error(QStringLiteral("Failed to create udisks2 session"));
        return;
    }
    m_session = std::move(session);
}

void DiskInventory::diskAppeared(const DiskDescription &disk)
{
    if (disk.deviceName.isEmpty() || m_disks.contains(disk.deviceName))
        return;
    m_disks.insert(disk.deviceName, disk);
    // One line per disk, so a support log shows which disks the session could see.
    m_logger.info(QStringLiteral("Disk appeared: ") + disk.deviceName + QStringLiteral(" (")
        + diskBusName(disk.bus) + QStringLiteral(", ")
        + (disk.volumeKind.isEmpty() ? QStringLiteral("no file system") : disk.volumeKind)
        + QLatin1Char(')'));
    changed();
}

void DiskInventory::diskDisappeared(const QString &deviceName)
{
    if (m_disks.remove(deviceName)) {
        m_logger.info(QStringLiteral("Disk disappeared: ") + deviceName);
        changed();
    }
}

void DiskInventory::diskDescriptionChanged(const DiskDescription &disk)
{
    if (disk.deviceName.isEmpty())
        return;
    m_disks.insert(disk.deviceName, disk);
    changed();
}

void DiskInventory::stop()
{
    if (m_session) {
        m_session->stop();
        m_session.reset();
    }
    m_presence.reset();
    m_disks.clear();
}

void DiskInventory::changed()
{
    if (onChange)
        onChange();
}
