#pragma once

#include "detection/CardProber.h"
#include "detection/CardSlotWatcher.h"
#include "detection/DetectedCard.h"
#include "detection/VolumeWatcherLimits.h"
#include "detection/VolumeWatching.h"
#include "platform/CommandRunner.h"
#include "platform/DeviceEventSource.h"
#include "platform/DiskSession.h"
#include "support/Logger.h"

#include <QHash>
#include <QObject>
#include <QPointer>

#include <memory>

class CardReads;
class CardRecords;
class CardRequests;
class DiskInventory;
class MountSettler;
class StateStore;

/// The single source of truth about memory cards: watches mounts and disks, decides which
/// newly mounted volumes are cards, lets them settle and hands each ready card to `onMount`.
/// Its parts do the work: the settler, the disk inventory, the card records and the card
/// requests.
class VolumeWatcher final : public QObject, public VolumeWatching {
    Q_OBJECT
public:
    using CardProbe = CardProber::CardProbe;
    using Limits = VolumeWatcherLimits;

    struct Services {
        std::shared_ptr<MountTable> mountTable;
        /// Read on the card-read pool, each card in turn, under the limits' time limit.
        std::shared_ptr<const VolumeValueReader> volumeValues;
        /// Makes the lookup session on first use, on the card-read pool.
        CardProber::DescriptionSessionFactory makeDescriptionSession;
        /// Makes the disk service session on each start; may be empty.
        std::function<std::unique_ptr<DiskSession>()> makeDiskSession;
        /// The built-in card slots and their device events, for the slot watcher.
        std::unique_ptr<CardSlotSource> cardSlots;
        std::unique_ptr<DeviceEventSource> slotEvents;
        /// Runs the mount and unmount commands when the disk service refuses; may be empty.
        std::shared_ptr<CommandRunner> commands;
        /// Where card names are remembered by serial; may be null (then only for this run).
        std::shared_ptr<StateStore> stateStore;
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
    QList<DetectedCard> detectedCards() const override;
    void observeCardsChanged(QObject *context, std::function<void()> observer) override;
    void observeCardsNotAnswering(QObject *context, CardObserver observer) override;
    void mount(const DetectedCard &card, RequestCompletion completion) override;
    void eject(const MountedCard &card, RequestCompletion completion) override;
    void refreshFreeSpaceNow() override;
    /// Every disk the disk session reported and that has not disappeared, by device name.
    const QHash<QString, DiskDescription> &diskServiceDisks() const;
    bool hasDiskSession() const;
    CardSlotWatcher &cardSlotWatcher() { return *m_cardSlotWatcher; }
    /// Mount and unmount requests that have not finished yet.
    int outstandingRequestCount() const;

    static bool isUserVisibleMountPath(const QString &path);

signals:
    /// The mounted-card list or the detected-card list changed.
    void mountedCardsChanged();
    /// A card stopped answering its reads and was given up.
    void cardNotAnswering(const MountedCard &card);

private:
    /// Ends the disk session's requests, then the session and its disks.
    void stopDiskService();
    void tearDown();

    void applyScan(quint64 serial, const CardProber::Scan &scan);
    void cardGivenUp(const QString &key);

    std::shared_ptr<MountTable> m_mountTable;
    Logger &m_logger;

    QList<MountedCard> m_mountedCards;
    QHash<QString, QString> m_deviceNamesByMountPath;
    quint64 m_scansStarted = 0;
    quint64 m_scanApplied = 0;
    bool m_watchingMounts = false; // stands for the two workspace observers
    std::unique_ptr<CardSlotWatcher> m_cardSlotWatcher;

    std::shared_ptr<CardProber> m_prober;
    // Before the parts that read through it, so that it goes after them.
    std::unique_ptr<CardReads> m_reads;
    std::unique_ptr<DiskInventory> m_disks;
    std::unique_ptr<CardRecords> m_cards;
    std::unique_ptr<CardRequests> m_requests;
    std::unique_ptr<MountSettler> m_settler;
};
