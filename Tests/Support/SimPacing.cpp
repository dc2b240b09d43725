#include "Support/SimPacing.h"

#include <algorithm>
#include <chrono>

namespace Sim {

int64_t RealClock::NowUs() const {
    return std::chrono::duration_cast<std::chrono::microseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

void VirtualClock::AdvanceTo(int64_t us) {
    int64_t now = mNow.load();
    while (now < us && !mNow.compare_exchange_weak(now, us)) {
    }
}

std::vector<Packet> SchedulePackets(const Bytes& message, int64_t startUs, const Pacing& pacing) {
    std::vector<Packet> packets;
    size_t step = pacing.packetSize ? pacing.packetSize : std::max<size_t>(message.size(), 1);
    size_t sent = 0;
    while (sent < message.size()) {
        size_t n = std::min(step, message.size() - sent);
        Packet p;
        p.bytes.assign(message.begin() + static_cast<long>(sent),
                       message.begin() + static_cast<long>(sent + n));
        sent += n;
        // Rounded up, so that a paced line is never faster than its rate.
        p.dueUs = pacing.bytesPerSecond
                      ? startUs + static_cast<int64_t>((sent * 1000000 + pacing.bytesPerSecond - 1) /
                                                       pacing.bytesPerSecond)
                      : startUs;
        packets.push_back(std::move(p));
    }
    return packets;
}

}  // namespace Sim
