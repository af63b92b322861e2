#pragma once

#include <QObject>

#include <memory>

class Coordinator;
class FileManagerScriptRunner;
class FinderController;
class Log;
class LoggingNotifier;
class QtPointerControl;
class QtScreenSource;
class RulesStore;

/// Builds Mirvale's services from their Linux implementations, once, and starts the
/// Coordinator. Owns everything it builds and takes it down in order.
class AppDelegate : public QObject
{
    Q_OBJECT
public:
    explicit AppDelegate(QObject *parent = nullptr);
    ~AppDelegate() override;

    /// Once the event loop runs: snapshot mode when the command line asks for it (and
    /// nothing else), else normal operation.
    void applicationDidFinishLaunching();

private:
    std::unique_ptr<Log> m_log;
    std::unique_ptr<RulesStore> m_rules;
    std::unique_ptr<FileManagerScriptRunner> m_scriptRunner;
    std::unique_ptr<FinderController> m_finder;
    std::unique_ptr<LoggingNotifier> m_notifier;
    std::unique_ptr<QtScreenSource> m_screens;
    std::unique_ptr<QtPointerControl> m_pointer;
    std::unique_ptr<Coordinator> m_coordinator;
    bool m_snapshotMode = false;
};
