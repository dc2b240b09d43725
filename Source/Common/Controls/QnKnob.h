#pragma once
// The rotary knob of the edit pages. CMMPCtrlKnob is the general knob: a value in a range with a
// centre value, a vertical mouse drag (stepped, or accelerated by the time between moves), the arrow
// keys, and inline numeric text entry in a bitmap font on a double click. QnKnob is the knob the
// editor creates: it draws the value as a lit arc cut out of a ring image and the parameter's text
// centred under it. A knob never changes its own value while the user works it: it reports the value
// asked for to its listener, which writes the parameter and sets the knob back. Main thread only.
#include <cstdint>
#include <vector>

#include "Common/Controls/QnValueEditControl.h"

class CHfcBmp;
class CHfcOffscreenContext;
struct tagHfcBmpFontInfo;

struct tagMMPCtrlKnobParam {
    int x = 0;
    int y = 0;
    int width = 0;  // 0: the front image's
    int height = 0;
    int minimum = 0;
    int maximum = 0;
    int centre = 0;
    int pixelStep = 10;
    float centreX = 0.0f;  // arc centre relative to the ring image
    float centreY = 0.0f;
    float radius = 0.0f;
    float startAngle = 0.0f;                      // radians, counter-clockwise from +x with y up: the minimum
    float endAngle = 0.0f;                        // the maximum
    float halfGap = 0.0f;                         // the smallest half-width of the lit arc
    uint32_t colours[4] = {0xFF000000, 0, 0, 0};  // unlit, then three kept for the base drawing
    CHfcBmp* ring = nullptr;
    int knobX = 0;
    int knobY = 0;
    int charWidth = 0;   // 0: the font image's width
    int charHeight = 0;  // 0: the font image's height / 128
    CHfcBmp* font = nullptr;
    int textX = 0;
    int textY = 0;
    int textLength = 0;
    CHfcBmp* front = nullptr;
};

struct tagMMPCtrlKnobParamEx : tagMMPCtrlKnobParam {
    float sensitivity = 0.0f;      // value units per pixel
    float fineSensitivity = 0.0f;  // with Shift
    int keyStep = 10;
};

struct tagMMPCtrlKnobParamEx2 : tagMMPCtrlKnobParamEx {
    uint8_t proportional = 0;
    tagHfcBmpFontInfo* fontInfo = nullptr;
    uint32_t textColour = 0;
};

struct tagQorlKnobParam {
    int x = 0;
    int y = 0;
    int width = 0;  // 0: the ring image's
    int height = 0;
    int backX = 0;
    int backY = 0;
    CHfcBmp* back = nullptr;  // the slice of the page under the knob
    int minimum = 0;
    int maximum = 0;
    int centre = 0;
    int pixelStep = 10;
    float centreX = 0.0f;
    float centreY = 0.0f;
    float radius = 0.0f;
    float startAngle = 0.0f;
    float endAngle = 0.0f;
    float halfGap = 0.0f;
    uint32_t colours[4] = {0xFF000000, 0, 0, 0};
    CHfcBmp* ring = nullptr;
    CHfcBmp* ringBack = nullptr;
    int knobX = 0;
    int knobY = 0;
    int charWidth = 0;
    int charHeight = 0;
    CHfcBmp* font = nullptr;
    int textX = 0;
    int textY = 0;
    int textLength = 0;
};

struct tagQorlKnobParamEx : tagQorlKnobParam {
    float sensitivity = 0.0f;
    float fineSensitivity = 0.0f;
    int keyStep = 10;
    uint8_t proportional = 0;
    tagHfcBmpFontInfo* fontInfo = nullptr;
    uint32_t textColour = 0;
};

// The lit arc of a knob: unlit are the sector from the start angle clockwise to g and the one from h
// clockwise to the end angle. None when the range holds one value.
struct QnKnobArc {
    bool draw = false;
    float g = 0.0f;
    float h = 0.0f;
};
QnKnobArc QnKnobLitArc(int value, int centre, int minimum, int maximum, float startAngle, float endAngle,
                       float halfGap);

class CMMPCtrlKnob : public QnValueEditControl {
public:
    CMMPCtrlKnob();
    ~CMMPCtrlKnob() override;

    // False without a record or its front image.
    bool Create(const tagMMPCtrlKnobParam* param, int id, int subId);
    bool CreateEx(const tagMMPCtrlKnobParamEx* param, int id, int subId);
    bool CreateEx2(const tagMMPCtrlKnobParamEx2* param, int id, int subId);

    bool OnHfcMouseLButtonDown(CHfcMouse* mouse, int x, int y, int modifiers) override;
    bool OnHfcMouseLButtonDoubleClick(CHfcMouse* mouse, int x, int y, int modifiers) override;
    bool OnHfcMouseLButtonUp(CHfcMouse* mouse, int x, int y, int modifiers) override;
    bool OnHfcMouseRButtonDown(CHfcMouse* mouse, int x, int y, int modifiers) override;
    bool OnHfcMouseMove(CHfcMouse* mouse, int x, int y, int modifiers) override;
    bool OnHfcMouseLostCapture(CHfcMouse* mouse) override;
    bool Destroy() override;
    void Draw(CHfcDrawContext* context) override;
    void DrawFocus(CHfcDrawContext* context) override;
    void SetBackBmp(CHfcBmp* bmp, bool redraw) override;
    // Copies at most the display's length of characters (while editing, into the engine too).
    void SetPtrValue(void* text, bool redraw) override;
    void* GetPtrValue() override { return m_text.empty() ? nullptr : m_text.data(); }
    void OnHfcEditTextEngineReturn(CHfcEditTextEngine* engine) override;

    void EnterEdit(const char* text);
    bool IsKnobArea(int x, int y) const;
    bool IsDisplayArea(int x, int y) const;

    bool IsAccelerated() const { return m_accelerated; }
    int GetDragState() const { return m_dragState; }
    int GetCentreValue() const { return m_centre; }
    float GetCentreAngle() const { return m_centreAngle; }
    int GetTextX() const { return m_textX; }
    int GetTextY() const { return m_textY; }
    int GetTextLength() const { return m_textLength; }
    const char* GetText() const { return m_text.empty() ? "" : m_text.data(); }
    void SetEditable(bool editable) { m_editable = editable; }
    void SetEditOnTextOnly(bool on) { m_editOnTextOnly = on; }
    void SetCentreValue(int centre);
    // The lit arc of the current value.
    QnKnobArc GetLitArc() const;

protected:
    // Every creation record, normalised.
    struct Config {
        int x, y, width, height, minimum, maximum, centre, pixelStep;
        float centreX, centreY, radius, startAngle, endAngle, halfGap;
        uint32_t colours[4];
        CHfcBmp* ring;
        int knobX, knobY, charWidth, charHeight;
        CHfcBmp* font;
        int textX, textY, textLength;
        CHfcBmp* front;
        bool accelerated;
        float sensitivity, fineSensitivity;
        int keyStep;
        bool proportional;
        tagHfcBmpFontInfo* fontInfo;
        uint32_t textColour;
    };
    // The fields both record families share, by name.
    template <class Record>
    static Config CommonConfig(const Record& p);
    static Config FromRecord(const tagMMPCtrlKnobParam& p);
    static Config FromRecord(const tagMMPCtrlKnobParamEx& p);
    bool Configure(const Config& c, int id, int subId);
    void ResizeText(int length);
    int KeyStep() const override { return m_accelerated ? m_keyStep : 1; }
    // The text drawn in the display: centred in the control with the proportional font, else fixed cells.
    void DrawValueText(CHfcDrawContext* context, int left, int y, uint32_t colour);

    bool m_accelerated = false;
    int m_centre = 0;
    int m_pixelStep = 10;
    float m_sensitivity = 0.0f;
    float m_fineSensitivity = 0.0f;
    int m_keyStep = 10;
    float m_centreX = 0.0f;
    float m_centreY = 0.0f;
    float m_radius = 0.0f;
    float m_startAngle = 0.0f;
    float m_endAngle = 0.0f;
    float m_halfGap = 0.0f;
    uint32_t m_unlitColour = 0xFF000000;
    uint32_t m_colours[4] = {0xFF000000, 0, 0, 0};
    CHfcBmp* m_ring = nullptr;
    int m_knobX = 0;
    int m_knobY = 0;
    int m_knobWidth = 0;
    int m_knobHeight = 0;
    int m_textX = 0;
    int m_textY = 0;
    int m_textLength = 0;
    CHfcBmp* m_front = nullptr;
    float m_centreAngle = 0.0f;
    std::vector<char> m_text;  // text length + 1, or empty
    bool m_editable = true;
    int64_t m_accumulator = 0;  // stepped mode, pixel units (wide: a long drag cannot overflow it)
    int m_dragValue = 0;
    float m_floatAccumulator = 0.0f;
    tagHfcPoint m_last{};
    uint32_t m_lastMoveTime = 0;
    int m_dragState = 0;
    uint32_t m_disabledOverlay = 0x7F000000;
    bool m_editOnTextOnly = false;

private:
    void OnLButtonDown(CHfcMouse* mouse, int x, int y);
    void OnLButtonDownEx(CHfcMouse* mouse, int x, int y, int modifiers);
    void OnMove(int y, int modifiers);
    void OnMoveEx(CHfcMouse* mouse, int x, int y, int modifiers);
    void TakeFocusForDrag();
};

class QnKnob : public CMMPCtrlKnob {
public:
    QnKnob();
    ~QnKnob() override;

    // False only without a record.
    bool Create(const tagQorlKnobParam* param, int id, int subId);
    bool CreateEx(const tagQorlKnobParamEx* param, int id, int subId);

    void Draw(CHfcDrawContext* context) override;
    // The page framework's knob settings: the display width in characters (sized and given its font)
    // and the centre value.
    void SetParameter(int kind, int value, void* pointer, bool redraw) override;
    virtual void DrawValue(CHfcDrawContext* context);
    virtual void DrawString(CHfcDrawContext* context);

    void SetDispInfo(int textX, int textY, int length);
    void SetFontInfo(bool proportional, tagHfcBmpFontInfo* fontInfo, CHfcBmp* fontImage);

    CHfcBmp* GetRingBack() const { return m_ringBack; }

private:
    int m_backX = 0;
    int m_backY = 0;
    CHfcBmp* m_back = nullptr;
    CHfcBmp* m_ringBack = nullptr;
    CHfcOffscreenContext* m_scratch = nullptr;  // the ring with its unlit sectors cut, kept between draws
};
