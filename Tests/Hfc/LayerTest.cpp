#include <gtest/gtest.h>

#include "HfcFixture.h"

namespace {

using Rects = std::vector<tagHfcRect>;

class Layer : public HfcWindowFixture {
protected:
    void SetUp() override {
        HfcWindowFixture::SetUp();
        w = MakeWindow(0, 0, 400, 300);
    }
    CTestWindow* w = nullptr;
    HfcLog log;
};

TEST_F(Layer, PaintingEdgeCases) {
    CRecordingLayer layer("l", &log);
    ASSERT_TRUE(layer.Create(100, 50, 40, 40, w));
    EXPECT_FALSE(layer.Create(0, 0, 10, 10, w));  // once only; the surface is kept
    EXPECT_EQ(layer.GetWidth(), 40);
    layer.Fill(0xFF00FF00);
    // A new layer paints nothing until Show.
    w->DrawLayers(true);
    EXPECT_EQ(Pixel(110, 60) & 0xFFFFFF, 0u);
    Frame()->ClearPresented();
    ASSERT_TRUE(layer.Show(true));
    EXPECT_EQ(Frame()->Presented(), (Rects{{100, 50, 140, 90}}));
    EXPECT_EQ(Pixel(110, 60), 0xFF00FF00u);
    // Hide(false) queues its rectangle for the next flush.
    Frame()->ClearPresented();
    layer.Hide(false);
    EXPECT_TRUE(Frame()->Presented().empty());
    w->FlushUpdateRect();
    EXPECT_EQ(Frame()->Presented(), (Rects{{100, 50, 140, 90}}));
    // A hidden Move changes the rectangle and redraws nothing (and answers false).
    Frame()->ClearPresented();
    EXPECT_FALSE(layer.Move(10, 10, true));
    EXPECT_EQ(layer.GetRect(), (tagHfcRect{10, 10, 50, 50}));
    EXPECT_TRUE(Frame()->Presented().empty());
    // A visible Move redraws the union of old and new.
    layer.Show(false);
    w->FlushUpdateRect();
    Frame()->ClearPresented();
    layer.Move(100, 50, true);
    EXPECT_EQ(Frame()->Presented(), (Rects{{10, 10, 140, 90}}));
    // Resize of (100, 50) 40 x 40 to 60 x 20 paints (100, 50, 160, 90).
    Frame()->ClearPresented();
    ASSERT_TRUE(layer.Resize(60, 20, true));
    EXPECT_EQ(Frame()->Presented(), (Rects{{100, 50, 160, 90}}));
    EXPECT_EQ(layer.GetRect(), (tagHfcRect{100, 50, 160, 70}));
}

TEST_F(Layer, ControlsGetTheMouseInAddingOrderWhenVisibleAndEnabled) {
    CRecordingLayer layer("layer", &log);
    layer.Create(10, 20, 200, 100, w);
    layer.Show(false);
    CRecordingControl first("first", &log, false), second("second", &log, true), hidden("hidden", &log),
        disabled("disabled", &log);
    for (auto* c : {&hidden, &disabled, &first, &second}) {
        c->Create(5, 5, 50, 50, 1);
        c->Show(false);
        c->Enable(false);
        layer.AddControl(c, false);
    }
    hidden.Hide(false);
    disabled.Disable(false);
    m_screen.MoveTo(10 + 5 + 7, 20 + 5 + 9);
    log.clear();
    m_screen.ButtonDown();
    // The first added refuses, the next takes it; hidden and disabled ones are skipped.
    EXPECT_EQ(log, (HfcLog{"first:down 7,9", "second:down 7,9"}));
    m_screen.ButtonUp();
    // Outside every control: the layer's own handler with the layer point.
    m_screen.MoveTo(10 + 150, 20 + 80);
    log.clear();
    m_screen.ButtonDown();
    EXPECT_EQ(log, (HfcLog{"layer:down 150,80"}));
    m_screen.ButtonUp();
}

TEST_F(Layer, TheCaptureHolderGetsLayerPointsOutsideItsRectangle) {
    CRecordingLayer layer("layer", &log);
    layer.Create(100, 100, 50, 50, w);
    layer.Show(false);
    CRecordingControl control("control", &log);
    control.Create(0, 0, 50, 50, 1);
    control.Show(false);
    control.Enable(false);
    layer.AddControl(&control, false);
    CHfcMouse::GetInstance()->SetCapture(&layer, w);
    m_screen.MoveTo(20, 30);  // outside the layer
    log.clear();
    m_screen.Click();
    // Controls skipped; the layer's own handlers with layer coordinates.
    EXPECT_EQ(log, (HfcLog{"layer:down -80,-70", "layer:up -80,-70"}));
    CHfcMouse::GetInstance()->ReleaseCapture();
    // A control holding the capture gets its own points.
    CHfcMouse::GetInstance()->SetCapture(&control, w);
    log.clear();
    m_screen.MoveTo(90, 95);
    EXPECT_EQ(log, (HfcLog{"control:move -10,-5"}));
    CHfcMouse::GetInstance()->ReleaseCapture();
    EXPECT_EQ(log.back(), "control:lost-capture");
}

TEST_F(Layer, DragsReachDisabledControlsWithTheirInsideFlags) {
    CRecordingLayer layer("layer", &log, false);
    layer.Create(0, 0, 200, 100, w);
    layer.Show(false);
    CRecordingControl a("a", &log), b("b", &log);
    a.Create(0, 0, 50, 50, 1);
    b.Create(60, 0, 50, 50, 2);
    for (auto* c : {&a, &b}) {
        c->Show(false);
        layer.AddControl(c, false);
    }
    b.m_takesDrop = true;  // b disabled (never enabled) still gets drags
    std::vector<FSRef> none;
    log.clear();
    m_screen.InjectDrag(2, 10, 10, none);
    m_screen.InjectDrag(3, 20, 10, none);
    m_screen.InjectDrag(3, 70, 10, none);
    m_screen.InjectDrag(5, 75, 12, none);
    // No control takes the enter, so the layer's own handler follows.
    EXPECT_EQ(log, (HfcLog{"a:enter 10,10", "layer:drag-enter 10,10", "a:in 20,10", "a:leave",
                           "b:enter 10,10", "b:receive 15,12"}));
    EXPECT_FALSE(a.m_bDragInside);
    EXPECT_FALSE(b.m_bDragInside);
    // Leave tells every flagged control and clears the flags.
    log.clear();
    m_screen.InjectDrag(2, 5, 5, none);
    m_screen.InjectDrag(4, 5, 5, none);
    EXPECT_EQ(log, (HfcLog{"a:enter 5,5", "layer:drag-enter 5,5", "a:leave"}));
}

TEST_F(Layer, ControlsRemovedByAHandlerDuringTheWalk) {
    CRecordingLayer layer("layer", &log, false);
    layer.Create(0, 0, 200, 100, w);
    layer.Show(false);
    class Rebuilder : public CRecordingControl {
    public:
        using CRecordingControl::CRecordingControl;
        bool OnHfcMouseLButtonDown(CHfcMouse* m, int x, int y, int mods) override {
            CRecordingControl::OnHfcMouseLButtonDown(m, x, y, mods);
            // A page rebuilding its controls from a press: removes itself and the next one.
            GetParent()->RemoveControl(next, false);
            GetParent()->RemoveControl(this, false);
            return false;
        }
        CHfcControl* next = nullptr;
    };
    Rebuilder rebuilder("r", &log, false);
    auto doomed = std::make_unique<CRecordingControl>("doomed", &log, false);
    CRecordingControl last("last", &log, false);
    rebuilder.next = doomed.get();
    for (CHfcControl* c : std::initializer_list<CHfcControl*>{&rebuilder, doomed.get(), &last}) {
        c->Create(0, 0, 50, 50, 1);
        c->Show(false);
        c->Enable(false);
        layer.AddControl(c, false);
    }
    m_screen.MoveTo(5, 5);
    log.clear();
    m_screen.ButtonDown();
    EXPECT_EQ(log, (HfcLog{"r:down 5,5", "last:down 5,5", "layer:down 5,5"}));
    EXPECT_EQ(layer.GetNumControls(), 1);
    m_screen.ButtonUp();
}

TEST_F(Layer, DestroyReleasesFocusAndCaptureAndCanBeVetoed) {
    class Veto : public CRecordingLayer {
    public:
        using CRecordingLayer::CRecordingLayer;
        bool OnDestroy() override { return allow; }
        bool allow = false;
    };
    Veto layer("layer", &log);
    layer.Create(0, 0, 100, 100, w);
    layer.Show(false);
    CRecordingControl control("c", &log);
    control.Create(0, 0, 10, 10, 1);
    layer.AddControl(&control, false);
    ASSERT_TRUE(w->SetFocus(&layer));
    CHfcMouse::GetInstance()->SetCapture(&layer, w);
    EXPECT_FALSE(layer.Destroy());  // vetoed after the releases
    EXPECT_FALSE(w->IsFocused(&layer));
    EXPECT_EQ(CHfcMouse::GetInstance()->GetCapture(), nullptr);
    EXPECT_TRUE(layer.IsCreated());
    layer.allow = true;
    EXPECT_TRUE(layer.Destroy());
    EXPECT_FALSE(layer.IsCreated());
    EXPECT_EQ(layer.GetNumControls(), 0);
    EXPECT_EQ(control.GetParent(), nullptr);
    // Still in the window's list until removed.
    EXPECT_EQ(w->GetLayerByIndex(0), &layer);
    EXPECT_TRUE(w->RemoveLayer(&layer, false));
    EXPECT_FALSE(layer.Show(true));
    EXPECT_FALSE(layer.Destroy());
}

}  // namespace
