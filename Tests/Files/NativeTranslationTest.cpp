// Sample numbers of programs and drum kits are translated when a file of one model is loaded by
// the other; flag bits beside them and everything else stay as they were.
#include <gtest/gtest.h>

#include <cstring>
#include <sstream>
#include <string>
#include <vector>

#include "Common/Files/Persist.h"
#include "Common/Files/SampleTranslation.h"
#include "Common/Model/Tables/SampleNames.h"
#include "NativeFixtures.h"
#include "Support/SectionSet.h"

using namespace QorX0;
using namespace fixtures;

namespace {

// The 12-bit sample number; bits 4 and 5 of its first byte are the START OFFSET and REVERSE switches.
unsigned ProgField(const uint8_t* p) {
    return ((p[0] & 0x0Fu) << 8) | p[1];
}

void PutProgField(uint8_t* p, unsigned flags, unsigned n) {
    p[0] = static_cast<uint8_t>(flags | (n >> 8));
    p[1] = static_cast<uint8_t>(n);
}

unsigned KitField(const uint8_t* p) {
    return (p[0] << 8) | p[1];
}

std::string Without(std::string s, const char* suffixDigits = "0123456789") {
    const size_t sp = s.find_last_of(' ');
    if (sp != std::string::npos && sp + 1 < s.size() &&
        s.find_first_not_of(suffixDigits, sp + 1) == std::string::npos)
        s.resize(sp);
    return s;
}

}  // namespace

TEST(NativeTranslation, ProgramFieldsKeepTheirFlagBits) {
    struct Case {
        uint8_t mode;
        unsigned osc1, osc2;  // numbers before
        bool osc2Converted;
    };
    const Case cases[] = {{0, 641, 641, false}, {1, 641, 642, true}, {3, 700, 10, false}};
    for (const Case& c : cases) {
        auto image = RandomImage(30);
        uint8_t* prog = image->curprogram;
        prog[108] = static_cast<uint8_t>((prog[108] & 0xFC) | c.mode);
        PutProgField(prog + 134, 0xF0, c.osc1);
        PutProgField(prog + 138, 0x20, c.osc1);
        PutProgField(prog + 288, 0x90, c.osc2);
        PutProgField(prog + 292, 0x00, c.osc2);
        std::vector<uint8_t> before(prog, prog + 444);

        ProgCvtSample(prog, SAMPLECONVERT_MS_Qor40_Qor30, kMultisampleCountNerimo);
        auto expect = [&](unsigned n) {
            return n < kMultisampleCountNerimo ? SAMPLECONVERT_MS_Qor40_Qor30[n] : 0u;
        };
        EXPECT_EQ(ProgField(prog + 134), expect(c.osc1));
        EXPECT_EQ(ProgField(prog + 138), expect(c.osc1));
        EXPECT_EQ(prog[134] & 0xF0, 0xF0);
        EXPECT_EQ(prog[138] & 0xF0, 0x20);
        EXPECT_EQ(ProgField(prog + 288), c.osc2Converted ? expect(c.osc2) : c.osc2);
        EXPECT_EQ(prog[288] & 0xF0, 0x90);
        EXPECT_EQ(prog[292] & 0xF0, 0x00);
        for (unsigned i = 0; i < 444; ++i) {
            if (i == 134 || i == 135 || i == 138 || i == 139 || i == 288 || i == 289 || i == 292 || i == 293)
                continue;
            EXPECT_EQ(prog[i], before[i]) << "byte " << i;
        }
    }
    // Multisample 641 goes through the table's last entry, 642 and above become 0.
    EXPECT_NE(SAMPLECONVERT_MS_Qor40_Qor30[641], 0);
}

TEST(NativeTranslation, DrumProgramIsLeftAlone) {
    auto image = RandomImage(31);
    uint8_t* prog = image->curprogram;
    prog[108] = static_cast<uint8_t>((prog[108] & 0xFC) | 2);
    PutProgField(prog + 134, 0, 600);
    std::vector<uint8_t> before(prog, prog + 444);
    ProgCvtSample(prog, SAMPLECONVERT_MS_Qor40_Qor30, kMultisampleCountNerimo);
    EXPECT_EQ(0, std::memcmp(prog, before.data(), 444));
}

TEST(NativeTranslation, DrumKitTranslatesEachKeysSampleFieldsAndKeepsTheSwitchesBesideThem) {
    auto image = RandomImage(32);
    uint8_t* kit = image->drumkit[0];
    for (unsigned key = 0; key < 128; ++key) {
        uint8_t* e = kit + 16 + key * 32;
        const unsigned high = (key * 7 + 500) % 1000, low = (key * 13) % 1000;  // some beyond 929
        e[2] = static_cast<uint8_t>(high >> 8);
        e[3] = static_cast<uint8_t>(high);
        e[14] = static_cast<uint8_t>(low >> 8);
        e[15] = static_cast<uint8_t>(low);
    }
    std::vector<uint8_t> before(kit, kit + 4112);
    DkitCvtSample(kit, SAMPLECONVERT_DS_Qor40_Qor30, kDrumSampleCountNerimo);
    auto expect = [](unsigned n) {
        return n < kDrumSampleCountNerimo ? SAMPLECONVERT_DS_Qor40_Qor30[n] : 0u;
    };
    for (unsigned i = 0; i < 4112; ++i) {
        if (i < 16) {
            EXPECT_EQ(kit[i], before[i]);  // name
            continue;
        }
        const unsigned key = (i - 16) / 32, off = (i - 16) % 32;
        if (off == 2 || off == 14) {
            EXPECT_EQ(KitField(kit + i), expect(KitField(before.data() + i)))
                << "key " << key << " offset " << off;
        } else if (off != 3 && off != 15) {
            EXPECT_EQ(kit[i], before[i]) << "key " << key << " offset " << off;  // flags at 1 and 13 included
        }
    }
}

TEST(NativeTranslation, TablesFollowTheSampleNameLists) {
    struct Table {
        const uint16_t* up;
        unsigned tolva;
        const uint16_t* down;
        unsigned nerimo;
        const SAMPLENAME* names;
    };
    const Table tables[] = {
        {SAMPLECONVERT_MS_Qor30_Qor40, kMultisampleCountTolva, SAMPLECONVERT_MS_Qor40_Qor30,
         kMultisampleCountNerimo, g_MultisampleNames},
        {SAMPLECONVERT_DS_Qor30_Qor40, kDrumSampleCountTolva, SAMPLECONVERT_DS_Qor40_Qor30,
         kDrumSampleCountNerimo, g_DrumSampleNames},
    };
    for (const Table& t : tables) {
        for (unsigned n = 0; n < t.tolva; ++n) {
            ASSERT_LT(t.up[n], t.nerimo);
            EXPECT_STREQ(t.names[t.up[n]].name, t.names[n].name);  // the Nerimo list starts with the Tolva's
        }
        for (unsigned n = 0; n < t.nerimo; ++n) {
            ASSERT_LT(t.down[n], t.tolva);
            if (n < t.tolva) {
                EXPECT_EQ(t.down[n], n);
            } else {
                EXPECT_EQ(Without(t.names[t.down[n]].name), Without(t.names[n].name)) << n;
            }
        }
    }
}

// Every kind that carries programs or drum kits, loaded from the other model, is translated;
// the others arrive byte for byte.
TEST(NativeTranslation, KindsFromTheOtherModel) {
    const unsigned kProgSample = 600, kKitSample = 900;  // Nerimo-only numbers
    auto source = RandomImage(33);
    auto mark = [&](uint8_t* prog) {
        prog[108] = static_cast<uint8_t>(prog[108] & 0xFC);
        PutProgField(prog + 134, 0x30, kProgSample);
    };
    for (auto& bank : source->program)
        for (auto& prog : bank) mark(prog);
    mark(source->curprogram);
    for (auto& kit : source->drumkit) {
        kit[16 + 2] = static_cast<uint8_t>(kKitSample >> 8);
        kit[16 + 3] = static_cast<uint8_t>(kKitSample);
    }
    source->curprogramrec[0] = 1;
    source->curcombirec[0] = 1;
    const unsigned progTo = SAMPLECONVERT_MS_Qor40_Qor30[kProgSample];
    const unsigned kitTo = SAMPLECONVERT_DS_Qor40_Qor30[kKitSample];
    FXBFILTERINFO filter{0xFF, 0x80, 0xFF, 0x80, 0xFF, 0x80, 40, 251, 64, 1, {0, 0}};

    struct Case {
        FTYPE kind;
        uint32_t index;
        bool progs, kits, cur;
    };
    const Case cases[] = {
        {FTYPE_ALL, 0, true, true, true},          {FTYPE_FILTERED, 0, true, true, true},
        {FTYPE_VSTBANK, 0, true, true, true},      {FTYPE_ALLPROG, 0, true, false, false},
        {FTYPE_BANKPROG, 1, true, false, false},   {FTYPE_PROG, 0, false, false, true},
        {FTYPE_VSTPROG, 0, false, false, true},    {FTYPE_ALLDKIT, 0, false, true, false},
        {FTYPE_DKIT, 7, false, true, false},       {FTYPE_ALLCOMBI, 0, false, false, false},
        {FTYPE_BANKCOMBI, 1, false, false, false}, {FTYPE_ALLMULTI, 0, false, false, false},
        {FTYPE_ALLAPAT, 0, false, false, false},   {FTYPE_EXTC, 3, false, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.kind);
        PERSISTPARAMS save{c.kind, c.index, source.get(), filter, {}};
        std::ostringstream os;
        ASSERT_TRUE(PersistSaveStream(os, 9, &save));
        auto target = RandomImage(34);
        target->curcombirec[0] = 1;  // the bank a combination bank file is saved from
        PERSISTPARAMS load{FTYPE_UNKNOWN, c.index, target.get(), {}, {}};
        std::istringstream is(os.str());
        ASSERT_TRUE(PersistLoadStream(is, 1, &load));

        if (c.progs) {
            const unsigned bank = c.kind == FTYPE_BANKPROG ? 1 : 4;
            EXPECT_EQ(ProgField(target->program[bank][127] + 134), progTo);
            EXPECT_EQ(target->program[bank][127][134] & 0xF0, 0x30);
        }
        if (c.cur) {
            EXPECT_EQ(ProgField(target->curprogram + 134), progTo);
        }
        if (c.kits) {
            const unsigned kit = c.kind == FTYPE_DKIT ? 7 : 39;
            EXPECT_EQ(KitField(target->drumkit[kit] + 18), kitTo);
        }
        if (!c.progs && !c.kits && !c.cur) {
            // Nothing with sample numbers: the loaded bytes equal the saved ones.
            PERSISTPARAMS resave{c.kind, c.index, target.get(), filter, {}};
            std::ostringstream os2;
            ASSERT_TRUE(PersistSaveStream(os2, 9, &resave));
            EXPECT_EQ(os2.str(), os.str());
        }
    }

    // Tolva to Nerimo: every Tolva number exists on the Nerimo; numbers beyond the Tolva's list become 0.
    auto tolva = RandomImage(35);
    tolva->curprogram[108] &= 0xFC;
    PutProgField(tolva->curprogram + 134, 0x20, 469);
    PutProgField(tolva->curprogram + 138, 0x10, 470);
    PERSISTPARAMS save{FTYPE_PROG, 0, tolva.get(), {}, {}};
    std::ostringstream os;
    ASSERT_TRUE(PersistSaveStream(os, 1, &save));
    auto target = RandomImage(36);
    PERSISTPARAMS load{FTYPE_UNKNOWN, 0, target.get(), {}, {}};
    std::istringstream is(os.str());
    ASSERT_TRUE(PersistLoadStream(is, 9, &load));
    EXPECT_EQ(ProgField(target->curprogram + 134), SAMPLECONVERT_MS_Qor30_Qor40[469]);
    EXPECT_EQ(target->curprogram[134] & 0xF0, 0x20);
    EXPECT_EQ(ProgField(target->curprogram + 138), 0u);
    EXPECT_EQ(target->curprogram[138] & 0xF0, 0x10);
}

// A program edited through its parameters, saved on one model and loaded into the other, keeps
// its oscillators' switches and gets its samples translated, in both directions and for every kind
// that carries the current program or the program banks.
TEST(NativeTranslation, SwitchesAndSamplesSetThroughTheParametersSurviveTheOtherModel) {
    struct Direction {
        uint8_t from, to;
        unsigned sample;  // four numbers from here that both models have, each with a start offset
    };
    const Direction directions[] = {{kPmidNerimo, kPmidTolva, 395}, {kPmidTolva, kPmidNerimo, 400}};
    const FTYPE kinds[] = {FTYPE_ALL,  FTYPE_FILTERED, FTYPE_ALLPROG, FTYPE_BANKPROG,
                           FTYPE_PROG, FTYPE_VSTBANK,  FTYPE_VSTPROG};
    // Oscillator 1 high and low, oscillator 2 high and low: START OFFSET, REVERSE, SAMPLE NO.
    const int rows[][3] = {{0x0202, 0x0203, 0x0201},
                           {0x0207, 0x0208, 0x0206},
                           {0x0F02, 0x0F03, 0x0F01},
                           {0x0F07, 0x0F08, 0x0F06}};
    const FXBFILTERINFO filter{0xFF, 0x80, 0xFF, 0x80, 0xFF, 0x80, 40, 251, 64, 1, {0, 0}};
    for (const Direction& d : directions) {
        for (FTYPE kind : kinds) {
            SCOPED_TRACE(testing::Message() << "model " << int(d.from) << " kind " << kind);
            SectionSet source(d.from);
            source.progEdit.PutParamIEx(0x0001, 1, 0);  // Double: both oscillators in use
            for (unsigned r = 0; r < 4; ++r) {
                source.progEdit.PutParamIEx(rows[r][2], static_cast<int>(d.sample + r), 0);
                source.progEdit.PutParamIEx(rows[r][0], r & 1, 0);
                source.progEdit.PutParamIEx(rows[r][1], 1, 0);
                ASSERT_EQ(source.progEdit.GetParamI(rows[r][0]), static_cast<int>(r & 1));
            }
            CHUNK_REMOTESYNTH* from = source.host.GetRawChunk();
            for (auto& bank : from->program)
                for (auto& prog : bank) std::memcpy(prog, from->curprogram, sizeof prog);
            from->curprogramrec[0] = 1;

            PERSISTPARAMS save{kind, 1, from, filter, {}};
            std::ostringstream os;
            ASSERT_TRUE(PersistSaveStream(os, d.from, &save));
            SectionSet target(d.to);
            CHUNK_REMOTESYNTH* to = target.host.GetRawChunk();
            PERSISTPARAMS load{FTYPE_UNKNOWN, 1, to, {}, {}};
            std::istringstream is(os.str());
            ASSERT_TRUE(PersistLoadStream(is, d.to, &load));
            if (kind != FTYPE_PROG && kind != FTYPE_VSTPROG)
                std::memcpy(to->curprogram, to->program[1][5], sizeof to->curprogram);
            target.progEdit.OnReinitialized();

            for (unsigned r = 0; r < 4; ++r) {
                EXPECT_EQ(target.progEdit.GetParamI(rows[r][0]), static_cast<int>(r & 1))
                    << std::hex << rows[r][0];
                EXPECT_EQ(target.progEdit.GetParamI(rows[r][1]), 1) << std::hex << rows[r][1];
                EXPECT_EQ(target.progEdit.GetParamI(rows[r][2]), static_cast<int>(d.sample + r))
                    << std::hex << rows[r][2];
            }
        }
    }
}
