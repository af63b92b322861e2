#include "app/Autostart.h"
#include "common/PollUntil.h"
#include "common/RecordingLogger.h"
#include "platform/linux/AutostartEntry.h"
#include "support/DescribedError.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <thread>

namespace {

using Status = AutostartService::Status;

class AutostartTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_home.isValid());
        // The binary to start: any executable file named like ours.
        m_executable = m_home.path() + QStringLiteral("/bin dir/mirvale");
        QDir().mkpath(QFileInfo(m_executable).path());
        QFile binary(m_executable);
        ASSERT_TRUE(binary.open(QIODevice::WriteOnly));
        binary.write("#!/bin/sh\n");
        binary.close();
        binary.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        m_folder = m_home.path() + QStringLiteral("/.config/autostart");
        m_service = std::make_shared<AutostartEntry>(m_folder, m_executable);
    }

    QString entryPath() const { return m_folder + QStringLiteral("/io.github.mirvale.Mirvale.desktop"); }
    QString legacyPath() const { return m_folder + QStringLiteral("/mirvale.desktop"); }

    void writeEntry(const QByteArray &text, const QString &path = {})
    {
        QDir().mkpath(m_folder);
        QFile file(path.isEmpty() ? entryPath() : path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
    }

    QByteArray readEntry(const QString &path = {}) const
    {
        QFile file(path.isEmpty() ? entryPath() : path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QTemporaryDir m_home;
    QString m_executable;
    QString m_folder;
    std::shared_ptr<AutostartEntry> m_service;
    RecordingLogger m_log;
};

} // namespace

TEST_F(AutostartTest, EnablingWritesAWholeEntryThatRunsThisBinary)
{
    Autostart item(m_service, m_log);
    EXPECT_FALSE(item.lastKnownEnabled());
    EXPECT_EQ(m_service->status(), Status::NotRegistered);

    item.setEnabled(true);
    EXPECT_TRUE(item.lastKnownEnabled());
    EXPECT_TRUE(m_log.contains(QStringLiteral("[INFO] Autostart.setEnabled(true) succeeded")));
    const QByteArray text = readEntry();
    EXPECT_TRUE(text.startsWith("[Desktop Entry]\n"));
    EXPECT_TRUE(text.contains("\nExec=\"" + m_executable.toUtf8() + "\"\n")) << text.constData();
    EXPECT_TRUE(text.contains("\nX-GNOME-Autostart-enabled=true\n"));
    EXPECT_EQ(m_service->status(), Status::Enabled);
    // Written atomically: no temporary file is left beside it.
    EXPECT_EQ(QDir(m_folder).entryList(QDir::Files),
        QStringList { QStringLiteral("io.github.mirvale.Mirvale.desktop") });

    item.setEnabled(false);
    EXPECT_FALSE(item.lastKnownEnabled());
    EXPECT_FALSE(QFile::exists(entryPath()));
    EXPECT_TRUE(m_log.contains(QStringLiteral("[INFO] Autostart.setEnabled(false) succeeded")));
    item.setEnabled(false); // nothing there: still fine
}

TEST_F(AutostartTest, StatusReadsTheEntryAsTheDesktopWould)
{
    struct Row {
        const char *what;
        QByteArray text;
        Status expected;
    };
    const QByteArray exec = "Exec=" + AutostartEntry::execWord(m_executable).toUtf8() + "\n";
    const QList<Row> rows {
        { "ours", "[Desktop Entry]\nType=Application\n" + exec, Status::Enabled },
        { "ours with arguments", "[Desktop Entry]\n" + exec.chopped(1) + " --quiet\n", Status::Enabled },
        { "hidden", "[Desktop Entry]\n" + exec + "Hidden=true\n", Status::Disabled },
        { "switched off in GNOME", "[Desktop Entry]\n" + exec + "X-GNOME-Autostart-enabled=false\n",
            Status::Disabled },
        { "another program", "[Desktop Entry]\nExec=/usr/bin/other --mirvale\n", Status::NotOurs },
        { "no entry group", "[Something Else]\n" + exec, Status::NotOurs },
        { "unterminated quote", "[Desktop Entry]\nExec=\"/usr/bin/mirvale\n", Status::NotOurs },
        { "a mirvale that is gone", "[Desktop Entry]\nExec=/nonexistent/mirvale\n", Status::Stale },
    };
    for (const Row &row : rows) {
        writeEntry(row.text);
        EXPECT_EQ(m_service->status(), row.expected) << row.what;
    }
}

TEST_F(AutostartTest, ExecWordsSurviveTheRoundTrip)
{
    for (const QString &path : { QStringLiteral("/usr/bin/mirvale"), QStringLiteral("/home/a b/mirvale"),
             QStringLiteral("/odd/\"q\"$x`y`\\z/100%/mirvale") }) {
        EXPECT_EQ(AutostartEntry::execProgram(AutostartEntry::execWord(path)), path);
    }
    EXPECT_EQ(
        AutostartEntry::execWord(QStringLiteral("/usr/bin/mirvale")), QStringLiteral("/usr/bin/mirvale"));
}

TEST_F(AutostartTest, AFileThatIsNotOursIsNeitherReplacedNorRemoved)
{
    const QByteArray foreign = "[Desktop Entry]\nExec=/usr/bin/other\n";
    writeEntry(foreign);
    Autostart item(m_service, m_log);

    EXPECT_THROW(item.setEnabled(true), DescribedError);
    EXPECT_FALSE(item.lastKnownEnabled());
    EXPECT_EQ(readEntry(), foreign);
    ASSERT_EQ(m_log.lines().size(), 1);
    EXPECT_TRUE(
        m_log.lines().first().startsWith(QStringLiteral("[ERROR] Autostart.setEnabled(true) failed: ")))
        << m_log.lines().first().toStdString();

    item.setEnabled(false);
    EXPECT_EQ(readEntry(), foreign);
}

TEST_F(AutostartTest, AnEntryUnderTheOldNameIsMovedOnceAndAForeignOneLeftAlone)
{
    const QByteArray ours
        = "[Desktop Entry]\nExec=" + AutostartEntry::execWord(m_executable).toUtf8() + "\nHidden=true\n";
    writeEntry(ours, legacyPath());
    EXPECT_EQ(m_service->status(), Status::Disabled);
    EXPECT_FALSE(QFile::exists(legacyPath()));
    EXPECT_EQ(readEntry(), ours);

    // An older Mirvale wrote it again: one entry stays, and unticking leaves none behind.
    writeEntry(ours, legacyPath());
    ASSERT_EQ(m_service->setRegistered(false), std::nullopt);
    EXPECT_TRUE(QDir(m_folder).entryList(QDir::Files).isEmpty());

    const QByteArray foreign = "[Desktop Entry]\nExec=/usr/bin/other\n";
    writeEntry(foreign, legacyPath());
    ASSERT_EQ(m_service->setRegistered(true), std::nullopt);
    EXPECT_EQ(m_service->status(), Status::Enabled);
    EXPECT_EQ(readEntry(legacyPath()), foreign);
}

TEST_F(AutostartTest, AFailedWriteThrowsLogsAndKeepsTheLastKnownState)
{
    // A file where the autostart folder should be: nothing can be written inside it.
    QDir().mkpath(m_home.path() + QStringLiteral("/.config"));
    QFile blocker(m_folder);
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    Autostart item(m_service, m_log);

    try {
        item.setEnabled(true);
        FAIL() << "no error";
    } catch (const DescribedError &error) {
        EXPECT_TRUE(error.description().contains(m_folder)) << error.description().toStdString();
        EXPECT_TRUE(m_log.contains(
            QStringLiteral("[ERROR] Autostart.setEnabled(true) failed: ") + error.description()));
    }
    EXPECT_FALSE(item.lastKnownEnabled());
}

TEST_F(AutostartTest, RefreshUpdatesTheStateOnTheMainThreadAndAnswersTheCallback)
{
    Autostart item(m_service, m_log);
    writeEntry("[Desktop Entry]\nExec=" + AutostartEntry::execWord(m_executable).toUtf8() + "\n");
    std::optional<bool> answer;
    item.refreshStatus([&answer](bool enabled) { answer = enabled; });
    ASSERT_TRUE(pollUntil([&] { return answer.has_value(); }));
    EXPECT_TRUE(*answer);
    EXPECT_TRUE(item.lastKnownEnabled());

    // Switched off behind Mirvale's back: a refresh without a callback notices.
    writeEntry(
        "[Desktop Entry]\nExec=" + AutostartEntry::execWord(m_executable).toUtf8() + "\nHidden=true\n");
    item.refreshStatus();
    EXPECT_TRUE(pollUntil([&] { return !item.lastKnownEnabled(); }));
    EXPECT_TRUE(m_log.lines().isEmpty());
}

TEST_F(AutostartTest, EnablingOffTheMainThreadReachesTheMainThreadLater)
{
    Autostart item(m_service, m_log);
    std::thread worker([&item] { item.setEnabled(true); });
    worker.join();
    EXPECT_TRUE(pollUntil([&] { return item.lastKnownEnabled(); }));
}

TEST(AutostartEntry, DefaultFolderFollowsXdgConfigHome)
{
    const QByteArray saved = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", "/somewhere/config");
    EXPECT_EQ(AutostartEntry::defaultAutostartFolder(), QStringLiteral("/somewhere/config/autostart"));
    qputenv("XDG_CONFIG_HOME", "relative/config");
    EXPECT_EQ(
        AutostartEntry::defaultAutostartFolder(), QDir::homePath() + QStringLiteral("/.config/autostart"));
    qputenv("XDG_CONFIG_HOME", saved);
}
