#include "Linux/Sync.h"

#include <atomic>
#include <cerrno>
#include <ctime>

namespace {
std::atomic<XEvent::WaitObserver> g_waitObserver{nullptr};

bool InitRecursive(pthread_mutex_t* mutex) {
    pthread_mutexattr_t attr;
    if (pthread_mutexattr_init(&attr) != 0) return false;
    pthread_mutexattr_settype(&attr, PTHREAD_MUTEX_RECURSIVE);
    const bool ok = pthread_mutex_init(mutex, &attr) == 0;
    pthread_mutexattr_destroy(&attr);
    return ok;
}

timespec MonotonicDeadline(unsigned ms) {
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    const unsigned long long ns = static_cast<unsigned long long>(ts.tv_nsec) + (ms % 1000ull) * 1000000ull;
    ts.tv_sec += static_cast<time_t>(ms / 1000u + ns / 1000000000ull);
    ts.tv_nsec = static_cast<long>(ns % 1000000000ull);
    return ts;
}
}  // namespace

// ---- XEvent

bool XEvent::Create() {
    Destroy();
    m_signalled = false;
    m_mutexCreated = pthread_mutex_init(&m_mutex, nullptr) == 0;
    if (!m_mutexCreated) return false;
    pthread_condattr_t attr;
    if (pthread_condattr_init(&attr) == 0) {
        pthread_condattr_setclock(&attr, CLOCK_MONOTONIC);
        m_condCreated = pthread_cond_init(&m_cond, &attr) == 0;
        pthread_condattr_destroy(&attr);
    }
    return m_condCreated;
}

void XEvent::Destroy() {
    if (m_condCreated) pthread_cond_destroy(&m_cond);
    if (m_mutexCreated) pthread_mutex_destroy(&m_mutex);
    m_condCreated = false;
    m_mutexCreated = false;
}

bool XEvent::Set() {
    if (!m_mutexCreated || !m_condCreated) return false;
    pthread_mutex_lock(&m_mutex);
    m_signalled = true;
    pthread_cond_signal(&m_cond);
    pthread_mutex_unlock(&m_mutex);
    return true;
}

bool XEvent::Reset() {
    if (!m_mutexCreated) return false;
    pthread_mutex_lock(&m_mutex);
    m_signalled = false;
    pthread_mutex_unlock(&m_mutex);
    return true;
}

bool XEvent::Wait(unsigned ms) {
    if (!m_mutexCreated || !m_condCreated) return false;
    pthread_mutex_lock(&m_mutex);
    // The flag is tested and consumed under the mutex: a wake-up without a Set waits on, and a Set
    // that lands after the wake-up stays pending for the next Wait.
    if (ms == INFINITE_WAIT) {
        while (!m_signalled) pthread_cond_wait(&m_cond, &m_mutex);
    } else if (!m_signalled && ms != 0) {
        const timespec deadline = MonotonicDeadline(ms);
        while (!m_signalled) {
            if (pthread_cond_timedwait(&m_cond, &m_mutex, &deadline) == ETIMEDOUT) break;
        }
    }
    const bool got = m_signalled;
    m_signalled = false;
    pthread_mutex_unlock(&m_mutex);
    if (ms != 0) {
        if (WaitObserver observer = g_waitObserver.load(std::memory_order_acquire)) observer(ms, got);
    }
    return got;
}

void XEvent::SetWaitObserver(WaitObserver observer) {
    g_waitObserver.store(observer, std::memory_order_release);
}

// ---- XMutex

bool XMutex::Create() {
    Destroy();
    m_valid = InitRecursive(&m_mutex);
    return m_valid;
}

void XMutex::Destroy() {
    if (m_valid) pthread_mutex_destroy(&m_mutex);
    m_valid = false;
}

bool XMutex::Lock() {
    return m_valid && pthread_mutex_lock(&m_mutex) == 0;
}

bool XMutex::Trylock() {
    return m_valid && pthread_mutex_trylock(&m_mutex) == 0;
}

bool XMutex::Unlock() {
    return m_valid && pthread_mutex_unlock(&m_mutex) == 0;
}

// ---- ZbrMutex, ZbrCondition and the scope locks

namespace {
std::atomic<ZbrMutexFailureHandler> g_mutexFailure{nullptr};
std::atomic<ZbrMutexInit> g_mutexInit{nullptr};
}  // namespace

void ZbrMutexSetFailureHandler(ZbrMutexFailureHandler handler) {
    g_mutexFailure.store(handler);
}

void ZbrMutexSetInitForTesting(ZbrMutexInit init) {
    g_mutexInit.store(init);
}

ZbrMutex::ZbrMutex(int kind) : m_kind(kind) {
    const ZbrMutexInit init = g_mutexInit.load();
    auto setUp = [&](const pthread_mutexattr_t* attributes) {
        return init != nullptr ? init(&m_mutex, attributes) : pthread_mutex_init(&m_mutex, attributes);
    };
    int result = 0;
    if (kind == ZBRMUTEX_DEFAULT) {
        result = setUp(nullptr);
    } else {
        pthread_mutexattr_t attr;
        result = pthread_mutexattr_init(&attr);
        if (result == 0) {
            int type = PTHREAD_MUTEX_NORMAL;
            if (kind == ZBRMUTEX_ERRORCHECK) type = PTHREAD_MUTEX_ERRORCHECK;
            if (kind == ZBRMUTEX_RECURSIVE) type = PTHREAD_MUTEX_RECURSIVE;
            result = pthread_mutexattr_settype(&attr, type);
            if (result == 0) result = setUp(&attr);
            pthread_mutexattr_destroy(&attr);
        }
    }
    if (result == 0) return;
    // Nothing was set up: the object still holds a usable plain mutex.
    m_mutex = PTHREAD_MUTEX_INITIALIZER;
    if (const ZbrMutexFailureHandler handler = g_mutexFailure.load()) handler("result == 0");
}

ZbrMutex::~ZbrMutex() {
    pthread_mutex_destroy(&m_mutex);
}

bool ZbrMutex::Lock() {
    return pthread_mutex_lock(&m_mutex) != EDEADLK;
}

bool ZbrMutex::Trylock() {
    return pthread_mutex_trylock(&m_mutex) != EBUSY;
}

int ZbrMutex::Unlock() {
    return pthread_mutex_unlock(&m_mutex);
}

ZbrCondition::ZbrCondition() {
    pthread_cond_init(&m_cond, nullptr);
}

ZbrCondition::~ZbrCondition() {
    pthread_cond_destroy(&m_cond);
}

int ZbrCondition::Signal() {
    return pthread_cond_signal(&m_cond);
}

int ZbrCondition::Broadcast() {
    return pthread_cond_broadcast(&m_cond);
}

int ZbrCondition::Wait(ZbrMutex& mutex) {
    return pthread_cond_wait(&m_cond, mutex.Native());
}

ZbrStMutexLock::ZbrStMutexLock(ZbrMutex& mutex, bool tryOnly)
    : m_mutex(mutex), m_locked(tryOnly ? mutex.Trylock() : mutex.Lock()) {}

ZbrStMutexLock::~ZbrStMutexLock() {
    if (m_locked) m_mutex.Unlock();
}

ZbrStMutexUnlock::ZbrStMutexUnlock(ZbrMutex& mutex) : m_mutex(mutex) {
    m_mutex.Unlock();
}

ZbrStMutexUnlock::~ZbrStMutexUnlock() {
    m_mutex.Lock();
}

// ---- CHfcCriticalSection, CHfcMutex

CHfcCriticalSection::CHfcCriticalSection() {
    InitRecursive(&m_mutex);
}

CHfcCriticalSection::~CHfcCriticalSection() {
    pthread_mutex_destroy(&m_mutex);
}

int CHfcCriticalSection::Lock() {
    return pthread_mutex_lock(&m_mutex);
}

int CHfcCriticalSection::Unlock() {
    return pthread_mutex_unlock(&m_mutex);
}

bool CHfcMutex::Create() {
    if (m_created) return true;
    m_created = InitRecursive(&m_mutex);
    return m_created;
}

bool CHfcMutex::Destroy() {
    if (!m_created) return false;
    m_created = false;
    return pthread_mutex_destroy(&m_mutex) == 0;
}

bool CHfcMutex::Lock() {
    return m_created && pthread_mutex_lock(&m_mutex) == 0;
}

bool CHfcMutex::Unlock() {
    return m_created && pthread_mutex_unlock(&m_mutex) == 0;
}

// ---- CHfcSemaphore

const int CHfcSemaphore::sm_aiMacPolicies[2] = {POLICY_FIFO, POLICY_FIXED_PRIORITY};

CHfcSemaphore::CHfcSemaphore(long policyIndex, long initialCount) {
    m_policy = sm_aiMacPolicies[(policyIndex >= 0 && policyIndex < 2) ? policyIndex : 0];
    const unsigned count = initialCount > 0 ? static_cast<unsigned>(initialCount) : 0u;
    m_created = sem_init(&m_sem, 0, count) == 0;
}

CHfcSemaphore::~CHfcSemaphore() {
    if (m_created) sem_destroy(&m_sem);
}

bool CHfcSemaphore::Wait() {
    if (!m_created) return false;
    int r;
    while ((r = sem_wait(&m_sem)) != 0 && errno == EINTR) {
    }
    return r == 0;
}

bool CHfcSemaphore::Signal() {
    return m_created && sem_post(&m_sem) == 0;
}
