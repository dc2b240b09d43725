// Binding every parameter table (the plug-in's start-up cost) and the cost of one value read, write
// and text conversion.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <cstring>
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

// Builds fresh bound tables (not the shared ones) for both models, every row asked for (rows are
// bound on first use).
size_t BindAll() {
    size_t rows = 0;
    for (unsigned char pmid : {kPmidTolva, kPmidNerimo}) {
        for (const TableSize& t : AllTables()) {
            CParamTable table(*t.table, pmid, t.size);
            for (unsigned i = 0; i < table.GetCount(); ++i) rows += table.GetAt(i)->converter != nullptr;
        }
    }
    return rows;
}

void BM_BindAllTablesBothModels(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(BindAll());
}
BENCHMARK(BM_BindAllTablesBothModels)->Unit(benchmark::kMillisecond);

const PARAMDESC* PanRow() {
    return CParamTable::GetInstance(TABLEDESC_COMBIPLAYTRK, kPmidTolva, kSizeTimbre)->FindPID(0x0001);
}

void BM_ValueRead(benchmark::State& state) {
    const PARAMDESC* row = PanRow();
    const IAccessorI* a = RowAccessorI(*row);
    uint8_t record[kSizeTimbre] = {};
    for (auto _ : state) benchmark::DoNotOptimize(a->Get(record, row->offset));
}
BENCHMARK(BM_ValueRead);

void BM_ValueWrite(benchmark::State& state) {
    const PARAMDESC* row = PanRow();
    const IAccessorI* a = RowAccessorI(*row);
    uint8_t record[kSizeTimbre] = {};
    int v = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(a->Put(record, row->offset, v));
        v = (v + 1) & 127;
    }
}
BENCHMARK(BM_ValueWrite);

void BM_ValueToText(benchmark::State& state) {
    const PARAMDESC* row = PanRow();
    int v = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(row->converter->Format(v));
        v = (v + 1) & 127;
    }
}
BENCHMARK(BM_ValueToText);

void BM_TextToValue(benchmark::State& state) {
    const PARAMDESC* row = CParamTable::GetInstance(TABLEDESC_TONEADJDESTTMPL, kPmidTolva, 2)->GetAt(17);
    for (auto _ : state) benchmark::DoNotOptimize(row->converter->Parse("-3.25"));
}
BENCHMARK(BM_TextToValue);

}  // namespace

int main(int argc, char** argv) {
    // The first binding of a process also fills the shared accessor and converter pools: that is
    // the start-up figure.
    const auto start = std::chrono::steady_clock::now();
    const size_t rows = BindAll();
    const double ms =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    printf("First binding of every table for both models: %zu rows in %.2f ms\n", rows, ms);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
