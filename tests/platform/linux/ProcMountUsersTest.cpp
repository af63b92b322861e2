#include "platform/linux/ProcMountUsers.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <unistd.h>

TEST(ProcMountUsers, ProcNamesTheProcessesUsingAFolderByTheirDesktopEntries)
{
    QTemporaryDir card, data;
    QDir(data.path()).mkpath(QStringLiteral("applications"));
    QFile entry(data.filePath(QStringLiteral("applications/sleep.desktop")));
    ASSERT_TRUE(entry.open(QIODevice::WriteOnly) && entry.write("[Desktop Entry]\nName=Sleeper\n") > 0);
    entry.close();
    QFile open(card.filePath(QStringLiteral("IMG_0001.CR3")));
    ASSERT_TRUE(open.open(QIODevice::WriteOnly)); // this process holds a file on the card
    QProcess inside; // working on the card; no other process on the machine is
    inside.setWorkingDirectory(card.path());
    inside.start(QStringLiteral("sleep"), { QStringLiteral("30") });
    ASSERT_TRUE(inside.waitForStarted());
    const qint64 sleeping = inside.processId();
    ProcMountUsers users({ data.path() });
    const QList<MountUsers::Process> found = users.usersOf(card.path() + QLatin1Char('/'));
    ASSERT_EQ(found.size(), 2);
    EXPECT_EQ(found[0].pid, getpid());
    EXPECT_TRUE(found[0].programName.isEmpty()); // no desktop entry: its short name serves
    EXPECT_EQ(QList<QVariant>({ found[1].pid, found[1].parent, found[1].command, found[1].programName }),
        QList<QVariant>({ sleeping, qint64(getpid()), QStringLiteral("sleep"), QStringLiteral("Sleeper") }));
    inside.kill();
    inside.waitForFinished();
    EXPECT_FALSE(users.process(sleeping));
}
