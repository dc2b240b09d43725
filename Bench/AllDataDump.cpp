// Receiving dumps through the link from the simulated instrument on the loopback backend: an
// all-data dump from an unthrottled instrument (time against bytes moved), and dumps paced at DIN
// speed as a ratio to the time the bytes need on the wire (the link should add almost nothing).
#include <benchmark/benchmark.h>

#include <chrono>
#include <memory>

#include "Common/Link/IRemoteMIDI.h"
#include "Common/Link/SysexMessages.h"
#include "Linux/MidiIO/Loopback/LoopbackBackend.h"
#include "Linux/RunLoop.h"
#include "Support/SimLoopback.h"

using namespace QorX0;

namespace {

class Owner : public IRemoteMIDICallback {
public:
    int OnRcvShortMsg(IRemoteMIDI*, long long, const void*, unsigned) override { return 0; }
    int OnRcvProgramChange(IRemoteMIDI*, unsigned, unsigned) override { return 0; }
    int OnRcvModeAndState(IRemoteMIDI*, const MODEANDSTATE*) override { return 0; }
    int OnRcvCurProgDump(IRemoteMIDI*, const void*, unsigned n) override { return Got(n); }
    int OnRcvProgDump(IRemoteMIDI*, int, int, const void*, unsigned n) override { return Got(n); }
    int OnRcvCurCombiDump(IRemoteMIDI*, const void*, unsigned n) override { return Got(n); }
    int OnRcvCombiDump(IRemoteMIDI*, int, int, const void*, unsigned n) override { return Got(n); }
    int OnRcvCurMultiDump(IRemoteMIDI*, const void*, unsigned n) override { return Got(n); }
    int OnRcvMultiDump(IRemoteMIDI*, int, const void*, unsigned n) override { return Got(n); }
    int OnRcvGlobalDump(IRemoteMIDI*, const void*, unsigned n) override { return Got(n); }
    int OnRcvDrumkitDump(IRemoteMIDI*, int, const void*, unsigned n) override { return Got(n); }
    int OnRcvArpPatternDump(IRemoteMIDI*, int, const void*, unsigned n) override { return Got(n); }
    int OnRcvExtControlDump(IRemoteMIDI*, int, const void*, unsigned n) override { return Got(n); }
    int OnRcvAllDump(IRemoteMIDI*, const void*, unsigned n) override { return Got(n); }
    int OnRcvMasterVolumeChange(IRemoteMIDI*, unsigned) override { return 0; }
    int OnRcvModeChange(IRemoteMIDI*, unsigned char) override { return 0; }
    int OnRcvParamChange(IRemoteMIDI*, unsigned char, int, int) override { return 0; }
    int OnRcvDrumkitParamChange(IRemoteMIDI*, unsigned, unsigned, int, int) override { return 0; }
    int OnRcvArpPatternParamChange(IRemoteMIDI*, unsigned, int, unsigned, int) override { return 0; }
    int OnRcvExtControlParamChange(IRemoteMIDI*, unsigned, int, int) override { return 0; }

    unsigned bytes = 0;

private:
    int Got(unsigned n) {
        bytes = n;
        return 0;
    }
};

// The link connected to a Tolva on loopback, its replies cut into 256-byte packets.
struct Rig {
    explicit Rig(const Sim::Pacing& pacing) {
        MidiBackendSet(&loopback);
        sim.With([](Sim::SimCore& c) { c.Image().FillFactory(3); });
        link.reset(RemoteMIDICreate(kPmidTolva));
        connected = link->Connect(&owner, false, port.KeyName(), port.KeyName());
        sim.SetPacing(pacing);
    }
    ~Rig() {
        link.reset();
        MidiBackendSet(nullptr);
    }

    RunLoop loop;
    CMidiLoopback loopback;
    Sim::SimInstrument sim{Sim::Model::Tolva, 0, nullptr};
    Sim::SimLoopbackPort port{loopback, sim};
    Owner owner;
    std::unique_ptr<IRemoteMIDI> link;
    bool connected = false;
};

void BM_AllDataDumpUnthrottled(benchmark::State& state) {
    Rig rig(Sim::Pacing::Unthrottled(256));
    if (!rig.connected) {
        state.SkipWithError("no connection");
        return;
    }
    const unsigned message = SXDumpMessageSize(SXDump::All, SXScope::All, kPmidTolva);
    for (auto _ : state) {
        if (rig.link->SendAllDumpReq() != 0) state.SkipWithError("all-data request failed");
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * message);
    state.counters["message_bytes"] = message;
    state.counters["body_bytes"] = rig.owner.bytes;
}
BENCHMARK(BM_AllDataDumpUnthrottled)->Unit(benchmark::kMillisecond)->Iterations(5)->UseRealTime();

// A dump requested at DIN pacing: the time to get it against the time its bytes take on the wire.
void DumpAtDin(benchmark::State& state, SXDump dump, SXScope scope, int (*request)(IRemoteMIDI&)) {
    Rig rig(Sim::Pacing::Din(256));
    if (!rig.connected) {
        state.SkipWithError("no connection");
        return;
    }
    const unsigned message = SXDumpMessageSize(dump, scope, kPmidTolva);
    const double wireSeconds = message / 3125.0;
    double ratio = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        if (request(*rig.link) != 0) state.SkipWithError("request failed");
        const double seconds =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        ratio = seconds / wireSeconds;
    }
    state.counters["message_bytes"] = message;
    state.counters["wire_ms"] = wireSeconds * 1000.0;
    state.counters["ratio_to_wire"] = ratio;
}

void BM_DrumKitAtDin(benchmark::State& state) {
    DumpAtDin(state, SXDump::Drumkit, SXScope::One, [](IRemoteMIDI& l) { return l.SendDrumkitDumpReq(5); });
}
BENCHMARK(BM_DrumKitAtDin)->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_ExtControlSetsAtDin(benchmark::State& state) {
    DumpAtDin(state, SXDump::ExtControl, SXScope::All,
              [](IRemoteMIDI& l) { return l.SendExtControlDumpReq(-1); });
}
BENCHMARK(BM_ExtControlSetsAtDin)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace

BENCHMARK_MAIN();
