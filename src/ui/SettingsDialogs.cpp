#include "ui/SettingsDialogs.h"

#include "app/DesktopMediaHandling.h"
#include "ui/AlertBox.h"
#include "ui/HintBar.h"
#include "ui/model/FirstRunHint.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>

namespace {

QString jsonFilter()
{
    return QCoreApplication::translate("SettingsDialogs", "JSON files (*.json)");
}

/// Opens a file dialog as a sheet and hands the chosen path (empty when cancelled) over once.
void openFileDialog(QFileDialog *dialog, std::function<void(const QString &)> answer)
{
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setNameFilter(jsonFilter());
    QObject::connect(dialog, &QFileDialog::finished, dialog, [dialog, answer](int result) {
        const QStringList files = dialog->selectedFiles();
        answer(result == QDialog::Accepted && !files.isEmpty() ? files.first() : QString());
    });
    dialog->open();
}

} // namespace

QMessageBox *SettingsDialogs::messageBox(const QString &objectName, int icon, const QString &message,
    const QString &informative, const QList<Button> &buttons, std::function<void(int)> answer)
{
    auto *box = new AlertBox(static_cast<QMessageBox::Icon>(icon), message, informative, m_window);
    box->setObjectName(objectName);
    box->setAttribute(Qt::WA_DeleteOnClose);
    QList<QPushButton *> pushButtons;
    for (qsizetype index = 0; index < buttons.size(); ++index) {
        // The roles only place the buttons: first the main answer, last the way out.
        const bool last = index == buttons.size() - 1;
        const QMessageBox::ButtonRole role = index == 0 ? QMessageBox::AcceptRole
            : last                                      ? QMessageBox::RejectRole
                                                        : QMessageBox::DestructiveRole;
        QPushButton *push = box->addButton(buttons.at(index).title, role);
        push->setObjectName(buttons.at(index).objectName);
        pushButtons.append(push);
    }
    box->setDefaultButton(pushButtons.first());
    box->setEscapeButton(pushButtons.last());
    QObject::connect(box, &QMessageBox::finished, box, [box, pushButtons, answer](int) {
        const int index = int(pushButtons.indexOf(qobject_cast<QPushButton *>(box->clickedButton())));
        answer(index < 0 ? int(pushButtons.size()) - 1 : index);
    });
    return box;
}

void SettingsDialogs::askSaveBeforeImport(std::function<void(SaveChoice)> answer)
{
    messageBox(QStringLiteral("saveBeforeImportQuestion"), QMessageBox::Warning,
        QCoreApplication::translate("SettingsDialogs", "Save Changes Before Importing?"),
        QCoreApplication::translate("SettingsDialogs",
            "You have unsaved changes to Mirvale\u2019s rules. Importing reloads the rules list "
            "from disk, so unsaved changes would be lost."),
        { { QCoreApplication::translate("SettingsDialogs", "Save"), QStringLiteral("saveChoice") },
            { QCoreApplication::translate("SettingsDialogs", "Discard"), QStringLiteral("discardChoice") },
            { QCoreApplication::translate("SettingsDialogs", "Cancel"), QStringLiteral("cancelChoice") } },
        [answer](int index) {
            answer(index == 0 ? SaveChoice::Save : index == 1 ? SaveChoice::Discard : SaveChoice::Cancel);
        })
        ->open();
}

void SettingsDialogs::askImportMode(std::function<void(ImportChoice)> answer)
{
    messageBox(QStringLiteral("importChoiceQuestion"), QMessageBox::Question,
        QCoreApplication::translate("SettingsDialogs", "Import Rules"),
        QCoreApplication::translate(
            "SettingsDialogs", "Replace all existing rules, or add the imported ones to the list?"),
        { { QCoreApplication::translate("SettingsDialogs", "Replace"), QStringLiteral("replaceChoice") },
            { QCoreApplication::translate("SettingsDialogs", "Append"), QStringLiteral("appendChoice") },
            { QCoreApplication::translate("SettingsDialogs", "Cancel"), QStringLiteral("cancelChoice") } },
        [answer](int index) {
            answer(index == 0    ? ImportChoice::Replace
                    : index == 1 ? ImportChoice::Append
                                 : ImportChoice::Cancel);
        })
        ->open();
}

void SettingsDialogs::chooseImportFile(std::function<void(const QString &)> answer)
{
    auto *dialog = new QFileDialog(
        m_window, QCoreApplication::translate("SettingsDialogs", "Import Rules"), QDir::homePath());
    dialog->setObjectName(QStringLiteral("importFileDialog"));
    dialog->setAcceptMode(QFileDialog::AcceptOpen);
    dialog->setFileMode(QFileDialog::ExistingFile);
    openFileDialog(dialog, std::move(answer));
}

void SettingsDialogs::chooseExportFile(std::function<void(const QString &)> answer)
{
    auto *dialog = new QFileDialog(
        m_window, QCoreApplication::translate("SettingsDialogs", "Export Rules"), QDir::homePath());
    dialog->setObjectName(QStringLiteral("exportFileDialog"));
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setFileMode(QFileDialog::AnyFile);
    dialog->setDefaultSuffix(QStringLiteral("json"));
    dialog->selectFile(QStringLiteral("Mirvale Rules.json"));
    openFileDialog(dialog, std::move(answer));
}

void SettingsDialogs::askSaveBeforeClosing(std::function<void(SaveChoice)> answer)
{
    QMessageBox *box = messageBox(QStringLiteral("closeQuestion"), QMessageBox::Warning,
        QCoreApplication::translate("SettingsDialogs", "Save changes to your rules?"),
        QCoreApplication::translate("SettingsDialogs", "You have unsaved changes to Mirvale\u2019s rules."),
        { { QCoreApplication::translate("SettingsDialogs", "Save"), QStringLiteral("saveChoice") },
            { QCoreApplication::translate("SettingsDialogs", "Don\u2019t Save"),
                QStringLiteral("dontSaveChoice") },
            { QCoreApplication::translate("SettingsDialogs", "Cancel"), QStringLiteral("cancelChoice") } },
        [answer](int index) {
            answer(index == 0 ? SaveChoice::Save : index == 1 ? SaveChoice::Discard : SaveChoice::Cancel);
        });
    // The one application-modal question; show() keeps it modal without an event loop of its own.
    box->setWindowModality(Qt::ApplicationModal);
    box->show();
}

void SettingsDialogs::showSaveRefused(const QStringList &errors)
{
    messageBox(QStringLiteral("saveRefusedAlert"), QMessageBox::Warning,
        QCoreApplication::translate("SettingsDialogs", "Can\u2019t Save Rules"),
        errors.join(QLatin1Char('\n')),
        { { QCoreApplication::translate("SettingsDialogs", "OK"), QStringLiteral("okButton") } }, [](int) {})
        ->open();
}

void SettingsDialogs::showTransferError(const QString &title, const QString &detail)
{
    messageBox(QStringLiteral("transferErrorAlert"), QMessageBox::Warning, title, detail,
        { { QCoreApplication::translate("SettingsDialogs", "OK"), QStringLiteral("okButton") } }, [](int) {})
        ->open();
}

void SettingsDialogs::showFirstRunHint()
{
    const bool xfce = DesktopMediaHandling::schemaFor(qEnvironmentVariable("XDG_CURRENT_DESKTOP"))
        == DesktopMediaHandling::kThunarVolman;
    const FirstRunHint hint
        = FirstRunHint::forDesktop(QStandardPaths::findExecutable(QStringLiteral("gnome-control-center")),
            xfce ? QStandardPaths::findExecutable(QStringLiteral("thunar-volman-settings")) : QString());
    if (m_hintBar) {
        m_hintBar->showHint(hint);
        return;
    }
    QList<Button> buttons;
    if (!hint.openButtonTitle.isEmpty())
        buttons.append({ hint.openButtonTitle, QStringLiteral("openSettingsButton") });
    buttons.append({ FirstRunHint::dismissButtonTitle(), QStringLiteral("gotItButton") });
    const bool canOpen = buttons.size() > 1;
    messageBox(QStringLiteral("firstRunHint"), QMessageBox::Information, hint.message, hint.informativeText,
        buttons,
        [hint, canOpen](int index) {
            if (canOpen && index == 0)
                QProcess::startDetached(hint.program, hint.arguments);
        })
        ->open();
}
