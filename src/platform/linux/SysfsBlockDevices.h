#pragma once

#include <QString>

#include <optional>

/// What sysfs tells about a block device: where it sits, whether its medium can be removed.
class SysfsBlockDevices {
public:
    enum class Bus { loop, usb, mmc, other };

    struct Device {
        QString name; ///< kernel name: "sdb1", "mmcblk0p1", "loop0"
        QString wholeName; ///< the whole disk: "sdb", "mmcblk0", "loop0"
        bool isPartition = false;
        bool isRemovable = false; ///< the whole disk's "removable" attribute
        Bus bus = Bus::other;

        /// Loop devices (disk images), USB disks and SD/MMC cards can be ejected.
        bool isEjectable() const { return isRemovable || bus != Bus::other; }
        /// "Secure Digital", "USB", "Virtual Interface", ... as the disk service names them.
        QString deviceProtocol() const;
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
