#pragma once
// CHfcCtrlKnob: a rotary knob drawn from a strip of frames, turned in the host's knob mode: 0 by the
// absolute angle of the pointer, 1 by the angle it moves through, 2 by dragging up and down. Option
// swaps the angle and linear modes for one drag; command-click asks for the default value.
#include "Hfc/Core/HfcControl.h"

class CHfcBmp;

struct tagHfcCtrlKnobParam {
    int x = 0;
    int y = 0;
    int width = 0;   // 0: the bitmap's width
    int height = 0;  // 0: the bitmap's height / frames
    CHfcBmp* bitmap = nullptr;
    CHfcBmp* background = nullptr;
    int backgroundX = 0;
    int backgroundY = 0;
    int frames = 0;
    int reserved = 0;
    int minimum = 0;
    int maximum = 0;
    int step = 1;
};

class CHfcCtrlKnob : public CHfcControl {
public:
    static constexpr float kStartAngle = 4.29351f;    // 246 degrees, lower left
    static constexpr float kRange = -5.4454274f;      // 312 degrees clockwise
    static constexpr float kTolerance = 0.41887903f;  // 24 degrees of the bottom gap
    // 0.6 / pi (0.19098592...): a full turn covers 1.2 times the range, a quarter turn 0.3 of it.
    static constexpr double kRelativeScale = 0.6 / 3.14159265358979323846;

    CHfcCtrlKnob() = default;
    ~CHfcCtrlKnob() override;

    bool Create(const tagHfcCtrlKnobParam* param, int id, int userValue);

    bool OnHfcMouseLButtonDown(CHfcMouse* mouse, int x, int y, int modifiers) override;
    bool OnHfcMouseLButtonDoubleClick(CHfcMouse* mouse, int x, int y, int modifiers) override;
    bool OnHfcMouseLButtonUp(CHfcMouse* mouse, int x, int y, int modifiers) override;
    bool OnHfcMouseRButtonDown(CHfcMouse* mouse, int x, int y, int modifiers) override;
    bool OnHfcMouseMove(CHfcMouse* mouse, int x, int y, int modifiers) override;
    bool OnHfcMouseLostCapture(CHfcMouse* mouse) override;
    bool Destroy() override;
    void Draw(CHfcDrawContext* context) override;
    void SetBackBmp(CHfcBmp* bitmap, bool redraw) override;
    void SetIntValue(int value, bool redraw) override;
    // The host's mode lives in sm_iGlobalKnobMode; this one does nothing.
    virtual void SetKnobMode(int mode);

    // The fraction 0..1 of the pointer's angle (x, y relative to the control).
    float ValueFromPoint(int x, int y) const;
    // The value change for a pointer moving from one point to another around the centre.
    int PointToValueRelativeCircular(const tagHfcPoint& from, const tagHfcPoint& to) const;
    int GetFrameIndex() const;
    int GetDragMode() const { return m_dragMode; }

private:
    tagHfcCtrlKnobParam m_param{};
    bool m_hasParam = false;
    float m_radiusOffset = 0.0f;
    float m_scale = 0.0f;
    float m_offset = 0.0f;
    tagHfcPoint m_previous{};
    int m_accumulator = 0;
    int m_lastReported = 0;
    float m_lastFraction = 0.0f;
    int m_dragMode = 2;
};
