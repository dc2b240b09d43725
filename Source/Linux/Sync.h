#pragma once
// Events, mutexes, conditions and semaphores on POSIX threads. None of these throws (but a ZbrMutex's
// set-up failure handler may); failures come back as results. Every timed wait runs on the monotonic clock.
#include <pthread.h>
#include <semaphore.h>

// Auto-reset event: one Set releases one Wait (or the next Wait to start), after which the event is
// clear again.
class XEvent {
public:
    XEvent() = default;
    ~XEvent() { Destroy(); }
    XEvent(const XEvent&) = delete;
    XEvent& operator=(const XEvent&) = delete;

    // Destroys whatever the event holds, then creates the mutex and the condition; true when both exist.
    bool Create();
    void Destroy();
    bool Set();
    bool Reset();
    // Waits until the event is set or ms milliseconds have passed (INFINITE_WAIT: no limit). True when
    // it consumed a Set; false on time-out or when the event was never created.
    bool Wait(unsigned ms);

    static constexpr unsigned INFINITE_WAIT = 0xFFFFFFFFu;

    // Test builds watch the blocking waits (on the waiting thread, after each timed or unlimited wait:
    // the limit asked for and whether a Set ended it). Null, the default, watches nothing.
    using WaitObserver = void (*)(unsigned ms, bool signalled);
    static void SetWaitObserver(WaitObserver observer);

protected:
    pthread_mutex_t m_mutex{};
    pthread_cond_t m_cond{};
    bool m_mutexCreated = false;
    bool m_condCreated = false;
    bool m_signalled = false;
};

// A recursive mutex with a validity flag; the owner locks and unlocks it.
class XMutex {
public:
    XMutex() = default;
    ~XMutex() { Destroy(); }
    XMutex(const XMutex&) = delete;
    XMutex& operator=(const XMutex&) = delete;

    bool Create();
    void Destroy();
    bool IsValid() const { return m_valid; }
    bool Lock();
    bool Trylock();  // false when another thread holds it
    bool Unlock();

    pthread_mutex_t m_mutex{};
    bool m_valid = false;
};

// Kinds of ZbrMutex.
enum : int {
    ZBRMUTEX_ERRORCHECK = 1,
    ZBRMUTEX_RECURSIVE = 2,
    ZBRMUTEX_DEFAULT = 3,  // default attributes
    // any other value: a normal mutex
};

// What a ZbrMutex does when the system refuses to set it up: the handler gets the failed condition's
// text ("result == 0") and may throw (the standalone program throws its own exception); without a
// handler, or when it returns, the mutex is a plain one with the system's default attributes.
using ZbrMutexFailureHandler = void (*)(const char* condition);
void ZbrMutexSetFailureHandler(ZbrMutexFailureHandler handler);
// Test seam: the call that sets a mutex up (null: pthread_mutex_init).
using ZbrMutexInit = int (*)(pthread_mutex_t* mutex, const pthread_mutexattr_t* attributes);
void ZbrMutexSetInitForTesting(ZbrMutexInit init);

class ZbrMutex {
public:
    explicit ZbrMutex(int kind);
    ~ZbrMutex();
    ZbrMutex(const ZbrMutex&) = delete;
    ZbrMutex& operator=(const ZbrMutex&) = delete;

    // False only when the lock would deadlock (an error-checking mutex locked twice by its owner).
    bool Lock();
    bool Trylock();  // false when busy
    int Unlock();    // the system's result, 0 on success
    int Kind() const { return m_kind; }
    pthread_mutex_t* Native() { return &m_mutex; }

private:
    pthread_mutex_t m_mutex{};
    int m_kind;
};

class ZbrCondition {
public:
    ZbrCondition();
    ~ZbrCondition();
    ZbrCondition(const ZbrCondition&) = delete;
    ZbrCondition& operator=(const ZbrCondition&) = delete;

    int Signal();
    int Broadcast();
    int Wait(ZbrMutex& mutex);

private:
    pthread_cond_t m_cond{};
};

// Scope lock: locks (or try-locks) at construction, unlocks at destruction only what it locked.
class ZbrStMutexLock {
public:
    explicit ZbrStMutexLock(ZbrMutex& mutex, bool tryOnly = false);
    ~ZbrStMutexLock();
    ZbrStMutexLock(const ZbrStMutexLock&) = delete;
    ZbrStMutexLock& operator=(const ZbrStMutexLock&) = delete;
    bool IsLocked() const { return m_locked; }

private:
    ZbrMutex& m_mutex;
    bool m_locked;
};

class ZbrStMutexTrylock : public ZbrStMutexLock {
public:
    explicit ZbrStMutexTrylock(ZbrMutex& mutex) : ZbrStMutexLock(mutex, true) {}
};

// Gives a held lock away for a scope: unlocks at construction, locks again at destruction.
class ZbrStMutexUnlock {
public:
    explicit ZbrStMutexUnlock(ZbrMutex& mutex);
    ~ZbrStMutexUnlock();
    ZbrStMutexUnlock(const ZbrStMutexUnlock&) = delete;
    ZbrStMutexUnlock& operator=(const ZbrStMutexUnlock&) = delete;

private:
    ZbrMutex& m_mutex;
};

// Recursive lock, created with the object.
class CHfcCriticalSection {
public:
    CHfcCriticalSection();
    virtual ~CHfcCriticalSection();
    CHfcCriticalSection(const CHfcCriticalSection&) = delete;
    CHfcCriticalSection& operator=(const CHfcCriticalSection&) = delete;

    int Lock();    // 0 on success
    int Unlock();  // 0 on success

private:
    pthread_mutex_t m_mutex{};
};

// Recursive lock created by Create and destroyed by Destroy (not by the destructor).
class CHfcMutex {
public:
    CHfcMutex() = default;
    virtual ~CHfcMutex() = default;
    CHfcMutex(const CHfcMutex&) = delete;
    CHfcMutex& operator=(const CHfcMutex&) = delete;

    bool Create();
    bool Destroy();
    bool Lock();
    bool Unlock();

private:
    pthread_mutex_t m_mutex{};
    bool m_created = false;
};

// Counting semaphore. The policy index picks an entry of sm_aiMacPolicies (index 2 or more: entry 0);
// POSIX semaphores wake waiters in the kernel's order, so the policy is recorded, not enforced.
class CHfcSemaphore {
public:
    enum : int { POLICY_FIFO = 0, POLICY_FIXED_PRIORITY = 1 };
    static const int sm_aiMacPolicies[2];

    CHfcSemaphore(long policyIndex, long initialCount);
    virtual ~CHfcSemaphore();
    CHfcSemaphore(const CHfcSemaphore&) = delete;
    CHfcSemaphore& operator=(const CHfcSemaphore&) = delete;

    bool Wait();
    bool Signal();
    int Policy() const { return m_policy; }

private:
    sem_t m_sem{};
    bool m_created = false;
    int m_policy = POLICY_FIFO;
};
