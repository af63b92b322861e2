#include "ui/model/RuleTransfer.h"

#include "rules/DecodingError.h"
#include "rules/RulesStore.h"
#include "support/DescribedError.h"
#include "support/Logger.h"
#include "ui/model/SettingsPrompts.h"

#include <QFileInfo>
#include <QPointer>
#include <QRegularExpression>

namespace {

QString importTitle(const QString &path)
{
    //: %1 is the file's name.
    return RuleTransfer::tr("Couldn\u2019t import \u201c%1\u201d").arg(QFileInfo(path).fileName());
}

QString exportTitle(const QString &path)
{
    //: %1 is the file's name.
    return RuleTransfer::tr("Couldn\u2019t export \u201c%1\u201d").arg(QFileInfo(path).fileName());
}

/// The reason as the user can act on it: where in the file, without the parser's own terms
/// ("syntax error while parsing value - invalid literal; last read: ...", "[0].enabled").
QString alertDetail(const DescribedError &error)
{
    const QString &description = error.description();
    const auto *decoding = dynamic_cast<const DecodingError *>(&error);
    if (!decoding)
        return description;
    // Read in English, which names the parser's position the same way in every language.
    const QString english = error.englishDescription();
    if (english.startsWith(QStringLiteral("The data is not valid JSON"))) {
        static const QRegularExpression position(QStringLiteral("line (\\d+), column (\\d+)"));
        const QRegularExpressionMatch at = position.match(english);
        return at.hasMatch() ? RuleTransfer::tr("The file is not valid JSON (line %1, column %2).")
                                   .arg(at.captured(1), at.captured(2))
                             : RuleTransfer::tr("The file is not valid JSON.");
    }
    static const QRegularExpression rulePath(QStringLiteral("^\\[(\\d+)\\](?:\\.(.+))?$"));
    const QRegularExpressionMatch rule = rulePath.match(decoding->codingPath());
    const QString where = QStringLiteral(" at ") + decoding->codingPath() + QLatin1Char('.');
    if (!rule.hasMatch() || !description.endsWith(where))
        return description;
    const QString reason = description.chopped(where.size());
    const QString lowered = reason.left(1).toLower() + reason.mid(1);
    const qlonglong number = rule.captured(1).toLongLong() + 1;
    if (rule.captured(2).isEmpty()) {
        //: %1 is the rule's number in the file, %2 what is wrong with it.
        return RuleTransfer::tr("Rule %1: %2.").arg(QString::number(number), lowered);
    }
    //: %1 is the rule's number in the file, %2 the setting's name as the file spells it, %3 what is wrong.
    return RuleTransfer::tr("Rule %1, \u201c%2\u201d: %3.")
        .arg(QString::number(number), rule.captured(2), lowered);
}

} // namespace

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
        m_log.error(QStringLiteral("Rule import failed: ") + error.englishDescription());
        m_prompts.showTransferError(importTitle(path), alertDetail(error));
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
        m_log.error(QStringLiteral("Rule export failed: ") + error.englishDescription());
        m_prompts.showTransferError(exportTitle(path), alertDetail(error));
        return;
    }
    m_log.info(QStringLiteral("Exported rules to ") + QFileInfo(path).fileName());
}
