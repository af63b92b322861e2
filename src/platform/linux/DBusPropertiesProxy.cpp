#include "platform/linux/DBusPropertiesProxy.h"

#include <QDBusMetaType>

DBusPropertiesProxy::DBusPropertiesProxy(
    const QString &service, const QString &path, const QDBusConnection &connection, QObject *parent)
    : QDBusAbstractInterface(service, path, "org.freedesktop.DBus.Properties", connection, parent)
{
    qDBusRegisterMetaType<QVariantMap>();
}
