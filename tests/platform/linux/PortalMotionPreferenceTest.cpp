#include "platform/linux/PortalMotionPreference.h"

#include "common/PollUntil.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QDBusVirtualObject>
#include <QSignalSpy>

#include <gtest/gtest.h>

using namespace std::chrono_literals;

namespace {

const QString kPath = QStringLiteral("/org/freedesktop/portal/desktop");
const QString kInterface = QStringLiteral("org.freedesktop.portal.Settings");

/// A settings portal on its own connection, answering ReadOne (or only the older Read).
class FakePortal final : public QDBusVirtualObject {
public:
    FakePortal(const QString &name, bool hasReadOne, QVariant animations)
        : m_connection(QDBusConnection::connectToBus(QDBusConnection::SessionBus, name))
        , m_name(name)
        , m_hasReadOne(hasReadOne)
        , m_animations(std::move(animations))
    {
        m_connection.registerVirtualObject(kPath, this);
        m_connection.registerService(name);
    }
    ~FakePortal() override
    {
        m_connection.unregisterService(m_name);
        m_connection.unregisterObject(kPath);
        QDBusConnection::disconnectFromBus(m_name);
    }

    QString introspect(const QString &) const override { return {}; }

    bool handleMessage(const QDBusMessage &message, const QDBusConnection &connection) override
    {
        const QString method = message.member();
        const bool known
            = method == QStringLiteral("Read") || (m_hasReadOne && method == QStringLiteral("ReadOne"));
        if (!known) {
            connection.send(
                message.createErrorReply(QDBusError::UnknownMethod, QStringLiteral("no ") + method));
            return true;
        }
        QVariant value = m_animations;
        if (method == QStringLiteral("Read"))
            value = QVariant::fromValue(QDBusVariant(value));
        connection.send(message.createReply(QVariant::fromValue(QDBusVariant(value))));
        return true;
    }

    void change(const QString &settingNamespace, const QString &key, const QVariant &value)
    {
        QDBusMessage signal = QDBusMessage::createSignal(kPath, kInterface, QStringLiteral("SettingChanged"));
        signal.setArguments({ settingNamespace, key, QVariant::fromValue(QDBusVariant(value)) });
        m_connection.send(signal);
    }

private:
    QDBusConnection m_connection;
    QString m_name;
    bool m_hasReadOne;
    QVariant m_animations;
};

const QString kDesktop = QStringLiteral("org.gnome.desktop.interface");
const QString kKey = QStringLiteral("enable-animations");

TEST(PortalMotionPreference, ReadsTheAnimationSwitchFromNewAndOldPortals)
{
    const struct {
        const char *name;
        bool hasReadOne;
        bool animations;
    } cases[] = {
        { "io.github.mirvale.test.PortalNew", true, false },
        { "io.github.mirvale.test.PortalOld", false, false },
        { "io.github.mirvale.test.PortalOn", true, true },
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const QString name = QString::fromLatin1(c.name);
        FakePortal portal(name, c.hasReadOne, c.animations);
        PortalMotionPreference preference(QDBusConnection::sessionBus(), name);
        QSignalSpy changed(&preference, &PortalMotionPreference::changed);
        EXPECT_FALSE(preference.prefersReducedMotion()); // never waits for the answer
        preference.start();
        if (c.animations) {
            processEventsFor(300ms);
            EXPECT_EQ(changed.count(), 0);
        } else {
            EXPECT_TRUE(changed.wait(5000));
        }
        EXPECT_EQ(preference.prefersReducedMotion(), !c.animations);
    }
}

TEST(PortalMotionPreference, FollowsChangesOfThatSwitchOnly)
{
    const QString name = QStringLiteral("io.github.mirvale.test.PortalChanges");
    FakePortal portal(name, true, true);
    PortalMotionPreference preference(QDBusConnection::sessionBus(), name);
    preference.start();
    QSignalSpy changed(&preference, &PortalMotionPreference::changed);

    portal.change(QStringLiteral("org.gnome.desktop.a11y"), kKey, false);
    portal.change(kDesktop, QStringLiteral("color-scheme"), false);
    portal.change(kDesktop, kKey, QStringLiteral("no")); // not a switch
    portal.change(kDesktop, kKey, false);
    ASSERT_TRUE(changed.wait(5000));
    EXPECT_EQ(changed.count(), 1);
    EXPECT_TRUE(preference.prefersReducedMotion());

    portal.change(kDesktop, kKey, true);
    ASSERT_TRUE(changed.wait(5000));
    EXPECT_FALSE(preference.prefersReducedMotion());
}

TEST(PortalMotionPreference, WithoutAPortalMotionIsAllowed)
{
    PortalMotionPreference preference(
        QDBusConnection::sessionBus(), QStringLiteral("io.github.mirvale.test.NoPortal"));
    QSignalSpy changed(&preference, &PortalMotionPreference::changed);
    preference.start();
    // The bus answers in order: once this round trip is back, so is the failed read.
    ASSERT_TRUE(QDBusConnection::sessionBus().interface()->isServiceRegistered(
        QStringLiteral("org.freedesktop.DBus")));
    processEventsFor(100ms);
    EXPECT_EQ(changed.count(), 0);
    EXPECT_FALSE(preference.prefersReducedMotion());
}

} // namespace
