// Faults the simulated instrument produces on demand, per function code or per Nth message.
#include <gtest/gtest.h>

#include "SimTestFrames.h"
#include "Support/SimCore.h"

using namespace Sim;
using SimTest::Bytes;
using SimTest::Exchange;
using SimTest::Frame;

namespace {

const Bytes kStateRequest = Frame({0x12});
const Bytes kInquiry = {0xF0, 0x7E, 0x7F, 0x06, 0x01, 0xF7};

}  // namespace

TEST(SimFaults, NoReplyOnceThenNormal) {
    SimCore sim(Model::Tolva);
    sim.AddFault(Fault::Make(FaultAction::NoReply, Rx::ModeChange));
    EXPECT_TRUE(Exchange(sim, Frame({0x4E, 0x03})).empty());
    EXPECT_EQ(sim.State().mode, Mode::ProgEdit);  // applied, only the answer is lost
    EXPECT_EQ(Exchange(sim, Frame({0x4E, 0x02})), SimTest::LoadComplete());
    EXPECT_EQ(Exchange(sim, kStateRequest).size(), 27u);  // other codes are not touched
}

TEST(SimFaults, EveryTimeAndNthMessage) {
    SimCore sim(Model::Tolva);
    sim.AddFault(Fault::Make(FaultAction::NoReply, Rx::ModeAndStateReq).Times(0));
    for (int i = 0; i < 3; ++i) EXPECT_TRUE(Exchange(sim, kStateRequest).empty());

    SimCore nth(Model::Tolva);
    nth.AddFault(Fault::Make(FaultAction::NoReply, kAnyCode).AtMessage(3));
    EXPECT_EQ(Exchange(nth, kStateRequest).size(), 27u);
    EXPECT_EQ(Exchange(nth, kInquiry).size(), 15u);
    EXPECT_TRUE(Exchange(nth, kStateRequest).empty());
    EXPECT_EQ(Exchange(nth, kStateRequest).size(), 27u);
}

TEST(SimFaults, DelayedReplyCarriesItsDelay) {
    SimCore sim(Model::Tolva);
    Fault f = Fault::Make(FaultAction::Delay, Rx::ModeAndStateReq);
    f.delayMs = 1500;
    sim.AddFault(f);
    sim.Receive(kStateRequest);
    std::deque<OutItem> out = sim.TakeOutput();
    ASSERT_EQ(out.size(), 1u);
    EXPECT_EQ(out[0].delayMs, 1500);
    EXPECT_EQ(out[0].bytes.size(), 27u);
}

TEST(SimFaults, ReplyLandsInNextExchange) {
    SimCore sim(Model::Tolva);
    sim.AddFault(Fault::Make(FaultAction::DeferToNext, Rx::CurProgReq));
    EXPECT_TRUE(Exchange(sim, Frame({0x10, 0x00})).empty());
    std::vector<Bytes> out;
    sim.Receive(kStateRequest);
    out = sim.TakeMessages();
    ASSERT_EQ(out.size(), 2u);
    EXPECT_EQ(out[0].size(), 515u);  // the late dump first, then the state the editor asked for
    EXPECT_EQ(out[1].size(), 27u);
}

TEST(SimFaults, EachErrorReplyAndReasonWithoutApplying) {
    struct Case {
        uint8_t code;
        uint8_t reason;
    };
    const Case cases[] = {{0x22, 0}, {0x22, 1}, {0x22, 2},  {0x22, 40}, {0x22, 7}, {0x24, 0}, {0x24, 1},
                          {0x24, 2}, {0x24, 3}, {0x24, 40}, {0x24, 9},  {0x26, 0}, {0x26, 1}, {0x26, 40}};
    for (const Case& c : cases) {
        SimCore sim(Model::Nerimo, 4);
        Fault f = Fault::Make(FaultAction::ErrorReply, Rx::ModeChange);
        f.errorCode = c.code;
        f.reason = c.reason;
        sim.AddFault(f);
        EXPECT_EQ(Exchange(sim, Frame({0x4E, 0x06}, 4)), Frame({c.code, c.reason}, 4));
        EXPECT_EQ(sim.State().mode, Mode::ProgPlay);
    }
}

TEST(SimFaults, ReplyBytesMangled) {
    struct Case {
        const char* name;
        Fault fault;
        Bytes expected;
    };
    auto make = [](FaultAction a, size_t offset, uint8_t value) {
        Fault f = Fault::Make(a, Rx::ModeAndStateReq);
        f.offset = offset;
        f.value = value;
        return f;
    };
    SimCore plain(Model::Tolva);
    const Bytes reply = Exchange(plain, kStateRequest);
    Bytes truncated(reply.begin(), reply.begin() + 10);
    Bytes garbled = reply;
    garbled[7] ^= 0x80;
    Bytes noF7(reply.begin(), reply.end() - 1);
    Bytes withClock = reply;
    withClock.insert(withClock.begin() + 5, 0xF8);
    const Case cases[] = {
        {"truncated", make(FaultAction::Truncate, 10, 0), truncated},
        {"garbled", make(FaultAction::Garble, 7, 0x80), garbled},
        {"missing F7", make(FaultAction::DropF7, 0, 0), noF7},
        {"real-time inside", make(FaultAction::RealtimeInside, 5, 0xF8), withClock},
    };
    for (const Case& c : cases) {
        SimCore sim(Model::Tolva);
        sim.AddFault(c.fault);
        EXPECT_EQ(Exchange(sim, kStateRequest), c.expected) << c.name;
    }
}

TEST(SimFaults, MissingF7FollowedByNewF0) {
    SimCore sim(Model::Tolva);
    sim.AddFault(Fault::Make(FaultAction::DropF7, Rx::CurProgReq));
    sim.Receive(Frame({0x10, 0x00}));
    sim.Receive(kStateRequest);
    Bytes out = sim.TakeOutputBytes();
    ASSERT_EQ(out.size(), 514u + 27u);
    EXPECT_EQ(out[514], 0xF0);
    EXPECT_EQ(std::count(out.begin(), out.end(), 0xF7), 1);
}

TEST(SimFaults, WrongMemberOrFamilyInInquiry) {
    SimCore sim(Model::Nerimo);
    Fault member = Fault::Make(FaultAction::SetByte, kInquiryCode);
    member.offset = 8;
    member.value = 3;
    sim.AddFault(member);
    Fault family = member;
    family.offset = 6;
    family.value = 0x7B;
    sim.AddFault(family);
    EXPECT_EQ(Exchange(sim, kInquiry)[8], 3);
    Bytes second = Exchange(sim, kInquiry);
    EXPECT_EQ(second[6], 0x7B);
    EXPECT_EQ(second[8], 9);
    EXPECT_EQ(Exchange(sim, kInquiry)[8], 9);
}

TEST(SimFaults, ErrorInTheMiddleOfAnIncomingDump) {
    SimCore sim(Model::Tolva);
    sim.State().mode = Mode::ProgPlay;
    Fault f = Fault::Make(FaultAction::ErrorMidDump, Code::ProgDump);
    f.offset = 300;
    f.reason = Reason::MemoryOverflow;
    sim.AddFault(f);
    Bytes dump = SimTest::Dump({0x4C, 0x00, 0x10, 0x00}, Bytes(128 * 444, 0x11));
    sim.Receive(dump.data(), 299, 0);
    EXPECT_TRUE(sim.TakeOutputBytes().empty());
    sim.Receive(dump.data() + 299, 1, 0);
    EXPECT_EQ(sim.TakeOutputBytes(), SimTest::LoadError(3));  // before the editor has finished sending
    sim.Receive(dump.data() + 300, dump.size() - 300, 0);
    EXPECT_TRUE(sim.TakeOutputBytes().empty());
    EXPECT_EQ(sim.Image().Record(Area::Program, 0)[0], 0);
    EXPECT_EQ(Exchange(sim, dump), SimTest::LoadComplete());  // the fault fired once
}

TEST(SimFaults, OwnDumpBrokenOffByAnError) {
    SimCore sim(Model::Tolva);
    Fault f = Fault::Make(FaultAction::AbortReply, Rx::ProgReq);
    f.offset = 1000;
    f.reason = Reason::Other;
    sim.AddFault(f);
    std::vector<Bytes> out;
    sim.Receive(Frame({0x1C, 0x10, 0x00, 0x00}));
    out = sim.TakeMessages();
    ASSERT_EQ(out.size(), 2u);
    EXPECT_EQ(out[0].size(), 1000u);
    EXPECT_NE(out[0].back(), 0xF7);
    EXPECT_EQ(out[1], SimTest::LoadError(40));
}

TEST(SimFaults, PortVanishes) {
    SimCore sim(Model::Tolva);
    sim.AddFault(Fault::Make(FaultAction::Vanish, Rx::CurProgReq));
    EXPECT_EQ(Exchange(sim, kStateRequest).size(), 27u);
    sim.Receive(Frame({0x10, 0x00}));
    std::deque<OutItem> out = sim.TakeOutput();
    ASSERT_EQ(out.size(), 1u);
    EXPECT_TRUE(out[0].vanish);
    EXPECT_TRUE(sim.Vanished());
    EXPECT_TRUE(Exchange(sim, kStateRequest).empty());
    sim.PanelMasterVolume(5);
    EXPECT_TRUE(sim.TakeOutput().empty());
    sim.Revive();
    EXPECT_EQ(Exchange(sim, kStateRequest).size(), 27u);
}
