#pragma once

#include <QObject>

#include <memory>

class CardWindowTidier;
class Coordinator;
class FileManagerScriptRunner;
class FileManagerWindows;
class FinderController;
class Log;
class LoggingNotifier;
class QtPointerControl;
class QtScreenSource;
class RulesStore;
class X11WindowService;

/// Builds Mirvale's services from their Linux implementations, once, and starts the
/// Coordinator. Owns everything it builds and takes it down in order.
class AppDelegate : public QObject
{
    Q_OBJECT
public:
    explicit AppDelegate(QObject *parent = nullptr);
    ~AppDelegate() override;

    /// Starts normal operation once the event loop runs.
    void applicationDidFinishLaunching();

private:
    std::unique_ptr<Log> m_log;
    std::unique_ptr<RulesStore> m_rules;
    std::unique_ptr<X11WindowService> m_windowService;
    std::unique_ptr<FileManagerWindows> m_windows;
    std::unique_ptr<CardWindowTidier> m_windowTidier;
    std::unique_ptr<FileManagerScriptRunner> m_scriptRunner;
    std::unique_ptr<FinderController> m_finder;
    std::unique_ptr<LoggingNotifier> m_notifier;
    std::unique_ptr<QtScreenSource> m_screens;
    std::unique_ptr<QtPointerControl> m_pointer;
    std::unique_ptr<Coordinator> m_coordinator;
};
