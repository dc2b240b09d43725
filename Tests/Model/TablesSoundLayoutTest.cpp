// Layout of the large tables: every field inside its record, no two fields sharing a bit, PIDs unique and
// routable, every row bound for both models, and every value of a row's range surviving a write through
// its accessor without touching anything outside its field.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "Common/Model/ModelStrings.h"
#include "Common/Model/ParamTable.h"
#include "Common/Model/SynthData.h"
#include "Common/Model/Tables/SoundTables.h"

using namespace QorX0;

namespace {

struct SoundTable {
    const char* name;
    const TABLEDESC* table;
    unsigned recordSize;
    // PID groups (high bytes) that belong to sub-sections of the owner and must stay free here.
    std::vector<std::pair<int, int>> subGroups;
};

std::vector<SoundTable> SoundTables() {
    return {
        {"GLOBAL", &TABLEDESC_GLOBAL, kSizeGlobal, {}},
        {"PROGEDIT", &TABLEDESC_PROGEDIT, kSizeProgram, {{0x1F, 0x1F}, {0x21, 0x22}}},
        {"COMBIEDIT",
         &TABLEDESC_COMBIEDIT,
         kSizeCombi,
         {{0x01, 0x08}, {0x0D, 0x0D}, {0x0F, 0x10}, {0x12, 0x19}}},
        {"COMBIEDITTRK", &TABLEDESC_COMBIEDITTRK, kSizeTimbre, {{0x01, 0x7F}}},
        {"MULTI", &TABLEDESC_MULTI, kSizeMulti, {{0x01, 0x10}, {0x26, 0x26}, {0x28, 0x29}, {0x2B, 0x3A}}},
        {"MULTITRK", &TABLEDESC_MULTITRK, kSizeTimbre, {{0x01, 0x7F}}},
    };
}

std::string Name(const PARAMDESC& row) {
    return row.name ? std::string(row.name) : std::string();
}

// Bytes a field spans, and the bits it owns in each of them (bit-field kinds; whole bytes otherwise).
std::vector<uint8_t> FieldMasks(const PARAMDESC& row) {
    const unsigned width = CParamTable::FieldWidth(row);
    std::vector<uint8_t> masks(width, 0xFF);
    if (row.atype == kATypeName16 || row.atype == kATypeName32 || row.atype == kATypeBnkPgm) return masks;
    for (unsigned b = 0; b < width; ++b) {
        uint8_t m = 0;
        for (unsigned bit = 0; bit < 8; ++bit) {
            const unsigned fieldBit = (width - 1 - b) * 8 + bit;  // big-endian: bit 0 is in the last byte
            if (fieldBit >= row.lobit && fieldBit <= row.hibit) m |= static_cast<uint8_t>(1u << bit);
        }
        masks[b] = m;
    }
    return masks;
}

std::vector<int> EndsAndMiddle(int lo, int hi) {
    return {lo, lo + (hi - lo) / 2, hi};
}

}  // namespace

TEST(TablesSoundLayout, FieldsLieInsideTheirRecordsAndShareNoBit) {
    for (const SoundTable& st : SoundTables()) {
        SCOPED_TRACE(st.name);
        std::vector<uint8_t> used(st.recordSize, 0);
        std::vector<std::string> owner(st.recordSize * 8);
        for (uint32_t i = 0; i < st.table->count; ++i) {
            const PARAMDESC& row = st.table->rows[i];
            if (row.ptype == kPTypeCaption) {
                EXPECT_EQ(row.pid, kPidNone) << Name(row);
                continue;
            }
            const unsigned width = CParamTable::FieldWidth(row);
            ASSERT_GT(width, 0u) << Name(row);
            ASSERT_GE(row.offset, 0);
            ASSERT_LE(row.offset + width, st.recordSize) << Name(row);
            if (row.atype != kATypeName16 && row.atype != kATypeName32 && row.atype != kATypeBnkPgm) {
                EXPECT_LE(row.lobit, row.hibit) << Name(row);
                EXPECT_LT(row.hibit, width * 8) << Name(row);
            }
            const std::vector<uint8_t> masks = FieldMasks(row);
            for (unsigned b = 0; b < width; ++b) {
                const unsigned at = row.offset + b;
                for (unsigned bit = 0; bit < 8; ++bit) {
                    if (!(masks[b] & (1u << bit))) continue;
                    EXPECT_EQ(owner[at * 8 + bit], "") << Name(row) << " and " << owner[at * 8 + bit]
                                                       << " share bit " << bit << " of byte " << at;
                    owner[at * 8 + bit] = Name(row);
                }
                used[at] |= masks[b];
            }
        }
    }
}

TEST(TablesSoundLayout, GlobalBytesWithFixedInitialValuesBelongToNoRow) {
    // The initial global record holds 2, 127, 12, 127, 127, 12 in these bytes and no row describes them.
    std::set<int> covered;
    for (uint32_t i = 0; i < TABLEDESC_GLOBAL.count; ++i) {
        const PARAMDESC& row = TABLEDESC_GLOBAL.rows[i];
        for (unsigned b = 0; b < CParamTable::FieldWidth(row); ++b) covered.insert(row.offset + b);
    }
    for (int byte : {3, 840, 844, 845, 846, 849}) EXPECT_EQ(covered.count(byte), 0u) << byte;
}

TEST(TablesSoundLayout, PidsAreUniqueSendableAndClearOfSubSections) {
    for (const SoundTable& st : SoundTables()) {
        SCOPED_TRACE(st.name);
        std::set<int> pids;
        for (uint32_t i = 0; i < st.table->count; ++i) {
            const PARAMDESC& row = st.table->rows[i];
            if (row.ptype == kPTypeCaption) continue;
            EXPECT_TRUE(pids.insert(row.pid).second) << Name(row) << " duplicates PID " << row.pid;
            const int group = (row.pid >> 8) & 0xFF;
            const bool sent = row.ptype != kPTypeString && !(row.pid & kPidNoSend);
            if (sent) {
                EXPECT_LT(row.pid & 0xFF, 0x80) << Name(row);
                EXPECT_LT(group, 0x80) << Name(row);
            }
            // A PID in a sub-section's group would be routed away from the section that owns the row.
            for (const auto& [lo, hi] : st.subGroups)
                EXPECT_FALSE(group >= lo && group <= hi && !(row.pid & kPidNoSend))
                    << Name(row) << " PID " << row.pid << " lies in a sub-section's range";
        }
    }
}

TEST(TablesSoundLayout, EveryRowBindsForBothModelsWithItsDefaultInRange) {
    for (const SoundTable& st : SoundTables()) {
        for (unsigned char pmid : {kPmidTolva, kPmidNerimo}) {
            SCOPED_TRACE(std::string(st.name) + " model " + std::to_string(pmid));
            const CParamTable* t = CParamTable::GetInstance(*st.table, pmid, st.recordSize);
            ASSERT_EQ(t->GetCount(), st.table->count);
            EXPECT_TRUE(t->RefusedRows().empty());
            for (unsigned i = 0; i < t->GetCount(); ++i) {
                const PARAMDESC& row = *t->GetAt(i);
                SCOPED_TRACE(RowLongName(row));
                EXPECT_FALSE(RowLongName(row).empty());
                EXPECT_FALSE(RowShortName(row).empty());
                if (row.ptype == kPTypeCaption) continue;
                ASSERT_NE(row.accessor, nullptr);
                ASSERT_NE(row.converter, nullptr);
                EXPECT_EQ(t->PIDToIndex(row.pid), static_cast<int>(i));
                if (row.ptype == kPTypeString) continue;
                // The static range must agree with what the converter makes of the format, except where
                // the range differs per model and only the model's format can give it.
                const PARAMDESC& raw = st.table->rows[i];
                if (!std::strchr(raw.format, '\f')) {
                    EXPECT_EQ(row.minval, raw.minval);
                    EXPECT_EQ(row.maxval, raw.maxval);
                }
                EXPECT_GE(row.defval, row.minval);
                EXPECT_LE(row.defval, row.maxval);
                for (int v : {row.defval, row.minval, row.maxval})
                    EXPECT_FALSE(multiszlong(row.converter->Format(v)).empty()) << "value " << v;
                if (auto* mapped = dynamic_cast<const IAccessorMapped*>(row.accessor)) {
                    EXPECT_EQ(static_cast<int>(mapped->Values().size()), row.maxval + 1);
                }
                if (auto* cont = dynamic_cast<const CStringConverterCont*>(row.converter)) {
                    for (const auto& e : cont->Entries()) {
                        if (e.rawlo == e.rawhi) continue;  // a label
                        EXPECT_EQ(CStringConverterCont::CountConversions(e.format.c_str()), e.exprs.size())
                            << e.format;
                    }
                }
                if (row.ptype != kPTypeCont) {
                    // Typing the text a list shows selects the same entry again.
                    for (int v = row.minval; v <= row.maxval; ++v)
                        EXPECT_EQ(row.converter->Parse(multiszlong(row.converter->Format(v)).c_str()), v)
                            << multiszlong(row.converter->Format(v));
                }
            }
        }
    }
}

TEST(TablesSoundLayout, EachValueRoundTripsThroughItsAccessorAndNothingElseChanges) {
    for (const SoundTable& st : SoundTables()) {
        for (unsigned char pmid : {kPmidTolva, kPmidNerimo}) {
            SCOPED_TRACE(std::string(st.name) + " model " + std::to_string(pmid));
            const CParamTable* t = CParamTable::GetInstance(*st.table, pmid, st.recordSize);
            for (unsigned i = 0; i < t->GetCount(); ++i) {
                const PARAMDESC& row = *t->GetAt(i);
                if (row.ptype == kPTypeCaption) continue;
                SCOPED_TRACE(RowLongName(row));
                for (uint8_t fill : {uint8_t{0x00}, uint8_t{0xFF}, uint8_t{0x5A}}) {
                    std::vector<uint8_t> record(st.recordSize, fill);
                    std::vector<std::string> texts;
                    std::vector<int> values;
                    if (row.ptype == kPTypeString) {
                        const std::string name = "Round Trip Name!";
                        RowAccessorS(row)->Put(record.data(), row.offset, name.c_str());
                        EXPECT_EQ(multiszlong(RowAccessorS(row)->Get(record.data(), row.offset)), name);
                    } else {
                        for (int v : EndsAndMiddle(row.minval, row.maxval)) {
                            RowAccessorI(row)->Put(record.data(), row.offset, v);
                            EXPECT_EQ(RowAccessorI(row)->Get(record.data(), row.offset), v)
                                << "fill " << +fill;
                        }
                    }
                    const std::vector<uint8_t> masks = FieldMasks(row);
                    for (unsigned b = 0; b < st.recordSize; ++b) {
                        const int rel = static_cast<int>(b) - row.offset;
                        const uint8_t keep = (rel >= 0 && rel < static_cast<int>(masks.size()))
                                                 ? static_cast<uint8_t>(~masks[rel])
                                                 : 0xFF;
                        EXPECT_EQ(record[b] & keep, fill & keep) << "byte " << b << " changed";
                    }
                }
            }
        }
    }
}

TEST(TablesSoundLayout, OscillatorTwoRepeatsOscillatorOneAtItsOwnBytesAndPids) {
    const TABLEDESC& t = TABLEDESC_PROGEDIT;
    std::map<int, const PARAMDESC*> byPid;
    for (uint32_t i = 0; i < t.count; ++i)
        if (t.rows[i].ptype != kPTypeCaption) byPid[t.rows[i].pid] = &t.rows[i];
    int pairs = 0;
    for (const auto& [pid, row] : byPid) {
        const int group = pid >> 8;
        if (group < 0x02 || group > 0x0E) continue;
        SCOPED_TRACE(Name(*row));
        if (pid == 0x0E05) {  // USE DKIT SETTING exists for oscillator 1 only
            EXPECT_EQ(byPid.count(pid + 0x0D00), 0u);
            continue;
        }
        ASSERT_EQ(byPid.count(pid + 0x0D00), 1u);
        const PARAMDESC& two = *byPid[pid + 0x0D00];
        EXPECT_EQ(Name(two), Name(*row));
        EXPECT_EQ(two.offset, row->offset + 154);
        EXPECT_EQ(two.ptype, row->ptype);
        EXPECT_EQ(two.atype, row->atype);
        EXPECT_EQ(two.lobit, row->lobit);
        EXPECT_EQ(two.hibit, row->hibit);
        EXPECT_EQ(two.defval, row->defval);
        EXPECT_EQ(two.minval, row->minval);
        EXPECT_EQ(two.maxval, row->maxval);
        EXPECT_STREQ(two.format, row->format);
        ++pairs;
    }
    EXPECT_EQ(pairs, 173);
}

TEST(TablesSoundLayout, BitsTheFileConverterKeepsForTheInstrumentBelongToNoRow) {
    // The ninth bit of the arpeggio pattern numbers and the sample-bank byte beside each oscillator's
    // sample numbers are carried by the file converter but shown by no row.
    struct Kept {
        const TABLEDESC* table;
        int offset;
        uint8_t mask;
    };
    const Kept kKept[] = {
        {&TABLEDESC_PROGEDIT, 99, 0x20},   {&TABLEDESC_PROGEDIT, 136, 0xFF}, {&TABLEDESC_PROGEDIT, 140, 0xFF},
        {&TABLEDESC_PROGEDIT, 290, 0xFF},  {&TABLEDESC_PROGEDIT, 294, 0xFF}, {&TABLEDESC_COMBIEDIT, 99, 0x20},
        {&TABLEDESC_COMBIEDIT, 109, 0x20}, {&TABLEDESC_MULTI, 99, 0x20},     {&TABLEDESC_MULTI, 109, 0x20},
    };
    for (const Kept& k : kKept) {
        for (uint32_t i = 0; i < k.table->count; ++i) {
            const PARAMDESC& row = k.table->rows[i];
            if (row.ptype == kPTypeCaption) continue;
            const std::vector<uint8_t> masks = FieldMasks(row);
            const int rel = k.offset - row.offset;
            if (rel < 0 || rel >= static_cast<int>(masks.size())) continue;
            EXPECT_EQ(masks[rel] & k.mask, 0) << Name(row) << " covers byte " << k.offset;
        }
    }
}
