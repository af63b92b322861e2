#include "platform/linux/FileManagerScript.h"

#include "filemanager/FinderScripts.h"

#include <gtest/gtest.h>

namespace {

TEST(FileManagerScript, RecognizesEveryOpenScriptItCanBeHanded)
{
    struct Row {
        QString folder;
        std::optional<QString> file;
        std::optional<Placement> placement;
    };
    const Row rows[] = {
        { QStringLiteral("/"), std::nullopt, std::nullopt },
        { QStringLiteral("/Volumes/CARD"), std::nullopt, Placement { -20, 30, 800, 600 } },
        { QStringLiteral("/media/u/CARD/DCIM"), QStringLiteral("/media/u/CARD/DCIM/IMG_1.JPG"),
            std::nullopt },
        { QStringLiteral("/media/u/a\"b\\c\nd\re\tf"), QStringLiteral("/media/u/a\"b\\c\nd\re\tf/x\\\".jpg"),
            Placement { 0, 0, 200, 200 } },
        { QStringLiteral("/media/u/end with backslash\\"), std::nullopt, std::nullopt },
        { QStringLiteral("/media/u/Ü 100%#1"), std::nullopt, std::nullopt },
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.folder.toStdString());
        const std::optional<QUrl> file
            = row.file ? std::optional<QUrl>(QUrl::fromLocalFile(*row.file)) : std::nullopt;
        const std::optional<FileManagerScript> script = FileManagerScript::recognize(
            FinderScripts::openScript(QUrl::fromLocalFile(row.folder), row.placement, file));
        ASSERT_TRUE(script);
        EXPECT_EQ(script->kind, FileManagerScript::Kind::Open);
        EXPECT_EQ(script->folderPath, row.folder);
        EXPECT_EQ(script->selectFile, row.file);
        EXPECT_EQ(script->placement, row.placement);
    }
}

TEST(FileManagerScript, RecognizesTheSmallScripts)
{
    EXPECT_EQ(FileManagerScript::recognize(FinderScripts::permissionCheckScript())->kind,
        FileManagerScript::Kind::PermissionCheck);
    EXPECT_EQ(FileManagerScript::recognize(FinderScripts::frontWindowBoundsScript())->kind,
        FileManagerScript::Kind::FrontWindowBounds);
    EXPECT_EQ(FileManagerScript::recognize(FinderScripts::activateScript())->kind,
        FileManagerScript::Kind::Activate);
}

TEST(FileManagerScript, RefusesAnythingElse)
{
    const QString open = FinderScripts::openScript(
        QUrl::fromLocalFile(QStringLiteral("/Volumes/CARD")), std::nullopt, std::nullopt);
    QString injected = open;
    injected.replace(QStringLiteral("        return id of w"),
        QStringLiteral("        do shell script \"rm -rf ~\"\n        return id of w"));
    QString bareQuote = open;
    bareQuote.replace(
        QStringLiteral("POSIX file \"/Volumes/CARD\""), QStringLiteral("POSIX file \"/Volumes/\"CARD\""));
    QString unclean = open;
    unclean.replace(
        QStringLiteral("POSIX file \"/Volumes/CARD\""), QStringLiteral("POSIX file \"/Volumes/x/../CARD\""));
    const QString rows[] = {
        QString(),
        QStringLiteral("tell application \"Finder\"\n    delete every item of home\nend tell"),
        FinderScripts::wrapInFinderTell(QStringLiteral("return count of Finder windows"), 7),
        injected,
        bareQuote,
        unclean,
        open + QLatin1Char('\n'),
        open.left(open.size() - 1),
    };
    for (const QString &source : rows) {
        QString why;
        EXPECT_FALSE(FileManagerScript::recognize(source, &why)) << source.toStdString();
        EXPECT_FALSE(why.isEmpty());
    }
}

TEST(FileManagerScript, UnescapeRejectsMalformedLiterals)
{
    EXPECT_EQ(FileManagerScript::unescapeLiteral(QStringLiteral("a\\\\\\\"b\\n\\r\\t")),
        QStringLiteral("a\\\"b\n\r\t"));
    for (const char *bad : { "trailing\\", "bare\"quote", "unknown\\x" })
        EXPECT_FALSE(FileManagerScript::unescapeLiteral(QLatin1String(bad))) << bad;
}

} // namespace
