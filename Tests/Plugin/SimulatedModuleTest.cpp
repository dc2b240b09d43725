// The test build of the plug-in (the simulated instrument on its own loopback, for the programs and
// hosts that load it) as a host meets it: connected at once, and a host that ends without closing
// its effect exits cleanly and leaves no file of the module's behind in its current folder.
#include <dlfcn.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "Support/TestHost.h"

#ifndef TOLVA_SIM_PLUGIN_SO
#error "the test build of the plug-in's path is given by the build"
#endif

namespace {

class SimulatedModule : public ::testing::Test {
protected:
    void SetUp() override {
        char pattern[] = "/tmp/tolva-simso-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        m_dir = pattern;
        std::filesystem::create_directory(m_dir + "/cwd");
        setenv("TOLVA_LOCK_DIR", m_dir.c_str(), 1);
    }
    void TearDown() override {
        unsetenv("TOLVA_LOCK_DIR");
        unsetenv("TOLVA_SIM_REPORT");
        std::filesystem::remove_all(m_dir);
    }
    std::set<std::string> FilesIn(const std::string& dir) {
        std::set<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(dir))
            names.insert(entry.path().filename().string());
        return names;
    }

    std::string m_dir;
};

// What the host asks for a bank chunk: more than the empty state once the instrument's data is in.
size_t BankChunkSize(TestHost& host, AEffect* effect) {
    void* data = nullptr;
    const VstIntPtr size = host.Dispatch(effect, effGetChunk, 0, 0, &data);
    return size > 0 ? static_cast<size_t>(size) : 0;
}

TEST_F(SimulatedModule, AHostThatEndsWithoutClosingItsEffectExitsCleanlyAndLeavesNoFile) {
    // The child is forked from this very test (no module loaded here yet), so it writes where this
    // test looks.
    GTEST_FLAG_SET(death_test_style, "fast");
    enum class End { Exit, UnloadThenExit };
    const struct {
        bool report;
        bool waitConnected;
        End end;
    } cases[] = {{false, true, End::Exit},
                 {true, true, End::Exit},
                 {true, true, End::UnloadThenExit},
                 {true, false, End::Exit},
                 {false, false, End::UnloadThenExit}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "report " << c.report << ", connected " << c.waitConnected
                                        << ", end " << static_cast<int>(c.end));
        const std::string cwd = m_dir + "/cwd";
        const std::string report = m_dir + "/report.txt";
        std::filesystem::remove(report);
        for (const std::string& name : FilesIn(cwd)) std::filesystem::remove_all(cwd + "/" + name);
        if (c.report)
            setenv("TOLVA_SIM_REPORT", report.c_str(), 1);
        else
            unsetenv("TOLVA_SIM_REPORT");
        EXPECT_EXIT(
            {
                if (chdir(cwd.c_str()) != 0) std::_Exit(2);
                TestHost host;
                if (!host.Load(TOLVA_SIM_PLUGIN_SO)) std::_Exit(3);
                AEffect* a = host.Instantiate();
                if (a == nullptr) std::_Exit(4);
                host.Dispatch(a, effOpen);
                host.Dispatch(a, effMainsChanged, 0, 1);
                // Connected: the instrument's data is what a save holds.
                bool connected = !c.waitConnected;
                for (int i = 0; i < 400 && !connected; ++i) {
                    connected = BankChunkSize(host, a) > 4;
                    if (!connected) std::this_thread::sleep_for(std::chrono::milliseconds(50));
                }
                if (!connected) std::_Exit(5);
                // Notes still on their way to the instrument when the host ends: at 1000 Hz the
                // block's events are due over half a second.
                host.Dispatch(a, effSetSampleRate, 0, 0, nullptr, 1000.0f);
                std::vector<VstMidiEvent> notes;
                for (int k = 0; k < 100; ++k) notes.push_back(TestHost::Midi(k * 5, 0x90, 60 + k % 12, 100));
                TestHost::Process(a, notes, 512);
                if (c.end == End::UnloadThenExit && !host.Unload()) std::_Exit(6);
                std::exit(0);
            },
            ::testing::ExitedWithCode(0), "");
        EXPECT_TRUE(FilesIn(cwd).empty());
        if (c.report && c.waitConnected) {
            std::ifstream in(report);
            std::stringstream text;
            text << in.rdbuf();
            EXPECT_NE(text.str().find("inquiries=1\n"), std::string::npos) << text.str();
        }
    }
}

}  // namespace
