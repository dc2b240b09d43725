#pragma once
// A drawing context that records the bitmap copies and fills it is asked for, so that tests can
// compare a control's drawing with the frames and cells computed from its state.
#include <cstdio>
#include <string>
#include <vector>

#include "Hfc/Draw/HfcBmp.h"
#include "Hfc/Draw/HfcDrawContext.h"

class HfcRecordingContext : public CHfcDrawContext {
public:
    // No port: nothing is drawn, every request is recorded.
    HfcRecordingContext() : CHfcDrawContext(nullptr) {}
    using CHfcDrawContext::ClearRect;
    using CHfcDrawContext::CopyBmp;
    using CHfcDrawContext::CopyBmpAlpha;
    using CHfcDrawContext::FillRect;

    std::vector<std::string> ops;

    static std::string Copy(int x, int y, int w, int h, int sx, int sy) {
        char text[96];
        std::snprintf(text, sizeof text, "copy %d,%d %dx%d from %d,%d", x, y, w, h, sx, sy);
        return text;
    }
    static std::string CopyAlpha(int x, int y, int w, int h, int sx, int sy, float factor) {
        char text[112];
        std::snprintf(text, sizeof text, "alpha %.2f copy %d,%d %dx%d from %d,%d", factor, x, y, w, h, sx,
                      sy);
        return text;
    }
    static std::string Fill(int x, int y, int w, int h, uint32_t colour) {
        char text[96];
        std::snprintf(text, sizeof text, "fill %d,%d %dx%d %08x", x, y, w, h, colour);
        return text;
    }
    static std::string Clear(int x, int y, int w, int h) {
        char text[96];
        std::snprintf(text, sizeof text, "clear %d,%d %dx%d", x, y, w, h);
        return text;
    }
    // Only the copies, in order (what a frame test compares).
    std::vector<std::string> Copies() const {
        std::vector<std::string> out;
        for (const std::string& op : ops) {
            if (op.rfind("copy", 0) == 0 || op.rfind("alpha", 0) == 0) out.push_back(op);
        }
        return out;
    }

    void FillRect(int x, int y, int w, int h) override { ops.push_back(Fill(x, y, w, h, GetBrushColor())); }
    void CopyBmp(int x, int y, int w, int h, CHfcBmp*, int sx, int sy) override {
        ops.push_back(Copy(x, y, w, h, sx, sy));
    }
    void CopyBmpAlpha(int x, int y, int w, int h, CHfcBmp*, float factor, int sx, int sy) override {
        ops.push_back(CopyAlpha(x, y, w, h, sx, sy, factor));
    }
    void ClearRect(int x, int y, int w, int h) override { ops.push_back(Clear(x, y, w, h)); }
    void ClearRect(float x, float y, float w, float h) override {
        ops.push_back(
            Clear(static_cast<int>(x), static_cast<int>(y), static_cast<int>(w), static_cast<int>(h)));
    }
};
