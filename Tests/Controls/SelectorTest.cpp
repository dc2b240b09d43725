// The selector controls: the mini program display, the sound selector, the up/down selector with its
// repeat and drag (timed by the injected toolkit clock), and the octave and key selectors, with
// their drawing on plain images.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Common/Controls/ArtGeometry.h"
#include "Common/Controls/QnSelectors.h"
#include "Hfc/HfcControlDriver.h"
#include "Hfc/HfcFixture.h"
#include "ListsTestSupport.h"

namespace {

using Calls = std::vector<std::string>;
using ListsTest::BlockFont;
using ListsTest::ExtentOf;

constexpr uint32_t kFace = 0xFF203040;
constexpr uint32_t kText = 0xFF00FF00;

class SelectorTest : public testing::Test {
protected:
    void SetUp() override {
        HfcTestClock::Now() = 100000;
        m_oldClock = HfcSetSystemTimeHook(&HfcTestClock::Read);
        ListsTest::Solid(&face, 80, 20, kFace);
    }
    void TearDown() override { HfcSetSystemTimeHook(m_oldClock); }

    // An up/down selector of 80 × 20 at (10, 20): increment zone at the right top, decrement zone at
    // the right bottom, items "I0" .. "I<n-1>".
    void MakeUpdown(QnUpdownSelector& s, int items) {
        SQnUpdownSelector p;
        p.x = 10;
        p.y = 20;
        p.image = &face;
        p.incrementZone = {70, 0, 80, 10};
        p.decrementZone = {70, 10, 80, 20};
        p.font = &font.info;
        p.colour = kText;
        ASSERT_TRUE(s.Create(&p, 9, 0));
        for (int i = 0; i < items; ++i) EXPECT_EQ(s.AddItem("I" + std::to_string(i)), i);
        s.SetListener(&recorder);
    }
    Calls Tick(QnUpdownSelector& s, int ms, int step = 50) {
        Calls out;
        for (int t = step; t <= ms; t += step) {
            const size_t before = recorder.calls.size();
            s.OnIdle(step);
            for (size_t i = before; i < recorder.calls.size(); ++i) {
                if (recorder.calls[i].rfind("value", 0) == 0)
                    out.push_back(std::to_string(t) + ": " + recorder.calls[i]);
            }
        }
        return out;
    }

    CHfcBmp face;
    BlockFont font;
    HfcControlRecorder recorder;
    HfcControlDriver driver;
    HfcSystemTimeHook m_oldClock = nullptr;
};

TEST_F(SelectorTest, MiniProgramSelectorValuesAndText) {
    QnMiniProgramSelector s;
    EXPECT_FALSE(s.Create(nullptr, 1, 0));
    SQnMiniProgramSelector p;
    p.x = 4;
    p.y = 6;
    p.image = &face;
    p.font = &font.info;
    p.colour = kText;
    ASSERT_TRUE(s.Create(&p, 1, 0));
    EXPECT_EQ(s.GetRect(), (tagHfcRect{4, 6, 84, 26}));
    EXPECT_TRUE(s.IsEnabled());
    const struct {
        int value, stored, bank, program;
        const char* first;
        const char* second;
    } rows[] = {
        {130, 130, 1, 2, "-:002", "---------------"}, {0, 0, 0, 0, "-:000", "---------------"},
        {896, 896, 7, 0, "-:000", "---------------"}, {897, -1, 0, -1, "-:---", "---------------"},
        {-7, -1, 0, -1, "-:---", "---------------"},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.value);
        s.SetIntValue(r.value, false);
        EXPECT_EQ(s.GetIntValue(), r.stored);
        EXPECT_EQ(s.GetBankNumber(), r.bank);
        EXPECT_EQ(s.GetProgNumber(), r.program);
        EXPECT_EQ(s.GetFirstLine(), r.first);
        EXPECT_EQ(s.GetSecondLine(), r.second);
    }
    // Two lines at (5, 3) and (5, 12) of the face, clipped to its width less 10.
    s.SetIntValue(130, false);
    CHfcOffscreenContext context(100, 40);
    s.Draw(&context);
    const ListsTest::Extent e = ExtentOf(context.GetBmp(), kText);
    EXPECT_EQ(e.left, 4 + 5);
    EXPECT_EQ(e.top, 6 + 3);
    EXPECT_EQ(e.bottom, 6 + 12 + 7);
    EXPECT_EQ(e.right, 4 + 5 + 13 * 5 + 3);  // the dashed name is cut at width - 10
}

TEST_F(SelectorTest, PressesAskTheListenerFirst) {
    QnMiniProgramSelector mini;
    SQnMiniProgramSelector p;
    p.image = &face;
    ASSERT_TRUE(mini.Create(&p, 1, 0));
    mini.SetListener(&recorder);
    mini.SetIntValue(130, false);
    driver.Step(&mini, {HfcGesture::Down, 3, 4});
    EXPECT_TRUE(mini.IsPressed());
    driver.Step(&mini, {HfcGesture::Up, 3, 4});
    EXPECT_FALSE(mini.IsPressed());
    EXPECT_EQ(recorder.calls, (Calls{"offer down 3,4", "value 130", "offer up"}));
    // A page that opens its pick-list takes the press: nothing more is reported.
    recorder.calls.clear();
    recorder.takeMouse = true;
    driver.Step(&mini, {HfcGesture::Down, 3, 4});
    EXPECT_EQ(recorder.calls, (Calls{"offer down 3,4"}));

    QnSoundSelector sound;
    SQnSoundSelector q;
    q.kind = QnSoundSelector::kKindEffect;
    q.lcd = &face;
    ASSERT_TRUE(sound.Create(&q, 2, 0));
    sound.SetListener(&recorder);
    recorder.calls.clear();
    recorder.takeMouse = false;
    driver.Step(&sound, {HfcGesture::Down, 1, 1});
    EXPECT_EQ(recorder.calls, (Calls{"offer down 1,1"}));
    EXPECT_EQ(sound.GetKind(), 3);
}

TEST_F(SelectorTest, SoundSelectorText) {
    CHfcBmp background;
    ListsTest::Solid(&background, 300, 100, 0xFF112233);
    QnSoundSelector s;
    EXPECT_FALSE(s.Create(nullptr, 1, 0));
    SQnSoundSelector p;
    p.x = 10;
    p.y = 20;
    p.lcd = &face;
    p.background = &background;
    p.font = &font.info;
    p.inset = 8;
    p.colour = kText;
    ASSERT_TRUE(s.Create(&p, 1, 0));
    char text[] = "Reverb Hall Large Deluxe";
    s.SetPtrValue(text, false);
    EXPECT_EQ(s.GetText(), text);
    CHfcOffscreenContext context(120, 60);
    s.Draw(&context);
    const ListsTest::Extent e = ExtentOf(context.GetBmp(), kText);
    EXPECT_EQ(e.left, 10 + 8);
    EXPECT_EQ(e.top, 20 + (20 - 8) / 2);
    EXPECT_EQ(e.right, 10 + 8 + 12 * 5 + 3);  // cut at width - 2 × inset, within the 13th glyph
    // Disabled: the text at half alpha.
    s.Disable(false);
    s.Draw(&context);
    EXPECT_EQ(ExtentOf(context.GetBmp(), kText).left, -1);
    s.SetMinIntValue(0, false);
    s.SetMaxIntValue(4, false);
    s.SetIntValue(5, false);
    EXPECT_EQ(s.GetIntValue(), -1);
    s.SetIntValue(4, false);
    EXPECT_EQ(s.GetIntValue(), 4);
}

TEST_F(SelectorTest, UpdownItemsAndValues) {
    QnUpdownSelector s;
    EXPECT_FALSE(s.Create(nullptr, 1, 0));
    MakeUpdown(s, 4);
    EXPECT_TRUE(s.GetFocusOnClick());
    EXPECT_EQ(s.GetMaxIntValue(), 3);
    EXPECT_EQ(s.GetItemText(2), "I2");
    EXPECT_EQ(s.GetItemText(4), "");
    s.SetItemText(2, "Two");
    EXPECT_EQ(s.GetItemText(2), "Two");
    s.SetItemText(9, "none");
    EXPECT_EQ(s.GetItemCount(), 4);
    const struct { int value, stored; } rows[] = {{0, 0}, {3, 3}, {4, -1}, {-1, -1}, {-100, -1}};
    for (const auto& r : rows) {
        s.SetIntValue(r.value, false);
        EXPECT_EQ(s.GetIntValue(), r.stored) << r.value;
    }
    // Value -1 shows no text; a value shows its item at (10, 10 - 4).
    CHfcOffscreenContext context(120, 60);
    s.SetIntValue(4, false);
    s.Draw(&context);
    EXPECT_EQ(ExtentOf(context.GetBmp(), kText).left, -1);
    s.SetIntValue(1, false);
    s.Draw(&context);
    EXPECT_EQ(ExtentOf(context.GetBmp(), kText), (ListsTest::Extent{20, 20 + 8, 20 + 6, 20 + 13}));
    s.ClearAllItems();
    EXPECT_EQ(s.GetItemCount(), 0);
    EXPECT_EQ(s.GetIntValue(), 0);
    EXPECT_EQ(s.GetMaxIntValue(), 0);
}

// With the key focus the arrow keys step like the zones: right and up to the next item, left and
// down to the one before, clamped, each change told; other keys are not the selector's.
TEST_F(SelectorTest, UpdownArrowKeysStep) {
    const struct {
        int start, character;
        bool handled;
        Calls reports;
        int after, repeated;  // after the key, and after a repeat of the held key
    } rows[] = {
        {1, 30, true, {"value 2"}, 2, 3}, {1, 29, true, {"value 2"}, 2, 3}, {2, 31, true, {"value 1"}, 1, 0},
        {2, 28, true, {"value 1"}, 1, 0}, {3, 30, true, {}, 3, 3},          {0, 31, true, {}, 0, 0},
        {1, 'a', false, {}, 1, 1},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(std::to_string(r.start) + " key " + std::to_string(r.character));
        QnUpdownSelector s;
        MakeUpdown(s, 4);
        s.SetIntValue(r.start, false);
        recorder.calls.clear();
        EXPECT_EQ(s.OnKeyDown(r.character, 0, 0), r.handled);
        EXPECT_EQ(recorder.Reports(), r.reports);
        EXPECT_EQ(s.GetIntValue(), r.after);
        EXPECT_EQ(s.OnKeyRepeat(r.character, 0, 0), r.handled);
        EXPECT_EQ(s.GetIntValue(), r.repeated);
    }
}

// Zone presses step at once, then every 300 ms while held; a step that changes nothing ends the
// repeat.
TEST_F(SelectorTest, UpdownZonesRepeat) {
    struct Row {
        const char* name;
        int start;
        int x, y;
        int holdMs;
        Calls reports;  // with the time of each idle report
        int after;
        bool repeating;  // still stepping at the end
    };
    const Row rows[] = {
        {"increment", 0, 75, 5, 1000, {"value 1", "300: value 2", "600: value 3"}, 3, false},
        {"decrement", 3, 75, 15, 1000, {"value 2", "300: value 1", "600: value 0"}, 0, false},
        {"increment at the maximum", 3, 75, 5, 1000, {}, 3, false},
        {"increment into the maximum", 2, 75, 5, 1000, {"value 3"}, 3, false},
        {"decrement at the minimum", 0, 75, 15, 1000, {}, 0, false},
        // A press beside the zones repeats upward until the first move.
        {"outside the zones", 0, 20, 5, 650, {"300: value 1", "600: value 2"}, 2, true},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        QnUpdownSelector s;
        MakeUpdown(s, 4);
        s.SetIntValue(r.start, false);
        recorder.calls.clear();
        driver.Step(&s, {HfcGesture::Down, r.x, r.y});
        Calls reports = recorder.Reports();
        const Calls ticks = Tick(s, r.holdMs);
        reports.insert(reports.end(), ticks.begin(), ticks.end());
        EXPECT_EQ(reports, r.reports);
        EXPECT_EQ(s.GetIntValue(), r.after);
        EXPECT_EQ(s.IsRepeating(), r.repeating);
        driver.Step(&s, {HfcGesture::Up, r.x, r.y});
        EXPECT_FALSE(s.IsPressed());
        EXPECT_FALSE(driver.Captured(&s));
    }
}

// Dragging: the value follows the accumulated distance, fine or with Shift coarse; the clock sets
// the delta ratio (1 within 100 ms of the last step).
TEST_F(SelectorTest, UpdownDrags) {
    struct Row {
        const char* name;
        int start;
        std::vector<int> ys;  // pointer rows after the press at y 10
        int modifiers;
        int gapMs;  // clock advance before each move
        Calls reports;
        int after;
    };
    const Row rows[] = {
        {"25 up, fine", 0, {-15}, 0, 50, {"value 2"}, 2},
        {"25 up, coarse, clamped", 0, {-15}, 1, 50, {"value 9"}, 9},
        {"fine steps accumulate", 0, {5, 0, -5}, 0, 50, {"value 1"}, 1},
        {"down below the minimum", 5, {30, 60}, 1, 50, {"value 0"}, 0},
        {"slow moves count less", 0, {-40}, 0, 200, {"value 1"}, 1},
        {"the accumulator is not clamped", 9, {1000, 10}, 1, 50, {"value 0", "value 9"}, 9},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        QnUpdownSelector s;
        MakeUpdown(s, 10);
        s.SetIntValue(r.start, false);
        recorder.calls.clear();
        driver.Step(&s, {HfcGesture::Down, 20, 10});
        EXPECT_TRUE(driver.Captured(&s));
        for (int y : r.ys) {
            HfcTestClock::Now() += static_cast<uint32_t>(r.gapMs);
            driver.Step(&s, {HfcGesture::Move, 20, y, r.modifiers});
        }
        // The move ended the press's repeat.
        EXPECT_EQ(Tick(s, 1000), Calls{});
        driver.Step(&s, {HfcGesture::Up, 20, r.ys.back()});
        Calls values;
        for (const std::string& call : recorder.calls) {
            if (call.rfind("value", 0) == 0) values.push_back(call);
        }
        EXPECT_EQ(values, r.reports);
        EXPECT_EQ(s.GetIntValue(), r.after);
    }
}

TEST_F(SelectorTest, UpdownAccumulatorFarOutsideTheRange) {
    QnUpdownSelector s;
    MakeUpdown(s, 3);
    driver.Step(&s, {HfcGesture::Down, 20, 10});
    // Coarse strides up and slow fine ones down push the accumulator past the int range: the value
    // stays clamped and the conversion saturates.
    for (int i = 0; i < 4; ++i) {
        HfcTestClock::Now() += 50;
        driver.Step(&s, {HfcGesture::Move, 20, -2000000000, 1});
        HfcTestClock::Now() += 2000;
        driver.Step(&s, {HfcGesture::Move, 20, 10, 0});
    }
    EXPECT_EQ(s.GetIntValue(), 2);
    driver.Step(&s, {HfcGesture::Up, 20, 10});
}

// Held in a zone, moved out and released outside the control: the value stops with the button.
class UpdownWindowTest : public HfcWindowFixture {};

TEST_F(UpdownWindowTest, AReleaseOutsideStopsTheRepeat) {
    MakeWindow(100, 80, 400, 300);
    CHfcWindowLayer layer;
    ASSERT_TRUE(layer.Create(0, 0, 400, 300, m_window.get()));
    layer.Show(false);
    CHfcBmp face;
    ListsTest::Solid(&face, 80, 20, kFace);
    HfcControlRecorder recorder;
    QnUpdownSelector s;
    SQnUpdownSelector p;
    p.x = 50;
    p.y = 60;
    p.image = &face;
    p.incrementZone = {70, 0, 80, 10};
    p.decrementZone = {70, 10, 80, 20};
    ASSERT_TRUE(s.Create(&p, 1, 0));
    for (int i = 0; i < 50; ++i) s.AddItem("x");
    s.SetListener(&recorder);
    layer.AddControl(&s, false);
    s.Show(false);
    m_screen.MoveTo(100 + 50 + 75, 80 + 60 + 5);
    m_screen.ButtonDown();
    EXPECT_EQ(s.GetIntValue(), 1) << testing::PrintToString(recorder.calls);
    for (int i = 0; i < 7; ++i) s.OnIdle(50);
    EXPECT_EQ(s.GetIntValue(), 2);
    m_screen.MoveTo(100 + 300, 80 + 250);
    m_screen.ButtonUp();
    EXPECT_FALSE(s.IsPressed());
    for (int i = 0; i < 40; ++i) s.OnIdle(50);
    EXPECT_EQ(s.GetIntValue(), 2);
    // A quick second press (a double click) steps too; its capture taken away, it stops.
    m_screen.MoveTo(100 + 50 + 75, 80 + 60 + 5);
    m_screen.ButtonDown();
    EXPECT_EQ(s.GetIntValue(), 3);
    CHfcMouse::GetInstance()->ReleaseCapture();
    for (int i = 0; i < 40; ++i) s.OnIdle(50);
    EXPECT_EQ(s.GetIntValue(), 3);
    m_screen.ButtonUp();
    layer.RemoveAllControls();
    layer.Destroy();
}

TEST_F(SelectorTest, OctaveSelector) {
    CHfcBmp keyboard;
    ListsTest::Solid(&keyboard, ArtGeometry::kKeyboardPictureWidth, 22, 0xFFF0F0F0);
    QnOctaveSelector s;
    EXPECT_FALSE(s.Create(0, 0, nullptr, 0, 0, 1, nullptr));
    ASSERT_TRUE(s.Create(10, 20, nullptr, 0, 0, 1, &keyboard));
    EXPECT_EQ(s.GetRect(), (tagHfcRect{10, 20, 10 + ArtGeometry::kKeyboardPictureWidth + 4, 20 + 26}));
    s.SetListener(&recorder);
    const std::vector<HfcStep> steps = {{HfcGesture::Down, 539, 5}, {HfcGesture::Move, 100, 5},
                                        {HfcGesture::Move, 120, 5}, {HfcGesture::Move, -30, 5},
                                        {HfcGesture::Up, -30, 5},   {HfcGesture::Move, 300, 5}};
    driver.Run(&s, steps);
    // 539 / 49 = 11, clamped to 10; moves report even an unchanged octave; none after the release.
    EXPECT_EQ(recorder.Reports(), (Calls{"value 10", "value 2", "value 2", "value 0"}));
    // A red frame of 51 × 26 at the octave, drawn again one pixel right and down.
    for (int octave : {3, 10}) {
        SCOPED_TRACE(octave);
        s.SetIntValue(octave, false);
        CHfcOffscreenContext context(600, 60);
        s.Draw(&context);
        const int width = octave == 10 ? 37 : 51;
        EXPECT_EQ(ExtentOf(context.GetBmp(), 0xFFFF0000),
                  (ListsTest::Extent{10 + octave * 49, 10 + octave * 49 + width, 20, 20 + 26}));
        EXPECT_EQ(context.GetBmp()->GetPixel(10 + octave * 49 + 2, 20 + 2), 0xFFF0F0F0u);
    }
}

TEST_F(SelectorTest, KeySelectorArrow) {
    CHfcBmp keyboard;
    ListsTest::Solid(&keyboard, ArtGeometry::kKeyboardPictureWidth, 22, 0xFFF0F0F0);
    CHfcBmp arrow;
    ListsTest::Solid(&arrow, 7, 6, 0xFFFF0000);
    QnKeySelector s;
    ASSERT_TRUE(s.Create(10, 20, nullptr, 0, 0, 1, &keyboard, &arrow));
    EXPECT_EQ(s.GetRect().bottom - s.GetRect().top, 22 + 6 + 1);
    const struct {
        int key, left;
    } rows[] = {
        {60, 5 * 49 + 4 - 3}, {0, 1}, {11, 48 - 3}, {127, 10 * 49 + 32 - 3}, {-1, -1}, {128, -1}, {200, -1}};
    for (const auto& r : rows) {
        SCOPED_TRACE(r.key);
        EXPECT_EQ(QnKeySelector::ArrowLeft(r.key), r.left);
        s.SetIntValue(r.key, false);
        EXPECT_EQ(s.GetIntValue(), r.key);  // stored as given
        CHfcOffscreenContext context(600, 60);
        s.Draw(&context);
        const ListsTest::Extent e = ExtentOf(context.GetBmp(), 0xFFFF0000);
        if (r.left < 0) {
            EXPECT_EQ(e.left, -1);
        } else {
            EXPECT_EQ(e, (ListsTest::Extent{10 + r.left, 10 + r.left + 6, 20, 25}));
        }
        EXPECT_EQ(context.GetBmp()->GetPixel(12, 20 + 7), 0xFFF0F0F0u);
    }
    // Presses take the capture unless the listener takes them; moves go to the listener.
    s.SetListener(&recorder);
    driver.Run(&s, {{HfcGesture::Down, 5, 5}, {HfcGesture::Move, 50, 5}, {HfcGesture::Up, 50, 5}});
    EXPECT_EQ(recorder.calls, (Calls{"offer down 5,5", "move 50,5", "offer up"}));
    EXPECT_FALSE(driver.Captured(&s));
}

}  // namespace
