#include <gtest/gtest.h>

#include <atomic>
#include <thread>
#include <vector>

#include "Common/Model/ModelStrings.h"
#include "Common/Model/ParamTable.h"
#include "Common/Model/SynthData.h"
#include "Common/Model/Tables/SmallTables.h"
#include "Common/Model/Tables/SoundTables.h"

using namespace QorX0;

// Effect sub-sections may bind a table while a dump is applied on another thread: every thread must
// get the same shared table, accessors and converters.
TEST(ParamTableThreaded, ConcurrentBindingYieldsOneSharedTable) {
    static const PARAMDESC rows[] = {
        {"A\0"
         "A",
         nullptr, 0x0000, 2, 2, 0, 0, 6, 0, 0, 127, 0, 0, "0~127\t%.0f,v"},
        {"B\0"
         "B",
         nullptr, 0x0001, 3, 3, 1, 0, 7, 0, 0, 0, 0, 0, "-1\tOFF\n0\tPRG\n1\tON"},
        {"C\0"
         "C",
         nullptr, 0x0002, 2, 5, 2, 0, 15, 0, -1200, 1200, 0, 0, "1\f%.0f,v\f9\f%.1f,v/10"},
    };
    static const TABLEDESC table = MakeTable(rows);
    constexpr int kThreads = 8;
    std::vector<const CParamTable*> seen(kThreads);
    std::atomic<bool> go{false};
    std::vector<std::thread> threads;
    for (int i = 0; i < kThreads; ++i) {
        threads.emplace_back([&, i] {
            while (!go.load()) std::this_thread::yield();
            seen[i] = CParamTable::GetInstance(table, i % 2 ? 9 : 1, 4);
            CParamTable::GetInstance(TABLEDESC_ARPPATTERN, i % 2 ? 9 : 1, 320);
        });
    }
    go = true;
    for (auto& t : threads) t.join();
    for (int i = 2; i < kThreads; ++i) EXPECT_EQ(seen[i], seen[i % 2]) << i;
    EXPECT_NE(seen[0], seen[1]);
    // Each model's table carries its own piece of the per-model format.
    EXPECT_EQ(multiszlong(seen[0]->GetAt(2)->converter->Format(-60)), "-60");
    EXPECT_EQ(multiszlong(seen[1]->GetAt(2)->converter->Format(-60)), "-6.0");
}

// Rows are given their accessor, converter and format when first asked for, from whichever thread asks
// first: threads walking a fresh table in different orders (by index and by PID) must all see every
// row whole, as a table bound before them shows it.
TEST(ParamTableThreaded, RowsBoundOnFirstUseAgreeAcrossThreads) {
    for (unsigned char pmid : {kPmidTolva, kPmidNerimo}) {
        SCOPED_TRACE(static_cast<int>(pmid));
        const CParamTable* known = CParamTable::GetInstance(TABLEDESC_PROGEDIT, pmid, kSizeProgram);
        const unsigned count = known->GetCount();
        const CParamTable fresh(TABLEDESC_PROGEDIT, pmid, kSizeProgram);
        constexpr int kThreads = 6;
        std::vector<std::vector<const PARAMDESC*>> seen(kThreads, std::vector<const PARAMDESC*>(count));
        std::atomic<bool> go{false};
        std::vector<std::thread> threads;
        for (int t = 0; t < kThreads; ++t) {
            threads.emplace_back([&, t] {
                while (!go.load()) std::this_thread::yield();
                for (unsigned n = 0; n < count; ++n) {
                    const unsigned i =
                        t % 2 ? count - 1 - n : (n + count * static_cast<unsigned>(t) / kThreads) % count;
                    const int pid = fresh.IndexToPID(i);
                    const PARAMDESC* byPid = t % 3 == 0 && pid != kPidNone ? fresh.FindPID(pid) : nullptr;
                    seen[t][i] = byPid && byPid == fresh.GetAt(i) ? byPid : fresh.GetAt(i);
                }
            });
        }
        go = true;
        for (auto& t : threads) t.join();
        for (unsigned i = 0; i < count; ++i) {
            const PARAMDESC& want = *known->GetAt(i);
            for (int t = 0; t < kThreads; ++t) {
                const PARAMDESC& got = *seen[t][i];
                ASSERT_EQ(&got, fresh.GetAt(i));
                EXPECT_EQ(got.accessor, want.accessor) << i;
                EXPECT_EQ(got.converter, want.converter) << i;
                EXPECT_STREQ(got.format, want.format) << i;
                EXPECT_EQ(got.minval, want.minval) << i;
                EXPECT_EQ(got.maxval, want.maxval) << i;
                EXPECT_EQ(got.pid, want.pid) << i;
            }
        }
    }
}
