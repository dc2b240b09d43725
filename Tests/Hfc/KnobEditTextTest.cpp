#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "Hfc/Base/HfcUtil.h"
#include "Hfc/Core/HfcCtrlCharEditText.h"
#include "Hfc/Core/HfcCtrlKnob.h"
#include "Hfc/Draw/HfcBmp.h"
#include "HfcControlDriver.h"
#include "HfcControlRecorder.h"
#include "HfcRecordingContext.h"

namespace {

using Calls = std::vector<std::string>;
using G = HfcGesture;

// A 40 × 40 knob (record width 0, so the angle is measured from the centre) on 0 … 127.
class Knob : public testing::Test {
protected:
    Knob() {
        strip.Create(40, 40 * 64);
        param.bitmap = &strip;
        param.frames = 64;
        param.minimum = 0;
        param.maximum = 127;
        param.step = 1;
    }
    ~Knob() override { CHfcControl::sm_iGlobalKnobMode = 2; }
    void Make() {
        ASSERT_TRUE(control.Create(&param, 1, 0));
        control.SetListener(&recorder);
        control.Show(false);
    }
    CHfcBmp strip;
    tagHfcCtrlKnobParam param;
    CHfcCtrlKnob control;
    HfcControlRecorder recorder;
    HfcControlDriver driver;
};

TEST_F(Knob, OptionSwapsTheAngleAndLinearModesForOneDrag) {
    Make();
    struct Case {
        int globalMode, modifiers, dragMode;
    };
    const Case cases[] = {{2, 0, 2}, {2, 4, 0}, {0, 0, 0}, {0, 4, 2}, {1, 0, 1}, {1, 4, 2}};
    for (const Case& c : cases) {
        CHfcControl::sm_iGlobalKnobMode = c.globalMode;
        driver.Run(&control, {{G::Down, 20, 0, c.modifiers}, {G::Up, 20, 0}});
        EXPECT_EQ(control.GetDragMode(), c.dragMode) << c.globalMode << " " << c.modifiers;
    }
    control.SetKnobMode(0);  // the knob's own setter changes nothing
    EXPECT_EQ(CHfcControl::sm_iGlobalKnobMode, 1);
}

TEST_F(Knob, AngleModeReportsTheFractionOfTheRangeAndSticksAcrossTheGap) {
    Make();
    CHfcControl::sm_iGlobalKnobMode = 0;
    EXPECT_FLOAT_EQ(control.ValueFromPoint(20, 0), 0.5f);
    driver.Run(&control, {{G::Down, 20, 0}, {G::Up, 20, 0}});
    EXPECT_EQ(recorder.Reports(), (Calls{"begin", "value 63", "end"}));  // 127 × 0.5, truncated

    // From the lower right end across the bottom gap to the lower left: the maximum stays.
    recorder.calls.clear();
    driver.Run(&control, {{G::Down, 24, 39}, {G::Move, 16, 39}, {G::Move, 10, 30}, {G::Up, 10, 30}});
    EXPECT_EQ(recorder.Reports(), (Calls{"begin", "value 127", "end"}));
    // Coming back over the top reaches the middle again.
    recorder.calls.clear();
    driver.Run(&control, {{G::Down, 24, 39}, {G::Move, 39, 20}, {G::Move, 20, 0}, {G::Up, 20, 0}});
    const Calls reports = recorder.Reports();
    EXPECT_EQ(reports, (Calls{"begin", "value 127", "value 100", "value 63", "end"}));
}

TEST_F(Knob, RelativeModeTurnsByTheAngleMovedThrough) {
    param.maximum = 100;
    Make();
    CHfcControl::sm_iGlobalKnobMode = 1;
    control.SetIntValue(50, false);
    // A quarter turn clockwise from the top to the right adds 0.3 of the range.
    EXPECT_EQ(control.PointToValueRelativeCircular({20, 0}, {40, 20}), 30);
    EXPECT_EQ(control.PointToValueRelativeCircular({40, 20}, {20, 0}), -30);
    driver.Run(&control, {{G::Down, 20, 0}, {G::Move, 40, 20}, {G::Move, 20, 40}, {G::Up, 20, 40}});
    // The press reports nothing; the second quarter goes beyond the maximum and is clamped.
    EXPECT_EQ(recorder.Reports(), (Calls{"begin", "value 80", "value 100", "end"}));
}

TEST_F(Knob, LinearModeStepsLikeTheWheelAndCommandAsksForTheDefault) {
    param.step = 4;
    Make();
    control.SetIntValue(10, false);
    recorder.hasDefault = true;
    recorder.defaultValue = 30;
    driver.Run(
        &control,
        {{G::Down, 20, 20, 2}, {G::Move, 20, 19}, {G::Move, 20, 19}, {G::Move, 20, 21, 1}, {G::Up, 20, 21}});
    EXPECT_EQ(recorder.Reports(), (Calls{"default?", "begin", "value 30", "value 32", "value 30", "end"}));
}

TEST_F(Knob, FrameOfTheValue) {
    Make();
    struct Case {
        int value, frame;
    };
    const Case cases[] = {{0, 0}, {1, 0}, {2, 0}, {3, 1}, {64, 32}, {126, 63}, {127, 63}};
    for (const Case& c : cases) {
        control.SetIntValue(c.value, false);
        EXPECT_EQ(control.GetFrameIndex(), c.frame) << c.value;
    }
    HfcRecordingContext context;
    control.Disable(false);
    control.Draw(&context);
    EXPECT_EQ(context.Copies(), (Calls{HfcRecordingContext::CopyAlpha(0, 0, 40, 40, 0, 40 * 63, 0.5f)}));
}

TEST_F(Knob, MaximumZeroOrOneFrameShowsTheFirstFrame) {
    param.maximum = 0;
    param.minimum = -10;
    Make();
    control.SetIntValue(-5, false);
    EXPECT_EQ(control.GetFrameIndex(), 0);
    CHfcCtrlKnob single;
    param.maximum = 127;
    param.frames = 1;
    ASSERT_TRUE(single.Create(&param, 2, 0));
    single.SetIntValue(100, false);
    EXPECT_EQ(single.GetFrameIndex(), 0);
    EXPECT_FALSE(single.Create(nullptr, 2, 0));
}

// A numeric field of 8 columns over a 6 × 9 glyph strip, range 0 … 100.
class EditText : public testing::Test {
protected:
    EditText() {
        font.Create(6, 9 * 128);
        param.x = 10;
        param.y = 5;
        param.font = &font;
        param.columns = 8;
        param.rows = 1;
        param.minimum = 0;
        param.maximum = 100;
        param.step = 0.5;
        param.fineStep = 0.25;
    }
    void Make() {
        ASSERT_TRUE(control.CreateEx2(&param, 1, 0));
        control.SetListener(&recorder);
        control.Show(false);
        control.SetIntValue(50, false);
        char text[] = "Init";
        control.SetPtrValue(text, false);
    }
    // A drag of `pixels` one-pixel moves upwards, `gapMs` apart on the toolkit clock.
    void DragUp(int pixels, int modifiers, uint32_t gapMs) {
        HfcSetSystemTimeHook(&Now);
        driver.Step(&control, {G::Down, 5, 50});
        for (int i = 1; i <= pixels; ++i) {
            s_now += gapMs;
            driver.Step(&control, {G::Move, 5, 50 - i, modifiers});
        }
        driver.Step(&control, {G::Up, 5, 50 - pixels});
        HfcSetSystemTimeHook(nullptr);
    }
    static uint32_t Now() { return s_now; }
    static inline uint32_t s_now = 1000;
    CHfcBmp font;
    tagHfcCtrlCharEditTextParamEx2 param;
    CHfcCtrlCharEditText control;
    HfcControlRecorder recorder;
    HfcControlDriver driver;
};

TEST_F(EditText, SizeFromTheCellsAndColumns) {
    Make();
    EXPECT_EQ(control.GetRect().right - control.GetRect().left, 6 * 8 + 1);
    EXPECT_EQ(control.GetRect().bottom - control.GetRect().top, 9);
    CHfcCtrlCharEditText none;
    EXPECT_FALSE(none.CreateEx2(nullptr, 1, 0));
    param.columns = 0;
    EXPECT_FALSE(none.CreateEx2(&param, 1, 0));
    param.columns = 8;
    param.rows = 0;
    EXPECT_FALSE(none.CreateEx2(&param, 1, 0));
    param.rows = 1;
    param.font = nullptr;
    EXPECT_FALSE(none.CreateEx2(&param, 1, 0));
}

TEST_F(EditText, AProportionalFieldMeasuresItsCellsByTheLetterW) {
    tagHfcBmpFontInfo ui{};
    ASSERT_TRUE(HfcLoadBmpFont("HfcUiFont", &ui));
    param.proportional = 1;
    param.proportionalFont = &ui;
    param.charWidth = 3;  // replaced by the width of W
    CHfcCtrlCharEditText field;
    ASSERT_TRUE(field.CreateEx2(&param, 1, 0));
    const int w = ui.widths['W' + 128];
    EXPECT_EQ(field.GetCharWidth(), w);
    EXPECT_EQ(field.GetRect().right - field.GetRect().left, w * 8 - 1);
    EXPECT_EQ(field.GetEngine()->GetCharWidth(), w);
    field.Destroy();
    HfcFreeBmpFont(&ui);
}

TEST_F(EditText, VerticalDragsChangeTheNumber) {
    Make();
    recorder.echo = true;
    DragUp(10, 0, 100);  // 100 ms per pixel: full steps of 0.5
    EXPECT_EQ(control.GetIntValue(), 55);
    DragUp(8, 1, 100);  // fine steps of 0.25 with shift
    EXPECT_EQ(control.GetIntValue(), 57);
    EXPECT_EQ(recorder.calls.back(), "lost capture");
    DragUp(8, 0, 200);  // slow: each pixel counts a quarter (50 / 200)
    EXPECT_EQ(control.GetIntValue(), 58);
}

TEST_F(EditText, ArrowKeysStepAndAreSwallowedWhileDragging) {
    Make();
    struct Case {
        int character;
        const char* report;  // null: none
    };
    const Case cases[] = {
        {29, "value 51"}, {30, "value 51"}, {28, "value 49"}, {31, "value 49"}, {'a', nullptr}};
    for (const Case& c : cases) {
        recorder.calls.clear();
        EXPECT_TRUE(driver.Step(&control, {G::Key, c.character}));
        EXPECT_EQ(recorder.calls, c.report ? Calls{c.report} : Calls{}) << c.character;
    }
    control.SetIntValue(100, false);
    recorder.calls.clear();
    driver.Step(&control, {G::Key, 30});  // clamped: no change, no report
    driver.Step(&control, {G::Down, 1, 1});
    driver.Step(&control, {G::Key, 28});  // swallowed while the mouse holds the field
    EXPECT_EQ(recorder.Reports(), Calls{});
}

TEST_F(EditText, DoubleClickEditsReturnReportsAndTheFieldWaitsForTheListener) {
    Make();
    driver.Step(&control, {G::Double, 1, 1});
    ASSERT_TRUE(control.IsEditing());
    EXPECT_EQ(control.GetEngine()->GetSelectionStart(), 0);
    EXPECT_EQ(control.GetEngine()->GetSelectionEnd(), 4);
    for (const char* c = "Pad 1"; *c; ++c) driver.Step(&control, {G::Char, *c});
    EXPECT_STREQ(control.GetEngine()->GetText(), "Pad 1");
    recorder.calls.clear();
    driver.Step(&control, {G::Key, 13});
    EXPECT_EQ(recorder.calls, (Calls{"text Pad 1"}));
    EXPECT_FALSE(control.IsEditing());
    EXPECT_STREQ(static_cast<const char*>(control.GetPtrValue()), "Init");
    char answer[] = "Pad 1";
    control.SetPtrValue(answer, true);
    EXPECT_STREQ(static_cast<const char*>(control.GetPtrValue()), "Pad 1");
}

// What the user sees is what is kept: typing stops at the field's columns, and Return reports them.
TEST_F(EditText, TypingStopsAtTheColumnsAndReturnReportsWhatWasShown) {
    Make();
    driver.Step(&control, {G::Double, 1, 1});
    ASSERT_TRUE(control.IsEditing());
    for (const char* c = "Grand Piano 2"; *c; ++c) driver.Step(&control, {G::Char, *c});
    EXPECT_STREQ(control.GetEngine()->GetText(), "Grand Pi");
    recorder.calls.clear();
    driver.Step(&control, {G::Key, 13});
    EXPECT_EQ(recorder.calls, (Calls{"text Grand Pi"}));
    // A text given for editing that is longer than the field is cut to it.
    ASSERT_TRUE(control.EnterEdit("Electric Organ"));
    EXPECT_STREQ(control.GetEngine()->GetText(), "Electric");
}

TEST_F(EditText, WithTheFlagClearADoubleClickIsAPress) {
    Make();
    control.SetDoubleClickEdits(false);
    recorder.echo = true;
    driver.Run(&control, {{G::Double, 5, 50}, {G::Move, 5, 48}, {G::Up, 5, 48}});
    EXPECT_FALSE(control.IsEditing());
    EXPECT_EQ(control.GetIntValue(), 51);
}

TEST_F(EditText, FocusLossCancelsUnlessToldToCommit) {
    Make();
    ASSERT_TRUE(control.EnterEdit("Draft"));
    EXPECT_FALSE(control.EnterEdit("Again"));
    recorder.calls.clear();
    control.OnHfcKeyLostFocus(static_cast<CHfcKeyFocus*>(nullptr));  // the window's focus went elsewhere
    EXPECT_FALSE(control.IsEditing());
    EXPECT_EQ(recorder.Reports(), Calls{});

    control.SetFocusLossCancels(false);
    ASSERT_TRUE(control.EnterEdit("Kept"));
    control.OnHfcKeyLostFocus(static_cast<CHfcKeyFocus*>(nullptr));
    EXPECT_FALSE(control.IsEditing());
    EXPECT_EQ(recorder.Reports(), (Calls{"text Kept"}));

    // Escape leaves without a report.
    recorder.calls.clear();
    ASSERT_TRUE(control.EnterEdit(nullptr));
    EXPECT_STREQ(control.GetEngine()->GetText(), "Init");
    driver.Step(&control, {G::Key, 27});
    EXPECT_FALSE(control.IsEditing());
    EXPECT_EQ(recorder.Reports(), Calls{});
}

TEST_F(EditText, AShorterTextLeavesNoTailOfTheLongerOne) {
    Make();
    char longer[] = "Strings!";
    char shorter[] = "Pad";
    char tooLong[] = "ABCDEFGHIJKL";
    control.SetPtrValue(longer, false);
    control.SetPtrValue(shorter, false);
    const char* text = static_cast<const char*>(control.GetPtrValue());
    EXPECT_STREQ(text, "Pad");
    EXPECT_EQ(std::memcmp(text, "Pad\0\0\0\0\0\0", 9), 0);
    control.SetPtrValue(tooLong, false);
    EXPECT_STREQ(static_cast<const char*>(control.GetPtrValue()), "ABCDEFGH");
}

TEST_F(EditText, DeletedWhileEditingEndsItsOwnState) {
    auto* field = new CHfcCtrlCharEditText;
    ASSERT_TRUE(field->CreateEx2(&param, 1, 0));
    ASSERT_TRUE(field->EnterEdit("left open"));
    delete field;  // the sanitizers see any leak or stale focus use
}

TEST_F(EditText, DrawsEveryCellOfTheRow) {
    Make();
    HfcRecordingContext context;
    control.Draw(&context);
    std::vector<std::string> expected;
    const char cells[8] = {'I', 'n', 'i', 't', 0, 0, 0, 0};
    for (int i = 0; i < 8; ++i)
        expected.push_back(HfcRecordingContext::Copy(10 + 6 * i, 5, 6, 9, 0, 9 * cells[i]));
    EXPECT_EQ(context.Copies(), expected);
    // The focus margin of 3 is cleared around the field first.
    EXPECT_EQ(context.ops.front(), HfcRecordingContext::Clear(7, 2, 49 + 6, 9 + 6));
}

}  // namespace
