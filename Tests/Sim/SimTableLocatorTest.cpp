// Parameter edits made in the editor's sections reach the simulated instrument as parameter changes
// and, through the locator built from the editor's tables, land in the instrument's image exactly
// where the editor wrote them: after every row of a section is edited, the two images agree.
#include <gtest/gtest.h>

#include <thread>

#include "Common/Link/SysexMessages.h"
#include "Common/Model/SoundSections.h"
#include "Support/SectionSet.h"
#include "Support/SimCore.h"
#include "Support/SimInstrument.h"
#include "Support/SimTableLocator.h"

using namespace QorX0;

namespace {

// Effect-type rows of the edit views: an effect's rows follow its type.
constexpr int kProgIfxType = 0x1E00, kCombiMfx2Type = 0x0E01;

bool IsEffectType(ISection* section, int pid) {
    for (const SOUNDRULES* r :
         {&CProgEditSectionImpl::kRules, &CCombiEditSectionImpl::kRules, &CMultiSectionImpl::kRules})
        for (int type : r->fxTypePid)
            if (pid == type && dynamic_cast<ISoundSection*>(section) != nullptr) return true;
    return false;
}

struct Target {
    const char* name;
    ISection* (*section)(SectionSet&);
    uint8_t simMode;
};

const Target kTargets[] = {
    {"program edit", [](SectionSet& s) -> ISection* { return &s.progEdit; }, Sim::Mode::ProgEdit},
    {"combination edit", [](SectionSet& s) -> ISection* { return &s.combiEdit; }, Sim::Mode::CombiEdit},
    {"multi", [](SectionSet& s) -> ISection* { return &s.multi; }, Sim::Mode::Multi},
    {"global", [](SectionSet& s) -> ISection* { return &s.global; }, Sim::Mode::Global},
    {"combination play", [](SectionSet& s) -> ISection* { return &s.combiPlay; }, Sim::Mode::CombiPlay},
    {"combination timbre", [](SectionSet& s) { return s.combiEdit.GetTrack()->GetAt(5); },
     Sim::Mode::CombiEdit},
    {"combination effect",
     [](SectionSet& s) {
         s.combiEdit.PutParamIEx(kCombiMfx2Type, 3, kPutSend | kPutNotify);
         return s.combiEdit.GetMFX2();
     },
     Sim::Mode::CombiEdit},
    {"program effect",
     [](SectionSet& s) {
         s.progEdit.PutParamIEx(kProgIfxType, 20, kPutSend | kPutNotify);
         return s.progEdit.GetIFX();
     },
     Sim::Mode::ProgEdit},
    {"multi track", [](SectionSet& s) { return s.multi.GetTrack()->GetAt(15); }, Sim::Mode::Multi},
    {"multi tone adjust", [](SectionSet& s) { return s.multi.GetToneAdj()->GetAt(2); }, Sim::Mode::Multi},
    {"drum kit",
     [](SectionSet& s) -> ISection* {
         s.kits.Select(39, 0);
         return &s.kits;
     },
     Sim::Mode::Global},
    {"arpeggio pattern",
     [](SectionSet& s) -> ISection* {
         s.patterns.Select(kArpPresetCount + 250, 0);
         return &s.patterns;
     },
     Sim::Mode::Global},
    {"external control",
     [](SectionSet& s) -> ISection* {
         s.exts.Select(63, 0);
         return &s.exts;
     },
     Sim::Mode::Global},
};

class SimTableLocatorRows : public ::testing::TestWithParam<std::tuple<Sim::Model, size_t>> {};

TEST_P(SimTableLocatorRows, EveryEditLandsWhereTheEditorWroteIt) {
    const Sim::Model model = std::get<0>(GetParam());
    const Target& target = kTargets[std::get<1>(GetParam())];
    SectionSet editor(static_cast<unsigned char>(model));
    const uint8_t* image = reinterpret_cast<const uint8_t*>(editor.host.GetRawChunk());

    // Choosing the item or an effect type changes more than one message says (the instrument does
    // the same on its own): both start from the editor's image after that.
    ISection* section = target.section(editor);
    Sim::SimCore sim(model, 0);
    sim.Image().CopyFrom(image, Sim::SimImage::kImageSize);
    sim.State().mode = target.simMode;
    sim.SetParamLocator(Sim::MakeTableLocator(model, &sim.Image()));
    editor.host.link.Clear();

    size_t sent = 0;
    for (int i = 0; i < section->GetParamCount(); ++i) {
        PARAMDESC d;
        if (!section->GetParamDescByIndex(static_cast<unsigned>(i), &d) || d.ptype < kPTypeCont ||
            PidNeverSent(d.pid) || (d.flags & kPFlagProtected) || d.minval == d.maxval)
            continue;
        const int value = section->GetParamI(d.pid) == d.maxval ? d.minval : d.maxval;
        editor.host.link.Clear();
        // A new effect type resets that effect's parameters on both sides (the editor does it as it
        // hears of the change); every other row is sent alone.
        section->PutParamIEx(d.pid, value, IsEffectType(section, d.pid) ? kPutSend | kPutNotify : kPutSend);
        for (const auto& msg : editor.host.link.Sent()) {
            sim.Receive(msg);
            ++sent;
            for (const Sim::Bytes& reply : sim.TakeMessages())
                EXPECT_EQ(reply[4], Sim::Code::LoadComplete) << target.name << " PID 0x" << std::hex << d.pid;
        }
    }
    EXPECT_GT(sent, 0u);
    const auto diffs = sim.CompareWithEditor(image, Sim::SimImage::kImageSize, false);
    EXPECT_TRUE(diffs.empty()) << Sim::FormatDiffs(diffs);
}

INSTANTIATE_TEST_SUITE_P(BothModels, SimTableLocatorRows,
                         ::testing::Combine(::testing::Values(Sim::Model::Tolva, Sim::Model::Nerimo),
                                            ::testing::Range<size_t>(0, std::size(kTargets))));

TEST(SimTableLocator, UnknownParametersAreRefusedSelectorsAcknowledged) {
    Sim::TableLocator locator(Sim::Model::Tolva);
    Sim::ParamTarget t;
    EXPECT_FALSE(locator.Locate({Sim::ParamKind::Sound, Sim::Mode::ProgEdit, 0x7F7F, 0, 0, 1}, &t));
    EXPECT_FALSE(locator.Locate({Sim::ParamKind::Sound, 5, 0x0000, 0, 0, 1}, &t));
    ASSERT_TRUE(locator.Locate({Sim::ParamKind::ExtControl, 0, 24, 3, 0, 0}, &t));
    EXPECT_FALSE(t.store);
    ASSERT_TRUE(locator.Locate({Sim::ParamKind::DrumKit, 0, 32, 3, 0, 0}, &t));
    EXPECT_FALSE(t.store);
}

// Changes arrive on whatever thread feeds the instrument; the locator runs there, under its lock.
TEST(SimTableLocatorThreaded, ChangesFromAnotherThreadAreStored) {
    SectionSet editor(kPmidNerimo);
    const auto* image = reinterpret_cast<const uint8_t*>(editor.host.GetRawChunk());
    Sim::SimInstrument sim(Sim::Model::Nerimo, 0);
    sim.With([&](Sim::SimCore& c) {
        c.Image().CopyFrom(image, Sim::SimImage::kImageSize);
        c.State().mode = Sim::Mode::ProgEdit;
        c.SetParamLocator(Sim::MakeTableLocator(c.GetModel(), &c.Image()));
    });
    PARAMDESC d{};
    int pid = -1;
    for (int i = 0; i < editor.progEdit.GetParamCount() && pid < 0; ++i)
        if (editor.progEdit.GetParamDescByIndex(static_cast<unsigned>(i), &d) && d.ptype == kPTypeCont &&
            !PidNeverSent(d.pid) && d.atype == kATypeUBF8 && d.maxval > 0)
            pid = d.pid;
    ASSERT_GE(pid, 0);
    std::thread feeder([&] {
        for (int v = 0; v < 20; ++v) {
            const SXMessage m = SXParamChange(0, Sim::Mode::ProgEdit, pid, v % (d.maxval + 1));
            sim.Deliver(m.bytes, m.length);
        }
    });
    feeder.join();
    ASSERT_TRUE(sim.WaitIdle());
    const int last = 19 % (d.maxval + 1);
    editor.progEdit.PutParamIEx(pid, last, 0);
    const auto diffs = sim.With([&](Sim::SimCore& c) {
        EXPECT_EQ(c.ParamChanges().size(), 20u);
        return c.CompareWithEditor(image, Sim::SimImage::kImageSize, false);
    });
    EXPECT_TRUE(diffs.empty()) << Sim::FormatDiffs(diffs);
}

}  // namespace
