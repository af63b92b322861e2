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
    qDBusRegisterMetaType<QVariantMap>();
    qDBusRegisterMetaType<DBusInterfaceMap>();
    qDBusRegisterMetaType<DBusObjectMap>();
}
