#pragma once

#include "app/AbstractStatusMenu.h"
#include "ui/model/StatusMenuItem.h"
#include "ui/model/TrayMenuExport.h"

#include <QColor>
#include <QList>
#include <QObject>

#include <chrono>
#include <functional>
#include <memory>
#include <optional>

class Coordinator;
class Logger;
class Autostart;
class QAction;
class QMenu;
class QSystemTrayIcon;
class StatusNotifierExport;
class UpdateController;

/// The tray icon and its menu. Where a status-notifier host runs, Mirvale's own item carries
/// them, its menu rebuilt whenever what it shows changes (never when a host is about to show
/// it) and its labels escaped for that host. Elsewhere a QSystemTrayIcon goes to the XEmbed
/// tray, its menu rebuilt each time it is about to show; while it is open, card lines are
/// retitled in place.
class StatusMenu final : public QObject, public AbstractStatusMenu {
    Q_OBJECT
public:
    struct Services {
        Coordinator *coordinator = nullptr;
        Autostart *autostart = nullptr;
        /// May be null where updates cannot be had.
        UpdateController *updates = nullptr;
        /// Shows the log file in the file manager.
        std::function<void()> showLog;
        /// Ends the application; QCoreApplication::quit when empty.
        std::function<void()> quit;
        /// Hears that the desktop has no tray; may be null.
        Logger *log = nullptr;
        /// How long the desktop has to bring up a tray before the user is told there is none.
        std::chrono::milliseconds trayGrace = std::chrono::seconds(10);
        /// Tells the user once about the missing tray, calling `showWindow` where a window
        /// must do; empty: the window is shown at every start.
        std::function<void(std::function<void()> showWindow)> tellNoTray;
        /// Mirvale's own status-notifier item; null: only the QSystemTrayIcon.
        StatusNotifierExport *trayExport = nullptr;
    };

    /// The collaborators must outlive the menu. Shows the icon at once.
    explicit StatusMenu(Services services, QObject *parent = nullptr);
    ~StatusMenu() override;

    void refreshIcon() override;

    QMenu *menu() const { return m_menu.get(); }
    /// Null while Mirvale's own item may yet be shown by a status-notifier host.
    QSystemTrayIcon *trayIcon() const { return m_trayIcon.get(); }
    /// What the menu shows now, line for line.
    const QList<StatusMenuItem> &items() const { return m_items; }
    /// What the status-notifier item's menu holds now.
    const TrayMenuExport &exported() const { return m_export; }

private:
    void rebuild();
    void makeTrayIcon();
    void handleExternalChange();
    /// Says once, in the log and on screen, how to reach Mirvale when no tray shows its icon.
    void noticeMissingTray();
    void showNoTrayWindow();
    void retitleOpenMenuCards();
    QString entryText(const StatusMenuItem &item) const;
    /// Gives `action` the line's text, tick, enablement and shortcut.
    void applyLine(QAction *action, const StatusMenuItem &item) const;
    void perform(qsizetype index);
    void perform(const StatusMenuItem &item);
    /// Brings the exported menu up to date once the current event-loop turn is done, so that
    /// a burst of changes reaches the host as one update.
    void scheduleExport();
    void exportMenu();
    void handleHostChanged();
    QList<StatusMenuItem> currentItems() const;
    void toggleLaunchAtLogin();
    void showLaunchAtLoginAlert(const QString &description);
    void drawIcon(bool paused);

    Services m_services;
    std::unique_ptr<QMenu> m_menu;
    std::unique_ptr<QSystemTrayIcon> m_trayIcon;
    QList<StatusMenuItem> m_items;
    QList<QAction *> m_actions;
    bool m_menuOpen = false;
    std::optional<bool> m_iconPaused;
    TrayMenuExport m_export;
    QList<StatusMenuItem> m_exportedItems;
    bool m_exportQueued = false;
};
