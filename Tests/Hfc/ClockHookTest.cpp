#include <gtest/gtest.h>

#include "Hfc/Base/HfcUtil.h"

namespace {

uint32_t g_fakeNow = 0;
uint32_t FakeNow() {
    return g_fakeNow;
}

TEST(ClockHook, TestsStepTheToolkitClockAndRestoreIt) {
    g_fakeNow = 0xFFFFFFF0u;
    EXPECT_EQ(HfcSetSystemTimeHook(FakeNow), nullptr);
    EXPECT_EQ(HfcGetSystemTimeMs(), 0xFFFFFFF0u);
    g_fakeNow += 0x20;  // across the wrap: the difference stays right
    EXPECT_EQ(HfcGetSystemTimeMs() - 0xFFFFFFF0u, 0x20u);
    EXPECT_EQ(HfcSetSystemTimeHook(nullptr), &FakeNow);
    const uint32_t a = HfcGetSystemTimeMs();
    EXPECT_LT(HfcGetSystemTimeMs() - a, 1000u);
}

}  // namespace
