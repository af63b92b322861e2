#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

#include <chrono>
#include <functional>
#include <optional>

/// The desktop's notification server. Calls never wait; replies and events come on the main
/// thread.
class DesktopNotifications : public QObject {
    Q_OBJECT
public:
    struct Notification {
        QString summary;
        QString body;
        /// A themed icon, by name.
        QString iconName;
        /// "device.added", "device.error"...
        QString category;
        /// Action keys and their labels, in pairs, key first.
        QStringList actions;
        /// The notification this one replaces; 0 for a new one.
        uint replacesId = 0;
        /// How long the server shows it; negative: the server decides.
        std::chrono::milliseconds expiry { -1 };
    };

    /// What the server can do ("actions", "body-markup"...); absent when no server answers.
    using CapabilitiesReply = std::function<void(const std::optional<QStringList> &capabilities)>;
    /// The notification's id, or absent with the server's (or the bus's) error.
    using NotifyReply = std::function<void(std::optional<uint> id, const QString &error)>;

    using QObject::QObject;
    ~DesktopNotifications() override = default;

    virtual void capabilities(CapabilitiesReply reply) = 0;
    virtual void notify(const Notification &notification, NotifyReply reply) = 0;
signals:
    /// The user chose the action `key` of notification `id`.
    void actionInvoked(uint id, const QString &key);
    /// Notification `id` is gone: expired, dismissed or closed.
    void closed(uint id);
};
