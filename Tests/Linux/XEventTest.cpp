#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "Linux/Sync.h"
#include "Linux/SysTick.h"

namespace {

// Lets a test wake waiters without setting the event, as a spurious wake-up would.
class ProddableEvent : public XEvent {
public:
    void WakeWithoutSet() {
        pthread_mutex_lock(&m_mutex);
        pthread_cond_broadcast(&m_cond);
        pthread_mutex_unlock(&m_mutex);
    }
};

TEST(XEvent, SetBeforeWaitIsConsumedOnce) {
    XEvent ev;
    ASSERT_TRUE(ev.Create());
    EXPECT_TRUE(ev.Set());
    EXPECT_TRUE(ev.Wait(1000));
    EXPECT_FALSE(ev.Wait(0));
    EXPECT_FALSE(ev.Wait(5));
}

TEST(XEvent, SetsBeforeAWaitCollapseIntoOne) {
    XEvent ev;
    ASSERT_TRUE(ev.Create());
    ev.Set();
    ev.Set();
    EXPECT_TRUE(ev.Wait(0));
    EXPECT_FALSE(ev.Wait(0));
}

TEST(XEvent, ResetClearsAPendingSet) {
    XEvent ev;
    ASSERT_TRUE(ev.Create());
    ev.Set();
    ev.Reset();
    EXPECT_FALSE(ev.Wait(0));
}

TEST(XEvent, UncreatedEventNeverWaits) {
    XEvent ev;
    EXPECT_FALSE(ev.Set());
    EXPECT_FALSE(ev.Wait(XEvent::INFINITE_WAIT));
}

TEST(XEvent, CreateAgainStartsClear) {
    XEvent ev;
    ASSERT_TRUE(ev.Create());
    ev.Set();
    ASSERT_TRUE(ev.Create());
    EXPECT_FALSE(ev.Wait(0));
}

// A wait that times out lasts at least its time on the monotonic clock, including times whose
// nanoseconds carry into the next second.
TEST(XEvent, TimeOutWaitsAtLeastTheTime) {
    XEvent ev;
    ASSERT_TRUE(ev.Create());
    for (unsigned ms : {1u, 20u, 999u}) {
        const uint64_t start = MonotonicMicroseconds();
        EXPECT_FALSE(ev.Wait(ms));
        EXPECT_GE(MonotonicMicroseconds() - start, ms * 1000ull) << ms;
    }
}

TEST(XEventThreaded, InfiniteWaitReturnsAfterSet) {
    XEvent ev;
    ASSERT_TRUE(ev.Create());
    std::atomic<bool> returned{false};
    std::thread waiter([&] {
        EXPECT_TRUE(ev.Wait(XEvent::INFINITE_WAIT));
        returned = true;
    });
    ev.Set();
    waiter.join();
    EXPECT_TRUE(returned);
    EXPECT_FALSE(ev.Wait(0));
}

TEST(XEventThreaded, WakeUpWithoutSetIsNotASet) {
    ProddableEvent ev;
    ASSERT_TRUE(ev.Create());
    std::atomic<bool> done{false};
    bool result = true;
    std::thread waiter([&] {
        result = ev.Wait(200);
        done = true;
    });
    while (!done) {
        ev.WakeWithoutSet();
        std::this_thread::yield();
    }
    waiter.join();
    EXPECT_FALSE(result);
}

// Every Set made while the other side is between waits must release a later Wait: a producer that
// sets once per item and a consumer that waits once per item finish without any Wait timing out.
TEST(XEventThreaded, NoSetIsLostBetweenWakeUpAndReturn) {
    XEvent item, taken;
    ASSERT_TRUE(item.Create());
    ASSERT_TRUE(taken.Create());
    constexpr int kItems = 2000;
    int timeouts = 0;
    std::thread consumer([&] {
        for (int i = 0; i < kItems; ++i) {
            if (!item.Wait(5000)) ++timeouts;
            taken.Set();
        }
    });
    for (int i = 0; i < kItems; ++i) {
        item.Set();
        ASSERT_TRUE(taken.Wait(5000));
    }
    consumer.join();
    EXPECT_EQ(timeouts, 0);
}

TEST(XEventThreaded, EachSetReleasesOneWaiter) {
    XEvent ev;
    ASSERT_TRUE(ev.Create());
    std::atomic<int> released{0};
    auto body = [&] {
        if (ev.Wait(XEvent::INFINITE_WAIT)) ++released;
    };
    std::thread a(body), b(body);
    ev.Set();
    while (released.load() < 1) std::this_thread::yield();
    ev.Set();
    a.join();
    b.join();
    EXPECT_EQ(released.load(), 2);
    EXPECT_FALSE(ev.Wait(0));
}

}  // namespace
