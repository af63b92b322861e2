#pragma once

#include <QString>
#include <QUrl>

#include <optional>

/// One line of the card list: a mounted card, a card volume known to the disk service but
/// not mounted, or a card resting ejected in a built-in slot.
struct DetectedCard {
    /// A kernel device name ("mmcblk0p1"), "path:" + the mount path, or a slot identity.
    QString deviceName;
    QString name;
    std::optional<QUrl> mountURL;
    std::optional<qint64> freeBytes;
    bool isEjected = false;
    /// Known by its mount alone, not to the disk service: unmounted, it leaves the list.
    bool leavesWhenUnmounted = false;

    bool isMounted() const { return mountURL.has_value(); }

    static bool isOrderedBefore(const DetectedCard &a, const DetectedCard &b);
    friend bool operator==(const DetectedCard &, const DetectedCard &) = default;
};
