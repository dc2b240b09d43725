// Time to save and to load a whole-image (all-data) file in memory.
#include <benchmark/benchmark.h>

#include <memory>
#include <sstream>
#include <string>

#include "Common/Files/Persist.h"

using namespace QorX0;

namespace {

std::unique_ptr<CHUNK_REMOTESYNTH> FilledImage() {
    auto image = std::make_unique<CHUNK_REMOTESYNTH>();
    for (size_t i = 0; i < sizeof(CHUNK_REMOTESYNTH); ++i) image->Bytes()[i] = static_cast<uint8_t>(i * 31);
    return image;
}

void BM_SaveAllData(benchmark::State& state) {
    auto image = FilledImage();
    PERSISTPARAMS params{FTYPE_ALL, 0, image.get(), {}, {}};
    for (auto _ : state) {
        std::ostringstream os;
        if (!PersistSaveStream(os, 1, &params)) state.SkipWithError("save failed");
        benchmark::DoNotOptimize(os.tellp());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) *
                            static_cast<int64_t>(sizeof(CHUNK_REMOTESYNTH)));
}
BENCHMARK(BM_SaveAllData)->Unit(benchmark::kMicrosecond);

// As the plug-in saves a chunk: into a string reserved for a whole image up front, so the stream
// never grows (the default stream above doubles its buffer and copies it as the save goes).
void BM_SaveAllDataIntoReservedBuffer(benchmark::State& state) {
    auto image = FilledImage();
    PERSISTPARAMS params{FTYPE_ALL, 0, image.get(), {}, {}};
    std::ostringstream plain;
    PersistSaveStream(plain, 1, &params);
    const std::string expected = plain.str();
    for (auto _ : state) {
        std::string reserved;
        reserved.reserve(900000);
        std::ostringstream os(std::move(reserved), std::ios::binary);
        if (!PersistSaveStream(os, 1, &params)) state.SkipWithError("save failed");
        benchmark::DoNotOptimize(os.tellp());
        state.PauseTiming();
        if (os.str() != expected) state.SkipWithError("the save differs from the plain stream's");
        state.ResumeTiming();
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) *
                            static_cast<int64_t>(sizeof(CHUNK_REMOTESYNTH)));
}
BENCHMARK(BM_SaveAllDataIntoReservedBuffer)->Unit(benchmark::kMicrosecond);

void BM_LoadAllData(benchmark::State& state) {
    auto image = FilledImage();
    PERSISTPARAMS save{FTYPE_ALL, 0, image.get(), {}, {}};
    std::ostringstream os;
    PersistSaveStream(os, 1, &save);
    const std::string file = os.str();
    auto target = std::make_unique<CHUNK_REMOTESYNTH>();
    for (auto _ : state) {
        std::istringstream is(file);
        PERSISTPARAMS load{FTYPE_UNKNOWN, 0, target.get(), {}, {}};
        if (!PersistLoadStream(is, 9, &load)) state.SkipWithError("load failed");  // with sample translation
        benchmark::DoNotOptimize(target->mode);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(file.size()));
}
BENCHMARK(BM_LoadAllData)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
