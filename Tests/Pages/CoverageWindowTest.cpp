// Coverage inside the real editor window, for both models: the plug-in's window over the remote
// synthesizer connected to the simulated instrument, every page of its four main tabs with their
// sub-pages (relinking pages walked over their range, every effect type in every slot of the three
// sound modes), and the window's own realtime knobs, knob groups and tempo field operated in every
// mode, with what they edit seen on the sections. One account of every row of every table follows:
// on a page, edited by the window, an alias, or allow-listed with its reason.
#include <cstdio>
#include <set>
#include <utility>

#include "Common/Model/Sections.h"
#include "Common/Pages/EffectEditLayer.h"
#include "Editor/WindowFixture.h"
#include "Pages/CoverageHarness.h"

using namespace QorX0;

namespace {

// Every row a section reports changed, until taken.
class ChangeRecorder final : public ISectionSink {
public:
    void OnSectionReinitialized(ISection*) override {}
    void OnSectionParamPropsChanged(ISection*, int) override {}
    void OnSectionParamChanged(ISection* section, int pid) override { changed.insert({section, pid}); }
    std::set<std::pair<ISection*, int>> changed;
};

constexpr int kEffectTypes = 90;

class WindowCoverageTest : public WindowTest::EditorWindow,
                           public testing::WithParamInterface<unsigned char> {
protected:
    void SetUp() override {
        model = GetParam();
        EditorWindow::SetUp();
    }
    void TearDown() override {
        for (ISection* s : advised) s->UnadviseSink(&recorder);
        EditorWindow::TearDown();
    }

    // Sections whose rows must be reached; the top-level ones are also watched for the window's edits.
    void Require(ISection* section, const std::string& table) {
        harness->RequireSection(section, table);
        if (section != nullptr && section->AdviseSink(&recorder)) advised.push_back(section);
    }
    void RequireSub(int kind, int pid, const std::string& table, const std::string& family) {
        ISection* sub = nullptr;
        ASSERT_TRUE(synth->GetEditBuffer(kind)->FindSectionByPID(pid, &sub)) << table;
        harness->RequireSection(sub, table, true, family);
    }

    // What the window does between two of its idle ticks, without waiting for the tick's timer.
    void Idle() {
        for (int round = 0; round < 2; ++round) {
            m_loop.RunPending();
            Editor()->OnIdle();
        }
    }
    void ToMode(int mode) {
        if (synth->GetMode() != mode) synth->PutMode(static_cast<unsigned char>(mode));
        ASSERT_TRUE(PumpUntil([&] { return synth->GetMode() == mode; }, 20000)) << "mode " << mode;
        Settle();
    }

    // The window's control with id (and sub) as the window's listener hears it; every row a section
    // reports changed after it is reached by that control.
    void Operate(int id, int sub, int value, const std::string& where) {
        CHfcControl* control = Root()->GetControlById(id, sub);
        ASSERT_NE(control, nullptr) << where;
        recorder.changed.clear();
        Root()->OnHfcCtrlIntValueChanged(control, value);
        Idle();
        for (const auto& [section, pid] : recorder.changed) harness->Reached(section, pid, where);
    }

    // The realtime knob groups, each knob of each group and the tempo field, in the current mode.
    void OperatePanel(const std::string& mode) {
        // Each press differs from the one before, so both page rows change whatever the start.
        for (int g : {1, 2, 0, 1, 2, 0})
            Operate(BackgroundLayer::kIdGroupSwitch, g, -1, mode + " knob group");
        Operate(BackgroundLayer::kIdGroupStep, 0, -1, mode + " knob group step");
        Operate(BackgroundLayer::kIdGroupStep, 0, 0, mode + " knob group step");
        for (int g = 0; g < 3; ++g) {
            Operate(BackgroundLayer::kIdGroupSwitch, g, -1, mode + " knob group");
            for (int k = 0; k < 4; ++k)
                for (int value : {0, 1})
                    Operate(BackgroundLayer::kIdKnob1 + k, 0, value,
                            mode + " knob " + std::to_string(k + 1) + " of group " + std::to_string(g));
        }
        for (int tempo : {100, 101}) Operate(BackgroundLayer::kIdTempo, 0, tempo, mode + " tempo field");
    }

    // Every page of a main tab, shown, collected, and the relinking ones walked over their range.
    void CollectTab(int tab, const std::string& name) {
        CTabControl* tabs = Root()->GetMainTab(tab);
        ASSERT_NE(tabs, nullptr) << name;
        for (int i = 0; i < tabs->GetTabPageCount(); ++i) {
            CTabPageLayer* page = tabs->GetTabPageLayer(i);
            tabs->SetActivePage(page, true);
            Idle();
            const std::string where = name + " " + std::to_string(i);
            harness->CollectWalking(page, where);
        }
    }

    // Every effect type in the slot's sub-page of a mode, as the window shows it.
    void CollectEffects(int mode, int page, int sublevel, int typePid, const std::string& table) {
        // The mode's sound arrives from the instrument first, so that no late dump rewrites a type.
        ToMode(mode);
        Root()->SelectEditTabPage(mode, page, sublevel);
        Idle();
        CTabPageLayer* host = Root()->GetMainTab(TabOf(mode))->GetTabPageLayer(page);
        ASSERT_NE(host, nullptr) << table;
        ASSERT_NE(host->GetSubTabControl(), nullptr) << table;
        auto* effect = dynamic_cast<EffectEditLayer*>(host->GetSubTabControl()->GetTabPageLayer(sublevel));
        ASSERT_NE(effect, nullptr) << table;
        ISection* section = synth->GetEditBuffer(mode);
        // Each type in turn is written and the page's rebuild for it awaited; starting from another
        // type makes every type a change the page must follow.
        const auto select = [&](int type) {
            const int before = effect->GetRebuildCount();
            section->PutParamIEx(typePid, type, kPutNotify);
            Idle();
            const auto rebuilt = [&] { return effect->GetRebuildCount() > before; };
            return rebuilt() || PumpUntil(rebuilt, 5000);
        };
        if (section->GetParamI(typePid) == 0) {
            ASSERT_TRUE(select(1)) << table << " type 1";
        }
        for (int type = 0; type < kEffectTypes; ++type) {
            ASSERT_TRUE(select(type)) << table << " type " << type;
            char name[40], family[8];
            std::snprintf(name, sizeof name, "%s/FX%02d", table.c_str(), type);
            std::snprintf(family, sizeof family, "FX%02d", type);
            harness->RequireSection(effect->GetFXSection(), name, true, family);
            harness->Collect(effect, table + " type " + std::to_string(type));
            ASSERT_EQ(section->GetParamI(typePid), type) << table << ": the type changed behind the walk";
        }
    }
    static int TabOf(int mode) {
        switch (mode) {
            case kModeCombiPlay:
            case kModeCombiEdit:
                return BackgroundLayer::kTabCombi;
            case kModeMulti:
                return BackgroundLayer::kTabMulti;
            case kModeGlobal:
                return BackgroundLayer::kTabGlobal;
            default:
                return BackgroundLayer::kTabProg;
        }
    }

    std::unique_ptr<CoverageHarness> harness;
    ChangeRecorder recorder;
    std::vector<ISection*> advised;
};

TEST_P(WindowCoverageTest, EveryRowOfEveryTableIsOnAPageEditedByTheWindowAnAliasOrAllowListed) {
    std::string error;
    const std::vector<CoverageAllowRow> allow = LoadCoverageAllowlist(error);
    ASSERT_TRUE(error.empty()) << error;
    Start();
    harness = std::make_unique<CoverageHarness>(model);

    Require(synth->GetEditBuffer(kModeProgPlay), "PROGPLAY");
    Require(synth->GetEditBuffer(kModeProgEdit), "PROGEDIT");
    Require(synth->GetEditBuffer(kModeCombiPlay), "COMBIPLAY");
    Require(synth->GetEditBuffer(kModeCombiEdit), "COMBIEDIT");
    Require(synth->GetEditBuffer(kModeMulti), "MULTI");
    Require(synth->GetGlobal(), "GLOBAL");
    Require(synth->GetDrumKits(), "DRUMKIT");
    Require(synth->GetArpPatterns(), "ARPPATTERN");
    Require(synth->GetSetup(), "SETUP");
    Require(synth->GetExtControls(), "EXTCONTROL");
    Require(synth->GetRealtimeControl(), "RTCTL");
    for (int i = 0; i < 8; ++i) {
        const std::string n = std::to_string(i + 1);
        RequireSub(kModeCombiPlay, i * 256, "COMBIPLAYTRK" + n, "COMBIPLAYTRK");
        RequireSub(kModeCombiEdit, (i + 1) * 256, "COMBITRK" + n, "COMBIEDITTRK");
        RequireSub(kModeCombiEdit, 0x1200 + i * 256, "COMBITONEADJ" + n, "TONEADJ");
    }
    for (int i = 0; i < 16; ++i) {
        const std::string n = std::to_string(i + 1);
        RequireSub(kModeMulti, (i + 1) * 256, "MULTITRK" + n, "MULTITRK");
        RequireSub(kModeMulti, 0x2B00 + i * 256, "MULTITONEADJ" + n, "TONEADJ");
    }

    CollectTab(BackgroundLayer::kTabProg, "program");
    CollectTab(BackgroundLayer::kTabCombi, "combination");
    CollectTab(BackgroundLayer::kTabMulti, "multi");
    CollectTab(BackgroundLayer::kTabGlobal, "global");

    // The effect slots: insert effect on one page, the two master effects on the next.
    struct Slots {
        int mode, ifxPage, typePids[3];
        const char* prefix;
    };
    const Slots slots[] = {{kModeProgEdit, 8, {0x1E00, 0x2000, 0x2001}, ""},
                           {kModeCombiEdit, 6, {0x0C00, 0x0E00, 0x0E01}, "COMBI"},
                           {kModeMulti, 6, {0x2500, 0x2700, 0x2701}, "MULTI"}};
    for (const Slots& s : slots) {
        CollectEffects(s.mode, s.ifxPage, 1, s.typePids[0], std::string(s.prefix) + "IFX");
        CollectEffects(s.mode, s.ifxPage + 1, 1, s.typePids[1], std::string(s.prefix) + "MFX1");
        CollectEffects(s.mode, s.ifxPage + 1, 2, s.typePids[2], std::string(s.prefix) + "MFX2");
    }

    const struct {
        int mode;
        const char* name;
    } modes[] = {{kModeProgPlay, "program play"},
                 {kModeProgEdit, "program edit"},
                 {kModeCombiPlay, "combination play"},
                 {kModeCombiEdit, "combination edit"},
                 {kModeMulti, "multi"},
                 {kModeGlobal, "global"}};
    for (const auto& m : modes) {
        ToMode(m.mode);
        OperatePanel(m.name);
    }

    CoverageHarness::Result result = harness->Evaluate("window", allow, true);
    const std::string account = harness->TableReport(CoverageHarness::AllTables(), result);
    std::printf("%s%s", account.c_str(), result.report.c_str());
    // Each oscillator's delay start is set on its Basic form.
    for (int pid : {0x020A, 0x0F0A}) {
        const auto it = result.status.find({"PROGEDIT", pid});
        const bool onPage = it != result.status.end() && it->second == CoverageHarness::Status::OnPage;
        std::printf("  %s  PROGEDIT 0x%04X DELAY START\n", onPage ? "on page" : "NOT ON A PAGE", pid);
        EXPECT_TRUE(onPage) << std::hex << pid;
    }
    // Every table is in the account, both models alike.
    EXPECT_NE(account.find(": 8218 rows, 897 captions, 25 template rows, 7296 parameter rows"),
              std::string::npos);
    EXPECT_TRUE(result.failures.empty())
        << result.failures.size()
        << " failures, first: " << (result.failures.empty() ? "" : result.failures[0]);
}

INSTANTIATE_TEST_SUITE_P(Models, WindowCoverageTest, testing::Values(kPmidTolva, kPmidNerimo),
                         [](const testing::TestParamInfo<unsigned char>& info) {
                             return info.param == kPmidTolva ? std::string("Tolva") : std::string("Nerimo");
                         });

}  // namespace
