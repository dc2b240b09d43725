#include <gtest/gtest.h>

#include <atomic>
#include <cerrno>
#include <string>
#include <thread>

#include "Linux/Sync.h"

namespace {

TEST(ZbrMutex, KindsBehaveAsTheirType) {
    ZbrMutex recursive(ZBRMUTEX_RECURSIVE);
    EXPECT_TRUE(recursive.Lock());
    EXPECT_TRUE(recursive.Lock());
    EXPECT_EQ(recursive.Unlock(), 0);
    EXPECT_EQ(recursive.Unlock(), 0);

    ZbrMutex checking(ZBRMUTEX_ERRORCHECK);
    EXPECT_TRUE(checking.Lock());
    EXPECT_FALSE(checking.Lock());  // would deadlock
    EXPECT_EQ(checking.Unlock(), 0);
    EXPECT_NE(checking.Unlock(), 0);  // not held any more

    ZbrMutex normal(7);
    EXPECT_TRUE(normal.Lock());
    EXPECT_FALSE(normal.Trylock());
    EXPECT_EQ(normal.Unlock(), 0);
    EXPECT_TRUE(normal.Trylock());
    EXPECT_EQ(normal.Unlock(), 0);

    ZbrMutex plain(ZBRMUTEX_DEFAULT);
    EXPECT_TRUE(plain.Lock());
    EXPECT_EQ(plain.Unlock(), 0);
}

// A mutex the system refuses to set up: the handler hears the failed condition, for every kind;
// without a handler the object is still a working plain lock.
TEST(ZbrMutex, ASetUpFailureGoesToTheHandler) {
    struct Failure {
        std::string condition;
    };
    ZbrMutexSetInitForTesting([](pthread_mutex_t*, const pthread_mutexattr_t*) { return ENOMEM; });
    ZbrMutexSetFailureHandler([](const char* condition) { throw Failure{condition}; });
    for (int kind : {int{ZBRMUTEX_ERRORCHECK}, int{ZBRMUTEX_RECURSIVE}, int{ZBRMUTEX_DEFAULT}, 7}) {
        try {
            ZbrMutex mutex(kind);
            ADD_FAILURE() << "no failure reported for kind " << kind;
        } catch (const Failure& f) {
            EXPECT_EQ(f.condition, "result == 0") << kind;
        }
    }
    ZbrMutexSetFailureHandler(nullptr);
    {
        ZbrMutex mutex(ZBRMUTEX_RECURSIVE);
        EXPECT_TRUE(mutex.Lock());
        EXPECT_FALSE(mutex.Trylock());
        EXPECT_EQ(mutex.Unlock(), 0);
    }
    ZbrMutexSetInitForTesting(nullptr);
    // Set up as it should be, nothing is reported.
    ZbrMutexSetFailureHandler([](const char*) { throw Failure{}; });
    EXPECT_NO_THROW({ ZbrMutex mutex(ZBRMUTEX_RECURSIVE); });
    ZbrMutexSetFailureHandler(nullptr);
}

TEST(ZbrMutexThreaded, TryScopeLockOnAMutexHeldElsewhereDoesNotUnlock) {
    ZbrMutex mutex(ZBRMUTEX_RECURSIVE);
    ASSERT_TRUE(mutex.Lock());
    std::thread other([&] {
        {
            ZbrStMutexTrylock lock(mutex);
            EXPECT_FALSE(lock.IsLocked());
        }
        ZbrStMutexLock lock(mutex, true);
        EXPECT_FALSE(lock.IsLocked());
    });
    other.join();
    // Still ours: another thread still cannot take it.
    std::thread check([&] { EXPECT_FALSE(mutex.Trylock()); });
    check.join();
    EXPECT_EQ(mutex.Unlock(), 0);
}

TEST(ZbrMutexThreaded, ScopeLockHoldsForItsScope) {
    ZbrMutex mutex(ZBRMUTEX_RECURSIVE);
    auto tryFromOtherThread = [&] {
        bool got = false;
        std::thread t([&] {
            got = mutex.Trylock();
            if (got) mutex.Unlock();
        });
        t.join();
        return got;
    };
    {
        ZbrStMutexLock lock(mutex);
        EXPECT_TRUE(lock.IsLocked());
        EXPECT_FALSE(tryFromOtherThread());
        {
            ZbrStMutexUnlock away(mutex);
            EXPECT_TRUE(tryFromOtherThread());
        }
        EXPECT_FALSE(tryFromOtherThread());
    }
    EXPECT_TRUE(tryFromOtherThread());
}

TEST(ZbrConditionThreaded, SignalWakesAWaiterUnderTheMutex) {
    ZbrMutex mutex(ZBRMUTEX_DEFAULT);
    ZbrCondition cond;
    bool ready = false;
    std::thread waiter([&] {
        ZbrStMutexLock lock(mutex);
        while (!ready) EXPECT_EQ(cond.Wait(mutex), 0);
    });
    {
        ZbrStMutexLock lock(mutex);
        ready = true;
        EXPECT_EQ(cond.Signal(), 0);
    }
    waiter.join();
    EXPECT_EQ(cond.Broadcast(), 0);
}

TEST(CHfcLocks, CriticalSectionAndMutexAreRecursive) {
    CHfcCriticalSection section;
    EXPECT_EQ(section.Lock(), 0);
    EXPECT_EQ(section.Lock(), 0);
    EXPECT_EQ(section.Unlock(), 0);
    EXPECT_EQ(section.Unlock(), 0);

    CHfcMutex mutex;
    EXPECT_FALSE(mutex.Lock());  // not created yet
    ASSERT_TRUE(mutex.Create());
    EXPECT_TRUE(mutex.Lock());
    EXPECT_TRUE(mutex.Lock());
    EXPECT_TRUE(mutex.Unlock());
    EXPECT_TRUE(mutex.Unlock());
    EXPECT_TRUE(mutex.Destroy());
    EXPECT_FALSE(mutex.Destroy());
}

TEST(XMutex, RecursiveOnceCreated) {
    XMutex mutex;
    EXPECT_FALSE(mutex.Lock());
    ASSERT_TRUE(mutex.Create());
    EXPECT_TRUE(mutex.IsValid());
    EXPECT_TRUE(mutex.Lock());
    EXPECT_TRUE(mutex.Trylock());
    EXPECT_TRUE(mutex.Unlock());
    EXPECT_TRUE(mutex.Unlock());
}

TEST(CHfcSemaphore, PolicyComesFromTheTable) {
    struct Case {
        long index;
        int policy;
    };
    for (const Case& c : {Case{0, CHfcSemaphore::POLICY_FIFO}, Case{1, CHfcSemaphore::POLICY_FIXED_PRIORITY},
                          Case{5, CHfcSemaphore::POLICY_FIFO}, Case{-1, CHfcSemaphore::POLICY_FIFO}}) {
        CHfcSemaphore sem(c.index, 0);
        EXPECT_EQ(sem.Policy(), c.policy) << c.index;
    }
}

TEST(CHfcSemaphoreThreaded, CountsSignalsAndBlocksWhenEmpty) {
    CHfcSemaphore sem(0, 2);
    EXPECT_TRUE(sem.Wait());
    EXPECT_TRUE(sem.Wait());
    std::atomic<bool> passed{false};
    std::thread waiter([&] {
        EXPECT_TRUE(sem.Wait());
        passed = true;
    });
    EXPECT_TRUE(sem.Signal());
    waiter.join();
    EXPECT_TRUE(passed);
}

// Used as a lock with one holder, as the window's dirty-rectangle guard does.
TEST(CHfcSemaphoreThreaded, WorksAsALock) {
    CHfcSemaphore sem(0, 0);
    sem.Signal();
    int counter = 0;
    auto body = [&] {
        for (int i = 0; i < 10000; ++i) {
            sem.Wait();
            ++counter;
            sem.Signal();
        }
    };
    std::thread a(body), b(body);
    a.join();
    b.join();
    EXPECT_EQ(counter, 20000);
}

}  // namespace
