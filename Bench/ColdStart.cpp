// The plug-in's cold start-up in the model: the first binding of every parameter table for both
// models and the image's initialisation, as a fresh process pays it. Each sample runs in a child
// forked from a parent that never touched the tables, and reports its own time through a pipe.
#include <benchmark/benchmark.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <vector>

#include "AllTables.h"
#include "Common/Model/ParamTable.h"
#include "Common/Model/SynthData.h"
#include "Common/Model/Tables/EffectTables.h"
#include "Common/Model/Tables/SmallTables.h"
#include "Common/Model/Tables/SoundTables.h"

using namespace QorX0;
using namespace QorX0::bench;

namespace {

// In the child: the shared tables bound for both models, then a whole image initialised. Rows get
// their accessor and converter on first use; everyRow asks for each, as a host showing every row
// would, so the whole binding is paid here too.
int64_t ColdStartNanoseconds(bool everyRow) {
    const auto start = std::chrono::steady_clock::now();
    size_t rows = 0;
    for (unsigned char pmid : {kPmidTolva, kPmidNerimo}) {
        for (const TableSize& t : AllTables()) {
            const CParamTable* table = CParamTable::GetInstance(*t.table, pmid, t.size);
            rows += table->GetCount();
            for (unsigned i = 0; everyRow && i < table->GetCount(); ++i)
                rows += table->GetAt(i)->converter != nullptr;
        }
    }
    auto image = std::make_unique<CHUNK_REMOTESYNTH>();
    InitAllChunk(image.get());
    benchmark::DoNotOptimize(rows);
    benchmark::DoNotOptimize(image->Bytes()[12345]);
    return std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::steady_clock::now() - start)
        .count();
}

void ColdStartSamples(benchmark::State& state, bool everyRow) {
    for (auto _ : state) {
        int fds[2];
        if (::pipe(fds) != 0) {
            state.SkipWithError("pipe failed");
            break;
        }
        const pid_t child = ::fork();
        if (child == 0) {
            ::close(fds[0]);
            const int64_t ns = ColdStartNanoseconds(everyRow);
            const bool sent = ::write(fds[1], &ns, sizeof ns) == static_cast<ssize_t>(sizeof ns);
            ::_exit(sent ? 0 : 1);
        }
        ::close(fds[1]);
        int64_t ns = -1;
        const bool read = child > 0 && ::read(fds[0], &ns, sizeof ns) == static_cast<ssize_t>(sizeof ns);
        ::close(fds[0]);
        int status = 0;
        if (child > 0) ::waitpid(child, &status, 0);
        if (!read || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
            state.SkipWithError("child failed");
            break;
        }
        state.SetIterationTime(static_cast<double>(ns) * 1e-9);
    }
}
void BM_ColdBindAllTablesAndInitImage(benchmark::State& state) {
    ColdStartSamples(state, false);
}
BENCHMARK(BM_ColdBindAllTablesAndInitImage)->UseManualTime()->Unit(benchmark::kMillisecond)->MinTime(0.2);

void BM_ColdBindEveryRowAndInitImage(benchmark::State& state) {
    ColdStartSamples(state, true);
}
BENCHMARK(BM_ColdBindEveryRowAndInitImage)->UseManualTime()->Unit(benchmark::kMillisecond)->MinTime(0.2);

}  // namespace

BENCHMARK_MAIN();
