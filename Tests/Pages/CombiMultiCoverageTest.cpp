// Coverage of the combination and multi pages, for both models: every row of the combination play
// and edit sections, of each timbre and track, of each tone adjust, and every row of every effect
// type in the three effect slots of both modes on a page, an alias or allow-listed.
#include <gtest/gtest.h>

#include <cstdio>

#include "Common/Model/Sections.h"
#include "Common/Pages/CombiMultiLayerBase.h"
#include "Common/Pages/EffectEditLayer.h"
#include "Pages/CoverageHarness.h"
#include "Pages/PagesFixture.h"

using namespace QorX0;

namespace {

class CombiMultiCoverageTest : public PagesFixture, public testing::WithParamInterface<unsigned char> {
protected:
    void SetUp() override {
        model = GetParam();
        PagesFixture::SetUp();
    }
    void RequireSub(CoverageHarness& h, int kind, int pid, const std::string& table) {
        ISection* sub = nullptr;
        ASSERT_TRUE(synth->GetEditBuffer(kind)->FindSectionByPID(pid, &sub)) << table;
        h.RequireSection(sub, table, true);
    }
};

struct Mode {
    const char* name;
    int tab;
    int kind;
    int columns;
    int toneAdjust;  // the first tone adjust's PIDs
    int effectTypes[3];
};
constexpr Mode kModes[] = {
    {"combination", kEditTabCombi, kModeCombiEdit, 8, 0x1200, {0x0C00, 0x0E00, 0x0E01}},
    {"multi", kEditTabMulti, kModeMulti, 16, 0x2B00, {0x2500, 0x2700, 0x2701}}};
constexpr int kEffectTypes = 90;

TEST_P(CombiMultiCoverageTest, EveryCombinationAndMultiRowIsOnAPageAnAliasOrAllowListed) {
    std::string error;
    const std::vector<CoverageAllowRow> allow = LoadCoverageAllowlist(error);
    ASSERT_TRUE(error.empty()) << error;

    for (const Mode& m : kModes) {
        SCOPED_TRACE(m.name);
        CoverageHarness harness(model);
        const std::string prefix = m.kind == kModeMulti ? "MULTI" : "COMBI";
        if (m.kind == kModeCombiEdit) {
            harness.RequireSection(synth->GetEditBuffer(kModeCombiPlay), "COMBIPLAY");
            for (int i = 0; i < 8; ++i)
                RequireSub(harness, kModeCombiPlay, i * 256, "COMBIPLAYTRK" + std::to_string(i + 1));
        }
        harness.RequireSection(synth->GetEditBuffer(m.kind), m.kind == kModeMulti ? "MULTI" : "COMBIEDIT");
        for (int i = 0; i < m.columns; ++i) {
            RequireSub(harness, m.kind, (i + 1) * 256, prefix + "TRK" + std::to_string(i + 1));
            RequireSub(harness, m.kind, m.toneAdjust + i * 256, prefix + "TONEADJ" + std::to_string(i + 1));
        }
        std::vector<CTabPageLayer*> pages;
        for (int i = 0; i < EditPageCount(m.tab); ++i) pages.push_back(AdoptCatalogued(m.tab, i));
        for (int i = 0; i < EditPageCount(m.tab); ++i) {
            ShowPage(pages[static_cast<size_t>(i)]);
            // Both groups of tracks are collected: links do not depend on what is shown.
            harness.Collect(pages[static_cast<size_t>(i)], std::string(m.name) + " " + std::to_string(i));
        }

        // The effect sub-pages: slot 0 on the insert-effect page, 1 and 2 on the master-effect page.
        ISection* section = synth->GetEditBuffer(m.kind);
        const struct {
            const char* name;
            int page, tab;
        } slots[] = {{"IFX", 6, 1}, {"MFX1", 7, 1}, {"MFX2", 7, 2}};
        for (int s = 0; s < 3; ++s) {
            auto* host = static_cast<EditTabPageLayerBase*>(pages[static_cast<size_t>(slots[s].page)]);
            ShowPage(host);
            host->SetActiveSublevelTabIndex(slots[s].tab, true);
            Tick();
            auto* effect =
                dynamic_cast<EffectEditLayer*>(host->GetSubTabControl()->GetTabPageLayer(slots[s].tab));
            ASSERT_NE(effect, nullptr) << slots[s].name;
            for (int type = 0; type < kEffectTypes; ++type) {
                const int before = effect->GetRebuildCount();
                section->PutParamIEx(m.effectTypes[s], (type + 1) % kEffectTypes, kPutNotify);
                Tick();
                section->PutParamIEx(m.effectTypes[s], type, kPutNotify);
                Tick();
                ASSERT_GT(effect->GetRebuildCount(), before) << slots[s].name << " type " << type;
                char table[40];
                std::snprintf(table, sizeof table, "%s%s/FX%02d", prefix.c_str(), slots[s].name, type);
                harness.RequireSection(effect->GetFXSection(), table, true);
                harness.Collect(effect, std::string(slots[s].name) + " type " + std::to_string(type));
            }
        }

        const CoverageHarness::Result result = harness.Evaluate(m.name, allow);
        std::printf("%s", result.report.c_str());
        EXPECT_TRUE(result.failures.empty())
            << result.failures.size()
            << " failures, first: " << (result.failures.empty() ? "" : result.failures[0]);
    }
}

INSTANTIATE_TEST_SUITE_P(Models, CombiMultiCoverageTest, testing::Values(kPmidTolva, kPmidNerimo),
                         [](const testing::TestParamInfo<unsigned char>& info) {
                             return info.param == kPmidTolva ? std::string("Tolva") : std::string("Nerimo");
                         });

}  // namespace
