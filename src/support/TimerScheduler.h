#pragma once

#include <chrono>
#include <functional>
#include <memory>

/// One-shot timers on the main thread. Views and stacks that dismiss things after a delay take
/// one, so that tests can move time by hand instead of waiting for it.
class TimerScheduler {
public:
    /// A running timer; destroying it cancels it, also from inside its own callback.
    class Timer {
    public:
        virtual ~Timer() = default;
    };

    virtual ~TimerScheduler() = default;

    /// Calls `fire` once on the main thread after `delay`, unless the timer is destroyed first.
    virtual std::unique_ptr<Timer> start(std::chrono::milliseconds delay, std::function<void()> fire) = 0;
};
