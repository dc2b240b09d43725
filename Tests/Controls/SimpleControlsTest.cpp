// Static text, slider, arpeggio length bar and activity lamp: alignment in pixels on a block font,
// the values under the pointer (kept within the range), and the lamp's fading frames by elapsed time.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Common/Controls/QnSimpleControls.h"
#include "Common/FontManager/ResourceManager.h"
#include "Hfc/HfcControlDriver.h"
#include "Hfc/HfcControlRecorder.h"
#include "Hfc/HfcTestStrips.h"
#include "ValueControlArt.h"

namespace {

using namespace ValueControlArt;

class SimpleControls : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(ResourceManager::Initialize()); }
    void TearDown() override { ResourceManager::Uninitialize(); }
    void Clear() {
        context.SetBrushColor(0xFF000000);
        context.FillRect(0, 0, 400, 100);
    }
    bool IsText(int x, int y) { return (At(context, x, y) >> 16 & 0xFF) > 0xE0; }

    HfcControlDriver driver;
    HfcControlRecorder recorder;
    std::unique_ptr<CHfcBmp> page = Solid(400, 100, kPage);
    CHfcOffscreenContext context{400, 100};
};

TEST_F(SimpleControls, StaticTextHeightTextAndCreation) {
    BlockFont font(4, 5, 9);
    QnStaticText text;
    EXPECT_FALSE(text.Create(nullptr, 1, 0));
    SQnStaticText p;
    p.width = 50;
    p.font = &font.info;
    p.text = "Level";
    ASSERT_TRUE(text.Create(&p, 1, 0));
    EXPECT_EQ(text.GetRect().bottom - text.GetRect().top, 9);  // height 0: the font's cell height
    EXPECT_EQ(text.GetHAlign(), 1);
    EXPECT_EQ(text.GetVAlign(), 1);
    text.SetPtrValue(nullptr, true);
    EXPECT_EQ(text.GetText(), "Level");
    text.SetPtrValue(const_cast<char*>("Pan"), false);
    EXPECT_EQ(text.GetText(), "Pan");
    EXPECT_TRUE(text.IsDirty());
    text.SetTextColor(0xFF123456);
    EXPECT_EQ(text.GetTextColor(), 0xFF123456u);
    // A press goes no further than the listener.
    text.SetListener(&recorder);
    EXPECT_FALSE(driver.Step(&text, {HfcGesture::Down, 3, 3}));
    recorder.takeMouse = true;
    EXPECT_TRUE(driver.Step(&text, {HfcGesture::Down, 3, 3}));
}

// The text's first pixel for each alignment: width 100, height 20, "AB" 10 pixels wide and 9 high.
TEST_F(SimpleControls, StaticTextAlignment) {
    BlockFont font(4, 5, 9);
    struct Case {
        int hAlign, margin, vAlign, offset;
        int x, y;  // where the text starts, relative to the control
    };
    const Case cases[] = {
        {1, 0, 1, 0, 45, 5},  {1, 4, 1, 2, 49, 7}, {0, 3, 0, 2, 3, 2},
        {2, 3, 2, 1, 87, 10}, {0, 0, 2, 0, 0, 11}, {7, 9, 7, 9, 0, 0},  // unknown alignments: the corner
        {2, 0, 0, -5, 90, 0},                                           // negative y becomes 0
    };
    for (const Case& c : cases) {
        SQnStaticText p;
        p.x = 10;
        p.y = 10;
        p.width = 100;
        p.height = 20;
        p.back = page.get();
        p.font = &font.info;
        p.text = "AB";
        p.colour = kText;
        p.hAlign = c.hAlign;
        p.hMargin = c.margin;
        p.vAlign = c.vAlign;
        p.vOffset = c.offset;
        QnStaticText text;
        ASSERT_TRUE(text.Create(&p, 1, 0));
        text.Enable(false);
        Clear();
        text.Draw(&context);
        const int x = 10 + c.x, y = 10 + c.y;
        EXPECT_TRUE(IsText(x, y)) << c.hAlign << "/" << c.vAlign;
        EXPECT_TRUE(IsText(x + 8, y + 8)) << c.hAlign << "/" << c.vAlign;
        EXPECT_FALSE(IsText(x - 1, y)) << c.hAlign << "/" << c.vAlign;
        EXPECT_FALSE(IsText(x, y - 1)) << c.hAlign << "/" << c.vAlign;
        EXPECT_FALSE(IsText(x + 10, y)) << c.hAlign << "/" << c.vAlign;
    }
}

TEST_F(SimpleControls, StaticTextClipsToItsWidthAndFadesWhenDisabled) {
    BlockFont font(5, 5, 9);
    SQnStaticText p;
    p.x = 10;
    p.y = 10;
    p.width = 22;
    p.height = 9;
    p.font = &font.info;
    p.text = "ABCDEFGH";
    p.colour = kText;
    p.hAlign = 0;
    p.hMargin = 2;
    QnStaticText text;
    ASSERT_TRUE(text.Create(&p, 1, 0));
    text.Enable(false);
    Clear();
    text.Draw(&context);
    EXPECT_TRUE(IsText(10 + 2, 14));
    EXPECT_TRUE(IsText(10 + 21, 14));  // W = 22 - 2 pixels of text from x 2
    EXPECT_FALSE(IsText(10 + 22, 14));
    text.Disable(false);
    Clear();
    text.Draw(&context);
    EXPECT_FALSE(IsText(10 + 2, 14));  // half alpha over black
    EXPECT_GT(At(context, 12, 14) >> 16 & 0xFF, 0x60u);
}

// The slider: the value under the pointer, x x (range) / width, taken within the range.
TEST_F(SimpleControls, SliderValuesStayInTheRange) {
    QnSlider slider;
    ASSERT_TRUE(slider.Create(10, 10, 101, 12, page.get(), 0, 0, 5));
    slider.SetListener(&recorder);
    struct Step {
        HfcGesture gesture;
        int x;
        std::vector<std::string> reports;
    };
    const Step steps[] = {
        {HfcGesture::Down, 50, {"value 50"}},
        {HfcGesture::Move, 0, {"value 0"}},
        {HfcGesture::Move, -10, {"value 0"}},  // a drag past the left end stays at 0
        {HfcGesture::Move, 100, {"value 100"}},
        {HfcGesture::Move, 500, {"value 100"}},
        {HfcGesture::Up, 500, {}},
        {HfcGesture::Move, 20, {}},  // released
    };
    for (const Step& s : steps) {
        recorder.calls.clear();
        driver.Step(&slider, {s.gesture, s.x, 5});
        EXPECT_EQ(recorder.Reports(), s.reports) << s.x;
    }
    EXPECT_EQ(slider.GetIntValue(), 100);
    slider.SetIntValue(-20, false);
    EXPECT_EQ(slider.GetIntValue(), 0);
    slider.SetIntValue(50, false);
    EXPECT_EQ(slider.ThumbX(), 50);
    // The thumb drawn at its x, centred vertically.
    Clear();
    slider.Draw(&context);
    CHfcBmp* thumb = slider.GetThumb();
    const int ty = 10 + (12 - thumb->GetHeight()) / 2;
    for (int y = 0; y < thumb->GetHeight(); ++y) {
        for (int x = 0; x < thumb->GetWidth(); ++x) {
            const uint32_t expected = thumb->GetPixel(x, y);
            if ((expected >> 24) == 0xFF) {
                EXPECT_EQ(At(context, 10 + 50 + x, ty + y), expected);
            }
        }
    }
    // A listener that takes the press stops it.
    recorder.takeMouse = true;
    recorder.calls.clear();
    EXPECT_TRUE(driver.Step(&slider, {HfcGesture::Down, 10, 5}));
    EXPECT_FALSE(driver.Captured(&slider));
    EXPECT_EQ(slider.GetIntValue(), 50);
}

TEST_F(SimpleControls, ArpLengthBarNeverLeavesItsRange) {
    QnArpLengthBar bar;
    ASSERT_TRUE(bar.Create(10, 40, 6));
    const int width = bar.GetRect().right - bar.GetRect().left;
    const int height = bar.GetRect().bottom - bar.GetRect().top;
    ASSERT_EQ(width, 336);
    bar.SetListener(&recorder);
    struct Step {
        HfcGesture gesture;
        int x;
        int value;
    };
    const Step steps[] = {
        {HfcGesture::Down, 100, 38},  // 100 x 128 / 334
        {HfcGesture::Move, -50, 0},
        {HfcGesture::Move, 1000, 127},
        {HfcGesture::Move, 167, 64},
    };
    for (const Step& s : steps) {
        recorder.calls.clear();
        driver.Step(&bar, {s.gesture, s.x, 3});
        EXPECT_EQ(recorder.Reports(), std::vector<std::string>{"value " + std::to_string(s.value)}) << s.x;
        EXPECT_EQ(bar.GetIntValue(), s.value);
    }
    driver.Step(&bar, {HfcGesture::Up, 167, 3});
    // The red fill: round(value x 334 / 128) wide from (1, 1), height - 2 high.
    struct Fill {
        int value, width;
    };
    for (const Fill& f : {Fill{0, 0}, Fill{1, 3}, Fill{64, 167}, Fill{127, 331}}) {
        bar.SetIntValue(f.value, false);
        EXPECT_EQ(bar.FillWidth(), f.width) << f.value;
        CHfcOffscreenContext wide(400, 60);
        bar.Draw(&wide);
        if (f.width > 0) {
            EXPECT_EQ(wide.GetBmp()->GetPixel(10 + 1, 40 + 1), 0xFFFF0000u);
            EXPECT_EQ(wide.GetBmp()->GetPixel(10 + f.width, 40 + height - 2), 0xFFFF0000u);
        }
        EXPECT_NE(wide.GetBmp()->GetPixel(10 + 1 + f.width, 40 + 4), 0xFFFF0000u) << f.value;
        EXPECT_NE(wide.GetBmp()->GetPixel(10 + 5, 40), 0xFFFF0000u);  // the top row is the back
    }
}

// The lamp lights frame v - 1 and falls a frame per time per level; disabled it shows the last frame.
TEST_F(SimpleControls, LampFadesFrameByFrame) {
    CHfcBmp strip;
    HfcTestStrips::NumberedStrip(&strip, 13, 11, 5);  // 4 levels + the disabled face
    const int table[4] = {0, 1, 2, 3};
    tagMMPCtrlFlashParam p;
    p.x = 10;
    p.y = 10;
    p.frames = &strip;
    p.back = page.get();
    p.levels = 4;
    p.timePerLevel = 100;
    p.levelTable = table;
    CMMPCtrlFlash lamp;
    ASSERT_TRUE(lamp.Create(&p, 1, 0));
    EXPECT_EQ(lamp.GetRect().bottom - lamp.GetRect().top, 11);
    EXPECT_FALSE(lamp.IsEnabled());
    EXPECT_EQ(lamp.GetFrame(), 4);
    lamp.Enable(false);
    struct Step {
        int value;  // -1: no new value
        int elapsed;
        int frame;
    };
    const Step steps[] = {
        {4, 0, 3},    {-1, 100, 3}, {-1, 0, 2},   {-1, 100, 2},
        {-1, 100, 1}, {-1, 100, 0}, {-1, 100, 0}, {9, 0, 3},  // above the levels: as the levels
        {1, 0, 0},    {0, 0, 0},
    };
    for (const Step& s : steps) {
        if (s.value >= 0) lamp.SetIntValue(s.value, true);
        lamp.OnIdle(s.elapsed);
        EXPECT_EQ(lamp.GetFrame(), s.frame) << s.value << " " << s.elapsed;
        Clear();
        lamp.Draw(&context);
        EXPECT_EQ(HfcTestStrips::FrameAt(context.GetBmp(), 10 + 8, 10 + 9, 5), s.frame);
    }
    // The frames shown 0, 100, 200 and 300 ms after a value of 4 (a tick reads the time the previous
    // ticks took off).
    lamp.SetIntValue(4, true);
    std::vector<int> frames;
    for (int t = 0; t <= 300; t += 100) {
        lamp.OnIdle(t == 0 ? 0 : 100);
        lamp.OnIdle(0);
        frames.push_back(lamp.GetFrame());
    }
    EXPECT_EQ(frames, (std::vector<int>{3, 2, 1, 0}));
    lamp.SetIntValue(4, true);
    lamp.Disable(false);
    EXPECT_EQ(lamp.GetFrame(), 4);
    lamp.OnIdle(50);
    EXPECT_EQ(lamp.GetFrame(), 4);
    lamp.Enable(false);
    EXPECT_EQ(lamp.GetFrame(), 3);  // 349 ms left

    tagMMPCtrlFlashParam bad = p;
    bad.levels = 0;
    CMMPCtrlFlash other;
    EXPECT_FALSE(other.Create(&bad, 1, 0));
    bad = p;
    bad.timePerLevel = 0;
    EXPECT_FALSE(other.Create(&bad, 1, 0));
    bad = p;
    bad.back = nullptr;
    EXPECT_FALSE(other.Create(&bad, 1, 0));
    EXPECT_FALSE(other.Create(nullptr, 1, 0));
    EXPECT_EQ(lamp.GetLevelTable(), (std::vector<int>{0, 1, 2, 3}));
}

}  // namespace
