// The edit page base: the catalogue of pages per main tab, sublevel tab selection, pick-list
// requests from selector clicks, the bank-list re-read and the page's drawing.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "Common/Controls/QnControlCreater.h"
#include "Common/Controls/QnSelectors.h"
#include "Common/Controls/QnKnob.h"
#include "Common/Layers/Forms/UIFormInfo.h"
#include "Common/Pages/EffectEditLayer.h"
#include "Pages/PagesFixture.h"

using namespace QorX0;

namespace {

struct Request {
    CHfcWindowLayer* holder;
    int type, kind, pid;
};
std::vector<Request>& Requests() {
    static std::vector<Request> requests;
    return requests;
}
bool Record(CHfcWindowLayer* holder, int type, int kind, int pid) {
    Requests().push_back({holder, type, kind, pid});
    return true;
}

class PageBaseTest : public PagesFixture {
protected:
    void SetUp() override {
        PagesFixture::SetUp();
        Requests().clear();
        saved = EditTabPageLayerBase::GetRedBrowserRequest();
        EditTabPageLayerBase::SetRedBrowserRequest(&Record);
    }
    void TearDown() override {
        EditTabPageLayerBase::SetRedBrowserRequest(saved);
        PagesFixture::TearDown();
    }
    EditTabPageLayerBase::RedBrowserRequest saved = nullptr;
};

TEST_F(PageBaseTest, CatalogueGivesEveryTabItsPagesKindsAndBackgrounds) {
    struct Row {
        int tab;
        std::vector<int> kinds;
    };
    const std::vector<Row> rows = {
        {kEditTabCombi, {0, 1, 1, 1, 1, 1, 1, 1}},
        {kEditTabMulti, {4, 4, 4, 4, 4, 4, 4, 4}},
        {kEditTabProg, {2, 3, 3, 3, 3, 3, 3, 3, 3, 3}},
        {kEditTabGlobal, {10, 6, 6, 6, 7, 8}},
    };
    for (const Row& row : rows) {
        ASSERT_EQ(EditPageCount(row.tab), static_cast<int>(row.kinds.size())) << row.tab;
        for (int i = 0; i < EditPageCount(row.tab); ++i) {
            CTabPageLayer* page = NewEditPage(synth.get(), row.tab, i);
            ASSERT_NE(page, nullptr) << row.tab << "/" << i;
            EXPECT_NE(dynamic_cast<EditTabPageLayerBase*>(page), nullptr);
            EXPECT_EQ(page->GetTargetMode(), row.kinds[static_cast<size_t>(i)]) << row.tab << "/" << i;
            EXPECT_EQ(page->GetWindow(), nullptr) << "constructed, not created";
            delete page;
            const std::string background = EditPageBackground(row.tab, i);
            EXPECT_EQ(background, row.tab == kEditTabProg && i == 0 ? "Background_MainTab_Small"
                                                                    : "Background_MainTab_Large");
        }
        for (int outside : {-1, EditPageCount(row.tab)}) {
            EXPECT_EQ(NewEditPage(synth.get(), row.tab, outside), nullptr);
            EXPECT_EQ(EditPageBackground(row.tab, outside), nullptr);
        }
    }
    EXPECT_EQ(EditPageCount(4), 0);
    EXPECT_EQ(NewEditPage(synth.get(), 4, 0), nullptr);
}

// A page with the program basic page's five sublevel forms.
class SublevelPage : public EditTabPageLayerBase {
public:
    explicit SublevelPage(IRemoteSynth* synth, bool withTabs)
        : EditTabPageLayerBase(synth, kModeProgEdit), m_withTabs(withTabs) {}
    bool OnCreate() override {
        if (m_withTabs) {
            EXPECT_TRUE(EditTabPageLayerBase::CreateSublevelTab("Tab_Low_Prog_Basic", 142));
            for (int form : {1024, 1029, 1031, 1032, 1034}) EXPECT_NE(CreateAndAddSublevelTab(form), nullptr);
        }
        return CTabPageLayer::OnCreate();
    }
    bool m_withTabs;
};

TEST_F(PageBaseTest, SublevelIndexIsClampedAndAnIndexPastTheLastLeavesThePage) {
    auto* bare = Adopt(new SublevelPage(synth.get(), false), "Background_MainTab_Large");
    bare->SetActiveSublevelTabIndex(2, true);  // no tabs: nothing to do, nothing to break
    EXPECT_EQ(bare->GetSubTabControl(), nullptr);

    struct Case {
        int from, asked, expected;
    };
    const Case cases[] = {{1, 5, 1}, {1, 99, 1}, {3, -3, 0}, {0, 2, 2}, {4, 4, 4}};
    auto* page = Adopt(new SublevelPage(synth.get(), true), "Background_MainTab_Large");
    ShowPage(page);
    CTabControl* sub = page->GetSubTabControl();
    ASSERT_NE(sub, nullptr);
    ASSERT_EQ(sub->GetTabPageCount(), 5);
    EXPECT_EQ(sub->GetRect().left, 7);
    EXPECT_EQ(sub->GetRect().top, 142);
    for (const Case& c : cases) {
        sub->SetActivePageByIndex(c.from, true);
        sub->OnIdle(0);
        page->SetActiveSublevelTabIndex(c.asked, true);
        sub->OnIdle(0);
        EXPECT_EQ(sub->GetActiveIndex(), c.expected) << c.asked;
        for (int i = 0; i < 5; ++i)
            EXPECT_EQ(sub->GetTabPageLayer(i)->IsVisible(), i == c.expected) << c.asked << " page " << i;
    }
}

TEST_F(PageBaseTest, SelectorClicksAskTheHolderForThePickListOfTheirKind) {
    auto* page = Adopt(new SublevelPage(synth.get(), false), "Background_MainTab_Large");
    QnControlCreater creater(page->GetBackground(), 0, 0);
    struct Case {
        int kind;
        bool linked;
        int type;  // -1: no request
    };
    const Case cases[] = {{0, true, 5}, {1, true, 4}, {2, true, 3},  {3, true, 1},
                          {4, true, 2}, {7, true, 0}, {4, false, -1}};
    int id = 0x10100;
    for (const Case& c : cases) {
        Requests().clear();
        QnSoundSelector* selector = creater.CreateSoundSelector(20, 20, c.kind, 1, id++);
        ASSERT_NE(selector, nullptr);
        page->AddControl(selector, false);
        selector->SetListener(page);
        selector->Show(false);
        if (c.linked) page->LinkControlWithParam(selector, kModeProgEdit, 0x0201);
        EXPECT_TRUE(page->OnHfcCtrlMouseLButtonDown(selector, 3, 3, 0)) << "handled, kind " << c.kind;
        if (c.type < 0) {
            EXPECT_TRUE(Requests().empty());
        } else {
            ASSERT_EQ(Requests().size(), 1u) << c.kind;
            EXPECT_EQ(Requests()[0].holder, holder);
            EXPECT_EQ(Requests()[0].type, c.type);
            EXPECT_EQ(Requests()[0].kind, kModeProgEdit);
            EXPECT_EQ(Requests()[0].pid, 0x0201);
        }
    }
    Requests().clear();
    QnMiniProgramSelector* mini = creater.CreateMiniProgramSelector(20, 60, id++);
    ASSERT_NE(mini, nullptr);
    page->AddControl(mini, false);
    EXPECT_TRUE(page->OnHfcCtrlMouseLButtonDown(mini, 1, 1, 0));
    ASSERT_EQ(Requests().size(), 1u);
    EXPECT_EQ(Requests()[0].type, 0);
    EXPECT_EQ(Requests()[0].pid, -1);

    QnKnob* knob = creater.CreateKnob(100, 60, 0, 127, 0, false, 3, 0x0B00);
    ASSERT_NE(knob, nullptr);
    page->AddControl(knob, false);
    EXPECT_FALSE(page->OnHfcCtrlMouseLButtonDown(knob, 1, 1, 0));
}

TEST_F(PageBaseTest, APageWithoutHolderTakesTheClickAndAsksNobody) {
    // A page inside another page's sublevel tabs (or on no tab control) has no root layer above it.
    auto* page = new SublevelPage(synth.get(), false);
    CTabPageLayerCreateParam param{559, 230, nullptr};
    ASSERT_TRUE(page->Create(param, window));
    Keep(page);
    QnControlCreater creater(nullptr, 0, 0);
    QnSoundSelector* selector = creater.CreateSoundSelector(10, 10, 3, 1, 0x1E00);
    ASSERT_NE(selector, nullptr);
    page->AddControl(selector, false);
    page->LinkControlWithParam(selector, kModeProgEdit, 0x1E00);
    EXPECT_TRUE(page->OnHfcCtrlMouseLButtonDown(selector, 1, 1, 0));
    EXPECT_TRUE(Requests().empty());
}

TEST_F(PageBaseTest, BankListChangeRereadsEveryControlInTheCallback) {
    auto* page = Adopt(new SublevelPage(synth.get(), false), "Background_MainTab_Large");
    QnControlCreater creater(page->GetBackground(), 0, 0);
    QnKnob* knob = creater.CreateKnob(100, 60, 0, 99, 0, false, 3, 0x0B00);
    ASSERT_NE(knob, nullptr);
    page->AddControl(knob, false);
    page->LinkControlWithParam(knob, kModeProgEdit, 0x0B00);
    ISection* prog = synth->GetEditBuffer(kModeProgEdit);
    prog->PutParamIEx(0x0B00, 12, 0);
    page->SynchronizeControlWithParam(knob, true);
    ASSERT_EQ(knob->GetIntValue(), 12);
    prog->PutParamIEx(0x0B00, 77, 0);  // a change nobody is told of, as a reloaded bank is
    synth->FireBankListChanged(kModeProgEdit, SOUNDINDEX{0, 0});
    EXPECT_EQ(knob->GetIntValue(), 77) << "re-read at once, not at the next idle";
    EXPECT_EQ(page->GetQueuedEventCount(), 0u) << "nothing queued for the idle";
}

TEST_F(PageBaseTest, APageWithoutBackgroundIsDrawnOnTranslucentWhite) {
    auto* page = new SublevelPage(synth.get(), false);
    CTabPageLayerCreateParam param{100, 100, nullptr};
    ASSERT_TRUE(page->Create(param, window));
    tabs->AddTabPageLayer(window, page);
    Keep(page);
    ShowPage(page);
    page->OnRefresh();
    const CHfcBmp* surface = page->GetContext()->GetBmp();
    // Half-transparent white, as the drawing surface stores it: colour scaled by alpha.
    EXPECT_EQ(surface->GetPixel(5, 5), 0x80808080u);
    auto* drawn = Adopt(new SublevelPage(synth.get(), false), "Background_MainTab_Large");
    ShowPage(drawn);
    drawn->OnRefresh();
    EXPECT_EQ(drawn->GetContext()->GetBmp()->GetPixel(5, 5), drawn->GetBackground()->GetPixel(5, 5));
}

}  // namespace

namespace {

TEST_F(PageBaseTest, ProgramPagesHoldTheirFormsAndEffectSlotsInTabOrder) {
    constexpr int kSlot = -100;  // kSlot - s: the effect sub-page of slot s
    const std::vector<std::vector<int>> sublevels = {
        {},
        {1024, 1029, 1031, 1032, 1034},
        {1036, 1038, 1040, 1042, 1043},
        {1044, 1045, 1046, 1047},
        {1048, 1049, 1050, 1051, 1052},
        {1053, 1054, 1055, 1056, 1057},
        {1058, 1059, 1060, 1061, 1062, 1063},
        {},
        {1064, kSlot - 0},
        {1065, kSlot - 1, kSlot - 2, 1066},
    };
    for (int i = 0; i < EditPageCount(kEditTabProg); ++i) {
        auto* page = static_cast<EditTabPageLayerBase*>(AdoptCatalogued(kEditTabProg, i));
        const std::vector<int>& expected = sublevels[static_cast<size_t>(i)];
        CTabControl* sub = page->GetSubTabControl();
        if (expected.empty()) {
            EXPECT_EQ(sub, nullptr) << i;
            continue;
        }
        ASSERT_NE(sub, nullptr) << i;
        EXPECT_EQ(sub->GetRect().top, 142) << i;
        ASSERT_EQ(sub->GetTabPageCount(), static_cast<int>(expected.size())) << i;
        for (int s = 0; s < sub->GetTabPageCount(); ++s) {
            CTabPageLayer* layer = sub->GetTabPageLayer(s);
            EXPECT_EQ(layer->GetTargetMode(), kModeProgEdit) << i << "/" << s;
            const int want = expected[static_cast<size_t>(s)];
            if (want <= kSlot) {
                auto* effect = dynamic_cast<EffectEditLayer*>(layer);
                ASSERT_NE(effect, nullptr) << i << "/" << s;
                EXPECT_EQ(effect->GetSlot(), kSlot - want) << i << "/" << s;
                continue;
            }
            // A form page links exactly the PIDs of its form's rows.
            const UI_FORMINFO* form = UIFormManager::GetInstance()->GetLayerFormInfoById(want);
            ASSERT_NE(form, nullptr) << want;
            std::set<int> rows, linked;
            for (int r = 0; r < form->childCount; ++r)
                if (form->children[r].controlId != -1) rows.insert(form->children[r].controlId);
            std::vector<CHfcControl*> controls;
            layer->GetControlVec(controls);
            for (CHfcControl* c : controls)
                if (layer->GetParameterIdByControl(c).section)
                    linked.insert(layer->GetParameterIdByControl(c).pid);
            EXPECT_EQ(linked, rows) << "page " << i << " tab " << s << " form " << want;
        }
    }
}

}  // namespace

namespace {

TEST_F(PageBaseTest, WithoutTheWindowsRootAboveItAClickAsksNobody) {
    // The fixture's holder is a plain layer, not the window's root layer.
    EditTabPageLayerBase::SetRedBrowserRequest(nullptr);
    auto* page = Adopt(new SublevelPage(synth.get(), false), "Background_MainTab_Large");
    QnControlCreater creater(page->GetBackground(), 0, 0);
    QnSoundSelector* selector = creater.CreateSoundSelector(20, 20, 3, 1, 0x1E00);
    ASSERT_NE(selector, nullptr);
    page->AddControl(selector, false);
    page->LinkControlWithParam(selector, kModeProgEdit, 0x1E00);
    EXPECT_TRUE(page->OnHfcCtrlMouseLButtonDown(selector, 1, 1, 0));
    EXPECT_TRUE(Requests().empty());
}

}  // namespace
