// The simulated instrument on loopback endpoints, reached through the MIDI port layer as the editor
// reaches it.
#include <gtest/gtest.h>

#include <condition_variable>
#include <memory>
#include <mutex>

#include "Linux/MidiIO/MidiIO.h"
#include "SimTestFrames.h"
#include "Support/SimLoopback.h"

using namespace Sim;
using SimTest::Bytes;
using SimTest::Frame;

namespace {

// The editor's end: ports opened by name, exclusive pieces joined into messages.
class EditorEnd : public IMIDIInCallback {
public:
    bool Open(const std::string& keyName) {
        in.reset(MIDIInCreate());
        out.reset(MIDIOutCreate());
        std::vector<MIDIDevKey> keys;
        in->EnumDevices(&keys);
        bool inOpen = false, outOpen = false;
        for (const MIDIDevKey& k : keys)
            if (k.name == keyName) inOpen = in->Open(&k, this, 128, 2048);
        out->EnumDevices(&keys);
        for (const MIDIDevKey& k : keys)
            if (k.name == keyName) outOpen = out->Open(&k, 4, 1024);
        return inOpen && outOpen;
    }
    void OnMIDIShort(IMIDIIn*, long long, const void* data, unsigned length) override {
        std::lock_guard<std::mutex> lock(mutex);
        auto p = static_cast<const uint8_t*>(data);
        messages.emplace_back(p, p + length);
        cv.notify_all();
    }
    void OnMIDILong(IMIDIIn*, long long, const void* data, unsigned length) override {
        std::lock_guard<std::mutex> lock(mutex);
        auto p = static_cast<const uint8_t*>(data);
        pending.insert(pending.end(), p, p + length);
        ++pieces;
        if (!pending.empty() && pending.back() == 0xF7) {
            messages.push_back(pending);
            pending.clear();
            cv.notify_all();
        }
    }
    bool WaitMessages(size_t count) {
        std::unique_lock<std::mutex> lock(mutex);
        return cv.wait_for(lock, std::chrono::seconds(5), [&] { return messages.size() >= count; });
    }

    std::unique_ptr<IMIDIIn> in;
    std::unique_ptr<IMIDIOut> out;
    std::mutex mutex;
    std::condition_variable cv;
    std::vector<Bytes> messages;
    Bytes pending;
    size_t pieces = 0;
};

class SimLoopbackThreaded : public ::testing::Test {
protected:
    void SetUp() override { MidiBackendSet(&loopback); }
    void TearDown() override {
        editor.in.reset();
        editor.out.reset();
        MidiBackendSet(nullptr);
    }

    CMidiLoopback loopback;
    VirtualClock clock;
    SimInstrument sim{Model::Nerimo, 3, &clock};
    SimLoopbackPort port{loopback, sim};
    EditorEnd editor;
};

}  // namespace

TEST_F(SimLoopbackThreaded, AnswersThroughThePortLayer) {
    EXPECT_EQ(port.KeyName(), "NerimoMIDI");
    ASSERT_TRUE(editor.Open(port.KeyName()));
    const Bytes inquiry = {0xF0, 0x7E, 0x7F, 0x06, 0x01, 0xF7};
    ASSERT_TRUE(editor.out->SendLong(inquiry.data(), static_cast<unsigned>(inquiry.size()), 1000));
    ASSERT_TRUE(editor.WaitMessages(1));
    EXPECT_EQ(editor.messages[0][8], 9);
    EXPECT_EQ(editor.messages[0][2], 3);

    const Bytes request = Frame({0x10, 0x00}, 3);
    ASSERT_TRUE(editor.out->SendLong(request.data(), static_cast<unsigned>(request.size()), 1000));
    ASSERT_TRUE(editor.WaitMessages(2));
    EXPECT_EQ(editor.messages[1].size(), 515u);
}

TEST_F(SimLoopbackThreaded, LargeDumpArrivesInPieces) {
    ASSERT_TRUE(editor.Open(port.KeyName()));
    sim.SetPacing(Pacing::Din(256));
    sim.With([](SimCore& core) { return core.PanelSendDump({DumpKind::Combination, 0, -1}); });
    ASSERT_TRUE(editor.WaitMessages(1));
    EXPECT_EQ(editor.messages[0].size(), 79589u);
    EXPECT_EQ(editor.pieces, (79589u + 255) / 256);
}

TEST_F(SimLoopbackThreaded, ReceivesShortMessagesAndDumps) {
    ASSERT_TRUE(editor.Open(port.KeyName()));
    const uint8_t local[] = {0xB3, 122, 0};
    ASSERT_TRUE(editor.out->SendShort(local, 3));
    sim.With([](SimCore& core) { core.State().mode = Mode::ProgEdit; });
    Bytes dump = SimTest::Dump({0x40, 0x00}, SimTest::Pattern(444, 2), 3);
    ASSERT_TRUE(editor.out->SendLong(dump.data(), static_cast<unsigned>(dump.size()), 1000));
    ASSERT_TRUE(editor.WaitMessages(1));
    EXPECT_EQ(editor.messages[0], SimTest::LoadComplete(3));
    sim.With([](SimCore& core) {
        EXPECT_FALSE(core.State().localControl);
        EXPECT_EQ(core.Image().Record(Area::CurProgram, 0)[443], SimTest::Pattern(444, 2)[443]);
    });
}

TEST_F(SimLoopbackThreaded, VanishingPortRemovesItsEndpoints) {
    ASSERT_TRUE(editor.Open(port.KeyName()));
    sim.With([](SimCore& core) { core.AddFault(Fault::Make(FaultAction::Vanish, kAnyCode)); });
    const Bytes request = Frame({0x12}, 3);
    ASSERT_TRUE(editor.out->SendLong(request.data(), static_cast<unsigned>(request.size()), 1000));
    ASSERT_TRUE(sim.WaitReceived(1));
    ASSERT_TRUE(sim.WaitIdle());
    std::vector<MIDIDevKey> keys;
    editor.in->EnumDevices(&keys);
    for (const MIDIDevKey& k : keys) EXPECT_NE(k.name, port.KeyName());
    const uint8_t sensing = 0xFE;
    EXPECT_FALSE(editor.out->SendShort(&sensing, 1));
}
