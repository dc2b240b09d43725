#include <gtest/gtest.h>

#include <string>

#include "Common/Model/Mathexp.h"
#include "Linux/Trace.h"

using namespace QorX0;

namespace {
// Runs eval with tracing on and returns what it printed.
std::string EvalTraced(const char* text, float v, bool* ok, float* result) {
    int saved = g_enabletrace;
    g_enabletrace = 1;
    testing::internal::CaptureStdout();
    *ok = mathexp::eval(text, v, result);
    std::string out = testing::internal::GetCapturedStdout();
    g_enabletrace = saved;
    return out;
}
}  // namespace

TEST(Mathexp, EvaluatesStrictlyLeftToRight) {
    struct Case {
        const char* text;
        float v;
        float expected;
    } cases[] = {
        {"100-v", 30, 70},
        {"2*v+1", 4, 9},
        {"1+2*3", 0, 9},
        {"1+(2*3)", 0, 7},
        {"-1*v", 3, -3},
        {"v/4", 10, 2.5f},
        {"v<=5", 5, 1},
        {"v>=6", 5, 0},
        {"v!=5", 5, 0},
        {"v=5", 5, 1},
        {"!0", 0, 1},
        {"!v", 2, 0},
        {"1&0", 0, 0},
        {"1|0", 0, 1},
        {"((v))", 7, 7},
        {" v \t+\r\n1 ", 1, 2},
        {"(v+1)*(v-1)", 3, 8},
        {"2.5e1", 0, 25},
        {"v<3|v>6", 7, 0} /* ((v<3)|v)>6 */,
    };
    for (const Case& c : cases) {
        float r = -999;
        ASSERT_TRUE(mathexp::eval(c.text, c.v, &r)) << c.text;
        EXPECT_FLOAT_EQ(r, c.expected) << c.text;
    }
}

TEST(Mathexp, ErrorsFailWithTheirMessage) {
    struct Case {
        const char* text;
        const char* message;
    } cases[] = {
        {"(v", "mathexp: parenthesis missmatch\n"},  {"v v", "mathexp: invalid token sequence\n"},
        {"v+", "mathexp: invalid token sequence\n"}, {"+v", "mathexp: invalid token sequence\n"},
        {"v$2", "mathexp: invalid token\n"},         {"x", "mathexp: invalid token\n"},
        {"v/0", "mathexp: division by zero\n"},
    };
    for (const Case& c : cases) {
        bool ok = true;
        float r = 42;
        EXPECT_EQ(EvalTraced(c.text, 1, &ok, &r), c.message) << c.text;
        EXPECT_FALSE(ok) << c.text;
        EXPECT_EQ(r, 42) << "result untouched: " << c.text;
    }
}

TEST(Mathexp, EmptyTextsFailSilently) {
    for (const char* text : {static_cast<const char*>(nullptr), "", "   "}) {
        bool ok = true;
        float r = 0;
        EXPECT_EQ(EvalTraced(text, 1, &ok, &r), "");
        EXPECT_FALSE(ok);
    }
}

TEST(Mathexp, DeepNestingFailsInsteadOfExhaustingTheStack) {
    std::string deep(10000, '(');
    deep += "v";
    deep += std::string(10000, ')');
    float r = 0;
    EXPECT_FALSE(mathexp::eval(deep.c_str(), 1, &r));
    std::string ok(mathexp::kMaxDepth, '(');
    ok += "v";
    ok += std::string(mathexp::kMaxDepth, ')');
    EXPECT_TRUE(mathexp::eval(ok.c_str(), 3, &r));
    EXPECT_EQ(r, 3);
}
