// The seeded soak's pace: steps of host, user and instrument (with every invariant checked after
// each) per second of real time, on both models.
#include <benchmark/benchmark.h>

#include "Support/SoakRig.h"

namespace {

void BM_SoakSteps(benchmark::State& state) {
    const unsigned char model = static_cast<unsigned char>(state.range(0));
    long steps = 0;
    uint32_t seed = 500;
    for (auto _ : state) {
        Soak::Options options;
        options.model = model;
        // The pace of the whole list: the run goes on past whatever it finds (the tests judge that).
        options.tolerate = {"*"};
        const Soak::Verdict v = Soak::Run(options, Soak::Generate(seed++, 12));
        steps += v.steps;
    }
    state.counters["steps_per_second"] =
        benchmark::Counter(static_cast<double>(steps), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_SoakSteps)->Arg(1)->Arg(9)->Unit(benchmark::kSecond)->Iterations(1)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
