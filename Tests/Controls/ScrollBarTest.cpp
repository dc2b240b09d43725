// The scroll bar: thumb size and positions, presses on its areas, dragging, auto-repeat timed by
// idle ticks, the repeat ending with the button, and its drawing on plain images.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Common/Controls/MMPCtrlScrollBar.h"
#include "Hfc/HfcControlDriver.h"
#include "ListsTestSupport.h"

namespace {

using Calls = std::vector<std::string>;

constexpr uint32_t kBack = 0xFF101010;
constexpr uint32_t kThumb = 0xFF6178C2;
constexpr uint32_t kTrack = 0xFF07080F;
const std::vector<uint32_t> kFaces = {0xFF800000, 0xFFFF0000, 0xFF008000, 0xFF00FF00};

// A vertical bar at (5, 10) of 14 × 328: switches of 14, a track of 300 and margins 2 across.
class ScrollBarTest : public testing::Test {
protected:
    ScrollBarTest() {
        ListsTest::Faces(&switches, 14, 14, kFaces);
        ListsTest::Solid(&background, 400, 400, kBack);
    }
    tagMMPCtrlScrollBarParam Param(int maximum, int page, bool vertical = true) {
        tagMMPCtrlScrollBarParam p;
        p.x = 5;
        p.y = 10;
        p.width = vertical ? 14 : 328;
        p.height = vertical ? 328 : 14;
        p.background = &background;
        p.backgroundX = 5;
        p.backgroundY = 10;
        p.switchImage = &switches;
        p.vertical = vertical;
        p.thumbColour = kThumb;
        p.trackColour = kTrack;
        p.minimum = 0;
        p.maximum = maximum;
        p.pageSize = page;
        if (vertical) {
            p.marginLeft = p.marginRight = 2;
        } else {
            p.marginTop = p.marginBottom = 2;
        }
        return p;
    }
    void Make(CMMPCtrlScrollBar& bar, const tagMMPCtrlScrollBarParam& p) {
        ASSERT_TRUE(bar.Create(&p, 4, 0));
        bar.SetListener(&recorder);
        recorder.echo = true;  // the owner accepts every value
    }
    // Idle ticks of 10 ms until `until` ms after the press; the values reported on the way, with
    // the time of each.
    Calls Hold(CMMPCtrlScrollBar& bar, int until) {
        Calls out;
        for (int t = 10; t <= until; t += 10) {
            const size_t before = recorder.calls.size();
            bar.OnIdle(10);
            for (size_t i = before; i < recorder.calls.size(); ++i) {
                if (recorder.calls[i].rfind("value", 0) == 0)
                    out.push_back(std::to_string(t) + ": " + recorder.calls[i]);
            }
        }
        return out;
    }

    CHfcBmp switches;
    CHfcBmp background;
    HfcControlRecorder recorder;
    HfcControlDriver driver;
};

TEST_F(ScrollBarTest, DerivedSizesAndPositions) {
    CMMPCtrlScrollBar bar;
    EXPECT_FALSE(bar.Create(nullptr, 1, 0));
    Make(bar, Param(99, 22));
    EXPECT_EQ(bar.GetSwitchLength(), 14);
    EXPECT_EQ(bar.GetRangeCount(), 100);
    EXPECT_EQ(bar.GetTrackLength(), 300);
    EXPECT_EQ(bar.GetThickness(), 10);
    EXPECT_EQ(bar.GetThumbLength(), 54);  // max(10, 22 × 300 / 121)
    EXPECT_EQ(bar.GetTravel(), 246);
    const struct {
        int value, position;
    } positions[] = {{0, 14}, {99, 260}, {50, 14 + 50 * 246 / 99}, {-5, 14}, {500, 260}};
    for (const auto& r : positions) EXPECT_EQ(bar.ValueToPosition(r.value), r.position) << r.value;
    const struct {
        int position, value;
    } values[] = {{0, 0}, {14, 0}, {137, 123 * 99 / 246}, {260, 99}, {1000, 99}, {-50, 0}};
    for (const auto& r : values) EXPECT_EQ(bar.PositionToValue(r.position), r.value) << r.position;
    bar.SetIntValue(50, false);
    const int thumb = bar.ValueToPosition(50);
    const struct {
        int position, area;
    } areas[] = {{0, 3},          {13, 3},         {14, 4},  {thumb - 1, 4}, {thumb, 1},
                 {thumb + 53, 1}, {thumb + 54, 5}, {313, 5}, {314, 2},       {327, 2}};
    for (const auto& r : areas) EXPECT_EQ(bar.GetMouseDownArea(r.position), r.area) << r.position;
    // The page and the range recompute the thumb; a page of 0 counts as 1.
    bar.SetPageSize(0, false);
    EXPECT_EQ(bar.GetPageSize(), 1);
    EXPECT_EQ(bar.GetThumbLength(), 10);
    bar.SetMaxIntValue(0, false);
    EXPECT_EQ(bar.GetThumbLength(), 300);
    EXPECT_TRUE(bar.ThumbFillsTrack());
    EXPECT_EQ(bar.GetIntValue(), 50);  // the range does not move the value
    bar.SetMinIntValue(10, false);
    EXPECT_EQ(bar.GetRangeCount(), 0);
    EXPECT_EQ(bar.ValueToPosition(10), 0);
    EXPECT_EQ(bar.PositionToValue(100), 0);
}

TEST_F(ScrollBarTest, ExtremeRangesDoNotOverflow) {
    CMMPCtrlScrollBar bar;
    tagMMPCtrlScrollBarParam p = Param(0x7FFFFFFF, 0x7FFFFFFF);
    p.minimum = static_cast<int>(0x80000000u);
    Make(bar, p);
    EXPECT_EQ(bar.GetRangeCount(), 0x100000000LL);
    EXPECT_GE(bar.GetThumbLength(), 10);
    EXPECT_LE(bar.GetThumbLength(), 300);
    bar.SetIntValue(0x7FFFFFFF, false);
    EXPECT_LE(bar.ValueToPosition(0x7FFFFFFF), 314);
    EXPECT_EQ(bar.PositionToValue(1000), 0x7FFFFFFF);
    EXPECT_EQ(bar.PositionToValue(0), static_cast<int>(0x80000000u));
    recorder.calls.clear();
    driver.Step(&bar, {HfcGesture::Down, 5, 320});
    EXPECT_EQ(recorder.Reports(), Calls{});  // already at the maximum
}

TEST_F(ScrollBarTest, HoldingTheIncrementSwitchRepeatsAndStopsAtTheMaximum) {
    CMMPCtrlScrollBar bar;
    Make(bar, Param(99, 22));
    bar.SetIntValue(95, false);
    recorder.calls.clear();
    driver.Step(&bar, {HfcGesture::Down, 5, 320});
    EXPECT_EQ(bar.GetMode(), CMMPCtrlScrollBar::kModeIncrement);
    EXPECT_EQ(recorder.Reports(), Calls{"value 96"});
    EXPECT_EQ(Hold(bar, 700), (Calls{"500: value 97", "530: value 98", "560: value 99"}));
    EXPECT_EQ(bar.GetIntValue(), 99);
    driver.Step(&bar, {HfcGesture::Up, 5, 320});
    EXPECT_EQ(bar.GetMode(), 0);
    EXPECT_FALSE(driver.Captured(&bar));
    // The decrement switch steps down the same way.
    recorder.calls.clear();
    driver.Step(&bar, {HfcGesture::Down, 5, 3});
    EXPECT_EQ(Hold(bar, 560), (Calls{"500: value 97", "530: value 96", "560: value 95"}));
    driver.Step(&bar, {HfcGesture::Up, 5, 3});
    EXPECT_EQ(Hold(bar, 600), Calls{});
}

TEST_F(ScrollBarTest, PagingStopsOnceTheThumbPassesThePointer) {
    CMMPCtrlScrollBar bar;
    Make(bar, Param(99, 22));
    recorder.calls.clear();
    driver.Step(&bar, {HfcGesture::Down, 5, 200});
    EXPECT_EQ(bar.GetMode(), CMMPCtrlScrollBar::kModePageUp);
    EXPECT_EQ(recorder.Reports(), Calls{"value 22"});
    // At 66 the thumb spans 178 .. 231 and covers the pointer: no more pages.
    EXPECT_EQ(Hold(bar, 1000), (Calls{"500: value 44", "530: value 66"}));
    driver.Step(&bar, {HfcGesture::Up, 5, 200});
    // Paging back: pointer above the thumb.
    recorder.calls.clear();
    driver.Step(&bar, {HfcGesture::Down, 5, 20});
    EXPECT_EQ(recorder.Reports(), Calls{"value 44"});
    // The pointer moves while held: the repeat follows it.
    driver.Step(&bar, {HfcGesture::Move, 5, 100});
    EXPECT_EQ(Hold(bar, 600), (Calls{"500: value 22"}));
    driver.Step(&bar, {HfcGesture::Up, 5, 100});
}

TEST_F(ScrollBarTest, DraggingTheThumb) {
    CMMPCtrlScrollBar bar;
    Make(bar, Param(99, 22));
    recorder.calls.clear();
    const std::vector<HfcStep> steps = {{HfcGesture::Down, 5, 20},   {HfcGesture::Move, 5, 20 + 123},
                                        {HfcGesture::Move, 5, 20},   {HfcGesture::Move, 5, 1000},
                                        {HfcGesture::Move, 5, -500}, {HfcGesture::Up, 5, -500}};
    driver.Run(&bar, steps);
    EXPECT_EQ(recorder.Reports(), (Calls{"value 49", "value 0", "value 99", "value 0", "lost capture"}));
    EXPECT_EQ(bar.GetMode(), 0);
    // Horizontal bars measure along x.
    CMMPCtrlScrollBar horizontal;
    Make(horizontal, Param(99, 22, false));
    EXPECT_EQ(horizontal.GetSwitchLength(), 14);
    EXPECT_EQ(horizontal.GetThickness(), 10);
    recorder.calls.clear();
    driver.Run(&horizontal,
               {{HfcGesture::Down, 20, 5}, {HfcGesture::Move, 143, 5}, {HfcGesture::Up, 143, 5}});
    EXPECT_EQ(recorder.Reports(), (Calls{"value 49", "lost capture"}));
}

TEST_F(ScrollBarTest, NothingToScrollIgnoresPresses) {
    CMMPCtrlScrollBar bar;
    Make(bar, Param(0, 22));
    EXPECT_TRUE(bar.ThumbFillsTrack());
    recorder.calls.clear();
    for (int y : {3, 100, 320}) {
        driver.Step(&bar, {HfcGesture::Down, 5, y});
        EXPECT_EQ(bar.GetMode(), 0);
        EXPECT_EQ(Hold(bar, 600), Calls{});
        driver.Step(&bar, {HfcGesture::Up, 5, y});
    }
    // The presses take the capture and the releases give it back; nothing else is reported.
    EXPECT_EQ(recorder.Reports(), (Calls{"lost capture", "lost capture", "lost capture"}));
    recorder.calls.clear();
    // A disabled bar too.
    CMMPCtrlScrollBar disabled;
    Make(disabled, Param(99, 22));
    disabled.Disable(false);
    driver.Step(&disabled, {HfcGesture::Down, 5, 320});
    EXPECT_EQ(disabled.GetMode(), 0);
    EXPECT_EQ(recorder.Reports(), Calls{});
}

// However the button's end reaches the bar, the repeat stops with it.
TEST_F(ScrollBarTest, TheRepeatEndsWithTheButton) {
    struct Listener : HfcControlRecorder {
        bool takeRelease = false;
        bool OnHfcCtrlMouseLButtonUp(CHfcControl*, int, int, int) override { return takeRelease; }
        bool OnHfcCtrlMouseLostCapture(CHfcControl*) override {
            calls.push_back("lost capture");
            return true;  // the listener claims the loss
        }
    };
    enum class End { CaptureLost, ReleaseWithoutCapture, ReleaseTakenByListener };
    for (End end : {End::CaptureLost, End::ReleaseWithoutCapture, End::ReleaseTakenByListener}) {
        SCOPED_TRACE(static_cast<int>(end));
        Listener listener;
        listener.echo = true;
        CMMPCtrlScrollBar bar;
        tagMMPCtrlScrollBarParam p = Param(99, 22);
        ASSERT_TRUE(bar.Create(&p, 4, 0));
        bar.SetListener(&listener);
        if (end == End::ReleaseWithoutCapture) {
            bar.OnHfcMouseLButtonDown(nullptr, 5, 320, 0);
            EXPECT_EQ(bar.GetMode(), CMMPCtrlScrollBar::kModeIncrement);
            bar.OnHfcMouseLButtonUp(nullptr, 5, 400, 0);
        } else {
            driver.Step(&bar, {HfcGesture::Down, 5, 320});
            if (end == End::CaptureLost) {
                driver.Mouse()->ReleaseCapture();
            } else {
                listener.takeRelease = true;
                driver.Step(&bar, {HfcGesture::Up, 5, 320});
            }
        }
        EXPECT_EQ(bar.GetMode(), 0);
        for (int t = 0; t < 100; ++t) bar.OnIdle(10);
        EXPECT_EQ(bar.GetIntValue(), 1);
    }
}

// Track, thumb and switch faces where the bar's geometry puts them.
TEST_F(ScrollBarTest, Drawing) {
    CMMPCtrlScrollBar bar;
    Make(bar, Param(99, 22));
    bar.SetIntValue(50, false);
    CHfcOffscreenContext context(40, 400);
    bar.Draw(&context);
    const CHfcBmp* bmp = context.GetBmp();
    const int top = 10 + bar.ValueToPosition(50);
    EXPECT_EQ(ListsTest::ExtentOf(bmp, kThumb), (ListsTest::Extent{5 + 2, 5 + 11, top, top + 53}));
    EXPECT_EQ(ListsTest::ExtentOf(bmp, kTrack), (ListsTest::Extent{5 + 2, 5 + 11, 10 + 14, 10 + 313}));
    EXPECT_EQ(bmp->GetPixel(5, 100), kBack);       // the margin across
    EXPECT_EQ(bmp->GetPixel(5, 10), kFaces[0]);    // decrement
    EXPECT_EQ(bmp->GetPixel(18, 337), kFaces[2]);  // increment
    // Held switches show their pressed faces.
    driver.Step(&bar, {HfcGesture::Down, 5, 320});
    bar.Draw(&context);
    EXPECT_EQ(bmp->GetPixel(18, 337), kFaces[3]);
    driver.Step(&bar, {HfcGesture::Up, 5, 320});
    driver.Step(&bar, {HfcGesture::Down, 5, 3});
    bar.Draw(&context);
    EXPECT_EQ(bmp->GetPixel(5, 10), kFaces[1]);
    driver.Step(&bar, {HfcGesture::Up, 5, 3});

    // Nothing to scroll: the thumb covers the track at half alpha, the switches at half alpha.
    CMMPCtrlScrollBar full;
    Make(full, Param(0, 1));
    CHfcOffscreenContext drawn(40, 400);
    full.Draw(&drawn);
    CHfcOffscreenContext expected(40, 400);
    expected.CopyBmp(5, 10, 14, 328, &background, 5, 10);
    expected.SetBrushColor(kTrack);
    expected.FillRect(7, 24, 10, 300);
    expected.SetBrushColor(0x7F6178C2);
    expected.FillRect(7, 24, 10, 300);
    expected.CopyBmpAlpha(5, 10, 14, 14, &switches, 0.5f, 0, 0);
    expected.CopyBmpAlpha(5, 324, 14, 14, &switches, 0.5f, 0, 28);
    for (int y = 0; y < 400; y += 7) {
        for (int x = 0; x < 40; x += 3)
            ASSERT_EQ(drawn.GetBmp()->GetPixel(x, y), expected.GetBmp()->GetPixel(x, y)) << x << "," << y;
    }
}

}  // namespace
