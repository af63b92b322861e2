// The detected card list as the watcher keeps it, and mounting and unmounting on request.
#include "detection/DiskRequest.h"
#include "detection/VolumeWatcherHarness.h"

#include "common/PollUntil.h"
#include "common/QtPrinters.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace std::chrono_literals;

namespace {

const QString kCard = QStringLiteral("/media/me/EOS_DIGITAL");
const QString kDissent = QStringLiteral("org.freedesktop.UDisks2.Error.Failed: not configured in kernel");

class CardRequestsTest : public ::testing::Test, protected VolumeWatcherHarness {
protected:
    void startWatcher(VolumeWatcher::Limits limits = {})
    {
        VolumeWatcher::Services services = watcherServices();
        watcher = std::make_unique<VolumeWatcher>(
            [](const MountedCard &) {}, logger, std::move(services), limits);
        QObject::connect(
            watcher.get(), &VolumeWatcher::mountedCardsChanged, watcher.get(), [this] { ++changes; });
        watcher->start();
        if (session->started)
            session->callbacks.ready();
        drain();
    }

    void drain()
    {
        bool done = false;
        watcher->scanExistingAsync([&done](const QList<MountedCard> &) { done = true; });
        ASSERT_TRUE(pollUntil([&] { return done; }));
        processEventsFor(20ms);
    }

    /// A card volume the disk service reports; mounted at `path` when it is given.
    void addDisk(const QString &deviceName, const QString &path = QString())
    {
        DiskDescription disk;
        disk.deviceName = deviceName;
        disk.volumeName = QStringLiteral("EOS_DIGITAL");
        disk.volumePath = path;
        disk.bus = DiskBus::Usb;
        disk.volumeKind = QStringLiteral("exfat");
        disk.isMountable = disk.isRemovable = true;
        session->disks.insert(deviceName);
        session->callbacks.appeared(disk);
    }

    VolumeWatching::RequestCompletion record()
    {
        return [this](const std::optional<MirvaleError> &error) { outcomes.append(error); };
    }

    static DetectedCard line(const QString &deviceName)
    {
        return DetectedCard { deviceName, QStringLiteral("EOS_DIGITAL"), std::nullopt, std::nullopt, false };
    }
    static MountedCard card()
    {
        return MountedCard { QUrl::fromLocalFile(kCard), QStringLiteral("EOS_DIGITAL"), true, true, {} };
    }

    bool logged(const QString &line) const { return logger.contains(line); }

    QList<std::optional<MirvaleError>> outcomes;
    int changes = 0;
    std::unique_ptr<VolumeWatcher> watcher; // last: goes first
};

TEST_F(CardRequestsTest, RebuildRequestsInOneTurnMakeOneRebuild)
{
    startWatcher();
    changes = 0;
    addDisk(QStringLiteral("sdb1"));
    addDisk(QStringLiteral("sdc1"));
    addDisk(QStringLiteral("sdd1"));
    EXPECT_TRUE(watcher->detectedCards().isEmpty()); // nothing until the main queue turns
    ASSERT_TRUE(pollUntil([&] { return watcher->detectedCards().size() == 3; }));
    processEventsFor(50ms);
    EXPECT_EQ(changes, 1);
}

TEST_F(CardRequestsTest, MountedCardGetsItsLineAndFreshFreeSpace)
{
    startWatcher();
    volumes->addCard(kCard, QStringLiteral("EOS_DIGITAL"));
    mountTable->mount(kCard);
    ASSERT_TRUE(pollUntil([&] { return watcher->detectedCards().size() == 1; }));
    EXPECT_EQ(watcher->detectedCards().first().deviceName, QStringLiteral("sdeos_digital1"));
    EXPECT_EQ(watcher->detectedCards().first().freeBytes, 31'900'000'000);

    VolumeValues fuller;
    fuller.isLocal = fuller.isRemovable = fuller.isEjectable = true;
    fuller.name = QStringLiteral("EOS_DIGITAL");
    fuller.availableBytes = 1'000;
    volumes->setValues(kCard, fuller);
    watcher->refreshFreeSpaceNow();
    ASSERT_TRUE(pollUntil([&] { return watcher->detectedCards().first().freeBytes == 1'000; }));
    // The mounted-card list keeps its own reading.
    EXPECT_EQ(watcher->mountedCards().first().freeBytes, 31'900'000'000);
}

TEST_F(CardRequestsTest, UnformattedCardInTheSlotIsExplainedOnce)
{
    QDir().mkpath(sysfs.path() + QStringLiteral("/class/mmc_host/mmc0/mmc0:aaaa")); // a card, no serial
    startWatcher();
    DiskDescription whole;
    whole.deviceName = QStringLiteral("mmcblk0");
    whole.bus = DiskBus::Mmc;
    whole.isRemovable = whole.isWhole = true;
    session->callbacks.appeared(whole);
    const QString line
        = QStringLiteral("[INFO] An mmc disk has no mountable volume (card in slot: Card) "
                         "\u2014 the card probably needs formatting; not listing it as ejected");
    ASSERT_TRUE(pollUntil([&] { return logged(line); }));
    whole.volumeName = QStringLiteral("still nothing");
    session->callbacks.descriptionChanged(whole);
    processEventsFor(50ms);
    EXPECT_EQ(logger.count(line), 1);
    EXPECT_TRUE(watcher->detectedCards().isEmpty());
}

TEST_F(CardRequestsTest, MountThroughTheDiskService)
{
    startWatcher();
    addDisk(QStringLiteral("sdb1"));
    const int registered = DiskRequest::registeredCount();
    watcher->mount(line(QStringLiteral("sdb1")), record());
    EXPECT_TRUE(logged(QStringLiteral("[INFO] Mounting EOS_DIGITAL (sdb1)")));
    ASSERT_EQ(session->requests, QStringList { QStringLiteral("mount sdb1") });
    EXPECT_EQ(watcher->outstandingRequestCount(), 1);
    session->pending.takeFirst()(std::nullopt);
    ASSERT_EQ(outcomes.size(), 1);
    EXPECT_FALSE(outcomes.first());
    EXPECT_TRUE(logged(QStringLiteral("[INFO] Mounted EOS_DIGITAL via udisks2")));
    EXPECT_EQ(watcher->outstandingRequestCount(), 0);
    EXPECT_EQ(DiskRequest::registeredCount(), registered);
    EXPECT_TRUE(commands->calls().isEmpty());
}

TEST_F(CardRequestsTest, DissentFallsBackToTheCommand)
{
    const struct {
        const char *what;
        CommandRunner::Result result;
        std::optional<QString> error;
        const char *logLine;
    } rows[] = {
        { "command mounts", FakeCommandRunner::exited(0), std::nullopt,
            "[INFO] Mounted EOS_DIGITAL via udisksctl mount -b /dev/sdb1" },
        { "command refuses", FakeCommandRunner::exited(1),
            QStringLiteral("Disk error: udisksctl mount -b /dev/sdb1 exited with status 1"),
            "[ERROR] udisksctl mount -b /dev/sdb1 exited with status 1" },
        { "command missing", FakeCommandRunner::notStarted(QStringLiteral("No such file or directory")),
            QStringLiteral("Disk error: No such file or directory"),
            "[ERROR] Failed to run udisksctl mount -b /dev/sdb1: No such file or directory" },
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.what);
        VolumeWatcher::Limits limits;
        limits.requestTimeout = 100ms; // a dissent ends the service's time limit
        session = std::make_shared<FakeDiskSession::Probe>();
        commands = std::make_shared<FakeCommandRunner>();
        commands->script(QStringLiteral("udisksctl"), row.result);
        outcomes.clear();
        logger.clear();
        startWatcher(limits);
        addDisk(QStringLiteral("sdb1"));
        watcher->mount(line(QStringLiteral("sdb1")), record());
        session->pending.takeFirst()(kDissent);
        EXPECT_TRUE(logged(QStringLiteral("[WARN] udisks2 Filesystem.Mount dissented for EOS_DIGITAL (")
            + kDissent + QStringLiteral("); falling back to udisksctl mount -b /dev/sdb1")));
        ASSERT_TRUE(pollUntil([&] { return !outcomes.isEmpty(); }));
        processEventsFor(200ms);
        ASSERT_EQ(outcomes.size(), 1);
        EXPECT_EQ(
            outcomes.first() ? std::optional(outcomes.first()->description()) : std::nullopt, row.error);
        EXPECT_TRUE(logged(QString::fromUtf8(row.logLine)))
            << logger.lines().join(QLatin1Char('\n')).toStdString();
        EXPECT_EQ(commands->calls(),
            (QList<QStringList> { { QStringLiteral("udisksctl"), QStringLiteral("mount"),
                QStringLiteral("-b"), QStringLiteral("/dev/sdb1") } }));
        EXPECT_FALSE(logged(QStringLiteral("[ERROR] udisks2 never answered for EOS_DIGITAL; giving up")));
        watcher.reset();
    }
}

TEST_F(CardRequestsTest, SilentServiceHitsTheTimeLimitAndTheEntryIsReleasedLater)
{
    VolumeWatcher::Limits limits;
    limits.requestTimeout = 100ms;
    limits.registryGrace = 150ms;
    startWatcher(limits);
    addDisk(QStringLiteral("sdb1"));
    addDisk(QStringLiteral("sdc1"));
    watcher->mount(line(QStringLiteral("sdb1")), record());
    watcher->mount(line(QStringLiteral("sdc1")), record());
    ASSERT_TRUE(pollUntil([&] { return outcomes.size() == 2; }));
    EXPECT_EQ(outcomes.first()->description(),
        QStringLiteral("Disk error: the disk system did not respond within 1 second"));
    EXPECT_EQ(logger.count(QStringLiteral("[ERROR] udisks2 never answered for EOS_DIGITAL; giving up")), 2);

    session->pending.takeFirst()(std::nullopt); // a late answer: nothing more happens
    ASSERT_TRUE(pollUntil([&] {
        return logged(
            QStringLiteral("[WARN] udisks2 never claimed its context for EOS_DIGITAL; released it"));
    }));
    processEventsFor(100ms);
    EXPECT_EQ(outcomes.size(), 2);
    EXPECT_FALSE(logged(QStringLiteral("[INFO] Mounted EOS_DIGITAL via udisks2")));
    EXPECT_EQ(
        logger.count(QStringLiteral("[WARN] udisks2 never claimed its context for EOS_DIGITAL; released it")),
        1);
}

TEST_F(CardRequestsTest, WatcherGoneBeforeTheAnswer)
{
    startWatcher();
    addDisk(QStringLiteral("sdb1"));
    watcher->mount(line(QStringLiteral("sdb1")), record());
    const int registered = DiskRequest::registeredCount();
    watcher.reset();
    ASSERT_EQ(outcomes.size(), 1);
    EXPECT_EQ(outcomes.first()->description(),
        QStringLiteral(
            "Disk error: the disk session stopped before EOS_DIGITAL finished mounting or unmounting"));
    EXPECT_EQ(DiskRequest::registeredCount(), registered - 1);
    session->pending.takeFirst()(kDissent); // the answer finds nothing to do
    processEventsFor(100ms);
    EXPECT_EQ(outcomes.size(), 1);
    EXPECT_TRUE(commands->calls().isEmpty());
}

TEST_F(CardRequestsTest, MountOfAnUnknownDeviceFailsAtOnce)
{
    startWatcher();
    watcher->mount(line(QStringLiteral("slot:1234")), record());
    EXPECT_TRUE(outcomes.isEmpty()); // never inside the call
    ASSERT_TRUE(pollUntil([&] { return outcomes.size() == 1; }));
    EXPECT_EQ(outcomes.first()->description(),
        QStringLiteral("Disk error: could not create a disk reference for slot:1234"));
    EXPECT_TRUE(logged(
        QStringLiteral("[ERROR] Cannot mount EOS_DIGITAL: could not create a disk reference for slot:1234")));
}

TEST_F(CardRequestsTest, UnmountPicksTheDiskAndFallsBackInOrder)
{
    const struct {
        const char *what;
        CommandRunner::Result udisksctl, umount;
        QStringList commandLines;
        bool fails;
    } rows[] = {
        { "udisksctl unmounts", FakeCommandRunner::exited(0), FakeCommandRunner::exited(0),
            { QStringLiteral("udisksctl unmount -b /dev/sdb1") }, false },
        { "umount after udisksctl", FakeCommandRunner::exited(1), FakeCommandRunner::exited(0),
            { QStringLiteral("udisksctl unmount -b /dev/sdb1"), QStringLiteral("umount ") + kCard }, false },
        { "both refuse", FakeCommandRunner::exited(1),
            [] {
                FakeCommandRunner::Result busy = FakeCommandRunner::exited(32);
                busy.standardError = QStringLiteral("umount: ") + kCard + QStringLiteral(": target is busy.");
                return busy;
            }(),
            { QStringLiteral("udisksctl unmount -b /dev/sdb1"), QStringLiteral("umount ") + kCard }, true },
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.what);
        session = std::make_shared<FakeDiskSession::Probe>();
        commands = std::make_shared<FakeCommandRunner>();
        commands->script(QStringLiteral("udisksctl"), row.udisksctl);
        commands->script(QStringLiteral("umount"), row.umount);
        outcomes.clear();
        startWatcher();
        addDisk(QStringLiteral("sdb1"), kCard);
        watcher->eject(card(), record());
        ASSERT_EQ(session->requests, QStringList { QStringLiteral("unmount sdb1") });
        session->pending.takeFirst()(QStringLiteral("org.freedesktop.UDisks2.Error.NotMounted: not mounted"));
        ASSERT_TRUE(pollUntil([&] { return !outcomes.isEmpty(); }));
        EXPECT_EQ(commands->commandLines(), row.commandLines);
        EXPECT_EQ(bool(outcomes.first()), row.fails);
        if (row.fails) {
            EXPECT_EQ(outcomes.first()->description(),
                QStringLiteral("Disk error: umount ") + kCard
                    + QStringLiteral(" exited with status 32: umount: ") + kCard
                    + QStringLiteral(": target is busy."));
            EXPECT_EQ(outcomes.first()->kind(), MirvaleError::Kind::DiskBusy); // worth trying again
        }
        watcher.reset();
    }
}

TEST_F(CardRequestsTest, AVolumeTheServiceCallsBusyIsBusyWithoutTheCommands)
{
    startWatcher();
    addDisk(QStringLiteral("sdb1"), kCard);
    watcher->eject(card(), record());
    session->pending.takeFirst()(QStringLiteral("org.freedesktop.UDisks2.Error.DeviceBusy: target is busy"));
    ASSERT_TRUE(pollUntil([&] { return !outcomes.isEmpty(); }));
    EXPECT_EQ(outcomes.first(), MirvaleError::diskBusy(QStringLiteral("target is busy")));
    EXPECT_TRUE(commands->calls().isEmpty());
}

TEST_F(CardRequestsTest, UnmountWithoutTheDiskServiceRunsUmount)
{
    session->startable = false;
    startWatcher();
    watcher->eject(card(), record());
    ASSERT_TRUE(pollUntil([&] { return outcomes.size() == 1; }));
    EXPECT_FALSE(outcomes.first());
    EXPECT_EQ(commands->commandLines(), QStringList { QStringLiteral("umount ") + kCard });
    EXPECT_TRUE(logged(QStringLiteral("[INFO] Unmounted EOS_DIGITAL via umount ") + kCard));
}

TEST_F(CardRequestsTest, AStuckCommandIsCutOffSilentlyWhenTheWatcherGoes)
{
    session->startable = false;
    commands->hang(QStringLiteral("umount"));
    startWatcher();
    watcher->eject(card(), record());
    ASSERT_TRUE(pollUntil([&] { return commands->hangingCount() == 1; }));
    const QStringList before = logger.lines();
    watcher.reset(); // quit: the log may go right after the watcher
    ASSERT_TRUE(pollUntil([&] { return commands->hangingCount() == 0; }));
    processEventsFor(20ms);
    EXPECT_EQ(logger.lines(), before);
    EXPECT_TRUE(outcomes.isEmpty());
}

TEST_F(CardRequestsTest, DiskServiceLeavingAndReturningIsLoggedOnceAndEjectFallsBack)
{
    startWatcher();
    addDisk(QStringLiteral("sdb1"), kCard);
    session->callbacks.departed();
    session->callbacks.departed();
    session->callbacks.disappeared(QStringLiteral("sdb1"));
    EXPECT_EQ(logger.count(QStringLiteral("[WARN] The disk service (udisks2) went away; unmounting uses the "
                                          "umount command until it returns")),
        1);
    watcher->eject(card(), record());
    ASSERT_TRUE(pollUntil([&] { return outcomes.size() == 1; }));
    EXPECT_FALSE(outcomes.first());
    EXPECT_EQ(commands->commandLines(), QStringList { QStringLiteral("umount ") + kCard });

    session->callbacks.ready();
    EXPECT_TRUE(logged(
        QStringLiteral("[INFO] The disk service (udisks2) is back; disks are handled through it again")));
    EXPECT_EQ(logger.count(QStringLiteral("[INFO] udisks2 session started")), 1);
    addDisk(QStringLiteral("sdb1"), kCard);
    watcher->eject(card(), record());
    EXPECT_EQ(session->requests, QStringList { QStringLiteral("unmount sdb1") });
}

TEST_F(CardRequestsTest, UnmountResolvesAnUnlistedVolumeOffTheMainThread)
{
    startWatcher();
    volumes->addCard(kCard, QStringLiteral("EOS_DIGITAL")); // its device: "sdeos_digital1"
    session->disks.insert(QStringLiteral("sdeos_digital1"));
    watcher->eject(card(), record());
    EXPECT_TRUE(logged(QStringLiteral("[INFO] Unmounting EOS_DIGITAL: resolving ") + kCard
        + QStringLiteral(" off the main thread")));
    ASSERT_TRUE(pollUntil([&] { return !session->pending.isEmpty(); }));
    EXPECT_EQ(session->requests, QStringList { QStringLiteral("unmount sdeos_digital1") });
    session->pending.takeFirst()(std::nullopt);
    ASSERT_EQ(outcomes.size(), 1);
    EXPECT_FALSE(outcomes.first());
    EXPECT_TRUE(logged(QStringLiteral("[INFO] Unmounted EOS_DIGITAL")));

    watcher->eject(MountedCard { QUrl::fromLocalFile(QStringLiteral("/media/me/GONE")),
                       QStringLiteral("GONE"), true, true, {} },
        record());
    ASSERT_TRUE(pollUntil([&] { return outcomes.size() == 2; }));
    EXPECT_EQ(outcomes.last()->description(),
        QStringLiteral("Disk error: could not create a disk reference for /media/me/GONE"));
}

} // namespace
