// The sample conversion tables and initial blocks built into the product.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "Common/Files/PcgStorage.h"
#include "Common/Files/PcgTables.h"
#include "Common/Model/Tables/SampleNames.h"

using namespace QorX0;

namespace {

struct Row {
    int srcBank, srcNumber, dstBank, dstNumber;
    bool operator==(const Row&) const = default;
};
std::ostream& operator<<(std::ostream& o, const Row& r) {
    return o << "(" << r.srcBank << "," << r.srcNumber << " -> " << r.dstBank << "," << r.dstNumber << ")";
}

void ExpectPrefix(std::span<const PCGCONVROW> table, std::initializer_list<Row> rows, const char* what) {
    ASSERT_GE(table.size(), rows.size()) << what;
    size_t i = 0;
    for (const Row& r : rows) {
        const PCGCONVROW& t = table[i++];
        EXPECT_EQ((Row{t.srcBank, t.srcNumber, t.dstBank, t.dstNumber}),
                  (Row{r.srcBank, r.srcNumber, r.dstBank, r.dstNumber}))
            << what << " row " << i - 1;
    }
}

}  // namespace

TEST(PcgTables, RowsTheFormatNames) {
    const PcgConversionTables& t = PcgDefaultTables();
    ExpectPrefix(t.importMultisample[0][0],
                 {{0, 0, 0, 4}, {0, 1, 0, 5}, {0, 2, 0, 6}, {0, 3, 0, 21}, {0, 4, 0, 22}},
                 "multisamples 'P' to Tolva");
    ExpectPrefix(t.importDrumsample[0][0],
                 {{0, 0, 0, 0},
                  {0, 1, 0, 1},
                  {0, 2, 0, 2},
                  {0, 3, 0, 3},
                  {0, 4, 0, 4},
                  {0, 5, 0, 5},
                  {0, 6, 0, 11},
                  {0, 7, 0, 12}},
                 "drum samples 'P' to Tolva");
    ExpectPrefix(t.exportMultisample[0][0],
                 {{0, 4, 0, 0}, {0, 5, 0, 1}, {0, 6, 0, 2}, {0, 11, 0, 12}, {0, 12, 0, 13}},
                 "multisamples Tolva to 'P'");
    ExpectPrefix(t.exportDrumsample[0][0],
                 {{0, 0, 0, 0},
                  {0, 1, 0, 1},
                  {0, 2, 0, 2},
                  {0, 3, 0, 3},
                  {0, 4, 0, 4},
                  {0, 5, 0, 5},
                  {0, 6, 0, 9},
                  {0, 7, 0, 6}},
                 "drum samples Tolva to 'P'");
    ExpectPrefix(t.exportDrumsample[1][1], {{0, 6, 0, 8}, {0, 7, 0, 9}, {0, 8, 0, 16}, {0, 9, 0, 6}},
                 "drum samples Nerimo to 'c'");
    EXPECT_EQ(t.osvaraProgramInit.size(), kOsvaraProgramInitSize);
    EXPECT_EQ(t.osvaraCombiInit.size(), kOsvaraCombiInitSize);
}

TEST(PcgTables, EveryRowNamesSamplesThatExist) {
    // Sample counts: this model's lists, and those of the 'P' and 'c' families.
    const size_t ours[2][2] = {{kMultisampleCountTolva, kDrumSampleCountTolva},
                               {kMultisampleCountNerimo, kDrumSampleCountNerimo}};
    const size_t family[2][2] = {{425, 417}, {470, 518}};
    const PcgConversionTables& t = PcgDefaultTables();
    struct Case {
        std::span<const PCGCONVROW> table;
        size_t rows, sources, targets;
        bool import;
    };
    std::vector<Case> cases;
    for (int f = 0; f < 2; ++f)
        for (int m = 0; m < 2; ++m) {
            cases.push_back({t.importMultisample[f][m], family[f][0], family[f][0], ours[m][0], true});
            cases.push_back({t.importDrumsample[f][m], family[f][1], family[f][1], ours[m][1], true});
        }
    const size_t exportDrumRows[2][2] = {{518, 518}, {921, 923}};
    for (int m = 0; m < 2; ++m)
        for (int f = 0; f < 2; ++f) {
            cases.push_back({t.exportMultisample[m][f], ours[m][0], ours[m][0], family[f][0], false});
            cases.push_back(
                {t.exportDrumsample[m][f], exportDrumRows[m][f], ours[m][1], family[f][1], false});
        }
    for (size_t i = 0; i < cases.size(); ++i) {
        const Case& c = cases[i];
        EXPECT_EQ(c.table.size(), c.rows) << "table " << i;
        std::set<int> seen;
        for (const PCGCONVROW& r : c.table) {
            EXPECT_EQ(r.srcBank, 0);
            EXPECT_EQ(r.dstBank, 0);
            EXPECT_LT(r.srcNumber, c.sources) << "table " << i;
            EXPECT_LT(r.dstNumber, c.targets) << "table " << i;
            EXPECT_TRUE(seen.insert(r.srcNumber).second) << "table " << i << " repeats " << r.srcNumber;
        }
        if (c.import) {
            EXPECT_EQ(c.table.front().srcNumber, 0) << "table " << i;
        }
    }
}

// The built-in tables are searched through an index, tables handed in row by row: a copy of each
// built-in table must give the same answer for every pair, in both import and export use; each
// row's own pair gives its target, and unknown pairs leave the values as they were.
TEST(PcgTables, BuiltInTablesAnswerAsACopySearchedRowByRow) {
    struct Answer {
        bool hit;
        int bank, number;
        bool operator==(const Answer&) const = default;
    };
    const PcgConversionTables& t = PcgDefaultTables();
    std::vector<std::span<const PCGCONVROW>> tables;
    for (const auto* group :
         {&t.importMultisample, &t.importDrumsample, &t.exportMultisample, &t.exportDrumsample})
        for (const auto& pair : *group)
            for (std::span<const PCGCONVROW> span : pair) tables.push_back(span);
    for (size_t i = 0; i < tables.size(); ++i) {
        const std::vector<PCGCONVROW> copy(tables[i].begin(), tables[i].end());
        for (bool zeroTakesFirstRow : {false, true}) {
            auto lookUp = [&](std::span<const PCGCONVROW> table, int bank, int number) {
                const bool hit = PcgLookupPair(table, zeroTakesFirstRow, bank, number);
                return Answer{hit, bank, number};
            };
            auto same = [&](int bank, int number) {
                EXPECT_EQ(lookUp(tables[i], bank, number), lookUp(copy, bank, number))
                    << "table " << i << " pair " << bank << "," << number << " zero " << zeroTakesFirstRow;
            };
            for (int bank : {0, 1})
                for (int number = 0; number < 1100; ++number) same(bank, number);
            for (int number : {-1, 65535, 65536, 1 << 20}) same(0, number);
            same(-1, 0);
            same(65536, 0);
            EXPECT_EQ(lookUp(tables[i], 0, 5000), (Answer{false, 0, 5000})) << "table " << i;
            EXPECT_EQ(lookUp(tables[i], 0x10000 + 3, 0), (Answer{false, 0x10003, 0})) << "table " << i;
        }
        for (const PCGCONVROW& r : tables[i]) {
            int bank = r.srcBank, number = r.srcNumber;
            EXPECT_TRUE(PcgLookupPair(tables[i], false, bank, number));
            EXPECT_EQ((Answer{true, bank, number}), (Answer{true, r.dstBank, r.dstNumber})) << "table " << i;
        }
    }
}

// A table handed in may repeat a pair: the first row holding it answers, and on import row 0
// answers only the pair (0, 0).
TEST(PcgTables, AHandedInTableAnswersWithItsFirstRowOfAPair) {
    const PCGCONVROW rows[] = {{0, 4, 0, 40}, {0, 7, 0, 70}, {0, 4, 0, 41}, {0, 7, 0, 71}, {0, 0, 0, 9}};
    struct Case {
        bool zeroTakesFirstRow;
        int number;
        bool hit;
        int target;
    };
    const Case cases[] = {{false, 4, true, 40}, {true, 4, true, 41}, {false, 7, true, 70},
                          {true, 7, true, 70},  {false, 0, true, 9}, {true, 0, true, 40},
                          {false, 5, false, 5}};
    for (const Case& c : cases) {
        int bank = 0, number = c.number;
        EXPECT_EQ(PcgLookupPair(rows, c.zeroTakesFirstRow, bank, number), c.hit) << c.number;
        EXPECT_EQ(number, c.target) << c.number << " zero " << c.zeroTakesFirstRow;
    }
}
