#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>
#include <vector>

#include "Linux/RunLoop.h"
#include "Linux/Sync.h"

namespace {

TEST(RunLoopThreaded, PostsFromSeveralThreadsAllRunInEachThreadsOrder) {
    RunLoop loop;
    constexpr int kThreads = 4, kPosts = 500;
    std::vector<std::vector<int>> seen(kThreads);
    std::vector<std::thread> posters;
    for (int t = 0; t < kThreads; ++t) {
        posters.emplace_back([&, t] {
            for (int i = 0; i < kPosts; ++i) loop.Post(nullptr, [&, t, i] { seen[t].push_back(i); });
        });
    }
    int total = 0;
    EXPECT_TRUE(loop.RunUntil(
        [&] {
            total = 0;
            for (const auto& s : seen) total += static_cast<int>(s.size());
            return total == kThreads * kPosts;
        },
        10000));
    for (auto& p : posters) p.join();
    for (int t = 0; t < kThreads; ++t) {
        ASSERT_EQ(seen[t].size(), static_cast<size_t>(kPosts));
        for (int i = 0; i < kPosts; ++i) EXPECT_EQ(seen[t][i], i);
    }
}

TEST(RunLoopThreaded, QuitFromAnotherThreadEndsRun) {
    RunLoop loop;
    std::thread quitter([&] { loop.Quit(); });
    loop.Run();
    quitter.join();
    EXPECT_TRUE(loop.IsQuitting());
}

// An owner freed by another thread must not be running on the loop at that moment: CancelOwner
// waits for the callback in progress.
TEST(RunLoopThreaded, CancelOwnerFromAnotherThreadWaitsForTheRunningCallback) {
    RunLoop loop;
    XEvent entered, cancelling;
    ASSERT_TRUE(entered.Create());
    ASSERT_TRUE(cancelling.Create());
    const int owner = 0;
    std::atomic<bool> callbackDone{false}, cancelReturned{false};
    bool doneWhenCancelReturned = false;
    loop.Post(&owner, [&] {
        entered.Set();
        cancelling.Wait(10000);
        // Give CancelOwner time to drop the queued work; it must then wait for us.
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        callbackDone = true;
    });
    loop.Post(&owner, [&] { ADD_FAILURE() << "cancelled work ran"; });
    std::thread canceller([&] {
        entered.Wait(XEvent::INFINITE_WAIT);
        cancelling.Set();
        loop.CancelOwner(&owner);
        doneWhenCancelReturned = callbackDone;
        cancelReturned = true;
    });
    EXPECT_TRUE(loop.RunUntil([&] { return cancelReturned.load(); }, 10000));
    canceller.join();
    EXPECT_TRUE(doneWhenCancelReturned);
}

TEST(UIThreadThreaded, FirstUserStartsItLastStopsItAndCallsWait) {
    EXPECT_EQ(UIThread::Loop(), nullptr);
    EXPECT_FALSE(UIThread::Call([] {}));
    RunLoop* first = UIThread::Acquire();
    RunLoop* second = UIThread::Acquire();
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first, second);
    EXPECT_FALSE(first->IsLoopThread());

    bool onUIThread = false;
    int value = 0;
    EXPECT_TRUE(UIThread::Call([&] {
        onUIThread = UIThread::Loop()->IsLoopThread();
        value = 42;
        // A nested call from the UI thread itself runs at once.
        UIThread::Call([&] { ++value; });
    }));
    EXPECT_TRUE(onUIThread);
    EXPECT_EQ(value, 43);

    // Calls from several host threads at once.
    std::atomic<int> calls{0};
    std::vector<std::thread> hosts;
    for (int i = 0; i < 4; ++i)
        hosts.emplace_back([&] {
            for (int j = 0; j < 50; ++j) UIThread::Call([&] { ++calls; });
        });
    for (auto& h : hosts) h.join();
    EXPECT_EQ(calls.load(), 200);

    UIThread::Release();
    EXPECT_EQ(UIThread::Loop(), first);
    UIThread::Release();
    EXPECT_EQ(UIThread::Loop(), nullptr);
    EXPECT_FALSE(UIThread::Call([] {}));
}

// What the UI thread runs while the last user releases it may still ask for the UI thread: it finds
// none, and the release ends instead of waiting for it forever.
TEST(UIThreadThreaded, ReleaseWhileTheUIThreadAsksForItself) {
    UIThread::Acquire();
    std::atomic<bool> started{false}, releasing{false};
    std::atomic<int> asked{0};
    RunLoop* seen = reinterpret_cast<RunLoop*>(1);
    bool called = true;
    UIThread::Loop()->Post(nullptr, [&] {
        started = true;
        while (!releasing.load()) std::this_thread::yield();
        std::this_thread::sleep_for(std::chrono::milliseconds(50));  // Release is inside now
        seen = UIThread::Loop();
        called = UIThread::Call([] {});
        ++asked;
    });
    XEvent released;
    ASSERT_TRUE(released.Create());
    std::thread releaser([&] {
        while (!started.load()) std::this_thread::yield();
        releasing = true;
        UIThread::Release();
        released.Set();
    });
    const bool ended = released.Wait(5000);
    if (!ended) {
        // A deadlock: leave the stuck threads behind and say so.
        releaser.detach();
        FAIL() << "UIThread::Release never returned";
    }
    releaser.join();
    EXPECT_EQ(asked.load(), 1);
    EXPECT_EQ(seen, nullptr);
    EXPECT_FALSE(called);
    EXPECT_EQ(UIThread::Loop(), nullptr);
}

}  // namespace
