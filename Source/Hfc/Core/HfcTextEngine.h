#pragma once
// The editing core of a one-line text field: a growable buffer with a caret and a selection, the keys
// that move and edit them, mouse placement and drag selection, a blinking caret, and drawing with a
// fixed-width glyph strip or a proportional bitmap font. It has no window: its host passes keys, mouse
// positions, idle ticks and a drawing context, and hears back through CHfcEditTextEngineListener.
// Main thread only.
#include <algorithm>
#include <cstdint>

class CHfcBmp;
class CHfcDrawContext;
class CHfcMouse;
struct tagHfcBmpFontInfo;
class CHfcEditTextEngine;

class CHfcEditTextEngineListener {
public:
    virtual ~CHfcEditTextEngineListener() = default;
    virtual void OnHfcEditTextEngineBufferIsModified(CHfcEditTextEngine* engine);
    virtual void OnHfcEditTextEngineCursorPositionIsChanged(CHfcEditTextEngine* engine, int caret);
    virtual void OnHfcEditTextEngineSelectionIsChanged(CHfcEditTextEngine* engine, int start, int end);
    virtual void OnHfcEditTextEngineNeedRedrawn(CHfcEditTextEngine* engine);
    virtual void OnHfcEditTextEngineReturn(CHfcEditTextEngine* engine);
    virtual void OnHfcEditTextEngineEsc(CHfcEditTextEngine* engine);
    // Never called by the engine itself.
    virtual void OnHfcEditTextEngineKeyDown(CHfcEditTextEngine* engine, int character, int modifiers);
};

class CHfcEditTextEngine {
public:
    // The buffer holds at least 1024 bytes.
    CHfcEditTextEngine(CHfcEditTextEngineListener* listener, int capacity);
    virtual ~CHfcEditTextEngine();
    CHfcEditTextEngine(const CHfcEditTextEngine&) = delete;
    CHfcEditTextEngine& operator=(const CHfcEditTextEngine&) = delete;

    // The characters typing may insert; null or "" accepts every character from 32 up.
    void SetInputFilter(const char* characters);
    // The most characters the text holds (0: no limit): typing stops there and SetText cuts there.
    void SetMaxLength(int length) { m_maxLength = std::max(0, length); }
    int GetMaxLength() const { return m_maxLength; }
    // With a bitmap, a cell width <= 0 means the bitmap's width and a height <= 0 its height / 128.
    void SetDrawParameters(CHfcBmp* font, uint32_t selectionColour, uint32_t caretColour, int charWidth,
                           int charHeight, int columns);
    // Drawing and measuring with a proportional font (null: the fixed-width glyph strip).
    void SetProportionalFont(tagHfcBmpFontInfo* font, uint32_t colour);
    void SetProportional(bool proportional) { m_proportional = proportional; }
    // 0 left, 1 centre, 2 right (proportional drawing only).
    void SetAlignment(int alignment) { m_alignment = alignment; }
    int GetAlignment() const { return m_alignment; }

    void SetText(const char* text);
    void SetCursorPosition(int position);
    // Refused when (start, end) is the current selection, start < 0, start >= length, start >= end or
    // end > length.
    void SetSelection(int start, int end);

    void KeyDown(int character, int modifiers);
    void Input(int character);

    // x is relative to the field's left edge.
    void MouseLButtonDown(CHfcMouse* mouse, int x, int y, int modifiers);
    void MouseMove(CHfcMouse* mouse, int x, int y, int modifiers);
    void MouseLostCapture(CHfcMouse* mouse);

    // Caret blink, one call per display tick.
    void Idle(uint32_t time);
    void Draw(CHfcDrawContext* context, int x, int y, int width, int height);

    const char* GetText() const { return m_buffer; }
    int GetLength() const { return m_length; }
    int GetCapacity() const { return m_capacity; }
    int GetCursorPosition() const { return m_caret; }
    int GetSelectionStart() const { return m_selStart; }
    int GetSelectionEnd() const { return m_selEnd; }
    bool HasSelection() const { return m_selStart < m_selEnd; }
    bool IsCaretShown() const { return m_blink >= 250; }
    int GetCharWidth() const { return m_charWidth; }
    int GetCharHeight() const { return m_charHeight; }
    int GetColumns() const { return m_columns; }
    // Width of the whole text in pixels: the proportional advances, or length × cell width.
    int GetTextWidth() const;
    // The caret position nearest to x (relative to the field's left edge).
    int PositionFromX(int x) const;

private:
    bool Reserve(int bytes);
    void DeleteSelection();
    void ForwardDelete();
    void MoveLeft(bool shift);
    void MoveRight(bool shift);
    void MoveHome(bool shift);
    void MoveEnd(bool shift);
    int Advance(int index) const;
    int OffsetOf(int position) const;

    void NotifyModified();
    void NotifyCaret();
    void NotifySelection();
    void NotifyRedraw();

    CHfcEditTextEngineListener* m_listener;
    char* m_buffer = nullptr;
    int m_capacity = 0;
    int m_length = 0;
    char* m_filter = nullptr;
    int m_caret = 0;
    int m_selStart = 0;
    int m_selEnd = 0;
    int m_columns = 0;
    int m_blink = 0;
    CHfcBmp* m_fontBmp = nullptr;
    int m_charWidth = 0;
    int m_charHeight = 0;
    uint32_t m_selectionColour = 0xff3f3f7f;
    uint32_t m_caretColour = 0xffffffff;
    uint32_t m_proportionalColour = 0;
    int m_anchor = -1;
    bool m_proportional = false;
    tagHfcBmpFontInfo* m_propFont = nullptr;
    int m_alignment = 0;
    int m_maxLength = 0;
};
