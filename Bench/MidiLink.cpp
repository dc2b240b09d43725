// MIDI link figures, printed, never asserted:
// - unpack throughput of a whole all-data dump, against the time the dump takes on the wire;
// - lateness of timed output on the loopback backend (median, 99th percentile and the earliest send
//   against its time), with the machine idle and with every other core busy.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <atomic>
#include <thread>
#include <vector>

#include "Common/Link/DumpPacking.h"
#include "Common/Link/MidiOutQueue.h"
#include "Common/Link/SysexMessages.h"
#include "Linux/MidiIO/Loopback/LoopbackBackend.h"
#include "Link/DumpBytes.h"
#include "Linux/SysTick.h"

namespace {

using Bytes = std::vector<uint8_t>;

// USB-MIDI 1.0 at full speed with one 64-byte bulk packet per 1 ms frame: 16 event packets of 3
// exclusive bytes each. Faster interfaces exist; the figure for 1 MB/s is printed as well.
constexpr double kUsbMidiBytesPerSecond = 48000.0;
constexpr double kFastWireBytesPerSecond = 1000000.0;

Bytes AllDataMessage(unsigned char model) {
    return linktest::DumpMessage(QorX0::SXAllDump(0, model),
                                 linktest::RandomRecord(QorX0::AllDumpSize(model), 1));
}

class Sink : public QorX0::ISXFrameSink {
public:
    explicit Sink(unsigned char model) : model(model) { ctx.reserve(2048, 1 << 20); }
    void OnSXPiece(bool complete) override {
        const QorX0::SXParsed p =
            QorX0::SXParse(ctx.Raw(), ctx.RawSize(), ctx.Received(), complete, 0, model);
        if (p.kind == QorX0::SXRcvKind::Dump && p.ready)
            ctx.Estimated(p.expectedTotal, p.bodyOffset, complete);
        if (complete) decoded = ctx.Decoder().size();
    }
    QorX0::SXRcvCtx ctx;
    unsigned char model;
    size_t decoded = 0;
};

void BM_UnpackAllDataDump(benchmark::State& state) {
    const unsigned char model = static_cast<unsigned char>(state.range(0));
    const Bytes msg = AllDataMessage(model);
    Sink sink(model);
    for (auto _ : state) {
        // Pieces of 256 bytes, as a USB interface hands them over.
        for (size_t at = 0; at < msg.size(); at += 256)
            sink.ctx.Frame(msg.data() + at, std::min<size_t>(256, msg.size() - at), sink);
        benchmark::DoNotOptimize(sink.decoded);
    }
    if (sink.decoded != QorX0::AllDumpSize(model)) state.SkipWithError("dump did not decode");
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * msg.size()));
    const double wireUsb = static_cast<double>(msg.size()) / kUsbMidiBytesPerSecond;
    const double wireFast = static_cast<double>(msg.size()) / kFastWireBytesPerSecond;
    state.counters["decode_s"] = benchmark::Counter(
        static_cast<double>(state.iterations()), benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
    state.counters["wire_usb_s"] = wireUsb;
    state.counters["wire_1MBps_s"] = wireFast;
}
BENCHMARK(BM_UnpackAllDataDump)
    ->Arg(QorX0::kPmidTolva)
    ->Arg(QorX0::kPmidNerimo)
    ->Unit(benchmark::kMillisecond);

void BM_PackAllDataDump(benchmark::State& state) {
    std::vector<uint8_t> record(QorX0::AllDumpSize(QorX0::kPmidTolva), 0xA5);
    uint8_t block[1024];
    for (auto _ : state) {
        QorX0::ChunkEncode enc(record.data(), record.size());
        size_t total = 0;
        while (size_t n = enc.Read(block, sizeof block)) total += n;
        benchmark::DoNotOptimize(total);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * record.size()));
}
BENCHMARK(BM_PackAllDataDump)->Unit(benchmark::kMillisecond);

// Lateness of timed short messages: each is queued 2 ms ahead and its send time captured by the
// loopback backend. range(0): 1 = every other core kept busy.
void BM_TimedOutputLateness(benchmark::State& state) {
    const bool busy = state.range(0) != 0;
    CMidiLoopback loop;
    const uint32_t dst = loop.AddDestination("Bench", " In");
    MidiBackendSet(&loop);
    const MIDIDevKey key("Bench In", dst);
    QorX0::CMIDIOut out;
    if (!out.Open(&key, 4, 1024, 1024)) {
        MidiBackendSet(nullptr);
        state.SkipWithError("cannot open the loopback output");
        return;
    }
    std::atomic<bool> stop{false};
    std::vector<std::thread> burners;
    if (busy) {
        const unsigned cores = std::max(2u, std::thread::hardware_concurrency());
        for (unsigned i = 0; i + 1 < cores; ++i)
            burners.emplace_back([&] {
                volatile unsigned long x = 0;
                while (!stop.load(std::memory_order_relaxed)) x = x + 1;
            });
    }
    constexpr int kEvents = 150;
    std::vector<double> lateUs;
    for (auto _ : state) {
        loop.TakeSent();
        std::vector<long long> due;
        for (int i = 0; i < kEvents; ++i) {
            const long long t = static_cast<long long>(MonotonicMicroseconds()) + 2000;
            const uint8_t m[] = {0x90, static_cast<uint8_t>(i & 0x7F), 0x40};
            out.SendShort(t, m, 3);
            due.push_back(t);
            QorX0::SleepCurrentThread(1);
        }
        loop.WaitSent(kEvents, 5000);
        const auto sent = loop.TakeSent();
        for (size_t i = 0; i < sent.size() && i < due.size(); ++i)
            lateUs.push_back(static_cast<double>(static_cast<long long>(sent[i].timeUs) - due[i]));
    }
    stop.store(true);
    for (auto& t : burners) t.join();
    out.Close();
    MidiBackendSet(nullptr);
    std::sort(lateUs.begin(), lateUs.end());
    if (lateUs.empty()) return;
    state.counters["late_median_us"] = lateUs[lateUs.size() / 2];
    state.counters["late_p99_us"] = lateUs[std::min(lateUs.size() - 1, lateUs.size() * 99 / 100)];
    // Negative: a message left before its time (the goal is never).
    state.counters["earliest_us"] = lateUs.front();
}
BENCHMARK(BM_TimedOutputLateness)->Arg(0)->Arg(1)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
