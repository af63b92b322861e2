#include "Application.h"

#include "app/Autostart.h"
#include "app/ControlInterface.h"
#include "app/Coordinator.h"
#include "app/DesktopMediaHandling.h"
#include "app/DesktopNotifier.h"
#include "app/NoTrayNotice.h"
#include "app/SnapshotOptions.h"
#include "app/UpdateController.h"
#include "detection/FileCount.h"
#include "detection/InsertedCardMounter.h"
#include "detection/StillMounted.h"
#include "detection/VolumeWatcher.h"
#include "filemanager/CardWindowTidier.h"
#include "filemanager/FileManagerClient.h"
#include "filemanager/FileManagerWindows.h"
#include "filemanager/LogReveal.h"
#include "platform/linux/AutostartEntry.h"
#include "platform/linux/BusFileManagerViews.h"
#include "platform/linux/FileManager1Connection.h"
#include "platform/linux/FileManagerName.h"
#include "platform/linux/FreedesktopNotifications.h"
#include "platform/linux/LibmountMountTable.h"
#include "platform/linux/LinuxVolumeInspector.h"
#include "platform/linux/PackageKitUpdateService.h"
#include "platform/linux/PortalMotionPreference.h"
#include "platform/linux/PosixFileAccess.h"
#include "platform/linux/PosixFolderLister.h"
#include "platform/linux/ProcMountUsers.h"
#include "platform/linux/ProcProcessTable.h"
#include "platform/linux/ProcessCommandRunner.h"
#include "platform/linux/StateFile.h"
#include "platform/linux/StatxEntryAttributeSource.h"
#include "platform/linux/SysfsCardSlots.h"
#include "platform/linux/UDisksSession.h"
#include "platform/linux/UdevDeviceEventSource.h"
#include "platform/linux/X11WindowService.h"
#include "platform/linux/XdgStandardFolders.h"
#include "platform/linux/gui/DBusStatusNotifierItem.h"
#include "platform/linux/gui/QtPointerControl.h"
#include "platform/linux/gui/QtScreenSource.h"
#include "platform/linux/gui/X11Compositing.h"
#include "platform/linux/gui/X11WindowHints.h"
#include "platform/linux/gui/XWayland.h"
#include "rules/RulesStore.h"
#include "support/Log.h"
#include "support/MainLoopTimers.h"
#include "support/Translations.h"
#include "support/Workers.h"
#include "ui/Notifier.h"
#include "ui/SettingsWindow.h"
#include "ui/SnapshotMode.h"
#include "ui/StatusMenu.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QGuiApplication>
#include <QLocale>

namespace {

/// Only a native Wayland session, without XWayland, keeps Mirvale from placing its panels.
bool panelsPlaceable()
{
    return QGuiApplication::platformName() != QStringLiteral("wayland");
}

VolumeWatcherFactory linuxVolumeWatcher(
    Logger &log, std::shared_ptr<StateStore> state, InsertedCardMounter::Services mounting)
{
    return [&log, state, mounting](VolumeWatching::MountCallback onMount) -> std::unique_ptr<VolumeWatching> {
        auto mountTable = std::make_shared<LibmountMountTable>();
        VolumeWatcher::Services services;
        services.mountTable = mountTable;
        services.volumeValues = std::make_shared<LinuxVolumeInspector>(mountTable);
        services.makeDescriptionSession = [mountTable]() -> std::unique_ptr<DiskDescriptionLookup> {
            return std::make_unique<LinuxVolumeInspector>(mountTable);
        };
        services.makeDiskSession = [mounting]() -> std::unique_ptr<DiskSession> {
            return std::make_unique<InsertedCardMounter>(
                std::make_unique<UDisksSession>(QDBusConnection::systemBus()), mounting);
        };
        services.cardSlots = std::make_unique<SysfsCardSlots>(QStringLiteral("/sys"));
        services.slotEvents = std::make_unique<UdevDeviceEventSource>(
            QStringList { QStringLiteral("mmc_host"), QStringLiteral("mmc") });
        // Stateless, and called from worker threads that may still be winding down at exit:
        // one runner for the life of the process, never destroyed.
        static auto *const commandRunner = new ProcessCommandRunner;
        services.commands = std::shared_ptr<CommandRunner>(std::shared_ptr<CommandRunner>(), commandRunner);
        services.stateStore = state;
        return std::make_unique<VolumeWatcher>(std::move(onMount), log, std::move(services));
    };
}

/// The log, taking Qt's own messages from the start, so that a platform or D-Bus warning
/// lands in the same file.
std::unique_ptr<Log> capturingQtMessages(std::unique_ptr<Log> log)
{
    log->captureQtMessages();
    return log;
}

} // namespace

Application::Application(QObject *parent)
    : QObject(parent)
    , m_log(capturingQtMessages(std::make_unique<Log>(XdgStandardFolders().stateHome())))
    , m_state(std::make_shared<StateFile>(StateFile::moveEarlier(
          XdgStandardFolders().stateHome() + QStringLiteral("/mirvale/state.ini"),
          RulesStore::defaultStorageFolder(XdgStandardFolders()) + QStringLiteral("/defaults.ini"), *m_log)))
    , m_rules(std::make_unique<RulesStore>(RulesStore::defaultStorageFolder(XdgStandardFolders()), *m_log,
          std::make_shared<PosixFileAccess>()))
    , m_windowService(std::make_unique<X11WindowService>())
    , m_processes(std::make_unique<ProcProcessTable>())
    , m_fileManagerViews(std::make_unique<BusFileManagerViews>(QDBusConnection::sessionBus()))
    , m_windows(std::make_unique<FileManagerWindows>(*m_windowService, *m_processes, *m_log))
    , m_windowTidier(std::make_unique<CardWindowTidier>(*m_windows))
    , m_fileManagerConnection(std::make_unique<FileManager1Connection>(
          *m_log, FileManager1Connection::kCallTimeout, m_windows.get()))
    , m_fileManager(std::make_unique<FileManagerClient>(*m_fileManagerConnection, *m_log))
    , m_timers(std::make_unique<MainLoopTimers>())
    , m_motion(std::make_unique<PortalMotionPreference>(QDBusConnection::sessionBus()))
    , m_notifier(std::make_unique<Notifier>(
          Notifier::Services { m_rules.get(), m_log.get(), m_timers.get(), m_motion.get(),
              &X11Compositing::isRunning, XWayland::isDisplayServer(), &X11WindowHints::markAsNotification }))
    , m_desktopNotifications(std::make_unique<FreedesktopNotifications>(QDBusConnection::sessionBus(),
          FreedesktopNotifications::Identity {
              QStringLiteral("Mirvale"), QStringLiteral("io.github.mirvale.Mirvale") }))
    , m_reports(std::make_unique<DesktopNotifier>(DesktopNotifier::Services { m_rules.get(), m_log.get(),
          m_notifier.get(), m_desktopNotifications.get(),
          [this](const QUrl &folder) {
              m_fileManager->open(
                  folder, std::nullopt, true, std::nullopt, [](const std::optional<MirvaleError> &) {});
          },
          panelsPlaceable() }))
    , m_noTray(std::make_unique<NoTrayNotice>(
          NoTrayNotice::Services { m_state.get(), m_desktopNotifications.get(), m_log.get() }))
    , m_screens(std::make_unique<QtScreenSource>())
    , m_pointer(std::make_unique<QtPointerControl>())
    , m_autostart(std::make_unique<Autostart>(
          std::make_shared<AutostartEntry>(
              AutostartEntry::defaultAutostartFolder(), QCoreApplication::applicationFilePath()),
          *m_log))
    , m_updateService(std::make_unique<PackageKitUpdateService>(QDBusConnection::systemBus(), *m_log))
    , m_updates(std::make_unique<UpdateController>(m_updateService.get()))
    , m_trayExport(std::make_unique<DBusStatusNotifierItem>(QDBusConnection::sessionBus(), m_log.get()))
{
    m_windows->setViews(m_fileManagerViews.get());
    // Lives as long as the process: background reads may outlast the application object.
    static auto *const mediaCommands = new ProcessCommandRunner;
    m_mediaHandling = std::make_unique<DesktopMediaHandling>(
        DesktopMediaHandling::Services { mediaCommands, m_state.get(), m_log.get(),
            [](std::function<void()> work) { Workers::start(Workers::general(), std::move(work)); },
            [](std::function<void()> work) {
                Workers::post(QCoreApplication::instance(), std::move(work));
            } },
        DesktopMediaHandling::schemaFor(qEnvironmentVariable("XDG_CURRENT_DESKTOP")));
    m_motion->start();
    // Qt took the first platform of the list that worked; a support log says which.
    m_log->info(QStringLiteral("Display platform: ") + QGuiApplication::platformName());
    m_log->info(
        QStringLiteral("Language: %1 (the user asks for %2), laid out %3")
            .arg(Translations::installedLanguage(), QLocale::system().uiLanguages().join(QLatin1Char(':')),
                QGuiApplication::isRightToLeft() ? QStringLiteral("right to left")
                                                 : QStringLiteral("left to right")));
    if (XWayland::isDisplayServer())
        m_log->info(QStringLiteral(
            "Session: Wayland, with Mirvale on XWayland. Mirvale cannot ask the compositor for an activation "
            "token, so the file manager decides itself whether its window comes to the front; a file manager "
            "running on Wayland itself can be neither placed nor raised by Mirvale."));
    Coordinator::Services services;
    services.rules = m_rules.get();
    services.fileManager = m_fileManager.get();
    services.notifier = m_reports.get();
    services.screens = m_screens.get();
    services.pointer = m_pointer.get();
    services.log = m_log.get();
    InsertedCardMounter::Services mounting;
    mounting.log = m_log.get();
    mounting.timers = m_timers.get();
    mounting.enabled = [this] { return m_rules->settings().mountInsertedCards; };
    mounting.reportProblem = [this](const QString &card, const QString &message) {
        MountedCard shown;
        shown.name = card;
        m_reports->cardProblem(shown, UserText::verbatim(message));
    };
    mounting.memory = std::make_shared<InsertedCardMounter::Memory>();
    services.makeVolumeWatcher = linuxVolumeWatcher(*m_log, m_state, std::move(mounting));
    services.files = &StatxEntryAttributeSource::instance();
    services.fileCount = &FileCount::regularFiles;
    services.isStillMounted = [table = std::make_shared<LibmountMountTable>()](
                                  const MountedCard &card) { return isStillMounted(*table, card); };
    services.makeStatusMenu = [this](Coordinator &coordinator) -> std::unique_ptr<AbstractStatusMenu> {
        StatusMenu::Services menu;
        menu.coordinator = &coordinator;
        menu.autostart = m_autostart.get();
        menu.updates = m_updates.get();
        menu.showLog = [this] { LogReveal::revealInFileManager(*m_log, *m_fileManager); };
        menu.log = m_log.get();
        menu.tellNoTray = [this](std::function<void()> showWindow) { m_noTray->tell(std::move(showWindow)); };
        menu.trayExport = m_trayExport.get();
        return std::make_unique<StatusMenu>(std::move(menu));
    };
    services.refreshAutostartStatus = [this] { m_autostart->refreshStatus(); };
    services.closeCardWindows = [this](const QString &cardPath, std::function<void()> then) {
        m_windowTidier->closeBeforeUnmount(cardPath, std::move(then));
    };
    services.timers = m_timers.get();
    services.mountUsers = std::make_shared<ProcMountUsers>(FileManagerName::dataDirs());
    services.makeSettingsWindow = [this](Coordinator &coordinator) {
        SettingsWindow::Services window;
        window.store = m_rules.get();
        window.fileManager = m_fileManager.get();
        window.pointer = m_pointer.get();
        window.log = m_log.get();
        window.cards = &coordinator.volumeWatcher();
        window.folders = &PosixFolderLister::instance();
        window.testRule
            = [&coordinator](const Rule &rule, const MountedCard &card) { coordinator.test(rule, card); };
        window.mediaHandling = m_mediaHandling.get();
        return std::unique_ptr<AbstractSettingsWindow>(std::make_unique<SettingsWindow>(window));
    };
    m_coordinator = std::make_unique<Coordinator>(std::move(services));
}

Application::~Application()
{
    m_control.reset();
    // The coordinator first: it stops the watcher and the pipeline, which use the rest.
    m_coordinator.reset();
    m_updates.reset();
    m_updateService.reset();
    m_fileManager.reset();
    m_fileManagerConnection.reset();
    m_windowTidier.reset();
    m_rules.reset();
    if (!m_snapshotMode)
        m_log->info(QStringLiteral("Mirvale quit"));
}

void Application::exportControl(QDBusConnection connection)
{
    m_control = std::make_unique<ControlInterface>(*m_coordinator, *m_log);
    m_control->setReportDefault(DesktopNotifier::medium(AppSettings::defaults(), panelsPlaceable()));
    if (!m_control->registerOn(connection))
        m_log->warn(QStringLiteral("Control: could not export the control interface on the session bus"));
}

void Application::start()
{
    const QStringList arguments = QCoreApplication::arguments();
    if (const std::optional<QString> output = SnapshotOptions::outputPath(arguments)) {
        m_snapshotMode = true;
        SnapshotMode::run(*m_coordinator, *m_rules, *m_log,
            { *output, arguments, RulesStore::defaultStorageFolder(XdgStandardFolders()) });
        return;
    }
    m_coordinator->start();
    m_updates->start();

    // The windows Mirvale opened on a card close when the card goes away.
    VolumeWatching &watcher = m_coordinator->volumeWatcher();
    m_windowTidier->cardsChanged(watcher.mountedCards());
    watcher.observeCardsChanged(
        this, [this] { m_windowTidier->cardsChanged(m_coordinator->volumeWatcher().mountedCards()); });
}
