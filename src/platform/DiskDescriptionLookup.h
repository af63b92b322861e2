#pragma once

#include "platform/DiskDescription.h"

#include <QString>

#include <optional>

/// Looks up the disk behind a mounted volume. Not thread-safe: callers serialise their use
/// of one instance; the calls may block, so they are made off the main thread.
class DiskDescriptionLookup {
public:
    virtual ~DiskDescriptionLookup() = default;

    /// The description of the disk whose volume is mounted at `mountPath`; absent when
    /// the volume has no disk (network, virtual file systems) or it cannot be found.
    virtual std::optional<DiskDescription> describeVolume(const QString &mountPath) = 0;
};
