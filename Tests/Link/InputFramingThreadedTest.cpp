// The receive context across threads: dumps framed on the port's thread while another thread asks
// for the estimation and aborts, as the session does.
#include <gtest/gtest.h>

#include <atomic>
#include <memory>
#include <mutex>
#include <random>
#include <vector>

#include "Common/Link/DumpPacking.h"
#include "Common/Link/SysexMessages.h"
#include "Linux/MidiIO/Loopback/LoopbackBackend.h"
#include "Linux/MidiIO/MidiIO.h"
#include "Link/DumpBytes.h"

using namespace QorX0;

namespace {

using Bytes = std::vector<uint8_t>;

class Link : public IMIDIInCallback, public ISXFrameSink {
public:
    Link() { ctx.reserve(2048, 1 << 20); }
    void OnMIDIShort(IMIDIIn*, long long, const void*, unsigned) override { shorts.fetch_add(1); }
    void OnMIDILong(IMIDIIn*, long long, const void* data, unsigned length) override {
        ctx.Frame(data, length, *this);
    }
    void OnSXPiece(bool complete) override {
        const SXParsed p = SXParse(ctx.Raw(), ctx.RawSize(), ctx.Received(), complete, 0, kPmidTolva);
        if (p.kind == SXRcvKind::Dump && p.ready) ctx.Estimated(p.expectedTotal, p.bodyOffset, complete);
        if (complete && p.kind == SXRcvKind::Dump) {
            std::lock_guard<std::mutex> lock(m);
            bodies.emplace_back(ctx.Decoder().data(), ctx.Decoder().data() + ctx.Decoder().size());
        }
    }
    std::vector<Bytes> Bodies() {
        std::lock_guard<std::mutex> lock(m);
        return bodies;
    }

    SXRcvCtx ctx;
    std::atomic<int> shorts{0};

private:
    std::mutex m;
    std::vector<Bytes> bodies;
};

TEST(InputFramingThreaded, EstimationAndAbortWhileADumpArrives) {
    CMidiLoopback loop;
    const uint32_t src = loop.AddSource("Tolva", " MIDI Out");
    MidiBackendSet(&loop);
    Link link;
    std::unique_ptr<IMIDIIn> in(MIDIInCreate());
    const MIDIDevKey key("Tolva MIDI Out", src);
    ASSERT_TRUE(in->Open(&key, &link, 128, 2048));

    const Bytes record = linktest::RandomRecord(kAreaPrograms.BankSize(), 11);
    const Bytes msg = linktest::DumpMessage(SXProgDump(0, kPmidTolva, 1, -1), record);

    // First dump: watched from this thread until it is complete.
    loop.InjectSplit(src, msg.data(), msg.size(), 256);
    const uint8_t clock = 0xF8;
    loop.Inject(src, &clock, 1);
    bool seen = false;
    while (!loop.WaitIdle(0)) {
        unsigned expected = 0;
        SXSig sig;
        if (link.ctx.GetEstimation(&expected, &sig)) {
            seen = true;
            EXPECT_EQ(expected, 64960u);
            EXPECT_TRUE(sig.Match(msg.data(), msg.size()));
        }
    }
    EXPECT_TRUE(loop.WaitIdle(5000));
    ASSERT_EQ(link.Bodies().size(), 1u);
    EXPECT_EQ(link.Bodies()[0], record);
    EXPECT_EQ(link.shorts.load(), 1);
    (void)seen;  // whether a look landed inside the transfer depends on scheduling

    // Second dump: aborted from this thread part way; it never completes, and the next one does.
    loop.InjectSplit(src, msg.data(), msg.size() / 2, 64);
    ASSERT_TRUE(loop.WaitIdle(5000));
    link.ctx.SetDiscard(true);
    loop.InjectSplit(src, msg.data() + msg.size() / 2, msg.size() - msg.size() / 2, 64);
    loop.InjectSplit(src, msg.data(), msg.size(), 1000);
    ASSERT_TRUE(loop.WaitIdle(5000));
    ASSERT_EQ(link.Bodies().size(), 2u);
    EXPECT_EQ(link.Bodies()[1], record);

    in->Close();
    MidiBackendSet(nullptr);
}

}  // namespace
