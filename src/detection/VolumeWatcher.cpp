#include "detection/VolumeWatcher.h"

#include "detection/DAMountContext.h"
#include "detection/DetectedCardList.h"
#include "support/MainQueue.h"

#include <QDir>
#include <QTimer>

namespace {
const QString kProbeQueueLabel = QStringLiteral("com.ferrowind.dovetta.volumeprobe");
}

VolumeWatcher::ProbeState::ProbeState(std::shared_ptr<const MountTable> mountTable,
    std::shared_ptr<const VolumeValueReader> volumeValues,
    CardProber::DescriptionSessionFactory makeDescriptionSession)
    : prober(std::move(mountTable), std::move(volumeValues), std::move(makeDescriptionSession))
{
}

bool VolumeWatcher::ProbeState::isRunning()
{
    std::lock_guard lock(runningLock);
    return runningFlag;
}

VolumeWatcher::VolumeWatcher(MountCallback onMount, Logger &logger, Services services)
    : VolumeWatcher(std::move(onMount), logger, std::move(services), Limits())
{
}

VolumeWatcher::VolumeWatcher(MountCallback onMount, Logger &logger, Services services, Limits limits)
    : m_onMount(std::move(onMount))
    , m_logger(logger)
    , m_limits(limits)
    , m_mountTable(services.mountTable)
    , m_makeDiskSession(std::move(services.makeDiskSession))
    , m_cardSlotWatcher(std::make_unique<CardSlotWatcher>(
          std::move(services.cardSlots), std::move(services.slotEvents), logger))
    , m_commands(std::move(services.commands))
    , m_userDefaults(std::move(services.userDefaults))
    , m_knownCardNames(m_userDefaults.get())
    , m_probe(std::make_shared<ProbeState>(std::move(services.mountTable), std::move(services.volumeValues),
          std::move(services.makeDescriptionSession)))
    , m_probeQueue(std::make_unique<SerialQueue>(kProbeQueueLabel))
{
}

VolumeWatcher::~VolumeWatcher()
{
    tearDown();
}

bool VolumeWatcher::isUserVisibleMountPath(const QString &path)
{
    return CardProber::isUserVisibleMountPath(path);
}

VolumeWatcher *VolumeWatcher::resolve(const WeakSelf &self)
{
    return self.get();
}

void VolumeWatcher::setRunning(bool running)
{
    std::lock_guard lock(m_probe->runningLock);
    m_probe->runningFlag = running;
}

void VolumeWatcher::start()
{
    MIRVALE_ASSERT_MAIN_THREAD();
    if (m_watchingMounts)
        return;
    setRunning(true);

    const WeakSelf weak = m_self;
    m_watchingMounts = m_mountTable->startWatching(
        [weak](const QString &path) {
            if (VolumeWatcher *self = resolve(weak))
                self->handleDidMount(path);
        },
        [weak](const QString &path) {
            if (VolumeWatcher *self = resolve(weak))
                self->handleDidUnmount(path);
        });
    if (!m_watchingMounts)
        m_logger.error(
            QStringLiteral("VolumeWatcher: cannot watch the mount table; new cards will not be noticed"));
    m_logger.info(QStringLiteral("VolumeWatcher started"));

    scanExistingAsync({});

    if (!m_daSession)
        startDiskSession();

    m_cardSlotWatcher->onChange = [weak] {
        if (VolumeWatcher *self = resolve(weak))
            self->setNeedsRebuildDetectedCards();
    };
    m_cardSlotWatcher->start();
}

void VolumeWatcher::stop()
{
    MIRVALE_ASSERT_MAIN_THREAD();
    tearDown();
}

void VolumeWatcher::tearDown()
{
    setRunning(false);
    m_needsRebuild = false;
    m_needsFreeSpaceRefresh = false;
    if (m_watchingMounts) {
        m_mountTable->stopWatching();
        m_watchingMounts = false;
    }
    for (const WorkItemPtr &item : std::as_const(m_settleWork))
        item->cancel();
    m_settleWork.clear();
    m_lastMountTimes.clear();
    stopDiskSession();
    m_cardSlotWatcher->onChange = nullptr;
    if (MainQueue::isMainThread())
        m_cardSlotWatcher->stop();
}

// MARK: mounted-volume scan

void VolumeWatcher::scanExistingAsync(ScanCallback completion)
{
    const WeakSelf weak = m_self;
    const std::shared_ptr<ProbeState> probe = m_probe;
    m_probeQueue->async([weak, probe, completion = std::move(completion)] {
        CardProber::Scan scan = probe->prober.scanExistingCards();
        MainQueue::async([weak, scan = std::move(scan), completion] {
            if (VolumeWatcher *self = resolve(weak)) {
                if (scan.bsdNamesByKey != self->m_bsdNamesByMountPath)
                    self->m_bsdNamesByMountPath = scan.bsdNamesByKey;
                if (scan.cards != self->m_mountedCards) {
                    self->m_mountedCards = scan.cards;
                    emit self->mountedCardsChanged();
                    self->setNeedsRebuildDetectedCards();
                }
            }
            if (completion)
                completion(scan.cards);
        });
    });
}

void VolumeWatcher::makeCardAsync(const QUrl &url, CardCompletion completion)
{
    const std::shared_ptr<ProbeState> probe = m_probe;
    m_probeQueue->async([probe, url, completion = std::move(completion)] {
        std::optional<MountedCard> card = probe->prober.makeCard(url);
        MainQueue::async([card = std::move(card), completion] {
            if (completion)
                completion(card);
        });
    });
}

// MARK: mount and unmount

VolumeWatcher::Stamp VolumeWatcher::makeStamp(Clock::time_point now)
{
    return Stamp { now, m_nextStampSerial++ };
}

bool VolumeWatcher::isCurrentStamp(const QString &key, Stamp stamp) const
{
    const auto found = m_lastMountTimes.constFind(key);
    return found != m_lastMountTimes.cend() && *found == stamp;
}

void VolumeWatcher::pruneOldDebounceEntries(Clock::time_point now)
{
    m_lastMountTimes.removeIf([&](const QHash<QString, Stamp>::iterator &entry) {
        return now - entry.value().time >= m_limits.debounceMemory;
    });
}

void VolumeWatcher::cancelSettle(const QString &key)
{
    if (const WorkItemPtr item = m_settleWork.take(key))
        item->cancel();
}

void VolumeWatcher::handleDidMount(const QString &path)
{
    if (path.isEmpty()) {
        scanExistingAsync({});
        return;
    }
    if (!isUserVisibleMountPath(path))
        return;
    // A mount stacked on a mounted volume (a bind mount over a card, say) is not a new card.
    if (mountsAt(path) > 1) {
        m_logger.info(QStringLiteral("VolumeWatcher: a mount was stacked on ") + path
            + QStringLiteral(", which was mounted already; ignoring it"));
        return;
    }
    const QUrl url = QUrl::fromLocalFile(path);
    const Clock::time_point now = Clock::now();
    const QString key = CardProber::standardizedPath(url);

    const auto previous = m_lastMountTimes.constFind(key);
    if (previous != m_lastMountTimes.cend() && now - previous->time < m_limits.debounceInterval) {
        m_logger.info(QStringLiteral("Ignoring duplicate mount event for ") + path);
        return;
    }
    const Stamp stamp = makeStamp(now);
    m_lastMountTimes.insert(key, stamp);
    pruneOldDebounceEntries(now);

    scanExistingAsync({});

    const WeakSelf weak = m_self;
    const std::shared_ptr<ProbeState> probe = m_probe;
    m_probeQueue->async([weak, probe, url, key, stamp] {
        if (!probe->isRunning())
            return;
        const CardProbe result = probe->prober.probeCard(url);
        MainQueue::async([weak, url, key, stamp, result] {
            if (VolumeWatcher *self = resolve(weak); self && self->m_probe->isRunning())
                self->handleProbeResult(url, key, stamp, result);
        });
    });
}

void VolumeWatcher::handleProbeResult(const QUrl &url, const QString &key, Stamp stamp, CardProbe result)
{
    const QString path = url.toLocalFile();
    switch (result) {
    case CardProbe::card:
        if (!isCurrentStamp(key, stamp)) {
            m_logger.info(path + QStringLiteral(" went away while it was being checked, ignoring"));
            return;
        }
        m_logger.info(QStringLiteral("Card mounted: ") + path + QStringLiteral(", settling"));
        scheduleSettle(url, key, stamp);
        return;
    case CardProbe::notACard:
        m_logger.info(
            QStringLiteral("Mounted ") + path + QStringLiteral(" but it is not a removable card, ignoring"));
        return;
    case CardProbe::unreadable:
        m_logger.warn(path
            + QStringLiteral(" could not be read when it mounted; will handle the next mount event for it"));
        if (isCurrentStamp(key, stamp))
            m_lastMountTimes.remove(key);
        return;
    }
}

void VolumeWatcher::scheduleSettle(const QUrl &url, const QString &key, Stamp stamp)
{
    cancelSettle(key);
    const WeakSelf weak = m_self;
    auto item = std::make_shared<WorkItem>([weak, url, key, stamp] {
        if (VolumeWatcher *self = resolve(weak))
            self->settleFired(url, key, stamp);
    });
    m_settleWork.insert(key, item);
    // A precise timer: a coarse one may fire up to 5% early, before the card has had its time.
    QTimer::singleShot(m_limits.settleDelay, Qt::PreciseTimer, this, [item] { item->perform(); });
}

void VolumeWatcher::settleFired(const QUrl &url, const QString &key, Stamp stamp)
{
    m_settleWork.remove(key);
    if (!isCurrentStamp(key, stamp)) {
        m_logger.info(url.toLocalFile() + QStringLiteral(" went away before it settled, ignoring"));
        return;
    }
    const WeakSelf weak = m_self;
    const std::shared_ptr<ProbeState> probe = m_probe;
    m_probeQueue->async([weak, probe, url, key, stamp] {
        if (!probe->isRunning())
            return;
        std::optional<MountedCard> card = probe->prober.makeCard(url);
        MainQueue::async([weak, url, key, stamp, card = std::move(card)] {
            if (VolumeWatcher *self = resolve(weak); self && self->m_probe->isRunning())
                self->settleRead(url, key, stamp, card);
        });
    });
}

void VolumeWatcher::settleRead(
    const QUrl &url, const QString &key, Stamp stamp, const std::optional<MountedCard> &card)
{
    const QString path = url.toLocalFile();
    if (!isCurrentStamp(key, stamp)) {
        m_logger.info(path + QStringLiteral(" went away before it settled, ignoring"));
        return;
    }
    if (!card) {
        m_logger.warn(path + QStringLiteral(" is no longer readable after settling, ignoring"));
        m_lastMountTimes.remove(key);
        return;
    }
    m_logger.info(QStringLiteral("Card ready: ") + card->name + QStringLiteral(" at ") + path);
    if (m_onMount)
        m_onMount(*card);
}

void VolumeWatcher::handleDidUnmount(const QString &path)
{
    if (path.isEmpty()) {
        scanExistingAsync({});
        return;
    }
    // The upper of stacked mounts went away: the volume below is still mounted there.
    if (isUserVisibleMountPath(path) && mountsAt(path) > 0) {
        m_logger.info(QStringLiteral("VolumeWatcher: a mount stacked on ") + path
            + QStringLiteral(" went away; the volume below is still mounted"));
        return;
    }
    const QString key = CardProber::standardizedPath(QUrl::fromLocalFile(path));
    m_lastMountTimes.remove(key);
    cancelSettle(key);
    if (isUserVisibleMountPath(path)) {
        m_logger.info(QStringLiteral("Volume unmounted: ") + path);
        scanExistingAsync({});
    }
}

int VolumeWatcher::mountsAt(const QString &path) const
{
    const QList<MountEntry> entries = m_mountTable->entries();
    return int(std::count_if(entries.cbegin(), entries.cend(),
        [&path](const MountEntry &entry) { return entry.mountPoint == path; }));
}

void VolumeWatcher::noteHandledAtLaunch(const QList<MountedCard> &cards)
{
    MIRVALE_ASSERT_MAIN_THREAD();
    const Clock::time_point now = Clock::now();
    for (const MountedCard &card : cards) {
        if (!isUserVisibleMountPath(card.url.toLocalFile()))
            continue;
        const QString key = CardProber::standardizedPath(card.url);
        cancelSettle(key);
        m_lastMountTimes.insert(key, makeStamp(now));
    }
    pruneOldDebounceEntries(now);
}

// MARK: disk service

void VolumeWatcher::startDiskSession()
{
    std::unique_ptr<DiskSession> session = m_makeDiskSession ? m_makeDiskSession() : nullptr;
    const WeakSelf weak = m_self;
    const quint64 generation = ++m_daSessionGeneration;
    DiskSession::Callbacks callbacks;
    callbacks.ready = [weak] {
        if (VolumeWatcher *self = resolve(weak))
            self->m_logger.info(QStringLiteral("udisks2 session started"));
    };
    callbacks.failed = [weak, generation](const QString &reason) {
        VolumeWatcher *self = resolve(weak);
        if (!self)
            return;
        self->m_logger.error(QStringLiteral("Failed to create udisks2 session"));
        self->m_logger.info(QStringLiteral("VolumeWatcher: the disk service is unavailable: ") + reason);
        // Dropping the session from inside its own callback would destroy it mid-call.
        MainQueue::async(self, [weak, generation] {
            VolumeWatcher *later = resolve(weak);
            if (later && later->m_daSessionGeneration == generation)
                later->stopDiskSession();
        });
    };
    callbacks.waiting = [weak](const QString &reason) {
        if (VolumeWatcher *self = resolve(weak))
            self->m_logger.warn(QStringLiteral("VolumeWatcher: the disk service is not running (") + reason
                + QStringLiteral("); the udisks2 session starts when it appears"));
    };
    callbacks.appeared = [weak](const DiskDescription &disk) {
        if (VolumeWatcher *self = resolve(weak))
            self->diskAppeared(disk);
    };
    callbacks.disappeared = [weak](const QString &bsdName) {
        if (VolumeWatcher *self = resolve(weak))
            self->diskDisappeared(bsdName);
    };
    callbacks.descriptionChanged = [weak](const DiskDescription &disk) {
        if (VolumeWatcher *self = resolve(weak))
            self->diskDescriptionChanged(disk);
    };
    if (!session || !session->start(std::move(callbacks))) {
        m_logger.error(QStringLiteral("Failed to create udisks2 session"));
        return;
    }
    m_daSession = std::move(session);
}

void VolumeWatcher::stopDiskSession()
{
    const QList<std::shared_ptr<DAMountContext>> outstanding = m_outstandingDARequests;
    for (const std::shared_ptr<DAMountContext> &context : outstanding) {
        const DovettaError error = DovettaError::diskError(QStringLiteral("the disk session stopped before ")
            + context->name() + QStringLiteral(" finished mounting or unmounting"));
        if (MainQueue::isMainThread())
            context->finish(error);
        else
            context->complete(error);
    }
    m_outstandingDARequests.clear();
    if (m_daSession) {
        m_daSession->stop();
        m_daSession.reset();
    }
    if (MainQueue::isMainThread())
        DAMountContext::dropBoxes(this);
    m_daDisks.clear();
}

void VolumeWatcher::diskAppeared(const DiskDescription &disk)
{
    if (disk.bsdName.isEmpty() || m_daDisks.contains(disk.bsdName))
        return;
    m_daDisks.insert(disk.bsdName, disk);
    // One line per disk, so a support log shows which disks the session could see.
    m_logger.info(QStringLiteral("Disk appeared: ") + disk.bsdName + QStringLiteral(" (")
        + (disk.deviceProtocol.isEmpty() ? QStringLiteral("unknown protocol") : disk.deviceProtocol)
        + QStringLiteral(", ")
        + (disk.volumeKind.isEmpty() ? QStringLiteral("no file system") : disk.volumeKind)
        + QLatin1Char(')'));
    setNeedsRebuildDetectedCards();
}

void VolumeWatcher::diskDisappeared(const QString &bsdName)
{
    if (m_daDisks.remove(bsdName)) {
        m_logger.info(QStringLiteral("Disk disappeared: ") + bsdName);
        setNeedsRebuildDetectedCards();
    }
}

void VolumeWatcher::diskDescriptionChanged(const DiskDescription &disk)
{
    if (disk.bsdName.isEmpty())
        return;
    m_daDisks.insert(disk.bsdName, disk);
    setNeedsRebuildDetectedCards();
}

// MARK: detected-card list

void VolumeWatcher::setNeedsRebuildDetectedCards()
{
    if (m_needsRebuild)
        return;
    m_needsRebuild = true;
    MainQueue::async(this, [this] {
        if (!m_needsRebuild)
            return;
        m_needsRebuild = false;
        rebuildDetectedCards();
    });
}

void VolumeWatcher::rebuildDetectedCards()
{
    DetectedCardList::Inputs inputs;
    inputs.current = m_detectedCards;
    inputs.disks = m_daDisks;
    inputs.mountedCards = m_mountedCards;
    inputs.bsdNamesByMountPath = m_bsdNamesByMountPath;
    inputs.slotCards = m_cardSlotWatcher->refreshNow();
    inputs.knownNames = m_knownCardNames.knownCardNames();
    const DetectedCardList::Outcome outcome = DetectedCardList::rebuild(inputs);

    if (outcome.learntName)
        m_knownCardNames.rememberCardName(outcome.learntName->second, outcome.learntName->first);
    if (!outcome.unmountableSDDisk) {
        m_loggedUnmountableSDDisk = false;
    } else if (!m_loggedUnmountableSDDisk) {
        m_loggedUnmountableSDDisk = true;
        QStringList products;
        for (const SlotCard &slot : std::as_const(inputs.slotCards))
            products.append(slot.productName);
        QString inSlot = products.join(QStringLiteral(", "));
        if (inSlot.isEmpty())
            inSlot = QStringLiteral("unknown");
        m_logger.info(QStringLiteral("A Secure Digital disk has no mountable volume (card in slot: ") + inSlot
            + QStringLiteral(") \u2014 the card probably needs formatting; not listing it as ejected"));
    }

    const bool refreshWanted = std::exchange(m_needsFreeSpaceRefresh, false);
    if (outcome.cards == m_detectedCards) {
        if (refreshWanted)
            refreshDetectedCardFreeSpace();
        return;
    }
    m_detectedCards = outcome.cards;
    emit mountedCardsChanged();
    refreshDetectedCardFreeSpace();
}

void VolumeWatcher::refreshFreeSpaceNow()
{
    MIRVALE_ASSERT_MAIN_THREAD();
    m_needsFreeSpaceRefresh = true;
    setNeedsRebuildDetectedCards();
}

void VolumeWatcher::refreshDetectedCardFreeSpace()
{
    QList<QUrl> urls;
    for (const DetectedCard &card : std::as_const(m_detectedCards)) {
        if (card.mountURL)
            urls.append(*card.mountURL);
    }
    if (urls.isEmpty())
        return;
    const WeakSelf weak = m_self;
    const std::shared_ptr<ProbeState> probe = m_probe;
    m_probeQueue->async([weak, probe, urls] {
        QHash<QString, qint64> figures;
        for (const QUrl &url : urls) {
            if (const std::optional<qint64> free = probe->prober.freeBytes(url))
                figures.insert(url.toLocalFile(), *free);
        }
        MainQueue::async([weak, figures] {
            if (VolumeWatcher *self = resolve(weak))
                self->applyFreeSpace(figures);
        });
    });
}

void VolumeWatcher::applyFreeSpace(const QHash<QString, qint64> &figures)
{
    // Applied to the list as it is now, matched by mount path: it may have changed meanwhile.
    bool changed = false;
    for (DetectedCard &card : m_detectedCards) {
        if (!card.mountURL)
            continue;
        const auto figure = figures.constFind(card.mountURL->toLocalFile());
        if (figure != figures.cend() && card.freeBytes != *figure) {
            card.freeBytes = *figure;
            changed = true;
        }
    }
    if (changed)
        emit mountedCardsChanged();
}

void VolumeWatcher::observeCardsChanged(QObject *context, std::function<void()> observer)
{
    connect(this, &VolumeWatcher::mountedCardsChanged, context, std::move(observer));
}
