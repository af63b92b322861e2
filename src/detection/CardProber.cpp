#include "detection/CardProber.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>

#include <algorithm>

CardProber::CardProber(std::shared_ptr<const MountTable> mountTable,
    std::shared_ptr<const VolumeValueReader> volumeValues, DescriptionSessionFactory makeDescriptionSession)
    : m_mountTable(std::move(mountTable))
    , m_volumeValues(std::move(volumeValues))
    , m_makeDescriptionSession(std::move(makeDescriptionSession))
{
}

bool CardProber::isUserVisibleMountPath(const QString &path)
{
    static const QLatin1String roots[] = { QLatin1String("/run/media/"), QLatin1String("/media/") };
    for (const QLatin1String &root : roots) {
        if (!path.startsWith(root))
            continue;
        const QStringList components = path.mid(root.size()).split(QLatin1Char('/'), Qt::SkipEmptyParts);
        if (components.isEmpty())
            return false;
        return std::none_of(components.cbegin(), components.cend(),
            [](const QString &component) { return component.startsWith(QLatin1Char('.')); });
    }
    return false;
}

QString CardProber::standardizedPath(const QUrl &url)
{
    const QString path = url.toLocalFile();
    return path.isEmpty() ? path : QDir::cleanPath(path);
}

CardProber::CardProbe CardProber::probeCard(const QUrl &url)
{
    const QString path = url.toLocalFile();
    if (!isUserVisibleMountPath(path))
        return CardProbe::notACard;
    const std::optional<VolumeValues> values = m_volumeValues->read(path);
    if (!values)
        return CardProbe::unreadable;
    if (!values->isLocal.value_or(false))
        return CardProbe::notACard;
    if (!values->isRemovable.value_or(false) && !values->isEjectable.value_or(false))
        return CardProbe::notACard;

    const std::optional<DiskDescription> description = describe(path);
    if (description && description->bus == DiskBus::Loop) {
        // A disk image is a card when it has a card's file system, or when udev rules make
        // udisks2 treat it as a card reader's card.
        const QString kind = description->volumeKind.toLower();
        const bool readerCard = description->hintAuto && !description->hintSystem;
        return kind == QLatin1String("vfat") || kind == QLatin1String("exfat") || readerCard
            ? CardProbe::card
            : CardProbe::notACard;
    }
    return CardProbe::card;
}

std::optional<MountedCard> CardProber::makeCard(const QUrl &url)
{
    if (probeCard(url) != CardProbe::card)
        return std::nullopt;
    const std::optional<VolumeValues> values = m_volumeValues->read(url.toLocalFile());
    if (!values)
        return std::nullopt;
    return cardFromValues(url, *values);
}

std::optional<MountedCard> CardProber::cardFromValues(const QUrl &url, const VolumeValues &values) const
{
    MountedCard card;
    card.url = url;
    card.name = values.name.isEmpty() ? QFileInfo(standardizedPath(url)).fileName() : values.name;
    card.isRemovable = values.isRemovable.value_or(false);
    card.isEjectable = values.isEjectable.value_or(false);
    card.freeBytes = values.availableBytes;
    return card;
}

QList<QUrl> CardProber::mountedVolumes() const
{
    QList<QUrl> volumes;
    QSet<QString> seen;
    const QList<MountEntry> entries = m_mountTable->entries();
    // Later entries hide earlier ones at the same point, so walk the table backwards.
    for (auto entry = entries.crbegin(); entry != entries.crend(); ++entry) {
        if (seen.contains(entry->mountPoint))
            continue;
        seen.insert(entry->mountPoint);
        if (isUserVisibleMountPath(entry->mountPoint))
            volumes.append(QUrl::fromLocalFile(entry->mountPoint));
    }
    return volumes;
}

std::optional<CardProber::ScannedCard> CardProber::scanCard(const QUrl &url)
{
    std::optional<MountedCard> card = makeCard(url);
    if (!card)
        return std::nullopt;
    return ScannedCard { *card, deviceNameForVolume(url.toLocalFile()) };
}

CardProber::Scan CardProber::finishScan(QList<ScannedCard> cards)
{
    std::sort(cards.begin(), cards.end(), [](const ScannedCard &a, const ScannedCard &b) {
        return MountedCard::isOrderedBefore(a.card, b.card);
    });
    Scan scan;
    for (const ScannedCard &scanned : std::as_const(cards)) {
        scan.cards.append(scanned.card);
        if (!scanned.deviceName.isEmpty())
            scan.deviceNamesByKey.insert(standardizedPath(scanned.card.url), scanned.deviceName);
    }
    return scan;
}

std::optional<qint64> CardProber::freeBytes(const QUrl &url) const
{
    return m_volumeValues->availableBytes(url.toLocalFile());
}

QString CardProber::deviceNameForVolume(const QString &mountPath)
{
    const std::optional<DiskDescription> description = describe(mountPath);
    return description ? description->deviceName : QString();
}

std::optional<DiskDescription> CardProber::describe(const QString &mountPath)
{
    std::lock_guard lock(m_descriptionSessionLock);
    if (!m_descriptionSession && m_makeDescriptionSession)
        m_descriptionSession = m_makeDescriptionSession();
    if (!m_descriptionSession)
        return std::nullopt;
    return m_descriptionSession->describeVolume(mountPath);
}
