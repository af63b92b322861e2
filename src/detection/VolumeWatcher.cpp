#include "detection/VolumeWatcher.h"

#include "detection/CardReads.h"
#include "detection/CardRecords.h"
#include "detection/CardRequests.h"
#include "detection/DiskInventory.h"
#include "detection/MountSettler.h"

#include <QFileInfo>
#include <QTimer>

namespace {

/// One scan's cards, read each in its card's turn; the last to answer finishes the scan.
struct ScanGather {
    qsizetype remaining = 0;
    QList<CardProber::ScannedCard> cards;
};

} // namespace

VolumeWatcher::VolumeWatcher(MountCallback onMount, Logger &logger, Services services)
    : VolumeWatcher(std::move(onMount), logger, std::move(services), Limits())
{
}

VolumeWatcher::VolumeWatcher(MountCallback onMount, Logger &logger, Services services, Limits limits)
    : m_mountTable(services.mountTable)
    , m_logger(logger)
    , m_cardSlotWatcher(std::make_unique<CardSlotWatcher>(
          std::move(services.cardSlots), std::move(services.slotEvents), logger))
    , m_prober(std::make_shared<CardProber>(std::move(services.mountTable), std::move(services.volumeValues),
          std::move(services.makeDescriptionSession)))
    , m_reads(std::make_unique<CardReads>(limits.readLimit, limits.stuckReadBound))
{
    connect(m_reads.get(), &CardReads::givenUp, this, &VolumeWatcher::cardGivenUp);
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
        std::move(services.stateStore), logger, m_prober, *m_reads);
    m_requests = std::make_unique<CardRequests>(
        logger, limits, *m_disks, m_deviceNamesByMountPath, std::move(services.commands), m_prober, *m_reads);
    m_settler = std::make_unique<MountSettler>(
        std::move(onMount), [this] { scanExistingAsync({}); }, logger, limits, m_mountTable, m_prober,
        *m_reads);

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

void VolumeWatcher::cardGivenUp(const QString &key)
{
    MountedCard card;
    card.url = QUrl::fromLocalFile(key);
    card.name = QFileInfo(key).fileName();
    emit cardNotAnswering(card);
}

void VolumeWatcher::start()
{
    if (m_watchingMounts)
        return;
    m_settler->setActive(true);

    // The table may be shared and outlive the watcher, which stops watching when it goes.
    const QPointer<VolumeWatcher> self(this);
    m_watchingMounts = m_mountTable->startWatching(
        [self](const QString &path) {
            if (self)
                self->m_settler->handleDidMount(path);
        },
        [self](const QString &path) {
            if (self)
                self->m_settler->handleDidUnmount(path);
        });
    if (!m_watchingMounts)
        m_logger.error(
            QStringLiteral("VolumeWatcher: cannot watch the mount table; new cards will not be noticed"));
    m_logger.info(QStringLiteral("VolumeWatcher started"));

    scanExistingAsync({});

    if (!m_disks->hasSession())
        m_disks->start();

    m_cardSlotWatcher->onChange = [this] { m_cards->setNeedsRebuildDetectedCards(); };
    m_cardSlotWatcher->start();
}

void VolumeWatcher::stop()
{
    tearDown();
}

void VolumeWatcher::tearDown()
{
    m_cards->reset();
    if (m_watchingMounts) {
        m_mountTable->stopWatching();
        m_watchingMounts = false;
    }
    m_settler->setActive(false);
    stopDiskService();
    m_cardSlotWatcher->onChange = nullptr;
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
    const quint64 serial = ++m_scansStarted;
    const QList<QUrl> volumes = m_prober->mountedVolumes();
    auto gather = std::make_shared<ScanGather>();
    gather->remaining = volumes.size();
    const QPointer<VolumeWatcher> self(this);
    auto finish = [self, serial, gather, completion = std::move(completion)] {
        const CardProber::Scan scan = CardProber::finishScan(std::move(gather->cards));
        if (self)
            self->applyScan(serial, scan);
        if (completion)
            completion(scan.cards);
    };
    if (volumes.isEmpty()) {
        QTimer::singleShot(0, this, std::move(finish));
        return;
    }
    const std::shared_ptr<CardProber> prober = m_prober;
    for (const QUrl &url : volumes) {
        m_reads->read<std::optional<CardProber::ScannedCard>>(
            CardProber::standardizedPath(url), [prober, url] { return prober->scanCard(url); },
            [gather, finish](std::optional<std::optional<CardProber::ScannedCard>> card) {
                if (card && *card)
                    gather->cards.append(**card);
                if (--gather->remaining == 0)
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
    const std::shared_ptr<CardProber> prober = m_prober;
    m_reads->read<std::optional<MountedCard>>(
        CardProber::standardizedPath(url), [prober, url] { return prober->makeCard(url); },
        [completion = std::move(completion)](std::optional<std::optional<MountedCard>> card) {
            if (completion)
                completion(card ? *card : std::nullopt);
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
