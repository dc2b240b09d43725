// The effect sub-page: its layout from the slot's parameter table, rebuilds on type changes, and
// letting go of the mouse and the key focus before its controls are thrown away.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "Common/Controls/QnDropdownList.h"
#include "Common/Controls/QnSimpleControls.h"
#include "Common/Controls/XBCtrlValueBar.h"
#include "Common/Model/ParamDesc.h"
#include "Common/Model/Sections.h"
#include "Common/Pages/EffectEditLayer.h"
#include "Common/Pages/ProgPages.h"
#include "Hfc/Core/HfcCtrlSwitch.h"
#include "Hfc/Core/HfcInput.h"
#include "Pages/PagesFixture.h"

using namespace QorX0;

namespace {

// An effect section over a table the test writes: descriptors copied from real effect rows of each
// kind (so that converters and ranges are real), with the names, units and kinds the test wants.
class FakeFXSection : public ISection {
public:
    std::vector<PARAMDESC> rows;
    std::vector<std::string> names, units;
    std::vector<ISectionSink*> sinks;

    void Add(const PARAMDESC& like, int ptype, const std::string& name, const std::string& unit) {
        PARAMDESC d = like;
        d.ptype = ptype;
        d.pid = 0x1F00 + static_cast<int>(rows.size());
        names.push_back(name);
        units.push_back(unit);
        rows.push_back(d);
    }
    bool AdviseSink(ISectionSink* sink) override {
        if (std::find(sinks.begin(), sinks.end(), sink) != sinks.end()) return false;
        sinks.push_back(sink);
        return true;
    }
    bool UnadviseSink(ISectionSink* sink) override {
        auto it = std::find(sinks.begin(), sinks.end(), sink);
        if (it == sinks.end()) return false;
        sinks.erase(it);
        return true;
    }
    int GetParamCount() override { return static_cast<int>(rows.size()); }
    int GetParamIDByIndex(unsigned i) override { return i < rows.size() ? rows[i].pid : -1; }
    int GetIndexByParamID(int pid) override {
        for (size_t i = 0; i < rows.size(); ++i)
            if (rows[i].pid == pid) return static_cast<int>(i);
        return -1;
    }
    bool GetParamDescByIndex(unsigned i, PARAMDESC* out) override {
        if (i >= rows.size()) return false;
        *out = rows[i];
        out->name = names[i].c_str();
        out->unit = units[i].c_str();
        return true;
    }
    bool GetParamDesc(int pid, PARAMDESC* out) override {
        const int i = GetIndexByParamID(pid);
        return i >= 0 && GetParamDescByIndex(static_cast<unsigned>(i), out);
    }
    int GetParamI(int pid) override { return GetIndexByParamID(pid) >= 0 ? rows[0].minval : 0; }
    int PutParamI(int pid, int value) override { return PutParamIEx(pid, value, kPutPlain); }
    int PutParamIEx(int, int value, unsigned) override {
        ++writes;
        return value;
    }
    std::string GetParamS(int) override { return ""; }
    std::string PutParamS(int, const char*) override { return ""; }
    std::string PutParamSEx(int, const char*, unsigned) override { return ""; }
    unsigned RawSize() override { return 0; }
    unsigned RawGet(void*, unsigned, unsigned) override { return 0; }
    unsigned RawPut(const void*, unsigned, unsigned) override { return 0; }
    int writes = 0;
};

class FakeEffectPage : public EffectEditLayer {
public:
    FakeEffectPage(IRemoteSynth* synth, ISection* fx) : EffectEditLayer(synth, kModeProgEdit, 0), m_fx(fx) {}
    ISection* GetFXSection() const override { return m_fx; }

private:
    ISection* m_fx;
};

class EffectEditTest : public PagesFixture {
protected:
    // A real row of that kind from the insert effect's current table.
    PARAMDESC RealRow(int ptype) {
        ISection* fx = synth->GetEditBuffer(kModeProgEdit)->GetIFX();
        for (int type = 0; type < 90; ++type) {
            synth->GetEditBuffer(kModeProgEdit)->PutParamIEx(0x1E00, type, kPutNotify);
            for (int i = 0; i < fx->GetParamCount(); ++i) {
                PARAMDESC d{};
                if (fx->GetParamDescByIndex(static_cast<unsigned>(i), &d) && d.ptype == ptype) return d;
            }
        }
        ADD_FAILURE() << "no effect row of kind " << ptype;
        return PARAMDESC{};
    }
    EffectEditLayer* Place(EffectEditLayer* page) {
        EXPECT_TRUE(page->Create(window));
        tabs->AddTabPageLayer(window, page);
        Keep(page);
        return page;
    }
    static std::vector<QnStaticText*> Labels(CTabPageLayer* page) {
        std::vector<CHfcControl*> controls;
        page->GetControlVec(controls);
        std::vector<QnStaticText*> labels;
        for (CHfcControl* c : controls)
            if (auto* l = dynamic_cast<QnStaticText*>(c)) labels.push_back(l);
        return labels;
    }
    // Outlives the pages, which leave its observers when the fixture destroys them.
    FakeFXSection fake;
    static QnStaticText* LabelWithText(CTabPageLayer* page, const std::string& text) {
        for (QnStaticText* l : Labels(page))
            if (l->GetText() == text) return l;
        return nullptr;
    }
};

TEST_F(EffectEditTest, ALineFeedCaptionStartsTheNextColumn) {
    FakeFXSection& fx = fake;
    const PARAMDESC bar = RealRow(kPTypeCont), list = RealRow(kPTypeList), sw = RealRow(kPTypeSwitch);
    const PARAMDESC* kinds[] = {&bar, &list, &sw, &bar, &bar, &list};
    for (int i = 0; i < 6; ++i) fx.Add(*kinds[i], kinds[i]->ptype, "P" + std::to_string(i), "");
    fx.Add(bar, kPTypeCaption, "\n", "");
    for (int i = 0; i < 5; ++i) fx.Add(bar, kPTypeCont, "Q" + std::to_string(i), "");
    auto* page = Place(new FakeEffectPage(synth.get(), &fx));
    ShowPage(page);
    page->OnEffetcTypeChanged(0);
    Tick();

    struct Expect {
        const char* label;
        int labelX, labelY;
        int pid;  // the row's control, -1 none
        int controlX, controlY;
    };
    const Expect expected[] = {
        {"P0", 8, 8, 0x1F00, 78, 10},     {"P1", 8, 28, 0x1F01, 78, 30},    {"P2", 26, 48, 0x1F02, 8, 50},
        {"P3", 8, 68, 0x1F03, 78, 70},    {"P4", 8, 88, 0x1F04, 78, 90},    {"P5", 8, 108, 0x1F05, 78, 110},
        {"Q0", 194, 8, 0x1F07, 264, 10},  {"Q1", 194, 28, 0x1F08, 264, 30}, {"Q2", 194, 48, 0x1F09, 264, 50},
        {"Q3", 194, 68, 0x1F0A, 264, 70}, {"Q4", 194, 88, 0x1F0B, 264, 90},
    };
    for (const Expect& e : expected) {
        QnStaticText* label = LabelWithText(page, e.label);
        ASSERT_NE(label, nullptr) << e.label;
        EXPECT_EQ(label->GetRect().left, e.labelX) << e.label;
        EXPECT_EQ(label->GetRect().top, e.labelY) << e.label;
        CHfcControl* control = page->GetControlById(e.pid, 0);
        ASSERT_NE(control, nullptr) << e.label;
        EXPECT_EQ(control->GetRect().left, e.controlX) << e.label;
        EXPECT_EQ(control->GetRect().top, e.controlY) << e.label;
        EXPECT_EQ(page->GetParameterIdByControl(control).pid, e.pid);
    }
    EXPECT_NE(dynamic_cast<CXBCtrlHorizontalValueBar*>(page->GetControlById(0x1F00, 0)), nullptr);
    EXPECT_NE(dynamic_cast<QnDropdownList*>(page->GetControlById(0x1F01, 0)), nullptr);
    EXPECT_NE(dynamic_cast<CHfcCtrlSwitch*>(page->GetControlById(0x1F02, 0)), nullptr);
    QnStaticText* caption = LabelWithText(page, "\n");
    ASSERT_NE(caption, nullptr) << "the column break keeps its caption label";
    EXPECT_EQ(caption->GetRect().left, 8);
    EXPECT_EQ(caption->GetRect().top, 128);
}

TEST_F(EffectEditTest, LabelsShowTheUnitInBracketsAndStringsGetNoControl) {
    FakeFXSection& fx = fake;
    const PARAMDESC bar = RealRow(kPTypeCont), str = RealRow(kPTypeCont);
    fx.Add(bar, kPTypeCont, "Depth", "");
    fx.Add(bar, kPTypeCont, "Gain", "dB");
    fx.Add(str, kPTypeString, "Title", "");
    fx.Add(bar, kPTypeCaption, "Section", "");
    auto* page = Place(new FakeEffectPage(synth.get(), &fx));
    ShowPage(page);
    page->OnEffetcTypeChanged(0);
    Tick();
    EXPECT_NE(LabelWithText(page, "Depth"), nullptr);
    EXPECT_NE(LabelWithText(page, "Gain[dB]"), nullptr);
    EXPECT_NE(LabelWithText(page, "Title"), nullptr);
    EXPECT_EQ(page->GetControlById(0x1F02, 0), nullptr) << "a string row has a label only";
    QnStaticText* section = LabelWithText(page, "Section");
    ASSERT_NE(section, nullptr);
    EXPECT_EQ(section->GetRect().right - section->GetRect().left, 155);
    EXPECT_EQ(page->GetControlById(0x1F03, 0), nullptr);
}

class ProgEffectPagesTest : public EffectEditTest {
protected:
    void SetUp() override {
        EffectEditTest::SetUp();
        insert = static_cast<ProgInsertFXLayer*>(AdoptCatalogued(kEditTabProg, 8));
        ShowPage(insert);
        host.ShowSublevel(insert, 1);
        effect = insert->GetEffectPage();
        ASSERT_NE(effect, nullptr);
        ASSERT_TRUE(effect->IsVisible());
    }
    ISection* Prog() { return synth->GetEditBuffer(kModeProgEdit); }
    // The first label of the laid-out page: the first row's name.
    std::string FirstRowName() {
        ISection* fx = effect->GetFXSection();
        PARAMDESC d{};
        for (int i = 0; i < fx->GetParamCount(); ++i)
            if (fx->GetParamDescByIndex(static_cast<unsigned>(i), &d) && d.ptype != kPTypeCaption)
                return d.name;
        return "";
    }
    ProgInsertFXLayer* insert = nullptr;
    EffectEditLayer* effect = nullptr;
};

TEST_F(ProgEffectPagesTest, SeveralTypeChangesBetweenTwoIdlesRebuildOnce) {
    const int before = effect->GetRebuildCount();
    for (int type : {3, 11, 27}) Prog()->PutParamIEx(0x1E00, type, kPutNotify);
    Tick();
    EXPECT_EQ(effect->GetRebuildCount(), before + 1);
    EXPECT_EQ(static_cast<int>(dynamic_cast<CFXSectionImpl*>(effect->GetFXSection())->GetFXType()), 27);
    EXPECT_NE(LabelWithText(effect, FirstRowName()), nullptr) << "laid out for the last type";
    Tick();
    EXPECT_EQ(effect->GetRebuildCount(), before + 1) << "no rebuild without a change";
}

TEST_F(ProgEffectPagesTest, ARebuildLetsGoOfTheMouseAndTheKeyFocusFirst) {
    // The user drags a bar of the sub-page (mouse captured) and has typed into it (key focus) when the
    // instrument changes the effect type.
    Prog()->PutParamIEx(0x1E00, 12, kPutNotify);
    Tick();
    CXBCtrlHorizontalValueBar* bar = nullptr;
    std::vector<CHfcControl*> controls;
    effect->GetControlVec(controls);
    for (CHfcControl* c : controls)
        if ((bar = dynamic_cast<CXBCtrlHorizontalValueBar*>(c))) break;
    ASSERT_NE(bar, nullptr);
    CHfcMouse* mouse = CHfcMouse::GetInstance();
    mouse->SetCapture(bar, window);
    ASSERT_TRUE(bar->SetFocus(0));
    ASSERT_TRUE(bar->IsFocused());
    const int pid = effect->GetParameterIdByControl(bar).pid;
    ISection* fx = effect->GetFXSection();
    Prog()->PutParamIEx(0x1E00, 40, kPutNotify);
    const int newValue = fx->GetParamI(pid);
    const unsigned sentBefore = synth->sections.host.link.count;
    Tick();
    EXPECT_NE(mouse->GetCapture(), static_cast<CHfcMouseListener*>(bar))
        << "capture still on a deleted control";
    EXPECT_EQ(mouse->GetCapture(), nullptr);
    EXPECT_FALSE(window->IsFocused(bar));
    CHfcKey* key = CHfcKey::GetInstance();
    EXPECT_NE(key->GetListener(), static_cast<CHfcKeyListener*>(bar));
    EXPECT_EQ(fx->GetParamI(pid), newValue) << "nothing of the old bar written into the new table";
    EXPECT_EQ(synth->sections.host.link.count, sentBefore);
    // The window goes on delivering input without a dangling target.
    window->OnHfcMouseMoveGlobal(mouse, 10, 10, 0);
}

TEST_F(ProgEffectPagesTest, AnEndedAuditionOrANewSoundLaysThePageOutAgain) {
    int before = effect->GetRebuildCount();
    synth->BeginAudition(AUDCTX_SOUNDPICK);
    synth->EndAudition(false);
    Tick();
    EXPECT_EQ(effect->GetRebuildCount(), before + 1) << "audition ended";
    before = effect->GetRebuildCount();
    synth->FireCurSoundChanged(SOUNDINDEX{0, 3});
    Tick();
    EXPECT_EQ(effect->GetRebuildCount(), before + 1) << "current sound changed";
}

}  // namespace
