#pragma once

#include "platform/linux/DBusObjectManagerProxy.h"

#include <QDBusConnection>
#include <QObject>

/// A stand-in for udisks2 on the test's session bus: owns org.freedesktop.UDisks2 through a
/// connection of its own while started, answers GetManagedObjects with the objects the test
/// set and sends the object manager's and the properties' signals on request. It answers on
/// the thread it lives on, so that thread must run its event loop.
class FakeUDisks final : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.DBus.ObjectManager")
public:
    FakeUDisks();
    ~FakeUDisks() override;

    /// Takes the name, as udisks2 does when it starts; false when that failed.
    bool start();
    /// Gives the name up, as udisks2 does when it stops.
    void stop();

    void setObjects(DBusObjectMap objects) { m_objects = std::move(objects); }
    void addObject(const QString &path, const DBusInterfaceMap &interfaces);
    void changeProperty(
        const QString &path, const QString &interface, const QString &name, const QVariant &value);

public slots:
    Q_SCRIPTABLE DBusObjectMap GetManagedObjects();

private:
    QString m_connectionName;
    QDBusConnection m_connection;
    DBusObjectMap m_objects;
};
