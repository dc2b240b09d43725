// The plug-in over the real remote synthesizer, connected to the simulated instrument on the
// loopback: host MIDI reaches the instrument at the block's start plus the event's offset plus the
// setup's latency.
#include <gtest/gtest.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <thread>
#include <memory>
#include <string>
#include <vector>

#include "Common/Link/RemoteSynthImpl.h"
#include "Common/Model/SynthData.h"
#include "Common/Plugin/QorVst.h"
#include "Hfc/Base/HfcMessageBox.h"
#include "Linux/AsyncProgressHeadless.h"
#include "Linux/MidiIO/Loopback/LoopbackBackend.h"
#include "Linux/MidiIO/MidiIO.h"
#include "Linux/RunLoop.h"
#include "Linux/SysTick.h"
#include "Support/KnownStreams.h"
#include "Support/SimInstrument.h"
#include "Support/SimLoopback.h"
#include "Support/TempConfigHome.h"
#include "Support/TestHost.h"

namespace {

std::string g_portName;

class PluginOnSimulator : public ::testing::TestWithParam<unsigned char> {
protected:
    void SetUp() override {
        char pattern[] = "/tmp/tolva-plugin-sim-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        m_dir = pattern;
        CAtomicInstance::SetFolder(m_dir);
        MidiBackendSet(&m_loopback);
        HfcSetMessageBoxHook([](const HfcMessageBoxRequest& r) {
            ADD_FAILURE() << "unexpected message box: " << r.caption << " / " << r.text;
            return static_cast<int>(HFC_MB_RESULT_CANCEL);
        });
        const unsigned char model = GetParam();
        m_sim = std::make_unique<Sim::SimInstrument>(model == 1 ? Sim::Model::Tolva : Sim::Model::Nerimo, 0);
        m_port = std::make_unique<Sim::SimLoopbackPort>(m_loopback, *m_sim);
        g_portName = m_port->KeyName();
        // The synthesizer the effect makes finds the instrument on its saved ports.
        QorVst::SetSynthFactory([](unsigned char m) -> QorX0::IRemoteSynth* {
            QorX0::IRemoteSynth* synth = QorX0::RemoteSynthCreate(m);
            synth->SetMIDIInPortName(g_portName.c_str());
            synth->SetMIDIOutPortName(g_portName.c_str());
            return synth;
        });
    }
    void TearDown() override {
        if (m_effect != nullptr) m_effect->dispatcher(m_effect, effClose, 0, 0, nullptr, 0.0f);
        QorVst::SetSynthFactory(nullptr);
        m_port.reset();
        m_sim.reset();
        MidiBackendSet(nullptr);
        HfcSetMessageBoxHook(nullptr);
        CAtomicInstance::SetFolder("");
        std::filesystem::remove_all(m_dir);
    }

    AEffect* Create() {
        return static_cast<AEffect*>(QorVst::CreateInstance(GetParam(), TestHost::QuietCallback));
    }
    static QorX0::CRemoteSynthImpl* SynthOf(AEffect* effect) {
        auto* vst = static_cast<QorVst*>(AudioEffect::FromAEffect(effect));
        return dynamic_cast<QorX0::CRemoteSynthImpl*>(vst->GetRemoteSynth());
    }
    // Once the connection has run to its end: the instrument's data received, any state the host
    // handed over merged and sent.
    bool WaitConnected(AEffect* effect) {
        QorX0::CRemoteSynthImpl* synth = SynthOf(effect);
        const bool done = m_loop.RunUntil(
            [&] { return synth->IsConnected() && synth->IsSynced() && !synth->IsConnecting(); }, 60000);
        m_loop.RunUntil([] { return false; }, 50);
        return done;
    }
    static std::unique_ptr<QorX0::CHUNK_REMOTESYNTH> ImageOf(AEffect* effect) {
        auto image = std::make_unique<QorX0::CHUNK_REMOTESYNTH>();
        SynthOf(effect)->CopyImage(image.get());
        return image;
    }
    static std::string GetChunk(AEffect* effect, bool preset) {
        void* data = nullptr;
        const VstIntPtr size = effect->dispatcher(effect, effGetChunk, preset ? 1 : 0, 0, &data, 0.0f);
        if (size <= 0 || data == nullptr) return std::string();
        return std::string(static_cast<const char*>(data), static_cast<size_t>(size));
    }
    static VstIntPtr SetChunk(AEffect* effect, bool preset, const std::string& bytes) {
        return effect->dispatcher(effect, effSetChunk, preset ? 1 : 0, static_cast<VstIntPtr>(bytes.size()),
                                  const_cast<char*>(bytes.data()), 0.0f);
    }
    // The project keeps every part of the instrument's data: every kind and every bank selected.
    static void SelectEverything(AEffect* effect) {
        QorX0::ISection* setup = SynthOf(effect)->GetSetup();
        const int rows[][2] = {{0x8200, 1}, {0x8300, -1}, {0x8500, 1}, {0x8600, -1}, {0x8800, 1},
                               {0x8A00, 1}, {0x8C00, 1},  {0x8E00, 1}, {0x8100, 1}};
        for (const auto& row : rows) setup->PutParamIEx(row[0], row[1], QorX0::kPutForce | QorX0::kPutNotify);
    }
    struct Area {
        const char* name;
        unsigned offset;
        unsigned size;
    };
    // The parts of the image a chunk of this kind carries.
    std::vector<Area> AreasOf(QorX0::FTYPE kind) const {
        using namespace QorX0;
        switch (kind) {
            case FTYPE_VSTPROG:
                return {{"current program", kAreaCurProgram.offset, kAreaCurProgram.Size()}};
            case FTYPE_VSTCOMBI:
                return {{"current combination", kAreaCurCombi.offset, kAreaCurCombi.Size()}};
            case FTYPE_VSTMULTI:
                return {{"current multi", kAreaCurMulti.offset, kAreaCurMulti.Size()}};
            default: {
                std::vector<Area> areas = {
                    {"global", kAreaGlobal.offset, kAreaGlobal.Size()},
                    {"drum kits", kAreaDrumKits.offset, kAreaDrumKits.Size()},
                    {"arpeggio patterns", kAreaArpPatterns.offset, kAreaArpPatterns.Size()},
                    {"programs", kAreaPrograms.offset,
                     ProgramBankCount(GetParam()) * kAreaPrograms.BankSize()},
                    {"combinations", kAreaCombis.offset, kAreaCombis.Size()},
                    {"multis", kAreaMultis.offset, kAreaMultis.Size()}};
                if (GetParam() == kPmidNerimo)
                    areas.push_back({"external controls", kAreaExtControls.offset, kAreaExtControls.Size()});
                return areas;
            }
        }
    }
    // Opens a fresh effect (no instrument reached yet), hands it the chunk and expects it to show the
    // parts the chunk carries as they are in want, where before they were not.
    void ExpectFreshEffectShows(const std::string& chunk, bool preset, QorX0::FTYPE kind,
                                const QorX0::CHUNK_REMOTESYNTH& want) {
        AEffect* fresh = Create();
        ASSERT_NE(fresh, nullptr);
        const auto before = ImageOf(fresh);
        EXPECT_EQ(SetChunk(fresh, preset, chunk), 1);
        const auto shown = ImageOf(fresh);
        for (const Area& area : AreasOf(kind)) {
            EXPECT_FALSE(SynthTest::SameBytes(*before, want, area.offset, area.size))
                << area.name << " was already there";
            EXPECT_TRUE(SynthTest::SameBytes(*shown, want, area.offset, area.size))
                << area.name << " of kind " << kind << " differs";
        }
        fresh->dispatcher(fresh, effClose, 0, 0, nullptr, 0.0f);
    }

    Sim::TempConfigHome m_config;
    RunLoop m_loop;
    CAsyncProgressHeadless m_headless;
    CMidiLoopback m_loopback;
    std::unique_ptr<Sim::SimInstrument> m_sim;
    std::unique_ptr<Sim::SimLoopbackPort> m_port;
    std::string m_dir;
    AEffect* m_effect = nullptr;
};

}  // namespace

TEST_P(PluginOnSimulator, HostMidiArrivesAtTheBlockStartPlusOffsetPlusLatency) {
    m_effect = Create();
    ASSERT_NE(m_effect, nullptr);
    auto* vst = static_cast<QorVst*>(AudioEffect::FromAEffect(m_effect));
    // The connection runs on the main thread once the entry has returned.
    QorX0::MODEANDSTATE state{};
    ASSERT_TRUE(m_loop.RunUntil(
        [&] { return vst->GetRemoteSynth()->GetConnectionState(nullptr, nullptr, nullptr, &state, nullptr); },
        20000));
    m_loop.RunUntil([] { return false; }, 50);
    QorX0::ISection* setup = vst->GetRemoteSynth()->GetSetup();
    setup->PutParamI(0x9200, 10);
    m_loop.RunUntil([] { return false; }, 10);
    ASSERT_EQ(setup->GetParamI(0x9200), 10);
    m_sim->With([](Sim::SimCore& c) { c.ClearLogs(); });

    m_effect->dispatcher(m_effect, effSetSampleRate, 0, 0, nullptr, 48000.0f);
    const uint64_t low = static_cast<uint64_t>(GetSysTick()) * 1000;
    ASSERT_TRUE(TestHost::Process(m_effect,
                                  {TestHost::Midi(480, 0x90, 62, 100), TestHost::Midi(0, 0x90, 60, 100),
                                   TestHost::Midi(-7, 0x90, 61, 100)},
                                  512));
    const uint64_t high = static_cast<uint64_t>(GetSysTick()) * 1000;
    ASSERT_TRUE(m_sim->WaitReceived(3));
    auto received = m_sim->With([](Sim::SimCore& c) { return c.ReceivedMessages(); });
    ASSERT_EQ(received.size(), 3u);
    // In time order: the negative offset counts as the block's start.
    EXPECT_TRUE(received[0].bytes[1] == 60 || received[0].bytes[1] == 61);
    EXPECT_EQ(received[2].bytes[1], 62);
    const int64_t latency = 10000;
    for (const auto& m : received) {
        const int64_t offset = m.bytes[1] == 62 ? 10000 : 0;
        // Never early; late only by the time the wire and a busy machine take.
        EXPECT_GE(m.timeUs, static_cast<int64_t>(low) + offset + latency) << int(m.bytes[1]);
        EXPECT_LT(m.timeUs, static_cast<int64_t>(high) + offset + latency + 200000) << int(m.bytes[1]);
    }
}

// The host closes the effect while the user's receive-all waits for an instrument that does not
// answer (each of its requests would wait 10 s): the close ends the transfer, the effect goes once
// the main thread is back at its outermost loop, and a new effect starts at once.
TEST_P(PluginOnSimulator, CloseWhileATransferRunsAbortsItAndLeavesNothing) {
    m_effect = Create();
    ASSERT_NE(m_effect, nullptr);
    auto* vst = static_cast<QorVst*>(AudioEffect::FromAEffect(m_effect));
    QorX0::IRemoteSynth* synth = vst->GetRemoteSynth();
    ASSERT_TRUE(m_loop.RunUntil(
        [&] { return synth->GetConnectionState(nullptr, nullptr, nullptr, nullptr, nullptr); }, 20000));
    m_loop.RunUntil([] { return false; }, 50);
    m_sim->With([](Sim::SimCore& c) {
        c.AddFault(Sim::Fault::Make(Sim::FaultAction::NoReply, Sim::Rx::AllReq).Times(0));
        c.ClearLogs();
    });
    std::atomic<bool> started{false};
    std::atomic<bool> closed{false};
    std::atomic<int> transferEnded{0};
    std::atomic<int64_t> closeMs{-1};
    int depthAtEnd = -1;
    bool received = true;
    // The user starts a receive-all on the main thread; the host closes the effect meanwhile.
    m_loop.Post(nullptr, [&] {
        started = true;
        received = synth->ExecCommand(2, 0, 0, 0, 0);  // receive all
        depthAtEnd = m_loop.NestingDepth();
        transferEnded = 1;
    });
    std::thread host([&] {
        while (!started) std::this_thread::yield();
        // Once the request is on the wire and its wait has begun.
        for (int i = 0; i < 2000 && !m_sim->With([](Sim::SimCore& c) {
                 for (const auto& m : c.ReceivedMessages())
                     if (m.bytes.size() > 4 && m.bytes[0] == 0xF0 && m.bytes[4] == Sim::Rx::AllReq)
                         return true;
                 return false;
             });
             ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        const auto t0 = std::chrono::steady_clock::now();
        m_effect->dispatcher(m_effect, effClose, 0, 0, nullptr, 0.0f);
        closeMs = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - t0)
                      .count();
        closed = true;
    });
    ASSERT_TRUE(m_loop.RunUntil([&] { return closed.load(); }, 30000));
    host.join();
    m_effect = nullptr;
    EXPECT_EQ(transferEnded.load(), 1);
    EXPECT_FALSE(received);
    // The transfer was deleted from under nothing: it had returned to the outermost loop first.
    EXPECT_EQ(depthAtEnd, 1);
    // Well within the first request's own 10 s wait: the close did not wait for it.
    EXPECT_LT(closeMs.load(), 5000);
    EXPECT_FALSE(std::filesystem::exists(m_dir + "/" + CAtomicInstance::LockName(GetParam())));
    // A new effect starts at once.
    m_sim->With([](Sim::SimCore& c) { c.ClearFaults(); });
    m_effect = Create();
    EXPECT_NE(m_effect, nullptr);
}

// A project saved while the instrument is connected keeps the instrument's data: every kind of chunk,
// in every sound mode, loads into a fresh effect (as when the project is opened again) and shows the
// image the instrument had.
TEST_P(PluginOnSimulator, ChunksSavedWhileConnectedLoadIntoAFreshEffect) {
    m_effect = Create();
    ASSERT_NE(m_effect, nullptr);
    SelectEverything(m_effect);
    ASSERT_TRUE(WaitConnected(m_effect));
    QorX0::CRemoteSynthImpl* synth = SynthOf(m_effect);
    struct Saved {
        bool preset;
        QorX0::FTYPE kind;
        std::string chunk;
        std::unique_ptr<QorX0::CHUNK_REMOTESYNTH> image;
    };
    std::vector<Saved> saved;
    const struct {
        unsigned char mode;
        QorX0::FTYPE kind;
    } modes[] = {{QorX0::kModeProgPlay, QorX0::FTYPE_VSTPROG},
                 {QorX0::kModeCombiPlay, QorX0::FTYPE_VSTCOMBI},
                 {QorX0::kModeMulti, QorX0::FTYPE_VSTMULTI}};
    for (const auto& m : modes) {
        synth->PutMode(m.mode);
        ASSERT_TRUE(m_loop.RunUntil([&] { return synth->GetSoundMode() == m.mode; }, 5000)) << int(m.mode);
        m_loop.RunUntil([] { return false; }, 50);
        std::string chunk = GetChunk(m_effect, true);
        saved.push_back(Saved{true, m.kind, std::move(chunk), ImageOf(m_effect)});
    }
    saved.push_back(Saved{false, QorX0::FTYPE_VSTBANK, GetChunk(m_effect, false), ImageOf(m_effect)});
    m_effect->dispatcher(m_effect, effClose, 0, 0, nullptr, 0.0f);
    m_effect = nullptr;

    for (const Saved& s : saved) {
        SCOPED_TRACE(testing::Message() << "kind " << s.kind);
        // More than the empty state: the instrument's data.
        ASSERT_GT(s.chunk.size(), 4u);
        ExpectFreshEffectShows(s.chunk, s.preset, s.kind, *s.image);
    }
}

// A project opened before the instrument answered: the state the host handed over goes to the
// instrument when it connects, and a save after that hands the same state back.
TEST_P(PluginOnSimulator, StateHandedOverBeforeConnectingIsSavedWholeAfterIt) {
    const auto known = SynthTest::KnownImage(29);
    const std::string restored = SynthTest::StreamOf(GetParam(), *known, QorX0::FTYPE_VSTBANK);
    m_effect = Create();
    ASSERT_NE(m_effect, nullptr);
    SelectEverything(m_effect);
    ASSERT_EQ(SetChunk(m_effect, false, restored), 1);
    ASSERT_TRUE(WaitConnected(m_effect));
    ASSERT_TRUE(SynthOf(m_effect)->PendingState().empty());
    const std::string chunk = GetChunk(m_effect, false);
    m_effect->dispatcher(m_effect, effClose, 0, 0, nullptr, 0.0f);
    m_effect = nullptr;
    ASSERT_GT(chunk.size(), 4u);
    ExpectFreshEffectShows(chunk, false, QorX0::FTYPE_VSTBANK, *known);
}

INSTANTIATE_TEST_SUITE_P(BothModels, PluginOnSimulator, ::testing::Values(1, 9));

using PluginOnSimulatorThreaded = PluginOnSimulator;

// The host closes the effect on one thread while another thread's restore is being sent to the
// instrument: the send ends, the close returns only once the restore's call has left the effect, and
// the effect goes without a thread inside it.
TEST_P(PluginOnSimulatorThreaded, CloseDuringAChunkCallOnAnotherThreadWaitsForIt) {
    const std::string restored =
        SynthTest::StreamOf(GetParam(), *SynthTest::KnownImage(41), QorX0::FTYPE_VSTBANK);
    m_effect = Create();
    ASSERT_NE(m_effect, nullptr);
    ASSERT_TRUE(WaitConnected(m_effect));
    m_sim->With([](Sim::SimCore& c) { c.ClearLogs(); });
    AEffect* effect = m_effect;
    std::atomic<bool> chunkReturned{false};
    std::atomic<bool> chunkReturnedBeforeClose{false};
    std::atomic<bool> closed{false};
    std::thread restore([&] {
        SetChunk(effect, false, restored);
        chunkReturned = true;
    });
    std::thread closer([&] {
        // Once the restore is on its way to the instrument.
        for (int i = 0; i < 2000 && m_sim->With([](Sim::SimCore& c) { return c.ReceivedMessages().empty(); });
             ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        effect->dispatcher(effect, effClose, 0, 0, nullptr, 0.0f);
        chunkReturnedBeforeClose = chunkReturned.load();
        closed = true;
    });
    const bool done = m_loop.RunUntil([&] { return closed.load(); }, 60000);
    restore.join();
    closer.join();
    m_effect = nullptr;
    ASSERT_TRUE(done);
    EXPECT_TRUE(chunkReturnedBeforeClose);
    EXPECT_FALSE(std::filesystem::exists(m_dir + "/" + CAtomicInstance::LockName(GetParam())));
}

INSTANTIATE_TEST_SUITE_P(BothModels, PluginOnSimulatorThreaded, ::testing::Values(1, 9));
