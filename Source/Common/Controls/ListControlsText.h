#pragma once
// Text placement shared by the dropdowns and the selectors.
#include <algorithm>
#include <cstdint>

// The colour with its alpha multiplied by a disabled control's factor (kept within 0..255).
inline uint32_t ControlDisabledColour(uint32_t argb, float factor) {
    const float alpha = static_cast<float>(argb >> 24) * factor;
    const uint32_t a = alpha >= 255.0f ? 255u : alpha > 0.0f ? static_cast<uint32_t>(alpha) : 0u;
    return (argb & 0x00FFFFFFu) | (a << 24);
}

// The top of a line of text in a box of boxHeight: 0 top at offset, 1 centred and moved by offset,
// 2 bottom less offset, any other 0; never above the box.
inline int ControlTextTop(int vAlign, int boxHeight, int textHeight, int offset) {
    int y = 0;
    switch (vAlign) {
        case 0:
            y = offset;
            break;
        case 1:
            y = (boxHeight - textHeight) / 2 + offset;
            break;
        case 2:
            y = boxHeight - textHeight - offset;
            break;
        default:
            break;
    }
    return std::max(y, 0);
}
