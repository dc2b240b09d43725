// Transfer commands against the simulated instrument: send all and receive all, the command table,
// writing the edit buffer into a slot, and restoring the hardware backup.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "Common/Model/ModelStrings.h"
#include "Files/NativeFixtures.h"
#include "Support/SynthHarness.h"

namespace {

using namespace QorX0;
using namespace SynthTest;
using fixtures::TraceCapture;

class SynthCommands : public SynthFixture, public ::testing::WithParamInterface<unsigned char> {
protected:
    // Function codes of the exclusive messages the instrument received since its logs were cleared,
    // without the poll's mode-and-state requests.
    std::vector<int> Codes() {
        sim->WaitIdle();
        return sim->With([](Sim::SimCore& c) {
            std::vector<int> codes;
            for (const Sim::TimedBytes& m : c.ReceivedMessages())
                if (m.bytes.size() > 4 && m.bytes[0] == 0xF0 && m.bytes[1] == 0x42 &&
                    m.bytes[4] != Sim::Rx::ModeAndStateReq)
                    codes.push_back(m.bytes[4]);
            return codes;
        });
    }
    void ClearSim() {
        sim->WaitIdle();
        sim->With([](Sim::SimCore& c) { c.ClearLogs(); });
    }
    // Differences that matter: the Tolva has no external-control sets to compare; and the poll
    // writes the control track the instrument reports into the editor's current multi, which the
    // simulated instrument keeps apart from its own record.
    std::vector<Sim::ImageDiff> Relevant(const std::vector<Sim::ImageDiff>& all) {
        std::vector<Sim::ImageDiff> left;
        for (const Sim::ImageDiff& d : all)
            if (!(GetParam() == kPmidTolva && d.area == Sim::Area::ExtControl) &&
                d.area != Sim::Area::CurMulti)
                left.push_back(d);
        return left;
    }
    bool SimRecordIs(Sim::Area area, int index, const uint8_t* bytes, size_t n) {
        sim->WaitIdle();
        return sim->With(
            [&](Sim::SimCore& c) { return std::memcmp(c.Image().Record(area, index), bytes, n) == 0; });
    }
};

TEST_P(SynthCommands, ReceiveAllThenSendAllLeaveInstrumentAndEditorEqual) {
    const unsigned char pmid = GetParam();
    Make(pmid);
    EXPECT_TRUE(synth->ExecCommand(2, 0, 0, 0, 0));
    Settle();
    auto diffs = Relevant(Diffs());
    EXPECT_TRUE(diffs.empty()) << Sim::FormatDiffs(diffs);

    // The instrument's memory changes behind the editor's back; sending all puts the editor's back.
    sim->With([](Sim::SimCore& c) {
        c.Image().FillFactory(9);
        c.ClearLogs();
    });
    ASSERT_FALSE(Relevant(Diffs(false)).empty());
    EXPECT_TRUE(synth->ExecCommand(1, 0, 0, 0, 0));
    Settle();
    diffs = Relevant(Diffs());
    EXPECT_TRUE(diffs.empty()) << Sim::FormatDiffs(diffs);
    // One all-data dump of the model's size, then the three edit buffers.
    const size_t body = sim->With([](Sim::SimCore& c) {
        for (const Sim::TimedBytes& m : c.ReceivedMessages())
            if (m.bytes.size() > 8 && m.bytes[4] == Sim::Code::AllDump) {
                Sim::Bytes out;
                Sim::Unpack7(m.bytes.data() + 7, m.bytes.size() - 8, &out);
                return out.size();
            }
        return size_t{0};
    });
    EXPECT_EQ(body, AllDumpSize(pmid));
    const std::vector<int> codes = Codes();
    std::vector<int> dumps;
    for (int c : codes)
        if (c == 0x50 || c == 0x40 || c == 0x49 || c == 0x4A) dumps.push_back(c);
    EXPECT_EQ(dumps, (std::vector<int>{0x50, 0x40, 0x49, 0x4A}));
}

TEST_P(SynthCommands, CommandTable) {
    const unsigned char pmid = GetParam();
    Make(pmid);
    auto im = Image();
    struct Case {
        const char* name;
        int command, item, bank, number, flags;
        bool result;
        std::vector<int> codes;  // exclusive messages the instrument receives
    };
    const bool nerimo = pmid == kPmidNerimo;
    const std::vector<Case> cases = {
        {"sounds of item 7", 3, 7, 0, 0, 3, true, {}},
        {"program bank 4", 3, 2, 4, -1, 2, nerimo, nerimo ? std::vector<int>{0x4C} : std::vector<int>{}},
        {"program bank past the model", 3, 2, 5, -1, 2, false, {}},
        {"edit buffer only", 3, 3, 0, 5, 1, true, {0x40}},
        {"memory only", 3, 2, 0, 5, 2, true, {0x4C}},
        {"memory, then edit buffer", 3, 2, 0, 5, 3, true, {0x4C, 0x40}},
        {"combination number 128", 3, 0, 0, 128, 2, false, {}},
        {"all multis", 4, 4, 0, -1, 2, true, {0x18}},
        {"request program, then edit buffer", 4, 2, 1, 3, 3, true, {0x1C, 0x10}},
        {"global", 13, 0, 0, 0, 0, true, {0x51}},
        {"request global", 14, 0, 0, 0, 0, true, {0x0E}},
        {"drum kit 3", 16, 3, 0, 0, 0, true, {0x52}},
        {"drum kit 40", 16, 40, 0, 0, 0, false, {}},
        {"request kit 40", 17, 40, 0, 0, 0, false, {}},
        {"request every kit", 17, -1, 0, 0, 0, true, {0x0D}},
        {"preset pattern 4", 20, 4, 0, 0, 0, false, {}},
        {"first user pattern", 20, 5, 0, 0, 0, true, {0x69}},
        {"pattern item 256", 20, 256, 0, 0, 0, false, {}},
        {"request pattern item 7", 21, 7, 0, 0, 0, true, {0x34}},
        {"external set 64", 26, 64, 0, 0, 0, false, {}},
        {"request set 64", 27, 64, 0, 0, 0, false, {}},
        {"unknown command 12", 12, 0, 0, 0, 0, false, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ClearSim();
        EXPECT_EQ(synth->ExecCommand(c.command, c.item, c.bank, c.number, c.flags), c.result);
        EXPECT_EQ(Codes(), c.codes);
    }
    // Pattern item 5 is the instrument's pattern 0, sent from the first user pattern of the image.
    EXPECT_TRUE(SimRecordIs(Sim::Area::ArpPattern, 0, im->arppattern[0], kSizeArpPattern));
    EXPECT_TRUE(SimRecordIs(Sim::Area::DrumKit, 3, im->drumkit[3], kSizeDrumKit));
    {
        TraceCapture trace;
        EXPECT_FALSE(synth->ExecCommand(12, 0, 0, 0, 0));
        EXPECT_EQ(trace.Text(), "RemoteSynth: command not implemented, code=12\n");
    }
}

TEST_P(SynthCommands, LocalCommandsScalesSetsAndSettings) {
    Make(GetParam());
    // Scale copy onto itself still tells the global section; onto another scale copies 12 bytes.
    auto before = Image();
    EXPECT_TRUE(synth->ExecCommand(15, 3, 3, 0, 0));
    EXPECT_EQ(std::memcmp(Image()->global, before->global, kSizeGlobal), 0);
    uint8_t scale[12];
    for (int i = 0; i < 12; ++i) scale[i] = static_cast<uint8_t>(i + 40);
    {
        std::vector<uint8_t> global(before->global, before->global + kSizeGlobal);
        std::memcpy(global.data() + 8 + 2 * 12, scale, 12);
        ASSERT_EQ(impl->OnRcvGlobalDump(nullptr, global.data(), kSizeGlobal), 0);
    }
    EXPECT_TRUE(synth->ExecCommand(15, 2, 15, 0, 0));
    EXPECT_EQ(std::memcmp(Image()->global + 8 + 15 * 12, scale, 12), 0);
    EXPECT_FALSE(synth->ExecCommand(15, 16, 0, 0, 0));
    EXPECT_FALSE(synth->ExecCommand(15, 0, -1, 0, 0));

    // Initialising a set writes the initial record over it.
    std::vector<uint8_t> set(kSizeExtControl, 0x11);
    ASSERT_EQ(impl->OnRcvExtControlDump(nullptr, 10, set.data(), kSizeExtControl), 0);
    EXPECT_TRUE(synth->ExecCommand(28, 10, 0, 0, 0));
    EXPECT_EQ(std::memcmp(Image()->extcontrol[10], INITCHUNK_EXTCONTROL, kSizeExtControl), 0);
    EXPECT_FALSE(synth->ExecCommand(28, 64, 0, 0, 0));
    EXPECT_FALSE(synth->ExecCommand(28, -1, 0, 0, 0));

    // Saving the settings writes the preferences store.
    EXPECT_TRUE(synth->ExecCommand(29, 0, 0, 0, 0));
}

TEST_P(SynthCommands, WritingTheEditBufferStoresItInTheSlot) {
    const unsigned char pmid = GetParam();
    Make(pmid);
    ASSERT_TRUE(synth->ExecCommand(2, 0, 0, 0, 0));
    Settle();

    // Program: the name given in the editor survives the refresh from the instrument.
    ISection* progEdit = synth->GetEditBuffer(3);
    progEdit->PutParamSEx(0xFF00, "Written Prog", 0);
    log.Clear();
    ClearSim();
    EXPECT_TRUE(synth->ExecCommand(5, 2, 1, 17, 0));
    Settle();
    auto im = Image();
    EXPECT_EQ(multiszlong(progEdit->GetParamS(0xFF00)).substr(0, 12), "Written Prog");
    EXPECT_EQ(std::memcmp(im->program[1][17], im->curprogram, kSizeProgram), 0);
    EXPECT_TRUE(SimRecordIs(Sim::Area::Program, 128 + 17, im->program[1][17], kSizeProgram));
    EXPECT_TRUE(log.Has("bank 2 1:17")) << log.Joined();
    const std::vector<int> codes = Codes();
    ASSERT_FALSE(codes.empty());
    EXPECT_EQ(codes.back(), 0x11) << "the write request comes last";
    EXPECT_FALSE(synth->ExecCommand(5, 2, static_cast<int>(ProgramBankCount(pmid)), 0, 0));

    // Combination and multi, each in its own mode.
    EXPECT_EQ(synth->PutMode(0), 0);
    EXPECT_TRUE(synth->ExecCommand(5, 0, 2, 3, 0));
    Settle();
    im = Image();
    EXPECT_TRUE(SimRecordIs(Sim::Area::Combination, 2 * 128 + 3, im->curcombi, kSizeCombi));
    EXPECT_TRUE(log.Has("bank 0 2:3")) << log.Joined();
    EXPECT_FALSE(synth->ExecCommand(5, 0, 3, 0, 0));

    EXPECT_EQ(synth->PutMode(4), 4);
    EXPECT_TRUE(synth->ExecCommand(5, 4, 0, 9, 0));
    Settle();
    im = Image();
    EXPECT_TRUE(SimRecordIs(Sim::Area::Multi, 9, im->curmulti, kSizeMulti));
    EXPECT_TRUE(log.Has("bank 4 0:9")) << log.Joined();
    EXPECT_FALSE(synth->ExecCommand(5, 4, 1, 9, 0));

    // A protected instrument refuses the write; the editor's slot takes the edit buffer all the same.
    sim->With([](Sim::SimCore& c) { c.State().protect = true; });
    std::vector<uint8_t> other(kSizeMulti, 0x21);
    std::memcpy(other.data(), "Protected Multi ", 16);
    ASSERT_EQ(impl->OnRcvCurMultiDump(nullptr, other.data(), kSizeMulti), 0);
    log.Clear();
    EXPECT_FALSE(synth->ExecCommand(5, 4, 0, 10, 0));
    EXPECT_EQ(std::memcmp(Image()->multi[10], other.data(), kSizeMulti), 0);
    EXPECT_TRUE(log.Has("bank 4 0:10")) << log.Joined();
}

TEST_P(SynthCommands, HardwareBackupOnlyAfterASynchronisation) {
    Make(GetParam());
    ClearSim();
    {
        TraceCapture trace;
        EXPECT_FALSE(synth->ExecCommand(30, 0, 0, 0, 0));
    }
    EXPECT_TRUE(Codes().empty()) << "nothing may reach the instrument";

    synth->Disconnect();
    ASSERT_TRUE(synth->Connect(false, true));
    ASSERT_TRUE(impl->IsSynced());
    Settle();
    auto synced = Image();
    // The instrument loses its memory; the editor's image changes too.
    sim->With([](Sim::SimCore& c) { c.Image().FillFactory(21); });
    std::vector<uint8_t> kit(kSizeDrumKit, 0x44);
    ASSERT_EQ(impl->OnRcvDrumkitDump(nullptr, 5, kit.data(), kSizeDrumKit), 0);
    log.Clear();
    EXPECT_TRUE(synth->ExecCommand(30, 0, 0, 0, 0));
    Settle();
    auto now = Image();
    EXPECT_EQ(std::memcmp(now->drumkit[5], synced->drumkit[5], kSizeDrumKit), 0);
    auto diffs = Relevant(Diffs(false));
    EXPECT_TRUE(diffs.empty()) << Sim::FormatDiffs(diffs);
    EXPECT_TRUE(log.Has("bank 2 255:255")) << log.Joined();

    // After a disconnect there is no backup any more.
    synth->Disconnect();
    ASSERT_TRUE(synth->Connect(false, false));
    EXPECT_FALSE(synth->ExecCommand(30, 0, 0, 0, 0));
}

INSTANTIATE_TEST_SUITE_P(Models, SynthCommands, ::testing::Values(kPmidTolva, kPmidNerimo));

}  // namespace
