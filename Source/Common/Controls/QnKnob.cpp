#include "Common/Controls/QnKnob.h"

#include <algorithm>
#include <cstring>

#include "Common/Controls/ControlMath.h"
#include "Common/Controls/QnControlDrawing.h"
#include "Common/FontManager/FontManager.h"
#include "Common/Layers/QnSynthLayer.h"
#include "Hfc/Base/HfcUtil.h"
#include "Hfc/Core/HfcInput.h"
#include "Hfc/Draw/HfcBmp.h"
#include "Hfc/Draw/HfcDrawContext.h"

namespace {

constexpr uint32_t kDisabledTextColour = 0xFF808080;
constexpr int kFocusArm = 3;

// angle(x) of the lit-arc formula; the range is not empty.
float AngleOf(int64_t value, int64_t minimum, int64_t maximum, float start, float end) {
    return static_cast<float>(static_cast<double>(value - minimum) * static_cast<double>(end - start) /
                              static_cast<double>(maximum - minimum)) +
           start;
}

}  // namespace

QnKnobArc QnKnobLitArc(int value, int centre, int minimum, int maximum, float start, float end,
                       float halfGap) {
    QnKnobArc arc;
    if (maximum == minimum) return arc;
    arc.draw = true;
    arc.g = AngleOf(std::min(value, centre), minimum, maximum, start, end);
    arc.h = AngleOf(std::max(value, centre), minimum, maximum, start, end);
    if (2.0f * halfGap > arc.g - arc.h) {
        const float middle = (arc.g + arc.h) / 2.0f;
        arc.g = middle + halfGap;
        arc.h = middle - halfGap;
    }
    return arc;
}

// ---- CMMPCtrlKnob

CMMPCtrlKnob::CMMPCtrlKnob() {
    m_charWidth = 1;
    m_charHeight = 1;
}

CMMPCtrlKnob::~CMMPCtrlKnob() {
    if (m_bCreated) CMMPCtrlKnob::Destroy();
}

template <class Record>
CMMPCtrlKnob::Config CMMPCtrlKnob::CommonConfig(const Record& p) {
    Config c{};
    c.x = p.x;
    c.y = p.y;
    c.width = p.width;
    c.height = p.height;
    c.minimum = p.minimum;
    c.maximum = p.maximum;
    c.centre = p.centre;
    c.pixelStep = p.pixelStep;
    c.centreX = p.centreX;
    c.centreY = p.centreY;
    c.radius = p.radius;
    c.startAngle = p.startAngle;
    c.endAngle = p.endAngle;
    c.halfGap = p.halfGap;
    std::copy(std::begin(p.colours), std::end(p.colours), c.colours);
    c.ring = p.ring;
    c.knobX = p.knobX;
    c.knobY = p.knobY;
    c.charWidth = p.charWidth;
    c.charHeight = p.charHeight;
    c.font = p.font;
    c.textX = p.textX;
    c.textY = p.textY;
    c.textLength = p.textLength;
    c.keyStep = 10;
    return c;
}

CMMPCtrlKnob::Config CMMPCtrlKnob::FromRecord(const tagMMPCtrlKnobParam& p) {
    Config c = CommonConfig(p);
    c.front = p.front;
    return c;
}

CMMPCtrlKnob::Config CMMPCtrlKnob::FromRecord(const tagMMPCtrlKnobParamEx& p) {
    Config c = FromRecord(static_cast<const tagMMPCtrlKnobParam&>(p));
    c.accelerated = true;
    c.sensitivity = p.sensitivity;
    c.fineSensitivity = p.fineSensitivity;
    c.keyStep = p.keyStep;
    return c;
}

bool CMMPCtrlKnob::Create(const tagMMPCtrlKnobParam* param, int id, int subId) {
    if (param == nullptr || param->front == nullptr) return false;
    return Configure(FromRecord(*param), id, subId);
}

bool CMMPCtrlKnob::CreateEx(const tagMMPCtrlKnobParamEx* param, int id, int subId) {
    if (param == nullptr || param->front == nullptr) return false;
    return Configure(FromRecord(*param), id, subId);
}

bool CMMPCtrlKnob::CreateEx2(const tagMMPCtrlKnobParamEx2* param, int id, int subId) {
    if (param == nullptr || param->front == nullptr) return false;
    Config c = FromRecord(static_cast<const tagMMPCtrlKnobParamEx&>(*param));
    c.proportional = param->proportional != 0;
    c.fontInfo = param->fontInfo;
    c.textColour = param->textColour;
    return Configure(c, id, subId);
}

bool CMMPCtrlKnob::Configure(const Config& c, int id, int subId) {
    SetMinIntValue(c.minimum, false);
    SetMaxIntValue(c.maximum, false);
    m_accelerated = c.accelerated;
    m_centre = c.centre;
    m_pixelStep = c.pixelStep;
    m_sensitivity = c.sensitivity;
    m_fineSensitivity = c.fineSensitivity;
    m_keyStep = c.keyStep;
    m_proportional = c.proportional;
    m_fontInfo = c.fontInfo;
    m_textColour = c.textColour;
    m_centreX = c.centreX;
    m_centreY = c.centreY;
    m_radius = c.radius;
    m_startAngle = c.startAngle;
    m_endAngle = c.endAngle;
    m_halfGap = c.halfGap;
    std::copy(std::begin(c.colours), std::end(c.colours), m_colours);
    m_unlitColour = c.colours[0];
    m_ring = c.ring;
    m_knobX = c.knobX;
    m_knobY = c.knobY;
    m_knobWidth = m_ring != nullptr ? m_ring->GetWidth() : 0;
    m_knobHeight = m_ring != nullptr ? m_ring->GetHeight() : 0;
    m_charWidth = c.charWidth;
    m_charHeight = c.charHeight;
    m_font = c.font;
    m_textX = c.textX;
    m_textY = c.textY;
    m_textLength = c.textLength;
    m_front = c.front;
    SetCentreValue(m_centre);
    m_text.clear();
    if (m_font != nullptr && m_textLength > 0) {
        ResizeText(m_textLength);
        if (m_charWidth <= 0) m_charWidth = m_font->GetWidth();
        if (m_charHeight <= 0) m_charHeight = m_font->GetHeight() / 128;
    }
    int width = c.width;
    int height = c.height;
    if (m_front != nullptr) {
        if (width == 0) width = m_front->GetWidth();
        if (height == 0) height = m_front->GetHeight();
    }
    ApplyEngineFont();
    CHfcControl::Create(c.x, c.y, width, height, id);
    m_iUserValue = subId;
    Show(false);
    Enable(false);
    m_editable = true;
    m_bDirty = true;
    return true;
}

void CMMPCtrlKnob::ResizeText(int length) {
    std::vector<char> text(static_cast<size_t>(std::max(length, 0)) + 1, '\0');
    if (!m_text.empty()) std::strncpy(text.data(), m_text.data(), text.size() - 1);
    m_text.swap(text);
}

void CMMPCtrlKnob::SetCentreValue(int centre) {
    m_centre = centre;
    // A one-value range has no angle per value: the centre sits at the start.
    m_centreAngle =
        m_iMax == m_iMin ? m_startAngle : AngleOf(centre, m_iMin, m_iMax, m_startAngle, m_endAngle);
    m_bDirty = true;
}

QnKnobArc CMMPCtrlKnob::GetLitArc() const {
    return QnKnobLitArc(m_iValue, m_centre, m_iMin, m_iMax, m_startAngle, m_endAngle, m_halfGap);
}

bool CMMPCtrlKnob::Destroy() {
    if (!m_bCreated) return false;
    LeaveEdit();
    m_dragState = 0;
    m_text.clear();
    return CHfcControl::Destroy();
}

bool CMMPCtrlKnob::IsKnobArea(int x, int y) const {
    return x >= m_knobX && x < m_knobX + m_knobWidth && y >= m_knobY && y < m_knobY + m_knobHeight;
}

bool CMMPCtrlKnob::IsDisplayArea(int x, int y) const {
    return x >= m_textX && x < m_textX + m_charWidth * m_textLength && y >= m_textY &&
           y < m_textY + m_charHeight;
}

// ---- values

void CMMPCtrlKnob::SetPtrValue(void* text, bool redraw) {
    if (text == nullptr || m_text.empty()) return;
    const size_t room = m_text.size() - 1;
    const size_t length = strnlen(static_cast<const char*>(text), room);
    std::memcpy(m_text.data(), text, length);
    m_text[length] = '\0';
    if (m_editing) m_engine->SetText(m_text.data());
    if (redraw) m_bDirty = true;
}

void CMMPCtrlKnob::SetBackBmp(CHfcBmp* bmp, bool redraw) {
    m_front = bmp;
    m_bDirty = redraw;
}

// ---- mouse

void CMMPCtrlKnob::TakeFocusForDrag() {
    if (m_bFocusOnClick) {
        SetFocus(0);
    } else {
        ReleaseFocus();
    }
}

bool CMMPCtrlKnob::OnHfcMouseLButtonDown(CHfcMouse* mouse, int x, int y, int modifiers) {
    if (!IsKnobArea(x, y) && !IsDisplayArea(x, y)) return false;
    if (m_pListener != nullptr && m_pListener->OnHfcCtrlMouseLButtonDown(this, x, y, modifiers)) return true;
    if (m_accelerated) {
        OnLButtonDownEx(mouse, x, y, modifiers);
    } else {
        OnLButtonDown(mouse, x, y);
    }
    return true;
}

void CMMPCtrlKnob::OnLButtonDownEx(CHfcMouse* mouse, int x, int y, int modifiers) {
    // Captured before the drag starts: a capture this knob still held is lost (ending that drag) first.
    if (mouse != nullptr) mouse->SetCapture(this, nullptr);
    m_dragState = IsKnobArea(x, y) ? 1 : 2;
    m_lastMoveTime = HfcGetSystemTimeMs();
    if (m_editing) {
        if (IsDisplayArea(x, y)) {
            m_engine->MouseLButtonDown(mouse, x - m_textX, y, modifiers);
            return;
        }
        LeaveEdit();
    }
    m_dragValue = m_iValue;
    m_floatAccumulator = static_cast<float>(m_iValue);
    m_last = {x, y};
    TakeFocusForDrag();
}

void CMMPCtrlKnob::OnLButtonDown(CHfcMouse* mouse, int x, int y) {
    if (mouse != nullptr) mouse->SetCapture(this, nullptr);
    m_dragState = 1;
    m_dragValue = m_iValue;
    m_accumulator = static_cast<int64_t>(m_iValue) * m_pixelStep + m_pixelStep / 2;
    m_last = {x, y};
    TakeFocusForDrag();
}

bool CMMPCtrlKnob::OnHfcMouseMove(CHfcMouse* mouse, int x, int y, int modifiers) {
    if (m_pListener != nullptr && (IsKnobArea(x, y) || IsDisplayArea(x, y)))
        m_pListener->OnHfcCtrlMouseMove(this, x, y, modifiers);
    if ((m_dragState != 1 && m_dragState != 2) || !QnHoldsCapture(mouse, this)) return false;
    if (m_accelerated) {
        OnMoveEx(mouse, x, y, modifiers);
    } else {
        OnMove(y, modifiers);
    }
    m_last = {x, y};
    return true;
}

void CMMPCtrlKnob::OnMoveEx(CHfcMouse* mouse, int x, int y, int modifiers) {
    if (m_editing) {
        m_engine->MouseMove(mouse, x - m_textX, y, modifiers);
        return;
    }
    if (y == m_last.y) return;
    const float s = (modifiers & kQnModShift) ? m_fineSensitivity : m_sensitivity;
    const uint32_t now = HfcGetSystemTimeMs();
    const uint32_t dt = now - m_lastMoveTime;
    m_lastMoveTime = now;
    float factor = s;
    if (dt > 1600) {
        factor = s / 32.0f;
    } else if (dt > 100) {
        factor = s * 50.0f / static_cast<float>(dt);
    }
    m_floatAccumulator += static_cast<float>(m_last.y - y) * factor;
    const int value = std::clamp(SaturatingToInt(m_floatAccumulator), m_iMin, std::max(m_iMin, m_iMax));
    if (value != m_dragValue) {
        m_dragValue = value;
        Report(value);
    }
}

void CMMPCtrlKnob::OnMove(int y, int modifiers) {
    m_accumulator += static_cast<int64_t>(m_last.y - y) * ((modifiers & kQnModShift) ? 1 : m_pixelStep);
    const int64_t steps = m_pixelStep != 0 ? m_accumulator / m_pixelStep : 0;
    const int value = static_cast<int>(std::clamp<int64_t>(steps, m_iMin, std::max<int64_t>(m_iMin, m_iMax)));
    if (value != m_dragValue) {
        m_dragValue = value;
        Report(value);
    }
}

bool CMMPCtrlKnob::OnHfcMouseLButtonUp(CHfcMouse* mouse, int, int, int) {
    if (!QnHoldsCapture(mouse, this)) return false;
    mouse->ReleaseCapture();
    return true;
}

bool CMMPCtrlKnob::OnHfcMouseLostCapture(CHfcMouse* mouse) {
    if (m_editing) m_engine->MouseLostCapture(mouse);
    m_dragState = 0;
    if (m_pListener != nullptr) m_pListener->OnHfcCtrlMouseLostCapture(this);
    return true;
}

bool CMMPCtrlKnob::OnHfcMouseRButtonDown(CHfcMouse*, int x, int y, int modifiers) {
    if (m_pListener != nullptr) m_pListener->OnHfcCtrlMouseRButtonDown(this, x, y, modifiers);
    return true;
}

bool CMMPCtrlKnob::OnHfcMouseLButtonDoubleClick(CHfcMouse* mouse, int x, int y, int modifiers) {
    if (m_pListener != nullptr && m_pListener->OnHfcCtrlMouseLButtonDoubleClick(this, x, y, modifiers))
        return true;
    if (!m_editable) return OnHfcMouseLButtonDown(mouse, x, y, modifiers);
    if (m_accelerated) {
        if (m_editOnTextOnly && !IsDisplayArea(x, y)) return false;
        EnterEdit(GetText());
        m_engine->SetSelection(0, m_engine->GetLength());
    } else {
        EnterEdit(GetText());
    }
    return true;
}

// ---- text entry

void CMMPCtrlKnob::EnterEdit(const char* text) {
    if (m_iFocusIndex != 1) SetFocus(1);
    if (m_editing) return;
    m_editing = true;
    if (text != nullptr) m_engine->SetText(text);
    m_engine->SetCursorPosition(m_engine->GetLength());
    m_bDirty = true;
}

void CMMPCtrlKnob::OnHfcEditTextEngineReturn(CHfcEditTextEngine* engine) {
    std::string text = engine->GetText();
    // The bitmap fonts keep their plus and minus glyphs at codes 2 and 4.
    if (!text.empty() && text[0] == 2) text[0] = '+';
    if (!text.empty() && text[0] == 4) text[0] = '-';
    SendText(text.data());
}

// ---- drawing

void CMMPCtrlKnob::DrawValueText(CHfcDrawContext* context, int left, int y, uint32_t colour) {
    const int width = m_rect.right - m_rect.left;
    if (m_proportional && m_fontInfo != nullptr) {
        const int x = (width - HfcGetBmpTextWidth(m_fontInfo, GetText())) / 2 + left + 1;
        context->DrawBmpTextProportional(x, y, GetText(), m_rect.right - x, m_fontInfo, colour, false);
    } else {
        const int x = (width - m_charWidth * m_textLength) / 2 + left + 1;
        context->DrawBmpText(x, y, GetText(), m_textLength, m_font, m_charWidth, m_charHeight);
    }
}

void CMMPCtrlKnob::Draw(CHfcDrawContext* context) {
    if (!m_bVisible || context == nullptr) return;
    const int left = m_rect.left, top = m_rect.top;
    const int width = m_rect.right - left, height = m_rect.bottom - top;
    context->ClearRect(left, top, width, height);
    context->SetBrushColor(m_unlitColour);
    if (m_ring != nullptr) {
        context->CopyBmp(left + m_knobX, top + m_knobY, m_knobWidth, m_knobHeight, m_ring, 0, 0);
    } else {
        context->FillRect(left + m_knobX, top + m_knobY, m_knobWidth, m_knobHeight);
    }
    const QnKnobArc arc = GetLitArc();
    if (arc.draw) {
        const float cx = static_cast<float>(left) + m_centreX + 0.5f;
        const float cy = static_cast<float>(top) + m_centreY + 0.5f;
        context->FillArc(cx, cy, m_radius, m_startAngle, m_startAngle - arc.g);
        context->FillArc(cx, cy, m_radius, arc.h, arc.h - m_endAngle);
    }
    if (!m_bEnabled) {
        context->SetBrushColor(m_disabledOverlay);
        context->FillRect(left, top, width, height);
    }
    if (m_front != nullptr) context->CopyBmp(left, top, width, height, m_front, 0, 0);
    if (m_font != nullptr && m_textLength > 0) {
        const int y = top + m_textY;
        if (m_editing) {
            m_engine->Draw(context, left + m_textX, y, m_charWidth * m_textLength + 1, m_charHeight);
        } else {
            DrawValueText(context, left, y, m_textColour);
        }
        if (!m_bEnabled) {
            context->SetBrushColor(m_disabledOverlay);
            context->FillRect(left + m_textX, y, m_charWidth * m_textLength, m_charHeight);
        }
    }
    if (IsFocused()) DrawFocus(context);
}

void CMMPCtrlKnob::DrawFocus(CHfcDrawContext* context) {
    if (context == nullptr || !m_bCreated || !m_bVisible || m_uFocusColor == 0) return;
    const int left = m_rect.left, top = m_rect.top;
    if (m_iFocusIndex == 1) {
        QnDrawCornerMarks(context, left + m_textX - 2, top + m_textY - 2,
                          left + m_textX + m_charWidth * m_textLength, top + m_textY + m_charHeight,
                          kFocusArm, m_uFocusColor);
    } else {
        QnDrawCornerMarks(context, left, top, m_rect.right - 1, m_rect.bottom - 1, kFocusArm, m_uFocusColor);
    }
}

// ---- QnKnob

QnKnob::QnKnob() = default;

QnKnob::~QnKnob() {
    delete m_scratch;
}

bool QnKnob::Create(const tagQorlKnobParam* param, int id, int subId) {
    if (param == nullptr) return false;
    tagQorlKnobParamEx ex;
    static_cast<tagQorlKnobParam&>(ex) = *param;
    if (!CreateEx(&ex, id, subId)) return false;
    m_accelerated = false;
    return true;
}

bool QnKnob::CreateEx(const tagQorlKnobParamEx* param, int id, int subId) {
    if (param == nullptr) return false;
    m_disabledOverlay = 0;
    const tagQorlKnobParamEx& p = *param;
    Config c = CommonConfig(p);
    if (p.ring != nullptr) {
        if (c.width == 0) c.width = p.ring->GetWidth();
        if (c.height == 0) c.height = p.ring->GetHeight();
    }
    c.accelerated = true;
    c.sensitivity = p.sensitivity;
    c.fineSensitivity = p.fineSensitivity;
    c.keyStep = p.keyStep;
    c.proportional = p.proportional != 0;
    c.fontInfo = p.fontInfo;
    c.textColour = p.textColour;
    m_backX = p.backX;
    m_backY = p.backY;
    m_back = p.back;
    m_ringBack = p.ringBack;
    return Configure(c, id, subId);
}

void QnKnob::SetDispInfo(int textX, int textY, int length) {
    m_textX = textX;
    m_textY = textY;
    m_textLength = std::max(length, 0);
    ResizeText(m_textLength);
    m_bDirty = true;
}

void QnKnob::SetFontInfo(bool proportional, tagHfcBmpFontInfo* fontInfo, CHfcBmp* fontImage) {
    if (proportional == m_proportional && fontInfo == m_fontInfo && fontImage != nullptr && m_font != nullptr)
        return;
    m_proportional = proportional;
    m_fontInfo = fontInfo;
    m_font = fontImage;
    if (m_font != nullptr) {
        m_charWidth = m_font->GetWidth();
        m_charHeight = m_font->GetHeight() / 128;
    }
    ApplyEngineFont();
    m_bDirty = true;
}

void QnKnob::SetParameter(int kind, int value, void*, bool redraw) {
    if (kind == QnSynthLayer::kKnobDisplayWidth) {
        const int width = std::max(value, 0);
        SetDispInfo(19 - 3 * width, 15, width);
        FontManager* fonts = FontManager::GetInstance();
        tagHfcBmpFontInfo* font =
            fonts != nullptr
                ? fonts->GetBmpFontInfo(width <= 4 ? FontName_Geneva9_for_Controls : FontName_W4H9)
                : nullptr;
        if (font != nullptr) SetFontInfo(true, font, font->bitmap);
    } else if (kind == QnSynthLayer::kKnobCentre) {
        SetCentreValue(value);
    } else {
        return;
    }
    if (redraw) m_bDirty = true;
}

void QnKnob::Draw(CHfcDrawContext* context) {
    if (!m_bVisible || context == nullptr) return;
    const int left = m_rect.left, top = m_rect.top;
    const int width = m_rect.right - left, height = m_rect.bottom - top;
    context->ClearRect(left, top, width, height);
    if (m_back != nullptr) context->CopyBmp(left, top, width, height, m_back, m_backX, m_backY);
    if (m_ringBack != nullptr) {
        if (m_bEnabled) {
            context->CopyBmp(left + m_knobX, top + m_knobY, m_knobWidth, m_knobHeight, m_ringBack, 0, 0);
        } else {
            context->CopyBmpAlpha(left + m_knobX, top + m_knobY, m_knobWidth, m_knobHeight, m_ringBack,
                                  m_fDisabledAlpha, 0, 0);
        }
    }
    DrawValue(context);
    DrawString(context);
    if (IsFocused()) DrawFocus(context);
}

void QnKnob::DrawValue(CHfcDrawContext* context) {
    const QnKnobArc arc = GetLitArc();
    if (!arc.draw || m_ring == nullptr || m_knobWidth <= 0 || m_knobHeight <= 0) return;
    if (m_scratch == nullptr || m_scratch->GetBmp() == nullptr ||
        m_scratch->GetBmp()->GetWidth() != m_knobWidth || m_scratch->GetBmp()->GetHeight() != m_knobHeight) {
        delete m_scratch;
        m_scratch = new CHfcOffscreenContext(m_knobWidth, m_knobHeight);
    }
    m_scratch->ClearRect(0, 0, m_knobWidth, m_knobHeight);
    m_scratch->CopyBmp(0, 0, m_knobWidth, m_knobHeight, m_ring, 0, 0);
    const float cx = m_centreX + 0.5f, cy = m_centreY + 0.5f;
    m_scratch->ClearArc(cx, cy, m_radius, m_startAngle, m_startAngle - arc.g);
    m_scratch->ClearArc(cx, cy, m_radius, arc.h, arc.h - m_endAngle);
    const int width = m_rect.right - m_rect.left, height = m_rect.bottom - m_rect.top;
    if (m_bEnabled) {
        context->CopyBmp(m_rect.left, m_rect.top, width, height, m_scratch->GetBmp(), 0, 0);
    } else {
        context->CopyBmpAlpha(m_rect.left, m_rect.top, width, height, m_scratch->GetBmp(), m_fDisabledAlpha,
                              0, 0);
    }
}

void QnKnob::DrawString(CHfcDrawContext* context) {
    if (m_font == nullptr || m_textLength <= 0) return;
    const int y = m_rect.top + m_textY;
    if (m_editing) {
        m_engine->Draw(context, m_rect.left + 5, y, m_rect.right - m_rect.left - 10, m_charHeight);
        return;
    }
    DrawValueText(context, m_rect.left, y, m_bEnabled ? m_textColour : kDisabledTextColour);
}
