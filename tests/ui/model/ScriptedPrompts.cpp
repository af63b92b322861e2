#include "ScriptedPrompts.h"

void ScriptedPrompts::askSaveBeforeImport(std::function<void(SaveChoice)> answer)
{
    asked.append(QStringLiteral("saveBeforeImport"));
    if (saveBeforeImport)
        answer(*saveBeforeImport);
}

void ScriptedPrompts::askImportMode(std::function<void(ImportChoice)> answer)
{
    asked.append(QStringLiteral("importMode"));
    if (importMode)
        answer(*importMode);
}

void ScriptedPrompts::chooseImportFile(std::function<void(const QString &)> answer)
{
    asked.append(QStringLiteral("importFile"));
    if (importFile)
        answer(*importFile);
}

void ScriptedPrompts::chooseExportFile(std::function<void(const QString &)> answer)
{
    asked.append(QStringLiteral("exportFile"));
    if (exportFile)
        answer(*exportFile);
}

void ScriptedPrompts::askSaveBeforeClosing(std::function<void(SaveChoice)> answer)
{
    asked.append(QStringLiteral("saveBeforeClosing"));
    if (saveBeforeClosing)
        answer(*saveBeforeClosing);
    else
        pendingClose = std::move(answer);
}

void ScriptedPrompts::showSaveRefused(const QStringList &errors)
{
    asked.append(QStringLiteral("saveRefused"));
    refusals.append(errors);
}

void ScriptedPrompts::showTransferError(const QString &, const QString &detail)
{
    asked.append(QStringLiteral("transferError"));
    transferErrors.append(detail);
}

void ScriptedPrompts::showFirstRunHint()
{
    asked.append(QStringLiteral("firstRunHint"));
    ++hints;
}
