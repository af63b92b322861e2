#include "filemanager/FileManagerClient.h"
#include "filemanager/FinderScripts.h"

#include "common/FakeScriptRunner.h"
#include "common/PollUntil.h"
#include "common/RecordingLogger.h"
#include "support/MainQueue.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

using namespace std::chrono_literals;

namespace {

/// One completion's answer, and whether it came once and on the main thread.
template <typename T> struct Answer {
    std::optional<T> value;
    int calls = 0;
    bool onMainThread = true;

    auto handler()
    {
        return [this](T result) {
            ++calls;
            onMainThread = onMainThread && MainQueue::isMainThread();
            value = std::move(result);
        };
    }
    bool arrived() const { return calls > 0; }
};

using OpenAnswer = Answer<std::optional<MirvaleError>>;

class FileManagerClientTest : public ::testing::Test {
protected:
    // Roomy limits where a script answers at once, so a loaded machine cannot fail the test;
    // short ones where the test is about a limit running out.
    static constexpr FileManagerClient::Limits kLimits { 10s, 10s, 10s, 50ms };
    static constexpr FileManagerClient::Limits kShortLimits { 500ms, 250ms, 250ms, 50ms };

    void SetUp() override
    {
        ASSERT_TRUE(m_card.isValid());
        m_controller = std::make_unique<FileManagerClient>(m_runner, m_log, kLimits);
    }
    void useShortLimits()
    {
        m_controller = std::make_unique<FileManagerClient>(m_runner, m_log, kShortLimits);
    }
    void TearDown() override
    {
        m_runner.releaseHung();
        m_controller.reset();
    }

    QUrl folder() const { return QUrl::fromLocalFile(m_card.path()); }
    QString label() const { return QStringLiteral("open ") + m_card.path(); }
    QString line(const QString &level, const QString &tail) const
    {
        return QLatin1Char('[') + level + QStringLiteral("] FileManager[") + label() + QLatin1Char(']')
            + tail;
    }

    void openAndWait(OpenAnswer &answer, bool bringToFront = false)
    {
        m_controller->open(folder(), std::nullopt, bringToFront, std::nullopt, answer.handler());
        ASSERT_TRUE(pollUntil([&] { return answer.arrived(); }));
    }

    QTemporaryDir m_card;
    RecordingLogger m_log;
    FakeScriptRunner m_runner;
    std::unique_ptr<FileManagerClient> m_controller;
};

TEST_F(FileManagerClientTest, OpenRunsTheOpenScriptAndSucceedsOnTheMainThread)
{
    OpenAnswer answer;
    m_controller->open(folder(), Placement { 1, 2, 300, 400 }, false, std::nullopt, answer.handler());
    ASSERT_TRUE(pollUntil([&] { return answer.arrived(); }));
    EXPECT_EQ(*answer.value, std::nullopt);
    EXPECT_TRUE(answer.onMainThread);
    EXPECT_EQ(m_runner.executed(),
        QStringList { FinderScripts::openScript(folder(), Placement { 1, 2, 300, 400 }, std::nullopt) });
    EXPECT_EQ(m_log.lines(),
        (QStringList { line(QStringLiteral("INFO"), QStringLiteral(" attempt 1: queued")),
            line(QStringLiteral("INFO"), QStringLiteral(" attempt 1: running")),
            line(QStringLiteral("INFO"), QStringLiteral(" attempt 1: succeeded")) }));
}

TEST_F(FileManagerClientTest, ErrorNumbersMapAndOnlyTransientOnesAreRetried)
{
    struct Row {
        std::optional<int> number;
        std::optional<QString> message;
        int expectedRuns;
        MirvaleError expected;
    };
    const QString path = m_card.path();
    const QString msg = QStringLiteral("msg");
    const Row rows[] = {
        { -600, msg, 2, MirvaleError::fileManagerError(msg) },
        { -601, msg, 2, MirvaleError::fileManagerError(msg) },
        { -609, msg, 2, MirvaleError::fileManagerError(msg) },
        { -1743, msg, 1, MirvaleError::fileManagerAccessDenied() },
        { -1712, msg, 1, MirvaleError::fileManagerTimeout() },
        { -43, msg, 1, MirvaleError::folderMissing(path) },
        { -10006, msg, 1, MirvaleError::folderMissing(path) },
        { -2700, msg, 1, MirvaleError::fileManagerError(msg) },
        { std::nullopt, std::nullopt, 1,
            MirvaleError::fileManagerError(QStringLiteral("unknown file manager error")) },
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.number.value_or(0));
        FakeScriptRunner runner;
        runner.setDefault({ ScriptRunner::Failure { row.number, row.message }, false, false });
        m_log.clear();
        FileManagerClient controller(runner, m_log, kLimits);
        OpenAnswer answer;
        controller.open(folder(), std::nullopt, false, std::nullopt, answer.handler());
        ASSERT_TRUE(pollUntil([&] { return answer.arrived(); }));
        EXPECT_EQ(*answer.value, row.expected);
        EXPECT_EQ(runner.executed().size(), row.expectedRuns);
        EXPECT_EQ(m_log.count(line(QStringLiteral("INFO"), QStringLiteral(": retrying after 0.050s"))),
            row.expectedRuns - 1);
        EXPECT_TRUE(m_log.contains(line(QStringLiteral("WARN"),
            QStringLiteral(" attempt 1: the file manager call failed - ")
                + row.message.value_or(QStringLiteral("unknown file manager error")))));
    }
}

TEST_F(FileManagerClientTest, TransientErrorThenSuccessSucceeds)
{
    m_runner.enqueue(FakeScriptRunner::fail(-600, QStringLiteral("Finder is not running.")));
    OpenAnswer answer;
    openAndWait(answer);
    EXPECT_EQ(*answer.value, std::nullopt);
    EXPECT_TRUE(m_log.contains(line(QStringLiteral("INFO"), QStringLiteral(" attempt 2: succeeded"))));
}

TEST_F(FileManagerClientTest, HungScriptTimesOutAndItsLateResultIsDropped)
{
    useShortLimits();
    m_runner.enqueue(FakeScriptRunner::hangThen());
    OpenAnswer answer;
    openAndWait(answer);
    EXPECT_EQ(*answer.value, MirvaleError::fileManagerTimeout());
    EXPECT_TRUE(m_log.contains(line(QStringLiteral("ERROR"),
        QStringLiteral(" attempt 1: timed out after 0.25s of running, result will be discarded"))));

    m_runner.releaseHung();
    ASSERT_TRUE(pollUntil([&] { return m_runner.finishedCount() == 1; }));
    // The late result is written to a box nobody reads; the next request runs normally.
    OpenAnswer next;
    openAndWait(next);
    EXPECT_EQ(*next.value, std::nullopt);
    EXPECT_EQ(answer.calls, 1);
    EXPECT_EQ(m_log.count(line(QStringLiteral("INFO"), QStringLiteral(" attempt 1: succeeded"))), 1);
}

TEST_F(FileManagerClientTest, RequestBehindAHungScriptIsAbandonedAndSkipsItself)
{
    useShortLimits();
    m_runner.enqueue(FakeScriptRunner::hangThen());
    OpenAnswer first;
    OpenAnswer second;
    m_controller->open(folder(), std::nullopt, false, std::nullopt, first.handler());
    m_controller->open(folder(), std::nullopt, false, std::nullopt, second.handler());
    ASSERT_TRUE(pollUntil([&] { return second.arrived(); }));
    EXPECT_EQ(*first.value, MirvaleError::fileManagerTimeout());
    EXPECT_EQ(*second.value, MirvaleError::fileManagerTimeout());
    EXPECT_TRUE(m_log.contains(line(
        QStringLiteral("ERROR"), QStringLiteral(" attempt 1: never got a turn within 0.5s, abandoned"))));

    m_runner.releaseHung();
    const QString skipped = line(
        QStringLiteral("INFO"), QStringLiteral(" attempt 1: abandoned before it started, not running"));
    ASSERT_TRUE(pollUntil([&] { return m_log.contains(skipped); }));
    EXPECT_EQ(m_runner.compiledCount(), 1);
    EXPECT_EQ(m_runner.executed().size(), 1);
}

TEST_F(FileManagerClientTest, UnansweredPermissionCheckRefusesRequestsUntilItReturns)
{
    useShortLimits();
    m_runner.enqueue(FakeScriptRunner::hangThen());
    Answer<bool> check;
    m_controller->checkFileManager(check.handler());
    ASSERT_TRUE(pollUntil([&] { return check.arrived(); }));
    EXPECT_FALSE(*check.value);
    EXPECT_TRUE(m_controller->isFileManagerCheckOutstanding());
    EXPECT_EQ(m_runner.executed(), QStringList { FinderScripts::permissionCheckScript() });

    OpenAnswer refused;
    openAndWait(refused);
    ASSERT_TRUE(refused.value->has_value());
    EXPECT_EQ((*refused.value)->description(),
        QStringLiteral("Still waiting for the file manager to answer an earlier request."));
    Answer<bool> secondCheck;
    m_controller->checkFileManager(secondCheck.handler());
    ASSERT_TRUE(pollUntil([&] { return secondCheck.arrived(); }));
    EXPECT_FALSE(*secondCheck.value);
    EXPECT_EQ(m_runner.compiledCount(), 1);
    EXPECT_EQ(
        m_log.count(QStringLiteral(
            "[WARN] FileManager: the file manager check is still "
            "unanswered; further file manager requests fail immediately instead of queueing behind it")),
        1);
    EXPECT_TRUE(m_log.contains(line(QStringLiteral("WARN"),
        QStringLiteral(": refused \u2014 the file manager check "
                       "from earlier is still unanswered"))));

    m_runner.releaseHung();
    ASSERT_TRUE(pollUntil([&] { return !m_controller->isFileManagerCheckOutstanding(); }));
    EXPECT_TRUE(m_log.contains(QStringLiteral("[INFO] FileManager: the abandoned file manager check "
                                              "finally returned; file manager requests are accepted again")));
    OpenAnswer accepted;
    openAndWait(accepted);
    EXPECT_EQ(*accepted.value, std::nullopt);
}

TEST_F(FileManagerClientTest, VanishedFolderFailsInPreflightWithoutAScript)
{
    const QString gone = m_card.path() + QStringLiteral("/DCIM");
    OpenAnswer answer;
    m_controller->open(QUrl::fromLocalFile(gone), std::nullopt, true, std::nullopt, answer.handler());
    ASSERT_TRUE(pollUntil([&] { return answer.arrived(); }));
    EXPECT_EQ(*answer.value, MirvaleError::folderMissing(gone));
    EXPECT_EQ(m_runner.compiledCount(), 0);
    EXPECT_TRUE(m_log.contains(QStringLiteral("[WARN] FileManager[open ") + gone
        + QStringLiteral("] attempt 1: skipped \u2014 Folder not found: ") + gone));
}

TEST_F(FileManagerClientTest, UncompilableScriptIsAScriptError)
{
    m_runner.enqueue({ QVariant(), false, true });
    OpenAnswer answer;
    openAndWait(answer);
    EXPECT_EQ(*answer.value, MirvaleError::fileManagerError(QStringLiteral("could not compile script")));
    EXPECT_TRUE(m_runner.executed().isEmpty());
}

TEST_F(FileManagerClientTest, BringingToFrontNeverFailsASuccessfulOpen)
{
    m_runner.enqueue(FakeScriptRunner::succeed());
    m_runner.enqueue(FakeScriptRunner::fail(-1743, QStringLiteral("denied")));
    OpenAnswer answer;
    openAndWait(answer, true);
    EXPECT_EQ(*answer.value, std::nullopt);
    ASSERT_EQ(m_runner.executed().size(), 2);
    EXPECT_EQ(m_runner.executed().at(1), FinderScripts::activateScript());
    EXPECT_TRUE(m_log.contains(QStringLiteral(
        "[WARN] FileManager: could not bring the file manager to front: fileManagerAccessDenied")));

    // A runner that reached the file manager but raised nothing says so, and so does the log.
    m_runner.enqueue(FakeScriptRunner::succeed());
    m_runner.enqueue(FakeScriptRunner::succeed(false));
    OpenAnswer notRaised;
    openAndWait(notRaised, true);
    EXPECT_EQ(*notRaised.value, std::nullopt);
    EXPECT_TRUE(
        m_log.contains(QStringLiteral("[INFO] FileManager: did not bring the file manager to front: it "
                                      "answered, but its windows cannot be raised on this desktop")));
    EXPECT_FALSE(m_log.contains(QStringLiteral("brought the file manager to front")));

    OpenAnswer raised;
    openAndWait(raised, true);
    EXPECT_EQ(*raised.value, std::nullopt);
    EXPECT_TRUE(m_log.contains(
        QStringLiteral("[INFO] FileManager: brought the file manager to front via the activate fallback")));
}

TEST_F(FileManagerClientTest, TearDownDoesNotWaitForAHungScript)
{
    // Roomy limits: before, tear-down sat out the watchdog and then the hung script itself.
    m_controller = std::make_unique<FileManagerClient>(
        m_runner, m_log, FileManagerClient::Limits { 60s, 60s, 60s, 50ms });
    m_runner.enqueue(FakeScriptRunner::hangThen());
    OpenAnswer answer;
    m_controller->open(folder(), std::nullopt, false, std::nullopt, answer.handler());
    ASSERT_TRUE(pollUntil([&] { return m_runner.hungCount() == 1; }));

    std::atomic<bool> destroyed { false };
    std::thread tearDown([&] {
        m_controller.reset();
        destroyed = true;
    });
    const bool quick = pollUntil([&] { return destroyed.load(); }, 5s);
    m_runner.releaseHung(); // lets a failing run end instead of hanging
    tearDown.join();
    EXPECT_TRUE(quick);
    // The open still gets its one answer.
    ASSERT_TRUE(pollUntil([&] { return answer.arrived(); }));
    EXPECT_EQ(*answer.value, MirvaleError::fileManagerTimeout());
    EXPECT_TRUE(m_runner.isCancelled());
    EXPECT_TRUE(m_log.contains(
        line(QStringLiteral("INFO"), QStringLiteral(" attempt 1: abandoned, Mirvale is quitting"))));
    EXPECT_TRUE(m_log.lines().filter(QStringLiteral("[ERROR]")).isEmpty());
}

TEST_F(FileManagerClientTest, FrontWindowBoundsNeedFourIncreasingCoordinates)
{
    using List = QVariantList;
    struct Row {
        const char *name;
        FakeScriptRunner::Step step;
        std::optional<Placement> expected;
    };
    const Row rows[] = {
        { "bounds", FakeScriptRunner::succeed(List { 10, 20, 810, 620 }), Placement { 10, 20, 800, 600 } },
        { "three items", FakeScriptRunner::succeed(List { 10, 20, 810 }), std::nullopt },
        { "not increasing", FakeScriptRunner::succeed(List { 10, 20, 10, 620 }), std::nullopt },
        { "missing item", FakeScriptRunner::succeed(List { 10, QVariant(), 810, 620 }), std::nullopt },
        { "not a list", FakeScriptRunner::succeed(3), std::nullopt },
        { "no window", FakeScriptRunner::fail(-1728, QStringLiteral("no window")), std::nullopt },
    };
    for (const Row &row : rows) {
        m_runner.enqueue(row.step);
        Answer<std::optional<Placement>> answer;
        m_controller->captureFrontWindowBounds(answer.handler());
        ASSERT_TRUE(pollUntil([&] { return answer.arrived(); })) << row.name;
        EXPECT_EQ(*answer.value, row.expected) << row.name;
        EXPECT_TRUE(answer.onMainThread);
    }
}

} // namespace
