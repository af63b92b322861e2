#include "platform/linux/UDisksSession.h"

#include "platform/linux/DBusObjectManagerProxy.h"
#include "platform/linux/DBusPropertiesProxy.h"
#include "platform/linux/LinuxVolumeInspector.h"

#include <QDBusArgument>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusServiceWatcher>
#include <QFileInfo>

namespace {

const QString kService = QStringLiteral("org.freedesktop.UDisks2");
const QString kRoot = QStringLiteral("/org/freedesktop/UDisks2");
const QString kBlock = QStringLiteral("org.freedesktop.UDisks2.Block");
const QString kDrive = QStringLiteral("org.freedesktop.UDisks2.Drive");
const QString kFilesystem = QStringLiteral("org.freedesktop.UDisks2.Filesystem");
const QString kPartition = QStringLiteral("org.freedesktop.UDisks2.Partition");
const QString kLoop = QStringLiteral("org.freedesktop.UDisks2.Loop");

QByteArray stripNul(QByteArray bytes)
{
    while (bytes.endsWith('\0'))
        bytes.chop(1);
    return bytes;
}

/// Values of complex D-Bus types come wrapped in a QDBusArgument.
QList<QByteArray> byteArrays(const QVariant &value)
{
    QList<QByteArray> list;
    if (value.canConvert<QDBusArgument>())
        value.value<QDBusArgument>() >> list;
    else
        list = value.value<QList<QByteArray>>();
    return list;
}

QString objectPath(const QVariant &value)
{
    if (value.canConvert<QDBusObjectPath>())
        return value.value<QDBusObjectPath>().path();
    return QString();
}

/// Errors that mean the service is not on the bus (yet), as opposed to refusing us.
bool isServiceAbsent(const QDBusError &error)
{
    const QString name = error.name();
    return error.type() == QDBusError::ServiceUnknown
        || name == QLatin1String("org.freedesktop.DBus.Error.NameHasNoOwner")
        || name.startsWith(QLatin1String("org.freedesktop.DBus.Error.Spawn."));
}

} // namespace

UDisksSession::UDisksSession(QDBusConnection connection, QObject *parent)
    : QObject(parent)
    , m_connection(std::move(connection))
{
    DBusObjectManagerProxy::registerTypes();
}

UDisksSession::~UDisksSession()
{
    stop();
}

bool UDisksSession::start(Callbacks callbacks)
{
    if (m_started)
        return true;
    if (!m_connection.isConnected())
        return false;
    m_callbacks = std::move(callbacks);
    m_started = true;
    m_readyReported = false;
    m_waitingReported = false;
    followObjectManager();
    m_serviceWatcher
        = new QDBusServiceWatcher(kService, m_connection, QDBusServiceWatcher::WatchForOwnerChange, this);
    // udisks2 started late or again: follow the new owner, then read its disks.
    connect(m_serviceWatcher, &QDBusServiceWatcher::serviceRegistered, this, [this] {
        followObjectManager();
        fetchManagedObjects();
    });
    connect(
        m_serviceWatcher, &QDBusServiceWatcher::serviceUnregistered, this, &UDisksSession::serviceVanished);
    fetchManagedObjects();
    return true;
}

void UDisksSession::stop()
{
    if (!m_started)
        return;
    m_started = false;
    ++m_fetchGeneration;
    ++m_sessionGeneration;
    delete m_serviceWatcher;
    m_serviceWatcher = nullptr;
    delete m_objectManager;
    m_objectManager = nullptr;
    qDeleteAll(m_propertyWatches);
    m_propertyWatches.clear();
    m_callbacks = {};
    m_objects.clear();
    m_reported.clear();
}

bool UDisksSession::hasDisk(const QString &deviceName) const
{
    for (const DiskDescription &disk : m_reported) {
        if (disk.deviceName == deviceName)
            return true;
    }
    return false;
}

bool UDisksSession::mount(const QString &deviceName, Completion completion)
{
    return callFilesystem(deviceName, QStringLiteral("Mount"), std::move(completion));
}

bool UDisksSession::mountWithoutAsking(const QString &deviceName, Completion completion)
{
    return callFilesystem(deviceName, QStringLiteral("Mount"), std::move(completion),
        { { QStringLiteral("auth.no_user_interaction"), true } });
}

bool UDisksSession::unmount(const QString &deviceName, Completion completion)
{
    return callFilesystem(deviceName, QStringLiteral("Unmount"), std::move(completion));
}

bool UDisksSession::callFilesystem(
    const QString &deviceName, const QString &method, Completion completion, const QVariantMap &options)
{
    QString path;
    for (auto disk = m_reported.cbegin(); disk != m_reported.cend() && path.isEmpty(); ++disk) {
        if (disk->deviceName == deviceName)
            path = disk.key();
    }
    if (!m_started || path.isEmpty())
        return false;
    QDBusMessage call = QDBusMessage::createMethodCall(kService, path, kFilesystem, method);
    call << options;
    auto *watcher = new QDBusPendingCallWatcher(m_connection.asyncCall(call), this);
    const quint64 generation = m_sessionGeneration;
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
        [this, generation, completion = std::move(completion)](QDBusPendingCallWatcher *done) {
            done->deleteLater();
            if (generation != m_sessionGeneration || !completion)
                return;
            const QDBusPendingReply<> reply = *done;
            if (reply.isError())
                completion(reply.error().name() + QStringLiteral(": ") + reply.error().message());
            else
                completion(std::nullopt);
        });
    return true;
}

void UDisksSession::followObjectManager()
{
    // A proxy made while the name had no owner does not always get the new owner's signals,
    // so each owner gets a proxy of its own, made before its objects are fetched.
    delete m_objectManager;
    m_objectManager = new DBusObjectManagerProxy(kService, kRoot, m_connection, this);
    connect(m_objectManager, &DBusObjectManagerProxy::InterfacesAdded, this, &UDisksSession::interfacesAdded);
    connect(
        m_objectManager, &DBusObjectManagerProxy::InterfacesRemoved, this, &UDisksSession::interfacesRemoved);
}

void UDisksSession::fetchManagedObjects()
{
    if (!m_objectManager)
        return;
    const quint64 generation = ++m_fetchGeneration;
    auto *watcher = new QDBusPendingCallWatcher(m_objectManager->GetManagedObjects(), this);
    connect(
        watcher, &QDBusPendingCallWatcher::finished, this, [this, generation](QDBusPendingCallWatcher *done) {
            done->deleteLater();
            if (generation == m_fetchGeneration && m_started)
                managedObjectsArrived(done);
        });
}

void UDisksSession::managedObjectsArrived(QDBusPendingCallWatcher *call)
{
    const QDBusPendingReply<DBusObjectMap> reply = *call;
    if (reply.isError()) {
        const QString reason = reply.error().name() + QStringLiteral(": ") + reply.error().message();
        if (!m_readyReported && isServiceAbsent(reply.error())) {
            // Not running (yet): the service watcher fetches again when the name appears.
            if (!std::exchange(m_waitingReported, true) && m_callbacks.waiting)
                m_callbacks.waiting(reason);
            return;
        }
        if (!m_readyReported) {
            const auto failed = m_callbacks.failed;
            stop();
            if (failed)
                failed(reason);
        }
        return;
    }
    m_objects.clear();
    const DBusObjectMap objects = reply.value();
    for (auto object = objects.cbegin(); object != objects.cend(); ++object)
        m_objects.insert(object.key().path(), object.value());
    const bool firstReply = !m_readyReported;
    m_readyReported = true;
    if (watchProperties())
        scheduleCatchUpFetch();
    if (firstReply && m_callbacks.ready)
        m_callbacks.ready();
    if (m_started)
        publish();
}

void UDisksSession::serviceVanished()
{
    // Said once per departure; the next owner's first answer reports ready again.
    if (std::exchange(m_readyReported, false) && m_callbacks.departed)
        m_callbacks.departed();
    m_waitingReported = true;
    m_objects.clear();
    watchProperties();
    publish();
}

void UDisksSession::interfacesAdded(const QDBusObjectPath &path, const QMap<QString, QVariantMap> &added)
{
    if (!m_started)
        return;
    InterfaceMap &interfaces = m_objects[path.path()];
    for (auto interface = added.cbegin(); interface != added.cend(); ++interface)
        interfaces.insert(interface.key(), interface.value());
    if (watchProperties())
        scheduleCatchUpFetch();
    publish();
}

void UDisksSession::interfacesRemoved(const QDBusObjectPath &path, const QStringList &removed)
{
    if (!m_started)
        return;
    const auto object = m_objects.find(path.path());
    if (object == m_objects.end())
        return;
    for (const QString &name : removed)
        object->remove(name);
    if (object->isEmpty())
        m_objects.erase(object);
    watchProperties();
    publish();
}

void UDisksSession::propertiesChanged(
    const QString &path, const QString &interfaceName, const QVariantMap &changed)
{
    if (!m_started)
        return;
    const auto object = m_objects.find(path);
    if (object == m_objects.end() || !object->contains(interfaceName))
        return;
    QVariantMap &properties = (*object)[interfaceName];
    for (auto property = changed.cbegin(); property != changed.cend(); ++property)
        properties.insert(property.key(), property.value());
    publish();
}

bool UDisksSession::watchProperties()
{
    for (auto watch = m_propertyWatches.begin(); watch != m_propertyWatches.end();) {
        if (m_objects.contains(watch.key())) {
            ++watch;
        } else {
            delete watch.value();
            watch = m_propertyWatches.erase(watch);
        }
    }
    bool added = false;
    for (auto object = m_objects.cbegin(); object != m_objects.cend(); ++object) {
        if (m_propertyWatches.contains(object.key()))
            continue;
        const QString path = object.key();
        auto *proxy = new DBusPropertiesProxy(kService, path, m_connection, this);
        connect(proxy, &DBusPropertiesProxy::PropertiesChanged, this,
            [this, path](const QString &interfaceName, const QVariantMap &changed, const QStringList &) {
                propertiesChanged(path, interfaceName, changed);
            });
        m_propertyWatches.insert(path, proxy);
        added = true;
    }
    return added;
}

void UDisksSession::scheduleCatchUpFetch()
{
    // One fetch for every object followed in this turn of the event loop.
    if (std::exchange(m_catchUpScheduled, true))
        return;
    const quint64 generation = m_sessionGeneration;
    QMetaObject::invokeMethod(
        this,
        [this, generation] {
            m_catchUpScheduled = false;
            if (m_started && generation == m_sessionGeneration)
                fetchManagedObjects();
        },
        Qt::QueuedConnection);
}

void UDisksSession::publish()
{
    QHash<QString, DiskDescription> current;
    for (auto object = m_objects.cbegin(); object != m_objects.cend(); ++object) {
        if (std::optional<DiskDescription> description = describe(m_objects, object.key()))
            current.insert(object.key(), *description);
    }
    const QHash<QString, DiskDescription> previous = std::exchange(m_reported, current);
    // Copies: a callback may stop the session.
    const Callbacks callbacks = m_callbacks;
    for (auto old = previous.cbegin(); old != previous.cend(); ++old) {
        if (!current.contains(old.key()) && callbacks.disappeared)
            callbacks.disappeared(old.value().deviceName);
    }
    for (auto now = current.cbegin(); now != current.cend(); ++now) {
        const auto old = previous.constFind(now.key());
        if (old == previous.cend()) {
            if (callbacks.appeared)
                callbacks.appeared(now.value());
        } else if (*old != now.value() && callbacks.descriptionChanged) {
            callbacks.descriptionChanged(now.value());
        }
    }
}

std::optional<DiskDescription> UDisksSession::describe(const ObjectMap &objects, const QString &blockPath)
{
    const InterfaceMap interfaces = objects.value(blockPath);
    if (!interfaces.contains(kBlock))
        return std::nullopt;
    const QVariantMap block = interfaces.value(kBlock);
    const QVariantMap drive = objects.value(objectPath(block.value(QStringLiteral("Drive")))).value(kDrive);
    const bool isLoop = interfaces.contains(kLoop);

    DiskDescription description;
    description.deviceName
        = QFileInfo(QString::fromLocal8Bit(stripNul(block.value(QStringLiteral("Device")).toByteArray())))
              .fileName();
    // udisks2 lists every loop device, attached or not; only an attached image is a disk.
    if (description.deviceName.isEmpty()
        || (isLoop && block.value(QStringLiteral("Size")).toULongLong() == 0))
        return std::nullopt;
    description.isRemovable = drive.value(QStringLiteral("MediaRemovable")).toBool()
        || drive.value(QStringLiteral("Removable")).toBool();
    description.isEjectable = drive.value(QStringLiteral("Ejectable")).toBool() || isLoop;
    if (!description.isRemovable && !description.isEjectable)
        return std::nullopt;

    const QString bus = drive.value(QStringLiteral("ConnectionBus")).toString();
    if (isLoop)
        description.bus = DiskBus::Loop;
    else if (bus == QLatin1String("sdio") || description.deviceName.startsWith(QLatin1String("mmcblk")))
        description.bus = DiskBus::Mmc;
    else if (bus == QLatin1String("usb"))
        description.bus = DiskBus::Usb;

    description.volumeName = block.value(QStringLiteral("IdLabel")).toString();
    description.volumeKind
        = LinuxVolumeInspector::volumeKind(block.value(QStringLiteral("IdType")).toString());
    description.isMountable = interfaces.contains(kFilesystem);
    if (description.isMountable) {
        const QList<QByteArray> mountPoints
            = byteArrays(interfaces.value(kFilesystem).value(QStringLiteral("MountPoints")));
        if (!mountPoints.isEmpty())
            description.volumePath = QString::fromLocal8Bit(stripNul(mountPoints.first()));
    }
    description.isWhole = !interfaces.contains(kPartition);
    description.hintAuto = block.value(QStringLiteral("HintAuto")).toBool();
    description.hintSystem = block.value(QStringLiteral("HintSystem")).toBool();
    description.hintIgnore = block.value(QStringLiteral("HintIgnore")).toBool();
    return description;
}
