#include "rules/RulesStore.h"

#include "platform/StandardFolders.h"
#include "rules/RuleValidator.h"
#include "rules/RulesFormat.h"
#include "rules/RulesStoreError.h"
#include "support/DescribedError.h"
#include "support/LogCategories.h"
#include "support/Logger.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QThread>

RulesStore::RulesStore(QString storageFolder, Logger &logger, std::shared_ptr<FileAccess> files,
    SecondsClock clock, QObject *parent)
    : RulesProvider(parent)
    , m_storageFolder(QDir::cleanPath(storageFolder))
    , m_logger(logger)
    , m_files(std::move(files))
    , m_clock(clock ? std::move(clock) : [] { return QDateTime::currentSecsSinceEpoch(); })
{
}

RulesStore::~RulesStore()
{
    // A settings change the user made just before quitting must still reach the disk.
    waitForPendingWrites();
}

QString RulesStore::defaultStorageFolder(const StandardFolders &folders)
{
    return folders.configHome() + QStringLiteral("/Mirvale");
}

QString RulesStore::storageDir()
{
    std::call_once(m_storageOnce, [this] { m_storageDir = m_storageFolder; });
    return m_storageDir;
}

void RulesStore::load()
{
    qCDebug(lcRules) << "loading rules and settings from" << m_storageFolder;
    ensureStorageDir();
    // A write killed halfway leaves its temporary file; nothing else writes ours yet.
    int stale = 0;
    for (const QString &name : { QStringLiteral("settings.json"), QStringLiteral("rules.json") })
        stale += m_files->removeStaleTemporaries(storageDir(), name);
    if (stale > 0)
        m_logger.info(QStringLiteral("Removed ") + QString::number(stale)
            + QStringLiteral(" temporary file(s) left by an interrupted save"));
    loadSettings();
    loadRules();
}

void RulesStore::loadReadOnly()
{
    // Straight from the folder given: storageDir() would move a legacy folder into place.
    const QString settingsFile = m_storageFolder + QStringLiteral("/settings.json");
    const QString rulesFile = m_storageFolder + QStringLiteral("/rules.json");
    if (m_files->exists(settingsFile)) {
        try {
            const AppSettings loaded
                = RulesFormat::decodeSettings(m_files->read(settingsFile, kMaxFileBytes));
            std::lock_guard lock(m_stateLock);
            m_storedSettings = loaded;
            m_lastPersistedSettings = loaded;
        } catch (const DescribedError &error) {
            m_logger.error(QStringLiteral("settings.json could not be read (") + error.englishDescription()
                + QStringLiteral("); using the defaults, file left as it is."));
        }
    }
    if (!m_files->exists(rulesFile))
        return;
    try {
        const RuleList loaded = RulesFormat::decodeRules(m_files->read(rulesFile, kMaxFileBytes));
        {
            std::lock_guard lock(m_stateLock);
            m_storedRules = loaded;
        }
        m_logger.info(QStringLiteral("Loaded %1 rule(s).").arg(loaded.size()));
    } catch (const DescribedError &error) {
        m_logger.error(QStringLiteral("rules.json could not be read (") + error.englishDescription()
            + QStringLiteral("); showing no rules, file left as it is."));
    }
}

RuleList RulesStore::rules() const
{
    std::lock_guard lock(m_stateLock);
    return m_storedRules;
}

AppSettings RulesStore::settings() const
{
    std::lock_guard lock(m_stateLock);
    return m_storedSettings;
}

AppSettings RulesStore::lastPersistedSettings() const
{
    std::lock_guard lock(m_stateLock);
    return m_lastPersistedSettings;
}

void RulesStore::setRules(const RuleList &rules)
{
    std::lock_guard lock(m_stateLock);
    m_storedRules = rules;
}

void RulesStore::ensureStorageDir()
{
    const QString dir = storageDir();
    if (m_files->exists(dir))
        return;
    try {
        m_files->createFolder(dir);
    } catch (const DescribedError &error) {
        m_logger.error(
            QStringLiteral("Could not create ") + dir + QStringLiteral(": ") + error.englishDescription());
    }
}

void RulesStore::loadSettings()
{
    const QString path = settingsPath();
    if (!m_files->exists(path)) {
        writeDefaultSettings(QStringLiteral("Could not write initial settings.json: "));
        return;
    }
    try {
        const AppSettings loaded = RulesFormat::decodeSettings(m_files->read(path, kMaxFileBytes));
        std::lock_guard lock(m_stateLock);
        m_storedSettings = loaded;
        m_lastPersistedSettings = loaded;
        return;
    } catch (const DescribedError &error) {
        m_logger.error(QStringLiteral("settings.json is corrupt (") + error.englishDescription()
            + QStringLiteral("); moving it aside."));
    }
    backupCorruptFile(path);
    writeDefaultSettings(QStringLiteral("Could not write recovery settings.json: "));
}

void RulesStore::writeDefaultSettings(const QString &failurePrefix)
{
    const AppSettings defaults = AppSettings::defaults();
    {
        std::lock_guard lock(m_stateLock);
        m_storedSettings = defaults;
        m_lastPersistedSettings = defaults;
    }
    try {
        m_files->writeAtomically(settingsPath(), RulesFormat::encodeSettings(defaults));
    } catch (const DescribedError &error) {
        m_logger.error(failurePrefix + error.englishDescription());
    }
}

void RulesStore::loadRules()
{
    const QString path = rulesPath();
    if (!m_files->exists(path)) {
        m_logger.info(QStringLiteral("No rules.json found; seeding the default catch-all rule."));
        seed();
        return;
    }
    try {
        const RuleList loaded = RulesFormat::decodeRules(m_files->read(path, kMaxFileBytes));
        {
            std::lock_guard lock(m_stateLock);
            m_storedRules = loaded;
        }
        m_logger.info(QStringLiteral("Loaded %1 rule(s).").arg(loaded.size()));
        return;
    } catch (const DescribedError &error) {
        m_logger.error(QStringLiteral("rules.json is corrupt (") + error.englishDescription()
            + QStringLiteral("); moving it aside."));
    }
    backupCorruptFile(path);
    seed();
}

void RulesStore::seed()
{
    const RuleList seeded { Rule::makeDefaultCatchAll() };
    try {
        save(seeded);
    } catch (const DescribedError &error) {
        m_logger.error(QStringLiteral("Could not persist the default rule: ") + error.englishDescription());
        std::lock_guard lock(m_stateLock);
        m_storedRules = seeded;
    }
}

void RulesStore::backupCorruptFile(const QString &path)
{
    const QString base = path + QStringLiteral(".broken-") + QString::number(m_clock());
    // Two corrupt copies within one second must not replace each other.
    QString destination = base;
    for (int suffix = 2; m_files->exists(destination) && suffix < 100; ++suffix)
        destination = base + QLatin1Char('-') + QString::number(suffix);
    try {
        m_files->move(path, destination);
    } catch (const DescribedError &error) {
        m_logger.error(QStringLiteral("Could not move ") + QFileInfo(path).fileName()
            + QStringLiteral(" aside: ") + error.englishDescription());
    }
}

void RulesStore::save(const RuleList &rules)
{
    RuleIssueList errors = RuleValidator::errors(rules);
    if (!errors.isEmpty()) {
        m_logger.warn(QStringLiteral("Not saving rules: %1 validation error(s).").arg(errors.size()));
        throw RulesStoreError::invalid(std::move(errors));
    }
    m_files->writeAtomically(rulesPath(), RulesFormat::encodeRules(rules));
    {
        std::lock_guard lock(m_stateLock);
        m_storedRules = rules;
    }
    m_logger.info(QStringLiteral("Saved %1 rule(s).").arg(rules.size()));
    postOnMain([](RulesStore &store) { emit store.rulesChanged(); });
}

RuleIssueList RulesStore::validate(const RuleList &rules)
{
    return RuleValidator::validate(rules);
}

void RulesStore::setSettings(const AppSettings &settings)
{
    qint64 sequence = 0;
    {
        std::lock_guard lock(m_stateLock);
        m_storedSettings = settings;
        sequence = ++m_settingsWriteSequence;
    }
    postOnMain([](RulesStore &store) { emit store.settingsChanged(); });
    m_settingsWrites.post([this, settings, sequence] { writeSettings(settings, sequence); });
}

void RulesStore::writeSettings(const AppSettings &value, qint64 sequence)
{
    // Changes made at the same time (on two threads, or by a listener reacting to a change)
    // can queue their writes out of order; an older value must never replace a newer one.
    if (sequence < m_newestWriteSequence)
        return;
    m_newestWriteSequence = sequence;
    try {
        m_files->writeAtomically(settingsPath(), RulesFormat::encodeSettings(value));
    } catch (const DescribedError &error) {
        m_logger.error(QStringLiteral("Could not save settings.json: ") + error.englishDescription());
        bool reverted = false;
        {
            std::lock_guard lock(m_stateLock);
            if (sequence != m_settingsWriteSequence)
                return; // a newer change was requested; its write decides
            if (m_storedSettings == value) {
                m_storedSettings = m_lastPersistedSettings;
                reverted = true;
            }
        }
        const QString message = error.description();
        postOnMain([reverted, message](RulesStore &store) {
            if (reverted)
                emit store.settingsChanged();
            emit store.settingsSaveFailed(message);
        });
        return;
    }
    {
        std::lock_guard lock(m_stateLock);
        m_lastPersistedSettings = value;
    }
    m_logger.info(QStringLiteral("Saved settings."));
    postOnMain([](RulesStore &store) { emit store.settingsSaved(); });
}

void RulesStore::waitForPendingWrites()
{
    m_settingsWrites.flush();
}

void RulesStore::exportRules(const QString &path)
{
    const RuleList current = rules();
    m_files->writeAtomically(path, RulesFormat::encodeRules(current));
    m_logger.info(QStringLiteral("Exported %1 rule(s) to ").arg(current.size()) + path + QLatin1Char('.'));
}

qsizetype RulesStore::importRules(const QString &path, bool replace)
{
    const RuleList imported = RulesFormat::decodeRules(m_files->read(path, kMaxFileBytes));
    const RuleList current = rules();
    QSet<QUuid> avoiding;
    if (!replace) {
        for (const Rule &rule : current)
            avoiding.insert(rule.id);
    }
    const RuleList unique = deduplicatingIDs(imported, std::move(avoiding));
    save(replace ? unique : current + unique);
    m_logger.info(replace
            ? QStringLiteral("Imported %1 rule(s), replacing existing rules.").arg(unique.size())
            : QStringLiteral("Imported %1 rule(s), appended to existing rules.").arg(unique.size()));
    return unique.size();
}

RuleList RulesStore::deduplicatingIDs(RuleList rules, QSet<QUuid> avoiding)
{
    for (Rule &rule : rules) {
        while (avoiding.contains(rule.id))
            rule.id = QUuid::createUuid();
        avoiding.insert(rule.id);
    }
    return rules;
}

void RulesStore::postOnMain(std::function<void(RulesStore &)> post)
{
    if (QThread::currentThread() == thread()) {
        post(*this);
        return;
    }
    // Posted while the store exists (its destructor waits for the writes that post); an event
    // still queued when it goes is dropped with it.
    Workers::post(this, [this, post] { post(*this); });
}
