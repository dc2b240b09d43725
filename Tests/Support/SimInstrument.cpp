#include "Support/SimInstrument.h"

#include <algorithm>
#include <chrono>

namespace Sim {

SimInstrument::SimInstrument(Model model, uint8_t channel, SimClock* clock)
    : mOwnClock(clock ? nullptr : new RealClock),
      mClock(clock ? clock : mOwnClock.get()),
      mCore(model, channel) {
    mThread = std::thread([this] { Run(); });
}

SimInstrument::~SimInstrument() {
    {
        std::lock_guard<std::mutex> lock(mMutex);
        mStop = true;
    }
    mCv.notify_all();
    mThread.join();
}

void SimInstrument::Attach(SendFn send, VanishFn vanish) {
    std::lock_guard<std::mutex> lock(mMutex);
    mSend = std::move(send);
    mVanish = std::move(vanish);
}

void SimInstrument::Detach() {
    std::lock_guard<std::mutex> lock(mMutex);
    mSend = nullptr;
    mVanish = nullptr;
}

void SimInstrument::Deliver(const uint8_t* data, size_t n) {
    {
        std::lock_guard<std::mutex> lock(mMutex);
        mCore.Receive(data, n, mClock->NowUs());
    }
    mCv.notify_all();
    mStateCv.notify_all();
}

void SimInstrument::SetPacing(const Pacing& pacing) {
    std::lock_guard<std::mutex> lock(mMutex);
    mPacing = pacing;
}

bool SimInstrument::WaitIdle(int timeoutMs) {
    std::unique_lock<std::mutex> lock(mMutex);
    return mStateCv.wait_for(lock, std::chrono::milliseconds(timeoutMs),
                             [this] { return !mBusy && mQueue.empty() && !mCore.HasOutput(); });
}

bool SimInstrument::WaitReceived(size_t count, int timeoutMs) {
    std::unique_lock<std::mutex> lock(mMutex);
    return mStateCv.wait_for(lock, std::chrono::milliseconds(timeoutMs),
                             [&] { return mCore.ReceivedMessages().size() >= count; });
}

std::vector<Packet> SimInstrument::SentPackets() const {
    std::lock_guard<std::mutex> lock(mMutex);
    return mSentPackets;
}

bool SimInstrument::Vanished() const {
    std::lock_guard<std::mutex> lock(mMutex);
    return mVanished;
}

bool SimInstrument::WaitUntil(std::unique_lock<std::mutex>& lock, int64_t us) {
    if (mClock->IsVirtual()) {
        mClock->AdvanceTo(us);
        return !mStop;
    }
    int64_t left = us - mClock->NowUs();
    if (left > 0) mCv.wait_for(lock, std::chrono::microseconds(left), [this] { return mStop; });
    return !mStop;
}

void SimInstrument::Run() {
    std::unique_lock<std::mutex> lock(mMutex);
    while (!mStop) {
        if (mQueue.empty()) {
            for (OutItem& item : mCore.TakeOutput()) mQueue.push_back(std::move(item));
        }
        if (mQueue.empty()) {
            mBusy = false;
            mStateCv.notify_all();
            mCv.wait(lock, [this] { return mStop || mCore.HasOutput(); });
            continue;
        }
        mBusy = true;
        OutItem item = std::move(mQueue.front());
        mQueue.pop_front();
        if (item.delayMs > 0 && !WaitUntil(lock, mClock->NowUs() + int64_t{item.delayMs} * 1000)) break;
        if (item.vanish) {
            mVanished = true;
            VanishFn vanish = mVanish;
            lock.unlock();
            if (vanish) vanish();
            lock.lock();
            continue;
        }
        int64_t start = std::max(mClock->NowUs(), mLineFreeUs);
        for (Packet& packet : SchedulePackets(item.bytes, start, mPacing)) {
            if (!WaitUntil(lock, packet.dueUs)) break;
            mLineFreeUs = packet.dueUs;
            SendFn send = mSend;
            lock.unlock();
            if (send) send(packet.bytes.data(), packet.bytes.size());
            lock.lock();
            mSentPackets.push_back(std::move(packet));
        }
    }
    mBusy = false;
    mStateCv.notify_all();
}

}  // namespace Sim
