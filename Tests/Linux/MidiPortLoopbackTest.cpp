// Input and output ports over the loopback backend: listing, opening, receiving in any grouping,
// sending, and the fault switches.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "Linux/MidiIO/Loopback/LoopbackBackend.h"
#include "Linux/MidiIO/MidiIO.h"
#include "Linux/SysTick.h"

namespace {

using Bytes = std::vector<uint8_t>;

class Collector : public IMIDIInCallback {
public:
    void OnMIDIShort(IMIDIIn* port, long long, const void* data, unsigned length) override {
        Add(port, false, data, length);
    }
    void OnMIDILong(IMIDIIn* port, long long, const void* data, unsigned length) override {
        Add(port, true, data, length);
    }
    struct Call {
        IMIDIIn* port;
        bool exclusive;
        Bytes bytes;
        std::thread::id thread;
    };
    std::vector<Call> Calls() {
        std::lock_guard<std::mutex> lock(m_mutex);
        return m_calls;
    }
    Bytes Exclusive() {
        Bytes all;
        for (const Call& c : Calls())
            if (c.exclusive) all.insert(all.end(), c.bytes.begin(), c.bytes.end());
        return all;
    }
    std::function<void(IMIDIIn*)> onCall;

private:
    void Add(IMIDIIn* port, bool exclusive, const void* data, unsigned length) {
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            const auto* b = static_cast<const uint8_t*>(data);
            m_calls.push_back(Call{port, exclusive, Bytes(b, b + length), std::this_thread::get_id()});
        }
        if (onCall) onCall(port);
    }
    std::mutex m_mutex;
    std::vector<Call> m_calls;
};

class MidiPortThreaded : public ::testing::Test {
protected:
    void SetUp() override {
        src = loop.AddSource("Tolva", " MIDI Out");
        dst = loop.AddDestination("Tolva", " MIDI In");
        MidiBackendSet(&loop);
    }
    void TearDown() override { MidiBackendSet(nullptr); }

    MIDIDevKey SourceKey() {
        std::unique_ptr<IMIDIIn> in(MIDIInCreate());
        std::vector<MIDIDevKey> keys;
        in->EnumDevices(&keys);
        return keys.at(0);
    }
    MIDIDevKey DestinationKey() {
        std::unique_ptr<IMIDIOut> out(MIDIOutCreate());
        std::vector<MIDIDevKey> keys;
        out->EnumDevices(&keys);
        return keys.at(0);
    }

    CMidiLoopback loop;
    uint32_t src = 0, dst = 0;
};

TEST_F(MidiPortThreaded, EnumDevicesListsKeysInOrderAndSkipsEndpointsWithoutDevice) {
    loop.AddSource("", "Virtual Raw", false);
    const uint32_t second = loop.AddSource("Other", "Port 2");
    std::unique_ptr<IMIDIIn> in(MIDIInCreate());
    std::vector<MIDIDevKey> keys{MIDIDevKey("stale", 1)};
    in->EnumDevices(&keys);
    ASSERT_EQ(keys.size(), 2u);
    EXPECT_EQ(keys[0].name, "Tolva MIDI Out");
    EXPECT_EQ(keys[0].Handle(), src);
    EXPECT_EQ(keys[0].data.size(), 4u);
    EXPECT_EQ(keys[1].name, "OtherPort 2");
    EXPECT_EQ(keys[1].Handle(), second);

    loop.RemoveEndpoint(second);
    in->EnumDevices(&keys);
    EXPECT_EQ(keys.size(), 1u);

    std::unique_ptr<IMIDIOut> out(MIDIOutCreate());
    out->EnumDevices(&keys);
    ASSERT_EQ(keys.size(), 1u);
    EXPECT_EQ(keys[0].name, "Tolva MIDI In");
}

TEST_F(MidiPortThreaded, OpenRefusesUnusableKeys) {
    std::unique_ptr<IMIDIIn> in(MIDIInCreate());
    std::unique_ptr<IMIDIOut> out(MIDIOutCreate());
    Collector c;
    MIDIDevKey shortKey;
    shortKey.data = {1, 2, 3};
    const MIDIDevKey zero("zero", 0);
    const MIDIDevKey unknown("unknown", 0x7777);
    const MIDIDevKey* keys[] = {nullptr, &shortKey, &zero, &unknown};
    for (const MIDIDevKey* key : keys) {
        EXPECT_FALSE(in->Open(key, &c, 128, 2048));
        EXPECT_FALSE(in->IsOpen());
        EXPECT_FALSE(out->Open(key, 4, 1024));
        EXPECT_FALSE(out->IsOpen());
    }
    // A destination is not a source and the other way round.
    const MIDIDevKey dkey = DestinationKey();
    EXPECT_FALSE(in->Open(&dkey, &c, 0, 0));
    const MIDIDevKey skey = SourceKey();
    EXPECT_FALSE(out->Open(&skey, 0, 0));
}

TEST_F(MidiPortThreaded, ReceivesInAnyGroupingOnTheBackendThread) {
    std::unique_ptr<IMIDIIn> in(MIDIInCreate());
    Collector c;
    const MIDIDevKey key = SourceKey();
    ASSERT_TRUE(in->Open(&key, &c, 128, 2048));
    EXPECT_TRUE(in->IsOpen());

    Bytes dump{0xF0, 0x42, 0x30, 0x7A, 0x40, 0x00};
    for (int i = 0; i < 1000; ++i) dump.push_back(static_cast<uint8_t>(i & 0x7F));
    dump.push_back(0xF7);
    loop.InjectSplit(src, dump.data(), dump.size(), 256);
    loop.InjectSplit(src, dump.data(), dump.size(), 1);
    const Bytes many{0x90, 0x3C, 0x64, 0xF0, 0x7E, 0x7F, 0x06, 0x01, 0xF7, 0x80, 0x3C, 0x00};
    loop.Inject(src, many.data(), many.size());
    ASSERT_TRUE(loop.WaitIdle(5000));

    Bytes expect = dump;
    expect.insert(expect.end(), dump.begin(), dump.end());
    expect.insert(expect.end(), many.begin() + 3, many.begin() + 9);
    EXPECT_EQ(c.Exclusive(), expect);
    const auto calls = c.Calls();
    ASSERT_FALSE(calls.empty());
    EXPECT_EQ(calls.front().port, in.get());
    EXPECT_NE(calls.front().thread, std::this_thread::get_id());
    ASSERT_GE(calls.size(), 2u);
    EXPECT_EQ(calls[calls.size() - 1].bytes, (Bytes{0x80, 0x3C, 0x00}));
    EXPECT_EQ(calls[calls.size() - 3].bytes, (Bytes{0x90, 0x3C, 0x64}));

    in->Close();
    EXPECT_FALSE(in->IsOpen());
    EXPECT_EQ(loop.InputCount(src), 0u);
    loop.Inject(src, many.data(), many.size());
    ASSERT_TRUE(loop.WaitIdle(5000));
    EXPECT_EQ(c.Calls().size(), calls.size());
}

TEST_F(MidiPortThreaded, ClosingFromInsideTheCallbackDoesNotDeadlock) {
    std::unique_ptr<IMIDIIn> in(MIDIInCreate());
    Collector c;
    c.onCall = [](IMIDIIn* port) { port->Close(); };
    const MIDIDevKey key = SourceKey();
    ASSERT_TRUE(in->Open(&key, &c, 0, 0));
    const Bytes notes{0x90, 0x3C, 0x64};
    loop.Inject(src, notes.data(), notes.size());
    loop.Inject(src, notes.data(), notes.size());
    ASSERT_TRUE(loop.WaitIdle(5000));
    EXPECT_EQ(c.Calls().size(), 1u);
    EXPECT_FALSE(in->IsOpen());
}

TEST_F(MidiPortThreaded, ReopeningSwitchesSource) {
    const uint32_t other = loop.AddSource("Other", "Out");
    std::unique_ptr<IMIDIIn> in(MIDIInCreate());
    Collector c;
    std::vector<MIDIDevKey> keys;
    in->EnumDevices(&keys);
    ASSERT_EQ(keys.size(), 2u);
    ASSERT_TRUE(in->Open(&keys[0], &c, 0, 0));
    ASSERT_TRUE(in->Open(&keys[1], &c, 0, 0));
    EXPECT_EQ(loop.InputCount(src), 0u);
    EXPECT_EQ(loop.InputCount(other), 1u);
    const Bytes a{0xC0, 0x01}, b{0xC0, 0x02};
    loop.Inject(src, a.data(), a.size());
    loop.Inject(other, b.data(), b.size());
    ASSERT_TRUE(loop.WaitIdle(5000));
    ASSERT_EQ(c.Calls().size(), 1u);
    EXPECT_EQ(c.Calls()[0].bytes, b);
}

TEST_F(MidiPortThreaded, AnotherClientReachingThePortNeverBreaksTheSourcesDump) {
    // A keyboard (or a patchbay's connection) that reaches the port plays notes and a dump of its
    // own while the instrument's dump is on its way: the instrument's bytes arrive whole and alone.
    const uint32_t keyboard = loop.AddSource("Keyboard", "Out");
    std::unique_ptr<IMIDIIn> in(MIDIInCreate());
    Collector c;
    const MIDIDevKey key = SourceKey();
    ASSERT_TRUE(in->Open(&key, &c, 0, 0));
    Bytes dump{0xF0, 0x42, 0x30, 0x7A, 0x40, 0x00};
    for (int i = 0; i < 600; ++i) dump.push_back(static_cast<uint8_t>(i & 0x7F));
    dump.push_back(0xF7);
    const Bytes note{0x90, 0x3C, 0x64}, other{0xF0, 0x43, 0x10, 0xF7};
    for (size_t at = 0; at < dump.size(); at += 200) {
        loop.Inject(src, dump.data() + at, std::min<size_t>(200, dump.size() - at));
        loop.InjectForeign(src, keyboard, note.data(), note.size());
        loop.InjectForeign(src, keyboard, other.data(), other.size());
    }
    ASSERT_TRUE(loop.WaitIdle(5000));
    EXPECT_EQ(c.Exclusive(), dump);
    for (const Collector::Call& call : c.Calls()) EXPECT_TRUE(call.exclusive) << "a foreign short message";
}

TEST_F(MidiPortThreaded, OutputSendsAreCapturedWithTheirTime) {
    std::unique_ptr<IMIDIOut> out(MIDIOutCreate());
    const Bytes note{0x90, 0x3C, 0x64};
    EXPECT_FALSE(out->SendShort(note.data(), 3));  // not open
    const MIDIDevKey key = DestinationKey();
    ASSERT_TRUE(out->Open(&key, 4, 1024));
    EXPECT_TRUE(out->IsOpen());
    const uint64_t before = MonotonicMicroseconds();
    EXPECT_TRUE(out->SendShort(note.data(), 3));
    Bytes big(300, 0x11);
    big.front() = 0xF0;
    big.back() = 0xF7;
    EXPECT_TRUE(out->SendLong(big.data(), static_cast<unsigned>(big.size()), 1000));
    // Lengths the message buffer cannot hold are refused.
    Bytes huge(IMIDIOut::kMaxShortLength + 1, 0x90);
    EXPECT_FALSE(out->SendShort(note.data(), 0));
    EXPECT_FALSE(out->SendShort(huge.data(), static_cast<unsigned>(huge.size())));
    EXPECT_FALSE(out->SendShort(nullptr, 3));

    const auto sent = loop.TakeSent();
    ASSERT_EQ(sent.size(), 2u);
    EXPECT_EQ(sent[0].destination, dst);
    EXPECT_FALSE(sent[0].exclusive);
    EXPECT_EQ(sent[0].bytes, note);
    EXPECT_GE(sent[0].timeUs, before);
    EXPECT_TRUE(sent[1].exclusive);
    EXPECT_EQ(sent[1].bytes, big);
    EXPECT_GE(sent[1].timeUs, sent[0].timeUs);
    out->Close();
    EXPECT_FALSE(out->IsOpen());
    EXPECT_FALSE(out->SendLong(big.data(), 10, 10));
}

TEST_F(MidiPortThreaded, FaultSwitches) {
    std::unique_ptr<IMIDIOut> out(MIDIOutCreate());
    const MIDIDevKey key = DestinationKey();
    ASSERT_TRUE(out->Open(&key, 4, 1024));
    const Bytes note{0x90, 0x3C, 0x64};
    const Bytes sx{0xF0, 0x42, 0x30, 0x7A, 0x12, 0xF7};

    loop.SetSendFails(dst, true);
    EXPECT_FALSE(out->SendShort(note.data(), 3));
    EXPECT_FALSE(out->SendLong(sx.data(), 6, 100));
    loop.SetSendFails(dst, false);

    loop.SetExclusiveNeverCompletes(dst, true);
    testing::internal::CaptureStdout();
    EXPECT_FALSE(out->SendLong(sx.data(), 6, 20));
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "CoreMIDIOut::SendLong() Timeout\n");
    EXPECT_TRUE(out->SendShort(note.data(), 3));  // short messages still go
    loop.SetExclusiveNeverCompletes(dst, false);
    EXPECT_TRUE(out->SendLong(sx.data(), 6, 100));
    const auto sent = loop.TakeSent();
    ASSERT_EQ(sent.size(), 2u);
    EXPECT_EQ(sent[1].bytes, sx);

    // The port vanishes.
    loop.RemoveEndpoint(dst);
    EXPECT_FALSE(out->SendShort(note.data(), 3));
    EXPECT_FALSE(out->SendLong(sx.data(), 6, 100));
}

// Answers every exclusive message by injecting a reply, as an instrument would.
class Answerer : public CMidiLoopback::IListener {
public:
    Answerer(CMidiLoopback& loop, uint32_t source) : m_loop(loop), m_source(source) {}
    void OnLoopbackSend(uint32_t, const uint8_t*, size_t, bool exclusive) override {
        static const uint8_t reply[] = {0xF0, 0x42, 0x30, 0x7A, 0x23, 0xF7};
        if (exclusive) m_loop.Inject(m_source, reply, sizeof reply);
    }

private:
    CMidiLoopback& m_loop;
    uint32_t m_source;
};

TEST_F(MidiPortThreaded, ListenerAnswersAndCableLoopEchoes) {
    std::unique_ptr<IMIDIIn> in(MIDIInCreate());
    std::unique_ptr<IMIDIOut> out(MIDIOutCreate());
    Collector c;
    const MIDIDevKey skey = SourceKey(), dkey = DestinationKey();
    ASSERT_TRUE(in->Open(&skey, &c, 0, 0));
    ASSERT_TRUE(out->Open(&dkey, 0, 0));
    Answerer answerer(loop, src);
    loop.SetListener(dst, &answerer);
    const Bytes sx{0xF0, 0x42, 0x30, 0x7A, 0x12, 0xF7};
    ASSERT_TRUE(out->SendLong(sx.data(), 6, 100));
    ASSERT_TRUE(loop.WaitIdle(5000));
    EXPECT_EQ(c.Exclusive(), (Bytes{0xF0, 0x42, 0x30, 0x7A, 0x23, 0xF7}));
    loop.SetListener(dst, nullptr);

    loop.Connect(dst, src);
    const Bytes note{0x91, 0x40, 0x7F};
    ASSERT_TRUE(out->SendShort(note.data(), 3));
    ASSERT_TRUE(loop.WaitIdle(5000));
    EXPECT_EQ(c.Calls().back().bytes, note);
}

TEST_F(MidiPortThreaded, PacedDeliveryKeepsOrder) {
    std::unique_ptr<IMIDIIn> in(MIDIInCreate());
    Collector c;
    const MIDIDevKey key = SourceKey();
    ASSERT_TRUE(in->Open(&key, &c, 0, 0));
    Bytes sx{0xF0};
    for (int i = 0; i < 40; ++i) sx.push_back(static_cast<uint8_t>(i));
    sx.push_back(0xF7);
    loop.InjectSplit(src, sx.data(), sx.size(), 8, 300);
    EXPECT_TRUE(loop.WaitIdle(5000));
    EXPECT_EQ(c.Exclusive(), sx);
}

TEST(MidiDevKey, HandleBytes) {
    const MIDIDevKey key("name", 0x01020304);
    EXPECT_EQ(key.data.size(), 4u);
    EXPECT_EQ(key.Handle(), 0x01020304u);
    const MIDIDevKey copy = key;
    EXPECT_EQ(copy.name, "name");
    EXPECT_EQ(copy.data, key.data);
    EXPECT_EQ(MIDIDevKey().Handle(), 0u);
}

}  // namespace
