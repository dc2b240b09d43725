// Coverage of the program pages, for both models: every row of the program play and program edit
// sections on a page, an alias or allow-listed, and every row of every effect type in every slot of
// the program's effects laid out on the effect sub-page.
#include <gtest/gtest.h>

#include <cstdio>

#include "Common/Model/Sections.h"
#include "Common/Pages/EffectEditLayer.h"
#include "Common/Pages/ProgPages.h"
#include "Pages/CoverageHarness.h"
#include "Pages/PagesFixture.h"

using namespace QorX0;

namespace {

class ProgCoverageTest : public PagesFixture, public testing::WithParamInterface<unsigned char> {
protected:
    void SetUp() override {
        model = GetParam();
        PagesFixture::SetUp();
    }
};

// The effect sub-page of slot on the program's effect pages, and the tab index it sits at.
struct Slot {
    const char* name;
    int page;  // program page index
    int tab;   // sublevel index
    int typePid;
};
constexpr Slot kSlots[] = {{"IFX", 8, 1, 0x1E00}, {"MFX1", 9, 1, 0x2000}, {"MFX2", 9, 2, 0x2001}};
constexpr int kEffectTypes = 90;

TEST_P(ProgCoverageTest, EveryProgramRowIsOnAPageAnAliasOrAllowListed) {
    std::string error;
    const std::vector<CoverageAllowRow> allow = LoadCoverageAllowlist(error);
    ASSERT_TRUE(error.empty()) << error;

    CoverageHarness harness(model);
    harness.RequireSection(synth->GetEditBuffer(kModeProgPlay), "PROGPLAY");
    harness.RequireSection(synth->GetEditBuffer(kModeProgEdit), "PROGEDIT");
    std::vector<CTabPageLayer*> program;
    for (int i = 0; i < EditPageCount(kEditTabProg); ++i) program.push_back(AdoptCatalogued(kEditTabProg, i));
    for (int i = 0; i < EditPageCount(kEditTabProg); ++i) {
        ShowPage(program[static_cast<size_t>(i)]);
        harness.Collect(program[static_cast<size_t>(i)], "program " + std::to_string(i));
    }

    ISection* prog = synth->GetEditBuffer(kModeProgEdit);
    for (const Slot& slot : kSlots) {
        auto* host = static_cast<EditTabPageLayerBase*>(program[static_cast<size_t>(slot.page)]);
        ShowPage(host);
        host->SetActiveSublevelTabIndex(slot.tab, true);
        Tick();
        auto* effect = dynamic_cast<EffectEditLayer*>(host->GetSubTabControl()->GetTabPageLayer(slot.tab));
        ASSERT_NE(effect, nullptr) << slot.name;
        for (int type = 0; type < kEffectTypes; ++type) {
            const int before = effect->GetRebuildCount();
            // Start from another type, so that every type is a change the page must follow.
            prog->PutParamIEx(slot.typePid, (type + 1) % kEffectTypes, kPutNotify);
            Tick();
            prog->PutParamIEx(slot.typePid, type, kPutNotify);
            Tick();
            ASSERT_GT(effect->GetRebuildCount(), before) << slot.name << " type " << type;
            char table[32];
            std::snprintf(table, sizeof table, "%s/FX%02d", slot.name, type);
            harness.RequireSection(effect->GetFXSection(), table, true);
            harness.Collect(effect, std::string(slot.name) + " type " + std::to_string(type));
        }
    }

    const CoverageHarness::Result result = harness.Evaluate("program", allow);
    std::printf("%s", result.report.c_str());
    EXPECT_TRUE(result.failures.empty())
        << result.failures.size() << " failures, first: " << result.failures[0];
}

INSTANTIATE_TEST_SUITE_P(Models, ProgCoverageTest, testing::Values(kPmidTolva, kPmidNerimo),
                         [](const testing::TestParamInfo<unsigned char>& info) {
                             return info.param == kPmidTolva ? std::string("Tolva") : std::string("Nerimo");
                         });

TEST(CoverageAllowlistTest, BadLinesAreNamedAndGoodOnesRead) {
    struct Case {
        const char* text;
        bool ok;
    };
    const Case cases[] = {
        {"# comment\n\nboth\tPROGEDIT\t0x0016\tshown by the realtime knobs\n", true},
        {"tolva\tPROGEDIT\t16\treason\n", true},
        {"both PROGEDIT 0x0016 spaces are no tabs\n", false},
        {"all\tPROGEDIT\t0x0016\treason\n", false},
        {"both\tPROGEDIT\tzz\treason\n", false},
        {"both\tPROGEDIT\t0x0016\t\n", false},
    };
    for (const Case& c : cases) {
        std::string error;
        const auto rows = ParseCoverageAllowlist(c.text, error);
        EXPECT_EQ(error.empty(), c.ok) << c.text << error;
        if (c.ok) {
            ASSERT_EQ(rows.size(), 1u);
            EXPECT_EQ(rows[0].pid, 0x16);
        } else {
            EXPECT_NE(error.find("line"), std::string::npos) << error;
        }
    }
}

}  // namespace
