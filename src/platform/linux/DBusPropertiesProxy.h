#pragma once

#include <QDBusAbstractInterface>
#include <QStringList>
#include <QVariantMap>

/// The PropertiesChanged signal of org.freedesktop.DBus.Properties on one object of a service.
class DBusPropertiesProxy final : public QDBusAbstractInterface {
    Q_OBJECT
public:
    DBusPropertiesProxy(const QString &service, const QString &path, const QDBusConnection &connection,
        QObject *parent = nullptr);

signals:
    void PropertiesChanged(
        const QString &interface, const QVariantMap &changed, const QStringList &invalidated);
};
