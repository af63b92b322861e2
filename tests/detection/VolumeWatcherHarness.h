#pragma once

#include "detection/VolumeWatcher.h"

#include "common/FakeCommandRunner.h"
#include "common/FakeDeviceEvents.h"
#include "common/FakeDiskSession.h"
#include "common/FakeMountTable.h"
#include "common/FakeVolumes.h"
#include "common/MemoryStateStore.h"
#include "common/RecordingLogger.h"

#include <QTemporaryDir>

#include <memory>

/// The VolumeWatcher's services on fakes: the mount table, the volumes, the disk session, the
/// slot events, the commands and the defaults, with card slots read from a folder of the
/// test's own. A fixture derives from it and holds its watcher, which therefore goes first.
class VolumeWatcherHarness {
protected:
    VolumeWatcher::Services watcherServices();

    RecordingLogger logger;
    QTemporaryDir sysfs;
    std::shared_ptr<FakeMountTable> mountTable = std::make_shared<FakeMountTable>();
    std::shared_ptr<FakeVolumes> volumes = std::make_shared<FakeVolumes>();
    std::shared_ptr<FakeDiskSession::Probe> session = std::make_shared<FakeDiskSession::Probe>();
    std::shared_ptr<FakeDeviceEvents::Probe> slotEvents = std::make_shared<FakeDeviceEvents::Probe>();
    std::shared_ptr<FakeCommandRunner> commands = std::make_shared<FakeCommandRunner>();
    std::shared_ptr<MemoryStateStore> defaults = std::make_shared<MemoryStateStore>();
};
