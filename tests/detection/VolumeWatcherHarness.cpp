#include "detection/VolumeWatcherHarness.h"

#include "platform/linux/SysfsCardSlots.h"

VolumeWatcher::Services VolumeWatcherHarness::watcherServices()
{
    VolumeWatcher::Services services;
    services.mountTable = mountTable;
    services.volumeValues = volumes;
    services.makeDescriptionSession
        = [volumes = volumes] { return std::make_unique<FakeVolumes::Lookup>(volumes); };
    services.makeDiskSession = [session = session]() -> std::unique_ptr<DiskSession> {
        return std::make_unique<FakeDiskSession>(session);
    };
    services.cardSlots = std::make_unique<SysfsCardSlots>(sysfs.path());
    services.slotEvents = std::make_unique<FakeDeviceEvents>(slotEvents);
    services.commands = commands;
    services.stateStore = defaults;
    return services;
}
