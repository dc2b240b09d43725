#include "Linux/SysTick.h"

#include <cerrno>
#include <ctime>

uint64_t MonotonicMicroseconds() {
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return static_cast<uint64_t>(ts.tv_sec) * 1000000u + static_cast<uint64_t>(ts.tv_nsec) / 1000u;
}

uint32_t GetSysTick() {
    return SysTickFromMicroseconds(MonotonicMicroseconds());
}

namespace QorX0 {
uint32_t GetSysTick() {
    return ::GetSysTick();
}

bool SleepCurrentThread(unsigned ms) {
    timespec deadline{};
    clock_gettime(CLOCK_MONOTONIC, &deadline);
    deadline.tv_sec += ms / 1000u;
    deadline.tv_nsec += static_cast<long>(ms % 1000u) * 1000000L;
    if (deadline.tv_nsec >= 1000000000L) {
        deadline.tv_sec += 1;
        deadline.tv_nsec -= 1000000000L;
    }
    // An absolute deadline lets an interrupted sleep resume without drifting.
    while (clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &deadline, nullptr) == EINTR) {
    }
    return false;
}
}  // namespace QorX0
