#pragma once

#include "platform/VolumeValueReader.h"

#include <QSet>

#include <chrono>
#include <functional>
#include <memory>
#include <mutex>

/// Reads volume values with a time limit, counted from each read's start. A read stuck on a
/// hung card (its FUSE daemon stopped answering) is left behind after the limit, holding a
/// thread, and that card is given up: it reads as unreadable at once until the stuck read
/// returns. While `stuckBound` threads are held so, a card that is not given up yet is given up
/// before it is read, so hung cards cannot take thread after thread.
class TimeLimitedVolumeReader final : public VolumeValueReader {
public:
    /// Called on the reading thread, once each time a card is given up.
    using GivenUp = std::function<void(const QString &mountPath)>;

    TimeLimitedVolumeReader(
        std::shared_ptr<const VolumeValueReader> inner, std::chrono::milliseconds limit, int stuckBound = 8);

    /// Set before the first read.
    void setOnGivenUp(GivenUp onGivenUp) { m_onGivenUp = std::move(onGivenUp); }

    std::optional<VolumeValues> read(const QString &mountPath) const override;
    std::optional<qint64> availableBytes(const QString &mountPath) const override;

private:
    /// Shared with the reads left behind, which may outlive the reader.
    struct Stuck {
        std::mutex mutex;
        QSet<QString> paths; // each holds a thread in a read that has not returned
        QSet<QString> refused; // given up without a read, while the bound was reached
        int threads = 0;
    };

    template <typename T>
    std::optional<T> bounded(const QString &mountPath, std::function<std::optional<T>()> read) const;
    void givenUp(const QString &mountPath) const;

    const std::shared_ptr<const VolumeValueReader> m_inner;
    const std::chrono::milliseconds m_limit;
    const int m_stuckBound;
    const std::shared_ptr<Stuck> m_stuck = std::make_shared<Stuck>();
    GivenUp m_onGivenUp;
};
