// Throughput of exporting the whole image as a kind-4 PCG file and of importing that file.
#include <benchmark/benchmark.h>

#include <vector>

#include "Common/Files/PcgConvert.h"
#include "Files/PcgTestFile.h"

namespace {

constexpr int kKind = 4;
constexpr unsigned kNerimo = 1;

void BM_PcgExportKind4(benchmark::State& state) {
    PcgTest::Image img = PcgTest::MakeImage(1);
    const int size = ConvertQortoPCG(img.data(), kNerimo, nullptr, 0, kKind);
    std::vector<char> file(static_cast<size_t>(size));
    for (auto _ : state)
        benchmark::DoNotOptimize(ConvertQortoPCG(img.data(), kNerimo, file.data(), size, kKind));
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * size);
}
BENCHMARK(BM_PcgExportKind4)->Unit(benchmark::kMillisecond);

void BM_PcgImportKind4(benchmark::State& state) {
    PcgTest::Image img = PcgTest::MakeImage(2);
    const int size = ConvertQortoPCG(img.data(), kNerimo, nullptr, 0, kKind);
    std::vector<char> file(static_cast<size_t>(size));
    ConvertQortoPCG(img.data(), kNerimo, file.data(), size, kKind);
    for (auto _ : state) benchmark::DoNotOptimize(ConvertPCGtoQor(file.data(), size, img.data(), kNerimo));
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * size);
}
BENCHMARK(BM_PcgImportKind4)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
