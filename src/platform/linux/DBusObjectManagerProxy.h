#pragma once

#include <QDBusAbstractInterface>
#include <QDBusObjectPath>
#include <QDBusPendingReply>
#include <QMap>
#include <QStringList>
#include <QVariantMap>

/// A service's object tree as org.freedesktop.DBus.ObjectManager reports it.
using DBusInterfaceMap = QMap<QString, QVariantMap>; ///< by interface name
using DBusObjectMap = QMap<QDBusObjectPath, DBusInterfaceMap>; ///< by object path

/// Typed calls and signals of org.freedesktop.DBus.ObjectManager on one object of a service.
/// Its signals keep arriving when the service starts later or again.
class DBusObjectManagerProxy final : public QDBusAbstractInterface {
    Q_OBJECT
public:
    DBusObjectManagerProxy(const QString &service, const QString &path, const QDBusConnection &connection,
        QObject *parent = nullptr);

    QDBusPendingReply<DBusObjectMap> GetManagedObjects();

    /// Registers the D-Bus types above; called by the constructor, safe to call again.
    static void registerTypes();

signals:
    void InterfacesAdded(const QDBusObjectPath &path, const DBusInterfaceMap &interfaces);
    void InterfacesRemoved(const QDBusObjectPath &path, const QStringList &interfaces);
};

Q_DECLARE_METATYPE(DBusInterfaceMap)
Q_DECLARE_METATYPE(DBusObjectMap)
