#pragma once

#include "ui/model/SettingsPrompts.h"

#include <optional>

/// Answers the settings window's questions from a script, and records what was asked.
/// A question without a scripted answer waits: the test answers it later by hand.
class ScriptedPrompts final : public SettingsPrompts {
public:
    void askSaveBeforeImport(std::function<void(SaveChoice)> answer) override;
    void askImportMode(std::function<void(ImportChoice)> answer) override;
    void chooseImportFile(std::function<void(const QString &)> answer) override;
    void chooseExportFile(std::function<void(const QString &)> answer) override;
    void askSaveBeforeClosing(std::function<void(SaveChoice)> answer) override;
    void showSaveRefused(const QStringList &errors) override;
    void showTransferError(const QString &title, const QString &detail) override;
    void showFirstRunHint() override;

    std::optional<SaveChoice> saveBeforeImport;
    std::optional<ImportChoice> importMode;
    std::optional<QString> importFile;
    std::optional<QString> exportFile;
    std::optional<SaveChoice> saveBeforeClosing;

    /// The questions asked, in order, by name.
    QStringList asked;
    QList<QStringList> refusals;
    QStringList transferErrors;
    int hints = 0;
    /// The close question when it had no scripted answer.
    std::function<void(SaveChoice)> pendingClose;
};
