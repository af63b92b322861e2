#include "detection/FileCount.h"
#include "platform/linux/StatxEntryAttributeSource.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

TEST(FileCount, CountsVisibleRegularFilesOnlyAndNothingWhereNothingCanBeListed)
{
    QTemporaryDir dir;
    const auto touch = [&dir](const QString &name) { QFile(dir.filePath(name)).open(QIODevice::WriteOnly); };
    touch(QStringLiteral("IMG_0001.JPG"));
    touch(QStringLiteral("IMG_0002.CR3"));
    touch(QStringLiteral(".hidden.jpg"));
    QDir(dir.path()).mkdir(QStringLiteral("100CANON"));
    QFile::link(dir.filePath(QStringLiteral("IMG_0001.JPG")), dir.filePath(QStringLiteral("link.jpg")));
    const EntryAttributeSource &files = StatxEntryAttributeSource::instance();

    EXPECT_EQ(FileCount::regularFiles(dir.path(), files), 2);
    EXPECT_EQ(FileCount::regularFiles(dir.filePath(QStringLiteral("100CANON")), files), 0);
    EXPECT_EQ(FileCount::regularFiles(dir.filePath(QStringLiteral("gone")), files), 0);
    EXPECT_EQ(FileCount::regularFiles(dir.filePath(QStringLiteral("IMG_0001.JPG")), files), 0);
    EXPECT_EQ(FileCount::regularFiles(QString(), files), 0);
}

} // namespace
