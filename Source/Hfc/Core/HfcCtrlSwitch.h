#pragma once
// Stock switches: CHfcCtrlSwitch (a button or multi-state switch drawn from a strip of frames) and
// CHfcCtrlTextSwitch (the same with a caption in a proportional bitmap font).
//
// Like every stock control the switch does not change its own value: a press reports the value with
// bit 31 set (0x80000000) and the release reports the plain value; the listener answers with
// SetIntValue. A listener that toggles must toggle on the press alone: X11 (and always XTest) may
// deliver press and release in one batch, and a release that wrote its plain value would undo the
// toggle before anyone saw it.
#include <cstdint>

#include "Hfc/Core/HfcControl.h"

class CHfcBmp;
struct tagHfcBmpFontInfo;

struct tagHfcCtrlSwitchParamEx {
    int x = 0;
    int y = 0;
    int width = 0;   // 0: the bitmap's width
    int height = 0;  // 0: the bitmap's height / the number of frames
    CHfcBmp* bitmap = nullptr;
    CHfcBmp* background = nullptr;  // optional, drawn first from (backgroundX, backgroundY)
    int backgroundX = 0;
    int backgroundY = 0;
    int states = 0;
    uint8_t oneFramePerState = 1;  // else a normal and a pressed frame per state
    uint8_t hasDisabledFrame = 0;  // a frame after all state frames
};

class CHfcCtrlSwitch : public CHfcControl {
public:
    CHfcCtrlSwitch();
    ~CHfcCtrlSwitch() override;

    // False, creating nothing, without a record or bitmap or with fewer than one state.
    bool CreateEx(const tagHfcCtrlSwitchParamEx* param, int id, int userValue);

    bool OnHfcMouseLButtonDown(CHfcMouse* mouse, int x, int y, int modifiers) override;
    bool OnHfcMouseLButtonDoubleClick(CHfcMouse* mouse, int x, int y, int modifiers) override;
    bool OnHfcMouseLButtonUp(CHfcMouse* mouse, int x, int y, int modifiers) override;
    bool OnHfcMouseRButtonDown(CHfcMouse* mouse, int x, int y, int modifiers) override;
    bool OnHfcMouseMove(CHfcMouse* mouse, int x, int y, int modifiers) override;
    bool OnHfcMouseLostCapture(CHfcMouse* mouse) override;
    void Initialize() override;
    bool Destroy() override;
    void Draw(CHfcDrawContext* context) override;
    // Bit 31 is the pressed look; the value itself is clamped as a signed number.
    void SetIntValue(int value, bool redraw) override;
    bool OnKeyChar(int character) override;

    int GetFrameCount() const { return m_frameCount; }
    bool IsPressed() const { return m_pressed != 0; }
    // The frame Draw copies for the current state.
    int GetFrameIndex() const;

protected:
    CHfcBmp* m_bitmap = nullptr;
    CHfcBmp* m_background = nullptr;
    int m_backgroundX = 0;
    int m_backgroundY = 0;
    int m_states = 0;
    bool m_oneFramePerState = true;
    bool m_hasDisabledFrame = false;
    int m_frameCount = 0;
    uint32_t m_pressed = 0;  // 0 or 0x80000000
    bool m_answersSpace = false;

    // The switch's own picture without the focus mark: the current state's frame, or the given one.
    void DrawFrame(CHfcDrawContext* context);
    void DrawFrame(CHfcDrawContext* context, int frame);
};

struct tagHfcCtrlTextSwitchParam : tagHfcCtrlSwitchParamEx {
    tagHfcBmpFontInfo* font = nullptr;
    const char* text = nullptr;  // copied
    uint32_t colour = 0;         // 0xAARRGGBB
    int hAlign = 1;              // 0 left, 1 centre, 2 right
    int hMargin = 0;
    int vAlign = 1;  // 0 top, 1 centre, 2 bottom
    int vMargin = 0;
};

class CHfcCtrlTextSwitch : public CHfcCtrlSwitch {
public:
    CHfcCtrlTextSwitch() = default;
    ~CHfcCtrlTextSwitch() override;

    bool Create(const tagHfcCtrlTextSwitchParam* param, int id, int userValue);
    void Draw(CHfcDrawContext* context) override;
    // Copies the text (a null text is ignored).
    void SetPtrValue(void* text, bool redraw) override;
    void* GetPtrValue() override { return m_text; }
    virtual void DrawText(CHfcDrawContext* context);

    const char* GetText() const { return m_text; }

protected:
    // The caption, its font, colour and placement from a record.
    void SetTextLook(const tagHfcCtrlTextSwitchParam* param);

    tagHfcBmpFontInfo* m_font = nullptr;
    char* m_text = nullptr;
    uint32_t m_colour = 0;
    int m_hAlign = 1;
    int m_hMargin = 0;
    int m_vAlign = 1;
    int m_vMargin = 0;
};
