#include "detection/ProbeState.h"

ProbeState::ProbeState(std::shared_ptr<const MountTable> mountTable,
    std::shared_ptr<const VolumeValueReader> volumeValues,
    CardProber::DescriptionSessionFactory makeDescriptionSession)
    : prober(std::move(mountTable), std::move(volumeValues), std::move(makeDescriptionSession))
{
}

bool ProbeState::isRunning()
{
    std::lock_guard lock(runningLock);
    return runningFlag;
}

void ProbeState::setRunning(bool running)
{
    std::lock_guard lock(runningLock);
    runningFlag = running;
}
