#include "Hfc/Core/HfcCtrlCharEditText.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "Hfc/Base/HfcUtil.h"
#include "Hfc/Core/HfcInput.h"
#include "Hfc/Draw/HfcBmp.h"
#include "Hfc/Draw/HfcDrawContext.h"

namespace {

constexpr int kEngineCapacity = 1024;
constexpr int kFocusMargin = 3;

}  // namespace

CHfcCtrlCharEditText::CHfcCtrlCharEditText() : m_engine(new CHfcEditTextEngine(this, kEngineCapacity)) {}

CHfcCtrlCharEditText::~CHfcCtrlCharEditText() {
    // The base destructor would skip leaving the edit and freeing the text.
    if (m_bCreated) CHfcCtrlCharEditText::Destroy();
    HfcMemFree(m_text);
    delete m_engine;
}

bool CHfcCtrlCharEditText::CreateEx2(const tagHfcCtrlCharEditTextParamEx2* param, int id, int userValue) {
    if (!param || !param->font || param->rows <= 0 || param->columns <= 0) return false;
    const size_t size = static_cast<size_t>(param->columns + 1) * static_cast<size_t>(param->rows);
    char* text = static_cast<char*>(HfcMemAlloc(size));
    if (!text) return false;
    std::memset(text, 0, size);
    HfcMemFree(m_text);
    m_text = text;
    m_param = *param;
    tagHfcCtrlCharEditTextParamEx2& p = m_param;
    if (p.charWidth <= 0) p.charWidth = p.font->GetWidth();
    if (p.charHeight <= 0) p.charHeight = p.font->GetHeight() / 128;
    const bool proportional = p.proportional && p.proportionalFont;
    // A proportional field measures its cells by the letter W.
    if (proportional) p.charWidth = p.proportionalFont->widths['W' + 128];
    int width = p.width;
    if (width <= 0) width = proportional ? p.charWidth * p.columns - 1 : p.charWidth * p.columns + 1;
    const int height = p.height > 0 ? p.height : p.charHeight * p.rows;
    CHfcControl::Create(p.x, p.y, width, height, id);
    SetFocusMergin(kFocusMargin);
    m_iUserValue = userValue;
    SetMinIntValue(p.minimum, false);
    SetMaxIntValue(p.maximum, false);
    m_engine->SetDrawParameters(p.font, p.selectionColour, p.caretColour, p.charWidth, p.charHeight,
                                p.columns);
    // The field keeps columns characters (SetPtrValue): no more are taken while editing.
    m_engine->SetMaxLength(p.columns);
    if (proportional) {
        m_engine->SetProportionalFont(p.proportionalFont, p.proportionalColour);
        m_engine->SetProportional(true);
    }
    m_bFocusOnClick = true;
    m_bDirty = true;
    Enable(false);
    return true;
}

bool CHfcCtrlCharEditText::Destroy() {
    LeaveEdit();
    HfcMemFree(m_text);
    m_text = nullptr;
    return CHfcControl::Destroy();
}

bool CHfcCtrlCharEditText::EnterEdit(const char* text) {
    if (m_iFocusIndex != 1) SetFocus(1);
    if (m_editing) return false;
    m_editing = true;
    m_engine->SetText(text ? text : (m_text ? m_text : ""));
    m_engine->SetCursorPosition(m_engine->GetLength());
    m_bDirty = true;
    return true;
}

void CHfcCtrlCharEditText::LeaveEdit() {
    if (!m_editing) return;
    m_editing = false;
    SetFocus(-1);
    m_bDirty = true;
}

bool CHfcCtrlCharEditText::OnHfcMouseLButtonDown(CHfcMouse* mouse, int x, int y, int modifiers) {
    if (m_pListener && m_pListener->OnHfcCtrlMouseLButtonDown(this, x, y, modifiers)) return true;
    if (m_editing) {
        m_engine->MouseLButtonDown(mouse, x, y, modifiers);
        if (mouse) mouse->SetCapture(this, nullptr);
        return true;
    }
    UpdateLastTime();
    m_lastReported = GetIntValue();
    m_accumulator = m_lastReported;
    m_previous = {x, y};
    if (mouse) mouse->SetCapture(this, nullptr);
    if (m_bFocusOnClick) {
        SetFocus(0);
    } else {
        ReleaseFocus(nullptr);
    }
    return true;
}

bool CHfcCtrlCharEditText::OnHfcMouseLButtonDoubleClick(CHfcMouse* mouse, int x, int y, int modifiers) {
    if (m_pListener && m_pListener->OnHfcCtrlMouseLButtonDoubleClick(this, x, y, modifiers)) return true;
    if (!m_doubleClickEdits || m_editing) return OnHfcMouseLButtonDown(mouse, x, y, modifiers);
    EnterEdit(nullptr);
    m_engine->SetSelection(0, m_engine->GetLength());
    return true;
}

bool CHfcCtrlCharEditText::OnHfcMouseMove(CHfcMouse* mouse, int x, int y, int modifiers) {
    if (m_pListener && m_pListener->OnHfcCtrlMouseMove(this, x, y, modifiers)) return true;
    if (!mouse || mouse->GetCapture() != this) return false;
    if (m_editing) {
        m_engine->MouseMove(mouse, x, y, modifiers);
        return true;
    }
    if (y != m_previous.y) {
        const float ratio = GetMouseDeltaRatio();
        const double dy = m_previous.y - y;
        if (modifiers & 1) {
            m_accumulator += dy * m_param.fineStep;
        } else {
            m_accumulator += dy * m_param.step * ratio;
        }
        const int maximum = std::max(GetMinIntValue(), GetMaxIntValue());
        const double truncated = std::clamp(std::trunc(m_accumulator), static_cast<double>(GetMinIntValue()),
                                            static_cast<double>(maximum));
        const int value = static_cast<int>(truncated);
        if (value != m_lastReported) {
            if (m_pListener) m_pListener->OnHfcCtrlIntValueChanged(this, value);
            m_lastReported = value;
        }
    }
    m_previous = {x, y};
    return true;
}

bool CHfcCtrlCharEditText::OnHfcMouseLButtonUp(CHfcMouse* mouse, int x, int y, int modifiers) {
    if (m_pListener && m_pListener->OnHfcCtrlMouseLButtonUp(this, x, y, modifiers)) return true;
    if (!mouse || mouse->GetCapture() != this) return false;
    mouse->ReleaseCapture();
    return true;
}

bool CHfcCtrlCharEditText::OnHfcMouseLostCapture(CHfcMouse* mouse) {
    if (m_editing) m_engine->MouseLostCapture(mouse);
    return m_pListener && m_pListener->OnHfcCtrlMouseLostCapture(this);
}

bool CHfcCtrlCharEditText::OnHfcMouseRButtonDown(CHfcMouse*, int x, int y, int modifiers) {
    if (m_editing || !m_pListener) return false;
    return m_pListener->OnHfcCtrlMouseRButtonDown(this, x, y, modifiers);
}

bool CHfcCtrlCharEditText::OnKeyDown(int character, int, int modifiers) {
    if (m_editing) {
        if (character < 32 || character == 127) m_engine->KeyDown(character, modifiers);
        return true;
    }
    CHfcMouse* mouse = CHfcMouse::GetInstance();
    if (mouse && mouse->GetCapture() == this) return true;
    int value = GetIntValue();
    if (character == 29 || character == 30) value += m_keyStep;
    if (character == 28 || character == 31) value -= m_keyStep;
    value = std::clamp(value, GetMinIntValue(), std::max(GetMinIntValue(), GetMaxIntValue()));
    if (value != GetIntValue() && m_pListener) m_pListener->OnHfcCtrlIntValueChanged(this, value);
    return true;
}

bool CHfcCtrlCharEditText::OnKeyRepeat(int character, int virtualKey, int modifiers) {
    return OnKeyDown(character, virtualKey, modifiers);
}

bool CHfcCtrlCharEditText::OnKeyChar(int character) {
    if (!m_editing) return false;
    m_engine->Input(character);
    return true;
}

void CHfcCtrlCharEditText::OnKeyLostFocus() {
    if (!m_editing) return;
    if (m_focusLossCancels) {
        LeaveEdit();
    } else {
        LeaveEdit();
        if (m_pListener) m_pListener->OnHfcCtrlPtrValueChanged(this, const_cast<char*>(m_engine->GetText()));
    }
    CHfcMouse::SetCursorById(0);
}

void CHfcCtrlCharEditText::OnHfcEditTextEngineNeedRedrawn(CHfcEditTextEngine*) {
    m_bDirty = true;
}

void CHfcCtrlCharEditText::OnHfcEditTextEngineReturn(CHfcEditTextEngine*) {
    if (m_pListener) m_pListener->OnHfcCtrlPtrValueChanged(this, const_cast<char*>(m_engine->GetText()));
    LeaveEdit();
}

void CHfcCtrlCharEditText::OnHfcEditTextEngineEsc(CHfcEditTextEngine*) {
    LeaveEdit();
}

void CHfcCtrlCharEditText::OnIdle(int time) {
    if (m_editing) m_engine->Idle(time);
    CHfcControl::OnIdle(time);
}

void CHfcCtrlCharEditText::SetPtrValue(void* text, bool redraw) {
    if (!m_text || !text) return;
    const size_t row = static_cast<size_t>(m_param.columns) + 1;
    const size_t length = strnlen(static_cast<const char*>(text), static_cast<size_t>(m_param.columns));
    std::memcpy(m_text, text, length);
    // A shorter text must not keep the tail of the longer one before it.
    std::memset(m_text + length, 0, row - length);
    if (m_editing) m_engine->SetText(m_text);
    if (redraw) m_bDirty = true;
}

void CHfcCtrlCharEditText::Disable(bool redraw) {
    CHfcControl::Disable(redraw);
    if (m_bCreated && redraw) Update(false, true);
}

void CHfcCtrlCharEditText::Hide(bool redraw) {
    CHfcControl::Hide(redraw);
    if (m_bCreated && redraw) Update(false, true);
}

void CHfcCtrlCharEditText::DrawBackground(CHfcDrawContext* context) {
    const int m = m_iFocusMargin;
    const int x = m_rect.left - m;
    const int y = m_rect.top - m;
    const int w = m_rect.right - m_rect.left + 2 * m;
    const int h = m_rect.bottom - m_rect.top + 2 * m;
    context->ClearRect(x, y, w, h);
    if (m_param.background) {
        context->CopyBmp(x, y, w, h, m_param.background, m_param.backgroundX - m, m_param.backgroundY - m);
    } else if (m_param.backgroundColour != 0) {
        context->SetBrushColor(m_param.backgroundColour);
        context->FillRect(x, y, w, h);
    }
    if (m_param.overlay) {
        if (m_bEnabled) {
            context->CopyBmp(x, y, w, h, m_param.overlay, m_param.backgroundX - m, m_param.backgroundY - m);
        } else {
            context->CopyBmpAlpha(x, y, w, h, m_param.overlay, m_fDisabledAlpha, m_param.backgroundX - m,
                                  m_param.backgroundY - m);
        }
    }
}

void CHfcCtrlCharEditText::DrawText(CHfcDrawContext* context) {
    if (!m_text) return;
    const int x = m_rect.left;
    const int y = m_rect.top;
    const int width = m_rect.right - m_rect.left;
    if (m_param.proportional && m_param.proportionalFont) {
        tagHfcBmpFontInfo* font = m_param.proportionalFont;
        const int textWidth = HfcGetBmpTextWidth(font, m_text);
        int offset = 0;
        if (m_engine->GetAlignment() == 1) offset = (width - textWidth) / 2;
        if (m_engine->GetAlignment() == 2) offset = width - textWidth;
        uint32_t colour = m_param.proportionalColour;
        if (!m_bEnabled) {
            const uint32_t alpha = static_cast<uint32_t>(static_cast<float>(colour >> 24) * m_fDisabledAlpha);
            colour = (colour & 0x00ffffffu) | (alpha << 24);
        }
        context->DrawBmpTextProportional(x + offset, y, m_text, width, font, colour, false);
        return;
    }
    const int cw = m_param.charWidth;
    const int ch = m_param.charHeight;
    const int cellHeight = std::min(m_rect.bottom - m_rect.top, ch);
    for (int row = 0; row < m_param.rows; ++row) {
        const char* line = m_text + static_cast<size_t>(row) * static_cast<size_t>(m_param.columns + 1);
        for (int column = 0; column < m_param.columns; ++column) {
            const int glyph = line[column] & 0x7f;
            const int cx = x + column * cw;
            const int cy = y + row * cellHeight;
            if (m_bEnabled) {
                context->CopyBmp(cx, cy, cw, cellHeight, m_param.font, 0, glyph * ch);
            } else {
                context->CopyBmpAlpha(cx, cy, cw, cellHeight, m_param.font, m_fDisabledAlpha, 0, glyph * ch);
            }
        }
    }
}

void CHfcCtrlCharEditText::Draw(CHfcDrawContext* context) {
    if (!m_bVisible || !context) return;
    DrawBackground(context);
    if (m_editing) {
        m_engine->Draw(context, m_rect.left, m_rect.top, m_rect.right - m_rect.left, m_param.charHeight);
    } else {
        DrawText(context);
    }
    if (IsFocused()) DrawFocus(context);
}

void CHfcCtrlCharEditText::Erase(CHfcDrawContext* context) {
    if (!context) return;
    context->ClearRect(m_rect.left, m_rect.top, m_rect.right - m_rect.left, m_rect.bottom - m_rect.top);
    DrawBackground(context);
}
