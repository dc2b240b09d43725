// What restoring a project's state costs the host: setChunk of a whole bank (every part of the
// image selected), the time the host's thread spends in the call. Disconnected the state is checked
// and kept for the next connection; connected (the simulated instrument on the in-process loopback,
// unthrottled) it is sent to the instrument before the call returns. Both are reported, with the
// chunk's size.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <memory>
#include <sstream>
#include <string>

#include "Common/Files/Persist.h"
#include "Common/Link/RemoteSynthImpl.h"
#include "Common/Model/SynthData.h"
#include "Common/Plugin/QorVst.h"
#include "Hfc/Base/HfcMessageBox.h"
#include "Linux/AsyncProgressHeadless.h"
#include "Linux/MidiIO/Loopback/LoopbackBackend.h"
#include "Linux/MidiIO/MidiIO.h"
#include "Linux/RunLoop.h"
#include "Support/SimInstrument.h"
#include "Support/SimLoopback.h"
#include "Support/TempConfigHome.h"
#include "Support/TestHost.h"

namespace {

std::string g_portName;

// A bank chunk of a Tolva image whose every part differs from the initial one, all parts selected.
std::string BankChunk() {
    auto image = std::make_unique<QorX0::CHUNK_REMOTESYNTH>();
    QorX0::InitAllChunk(image.get());
    auto* bytes = reinterpret_cast<unsigned char*>(image.get());
    for (size_t i = 0; i < sizeof *image; i += 61) bytes[i] = static_cast<unsigned char>((i / 61) & 0x7F);
    image->mode = QorX0::kModeProgPlay;
    QorX0::PERSISTPARAMS params{};
    params.kind = QorX0::FTYPE_VSTBANK;
    params.image = image.get();
    params.filter = QorX0::FXBFILTERINFO{0x80, 128, 0xFF, 128, 0x80, 128, 40, 251, 0, 1, {0, 0}};
    std::ostringstream os(std::ios::binary);
    if (!QorX0::PersistSaveStream(os, QorX0::kPmidTolva, &params)) return std::string();
    return std::move(os).str();
}

// One effect on this thread's loop, its MIDI on the loopback, with the simulated instrument on it or
// not; lock files, preferences and dialogs of the benchmark's own.
class Rig {
public:
    explicit Rig(bool instrument) {
        char pattern[] = "/tmp/tolva-bench-chunk-XXXXXX";
        if (mkdtemp(pattern) != nullptr) m_dir = pattern;
        CAtomicInstance::SetFolder(m_dir);
        MidiBackendSet(&m_loopback);
        HfcSetMessageBoxHook(
            [](const HfcMessageBoxRequest&) { return static_cast<int>(HFC_MB_RESULT_CANCEL); });
        if (instrument) {
            m_sim = std::make_unique<Sim::SimInstrument>(Sim::Model::Tolva, 0);
            m_port = std::make_unique<Sim::SimLoopbackPort>(m_loopback, *m_sim);
            g_portName = m_port->KeyName();
        } else {
            g_portName = "none";
        }
        QorVst::SetSynthFactory([](unsigned char model) -> QorX0::IRemoteSynth* {
            QorX0::IRemoteSynth* synth = QorX0::RemoteSynthCreate(model);
            synth->SetMIDIInPortName(g_portName.c_str());
            synth->SetMIDIOutPortName(g_portName.c_str());
            return synth;
        });
        effect = static_cast<AEffect*>(QorVst::CreateInstance(QorX0::kPmidTolva, TestHost::QuietCallback));
    }
    ~Rig() {
        if (effect != nullptr) effect->dispatcher(effect, effClose, 0, 0, nullptr, 0.0f);
        QorVst::SetSynthFactory(nullptr);
        m_port.reset();
        m_sim.reset();
        HfcSetMessageBoxHook(nullptr);
        MidiBackendSet(nullptr);
        CAtomicInstance::SetFolder("");
        std::filesystem::remove_all(m_dir);
    }
    // The connection has run to its end (connected or not).
    bool Settle(bool wantConnected) {
        auto* vst = static_cast<QorVst*>(AudioEffect::FromAEffect(effect));
        auto* synth = dynamic_cast<QorX0::CRemoteSynthImpl*>(vst->GetRemoteSynth());
        if (synth == nullptr) return false;
        m_loop.RunUntil([&] { return synth->IsConnected() && synth->IsSynced() && !synth->IsConnecting(); },
                        wantConnected ? 60000 : 300);
        m_loop.RunUntil([] { return false; }, 50);
        return synth->IsConnected() == wantConnected && !synth->IsConnecting();
    }
    VstIntPtr SetChunk(const std::string& bytes) {
        return effect->dispatcher(effect, effSetChunk, 0, static_cast<VstIntPtr>(bytes.size()),
                                  const_cast<char*>(bytes.data()), 0.0f);
    }

    AEffect* effect = nullptr;

private:
    Sim::TempConfigHome m_config;
    RunLoop m_loop;
    CAsyncProgressHeadless m_headless;
    CMidiLoopback m_loopback;
    std::unique_ptr<Sim::SimInstrument> m_sim;
    std::unique_ptr<Sim::SimLoopbackPort> m_port;
    std::string m_dir;
};

void SetChunkBank(benchmark::State& state, bool connected) {
    const std::string chunk = BankChunk();
    Rig rig(connected);
    if (chunk.empty() || rig.effect == nullptr || !rig.Settle(connected)) {
        state.SkipWithError(connected ? "not connected" : "no effect");
        return;
    }
    double slowest = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        const VstIntPtr result = rig.SetChunk(chunk);
        const double ms =
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
        if (result != 1) state.SkipWithError("the chunk was refused");
        if (ms > slowest) slowest = ms;
    }
    state.counters["chunk_bytes"] = static_cast<double>(chunk.size());
    state.counters["slowest_ms"] = slowest;
}

void BM_SetChunkBankDisconnected(benchmark::State& state) {
    SetChunkBank(state, false);
}
BENCHMARK(BM_SetChunkBankDisconnected)->Unit(benchmark::kMillisecond)->Iterations(5)->UseRealTime();

void BM_SetChunkBankConnected(benchmark::State& state) {
    SetChunkBank(state, true);
}
BENCHMARK(BM_SetChunkBankConnected)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
