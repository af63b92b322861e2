#pragma once

#include "support/TimerScheduler.h"

/// Timers of the main thread's event loop. Precise, so that a panel meant to stay eight seconds
/// does not stay four hundred milliseconds more; they also fire while a menu is open.
class MainLoopTimers final : public TimerScheduler {
public:
    std::unique_ptr<Timer> start(std::chrono::milliseconds delay, std::function<void()> fire) override;
};
