#pragma once
// CHfcCtrlKeyboard: an on-screen piano keyboard that reports notes. Its bitmap holds eight full
// pictures of the keyboard stacked vertically; each region of the keyboard shows one of them by its
// state (bits 0-2), so only the regions of keys that changed are copied. The caller's tables (regions,
// key table, hit map) must outlive the control.
#include <cstdint>

#include "Hfc/Core/HfcControl.h"

class CHfcBmp;

struct tagHfcCtrlKeyboardParam {
    int x = 0;
    int y = 0;
    int width = 0;   // 0: the bitmap's width
    int height = 0;  // 0: the bitmap's height / 8
    CHfcBmp* bitmap = nullptr;
    int reserved[4] = {0, 0, 0, 0};
    int keys = 0;
    int regions = 0;
    const tagHfcRect* regionRects = nullptr;  // left and right used, relative to the control
    // Per key: first region, second region (-1: none), state bits.
    const int* keyTable = nullptr;
    // One byte per pixel of the control, row by row: the key under it from the lowest, 255 for none.
    const uint8_t* hitMap = nullptr;
    int lowestNote = 0;
};

class CHfcCtrlKeyboard : public CHfcControl {
public:
    static constexpr int kNoKey = 255;
    static constexpr uint32_t kRedrawBit = 0x80000000u;

    CHfcCtrlKeyboard() = default;
    ~CHfcCtrlKeyboard() override;

    bool OnHfcMouseLButtonDown(CHfcMouse* mouse, int x, int y, int modifiers) override;
    bool OnHfcMouseLButtonDoubleClick(CHfcMouse* mouse, int x, int y, int modifiers) override;
    bool OnHfcMouseLButtonUp(CHfcMouse* mouse, int x, int y, int modifiers) override;
    bool OnHfcMouseMove(CHfcMouse* mouse, int x, int y, int modifiers) override;
    bool OnHfcMouseLostCapture(CHfcMouse* mouse) override;
    bool Destroy() override;
    void Draw(CHfcDrawContext* context) override;
    bool Update(bool redraw, bool now) override;
    // (note | 0x80000000) lights a key, the plain note puts it out; other notes are ignored.
    void SetIntValue(int value, bool redraw) override;
    virtual bool Create(const tagHfcCtrlKeyboardParam* param, int id, int userValue);

    void KeyOn(int key);
    void KeyOff(int key);

    uint32_t GetRegionState(int region) const;
    // The key (0-based) under a point relative to the control, kNoKey outside it or between keys.
    int KeyAt(int x, int y) const;
    // The span Draw copied, relative to the control (left > right when nothing).
    int GetSpanLeft() const { return m_spanLeft; }
    int GetSpanRight() const { return m_spanRight; }

private:
    tagHfcCtrlKeyboardParam m_param{};
    CHfcBmp* m_bmpKeys = nullptr;
    uint32_t* m_states = nullptr;
    int m_key = kNoKey;
    int m_previousKey = kNoKey;
    int m_spanLeft = 0;
    int m_spanRight = 0;
};
