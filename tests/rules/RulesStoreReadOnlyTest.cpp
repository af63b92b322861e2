#include "common/RecordingLogger.h"
#include "platform/linux/PosixFileAccess.h"
#include "rules/RulesFormat.h"
#include "rules/RulesStore.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class RulesStoreReadOnlyTest : public ::testing::Test {
protected:
    QString config() const { return m_temp.path() + QStringLiteral("/config"); }
    QString folder() const { return config() + QStringLiteral("/Mirvale"); }

    void put(const QString &dir, const QString &name, const QByteArray &data)
    {
        QDir().mkpath(dir);
        QFile f(dir + QLatin1Char('/') + name);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(data);
    }

    /// Every entry under the temporary folder, with the contents of the files.
    QMap<QString, QByteArray> tree() const
    {
        QMap<QString, QByteArray> entries;
        QDirIterator it(m_temp.path(), QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden,
            QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString path = it.next();
            QFile f(path);
            entries.insert(
                path, it.fileInfo().isFile() && f.open(QIODevice::ReadOnly) ? f.readAll() : "<dir>");
        }
        return entries;
    }

    QTemporaryDir m_temp;
    RecordingLogger m_log;
};

TEST_F(RulesStoreReadOnlyTest, NothingThereCreatesNothing)
{
    RulesStore store(folder(), m_log, std::make_shared<PosixFileAccess>());
    int signals_ = 0;
    QObject::connect(&store, &RulesProvider::rulesChanged, &store, [&signals_] { ++signals_; });
    QObject::connect(&store, &RulesProvider::settingsChanged, &store, [&signals_] { ++signals_; });

    store.loadReadOnly();

    EXPECT_TRUE(store.rules().isEmpty());
    EXPECT_EQ(store.settings(), AppSettings::defaults());
    EXPECT_FALSE(QDir(config()).exists());
    EXPECT_TRUE(m_log.lines().isEmpty());
    EXPECT_EQ(signals_, 0);
}

TEST_F(RulesStoreReadOnlyTest, ReadsBothFilesAndWritesNothing)
{
    Rule rule = Rule::makeNew();
    rule.name = QStringLiteral("Sony");
    AppSettings settings;
    settings.extrasRevealed = true;
    put(folder(), QStringLiteral("rules.json"), RulesFormat::encodeRules({ rule }));
    put(folder(), QStringLiteral("settings.json"), RulesFormat::encodeSettings(settings));
    const auto before = tree();

    RulesStore store(folder(), m_log, std::make_shared<PosixFileAccess>());
    store.loadReadOnly();

    EXPECT_EQ(store.rules(), RuleList { rule });
    EXPECT_EQ(store.settings(), settings);
    EXPECT_EQ(tree(), before);
    EXPECT_EQ(m_log.lines(), QStringList { QStringLiteral("[INFO] Loaded 1 rule(s).") });
}

TEST_F(RulesStoreReadOnlyTest, CorruptFilesStayWhereTheyAre)
{
    put(folder(), QStringLiteral("rules.json"), "[{");
    put(folder(), QStringLiteral("settings.json"), "nope");
    const auto before = tree();

    RulesStore store(folder(), m_log, std::make_shared<PosixFileAccess>());
    store.loadReadOnly();

    EXPECT_TRUE(store.rules().isEmpty());
    EXPECT_EQ(store.settings(), AppSettings::defaults());
    EXPECT_EQ(tree(), before);
    ASSERT_EQ(m_log.lines().size(), 2);
    EXPECT_TRUE(m_log.lines().at(0).startsWith(QStringLiteral("[ERROR] settings.json could not be read (")));
    EXPECT_TRUE(m_log.lines().at(1).endsWith(QStringLiteral("); showing no rules, file left as it is.")));
}

} // namespace
