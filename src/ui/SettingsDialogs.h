#pragma once

#include "ui/model/SettingsPrompts.h"

#include <QList>

class HintBar;
class QMessageBox;
class QWidget;

/// The settings window's sheets: message boxes and file dialogs opened window-modal on the
/// window with open(), answering through their signals. The question on closing is
/// application-modal, still without a nested event loop.
class SettingsDialogs final : public SettingsPrompts {
public:
    explicit SettingsDialogs(QWidget *window)
        : m_window(window)
    {
    }

    void askSaveBeforeImport(std::function<void(SaveChoice)> answer) override;
    void askImportMode(std::function<void(ImportChoice)> answer) override;
    void chooseImportFile(std::function<void(const QString &path)> answer) override;
    void chooseExportFile(std::function<void(const QString &path)> answer) override;
    void askSaveBeforeClosing(std::function<void(SaveChoice)> answer) override;
    void showSaveRefused(const QStringList &errors) override;
    void showTransferError(const QString &title, const QString &detail) override;
    void showFirstRunHint() override;
    /// Where the first-run hint goes: a bar inside the window, not a window of its own.
    void setHintBar(HintBar *bar) { m_hintBar = bar; }

private:
    struct Button {
        QString title;
        QString objectName;
    };

    /// A message box on the window; `answer` gets the index of the button clicked (the
    /// last one when the box is dismissed otherwise). Shown by the caller.
    QMessageBox *messageBox(const QString &objectName, int icon, const QString &message,
        const QString &informative, const QList<Button> &buttons, std::function<void(int)> answer);

    QWidget *m_window;
    HintBar *m_hintBar = nullptr;
};
