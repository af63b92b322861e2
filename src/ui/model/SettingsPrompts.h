#pragma once

#include <QString>
#include <QStringList>

#include <functional>

/// The questions and alerts of the settings window. The window shows them as sheets that
/// answer later (never in a nested event loop); tests answer them from a script.
class SettingsPrompts {
public:
    /// "Save" / "Discard" (or "Don’t Save") / "Cancel".
    enum class SaveChoice { Save, Discard, Cancel };
    enum class ImportChoice { Replace, Append, Cancel };

    virtual ~SettingsPrompts() = default;

    /// "Save Changes Before Importing?"
    virtual void askSaveBeforeImport(std::function<void(SaveChoice)> answer) = 0;
    /// "Import Rules": replace or append.
    virtual void askImportMode(std::function<void(ImportChoice)> answer) = 0;
    /// One JSON file to import; an empty path when cancelled.
    virtual void chooseImportFile(std::function<void(const QString &path)> answer) = 0;
    /// Where to export; an empty path when cancelled.
    virtual void chooseExportFile(std::function<void(const QString &path)> answer) = 0;
    /// "Save changes to your rules?", the one application-modal question.
    virtual void askSaveBeforeClosing(std::function<void(SaveChoice)> answer) = 0;
    /// "Can’t Save Rules" with the error messages, one per line.
    virtual void showSaveRefused(const QStringList &errors) = 0;
    /// A failed import or export: a short title saying what failed, the reason under it.
    virtual void showTransferError(const QString &title, const QString &detail) = 0;
    /// The once-only hint about other applications opening cards.
    virtual void showFirstRunHint() = 0;
};
