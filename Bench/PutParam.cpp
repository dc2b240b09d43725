// The editor's edit-to-wire path: one PutParamI with notify and send, from the call to the bytes
// handed to the link (descriptor, clamp, store, raw read, message build, change event to an observer
// on the main thread).
#include <benchmark/benchmark.h>

#include "Support/SectionSet.h"

namespace {

using namespace QorX0;

class CountingSink : public ISectionSink {
public:
    void OnSectionReinitialized(ISection*) override { ++calls; }
    void OnSectionParamPropsChanged(ISection*, int) override { ++calls; }
    void OnSectionParamChanged(ISection*, int) override { ++calls; }
    long calls = 0;
};

void RunPutParam(benchmark::State& state, ISection& (*pick)(SectionSet&), int pid) {
    SectionSet s;
    s.host.link.keep = false;
    ISection& section = pick(s);
    CountingSink sink;
    section.AdviseSink(&sink);
    int v = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(section.PutParamI(pid, v));
        v = (v + 1) & 0x3F;
    }
    state.counters["sent"] = s.host.link.count.load();
    state.counters["notified"] = static_cast<double>(sink.calls);
    section.UnadviseSink(&sink);
}

void BM_PutParamProgramLevel(benchmark::State& state) {
    RunPutParam(
        state, [](SectionSet& s) -> ISection& { return s.progEdit; }, 0x020D);
}
void BM_PutParamTrackPan(benchmark::State& state) {
    RunPutParam(
        state, [](SectionSet& s) -> ISection& { return *s.multi.GetTrack()->GetAt(3); }, 0x0401);
}
void BM_PutParamGlobalArpProxy(benchmark::State& state) {
    RunPutParam(
        state,
        [](SectionSet& s) -> ISection& {
            s.host.virtualMode = kModeProgEdit;
            return s.global;
        },
        0x7C13);
}

BENCHMARK(BM_PutParamProgramLevel);
BENCHMARK(BM_PutParamTrackPan);
BENCHMARK(BM_PutParamGlobalArpProxy);

}  // namespace

BENCHMARK_MAIN();
