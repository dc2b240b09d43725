// The program's component layer over an effect of our own making (every call recorded) and over the
// built plug-in itself.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "HostFakes.h"
#include "Host/Component/PluginComponent.h"
#include "Host/HostMIDIManager.h"
#include "Linux/MidiIO/Loopback/LoopbackBackend.h"

namespace {

// An effect that records what the host asks of it.
struct FakeEffect {
    struct Call {
        VstInt32 opcode;
        VstInt32 index;
        VstIntPtr value;
        float opt;
    };
    AEffect effect{};
    audioMasterCallback host = nullptr;
    std::mutex lock;
    std::vector<Call> calls;
    std::vector<std::vector<VstMidiEvent>> blocks;  // events handed over before each render
    std::vector<VstMidiEvent> pending;
    int renders = 0;
    std::string productSeenAtEntry;
    VstIntPtr versionSeenAtEntry = 0;
    std::vector<uint8_t> chunk[2] = {{1, 2, 3}, {9}};
    bool refuseChunk = false;
    FakePluginObject* handOverObject = nullptr;
    VintorHandOver seenRecord{};
    int editorWidth = 0, editorHeight = 0;
    ERect rect{};
    std::vector<VstTimeInfo> times;  // what the host's time request answered, in each render

    std::vector<VstInt32> Opcodes() {
        std::lock_guard<std::mutex> g(lock);
        std::vector<VstInt32> out;
        for (const Call& c : calls) out.push_back(c.opcode);
        return out;
    }
};
FakeEffect* g_fake = nullptr;

VstIntPtr FakeDispatcher(AEffect* e, VstInt32 opcode, VstInt32 index, VstIntPtr value, void* ptr, float opt) {
    FakeEffect* f = static_cast<FakeEffect*>(e->object);
    {
        std::lock_guard<std::mutex> g(f->lock);
        f->calls.push_back({opcode, index, value, opt});
    }
    switch (opcode) {
        case effProcessEvents: {
            auto* events = static_cast<VstEvents*>(ptr);
            for (int i = 0; i < events->numEvents; ++i) {
                f->pending.push_back(*reinterpret_cast<VstMidiEvent*>(events->events[i]));
            }
            return 1;
        }
        case effGetChunk:
            *static_cast<void**>(ptr) = f->chunk[index].data();
            return static_cast<VstIntPtr>(f->chunk[index].size());
        case effSetChunk:
            if (f->refuseChunk) return 0;
            f->chunk[index].assign(static_cast<uint8_t*>(ptr), static_cast<uint8_t*>(ptr) + value);
            return 1;
        case effVendorSpecific:
            if (f->handOverObject == nullptr || static_cast<uint32_t>(index) != kVintorHandOverTag) return 0;
            f->seenRecord = *static_cast<VintorHandOver*>(ptr);
            static_cast<VintorHandOver*>(ptr)->plugin = f->handOverObject;
            return 1;
        case effGetEffectName:
            std::strcpy(static_cast<char*>(ptr), "Fake Effect");
            return 1;
        case effEditGetRect:
            if (f->editorWidth == 0) return 0;
            f->rect = {0, 0, static_cast<VstInt16>(f->editorHeight), static_cast<VstInt16>(f->editorWidth)};
            *static_cast<ERect**>(ptr) = &f->rect;
            return 1;
        case effEditOpen:
            return ptr != nullptr ? 1 : 0;
        default:
            return 0;
    }
}

void FakeProcess(AEffect* e, float** inputs, float** outputs, VstInt32 frames) {
    FakeEffect* f = static_cast<FakeEffect*>(e->object);
    f->blocks.push_back(f->pending);
    f->pending.clear();
    // As an instrument that follows the host's tempo asks, while it renders.
    if (auto* time =
            reinterpret_cast<VstTimeInfo*>(f->host(e, audioMasterGetTime, 0, kVstTempoValid, nullptr, 0)))
        f->times.push_back(*time);
    ++f->renders;
    for (int i = 0; i < frames; ++i) {
        outputs[0][i] = inputs[0][i] + 0.25f;
        outputs[1][i] = inputs[1][i] - 0.25f;
    }
}

AEffect* FakeEntry(audioMasterCallback host) {
    FakeEffect* f = g_fake;
    f->host = host;
    char product[64] = {};
    host(nullptr, audioMasterGetProductString, 0, 0, product, 0);  // before the host has the record
    f->productSeenAtEntry = product;
    f->versionSeenAtEntry = host(nullptr, audioMasterVersion, 0, 0, nullptr, 0);
    f->effect.magic = kEffectMagic;
    f->effect.dispatcher = FakeDispatcher;
    f->effect.processReplacing = FakeProcess;
    f->effect.numOutputs = 2;
    f->effect.flags = effFlagsHasEditor | effFlagsIsSynth;
    f->effect.object = f;
    return &f->effect;
}

class PluginComponentTest : public ::testing::Test {
protected:
    void SetUp() override { g_fake = &fake; }
    void TearDown() override { g_fake = nullptr; }
    std::unique_ptr<CPluginComponent> Open() {
        std::string error;
        auto component = CPluginComponent::OpenEntry(FakeEntry, &error);
        EXPECT_TRUE(component) << error;
        return component;
    }
    FakeEffect fake;
};

std::string TempFolder() {
    char pattern[] = "/tmp/tolva-component-XXXXXX";
    const char* made = ::mkdtemp(pattern);
    return made ? made : "";
}

void Touch(const std::string& path) {
    std::ofstream(path) << "x";
}

}  // namespace

TEST(PluginSearchTest, CandidatesInTheirOrder) {
    PluginSearch s;
    s.explicitFile = "/opt/x/My.so";
    s.programDir = "/opt/tolva/bin";
    s.vstPath = "/a:/b/::/c/";
    s.home = "/home/m";
    const std::vector<std::string> expected = {
        "/opt/x/My.so",
        "/opt/tolva/bin/TolvaPlugInEditor.so",
        "/opt/tolva/bin/../lib/vst/TolvaPlugInEditor.so",
        "/a/TolvaPlugInEditor.so",
        "/b/TolvaPlugInEditor.so",
        "/c/TolvaPlugInEditor.so",
        "/home/m/.vst/TolvaPlugInEditor.so",
        "/usr/local/lib/vst/TolvaPlugInEditor.so",
        "/usr/lib/vst/TolvaPlugInEditor.so",
    };
    EXPECT_EQ(s.Candidates(), expected);
    // Nothing set: only the system folders.
    EXPECT_EQ(PluginSearch{}.Candidates(),
              (std::vector<std::string>{"/usr/local/lib/vst/TolvaPlugInEditor.so",
                                        "/usr/lib/vst/TolvaPlugInEditor.so"}));
}

TEST(PluginSearchTest, FirstReadableFileWinsAndFoldersAreSkipped) {
    const std::string root = TempFolder();
    ASSERT_FALSE(root.empty());
    ::mkdir((root + "/bin").c_str(), 0700);
    ::mkdir((root + "/bin/TolvaPlugInEditor.so").c_str(), 0700);  // a folder of that name
    ::mkdir((root + "/vst1").c_str(), 0700);
    ::mkdir((root + "/vst2").c_str(), 0700);
    Touch(root + "/vst2/TolvaPlugInEditor.so");
    PluginSearch s;
    s.programDir = root + "/bin";
    s.vstPath = root + "/vst1:" + root + "/vst2";
    EXPECT_EQ(FindPluginComponent(s), root + "/vst2/TolvaPlugInEditor.so");
    s.explicitFile = root + "/missing.so";
    EXPECT_EQ(FindPluginComponent(s), root + "/vst2/TolvaPlugInEditor.so");
    s.vstPath.clear();
    s.home = root + "/nohome";
    // Only the system folders remain; whatever they hold, never the folder named like the file.
    EXPECT_NE(FindPluginComponent(s), root + "/bin/TolvaPlugInEditor.so");
    std::string command = "rm -rf " + root;
    EXPECT_EQ(std::system(command.c_str()), 0);
}

TEST_F(PluginComponentTest, OpensAsTheStandaloneHostAndRunsTheLifecycleInOrder) {
    {
        auto component = Open();
        ASSERT_TRUE(component);
        EXPECT_EQ(fake.productSeenAtEntry, "Tolva Plug-In EditorHost");
        EXPECT_EQ(fake.versionSeenAtEntry, 2400);
        EXPECT_EQ(fake.Opcodes(), (std::vector<VstInt32>{effOpen}));
        EXPECT_EQ(component->EffectName(), "Fake Effect");

        EXPECT_TRUE(component->Initialize(48000.0, 256));
        EXPECT_EQ(fake.host(&fake.effect, audioMasterGetSampleRate, 0, 0, nullptr, 0), 48000);
        EXPECT_EQ(fake.host(&fake.effect, audioMasterGetBlockSize, 0, 0, nullptr, 0), 256);
        component->Uninitialize();
        component->Uninitialize();  // once only
        EXPECT_FALSE(component->Initialize(0.0, 256));
        EXPECT_FALSE(component->Initialize(44100.0, 0));
        EXPECT_TRUE(component->Initialize(44100.0, 64));
        // Destroyed while initialised: stopped, then closed.
    }
    const std::vector<VstInt32> expected = {
        effOpen,         effGetEffectName, effSetSampleRate, effSetBlockSize,  effMainsChanged,
        effStartProcess, effStopProcess,   effMainsChanged,  effSetSampleRate, effSetBlockSize,
        effMainsChanged, effStartProcess,  effStopProcess,   effMainsChanged,  effClose};
    EXPECT_EQ(fake.Opcodes(), expected);
    EXPECT_EQ(fake.calls[2].opt, 48000.0f);
    EXPECT_EQ(fake.calls[3].value, 256);
    EXPECT_EQ(fake.calls[4].value, 1);
    EXPECT_EQ(fake.calls[7].value, 0);
}

TEST_F(PluginComponentTest, RenderHandsTheBlocksMidiOverFirstAndReadsSilenceIn) {
    auto component = Open();
    ASSERT_TRUE(component);
    float left[128], right[128];
    EXPECT_EQ(component->Render(left, right, 128), -1);  // not initialised
    component->MIDIEvent(0x90, 60, 100, 0);              // before the start: belongs to no block
    ASSERT_TRUE(component->Initialize(44100.0, 128));
    EXPECT_EQ(component->Render(left, right, 129), -1);  // more than the maximum
    component->MIDIEvent(0x90, 64, 90, 10);
    component->MIDIEvent(0x80, 64, 0, 5000);  // past the block: its last frame
    component->MIDIEvent(0xB0, 7, 127, 0);
    ASSERT_EQ(component->Render(left, right, 128), 0);
    ASSERT_EQ(fake.blocks.size(), 1u);
    const auto& block = fake.blocks[0];
    ASSERT_EQ(block.size(), 3u);
    const int deltas[] = {10, 127, 0};
    const unsigned char statuses[] = {0x90, 0x80, 0xB0};
    for (size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(block[i].type, kVstMidiType);
        EXPECT_EQ(block[i].byteSize, static_cast<VstInt32>(sizeof(VstMidiEvent)));
        EXPECT_EQ(block[i].deltaFrames, deltas[i]);
        EXPECT_EQ(static_cast<unsigned char>(block[i].midiData[0]), statuses[i]);
    }
    EXPECT_EQ(left[0], 0.25f);
    EXPECT_EQ(right[127], -0.25f);
    ASSERT_EQ(component->Render(left, right, 64), 0);
    EXPECT_TRUE(fake.blocks[1].empty());
}

TEST_F(PluginComponentTest, AFullQueueDropsAndCountsAndABlockCarriesTheRestForward) {
    auto component = Open();
    ASSERT_TRUE(component);
    ASSERT_TRUE(component->Initialize(44100.0, 64));
    const uint32_t sent = CPluginComponent::kRingSize + 76;
    for (uint32_t i = 0; i < sent; ++i) component->MIDIEvent(0x90, static_cast<uint8_t>(i & 0x7F), 1, 0);
    EXPECT_EQ(component->DroppedEvents(), 76u);
    float left[64], right[64];
    size_t received = 0;
    for (int i = 0; i < 3; ++i) {
        ASSERT_EQ(component->Render(left, right, 64), 0);
        EXPECT_LE(fake.blocks.back().size(), CPluginComponent::kMaxEventsPerBlock);
        received += fake.blocks.back().size();
    }
    EXPECT_EQ(received, CPluginComponent::kRingSize);
    // In order: the note numbers count up.
    EXPECT_EQ(fake.blocks[1].front().midiData[1],
              static_cast<char>(CPluginComponent::kMaxEventsPerBlock & 0x7F));
    // The queue takes events again.
    component->MIDIEvent(0x80, 1, 0, 0);
    ASSERT_EQ(component->Render(left, right, 64), 0);
    EXPECT_EQ(fake.blocks.back().size(), 1u);
}

TEST_F(PluginComponentTest, PluginComponentThreadedMidiFromManyThreadsArrivesInEachThreadsOrder) {
    auto component = Open();
    ASSERT_TRUE(component);
    ASSERT_TRUE(component->Initialize(44100.0, 64));
    constexpr int kThreads = 4, kEach = 5000;
    std::atomic<int> done{0};
    std::vector<std::thread> senders;
    for (int t = 0; t < kThreads; ++t) {
        senders.emplace_back([&, t] {
            for (int i = 0; i < kEach; ++i) {
                component->MIDIEvent(static_cast<uint8_t>(0x90 | t), static_cast<uint8_t>(i & 0x7F),
                                     static_cast<uint8_t>((i >> 7) & 0x7F), 0);
            }
            done.fetch_add(1);
        });
    }
    float left[64], right[64];
    while (done.load() < kThreads) ASSERT_EQ(component->Render(left, right, 64), 0);
    for (std::thread& s : senders) s.join();
    ASSERT_EQ(component->Render(left, right, 64), 0);
    ASSERT_EQ(component->Render(left, right, 64), 0);
    int last[kThreads] = {-1, -1, -1, -1};
    size_t received = 0;
    for (const auto& block : fake.blocks) {
        for (const VstMidiEvent& e : block) {
            const int t = static_cast<unsigned char>(e.midiData[0]) & 0x0F;
            const int i = (e.midiData[2] << 7) | e.midiData[1];
            EXPECT_GT(i, last[t]);
            last[t] = i;
            ++received;
        }
    }
    EXPECT_EQ(received + component->DroppedEvents(), static_cast<size_t>(kThreads * kEach));
}

TEST_F(PluginComponentTest, HandOverPrefersThePluginsObjectElseTheProgramsOwn) {
    FakePluginObject object;
    fake.handOverObject = &object;
    auto component = Open();
    ASSERT_TRUE(component);
    EXPECT_EQ(component->HandOver(nullptr), &object);
    EXPECT_EQ(fake.seenRecord.version, kVintorInterfaceVersion);
    EXPECT_EQ(fake.calls.back().index, static_cast<VstInt32>(kVintorHandOverTag));

    fake.handOverObject = nullptr;
    g_fake = &fake;
    auto second = Open();
    IVINTORPLUGIN_vintorvstinterface1* own = second->HandOver(nullptr);
    ASSERT_NE(own, nullptr);
    EXPECT_EQ(second->HandOver(nullptr), own);  // the same object each time
    own->SetKnobMode(1);
    EXPECT_EQ(fake.calls.back().opcode, effSetEditKnobMode);
    EXPECT_EQ(fake.calls.back().value, 1);
    unsigned char channel = 9;
    own->AskChannel(&channel);
    EXPECT_EQ(channel, 0);
}

TEST_F(PluginComponentTest, TheProgramsFileMenuSavesAndLoadsChunksAndReportsFailures) {
    auto component = Open();
    ASSERT_TRUE(component);
    const std::string root = TempFolder();
    std::string answer;
    std::vector<std::pair<bool, bool>> asked;
    std::vector<std::string> errors;
    component->SetFileChooser([&](bool save, bool preset) {
        asked.emplace_back(save, preset);
        return answer;
    });
    component->SetErrorReporter([&](const char* key, const std::string& detail) {
        errors.push_back(std::string(key) + ": " + detail);
    });
    IVINTORPLUGIN_vintorvstinterface1* own = component->HandOver(nullptr);

    answer = root + "/bank.tlv";
    own->BankSaveAs();
    std::ifstream saved(answer, std::ios::binary);
    EXPECT_EQ(std::vector<char>(std::istreambuf_iterator<char>(saved), {}), (std::vector<char>{1, 2, 3}));
    answer = root + "/preset.tlv";
    own->PresetExport();
    std::ofstream(root + "/other.tlv", std::ios::binary) << "ABCD";
    answer = root + "/other.tlv";
    own->PresetImport();
    EXPECT_EQ(fake.chunk[1], (std::vector<uint8_t>{'A', 'B', 'C', 'D'}));
    EXPECT_EQ(fake.calls.back().opcode, effSetChunk);
    EXPECT_EQ(fake.calls.back().index, 1);
    own->BankOpen();
    EXPECT_EQ(fake.calls.back().index, 0);
    EXPECT_EQ(fake.chunk[0], (std::vector<uint8_t>{'A', 'B', 'C', 'D'}));
    EXPECT_EQ(asked, (std::vector<std::pair<bool, bool>>{
                         {true, false}, {true, true}, {false, true}, {false, false}}));
    EXPECT_TRUE(errors.empty());

    // Cancelled: nothing happens. Refused, unreadable and unwritable: each says so, the old file stays.
    const size_t callsBefore = fake.calls.size();
    answer.clear();
    own->BankOpen();
    own->BankSaveAs();
    EXPECT_EQ(fake.calls.size(), callsBefore);
    fake.refuseChunk = true;
    answer = root + "/other.tlv";
    own->BankOpen();
    answer = root + "/missing.tlv";
    own->BankOpen();
    answer = root + "/nofolder/x.tlv";
    own->BankSaveAs();
    EXPECT_EQ(errors, (std::vector<std::string>{
                          "Load Error: " + root + "/other.tlv: the editor cannot load what it holds",
                          "Load Error: " + root + "/missing.tlv: No such file or directory",
                          "Save Error: " + root + "/nofolder/x.tlv: No such file or directory"}));
    std::ifstream still(root + "/bank.tlv", std::ios::binary);
    EXPECT_EQ(std::vector<char>(std::istreambuf_iterator<char>(still), {}), (std::vector<char>{1, 2, 3}));
    std::string command = "rm -rf " + root;
    EXPECT_EQ(std::system(command.c_str()), 0);
}

TEST_F(PluginComponentTest, TheTimeRequestAnswersThePositionTheRateAndTheClocksTempo) {
    auto component = Open();
    ASSERT_TRUE(component);
    ASSERT_TRUE(component->Initialize(48000.0, 256));
    std::vector<float> left(256), right(256);
    // Before the MIDI manager exists: position and rate, no tempo.
    ASSERT_EQ(component->Render(left.data(), right.data(), 256), 0);
    {
        CMidiLoopback loop;
        FakeShell shell;
        const uint32_t clock = loop.AddSource("Drum Machine", "Clock");
        VintorHostMIDIManager manager(&loop, component.get(), &shell);
        manager.RebuildDataList(MIDIEndpointList(&loop));
        ASSERT_EQ(component->Render(left.data(), right.data(), 128), 0);
        // A clock at 140 BPM (24 ticks a beat).
        manager.SetClockSyncSource(clock);
        const uint8_t tick = 0xF8;
        for (int i = 0; i < 100; ++i)
            loop.InjectStamped(clock, &tick, 1, (20000000ull + i * 17857ull) * 1000);
        ASSERT_TRUE(loop.WaitIdle(2000));
        ASSERT_EQ(component->Render(left.data(), right.data(), 256), 0);
    }
    // The manager is gone: the tempo is no longer offered.
    ASSERT_EQ(component->Render(left.data(), right.data(), 64), 0);
    ASSERT_EQ(fake.times.size(), 4u);
    struct Expect {
        double position, tempo;
        bool tempoValid;
    };
    const Expect expected[] = {{0, 0, false}, {256, 120, true}, {384, 140, true}, {640, 0, false}};
    for (size_t i = 0; i < 4; ++i) {
        const VstTimeInfo& t = fake.times[i];
        EXPECT_EQ(t.samplePos, expected[i].position) << "render " << i;
        EXPECT_EQ(t.sampleRate, 48000.0) << "render " << i;
        EXPECT_NEAR(t.tempo, expected[i].tempo, 0.1) << "render " << i;
        EXPECT_EQ((t.flags & kVstTempoValid) != 0, expected[i].tempoValid) << "render " << i;
        EXPECT_EQ(t.ppqPos, 0.0) << "beat 0, render " << i;
    }
    // A new start counts from 0 again.
    component->Uninitialize();
    ASSERT_TRUE(component->Initialize(44100.0, 256));
    ASSERT_EQ(component->Render(left.data(), right.data(), 32), 0);
    EXPECT_EQ(fake.times.back().samplePos, 0.0);
    EXPECT_EQ(fake.times.back().sampleRate, 44100.0);
}

TEST_F(PluginComponentTest, EditorViewOpensOnceAndClosesBeforeTheEffect) {
    fake.editorWidth = 816;
    fake.editorHeight = 600;
    {
        auto component = Open();
        ASSERT_TRUE(component);
        int w = 0, h = 0;
        ASSERT_TRUE(component->EditorSize(&w, &h));
        EXPECT_EQ(w, 816);
        EXPECT_EQ(h, 600);
        EXPECT_FALSE(component->OpenEditor(0));  // no window
        EXPECT_TRUE(component->OpenEditor(0x1234));
        EXPECT_TRUE(component->OpenEditor(0x1234));  // already open: not asked again
        component->IdleEditor();
    }
    const std::vector<VstInt32> opcodes = fake.Opcodes();
    const std::vector<VstInt32> tail(opcodes.end() - 3, opcodes.end());
    EXPECT_EQ(tail, (std::vector<VstInt32>{effEditIdle, effEditClose, effClose}));
    EXPECT_EQ(std::count(opcodes.begin(), opcodes.end(), effEditOpen), 2);
}

TEST(PluginComponentLoad, AFileThatIsNoPluginIsRefusedWithItsReason) {
    std::string error;
    EXPECT_FALSE(CPluginComponent::Open("/nonexistent/TolvaPlugInEditor.so", &error));
    EXPECT_NE(error.find("cannot load /nonexistent/TolvaPlugInEditor.so"), std::string::npos) << error;
    EXPECT_FALSE(CPluginComponent::OpenEntry(nullptr, &error));
}

#ifdef TOLVA_PLUGIN_SO
TEST(PluginComponentLoad, TheBuiltPluginOpensRendersSilenceAndCloses) {
    std::string error;
    auto component = CPluginComponent::Open(TOLVA_PLUGIN_SO, &error);
    ASSERT_TRUE(component) << error;
    EXPECT_EQ(component->EffectName(), "Tolva Plug-In Editor");
    EXPECT_TRUE(component->HasEditor());
    ASSERT_TRUE(component->Initialize(44100.0, 256));
    std::vector<float> left(256, 1.0f), right(256, 1.0f);
    component->MIDIEvent(0x90, 60, 100, 3);
    EXPECT_EQ(component->Render(left.data(), right.data(), 256), 0);
    EXPECT_EQ(left[0], 0.0f);
    EXPECT_EQ(right[255], 0.0f);
    EXPECT_NE(component->HandOver(nullptr), nullptr);
    component.reset();
}
#endif
