#include <gtest/gtest.h>

#include <atomic>
#include <thread>
#include <vector>

#include "Common/Model/ModelStrings.h"
#include "Common/Model/ParamTable.h"
#include "Common/Model/Tables/SmallTables.h"

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
