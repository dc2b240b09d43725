// The simulated instrument on its own sender thread, attached to a port of the test.
#include <gtest/gtest.h>

#include <mutex>

#include "SimTestFrames.h"
#include "Support/SimInstrument.h"

using namespace Sim;
using SimTest::Bytes;
using SimTest::Frame;

namespace {

// The editor's side of the wire: collects what the instrument sends, from its thread.
class FakePort {
public:
    void Attach(SimInstrument& sim) {
        sim.Attach(
            [this](const uint8_t* data, size_t n) {
                std::lock_guard<std::mutex> lock(mMutex);
                mPackets.emplace_back(data, data + n);
                return true;
            },
            [this] {
                std::lock_guard<std::mutex> lock(mMutex);
                mGone = true;
            });
    }
    std::vector<Bytes> Packets() {
        std::lock_guard<std::mutex> lock(mMutex);
        return mPackets;
    }
    Bytes All() {
        Bytes all;
        for (const Bytes& p : Packets()) all.insert(all.end(), p.begin(), p.end());
        return all;
    }
    bool Gone() {
        std::lock_guard<std::mutex> lock(mMutex);
        return mGone;
    }

private:
    std::mutex mMutex;
    std::vector<Bytes> mPackets;
    bool mGone = false;
};

}  // namespace

TEST(SimInstrumentThreaded, AnswersOnItsOwnThread) {
    SimInstrument sim(Model::Nerimo, 2);
    FakePort port;
    port.Attach(sim);
    sim.Deliver(Bytes{0xF0, 0x7E, 0x7F, 0x06, 0x01, 0xF7});
    sim.Deliver(Frame({0x12}, 2));
    ASSERT_TRUE(sim.WaitReceived(2));
    ASSERT_TRUE(sim.WaitIdle());
    std::vector<Bytes> packets = port.Packets();
    ASSERT_EQ(packets.size(), 2u);
    EXPECT_EQ(packets[0][8], 9);
    EXPECT_EQ(packets[1].size(), 27u);
}

TEST(SimInstrumentThreaded, BytesFromManyThreadsAreLogged) {
    SimInstrument sim(Model::Tolva);
    FakePort port;
    port.Attach(sim);
    std::vector<std::thread> threads;
    for (int t = 0; t < 4; ++t)
        threads.emplace_back([&sim] {
            for (int i = 0; i < 25; ++i) sim.Deliver(Bytes{0xFE});
        });
    for (std::thread& t : threads) t.join();
    ASSERT_TRUE(sim.WaitReceived(100));
    EXPECT_EQ(sim.With([](SimCore& core) { return core.ReceivedBytes().size(); }), 100u);
}

TEST(SimInstrumentThreaded, PacedLargeDumpInPackets) {
    VirtualClock clock;
    SimInstrument sim(Model::Tolva, 0, &clock);
    FakePort port;
    port.Attach(sim);
    sim.SetPacing(Pacing::Din(256));
    sim.With([](SimCore& core) { return core.PanelSendDump({DumpKind::Program, 1, -1}); });
    ASSERT_TRUE(sim.WaitIdle());
    std::vector<Bytes> packets = port.Packets();
    ASSERT_EQ(packets.size(), (64960u + 255) / 256);
    EXPECT_EQ(packets.front().size(), 256u);
    EXPECT_EQ(port.All().size(), 64960u);
    std::vector<Packet> sent = sim.SentPackets();
    EXPECT_EQ(sent.back().dueUs, (64960 * 1000000LL + 3124) / 3125);  // about 20.8 s of line time
    EXPECT_GE(clock.NowUs(), sent.back().dueUs);
}

TEST(SimInstrumentThreaded, FrontPanelMessagesKeepTheirOrder) {
    VirtualClock clock;
    SimInstrument sim(Model::Tolva, 1, &clock);
    FakePort port;
    port.Attach(sim);
    sim.SetPacing(Pacing::Din());
    sim.With([](SimCore& core) {
        core.PanelModeChange(Mode::ProgPlay);
        core.PanelProgramChange(1, 2);
        core.PanelMasterVolume(100);
    });
    ASSERT_TRUE(sim.WaitIdle());
    Bytes expected = Frame({0x4E, 0x02}, 1);
    for (uint8_t b :
         {0xB1, 0x00, 0x00, 0xB1, 0x20, 0x01, 0xC1, 0x02, 0xF0, 0x7F, 0x01, 0x04, 0x01, 0x64, 0x00, 0xF7})
        expected.push_back(b);
    EXPECT_EQ(port.All(), expected);
    std::vector<Packet> sent = sim.SentPackets();
    for (size_t i = 1; i < sent.size(); ++i) EXPECT_GT(sent[i].dueUs, sent[i - 1].dueUs);
}

TEST(SimInstrumentThreaded, DelayedReplyWaitsOnTheClock) {
    VirtualClock clock;
    SimInstrument sim(Model::Tolva, 0, &clock);
    FakePort port;
    port.Attach(sim);
    sim.With([](SimCore& core) {
        Fault f = Fault::Make(FaultAction::Delay, Rx::ModeAndStateReq);
        f.delayMs = 1200;
        core.AddFault(f);
    });
    sim.Deliver(Frame({0x12}));
    ASSERT_TRUE(sim.WaitReceived(1));
    ASSERT_TRUE(sim.WaitIdle());
    EXPECT_EQ(port.All().size(), 27u);
    EXPECT_GE(clock.NowUs(), 1200000);
}

TEST(SimInstrumentThreaded, ShortRealDelayStillAnswers) {
    SimInstrument sim(Model::Tolva);
    FakePort port;
    port.Attach(sim);
    sim.With([](SimCore& core) {
        Fault f = Fault::Make(FaultAction::Delay, Rx::ModeAndStateReq);
        f.delayMs = 30;
        core.AddFault(f);
    });
    sim.Deliver(Frame({0x12}));
    ASSERT_TRUE(sim.WaitReceived(1));
    ASSERT_TRUE(sim.WaitIdle());
    EXPECT_EQ(port.All().size(), 27u);
}

TEST(SimInstrumentThreaded, PortVanishes) {
    SimInstrument sim(Model::Tolva);
    FakePort port;
    port.Attach(sim);
    sim.With([](SimCore& core) { core.AddFault(Fault::Make(FaultAction::Vanish, Rx::ModeAndStateReq)); });
    sim.Deliver(Frame({0x12}));
    ASSERT_TRUE(sim.WaitReceived(1));
    ASSERT_TRUE(sim.WaitIdle());
    EXPECT_TRUE(port.Gone());
    EXPECT_TRUE(sim.Vanished());
    EXPECT_TRUE(port.Packets().empty());
}

TEST(SimInstrumentThreaded, StopsWhileWaiting) {
    // Destroying it in the middle of a long paced send ends at once.
    SimInstrument sim(Model::Tolva);
    sim.SetPacing(Pacing::Rate(10));
    sim.With([](SimCore& core) { return core.PanelSendDump({DumpKind::Global}); });
    EXPECT_FALSE(sim.WaitIdle(20));
}
