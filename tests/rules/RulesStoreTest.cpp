#include "ScriptedFileAccess.h"

#include "common/PollUntil.h"
#include "common/RecordingLogger.h"
#include "platform/StandardFolders.h"
#include "rules/DecodingError.h"
#include "rules/FileError.h"
#include "rules/RulesFormat.h"
#include "rules/RulesStore.h"
#include "rules/RulesStoreError.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include <thread>

#include <sys/stat.h>

#include <utility>

namespace {

constexpr qint64 kNow = 1'700'000'123;

/// Counts the store's signals, and checks they arrive on the main thread.
struct SignalCounter {
    int rulesChanged = 0;
    int settingsChanged = 0;
    QStringList saveFailures;
    bool offMainThread = false;

    explicit SignalCounter(RulesStore &store)
    {
        QObject::connect(&store, &RulesProvider::rulesChanged, &store, [this] { note(rulesChanged); });
        QObject::connect(&store, &RulesProvider::settingsChanged, &store, [this] { note(settingsChanged); });
        QObject::connect(&store, &RulesProvider::settingsSaveFailed, &store, [this](const QString &message) {
            offMainThread |= (QThread::currentThread() != QCoreApplication::instance()->thread());
            saveFailures.append(message);
        });
    }

    void note(int &counter)
    {
        offMainThread |= (QThread::currentThread() != QCoreApplication::instance()->thread());
        ++counter;
    }
};

class RulesStoreTest : public ::testing::Test {
protected:
    QString folder() const { return m_temp.path() + QStringLiteral("/config/Mirvale"); }
    QString file(const QString &name) const { return folder() + QLatin1Char('/') + name; }

    std::unique_ptr<RulesStore> makeStore()
    {
        return std::make_unique<RulesStore>(folder(), m_log, m_files, [] { return kNow; });
    }

    static QByteArray contents(const QString &path)
    {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    void put(const QString &name, const QByteArray &data)
    {
        QDir().mkpath(folder());
        QFile f(file(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(data);
    }

    /// Lets every queued main-thread delivery run.
    static void drainEvents()
    {
        bool drained = false;
        QMetaObject::invokeMethod(
            QCoreApplication::instance(), [&drained] { drained = true; }, Qt::QueuedConnection);
        ASSERT_TRUE(pollUntil([&drained] { return drained; }));
    }

    static Rule volumeRule(const QString &name, const QString &volume)
    {
        Rule rule = Rule::makeNew();
        rule.name = name;
        rule.match = VolumeMatch::volumeName(volume);
        return rule;
    }

    QTemporaryDir m_temp;
    RecordingLogger m_log;
    std::shared_ptr<ScriptedFileAccess> m_files = std::make_shared<ScriptedFileAccess>();
};

TEST(RulesStoreNames, Folder)
{
    class Folders final : public StandardFolders {
    public:
        QString configHome() const override { return QStringLiteral("/somewhere/config"); }
        QString stateHome() const override { return QStringLiteral("/somewhere/state"); }
    };
    EXPECT_EQ(RulesStore::defaultStorageFolder(Folders()), QStringLiteral("/somewhere/config/Mirvale"));
}

TEST_F(RulesStoreTest, FirstStartSeedsDefaults)
{
    auto store = makeStore();
    SignalCounter seen(*store);
    store->load();

    EXPECT_EQ(contents(file(QStringLiteral("settings.json"))),
        RulesFormat::encodeSettings(AppSettings::defaults()));
    const RuleList onDisk = RulesFormat::decodeRules(contents(file(QStringLiteral("rules.json"))));
    ASSERT_EQ(onDisk.size(), 1);
    Rule expected = Rule::makeDefaultCatchAll();
    expected.id = onDisk[0].id;
    EXPECT_EQ(onDisk[0], expected);
    EXPECT_EQ(store->rules(), onDisk);
    EXPECT_EQ(store->settings(), AppSettings::defaults());
    EXPECT_EQ(m_log.lines(),
        QStringList({ QStringLiteral("[INFO] No rules.json found; seeding the default catch-all rule."),
            QStringLiteral("[INFO] Saved 1 rule(s).") }));
    EXPECT_EQ(seen.rulesChanged, 1); // posted before load() returned, on the main thread
    EXPECT_EQ(seen.settingsChanged, 0);
}

TEST_F(RulesStoreTest, TemporariesLeftByAKilledSaveAreRemovedAtStart)
{
    put(QStringLiteral(".settings.json.tmp-3f09a1c2b4d5e6f7"), "{\"paused\":");
    put(QStringLiteral(".rules.json.tmp-1"), "[");
    put(QStringLiteral(".notes.json.tmp-1"), "theirs");
    put(QStringLiteral(".rules.json.tmp-mine"), "not one of ours");
    makeStore()->load();
    EXPECT_TRUE(
        m_log.contains(QStringLiteral("[INFO] Removed 2 temporary file(s) left by an interrupted save")));
    EXPECT_EQ(QDir(folder()).entryList(QDir::Files | QDir::Hidden, QDir::Name),
        QStringList({ QStringLiteral(".notes.json.tmp-1"), QStringLiteral(".rules.json.tmp-mine"),
            QStringLiteral("rules.json"), QStringLiteral("settings.json") }));
}

TEST_F(RulesStoreTest, LoadsExistingFilesWithoutValidating)
{
    Rule invalid = volumeRule(QString(), QString());
    AppSettings paused;
    paused.paused = true;
    put(QStringLiteral("rules.json"), RulesFormat::encodeRules({ invalid }));
    put(QStringLiteral("settings.json"), RulesFormat::encodeSettings(paused));

    auto store = makeStore();
    SignalCounter seen(*store);
    store->load();
    EXPECT_EQ(store->rules(), RuleList({ invalid }));
    EXPECT_EQ(store->settings(), paused);
    EXPECT_EQ(store->lastPersistedSettings(), paused);
    EXPECT_EQ(m_log.lines(), QStringList({ QStringLiteral("[INFO] Loaded 1 rule(s).") }));
    drainEvents();
    EXPECT_EQ(seen.rulesChanged + seen.settingsChanged, 0);
}

TEST_F(RulesStoreTest, CorruptFilesAreMovedAsideAndDefaultsStandIn)
{
    const QByteArray tooLarge = "[" + QByteArray(RulesStore::kMaxFileBytes, ' ') + "]";
    const QByteArray corrupt[] = {
        "{not json",
        "[{\"subfolder\": {\"kind\": \"Smart\"}}]",
        QByteArray(100'000, '[') + QByteArray(100'000, ']'),
        "[\"\xc3\x28\"]",
        "{\"paused\": true}",
        tooLarge,
    };
    for (const QByteArray &data : corrupt) {
        QDir(folder()).removeRecursively();
        m_log.clear();
        put(QStringLiteral("rules.json"), data);
        put(QStringLiteral("settings.json"), data.startsWith('{') ? QByteArray("[]") : data);
        const QByteArray oldSettings = contents(file(QStringLiteral("settings.json")));

        auto store = makeStore();
        SignalCounter seen(*store);
        store->load();

        const QString suffix = QStringLiteral(".broken-1700000123");
        EXPECT_EQ(contents(file(QStringLiteral("rules.json") + suffix)), data);
        EXPECT_EQ(contents(file(QStringLiteral("settings.json") + suffix)), oldSettings);
        ASSERT_EQ(store->rules().size(), 1);
        EXPECT_EQ(store->rules()[0].name, QStringLiteral("Any camera card"));
        EXPECT_EQ(RulesFormat::decodeRules(contents(file(QStringLiteral("rules.json")))), store->rules());
        EXPECT_EQ(contents(file(QStringLiteral("settings.json"))),
            RulesFormat::encodeSettings(AppSettings::defaults()));
        const QStringList lines = m_log.lines();
        ASSERT_EQ(lines.size(), 3) << lines.join(QLatin1Char('\n')).left(2000).toStdString();
        EXPECT_TRUE(lines[0].startsWith(QStringLiteral("[ERROR] settings.json is corrupt (")));
        EXPECT_TRUE(lines[0].endsWith(QStringLiteral("); moving it aside.")));
        EXPECT_TRUE(lines[1].startsWith(QStringLiteral("[ERROR] rules.json is corrupt (")));
        EXPECT_EQ(lines[2], QStringLiteral("[INFO] Saved 1 rule(s)."));
        drainEvents();
        EXPECT_EQ(seen.settingsChanged, 0);
        EXPECT_EQ(seen.rulesChanged, 1);
    }
    EXPECT_TRUE(m_log.lines()[1].contains(QStringLiteral("is too large")));
}

TEST_F(RulesStoreTest, ASecondCorruptCopyInTheSameSecondKeepsTheFirst)
{
    put(QStringLiteral("rules.json.broken-1700000123"), "first");
    put(QStringLiteral("rules.json"), "second");
    auto store = makeStore();
    store->load();
    EXPECT_EQ(contents(file(QStringLiteral("rules.json.broken-1700000123"))), QByteArray("first"));
    EXPECT_EQ(contents(file(QStringLiteral("rules.json.broken-1700000123-2"))), QByteArray("second"));
}

TEST_F(RulesStoreTest, AFifoInPlaceOfTheRulesFileDoesNotHangLoading)
{
    QDir().mkpath(folder());
    ASSERT_EQ(::mkfifo(QFile::encodeName(file(QStringLiteral("rules.json"))).constData(), 0600), 0);
    auto store = makeStore();
    store->load();
    EXPECT_EQ(store->rules().size(), 1);
    EXPECT_TRUE(m_log.contains(QStringLiteral("[ERROR] rules.json is corrupt (The file \"rules.json\" could "
                                              "not be read: it is not a regular file.); moving it aside.")));
}

TEST_F(RulesStoreTest, FailuresWhileLoadingAreLoggedAndDefaultsStandIn)
{
    m_files->failCreateFolder(true);
    m_files->failWrites(QStringLiteral("settings.json"), 1);
    m_files->failWrites(QStringLiteral("rules.json"), 1);
    auto store = makeStore();
    SignalCounter seen(*store);
    store->load();
    EXPECT_EQ(m_log.lines(),
        QStringList(
            { QStringLiteral("[ERROR] Could not create ") + folder() + QStringLiteral(": Permission denied."),
                QStringLiteral("[ERROR] Could not write initial settings.json: The volume is full."),
                QStringLiteral("[INFO] No rules.json found; seeding the default catch-all rule."),
                QStringLiteral("[ERROR] Could not persist the default rule: The volume is full.") }));
    ASSERT_EQ(store->rules().size(), 1);
    EXPECT_EQ(store->settings(), AppSettings::defaults());
    drainEvents();
    EXPECT_EQ(seen.rulesChanged, 0);

    // A corrupt file that cannot be moved is overwritten by the recovery write.
    m_log.clear();
    m_files->failMoves(true);
    put(QStringLiteral("settings.json"), "garbage");
    m_files->failWrites(QStringLiteral("settings.json"), 1);
    auto again = makeStore();
    again->load();
    EXPECT_TRUE(m_log.contains(
        QStringLiteral("[ERROR] Could not move settings.json aside: The file could not be moved.")));
    EXPECT_TRUE(m_log.contains(
        QStringLiteral("[ERROR] Could not write recovery settings.json: The volume is full.")));
}

TEST_F(RulesStoreTest, RefusedSaveLeavesEverythingUntouched)
{
    auto store = makeStore();
    store->load();
    const QByteArray before = contents(file(QStringLiteral("rules.json")));
    const RuleList stored = store->rules();
    SignalCounter seen(*store);
    m_log.clear();

    Rule blank = volumeRule(QStringLiteral("  "), QStringLiteral("A"));
    const RuleList rules { Rule::makeDefaultCatchAll(), Rule::makeDefaultCatchAll(), blank };
    try {
        store->save(rules);
        FAIL() << "saved";
    } catch (const RulesStoreError &error) {
        ASSERT_EQ(error.issues().size(), 1);
        EXPECT_EQ(error.description(), QStringLiteral("Untitled rule: rule name cannot be empty."));
        EXPECT_EQ(error.issues()[0].ruleID, blank.id);
    }
    EXPECT_EQ(
        m_log.lines(), QStringList({ QStringLiteral("[WARN] Not saving rules: 1 validation error(s).") }));
    EXPECT_EQ(contents(file(QStringLiteral("rules.json"))), before);
    EXPECT_EQ(store->rules(), stored);

    m_files->failWrites(QStringLiteral("rules.json"), 1);
    EXPECT_THROW(store->save({ Rule::makeNew() }), RulesStoreError); // refused before any write
    EXPECT_THROW(store->save({ volumeRule(QStringLiteral("ok"), QStringLiteral("A")) }), FileError);
    EXPECT_EQ(contents(file(QStringLiteral("rules.json"))), before);
    EXPECT_EQ(store->rules(), stored);
    drainEvents();
    EXPECT_EQ(seen.rulesChanged, 0);

    // Warnings alone never block.
    store->save(rules.mid(0, 2));
    EXPECT_EQ(store->rules(), rules.mid(0, 2));
    EXPECT_EQ(seen.rulesChanged, 1);
    EXPECT_EQ(m_log.lines().last(), QStringLiteral("[INFO] Saved 2 rule(s)."));
}

TEST_F(RulesStoreTest, AFailedSettingsWriteReverts)
{
    auto store = makeStore();
    store->load();
    SignalCounter seen(*store);
    m_files->failWrites(QStringLiteral("settings.json"), 1);

    AppSettings paused;
    paused.paused = true;
    m_files->holdWrites();
    store->setSettings(paused);
    EXPECT_EQ(store->settings(), paused);
    EXPECT_EQ(seen.settingsChanged, 1);
    m_files->releaseWrites();
    ASSERT_TRUE(pollUntil([&] { return !seen.saveFailures.isEmpty(); }));
    drainEvents();

    EXPECT_EQ(store->settings(), AppSettings::defaults());
    EXPECT_EQ(seen.settingsChanged, 2);
    EXPECT_EQ(seen.saveFailures, QStringList({ ScriptedFileAccess::kFullDisk }));
    EXPECT_FALSE(seen.offMainThread);
    EXPECT_TRUE(m_log.contains(QStringLiteral("[ERROR] Could not save settings.json: The volume is full.")));
    EXPECT_EQ(contents(file(QStringLiteral("settings.json"))),
        RulesFormat::encodeSettings(AppSettings::defaults()));
}

TEST_F(RulesStoreTest, AFailedWriteSupersededByANewerOneDoesNothing)
{
    auto store = makeStore();
    store->load();
    SignalCounter seen(*store);
    m_files->failWrites(QStringLiteral("settings.json"), 1);
    m_files->holdWrites();

    AppSettings first;
    first.paused = true;
    AppSettings second;
    second.showNotifications = true;
    store->setSettings(first);
    store->setSettings(second);
    m_files->releaseWrites();
    store->waitForPendingWrites();
    drainEvents();

    EXPECT_EQ(m_files->writeAttempts(QStringLiteral("settings.json")), 3); // the initial one and two
    EXPECT_EQ(store->settings(), second);
    EXPECT_EQ(store->lastPersistedSettings(), second);
    EXPECT_EQ(seen.settingsChanged, 2);
    EXPECT_TRUE(seen.saveFailures.isEmpty());
    EXPECT_EQ(contents(file(QStringLiteral("settings.json"))), RulesFormat::encodeSettings(second));
    EXPECT_EQ(m_log.count(QStringLiteral("[INFO] Saved settings.")), 1);
}

TEST_F(RulesStoreTest, WhenEveryQueuedWriteFailsOnlyTheLastReverts)
{
    auto store = makeStore();
    store->load();
    SignalCounter seen(*store);
    m_files->failWrites(QStringLiteral("settings.json"), 2);
    m_files->holdWrites();
    AppSettings first;
    first.paused = true;
    AppSettings second;
    second.showUnmountItems = false;
    store->setSettings(first);
    store->setSettings(second);
    m_files->releaseWrites();
    store->waitForPendingWrites();
    drainEvents();

    EXPECT_EQ(store->settings(), AppSettings::defaults());
    EXPECT_EQ(seen.settingsChanged, 3);
    EXPECT_EQ(seen.saveFailures.size(), 1);
    EXPECT_EQ(m_log.count(QStringLiteral("[ERROR] Could not save settings.json: The volume is full.")), 2);
}

TEST_F(RulesStoreTest, AChangeMadeWhileTheLastIsSignalledEndsUpOnDisk)
{
    auto store = makeStore();
    store->load();
    AppSettings first;
    first.paused = true;
    AppSettings second = first;
    second.showNotifications = true;
    // A listener that adjusts the settings as soon as they change: its write is queued
    // before the write of the change it reacted to.
    bool adjusted = false;
    QObject::connect(store.get(), &RulesProvider::settingsChanged, store.get(), [&] {
        if (std::exchange(adjusted, true))
            return;
        store->setSettings(second);
    });
    store->setSettings(first);
    store->waitForPendingWrites();

    EXPECT_EQ(store->settings(), second);
    EXPECT_EQ(store->lastPersistedSettings(), second);
    EXPECT_EQ(RulesFormat::decodeSettings(contents(file(QStringLiteral("settings.json")))), second);
}

TEST_F(RulesStoreTest, SettingsSetOffTheMainThreadSignalOnIt)
{
    auto store = makeStore();
    store->load();
    SignalCounter seen(*store);
    {
        AppSettings value;
        value.extrasRevealed = true;
        std::thread other([&store, value] { store->setSettings(value); });
        other.join();
    }
    ASSERT_TRUE(pollUntil([&] { return seen.settingsChanged == 1; }));
    store->waitForPendingWrites();
    EXPECT_FALSE(seen.offMainThread);
    EXPECT_TRUE(store->lastPersistedSettings().extrasRevealed);
}

TEST_F(RulesStoreTest, DestroyingTheStoreFinishesQueuedWrites)
{
    AppSettings value;
    value.handleCardsPresentAtLaunch = true;
    {
        auto store = makeStore();
        store->load();
        store->setSettings(value);
    }
    drainEvents(); // a delivery queued for the destroyed store is dropped
    EXPECT_EQ(RulesFormat::decodeSettings(contents(file(QStringLiteral("settings.json")))), value);
}

TEST_F(RulesStoreTest, ImportAppendsWithFreshIdsForCollisions)
{
    auto store = makeStore();
    store->load();
    const RuleList existing = store->rules();
    Rule sameId = volumeRule(QStringLiteral("Imported"), QStringLiteral("NIKON"));
    sameId.id = existing[0].id;
    Rule repeated = volumeRule(QStringLiteral("Twice"), QStringLiteral("SONY"));
    Rule again = repeated;
    again.name = QStringLiteral("Twice again");
    const QString importPath = m_temp.path() + QStringLiteral("/import.json");
    m_files->writeAtomically(importPath, RulesFormat::encodeRules({ sameId, repeated, again }));
    m_log.clear();

    EXPECT_EQ(store->importRules(importPath, false), 3);
    const RuleList after = store->rules();
    ASSERT_EQ(after.size(), 4);
    EXPECT_EQ(after[0], existing[0]);
    EXPECT_NE(after[1].id, existing[0].id);
    EXPECT_EQ(after[2].id, repeated.id);
    EXPECT_NE(after[3].id, repeated.id);
    Rule renamed = after[1];
    renamed.id = sameId.id;
    EXPECT_EQ(renamed, sameId);
    EXPECT_EQ(RulesFormat::decodeRules(contents(file(QStringLiteral("rules.json")))), after);
    EXPECT_EQ(m_log.lines().last(), QStringLiteral("[INFO] Imported 3 rule(s), appended to existing rules."));
}

TEST_F(RulesStoreTest, ImportReplacesAndDeduplicatesWithinTheFile)
{
    auto store = makeStore();
    store->load();
    Rule one = volumeRule(QStringLiteral("One"), QStringLiteral("A"));
    Rule two = volumeRule(QStringLiteral("Two"), QStringLiteral("B"));
    two.id = one.id;
    const QString importPath = m_temp.path() + QStringLiteral("/import.json");
    m_files->writeAtomically(importPath, RulesFormat::encodeRules({ one, two }));

    EXPECT_EQ(store->importRules(importPath, true), 2);
    const RuleList after = store->rules();
    ASSERT_EQ(after.size(), 2);
    EXPECT_EQ(after[0], one);
    EXPECT_NE(after[1].id, one.id);
    EXPECT_EQ(after[1].name, QStringLiteral("Two"));
    EXPECT_EQ(m_log.lines().last(), QStringLiteral("[INFO] Imported 2 rule(s), replacing existing rules."));
}

TEST_F(RulesStoreTest, RefusedImportsChangeNothing)
{
    auto store = makeStore();
    store->load();
    const RuleList before = store->rules();
    const QByteArray beforeFile = contents(file(QStringLiteral("rules.json")));
    const QString importPath = m_temp.path() + QStringLiteral("/import.json");

    m_files->writeAtomically(
        importPath, RulesFormat::encodeRules({ volumeRule(QStringLiteral("x"), QStringLiteral(" ")) }));
    EXPECT_THROW(store->importRules(importPath, true), RulesStoreError);
    m_files->writeAtomically(importPath, "{\"kind\": 1}");
    EXPECT_THROW(store->importRules(importPath, false), DecodingError);
    EXPECT_THROW(store->importRules(m_temp.path() + QStringLiteral("/missing.json"), false), FileError);

    EXPECT_EQ(store->rules(), before);
    EXPECT_EQ(contents(file(QStringLiteral("rules.json"))), beforeFile);
}

TEST_F(RulesStoreTest, ExportWritesTheCurrentRules)
{
    auto store = makeStore();
    store->load();
    const QString exportPath = m_temp.path() + QStringLiteral("/Mirvale Rules.json");
    store->exportRules(exportPath);
    EXPECT_EQ(RulesFormat::decodeRules(contents(exportPath)), store->rules());
    EXPECT_EQ(m_log.lines().last(),
        QStringLiteral("[INFO] Exported 1 rule(s) to ") + exportPath + QLatin1Char('.'));
    EXPECT_THROW(store->exportRules(m_temp.path() + QStringLiteral("/no/such/folder/x.json")), FileError);
}

TEST(RulesStoreIds, DeduplicatingKeepsOrderAndFields)
{
    Rule a = Rule::makeNew();
    Rule b = Rule::makeDefaultCatchAll();
    const QUuid avoided = QUuid::createUuid();
    Rule c = b;
    c.id = avoided;
    const RuleList result = RulesStore::deduplicatingIDs({ a, b, b, c }, { avoided });
    ASSERT_EQ(result.size(), 4);
    EXPECT_EQ(result[0], a);
    EXPECT_EQ(result[1], b);
    EXPECT_NE(result[2].id, b.id);
    EXPECT_NE(result[3].id, avoided);
    QSet<QUuid> ids;
    for (const Rule &rule : result)
        ids.insert(rule.id);
    EXPECT_EQ(ids.size(), 4);
}

} // namespace
