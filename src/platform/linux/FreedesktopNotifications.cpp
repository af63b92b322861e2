#include "platform/linux/FreedesktopNotifications.h"

#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QVariantMap>

#include <algorithm>
#include <limits>

namespace {

const QString kPath = QStringLiteral("/org/freedesktop/Notifications");
const QString kInterface = QStringLiteral("org.freedesktop.Notifications");

} // namespace

FreedesktopNotifications::FreedesktopNotifications(
    QDBusConnection bus, Identity identity, QString service, QObject *parent)
    : DesktopNotifications(parent)
    , m_bus(std::move(bus))
    , m_identity(std::move(identity))
    , m_service(std::move(service))
{
    if (!m_bus.isConnected())
        return;
    m_bus.connect(m_service, kPath, kInterface, QStringLiteral("ActionInvoked"), this,
        SLOT(onActionInvoked(QDBusMessage)));
    m_bus.connect(m_service, kPath, kInterface, QStringLiteral("NotificationClosed"), this,
        SLOT(onClosed(QDBusMessage)));
}

void FreedesktopNotifications::capabilities(CapabilitiesReply reply)
{
    const QDBusMessage call
        = QDBusMessage::createMethodCall(m_service, kPath, kInterface, QStringLiteral("GetCapabilities"));
    auto *watcher = new QDBusPendingCallWatcher(m_bus.asyncCall(call), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
        [reply = std::move(reply)](QDBusPendingCallWatcher *finished) {
            finished->deleteLater();
            const QDBusPendingReply<QStringList> answer = *finished;
            if (answer.isError())
                reply(std::nullopt);
            else
                reply(answer.value());
        });
}

void FreedesktopNotifications::notify(const Notification &notification, NotifyReply reply)
{
    QDBusMessage call
        = QDBusMessage::createMethodCall(m_service, kPath, kInterface, QStringLiteral("Notify"));
    QVariantMap hints;
    hints.insert(QStringLiteral("desktop-entry"), m_identity.desktopEntry);
    if (!notification.category.isEmpty())
        hints.insert(QStringLiteral("category"), notification.category);
    const qint64 expiry = notification.expiry.count();
    call.setArguments({ m_identity.appName, notification.replacesId, notification.iconName,
        notification.summary, notification.body, notification.actions, hints,
        static_cast<int>(std::clamp<qint64>(expiry, -1, std::numeric_limits<int>::max())) });
    auto *watcher = new QDBusPendingCallWatcher(m_bus.asyncCall(call), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
        [reply = std::move(reply)](QDBusPendingCallWatcher *finished) {
            finished->deleteLater();
            const QDBusPendingReply<uint> answer = *finished;
            if (answer.isError())
                reply(std::nullopt, answer.error().name() + QStringLiteral(": ") + answer.error().message());
            else
                reply(answer.value(), QString());
        });
}

void FreedesktopNotifications::onActionInvoked(const QDBusMessage &message)
{
    const QList<QVariant> arguments = message.arguments();
    if (arguments.size() >= 2)
        emit actionInvoked(arguments.at(0).toUInt(), arguments.at(1).toString());
}

void FreedesktopNotifications::onClosed(const QDBusMessage &message)
{
    const QList<QVariant> arguments = message.arguments();
    if (!arguments.isEmpty())
        emit closed(arguments.at(0).toUInt());
}
