#include "Hfc/Core/HfcCtrlSwitch.h"

#include <algorithm>
#include <cstring>

#include "Hfc/Base/HfcUtil.h"
#include "Hfc/Core/HfcInput.h"
#include "Hfc/Draw/HfcBmp.h"
#include "Hfc/Draw/HfcDrawContext.h"

namespace {

constexpr uint32_t kPressedBit = 0x80000000u;

int WithPressedBit(int value) {
    return static_cast<int>(static_cast<uint32_t>(value) | kPressedBit);
}

}  // namespace

CHfcCtrlSwitch::CHfcCtrlSwitch() = default;

CHfcCtrlSwitch::~CHfcCtrlSwitch() {
    // The base destructor would only run the base clean-up.
    if (m_bCreated) CHfcCtrlSwitch::Destroy();
}

void CHfcCtrlSwitch::Initialize() {
    m_bitmap = nullptr;
    m_background = nullptr;
    m_backgroundX = m_backgroundY = 0;
    m_states = 0;
    m_oneFramePerState = true;
    m_hasDisabledFrame = false;
    m_frameCount = 0;
    m_pressed = 0;
    m_answersSpace = false;
}

bool CHfcCtrlSwitch::CreateEx(const tagHfcCtrlSwitchParamEx* param, int id, int userValue) {
    if (!param || !param->bitmap || param->states <= 0) return false;
    Initialize();
    m_bitmap = param->bitmap;
    m_background = param->background;
    m_backgroundX = param->backgroundX;
    m_backgroundY = param->backgroundY;
    m_states = param->states;
    m_oneFramePerState = param->oneFramePerState != 0;
    m_hasDisabledFrame = param->hasDisabledFrame != 0;
    m_frameCount = (m_states + (m_hasDisabledFrame ? 1 : 0)) * (m_oneFramePerState ? 1 : 2);
    const int width = param->width > 0 ? param->width : m_bitmap->GetWidth();
    const int height = param->height > 0 ? param->height : m_bitmap->GetHeight() / m_frameCount;
    CHfcControl::Create(param->x, param->y, width, height, id);
    m_iUserValue = userValue;
    SetMinIntValue(0, false);
    SetMaxIntValue(m_states - 1, false);
    m_answersSpace = true;
    Enable(false);
    return true;
}

bool CHfcCtrlSwitch::Destroy() {
    const bool destroyed = CHfcControl::Destroy();
    Initialize();
    return destroyed;
}

bool CHfcCtrlSwitch::OnHfcMouseLButtonDown(CHfcMouse* mouse, int x, int y, int modifiers) {
    if (!m_bEnabled) return false;
    if (!m_pListener) return true;
    if (m_pListener->OnHfcCtrlMouseLButtonDown(this, x, y, modifiers)) return true;
    if (m_bFocusOnClick) {
        SetFocus(0);
    } else {
        ReleaseFocus(nullptr);
    }
    if (mouse) mouse->SetCapture(this, nullptr);
    SetMouseCursorForMouseDown();
    m_pressed = kPressedBit;
    m_bDirty = true;
    m_pListener->OnHfcCtrlBeginEdit(this);
    m_pListener->OnHfcCtrlIntValueChanged(this, WithPressedBit(GetIntValue()));
    return true;
}

bool CHfcCtrlSwitch::OnHfcMouseLButtonDoubleClick(CHfcMouse* mouse, int x, int y, int modifiers) {
    return OnHfcMouseLButtonDown(mouse, x, y, modifiers);
}

bool CHfcCtrlSwitch::OnHfcMouseLButtonUp(CHfcMouse* mouse, int, int, int) {
    if (!mouse || mouse->GetCapture() != this) return false;
    mouse->ReleaseCapture();
    return true;
}

bool CHfcCtrlSwitch::OnHfcMouseRButtonDown(CHfcMouse*, int x, int y, int modifiers) {
    return m_pListener && m_pListener->OnHfcCtrlMouseRButtonDown(this, x, y, modifiers);
}

bool CHfcCtrlSwitch::OnHfcMouseMove(CHfcMouse*, int x, int y, int modifiers) {
    if (m_pListener) m_pListener->OnHfcCtrlMouseMove(this, x, y, modifiers);
    return true;
}

bool CHfcCtrlSwitch::OnHfcMouseLostCapture(CHfcMouse*) {
    m_pressed = 0;
    m_bDirty = true;
    if (!m_pListener) return true;
    m_pListener->OnHfcCtrlIntValueChanged(this, GetIntValue());
    m_pListener->OnHfcCtrlEndEdit(this);
    return true;
}

bool CHfcCtrlSwitch::OnKeyChar(int character) {
    if (character != ' ' || !m_answersSpace || !m_pListener) return false;
    CHfcMouse* mouse = CHfcMouse::GetInstance();
    if (mouse && mouse->GetCapture() == this) return false;
    m_pListener->OnHfcCtrlIntValueChanged(this, WithPressedBit(GetIntValue()));
    return false;
}

void CHfcCtrlSwitch::SetIntValue(int value, bool redraw) {
    if (!m_bCreated) return;
    const uint32_t pressed = value < 0 ? kPressedBit : 0;
    if (pressed != m_pressed) {
        m_pressed = pressed;
        if (redraw) m_bDirty = true;
    }
    const int clamped = std::clamp(value, GetMinIntValue(), std::max(GetMinIntValue(), GetMaxIntValue()));
    if (clamped != GetIntValue()) {
        m_iValue = clamped;
        if (redraw) m_bDirty = true;
    }
}

int CHfcCtrlSwitch::GetFrameIndex() const {
    const int value = m_iValue;
    if (!m_bEnabled && m_hasDisabledFrame) return m_states * (m_oneFramePerState ? 1 : 2);
    return m_oneFramePerState ? value : 2 * value + (m_pressed ? 1 : 0);
}

void CHfcCtrlSwitch::DrawFrame(CHfcDrawContext* context) {
    DrawFrame(context, GetFrameIndex());
}

void CHfcCtrlSwitch::DrawFrame(CHfcDrawContext* context, int frame) {
    const tagHfcRect& r = m_rect;
    const int w = r.right - r.left;
    const int h = r.bottom - r.top;
    context->ClearRect(r.left, r.top, w, h);
    if (m_background) context->CopyBmp(r.left, r.top, w, h, m_background, m_backgroundX, m_backgroundY);
    if (m_bEnabled || m_hasDisabledFrame) {
        context->CopyBmp(r.left, r.top, w, h, m_bitmap, 0, frame * h);
    } else {
        context->CopyBmpAlpha(r.left, r.top, w, h, m_bitmap, m_fDisabledAlpha, 0, frame * h);
    }
}

void CHfcCtrlSwitch::Draw(CHfcDrawContext* context) {
    if (!m_bVisible || !context || !m_bitmap) return;
    DrawFrame(context);
    if (IsFocused()) DrawFocus(context);
}

CHfcCtrlTextSwitch::~CHfcCtrlTextSwitch() {
    HfcMemFree(m_text);
}

bool CHfcCtrlTextSwitch::Create(const tagHfcCtrlTextSwitchParam* param, int id, int userValue) {
    if (!CreateEx(param, id, userValue)) return false;
    SetTextLook(param);
    return true;
}

void CHfcCtrlTextSwitch::SetTextLook(const tagHfcCtrlTextSwitchParam* param) {
    m_font = param->font;
    m_colour = param->colour;
    m_hAlign = param->hAlign;
    m_hMargin = param->hMargin;
    m_vAlign = param->vAlign;
    m_vMargin = param->vMargin;
    SetPtrValue(const_cast<char*>(param->text), false);
}

void CHfcCtrlTextSwitch::SetPtrValue(void* text, bool redraw) {
    if (!text) return;
    const size_t size = std::strlen(static_cast<const char*>(text)) + 1;
    char* copy = static_cast<char*>(HfcMemAlloc(size));
    if (!copy) return;
    std::memcpy(copy, text, size);
    HfcMemFree(m_text);
    m_text = copy;
    if (redraw) m_bDirty = true;
}

void CHfcCtrlTextSwitch::Draw(CHfcDrawContext* context) {
    if (!m_bVisible || !context || !m_bitmap) return;
    DrawFrame(context);
    DrawText(context);
    if (IsFocused()) DrawFocus(context);
}

void CHfcCtrlTextSwitch::DrawText(CHfcDrawContext* context) {
    if (!m_font || !m_text) return;
    const int textWidth = HfcGetBmpTextWidth(m_font, m_text);
    const int W = m_rect.right - m_rect.left;
    const int H = m_rect.bottom - m_rect.top;
    int x = 0;
    int width = W;
    switch (m_hAlign) {
        case 0:
            x = m_hMargin;
            width = W - m_hMargin;
            break;
        case 1:
            x = (W - textWidth) / 2 + m_hMargin;
            break;
        case 2:
            width = W - m_hMargin;
            x = width - textWidth;
            break;
        default:
            break;
    }
    const int h = m_font->height;
    int y = 0;
    switch (m_vAlign) {
        case 0:
            y = m_vMargin;
            break;
        case 1:
            y = (H - h) / 2 + m_vMargin;
            break;
        case 2:
            y = H - h - m_vMargin;
            break;
        default:
            break;
    }
    x = std::max(x, 0);
    y = std::max(y, 0);
    uint32_t colour = m_colour;
    if (!m_bEnabled) {
        const uint32_t alpha = static_cast<uint32_t>(static_cast<float>(colour >> 24) * m_fDisabledAlpha);
        colour = (colour & 0x00ffffffu) | (alpha << 24);
    }
    context->DrawBmpTextProportional(m_rect.left + x, m_rect.top + y, m_text, width, m_font, colour, false);
}
