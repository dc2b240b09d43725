// The graphs' and the zone slope bar's redraw with the editor's art, as the factory makes them: the
// envelope graph with a point held, the filter graph with both curves, the filter graph's resonant
// four-pole curve, the overview's mini graphs, and the zone slope bar with a zone, slopes and needles.
// Goals: under 1 ms a graph, under 100 microseconds the bar.
#include <benchmark/benchmark.h>

#include <memory>

#include "Common/Controls/QnControlCreater.h"
#include "Common/Controls/QorZoneSlopeBar.h"
#include "Common/Controls/XBCtrlEnvelopeGraph.h"
#include "Common/Controls/XBCtrlFilterGraph.h"
#include "Common/FontManager/ResourceManager.h"
#include "Hfc/Core/HfcInput.h"
#include "Hfc/Draw/HfcDrawContext.h"

namespace {

// The image cache for the length of one benchmark.
class Art {
public:
    Art() { ResourceManager::Initialize(); }
    ~Art() { ResourceManager::Uninitialize(); }
    Art(const Art&) = delete;
    Art& operator=(const Art&) = delete;
};

template <class Control>
void Redraw(benchmark::State& state, Control* control) {
    if (control == nullptr) {
        state.SkipWithError("the factory made no control (art missing?)");
        return;
    }
    const tagHfcRect& r = control->GetRect();
    CHfcOffscreenContext context(r.right + 4, r.bottom + 4);
    for (auto _ : state) {
        control->Draw(&context);
        benchmark::DoNotOptimize(context.GetBmp()->Pixels());
    }
}

void BM_EnvelopeGraphRedraw(benchmark::State& state) {
    Art art;
    QnControlCreater creator(nullptr, 0, 0);
    std::unique_ptr<CXBCtrlEnvelopeGraph> graph(creator.CreateEnvelopeGraph(2, 2, 1, 1));
    if (graph) {
        const tagEnvelopeValue shape[6] = {{0, 99, 0},    {1, 190, 40}, {2, 60, 90},
                                           {3, 130, 120}, {4, 130, 0},  {5, 99, 150}};
        for (const tagEnvelopeValue& v : shape) graph->SetEnvelopeValue(&v, false);
        graph->SetActivePoint(2, false);
    }
    Redraw(state, graph.get());
}
BENCHMARK(BM_EnvelopeGraphRedraw);

void BM_FilterGraphRedrawTwoCurves(benchmark::State& state) {
    Art art;
    QnControlCreater creator(nullptr, 0, 0);
    std::unique_ptr<CXBCtrlFilterGraph> graph(creator.CreateFilterGraph(2, 2, 1));
    if (graph) {
        const tagFilterValue lowPass{0, 150, 160}, highPass{1, 120, 40};
        graph->SetFilterValue(&highPass, false);
        graph->SetFilterValue(&lowPass, false);
    }
    Redraw(state, graph.get());
}
BENCHMARK(BM_FilterGraphRedrawTwoCurves);

void BM_FilterGraphRedrawResonant(benchmark::State& state) {
    Art art;
    QnControlCreater creator(nullptr, 0, 0);
    std::unique_ptr<CXBCtrlFilterGraph> graph(creator.CreateFilterGraph(2, 2, 1));
    if (graph) {
        graph->SetFilterType(0, false);
        const tagFilterValue peak{0, 198, 140};
        graph->SetFilterValue(&peak, false);
    }
    Redraw(state, graph.get());
}
BENCHMARK(BM_FilterGraphRedrawResonant);

void BM_MiniGraphsRedraw(benchmark::State& state) {
    Art art;
    CHfcBmp* box = ResourceManager::GetInstance()->LoadImage("Container_ProgPlay_Overview_FG");
    QnControlCreater creator(box, 0, 0);
    std::unique_ptr<CXBCtrlFilterGraph> filter(creator.CreateMiniFilterGraph(3, 30, 1));
    std::unique_ptr<CXBCtrlEnvelopeGraph> envelope(creator.CreateMiniEnvelopeGraph(3, 30, 2, 2));
    if (!filter || !envelope) {
        state.SkipWithError("the factory made no control (art missing?)");
        return;
    }
    CHfcOffscreenContext context(100, 100);
    for (auto _ : state) {
        filter->Draw(&context);
        envelope->Draw(&context);
        benchmark::DoNotOptimize(context.GetBmp()->Pixels());
    }
}
BENCHMARK(BM_MiniGraphsRedraw);

void BM_ZoneSlopeBarRedraw(benchmark::State& state) {
    Art art;
    QnControlCreater creator(nullptr, 0, 0);
    std::unique_ptr<QorZoneSlopeBar> bar(creator.CreateZoneSlopeBar(0, 0, 1));
    if (bar) {
        bar->SetParamZoneMin(36, false);
        bar->SetParamZoneMax(84, false);
        bar->SetParamSlopeMin(24, false);
        bar->SetParamSlopeMax(96, false);
        for (int note : {30, 48, 60, 64, 67, 100}) bar->SetParamNeedleOn(note, false);
    }
    Redraw(state, bar.get());
}
BENCHMARK(BM_ZoneSlopeBarRedraw);

}  // namespace

BENCHMARK_MAIN();
