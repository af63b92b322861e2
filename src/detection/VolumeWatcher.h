#pragma once

#include "detection/CardProber.h"
#include "detection/CardSlotWatcher.h"
#include "detection/DetectedCard.h"
#include "detection/KnownCardNames.h"
#include "detection/VolumeWatching.h"
#include "platform/CommandRunner.h"
#include "platform/DeviceEventSource.h"
#include "platform/DiskSession.h"
#include "support/LifeToken.h"
#include "support/Logger.h"
#include "support/SerialQueue.h"
#include "support/WorkItem.h"

#include <QHash>
#include <QObject>

#include <chrono>
#include <memory>
#include <mutex>

/// The single source of truth about memory cards: watches mounts and disks, decides which
/// newly mounted volumes are cards, lets them settle and hands each ready card to `onMount`.
class DAMountContext;
class UserDefaults;

class VolumeWatcher final : public QObject, public VolumeWatching {
    Q_OBJECT
public:
    using CardProbe = CardProber::CardProbe;
    using Clock = std::chrono::steady_clock;

    struct Limits {
        /// A repeat mount event for the same path inside this window is ignored.
        static constexpr std::chrono::milliseconds kDebounceInterval { 30'000 };
        /// How long a card is left alone after mounting before it is read again.
        static constexpr std::chrono::milliseconds kSettleDelay { 2'000 };
        /// How long debounce entries are remembered at most.
        static constexpr std::chrono::milliseconds kDebounceMemory { 300'000 };
        /// How long the disk service may take to answer a mount or unmount.
        static constexpr std::chrono::milliseconds kRequestTimeout { 15'000 };
        /// How long an answer that never came is waited for before its entry is released.
        static constexpr std::chrono::milliseconds kRegistryGrace { 60'000 };

        std::chrono::milliseconds debounceInterval = kDebounceInterval;
        std::chrono::milliseconds settleDelay = kSettleDelay;
        std::chrono::milliseconds debounceMemory = kDebounceMemory;
        std::chrono::milliseconds requestTimeout = kRequestTimeout;
        std::chrono::milliseconds registryGrace = kRegistryGrace;
    };

    struct Services {
        std::shared_ptr<MountTable> mountTable;
        std::shared_ptr<const VolumeValueReader> volumeValues;
        /// Makes the lookup session on first use, on the probe queue.
        CardProber::DescriptionSessionFactory makeDescriptionSession;
        /// Makes the disk service session on each start; may be empty.
        std::function<std::unique_ptr<DiskSession>()> makeDiskSession;
        /// The built-in card slots and their device events, for the slot watcher.
        std::unique_ptr<CardSlotSource> cardSlots;
        std::unique_ptr<DeviceEventSource> slotEvents;
        /// Runs the mount and unmount commands when the disk service refuses; may be empty.
        std::shared_ptr<CommandRunner> commands;
        /// Where card names are remembered by serial; may be null (then only for this run).
        std::shared_ptr<UserDefaults> userDefaults;
    };

    VolumeWatcher(MountCallback onMount, Logger &logger, Services services);
    VolumeWatcher(MountCallback onMount, Logger &logger, Services services, Limits limits);
    ~VolumeWatcher() override;

    void start() override;
    void stop();
    void scanExistingAsync(ScanCallback completion) override;
    void noteHandledAtLaunch(const QList<MountedCard> &cards) override;
    void makeCardAsync(const QUrl &url, CardCompletion completion) override;

    QList<MountedCard> mountedCards() const override { return m_mountedCards; }
    QList<DetectedCard> detectedCards() const override { return m_detectedCards; }
    void observeCardsChanged(QObject *context, std::function<void()> observer) override;
    void mount(const DetectedCard &card, RequestCompletion completion) override;
    void eject(const MountedCard &card, RequestCompletion completion) override;
    void refreshFreeSpaceNow() override;
    /// Every disk the disk session reported and that has not disappeared, by device name.
    const QHash<QString, DiskDescription> &daDisks() const { return m_daDisks; }
    bool hasDiskSession() const { return m_daSession != nullptr; }
    CardSlotWatcher &cardSlotWatcher() { return *m_cardSlotWatcher; }
    /// Mount and unmount requests that have not finished yet.
    int outstandingRequestCount() const { return int(m_outstandingDARequests.size()); }

    static bool isUserVisibleMountPath(const QString &path);

signals:
    /// The mounted-card list or the detected-card list changed.
    void mountedCardsChanged();

private:
    friend class DAMountContext;

    struct Stamp {
        Clock::time_point time;
        quint64 serial = 0;
        friend bool operator==(const Stamp &, const Stamp &) = default;
    };
    using WeakSelf = LifeToken<VolumeWatcher>::Weak;

    /// What the probe queue shares with the watcher; it outlives the watcher while blocks run.
    struct ProbeState {
        ProbeState(std::shared_ptr<const MountTable> mountTable,
            std::shared_ptr<const VolumeValueReader> volumeValues,
            CardProber::DescriptionSessionFactory makeDescriptionSession);
        bool isRunning();
        CardProber prober;
        std::mutex runningLock;
        bool runningFlag = false; // guarded by runningLock
    };

    void handleDidMount(const QString &path);
    void handleDidUnmount(const QString &path);
    /// How many mounts the table lists at `path` (more than one when stacked).
    int mountsAt(const QString &path) const;
    void handleProbeResult(const QUrl &url, const QString &key, Stamp stamp, CardProbe result);
    void scheduleSettle(const QUrl &url, const QString &key, Stamp stamp);
    void settleFired(const QUrl &url, const QString &key, Stamp stamp);
    void settleRead(const QUrl &url, const QString &key, Stamp stamp, const std::optional<MountedCard> &card);
    void pruneOldDebounceEntries(Clock::time_point now);
    void cancelSettle(const QString &key);
    Stamp makeStamp(Clock::time_point now);
    bool isCurrentStamp(const QString &key, Stamp stamp) const;

    void startDiskSession();
    void stopDiskSession();
    void diskAppeared(const DiskDescription &disk);
    void diskDisappeared(const QString &bsdName);
    void diskDescriptionChanged(const DiskDescription &disk);

    void setNeedsRebuildDetectedCards();
    void rebuildDetectedCards();
    void refreshDetectedCardFreeSpace();
    void applyFreeSpace(const QHash<QString, qint64> &figures);

    void trackDARequest(const std::shared_ptr<DAMountContext> &context);
    void forgetDARequest(const DAMountContext *context);
    static void mountAnswered(quintptr token, const std::optional<QString> &dissent);
    static void unmountAnswered(quintptr token, const std::optional<QString> &dissent);
    void performUnmount(const QString &bsdName, const MountedCard &card, RequestCompletion completion);
    void mountWithUdisksctl(const QString &bsdName, const QString &name, RequestCompletion completion);
    void unmountWithCommand(
        const QString &mountPath, const QString &bsdName, const QString &name, RequestCompletion completion);
    void tearDown();
    void setRunning(bool running);

    static VolumeWatcher *resolve(const WeakSelf &self);

    const MountCallback m_onMount;
    Logger &m_logger;
    const Limits m_limits;
    std::shared_ptr<MountTable> m_mountTable;
    std::function<std::unique_ptr<DiskSession>()> m_makeDiskSession;

    QList<MountedCard> m_mountedCards;
    QList<DetectedCard> m_detectedCards;
    bool m_watchingMounts = false; // stands for the two workspace observers
    std::unique_ptr<DiskSession> m_daSession;
    quint64 m_daSessionGeneration = 0; // tells a stale failure report from the current one
    QHash<QString, DiskDescription> m_daDisks;
    QHash<QString, Stamp> m_lastMountTimes;
    quint64 m_nextStampSerial = 1;
    std::unique_ptr<CardSlotWatcher> m_cardSlotWatcher;
    QHash<QString, WorkItemPtr> m_settleWork;
    QHash<QString, QString> m_bsdNamesByMountPath;
    bool m_loggedUnmountableSDDisk = false;
    QList<std::shared_ptr<DAMountContext>> m_outstandingDARequests;
    bool m_needsRebuild = false;
    bool m_needsFreeSpaceRefresh = false;
    std::shared_ptr<CommandRunner> m_commands;
    std::shared_ptr<UserDefaults> m_userDefaults;
    KnownCardNames m_knownCardNames;

    const std::shared_ptr<ProbeState> m_probe;
    const LifeToken<VolumeWatcher> m_self { this };
    // Declared last: destroyed first, so no queued block outlives the members above.
    std::unique_ptr<SerialQueue> m_probeQueue;
};
