#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>

#include "Common/Model/Converters.h"
#include "Common/Model/ModelStrings.h"
#include "Common/Model/ParamDesc.h"
#include "Common/Model/SynthData.h"

using namespace QorX0;

namespace {
const char kPan[] = "0~63\tL%03.0f,v\n64\tC064\n65~127\tR%03.0f,v";
const char kRatio[] = "0~90\t1~10\t%.1f:1,v\n91~130\t11~50\t%.1f:1,v\n131\tInf:1";
const char kCents[] = "-1200~1200\t-12~12\t%.2f,v";

std::string Long(const IStringConverter& c, int v) {
    return multiszlong(c.Format(v));
}
}  // namespace

TEST(Converters, ContinuousFormatsThroughEntries) {
    struct Case {
        int min, max;
        const char* format;
        int value;
        const char* text;
    } cases[] = {
        {0, 127, kPan, 64, "C064"},
        {0, 127, kPan, 10, "L010"},
        {0, 127, kPan, 127, "R127"},
        {0, 131, kRatio, 0, "1.0:1"},
        {0, 131, kRatio, 45, "5.5:1"},
        {0, 131, kRatio, 90, "10.0:1"},
        {0, 131, kRatio, 131, "Inf:1"},
        {0, 131, kRatio, 200, "200"},  // outside every entry: decimal
        {-1200, 1200, kCents, -600, "-6.00"},
        {-38, 24, "-39\t-Inf\n-38~24\t%+.0f,v", -39, "-Inf"},
        {-38, 24, "-39\t-Inf\n-38~24\t%+.0f,v", 3, "+3"},
        {40, 240, "%.0f,v", 120, "120"},
        {0, 16, "0~15\t1~16\t%.0f,v\n16\tGlobal Channel", 0, "1"},
        {0, 16, "0~15\t1~16\t%.0f,v\n16\tGlobal Channel", 16, "Global Channel"},
        {0, 10, "0~10\t%.0f,v*2+(v/2)", 4, "10"},  // expressions are evaluated, left to right
        {0, 10, "0~10\tv=%.0f w=%.0f,v,100-v", 3, "v=3 w=97"},
        {0, 10, "0~10\t%.0f%%,v", 7, "7%"},
        {0, 10, "0~10\t5~5\t%.0f,v", 3, ""},  // a display range of one value: empty
        {0, 10, "0~10\tno expression", 3, ""},
        {0, 10, "0~10\t%.0f,(v", 3, "0"},            // a failed expression gives 0
        {0, 10, "0~10\t%s %n %p,v", 3, "%s %n %p"},  // conversions that would read memory stay text
        {0, 10, "0~10\t%.0f %.0f,v", 3, "3 0"},      // a missing argument is 0
        {0, 10, "", 3, ""},                          // no format: empty text
    };
    for (const Case& c : cases) {
        CStringConverterCont conv(c.min, c.max, c.format);
        EXPECT_EQ(Long(conv, c.value), c.text) << c.format << " @ " << c.value;
    }
}

TEST(Converters, ContinuousFormatNeverPassesItsBuffer) {
    CStringConverterCont conv(0, 10, "0~10\t%0500.0f and more text,v");
    EXPECT_EQ(Long(conv, 3).size(), 127u);
    std::string longLabel(300, 'x');
    std::string fmt = "0~10\t" + longLabel + ",v";
    CStringConverterCont conv2(0, 10, fmt.c_str());
    EXPECT_EQ(Long(conv2, 3).size(), 127u);
    // Width and precision are cut, so printf never builds a huge text behind the scenes.
    CStringConverterCont conv3(0, 10, "0~10\t%03.0621221244f|%999999999d,v,v");
    EXPECT_LE(Long(conv3, 3).size(), 127u);
    EXPECT_EQ(Long(conv3, 3).substr(0, 4), "3.00");
}

TEST(Converters, ContinuousRangeCoversRowAndEntries) {
    EXPECT_EQ(CStringConverterCont(0, 0, kRatio).Range(), std::make_pair(0, 131));
    EXPECT_EQ(CStringConverterCont(-1, 127, "-1\tAll\n0~127\t%.0f,v").Range(), std::make_pair(-1, 127));
    EXPECT_EQ(CStringConverterCont(-5, 5, "0~3\t%.0f,v").Range(), std::make_pair(-5, 5));
}

TEST(Converters, ContinuousParseInvertsTheLinearMapping) {
    struct Case {
        int min, max;
        const char* format;
        const char* text;
        int value;
    } cases[] = {
        {0, 131, kRatio, "5.5", 45},
        {0, 131, kRatio, "Inf", 131},
        {0, 131, kRatio, "inf:1", 131},
        {0, 131, kRatio, "20", 100},
        {0, 127, kPan, "C064", 64},
        {0, 127, kPan, "c0", 64},
        {-1200, 1200, kCents, "-6", -600},
        {-1200, 1200, kCents, "12.5", 12},  // 1250 is outside: falls back to the integer reading
        {-1200, 1200, kCents, "0.004", 0},  // rounds half away from zero
        {-1200, 1200, kCents, "-0.005", -1},
        {-1, 127, "-1\tAll\n0~127\t%.0f,v", "All", -1},
        {-1, 127, "-1\tAll\n0~127\t%.0f,v", "", -1},  // an empty text matches the first label entry
        {0, 127, "%.0f,v", "junk", 0},
    };
    for (const Case& c : cases) {
        CStringConverterCont conv(c.min, c.max, c.format);
        EXPECT_EQ(conv.Parse(c.text), c.value) << c.format << " <- " << c.text;
    }
}

TEST(Converters, TryParseRefusesTextsThatAreNoValue) {
    CStringConverterCont cents(-1200, 1200, kCents);
    int v = 77;
    EXPECT_FALSE(cents.TryParse("volume", &v));
    EXPECT_FALSE(cents.TryParse("5000", &v));  // outside the range
    EXPECT_FALSE(cents.TryParse("nan", &v));
    EXPECT_FALSE(cents.TryParse("1e30", &v));
    EXPECT_FALSE(cents.TryParse("12.5", &v));  // Parse falls back to 12; TryParse wants a whole value
    EXPECT_EQ(v, 77);
    EXPECT_TRUE(cents.TryParse("3.5", &v));
    EXPECT_EQ(v, 350);
    CStringConverterEnum onoff("0\tOff\n1\tOn");
    EXPECT_FALSE(onoff.TryParse("Maybe", &v));
    EXPECT_EQ(onoff.Parse("Maybe"), 0);
}

// A number may stand behind the entry's own leading text and before its following text; whatever
// else is typed around it names no value.
TEST(Converters, TryParseReadsTheTextsAFieldShows) {
    const char kPan[] = "0\tRND\n1~63\tL%03.0f,v\n64\tC064\n65~127\tR%03.0f,v";
    const char kPattern[] = "0~4\t0~4\tP%.0f,v\n5~255\t0~250\t%.0f,v";
    const char kChannel[] = "0~15\t1~16\tCh%.0f,v\n16\tGlobal Channel|Gch";
    const char kBanks[] = "0~127\t0~127\tA%03.0f,v\n512~639\t1~128\tG%03.0f,v\n640~767\t1~128\tg%03.0f,v";
    struct Case {
        int min, max;
        const char* format;
        const char* text;
        int value;  // -1000: refused
    } cases[] = {
        {0, 127, kPan, "L001", 1},
        {0, 127, kPan, "l63", 63},
        {0, 127, kPan, "R127", 127},
        {0, 127, kPan, " R 100 ", 100},
        {0, 127, kPan, "10", 10},
        {0, 127, kPan, "RND", 0},
        {0, 127, kPan, "R010", -1000},
        {0, 127, kPan, "L100", -1000},
        {0, 127, kPan, "L5x", -1000},
        {0, 255, kPattern, "P3", 3},
        {0, 255, kPattern, "3", 8},
        {0, 16, kChannel, "Ch16", 15},
        {0, 16, kChannel, "5", 4},
        {0, 16, kChannel, "ch 5", 4},
        {0, 767, kBanks, "G001", 512},
        {0, 767, kBanks, "g001", 640},
        {0, 127, "%.0f,v", "3O", -1000},
        {0, 127, "%.0f,v", "x7", -1000},
        {0, 127, "%.0f,v", "", -1000},
        {0, 127, "%.0f,v", "  ", -1000},
        {0, 131, "0~90\t1~10\t%.1f:1,v", "5.5:1", 45},
        {0, 131, "0~90\t1~10\t%.1f:1,v", "5.5", 45},
        {0, 131, "0~90\t1~10\t%.1f:1,v", "5.5:2", -1000},
        {2, 96, "2~96\t1~48\t%.1fkHz,v", "12 khz", 24},
        {1, 99, "1~99\t%.0f:%.0f,v,100-v", "30:70", 30},
        {1, 99, "1~99\t%.0f:%.0f,v,100-v", "30:20", -1000},
    };
    for (const Case& c : cases) {
        CStringConverterCont conv(c.min, c.max, c.format);
        int v = -1000;
        conv.TryParse(c.text, &v);
        EXPECT_EQ(v, c.value) << c.format << " <- \"" << c.text << "\"";
    }
    int v = -1000;
    EXPECT_FALSE(CStringConverterEnum("0\tOff\n1\tOn").TryParse("", &v));
    EXPECT_EQ(v, -1000);
}

TEST(Converters, ListRanksMatchesFirstOnTies) {
    CStringConverterEnum conv("0\tOff\n1\tOn");
    EXPECT_EQ(conv.Range(), std::make_pair(0, 1));
    EXPECT_EQ(conv.Parse("on"), 1);  // equal ignoring case (4) beats the prefix of "Off" (2)
    EXPECT_EQ(conv.Parse("o"), 0);   // prefix ties: first wins
    EXPECT_EQ(conv.Parse("On"), 1);
    EXPECT_EQ(Long(conv, 1), "On");
    EXPECT_EQ(conv.Format(2), std::string("\0\0", 2));
    EXPECT_EQ(conv.Format(-1), std::string("\0\0", 2));
    CStringConverterEnum withShort("0\tBank A|A\n1\tBank B|B");
    EXPECT_EQ(multiszshort(withShort.Format(1)), "B");
    EXPECT_EQ(withShort.Parse("bank b"), 1);
}

TEST(Converters, StringRowsShowTheDecimalValue) {
    CStringConverterStr conv;
    EXPECT_EQ(Long(conv, -3), "-3");
    EXPECT_EQ(conv.Parse("0x10"), 16);
    EXPECT_EQ(conv.Parse(nullptr), 0);
    EXPECT_EQ(conv.Range(), std::make_pair(0, 0));
}

TEST(Converters, NameListsNumberTheirEntries) {
    CStringConverterEnumRiffNames riffs{RiffNameList{}};
    EXPECT_EQ(riffs.Range(), std::make_pair(0, 383));
    EXPECT_EQ(Long(riffs, 0), "000:Off");
    EXPECT_EQ(Long(riffs, 384), "");

    CStringConverterEnumMSDS ms{SampleNameList{g_MultisampleNames, MultisampleCount(1)}};
    EXPECT_EQ(ms.Range(), std::make_pair(0, 469));
    EXPECT_EQ(Long(ms, 5), std::string("005:") + g_MultisampleNames[5].name);
    EXPECT_EQ(ms.Parse((std::string("005:") + g_MultisampleNames[5].name).c_str()), 5);

    auto kits = std::make_unique<uint8_t[]>(40 * kSizeDrumKit);
    memset(kits.get(), 0, 40 * kSizeDrumKit);
    memcpy(kits.get() + 16 * kSizeDrumKit, "MyKit           ", 16);
    const char* presets[] = {"STANDARD        ", "ROOM            "};
    CStringConverterEnumDKit dkit{DrumKitNameList{kits.get(), 40, presets, 2}};
    EXPECT_EQ(dkit.Range(), std::make_pair(0, 41));
    EXPECT_EQ(Long(dkit, 3), "03(INT):");
    EXPECT_EQ(Long(dkit, 16), "16(User):MyKit           ");
    EXPECT_EQ(Long(dkit, 40), "40(GM):STANDARD        ");
    EXPECT_EQ(dkit.Parse("16(user):mykit"), 16);

    auto pats = std::make_unique<uint8_t[]>(251 * kSizeArpPattern);
    memset(pats.get(), 0, 251 * kSizeArpPattern);
    memcpy(pats.get() + kSizeArpPattern, "Groove", 6);
    uint8_t presetPats[5 * kSizeArpPattern] = {};
    memcpy(presetPats, "UP", 2);
    CStringConverterEnumArppat arp{ArpPatternNameList{presetPats, pats.get()}};
    EXPECT_EQ(arp.Range(), std::make_pair(0, 255));
    EXPECT_EQ(Long(arp, 0), "P000:UP");
    EXPECT_EQ(Long(arp, 6), "U001:Groove");

    // A list built before its image is there holds only the entries it has data for.
    CStringConverterEnumDKit presetKits{DrumKitNameList{nullptr, 40, presets, 2}};
    EXPECT_EQ(presetKits.Range(), std::make_pair(0, 1));
    EXPECT_EQ(Long(presetKits, 1), "01(GM):ROOM            ");
    CStringConverterEnumArppat userPats{ArpPatternNameList{nullptr, pats.get()}};
    EXPECT_EQ(userPats.Range(), std::make_pair(0, 250));
    EXPECT_EQ(Long(userPats, 1), "U001:Groove");
}

TEST(Converters, SparseWrapShowsOnlyEnabledItems) {
    CStringConverterEnum inner("0\tA\n1\tB\n2\tC\n3\tD");
    SparseMapping map(4);
    map.EnableItem(1, true);
    map.EnableItem(3, true);
    CStringConverterSparseWrap conv(&inner, &map);
    EXPECT_EQ(conv.Range(), std::make_pair(0, 1));
    EXPECT_EQ(Long(conv, 1), "D");
    EXPECT_EQ(conv.Parse("D"), 1);
    int v = 9;
    EXPECT_FALSE(conv.TryParse("C", &v));  // hidden item
    EXPECT_TRUE(conv.TryParse("B", &v));
    EXPECT_EQ(v, 0);
}

TEST(Converters, PoolSharesByModelTypeRangeAndFullFormat) {
    CStringConverterPool& pool = CStringConverterPool::Instance();
    const IStringConverter* a = pool.Get(1, kPTypeCont, 0, 127, "%.0f,v");
    EXPECT_EQ(a, pool.Get(1, kPTypeCont, 0, 127, "%.0f,v"));
    EXPECT_NE(a, pool.Get(9, kPTypeCont, 0, 127, "%.0f,v"));
    EXPECT_NE(a, pool.Get(1, kPTypeCont, 0, 126, "%.0f,v"));
    // 24-bit ranges that agree in their low 16 bits are different converters.
    EXPECT_NE(pool.Get(1, kPTypeCont, 0, 0x10000, "%.0f,v"), pool.Get(1, kPTypeCont, 0, 0x20000, "%.0f,v"));
    // Long formats differing only after 255 characters are different converters.
    std::string f1 = std::string(300, 'a') + "\n0\tX", f2 = std::string(300, 'a') + "\n0\tY";
    EXPECT_NE(pool.Get(1, kPTypeList, 0, 0, f1.c_str()), pool.Get(1, kPTypeList, 0, 0, f2.c_str()));
    EXPECT_EQ(pool.Get(1, kPTypeCaption, 0, 0, nullptr), nullptr);
    EXPECT_NE(dynamic_cast<const CStringConverterStr*>(pool.Get(1, kPTypeString, 0, 0, nullptr)), nullptr);
}

// A format's precision is capped at 64 digits: printf would otherwise build the whole number (a
// precision of a billion takes seconds and gigabytes) before the text is cut to its buffer.
TEST(Converters, PrecisionIsCappedBeforePrintfSeesIt) {
    for (const char* format :
         {"%.999999999f,v", "%.64f,v", "%.2147483648f,v", "%1.99999999999999999999e,v"}) {
        CStringConverterCont conv(0, 10, format);
        const std::string text = multiszlong(conv.Format(3));
        const size_t point = text.find('.');
        ASSERT_NE(point, std::string::npos) << format;
        const size_t digits = text.find_first_not_of("0123456789", point + 1);
        EXPECT_EQ((digits == std::string::npos ? text.size() : digits) - point - 1, 64u) << format;
    }
}
