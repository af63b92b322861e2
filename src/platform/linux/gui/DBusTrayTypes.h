#pragma once

#include <QByteArray>
#include <QDBusArgument>
#include <QDBusVariant>
#include <QList>
#include <QString>
#include <QStringList>
#include <QVariantMap>

// The structures that StatusNotifierItem and DBusMenu put on the bus, each with its D-Bus
// signature.

/// (ia{sv}av): an entry and, as variants, its children.
struct DBusMenuLayoutItem {
    int id = 0;
    QVariantMap properties;
    QList<DBusMenuLayoutItem> children;
};

/// (ia{sv})
struct DBusMenuItemProperties {
    int id = 0;
    QVariantMap properties;
};

/// (ias)
struct DBusMenuItemKeys {
    int id = 0;
    QStringList properties;
};

/// (isvu)
struct DBusMenuEvent {
    int id = 0;
    QString eventId;
    QDBusVariant data;
    uint timestamp = 0;
};

/// (iiay)
struct DBusTrayImage {
    int width = 0;
    int height = 0;
    QByteArray argb;
};

/// (sa(iiay)ss)
struct DBusTrayToolTip {
    QString iconName;
    QList<DBusTrayImage> images;
    QString title;
    QString description;
};

using DBusMenuItemPropertiesList = QList<DBusMenuItemProperties>;
using DBusMenuItemKeysList = QList<DBusMenuItemKeys>;
using DBusMenuEventList = QList<DBusMenuEvent>;
using DBusTrayImageList = QList<DBusTrayImage>;
using DBusMenuShortcut = QList<QStringList>;

Q_DECLARE_METATYPE(DBusMenuLayoutItem)
Q_DECLARE_METATYPE(DBusMenuItemProperties)
Q_DECLARE_METATYPE(DBusMenuItemKeys)
Q_DECLARE_METATYPE(DBusMenuEvent)
Q_DECLARE_METATYPE(DBusTrayImage)
Q_DECLARE_METATYPE(DBusTrayToolTip)

QDBusArgument &operator<<(QDBusArgument &argument, const DBusMenuLayoutItem &item);
const QDBusArgument &operator>>(const QDBusArgument &argument, DBusMenuLayoutItem &item);
QDBusArgument &operator<<(QDBusArgument &argument, const DBusMenuItemProperties &item);
const QDBusArgument &operator>>(const QDBusArgument &argument, DBusMenuItemProperties &item);
QDBusArgument &operator<<(QDBusArgument &argument, const DBusMenuItemKeys &item);
const QDBusArgument &operator>>(const QDBusArgument &argument, DBusMenuItemKeys &item);
QDBusArgument &operator<<(QDBusArgument &argument, const DBusMenuEvent &event);
const QDBusArgument &operator>>(const QDBusArgument &argument, DBusMenuEvent &event);
QDBusArgument &operator<<(QDBusArgument &argument, const DBusTrayImage &image);
const QDBusArgument &operator>>(const QDBusArgument &argument, DBusTrayImage &image);
QDBusArgument &operator<<(QDBusArgument &argument, const DBusTrayToolTip &toolTip);
const QDBusArgument &operator>>(const QDBusArgument &argument, DBusTrayToolTip &toolTip);

/// Registers the types above with Qt's D-Bus type system; once is enough, more is harmless.
void registerDBusTrayTypes();
