// The simulated instrument's faults as the editor's own input framing and parser see them: what a
// link test against each fault can expect to reach the link.
#include <gtest/gtest.h>

#include "CrossCheckHarness.h"

using namespace CrossCheck;
using namespace QorX0;
using Sim::Fault;
using Sim::FaultAction;
using Sim::Model;

namespace {

// Sends each message to the instrument and returns everything it answered, as one byte stream.
Bytes Exchange(Sim::SimCore& sim, std::initializer_list<SXMessage> messages) {
    for (const SXMessage& m : messages) sim.Receive(Wire(m));
    return sim.TakeOutputBytes();
}

TEST(CrossCheckFaults, RealtimeByteInsideADumpLeavesItWhole) {
    Sim::SimCore sim(Model::Tolva, kChannel);
    sim.Image().FillFactory(2);
    Fault f = Fault::Make(FaultAction::RealtimeInside, SX_REQ_CURPROG);
    f.offset = 100;
    f.value = 0xF8;
    sim.AddFault(f);
    EditorSide editor(Model::Tolva);
    const auto got = editor.Feed(Exchange(sim, {SXCurProgDumpReq(kChannel)}), 64);
    ASSERT_EQ(got.size(), 1u);
    EXPECT_EQ(got[0].p.dump, SXDump::CurProg);
    EXPECT_TRUE(got[0].body == Records(sim, Sim::Area::CurProgram, 0, 1));
}

TEST(CrossCheckFaults, MissingF7IsEndedByTheNextMessage) {
    Sim::SimCore sim(Model::Nerimo, kChannel);
    sim.AddFault(Fault::Make(FaultAction::DropF7, SX_REQ_MODEANDSTATE));
    EditorSide editor(Model::Nerimo);
    const auto got = editor.Feed(Exchange(sim, {SXModeAndStateReq(kChannel), SXModeChange(kChannel, 4)}));
    ASSERT_EQ(got.size(), 1u) << "the open state reply is dropped, the acknowledgement parsed";
    EXPECT_EQ(got[0].p.kind, SXRcvKind::LoadComplete);
}

TEST(CrossCheckFaults, DumpBrokenOffByAnErrorGivesOnlyTheError) {
    Sim::SimCore sim(Model::Tolva, kChannel);
    Fault f = Fault::Make(FaultAction::AbortReply, SX_REQ_PROG);
    f.offset = 3000;
    f.reason = Sim::Reason::MemoryOverflow;
    sim.AddFault(f);
    const SXMessage req = SXProgDumpReq(kChannel, 1, 0, -1);
    EditorSide editor(Model::Tolva);
    const Bytes out = Exchange(sim, {req});
    const auto got = editor.Feed(out);
    ASSERT_EQ(got.size(), 1u);
    EXPECT_EQ(got[0].p.kind, SXRcvKind::LoadError);
    EXPECT_EQ(got[0].p.reason, Sim::Reason::MemoryOverflow);
    EXPECT_TRUE(req.error.Match(out.data() + 3000, out.size() - 3000));
}

TEST(CrossCheckFaults, TruncatedDumpNeverCompletes) {
    Sim::SimCore sim(Model::Tolva, kChannel);
    Fault f = Fault::Make(FaultAction::Truncate, SX_REQ_GLOBAL);
    f.offset = 500;
    sim.AddFault(f);
    EditorSide editor(Model::Tolva);
    EXPECT_TRUE(editor.Feed(Exchange(sim, {SXGlobalDumpReq(kChannel)})).empty());
    // The next answer starts a message of its own and is read as usual.
    const auto got = editor.Feed(Exchange(sim, {SXGlobalDumpReq(kChannel)}));
    ASSERT_EQ(got.size(), 1u);
    EXPECT_EQ(got[0].body.size(), Sim::kGlobalSize);
}

TEST(CrossCheckFaults, WrongMemberOrFamilyIsNoInquiryReply) {
    struct Case {
        size_t offset;
        uint8_t value;
    };
    for (const Case c : {Case{8, 3}, Case{6, 0x7B}}) {
        Sim::SimCore sim(Model::Tolva, kChannel);
        Fault f = Fault::Make(FaultAction::SetByte, Sim::kInquiryCode);
        f.offset = c.offset;
        f.value = c.value;
        sim.AddFault(f);
        const SXMessage req = SXDeviceInquiry();
        const Bytes out = Exchange(sim, {req});
        const Parsed got = ParseOne(Model::Tolva, out);
        EXPECT_EQ(got.p.kind, SXRcvKind::Unhandled) << "byte " << c.offset;
    }
}

TEST(CrossCheckFaults, EachErrorReplyMatchesTheSessionsErrorSignature) {
    struct Case {
        SXMessage msg;
        uint8_t error;
        SXRcvKind kind;
    };
    const Case cases[] = {
        {SXProgWriteReq(kChannel, 0, 0), SX_WRITEERROR, SXRcvKind::WriteError},
        {SXModeChange(kChannel, 2), SX_LOADERROR, SXRcvKind::LoadError},
        {SXCurMultiDumpReq(kChannel), SX_LOADERROR, SXRcvKind::LoadError},
    };
    for (const Case& c : cases) {
        for (uint8_t reason : {0, 1, 2, 3, 40, 99}) {
            Sim::SimCore sim(Model::Nerimo, kChannel);
            Fault f = Fault::Make(FaultAction::ErrorReply, Sim::kAnyCode);
            f.errorCode = c.error;
            f.reason = reason;
            sim.AddFault(f);
            const Bytes out = Exchange(sim, {c.msg});
            EXPECT_TRUE(c.msg.error.Match(out.data(), out.size()));
            const Parsed got = ParseOne(Model::Nerimo, out);
            EXPECT_EQ(got.p.kind, c.kind);
            EXPECT_EQ(got.p.reason, reason);
        }
    }
}

}  // namespace
