#include "platform/linux/DBusObjectManagerProxy.h"

#include <QDBusMetaType>

DBusObjectManagerProxy::DBusObjectManagerProxy(
    const QString &service, const QString &path, const QDBusConnection &connection, QObject *parent)
    : QDBusAbstractInterface(service, path, "org.freedesktop.DBus.ObjectManager", connection, parent)
{
    registerTypes();
}

QDBusPendingReply<DBusObjectMap> DBusObjectManagerProxy::GetManagedObjects()
{
    return asyncCallWithArgumentList(QStringLiteral("GetManagedObjects"), {});
}

void DBusObjectManagerProxy::registerTypes()
{
    // QtDBus finds a signal's parameter types by name: until the object path type is registered
    // by name, InterfacesAdded and InterfacesRemoved are silently never connected.
    qRegisterMetaType<QDBusObjectPath>();
    qDBusRegisterMetaType<QVariantMap>();
    qDBusRegisterMetaType<DBusInterfaceMap>();
    qDBusRegisterMetaType<DBusObjectMap>();
}
