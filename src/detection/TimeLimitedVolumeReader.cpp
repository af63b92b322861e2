#include "detection/TimeLimitedVolumeReader.h"

#include <condition_variable>
#include <thread>

namespace {

template <typename T> struct Outcome {
    std::mutex mutex;
    std::condition_variable done;
    bool finished = false;
    bool abandoned = false;
    std::optional<T> value;
};

} // namespace

TimeLimitedVolumeReader::TimeLimitedVolumeReader(
    std::shared_ptr<const VolumeValueReader> inner, std::chrono::milliseconds limit, int stuckBound)
    : m_inner(std::move(inner))
    , m_limit(limit)
    , m_stuckBound(stuckBound)
{
}

std::optional<VolumeValues> TimeLimitedVolumeReader::read(const QString &mountPath) const
{
    return bounded<VolumeValues>(mountPath, [inner = m_inner, mountPath] { return inner->read(mountPath); });
}

std::optional<qint64> TimeLimitedVolumeReader::availableBytes(const QString &mountPath) const
{
    return bounded<qint64>(
        mountPath, [inner = m_inner, mountPath] { return inner->availableBytes(mountPath); });
}

void TimeLimitedVolumeReader::givenUp(const QString &mountPath) const
{
    if (m_onGivenUp)
        m_onGivenUp(mountPath);
}

template <typename T>
std::optional<T> TimeLimitedVolumeReader::bounded(
    const QString &mountPath, std::function<std::optional<T>()> read) const
{
    {
        std::unique_lock lock(m_stuck->mutex);
        if (m_stuck->paths.contains(mountPath) || m_stuck->refused.contains(mountPath))
            return std::nullopt;
        if (m_stuck->threads >= m_stuckBound) {
            m_stuck->refused.insert(mountPath);
            lock.unlock();
            givenUp(mountPath);
            return std::nullopt;
        }
    }
    auto outcome = std::make_shared<Outcome<T>>();
    // The outcome's lock is always taken before the stuck list's. The thread holds only what it
    // shares with the reader's owner, so it may return long after the reader is gone.
    std::thread([outcome, stuck = m_stuck, mountPath, read = std::move(read)] {
        std::optional<T> value = read();
        std::lock_guard lock(outcome->mutex);
        outcome->value = std::move(value);
        outcome->finished = true;
        outcome->done.notify_all();
        if (outcome->abandoned) {
            std::lock_guard stuckLock(stuck->mutex);
            stuck->paths.remove(mountPath);
            --stuck->threads;
            // A thread is free again: the cards refused meanwhile are read on their next turn.
            stuck->refused.clear();
        }
    }).detach();
    {
        std::unique_lock lock(outcome->mutex);
        if (outcome->done.wait_for(lock, m_limit, [&outcome] { return outcome->finished; }))
            return outcome->value;
        outcome->abandoned = true;
        std::lock_guard stuckLock(m_stuck->mutex);
        m_stuck->paths.insert(mountPath);
        ++m_stuck->threads;
    }
    givenUp(mountPath);
    return std::nullopt;
}
