#include "platform/linux/FreedesktopNotifications.h"

#include "common/PollUntil.h"

#include <QDBusArgument>
#include <QDBusMessage>
#include <QDBusVirtualObject>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

const QString kPath = u"/org/freedesktop/Notifications"_s;

/// A scripted notification server without "actions", on a connection of its own.
class ScriptedServer final : public QDBusVirtualObject {
public:
    explicit ScriptedServer(const QString &name)
        : m_bus(QDBusConnection::connectToBus(QDBusConnection::SessionBus, name))
    {
        m_bus.registerVirtualObject(kPath, this);
        m_bus.registerService(name);
    }
    ~ScriptedServer() override { QDBusConnection::disconnectFromBus(m_bus.name()); }
    QString introspect(const QString &) const override { return {}; }
    bool handleMessage(const QDBusMessage &message, const QDBusConnection &connection) override
    {
        if (message.member() == u"Notify"_s)
            calls.append(message.arguments());
        connection.send(message.member() == u"Notify"_s ? message.createReply(uint(40 + calls.size()))
                                                        : message.createReply(QStringList { u"body"_s }));
        return true;
    }
    void emitSignal(const QString &member, const QVariantList &arguments)
    {
        QDBusMessage signal = QDBusMessage::createSignal(kPath, u"org.freedesktop.Notifications"_s, member);
        signal.setArguments(arguments);
        m_bus.send(signal);
    }
    QList<QVariantList> calls;

private:
    QDBusConnection m_bus;
};

TEST(FreedesktopNotifications, SendsNotifyWithItsIdentityAndHearsTheServersSignals)
{
    const QString name = u"io.github.mirvale.test.Notifications"_s;
    FreedesktopNotifications client(
        QDBusConnection::sessionBus(), { u"Mirvale"_s, u"io.github.mirvale.Mirvale"_s }, name);
    std::optional<std::optional<QStringList>> capabilities;
    const auto ask = [&] {
        capabilities.reset();
        client.capabilities([&](const std::optional<QStringList> &answer) { capabilities = answer; });
        return pollUntil([&] { return capabilities.has_value(); });
    };
    ASSERT_TRUE(ask());
    EXPECT_EQ(*capabilities, std::nullopt) << "no server yet";
    ScriptedServer server(name);
    ASSERT_TRUE(ask());
    EXPECT_EQ(*capabilities, QStringList { u"body"_s });

    DesktopNotifications::Notification notification { u"EOS_DIGITAL"_s, u"Opened DCIM"_s,
        u"mirvale-tray-symbolic"_s, u"device.added"_s, {}, 7, std::chrono::milliseconds(8000) };
    std::optional<uint> id;
    client.notify(notification, [&](std::optional<uint> answer, const QString &) { id = answer; });
    ASSERT_TRUE(pollUntil([&] { return id.has_value(); }));
    EXPECT_EQ(*id, 41u);
    ASSERT_EQ(server.calls.size(), 1);
    QVariantList call = server.calls[0];
    ASSERT_EQ(call.size(), 8);
    const QVariantMap hints = qdbus_cast<QVariantMap>(call[6]);
    EXPECT_EQ(qdbus_cast<QStringList>(call[5]), QStringList());
    call.remove(5, 2);
    EXPECT_EQ(call,
        QVariantList(
            { u"Mirvale"_s, 7u, u"mirvale-tray-symbolic"_s, u"EOS_DIGITAL"_s, u"Opened DCIM"_s, 8000 }));
    EXPECT_EQ(hints,
        QVariantMap({ { u"category"_s, u"device.added"_s },
            { u"desktop-entry"_s, u"io.github.mirvale.Mirvale"_s } }));

    QStringList heard;
    client.setOnActionInvoked(
        [&](uint which, const QString &key) { heard.append(QString::number(which) + key); });
    client.setOnClosed([&](uint which) { heard.append(QString::number(which) + u" closed"_s); });
    server.emitSignal(u"ActionInvoked"_s, { uint(41), u"unmount"_s });
    server.emitSignal(u"NotificationClosed"_s, { uint(41), uint(2) });
    ASSERT_TRUE(pollUntil([&] { return heard.size() == 2; }));
    EXPECT_EQ(heard, QStringList({ u"41unmount"_s, u"41 closed"_s }));
}

} // namespace
