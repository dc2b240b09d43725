#pragma once
// A clock for RunLoop that moves only when a test says so.
#include <atomic>
#include <cstdint>

#include "Linux/RunLoop.h"

class ManualClock {
public:
    explicit ManualClock(uint64_t startMs = 1000) : m_now(startMs) {}
    RunLoop::Clock Fn() {
        return [this] { return m_now.load(); };
    }
    uint64_t Now() const { return m_now.load(); }
    void Advance(uint64_t ms) { m_now += ms; }

private:
    std::atomic<uint64_t> m_now;
};
