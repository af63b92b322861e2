#include "platform/linux/LinuxVolumeInspector.h"

#include <algorithm>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>

#include <sys/statvfs.h>

namespace {

bool isFuseBlock(const QString &fsType)
{
    return fsType == QLatin1String("fuseblk") || fsType.startsWith(QLatin1String("fuseblk."));
}

} // namespace

LinuxVolumeInspector::LinuxVolumeInspector(
    std::shared_ptr<const MountTable> mountTable, QString sysfsRoot, UdevProperties::Lookup properties)
    : m_mountTable(std::move(mountTable))
    , m_devices(std::move(sysfsRoot))
    , m_properties(std::move(properties))
{
}

bool LinuxVolumeInspector::isNetworkFileSystem(const QString &fsType)
{
    // Plain constants, nothing to destroy at exit: a read stuck on a hung card may still be
    // asking on its own thread while the process quits.
    static constexpr QLatin1String kNetwork[] = {
        QLatin1String("nfs"),
        QLatin1String("nfs4"),
        QLatin1String("cifs"),
        QLatin1String("smb3"),
        QLatin1String("smbfs"),
        QLatin1String("9p"),
        QLatin1String("afs"),
        QLatin1String("ceph"),
        QLatin1String("ncpfs"),
        QLatin1String("coda"),
        QLatin1String("davfs"),
        QLatin1String("lustre"),
        QLatin1String("glusterfs"),
        QLatin1String("gfs2"),
        QLatin1String("ocfs2"),
        QLatin1String("fuse.sshfs"),
        QLatin1String("fuse.rclone"),
        QLatin1String("fuse.davfs2"),
        QLatin1String("fuse.glusterfs"),
        QLatin1String("fuse.s3fs"),
        QLatin1String("fuse.gvfsd-fuse"),
        QLatin1String("sshfs"),
        QLatin1String("virtiofs"),
    };
    const QString lower = fsType.toLower();
    return std::any_of(
        std::begin(kNetwork), std::end(kNetwork), [&lower](QLatin1String name) { return lower == name; });
}

QString LinuxVolumeInspector::volumeKind(const QString &fsType)
{
    const QString lower = fsType.toLower();
    if (lower == QLatin1String("vfat") || lower == QLatin1String("msdos") || lower == QLatin1String("fat")
        || lower == QLatin1String("fat32") || lower == QLatin1String("fat16"))
        return QStringLiteral("vfat");
    return lower;
}

std::optional<MountEntry> LinuxVolumeInspector::entryFor(const QString &mountPath) const
{
    const QString path = QDir::cleanPath(mountPath);
    const QList<MountEntry> entries = m_mountTable->entries();
    // The last entry at a point is the one on top.
    for (auto entry = entries.crbegin(); entry != entries.crend(); ++entry) {
        if (entry->mountPoint == path)
            return *entry;
    }
    return std::nullopt;
}

std::optional<SysfsBlockDevices::Device> LinuxVolumeInspector::deviceFor(const MountEntry &entry) const
{
    // FUSE mounts carry an anonymous device number; their source names the real device.
    if (!isFuseBlock(entry.fsType)) {
        if (auto device = m_devices.byNumber(entry.major, entry.minor))
            return device;
    }
    if (!entry.source.startsWith(QLatin1String("/dev/")))
        return std::nullopt;
    if (auto device = m_devices.byName(QFileInfo(entry.source).fileName()))
        return device;
    // "/dev/mapper/name" and "/dev/disk/by-label/..." are links to the kernel name.
    const QString target = QFileInfo(entry.source).canonicalFilePath();
    return target.isEmpty() ? std::nullopt : m_devices.byName(QFileInfo(target).fileName());
}

std::optional<VolumeValues> LinuxVolumeInspector::read(const QString &mountPath) const
{
    const std::optional<MountEntry> entry = entryFor(mountPath);
    if (!entry)
        return std::nullopt;
    VolumeValues values;
    values.isLocal = !isNetworkFileSystem(entry->fsType);
    if (!*values.isLocal) {
        // A stale network mount can hang statvfs; a network volume is never a card anyway.
        values.isRemovable = false;
        values.isEjectable = false;
        return values;
    }
    const std::optional<SysfsBlockDevices::Device> device = deviceFor(*entry);
    values.isRemovable = device && device->isRemovable;
    values.isEjectable = device && device->isEjectable();
    if (device && m_properties)
        values.name = UdevProperties::label(m_properties(device->name));
    values.availableBytes = availableBytes(entry->mountPoint);
    if (!values.availableBytes)
        return std::nullopt;
    return values;
}

std::optional<qint64> LinuxVolumeInspector::availableBytes(const QString &mountPath) const
{
    struct statvfs info { };
    if (::statvfs(QFile::encodeName(mountPath).constData(), &info) != 0)
        return std::nullopt;
    return qint64(info.f_bavail) * qint64(info.f_frsize);
}

std::optional<DiskDescription> LinuxVolumeInspector::describeVolume(const QString &mountPath)
{
    const std::optional<MountEntry> entry = entryFor(mountPath);
    if (!entry || isNetworkFileSystem(entry->fsType))
        return std::nullopt;
    const std::optional<SysfsBlockDevices::Device> device = deviceFor(*entry);
    if (!device)
        return std::nullopt;
    const QHash<QString, QString> properties
        = m_properties ? m_properties(device->name) : QHash<QString, QString>();
    QString fsType = properties.value(QStringLiteral("ID_FS_TYPE"));
    if (fsType.isEmpty() && !entry->fsType.startsWith(QLatin1String("fuse")))
        fsType = entry->fsType;

    DiskDescription description;
    description.deviceName = device->name;
    description.volumePath = entry->mountPoint;
    description.volumeName = UdevProperties::label(properties);
    description.bus = device->bus;
    description.volumeKind = volumeKind(fsType);
    description.isMountable = true;
    description.isRemovable = device->isRemovable;
    description.isEjectable = device->isEjectable();
    description.isWhole = !device->isPartition;
    // udisks2's hints as udev rules set them (a loop image is a system device unless told).
    const auto hint = [&properties](const char *name) {
        return properties.value(QString::fromLatin1(name)) == QLatin1String("1");
    };
    description.hintAuto = hint("UDISKS_AUTO");
    description.hintSystem = hint("UDISKS_SYSTEM");
    description.hintIgnore = hint("UDISKS_IGNORE");
    return description;
}
