// The effect tables bound for both models: every row gets its accessor and converter, renders its
// whole range, and reads back what is written without touching the rest of the parameter block.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "Common/Model/ModelStrings.h"
#include "Common/Model/ParamTable.h"
#include "Common/Model/SynthData.h"
#include "Common/Model/Tables/EffectTables.h"

using namespace QorX0;

namespace {

std::string TypeTrace(unsigned type, unsigned char pmid) {
    char text[32];
    std::snprintf(text, sizeof text, "type %02u model %u", type, pmid);
    return text;
}

const CParamTable* Bound(unsigned type, unsigned char pmid = kPmidTolva) {
    return CParamTable::GetInstance(TABLEARRAY_FX[type], pmid, kSizeFxParams);
}

// The row named `name` (the n-th of that name) in the table of `type`, bound for the Tolva.
const PARAMDESC& Row(unsigned type, const char* name, unsigned nth = 0) {
    const CParamTable* t = Bound(type);
    for (unsigned i = 0; i < t->GetCount(); ++i) {
        const PARAMDESC& row = *t->GetAt(i);
        if (row.ptype != kPTypeCaption && RowLongName(row) == name && nth-- == 0) return row;
    }
    ADD_FAILURE() << "no row " << name << " in type " << type;
    return *t->GetAt(0);
}

std::string Text(const PARAMDESC& row, int value) {
    return multiszlong(row.converter->Format(value));
}

// Every block byte the row's field does not cover keeps its pattern.
std::vector<uint8_t> FieldMask(const PARAMDESC& row) {
    std::vector<uint8_t> mask(kSizeFxParams, 0);
    const unsigned bytes = CParamTable::FieldWidth(row);
    for (unsigned bit = row.lobit; bit <= row.hibit; ++bit)
        mask[row.offset + bytes - 1 - bit / 8] |= static_cast<uint8_t>(1u << (bit % 8));
    return mask;
}

}  // namespace

TEST(EffectTablesBinding, EveryRowBindsAndRendersItsRangeForBothModels) {
    for (unsigned char pmid : {kPmidTolva, kPmidNerimo}) {
        for (unsigned type = 0; type < kFxTypeCount; ++type) {
            SCOPED_TRACE(TypeTrace(type, pmid));
            const CParamTable* t = Bound(type, pmid);
            ASSERT_NE(nullptr, t);
            ASSERT_EQ(TABLEARRAY_FX[type].count, t->GetCount());
            EXPECT_TRUE(t->RefusedRows().empty());
            for (unsigned i = 0; i < t->GetCount(); ++i) {
                const PARAMDESC& row = *t->GetAt(i);
                const PARAMDESC& stat = TABLEARRAY_FX[type].rows[i];
                SCOPED_TRACE(RowLongName(row));
                if (row.ptype == kPTypeCaption) {
                    EXPECT_EQ(kPidNone, t->IndexToPID(i));
                    continue;
                }
                ASSERT_NE(nullptr, RowAccessorI(row));
                ASSERT_NE(nullptr, row.converter);
                EXPECT_EQ(&row, t->FindPID(stat.pid));
                // The converter's range is the range the table states.
                EXPECT_EQ(stat.minval, row.minval);
                EXPECT_EQ(stat.maxval, row.maxval);
                for (int v = row.minval; v <= row.maxval; ++v)
                    EXPECT_FALSE(Text(row, v).empty()) << "value " << v;
                if (auto* cont = dynamic_cast<const CStringConverterCont*>(row.converter)) {
                    for (const auto& e : cont->Entries()) {
                        if (e.rawlo == e.rawhi) continue;
                        EXPECT_EQ(CStringConverterCont::CountConversions(e.format.c_str()), e.exprs.size())
                            << e.format;
                    }
                }
            }
        }
    }
}

TEST(EffectTablesBinding, WritesReadBackAndLeaveTheRestOfTheBlock) {
    uint8_t pattern[kSizeFxParams];
    for (unsigned b = 0; b < kSizeFxParams; ++b) pattern[b] = static_cast<uint8_t>(0xA5 ^ (b * 37));
    for (unsigned type = 0; type < kFxTypeCount; ++type) {
        const CParamTable* t = Bound(type);
        for (unsigned i = 0; i < t->GetCount(); ++i) {
            const PARAMDESC& row = *t->GetAt(i);
            if (row.ptype == kPTypeCaption) continue;
            SCOPED_TRACE(TypeTrace(type, kPmidTolva) + " " + RowLongName(row));
            const std::vector<uint8_t> mask = FieldMask(row);
            for (int v : {row.minval, (row.minval + row.maxval) / 2, row.maxval, row.defval}) {
                uint8_t block[kSizeFxParams];
                std::memcpy(block, pattern, sizeof block);
                RowAccessorI(row)->Put(block, row.offset, v);
                EXPECT_EQ(v, RowAccessorI(row)->Get(block, row.offset));
                for (unsigned b = 0; b < kSizeFxParams; ++b)
                    EXPECT_EQ(pattern[b] & ~mask[b], block[b] & ~mask[b]) << "byte " << b << " value " << v;
            }
        }
    }
}

TEST(EffectTablesBinding, InitialBlocksAreTheDefaultsWrittenThroughTheRows) {
    for (unsigned type = 0; type < kFxTypeCount; ++type) {
        SCOPED_TRACE(TypeTrace(type, kPmidNerimo));
        const CParamTable* t = Bound(type, kPmidNerimo);
        uint8_t block[kSizeFxParams] = {};
        for (unsigned i = 0; i < t->GetCount(); ++i) {
            const PARAMDESC& row = *t->GetAt(i);
            if (row.ptype != kPTypeCaption) RowAccessorI(row)->Put(block, row.offset, row.defval);
        }
        EXPECT_EQ(0, std::memcmp(block, VINITCHUNK_FX[type], kSizeFxParams));
    }
}

TEST(EffectTablesBinding, SharedRowsShowWhatMusiciansExpect) {
    const PARAMDESC& wetDry = Row(1, "Wet/Dry");
    EXPECT_EQ("Dry", Text(wetDry, 0));
    EXPECT_EQ("1:99", Text(wetDry, 1));
    EXPECT_EQ("50:50", Text(wetDry, 50));
    EXPECT_EQ("99:1", Text(wetDry, 99));
    EXPECT_EQ("Wet", Text(wetDry, 100));
    EXPECT_EQ(100, wetDry.converter->Parse("wet"));
    EXPECT_EQ(30, wetDry.converter->Parse("30:70"));

    const PARAMDESC& amount = Row(1, "Amount");
    EXPECT_EQ("-100", Text(amount, -50));
    EXPECT_EQ("+0", Text(amount, 0));
    EXPECT_EQ("+100", Text(amount, 50));
    EXPECT_EQ(20, amount.converter->Parse("+40"));

    const PARAMDESC& source = Row(1, "Source");
    EXPECT_EQ("Off", Text(source, 0));
    EXPECT_EQ(15, source.converter->Parse("Knob 1"));

    const PARAMDESC& lfo = Row(16, "LFO Freq");
    EXPECT_STREQ("Hz", lfo.unit);
    EXPECT_EQ("0.02", Text(lfo, 0));
    EXPECT_EQ("1.00", Text(lfo, 49));
    EXPECT_EQ("1.2", Text(lfo, 50));
    EXPECT_EQ("10.0", Text(lfo, 94));
    EXPECT_EQ("20", Text(lfo, 104));

    const PARAMDESC& bpm = Row(16, "BPM");
    EXPECT_EQ("MIDI", Text(bpm, 39));
    EXPECT_EQ("120", Text(bpm, bpm.defval));
    EXPECT_EQ("1/4", Text(Row(16, "Base Note"), 4));
    EXPECT_EQ("x16", Text(Row(16, "Times"), 15));

    EXPECT_EQ("5.5:1", Text(Row(4, "Ratio"), 45));
    EXPECT_EQ("Inf:1", Text(Row(4, "Ratio"), 131));
    EXPECT_EQ("-Inf", Text(Row(4, "G.Adj"), -39));
    EXPECT_EQ("+24", Text(Row(4, "G.Adj"), 24));

    const PARAMDESC& cutoff = Row(7, "Cutoff");
    EXPECT_EQ("20Hz", Text(cutoff, 0));
    EXPECT_EQ("1.0kHz", Text(cutoff, cutoff.defval));
    EXPECT_EQ("20kHz", Text(cutoff, cutoff.maxval));
    EXPECT_EQ("0.5", Text(Row(7, "Q"), 1));
    EXPECT_EQ("10.0", Text(Row(7, "Q"), 20));

    const PARAMDESC& delay = Row(44, "L Delay");
    EXPECT_STREQ("ms", delay.unit);
    EXPECT_EQ("199", Text(delay, 199));
    EXPECT_EQ("200", Text(delay, 200));
    EXPECT_EQ("1990", Text(delay, 379));
    EXPECT_EQ(201, delay.converter->Parse("210"));

    const PARAMDESC& tapPan = Row(18, "Pan");
    EXPECT_EQ("L15", Text(tapPan, 0));
    EXPECT_EQ("C", Text(tapPan, 15));
    EXPECT_EQ("R15", Text(tapPan, 30));
    EXPECT_EQ("C064", Text(Row(29, "Pan"), 64));
    EXPECT_EQ("+2.50", Text(Row(50, "Adjust"), 250));
    EXPECT_EQ("2230", Text(Row(42, "Rev.Time"), 222));
}
