#pragma once
// CHfcCtrlCharEditText: a text field drawn with a bitmap font. It doubles as a numeric field whose
// integer value changes by vertical drags and arrow keys, and becomes an editable line (through
// CHfcEditTextEngine) on a double click or EnterEdit. Return reports the edited text with
// OnHfcCtrlPtrValueChanged; the field shows its own text until the listener sets the new one.
#include <cstdint>

#include "Hfc/Core/HfcControl.h"
#include "Hfc/Core/HfcTextEngine.h"

class CHfcBmp;
struct tagHfcBmpFontInfo;

struct tagHfcCtrlCharEditTextParamEx2 {
    int x = 0;
    int y = 0;
    int width = 0;            // 0: from the character width and columns
    int height = 0;           // 0: character height × rows
    CHfcBmp* font = nullptr;  // 128 glyph cells stacked vertically
    CHfcBmp* background = nullptr;
    CHfcBmp* overlay = nullptr;
    int backgroundX = 0;
    int backgroundY = 0;
    int charWidth = 0;   // 0: the font bitmap's width
    int charHeight = 0;  // 0: the font bitmap's height / 128
    int rows = 1;
    int columns = 0;  // the text's capacity per row
    int minimum = 0;
    int maximum = 0;
    int reserved1 = 0;
    int derived1 = 0;
    uint32_t selectionColour = 0x7f007fff;
    uint32_t backgroundColour = 0;  // 0: no fill
    uint32_t caretColour = 0xffffffff;
    double step = 0.0;      // value per pixel of drag
    double fineStep = 0.0;  // with shift
    int derived2 = 0;
    uint8_t proportional = 0;
    tagHfcBmpFontInfo* proportionalFont = nullptr;
    uint32_t proportionalColour = 0;
};

class CHfcCtrlCharEditText : public CHfcControl, public CHfcEditTextEngineListener {
public:
    CHfcCtrlCharEditText();
    ~CHfcCtrlCharEditText() override;

    // False without a record, its font bitmap, rows or columns.
    bool CreateEx2(const tagHfcCtrlCharEditTextParamEx2* param, int id, int userValue);
    // Starts editing text (null: the field's own); false when already editing.
    bool EnterEdit(const char* text);
    void LeaveEdit();
    bool IsEditing() const { return m_editing; }
    void DrawBackground(CHfcDrawContext* context);
    void DrawText(CHfcDrawContext* context);

    bool OnHfcMouseLButtonDown(CHfcMouse* mouse, int x, int y, int modifiers) override;
    bool OnHfcMouseLButtonDoubleClick(CHfcMouse* mouse, int x, int y, int modifiers) override;
    bool OnHfcMouseLButtonUp(CHfcMouse* mouse, int x, int y, int modifiers) override;
    bool OnHfcMouseRButtonDown(CHfcMouse* mouse, int x, int y, int modifiers) override;
    bool OnHfcMouseMove(CHfcMouse* mouse, int x, int y, int modifiers) override;
    bool OnHfcMouseLostCapture(CHfcMouse* mouse) override;
    bool Destroy() override;
    void Draw(CHfcDrawContext* context) override;
    void Erase(CHfcDrawContext* context) override;
    void OnIdle(int time) override;
    void Hide(bool redraw) override;
    void* GetPtrValue() override { return m_text; }
    // Copies at most columns bytes; the rest of the row is cleared.
    void SetPtrValue(void* text, bool redraw) override;
    void OnKeyLostFocus() override;
    bool OnKeyDown(int character, int virtualKey, int modifiers) override;
    bool OnKeyRepeat(int character, int virtualKey, int modifiers) override;
    bool OnKeyChar(int character) override;
    void OnHfcEditTextEngineNeedRedrawn(CHfcEditTextEngine* engine) override;
    void OnHfcEditTextEngineReturn(CHfcEditTextEngine* engine) override;
    void OnHfcEditTextEngineEsc(CHfcEditTextEngine* engine) override;
    virtual void Disable(bool redraw);

    CHfcEditTextEngine* GetEngine() { return m_engine; }
    void SetDoubleClickEdits(bool edits) { m_doubleClickEdits = edits; }
    void SetFocusLossCancels(bool cancels) { m_focusLossCancels = cancels; }
    void SetKeyStep(int step) { m_keyStep = step; }
    int GetCharWidth() const { return m_param.charWidth; }
    int GetCharHeight() const { return m_param.charHeight; }

private:
    tagHfcCtrlCharEditTextParamEx2 m_param{};
    CHfcEditTextEngine* m_engine = nullptr;
    char* m_text = nullptr;  // (columns + 1) × rows bytes
    bool m_editing = false;
    bool m_doubleClickEdits = true;
    bool m_focusLossCancels = true;
    int m_keyStep = 1;
    tagHfcPoint m_previous{};
    double m_accumulator = 0.0;
    int m_lastReported = 0;
};
