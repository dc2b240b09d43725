#pragma once
// Test support for the graphs and the zone slope bar: plain synthetic art (solid images of the
// sizes the controls read), a listener that records what the controls report as short texts and can
// set the reported record back as the page does, and the stepped toolkit clock.
#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "Common/Controls/QorZoneSlopeBar.h"
#include "Common/Controls/XBCtrlEnvelopeGraph.h"
#include "Common/Controls/XBCtrlFilterGraph.h"
#include "Hfc/Base/HfcUtil.h"
#include "Hfc/Draw/HfcBmp.h"
#include "Hfc/Draw/HfcDrawContext.h"
#include "Hfc/HfcControlDriver.h"
#include "Hfc/HfcControlRecorder.h"

namespace GraphTest {

// An opaque image of one colour.
inline void Solid(CHfcBmp* bmp, int width, int height, uint32_t argb) {
    bmp->Create(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) bmp->SetPixel(x, y, argb);
}

// The toolkit clock, stepped by the tests.
struct Clock {
    static uint32_t& Now() {
        static uint32_t now = 500000;
        return now;
    }
    static uint32_t Read() { return Now(); }
};

// Installs the stepped clock for the life of a test.
class ClockScope {
public:
    ClockScope() : m_old(HfcSetSystemTimeHook(&Clock::Read)) {}
    ~ClockScope() { HfcSetSystemTimeHook(m_old); }
    ClockScope(const ClockScope&) = delete;
    ClockScope& operator=(const ClockScope&) = delete;
    static void Advance(uint32_t ms) { Clock::Now() += ms; }

private:
    HfcSystemTimeHook m_old;
};

// Records the reports of a graph or a zone slope bar as the stock recorder does ("begin", "end",
// "lost capture", "default?", "move x,y", "offer double"), the records as "env i l t",
// "filter i r c" and "zone e v".
class Recorder : public HfcControlRecorder {
public:
    static std::string Env(int i, int level, int time) {
        return "env " + std::to_string(i) + " " + std::to_string(level) + " " + std::to_string(time);
    }
    static std::string Filter(int i, int resonance, int cutoff) {
        return "filter " + std::to_string(i) + " " + std::to_string(resonance) + " " + std::to_string(cutoff);
    }
    static std::string Zone(int end, int value) {
        return "zone " + std::to_string(end) + " " + std::to_string(value);
    }

    // With echo, each reported point is set back, as the page does.
    void OnHfcCtrlPtrValueChanged(CHfcControl* control, void* pointer) override {
        if (auto* envelope = dynamic_cast<CXBCtrlEnvelopeGraph*>(control)) {
            const auto* v = static_cast<tagEnvelopeValue*>(pointer);
            calls.push_back(Env(v->index, v->level, v->time));
            if (echo) envelope->SetEnvelopeValue(v, true);
        } else if (auto* filter = dynamic_cast<CXBCtrlFilterGraph*>(control)) {
            const auto* v = static_cast<tagFilterValue*>(pointer);
            calls.push_back(Filter(v->index, v->resonance, v->cutoff));
            if (echo) filter->SetFilterValue(v, true);
        } else {
            const auto* v = static_cast<tagZoneSlopeBarChange*>(pointer);
            calls.push_back(Zone(v->end, v->value));
        }
    }
    // The calls since the last Take, without the offers of presses.
    std::vector<std::string> Take() {
        std::vector<std::string> out;
        for (std::string& call : calls)
            if (call.rfind("offer down", 0) != 0) out.push_back(std::move(call));
        calls.clear();
        return out;
    }
};

// One gesture of a table and what it must report.
struct DragStep {
    HfcGesture gesture;
    int x;
    int y;
    int modifiers;
    uint32_t advanceMs;  // clock step before the gesture
    std::vector<std::string> reports;
};

// Runs the steps on control through the driver, checking each step's reports.
inline void RunSteps(HfcControlDriver& driver, CHfcControl* control, Recorder& recorder,
                     const std::vector<DragStep>& steps) {
    for (size_t i = 0; i < steps.size(); ++i) {
        const DragStep& s = steps[i];
        ClockScope::Advance(s.advanceMs);
        driver.Step(control, HfcStep{s.gesture, s.x, s.y, s.modifiers});
        EXPECT_EQ(recorder.Take(), s.reports) << "step " << i;
    }
}

// A control made from a record, with a recording listener, the driver, the stepped clock and a
// layer-sized surface to draw it into.
template <class Control, class Param>
class ControlFixture : public testing::Test {
protected:
    void Make() {
        ASSERT_TRUE(control.Create(&param, 7, 0));
        control.SetListener(&recorder);
    }
    CHfcBmp* Render() {
        surface = std::make_unique<CHfcOffscreenContext>(320, 140);
        control.Draw(surface.get());
        return surface->GetBmp();
    }
    // A graph's point centre in control coordinates (the graph starts two pixels in).
    tagHfcPoint Centre(int i) const {
        const tagHfcPoint p = control.GetPointPosition(i);
        return {p.x + 2, p.y + 2};
    }

    ClockScope clock;
    Param param;
    Control control;
    Recorder recorder;
    HfcControlDriver driver;
    std::unique_ptr<CHfcOffscreenContext> surface;
};

// Whether two colours differ by at most tolerance in every channel.
inline bool Near(uint32_t a, uint32_t b, int tolerance = 2) {
    for (int shift = 0; shift < 32; shift += 8) {
        const int ca = static_cast<int>((a >> shift) & 0xFF), cb = static_cast<int>((b >> shift) & 0xFF);
        if (ca - cb > tolerance || cb - ca > tolerance) return false;
    }
    return true;
}

inline std::string Hex(uint32_t argb) {
    char text[16];
    std::snprintf(text, sizeof text, "%08x", argb);
    return text;
}

}  // namespace GraphTest
