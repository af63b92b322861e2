#include "platform/linux/PosixFileAccess.h"
#include "rules/FileError.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace {

class PosixFileAccessTest : public ::testing::Test {
protected:
    QString path(const QString &name) const { return m_temp.filePath(name); }

    QStringList entries() const
    {
        return QDir(m_temp.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    }

    QTemporaryDir m_temp;
    PosixFileAccess m_files;
};

TEST_F(PosixFileAccessTest, AtomicWriteReplacesWholeAndLeavesNoTemporaryFile)
{
    const QString target = path(QStringLiteral("rules.json"));
    m_files.writeAtomically(target, "old");
    ASSERT_EQ(::chmod(QFile::encodeName(target).constData(), 0640), 0);
    m_files.writeAtomically(target, "new content");
    EXPECT_EQ(m_files.read(target, 100), QByteArray("new content"));
    EXPECT_EQ(entries(), QStringList({ QStringLiteral("rules.json") }));
    struct stat info;
    ASSERT_EQ(::stat(QFile::encodeName(target).constData(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0640u); // the user's permissions survive a save

    m_files.writeAtomically(target, QByteArray());
    EXPECT_TRUE(m_files.read(target, 100).isEmpty());
}

TEST_F(PosixFileAccessTest, AtomicWriteThroughALinkKeepsTheLink)
{
    QDir().mkpath(path(QStringLiteral("dotfiles")));
    const QString real = path(QStringLiteral("dotfiles/rules.json"));
    const QString link = path(QStringLiteral("rules.json"));
    m_files.writeAtomically(real, "old");
    ASSERT_TRUE(QFile::link(real, link));
    m_files.writeAtomically(link, "new");
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    EXPECT_EQ(m_files.read(real, 100), QByteArray("new"));
}

TEST_F(PosixFileAccessTest, FailedWriteKeepsTheOldFile)
{
    const QString target = path(QStringLiteral("settings.json"));
    m_files.writeAtomically(target, "old");
    // A folder in the way of the rename: the temporary file is written, the rename fails.
    const QString blocked = path(QStringLiteral("blocked"));
    QDir().mkpath(blocked + QStringLiteral("/inside"));
    EXPECT_THROW(m_files.writeAtomically(blocked, "new"), FileError);
    EXPECT_THROW(m_files.writeAtomically(path(QStringLiteral("missing/x.json")), "new"), FileError);
    EXPECT_EQ(m_files.read(target, 100), QByteArray("old"));
    QStringList all = entries();
    all.sort();
    EXPECT_EQ(all, QStringList({ QStringLiteral("blocked"), QStringLiteral("settings.json") }));
}

TEST_F(PosixFileAccessTest, ReadRefusesWhatIsNotASmallRegularFile)
{
    const QString big = path(QStringLiteral("big.json"));
    m_files.writeAtomically(big, QByteArray(101, 'x'));
    try {
        m_files.read(big, 100);
        FAIL() << "read";
    } catch (const FileError &error) {
        EXPECT_EQ(error.description(),
            QStringLiteral("The file \"big.json\" is too large (101 bytes; at most 100 are read)."));
    }
    EXPECT_EQ(m_files.read(big, 101).size(), 101);

    const QString fifo = path(QStringLiteral("fifo.json"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    EXPECT_THROW(m_files.read(fifo, 100), FileError); // and does not block waiting for a writer
    EXPECT_THROW(m_files.read(m_temp.path(), 100), FileError);
    try {
        m_files.read(path(QStringLiteral("none.json")), 100);
        FAIL() << "read";
    } catch (const FileError &error) {
        EXPECT_EQ(error.description(),
            QStringLiteral("The file \"none.json\" could not be read: No such file or directory."));
    }
}

TEST_F(PosixFileAccessTest, MoveNeverReplacesAndFoldersAreCreatedWithParents)
{
    m_files.writeAtomically(path(QStringLiteral("a")), "a");
    m_files.writeAtomically(path(QStringLiteral("b")), "b");
    EXPECT_THROW(m_files.move(path(QStringLiteral("a")), path(QStringLiteral("b"))), FileError);
    EXPECT_EQ(m_files.read(path(QStringLiteral("b")), 10), QByteArray("b"));
    m_files.move(path(QStringLiteral("a")), path(QStringLiteral("c")));
    EXPECT_FALSE(m_files.exists(path(QStringLiteral("a"))));
    EXPECT_TRUE(m_files.exists(path(QStringLiteral("c"))));

    m_files.createFolder(path(QStringLiteral("x/y/z")));
    EXPECT_TRUE(QFileInfo(path(QStringLiteral("x/y/z"))).isDir());
    m_files.createFolder(path(QStringLiteral("x/y/z"))); // already there: fine
    EXPECT_THROW(m_files.createFolder(path(QStringLiteral("b/sub"))), FileError);
}

} // namespace
