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
    EXPECT_EQ(s[2], 0xFF);                                                 // Filter.ProgBank: all banks
    EXPECT_EQ(s[5], 0xFF);                                                 // Filter.CombiBank
    for (unsigned i : {3u, 6u, 8u, 10u, 12u}) EXPECT_EQ(s[i], 0xFF) << i;  // the numbers: -1, all
    EXPECT_EQ(s[14], 1);                                                   // BringDataFrom: Hardware
    EXPECT_EQ(s[16], 0);
    EXPECT_EQ(s[17], 0);
    for (unsigned i = 18; i < 82; ++i) EXPECT_EQ(s[i], ' ') << i;
    for (unsigned i = 82; i < 96; ++i) EXPECT_EQ(s[i], 0) << i;
    const CParamTable* t = CParamTable::GetInstance(TABLEDESC_SETUP, kPmidTolva, kSizeSetup);
    const PARAMDESC* in = t->FindPID(0x9300);
    EXPECT_EQ(multiszlong(RowAccessorS(*in)->Get(s, in->offset)), "");
}

// Tone-adjust rows are left out: their section puts the destination list and the value rows' ranges
// in place of the table's placeholders.
TEST(InitRecords, EveryRowOfTheSmallTablesHoldsAValueItsConverterShows) {
    struct Case {
        const TABLEDESC* table;
        const uint8_t* record;
        unsigned size;
    } cases[] = {
        {&TABLEDESC_SETUP, INITCHUNK_SETUP, kSizeSetup},
        {&TABLEDESC_DRUMKIT, INITCHUNK_DRUMKIT, kSizeDrumKit},
        {&TABLEDESC_ARPPATTERN, INITCHUNK_ARPPATTERN, kSizeArpPattern},
        {&TABLEDESC_EXTCONTROL, INITCHUNK_EXTCONTROL, kSizeExtControl},
    };
    for (const Case& c : cases) {
        for (unsigned char pmid : {kPmidTolva, kPmidNerimo}) {
            const CParamTable* t = CParamTable::GetInstance(*c.table, pmid, c.size);
            for (unsigned i = 0; i < t->GetCount(); ++i) {
                const PARAMDESC& row = *t->GetAt(i);
                const IAccessorI* a = RowAccessorI(row);
                if (!a) continue;
                const int v = a->Get(c.record, row.offset);
                EXPECT_GE(v, row.minval) << RowLongName(row);
                EXPECT_LE(v, row.maxval) << RowLongName(row);
                EXPECT_FALSE(multiszlong(row.converter->Format(v)).empty()) << RowLongName(row);
            }
        }
    }
}

TEST(InitRecords, ValuesOfTheSmallTablesAllFindTheirRows) {
    const std::vector<const INITVALUE*> missing = UnresolvedInitValues();
    for (const INITVALUES* list :
         {&g_InitDrumKit, &g_InitArpPattern, &g_InitExtControl, &g_InitSetup, &g_InitToneAdjust})
        for (unsigned n = 0; n < list->count; ++n)
            EXPECT_EQ(std::count(missing.begin(), missing.end(), &list->values[n]), 0) << list->values[n].row;
}
