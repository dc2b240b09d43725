// Synth-event queue figures, printed, never asserted:
// - post and drain of parameter-changed records (records per second);
// - a burst of 10,000 reinitialisations over a few sections drained in one tick (replays made);
// - one idle tick with 1,000 queued parameter changes (goal under 2 ms);
// - a page of 60 linked controls on a headless window: one change written on another thread (as the
//   MIDI read thread does) until the control is redrawn on the next tick (goal under 1 ms),
//   synchronising every control, and a tick that replays 1,000 changes.
#include <benchmark/benchmark.h>

#include <atomic>
#include <memory>
#include <thread>
#include <vector>

#include "Common/Layers/QnRemoteSynthEventHandler.h"
#include "Common/Layers/QnSynthLayer.h"
#include "Common/Layers/TabControl.h"
#include "Hfc/Core/HfcInput.h"
#include "Hfc/Core/HfcWindow.h"
#include "Hfc/Headless/HfcHeadless.h"
#include "Support/RecordingRemoteSynth.h"

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

class DrawnControl : public CHfcControl {
public:
    DrawnControl(int id, int x, int y) {
        Create(x, y, 20, 10, id);
        Show(false);
        Enable(false);
    }
    void SetIntValue(int value, bool redraw) override {
        CHfcControl::SetIntValue(value, redraw);
        if (redraw) SetDirty();
    }
    void Draw(CHfcDrawContext*) override { ++draws; }
    std::atomic<int> draws{0};
};

class BenchWindow : public CHfcWindow {
public:
    BenchWindow() { m_bDeleteOnDispose = false; }
};

// A shown page over the program edit buffer with 60 controls on its 60 first integer parameters.
struct PageRig {
    CHfcHeadlessScreen screen{1024, 768};
    std::unique_ptr<RecordingRemoteSynth> synth = std::make_unique<RecordingRemoteSynth>();
    BenchWindow window;
    std::unique_ptr<CTabPageLayer> page;
    std::vector<std::unique_ptr<DrawnControl>> controls;
    std::vector<int> pids;
    PageRig() {
        screen.Install();
        CHfcMouse::Initialize(true);
        CHfcKey::Initialize();
        window.Create("bench", 0, 0, 816, 600, 0, nullptr, nullptr, nullptr);
        window.Show();
        synth->sections.host.SetMode(kModeProgEdit);
        synth->sections.host.link.keep = false;
        page = std::make_unique<CTabPageLayer>(synth.get(), "bench");
        page->Create(0, 0, 816, 600, nullptr, &window);
        page->OnCreate();
        ISection* prog = synth->GetEditBuffer(kModeProgEdit);
        for (int i = 0; i < prog->GetParamCount() && controls.size() < 60; ++i) {
            PARAMDESC desc{};
            const int pid = prog->GetParamIDByIndex(static_cast<unsigned>(i));
            if (pid < 0 || !prog->GetParamDesc(pid, &desc) || desc.ptype < kPTypeCont ||
                desc.minval >= desc.maxval || (desc.flags & kPFlagProtected))
                continue;
            const int n = static_cast<int>(controls.size());
            controls.push_back(std::make_unique<DrawnControl>(pid, (n % 10) * 80, (n / 10) * 40));
            controls.back()->SetListener(page.get());
            page->AddControl(controls.back().get(), false);
            page->LinkControlWithParam(controls.back().get(), kModeProgEdit, pid);
            pids.push_back(pid);
        }
        page->Show(false);
        Tick();
    }
    ~PageRig() {
        page->RemoveAllControls(false);  // the rig owns the controls
        page->OnDestroy();
        window.RemoveLayer(page.get(), false);
        page.reset();
        CHfcKey::Uninitialize();
        CHfcMouse::Uninitialize();
    }
    void Tick() {
        synth->sections.host.Pump();
        page->Idle(0);
        window.FlushUpdateRect();
    }
};

void BM_ReadThreadChangeToRedrawnControl(benchmark::State& state) {
    PageRig rig;
    ISection* prog = rig.synth->GetEditBuffer(kModeProgEdit);
    DrawnControl* target = rig.controls[0].get();
    const int pid = rig.pids[0];
    PARAMDESC desc{};
    prog->GetParamDesc(pid, &desc);
    std::atomic<int> request{0};
    std::atomic<bool> stop{false};
    std::thread reader([&] {
        int seen = 0;
        while (!stop.load()) {
            const int r = request.load();
            if (r == seen) {
                std::this_thread::yield();
                continue;
            }
            seen = r;
            prog->PutParamIEx(pid, r % 2 ? desc.minval : desc.maxval, kPutNotify);
        }
    });
    int n = 0;
    for (auto _ : state) {
        const int drawsBefore = target->draws.load();
        request.store(++n);
        for (int spins = 0; target->draws.load() == drawsBefore; ++spins) {
            if (spins > 1000000) {
                state.SkipWithError("the control was never redrawn");
                break;
            }
            rig.Tick();
        }
    }
    stop.store(true);
    reader.join();
}
BENCHMARK(BM_ReadThreadChangeToRedrawnControl)->Unit(benchmark::kMicrosecond);

void BM_SynchronizeSixtyControls(benchmark::State& state) {
    PageRig rig;
    for (auto _ : state) rig.page->SynchronizeAllControlWithParam(nullptr, true);
    state.counters["controls"] = static_cast<double>(rig.controls.size());
}
BENCHMARK(BM_SynchronizeSixtyControls)->Unit(benchmark::kMicrosecond);

void BM_PageTickReplaying1000Changes(benchmark::State& state) {
    PageRig rig;
    for (auto _ : state) {
        state.PauseTiming();
        for (int i = 0; i < 1000; ++i)
            rig.page->OnSectionParamChanged(rig.synth->GetEditBuffer(kModeProgEdit),
                                            rig.pids[static_cast<size_t>(i) % rig.pids.size()]);
        state.ResumeTiming();
        rig.page->Idle(0);
        rig.window.FlushUpdateRect();
    }
}
BENCHMARK(BM_PageTickReplaying1000Changes)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
