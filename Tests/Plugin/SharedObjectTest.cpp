// The built plug-in as a host meets it: loaded with dlopen, scanned, played, closed, unloaded.
#include <dlfcn.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <set>
#include <string>
#include <thread>

#include "Support/TestHost.h"

#ifndef TOLVA_PLUGIN_SO
#error "the plug-in's path is given by the build"
#endif

namespace {

class SharedObject : public ::testing::Test {
protected:
    void SetUp() override {
        char pattern[] = "/tmp/tolva-so-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        m_dir = pattern;
        // The plug-in's lock files go to a folder of this test's own.
        setenv("TOLVA_LOCK_DIR", m_dir.c_str(), 1);
        // A sanitizer's runtime starts a helper thread with the first thread of the process.
        std::thread([] {}).join();
        m_threads = TestHost::ThreadCount();
        ASSERT_TRUE(m_host.Load(TOLVA_PLUGIN_SO)) << dlerror();
    }
    void TearDown() override {
        EXPECT_TRUE(m_host.Unload());
        // With every effect closed, the host's unload really removes the object.
        EXPECT_FALSE(StillMapped());
        unsetenv("TOLVA_LOCK_DIR");
        std::filesystem::remove_all(m_dir);
    }
    // Nothing of ours runs once the last effect is closed.
    void ExpectNoThreadOfOurs() { EXPECT_EQ(TestHost::ThreadCountSettled(m_threads), m_threads); }
    static bool StillMapped() {
        void* handle = dlopen(TOLVA_PLUGIN_SO, RTLD_LAZY | RTLD_NOLOAD);
        if (handle != nullptr) dlclose(handle);
        return handle != nullptr;
    }
    bool LockFileExists(const char* name) { return std::filesystem::exists(m_dir + "/" + name); }

    TestHost m_host;
    std::string m_dir;
    int m_threads = 0;
};

std::set<std::string> DefinedDynamicSymbols(const std::string& path) {
    std::set<std::string> names;
    std::string command = "nm -D --defined-only '" + path + "'";
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) return names;
    char line[512];
    while (std::fgets(line, sizeof line, pipe) != nullptr) {
        std::string text(line);
        while (!text.empty() && (text.back() == '\n' || text.back() == ' ')) text.pop_back();
        const size_t space = text.rfind(' ');
        if (space != std::string::npos) names.insert(text.substr(space + 1));
    }
    pclose(pipe);
    return names;
}

}  // namespace

TEST_F(SharedObject, ExportsOnlyTheEntryPoints) {
    std::set<std::string> names = DefinedDynamicSymbols(TOLVA_PLUGIN_SO);
    // A sanitizer build adds its runtime's hooks; the product exports the three entries.
    for (auto it = names.begin(); it != names.end();) {
        if (it->rfind("__asan", 0) == 0 || it->rfind("__tsan", 0) == 0 || it->rfind("__ubsan", 0) == 0 ||
            it->rfind("__sanitizer", 0) == 0 || it->rfind("___interceptor", 0) == 0)
            it = names.erase(it);
        else
            ++it;
    }
    EXPECT_EQ(names, (std::set<std::string>{"QnEditorCreateEffectInstance", "VSTPluginMain", "main"}));
    EXPECT_TRUE(m_host.HasEntry("VSTPluginMain"));
    EXPECT_FALSE(m_host.HasEntry("RemoteSynthCreate"));
}

TEST_F(SharedObject, AScannerOpensIdentifiesAndClosesIt) {
    TestHost::ScanResult scan = m_host.Scan();
    ASSERT_TRUE(scan.instantiated);
    EXPECT_EQ(scan.name, "Tolva Plug-In Editor");
    EXPECT_EQ(scan.vendor, "VELK");
    EXPECT_EQ(scan.product, "Tolva Plug-In Editor");
    EXPECT_EQ(scan.category, kPlugCategSynth);
    EXPECT_EQ(scan.vstVersion, 2400);
    EXPECT_EQ(scan.uniqueID, VstFourCC('V', 'T', 'L', 'V'));
    EXPECT_EQ(scan.inputs, 2);
    EXPECT_EQ(scan.outputs, 2);
    EXPECT_NE(scan.flags & effFlagsHasEditor, 0);
    EXPECT_NE(scan.flags & effFlagsIsSynth, 0);
    EXPECT_NE(scan.flags & effFlagsProgramChunks, 0);
    EXPECT_EQ(scan.canDo, (std::vector<std::string>{"sendVstEvents", "sendVstMidiEvent", "receiveVstEvents",
                                                    "receiveVstMidiEvent", "receiveVstTimeInfo"}));
    EXPECT_FALSE(LockFileExists("com.velk.TolvaPlugInEditor.lock"));
    ExpectNoThreadOfOurs();
}

TEST_F(SharedObject, AHostThatAnswersNoVersionGetsNothing) {
    m_host.SetVersionAnswer(0);
    EXPECT_EQ(m_host.Instantiate(), nullptr);
    EXPECT_EQ(m_host.Instantiate("main"), nullptr);
    ExpectNoThreadOfOurs();
}

TEST_F(SharedObject, ASessionPlaysAndKeepsItsState) {
    AEffect* a = m_host.Instantiate("main");
    ASSERT_NE(a, nullptr);
    m_host.Dispatch(a, effOpen);
    m_host.Dispatch(a, effSetSampleRate, 0, 0, nullptr, 48000.0f);
    m_host.Dispatch(a, effSetBlockSize, 0, 512);
    m_host.Dispatch(a, effMainsChanged, 0, 1);

    // The audio thread plays notes, bank selects and program changes; outputs stay silent.
    std::thread audio([&] {
        for (int block = 0; block < 50; ++block) {
            std::vector<VstMidiEvent> events = {
                TestHost::Midi(0, 0x90, 60, 100), TestHost::Midi(100, 0x80, 60, 0),
                TestHost::Midi(-3, 0xB0, 0, 0), TestHost::Midi(511, 0xC0, 5), TestHost::Midi(7, 0xF8)};
            EXPECT_TRUE(m_host.Process(a, events, 512));
        }
    });
    audio.join();

    // Programs and parameters as a host's generic editor uses them.
    m_host.Dispatch(a, effSetProgram, 0, 3);
    const VstIntPtr program = m_host.Dispatch(a, effGetProgram);
    EXPECT_GE(program, 0);
    EXPECT_LT(program, 128);
    char name[24];
    m_host.Dispatch(a, effGetProgramName, 0, 0, name);
    EXPECT_LT(std::strlen(name), sizeof name);
    for (int i = 0; i < 12; ++i) {
        char text[64] = {};
        m_host.Dispatch(a, effGetParamName, i, 0, text);
        EXPECT_GT(std::strlen(text), 0u) << i;
        EXPECT_LE(std::strlen(text), 8u) << i;
        a->setParameter(a, i, 1.0f);
        EXPECT_FLOAT_EQ(a->getParameter(a, i), 1.0f) << i;
    }

    // Chunks of both kinds come back byte for byte.
    for (int preset : {0, 1}) {
        void* data = nullptr;
        const VstIntPtr size = m_host.Dispatch(a, effGetChunk, preset, 0, &data);
        ASSERT_GE(size, 0);
        if (size == 0) continue;
        const std::string saved(static_cast<const char*>(data), static_cast<size_t>(size));
        EXPECT_EQ(m_host.Dispatch(a, effSetChunk, preset, size, data), 1);
        void* again = nullptr;
        const VstIntPtr size2 = m_host.Dispatch(a, effGetChunk, preset, 0, &again);
        EXPECT_EQ(std::string(static_cast<const char*>(again), static_cast<size_t>(size2)), saved);
    }
    // What cannot be a chunk is refused and changes nothing.
    char junk[16] = "not a chunk";
    EXPECT_EQ(m_host.Dispatch(a, effSetChunk, 0, sizeof junk, junk), 0);
    EXPECT_EQ(m_host.Dispatch(a, effSetChunk, 0, -1, junk), 0);
    EXPECT_EQ(m_host.Dispatch(a, effSetChunk, 0, 8, nullptr), 0);

    m_host.Dispatch(a, effMainsChanged, 0, 0);
    m_host.Close(a);
    ExpectNoThreadOfOurs();
}

TEST_F(SharedObject, ASecondInstanceIsRefusedByTheLock) {
    AEffect* first = m_host.Instantiate();
    ASSERT_NE(first, nullptr);
    EXPECT_TRUE(LockFileExists("com.velk.TolvaPlugInEditor.lock"));
    EXPECT_EQ(m_host.Instantiate(), nullptr);
    // The other model has its own lock.
    auto* nerimo = static_cast<AEffect*>(m_host.CreateInstance(9));
    ASSERT_NE(nerimo, nullptr);
    EXPECT_EQ(nerimo->magic, kEffectMagic);
    m_host.Close(first);
    EXPECT_FALSE(LockFileExists("com.velk.TolvaPlugInEditor.lock"));
    AEffect* again = m_host.Instantiate();
    EXPECT_NE(again, nullptr);
    m_host.Close(again);
    m_host.Close(nerimo);
    ExpectNoThreadOfOurs();
}

using SharedObjectThreaded = SharedObject;

TEST_F(SharedObjectThreaded, InstancesOnSeveralThreadsCloseOnOthersAndUnload) {
    AEffect* tolva = nullptr;
    AEffect* nerimo = nullptr;
    std::thread::id ids[4];
    std::thread t1([&] {
        ids[0] = std::this_thread::get_id();
        tolva = m_host.Instantiate();
    });
    std::thread t2([&] {
        ids[1] = std::this_thread::get_id();
        nerimo = static_cast<AEffect*>(m_host.CreateInstance(9));
    });
    t1.join();
    t2.join();
    ASSERT_NE(tolva, nullptr);
    ASSERT_NE(nerimo, nullptr);
    // Closed at once, while its connection may still be starting on the plug-in's own thread.
    std::thread c1([&] {
        ids[2] = std::this_thread::get_id();
        m_host.Close(tolva);
    });
    std::thread c2([&] {
        ids[3] = std::this_thread::get_id();
        m_host.Close(nerimo);
    });
    c1.join();
    c2.join();
    ExpectNoThreadOfOurs();
    // Every call back came on one of the host's threads, none on a thread of the plug-in.
    const std::set<std::thread::id> hostThreads = {ids[0], ids[1], ids[2], ids[3]};
    for (const TestHost::Call& call : m_host.Calls())
        EXPECT_EQ(hostThreads.count(call.thread), 1u) << call.opcode;
}

// A host that ends without closing its effects: the process exits cleanly (no abort at static
// destruction, no thread left running), whether it just exits or unloads the object first (which
// then stays mapped while a thread of ours runs, and goes at the exit).
TEST_F(SharedObject, AHostThatEndsWithoutClosingItsEffectsExitsCleanly) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    enum class End { Exit, UnloadThenExit };
    for (End end : {End::Exit, End::UnloadThenExit}) {
        SCOPED_TRACE(static_cast<int>(end));
        EXPECT_EXIT(
            {
                AEffect* a = m_host.Instantiate();
                if (a == nullptr) std::_Exit(3);
                m_host.Dispatch(a, effOpen);
                m_host.Dispatch(a, effSetSampleRate, 0, 0, nullptr, 48000.0f);
                m_host.Dispatch(a, effMainsChanged, 0, 1);
                m_host.Process(a, {TestHost::Midi(0, 0x90, 60, 100)}, 512);
                if (end == End::UnloadThenExit) {
                    if (!m_host.Unload()) std::_Exit(4);
                    if (!StillMapped()) std::_Exit(5);
                }
                std::exit(0);
            },
            ::testing::ExitedWithCode(0), "");
    }
}
