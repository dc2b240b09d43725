#include "AllocationCounter.h"

#include <atomic>
#include <cstdlib>
#include <new>

namespace {
thread_local bool t_counting = false;
std::atomic<long> g_allocations{0};
}  // namespace

AllocationCounter::AllocationCounter() {
    g_allocations = 0;
    t_counting = true;
}

AllocationCounter::~AllocationCounter() {
    t_counting = false;
}

long AllocationCounter::Count() const {
    return g_allocations.load();
}

// The sanitizers bring their own allocator; the count is taken in the normal build.
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
bool AllocationCounter::Works() {
    return false;
}
#else
bool AllocationCounter::Works() {
    return true;
}

void* operator new(size_t n) {
    if (t_counting) g_allocations.fetch_add(1);
    void* p = std::malloc(n ? n : 1);
    if (!p) throw std::bad_alloc();
    return p;
}

void operator delete(void* p) noexcept {
    std::free(p);
}

void operator delete(void* p, size_t) noexcept {
    std::free(p);
}
#endif
