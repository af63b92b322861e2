#pragma once

#include "detection/MountedCard.h"
#include "rules/Rule.h"
#include "ui/RuleEditorControls.h"
#include "ui/RuleNumberFields.h"
#include "ui/model/RuleEditorLogic.h"

#include <QList>
#include <QPointer>
#include <QWidget>

#include <functional>
#include <memory>
#include <optional>

class BrowseCardPanel;
class CardFolderBrowser;
class FileManagerService;
class FolderLister;
class Logger;
class PointerControl;
class QLineEdit;
class QMessageBox;

/// The right-hand pane of the settings window: one rule as five titled sections. Every edit
/// becomes a new Rule handed to `onChange`; the editor stores nothing itself.
class RuleEditorView : public QWidget {
    Q_OBJECT
public:
    struct Services {
        FileManagerService *fileManager = nullptr; ///< captures the front file-manager window's bounds
        PointerControl *pointer = nullptr; ///< "Use current mouse position"
        Logger *log = nullptr;
        /// Lists a card's folders for "Browse card…"; without one the sheet lists nothing.
        const FolderLister *folders = nullptr;
    };

    explicit RuleEditorView(Services services, QWidget *parent = nullptr);
    ~RuleEditorView() override;

    /// The rule shown; none shows the empty message. Reloads every control unless the editor
    /// is storing its own edit.
    void setRule(const std::optional<Rule> &rule);
    std::optional<Rule> rule() const { return m_rule; }
    /// Fills the card menus; rebuilt only when the mount paths differ from the last list.
    void setMountedCards(const QList<MountedCard> &cards);
    QList<MountedCard> mountedCards() const { return m_mountedCards; }
    void setExtrasRevealed(bool revealed);
    bool extrasRevealed() const { return m_extrasRevealed; }

    /// Whether a capture of the front window is running.
    bool isCapturing() const { return m_isCapturing; }
    /// The "Browse Card" sheet while it is open.
    BrowseCardPanel *browsePanel() const;

    /// The editor's controls in the order Tab visits them.
    QList<QWidget *> focusOrder() const { return m_controls.focusOrder(); }

signals:
    /// After every edit, with the whole edited rule.
    void edited(const Rule &rule);
    /// The "Hide extras" button was pressed.
    void hideExtrasRequested();

protected:
    void changeEvent(QEvent *event) override;

private:
    void connectControls();
    void reloadAllControls();
    void refreshCardPopups();
    void updateEnablement();
    void apply(const Rule &edited);

    void matchRadioClicked();
    void volumeNameEdited(const QString &text);
    void pickMountedCardChanged(int index);
    void folderPresetPopupChanged(int index);
    void placeWindowToggled(bool on);
    void mouseWarpToggled(bool on);
    void useCurrentPositionClicked();
    void captureClicked();
    void captureAnswered(const std::optional<Placement> &bounds);
    void browseClicked();
    void browseChosen(const QString &path);

    Services m_services;
    std::optional<Rule> m_rule;
    QList<MountedCard> m_mountedCards;
    bool m_extrasRevealed = false;
    bool m_isApplyingInternalUpdate = false;
    bool m_isReportingChange = false;
    bool m_isCapturing = false;
    RuleEditorControls m_controls;
    RuleNumberFields m_numberFields;
    std::unique_ptr<CardFolderBrowser> m_browser;
    QPointer<BrowseCardPanel> m_browsePanel;
    QPointer<QMessageBox> m_captureAlert;
};
