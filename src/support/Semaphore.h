#pragma once

#include <chrono>
#include <condition_variable>
#include <mutex>

/// A counting semaphore whose waits can carry a deadline.
class Semaphore {
public:
    using Clock = std::chrono::steady_clock;

    explicit Semaphore(int initial = 0);

    void signal();
    void wait();
    /// Returns false when the deadline passed before a signal arrived.
    bool waitUntil(Clock::time_point deadline);
    bool waitFor(std::chrono::milliseconds timeout) { return waitUntil(Clock::now() + timeout); }

private:
    std::mutex m_mutex;
    std::condition_variable m_condition;
    int m_count;
};
