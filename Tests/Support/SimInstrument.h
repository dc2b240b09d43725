#pragma once
// The simulated instrument with a life of its own: bytes delivered from any thread go to its core
// under a lock, and a sender thread of its own sends what it answers, paced, to whatever port it is
// attached to. Tests reach its state, image, faults and front panel through With().
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

#include "Support/SimCore.h"
#include "Support/SimPacing.h"

namespace Sim {

class SimInstrument {
public:
    using SendFn = std::function<bool(const uint8_t* data, size_t n)>;
    using VanishFn = std::function<void()>;

    // 'clock' is not owned; null means a real clock of the instrument's own.
    explicit SimInstrument(Model model, uint8_t channel = 0, SimClock* clock = nullptr);
    ~SimInstrument();
    SimInstrument(const SimInstrument&) = delete;
    SimInstrument& operator=(const SimInstrument&) = delete;

    // Where its packets go, and what to do when its port disappears (a Vanish fault).
    void Attach(SendFn send, VanishFn vanish = {});
    void Detach();

    // Bytes from the editor, from any thread; time-stamped with the instrument's clock.
    void Deliver(const uint8_t* data, size_t n);
    void Deliver(const Bytes& bytes) { Deliver(bytes.data(), bytes.size()); }

    void SetPacing(const Pacing& pacing);

    // Runs f(SimCore&) under the instrument's lock; whatever f makes it send goes out afterwards.
    template <class F>
    decltype(auto) With(F&& f) {
        struct Waker {
            SimInstrument* self;
            ~Waker() { self->mCv.notify_all(); }
        } waker{this};
        std::lock_guard<std::mutex> lock(mMutex);
        return f(mCore);
    }

    // Really waits, at most timeoutMs, until everything it has to send is sent.
    bool WaitIdle(int timeoutMs = 5000);
    // Really waits, at most timeoutMs, until it has received 'count' complete messages in all.
    bool WaitReceived(size_t count, int timeoutMs = 5000);

    std::vector<Packet> SentPackets() const;  // every packet in order, with the time it went out
    bool Vanished() const;
    SimClock& Clock() { return *mClock; }

private:
    void Run();
    bool WaitUntil(std::unique_lock<std::mutex>& lock, int64_t us);  // false when stopping

    std::unique_ptr<SimClock> mOwnClock;
    SimClock* mClock;
    mutable std::mutex mMutex;
    std::condition_variable mCv;       // new work for the sender, or stop
    std::condition_variable mStateCv;  // idle or received, for the waiting test
    SimCore mCore;
    Pacing mPacing;
    SendFn mSend;
    VanishFn mVanish;
    std::deque<OutItem> mQueue;
    std::vector<Packet> mSentPackets;
    int64_t mLineFreeUs = 0;
    bool mBusy = false;
    bool mStop = false;
    bool mVanished = false;
    std::thread mThread;
};

}  // namespace Sim
