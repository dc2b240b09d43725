#pragma once
// Small pieces the editor's value controls share: focus corner marks, the text colour of a disabled
// control, the Shift modifier bit and whether a control holds the mouse.
#include <cstdint>

class CHfcDrawContext;
class CHfcMouse;
class CHfcControl;

inline constexpr int kQnModShift = 1;

// True when mouse exists and control holds its capture.
bool QnHoldsCapture(CHfcMouse* mouse, CHfcControl* control);

// Four corner brackets with arms of arm pixels inside (left, top) .. (right, bottom) (both corners
// drawn), pen width 1 in colour.
void QnDrawCornerMarks(CHfcDrawContext* context, int left, int top, int right, int bottom, int arm,
                       uint32_t colour);

// colour with its alpha scaled by factor (0..1).
uint32_t QnScaleAlpha(uint32_t colour, float factor);
