#pragma once
// Value bars for integer parameters: CXBCtrlHorizontalValueBar fills from a centre value to the right
// or left and shows a value text beside the bar; CXBCtrlVerticalValueBar fills upwards and shows the
// value as a zero-padded number. Both are dragged on the bar (the value under the pointer, then by
// movement) or on the display (vertical movement), stepped with the arrow keys and take typed values
// through an inline edit engine on a double click on the display. Like the knob they only report the
// values asked for; the owning layer writes the parameter and sets the bar back. Main thread only.
#include <cstdint>
#include <string>

#include "Common/Controls/QnValueEditControl.h"

class CHfcBmp;
struct tagHfcBmpFontInfo;

struct tagXBCtrlValueBarParam {
    int x = 0;
    int y = 0;
    int width = 0;  // 0: the back image's
    int height = 0;
    int backX = 0;
    int backY = 0;
    CHfcBmp* back = nullptr;
    int barX = 0;
    int barY = 0;
    int barWidth = 0;  // 0: the bar image's
    int barHeight = 0;
    CHfcBmp* bar = nullptr;
    int textX = 0;
    int textY = 0;
    int textWidth = 0;   // 0: char width x characters
    int textHeight = 0;  // 0: char height
    int characters = 0;
    int signedDisplay = 0;
    int charWidth = 0;   // 0: the font image's width
    int charHeight = 0;  // 0: the font image's height / 128
    CHfcBmp* font = nullptr;
    int minimum = 0;
    int maximum = 0;
    int centre = 0;
    float pixelStep = 0.0f;
    float scale = 0.0f;
};

struct tagXBCtrlValueBarParamEx : tagXBCtrlValueBarParam {
    float fineScale = 0.0f;
    uint32_t reserved = 0;
};

struct tagXBCtrlValueBarParamEx2 : tagXBCtrlValueBarParamEx {
    uint8_t proportional = 0;
    tagHfcBmpFontInfo* fontInfo = nullptr;
    uint32_t textColour = 0;
};

using tagXBCtrlHorizontalValueBarParam = tagXBCtrlValueBarParam;
using tagXBCtrlHorizontalValueBarParamEx = tagXBCtrlValueBarParamEx;
using tagXBCtrlHorizontalValueBarParamEx2 = tagXBCtrlValueBarParamEx2;
using tagXBCtrlVerticalValueBarParam = tagXBCtrlValueBarParam;
using tagXBCtrlVerticalValueBarParamEx = tagXBCtrlValueBarParamEx;
using tagXBCtrlVerticalValueBarParamEx2 = tagXBCtrlValueBarParamEx2;

// The lit span of a bar of length L: pixels [start, start + length) counted from the bar's left
// (horizontal) or bottom (vertical) end. The centre is taken within the range for the arithmetic, so
// the span never leaves the bar.
struct QnBarSpan {
    int start = 0;
    int length = 0;
};
QnBarSpan QnValueBarSpan(int value, int centre, int minimum, int maximum, int length);

// The text of a vertical bar's display: the value zero-padded to characters digits, or with
// signedDisplay a sign ("-" below 0, else "+") and the magnitude padded to one digit fewer.
std::string QnValueBarNumber(int value, int characters, bool signedDisplay);

// What the two bars share; the concrete classes fix the direction.
class CXBCtrlValueBar : public QnValueEditControl {
public:
    ~CXBCtrlValueBar() override;

    // False without a record, its back image or its bar image (and, for the extended records, its
    // font image).
    bool Create(const tagXBCtrlValueBarParam* param, int id, int subId);
    bool CreateEx(const tagXBCtrlValueBarParamEx* param, int id, int subId);
    bool CreateEx2(const tagXBCtrlValueBarParamEx2* param, int id, int subId);

    bool OnHfcMouseLButtonDown(CHfcMouse* mouse, int x, int y, int modifiers) override;
    bool OnHfcMouseLButtonDoubleClick(CHfcMouse* mouse, int x, int y, int modifiers) override;
    bool OnHfcMouseLButtonUp(CHfcMouse* mouse, int x, int y, int modifiers) override;
    bool OnHfcMouseRButtonDown(CHfcMouse* mouse, int x, int y, int modifiers) override;
    bool OnHfcMouseMove(CHfcMouse* mouse, int x, int y, int modifiers) override;
    bool OnHfcMouseLostCapture(CHfcMouse* mouse) override;
    bool Destroy() override;
    void Draw(CHfcDrawContext* context) override;
    void DrawFocus(CHfcDrawContext* context) override;
    // The page framework's bar settings: the centre value and the signed display (a bool).
    void SetParameter(int kind, int value, void* pointer, bool redraw) override;
    void OnHfcEditTextEngineReturn(CHfcEditTextEngine* engine) override;

    void EnterEdit(const char* text);
    bool IsBarArea(int x, int y) const;
    bool IsDisplayArea(int x, int y) const;
    void DrawBar(CHfcDrawContext* context);
    virtual void DrawDisp(CHfcDrawContext* context) = 0;
    void OnMouseLButtonDownOnTheBar(CHfcMouse* mouse, int x, int y);
    void OnMouseLButtonDownOnTheDisp(CHfcMouse* mouse, int x, int y, int modifiers);
    void OnMouseMoveOnTheBar(int x, int y, int modifiers);
    void OnMouseMoveOnTheDisp(CHfcMouse* mouse, int x, int y, int modifiers);
    void OnMouseLButtonDoubleClickOnTheBar(CHfcMouse* mouse, int x, int y);
    void OnMouseLButtonDoubleClickOnTheDisp(CHfcMouse* mouse, int x, int y, int modifiers);

    int GetDragState() const { return m_dragState; }
    int GetCentreValue() const { return m_centre; }
    void SetCentreValue(int centre, bool redraw);
    bool IsSignedDisplay() const { return m_signedDisplay; }
    void SetEditable(bool editable) { m_editable = editable; }
    // The span DrawBar fills for the current value.
    QnBarSpan GetSpan() const;

protected:
    explicit CXBCtrlValueBar(bool vertical);
    bool Configure(const tagXBCtrlValueBarParamEx2& p, bool needsFont, int id, int subId);
    // The text typed values start from.
    virtual std::string EditText() const = 0;
    // The display drawn from text: proportional in the display box (clipped to the control), else
    // fixed-width glyphs.
    void DrawText(CHfcDrawContext* context, const char* text, int count);

    const bool m_vertical;
    int m_backX = 0;
    int m_backY = 0;
    CHfcBmp* m_back = nullptr;
    int m_barX = 0;
    int m_barY = 0;
    int m_barWidth = 0;
    int m_barHeight = 0;
    CHfcBmp* m_bar = nullptr;
    int m_textX = 0;
    int m_textY = 0;
    int m_textWidth = 0;
    int m_textHeight = 0;
    int m_characters = 0;
    bool m_signedDisplay = false;
    int m_centre = 0;
    float m_pixelStep = 0.0f;
    float m_scale = 0.0f;
    float m_fineScale = 0.0f;
    uint32_t m_reserved = 0;
    int m_dragState = 0;
    float m_accumulator = 0.0f;
    int m_lastX = 0;
    int m_lastY = 0;
    int m_dragValue = 0;
    bool m_editable = true;
    uint32_t m_lastTime = 0;
    uint32_t m_disabledOverlay = 0x7F000000;
    // Text focus left, top, right, bottom; bar focus left, top, right, bottom; corner arm.
    int m_focusMargins[9] = {2, 2, 2, 2, 3, 3, 5, 5, 3};
};

class CXBCtrlHorizontalValueBar : public CXBCtrlValueBar {
public:
    CXBCtrlHorizontalValueBar() : CXBCtrlValueBar(false) {}
    // A non-null text replaces the value text.
    void SetPtrValue(void* text, bool redraw) override;
    void* GetPtrValue() override { return m_text.data(); }
    void DrawDisp(CHfcDrawContext* context) override;

private:
    std::string EditText() const override { return m_text; }
    std::string m_text;
};

class CXBCtrlVerticalValueBar : public CXBCtrlValueBar {
public:
    CXBCtrlVerticalValueBar() : CXBCtrlValueBar(true) {}
    void DrawDisp(CHfcDrawContext* context) override;

private:
    std::string EditText() const override;
};
