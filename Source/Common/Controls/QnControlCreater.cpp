// The control factory's shared rules and its stock controls: edit fields, switches, check boxes,
// text switches and slide switches. The editor's own controls have their factory functions beside
// their families (QnControlCreaterBars.cpp, QnControlCreaterGraphs.cpp, QnControlCreaterLists.cpp).
#include "Common/Controls/QnControlCreater.h"

#include "Common/FontManager/FontManager.h"
#include "Common/FontManager/ResourceManager.h"
#include "Hfc/Core/HfcCtrlCharEditText.h"
#include "Hfc/Core/HfcCtrlSlideSwitch.h"
#include "Hfc/Core/HfcCtrlSwitch.h"
#include "Hfc/Draw/HfcBmp.h"

CHfcBmp* QnControlCreater::LoadImage(const std::string& name) {
    ResourceManager* images = ResourceManager::GetInstance();
    return images != nullptr ? images->LoadImage(name) : nullptr;
}

tagHfcBmpFontInfo* QnControlCreater::GetFont(const std::string& name) {
    FontManager* fonts = FontManager::GetInstance();
    return fonts != nullptr ? fonts->GetBmpFontInfo(name) : nullptr;
}

int QnControlCreater::FrameHeight(const CHfcBmp* image, int states) {
    if (image == nullptr || states <= 0) return 0;
    return image->GetHeight() / states;
}

const QnControlCreater::TextEditLook* QnControlCreater::FindTextEditLook(int width, int height) {
    for (const TextEditLook& look : kTextEditLooks) {
        if (look.width == width && look.height == height) return &look;
    }
    return nullptr;
}

int QnControlCreater::TextEditCharacters(int width, int height) {
    const TextEditLook* look = FindTextEditLook(width, height);
    return look != nullptr ? look->characters : 1;
}

// ---- edit fields

CHfcCtrlCharEditText* QnControlCreater::CreateTextEdit(int x, int y, int width, int height, int maxChars,
                                                       int id) {
    const TextEditLook* look = FindTextEditLook(width, height);
    tagHfcBmpFontInfo* font =
        GetFont(look != nullptr && look->font != nullptr ? look->font : FontName_Geneva9);
    if (font == nullptr || font->bitmap == nullptr) return nullptr;
    CHfcBmp* frame = look != nullptr ? LoadImage(look->image) : nullptr;

    tagHfcCtrlCharEditTextParamEx2 param;
    param.x = PlaceX(x);
    param.y = PlaceY(y);
    param.width = width;
    param.height = frame != nullptr ? frame->GetHeight() : height;
    param.font = font->bitmap;
    // The field is moved in by the focus margin once made, and its background is drawn from its
    // rectangle grown by that margin: the frame image (opaque, the field's whole size) from its
    // corner, or without one the slice of the page under the field.
    if (frame != nullptr) {
        param.background = frame;
        param.backgroundX = kTextEditFocusMargin;
        param.backgroundY = kTextEditFocusMargin;
    } else {
        param.background = m_background;
        param.backgroundX = x + kTextEditFocusMargin;
        param.backgroundY = y + kTextEditFocusMargin;
    }
    param.rows = 1;
    param.columns = maxChars;
    param.selectionColour = 0xFF808080;
    param.caretColour = 0xFFFFFFFF;
    param.step = 2.0;
    param.fineStep = 2.0;
    param.proportional = 1;
    param.proportionalFont = font;
    param.proportionalColour = 0xFFFFFFFF;

    CHfcCtrlCharEditText* field = CreateOrNone<CHfcCtrlCharEditText>(
        [&](CHfcCtrlCharEditText& c) { return c.CreateEx2(&param, id, 0); });
    if (field == nullptr) return nullptr;
    field->SetFocusColor(0xFFFF0000);
    field->SetFocusMergin(kTextEditFocusMargin);
    const tagHfcRect& r = field->GetRect();
    field->Move(r.left + kTextEditFocusMargin, r.top + kTextEditFocusMargin, false);
    field->Resize(r.right - r.left - 2 * kTextEditFocusMargin, r.bottom - r.top - 2 * kTextEditFocusMargin,
                  false);
    return field;
}

CHfcCtrlCharEditText* QnControlCreater::CreateTextEdit(int x, int y, int width, int height, int id) {
    return CreateTextEdit(x, y, width, height, TextEditCharacters(width, height), id);
}

// ---- switches

CHfcCtrlSwitch* QnControlCreater::CreateSwitch(int x, int y, const std::string& imageName, int states,
                                               int id) {
    tagHfcCtrlSwitchParamEx param;
    if (!FillSwitchRecord(param, x, y, imageName, states)) return nullptr;
    return CreateOrNone<CHfcCtrlSwitch>([&](CHfcCtrlSwitch& c) { return c.CreateEx(&param, id, 0); });
}

CHfcCtrlSwitch* QnControlCreater::CreateCehckBox(int x, int y, int id) {
    return CreateSwitch(x, y, kCheckBoxImage, 2, id);
}

CHfcCtrlSwitch* QnControlCreater::CreateSwitch(int x, int y, int id) {
    return CreateCehckBox(x, y, id);
}

CHfcCtrlTextSwitch* QnControlCreater::CreateTextSwitch(int x, int y, const std::string& imageName, int states,
                                                       uint32_t textColour, int id, int vMargin) {
    tagHfcCtrlTextSwitchParam param;
    if (!FillSwitchRecord(param, x, y, imageName, states)) return nullptr;
    param.font = GetFont(FontName_HelvB11);
    param.text = "";
    param.colour = textColour;
    param.hAlign = 1;
    param.hMargin = 1;
    param.vAlign = 1;
    param.vMargin = vMargin;
    return CreateOrNone<CHfcCtrlTextSwitch>([&](CHfcCtrlTextSwitch& c) { return c.Create(&param, id, 0); });
}

bool QnControlCreater::FillSwitchRecord(tagHfcCtrlSwitchParamEx& param, int x, int y,
                                        const std::string& imageName, int states) const {
    CHfcBmp* strip = LoadImage(imageName);
    if (strip == nullptr || states <= 0) return false;
    param.x = PlaceX(x);
    param.y = PlaceY(y);
    param.height = FrameHeight(strip, states);
    param.bitmap = strip;
    param.background = m_background;
    param.backgroundX = x;
    param.backgroundY = y;
    param.states = states;
    return true;
}

// ---- slide switches

namespace {

template <class Control, class Param>
Control* MakeSlideSwitch(const QnControlCreater& creater, int x, int y, const std::string& imageName,
                         int states, int id) {
    CHfcBmp* strip = QnControlCreater::LoadImage(imageName);
    if (strip == nullptr || states <= 0) return nullptr;
    Param param;
    param.x = creater.PlaceX(x);
    param.y = creater.PlaceY(y);
    param.height = QnControlCreater::FrameHeight(strip, states);
    param.bitmap = strip;
    param.background = creater.GetBackground();
    param.backgroundX = x;
    param.backgroundY = y;
    param.positions = states;
    return QnControlCreater::CreateOrNone<Control>([&](Control& c) { return c.Create(&param, id, 0); });
}

}  // namespace

CHfcCtrlSlideSwitch* QnControlCreater::CreateSlideSwitch(int x, int y, const std::string& imageName,
                                                         int states, int id) {
    return MakeSlideSwitch<CHfcCtrlSlideSwitch, tagHfcCtrlSlideSwitchParam>(*this, x, y, imageName, states,
                                                                            id);
}

CHfcCtrlHorizontalSlideSwitch* QnControlCreater::CreateHorizontalSlideSwitch(int x, int y,
                                                                             const std::string& imageName,
                                                                             int states, int id) {
    return MakeSlideSwitch<CHfcCtrlHorizontalSlideSwitch, tagHfcCtrlHorizontalSlideSwitchParam>(
        *this, x, y, imageName, states, id);
}
