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
    constexpr int kKeys = 8;
    CHfcBmp keys;
    keys.Create(8 * kKeys, 10 * 8);
    tagHfcRect regions[kKeys];
    int table[3 * kKeys];
    uint8_t hit[8 * kKeys * 10];
    for (int k = 0; k < kKeys; ++k) {
        HfcSetRect(&regions[k], 8 * k, 0, 8 * k + 8, 10);
        table[3 * k] = k;
        table[3 * k + 1] = -1;
        table[3 * k + 2] = 1;
    }
    for (int i = 0; i < 8 * kKeys * 10; ++i) hit[i] = static_cast<uint8_t>((i % (8 * kKeys)) / 8);
    tagHfcCtrlKeyboardParam p;
    p.x = 100;
    p.y = 200;
    p.bitmap = &keys;
    p.keys = kKeys;
    p.regions = kKeys;
    p.regionRects = regions;
    p.keyTable = table;
    p.hitMap = hit;
    p.lowestNote = 36;
    CHfcCtrlKeyboard keyboard;
    ASSERT_TRUE(keyboard.Create(&p, 1, 0));
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
