#pragma once

#include "platform/DiskDescriptionLookup.h"
#include "platform/MountTable.h"
#include "platform/VolumeValueReader.h"
#include "platform/linux/SysfsBlockDevices.h"
#include "platform/linux/UdevProperties.h"

#include <memory>

/// Volume values and disk descriptions from the mount table, sysfs, udev's database and
/// statvfs. Safe from any thread.
class LinuxVolumeInspector final : public VolumeValueReader, public DiskDescriptionLookup {
public:
    LinuxVolumeInspector(std::shared_ptr<const MountTable> mountTable,
        QString sysfsRoot = QStringLiteral("/sys"),
        UdevProperties::Lookup properties = &UdevProperties::forBlockDevice);

    std::optional<VolumeValues> read(const QString &mountPath) const override;
    std::optional<qint64> availableBytes(const QString &mountPath) const override;
    std::optional<DiskDescription> describeVolume(const QString &mountPath) override;

    /// Network and remote file systems: nfs, cifs/smb, sshfs, 9p and their kind.
    static bool isNetworkFileSystem(const QString &fsType);
    /// The file system type as Mirvale compares it: every FAT variant reads as "vfat".
    static QString volumeKind(const QString &fsType);

private:
    std::optional<MountEntry> entryFor(const QString &mountPath) const;
    std::optional<SysfsBlockDevices::Device> deviceFor(const MountEntry &entry) const;

    const std::shared_ptr<const MountTable> m_mountTable;
    const SysfsBlockDevices m_devices;
    const UdevProperties::Lookup m_properties;
};
