#pragma once

#include "support/TimerScheduler.h"

#include <chrono>
#include <cstdint>
#include <memory>
#include <vector>

/// Timers on a clock the test moves by hand.
class ManualTimers final : public TimerScheduler {
public:
    std::unique_ptr<Timer> start(std::chrono::milliseconds delay, std::function<void()> fire) override;

    /// Moves the clock forward, firing every timer that falls due, in time order, each at its time.
    void advance(std::chrono::milliseconds by);
    std::chrono::milliseconds now() const { return m_now; }
    /// Timers started and neither fired nor cancelled.
    int pending() const;

private:
    struct Entry {
        std::chrono::milliseconds due;
        std::uint64_t sequence;
        std::function<void()> fire;
        std::shared_ptr<bool> armed;
    };

    std::vector<Entry> m_entries;
    std::chrono::milliseconds m_now { 0 };
    std::uint64_t m_sequence = 0;
};
