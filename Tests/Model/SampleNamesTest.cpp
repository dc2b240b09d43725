#include <gtest/gtest.h>

#include <set>
#include <string>

#include "Common/Model/Tables/SampleNames.h"

using namespace QorX0;

TEST(SampleNames, RiffListStartsWithOffAndHasNoDuplicates) {
    EXPECT_STREQ(g_RiffNames[0], "Off");
    std::set<std::string> seen;
    for (unsigned i = 0; i < kRiffNameCount; ++i) {
        ASSERT_NE(g_RiffNames[i], nullptr) << i;
        EXPECT_TRUE(seen.insert(g_RiffNames[i]).second) << g_RiffNames[i];
    }
}

TEST(SampleNames, EveryEntryOfBothModelsIsANonEmptyUniqueName) {
    struct Case {
        const SAMPLENAME* list;
        unsigned tolva, nerimo;
    } cases[] = {{g_MultisampleNames, MultisampleCount(1), MultisampleCount(9)},
                 {g_DrumSampleNames, DrumSampleCount(1), DrumSampleCount(9)}};
    EXPECT_EQ(cases[0].tolva, 470u);
    EXPECT_EQ(cases[0].nerimo, 642u);
    EXPECT_EQ(cases[1].tolva, 518u);
    EXPECT_EQ(cases[1].nerimo, 929u);
    for (const Case& c : cases) {
        std::set<std::string> seen;
        for (unsigned i = 0; i < c.nerimo; ++i) {
            ASSERT_NE(c.list[i].name, nullptr) << i;
            EXPECT_GT(std::string(c.list[i].name).size(), 0u);
            EXPECT_TRUE(seen.insert(c.list[i].name).second) << c.list[i].name;
        }
    }
}
