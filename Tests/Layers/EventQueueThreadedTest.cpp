// Records posted from two other threads (as the MIDI read thread and the audio thread would, were
// a dispatcher bound to the wrong loop) while the main thread drains: none replayed twice, and none
// lost: a record not replayed itself was folded into a reinitialisation of its section, replayed
// after it, when the queue ran past its high-water mark.
#include <gtest/gtest.h>

#include <atomic>
#include <thread>
#include <vector>

#include "Common/Layers/QnRemoteSynthEventHandler.h"

using namespace QorX0;

namespace {

class CountingHandler : public QnRemoteSynthEventHandler {
public:
    virtual ~CountingHandler() = default;
    explicit CountingHandler(size_t n) : seen(n, 0) {}
    std::vector<int> seen;  // replays per sequence number; touched on the draining thread only
    int reinitialisations = 0;
    void OnIdleSectionParamChanged(ISection*, int seq) override { ++seen[static_cast<size_t>(seq)]; }
    void OnIdleSectionReinitialized(ISection*) override { ++reinitialisations; }
};

TEST(QueueThreaded, PostsFromTwoThreadsWhileTheMainThreadDrains) {
    constexpr int kPerThread = 20000;
    CountingHandler h(2 * kPerThread);
    std::atomic<int> running{2};
    auto poster = [&](int first) {
        for (int i = 0; i < kPerThread; ++i) h.OnSectionParamChanged(nullptr, first + i);
        --running;
    };
    std::thread midi(poster, 0);
    std::thread audio(poster, kPerThread);
    while (running.load() > 0) h.ProcessEventQueue();
    midi.join();
    audio.join();
    while (h.ProcessEventQueue() > 0) {
    }
    int missing = 0;
    for (size_t i = 0; i < h.seen.size(); ++i) {
        ASSERT_LE(h.seen[i], 1) << "sequence " << i;
        missing += h.seen[i] == 0;
    }
    if (missing > 0) {
        EXPECT_GT(h.reinitialisations, 0);
    }
    EXPECT_EQ(h.GetQueuedEventCount(), 0u);
}

}  // namespace
