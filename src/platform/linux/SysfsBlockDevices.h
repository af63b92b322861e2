#pragma once

#include "platform/DiskDescription.h"

#include <QString>

#include <optional>

/// What sysfs tells about a block device: where it sits, whether its medium can be removed.
class SysfsBlockDevices {
public:
    struct Device {
        QString name; ///< kernel name: "sdb1", "mmcblk0p1", "loop0"
        QString wholeName; ///< the whole disk: "sdb", "mmcblk0", "loop0"
        bool isPartition = false;
        bool isRemovable = false; ///< the whole disk's "removable" attribute
        DiskBus bus = DiskBus::Other;

        /// Loop devices (disk images), USB disks and SD/MMC cards can be ejected.
        bool isEjectable() const { return isRemovable || bus != DiskBus::Other; }
    };

    /// `sysfsRoot` is normally "/sys".
    explicit SysfsBlockDevices(QString sysfsRoot);

    /// The device by kernel name; absent when sysfs does not list it.
    std::optional<Device> byName(const QString &name) const;
    /// The device by number (as the mount table gives it); absent for anonymous devices.
    std::optional<Device> byNumber(unsigned major, unsigned minor) const;

private:
    std::optional<Device> fromFolder(const QString &canonicalFolder) const;

    const QString m_sysfsRoot;
};
