// The sound browsers over the real synthesizer and the simulated instrument: audition by clicks,
// OK keeps, Cancel and Escape go back, filters shared by both pages.
#include <gtest/gtest.h>

#include <memory>

#include "Common/Controls/MMPCtrlList.h"
#include "Common/Controls/QnDropdownList.h"
#include "Common/Editor/BlueBrowser.h"
#include "Common/Model/Banks.h"
#include "Editor/BrowserFixture.h"
#include "Editor/BrowserItems.h"
#include "Hfc/Core/HfcCtrlSwitch.h"
#include "Hfc/Core/HfcPopupMenu.h"

namespace {

using QorX0::SOUNDINDEX;

class BrowserSound : public BrowserFixture {
protected:
    void Open() {
        MakeSynced();
        data = std::make_unique<BlueBrowserData>(synth.get());
        ASSERT_TRUE(data->Advise());
        onTick = [this] { data->OnIdle(); };
        MakeTabs(ArtGeometry::kBrowserTabX, ArtGeometry::kBrowserTabY, "Tab_BlueBrowser_Browser");
        big = static_cast<BigBlueBrowserLayer*>(
            Adopt(NewBlueBrowserPage(data.get(), true), "Background_BlueBrowser_Large"));
        small = static_cast<SmallBlueBrowserLayer*>(
            Adopt(NewBlueBrowserPage(data.get(), false), "Background_BlueBrowser_Small"));
        data->AddBrowser(big);
        data->AddBrowser(small);
        tabs->SetActivePageByIndex(1, true);
        Tick();
        ASSERT_GT(small->GetList()->GetNumItems(), 20);
    }
    void TearDown() override {
        if (data) data->RemoveAllBrowsers();
        DropTabs();
        if (data) data->Unadvise();
        data.reset();
        BrowserFixture::TearDown();
    }
    // Clicks item i of the page's list on the screen (scrolled into view first).
    void ClickItem(BlueBrowserBase* page, int i) {
        const tagHfcPoint p = BrowserItemPoint(page, i);
        ClickAt(p.x, p.y);
        Tick();
    }
    SOUNDINDEX ItemSound(BlueBrowserBase* page, int i) { return BrowserItemSound(page, i); }
    int ProgramChanges() {
        sim->WaitIdle();
        return sim->With([](Sim::SimCore& c) {
            int n = 0;
            for (const Sim::TimedBytes& m : c.ReceivedMessages())
                n += !m.bytes.empty() && (m.bytes[0] & 0xF0) == 0xC0;
            return n;
        });
    }
    SOUNDINDEX SimSound() {
        sim->WaitIdle();
        return sim->With([](Sim::SimCore& c) {
            return SOUNDINDEX{c.State().progBank, c.State().progNumber};
        });
    }

    std::unique_ptr<BlueBrowserData> data;
    BigBlueBrowserLayer* big = nullptr;
    SmallBlueBrowserLayer* small = nullptr;
};

TEST_F(BrowserSound, ClicksAuditionOnlyByProgramChangeAndCancelGoesBack) {
    Open();
    ExpectImageEqual("opened");
    const SOUNDINDEX start = synth->GetCurSound();
    auto saved = Image();
    sim->With([](Sim::SimCore& c) { c.ClearLogs(); });
    for (int i : {3, 4, 5}) ClickItem(small, i);
    EXPECT_TRUE(synth->GetAuditionState());
    EXPECT_EQ(ProgramChanges(), 3);
    const SOUNDINDEX last = ItemSound(small, 5);
    EXPECT_EQ(SimSound().number, last.number);
    EXPECT_TRUE(small->GetControlById(BlueBrowserBase::kIdOK, 0)->IsEnabled());
    Shot("small_browser_auditioning");
    ClickOn(small, small->GetControlById(BlueBrowserBase::kIdCancel, 0));
    Tick();
    EXPECT_FALSE(synth->GetAuditionState());
    EXPECT_EQ(synth->GetCurSound().number, start.number);
    EXPECT_EQ(SimSound().number, start.number);
    EXPECT_FALSE(small->GetControlById(BlueBrowserBase::kIdOK, 0)->IsEnabled());
    ExpectImageEqual("after cancel");
    auto now = Image();
    EXPECT_EQ(0, std::memcmp(now->Bytes(), saved->Bytes(), sizeof *now))
        << "cancel must restore the editor's image";
}

TEST_F(BrowserSound, OKKeepsTheLastSoundAndEscapeCancels) {
    Open();
    ClickItem(small, 7);
    ClickItem(small, 9);
    const SOUNDINDEX last = ItemSound(small, 9);
    ClickOn(small, small->GetControlById(BlueBrowserBase::kIdOK, 0));
    Tick();
    EXPECT_FALSE(synth->GetAuditionState());
    EXPECT_EQ(synth->GetCurSound().bank, last.bank);
    EXPECT_EQ(synth->GetCurSound().number, last.number);
    EXPECT_EQ(SimSound().number, last.number);
    EXPECT_EQ(data->GetAuditionIndex().bank, 255);
    ExpectImageEqual("after OK");

    Tick();
    ClickItem(small, 12);
    ASSERT_TRUE(synth->GetAuditionState());
    // Escape in a control of the page (the key focus is the list).
    small->GetList()->OnHfcKeyDown(nullptr, 27, 27, 0);
    Tick();
    EXPECT_FALSE(synth->GetAuditionState());
    EXPECT_EQ(synth->GetCurSound().number, last.number);
    ExpectImageEqual("after Escape");

    // Escape pressed on the keyboard: a click on a sound gives the page the keys.
    Tick();
    ClickItem(small, 14);
    ASSERT_TRUE(synth->GetAuditionState());
    screen.Key(27, 27);
    Tick();
    EXPECT_FALSE(synth->GetAuditionState());
    EXPECT_EQ(synth->GetCurSound().number, last.number);
    ExpectImageEqual("after Escape on the keyboard");
}

TEST_F(BrowserSound, LargePageOKSwitchesBackToTheSmallPageAndShowsAssignments) {
    Open();
    tabs->SetActivePageByIndex(0, true);
    Tick();
    EXPECT_EQ(big->GetInfoText(1007), "UNSELECTED");
    ClickItem(big, 30);
    const SOUNDINDEX s = ItemSound(big, 30);
    const std::string name = QnUtils::GetProgramName(synth.get(), 2, s.bank, s.number);
    EXPECT_NE(big->GetInfoText(1007).find(name), std::string::npos) << big->GetInfoText(1007);
    EXPECT_EQ(big->GetInfoText(1008).rfind("SW1 ", 0), 0u);
    EXPECT_EQ(big->GetInfoText(1010).rfind("Knob1B ", 0), 0u);
    // The small page shows the same pick.
    EXPECT_EQ(small->GetList()->GetSelectedItemIndex() >= 0, true);
    Shot("large_browser_auditioning");
    ClickOn(big, big->GetControlById(BlueBrowserBase::kIdOK, 0));
    Tick();
    Tick();
    EXPECT_EQ(tabs->GetActiveIndex(), 1);
    EXPECT_EQ(synth->GetCurSound().number, s.number);
}

TEST_F(BrowserSound, AFilterChosenOnOnePageShowsOnTheOtherAndHidingThePickEndsTheAudition) {
    Open();
    ClickItem(small, 2);
    ASSERT_TRUE(synth->GetAuditionState());
    const SOUNDINDEX picked = ItemSound(small, 2);
    QorX0::ISound* sound = synth->GetAllSounds(2)->GetAt(picked.bank)->GetAt(picked.number);
    const int other = (GetCategory(2, sound) + 1) % 16;
    small->OnHfcCtrlIntValueChanged(small->GetCategoryControl(), other);
    EXPECT_EQ(big->GetCategorySwitch(other + 1)->GetIntValue(), 1);
    EXPECT_EQ(big->GetCategorySwitch(0)->GetIntValue(), 0);
    Tick();
    for (BlueBrowserBase* page : {static_cast<BlueBrowserBase*>(small), static_cast<BlueBrowserBase*>(big)}) {
        CMMPCtrlList* list = page->GetList();
        for (int i = 0; i < list->GetNumItems(); ++i) {
            const SOUNDINDEX s = ItemSound(page, i);
            EXPECT_EQ(GetCategory(2, synth->GetAllSounds(2)->GetAt(s.bank)->GetAt(s.number)), other);
        }
    }
    EXPECT_FALSE(synth->GetAuditionState());
    EXPECT_FALSE(small->GetControlById(BlueBrowserBase::kIdOK, 0)->IsEnabled());
    ExpectImageEqual("after the filter hid the pick");
    // Bank filter on the large page: switch i is bank i - 1.
    tabs->SetActivePageByIndex(0, true);
    Tick();
    ClickOn(big, big->GetBankSwitch(2));
    EXPECT_EQ(data->GetBankFilter(), 1);
    EXPECT_EQ(small->GetBankControl()->GetIntValue(), 1);
    Tick();
    Shot("small_browser_filtered");
}

// The small page's dropdowns show "ALL" at first, and each entry of their menus is the filter it
// names: "ALL" none, the first bank (or category) 0, the next 1.
TEST_F(BrowserSound, TheSmallPagesDropdownsShowAllAndTheirEntriesAreTheFiltersTheyName) {
    Open();
    struct Case {
        QnDropdownList* control;
        int (BlueBrowserData::*filter)() const;
    };
    for (const Case& c : {Case{small->GetCategoryControl(), &BlueBrowserData::GetCategoryFilter},
                          Case{small->GetBankControl(), &BlueBrowserData::GetBankFilter}}) {
        std::string shown;
        c.control->GetItemText(shown, c.control->ItemOfValue(c.control->GetIntValue()));
        EXPECT_EQ(shown, "ALL") << c.control->GetId();
        for (int entry : {1, 2, 0}) {
            std::vector<std::string> offered;
            HfcSetPopupMenuHook([&](const HfcPopupMenuRequest& r) {
                for (const auto& item : r.items) offered.push_back(item.text);
                return entry + 1;
            });
            ClickOn(small, c.control);
            Tick();
            HfcSetPopupMenuHook(nullptr);
            ASSERT_GT(offered.size(), 2u);
            EXPECT_EQ(offered[0], "ALL");
            EXPECT_EQ((data.get()->*c.filter)(), entry - 1) << c.control->GetId() << " " << offered[entry];
            c.control->GetItemText(shown, c.control->ItemOfValue(c.control->GetIntValue()));
            EXPECT_EQ(shown, offered[entry]) << c.control->GetId();
        }
    }
}

TEST_F(BrowserSound, AModeChangeCancelsTheAuditionAndResetsTheFilters) {
    Open();
    small->OnHfcCtrlIntValueChanged(small->GetBankControl(), 2);
    Tick();
    ClickItem(small, 1);
    ASSERT_TRUE(synth->GetAuditionState());
    synth->PutMode(0);
    Settle();
    data->OnIdle();
    Tick();
    EXPECT_FALSE(synth->GetAuditionState());
    EXPECT_EQ(data->GetBankFilter(), -1);
    EXPECT_EQ(data->GetCategoryFilter(), -1);
    // Combinations now.
    EXPECT_EQ(synth->GetSoundMode(), 0);
    Tick();
    EXPECT_EQ(small->GetList()->GetNumItems(), static_cast<int>(synth->GetAllSounds(0)->GetCount()) * 128);
}

struct ScrollCase {
    int items, rows, columns, maximum;
};
class BrowserScroll : public ::testing::TestWithParam<ScrollCase> {};
TEST_P(BrowserScroll, MaximumNeverBelowZero) {
    const ScrollCase& c = GetParam();
    EXPECT_EQ(BrowserScrollMaximum(c.items, c.rows, c.columns), c.maximum);
}
INSTANTIATE_TEST_SUITE_P(Cases, BrowserScroll,
                         ::testing::Values(ScrollCase{70, 23, 3, 1}, ScrollCase{40, 23, 3, 0},
                                           ScrollCase{100, 22, 1, 78}, ScrollCase{5, 22, 1, 0},
                                           ScrollCase{0, 23, 3, 0}));

TEST(BrowserNames, OnlyWhatTheInstrumentCanShowAndAtMostSixteen) {
    EXPECT_EQ(InstrumentName("Grand Piano"), "Grand Piano");
    EXPECT_EQ(InstrumentName("A name of twenty ch"), "A name of twenty");
    EXPECT_EQ(InstrumentName("Caf\xC3\xA9 Noir\t!"), "Caf Noir!");
    EXPECT_EQ(InstrumentName(nullptr), "");
}

}  // namespace
