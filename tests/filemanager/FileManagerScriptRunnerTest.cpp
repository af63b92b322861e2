#include "platform/linux/FileManagerScriptRunner.h"

#include "filemanager/FileManagerClient.h"
#include "filemanager/FinderScripts.h"

#include "filemanager/FileManagerWindows.h"
#include "platform/linux/FileManagerName.h"

#include "common/FakeFileManager.h"
#include "common/FakeProcessTable.h"
#include "common/FakeWindowService.h"
#include "common/PollUntil.h"
#include "common/RecordingLogger.h"
#include "support/SerialQueue.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <mutex>
#include <optional>

using namespace std::chrono_literals;

namespace {

using Failure = ScriptRunner::Failure;

TEST(FileManagerScriptRunnerErrors, DBusErrorsMapOntoScriptErrorNumbers)
{
    struct Row {
        const char *name;
        std::optional<int> number;
    };
    const Row rows[] = {
        { "org.freedesktop.DBus.Error.ServiceUnknown", -600 },
        { "org.freedesktop.DBus.Error.NameHasNoOwner", -600 },
        { "org.freedesktop.DBus.Error.Spawn.ChildExited", -600 },
        { "org.freedesktop.DBus.Error.AccessDenied", -1743 },
        { "org.freedesktop.DBus.Error.NoReply", -1712 },
        { "org.freedesktop.DBus.Error.Timeout", -1712 },
        { "org.freedesktop.DBus.Error.FileNotFound", -43 },
        { "org.freedesktop.DBus.Error.InvalidArgs", std::nullopt },
    };
    for (const Row &row : rows) {
        const Failure failure = FileManagerScriptRunner::failureFromDBusError(
            QLatin1String(row.name), QStringLiteral("the bus said"));
        EXPECT_EQ(failure.number, row.number) << row.name;
        ASSERT_TRUE(failure.message) << row.name;
    }
    EXPECT_EQ(
        FileManagerScriptRunner::failureFromDBusError(QStringLiteral("org.freedesktop.DBus.Error.NoReply"),
            QStringLiteral("Message recipient disconnected from message bus without replying"))
            .message,
        QStringLiteral("the file manager quit during the call"));
    EXPECT_EQ(FileManagerScriptRunner::failureFromDBusError(
                  QStringLiteral("org.example.Odd"), QStringLiteral("odd"))
                  .message,
        QStringLiteral("odd"));
    EXPECT_EQ(FileManagerScriptRunner::failureFromDBusError(
                  QStringLiteral("org.freedesktop.DBus.Error.ServiceUnknown"), {})
                  .message,
        FileManagerScriptRunner::noFileManagerMessage());
}

/// Runs the runner on a thread of its own, as the controller's execution queue does, while
/// the main thread keeps serving the fake file manager.
class FileManagerScriptRunnerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_card.isValid());
        ASSERT_TRUE(QDir(m_card.path()).mkpath(QStringLiteral("DCIM/100 \"A\"")));
        QFile file(m_card.path() + QStringLiteral("/DCIM/100 \"A\"/IMG 1.JPG"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }

    QString folder() const { return m_card.path() + QStringLiteral("/DCIM/100 \"A\""); }
    QString file() const { return folder() + QStringLiteral("/IMG 1.JPG"); }
    static QString uri(const QString &path) { return QUrl::fromLocalFile(path).toString(QUrl::FullyEncoded); }

    ScriptRunner::Result run(
        const QString &source, FileManagerScriptRunner *runner = nullptr, bool takesFocus = true)
    {
        struct Shared {
            std::mutex mutex;
            std::optional<ScriptRunner::Result> result;
        };
        auto shared = std::make_shared<Shared>();
        if (!runner)
            runner = &m_runner;
        m_worker.async([runner, source, shared, takesFocus] {
            std::unique_ptr<ScriptRunner::Compiled> compiled = runner->compile(source);
            ScriptRunner::Result result = compiled
                ? runner->execute(*compiled, takesFocus)
                : ScriptRunner::Result(Failure { 0, QStringLiteral("not compiled") });
            std::lock_guard lock(shared->mutex);
            shared->result = std::move(result);
        });
        const bool done = pollUntil([&] {
            std::lock_guard lock(shared->mutex);
            return shared->result.has_value();
        });
        EXPECT_TRUE(done);
        std::lock_guard lock(shared->mutex);
        return shared->result.value_or(Failure {});
    }

    static std::optional<int> errorNumber(const ScriptRunner::Result &result)
    {
        const auto *failure = std::get_if<Failure>(&result);
        return failure ? std::optional<int>(failure->number.value_or(0)) : std::nullopt;
    }

    QTemporaryDir m_card;
    RecordingLogger m_log;
    FileManagerScriptRunner m_runner { m_log, 1s };
    FakeWindowService m_windowService;
    FakeProcessTable m_processes;
    FileManagerWindows m_windows { m_windowService, m_processes, m_log,
        FileManagerWindows::Limits { 1ms, 200ms, 500ms, 20ms } };
    FileManagerScriptRunner m_placingRunner { m_log, 2s, &m_windows };
    SerialQueue m_worker { QStringLiteral("test.fileManager.execute") };
};

TEST_F(FileManagerScriptRunnerTest, WithoutAFileManagerEveryScriptFailsAsNotRunning)
{
    for (const QString &script : { FinderScripts::permissionCheckScript(), FinderScripts::activateScript(),
             FinderScripts::openScript(QUrl::fromLocalFile(folder()), std::nullopt, std::nullopt) }) {
        const ScriptRunner::Result result = run(script);
        EXPECT_EQ(errorNumber(result), -600);
        EXPECT_EQ(std::get<Failure>(result).message, FileManagerScriptRunner::noFileManagerMessage());
    }
}

TEST_F(FileManagerScriptRunnerTest, OpenShowsTheFolderOrSelectsTheFile)
{
    FakeFileManager fileManager;
    ASSERT_TRUE(fileManager.isRegistered());
    const QUrl folderUrl = QUrl::fromLocalFile(folder());

    EXPECT_EQ(
        errorNumber(run(FinderScripts::openScript(folderUrl, std::nullopt, std::nullopt))), std::nullopt);
    EXPECT_EQ(
        errorNumber(run(FinderScripts::openScript(folderUrl, std::nullopt, QUrl::fromLocalFile(file())))),
        std::nullopt);
    // A file that is gone falls back to its folder.
    EXPECT_EQ(errorNumber(run(FinderScripts::openScript(
                  folderUrl, std::nullopt, QUrl::fromLocalFile(folder() + QStringLiteral("/gone.jpg"))))),
        std::nullopt);
    EXPECT_EQ(fileManager.calls(),
        (QStringList { QStringLiteral("ShowFolders ") + uri(folder()),
            QStringLiteral("ShowItems ") + uri(file()), QStringLiteral("ShowFolders ") + uri(folder()) }));

    // The check answers with the bus owner's name: this test's own executable, with no desktop entry.
    EXPECT_EQ(std::get<QVariant>(run(FinderScripts::permissionCheckScript())),
        QVariant(QFileInfo(QCoreApplication::applicationFilePath()).fileName()));
    // Without a window service nothing can be raised or read, and nothing claims so.
    EXPECT_EQ(std::get<QVariant>(run(FinderScripts::activateScript())), QVariant(false));
    EXPECT_EQ(std::get<QVariant>(run(FinderScripts::frontWindowBoundsScript())), QVariant());
    EXPECT_EQ(fileManager.calls().size(), 3);
}

TEST(FileManagerScriptRunnerWithController, FrontWindowBoundsAreAbsentWithoutAWarning)
{
    FakeFileManager fileManager;
    RecordingLogger log;
    FileManagerScriptRunner runner(log, 2s);
    FileManagerClient controller(runner, log, FileManagerClient::Limits { 2s, 2s, 2s, 20ms });
    for (int request = 0; request < 2; ++request) {
        std::optional<std::optional<Placement>> bounds;
        controller.captureFrontWindowBounds([&bounds](std::optional<Placement> answer) { bounds = answer; });
        ASSERT_TRUE(pollUntil([&] { return bounds.has_value(); }));
        EXPECT_EQ(*bounds, std::nullopt);
    }
    EXPECT_TRUE(log.lines().filter(QStringLiteral("[WARN]")).isEmpty())
        << log.lines().join(u'\n').toStdString();
}

TEST_F(FileManagerScriptRunnerTest, AFileManagerThatCannotSelectStillShowsTheFolder)
{
    FakeFileManager fileManager;
    const QString select
        = FinderScripts::openScript(QUrl::fromLocalFile(folder()), std::nullopt, QUrl::fromLocalFile(file()));
    for (const char *error :
        { "org.freedesktop.DBus.Error.UnknownMethod", "org.freedesktop.DBus.Error.Failed",
            "org.freedesktop.DBus.Error.AccessDenied", "org.example.Broken" }) {
        fileManager.setErrorReply(
            QLatin1String(error), QStringLiteral("cannot select"), QStringLiteral("ShowItems"));
        const qsizetype before = fileManager.calls().size();
        EXPECT_EQ(errorNumber(run(select)), std::nullopt) << error;
        EXPECT_EQ(fileManager.calls().mid(before),
            (QStringList {
                QStringLiteral("ShowItems ") + uri(file()), QStringLiteral("ShowFolders ") + uri(folder()) }))
            << error;
    }
    // A file manager that does not answer is not asked a second time.
    fileManager.setErrorReply({}, {});
    fileManager.setSilent(true);
    const qsizetype before = fileManager.calls().size();
    EXPECT_EQ(errorNumber(run(select)), -1712);
    EXPECT_EQ(fileManager.calls().size(), before + 1);
}

TEST_F(FileManagerScriptRunnerTest, PlacementIsMentionedOnceAndMissingFoldersAreNotFound)
{
    FakeFileManager fileManager;
    const QString placed = FinderScripts::openScript(
        QUrl::fromLocalFile(folder()), Placement { 0, 0, 400, 300 }, std::nullopt);
    run(placed);
    run(placed);
    const QStringList placementLines = m_log.lines().filter(QStringLiteral("could not place"));
    EXPECT_EQ(placementLines.size(), 1);

    const QString gone = m_card.path() + QStringLiteral("/gone");
    EXPECT_EQ(
        errorNumber(run(FinderScripts::openScript(QUrl::fromLocalFile(gone), std::nullopt, std::nullopt))),
        -43);
    EXPECT_EQ(fileManager.calls().size(), 2);
}

TEST_F(FileManagerScriptRunnerTest, TheFileManagersWindowIsPlacedRaisedReusedAndRead)
{
    // The file manager is this process; each call maps a window of ours.
    const qint64 self = QCoreApplication::applicationPid();
    WindowService::WindowId nextWindow = 41;
    FakeFileManager fileManager([&](const QString &) {
        m_windowService.addWindow(nextWindow++,
            { self, QRect(300, 300, 640, 480), WindowService::FrameExtents { 1, 1, 20, 1 },
                QStringLiteral("100 \"A\" - Files") },
            true);
    });
    ASSERT_TRUE(fileManager.isRegistered());
    m_windowService.addWindow(7, { self + 1, QRect(0, 0, 100, 100), {} }, true);

    const QString placed = FinderScripts::openScript(
        QUrl::fromLocalFile(folder()), Placement { 10, 20, 400, 300 }, std::nullopt);
    EXPECT_EQ(std::get<QVariant>(run(placed, &m_placingRunner)), QVariant(qint64(41)));
    EXPECT_TRUE(fileManager.lastStartupId().startsWith(QStringLiteral("mirvale-")))
        << fileManager.lastStartupId().toStdString();
    EXPECT_EQ(m_windowService.window(41)->client, QRect(11, 40, 398, 279));

    // Again, where the rule leaves the file manager behind: the file manager is asked again
    // whatever Mirvale remembers, and its new window does not keep the focus.
    m_windowService.setActive(7);
    EXPECT_EQ(std::get<QVariant>(run(placed, &m_placingRunner, false)), QVariant(qint64(42)));
    EXPECT_EQ(fileManager.calls().size(), 2);
    EXPECT_TRUE(fileManager.lastStartupId().endsWith(QStringLiteral("_TIME1")));
    EXPECT_EQ(m_windowService.clients()->active, 7u);
    EXPECT_EQ(m_windowService.window(42)->client, QRect(11, 40, 398, 279));

    m_windowService.setActive(7);
    EXPECT_EQ(std::get<QVariant>(run(FinderScripts::activateScript(), &m_placingRunner)), QVariant(true));
    EXPECT_EQ(m_windowService.clients()->active, 42u);
    EXPECT_EQ(std::get<QVariant>(run(FinderScripts::frontWindowBoundsScript(), &m_placingRunner)),
        QVariant(QVariantList { 10, 20, 410, 320 }));
    m_windowService.setActive(7);
    EXPECT_EQ(
        std::get<QVariant>(run(FinderScripts::frontWindowBoundsScript(), &m_placingRunner)), QVariant());
    m_windowService.removeWindow(42);
    EXPECT_EQ(std::get<QVariant>(run(FinderScripts::activateScript(), &m_placingRunner)), QVariant(false));
}

TEST_F(FileManagerScriptRunnerTest, RefusalsAndSilenceBecomeTheirNumbers)
{
    FakeFileManager fileManager;
    const QString open = FinderScripts::openScript(QUrl::fromLocalFile(folder()), std::nullopt, std::nullopt);
    fileManager.setErrorReply(
        QStringLiteral("org.freedesktop.DBus.Error.AccessDenied"), QStringLiteral("no"));
    EXPECT_EQ(errorNumber(run(open)), -1743);
    fileManager.setErrorReply(QStringLiteral("org.example.Broken"), QStringLiteral("it broke"));
    const ScriptRunner::Result broken = run(open);
    EXPECT_EQ(std::get<Failure>(broken).number, std::nullopt);
    EXPECT_EQ(std::get<Failure>(broken).message, QStringLiteral("it broke"));

    fileManager.setErrorReply({}, {});
    fileManager.setSilent(true);
    const auto before = std::chrono::steady_clock::now();
    EXPECT_EQ(errorNumber(run(open)), -1712);
    EXPECT_LT(std::chrono::steady_clock::now() - before, 3s); // the call timeout, and no more
}

TEST(FileManagerScriptRunnerCancel, CancelEndsACallTheFileManagerNeverAnswers)
{
    QTemporaryDir card;
    FakeFileManager fileManager;
    fileManager.setSilent(true);
    RecordingLogger log;
    FileManagerScriptRunner runner(log, 60s);
    SerialQueue worker(QStringLiteral("test.fileManager.cancel"));
    const QString open
        = FinderScripts::openScript(QUrl::fromLocalFile(card.path()), std::nullopt, std::nullopt);

    std::mutex mutex;
    std::optional<ScriptRunner::Result> result;
    worker.async([&] {
        const auto compiled = runner.compile(open);
        ScriptRunner::Result answer = runner.execute(*compiled, true);
        std::lock_guard lock(mutex);
        result = std::move(answer);
    });
    ASSERT_TRUE(pollUntil([&] { return fileManager.calls().size() == 1; }));
    runner.cancel();
    // Far inside the call's own 60 s limit.
    ASSERT_TRUE(pollUntil(
        [&] {
            std::lock_guard lock(mutex);
            return result.has_value();
        },
        5s));
    EXPECT_EQ(std::get<Failure>(*result).number, -1712);

    // Later scripts fail the same way without reaching the file manager.
    std::optional<ScriptRunner::Result> later;
    worker.sync([&] { later = runner.execute(*runner.compile(open), true); });
    EXPECT_EQ(std::get<Failure>(*later).number, -1712);
    EXPECT_EQ(fileManager.calls().size(), 1);
}

TEST_F(FileManagerScriptRunnerTest, ForeignScriptsAreRefusedWithoutTouchingTheBus)
{
    FakeFileManager fileManager;
    EXPECT_EQ(
        errorNumber(run(QStringLiteral("tell application \"Finder\"\n    delete every item\nend tell"))), 0);
    EXPECT_TRUE(fileManager.calls().isEmpty());
    EXPECT_EQ(m_log.lines().filter(QStringLiteral("[WARN] ScriptRunner: refused a script")).size(), 1);
}

TEST(FileManagerScriptRunnerWithController, NoFileManagerIsRetriedOnceThenReported)
{
    QTemporaryDir card;
    RecordingLogger log;
    FileManagerScriptRunner runner(log, 2s);
    FileManagerClient controller(runner, log, FileManagerClient::Limits { 2s, 2s, 2s, 20ms });
    std::optional<std::optional<MirvaleError>> answer;
    controller.open(QUrl::fromLocalFile(card.path()), std::nullopt, false, std::nullopt,
        [&answer](std::optional<MirvaleError> error) { answer = error; });
    ASSERT_TRUE(pollUntil([&] { return answer.has_value(); }));
    ASSERT_TRUE(answer->has_value());
    EXPECT_EQ((*answer)->description(),
        QStringLiteral("File manager error: ") + FileManagerScriptRunner::noFileManagerMessage());
    EXPECT_EQ(log.lines().filter(QStringLiteral("retrying after")).size(), 1);
}

TEST(FakeFileManagerTool, RecordsCallsFromAnotherProcess)
{
#if defined(__SANITIZE_THREAD__)
    GTEST_SKIP() << "ThreadSanitizer cannot start a process from a threaded one";
#endif
    const QString tool
        = qEnvironmentVariable("MIRVALE_BUILD_DIR") + QStringLiteral("/tests/mirvale_fake_file_manager");
    if (!QFile::exists(tool))
        GTEST_SKIP() << "mirvale_fake_file_manager is not built";
    QTemporaryDir dir;
    const QString calls = dir.filePath(QStringLiteral("calls.txt"));
    QProcess process;
    process.start(tool, { calls });
    ASSERT_TRUE(process.waitForStarted());
    QByteArray output;
    ASSERT_TRUE(pollUntil([&] {
        output += process.readAllStandardOutput();
        return output.contains("ready");
    }));

    RecordingLogger log;
    FileManagerScriptRunner runner(log, 2s);
    SerialQueue worker(QStringLiteral("test.fileManager.tool"));
    const QString open
        = FinderScripts::openScript(QUrl::fromLocalFile(dir.path()), std::nullopt, std::nullopt);
    std::optional<ScriptRunner::Result> result;
    worker.sync([&] {
        if (const auto compiled = runner.compile(open))
            result = runner.execute(*compiled, true);
    });
    ASSERT_TRUE(result && std::holds_alternative<QVariant>(*result));
    process.terminate();
    process.waitForFinished();
    QFile file(calls);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString recorded = QString::fromUtf8(file.readAll());
    EXPECT_EQ(recorded.section(QLatin1Char(' '), 1),
        QStringLiteral("ShowFolders ") + QUrl::fromLocalFile(dir.path()).toString(QUrl::FullyEncoded)
            + QLatin1Char('\n'));
}

} // namespace

TEST(FileManagerName, FromTheDesktopEntryOrTheActivationFile)
{
    QTemporaryDir data;
    const auto write = [&data](const QString &path, const QByteArray &text) {
        QDir().mkpath(QFileInfo(data.filePath(path)).path());
        QFile file(data.filePath(path));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
    };
    write(QStringLiteral("applications/thunar.desktop"),
        "[Desktop Entry]\nName=Thunar File Manager\nName[de]=Thunar-Dateiverwaltung\nGenericName=File "
        "Manager\n");
    write(QStringLiteral("applications/org.gnome.Nautilus.desktop"), "[Desktop Entry]\nName=Files\n");
    write(QStringLiteral("dbus-1/services/thunar.service"),
        "[D-BUS Service]\nName=org.freedesktop.FileManager1\nExec=/usr/bin/Thunar --gapplication-service\n");
    const QStringList dirs { data.path() };
    const QString service = QStringLiteral("org.freedesktop.FileManager1");

    EXPECT_EQ(
        FileManagerName::forExecutable(QStringLiteral("/usr/bin/Thunar"), dirs), QStringLiteral("Thunar"));
    EXPECT_EQ(
        FileManagerName::forExecutable(QStringLiteral("/usr/bin/nautilus"), dirs), QStringLiteral("Files"));
    EXPECT_EQ(FileManagerName::forExecutable(QStringLiteral("/usr/bin/pcmanfm-qt"), dirs),
        QStringLiteral("pcmanfm-qt"));
    EXPECT_EQ(FileManagerName::activationExecutable(service, dirs), QStringLiteral("/usr/bin/Thunar"));
    // Two that disagree name none: which one the bus would start is not ours to guess.
    write(QStringLiteral("dbus-1/services/nemo.service"),
        "[D-BUS Service]\nName=org.freedesktop.FileManager1\nExec=/usr/bin/nemo --no-default-window\n");
    EXPECT_EQ(FileManagerName::activationExecutable(service, dirs), QString());
}
