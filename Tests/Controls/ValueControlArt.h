#pragma once
// Plain test images for the value controls' pixel tests: solid images of one colour each and a block
// font whose every glyph is a solid rectangle, so that the expected pixels follow from the drawing
// rules alone, whatever the editor's art looks like.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "Hfc/Base/HfcUtil.h"
#include "Hfc/Draw/HfcBmp.h"
#include "Hfc/Draw/HfcDrawContext.h"
#include "Hfc/HfcControlDriver.h"
#include "Hfc/HfcControlRecorder.h"

namespace ValueControlArt {

// The toolkit clock, stepped by the test for as long as the object lives.
class SteppedClock {
public:
    SteppedClock() : m_old(HfcSetSystemTimeHook(&Read)) { Now() = 50000; }
    ~SteppedClock() { HfcSetSystemTimeHook(m_old); }
    SteppedClock(const SteppedClock&) = delete;
    SteppedClock& operator=(const SteppedClock&) = delete;
    void Advance(uint32_t ms) { Now() += ms; }
    static uint32_t& Now() {
        static uint32_t now = 50000;
        return now;
    }

private:
    static uint32_t Read() { return Now(); }
    HfcSystemTimeHook m_old;
};

constexpr uint32_t kPage = 0xFF404040;      // the page background slice
constexpr uint32_t kRingBack = 0xFF0000C0;  // the unlit ring
constexpr uint32_t kRing = 0xFF00C000;      // the lit ring
constexpr uint32_t kBarBack = 0xFF202060;
constexpr uint32_t kBar = 0xFFC0C000;
constexpr uint32_t kText = 0xFFFF00FF;

inline std::unique_ptr<CHfcBmp> Solid(int w, int h, uint32_t argb) {
    auto bmp = std::make_unique<CHfcBmp>();
    bmp->Create(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) bmp->SetPixel(x, y, argb);
    return bmp;
}

// One step of a gesture table: advance the clock, then act at (x, y); what the listener hears from it.
struct Act {
    uint32_t advance;
    HfcGesture gesture;
    int x, y;
    int modifiers;
    std::vector<std::string> reports;
};

// Runs the table on control; each step's reports are checked on their own.
inline void RunActs(CHfcControl* control, const std::vector<Act>& table, SteppedClock& clock,
                    HfcControlDriver& driver, HfcControlRecorder& recorder) {
    for (size_t i = 0; i < table.size(); ++i) {
        const Act& a = table[i];
        clock.Advance(a.advance);
        recorder.calls.clear();
        driver.Step(control, {a.gesture, a.x, a.y, a.modifiers});
        EXPECT_EQ(recorder.Reports(), a.reports) << "step " << i;
    }
}

// Every glyph a solid white cell; drawn width `drawn`, advance `advance`, cell height `height`.
struct BlockFont {
    BlockFont(int drawn, int advance, int height) : bitmap(Solid(drawn + 2, height * 128, 0xFFFFFFFF)) {
        info.bitmap = bitmap.get();
        for (int c = 0; c < 128; ++c) {
            info.widths[c] = drawn;
            info.widths[c + 128] = advance;
        }
        info.height = height;
        info.textHeight = height;
    }
    std::unique_ptr<CHfcBmp> bitmap;
    tagHfcBmpFontInfo info{};
};

// A pixel of an off-screen context's bitmap.
inline uint32_t At(CHfcOffscreenContext& context, int x, int y) {
    return context.GetBmp()->GetPixel(x, y);
}

// The pixel at distance rho along angle (radians, counter-clockwise, y up) from centre (cx, cy).
inline void Polar(float cx, float cy, float rho, float angle, int* x, int* y) {
    *x = static_cast<int>(std::floor(cx + rho * std::cos(angle)));
    *y = static_cast<int>(std::floor(cy - rho * std::sin(angle)));
}

}  // namespace ValueControlArt
