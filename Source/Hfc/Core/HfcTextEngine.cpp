#include "Hfc/Core/HfcTextEngine.h"

#include <algorithm>
#include <climits>
#include <cstring>

#include "Hfc/Base/HfcUtil.h"
#include "Hfc/Draw/HfcBmp.h"
#include "Hfc/Draw/HfcDrawContext.h"

void CHfcEditTextEngineListener::OnHfcEditTextEngineBufferIsModified(CHfcEditTextEngine*) {}
void CHfcEditTextEngineListener::OnHfcEditTextEngineCursorPositionIsChanged(CHfcEditTextEngine*, int) {}
void CHfcEditTextEngineListener::OnHfcEditTextEngineSelectionIsChanged(CHfcEditTextEngine*, int, int) {}
void CHfcEditTextEngineListener::OnHfcEditTextEngineNeedRedrawn(CHfcEditTextEngine*) {}
void CHfcEditTextEngineListener::OnHfcEditTextEngineReturn(CHfcEditTextEngine*) {}
void CHfcEditTextEngineListener::OnHfcEditTextEngineEsc(CHfcEditTextEngine*) {}
void CHfcEditTextEngineListener::OnHfcEditTextEngineKeyDown(CHfcEditTextEngine*, int, int) {}

namespace {

constexpr int kMinCapacity = 1024;
constexpr int kBlinkPeriod = 500;
constexpr int kBlinkShown = 250;
constexpr int kBlinkStep = 20;

}  // namespace

CHfcEditTextEngine::CHfcEditTextEngine(CHfcEditTextEngineListener* listener, int capacity)
    : m_listener(listener) {
    const int size = std::max(capacity, kMinCapacity);
    m_buffer = static_cast<char*>(HfcMemAlloc(static_cast<size_t>(size)));
    if (m_buffer) {
        std::memset(m_buffer, 0, static_cast<size_t>(size));
        m_capacity = size;
    }
}

CHfcEditTextEngine::~CHfcEditTextEngine() {
    HfcMemFree(m_buffer);
    HfcMemFree(m_filter);
}

void CHfcEditTextEngine::SetInputFilter(const char* characters) {
    HfcMemFree(m_filter);
    m_filter = nullptr;
    if (!characters || !*characters) return;
    const size_t size = std::strlen(characters) + 1;
    m_filter = static_cast<char*>(HfcMemAlloc(size));
    if (m_filter) std::memcpy(m_filter, characters, size);
}

void CHfcEditTextEngine::SetDrawParameters(CHfcBmp* font, uint32_t selectionColour, uint32_t caretColour,
                                           int charWidth, int charHeight, int columns) {
    m_fontBmp = font;
    m_selectionColour = selectionColour;
    m_caretColour = caretColour;
    m_columns = columns;
    if (font && charWidth <= 0) charWidth = font->GetWidth();
    if (font && charHeight <= 0) charHeight = font->GetHeight() / 128;
    m_charWidth = charWidth;
    m_charHeight = charHeight;
}

void CHfcEditTextEngine::SetProportionalFont(tagHfcBmpFontInfo* font, uint32_t colour) {
    m_propFont = font;
    m_proportionalColour = colour;
}

// Grows the buffer by doubling until it holds `bytes`; false, with nothing changed, when it cannot.
bool CHfcEditTextEngine::Reserve(int bytes) {
    if (!m_buffer || bytes < 0) return false;
    if (bytes <= m_capacity) return true;
    int capacity = m_capacity;
    while (capacity < bytes) {
        if (capacity > INT_MAX / 2) return false;
        capacity *= 2;
    }
    char* grown = static_cast<char*>(HfcMemRealloc(m_buffer, static_cast<size_t>(capacity)));
    if (!grown) return false;
    std::memset(grown + m_capacity, 0, static_cast<size_t>(capacity - m_capacity));
    m_buffer = grown;
    m_capacity = capacity;
    return true;
}

void CHfcEditTextEngine::NotifyModified() {
    if (!m_listener) return;
    m_listener->OnHfcEditTextEngineBufferIsModified(this);
    m_listener->OnHfcEditTextEngineNeedRedrawn(this);
}

void CHfcEditTextEngine::NotifyCaret() {
    if (!m_listener) return;
    m_listener->OnHfcEditTextEngineCursorPositionIsChanged(this, m_caret);
    m_listener->OnHfcEditTextEngineNeedRedrawn(this);
}

void CHfcEditTextEngine::NotifySelection() {
    if (!m_listener) return;
    m_listener->OnHfcEditTextEngineSelectionIsChanged(this, m_selStart, m_selEnd);
    m_listener->OnHfcEditTextEngineNeedRedrawn(this);
}

void CHfcEditTextEngine::NotifyRedraw() {
    if (m_listener) m_listener->OnHfcEditTextEngineNeedRedrawn(this);
}

void CHfcEditTextEngine::SetText(const char* text) {
    if (!text) text = "";
    size_t length = std::strlen(text);
    if (m_maxLength > 0) length = std::min(length, static_cast<size_t>(m_maxLength));
    if (length >= static_cast<size_t>(INT_MAX) || !Reserve(static_cast<int>(length) + 1)) return;
    const bool hadSelection = HasSelection();
    std::memcpy(m_buffer, text, length);
    m_buffer[length] = 0;
    m_length = static_cast<int>(length);
    m_caret = m_selStart = m_selEnd = m_length;
    NotifyModified();
    if (hadSelection) NotifySelection();
}

void CHfcEditTextEngine::SetCursorPosition(int position) {
    if (position < 0 || position > m_length) return;
    m_caret = position;
    NotifyCaret();
}

void CHfcEditTextEngine::SetSelection(int start, int end) {
    if (start == m_selStart && end == m_selEnd) return;
    if (start < 0 || start >= m_length || start >= end || end > m_length) return;
    m_selStart = start;
    m_selEnd = end;
    NotifySelection();
}

void CHfcEditTextEngine::DeleteSelection() {
    if (m_selStart >= m_selEnd) return;
    std::memmove(m_buffer + m_selStart, m_buffer + m_selEnd, static_cast<size_t>(m_length - m_selEnd + 1));
    m_length -= m_selEnd - m_selStart;
    m_selEnd = m_caret = m_selStart;
    NotifyRedraw();
    NotifyModified();
    NotifySelection();
}

void CHfcEditTextEngine::Input(int character) {
    if (character < 32 || character > 255) return;
    if (m_filter && !std::strchr(m_filter, character)) return;
    // What the field can keep is what it takes: a full text takes a character only in place of a
    // selection.
    if (m_maxLength > 0 && m_length - (HasSelection() ? m_selEnd - m_selStart : 0) >= m_maxLength) return;
    // Room for the character and the terminator first, so a failed growth changes nothing.
    if (m_length >= INT_MAX - 2 || !Reserve(m_length + 2)) return;
    DeleteSelection();
    std::memmove(m_buffer + m_caret + 1, m_buffer + m_caret, static_cast<size_t>(m_length - m_caret + 1));
    m_buffer[m_caret] = static_cast<char>(character);
    ++m_length;
    ++m_caret;
    // The (empty) selection follows the caret, so that a later shift+Home or shift+End selects
    // from where the user typed.
    m_selStart = m_selEnd = m_caret;
    NotifyModified();
}

void CHfcEditTextEngine::ForwardDelete() {
    if (HasSelection()) {
        DeleteSelection();
    } else if (m_caret < m_length) {
        std::memmove(m_buffer + m_caret, m_buffer + m_caret + 1, static_cast<size_t>(m_length - m_caret));
        --m_length;
        m_selStart = m_selEnd = m_caret;
        NotifyModified();
    }
    NotifyRedraw();
}

void CHfcEditTextEngine::MoveLeft(bool shift) {
    if (!HasSelection()) {
        if (m_caret > 0) {
            if (shift) {
                m_selStart = m_caret - 1;
                m_selEnd = m_caret;
                m_caret = m_selStart;
                NotifySelection();
            } else {
                --m_caret;
                m_selStart = m_selEnd = m_caret;
            }
        }
    } else if (!shift) {
        m_caret = m_selEnd = m_selStart;
        NotifySelection();
    } else {
        if (m_caret == m_selStart) {
            if (m_selStart > 0) m_caret = --m_selStart;
        } else if (m_selEnd > m_selStart) {
            m_caret = --m_selEnd;
        }
        NotifySelection();
    }
    NotifyRedraw();
}

void CHfcEditTextEngine::MoveRight(bool shift) {
    if (!HasSelection()) {
        if (m_caret >= m_length) return;
        if (shift) {
            m_selStart = m_caret;
            m_selEnd = m_caret + 1;
            m_caret = m_selEnd;
            NotifySelection();
        } else {
            ++m_caret;
            m_selStart = m_selEnd = m_caret;
            // Show the caret at its new place now rather than at the next blink change.
            NotifyRedraw();
        }
    } else if (!shift) {
        m_caret = m_selStart = m_selEnd;
        NotifySelection();
    } else {
        if (m_caret == m_selEnd) {
            if (m_selEnd < m_length) m_caret = ++m_selEnd;
        } else if (m_selStart < m_selEnd) {
            m_caret = ++m_selStart;
        }
        NotifySelection();
    }
}

void CHfcEditTextEngine::MoveHome(bool shift) {
    if (shift) {
        // Without a selection the range reaches back from the caret.
        if (!HasSelection()) m_selEnd = m_caret;
        m_selStart = m_caret = 0;
        NotifySelection();
    } else {
        const bool hadSelection = HasSelection();
        m_caret = m_selStart = m_selEnd = 0;
        if (hadSelection) NotifySelection();
    }
    NotifyRedraw();
}

void CHfcEditTextEngine::MoveEnd(bool shift) {
    if (shift) {
        if (!HasSelection()) m_selStart = m_caret;
        m_selEnd = m_caret = m_length;
        NotifySelection();
    } else {
        const bool hadSelection = HasSelection();
        m_caret = m_selStart = m_selEnd = m_length;
        if (hadSelection) NotifySelection();
    }
    NotifyRedraw();
}

void CHfcEditTextEngine::KeyDown(int character, int modifiers) {
    const bool shift = (modifiers & 1) != 0;
    switch (character) {
        case 8:
            if (HasSelection()) {
                DeleteSelection();
            } else if (m_caret > 0) {
                --m_caret;
                ForwardDelete();
            } else {
                NotifyRedraw();
            }
            NotifyRedraw();
            break;
        case 13:
            if (m_listener) m_listener->OnHfcEditTextEngineReturn(this);
            break;
        case 27:
            if (m_listener) m_listener->OnHfcEditTextEngineEsc(this);
            break;
        case 28:
            MoveLeft(shift);
            break;
        case 29:
            MoveRight(shift);
            break;
        case 30:
            MoveHome(shift);
            break;
        case 31:
            MoveEnd(shift);
            break;
        case 127:
            ForwardDelete();
            break;
        default:
            break;
    }
}

// Advance of the character at index: the proportional font's advance, or the cell width.
int CHfcEditTextEngine::Advance(int index) const {
    if (m_proportional && m_propFont) {
        return m_propFont->widths[static_cast<signed char>(m_buffer[index]) + 128];
    }
    return m_charWidth;
}

int CHfcEditTextEngine::OffsetOf(int position) const {
    if (!(m_proportional && m_propFont)) return position * m_charWidth;
    int offset = 0;
    for (int i = 0; i < position && i < m_length; ++i) offset += Advance(i);
    return offset;
}

int CHfcEditTextEngine::GetTextWidth() const {
    return OffsetOf(m_length);
}

int CHfcEditTextEngine::PositionFromX(int x) const {
    if (m_proportional && m_propFont) {
        const int textWidth = GetTextWidth();
        const int fieldWidth = m_charWidth * m_columns;
        if (m_alignment == 1) x -= (fieldWidth - textWidth) / 2;
        if (m_alignment == 2) x += textWidth - fieldWidth;
        int right = 0;
        for (int i = 0; i < m_length; ++i) {
            right += Advance(i);
            if (right > x) return i;
        }
        return m_length;
    }
    // No cell width yet (no drawing parameters): every point is the start.
    if (m_charWidth <= 0) return 0;
    return std::clamp((x + m_charWidth / 2) / m_charWidth, 0, m_length);
}

void CHfcEditTextEngine::MouseLButtonDown(CHfcMouse*, int x, int, int) {
    const int position = PositionFromX(x);
    SetCursorPosition(position);
    const bool hadSelection = HasSelection();
    m_anchor = m_selStart = m_selEnd = position;
    if (hadSelection) NotifySelection();
}

void CHfcEditTextEngine::MouseMove(CHfcMouse*, int x, int, int) {
    if (m_anchor < 0) return;
    const int position = PositionFromX(x);
    SetCursorPosition(position);
    if (position == m_anchor) {
        // Back at the anchor: nothing is selected any more, so the next key must not replace the
        // range the drag selected before.
        if (HasSelection()) {
            m_selStart = m_selEnd = position;
            NotifySelection();
        }
        return;
    }
    SetSelection(std::min(position, m_anchor), std::max(position, m_anchor));
}

void CHfcEditTextEngine::MouseLostCapture(CHfcMouse*) {
    m_anchor = -1;
}

void CHfcEditTextEngine::Idle(uint32_t) {
    const bool wasShown = m_blink >= kBlinkShown;
    m_blink -= kBlinkStep;
    while (m_blink < 0) m_blink += kBlinkPeriod;
    if (wasShown != (m_blink >= kBlinkShown)) NotifyRedraw();
}

void CHfcEditTextEngine::Draw(CHfcDrawContext* context, int x, int y, int width, int) {
    if (!context || !m_fontBmp) return;
    const bool proportional = m_proportional && m_propFont;
    if (proportional) {
        const int textWidth = std::min(GetTextWidth(), width);
        if (m_alignment == 1) x += (width - textWidth) / 2;
        if (m_alignment == 2) x += width - textWidth;
    }
    if (HasSelection()) {
        const int from = OffsetOf(m_selStart);
        const int to = std::min(OffsetOf(m_selEnd), width);
        if (to > from) {
            context->SetBrushColor(m_selectionColour);
            context->FillRect(x + from, y, to - from, m_charHeight);
        }
    }
    if (m_length > 0) {
        if (proportional) {
            const int room = std::min(width, std::min(m_charWidth, width) * m_length);
            context->DrawBmpTextProportional(x, y, m_buffer, room, m_propFont, m_proportionalColour, false);
        } else if (m_charWidth > 0) {
            for (int i = 0, used = 0; i < m_length && used < width; ++i, used += m_charWidth) {
                const int cell = std::min(m_charWidth, width - used);
                // A glyph is drawn only when at least half of it fits.
                if (cell * 2 < m_charWidth) break;
                const int glyph = static_cast<unsigned char>(m_buffer[i]);
                context->CopyBmp(x + used, y, cell, m_charHeight, m_fontBmp, 0, glyph * m_charHeight);
            }
        }
    }
    if (!HasSelection() && IsCaretShown()) {
        int offset = 0;
        if (proportional) {
            for (int i = 0; i < m_caret; ++i) offset += Advance(i) - 1;
        } else {
            offset = m_caret * m_charWidth;
        }
        if (offset - 1 < width) {
            context->SetBrushColor(m_caretColour);
            context->FillRect(x + offset - 1, y, 1, m_charHeight);
        }
    }
}
