#pragma once

#include <QString>

/// The bus a disk sits on, as far as Mirvale tells them apart.
enum class DiskBus { Mmc, Usb, Loop, Other };

/// "mmc", "usb", "loop" or "other", as log lines name the bus.
QString diskBusName(DiskBus bus);

/// How the disk service describes a disk or a volume on it.
struct DiskDescription {
    QString deviceName; ///< kernel device name: "mmcblk0p1", "sdb1", "loop0"
    QString volumePath; ///< the mount point; empty when not mounted
    QString volumeName; ///< the file system label
    DiskBus bus = DiskBus::Other;
    QString volumeKind; ///< the file system type: "vfat", "exfat", "ext4", ...; empty when unknown
    bool isMountable = false;
    bool isRemovable = false;
    bool isEjectable = false;
    bool isNetwork = false;
    bool isWhole = false;
    /// udisks2's hints: a device a desktop would mount when it appears (a card in a reader),
    /// a system device, one to hide and leave alone.
    bool hintAuto = false;
    bool hintSystem = false;
    bool hintIgnore = false;

    friend bool operator==(const DiskDescription &, const DiskDescription &) = default;
};
