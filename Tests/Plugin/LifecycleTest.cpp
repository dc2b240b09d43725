// Entry, start and stop of the effect, host detection and the single-instance lock.
#include <sys/wait.h>

#include <atomic>
#include <cstdio>
#include <cstring>

#include "Linux/MidiIO/Alsa/AlsaBackend.h"
#include "PluginFixture.h"

using Lifecycle = PluginTest;

TEST_F(Lifecycle, TheEntryBuildsASynthWithAnEditorAndConnectsOnlyAfterReturning) {
    AEffect* a = Open();
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(a->numInputs, 2);
    EXPECT_EQ(a->numOutputs, 2);
    EXPECT_EQ(a->numPrograms, 128);
    EXPECT_EQ(a->numParams, 12);
    EXPECT_EQ(a->uniqueID, VstFourCC('V', 'T', 'L', 'V'));
    EXPECT_EQ(a->flags & (effFlagsIsSynth | effFlagsProgramChunks | effFlagsCanReplacing | effFlagsHasEditor),
              effFlagsIsSynth | effFlagsProgramChunks | effFlagsCanReplacing | effFlagsHasEditor);
    FakeRemoteSynth* synth = Synth(a);
    EXPECT_EQ(synth->sink, static_cast<QorX0::IRemoteSynthSink*>(Vst(a)));
    EXPECT_EQ(synth->rtSink, static_cast<QorX0::IRTMIDISink*>(Vst(a)));
    EXPECT_EQ(synth->connects, 0);
    Pump();
    EXPECT_EQ(synth->connects, 1);
    EXPECT_FALSE(synth->connectedStandalone);

    Close(a);
    EXPECT_EQ(FakeRemoteSynth::s_live.load(), 0);
}

TEST_F(Lifecycle, TheSequencerClientIsNamedAfterTheModelTheEffectEdits) {
    for (const auto& [model, name] :
         {std::pair{1, "Tolva Plug-In Editor"}, std::pair{9, "Nerimo Plug-In Editor"}}) {
        AEffect* a = Open(model);
        ASSERT_NE(a, nullptr);
        EXPECT_STREQ(AlsaMidiClientName(), name);
        Close(a);
    }
}

TEST_F(Lifecycle, CloseDisconnectsAndReleasesEverything) {
    AEffect* a = Open();
    ASSERT_NE(a, nullptr);
    Pump();
    const std::string lockPath = m_dir + "/com.velk.TolvaPlugInEditor.lock";
    EXPECT_TRUE(std::filesystem::exists(lockPath));
    Close(a);
    EXPECT_EQ(FakeRemoteSynth::s_live.load(), 0);
    EXPECT_FALSE(std::filesystem::exists(lockPath));
}

TEST_F(Lifecycle, AConnectionThatThrowsIsReportedAndTheEffectCarriesOn) {
    AEffect* a = Open();
    ASSERT_NE(a, nullptr);
    Synth(a)->throwOnConnect = true;
    testing::internal::CaptureStdout();
    Pump();
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "Exception at RemoteSynth::Connection()\n");
    char name[64] = {};
    EXPECT_EQ(Dispatch(a, effGetEffectName, 0, 0, name), 1);
    EXPECT_STREQ(name, "Tolva Plug-In Editor");
}

TEST_F(Lifecycle, EntryRefusesWhatIsNoHost) {
    EXPECT_EQ(QorVst::PluginMain(nullptr), nullptr);
    InProcessHost::version = 0;
    EXPECT_EQ(QorVst::PluginMain(InProcessHost::Callback), nullptr);
    EXPECT_EQ(FakeRemoteSynth::s_live.load(), 0);
    InProcessHost::version = 2400;
    AEffect* a = QorVst::PluginMain(InProcessHost::Callback);
    ASSERT_NE(a, nullptr);
    m_open.push_back(a);
    EXPECT_EQ(Vst(a)->GetModel(), 1);
    EXPECT_EQ(QorVst::CreateInstance(9, nullptr), nullptr);
}

TEST_F(Lifecycle, HostDetectionByProductString) {
    struct Row {
        std::string product;
        bool standalone, au, rtas;
        const char* productString;
    } rows[] = {
        {"Tolva Plug-In EditorHost", true, false, false, "Tolva Editor"},
        {"Tolva Plug-In EditorAU", false, true, false, "Tolva Plug-In Editor"},
        {"Tolva Plug-In EditorRTAS", false, false, true, "Tolva Plug-In Editor"},
        {"Tolva Plug-In Editor", false, false, false, "Tolva Plug-In Editor"},
        {"tolva plug-in editorhost", false, false, false, "Tolva Plug-In Editor"},
        {"Ardour", false, false, false, "Tolva Plug-In Editor"},
    };
    for (const Row& row : rows) {
        InProcessHost::product = row.product;
        void* made = QorVst::CreateInstance(1, InProcessHost::Callback);
        ASSERT_NE(made, nullptr) << row.product;
        AEffect* a = nullptr;
        if (row.rtas) {
            // The wrapper gets the record: the address sits XOR-ed with the time stamp beside it.
            auto* record = static_cast<const uint8_t*>(made);
            EXPECT_EQ(std::memcmp(record + 8, "TLVRTAS1", 8), 0);
            uint64_t masked = 0;
            uint32_t time = 0;
            std::memcpy(&masked, record + 16, 8);
            std::memcpy(&time, record + 24, 4);
            a = reinterpret_cast<AEffect*>(masked ^ time);
        } else {
            a = static_cast<AEffect*>(made);
        }
        ASSERT_EQ(a->magic, kEffectMagic) << row.product;
        QorVst* vst = Vst(a);
        EXPECT_EQ(vst->IsHostStandalone(), row.standalone) << row.product;
        EXPECT_EQ(vst->IsHostAUWrapper(), row.au) << row.product;
        EXPECT_EQ(vst->IsHostRTASWrapper(), row.rtas) << row.product;
        char text[64];
        std::memset(text, 'x', sizeof text);
        EXPECT_EQ(Dispatch(a, effGetProductString, 0, 0, text), 1);
        EXPECT_STREQ(text, row.productString);
        Pump();
        EXPECT_EQ(Synth(a)->connectedStandalone, row.standalone) << row.product;
        Close(a);
    }
}

TEST_F(Lifecycle, AVstHostThatCallsItselfTheRtasWrapperStillGetsTheEffectRecord) {
    InProcessHost::product = "Tolva Plug-In EditorRTAS";
    AEffect* a = QorVst::PluginMain(InProcessHost::Callback);
    ASSERT_NE(a, nullptr);
    m_open.push_back(a);
    EXPECT_EQ(a->magic, kEffectMagic);
}

TEST_F(Lifecycle, OneEffectPerModelAndMachine) {
    AEffect* first = Open(1);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(Open(1), nullptr);
    EXPECT_EQ(FakeRemoteSynth::s_live.load(), 1);
    // Another process on the machine is refused as well.
    pid_t pid = fork();
    if (pid == 0) _exit(CAtomicInstance(1).Validate() ? 0 : 1);
    int status = 0;
    waitpid(pid, &status, 0);
    EXPECT_EQ(WEXITSTATUS(status), 1);

    AEffect* nerimo = Open(9);
    ASSERT_NE(nerimo, nullptr);
    EXPECT_EQ(Vst(nerimo)->GetModel(), 9);
    Close(first);
    AEffect* again = Open(1);
    EXPECT_NE(again, nullptr);
}

namespace {
int g_managers[3];
bool g_failManager[3];
bool g_editorFails;
bool g_editorUninitialized;
bool Up(int i) {
    if (g_failManager[i]) return false;
    ++g_managers[i];
    return true;
}
class FailingEditor : public CHeadlessVstEditor {
public:
    using CHeadlessVstEditor::CHeadlessVstEditor;
    bool Initialize() override { return CHeadlessVstEditor::Initialize() && !g_editorFails; }
    bool Uninitialize() override {
        g_editorUninitialized = true;
        return CHeadlessVstEditor::Uninitialize();
    }
};
const PluginEditorHooks kCountingHooks = {
    {[] { return Up(0); }, [] { return Up(1); }, [] { return Up(2); }},
    {[] { --g_managers[0]; }, [] { --g_managers[1]; }, [] { --g_managers[2]; }},
    [](unsigned char) {},
    [](QorVst* effect, QorX0::IRemoteSynth*) -> QorVstEditorBase* { return new FailingEditor(effect); },
};
}  // namespace

TEST_F(Lifecycle, AFailedStartUndoesExactlyWhatItStarted) {
    SetPluginEditorHooks(&kCountingHooks);
    struct Row {
        int failManager;  // -1: none
        bool editorFails;
        bool synthFails;
    } rows[] = {
        {0, false, false}, {1, false, false}, {2, false, false}, {-1, true, false}, {-1, false, true}};
    for (const Row& row : rows) {
        std::memset(g_managers, 0, sizeof g_managers);
        std::memset(g_failManager, 0, sizeof g_failManager);
        if (row.failManager >= 0) g_failManager[row.failManager] = true;
        g_editorFails = row.editorFails;
        g_editorUninitialized = false;
        if (row.synthFails)
            QorVst::SetSynthFactory([](unsigned char) -> QorX0::IRemoteSynth* { return nullptr; });
        EXPECT_EQ(Open(), nullptr);
        EXPECT_EQ(g_managers[0] | g_managers[1] | g_managers[2], 0);
        EXPECT_EQ(FakeRemoteSynth::s_live.load(), 0);
        EXPECT_EQ(g_editorUninitialized, row.editorFails);
        // Nothing posted survives: the loop has nothing of the dead effect to run.
        Pump();
        // The lock went with it.
        EXPECT_FALSE(std::filesystem::exists(m_dir + "/com.velk.TolvaPlugInEditor.lock"));
        QorVst::SetSynthFactory(
            [](unsigned char model) -> QorX0::IRemoteSynth* { return new FakeRemoteSynth(model); });
    }
    g_editorFails = false;
    AEffect* a = Open();
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(g_managers[0] + g_managers[1] + g_managers[2], 3);
    Close(a);
    EXPECT_EQ(g_managers[0] + g_managers[1] + g_managers[2], 0);
}

TEST_F(Lifecycle, ModeChangesForgetBankSelectsAndAskForADisplayUpdate) {
    AEffect* a = Open();
    ASSERT_NE(a, nullptr);
    const int before = InProcessHost::Count(audioMasterUpdateDisplay);
    Vst(a)->OnRemoteSynthModeChanged(Synth(a), 2);
    Vst(a)->OnRemoteSynthCurSoundChanged(Synth(a), QorX0::SOUNDINDEX{0, 1});
    Vst(a)->OnRemoteSynthBankListChanged(Synth(a), 2, QorX0::SOUNDINDEX{0, 1});
    EXPECT_EQ(InProcessHost::Count(audioMasterUpdateDisplay), before + 3);
}

// While a host thread may be waiting for the main thread, what the main thread has to tell the host
// is queued and told from a host thread: after the next hand-over returns, or at the host's idle.
TEST_F(Lifecycle, HostCallsFromTheMainThreadAreIssuedOnAHostThread) {
    AEffect* a = Open();
    ASSERT_NE(a, nullptr);
    QorVst* vst = Vst(a);
    vst->SetDeferHostCalls(true);
    Pump();
    InProcessHost::calls.clear();
    vst->OnRemoteSynthModeChanged(Synth(a), 0);
    vst->OnRemoteSynthCurSoundChanged(Synth(a), QorX0::SOUNDINDEX{0, 1});
    vst->beginEdit(3);
    vst->setParameterAutomated(0, 0.25f);
    EXPECT_EQ(InProcessHost::calls.size(), 0u);

    std::thread::id hostThread;
    std::atomic<bool> done{false};
    std::thread host([&] {
        hostThread = std::this_thread::get_id();
        Dispatch(a, effGetProgram);  // handed to the main thread, waited for
        done = true;
    });
    ASSERT_TRUE(m_loop.RunUntil([&] { return done.load(); }, 5000));
    host.join();
    std::vector<RecordedHostCall> calls = InProcessHost::calls;
    // One display update says it all; the edit and the automation keep their order.
    ASSERT_EQ(calls.size(), 3u);
    EXPECT_EQ(calls[0].opcode, audioMasterUpdateDisplay);
    EXPECT_EQ(calls[1].opcode, audioMasterBeginEdit);
    EXPECT_EQ(calls[1].index, 3);
    EXPECT_EQ(calls[2].opcode, audioMasterAutomate);
    EXPECT_FLOAT_EQ(calls[2].opt, 0.25f);
    for (const RecordedHostCall& call : calls) EXPECT_EQ(call.thread, hostThread);

    // The host's idle brings them too.
    vst->OnRemoteSynthBankListChanged(Synth(a), 2, QorX0::SOUNDINDEX{0, 1});
    InProcessHost::calls.clear();
    std::thread idle([&] { Dispatch(a, effEditIdle); });
    idle.join();
    ASSERT_EQ(InProcessHost::calls.size(), 1u);
    EXPECT_EQ(InProcessHost::calls[0].opcode, audioMasterUpdateDisplay);
}
