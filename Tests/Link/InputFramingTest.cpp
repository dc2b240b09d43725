// The input framing and the receive context: exclusive bytes arriving in any grouping, dumps decoded
// while they arrive, and messages cut short, oversized or interrupted.
#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "Common/Link/DumpPacking.h"
#include "Common/Link/SysexMessages.h"
#include "Link/DumpBytes.h"
#include "Linux/MidiIO/MidiIO.h"
#include "Linux/SysTick.h"

using namespace QorX0;

namespace {

using Bytes = std::vector<uint8_t>;
constexpr unsigned kCh = 2;

struct Received {
    SXParsed parsed;
    Bytes raw;
    Bytes body;  // decoded body of a dump
};

// What the link does with each piece: parse it, hand a dump's body to the decoder, keep what completes.
class MiniLink : public ISXFrameSink {
public:
    explicit MiniLink(unsigned char model = kPmidTolva) : m_model(model) { ctx.reserve(2048, 1 << 20); }

    void OnSXPiece(bool complete) override {
        ++pieces;
        SXParsed p = SXParse(ctx.Raw(), ctx.RawSize(), ctx.Received(), complete, kCh, m_model);
        if (p.kind == SXRcvKind::Dump && p.ready) ctx.Estimated(p.expectedTotal, p.bodyOffset, complete);
        if (!complete) return;
        // Re-read: the raw bytes are the header once the body went to the decoder.
        p = SXParse(ctx.Raw(), ctx.RawSize(), ctx.Received(), complete, kCh, m_model);
        Received r{p, Bytes(ctx.Raw(), ctx.Raw() + ctx.RawSize()), {}};
        if (p.kind == SXRcvKind::Dump)
            r.body.assign(ctx.Decoder().data(), ctx.Decoder().data() + ctx.Decoder().size());
        done.push_back(r);
    }

    void Feed(const Bytes& bytes, size_t piece) {
        for (size_t at = 0; at < bytes.size(); at += piece)
            ctx.Frame(bytes.data() + at, std::min(piece, bytes.size() - at), *this);
    }

    SXRcvCtx ctx;
    std::vector<Received> done;
    int pieces = 0;

private:
    unsigned char m_model;
};

using linktest::DumpMessage;
using linktest::RandomRecord;

const Bytes kLoadComplete{0xF0, 0x42, 0x32, 0x7A, 0x23, 0xF7};

TEST(InputFraming, DumpSplitAtEveryPacketBoundaryDecodesTheRecord) {
    const Bytes record = RandomRecord(kSizeArpPattern, 3);
    const Bytes msg = DumpMessage(SXArpPatternDump(kCh, 17), record);
    ASSERT_EQ(msg.size(), 375u);
    for (size_t cut = 0; cut <= msg.size(); ++cut) {
        MiniLink link;
        link.ctx.Frame(msg.data(), cut, link);
        link.ctx.Frame(msg.data() + cut, msg.size() - cut, link);
        ASSERT_EQ(link.done.size(), 1u) << cut;
        EXPECT_EQ(link.done[0].parsed.index, 17) << cut;
        ASSERT_EQ(link.done[0].body.size(), record.size()) << cut;
        ASSERT_EQ(link.done[0].body, record) << cut;
        EXPECT_EQ(link.done[0].raw, Bytes(msg.begin(), msg.begin() + 8)) << cut;
    }
}

TEST(InputFraming, AnyGroupingOfABankDump) {
    const Bytes record = RandomRecord(kAreaPrograms.BankSize(), 4);
    const Bytes msg = DumpMessage(SXProgDump(kCh, kPmidTolva, 1, -1), record);
    ASSERT_EQ(msg.size(), 64960u);
    for (size_t piece : {1u, 7u, 256u, 1000u, 65536u}) {
        MiniLink link;
        link.Feed(msg, piece);
        ASSERT_EQ(link.done.size(), 1u) << piece;
        EXPECT_EQ(link.done[0].parsed.bank, 1);
        EXPECT_EQ(link.done[0].parsed.number, -1);
        EXPECT_EQ(link.done[0].body, record) << piece;
        // The raw buffer held the header, not the body.
        EXPECT_EQ(link.done[0].raw.size(), 8u);
    }
}

TEST(InputFraming, ManyMessagesInOnePacketAndBytesBetweenThemDropped) {
    MiniLink link;
    Bytes packet{0x11, 0x22};
    packet.insert(packet.end(), kLoadComplete.begin(), kLoadComplete.end());
    packet.insert(packet.end(), {0x33, 0x44});
    const Bytes change{0xF0, 0x42, 0x32, 0x7A, 0x4E, 0x04, 0xF7};
    packet.insert(packet.end(), change.begin(), change.end());
    link.Feed(packet, packet.size());
    ASSERT_EQ(link.done.size(), 2u);
    EXPECT_EQ(link.done[0].parsed.kind, SXRcvKind::LoadComplete);
    EXPECT_EQ(link.done[0].raw, Bytes(kLoadComplete.begin(), kLoadComplete.end() - 1));
    EXPECT_EQ(link.done[1].parsed.kind, SXRcvKind::ModeChange);
    EXPECT_EQ(link.done[1].parsed.mode, 4);
}

TEST(InputFraming, MessageCutShortDoesNotSwallowTheNext) {
    // A dump whose 0xF7 never comes, then a new message: the dump is dropped, the next one arrives.
    const Bytes record = RandomRecord(kSizeProgram, 5);
    Bytes dump = DumpMessage(SXProgDump(kCh, kPmidTolva, 0, 3), record);
    dump.resize(200);
    for (Bytes next : {kLoadComplete, Bytes{0x90, 0x3C, 0x64, 0xF0, 0x42, 0x32, 0x7A, 0x23, 0xF7}}) {
        MiniLink link;
        link.Feed(dump, 64);
        EXPECT_TRUE(link.ctx.IsReceiving());
        EXPECT_GT(link.ctx.Decoder().size(), 0u);  // keeps its decoded part until it is ended
        link.Feed(next, next.size());
        ASSERT_EQ(link.done.size(), 1u);
        EXPECT_EQ(link.done[0].parsed.kind, SXRcvKind::LoadComplete);
    }
}

// The same through the port's packet splitter, which passes the note that cuts the dump short as a
// short message: the dump must still end there, or the link would go on taking the instrument for
// busy sending it (and refuse its state requests) until some other exclusive message came.
TEST(InputFraming, MessageCutShortByAShortMessageEndsThroughThePortSplitter) {
    struct Port : IMIDIInCallback {
        explicit Port(MiniLink& l) : link(l) {}
        void OnMIDIShort(IMIDIIn*, long long, const void* data, unsigned length) override {
            shorts.emplace_back(static_cast<const uint8_t*>(data),
                                static_cast<const uint8_t*>(data) + length);
        }
        void OnMIDILong(IMIDIIn*, long long, const void* data, unsigned length) override {
            link.ctx.Frame(data, length, link);
        }
        MiniLink& link;
        std::vector<Bytes> shorts;
    };
    const Bytes record = RandomRecord(kAreaPrograms.BankSize(), 12);
    Bytes dump = DumpMessage(SXProgDump(kCh, kPmidTolva, 1, -1), record);
    dump.resize(3000);
    const Bytes note{0x90, 0x3C, 0x64};
    for (bool sameNoteBoundary : {false, true}) {
        SCOPED_TRACE(sameNoteBoundary ? "note in its own packet" : "note in the dump's last packet");
        MiniLink link;
        Port port(link);
        CMidiPacketSplitter splitter;
        Bytes last(dump.begin() + 2048, dump.end());
        if (!sameNoteBoundary) last.insert(last.end(), note.begin(), note.end());
        splitter.Split(dump.data(), 2048, nullptr, &port);
        unsigned expected = 0;
        SXSig sig;
        EXPECT_TRUE(link.ctx.GetEstimation(&expected, &sig));
        splitter.Split(last.data(), last.size(), nullptr, &port);
        if (sameNoteBoundary) splitter.Split(note.data(), note.size(), nullptr, &port);
        EXPECT_EQ(port.shorts, std::vector<Bytes>{note});
        EXPECT_FALSE(link.ctx.IsReceiving());
        EXPECT_FALSE(link.ctx.GetEstimation(&expected, &sig));
        EXPECT_TRUE(link.done.empty());
        // The next message is received normally.
        splitter.Split(kLoadComplete.data(), kLoadComplete.size(), nullptr, &port);
        ASSERT_EQ(link.done.size(), 1u);
        EXPECT_EQ(link.done[0].parsed.kind, SXRcvKind::LoadComplete);
    }
}

TEST(InputFraming, RealtimeBytesInsideADumpDoNotBreakIt) {
    const Bytes record = RandomRecord(kSizeExtControl, 6);
    Bytes msg = DumpMessage(SXExtControlDump(kCh, 1), record);
    msg.insert(msg.begin() + 3, 0xF8);
    msg.insert(msg.begin() + 20, 0xFE);
    msg.insert(msg.end() - 1, 0xFA);
    MiniLink link;
    link.Feed(msg, 5);
    ASSERT_EQ(link.done.size(), 1u);
    EXPECT_EQ(link.done[0].body, record);
}

TEST(InputFraming, OversizedMessageThatIsNotADumpIsDroppedAndBounded) {
    MiniLink link;
    Bytes foreign{0xF0, 0x41, 0x10};
    foreign.insert(foreign.end(), 100000, 0x55);
    foreign.push_back(0xF7);
    size_t maxRaw = 0;
    for (size_t at = 0; at < foreign.size(); at += 4096) {
        link.ctx.Frame(foreign.data() + at, std::min<size_t>(4096, foreign.size() - at), link);
        maxRaw = std::max(maxRaw, link.ctx.RawSize());
    }
    EXPECT_LE(maxRaw, SXRcvCtx::kMaxRawLength);
    EXPECT_TRUE(link.done.empty());
    link.Feed(kLoadComplete, 3);
    ASSERT_EQ(link.done.size(), 1u);
    EXPECT_EQ(link.done[0].parsed.kind, SXRcvKind::LoadComplete);
}

TEST(InputFraming, DumpLongerThanItsHeaderAnnouncesIsDropped) {
    Bytes msg = DumpMessage(SXExtControlDump(kCh, 1), RandomRecord(kSizeExtControl, 8));
    msg.insert(msg.end() - 1, 20, 0x01);
    MiniLink link;
    link.Feed(msg, 16);
    EXPECT_TRUE(link.done.empty());
    link.Feed(kLoadComplete, kLoadComplete.size());
    EXPECT_EQ(link.done.size(), 1u);
}

TEST(InputFraming, DiscardDropsTheRestAndNeverCompletes) {
    const Bytes msg = DumpMessage(SXDrumkitDump(kCh, 3), RandomRecord(kSizeDrumKit, 9));
    MiniLink link;
    link.Feed(Bytes(msg.begin(), msg.begin() + 1000), 1000);
    const int pieces = link.pieces;
    link.ctx.SetDiscard(true);
    link.Feed(Bytes(msg.begin() + 1000, msg.end()), 512);
    EXPECT_TRUE(link.done.empty());
    EXPECT_EQ(link.pieces, pieces);
    // The next message is received normally.
    link.Feed(msg, 700);
    ASSERT_EQ(link.done.size(), 1u);
    EXPECT_EQ(link.done[0].body.size(), kSizeDrumKit);
}

// After a cancelled request, its late answer is dropped whole for the time it would have been waited
// for, whatever the grouping; other messages pass, and so does the answer once the time is over or a
// new request wants it.
TEST(InputFraming, LateAnswerToACancelledRequestIsDroppedForItsTimeOut) {
    const Bytes dump = DumpMessage(SXDrumkitDump(kCh, 3), RandomRecord(kSizeDrumKit, 9));
    const SXSig reply = SXDrumkitDumpReq(kCh, 3).reply;
    ASSERT_TRUE(reply.Match(dump.data(), dump.size()));
    for (size_t piece : {size_t{1}, size_t{3}, size_t{700}, dump.size()}) {
        MiniLink link;
        link.ctx.DropMatching(reply, 60000);
        link.Feed(dump, piece);
        EXPECT_TRUE(link.done.empty()) << piece;
        EXPECT_EQ(link.pieces, 0) << piece;  // the parser never saw it
        link.Feed(kLoadComplete, piece);
        EXPECT_EQ(link.done.size(), 1u) << piece;
        link.Feed(dump, piece);  // still inside the time-out
        EXPECT_EQ(link.done.size(), 1u) << piece;
    }
    MiniLink wanted;
    wanted.ctx.DropMatching(reply, 60000);
    wanted.ctx.StopDropping(SXGlobalDumpReq(kCh).reply);  // another request: no effect
    wanted.Feed(dump, 512);
    EXPECT_TRUE(wanted.done.empty());
    wanted.ctx.StopDropping(reply);
    wanted.Feed(dump, 512);
    ASSERT_EQ(wanted.done.size(), 1u);
    EXPECT_EQ(wanted.done[0].body.size(), kSizeDrumKit);

    MiniLink expired;
    expired.ctx.DropMatching(reply, 20);
    SleepCurrentThread(40);
    expired.Feed(dump, 512);
    EXPECT_EQ(expired.done.size(), 1u);
}

// A message cut off mid-way is no longer "receiving" once it has been idle for the limit asked; what
// comes of it afterwards is dropped, and the next message is received whole.
TEST(InputFraming, MessageIdleForTheLimitIsAbandoned) {
    const Bytes msg = DumpMessage(SXDrumkitDump(kCh, 3), RandomRecord(kSizeDrumKit, 9));
    MiniLink link;
    link.Feed(Bytes(msg.begin(), msg.begin() + 1000), 250);
    EXPECT_TRUE(link.ctx.IsReceiving(60000));
    SleepCurrentThread(30);
    EXPECT_TRUE(link.ctx.IsReceiving(1000));
    EXPECT_FALSE(link.ctx.IsReceiving(20));
    EXPECT_FALSE(link.ctx.IsReceiving(60000));             // once abandoned, for good
    link.Feed(Bytes(msg.begin() + 1000, msg.end()), 512);  // the rest, late
    EXPECT_TRUE(link.done.empty());
    EXPECT_FALSE(link.ctx.IsReceiving());
    link.Feed(msg, 700);
    ASSERT_EQ(link.done.size(), 1u);
    EXPECT_EQ(link.done[0].body.size(), kSizeDrumKit);
}

TEST(InputFraming, EstimationOfADumpBeingReceived) {
    const Bytes msg =
        DumpMessage(SXProgDump(kCh, kPmidTolva, 2, -1), RandomRecord(kAreaPrograms.BankSize(), 10));
    MiniLink link;
    unsigned expected = 0;
    SXSig sig;
    EXPECT_FALSE(link.ctx.GetEstimation(&expected, &sig));
    link.Feed(Bytes(msg.begin(), msg.begin() + 5), 5);
    EXPECT_FALSE(link.ctx.GetEstimation(&expected, &sig));  // header not in yet
    link.Feed(Bytes(msg.begin() + 5, msg.begin() + 3000), 1024);
    ASSERT_TRUE(link.ctx.GetEstimation(&expected, &sig));
    EXPECT_EQ(expected, 64960u);
    EXPECT_EQ(Bytes(sig.data(), sig.data() + sig.size()), Bytes(msg.begin(), msg.begin() + 8));
    EXPECT_EQ(link.ctx.Received(), 3000u);
    EXPECT_TRUE(sig.Match(msg.data(), msg.size()));
    link.ctx.End();
    EXPECT_FALSE(link.ctx.GetEstimation(&expected, &sig));
    EXPECT_FALSE(link.ctx.IsReceiving());
}

TEST(InputFraming, WriteOutsideAMessageStoresNothing) {
    SXRcvCtx ctx;
    const uint8_t b[] = {1, 2, 3};
    ctx.Write(b, 3, false);
    EXPECT_EQ(ctx.RawSize(), 0u);
    EXPECT_EQ(ctx.Received(), 0u);
    ctx.SetReceiving(true);
    ctx.Write(b, 3, false);
    EXPECT_EQ(ctx.RawSize(), 3u);
    EXPECT_EQ(ctx.Received(), 3u);
    ctx.reserve(0, 0);
    ctx.End();
    EXPECT_EQ(ctx.RawSize(), 0u);
}

}  // namespace
