#pragma once

#include "app/AbstractSettingsWindow.h"
#include "detection/MountedCard.h"
#include "rules/Rule.h"
#include "ui/SettingsDialogs.h"
#include "ui/model/SettingsWindowModel.h"

#include <QWidget>

#include <functional>

class FileManagerService;
class FolderLister;
class Logger;
class PointerControl;
class QKeySequence;
class RuleEditorView;
class RulesStore;
class SettingsBottomBar;
class VolumeWatching;

/// The settings window: the rule list on the left, the editor of the selected rule on the
/// right, the automation status, the test menu and Save along the bottom. Its decisions
/// are SettingsWindowModel's; this class lays out the views and connects them.
class SettingsWindow : public QWidget, public AbstractSettingsWindow {
    Q_OBJECT
public:
    static constexpr QSize kSize { 980, 620 };
    /// Within what a 1280×720 screen at 150 % (853×480) and a 1600×1000 one at 200 % (800×500)
    /// leave, less the desktop's bars and the title bar: the panes scroll, the bottom bar stays.
    static constexpr QSize kMinimumSize { 780, 400 };

    struct Services {
        RulesStore *store = nullptr;
        FileManagerService *fileManager = nullptr;
        PointerControl *pointer = nullptr;
        Logger *log = nullptr;
        /// Lists a card's folders for the editor's card browser.
        const FolderLister *folders = nullptr;
        /// The mounted cards; may be null.
        VolumeWatching *cards = nullptr;
        std::function<void(const Rule &, const MountedCard &)> testRule;
        /// The desktop's own handling of camera cards; may be null.
        DesktopMediaHandling *mediaHandling = nullptr;
    };

    explicit SettingsWindow(const Services &services, QWidget *parent = nullptr);
    ~SettingsWindow() override;

    void show(bool revealExtras) override;
    /// Fills the window as show() does, without showing it, checking automation or hinting.
    void prepareForSnapshot();

    SettingsWindowModel &model() { return m_model; }

protected:
    void closeEvent(QCloseEvent *event) override;
    /// Watches the application for its quit request.
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void centreOnScreen();
    /// `key` runs `action` while the focus is where `context` says, relative to `on` (the window
    /// when null).
    void addShortcut(const QKeySequence &key, Qt::ShortcutContext context, std::function<void()> action,
        QWidget *on = nullptr);

    SettingsDialogs m_dialogs;
    SettingsWindowModel m_model;
    RuleEditorView *m_editor = nullptr;
    SettingsBottomBar *m_bottomBar = nullptr;
    /// Set when the user's answer allows the close that follows.
    bool m_closeApproved = false;
};
