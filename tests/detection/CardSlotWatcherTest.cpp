#include "detection/CardSlotWatcher.h"
#include "platform/linux/SysfsCardSlots.h"

#include "common/FakeDeviceEvents.h"
#include "common/RecordingLogger.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

/// A sysfs tree in a temporary folder: class/mmc_host/<host> links to a device folder that
/// holds the card device "<host>:<rca>" with its attributes, as the kernel lays it out.
class FakeSysfs {
public:
    QString root() const { return m_dir.path(); }

    void addHost(const QString &host)
    {
        const QString device = root() + QStringLiteral("/devices/pci0000:00/0000:00:1e.6/mmc_host/") + host;
        QDir().mkpath(device);
        QDir().mkpath(root() + QStringLiteral("/class/mmc_host"));
        QFile::link(device, hostLink(host));
    }
    void removeHost(const QString &host) { QFile::remove(hostLink(host)); }

    void insertCard(const QString &host, const QMap<QString, QByteArray> &attributes)
    {
        const QString card = hostLink(host) + QLatin1Char('/') + host + QStringLiteral(":aaaa");
        QDir().mkpath(card);
        for (auto attribute = attributes.cbegin(); attribute != attributes.cend(); ++attribute) {
            QFile file(card + QLatin1Char('/') + attribute.key());
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.write(attribute.value());
        }
    }
    void removeCard(const QString &host)
    {
        QDir(hostLink(host) + QLatin1Char('/') + host + QStringLiteral(":aaaa")).removeRecursively();
    }

private:
    QString hostLink(const QString &host) const { return root() + QStringLiteral("/class/mmc_host/") + host; }

    QTemporaryDir m_dir;
};

class CardSlotWatcherTest : public ::testing::Test {
protected:
    void makeWatcher()
    {
        watcher = std::make_unique<CardSlotWatcher>(std::make_unique<SysfsCardSlots>(sysfs.root()),
            std::make_unique<FakeDeviceEvents>(events), logger);
        watcher->onChange = [this] { ++changes; };
    }

    static QMap<QString, QByteArray> sdCard(const QByteArray &name, const QByteArray &serial)
    {
        return { { QStringLiteral("type"), "SD\n" }, { QStringLiteral("name"), name },
            { QStringLiteral("serial"), serial } };
    }

    FakeSysfs sysfs;
    RecordingLogger logger;
    std::shared_ptr<FakeDeviceEvents::Probe> events = std::make_shared<FakeDeviceEvents::Probe>();
    int changes = 0;
    std::unique_ptr<CardSlotWatcher> watcher;
};

TEST_F(CardSlotWatcherTest, ComputerWithoutSlotsHasNoCards)
{
    makeWatcher();
    watcher->start();
    events->send(QStringLiteral("add"), QStringLiteral("mmc"), QStringLiteral("mmc0:aaaa"));
    EXPECT_TRUE(watcher->watchedSlots().isEmpty());
    EXPECT_TRUE(watcher->presentCards().isEmpty());
    EXPECT_EQ(changes, 0);
}

TEST_F(CardSlotWatcherTest, InsertedCardIsReportedOnceAndRemovalAgain)
{
    sysfs.addHost(QStringLiteral("mmc0"));
    makeWatcher();
    watcher->start();
    events->send(
        QStringLiteral("add"), QStringLiteral("mmc_host"), QStringLiteral("mmc0")); // the same slot again
    EXPECT_EQ(watcher->watchedSlots(), QStringList { QStringLiteral("mmc0") });
    EXPECT_EQ(changes, 0);

    sysfs.insertCard(QStringLiteral("mmc0"), sdCard("SD64G\n", "0x0001e240\n"));
    events->send(QStringLiteral("add"), QStringLiteral("mmc"), QStringLiteral("mmc0:aaaa"));
    ASSERT_EQ(watcher->presentCards().size(), 1);
    EXPECT_EQ(
        watcher->presentCards().first(), (SlotCard { QStringLiteral("123456"), QStringLiteral("SD64G") }));
    EXPECT_EQ(changes, 1);
    events->send(QStringLiteral("change"), QStringLiteral("mmc"), QStringLiteral("mmc0:aaaa"));
    EXPECT_EQ(changes, 1);

    sysfs.removeCard(QStringLiteral("mmc0"));
    events->send(QStringLiteral("remove"), QStringLiteral("mmc"), QStringLiteral("mmc0:aaaa"));
    EXPECT_TRUE(watcher->presentCards().isEmpty());
    EXPECT_EQ(changes, 2);
}

TEST_F(CardSlotWatcherTest, CardValuesFromAttributes)
{
    const struct {
        const char *what;
        QMap<QString, QByteArray> attributes;
        std::optional<SlotCard> expected;
    } rows[] = {
        { "no attributes", {}, SlotCard { QString(), QStringLiteral("Card") } },
        { "decimal serial", sdCard("EB1QT", "123456"),
            SlotCard { QStringLiteral("123456"), QStringLiteral("EB1QT") } },
        { "text serial", sdCard("X", "A1-B2"), SlotCard { QStringLiteral("A1-B2"), QStringLiteral("X") } },
        { "empty name", sdCard("\n", ""), SlotCard { QString(), QStringLiteral("Card") } },
        { "built-in eMMC", { { QStringLiteral("type"), "MMC\n" } }, std::nullopt },
        { "SDIO Wi-Fi", { { QStringLiteral("type"), "SDIO\n" } }, std::nullopt },
    };
    for (const auto &row : rows) {
        FakeSysfs tree;
        tree.addHost(QStringLiteral("mmc0"));
        tree.insertCard(QStringLiteral("mmc0"), row.attributes);
        CardSlotWatcher reader(std::make_unique<SysfsCardSlots>(tree.root()),
            std::make_unique<FakeDeviceEvents>(events), logger);
        reader.start();
        const QList<SlotCard> cards = reader.refreshNow();
        if (row.expected)
            EXPECT_EQ(cards, QList<SlotCard> { *row.expected }) << row.what;
        else
            EXPECT_TRUE(cards.isEmpty()) << row.what;
    }
}

TEST_F(CardSlotWatcherTest, RefreshNowDoesNotCallOnChange)
{
    sysfs.addHost(QStringLiteral("mmc1"));
    makeWatcher();
    watcher->start();
    sysfs.insertCard(QStringLiteral("mmc1"), sdCard("SD", "7"));
    EXPECT_EQ(watcher->refreshNow().size(), 1);
    EXPECT_EQ(watcher->presentCards().size(), 1);
    EXPECT_EQ(changes, 0);
}

TEST_F(CardSlotWatcherTest, SlotsKeepKernelOrderAndTerminatedSlotsAreReleased)
{
    for (const char *host : { "mmc10", "mmc2" }) {
        sysfs.addHost(QString::fromUtf8(host));
        sysfs.insertCard(QString::fromUtf8(host), sdCard(host, ""));
    }
    makeWatcher();
    watcher->start();
    EXPECT_EQ(watcher->watchedSlots(), (QStringList { QStringLiteral("mmc2"), QStringLiteral("mmc10") }));
    ASSERT_EQ(watcher->presentCards().size(), 2);
    EXPECT_EQ(watcher->presentCards().first().productName, QStringLiteral("mmc2"));
    EXPECT_EQ(changes, 1);

    sysfs.removeHost(QStringLiteral("mmc2"));
    events->send(QStringLiteral("remove"), QStringLiteral("mmc_host"), QStringLiteral("mmc2"));
    EXPECT_TRUE(logger.contains(
        QStringLiteral("[INFO] CardSlotWatcher: a slot service was terminated; released it")));
    EXPECT_EQ(watcher->watchedSlots(), QStringList { QStringLiteral("mmc10") });
    EXPECT_EQ(watcher->presentCards().size(), 1);
    EXPECT_EQ(changes, 2);

    events->send(
        QStringLiteral("remove"), QStringLiteral("mmc_host"), QStringLiteral("mmc7")); // never watched
    EXPECT_EQ(
        logger.count(QStringLiteral("[INFO] CardSlotWatcher: a slot service was terminated; released it")),
        1);
}

TEST_F(CardSlotWatcherTest, StopForgetsEverythingWithoutCallingOnChange)
{
    sysfs.addHost(QStringLiteral("mmc0"));
    sysfs.insertCard(QStringLiteral("mmc0"), sdCard("SD", "1"));
    makeWatcher();
    watcher->start();
    ASSERT_EQ(changes, 1);
    watcher->stop();
    EXPECT_TRUE(watcher->presentCards().isEmpty());
    EXPECT_TRUE(watcher->watchedSlots().isEmpty());
    EXPECT_FALSE(events->onEvent);
    EXPECT_EQ(changes, 1);
}

TEST_F(CardSlotWatcherTest, UnwatchableSystemIsLoggedAndLeavesNoSlots)
{
    sysfs.addHost(QStringLiteral("mmc0"));
    events->startable = false;
    makeWatcher();
    watcher->start();
    EXPECT_TRUE(logger.contains(QStringLiteral("[ERROR] CardSlotWatcher: failed to create a udev monitor")));
    EXPECT_TRUE(watcher->watchedSlots().isEmpty());
}

} // namespace
