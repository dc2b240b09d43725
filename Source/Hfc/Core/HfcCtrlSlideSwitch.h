#pragma once
// Slide switches: a selector of n positions dragged vertically (CHfcCtrlSlideSwitch) or clicked
// horizontally (CHfcCtrlHorizontalSlideSwitch). The top (left) cell is the highest position.
#include "Hfc/Core/HfcControl.h"

class CHfcBmp;

struct tagHfcCtrlSlideSwitchParam {
    int x = 0;
    int y = 0;
    int width = 0;   // 0: the bitmap's width
    int height = 0;  // 0: the bitmap's height / positions
    CHfcBmp* bitmap = nullptr;
    CHfcBmp* background = nullptr;
    int backgroundX = 0;
    int backgroundY = 0;
    int positions = 0;
    int reserved = 0;
};

struct tagHfcCtrlHorizontalSlideSwitchParam : tagHfcCtrlSlideSwitchParam {};

class CHfcCtrlSlideSwitch : public CHfcControl {
public:
    CHfcCtrlSlideSwitch() = default;
    ~CHfcCtrlSlideSwitch() override;

    // False without a record or bitmap, or with fewer than one position.
    bool Create(const tagHfcCtrlSlideSwitchParam* param, int id, int userValue);

    bool OnHfcMouseLButtonDown(CHfcMouse* mouse, int x, int y, int modifiers) override;
    bool OnHfcMouseLButtonDoubleClick(CHfcMouse* mouse, int x, int y, int modifiers) override;
    bool OnHfcMouseLButtonUp(CHfcMouse* mouse, int x, int y, int modifiers) override;
    bool OnHfcMouseRButtonDown(CHfcMouse* mouse, int x, int y, int modifiers) override;
    bool OnHfcMouseMove(CHfcMouse* mouse, int x, int y, int modifiers) override;
    bool Destroy() override;
    void Draw(CHfcDrawContext* context) override;
    void SetIntValue(int value, bool redraw) override;

    // The position under a point (relative to the control).
    int PositionFromPoint(int x, int y) const;
    int GetFrameIndex() const;

protected:
    // The horizontal switch reads x and the width, handles presses while disabled, ignores moves
    // and draws the same frame whether enabled or not.
    explicit CHfcCtrlSlideSwitch(bool horizontal) : m_horizontal(horizontal) {}

private:
    void ReportPosition(int x, int y);

    bool m_horizontal = false;
    CHfcBmp* m_bitmap = nullptr;
    CHfcBmp* m_background = nullptr;
    int m_backgroundX = 0;
    int m_backgroundY = 0;
    int m_positions = 0;
    tagHfcPoint m_press{};
};

class CHfcCtrlHorizontalSlideSwitch : public CHfcCtrlSlideSwitch {
public:
    CHfcCtrlHorizontalSlideSwitch() : CHfcCtrlSlideSwitch(true) {}
    bool Create(const tagHfcCtrlHorizontalSlideSwitchParam* param, int id, int userValue) {
        return CHfcCtrlSlideSwitch::Create(param, id, userValue);
    }
};
