// Runs the built mirvalectl on rules files and card trees and checks what it prints.
#include "rules/RulesFormat.h"

#include "common/QtPrinters.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QUrl>

#include <gtest/gtest.h>

namespace {

struct Result {
    int exitCode = -1;
    QString out;
    QString err;
};

class MirvaleCtlTest : public ::testing::Test {
protected:
    static QString binary()
    {
        return qEnvironmentVariable("MIRVALE_BUILD_DIR") + QStringLiteral("/src/mirvalectl");
    }

    Result run(const QStringList &arguments)
    {
        QProcess process;
        process.start(binary(), arguments);
        EXPECT_TRUE(process.waitForFinished(30000)) << "mirvalectl did not finish";
        return { process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError()) };
    }

    QString writeFile(const QString &name, const QByteArray &content)
    {
        const QString path = m_dir.path() + QLatin1Char('/') + name;
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
        return path;
    }

    QString writeRules(const RuleList &rules)
    {
        return writeFile(QStringLiteral("rules.json"), RulesFormat::encodeRules(rules));
    }

    QString makeCard(const QString &name, const QStringList &folders)
    {
        const QString root = m_dir.path() + QLatin1Char('/') + name;
        QDir().mkpath(root);
        for (const QString &folder : folders)
            QDir().mkpath(root + QLatin1Char('/') + folder);
        return root;
    }

    static QJsonObject json(const Result &result)
    {
        QJsonParseError error;
        const QJsonDocument document = QJsonDocument::fromJson(result.out.toUtf8(), &error);
        EXPECT_EQ(error.error, QJsonParseError::NoError) << result.out.toStdString();
        return document.object();
    }

    static Rule namedRule(const QString &ruleName, const QString &volume, const Subfolder &subfolder)
    {
        Rule rule = Rule::makeNew();
        rule.name = ruleName;
        rule.match = VolumeMatch::volumeName(volume);
        rule.subfolder = subfolder;
        rule.openNewestFolder = false;
        return rule;
    }

    QTemporaryDir m_dir;
};

TEST_F(MirvaleCtlTest, ValidatePrintsFindingsInOrderAndExitsByErrors)
{
    Rule empty = namedRule(QString(), QString(), Subfolder::custom(QStringLiteral("../up")));
    Rule first = Rule::makeDefaultCatchAll();
    Rule second = Rule::makeDefaultCatchAll();
    second.name = QStringLiteral("Second");
    Result result = run({ QStringLiteral("validate"), writeRules({ empty, first, second }) });
    EXPECT_EQ(result.exitCode, 1) << result.err.toStdString();
    const QStringList lines = result.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_GE(lines.size(), 4) << result.out.toStdString();
    EXPECT_EQ(lines[0], QStringLiteral("error: Untitled rule: rule name cannot be empty."));
    EXPECT_EQ(lines[1], QStringLiteral("error: Untitled rule: card name cannot be empty."));
    EXPECT_EQ(lines[2], QStringLiteral("error: Untitled rule: custom folder path cannot contain \"..\"."));
    for (int i = 3; i < lines.size(); ++i)
        EXPECT_TRUE(lines[i].startsWith(QStringLiteral("warning: "))) << lines[i].toStdString();

    // Warnings alone still pass.
    result = run({ QStringLiteral("validate"), writeRules({ first, second }) });
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_TRUE(result.out.startsWith(QStringLiteral("warning: ")));
    result = run({ QStringLiteral("validate"), writeRules({ first }) });
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_TRUE(result.out.isEmpty());
}

TEST_F(MirvaleCtlTest, UnreadableOrUndecodableFilesExitTwo)
{
    struct Row {
        QStringList arguments;
        QString errorPart;
    };
    const QString bad
        = writeFile(QStringLiteral("bad.json"), QByteArray("[{\"match\": {\"kind\": \"AnyCard\"}}]"));
    const QString card = makeCard(QStringLiteral("CARD"), {});
    const Row rows[] = {
        { { QStringLiteral("validate"), m_dir.path() + QStringLiteral("/missing.json") }, QString() },
        { { QStringLiteral("validate"), bad }, QStringLiteral("Unknown VolumeMatch kind \"AnyCard\"") },
        { { QStringLiteral("resolve"), QStringLiteral("--rules"), bad, card },
            QStringLiteral("Unknown VolumeMatch kind") },
        { { QStringLiteral("resolve"), QStringLiteral("--rules"), writeRules({}),
              m_dir.path() + QStringLiteral("/nope") },
            QStringLiteral("is not a directory") },
    };
    for (const Row &row : rows) {
        const Result result = run(row.arguments);
        EXPECT_EQ(result.exitCode, 2) << row.arguments.join(QLatin1Char(' ')).toStdString();
        EXPECT_TRUE(result.err.startsWith(QStringLiteral("mirvalectl: "))) << result.err.toStdString();
        EXPECT_TRUE(result.err.contains(row.errorPart)) << result.err.toStdString();
        EXPECT_TRUE(result.out.isEmpty());
    }
}

TEST_F(MirvaleCtlTest, UsageErrorsAndHelp)
{
    for (const QStringList &arguments : { QStringList {}, QStringList { QStringLiteral("frobnicate") },
             QStringList { QStringLiteral("validate"), QStringLiteral("--bogus") },
             QStringList { QStringLiteral("resolve"), QStringLiteral("--rules") },
             QStringList { QStringLiteral("resolve"), QStringLiteral("--what"), QStringLiteral("x") } }) {
        const Result result = run(arguments);
        EXPECT_EQ(result.exitCode, 2) << arguments.join(QLatin1Char(' ')).toStdString();
        EXPECT_TRUE(result.err.contains(QStringLiteral("usage: mirvalectl"))) << result.err.toStdString();
    }
    for (const QStringList &arguments : { QStringList { QStringLiteral("--help") },
             QStringList { QStringLiteral("validate"), QStringLiteral("--help") },
             QStringList { QStringLiteral("resolve"), QStringLiteral("--help") } }) {
        const Result result = run(arguments);
        EXPECT_EQ(result.exitCode, 0);
        EXPECT_TRUE(result.out.startsWith(QStringLiteral("usage: mirvalectl")));
    }
}

TEST_F(MirvaleCtlTest, MessagesNameWhatIsWrong)
{
    struct Row {
        const char *what;
        QStringList arguments;
        int exitCode;
        QString errorPart;
    };
    const QString ok = writeRules({});
    const QString card = makeCard(QStringLiteral("CARD"), {});
    const QString longName = m_dir.path() + QLatin1Char('/') + QString(5000, QLatin1Char('a'));
    const Row rows[] = {
        { "trailing slash", { QStringLiteral("validate"), ok + QLatin1Char('/') }, 2,
            QStringLiteral("The file \"rules.json/\" could not be read: Not a directory.") },
        { "over-long path", { QStringLiteral("validate"), longName }, 2,
            QStringLiteral("File name too long") },
        { "empty path", { QStringLiteral("validate"), QString() }, 2,
            QStringLiteral("validate needs a FILE") },
        { "unknown short option after the card",
            { QStringLiteral("resolve"), QStringLiteral("--rules"), ok, card, QStringLiteral("-v") }, 2,
            QStringLiteral("mirvalectl: unknown option -v\n") },
        { "unknown option before the card",
            { QStringLiteral("resolve"), QStringLiteral("-x"), QStringLiteral("--rules"), ok, card }, 2,
            QStringLiteral("mirvalectl: unknown option -x\n") },
    };
    for (const Row &row : rows) {
        const Result result = run(row.arguments);
        EXPECT_EQ(result.exitCode, row.exitCode) << row.what;
        EXPECT_TRUE(result.err.contains(row.errorPart)) << row.what << ": " << result.err.toStdString();
        EXPECT_FALSE(result.err.contains(QStringLiteral("\"\"")))
            << row.what << ": " << result.err.toStdString();
    }

    // After "--", a card folder may begin with "-".
    const QString dashed = makeCard(QStringLiteral("-CARD"), { QStringLiteral("DCIM") });
    const Result result = run({ QStringLiteral("resolve"), QStringLiteral("--rules"),
        writeRules({ Rule::makeDefaultCatchAll() }), QStringLiteral("--"), dashed });
    EXPECT_EQ(result.exitCode, 0) << result.err.toStdString();
}

TEST_F(MirvaleCtlTest, ACardFolderNameThatIsNotUtf8IsSaidToBeSo)
{
    // QProcess would encode the argument as UTF-8, so the shell passes the raw bytes.
    const QString rules = writeRules({ Rule::makeDefaultCatchAll() });
    QProcess process;
    process.setWorkingDirectory(m_dir.path());
    process.start(QStringLiteral("/bin/sh"),
        { QStringLiteral("-c"),
            // Removed here too: Qt could not name it to remove it.
            QStringLiteral("name=$(printf 'caf\\351') && mkdir \"$name\" || exit 99; "
                           "\"$0\" resolve --rules \"$1\" \"$name\"; status=$?; "
                           "rmdir \"$name\"; exit $status"),
            binary(), rules });
    ASSERT_TRUE(process.waitForFinished(30000));
    const QString err = QString::fromUtf8(process.readAllStandardError());
    EXPECT_EQ(process.exitCode(), 2) << err.toStdString();
    EXPECT_EQ(err,
        QStringLiteral(
            "mirvalectl: the argument \"caf\\xE9\" is not UTF-8; Mirvale reads only names in UTF-8\n"));
}

TEST_F(MirvaleCtlTest, ControlCharactersInFilesCannotForgeAFinding)
{
    // A match kind, then a rule name, each trying to print a line of its own.
    const QString badKind
        = writeFile(QStringLiteral("kind.json"), QByteArray(R"([{"match": {"kind": "x\nerror: forged"}}])"));
    Result result = run({ QStringLiteral("validate"), badKind });
    EXPECT_EQ(result.exitCode, 2);
    EXPECT_EQ(result.err.count(QLatin1Char('\n')), 1) << result.err.toStdString();
    EXPECT_TRUE(result.err.contains(QStringLiteral("Unknown VolumeMatch kind \"x\\nerror: forged\"")))
        << result.err.toStdString();

    Rule first = Rule::makeDefaultCatchAll();
    Rule second = Rule::makeDefaultCatchAll();
    second.name = QStringLiteral("x\rerror: forged\u2028\u202E");
    result = run({ QStringLiteral("validate"), writeRules({ first, second }) });
    EXPECT_EQ(result.exitCode, 0);
    const QStringList lines = result.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 2) << result.out.toStdString();
    EXPECT_EQ(lines[0],
        QStringLiteral("warning: \"x\\rerror: forged\\u2028\\u202E\" matches the same card and folder as "
                       "\"Any camera card\"."));
}

TEST_F(MirvaleCtlTest, ResolveChoosesTheRuleAndDescribesTheTarget)
{
    Rule nikon
        = namedRule(QStringLiteral("Nikon"), QStringLiteral("NIKON"), Subfolder::preset(Preset::Photos));
    Rule any = Rule::makeDefaultCatchAll();
    const QString rules = writeRules({ nikon, any });
    const QString card = makeCard(
        QStringLiteral("EOS_DIGITAL"), { QStringLiteral("DCIM/100CANON"), QStringLiteral("DCIM/101CANON") });

    Result result = run({ QStringLiteral("resolve"), QStringLiteral("--rules"), rules, card });
    ASSERT_EQ(result.exitCode, 0) << result.err.toStdString();
    QJsonObject object = json(result);
    EXPECT_EQ(object.keys().size(), 9);
    EXPECT_EQ(object[QStringLiteral("rule")].toString(), QStringLiteral("Any camera card"));
    EXPECT_EQ(object[QStringLiteral("ruleId")].toString(), any.idString());
    EXPECT_EQ(object[QStringLiteral("relativePath")].toString(), QStringLiteral("DCIM/101CANON"));
    EXPECT_EQ(object[QStringLiteral("folder")].toString(), card + QStringLiteral("/DCIM/101CANON"));
    EXPECT_EQ(object[QStringLiteral("newestFolderName")].toString(), QStringLiteral("101CANON"));
    EXPECT_FALSE(object[QStringLiteral("usedFallbackToRoot")].toBool());
    EXPECT_TRUE(object[QStringLiteral("newestFile")].isNull());
    EXPECT_TRUE(object[QStringLiteral("note")].isNull());
    EXPECT_FALSE(object.contains(QStringLiteral("script")));
    const QJsonObject call = object[QStringLiteral("call")].toObject();
    EXPECT_EQ(call[QStringLiteral("method")].toString(), QStringLiteral("ShowFolders"));
    EXPECT_EQ(call[QStringLiteral("uris")].toArray().first().toString(),
        QUrl::fromLocalFile(card + QStringLiteral("/DCIM/101CANON")).toString());

    // --name decides which named rule matches, whatever the folder is called.
    result = run({ QStringLiteral("resolve"), QStringLiteral("--rules"), rules, QStringLiteral("--name"),
        QStringLiteral("NIKON"), card });
    ASSERT_EQ(result.exitCode, 0);
    object = json(result);
    EXPECT_EQ(object[QStringLiteral("rule")].toString(), QStringLiteral("Nikon"));
    EXPECT_EQ(object[QStringLiteral("relativePath")].toString(), QStringLiteral("DCIM"));
}

TEST_F(MirvaleCtlTest, ResolveWithoutAMatchingRuleExitsThree)
{
    const QString rules
        = writeRules({ namedRule(QStringLiteral("Nikon"), QStringLiteral("NIKON"), Subfolder::smart()) });
    const Result result = run({ QStringLiteral("resolve"), QStringLiteral("--rules"), rules,
        makeCard(QStringLiteral("EOS_DIGITAL"), { QStringLiteral("DCIM") }) });
    EXPECT_EQ(result.exitCode, 3);
    const QJsonObject object = json(result);
    for (const char *key : { "rule", "ruleId", "call", "newestFolderName", "newestFile", "note" })
        EXPECT_TRUE(object[QLatin1String(key)].isNull()) << key;
}

TEST_F(MirvaleCtlTest, ResolveRefusesACustomPathLeavingTheCard)
{
    const QString card = makeCard(QStringLiteral("CARD"), { QStringLiteral("DCIM") });
    makeCard(QStringLiteral("outside"), {});
    const QString rules = writeRules({ namedRule(
        QStringLiteral("Escape"), QStringLiteral("CARD"), Subfolder::custom(QStringLiteral("../outside"))) });
    const Result result = run({ QStringLiteral("resolve"), QStringLiteral("--rules"), rules, card });
    ASSERT_EQ(result.exitCode, 0) << result.err.toStdString();
    const QJsonObject object = json(result);
    EXPECT_EQ(object[QStringLiteral("folder")].toString(), card);
    EXPECT_EQ(object[QStringLiteral("relativePath")].toString(), QString());
    EXPECT_TRUE(object[QStringLiteral("usedFallbackToRoot")].toBool());
    EXPECT_FALSE(object[QStringLiteral("note")].toString().isEmpty());
    // The resolver's diagnostics arrive on standard error in the log's line format.
    EXPECT_TRUE(
        QRegularExpression(QStringLiteral(R"(^\d{4}-\d\d-\d\d \d\d:\d\d:\d\d\.\d{3} \[(INFO|WARN|ERROR)\] )"))
            .match(result.err)
            .hasMatch())
        << result.err.toStdString();
}

TEST_F(MirvaleCtlTest, TheCallCarriesQuotesBackslashesAndNewlinesEncoded)
{
    const QString name = QStringLiteral("Card \"A\\B\"\nX");
    const QString card = makeCard(name, { QStringLiteral("DCIM") });
    Rule rule = Rule::makeDefaultCatchAll();
    rule.openNewestFolder = false;
    const Result result
        = run({ QStringLiteral("resolve"), QStringLiteral("--rules"), writeRules({ rule }), card });
    ASSERT_EQ(result.exitCode, 0) << result.err.toStdString();
    const QJsonObject object = json(result);
    EXPECT_EQ(object[QStringLiteral("folder")].toString(), card + QStringLiteral("/DCIM"));
    const QString uri = object[QStringLiteral("call")][QStringLiteral("uris")][0].toString();
    EXPECT_TRUE(uri.endsWith(QStringLiteral("/Card%20%22A%5CB%22%0AX/DCIM"))) << uri.toStdString();
}

} // namespace
