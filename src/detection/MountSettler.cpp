#include "detection/MountSettler.h"

#include "detection/CardReads.h"

#include <QPointer>
#include <QTimer>

MountSettler::MountSettler(VolumeWatching::MountCallback onMount, std::function<void()> rescan,
    Logger &logger, const VolumeWatcherLimits &limits, std::shared_ptr<const MountTable> mountTable,
    std::shared_ptr<CardProber> prober, CardReads &reads)
    : m_onMount(std::move(onMount))
    , m_rescan(std::move(rescan))
    , m_logger(logger)
    , m_limits(limits)
    , m_mountTable(std::move(mountTable))
    , m_prober(std::move(prober))
    , m_reads(reads)
{
}

MountSettler::~MountSettler() = default;

void MountSettler::setActive(bool active)
{
    m_active = active;
    if (active)
        return;
    ++m_generation;
    m_settling.clear();
    m_lastMountTimes.clear();
}

MountSettler::Stamp MountSettler::makeStamp(Clock::time_point now)
{
    return Stamp { now, m_nextStampSerial++ };
}

bool MountSettler::isCurrentStamp(const QString &key, Stamp stamp) const
{
    const auto found = m_lastMountTimes.constFind(key);
    return found != m_lastMountTimes.cend() && *found == stamp;
}

void MountSettler::pruneOldDebounceEntries(Clock::time_point now)
{
    m_lastMountTimes.removeIf([&](const QHash<QString, Stamp>::iterator &entry) {
        return now - entry.value().time >= m_limits.debounceMemory;
    });
}

void MountSettler::cancelSettle(const QString &key)
{
    m_settling.remove(key);
}

void MountSettler::handleDidMount(const QString &path)
{
    if (path.isEmpty()) {
        m_rescan();
        return;
    }
    if (!CardProber::isUserVisibleMountPath(path))
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

    m_rescan();

    const std::shared_ptr<CardProber> prober = m_prober;
    const QPointer<MountSettler> self(this);
    const quint64 generation = m_generation;
    m_reads.read<CardProbe>(
        key, [prober, url] { return prober->probeCard(url); },
        [self, url, key, stamp, generation](std::optional<CardProbe> result) {
            // A card given up reads as unreadable.
            if (self && self->isCurrent(generation))
                self->handleProbeResult(url, key, stamp, result.value_or(CardProbe::unreadable));
        });
}

void MountSettler::handleProbeResult(const QUrl &url, const QString &key, Stamp stamp, CardProbe result)
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

void MountSettler::scheduleSettle(const QUrl &url, const QString &key, Stamp stamp)
{
    m_settling.insert(key, stamp.serial);
    // A precise timer: a coarse one may fire up to 5% early, before the card has had its time.
    QTimer::singleShot(m_limits.settleDelay, Qt::PreciseTimer, this, [this, url, key, stamp] {
        // Cancelled or replaced meanwhile: another settle (or none) stands for the card now.
        const auto settling = m_settling.constFind(key);
        if (settling != m_settling.cend() && *settling == stamp.serial)
            settleFired(url, key, stamp);
    });
}

void MountSettler::settleFired(const QUrl &url, const QString &key, Stamp stamp)
{
    m_settling.remove(key);
    if (!isCurrentStamp(key, stamp)) {
        m_logger.info(url.toLocalFile() + QStringLiteral(" went away before it settled, ignoring"));
        return;
    }
    const std::shared_ptr<CardProber> prober = m_prober;
    const QPointer<MountSettler> self(this);
    const quint64 generation = m_generation;
    m_reads.read<std::optional<MountedCard>>(
        key, [prober, url] { return prober->makeCard(url); },
        [self, url, key, stamp, generation](std::optional<std::optional<MountedCard>> card) {
            if (self && self->isCurrent(generation))
                self->settleRead(url, key, stamp, card ? *card : std::nullopt);
        });
}

void MountSettler::settleRead(
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

void MountSettler::handleDidUnmount(const QString &path)
{
    if (path.isEmpty()) {
        m_rescan();
        return;
    }
    // The upper of stacked mounts went away: the volume below is still mounted there.
    if (CardProber::isUserVisibleMountPath(path) && mountsAt(path) > 0) {
        m_logger.info(QStringLiteral("VolumeWatcher: a mount stacked on ") + path
            + QStringLiteral(" went away; the volume below is still mounted"));
        return;
    }
    const QString key = CardProber::standardizedPath(QUrl::fromLocalFile(path));
    m_lastMountTimes.remove(key);
    cancelSettle(key);
    if (CardProber::isUserVisibleMountPath(path)) {
        m_logger.info(QStringLiteral("Volume unmounted: ") + path);
        m_rescan();
    }
}

int MountSettler::mountsAt(const QString &path) const
{
    const QList<MountEntry> entries = m_mountTable->entries();
    return int(std::count_if(entries.cbegin(), entries.cend(),
        [&path](const MountEntry &entry) { return entry.mountPoint == path; }));
}

void MountSettler::noteHandledAtLaunch(const QList<MountedCard> &cards)
{
    const Clock::time_point now = Clock::now();
    for (const MountedCard &card : cards) {
        if (!CardProber::isUserVisibleMountPath(card.url.toLocalFile()))
            continue;
        const QString key = CardProber::standardizedPath(card.url);
        cancelSettle(key);
        m_lastMountTimes.insert(key, makeStamp(now));
    }
    pruneOldDebounceEntries(now);
}
