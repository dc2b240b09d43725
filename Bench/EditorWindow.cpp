// The editor window's costs as a musician feels them: from the host's open to the first frame on the
// screen, from a mode switch to the new tab drawn, and what the idle timer costs while nothing changes
// (as a share of one core at its 60 ticks a second). Headless, over the plug-in with no instrument.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <string>

#include "Common/Editor/BackgroundLayer.h"
#include "Common/Editor/QorVstEditor.h"
#include "Common/Layers/TabControl.h"
#include "Common/Plugin/AtomicInstance.h"
#include "Common/Plugin/QorVst.h"
#include "Hfc/Headless/HfcHeadless.h"
#include "Linux/RunLoop.h"
#include "Support/TempConfigHome.h"

namespace {

VstIntPtr Host(AEffect*, VstInt32 opcode, VstInt32, VstIntPtr, void* ptr, float) {
    if (opcode == audioMasterVersion) return 2400;
    if (opcode == audioMasterGetProductString && ptr != nullptr) static_cast<char*>(ptr)[0] = 0;
    return 0;
}

struct Setting {
    Setting() {
        char pattern[] = "/tmp/tolva-bench-window-XXXXXX";
        if (mkdtemp(pattern) != nullptr) folder = pattern;
        CAtomicInstance::SetFolder(folder);
        screen.Install();
        SetPluginEditorHooks(&QorVstEditorShell::Hooks());
        effect = static_cast<AEffect*>(QorVst::CreateInstance(1, Host));
        vst = static_cast<QorVst*>(AudioEffect::FromAEffect(effect));
        loop.RunUntil([] { return false; }, 300);
        host = screen.CreateForeignWindow(0, 0, 900, 700);
    }
    ~Setting() {
        if (effect != nullptr) effect->dispatcher(effect, effClose, 0, 0, nullptr, 0);
        SetPluginEditorHooks(nullptr);
        CAtomicInstance::SetFolder("");
        std::filesystem::remove_all(folder);
    }
    QorVstEditor* Editor() const { return static_cast<QorVstEditorShell*>(vst->getEditor())->GetWindow(); }
    CHfcHeadlessFrame* Frame() const { return static_cast<CHfcHeadlessFrame*>(Editor()->GetFrame()); }
    bool Open() {
        return effect->dispatcher(effect, effEditOpen, 0, 0, reinterpret_cast<void*>(host), 0) == 1;
    }
    void Close() { effect->dispatcher(effect, effEditClose, 0, 0, nullptr, 0); }

    Sim::TempConfigHome config;
    std::string folder;
    RunLoop loop;
    CHfcHeadlessScreen screen{1280, 800};
    AEffect* effect = nullptr;
    QorVst* vst = nullptr;
    uintptr_t host = 0;
};

Setting& Shared() {
    static Setting setting;
    return setting;
}

// The host's open returned and the whole panel presented.
void BM_OpenToFirstFrame(benchmark::State& state) {
    Setting& s = Shared();
    for (auto _ : state) {
        if (!s.Open()) {
            state.SkipWithError("no window");
            break;
        }
        while (s.Frame()->PresentCalls() == 0) s.loop.RunUntil([] { return false; }, 1);
        state.PauseTiming();
        s.Close();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_OpenToFirstFrame)->Unit(benchmark::kMillisecond)->Iterations(10);

// A mode switch clicked: the instrument's mode applied, its tab shown and drawn (the ticks that do
// it run back to back here, without the timer's wait between them).
void BM_ModeSwitchToTabDrawn(benchmark::State& state) {
    Setting& s = Shared();
    if (!s.Open()) {
        state.SkipWithError("no window");
        return;
    }
    s.loop.RunUntil([] { return false; }, 300);
    BackgroundLayer* root = s.Editor()->GetRootLayer();
    int tab = BackgroundLayer::kTabCombi;
    for (auto _ : state) {
        tab = tab == BackgroundLayer::kTabCombi ? BackgroundLayer::kTabProg : BackgroundLayer::kTabCombi;
        root->OnGUIModeChanged(tab);
        s.Frame()->ClearPresented();
        // The mode event is replayed, then the tab control switches its page at its own idle.
        for (int i = 0; i < 3 && (root->GetGUIMode() != tab || root->GetMainTab(tab)->IsSwitchPending() ||
                                  s.Frame()->Presented().empty());
             ++i)
            s.Editor()->OnIdle();
    }
    s.Close();
}
BENCHMARK(BM_ModeSwitchToTabDrawn)->Unit(benchmark::kMillisecond);

// One idle tick with the window open and nothing changing; the counter gives the share of one core
// at 60 ticks a second.
void BM_IdleTickNothingChanging(benchmark::State& state) {
    Setting& s = Shared();
    if (!s.Open()) {
        state.SkipWithError("no window");
        return;
    }
    s.loop.RunUntil([] { return false; }, 300);
    for (int i = 0; i < 10; ++i) s.Editor()->OnIdle();
    const auto start = std::chrono::steady_clock::now();
    int64_t ticks = 0;
    for (auto _ : state) {
        s.Editor()->OnIdle();
        ++ticks;
    }
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    state.counters["core_percent_at_60Hz"] =
        ticks > 0 ? 100.0 * 60.0 * seconds / static_cast<double>(ticks) : 0;
    s.Close();
}
BENCHMARK(BM_IdleTickNothingChanging)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
