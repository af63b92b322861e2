#include "app/SingleInstance.h"

#include "app/ControlInterface.h"

#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusReply>

namespace {
constexpr int kAskTimeoutMs = 5000;
}

SingleInstance::Claim SingleInstance::claim(QDBusConnection connection)
{
    if (!connection.isConnected() || !connection.interface())
        return Claim::Unavailable;
    const QDBusReply<QDBusConnectionInterface::RegisterServiceReply> reply
        = connection.interface()->registerService(ControlInterface::kServiceName,
            QDBusConnectionInterface::DontQueueService, QDBusConnectionInterface::DontAllowReplacement);
    if (!reply.isValid())
        return Claim::Unavailable;
    return reply.value() == QDBusConnectionInterface::ServiceRegistered ? Claim::Owned
                                                                        : Claim::AlreadyRunning;
}

bool SingleInstance::showSettingsInRunningInstance(QDBusConnection connection)
{
    QDBusMessage call = QDBusMessage::createMethodCall(ControlInterface::kServiceName,
        ControlInterface::kObjectPath, ControlInterface::kInterfaceName, QStringLiteral("ShowSettings"));
    call << false;
    const QDBusMessage reply = connection.call(call, QDBus::Block, kAskTimeoutMs);
    return reply.type() == QDBusMessage::ReplyMessage;
}
