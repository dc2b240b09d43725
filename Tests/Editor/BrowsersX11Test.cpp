// The sound browser and the write dialog in the editor window, on the headless screen and then on a
// private Xvfb with XTest input: auditioning by clicks, Cancel and OK; the dialog opened from the
// Utility menu, writing the edit buffer to a slot through the bank's menu, a typed number and the
// question. The instrument is the simulated one; after every data move its memory equals the
// editor's image, and what the server shows equals the headless render at every step.
#include <X11/keysym.h>

#include <cstring>

#include "Common/Controls/QnDropdownList.h"
#include "Common/Editor/BlueBrowser.h"
#include "Common/Editor/WriteBrowser.h"
#include "Common/QnUtils/QnUtils.h"
#include "Editor/BrowserItems.h"
#include "Editor/WindowX11Fixture.h"
#include "Hfc/Core/HfcCtrlCharEditText.h"

using namespace WindowTest;
using QorX0::SOUNDINDEX;

namespace {

// Exclusive function codes of every dump kind.
constexpr uint8_t kDumpCodes[] = {
    Sim::Code::CurProgDump,    Sim::Code::ProgDump,       Sim::Code::CurCombiDump, Sim::Code::CombiDump,
    Sim::Code::CurMultiDump,   Sim::Code::MultiDump,      Sim::Code::GlobalDump,   Sim::Code::DrumKitDump,
    Sim::Code::ArpPatternDump, Sim::Code::ExtControlDump, Sim::Code::AllDump};

class BrowsersOnX : public EditorWindowOnX {
protected:
    void SetUp() override {
        EditorWindowOnX::SetUp();
        UseRealDialogs();
    }

    // The editor on the instrument's first memory with an edit buffer that is no longer its slot's:
    // a one-program file of the current program, renamed and under category 7, loaded into it in
    // program edit mode (the instrument takes a program's edit buffer only there).
    void StartEdited() {
        StartOnFirstMemory();
        if (HasFatalFailure()) return;
        synth->PutMode(QorX0::kModeProgEdit);
        Settle();
        QnUtils::SetCurSoundCategory(synth, QorX0::kModeProgPlay, 7);
        synth->GetEditBuffer(QorX0::kModeProgPlay)->PutParamS(0xFF00, "Edited Lead");
        const std::string file = m_dir + "/edited.X1prog";
        ASSERT_TRUE(synth->SaveFile(file.c_str(), QorX0::FTYPE_PROG, 0));
        ASSERT_TRUE(synth->LoadFile(file.c_str(), 0));
        Settle();
        Open();
    }

    BlueBrowserBase* BrowserPage(int index) {
        return dynamic_cast<BlueBrowserBase*>(Root()->GetBrowserTab()->GetTabPageLayer(index));
    }
    void ClickOn(CHfcWindowLayer* layer, CHfcControl* control) {
        ASSERT_NE(control, nullptr);
        const tagHfcRect& l = layer->GetRect();
        const tagHfcRect& c = control->GetRect();
        Click(l.left + (c.left + c.right) / 2, l.top + (c.top + c.bottom) / 2);
    }
    // Clicks item i of the page's list (scrolled into view first) and lets the window follow.
    void ClickItem(BlueBrowserBase* page, int i) {
        const tagHfcPoint p = BrowserItemPoint(page, i);
        Click(p.x, p.y);
        Settle();
    }
    SOUNDINDEX ItemSound(BlueBrowserBase* page, int i) { return BrowserItemSound(page, i); }
    int SimSound() {
        m_sim->WaitIdle();
        return m_sim->With([](Sim::SimCore& c) { return c.State().progBank * 128 + c.State().progNumber; });
    }
    // What the instrument received: program changes, bank selects and dumps.
    struct Traffic {
        int programChanges = 0, bankSelects = 0, dumps = 0;
    };
    Traffic Received() {
        m_sim->WaitIdle();
        return m_sim->With([](Sim::SimCore& c) {
            Traffic t;
            for (const Sim::TimedBytes& m : c.ReceivedMessages()) {
                const Sim::Bytes& b = m.bytes;
                if (b.empty()) continue;
                t.programChanges += (b[0] & 0xF0) == 0xC0;
                t.bankSelects += b.size() == 3 && (b[0] & 0xF0) == 0xB0 && (b[1] == 0 || b[1] == 0x20);
                if (b[0] == 0xF0 && b.size() > 4)
                    for (uint8_t code : kDumpCodes) t.dumps += b[4] == code;
            }
            return t;
        });
    }

    // S4: three sounds auditioned by clicks, Cancel; two more and OK; the large page with a category
    // filter, its audition ended by a mode switch.
    void SoundBrowserScenario(Shots& shots) {
        StartEdited();
        if (HasFatalFailure()) return;
        BlueBrowserBase* small = BrowserPage(1);
        ASSERT_NE(small, nullptr);
        ASSERT_TRUE(small->IsVisible());
        ExpectImageEqual("opened");
        const int start = SimSound();
        const auto saved = EditorImage();
        ClearLogs();
        for (int i : {3, 4, 5}) ClickItem(small, i);
        EXPECT_TRUE(synth->GetAuditionState()) << Backend();
        const Traffic audition = Received();
        EXPECT_EQ(audition.programChanges, 3) << Backend();
        EXPECT_GE(audition.bankSelects, 3) << Backend();
        EXPECT_EQ(audition.dumps, 0) << Backend() << ": an audition plays stored sounds, it sends none";
        const SOUNDINDEX third = ItemSound(small, 5);
        EXPECT_EQ(SimSound(), third.bank * 128 + third.number) << Backend();
        Take(shots, "s4-auditioning");

        // Cancel: the sound before, with the edit buffer it had.
        ClickOn(small, small->GetControlById(BlueBrowserBase::kIdCancel, 0));
        Settle();
        EXPECT_FALSE(synth->GetAuditionState()) << Backend();
        EXPECT_EQ(SimSound(), start) << Backend();
        EXPECT_EQ(m_sim->With([](Sim::SimCore& c) { return c.Image().RecordName(Sim::Area::CurProgram, 0); }),
                  "Edited Lead")
            << Backend();
        ExpectImageEqual("after Cancel");
        EXPECT_EQ(0, std::memcmp(EditorImage()->Bytes(), saved->Bytes(), sizeof *saved)) << Backend();
        Take(shots, "s4-cancelled");

        // OK: the last sound stays.
        ClickItem(small, 7);
        ClickItem(small, 9);
        const SOUNDINDEX kept = ItemSound(small, 9);
        ClickOn(small, small->GetControlById(BlueBrowserBase::kIdOK, 0));
        Settle();
        EXPECT_FALSE(synth->GetAuditionState()) << Backend();
        EXPECT_EQ(synth->GetCurSound().bank * 128 + synth->GetCurSound().number,
                  kept.bank * 128 + kept.number);
        EXPECT_EQ(SimSound(), kept.bank * 128 + kept.number) << Backend();
        ExpectImageEqual("after OK");
        Take(shots, "s4-kept");

        // The large page: a category chosen there filters its list, a click shows the sound's
        // assignments, and a mode switch ends the audition.
        const tagHfcRect strip = Root()->GetBrowserTab()->GetRect();
        Click(strip.left + ArtGeometry::kBrowserTabWidth / 2, strip.top + ArtGeometry::kBrowserTabHeight / 2);
        Settle();
        auto* big = dynamic_cast<BigBlueBrowserLayer*>(BrowserPage(0));
        ASSERT_NE(big, nullptr);
        ASSERT_TRUE(big->IsVisible()) << Backend();
        ClickOn(big, big->GetCategorySwitch(2));
        Settle();
        EXPECT_EQ(big->GetData()->GetCategoryFilter(), 1) << Backend();
        ASSERT_GT(big->GetList()->GetNumItems(), 1) << Backend();
        ClickItem(big, 1);
        EXPECT_TRUE(synth->GetAuditionState()) << Backend();
        const SOUNDINDEX s = ItemSound(big, 1);
        EXPECT_NE(big->GetInfoText(BlueBrowserBase::kIdInfoFirst)
                      .find(QnUtils::GetProgramName(synth, QorX0::kModeProgPlay, s.bank, s.number)),
                  std::string::npos)
            << Backend();
        Take(shots, "s4-large-page");
        ClickControl(BackgroundLayer::kIdModeSwitch, BackgroundLayer::kTabCombi);
        Settle();
        EXPECT_FALSE(synth->GetAuditionState()) << Backend();
        EXPECT_EQ(m_sim->With([](Sim::SimCore& c) { return c.State().mode; }), Sim::Mode::CombiPlay)
            << Backend();
        CloseEffect();
    }

    WriteBrowser* WritePage() {
        CTabControl* tab = Root() != nullptr ? Root()->GetModalTab() : nullptr;
        return tab != nullptr ? dynamic_cast<WriteBrowser*>(tab->GetTabPageLayer(0)) : nullptr;
    }
    static std::string Trimmed(const void* text) {
        std::string s = text != nullptr ? static_cast<const char*>(text) : "";
        while (!s.empty() && s.back() == ' ') s.pop_back();
        return s;
    }

    // S9: "Write Program" from the Utility menu; the write dialog proposes the edit buffer's name and
    // category; bank B from its menu, "7" typed; OK to "Are you sure?" writes the buffer to B007.
    void WriteScenario(Shots& shots) {
        StartEdited();
        if (HasFatalFailure()) return;
        ChooseFromUtility("Write Program", shots, "s9-utility-menu");
        ASSERT_TRUE(PumpUntil([&] { return WritePage() != nullptr; }, 5000)) << Backend();
        Pump(100);
        WriteBrowser* page = WritePage();
        CHfcControl* name = page->GetControlById(WriteBrowser::kIdName, 0);
        auto* number = static_cast<CHfcCtrlCharEditText*>(page->GetControlById(WriteBrowser::kIdNumber, 0));
        auto* bank = static_cast<QnDropdownList*>(page->GetControlById(WriteBrowser::kIdBank, 0));
        EXPECT_EQ(Trimmed(name->GetPtrValue()), "Edited Lead") << Backend();
        EXPECT_EQ(page->GetControlById(WriteBrowser::kIdCategory, 0)->GetIntValue(), 7) << Backend();
        ASSERT_EQ(bank->GetIntValue(), 0) << Backend();
        Take(shots, "s9-write-proposed");

        // The bank's menu: one down from A, chosen with Return.
        const tagHfcRect& l = page->GetRect();
        const tagHfcRect& b = bank->GetRect();
        auto chosen = WhenReady([] { return HfcModalCount() > 0; },
                                [this] {
                                    RawKey(XK_Down);
                                    RawKey(XK_Return);
                                });
        Press(l.left + (b.left + b.right) / 2, l.top + (b.top + b.bottom) / 2);
        EXPECT_TRUE(PumpUntil([&] { return *chosen && HfcModalCount() == 0; }, 40000)) << Backend();
        Release();
        DropScheduled();
        EXPECT_EQ(bank->GetIntValue(), 1) << Backend();
        // The number typed into its field.
        ASSERT_TRUE(number->EnterEdit(""));
        TypeText("7");
        Key(XK_Return);
        std::string line = "007 " + QnUtils::GetProgramName(synth, QorX0::kModeProgPlay, 1, 7);
        EXPECT_EQ(Trimmed(number->GetPtrValue()), Trimmed(line.c_str())) << Backend();
        Take(shots, "s9-write-destination");

        // Save, and OK to the question.
        std::unique_ptr<CHfcBmp> question;
        auto answered = WhenReady(&DialogUp, [&] {
            question = TopShot();
            RawRelease();
            RawClickDialogButton("OK");
        });
        CHfcControl* save = page->GetControlById(WriteBrowser::kIdSave, 0);
        const tagHfcRect& s = save->GetRect();
        boxes.clear();
        m_askPerson = true;
        Press(l.left + (s.left + s.right) / 2, l.top + (s.top + s.bottom) / 2);
        EXPECT_TRUE(PumpUntil([&] { return *answered && HfcModalCount() == 0; }, 40000)) << Backend();
        m_askPerson = false;
        DropScheduled();
        EXPECT_EQ(boxes, std::vector<std::string>{"Tolva Plug-In Editor / Are you sure?"}) << Backend();
        Keep(shots, "s9-are-you-sure", std::move(question));
        EXPECT_TRUE(PumpUntil([&] { return Root()->GetModalLayer() == nullptr; }, 5000)) << Backend();
        Settle();
        ExpectImageEqual("after the write");
        auto image = EditorImage();
        const bool same = m_sim->With([&](Sim::SimCore& c) {
            return std::memcmp(c.Image().Record(Sim::Area::Program, 128 + 7), image->curprogram,
                               sizeof image->curprogram) == 0;
        });
        EXPECT_TRUE(same) << Backend() << ": B007 must hold the edit buffer";
        EXPECT_EQ(
            m_sim->With([](Sim::SimCore& c) { return c.Image().RecordName(Sim::Area::Program, 128 + 7); }),
            "Edited Lead")
            << Backend();
        Take(shots, "s9-written");
        CloseEffect();
    }
};

}  // namespace

TEST_F(BrowsersOnX, SoundBrowserAuditionShowsOnTheServerAsItRendersHeadless) {
    OnBothBackends([this](Shots& shots) { SoundBrowserScenario(shots); });
}

TEST_F(BrowsersOnX, WriteDialogShowsOnTheServerAsItRendersHeadless) {
    OnBothBackends([this](Shots& shots) { WriteScenario(shots); });
}
