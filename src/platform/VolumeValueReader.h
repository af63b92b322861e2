#pragma once

#include "platform/VolumeValues.h"

#include <QString>

#include <optional>

/// Reads the values of a mounted volume. Calls may block on the file system, so they are made
/// off the main thread; implementations are safe to call from any thread.
class VolumeValueReader {
public:
    virtual ~VolumeValueReader() = default;

    /// The values of the volume mounted at `mountPath`; absent when they cannot be read.
    virtual std::optional<VolumeValues> read(const QString &mountPath) const = 0;
    /// Only the free space, cheaper than read(); absent when it cannot be read.
    virtual std::optional<qint64> availableBytes(const QString &mountPath) const = 0;
};
