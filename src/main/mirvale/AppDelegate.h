#pragma once

#include <QDBusConnection>
#include <QObject>

#include <memory>

class CardWindowTidier;
class ControlInterface;
class Coordinator;
class FileManagerScriptRunner;
class FileManagerWindows;
class FinderController;
class Log;
class LoggingNotifier;
class LoginItem;
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
class AppDelegate : public QObject {
    Q_OBJECT
public:
    explicit AppDelegate(QObject *parent = nullptr);
    ~AppDelegate() override;

    /// Offers the control interface on `connection`, whose service name this process owns.
    void exportControl(QDBusConnection connection);
    /// Once the event loop runs: snapshot mode when the command line asks for it (and
    /// nothing else), else normal operation.
    void applicationDidFinishLaunching();

private:
    std::unique_ptr<Log> m_log;
    std::unique_ptr<RulesStore> m_rules;
    std::unique_ptr<X11WindowService> m_windowService;
    std::unique_ptr<ProcProcessTable> m_processes;
    std::unique_ptr<FileManagerWindows> m_windows;
    std::unique_ptr<CardWindowTidier> m_windowTidier;
    std::unique_ptr<FileManagerScriptRunner> m_scriptRunner;
    std::unique_ptr<FinderController> m_finder;
    std::unique_ptr<MainLoopTimers> m_timers;
    std::unique_ptr<PortalMotionPreference> m_motion;
    std::unique_ptr<Notifier> m_notifier;
    std::unique_ptr<QtScreenSource> m_screens;
    std::unique_ptr<QtPointerControl> m_pointer;
    std::unique_ptr<LoginItem> m_loginItem;
    std::unique_ptr<PackageKitUpdateService> m_updateService;
    std::unique_ptr<UpdateController> m_updates;
    std::unique_ptr<Coordinator> m_coordinator;
    std::unique_ptr<ControlInterface> m_control;
    bool m_snapshotMode = false;
};
