#include "Hfc/Core/HfcCtrlSlideSwitch.h"

#include <algorithm>

#include "Hfc/Core/HfcInput.h"
#include "Hfc/Draw/HfcBmp.h"
#include "Hfc/Draw/HfcDrawContext.h"

CHfcCtrlSlideSwitch::~CHfcCtrlSlideSwitch() {
    if (m_bCreated) CHfcCtrlSlideSwitch::Destroy();
}

bool CHfcCtrlSlideSwitch::Create(const tagHfcCtrlSlideSwitchParam* param, int id, int userValue) {
    // No positions would make every cell zero wide.
    if (!param || !param->bitmap || param->positions < 1) return false;
    m_bitmap = param->bitmap;
    m_background = param->background;
    m_backgroundX = param->backgroundX;
    m_backgroundY = param->backgroundY;
    m_positions = param->positions;
    const int width = param->width > 0 ? param->width : m_bitmap->GetWidth();
    const int height = param->height > 0 ? param->height : m_bitmap->GetHeight() / m_positions;
    CHfcControl::Create(param->x, param->y, width, height, id);
    m_iUserValue = userValue;
    SetMinIntValue(0, false);
    SetMaxIntValue(m_positions - 1, false);
    Enable(false);
    return true;
}

bool CHfcCtrlSlideSwitch::Destroy() {
    const bool destroyed = CHfcControl::Destroy();
    m_bitmap = m_background = nullptr;
    m_positions = 0;
    return destroyed;
}

int CHfcCtrlSlideSwitch::PositionFromPoint(int x, int y) const {
    const int coordinate = m_horizontal ? x : y;
    const int extent = m_horizontal ? m_rect.right - m_rect.left : m_rect.bottom - m_rect.top;
    const int maximum = m_iMax;
    int step = m_positions > 0 ? extent / m_positions : 0;
    if (step == 0) step = 1;
    return std::clamp(maximum - coordinate / step, 0, std::max(0, maximum));
}

void CHfcCtrlSlideSwitch::ReportPosition(int x, int y) {
    const int position = PositionFromPoint(x, y);
    if (position != GetIntValue() && m_pListener) m_pListener->OnHfcCtrlIntValueChanged(this, position);
}

bool CHfcCtrlSlideSwitch::OnHfcMouseLButtonDown(CHfcMouse* mouse, int x, int y, int modifiers) {
    if (!m_bEnabled) return m_horizontal;
    if (m_pListener && m_pListener->OnHfcCtrlMouseLButtonDown(this, x, y, modifiers)) return true;
    m_press = {x, y};
    if (mouse) mouse->SetCapture(this, nullptr);
    SetMouseCursorForMouseDown();
    if (m_pListener) m_pListener->OnHfcCtrlBeginEdit(this);
    ReportPosition(x, y);
    return true;
}

bool CHfcCtrlSlideSwitch::OnHfcMouseLButtonDoubleClick(CHfcMouse* mouse, int x, int y, int modifiers) {
    return OnHfcMouseLButtonDown(mouse, x, y, modifiers);
}

bool CHfcCtrlSlideSwitch::OnHfcMouseMove(CHfcMouse* mouse, int x, int y, int modifiers) {
    if (m_horizontal) return false;
    if (m_pListener && m_pListener->OnHfcCtrlMouseMove(this, x, y, modifiers)) return true;
    if (!mouse || mouse->GetCapture() != this) return false;
    ReportPosition(x, y);
    return true;
}

bool CHfcCtrlSlideSwitch::OnHfcMouseLButtonUp(CHfcMouse* mouse, int, int, int) {
    if (!mouse || mouse->GetCapture() != this) return false;
    if (m_horizontal && !m_bEnabled) return false;
    if (m_pListener) m_pListener->OnHfcCtrlEndEdit(this);
    mouse->ReleaseCapture();
    return true;
}

bool CHfcCtrlSlideSwitch::OnHfcMouseRButtonDown(CHfcMouse*, int x, int y, int modifiers) {
    return m_pListener && m_pListener->OnHfcCtrlMouseRButtonDown(this, x, y, modifiers);
}

void CHfcCtrlSlideSwitch::SetIntValue(int value, bool redraw) {
    if (!m_bCreated) return;
    const int clamped = std::clamp(value, GetMinIntValue(), std::max(GetMinIntValue(), GetMaxIntValue()));
    if (clamped == GetIntValue()) return;
    m_iValue = clamped;
    if (redraw) m_bDirty = true;
}

int CHfcCtrlSlideSwitch::GetFrameIndex() const {
    return std::clamp(m_iValue, 0, std::max(0, m_positions - 1));
}

void CHfcCtrlSlideSwitch::Draw(CHfcDrawContext* context) {
    if (!m_bVisible || !context || !m_bitmap) return;
    const tagHfcRect& r = m_rect;
    const int w = r.right - r.left;
    const int h = r.bottom - r.top;
    if (m_background) {
        context->CopyBmp(r.left, r.top, w, h, m_background, m_backgroundX, m_backgroundY);
    } else {
        context->ClearRect(static_cast<float>(r.left), static_cast<float>(r.top), static_cast<float>(w),
                           static_cast<float>(h));
    }
    const int sy = GetFrameIndex() * h;
    if (!m_bEnabled && !m_horizontal) {
        context->CopyBmpAlpha(r.left, r.top, w, h, m_bitmap, m_fDisabledAlpha, 0, sy);
    } else {
        context->CopyBmp(r.left, r.top, w, h, m_bitmap, 0, sy);
    }
}
