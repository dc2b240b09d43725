#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <string>

#include "Common/Model/InitChunks.h"
#include "Common/Model/ModelStrings.h"
#include "Common/Model/ParamTable.h"
#include "Common/Model/SynthData.h"
#include "Common/Model/Tables/InitialValues.h"
#include "Common/Model/Tables/SmallTables.h"
#include "Common/Model/Tables/SoundTables.h"
#include "Common/Model/Tables/EffectTables.h"

using namespace QorX0;

namespace {

class InitAllChunkTest : public testing::Test {
protected:
    void SetUp() override {
        image = std::make_unique<CHUNK_REMOTESYNTH>();
        memset(image.get(), 0xEE, sizeof(CHUNK_REMOTESYNTH));  // whatever was there before
        InitAllChunk(image.get());
    }
    int Read(const TABLEDESC& table, unsigned size, const uint8_t* record, int pid) {
        const PARAMDESC* row = CParamTable::GetInstance(table, kPmidNerimo, size)->FindPID(pid);
        EXPECT_NE(row, nullptr) << pid;
        if (!row) return -9999;
        if (auto* mapped = dynamic_cast<const IAccessorMapped*>(row->accessor))
            return mapped->GetPlain(record, row->offset);
        return RowAccessorI(*row)->Get(record, row->offset);
    }
    std::unique_ptr<CHUNK_REMOTESYNTH> image;
};

}  // namespace

TEST_F(InitAllChunkTest, TailIsZeroAndTheCurrentMultiEndsJustBeforeIt) {
    const uint8_t* bytes = image->Bytes();
    EXPECT_EQ(bytes[899633], INITCHUNK_MULTI[kSizeMulti - 1]);
    for (unsigned i = 899634; i < 899659; ++i) EXPECT_EQ(bytes[i], 0) << i;
    EXPECT_EQ(memcmp(image->curprogram, INITCHUNK_PROG, kSizeProgram), 0);
    EXPECT_EQ(memcmp(image->curcombi, INITCHUNK_COMBI, kSizeCombi), 0);
    EXPECT_EQ(memcmp(image->curmulti, INITCHUNK_MULTI, kSizeMulti), 0);
}

TEST_F(InitAllChunkTest, EveryRecordOfAKindIsTheInitialRecordNamesIncluded) {
    for (unsigned b = 0; b < kProgBankSlots; ++b)  // the Tolva's hidden bank E included
        for (unsigned n = 0; n < kSoundsPerBank; ++n)
            ASSERT_EQ(memcmp(image->program[b][n], INITCHUNK_PROG, kSizeProgram), 0) << b << "/" << n;
    for (auto& bank : image->combi)
        for (auto& combi : bank) ASSERT_EQ(memcmp(combi, INITCHUNK_COMBI, kSizeCombi), 0);
    for (auto& multi : image->multi) ASSERT_EQ(memcmp(multi, INITCHUNK_MULTI, kSizeMulti), 0);
    for (auto& kit : image->drumkit) ASSERT_EQ(memcmp(kit, INITCHUNK_DRUMKIT, kSizeDrumKit), 0);
    for (auto& pat : image->arppattern) ASSERT_EQ(memcmp(pat, INITCHUNK_ARPPATTERN, kSizeArpPattern), 0);
    EXPECT_EQ(memcmp(image->global, INITCHUNK_GLOBAL, kSizeGlobal), 0);

    EXPECT_EQ(extractchunkname(image->program[4][127]), "InitlProgramA000");
    EXPECT_EQ(extractchunkname(image->combi[2][5]), "InitialCombiA000");
    EXPECT_EQ(extractchunkname(image->multi[9]), "InitialMulti000 ");
    EXPECT_EQ(extractchunkname(image->drumkit[39]), "Drumkit00       ");
    EXPECT_EQ(extractchunkname(image->arppattern[250]), "ArpeggioPat000  ");
}

TEST_F(InitAllChunkTest, ExternalControlSetsCarryOnlyTheirName) {
    for (auto& set : image->extcontrol) {
        EXPECT_EQ(extractchunkname(set), "ExternalSet000  ");
        for (unsigned i = kSizeName; i < kSizeExtControl; ++i) ASSERT_EQ(set[i], 0);
    }
}

TEST_F(InitAllChunkTest, DrumKitAndPatternValues) {
    const uint8_t* kit = image->drumkit[0];
    for (int key : {0, 64, 127}) {
        EXPECT_EQ(Read(TABLEDESC_DRUMKIT, kSizeDrumKit, kit, key * 256 + 0x18), 127);  // SEND 1 LEVEL
        EXPECT_EQ(Read(TABLEDESC_DRUMKIT, kSizeDrumKit, kit, key * 256 + 0x19), 127);  // SEND 2 LEVEL
        EXPECT_EQ(Read(TABLEDESC_DRUMKIT, kSizeDrumKit, kit, key * 256 + 0x1B), 1);    // VOICE ASSIGN
        EXPECT_EQ(Read(TABLEDESC_DRUMKIT, kSizeDrumKit, kit, key * 256 + 0x1D), 1);    // RECEIVE NOTE ON
        EXPECT_EQ(Read(TABLEDESC_DRUMKIT, kSizeDrumKit, kit, key * 256 + 0x16), 64);   // PAN default
        EXPECT_EQ(Read(TABLEDESC_DRUMKIT, kSizeDrumKit, kit, key * 256 + 0x1F), 1);  // VEL SAMPLE SW default
    }
    const uint8_t* pat = image->arppattern[0];
    EXPECT_EQ(Read(TABLEDESC_ARPPATTERN, kSizeArpPattern, pat, 0x0002), 8);  // LENGTH
    for (int tone = 0; tone < 12; ++tone)
        EXPECT_EQ(Read(TABLEDESC_ARPPATTERN, kSizeArpPattern, pat, tone * 256 + 5), 60) << tone;
    for (int step : {0, 47}) {
        EXPECT_EQ(Read(TABLEDESC_ARPPATTERN, kSizeArpPattern, pat, step * 256 + 0x07), 50);  // GATE
        EXPECT_EQ(Read(TABLEDESC_ARPPATTERN, kSizeArpPattern, pat, step * 256 + 0x08), 64);  // VELOCITY
    }
}

TEST_F(InitAllChunkTest, GlobalCategoryNamesAndUncoveredBytes) {
    const uint8_t* g = image->global;
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(g + 328), 16), "Keyboard        ");
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(g + 328 + 15 * 16), 16), "Drums           ");
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(g + 584 + 2 * 16), 16), "Bell/Mallet/Perc");
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(g + 584 + 13 * 16), 16), "Complex & SE    ");
    EXPECT_EQ(g[3], 2);
    EXPECT_EQ(g[840], 127);
    EXPECT_EQ(g[844], 12);
    EXPECT_EQ(g[845], 127);
    EXPECT_EQ(g[846], 127);
    EXPECT_EQ(g[849], 12);
}

TEST_F(InitAllChunkTest, MultiTrackNamesAndToneAdjustDestinations) {
    const uint8_t* m = image->multi[0];
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(m + 960), 16), "Track 01        ");
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(m + 960 + 15 * 16), 16), "Track 16        ");
    const int dest[] = {0, 1, 2, 12, 13, 15};
    for (unsigned t : {0u, 15u}) {
        for (int d = 0; d < 6; ++d) {
            EXPECT_EQ(Read(TABLEDESC_TONEADJ, kSizeToneAdjust, m + 576 + t * 24, d * 2), dest[d]);
        }
    }
    for (int d = 0; d < 6; ++d)
        EXPECT_EQ(Read(TABLEDESC_TONEADJ, kSizeToneAdjust, image->combi[0][0] + 352 + 7 * 24, d * 2),
                  dest[d]);
}

TEST(InitSetup, SwitchesOnAllBanksAndBlankPortNames) {
    const uint8_t* s = INITCHUNK_SETUP;
    for (unsigned i : {0u, 1u, 4u, 7u, 9u, 11u, 13u, 15u}) EXPECT_EQ(s[i], 1) << i;
    EXPECT_EQ(s[2], 0xFF);                                                      // Filter.ProgBank: all banks
    EXPECT_EQ(s[5], 0xFF);                                                      // Filter.CombiBank
    for (unsigned i : {3u, 6u, 8u, 10u, 18u, 19u}) EXPECT_EQ(s[i], 0xFF) << i;  // the numbers: -1, all
    EXPECT_EQ(s[14], 1);                                                        // BringDataFrom: Hardware
    EXPECT_EQ(s[16], 0);
    EXPECT_EQ(s[17], 0);
    for (unsigned i = 20; i < 82; ++i) EXPECT_EQ(s[i], ' ') << i;
    for (unsigned i = 82; i < 96; ++i) EXPECT_EQ(s[i], 0) << i;
    const CParamTable* t = CParamTable::GetInstance(TABLEDESC_SETUP, kPmidTolva, kSizeSetup);
    const PARAMDESC* in = t->FindPID(0x9300);
    EXPECT_EQ(multiszlong(RowAccessorS(*in)->Get(s, in->offset)), "");
}

// Tone-adjust rows are left out: their section puts the destination list and the value rows' ranges
// in place of the table's placeholders.
TEST(InitRecords, EveryRowHoldsAValueItsConverterShows) {
    struct Case {
        const TABLEDESC* table;
        const uint8_t* record;
        unsigned size;
    } cases[] = {
        {&TABLEDESC_SETUP, INITCHUNK_SETUP, kSizeSetup},
        {&TABLEDESC_DRUMKIT, INITCHUNK_DRUMKIT, kSizeDrumKit},
        {&TABLEDESC_ARPPATTERN, INITCHUNK_ARPPATTERN, kSizeArpPattern},
        {&TABLEDESC_EXTCONTROL, INITCHUNK_EXTCONTROL, kSizeExtControl},
        {&TABLEDESC_GLOBAL, INITCHUNK_GLOBAL, kSizeGlobal},
        {&TABLEDESC_PROGEDIT, INITCHUNK_PROG, kSizeProgram},
        {&TABLEDESC_PROGPLAY, INITCHUNK_PROG, kSizeProgram},
        {&TABLEDESC_COMBIEDIT, INITCHUNK_COMBI, kSizeCombi},
        {&TABLEDESC_COMBIPLAY, INITCHUNK_COMBI, kSizeCombi},
        {&TABLEDESC_MULTI, INITCHUNK_MULTI, kSizeMulti},
        {&TABLEDESC_COMBIEDITTRK, INITCHUNK_COMBI + kCombiOffTimbres + 7 * kSizeTimbre, kSizeTimbre},
        {&TABLEDESC_COMBIPLAYTRK, INITCHUNK_COMBI + kCombiOffTimbres, kSizeTimbre},
        {&TABLEDESC_MULTITRK, INITCHUNK_MULTI + kMultiOffTracks + 15 * kSizeTimbre, kSizeTimbre},
    };
    for (const Case& c : cases) {
        for (unsigned char pmid : {kPmidTolva, kPmidNerimo}) {
            const CParamTable* t = CParamTable::GetInstance(*c.table, pmid, c.size);
            for (unsigned i = 0; i < t->GetCount(); ++i) {
                const PARAMDESC& row = *t->GetAt(i);
                const IAccessorI* a = RowAccessorI(row);
                // Rows whose initial value is their default (flags 0x10/0x20/0x40) may hold anything:
                // the global TEMPO alias holds 0, the play view's performance rows live elsewhere.
                if (!a || (row.flags & kPFlagInitDefault)) continue;
                const int v = a->Get(c.record, row.offset);
                EXPECT_GE(v, row.minval) << RowLongName(row);
                EXPECT_LE(v, row.maxval) << RowLongName(row);
                EXPECT_FALSE(multiszlong(row.converter->Format(v)).empty()) << RowLongName(row);
            }
        }
    }
}

TEST(InitRecords, EveryInitialValueFindsItsRow) {
    for (const INITVALUE* v : UnresolvedInitValues()) ADD_FAILURE() << v->row;
}

namespace {
// Plain value of the first row named name (optionally under a caption) in a record.
int ValueOf(const TABLEDESC& table, unsigned size, const uint8_t* record, const char* name,
            const char* caption = nullptr) {
    const CParamTable* t = CParamTable::GetInstance(table, kPmidTolva, size);
    std::string current;
    for (unsigned i = 0; i < t->GetCount(); ++i) {
        const PARAMDESC& row = *t->GetAt(i);
        if (row.ptype == kPTypeCaption) current = RowLongName(row);
        if (RowLongName(row) != name || (caption && current != caption) || !RowAccessorI(row)) continue;
        if (auto* mapped = dynamic_cast<const IAccessorMapped*>(row.accessor))
            return mapped->GetPlain(record, row.offset);
        return RowAccessorI(row)->Get(record, row.offset);
    }
    ADD_FAILURE() << "no row " << name;
    return -9999;
}
}  // namespace

TEST(InitRecords, SoundRecordsHoldTheirInitialValues) {
    struct Case {
        const TABLEDESC* table;
        unsigned size;
        const uint8_t* record;
        const char* name;
        const char* caption;
        int value;
    } cases[] = {
        {&TABLEDESC_PROGEDIT, kSizeProgram, INITCHUNK_PROG, "Send 1 Level", nullptr, 127},
        {&TABLEDESC_PROGEDIT, kSizeProgram, INITCHUNK_PROG, "Send 2 Level", nullptr, 127},
        {&TABLEDESC_PROGEDIT, kSizeProgram, INITCHUNK_PROG, "MFX Chain Level", nullptr, 127},
        {&TABLEDESC_PROGEDIT, kSizeProgram, INITCHUNK_PROG, "Master EQ Low Fc", nullptr, 3},
        {&TABLEDESC_PROGEDIT, kSizeProgram, INITCHUNK_PROG, "Master EQ Mid Fc", nullptr, 29},
        {&TABLEDESC_PROGEDIT, kSizeProgram, INITCHUNK_PROG, "Master EQ High Fc", nullptr, 75},
        {&TABLEDESC_PROGEDIT, kSizeProgram, INITCHUNK_PROG, "Master EQ Mid Q", nullptr, 5},
        {&TABLEDESC_PROGEDIT, kSizeProgram, INITCHUNK_PROG, "RESOLUTION", "ARPEGGIATOR A", 1},
        {&TABLEDESC_PROGEDIT, kSizeProgram, INITCHUNK_PROG, "GATE", "ARPEGGIATOR A", 80},
        {&TABLEDESC_PROGEDIT, kSizeProgram, INITCHUNK_PROG, "VELOCITY", "ARPEGGIATOR A", 128},
        {&TABLEDESC_PROGEDIT, kSizeProgram, INITCHUNK_PROG, "SORT", "ARPEGGIATOR A", 1},
        {&TABLEDESC_PROGEDIT, kSizeProgram, INITCHUNK_PROG, "TOP KEY", "ARPEGGIATOR A", 127},
        {&TABLEDESC_PROGEDIT, kSizeProgram, INITCHUNK_PROG, "TOP VELOCITY", "ARPEGGIATOR A", 127},
        {&TABLEDESC_COMBIEDIT, kSizeCombi, INITCHUNK_COMBI, "Control Channel", nullptr, 16},
        {&TABLEDESC_COMBIEDIT, kSizeCombi, INITCHUNK_COMBI, "MFX2 Control Channel", nullptr, 16},
        {&TABLEDESC_COMBIEDIT, kSizeCombi, INITCHUNK_COMBI, "ARPEGGIATOR RUN B", nullptr, 1},
        {&TABLEDESC_COMBIEDIT, kSizeCombi, INITCHUNK_COMBI, "GATE", "ARPEGGIATOR B", 80},
        {&TABLEDESC_COMBIEDIT, kSizeCombi, INITCHUNK_COMBI, "KNOB 4 ASSIGN TYPE", nullptr, 4},
        {&TABLEDESC_MULTI, kSizeMulti, INITCHUNK_MULTI, "MFX1 Control Channel", nullptr, 16},
        {&TABLEDESC_MULTI, kSizeMulti, INITCHUNK_MULTI, "KNOB 2 ASSIGN TYPE", nullptr, 2},
        {&TABLEDESC_GLOBAL, kSizeGlobal, INITCHUNK_GLOBAL, "VELOCITY CURVE", nullptr, 3},
        {&TABLEDESC_GLOBAL, kSizeGlobal, INITCHUNK_GLOBAL, "OCTAVE KEYS", nullptr, 1},
        {&TABLEDESC_GLOBAL, kSizeGlobal, INITCHUNK_GLOBAL, "TEMPO", nullptr, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ValueOf(*c.table, c.size, c.record, c.name, c.caption), c.value) << c.name;

    for (unsigned t = 0; t < kMultiTrackCount; ++t) {
        const uint8_t* track = INITCHUNK_MULTI + kMultiOffTracks + t * kSizeTimbre;
        EXPECT_EQ(ValueOf(TABLEDESC_MULTITRK, kSizeTimbre, track, "MIDI CHANNEL"), static_cast<int>(t));
        EXPECT_EQ(ValueOf(TABLEDESC_MULTITRK, kSizeTimbre, track, "STATUS"), 2);
        EXPECT_EQ(ValueOf(TABLEDESC_MULTITRK, kSizeTimbre, track, "VOLUME"), 127);
        EXPECT_EQ(ValueOf(TABLEDESC_MULTITRK, kSizeTimbre, track, "PITCH BEND RANGE"), -25);
        EXPECT_EQ(ValueOf(TABLEDESC_MULTITRK, kSizeTimbre, track, "RIBBON FILTER"), 1);
    }
    for (unsigned t = 0; t < kCombiTimbreCount; ++t) {
        const uint8_t* timbre = INITCHUNK_COMBI + kCombiOffTimbres + t * kSizeTimbre;
        EXPECT_EQ(ValueOf(TABLEDESC_COMBIEDITTRK, kSizeTimbre, timbre, "MIDI CHANNEL"), static_cast<int>(t));
        EXPECT_EQ(ValueOf(TABLEDESC_COMBIEDITTRK, kSizeTimbre, timbre, "KEY Z TOP"), 127);
        EXPECT_EQ(ValueOf(TABLEDESC_COMBIEDITTRK, kSizeTimbre, timbre, "BUS SELECT"), 1);
    }
}

TEST(InitRecords, EffectBlocksAreTheInitialBlocksOfTheirTypes) {
    struct Case {
        const TABLEDESC* table;
        unsigned size;
        const uint8_t* record;
        int pids[3];
    } cases[] = {{&TABLEDESC_PROGEDIT, kSizeProgram, INITCHUNK_PROG, {0x1E00, 0x2000, 0x2001}},
                 {&TABLEDESC_COMBIEDIT, kSizeCombi, INITCHUNK_COMBI, {0x0C00, 0x0E00, 0x0E01}},
                 {&TABLEDESC_MULTI, kSizeMulti, INITCHUNK_MULTI, {0x2500, 0x2700, 0x2701}}};
    const unsigned offsets[3] = {kProgOffInsertFx, kProgOffMasterFx1, kProgOffMasterFx2};
    for (const Case& c : cases) {
        const CParamTable* t = CParamTable::GetInstance(*c.table, kPmidTolva, c.size);
        for (int i = 0; i < 3; ++i) {
            const PARAMDESC* row = t->FindPID(c.pids[i]);
            ASSERT_NE(row, nullptr);
            const int type = RowAccessorI(*row)->Get(c.record, row->offset);
            ASSERT_GE(type, 0);
            EXPECT_EQ(memcmp(c.record + offsets[i], VINITCHUNK_FX[type], kSizeFxParams), 0) << c.pids[i];
        }
    }
}
