// What the instrument sends, as the synthesizer takes it: every dump kind landing in its bytes,
// sizes and indexes it refuses, mode and program changes, short messages, and the real-time path out.
#include <gtest/gtest.h>

#include <atomic>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "Common/Model/Presets.h"
#include "Files/NativeFixtures.h"
#include "Linux/SysTick.h"
#include "Support/SynthHarness.h"

namespace {

using namespace QorX0;
using namespace SynthTest;
using fixtures::TraceCapture;

class SynthIncoming : public SynthFixture, public ::testing::WithParamInterface<unsigned char> {};

// The editor's bytes of one simulator record.
struct RecordCheck {
    const char* name;
    Sim::DumpSpec spec;
    Sim::Area area;
    int firstIndex;
    int lastIndex;
    unsigned offset;  // editor image offset of firstIndex
    unsigned size;    // of one record
    bool nerimoOnly;
};

TEST_P(SynthIncoming, EveryDumpKindFromTheInstrumentLandsInItsBytes) {
    const unsigned char pmid = GetParam();
    Make(pmid);
    const int progBanks = static_cast<int>(ProgramBankCount(pmid));
    using K = Sim::DumpKind;
    using A = Sim::Area;
    const RecordCheck cases[] = {
        {"current program",
         {K::CurProgram, -1, -1},
         A::CurProgram,
         0,
         0,
         kAreaCurProgram.offset,
         kSizeProgram,
         false},
        {"one program",
         {K::Program, 1, 5},
         A::Program,
         133,
         133,
         kAreaPrograms.At(1, 5),
         kSizeProgram,
         false},
        {"program bank",
         {K::Program, 2, -1},
         A::Program,
         256,
         383,
         kAreaPrograms.At(2, 0),
         kSizeProgram,
         false},
        {"all programs",
         {K::Program, -1, -1},
         A::Program,
         0,
         progBanks * 128 - 1,
         kAreaPrograms.offset,
         kSizeProgram,
         false},
        {"current combination",
         {K::CurCombination, -1, -1},
         A::CurCombination,
         0,
         0,
         kAreaCurCombi.offset,
         kSizeCombi,
         false},
        {"one combination",
         {K::Combination, 2, 127},
         A::Combination,
         383,
         383,
         kAreaCombis.At(2, 127),
         kSizeCombi,
         false},
        {"combination bank",
         {K::Combination, 1, -1},
         A::Combination,
         128,
         255,
         kAreaCombis.At(1, 0),
         kSizeCombi,
         false},
        {"all combinations",
         {K::Combination, -1, -1},
         A::Combination,
         0,
         383,
         kAreaCombis.offset,
         kSizeCombi,
         false},
        {"current multi", {K::CurMulti, -1, -1}, A::CurMulti, 0, 0, kAreaCurMulti.offset, kSizeMulti, false},
        {"one multi", {K::Multi, -1, 100}, A::Multi, 100, 100, kAreaMultis.At(100), kSizeMulti, false},
        {"all multis", {K::Multi, -1, -1}, A::Multi, 0, 127, kAreaMultis.offset, kSizeMulti, false},
        {"global", {K::Global, -1, -1}, A::Global, 0, 0, kAreaGlobal.offset, kSizeGlobal, false},
        {"one drum kit", {K::DrumKit, -1, 39}, A::DrumKit, 39, 39, kAreaDrumKits.At(39), kSizeDrumKit, false},
        {"all drum kits", {K::DrumKit, -1, -1}, A::DrumKit, 0, 39, kAreaDrumKits.offset, kSizeDrumKit, false},
        {"one pattern",
         {K::ArpPattern, -1, 250},
         A::ArpPattern,
         250,
         250,
         kAreaArpPatterns.At(250),
         kSizeArpPattern,
         false},
        {"all patterns",
         {K::ArpPattern, -1, -1},
         A::ArpPattern,
         0,
         250,
         kAreaArpPatterns.offset,
         kSizeArpPattern,
         false},
        {"one ext. set",
         {K::ExtControl, -1, 63},
         A::ExtControl,
         63,
         63,
         kAreaExtControls.At(63),
         kSizeExtControl,
         true},
        {"all ext. sets",
         {K::ExtControl, -1, -1},
         A::ExtControl,
         0,
         63,
         kAreaExtControls.offset,
         kSizeExtControl,
         true},
    };
    for (const RecordCheck& c : cases) {
        if (c.nerimoOnly && pmid == kPmidTolva) continue;
        SCOPED_TRACE(c.name);
        // A fresh pattern each time, so that every dump brings bytes the editor does not have yet.
        sim->With(
            [&](Sim::SimCore& core) { core.Image().FillFactory(100 + static_cast<uint32_t>(&c - cases)); });
        auto same = [&](int index, unsigned offset) {
            auto im = Image();
            return sim->With([&](Sim::SimCore& core) {
                return std::memcmp(core.Image().Record(c.area, index), im->Bytes() + offset, c.size) == 0;
            });
        };
        ASSERT_FALSE(same(c.firstIndex, c.offset));
        log.Clear();
        ASSERT_TRUE(sim->With([&](Sim::SimCore& core) { return core.PanelSendDump(c.spec); }));
        EXPECT_TRUE(PumpUntil([&] { return same(c.firstIndex, c.offset); }));
        const unsigned lastOffset = c.offset + static_cast<unsigned>(c.lastIndex - c.firstIndex) * c.size;
        EXPECT_TRUE(same(c.lastIndex, lastOffset));
    }
}

TEST_P(SynthIncoming, AllDataDumpFillsTheImageAndTellsEveryList) {
    const unsigned char pmid = GetParam();
    Make(pmid);
    ASSERT_TRUE(sim->With([](Sim::SimCore& c) { return c.PanelSendDump({Sim::DumpKind::All, -1, -1}); }));
    EXPECT_TRUE(PumpUntil([&] { return log.Has("bank 4 255:255"); })) << log.Joined();
    EXPECT_EQ(log.Count("bank 2 255:255"), 1) << log.Joined();
    EXPECT_EQ(log.Count("bank 0 255:255"), 1) << log.Joined();
    // The current sounds are not part of the all-data dump, nor, on the Tolva, the external-control sets.
    std::vector<Sim::ImageDiff> left;
    for (const Sim::ImageDiff& d : Diffs(false)) {
        const bool current = d.area == Sim::Area::CurProgram || d.area == Sim::Area::CurCombination ||
                             d.area == Sim::Area::CurMulti;
        if (!current && !(pmid == kPmidTolva && d.area == Sim::Area::ExtControl)) left.push_back(d);
    }
    EXPECT_TRUE(left.empty()) << Sim::FormatDiffs(left);
}

// ---- the callbacks as the link calls them, with sizes and indexes it would never pass

struct DumpCall {
    const char* name;
    const char* word;
    unsigned expected;
    unsigned offset;
    std::function<int(CRemoteSynthImpl*, const void*, unsigned)> call;
};

std::vector<DumpCall> DumpCalls(unsigned char pmid) {
    const unsigned progAll = ProgramBankCount(pmid) * kAreaPrograms.BankSize();
    return {
        {"cur prog", "PROG", kSizeProgram, kAreaCurProgram.offset,
         [](CRemoteSynthImpl* s, const void* d, unsigned n) { return s->OnRcvCurProgDump(nullptr, d, n); }},
        {"prog 3:127", "PROG", kSizeProgram, kAreaPrograms.At(3, 127),
         [](CRemoteSynthImpl* s, const void* d, unsigned n) {
             return s->OnRcvProgDump(nullptr, 3, 127, d, n);
         }},
        {"prog bank 1", "PROG", kAreaPrograms.BankSize(), kAreaPrograms.At(1, 0),
         [](CRemoteSynthImpl* s, const void* d, unsigned n) {
             return s->OnRcvProgDump(nullptr, 1, -1, d, n);
         }},
        {"prog all", "PROG", progAll, kAreaPrograms.offset,
         [](CRemoteSynthImpl* s, const void* d, unsigned n) {
             return s->OnRcvProgDump(nullptr, -1, -1, d, n);
         }},
        {"cur combi", "COMBI", kSizeCombi, kAreaCurCombi.offset,
         [](CRemoteSynthImpl* s, const void* d, unsigned n) { return s->OnRcvCurCombiDump(nullptr, d, n); }},
        {"combi 2:0", "COMBI", kSizeCombi, kAreaCombis.At(2, 0),
         [](CRemoteSynthImpl* s, const void* d, unsigned n) {
             return s->OnRcvCombiDump(nullptr, 2, 0, d, n);
         }},
        {"combi bank 2", "COMBI", kAreaCombis.BankSize(), kAreaCombis.At(2, 0),
         [](CRemoteSynthImpl* s, const void* d, unsigned n) {
             return s->OnRcvCombiDump(nullptr, 2, -1, d, n);
         }},
        {"combi all", "COMBI", kAreaCombis.Size(), kAreaCombis.offset,
         [](CRemoteSynthImpl* s, const void* d, unsigned n) {
             return s->OnRcvCombiDump(nullptr, -1, 5, d, n);
         }},
        {"cur multi", "MULTI", kSizeMulti, kAreaCurMulti.offset,
         [](CRemoteSynthImpl* s, const void* d, unsigned n) { return s->OnRcvCurMultiDump(nullptr, d, n); }},
        {"multi 127", "MULTI", kSizeMulti, kAreaMultis.At(127),
         [](CRemoteSynthImpl* s, const void* d, unsigned n) {
             return s->OnRcvMultiDump(nullptr, 127, d, n);
         }},
        {"multi all", "MULTI", kAreaMultis.Size(), kAreaMultis.offset,
         [](CRemoteSynthImpl* s, const void* d, unsigned n) { return s->OnRcvMultiDump(nullptr, -1, d, n); }},
        {"global", "GLOBAL", kSizeGlobal, 0,
         [](CRemoteSynthImpl* s, const void* d, unsigned n) { return s->OnRcvGlobalDump(nullptr, d, n); }},
        {"kit 39", "DRUMKIT", kSizeDrumKit, kAreaDrumKits.At(39),
         [](CRemoteSynthImpl* s, const void* d, unsigned n) {
             return s->OnRcvDrumkitDump(nullptr, 39, d, n);
         }},
        {"kits", "DRUMKIT", kAreaDrumKits.Size(), kAreaDrumKits.offset,
         [](CRemoteSynthImpl* s, const void* d, unsigned n) {
             return s->OnRcvDrumkitDump(nullptr, -1, d, n);
         }},
        {"pattern 0", "ARPPATTERN", kSizeArpPattern, kAreaArpPatterns.offset,
         [](CRemoteSynthImpl* s, const void* d, unsigned n) {
             return s->OnRcvArpPatternDump(nullptr, 0, d, n);
         }},
        {"patterns", "ARPPATTERN", kAreaArpPatterns.Size(), kAreaArpPatterns.offset,
         [](CRemoteSynthImpl* s, const void* d, unsigned n) {
             return s->OnRcvArpPatternDump(nullptr, -1, d, n);
         }},
        {"ext 63", "EXTCONTROL", kSizeExtControl, kAreaExtControls.At(63),
         [](CRemoteSynthImpl* s, const void* d, unsigned n) {
             return s->OnRcvExtControlDump(nullptr, 63, d, n);
         }},
        {"exts", "EXTCONTROL", kAreaExtControls.Size(), kAreaExtControls.offset,
         [](CRemoteSynthImpl* s, const void* d, unsigned n) {
             return s->OnRcvExtControlDump(nullptr, -1, d, n);
         }},
    };
}

TEST_P(SynthIncoming, ShortDumpsAreRefusedWithTheirTraceAndLongerOnesCopyExactlyTheRecord) {
    const unsigned char pmid = GetParam();
    Make(pmid, false);
    for (const DumpCall& c : DumpCalls(pmid)) {
        SCOPED_TRACE(c.name);
        auto before = Image();
        std::vector<uint8_t> data(c.expected + 56);
        for (size_t i = 0; i < data.size(); ++i) data[i] = static_cast<uint8_t>(i * 7 + 3);
        {
            TraceCapture trace;
            EXPECT_EQ(c.call(impl, data.data(), c.expected - 1), QN_FAIL);
            char want[128];
            std::snprintf(want, sizeof want, "RemoteSynth: %s size incorrect, expected=%u actual=%u\n",
                          c.word, c.expected, c.expected - 1);
            EXPECT_EQ(trace.Text(), want);
        }
        EXPECT_EQ(std::memcmp(Image()->Bytes(), before->Bytes(), kSizeImage), 0);

        EXPECT_EQ(c.call(impl, data.data(), static_cast<unsigned>(data.size())), 0);
        auto after = Image();
        EXPECT_EQ(std::memcmp(after->Bytes() + c.offset, data.data(), c.expected), 0);
        std::memcpy(before->Bytes() + c.offset, data.data(), c.expected);
        EXPECT_EQ(std::memcmp(after->Bytes(), before->Bytes(), kSizeImage), 0) << "bytes outside the record";
    }
}

TEST_P(SynthIncoming, AllDataDumpOfTheModelSize) {
    const unsigned char pmid = GetParam();
    Make(pmid, false);
    const unsigned size = AllDumpSize(pmid);
    std::vector<uint8_t> body(size + 10);
    for (size_t i = 0; i < body.size(); ++i) body[i] = static_cast<uint8_t>(i * 13 + 1);
    auto before = Image();
    {
        TraceCapture trace;
        EXPECT_EQ(impl->OnRcvAllDump(nullptr, body.data(), size - 1), QN_FAIL);
        char want[128];
        std::snprintf(want, sizeof want, "RemoteSynth: ALL size incorrect, expected=%u actual=%u\n", size,
                      size - 1);
        EXPECT_EQ(trace.Text(), want);
    }
    EXPECT_EQ(std::memcmp(Image()->Bytes(), before->Bytes(), kSizeImage), 0);
    EXPECT_EQ(impl->OnRcvAllDump(nullptr, body.data(), size), 0);
    auto after = Image();
    const uint8_t* src = body.data();
    AllDumpLayout(pmid, [&](unsigned offset, unsigned n) {
        EXPECT_EQ(std::memcmp(after->Bytes() + offset, src, n), 0) << "area at " << offset;
        src += n;
    });
    // The Tolva's all-data dump has no fifth program bank and no external-control sets.
    if (pmid == kPmidTolva) {
        EXPECT_EQ(std::memcmp(after->program[4], before->program[4], kAreaPrograms.BankSize()), 0);
        EXPECT_EQ(std::memcmp(after->extcontrol, before->extcontrol, kAreaExtControls.Size()), 0);
    }
}

TEST_P(SynthIncoming, TolvaAllProgramsLeaveTheFifthBankAlone) {
    const unsigned char pmid = GetParam();
    Make(pmid, false);
    std::vector<uint8_t> data(5 * kAreaPrograms.BankSize(), 0x5A);
    auto before = Image();
    EXPECT_EQ(impl->OnRcvProgDump(nullptr, -1, -1, data.data(), static_cast<unsigned>(data.size())), 0);
    auto after = Image();
    const bool fifthWritten = after->program[4][0][0] == 0x5A;
    EXPECT_EQ(fifthWritten, pmid != kPmidTolva);
    if (pmid == kPmidTolva) {
        EXPECT_EQ(std::memcmp(after->program[4], before->program[4], kAreaPrograms.BankSize()), 0);
    }
}

TEST_P(SynthIncoming, IndexesOutsideTheModelAreRefusedAndWriteNothing) {
    const unsigned char pmid = GetParam();
    Make(pmid, false);
    const int banks = static_cast<int>(ProgramBankCount(pmid));
    std::vector<uint8_t> data(kAreaCombis.BankSize() + 10, 0x33);
    const unsigned n = static_cast<unsigned>(data.size());
    const void* d = data.data();
    struct Case {
        const char* name;
        std::function<int()> call;
    };
    const Case cases[] = {
        {"program bank past the model", [&] { return impl->OnRcvProgDump(nullptr, banks, 0, d, n); }},
        {"whole program bank past the model", [&] { return impl->OnRcvProgDump(nullptr, banks, -1, d, n); }},
        {"program number 128", [&] { return impl->OnRcvProgDump(nullptr, 0, 128, d, n); }},
        {"combination bank 3", [&] { return impl->OnRcvCombiDump(nullptr, 3, 0, d, n); }},
        {"combination bank 3, whole", [&] { return impl->OnRcvCombiDump(nullptr, 3, -1, d, n); }},
        {"combination number 128", [&] { return impl->OnRcvCombiDump(nullptr, 0, 128, d, n); }},
        {"multi 128", [&] { return impl->OnRcvMultiDump(nullptr, 128, d, n); }},
        {"drum kit 40", [&] { return impl->OnRcvDrumkitDump(nullptr, 40, d, n); }},
        {"pattern 251", [&] { return impl->OnRcvArpPatternDump(nullptr, 251, d, n); }},
        {"external set 64", [&] { return impl->OnRcvExtControlDump(nullptr, 64, d, n); }},
        {"kit change 40", [&] { return impl->OnRcvDrumkitParamChange(nullptr, 40, 0, 1, 5); }},
        {"pattern change 251", [&] { return impl->OnRcvArpPatternParamChange(nullptr, 251, 1, 0, 5); }},
        {"set change 64", [&] { return impl->OnRcvExtControlParamChange(nullptr, 64, 1, 5); }},
    };
    auto before = Image();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TraceCapture trace;
        EXPECT_EQ(c.call(), QN_FAIL);
        EXPECT_NE(trace.Text().find("out of range"), std::string::npos) << trace.Text();
    }
    EXPECT_EQ(std::memcmp(Image()->Bytes(), before->Bytes(), kSizeImage), 0);
    Pump(20);
    EXPECT_TRUE(log.events.empty()) << log.Joined();
}

// ---- mode and program changes from the front panel

struct ModeCase {
    uint8_t from;
    uint8_t to;
    uint8_t virtualMode;
    uint8_t soundMode;
    bool requestsProgram;  // leaving program play asks for the current program 100 ms later
};

TEST_P(SynthIncoming, ModeChangesFromThePanel) {
    Make(GetParam());
    const ModeCase cases[] = {
        {0, 1, 1, 0, false}, {1, 2, 2, 2, false}, {2, 3, 3, 2, true},
        {3, 4, 4, 4, false}, {4, 0, 0, 0, false}, {2, 6, 2, 2, true},
        {6, 2, 2, 2, false}, {2, 0, 0, 0, true},  {0, 6, 0, 0, false},
    };
    for (const ModeCase& c : cases) {
        SCOPED_TRACE(testing::Message() << int(c.from) << " -> " << int(c.to));
        ASSERT_TRUE(sim->With([&](Sim::SimCore& core) { return core.PanelModeChange(c.from); }));
        ASSERT_TRUE(PumpUntil([&] { return synth->GetMode() == c.from; }));
        Pump(250);  // a request armed by the previous step has gone
        sim->WaitIdle();
        sim->With([](Sim::SimCore& core) { core.ClearLogs(); });
        log.Clear();
        ASSERT_TRUE(sim->With([&](Sim::SimCore& core) { return core.PanelModeChange(c.to); }));
        EXPECT_TRUE(PumpUntil([&] { return log.Has("mode " + std::to_string(c.to)); })) << log.Joined();
        EXPECT_EQ(synth->GetMode(), c.to);
        EXPECT_EQ(synth->GetVirtualMode(), c.virtualMode);
        EXPECT_EQ(synth->GetSoundMode(), c.soundMode);
        Pump(250);
        sim->WaitIdle();
        const bool requested = sim->With([](Sim::SimCore& core) {
            for (const Sim::TimedBytes& m : core.ReceivedMessages())
                if (m.bytes.size() > 4 && m.bytes[0] == 0xF0 && m.bytes[4] == Sim::Rx::CurProgReq)
                    return true;
            return false;
        });
        EXPECT_EQ(requested, c.requestsProgram);
    }
}

TEST_P(SynthIncoming, ProgramChangesFromThePanelTakeTheSoundFromItsBank) {
    const unsigned char pmid = GetParam();
    Make(pmid);
    const unsigned banks = ProgramBankCount(pmid);
    // Program play: a user bank, then the first preset bank "G".
    ASSERT_TRUE(sim->With([](Sim::SimCore& c) { return c.PanelModeChange(Sim::Mode::ProgPlay); }));
    ASSERT_TRUE(PumpUntil([&] { return synth->GetSoundMode() == 2; }));
    ASSERT_TRUE(sim->With([](Sim::SimCore& c) { return c.PanelProgramChange(1, 9); }));
    ASSERT_TRUE(PumpUntil([&] { return log.Has("cur 1:9"); })) << log.Joined();
    auto im = Image();
    EXPECT_EQ(std::memcmp(im->curprogram, im->program[1][9], kSizeProgram), 0);
    EXPECT_EQ(synth->GetCurSound().bank, 1);
    EXPECT_EQ(synth->GetCurSound().number, 9);

    ASSERT_TRUE(
        sim->With([&](Sim::SimCore& c) { return c.PanelProgramChange(static_cast<int>(banks), 10); }));
    ASSERT_TRUE(PumpUntil([&] { return log.Has("cur " + std::to_string(banks) + ":10"); })) << log.Joined();
    im = Image();
    EXPECT_EQ(std::memcmp(im->curprogram, PresetProgramGM(pmid, 10), kSizeProgram), 0);
    // "g(d)": the drum program the preset table names for program 30.
    EXPECT_EQ(impl->OnRcvProgramChange(nullptr, banks + 1, 30), 0);
    im = Image();
    EXPECT_EQ(std::memcmp(im->curprogram, PresetProgramGMD(VINITINDICES_PROG_GMD[30]), kSizeProgram), 0);
    // Past the preset banks: refused, nothing copied.
    EXPECT_EQ(impl->OnRcvProgramChange(nullptr, banks + 2, 0), QN_FAIL);
    EXPECT_EQ(std::memcmp(Image()->curprogram, im->curprogram, kSizeProgram), 0);

    // Combination play.
    ASSERT_TRUE(sim->With([](Sim::SimCore& c) { return c.PanelModeChange(Sim::Mode::CombiPlay); }));
    ASSERT_TRUE(PumpUntil([&] { return synth->GetSoundMode() == 0; }));
    ASSERT_TRUE(sim->With([](Sim::SimCore& c) { return c.PanelProgramChange(2, 7); }));
    ASSERT_TRUE(PumpUntil([&] { return log.Has("cur 2:7"); })) << log.Joined();
    im = Image();
    EXPECT_EQ(std::memcmp(im->curcombi, im->combi[2][7], kSizeCombi), 0);
    EXPECT_EQ(impl->OnRcvProgramChange(nullptr, 3, 0), QN_FAIL);

    // Multi: the song select names the multi.
    ASSERT_TRUE(sim->With([](Sim::SimCore& c) { return c.PanelModeChange(Sim::Mode::Multi); }));
    ASSERT_TRUE(PumpUntil([&] { return synth->GetSoundMode() == 4; }));
    EXPECT_EQ(impl->OnRcvProgramChange(nullptr, 0, 77), 0);
    im = Image();
    EXPECT_EQ(std::memcmp(im->curmulti, im->multi[77], kSizeMulti), 0);
    EXPECT_EQ(synth->GetCurSound().bank, 0);
    EXPECT_EQ(synth->GetCurSound().number, 77);
    EXPECT_EQ(impl->OnRcvProgramChange(nullptr, 0, 128), QN_FAIL);
}

// ---- short messages and the real-time path

TEST_P(SynthIncoming, ShortMessagesReachTheSinksInOrderOnlyWhenConnected) {
    Make(GetParam(), false);
    const uint8_t pc[2] = {0xC0, 0x05};
    EXPECT_EQ(impl->OnRcvShortMsg(nullptr, 0, pc, 2), QN_FAIL);
    Pump(20);
    EXPECT_TRUE(log.events.empty()) << log.Joined();

    ASSERT_TRUE(synth->Connect(false, false));
    Pump(20);
    log.Clear();
    sim->With([](Sim::SimCore& c) {
        c.PanelControlChange(74, 100);
        c.PanelControlChange(71, 3);
    });
    EXPECT_TRUE(PumpUntil([&] { return log.Has("midi b0 47 03"); })) << log.Joined();
    std::vector<std::string> midi;
    for (const std::string& e : log.events)
        if (e.rfind("midi", 0) == 0) midi.push_back(e);
    EXPECT_EQ(midi, (std::vector<std::string>{"midi b0 4a 64", "midi b0 47 03"}));
    log.Clear();
    EXPECT_EQ(impl->OnRcvShortMsg(nullptr, 0, pc, 2), 0);
    EXPECT_EQ(log.Joined(), "midi c0 05");
}

TEST_P(SynthIncoming, RealTimeSinkHearsTheInstrumentOnTheReadThread) {
    Make(GetParam());
    struct RT : IRTMIDISink {
        std::atomic<int> count{0};
        std::atomic<uint8_t> last{0};
        void OnRTMIDIIn(long long, const void* data, unsigned) override {
            last = static_cast<const uint8_t*>(data)[1];
            ++count;
        }
    } rt;
    EXPECT_TRUE(synth->SetRTMIDISink(&rt));
    sim->With([](Sim::SimCore& c) { c.PanelControlChange(7, 90); });
    EXPECT_TRUE(PumpUntil([&] { return rt.count.load() == 1; }));
    EXPECT_EQ(rt.last.load(), 7);
    EXPECT_TRUE(synth->SetRTMIDISink(nullptr));
    sim->With([](Sim::SimCore& c) { c.PanelControlChange(7, 91); });
    Settle();
    EXPECT_EQ(rt.count.load(), 1);
}

TEST_P(SynthIncoming, OutgoingMessagesLeaveAfterTheSetupLatency) {
    Make(GetParam());
    ISection* setup = synth->GetSetup();
    setup->PutParamI(0x9200, 10);
    Pump(10);
    ASSERT_EQ(setup->GetParamI(0x9200), 10);
    sim->With([](Sim::SimCore& c) { c.ClearLogs(); });
    const long long now = static_cast<long long>(MonotonicMicroseconds());
    const long long offset = now - static_cast<long long>(::GetSysTick()) * 1000;
    const uint8_t note[3] = {0x90, 60, 100};
    ASSERT_TRUE(synth->RTMIDIOut(now - offset, note, 3));
    ASSERT_TRUE(sim->WaitReceived(1));
    const int64_t at = sim->With([](Sim::SimCore& c) { return c.ReceivedMessages().back().timeUs; });
    EXPECT_GE(at - now, 10000 - 1000) << "the latency of 10 ms is added";
    // A control change also moves the knobs on screen.
    const uint8_t cc[3] = {0xB0, 74, 64};
    EXPECT_TRUE(synth->MIDIOut(cc, 3));
    EXPECT_FALSE(synth->RTMIDIOut(0, nullptr, 3));
    EXPECT_FALSE(synth->MIDIOut(note, 0));
}

TEST_P(SynthIncoming, OutgoingMessagesAreDroppedWhileATransferShowsItsProgress) {
    Make(GetParam());
    std::vector<int> during;
    const uint8_t note[3] = {0x90, 60, 100};
    const RunLoop::TimerId timer = loop.AddTimer(this, 5, [&](RunLoop::TimerMessage) {
        if (headless.IsShown()) during.push_back(synth->MIDIOut(note, 3) ? 1 : 0);
    });
    EXPECT_TRUE(synth->ExecCommand(1, 0, 0, 0, 0));
    loop.RemoveTimer(timer);
    ASSERT_FALSE(during.empty()) << "the send showed no progress";
    for (int r : during) EXPECT_EQ(r, 0);
    EXPECT_TRUE(synth->MIDIOut(note, 3));
}

INSTANTIATE_TEST_SUITE_P(Models, SynthIncoming, ::testing::Values(kPmidTolva, kPmidNerimo));

}  // namespace
