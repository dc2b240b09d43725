// The editor's knob: drags (stepped and accelerated by the toolkit clock), arrow keys, inline text
// entry, and the lit arc and value text checked in pixels on plain test images.
#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "Common/Controls/QnKnob.h"
#include "Hfc/HfcControlDriver.h"
#include "Hfc/HfcControlRecorder.h"
#include "ValueControlArt.h"

namespace {

using namespace ValueControlArt;

constexpr float kPi = 3.14159265358979f;
constexpr int kShift = 1;

class KnobTest : public testing::Test {
protected:
    // A knob of the editor's geometry on plain images: ring 36 x 36, text of 3 characters under it.
    void Make(int minimum, int maximum, int centre, int value, bool stepped = false) {
        tagQorlKnobParamEx p;
        p.x = 10;
        p.y = 10;
        p.back = page.get();
        p.minimum = minimum;
        p.maximum = maximum;
        p.centre = centre;
        p.centreX = 17.5f;
        p.centreY = 18.0f;
        p.radius = 17.0f;
        p.startAngle = 4.00553f;
        p.endAngle = -0.820305f;
        p.halfGap = 0.05f;
        p.ring = ring.get();
        p.ringBack = ringBack.get();
        p.font = font.bitmap.get();
        p.textX = 10;
        p.textY = 15;
        p.textLength = 3;
        p.sensitivity = 1.0f;
        p.fineSensitivity = 0.1f;
        p.keyStep = 3;
        p.proportional = 1;
        p.fontInfo = &font.info;
        p.textColour = kText;
        if (stepped) {
            ASSERT_TRUE(knob.Create(&p, 7, 0));
        } else {
            ASSERT_TRUE(knob.CreateEx(&p, 7, 0));
        }
        knob.SetIntValue(value, false);
        knob.SetListener(&recorder);
    }
    void Run(const std::vector<Act>& table) { RunActs(&knob, table, clock, driver, recorder); }

    SteppedClock clock;
    HfcControlDriver driver;
    HfcControlRecorder recorder;
    std::unique_ptr<CHfcBmp> page = Solid(200, 200, kPage);
    std::unique_ptr<CHfcBmp> ring = Solid(36, 36, kRing);
    std::unique_ptr<CHfcBmp> ringBack = Solid(36, 36, kRingBack);
    BlockFont font{4, 5, 9};
    QnKnob knob;
};

TEST_F(KnobTest, CreationTakesItsSizeFromTheRingAndRefusesNoRecord) {
    Make(0, 127, 0, 0);
    EXPECT_EQ(knob.GetRect().right - knob.GetRect().left, 36);
    EXPECT_EQ(knob.GetRect().bottom - knob.GetRect().top, 36);
    EXPECT_TRUE(knob.IsAccelerated());
    EXPECT_EQ(knob.GetCharWidth(), 6);  // the font image's width
    EXPECT_EQ(knob.GetCharHeight(), 9);
    QnKnob none;
    EXPECT_FALSE(none.CreateEx(nullptr, 1, 0));
    EXPECT_FALSE(none.IsCreated());
    CMMPCtrlKnob base;
    tagMMPCtrlKnobParamEx noFront;
    EXPECT_FALSE(base.CreateEx(&noFront, 1, 0));
}

// Accelerated drags: 1, 1/8 and 1/32 of the sensitivity per pixel for moves 50, 400 and 1,700 ms
// apart; Shift uses the fine sensitivity without acceleration.
TEST_F(KnobTest, AcceleratedDragFollowsTheClock) {
    Make(0, 1000, 0, 500);
    Run({
        {0, HfcGesture::Down, 18, 10, 0, {}},
        {50, HfcGesture::Move, 18, 2, 0, {"value 508"}},         // 8 px at full speed
        {400, HfcGesture::Move, 18, -6, 0, {"value 509"}},       // 8 px at 1/8
        {1700, HfcGesture::Move, 18, -38, 0, {"value 510"}},     // 32 px at 1/32
        {50, HfcGesture::Move, 30, -38, 0, {}},                  // sideways: nothing
        {50, HfcGesture::Move, 18, -48, kShift, {"value 511"}},  // 10 px at 0.1
        {2000, HfcGesture::Move, 18, -50, kShift, {}},           // and at 0.1 / 32 after a pause
        {50, HfcGesture::Move, 18, -60, kShift, {"value 512"}},
        {100, HfcGesture::Move, 18, -61, 0, {"value 513"}},    // 100 ms is still full speed
        {1601, HfcGesture::Move, 18, -125, 0, {"value 515"}},  // just past 1.6 s: 64 px at 1/32
        {50, HfcGesture::Move, 18, -123, 0, {"value 513"}},    // down lowers
        {0, HfcGesture::Up, 18, -123, 0, {"lost capture"}},
        {50, HfcGesture::Move, 18, -200, 0, {}},  // released: no drag
    });
}

// The accumulator is not clamped: past the maximum the pointer must come back over the excess.
TEST_F(KnobTest, DragPastTheEndMustComeBackOverTheExcess) {
    Make(0, 100, 0, 95);
    Run({
        {0, HfcGesture::Down, 18, 20, 0, {}},
        {50, HfcGesture::Move, 18, 0, 0, {"value 100"}},  // 115 asked, 100 reported
        {50, HfcGesture::Move, 18, 10, 0, {}},            // 105: still 100
        {50, HfcGesture::Move, 18, 16, 0, {"value 99"}},  // 99
        {50, HfcGesture::Move, 18, 120, 0, {"value 0"}},  // far below: the minimum
        {50, HfcGesture::Move, 18, 123, 0, {}},
    });
}

// An accumulator beyond the 32-bit range converts without undefined behaviour and ends at an end.
TEST_F(KnobTest, AccumulatorOutOfIntRangeEndsAtAnEnd) {
    struct Case {
        float sensitivity;
        int dy;
        int expected;
    };
    const Case cases[] = {
        {1e30f, -1, 100},                                  // far above: the nearer end, the maximum
        {1e30f, 1, 0},                                     // far below: the minimum
        {std::numeric_limits<float>::quiet_NaN(), -1, 0},  // no number: the "no value" marker, clamped
    };
    for (const Case& c : cases) {
        tagQorlKnobParamEx p;
        p.ring = ring.get();
        p.minimum = 0;
        p.maximum = 100;
        p.sensitivity = c.sensitivity;
        QnKnob k;
        ASSERT_TRUE(k.CreateEx(&p, 1, 0));
        k.SetIntValue(50, false);
        HfcControlRecorder r;
        k.SetListener(&r);
        driver.Step(&k, {HfcGesture::Down, 18, 18});
        clock.Advance(50);
        driver.Step(&k, {HfcGesture::Move, 18, 18 + c.dy});
        EXPECT_EQ(r.Reports(), std::vector<std::string>{"value " + std::to_string(c.expected)})
            << c.sensitivity << " " << c.dy;
        driver.Step(&k, {HfcGesture::Up, 18, 18});
    }
}

// Stepped mode: every pixel moves a step, Shift a tenth of one (pixel step 10).
TEST_F(KnobTest, SteppedDragUsesThePixelStep) {
    Make(0, 20, 0, 5, true);
    EXPECT_FALSE(knob.IsAccelerated());
    Run({
        {0, HfcGesture::Down, 18, 18, 0, {}},
        {5000, HfcGesture::Move, 18, 17, 0, {"value 6"}},    // no acceleration in this mode
        {0, HfcGesture::Move, 18, 16, kShift, {}},           // 66: still 6
        {0, HfcGesture::Move, 18, 12, kShift, {"value 7"}},  // 70
        {0, HfcGesture::Move, 18, -40, 0, {"value 20"}},
        {0, HfcGesture::Move, 18, 30, 0, {"value 0"}},
    });
}

TEST_F(KnobTest, ArrowKeysStepByTheKeyStepAndNotWhileDragged) {
    struct Case {
        int value;
        int key;
        bool handled;
        std::vector<std::string> reports;
    };
    const Case cases[] = {
        {5, 29, true, {"value 8"}}, {5, 30, true, {"value 8"}},  {5, 28, true, {"value 2"}},
        {5, 31, true, {"value 2"}}, {9, 29, true, {"value 10"}}, {10, 30, true, {}},  // clamped, unchanged
        {1, 31, true, {"value 0"}}, {5, 13, false, {}},          {5, 'a', false, {}},
    };
    Make(0, 10, 0, 5);
    for (const Case& c : cases) {
        knob.SetIntValue(c.value, false);
        recorder.calls.clear();
        EXPECT_EQ(knob.OnKeyDown(c.key, 0, 0), c.handled) << c.key;
        EXPECT_EQ(knob.OnKeyRepeat(c.key, 0, 0), c.handled) << c.key;
        std::vector<std::string> twice = c.reports;
        twice.insert(twice.end(), c.reports.begin(), c.reports.end());
        EXPECT_EQ(recorder.Reports(), twice) << c.value << " " << c.key;
    }
    // While this knob holds the mouse the keys are not handled.
    knob.SetIntValue(5, false);
    driver.Step(&knob, {HfcGesture::Down, 18, 18});
    recorder.calls.clear();
    EXPECT_FALSE(knob.OnKeyDown(29, 0, 0));
    EXPECT_TRUE(recorder.Reports().empty());
    driver.Step(&knob, {HfcGesture::Up, 18, 18});
    EXPECT_TRUE(knob.OnKeyDown(29, 0, 0));
}

// A double click opens text entry with the whole text selected; Return sends what was typed (a
// leading plus or minus glyph code as its character); Escape and focus loss send nothing.
TEST_F(KnobTest, TextEntry) {
    Make(-64, 63, 0, 0);
    knob.SetPtrValue(const_cast<char*>("-5"), false);
    driver.Step(&knob, {HfcGesture::Down, 12, 17});
    driver.Step(&knob, {HfcGesture::Up, 12, 17});
    ASSERT_TRUE(driver.Step(&knob, {HfcGesture::Double, 12, 17}));
    ASSERT_TRUE(knob.IsEditing());
    EXPECT_STREQ(knob.GetEngine()->GetText(), "-5");
    EXPECT_EQ(knob.GetEngine()->GetSelectionStart(), 0);
    EXPECT_EQ(knob.GetEngine()->GetSelectionEnd(), 2);
    recorder.calls.clear();
    for (char c : std::string("+12")) driver.Step(&knob, {HfcGesture::Char, c, 0});
    EXPECT_TRUE(knob.OnKeyDown(29, 0, 0));  // an arrow moves the caret, not the value
    driver.Step(&knob, {HfcGesture::Key, 13, 0});
    EXPECT_EQ(recorder.Reports(), std::vector<std::string>{"text +12"});
    EXPECT_FALSE(knob.IsEditing());

    struct Case {
        const char* typed;
        int endKey;  // 13 Return, 27 Escape, 0 focus loss
        std::vector<std::string> reports;
    };
    const Case cases[] = {
        {"\x02"
         "7",
         13,
         {"text +7"}},
        {"\x04"
         "30",
         13,
         {"text -30"}},
        {"12", 27, {}},
        {"12", 0, {}},
    };
    for (const Case& c : cases) {
        knob.EnterEdit(c.typed);
        ASSERT_TRUE(knob.IsEditing());
        recorder.calls.clear();
        if (c.endKey != 0) {
            driver.Step(&knob, {HfcGesture::Key, c.endKey, 0});
        } else {
            knob.OnKeyLostFocus();
        }
        EXPECT_EQ(recorder.Reports(), c.reports) << c.typed;
        EXPECT_FALSE(knob.IsEditing());
    }

    // A click outside the text ends the entry; with edit-on-text-only a double click on the ring
    // does nothing.
    knob.EnterEdit("1");
    driver.Step(&knob, {HfcGesture::Down, 18, 3});
    EXPECT_FALSE(knob.IsEditing());
    driver.Step(&knob, {HfcGesture::Up, 18, 3});
    knob.SetEditOnTextOnly(true);
    EXPECT_FALSE(driver.Step(&knob, {HfcGesture::Double, 18, 3}));
    EXPECT_FALSE(knob.IsEditing());
}

TEST_F(KnobTest, ClicksOutsideBothAreasAreNotHandledAndListenersMayTakeThem) {
    Make(0, 127, 0, 0);
    knob.Resize(60, 60, false);
    EXPECT_FALSE(driver.Step(&knob, {HfcGesture::Down, 50, 50}));
    EXPECT_FALSE(driver.Captured(&knob));
    recorder.takeMouse = true;
    EXPECT_TRUE(driver.Step(&knob, {HfcGesture::Down, 18, 18}));
    EXPECT_FALSE(driver.Captured(&knob));
    EXPECT_TRUE(driver.Step(&knob, {HfcGesture::Double, 18, 18}));
    EXPECT_FALSE(knob.IsEditing());
    recorder.takeMouse = false;
    recorder.calls.clear();
    EXPECT_TRUE(driver.Step(&knob, {HfcGesture::RightDown, 18, 18}));
    EXPECT_EQ(recorder.Reports(), std::vector<std::string>{"right down"});
}

// ---- pixels

// A large knob for pixel probes: ring 101 x 101, arc centre (50.5, 50.5), radius 48, the minimum at
// the left (pi) and the maximum at the right (0), half gap 0.1 rad; probes at radius 40, away from
// the antialiased edges of the cut sectors.
class KnobPixels : public testing::Test {
protected:
    static constexpr int kLeft = 10, kTop = 10;
    void Make(int minimum, int maximum, int centre, int value, bool enabled = true) {
        tagQorlKnobParamEx p;
        p.x = kLeft;
        p.y = kTop;
        p.back = page.get();
        p.minimum = minimum;
        p.maximum = maximum;
        p.centre = centre;
        p.centreX = 50.0f;
        p.centreY = 50.0f;
        p.radius = 48.0f;
        p.startAngle = kPi;
        p.endAngle = 0.0f;
        p.halfGap = 0.1f;
        p.ring = ring.get();
        p.ringBack = ringBack.get();
        p.font = font.bitmap.get();
        p.textX = 40;
        p.textY = 80;
        p.textLength = 4;
        p.proportional = 1;
        p.fontInfo = &font.info;
        p.textColour = kText;
        ASSERT_TRUE(knob.CreateEx(&p, 1, 0));
        knob.SetIntValue(value, false);
        if (!enabled) knob.Disable(false);
        context.SetBrushColor(0xFF000000);
        context.FillRect(0, 0, 200, 200);
        knob.Draw(&context);
    }
    uint32_t Probe(float angle) {
        int x = 0, y = 0;
        Polar(kLeft + 50.5f, kTop + 50.5f, 40.0f, angle, &x, &y);
        return At(context, x, y);
    }
    static bool IsText(uint32_t pixel) {
        return (pixel >> 16 & 0xFF) > 0xE0 && (pixel & 0xFF) > 0xE0 && (pixel >> 8 & 0xFF) < 0x30;
    }

    std::unique_ptr<CHfcBmp> page = Solid(200, 200, kPage);
    std::unique_ptr<CHfcBmp> ring = Solid(101, 101, kRing);
    std::unique_ptr<CHfcBmp> ringBack = Solid(101, 101, kRingBack);
    BlockFont font{4, 5, 9};
    QnKnob knob;
    CHfcOffscreenContext context{200, 200};
};

TEST_F(KnobPixels, LitArcRunsFromTheCentreValueToTheValue) {
    struct Case {
        int minimum, maximum, centre, value;
        std::vector<float> lit, unlit;  // angles as fractions of pi
    };
    const Case cases[] = {
        {0, 100, 0, 50, {0.95f, 0.75f, 0.55f}, {0.45f, 0.25f, 0.05f}},  // unipolar, half way
        {0, 100, 0, 100, {0.95f, 0.5f, 0.05f}, {}},                     // full
        {0, 100, 50, 75, {0.45f, 0.3f}, {0.55f, 0.9f, 0.2f}},           // right of the centre
        {0, 100, 50, 25, {0.7f, 0.55f}, {0.45f, 0.8f}},                 // left of the centre
        // At the centre: a lit arc 2 x half gap (0.2 rad) wide around the centre angle.
        {0,
         100,
         50,
         50,
         {0.5f, 0.5f + 0.06f / kPi, 0.5f - 0.06f / kPi},
         {0.5f + 0.16f / kPi, 0.5f - 0.16f / kPi}},
        {-64, 63, 0, 0, {63.0f / 127.0f}, {0.4f, 0.6f}},
        {5, 5, 5, 5, {}, {0.95f, 0.5f, 0.05f}},  // one value: no lit arc
    };
    for (const Case& c : cases) {
        knob.Destroy();
        Make(c.minimum, c.maximum, c.centre, c.value);
        for (float a : c.lit) EXPECT_EQ(Probe(a * kPi), kRing) << c.centre << "/" << c.value << " at " << a;
        for (float a : c.unlit)
            EXPECT_EQ(Probe(a * kPi), kRingBack) << c.centre << "/" << c.value << " at " << a;
    }
}

TEST_F(KnobPixels, DisabledKnobBlendsRingsAtHalfAlphaAndGreysItsText) {
    Make(0, 100, 0, 50, false);
    // Page, then the unlit ring at half alpha, then the lit ring at half alpha over that.
    auto half = [](uint32_t s, uint32_t d) {
        uint32_t out = 0xFF000000;
        for (int shift : {0, 8, 16}) {
            const uint32_t sc = s >> shift & 0xFF, dc = d >> shift & 0xFF;
            out |= ((sc * 127 + dc * 128 + 127) / 255) << shift;
        }
        return out;
    };
    const uint32_t unlit = half(kRingBack, kPage);
    const uint32_t lit = half(kRing, unlit);
    auto near = [](uint32_t a, uint32_t b) {
        for (int shift : {0, 8, 16}) {
            if (std::abs(static_cast<int>(a >> shift & 0xFF) - static_cast<int>(b >> shift & 0xFF)) > 1)
                return false;
        }
        return true;
    };
    EXPECT_TRUE(near(Probe(0.25f * kPi), unlit)) << std::hex << Probe(0.25f * kPi) << " " << unlit;
    EXPECT_TRUE(near(Probe(0.75f * kPi), lit)) << std::hex << Probe(0.75f * kPi) << " " << lit;
}

// The value text is centred in the control: x = (width - text width) / 2 + left + 1.
TEST_F(KnobPixels, ValueTextIsCentredUnderTheRing) {
    Make(0, 100, 0, 0);
    knob.SetPtrValue(const_cast<char*>("AB"), false);
    knob.Draw(&context);
    const int y = kTop + 80 + 4;
    const int x = (101 - 10) / 2 + kLeft + 1;  // two glyphs of advance 5
    EXPECT_FALSE(IsText(At(context, x - 1, y)));
    for (int i : {0, 3, 5, 8}) EXPECT_TRUE(IsText(At(context, x + i, y))) << i;
    EXPECT_FALSE(IsText(At(context, x + 4, y)));  // the glyph gap
    EXPECT_FALSE(IsText(At(context, x + 9, y)));
    // Disabled: grey text.
    knob.Disable(false);
    knob.Draw(&context);
    const uint32_t grey = At(context, x, y);
    for (int shift : {0, 8, 16})
        EXPECT_NEAR(static_cast<int>(grey >> shift & 0xFF), 0x80, 2) << std::hex << grey;
}

// The range's centre value is set by the page; a one-value range puts the centre angle at the start.
TEST_F(KnobPixels, CentreAngleOfAOneValueRangeIsTheStart) {
    Make(7, 7, 7, 7);
    EXPECT_FLOAT_EQ(knob.GetCentreAngle(), kPi);
    EXPECT_FALSE(knob.GetLitArc().draw);
    knob.Destroy();
    Make(0, 100, 0, 0);
    knob.SetCentreValue(50);
    EXPECT_NEAR(knob.GetCentreAngle(), kPi / 2, 1e-5);
}

}  // namespace
