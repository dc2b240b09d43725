// The arpeggio pattern page: which controls a pattern lets edit, the step and tone numbers, the
// step grid's faces.
#include <gtest/gtest.h>

#include <string>

#include "Common/Pages/GlobalArpeggioPatternLayer.h"
#include "Pages/GlobalPageFixture.h"

using namespace QorX0;
using GlobalTest::TextOf;
using Arp = GlobalArpeggioPatternLayer;

namespace {

class ArpPatternTest : public GlobalPageFixture<GlobalArpeggioPatternLayer> {
protected:
    void SelectPattern(int p) {
        Report(Arp::kPatternNumberId, p);
        Tick();
    }
    int StepControlPid(int low) {
        return page->GetParameterIdByControl(Control((kKindArpPatterns << 16) + low)).pid;
    }
    CHfcBmp* Face(const char* name) { return QnControlCreater::LoadImage(name); }
    void ClearDirty() {
        page->OnRefresh();  // draws every control
    }
    // One replay of the page's events; the controls are drawn at the idle tick after it.
    void ReplayOnce() {
        synth->sections.host.Pump();
        page->Idle(0);
    }
    bool ColumnDirty(int step) {
        bool dirty = false;
        for (int t = 0; t < 12; ++t) dirty |= page->GetToneSwitch(step, t)->IsDirty();
        return dirty;
    }
};

TEST_F(ArpPatternTest, PresetPatternsLockTheStepAndToneNumbers) {
    struct Case {
        int pattern;
        int fixed;
        bool steps, tone;
    };
    const Case cases[] = {{0, 0, false, false}, {4, 0, false, false}, {5, 0, true, false},
                          {5, 1, true, true},   {200, 1, true, true}, {3, 0, false, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pattern);
        SelectPattern(c.pattern);
        EXPECT_EQ(page->GetSelectedPattern(), c.pattern);
        EXPECT_EQ(TextOf(Control(Arp::kPatternNumberId)),
                  (c.pattern < 10 ? "0" : "") + std::to_string(c.pattern));
        if (c.pattern >= Arp::kPresetCount) {
            synth->sections.patterns.PutParamI(Arp::kPidFixedNote, c.fixed);
            Tick();
        }
        EXPECT_EQ(Control(Arp::kStepSliderId)->IsEnabled(), c.steps);
        EXPECT_EQ(Control(Arp::kStepNumberId)->IsEnabled(), c.steps);
        EXPECT_EQ(Control(Arp::kToneNumberId)->IsEnabled(), c.tone);
    }
}

TEST_F(ArpPatternTest, StepNumbersShowFromOneWhileStepsCountFromZero) {
    SelectPattern(9);
    struct Case {
        const char* typed;
        int step;
    };
    for (const Case& c : {Case{"48", 47}, Case{"0", 0}, Case{"13", 12}, Case{"480", 47},
                          Case{"-2147483648", 0}, Case{"no", 0}}) {
        SCOPED_TRACE(c.typed);
        Type(Arp::kStepNumberId, c.typed);
        EXPECT_EQ(Control(Arp::kStepSliderId)->GetIntValue(), c.step);
        EXPECT_EQ(TextOf(Control(Arp::kStepNumberId)), std::to_string(c.step + 1));
        for (int low = Arp::kPidPitch; low <= Arp::kPidFlam; ++low)
            EXPECT_EQ(StepControlPid(low), (c.step << 8) | low);
    }
    // The slider selects the same way.
    Report(Arp::kStepSliderId, 30);
    EXPECT_EQ(TextOf(Control(Arp::kStepNumberId)), "31");
    EXPECT_EQ(StepControlPid(Arp::kPidGate), (30 << 8) | Arp::kPidGate);
}

TEST_F(ArpPatternTest, ToneNumberRelinksTheToneNote) {
    SelectPattern(9);
    for (int tone : {0, 11, 5}) {
        Report(Arp::kToneNumberId, tone);
        EXPECT_EQ(StepControlPid(Arp::kPidToneNote), (tone << 8) | Arp::kPidToneNote);
        EXPECT_EQ(TextOf(Control(Arp::kToneNumberId)), std::to_string(tone));
    }
    Type(Arp::kToneNumberId, "12");
    EXPECT_EQ(StepControlPid(Arp::kPidToneNote), (11 << 8) | Arp::kPidToneNote);
}

TEST_F(ArpPatternTest, ALegatoGateRedrawsOnlyItsStepAndFixedNoteEveryStep) {
    SelectPattern(9);
    synth->sections.patterns.PutParamI(Arp::kPidFixedNote, 0);
    Tick();
    ClearDirty();
    synth->sections.patterns.PutParamI((12 << 8) | Arp::kPidGate, Arp::kGateLegato);
    ReplayOnce();
    for (int s = 0; s < 48; ++s) {
        SCOPED_TRACE(s);
        EXPECT_EQ(ColumnDirty(s), s == 12);
        EXPECT_EQ(page->GetToneSwitchFace(s, 3),
                  Face(s == 12 ? "Switch_Arp_FrameSquare" : "Switch_Arp_FrameCircle"));
    }
    synth->sections.patterns.PutParamI(Arp::kPidFixedNote, 1);
    ReplayOnce();
    // Every column takes the solid faces (the mode change redraws the whole page).
    for (int s = 0; s < 48; ++s) {
        SCOPED_TRACE(s);
        EXPECT_EQ(page->GetToneSwitchFace(s, 11),
                  Face(s == 12 ? "Switch_Arp_SolidSquare" : "Switch_Arp_SolidCircle"));
    }
}

TEST_F(ArpPatternTest, TouchingAToneSwitchMakesItsStepCurrentButGlobalRowsDoNot) {
    SelectPattern(9);
    page->ChangedStep(3);
    // The grid's bottom row is tone 0: step 20, tone 5 pressed on.
    CHfcControl* box = page->GetToneSwitch(20, 5);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(page->GetParameterIdByControl(box).pid, (20 << 8) | (10 + 5));
    EXPECT_EQ(box->GetRect().top, 104 + 7 * (11 - 5));
    page->OnHfcCtrlIntValueChanged(box, static_cast<int>(0x80000000u));
    Tick();
    EXPECT_EQ(synth->sections.patterns.GetParamI((20 << 8) | 15), 1);
    EXPECT_EQ(box->GetIntValue(), 1);
    EXPECT_EQ(Control(Arp::kStepSliderId)->GetIntValue(), 20);
    // A global arpeggiator row whose PID ends like a step's says nothing of steps.
    for (int pid : {0x7C07, 0x7C0E, 0x7C14}) {
        synth->sections.global.PutParamI(pid, 1);
        Tick();
        EXPECT_EQ(Control(Arp::kStepSliderId)->GetIntValue(), 20) << std::hex << pid;
    }
}

TEST_F(ArpPatternTest, TheABSelectShowsOnlyWhereTheSoundHasTwoArpeggiators) {
    struct Case {
        unsigned char mode;
        bool shown;
    };
    for (const Case& c : {Case{kModeProgEdit, false}, Case{kModeCombiEdit, true}, Case{kModeProgPlay, false},
                          Case{kModeMulti, true}}) {
        SCOPED_TRACE(int(c.mode));
        synth->sections.host.SetMode(c.mode);
        SelectPattern(9);  // the section tells its observers it changed
        EXPECT_EQ(Control(Arp::kArpSelectLabelId)->IsVisible(), c.shown);
        EXPECT_EQ(Control((kKindArpPatterns << 16) | Arp::kPidArpSelect)->IsVisible(), c.shown);
    }
}

}  // namespace
