#pragma once

#include "detection/DetectedCard.h"
#include "detection/MountedCard.h"
#include "detection/VolumeWatcherLimits.h"
#include "detection/VolumeWatching.h"
#include "platform/CommandRunner.h"
#include "support/Logger.h"

#include <QHash>
#include <QList>
#include <QObject>

#include <functional>
#include <memory>

class CutOffLogger;
class DiskRequest;
class DiskInventory;
class CardProber;
class CardReads;

/// Mounting and ejecting on the user's request: through the disk service first, with the
/// system's commands when it refuses, each request under its time limit. Main thread.
class CardRequests final : public QObject {
    Q_OBJECT
public:
    using RequestCompletion = VolumeWatching::RequestCompletion;

    /// `deviceNamesByMountPath` is the watcher's last scan; `commands` may be null.
    CardRequests(Logger &logger, const VolumeWatcherLimits &limits, DiskInventory &disks,
        const QHash<QString, QString> &deviceNamesByMountPath, std::shared_ptr<CommandRunner> commands,
        std::shared_ptr<CardProber> prober, CardReads &reads);
    ~CardRequests() override;

    CardRequests(const CardRequests &) = delete;
    CardRequests &operator=(const CardRequests &) = delete;

    /// Called after a mount succeeded, before its completion.
    std::function<void()> onMounted;

    void mount(const DetectedCard &card, RequestCompletion completion);
    void eject(const MountedCard &card, RequestCompletion completion);

    /// Mount and unmount requests that have not finished yet.
    int outstandingRequestCount() const { return int(m_outstandingDARequests.size()); }
    /// Ends every outstanding request with an error, for a disk session that stops.
    void failOutstanding();
    /// Releases the registry entries of this object's requests.
    void dropRegistered();
    /// A request ended; called by the request itself.
    void forgetDARequest(const DiskRequest *context);

private:
    void trackDARequest(const std::shared_ptr<DiskRequest> &context);
    static void mountAnswered(quintptr token, const std::optional<QString> &dissent);
    static void unmountAnswered(quintptr token, const std::optional<QString> &dissent);
    void performUnmount(const QString &deviceName, const MountedCard &card, RequestCompletion completion);
    void mountWithUdisksctl(const QString &deviceName, const QString &name, RequestCompletion completion);
    void unmountWithCommand(const QString &mountPath, const QString &deviceName, const QString &name,
        RequestCompletion completion);

    Logger &m_logger;
    const VolumeWatcherLimits m_limits;
    DiskInventory &m_disks;
    const QHash<QString, QString> &m_deviceNamesByMountPath;
    const std::shared_ptr<CommandRunner> m_commands;
    // What the commands on worker threads log through; silenced when the requests go.
    const std::shared_ptr<CutOffLogger> m_commandLog;
    const std::shared_ptr<CardProber> m_prober;
    CardReads &m_reads;
    QList<std::shared_ptr<DiskRequest>> m_outstandingDARequests;
};
