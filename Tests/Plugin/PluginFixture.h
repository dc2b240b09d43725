#pragma once
// A host in the test's own process: effects made through the plug-in's entry on the test thread's
// loop, over the recording synthesizer, with their lock files in a folder of the test's own.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "Common/Plugin/QorVst.h"
#include "FakeRemoteSynth.h"
#include "Linux/RunLoop.h"
#include "Support/TestHost.h"

struct RecordedHostCall {
    VstInt32 opcode;
    VstInt32 index;
    VstIntPtr value;
    float opt;
    std::thread::id thread;
};

struct InProcessHost {
    static inline std::string product = "Test Host";
    static inline VstIntPtr version = 2400;
    static inline std::mutex lock;
    static inline std::vector<RecordedHostCall> calls;

    static VstIntPtr Callback(AEffect*, VstInt32 opcode, VstInt32 index, VstIntPtr value, void* ptr,
                              float opt) {
        {
            std::lock_guard<std::mutex> l(lock);
            calls.push_back(RecordedHostCall{opcode, index, value, opt, std::this_thread::get_id()});
        }
        switch (opcode) {
            case audioMasterVersion:
                return version;
            case audioMasterGetProductString:
                std::strcpy(static_cast<char*>(ptr), product.c_str());
                return 1;
            default:
                return 0;
        }
    }
    static int Count(VstInt32 opcode) {
        std::lock_guard<std::mutex> l(lock);
        int n = 0;
        for (const auto& c : calls) n += c.opcode == opcode;
        return n;
    }
};

class PluginTest : public ::testing::Test {
protected:
    void SetUp() override {
        char pattern[] = "/tmp/tolva-plugin-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        m_dir = pattern;
        CAtomicInstance::SetFolder(m_dir);
        QorVst::SetSynthFactory(
            [](unsigned char model) -> QorX0::IRemoteSynth* { return new FakeRemoteSynth(model); });
        InProcessHost::product = "Test Host";
        InProcessHost::version = 2400;
        InProcessHost::calls.clear();
    }
    void TearDown() override {
        for (AEffect* a : m_open) a->dispatcher(a, effClose, 0, 0, nullptr, 0);
        m_open.clear();
        QorVst::SetSynthFactory(nullptr);
        SetPluginEditorHooks(nullptr);
        CAtomicInstance::SetFolder("");
        std::filesystem::remove_all(m_dir);
    }

    AEffect* Open(int model = 1) {
        void* made = QorVst::CreateInstance(model, InProcessHost::Callback);
        auto* effect = static_cast<AEffect*>(made);
        if (effect != nullptr && effect->magic == kEffectMagic) m_open.push_back(effect);
        return effect;
    }
    void Close(AEffect* a) {
        std::erase(m_open, a);
        EXPECT_EQ(a->dispatcher(a, effClose, 0, 0, nullptr, 0), 1);
    }
    static QorVst* Vst(AEffect* a) { return static_cast<QorVst*>(AudioEffect::FromAEffect(a)); }
    static FakeRemoteSynth* Synth(AEffect* a) {
        return static_cast<FakeRemoteSynth*>(Vst(a)->GetRemoteSynth());
    }
    static VstIntPtr Dispatch(AEffect* a, VstInt32 op, VstInt32 index = 0, VstIntPtr value = 0,
                              void* ptr = nullptr, float opt = 0.0f) {
        return a->dispatcher(a, op, index, value, ptr, opt);
    }
    void Pump() { m_loop.RunPending(); }

    static VstMidiEvent Midi(int delta, unsigned char s, unsigned char d1 = 0, unsigned char d2 = 0) {
        return TestHost::Midi(delta, s, d1, d2);
    }
    // Hands the events over and processes one block, as a host's audio thread does.
    static void Block(AEffect* a, std::vector<VstMidiEvent> events, int frames = 512) {
        ASSERT_TRUE(TestHost::Process(a, events, frames)) << "the outputs were not silent";
    }

    RunLoop m_loop;
    std::string m_dir;
    std::vector<AEffect*> m_open;
};
