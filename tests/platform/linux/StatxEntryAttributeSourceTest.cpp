#include "platform/linux/StatxEntryAttributeSource.h"
#include "common/CardTree.h"

#include <QFile>

#include <gtest/gtest.h>

#include <map>

#include <sys/stat.h>

namespace {

using Source = EntryAttributeSource;

TEST(StatxEntryAttributeSource, ReadsTypesWithoutFollowingLinks)
{
    CardTree tree;
    tree.mkdir(QStringLiteral("dir"));
    tree.touch(QStringLiteral("file"));
    tree.symlink(tree.path(QStringLiteral("dir")), QStringLiteral("link-to-dir"));
    tree.symlink(QStringLiteral("loop"), QStringLiteral("loop"));
    tree.touch(QStringLiteral(".hidden"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(tree.path(QStringLiteral("fifo"))).constData(), 0644), 0);

    const Source::Keys all = Source::IsDirectory | Source::IsRegularFile | Source::IsSymbolicLink
        | Source::IsHidden | Source::CreationDate;
    std::unique_ptr<Source::Listing> listing
        = StatxEntryAttributeSource::instance().list(QFile::encodeName(tree.root()));
    ASSERT_TRUE(listing);
    std::map<QByteArray, Source::Attributes> seen;
    while (listing->next()) {
        const QByteArray name = listing->name().toByteArray();
        const std::optional<Source::Attributes> a = listing->attributes(all);
        ASSERT_TRUE(a) << name.constData();
        seen[name] = *a;
    }
    EXPECT_FALSE(listing->failed());

    const auto flags = [&](const char *name) {
        const Source::Attributes &a = seen.at(name);
        return std::tuple(a.isDirectory, a.isRegularFile, a.isSymbolicLink, a.isHidden);
    };
    EXPECT_EQ(flags("dir"), std::tuple(true, false, false, false));
    EXPECT_EQ(flags("file"), std::tuple(false, true, false, false));
    EXPECT_EQ(flags("link-to-dir"), std::tuple(false, false, true, false));
    EXPECT_EQ(flags("loop"), std::tuple(false, false, true, false));
    EXPECT_EQ(flags("fifo"), std::tuple(false, false, false, false));
    EXPECT_EQ(flags(".hidden"), std::tuple(false, true, false, true));

    // Birth times exist on the file systems tests run on; when reported they are recent.
    if (const auto created = seen.at("file").creationDate) {
        EXPECT_GT(*created, Source::Clock::time_point(std::chrono::seconds(1'600'000'000)));
    }

    // Attributes that were not asked for read as false or absent.
    listing = StatxEntryAttributeSource::instance().list(QFile::encodeName(tree.root()));
    while (listing->next()) {
        const std::optional<Source::Attributes> a = listing->attributes(Source::IsSymbolicLink);
        ASSERT_TRUE(a);
        EXPECT_FALSE(a->isDirectory || a->isRegularFile || a->isHidden || a->creationDate);
    }
}

TEST(StatxEntryAttributeSource, RefusesWhatIsNotAReadableDirectory)
{
    CardTree tree;
    tree.touch(QStringLiteral("file"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(tree.path(QStringLiteral("fifo"))).constData(), 0644), 0);
    const auto &source = StatxEntryAttributeSource::instance();
    EXPECT_FALSE(source.list(QFile::encodeName(tree.path(QStringLiteral("file")))));
    EXPECT_FALSE(source.list(QFile::encodeName(tree.path(QStringLiteral("fifo"))))); // must not block
    EXPECT_FALSE(source.list(QFile::encodeName(tree.path(QStringLiteral("missing")))));
    EXPECT_FALSE(source.list(QByteArray()));
    EXPECT_FALSE(source.list(QFile::encodeName(tree.root()) + QByteArray("\0/..", 4)));
}

} // namespace
