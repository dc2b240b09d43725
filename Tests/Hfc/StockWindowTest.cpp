// The stock controls inside a real window on the headless screen: input routed by the window,
// and the rectangles each update presents.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "Hfc/Core/HfcCtrlCharEditText.h"
#include "Hfc/Core/HfcCtrlKeyboard.h"
#include "Hfc/Core/HfcCtrlList.h"
#include "Hfc/Core/HfcCtrlSwitch.h"
#include "Hfc/Core/HfcCtrlWheel.h"
#include "Hfc/Core/HfcDialogs.h"
#include "Hfc/Core/HfcModal.h"
#include "Hfc/Core/HfcWindow.h"
#include "Hfc/Core/HfcWindowLayer.h"
#include "Hfc/Headless/HfcHeadless.h"
#include "HfcControlRecorder.h"
#include "HfcTestStrips.h"

namespace {

using Calls = std::vector<std::string>;

std::string RectText(const tagHfcRect& r) {
    return std::to_string(r.left) + "," + std::to_string(r.top) + " " + std::to_string(r.right) + "," +
           std::to_string(r.bottom);
}

// A keyboard of 8 keys, 8 × 10 pixels each, at (100, 200) of the layer; the lowest note is 36.
struct EightKeys {
    EightKeys() {
        strip.Create(64, 80);
        for (int k = 0; k < 8; ++k) {
            HfcSetRect(&regions[k], 8 * k, 0, 8 * k + 8, 10);
            table[3 * k] = k;
            table[3 * k + 1] = -1;
            table[3 * k + 2] = 1;
        }
        for (int i = 0; i < 640; ++i) hit[i] = static_cast<uint8_t>((i % 64) / 8);
        param.x = 100;
        param.y = 200;
        param.bitmap = &strip;
        param.keys = 8;
        param.regions = 8;
        param.regionRects = regions;
        param.keyTable = table;
        param.hitMap = hit;
        param.lowestNote = 36;
    }
    CHfcBmp strip;
    tagHfcRect regions[8];
    int table[24];
    uint8_t hit[640];
    tagHfcCtrlKeyboardParam param;
};

// A 400 × 300 window at (100, 100) of the screen with one layer at (10, 20) of the window.
class StockWindow : public testing::Test {
protected:
    void SetUp() override {
        screen.Install();
        CHfcMouse::Initialize(false);
        CHfcKey::Initialize();
        window = new CHfcWindow;
        ASSERT_TRUE(window->Create("Stock controls", 100, 100, 400, 300, 0, nullptr, nullptr, nullptr));
        window->Show();
        ASSERT_TRUE(layer.Create(10, 20, 380, 270, window));
        layer.Show(false);
    }
    void TearDown() override {
        layer.RemoveAllControls();
        layer.Destroy();
        delete window;
        CHfcKey::Uninitialize();
        CHfcMouse::Uninitialize();
    }
    CHfcHeadlessFrame* Frame() { return static_cast<CHfcHeadlessFrame*>(window->GetFrame()); }
    std::vector<std::string> Presented() {
        std::vector<std::string> out;
        for (const tagHfcRect& r : Frame()->Presented()) out.push_back(RectText(r));
        return out;
    }
    // A point of the layer on the screen.
    void MoveTo(int layerX, int layerY) { screen.MoveTo(100 + 10 + layerX, 100 + 20 + layerY); }

    CHfcHeadlessScreen screen;
    CHfcWindow* window = nullptr;
    CHfcWindowLayer layer;
    HfcControlRecorder recorder;
};

TEST_F(StockWindow, AClickOnASwitchReportsPressThenRelease) {
    CHfcBmp strip;
    HfcTestStrips::NumberedStrip(&strip, 40, 20, 4);
    tagHfcCtrlSwitchParamEx p;
    p.x = 50;
    p.y = 60;
    p.bitmap = &strip;
    p.states = 2;
    p.oneFramePerState = 0;
    CHfcCtrlSwitch control;
    ASSERT_TRUE(control.CreateEx(&p, 1, 0));
    control.SetListener(&recorder);
    layer.AddControl(&control, false);
    control.Show(true);
    control.SetIntValue(1, false);
    MoveTo(60, 70);
    screen.Click();
    EXPECT_EQ(recorder.Reports(), (Calls{"begin", "value 1|on", "value 1", "end"}));
    // Outside the switch nothing is reported.
    recorder.calls.clear();
    MoveTo(5, 5);
    screen.Click();
    EXPECT_EQ(recorder.Reports(), Calls{});
}

TEST_F(StockWindow, TypingIntoAFieldReportsTheTextOnReturn) {
    CHfcBmp glyphs;
    HfcTestStrips::GlyphStrip(&glyphs, 7, 11);
    tagHfcCtrlCharEditTextParamEx2 p;
    p.x = 30;
    p.y = 40;
    p.font = &glyphs;
    p.columns = 12;
    CHfcCtrlCharEditText field;
    ASSERT_TRUE(field.CreateEx2(&p, 1, 0));
    field.SetListener(&recorder);
    layer.AddControl(&field, false);
    field.Show(true);
    char text[] = "Init";
    field.SetPtrValue(text, false);
    MoveTo(35, 45);
    screen.DoubleClick();
    ASSERT_TRUE(field.IsEditing());
    screen.Type("Pad 1");
    EXPECT_STREQ(field.GetEngine()->GetText(), "Pad 1");
    recorder.calls.clear();
    screen.Key(13, 0);
    EXPECT_EQ(recorder.Reports(), (Calls{"text Pad 1"}));
    EXPECT_FALSE(field.IsEditing());
    EXPECT_STREQ(static_cast<const char*>(field.GetPtrValue()), "Init");
}

TEST_F(StockWindow, AKeyboardUpdateCopiesOnlyTheLitSpan) {
    EightKeys keys;
    CHfcCtrlKeyboard keyboard;
    ASSERT_TRUE(keyboard.Create(&keys.param, 1, 0));
    layer.AddControl(&keyboard, false);
    keyboard.Show(false);
    keyboard.Update(true, true);
    Frame()->ClearPresented();
    keyboard.SetIntValue(static_cast<int>(0x80000000u | 38), true);  // key 2
    keyboard.SetIntValue(static_cast<int>(0x80000000u | 40), true);  // key 4
    EXPECT_TRUE(keyboard.Update(false, true));
    // One copy from the left of key 2 to the right of key 4, at the layer's and control's origin.
    EXPECT_EQ(Presented(), (Calls{RectText({10 + 100 + 16, 20 + 200, 10 + 100 + 40, 20 + 210})}));
    Frame()->ClearPresented();
    EXPECT_FALSE(keyboard.Update(false, true));  // nothing dirty
    EXPECT_EQ(Presented(), Calls{});
}

// A window of ours that opens by itself while a control holds the mouse (a question from the link, a
// transfer's progress) gets the button's release: the control's gesture ends when it opens, as the
// release would end it, and the release that follows changes nothing.
TEST_F(StockWindow, AWindowOpeningMidGestureEndsItAsTheReleaseWould) {
    EightKeys keys;
    CHfcCtrlKeyboard keyboard;
    ASSERT_TRUE(keyboard.Create(&keys.param, 1, 0));
    CHfcBmp wheelStrip;
    wheelStrip.Create(16, 30 * 8);
    tagHfcCtrlWheelParam wp;
    wp.x = 20;
    wp.y = 20;
    wp.bitmap = &wheelStrip;
    wp.frames = 8;
    wp.maximum = 20;
    wp.restValue = 10;
    wp.returnsToRest = 1;
    CHfcCtrlWheel wheel;
    ASSERT_TRUE(wheel.Create(&wp, 2, 0));
    for (CHfcControl* control : std::initializer_list<CHfcControl*>{&keyboard, &wheel}) {
        control->SetListener(&recorder);
        layer.AddControl(control, false);
        control->Show(false);
    }
    wheel.SetIntValue(10, false);
    struct Owner : IAsyncProgressViewOwner {
        void OnProgressViewCancel() override {}
    } owner;
    struct Case {
        const char* what;
        int x, y, dragY;  // in the layer
        Calls whilePressed;
        Calls whenTheWindowOpens;
    };
    const Case cases[] = {
        {"a key", 100 + 20, 205, 205, {"begin", "value 38|on"}, {"value 38", "end"}},
        {"the wheel", 28, 40, 35, {"begin", "value 15"}, {"value 10", "end"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        recorder.calls.clear();
        MoveTo(c.x, c.y);
        screen.ButtonDown();
        MoveTo(c.x, c.dragY);
        EXPECT_EQ(recorder.Reports(), c.whilePressed);
        recorder.calls.clear();
        CHfcProgressWindow progress(&owner);
        ASSERT_TRUE(progress.Open());
        EXPECT_EQ(recorder.Reports(), c.whenTheWindowOpens);
        EXPECT_EQ(CHfcMouse::GetInstance()->GetCapture(), nullptr);
        recorder.calls.clear();
        screen.ButtonUp();  // reaches the progress window
        progress.Close();
        MoveTo(c.x + 3, c.dragY - 3);
        EXPECT_EQ(recorder.Reports(), Calls{});
        EXPECT_EQ(HfcModalCount(), 0);
    }
    layer.RemoveAllControls();
}

class WindowList : public CHfcCtrlList {
public:
    explicit WindowList(CHfcBmp* font) {
        Create(20, 30, 160, 80, 1);
        tagHfcCtrlListLayout l;
        l.columns = 2;
        l.rows = 8;
        l.font = font;
        l.charWidth = 7;
        l.charHeight = 9;
        l.selectionColour = 0xff3050a0;
        SetLayout(l, 80.0f, 10.0f);
        Enable(false);
    }
};

TEST_F(StockWindow, FourDirtyCellsPresentFourCellsFivePresentTheList) {
    CHfcBmp glyphs;
    HfcTestStrips::GlyphStrip(&glyphs, 7, 9);
    WindowList list(&glyphs);
    for (int i = 0; i < 16; ++i) list.AddItem()->SetCaption(("Kit " + std::to_string(i)).c_str());
    layer.AddControl(&list, false);
    list.Show(false);
    list.Update(true, true);
    EXPECT_FALSE(list.WasIndividualUpdate());

    Frame()->ClearPresented();
    for (int i : {0, 3, 9, 15}) list.GetItem(i)->SetSelected(true);
    list.SetDirty();
    list.Update(false, true);
    EXPECT_TRUE(list.WasIndividualUpdate());
    // Column-major: item i in column i / 8, row i % 8 of 80 × 10 cells at (20, 30) of the layer.
    auto cell = [](int i) {
        const int x = 10 + 20 + (i / 8) * 80;
        const int y = 20 + 30 + (i % 8) * 10;
        return RectText({x, y, x + 80, y + 10});
    };
    EXPECT_EQ(Presented(), (Calls{cell(0), cell(3), cell(9), cell(15)}));

    Frame()->ClearPresented();
    for (int i : {1, 2, 4, 5, 6}) list.GetItem(i)->SetSelected(true);
    list.SetDirty();
    list.Update(false, true);
    EXPECT_FALSE(list.WasIndividualUpdate());
    EXPECT_EQ(Presented(), (Calls{RectText({30, 50, 190, 130})}));
    layer.RemoveControl(&list, false);
}

}  // namespace
