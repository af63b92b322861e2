#include "detection/VolumeWatcher.h"

#include "detection/CardLanes.h"
#include "detection/CardRecords.h"
#include "detection/CardRequests.h"
#include "detection/DiskInventory.h"
#include "detection/MountSettler.h"
#include "detection/ProbeState.h"
#include "detection/TimeLimitedVolumeReader.h"
#include "support/MainQueue.h"

#include <QFileInfo>

namespace {
constexpr std::chrono::milliseconds kProbeTearDownCutOff { 250 };
// Lanes wait on a hung card for the read limit at most, so a few threads serve many cards.
constexpr int kLaneThreads = 16;

/// One scan's cards, read each on its own lane; the last to be read finishes the scan.
struct ScanGather {
    std::mutex mutex;
    qsizetype remaining = 0;
    QList<MountedCard> cards;
};

std::shared_ptr<TimeLimitedVolumeReader> timeLimited(
    std::shared_ptr<const VolumeValueReader> inner, const VolumeWatcherLimits &limits)
{
    return inner
        ? std::make_shared<TimeLimitedVolumeReader>(std::move(inner), limits.readLimit, limits.stuckReadBound)
        : nullptr;
}
}

VolumeWatcher::VolumeWatcher(MountCallback onMount, Logger &logger, Services services)
    : VolumeWatcher(std::move(onMount), logger, std::move(services), Limits())
{
}

VolumeWatcher::VolumeWatcher(MountCallback onMount, Logger &logger, Services services, Limits limits)
    : m_mountTable(services.mountTable)
    , m_logger(logger)
    , m_cardSlotWatcher(std::make_unique<CardSlotWatcher>(
          std::move(services.cardSlots), std::move(services.slotEvents), logger))
    , m_lanes(std::make_unique<CardLanes>(kLaneThreads))
{
    const std::shared_ptr<TimeLimitedVolumeReader> reader
        = timeLimited(std::move(services.volumeValues), limits);
    if (reader) {
        reader->setOnGivenUp([weak = WeakSelf(m_self)](const QString &path) {
            MainQueue::async([weak, path] {
                if (VolumeWatcher *self = resolve(weak)) {
                    MountedCard card;
                    card.url = QUrl::fromLocalFile(path);
                    card.name = QFileInfo(CardProber::standardizedPath(card.url)).fileName();
                    emit self->cardNotAnswering(card);
                }
            });
        });
    }
    m_probe = std::make_shared<ProbeState>(
        std::move(services.mountTable), reader, std::move(services.makeDescriptionSession));
    // A read stuck on a hung card must not hold up quitting; its block holds what it uses.
    m_lanes->setTearDownCutOff(kProbeTearDownCutOff);
    // The parts share the lanes, which are made last so that they go first.
    m_disks = std::make_unique<DiskInventory>(std::move(services.makeDiskSession), logger);
    m_cards = std::make_unique<CardRecords>(
        [this] {
            DetectedCardList::Inputs inputs;
            inputs.disks = m_disks->disks();
            inputs.mountedCards = m_mountedCards;
            inputs.deviceNamesByMountPath = m_deviceNamesByMountPath;
            inputs.slotCards = m_cardSlotWatcher->refreshNow();
            return inputs;
        },
        std::move(services.stateStore), logger, m_probe, *m_lanes);
    m_requests = std::make_unique<CardRequests>(
        logger, limits, *m_disks, m_deviceNamesByMountPath, std::move(services.commands), m_probe, *m_lanes);
    m_settler = std::make_unique<MountSettler>(
        std::move(onMount), [this] { scanExistingAsync({}); }, logger, limits, m_mountTable, m_probe,
        *m_lanes);

    connect(m_cards.get(), &CardRecords::cardsChanged, this, &VolumeWatcher::mountedCardsChanged);
    m_disks->onChange = [this] { m_cards->setNeedsRebuildDetectedCards(); };
    m_disks->onSessionLost = [this] { stopDiskService(); };
    m_requests->onMounted = [this] { m_cards->refreshDetectedCardFreeSpace(); };
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

void VolumeWatcher::start()
{
    MIRVALE_ASSERT_MAIN_THREAD();
    if (m_watchingMounts)
        return;
    m_probe->setRunning(true);

    const WeakSelf weak = m_self;
    m_watchingMounts = m_mountTable->startWatching(
        [weak](const QString &path) {
            if (VolumeWatcher *self = resolve(weak))
                self->m_settler->handleDidMount(path);
        },
        [weak](const QString &path) {
            if (VolumeWatcher *self = resolve(weak))
                self->m_settler->handleDidUnmount(path);
        });
    if (!m_watchingMounts)
        m_logger.error(
            QStringLiteral("VolumeWatcher: cannot watch the mount table; new cards will not be noticed"));
    m_logger.info(QStringLiteral("VolumeWatcher started"));

    scanExistingAsync({});

    if (!m_disks->hasSession())
        m_disks->start();

    m_cardSlotWatcher->onChange = [weak] {
        if (VolumeWatcher *self = resolve(weak))
            self->m_cards->setNeedsRebuildDetectedCards();
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
    m_probe->setRunning(false);
    m_cards->reset();
    if (m_watchingMounts) {
        m_mountTable->stopWatching();
        m_watchingMounts = false;
    }
    m_settler->reset();
    stopDiskService();
    m_cardSlotWatcher->onChange = nullptr;
    if (MainQueue::isMainThread())
        m_cardSlotWatcher->stop();
}

void VolumeWatcher::stopDiskService()
{
    m_requests->failOutstanding();
    m_disks->stop();
    m_requests->dropRegistered();
}

// MARK: mounted-volume scan

void VolumeWatcher::scanExistingAsync(ScanCallback completion)
{
    const WeakSelf weak = m_self;
    const std::shared_ptr<ProbeState> probe = m_probe;
    const quint64 serial = ++m_scansStarted;
    const QList<QUrl> volumes = probe->prober.mountedVolumes();
    auto gather = std::make_shared<ScanGather>();
    gather->remaining = volumes.size();
    auto finish = [weak, probe, serial, gather, completion = std::move(completion)] {
        CardProber::Scan scan = probe->prober.finishScan(std::move(gather->cards));
        MainQueue::async([weak, serial, scan = std::move(scan), completion] {
            if (VolumeWatcher *self = resolve(weak))
                self->applyScan(serial, scan);
            if (completion)
                completion(scan.cards);
        });
    };
    if (volumes.isEmpty()) {
        finish();
        return;
    }
    for (const QUrl &url : volumes) {
        m_lanes->async(CardProber::standardizedPath(url), [probe, gather, finish, url] {
            std::optional<MountedCard> card = probe->prober.makeCard(url);
            {
                std::lock_guard lock(gather->mutex);
                if (card)
                    gather->cards.append(*card);
                if (--gather->remaining > 0)
                    return;
            }
            finish();
        });
    }
}

void VolumeWatcher::applyScan(quint64 serial, const CardProber::Scan &scan)
{
    // Scans finish in any order; an older one never overwrites a newer one.
    if (serial < m_scanApplied)
        return;
    m_scanApplied = serial;
    if (scan.deviceNamesByKey != m_deviceNamesByMountPath)
        m_deviceNamesByMountPath = scan.deviceNamesByKey;
    if (scan.cards != m_mountedCards) {
        m_mountedCards = scan.cards;
        emit mountedCardsChanged();
        m_cards->setNeedsRebuildDetectedCards();
    }
}

void VolumeWatcher::makeCardAsync(const QUrl &url, CardCompletion completion)
{
    const std::shared_ptr<ProbeState> probe = m_probe;
    m_lanes->async(CardProber::standardizedPath(url), [probe, url, completion = std::move(completion)] {
        std::optional<MountedCard> card = probe->prober.makeCard(url);
        MainQueue::async([card = std::move(card), completion] {
            if (completion)
                completion(card);
        });
    });
}

// MARK: the parts

void VolumeWatcher::noteHandledAtLaunch(const QList<MountedCard> &cards)
{
    m_settler->noteHandledAtLaunch(cards);
}

QList<DetectedCard> VolumeWatcher::detectedCards() const
{
    return m_cards->cards();
}

void VolumeWatcher::refreshFreeSpaceNow()
{
    m_cards->refreshFreeSpaceNow();
}

void VolumeWatcher::mount(const DetectedCard &card, RequestCompletion completion)
{
    m_requests->mount(card, std::move(completion));
}

void VolumeWatcher::eject(const MountedCard &card, RequestCompletion completion)
{
    m_requests->eject(card, std::move(completion));
}

const QHash<QString, DiskDescription> &VolumeWatcher::diskServiceDisks() const
{
    return m_disks->disks();
}

bool VolumeWatcher::hasDiskSession() const
{
    return m_disks->hasSession();
}

int VolumeWatcher::outstandingRequestCount() const
{
    return m_requests->outstandingRequestCount();
}

void VolumeWatcher::observeCardsChanged(QObject *context, std::function<void()> observer)
{
    connect(this, &VolumeWatcher::mountedCardsChanged, context, std::move(observer));
}

void VolumeWatcher::observeCardsNotAnswering(QObject *context, CardObserver observer)
{
    connect(this, &VolumeWatcher::cardNotAnswering, context, std::move(observer));
}
