// The plug-in as a host runs it, its instrument found by inquiry on the kernel's sequencer: host
// MIDI from several audio blocks reaches the instrument in order, never before the block's start
// plus the event's offset plus the setup's latency.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "Common/Plugin/QorVst.h"
#include "Hfc/Base/HfcMessageBox.h"
#include "Linux/AsyncProgressHeadless.h"
#include "Linux/MidiIO/Alsa/AlsaBackend.h"
#include "Linux/MidiIO/MidiIO.h"
#include "Linux/RunLoop.h"
#include "Linux/SysTick.h"
#include "SequencerFixture.h"
#include "Support/SimAlsaClient.h"
#include "Support/TempConfigHome.h"
#include "Support/TestHost.h"

namespace {

VstIntPtr Host(AEffect*, VstInt32 opcode, VstInt32, VstIntPtr, void* ptr, float) {
    if (opcode == audioMasterVersion) return 2400;
    if (opcode == audioMasterGetProductString && ptr != nullptr) static_cast<char*>(ptr)[0] = 0;
    return 0;
}

class PluginOnSequencer : public ::testing::TestWithParam<unsigned char> {
protected:
    void SetUp() override {
        if (!AlsaTest::HaveSequencer()) GTEST_SKIP() << AlsaTest::kNoSequencer;
        char pattern[] = "/tmp/tolva-plugin-seq-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        m_dir = pattern;
        CAtomicInstance::SetFolder(m_dir);
        MidiBackendSet(nullptr);
        AlsaMidiListOwnProcessClients(true);
        HfcSetMessageBoxHook([](const HfcMessageBoxRequest& r) {
            ADD_FAILURE() << "unexpected message box: " << r.caption << " / " << r.text;
            return static_cast<int>(HFC_MB_RESULT_CANCEL);
        });
        m_sim =
            std::make_unique<Sim::SimInstrument>(GetParam() == 1 ? Sim::Model::Tolva : Sim::Model::Nerimo, 0);
        m_client = std::make_unique<Sim::SimAlsaClient>(*m_sim);
        ASSERT_TRUE(m_client->Ok()) << m_client->Error();
    }
    void TearDown() override {
        if (m_effect != nullptr) m_effect->dispatcher(m_effect, effClose, 0, 0, nullptr, 0.0f);
        m_client.reset();
        m_sim.reset();
        HfcSetMessageBoxHook(nullptr);
        CAtomicInstance::SetFolder("");
        if (!m_dir.empty()) std::filesystem::remove_all(m_dir);
    }

    Sim::TempConfigHome m_config;  // no saved port: the effect searches
    RunLoop m_loop;
    CAsyncProgressHeadless m_headless;
    std::unique_ptr<Sim::SimInstrument> m_sim;
    std::unique_ptr<Sim::SimAlsaClient> m_client;
    std::string m_dir;
    AEffect* m_effect = nullptr;
};

TEST_P(PluginOnSequencer, HostMidiArrivesInOrderAndNeverEarly) {
    m_effect = static_cast<AEffect*>(QorVst::CreateInstance(GetParam(), Host));
    ASSERT_NE(m_effect, nullptr);
    auto* vst = static_cast<QorVst*>(AudioEffect::FromAEffect(m_effect));
    QorX0::IRemoteSynth* synth = vst->GetRemoteSynth();
    QorX0::MODEANDSTATE state{};
    ASSERT_TRUE(m_loop.RunUntil(
        [&] { return synth->GetConnectionState(nullptr, nullptr, nullptr, &state, nullptr); }, 60000));
    m_loop.RunUntil([] { return false; }, 50);
    QorX0::ISection* setup = synth->GetSetup();
    setup->PutParamI(0x9200, 10);  // latency, ms
    m_loop.RunUntil([] { return false; }, 10);
    ASSERT_EQ(setup->GetParamI(0x9200), 10);
    m_sim->WaitIdle();
    m_sim->With([](Sim::SimCore& c) { c.ClearLogs(); });

    // Four blocks of 512 frames at 48 kHz, handed over at the pace of a host's audio thread; in each,
    // notes at four offsets (a negative one counts as the block's start).
    constexpr int kFrames = 512;
    const int offsets[] = {-3, 100, 300, 511};
    struct Sent {
        int note;
        int64_t earliestUs, latestUs;
    };
    std::vector<Sent> sent;
    m_effect->dispatcher(m_effect, effSetSampleRate, 0, 0, nullptr, 48000.0f);
    const int64_t latencyUs = 10000;
    int note = 40;
    for (int block = 0; block < 4; ++block) {
        std::vector<VstMidiEvent> events;
        const int64_t low = static_cast<int64_t>(GetSysTick()) * 1000;
        for (int offset : offsets)
            events.push_back(TestHost::Midi(offset, 0x90, static_cast<unsigned char>(note++), 100));
        ASSERT_TRUE(TestHost::Process(m_effect, events, kFrames));
        const int64_t high = static_cast<int64_t>(GetSysTick()) * 1000;
        for (size_t i = 0; i < events.size(); ++i) {
            const int64_t offsetUs = std::max(offsets[i], 0) * 1000000LL / 48000;
            sent.push_back({events[i].midiData[1], low + offsetUs + latencyUs, high + offsetUs + latencyUs});
        }
        std::this_thread::sleep_for(std::chrono::microseconds(kFrames * 1000000LL / 48000 + 1000));
    }
    // The poll's requests arrive among them.
    std::vector<Sim::TimedBytes> notes;
    for (int wait = 0; wait < 1000 && notes.size() < sent.size(); ++wait) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
        notes.clear();
        for (const Sim::TimedBytes& m : m_sim->With([](Sim::SimCore& c) { return c.ReceivedMessages(); }))
            if (m.bytes.size() == 3 && (m.bytes[0] & 0xF0) == 0x90) notes.push_back(m);
    }
    ASSERT_EQ(notes.size(), sent.size());
    for (size_t i = 0; i < sent.size(); ++i) {
        SCOPED_TRACE(::testing::Message() << "note " << sent[i].note);
        EXPECT_EQ(notes[i].bytes[1], sent[i].note);
        EXPECT_EQ(notes[i].bytes[2], 100);
        // Never early; late only by the time the sequencer and a busy machine take.
        EXPECT_GE(notes[i].timeUs, sent[i].earliestUs);
        EXPECT_LT(notes[i].timeUs, sent[i].latestUs + 200000);
    }
}

INSTANTIATE_TEST_SUITE_P(BothModels, PluginOnSequencer, ::testing::Values(1, 9),
                         [](const auto& info) { return info.param == 1 ? "Tolva" : "Nerimo"; });

}  // namespace
