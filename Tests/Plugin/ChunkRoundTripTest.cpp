// The project's state through the built plug-in, as a host keeps it: bank and preset chunks handed
// over and asked back, byte for byte, in the instance that took them and in a fresh one, for both
// models; what cannot load is refused and changes nothing. No instrument is connected here, which
// is how hosts usually open a project.
#include <dlfcn.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "Support/KnownStreams.h"
#include "Support/TempConfigHome.h"
#include "Support/TestHost.h"

#ifndef TOLVA_PLUGIN_SO
#error "the plug-in's path is given by the build"
#endif

namespace {

using namespace SynthTest;

class PluginChunks : public ::testing::TestWithParam<unsigned char> {
protected:
    void SetUp() override {
        char pattern[] = "/tmp/tolva-chunks-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        m_dir = pattern;
        setenv("TOLVA_LOCK_DIR", m_dir.c_str(), 1);
        ASSERT_TRUE(m_host.Load(TOLVA_PLUGIN_SO)) << dlerror();
    }
    void TearDown() override {
        EXPECT_TRUE(m_host.Unload());
        unsetenv("TOLVA_LOCK_DIR");
        std::filesystem::remove_all(m_dir);
    }
    AEffect* Open() {
        auto* effect = static_cast<AEffect*>(m_host.CreateInstance(GetParam()));
        if (effect != nullptr) m_host.Dispatch(effect, effOpen);
        return effect;
    }
    std::string Get(AEffect* effect, bool preset) {
        void* data = nullptr;
        const VstIntPtr size = m_host.Dispatch(effect, effGetChunk, preset ? 1 : 0, 0, &data);
        if (size <= 0 || data == nullptr) return std::string();
        return std::string(static_cast<const char*>(data), static_cast<size_t>(size));
    }
    VstIntPtr Set(AEffect* effect, bool preset, const std::string& bytes) {
        return m_host.Dispatch(effect, effSetChunk, preset ? 1 : 0, static_cast<VstIntPtr>(bytes.size()),
                               const_cast<char*>(bytes.data()));
    }

    Sim::TempConfigHome m_config;
    TestHost m_host;
    std::string m_dir;
};

TEST_P(PluginChunks, BankAndPresetChunksComeBackByteForByte) {
    const unsigned char model = GetParam();
    auto known = KnownImage(71);
    const std::string bank = StreamOf(model, *known, QorX0::FTYPE_VSTBANK);
    const std::string preset = StreamOf(model, *known, QorX0::FTYPE_VSTCOMBI);

    AEffect* a = Open();
    ASSERT_NE(a, nullptr);
    // A project saved before anything was handed over holds the empty state.
    const std::string empty(4, '\0');
    EXPECT_EQ(Get(a, false), empty);
    EXPECT_EQ(Get(a, true), empty);
    EXPECT_EQ(Set(a, false, empty), 1);

    EXPECT_EQ(Set(a, false, bank), 1);
    EXPECT_EQ(Get(a, false), bank);
    // What cannot load is refused; the state stays.
    std::string broken = bank.substr(0, bank.size() - 100);
    EXPECT_EQ(Set(a, false, broken), 0);
    EXPECT_EQ(Set(a, true, "not a chunk of ours"), 0);
    EXPECT_EQ(Get(a, false), bank);

    // A preset goes on top of it: the preset comes back, and the bank still holds the bank.
    EXPECT_EQ(Set(a, true, preset), 1);
    EXPECT_EQ(Get(a, true), preset);
    EXPECT_GT(Get(a, false).size(), preset.size());
    m_host.Close(a);

    // A fresh instance restores what the host kept.
    for (const std::string* state : {&bank, &preset}) {
        AEffect* b = Open();
        ASSERT_NE(b, nullptr);
        const bool isPreset = state == &preset;
        EXPECT_EQ(Set(b, isPreset, *state), 1);
        EXPECT_EQ(Get(b, isPreset), *state);
        m_host.Close(b);
    }
}

INSTANTIATE_TEST_SUITE_P(BothModels, PluginChunks, ::testing::Values(1, 9));

}  // namespace
