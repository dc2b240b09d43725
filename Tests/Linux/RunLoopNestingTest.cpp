// A loop knows how deep its nested loops run, so that teardown can wait for the outermost level.
#include <gtest/gtest.h>

#include <vector>

#include "Linux/RunLoop.h"

TEST(RunLoopNesting, DepthCountsTheLoopsOnTheStack) {
    RunLoop loop;
    EXPECT_EQ(loop.NestingDepth(), 0);
    std::vector<int> seen;
    loop.Post(nullptr, [&] {
        seen.push_back(loop.NestingDepth());
        bool inner = false;
        loop.Post(nullptr, [&] {
            seen.push_back(loop.NestingDepth());
            inner = true;
        });
        loop.RunModal([&] { return inner; });
        seen.push_back(loop.NestingDepth());
    });
    bool done = false;
    loop.Post(nullptr, [&] { done = true; });
    EXPECT_TRUE(loop.RunUntil([&] { return done; }, 5000));
    EXPECT_EQ(seen, (std::vector<int>{1, 2, 1}));
    EXPECT_EQ(loop.NestingDepth(), 0);
    loop.RunPending();
    EXPECT_EQ(loop.NestingDepth(), 0);
}
