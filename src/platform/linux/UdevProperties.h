#pragma once

#include <QHash>
#include <QString>

#include <functional>

/// udev's database entries for block devices (ID_FS_TYPE, ID_FS_LABEL_ENC, ...).
namespace UdevProperties {

/// Looks a block device up by kernel name; answers an empty map when udev does not know it.
using Lookup = std::function<QHash<QString, QString>(const QString &deviceName)>;

/// The real lookup through libudev. Safe from any thread (each call opens its own context).
QHash<QString, QString> forBlockDevice(const QString &deviceName);

/// Undoes udev's "\x20"-style escaping of ID_FS_LABEL_ENC.
QString decode(const QString &encoded);

/// The volume's label from the properties, preferring the exact encoded form.
QString label(const QHash<QString, QString> &properties);

} // namespace UdevProperties
