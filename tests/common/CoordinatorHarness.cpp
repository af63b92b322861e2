#include "common/CoordinatorHarness.h"

Coordinator::Services CoordinatorHarness::coordinatorServices(const EntryAttributeSource &files)
{
    Coordinator::Services services;
    services.rules = &m_rules;
    services.fileManager = &m_fileManager;
    services.notifier = &m_notifier;
    services.screens = &m_screens;
    services.pointer = &m_pointer;
    services.log = &m_log;
    services.files = &files;
    services.makeVolumeWatcher = [this](VolumeWatching::MountCallback onMount) {
        auto watcher = std::make_unique<FakeVolumeWatcher>(std::move(onMount));
        m_watcher = watcher.get();
        return watcher;
    };
    return services;
}
