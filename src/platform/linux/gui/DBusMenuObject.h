#pragma once

#include "platform/TrayMenuEntry.h"
#include "platform/linux/gui/DBusTrayTypes.h"

#include <QList>
#include <QObject>

#include <functional>

/// The tray menu on the bus (com.canonical.dbusmenu, version 3): a flat list of entries under
/// the root. It serves the entries last handed in and never asks for fresh ones: AboutToShow
/// answers that nothing needs updating.
class DBusMenuObject final : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "com.canonical.dbusmenu")
    Q_PROPERTY(uint Version READ version)
    Q_PROPERTY(QString TextDirection READ textDirection)
    Q_PROPERTY(QString Status READ status)
    Q_PROPERTY(QStringList IconThemePath READ iconThemePath)
public:
    /// `clicked` hears the id of each entry a host says the user chose.
    explicit DBusMenuObject(std::function<void(int id)> clicked, QObject *parent = nullptr);

    /// A menu of another shape: a new revision, announced with LayoutUpdated.
    void setLayout(const QList<TrayMenuEntry> &entries);
    /// The same shape: the changed entries are sent with ItemsPropertiesUpdated.
    void updateEntries(const QList<TrayMenuEntry> &entries, const QList<int> &changedIds);

    uint version() const { return 3; }
    QString textDirection() const;
    QString status() const { return QStringLiteral("normal"); }
    QStringList iconThemePath() const { return {}; }

public Q_SLOTS:
    uint GetLayout(
        int parentId, int recursionDepth, const QStringList &propertyNames, DBusMenuLayoutItem &layout);
    DBusMenuItemPropertiesList GetGroupProperties(const QList<int> &ids, const QStringList &propertyNames);
    QDBusVariant GetProperty(int id, const QString &name);
    void Event(int id, const QString &eventId, const QDBusVariant &data, uint timestamp);
    QList<int> EventGroup(const DBusMenuEventList &events);
    bool AboutToShow(int id);
    QList<int> AboutToShowGroup(const QList<int> &ids, QList<int> &idErrors);

Q_SIGNALS:
    void LayoutUpdated(uint revision, int parent);
    void ItemsPropertiesUpdated(
        const DBusMenuItemPropertiesList &updatedProps, const DBusMenuItemKeysList &removedProps);
    void ItemActivationRequested(int id, uint timestamp);

private:
    QVariantMap propertiesOf(int id, const QStringList &names) const;
    bool has(int id) const;

    std::function<void(int)> m_clicked;
    QList<TrayMenuEntry> m_entries;
    uint m_revision = 0;
};
