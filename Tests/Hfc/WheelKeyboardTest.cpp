#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Hfc/Core/HfcCtrlKeyboard.h"
#include "Hfc/Core/HfcCtrlWheel.h"
#include "Hfc/Draw/HfcBmp.h"
#include "HfcControlDriver.h"
#include "HfcControlRecorder.h"
#include "HfcRecordingContext.h"

namespace {

using Calls = std::vector<std::string>;
using G = HfcGesture;

TEST(StepDrag, LandsOnTheStepGrid) {
    struct Case {
        int accumulator, dy, step;
        bool shift;
        int result;
    };
    const Case cases[] = {
        {10, 1, 4, false, 12}, {10, -1, 4, false, 8},  {10, 1, 4, true, 11},   {10, -1, 4, true, 9},
        {12, 1, 4, false, 16}, {12, -2, 4, false, 4},  {-10, 1, 4, false, -4}, {-10, -1, 4, false, -8},
        {10, 3, 0, false, 13}, {10, 3, -5, false, 13},  // no step counts as 1
    };
    for (const Case& c : cases) {
        EXPECT_EQ(HfcCtrlStepDrag(c.accumulator, c.dy, c.step, c.shift), c.result)
            << c.accumulator << " " << c.dy << " " << c.step << " " << c.shift;
    }
}

class Wheel : public testing::Test {
protected:
    void Make(int step, int frames = 8) {
        strip.Create(16, 30 * std::max(1, frames));
        param.bitmap = &strip;
        param.frames = frames;
        param.minimum = 0;
        param.maximum = 20;
        param.step = step;
        param.restValue = 10;
        param.returnsToRest = 1;
        ASSERT_TRUE(control.Create(&param, 1, 0));
        control.SetListener(&recorder);
        control.Show(false);
    }
    CHfcBmp strip;
    tagHfcCtrlWheelParam param;
    CHfcCtrlWheel control;
    HfcControlRecorder recorder;
    HfcControlDriver driver;
};

TEST_F(Wheel, DragsByStepsFromTheAccumulator) {
    Make(4);
    struct Case {
        int dy;  // upwards positive
        int modifiers;
        const char* report;
    };
    const Case cases[] = {{1, 0, "value 12"}, {-1, 0, "value 8"}, {1, 1, "value 11"}, {-1, 1, "value 9"}};
    for (const Case& c : cases) {
        control.SetIntValue(10, false);
        recorder.calls.clear();
        driver.Run(&control, {{G::Down, 5, 50}, {G::Move, 5, 50 - c.dy, c.modifiers}, {G::Up, 5, 50 - c.dy}});
        EXPECT_EQ(recorder.Reports(), (Calls{"begin", c.report, "value 10", "end"}))
            << c.dy << " " << c.modifiers;
    }
}

TEST_F(Wheel, ClampsReportsChangesOnlyAndReturnsToRestWithoutMoving) {
    Make(4);
    control.SetIntValue(18, false);
    driver.Run(&control,
               {{G::Down, 5, 50}, {G::Move, 5, 49}, {G::Move, 5, 48}, {G::Move, 5, 47}, {G::Up, 5, 47}});
    EXPECT_EQ(recorder.Reports(), (Calls{"begin", "value 20", "value 10", "end"}));

    recorder.calls.clear();
    driver.Run(&control, {{G::Down, 5, 50}, {G::Up, 5, 50}});
    EXPECT_EQ(recorder.Reports(), (Calls{"begin", "value 10", "end"}));

    // Command asks for the default first; no rest report when the record says so.
    param.returnsToRest = 0;
    CHfcCtrlWheel plain;
    ASSERT_TRUE(plain.Create(&param, 2, 0));
    plain.SetListener(&recorder);
    recorder.hasDefault = true;
    recorder.defaultValue = 6;
    recorder.calls.clear();
    driver.Run(&plain, {{G::Down, 5, 50, 2}, {G::Move, 5, 49}, {G::Up, 5, 49}});
    EXPECT_EQ(recorder.Reports(), (Calls{"begin", "default?", "value 8", "end"}));
}

TEST_F(Wheel, StepZeroDragsByOne) {
    Make(0);
    control.SetIntValue(5, false);
    driver.Run(&control, {{G::Down, 5, 50}, {G::Move, 5, 47}, {G::Up, 5, 47}});
    EXPECT_EQ(recorder.Reports(), (Calls{"begin", "value 8", "value 10", "end"}));
}

TEST_F(Wheel, DrawsTheFrameOfTheValue) {
    Make(1, 7);
    HfcRecordingContext context;
    struct Case {
        int value, frame;
    };
    // frame = (value - minimum) × frames / (maximum - minimum + 1) = value × 7 / 21
    const Case cases[] = {{0, 0}, {2, 0}, {3, 1}, {10, 3}, {20, 6}};
    for (const Case& c : cases) {
        control.SetIntValue(c.value, false);
        context.ops.clear();
        control.Draw(&context);
        ASSERT_EQ(context.ops.size(), 3u);
        EXPECT_EQ(context.ops[1], HfcRecordingContext::Fill(0, 0, 16, 30, 0xff000000));  // no background
        EXPECT_EQ(context.ops[2], HfcRecordingContext::Copy(0, 0, 16, 30, 0, 30 * c.frame)) << c.value;
    }
    // An empty range shows the first frame instead of dividing by zero.
    param.minimum = 5;
    param.maximum = 4;
    CHfcCtrlWheel empty;
    ASSERT_TRUE(empty.Create(&param, 2, 0));
    EXPECT_EQ(empty.GetFrameIndex(), 0);
}

// A keyboard of 8 keys, 8 pixels each, 64 × 10, lowest note 60; each key has its own region and
// key 1 also lights region 0 (a shared edge), the state bits are 1 for every key.
class Keyboard : public testing::Test {
protected:
    Keyboard() {
        strip.Create(64, 80);
        for (int k = 0; k < 8; ++k) {
            HfcSetRect(&regions[k], 8 * k, 0, 8 * k + 8, 10);
            keyTable[3 * k] = k;
            keyTable[3 * k + 1] = k == 1 ? 0 : -1;
            keyTable[3 * k + 2] = 1;
        }
        for (int y = 0; y < 10; ++y) {
            for (int x = 0; x < 64; ++x) hitMap[y * 64 + x] = (x % 8 == 7 && y > 5) ? 255 : x / 8;
        }
        param.x = 10;
        param.y = 20;
        param.bitmap = &strip;
        param.keys = 8;
        param.regions = 8;
        param.regionRects = regions;
        param.keyTable = keyTable;
        param.hitMap = hitMap;
        param.lowestNote = 60;
    }
    void Make() {
        ASSERT_TRUE(control.Create(&param, 1, 0));
        control.SetListener(&recorder);
        control.Show(false);
    }
    CHfcBmp strip;
    tagHfcRect regions[8];
    int keyTable[24];
    uint8_t hitMap[640];
    tagHfcCtrlKeyboardParam param;
    CHfcCtrlKeyboard control;
    HfcControlRecorder recorder;
    HfcControlDriver driver;
};

TEST_F(Keyboard, GlidesSoundTheNewNoteBeforeEndingTheOld) {
    Make();
    driver.Run(&control,
               {{G::Down, 44, 2}, {G::Move, 45, 2}, {G::Move, 50, 2}, {G::Move, 55, 8}, {G::Up, 55, 8}});
    // Key 5 (note 65), glide to key 6 (66), then into the gap between keys (255), release there.
    EXPECT_EQ(recorder.Reports(),
              (Calls{"begin", "value 65|on", "value 66|on", "value 65", "value 66", "end"}));
}

TEST_F(Keyboard, AReleaseOutsideEveryKeyStillEndsTheEdit) {
    Make();
    // Pressed between keys: no note and no begin; the end comes all the same.
    driver.Run(&control, {{G::Down, 7, 8}, {G::Up, 7, 8}});
    EXPECT_EQ(recorder.Reports(), (Calls{"end"}));
    // A captured drag far outside the control reads no hit map (-5000 and 9999 are outside it).
    recorder.calls.clear();
    driver.Run(&control, {{G::Down, 3, 3}, {G::Move, -5000, 3}, {G::Move, 3, 9999}, {G::Up, 3, 9999}});
    EXPECT_EQ(recorder.Reports(), (Calls{"begin", "value 60|on", "value 60", "end"}));
    // Outside the control on the press: captured but no note.
    recorder.calls.clear();
    driver.Run(&control, {{G::Down, 64, 3}, {G::Move, 3, 3}, {G::Up, 3, 3}});
    EXPECT_EQ(recorder.Reports(), (Calls{"value 60|on", "value 60", "end"}));
}

TEST_F(Keyboard, LitKeysRedrawOnlyTheirRegions) {
    Make();
    HfcRecordingContext context;
    control.Draw(&context);  // every region starts marked
    EXPECT_EQ(context.Copies().size(), 8u);
    EXPECT_EQ(control.GetRegionState(3), 0u);

    context.ops.clear();
    control.SetIntValue(static_cast<int>(0x80000000u | 61), true);  // key 1 on: regions 1 and 0
    control.SetIntValue(200, true);                                 // not a key of this keyboard
    control.SetIntValue(static_cast<int>(0x80000000u | 59), true);
    EXPECT_EQ(control.GetRegionState(1), 0x80000001u);
    EXPECT_EQ(control.GetRegionState(0), 0x80000001u);
    control.Draw(&context);
    EXPECT_EQ(context.Copies(), (Calls{HfcRecordingContext::Copy(10, 20, 8, 10, 0, 10),
                                       HfcRecordingContext::Copy(18, 20, 8, 10, 8, 10)}));

    context.ops.clear();
    control.SetIntValue(61, true);  // off: bit 0 cleared, marked again
    EXPECT_EQ(control.GetRegionState(1), 0x80000000u);
    control.Draw(&context);
    EXPECT_EQ(context.Copies(), (Calls{HfcRecordingContext::Copy(10, 20, 8, 10, 0, 0),
                                       HfcRecordingContext::Copy(18, 20, 8, 10, 8, 0)}));
}

TEST_F(Keyboard, CreateRefusesAMissingRecordOrBitmap) {
    CHfcCtrlKeyboard k;
    EXPECT_FALSE(k.Create(nullptr, 1, 0));
    param.bitmap = nullptr;
    EXPECT_FALSE(k.Create(&param, 1, 0));
    param.bitmap = &strip;
    param.height = 0;
    ASSERT_TRUE(k.Create(&param, 1, 0));
    EXPECT_EQ(k.GetRect().bottom - k.GetRect().top, 10);  // bitmap height / 8
}

}  // namespace
