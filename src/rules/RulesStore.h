#pragma once

#include "platform/FileAccess.h"
#include "rules/AppSettings.h"
#include "rules/Rule.h"
#include "rules/RuleIssue.h"
#include "rules/RulesProvider.h"
#include "support/Workers.h"

#include <QSet>
#include <QString>
#include <QUuid>

#include <functional>
#include <memory>
#include <mutex>

class Logger;
class StandardFolders;

/// Owns the rule list and the application settings: loads them from the storage folder
/// (seeding or recovering them), saves rules after validation, writes settings in the
/// background, imports and exports rule files. Signals are delivered on the main thread;
/// a change made on the main thread is signalled before the call returns.
///
/// save(), importRules() and exportRules() do their file work on the calling thread and
/// throw a DescribedError (RulesStoreError, DecodingError or FileError) to their caller.
class RulesStore final : public RulesProvider {
    Q_OBJECT
public:
    /// Rules and settings files are a few hundred kilobytes at most; anything far beyond
    /// that is not ours, and is refused rather than read into memory.
    static constexpr qint64 kMaxFileBytes = 16 * 1024 * 1024;

    /// Whole seconds since 1970-01-01 UTC; names the moved-aside copies of corrupt files.
    using SecondsClock = std::function<qint64()>;

    /// `storageFolder` holds rules.json and settings.json (see defaultStorageFolder()).
    /// Every file operation goes through `files`.
    RulesStore(QString storageFolder, Logger &logger, std::shared_ptr<FileAccess> files,
        SecondsClock clock = {}, QObject *parent = nullptr);
    /// Waits for the settings writes already requested.
    ~RulesStore() override;

    /// "Mirvale" in the user's application support folder.
    static QString defaultStorageFolder(const StandardFolders &folders);

    /// Ensures the storage folder, then loads settings, then rules. Never fails: the
    /// defaults and the catch-all rule stand in for missing or corrupt files.
    void load() override;
    /// Reads settings and rules as they are, for a look that must change nothing: no folder
    /// is created or moved, no file is written or moved aside and no signal is sent. A
    /// missing or unreadable file leaves the defaults and an empty rule list.
    void loadReadOnly();

    RuleList rules() const override;
    AppSettings settings() const override;
    /// Replaces the rules in memory only: no file, no signal.
    void setRules(const RuleList &rules);
    /// Takes effect at once and signals settingsChanged; the file is written on the
    /// settings queue. A failed write that no newer change superseded reverts the settings
    /// and signals settingsSaveFailed.
    void setSettings(const AppSettings &settings) override;
    /// The settings last known to be on disk.
    AppSettings lastPersistedSettings() const;

    /// Validates, writes rules.json, stores and signals rulesChanged. Throws
    /// RulesStoreError with the errors (warnings never block) or FileError.
    void save(const RuleList &rules);
    static RuleIssueList validate(const RuleList &rules);
    /// Writes the current rules to `path` in the rules.json format.
    void exportRules(const QString &path);
    /// Reads a rules file and replaces the current rules or appends to them; returns the
    /// number of imported rules. On any error nothing changes.
    qsizetype importRules(const QString &path, bool replace);
    /// Gives every rule an id unique within the list and not in `avoiding`; order and
    /// other fields stay.
    static RuleList deduplicatingIDs(RuleList rules, QSet<QUuid> avoiding);

    /// The storage folder, fixed (and the legacy folder moved) on first use.
    QString storageDir();
    QString rulesPath() { return storageDir() + QStringLiteral("/rules.json"); }
    QString settingsPath() { return storageDir() + QStringLiteral("/settings.json"); }

    /// Waits until every settings write requested before the call has finished.
    void waitForPendingWrites();

private:
    void ensureStorageDir();
    void loadSettings();
    void loadRules();
    void seed();
    void backupCorruptFile(const QString &path);
    void writeDefaultSettings(const QString &failurePrefix);
    void writeSettings(const AppSettings &value, qint64 sequence);
    /// Runs `post` on the store's thread: at once when already there, else queued (and
    /// dropped with the store).
    void postOnMain(std::function<void(RulesStore &)> post);

    const QString m_storageFolder;
    Logger &m_logger;
    std::shared_ptr<FileAccess> m_files;
    SecondsClock m_clock;
    std::once_flag m_storageOnce;
    QString m_storageDir;

    mutable std::mutex m_stateLock;
    RuleList m_storedRules;
    AppSettings m_storedSettings;
    AppSettings m_lastPersistedSettings;
    qint64 m_settingsWriteSequence = 0;
    qint64 m_newestWriteSequence = 0; // only touched by the settings writes

    // Settings are written in order, off the caller's thread; flushed before the store goes.
    Workers::Lane m_settingsWrites;
};
