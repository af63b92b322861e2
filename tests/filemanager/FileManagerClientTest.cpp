#include "filemanager/FileManagerClient.h"
#include "filemanager/FileManagerErrors.h"

#include "common/FakeFileManagerConnection.h"
#include "common/ManualTimers.h"
#include "common/RecordingLogger.h"
#include "support/Workers.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <limits>

using namespace std::chrono_literals;

namespace {

using Kind = FileManagerFailure::Kind;
using Fake = FakeFileManagerConnection;

/// Every answer a completion got.
template <typename T> struct Answers {
    std::vector<T> values;
    auto handler()
    {
        return [this](T value) { values.push_back(std::move(value)); };
    }
};
using OpenAnswers = Answers<std::optional<MirvaleError>>;

/// The real limits, on a clock the test moves.
class FileManagerClientTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(m_card.isValid()); }

    /// Lets the loop deliver what was posted: looks at the card, answers of the connection,
    /// completions.
    static void deliver()
    {
        for (int round = 0; round < 10; ++round) {
            Workers::cardReads().waitForDone();
            QCoreApplication::processEvents();
        }
    }
    void advance(std::chrono::milliseconds by)
    {
        deliver();
        m_timers.advance(by);
        deliver();
    }
    void open(OpenAnswers &answers, bool bringToFront = false)
    {
        m_client->open(
            QUrl::fromLocalFile(m_card.path()), std::nullopt, bringToFront, std::nullopt, answers.handler());
    }
    QTemporaryDir m_card;
    RecordingLogger m_log;
    ManualTimers m_timers;
    Fake m_connection;
    std::unique_ptr<FileManagerClient> m_client
        = std::make_unique<FileManagerClient>(m_connection, m_log, FileManagerClient::Limits {}, m_timers);
};

TEST_F(FileManagerClientTest, OpenShowsTheFolderAsAskedAndAnswersOnce)
{
    OpenAnswers answers;
    constexpr qint64 kMax = std::numeric_limits<qint64>::max();
    QFile(m_card.path() + QStringLiteral("/a.jpg")).open(QIODevice::WriteOnly);
    m_client->open(QUrl::fromLocalFile(m_card.path() + QStringLiteral("/./")),
        Placement { kMax - 10, -kMax, kMax, 100 }, false,
        QUrl::fromLocalFile(m_card.path() + QStringLiteral("/DCIM/../a.jpg")), answers.handler());
    EXPECT_TRUE(answers.values.empty()); // never from inside the call
    deliver();
    EXPECT_EQ(answers.values, (std::vector<std::optional<MirvaleError>> { std::nullopt }));
    // A placement read from an unchecked rule file reaches the file manager within range.
    const FileManagerRequest show { FileManagerRequest::Kind::Show, m_card.path(),
        m_card.path() + QStringLiteral("/a.jpg"), Placement { 20000, -20000, 20000, 200 }, false };
    EXPECT_EQ(m_connection.performed(), QList { show });
    EXPECT_EQ(m_timers.pending(), 0);

    // A file to select that is gone by the request's turn leaves the folder to show alone.
    m_client->open(QUrl::fromLocalFile(m_card.path()), std::nullopt, false,
        QUrl::fromLocalFile(m_card.path() + QStringLiteral("/gone.jpg")), answers.handler());
    deliver();
    ASSERT_EQ(m_connection.performed().size(), 2);
    EXPECT_EQ(m_connection.performed()[1].selectFile, std::nullopt);
}

TEST_F(FileManagerClientTest, FailuresMapAndOnlyAnUnreachableFileManagerIsRetriedOnceAfterTheDelay)
{
    const QString msg = QStringLiteral("msg");
    const std::tuple<Kind, QString, MirvaleError> rows[] = {
        { Kind::NoFileManager, msg,
            MirvaleError::fileManagerError(FileManagerErrors::noFileManagerMessage()) },
        { Kind::AccessDenied, msg, MirvaleError::fileManagerAccessDenied() },
        { Kind::TimedOut, msg, MirvaleError::fileManagerTimeout() },
        { Kind::QuitDuringCall, msg,
            MirvaleError::fileManagerError(QStringLiteral("the file manager quit during the call")) },
        { Kind::FolderMissing, msg, MirvaleError::folderMissing(m_card.path()) },
        { Kind::Other, msg, MirvaleError::fileManagerError(msg) },
        { Kind::Other, QString(),
            MirvaleError::fileManagerError(QStringLiteral("unknown file manager error")) },
    };
    for (const auto &[kind, detail, expected] : rows) {
        SCOPED_TRACE(int(kind));
        Fake connection;
        connection.setDefault(Fake::fail(kind, detail));
        FileManagerClient client(connection, m_log, FileManagerClient::Limits {}, m_timers);
        OpenAnswers answers;
        client.open(QUrl::fromLocalFile(m_card.path()), std::nullopt, false, std::nullopt, answers.handler());
        advance(999ms);
        const bool retried = kind == Kind::NoFileManager;
        EXPECT_EQ(answers.values.size(), retried ? 0u : 1u);
        EXPECT_EQ(connection.performed().size(), 1);
        advance(1ms);
        EXPECT_EQ(connection.performed().size(), retried ? 2 : 1);
        EXPECT_EQ(answers.values, (std::vector<std::optional<MirvaleError>> { expected }));
    }

    // A transient failure and then an answer is a success.
    m_connection.enqueue(Fake::fail(Kind::NoFileManager));
    OpenAnswers answers;
    open(answers);
    advance(1s);
    EXPECT_EQ(answers.values, (std::vector<std::optional<MirvaleError>> { std::nullopt }));
}

// The file manager takes 50 s to answer each request that hangs: the 8 s run limit fails an open
// as a time-out and its late answer counts for nothing; the check's own 120 s limit lets it
// answer; a request that cannot get its turn for 120 s is given up without reaching it.
TEST_F(FileManagerClientTest, AnAnswerTakingFiftySecondsMeetsEachLimitAsBefore)
{
    m_connection.enqueue(Fake::hangThen(FileManagerFailure { Kind::AccessDenied, {} }));
    OpenAnswers slow, behind;
    open(slow);
    open(behind);
    advance(8s - 1ms);
    EXPECT_TRUE(slow.values.empty());
    advance(1ms);
    EXPECT_EQ(slow.values, (std::vector<std::optional<MirvaleError>> { MirvaleError::fileManagerTimeout() }));
    EXPECT_EQ(m_connection.performed().size(), 1); // the next waits for the connection
    advance(42s);
    m_connection.releaseHung();
    deliver();
    EXPECT_EQ(slow.values.size(), 1u);
    EXPECT_EQ(behind.values, (std::vector<std::optional<MirvaleError>> { std::nullopt }));
    EXPECT_EQ(m_connection.performed().size(), 2);

    m_connection.enqueue(Fake::hangThen(FileManagerAnswer { QStringLiteral("Thunar"), {}, true }));
    Answers<bool> check;
    m_client->checkFileManager(check.handler());
    advance(50s);
    m_connection.releaseHung();
    deliver();
    EXPECT_EQ(check.values, std::vector { true });
    EXPECT_EQ(m_client->fileManagerName(), QStringLiteral("Thunar"));

    m_connection.enqueue(Fake::hangThen());
    OpenAnswers hung, neverRun;
    open(hung);
    open(neverRun);
    advance(8s + 120s - 1ms);
    EXPECT_TRUE(neverRun.values.empty());
    advance(1ms);
    EXPECT_EQ(
        neverRun.values, (std::vector<std::optional<MirvaleError>> { MirvaleError::fileManagerTimeout() }));
    m_connection.releaseHung();
    deliver();
    EXPECT_EQ(m_connection.performed().size(), 4); // the one given up never ran
    EXPECT_EQ(hung.values.size(), 1u);
    EXPECT_EQ(m_timers.pending(), 0);
}

TEST_F(FileManagerClientTest, AnUnansweredCheckRefusesRequestsUntilItReturns)
{
    m_connection.enqueue(Fake::hangThen());
    Answers<bool> check, refusedCheck;
    m_client->checkFileManager(check.handler());
    advance(120s);
    EXPECT_EQ(check.values, std::vector { false });
    EXPECT_TRUE(m_client->isFileManagerCheckOutstanding());

    OpenAnswers refused;
    open(refused);
    m_client->checkFileManager(refusedCheck.handler());
    deliver();
    EXPECT_EQ(refused.values,
        (std::vector<std::optional<MirvaleError>> { MirvaleError::fileManagerCheckPending() }));
    EXPECT_EQ(refusedCheck.values, std::vector { false });
    EXPECT_EQ(m_connection.performed().size(), 1);

    m_connection.releaseHung();
    EXPECT_FALSE(m_client->isFileManagerCheckOutstanding());
    EXPECT_EQ(check.values.size(), 1u);
    OpenAnswers accepted;
    open(accepted);
    deliver();
    EXPECT_EQ(accepted.values, (std::vector<std::optional<MirvaleError>> { std::nullopt }));
}

TEST_F(FileManagerClientTest, AVanishedFolderFailsWithoutARequestAndBringingToFrontNeverFailsAnOpen)
{
    const QString gone = m_card.path() + QStringLiteral("/DCIM");
    OpenAnswers missing;
    m_client->open(QUrl::fromLocalFile(gone), std::nullopt, true, std::nullopt, missing.handler());
    deliver();
    EXPECT_EQ(
        missing.values, (std::vector<std::optional<MirvaleError>> { MirvaleError::folderMissing(gone) }));
    EXPECT_TRUE(m_connection.performed().isEmpty());

    for (const Fake::Step &activation : { Fake::fail(Kind::AccessDenied), Fake::succeed({ {}, {}, false }),
             Fake::succeed(), Fake::hangThen() }) {
        m_connection.enqueue(Fake::succeed());
        m_connection.enqueue(activation);
        OpenAnswers answers;
        open(answers, true);
        advance(8s);
        EXPECT_EQ(answers.values, (std::vector<std::optional<MirvaleError>> { std::nullopt }));
        EXPECT_EQ(m_connection.performed().last().kind, FileManagerRequest::Kind::Activate);
    }
}

TEST_F(FileManagerClientTest, BoundsAndTheFileManagersNameComeFromItsAnswers)
{
    const Placement bounds { 10, 20, 800, 600 };
    for (const Fake::Step &step : { Fake::succeed({ {}, bounds, true }), Fake::fail(Kind::AccessDenied),
             Fake::succeed({ QStringLiteral("Thunar"), {}, true }), Fake::fail(Kind::AccessDenied) })
        m_connection.enqueue(step);
    Answers<std::optional<Placement>> captured;
    Answers<bool> checks;
    m_client->captureFrontWindowBounds(captured.handler());
    m_client->captureFrontWindowBounds(captured.handler());
    m_client->checkFileManager(checks.handler());
    deliver();
    EXPECT_EQ(m_client->fileManagerName(), QStringLiteral("Thunar"));
    m_client->checkFileManager(checks.handler());
    deliver();
    EXPECT_EQ(captured.values, (std::vector<std::optional<Placement>> { bounds, std::nullopt }));
    EXPECT_EQ(checks.values, (std::vector { true, false }));
    EXPECT_EQ(m_client->fileManagerName(), QString()); // a failed check forgets it
}

TEST_F(FileManagerClientTest, QuittingDropsWhatIsInFlightAndAnswersNothingMore)
{
    m_connection.enqueue(Fake::hangThen());
    m_connection.enqueue(Fake::fail(Kind::NoFileManager));
    OpenAnswers hung, waiting, retrying;
    open(hung);
    open(waiting);
    advance(8s); // the first is given up, the second runs and waits for its retry
    open(retrying);
    m_client.reset();
    EXPECT_TRUE(m_connection.isCancelled());
    EXPECT_EQ(m_connection.hungCount(), 0);
    EXPECT_EQ(m_timers.pending(), 0);
    advance(200s);
    EXPECT_EQ(hung.values.size(), 1u);
    EXPECT_TRUE(waiting.values.empty());
    EXPECT_TRUE(retrying.values.empty());
}

} // namespace
