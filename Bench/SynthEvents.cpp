// Synth-event queue figures, printed, never asserted:
// - post and drain of parameter-changed records (records per second);
// - a burst of 10,000 reinitialisations over a few sections drained in one tick (replays made);
// - one idle tick with 1,000 queued parameter changes (goal under 2 ms).
#include <benchmark/benchmark.h>

#include <vector>

#include "Common/Layers/QnRemoteSynthEventHandler.h"

using namespace QorX0;

namespace {

class CountingHandler : public QnRemoteSynthEventHandler {
public:
    virtual ~CountingHandler() = default;
    size_t replays = 0;
    void OnIdleSectionReinitialized(ISection*) override { ++replays; }
    void OnIdleSectionParamChanged(ISection*, int) override { ++replays; }
};

void BM_PostAndDrainParamChanges(benchmark::State& state) {
    CountingHandler h;
    int dummy = 0;
    auto* section = reinterpret_cast<ISection*>(&dummy);
    for (auto _ : state) {
        for (int i = 0; i < 1000; ++i) h.OnSectionParamChanged(section, i & 127);
        h.ProcessEventQueue();
    }
    state.SetItemsProcessed(static_cast<int64_t>(state.iterations()) * 1000);
}
BENCHMARK(BM_PostAndDrainParamChanges);

void BM_ReinitBurst(benchmark::State& state) {
    CountingHandler h;
    std::vector<int> sections(8);
    for (auto _ : state) {
        h.replays = 0;
        for (int i = 0; i < 10000; ++i)
            h.OnSectionReinitialized(reinterpret_cast<ISection*>(&sections[static_cast<size_t>(i) % 8]));
        h.ProcessEventQueue();
    }
    state.counters["replays_per_burst"] = static_cast<double>(h.replays);
}
BENCHMARK(BM_ReinitBurst)->Unit(benchmark::kMicrosecond);

void BM_TickWith1000Queued(benchmark::State& state) {
    CountingHandler h;
    int dummy = 0;
    auto* section = reinterpret_cast<ISection*>(&dummy);
    for (auto _ : state) {
        state.PauseTiming();
        for (int i = 0; i < 1000; ++i) h.OnSectionParamChanged(section, i);
        state.ResumeTiming();
        h.ProcessEventQueue();
    }
}
BENCHMARK(BM_TickWith1000Queued)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
