// The factory functions of the knob, value bars, static texts, labels and activity lamps with the
// editor's own art, and the gallery of those controls in their states (gallery/EditorControls_Bars.png,
// for review).
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "Common/Controls/QnControlCreater.h"
#include "Common/Controls/QnKnob.h"
#include "Common/Controls/QnSimpleControls.h"
#include "Common/Controls/XBCtrlValueBar.h"
#include "Common/FontManager/FontManager.h"
#include "Common/FontManager/ResourceManager.h"
#include "Common/Layers/QnSynthLayer.h"
#include "Hfc/HfcGallery.h"
#include "ValueControlArt.h"

namespace {

using namespace ValueControlArt;

class ValueControlsFactory : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(ResourceManager::Initialize());
        ASSERT_TRUE(FontManager::Initialize());
        // A background whose every pixel tells where it came from.
        background.Create(300, 200);
        for (int y = 0; y < 200; ++y)
            for (int x = 0; x < 300; ++x) background.SetPixel(x, y, 0xFF000000u | (x << 8) | y);
    }
    void TearDown() override {
        FontManager::Uninitialize();
        ResourceManager::Uninitialize();
    }
    static CHfcBmp* Image(const char* name) { return ResourceManager::GetInstance()->LoadImage(name); }

    CHfcBmp background;
};

TEST_F(ValueControlsFactory, KnobIsPlacedByTheOffsetAndCutsItsSliceFromTheBackground) {
    QnControlCreater creater(&background, 100, 50);
    std::unique_ptr<QnKnob> knob(creater.CreateKnob(10, 20, 0, 127, 0, true, 3, 0x42));
    ASSERT_NE(knob, nullptr);
    EXPECT_EQ(knob->GetRect().left, 110);
    EXPECT_EQ(knob->GetRect().top, 70);
    EXPECT_EQ(knob->GetRect().right - knob->GetRect().left, Image("Knob_Meter")->GetWidth());
    EXPECT_EQ(knob->GetRect().bottom - knob->GetRect().top, Image("Knob_Meter")->GetHeight());
    EXPECT_EQ(knob->GetId(), 0x42);
    EXPECT_EQ(knob->GetTextX(), 19 - 3 * 3);
    EXPECT_EQ(knob->GetTextY(), 15);
    EXPECT_EQ(knob->GetTextLength(), 3);
    EXPECT_TRUE(knob->IsAccelerated());
    EXPECT_EQ(knob->GetListener(), nullptr);
    CHfcOffscreenContext context(300, 200);
    knob->Draw(&context);
    // Where the ring images leave the corner clear, the background slice from (10, 20) shows.
    CHfcBmp* ringBack = Image("Knob_MeterBack");
    CHfcBmp* ring = Image("Knob_Meter");
    if ((ringBack->GetPixel(0, 0) >> 24) == 0 && (ring->GetPixel(0, 0) >> 24) == 0) {
        EXPECT_EQ(context.GetBmp()->GetPixel(110, 70), background.GetPixel(10, 20));
        EXPECT_EQ(context.GetBmp()->GetPixel(111, 70), background.GetPixel(11, 20));
    }
    // The page sizes the display from the parameter's texts and picks the narrower font above 4.
    knob->SetParameter(QnSynthLayer::kKnobDisplayWidth, 6, nullptr, true);
    EXPECT_EQ(knob->GetTextLength(), 6);
    EXPECT_EQ(knob->GetTextX(), 19 - 18);
    EXPECT_EQ(knob->GetCharWidth(),
              FontManager::GetInstance()->GetBmpFontInfo(FontName_W4H9)->bitmap->GetWidth());
    knob->SetParameter(QnSynthLayer::kKnobCentre, 64, nullptr, true);
    EXPECT_EQ(knob->GetCentreValue(), 64);
}

TEST_F(ValueControlsFactory, HorizontalBarsTakeTheirSignAndCentreFromTheRange) {
    QnControlCreater creater(&background, 0, 0);
    struct Case {
        int width, minimum, maximum, centre;
        bool made, isSigned;
        int madeCentre;
    };
    const Case cases[] = {
        {96, 0, 127, 40, true, false, 0},  {96, -10, -1, -5, true, false, -10},
        {96, -64, 0, -5, true, true, -64}, {103, -64, 64, 9, true, true, 0},
        {103, -64, 63, 5, true, false, 5}, {50, 0, 127, 0, false, false, 0},  // no back image: none
    };
    for (const Case& c : cases) {
        std::unique_ptr<CXBCtrlHorizontalValueBar> bar(
            creater.CreateHorizontalValueBar(5, 6, c.width, c.minimum, c.maximum, c.centre, 9));
        ASSERT_EQ(bar != nullptr, c.made) << c.width;
        if (!bar) continue;
        EXPECT_EQ(bar->IsSignedDisplay(), c.isSigned) << c.minimum << ".." << c.maximum;
        EXPECT_EQ(bar->GetCentreValue(), c.madeCentre) << c.minimum << ".." << c.maximum;
        EXPECT_EQ(bar->GetRect().right - bar->GetRect().left, c.width);
        EXPECT_EQ(bar->GetRect().bottom - bar->GetRect().top, 13);
    }
    std::unique_ptr<CXBCtrlHorizontalValueBar> standard(creater.CreateHorizontalValueBar(0, 0, 0, 127, 0, 1));
    ASSERT_NE(standard, nullptr);
    EXPECT_EQ(standard->GetRect().right, 96);
}

TEST_F(ValueControlsFactory, VerticalBarsStaticTextsAndLamps) {
    QnControlCreater creater(&background, 3, 4);
    std::unique_ptr<CXBCtrlVerticalValueBar> bar(creater.CreateVerticalValueBar(10, 10, true, 0, 100, 0, 2));
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(bar->GetRect().left, 13);
    EXPECT_EQ(bar->GetRect().right - bar->GetRect().left, Image("VerticalValueBarBack")->GetWidth());
    EXPECT_EQ(bar->GetRect().bottom - bar->GetRect().top, Image("VerticalValueBarBack")->GetHeight());
    EXPECT_TRUE(bar->IsSignedDisplay());
    std::unique_ptr<CXBCtrlVerticalValueBar> prog(creater.CreateVerticalValueBar(
        0, 0, false, 0, 127, 0, "VerticalValueBar_Prog", "VerticalValueBarBack_Prog", 3));
    ASSERT_NE(prog, nullptr);
    EXPECT_EQ(prog->GetRect().bottom, 4 + Image("VerticalValueBarBack_Prog")->GetHeight());
    EXPECT_EQ(creater.CreateVerticalValueBar(0, 0, false, 0, 127, 0, "NoSuchBar", "VerticalValueBarBack", 3),
              nullptr);

    EXPECT_EQ(creater.CreateStaticText(0, 0, 40, 12, "Level", "NoSuchFont", 0xFFFFFFFF, 0, 0, 1), nullptr);
    std::unique_ptr<QnStaticText> label(creater.CreateLabel(20, 30, "Cutoff", 50, 12, false, 0, 1, 5));
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->GetFont(), FontManager::GetInstance()->GetBmpFontInfo(FontName_ParamLabel));
    EXPECT_EQ(label->GetTextColor(), 0xFFA0A0A0u);
    EXPECT_EQ(label->GetText(), "Cutoff");
    EXPECT_TRUE(label->IsEnabled());
    EXPECT_EQ(label->GetRect().left, 23);
    std::unique_ptr<QnStaticText> category(creater.CreateLabel(20, 30, "Filter", 50, 12, true, 0, 0, 5));
    ASSERT_NE(category, nullptr);
    EXPECT_EQ(category->GetFont(), FontManager::GetInstance()->GetBmpFontInfo(FontName_CategoryLabel));
    EXPECT_EQ(category->GetTextColor(), 0xFFB0B0B0u);

    struct Lamp {
        int index;
        bool switchLook;
        const char* image;
    };
    for (const Lamp& l : {Lamp{0, false, "MidiIndicatorNum01"}, Lamp{7, false, "MidiIndicatorNum08"},
                          Lamp{15, true, "MidiIndicatorNum16Sw"}}) {
        std::unique_ptr<CMMPCtrlFlash> lamp(creater.CreateMIDIIndicator(40, 50, l.index, 8, l.switchLook));
        ASSERT_NE(lamp, nullptr) << l.image;
        EXPECT_EQ(lamp->GetRect().right - lamp->GetRect().left, Image(l.image)->GetWidth());
        EXPECT_EQ(lamp->GetRect().bottom - lamp->GetRect().top, Image(l.image)->GetHeight() / 6);
        EXPECT_EQ(lamp->GetLevels(), 5);
        EXPECT_EQ(lamp->GetExtra(), 5);
        EXPECT_EQ(lamp->GetLevelTable(), (std::vector<int>{0, 1, 2, 3, 4}));
        EXPECT_FALSE(lamp->IsEnabled());
    }
    EXPECT_EQ(creater.CreateMIDIIndicator(40, 50, 98, 8, false), nullptr);
}

// Every value control in its states with the editor's art, on the sublevel page background.
TEST_F(ValueControlsFactory, Gallery) {
    CHfcBmp* page = Image("Background_SubTab");
    ASSERT_NE(page, nullptr);
    const int width = page->GetWidth(), height = page->GetHeight();
    CHfcOffscreenContext context(width, height);
    context.CopyBmp(0, 0, width, height, page, 0, 0);
    QnControlCreater creater(page, 0, 0);
    std::vector<std::unique_ptr<CHfcControl>> keep;
    auto draw = [&](CHfcControl* control) {
        ASSERT_NE(control, nullptr);
        keep.emplace_back(control);
        control->Draw(&context);
    };

    // Knobs: minimum, a third, centre of a bipolar range, maximum, below the centre, editing, disabled.
    struct KnobState {
        int minimum, maximum, centre, value;
        const char* text;
        int mode;  // 0 plain, 1 editing, 2 disabled
    };
    const KnobState knobs[] = {
        {0, 127, 0, 0, "0", 0},     {0, 127, 0, 42, "42", 0},    {-64, 63, 0, 0, "0", 0},
        {0, 127, 0, 127, "127", 0}, {-64, 63, 0, -40, "-40", 0}, {0, 127, 0, 99, "99", 1},
        {0, 127, 0, 64, "64", 2},
    };
    int x = 10;
    for (const KnobState& k : knobs) {
        QnKnob* knob = creater.CreateKnob(x, 10, k.minimum, k.maximum, k.centre, false, 3, 1);
        ASSERT_NE(knob, nullptr);
        knob->SetIntValue(k.value, false);
        knob->SetPtrValue(const_cast<char*>(k.text), false);
        if (k.mode == 1) knob->EnterEdit(k.text);
        if (k.mode == 2) knob->Disable(false);
        draw(knob);
        x += 50;
    }

    // Horizontal bars: unipolar and bipolar at several values, the wide form, disabled.
    struct BarState {
        int width, minimum, maximum, value;
        const char* text;
        bool disabled;
    };
    const BarState bars[] = {
        {96, 0, 127, 0, "0", false},   {96, 0, 127, 64, "64", false},     {96, 0, 127, 127, "127", false},
        {103, -64, 64, 0, "0", false}, {103, -64, 64, -40, "-40", false}, {103, -64, 64, 50, "+50", false},
        {96, 0, 99, 30, "30", true},
    };
    int y = 64;
    for (const BarState& b : bars) {
        const int column = (y - 64) / 18 % 4, row = (y - 64) / 18 / 4;
        CXBCtrlHorizontalValueBar* bar = creater.CreateHorizontalValueBar(
            10 + column * 120, 64 + row * 18, b.width, b.minimum, b.maximum, 0, 2);
        ASSERT_NE(bar, nullptr);
        bar->SetIntValue(b.value, false);
        bar->SetPtrValue(const_cast<char*>(b.text), false);
        if (b.disabled) bar->Disable(false);
        draw(bar);
        y += 18;
    }

    // Vertical bars of the three looks.
    struct VBar {
        bool isSigned;
        int minimum, maximum, centre, value;
        const char* bar;
        const char* back;
    };
    const VBar vbars[] = {
        {false, 0, 127, 0, 0, "VerticalValueBarUnsigned", "VerticalValueBarBack"},
        {false, 0, 127, 0, 90, "VerticalValueBarUnsigned", "VerticalValueBarBack"},
        {true, 0, 100, 0, 50, "VerticalValueBar_Prog", "VerticalValueBarBack_Prog"},
        {false, 0, 127, 0, 127, "VerticalValueBar_Multi", "VerticalValueBarBack_Multi"},
    };
    x = 10;
    for (const VBar& v : vbars) {
        CXBCtrlVerticalValueBar* bar = creater.CreateVerticalValueBar(x, 110, v.isSigned, v.minimum,
                                                                      v.maximum, v.centre, v.bar, v.back, 3);
        ASSERT_NE(bar, nullptr);
        bar->SetIntValue(v.value, false);
        draw(bar);
        x += 30;
    }

    // Labels, a static text in each alignment, the lamps lit at each level and disabled.
    draw(creater.CreateLabel(140, 105, "FILTER", 80, 14, true, 0, 0, 4));
    draw(creater.CreateLabel(140, 121, "Cutoff", 80, 12, false, 0, 1, 4));
    const int aligns[] = {0, 1, 2};
    for (int i = 0; i < 3; ++i)
        draw(creater.CreateStaticText(140 + i * 84, 140, 80, 12, "Static", FontName_Geneva9, 0xFFFFFFFF,
                                      aligns[i], 1, 5));
    for (int level = 0; level <= 5; ++level) {
        CMMPCtrlFlash* lamp = creater.CreateMIDIIndicator(140 + level * 30, 160, level, 6, level == 5);
        ASSERT_NE(lamp, nullptr);
        if (level < 5) {
            lamp->Enable(false);
            lamp->SetIntValue(level + 1, true);
            lamp->OnIdle(0);
            EXPECT_EQ(lamp->GetFrame(), level);
        }
        draw(lamp);
    }

    // The slider and the arpeggio length bar.
    auto slider = std::make_unique<QnSlider>();
    ASSERT_TRUE(slider->Create(140, 180, 150, 12, page, 140, 180, 7));
    slider->SetIntValue(60, false);
    draw(slider.release());
    auto length = std::make_unique<QnArpLengthBar>();
    ASSERT_TRUE(length->Create(140, 200, 8));
    length->SetIntValue(16, false);
    draw(length.release());

    // Every control drew something opaque at its centre.
    for (const auto& control : keep) {
        const tagHfcRect& r = control->GetRect();
        EXPECT_EQ(context.GetBmp()->GetPixel((r.left + r.right) / 2, (r.top + r.bottom) / 2) >> 24, 0xFFu)
            << control->GetId();
    }
    EXPECT_TRUE(HfcWritePng(context.GetBmp(), HfcGalleryPath("EditorControls_Bars").c_str()));
}

}  // namespace
