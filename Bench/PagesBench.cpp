// The edit pages headless, with the real art: switching the shown program page (the tab control's
// idle, the new page's synchronisation and the window's redraw), laying the effect sub-page out for
// a new effect type, and the memory all pages of the window's four tabs take once created.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <unistd.h>

#include "Common/Model/Sections.h"
#include "Common/Pages/EffectEditLayer.h"
#include "Common/Pages/PageCatalogue.h"
#include "Common/Pages/ProgPages.h"
#include "Pages/PagesFixture.h"

using namespace QorX0;

namespace {

// Resident memory of this process in bytes.
double ResidentBytes() {
    long pages = 0, resident = 0;
    if (FILE* f = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(f, "%ld %ld", &pages, &resident) != 2) resident = 0;
        std::fclose(f);
    }
    return static_cast<double>(resident) * static_cast<double>(sysconf(_SC_PAGESIZE));
}

// A headless editor-sized window with the page host over the recording synthesizer.
struct Bench {
    Bench() {
        HfcSetSystemTimeHook(&HfcTestClock::Read);
        screen.Install();
        CHfcMouse::Initialize(true);
        CHfcKey::Initialize();
        CHfcDrag::Initialize();
        synth = std::make_unique<RecordingRemoteSynth>();
        window = std::make_unique<CTestWindow>();
        window->Create("pages", 0, 0, ArtGeometry::kWindowWidth, ArtGeometry::kWindowHeight, 0, nullptr,
                       nullptr, nullptr);
        window->Show();
        host.Start(window.get());
    }
    ~Bench() {
        host.Stop();
        window.reset();
        synth.reset();
        CHfcDrag::Uninitialize();
        CHfcKey::Uninitialize();
        CHfcMouse::Uninitialize();
        HfcSetSystemTimeHook(nullptr);
    }
    void Tick() {
        synth->sections.host.Pump();
        host.Tick();
    }
    RunLoop loop;
    CHfcHeadlessScreen screen{1024, 768};
    std::unique_ptr<RecordingRemoteSynth> synth;
    std::unique_ptr<CTestWindow> window;
    PageHost host;
};

void BM_ProgramPageSwitch(benchmark::State& state) {
    Bench b;
    for (int i = 0; i < EditPageCount(kEditTabProg); ++i)
        b.host.AdoptCatalogued(b.synth.get(), kEditTabProg, i);
    b.host.ShowPage(b.host.pages[0]);
    size_t next = 1;
    for (auto _ : state) {
        b.host.ShowPage(b.host.pages[next]);
        next = (next + 1) % b.host.pages.size();
    }
    state.SetLabel("one switch: tab idle, page shown and synchronised, window redrawn");
}
BENCHMARK(BM_ProgramPageSwitch)->Unit(benchmark::kMillisecond);

void BM_EffectSubPageRebuild(benchmark::State& state) {
    Bench b;
    auto* insert = static_cast<ProgInsertFXLayer*>(b.host.AdoptCatalogued(b.synth.get(), kEditTabProg, 8));
    b.host.ShowPage(insert);
    b.host.ShowSublevel(insert, 1);
    ISection* prog = b.synth->GetEditBuffer(kModeProgEdit);
    // Two types with many rows (three columns each), taken in turn.
    const int types[2] = {30, static_cast<int>(state.range(0))};
    int turn = 0, controls = 0;
    for (auto _ : state) {
        prog->PutParamIEx(0x1E00, types[turn], kPutNotify);
        b.Tick();
        controls = std::max(controls, insert->GetEffectPage()->GetNumControls());
        turn ^= 1;
    }
    state.counters["controls"] = controls;  // of the larger of the two layouts
    state.SetLabel("type change told, sub-page laid out and drawn");
}
BENCHMARK(BM_EffectSubPageRebuild)->Arg(52)->Arg(89)->Unit(benchmark::kMillisecond);

void BM_AllPagesResident(benchmark::State& state) {
    for (auto _ : state) {
        Bench b;
        b.Tick();
        const double before = ResidentBytes();
        for (int tab = 0; tab < 4; ++tab)
            for (int i = 0; i < EditPageCount(tab); ++i) b.host.AdoptCatalogued(b.synth.get(), tab, i);
        b.Tick();
        const double after = ResidentBytes();
        state.counters["pages_MB"] = (after - before) / (1024.0 * 1024.0);
        state.counters["resident_MB"] = after / (1024.0 * 1024.0);
        int layers = 0;
        for (int i = 0; i < b.window->GetNumLayers(); ++i) layers += b.window->GetLayerByIndex(i) != nullptr;
        state.counters["layers"] = layers;
    }
    state.SetLabel("every page of the four tabs created, with their sublevel pages");
}
BENCHMARK(BM_AllPagesResident)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
