#include "Common/Controls/QnControlDrawing.h"

#include <algorithm>

#include "Hfc/Core/HfcControl.h"
#include "Hfc/Core/HfcInput.h"
#include "Hfc/Draw/HfcDrawContext.h"

void QnDrawCornerMarks(CHfcDrawContext* context, int l, int t, int r, int b, int arm, uint32_t colour) {
    if (context == nullptr) return;
    const uint32_t pen = context->GetPenColor();
    const float width = context->GetPenWidth();
    context->SetPenColor(colour);
    context->SetPenWidth(1.0f);
    const int lines[8][4] = {{l, t, l + arm, t}, {l, t, l, t + arm}, {r, t, r - arm, t}, {r, t, r, t + arm},
                             {l, b, l + arm, b}, {l, b, l, b - arm}, {r, b, r - arm, b}, {r, b, r, b - arm}};
    for (const auto& line : lines) {
        context->MoveTo(line[0], line[1]);
        context->LineTo(line[2], line[3]);
    }
    context->SetPenColor(pen);
    context->SetPenWidth(width);
}

uint32_t QnScaleAlpha(uint32_t colour, float factor) {
    const float a = static_cast<float>(colour >> 24) * std::clamp(factor, 0.0f, 1.0f);
    return (colour & 0x00FFFFFFu) | (static_cast<uint32_t>(a) << 24);
}

bool QnHoldsCapture(CHfcMouse* mouse, CHfcControl* control) {
    return mouse != nullptr && mouse->GetCapture() == static_cast<CHfcMouseListener*>(control);
}
