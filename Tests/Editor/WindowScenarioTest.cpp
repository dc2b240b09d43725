// The editor window end to end: the plug-in with its window over the real remote synthesizer and
// the simulated instrument, driven as a musician drives it.
#include "Editor/WindowFixture.h"

#include "Common/Controls/MMPCtrlList.h"
#include "Common/Controls/QnSimpleControls.h"
#include "Common/Controls/XBCtrlEnvelopeGraph.h"
#include "Common/Controls/XBCtrlFilterGraph.h"
#include "Common/Editor/PickList.h"
#include "Common/Model/ModelStrings.h"
#include "Common/QnUtils/QnUtils.h"
#include "Hfc/Core/HfcCtrlCharEditText.h"
#include "Hfc/Core/HfcCtrlKeyboard.h"

using namespace WindowTest;

namespace {

class WindowScenario : public EditorWindow {
protected:
    // A main tab's page chosen by a click on its tab, as a musician does.
    void ClickMainTab(int tab, int index) {
        const tagHfcRect tabs = Tab(tab)->GetRect();
        const int step = ArtGeometry::kMainTabWidth + ArtGeometry::kMainTabGap;
        Click(tabs.left + index * step + 10, tabs.top + 10);
        Settle();
    }
    // A control of a main tab's shown page, or of its shown sub-page.
    CHfcControl* PageControl(int tab, int id) {
        CTabPageLayer* page = Tab(tab)->GetActivePage();
        if (page == nullptr) return nullptr;
        if (CHfcControl* c = page->GetControlById(id, 0)) return c;
        CTabControl* sub = page->GetSubTabControl();
        CTabPageLayer* subPage = sub != nullptr ? sub->GetActivePage() : nullptr;
        return subPage != nullptr ? subPage->GetControlById(id, 0) : nullptr;
    }
};

}  // namespace

// S1: opened on an instrument in program play at B012.
TEST_F(WindowScenario, OpensOnTheInstrumentsModeAndSound) {
    Start(false);
    m_sim->With([](Sim::SimCore& c) { c.State().mode = Sim::Mode::ProgPlay; });
    QorX0::SOUNDINDEX b012{1, 12};
    synth->PutCurSound(b012);
    Settle();
    Open();
    Pump(200);
    EXPECT_EQ(Root()->GetGUIMode(), BackgroundLayer::kTabProg);
    EXPECT_TRUE(Tab(BackgroundLayer::kTabProg)->IsVisible());
    EXPECT_FALSE(Tab(BackgroundLayer::kTabCombi)->IsVisible());
    EXPECT_EQ(Tab(BackgroundLayer::kTabProg)->GetActiveIndex(), 0);
    EXPECT_EQ(Text(BackgroundLayer::kIdSoundNumber), "012");
    EXPECT_EQ(Text(BackgroundLayer::kIdSoundName), QnUtils::GetProgramName(synth, 2, 1, 12));
    EXPECT_EQ(Text(BackgroundLayer::kIdBank), "B");
    EXPECT_EQ(Control(BackgroundLayer::kIdLogoMaker)->GetIntValue(), 0);
}

namespace {
constexpr int kXkReturn = 0xFF0D;
void TypeReturn(CHfcHeadlessScreen& screen) {
    int ch = 0, vk = 0;
    HfcKeysymToKey(kXkReturn, &ch, &vk);
    screen.Key(ch, vk);
}
}  // namespace

// S2: the mode switches ask the instrument; the screen follows its report.
TEST_F(WindowScenario, ModeSwitchesAskTheInstrumentAndTheScreenFollowsIt) {
    Start();
    ASSERT_EQ(Root()->GetGUIMode(), BackgroundLayer::kTabProg);
    ClearLogs();
    ClickControl(BackgroundLayer::kIdModeSwitch, BackgroundLayer::kTabCombi);
    Settle();
    EXPECT_EQ(m_sim->With([](Sim::SimCore& c) { return c.State().mode; }), Sim::Mode::CombiPlay);
    EXPECT_EQ(synth->GetMode(), QorX0::kModeCombiPlay);
    EXPECT_TRUE(Tab(BackgroundLayer::kTabCombi)->IsVisible());
    EXPECT_FALSE(Tab(BackgroundLayer::kTabProg)->IsVisible());
    EXPECT_EQ(Root()->GetGUIMode(), BackgroundLayer::kTabCombi);

    ClickControl(BackgroundLayer::kIdModeSwitch, BackgroundLayer::kTabProg);
    Settle();
    ASSERT_EQ(synth->GetMode(), QorX0::kModeProgPlay);
    // Program page 3 in program play: one change to program edit; another edit page: none.
    ClearLogs();
    const tagHfcRect tabs = Tab(BackgroundLayer::kTabProg)->GetRect();
    const int step = ArtGeometry::kMainTabWidth + ArtGeometry::kMainTabGap;
    Click(tabs.left + 3 * step + 10, tabs.top + 10);
    Settle();
    Click(tabs.left + 5 * step + 10, tabs.top + 10);
    Settle();
    EXPECT_EQ(synth->GetMode(), QorX0::kModeProgEdit);
    EXPECT_EQ(m_sim->With([](Sim::SimCore& c) { return c.State().mode; }), Sim::Mode::ProgEdit);
    EXPECT_EQ(Tab(BackgroundLayer::kTabProg)->GetActiveIndex(), 5);

    // The instrument's own panel goes to multi: the window shows the multi tab.
    m_sim->With([](Sim::SimCore& c) { c.PanelModeChange(Sim::Mode::Multi); });
    Settle();
    EXPECT_EQ(Root()->GetGUIMode(), BackgroundLayer::kTabMulti);
    EXPECT_TRUE(Tab(BackgroundLayer::kTabMulti)->IsVisible());
    EXPECT_EQ(Tab(BackgroundLayer::kTabMulti)->GetActiveIndex(), 0);

    ClickControl(BackgroundLayer::kIdModeSwitch, BackgroundLayer::kTabGlobal);
    Settle();
    EXPECT_EQ(synth->GetMode(), QorX0::kModeGlobal);
    EXPECT_TRUE(Tab(BackgroundLayer::kTabGlobal)->IsVisible());
}

// S3: stepping and typing the sound.
TEST_F(WindowScenario, SoundStepsWrapAcrossBanksAndTypedNumbersAreClamped) {
    Start();
    const int banks = QnUtils::GetBankCount(synth, QorX0::kModeProgPlay);
    ASSERT_GT(banks, 1);
    // The last ordinary bank before the GM ones: step up from its 127 goes on to the next bank; the
    // very last bank's 127 goes round to A 000.
    QorX0::SOUNDINDEX last{static_cast<unsigned char>(banks - 1), 127};
    synth->PutCurSound(last);
    Settle();
    ClearLogs();
    ClickControl(BackgroundLayer::kIdArrowUp);
    Settle();
    QorX0::SOUNDINDEX cur = synth->GetCurSound();
    EXPECT_EQ(cur.bank, 0);
    EXPECT_EQ(cur.number, 0);
    EXPECT_EQ(Text(BackgroundLayer::kIdSoundNumber), "000");
    EXPECT_EQ(Text(BackgroundLayer::kIdBank), "A");
    EXPECT_EQ(m_sim->With([](Sim::SimCore& c) { return c.State().progBank * 1000 + c.State().progNumber; }),
              0);
    // And back down.
    ClickControl(BackgroundLayer::kIdArrowDown);
    Settle();
    cur = synth->GetCurSound();
    EXPECT_EQ(cur.bank, banks - 1);
    EXPECT_EQ(cur.number, 127);

    // Typed numbers: "200" is 127, "5" is 5.
    struct Typed {
        const char* text;
        int number;
    };
    for (const Typed& t : {Typed{"200", 127}, Typed{"5", 5}}) {
        QorX0::SOUNDINDEX a{0, 10};
        synth->PutCurSound(a);
        Settle();
        auto* field = static_cast<CHfcCtrlCharEditText*>(Control(BackgroundLayer::kIdSoundNumber));
        ASSERT_TRUE(field->EnterEdit(""));
        m_screen.Type(t.text);
        TypeReturn(m_screen);
        Settle();
        EXPECT_EQ(synth->GetCurSound().number, t.number) << t.text;
    }
    // A GM bank counts from 001.
    for (int b = 0; b < banks; ++b) {
        if (!QnUtils::IsGMBank(synth, QorX0::kModeProgPlay, b)) continue;
        QorX0::SOUNDINDEX gm{static_cast<unsigned char>(b), 0};
        synth->PutCurSound(gm);
        Settle();
        EXPECT_EQ(Text(BackgroundLayer::kIdSoundNumber), "001");
        break;
    }
}

// S5: what the instrument's own panel does shows in the window.
TEST_F(WindowScenario, TheInstrumentsPanelShowsInTheWindow) {
    Start();
    m_sim->With([](Sim::SimCore& c) { c.PanelProgramChange(2, 33); });
    Settle();
    EXPECT_EQ(Text(BackgroundLayer::kIdSoundNumber), "033");
    EXPECT_EQ(Text(BackgroundLayer::kIdBank), "C");
    EXPECT_EQ(Text(BackgroundLayer::kIdSoundName), QnUtils::GetProgramName(synth, 2, 2, 33));
    // A knob assignment changed on the instrument: the user group's labels follow.
    QorX0::ISection* rtc = synth->GetRealtimeControl();
    rtc->PutParamI(0x8000, 1);
    Settle();
    QorX0::ISection* prog = synth->GetEditBuffer(QorX0::kModeProgEdit);
    const int before = prog->GetParamI(18);
    const int value = before == 5 ? 6 : 5;
    prog->PutParamI(18, value);
    Settle();
    EXPECT_EQ(Text(BackgroundLayer::kIdKnobLabel1), QnUtils::GetKnobAssignShortName(value));
    EXPECT_EQ(Text(BackgroundLayer::kIdKnobAssign1), QnUtils::GetKnobAssignShortName(value));

    // With the instrument's local control on (its keys play it, not the host), a key played on it
    // lights the window's key and fills the key field being typed into; its release puts the key out.
    m_sim->With([](Sim::SimCore& c) { c.PanelControlChange(122, 127); });
    ASSERT_TRUE(PumpUntil(
        [&] {
            QorX0::MODEANDSTATE state{};
            return synth->GetConnectionState(nullptr, nullptr, nullptr, &state, nullptr) &&
                   state.LocalControl();
        },
        10000));
    ClickMainTab(BackgroundLayer::kTabProg, 7);
    CHfcControl* topKey = PageControl(BackgroundLayer::kTabProg, 0x1D0A);
    ASSERT_NE(topKey, nullptr);
    auto* field = static_cast<CHfcCtrlCharEditText*>(topKey);
    ASSERT_TRUE(field->EnterEdit(""));
    auto* keyboard = static_cast<CHfcCtrlKeyboard*>(Control(BackgroundLayer::kIdKeyboard));
    const int region = ArtGeometry::CtlWhiteIndex(60 - 21);
    m_sim->With([](Sim::SimCore& c) { c.PanelNote(true, 60, 100); });
    EXPECT_TRUE(PumpUntil([&] { return (keyboard->GetRegionState(region) & 1) != 0; }, 5000));
    EXPECT_TRUE(PumpUntil(
        [&] {
            return field->GetPtrValue() &&
                   std::string(static_cast<const char*>(field->GetPtrValue())) == "C4";
        },
        5000));
    Save("panel-note");
    m_sim->With([](Sim::SimCore& c) { c.PanelNote(false, 60, 64); });
    EXPECT_TRUE(PumpUntil([&] { return (keyboard->GetRegionState(region) & 1) == 0; }, 5000));

    // The instrument's modulation wheel moves the window's.
    CHfcControl* modWheel = Control(BackgroundLayer::kIdWheel, 1);
    for (const int cc : {64, 127, 0}) {
        m_sim->With([cc](Sim::SimCore& c) { c.PanelControlChange(1, cc); });
        const int want = cc * BackgroundLayer::kWheelMax / 127;
        EXPECT_TRUE(PumpUntil([&] { return modWheel->GetIntValue() == want; }, 5000)) << cc;
    }
}

// S6: the keyboard and wheels play the instrument.
TEST_F(WindowScenario, KeyboardAndWheelsPlayTheInstrument) {
    Start();
    const int channel = synth->GetGlobalChannel();
    ClearLogs();
    // A white key: the host path carries it to the instrument with the next audio block.
    const ArtGeometry::Rect key = ArtGeometry::CtlRegionRect(ArtGeometry::CtlWhiteIndex(60 - 21));
    char on[16], off[16];
    std::snprintf(on, sizeof on, "%02x 3c 40", 0x90 | channel);
    std::snprintf(off, sizeof off, "%02x 3c 40", 0x80 | channel);
    Press(ArtGeometry::kCtlKeyboardX + key.x + 6, ArtGeometry::kCtlKeyboardY + 55);
    Pump(40);
    Block();
    Release();
    // The release reaches the host path at the window's next tick, which on a loaded machine can come
    // after the next audio block: blocks go on (as a host's do) until the note-off is out.
    for (int i = 0; i < 150 && !HasReceived(off); ++i) {
        Pump(20);
        Block();
    }
    ASSERT_TRUE(m_sim->WaitReceived(2));
    EXPECT_TRUE(HasReceived(on));
    EXPECT_TRUE(HasReceived(off));

    // The pitch wheel dragged and let go: the last bend is the centre, 8192.
    ClearLogs();
    Press(100, 566);
    for (int y = 560; y >= 540; y -= 4) {
        DragTo(100, y);
        Pump(20);
    }
    Release();
    Pump(60);
    Settle();
    auto received = Received();
    ASSERT_FALSE(received.empty());
    char centre[16];
    std::snprintf(centre, sizeof centre, "%02x 00 40", 0xE0 | channel);
    EXPECT_EQ(received.back(), centre);
    EXPECT_EQ(Control(BackgroundLayer::kIdWheel, 0)->GetIntValue(), BackgroundLayer::kPitchWheelRest);

    // The modulation wheel pushed to the top: control 1 at 127.
    ClearLogs();
    // (A drag moves the wheel a step a pixel: the top is its report of the maximum.)
    CHfcControl* mod = Control(BackgroundLayer::kIdWheel, 1);
    Root()->OnHfcCtrlIntValueChanged(mod, BackgroundLayer::kWheelMax);
    Settle();
    char top[16];
    std::snprintf(top, sizeof top, "%02x 01 7f", 0xB0 | channel);
    EXPECT_TRUE(HasReceived(top));

    // All Sound Off from the logo's menu: 120 and 123 on all sixteen channels.
    ClearLogs();
    HfcSetPopupMenuHook([](const HfcPopupMenuRequest&) { return 100; });
    ClickControl(BackgroundLayer::kIdLogoProduct);
    Settle();
    for (int ch = 0; ch < 16; ++ch) {
        char a[16], b[16];
        std::snprintf(a, sizeof a, "%02x 78 00", 0xB0 | ch);
        std::snprintf(b, sizeof b, "%02x 7b 00", 0xB0 | ch);
        EXPECT_TRUE(HasReceived(a)) << ch;
        EXPECT_TRUE(HasReceived(b)) << ch;
    }
}

// S6 in multi mode: a key goes out on the current track's channel.
TEST_F(WindowScenario, InMultiAKeyPlaysOnTheCurrentTracksChannel) {
    Start();
    synth->PutMode(QorX0::kModeMulti);
    Settle();
    QorX0::ISoundSection* multi = synth->GetEditBuffer(QorX0::kModeMulti);
    const int track = multi->GetParamI(0xFF16);
    QorX0::ISection* holder = nullptr;
    const int pid = track * 256 + 260;
    ASSERT_TRUE(multi->FindSectionByPID(pid, &holder));
    holder->PutParamI(pid, 4);
    Settle();
    ClearLogs();
    const ArtGeometry::Rect key = ArtGeometry::CtlRegionRect(ArtGeometry::CtlWhiteIndex(60 - 21));
    Press(ArtGeometry::kCtlKeyboardX + key.x + 6, ArtGeometry::kCtlKeyboardY + 55);
    Pump(40);
    Block();
    Release();
    Pump(40);
    Block();
    ASSERT_TRUE(m_sim->WaitReceived(1));
    EXPECT_TRUE(HasReceived("94 3c 40"));
}

// S7: the realtime knobs are the host's automation parameters.
TEST_F(WindowScenario, RealtimeKnobsWriteTheirParameterAndAutomateTheHost) {
    Start();
    ClickControl(BackgroundLayer::kIdGroupSwitch, 2);
    Settle();
    QorX0::ISection* rtc = synth->GetRealtimeControl();
    ASSERT_EQ(rtc->GetParamI(0x8000), 2);
    EXPECT_EQ(Text(BackgroundLayer::kIdKnobLabel1 + 1), "ARP-VEL");
    HostLog::Clear();
    const int before = rtc->GetParamI(0x800A);
    CHfcControl* knob = Control(BackgroundLayer::kIdKnob1 + 1);
    DragKnobUp(BackgroundLayer::kIdKnob1 + 1);
    EXPECT_NE(rtc->GetParamI(0x800A), before);
    const auto automate = HostLog::Of(audioMasterAutomate);
    ASSERT_FALSE(automate.empty());
    for (const auto& a : automate) EXPECT_EQ(a.index, 9);
    QorX0::PARAMDESC desc{};
    ASSERT_TRUE(rtc->GetParamDescByIndex(10, &desc));
    EXPECT_FLOAT_EQ(automate.back().opt,
                    static_cast<float>(rtc->GetParamI(0x800A) - desc.minval) / (desc.maxval - desc.minval));
    ASSERT_EQ(HostLog::Of(audioMasterBeginEdit).size(), 1u);
    EXPECT_EQ(HostLog::Of(audioMasterBeginEdit)[0].index, 9);
    ASSERT_EQ(HostLog::Of(audioMasterEndEdit).size(), 1u);
    EXPECT_EQ(HostLog::Of(audioMasterEndEdit)[0].index, 9);

    // The host moves parameter 9: the knob follows.
    effect->setParameter(effect, 9, 0.0f);
    Settle();
    EXPECT_EQ(knob->GetIntValue(), 0);

    // A tempo typed into its field.
    auto* tempo = static_cast<CHfcCtrlCharEditText*>(Control(BackgroundLayer::kIdTempo));
    ASSERT_TRUE(tempo->EnterEdit(""));
    m_screen.Type("92");
    TypeReturn(m_screen);
    Settle();
    EXPECT_EQ(Text(BackgroundLayer::kIdTempo), "092");
}

// S13: the About box from the logo's menu.
TEST_F(WindowScenario, AboutBoxOpensFromTheLogoAndAnyClickClosesIt) {
    Start();
    std::vector<std::string> items;
    HfcSetPopupMenuHook([&](const HfcPopupMenuRequest& r) {
        for (const auto& item : r.items) items.push_back(item.text);
        return 101;
    });
    ClickControl(BackgroundLayer::kIdLogoMaker);
    ASSERT_EQ(items.size(), 2u);
    EXPECT_EQ(items[0], "All Sound Off");
    EXPECT_EQ(items[1], "About Tolva Plug-In Editor");
    ASSERT_TRUE(PumpUntil([&] { return Root()->GetAboutLayer() != nullptr; }, 1000));
    AboutLayer* about = Root()->GetAboutLayer();
    ASSERT_NE(about->GetVersionText(), nullptr);
    EXPECT_EQ(about->GetVersionText()->GetText(), "Tolva Plug-In Editor Ver. 1.0.0");
    Save("about");
    // A click on the text itself closes it.
    const tagHfcRect t = about->GetVersionText()->GetRect();
    Click((t.left + t.right) / 2, (t.top + t.bottom) / 2);
    EXPECT_TRUE(PumpUntil([&] { return Root()->GetAboutLayer() == nullptr; }, 1000));
}

// S14: closing and opening again.
TEST_F(WindowScenario, CloseWithAModalOpenAndReopenShowsTheInstrumentsMode) {
    Start();
    Root()->RequestOpenRedBrowser(0, QorX0::kModeCombiEdit, 0x100);
    ASSERT_TRUE(PumpUntil([&] { return Root()->GetModalLayer() != nullptr; }, 1000));
    CloseWindow();
    EXPECT_EQ(Root(), nullptr);
    for (int i = 0; i < 5; ++i) {
        Open();
        EXPECT_EQ(Root()->GetGUIMode(), BackgroundLayer::kTabProg);
        CloseWindow();
    }
    synth->PutMode(QorX0::kModeCombiPlay);
    Settle();
    Open();
    EXPECT_EQ(Root()->GetGUIMode(), BackgroundLayer::kTabCombi);
    EXPECT_TRUE(Tab(BackgroundLayer::kTabCombi)->IsVisible());
}

// S15: the instrument goes away.
TEST_F(WindowScenario, InstrumentLostShowsDisconnectedAndClosesTheModal) {
    Start();
    Root()->RequestOpenRedBrowser(0, QorX0::kModeCombiEdit, 0x100);
    ASSERT_TRUE(PumpUntil([&] { return Root()->GetModalLayer() != nullptr; }, 1000));
    m_sim->With(
        [](Sim::SimCore& c) { c.AddFault(Sim::Fault::Make(Sim::FaultAction::Vanish, Sim::kAnyCode)); });
    EXPECT_TRUE(PumpUntil([&] { return Control(BackgroundLayer::kIdLogoMaker)->GetIntValue() == 1; }, 10000));
    EXPECT_EQ(Control(BackgroundLayer::kIdLogoProduct)->GetIntValue(), 1);
    EXPECT_TRUE(PumpUntil([&] { return Root()->GetModalLayer() == nullptr; }, 1000));
}

namespace {

// One oscillator's filter and amplifier settings, as written into the program.
struct OscSound {
    int type, resonance, cutoffA, cutoffB, level, pan;
    int levels[4], times[3], release;
};
// What its boxes show.
struct OscShown {
    const char* type;
    const char* level;
    const char* pan;
};
constexpr int kOsc2Offset = 0xD00;  // oscillator 2's rows stand this far after oscillator 1's

void WriteOsc(QorX0::ISoundSection* prog, int osc, const OscSound& s) {
    const int o = osc * kOsc2Offset;
    // Multisamples the instrument has (the simulator's factory data holds any number there), so the
    // overview's pictures show their names.
    const std::pair<int, int> rows[] = {
        {0x0201, 2 * osc},   {0x0206, 2 * osc + 1}, {1536, s.type},      {1538, s.resonance},
        {1792, s.cutoffA},   {2048, s.cutoffB},     {2816, s.level},     {3584, s.pan},
        {3072, s.levels[0]}, {3074, s.levels[1]},   {3076, s.levels[2]}, {3078, s.levels[3]},
        {3073, s.times[0]},  {3075, s.times[1]},    {3077, s.times[2]},  {3079, s.release},
    };
    for (const auto& [pid, value] : rows) {
        // Oscillator 2's rows live in a section of their own.
        QorX0::ISection* holder = nullptr;
        ASSERT_TRUE(prog->FindSectionByPID(pid + o, &holder) && holder != nullptr) << pid + o;
        holder->PutParamI(pid + o, value);
    }
}

}  // namespace

// The overview's Filter and AMP boxes show each oscillator's filter and amplifier, and the program's
// edits once the play page is back; oscillator 2's boxes are in use in double mode only.
TEST_F(WindowScenario, OverviewFilterAndAmpBoxesShowTheProgramAndItsEdits) {
    Start();
    ASSERT_EQ(synth->GetMode(), QorX0::kModeProgPlay);
    QorX0::ISoundSection* prog = synth->GetEditBuffer(QorX0::kModeProgEdit);
    ASSERT_NE(prog, nullptr);
    struct Case {
        int oscMode;
        OscSound sound[2];
        OscShown shown[2];
        const char* shot;
    };
    const Case cases[] = {
        {0,
         {{0, 40, 70, 10, 100, 64, {10, 20, 30, 40}, {5, 6, 7}, 8},
          {1, 0, 30, 20, 127, 0, {0, 99, 50, 0}, {1, 2, 3}, 4}},
         {{"LPF+RES", "Lvl:100", "Pan:C064"}, {}},
         "program-overview-single"},
        {1,
         {{1, 0, 30, 20, 127, 1, {99, 0, 99, 0}, {9, 0, 99}, 99},
          {0, 99, 99, 0, 0, 127, {0, 0, 0, 0}, {0, 0, 0}, 0}},
         {{"LPF&HPF", "Lvl:127", "Pan:L001"}, {"LPF+RES", "Lvl:0", "Pan:R127"}},
         "program-overview-double"},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.shot);
        // Edited on an edit page, then back on the play page.
        ClickMainTab(BackgroundLayer::kTabProg, 4);
        ASSERT_EQ(synth->GetMode(), QorX0::kModeProgEdit);
        prog->PutParamI(1, k.oscMode);
        for (int o = 0; o < 2; ++o) WriteOsc(prog, o, k.sound[o]);
        Settle();
        ClickMainTab(BackgroundLayer::kTabProg, 0);
        ASSERT_EQ(synth->GetMode(), QorX0::kModeProgPlay);
        for (int o = 0; o < 2; ++o) {
            SCOPED_TRACE(o);
            const OscSound& s = k.sound[o];
            const int c = BackgroundLayer::kIdOverviewFirst + 3 + 12 * o;
            // Oscillator 2's texts and graphs are in use in double mode only (the instrument keeps
            // none of its edits in single mode).
            const bool used = o == 0 || k.oscMode == 1;
            for (int id = c; id <= c + 11; ++id) EXPECT_EQ(Control(id)->IsEnabled(), used) << id;
            if (!used) continue;
            EXPECT_EQ(Text(c + 6), "Type :");
            EXPECT_EQ(Text(c + 7), k.shown[o].type);
            EXPECT_EQ(Text(c + 8), k.shown[o].level);
            EXPECT_EQ(Text(c + 9), k.shown[o].pan);
            // The LFO texts close their bracket.
            EXPECT_EQ(Text(c + 3).back(), ')');
            auto* filter = dynamic_cast<CXBCtrlFilterGraph*>(Control(c + 10));
            ASSERT_NE(filter, nullptr);
            // Each graph inside its own box (the box's title stands at (3, 6) in it).
            for (int g = 0; g < 2; ++g) {
                const tagHfcRect title =
                    Control(BackgroundLayer::kIdOverviewTitle + 5 + g + 5 * o)->GetRect();
                const tagHfcRect graph = Control(c + 10 + g)->GetRect();
                EXPECT_GE(graph.left, title.left - 3);
                EXPECT_GE(graph.top, title.top - 6);
                EXPECT_LE(graph.right, title.left - 3 + ArtGeometry::kOverviewFgWidth);
                EXPECT_LE(graph.bottom, title.top - 6 + ArtGeometry::kOverviewFgHeight);
            }
            tagFilterValue v{};
            ASSERT_TRUE(filter->GetFilterValue(&v, 0));
            if (s.type == 0) {
                EXPECT_EQ(filter->GetHandleCount(), 1);
                EXPECT_EQ(v.resonance, 2 * s.resonance);
                EXPECT_EQ(v.cutoff, 2 * s.cutoffA);
            } else {
                EXPECT_EQ(filter->GetHandleCount(), 2);
                EXPECT_EQ(v.resonance, 99);
                EXPECT_EQ(v.cutoff, 2 * s.cutoffA);
                ASSERT_TRUE(filter->GetFilterValue(&v, 1));
                EXPECT_EQ(v.resonance, 198);
                EXPECT_EQ(v.cutoff, s.cutoffB);
            }
            auto* amp = dynamic_cast<CXBCtrlEnvelopeGraph*>(Control(c + 11));
            ASSERT_NE(amp, nullptr);
            const int want[6][2] = {{0, 2 * s.levels[0]},
                                    {2 * s.times[0], 2 * s.levels[1]},
                                    {2 * s.times[1], 2 * s.levels[2]},
                                    {2 * s.times[2], 2 * s.levels[3]},
                                    {198, 2 * s.levels[3]},
                                    {2 * s.release, 0}};
            for (int i = 0; i < 6; ++i) {
                tagEnvelopeValue p{};
                ASSERT_TRUE(amp->GetEnvelopeValue(&p, i));
                EXPECT_EQ(p.time, want[i][0]) << "point " << i;
                EXPECT_EQ(p.level, want[i][1]) << "point " << i;
            }
        }
        Save(k.shot);
    }
}

// A click on a box opens its edit page: by the box, and in the Master FX box by the half clicked.
TEST_F(WindowScenario, OverviewBoxesOpenTheirEditPages) {
    Start();
    // Double mode: oscillator 2's graphs are in use and take presses too.
    ClickMainTab(BackgroundLayer::kTabProg, 4);
    synth->GetEditBuffer(QorX0::kModeProgEdit)->PutParamI(1, 1);
    Settle();
    ClickMainTab(BackgroundLayer::kTabProg, 0);
    constexpr int kTitle = BackgroundLayer::kIdOverviewTitle;
    constexpr int kFirst = BackgroundLayer::kIdOverviewFirst;
    struct Case {
        int control;  // clicked at its centre
        int page, sub;
    };
    for (const Case& k :
         {Case{kTitle + 5, 4, 0}, Case{kFirst + 13, 4, 0}, Case{kTitle + 6, 6, 0}, Case{kFirst + 14, 6, 0},
          Case{kTitle + 10, 5, 0}, Case{kFirst + 25, 5, 0}, Case{kTitle + 11, 6, 3}, Case{kFirst + 26, 6, 3},
          Case{kTitle + 2, 1, 1}, Case{kTitle + 9, 3, 3}, Case{kTitle + 13, 9, 1}, Case{kFirst + 29, 9, 2},
          Case{kTitle + 14, 9, 3}}) {
        SCOPED_TRACE(k.control);
        ASSERT_EQ(synth->GetMode(), QorX0::kModeProgPlay);
        ClickControl(k.control);
        Settle();
        EXPECT_EQ(synth->GetMode(), QorX0::kModeProgEdit);
        CTabControl* tab = Tab(BackgroundLayer::kTabProg);
        EXPECT_EQ(tab->GetActiveIndex(), k.page);
        CTabControl* sub =
            tab->GetActivePage() != nullptr ? tab->GetActivePage()->GetSubTabControl() : nullptr;
        if (sub != nullptr) {
            EXPECT_EQ(sub->GetActiveIndex(), k.sub);
        } else {
            EXPECT_EQ(k.sub, 0);
        }
        ClickMainTab(BackgroundLayer::kTabProg, 0);
    }
}

namespace {

struct ModeShot {
    uint8_t mode;
    int tab;
    const char* name;
};

class WindowInEachMode : public WindowScenario, public ::testing::WithParamInterface<ModeShot> {};

}  // namespace

// The window in each mode, connected and then with the instrument gone.
TEST_P(WindowInEachMode, ShowsTheModeConnectedAndDisconnected) {
    const ModeShot& m = GetParam();
    Start();
    // The instrument's own panel chooses the mode.
    m_sim->With([&](Sim::SimCore& c) { c.PanelModeChange(m.mode); });
    Settle();
    ASSERT_EQ(Root()->GetGUIMode(), m.tab);
    EXPECT_EQ(Control(BackgroundLayer::kIdLogoMaker)->GetIntValue(), 0);
    Save(std::string(m.name) + "-connected");
    m_sim->With(
        [](Sim::SimCore& c) { c.AddFault(Sim::Fault::Make(Sim::FaultAction::Vanish, Sim::kAnyCode)); });
    EXPECT_TRUE(PumpUntil([&] { return Control(BackgroundLayer::kIdLogoMaker)->GetIntValue() == 1; }, 10000));
    EXPECT_EQ(Root()->GetGUIMode(), m.tab);
    Save(std::string(m.name) + "-disconnected");
}

INSTANTIATE_TEST_SUITE_P(
    Modes, WindowInEachMode,
    ::testing::Values(ModeShot{Sim::Mode::CombiPlay, BackgroundLayer::kTabCombi, "combination"},
                      ModeShot{Sim::Mode::Multi, BackgroundLayer::kTabMulti, "multi"},
                      ModeShot{Sim::Mode::ProgPlay, BackgroundLayer::kTabProg, "program"},
                      ModeShot{Sim::Mode::ProgEdit, BackgroundLayer::kTabProg, "program-edit"},
                      ModeShot{Sim::Mode::Global, BackgroundLayer::kTabGlobal, "global"}),
    [](const ::testing::TestParamInfo<ModeShot>& info) {
        std::string n = info.param.name;
        for (char& ch : n)
            if (ch == '-') ch = '_';
        return n;
    });

// S14: the host closes the window while a pick-list auditions a pick: the audition ends without the
// pick, so the combination keeps the program it had, and nothing of the browser is left.
TEST_F(WindowScenario, CloseWhileAPickListAuditionsPutsTheSoundBack) {
    BackgroundLayer::SetModalPageFactory(nullptr);  // the real pick-lists
    Start();
    synth->PutMode(QorX0::kModeCombiEdit);
    Settle();
    ASSERT_EQ(synth->GetMode(), QorX0::kModeCombiEdit);
    constexpr int kTimbre1Program = 0x100;
    auto timbre1 = [&] {
        QorX0::ISection* timbre = nullptr;
        if (!synth->GetEditBuffer(QorX0::kModeCombiEdit)->FindSectionByPID(kTimbre1Program, &timbre))
            return -1;
        return timbre->GetParamI(kTimbre1Program);
    };
    const int start = timbre1();
    Root()->RequestOpenRedBrowser(0, QorX0::kModeCombiEdit, kTimbre1Program);
    ASSERT_TRUE(PumpUntil([&] { return Root()->GetModalTab() != nullptr; }, 2000));
    auto* page = dynamic_cast<RedBrowserBase*>(Root()->GetModalTab()->GetActivePage());
    ASSERT_NE(page, nullptr);
    Pump(100);
    // A pick: the list's fourth row.
    CMMPCtrlList* list = page->GetList();
    list->AutoScroll(3, 0);
    Pump(100);
    tagHfcPoint p{};
    list->ViewIndexToPoint(&p, list->IndexToViewIndex(3));
    const int picked = list->GetItem(3)->m_user1;
    ASSERT_NE(picked, start);
    Click(page->GetRect().left + p.x + 20, page->GetRect().top + p.y + 5);
    Settle();
    ASSERT_TRUE(synth->GetAuditionState());
    ASSERT_EQ(timbre1(), picked);
    CloseWindow();
    Settle();
    EXPECT_EQ(Root(), nullptr);
    EXPECT_FALSE(synth->GetAuditionState());
    EXPECT_EQ(timbre1(), start);
}
