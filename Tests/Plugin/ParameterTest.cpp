// Host parameter values to integer ranges and back.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "Common/Plugin/Parameter.h"

TEST(Parameter, QuantizeToIntTable) {
    const float inf = std::numeric_limits<float>::infinity();
    const float nan = std::numeric_limits<float>::quiet_NaN();
    struct Row {
        float x;
        int n, base, expected;
    } rows[] = {
        {0.0f, 128, 0, 0},     {0.5f, 128, 0, 63}, {1.0f, 128, 0, 127},  {0.74f, 2, 0, 1},
        {0.6f, 2, 0, 0},       {-0.5f, 128, 0, 0}, {1.5f, 128, 0, 127},  {nan, 128, 0, 0},
        {inf, 128, 0, 127},    {-inf, 128, 0, 0},  {0.5f, 201, 40, 140}, {0.5f, 128, -64, -1},
        {1e30f, 128, -64, 63}, {0.3f, 1, 7, 7},    {0.3f, 0, 7, 7},      {0.9f, -5, 3, 3},
    };
    for (const Row& r : rows)
        EXPECT_EQ(CParameter::QuantizeToInt(r.x, r.n, r.base), r.expected) << r.x << " n=" << r.n;
}

TEST(Parameter, RegulateFromIntTable) {
    EXPECT_FLOAT_EQ(CParameter::RegulateFromInt(127, 128, 0), 1.0f);
    EXPECT_NEAR(CParameter::RegulateFromInt(64, 128, 0), 0.503937f, 1e-6f);
    EXPECT_FLOAT_EQ(CParameter::RegulateFromInt(1, 2, 0), 1.0f);
    EXPECT_FLOAT_EQ(CParameter::RegulateFromInt(120, 201, 40), 0.4f);
    EXPECT_FLOAT_EQ(CParameter::RegulateFromInt(-500, 128, 0), 0.0f);
    EXPECT_FLOAT_EQ(CParameter::RegulateFromInt(500, 128, 0), 1.0f);
    EXPECT_FLOAT_EQ(CParameter::RegulateFromInt(std::numeric_limits<int>::min(), 128, 1), 0.0f);
    // A range of one value has nothing to divide by.
    EXPECT_FLOAT_EQ(CParameter::RegulateFromInt(5, 1, 5), 0.0f);
}

TEST(Parameter, QuantizeRegulateConvertSwitch) {
    EXPECT_EQ(CParameter::Quantize(1.0f, 128, 0), 127);
    EXPECT_EQ(CParameter::Quantize(0.5f, 4, 10), 12);
    EXPECT_EQ(CParameter::Quantize(std::nanf(""), 4, 10), 10);
    EXPECT_FLOAT_EQ(CParameter::Regulate(5.0f, 0.0f, 10.0f), 0.5f);
    EXPECT_FLOAT_EQ(CParameter::Regulate(5.0f, 3.0f, 3.0f), 0.0f);
    EXPECT_FLOAT_EQ(CParameter::Convert(0.25f, 0.0f, 8.0f), 2.0f);
    EXPECT_TRUE(CParameter::SwitchOn(0.5f));
    EXPECT_FALSE(CParameter::SwitchOn(0.49f));
    EXPECT_FALSE(CParameter::SwitchOn(std::nanf("")));
}

TEST(Parameter, EveryIntOfARangeSurvivesTheRoundTrip) {
    for (int n : {2, 3, 128, 201}) {
        for (int v = 0; v < n; ++v) {
            const float x = CParameter::RegulateFromInt(v, n, 0);
            EXPECT_EQ(CParameter::QuantizeToInt(x, n, 0), v) << "n=" << n;
        }
    }
}
