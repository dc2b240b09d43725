// Audition, mode, current sound and master volume against the simulated instrument.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "Common/Model/Presets.h"
#include "Support/SynthHarness.h"

namespace {

using namespace QorX0;
using namespace SynthTest;

class SynthAudition : public SynthFixture, public ::testing::WithParamInterface<unsigned char> {
protected:
    // The instrument's and the editor's memory alike, the instrument in program play.
    void MakeSynced() {
        Make(GetParam());
        ASSERT_TRUE(synth->ExecCommand(2, 0, 0, 0, 0));
        Settle();
        ASSERT_EQ(synth->GetSoundMode(), 2);
        log.Clear();
    }
    void ClearSim() {
        sim->WaitIdle();
        sim->With([](Sim::SimCore& c) { c.ClearLogs(); });
    }
    // Received messages of the instrument (exclusive by function code "F0:xx", short ones by status).
    std::vector<std::string> Received() {
        sim->WaitIdle();
        return sim->With([](Sim::SimCore& c) {
            std::vector<std::string> out;
            char b[16];
            for (const Sim::TimedBytes& m : c.ReceivedMessages()) {
                if (m.bytes.empty()) continue;
                if (m.bytes[0] == 0xF0 && m.bytes.size() > 4) {
                    if (m.bytes[4] == Sim::Rx::ModeAndStateReq) continue;
                    std::snprintf(b, sizeof b, "F0:%02X", m.bytes[4]);
                } else {
                    std::snprintf(b, sizeof b, "%02X", m.bytes[0] & 0xF0);
                }
                out.push_back(b);
            }
            return out;
        });
    }
    static int Count(const std::vector<std::string>& v, const std::string& s) {
        int n = 0;
        for (const std::string& x : v) n += x == s;
        return n;
    }
};

TEST_P(SynthAudition, BeginAndEndOnlyOnce) {
    MakeSynced();
    EXPECT_TRUE(synth->BeginAudition(AUDCTX_SOUNDPICK));
    EXPECT_TRUE(synth->GetAuditionState());
    EXPECT_FALSE(synth->BeginAudition(AUDCTX_SOUND));
    EXPECT_TRUE(synth->EndAudition(true));
    EXPECT_FALSE(synth->EndAudition(true));
    EXPECT_FALSE(synth->EndAudition(false));
    EXPECT_EQ(log.Joined(), "aud 1, aud 0");
    // The array kinds need global mode; unknown kinds are refused.
    EXPECT_FALSE(synth->BeginAudition(AUDCTX_DRUMKIT));
    EXPECT_FALSE(synth->BeginAudition(AUDCTX_ARPPATTERN));
    EXPECT_FALSE(synth->BeginAudition(AUDCTX_EXTCONTROL));
    EXPECT_FALSE(synth->BeginAudition(static_cast<AUDCTX>(6)));
    EXPECT_FALSE(synth->GetAuditionState());
}

TEST_P(SynthAudition, DiscardAfterSteppingPutsTheSavedProgramBack) {
    MakeSynced();
    auto saved = Image();
    const SOUNDINDEX start = synth->GetCurSound();
    ASSERT_TRUE(synth->BeginAudition(AUDCTX_SOUND));
    ClearSim();
    for (uint8_t n : {11, 12, 13}) {
        const SOUNDINDEX s = synth->PutCurSound({1, n});
        EXPECT_EQ(s.bank, 1);
        EXPECT_EQ(s.number, n);
    }
    // The edit buffer keeps the saved sound while the instrument plays the others.
    EXPECT_EQ(std::memcmp(Image()->curprogram, saved->curprogram, kSizeProgram), 0);
    EXPECT_TRUE(
        PumpUntil([&] { return sim->With([](Sim::SimCore& c) { return c.State().progNumber; }) == 13; }));
    // Current dumps arriving meanwhile are not taken.
    std::vector<uint8_t> junk(kSizeProgram, 0x66);
    EXPECT_EQ(impl->OnRcvCurProgDump(nullptr, junk.data(), kSizeProgram), 0);
    EXPECT_EQ(std::memcmp(Image()->curprogram, saved->curprogram, kSizeProgram), 0);

    ClearSim();
    EXPECT_TRUE(synth->EndAudition(false));
    const std::vector<std::string> got = Received();
    EXPECT_EQ(Count(got, "C0"), 1);
    EXPECT_EQ(Count(got, "F0:40"), 1);
    auto now = Image();
    EXPECT_EQ(std::memcmp(now->curprogram, saved->curprogram, kSizeProgram), 0);
    EXPECT_EQ(synth->GetCurSound().bank, start.bank);
    EXPECT_EQ(synth->GetCurSound().number, start.number);
    EXPECT_TRUE(PumpUntil(
        [&] { return sim->With([](Sim::SimCore& c) { return c.State().progNumber; }) == start.number; }));
}

TEST_P(SynthAudition, CommitOfAPresetProgramTakesItFromThePresets) {
    MakeSynced();
    const unsigned banks = ProgramBankCount(GetParam());
    ASSERT_TRUE(synth->BeginAudition(AUDCTX_SOUND));
    synth->PutCurSound({static_cast<uint8_t>(banks), 3});
    EXPECT_TRUE(synth->EndAudition(true));
    EXPECT_EQ(std::memcmp(Image()->curprogram, PresetProgramGM(GetParam(), 3), kSizeProgram), 0);
    EXPECT_EQ(synth->GetCurSound().bank, banks);
    EXPECT_EQ(synth->GetMode(), 2);

    // A user program: the edit buffer is the slot's record.
    ASSERT_TRUE(synth->BeginAudition(AUDCTX_SOUND));
    synth->PutCurSound({2, 40});
    EXPECT_TRUE(synth->EndAudition(true));
    auto im = Image();
    EXPECT_EQ(std::memcmp(im->curprogram, im->program[2][40], kSizeProgram), 0);

    // A record naming no sound (bank past the presets) copies nothing.
    ASSERT_TRUE(synth->BeginAudition(AUDCTX_SOUND));
    synth->PutCurSound({static_cast<uint8_t>(banks + 2), 255});
    EXPECT_TRUE(synth->EndAudition(true));
    EXPECT_EQ(std::memcmp(Image()->curprogram, im->curprogram, kSizeProgram), 0);
}

TEST_P(SynthAudition, PickListCommitKeepsTheEditsAndDiscardPutsThemBack) {
    MakeSynced();
    auto saved = Image();
    ISection* progEdit = synth->GetEditBuffer(3);
    ASSERT_TRUE(synth->BeginAudition(AUDCTX_SOUNDPICK));
    progEdit->PutParamSEx(0xFF00, "Auditioned      ", 0);
    EXPECT_TRUE(synth->EndAudition(true));
    auto kept = Image();
    EXPECT_NE(std::memcmp(kept->curprogram, saved->curprogram, kSizeProgram), 0);

    ASSERT_TRUE(synth->BeginAudition(AUDCTX_SOUNDPICK));
    progEdit->PutParamSEx(0xFF00, "Thrown Away     ", 0);
    ClearSim();
    EXPECT_TRUE(synth->EndAudition(false));
    EXPECT_EQ(std::memcmp(Image()->curprogram, kept->curprogram, kSizeProgram), 0);
    EXPECT_EQ(Count(Received(), "F0:40"), 1);
    EXPECT_TRUE(sim->With([&](Sim::SimCore& c) {
        return std::memcmp(c.Image().Record(Sim::Area::CurProgram, 0), kept->curprogram, kSizeProgram) == 0;
    }));
}

TEST_P(SynthAudition, ArrayAuditionsInGlobalMode) {
    MakeSynced();
    ASSERT_EQ(synth->PutMode(6), 6);
    IGlobalArraySection* patterns = synth->GetArpPatterns();
    // A preset pattern has nothing in the image to put back.
    patterns->Select(3, 0);
    EXPECT_FALSE(synth->BeginAudition(AUDCTX_ARPPATTERN));
    // Item 7 is the instrument's pattern 2.
    patterns->Select(7, 0);
    auto saved = Image();
    ASSERT_TRUE(synth->BeginAudition(AUDCTX_ARPPATTERN));
    std::vector<uint8_t> tried(kSizeArpPattern, 0x3C);
    ASSERT_EQ(impl->OnRcvArpPatternDump(nullptr, 2, tried.data(), kSizeArpPattern), 0);
    patterns->Select(9, 0);
    ClearSim();
    EXPECT_TRUE(synth->EndAudition(false));
    auto now = Image();
    EXPECT_EQ(std::memcmp(now->Bytes() + 165330 + 2 * 320, saved->arppattern[2], kSizeArpPattern), 0);
    EXPECT_EQ(std::memcmp(now->arppattern[1], saved->arppattern[1], kSizeArpPattern), 0);
    EXPECT_EQ(std::memcmp(now->arppattern[3], saved->arppattern[3], kSizeArpPattern), 0);
    EXPECT_EQ(patterns->GetCurSel(), 7u);
    EXPECT_EQ(Count(Received(), "F0:69"), 1);
    EXPECT_TRUE(sim->With([&](Sim::SimCore& c) {
        return std::memcmp(c.Image().Record(Sim::Area::ArpPattern, 2), saved->arppattern[2],
                           kSizeArpPattern) == 0;
    }));

    // Drum kit: the key selection comes back too.
    IGlobalArraySection* kits = synth->GetDrumKits();
    kits->Select(12, 60);
    ASSERT_TRUE(synth->BeginAudition(AUDCTX_DRUMKIT));
    std::vector<uint8_t> kit(kSizeDrumKit, 0x12);
    ASSERT_EQ(impl->OnRcvDrumkitDump(nullptr, 12, kit.data(), kSizeDrumKit), 0);
    kits->Select(13, 0);
    EXPECT_TRUE(synth->EndAudition(false));
    EXPECT_EQ(std::memcmp(Image()->drumkit[12], saved->drumkit[12], kSizeDrumKit), 0);
    EXPECT_EQ(kits->GetSelection(), (uint64_t{60} << 32) | 12u);

    // External-control set, committed: the tried data stays.
    IGlobalArraySection* sets = synth->GetExtControls();
    sets->Select(4, 0);
    ASSERT_TRUE(synth->BeginAudition(AUDCTX_EXTCONTROL));
    std::vector<uint8_t> set(kSizeExtControl, 0x07);
    ASSERT_EQ(impl->OnRcvExtControlDump(nullptr, 4, set.data(), kSizeExtControl), 0);
    EXPECT_TRUE(synth->EndAudition(true));
    EXPECT_EQ(std::memcmp(Image()->extcontrol[4], set.data(), kSizeExtControl), 0);
}

// The other two array flows: a drum kit committed keeps the tried kit and the user's selection and
// sends nothing; an external-control set discarded goes back on the instrument and in the image,
// with its selection.
TEST_P(SynthAudition, DrumKitCommitAndExtControlDiscard) {
    MakeSynced();
    ASSERT_EQ(synth->PutMode(6), 6);
    auto saved = Image();

    IGlobalArraySection* kits = synth->GetDrumKits();
    kits->Select(12, 60);
    ASSERT_TRUE(synth->BeginAudition(AUDCTX_DRUMKIT));
    std::vector<uint8_t> kit(kSizeDrumKit, 0x12);
    ASSERT_EQ(impl->OnRcvDrumkitDump(nullptr, 12, kit.data(), kSizeDrumKit), 0);
    kits->Select(13, 5);
    ClearSim();
    EXPECT_TRUE(synth->EndAudition(true));
    EXPECT_FALSE(synth->GetAuditionState());
    EXPECT_EQ(std::memcmp(Image()->drumkit[12], kit.data(), kSizeDrumKit), 0);
    EXPECT_EQ(std::memcmp(Image()->drumkit[13], saved->drumkit[13], kSizeDrumKit), 0);
    EXPECT_EQ(kits->GetSelection(), (uint64_t{5} << 32) | 13u);
    EXPECT_EQ(Count(Received(), "F0:52"), 0);

    IGlobalArraySection* sets = synth->GetExtControls();
    sets->Select(4, 0);
    ASSERT_TRUE(synth->BeginAudition(AUDCTX_EXTCONTROL));
    std::vector<uint8_t> set(kSizeExtControl, 0x07);
    ASSERT_EQ(impl->OnRcvExtControlDump(nullptr, 4, set.data(), kSizeExtControl), 0);
    sets->Select(5, 0);
    ClearSim();
    EXPECT_TRUE(synth->EndAudition(false));
    EXPECT_FALSE(synth->GetAuditionState());
    EXPECT_EQ(std::memcmp(Image()->extcontrol[4], saved->extcontrol[4], kSizeExtControl), 0);
    EXPECT_EQ(std::memcmp(Image()->extcontrol[5], saved->extcontrol[5], kSizeExtControl), 0);
    EXPECT_EQ(sets->GetCurSel(), 4u);
    EXPECT_EQ(Count(Received(), "F0:6E"), 1);
    EXPECT_TRUE(sim->With([&](Sim::SimCore& c) {
        return std::memcmp(c.Image().Record(Sim::Area::ExtControl, 4), saved->extcontrol[4],
                           kSizeExtControl) == 0;
    }));
}

TEST_P(SynthAudition, PanelModeChangeDuringAnAuditionDiscardsItThenApplies) {
    MakeSynced();
    auto saved = Image();
    ASSERT_TRUE(synth->BeginAudition(AUDCTX_SOUND));
    synth->PutCurSound({1, 5});
    log.Clear();
    ASSERT_TRUE(sim->With([](Sim::SimCore& c) { return c.PanelModeChange(Sim::Mode::CombiPlay); }));
    EXPECT_TRUE(PumpUntil([&] { return log.Has("mode 0"); })) << log.Joined();
    EXPECT_FALSE(synth->GetAuditionState());
    EXPECT_EQ(synth->GetMode(), 0);
    EXPECT_EQ(synth->GetSoundMode(), 0);
    EXPECT_EQ(std::memcmp(Image()->curprogram, saved->curprogram, kSizeProgram), 0);
    ASSERT_FALSE(log.events.empty());
    EXPECT_EQ(log.events.front(), "aud 0") << log.Joined();
    Settle();
    EXPECT_EQ(sim->With([](Sim::SimCore& c) { return c.State().mode; }), Sim::Mode::CombiPlay);
}

TEST_P(SynthAudition, PanelProgramChangeDuringAnAuditionDiscardsItThenSelects) {
    MakeSynced();
    ASSERT_TRUE(synth->BeginAudition(AUDCTX_SOUND));
    synth->PutCurSound({1, 5});
    log.Clear();
    ASSERT_TRUE(sim->With([](Sim::SimCore& c) { return c.PanelProgramChange(2, 8); }));
    EXPECT_TRUE(PumpUntil([&] { return log.Has("cur 2:8"); })) << log.Joined();
    EXPECT_FALSE(synth->GetAuditionState());
    std::vector<std::string> told;
    for (const std::string& e : log.events)
        if (e.rfind("midi", 0) != 0) told.push_back(e);
    ASSERT_FALSE(told.empty());
    EXPECT_EQ(told.front(), "aud 0") << log.Joined();
    auto im = Image();
    EXPECT_EQ(std::memcmp(im->curprogram, im->program[2][8], kSizeProgram), 0);
    EXPECT_EQ(synth->GetCurSound().bank, 2);
    EXPECT_EQ(synth->GetCurSound().number, 8);
}

TEST_P(SynthAudition, ModeCurrentSoundAndMasterVolume) {
    MakeSynced();
    EXPECT_EQ(synth->PutMode(3), 3);
    EXPECT_EQ(synth->GetVirtualMode(), 3);
    EXPECT_EQ(synth->GetSoundMode(), 2);
    EXPECT_TRUE(log.Has("mode 3"));

    // The sound that is already current still goes out and is announced; from program edit the
    // instrument visits program play and comes back.
    const SOUNDINDEX cur = synth->GetCurSound();
    log.Clear();
    ClearSim();
    const SOUNDINDEX s = synth->PutCurSound(cur);
    EXPECT_EQ(s.bank, cur.bank);
    EXPECT_EQ(s.number, cur.number);
    EXPECT_TRUE(log.Has("cur " + std::to_string(cur.bank) + ":" + std::to_string(cur.number)))
        << log.Joined();
    const std::vector<std::string> got = Received();
    EXPECT_EQ(Count(got, "C0"), 1);
    EXPECT_EQ(Count(got, "F0:4E"), 2);
    EXPECT_EQ(sim->With([](Sim::SimCore& c) { return c.State().mode; }), Sim::Mode::ProgEdit);

    log.Clear();
    EXPECT_EQ(synth->PutMasterVolume(20000), 16383u);
    EXPECT_EQ(synth->GetMasterVolume(), 16383u);
    EXPECT_EQ(log.Joined(), "vol 16383");
    EXPECT_EQ(synth->PutMasterVolume(1000), 1000u);
    Settle();
    EXPECT_EQ(sim->With([](Sim::SimCore& c) { return c.State().masterVolume; }), 1000u);
}

TEST_P(SynthAudition, EventsOneAndThreeWithNothingToDo) {
    MakeSynced();
    ClearSim();
    impl->OnAsyncEvent(CRemoteSynthImpl::kEvAbortAudition, 0x010203);
    impl->OnAsyncEvent(CRemoteSynthImpl::kEvAbortAudition, 0x000004);
    const SOUNDINDEX cur = synth->GetCurSound();
    impl->OnAsyncEvent(CRemoteSynthImpl::kEvReassertSound, cur.bank << 8 | cur.number);
    EXPECT_TRUE(Received().empty());
    EXPECT_TRUE(log.events.empty()) << log.Joined();
    EXPECT_EQ(synth->GetMode(), 2);
    // A different sound is selected again.
    impl->OnAsyncEvent(CRemoteSynthImpl::kEvReassertSound, 1 << 8 | 99);
    EXPECT_TRUE(log.Has("cur 1:99")) << log.Joined();
}

INSTANTIATE_TEST_SUITE_P(Models, SynthAudition, ::testing::Values(kPmidTolva, kPmidNerimo));

}  // namespace
