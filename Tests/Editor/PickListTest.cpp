// The pick-list browsers over the real synthesizer and the simulated instrument: each pick written
// and auditioned, OK keeps the pick, Cancel and Escape put the sound back; filters and captions.
#include <gtest/gtest.h>

#include <cstring>

#include "Common/Controls/MMPCtrlList.h"
#include "Common/Controls/QnDropdownList.h"
#include "Common/Editor/Browsers.h"
#include "Common/Editor/PickList.h"
#include "Common/Model/Banks.h"
#include "Editor/BrowserFixture.h"
#include "Hfc/Core/HfcCtrlSwitch.h"

namespace {

constexpr int kCombiEdit = 1;
constexpr int kTimbre1Program = 0x100;

class PickList : public BrowserFixture {
protected:
    // Combination edit with the timbre-1 program browser open as a modal page.
    void Open(int type = 0, int kind = kCombiEdit, int pid = kTimbre1Program) {
        MakeSynced();
        synth->PutMode(1);
        Settle();
        ASSERT_EQ(synth->GetMode(), 1);
        MakeTabs(ArtGeometry::kBrowserTabX, ArtGeometry::kBrowserTabY, "Tab_RedBrowser_LoadProgram");
        page = static_cast<RedBrowserBase*>(
            Adopt(NewPickListBrowser(type, synth.get(), kind, pid), "Background_RedBrowser"));
        ASSERT_NE(page, nullptr);
        page->DoModal();
        Tick();
        log.Clear();
    }
    void ClickItem(int i) {
        CMMPCtrlList* list = page->GetList();
        list->AutoScroll(i, 0);
        Tick();
        tagHfcPoint p{};
        list->ViewIndexToPoint(&p, list->IndexToViewIndex(i));
        ClickAt(page->GetRect().left + p.x + 20, page->GetRect().top + p.y + 5);
        Tick();
    }
    int Timbre1() {
        QorX0::ISection* timbre = nullptr;
        if (!synth->GetEditBuffer(kCombiEdit)->FindSectionByPID(kTimbre1Program, &timbre)) return -1;
        return timbre->GetParamI(kTimbre1Program);
    }
    // The timbre's program, after the simulator's memory was compared with the editor's image.
    int SimTimbre1() {
        ExpectImageEqual("timbre program");
        return Timbre1();
    }

    RedBrowserBase* page = nullptr;
};

TEST_F(PickList, PicksAreWrittenUnderOneAuditionAndOKKeepsTheLast) {
    Open();
    const int start = Timbre1();
    EXPECT_EQ(page->GetStartingValue(), start);
    ASSERT_GE(page->GetList()->GetSelectedItemIndex(), 0) << "the starting value is shown";
    ClickItem(3);
    ClickItem(6);
    const int picked = page->GetList()->GetItem(6)->m_user1;
    EXPECT_EQ(log.Count("aud 1"), 1);
    EXPECT_EQ(Timbre1(), picked);
    Shot("picklist_program");
    ClickOn(page, page->GetOKSwitch());
    Tick();
    EXPECT_FALSE(page->IsModal());
    EXPECT_FALSE(synth->GetAuditionState());
    EXPECT_EQ(Timbre1(), picked) << "OK keeps the pick";
    ExpectImageEqual("after OK");
}

// How a pick list ends without OK: Cancel, Escape in its list, the page destroyed, or Escape pressed
// on the keyboard (the page holds the keys while it is up).
class PickListDiscard : public PickList, public ::testing::WithParamInterface<int> {};

TEST_P(PickListDiscard, PutsTheSoundBack) {
    const int way = GetParam();
    Open();
    auto saved = Image();
    const int start = Timbre1();
    ClickItem(4);
    ClickItem(9);
    ASSERT_NE(Timbre1(), start);
    if (way == 0) ClickOn(page, page->GetControlById(RedBrowserBase::kIdCancel, 0));
    if (way == 1) page->GetList()->OnHfcKeyDown(nullptr, 27, 27, 0);
    if (way == 3) screen.Key(27, 27);
    if (way != 2) {
        EXPECT_FALSE(page->IsModal());
    }
    DropTabs();
    Settle();
    EXPECT_FALSE(synth->GetAuditionState());
    EXPECT_EQ(SimTimbre1(), start);
    auto now = Image();
    EXPECT_EQ(0, std::memcmp(now->Bytes(), saved->Bytes(), sizeof *now));
}
INSTANTIATE_TEST_SUITE_P(Ways, PickListDiscard, ::testing::Values(0, 1, 2, 3));

TEST_F(PickList, OKWithNothingPickedKeepsThePageOpen) {
    Open();
    for (int i = 0; i < page->GetList()->GetNumItems(); ++i) page->GetList()->GetItem(i)->SetSelected(false);
    ClickOn(page, page->GetOKSwitch());
    Tick();
    EXPECT_TRUE(page->IsModal());
}

TEST_F(PickList, BankAndCategoryFiltersAndAFilterHidingThePick) {
    Open();
    auto* programs = static_cast<LoadProgramBrowser*>(page);
    ClickItem(2);
    ASSERT_TRUE(synth->GetAuditionState());
    programs->SetFilters(5, 2);
    Tick();
    QorX0::IBankList* banks = synth->GetAllSounds(2);
    int expected = 0;
    for (unsigned j = 0; j < banks->GetAt(2)->GetCount(); ++j)
        expected += GetCategory(2, banks->GetAt(2)->GetAt(j)) == 5;
    EXPECT_EQ(page->GetList()->GetNumItems(), expected);
    for (int i = 0; i < page->GetList()->GetNumItems(); ++i) {
        const int v = page->GetList()->GetItem(i)->m_user1;
        EXPECT_EQ(v / 128, 2);
        EXPECT_EQ(GetCategory(2, banks->GetAt(2)->GetAt(v % 128)), 5);
    }
    EXPECT_FALSE(synth->GetAuditionState()) << "the pick left the list";
    EXPECT_FALSE(page->GetOKSwitch()->IsEnabled());
    programs->SetFilters(-1, -1);
    Tick();
    EXPECT_EQ(page->GetList()->GetSelectedItemIndex(), -1) << "ALL again restores the list, not the pick";
    ExpectImageEqual("after the filters");
}

TEST_F(PickList, EffectCategoriesCoverTheirRanges) {
    // The program's insert effect type.
    MakeSynced();
    synth->PutMode(3);
    Settle();
    MakeTabs(ArtGeometry::kBrowserTabX, ArtGeometry::kBrowserTabY, "Tab_RedBrowser_LoadEffect");
    auto* fx = static_cast<EffectBrowser*>(
        Adopt(NewPickListBrowser(1, synth.get(), 3, 0x1E00), "Background_RedBrowser"));
    ASSERT_NE(fx, nullptr);
    struct Case {
        int category, first, last;
    };
    for (const Case& c : {Case{0, 0, 15}, Case{1, 16, 31}, Case{4, 52, 57}, Case{5, 58, 89}}) {
        fx->OnHfcCtrlIntValueChanged(fx->GetCategoryControl(), c.category);
        Tick();
        CMMPCtrlList* list = fx->GetList();
        ASSERT_GT(list->GetNumItems(), 0) << c.category;
        EXPECT_EQ(list->GetItem(0)->m_user1, c.first);
        EXPECT_EQ(list->GetItem(list->GetNumItems() - 1)->m_user1, c.last);
        // Captions never keep the converter's colon.
        EXPECT_EQ(std::string(list->GetItem(0)->Caption()).find(':'), std::string::npos);
    }
    Shot("picklist_effect");
}

}  // namespace
