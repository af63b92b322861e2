#pragma once

#include "detection/CardProber.h"

#include <memory>
#include <mutex>

/// What the card lanes share with the card watcher's parts; it outlives them while blocks
/// run, and tells those blocks whether the watcher still runs.
struct ProbeState {
    ProbeState(std::shared_ptr<const MountTable> mountTable,
        std::shared_ptr<const VolumeValueReader> volumeValues,
        CardProber::DescriptionSessionFactory makeDescriptionSession);
    bool isRunning();
    void setRunning(bool running);
    CardProber prober;
    std::mutex runningLock;
    bool runningFlag = false; // guarded by runningLock
};
