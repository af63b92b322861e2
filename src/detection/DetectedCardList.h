#pragma once

#include "detection/DetectedCard.h"
#include "detection/MountedCard.h"
#include "detection/SlotCard.h"
#include "platform/DiskDescription.h"

#include <QHash>
#include <QList>
#include <QString>

#include <optional>

/// Builds the menu's card list from the disk table, the mounted cards and the cards in the
/// built-in slots. Pure: the watcher gathers the inputs and applies the outcome.
namespace DetectedCardList {

struct Inputs {
    /// The list as it stands; its free-space figures are kept for the lines that stay.
    QList<DetectedCard> current;
    /// Every disk the disk service reports, by device name.
    QHash<QString, DiskDescription> disks;
    QList<MountedCard> mountedCards;
    /// Standardized mount path to device name, from the mounted-volume scan.
    QHash<QString, QString> deviceNamesByMountPath;
    QList<SlotCard> slotCards;
    /// Serial to the volume name last seen for it.
    QHash<QString, QString> knownNames;
};

struct Outcome {
    QList<DetectedCard> cards; ///< sorted with DetectedCard::isOrderedBefore
    /// A name to remember for a serial: the one MMC card and the one slot card.
    std::optional<std::pair<QString, QString>> learntName; ///< (serial, name)
    /// A whole MMC disk has no mountable volume: slot cards were not listed.
    bool unmountableSDDisk = false;
};

/// One disk's line, or nothing when the disk is no card volume the user may care about.
/// `mountPath` stands in for the description's volume path when that is empty (a volume the
/// mount table shows mounted but the disk service does not, as with FUSE).
std::optional<DetectedCard> makeDetectedCard(
    const QString &deviceName, const DiskDescription &description, const QString &mountPath = QString());

Outcome rebuild(const Inputs &inputs);

} // namespace DetectedCardList
