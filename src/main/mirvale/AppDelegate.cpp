#include "AppDelegate.h"

#include "app/Coordinator.h"
#include "app/LoggingNotifier.h"
#include "detection/FileCount.h"
#include "detection/VolumeWatcher.h"
#include "finder/FinderController.h"
#include "platform/linux/FileManagerScriptRunner.h"
#include "platform/linux/LibmountMountTable.h"
#include "platform/linux/LinuxVolumeInspector.h"
#include "platform/linux/StatxEntryAttributeSource.h"
#include "platform/linux/SysfsCardSlots.h"
#include "platform/linux/UDisksSession.h"
#include "platform/linux/UdevDeviceEventSource.h"
#include "platform/linux/gui/QtPointerControl.h"
#include "platform/linux/gui/QtScreenSource.h"
#include "rules/RulesStore.h"
#include "support/Log.h"

#include <QDBusConnection>

namespace {

VolumeWatcherFactory linuxVolumeWatcher(Logger &log)
{
    return [&log](VolumeWatching::MountCallback onMount) -> std::unique_ptr<VolumeWatching> {
        auto mountTable = std::make_shared<LibmountMountTable>();
        VolumeWatcher::Services services;
        services.mountTable = mountTable;
        services.volumeValues = std::make_shared<LinuxVolumeInspector>(mountTable);
        services.makeDescriptionSession = [mountTable]() -> std::unique_ptr<DiskDescriptionLookup> {
            return std::make_unique<LinuxVolumeInspector>(mountTable);
        };
        services.makeDiskSession = []() -> std::unique_ptr<DiskSession> {
            return std::make_unique<UDisksSession>(QDBusConnection::systemBus());
        };
        services.cardSlots = std::make_unique<SysfsCardSlots>(QStringLiteral("/sys"));
        services.slotEvents = std::make_unique<UdevDeviceEventSource>(
            QStringList{QStringLiteral("mmc_host"), QStringLiteral("mmc")});
        return std::make_unique<VolumeWatcher>(std::move(onMount), log, std::move(services));
    };
}

} // namespace

AppDelegate::AppDelegate(QObject *parent)
    : QObject(parent)
    , m_log(std::make_unique<Log>(Log::defaultLibraryFolder()))
    , m_rules(std::make_unique<RulesStore>(RulesStore::defaultStorageFolder(), *m_log))
    , m_scriptRunner(std::make_unique<FileManagerScriptRunner>(*m_log))
    , m_finder(std::make_unique<FinderController>(*m_scriptRunner, *m_log))
    , m_notifier(std::make_unique<LoggingNotifier>(*m_rules, *m_log))
    , m_screens(std::make_unique<QtScreenSource>())
    , m_pointer(std::make_unique<QtPointerControl>())
{
    Coordinator::Services services;
    services.rules = m_rules.get();
    services.finder = m_finder.get();
    services.notifier = m_notifier.get();
    services.screens = m_screens.get();
    services.pointer = m_pointer.get();
    services.log = m_log.get();
    services.makeVolumeWatcher = linuxVolumeWatcher(*m_log);
    services.files = &StatxEntryAttributeSource::instance();
    services.fileCount = [](const QString &folder) {
        return FileCount::regularFiles(folder, StatxEntryAttributeSource::instance());
    };
    m_coordinator = std::make_unique<Coordinator>(std::move(services));
}

AppDelegate::~AppDelegate()
{
    // The coordinator first: it stops the watcher and the pipeline, which use the rest.
    m_coordinator.reset();
    m_finder.reset();
    m_scriptRunner.reset();
    m_rules.reset();
    m_log->info(QStringLiteral("Mirvale quit"));
}

void AppDelegate::applicationDidFinishLaunching()
{
    m_coordinator->start();
}
