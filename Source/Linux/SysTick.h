#pragma once
// The millisecond tick that time-stamps MIDI, and a plain sleep. Both run on the monotonic clock, so
// wall-clock changes never move a time stamp or stretch a sleep.
#include <cstdint>

// Milliseconds of the monotonic clock, truncated to 32 bits: it wraps after about 49.7 days, and
// unsigned differences of two ticks stay right across the wrap.
uint32_t GetSysTick();

// The 32-bit tick for a monotonic time in microseconds (the one rule behind every tick we hand out).
constexpr uint32_t SysTickFromMicroseconds(uint64_t microseconds) {
    return static_cast<uint32_t>(microseconds / 1000u);
}

// Microseconds of the monotonic clock, 64 bits.
uint64_t MonotonicMicroseconds();

namespace QorX0 {
// Same function as ::GetSysTick; the link and the remote synthesizer call it by this name.
uint32_t GetSysTick();
// Sleeps the calling thread for ms milliseconds (signals do not cut it short); false after a normal
// sleep.
bool SleepCurrentThread(unsigned ms);
}  // namespace QorX0
