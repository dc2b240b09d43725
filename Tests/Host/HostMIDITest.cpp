// The host MIDI manager over the loopback: the packet ring, MIDI to the unit at sample offsets,
// exclusive assembly, the clock's tempo and the MIDI backend's notices.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <set>
#include <string>
#include <tuple>

#include "Host/HostMIDIManager.h"
#include "HostFakes.h"
#include "Linux/MidiIO/Loopback/LoopbackBackend.h"
#include "Linux/MidiIO/MidiIO.h"

namespace {

class HostMIDITest : public ::testing::Test {
public:
    void SetUp() override {
        unit.plugin = &plugin;
        plainSource = loop.AddSource("Keys", "Out");
        clockSource = loop.AddSource("Drum Machine", "Clock");
        manager = std::make_unique<VintorHostMIDIManager>(&loop, &unit, &shell);
        manager->RebuildDataList(MIDIEndpointList(&loop));
        shell.Take();
    }
    void TearDown() override { manager.reset(); }
    void Settle() { ASSERT_TRUE(loop.WaitIdle(2000)); }
    // Clock ticks at a fixed interval, stamped exactly, from a start time.
    uint64_t Ticks(int count, uint64_t intervalUs, uint64_t startUs) {
        const uint8_t tick = 0xF8;
        uint64_t t = startUs;
        for (int i = 0; i < count; ++i, t += intervalUs) loop.InjectStamped(clockSource, &tick, 1, t * 1000);
        return t;
    }

    CMidiLoopback loop;
    FakeShell shell;
    FakeUnit unit;
    FakePluginObject plugin;
    uint32_t plainSource = 0, clockSource = 0;
    std::unique_ptr<VintorHostMIDIManager> manager;
};

}  // namespace

TEST(MIDIPacketRing, KeepsTheNewestAndSplitsLongPackets) {
    MIDIPacketRingBuffer ring(1024);
    EXPECT_THROW(ring.Front(), ZbrIfNotException);
    try {
        ring.Last();
    } catch (const ZbrException& e) {
        EXPECT_STREQ(e.what(), "(mLength > 0) is not");
    }
    // A 300-byte packet takes two entries in order: 256 bytes, then 44.
    std::vector<uint8_t> dump(300);
    for (size_t i = 0; i < dump.size(); ++i) dump[i] = static_cast<uint8_t>(i & 0x7F);
    dump[0] = 0xF0;
    dump[299] = 0xF7;
    ring.Push(7, 1, dump.data(), dump.size());
    ASSERT_EQ(ring.Length(), 2u);
    EXPECT_EQ(ring.Front().length, 256u);
    EXPECT_EQ(ring.Last().length, 44u);
    EXPECT_EQ(ring.Last().data[43], 0xF7);
    // Clock bytes are left out.
    const uint8_t withClock[] = {0x90, 0xF8, 0x40, 0x7F};
    ring.Push(7, 2, withClock, sizeof withClock);
    EXPECT_EQ(ring.Last().length, 3u);
    EXPECT_EQ(ring.Last().data[1], 0x40);
    // Undrained, it keeps the newest 1024 entries.
    for (int i = 0; i < 2000; ++i) {
        const uint8_t note[] = {0x90, static_cast<uint8_t>(i & 0x7F), 0x01};
        ring.Push(7, static_cast<uint64_t>(i), note, 3);
    }
    EXPECT_EQ(ring.Length(), 1024u);
    EXPECT_EQ(ring.Front().timeNs, 2000u - 1024u);
    EXPECT_EQ(ring.Last().timeNs, 1999u);
}

TEST_F(HostMIDITest, MessagesReachTheUnitAtTheirSampleOffset) {
    manager->SetSource(0, plainSource, false);
    EXPECT_EQ(loop.InputCount(plainSource), 1u);
    manager->SetSampleRateAndBufferFrameSize(48000, 256);
    const uint64_t start = 5000000000ull;
    manager->InProcess(start);
    EXPECT_EQ(manager->CalcMIDISampleOffset(start + 1000000), 48u);     // 1 ms later
    EXPECT_EQ(manager->CalcMIDISampleOffset(start - 1000), 0u);         // before the cycle
    EXPECT_EQ(manager->CalcMIDISampleOffset(start + 100000000), 255u);  // beyond the buffer
    const uint8_t note[] = {0x90, 0x3C, 0x64};
    loop.InjectStamped(plainSource, note, sizeof note, start + 2000000);
    Settle();
    EXPECT_EQ(unit.TakeEvents(), (std::vector<FakeUnit::Event>{{0x90, 0x3C, 0x64, 96}}));
}

// How a packet's bytes become short messages for the unit.
TEST_F(HostMIDITest, PacketWalk) {
    struct Case {
        const char* what;
        std::vector<uint8_t> bytes;
        std::vector<FakeUnit::Event> events;
    };
    const std::vector<Case> cases = {
        {"two messages", {0x90, 0x3C, 0x64, 0xC1, 0x05}, {{0x90, 0x3C, 0x64, 0}, {0xC1, 0x05, 0, 0}}},
        {"a status at the end has zero data",
         {0x90, 0x3C, 0x64, 0xB0},
         {{0x90, 0x3C, 0x64, 0}, {0xB0, 0, 0, 0}}},
        {"a message cut by the next status",
         {0x90, 0x3C, 0xE0, 0x00, 0x40},
         {{0x90, 0x3C, 0, 0}, {0xE0, 0x00, 0x40, 0}}},
        {"exclusive bytes go only to the exclusive path",
         {0xF0, 0x42, 0x30, 0xF7, 0x80, 0x3C, 0x00},
         {{0x80, 0x3C, 0x00, 0}}},
        {"data without status is skipped", {0x10, 0x20, 0xFE}, {{0xFE, 0, 0, 0}}},
        {"song position takes two data bytes",
         {0xF2, 0x01, 0x02, 0xF3, 0x04},
         {{0xF2, 0x01, 0x02, 0}, {0xF3, 0x04, 0, 0}}},
    };
    for (const Case& c : cases) {
        manager->HandleMIDIPackets(plainSource, 1, c.bytes.data(), c.bytes.size());
        EXPECT_EQ(unit.TakeEvents(), c.events) << c.what;
    }
}

TEST_F(HostMIDITest, ExclusiveAssemblyOnAnActiveSlot) {
    manager->SetSource(0, plainSource, true);  // a plain port with exclusive messages on
    auto message = [](size_t length, uint8_t maker) {
        std::vector<uint8_t> m(length, 0x11);
        m[0] = 0xF0;
        m[1] = maker;
        m[length - 1] = 0xF7;
        return m;
    };
    struct Case {
        const char* what;
        std::vector<uint8_t> bytes;
        size_t pieces;
        int handled;
    };
    const Case cases[] = {
        {"128 bytes whole", message(128, 0x42), 1, 1},
        {"128 bytes in pieces", message(128, 0x42), 5, 1},
        {"130 bytes dropped", message(130, 0x42), 1, 0},
        {"another maker ignored", message(12, 0x43), 1, 0},
        {"universal", message(15, 0x7E), 1, 1},
        {"a 300-byte dump passing through", message(300, 0x42), 1, 0},
    };
    for (const Case& c : cases) {
        const int before = manager->SysExCount();
        loop.InjectSplit(plainSource, c.bytes.data(), c.bytes.size(),
                         (c.bytes.size() + c.pieces - 1) / c.pieces);
        Settle();
        EXPECT_EQ(manager->SysExCount() - before, c.handled) << c.what;
        if (c.handled) {
            EXPECT_EQ(manager->LastSysExLength(), c.bytes.size()) << c.what;
        }
    }
    // Not active: nothing is assembled.
    manager->SetSource(0, plainSource, false);
    const int before = manager->SysExCount();
    const auto m = message(20, 0x42);
    loop.Inject(plainSource, m.data(), m.size());
    Settle();
    EXPECT_EQ(manager->SysExCount(), before);
}

TEST_F(HostMIDITest, ClockTempoFromTheSecondTick) {
    struct Case {
        double bpm;
        uint64_t intervalUs;
    };
    const Case cases[] = {{120, 20833}, {60, 41667}, {180, 13889}, {20, 125000}, {300, 8333}};
    uint64_t t = 10000000;
    for (const Case& c : cases) {
        manager->SetClockSyncSource(0);
        manager->SetClockSyncSource(clockSource);
        t += 1000000;
        t = Ticks(2, c.intervalUs, t);
        Settle();
        EXPECT_NEAR(manager->GetTempo(), c.bpm, 0.1) << "after two ticks at " << c.bpm;
        t = Ticks(60, c.intervalUs, t);
        Settle();
        EXPECT_NEAR(manager->GetTempo(), c.bpm, 0.1) << "steady at " << c.bpm;
    }
    // Every tick reaches the unit too.
    int ticks = 0;
    for (const auto& e : unit.TakeEvents()) ticks += e.status == 0xF8;
    EXPECT_EQ(ticks, 5 * 62);
}

TEST_F(HostMIDITest, ClockConvergesAndRestartsWithoutADip) {
    manager->SetClockSyncSource(clockSource);
    uint64_t t = Ticks(2, 20833, 20000000);
    Settle();
    EXPECT_NEAR(manager->GetTempo(), 120, 0.1);
    // The tempo moves to 140 through the window's smoothing, without overshooting.
    t = Ticks(200, 17857, t);
    Settle();
    EXPECT_NEAR(manager->GetTempo(), 140, 0.1);
    // Stop for two seconds, then start again at the same tempo: no tick of the new run dips.
    t += 2000000;
    for (int i = 0; i < 30; ++i) {
        t = Ticks(1, 17857, t);
        Settle();
        EXPECT_NEAR(manager->GetTempo(), 140, 0.1) << "tick " << i;
    }
}

TEST_F(HostMIDITest, ClockTicksInOneMicrosecondDoNotBreakTheTempo) {
    manager->SetClockSyncSource(clockSource);
    const uint8_t ticks[] = {0xF8, 0xF8, 0xF8};
    loop.InjectStamped(clockSource, ticks, sizeof ticks, 30000000000ull);
    loop.InjectStamped(clockSource, ticks, 1, 30000000000ull);
    Settle();
    EXPECT_TRUE(std::isfinite(manager->GetTempo()));
    EXPECT_EQ(manager->GetTempo(), 120.0);
}

TEST_F(HostMIDITest, EndpointChangesDemandTask7) {
    const uint32_t added = loop.AddSource("New", "Port");
    EXPECT_EQ(shell.Take(), std::vector<int>{7});
    EXPECT_TRUE(manager->CheckUpdated());
    EXPECT_FALSE(manager->CheckUpdated());
    loop.RemoveEndpoint(added);
    EXPECT_EQ(shell.Take(), std::vector<int>{7});
    EXPECT_TRUE(manager->CheckUpdated());
}

TEST_F(HostMIDITest, SlotsAndEntries) {
    const uint32_t second = loop.AddSource("", "Lonely Port");
    std::vector<MidiEntry> inputs, clock;
    manager->BuildMidiEntries(MIDIEndpointList(&loop), &inputs, &clock);
    ASSERT_EQ(inputs.size(), 3u);
    EXPECT_EQ(inputs[0].label, "Keys Out");
    EXPECT_EQ(inputs[0].number, 1u);
    EXPECT_EQ(inputs[2].label, "Lonely Port");
    EXPECT_EQ(inputs[2].endpoint, second);
    EXPECT_EQ(inputs[0].uniqueID, MidiUniqueID("Keys", "Out"));
    EXPECT_NE(MidiUniqueID("Keys", "Out"), MidiUniqueID("Key", "sOut"));
    EXPECT_EQ(clock.size(), 3u);
    uint32_t kind = 0, number = 0;
    manager->GetSourceType(second, &kind, &number);
    EXPECT_EQ(kind, 4u);
    EXPECT_EQ(number, 3u);
    EXPECT_THROW(manager->GetSourceType(0x9999, &kind, &number), ZbrNullException);
    try {
        manager->SetSource(3, plainSource, false);
        FAIL();
    } catch (const ZbrException& e) {
        EXPECT_STREQ(e.what(),
                     "(0 <= inSlotIndex && inSlotIndex < VintorHostMIDIManager_MIDIReveiveSlotCount) is not");
    }
    // A source that vanishes leaves its slot.
    manager->SetSource(1, second, false);
    EXPECT_EQ(manager->SlotSource(1), second);
    loop.RemoveEndpoint(second);
    manager->RebuildDataList(MIDIEndpointList(&loop));
    EXPECT_EQ(manager->SlotSource(1), 0u);
}

TEST_F(HostMIDITest, PacketsCarryTheirSourceAndTime) {
    struct Sink final : IMidiPacketSink {
        void OnMidiPacket(const uint8_t*, size_t) override { ++plain; }
        void OnMidiPacketFrom(uint32_t s, uint64_t t, const uint8_t*, size_t) override {
            source = s;
            time = t;
        }
        int plain = 0;
        uint32_t source = 0;
        uint64_t time = 0;
    } sink;
    auto input = loop.OpenInput(plainSource, &sink, nullptr);
    const uint8_t note[] = {0x90, 1, 2};
    loop.InjectStamped(plainSource, note, 3, 123456789);
    Settle();
    EXPECT_EQ(sink.source, plainSource);
    EXPECT_EQ(sink.time, 123456789u);
    const uint64_t before = MidiReceiveTimeNs();
    loop.Inject(plainSource, note, 3);
    Settle();
    EXPECT_GE(sink.time, before);
    EXPECT_EQ(sink.plain, 0);
}

// The program's ports carry its own names (the clock source's input told apart), while the plug-in's
// port layer, in the same process, keeps its names.
TEST_F(HostMIDITest, EachPortIsOpenedWithItsName) {
    // A new source is probed: a request goes to every destination through an output.
    const uint32_t destination = loop.AddDestination("Keys", "In");
    const uint32_t newSource = loop.AddSource("Pads", "Out");
    manager->RebuildDataList(MIDIEndpointList(&loop));
    manager->SetSource(0, plainSource, false);
    manager->SetClockSyncSource(clockSource);
    MidiBackendSet(&loop);
    std::unique_ptr<IMIDIIn> in(MIDIInCreate());
    std::unique_ptr<IMIDIOut> out(MIDIOutCreate());
    const MIDIDevKey source("keys out", plainSource), sink("keys in", destination);
    ASSERT_TRUE(in->Open(&source, nullptr, 128, 2048));
    ASSERT_TRUE(out->Open(&sink, 4, 1024));
    in.reset();
    out.reset();
    MidiBackendSet(nullptr);

    using Port = std::tuple<uint32_t, bool, std::string>;
    std::set<Port> opened;
    for (const CMidiLoopback::OpenedPort& p : loop.GetOpenedPorts())
        opened.insert({p.endpoint, p.input, p.name});
    const std::set<Port> expected = {
        {0, true, "Vintor Input Port"},                      // the one port of probes and slots
        {clockSource, true, "Vintor ClockSync Input Port"},  // clock source
        {destination, false, "Vintor Output Port"},          // probe requests
        {plainSource, true, "Input Port"},                   // the plug-in's input
        {destination, false, "Output Port"},                 // the plug-in's output
    };
    EXPECT_EQ(opened, expected);
    // The probe connected the new source to it and let it go; the slot's source stays.
    EXPECT_EQ(loop.InputCount(newSource), 0u);
    EXPECT_EQ(loop.InputCount(plainSource), 1u);
}

// The manager's one input port carries up to three chosen sources at once: each is connected to
// it once, each packet is told apart by its source, and a source let go is disconnected.
TEST_F(HostMIDITest, OneInputPortCarriesTheThreeChosenSources) {
    const uint32_t pads = loop.AddSource("Pads", "Out");
    const uint32_t drums = loop.AddSource("Drums", "Out");
    manager->RebuildDataList(MIDIEndpointList(&loop));
    const size_t before = loop.GetSubscriptions().size();
    manager->SetSource(0, plainSource, false);
    manager->SetSource(1, pads, true);  // exclusive messages on this one only
    manager->SetSource(2, drums, false);
    size_t ports = 0;
    for (const CMidiLoopback::OpenedPort& p : loop.GetOpenedPorts())
        ports += p.input && p.name == VintorHostMIDIManager::kInputPortName ? 1 : 0;
    EXPECT_EQ(ports, 1u);
    using Sub = CMidiLoopback::Subscription;
    const std::string port = VintorHostMIDIManager::kInputPortName;
    std::vector<Sub> subscriptions = loop.GetSubscriptions();
    subscriptions.erase(subscriptions.begin(), subscriptions.begin() + static_cast<long>(before));
    EXPECT_EQ(subscriptions,
              (std::vector<Sub>{{port, plainSource, true}, {port, pads, true}, {port, drums, true}}));

    // A note from each reaches the unit; an exclusive message counts only from the slot that takes them.
    for (const uint32_t source : {plainSource, pads, drums}) {
        const uint8_t note[] = {0x90, static_cast<uint8_t>(source & 0x7F), 0x40};
        loop.Inject(source, note, sizeof note);
    }
    const uint8_t inquiry[] = {0xF0, 0x7E, 0x00, 0x06, 0x02, 0xF7};
    const int handled = manager->SysExCount();
    loop.Inject(plainSource, inquiry, sizeof inquiry);
    loop.Inject(drums, inquiry, sizeof inquiry);
    Settle();
    EXPECT_EQ(manager->SysExCount(), handled);
    loop.Inject(pads, inquiry, sizeof inquiry);
    Settle();
    EXPECT_EQ(manager->SysExCount(), handled + 1);
    std::vector<uint8_t> notes;
    for (const FakeUnit::Event& e : unit.TakeEvents()) notes.push_back(e.d1);
    EXPECT_EQ(notes,
              (std::vector<uint8_t>{static_cast<uint8_t>(plainSource & 0x7F),
                                    static_cast<uint8_t>(pads & 0x7F), static_cast<uint8_t>(drums & 0x7F)}));

    // Slot 2 let go: its source is disconnected and heard no more; the port stays for the others.
    manager->SetSource(1, 0, false);
    EXPECT_EQ(loop.GetSubscriptions().back(), (Sub{port, pads, false}));
    EXPECT_EQ(loop.InputCount(pads), 0u);
    const uint8_t late[] = {0x90, 0x01, 0x40};
    loop.Inject(pads, late, sizeof late);
    loop.Inject(drums, late, sizeof late);
    Settle();
    EXPECT_EQ(unit.TakeEvents(), (std::vector<FakeUnit::Event>{{0x90, 0x01, 0x40, 0}}));
}
