// The file-manager labels reach the real log file; a hostile folder name must stay inside
// its own line.
#include "filemanager/FileManagerClient.h"

#include "common/FakeFileManagerConnection.h"
#include "common/PollUntil.h"
#include "support/Log.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace std::chrono_literals;

namespace {

TEST(FileManagerLogLines, AFolderNameWithALineFeedCannotStartALogLine)
{
    QTemporaryDir temp;
    ASSERT_TRUE(temp.isValid());
    // As a card labelled with `mkfs.exfat -L "$(printf 'CH\nE] FAKE')"` would be mounted.
    const QString card = temp.path() + QStringLiteral("/CH\nE] FAKE \u202Etxt.exe");
    ASSERT_TRUE(QDir().mkpath(card));
    const QString library = temp.path() + QStringLiteral("/library");

    {
        Log log(library);
        FakeFileManagerConnection connection;
        FileManagerClient controller(connection, log, FileManagerClient::Limits { 10s, 10s, 10s, 50ms });
        bool answered = false;
        controller.open(QUrl::fromLocalFile(card), std::nullopt, false, std::nullopt,
            [&answered](std::optional<MirvaleError>) { answered = true; });
        ASSERT_TRUE(pollUntil([&] { return answered; }));
        log.sync();
    }

    QFile file(library + QStringLiteral("/mirvale/mirvale.log"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_FALSE(lines.isEmpty());
    const QRegularExpression stamped(
        QStringLiteral(R"(^\d{4}-\d\d-\d\d \d\d:\d\d:\d\d\.\d{3} \[(INFO|WARN|ERROR)\] )"));
    for (const QString &line : lines) {
        EXPECT_TRUE(stamped.match(line).hasMatch()) << line.toStdString();
        EXPECT_FALSE(line.contains(QChar(0x202E))) << line.toStdString();
    }
    const QString label
        = QStringLiteral("FileManager[open ") + temp.path() + QStringLiteral("/CH\\nE] FAKE \\u202Etxt.exe]");
    EXPECT_TRUE(lines.first().contains(label)) << lines.first().toStdString();
}

} // namespace
