// Parameter-linked layers over the real sections of a recording remote synthesizer, on a headless
// window: edits go out as parameter changes, changes come back to every linked control at the next
// idle tick, hidden pages catch up when shown, and links are counted per section.
#include <gtest/gtest.h>

#include <string>
#include <thread>

#include "Common/Layers/QnSynthLayer.h"
#include "Common/Layers/TabControl.h"
#include "Common/Model/Converters.h"
#include "Hfc/HfcFixture.h"
#include "Support/RecordingRemoteSynth.h"

using namespace QorX0;

namespace {

// A control that keeps the text and props it is given, and reports value changes when pressed
// (current value + 1) and moved (current value + horizontal distance from the press).
class ValueControl : public CHfcControl {
public:
    ValueControl(int id, int sub) {
        Create(0, 0, 10, 10, id);
        SetUserValue(sub);
    }
    std::string text;
    int knobWidth = -1;
    int setParameters = 0;
    void SetPtrValue(void* p, bool redraw) override {
        text = static_cast<const char*>(p);
        if (redraw) SetDirty();
    }
    void SetIntValue(int value, bool redraw) override {
        CHfcControl::SetIntValue(value, redraw);
        if (redraw) SetDirty();
    }
    void SetParameter(int kind, int value, void*, bool) override {
        ++setParameters;
        if (kind == QnSynthLayer::kKnobDisplayWidth) knobWidth = value;
    }
    bool OnHfcMouseLButtonDown(CHfcMouse*, int x, int, int) override {
        m_pressX = x;
        m_pressValue = GetIntValue();
        if (GetListener()) GetListener()->OnHfcCtrlIntValueChanged(this, m_pressValue + 1);
        return true;
    }
    bool OnHfcMouseMove(CHfcMouse*, int x, int, int) override {
        if (m_pressX >= 0 && GetListener())
            GetListener()->OnHfcCtrlIntValueChanged(this, m_pressValue + 1 + (x - m_pressX));
        return true;
    }
    bool OnHfcMouseLButtonUp(CHfcMouse*, int, int, int) override {
        m_pressX = -1;
        return true;
    }
    void Draw(CHfcDrawContext*) override { ++draws; }
    int draws = 0;

private:
    int m_pressX = -1;
    int m_pressValue = 0;
};
class PressSwitchControl : public ValueControl {
public:
    using ValueControl::ValueControl;
};
class SlideControl : public ValueControl {
public:
    using ValueControl::ValueControl;
};
class KnobControl : public ValueControl {
public:
    using ValueControl::ValueControl;
};
class SelectorControl : public ValueControl {
public:
    using ValueControl::ValueControl;
};

// A tab page: it idles its controls (drawing the dirty ones), then replays its queue.
class Page : public CTabPageLayer {
public:
    explicit Page(IRemoteSynth* synth) : CTabPageLayer(synth, "page") {}
    int refreshes = 0;
    int syncs = 0;  // synchronisations of linked controls
    void OnRefresh() override {
        ++refreshes;
        CTabPageLayer::OnRefresh();
    }
    void OnPostSynchronizeControlWithParam(CHfcControl*, ISection*, int) override { ++syncs; }
};

constexpr int kStartLevel = 0x0100;  // program edit, -99..99
constexpr int kRandom = 0x000B;      // program edit, 0..7
constexpr int kLegato = 0x0003;      // program edit, switch
constexpr int kGate = 0x1D03;        // program edit, 0..101 ("Step" at 101)

class SynthLayer : public HfcWindowFixture {
protected:
    void SetUp() override {
        HfcWindowFixture::SetUp();
        QnSynthLayer::RegisterControlRule(typeid(PressSwitchControl), QnControlRule::PressSwitch);
        QnSynthLayer::RegisterControlRule(typeid(SlideControl), QnControlRule::SlideSwitch);
        QnSynthLayer::RegisterControlRule(typeid(KnobControl), QnControlRule::Knob);
        QnSynthLayer::RegisterControlRule(typeid(SelectorControl), QnControlRule::ColonText);
        synth = std::make_unique<RecordingRemoteSynth>();
        synth->sections.host.SetMode(kModeProgEdit);
        window = MakeWindow(0, 0, 400, 300);
        page = std::make_unique<Page>(synth.get());
        ASSERT_TRUE(page->Create(0, 0, 400, 300, nullptr, window));
        page->OnCreate();
        page->SetTargetMode(kModeProgEdit);
    }
    void TearDown() override {
        page->RemoveAllControls(false);  // the test owns the controls
        page->OnDestroy();
        window->RemoveLayer(page.get(), false);
        page.reset();
        HfcWindowFixture::TearDown();
        synth.reset();
    }
    ISection* Prog() { return synth->GetEditBuffer(kModeProgEdit); }
    template <class C = ValueControl>
    C* Add(int id, int sub, int x = 0, int y = 0) {
        controls.push_back(std::make_unique<C>(id, sub));
        C* c = static_cast<C*>(controls.back().get());
        c->Move(x, y, false);
        c->SetListener(page.get());
        c->Show(false);
        c->Enable(false);
        page->AddControl(c, false);
        return c;
    }
    unsigned Sends() { return synth->sections.host.link.count; }
    void Tick() {
        synth->sections.host.Pump();
        page->Idle(0);
    }

    std::unique_ptr<RecordingRemoteSynth> synth;
    CTestWindow* window = nullptr;
    std::unique_ptr<Page> page;
    std::vector<std::unique_ptr<ValueControl>> controls;
};

TEST_F(SynthLayer, ADragOnThePageWritesItsParameterWithSendAndTheControlFollows) {
    KnobControl* c = Add<KnobControl>(kStartLevel, 0, 50, 40);
    ASSERT_TRUE(page->LinkControlWithParam(c, kModeProgEdit, kStartLevel));
    page->Show(false);
    Prog()->PutParamIEx(kStartLevel, 10, kPutNotify);
    Tick();
    ASSERT_EQ(c->GetIntValue(), 10);
    const unsigned before = Sends();
    m_screen.MoveTo(55, 45);
    m_screen.ButtonDown();
    m_screen.MoveTo(58, 45);
    m_screen.MoveTo(59, 45);
    m_screen.ButtonUp();
    // Press (11), then two steps (14, 15): each a plain write that goes to the instrument.
    EXPECT_EQ(Sends() - before, 3u);
    EXPECT_EQ(Prog()->GetParamI(kStartLevel), 15);
    const auto sent = synth->sections.host.link.Sent();
    ASSERT_FALSE(sent.empty());
    Tick();
    EXPECT_EQ(c->GetIntValue(), 15);
    PARAMDESC desc{};
    ASSERT_TRUE(Prog()->GetParamDesc(kStartLevel, &desc));
    EXPECT_EQ(c->text, desc.converter->Format(15).c_str());
}

TEST_F(SynthLayer, ThreadedInstrumentChangeReachesEveryLinkedControlOnTheNextTick) {
    ValueControl* a = Add(kRandom, 0);
    ValueControl* b = Add(0x10000 | kRandom, 0);
    ValueControl* other = Add(kStartLevel, 0);
    page->LinkControlWithParam(a, kModeProgEdit, kRandom);
    page->LinkControlWithParam(b, kModeProgEdit, kRandom);
    page->LinkControlWithParam(other, kModeProgEdit, kStartLevel);
    page->Show(false);
    Tick();
    a->draws = b->draws = 0;
    std::thread reader([&] { Prog()->PutParamIEx(kRandom, 5, kPutNotify); });
    reader.join();
    EXPECT_EQ(a->GetIntValue(), 0);  // nothing before the tick
    Tick();
    EXPECT_EQ(a->GetIntValue(), 5);
    EXPECT_EQ(b->GetIntValue(), 5);
    EXPECT_TRUE(a->IsDirty());
    EXPECT_TRUE(b->IsDirty());
    page->Idle(0);  // the page draws its dirty controls at the start of its tick
    EXPECT_GT(a->draws, 0);
    EXPECT_GT(b->draws, 0);
}

TEST_F(SynthLayer, AHiddenPageCatchesUpWhenShown) {
    ValueControl* c = Add(kRandom, 0);
    page->LinkControlWithParam(c, kModeProgEdit, kRandom);
    Prog()->PutParamIEx(kRandom, 3, kPutNotify);
    Tick();  // hidden pages are idled only when shown; a tick here changes nothing visible
    Prog()->PutParamIEx(kRandom, 6, kPutNotify);
    EXPECT_NE(c->GetIntValue(), 6);
    page->OnIdleSectionReinitialized(Prog());  // while hidden: remembered
    page->refreshes = 0;
    page->Show(false);
    EXPECT_EQ(c->GetIntValue(), 6);
    page->Idle(0);
    EXPECT_EQ(page->refreshes, 1);
}

// A page hidden while the instrument sends banks and changes keeps a bounded queue, and showing it
// costs a bounded number of synchronisations however long it stayed hidden: the bank lists merge
// into one resynchronisation per list, and a flood falls back to one of the page.
TEST_F(SynthLayer, ShowingALongHiddenPageCostsBoundedWork) {
    ValueControl* c = Add(kRandom, 0);
    page->LinkControlWithParam(c, kModeProgEdit, kRandom);
    const struct {
        const char* what;
        int bankLists, changes;
        int syncs;  // Show's own, then the replays
    } cases[] = {
        {"128 banks received", 128, 0, 1 + 1},
        {"banks and 40000 changes", 128, 40000, 1 + 2},
    };
    for (const auto& k : cases) {
        SCOPED_TRACE(k.what);
        page->Hide(false);
        Tick();
        for (int i = 0; i < k.bankLists; ++i)
            page->OnRemoteSynthBankListChanged(synth.get(), kModeProgPlay,
                                               SOUNDINDEX{0, static_cast<uint8_t>(i)});
        for (int i = 0; i < k.changes; ++i) {
            Prog()->PutParamIEx(kRandom, i % 8, kPutNotify);
            synth->sections.host.Pump();  // hidden pages are not idled
        }
        EXPECT_LE(page->GetQueuedEventCount(), QnRemoteSynthEventHandler::kHighWater + 1);
        page->syncs = 0;
        page->Show(false);
        page->Idle(0);
        EXPECT_EQ(page->syncs, k.syncs);
        EXPECT_EQ(c->GetIntValue(), Prog()->GetParamI(kRandom));
    }
}

TEST_F(SynthLayer, UnlinkingOrRelinkingOneControlKeepsTheOthersOnTheSectionAlive) {
    ValueControl* a = Add(kRandom, 0);
    ValueControl* b = Add(kStartLevel, 0);
    page->LinkControlWithParam(a, kModeProgEdit, kRandom);
    page->LinkControlWithParam(b, kModeProgEdit, kStartLevel);
    page->Show(false);
    EXPECT_EQ(page->GetSectionAdviseCount(Prog()), 2);
    page->UnlinkControlWithParam(a);
    Prog()->PutParamIEx(kStartLevel, -20, kPutNotify);
    Tick();
    EXPECT_EQ(b->GetIntValue(), -20);
    // Relink a to the global section and back: b still hears its changes.
    page->RelinkControlWithParam(a, kModeGlobal, 0x7C13);
    page->RelinkControlWithParam(a, kModeProgEdit, kRandom);
    Prog()->PutParamIEx(kStartLevel, 30, kPutNotify);
    Prog()->PutParamIEx(kRandom, 2, kPutNotify);
    Tick();
    EXPECT_EQ(b->GetIntValue(), 30);
    EXPECT_EQ(a->GetIntValue(), 2);
    EXPECT_EQ(page->GetSectionAdviseCount(synth->GetGlobal()), 0);
    // An observer without a control counts too.
    EXPECT_TRUE(page->LinkWithParameter(kModeGlobal, 0x7C13));
    page->UnlinkWithParameter(synth->GetGlobal());
    EXPECT_EQ(page->GetSectionAdviseCount(synth->GetGlobal()), 0);
    // Teardown leaves no sink behind: later writes post nothing to the page.
    page->QnSynthLayer::OnDestroy();
    EXPECT_EQ(synth->SinkCount(), 0u);
    Prog()->PutParamIEx(kStartLevel, 31, kPutNotify);
    synth->sections.host.Pump();
    EXPECT_EQ(page->GetQueuedEventCount(), 0u);
}

TEST_F(SynthLayer, KeysOfNegativeSubIdsDoNotCollide) {
    ValueControl* a = Add(kRandom, -1);
    ValueControl* b = Add(kStartLevel, -1);
    EXPECT_EQ(page->GetControlById(kRandom, -1), a);
    EXPECT_EQ(page->GetControlById(kStartLevel, -1), b);
    page->LinkControlWithParam(a, kModeProgEdit, kRandom);
    page->LinkControlWithParam(b, kModeProgEdit, kStartLevel);
    EXPECT_EQ(page->GetParameterIdByControl(a).pid, kRandom);
    EXPECT_EQ(page->GetParameterIdByControl(b).pid, kStartLevel);
    // Two controls under one key: removing the earlier keeps the later reachable.
    ValueControl* later = Add(kRandom, -1);
    EXPECT_EQ(page->GetControlById(kRandom, -1), later);
    page->RemoveControl(a, false);
    EXPECT_EQ(page->GetControlById(kRandom, -1), later);
    EXPECT_FALSE(page->AddControl(later, false));  // already on the layer
    EXPECT_EQ(page->GetControlById(-1, 0), nullptr);
}

TEST_F(SynthLayer, ControlToParameterRules) {
    PressSwitchControl* sw = Add<PressSwitchControl>(kLegato, 0);
    SlideControl* slide = Add<SlideControl>(kRandom, 0);
    page->LinkControlWithParam(sw, kModeProgEdit, kLegato);
    page->LinkControlWithParam(slide, kModeProgEdit, kRandom);
    page->Show(false);
    const struct {
        CHfcControl* control;
        int pid;
        int reported;
        int written;
    } cases[] = {
        {sw, kLegato, static_cast<int>(0x80000000u), 1},
        {sw, kLegato, -5, 0},
        {slide, kRandom, 7, 0},  // the top of the slide is the parameter's minimum
        {slide, kRandom, 0, 7},
    };
    for (const auto& c : cases) {
        page->OnHfcCtrlIntValueChanged(c.control, c.reported);
        EXPECT_EQ(Prog()->GetParamI(c.pid), c.written) << c.reported;
    }
    // A fast click (press and release before any tick): the toggle stays and one change is sent.
    Prog()->PutParamIEx(kLegato, 0, kPutNotify);
    Tick();
    const unsigned before = Sends();
    page->OnHfcCtrlIntValueChanged(sw, static_cast<int>(0x80000000u));
    page->OnHfcCtrlIntValueChanged(sw, 0);  // the release reports the old plain value
    EXPECT_EQ(Prog()->GetParamI(kLegato), 1);
    EXPECT_EQ(Sends() - before, 1u);
    // And back: the slide shows max - value.
    Tick();
    EXPECT_EQ(slide->GetIntValue(), 7 - Prog()->GetParamI(kRandom));
}

TEST_F(SynthLayer, ParameterToControlRules) {
    PARAMDESC gate{};
    ASSERT_TRUE(Prog()->GetParamDesc(kGate, &gate));
    EXPECT_EQ(QnSynthLayer::MeasureKnobDisplayWidth(gate), 4);  // "Step" at the maximum is measured
    PARAMDESC row = gate;
    row.minval = 0;
    row.maxval = 100;
    EXPECT_EQ(QnSynthLayer::MeasureKnobDisplayWidth(row), 3);  // "100"
    row.maxval = 0;
    EXPECT_EQ(QnSynthLayer::MeasureKnobDisplayWidth(row), 0);  // one value
    KnobControl* knob = Add<KnobControl>(kGate, 0);
    page->LinkControlWithParam(knob, kModeProgEdit, kGate);
    page->Show(false);
    EXPECT_EQ(knob->knobWidth, 4);
    Prog()->PutParamIEx(kGate, 101, kPutNotify);
    Tick();
    EXPECT_EQ(knob->text, "Step");
    // Colon spacing for selectors: "A:000" would show "A : 000"; a text without a colon is unchanged.
    SelectorControl* sel = Add<SelectorControl>(kRandom, 0);
    page->LinkControlWithParam(sel, kModeProgEdit, kRandom);
    page->SynchronizeControlWithParam(sel, true);
    EXPECT_EQ(sel->text.find(" : "), std::string::npos);
}

TEST_F(SynthLayer, SectionLookupByKind) {
    IGlobalArraySection* exts = synth->GetExtControls();
    const int pid = exts->GetParamIDByIndex(0);
    int probe = pid;
    EXPECT_EQ(page->GetParamSection(kKindExtControls, pid), exts);
    EXPECT_EQ(page->GetParamSection(kKindExtControls, 0x7FFF), nullptr);
    EXPECT_EQ(page->GetParamSection(kModeProgEdit, kStartLevel), Prog());
    EXPECT_EQ(page->GetParamSection(5, probe), nullptr);
    EXPECT_EQ(page->GetParamValue(5, probe), -1);
    EXPECT_EQ(page->GetParamString(5, probe), "");
}

TEST_F(SynthLayer, ContainersGroupControlsAndKeepOneActive) {
    auto* first = new QnControlContainer(true);
    auto* second = new QnControlContainer(false);
    ValueControl* a = Add(kRandom, 0);
    first->AddControl(a);
    first->AddControl(a);  // once only
    EXPECT_EQ(first->GetCount(), 1);
    EXPECT_EQ(first->FindControl(a), 0);
    EXPECT_EQ(first->GetAt(1), nullptr);
    first->Hide(false);
    EXPECT_FALSE(a->IsVisible());
    first->Show(false);
    EXPECT_TRUE(a->IsVisible());
    page->AddContainer(first);
    page->AddContainer(second);
    page->AddContainer(nullptr);
    EXPECT_EQ(page->GetActiveContainerIndex(), -1);
    page->SetActiveContainerIndex(1);
    EXPECT_EQ(page->GetActiveContainerIndex(), 1);
    EXPECT_TRUE(page->IsRedrawRequested());
    EXPECT_EQ(page->GetContianerByIndex(2), nullptr);
    EXPECT_EQ(page->GetContianerByIndex(0), first);
}  // the page deletes both (ASan shows a leak otherwise)

}  // namespace
