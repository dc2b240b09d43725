#include "Common/Controls/ControlMath.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <limits>

namespace {

struct Case {
    double value;
    int expected;
};

// Truncation toward zero inside the range; the nearer end beyond it; NaN is "no value".
constexpr Case kDoubleCases[] = {
    {0.0, 0},
    {2.5, 2},
    {-2.5, -2},
    {0.999999, 0},
    {-0.999999, 0},
    {2147483647.0, INT_MAX},
    {2147483647.9, INT_MAX},
    {2147483648.0, INT_MAX},
    {1e300, INT_MAX},
    {-2147483648.0, INT_MIN},
    {-2147483647.9, -2147483647},
    {-2147483649.0, INT_MIN},
    {-1e300, INT_MIN},
};

TEST(ControlMath, DoubleTruncatesAndSaturates) {
    for (const Case& c : kDoubleCases) EXPECT_EQ(SaturatingToInt(c.value), c.expected) << c.value;
}

TEST(ControlMath, FloatTruncatesAndSaturates) {
    // INT_MAX is not a float: the float nearest to it is 2^31, which is out of range.
    EXPECT_EQ(SaturatingToInt(static_cast<float>(INT_MAX)), INT_MAX);
    EXPECT_EQ(SaturatingToInt(2147483520.0f), 2147483520);  // the largest float below 2^31
    EXPECT_EQ(SaturatingToInt(-2147483648.0f), INT_MIN);
    EXPECT_EQ(SaturatingToInt(3.99f), 3);
    EXPECT_EQ(SaturatingToInt(-3.99f), -3);
    EXPECT_EQ(SaturatingToInt(1e20f), INT_MAX);
    EXPECT_EQ(SaturatingToInt(-1e20f), INT_MIN);
}

TEST(ControlMath, FloorRoundsTowardMinusInfinityAndSaturates) {
    const struct {
        float value;
        int expected;
    } cases[] = {
        {3.99f, 3}, {-3.01f, -4},     {-0.5f, -1},       {-4.0f, -4},
        {0.0f, 0},  {1e20f, INT_MAX}, {-1e20f, INT_MIN}, {std::numeric_limits<float>::quiet_NaN(), INT_MIN}};
    for (const auto& c : cases) EXPECT_EQ(SaturatingFloorToInt(c.value), c.expected) << c.value;
}

TEST(ControlMath, NonFiniteValues) {
    EXPECT_EQ(SaturatingToInt(std::numeric_limits<double>::quiet_NaN()), INT_MIN);
    EXPECT_EQ(SaturatingToInt(std::numeric_limits<float>::quiet_NaN()), INT_MIN);
    EXPECT_EQ(SaturatingToInt(std::numeric_limits<float>::infinity()), INT_MAX);
    EXPECT_EQ(SaturatingToInt(-std::numeric_limits<double>::infinity()), INT_MIN);
}

TEST(ControlMath, UsableInConstantExpressions) {
    static_assert(SaturatingToInt(7.9) == 7);
    static_assert(SaturatingToInt(-1e12) == INT_MIN);
}

}  // namespace
