#include <gtest/gtest.h>

#include <vector>

#include "Linux/RunLoop.h"
#include "Support/ManualClock.h"

namespace {

TEST(RunLoopFirstDelay, FirstTickAfterItsOwnDelayThenEveryPeriod) {
    ManualClock clock;
    RunLoop loop(clock.Fn());
    std::vector<uint64_t> fired;
    const RunLoop::TimerId id =
        loop.AddTimer(nullptr, 166, 16, [&](RunLoop::TimerMessage) { fired.push_back(clock.Now() - 1000); });
    ASSERT_NE(id, 0u);
    for (int step = 0; step < 40; ++step) {
        clock.Advance(5);
        loop.RunPending();
    }
    // 5 ms steps: due at 166 (seen at 170), then every 16 ms from 166.
    ASSERT_GE(fired.size(), 3u);
    EXPECT_EQ(fired[0], 170u);
    EXPECT_EQ(fired[1], 185u);
    EXPECT_EQ(fired[2], 200u);
    EXPECT_TRUE(loop.RemoveTimer(id));
    // A zero first delay fires at the next pump; a zero period is refused.
    int soon = 0;
    loop.AddTimer(nullptr, 0, 1000, [&](RunLoop::TimerMessage) { ++soon; });
    loop.RunPending();
    EXPECT_EQ(soon, 1);
    EXPECT_EQ(loop.AddTimer(nullptr, 10, 0, [](RunLoop::TimerMessage) {}), 0u);
}

}  // namespace
