#include "detection/CardProber.h"
#include "platform/linux/LibmountMountTable.h"
#include "platform/linux/LinuxVolumeInspector.h"
#include "platform/linux/SysfsBlockDevices.h"
#include "platform/linux/UDisksSession.h"
#include "platform/linux/UdevProperties.h"

#include "common/FakeMountTable.h"
#include "common/PollUntil.h"

#include <QDBusObjectPath>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/mount.h>
#include <unistd.h>

namespace {

void writeFile(const QString &path, const QByteArray &content)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(content);
}

/// sysfs as the kernel lays it out: devices under their bus, linked from class/block and
/// dev/block by name and by number.
class FakeBlockTree {
public:
    QString root() const { return m_dir.path(); }

    void addDisk(const QString &devicePath, const QString &disk, const QString &number, bool removable)
    {
        const QString folder
            = root() + QStringLiteral("/devices/") + devicePath + QStringLiteral("/block/") + disk;
        writeFile(folder + QStringLiteral("/removable"), removable ? "1\n" : "0\n");
        link(folder, disk, number);
    }
    void addPartition(
        const QString &devicePath, const QString &disk, const QString &partition, const QString &number)
    {
        const QString folder = root() + QStringLiteral("/devices/") + devicePath + QStringLiteral("/block/")
            + disk + QLatin1Char('/') + partition;
        writeFile(folder + QStringLiteral("/partition"), "1\n");
        link(folder, partition, number);
    }

private:
    void link(const QString &folder, const QString &name, const QString &number)
    {
        QDir().mkpath(root() + QStringLiteral("/class/block"));
        QDir().mkpath(root() + QStringLiteral("/dev/block"));
        QFile::link(folder, root() + QStringLiteral("/class/block/") + name);
        QFile::link(folder, root() + QStringLiteral("/dev/block/") + number);
    }

    QTemporaryDir m_dir;
};

FakeBlockTree &standardTree()
{
    static FakeBlockTree tree = [] {
        FakeBlockTree made;
        made.addDisk(QStringLiteral("pci0000:00/0000:00:14.0/usb2/2-1/2-1:1.0/host3/target3:0:0/3:0:0:0"),
            QStringLiteral("sdb"), QStringLiteral("8:16"), true);
        made.addPartition(
            QStringLiteral("pci0000:00/0000:00:14.0/usb2/2-1/2-1:1.0/host3/target3:0:0/3:0:0:0"),
            QStringLiteral("sdb"), QStringLiteral("sdb1"), QStringLiteral("8:17"));
        made.addDisk(QStringLiteral("pci0000:00/0000:00:1e.6/mmc_host/mmc0/mmc0:aaaa"),
            QStringLiteral("mmcblk0"), QStringLiteral("179:0"), false);
        made.addPartition(QStringLiteral("pci0000:00/0000:00:1e.6/mmc_host/mmc0/mmc0:aaaa"),
            QStringLiteral("mmcblk0"), QStringLiteral("mmcblk0p1"), QStringLiteral("179:1"));
        made.addDisk(QStringLiteral("virtual"), QStringLiteral("loop0"), QStringLiteral("7:0"), false);
        made.addDisk(QStringLiteral("pci0000:00/0000:00:17.0/ata1/host0/target0:0:0/0:0:0:0"),
            QStringLiteral("sda"), QStringLiteral("8:0"), false);
        made.addPartition(QStringLiteral("pci0000:00/0000:00:17.0/ata1/host0/target0:0:0/0:0:0:0"),
            QStringLiteral("sda"), QStringLiteral("sda2"), QStringLiteral("8:2"));
        return made;
    }();
    return tree;
}

TEST(LinuxPlatform, MountInfoIsReadWithEscapedNamesUndone)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("mountinfo"));
    writeFile(path,
        "22 1 259:2 / / rw,relatime - ext4 /dev/nvme0n1p2 rw\n"
        "97 22 0:52 / /media/me/EOS\\040DIGITAL rw,nosuid,nodev - fuseblk /dev/loop0 rw,user_id=0\n"
        "98 22 179:1 / /media/me/odd\\012name rw - vfat /dev/mmcblk0p1 rw\n");
    const QList<MountEntry> entries = LibmountMountTable(path).entries();
    ASSERT_EQ(entries.size(), 3);
    EXPECT_EQ(entries.at(1),
        (MountEntry { 97, QStringLiteral("/media/me/EOS DIGITAL"), QStringLiteral("fuseblk"),
            QStringLiteral("/dev/loop0"), 0, 52 }));
    EXPECT_EQ(entries.at(2).mountPoint, QStringLiteral("/media/me/odd\nname"));
    EXPECT_EQ(entries.at(2).major, 179u);
    EXPECT_TRUE(LibmountMountTable(dir.filePath(QStringLiteral("missing"))).entries().isEmpty());
}

TEST(LinuxPlatform, TableComparisonTellsMountsFromUnmounts)
{
    const auto entry = [](int id, const char *point) {
        return MountEntry { id, QString::fromUtf8(point), {}, {}, 0, 0 };
    };
    const QList<MountEntry> before = { entry(1, "/"), entry(5, "/media/me/A"), entry(6, "/media/me/B") };
    const QList<MountEntry> after = { entry(1, "/"), entry(7, "/media/me/B"), entry(8, "/media/me/C") };
    const LibmountMountTable::Changes changes = LibmountMountTable::compare(before, after);
    EXPECT_EQ(
        changes.unmounted, (QStringList { QStringLiteral("/media/me/A"), QStringLiteral("/media/me/B") }));
    EXPECT_EQ(
        changes.mounted, (QStringList { QStringLiteral("/media/me/B"), QStringLiteral("/media/me/C") }));
    EXPECT_TRUE(LibmountMountTable::compare(after, after).mounted.isEmpty());

    // The kernel hands a freed mount id to the next mount: a card swapped for another
    // between two readings may come back under the same id.
    const auto onDevice = [](int id, const char *point, unsigned minor) {
        return MountEntry { id, QString::fromUtf8(point), QStringLiteral("vfat"), QStringLiteral("/dev/sdb1"),
            8, minor };
    };
    const LibmountMountTable::Changes reused = LibmountMountTable::compare(
        { entry(1, "/"), onDevice(5, "/media/me/A", 17), onDevice(6, "/media/me/B", 33) },
        { entry(1, "/"), onDevice(5, "/media/me/C", 17), onDevice(6, "/media/me/B", 34) });
    EXPECT_EQ(
        reused.unmounted, (QStringList { QStringLiteral("/media/me/A"), QStringLiteral("/media/me/B") }));
    EXPECT_EQ(reused.mounted, (QStringList { QStringLiteral("/media/me/C"), QStringLiteral("/media/me/B") }));
}

TEST(LinuxPlatform, KernelMountTableReportsRealMountsAndUnmounts)
{
    QTemporaryDir dir;
    const QString point = dir.filePath(QStringLiteral("point with space"));
    QDir().mkpath(point);
    const QByteArray native = QFile::encodeName(point);
    LibmountMountTable table;
    QStringList mounted;
    QStringList unmounted;
    ASSERT_TRUE(table.startWatching([&](const QString &path) { mounted.append(path); },
        [&](const QString &path) { unmounted.append(path); }));
    if (::mount("mirvale-test", native.constData(), "tmpfs", 0, "size=64k") != 0)
        GTEST_SKIP() << "mounting needs privileges this run does not have";
    // Never leave the mount behind, even when an assertion below fails.
    const std::unique_ptr<const char, void (*)(const char *)> detach(
        native.constData(), [](const char *target) { ::umount2(target, MNT_DETACH); });
    ASSERT_TRUE(pollUntil([&] { return mounted.contains(point); }));
    ASSERT_EQ(::umount(native.constData()), 0);
    ASSERT_TRUE(pollUntil([&] { return unmounted.contains(point); }));
    table.stopWatching();
}

TEST(LinuxPlatform, UnreadableMountTableReportsNoUnmounts)
{
    // The table is read from a copy; when that copy cannot be read any more, a change must
    // not look as if every volume had been unmounted (and later mounted again).
    QTemporaryDir dir;
    const QString copy = dir.filePath(QStringLiteral("mountinfo"));
    ASSERT_TRUE(QFile::copy(QStringLiteral("/proc/self/mountinfo"), copy));
    const QString point = dir.filePath(QStringLiteral("point"));
    QDir().mkpath(point);
    const QByteArray native = QFile::encodeName(point);
    LibmountMountTable table(copy);
    QStringList mounted;
    QStringList unmounted;
    ASSERT_TRUE(table.startWatching([&](const QString &path) { mounted.append(path); },
        [&](const QString &path) { unmounted.append(path); }));
    ASSERT_TRUE(QFile::remove(copy));
    if (::mount("mirvale-test", native.constData(), "tmpfs", 0, "size=64k") != 0)
        GTEST_SKIP() << "mounting needs privileges this run does not have";
    const std::unique_ptr<const char, void (*)(const char *)> detach(
        native.constData(), [](const char *target) { ::umount2(target, MNT_DETACH); });
    // An empty path: something changed, which volume is unknown.
    ASSERT_TRUE(pollUntil([&] { return mounted.contains(QString()); }));
    EXPECT_TRUE(unmounted.isEmpty()) << unmounted.join(QLatin1Char(' ')).toStdString();
    table.stopWatching();
}

TEST(LinuxPlatform, SysfsTellsBusRemovabilityAndWholeness)
{
    const SysfsBlockDevices devices(standardTree().root());
    const struct {
        const char *name;
        const char *whole;
        bool partition, removable, ejectable;
        DiskBus bus;
    } rows[] = {
        { "sdb1", "sdb", true, true, true, DiskBus::Usb },
        { "mmcblk0p1", "mmcblk0", true, false, true, DiskBus::Mmc },
        { "loop0", "loop0", false, false, true, DiskBus::Loop },
        { "sda2", "sda", true, false, false, DiskBus::Other },
    };
    for (const auto &row : rows) {
        const auto device = devices.byName(QString::fromUtf8(row.name));
        ASSERT_TRUE(device) << row.name;
        EXPECT_EQ(device->wholeName, QString::fromUtf8(row.whole)) << row.name;
        EXPECT_EQ(device->isPartition, row.partition) << row.name;
        EXPECT_EQ(device->isRemovable, row.removable) << row.name;
        EXPECT_EQ(device->isEjectable(), row.ejectable) << row.name;
        EXPECT_EQ(device->bus, row.bus) << row.name;
    }
    EXPECT_EQ(devices.byNumber(179, 1)->name, QStringLiteral("mmcblk0p1"));
    EXPECT_FALSE(devices.byNumber(0, 52));
    for (const char *bad : { "", "..", "../../etc", "nosuch" })
        EXPECT_FALSE(devices.byName(QString::fromUtf8(bad))) << bad;
}

TEST(LinuxPlatform, FuseExfatImageIsDescribedAsAnExfatDiskImage)
{
    QTemporaryDir mountPoint;
    auto table = std::make_shared<FakeMountTable>();
    table->addEntry(mountPoint.path(), QStringLiteral("fuseblk"), QStringLiteral("/dev/loop0"));
    const auto udev = [](const QString &name) {
        QHash<QString, QString> properties;
        if (name == QLatin1String("loop0")) {
            properties.insert(QStringLiteral("ID_FS_TYPE"), QStringLiteral("exfat"));
            properties.insert(QStringLiteral("ID_FS_LABEL_ENC"), QStringLiteral("EOS\\x20DIGITAL"));
        }
        return properties;
    };
    LinuxVolumeInspector inspector(table, standardTree().root(), udev);

    const std::optional<DiskDescription> description = inspector.describeVolume(mountPoint.path());
    ASSERT_TRUE(description);
    EXPECT_EQ(description->deviceName, QStringLiteral("loop0"));
    EXPECT_EQ(description->bus, DiskBus::Loop);
    EXPECT_EQ(description->volumeKind, QStringLiteral("exfat"));
    EXPECT_EQ(description->volumeName, QStringLiteral("EOS DIGITAL"));
    EXPECT_TRUE(description->isWhole);

    const std::optional<VolumeValues> values = inspector.read(mountPoint.path());
    ASSERT_TRUE(values);
    EXPECT_EQ(values->isLocal, true);
    EXPECT_EQ(values->isEjectable, true);
    EXPECT_EQ(values->isRemovable, false);
    EXPECT_EQ(values->name, QStringLiteral("EOS DIGITAL"));
    EXPECT_GT(values->availableBytes.value_or(-1), 0);
}

TEST(LinuxPlatform, VolumeValuesByFileSystemAndDevice)
{
    QTemporaryDir a, b, c, d;
    auto table = std::make_shared<FakeMountTable>();
    table->addEntry(a.path(), QStringLiteral("vfat"), QStringLiteral("/dev/mmcblk0p1"));
    table->addEntry(b.path(), QStringLiteral("nfs4"), QStringLiteral("nas:/photos"));
    table->addEntry(c.path(), QStringLiteral("fuse.sshfs"), QStringLiteral("me@host:"));
    table->addEntry(d.path(), QStringLiteral("tmpfs"), QStringLiteral("tmpfs"));
    // FakeMountTable numbers every entry 8:17 (sdb1); the tree resolves that number.
    LinuxVolumeInspector inspector(table, standardTree().root(), {});

    const auto sd = inspector.read(a.path());
    ASSERT_TRUE(sd);
    EXPECT_EQ(sd->isRemovable, true);
    EXPECT_EQ(sd->isEjectable, true);
    for (const QString &network : { b.path(), c.path() }) {
        const auto values = inspector.read(network);
        ASSERT_TRUE(values);
        EXPECT_EQ(values->isLocal, false);
        EXPECT_FALSE(inspector.describeVolume(network));
    }
    EXPECT_FALSE(inspector.read(QStringLiteral("/nowhere/mounted")));
    EXPECT_EQ(inspector.describeVolume(a.path())->volumeKind, QStringLiteral("vfat"));
}

TEST(LinuxPlatform, FileSystemNamesAndKinds)
{
    for (const char *type : { "nfs", "nfs4", "cifs", "smb3", "fuse.sshfs", "9p", "ceph" })
        EXPECT_TRUE(LinuxVolumeInspector::isNetworkFileSystem(QString::fromUtf8(type))) << type;
    for (const char *type : { "vfat", "exfat", "fuseblk", "ext4", "tmpfs" })
        EXPECT_FALSE(LinuxVolumeInspector::isNetworkFileSystem(QString::fromUtf8(type))) << type;
    EXPECT_EQ(LinuxVolumeInspector::volumeKind(QStringLiteral("vfat")), QStringLiteral("vfat"));
    EXPECT_EQ(LinuxVolumeInspector::volumeKind(QStringLiteral("exfat")), QStringLiteral("exfat"));
    EXPECT_EQ(UdevProperties::decode(QStringLiteral("A\\x20B\\x2fC\\xzz")), QStringLiteral("A B/C\\xzz"));
    EXPECT_EQ(
        UdevProperties::decode(QStringLiteral("\\xc3\\xa9t\\xc3\\xa9")), QStringLiteral("\u00e9t\u00e9"));
}

TEST(LinuxPlatform, UDisksObjectsBecomeDiskDescriptions)
{
    const QString root = QStringLiteral("/org/freedesktop/UDisks2/");
    const auto block = [](const char *device, const char *drive, const char *type, const char *label) {
        QVariantMap map;
        map.insert(QStringLiteral("Device"), QByteArray(device) + '\0');
        map.insert(QStringLiteral("Drive"), QVariant::fromValue(QDBusObjectPath(QString::fromUtf8(drive))));
        map.insert(QStringLiteral("IdType"), QString::fromUtf8(type));
        map.insert(QStringLiteral("IdLabel"), QString::fromUtf8(label));
        map.insert(QStringLiteral("Size"), quint64(64) << 20);
        return map;
    };
    UDisksSession::ObjectMap objects;
    objects[root + QStringLiteral("drives/SD")][QStringLiteral("org.freedesktop.UDisks2.Drive")]
        = { { QStringLiteral("ConnectionBus"), QStringLiteral("sdio") },
              { QStringLiteral("MediaRemovable"), true } };
    objects[root + QStringLiteral("drives/SSD")][QStringLiteral("org.freedesktop.UDisks2.Drive")]
        = { { QStringLiteral("ConnectionBus"), QString() }, { QStringLiteral("MediaRemovable"), false } };
    auto &sd = objects[root + QStringLiteral("block_devices/mmcblk0p1")];
    sd[QStringLiteral("org.freedesktop.UDisks2.Block")]
        = block("/dev/mmcblk0p1", "/org/freedesktop/UDisks2/drives/SD", "vfat", "EOS_DIGITAL");
    sd[QStringLiteral("org.freedesktop.UDisks2.Partition")] = {};
    sd[QStringLiteral("org.freedesktop.UDisks2.Filesystem")] = { { QStringLiteral("MountPoints"),
        QVariant::fromValue(QList<QByteArray> { QByteArray("/media/me/EOS_DIGITAL") + '\0' }) } };
    auto &loop = objects[root + QStringLiteral("block_devices/loop0")];
    loop[QStringLiteral("org.freedesktop.UDisks2.Block")] = block("/dev/loop0", "/", "exfat", "CARD");
    loop[QStringLiteral("org.freedesktop.UDisks2.Loop")] = {};
    loop[QStringLiteral("org.freedesktop.UDisks2.Filesystem")] = {};
    objects[root + QStringLiteral("block_devices/nvme0n1p2")][QStringLiteral("org.freedesktop.UDisks2.Block")]
        = block("/dev/nvme0n1p2", "/org/freedesktop/UDisks2/drives/SSD", "ext4", "");

    const auto card = UDisksSession::describe(objects, root + QStringLiteral("block_devices/mmcblk0p1"));
    ASSERT_TRUE(card);
    EXPECT_EQ(card->deviceName, QStringLiteral("mmcblk0p1"));
    EXPECT_EQ(card->bus, DiskBus::Mmc);
    EXPECT_EQ(card->volumeKind, QStringLiteral("vfat"));
    EXPECT_EQ(card->volumePath, QStringLiteral("/media/me/EOS_DIGITAL"));
    EXPECT_TRUE(card->isMountable && card->isRemovable && !card->isWhole);

    const auto image = UDisksSession::describe(objects, root + QStringLiteral("block_devices/loop0"));
    ASSERT_TRUE(image);
    EXPECT_EQ(image->bus, DiskBus::Loop);
    EXPECT_TRUE(image->isEjectable && image->isWhole && image->volumePath.isEmpty());

    EXPECT_FALSE(UDisksSession::describe(objects, root + QStringLiteral("block_devices/nvme0n1p2")));
    objects[root + QStringLiteral("block_devices/loop0")][QStringLiteral("org.freedesktop.UDisks2.Block")]
           [QStringLiteral("Size")]
        = quint64(0); // a loop device with nothing attached
    EXPECT_FALSE(UDisksSession::describe(objects, root + QStringLiteral("block_devices/loop0")));
    EXPECT_FALSE(UDisksSession::describe(objects, root + QStringLiteral("drives/SD")));
}

} // namespace
