#pragma once

#include "detection/MountedCard.h"

#include <QList>

#include <functional>
#include <memory>

/// The card-detection service as the Coordinator drives it.
class VolumeWatching
{
public:
    using MountCallback = std::function<void(const MountedCard &card)>;
    using ScanCallback = std::function<void(const QList<MountedCard> &cards)>;

    virtual ~VolumeWatching() = default;

    /// Begins watching mounts, disks and slots. Main thread.
    virtual void start() = 0;
    /// Reads the cards mounted now; answers on the main thread.
    virtual void scanExistingAsync(ScanCallback completion) = 0;
    /// Marks cards handled by the launch scan so their mount events are not handled again.
    virtual void noteHandledAtLaunch(const QList<MountedCard> &cards) = 0;
};

/// Builds the watcher with the callback that receives each ready card on the main thread.
using VolumeWatcherFactory =
    std::function<std::unique_ptr<VolumeWatching>(VolumeWatching::MountCallback onMount)>;
