#pragma once

#include <QString>

/// How the disk service describes a disk or a volume on it.
struct DiskDescription {
    QString bsdName; ///< kernel device name: "mmcblk0p1", "sdb1", "loop0"
    QString volumePath; ///< the mount point; empty when not mounted
    QString volumeName; ///< the file system label
    QString deviceProtocol; ///< "Secure Digital", "USB", "Virtual Interface", ...
    QString volumeKind; ///< "msdos", "exfat", "ext4", ...; empty when unknown
    bool isMountable = false;
    bool isRemovable = false;
    bool isEjectable = false;
    bool isNetwork = false;
    bool isWhole = false;

    friend bool operator==(const DiskDescription &, const DiskDescription &) = default;
};
