#include "FakeUDisks.h"

#include <QDBusMessage>
#include <QDBusVariant>

#include <atomic>

namespace {
const QString kService = QStringLiteral("org.freedesktop.UDisks2");
const QString kRoot = QStringLiteral("/org/freedesktop/UDisks2");

QString nextConnectionName()
{
    static std::atomic<int> count { 0 };
    return QStringLiteral("mirvale-fake-udisks-%1").arg(++count);
}
} // namespace

FakeUDisks::FakeUDisks()
    : m_connectionName(nextConnectionName())
    , m_connection(QDBusConnection::connectToBus(QDBusConnection::SessionBus, m_connectionName))
{
    DBusObjectManagerProxy::registerTypes();
    m_connection.registerObject(kRoot, this, QDBusConnection::ExportScriptableSlots);
}

FakeUDisks::~FakeUDisks()
{
    stop();
    m_connection.unregisterObject(kRoot);
    m_connection = QDBusConnection(QString());
    QDBusConnection::disconnectFromBus(m_connectionName);
}

bool FakeUDisks::start()
{
    return m_connection.registerService(kService);
}

void FakeUDisks::stop()
{
    m_connection.unregisterService(kService);
}

DBusObjectMap FakeUDisks::GetManagedObjects()
{
    return m_objects;
}

void FakeUDisks::addObject(const QString &path, const DBusInterfaceMap &interfaces)
{
    m_objects.insert(QDBusObjectPath(path), interfaces);
    QDBusMessage signal = QDBusMessage::createSignal(
        kRoot, QStringLiteral("org.freedesktop.DBus.ObjectManager"), QStringLiteral("InterfacesAdded"));
    signal << QVariant::fromValue(QDBusObjectPath(path)) << QVariant::fromValue(interfaces);
    m_connection.send(signal);
}

void FakeUDisks::changeProperty(
    const QString &path, const QString &interface, const QString &name, const QVariant &value)
{
    m_objects[QDBusObjectPath(path)][interface].insert(name, value);
    QDBusMessage signal = QDBusMessage::createSignal(
        path, QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("PropertiesChanged"));
    signal << interface << QVariantMap { { name, value } } << QStringList();
    m_connection.send(signal);
}
