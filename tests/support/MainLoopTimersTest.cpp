#include "support/MainLoopTimers.h"

#include "common/PollUntil.h"

#include <gtest/gtest.h>

using namespace std::chrono_literals;

namespace {

TEST(MainLoopTimers, FireOnceUnlessDroppedAndMayBeDroppedFromTheirOwnCallback)
{
    MainLoopTimers timers;
    int kept = 0;
    int dropped = 0;
    auto keep = timers.start(5ms, [&kept] { ++kept; });
    auto drop = timers.start(5ms, [&dropped] { ++dropped; });
    drop.reset();
    std::unique_ptr<TimerScheduler::Timer> self;
    bool selfFired = false;
    self = timers.start(1ms, [&self, &selfFired] {
        selfFired = true;
        self.reset(); // as a panel does when its timer dismisses it
    });
    ASSERT_TRUE(pollUntil([&] { return kept == 1 && selfFired; }));
    processEventsFor(30ms);
    EXPECT_EQ(kept, 1);
    EXPECT_EQ(dropped, 0);
    EXPECT_EQ(self, nullptr);
}

} // namespace
