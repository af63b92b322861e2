#include "detection/DetectedCardList.h"

#include "detection/CardProber.h"

#include <QSet>

#include <algorithm>

namespace {

bool allDigits(QStringView text)
{
    return !text.isEmpty() && std::all_of(text.begin(), text.end(), [](QChar c) { return c.isDigit(); });
}

/// Whether `deviceName` names `whole` itself or one of its partitions: "mmcblk0p1" and "sdb1" on
/// Linux, "disk4s1" elsewhere.
bool isVolumeOf(const QString &deviceName, const QString &whole)
{
    if (deviceName == whole)
        return true;
    if (!deviceName.startsWith(whole))
        return false;
    const QStringView rest = QStringView(deviceName).mid(whole.size());
    if ((rest.startsWith(u'p') || rest.startsWith(u's')) && allDigits(rest.mid(1)))
        return true;
    return !whole.isEmpty() && !whole.back().isDigit() && allDigits(rest);
}

} // namespace

std::optional<DetectedCard> DetectedCardList::makeDetectedCard(
    const QString &deviceName, const DiskDescription &description, const QString &mountPath)
{
    if (!description.isMountable || description.volumeName.isEmpty())
        return std::nullopt;
    const QString path = description.volumePath.isEmpty() ? mountPath : description.volumePath;
    if (!description.isRemovable && !description.isEjectable)
        return std::nullopt;
    if (description.isNetwork)
        return std::nullopt;
    if (!path.isEmpty() && !CardProber::isUserVisibleMountPath(path))
        return std::nullopt;
    if (description.bus == DiskBus::Loop) {
        const QString kind = description.volumeKind.toLower();
        if (kind != QLatin1String("vfat") && kind != QLatin1String("exfat"))
            return std::nullopt;
    }
    DetectedCard card;
    card.deviceName = deviceName;
    card.name = description.volumeName;
    if (!path.isEmpty())
        card.mountURL = QUrl::fromLocalFile(path);
    return card;
}

DetectedCardList::Outcome DetectedCardList::rebuild(const Inputs &inputs)
{
    Outcome outcome;
    QHash<QString, qint64> previousFree;
    for (const DetectedCard &card : inputs.current) {
        if (card.mountURL && card.freeBytes)
            previousFree.insert(card.mountURL->toLocalFile(), *card.freeBytes);
    }

    // The mount table knows mounts the disk service may not (FUSE); by device name.
    QHash<QString, QString> mountPathByDeviceName;
    for (const MountedCard &mounted : inputs.mountedCards) {
        const QString key = CardProber::standardizedPath(mounted.url);
        const QString deviceName = inputs.deviceNamesByMountPath.value(key);
        if (!deviceName.isEmpty() && !mountPathByDeviceName.contains(deviceName))
            mountPathByDeviceName.insert(deviceName, key);
    }

    QList<DetectedCard> &newCards = outcome.cards;
    QSet<QString> cardBSDs;
    QList<DetectedCard> sdCards;
    int sdDiskCount = 0;
    QStringList wholeSDDisks;

    // Device-name order, so the outcome never depends on the hash's order.
    QStringList deviceNames = inputs.disks.keys();
    std::sort(deviceNames.begin(), deviceNames.end());
    for (const QString &deviceName : std::as_const(deviceNames)) {
        const DiskDescription &disk = inputs.disks[deviceName];
        const bool isSD = disk.bus == DiskBus::Mmc;
        if (isSD) {
            ++sdDiskCount;
            if (disk.isWhole)
                wholeSDDisks.append(deviceName);
        }
        std::optional<DetectedCard> card
            = makeDetectedCard(deviceName, disk, mountPathByDeviceName.value(deviceName));
        if (!card)
            continue;
        if (card->mountURL) {
            const auto free = previousFree.constFind(card->mountURL->toLocalFile());
            if (free != previousFree.cend())
                card->freeBytes = *free;
        }
        cardBSDs.insert(deviceName);
        newCards.append(*card);
        if (isSD)
            sdCards.append(*card);
    }

    QSet<QString> coveredPaths;
    for (const DetectedCard &card : std::as_const(newCards)) {
        if (card.mountURL)
            coveredPaths.insert(CardProber::standardizedPath(*card.mountURL));
    }
    for (const MountedCard &mounted : inputs.mountedCards) {
        const QString key = CardProber::standardizedPath(mounted.url);
        if (coveredPaths.contains(key))
            continue;
        coveredPaths.insert(key);
        DetectedCard card;
        const QString deviceName = inputs.deviceNamesByMountPath.value(key);
        card.deviceName = deviceName.isEmpty() ? QStringLiteral("path:") + key : deviceName;
        card.name = mounted.name;
        card.mountURL = mounted.url;
        card.leavesWhenUnmounted = true;
        card.freeBytes = mounted.freeBytes;
        if (!card.freeBytes) {
            const auto free = previousFree.constFind(mounted.url.toLocalFile());
            if (free != previousFree.cend())
                card.freeBytes = *free;
        }
        newCards.append(card);
    }

    const QList<SlotCard> &slotCards = inputs.slotCards;
    QHash<QString, QString> knownNames = inputs.knownNames;
    if (sdCards.size() == 1 && slotCards.size() == 1 && !slotCards.first().serial.isEmpty()) {
        outcome.learntName = std::make_pair(slotCards.first().serial, sdCards.first().name);
        knownNames.insert(slotCards.first().serial, sdCards.first().name);
    }

    QSet<QString> sdNames;
    for (const DetectedCard &card : std::as_const(sdCards))
        sdNames.insert(card.name.toLower());
    QSet<QString> mountedNames;
    for (const DetectedCard &card : std::as_const(newCards)) {
        if (card.mountURL)
            mountedNames.insert(card.name.toLower());
    }

    // A whole MMC disk none of whose volumes made a line: an unformatted card.
    for (const QString &whole : std::as_const(wholeSDDisks)) {
        const bool hasVolume = std::any_of(
            cardBSDs.cbegin(), cardBSDs.cend(), [&](const QString &b) { return isVolumeOf(b, whole); });
        if (!hasVolume) {
            outcome.unmountableSDDisk = true;
            break;
        }
    }

    for (qsizetype i = 0; i < slotCards.size(); ++i) {
        const SlotCard &slot = slotCards.at(i);
        const auto remembered = knownNames.constFind(slot.serial);
        const bool hasName = remembered != knownNames.cend();
        if (sdDiskCount > 0 && slotCards.size() == 1)
            continue;
        if (sdDiskCount > 0 && hasName && sdNames.contains(remembered->toLower()))
            continue;
        if (hasName && mountedNames.contains(remembered->toLower()))
            continue;
        if (outcome.unmountableSDDisk)
            continue;
        DetectedCard card;
        card.deviceName = slot.identity(int(i));
        card.name = hasName ? *remembered : slot.productName;
        card.isEjected = true;
        newCards.append(card);
    }

    std::sort(newCards.begin(), newCards.end(), &DetectedCard::isOrderedBefore);
    return outcome;
}
