#pragma once

#include "platform/DiskSession.h"

#include <QDBusConnection>
#include <QHash>
#include <QMap>
#include <QObject>
#include <QVariantMap>

#include <memory>

class DBusObjectManagerProxy;
class DBusPropertiesProxy;
class QDBusObjectPath;
class QDBusPendingCallWatcher;
class QDBusServiceWatcher;

/// The disk session over udisks2 on the system bus: its object manager's signals are the
/// appeared, disappeared and description-changed reports, for removable or ejectable media.
/// When udisks2 is not running at start the session waits for it, and it follows the service
/// through restarts.
class UDisksSession final : public QObject, public DiskSession {
    Q_OBJECT
public:
    using InterfaceMap = QMap<QString, QVariantMap>;
    using ObjectMap = QMap<QString, InterfaceMap>; ///< by object path

    /// `connection` is normally QDBusConnection::systemBus().
    explicit UDisksSession(QDBusConnection connection, QObject *parent = nullptr);
    ~UDisksSession() override;

    bool start(Callbacks callbacks) override;
    void stop() override;
    bool hasDisk(const QString &deviceName) const override;
    bool mount(const QString &deviceName, Completion completion) override;
    bool unmount(const QString &deviceName, Completion completion) override;
    bool mountWithoutAsking(const QString &deviceName, Completion completion) override;

    /// The description udisks2's objects give for one block object; absent when the object is
    /// no block device or its medium is neither removable nor ejectable.
    static std::optional<DiskDescription> describe(const ObjectMap &objects, const QString &blockPath);

private:
    void interfacesAdded(const QDBusObjectPath &path, const QMap<QString, QVariantMap> &interfaces);
    void interfacesRemoved(const QDBusObjectPath &path, const QStringList &interfaces);
    void propertiesChanged(const QString &path, const QString &interface, const QVariantMap &changed);
    /// Follows PropertiesChanged of every known object; true when it began to follow new ones.
    bool watchProperties();
    /// A second look after new objects are followed, for changes made before that.
    void scheduleCatchUpFetch();
    void followObjectManager();
    void fetchManagedObjects();
    void managedObjectsArrived(QDBusPendingCallWatcher *call);
    void serviceVanished();
    void publish();
    bool callFilesystem(const QString &deviceName, const QString &method, Completion completion,
        const QVariantMap &options = {});

    QDBusConnection m_connection;
    Callbacks m_callbacks;
    bool m_started = false;
    bool m_readyReported = false;
    bool m_waitingReported = false;
    bool m_catchUpScheduled = false;
    quint64 m_fetchGeneration = 0; // a reply to an older fetch is stale
    quint64 m_sessionGeneration = 0; // mount replies after a stop are dropped
    ObjectMap m_objects;
    QHash<QString, DiskDescription> m_reported; ///< by object path
    QDBusServiceWatcher *m_serviceWatcher = nullptr;
    DBusObjectManagerProxy *m_objectManager = nullptr;
    QHash<QString, DBusPropertiesProxy *> m_propertyWatches; ///< by object path
};
