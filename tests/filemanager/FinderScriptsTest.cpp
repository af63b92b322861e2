#include "filemanager/FinderScripts.h"

#include <QStringList>

#include <gtest/gtest.h>

#include <limits>

namespace {

QString lines(const QStringList &list)
{
    return list.join(QLatin1Char('\n'));
}

/// The open script's body lines before the wrapper indents them.
QStringList searchLines(const QString &path, const QString &url, const QString &base)
{
    return {
        QStringLiteral("set theFolder to POSIX file \"%1\" as alias").arg(path),
        QStringLiteral("set wantURL to \"%1\"").arg(url),
        QStringLiteral("set wantPath to \"%1\"").arg(base),
        QStringLiteral("set wantPathSlash to \"%1/\"").arg(base),
        QStringLiteral("set w to missing value"),
        QStringLiteral("repeat with i from 1 to (count of Finder windows)"),
        QStringLiteral("    try"),
        QStringLiteral("        set t to target of Finder window i"),
        QStringLiteral("        if (URL of t) is wantURL then"),
        QStringLiteral("            set w to Finder window i"),
        QStringLiteral("            exit repeat"),
        QStringLiteral("        end if"),
        QStringLiteral("        set p to POSIX path of (t as alias)"),
        QStringLiteral("        if p is wantPath or p is wantPathSlash then"),
        QStringLiteral("            set w to Finder window i"),
        QStringLiteral("            exit repeat"),
        QStringLiteral("        end if"),
        QStringLiteral("    end try"),
        QStringLiteral("end repeat"),
        QStringLiteral("if w is missing value then set w to make new Finder window to theFolder"),
    };
}

QStringList bodyLines(const QString &script)
{
    QStringList all = script.split(QLatin1Char('\n'));
    EXPECT_EQ(all.first(), QStringLiteral("tell application \"Finder\""));
    EXPECT_EQ(all.at(1), QStringLiteral("    with timeout of 7 seconds"));
    EXPECT_EQ(all.at(all.size() - 2), QStringLiteral("    end timeout"));
    EXPECT_EQ(all.last(), QStringLiteral("end tell"));
    QStringList body = all.mid(2, all.size() - 4);
    for (QString &line : body) {
        EXPECT_TRUE(line.startsWith(QStringLiteral("        "))) << line.toStdString();
        line.remove(0, 8);
    }
    return body;
}

TEST(FinderScripts, EscapesTheFiveCharactersInOrder)
{
    struct Row {
        QString input;
        QString expected;
    };
    const Row rows[] = {
        { QStringLiteral("plain/Ä ü"), QStringLiteral("plain/Ä ü") },
        { QStringLiteral("a\"b"), QStringLiteral("a\\\"b") },
        { QStringLiteral("a\\b"), QStringLiteral("a\\\\b") },
        { QStringLiteral("a\\\"b"), QStringLiteral("a\\\\\\\"b") }, // backslash then quote: three backslashes
        { QStringLiteral("a\nb\rc\td"), QStringLiteral("a\\nb\\rc\\td") },
        { QStringLiteral("a\\n"), QStringLiteral("a\\\\n") },
    };
    for (const Row &row : rows)
        EXPECT_EQ(FinderScripts::escapeLiteral(row.input), row.expected) << row.input.toStdString();
}

TEST(FinderScripts, WrapsWithAndWithoutTimeLimit)
{
    EXPECT_EQ(FinderScripts::permissionCheckScript(),
        QStringLiteral("tell application \"Finder\"\n    return count of Finder windows\nend tell"));
    EXPECT_EQ(FinderScripts::frontWindowBoundsScript(),
        QStringLiteral("tell application \"Finder\"\n    with timeout of 7 seconds\n"
                       "        return bounds of front Finder window\n    end timeout\nend tell"));
    EXPECT_EQ(FinderScripts::activateScript(),
        QStringLiteral("tell application \"Finder\"\n    with timeout of 7 seconds\n        activate\n"
                       "    end timeout\nend tell"));
    // A trailing line feed leaves one empty, still indented, last piece.
    EXPECT_EQ(FinderScripts::wrapInFinderTell(QStringLiteral("a\n"), std::nullopt),
        QStringLiteral("tell application \"Finder\"\n    a\n    \nend tell"));
}

TEST(FinderScripts, OpenScriptLineCountsFollowPlacementAndFile)
{
    const QUrl folder = QUrl::fromLocalFile(QStringLiteral("/Volumes/CARD/DCIM"));
    const QUrl file = QUrl::fromLocalFile(QStringLiteral("/Volumes/CARD/DCIM/100CANON/IMG_0001.JPG"));
    const Placement placement { 10, 20, 800, 600 };
    EXPECT_EQ(bodyLines(FinderScripts::openScript(folder, std::nullopt, std::nullopt)).size(), 22);
    EXPECT_EQ(bodyLines(FinderScripts::openScript(folder, placement, std::nullopt)).size(), 23);
    EXPECT_EQ(bodyLines(FinderScripts::openScript(folder, std::nullopt, file)).size(), 27);
    EXPECT_EQ(bodyLines(FinderScripts::openScript(folder, placement, file)).size(), 29);
}

TEST(FinderScripts, OpenScriptWithPlacementAndFileIsByteExact)
{
    const QString script = FinderScripts::openScript(
        QUrl::fromLocalFile(QStringLiteral("/Volumes/CARD/DCIM/./100CANON/../100CANON/")),
        Placement { -10, 25, 800, 600 },
        QUrl::fromLocalFile(QStringLiteral("/Volumes/CARD/DCIM/100CANON/IMG_0001.JPG")));
    QStringList expected = searchLines(QStringLiteral("/Volumes/CARD/DCIM/100CANON"),
        QStringLiteral("file:///Volumes/CARD/DCIM/100CANON/"), QStringLiteral("/Volumes/CARD/DCIM/100CANON"));
    expected << QStringLiteral("set bounds of w to {-10, 25, 790, 625}")
             << QStringLiteral("set index of w to 1") << QStringLiteral("try")
             << QStringLiteral(
                    "    reveal (POSIX file \"/Volumes/CARD/DCIM/100CANON/IMG_0001.JPG\" as alias)")
             << QStringLiteral("    set w to front Finder window") << QStringLiteral("end try")
             << QStringLiteral("set bounds of w to {-10, 25, 790, 625}")
             << QStringLiteral("set index of w to 1") << QStringLiteral("return id of w");
    EXPECT_EQ(script, FinderScripts::wrapInFinderTell(lines(expected), 7));
    EXPECT_FALSE(script.contains(QStringLiteral(" \n")));
}

TEST(FinderScripts, BoundsNeverOverflow)
{
    constexpr qint64 kMax = std::numeric_limits<qint64>::max();
    const QString script = FinderScripts::openScript(QUrl::fromLocalFile(QStringLiteral("/Volumes/CARD")),
        Placement { kMax - 10, -kMax, kMax, 100 }, std::nullopt);
    EXPECT_TRUE(script.contains(QStringLiteral("set bounds of w to {20000, -20000, 40000, -19800}")))
        << script.toStdString();
}

TEST(FinderScripts, OpenScriptRootsAndHostileNames)
{
    struct Row {
        QString folder;
        QString path;
        QString url;
        QString base;
    };
    const Row rows[] = {
        { QStringLiteral("/Volumes/CARD"), QStringLiteral("/Volumes/CARD"),
            QStringLiteral("file:///Volumes/CARD/"), QStringLiteral("/Volumes/CARD") },
        { QStringLiteral("/Volumes/CARD/"), QStringLiteral("/Volumes/CARD"),
            QStringLiteral("file:///Volumes/CARD/"), QStringLiteral("/Volumes/CARD") },
        { QStringLiteral("/"), QStringLiteral("/"), QStringLiteral("file:///"), QString() },
        { QStringLiteral("/media/u/My \"Card\"\\x"), QStringLiteral("/media/u/My \\\"Card\\\"\\\\x"),
            QStringLiteral("file:///media/u/My%20%22Card%22%5Cx/"),
            QStringLiteral("/media/u/My \\\"Card\\\"\\\\x") },
        { QStringLiteral("/media/u/a\nb\rc\td"), QStringLiteral("/media/u/a\\nb\\rc\\td"),
            QStringLiteral("file:///media/u/a%0Ab%0Dc%09d/"), QStringLiteral("/media/u/a\\nb\\rc\\td") },
        { QStringLiteral("/media/u/Ü 100%#1"), QStringLiteral("/media/u/Ü 100%#1"),
            QStringLiteral("file:///media/u/%C3%9C%20100%25%231/"), QStringLiteral("/media/u/Ü 100%#1") },
    };
    for (const Row &row : rows) {
        const QString script
            = FinderScripts::openScript(QUrl::fromLocalFile(row.folder), std::nullopt, std::nullopt);
        QStringList expected = searchLines(row.path, row.url, row.base);
        expected << QStringLiteral("set index of w to 1") << QStringLiteral("return id of w");
        EXPECT_EQ(script, FinderScripts::wrapInFinderTell(lines(expected), 7)) << row.folder.toStdString();
        // Nothing from the name may break out of its literal onto a line of its own.
        EXPECT_EQ(script.count(QLatin1Char('\n')), 25) << row.folder.toStdString();
    }
}

TEST(FinderScripts, SelectedFileIsEscaped)
{
    const QString script = FinderScripts::openScript(QUrl::fromLocalFile(QStringLiteral("/Volumes/CARD")),
        std::nullopt, QUrl::fromLocalFile(QStringLiteral("/Volumes/CARD/x\"\n.jpg")));
    EXPECT_TRUE(script.contains(
        QStringLiteral("        reveal (POSIX file \"/Volumes/CARD/x\\\"\\n.jpg\" as alias)\n")));
}

TEST(FinderScripts, Clamp)
{
    const ScreenSnapshot one { { QRectF(0, 25, 1440, 875) }, QRectF(0, 25, 1440, 875) };
    const ScreenSnapshot two { { QRectF(0, 0, 1920, 1080), QRectF(1920, -200, 1280, 1024) },
        QRectF(0, 0, 1920, 1080) };
    struct Row {
        const char *name;
        Placement in;
        ScreenSnapshot screens;
        Placement out;
    };
    const Row rows[] = {
        { "no screens: unchanged", { 10, 10, 300, 400 }, {}, { 10, 10, 300, 400 } },
        { "no screens: into the valid ranges", { -30000, 10, 150, 1LL << 62 }, {},
            { -20000, 10, 200, 20000 } },
        { "huge values first into the valid ranges",
            { std::numeric_limits<qint64>::max(), std::numeric_limits<qint64>::min(),
                std::numeric_limits<qint64>::max(), std::numeric_limits<qint64>::max() },
            one, { 20, 45, 1400, 835 } },
        { "huge size on screen held at the limit", { 100, 100, 1LL << 62, 300 }, one,
            { 100, 100, 20000, 300 } },
        { "small widened", { 10, 30, 150, 100 }, one, { 10, 30, 200, 200 } },
        { "on screen kept", { 100, 100, 800, 600 }, one, { 100, 100, 800, 600 } },
        { "partly off kept", { -700, 800, 800, 600 }, one, { -700, 800, 800, 600 } },
        { "on the second screen", { 2000, -150, 500, 400 }, two, { 2000, -150, 500, 400 } },
        { "far off moved and limited", { -5000, -5000, 2000, 1000 }, one, { 20, 45, 1400, 835 } },
        { "touching an edge is off", { 1440, 100, 300, 300 }, one, { 20, 45, 300, 300 } },
        { "tiny main screen", { -5000, 0, 300, 300 },
            { { QRectF(0.9, 0.9, 30.5, 30.5) }, QRectF(0.9, 0.9, 30.5, 30.5) }, { 20, 20, 1, 1 } },
    };
    for (const Row &row : rows)
        EXPECT_EQ(FinderScripts::clamp(row.in, row.screens), row.out) << row.name;
}

} // namespace
