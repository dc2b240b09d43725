#pragma once
// CHfcCtrlWheel: a wheel dragged up and down (pitch and modulation wheels), drawn from a strip of
// frames, optionally reporting a rest value when released.
#include <cstdint>

#include "Hfc/Core/HfcControl.h"

class CHfcBmp;

// One step of a vertical drag by steps: dy > 0 is upwards. With shift the step is 1; otherwise an
// accumulator that is not a multiple of the step is first truncated to one (raised by a step when
// moving down), so the value lands on the step grid. A step <= 0 counts as 1.
int HfcCtrlStepDrag(int accumulator, int dy, int step, bool shift);

struct tagHfcCtrlWheelParam {
    int x = 0;
    int y = 0;
    int width = 0;   // 0: the bitmap's width
    int height = 0;  // 0: the bitmap's height / frames
    CHfcBmp* bitmap = nullptr;
    CHfcBmp* background = nullptr;  // without one the wheel is drawn over black
    int backgroundX = 0;
    int backgroundY = 0;
    int frames = 0;
    int minimum = 0;
    int maximum = 0;
    int step = 1;
    int restValue = 0;
    uint8_t returnsToRest = 0;
};

class CHfcCtrlWheel : public CHfcControl {
public:
    CHfcCtrlWheel() = default;
    ~CHfcCtrlWheel() override;

    bool Create(const tagHfcCtrlWheelParam* param, int id, int userValue);

    bool OnHfcMouseLButtonDown(CHfcMouse* mouse, int x, int y, int modifiers) override;
    bool OnHfcMouseLButtonDoubleClick(CHfcMouse* mouse, int x, int y, int modifiers) override;
    bool OnHfcMouseLButtonUp(CHfcMouse* mouse, int x, int y, int modifiers) override;
    bool OnHfcMouseMove(CHfcMouse* mouse, int x, int y, int modifiers) override;
    bool OnHfcMouseLostCapture(CHfcMouse* mouse) override;
    bool Destroy() override;
    void Draw(CHfcDrawContext* context) override;
    void SetIntValue(int value, bool redraw) override;

    int GetFrameIndex() const;
    int GetAccumulator() const { return m_accumulator; }

private:
    tagHfcCtrlWheelParam m_param{};
    bool m_hasParam = false;
    tagHfcPoint m_previous{};
    int m_accumulator = 0;
    int m_lastReported = 0;
};
