// Coverage of the global pages, for both models: every row of the global record, the drum kits, the
// arpeggio patterns, the editor's setup and the external-control sets on a page (after walking every
// key, step, tone, scale and octave the pages relink to), an alias, or allow-listed with its reason.
#include <gtest/gtest.h>

#include <cstdio>

#include "Common/Model/Sections.h"
#include "Pages/CoverageHarness.h"
#include "Pages/PagesFixture.h"

using namespace QorX0;

namespace {

class GlobalCoverageTest : public PagesFixture, public testing::WithParamInterface<unsigned char> {
protected:
    void SetUp() override {
        model = GetParam();
        PagesFixture::SetUp();
    }
};

TEST_P(GlobalCoverageTest, EveryGlobalRowIsOnAPageAnAliasOrAllowListed) {
    std::string error;
    const std::vector<CoverageAllowRow> allow = LoadCoverageAllowlist(error);
    ASSERT_TRUE(error.empty()) << error;

    CoverageHarness harness(model);
    harness.RequireSection(synth->GetGlobal(), "GLOBAL");
    harness.RequireSection(synth->GetDrumKits(), "DRUMKIT");
    harness.RequireSection(synth->GetArpPatterns(), "ARPPATTERN");
    harness.RequireSection(synth->GetSetup(), "SETUP");
    harness.RequireSection(synth->GetExtControls(), "EXTCONTROL");
    for (int i = 0; i < EditPageCount(kEditTabGlobal); ++i) {
        CTabPageLayer* page = AdoptCatalogued(kEditTabGlobal, i);
        ShowPage(page);
        const std::string where = "global " + std::to_string(i);
        harness.CollectWalking(page, where);
    }
    const CoverageHarness::Result result = harness.Evaluate("global", allow);
    std::printf("%s", result.report.c_str());
    EXPECT_TRUE(result.failures.empty())
        << result.failures.size() << " failures, first: " << result.failures[0];
}

INSTANTIATE_TEST_SUITE_P(Models, GlobalCoverageTest, testing::Values(kPmidTolva, kPmidNerimo),
                         [](const testing::TestParamInfo<unsigned char>& info) {
                             return info.param == kPmidTolva ? std::string("Tolva") : std::string("Nerimo");
                         });

}  // namespace
