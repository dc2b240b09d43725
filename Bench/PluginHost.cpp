// The plug-in as a host sees it: how long an instantiation takes (entry to effOpen returned, the
// connection left to start in the background), and what one audio block costs with its MIDI events,
// with the allocations made on the audio thread counted.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <atomic>
#include <cstdlib>
#include <filesystem>
#include <new>
#include <string>
#include <vector>

#include "Common/Plugin/QorVst.h"

namespace {

std::atomic<long> g_allocations{0};
thread_local bool t_counting = false;

VstIntPtr Host(AEffect*, VstInt32 opcode, VstInt32, VstIntPtr, void* ptr, float) {
    if (opcode == audioMasterVersion) return 2400;
    if (opcode == audioMasterGetProductString && ptr != nullptr) static_cast<char*>(ptr)[0] = 0;
    return 0;
}

// Lock files in a folder of the benchmark's own.
struct LockFolder {
    LockFolder() {
        char pattern[] = "/tmp/tolva-bench-XXXXXX";
        if (mkdtemp(pattern) != nullptr) path = pattern;
        CAtomicInstance::SetFolder(path);
    }
    ~LockFolder() {
        CAtomicInstance::SetFolder("");
        std::filesystem::remove_all(path);
    }
    std::string path;
};

void Close(AEffect* a) {
    a->dispatcher(a, effClose, 0, 0, nullptr, 0.0f);
}

void BM_Instantiate(benchmark::State& state) {
    LockFolder folder;
    for (auto _ : state) {
        AEffect* a = QorVst::PluginMain(Host);
        if (a == nullptr) {
            state.SkipWithError("no effect");
            break;
        }
        a->dispatcher(a, effOpen, 0, 0, nullptr, 0.0f);
        state.PauseTiming();
        Close(a);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_Instantiate)->Unit(benchmark::kMillisecond)->Iterations(10);

void BM_ProcessReplacing512(benchmark::State& state) {
    LockFolder folder;
    AEffect* a = QorVst::PluginMain(Host);
    if (a == nullptr) {
        state.SkipWithError("no effect");
        return;
    }
    a->dispatcher(a, effSetSampleRate, 0, 0, nullptr, 48000.0f);
    a->dispatcher(a, effMainsChanged, 0, 1, nullptr, 0.0f);
    const int count = static_cast<int>(state.range(0));
    std::vector<VstMidiEvent> events(static_cast<size_t>(count));
    std::vector<char> storage(sizeof(VstEvents) + events.size() * sizeof(VstEvent*));
    auto* list = reinterpret_cast<VstEvents*>(storage.data());
    list->numEvents = count;
    for (int i = 0; i < count; ++i) {
        VstMidiEvent& e = events[static_cast<size_t>(i)];
        e.type = kVstMidiType;
        e.byteSize = sizeof e;
        e.deltaFrames = (i * 512) / (count > 0 ? count : 1);
        e.midiData[0] = static_cast<char>(i % 2 == 0 ? 0x91 : 0x81);  // notes on a channel of their own
        e.midiData[1] = static_cast<char>(36 + (i / 2) % 48);
        e.midiData[2] = static_cast<char>(i % 2 == 0 ? 100 : 0);
        list->events[i] = reinterpret_cast<VstEvent*>(&e);
    }
    std::vector<float> left(512), right(512);
    float* outputs[2] = {left.data(), right.data()};
    long before = g_allocations.load();
    t_counting = true;
    for (auto _ : state) {
        if (count > 0) a->dispatcher(a, effProcessEvents, 0, 0, list, 0.0f);
        a->processReplacing(a, nullptr, outputs, 512);
    }
    t_counting = false;
    state.counters["events"] = count;
    state.counters["allocs_per_block"] =
        static_cast<double>(g_allocations.load() - before) / static_cast<double>(state.iterations());
    a->dispatcher(a, effMainsChanged, 0, 0, nullptr, 0.0f);
    Close(a);
}
BENCHMARK(BM_ProcessReplacing512)->Arg(0)->Arg(16)->Arg(64)->Arg(256)->Unit(benchmark::kMicrosecond);

}  // namespace

// Allocations made while the audio thread processes (the benchmark's thread, while counting). The
// replacement pair is malloc and free on both sides, which the compiler cannot see through.
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
void* operator new(std::size_t size) {
    if (t_counting) g_allocations.fetch_add(1, std::memory_order_relaxed);
    if (void* p = std::malloc(size == 0 ? 1 : size)) return p;
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept {
    std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
    std::free(p);
}

BENCHMARK_MAIN();
