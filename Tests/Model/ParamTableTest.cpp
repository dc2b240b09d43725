#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "Common/Model/ModelStrings.h"
#include "Common/Model/ParamTable.h"
#include "Common/Model/Tables/SmallTables.h"
#include "Linux/Trace.h"

using namespace QorX0;

namespace {
const PARAMDESC* Row(const CParamTable* t, const char* name) {
    for (unsigned i = 0; i < t->GetCount(); ++i)
        if (RowLongName(*t->GetAt(i)) == name) return t->GetAt(i);
    return nullptr;
}
}  // namespace

TEST(ParamTable, ProgramBankFilterHasAChoicePerBankOfTheModel) {
    const CParamTable* t1 = CParamTable::GetInstance(TABLEDESC_SETUP, 1, 96);
    const CParamTable* t9 = CParamTable::GetInstance(TABLEDESC_SETUP, 9, 96);
    const PARAMDESC* r1 = Row(t1, "Filter.ProgBank");
    const PARAMDESC* r9 = Row(t9, "Filter.ProgBank");
    ASSERT_TRUE(r1 && r9);
    EXPECT_EQ(r1->minval, 0);  // list rows count positions
    EXPECT_EQ(r1->maxval, 4);
    EXPECT_EQ(r9->maxval, 5);
    EXPECT_EQ(multiszlong(r1->converter->Format(0)), "All Banks");
    EXPECT_EQ(multiszlong(r1->converter->Format(4)), "Bank D");
    EXPECT_EQ(multiszlong(r9->converter->Format(5)), "Bank E");
    auto* values = dynamic_cast<const IAccessorMapped*>(r1->accessor);
    ASSERT_NE(values, nullptr);
    EXPECT_EQ(values->Values(), (std::vector<int>{-1, 0, 1, 2, 3}));
    uint8_t setup[96] = {};
    RowAccessorI(*r1)->Put(setup, r1->offset, 0);
    EXPECT_EQ(setup[2], 0xFF);  // All Banks is stored as -1
}

TEST(ParamTable, ExtractFormatForModel) {
    EXPECT_EQ(CParamTable::extractformatforpmid("%.0f,v", 9), "%.0f,v");
    EXPECT_EQ(CParamTable::extractformatforpmid("1\fA\f9\fB", 9), "B");
    EXPECT_EQ(CParamTable::extractformatforpmid("1\fA\f0x9\fB", 9), "B");
    EXPECT_EQ(CParamTable::extractformatforpmid("1\fA\f9\fB", 1), "A");
    EXPECT_EQ(CParamTable::extractformatforpmid(nullptr, 1), "");
    EXPECT_EQ(CParamTable::extractformatforpmid("", 1), "");
    int saved = g_enabletrace;
    g_enabletrace = 1;
    testing::internal::CaptureStdout();
    EXPECT_EQ(CParamTable::extractformatforpmid("1\fA\f9", 9), "");
    std::string out = testing::internal::GetCapturedStdout();
    g_enabletrace = saved;
    EXPECT_EQ(out, "CParamTable: WARNING - format not found for PMID(9), 1\fA\f9\n");
}

TEST(ParamTable, CaptionsLoseTheirPidAndAreProtected) {
    static const PARAMDESC rows[] = {
        {"HEAD\0"
         "HEAD",
         nullptr, 0x0100, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr},
        {"LEVEL\0"
         "LVL",
         nullptr, 0x0101, 2, 2, 0, 0, 6, 5, 0, 127, 0, 0, "%.0f,v"},
        {"TWIN\0"
         "TWIN",
         nullptr, 0x0101, 2, 2, 1, 0, 6, 0, 0, 127, 0, 0, "%.0f,v"},
    };
    static const TABLEDESC table = MakeTable(rows);
    const CParamTable* t = CParamTable::GetInstance(table, 1, 4);
    EXPECT_EQ(t, CParamTable::GetInstance(table, 1, 4));
    EXPECT_NE(t, CParamTable::GetInstance(table, 9, 4));
    EXPECT_EQ(t->GetCount(), 3u);
    EXPECT_EQ(t->IndexToPID(0), -1);
    EXPECT_EQ(t->GetAt(0)->flags & 1, 1);
    EXPECT_EQ(t->GetAt(0)->accessor, nullptr);
    EXPECT_EQ(t->PIDToIndex(0x0100), -1);
    EXPECT_EQ(t->PIDToIndex(0x0101), 2);  // a later row with the same PID replaces the earlier one
    EXPECT_EQ(t->IndexToPID(3), -1);
    EXPECT_EQ(t->GetAt(3), nullptr);
    EXPECT_EQ(t->GetAt(1)->initval, 5);
    EXPECT_EQ(RowShortName(*t->GetAt(1)), "LVL");
    EXPECT_EQ(rows[1].accessor, nullptr);  // the static rows are never changed
}

TEST(ParamTable, RowsOutsideTheirRecordAreBoundAsCaptions) {
    static const PARAMDESC rows[] = {
        {"INSIDE\0"
         "INSIDE",
         nullptr, 0x0000, 2, 4, 2, 0, 15, 0, 0, 100, 0, 0, "%.0f,v"},
        {"PAST END\0"
         "PAST END",
         nullptr, 0x0001, 2, 4, 3, 0, 15, 0, 0, 100, 0, 0, "%.0f,v"},
        {"NAME PAST\0"
         "NAME PAST",
         nullptr, 0x0002, 1, 1, 0, 0, 0, 0, 0, 0, 0, 0, nullptr},
        {"BITS PAST\0"
         "BITS PAST",
         nullptr, 0x0003, 2, 2, 0, 4, 9, 0, 0, 100, 0, 0, "%.0f,v"},
        {"NEGATIVE\0"
         "NEGATIVE",
         nullptr, 0x0004, 2, 2, -1, 0, 7, 0, 0, 100, 0, 0, "%.0f,v"},
    };
    static const TABLEDESC table = MakeTable(rows);
    const CParamTable* t = CParamTable::GetInstance(table, 1, 4);
    EXPECT_EQ(t->RefusedRows(), (std::vector<unsigned>{1, 2, 3, 4}));
    EXPECT_NE(t->GetAt(0)->accessor, nullptr);
    for (unsigned i = 1; i < 5; ++i) {
        EXPECT_EQ(t->GetAt(i)->accessor, nullptr) << i;
        EXPECT_EQ(t->IndexToPID(i), -1) << i;
    }
}

TEST(ParamTable, AMissingModelFormatBindsAnEmptyFormat) {
    static const PARAMDESC rows[] = {
        {"LIST\0"
         "LIST",
         nullptr, 0x0000, 3, 2, 0, 0, 7, 0, 0, 0, 0, 0, "1\f0\tA\n1\tB\f9"},
        {"CONT\0"
         "CONT",
         nullptr, 0x0001, 2, 2, 1, 0, 7, 0, 0, 9, 0, 0, "1\f%.0f,v\f9"},
    };
    static const TABLEDESC table = MakeTable(rows);
    const CParamTable* t9 = CParamTable::GetInstance(table, 9, 2);
    EXPECT_STREQ(t9->GetAt(0)->format, "");
    EXPECT_EQ(t9->GetAt(0)->maxval, -1);  // an empty list
    EXPECT_EQ(multiszlong(t9->GetAt(1)->converter->Format(3)), "");
    const CParamTable* t1 = CParamTable::GetInstance(table, 1, 2);
    EXPECT_EQ(t1->GetAt(0)->maxval, 1);
    EXPECT_EQ(multiszlong(t1->GetAt(1)->converter->Format(3)), "3");
}

TEST(ParamTable, ToneAdjustDestinationsListTheTemplateRows) {
    const CParamTable* templates = CParamTable::GetInstance(TABLEDESC_TONEADJDESTTMPL, 1, 2);
    CStringConverterEnumToneAdjDest dest{TableRowNameList{templates}};
    EXPECT_EQ(dest.Range(), std::make_pair(0, 24));
    EXPECT_EQ(multiszlong(dest.Format(17)), "LFO1 Pitch Intensity");
    EXPECT_EQ(multiszshort(dest.Format(17)), "LFO1 P Int.");
    EXPECT_EQ(multiszshort(dest.Format(0)), "LPF Cutoff");
    EXPECT_EQ(dest.Parse("lfo1 pitch intensity"), 17);
    EXPECT_EQ(dest.Parse("Amp EG"), 12);  // prefix of several: the first wins
    // The value row of that destination: hundredths of a semitone.
    const PARAMDESC* row = templates->GetAt(17);
    EXPECT_EQ(multiszlong(row->converter->Format(-600)), "-6.00");
    EXPECT_EQ(row->converter->Parse("12.5"), 12);
}

TEST(ParamTable, TheSystemsTablesKnowTheirRecordSizes) {
    EXPECT_EQ(CParamTable::RecordSizeOf(TABLEDESC_DRUMKIT), 4112u);
    EXPECT_EQ(CParamTable::RecordSizeOf(TABLEDESC_COMBIPLAYTRK), 28u);
    EXPECT_EQ(CParamTable::RecordSizeOf(TABLEDESC_SETUP), 96u);
    static const PARAMDESC rows[] = {
        {"X\0"
         "X",
         nullptr, 0, 2, 2, 0, 0, 7, 0, 0, 1, 0, 0, "%.0f,v"}};
    static const TABLEDESC unknown = MakeTable(rows);
    EXPECT_EQ(CParamTable::RecordSizeOf(unknown), 0u);
}
