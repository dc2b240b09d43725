// The simulated instrument's front panel: what a test does on it changes its state and sends what
// the instrument sends unasked.
#include <gtest/gtest.h>

#include <cstring>

#include "SimTestFrames.h"
#include "Support/SimCore.h"

using namespace Sim;
using SimTest::Bytes;
using SimTest::Frame;

TEST(SimPanel, ParameterChangesOfEachKind) {
    struct Case {
        const char* name;
        ParamChange change;
        Bytes sent;
    };
    const Case cases[] = {
        {"sound",
         {ParamKind::Sound, 3, 0x0A05, 0, 0, 100},
         Frame({0x41, 0x03, 0x00, 0x0A, 0x00, 0x05, 0x00, 0x64}, 2)},
        {"sound negative",
         {ParamKind::Sound, 0, 0x1203, 0, 0, -1},
         Frame({0x41, 0x00, 0x00, 0x12, 0x00, 0x03, 0x7F, 0x7F}, 2)},
        {"drum kit",
         {ParamKind::DrumKit, 0, 0x4007, 12, 0, 64},
         Frame({0x53, 12, 0x40, 0x00, 0x07, 0x00, 0x40}, 2)},
        {"arpeggio step",
         {ParamKind::ArpPattern, 0, 5, 200, 3, 1},
         Frame({0x6D, 0x00, 0x01, 0x48, 0x00, 0x03, 0x00, 0x05, 0x00, 0x01}, 2)},
        {"arpeggio tone",
         {ParamKind::ArpPattern, 0, 6, 7, 9, 60},
         Frame({0x6D, 0x00, 0x00, 0x07, 0x09, 0x00, 0x00, 0x06, 0x00, 0x3C}, 2)},
        {"external control",
         {ParamKind::ExtControl, 0, 3, 10, 0, 127},
         Frame({0x6F, 10, 0x00, 0x03, 0x00, 0x7F}, 2)},
    };
    for (const Case& c : cases) {
        SimCore sim(Model::Tolva, 2);
        ASSERT_TRUE(sim.PanelParamChange(c.change)) << c.name;
        EXPECT_EQ(sim.TakeOutputBytes(), c.sent) << c.name;
        ASSERT_EQ(sim.ParamChanges().size(), 1u);
        EXPECT_TRUE(sim.ParamChanges()[0] == c.change) << c.name;
    }
    SimCore sim(Model::Tolva);
    EXPECT_FALSE(sim.PanelParamChange({ParamKind::DrumKit, 0, 1, 40, 0, 0}));
    EXPECT_TRUE(sim.TakeOutputBytes().empty());
}

TEST(SimPanel, ParameterChangeAppliedThroughLocator) {
    SimCore sim(Model::Tolva);
    sim.SetParamLocator([](const ParamChange&, ParamTarget* t) {
        t->area = Area::DrumKit;
        t->index = 3;
        t->field = BitField{20, 1, 0, 6, false};
        return true;
    });
    ASSERT_TRUE(sim.PanelParamChange({ParamKind::DrumKit, 0, 0x0102, 3, 0, 77}));
    EXPECT_EQ(sim.Image().Record(Area::DrumKit, 3)[20], 77);
}

TEST(SimPanel, ModeChange) {
    SimCore sim(Model::Nerimo, 0);
    ASSERT_TRUE(sim.PanelModeChange(Mode::Global));
    EXPECT_EQ(sim.State().mode, Mode::Global);
    EXPECT_EQ(sim.TakeOutputBytes(), Frame({0x4E, 0x06}));
    EXPECT_FALSE(sim.PanelModeChange(5));
    EXPECT_TRUE(sim.TakeOutputBytes().empty());
}

TEST(SimPanel, ProgramChangeSendsBankSelectFirst) {
    struct Case {
        const char* name;
        Model model;
        uint8_t mode;
        bool gm;
        int bank, number;
        Bytes sent;
    };
    const Case cases[] = {
        {"user bank",
         Model::Tolva,
         Mode::ProgPlay,
         false,
         2,
         5,
         {0xB1, 0x00, 0x00, 0xB1, 0x20, 0x02, 0xC1, 0x05}},
        {"user bank, GM map",
         Model::Tolva,
         Mode::ProgPlay,
         true,
         3,
         0,
         {0xB1, 0x00, 0x3F, 0xB1, 0x20, 0x03, 0xC1, 0x00}},
        {"GM bank on Tolva",
         Model::Tolva,
         Mode::ProgPlay,
         false,
         4,
         10,
         {0xB1, 0x00, 0x79, 0xB1, 0x20, 0x00, 0xC1, 0x0A}},
        {"GM drums on Tolva",
         Model::Tolva,
         Mode::ProgEdit,
         false,
         5,
         1,
         {0xB1, 0x00, 0x78, 0xB1, 0x20, 0x00, 0xC1, 0x01}},
        {"bank E on Nerimo",
         Model::Nerimo,
         Mode::ProgPlay,
         false,
         4,
         10,
         {0xB1, 0x00, 0x00, 0xB1, 0x20, 0x04, 0xC1, 0x0A}},
        {"combination",
         Model::Nerimo,
         Mode::CombiPlay,
         false,
         1,
         127,
         {0xB1, 0x00, 0x00, 0xB1, 0x20, 0x01, 0xC1, 0x7F}},
    };
    for (const Case& c : cases) {
        SimCore sim(c.model, 1);
        sim.Image().FillFactory(4);
        sim.State().mode = c.mode;
        sim.State().gmMap = c.gm;
        ASSERT_TRUE(sim.PanelProgramChange(c.bank, c.number)) << c.name;
        EXPECT_EQ(sim.TakeOutputBytes(), c.sent) << c.name;
        if (c.mode == Mode::CombiPlay) {
            EXPECT_EQ(sim.State().combiBank, c.bank);
            EXPECT_EQ(std::memcmp(sim.Image().Record(Area::CurCombination, 0),
                                  sim.Image().Record(Area::Combination, c.bank * 128 + c.number), 544),
                      0);
        } else {
            EXPECT_EQ(sim.State().progBank, c.bank) << c.name;
            EXPECT_EQ(sim.State().progNumber, c.number) << c.name;
        }
    }
    SimCore sim(Model::Tolva);
    sim.State().mode = Mode::CombiPlay;
    EXPECT_FALSE(sim.PanelProgramChange(3, 0));  // no fourth combination bank
    sim.State().mode = Mode::Global;
    EXPECT_FALSE(sim.PanelProgramChange(0, 0));
    EXPECT_TRUE(sim.TakeOutputBytes().empty());
}

TEST(SimPanel, SongSelectInMultiMode) {
    SimCore sim(Model::Tolva, 3);
    sim.Image().FillFactory(5);
    EXPECT_FALSE(sim.PanelSongSelect(4));
    sim.State().mode = Mode::Multi;
    ASSERT_TRUE(sim.PanelSongSelect(4));
    EXPECT_EQ(sim.TakeOutputBytes(), (Bytes{0xF3, 0x04}));
    EXPECT_EQ(sim.State().multiNumber, 4);
    EXPECT_EQ(std::memcmp(sim.Image().Record(Area::CurMulti, 0), sim.Image().Record(Area::Multi, 4), 1220),
              0);
}

TEST(SimPanel, MasterVolumeAndControlChange) {
    SimCore sim(Model::Tolva, 6);
    sim.PanelMasterVolume(8192);
    EXPECT_EQ(sim.TakeOutputBytes(), (Bytes{0xF0, 0x7F, 0x06, 0x04, 0x01, 0x00, 0x40, 0xF7}));
    sim.PanelMasterVolume(20000);
    EXPECT_EQ(sim.State().masterVolume, 0x3FFFu);
    EXPECT_EQ(sim.TakeOutputBytes(), (Bytes{0xF0, 0x7F, 0x06, 0x04, 0x01, 0x7F, 0x7F, 0xF7}));
    sim.PanelControlChange(74, 33);
    EXPECT_EQ(sim.TakeOutputBytes(), (Bytes{0xB6, 74, 33}));
    sim.PanelControlChange(122, 0);
    EXPECT_FALSE(sim.State().localControl);
}

TEST(SimPanel, DumpsSentUnasked) {
    SimCore sim(Model::Nerimo, 0);
    sim.Image().FillFactory(6);
    ASSERT_TRUE(sim.PanelSendDump({DumpKind::CurProgram}));
    Bytes small = sim.TakeOutputBytes();
    ASSERT_EQ(small.size(), 515u);
    EXPECT_EQ(Bytes(small.begin(), small.begin() + 6), (Bytes{0xF0, 0x42, 0x30, 0x7A, 0x40, 0x00}));
    Bytes body = SimTest::UnpackByHand(Bytes(small.begin() + 6, small.end() - 1));
    EXPECT_EQ(std::memcmp(body.data(), sim.Image().Record(Area::CurProgram, 0), 444), 0);

    ASSERT_TRUE(sim.PanelSendDump({DumpKind::Program, 4, -1}));
    Bytes large = sim.TakeOutputBytes();
    ASSERT_EQ(large.size(), 64960u);
    EXPECT_EQ(Bytes(large.begin(), large.begin() + 8),
              (Bytes{0xF0, 0x42, 0x30, 0x7A, 0x4C, 0x01, 0x14, 0x00}));

    EXPECT_FALSE(sim.PanelSendDump({DumpKind::DrumKit, -1, 40}));
    EXPECT_TRUE(sim.TakeOutputBytes().empty());
}
