#include "common/FakeFileManager.h"

#include <atomic>

namespace {
const QString kService = QStringLiteral("org.freedesktop.FileManager1");
const QString kPath = QStringLiteral("/org/freedesktop/FileManager1");

QString nextConnectionName()
{
    static std::atomic<int> count { 0 };
    return QStringLiteral("mirvale-fake-file-manager-%1").arg(++count);
}
} // namespace

FakeFileManager::FakeFileManager(CallHandler onCall, QObject *parent)
    : QObject(parent)
    , m_connectionName(nextConnectionName())
    , m_connection(QDBusConnection::connectToBus(QDBusConnection::SessionBus, m_connectionName))
    , m_onCall(std::move(onCall))
{
    m_registered = m_connection.isConnected()
        && m_connection.registerObject(kPath, this, QDBusConnection::ExportScriptableSlots)
        && m_connection.registerService(kService);
}

FakeFileManager::~FakeFileManager()
{
    m_connection.unregisterService(kService);
    m_connection.unregisterObject(kPath);
    m_connection = QDBusConnection(QString());
    QDBusConnection::disconnectFromBus(m_connectionName);
}

void FakeFileManager::setErrorReply(const QString &name, const QString &message, const QString &method)
{
    m_errorName = name;
    m_errorMessage = message;
    m_errorMethod = method;
}

void FakeFileManager::ShowFolders(const QStringList &uris, const QString &startupId)
{
    m_lastStartupId = startupId;
    record(QStringLiteral("ShowFolders"), uris);
}

void FakeFileManager::ShowItems(const QStringList &uris, const QString &startupId)
{
    m_lastStartupId = startupId;
    record(QStringLiteral("ShowItems"), uris);
}

void FakeFileManager::ShowItemProperties(const QStringList &uris, const QString &)
{
    record(QStringLiteral("ShowItemProperties"), uris);
}

void FakeFileManager::record(const QString &method, const QStringList &uris)
{
    const QString line = method + QLatin1Char(' ') + uris.join(QLatin1Char(' '));
    m_calls.append(line);
    if (m_onCall)
        m_onCall(line);
    if (m_silent)
        setDelayedReply(true); // and never answer
    else if (!m_errorName.isEmpty() && (m_errorMethod.isEmpty() || m_errorMethod == method))
        sendErrorReply(m_errorName, m_errorMessage);
}
