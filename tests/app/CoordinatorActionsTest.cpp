// What the user asks of the Coordinator: open a card, mount it first, eject, pause, settings.
#include "app/AbstractSettingsWindow.h"
#include "app/AbstractStatusMenu.h"
#include "app/Coordinator.h"

#include "common/CoordinatorHarness.h"
#include "common/PollUntil.h"
#include "common/QtPrinters.h"
#include "platform/linux/StatxEntryAttributeSource.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace std::chrono_literals;

namespace {

struct CountingMenu final : AbstractStatusMenu {
    explicit CountingMenu(int &refreshes)
        : m_refreshes(refreshes)
    {
    }
    void refreshIcon() override { ++m_refreshes; }
    int &m_refreshes;
};

struct RecordingWindow final : AbstractSettingsWindow {
    explicit RecordingWindow(QList<bool> &shown)
        : m_shown(shown)
    {
    }
    void show(bool revealExtras) override { m_shown.append(revealExtras); }
    QList<bool> &m_shown;
};

class CoordinatorActionsTest : public ::testing::Test, protected CoordinatorHarness {
protected:
    void SetUp() override
    {
        QDir(m_card.path()).mkpath(QStringLiteral("DCIM"));
        m_rules.setRules({ Rule::makeDefaultCatchAll() });
        m_fileManager.answerImmediately(std::nullopt);
    }

    Coordinator &make(bool withWindow = true)
    {
        Coordinator::Services services = coordinatorServices(StatxEntryAttributeSource::instance());
        services.makeStatusMenu
            = [this](Coordinator &) { return std::make_unique<CountingMenu>(m_iconRefreshes); };
        if (withWindow) {
            services.makeSettingsWindow
                = [this](Coordinator &) { return std::make_unique<RecordingWindow>(m_windowShown); };
        }
        services.fileCount = [](const QString &, const EntryAttributeSource &) { return 7; };
        services.closeCardWindows = m_closeCardWindows;
        m_coordinator = std::make_unique<Coordinator>(services);
        m_coordinator->start();
        return *m_coordinator;
    }

    void pause()
    {
        AppSettings settings;
        settings.paused = true;
        m_rules.setSettings(settings);
    }

    MountedCard card(const QString &name = QStringLiteral("EOS_DIGITAL")) const
    {
        return MountedCard { QUrl::fromLocalFile(m_card.path()), name, true, true, 1000 };
    }
    DetectedCard mountedLine() const
    {
        return DetectedCard { QStringLiteral("sdb1"), QStringLiteral("EOS_DIGITAL"),
            QUrl::fromLocalFile(m_card.path()), 1000, false };
    }
    static DetectedCard unmountedLine()
    {
        return DetectedCard { QStringLiteral("sdb1"), QStringLiteral("EOS_DIGITAL"), std::nullopt,
            std::nullopt, false };
    }

    bool logged(const QString &line)
    {
        return pollUntil([&] { return m_log.contains(line); });
    }

    QTemporaryDir m_card;
    std::function<void(const QString &, std::function<void()>)> m_closeCardWindows;
    int m_iconRefreshes = 0;
    QList<bool> m_windowShown;
    std::unique_ptr<Coordinator> m_coordinator;
};

TEST_F(CoordinatorActionsTest, ClickOnAMountedCardOpensItWhilePaused)
{
    pause();
    Coordinator &coordinator = make();
    m_watcher->setCards({ card() }, { mountedLine() });
    coordinator.cardClicked(mountedLine());
    ASSERT_TRUE(logged(QStringLiteral("[INFO] EOS_DIGITAL: opened DCIM")));
    EXPECT_EQ(m_fileManager.requestCount(), 1);
}

TEST_F(CoordinatorActionsTest, ClickOnAListedCardMissingFromTheMountedListBuildsItOrWarns)
{
    Coordinator &coordinator = make();
    m_watcher->setMadeCard(card());
    coordinator.cardClicked(mountedLine());
    ASSERT_TRUE(logged(QStringLiteral("[INFO] EOS_DIGITAL: opened DCIM")));

    m_watcher->setMadeCard(std::nullopt);
    std::optional<MirvaleError> outcome;
    coordinator.cardClicked(
        mountedLine(), [&](const std::optional<MirvaleError> &error) { outcome = error; });
    ASSERT_TRUE(logged(QStringLiteral("[WARN] EOS_DIGITAL: reported mounted at ") + m_card.path()
        + QStringLiteral(" but no matching card was found")));
    EXPECT_TRUE(outcome.has_value());
    EXPECT_EQ(m_fileManager.requestCount(), 1);
    EXPECT_TRUE(m_notifier.problems().isEmpty());
}

TEST_F(CoordinatorActionsTest, ClickOnAnUnmountedCardMountsThenOpensAlthoughPaused)
{
    for (const bool hasRule : { true, false }) {
        SCOPED_TRACE(hasRule ? "a rule matches" : "no rule matches");
        m_rules.setRules(hasRule ? RuleList { Rule::makeDefaultCatchAll() } : RuleList {});
        pause();
        Coordinator &coordinator = make();
        std::optional<std::optional<MirvaleError>> outcome;
        coordinator.cardClicked(
            unmountedLine(), [&](const std::optional<MirvaleError> &error) { outcome = error; });
        EXPECT_TRUE(m_log.contains(QStringLiteral("[INFO] EOS_DIGITAL: not mounted, mounting sdb1")));
        EXPECT_EQ(coordinator.pendingUserOpenNames(), QSet<QString> { QStringLiteral("eos_digital") });
        ASSERT_EQ(m_watcher->mountRequests().size(), 1);
        processEventsFor(20ms);
        EXPECT_FALSE(outcome.has_value()); // mounted, not opened yet

        // The volume arrives through the mount callback, its name in another case.
        m_watcher->mount(card(QStringLiteral("eos_digital")));
        EXPECT_TRUE(coordinator.pendingUserOpenNames().isEmpty());
        if (hasRule) {
            ASSERT_TRUE(logged(QStringLiteral("[INFO] eos_digital: opened DCIM")));
        } else {
            ASSERT_TRUE(pollUntil([&] { return m_notifier.problems().size() == 1; }));
            EXPECT_EQ(m_notifier.problems().first().message, QStringLiteral("No rule matches this card."));
        }
        ASSERT_TRUE(pollUntil([&] { return outcome.has_value(); }));
        EXPECT_EQ(bool(*outcome), !hasRule);
        m_coordinator.reset();
        m_log.clear();
    }
}

TEST_F(CoordinatorActionsTest, FailedMountClearsThePendingName)
{
    pause();
    Coordinator &coordinator = make();
    m_watcher->setRequestError(
        MirvaleError::diskError(QStringLiteral("udisksctl mount -b /dev/sdb1 exited with status 1")));
    coordinator.cardClicked(unmountedLine());
    const QString description
        = QStringLiteral("Disk error: udisksctl mount -b /dev/sdb1 exited with status 1");
    ASSERT_TRUE(logged(QStringLiteral("[ERROR] EOS_DIGITAL: mount failed \u2014 ") + description));
    EXPECT_TRUE(coordinator.pendingUserOpenNames().isEmpty());
    ASSERT_EQ(m_notifier.problems().size(), 1);
    EXPECT_EQ(m_notifier.problems().first().card.name, QStringLiteral("EOS_DIGITAL"));
    EXPECT_EQ(
        m_notifier.problems().first().card.url, QUrl::fromLocalFile(QStringLiteral("/media/EOS_DIGITAL")));
    EXPECT_EQ(m_notifier.problems().first().message, description);

    // A later mount of the same card is an ordinary insertion: paused, so ignored.
    m_watcher->mount(card());
    ASSERT_TRUE(logged(QStringLiteral("[INFO] EOS_DIGITAL: watching is paused, ignoring")));
}

TEST_F(CoordinatorActionsTest, ClickOnAnEjectedCardOnlyLogs)
{
    Coordinator &coordinator = make();
    DetectedCard ejected { QStringLiteral("slot:1234"), QStringLiteral("EOS_DIGITAL"), std::nullopt,
        std::nullopt, true };
    std::optional<MirvaleError> outcome;
    coordinator.cardClicked(ejected, [&](const std::optional<MirvaleError> &error) { outcome = error; });
    EXPECT_TRUE(m_log.contains(
        QStringLiteral("[INFO] EOS_DIGITAL: ejected (powered down but still in the slot), reinsert to use")));
    EXPECT_TRUE(outcome.has_value());
    EXPECT_TRUE(m_watcher->mountRequests().isEmpty());
}

TEST_F(CoordinatorActionsTest, EjectFromAPanel)
{
    make();
    m_watcher->setCards({ card() }, { mountedLine() });
    m_notifier.pressUnmount(QUrl::fromLocalFile(m_card.path()));
    EXPECT_TRUE(m_log.contains(QStringLiteral("[INFO] Ejecting EOS_DIGITAL")));
    ASSERT_EQ(m_watcher->ejectRequests().size(), 1);

    m_notifier.pressUnmount(QUrl::fromLocalFile(QStringLiteral("/media/me/GONE")));
    EXPECT_TRUE(m_log.contains(
        QStringLiteral("[WARN] eject requested for /media/me/GONE but it is not currently mounted")));
    ASSERT_EQ(m_notifier.problems().size(), 1);
    EXPECT_EQ(m_notifier.problems().first().card.name, QStringLiteral("GONE"));
    EXPECT_EQ(m_notifier.problems().first().message, QStringLiteral("That card is no longer mounted."));
    EXPECT_EQ(m_watcher->ejectRequests().size(), 1);
}

TEST_F(CoordinatorActionsTest, FailedEjectShowsTheError)
{
    Coordinator &coordinator = make();
    m_watcher->setRequestError(MirvaleError::diskError(QStringLiteral("busy")));
    coordinator.eject(card());
    ASSERT_TRUE(pollUntil([&] { return m_notifier.problems().size() == 1; }));
    EXPECT_EQ(m_notifier.problems().first().message, QStringLiteral("Disk error: busy"));
}

TEST_F(CoordinatorActionsTest, EjectClosesMirvalesWindowsOnTheCardFirst)
{
    QString closedFor;
    std::function<void()> unmount;
    m_closeCardWindows = [&](const QString &path, std::function<void()> then) {
        closedFor = path;
        unmount = std::move(then);
    };
    make().eject(card());
    EXPECT_EQ(closedFor, m_card.path());
    EXPECT_TRUE(m_watcher->ejectRequests().isEmpty());
    unmount();
    EXPECT_EQ(m_watcher->ejectRequests().size(), 1);
}

TEST_F(CoordinatorActionsTest, PauseTogglesAndRedrawsTheIcon)
{
    Coordinator &coordinator = make();
    const int before = m_iconRefreshes;
    coordinator.togglePause();
    EXPECT_TRUE(m_rules.settings().paused);
    coordinator.togglePause();
    EXPECT_FALSE(m_rules.settings().paused);
    EXPECT_EQ(m_log.lines().filter(QStringLiteral("Paused set to")),
        (QStringList {
            QStringLiteral("[INFO] Paused set to true"), QStringLiteral("[INFO] Paused set to false") }));
    EXPECT_EQ(m_iconRefreshes, before + 2);
}

TEST_F(CoordinatorActionsTest, SettingsWindowIsShownOnTheNextTurn)
{
    Coordinator &coordinator = make();
    coordinator.showSettings(true);
    EXPECT_TRUE(m_windowShown.isEmpty());
    ASSERT_TRUE(pollUntil([&] { return m_windowShown == QList<bool> { true }; }));
    coordinator.showSettings(false);
    ASSERT_TRUE(pollUntil([&] { return m_windowShown == (QList<bool> { true, false }); }));

    m_coordinator.reset();
    Coordinator &windowless = make(false);
    windowless.showSettings(false);
    ASSERT_TRUE(logged(QStringLiteral("[INFO] Coordinator: this session has no settings window to show")));
}

TEST_F(CoordinatorActionsTest, TestingARuleIgnoresPauseAndMatching)
{
    pause();
    Rule rule = Rule::makeDefaultCatchAll();
    rule.match = VolumeMatch::volumeName(QStringLiteral("SOMETHING ELSE"));
    Coordinator &coordinator = make();
    coordinator.test(rule, card());
    ASSERT_TRUE(logged(QStringLiteral("[INFO] EOS_DIGITAL: opened DCIM")));
}

} // namespace
