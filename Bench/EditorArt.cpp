// Start-up cost of the editor's art: the font manager with its eight glyph strips, and decoding
// every image of the editor once (what opening every page would cost), with the decoded size.
#include <benchmark/benchmark.h>

#include "Common/Controls/ArtCatalogue.h"
#include "Common/FontManager/FontManager.h"
#include "Common/FontManager/ResourceManager.h"
#include "Hfc/Draw/HfcBmp.h"

namespace {

void BM_FontManagerStart(benchmark::State& state) {
    for (auto _ : state) {
        ResourceManager::Initialize();
        FontManager::Initialize();
        benchmark::DoNotOptimize(FontManager::GetInstance()->GetBmpFontInfo("FontGeneva9"));
        FontManager::Uninitialize();
        ResourceManager::Uninitialize();
    }
}
BENCHMARK(BM_FontManagerStart)->Unit(benchmark::kMillisecond);

void BM_DecodeEveryImage(benchmark::State& state) {
    double bytes = 0;
    for (auto _ : state) {
        ResourceManager::Initialize();
        bytes = 0;
        for (const ArtCatalogue::ImageInfo& info : ArtCatalogue::kImages) {
            CHfcBmp* image = ResourceManager::GetInstance()->LoadImage(info.name);
            if (image == nullptr) {
                state.SkipWithError(info.name);
                break;
            }
            bytes += 4.0 * image->GetWidth() * image->GetHeight();
        }
        for (const ArtCatalogue::StripInfo& strip : ArtCatalogue::kStrips) {
            CHfcBmp* image = ResourceManager::GetInstance()->LoadImage(strip.name);
            if (image != nullptr) bytes += 4.0 * image->GetWidth() * image->GetHeight();
        }
        ResourceManager::Uninitialize();
    }
    state.counters["decoded_MB"] = bytes / (1024.0 * 1024.0);
    state.counters["resources"] =
        static_cast<double>(ArtCatalogue::kImageCount + std::size(ArtCatalogue::kStrips));
}
BENCHMARK(BM_DecodeEveryImage)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
