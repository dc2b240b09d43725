#include <gtest/gtest.h>

#include "HfcFixture.h"

namespace {

class Control : public HfcWindowFixture {
protected:
    void SetUp() override {
        HfcWindowFixture::SetUp();
        w = MakeWindow(0, 0, 200, 120);
        layer = std::make_unique<CRecordingLayer>("layer", &log);
        layer->Create(0, 0, 200, 120, w);
        layer->Show(true);
    }
    void TearDown() override {
        layer.reset();
        HfcWindowFixture::TearDown();
    }
    CTestWindow* w = nullptr;
    HfcLog log;
    std::unique_ptr<CRecordingLayer> layer;
};

TEST_F(Control, DragRatioFollowsTheGapBetweenSteps) {
    struct Case {
        int64_t gap;  // ms since the previous step (negative: the clock went back)
        int modifiers;
        float expected;
    };
    const Case cases[] = {
        {100, 0, 1.0f},          {101, 0, 50.0f / 101}, {200, 0, 0.25f},
        {1600, 0, 50.0f / 1600}, {1601, 0, 0.03125f},   {5000, 1, 0.1f},
        {50, 1, 0.1f},           {-500, 0, 1.0f},       {0, 0, 1.0f},
    };
    CRecordingControl c("c", &log);
    c.Create(0, 0, 10, 10, 1);
    c.UpdateLastTime();
    for (const Case& k : cases) {
        HfcTestClock::Now() += static_cast<uint32_t>(k.gap);
        EXPECT_FLOAT_EQ(c.GetMouseDelta(1, k.modifiers), k.expected) << k.gap << " " << k.modifiers;
    }
    // The very first step (last time 0) after a long time gives 1/32.
    CRecordingControl fresh("f", &log);
    EXPECT_FLOAT_EQ(fresh.GetMouseDeltaRatio(), 0.03125f);
}

TEST_F(Control, FocusMarginsAndTheGlowAlphas) {
    CRecordingControl c("c", &log);
    c.Create(20, 20, 30, 20, 1);
    c.SetFocusMergin(-4);
    EXPECT_EQ(c.GetFocusRect(), c.GetRect());
    c.SetFocusMergin(3);
    EXPECT_EQ(c.GetFocusRect(), (tagHfcRect{17, 17, 53, 43}));
    c.Show(false);
    layer->AddControl(&c, false);
    CHfcBmp* surface = layer->GetContext()->GetBmp();
    c.SetFocusColor(0xFFBDFF00);
    c.DrawFocus(layer->GetContext());
    // Inside out: frames 1, 2, 3 pixels out with alphas 85, 170, 255.
    EXPECT_EQ(surface->GetPixel(19, 30) >> 24, 85u);
    EXPECT_EQ(surface->GetPixel(18, 30) >> 24, 170u);
    EXPECT_EQ(surface->GetPixel(17, 30) >> 24, 255u);
    EXPECT_EQ(surface->GetPixel(17, 30), 0xFFBDFF00u);
    EXPECT_EQ(surface->GetPixel(16, 30), 0u);
    EXPECT_EQ(surface->GetPixel(21, 30), 0u);

    // Margin 0: brackets on the outermost pixels, three long at each corner.
    CRecordingControl d("d", &log);
    d.Create(100, 60, 20, 20, 2);
    d.Show(false);
    layer->AddControl(&d, false);
    d.SetFocusColor(0xFFFF0000);
    d.DrawFocus(layer->GetContext());
    EXPECT_EQ(surface->GetPixel(101, 60), 0xFFFF0000u);  // top-left, along the top
    EXPECT_EQ(surface->GetPixel(100, 61), 0xFFFF0000u);  // and down the side
    EXPECT_EQ(surface->GetPixel(118, 79), 0xFFFF0000u);  // bottom-right
    EXPECT_EQ(surface->GetPixel(119, 78), 0xFFFF0000u);
    EXPECT_EQ(surface->GetPixel(110, 60), 0u);  // middle of an edge: no bracket
    EXPECT_EQ(surface->GetPixel(105, 65), 0u);
    // Colour 0 draws nothing.
    CRecordingControl e("e", &log);
    e.Create(150, 10, 10, 10, 3);
    e.Show(false);
    e.SetFocusColor(0);
    e.DrawFocus(layer->GetContext());
    EXPECT_EQ(surface->GetPixel(150, 10), 0u);
}

TEST_F(Control, UpdateDrawsDirtyControlsAndErasesHiddenOnesOnce) {
    CRecordingControl c("c", &log);
    c.Create(10, 10, 20, 20, 1);
    layer->AddControl(&c, false);
    // Hidden without a pending erase: nothing, the window untouched.
    Frame()->ClearPresented();
    EXPECT_FALSE(c.Update(true, true));
    EXPECT_TRUE(Frame()->Presented().empty());
    c.Show(true);
    EXPECT_TRUE(c.Update(false, true));
    EXPECT_EQ(c.draws, 1);
    EXPECT_EQ(Frame()->Presented().back(), (tagHfcRect{10, 10, 30, 30}));
    EXPECT_EQ(Pixel(15, 15), 0xFF0000FFu);
    EXPECT_FALSE(c.Update(false, true));  // clean
    c.Hide(false);
    EXPECT_TRUE(c.Update(false, true));
    EXPECT_FALSE(c.Update(false, true));
    EXPECT_EQ(c.erases, 1);
    // Not now: queued for the window's flush.
    c.Show(true);
    Frame()->ClearPresented();
    c.Update(false, false);
    EXPECT_TRUE(Frame()->Presented().empty());
    w->FlushUpdateRect();
    EXPECT_EQ(Frame()->Presented().back(), (tagHfcRect{10, 10, 30, 30}));
}

class RecordingListener : public CHfcControlListener {
public:
    explicit RecordingListener(HfcLog* log) : m_log(log) {}
    bool OnHfcCtrlKeyDown(CHfcControl*, int ch, int, int) override {
        m_log->push_back("listener:down " + std::to_string(ch));
        return ch == 'x';
    }
    bool OnHfcCtrlKeyChar(CHfcControl*, int ch) override {
        m_log->push_back("listener:char " + std::to_string(ch));
        return false;
    }
    void OnHfcCtrlKeySetFocus(CHfcControl*) override { m_log->push_back("listener:set-focus"); }
    void OnHfcCtrlKeyLostFocus(CHfcControl*) override { m_log->push_back("listener:lost-focus"); }
    HfcLog* m_log;
};

TEST_F(Control, DisabledControlsRefuseButtonsButGetMoves) {
    CRecordingControl c("c", &log);
    c.Create(10, 10, 20, 20, 1);
    c.Show(false);
    layer->AddControl(&c, false);
    CHfcMouse* mouse = CHfcMouse::GetInstance();
    EXPECT_FALSE(c.OnHfcMouseLButtonDownGlobal(mouse, 15, 15, 0));
    EXPECT_FALSE(c.OnHfcMouseLButtonUpGlobal(mouse, 15, 15, 0));
    EXPECT_TRUE(log.empty());
    EXPECT_TRUE(c.OnHfcMouseMoveGlobal(mouse, 15, 16, 0));
    EXPECT_EQ(log, (HfcLog{"c:move 5,6"}));
    c.Enable(false);
    EXPECT_TRUE(c.OnHfcMouseLButtonDownGlobal(mouse, 15, 15, 0));
    EXPECT_EQ(log.back(), "c:down 5,5");
}

TEST_F(Control, KeysGoToTheListenerFirstThenTheControl) {
    CRecordingControl c("c", &log);
    RecordingListener listener(&log);
    c.SetListener(&listener);
    c.Create(10, 10, 20, 20, 1);
    c.Show(false);
    c.Enable(false);
    layer->AddControl(&c, false);
    ASSERT_TRUE(c.SetFocus(1));
    EXPECT_TRUE(c.IsFocused());
    EXPECT_EQ(c.GetFocusIndex(), 1);
    EXPECT_EQ(log, (HfcLog{"listener:set-focus"}));
    log.clear();
    m_screen.Key('a', 0);
    m_screen.Key('x', 0);
    EXPECT_EQ(log, (HfcLog{"listener:down 97", "c:own-down 97/0/0", "listener:char 97", "c:own-char 97",
                           "listener:down 120", "listener:char 120", "c:own-char 120"}));
    log.clear();
    ASSERT_TRUE(c.ReleaseFocus());
    EXPECT_FALSE(c.IsFocused());
    EXPECT_EQ(c.GetFocusIndex(), -1);
    EXPECT_EQ(log, (HfcLog{"listener:lost-focus"}));
    // The point test of the key focus.
    EXPECT_TRUE(c.OnHfcKeyIsPointInside(nullptr, 10, 29));
    EXPECT_FALSE(c.OnHfcKeyIsPointInside(nullptr, 30, 15));
}

TEST_F(Control, MoveResizeAndDestroy) {
    CRecordingControl loose("loose", &log);
    EXPECT_FALSE(loose.Move(1, 1, true));  // not created
    loose.Create(0, 0, 10, 10, 1);
    EXPECT_FALSE(loose.Move(5, 6, true));  // no parent: moved all the same
    EXPECT_EQ(loose.GetRect(), (tagHfcRect{5, 6, 15, 16}));
    CRecordingControl c("c", &log);
    c.Create(0, 0, 10, 10, 1);
    c.SetFocusMergin(2);
    layer->AddControl(&c, false);
    EXPECT_TRUE(c.Move(20, 30, true));
    EXPECT_EQ(c.GetFocusRect(), (tagHfcRect{18, 28, 32, 42}));
    EXPECT_TRUE(c.Resize(5, 5, false));
    EXPECT_EQ(c.GetRect(), (tagHfcRect{20, 30, 25, 35}));
    tagHfcPoint p = {1, 2};
    EXPECT_TRUE(c.LocalToGlobal(&p));
    EXPECT_EQ(p.x, 21);
    EXPECT_EQ(p.y, 32);
    CHfcMouse::GetInstance()->SetCapture(&c, w);
    EXPECT_TRUE(c.Destroy());
    EXPECT_EQ(log.back(), "c:lost-capture");
    EXPECT_EQ(layer->GetNumControls(), 0);
    EXPECT_EQ(c.GetRect(), (tagHfcRect{0, 0, 0, 0}));
    EXPECT_FALSE(c.Destroy());
    c.Show(true);
    EXPECT_FALSE(c.IsVisible());  // not created: nothing
    EXPECT_EQ(CHfcControl::sm_iGlobalKnobMode, 2);
}

}  // namespace
