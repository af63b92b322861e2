#include "platform/linux/UDisksSession.h"

#include "FakeUDisks.h"

#include "common/PollUntil.h"

#include <QDBusConnection>

#include <gtest/gtest.h>

namespace {

const QString kBlock = QStringLiteral("org.freedesktop.UDisks2.Block");

DBusInterfaceMap loopDevice(const char *device, const char *label)
{
    DBusInterfaceMap interfaces;
    interfaces[kBlock] = { { QStringLiteral("Device"), QByteArray(device) + '\0' },
        { QStringLiteral("Drive"), QVariant::fromValue(QDBusObjectPath(QStringLiteral("/"))) },
        { QStringLiteral("Size"), QVariant::fromValue(quint64(64 << 20)) },
        { QStringLiteral("IdType"), QStringLiteral("exfat") },
        { QStringLiteral("IdLabel"), QString::fromLatin1(label) } };
    interfaces[QStringLiteral("org.freedesktop.UDisks2.Loop")] = {};
    interfaces[QStringLiteral("org.freedesktop.UDisks2.Filesystem")] = {};
    return interfaces;
}

QString blockPath(const char *name)
{
    return QStringLiteral("/org/freedesktop/UDisks2/block_devices/") + QLatin1String(name);
}

/// The session's reports, one line each: "ready", "waiting", "failed", "appeared loop0 CARD",
/// "changed loop0 NEW", "disappeared loop0".
class UDisksSessionTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(QDBusConnection::sessionBus().isConnected());
        DiskSession::Callbacks callbacks;
        callbacks.ready = [this] { m_events << QStringLiteral("ready"); };
        callbacks.waiting = [this](const QString &) { m_events << QStringLiteral("waiting"); };
        callbacks.failed = [this](const QString &) { m_events << QStringLiteral("failed"); };
        callbacks.departed = [this] { m_events << QStringLiteral("departed"); };
        callbacks.appeared = [this](const DiskDescription &disk) {
            m_events << QStringLiteral("appeared ") + disk.deviceName + QLatin1Char(' ') + disk.volumeName;
        };
        callbacks.descriptionChanged = [this](const DiskDescription &disk) {
            m_events << QStringLiteral("changed ") + disk.deviceName + QLatin1Char(' ') + disk.volumeName;
        };
        callbacks.disappeared
            = [this](const QString &name) { m_events << QStringLiteral("disappeared ") + name; };
        ASSERT_TRUE(m_session.start(std::move(callbacks)));
    }

    bool saw(const QString &event, int times = 1)
    {
        return pollUntil([&] { return m_events.count(event) >= times; });
    }

    FakeUDisks m_udisks;
    UDisksSession m_session { QDBusConnection::sessionBus() };
    QStringList m_events;
};

TEST_F(UDisksSessionTest, AServiceThatStartsLateIsUsedAndFollowedThroughRestarts)
{
    ASSERT_TRUE(saw(QStringLiteral("waiting")));

    m_udisks.setObjects({ { QDBusObjectPath(blockPath("loop0")), loopDevice("/dev/loop0", "CARD") } });
    ASSERT_TRUE(m_udisks.start());
    ASSERT_TRUE(saw(QStringLiteral("appeared loop0 CARD")));
    EXPECT_EQ(m_events.mid(0, 2), (QStringList { QStringLiteral("waiting"), QStringLiteral("ready") }));
    EXPECT_TRUE(m_session.hasDisk(QStringLiteral("loop0")));

    // Typed signals: a property change and a disk added later both arrive.
    m_udisks.changeProperty(blockPath("loop0"), kBlock, QStringLiteral("IdLabel"), QStringLiteral("NEW"));
    ASSERT_TRUE(saw(QStringLiteral("changed loop0 NEW")));
    m_udisks.addObject(blockPath("loop1"), loopDevice("/dev/loop1", "SECOND"));
    ASSERT_TRUE(saw(QStringLiteral("appeared loop1 SECOND")));
    m_udisks.changeProperty(blockPath("loop1"), kBlock, QStringLiteral("IdLabel"), QStringLiteral("RENAMED"));
    ASSERT_TRUE(saw(QStringLiteral("changed loop1 RENAMED")));

    m_udisks.stop();
    ASSERT_TRUE(saw(QStringLiteral("disappeared loop0")));
    ASSERT_TRUE(saw(QStringLiteral("disappeared loop1")));
    EXPECT_LT(
        m_events.indexOf(QStringLiteral("departed")), m_events.indexOf(QStringLiteral("disappeared loop0")));
    EXPECT_FALSE(m_session.hasDisk(QStringLiteral("loop0")));

    ASSERT_TRUE(m_udisks.start());
    ASSERT_TRUE(saw(QStringLiteral("appeared loop0 NEW")));
    m_udisks.changeProperty(blockPath("loop0"), kBlock, QStringLiteral("IdLabel"), QStringLiteral("AGAIN"));
    ASSERT_TRUE(saw(QStringLiteral("changed loop0 AGAIN")));
    // Each departure and return is said once: ready again after the restart.
    EXPECT_EQ(m_events.count(QStringLiteral("ready")), 2);
    EXPECT_EQ(m_events.count(QStringLiteral("departed")), 1);
    EXPECT_EQ(m_events.count(QStringLiteral("waiting")), 1);
    EXPECT_FALSE(m_events.contains(QStringLiteral("failed")));
}

TEST_F(UDisksSessionTest, NothingIsReportedAfterStop)
{
    m_udisks.setObjects({ { QDBusObjectPath(blockPath("loop0")), loopDevice("/dev/loop0", "CARD") } });
    ASSERT_TRUE(m_udisks.start());
    ASSERT_TRUE(saw(QStringLiteral("appeared loop0 CARD")));
    m_session.stop();
    m_udisks.changeProperty(blockPath("loop0"), kBlock, QStringLiteral("IdLabel"), QStringLiteral("NEW"));
    m_udisks.stop();
    processEventsFor(std::chrono::milliseconds(200));
    EXPECT_EQ(m_events.last(), QStringLiteral("appeared loop0 CARD"));
}

} // namespace
