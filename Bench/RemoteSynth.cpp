// The remote synthesizer: what creating one costs (time and resident memory), send all against the
// time its bytes need on a paced wire, and the real-time path's cost per event on the calling
// thread (with the allocations it makes).
//
// Connect with the full synchronisation is measured the same way, unthrottled and paced.
//
// Send all at the DIN wire's own speed takes five minutes; the benchmark paces the loopback at a
// fraction of it and reports the measured overhead over the wire time, both as a ratio at that pace
// and projected onto the DIN wire (the overhead does not depend on the pace). Set
// TOLVA_BENCH_FULL_DIN=1 to run it at DIN speed itself.
#include <benchmark/benchmark.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <new>
#include <thread>
#include <vector>

#include "Common/Link/RemoteSynthImpl.h"
#include "Linux/MidiIO/Loopback/LoopbackBackend.h"
#include "Linux/RunLoop.h"
#include "Linux/SysTick.h"
#include "Support/SimLoopback.h"
#include "Support/TempConfigHome.h"

// Counts the allocations of each thread, to show which paths allocate on the caller's thread. (The replaced
// operators pair malloc with free; the compiler cannot see that once they are inlined.)
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
#endif
namespace {
thread_local long t_allocations = 0;
}  // namespace

void* operator new(std::size_t n) {
    ++t_allocations;
    if (void* p = std::malloc(n ? n : 1)) return p;
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept {
    std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
    std::free(p);
}

using namespace QorX0;

namespace {

long ResidentKiB() {
    long pages = 0, resident = 0;
    if (FILE* f = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(f, "%ld %ld", &pages, &resident) != 2) resident = 0;
        std::fclose(f);
    }
    return resident * 4;
}

void BM_RemoteSynthCreate(benchmark::State& state) {
    Sim::TempConfigHome config;
    RunLoop loop;
    long rss = 0;
    for (auto _ : state) {
        const long before = ResidentKiB();
        std::unique_ptr<IRemoteSynth> synth(RemoteSynthCreate(kPmidNerimo));
        benchmark::DoNotOptimize(synth.get());
        rss = ResidentKiB() - before;
    }
    state.counters["resident_kib"] = static_cast<double>(rss);
}
BENCHMARK(BM_RemoteSynthCreate)->Unit(benchmark::kMillisecond)->Iterations(10);

// A synthesizer connected to a simulated instrument on the loopback.
struct Rig {
    // pace: microseconds per byte that exclusive sends take on the loopback (read when ports open).
    explicit Rig(unsigned char pmid, unsigned pace = 0)
        : sim(pmid == kPmidTolva ? Sim::Model::Tolva : Sim::Model::Nerimo, 0) {
        loopback.SetExclusivePauseMicrosPerByte(pace);
        MidiBackendSet(&loopback);
        port = std::make_unique<Sim::SimLoopbackPort>(loopback, sim);
        sim.With([](Sim::SimCore& c) { c.Image().FillFactory(5); });
        synth.reset(RemoteSynthCreate(pmid));
        synth->SetMIDIInPortName(port->KeyName().c_str());
        synth->SetMIDIOutPortName(port->KeyName().c_str());
        connected = synth->Connect(false, false);
    }
    ~Rig() {
        synth.reset();
        port.reset();
        MidiBackendSet(nullptr);
    }
    Sim::TempConfigHome config;
    RunLoop loop;
    CMidiLoopback loopback;
    Sim::SimInstrument sim;
    std::unique_ptr<Sim::SimLoopbackPort> port;
    std::unique_ptr<IRemoteSynth> synth;
    bool connected = false;
};

constexpr double kDinMicrosPerByte = 320.0;

void SendAllPaced(benchmark::State& state, unsigned char pmid) {
    const bool full = std::getenv("TOLVA_BENCH_FULL_DIN") != nullptr;
    const unsigned pace = full ? 320u : 4u;  // microseconds per byte on the loopback
    Rig rig(pmid, pace);
    if (!rig.connected) {
        state.SkipWithError("no connection");
        return;
    }
    double seconds = 0, wireBytes = 0;
    for (auto _ : state) {
        rig.loopback.TakeSent();
        const auto start = std::chrono::steady_clock::now();
        if (!rig.synth->ExecCommand(1, 0, 0, 0, 0)) state.SkipWithError("send all failed");
        seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        wireBytes = 0;
        for (const CMidiLoopback::Sent& s : rig.loopback.TakeSent())
            wireBytes += static_cast<double>(s.bytes.size());
    }
    const double wireAtPace = wireBytes * pace / 1e6;
    const double wireAtDin = wireBytes * kDinMicrosPerByte / 1e6;
    const double overhead = seconds - wireAtPace;
    state.counters["wire_bytes"] = wireBytes;
    state.counters["pace_us_per_byte"] = pace;
    state.counters["ratio_at_pace"] = seconds / wireAtPace;
    state.counters["overhead_ms"] = overhead * 1000.0;
    state.counters["ratio_at_din"] = (wireAtDin + overhead) / wireAtDin;
}

void BM_SendAllTolva(benchmark::State& state) {
    SendAllPaced(state, kPmidTolva);
}
BENCHMARK(BM_SendAllTolva)->Unit(benchmark::kMillisecond)->Iterations(1)->UseRealTime();

void BM_SendAllNerimo(benchmark::State& state) {
    SendAllPaced(state, kPmidNerimo);
}
BENCHMARK(BM_SendAllNerimo)->Unit(benchmark::kMillisecond)->Iterations(1)->UseRealTime();

// Connect with the full synchronisation (every memory of the instrument received), against the
// time its bytes need on the wire: the requests the editor sends and the instrument's dumps. Each
// iteration connects a new synthesizer. Unthrottled the loopback passes bytes at once and the
// figure is the editor's own time, given also as a share of the DIN wire time; paced, both
// directions run at the chosen pace and the overhead over the wire time is projected onto the DIN
// wire as for send all.
void ConnectSync(benchmark::State& state, unsigned char pmid, bool paced) {
    const bool full = std::getenv("TOLVA_BENCH_FULL_DIN") != nullptr;
    const unsigned pace = paced ? (full ? 320u : 2u) : 0u;  // microseconds per byte
    Sim::TempConfigHome config;
    RunLoop loop;
    CMidiLoopback loopback;
    loopback.SetExclusivePauseMicrosPerByte(pace);
    MidiBackendSet(&loopback);
    Sim::SimInstrument sim(pmid == kPmidTolva ? Sim::Model::Tolva : Sim::Model::Nerimo, 0);
    sim.SetPacing(pace ? Sim::Pacing::Rate(1000000u / pace, 256) : Sim::Pacing::Unthrottled(256));
    auto port = std::make_unique<Sim::SimLoopbackPort>(loopback, sim);
    sim.With([](Sim::SimCore& c) { c.Image().FillFactory(5); });
    double seconds = 0, wireBytes = 0;
    for (auto _ : state) {
        std::unique_ptr<IRemoteSynth> synth(RemoteSynthCreate(pmid));
        synth->SetMIDIInPortName(port->KeyName().c_str());
        synth->SetMIDIOutPortName(port->KeyName().c_str());
        sim.WaitIdle();
        loopback.TakeSent();
        const size_t packetsBefore = sim.SentPackets().size();
        const auto start = std::chrono::steady_clock::now();
        const bool ok = synth->Connect(false, true);
        seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        if (!ok || !static_cast<CRemoteSynthImpl*>(synth.get())->IsSynced())
            state.SkipWithError("no synchronisation");
        wireBytes = 0;
        for (const CMidiLoopback::Sent& s : loopback.TakeSent())
            wireBytes += static_cast<double>(s.bytes.size());
        const std::vector<Sim::Packet> packets = sim.SentPackets();
        for (size_t i = packetsBefore; i < packets.size(); ++i)
            wireBytes += static_cast<double>(packets[i].bytes.size());
        synth->Disconnect();
    }
    const double wireAtDin = wireBytes * kDinMicrosPerByte / 1e6;
    state.counters["wire_bytes"] = wireBytes;
    state.counters["pace_us_per_byte"] = pace;
    state.counters["connect_sync_ms"] = seconds * 1000.0;
    if (pace) {
        const double wireAtPace = wireBytes * pace / 1e6;
        const double overhead = seconds - wireAtPace;
        state.counters["ratio_at_pace"] = seconds / wireAtPace;
        state.counters["overhead_ms"] = overhead * 1000.0;
        state.counters["ratio_at_din"] = (wireAtDin + overhead) / wireAtDin;
    } else {
        state.counters["share_of_din_wire"] = seconds / wireAtDin;
    }
    port.reset();
    MidiBackendSet(nullptr);
}

void BM_ConnectSyncTolva(benchmark::State& state) {
    ConnectSync(state, kPmidTolva, false);
}
BENCHMARK(BM_ConnectSyncTolva)->Unit(benchmark::kMillisecond)->Iterations(1)->UseRealTime();

void BM_ConnectSyncNerimo(benchmark::State& state) {
    ConnectSync(state, kPmidNerimo, false);
}
BENCHMARK(BM_ConnectSyncNerimo)->Unit(benchmark::kMillisecond)->Iterations(1)->UseRealTime();

void BM_ConnectSyncPacedTolva(benchmark::State& state) {
    ConnectSync(state, kPmidTolva, true);
}
BENCHMARK(BM_ConnectSyncPacedTolva)->Unit(benchmark::kMillisecond)->Iterations(1)->UseRealTime();

void BM_ConnectSyncPacedNerimo(benchmark::State& state) {
    ConnectSync(state, kPmidNerimo, true);
}
BENCHMARK(BM_ConnectSyncPacedNerimo)->Unit(benchmark::kMillisecond)->Iterations(1)->UseRealTime();

// Short messages through RTMIDIOut on the calling thread (the host's audio thread), due now, in
// blocks of 64 as a host's audio block brings them; between blocks the output's own thread empties
// its queue. Only the calls are timed.
constexpr int kEventsPerBlock = 64;

void RealTimeOut(benchmark::State& state, uint8_t status, uint8_t data1) {
    Rig rig(kPmidNerimo);
    if (!rig.connected) {
        state.SkipWithError("no connection");
        return;
    }
    long refused = 0, allocations = 0;
    uint8_t n = 0;
    double seconds = 0;
    // A thread of its own, as the host's audio thread is not the main thread.
    std::atomic<int> blocksAsked{0}, blocksDone{0};
    std::atomic<bool> stop{false};
    std::thread audio([&] {
        int done = 0;
        while (!stop.load()) {
            if (blocksAsked.load() == done) {
                std::this_thread::yield();
                continue;
            }
            const long allocationsBefore = t_allocations;
            const auto start = std::chrono::steady_clock::now();
            for (int i = 0; i < kEventsPerBlock; ++i) {
                const uint8_t msg[3] = {status, data1, static_cast<uint8_t>(n++ & 0x7F)};
                const long long now = static_cast<long long>(::GetSysTick()) * 1000;
                if (!rig.synth->RTMIDIOut(now, msg, 3)) ++refused;
            }
            seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
            allocations += t_allocations - allocationsBefore;
            blocksDone.store(++done);
        }
    });
    for (auto _ : state) {
        const int want = blocksAsked.load() + 1;
        blocksAsked.store(want);
        while (blocksDone.load() != want) std::this_thread::yield();
        state.SetIterationTime(seconds / kEventsPerBlock);
        // The main thread serves what the calls posted; the output empties its queue.
        rig.loop.RunPending();
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    stop.store(true);
    audio.join();
    const double events = static_cast<double>(state.iterations()) * kEventsPerBlock;
    state.counters["allocations_per_event"] = static_cast<double>(allocations) / events;
    state.counters["refused"] = static_cast<double>(refused);
}

void BM_RTMIDIOutNote(benchmark::State& state) {
    RealTimeOut(state, 0x90, 60);
}
BENCHMARK(BM_RTMIDIOutNote)->Unit(benchmark::kMicrosecond)->Iterations(200)->UseManualTime();

// A control change also moves the knob on screen (the section tells its observers through the
// dispatcher, which queues an event for the main thread).
void BM_RTMIDIOutControlChange(benchmark::State& state) {
    RealTimeOut(state, 0xB0, 74);
}
BENCHMARK(BM_RTMIDIOutControlChange)->Unit(benchmark::kMicrosecond)->Iterations(100)->UseManualTime();

}  // namespace

BENCHMARK_MAIN();
