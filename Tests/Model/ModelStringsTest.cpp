#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Common/Model/ModelStrings.h"

using namespace QorX0;
using Strings = std::vector<std::string>;

TEST(ModelStrings, FormatModeNamesKnownModesAndPrintsOthersInHex) {
    EXPECT_EQ(formatmode(0), "COMBIPLAY");
    EXPECT_EQ(formatmode(1), "COMBIEDIT");
    EXPECT_EQ(formatmode(2), "PROGPLAY");
    EXPECT_EQ(formatmode(3), "PROGEDIT");
    EXPECT_EQ(formatmode(4), "MULTI");
    EXPECT_EQ(formatmode(6), "GLOBAL");
    EXPECT_EQ(formatmode(5), "0x05");
    EXPECT_EQ(formatmode(255), "0xFF");
}

TEST(ModelStrings, ModalCaptionPerModelAndHost) {
    EXPECT_EQ(GetModalCaption(1, false), "Tolva Plug-In Editor");
    EXPECT_EQ(GetModalCaption(9, false), "Nerimo Plug-In Editor");
    EXPECT_EQ(GetModalCaption(1, true), "Tolva Editor");
    EXPECT_EQ(GetModalCaption(9, true), "Nerimo Editor");
    EXPECT_EQ(GetModalCaption(2, true), "");
}

TEST(ModelStrings, FormatStringIsCutAt255Characters) {
    std::string longText(400, 'x');
    EXPECT_EQ(formatstring("%s", longText.c_str()).size(), 255u);
    EXPECT_EQ(formatstring("%d-%s", 7, "a"), "7-a");
}

TEST(ModelStrings, ExtractChunkNameStopsAtControlAndHighBytes) {
    const char full[] = "ABCDEFGHIJKLMNOPQRST";
    EXPECT_EQ(extractchunkname(full), "ABCDEFGHIJKLMNOP");
    const char zero[16] = {0, 'A'};
    EXPECT_EQ(extractchunkname(zero), "");
    const char high[] = "Piano\xE9xxxxxxxxxxxx";
    EXPECT_EQ(extractchunkname(high), "Piano");
    EXPECT_EQ(extractchunkname("Pad  \x1F       xx"), "Pad  ");
}

TEST(ModelStrings, ExtractSubstringAndBreakString) {
    EXPECT_EQ(extractsubstring("a|b", 1, '|'), "b");
    EXPECT_EQ(extractsubstring("a|b", 2, '|'), "");
    EXPECT_EQ(extractsubstring("a|b", 0, '|'), "a");
    EXPECT_EQ(extractsubstring(nullptr, 0, '|'), "");
    EXPECT_EQ(breakstring(",a,,b,", ','), (Strings{"", "a", "", "b"}));
    EXPECT_EQ(breakstring("", ','), Strings{});
    EXPECT_EQ(breakstring("abc", ','), Strings{"abc"});
    // A zero separator is the terminator: the text is one field and nothing past it is read.
    EXPECT_EQ(breakstring("abc", '\0'), Strings{"abc"});
    EXPECT_EQ(extractsubstring("abc", 0, '\0'), "abc");
    EXPECT_EQ(extractsubstring("abc", 1, '\0'), "");
}

TEST(ModelStrings, BreakEnumStringReadsValuesLabelsAndShortLabels) {
    std::vector<int> values;
    Strings labels, shorts;
    breakenumstring("-1\tAll Banks\n0\tBank A|A\n0x10\tX\nY", &values, &labels, &shorts);
    EXPECT_EQ(values, (std::vector<int>{-1, 0, 16, 17}));
    EXPECT_EQ(labels, (Strings{"All Banks", "Bank A", "X", "Y"}));
    EXPECT_EQ(shorts, (Strings{"All Banks", "A", "X", "Y"}));

    breakenumstring("00:No Effect\n01:St. Amp Simulation", &values, &labels, nullptr);
    EXPECT_EQ(values, (std::vector<int>{0, 1}));
    EXPECT_EQ(labels[1], "01:St. Amp Simulation");

    breakenumstring("010\tOctal\n\nAfterEmpty", &values, nullptr, nullptr);
    EXPECT_EQ(values, (std::vector<int>{8, 9, 10}));  // an empty line is an entry too

    breakenumstring("", &values, &labels, &shorts);
    EXPECT_TRUE(values.empty() && labels.empty() && shorts.empty());
}

TEST(ModelStrings, MakeMultiSzRepeatsTheLongTextWhenNoShortOne) {
    EXPECT_EQ(makemultisz("Volume", ""), std::string("Volume\0Volume\0", 14));
    EXPECT_EQ(makemultisz("Volume", nullptr), std::string("Volume\0Volume\0", 14));
    const std::string both = makemultisz("Resonance", "Reso");
    EXPECT_EQ(multiszlong(both), "Resonance");
    EXPECT_EQ(multiszshort(both), "Reso");
}

TEST(ModelStrings, StrCmpRankOrdersMatches) {
    struct Case {
        const char *a, *b;
        int rank;
    } cases[] = {{"Bank A", "Bank A", 5},
                 {"Bank A", "bank a", 4},
                 {"Bank A", "Bank", 3},
                 {"Bank A", "bank", 2},
                 {"", "x", 3},
                 {"Bank A", "Cello", 0}};
    for (const Case& c : cases) EXPECT_EQ(strcmprank(c.a, c.b), c.rank) << c.a << " / " << c.b;
}

TEST(ModelStrings, ParseIntTakesBaseFromPrefixAndClamps) {
    int v = 0;
    EXPECT_TRUE(parseint("0x1F", &v));
    EXPECT_EQ(v, 31);
    EXPECT_TRUE(parseint("-12abc", &v));
    EXPECT_EQ(v, -12);
    EXPECT_TRUE(parseint("99999999999999", &v));
    EXPECT_EQ(v, 2147483647);
    EXPECT_FALSE(parseint("abc", &v));
    EXPECT_FALSE(parseint(nullptr, &v));
}
