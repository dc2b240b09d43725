// The stock controls' drawing costs: a full redraw of a list showing 128 items, an update of 4 dirty
// cells, and typing 32 characters into the text engine with a redraw after each.
#include <benchmark/benchmark.h>

#include <string>

#include "Hfc/Core/HfcCtrlList.h"
#include "Hfc/Core/HfcTextEngine.h"
#include "Hfc/Draw/HfcBmp.h"
#include "Hfc/Draw/HfcDrawContext.h"

namespace {

// A glyph strip of 128 cells, 6 × 9, each glyph a few opaque pixels.
void MakeStrip(CHfcBmp* strip, int width, int height) {
    strip->Create(width, height * 128);
    for (int c = 32; c < 128; ++c) {
        for (int y = 1; y < height - 1; ++y)
            strip->SetPixel(1 + (c + y) % (width - 2), c * height + y, 0xffffffff);
    }
}

// 4 columns × 32 rows of 100 × 12 cells, row by row, with captions.
class BenchList : public CHfcCtrlList {
public:
    explicit BenchList(CHfcBmp* font) {
        Create(0, 0, 400, 384, 1);
        tagHfcCtrlListLayout layout;
        layout.columns = 4;
        layout.rows = 32;
        layout.columnMajor = 0;
        layout.font = font;
        layout.charWidth = 6;
        layout.charHeight = 9;
        layout.insetX = 1;
        layout.insetY = 1;
        layout.textX = 2;
        layout.selectionColour = 0xff3050a0;
        layout.markColour = 0xff202830;
        SetLayout(layout, 100.0f, 12.0f);
        Enable(false);
        Show(false);
        for (int i = 0; i < 128; ++i) {
            CHfcCtrlListItem* item = AddItem();
            item->SetCaption(("Program " + std::to_string(i)).c_str());
            item->m_selected = i == 5;
            item->m_marked = i % 7 == 0;
        }
    }
};

void BM_ListFullRedraw(benchmark::State& state) {
    CHfcBmp font;
    MakeStrip(&font, 6, 9);
    BenchList list(&font);
    CHfcOffscreenContext context(400, 384);
    for (auto _ : state) {
        for (int i = 0; i < 128; ++i) list.GetItem(i)->m_dirty = true;
        list.Draw(&context);
    }
    state.counters["individual"] = list.WasIndividualUpdate() ? 1 : 0;
}
BENCHMARK(BM_ListFullRedraw)->Unit(benchmark::kMicrosecond);

void BM_ListFourCells(benchmark::State& state) {
    CHfcBmp font;
    MakeStrip(&font, 6, 9);
    BenchList list(&font);
    CHfcOffscreenContext context(400, 384);
    list.Draw(&context);
    for (auto _ : state) {
        for (int i : {3, 40, 77, 120}) list.GetItem(i)->m_dirty = true;
        list.Draw(&context);
    }
    state.counters["individual"] = list.WasIndividualUpdate() ? 1 : 0;
}
BENCHMARK(BM_ListFourCells)->Unit(benchmark::kMicrosecond);

void BM_TypeThirtyTwoCharacters(benchmark::State& state) {
    CHfcBmp font;
    MakeStrip(&font, 6, 9);
    CHfcOffscreenContext context(200, 9);
    const char* text = "Warm Analog Pad With Slow Filter";  // 32 characters
    for (auto _ : state) {
        CHfcEditTextEngine engine(nullptr, 1024);
        engine.SetDrawParameters(&font, 0xff3f3f7f, 0xffffffff, 6, 9, 32);
        for (const char* c = text; *c; ++c) {
            engine.Input(*c);
            engine.Draw(&context, 0, 0, 193, 9);
        }
        benchmark::DoNotOptimize(engine.GetLength());
    }
}
BENCHMARK(BM_TypeThirtyTwoCharacters)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
