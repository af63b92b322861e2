#include "app/Coordinator.h"

#include "common/CoordinatorHarness.h"
#include "common/ManualTimers.h"
#include "common/PollUntil.h"
#include "common/QtPrinters.h"
#include "platform/linux/StatxEntryAttributeSource.h"
#include "support/Workers.h"

#include <QTemporaryDir>

#include <condition_variable>
#include <mutex>

#include <gtest/gtest.h>

using namespace std::chrono_literals;

namespace {

/// The real file system, except that every read under one folder blocks until released, as a
/// card whose FUSE daemon stopped answering does.
class HangingEntries final : public EntryAttributeSource {
public:
    explicit HangingEntries(QString hungRoot)
        : m_hungRoot(hungRoot.toLocal8Bit())
    {
    }
    ~HangingEntries() override { release(); }

    void release()
    {
        std::lock_guard lock(m_mutex);
        m_released = true;
        m_wake.notify_all();
    }

    std::unique_ptr<Listing> list(const QByteArray &directory) const override
    {
        wait(directory);
        return real().list(directory);
    }
    Resolution resolve(const QByteArray &path) const override
    {
        wait(path);
        return real().resolve(path);
    }
    bool isDirectory(const QByteArray &path) const override
    {
        wait(path);
        return real().isDirectory(path);
    }

private:
    static const EntryAttributeSource &real() { return StatxEntryAttributeSource::instance(); }
    void wait(const QByteArray &path) const
    {
        if (!path.startsWith(m_hungRoot))
            return;
        std::unique_lock lock(m_mutex);
        m_wake.wait(lock, [this] { return m_released; });
    }

    const QByteArray m_hungRoot;
    mutable std::mutex m_mutex;
    mutable std::condition_variable m_wake;
    bool m_released = false;
};

class CoordinatorTest : public ::testing::Test, protected CoordinatorHarness {
protected:
    void SetUp() override
    {
        QDir(m_card.path()).mkpath(QStringLiteral("DCIM"));
        m_rules.setRules({ Rule::makeDefaultCatchAll() });
    }

    void TearDown() override { m_coordinator.reset(); }

    Coordinator &make(std::chrono::milliseconds release = 5s, TimerScheduler *timers = nullptr,
        const EntryAttributeSource &files = StatxEntryAttributeSource::instance())
    {
        Coordinator::Services services = coordinatorServices(files);
        services.timers = timers;
        services.fileCount = [](const QString &, const EntryAttributeSource &) { return 7; };
        services.isStillMounted = [this](const MountedCard &card) { return !m_pulled.contains(card.name); };
        m_coordinator = std::make_unique<Coordinator>(services, Coordinator::Limits { release });
        return *m_coordinator;
    }

    MountedCard card(const QString &name = QStringLiteral("EOS_DIGITAL")) const
    {
        return MountedCard { QUrl::fromLocalFile(m_card.path()), name, true, true, 1000 };
    }

    bool logged(const QString &line)
    {
        return pollUntil([&] { return m_log.contains(line); });
    }

    /// Waits until everything queued on the pipeline so far has run.

    QTemporaryDir m_card;
    QSet<QString> m_pulled; // names of cards no longer mounted
    std::unique_ptr<Coordinator> m_coordinator;
};

TEST_F(CoordinatorTest, PausedCardIsIgnoredUnlessTheUserAsked)
{
    AppSettings settings;
    settings.paused = true;
    m_rules.setSettings(settings);
    m_fileManager.answerImmediately(std::nullopt);
    Coordinator &coordinator = make();

    coordinator.handle(card(), false);
    ASSERT_TRUE(logged(QStringLiteral("[INFO] EOS_DIGITAL: watching is paused, ignoring")));
    EXPECT_EQ(m_fileManager.requestCount(), 0);

    coordinator.handle(card(), true);
    ASSERT_TRUE(logged(QStringLiteral("[INFO] EOS_DIGITAL: opened DCIM")));
    EXPECT_EQ(m_fileManager.requestCount(), 1);
    EXPECT_TRUE(m_notifier.problems().isEmpty());
}

TEST_F(CoordinatorTest, NoRuleLogsAndShowsAPanelOnlyWhenAsked)
{
    m_rules.setRules({});
    Coordinator &coordinator = make();

    coordinator.handle(card(QStringLiteral("FROM_MOUNT")), false);
    ASSERT_TRUE(logged(QStringLiteral("[INFO] no rule for FROM_MOUNT")));
    coordinator.handle(card(QStringLiteral("ASKED")), true);
    ASSERT_TRUE(logged(QStringLiteral("[INFO] no rule for ASKED")));
    ASSERT_TRUE(pollUntil([&] { return m_notifier.problems().size() == 1; }));
    EXPECT_EQ(m_notifier.problems()[0].card.name, QStringLiteral("ASKED"));
    EXPECT_EQ(m_notifier.problems()[0].message, QStringLiteral("No rule matches this card."));
    EXPECT_EQ(m_fileManager.requestCount(), 0);
}

TEST_F(CoordinatorTest, MountCallbackReachesThePipeline)
{
    m_fileManager.answerImmediately(std::nullopt);
    make();
    m_watcher->mount(card());
    EXPECT_TRUE(logged(QStringLiteral("[INFO] EOS_DIGITAL: opening DCIM")));
    EXPECT_TRUE(logged(QStringLiteral("[INFO] EOS_DIGITAL: opened DCIM")));
}

TEST_F(CoordinatorTest, LateSuccessIsReportedOnceAfterThePipelineMovedOn)
{
    Rule rule = Rule::makeDefaultCatchAll();
    rule.extras.mouseWarp = MousePoint { 100, 200 };
    m_rules.setRules({ rule });
    AppSettings settings;
    settings.showNotifications = true;
    m_rules.setSettings(settings);
    ManualTimers clock;
    Coordinator &coordinator = make(Coordinator::kPipelineRelease, &clock);

    coordinator.handle(card(QStringLiteral("FIRST")), false);
    coordinator.handle(card(QStringLiteral("SECOND")), false);
    ASSERT_TRUE(pollUntil([&] { return m_fileManager.requestCount() == 1; }));
    clock.advance(44s);
    EXPECT_FALSE(
        m_log.contains(QStringLiteral("[WARN] FIRST: releasing the pipeline after 45s; the file "
                                      "manager controller still has this request and will report its "
                                      "own outcome")));
    clock.advance(1s);
    EXPECT_TRUE(
        m_log.contains(QStringLiteral("[WARN] FIRST: releasing the pipeline after 45s; the file manager "
                                      "controller still has this request and will report its own outcome")));
    // The pipeline moved on to the next card while the first is still unanswered.
    ASSERT_TRUE(pollUntil([&] { return m_fileManager.requestCount() == 2; }));

    // The file manager answers the first card 50 s after it was asked.
    clock.advance(5s);
    m_fileManager.complete(0);
    EXPECT_TRUE(
        m_log.contains(QStringLiteral("[INFO] FIRST: the file manager answered after the pipeline released "
                                      "at 45s; reporting the window it opened")));
    EXPECT_TRUE(m_log.contains(QStringLiteral("[INFO] MouseWarp.warp(to: 100, 200)")));
    ASSERT_TRUE(pollUntil([&] { return m_notifier.opened().size() == 1; }));
    EXPECT_EQ(m_notifier.opened()[0].card.name, QStringLiteral("FIRST"));
    EXPECT_EQ(m_notifier.opened()[0].fileCount, 7);

    // A second outcome for the same request is logged, never reported again.
    m_fileManager.complete(0);
    EXPECT_TRUE(
        m_log.contains(QStringLiteral("[INFO] FIRST: the file manager answered but this card was already "
                                      "reported; not reporting twice")));
    m_fileManager.complete(1);
    ASSERT_TRUE(pollUntil([&] { return m_notifier.opened().size() == 2; }));
    EXPECT_EQ(m_notifier.opened()[1].card.name, QStringLiteral("SECOND"));
    EXPECT_EQ(m_pointer.moves().size(), 2);
}

TEST_F(CoordinatorTest, ACardThatStopsAnsweringIsGivenUpOnceAndHoldsUpNoOther)
{
    QTemporaryDir healthy;
    QDir(healthy.path()).mkpath(QStringLiteral("DCIM"));
    HangingEntries files(m_card.path());
    ManualTimers clock;
    Coordinator &coordinator = make(Coordinator::kPipelineRelease, &clock, files);
    m_fileManager.answerImmediately(std::nullopt);
    std::optional<MirvaleError> hungOutcome;
    coordinator.handle(card(QStringLiteral("HUNG")), false,
        [&hungOutcome](const std::optional<MirvaleError> &error) { hungOutcome = error; });
    coordinator.handle(
        MountedCard { QUrl::fromLocalFile(healthy.path()), QStringLiteral("OK"), true, true, 1 }, false);

    // The hung card's reads stall: the card behind it goes first, at once.
    clock.advance(VolumeWatcherLimits::kReadLimit / 5);
    ASSERT_TRUE(pollUntil([&] { return m_fileManager.requestCount() == 1; }));
    EXPECT_TRUE(m_fileManager.request(0).folder.toLocalFile().startsWith(healthy.path()));
    EXPECT_TRUE(m_notifier.problems().isEmpty());
    // No read of it moved for the whole read limit: it is given up, once.
    clock.advance(VolumeWatcherLimits::kReadLimit);
    ASSERT_EQ(m_notifier.problems().size(), 1);
    EXPECT_EQ(m_notifier.problems()[0].message,
        QStringLiteral("HUNG does not answer: pull it out and insert it again"));
    ASSERT_TRUE(hungOutcome.has_value());

    // Its stuck read returns at last and changes nothing; asked again, it is refused at once.
    files.release();
    ASSERT_TRUE(pollUntil([] { return Workers::cardReads().activeThreadCount() == 0; }));
    QCoreApplication::processEvents();
    coordinator.handle(card(QStringLiteral("HUNG")), false);
    ASSERT_TRUE(pollUntil([&] { return m_notifier.opened().size() == 1; }));
    EXPECT_EQ(m_fileManager.requestCount(), 1);
    EXPECT_EQ(m_notifier.problems().size(), 1);
    EXPECT_EQ(m_notifier.opened()[0].card.name, QStringLiteral("OK"));
}

TEST_F(CoordinatorTest, CardPulledWhileItWaitsIsNeitherOpenedNorReported)
{
    Coordinator &coordinator = make();
    coordinator.handle(card(QStringLiteral("FIRST")), false); // the file manager is slow
    ASSERT_TRUE(pollUntil([&] { return m_fileManager.requestCount() == 1; }));
    coordinator.handle(card(QStringLiteral("PULLED")), true);
    m_pulled.insert(QStringLiteral("PULLED"));
    m_fileManager.complete(0);
    ASSERT_TRUE(logged(QStringLiteral("[INFO] PULLED: removed before it could be opened")));
    processEventsFor(20ms);
    EXPECT_EQ(m_fileManager.requestCount(), 1);
    EXPECT_FALSE(m_log.contains(QStringLiteral("[INFO] PULLED: opening DCIM")));
    EXPECT_TRUE(m_notifier.problems().isEmpty());
}

TEST_F(CoordinatorTest, LateFailureCarriesTheSuffixAndShowsOnePanel)
{
    Coordinator &coordinator = make(30ms);
    coordinator.handle(card(), false);
    ASSERT_TRUE(logged(
        QStringLiteral("[WARN] EOS_DIGITAL: releasing the pipeline after 0.03s; the file manager controller "
                       "still has this request and will report its own outcome")));
    m_fileManager.complete(0, MirvaleError::fileManagerTimeout());
    EXPECT_TRUE(m_log.contains(
        QStringLiteral("[ERROR] EOS_DIGITAL: failed to open DCIM \u2014 The file manager did not respond "
                       "in time. (after the pipeline had already been released)")));
    m_fileManager.complete(0, MirvaleError::fileManagerError(QStringLiteral("again")));
    ASSERT_EQ(m_notifier.problems().size(), 1);
    EXPECT_EQ(m_notifier.problems()[0].message, QStringLiteral("The file manager did not respond in time."));
    EXPECT_TRUE(m_notifier.opened().isEmpty());
}

TEST_F(CoordinatorTest, FailureThenSuccessReportsOnlyTheFailure)
{
    Coordinator &coordinator = make();
    coordinator.handle(card(), false);
    ASSERT_TRUE(pollUntil([&] { return m_fileManager.requestCount() == 1; }));
    m_fileManager.complete(0, MirvaleError::folderMissing(QStringLiteral("/media/x")));
    m_fileManager.complete(0);
    EXPECT_TRUE(m_log.contains(
        QStringLiteral("[ERROR] EOS_DIGITAL: failed to open DCIM \u2014 Folder not found: /media/x")));
    EXPECT_TRUE(m_log.contains(
        QStringLiteral("[INFO] EOS_DIGITAL: the file manager answered but this card was already "
                       "reported; not reporting twice")));
    processEventsFor(30ms);
    EXPECT_EQ(m_notifier.problems().size(), 1);

    EXPECT_TRUE(m_notifier.opened().isEmpty());
    // An answer in time does not produce the release line.
    EXPECT_FALSE(m_log.lines().join(QLatin1Char('\n')).contains(QStringLiteral("releasing the pipeline")));
}

TEST_F(CoordinatorTest, RequestCarriesTheRuleAndTarget)
{
    Rule rule = Rule::makeDefaultCatchAll();
    rule.placement = Placement { 10, 20, 300, 400 };
    rule.bringToFront = true;
    m_rules.setRules({ rule });
    m_fileManager.answerImmediately(std::nullopt);
    make().handle(card(), false);
    ASSERT_TRUE(pollUntil([&] { return m_fileManager.requestCount() == 1; }));
    const auto request = m_fileManager.request(0);
    EXPECT_EQ(request.folder, QUrl::fromLocalFile(m_card.path() + QStringLiteral("/DCIM")));
    EXPECT_TRUE(request.bringToFront);
    EXPECT_TRUE(request.placement.has_value());
    // Notifications off: the notifier is told, without a count.
    ASSERT_TRUE(pollUntil([&] { return m_notifier.opened().size() == 1; }));
    EXPECT_FALSE(m_notifier.opened()[0].fileCount.has_value());
}

TEST_F(CoordinatorTest, StartRunsTheSequenceAndHandlesCardsPresentAtLaunch)
{
    AppSettings settings;
    settings.handleCardsPresentAtLaunch = true;
    settings.paused = true; // pause still applies to the launch scan
    m_rules.setSettings(settings);
    m_fileManager.setPermissionGranted(false);
    Coordinator &coordinator = make();
    m_watcher->setExisting({ card(QStringLiteral("A")), card(QStringLiteral("B")) });
    coordinator.start();

    EXPECT_EQ(m_rules.loads(), 1);
    EXPECT_TRUE(m_notifier.isSetUp());
    EXPECT_TRUE(m_watcher->isStarted());
    EXPECT_TRUE(m_log.contains(QStringLiteral("[INFO] Coordinator started")));
    // What a Linux user can do about it, not a settings pane this desktop does not have.
    ASSERT_TRUE(logged(QStringLiteral("[INFO] No file manager is available yet (no file manager offers "
                                      "org.freedesktop.FileManager1 on this desktop session; install or "
                                      "start one that does)")));
    ASSERT_TRUE(logged(QStringLiteral("[INFO] B: watching is paused, ignoring")));
    const QStringList lines = m_log.lines();
    EXPECT_LT(lines.indexOf(QStringLiteral("[INFO] A: watching is paused, ignoring")),
        lines.indexOf(QStringLiteral("[INFO] B: watching is paused, ignoring")));
    EXPECT_EQ(m_watcher->notedAtLaunch().size(), 2);
}

TEST_F(CoordinatorTest, CardsPresentAtLaunchAreLeftAloneWhenSwitchedOff)
{
    Coordinator &coordinator = make();
    m_watcher->setExisting({ card() });
    coordinator.start();
    ASSERT_TRUE(logged(QStringLiteral("[INFO] A file manager is available")));
    processEventsFor(30ms);
    EXPECT_EQ(m_fileManager.requestCount(), 0);
    EXPECT_TRUE(m_watcher->notedAtLaunch().isEmpty());
}

TEST_F(CoordinatorTest, SettingsSaveFailureShowsASettingsPanel)
{
    Coordinator &coordinator = make();
    coordinator.start();
    emit m_rules.settingsSaveFailed(QStringLiteral("disk full"));
    emit m_rules.settingsSaveFailed(QString());
    const auto problems = m_notifier.problems();
    ASSERT_EQ(problems.size(), 2);
    EXPECT_EQ(problems[0].card.name, QStringLiteral("Mirvale settings"));
    EXPECT_EQ(problems[0].card.url, QUrl::fromLocalFile(QStringLiteral("/")));
    EXPECT_FALSE(problems[0].card.isRemovable || problems[0].card.isEjectable || problems[0].card.freeBytes);
    EXPECT_EQ(problems[0].message, QStringLiteral("Your change could not be saved: disk full"));
    EXPECT_EQ(problems[1].message, QStringLiteral("Your change could not be saved: unknown error"));
}

TEST_F(CoordinatorTest, ScreenSnapshotIsCachedAndRefreshedOnChange)
{
    Coordinator &coordinator = make();
    ScreenSnapshot one;
    one.visibleFramesTopLeft = { QRectF(0, 25, 1440, 875) };
    m_screens.setSnapshot(one);
    coordinator.start();
    EXPECT_EQ(coordinator.currentScreens(), one);
    const int captures = m_screens.captures();
    EXPECT_EQ(coordinator.currentScreens(), one);
    EXPECT_EQ(m_screens.captures(), captures);

    ScreenSnapshot two = one;
    two.visibleFramesTopLeft.append(QRectF(1440, 0, 1920, 1080));
    m_screens.setSnapshot(two);
    emit m_screens.screensChanged();
    EXPECT_EQ(coordinator.currentScreens(), two);
    EXPECT_TRUE(m_log.contains(
        QStringLiteral("[INFO] Coordinator: screen arrangement changed, placement snapshot refreshed")));
}

TEST_F(CoordinatorTest, TearDownWhileWaitingDoesNotHangOrReport)
{
    Coordinator &coordinator = make(10s);
    coordinator.handle(card(), false);
    ASSERT_TRUE(pollUntil([&] { return m_fileManager.requestCount() == 1; }));
    m_coordinator.reset(); // must not wait the full limit
    m_fileManager.complete(0);
    EXPECT_TRUE(m_notifier.opened().isEmpty());
}

} // namespace
