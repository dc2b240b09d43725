#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Hfc/Core/HfcCtrlSlideSwitch.h"
#include "Hfc/Core/HfcCtrlSwitch.h"
#include "Hfc/Draw/HfcBmp.h"
#include "HfcControlDriver.h"
#include "HfcControlRecorder.h"
#include "HfcRecordingContext.h"

namespace {

using Calls = std::vector<std::string>;
using G = HfcGesture;
constexpr int kOn = static_cast<int>(0x80000000u);

// A switch of `states` states, 20 × 10 pixel frames, created shown with a recording listener.
class Switch : public testing::Test {
protected:
    void Make(int states, bool twoFrames, bool disabledFrame) {
        tagHfcCtrlSwitchParamEx p;
        p.x = 5;
        p.y = 7;
        p.bitmap = &strip;
        p.states = states;
        p.oneFramePerState = twoFrames ? 0 : 1;
        p.hasDisabledFrame = disabledFrame ? 1 : 0;
        const int frames = (states + (disabledFrame ? 1 : 0)) * (twoFrames ? 2 : 1);
        strip.Create(20, 10 * frames);
        ASSERT_TRUE(control.CreateEx(&p, 42, 9));
        control.SetListener(&recorder);
        control.Show(false);
    }
    // The source row of the frame the switch draws, as a frame number.
    int DrawnFrame() {
        context.ops.clear();
        control.Draw(&context);
        const std::vector<std::string> copies = context.Copies();
        EXPECT_EQ(copies.size(), 1u);
        if (copies.empty()) return -1;
        int x, y, w, h, sx, sy;
        if (std::sscanf(copies[0].c_str(), "%*[^0-9]%d,%d %dx%d from %d,%d", &x, &y, &w, &h, &sx, &sy) != 6) {
            return -1;
        }
        return sy / h;
    }
    CHfcBmp strip;
    CHfcCtrlSwitch control;
    HfcControlRecorder recorder;
    HfcRecordingContext context;
    HfcControlDriver driver;
};

TEST_F(Switch, FramesFollowTheStateThePressedLookAndTheDisabledFrame) {
    Make(3, true, true);
    EXPECT_EQ(control.GetFrameCount(), 8);
    EXPECT_EQ(control.GetRect().bottom - control.GetRect().top, 10);  // bitmap height / 8
    struct Case {
        int setValue;
        bool enabled;
        int frame;
    };
    const Case cases[] = {
        {0, true, 0},
        {1, true, 2},
        {2, true, 4},
        {5, true, 4},        // clamped to the last state
        {kOn | 1, true, 1},  // signed: negative stores the minimum, pressed look
        {1, true, 2},        // plain again
        {static_cast<int>(0x80000002u), true, 1},
        {2, false, 6},  // the disabled frame follows all state frames
    };
    for (const Case& c : cases) {
        control.SetIntValue(c.setValue, true);
        if (c.enabled) {
            control.Enable(false);
        } else {
            control.Disable(false);
        }
        EXPECT_EQ(DrawnFrame(), c.frame) << std::hex << c.setValue;
    }
}

TEST_F(Switch, WithoutADisabledFrameTheNormalFrameIsDrawnHalfTransparent) {
    Make(2, false, false);
    control.SetIntValue(1, false);
    control.Disable(false);
    control.Draw(&context);
    EXPECT_EQ(context.Copies(), (Calls{HfcRecordingContext::CopyAlpha(5, 7, 20, 10, 0, 10, 0.5f)}));
}

TEST_F(Switch, PressReportsTheValueWithBit31AndTheReleaseThePlainValue) {
    Make(2, true, false);
    control.SetIntValue(1, false);
    const std::vector<bool> handled =
        driver.Run(&control, {{G::Down, 3, 4}, {G::Move, 30, 4}, {G::Up, 30, 4}, {G::Up, 30, 4}});
    EXPECT_EQ(handled, (std::vector<bool>{true, true, true, false}));  // a second release holds no capture
    EXPECT_EQ(recorder.calls,
              (Calls{"offer down 3,4", "begin", "value 1|on", "move 30,4", "value 1", "end"}));
    EXPECT_FALSE(control.IsPressed());

    // Disabled: not handled, nobody told. Without a listener: handled, nothing else.
    recorder.calls.clear();
    control.Disable(false);
    EXPECT_FALSE(driver.Step(&control, {G::Down, 3, 4}));
    EXPECT_TRUE(recorder.calls.empty());
    control.Enable(false);
    control.SetListener(nullptr);
    EXPECT_TRUE(driver.Step(&control, {G::Down, 3, 4}));
    EXPECT_FALSE(driver.Captured(&control));
}

TEST_F(Switch, APressAloneCarriesTheToggleWhenPressAndReleaseArriveTogether) {
    // A layer that toggles on the press (bit 31) and leaves the value alone on the release.
    class Toggler : public CHfcControlListener {
    public:
        void OnHfcCtrlIntValueChanged(CHfcControl* control, int value) override {
            if (value < 0) control->SetIntValue(1 - (value & 0x7fffffff), true);
        }
    } toggler;
    Make(2, true, false);
    control.SetListener(&toggler);
    // Press and release back to back, before any idle tick.
    driver.Run(&control, {{G::Down, 1, 1}, {G::Up, 1, 1}});
    EXPECT_EQ(control.GetIntValue(), 1);
    EXPECT_FALSE(control.IsPressed());
    EXPECT_EQ(DrawnFrame(), 2);
    driver.Run(&control, {{G::Down, 1, 1}, {G::Up, 1, 1}});
    EXPECT_EQ(control.GetIntValue(), 0);
}

TEST_F(Switch, SpaceReportsAPressUnlessTheMouseHoldsTheSwitch) {
    Make(2, false, false);
    control.SetIntValue(1, false);
    EXPECT_FALSE(driver.Step(&control, {G::Char, ' '}));
    EXPECT_FALSE(driver.Step(&control, {G::Char, 'a'}));
    EXPECT_EQ(recorder.calls, (Calls{"value 1|on"}));
    recorder.calls.clear();
    driver.Step(&control, {G::Down, 1, 1});
    recorder.calls.clear();
    driver.Step(&control, {G::Char, ' '});
    EXPECT_TRUE(recorder.calls.empty());
}

TEST_F(Switch, RightButtonAndRefusedRecords) {
    Make(2, false, false);
    EXPECT_FALSE(driver.Step(&control, {G::RightDown, 1, 1}));
    recorder.takeMouse = true;
    EXPECT_TRUE(driver.Step(&control, {G::RightDown, 1, 1}));
    EXPECT_EQ(recorder.calls, (Calls{"right down", "right down"}));

    CHfcCtrlSwitch other;
    tagHfcCtrlSwitchParamEx p;
    EXPECT_FALSE(other.CreateEx(nullptr, 1, 0));
    EXPECT_FALSE(other.CreateEx(&p, 1, 0));  // no bitmap
    p.bitmap = &strip;
    p.states = 0;
    EXPECT_FALSE(other.CreateEx(&p, 1, 0));
    p.states = -3;
    EXPECT_FALSE(other.CreateEx(&p, 1, 0));
}

TEST(TextSwitch, OwnsACopyOfItsText) {
    CHfcBmp strip;
    strip.Create(40, 20);
    std::string text = "Init";
    tagHfcCtrlTextSwitchParam p;
    p.bitmap = &strip;
    p.states = 2;
    p.text = text.c_str();
    EXPECT_EQ(p.hAlign, 1);
    EXPECT_EQ(p.vAlign, 1);
    EXPECT_EQ(p.colour, 0u);
    CHfcCtrlTextSwitch control;
    ASSERT_TRUE(control.Create(&p, 1, 0));
    text = "Gone";
    EXPECT_STREQ(control.GetText(), "Init");
    control.SetPtrValue(nullptr, true);
    EXPECT_STREQ(control.GetText(), "Init");
    char other[] = "Compare";
    control.SetPtrValue(other, true);
    other[0] = 'X';
    EXPECT_STREQ(control.GetText(), "Compare");
}

// Slide switches: 4 positions, 10 × 40 pixels (the top cell is the highest position).
class SlideSwitch : public testing::Test {
protected:
    SlideSwitch() {
        strip.Create(40, 40 * 4);
        param.x = 100;
        param.y = 50;
        param.width = 40;
        param.height = 40;
        param.bitmap = &strip;
        param.positions = 4;
    }
    CHfcBmp strip;
    tagHfcCtrlHorizontalSlideSwitchParam param;
    HfcControlRecorder recorder;
    HfcControlDriver driver;
};

TEST_F(SlideSwitch, PositionsFromThePointOfAPressAndADrag) {
    CHfcCtrlSlideSwitch vertical;
    ASSERT_TRUE(vertical.Create(&param, 1, 0));
    vertical.SetListener(&recorder);
    struct Case {
        int y, position;
    };
    const Case cases[] = {{0, 3}, {9, 3}, {10, 2}, {19, 2}, {20, 1}, {30, 0}, {39, 0}, {-25, 3}, {400, 0}};
    for (const Case& c : cases) EXPECT_EQ(vertical.PositionFromPoint(0, c.y), c.position) << c.y;

    recorder.echo = true;
    vertical.SetIntValue(1, false);
    driver.Run(&vertical,
               {{G::Down, 5, 25}, {G::Move, 5, 15}, {G::Move, 5, 12}, {G::Move, 5, 2}, {G::Up, 5, 2}});
    // The press on the current position reports nothing; the drag reports each new position once.
    EXPECT_EQ(recorder.Reports(), (Calls{"begin", "value 2", "value 3", "end"}));
    EXPECT_FALSE(driver.Captured(&vertical));

    // Disabled, the vertical switch leaves the press unhandled.
    recorder.calls.clear();
    vertical.Disable(false);
    EXPECT_FALSE(driver.Step(&vertical, {G::Down, 5, 25}));
    EXPECT_TRUE(recorder.calls.empty());
}

TEST_F(SlideSwitch, TheHorizontalSwitchReadsXIgnoresMovesAndTakesDisabledPresses) {
    CHfcCtrlHorizontalSlideSwitch horizontal;
    ASSERT_TRUE(horizontal.Create(&param, 1, 0));
    horizontal.SetListener(&recorder);
    EXPECT_EQ(horizontal.PositionFromPoint(5, 39), 3);
    EXPECT_EQ(horizontal.PositionFromPoint(35, 0), 0);
    const std::vector<bool> handled =
        driver.Run(&horizontal, {{G::Down, 5, 5}, {G::Move, 35, 5}, {G::Up, 35, 5}});
    EXPECT_EQ(handled, (std::vector<bool>{true, false, true}));
    EXPECT_EQ(recorder.Reports(), (Calls{"begin", "value 3", "end"}));

    recorder.calls.clear();
    horizontal.Disable(false);
    EXPECT_TRUE(driver.Step(&horizontal, {G::Down, 35, 5}));
    EXPECT_TRUE(recorder.calls.empty());
}

TEST_F(SlideSwitch, NoPositionsIsRefusedAndNarrowCellsStillWork) {
    CHfcCtrlSlideSwitch s;
    param.positions = 0;
    EXPECT_FALSE(s.Create(&param, 1, 0));
    param.positions = -1;
    EXPECT_FALSE(s.Create(&param, 1, 0));
    // More positions than pixels: each pixel is one step.
    param.positions = 100;
    ASSERT_TRUE(s.Create(&param, 1, 0));
    EXPECT_EQ(s.PositionFromPoint(0, 0), 99);
    EXPECT_EQ(s.PositionFromPoint(0, 39), 60);
}

TEST_F(SlideSwitch, DrawsTheValuesFrameAndTheVerticalOneFadesWhenDisabled) {
    CHfcCtrlSlideSwitch vertical;
    CHfcCtrlHorizontalSlideSwitch horizontal;
    ASSERT_TRUE(vertical.Create(&param, 1, 0));
    ASSERT_TRUE(horizontal.Create(&param, 2, 0));
    HfcRecordingContext context;
    for (CHfcCtrlSlideSwitch* s :
         {static_cast<CHfcCtrlSlideSwitch*>(&vertical), static_cast<CHfcCtrlSlideSwitch*>(&horizontal)}) {
        s->Show(false);
        s->SetIntValue(2, false);
        s->Disable(false);
        context.ops.clear();
        s->Draw(&context);
        const std::string expected = s == &vertical
                                         ? HfcRecordingContext::CopyAlpha(100, 50, 40, 40, 0, 80, 0.5f)
                                         : HfcRecordingContext::Copy(100, 50, 40, 40, 0, 80);
        EXPECT_EQ(context.Copies(), (Calls{expected}));
    }
}

}  // namespace
