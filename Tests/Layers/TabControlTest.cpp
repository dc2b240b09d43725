// The tab control: switching only at its next idle tick, hits, drawing of image tabs, and a page
// that takes its sub-pages and controls down with it.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "Common/Layers/TabControl.h"
#include "Hfc/Draw/HfcBmp.h"
#include "Hfc/HfcFixture.h"
#include "Support/RecordingRemoteSynth.h"

using namespace QorX0;

namespace {

class LoggingPage : public CTabPageLayer {
public:
    LoggingPage(IRemoteSynth* synth, const char* name, std::string* log)
        : CTabPageLayer(synth, name), m_log(log) {}
    void OnActivate() override { *m_log += "+" + GetName(); }
    void OnDeactivate() override { *m_log += "-" + GetName(); }

private:
    std::string* m_log;
};

struct ClickListener : CHfcControlListener {
    std::string log;
    void OnHfcCtrlIntValueChanged(CHfcControl*, int value) override { log += std::to_string(value) + ";"; }
};

class TabControlTest : public HfcWindowFixture {
protected:
    void SetUp() override {
        HfcWindowFixture::SetUp();
        synth = std::make_unique<RecordingRemoteSynth>();
        window = MakeWindow(0, 0, 400, 300);
        host = std::make_unique<QnLayerBase>();
        ASSERT_TRUE(host->Create(0, 0, 400, 300, nullptr, window));
        host->Show(false);
        // Tab strip: 3 tabs of 50 x 20 with a gap of 4; active row red, the others blue.
        strip.Create(300, 40);
        for (int y = 0; y < 40; ++y)
            for (int x = 0; x < 300; ++x) strip.SetPixel(x, y, y < 20 ? 0xFFFF0000 : 0xFF0000FF);
        stTabControlCreateParam p{10, 5, 200, 20, 50, 20, 4, 2, 3, &strip, nullptr, 0, 0};
        ASSERT_TRUE(tabs.Create(p, 7, 0));
        tabs.SetListener(&clicks);
        tabs.Show(false);
        host->AddControl(&tabs, false);
    }
    void TearDown() override {
        tabs.Destroy();
        host->RemoveAllControls(false);
        window->RemoveLayer(host.get(), false);
        host.reset();
        HfcWindowFixture::TearDown();
    }
    LoggingPage* AddPage(const char* name) {
        pages.push_back(std::make_unique<LoggingPage>(synth.get(), name, &log));
        LoggingPage* page = pages.back().get();
        CTabPageLayerCreateParam param{100, 50, nullptr};
        EXPECT_TRUE(page->Create(param, window));
        EXPECT_TRUE(tabs.AddTabPageLayer(window, page));
        return page;
    }

    std::unique_ptr<RecordingRemoteSynth> synth;
    CTestWindow* window = nullptr;
    std::unique_ptr<QnLayerBase> host;
    CHfcBmp strip;
    CTabControl tabs;
    ClickListener clicks;
    std::string log;
    std::vector<std::unique_ptr<LoggingPage>> pages;
};

TEST_F(TabControlTest, SwitchingHappensAtTheNextIdleTick) {
    LoggingPage* a = AddPage("A");
    LoggingPage* b = AddPage("B");
    EXPECT_TRUE(a->IsVisible());
    EXPECT_FALSE(b->IsVisible());
    EXPECT_EQ(b->GetRect().left, 10);
    EXPECT_EQ(b->GetRect().top, 25);  // below the tab row
    struct Click {
        int x, y;
        const char* notified;
        bool pending;
    } clicksTable[] = {
        {5, 5, "0;", false},  // the active tab: notified, nothing changes
        {60, 33, "", false},  // below the tabs
        {160, 5, "", false},  // past the last tab
        {60, 5, "1;", true},  // a valid switch, pending until idle
    };
    for (const Click& c : clicksTable) {
        clicks.log.clear();
        tabs.OnHfcMouseLButtonDown(nullptr, c.x, c.y, 0);
        EXPECT_EQ(clicks.log, c.notified) << c.x << "," << c.y;
        EXPECT_EQ(tabs.IsSwitchPending(), c.pending) << c.x << "," << c.y;
    }
    EXPECT_TRUE(a->IsVisible());
    EXPECT_EQ(log, "");
    tabs.OnIdle(0);
    EXPECT_EQ(log, "-A+B");
    EXPECT_FALSE(a->IsVisible());
    EXPECT_TRUE(b->IsVisible());
    tabs.SetActivePageByIndex(1, true);  // already active: nothing scheduled
    EXPECT_FALSE(tabs.IsSwitchPending());
    tabs.SetActivePageByIndex(5, true);
    EXPECT_FALSE(tabs.IsSwitchPending());
    tabs.RemoveTabPageLayer(a);
    tabs.RemoveTabPageLayer(b);
}

TEST_F(TabControlTest, AOnePageStripDrawsBothExtraWidths) {
    AddPage("A");
    CHfcOffscreenContext context(300, 60);
    tabs.Draw(&context);
    CHfcBmp* port = context.GetBmp();
    // Tab 0 at x 10: width 50 + first extra 2 + last extra 3 = 55, from the active row.
    EXPECT_EQ(port->GetPixel(10, 5), 0xFFFF0000u);
    EXPECT_EQ(port->GetPixel(10 + 54, 5), 0xFFFF0000u);
    EXPECT_EQ(port->GetPixel(10 + 55, 5), 0u);
    tabs.RemoveTabPageLayer(0);
}

TEST_F(TabControlTest, AddingNeedsAParentLayer) {
    CTabControl loose;
    stTabControlCreateParam p{0, 0, 0, 0, 50, 20, 4, 0, 0, &strip, nullptr, 0, 0};
    ASSERT_TRUE(loose.Create(p, 1, 0));
    EXPECT_EQ(loose.GetRect().right, 300);
    EXPECT_EQ(loose.GetRect().bottom, 20);
    LoggingPage page(synth.get(), "P", &log);
    EXPECT_FALSE(loose.AddTabPageLayer(window, &page));
    p.tabImage = nullptr;
    CTabControl noImage;
    EXPECT_FALSE(noImage.Create(p, 1, 0));
}

TEST_F(TabControlTest, DestroyingAPageTakesItsSubPagesAndControlsWithIt) {
    auto* page = new CTabPageLayer(synth.get(), "Main");
    CTabPageLayerCreateParam param{200, 100, nullptr};
    ASSERT_TRUE(page->Create(param, window));
    ASSERT_TRUE(tabs.AddTabPageLayer(window, page));
    auto* sub = new CTabControl;
    stTabControlCreateParam p{0, 0, 100, 20, 50, 20, 4, 0, 0, &strip, nullptr, 0, 0};
    ASSERT_TRUE(sub->Create(p, 9, 0));
    page->AddControl(sub, false);
    page->SetSubTabControl(sub);
    for (const char* name : {"S1", "S2"}) {
        auto* subPage = new CTabPageLayer(synth.get(), name);
        ASSERT_TRUE(subPage->Create(param, window));
        ASSERT_TRUE(sub->AddTabPageLayer(window, subPage));
        auto* control = new CHfcControl;
        control->Create(0, 0, 5, 5, 1);
        subPage->AddControl(control, false);
    }
    auto* control = new CHfcControl;
    control->Create(0, 0, 5, 5, 2);
    page->AddControl(control, false);
    page->OnDestroy();
    EXPECT_EQ(tabs.GetTabPageCount(), 0);
    EXPECT_EQ(page->GetNumControls(), 0);
    delete page;  // everything else went with OnDestroy; ASan reports a leak or a double delete
}

TEST_F(TabControlTest, AClickOnAPageEndsAnAudition) {
    LoggingPage* a = AddPage("A");
    synth->BeginAudition(AUDCTX_SOUNDPICK);
    a->PreMouseLButtonDown(nullptr, 1, 1, 0);
    EXPECT_FALSE(synth->GetAuditionState());
    EXPECT_EQ(synth->calls.back(), "EndAudition 0");
    tabs.RemoveTabPageLayer(a);
}

}  // namespace
