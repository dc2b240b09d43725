#pragma once
// What the envelope and filter graphs share: a graph box whose control rectangle reaches two pixels
// left of and above the graph and four right of and below it, the back image copied from two pixels
// before its source point, square handles with a label row each that the user drags, the press that
// starts such a drag, and the corner brackets of the focused handle.
#include <cstdint>

#include "Hfc/Core/HfcControl.h"

class CHfcBmp;
class CHfcMouse;

class CXBCtrlGraph : public CHfcControl {
public:
    // The arrow keys' character codes.
    enum : int { kKeyLeft = 28, kKeyRight = 29, kKeyUp = 30, kKeyDown = 31 };
    // Fill of the area the dragged handle can reach.
    static constexpr uint32_t kRangeColour = 0x25A5ACB3;

    float GetDisabledAlpha() const { return m_fDisabledAlpha; }
    void SetDisabledAlpha(float alpha) { m_fDisabledAlpha = alpha; }

    // colour with its alpha multiplied by factor.
    static uint32_t ScaleAlpha(uint32_t argb, float factor);
    // True when (x, y) lies strictly inside the square of side size + pad whose corner is
    // (cx, cy) - (size / 2 + pad / 2).
    static bool InsideHandle(int x, int y, int cx, int cy, int size, int pad);

    // An arrow key applied to a handle's horizontal and vertical values: left adds adjust - 2 to the
    // horizontal one, right 2 - adjust, up adds 1 to the vertical one, down takes 1; both are then
    // clamped to [minimum, maximum]. False (nothing changed) for any other key.
    static bool ArrowStep(int ch, int adjust, int minimum, int maximum, int* horizontal, int* vertical);
    // A drag's accumulator starting at value: value x scale + scale / 2.
    static float StartAccumulator(int value, float scale);
    // The accumulated value (truncated), clamped to [minimum, maximum].
    static int Accumulated(float accumulator, float scale, int minimum, int maximum);
    // top less the accumulated value, clamped: the vertical values, which grow upwards.
    static int AccumulatedBelow(int64_t top, float accumulator, float scale, int minimum, int maximum);

protected:
    // The graph's rectangle: (x - 2, y - 2) to (x + width + 4, y + height + 4).
    void CreateBox(int x, int y, int width, int height, int id, int subId);
    // Clears the rectangle and copies back over all of it, from (sx - 2, sy - 2).
    void DrawBack(CHfcDrawContext* context, CHfcBmp* back, int sx, int sy);
    // The back copy alone (what a hidden graph leaves).
    void CopyBack(CHfcDrawContext* context, CHfcBmp* back, int sx, int sy);
    // The colour as drawn: scaled by the disabled alpha while disabled.
    uint32_t Shown(uint32_t argb) const;
    // A filled and framed square of side size centred on (cx, cy).
    void DrawHandle(CHfcDrawContext* context, int cx, int cy, int size, uint32_t fill, uint32_t frame);
    // Row row of a label image of rows rows, alpha-copied at (x, y) (faded while disabled).
    void DrawLabel(CHfcDrawContext* context, int x, int y, CHfcBmp* mark, int row, int rows);
    // Four corner brackets around (cx, cy) at +/- outer with arms reaching +/- inner, in the focus colour.
    void DrawBrackets(CHfcDrawContext* context, int cx, int cy, int outer, int inner);

    // The first steps of a press: the drag timer restarts, the listener is offered the press (true:
    // the text key focus is released and the press is consumed), and a Command-click takes the
    // listener's default value. Returns true when the listener consumed the press.
    bool OfferPress(int x, int y, int modifiers);
    // A handle was hit: begin the edit, report the handle's value, capture the mouse with the pressed
    // cursor, release the text key focus and take the graph's own (kind 0) when it takes focus.
    void BeginHandleDrag(CHfcMouse* mouse, void* value);
    bool HoldsCapture(const CHfcMouse* mouse) const;
    // The end of a drag: the arrow cursor and the last value reported once more, then the edit ends.
    void EndHandleDrag(void* value);

    // A handle drag's values: the pointer at (x, y) holds a handle whose horizontal value is h and
    // vertical value v, dragged at scale within [minimum, maximum]. Both accumulators start at the
    // value x scale + scale / 2; the vertical one counts down from maximum + markSize / 2.
    void StartDragValues(int x, int y, int h, int v, float scale, int minimum, int maximum, int markSize);
    // The pointer moved to (x, y), adding the steps (in accumulator units) to the accumulators: the
    // handle's new values, and true when either differs from the last ones.
    bool DragValues(int x, int y, float hStep, float vStep, int* h, int* v);
    // Values an arrow key set: the last ones from now on.
    void RememberDragValues(int h, int v);
    int DragLastX() const { return m_drag.lastX; }
    int DragLastY() const { return m_drag.lastY; }

private:
    struct DragState {
        int lastX = 0, lastY = 0;
        int lastH = 0, lastV = 0;
        float accH = 0.0f, accV = 0.0f;
        float scale = 1.0f;
        int minimum = 0, maximum = 0;
        int64_t top = 0;
    };
    DragState m_drag;
};
