#include "ui/model/RuleTransfer.h"

#include "rules/RulesStore.h"
#include "support/DescribedError.h"
#include "support/Logger.h"
#include "ui/model/SettingsPrompts.h"

#include <QFileInfo>
#include <QPointer>

RuleTransfer::RuleTransfer(
    RulesStore &store, Logger &log, SettingsPrompts &prompts, Hooks hooks, QObject *parent)
    : QObject(parent)
    , m_store(store)
    , m_log(log)
    , m_prompts(prompts)
    , m_hooks(std::move(hooks))
{
}

void RuleTransfer::importRules()
{
    if (!m_hooks.isDirty()) {
        askImportMode();
        return;
    }
    // Importing reloads the list from disk, which would drop the unsaved edits.
    QPointer<RuleTransfer> self(this);
    m_prompts.askSaveBeforeImport([self](SettingsPrompts::SaveChoice choice) {
        if (!self)
            return;
        switch (choice) {
        case SettingsPrompts::SaveChoice::Save:
            if (self->m_hooks.trySave())
                self->askImportMode();
            return;
        case SettingsPrompts::SaveChoice::Discard:
            self->askImportMode();
            return;
        case SettingsPrompts::SaveChoice::Cancel:
            return;
        }
    });
}

void RuleTransfer::askImportMode()
{
    QPointer<RuleTransfer> self(this);
    m_prompts.askImportMode([self](SettingsPrompts::ImportChoice choice) {
        if (!self || choice == SettingsPrompts::ImportChoice::Cancel)
            return;
        self->chooseImportFile(choice == SettingsPrompts::ImportChoice::Replace);
    });
}

void RuleTransfer::chooseImportFile(bool replace)
{
    QPointer<RuleTransfer> self(this);
    m_prompts.chooseImportFile([self, replace](const QString &path) {
        if (self && !path.isEmpty())
            self->importFrom(path, replace);
    });
}

void RuleTransfer::importFrom(const QString &path, bool replace)
{
    qsizetype count = 0;
    try {
        count = m_store.importRules(path, replace);
    } catch (const DescribedError &error) {
        m_log.error(QStringLiteral("Rule import failed: ") + error.description());
        m_prompts.showTransferError(error.description());
        return;
    }
    m_hooks.imported();
    m_log.info(QStringLiteral("Imported %1 rule(s) from ").arg(count) + QFileInfo(path).fileName());
}

void RuleTransfer::exportRules()
{
    QPointer<RuleTransfer> self(this);
    m_prompts.chooseExportFile([self](const QString &path) {
        if (self && !path.isEmpty())
            self->exportTo(path);
    });
}

void RuleTransfer::exportTo(const QString &path)
{
    try {
        m_store.exportRules(path);
    } catch (const DescribedError &error) {
        m_log.error(QStringLiteral("Rule export failed: ") + error.description());
        m_prompts.showTransferError(error.description());
        return;
    }
    m_log.info(QStringLiteral("Exported rules to ") + QFileInfo(path).fileName());
}
