#include "detection/VolumeWatcherHarness.h"

#include "common/PollUntil.h"

#include <gtest/gtest.h>

using namespace std::chrono_literals;

namespace {

const QString kCard = QStringLiteral("/media/me/EOS_DIGITAL");

class VolumeWatcherTest : public ::testing::Test, protected VolumeWatcherHarness {
protected:
    static VolumeWatcher::Limits shortLimits()
    {
        VolumeWatcher::Limits limits;
        limits.debounceInterval = 400ms;
        limits.settleDelay = 60ms;
        return limits;
    }

    /// For tests that act between "settling" and the settled read: long enough that a slow
    /// run still acts first.
    static VolumeWatcher::Limits slowSettle()
    {
        VolumeWatcher::Limits limits = shortLimits();
        limits.settleDelay = 500ms;
        return limits;
    }

    void makeWatcher(VolumeWatcher::Limits limits = shortLimits())
    {
        VolumeWatcher::Services services = watcherServices();
        watcher = std::make_unique<VolumeWatcher>(
            [this](const MountedCard &card) { ready.append(card); }, logger, std::move(services), limits);
    }

    void startWatcher(VolumeWatcher::Limits limits = shortLimits())
    {
        makeWatcher(limits);
        watcher->start();
        drainProbeQueue();
    }

    /// Waits until every probe-queue block queued so far and its hand-back have run.
    void drainProbeQueue()
    {
        bool done = false;
        watcher->scanExistingAsync([&done](const QList<MountedCard> &) { done = true; });
        ASSERT_TRUE(pollUntil([&] { return done; }));
    }

    bool logged(const QString &line) const { return logger.contains(line); }
    bool waitForLog(const QString &line)
    {
        return pollUntil([&] { return logged(line); });
    }

    void mountCard(const QString &path = kCard, const QString &name = QStringLiteral("EOS_DIGITAL"))
    {
        volumes->addCard(path, name);
        mountTable->mount(path);
    }

    QList<MountedCard> ready;
    std::unique_ptr<VolumeWatcher> watcher; // last: goes first, while the fakes still exist
};

TEST_F(VolumeWatcherTest, SettledCardReachesOnMountOnceWithItsValues)
{
    startWatcher();
    int changed = 0;
    QObject::connect(
        watcher.get(), &VolumeWatcher::mountedCardsChanged, watcher.get(), [&changed] { ++changed; });
    mountCard();

    ASSERT_TRUE(pollUntil([&] { return ready.size() == 1; }));
    EXPECT_EQ(ready.first().url, QUrl::fromLocalFile(kCard));
    EXPECT_EQ(ready.first().name, QStringLiteral("EOS_DIGITAL"));
    EXPECT_TRUE(ready.first().isRemovable);
    EXPECT_EQ(ready.first().freeBytes, 31'900'000'000);
    EXPECT_TRUE(logged(QStringLiteral("[INFO] Card mounted: ") + kCard + QStringLiteral(", settling")));
    EXPECT_TRUE(logged(QStringLiteral("[INFO] Card ready: EOS_DIGITAL at ") + kCard));
    EXPECT_EQ(watcher->mountedCards().size(), 1);
    EXPECT_GE(changed, 1);
    processEventsFor(150ms);
    EXPECT_EQ(ready.size(), 1);
}

TEST_F(VolumeWatcherTest, RepeatInsideDebounceIsIgnoredAndAfterItIsHandled)
{
    startWatcher();
    mountCard();
    mountTable->notifyMount(kCard); // at once: surely inside the 400 ms window
    EXPECT_TRUE(logged(QStringLiteral("[INFO] Ignoring duplicate mount event for ") + kCard));
    ASSERT_TRUE(pollUntil([&] { return ready.size() == 1; }));
    drainProbeQueue();
    processEventsFor(450ms); // past the window, and far past a second settle
    EXPECT_EQ(ready.size(), 1);

    mountTable->notifyMount(kCard);
    ASSERT_TRUE(pollUntil([&] { return ready.size() == 2; }));
    EXPECT_EQ(logger.count(QStringLiteral("[INFO] Ignoring duplicate mount event for ") + kCard), 1);
}

TEST_F(VolumeWatcherTest, MountsStackedOnACardNeitherUnmountNorReopenIt)
{
    startWatcher();
    mountCard();
    ASSERT_TRUE(pollUntil([&] { return ready.size() == 1; }));
    processEventsFor(450ms); // past the debounce window: only the stacking can keep it out

    for (int round = 0; round < 2; ++round) {
        mountTable->mount(kCard, QStringLiteral("exfat"), QStringLiteral("/dev/sdb1")); // a bind mount on top
        mountTable->unmountTop(kCard);
    }
    drainProbeQueue();
    processEventsFor(150ms); // far past a settle
    EXPECT_EQ(ready.size(), 1);
    EXPECT_FALSE(logged(QStringLiteral("[INFO] Volume unmounted: ") + kCard));
    EXPECT_EQ(logger.count(QStringLiteral("[INFO] VolumeWatcher: a mount stacked on ") + kCard
                  + QStringLiteral(" went away; the volume below is still mounted")),
        2);

    // The card itself going away is still noticed, and a card mounted there again is new.
    mountTable->unmount(kCard);
    EXPECT_TRUE(logged(QStringLiteral("[INFO] Volume unmounted: ") + kCard));
    mountCard();
    ASSERT_TRUE(pollUntil([&] { return ready.size() == 2; }));
}

TEST_F(VolumeWatcherTest, CardUnmountedWhileSettlingNeverReachesOnMount)
{
    startWatcher(slowSettle());
    mountCard();
    ASSERT_TRUE(waitForLog(QStringLiteral("[INFO] Card mounted: ") + kCard + QStringLiteral(", settling")));
    mountTable->unmount(kCard);
    EXPECT_TRUE(logged(QStringLiteral("[INFO] Volume unmounted: ") + kCard));
    processEventsFor(700ms);
    drainProbeQueue();
    EXPECT_TRUE(ready.isEmpty());
    EXPECT_TRUE(watcher->mountedCards().isEmpty());
}

TEST_F(VolumeWatcherTest, CardUnmountedWhileItsSettledReadRunsIsDropped)
{
    startWatcher(slowSettle());
    mountCard();
    ASSERT_TRUE(waitForLog(QStringLiteral("[INFO] Card mounted: ") + kCard + QStringLiteral(", settling")));
    volumes->closeGate();
    ASSERT_TRUE(pollUntil([&] { return volumes->readsWaiting() > 0; })); // the settled read is held
    mountTable->unmount(kCard);
    // The read may only finish once the unmount has been seen, or it would win the race.
    ASSERT_TRUE(waitForLog(QStringLiteral("[INFO] Volume unmounted: ") + kCard));
    volumes->openGate();
    ASSERT_TRUE(waitForLog(
        QStringLiteral("[INFO] ") + kCard + QStringLiteral(" went away before it settled, ignoring")));
    drainProbeQueue();
    EXPECT_TRUE(ready.isEmpty());
}

TEST_F(VolumeWatcherTest, HiddenAndOutsidePathsAreIgnoredSilently)
{
    startWatcher();
    const int readsBefore = volumes->readCount();
    logger.clear();
    for (const QString &path : { QStringLiteral("/media/me/.hidden"), QStringLiteral("/media/me/.Trash-1000"),
             QStringLiteral("/mnt/card"), QStringLiteral("/run/media/me/.Trash-0/x"),
             QStringLiteral("/media/me/../../etc"), QStringLiteral("/media/") }) {
        volumes->addCard(path, QStringLiteral("X"));
        mountTable->notifyMount(path);
    }
    processEventsFor(150ms);
    EXPECT_TRUE(logger.lines().isEmpty()) << logger.lines().join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(volumes->readCount(), readsBefore);
    EXPECT_TRUE(ready.isEmpty());
}

TEST_F(VolumeWatcherTest, HostileVolumeNamesTravelUnchanged)
{
    startWatcher();
    const QString path = QStringLiteral("/media/me/EOS #1?%20\"quoted\"\nline");
    mountCard(path, QStringLiteral("EOS #1"));
    ASSERT_TRUE(pollUntil([&] { return ready.size() == 1; }));
    EXPECT_EQ(ready.first().url.toLocalFile(), path);
    EXPECT_EQ(ready.first().path(), path);
    EXPECT_TRUE(logged(QStringLiteral("[INFO] Card ready: EOS #1 at ") + path));
    mountTable->unmount(path);
    EXPECT_TRUE(logged(QStringLiteral("[INFO] Volume unmounted: ") + path));
    ASSERT_TRUE(pollUntil([&] { return watcher->mountedCards().isEmpty(); }));
}

TEST_F(VolumeWatcherTest, UserVisibleMountPaths)
{
    const struct {
        const char *path;
        bool visible;
    } rows[] = {
        { "/media/me/EOS_DIGITAL", true },
        { "/run/media/me/NIKON D850", true },
        { "/media/EOS", true },
        { "/media/me/.hidden", false },
        { "/media/me/a/.b", false },
        { "/media/me/..", false },
        { "/media/", false },
        { "/mnt/card", false },
        { "/mediaX/card", false },
        { "/home/me/media/card", false },
    };
    for (const auto &row : rows)
        EXPECT_EQ(VolumeWatcher::isUserVisibleMountPath(QString::fromUtf8(row.path)), row.visible)
            << row.path;
}

TEST_F(VolumeWatcherTest, ProbeDecidesByLocalityMediaAndImageKind)
{
    const struct {
        const char *what;
        std::optional<bool> local, removable, ejectable;
        std::optional<DiskBus> bus; // none: no disk description
        const char *kind;
        CardProber::CardProbe expected;
    } rows[] = {
        { "exFAT disk image", true, false, true, DiskBus::Loop, "exfat", CardProber::CardProbe::card },
        { "FAT disk image", true, false, true, DiskBus::Loop, "VFAT", CardProber::CardProbe::card },
        { "ext4 disk image", true, false, true, DiskBus::Loop, "ext4", CardProber::CardProbe::notACard },
        { "ext4 image udev makes a reader's card", true, false, true, DiskBus::Loop, "ext4+auto",
            CardProber::CardProbe::card },
        { "image of unknown kind", true, false, true, DiskBus::Loop, "", CardProber::CardProbe::notACard },
        { "ext4 on a USB reader", true, true, true, DiskBus::Usb, "ext4", CardProber::CardProbe::card },
        { "SD card, no description", true, true, false, std::nullopt, "", CardProber::CardProbe::card },
        { "network share, ejectable", false, false, true, std::nullopt, "", CardProber::CardProbe::notACard },
        { "locality not reported", std::nullopt, true, true, DiskBus::Usb, "exfat",
            CardProber::CardProbe::notACard },
        { "fixed internal disk", true, false, false, DiskBus::Other, "exfat",
            CardProber::CardProbe::notACard },
        { "media not reported", true, std::nullopt, std::nullopt, DiskBus::Usb, "exfat",
            CardProber::CardProbe::notACard },
    };
    for (const auto &row : rows) {
        const QString path = QStringLiteral("/media/me/V");
        auto fakes = std::make_shared<FakeVolumes>();
        VolumeValues values;
        values.isLocal = row.local;
        values.isRemovable = row.removable;
        values.isEjectable = row.ejectable;
        fakes->setValues(path, values);
        if (row.bus) {
            DiskDescription description;
            description.bus = *row.bus;
            description.volumeKind = QString::fromUtf8(row.kind).section(QLatin1Char('+'), 0, 0);
            description.hintAuto = QByteArray(row.kind).endsWith("+auto");
            fakes->setDescription(path, description);
        }
        CardProber prober(
            mountTable, fakes, [fakes] { return std::make_unique<FakeVolumes::Lookup>(fakes); });
        EXPECT_EQ(prober.probeCard(QUrl::fromLocalFile(path)), row.expected) << row.what;
    }
    auto fakes = std::make_shared<FakeVolumes>();
    CardProber prober(mountTable, fakes, {});
    EXPECT_EQ(prober.probeCard(QUrl::fromLocalFile(QStringLiteral("/media/me/gone"))),
        CardProber::CardProbe::unreadable);
}

TEST_F(VolumeWatcherTest, ExtImageAndNetworkVolumeAreLoggedAndSkipped)
{
    startWatcher();
    volumes->addCard(QStringLiteral("/media/me/LINUXIMG"), QStringLiteral("LINUXIMG"), QStringLiteral("ext4"),
        DiskBus::Loop);
    mountTable->mount(
        QStringLiteral("/media/me/LINUXIMG"), QStringLiteral("ext4"), QStringLiteral("/dev/loop3"));
    VolumeValues share;
    share.isLocal = false;
    share.isEjectable = true;
    volumes->setValues(QStringLiteral("/media/me/share"), share);
    mountTable->mount(
        QStringLiteral("/media/me/share"), QStringLiteral("cifs"), QStringLiteral("//nas/photos"));

    ASSERT_TRUE(waitForLog(
        QStringLiteral("[INFO] Mounted /media/me/LINUXIMG but it is not a removable card, ignoring")));
    ASSERT_TRUE(waitForLog(
        QStringLiteral("[INFO] Mounted /media/me/share but it is not a removable card, ignoring")));
    processEventsFor(150ms);
    EXPECT_TRUE(ready.isEmpty());
    EXPECT_TRUE(watcher->mountedCards().isEmpty());
}

TEST_F(VolumeWatcherTest, UnreadableFirstProbeLetsTheNextEventThrough)
{
    startWatcher();
    volumes->addCard(kCard, QStringLiteral("EOS_DIGITAL"));
    volumes->setUnreadable(kCard, true);
    mountTable->mount(kCard);
    ASSERT_TRUE(waitForLog(QStringLiteral("[WARN] ") + kCard
        + QStringLiteral(" could not be read when it mounted; will handle the next mount event for it")));

    volumes->setUnreadable(kCard, false);
    mountTable->notifyMount(kCard); // well inside the debounce window
    ASSERT_TRUE(pollUntil([&] { return ready.size() == 1; }));
    EXPECT_FALSE(logged(QStringLiteral("[INFO] Ignoring duplicate mount event for ") + kCard));
}

TEST_F(VolumeWatcherTest, CardUnreadableAfterSettlingIsDroppedAndForgotten)
{
    startWatcher(slowSettle());
    mountCard();
    ASSERT_TRUE(waitForLog(QStringLiteral("[INFO] Card mounted: ") + kCard + QStringLiteral(", settling")));
    volumes->setUnreadable(kCard, true);
    ASSERT_TRUE(waitForLog(QStringLiteral("[WARN] ") + kCard
        + QStringLiteral(" is no longer readable after settling, ignoring")));
    volumes->setUnreadable(kCard, false);
    mountTable->notifyMount(kCard);
    ASSERT_TRUE(pollUntil([&] { return ready.size() == 1; }));
}

TEST_F(VolumeWatcherTest, QueuedProbeFindsTheWatcherStopped)
{
    startWatcher();
    volumes->addCard(kCard, QStringLiteral("EOS_DIGITAL"));
    volumes->closeGate();
    mountTable->mount(kCard); // queues a rescan (held at the gate) and then the probe
    ASSERT_TRUE(pollUntil([&] { return volumes->readsWaiting() > 0; }));
    watcher->stop();
    volumes->openGate();
    drainProbeQueue();
    processEventsFor(150ms);
    EXPECT_TRUE(ready.isEmpty());
    EXPECT_FALSE(logged(QStringLiteral("[INFO] Card mounted: ") + kCard + QStringLiteral(", settling")));
    EXPECT_FALSE(mountTable->isWatching());
}

TEST_F(VolumeWatcherTest, StopDuringSettleAndEventsAfterStopReachNothing)
{
    startWatcher(slowSettle());
    mountCard();
    ASSERT_TRUE(waitForLog(QStringLiteral("[INFO] Card mounted: ") + kCard + QStringLiteral(", settling")));
    watcher->stop();
    mountCard(QStringLiteral("/media/me/OTHER"), QStringLiteral("OTHER"));
    processEventsFor(700ms);
    drainProbeQueue();
    EXPECT_TRUE(ready.isEmpty());
    EXPECT_TRUE(session->stopped);
}

TEST_F(VolumeWatcherTest, StartAfterStopWatchesAgain)
{
    startWatcher();
    watcher->stop();
    watcher->start();
    watcher->start(); // a second start while started does nothing
    mountCard();
    ASSERT_TRUE(pollUntil([&] { return ready.size() == 1; }));
    EXPECT_EQ(logger.count(QStringLiteral("[INFO] VolumeWatcher started")), 2);
}

TEST_F(VolumeWatcherTest, CardsHandledAtLaunchAreNotHandledAgain)
{
    volumes->addCard(kCard, QStringLiteral("EOS_DIGITAL"));
    mountTable->addEntry(kCard);
    startWatcher();
    QList<MountedCard> found;
    watcher->scanExistingAsync([&found](const QList<MountedCard> &cards) { found = cards; });
    ASSERT_TRUE(pollUntil([&] { return found.size() == 1; }));
    watcher->noteHandledAtLaunch(found);

    mountTable->notifyMount(kCard);
    EXPECT_TRUE(logged(QStringLiteral("[INFO] Ignoring duplicate mount event for ") + kCard));
    processEventsFor(150ms);
    EXPECT_TRUE(ready.isEmpty());
}

TEST_F(VolumeWatcherTest, ScanListsOnlyCardsSortedAndTopmostMounts)
{
    volumes->addCard(QStringLiteral("/media/me/card 10"), QStringLiteral("card 10"));
    volumes->addCard(QStringLiteral("/media/me/Card 2"), QStringLiteral("Card 2"));
    VolumeValues unnamed;
    unnamed.isLocal = unnamed.isRemovable = unnamed.isEjectable = true;
    volumes->setValues(QStringLiteral("/run/media/me/NONAME"), unnamed);
    for (const char *path :
        { "/media/me/card 10", "/media/me/Card 2", "/run/media/me/NONAME", "/home", "/media/me/Card 2" })
        mountTable->addEntry(QString::fromUtf8(path));
    startWatcher();

    // Cards are read side by side: the list is whole once the last of them answered.
    ASSERT_TRUE(pollUntil([&] { return watcher->mountedCards().size() == 3; }));
    const QList<MountedCard> cards = watcher->mountedCards();
    EXPECT_EQ(cards.at(0).name, QStringLiteral("Card 2"));
    EXPECT_EQ(cards.at(1).name, QStringLiteral("card 10"));
    EXPECT_EQ(cards.at(2).name, QStringLiteral("NONAME")); // no label: the mount point's name
    EXPECT_FALSE(cards.at(2).freeBytes.has_value());
}

TEST_F(VolumeWatcherTest, MountEventWithoutPathOnlyRescans)
{
    startWatcher();
    volumes->addCard(kCard, QStringLiteral("EOS_DIGITAL"));
    mountTable->addEntry(kCard);
    logger.clear();
    mountTable->notifyMount(QString());
    ASSERT_TRUE(pollUntil([&] { return watcher->mountedCards().size() == 1; }));
    processEventsFor(150ms);
    EXPECT_TRUE(ready.isEmpty());
    EXPECT_TRUE(logger.lines().isEmpty());
}

TEST_F(VolumeWatcherTest, DiskSessionKeepsRemovableDisksByName)
{
    startWatcher();
    ASSERT_TRUE(session->started);
    session->callbacks.ready();
    EXPECT_TRUE(logged(QStringLiteral("[INFO] udisks2 session started")));
    DiskDescription disk;
    disk.deviceName = QStringLiteral("sdb1");
    disk.volumeName = QStringLiteral("EOS_DIGITAL");
    session->callbacks.appeared(disk);
    session->callbacks.appeared(disk);
    EXPECT_EQ(watcher->diskServiceDisks().size(), 1);
    disk.volumePath = kCard;
    session->callbacks.descriptionChanged(disk);
    EXPECT_EQ(watcher->diskServiceDisks().value(QStringLiteral("sdb1")).volumePath, kCard);
    session->callbacks.disappeared(QStringLiteral("sdb1"));
    session->callbacks.disappeared(QStringLiteral("sdb1"));
    EXPECT_TRUE(watcher->diskServiceDisks().isEmpty());
}

TEST_F(VolumeWatcherTest, MissingDiskServiceIsLoggedAndCardsStillArrive)
{
    session->startable = false; // no system bus
    startWatcher();
    EXPECT_TRUE(logged(QStringLiteral("[ERROR] Failed to create udisks2 session")));
    EXPECT_FALSE(watcher->hasDiskSession());
    mountCard();
    ASSERT_TRUE(pollUntil([&] { return ready.size() == 1; }));
}

TEST_F(VolumeWatcherTest, DiskServiceFailingLaterIsDroppedOnce)
{
    startWatcher();
    ASSERT_TRUE(watcher->hasDiskSession());
    session->callbacks.failed(QStringLiteral("org.freedesktop.DBus.Error.ServiceUnknown"));
    ASSERT_TRUE(pollUntil([&] { return !watcher->hasDiskSession(); }));
    EXPECT_EQ(logger.count(QStringLiteral("[ERROR] Failed to create udisks2 session")), 1);
}

TEST_F(VolumeWatcherTest, HungCardsNeverHoldUpAHealthyCardMountedAfterThem)
{
    VolumeWatcher::Limits limits = shortLimits();
    limits.readLimit = 1h; // the hung cards stay unanswered throughout
    const QStringList hung { QStringLiteral("/media/me/H1"), QStringLiteral("/media/me/H2"),
        QStringLiteral("/media/me/H3") };
    for (const int count : { 1, 2, 3 }) {
        for (const bool hungBeforeStart : { true, false }) {
            SCOPED_TRACE(testing::Message() << count << " hung, before start: " << hungBeforeStart);
            ready.clear();
            makeWatcher(limits);
            if (!hungBeforeStart)
                watcher->start();
            for (const QString &path : hung.first(count)) {
                volumes->setHung(path, true);
                mountCard(path, QStringLiteral("HUNG"));
            }
            if (hungBeforeStart)
                watcher->start();
            mountCard();
            ASSERT_TRUE(pollUntil([&] { return ready.size() == 1; }));
            EXPECT_EQ(ready.first().url, QUrl::fromLocalFile(kCard));
            for (const QString &path : hung + QStringList { kCard }) {
                volumes->setHung(path, false);
                mountTable->unmount(path);
            }
        }
    }
}

TEST_F(VolumeWatcherTest, AHungCardIsGivenUpAndReportedOnceAndPastTheBoundUnread)
{
    VolumeWatcher::Limits limits = shortLimits();
    limits.readLimit = 100ms;
    limits.stuckReadBound = 1; // the first hung card takes the only thread stuck reads may hold
    startWatcher(limits);
    QStringList reported;
    watcher->observeCardsNotAnswering(
        watcher.get(), [&](const MountedCard &card) { reported.append(card.name); });
    for (const QString &name : { QStringLiteral("HUNG_A"), QStringLiteral("HUNG_B") }) {
        volumes->setHung(QStringLiteral("/media/me/") + name, true);
        mountCard(QStringLiteral("/media/me/") + name, name);
        ASSERT_TRUE(waitForLog(QStringLiteral("[WARN] /media/me/") + name
            + QStringLiteral(" could not be read when it mounted; will handle the next mount event for it")));
    }
    mountTable->notifyMount(QString()); // a rescan reads both again
    drainProbeQueue();
    EXPECT_EQ(reported, (QStringList { QStringLiteral("HUNG_A"), QStringLiteral("HUNG_B") }));
    const int reads = volumes->readCount(); // the stuck read returns after the watcher is gone
    watcher.reset();
    volumes->setHung(QStringLiteral("/media/me/HUNG_A"), false);
    EXPECT_TRUE(pollUntil([&] { return volumes->readCount() > reads; }));
}

} // namespace
