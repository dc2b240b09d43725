#pragma once
// Test art made at run time: strips of frames that show their own number (so a snapshot proves which
// frame a control chose) and a simple fixed-width glyph strip.
#include <cstdint>
#include <string>

#include "Hfc/Draw/HfcBmp.h"

namespace HfcTestStrips {

// A distinct opaque colour per frame number.
inline uint32_t FrameColour(int frame) {
    static const uint32_t colours[] = {0xff2a4d8f, 0xff8f2a2a, 0xff2a8f4d, 0xff8f7a2a, 0xff6a2a8f,
                                       0xff2a8f8f, 0xff8f2a6a, 0xff5a5a5a, 0xff4d8f2a, 0xff2a2a8f};
    return colours[frame % 10] + static_cast<uint32_t>(frame / 10) * 0x00080808u;
}

// Writes digit d (3 × 5 cells, each cell scale × scale pixels) at (x, y).
inline void Digit(CHfcBmp* bmp, int x, int y, int d, int scale, uint32_t colour) {
    static const char* const shapes[10] = {
        "111101101101111", "010110010010111", "111001111100111", "111001111001111", "101101111001001",
        "111100111001111", "111100111101111", "111001001001001", "111101111101111", "111101111001111"};
    for (int row = 0; row < 5; ++row) {
        for (int column = 0; column < 3; ++column) {
            if (shapes[d][row * 3 + column] != '1') continue;
            for (int sy = 0; sy < scale; ++sy) {
                for (int sx = 0; sx < scale; ++sx) {
                    bmp->SetPixel(x + column * scale + sx, y + row * scale + sy, colour);
                }
            }
        }
    }
}

inline void Number(CHfcBmp* bmp, int x, int y, int n, int scale, uint32_t colour) {
    const std::string text = std::to_string(n);
    for (size_t i = 0; i < text.size(); ++i)
        Digit(bmp, x + static_cast<int>(i) * 4 * scale, y, text[i] - '0', scale, colour);
}

// frames frames of w × h stacked vertically: a coloured face with a light border and its number.
inline void NumberedStrip(CHfcBmp* bmp, int w, int h, int frames) {
    bmp->Create(w, h * frames);
    const int scale = h >= 24 ? 2 : 1;
    for (int f = 0; f < frames; ++f) {
        for (int y = 0; y < h; ++y) {
            for (int x = 0; x < w; ++x) {
                const bool border = x == 0 || y == 0 || x == w - 1 || y == h - 1;
                bmp->SetPixel(x, f * h + y, border ? 0xffd0d0d0 : FrameColour(f));
            }
        }
        Number(bmp, 3, f * h + 3, f, scale, 0xffffffff);
    }
}

// The frame whose face colour is at (x, y) of a snapshot, or -1.
inline int FrameAt(const CHfcBmp* bmp, int x, int y, int frames) {
    const uint32_t pixel = bmp->GetPixel(x, y);
    for (int f = 0; f < frames; ++f) {
        if (pixel == FrameColour(f)) return f;
    }
    return -1;
}

// A fixed-width glyph strip of 128 cells (w × h): printable characters get a box outline with a
// diagonal whose slant depends on the code, so every glyph differs and is visible.
inline void GlyphStrip(CHfcBmp* bmp, int w, int h) {
    bmp->Create(w, h * 128);
    for (int c = 33; c < 127; ++c) {
        for (int y = 1; y < h - 1; ++y) {
            bmp->SetPixel(1, c * h + y, 0xffffffff);
            bmp->SetPixel(w - 2, c * h + y, 0xffe0e0e0);
            bmp->SetPixel(1 + (y * (c % 5 + 1)) % (w - 2), c * h + y, 0xffffffff);
        }
        for (int x = 1; x < w - 1; ++x) bmp->SetPixel(x, c * h + h - 2, 0xffffffff);
    }
}

}  // namespace HfcTestStrips
