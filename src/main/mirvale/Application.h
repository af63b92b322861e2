#pragma once

#include <QDBusConnection>
#include <QObject>

#include <memory>

class BusFileManagerViews;
class DBusStatusNotifierItem;
class CardWindowTidier;
class DesktopNotifier;
class FreedesktopNotifications;
class DesktopMediaHandling;
class NoTrayNotice;
class StateFile;
class ControlInterface;
class Coordinator;
class FileManager1Connection;
class FileManagerWindows;
class FileManagerClient;
class Log;
class Autostart;
class PackageKitUpdateService;
class MainLoopTimers;
class Notifier;
class PortalMotionPreference;
class ProcProcessTable;
class QtPointerControl;
class QtScreenSource;
class RulesStore;
class UpdateController;
class X11WindowService;

/// Builds Mirvale's services from their Linux implementations, once, and starts the
/// Coordinator. Owns everything it builds and takes it down in order.
class Application : public QObject {
    Q_OBJECT
public:
    explicit Application(QObject *parent = nullptr);
    ~Application() override;

    /// Offers the control interface on `connection`, whose service name this process owns.
    void exportControl(QDBusConnection connection);
    /// Once the event loop runs: snapshot mode when the command line asks for it (and
    /// nothing else), else normal operation.
    void start();

private:
    std::unique_ptr<Log> m_log;
    // One state file for the whole application: each writer replaces the file whole.
    std::shared_ptr<StateFile> m_state;
    std::unique_ptr<RulesStore> m_rules;
    std::unique_ptr<X11WindowService> m_windowService;
    std::unique_ptr<ProcProcessTable> m_processes;
    // Outlives the windows, which use it from the tidy-up queue.
    std::unique_ptr<BusFileManagerViews> m_fileManagerViews;
    std::unique_ptr<FileManagerWindows> m_windows;
    std::unique_ptr<CardWindowTidier> m_windowTidier;
    std::unique_ptr<FileManager1Connection> m_fileManagerConnection;
    std::unique_ptr<FileManagerClient> m_fileManager;
    std::unique_ptr<MainLoopTimers> m_timers;
    std::unique_ptr<PortalMotionPreference> m_motion;
    std::unique_ptr<Notifier> m_notifier;
    std::unique_ptr<FreedesktopNotifications> m_desktopNotifications;
    // Reports: the panels above, or the desktop's notifications.
    std::unique_ptr<DesktopNotifier> m_reports;
    std::unique_ptr<NoTrayNotice> m_noTray;
    std::unique_ptr<DesktopMediaHandling> m_mediaHandling;
    std::unique_ptr<QtScreenSource> m_screens;
    std::unique_ptr<QtPointerControl> m_pointer;
    std::unique_ptr<Autostart> m_autostart;
    std::unique_ptr<PackageKitUpdateService> m_updateService;
    std::unique_ptr<UpdateController> m_updates;
    // Outlives the status menu, which the Coordinator owns.
    std::unique_ptr<DBusStatusNotifierItem> m_trayExport;
    std::unique_ptr<Coordinator> m_coordinator;
    std::unique_ptr<ControlInterface> m_control;
    bool m_snapshotMode = false;
};
