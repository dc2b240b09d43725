// What the editor sends to the simulated instrument: dumps, mode changes, parameter changes and
// write commands are applied to its state and acknowledged, or refused with the right reason.
#include <gtest/gtest.h>

#include <cstring>

#include "SimTestFrames.h"
#include "Support/SimCore.h"

using namespace Sim;
using SimTest::Bytes;
using SimTest::Dump;
using SimTest::Exchange;
using SimTest::Frame;

namespace {

struct DumpCase {
    const char* name;
    Bytes header;  // after F0 42 3g 7A
    Area area;
    int first;
    int count;
    uint8_t mode;  // the instrument's mode while receiving
};

const DumpCase kDumps[] = {
    {"current program", {0x40, 0x00}, Area::CurProgram, 0, 1, Mode::ProgEdit},
    {"one program", {0x4C, 0x00, 0x23, 0x7F}, Area::Program, 3 * 128 + 127, 1, Mode::ProgPlay},
    {"program bank", {0x4C, 0x00, 0x11, 0x00}, Area::Program, 128, 128, Mode::CombiPlay},
    {"all programs", {0x4C, 0x00, 0x00, 0x00}, Area::Program, 0, 4 * 128, Mode::Global},
    {"current combination", {0x49, 0x00}, Area::CurCombination, 0, 1, Mode::CombiPlay},
    {"one combination", {0x4D, 0x00, 0x22, 0x03}, Area::Combination, 2 * 128 + 3, 1, Mode::ProgPlay},
    {"combination bank", {0x4D, 0x00, 0x12, 0x00}, Area::Combination, 256, 128, Mode::ProgPlay},
    {"all combinations", {0x4D, 0x00, 0x00, 0x00}, Area::Combination, 0, 384, Mode::ProgPlay},
    {"current multi", {0x4A, 0x00}, Area::CurMulti, 0, 1, Mode::Multi},
    {"one multi", {0x48, 0x01, 0x7F, 0x00}, Area::Multi, 127, 1, Mode::ProgPlay},
    {"all multis", {0x48, 0x00, 0x00, 0x00}, Area::Multi, 0, 128, Mode::ProgPlay},
    {"global", {0x51, 0x00}, Area::Global, 0, 1, Mode::ProgPlay},
    {"one drum kit", {0x52, 0x01, 0x05, 0x00}, Area::DrumKit, 5, 1, Mode::Global},
    {"all drum kits", {0x52, 0x00, 0x00, 0x00}, Area::DrumKit, 0, 40, Mode::Global},
    {"one arpeggio pattern", {0x69, 0x40, 0x01, 0x7A}, Area::ArpPattern, 250, 1, Mode::Global},
    {"all arpeggio patterns", {0x69, 0x00, 0x00, 0x00}, Area::ArpPattern, 0, 251, Mode::Global},
    {"one external-control set", {0x6E, 0x01, 0x3F, 0x00}, Area::ExtControl, 63, 1, Mode::Global},
    {"all external-control sets", {0x6E, 0x00, 0x00, 0x00}, Area::ExtControl, 0, 64, Mode::Global},
};

class SimReceiveDump : public ::testing::TestWithParam<size_t> {};

}  // namespace

TEST_P(SimReceiveDump, AppliedAndAcknowledged) {
    const DumpCase& c = kDumps[GetParam()];
    SimCore sim(Model::Tolva, 9);
    sim.State().mode = c.mode;
    size_t recordSize = GetAreaInfo(c.area).recordSize;
    Bytes record = SimTest::Pattern(recordSize * c.count, static_cast<unsigned>(GetParam()));
    Bytes header = c.header;
    Bytes msg = {0xF0, 0x42, 0x39, 0x7A};
    msg.insert(msg.end(), header.begin(), header.end());
    Bytes packed = SimTest::PackByHand(record);
    msg.insert(msg.end(), packed.begin(), packed.end());
    msg.push_back(0xF7);

    EXPECT_EQ(Exchange(sim, msg), SimTest::LoadComplete(9)) << c.name;
    EXPECT_EQ(std::memcmp(sim.Image().Record(c.area, c.first), record.data(), record.size()), 0) << c.name;
    if (c.first > 0) {  // the record before stays as it was
        const uint8_t* before = sim.Image().Record(c.area, c.first - 1);
        EXPECT_EQ(std::count(before, before + recordSize, 0), static_cast<long>(recordSize)) << c.name;
    }
}

INSTANTIATE_TEST_SUITE_P(EveryKind, SimReceiveDump, ::testing::Range<size_t>(0, std::size(kDumps)));

TEST(SimReceive, AllDataDumpOfEachModel) {
    for (Model model : {Model::Tolva, Model::Nerimo}) {
        SimCore sim(model);
        size_t size = model == Model::Tolva ? 838034 : 897426;
        Bytes body = SimTest::Pattern(size, 3);
        EXPECT_EQ(Exchange(sim, Dump({0x50, model == Model::Nerimo ? uint8_t(1) : uint8_t(0), 0x00}, body)),
                  SimTest::LoadComplete());
        // Order: global, kits, patterns, combinations, programs, multis, (Nerimo) external-control sets.
        size_t combis = 850 + 40 * 4112 + 251 * 320;
        size_t progs = combis + 3 * 128 * 544;
        EXPECT_EQ(std::memcmp(sim.Image().Record(Area::Combination, 0), body.data() + combis, 544), 0);
        EXPECT_EQ(std::memcmp(sim.Image().Record(Area::Program, 0), body.data() + progs, 444), 0);
        if (model == Model::Nerimo)
            EXPECT_EQ(std::memcmp(sim.Image().Record(Area::ExtControl, 63), body.data() + size - 40, 40), 0);
        else
            EXPECT_EQ(sim.Image().Record(Area::ExtControl, 0)[0], 0);
        // The other model's size is a length error.
        size_t other = model == Model::Tolva ? 897426 : 838034;
        EXPECT_EQ(Exchange(sim, Dump({0x50, 0x00, 0x00}, SimTest::Pattern(other, 1))),
                  SimTest::FormatError(0));
    }
}

TEST(SimReceive, ProgramBankEOnlyOnNerimo) {
    Bytes bank = SimTest::Pattern(128 * 444, 5);
    SimCore tolva(Model::Tolva);
    EXPECT_EQ(Exchange(tolva, Dump({0x4C, 0x00, 0x14, 0x00}, bank)), SimTest::LoadError(1));
    SimCore nerimo(Model::Nerimo);
    EXPECT_EQ(Exchange(nerimo, Dump({0x4C, 0x01, 0x14, 0x00}, bank)), SimTest::LoadComplete());
    EXPECT_EQ(std::memcmp(nerimo.Image().Record(Area::Program, 4 * 128), bank.data(), bank.size()), 0);
}

TEST(SimReceive, RefusedDumpsLeaveImageUntouched) {
    struct Case {
        const char* name;
        bool protect;
        uint8_t mode;
        Bytes msg;
        Bytes reply;
    };
    const Case cases[] = {
        {"protected program", true, Mode::ProgPlay, Dump({0x4C, 0x00, 0x20, 0x00}, Bytes(444, 1)),
         SimTest::LoadError(0)},
        {"protected kits", true, Mode::Global, Dump({0x52, 0x00, 0x00, 0x00}, Bytes(40 * 4112, 1)),
         SimTest::LoadError(0)},
        {"current program in combination mode", false, Mode::CombiPlay, Dump({0x40, 0x00}, Bytes(444, 1)),
         SimTest::LoadError(2)},
        {"current multi in program mode", false, Mode::ProgEdit, Dump({0x4A, 0x00}, Bytes(1220, 1)),
         SimTest::LoadError(2)},
        {"current combination in multi mode", false, Mode::Multi, Dump({0x49, 0x00}, Bytes(544, 1)),
         SimTest::LoadError(2)},
        {"program one byte short", false, Mode::ProgPlay, Dump({0x4C, 0x00, 0x20, 0x00}, Bytes(443, 1)),
         SimTest::FormatError(0)},
        {"program one byte long", false, Mode::ProgPlay, Dump({0x4C, 0x00, 0x20, 0x00}, Bytes(445, 1)),
         SimTest::FormatError(0)},
        {"kit 40", false, Mode::Global, Dump({0x52, 0x01, 40, 0x00}, Bytes(4112, 1)), SimTest::LoadError(1)},
        {"pattern 251", false, Mode::Global, Dump({0x69, 0x40, 0x01, 0x7B}, Bytes(320, 1)),
         SimTest::LoadError(1)},
        {"set 64", false, Mode::Global, Dump({0x6E, 0x01, 64, 0x00}, Bytes(40, 1)), SimTest::LoadError(1)},
        {"header only", false, Mode::ProgPlay, Frame({0x4C, 0x00}), SimTest::FormatError(0)},
    };
    for (const Case& c : cases) {
        SimCore sim(Model::Tolva);
        sim.State().protect = c.protect;
        sim.State().mode = c.mode;
        EXPECT_EQ(Exchange(sim, c.msg), c.reply) << c.name;
        for (Area area : AllAreas())
            for (int i = 0; i < sim.Image().RecordCount(area); ++i)
                ASSERT_EQ(sim.Image().Record(area, i)[17], 0) << c.name << " " << RecordLabel(area, i);
    }
}

TEST(SimReceive, LenientModesAcceptCurrentDumpInAnyMode) {
    SimCore sim(Model::Tolva);
    sim.State().mode = Mode::CombiPlay;
    sim.State().strictModes = false;
    EXPECT_EQ(Exchange(sim, Dump({0x40, 0x00}, Bytes(444, 0x55))), SimTest::LoadComplete());
    EXPECT_EQ(sim.Image().Record(Area::CurProgram, 0)[100], 0x55);
}

TEST(SimReceive, ProtectDoesNotStopEditBufferOrGlobal) {
    SimCore sim(Model::Tolva);
    sim.State().protect = true;
    EXPECT_EQ(Exchange(sim, Dump({0x40, 0x00}, Bytes(444, 2))), SimTest::LoadComplete());
    EXPECT_EQ(Exchange(sim, Dump({0x51, 0x00}, Bytes(850, 2))), SimTest::LoadComplete());
}

TEST(SimReceive, ModeChange) {
    SimCore sim(Model::Nerimo, 1);
    for (uint8_t mode : {0, 1, 2, 3, 4, 6}) {
        EXPECT_EQ(Exchange(sim, Frame({0x4E, mode}, 1)), SimTest::LoadComplete(1));
        EXPECT_EQ(sim.State().mode, mode);
    }
    EXPECT_EQ(Exchange(sim, Frame({0x4E, 5}, 1)), SimTest::LoadError(1, 1));
    EXPECT_EQ(sim.State().mode, Mode::Global);
    EXPECT_EQ(Exchange(sim, Frame({0x4E, 2, 0}, 1)), SimTest::FormatError(0, 1));
}

TEST(SimReceive, ParameterChangesDecoded) {
    struct Case {
        const char* name;
        uint8_t mode;
        Bytes msg;
        ParamChange expected;
    };
    const Case cases[] = {
        {"sound",
         Mode::ProgEdit,
         Frame({0x41, 0x03, 0x00, 0x0A, 0x00, 0x05, 0x00, 0x64}),
         {ParamKind::Sound, 3, 0x0A05, 0, 0, 100}},
        {"sound negative",
         Mode::CombiPlay,
         Frame({0x41, 0x01, 0x00, 0x7F, 0x00, 0x7F, 0x7F, 0x7F}),
         {ParamKind::Sound, 1, 0x7F7F, 0, 0, -1}},
        {"global",
         Mode::Global,
         Frame({0x41, 0x06, 0x00, 0x7C, 0x00, 0x00, 0x00, 0x07}),
         {ParamKind::Sound, 6, 0x7C00, 0, 0, 7}},
        {"drum kit",
         Mode::Global,
         Frame({0x53, 39, 0x10, 0x00, 0x05, 0x3F, 0x7F}),
         {ParamKind::DrumKit, 0, 0x1005, 39, 0, 8191}},
        {"arpeggio step",
         Mode::Global,
         Frame({0x6D, 0x00, 0x01, 0x48, 0x00, 0x03, 0x00, 0x05, 0x40, 0x00}),
         {ParamKind::ArpPattern, 0, 5, 200, 3, -8192}},
        {"arpeggio tone",
         Mode::Global,
         Frame({0x6D, 0x00, 0x00, 0x02, 0x0B, 0x00, 0x00, 0x15, 0x00, 0x01}),
         {ParamKind::ArpPattern, 0, 21, 2, 11, 1}},
        {"arpeggio plain",
         Mode::Global,
         Frame({0x6D, 0x00, 0x00, 0x02, 0x0B, 0x04, 0x00, 0x16, 0x00, 0x02}),
         {ParamKind::ArpPattern, 0, 22, 2, 0, 2}},
        {"external control",
         Mode::Global,
         Frame({0x6F, 63, 0x00, 0x0C, 0x00, 0x40}),
         {ParamKind::ExtControl, 0, 12, 63, 0, 64}},
    };
    for (const Case& c : cases) {
        SimCore sim(Model::Tolva);
        sim.State().mode = c.mode;
        EXPECT_EQ(Exchange(sim, c.msg), SimTest::LoadComplete()) << c.name;
        ASSERT_EQ(sim.ParamChanges().size(), 1u) << c.name;
        EXPECT_TRUE(sim.ParamChanges()[0] == c.expected) << c.name;
    }
}

TEST(SimReceive, ParameterChangesRefused) {
    struct Case {
        const char* name;
        uint8_t mode;
        Bytes msg;
        Bytes reply;
    };
    const Case cases[] = {
        {"program param in combination mode", Mode::CombiEdit, Frame({0x41, 0x03, 0, 0x0A, 0, 0x05, 0, 1}),
         SimTest::LoadError(2)},
        {"global param in program mode", Mode::ProgPlay, Frame({0x41, 0x06, 0, 0x0A, 0, 0x05, 0, 1}),
         SimTest::LoadError(2)},
        {"mode 5", Mode::ProgPlay, Frame({0x41, 0x05, 0, 0x0A, 0, 0x05, 0, 1}), SimTest::LoadError(1)},
        {"kit 40", Mode::Global, Frame({0x53, 40, 0, 0, 1, 0, 1}), SimTest::LoadError(1)},
        {"kit outside global", Mode::ProgPlay, Frame({0x53, 1, 0, 0, 1, 0, 1}), SimTest::LoadError(2)},
        {"pattern 251", Mode::Global, Frame({0x6D, 0, 0x01, 0x7B, 0, 0, 0, 1, 0, 1}), SimTest::LoadError(1)},
        {"set 64", Mode::Global, Frame({0x6F, 64, 0, 1, 0, 1}), SimTest::LoadError(1)},
        {"11 bytes before F7", Mode::ProgPlay, Frame({0x41, 0x02, 0, 0x0A, 0, 0x05, 0}),
         SimTest::FormatError(0)},
    };
    for (const Case& c : cases) {
        SimCore sim(Model::Tolva);
        sim.State().mode = c.mode;
        EXPECT_EQ(Exchange(sim, c.msg), c.reply) << c.name;
        EXPECT_TRUE(sim.ParamChanges().empty()) << c.name;
    }
}

TEST(SimReceive, ParameterChangeWrittenThroughLocator) {
    SimCore sim(Model::Tolva);
    sim.State().mode = Mode::ProgEdit;
    // A test-provided table: PID 0x0A05 is bits 2..5 of byte 100 of the current program, 0 to 12.
    sim.SetParamLocator([](const ParamChange& c, ParamTarget* t) {
        if (c.kind != ParamKind::Sound || c.pid != 0x0A05) return false;
        t->area = Area::CurProgram;
        t->index = 0;
        t->field = BitField{100, 1, 2, 5, false};
        t->minimum = 0;
        t->maximum = 12;
        return true;
    });
    sim.Image().Record(Area::CurProgram, 0)[100] = 0xC3;
    EXPECT_EQ(Exchange(sim, Frame({0x41, 0x03, 0, 0x0A, 0, 0x05, 0, 9})), SimTest::LoadComplete());
    EXPECT_EQ(sim.Image().Record(Area::CurProgram, 0)[100], 0xC3 | 9 << 2);
    EXPECT_EQ(Exchange(sim, Frame({0x41, 0x03, 0, 0x0A, 0, 0x05, 0, 13})), SimTest::LoadError(1));
    EXPECT_EQ(Exchange(sim, Frame({0x41, 0x03, 0, 0x0A, 0, 0x06, 0, 1})), SimTest::LoadError(1));
    EXPECT_EQ(sim.Image().Record(Area::CurProgram, 0)[100], 0xC3 | 9 << 2);
}

TEST(SimReceive, BitFieldsAreBigEndianAndSigned) {
    uint8_t record[4] = {0, 0, 0, 0};
    BitField wide{1, 2, 3, 12, true};  // bits 3..12 over bytes 1 and 2
    WriteBitField(record, wide, -2);
    EXPECT_EQ(record[1], 0x1F);
    EXPECT_EQ(record[2], 0xF0);
    EXPECT_EQ(record[0], 0);
    EXPECT_EQ(ReadBitField(record, wide), -2);
}

TEST(SimReceive, WriteCommands) {
    struct Case {
        const char* name;
        Model model;
        uint8_t mode;
        bool protect;
        Bytes msg;
        Bytes reply;
        Area to;
        int slot;
    };
    const Case cases[] = {
        {"program", Model::Tolva, Mode::ProgPlay, false, Frame({0x11, 3, 127}), SimTest::WriteComplete(),
         Area::Program, 3 * 128 + 127},
        {"program bank E on Nerimo", Model::Nerimo, Mode::ProgEdit, false, Frame({0x11, 4, 0}),
         SimTest::WriteComplete(), Area::Program, 4 * 128},
        {"combination", Model::Tolva, Mode::CombiEdit, false, Frame({0x1A, 2, 5}), SimTest::WriteComplete(),
         Area::Combination, 2 * 128 + 5},
        {"multi", Model::Tolva, Mode::Multi, false, Frame({0x17, 0, 9}), SimTest::WriteComplete(),
         Area::Multi, 9},
        {"program bank E on Tolva", Model::Tolva, Mode::ProgPlay, false, Frame({0x11, 4, 0}),
         SimTest::WriteError(1), Area::Program, -1},
        {"combination bank 3", Model::Tolva, Mode::CombiPlay, false, Frame({0x1A, 3, 0}),
         SimTest::WriteError(1), Area::Combination, -1},
        {"protected", Model::Tolva, Mode::ProgPlay, true, Frame({0x11, 0, 0}), SimTest::WriteError(0),
         Area::Program, -1},
        {"program in multi mode", Model::Tolva, Mode::Multi, false, Frame({0x11, 0, 0}),
         SimTest::WriteError(2), Area::Program, -1},
        {"multi in global mode", Model::Tolva, Mode::Global, false, Frame({0x17, 0, 0}),
         SimTest::WriteError(2), Area::Multi, -1},
        {"too short", Model::Tolva, Mode::ProgPlay, false, Frame({0x11, 0}), SimTest::FormatError(0),
         Area::Program, -1},
    };
    for (const Case& c : cases) {
        SimCore sim(c.model);
        sim.State().mode = c.mode;
        sim.State().protect = c.protect;
        for (Area cur : {Area::CurProgram, Area::CurCombination, Area::CurMulti})
            std::memset(sim.Image().Record(cur, 0), 0x5A, GetAreaInfo(cur).recordSize);
        EXPECT_EQ(Exchange(sim, c.msg), c.reply) << c.name;
        int written = 0;
        for (int i = 0; i < sim.Image().RecordCount(c.to); ++i)
            written += sim.Image().Record(c.to, i)[30] == 0x5A;
        EXPECT_EQ(written, c.slot >= 0 ? 1 : 0) << c.name;
        if (c.slot >= 0) {
            EXPECT_EQ(sim.Image().Record(c.to, c.slot)[30], 0x5A) << c.name;
        }
    }
}

TEST(SimReceive, BankSelectAndProgramChange) {
    SimCore sim(Model::Tolva, 4);
    sim.Image().FillFactory(1);
    sim.State().mode = Mode::ProgPlay;
    EXPECT_TRUE(Exchange(sim, {0xB4, 0x00, 0x00, 0xB4, 0x20, 0x02, 0xC4, 0x0A}).empty());
    EXPECT_EQ(sim.State().progBank, 2);
    EXPECT_EQ(sim.State().progNumber, 10);
    EXPECT_EQ(std::memcmp(sim.Image().Record(Area::CurProgram, 0),
                          sim.Image().Record(Area::Program, 2 * 128 + 10), 444),
              0);
    // GM bank by MSB 121; the edit buffer is not taken from user memory.
    sim.Receive(Bytes{0xB4, 0x00, 0x79, 0xB4, 0x20, 0x00, 0xC4, 0x03});
    EXPECT_EQ(sim.State().progBank, 4);
    EXPECT_EQ(sim.State().progNumber, 3);
    // Another channel is not the instrument's.
    sim.Receive(Bytes{0xC5, 0x07});
    EXPECT_EQ(sim.State().progNumber, 3);
    // With the GM bank map the user banks answer to MSB 63.
    sim.State().gmMap = true;
    sim.Receive(Bytes{0xB4, 0x00, 0x3F, 0xB4, 0x20, 0x01, 0xC4, 0x05});
    EXPECT_EQ(sim.State().progBank, 1);
    // Combination mode: running status carries the second controller.
    sim.State().gmMap = false;
    sim.State().mode = Mode::CombiPlay;
    sim.Receive(Bytes{0xB4, 0x00, 0x00, 0x20, 0x02, 0xC4, 0x7F});
    EXPECT_EQ(sim.State().combiBank, 2);
    EXPECT_EQ(sim.State().combiNumber, 127);
    EXPECT_EQ(std::memcmp(sim.Image().Record(Area::CurCombination, 0),
                          sim.Image().Record(Area::Combination, 2 * 128 + 127), 544),
              0);
}

TEST(SimReceive, SongSelectLocalControlAndMasterVolume) {
    SimCore sim(Model::Nerimo, 0);
    sim.Image().FillFactory(2);
    sim.State().mode = Mode::Multi;
    sim.Receive(Bytes{0xF3, 0x21});
    EXPECT_EQ(sim.State().multiNumber, 0x21);
    EXPECT_EQ(std::memcmp(sim.Image().Record(Area::CurMulti, 0), sim.Image().Record(Area::Multi, 0x21), 1220),
              0);
    sim.Receive(Bytes{0xB0, 122, 0});
    EXPECT_FALSE(sim.State().localControl);
    sim.Receive(Bytes{0xB0, 122, 127});
    EXPECT_TRUE(sim.State().localControl);
    sim.Receive(Bytes{0xB0, 7, 99});
    EXPECT_EQ(sim.ControlValue(7), 99);
    EXPECT_EQ(sim.ControlValue(8), -1);
    EXPECT_TRUE(Exchange(sim, {0xF0, 0x7F, 0x00, 0x04, 0x01, 0x00, 0x40, 0xF7}).empty());
    EXPECT_EQ(sim.State().masterVolume, 8192u);
    sim.Receive(Bytes{0xF0, 0x7F, 0x03, 0x04, 0x01, 0x7F, 0x7F, 0xF7});  // another device
    EXPECT_EQ(sim.State().masterVolume, 8192u);
}

TEST(SimReceive, LogsEveryByteWithItsTime) {
    SimCore sim(Model::Tolva);
    sim.Receive(Bytes{0xF0, 0x42, 0x30}, 1000);
    sim.Receive(Bytes{0x7A, 0x12, 0xF7, 0xFE}, 2500);
    ASSERT_EQ(sim.ReceivedLog().size(), 2u);
    EXPECT_EQ(sim.ReceivedLog()[1].timeUs, 2500);
    EXPECT_EQ(sim.ReceivedBytes(), (Bytes{0xF0, 0x42, 0x30, 0x7A, 0x12, 0xF7, 0xFE}));
    ASSERT_EQ(sim.ReceivedMessages().size(), 2u);
    EXPECT_EQ(sim.ReceivedMessages()[0].bytes, Frame({0x12}));
    EXPECT_EQ(sim.ReceivedMessages()[0].timeUs, 2500);
    EXPECT_EQ(sim.ReceivedMessages()[1].bytes, (Bytes{0xFE}));
}

TEST(SimReceive, BrokenExclusiveMessages) {
    SimCore sim(Model::Tolva);
    // Real-time bytes inside an exclusive message are not part of it.
    EXPECT_EQ(Exchange(sim, {0xF0, 0x42, 0xF8, 0x30, 0x7A, 0xFE, 0x12, 0xF7}).size(), 27u);
    // A new F0 before F7 ends the unfinished message, which is dropped; the new one is answered.
    EXPECT_EQ(Exchange(sim, {0xF0, 0x42, 0x30, 0x7A, 0x10, 0xF0, 0x42, 0x30, 0x7A, 0x12, 0xF7}).size(), 27u);
    // A channel message ends it too and is then handled.
    sim.Receive(Bytes{0xF0, 0x42, 0x30, 0xB0, 122, 0});
    EXPECT_FALSE(sim.State().localControl);
    ASSERT_EQ(sim.DiscardedMessages().size(), 2u);
    EXPECT_EQ(sim.DiscardedMessages()[0], (Bytes{0xF0, 0x42, 0x30, 0x7A, 0x10}));
}

// The control track in the mode-and-state reply is the current multi's own: a received multi and a
// song select both change what the instrument reports, as they change the multi it plays.
TEST(SimReceive, TheReportedControlTrackIsTheCurrentMultis) {
    SimCore sim(Model::Nerimo, 0);
    sim.Image().FillFactory(3);
    sim.State().mode = Mode::Multi;
    auto reportedTrack = [&] {
        const Bytes r = Exchange(sim, Frame({0x12}));
        return r.size() == 27 ? r[5 + 16] : -1;
    };
    Bytes multi = SimTest::Pattern(1220, 4);
    multi[1216] = 0x30 | 7;
    ASSERT_EQ(Exchange(sim, Dump({0x4A, 0x00}, multi)), SimTest::LoadComplete());
    EXPECT_EQ(reportedTrack(), 7);
    sim.Image().Record(Area::Multi, 0x21)[1216] = 0x40 | 13;
    sim.Receive(Bytes{0xF3, 0x21});
    EXPECT_EQ(reportedTrack(), 13);
}
