#include "support/Log.h"
#include "support/LogCategories.h"
#include "support/LogLine.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <thread>

namespace {

class LogTest : public ::testing::Test {
protected:
    QString folder() const { return m_library.path() + QStringLiteral("/mirvale"); }
    QString file(const QString &name = QStringLiteral("mirvale.log")) const
    {
        return folder() + QLatin1Char('/') + name;
    }

    static qint64 sizeOf(const QString &path) { return QFileInfo(path).size(); }
    static QByteArray read(const QString &path)
    {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    void prefill(qint64 bytes)
    {
        QDir().mkpath(folder());
        QFile f(file());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(QByteArray(bytes, 'x'));
    }
    // Timestamp, " [INFO] ", message and the line feed.
    static qint64 lineBytes(const QString &message) { return 23 + 8 + message.toUtf8().size() + 1; }

    QTemporaryDir m_library;
};

TEST_F(LogTest, LineFormatAndLevels)
{
    const QDateTime at(QDate(2024, 5, 1), QTime(9, 30, 12, 45));
    EXPECT_EQ(LogLine::format(at, Logger::Level::Info, QStringLiteral("Coordinator started")),
        QByteArray("2024-05-01 09:30:12.045 [INFO] Coordinator started\n"));
    EXPECT_EQ(LogLine::format(at, Logger::Level::Warn, QStringLiteral("a\nb")),
        QByteArray("2024-05-01 09:30:12.045 [WARN] a\\nb\n"));
    EXPECT_EQ(LogLine::format(at, Logger::Level::Error, QStringLiteral("\u00e9")),
        QByteArray("2024-05-01 09:30:12.045 [ERROR] \xc3\xa9\n"));

    Log log(m_library.path());
    log.info(QStringLiteral("one"));
    log.warn(QStringLiteral("two"));
    log.error(QStringLiteral("three"));
    log.sync();
    const QStringList lines = QString::fromUtf8(read(file())).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 3);
    const QRegularExpression shape(
        QStringLiteral(R"(^\d{4}-\d\d-\d\d \d\d:\d\d:\d\d\.\d{3} \[(INFO|WARN|ERROR)\] \w+$)"));
    for (const QString &line : lines)
        EXPECT_TRUE(shape.match(line).hasMatch()) << line.toStdString();
    EXPECT_TRUE(lines[0].endsWith(QStringLiteral("[INFO] one")));
    EXPECT_TRUE(lines[1].endsWith(QStringLiteral("[WARN] two")));
    EXPECT_TRUE(lines[2].endsWith(QStringLiteral("[ERROR] three")));
}

TEST_F(LogTest, QtMessagesLandInTheLogWithTheirCategoryWhileItCaptures)
{
    {
        Log log(m_library.path());
        log.captureQtMessages();
        qWarning("plain %s", "warning");
        qCDebug(lcDetection) << "off unless the rules turn it on";
        QLoggingCategory::setFilterRules(QStringLiteral("mirvale.detection.debug=true"));
        qCDebug(lcDetection, "on\nnow");
        QLoggingCategory::setFilterRules(QString());
    }
    qWarning("after the log went");
    const QString text = QString::fromUtf8(read(file()));
    EXPECT_TRUE(text.contains(QStringLiteral("[WARN] plain warning\n")));
    EXPECT_TRUE(text.contains(QStringLiteral("[DEBUG] mirvale.detection: on\\nnow\n")));
    EXPECT_FALSE(text.contains(QStringLiteral("off unless")));
    EXPECT_FALSE(text.contains(QStringLiteral("after the log")));
}

TEST(LogLine, EscapesWhatCouldForgeOrHideALine)
{
    struct Row {
        QString message;
        QString expected;
    };
    const QChar loneHigh(0xD800);
    const QChar loneLow(0xDC00);
    const Row rows[] = {
        { QStringLiteral("plain \u00e9 \U0001F4F7 \\n stays"),
            QStringLiteral("plain \u00e9 \U0001F4F7 \\n stays") },
        { QStringLiteral("CH\nE] FAKE"), QStringLiteral("CH\\nE] FAKE") },
        { QStringLiteral("a\rb\tc"), QStringLiteral("a\\rb\\tc") },
        { QStringLiteral("\x1b[31mred\x7f"), QStringLiteral("\\x1B[31mred\\x7F") },
        { QString(QChar(0)) + QStringLiteral("nul"), QStringLiteral("\\x00nul") },
        { QStringLiteral("next\u0085line"), QStringLiteral("next\\x85line") },
        { QStringLiteral("sep\u2028par\u2029"), QStringLiteral("sep\\u2028par\\u2029") },
        { QStringLiteral("evil\u202Egpj.exe"), QStringLiteral("evil\\u202Egpj.exe") },
        { QStringLiteral("\u202A\u202B\u202C\u202D\u2066\u2067\u2068\u2069\u200E\u200F\u061C"),
            QStringLiteral("\\u202A\\u202B\\u202C\\u202D\\u2066\\u2067\\u2068\\u2069\\u200E\\u200F\\u061C") },
        { QStringLiteral("x") + loneHigh, QStringLiteral("x\\uD800") },
        { loneLow + QStringLiteral("y") + loneHigh + loneHigh + loneLow,
            QStringLiteral("\\uDC00y\\uD800") + loneHigh + loneLow },
    };
    for (const Row &row : rows)
        EXPECT_EQ(LogLine::escaped(row.message), row.expected) << row.message.toStdString();
}

TEST_F(LogTest, HostileNamesCannotStartALineOfTheirOwn)
{
    Log log(m_library.path());
    log.info(QStringLiteral("Volume mounted: CH\nE] FAKE"));
    log.warn(QStringLiteral("x\r\n2024-01-01 00:00:00.000 [ERROR] forged"));
    log.info(QStringLiteral("broken ") + QChar(0xD800)); // once dropped, now written escaped
    log.sync();
    const QStringList lines = QString::fromUtf8(read(file())).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 3);
    EXPECT_TRUE(lines[0].endsWith(QStringLiteral("[INFO] Volume mounted: CH\\nE] FAKE")));
    EXPECT_TRUE(lines[1].endsWith(QStringLiteral("[WARN] x\\r\\n2024-01-01 00:00:00.000 [ERROR] forged")));
    EXPECT_TRUE(lines[2].endsWith(QStringLiteral("[INFO] broken \\uD800")));
}

TEST_F(LogTest, RotatesBeforeALineWouldPassTheLimit)
{
    prefill(524000);
    Log log(m_library.path());
    const QString message(300, QLatin1Char('m'));
    log.info(message);
    log.sync();
    EXPECT_EQ(sizeOf(file(QStringLiteral("mirvale.log.1"))), 524000);
    EXPECT_EQ(sizeOf(file()), lineBytes(message));
    EXPECT_TRUE(read(file()).endsWith(message.toUtf8() + '\n'));
}

TEST_F(LogTest, ExactlyAtTheLimitDoesNotRotateUntilTheNextLine)
{
    const QString message = QStringLiteral("fits exactly");
    prefill(Log::kMaxBytes - lineBytes(message));
    Log log(m_library.path());
    log.info(message);
    log.sync();
    EXPECT_EQ(sizeOf(file()), Log::kMaxBytes);
    EXPECT_FALSE(QFileInfo::exists(file(QStringLiteral("mirvale.log.1"))));
    log.info(QStringLiteral("x"));
    log.sync();
    EXPECT_EQ(sizeOf(file(QStringLiteral("mirvale.log.1"))), Log::kMaxBytes);
    EXPECT_EQ(sizeOf(file()), lineBytes(QStringLiteral("x")));
}

TEST_F(LogTest, KeepsTwoOlderGenerations)
{
    Log log(m_library.path());
    const QString message(100 * 1024, QLatin1Char('g'));
    for (int i = 0; i < 20; ++i) // about four rotations
        log.info(message);
    log.sync();
    QStringList names = QDir(folder()).entryList(QDir::Files);
    names.sort();
    EXPECT_EQ(names,
        (QStringList { QStringLiteral("mirvale.log"), QStringLiteral("mirvale.log.1"),
            QStringLiteral("mirvale.log.2") }));
    for (const QString &name : names)
        EXPECT_LE(sizeOf(file(name)), Log::kMaxBytes);
}

TEST_F(LogTest, FileDeletedWhileRunningStartsAFreshOne)
{
    prefill(500000);
    Log log(m_library.path());
    log.info(QStringLiteral("before"));
    log.sync();
    ASSERT_TRUE(QFile::remove(file()));
    log.info(QStringLiteral("after"));
    log.sync();
    EXPECT_EQ(sizeOf(file()), lineBytes(QStringLiteral("after")));
    // Counted from zero: a line that fits after the deletion does not rotate.
    log.info(QString(30000, QLatin1Char('z')));
    log.sync();
    EXPECT_FALSE(QFileInfo::exists(file(QStringLiteral("mirvale.log.1"))));
}

TEST_F(LogTest, WholeFolderDeletedIsRecreated)
{
    Log log(m_library.path());
    log.info(QStringLiteral("first"));
    log.sync();
    ASSERT_TRUE(QDir(folder()).removeRecursively());
    log.info(QStringLiteral("second"));
    log.sync();
    EXPECT_TRUE(read(file()).endsWith("[INFO] second\n"));
}

TEST_F(LogTest, EarlierLogMovesOnlyWhenTheNewOneIsMissing)
{
    const QString earlier = m_library.path() + QStringLiteral("/Logs/Mirvale");
    QDir().mkpath(earlier);
    for (const char *name : { "app.log", "app.log.1" }) {
        QFile old(earlier + QLatin1Char('/') + QLatin1String(name));
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write(QByteArray(name) + " line\n");
    }
    {
        Log log(m_library.path());
        log.info(QStringLiteral("continued"));
    }
    EXPECT_FALSE(QFileInfo::exists(m_library.path() + QStringLiteral("/Logs")));
    EXPECT_TRUE(read(file()).startsWith("app.log line\n"));
    EXPECT_EQ(read(file(QStringLiteral("mirvale.log.1"))), "app.log.1 line\n");

    // Both present: nothing moves.
    QDir().mkpath(earlier);
    QFile(earlier + QStringLiteral("/app.log")).open(QIODevice::WriteOnly);
    {
        Log log(m_library.path());
    }
    EXPECT_TRUE(QFileInfo::exists(earlier + QStringLiteral("/app.log")));
}

TEST_F(LogTest, LinesFromManyThreadsAreAllWrittenWhole)
{
    Log log(m_library.path());
    std::vector<std::thread> threads;
    for (int t = 0; t < 4; ++t) {
        threads.emplace_back([&log, t] {
            for (int i = 0; i < 500; ++i)
                log.info(QStringLiteral("thread %1 line %2").arg(t).arg(i));
        });
    }
    for (auto &thread : threads)
        thread.join();
    log.sync();
    const QList<QByteArray> lines = read(file()).split('\n');
    EXPECT_EQ(lines.size(), 2001); // the last split is the empty tail
    const QRegularExpression shape(QStringLiteral(R"(\[INFO\] thread \d line \d+$)"));
    for (int i = 0; i < 2000; ++i)
        EXPECT_TRUE(shape.match(QString::fromUtf8(lines[i])).hasMatch());
}

} // namespace
