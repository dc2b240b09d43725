#pragma once
// Time and pacing of the simulated instrument's output: a real or a virtual clock, and the cutting of
// messages into packets that leave at the pace of the chosen line.
#include <atomic>
#include <cstdint>
#include <vector>

#include "Support/SimProtocol.h"

namespace Sim {

class SimClock {
public:
    virtual ~SimClock() = default;
    virtual int64_t NowUs() const = 0;
    // A virtual clock never waits: whoever would wait moves it forward instead.
    virtual bool IsVirtual() const = 0;
    virtual void AdvanceTo(int64_t us) = 0;
};

// Microseconds of the monotonic clock.
class RealClock : public SimClock {
public:
    int64_t NowUs() const override;
    bool IsVirtual() const override { return false; }
    void AdvanceTo(int64_t) override {}
};

// Starts at 0 and only moves when told to, so paced output takes no real time.
class VirtualClock : public SimClock {
public:
    int64_t NowUs() const override { return mNow.load(); }
    bool IsVirtual() const override { return true; }
    void AdvanceTo(int64_t us) override;
    void Advance(int64_t us) { mNow += us; }

private:
    std::atomic<int64_t> mNow{0};
};

struct Pacing {
    unsigned bytesPerSecond = 0;  // 0: unthrottled
    size_t packetSize = 0;        // 0: a whole message per packet

    static Pacing Unthrottled(size_t packetSize = 0) { return {0, packetSize}; }
    static Pacing Din(size_t packetSize = 0) { return {3125, packetSize}; }  // 31250 baud, 10 bits a byte
    static Pacing Rate(unsigned bytesPerSecond, size_t packetSize = 0) {
        return {bytesPerSecond, packetSize};
    }
};

struct Packet {
    int64_t dueUs = 0;  // when its last byte has crossed the line
    Bytes bytes;
};

// Cuts one message into packets; the line is free from startUs on.
std::vector<Packet> SchedulePackets(const Bytes& message, int64_t startUs, const Pacing& pacing);

}  // namespace Sim
