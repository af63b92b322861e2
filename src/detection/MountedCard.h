#pragma once

#include <QString>
#include <QUrl>

#include <optional>

/// A card whose volume is mounted and readable: what rules match and what gets opened.
struct MountedCard {
    QUrl url; ///< the mount point, as a file URL
    QString name; ///< the volume name; the mount point's last component when there is none
    bool isRemovable = false;
    bool isEjectable = false;
    std::optional<qint64> freeBytes;

    /// The mount point as a local path without a trailing slash (except for "/").
    QString path() const;

    static bool isOrderedBefore(const MountedCard &a, const MountedCard &b);
    friend bool operator==(const MountedCard &, const MountedCard &) = default;
};
