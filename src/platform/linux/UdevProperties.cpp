#include "platform/linux/UdevProperties.h"

#include <QFile>

#include <blkid/blkid.h>

#include <libudev.h>

#include <mutex>

namespace {

/// Without a running udev daemon (containers, early boot, CI) the database has no file
/// system entries; read the type and label from the device itself, as udev would.
void addProbedFileSystem(QHash<QString, QString> &properties, const QString &deviceName)
{
    if (deviceName.isEmpty() || deviceName.contains(QLatin1Char('/')))
        return;
    const QByteArray path = QFile::encodeName(QStringLiteral("/dev/") + deviceName);
    blkid_probe probe = blkid_new_probe_from_filename(path.constData());
    if (!probe)
        return;
    blkid_probe_enable_superblocks(probe, 1);
    blkid_probe_set_superblocks_flags(probe, BLKID_SUBLKS_TYPE | BLKID_SUBLKS_LABEL);
    if (blkid_do_safeprobe(probe) == 0) {
        const char *value = nullptr;
        if (blkid_probe_lookup_value(probe, "TYPE", &value, nullptr) == 0 && value)
            properties.insert(QStringLiteral("ID_FS_TYPE"), QString::fromUtf8(value));
        if (blkid_probe_lookup_value(probe, "LABEL", &value, nullptr) == 0 && value)
            properties.insert(QStringLiteral("ID_FS_LABEL"), QString::fromUtf8(value));
    }
    blkid_free_probe(probe);
}

void readUdevDatabase(QHash<QString, QString> &properties, const QString &deviceName)
{
    udev *context = udev_new();
    if (!context)
        return;
    const QByteArray name = QFile::encodeName(deviceName);
    if (udev_device *device = udev_device_new_from_subsystem_sysname(context, "block", name.constData())) {
        for (udev_list_entry *entry = udev_device_get_properties_list_entry(device); entry;
             entry = udev_list_entry_get_next(entry)) {
            const char *value = udev_list_entry_get_value(entry);
            properties.insert(QString::fromUtf8(udev_list_entry_get_name(entry)),
                value ? QString::fromUtf8(value) : QString());
        }
        udev_device_unref(device);
    }
    udev_unref(context);
}

} // namespace

QHash<QString, QString> UdevProperties::forBlockDevice(const QString &deviceName)
{
    QHash<QString, QString> properties;
    {
        // libudev sets up process-wide state (its hash seed) without a lock, and cards are read
        // side by side; the lookups take turns. They read udev's database and sysfs only, never
        // the card, so a card that hangs cannot hold the lock.
        static std::mutex lookups;
        std::lock_guard lock(lookups);
        readUdevDatabase(properties, deviceName);
    }
    if (!properties.contains(QStringLiteral("ID_FS_TYPE")))
        addProbedFileSystem(properties, deviceName);
    return properties;
}

QString UdevProperties::decode(const QString &encoded)
{
    const QByteArray in = encoded.toUtf8();
    QByteArray out;
    out.reserve(in.size());
    for (qsizetype i = 0; i < in.size(); ++i) {
        if (in[i] == '\\' && i + 3 < in.size() && in[i + 1] == 'x') {
            bool ok = false;
            const int byte = in.mid(i + 2, 2).toInt(&ok, 16);
            if (ok) {
                out.append(char(byte));
                i += 3;
                continue;
            }
        }
        out.append(in[i]);
    }
    return QString::fromUtf8(out);
}

QString UdevProperties::label(const QHash<QString, QString> &properties)
{
    const QString encoded = properties.value(QStringLiteral("ID_FS_LABEL_ENC"));
    if (!encoded.isEmpty())
        return decode(encoded);
    return properties.value(QStringLiteral("ID_FS_LABEL"));
}
