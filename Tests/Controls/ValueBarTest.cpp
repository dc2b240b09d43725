// The value bars: the lit span as exact pixel columns (rows for the vertical bar) on plain images,
// the number display, drags on the bar and on the display (accelerated by the toolkit clock, or fine
// with Shift), arrow keys and text entry.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Common/Controls/XBCtrlValueBar.h"
#include "Common/Layers/QnSynthLayer.h"
#include "Hfc/HfcControlDriver.h"
#include "Hfc/HfcControlRecorder.h"
#include "ValueControlArt.h"

namespace {

using namespace ValueControlArt;

constexpr int kShift = 1;
constexpr int kLeft = 20, kTop = 30;

// Bars of the editor's layout on plain images: horizontal back 96 x 13 with the 63 x 9 bar at (2, 2)
// and the display at (71, 2); vertical back 23 x 108 with the bar at (2, 2), 19 x 104.
class ValueBarTest : public testing::Test {
protected:
    tagXBCtrlValueBarParamEx2 HorizontalParam(int minimum, int maximum, int centre) {
        tagXBCtrlValueBarParamEx2 p;
        p.x = kLeft;
        p.y = kTop;
        p.back = hBack.get();
        p.barX = 2;
        p.barY = 2;
        p.bar = hBar.get();
        p.textX = 71;
        p.textY = 2;
        p.characters = 4;
        p.font = font.bitmap.get();
        p.minimum = minimum;
        p.maximum = maximum;
        p.centre = centre;
        p.pixelStep = 1.0f;
        p.scale = 10.0f;
        p.fineScale = 1.0f;
        p.proportional = 1;
        p.fontInfo = &font.info;
        p.textColour = kText;
        return p;
    }
    tagXBCtrlValueBarParamEx VerticalParam(int minimum, int maximum, int centre) {
        tagXBCtrlValueBarParamEx p;
        p.x = kLeft;
        p.y = kTop;
        p.back = vBack.get();
        p.barX = 2;
        p.barY = 2;
        p.bar = vBar.get();
        p.font = font.bitmap.get();
        p.minimum = minimum;
        p.maximum = maximum;
        p.centre = centre;
        p.pixelStep = 1.0f;
        p.scale = 10.0f;
        p.fineScale = 1.0f;
        return p;
    }
    void Run(CXBCtrlValueBar* bar, const std::vector<Act>& table) {
        RunActs(bar, table, clock, driver, recorder);
    }
    // The lit columns of row y (relative to the control) as [first, last + 1), from the bar's left.
    std::pair<int, int> LitColumns(CXBCtrlValueBar& bar, int y) {
        context.SetBrushColor(0xFF000000);
        context.FillRect(0, 0, 200, 200);
        bar.Draw(&context);
        int first = -1, end = -1;
        for (int x = -10; x < 100; ++x) {
            if (At(context, kLeft + x, kTop + y) != kBar) continue;
            if (first < 0) first = x;
            end = x + 1;
        }
        return {first < 0 ? 0 : first - 2, first < 0 ? 0 : end - 2};
    }

    SteppedClock clock;
    HfcControlDriver driver;
    HfcControlRecorder recorder;
    std::unique_ptr<CHfcBmp> hBack = Solid(96, 13, kBarBack);
    std::unique_ptr<CHfcBmp> hBar = Solid(63, 9, kBar);
    std::unique_ptr<CHfcBmp> vBack = Solid(23, 108, kBarBack);
    std::unique_ptr<CHfcBmp> vBar = Solid(19, 104, kBar);
    BlockFont font{5, 5, 9};
    CHfcOffscreenContext context{200, 200};
};

// The lit span over (range, centre, value) on the 63-pixel horizontal bar, as pixel columns.
TEST_F(ValueBarTest, HorizontalSpanColumns) {
    struct Case {
        int minimum, maximum, centre, value;
        int first, end;  // lit columns [first, end) from the bar's left
    };
    const Case cases[] = {
        {0, 127, 0, 0, 0, 0},         // unipolar at the minimum: nothing
        {0, 127, 0, 1, 0, 1},         // ceil: one step lights a pixel
        {0, 127, 0, 64, 0, 32},       // ceil(63 x 64 / 127) = 32
        {0, 127, 0, 127, 0, 63},      // full
        {-64, 63, 0, 0, 31, 32},      // bipolar at the centre: one pixel at m = 31
        {-64, 63, 0, -1, 30, 32},     // left of the centre, the centre pixel included
        {-64, 63, 0, -64, 0, 32},     // down to the left end
        {-64, 63, 0, 1, 31, 33},      // ceil(31 / 63) + 1
        {-64, 63, 0, 63, 31, 63},     // to the right end
        {-100, 100, 0, -50, 15, 32},  // m = 31, k = ceil(31 x 50 / 100) = 16
        // A centre outside the range counts as the nearer end: the span stays on the bar.
        {0, 127, 200, 100, 49, 63},
        {0, 127, 200, 127, 62, 63},
        {0, 127, -50, 127, 0, 63},
        {10, 20, 30, 10, 0, 63},
    };
    for (const Case& c : cases) {
        CXBCtrlHorizontalValueBar bar;
        tagXBCtrlValueBarParamEx2 p = HorizontalParam(c.minimum, c.maximum, c.centre);
        ASSERT_TRUE(bar.CreateEx2(&p, 1, 0));
        bar.SetIntValue(c.value, false);
        const auto [first, end] = LitColumns(bar, 6);
        EXPECT_EQ(first, c.first) << c.minimum << ".." << c.maximum << " c" << c.centre << " v" << c.value;
        EXPECT_EQ(end, c.end) << c.minimum << ".." << c.maximum << " c" << c.centre << " v" << c.value;
        // Nothing of the bar image above or below its rows.
        EXPECT_NE(At(context, kLeft + 10, kTop + 1), kBar);
        EXPECT_NE(At(context, kLeft + 10, kTop + 11), kBar);
    }
}

// The vertical bar fills from the bottom: rows from the bar's bottom edge.
TEST_F(ValueBarTest, VerticalSpanRowsFromTheBottom) {
    struct Case {
        int minimum, maximum, centre, value;
        int lit;  // rows lit, counted up from the bottom of the 104-row bar
    };
    const Case cases[] = {
        {0, 127, 0, 0, 0},
        {0, 127, 0, 64, 53},
        {0, 127, 0, 127, 104},
        {0, 100, 0, 1, 2},
    };
    for (const Case& c : cases) {
        CXBCtrlVerticalValueBar bar;
        tagXBCtrlValueBarParamEx p = VerticalParam(c.minimum, c.maximum, c.centre);
        ASSERT_TRUE(bar.CreateEx(&p, 1, 0));
        bar.SetIntValue(c.value, false);
        context.SetBrushColor(0xFF000000);
        context.FillRect(0, 0, 200, 200);
        bar.Draw(&context);
        int lit = 0;
        for (int y = 0; y < 108; ++y) lit += At(context, kLeft + 10, kTop + y) == kBar ? 1 : 0;
        EXPECT_EQ(lit, c.lit) << c.value;
        if (c.lit > 0) {
            EXPECT_EQ(At(context, kLeft + 10, kTop + 2 + 104 - 1), kBar);  // the bottom row
            EXPECT_EQ(At(context, kLeft + 10, kTop + 2 + 104 - c.lit), kBar);
            EXPECT_NE(At(context, kLeft + 10, kTop + 2 + 104 - c.lit - 1), kBar);
        }
    }
}

TEST_F(ValueBarTest, NumberDisplay) {
    struct Case {
        int value, characters;
        bool isSigned;
        const char* text;
    };
    const Case cases[] = {
        {0, 3, true, "+00"},    {5, 3, true, "+05"},   {-12, 3, true, "-12"}, {7, 3, false, "007"},
        {127, 3, false, "127"}, {99, 4, true, "+099"}, {0, 0, false, ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(QnValueBarNumber(c.value, c.characters, c.isSigned), c.text) << c.value;
}

// The proportional value text stays inside the control even when its box reaches past it.
TEST_F(ValueBarTest, HorizontalTextIsClippedToTheControl) {
    CXBCtrlHorizontalValueBar bar;
    tagXBCtrlValueBarParamEx2 p = HorizontalParam(0, 127, 0);
    p.characters = 6;  // 6 x 7 = 42 pixels from x 71: past the right edge at 96
    ASSERT_TRUE(bar.CreateEx2(&p, 1, 0));
    bar.SetPtrValue(const_cast<char*>("AAAAAAAAAA"), false);
    context.SetBrushColor(0xFF000000);
    context.FillRect(0, 0, 200, 200);
    bar.Draw(&context);
    auto isText = [&](int x) { return (At(context, kLeft + x, kTop + 6) >> 16 & 0xFF) > 0xE0; };
    EXPECT_FALSE(isText(70));
    EXPECT_TRUE(isText(71));
    EXPECT_TRUE(isText(95));
    EXPECT_FALSE(isText(96));
    EXPECT_FALSE(isText(100));
}

// Drags begun on the bar: the value under the pointer (reported unclamped), then movement from the
// pressed point, scaled by the range over the bar's width and the time between moves; with Shift
// one value per 10 pixels. The accumulator is not clamped.
TEST_F(ValueBarTest, HorizontalDragOnTheBar) {
    CXBCtrlHorizontalValueBar bar;
    tagXBCtrlValueBarParamEx2 p = HorizontalParam(0, 127, 0);
    ASSERT_TRUE(bar.CreateEx2(&p, 1, 0));
    bar.SetListener(&recorder);
    Run(&bar, {
                  {0, HfcGesture::Down, 12, 5, 0, {"value 20"}},        // 10 x 128 / 63
                  {10, HfcGesture::Move, 15, 5, kShift, {}},            // 208
                  {10, HfcGesture::Move, 17, 5, kShift, {"value 21"}},  // 210
                  {10, HfcGesture::Move, 18, 5, 0, {"value 23"}},       // + 20.3
                  {400, HfcGesture::Move, 22, 5, 0, {"value 24"}},      // 4 px at 1/8: + 10.2
                  {0, HfcGesture::Up, 22, 5, 0, {"lost capture"}},
              });
    recorder.calls.clear();
    Run(&bar, {
                  {0, HfcGesture::Down, 64, 5, 0, {"value 125"}},
                  {10, HfcGesture::Move, 74, 5, 0, {"value 127"}},  // 145 asked
                  {10, HfcGesture::Move, 69, 5, 0, {}},             // 135: still the end
                  {10, HfcGesture::Move, 64, 5, 0, {"value 125"}},  // back over the excess
                  {10, HfcGesture::Move, 64, 9, 0, {}},             // vertical movement: nothing
              });
}

// Drags begun on the display move by vertical movement: 1 per pixel at speed, the pause scaling it,
// and with Shift one value per 10 pixels whatever the pause.
TEST_F(ValueBarTest, DragOnTheDisplay) {
    CXBCtrlHorizontalValueBar bar;
    tagXBCtrlValueBarParamEx2 p = HorizontalParam(0, 127, 0);
    ASSERT_TRUE(bar.CreateEx2(&p, 1, 0));
    bar.SetIntValue(50, false);
    bar.SetListener(&recorder);
    Run(&bar, {
                  {0, HfcGesture::Down, 75, 5, 0, {}},
                  {10, HfcGesture::Move, 75, 3, 0, {"value 52"}},         // 2 px at full speed: 505 + 20
                  {2000, HfcGesture::Move, 75, -29, 0, {"value 53"}},     // 32 px at 1/32
                  {10, HfcGesture::Move, 99, -29, 0, {}},                 // sideways
                  {10, HfcGesture::Move, 75, -34, kShift, {"value 54"}},  // 540
                  {3000, HfcGesture::Move, 75, -38, kShift, {}},          // 544: no acceleration
                  {10, HfcGesture::Move, 75, -44, kShift, {"value 55"}},  // 550
                  {10, HfcGesture::Move, 75, 2000, 0, {"value 0"}},       // far down (after a long pause)
              });
}

// A drag follows the hand at every value: from a negative, zero or positive value, in either
// direction, with and without Shift, the first value reported is the neighbour on the side moved
// to, reached after the same distance either way (half a fine step, as the accumulator starts half a
// step above the value), on the bar and on the display.
TEST_F(ValueBarTest, DragsMoveTheWayOfTheHandAtEveryValue) {
    enum Where { kBar, kDisplay };
    struct Case {
        Where where;
        int start;
        int direction;  // +1: right on the bar, up on the display
        int modifiers;
    };
    std::vector<Case> cases;
    for (Where where : {kBar, kDisplay})
        for (int start : {-5, 0, 5})
            for (int direction : {1, -1})
                for (int modifiers : {0, kShift}) cases.push_back({where, start, direction, modifiers});
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.where == kBar ? "bar" : "display") + " from " + std::to_string(c.start) +
                     (c.direction > 0 ? " up" : " down") + (c.modifiers ? " with Shift" : ""));
        // -31..31 over the 63-pixel bar: one value per pixel, so a press at bar x k asks for k - 31.
        CXBCtrlHorizontalValueBar bar;
        tagXBCtrlValueBarParamEx2 p = HorizontalParam(-31, 31, 0);
        ASSERT_TRUE(bar.CreateEx2(&p, 1, 0));
        bar.SetIntValue(c.start, false);
        HfcControlRecorder r;
        bar.SetListener(&r);
        int x = c.where == kBar ? 2 + c.start + 31 : 75, y = 5;
        driver.Step(&bar, {HfcGesture::Down, x, y});
        ASSERT_TRUE(r.Reports().empty());
        // Without Shift one pixel at speed is one value; with Shift one value per 10 pixels, the first
        // after 5 pixels up or 6 down (from the middle of the value's step).
        const int pixels = c.modifiers ? 16 : 3;
        std::vector<std::string> expected;
        for (int px = 1; px <= pixels; ++px) {
            if (c.direction > 0)
                (c.where == kBar ? x : y) += c.where == kBar ? 1 : -1;
            else
                (c.where == kBar ? x : y) += c.where == kBar ? -1 : 1;
            clock.Advance(10);
            driver.Step(&bar, {HfcGesture::Move, x, y, c.modifiers});
            const int steps = c.modifiers ? (c.direction > 0 ? (px + 5) / 10 : (px + 4) / 10) : px;
            if (steps > static_cast<int>(expected.size()))
                expected.push_back(HfcControlRecorder::Value(c.start + c.direction * steps));
        }
        EXPECT_EQ(r.Reports(), expected);
        driver.Step(&bar, {HfcGesture::Up, x, y});
    }
}

// The vertical bar: a press maps the pointer from the top; drags on the bar run upwards.
TEST_F(ValueBarTest, VerticalPressAndDrag) {
    CXBCtrlVerticalValueBar bar;
    tagXBCtrlValueBarParamEx p = VerticalParam(0, 127, 0);
    ASSERT_TRUE(bar.CreateEx(&p, 1, 0));
    bar.SetListener(&recorder);
    Run(&bar, {
                  {0, HfcGesture::Down, 10, 2, 0, {"value 127"}},  // the top row
                  {0, HfcGesture::Up, 10, 2, 0, {"lost capture"}},
                  {0, HfcGesture::Down, 10, 54, 0, {"value 63"}},        // d = 52 x 128 / 104 = 64
                  {10, HfcGesture::Move, 10, 44, kShift, {"value 64"}},  // 10 px up with Shift
                  {10, HfcGesture::Move, 10, 45, 0, {"value 63"}},       // 1 px down: - 1.23
              });
    // The stated formula for a negative minimum: the top of -64..63 asks for 64.
    HfcControlRecorder r;  // outlives the bar, which holds the mouse when it goes
    CXBCtrlVerticalValueBar signedBar;
    tagXBCtrlValueBarParamEx q = VerticalParam(-64, 63, 0);
    ASSERT_TRUE(signedBar.CreateEx(&q, 1, 0));
    signedBar.SetListener(&r);
    driver.Step(&signedBar, {HfcGesture::Down, 10, 2});
    EXPECT_EQ(r.Reports(), std::vector<std::string>{"value 64"});
}

TEST_F(ValueBarTest, ArrowKeysAndTextEntry) {
    CXBCtrlHorizontalValueBar bar;
    tagXBCtrlValueBarParamEx2 p = HorizontalParam(-5, 5, 0);
    ASSERT_TRUE(bar.CreateEx2(&p, 1, 0));
    bar.SetListener(&recorder);
    struct Key {
        int value, key;
        bool handled;
        std::vector<std::string> reports;
    };
    const Key keys[] = {
        {0, 29, true, {"value 1"}},
        {0, 30, true, {"value 1"}},
        {0, 28, true, {HfcControlRecorder::Value(-1)}},
        {0, 31, true, {HfcControlRecorder::Value(-1)}},
        {5, 29, true, {}},
        {-5, 31, true, {}},
        {0, 'x', false, {}},
    };
    for (const Key& k : keys) {
        bar.SetIntValue(k.value, false);
        recorder.calls.clear();
        EXPECT_EQ(bar.OnKeyDown(k.key, 0, 0), k.handled);
        EXPECT_EQ(recorder.Reports(), k.reports) << k.value << " " << k.key;
    }

    // A double click on the display opens text entry with the whole text selected.
    bar.SetPtrValue(const_cast<char*>("-3"), false);
    recorder.calls.clear();
    ASSERT_TRUE(driver.Step(&bar, {HfcGesture::Double, 75, 5}));
    ASSERT_TRUE(bar.IsEditing());
    EXPECT_EQ(recorder.calls, std::vector<std::string>{"offer double"});
    EXPECT_STREQ(bar.GetEngine()->GetText(), "-3");
    EXPECT_EQ(bar.GetEngine()->GetSelectionStart(), 0);
    EXPECT_EQ(bar.GetEngine()->GetSelectionEnd(), 2);
    EXPECT_TRUE(bar.OnKeyDown(29, 0, 0));  // the caret, not the value
    for (char c : std::string("4")) driver.Step(&bar, {HfcGesture::Char, c, 0});
    recorder.calls.clear();
    driver.Step(&bar, {HfcGesture::Key, 13, 0});
    EXPECT_EQ(recorder.Reports(), std::vector<std::string>{"text -34"});
    EXPECT_FALSE(bar.IsEditing());
    // Escape and focus loss leave without a report; a press on the bar ends the entry.
    for (int end : {27, 0, -1}) {
        driver.Step(&bar, {HfcGesture::Double, 75, 5});
        ASSERT_TRUE(bar.IsEditing());
        recorder.calls.clear();
        if (end > 0) {
            driver.Step(&bar, {HfcGesture::Key, end, 0});
        } else if (end == 0) {
            bar.OnKeyLostFocus();
        } else {
            driver.Step(&bar, {HfcGesture::Down, 30, 5});
            driver.Step(&bar, {HfcGesture::Up, 30, 5});
        }
        EXPECT_FALSE(bar.IsEditing());
        for (const std::string& call : recorder.calls) EXPECT_EQ(call.rfind("text", 0), std::string::npos);
    }
    // The vertical bar edits its value as a number.
    CXBCtrlVerticalValueBar vertical;
    tagXBCtrlValueBarParamEx q = VerticalParam(-64, 63, 0);
    q.barHeight = 80;
    q.textX = 2;
    q.textY = 90;
    q.characters = 3;
    ASSERT_TRUE(vertical.CreateEx(&q, 1, 0));
    vertical.SetIntValue(-7, false);
    ASSERT_TRUE(driver.Step(&vertical, {HfcGesture::Double, 4, 92}));
    EXPECT_STREQ(vertical.GetEngine()->GetText(), "-7");
}

TEST_F(ValueBarTest, CreationRefusesMissingImagesAndTakesTheLayersSettings) {
    CXBCtrlHorizontalValueBar bar;
    EXPECT_FALSE(bar.CreateEx2(nullptr, 1, 0));
    tagXBCtrlValueBarParamEx2 p = HorizontalParam(0, 127, 0);
    p.back = nullptr;
    EXPECT_FALSE(bar.CreateEx2(&p, 1, 0));
    p = HorizontalParam(0, 127, 0);
    p.bar = nullptr;
    EXPECT_FALSE(bar.CreateEx2(&p, 1, 0));
    p = HorizontalParam(0, 127, 0);
    p.font = nullptr;
    EXPECT_FALSE(bar.CreateEx2(&p, 1, 0));
    tagXBCtrlValueBarParam plain = HorizontalParam(0, 127, 0);
    plain.font = nullptr;
    ASSERT_TRUE(bar.Create(&plain, 1, 0));  // the plain record may go without a font
    EXPECT_EQ(bar.GetRect().right - bar.GetRect().left, 96);
    bool isSigned = true;
    bar.SetParameter(QnSynthLayer::kValueBarCentreAndSign, 64, &isSigned, true);
    EXPECT_EQ(bar.GetCentreValue(), 64);
    EXPECT_TRUE(bar.IsSignedDisplay());
}

}  // namespace
