#pragma once

#include "app/DesktopMediaHandling.h"
#include "detection/MountedCard.h"
#include "rules/AppSettings.h"
#include "rules/Rule.h"
#include "ui/model/FileManagerStatus.h"
#include "ui/model/RuleListModel.h"
#include "ui/model/RuleTransfer.h"
#include "ui/model/TestMenuModel.h"
#include "ui/model/ValidationDisplay.h"

#include <QItemSelectionModel>
#include <QObject>

#include <functional>
#include <optional>

class FileManagerService;
class Logger;
class RulesStore;
class SettingsPrompts;
class VolumeWatching;

/// What the settings window decides: the working copy of the rules and its selection, the
/// list commands, validation and save state, the general switches, the automation status,
/// the test menu, saving, importing, exporting and the question on closing. The window
/// only shows this state and forwards the user's actions.
class SettingsWindowModel : public QObject {
    Q_OBJECT
public:
    struct Services {
        RulesStore *store = nullptr;
        FileManagerService *fileManager = nullptr;
        Logger *log = nullptr;
        /// The mounted cards for the editor and the test menu; may be null (no cards).
        VolumeWatching *cards = nullptr;
        /// Opens a rule on a card now, ignoring pause and matching.
        std::function<void(const Rule &, const MountedCard &)> testRule;
        /// The desktop's own handling of camera cards; may be null (not known).
        DesktopMediaHandling *mediaHandling = nullptr;
    };

    /// The General group's line about the desktop's own handling of camera cards.
    struct CameraCardsLine {
        bool visible = false;
        QString text;
        QString buttonTitle;
        bool buttonEnabled = false;
    };

    SettingsWindowModel(Services services, SettingsPrompts &prompts, QObject *parent = nullptr);
    ~SettingsWindowModel() override;

    RuleListModel *ruleList() { return &m_rules; }
    QItemSelectionModel *selection() { return &m_selection; }
    const RuleList &workingRules() const { return m_rules.rules(); }
    /// The selected row, or -1.
    int selectedRow() const;
    /// The rule the editor shows: the selected working rule.
    std::optional<Rule> editorRule() const;
    QList<MountedCard> editorCards() const { return m_editorCards; }
    bool extrasRevealed() const { return m_extrasRevealed; }

    ValidationDisplay validation() const { return m_validation; }
    /// The working copy differs from the saved rules.
    bool isDirty() const;
    /// "Save" while there is something to save, else "Saved" (disabled).
    QString saveTitle() const;
    AppSettings generalSettings() const;
    FileManagerStatus fileManagerStatus() const { return m_fileManagerStatus; }
    QStringList testMenuItems() const { return m_testMenu.items(); }
    bool isTestMenuEnabled() const { return m_testMenuEnabled; }
    CameraCardsLine cameraCardsLine() const;

    /// Fills the window before it is shown; a window already visible keeps its working copy.
    void show(bool windowVisible, bool revealExtras);
    /// Once per settings file, after the window is up.
    void presentFirstRunHintIfNeeded();
    /// Fills the window like show(), without the automation check, the hint or any write.
    void prepareForSnapshot();

    void addRule();
    void removeRule();
    void moveRuleUp();
    void moveRuleDown();
    /// The checkbox of `row`.
    void setRuleEnabled(int row, bool enabled);
    /// The editor's edit of the rule with the same id.
    void editorChanged(const Rule &rule);
    void hideExtras();
    void selectRow(int row);

    void setHandleCardsPresentAtLaunch(bool on);
    void setShowNotifications(bool on);
    void setShowUnmountItems(bool on);
    void setReportWith(ReportMedium medium);
    void setMountInsertedCards(bool on);
    /// The camera cards line's button: Mirvale or the desktop opens them from now on.
    void switchCameraCards();

    void checkFileManager();
    /// Item `index` of the test menu (item 0 is its title).
    void testItemChosen(int index);
    void mountedCardsChanged();

    /// Saves the working copy; false when refused (errors shown) or failed (logged).
    bool trySave();
    void importRules() { m_transfer.importRules(); }
    void exportRules() { m_transfer.exportRules(); }
    /// Calls `close` now when nothing is unsaved; otherwise after the user's answer, if at all.
    void requestClose(std::function<void()> close);
    /// The application quits without asking: unsaved edits are dropped, and the log says so.
    void discardForQuit();

signals:
    /// The editor must show editorRule() (the selection changed, or the list changed it).
    void editorRuleChanged();
    void editorCardsChanged();
    void extrasRevealedChanged();
    void validationChanged();
    void saveStateChanged();
    void generalSettingsChanged();
    void fileManagerChanged();
    void testMenuChanged();
    void cameraCardsChanged();

private:
    /// Runs a list command with the selection's own notifications held back, then loads
    /// the selection into the editor once.
    template <typename Command> void command(Command run);
    void reloadFromStore(const std::optional<QUuid> &keepSelected);
    void refreshEditorContext();
    void loadSelectionIntoEditor();
    void refreshValidation();
    void displayValidation(const ValidationDisplay &display);
    void rebuildTestMenu(const QList<MountedCard> &cards);
    void updateTestMenuEnabled();
    void settingsSaveFailed(const QString &message);
    void setGeneral(bool AppSettings::*field, bool on);
    QList<MountedCard> currentCards() const;

    void cameraCardsRead(const DesktopMediaHandling::Outcome &outcome);

    Services m_services;
    SettingsPrompts &m_prompts;
    std::optional<DesktopMediaHandling::Outcome> m_cameraCards;
    bool m_cameraCardsBusy = false;
    bool m_hintWaiting = false;
    RuleListModel m_rules;
    QItemSelectionModel m_selection;
    RuleTransfer m_transfer;
    ValidationDisplay m_validation;
    TestMenuModel m_testMenu;
    bool m_testMenuEnabled = false;
    FileManagerStatus m_fileManagerStatus;
    quint64 m_automationCheck = 0;
    QList<MountedCard> m_editorCards;
    bool m_extrasRevealed = false;
    int m_holdSelection = 0;
};
