#pragma once

#include "platform/DesktopNotifications.h"

#include <QDBusConnection>
#include <QObject>

class QDBusMessage;

/// The notification server on the session bus (org.freedesktop.Notifications), called
/// asynchronously. Every notification names the application and its desktop entry.
class FreedesktopNotifications final : public DesktopNotifications {
    Q_OBJECT
public:
    static constexpr const char *kService = "org.freedesktop.Notifications";

    struct Identity {
        QString appName;
        QString desktopEntry;
    };

    FreedesktopNotifications(QDBusConnection bus, Identity identity,
        QString service = QString::fromLatin1(kService), QObject *parent = nullptr);

    void capabilities(CapabilitiesReply reply) override;
    void notify(const Notification &notification, NotifyReply reply) override;

private Q_SLOTS:
    // Qt's D-Bus signal hook-up takes a slot signature; there is no member-pointer form.
    void onActionInvoked(const QDBusMessage &message);
    void onClosed(const QDBusMessage &message);

private:
    QDBusConnection m_bus;
    Identity m_identity;
    QString m_service;
};
