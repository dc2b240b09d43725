// Redraw costs of the editor's dropdowns, cell list, scroll bar and selectors, each made by the
// control factory with the real art: one full redraw per iteration (the list: 3 × 23 cells).
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "Common/Controls/MMPCtrlList.h"
#include "Common/Controls/MMPCtrlScrollBar.h"
#include "Common/Controls/QnControlCreater.h"
#include "Common/Controls/QnDropdownList.h"
#include "Common/Controls/QnSelectors.h"
#include "Common/FontManager/FontManager.h"
#include "Common/FontManager/ResourceManager.h"
#include "Hfc/Draw/HfcBmp.h"
#include "Hfc/Draw/HfcDrawContext.h"

namespace {

struct Art {
    Art() {
        ResourceManager::Initialize();
        FontManager::Initialize();
        panel.Create(816, 600);
    }
    ~Art() {
        FontManager::Uninitialize();
        ResourceManager::Uninitialize();
    }
    CHfcBmp panel;
};

// Draws the control once per iteration into a window-sized surface.
void Redraw(benchmark::State& state, CHfcControl* control) {
    CHfcOffscreenContext context(816, 600);
    control->Show(false);
    for (auto _ : state) {
        control->Draw(&context);
        benchmark::DoNotOptimize(context.GetBmp()->Pixels());
    }
}

void BM_DropdownList(benchmark::State& state) {
    Art art;
    QnControlCreater creater(&art.panel, 0, 0);
    std::unique_ptr<QnDropdownList> list(
        creater.CreateDropdownList(10, 10, static_cast<int>(state.range(0)), 1));
    for (int i = 0; i < 64; ++i) list->AddItem(("Value " + std::to_string(i)).c_str(), false);
    list->SetIntValue(17, false);
    Redraw(state, list.get());
}
BENCHMARK(BM_DropdownList)->Arg(0)->Arg(8)->Arg(11)->Unit(benchmark::kMicrosecond);

void BM_DropdownSwitch(benchmark::State& state) {
    Art art;
    QnControlCreater creater(&art.panel, 0, 0);
    std::unique_ptr<QnDropdownListSwitch> sw(creater.CreateDropdownListSwitch(10, 10, 0, 1, 1));
    sw->AddItem("PRELOAD", false);
    sw->SetSelectedItemIndex(0, false);
    sw->SetIntValue(1, false);
    Redraw(state, sw.get());
}
BENCHMARK(BM_DropdownSwitch)->Unit(benchmark::kMicrosecond);

void BM_CellList3x23(benchmark::State& state) {
    Art art;
    QnControlCreater creater(&art.panel, 0, 0);
    std::unique_ptr<CMMPCtrlList> list(creater.CreateListControl(10, 10, 420, 276, 0, 3, 23, true, 1));
    for (int i = 0; i < 128; ++i) {
        CHfcCtrlListItem* item = list->AddItem();
        item->SetCaption(("A" + std::to_string(i) + " Program Name").c_str());
        item->m_selected = i == 5;
        item->m_marked = i % 7 == 0;
    }
    Redraw(state, list.get());
}
BENCHMARK(BM_CellList3x23)->Unit(benchmark::kMicrosecond);

void BM_ScrollBar(benchmark::State& state) {
    Art art;
    QnControlCreater creater(&art.panel, 0, 0);
    std::unique_ptr<CMMPCtrlScrollBar> bar(creater.CreateScrollBar(10, 10, 276, 1, 0, 1));
    bar->SetMaxIntValue(127, false);
    bar->SetPageSize(23, false);
    bar->SetIntValue(40, false);
    Redraw(state, bar.get());
}
BENCHMARK(BM_ScrollBar)->Unit(benchmark::kMicrosecond);

void BM_SoundSelector(benchmark::State& state) {
    Art art;
    QnControlCreater creater(&art.panel, 0, 0);
    std::unique_ptr<QnSoundSelector> sound(creater.CreateSoundSelector(10, 10, 3, 1, 1));
    sound->SetPtrValue(const_cast<char*>("Stereo Chorus Delay"), false);
    Redraw(state, sound.get());
}
BENCHMARK(BM_SoundSelector)->Unit(benchmark::kMicrosecond);

void BM_MiniProgramSelector(benchmark::State& state) {
    Art art;
    QnControlCreater creater(&art.panel, 0, 0);
    std::unique_ptr<QnMiniProgramSelector> mini(creater.CreateMiniProgramSelector(10, 10, 1));
    mini->SetIntValue(130, false);
    Redraw(state, mini.get());
}
BENCHMARK(BM_MiniProgramSelector)->Unit(benchmark::kMicrosecond);

void BM_UpdownSelector(benchmark::State& state) {
    Art art;
    SQnUpdownSelector p;
    p.x = 10;
    p.y = 10;
    p.image = ResourceManager::GetInstance()->LoadImage("DropdownListLCD_99X25");
    p.colour = 0xFFFFFFFF;
    QnUpdownSelector updown;
    updown.Create(&p, 1, 0);
    updown.AddItem("Octave +1");
    updown.SetIntValue(0, false);
    Redraw(state, &updown);
}
BENCHMARK(BM_UpdownSelector)->Unit(benchmark::kMicrosecond);

void BM_OctaveAndKeySelectors(benchmark::State& state) {
    Art art;
    QnOctaveSelector octave;
    octave.Create(10, 10, &art.panel, 10, 10, 1);
    octave.SetIntValue(4, false);
    QnKeySelector key;
    key.Create(10, 60, &art.panel, 10, 60, 2);
    key.SetIntValue(60, false);
    CHfcOffscreenContext context(816, 600);
    octave.Show(false);
    key.Show(false);
    for (auto _ : state) {
        octave.Draw(&context);
        key.Draw(&context);
    }
}
BENCHMARK(BM_OctaveAndKeySelectors)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
