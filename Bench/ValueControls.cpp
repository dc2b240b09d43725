// Redraw of each value control with the editor's art, made by the control factory: the knob (ring
// with its lit arc cut and the value text), horizontal and vertical value bars, a label, the activity
// lamp, the slider and the arpeggio length bar. The value changes every iteration, so each draw
// computes its arc, span or frame anew. Goal: under 100 microseconds for a knob or a bar.
#include <benchmark/benchmark.h>

#include <memory>

#include "Common/Controls/QnControlCreater.h"
#include "Common/Controls/QnKnob.h"
#include "Common/Controls/QnSimpleControls.h"
#include "Common/Controls/XBCtrlValueBar.h"
#include "Common/FontManager/FontManager.h"
#include "Common/FontManager/ResourceManager.h"
#include "Hfc/Draw/HfcBmp.h"
#include "Hfc/Draw/HfcDrawContext.h"

namespace {

struct Art {
    Art() {
        ResourceManager::Initialize();
        FontManager::Initialize();
        page = ResourceManager::GetInstance()->LoadImage("Background_SubTab");
    }
    ~Art() {
        FontManager::Uninitialize();
        ResourceManager::Uninitialize();
    }
    CHfcBmp* page = nullptr;
};

// Draws the control again and again with the value stepping through the range.
template <class T>
void Redraw(benchmark::State& state, T* control, int minimum, int maximum, const char* text) {
    if (control == nullptr) {
        state.SkipWithError("the control could not be made");
        return;
    }
    std::unique_ptr<T> owned(control);
    CHfcOffscreenContext context(559, 230);
    if (text != nullptr) control->SetPtrValue(const_cast<char*>(text), false);
    int value = minimum;
    for (auto _ : state) {
        control->SetIntValue(value, true);
        control->Draw(&context);
        value = value >= maximum ? minimum : value + 7;
    }
}

void BM_KnobRedraw(benchmark::State& state) {
    Art art;
    QnControlCreater creater(art.page, 0, 0);
    Redraw(state, creater.CreateKnob(10, 10, -64, 63, 0, false, 3, 1), -64, 63, "-12");
}
BENCHMARK(BM_KnobRedraw)->Unit(benchmark::kMicrosecond);

void BM_KnobRedrawEditing(benchmark::State& state) {
    Art art;
    QnControlCreater creater(art.page, 0, 0);
    QnKnob* knob = creater.CreateKnob(10, 10, 0, 127, 0, false, 3, 1);
    if (knob != nullptr) knob->EnterEdit("100");
    Redraw(state, knob, 0, 127, nullptr);
}
BENCHMARK(BM_KnobRedrawEditing)->Unit(benchmark::kMicrosecond);

void BM_HorizontalBarRedraw(benchmark::State& state) {
    Art art;
    QnControlCreater creater(art.page, 0, 0);
    Redraw(state, creater.CreateHorizontalValueBar(10, 60, 96, -64, 64, 0, 2), -64, 64, "+40");
}
BENCHMARK(BM_HorizontalBarRedraw)->Unit(benchmark::kMicrosecond);

void BM_VerticalBarRedraw(benchmark::State& state) {
    Art art;
    QnControlCreater creater(art.page, 0, 0);
    Redraw(state, creater.CreateVerticalValueBar(10, 90, true, 0, 100, 0, 3), 0, 100, nullptr);
}
BENCHMARK(BM_VerticalBarRedraw)->Unit(benchmark::kMicrosecond);

void BM_LabelRedraw(benchmark::State& state) {
    Art art;
    QnControlCreater creater(art.page, 0, 0);
    Redraw(state, creater.CreateLabel(100, 100, "Cutoff", 60, 12, false, 0, 1, 4), 0, 0, nullptr);
}
BENCHMARK(BM_LabelRedraw)->Unit(benchmark::kMicrosecond);

void BM_LampRedraw(benchmark::State& state) {
    Art art;
    QnControlCreater creater(art.page, 0, 0);
    CMMPCtrlFlash* lamp = creater.CreateMIDIIndicator(100, 140, 0, 5, false);
    if (lamp != nullptr) lamp->Enable(false);
    Redraw(state, lamp, 0, 5, nullptr);
}
BENCHMARK(BM_LampRedraw)->Unit(benchmark::kMicrosecond);

void BM_SliderAndLengthBarRedraw(benchmark::State& state) {
    Art art;
    auto slider = std::make_unique<QnSlider>();
    auto length = std::make_unique<QnArpLengthBar>();
    if (!slider->Create(100, 160, 150, 12, art.page, 100, 160, 6) || !length->Create(100, 180, 7)) {
        state.SkipWithError("the controls could not be made");
        return;
    }
    CHfcOffscreenContext context(559, 230);
    int value = 0;
    for (auto _ : state) {
        slider->SetIntValue(value % 101, true);
        length->SetIntValue(value % 128, true);
        slider->Draw(&context);
        length->Draw(&context);
        value += 7;
    }
}
BENCHMARK(BM_SliderAndLengthBarRedraw)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
