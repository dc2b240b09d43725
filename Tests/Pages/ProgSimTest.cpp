// The program pages over the real remote synthesizer against the simulated instrument: an edit on
// each page reaches the instrument's data, and an effect type chosen on the instrument's panel lays
// the effect sub-page out again.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "Common/Model/Sections.h"
#include "Common/Pages/EffectEditLayer.h"
#include "Common/Pages/ProgPages.h"
#include "Common/Model/SoundSections.h"
#include "Pages/PagesFixture.h"
#include "Support/SimPageFixture.h"

using namespace QorX0;

namespace {

class ProgSimTest : public SimPageFixture, public testing::WithParamInterface<unsigned char> {
protected:
    void SetUp() override {
        SimPageFixture::SetUp();
        MakeSynced(GetParam(), kModeProgEdit);
        ASSERT_TRUE(host.Start(window.get()));
        for (int i = 0; i < EditPageCount(kEditTabProg); ++i)
            program.push_back(host.AdoptCatalogued(synth.get(), kEditTabProg, i));
        Idle();
    }
    void TearDown() override {
        host.Stop();
        SimPageFixture::TearDown();
    }
    // What arrives from the instrument is handled, then the window's idle runs.
    void Idle() {
        Settle();
        host.Tick();
    }

    PageHost host;
    std::vector<CTabPageLayer*> program;
};

TEST_P(ProgSimTest, AnEditOnEachPageChangesTheInstrumentsData) {
    // How the control reports the wanted value: plainly, as a slide switch (which runs opposite to
    // its parameter over three positions) or as a switch press (which toggles).
    enum Report { kPlain, kSlide, kPress };
    // What to ask for, from the value before: a fixed value; the row's far end (its maximum, or its
    // minimum when already there); anything but 1; or the other switch state.
    enum Want { kFixed, kFarEnd, kNotOne, kToggle };
    struct Case {
        int page;
        int control;  // the control's id
        Report report;
        Want want;
        int kind, pid, value;
    };
    const Case cases[] = {
        {1, 0x0001, kSlide, kNotOne, kModeProgEdit, 0x0001, 0},
        {1, 0x0001, kSlide, kFixed, kModeProgEdit, 0x0001, 1},  // two oscillators: oscillator 2 in use
        {0, 0x0003, kPlain, kFarEnd, kModeProgPlay, 0x0003, 0},
        {2, 0x050D, kPlain, kFixed, kModeProgEdit, 0x050D, 64},
        {3, 0x0302, kPlain, kFixed, kModeProgEdit, 0x0302, 20},
        {4, 0x0700, kPlain, kFixed, kModeProgEdit, 0x0700, 33},
        {5, 0x1400, kPlain, kFixed, kModeProgEdit, 0x1400, 45},  // oscillator 2's cutoff
        {6, 0x0B00, kPlain, kFixed, kModeProgEdit, 0x0B00, 77},
        {7, 0x1D02, kPlain, kFarEnd, kModeProgEdit, 0x1D02, 0},
        {8, 0x0E03, kPlain, kFixed, kModeProgEdit, 0x0E03, 90},
        {9, 0x2002, kPress, kToggle, kModeProgEdit, 0x2002, 0},
    };
    // Whatever the instrument's data and the editor's already differ in (outside these edits).
    const std::string baseline = Sim::FormatDiffs(Diffs(false));
    for (const Case& c : cases) {
        CTabPageLayer* page = program[static_cast<size_t>(c.page)];
        host.ShowPage(page);
        CHfcControl* control = page->GetControlById(c.control, 0);
        ASSERT_NE(control, nullptr) << c.page;
        ISection* section = page->GetParamSection(c.kind, c.pid);
        ASSERT_NE(section, nullptr);
        PARAMDESC desc{};
        ASSERT_TRUE(section->GetParamDesc(c.pid, &desc));
        const int before = section->GetParamI(c.pid);
        int wanted = c.value;
        if (c.want == kFarEnd) wanted = before == desc.maxval ? desc.minval : desc.maxval;
        if (c.want == kNotOne) wanted = before == 0 ? 2 : 0;
        if (c.want == kToggle) wanted = before ? 0 : 1;
        ASSERT_NE(before, wanted) << "page " << c.page << ": the edit must change something";
        int report = wanted;
        if (c.report == kSlide) report = 2 - wanted;
        if (c.report == kPress) report = static_cast<int>(0x80000000u | static_cast<unsigned>(before));
        const size_t changes = sim->With([](Sim::SimCore& s) { return s.ParamChanges().size(); });
        control->GetListener()->OnHfcCtrlIntValueChanged(control, report);
        Idle();
        EXPECT_EQ(section->GetParamI(c.pid), wanted) << "page " << c.page;
        const auto received = sim->With([&](Sim::SimCore& s) {
            return std::vector<Sim::ParamChange>(s.ParamChanges().begin() + static_cast<long>(changes),
                                                 s.ParamChanges().end());
        });
        ASSERT_EQ(received.size(), 1u) << "page " << c.page;
        EXPECT_EQ(received[0].pid, c.pid) << "page " << c.page;
        EXPECT_EQ(received[0].value, wanted) << "page " << c.page;
        EXPECT_EQ(Sim::FormatDiffs(Diffs(false)), baseline) << "page " << c.page << ": the instrument's data";
        if (c.report == kPlain) {
            EXPECT_EQ(control->GetIntValue(), wanted) << "page " << c.page;
        }
    }
}

TEST_P(ProgSimTest, EachOscillatorsDelayStartIsSetOnItsBasicForm) {
    CTabPageLayer* basic = program[1];
    host.ShowPage(basic);
    ISection* section = basic->GetParamSection(kModeProgEdit, 0x020A);
    ASSERT_NE(section, nullptr);
    section->PutParamI(0x0001, 1);  // two oscillators: oscillator 2's rows are sent
    Idle();
    const std::string baseline = Sim::FormatDiffs(Diffs(false));
    const struct {
        int sublevel, pid, value;
    } cases[] = {{1, 0x020A, 1234}, {2, 0x0F0A, 5001}, {1, 0x020A, 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.pid);
        host.ShowSublevel(static_cast<EditTabPageLayerBase*>(basic), c.sublevel);
        auto* form = dynamic_cast<QnSynthLayer*>(basic->GetSubTabControl()->GetTabPageLayer(c.sublevel));
        ASSERT_NE(form, nullptr);
        ASSERT_TRUE(form->IsVisible());
        CHfcControl* control = form->GetControlById(c.pid, 0);
        ASSERT_NE(control, nullptr);
        EXPECT_EQ(form->GetParameterIdByControl(control).pid, c.pid);
        control->GetListener()->OnHfcCtrlIntValueChanged(control, c.value);
        Idle();
        EXPECT_EQ(section->GetParamI(c.pid), c.value);
        EXPECT_EQ(control->GetIntValue(), c.value);
        const auto last = sim->With([](Sim::SimCore& s) { return s.ParamChanges().back(); });
        EXPECT_EQ(last.pid, c.pid);
        EXPECT_EQ(last.value, c.value);
        EXPECT_EQ(Sim::FormatDiffs(Diffs(false)), baseline) << "the instrument's data";
    }
}

TEST_P(ProgSimTest, ANewEffectTypeStartsFromItsInitialParametersOnBothSides) {
    // Whatever the instrument's data and the editor's already differ in (outside these edits).
    const std::string baseline = Sim::FormatDiffs(Diffs(false));
    const struct {
        int page, pid, type;
    } cases[] = {{8, 0x1E00, 33}, {9, 0x2000, 52}, {9, 0x2001, 12}, {8, 0x1E00, 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.pid);
        CTabPageLayer* page = program[static_cast<size_t>(c.page)];
        host.ShowPage(page);
        CHfcControl* selector = page->GetControlById(c.pid, 0);
        ASSERT_NE(selector, nullptr);
        selector->GetListener()->OnHfcCtrlIntValueChanged(selector, c.type);  // a pick in the effect browser
        Idle();
        EXPECT_EQ(page->GetParamValue(kModeProgEdit, c.pid), c.type);
        EXPECT_EQ(Sim::FormatDiffs(Diffs(false)), baseline) << "the instrument's data";
    }
}

TEST_P(ProgSimTest, AnEffectTypeChosenOnTheInstrumentLaysTheSubPageOut) {
    auto* insert = dynamic_cast<ProgInsertFXLayer*>(program[8]);
    ASSERT_NE(insert, nullptr);
    host.ShowPage(insert);
    host.ShowSublevel(insert, 1);
    EffectEditLayer* effect = insert->GetEffectPage();
    auto* fx = dynamic_cast<CFXSectionImpl*>(effect->GetFXSection());
    ASSERT_NE(fx, nullptr);
    for (int type : {33, 52}) {
        const int before = effect->GetRebuildCount();
        ASSERT_TRUE(sim->With([&](Sim::SimCore& s) {
            return s.PanelParamChange({Sim::ParamKind::Sound, Sim::Mode::ProgEdit, 0x1E00, 0, 0, type});
        }));
        Idle();
        EXPECT_EQ(static_cast<int>(fx->GetFXType()), type);
        EXPECT_EQ(effect->GetRebuildCount(), before + 1) << type;
        // The page now holds one linked control per parameter row of the new table.
        int rows = 0, linked = 0;
        for (int i = 0; i < fx->GetParamCount(); ++i) {
            PARAMDESC d{};
            if (fx->GetParamDescByIndex(static_cast<unsigned>(i), &d) && d.ptype >= kPTypeCont) ++rows;
        }
        std::vector<CHfcControl*> controls;
        effect->GetControlVec(controls);
        for (CHfcControl* control : controls)
            linked += effect->GetParameterIdByControl(control).section == fx;
        EXPECT_EQ(linked, rows) << type;
        EXPECT_GT(rows, 0);
        auto* selector = insert->GetControlById(0x1E00, 0);
        ASSERT_NE(selector, nullptr);
        EXPECT_EQ(selector->GetIntValue(), type) << "the type selector follows";
    }
}

INSTANTIATE_TEST_SUITE_P(Models, ProgSimTest, testing::Values(kPmidTolva, kPmidNerimo),
                         [](const testing::TestParamInfo<unsigned char>& info) {
                             return info.param == kPmidTolva ? std::string("Tolva") : std::string("Nerimo");
                         });

}  // namespace
