#pragma once
// What the knob and the value bars share: an integer value kept within the range, the arrow keys
// that step it (right and up add, left and down subtract; not while the control holds the mouse),
// and an inline edit engine for typed values drawn in the control's bitmap font. The control reports
// values and typed text to its listener and never sets its own value from the user's input.
#include <cstdint>

#include "Hfc/Core/HfcControl.h"
#include "Hfc/Core/HfcTextEngine.h"

class CHfcBmp;
struct tagHfcBmpFontInfo;

class QnValueEditControl : public CHfcControl, public CHfcEditTextEngineListener {
public:
    ~QnValueEditControl() override;
    QnValueEditControl(const QnValueEditControl&) = delete;
    QnValueEditControl& operator=(const QnValueEditControl&) = delete;

    // Clamped to the range; dirty (when redraw) only when it changes.
    void SetIntValue(int value, bool redraw) override;
    // Arrow codes 28 to 31 step the value and are handled; while editing, codes below 32 and 127
    // go to the engine.
    bool OnKeyDown(int character, int virtualKey, int modifiers) override;
    bool OnKeyRepeat(int character, int virtualKey, int modifiers) override;
    bool OnKeyChar(int character) override;
    // Losing the key focus leaves text entry without a report.
    void OnKeyLostFocus() override;
    void OnIdle(int time) override;
    void OnHfcEditTextEngineNeedRedrawn(CHfcEditTextEngine* engine) override;
    void OnHfcEditTextEngineEsc(CHfcEditTextEngine* engine) override;

    // Ends text entry: the key focus is released and the control redrawn.
    void LeaveEdit();
    bool IsEditing() const { return m_editing; }
    CHfcEditTextEngine* GetEngine() { return m_engine; }
    // The edit engine's selection colour (its other draw settings kept).
    void SetEditSelectionColor(uint32_t colour);
    int GetCharWidth() const { return m_charWidth; }
    int GetCharHeight() const { return m_charHeight; }

protected:
    QnValueEditControl();
    // The value change of one arrow key.
    virtual int KeyStep() const { return 1; }
    // Gives the engine the control's font (proportional when the control draws so).
    void ApplyEngineFont();
    // Sends text to the listener as typed text and leaves text entry.
    void SendText(char* text);
    void Report(int value);

    CHfcEditTextEngine* m_engine = nullptr;
    bool m_editing = false;
    uint32_t m_selectionColour = 0x7F7F7FFF;
    CHfcBmp* m_font = nullptr;
    int m_charWidth = 0;
    int m_charHeight = 0;
    bool m_proportional = false;
    tagHfcBmpFontInfo* m_fontInfo = nullptr;
    uint32_t m_textColour = 0;
};
