#pragma once

#include "platform/VolumeValueReader.h"

#include <QSet>

#include <chrono>
#include <functional>
#include <memory>
#include <mutex>

/// Reads volume values with a time limit. A read stuck on a hung card (its FUSE daemon stopped
/// answering) is left behind after the limit, and that volume reads as unreadable at once until
/// the stuck read returns: one hung card never holds up the others, nor quitting.
class TimeLimitedVolumeReader final : public VolumeValueReader {
public:
    TimeLimitedVolumeReader(std::shared_ptr<const VolumeValueReader> inner, std::chrono::milliseconds limit);

    std::optional<VolumeValues> read(const QString &mountPath) const override;
    std::optional<qint64> availableBytes(const QString &mountPath) const override;

private:
    /// Shared with the reads left behind, which may outlive the reader.
    struct Stuck {
        std::mutex mutex;
        QSet<QString> paths;
    };

    template <typename T>
    std::optional<T> bounded(const QString &mountPath, std::function<std::optional<T>()> read) const;

    const std::shared_ptr<const VolumeValueReader> m_inner;
    const std::chrono::milliseconds m_limit;
    const std::shared_ptr<Stuck> m_stuck = std::make_shared<Stuck>();
};
