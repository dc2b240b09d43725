#include <gtest/gtest.h>

#include <atomic>

#include "Linux/Sync.h"
#include "Linux/SysTick.h"
#include "Linux/Trace.h"
#include "Linux/XThread.h"

namespace {

struct CountingBody : IXThreadProc {
    std::atomic<int> runs{0};
    XEvent* gate = nullptr;
    long ThreadProc() override {
        if (gate != nullptr) gate->Wait(XEvent::INFINITE_WAIT);
        return 40 + ++runs;
    }
};

TEST(XThreadThreaded, RunsTheBodyAndJoinsItsResult) {
    CountingBody body;
    XThread thread;
    EXPECT_FALSE(thread.Join());
    ASSERT_TRUE(thread.Run(&body));
    EXPECT_TRUE(thread.IsRunning());
    long result = 0;
    EXPECT_TRUE(thread.Join(&result));
    EXPECT_EQ(result, 41);
    EXPECT_FALSE(thread.IsRunning());
}

TEST(XThreadThreaded, SecondRunWaitsForTheFirstBody) {
    XEvent gate;
    ASSERT_TRUE(gate.Create());
    CountingBody body;
    body.gate = &gate;
    XThread thread;
    ASSERT_TRUE(thread.Run(&body));
    gate.Set();  // the first body may finish; the second Run joins it before starting again
    ASSERT_TRUE(thread.Run(&body));
    EXPECT_EQ(body.runs.load(), 1);
    gate.Set();
    long result = 0;
    EXPECT_TRUE(thread.Join(&result));
    EXPECT_EQ(result, 42);
}

TEST(XThread, RunWithoutBodyFails) {
    XThread thread;
    EXPECT_FALSE(thread.Run(nullptr));
}

TEST(SysTick, NeverDecreasesAndMatchesTheMicrosecondClock) {
    uint32_t last = GetSysTick();
    for (int i = 0; i < 1000; ++i) {
        const uint32_t now = QorX0::GetSysTick();
        EXPECT_LE(static_cast<uint32_t>(now - last), 1000u);  // unsigned difference: wrap-safe
        last = now;
    }
    const uint32_t fromMicros = SysTickFromMicroseconds(MonotonicMicroseconds());
    EXPECT_LE(static_cast<uint32_t>(GetSysTick() - fromMicros), 1000u);
}

TEST(SysTick, TruncatesToThirtyTwoBitsAndKeepsDifferencesAcrossTheWrap) {
    constexpr uint64_t kWrapUs = (1ull << 32) * 1000u;
    EXPECT_EQ(SysTickFromMicroseconds(kWrapUs - 1000), 0xFFFFFFFFu);
    EXPECT_EQ(SysTickFromMicroseconds(kWrapUs), 0u);
    EXPECT_EQ(SysTickFromMicroseconds(kWrapUs + 1999), 1u);
    EXPECT_EQ(SysTickFromMicroseconds(kWrapUs + 10'000) - SysTickFromMicroseconds(kWrapUs - 5'000), 15u);
}

TEST(SysTick, SleepLastsAtLeastItsTimeAndReturnsFalse) {
    const uint64_t start = MonotonicMicroseconds();
    EXPECT_FALSE(QorX0::SleepCurrentThread(15));
    EXPECT_GE(MonotonicMicroseconds() - start, 15000u);
}

TEST(Trace, PrintsOnlyWhenEnabledWithoutAddingANewline) {
    const int saved = g_enabletrace;
    g_enabletrace = 0;
    testing::internal::CaptureStdout();
    TRACE("off %d", 1);
    Trace("never %d", 2);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");

    g_enabletrace = 1;
    testing::internal::CaptureStdout();
    TRACE("RemoteMIDI: %s=%02X", "mode", 4);
    Trace("never %d", 3);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "RemoteMIDI: mode=04");
    g_enabletrace = saved;
}

}  // namespace
