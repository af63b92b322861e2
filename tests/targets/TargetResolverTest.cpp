#include "targets/TargetResolver.h"
#include "FakeEntryAttributeSource.h"
#include "common/CardTree.h"
#include "common/RecordingLogger.h"
#include "platform/linux/StatxEntryAttributeSource.h"

#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <atomic>
#include <thread>
#include <vector>

#include <sys/stat.h>

namespace {

const EntryAttributeSource &kFiles = StatxEntryAttributeSource::instance();

Rule catchAll(const Subfolder &subfolder, const QString &name = QStringLiteral("any"))
{
    Rule rule;
    rule.name = name;
    rule.match = VolumeMatch::anyCard();
    rule.subfolder = subfolder;
    return rule;
}

Rule named(const QString &volume, bool enabled = true)
{
    Rule rule;
    rule.name = QStringLiteral("named ") + volume;
    rule.match = VolumeMatch::volumeName(volume);
    rule.subfolder = Subfolder::preset(Preset::Photos);
    rule.enabled = enabled;
    return rule;
}

Rule withFlags(Rule rule, bool newestFolder, bool newestFile)
{
    rule.openNewestFolder = newestFolder;
    rule.selectNewestFile = newestFile;
    return rule;
}

TEST(TargetResolverMatch, NamedBeforeCatchAllAndCatchAllOnlyWithItsFolder)
{
    const Rule smart = catchAll(Subfolder::smart(), QStringLiteral("smart"));
    const Rule xavc = catchAll(Subfolder::preset(Preset::Xavc), QStringLiteral("xavc"));
    struct Row {
        const char *what;
        RuleList rules;
        QStringList folders;
        QString cardName;
        std::optional<QString> expected; // rule name
    };
    const Row rows[] = {
        { "named rule wins though second; case, spaces and newline ignored",
            { smart, named(QStringLiteral("EOS_Digital")) }, { QStringLiteral("DCIM") },
            QStringLiteral(" eos_digital\n"), QStringLiteral("named EOS_Digital") },
        { "named rule matches even without its folder", { named(QStringLiteral("X")) }, {},
            QStringLiteral("x"), QStringLiteral("named X") },
        { "disabled named rule is ignored", { named(QStringLiteral("EOS"), false), smart },
            { QStringLiteral("DCIM") }, QStringLiteral("EOS"), QStringLiteral("smart") },
        { "catch-all without its folder is passed over", { xavc, smart }, { QStringLiteral("DCIM") },
            QStringLiteral("EOS"), QStringLiteral("smart") },
        { "no camera folders: no rule", { xavc, smart }, {}, QStringLiteral("EOS"), std::nullopt },
        { "a DCIM that is a file does not count", { smart }, {}, QStringLiteral("EOS"), std::nullopt },
        { "blank rule name matches a blank card name", { named(QStringLiteral(" ")) }, {},
            QStringLiteral("\t"), QStringLiteral("named  ") },
        { "blank rule name does not match a named card", { named(QString()) }, {}, QStringLiteral("EOS"),
            std::nullopt },
        { "accents still count", { named(QStringLiteral("CAMÉRA")) }, {}, QStringLiteral("camera"),
            std::nullopt },
    };
    for (const Row &row : rows) {
        CardTree tree;
        for (const QString &folder : row.folders)
            tree.mkdir(folder);
        if (QByteArray(row.what).contains("is a file"))
            tree.touch(QStringLiteral("DCIM"));
        const std::optional<Rule> rule
            = TargetResolver::firstMatch(row.rules, tree.card(row.cardName), kFiles);
        EXPECT_EQ(rule ? std::optional<QString>(rule->name) : std::nullopt, row.expected) << row.what;
    }
}

TEST(TargetResolverMatch, CatchAllPassOverLogsEscapes)
{
    CardTree tree;
    tree.symlink(tree.outside(), QStringLiteral("DCIM"));
    RecordingLogger log;
    EXPECT_FALSE(TargetResolver::firstMatch(
        { catchAll(Subfolder::preset(Preset::Photos)) }, tree.card(), kFiles, &log));
    EXPECT_EQ(log.lines(),
        QStringList { QStringLiteral("[WARN] TargetResolver: ") + tree.path(QStringLiteral("DCIM"))
            + QStringLiteral(" escapes EOS_DIGITAL via a symlink; treating it as missing") });
}

TEST(TargetResolverResolve, SmartOrderIsDcimThenAvchdThenXavc)
{
    struct Row {
        QStringList folders;
        QString expected;
    };
    const Row rows[] = {
        { { QStringLiteral("PRIVATE/M4ROOT/CLIP"), QStringLiteral("DCIM") }, QStringLiteral("DCIM") },
        { { QStringLiteral("PRIVATE/M4ROOT/CLIP"), QStringLiteral("PRIVATE/AVCHD/BDMV/STREAM") },
            QStringLiteral("PRIVATE/AVCHD/BDMV/STREAM") },
        { { QStringLiteral("PRIVATE/M4ROOT/CLIP") }, QStringLiteral("PRIVATE/M4ROOT/CLIP") },
    };
    for (const Row &row : rows) {
        CardTree tree;
        for (const QString &folder : row.folders)
            tree.mkdir(folder);
        RecordingLogger log;
        const ResolvedTarget target
            = TargetResolver::resolve(catchAll(Subfolder::smart()), tree.card(), log, kFiles);
        EXPECT_EQ(target.relativePath, row.expected);
        EXPECT_EQ(target.folder, QUrl::fromLocalFile(tree.path(row.expected)));
        EXPECT_FALSE(target.usedFallbackToRoot);
        EXPECT_TRUE(log.lines().isEmpty());
    }
}

TEST(TargetResolverResolve, SanitisesCustomPaths)
{
    struct Row {
        QString typed;
        std::optional<QStringList> pieces;
    };
    const Row rows[] = {
        { QStringLiteral("  //DCIM//100CANON/ \n"),
            QStringList { QStringLiteral("DCIM"), QStringLiteral("100CANON") } },
        { QStringLiteral("./DCIM"), QStringList { QStringLiteral("."), QStringLiteral("DCIM") } },
        { QStringLiteral("///"), QStringList() },
        { QString(), QStringList() },
        { QStringLiteral("DCIM/../../etc"), std::nullopt },
        { QStringLiteral(".."), std::nullopt },
        { QStringLiteral("DCIM/..x"), QStringList { QStringLiteral("DCIM"), QStringLiteral("..x") } },
        { QStringLiteral("DC") + QChar(u'\0') + QStringLiteral("IM"), std::nullopt },
    };
    for (const Row &row : rows)
        EXPECT_EQ(TargetResolver::sanitizedComponents(row.typed), row.pieces) << row.typed.toStdString();

    CardTree tree;
    tree.mkdir(QStringLiteral("DCIM/100CANON"));
    RecordingLogger log;
    const ResolvedTarget clean = TargetResolver::resolve(
        catchAll(Subfolder::custom(QStringLiteral(" /DCIM//./100CANON/ "))), tree.card(), log, kFiles);
    EXPECT_EQ(clean.folder, QUrl::fromLocalFile(tree.path(QStringLiteral("DCIM/100CANON"))));
    EXPECT_EQ(clean.relativePath, QStringLiteral("DCIM/100CANON"));
    EXPECT_FALSE(clean.usedFallbackToRoot);
}

TEST(TargetResolverResolve, FallsBackToTheRootWithANote)
{
    struct Row {
        Subfolder subfolder;
        QString note;
    };
    const Row rows[] = {
        { Subfolder::smart(),
            QStringLiteral("DCIM, AVCHD, or XAVC not found on this card, opened the card instead") },
        { Subfolder::preset(Preset::Avchd),
            QStringLiteral("PRIVATE/AVCHD/BDMV/STREAM not found on this card, opened the card instead") },
        { Subfolder::custom(QStringLiteral("  DCIM/../.. ")),
            QStringLiteral("DCIM/../.. not found on this card, opened the card instead") },
        { Subfolder::custom(QStringLiteral("//")),
            QStringLiteral(" not found on this card, opened the card instead") },
        { Subfolder::custom(QStringLiteral("/DCIM//missing/")),
            QStringLiteral("DCIM/missing not found on this card, opened the card instead") },
    };
    for (const Row &row : rows) {
        CardTree tree;
        tree.mkdir(QStringLiteral("DCIM/100CANON")); // ".." from DCIM/.. would reach the root
        tree.touch(QStringLiteral("IMG_0001.JPG"));
        tree.mkdir(QStringLiteral("PRIVATE"));
        if (row.subfolder == Subfolder::smart())
            QDir(tree.path(QStringLiteral("DCIM"))).removeRecursively();
        RecordingLogger log;
        const ResolvedTarget target = TargetResolver::resolve(
            withFlags(catchAll(row.subfolder), true, true), tree.card(), log, kFiles);
        EXPECT_EQ(target.folder, QUrl::fromLocalFile(tree.root())) << row.note.toStdString();
        EXPECT_TRUE(target.relativePath.isEmpty());
        EXPECT_TRUE(target.usedFallbackToRoot);
        EXPECT_FALSE(target.newestFolderName); // no descent after a fallback
        EXPECT_EQ(target.note, row.note);
        EXPECT_EQ(target.newestFile, QUrl::fromLocalFile(tree.path(QStringLiteral("IMG_0001.JPG"))));
        const QString description
            = row.note.left(row.note.indexOf(QStringLiteral(" not found on this card")));
        EXPECT_EQ(log.lines(),
            QStringList { QStringLiteral("[WARN] TargetResolver: ") + description
                + QStringLiteral(" not found on EOS_DIGITAL, opened the card root instead") });
        EXPECT_EQ(TargetResolver::describe(target), QStringLiteral("EOS_DIGITAL"));
    }
}

TEST(TargetResolverResolve, DescendsIntoTheNewestFolderAndSelectsItsNewestFile)
{
    CardTree tree;
    tree.mkdir(QStringLiteral("DCIM/99CANON"));
    tree.mkdir(QStringLiteral("DCIM/100CANON"));
    tree.touch(QStringLiteral("DCIM/100CANON/IMG_9.JPG"));
    tree.touch(QStringLiteral("DCIM/100CANON/IMG_10.JPG"));
    RecordingLogger log;
    const Rule rule = withFlags(catchAll(Subfolder::preset(Preset::Photos)), true, true);
    const ResolvedTarget target = TargetResolver::resolve(rule, tree.card(), log, kFiles);
    EXPECT_EQ(target.newestFolderName, QStringLiteral("100CANON"));
    EXPECT_EQ(target.relativePath, QStringLiteral("DCIM/100CANON"));
    EXPECT_EQ(TargetResolver::describe(target), QStringLiteral("DCIM/100CANON"));
    EXPECT_EQ(target.newestFile, QUrl::fromLocalFile(tree.path(QStringLiteral("DCIM/100CANON/IMG_10.JPG"))));
    EXPECT_EQ(target.card, tree.card());
    EXPECT_EQ(target.rule, rule);
    EXPECT_FALSE(target.note);

    // No subfolder to descend into: stay, and say nothing about a newest folder.
    CardTree flat;
    flat.mkdir(QStringLiteral("DCIM"));
    const ResolvedTarget stay = TargetResolver::resolve(rule, flat.card(), log, kFiles);
    EXPECT_EQ(stay.relativePath, QStringLiteral("DCIM"));
    EXPECT_EQ(TargetResolver::describe(stay), QStringLiteral("DCIM"));
    EXPECT_FALSE(stay.newestFolderName);
    EXPECT_FALSE(stay.newestFile);
    EXPECT_TRUE(log.lines().isEmpty());
}

TEST(TargetResolverResolve, BaseFoldersThatLeaveTheCardAreMissing)
{
    struct Row {
        const char *what;
        Subfolder subfolder;
        QString link; // below the card
        QString linkTarget; // below the temporary folder
        QString warnedPath; // below the card
    };
    const Row rows[] = {
        { "DCIM links out; smart goes on to AVCHD", Subfolder::smart(), QStringLiteral("DCIM"),
            QStringLiteral("outside"), QStringLiteral("DCIM") },
        { "sibling volume whose name starts with the card's", Subfolder::preset(Preset::Photos),
            QStringLiteral("DCIM"), QStringLiteral("card_2"), QStringLiteral("DCIM") },
        { "a link deep in a custom path", Subfolder::custom(QStringLiteral("a/b/c")), QStringLiteral("a/b"),
            QStringLiteral("outside"), QStringLiteral("a/b/c") },
    };
    for (const Row &row : rows) {
        CardTree tree;
        const QString temp = QFileInfo(tree.root()).path();
        QDir().mkpath(temp + QStringLiteral("/card_2"));
        QDir().mkpath(tree.outside() + QStringLiteral("/c"));
        tree.mkdir(QStringLiteral("PRIVATE/AVCHD/BDMV/STREAM"));
        tree.mkdir(QFileInfo(row.link).path());
        tree.symlink(temp + QLatin1Char('/') + row.linkTarget, row.link);
        RecordingLogger log;
        const ResolvedTarget target
            = TargetResolver::resolve(catchAll(row.subfolder), tree.card(), log, kFiles);
        EXPECT_TRUE(TargetResolver::isContained(target.folder, tree.card().url, kFiles)) << row.what;
        EXPECT_TRUE(log.lines().value(0).endsWith(tree.path(row.warnedPath)
            + QStringLiteral(" escapes EOS_DIGITAL via a symlink; "
                             "treating it as missing")))
            << row.what << ": " << log.lines().join(u'\n').toStdString();
        EXPECT_EQ(target.usedFallbackToRoot, row.subfolder != Subfolder::smart()) << row.what;
    }
}

TEST(TargetResolverResolve, LinksInsideTheCardAndACardReachedThroughALinkAreFine)
{
    CardTree tree;
    tree.mkdir(QStringLiteral("real/100CANON"));
    tree.symlink(QStringLiteral("real"), QStringLiteral("DCIM"));
    const QString viaLink = tree.outside() + QStringLiteral("/mnt");
    ASSERT_EQ(
        ::symlink(QFile::encodeName(tree.root()).constData(), QFile::encodeName(viaLink).constData()), 0);
    MountedCard card = tree.card();
    card.url = QUrl::fromLocalFile(viaLink + QLatin1Char('/'));
    RecordingLogger log;
    const ResolvedTarget target
        = TargetResolver::resolve(withFlags(catchAll(Subfolder::smart()), true, false), card, log, kFiles);
    EXPECT_EQ(target.folder, QUrl::fromLocalFile(viaLink + QStringLiteral("/DCIM/100CANON")));
    EXPECT_EQ(target.relativePath, QStringLiteral("DCIM/100CANON"));
    EXPECT_TRUE(log.lines().isEmpty());
}

TEST(TargetResolverResolve, NewestEntriesThatVanishOrCannotBeReadAreNotCalledEscapes)
{
    // The listing saw entries that are gone by the time they are checked (a folder removed,
    // the card pulled), or that cannot be followed.
    using Status = EntryAttributeSource::Resolution::Status;
    struct Row {
        const char *what;
        std::optional<Status> status; // none: the real file system answers (the entries are gone)
        const char *folderTail;
        const char *fileTail;
    };
    const Row rows[] = {
        { "gone", std::nullopt, "/100CANON is gone from EOS_DIGITAL; staying on ",
            "/IMG_0001.JPG is gone from EOS_DIGITAL; ignoring it" },
        { "unreadable", Status::Unreadable, "/100CANON on EOS_DIGITAL cannot be read; staying on ",
            "/IMG_0001.JPG on EOS_DIGITAL cannot be read; ignoring it" },
    };
    for (const Row &row : rows) {
        CardTree tree;
        tree.mkdir(QStringLiteral("DCIM"));
        const QString dcim = tree.path(QStringLiteral("DCIM"));
        FakeEntryAttributeSource entries;
        entries.setDirectory(QFile::encodeName(dcim),
            { FakeEntryAttributeSource::folder("100CANON", std::nullopt),
                FakeEntryAttributeSource::file("IMG_0001.JPG", std::nullopt) });
        if (row.status) {
            entries.setResolution(QFile::encodeName(dcim + QStringLiteral("/100CANON")), { *row.status, {} });
            entries.setResolution(
                QFile::encodeName(dcim + QStringLiteral("/IMG_0001.JPG")), { *row.status, {} });
        }
        RecordingLogger log;
        const ResolvedTarget target = TargetResolver::resolve(
            withFlags(catchAll(Subfolder::preset(Preset::Photos)), true, true), tree.card(), log, entries);
        EXPECT_EQ(target.relativePath, QStringLiteral("DCIM")) << row.what;
        EXPECT_FALSE(target.newestFile) << row.what;
        EXPECT_EQ(log.lines(),
            (QStringList { QStringLiteral("[WARN] TargetResolver: newest folder ") + dcim
                    + QLatin1String(row.folderTail) + dcim,
                QStringLiteral("[WARN] TargetResolver: newest file ") + dcim + QLatin1String(row.fileTail) }))
            << row.what;
    }

    // A whole card that went away: everything on it is gone, whatever the entry.
    CardTree tree;
    tree.mkdir(QStringLiteral("DCIM/100CANON"));
    const MountedCard card = tree.card();
    EXPECT_EQ(TargetResolver::containment(QUrl::fromLocalFile(tree.path(QStringLiteral("DCIM"))),
                  QUrl::fromLocalFile(tree.root() + QStringLiteral("/pulled")), kFiles),
        TargetResolver::Containment::Missing);
    EXPECT_EQ(
        TargetResolver::containment(QUrl::fromLocalFile(tree.path(QStringLiteral("DCIM"))), card.url, kFiles),
        TargetResolver::Containment::Inside);
    EXPECT_EQ(TargetResolver::containment(QUrl::fromLocalFile(tree.outside()), card.url, kFiles),
        TargetResolver::Containment::Escapes);
}

TEST(TargetResolverResolve, NewestEntriesSwappedForOutsideLinksAreRefused)
{
    // The listing saw real entries; by the time they are checked they have become links out
    // of the card (a swap between listing and use).
    CardTree tree;
    tree.mkdir(QStringLiteral("DCIM"));
    tree.symlink(tree.outside(), QStringLiteral("DCIM/100CANON"));
    QFile(tree.outside() + QStringLiteral("/secret")).open(QIODevice::WriteOnly);
    tree.symlink(tree.outside() + QStringLiteral("/secret"), QStringLiteral("DCIM/IMG_0001.JPG"));
    FakeEntryAttributeSource entries;
    entries.setDirectory(QFile::encodeName(tree.path(QStringLiteral("DCIM"))),
        { FakeEntryAttributeSource::folder("100CANON", std::nullopt),
            FakeEntryAttributeSource::file("IMG_0001.JPG", std::nullopt) });
    RecordingLogger log;
    const ResolvedTarget target = TargetResolver::resolve(
        withFlags(catchAll(Subfolder::preset(Preset::Photos)), true, true), tree.card(), log, entries);
    EXPECT_EQ(target.relativePath, QStringLiteral("DCIM"));
    EXPECT_FALSE(target.newestFolderName);
    EXPECT_FALSE(target.newestFile);
    const QString dcim = tree.path(QStringLiteral("DCIM"));
    EXPECT_EQ(log.lines(),
        (QStringList { QStringLiteral("[WARN] TargetResolver: newest folder ") + dcim
                + QStringLiteral("/100CANON escapes EOS_DIGITAL via a symlink; staying on ") + dcim,
            QStringLiteral("[WARN] TargetResolver: newest file ") + dcim
                + QStringLiteral("/IMG_0001.JPG escapes EOS_DIGITAL via a symlink; ignoring it") }));
}

TEST(TargetResolverResolve, HostileTreesDegradeQuietly)
{
    CardTree tree;
    tree.symlink(QStringLiteral("DCIM"), QStringLiteral("DCIM")); // a loop
    ASSERT_EQ(::mkfifo(QFile::encodeName(tree.path(QStringLiteral("PRIVATE"))).constData(), 0644), 0);
    tree.mkdir(QStringLiteral("x/a\"b'\nc\td"));
    RecordingLogger log;
    const ResolvedTarget smart
        = TargetResolver::resolve(catchAll(Subfolder::smart()), tree.card(), log, kFiles);
    EXPECT_TRUE(smart.usedFallbackToRoot);

    const ResolvedTarget odd = TargetResolver::resolve(
        withFlags(catchAll(Subfolder::custom(QStringLiteral("x"))), true, false), tree.card(), log, kFiles);
    EXPECT_EQ(odd.newestFolderName, QStringLiteral("a\"b'\nc\td"));
    EXPECT_TRUE(QFileInfo(odd.folder.toLocalFile()).isDir());

    // A newline in a name cannot forge a log line.
    MountedCard card = tree.card(QStringLiteral("EOS\n2026-01-01 00:00:00.000 [INFO] forged"));
    log.clear();
    TargetResolver::resolve(catchAll(Subfolder::preset(Preset::Photos)), card, log, kFiles);
    ASSERT_EQ(log.lines().size(), 1);
    EXPECT_FALSE(log.lines().first().contains(u'\n'));
    EXPECT_TRUE(log.lines().first().contains(QStringLiteral("EOS\\n2026")));
}

TEST(TargetResolverPaths, ContainmentAndRelativePaths)
{
    CardTree tree;
    tree.mkdir(QStringLiteral("DCIM"));
    const QString temp = QFileInfo(tree.root()).path();
    QDir().mkpath(temp + QStringLiteral("/card_2"));
    const QUrl root = tree.card().url;
    const auto url = [](const QString &path) { return QUrl::fromLocalFile(path); };
    EXPECT_TRUE(TargetResolver::isContained(url(tree.root()), root, kFiles));
    EXPECT_TRUE(TargetResolver::isContained(url(tree.root() + QStringLiteral("/DCIM/")), root, kFiles));
    EXPECT_TRUE(TargetResolver::isContained(url(tree.root() + QStringLiteral("/DCIM/..")), root, kFiles));
    EXPECT_FALSE(TargetResolver::isContained(url(tree.root() + QStringLiteral("/..")), root, kFiles));
    EXPECT_FALSE(TargetResolver::isContained(url(temp + QStringLiteral("/card_2")), root, kFiles));
    EXPECT_FALSE(TargetResolver::isContained(url(tree.root() + QStringLiteral("/missing")), root, kFiles));
    EXPECT_FALSE(TargetResolver::isContained(url(tree.root()), QUrl(), kFiles));

    struct Row {
        QString folder;
        QString root;
        QString expected;
    };
    const Row rows[] = {
        { QStringLiteral("/media/u/EOS"), QStringLiteral("/media/u/EOS/"), QString() },
        { QStringLiteral("/media/u/EOS/DCIM/./100"), QStringLiteral("/media/u/EOS"),
            QStringLiteral("DCIM/100") },
        { QStringLiteral("/DCIM"), QStringLiteral("/"), QStringLiteral("DCIM") },
    };
    for (const Row &row : rows)
        EXPECT_EQ(TargetResolver::relativePath(url(row.folder), url(row.root)), row.expected);
}

} // namespace

namespace {

TEST(TargetResolverResolve, IsReentrant)
{
    CardTree tree;
    tree.mkdir(QStringLiteral("DCIM/100CANON"));
    tree.mkdir(QStringLiteral("DCIM/99CANON"));
    for (int i = 0; i < 20; ++i)
        tree.touch(QStringLiteral("DCIM/100CANON/IMG_%1.JPG").arg(i));
    const Rule rule = withFlags(catchAll(Subfolder::smart()), true, true);
    RecordingLogger log;
    std::vector<std::thread> threads;
    std::atomic<int> wrong { 0 };
    for (int t = 0; t < 4; ++t) {
        threads.emplace_back([&] {
            for (int i = 0; i < 20; ++i) {
                const ResolvedTarget target = TargetResolver::resolve(rule, tree.card(), log, kFiles);
                if (target.relativePath != QStringLiteral("DCIM/100CANON")
                    || target.newestFile
                        != QUrl::fromLocalFile(tree.path(QStringLiteral("DCIM/100CANON/IMG_19.JPG"))))
                    ++wrong;
            }
        });
    }
    for (std::thread &thread : threads)
        thread.join();
    EXPECT_EQ(wrong.load(), 0);
}

} // namespace
