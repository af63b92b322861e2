// The control interface on a private session bus, driven the way mirvalectl drives it.
#include "app/ControlInterface.h"
#include "app/AbstractSettingsWindow.h"
#include "app/Coordinator.h"
#include "app/SingleInstance.h"
#include "main/mirvalectl/ControlCommands.h"

#include "common/CoordinatorHarness.h"
#include "common/PollUntil.h"
#include "common/QtPrinters.h"
#include "platform/linux/StatxEntryAttributeSource.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QTemporaryDir>
#include <QTimer>

#include <nlohmann/json.hpp>

#include <gtest/gtest.h>

#include <atomic>
#include <cstdio>
#include <thread>
#include <vector>

using namespace std::chrono_literals;

namespace {

struct RecordingWindow final : AbstractSettingsWindow {
    explicit RecordingWindow(QList<bool> &shown)
        : m_shown(shown)
    {
    }
    void show(bool revealExtras) override { m_shown.append(revealExtras); }
    QList<bool> &m_shown;
};

struct CtlRun {
    int exitCode = -1;
    QString out;
    QString err;
};

QString readAll(std::FILE *file)
{
    std::rewind(file);
    QByteArray bytes;
    char buffer[4096];
    size_t read = 0;
    while ((read = std::fread(buffer, 1, sizeof buffer, file)) > 0)
        bytes.append(buffer, qsizetype(read));
    std::fclose(file);
    return QString::fromUtf8(bytes);
}

class ControlInterfaceTest : public ::testing::Test, protected CoordinatorHarness {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(QDBusConnection::sessionBus().isConnected()) << "run under dbus-run-session";
        ASSERT_EQ(SingleInstance::claim(QDBusConnection::sessionBus()), SingleInstance::Claim::Owned);
        QDir(m_cardDir.path()).mkpath(QStringLiteral("DCIM"));
        m_rules.setRules({ Rule::makeDefaultCatchAll() });
        m_fileManager.answerImmediately(std::nullopt);
        Coordinator::Services services = coordinatorServices(StatxEntryAttributeSource::instance());
        services.makeSettingsWindow
            = [this](Coordinator &) { return std::make_unique<RecordingWindow>(m_shown); };
        m_coordinator = std::make_unique<Coordinator>(services);
        m_control = std::make_unique<ControlInterface>(*m_coordinator, m_log);
        ASSERT_TRUE(m_control->registerOn(QDBusConnection::sessionBus()));
    }

    void TearDown() override
    {
        m_control.reset();
        m_coordinator.reset();
    }

    /// Runs a mirvalectl command on a connection of its own, on another thread, while this
    /// thread serves the interface.
    CtlRun ctl(const QStringList &arguments)
    {
        CtlRun run;
        std::FILE *out = std::tmpfile();
        std::FILE *err = std::tmpfile();
        std::atomic<bool> done = false;
        std::thread client([&] {
            QDBusConnection connection = QDBusConnection::connectToBus(
                QDBusConnection::SessionBus, QStringLiteral("mirvalectl-test"));
            run.exitCode = ControlCommands::run(connection, arguments.first(), arguments.mid(1), out, err);
            done = true;
        });
        const bool finished = pollUntil([&] { return done.load(); }, 20s);
        client.join();
        QDBusConnection::disconnectFromBus(QStringLiteral("mirvalectl-test"));
        EXPECT_TRUE(finished);
        run.out = readAll(out);
        run.err = readAll(err);
        return run;
    }

    MountedCard mounted() const
    {
        return MountedCard { QUrl::fromLocalFile(m_cardDir.path()), QStringLiteral("EOS_DIGITAL"), true, true,
            31'900'000'000 };
    }
    QList<DetectedCard> lines() const
    {
        return { DetectedCard { QStringLiteral("sdb1"), QStringLiteral("EOS_DIGITAL"), mounted().url,
                     31'900'000'000, false },
            DetectedCard {
                QStringLiteral("sdc1"), QStringLiteral("NIKON"), std::nullopt, std::nullopt, false },
            DetectedCard {
                QStringLiteral("slot:42"), QStringLiteral("\u0645"), std::nullopt, std::nullopt, true } };
    }

    QTemporaryDir m_cardDir; // a card with a camera folder, so the catch-all rule matches
    QList<bool> m_shown;
    std::unique_ptr<Coordinator> m_coordinator;
    std::unique_ptr<ControlInterface> m_control;
};

TEST_F(ControlInterfaceTest, CardsListsTheMenuTitlesAndTheirDictionaries)
{
    // The listing measures the free space afresh, as opening the menu does.
    QList<DetectedCard> measured = lines();
    measured[0].freeBytes = 29'500'000'000;
    m_watcher->onFreeSpaceRefresh = [this, measured] {
        QTimer::singleShot(
            0, m_control.get(), [this, measured] { m_watcher->setCards({ mounted() }, measured); });
    };
    m_watcher->setCards({ mounted() }, lines());
    CtlRun run = ctl({ QStringLiteral("cards") });
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.out,
        QStringLiteral("EOS_DIGITAL \u2014 29.5 GB free\nNIKON \u2014 unmounted\n"
                       "\u2068\u0645\u2069 \u2014 ejected by the system, pull it out and reinsert\n"));
    m_watcher->onFreeSpaceRefresh = nullptr;
    m_watcher->setCards({ mounted() }, lines());

    run = ctl({ QStringLiteral("cards"), QStringLiteral("--json") });
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const nlohmann::json cards = nlohmann::json::parse(run.out.toStdString());
    ASSERT_EQ(cards.size(), 3u);
    EXPECT_EQ(cards[0]["state"], "mounted");
    EXPECT_EQ(cards[0]["mountPath"], m_cardDir.path().toStdString());
    EXPECT_EQ(cards[0]["device"], "sdb1");
    EXPECT_EQ(cards[0]["freeBytes"], 31'900'000'000LL);
    EXPECT_EQ(cards[1]["state"], "unmounted");
    EXPECT_EQ(cards[1]["freeBytes"], -1);
    EXPECT_EQ(cards[2]["state"], "ejected");
}

TEST_F(ControlInterfaceTest, RequestsNameACardByNameMountPathOrDevice)
{
    m_watcher->setCards({ mounted() }, lines());
    const struct {
        QStringList arguments;
        int exitCode;
        const char *err;
    } rows[] = {
        { { QStringLiteral("eject"), m_cardDir.path() + QStringLiteral("/") }, 0, "" },
        { { QStringLiteral("eject"), QStringLiteral("sdb1") }, 0, "" },
        { { QStringLiteral("eject"), QStringLiteral("eos_digital") }, 0, "" },
        { { QStringLiteral("eject"), QStringLiteral("NIKON") }, 1, "mirvalectl: NIKON is not mounted\n" },
        { { QStringLiteral("open"), QStringLiteral("NOPE") }, 1,
            "mirvalectl: No card matches \"NOPE\"; name a card by its name, mount path or device\n" },
        { { QStringLiteral("open"), QStringLiteral("/dev/sdb1") }, 0, "" },
        { { QStringLiteral("open") }, 2, nullptr },
    };
    for (const auto &row : rows) {
        const CtlRun run = ctl(row.arguments);
        EXPECT_EQ(run.exitCode, row.exitCode) << row.arguments.join(QLatin1Char(' ')).toStdString();
        if (row.err) {
            EXPECT_EQ(run.err, QString::fromUtf8(row.err));
        }
    }
    EXPECT_EQ(m_watcher->ejectRequests().size(), 3);
    EXPECT_EQ(m_watcher->ejectRequests().first(), mounted());
    ASSERT_TRUE(pollUntil([&] { return m_fileManager.requestCount() == 1; }))
        << m_log.lines().join(QLatin1Char('\n')).toStdString();
}

TEST_F(ControlInterfaceTest, ARefusedMountOrEjectIsReportedWithItsReason)
{
    m_watcher->setCards({ mounted() }, lines());
    m_watcher->setRequestError(
        MirvaleError::diskError(QStringLiteral("udisksctl mount -b /dev/sdc1 exited with status 1")));
    CtlRun run = ctl({ QStringLiteral("open"), QStringLiteral("NIKON") });
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err,
        QStringLiteral("mirvalectl: Disk error: udisksctl mount -b /dev/sdc1 exited with status 1\n"));
    EXPECT_TRUE(m_coordinator->pendingUserOpenNames().isEmpty());

    run = ctl({ QStringLiteral("eject"), QStringLiteral("EOS_DIGITAL") });
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.startsWith(QStringLiteral("mirvalectl: Disk error: ")));
}

TEST_F(ControlInterfaceTest, OpenSucceedsOnlyForAnOpenThatHappened)
{
    m_watcher->setCards({ mounted() }, lines());
    m_control->setOpenReplyLimit(300ms);
    const QString dcim = m_cardDir.path() + QStringLiteral("/DCIM");
    m_fileManager.answerImmediately(MirvaleError::folderMissing(dcim));
    CtlRun run = ctl({ QStringLiteral("open"), QStringLiteral("EOS_DIGITAL") });
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err, QStringLiteral("mirvalectl: Folder not found: ") + dcim + QLatin1Char('\n'));

    m_fileManager.answerLater(); // a hung file manager: the limit answers
    run = ctl({ QStringLiteral("open"), QStringLiteral("EOS_DIGITAL") });
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err, QStringLiteral("mirvalectl: no outcome within 0.3s; the card may still open\n"));
    m_fileManager.complete(1);

    m_rules.setRules({});
    run = ctl({ QStringLiteral("open"), QStringLiteral("EOS_DIGITAL") });
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err, QStringLiteral("mirvalectl: No rule matches this card.\n"));

    // What is echoed back is capped; a title cannot print as two lines.
    run = ctl({ QStringLiteral("open"), QString(100'000, QLatin1Char('x')) });
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_LT(run.err.size(), 400);
    m_watcher->setCards({},
        { DetectedCard {
            QStringLiteral("sdd1"), QStringLiteral("TWO\nLINES"), std::nullopt, std::nullopt, false } });
    EXPECT_EQ(ctl({ QStringLiteral("cards") }).out, QStringLiteral("TWO\u240ALINES \u2014 unmounted\n"));
}

TEST_F(ControlInterfaceTest, PauseResumeAndSettings)
{
    QList<bool> announced;
    QObject::connect(m_control.get(), &ControlInterface::pausedChanged, m_control.get(),
        [&announced](bool paused) { announced.append(paused); });
    EXPECT_EQ(ctl({ QStringLiteral("pause") }).exitCode, 0);
    EXPECT_TRUE(m_rules.settings().paused);
    EXPECT_EQ(ctl({ QStringLiteral("pause") }).exitCode, 0); // already paused: stays paused
    EXPECT_TRUE(m_rules.settings().paused);
    EXPECT_EQ(ctl({ QStringLiteral("resume") }).exitCode, 0);
    EXPECT_FALSE(m_rules.settings().paused);
    EXPECT_EQ(announced, (QList<bool> { true, false }));
    m_rules.failSaves(QStringLiteral("No space left on device"));
    const CtlRun refused = ctl({ QStringLiteral("pause") });
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_EQ(refused.err,
        QStringLiteral("mirvalectl: could not save the settings (No space left on device); Mirvale stays "
                       "watching\n"));
    EXPECT_FALSE(m_rules.settings().paused);

    EXPECT_EQ(ctl({ QStringLiteral("settings") }).exitCode, 0);
    ASSERT_TRUE(pollUntil([&] { return m_shown == QList<bool> { false }; }));
    EXPECT_TRUE(m_log.contains(QStringLiteral("[INFO] Control: asked to show the settings window")));
}

TEST_F(ControlInterfaceTest, GetAndSetReadAndChangeTheSettings)
{
    const struct {
        std::vector<const char *> arguments;
        int exitCode;
        const char *out;
        const char *errStart;
    } rows[] = {
        { { "get", "reportWith" }, 0, "panels\n", "" },
        { { "set", "reportWith", "desktop" }, 0, "", "" },
        { { "get", "reportWith" }, 0, "desktop\n", "" },
        { { "set", "showUnmountItems", "false" }, 0, "", "" },
        { { "get", "showUnmountItems" }, 0, "false\n", "" },
        { { "set", "paused", "true" }, 0, "", "" },
        { { "set", "reportWith", "pigeon" }, 1, "", "mirvalectl: reportWith takes panels or desktop" },
        { { "set", "paused", "yes" }, 1, "", "mirvalectl: paused takes true or false" },
        { { "get", "volume" }, 1, "", "mirvalectl: unknown setting \"volume\"; the settings are: paused, " },
        { { "get" }, 2, "", "mirvalectl: get takes one KEY" },
        { { "set", "paused" }, 2, "", "mirvalectl: set takes a KEY and a VALUE" },
    };
    for (const auto &row : rows) {
        QStringList arguments;
        for (const char *argument : row.arguments)
            arguments.append(QString::fromUtf8(argument));
        SCOPED_TRACE(arguments.join(QLatin1Char(' ')).toStdString());
        const CtlRun run = ctl(arguments);
        EXPECT_EQ(run.exitCode, row.exitCode) << run.err.toStdString();
        EXPECT_EQ(run.out, QString::fromUtf8(row.out));
        const QString errStart = QString::fromUtf8(row.errStart);
        EXPECT_EQ(run.err.left(errStart.size()), errStart) << run.err.toStdString();
    }
    const AppSettings settings = m_rules.settings();
    EXPECT_EQ(settings.reportWith, ReportMedium::Desktop);
    EXPECT_FALSE(settings.showUnmountItems);
    EXPECT_TRUE(settings.paused);
}

TEST_F(ControlInterfaceTest, ASecondStartFindsTheFirstAndAsksForItsSettings)
{
    QDBusConnection second
        = QDBusConnection::connectToBus(QDBusConnection::SessionBus, QStringLiteral("second"));
    EXPECT_EQ(SingleInstance::claim(second), SingleInstance::Claim::AlreadyRunning);
    bool answered = false;
    std::atomic<bool> done = false;
    std::thread starter([&] {
        answered = SingleInstance::showSettingsInRunningInstance(second);
        done = true;
    });
    ASSERT_TRUE(pollUntil([&] { return done.load(); }));
    starter.join();
    QDBusConnection::disconnectFromBus(QStringLiteral("second"));
    EXPECT_TRUE(answered);
    ASSERT_TRUE(pollUntil([&] { return m_shown == QList<bool> { false }; }));
}

TEST_F(ControlInterfaceTest, NothingRunningIsExitFour)
{
    m_control.reset();
    QDBusConnection::sessionBus().unregisterService(ControlInterface::kServiceName);
    const CtlRun run = ctl({ QStringLiteral("cards") });
    EXPECT_EQ(run.exitCode, 4);
    EXPECT_EQ(ctl({ QStringLiteral("set"), QStringLiteral("paused"), QStringLiteral("true") }).exitCode, 4);
    EXPECT_EQ(run.err, QStringLiteral("mirvalectl: Mirvale is not running\n"));
}

} // namespace
