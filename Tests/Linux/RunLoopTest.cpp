#include <gtest/gtest.h>
#include <fcntl.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "Linux/RunLoop.h"
#include "Support/ManualClock.h"

namespace {

using Log = std::vector<std::string>;

TEST(RunLoop, PostedWorkRunsInOrderOnlyWhenPumped) {
    RunLoop loop;
    EXPECT_EQ(RunLoop::Current(), &loop);
    EXPECT_TRUE(loop.IsLoopThread());
    Log log;
    loop.Post(nullptr, [&] { log.push_back("a"); });
    loop.Post(nullptr, [&] { log.push_back("b"); });
    EXPECT_TRUE(log.empty());
    EXPECT_EQ(loop.RunPending(), 2);
    EXPECT_EQ(log, (Log{"a", "b"}));
    EXPECT_EQ(loop.RunPending(), 0);
}

TEST(RunLoop, WorkPostedByWorkRunsInTheNextPass) {
    RunLoop loop;
    int runs = 0;
    std::function<void()> again = [&] {
        if (++runs < 3) loop.Post(nullptr, again);
    };
    loop.Post(nullptr, again);
    EXPECT_EQ(loop.RunPending(), 1);
    EXPECT_TRUE(loop.RunUntil([&] { return runs == 3; }, 5000));
}

TEST(RunLoop, CancelOwnerDropsItsWorkAndTimers) {
    ManualClock clock;
    RunLoop loop(clock.Fn());
    int mine = 0, other = 0;
    const int ownerA = 0, ownerB = 0;
    loop.Post(&ownerA, [&] { ++mine; });
    loop.Post(&ownerB, [&] { ++other; });
    loop.AddTimer(&ownerA, 10, [&](RunLoop::TimerMessage) { ++mine; });
    loop.AddIdleTimer(&ownerA, 10, [&](RunLoop::TimerMessage) { ++mine; });
    loop.CancelOwner(&ownerA);
    clock.Advance(100);
    loop.RunPending();
    EXPECT_EQ(mine, 0);
    EXPECT_EQ(other, 1);
}

TEST(RunLoop, PlainTimerFiresEveryPeriodWithoutCatchUpBursts) {
    ManualClock clock;
    RunLoop loop(clock.Fn());
    std::vector<RunLoop::TimerMessage> fired;
    const RunLoop::TimerId id =
        loop.AddTimer(nullptr, 100, [&](RunLoop::TimerMessage m) { fired.push_back(m); });
    ASSERT_NE(id, 0u);
    clock.Advance(99);
    loop.RunPending();
    EXPECT_TRUE(fired.empty());
    clock.Advance(1);
    loop.RunPending();
    EXPECT_EQ(fired.size(), 1u);
    clock.Advance(350);  // three periods late: one call, then the next a whole period later
    loop.RunPending();
    EXPECT_EQ(fired.size(), 2u);
    clock.Advance(99);
    loop.RunPending();
    EXPECT_EQ(fired.size(), 2u);
    clock.Advance(1);
    loop.RunPending();
    EXPECT_EQ(fired, (std::vector<RunLoop::TimerMessage>(3, RunLoop::kTimerFired)));
    EXPECT_TRUE(loop.RemoveTimer(id));
    EXPECT_FALSE(loop.RemoveTimer(id));
    clock.Advance(1000);
    EXPECT_EQ(loop.RunPending(), 0);
    EXPECT_EQ(loop.AddTimer(nullptr, 0, [](RunLoop::TimerMessage) {}), 0u);
}

// The idle timer's whole life against scripted input: silent while input keeps coming, started one
// period after the last input, repeating while idle, and one stop call when input resumes.
TEST(RunLoop, IdleTimerFollowsScriptedInput) {
    ManualClock clock;
    RunLoop loop(clock.Fn());
    std::vector<std::pair<uint64_t, RunLoop::TimerMessage>> calls;
    const uint64_t t0 = clock.Now();
    loop.AddIdleTimer(nullptr, 2000,
                      [&](RunLoop::TimerMessage m) { calls.emplace_back(clock.Now() - t0, m); });
    for (int i = 0; i < 50; ++i) {  // five seconds of input, one event every 100 ms
        clock.Advance(100);
        loop.NotifyUserInput();
        loop.RunPending();
    }
    EXPECT_TRUE(calls.empty());
    for (int i = 0; i < 50; ++i) {  // five seconds without input, pumped every 100 ms
        clock.Advance(100);
        loop.RunPending();
    }
    loop.NotifyUserInput();
    loop.RunPending();
    const std::vector<std::pair<uint64_t, RunLoop::TimerMessage>> expected = {
        {7000, RunLoop::kIdleStarted}, {9000, RunLoop::kIdling}, {10000, RunLoop::kIdleStopped}};
    EXPECT_EQ(calls, expected);
    // The count starts again after that input: the next start is one period later.
    clock.Advance(1999);
    loop.RunPending();
    EXPECT_EQ(calls.size(), 3u);
    clock.Advance(1);
    loop.RunPending();
    ASSERT_EQ(calls.size(), 4u);
    EXPECT_EQ(calls.back(), std::make_pair(uint64_t{12000}, RunLoop::kIdleStarted));
}

TEST(RunLoop, InputBeforeIdleStartsGivesNoStopCall) {
    ManualClock clock;
    RunLoop loop(clock.Fn());
    int calls = 0;
    loop.AddIdleTimer(nullptr, 500, [&](RunLoop::TimerMessage) { ++calls; });
    clock.Advance(400);
    loop.NotifyUserInput();
    loop.RunPending();
    EXPECT_EQ(calls, 0);
}

TEST(RunLoop, NestedLoopServesWorkAndTimers) {
    ManualClock clock;
    RunLoop loop(clock.Fn());
    Log log;
    bool done = false;
    loop.AddTimer(nullptr, 50, [&](RunLoop::TimerMessage) {
        log.push_back("timer");
        done = true;
    });
    loop.Post(nullptr, [&] {
        log.push_back("outer begins");
        loop.Post(nullptr, [&] { log.push_back("inner work"); });
        clock.Advance(50);
        loop.RunModal([&] { return done; });
        log.push_back("outer ends");
    });
    EXPECT_TRUE(loop.RunUntil([&] { return log.size() == 4; }, 5000));
    EXPECT_EQ(log, (Log{"outer begins", "inner work", "timer", "outer ends"}));
}

TEST(RunLoop, RunUntilGivesUpAfterItsTimeout) {
    RunLoop loop;
    EXPECT_FALSE(loop.RunUntil([] { return false; }, 20));
    EXPECT_TRUE(loop.RunUntil([] { return true; }, 0));
}

TEST(RunLoop, QuitEndsRunAndNestedLoops) {
    RunLoop loop;
    bool nestedReturned = false;
    loop.Post(nullptr, [&] {
        loop.Post(nullptr, [&] { loop.Quit(); });
        loop.RunModal([] { return false; });
        nestedReturned = true;
    });
    loop.Run();
    EXPECT_TRUE(nestedReturned);
    EXPECT_TRUE(loop.IsQuitting());
}

TEST(RunLoop, DescriptorSourceIsDispatchedWhenReadable) {
    RunLoop loop;
    int fds[2];
    ASSERT_EQ(pipe2(fds, O_NONBLOCK), 0);
    std::string got;
    loop.SetFdSource(fds[0], [&] {
        char buffer[16];
        const ssize_t n = read(fds[0], buffer, sizeof buffer);
        if (n > 0) got.append(buffer, static_cast<size_t>(n));
        return n > 0;
    });
    ASSERT_EQ(write(fds[1], "x11", 3), 3);
    EXPECT_TRUE(loop.RunUntil([&] { return got == "x11"; }, 5000));
    loop.SetFdSource(-1, nullptr);
    close(fds[0]);
    close(fds[1]);
}

}  // namespace
