// Gallery snapshots of every stock control in its states, drawn into an off-screen context with strips
// whose frames show their own number. Each picture is checked by probing the frame colour under every
// control, then written as a PNG into the build folder (gallery/).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Hfc/Core/HfcCtrlCharEditText.h"
#include "Hfc/Core/HfcCtrlKeyboard.h"
#include "Hfc/Core/HfcCtrlKnob.h"
#include "Hfc/Core/HfcCtrlList.h"
#include "Hfc/Core/HfcCtrlSlideSwitch.h"
#include "Hfc/Core/HfcCtrlSwitch.h"
#include "Hfc/Core/HfcCtrlWheel.h"
#include "Hfc/Draw/HfcBmp.h"
#include "Hfc/Draw/HfcDrawContext.h"
#include "HfcControlDriver.h"
#include "HfcControlRecorder.h"
#include "HfcGallery.h"
#include "HfcTestStrips.h"

namespace {

using HfcTestStrips::FrameAt;

constexpr uint32_t kPaper = 0xff202020;

class StockGallery : public testing::Test {
protected:
    StockGallery() : context(560, 300) {
        context.SetBrushColor(kPaper);
        context.FillRect(0, 0, 560, 300);
    }
    void Write(const char* name) { EXPECT_TRUE(HfcWritePng(context.GetBmp(), HfcGalleryPath(name).c_str())); }
    int Frame(int x, int y, int frames) { return FrameAt(context.GetBmp(), x, y, frames); }

    CHfcOffscreenContext context;
    HfcControlRecorder recorder;
    HfcControlDriver driver;
};

// Columns of the switch gallery: normal, pressed (held by the mouse), disabled, focused.
TEST_F(StockGallery, Switches) {
    CHfcBmp strip;
    HfcTestStrips::NumberedStrip(&strip, 48, 28, 8);  // 3 states × 2 frames + the disabled pair
    CHfcBmp plain;
    HfcTestStrips::NumberedStrip(&plain, 48, 28, 3);
    struct Row {
        CHfcBmp* bmp;
        int states;
        bool twoFrames, disabledFrame;
        int value;
        int frames[4];  // expected frame per column
    };
    const Row rows[] = {
        {&strip, 3, true, true, 1, {2, 3, 6, 2}},
        {&strip, 3, true, true, 2, {4, 5, 6, 4}},
        {&plain, 3, false, false, 2, {2, 2, 2, 2}},  // disabled: the same frame, half transparent
    };
    int y = 10;
    for (const Row& r : rows) {
        for (int column = 0; column < 4; ++column) {
            CHfcCtrlSwitch control;
            tagHfcCtrlSwitchParamEx p;
            p.x = 10 + column * 60;
            p.y = y;
            p.bitmap = r.bmp;
            p.states = r.states;
            p.oneFramePerState = r.twoFrames ? 0 : 1;
            p.hasDisabledFrame = r.disabledFrame ? 1 : 0;
            ASSERT_TRUE(control.CreateEx(&p, column, 0));
            control.SetListener(&recorder);
            control.Show(false);
            control.SetIntValue(r.value, false);
            if (column == 1) driver.Step(&control, {HfcGesture::Down, 5, 5});
            if (column == 2) control.Disable(false);
            control.Draw(&context);
            if (column == 3) control.DrawFocus(&context);
            if (column == 1) driver.Step(&control, {HfcGesture::Up, 5, 5});
            const int frames = r.disabledFrame ? 8 : 3;
            if (column == 2 && !r.disabledFrame) {
                // Blended at half opacity over the cleared rectangle: no face colour survives exactly.
                EXPECT_EQ(Frame(p.x + 24, p.y + 20, frames), -1);
            } else {
                EXPECT_EQ(Frame(p.x + 24, p.y + 20, frames), r.frames[column])
                    << "row " << y << " column " << column;
            }
        }
        y += 40;
    }

    // Text switches: the caption in the toolkit's own proportional font, centred, then left and
    // right with margins; the last one disabled (the caption fades with the face).
    tagHfcBmpFontInfo font{};
    ASSERT_TRUE(HfcLoadBmpFont("HfcUiFont", &font));
    CHfcBmp wide;
    HfcTestStrips::NumberedStrip(&wide, 100, 28, 2);
    const int aligns[] = {1, 0, 2, 1};
    for (int column = 0; column < 4; ++column) {
        tagHfcCtrlTextSwitchParam p;
        p.x = 10 + column * 110;
        p.y = y;
        p.bitmap = &wide;
        p.states = 2;
        p.font = &font;
        p.text = "Arp On";
        p.colour = 0xffffffff;
        p.hAlign = aligns[column];
        p.hMargin = 6;
        CHfcCtrlTextSwitch control;
        ASSERT_TRUE(control.Create(&p, 9, 0));
        control.Show(false);
        control.SetIntValue(column % 2, false);
        if (column == 3) control.Disable(false);
        control.Draw(&context);
        if (column < 3) {
            EXPECT_EQ(Frame(p.x + 97, p.y + 25, 2), column % 2);
        }
    }
    HfcFreeBmpFont(&font);
    Write("stock_switches");
}

TEST_F(StockGallery, SlideSwitchesWheelsAndKnobs) {
    CHfcBmp slide;
    HfcTestStrips::NumberedStrip(&slide, 24, 60, 4);
    CHfcBmp wheel;
    HfcTestStrips::NumberedStrip(&wheel, 20, 70, 8);
    CHfcBmp knob;
    HfcTestStrips::NumberedStrip(&knob, 40, 40, 16);
    for (int column = 0; column < 4; ++column) {
        const int value = column;
        tagHfcCtrlSlideSwitchParam sp;
        sp.x = 10 + column * 40;
        sp.y = 10;
        sp.bitmap = &slide;
        sp.positions = 4;
        CHfcCtrlSlideSwitch s;
        ASSERT_TRUE(s.Create(&sp, 1, 0));
        s.Show(false);
        s.SetIntValue(value, false);
        if (column == 3) s.Disable(false);
        s.Draw(&context);
        if (column < 3) {
            EXPECT_EQ(Frame(sp.x + 12, sp.y + 40, 4), value);
        }

        tagHfcCtrlWheelParam wp;
        wp.x = 190 + column * 30;
        wp.y = 10;
        wp.bitmap = &wheel;
        wp.frames = 8;
        wp.minimum = -8192;
        wp.maximum = 8191;
        CHfcCtrlWheel w;
        ASSERT_TRUE(w.Create(&wp, 2, 0));
        w.Show(false);
        const int wheelValues[] = {-8192, 0, 4096, 8191};
        w.SetIntValue(wheelValues[column], false);
        w.Draw(&context);
        const int wheelFrames[] = {0, 4, 6, 7};
        EXPECT_EQ(Frame(wp.x + 10, wp.y + 50, 8), wheelFrames[column]);

        tagHfcCtrlKnobParam kp;
        kp.x = 320 + column * 50;
        kp.y = 10;
        kp.bitmap = &knob;
        kp.frames = 16;
        kp.minimum = 0;
        kp.maximum = 127;
        CHfcCtrlKnob k;
        ASSERT_TRUE(k.Create(&kp, 3, 0));
        k.Show(false);
        const int knobValues[] = {0, 40, 64, 127};
        k.SetIntValue(knobValues[column], false);
        k.Draw(&context);
        // frame = value / 127 × 16 − 1/15, truncated
        const int knobFrames[] = {0, 4, 7, 15};
        EXPECT_EQ(Frame(kp.x + 20, kp.y + 30, 16), knobFrames[column]);
    }
    Write("stock_slides_wheels_knobs");
}

TEST_F(StockGallery, KeyboardHighlights) {
    // 14 keys of 12 pixels; row 0 of the strip is the idle keyboard, row 1 the lit one.
    constexpr int kKeys = 14, kW = 12 * kKeys, kH = 40;
    CHfcBmp keys;
    keys.Create(kW, kH * 8);
    for (int row = 0; row < 8; ++row) {
        for (int y = 0; y < kH; ++y) {
            for (int x = 0; x < kW; ++x) {
                const bool edge = x % 12 == 0;
                keys.SetPixel(x, row * kH + y, edge ? 0xff000000 : HfcTestStrips::FrameColour(row));
            }
        }
    }
    std::vector<tagHfcRect> regions(kKeys);
    std::vector<int> table(3 * kKeys);
    std::vector<uint8_t> hit(static_cast<size_t>(kW * kH));
    for (int k = 0; k < kKeys; ++k) {
        HfcSetRect(&regions[static_cast<size_t>(k)], 12 * k, 0, 12 * k + 12, kH);
        table[static_cast<size_t>(3 * k)] = k;
        table[static_cast<size_t>(3 * k + 1)] = -1;
        table[static_cast<size_t>(3 * k + 2)] = 1;
    }
    for (int y = 0; y < kH; ++y) {
        for (int x = 0; x < kW; ++x) hit[static_cast<size_t>(y * kW + x)] = static_cast<uint8_t>(x / 12);
    }
    tagHfcCtrlKeyboardParam p;
    p.x = 10;
    p.y = 10;
    p.bitmap = &keys;
    p.keys = kKeys;
    p.regions = kKeys;
    p.regionRects = regions.data();
    p.keyTable = table.data();
    p.hitMap = hit.data();
    p.lowestNote = 48;
    CHfcCtrlKeyboard keyboard;
    ASSERT_TRUE(keyboard.Create(&p, 1, 0));
    keyboard.Show(false);
    keyboard.SetIntValue(static_cast<int>(0x80000000u | 50), true);  // key 2
    keyboard.SetIntValue(static_cast<int>(0x80000000u | 55), true);  // key 7
    keyboard.Draw(&context);
    for (int k = 0; k < kKeys; ++k) {
        const bool lit = k == 2 || k == 7;
        EXPECT_EQ(Frame(10 + 12 * k + 6, 30, 8), lit ? 1 : 0) << k;
    }
    Write("stock_keyboard");
}

TEST_F(StockGallery, EditTextAndList) {
    CHfcBmp glyphs;
    HfcTestStrips::GlyphStrip(&glyphs, 7, 11);
    tagHfcCtrlCharEditTextParamEx2 ep;
    ep.x = 20;
    ep.y = 20;
    ep.font = &glyphs;
    ep.columns = 12;
    ep.backgroundColour = 0xff303848;
    CHfcCtrlCharEditText normal, editing, disabled;
    for (CHfcCtrlCharEditText* field : {&normal, &editing, &disabled}) {
        ASSERT_TRUE(field->CreateEx2(&ep, 1, 0));
        field->SetListener(&recorder);
        field->Show(false);
        char text[] = "Pad 1";
        field->SetPtrValue(text, false);
        ep.y += 30;
    }
    editing.EnterEdit(nullptr);
    editing.GetEngine()->SetSelection(0, 3);
    disabled.Disable(false);
    for (CHfcCtrlCharEditText* field : {&normal, &editing, &disabled}) field->Draw(&context);
    normal.DrawFocus(&context);
    EXPECT_EQ(context.GetBmp()->GetPixel(20 + 1, 20 + 5), 0xffffffffu);  // the P's left stroke
    // The selection of the editing field (characters 0 to 2) lies over its background, which the
    // normal field shows in the same place.
    EXPECT_NE(context.GetBmp()->GetPixel(20 + 3, 50), context.GetBmp()->GetPixel(20 + 3, 20));

    CHfcBmp paper;
    paper.Create(240, 120);
    for (int py = 0; py < 120; ++py) {
        for (int px = 0; px < 240; ++px)
            paper.SetPixel(px, py, (px / 120 + py / 15) % 2 ? 0xff1c2430 : 0xff18202a);
    }
    class GalleryList : public CHfcCtrlList {
    public:
        GalleryList(CHfcBmp* font, CHfcBmp* background) {
            Create(250, 20, 240, 120, 2);
            tagHfcCtrlListLayout l;
            l.columns = 2;
            l.rows = 8;
            l.font = font;
            l.charWidth = 7;
            l.charHeight = 11;
            l.insetX = 1;
            l.insetY = 1;
            l.textX = 3;
            l.multipleSelection = 1;
            l.selectionColour = 0xff3050a0;
            l.markColour = 0xff304030;
            l.frameColour = 0xffc0c0c0;
            l.background = background;
            l.backgroundWidth = 240;
            l.backgroundHeight = 120;
            SetLayout(l, 120.0f, 15.0f);
            Enable(false);
            Show(false);
        }
    } list(&glyphs, &paper);
    for (int i = 0; i < 14; ++i) {
        CHfcCtrlListItem* item = list.AddItem();
        item->SetCaption(("Sound " + std::to_string(i)).c_str());
        item->m_selected = i == 2 || i == 3;
        item->m_marked = i == 9;
        item->m_framed = i == 12;
        item->m_enabled = i != 5;
    }
    list.Draw(&context);
    EXPECT_EQ(context.GetBmp()->GetPixel(250 + 60, 20 + 2 * 15 + 1), 0xff3050a0u);        // item 2 selected
    EXPECT_EQ(context.GetBmp()->GetPixel(250 + 120 + 60, 20 + 1 * 15 + 1), 0xff304030u);  // item 9 marked
    Write("stock_edit_text_and_list");
}

}  // namespace
