#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "Linux/AsyncDispatch.h"
#include "Linux/RunLoop.h"
#include "Support/ManualClock.h"

namespace {

struct TimerLog : IAsyncDispatchHandler {
    std::vector<std::pair<uint64_t, long>> calls;  // (clock, id)
    const ManualClock* clock = nullptr;
    void OnAsyncTimer(long id) override { calls.emplace_back(clock->Now(), id); }
    void OnAsyncEvent(long, long) override {}
};

class DispatcherTimer : public testing::Test {
protected:
    DispatcherTimer() : loop(clock.Fn()), dispatch(AsyncDispatchCreate(&loop)) { handler.clock = &clock; }
    // Moves the clock in steps of 100 ms, pumping after each; input, when asked, comes at every step.
    void Pass(uint64_t ms, bool withInput) {
        for (uint64_t t = 0; t < ms; t += 100) {
            clock.Advance(100);
            if (withInput) loop.NotifyUserInput();
            loop.RunPending();
        }
    }
    ManualClock clock{0};
    RunLoop loop;
    std::unique_ptr<IAsyncDispatch> dispatch;
    TimerLog handler;
};

TEST_F(DispatcherTimer, IdsAreLowestFreeFirstWithinTheRange) {
    long id = 0;
    ASSERT_TRUE(dispatch->CreateTimer(&handler, &id));
    EXPECT_EQ(id, 128);
    for (long expected = 129; expected <= 1151; ++expected) {
        ASSERT_TRUE(dispatch->CreateTimer(&handler, &id));
        ASSERT_EQ(id, expected);
    }
    id = -7;
    EXPECT_FALSE(dispatch->CreateTimer(&handler, &id));
    EXPECT_EQ(id, -7);
    EXPECT_TRUE(dispatch->DestroyTimer(130));
    EXPECT_TRUE(dispatch->DestroyTimer(500));
    ASSERT_TRUE(dispatch->CreateTimer(&handler, &id));
    EXPECT_EQ(id, 130);
    ASSERT_TRUE(dispatch->CreateTimer(&handler, &id));
    EXPECT_EQ(id, 500);
}

TEST_F(DispatcherTimer, UnknownOrDestroyedIdsAreRefused) {
    long id = 0;
    EXPECT_FALSE(dispatch->SetTimerPeriod(128, 100));
    EXPECT_FALSE(dispatch->DestroyTimer(128));
    ASSERT_TRUE(dispatch->CreateTimer(&handler, &id));
    EXPECT_TRUE(dispatch->DestroyTimer(id));  // stopped: nothing to stop
    EXPECT_FALSE(dispatch->SetTimerPeriod(id, 100));
    EXPECT_FALSE(dispatch->DestroyTimer(id));
}

TEST_F(DispatcherTimer, ZeroOrNegativePeriodStopsTheTimer) {
    for (long stop : {0L, -5L}) {
        long id = 0;
        ASSERT_TRUE(dispatch->CreateTimer(&handler, &id));
        EXPECT_TRUE(dispatch->SetTimerPeriod(id, 100));
        EXPECT_TRUE(dispatch->SetTimerPeriod(id, stop));
        Pass(1000, false);
        EXPECT_TRUE(handler.calls.empty()) << stop;
        EXPECT_TRUE(dispatch->DestroyTimer(id));
    }
}

TEST_F(DispatcherTimer, NewTimerDoesNotRunUntilItHasAPeriod) {
    long id = 0;
    ASSERT_TRUE(dispatch->CreateTimer(&handler, &id));
    Pass(5000, false);
    EXPECT_TRUE(handler.calls.empty());
}

// A 2000 ms timer while the mouse keeps moving, then stops, then moves again.
TEST_F(DispatcherTimer, IdleTimerSequenceAgainstUserInput) {
    long id = 0;
    ASSERT_TRUE(dispatch->CreateTimer(&handler, &id));
    ASSERT_TRUE(dispatch->SetTimerPeriod(id, 2000));
    Pass(5000, true);  // input until t = 5000
    EXPECT_TRUE(handler.calls.empty());
    Pass(4500, false);  // idle until t = 9500
    Pass(100, true);    // input resumes at t = 9600
    Pass(1000, true);
    const std::vector<std::pair<uint64_t, long>> expected = {{7000, id}, {9000, id}, {9600, id}};
    EXPECT_EQ(handler.calls, expected);
}

TEST_F(DispatcherTimer, SettingThePeriodAgainRestartsTheCount) {
    long id = 0;
    ASSERT_TRUE(dispatch->CreateTimer(&handler, &id));
    ASSERT_TRUE(dispatch->SetTimerPeriod(id, 2000));
    Pass(1500, false);
    ASSERT_TRUE(dispatch->SetTimerPeriod(id, 2000));
    Pass(1900, false);
    EXPECT_TRUE(handler.calls.empty());
    Pass(100, false);
    EXPECT_EQ(handler.calls, (std::vector<std::pair<uint64_t, long>>{{3500, id}}));
}

TEST_F(DispatcherTimer, TimersOfTwoIdsFireForTheirOwnIds) {
    long a = 0, b = 0;
    ASSERT_TRUE(dispatch->CreateTimer(&handler, &a));
    ASSERT_TRUE(dispatch->CreateTimer(&handler, &b));
    ASSERT_TRUE(dispatch->SetTimerPeriod(a, 300));
    ASSERT_TRUE(dispatch->SetTimerPeriod(b, 200));
    Pass(600, false);
    const std::vector<std::pair<uint64_t, long>> expected = {
        {200, b}, {300, a}, {400, b}, {600, a}, {600, b}};
    EXPECT_EQ(handler.calls, expected);
}

TEST_F(DispatcherTimer, DispatcherDestroyedWithTimersRunningNeverCallsThem) {
    long id = 0;
    ASSERT_TRUE(dispatch->CreateTimer(&handler, &id));
    ASSERT_TRUE(dispatch->SetTimerPeriod(id, 100));
    Pass(100, false);
    ASSERT_EQ(handler.calls.size(), 1u);
    dispatch.reset();
    Pass(1000, false);
    EXPECT_EQ(handler.calls.size(), 1u);
}

}  // namespace
