// The knob and a value bar inside a real window on the headless screen: presses, drags, double
// clicks, keys and typing routed by the window, the layer and the key focus.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "Common/Controls/QnKnob.h"
#include "Common/Controls/XBCtrlValueBar.h"
#include "Hfc/Core/HfcWindow.h"
#include "Hfc/Core/HfcWindowLayer.h"
#include "Hfc/Headless/HfcHeadless.h"
#include "ValueControlArt.h"

namespace {

using namespace ValueControlArt;
using Calls = std::vector<std::string>;

// A 400 x 300 window at (100, 100) of the screen with one layer at (10, 20) of the window; a knob at
// (50, 40) of the layer and a bar at (150, 40).
class ValueControlsWindow : public testing::Test {
protected:
    void SetUp() override {
        screen.Install();
        CHfcMouse::Initialize(false);
        CHfcKey::Initialize();
        window = std::make_unique<CHfcWindow>();
        ASSERT_TRUE(window->Create("Value controls", 100, 100, 400, 300, 0, nullptr, nullptr, nullptr));
        window->Show();
        window->Activate();
        ASSERT_TRUE(layer.Create(10, 20, 380, 270, window.get()));
        layer.Show(false);

        tagQorlKnobParamEx k;
        k.x = 50;
        k.y = 40;
        k.minimum = 0;
        k.maximum = 127;
        k.centreX = 17.5f;
        k.centreY = 18.0f;
        k.radius = 17.0f;
        k.ring = ring.get();
        k.ringBack = ring.get();
        k.font = font.bitmap.get();
        k.textX = 10;
        k.textY = 15;
        k.textLength = 3;
        k.sensitivity = 1.0f;
        k.fineSensitivity = 0.1f;
        k.keyStep = 1;
        k.proportional = 1;
        k.fontInfo = &font.info;
        ASSERT_TRUE(knob.CreateEx(&k, 1, 0));
        knob.SetFocusOnClick(true);
        knob.SetIntValue(64, false);
        knob.SetListener(&recorder);
        layer.AddControl(&knob, false);

        tagXBCtrlValueBarParamEx2 b;
        b.x = 150;
        b.y = 40;
        b.back = barBack.get();
        b.barX = 2;
        b.barY = 2;
        b.bar = bar.get();
        b.textX = 71;
        b.textY = 2;
        b.characters = 4;
        b.font = font.bitmap.get();
        b.minimum = -64;
        b.maximum = 63;
        b.pixelStep = 1.0f;
        b.scale = 10.0f;
        b.fineScale = 1.0f;
        ASSERT_TRUE(valueBar.CreateEx2(&b, 2, 0));
        valueBar.SetFocusOnClick(true);
        valueBar.SetListener(&recorder);
        layer.AddControl(&valueBar, false);
    }
    void TearDown() override {
        layer.RemoveAllControls();
        layer.Destroy();
        window.reset();
        CHfcKey::Uninitialize();
        CHfcMouse::Uninitialize();
    }
    // A point of the layer on the screen.
    void MoveTo(int layerX, int layerY) { screen.MoveTo(100 + 10 + layerX, 100 + 20 + layerY); }
    // The control's focus marks drawn in red on black (layer coordinates).
    CHfcOffscreenContext& Marks(CHfcControl& control) {
        marks.SetBrushColor(0xFF000000);
        marks.FillRect(0, 0, 380, 270);
        control.SetFocusColor(0xFFFF0000);
        control.DrawFocus(&marks);
        return marks;
    }
    bool Red(int x, int y) { return marks.GetBmp()->GetPixel(x, y) == 0xFFFF0000u; }

    SteppedClock clock;
    CHfcHeadlessScreen screen;
    std::unique_ptr<CHfcWindow> window;
    CHfcWindowLayer layer;
    HfcControlRecorder recorder;
    CHfcOffscreenContext marks{380, 270};
    std::unique_ptr<CHfcBmp> ring = Solid(36, 36, kRing);
    std::unique_ptr<CHfcBmp> barBack = Solid(96, 13, kBarBack);
    std::unique_ptr<CHfcBmp> bar = Solid(63, 9, kBar);
    BlockFont font{4, 5, 9};
    QnKnob knob;
    CXBCtrlHorizontalValueBar valueBar;
};

TEST_F(ValueControlsWindow, KnobDragKeysAndTextEntryThroughTheWindow) {
    MoveTo(68, 50);
    screen.ButtonDown();
    clock.Advance(50);
    MoveTo(68, 40);  // 10 px up at full speed
    clock.Advance(400);
    MoveTo(68, 32);  // 8 px at 1/8
    screen.ButtonUp();
    EXPECT_EQ(recorder.Reports(), (Calls{"value 74", "value 75", "lost capture"}));

    // The click gave the knob the key focus: the arrow keys step it by the key step.
    recorder.calls.clear();
    screen.Key(30, 0);
    screen.Key(28, 0);
    EXPECT_EQ(recorder.Reports(), (Calls{"value 65", "value 63"}));
    // The wheel is not the knob's.
    recorder.calls.clear();
    MoveTo(68, 20 + 40);
    screen.Wheel(3);
    EXPECT_EQ(recorder.Reports(), Calls{});
    // Whole-control focus marks: corner brackets of 3 pixels at the control's corners (the arms'
    // inner pixels are whole; their ends are half pixels).
    Marks(knob);
    for (auto [x, y] :
         {std::pair{51, 40}, {50, 41}, {84, 40}, {85, 41}, {51, 75}, {50, 74}, {84, 75}, {85, 74}})
        EXPECT_TRUE(Red(x, y)) << x << "," << y;
    EXPECT_FALSE(Red(55, 40));
    EXPECT_FALSE(Red(50, 45));

    // A double click on the value text opens text entry; typing and Return send the text.
    MoveTo(50 + 12, 40 + 17);
    screen.DoubleClick();
    ASSERT_TRUE(knob.IsEditing());
    // Text focus marks: around the value text, from (text x - 2, text y - 2).
    EXPECT_EQ(knob.GetFocusIndex(), 1);
    Marks(knob);
    EXPECT_TRUE(Red(50 + 8 + 1, 40 + 13));
    EXPECT_TRUE(Red(50 + 8, 40 + 13 + 1));
    EXPECT_TRUE(Red(50 + 10 + 18 - 1, 40 + 15 + 9));
    EXPECT_TRUE(Red(50 + 10 + 18, 40 + 15 + 9 - 1));
    EXPECT_FALSE(Red(50, 40));
    recorder.calls.clear();
    screen.Type("100");
    screen.Key(13, 0);
    EXPECT_EQ(recorder.Reports(), (Calls{"text 100"}));
    EXPECT_FALSE(knob.IsEditing());
}

TEST_F(ValueControlsWindow, BarPressDragAndTextEntryThroughTheWindow) {
    MoveTo(150 + 2 + 31, 45);  // the middle of -64..63: 31 x 128 / 63 - 64 = -2
    screen.ButtonDown();
    clock.Advance(20);
    MoveTo(150 + 2 + 34, 45);  // 3 px: + 3 x 128 / 63
    screen.ButtonUp();
    EXPECT_EQ(recorder.Reports(), (Calls{HfcControlRecorder::Value(-2), "value 4", "lost capture"}));
    // The press gave the bar the key focus (its bar kind).
    EXPECT_EQ(valueBar.GetFocusIndex(), 1024);
    // Bar focus marks: 3 pixels out at the top left, 5 at the bottom right of the bar.
    Marks(valueBar);
    EXPECT_TRUE(Red(150 + 2 - 3 + 1, 40 + 2 - 3));
    EXPECT_TRUE(Red(150 + 2 - 3, 40 + 2 - 3 + 1));
    EXPECT_TRUE(Red(150 + 2 - 3 + 63 + 5 - 1, 40 + 2 - 3 + 9 + 5));
    EXPECT_TRUE(Red(150 + 2 - 3 + 63 + 5, 40 + 2 - 3 + 9 + 5 - 1));
    EXPECT_FALSE(Red(150 + 2 - 3 + 6, 40 + 2 - 3));
    recorder.calls.clear();
    screen.Wheel(-2);
    EXPECT_EQ(recorder.Reports(), Calls{});
    recorder.calls.clear();
    screen.Key(29, 0);
    EXPECT_EQ(recorder.Reports(), (Calls{"value 1"}));

    valueBar.SetPtrValue(const_cast<char*>("0"), false);
    MoveTo(150 + 75, 45);
    screen.DoubleClick();
    ASSERT_TRUE(valueBar.IsEditing());
    EXPECT_EQ(valueBar.GetFocusIndex(), 1);
    // Text focus marks: 2 pixels out around the display.
    Marks(valueBar);
    EXPECT_TRUE(Red(150 + 71 - 2 + 1, 40 + 2 - 2));
    EXPECT_TRUE(Red(150 + 71 - 2 + 6 * 4 + 2 - 1, 40 + 2 - 2 + 9 + 2));
    recorder.calls.clear();
    screen.Type("-12");
    screen.Key(13, 0);
    EXPECT_EQ(recorder.Reports(), (Calls{"text -12"}));
    EXPECT_FALSE(valueBar.IsEditing());
    // Escape leaves text entry without a report.
    screen.DoubleClick();
    ASSERT_TRUE(valueBar.IsEditing());
    recorder.calls.clear();
    screen.Key(27, 0);
    EXPECT_FALSE(valueBar.IsEditing());
    EXPECT_EQ(recorder.Reports(), Calls{});
}

}  // namespace
