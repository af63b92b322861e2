#include "platform/linux/FileManager1Connection.h"

#include "filemanager/FileManagerClient.h"
#include "filemanager/FileManagerErrors.h"

#include "filemanager/FileManagerWindows.h"
#include "platform/linux/FileManagerName.h"

#include "common/FakeFileManager.h"
#include "common/FakeProcessTable.h"
#include "common/FakeWindowService.h"
#include "common/PollUntil.h"
#include "common/RecordingLogger.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>
#include <optional>

using namespace std::chrono_literals;

namespace {

using Kind = FileManagerFailure::Kind;

FileManagerRequest request(FileManagerRequest::Kind kind)
{
    FileManagerRequest made;
    made.kind = kind;
    return made;
}

FileManagerRequest show(const QString &folder, std::optional<QString> file = std::nullopt,
    std::optional<Placement> placement = std::nullopt, bool takesFocus = true)
{
    return { FileManagerRequest::Kind::Show, folder, std::move(file), placement, takesFocus };
}

std::optional<Kind> failureKind(const FileManagerConnection::Result &result)
{
    const auto *failure = std::get_if<FileManagerFailure>(&result);
    return failure ? std::optional<Kind>(failure->kind) : std::nullopt;
}

TEST(FileManager1ConnectionErrors, DBusErrorsMapOntoFailures)
{
    const std::pair<const char *, Kind> rows[] = {
        { "org.freedesktop.DBus.Error.ServiceUnknown", Kind::NoFileManager },
        { "org.freedesktop.DBus.Error.NameHasNoOwner", Kind::NoFileManager },
        { "org.freedesktop.DBus.Error.Spawn.ChildExited", Kind::NoFileManager },
        { "org.freedesktop.DBus.Error.AccessDenied", Kind::AccessDenied },
        { "org.freedesktop.DBus.Error.NoReply", Kind::TimedOut },
        { "org.freedesktop.DBus.Error.Timeout", Kind::TimedOut },
        { "org.freedesktop.DBus.Error.FileNotFound", Kind::FolderMissing },
        { "org.freedesktop.DBus.Error.InvalidArgs", Kind::Other },
    };
    for (const auto &[name, kind] : rows) {
        const FileManagerFailure failure = FileManager1Connection::failureFromDBusError(
            QLatin1String(name), QStringLiteral("the bus said"));
        EXPECT_EQ(failure.kind, kind) << name;
        EXPECT_FALSE(failure.detail.isEmpty()) << name;
    }
    EXPECT_EQ(
        FileManager1Connection::failureFromDBusError(QStringLiteral("org.freedesktop.DBus.Error.NoReply"),
            QStringLiteral("Message recipient disconnected from message bus without replying"))
            .kind,
        Kind::QuitDuringCall);
    EXPECT_EQ(FileManager1Connection::failureFromDBusError(
                  QStringLiteral("org.example.Odd"), QStringLiteral("odd")),
        (FileManagerFailure { Kind::Other, QStringLiteral("odd") }));
}

/// Asks `connection` and waits for its answer, while the loop serves the fake file manager too.
std::optional<FileManagerConnection::Result> answerOf(
    FileManagerConnection &connection, const FileManagerRequest &request)
{
    auto answer = std::make_shared<std::optional<FileManagerConnection::Result>>();
    connection.perform(request, [answer](const FileManagerConnection::Result &result) { *answer = result; });
    EXPECT_TRUE(pollUntil([&] { return answer->has_value(); }));
    return *answer;
}

class FileManager1ConnectionTest : public ::testing::Test {
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

    FileManagerConnection::Result run(
        const FileManagerRequest &request, FileManager1Connection *connection = nullptr)
    {
        return answerOf(connection ? *connection : m_connection, request).value_or(FileManagerFailure {});
    }
    FileManagerAnswer answer(const FileManagerRequest &request, FileManager1Connection *connection = nullptr)
    {
        const FileManagerConnection::Result result = run(request, connection);
        EXPECT_TRUE(std::holds_alternative<FileManagerAnswer>(result));
        return std::holds_alternative<FileManagerAnswer>(result) ? std::get<FileManagerAnswer>(result)
                                                                 : FileManagerAnswer { {}, {}, false };
    }

    QTemporaryDir m_card;
    RecordingLogger m_log;
    FileManager1Connection m_connection { m_log, 1s };
    FakeWindowService m_windowService;
    FakeProcessTable m_processes;
    FileManagerWindows m_windows { m_windowService, m_processes, m_log,
        FileManagerWindows::Limits { 1ms, 200ms, 500ms, 20ms } };
    FileManager1Connection m_placingConnection { m_log, 2s, &m_windows };
};

TEST_F(FileManager1ConnectionTest, WithoutAFileManagerEveryRequestFailsAsNoFileManager)
{
    for (const FileManagerRequest &request :
        { FileManagerRequest {}, ::request(FileManagerRequest::Kind::Activate), show(folder()) })
        EXPECT_EQ(failureKind(run(request)), Kind::NoFileManager);
}

TEST_F(FileManager1ConnectionTest, OpenShowsTheFolderOrSelectsTheFile)
{
    FakeFileManager fileManager;
    ASSERT_TRUE(fileManager.isRegistered());

    EXPECT_EQ(failureKind(run(show(folder()))), std::nullopt);
    EXPECT_EQ(failureKind(run(show(folder(), file()))), std::nullopt);
    EXPECT_EQ(fileManager.calls(),
        (QStringList {
            QStringLiteral("ShowFolders ") + uri(folder()), QStringLiteral("ShowItems ") + uri(file()) }));

    // The check answers with the bus owner's name: this test's own executable, with no desktop entry.
    EXPECT_EQ(
        answer(FileManagerRequest {}).name, QFileInfo(QCoreApplication::applicationFilePath()).fileName());
    // Without a window service nothing can be raised or read, and nothing claims so.
    EXPECT_FALSE(answer(request(FileManagerRequest::Kind::Activate)).raised);
    EXPECT_EQ(answer(request(FileManagerRequest::Kind::FrontWindowBounds)).bounds, std::nullopt);
    EXPECT_EQ(fileManager.calls().size(), 2);
}

TEST(FileManager1ConnectionWithClient, FrontWindowBoundsAreAbsentWithoutAWarning)
{
    FakeFileManager fileManager;
    RecordingLogger log;
    FileManager1Connection connection(log, 2s);
    FileManagerClient controller(connection, log, FileManagerClient::Limits { 2s, 2s, 2s, 20ms });
    for (int request = 0; request < 2; ++request) {
        std::optional<std::optional<Placement>> bounds;
        controller.captureFrontWindowBounds([&bounds](std::optional<Placement> answer) { bounds = answer; });
        ASSERT_TRUE(pollUntil([&] { return bounds.has_value(); }));
        EXPECT_EQ(*bounds, std::nullopt);
    }
    EXPECT_TRUE(log.lines().filter(QStringLiteral("[WARN]")).isEmpty())
        << log.lines().join(u'\n').toStdString();
}

TEST_F(FileManager1ConnectionTest, AFileManagerThatCannotSelectStillShowsTheFolder)
{
    FakeFileManager fileManager;
    const FileManagerRequest select = show(folder(), file());
    for (const char *error :
        { "org.freedesktop.DBus.Error.UnknownMethod", "org.freedesktop.DBus.Error.Failed",
            "org.freedesktop.DBus.Error.AccessDenied", "org.example.Broken" }) {
        fileManager.setErrorReply(
            QLatin1String(error), QStringLiteral("cannot select"), QStringLiteral("ShowItems"));
        const qsizetype before = fileManager.calls().size();
        EXPECT_EQ(failureKind(run(select)), std::nullopt) << error;
        EXPECT_EQ(fileManager.calls().mid(before),
            (QStringList {
                QStringLiteral("ShowItems ") + uri(file()), QStringLiteral("ShowFolders ") + uri(folder()) }))
            << error;
    }
    // A file manager that does not answer is not asked a second time.
    fileManager.setErrorReply({}, {});
    fileManager.setSilent(true);
    const qsizetype before = fileManager.calls().size();
    EXPECT_EQ(failureKind(run(select)), Kind::TimedOut);
    EXPECT_EQ(fileManager.calls().size(), before + 1);
}

TEST_F(FileManager1ConnectionTest, PlacementIsMentionedOnce)
{
    FakeFileManager fileManager;
    const FileManagerRequest placed = show(folder(), std::nullopt, Placement { 0, 0, 400, 300 });
    run(placed);
    run(placed);
    const QStringList placementLines = m_log.lines().filter(QStringLiteral("could not place"));
    EXPECT_EQ(placementLines.size(), 1);
}

TEST_F(FileManager1ConnectionTest, TheFileManagersWindowIsPlacedRaisedReusedAndRead)
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

    const FileManagerRequest placed = show(folder(), std::nullopt, Placement { 10, 20, 400, 300 });
    EXPECT_EQ(failureKind(run(placed, &m_placingConnection)), std::nullopt);
    EXPECT_TRUE(fileManager.lastStartupId().startsWith(QStringLiteral("mirvale-")))
        << fileManager.lastStartupId().toStdString();
    EXPECT_EQ(m_windowService.window(41)->client, QRect(11, 40, 398, 279));

    // Again, where the rule leaves the file manager behind: the file manager is asked again
    // whatever Mirvale remembers, and its new window does not keep the focus.
    m_windowService.setActive(7);
    FileManagerRequest behind = placed;
    behind.takesFocus = false;
    EXPECT_EQ(failureKind(run(behind, &m_placingConnection)), std::nullopt);
    EXPECT_EQ(fileManager.calls().size(), 2);
    EXPECT_TRUE(fileManager.lastStartupId().endsWith(QStringLiteral("_TIME1")));
    EXPECT_EQ(m_windowService.clients()->active, 7u);
    EXPECT_EQ(m_windowService.window(42)->client, QRect(11, 40, 398, 279));

    m_windowService.setActive(7);
    const FileManagerRequest activate = request(FileManagerRequest::Kind::Activate);
    const FileManagerRequest bounds = request(FileManagerRequest::Kind::FrontWindowBounds);
    EXPECT_TRUE(answer(activate, &m_placingConnection).raised);
    EXPECT_EQ(m_windowService.clients()->active, 42u);
    EXPECT_EQ(answer(bounds, &m_placingConnection).bounds, (Placement { 10, 20, 400, 300 }));
    m_windowService.setActive(7);
    EXPECT_EQ(answer(bounds, &m_placingConnection).bounds, std::nullopt);
    m_windowService.removeWindow(42);
    EXPECT_FALSE(answer(activate, &m_placingConnection).raised);
}

TEST_F(FileManager1ConnectionTest, RefusalsAndSilenceBecomeTheirFailures)
{
    FakeFileManager fileManager;
    const FileManagerRequest open = show(folder());
    fileManager.setErrorReply(
        QStringLiteral("org.freedesktop.DBus.Error.AccessDenied"), QStringLiteral("no"));
    EXPECT_EQ(failureKind(run(open)), Kind::AccessDenied);
    fileManager.setErrorReply(QStringLiteral("org.example.Broken"), QStringLiteral("it broke"));
    EXPECT_EQ(run(open),
        FileManagerConnection::Result(FileManagerFailure { Kind::Other, QStringLiteral("it broke") }));

    fileManager.setErrorReply({}, {});
    fileManager.setSilent(true);
    const auto before = std::chrono::steady_clock::now();
    EXPECT_EQ(failureKind(run(open)), Kind::TimedOut);
    EXPECT_LT(std::chrono::steady_clock::now() - before, 3s); // the call timeout, and no more
}

TEST(FileManager1ConnectionCancel, CancelDropsACallTheFileManagerNeverAnswers)
{
    QTemporaryDir card;
    FakeFileManager fileManager;
    fileManager.setSilent(true);
    RecordingLogger log;
    FileManager1Connection connection(log, 60s);
    const FileManagerRequest open = show(card.path());

    auto dropped = std::make_shared<int>(0);
    connection.perform(open, [dropped](const FileManagerConnection::Result &) { ++*dropped; });
    ASSERT_TRUE(pollUntil([&] { return fileManager.calls().size() == 1; }));
    connection.cancel();
    // Later requests fail at once as a time-out without reaching the file manager, and the
    // dropped call is not answered on the way.
    EXPECT_EQ(failureKind(answerOf(connection, open).value_or(FileManagerFailure {})), Kind::TimedOut);
    EXPECT_EQ(*dropped, 0);
    EXPECT_EQ(fileManager.calls().size(), 1);
}

TEST(FileManager1ConnectionWithClient, NoFileManagerIsRetriedOnceThenReported)
{
    QTemporaryDir card;
    RecordingLogger log;
    FileManager1Connection connection(log, 2s);
    FileManagerClient controller(connection, log, FileManagerClient::Limits { 2s, 2s, 2s, 20ms });
    std::optional<std::optional<MirvaleError>> answer;
    controller.open(QUrl::fromLocalFile(card.path()), std::nullopt, false, std::nullopt,
        [&answer](std::optional<MirvaleError> error) { answer = error; });
    ASSERT_TRUE(pollUntil([&] { return answer.has_value(); }));
    ASSERT_TRUE(answer->has_value());
    EXPECT_EQ((*answer)->description(),
        QStringLiteral("File manager error: ") + FileManagerErrors::noFileManagerMessage());
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
    FileManager1Connection connection(log, 2s);
    const std::optional<FileManagerConnection::Result> result = answerOf(connection, show(dir.path()));
    ASSERT_TRUE(result && std::holds_alternative<FileManagerAnswer>(*result));
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
