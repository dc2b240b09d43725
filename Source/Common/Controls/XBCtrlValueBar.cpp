#include "Common/Controls/XBCtrlValueBar.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "Common/Controls/ControlMath.h"
#include "Common/Controls/QnControlDrawing.h"
#include "Common/Layers/QnSynthLayer.h"
#include "Hfc/Base/HfcUtil.h"
#include "Hfc/Core/HfcInput.h"
#include "Hfc/Draw/HfcBmp.h"
#include "Hfc/Draw/HfcDrawContext.h"

namespace {

constexpr int kMaxTextCharacters = 30;

int64_t CeilDiv(int64_t a, int64_t b) {
    return b > 0 ? (a + b - 1) / b : 0;
}

}  // namespace

QnBarSpan QnValueBarSpan(int value, int centre, int minimum, int maximum, int length) {
    QnBarSpan span;
    const int64_t lo = std::min(minimum, maximum), hi = std::max(minimum, maximum);
    const int64_t L = length;
    const int64_t v = std::clamp<int64_t>(value, lo, hi);
    // A centre outside the range (a row default beyond it, a range changed later) would place the
    // span outside the bar: it counts as the nearer end here, and stays stored as it was.
    const int64_t c = std::clamp<int64_t>(centre, lo, hi);
    int64_t m = 0;
    bool unipolar = true;
    if (lo != hi) {
        m = (c - lo) * L / (hi - lo);
        unipolar = c <= lo;
    }
    int64_t start = m, count = 0;
    if (v == c) {
        count = unipolar ? 0 : 1;
    } else if (v > c) {
        count = unipolar ? CeilDiv((L - m) * (v - c), hi - c) : CeilDiv((L - m - 1) * (v - c), hi - c) + 1;
    } else {
        const int64_t k = CeilDiv(m * (c - v), c - lo);
        start = m - k;
        count = k + 1;
    }
    // A centre at the maximum puts its pixel just past the bar's end: keep every span on the bar.
    int64_t end = std::clamp<int64_t>(start + count, 0, L);
    start = std::clamp<int64_t>(start, 0, L);
    if (count > 0 && end <= start && L > 0) {
        start = std::min<int64_t>(start, L - 1);
        end = start + 1;
    }
    span.start = static_cast<int>(start);
    span.length = static_cast<int>(end - start);
    return span;
}

std::string QnValueBarNumber(int value, int characters, bool signedDisplay) {
    char text[48];
    if (characters <= 0) return std::string();
    if (signedDisplay) {
        const long long magnitude = std::llabs(static_cast<long long>(value));
        std::snprintf(text, sizeof text, "%c%0*lld", value < 0 ? '-' : '+', std::min(characters - 1, 40),
                      magnitude);
    } else {
        std::snprintf(text, sizeof text, "%0*d", std::min(characters, 40), value);
    }
    return text;
}

// ---- creation

CXBCtrlValueBar::CXBCtrlValueBar(bool vertical) : m_vertical(vertical) {}

CXBCtrlValueBar::~CXBCtrlValueBar() {
    if (m_bCreated) CXBCtrlValueBar::Destroy();
}

bool CXBCtrlValueBar::Create(const tagXBCtrlValueBarParam* param, int id, int subId) {
    if (param == nullptr) return false;
    tagXBCtrlValueBarParamEx2 p;
    static_cast<tagXBCtrlValueBarParam&>(p) = *param;
    return Configure(p, false, id, subId);
}

bool CXBCtrlValueBar::CreateEx(const tagXBCtrlValueBarParamEx* param, int id, int subId) {
    if (param == nullptr) return false;
    tagXBCtrlValueBarParamEx2 p;
    static_cast<tagXBCtrlValueBarParamEx&>(p) = *param;
    return Configure(p, true, id, subId);
}

bool CXBCtrlValueBar::CreateEx2(const tagXBCtrlValueBarParamEx2* param, int id, int subId) {
    if (param == nullptr) return false;
    return Configure(*param, true, id, subId);
}

bool CXBCtrlValueBar::Configure(const tagXBCtrlValueBarParamEx2& p, bool needsFont, int id, int subId) {
    if (p.back == nullptr || p.bar == nullptr || (needsFont && p.font == nullptr)) return false;
    m_backX = p.backX;
    m_backY = p.backY;
    m_back = p.back;
    m_barX = p.barX;
    m_barY = p.barY;
    m_bar = p.bar;
    m_barWidth = p.barWidth != 0 ? p.barWidth : p.bar->GetWidth();
    m_barHeight = p.barHeight != 0 ? p.barHeight : p.bar->GetHeight();
    m_textX = p.textX;
    m_textY = p.textY;
    m_characters = p.characters;
    m_signedDisplay = p.signedDisplay != 0;
    m_font = p.font;
    m_charWidth = p.charWidth;
    m_charHeight = p.charHeight;
    if (m_font != nullptr) {
        if (m_charWidth == 0) m_charWidth = m_font->GetWidth();
        if (m_charHeight == 0) m_charHeight = m_font->GetHeight() / 128;
    }
    m_textWidth = p.textWidth != 0 ? p.textWidth : m_charWidth * m_characters;
    m_textHeight = p.textHeight != 0 ? p.textHeight : m_charHeight;
    m_centre = p.centre;
    m_pixelStep = p.pixelStep;
    m_scale = p.scale;
    m_fineScale = p.fineScale;
    m_reserved = p.reserved;
    m_proportional = p.proportional != 0 && p.fontInfo != nullptr;
    m_fontInfo = p.fontInfo;
    m_textColour = p.textColour;
    SetMinIntValue(p.minimum, false);
    SetMaxIntValue(p.maximum, false);
    ApplyEngineFont();
    const int width = p.width != 0 ? p.width : p.back->GetWidth();
    const int height = p.height != 0 ? p.height : p.back->GetHeight();
    CHfcControl::Create(p.x, p.y, width, height, id);
    m_iUserValue = subId;
    Show(false);
    Enable(false);
    m_bDirty = true;
    return true;
}

bool CXBCtrlValueBar::Destroy() {
    if (!m_bCreated) return false;
    LeaveEdit();
    m_dragState = 0;
    m_bEnabled = false;
    m_bDirty = false;
    return CHfcControl::Destroy();
}

// ---- values

void CXBCtrlValueBar::SetCentreValue(int centre, bool redraw) {
    m_centre = centre;
    if (redraw) m_bDirty = true;
}

void CXBCtrlValueBar::SetParameter(int kind, int value, void* pointer, bool redraw) {
    if (kind != QnSynthLayer::kValueBarCentreAndSign) return;
    m_centre = value;
    if (pointer != nullptr) m_signedDisplay = *static_cast<const bool*>(pointer);
    if (redraw) m_bDirty = true;
}

QnBarSpan CXBCtrlValueBar::GetSpan() const {
    return QnValueBarSpan(m_iValue, m_centre, m_iMin, m_iMax, m_vertical ? m_barHeight : m_barWidth);
}

bool CXBCtrlValueBar::IsBarArea(int x, int y) const {
    if (m_vertical)
        return x >= m_barX - 2 && x < m_barX + m_barWidth + 2 && y >= m_barY && y < m_barY + m_barHeight;
    return x >= m_barX && x < m_barX + m_barWidth && y >= m_barY - 2 && y < m_barY + m_barHeight + 4;
}

bool CXBCtrlValueBar::IsDisplayArea(int x, int y) const {
    return x >= m_textX && x < m_textX + m_charWidth * m_characters && y >= m_textY &&
           y < m_textY + m_charHeight;
}

// ---- mouse

bool CXBCtrlValueBar::OnHfcMouseLButtonDown(CHfcMouse* mouse, int x, int y, int modifiers) {
    m_lastTime = HfcGetSystemTimeMs();
    UpdateLastTime();
    if (m_pListener != nullptr && m_pListener->OnHfcCtrlMouseLButtonDown(this, x, y, modifiers)) return true;
    if (IsBarArea(x, y)) {
        OnMouseLButtonDownOnTheBar(mouse, x, y);
        return true;
    }
    if (IsDisplayArea(x, y)) {
        OnMouseLButtonDownOnTheDisp(mouse, x, y, modifiers);
        return true;
    }
    return false;
}

void CXBCtrlValueBar::OnMouseLButtonDownOnTheBar(CHfcMouse* mouse, int x, int y) {
    LeaveEdit();
    if (m_iFocusIndex != 1024) {
        if (m_bFocusOnClick) {
            SetFocus(1024);
        } else {
            ReleaseFocus();
        }
    }
    // Captured first: a capture this bar still held is lost (and its drag ended) before the new one.
    if (mouse != nullptr) mouse->SetCapture(this, nullptr);
    m_dragState = 1;
    const int64_t span = static_cast<int64_t>(m_iMax) - m_iMin + 1;
    int64_t v = 0;
    if (m_vertical) {
        const int64_t d = m_barHeight != 0 ? (y - m_barY) * span / m_barHeight : 0;
        v = (d + m_iMin < 0 || m_iMin < 0) ? -(d + m_iMin) : m_iMax - (d + m_iMin);
    } else {
        v = (m_barWidth != 0 ? (x - m_barX) * span / m_barWidth : 0) + m_iMin;
    }
    const int value = static_cast<int>(std::clamp<int64_t>(v, INT32_MIN, INT32_MAX));
    if (value != m_iValue) Report(value);
    m_lastX = x;
    m_lastY = y;
    m_dragValue = value;
    m_accumulator = static_cast<float>(value) * m_scale + m_scale * 0.5f;
}

void CXBCtrlValueBar::OnMouseLButtonDownOnTheDisp(CHfcMouse* mouse, int x, int y, int modifiers) {
    if (m_iFocusIndex != 1) {
        if (m_bFocusOnClick) {
            SetFocus(1);
        } else {
            ReleaseFocus();
        }
    }
    if (mouse != nullptr) mouse->SetCapture(this, nullptr);
    m_dragState = 2;
    if (m_editing) {
        m_engine->MouseLButtonDown(mouse, x - m_textX, y, modifiers);
        return;
    }
    m_lastX = x;
    m_lastY = y;
    m_dragValue = m_iValue;
    m_accumulator = static_cast<float>(m_iValue) * m_pixelStep * m_scale + m_scale * 0.5f;
}

bool CXBCtrlValueBar::OnHfcMouseMove(CHfcMouse* mouse, int x, int y, int modifiers) {
    if (m_pListener != nullptr && (IsBarArea(x, y) || IsDisplayArea(x, y)))
        m_pListener->OnHfcCtrlMouseMove(this, x, y, modifiers);
    if (!QnHoldsCapture(mouse, this)) return false;
    if (m_dragState == 1) {
        OnMouseMoveOnTheBar(x, y, modifiers);
    } else if (m_dragState == 2) {
        OnMouseMoveOnTheDisp(mouse, x, y, modifiers);
    } else {
        return false;
    }
    return true;
}

void CXBCtrlValueBar::OnMouseMoveOnTheBar(int x, int y, int modifiers) {
    const int delta = m_vertical ? m_lastY - y : x - m_lastX;
    if (delta == 0) return;
    const float ratio = GetMouseDeltaRatio();
    if (modifiers & kQnModShift) {
        m_accumulator += static_cast<float>(delta);
    } else {
        const float span = static_cast<float>(static_cast<int64_t>(m_iMax) - m_iMin + 1);
        const float length = static_cast<float>(m_vertical ? m_barHeight : m_barWidth);
        m_accumulator += span * (static_cast<float>(delta) * m_scale) / length * ratio;
    }
    const int value =
        std::clamp(SaturatingFloorToInt(m_accumulator / m_scale), m_iMin, std::max(m_iMin, m_iMax));
    if (value != m_dragValue) Report(value);
    m_lastX = x;
    m_lastY = y;
    m_dragValue = value;
}

void CXBCtrlValueBar::OnMouseMoveOnTheDisp(CHfcMouse* mouse, int x, int y, int modifiers) {
    if (m_editing) {
        m_engine->MouseMove(mouse, x - m_textX, y, modifiers);
        return;
    }
    if (y == m_lastY) return;
    const float delta = static_cast<float>(m_lastY - y);
    if (modifiers & kQnModShift) {
        m_accumulator += delta * m_fineScale;
    } else {
        m_accumulator += delta * m_scale * GetMouseDeltaRatio();
    }
    const int value = std::clamp(SaturatingFloorToInt(m_accumulator / (m_pixelStep * m_scale)), m_iMin,
                                 std::max(m_iMin, m_iMax));
    if (value != m_dragValue) Report(value);
    m_lastX = x;
    m_lastY = y;
    m_dragValue = value;
}

bool CXBCtrlValueBar::OnHfcMouseLButtonUp(CHfcMouse* mouse, int x, int y, int modifiers) {
    if (m_pListener != nullptr && m_pListener->OnHfcCtrlMouseLButtonUp(this, x, y, modifiers)) return true;
    if (!QnHoldsCapture(mouse, this)) return false;
    mouse->ReleaseCapture();
    return true;
}

bool CXBCtrlValueBar::OnHfcMouseLostCapture(CHfcMouse* mouse) {
    if (m_editing) m_engine->MouseLostCapture(mouse);
    if (m_pListener != nullptr && m_pListener->OnHfcCtrlMouseLostCapture(this)) return true;
    m_dragState = 0;
    return true;
}

bool CXBCtrlValueBar::OnHfcMouseRButtonDown(CHfcMouse*, int x, int y, int modifiers) {
    return m_pListener != nullptr && m_pListener->OnHfcCtrlMouseRButtonDown(this, x, y, modifiers);
}

bool CXBCtrlValueBar::OnHfcMouseLButtonDoubleClick(CHfcMouse* mouse, int x, int y, int modifiers) {
    m_lastTime = HfcGetSystemTimeMs();
    if (IsBarArea(x, y)) {
        OnMouseLButtonDoubleClickOnTheBar(mouse, x, y);
        return true;
    }
    if (IsDisplayArea(x, y)) {
        OnMouseLButtonDoubleClickOnTheDisp(mouse, x, y, modifiers);
        return true;
    }
    return false;
}

void CXBCtrlValueBar::OnMouseLButtonDoubleClickOnTheBar(CHfcMouse* mouse, int x, int y) {
    OnMouseLButtonDownOnTheBar(mouse, x, y);
}

void CXBCtrlValueBar::OnMouseLButtonDoubleClickOnTheDisp(CHfcMouse*, int x, int y, int modifiers) {
    if (m_pListener != nullptr) m_pListener->OnHfcCtrlMouseLButtonDoubleClick(this, x, y, modifiers);
    if (!m_editable) return;
    if (m_iFocusIndex != 1) SetFocus(1);
    EnterEdit(EditText().c_str());
}

// ---- text entry and keys

void CXBCtrlValueBar::EnterEdit(const char* text) {
    if (m_editing) return;
    m_editing = true;
    m_engine->SetText(text != nullptr ? text : "");
    m_engine->SetCursorPosition(m_engine->GetLength());
    m_engine->SetSelection(0, m_engine->GetLength());
    m_bDirty = true;
}

void CXBCtrlValueBar::OnHfcEditTextEngineReturn(CHfcEditTextEngine* engine) {
    std::string text = engine->GetText();
    SendText(text.data());
}

// ---- drawing

void CXBCtrlValueBar::DrawBar(CHfcDrawContext* context) {
    const QnBarSpan span = GetSpan();
    if (span.length <= 0) return;
    const int left = m_rect.left, top = m_rect.top;
    if (m_vertical) {
        context->CopyBmp(left + m_barX, top + m_barY + m_barHeight - span.length - span.start, m_barWidth,
                         span.length, m_bar, 0, 0);
    } else {
        context->CopyBmp(left + m_barX + span.start, top + m_barY, span.length, m_barHeight, m_bar,
                         span.start, 0);
    }
}

void CXBCtrlValueBar::DrawText(CHfcDrawContext* context, const char* text, int count) {
    const int x = m_rect.left + m_textX, y = m_rect.top + m_textY;
    if (m_editing) {
        m_engine->Draw(context, x, y, m_charWidth * m_characters + 1, m_charHeight);
        return;
    }
    if (m_proportional) {
        // The box may reach past the control's right edge: the text stays inside the control.
        const int width = std::min(m_charWidth * m_characters, m_rect.right - x);
        const std::string cut(text, strnlen(text, static_cast<size_t>(std::max(count, 0))));
        context->DrawBmpTextProportional(x, y, cut.c_str(), width, m_fontInfo, m_textColour, false);
    } else {
        context->DrawBmpText(x, y, text, count, m_font, m_charWidth, m_charHeight);
    }
}

void CXBCtrlValueBar::Draw(CHfcDrawContext* context) {
    if (!m_bVisible || context == nullptr) return;
    const int left = m_rect.left, top = m_rect.top;
    const int width = m_rect.right - left, height = m_rect.bottom - top;
    context->ClearRect(left, top, width, height);
    context->CopyBmp(left, top, width, height, m_back, m_backX, m_backY);
    DrawBar(context);
    if (m_vertical || m_font != nullptr) DrawDisp(context);
    if (IsFocused()) DrawFocus(context);
    if (!m_bEnabled) {
        context->SetBrushColor(m_disabledOverlay);
        context->FillRect(left, top, width, height);
    }
}

void CXBCtrlValueBar::DrawFocus(CHfcDrawContext* context) {
    if (context == nullptr || !m_bCreated || !m_bVisible || m_uFocusColor == 0) return;
    const int* k = m_focusMargins;
    int l = 0, t = 0, r = 0, b = 0;
    if (m_iFocusIndex == 1) {
        l = m_textX - k[0];
        t = m_textY - k[1];
        r = l + m_charWidth * m_characters + k[2];
        b = t + m_charHeight + k[3];
    } else if (m_iFocusIndex == 1024) {
        l = m_barX - k[4];
        t = m_barY - k[5];
        r = l + m_barWidth + k[6];
        b = t + m_barHeight + k[7];
    } else {
        return;
    }
    QnDrawCornerMarks(context, m_rect.left + l, m_rect.top + t, m_rect.left + r, m_rect.top + b, k[8],
                      m_uFocusColor);
}

// ---- the two directions

void CXBCtrlHorizontalValueBar::SetPtrValue(void* text, bool redraw) {
    if (text == nullptr) return;
    m_text = static_cast<const char*>(text);
    if (redraw) m_bDirty = true;
}

void CXBCtrlHorizontalValueBar::DrawDisp(CHfcDrawContext* context) {
    DrawText(context, m_text.c_str(), kMaxTextCharacters);
}

std::string CXBCtrlVerticalValueBar::EditText() const {
    return std::to_string(m_iValue);
}

void CXBCtrlVerticalValueBar::DrawDisp(CHfcDrawContext* context) {
    const std::string number = QnValueBarNumber(m_iValue, m_characters, m_signedDisplay);
    DrawText(context, number.c_str(), m_characters);
}
