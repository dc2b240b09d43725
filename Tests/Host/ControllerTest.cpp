// The controller protocol: the exact bytes of every message, the code maps, what each controller
// event becomes for the plug-in object, and the hand-shakes with a stand-in controller.
#include <gtest/gtest.h>

#include <memory>

#include "Host/ControllerProtocol.h"
#include "Host/HostMIDIManager.h"
#include "HostFakes.h"
#include "Linux/MidiIO/Loopback/LoopbackBackend.h"
#include "Support/SimController.h"

namespace {

std::string Hex(const std::vector<uint8_t>& b) {
    std::string s;
    char x[4];
    for (size_t i = 0; i < b.size(); ++i) {
        std::snprintf(x, sizeof x, "%02X", b[i]);
        s += (i ? " " : "") + std::string(x);
    }
    return s;
}

}  // namespace

TEST(ControllerMessages, ExactBytes) {
    const uint8_t text[8] = {'T', 'o', 'l', 'v', 'a', ' ', ' ', '!'};
    struct Case {
        const char* what;
        MidiBytes bytes;
        const char* hex;
    };
    const Case cases[] = {
        {"LED 25, state 2, value 5, channel 3, first kind",
         MsgLed(0, 3, ControllerLedCode(25), ControllerLedStateCode(2), 5), "F0 42 43 6E 00 01 1D 45 F7"},
        {"LED of the second kind", MsgLed(2, 15, ControllerLedCode(0), ControllerLedStateCode(0), 31),
         "F0 42 4F 6E 02 01 00 3F F7"},
        {"third-kind LED", MsgLedHarrow(12, ControllerLedStateCode(3), 1), "F0 42 40 6E 01 01 0C 61 F7"},
        {"LCD 0 in colour 3", MsgLcd(0, 0, 8, 3, text), "F0 42 40 6E 00 22 09 38 54 6F 6C 76 61 20 20 21 F7"},
        {"LCD without text shows spaces", MsgLcd(2, 1, 0, 1, nullptr),
         "F0 42 41 6E 02 22 09 10 20 20 20 20 20 20 20 20 F7"},
        {"enter exclusive mode", MsgSpecialMode(2, 4, 1), "F0 42 44 6E 02 00 00 01 F7"},
        {"identity request", MsgIdentityRequest(), "F0 7E 7F 06 01 F7"},
        {"probe", MsgProbe(), "F0 42 40 6E 7F 1E 00 01 F7"},
    };
    for (const Case& c : cases) EXPECT_EQ(Hex(c.bytes), c.hex) << c.what;
}

TEST(ControllerMessages, InitialisationMessages) {
    const MidiBytes m1 = MsgInitial1(0, 3, 5);
    ASSERT_EQ(m1.size(), 47u);
    EXPECT_EQ(Hex(MidiBytes(m1.begin(), m1.begin() + 14)), "F0 42 43 6E 00 3F 27 00 00 05 05 00 00 00");
    EXPECT_EQ(m1.back(), 0xF7);
    const MidiBytes m2 = MsgInitial2(2, 5);
    ASSERT_EQ(m2.size(), 26u);
    EXPECT_EQ(Hex(m2), "F0 42 45 6E 02 3F 12 01 00 00 00 00 22 22 22 22 03 20 20 20 20 20 20 20 20 F7");
    for (auto [m, step] : {std::pair{MsgInitial3(0, 5), 2}, std::pair{MsgInitial4(0, 5), 3}}) {
        ASSERT_EQ(m.size(), 41u);
        EXPECT_EQ(Hex(MidiBytes(m.begin(), m.begin() + 8)), "F0 42 45 6E 00 3F 21 0" + std::to_string(step));
        for (size_t i = 8; i < 40; ++i) EXPECT_EQ(m[i], ' ');
    }
}

TEST(ControllerMessages, CodeMaps) {
    const std::pair<int, int> leds[] = {{0, 0},   {19, 19}, {20, 21}, {21, 20}, {22, 22},
                                        {23, 25}, {24, 24}, {25, 29}, {26, 28}, {27, 26},
                                        {28, 27}, {29, 32}, {43, 46}, {44, 47}, {-1, 47}};
    for (auto [id, code] : leds) EXPECT_EQ(ControllerLedCode(id), code) << id;
    const std::pair<int, int> states[] = {{0, 1}, {1, 0}, {2, 2}, {3, 3}, {4, 0}};
    for (auto [state, code] : states) EXPECT_EQ(ControllerLedStateCode(state), code) << state;
    int code = -1;
    EXPECT_TRUE(ControllerLcdCode(0, &code));
    EXPECT_EQ(code, 8);
    EXPECT_TRUE(ControllerLcdCode(8, &code));
    EXPECT_EQ(code, 7);
    EXPECT_FALSE(ControllerLcdCode(9, &code));
}

namespace {

class ControllerTest : public ::testing::Test {
public:
    void SetUp() override {
        unit.plugin = &plugin;
        plugin.channelAnswer = 6;
    }
    void TearDown() override { manager.reset(); }
    void Start() {
        manager = std::make_unique<VintorHostMIDIManager>(&loop, &unit, &shell);
        manager->RebuildDataList(MIDIEndpointList(&loop));
    }
    void Settle() { ASSERT_TRUE(loop.WaitIdle(2000)); }

    CMidiLoopback loop;
    FakeShell shell;
    FakeUnit unit;
    FakePluginObject plugin;
    std::unique_ptr<VintorHostMIDIManager> manager;
};

}  // namespace

// What each message from a controller becomes.
TEST_F(ControllerTest, EventsReachThePluginObject) {
    SimController first(loop, "Pad Unit", 0);
    Start();
    const int src = static_cast<int>(first.Exclusive());
    struct Case {
        const char* what;
        std::vector<uint8_t> bytes;
        std::vector<FakePluginObject::Call> calls;
    };
    auto ev = [](uint8_t fn, uint8_t b6, uint8_t b7) {
        return std::vector<uint8_t>{0xF0, 0x42, 0x45, 0x6E, 0x00, fn, b6, b7, 0xF7};
    };
    const std::vector<Case> cases = {
        {"function 3: knob 1 turned down", ev(3, 0, 0x7F), {{3, src, 1, -1, 0}}},
        {"function 3: knob out of range", ev(3, 9, 0x05), {{3, src, 0, 5, 0}}},
        {"function 4", ev(4, 0x10, 0xFF), {{4, src, 0x10, 0x7F, 0}}},
        {"function 5: pad 3 on", ev(5, 0x43, 0x50), {{5, src, 3, 1, 0x50}}},
        {"function 6 goes to slot 9", ev(6, 1, 0x22), {{9, src, 1, 0x22, 0}}},
        {"function 7 goes to slot 6", ev(7, 0, 0x11), {{6, src, 0, 0x11, 0}}},
        {"function 8: button 8 of the first kind", ev(8, 8, 1), {{7, src, 8, 1, 0}}},
        {"function 8: button 9 is none", ev(8, 9, 1), {{7, src, 0, 1, 0}}},
        {"function 11", ev(11, 0x85, 0x86), {{8, src, 0x05, 0x06, 0}}},
        {"a 16-byte identity reply is ignored",
         {0xF0, 0x7E, 0x00, 0x06, 0x02, 0x42, 0x6E, 0x00, 0x00, 0x00, 1, 2, 3, 4, 5, 0xF7},
         {}},
        {"another function", ev(20, 1, 1), {}},
        {"a 10-byte function 3", {0xF0, 0x42, 0x45, 0x6E, 0x00, 0x03, 0x00, 0x01, 0x00, 0xF7}, {}},
    };
    for (const Case& c : cases) {
        manager->HandleSysEx(first.Exclusive(), c.bytes.data(), c.bytes.size(), -1);
        EXPECT_EQ(plugin.Take(), c.calls) << c.what;
    }
}

TEST_F(ControllerTest, ProbeFindsEachKind) {
    const uint32_t plain = loop.AddSource("Keys", "Out");
    loop.AddDestination("Keys", "In");
    SimController first(loop, "Pad Unit", 0);
    SimController second(loop, "Knob Unit", 2);
    SimController third(loop, "Strip", 1);
    Start();
    struct Case {
        const char* what;
        uint32_t endpoint;
        uint32_t kind, number;
    };
    const Case cases[] = {
        {"plain port", plain, 4, 1},
        {"first kind, port before", first.Before(), 0, 1},
        {"first kind, exclusive port", first.Exclusive(), 1, 1},
        {"first kind, port after", first.After(), 2, 1},
        {"second kind, exclusive port", second.Exclusive(), 1, 0x10001},
        {"second kind, port after", second.After(), 2, 0x10001},
        {"third kind", third.Exclusive(), 3, 1},
    };
    for (const Case& c : cases) {
        uint32_t kind = 99, number = 99;
        manager->GetSourceType(c.endpoint, &kind, &number);
        EXPECT_EQ(kind, c.kind) << c.what;
        EXPECT_EQ(number, c.number) << c.what;
    }
}

TEST_F(ControllerTest, AttachRunsInquiryAndInitialisation) {
    SimController first(loop, "Pad Unit", 0, 3);
    Start();
    manager->SetSource(0, first.Exclusive(), true);
    const auto got = first.Received();
    // Inquiry and probe while probing, then the attach: inquiry, enter exclusive mode on the
    // controller's own channel, the four steps moving it to channel 6.
    std::vector<std::string> hex;
    for (const auto& m : got) hex.push_back(Hex(m));
    ASSERT_GE(hex.size(), 8u);
    const std::vector<std::string> tail(hex.end() - 6, hex.end());
    EXPECT_EQ(tail[0], "F0 7E 7F 06 01 F7");
    EXPECT_EQ(tail[1], "F0 42 43 6E 00 00 00 01 F7");
    EXPECT_EQ(tail[2].substr(0, 26), "F0 42 43 6E 00 3F 27 00 00");
    EXPECT_EQ(tail[3].substr(0, 23), "F0 42 46 6E 00 3F 12 01");
    EXPECT_EQ(tail[4].substr(0, 23), "F0 42 46 6E 00 3F 21 02");
    EXPECT_EQ(tail[5].substr(0, 23), "F0 42 46 6E 00 3F 21 03");
    const int src = static_cast<int>(first.Exclusive());
    EXPECT_EQ(plugin.Take(), (std::vector<FakePluginObject::Call>{{0, 0, 0, 0, 0}, {1, 0, src, 0, 0}}));
    // LEDs and LCDs go out on Idle, on the controller's new channel.
    manager->SetLed_vintorvstinterface1(src, 25, 2, 5);
    manager->SetLcd_vintorvstinterface1(src, 0, 3, nullptr);
    manager->SetLed_vintorvstinterface1(12345, 1, 2, 3);  // no such controller: dropped
    manager->Idle();
    const auto after = first.Received();
    ASSERT_EQ(after.size(), got.size() + 2);
    EXPECT_EQ(Hex(after[after.size() - 2]), "F0 42 46 6E 00 01 1D 45 F7");
    EXPECT_EQ(Hex(after.back()), "F0 42 46 6E 00 22 09 38 20 20 20 20 20 20 20 20 F7");
    // A channel change is applied on the next Idle, not on the caller's thread.
    manager->SetCombiMIDIChannel_vintorvstinterface1(9);
    EXPECT_EQ(first.Received().size(), after.size());
    manager->Idle();
    const auto moved = first.Received();
    ASSERT_EQ(moved.size(), after.size() + 5);
    EXPECT_EQ(Hex(moved[after.size()]), "F0 42 46 6E 00 00 00 01 F7");
    EXPECT_EQ(Hex(moved.back()).substr(0, 23), "F0 42 49 6E 00 3F 21 03");
    // Detaching leaves exclusive mode and tells the plug-in object.
    manager->SetSource(0, 0, false);
    EXPECT_EQ(Hex(first.Received().back()), "F0 42 49 6E 00 00 00 00 F7");
    EXPECT_EQ(plugin.Take(), (std::vector<FakePluginObject::Call>{{2, src, 0, 0, 0}}));
}

TEST_F(ControllerTest, ControllerThatNeverConfirmsIsLeft) {
    SimController first(loop, "Pad Unit", 0, 3);
    Start();
    first.SetNeverConfirmSteps(true);
    try {
        manager->SetSource(0, first.Exclusive(), true);
        FAIL();
    } catch (const ZbrException& e) {
        EXPECT_STREQ(e.what(), "(mExclusiveInitializeCompleted) is not");
    }
    EXPECT_EQ(Hex(first.Received().back()), "F0 42 46 6E 00 00 00 00 F7") << "leave exclusive mode";
}

TEST_F(ControllerTest, SilentControllerFailsTheInquiry) {
    SimController first(loop, "Pad Unit", 0, 3);
    Start();
    first.SetSilent(true);
    try {
        manager->SetSource(0, first.Exclusive(), true);
        FAIL();
    } catch (const ZbrException& e) {
        EXPECT_STREQ(e.what(), "(mDeviceInquiryGlobalMIDIChannel != -1) is not");
    }
}

TEST_F(ControllerTest, HostInterfaceOperations) {
    Start();
    EXPECT_EQ(unit.handedHost, manager.get());
    EXPECT_EQ(manager->PluginObject(), &plugin);
    CpuLoadWatch cpu;
    manager->SetCpuWatch(&cpu);
    bool running = true, o1 = true, o3 = true;
    double load = 5, o2 = 5;
    manager->GetCpuCost_vintorvstinterface1(&running, &load, &o1, &o2, &o3);
    EXPECT_FALSE(running);
    EXPECT_EQ(load, 0.0);
    EXPECT_FALSE(o1);
    EXPECT_EQ(o2, 0.0);
    EXPECT_FALSE(o3);
    manager->GetCpuCost_vintorvstinterface1(nullptr, nullptr, nullptr, nullptr, nullptr);
    cpu.SetSampleRateAndBufferFrameSize(48000, 4800);  // 10 a second: a window of 1
    cpu.SetIsProcessing(true);
    cpu.BeginProcess(1000);
    cpu.EndProcess(1000 + 25000000);  // 25 ms of 100
    manager->GetCpuCost_vintorvstinterface1(&running, &load, nullptr, nullptr, nullptr);
    EXPECT_TRUE(running);
    EXPECT_NEAR(load, 25.0, 0.01);
    manager->HandleBankOpen();
    manager->HandleBankSaveAs();
    manager->HandlePresetImport();
    manager->HandlePresetExport();
    manager->SetKnobMode(1);
    EXPECT_EQ(plugin.Take(),
              (std::vector<FakePluginObject::Call>{
                  {10, 0, 0, 0, 0}, {12, 0, 0, 0, 0}, {13, 0, 0, 0, 0}, {14, 0, 0, 0, 0}, {15, 1, 0, 0, 0}}));
}
