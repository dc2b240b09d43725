#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <functional>
#include <memory>
#include <thread>
#include <vector>

#include "Linux/AsyncDispatch.h"
#include "Linux/RunLoop.h"
#include "Linux/Sync.h"

namespace {

struct Counter : IAsyncDispatchHandler {
    std::vector<std::vector<long>> seen;  // per poster: arguments in arrival order
    std::thread::id thread;
    bool wrongThread = false;
    std::function<void(long, long)> onEvent;
    void OnAsyncTimer(long) override {}
    void OnAsyncEvent(long event, long argument) override {
        if (std::this_thread::get_id() != thread) wrongThread = true;
        if (event >= 0 && static_cast<size_t>(event) < seen.size()) seen[event].push_back(argument);
        if (onEvent) onEvent(event, argument);
    }
};

TEST(DispatcherThreaded, PostsFromSeveralThreadsArriveOnTheMainThreadInOrder) {
    RunLoop loop;
    std::unique_ptr<IAsyncDispatch> dispatch(AsyncDispatchCreate());
    constexpr int kThreads = 4, kPosts = 300;
    Counter h;
    h.thread = std::this_thread::get_id();
    h.seen.resize(kThreads);
    std::vector<std::thread> posters;
    for (int t = 0; t < kThreads; ++t) {
        posters.emplace_back([&, t] {
            for (int i = 0; i < kPosts; ++i) dispatch->NotifyEvent(&h, t, i, i % 2 == 0);
        });
    }
    EXPECT_TRUE(loop.RunUntil(
        [&] {
            size_t total = 0;
            for (const auto& s : h.seen) total += s.size();
            return total == kThreads * kPosts;
        },
        10000));
    for (auto& p : posters) p.join();
    EXPECT_FALSE(h.wrongThread);
    for (const auto& s : h.seen) {
        ASSERT_EQ(s.size(), static_cast<size_t>(kPosts));
        for (int i = 0; i < kPosts; ++i) EXPECT_EQ(s[i], i);
    }
}

// A handler that waits for a poster on another thread must not block that poster: the handler runs
// without the dispatcher's lock.
TEST(DispatcherThreaded, PosterNeverWaitsForARunningHandler) {
    RunLoop loop;
    std::unique_ptr<IAsyncDispatch> dispatch(AsyncDispatchCreate());
    Counter h;
    h.thread = std::this_thread::get_id();
    h.seen.resize(3);
    bool posterFinished = false;
    h.onEvent = [&](long event, long) {
        if (event != 0) return;
        XEvent posted;
        posted.Create();
        std::thread poster([&] {
            dispatch->NotifyEvent(&h, 1, 7, false);
            posted.Set();
        });
        posterFinished = posted.Wait(10000);
        poster.join();
    };
    dispatch->NotifyEvent(&h, 0, 0, true);
    EXPECT_TRUE(loop.RunUntil([&] { return h.seen[1].size() == 1; }, 20000));
    EXPECT_TRUE(posterFinished);
}

// Destroyed on another thread while one of its handlers runs on the main thread: the destructor
// waits for that handler, and nothing queued is delivered afterwards.
TEST(DispatcherThreaded, DestroyedElsewhereWhileAHandlerRuns) {
    RunLoop loop;
    IAsyncDispatch* dispatch = AsyncDispatchCreate();
    Counter h;
    h.thread = std::this_thread::get_id();
    h.seen.resize(2);
    XEvent entered, deleting;
    ASSERT_TRUE(entered.Create());
    ASSERT_TRUE(deleting.Create());
    std::atomic<bool> handlerDone{false}, destroyed{false};
    bool doneBeforeDestroyReturned = false;
    h.onEvent = [&](long event, long) {
        if (event != 0) return;
        entered.Set();
        deleting.Wait(10000);
        // Give the destructor time to mark the dispatcher dead; it must then wait for us.
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        handlerDone = true;
    };
    dispatch->NotifyEvent(&h, 0, 0, true);
    dispatch->NotifyEvent(&h, 1, 0, true);
    std::thread destroyer([&] {
        entered.Wait(XEvent::INFINITE_WAIT);
        deleting.Set();
        delete dispatch;
        doneBeforeDestroyReturned = handlerDone;
        destroyed = true;
    });
    EXPECT_TRUE(loop.RunUntil([&] { return destroyed.load(); }, 10000));
    destroyer.join();
    loop.RunPending();
    EXPECT_TRUE(doneBeforeDestroyReturned);
    EXPECT_TRUE(h.seen[1].empty());
}

// A receiver withdrawn on another thread while its handler runs on the main thread: the withdrawal
// waits for that handler, and the receiver's later events never arrive; the others' still do.
TEST(DispatcherThreaded, WithdrawElsewhereWaitsForTheRunningHandler) {
    RunLoop loop;
    std::unique_ptr<IAsyncDispatch> dispatch(AsyncDispatchCreate());
    Counter h, other;
    h.thread = other.thread = std::this_thread::get_id();
    h.seen.resize(2);
    other.seen.resize(1);
    XEvent entered, withdrawing;
    ASSERT_TRUE(entered.Create());
    ASSERT_TRUE(withdrawing.Create());
    std::atomic<bool> handlerDone{false}, withdrawn{false};
    bool doneBeforeWithdrawReturned = false;
    h.onEvent = [&](long event, long) {
        if (event != 0) return;
        entered.Set();
        withdrawing.Wait(10000);
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        handlerDone = true;
    };
    dispatch->NotifyEvent(&h, 0, 0, true);
    dispatch->NotifyEvent(&h, 1, 0, true);
    dispatch->NotifyEvent(&other, 0, 9, true);
    std::thread withdrawer([&] {
        entered.Wait(XEvent::INFINITE_WAIT);
        withdrawing.Set();
        dispatch->WithdrawEvents(&h);
        doneBeforeWithdrawReturned = handlerDone;
        withdrawn = true;
    });
    EXPECT_TRUE(loop.RunUntil([&] { return withdrawn.load() && other.seen[0].size() == 1; }, 10000));
    withdrawer.join();
    loop.RunPending();
    EXPECT_TRUE(doneBeforeWithdrawReturned);
    EXPECT_TRUE(h.seen[1].empty());
    EXPECT_EQ(other.seen[0], std::vector<long>{9});
}

// Receivers made, posted to and destroyed on a worker while the main thread drains: a receiver
// that withdraws in its destructor is never called once freed (AddressSanitizer and
// ThreadSanitizer watch this one).
TEST(DispatcherThreaded, ReceiversDestroyedWhileTheMainThreadDrains) {
    RunLoop loop;
    std::unique_ptr<IAsyncDispatch> dispatch(AsyncDispatchCreate());
    struct Receiver : IAsyncDispatchHandler {
        IAsyncDispatch* dispatch;
        std::atomic<int>* calls;
        long payload[8] = {};
        explicit Receiver(IAsyncDispatch* d, std::atomic<int>* c) : dispatch(d), calls(c) {}
        ~Receiver() override { dispatch->WithdrawEvents(this); }
        void OnAsyncTimer(long) override {}
        void OnAsyncEvent(long event, long argument) override {
            payload[event & 7] += argument;
            ++*calls;
        }
    };
    std::atomic<int> calls{0};
    std::atomic<bool> done{false};
    std::thread worker([&] {
        for (int round = 0; round < 300; ++round) {
            auto r = std::make_unique<Receiver>(dispatch.get(), &calls);
            for (int i = 0; i < 8; ++i) dispatch->NotifyEvent(r.get(), i, 1, true);
            if (round % 3 == 0) std::this_thread::yield();
        }
        done = true;
    });
    EXPECT_TRUE(loop.RunUntil([&] { return done.load(); }, 20000));
    worker.join();
    loop.RunPending();
    EXPECT_LE(calls.load(), 300 * 8);
}

TEST(DispatcherThreaded, DispatcherOnTheUIThreadDeliversThere) {
    RunLoop* ui = UIThread::Acquire();
    IAsyncDispatch* dispatch = nullptr;
    std::thread::id uiThread;
    ASSERT_TRUE(UIThread::Call([&] {
        dispatch = AsyncDispatchCreate();
        uiThread = std::this_thread::get_id();
    }));
    ASSERT_NE(dispatch, nullptr);
    Counter h;
    h.thread = uiThread;
    h.seen.resize(1);
    XEvent delivered;
    ASSERT_TRUE(delivered.Create());
    h.onEvent = [&](long, long) { delivered.Set(); };
    dispatch->NotifyEvent(&h, 0, 5, false);  // not the main thread: queued
    EXPECT_TRUE(delivered.Wait(10000));
    UIThread::Call([&] { delete dispatch; });
    EXPECT_FALSE(h.wrongThread);
    EXPECT_EQ(h.seen[0], std::vector<long>{5});
    EXPECT_EQ(UIThread::Loop(), ui);
    UIThread::Release();
}

}  // namespace
