#pragma once

#include <QObject>

#include <functional>

class Logger;
class RulesStore;
class SettingsPrompts;

/// Importing and exporting rule files from the settings window: the questions in their
/// order, the store call, the log lines and the error shown when it fails.
class RuleTransfer : public QObject {
    Q_OBJECT
public:
    /// What the transfer needs of the window's working copy.
    struct Hooks {
        std::function<bool()> isDirty;
        /// Saves the working copy; false when it was refused or failed (already reported).
        std::function<bool()> trySave;
        /// The store now holds the imported rules; reload the working copy from it.
        std::function<void()> imported;
    };

    RuleTransfer(
        RulesStore &store, Logger &log, SettingsPrompts &prompts, Hooks hooks, QObject *parent = nullptr);

    /// Offers to save unsaved edits, asks replace or append, asks for the file, imports.
    void importRules();
    /// Asks where, then writes the saved rules (never the unsaved edits) there.
    void exportRules();

private:
    void askImportMode();
    void chooseImportFile(bool replace);
    void importFrom(const QString &path, bool replace);
    void exportTo(const QString &path);

    RulesStore &m_store;
    Logger &m_log;
    SettingsPrompts &m_prompts;
    Hooks m_hooks;
};
