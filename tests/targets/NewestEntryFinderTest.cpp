#include "FakeEntryAttributeSource.h"
#include "common/CardTree.h"
#include "common/RecordingLogger.h"
#include "platform/linux/StatxEntryAttributeSource.h"
#include "targets/NewestFile.h"
#include "targets/NewestFolder.h"

#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <unistd.h>

using namespace std::chrono_literals;
using Fake = FakeEntryAttributeSource;

namespace {

const QByteArray kDir = "/card/DCIM";
const QUrl kDirUrl = QUrl::fromLocalFile(QString::fromLatin1(kDir));

// Seconds since 1970 for dates that are usable (after 2005) and one that is bogus.
constexpr std::chrono::seconds kDay2020 = 1'600'000'000s;
constexpr std::chrono::seconds kYear2001 = 1'000'000'000s;

QString nameOf(const std::optional<QUrl> &url)
{
    return url ? QFileInfo(url->toLocalFile()).fileName() : QStringLiteral("<none>");
}

struct OrderRow {
    const char *what;
    std::vector<Fake::Entry> entries;
    const char *expected;
};

TEST(NewestEntryFinder, WithoutBirthTimesOnlyWhatCouldWinIsRead)
{
    // A FUSE card: no birth times and no entry types in the listing, where each read is slow.
    struct Row {
        const char *what;
        std::vector<Fake::Entry> extra;
        const char *expected;
        int reads; // the first candidate's, plus one per entry that would have won
    };
    const Row rows[] = {
        { "files only", {}, "IMG_0999.JPG", 2 },
        { "a folder and a link named higher are read and passed over",
            { Fake::folder("ZZZ", std::nullopt), Fake::symlink("ZZ_LINK.JPG") }, "IMG_0999.JPG", 4 },
        { "an entry that vanished is passed over",
            { { "ZZ_GONE.JPG", std::nullopt, Fake::TypeHint::Unknown } }, "IMG_0999.JPG", 3 },
    };
    for (const Row &row : rows) {
        std::vector<Fake::Entry> entries;
        for (int i = 0; i < 1000; ++i)
            entries.push_back(Fake::file(
                QStringLiteral("IMG_%1.JPG").arg(i, 4, 10, QLatin1Char('0')).toLatin1(), std::nullopt));
        entries.insert(entries.end(), row.extra.begin(), row.extra.end());
        Fake source;
        source.setDirectory(kDir, entries);
        RecordingLogger log;
        EXPECT_EQ(nameOf(NewestFile::find(kDirUrl, log, source)), QString::fromLatin1(row.expected))
            << row.what;
        EXPECT_EQ(source.totalAttributeReads(), row.reads) << row.what;
    }

    // Folders: a file is read only when it would win by name.
    Fake folders;
    folders.setDirectory(kDir,
        { Fake::folder("099CANON", std::nullopt), Fake::file("000_NOTE.TXT", std::nullopt),
            Fake::folder("101CANON", std::nullopt), Fake::file("MISC", std::nullopt),
            Fake::folder("100CANON", std::nullopt) });
    RecordingLogger folderLog;
    EXPECT_EQ(nameOf(NewestFolder::find(kDirUrl, folderLog, folders)), QStringLiteral("101CANON"));
    EXPECT_EQ(folders.totalAttributeReads(), 3);

    // Where the listing tells the types, nothing past the first candidate is read.
    std::vector<Fake::Entry> typed;
    for (int i = 0; i < 1000; ++i) {
        Fake::Entry entry = Fake::file(
            QStringLiteral("IMG_%1.JPG").arg(i, 4, 10, QLatin1Char('0')).toLatin1(), std::nullopt);
        entry.hint = Fake::TypeHint::RegularFile;
        typed.push_back(entry);
    }
    Fake source;
    source.setDirectory(kDir, typed);
    RecordingLogger log;
    EXPECT_EQ(nameOf(NewestFile::find(kDirUrl, log, source)), QStringLiteral("IMG_0999.JPG"));
    EXPECT_EQ(source.totalAttributeReads(), 1);
}

TEST(NewestEntryFinder, PicksByDateOnlyWhenDatesAreUsable)
{
    const OrderRow rows[] = {
        { "within a minute: last name wins whatever the dates",
            { Fake::folder("102", kDay2020 + 50s), Fake::folder("103", kDay2020),
                Fake::folder("101", kDay2020 + 59s) },
            "103" },
        { "more than a minute apart: the later one wins",
            { Fake::folder("zzz", kDay2020), Fake::folder("aaa", kDay2020 + 61s) }, "aaa" },
        { "exactly sixty seconds apart still counts as one batch",
            { Fake::folder("zzz", kDay2020), Fake::folder("aaa", kDay2020 + 60s) }, "zzz" },
        { "a date before 2005 makes the name decide, numbers by value",
            { Fake::folder("clip100", kYear2001), Fake::folder("clip99", kDay2020) }, "clip100" },
        { "a missing date makes the name decide",
            { Fake::folder("b", std::nullopt), Fake::folder("a", kDay2020 + 3600s),
                Fake::folder("c", kDay2020) },
            "c" },
        { "equal newest dates: the later name among them wins",
            { Fake::folder("old", kDay2020), Fake::folder("B", kDay2020 + 500s),
                Fake::folder("a", kDay2020 + 500s) },
            "B" },
        { "a single candidate without a date", { Fake::folder("only", std::nullopt) }, "only" },
        { "case is ignored in the name ordering",
            { Fake::folder("Card 10", kYear2001), Fake::folder("card 9", kYear2001) }, "Card 10" },
    };
    for (const OrderRow &row : rows) {
        Fake source;
        source.setDirectory(kDir, row.entries);
        RecordingLogger log;
        EXPECT_EQ(nameOf(NewestFolder::find(kDirUrl, log, source)), QString::fromLatin1(row.expected))
            << row.what;
        EXPECT_TRUE(log.lines().isEmpty()) << row.what;
    }
}

TEST(NewestEntryFinder, OnlyRealEntriesOfTheRightKindAreCandidates)
{
    Fake source;
    Fake::Entry hidden = Fake::folder("zz-hidden", kDay2020 + 9000s);
    hidden.attributes->isHidden = true;
    Fake::Entry hintedFile = Fake::file("zz-hinted-file", kDay2020 + 9000s);
    hintedFile.hint = EntryAttributeSource::TypeHint::RegularFile;
    source.setDirectory(kDir,
        {
            Fake::folder("100CANON", kDay2020),
            Fake::symlink("zz-link"),
            Fake::folder(".zz-dot", kDay2020 + 9000s),
            hidden,
            Fake::file("zz-file.jpg", kDay2020 + 9000s),
            hintedFile,
            { "zz-unreadable", std::nullopt, EntryAttributeSource::TypeHint::Unknown },
        });
    RecordingLogger log;
    EXPECT_EQ(nameOf(NewestFolder::find(kDirUrl, log, source)), QStringLiteral("100CANON"));
    EXPECT_EQ(nameOf(NewestFile::find(kDirUrl, log, source)), QStringLiteral("zz-hinted-file"));
    // Dot names and what the listing already ruled out are never read.
    EXPECT_EQ(source.attributeReads(".zz-dot"), 0);
    EXPECT_EQ(source.attributeReads("zz-hinted-file"), 1); // by NewestFile only
    EXPECT_TRUE(log.lines().isEmpty()) << log.lines().join(u'\n').toStdString();
}

TEST(NewestEntryFinder, UnreadableDirectoryWarnsOnceAndYieldsNone)
{
    Fake source;
    source.setDirectory(kDir, { Fake::folder("100", kDay2020), Fake::folder("101", kDay2020) });
    source.failAfter(kDir, 1);
    for (bool missing : { true, false }) {
        RecordingLogger log;
        const QUrl url = missing ? QUrl::fromLocalFile(QStringLiteral("/card/nope")) : kDirUrl;
        EXPECT_FALSE(NewestFolder::find(url, log, source));
        EXPECT_EQ(log.lines(),
            QStringList { QStringLiteral("[WARN] NewestFolder: could not list ") + url.toLocalFile() });
    }
}

TEST(NewestEntryFinder, EmptyDirectoryYieldsNoneQuietly)
{
    Fake source;
    source.setDirectory(kDir, { Fake::file("a.jpg", kDay2020) });
    RecordingLogger log;
    EXPECT_FALSE(NewestFolder::find(kDirUrl, log, source));
    EXPECT_TRUE(log.lines().isEmpty());
}

TEST(NewestEntryFinder, NamesThatAreNotUtf8AreNeverHandedOut)
{
    Fake source;
    source.setDirectory(kDir, { Fake::file("a.jpg", kDay2020), Fake::file("z\xff\xfe.jpg", kDay2020) });
    RecordingLogger log;
    EXPECT_EQ(nameOf(NewestFile::find(kDirUrl, log, source)), QStringLiteral("a.jpg"));
    EXPECT_EQ(log.lines(),
        QStringList { QStringLiteral("[WARN] NewestFile: skipped 1 entries with names that are "
                                     "not valid UTF-8 in /card/DCIM") });
}

TEST(NewestEntryFinderOnDisk, ListsARealDirectory)
{
    CardTree tree;
    tree.mkdir(QStringLiteral("DCIM/100CANON"));
    tree.mkdir(QStringLiteral("DCIM/.Trashes"));
    tree.touch(QStringLiteral("DCIM/IMG_0001.JPG"));
    tree.touch(QStringLiteral("DCIM/.hidden.JPG"));
    tree.symlink(tree.outside(), QStringLiteral("DCIM/zzz-link-folder"));
    tree.symlink(tree.path(QStringLiteral("DCIM/IMG_0001.JPG")), QStringLiteral("DCIM/zzz-link-file"));
    // A name with every awkward character a card can carry, and one that is not UTF-8.
    const QString odd = QStringLiteral("ZZ \"q'\n\t#?%.JPG");
    tree.touch(QStringLiteral("DCIM/") + odd);
    const QByteArray invalid = QFile::encodeName(tree.path(QStringLiteral("DCIM/"))) + "zz\xff.JPG";
    const int fd = ::open(invalid.constData(), O_CREAT | O_WRONLY, 0644);
    ASSERT_GE(fd, 0);
    ::close(fd);

    RecordingLogger log;
    const QUrl dcim = QUrl::fromLocalFile(tree.path(QStringLiteral("DCIM")));
    const std::optional<QUrl> folder = NewestFolder::find(dcim, log, StatxEntryAttributeSource::instance());
    EXPECT_EQ(nameOf(folder), QStringLiteral("100CANON"));
    const std::optional<QUrl> file = NewestFile::find(dcim, log, StatxEntryAttributeSource::instance());
    ASSERT_TRUE(file);
    // Files made within a second sort by name: the odd name beats IMG_0001 and still points
    // at the very same entry.
    EXPECT_EQ(file->toLocalFile(), tree.path(QStringLiteral("DCIM/") + odd));
    EXPECT_TRUE(QFileInfo::exists(file->toLocalFile()));
    EXPECT_EQ(log.count(QStringLiteral(
                            "[WARN] NewestFile: skipped 1 entries with names that are not valid UTF-8 in ")
                  + tree.path(QStringLiteral("DCIM"))),
        1);
}

TEST(NewestEntryFinderOnDisk, AFileOrLoopInsteadOfADirectoryCannotBeListed)
{
    CardTree tree;
    tree.touch(QStringLiteral("DCIM"));
    tree.symlink(QStringLiteral("loop"), QStringLiteral("loop"));
    for (const QString &name : { QStringLiteral("DCIM"), QStringLiteral("loop") }) {
        RecordingLogger log;
        EXPECT_FALSE(NewestFile::find(
            QUrl::fromLocalFile(tree.path(name)), log, StatxEntryAttributeSource::instance()));
        EXPECT_EQ(log.lines(),
            QStringList { QStringLiteral("[WARN] NewestFile: could not list ") + tree.path(name) });
    }
}

} // namespace
