// The factory functions of the value controls: knob, value bars, static texts and labels, and the
// MIDI activity lamp.
#include <cstdio>
#include <memory>

#include "Common/Controls/ArtGeometry.h"
#include "Common/Controls/QnControlCreater.h"
#include "Common/Controls/QnKnob.h"
#include "Common/Controls/QnSimpleControls.h"
#include "Common/Controls/XBCtrlValueBar.h"
#include "Common/FontManager/FontManager.h"
#include "Hfc/Draw/HfcBmp.h"

namespace {

namespace G = ArtGeometry;

constexpr uint32_t kEditSelection = 0xFF6178C2;
constexpr uint32_t kWhite = 0xFFFFFFFF;

// Returns the control when create succeeded, else deletes it and returns none.
template <class T, class F>
T* Made(std::unique_ptr<T> control, F create) {
    if (!create(control.get())) return nullptr;
    return control.release();
}

}  // namespace

QnKnob* QnControlCreater::CreateKnob(int x, int y, int min, int max, int centre, bool, int textLength,
                                     int id) {
    CHfcBmp* ring = LoadImage("Knob_Meter");
    tagHfcBmpFontInfo* font = GetFont(FontName_Geneva9_for_Controls);
    if (ring == nullptr) return nullptr;
    tagQorlKnobParamEx p;
    p.x = PlaceX(x);
    p.y = PlaceY(y);
    p.width = ring->GetWidth();
    p.height = ring->GetHeight();
    p.backX = x;
    p.backY = y;
    p.back = m_background;
    p.minimum = min;
    p.maximum = max;
    p.centre = centre;
    p.centreX = G::kKnobCentreX;
    p.centreY = G::kKnobCentreY;
    p.radius = G::kKnobRadius;
    p.startAngle = G::kKnobStartAngle;
    p.endAngle = G::kKnobEndAngle;
    p.halfGap = G::kKnobHalfGap;
    p.colours[0] = 0xFF000000;
    p.colours[1] = 0xFFFFFFFF;
    p.colours[2] = 0xFF00FFFF;
    p.colours[3] = 0xFFFFFF00;
    p.ring = ring;
    p.ringBack = LoadImage("Knob_MeterBack");
    p.font = font != nullptr ? font->bitmap : nullptr;
    p.textX = 19 - 3 * textLength;
    p.textY = 15;
    p.textLength = textLength;
    p.sensitivity = 1.0f;
    p.fineSensitivity = 0.1f;
    p.keyStep = 1;
    p.proportional = 1;
    p.fontInfo = font;
    p.textColour = kWhite;
    return Made(std::make_unique<QnKnob>(), [&](QnKnob* knob) {
        if (!knob->CreateEx(&p, id, 0)) return false;
        knob->SetEditSelectionColor(kEditSelection);
        knob->SetFocusColor(0);
        return true;
    });
}

CXBCtrlHorizontalValueBar* QnControlCreater::CreateHorizontalValueBar(int x, int y, int width, int min,
                                                                      int max, int centre, int id) {
    tagHfcBmpFontInfo* font = GetFont(FontName_Geneva9);
    tagXBCtrlHorizontalValueBarParamEx2 p;
    p.x = PlaceX(x);
    p.y = PlaceY(y);
    p.back = width == 96    ? LoadImage("HorizontalValueBarBack_96X13_4C")
             : width == 103 ? LoadImage("HorizontalValueBarBack_103X13")
                            : nullptr;
    p.characters = width == 103 ? 5 : 4;
    p.barX = G::kHBarX;
    p.barY = G::kHBarY;
    p.barWidth = G::kHBarWidth;
    p.bar = LoadImage("HorizontalValueBar");
    p.textX = G::kHBarTextX;
    p.textY = 2;
    p.font = font != nullptr ? font->bitmap : nullptr;
    p.minimum = min;
    p.maximum = max;
    // The sign and centre follow the range: only a range symmetric about 0, or one ending at 0, is
    // shown signed.
    p.centre = min;
    p.signedDisplay = 0;
    if (min < 0 && max == 0) {
        p.signedDisplay = 1;
    } else if (min < 0 && max > 0 && static_cast<int64_t>(max) == -static_cast<int64_t>(min)) {
        p.signedDisplay = 1;
        p.centre = 0;
    } else if (min < 0 && max > 0) {
        p.centre = centre;
    }
    p.pixelStep = 1.0f;
    p.scale = 10.0f;
    p.fineScale = 1.0f;
    p.proportional = 1;
    p.fontInfo = font;
    p.textColour = kWhite;
    return Made(std::make_unique<CXBCtrlHorizontalValueBar>(), [&](CXBCtrlHorizontalValueBar* bar) {
        if (!bar->CreateEx2(&p, id, 0)) return false;
        bar->SetEditSelectionColor(kEditSelection);
        bar->SetFocusColor(0);
        return true;
    });
}

CXBCtrlHorizontalValueBar* QnControlCreater::CreateHorizontalValueBar(int x, int y, int min, int max,
                                                                      int centre, int id) {
    return CreateHorizontalValueBar(x, y, 96, min, max, centre, id);
}

CXBCtrlVerticalValueBar* QnControlCreater::CreateVerticalValueBar(int x, int y, bool isSigned, int min,
                                                                  int max, int centre,
                                                                  const std::string& barImage,
                                                                  const std::string& backImage, int id) {
    tagXBCtrlVerticalValueBarParamEx p;
    p.x = PlaceX(x);
    p.y = PlaceY(y);
    p.back = LoadImage(backImage);
    p.backX = 0;
    p.backY = 0;
    p.barX = G::kVBarX;
    p.barY = G::kVBarY;
    p.bar = LoadImage(barImage);
    p.signedDisplay = isSigned ? 1 : 0;
    p.font = LoadImage("TextW6H9");
    p.minimum = min;
    p.maximum = max;
    p.centre = centre;
    p.pixelStep = 1.0f;
    p.scale = 10.0f;
    p.fineScale = 1.0f;
    p.reserved = 1;
    return Made(std::make_unique<CXBCtrlVerticalValueBar>(),
                [&](CXBCtrlVerticalValueBar* bar) { return bar->CreateEx(&p, id, 0); });
}

CXBCtrlVerticalValueBar* QnControlCreater::CreateVerticalValueBar(int x, int y, bool isSigned, int min,
                                                                  int max, int centre, int id) {
    return CreateVerticalValueBar(x, y, isSigned, min, max, centre, "VerticalValueBarUnsigned",
                                  "VerticalValueBarBack", id);
}

QnStaticText* QnControlCreater::CreateStaticText(int x, int y, int w, int h, const std::string& text,
                                                 tagHfcBmpFontInfo* font, uint32_t colour, int hAlign,
                                                 int vAlign, int id) {
    if (font == nullptr) return nullptr;
    SQnStaticText p;
    p.x = PlaceX(x);
    p.y = PlaceY(y);
    p.width = w;
    p.height = h;
    p.back = m_background;
    p.backX = x;
    p.backY = y;
    p.font = font;
    p.text = text.c_str();
    p.colour = colour;
    p.hAlign = hAlign;
    p.vAlign = vAlign;
    return Made(std::make_unique<QnStaticText>(), [&](QnStaticText* label) {
        if (!label->Create(&p, id, 0)) return false;
        label->Enable(false);
        return true;
    });
}

QnStaticText* QnControlCreater::CreateStaticText(int x, int y, int w, int h, const std::string& text,
                                                 const std::string& fontName, uint32_t colour, int hAlign,
                                                 int vAlign, int id) {
    return CreateStaticText(x, y, w, h, text, GetFont(fontName), colour, hAlign, vAlign, id);
}

QnStaticText* QnControlCreater::CreateLabel(int x, int y, const std::string& text, int w, int h,
                                            bool category, int hAlign, int vAlign, int id) {
    if (category)
        return CreateStaticText(x, y, w, h, text, FontName_CategoryLabel, 0xFFB0B0B0, hAlign, vAlign, id);
    return CreateStaticText(x, y, w, h, text, FontName_ParamLabel, 0xFFA0A0A0, hAlign, vAlign, id);
}

CMMPCtrlFlash* QnControlCreater::CreateMIDIIndicator(int x, int y, int index, int id, bool switchLook) {
    char name[40];
    std::snprintf(name, sizeof name, "MidiIndicatorNum%02d%s", index + 1, switchLook ? "Sw" : "");
    CHfcBmp* frames = LoadImage(name);
    if (frames == nullptr) return nullptr;
    static constexpr int kLevels[5] = {0, 1, 2, 3, 4};
    tagMMPCtrlFlashParam p;
    p.x = PlaceX(x);
    p.y = PlaceY(y);
    p.width = frames->GetWidth();
    p.height = frames->GetHeight() / 6;
    p.frames = frames;
    p.backX = x;
    p.backY = y;
    p.back = m_background;
    p.levels = 5;
    p.extra = 5;
    p.timePerLevel = 50;
    p.levelTable = kLevels;
    return Made(std::make_unique<CMMPCtrlFlash>(),
                [&](CMMPCtrlFlash* lamp) { return lamp->Create(&p, id, 0); });
}
