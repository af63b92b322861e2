#include "filemanager/FileManagerClient.h"
#include "filemanager/FileManagerErrors.h"

#include "common/FakeFileManagerConnection.h"
#include "common/PollUntil.h"
#include "common/RecordingLogger.h"
#include "support/MainQueue.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <atomic>
#include <limits>
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
    // Roomy limits where a request is answered at once, so a loaded machine cannot fail the test;
    // short ones where the test is about a limit running out.
    static constexpr FileManagerClient::Limits kLimits { 10s, 10s, 10s, 50ms };
    static constexpr FileManagerClient::Limits kShortLimits { 500ms, 250ms, 250ms, 50ms };

    void SetUp() override
    {
        ASSERT_TRUE(m_card.isValid());
        m_controller = std::make_unique<FileManagerClient>(m_connection, m_log, kLimits);
    }
    void useShortLimits()
    {
        m_controller = std::make_unique<FileManagerClient>(m_connection, m_log, kShortLimits);
    }
    void TearDown() override
    {
        m_connection.releaseHung();
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
    FakeFileManagerConnection m_connection;
    std::unique_ptr<FileManagerClient> m_controller;
};

TEST_F(FileManagerClientTest, OpenShowsTheFolderAndSucceedsOnTheMainThread)
{
    OpenAnswer answer;
    m_controller->open(QUrl::fromLocalFile(m_card.path() + QStringLiteral("/./")),
        Placement { 1, 2, 300, 400 }, false,
        QUrl::fromLocalFile(m_card.path() + QStringLiteral("/DCIM/../a.jpg")), answer.handler());
    ASSERT_TRUE(pollUntil([&] { return answer.arrived(); }));
    EXPECT_EQ(*answer.value, std::nullopt);
    EXPECT_TRUE(answer.onMainThread);
    const FileManagerRequest show { FileManagerRequest::Kind::Show, m_card.path(),
        m_card.path() + QStringLiteral("/a.jpg"), Placement { 1, 2, 300, 400 }, false };
    EXPECT_EQ(m_connection.performed(), QList { show });
    EXPECT_EQ(m_log.lines(),
        (QStringList { line(QStringLiteral("INFO"), QStringLiteral(" attempt 1: queued")),
            line(QStringLiteral("INFO"), QStringLiteral(" attempt 1: running")),
            line(QStringLiteral("INFO"), QStringLiteral(" attempt 1: succeeded")) }));
}

TEST_F(FileManagerClientTest, FailuresMapAndOnlyAnUnreachableFileManagerIsRetried)
{
    using Kind = FileManagerFailure::Kind;
    struct Row {
        Kind kind;
        QString detail;
        int expectedRuns;
        MirvaleError expected;
    };
    const QString path = m_card.path();
    const QString msg = QStringLiteral("msg");
    const Row rows[] = {
        { Kind::NoFileManager, msg, 2,
            MirvaleError::fileManagerError(FileManagerErrors::noFileManagerMessage()) },
        { Kind::AccessDenied, msg, 1, MirvaleError::fileManagerAccessDenied() },
        { Kind::TimedOut, msg, 1, MirvaleError::fileManagerTimeout() },
        { Kind::QuitDuringCall, msg, 1,
            MirvaleError::fileManagerError(QStringLiteral("the file manager quit during the call")) },
        { Kind::FolderMissing, msg, 1, MirvaleError::folderMissing(path) },
        { Kind::Other, msg, 1, MirvaleError::fileManagerError(msg) },
        { Kind::Other, QString(), 1,
            MirvaleError::fileManagerError(QStringLiteral("unknown file manager error")) },
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(int(row.kind));
        FakeFileManagerConnection connection;
        connection.setDefault(FakeFileManagerConnection::fail(row.kind, row.detail));
        m_log.clear();
        FileManagerClient controller(connection, m_log, kLimits);
        OpenAnswer answer;
        controller.open(folder(), std::nullopt, false, std::nullopt, answer.handler());
        ASSERT_TRUE(pollUntil([&] { return answer.arrived(); }));
        EXPECT_EQ(*answer.value, row.expected);
        EXPECT_EQ(connection.performed().size(), row.expectedRuns);
        EXPECT_EQ(m_log.count(line(QStringLiteral("INFO"), QStringLiteral(": retrying after 0.050s"))),
            row.expectedRuns - 1);
        EXPECT_TRUE(m_log.contains(line(QStringLiteral("WARN"),
            QStringLiteral(" attempt 1: the file manager call failed - ")
                + (row.detail.isEmpty() ? row.expected.description() : row.detail))));
    }
}

TEST_F(FileManagerClientTest, TransientErrorThenSuccessSucceeds)
{
    m_connection.enqueue(FakeFileManagerConnection::fail(FileManagerFailure::Kind::NoFileManager));
    OpenAnswer answer;
    openAndWait(answer);
    EXPECT_EQ(*answer.value, std::nullopt);
    EXPECT_TRUE(m_log.contains(line(QStringLiteral("INFO"), QStringLiteral(" attempt 2: succeeded"))));
}

TEST_F(FileManagerClientTest, HungRequestTimesOutAndItsLateResultIsDropped)
{
    useShortLimits();
    m_connection.enqueue(FakeFileManagerConnection::hangThen());
    OpenAnswer answer;
    openAndWait(answer);
    EXPECT_EQ(*answer.value, MirvaleError::fileManagerTimeout());
    EXPECT_TRUE(m_log.contains(line(QStringLiteral("ERROR"),
        QStringLiteral(" attempt 1: timed out after 0.25s of running, result will be discarded"))));

    m_connection.releaseHung();
    ASSERT_TRUE(pollUntil([&] { return m_connection.finishedCount() == 1; }));
    // The late result is written to a box nobody reads; the next request runs normally.
    OpenAnswer next;
    openAndWait(next);
    EXPECT_EQ(*next.value, std::nullopt);
    EXPECT_EQ(answer.calls, 1);
    EXPECT_EQ(m_log.count(line(QStringLiteral("INFO"), QStringLiteral(" attempt 1: succeeded"))), 1);
}

TEST_F(FileManagerClientTest, RequestBehindAHungOneIsAbandonedAndSkipsItself)
{
    useShortLimits();
    m_connection.enqueue(FakeFileManagerConnection::hangThen());
    OpenAnswer first;
    OpenAnswer second;
    m_controller->open(folder(), std::nullopt, false, std::nullopt, first.handler());
    m_controller->open(folder(), std::nullopt, false, std::nullopt, second.handler());
    ASSERT_TRUE(pollUntil([&] { return second.arrived(); }));
    EXPECT_EQ(*first.value, MirvaleError::fileManagerTimeout());
    EXPECT_EQ(*second.value, MirvaleError::fileManagerTimeout());
    EXPECT_TRUE(m_log.contains(line(
        QStringLiteral("ERROR"), QStringLiteral(" attempt 1: never got a turn within 0.5s, abandoned"))));

    m_connection.releaseHung();
    const QString skipped = line(
        QStringLiteral("INFO"), QStringLiteral(" attempt 1: abandoned before it started, not running"));
    ASSERT_TRUE(pollUntil([&] { return m_log.contains(skipped); }));
    EXPECT_EQ(m_connection.performed().size(), 1);
}

TEST_F(FileManagerClientTest, UnansweredPermissionCheckRefusesRequestsUntilItReturns)
{
    useShortLimits();
    m_connection.enqueue(FakeFileManagerConnection::hangThen());
    Answer<bool> check;
    m_controller->checkFileManager(check.handler());
    ASSERT_TRUE(pollUntil([&] { return check.arrived(); }));
    EXPECT_FALSE(*check.value);
    EXPECT_TRUE(m_controller->isFileManagerCheckOutstanding());
    EXPECT_EQ(m_connection.performed(), QList { FileManagerRequest {} });

    OpenAnswer refused;
    openAndWait(refused);
    ASSERT_TRUE(refused.value->has_value());
    EXPECT_EQ((*refused.value)->description(),
        QStringLiteral("Still waiting for the file manager to answer an earlier request."));
    Answer<bool> secondCheck;
    m_controller->checkFileManager(secondCheck.handler());
    ASSERT_TRUE(pollUntil([&] { return secondCheck.arrived(); }));
    EXPECT_FALSE(*secondCheck.value);
    EXPECT_EQ(m_connection.performed().size(), 1);
    EXPECT_EQ(
        m_log.count(QStringLiteral(
            "[WARN] FileManager: the file manager check is still "
            "unanswered; further file manager requests fail immediately instead of queueing behind it")),
        1);
    EXPECT_TRUE(m_log.contains(line(QStringLiteral("WARN"),
        QStringLiteral(": refused \u2014 the file manager check "
                       "from earlier is still unanswered"))));

    m_connection.releaseHung();
    ASSERT_TRUE(pollUntil([&] { return !m_controller->isFileManagerCheckOutstanding(); }));
    EXPECT_TRUE(m_log.contains(QStringLiteral("[INFO] FileManager: the abandoned file manager check "
                                              "finally returned; file manager requests are accepted again")));
    OpenAnswer accepted;
    openAndWait(accepted);
    EXPECT_EQ(*accepted.value, std::nullopt);
}

TEST_F(FileManagerClientTest, VanishedFolderFailsInPreflightWithoutARequest)
{
    const QString gone = m_card.path() + QStringLiteral("/DCIM");
    OpenAnswer answer;
    m_controller->open(QUrl::fromLocalFile(gone), std::nullopt, true, std::nullopt, answer.handler());
    ASSERT_TRUE(pollUntil([&] { return answer.arrived(); }));
    EXPECT_EQ(*answer.value, MirvaleError::folderMissing(gone));
    EXPECT_TRUE(m_connection.performed().isEmpty());
    EXPECT_TRUE(m_log.contains(QStringLiteral("[WARN] FileManager[open ") + gone
        + QStringLiteral("] attempt 1: skipped \u2014 Folder not found: ") + gone));
}

TEST_F(FileManagerClientTest, BringingToFrontNeverFailsASuccessfulOpen)
{
    m_connection.enqueue(FakeFileManagerConnection::succeed());
    m_connection.enqueue(FakeFileManagerConnection::fail(FileManagerFailure::Kind::AccessDenied));
    OpenAnswer answer;
    openAndWait(answer, true);
    EXPECT_EQ(*answer.value, std::nullopt);
    ASSERT_EQ(m_connection.performed().size(), 2);
    EXPECT_EQ(m_connection.performed().at(1).kind, FileManagerRequest::Kind::Activate);
    EXPECT_TRUE(m_log.contains(QStringLiteral(
        "[WARN] FileManager: could not bring the file manager to front: fileManagerAccessDenied")));

    // A file manager that answered but raised nothing says so, and so does the log.
    m_connection.enqueue(FakeFileManagerConnection::succeed());
    m_connection.enqueue(FakeFileManagerConnection::succeed({ {}, {}, false }));
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

TEST_F(FileManagerClientTest, TearDownDoesNotWaitForAHungRequest)
{
    // Roomy limits: before, tear-down sat out the watchdog and then the hung request itself.
    m_controller = std::make_unique<FileManagerClient>(
        m_connection, m_log, FileManagerClient::Limits { 60s, 60s, 60s, 50ms });
    m_connection.enqueue(FakeFileManagerConnection::hangThen());
    OpenAnswer answer;
    m_controller->open(folder(), std::nullopt, false, std::nullopt, answer.handler());
    ASSERT_TRUE(pollUntil([&] { return m_connection.hungCount() == 1; }));

    std::atomic<bool> destroyed { false };
    std::thread tearDown([&] {
        m_controller.reset();
        destroyed = true;
    });
    const bool quick = pollUntil([&] { return destroyed.load(); }, 5s);
    m_connection.releaseHung(); // lets a failing run end instead of hanging
    tearDown.join();
    EXPECT_TRUE(quick);
    // The open still gets its one answer.
    ASSERT_TRUE(pollUntil([&] { return answer.arrived(); }));
    EXPECT_EQ(*answer.value, MirvaleError::fileManagerTimeout());
    EXPECT_TRUE(m_connection.isCancelled());
    EXPECT_TRUE(m_log.contains(
        line(QStringLiteral("INFO"), QStringLiteral(" attempt 1: abandoned, Mirvale is quitting"))));
    EXPECT_TRUE(m_log.lines().filter(QStringLiteral("[ERROR]")).isEmpty());
}

TEST_F(FileManagerClientTest, AnswersReachTheirCompletions)
{
    const Placement bounds { 10, 20, 800, 600 };
    const std::pair<FakeFileManagerConnection::Step, std::optional<Placement>> rows[] = {
        { FakeFileManagerConnection::succeed({ {}, bounds, true }), bounds },
        { FakeFileManagerConnection::succeed(), std::nullopt },
        { FakeFileManagerConnection::fail(FileManagerFailure::Kind::AccessDenied), std::nullopt },
    };
    for (const auto &[step, expected] : rows) {
        m_connection.enqueue(step);
        Answer<std::optional<Placement>> answer;
        m_controller->captureFrontWindowBounds(answer.handler());
        ASSERT_TRUE(pollUntil([&] { return answer.arrived(); }));
        EXPECT_EQ(*answer.value, expected);
        EXPECT_TRUE(answer.onMainThread);
    }
    EXPECT_EQ(m_connection.performed().last().kind, FileManagerRequest::Kind::FrontWindowBounds);

    // The check's answer names the file manager until a check fails.
    m_connection.enqueue(FakeFileManagerConnection::succeed({ QStringLiteral("Thunar"), {}, true }));
    Answer<bool> check;
    m_controller->checkFileManager(check.handler());
    ASSERT_TRUE(pollUntil([&] { return check.arrived(); }));
    EXPECT_TRUE(*check.value);
    EXPECT_EQ(m_controller->fileManagerName(), QStringLiteral("Thunar"));

    // A placement read from an unchecked rule file reaches the file manager within range.
    constexpr qint64 kMax = std::numeric_limits<qint64>::max();
    OpenAnswer open;
    m_controller->open(
        folder(), Placement { kMax - 10, -kMax, kMax, 100 }, false, std::nullopt, open.handler());
    ASSERT_TRUE(pollUntil([&] { return open.arrived(); }));
    EXPECT_EQ(m_connection.performed().last().placement, (Placement { 20000, -20000, 20000, 200 }));
}

} // namespace
