#include "platform/linux/SysfsBlockDevices.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

QString readAttribute(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromUtf8(file.read(64)).trimmed();
}

bool isPlainName(const QString &name)
{
    return !name.isEmpty() && name != QLatin1String(".") && name != QLatin1String("..")
        && !name.contains(QLatin1Char('/'));
}

} // namespace

SysfsBlockDevices::SysfsBlockDevices(QString sysfsRoot)
    : m_sysfsRoot(std::move(sysfsRoot))
{
}

std::optional<SysfsBlockDevices::Device> SysfsBlockDevices::byName(const QString &name) const
{
    if (!isPlainName(name))
        return std::nullopt;
    return fromFolder(QFileInfo(m_sysfsRoot + QStringLiteral("/class/block/") + name).canonicalFilePath());
}

std::optional<SysfsBlockDevices::Device> SysfsBlockDevices::byNumber(unsigned major, unsigned minor) const
{
    if (major == 0)
        return std::nullopt;
    const QString link = m_sysfsRoot + QStringLiteral("/dev/block/%1:%2").arg(major).arg(minor);
    return fromFolder(QFileInfo(link).canonicalFilePath());
}

std::optional<SysfsBlockDevices::Device> SysfsBlockDevices::fromFolder(const QString &canonicalFolder) const
{
    if (canonicalFolder.isEmpty() || !QFileInfo(canonicalFolder).isDir())
        return std::nullopt;
    Device device;
    const QFileInfo info(canonicalFolder);
    device.name = info.fileName();
    device.isPartition = QFileInfo::exists(canonicalFolder + QStringLiteral("/partition"));
    device.wholeName = device.isPartition ? QFileInfo(info.path()).fileName() : device.name;
    const QString wholeFolder = device.isPartition ? info.path() : canonicalFolder;
    device.isRemovable = readAttribute(wholeFolder + QStringLiteral("/removable")) == QLatin1String("1");

    // The device's place in the tree names its bus: .../usb2/2-1/... or .../mmc_host/mmc0/...
    const QStringList components = canonicalFolder.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    if (device.wholeName.startsWith(QLatin1String("loop")))
        device.bus = DiskBus::Loop;
    else if (components.contains(QLatin1String("mmc_host"))
        || device.wholeName.startsWith(QLatin1String("mmcblk")))
        device.bus = DiskBus::Mmc;
    else if (std::any_of(components.cbegin(), components.cend(),
                 [](const QString &part) { return part.startsWith(QLatin1String("usb")); }))
        device.bus = DiskBus::Usb;
    return device;
}
