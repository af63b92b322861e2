#pragma once

#include "app/Coordinator.h"
#include "common/FakeFileManagerService.h"
#include "common/FakeNotifier.h"
#include "common/FakePointer.h"
#include "common/FakeRulesProvider.h"
#include "common/FakeScreenSource.h"
#include "common/FakeVolumeWatcher.h"
#include "common/RecordingLogger.h"

/// The Coordinator's services as its tests hand them in: fake rules, file manager, notifier,
/// screens and pointer, a recording log, and a fake watcher reached through m_watcher once the
/// Coordinator made it. A fixture derives from it and holds its Coordinator, which therefore
/// goes before the fakes it uses.
class CoordinatorHarness {
protected:
    /// The services above; `files` reads the cards (tests hand in the real file system).
    Coordinator::Services coordinatorServices(const EntryAttributeSource &files);

    FakeRulesProvider m_rules;
    FakeFileManagerService m_fileManager;
    FakeNotifier m_notifier;
    FakeScreenSource m_screens;
    FakePointer m_pointer;
    RecordingLogger m_log;
    FakeVolumeWatcher *m_watcher = nullptr;
};
