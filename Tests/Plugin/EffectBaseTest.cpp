// The effect base as a host sees it: the record, the opcode routing, the host-call wrappers.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <climits>
#include <condition_variable>
#include <cstring>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "Common/Plugin/AudioEffectX.h"

namespace {

std::string Fmt(const char* name, long long a = 0, long long b = 0) {
    return std::string(name) + "(" + std::to_string(a) + "," + std::to_string(b) + ")";
}

class RecordingEditor : public AEffEditor {
public:
    using AEffEditor::AEffEditor;
    std::vector<std::string>* log = nullptr;
    bool getRect(ERect** rect) override {
        log->push_back("getRect");
        *rect = &r;
        return true;
    }
    bool open(void* w) override {
        log->push_back("open");
        AEffEditor::open(w);
        return true;
    }
    void close() override { log->push_back("close"); }
    void idle() override { log->push_back("idle"); }
    VstInt32 mouse(VstInt32 x, VstIntPtr y) override {
        log->push_back(Fmt("mouse", x, y));
        return 7;
    }
    bool onKeyDown(VstKeyCode& k) override {
        log->push_back(Fmt("onKeyDown", k.character, k.virt * 1000 + k.modifier));
        return true;
    }
    bool onKeyUp(VstKeyCode& k) override {
        log->push_back(Fmt("onKeyUp", k.character, k.virt * 1000 + k.modifier));
        return true;
    }
    bool setKnobMode(VstInt32 m) override {
        log->push_back(Fmt("setKnobMode", m));
        return true;
    }
    ERect r{};
};

class Recorder : public AudioEffectX {
public:
    Recorder(audioMasterCallback cb, bool* destroyed = nullptr)
        : AudioEffectX(cb, 16, 4), m_destroyed(destroyed) {}
    ~Recorder() override {
        if (m_destroyed != nullptr) *m_destroyed = true;
    }
    std::vector<std::string> log;

    void processReplacing(float**, float**, VstInt32 n) override {
        log.push_back(Fmt("processReplacing", n));
    }
    void process(float**, float**, VstInt32 n) override { log.push_back(Fmt("process", n)); }
    void open() override { log.push_back("open"); }
    void close() override { log.push_back("close"); }
    void suspend() override { log.push_back("suspend"); }
    void resume() override { log.push_back("resume"); }
    void setProgram(VstInt32 p) override { log.push_back(Fmt("setProgram", p)); }
    VstInt32 getProgram() override { return 42; }
    void getProgramName(char* n) override {
        log.push_back("getProgramName");
        std::strcpy(n, "P");
    }
    void getParameterName(VstInt32 i, char* t) override {
        log.push_back(Fmt("getParameterName", i));
        *t = 0;
    }
    void getParameterLabel(VstInt32 i, char* t) override {
        log.push_back(Fmt("getParameterLabel", i));
        *t = 0;
    }
    void getParameterDisplay(VstInt32 i, char* t) override {
        log.push_back(Fmt("getParameterDisplay", i));
        *t = 0;
    }
    void setParameter(VstInt32 i, float v) override {
        log.push_back(Fmt("setParameter", i, (long long)(v * 100)));
    }
    void setSampleRate(float r) override { log.push_back(Fmt("setSampleRate", (long long)r)); }
    void setBlockSize(VstInt32 s) override { log.push_back(Fmt("setBlockSize", s)); }
    VstInt32 getChunk(void** d, bool preset) override {
        log.push_back(Fmt("getChunk", preset));
        *d = nullptr;
        return 9;
    }
    VstInt32 setChunk(void*, VstInt32 size, bool preset) override {
        log.push_back(Fmt("setChunk", size, preset));
        return 1;
    }
    VstInt32 processEvents(VstEvents* e) override {
        log.push_back(Fmt("processEvents", e->numEvents));
        return 1;
    }
    bool canParameterBeAutomated(VstInt32 i) override {
        log.push_back(Fmt("canParameterBeAutomated", i));
        return true;
    }
    bool getProgramNameIndexed(VstInt32 c, VstInt32 i, char* t) override {
        log.push_back(Fmt("getProgramNameIndexed", c, i));
        *t = 0;
        return true;
    }
    bool setBypass(bool b) override {
        log.push_back(Fmt("setBypass", b));
        return false;
    }
    bool getEffectName(char* t) override {
        log.push_back("getEffectName");
        *t = 0;
        return true;
    }
    bool getVendorString(char* t) override {
        log.push_back("getVendorString");
        *t = 0;
        return true;
    }
    bool getProductString(char* t) override {
        log.push_back("getProductString");
        *t = 0;
        return true;
    }
    VstInt32 getVendorVersion() override { return 0x1234; }
    VstIntPtr vendorSpecific(VstInt32 a, VstIntPtr b, void*, float o) override {
        log.push_back(Fmt("vendorSpecific", a, b * 10 + (long long)o));
        return 5;
    }
    VstInt32 canDo(char* t) override {
        log.push_back(std::string("canDo:") + t);
        return 1;
    }
    void setBlockSizeAndSampleRate(VstInt32 s, float r) override {
        log.push_back(Fmt("setBlockSizeAndSampleRate", s, (long long)r));
    }
    bool keysRequired() override { return true; }

private:
    bool* m_destroyed;
};

struct HostCall {
    VstInt32 opcode, index;
    VstIntPtr value;
    float opt;
};
std::vector<HostCall> g_calls;
VstIntPtr g_answer = 0;
VstIntPtr RecordingHost(AEffect*, VstInt32 opcode, VstInt32 index, VstIntPtr value, void*, float opt) {
    g_calls.push_back(HostCall{opcode, index, value, opt});
    return g_answer;
}

VstIntPtr Dispatch(AudioEffect& e, VstInt32 op, VstInt32 index = 0, VstIntPtr value = 0, void* ptr = nullptr,
                   float opt = 0) {
    AEffect* a = e.getAeffect();
    return a->dispatcher(a, op, index, value, ptr, opt);
}

}  // namespace

TEST(EffectBase, RecordIsFilledAsHostsReadIt) {
    Recorder r(RecordingHost);
    AEffect* a = r.getAeffect();
    EXPECT_EQ(a->magic, VstFourCC('V', 's', 't', 'P'));
    EXPECT_EQ(a->numPrograms, 16);
    EXPECT_EQ(a->numParams, 4);
    EXPECT_EQ(a->numInputs, 1);
    EXPECT_EQ(a->numOutputs, 2);
    EXPECT_EQ(a->flags, effFlagsCanReplacing);
    EXPECT_EQ(a->ioRatio, 1.0f);
    EXPECT_EQ(a->object, &r);
    EXPECT_EQ(a->uniqueID, VstFourCC('N', 'o', 'E', 'f'));
    EXPECT_EQ(a->version, 1);
    EXPECT_EQ(r.getSampleRate(), 44100.0f);
    EXPECT_EQ(r.getBlockSize(), 1024);

    // The host's own fields stay as the host set them through every setter.
    a->resvd1 = 0x1111;
    a->resvd2 = 0x2222;
    a->user = &r;
    r.isSynth(true);
    r.programsAreChunks(true);
    r.setUniqueID(77);
    r.setNumInputs(2);
    AEffEditor editor(&r);
    r.setEditor(&editor);
    EXPECT_EQ(a->flags, effFlagsCanReplacing | effFlagsIsSynth | effFlagsProgramChunks | effFlagsHasEditor);
    r.setEditor(nullptr);
    EXPECT_EQ(a->flags & effFlagsHasEditor, 0);
    EXPECT_EQ(a->resvd1, 0x1111);
    EXPECT_EQ(a->resvd2, 0x2222);
    EXPECT_EQ(a->user, &r);
    EXPECT_EQ(a->uniqueID, 77);
}

TEST(EffectBase, EntryFunctionsReachTheVirtuals) {
    Recorder r(RecordingHost);
    AEffect* a = r.getAeffect();
    a->processReplacing(a, nullptr, nullptr, 64);
    a->process(a, nullptr, nullptr, 32);
    a->setParameter(a, 2, 0.5f);
    EXPECT_EQ(a->getParameter(a, 2), 0.0f);
    EXPECT_EQ(r.log,
              (std::vector<std::string>{"processReplacing(64,0)", "process(32,0)", "setParameter(2,50)"}));
    // A record that is not ours is ignored.
    AEffect foreign{};
    EXPECT_EQ(a->dispatcher(&foreign, effGetVstVersion, 0, 0, nullptr, 0), 0);
}

TEST(EffectBase, DispatcherRoutesEachOpcode) {
    Recorder r(RecordingHost);
    char text[256] = {};
    void* chunk = nullptr;
    ERect* rect = nullptr;
    struct Row {
        VstInt32 op, index;
        VstIntPtr value;
        void* ptr;
        float opt;
        const char* call;  // nullptr: none
        VstIntPtr result;
    };
    const char canDoText[] = "receiveVstMidiEvent";
    std::strcpy(text, canDoText);
    VstEvents events{};
    events.numEvents = 3;
    const Row rows[] = {
        {effOpen, 0, 0, nullptr, 0, "open", 0},
        {effSetProgram, 0, 5, nullptr, 0, "setProgram(5,0)", 0},
        {effSetProgram, 0, 16, nullptr, 0, nullptr, 0},  // past the programs
        {effSetProgram, 0, -1, nullptr, 0, nullptr, 0},  // negative
        {effGetProgram, 0, 0, nullptr, 0, nullptr, 42},
        {effGetProgramName, 0, 0, text, 0, "getProgramName", 0},
        {effGetProgramName, 0, 0, nullptr, 0, nullptr, 0},
        {effGetParamLabel, 3, 0, text, 0, "getParameterLabel(3,0)", 0},
        {effGetParamDisplay, 2, 0, text, 0, "getParameterDisplay(2,0)", 0},
        {effGetParamName, 1, 0, text, 0, "getParameterName(1,0)", 0},
        {effGetVu, 0, 0, nullptr, 0, nullptr, 0},
        {effSetSampleRate, 0, 0, nullptr, 48000, "setSampleRate(48000,0)", 0},
        {effSetBlockSize, 0, 256, nullptr, 0, "setBlockSize(256,0)", 0},
        {effMainsChanged, 0, 0, nullptr, 0, "suspend", 0},
        {effMainsChanged, 0, 1, nullptr, 0, "resume", 0},
        {effEditGetRect, 0, 0, &rect, 0, nullptr, 0},  // no editor
        {effIdentify, 0, 0, nullptr, 0, nullptr, VstFourCC('N', 'v', 'E', 'f')},
        {effGetChunk, 1, 0, &chunk, 0, "getChunk(1,0)", 9},
        {effGetChunk, 0, 0, nullptr, 0, nullptr, 0},
        {effSetChunk, 0, 300, text, 0, "setChunk(300,0)", 1},
        {effSetChunk, 1, (VstIntPtr)INT_MAX + 1, text, 0, nullptr, 0},
        {effSetChunk, 1, -4, text, 0, nullptr, 0},
        {effProcessEvents, 0, 0, &events, 0, "processEvents(3,0)", 1},
        {effProcessEvents, 0, 0, nullptr, 0, nullptr, 0},
        {effCanBeAutomated, 7, 0, nullptr, 0, "canParameterBeAutomated(7,0)", 1},
        {effGetProgramNameIndexed, 4, 9, text, 0, "getProgramNameIndexed(9,4)", 1},
        {effGetPlugCategory, 0, 0, nullptr, 0, nullptr, kPlugCategUnknown},
        {effSetBlockSizeAndSampleRate, 0, 512, nullptr, 96000, "setBlockSizeAndSampleRate(512,96000)", 0},
        {effSetBypass, 0, 1, nullptr, 0, "setBypass(1,0)", 0},
        {effGetEffectName, 0, 0, text, 0, "getEffectName", 1},
        {effGetVendorString, 0, 0, text, 0, "getVendorString", 1},
        {effGetProductString, 0, 0, text, 0, "getProductString", 1},
        {effGetVendorVersion, 0, 0, nullptr, 0, nullptr, 0x1234},
        {effVendorSpecific, 3, 2, text, 1, "vendorSpecific(3,21)", 5},
        {effGetVstVersion, 0, 0, nullptr, 0, nullptr, 2400},
        {effKeysRequired, 0, 0, nullptr, 0, nullptr, 1},
        {effGetCurrentMidiProgram, 0, 0, nullptr, 0, nullptr, -1},
        {effGetNumProgramCategories, 0, 0, nullptr, 0, nullptr, 1},
        {effSetTotalSampleToProcess, 0, 777, nullptr, 0, nullptr, 777},
        {effEditKeyDown, 65, 3, nullptr, 2, nullptr, 0},  // no editor
        {effShellGetNextPlugin, 0, 0, text, 0, nullptr, 0},
        {1234, 0, 0, nullptr, 0, nullptr, 0},  // unknown
    };
    for (const Row& row : rows) {
        r.log.clear();
        if (row.ptr == text && row.op != effSetChunk && row.op != effVendorSpecific)
            std::strcpy(text, canDoText);
        EXPECT_EQ(Dispatch(r, row.op, row.index, row.value, row.ptr, row.opt), row.result)
            << "opcode " << row.op;
        if (row.call != nullptr)
            EXPECT_EQ(r.log, std::vector<std::string>{row.call}) << "opcode " << row.op;
        else
            EXPECT_TRUE(r.log.empty()) << "opcode " << row.op << " called " << r.log.front();
    }
    r.log.clear();
    std::strcpy(text, canDoText);
    EXPECT_EQ(Dispatch(r, effCanDo, 0, 0, text), 1);
    EXPECT_EQ(r.log, std::vector<std::string>{"canDo:receiveVstMidiEvent"});
    r.isSynth(true);
    EXPECT_EQ(Dispatch(r, effGetPlugCategory), kPlugCategSynth);
}

TEST(EffectBase, EditorOpcodesGoToTheEditor) {
    Recorder r(RecordingHost);
    auto* e = new RecordingEditor(&r);
    e->log = &r.log;
    r.setEditor(e);
    ERect* rect = nullptr;
    int window = 0;
    EXPECT_EQ(Dispatch(r, effEditGetRect, 0, 0, &rect), 1);
    EXPECT_EQ(rect, &e->r);
    EXPECT_EQ(Dispatch(r, effEditGetRect, 0, 0, nullptr), 0);
    EXPECT_EQ(Dispatch(r, effEditOpen, 0, 0, nullptr), 0);
    EXPECT_EQ(Dispatch(r, effEditOpen, 0, 0, &window), 1);
    EXPECT_TRUE(e->isOpen());
    EXPECT_EQ(Dispatch(r, effEditMouse, 3, 4), 7);
    EXPECT_EQ(Dispatch(r, effEditIdle), 0);
    EXPECT_EQ(Dispatch(r, effEditKeyDown, 'a', 37, nullptr, 8), 1);
    EXPECT_EQ(Dispatch(r, effEditKeyUp, 'b', 38, nullptr, 1), 1);
    EXPECT_EQ(Dispatch(r, effSetEditKnobMode, 0, 2), 1);
    EXPECT_EQ(Dispatch(r, effEditClose), 0);
    EXPECT_EQ(r.log, (std::vector<std::string>{"getRect", "open", "mouse(3,4)", "idle", "onKeyDown(97,37008)",
                                               "onKeyUp(98,38001)", "setKnobMode(2,0)", "close"}));
}

TEST(EffectBase, CloseThroughTheEntryDeletesTheEffect) {
    bool destroyed = false;
    auto* r = new Recorder(RecordingHost, &destroyed);
    AEffect* a = r->getAeffect();
    EXPECT_EQ(a->dispatcher(a, effClose, 0, 0, nullptr, 0), 1);
    EXPECT_TRUE(destroyed);
}

namespace {

// What a host thread's call saw of an effect that the host closed meanwhile (outlives the effect).
struct CallInFlight {
    std::mutex lock;
    std::condition_variable cv;
    bool inside = false;
    bool released = false;
    std::atomic<bool> closeReached{false};
    std::atomic<bool> destroyed{false};
    std::atomic<bool> destroyedWhileInside{false};
    std::atomic<int> refusedReached{0};
};

// An effect whose chunk call waits until the test releases it.
class SlowChunkEffect : public AudioEffectX {
public:
    explicit SlowChunkEffect(CallInFlight& s) : AudioEffectX(nullptr, 1, 1), m_s(s) {}
    ~SlowChunkEffect() override { m_s.destroyed = true; }
    void processReplacing(float**, float**, VstInt32) override { ++m_s.refusedReached; }
    float getParameter(VstInt32) override {
        ++m_s.refusedReached;
        return 0.5f;
    }
    VstInt32 getVstVersion() override {
        ++m_s.refusedReached;
        return 2400;
    }
    void close() override { m_s.closeReached = true; }
    VstInt32 getChunk(void** data, bool) override {
        std::unique_lock<std::mutex> l(m_s.lock);
        m_s.inside = true;
        m_s.cv.notify_all();
        m_s.cv.wait(l, [&] { return m_s.released; });
        if (m_s.destroyed) m_s.destroyedWhileInside = true;
        *data = nullptr;
        return 5;
    }

private:
    CallInFlight& m_s;
};

}  // namespace

// The host closes the effect on one thread while another is inside a chunk call: the close waits
// until that call has left the effect, and a call that comes in meanwhile is refused without reaching
// it.
TEST(EffectBaseThreaded, CloseWaitsForCallsInFlightAndRefusesNewOnes) {
    CallInFlight s;
    AEffect* a = (new SlowChunkEffect(s))->getAeffect();
    std::atomic<VstIntPtr> chunkSize{-1};
    std::atomic<bool> closed{false};
    auto release = [&] {
        std::lock_guard<std::mutex> l(s.lock);
        s.released = true;
        s.cv.notify_all();
    };
    std::thread chunk([&] {
        void* data = nullptr;
        chunkSize = a->dispatcher(a, effGetChunk, 0, 0, &data, 0);
    });
    {
        std::unique_lock<std::mutex> l(s.lock);
        s.cv.wait(l, [&] { return s.inside; });
    }
    std::thread closer([&] {
        a->dispatcher(a, effClose, 0, 0, nullptr, 0);
        closed = true;
    });
    struct Join {
        std::function<void()> release;
        std::thread& a;
        std::thread& b;
        ~Join() {
            release();
            if (a.joinable()) a.join();
            if (b.joinable()) b.join();
        }
    } join{release, chunk, closer};
    while (!s.closeReached) std::this_thread::yield();
    // Long enough for a close that does not wait to have deleted the effect.
    for (int i = 0; i < 200 && !s.destroyed; ++i) std::this_thread::sleep_for(std::chrono::milliseconds(1));
    ASSERT_FALSE(s.destroyed) << "the effect went while a host call was inside it";
    EXPECT_FALSE(closed);
    // Refused while the close waits: nothing reached, nothing answered.
    float* outs[2] = {nullptr, nullptr};
    EXPECT_EQ(a->dispatcher(a, effGetVstVersion, 0, 0, nullptr, 0), 0);
    EXPECT_EQ(a->getParameter(a, 0), 0.0f);
    a->processReplacing(a, nullptr, outs, 0);
    EXPECT_EQ(s.refusedReached.load(), 0);

    release();
    chunk.join();
    closer.join();
    EXPECT_EQ(chunkSize.load(), 5);
    EXPECT_TRUE(closed);
    EXPECT_TRUE(s.destroyed);
    EXPECT_FALSE(s.destroyedWhileInside);
}

TEST(EffectBase, HostCallWrappersUseTheirOpcodes) {
    Recorder r(RecordingHost);
    g_calls.clear();
    g_answer = 0;
    char text[64];
    struct Row {
        std::function<void()> call;
        HostCall expected;
    };
    const Row rows[] = {
        {[&] { EXPECT_EQ(r.getMasterVersion(), 1); }, {audioMasterVersion, 0, 0, 0}},
        {[&] { r.getCurrentUniqueId(); }, {audioMasterCurrentId, 0, 0, 0}},
        {[&] { r.masterIdle(); }, {audioMasterIdle, 0, 0, 0}},
        {[&] { EXPECT_TRUE(r.isInputConnected(3)); }, {audioMasterPinConnected, 3, 0, 0}},
        {[&] { EXPECT_TRUE(r.isOutputConnected(1)); }, {audioMasterPinConnected, 1, 1, 0}},
        {[&] { r.setParameterAutomated(2, 0.25f); }, {audioMasterAutomate, 2, 0, 0.25f}},
        {[&] { r.wantEvents(1); }, {audioMasterWantMidi, 0, 1, 0}},
        {[&] { r.getTimeInfo(0x200); }, {audioMasterGetTime, 0, 0x200, 0}},
        {[&] { r.tempoAt(10); }, {audioMasterTempoAt, 0, 10, 0}},
        {[&] { r.ioChanged(); }, {audioMasterIOChanged, 0, 0, 0}},
        {[&] { r.sizeWindow(640, 480); }, {audioMasterSizeWindow, 640, 480, 0}},
        {[&] { EXPECT_EQ(r.updateSampleRate(), 44100.0); }, {audioMasterGetSampleRate, 0, 0, 0}},
        {[&] { EXPECT_EQ(r.updateBlockSize(), 1024); }, {audioMasterGetBlockSize, 0, 0, 0}},
        {[&] { r.getHostProductString(text); }, {audioMasterGetProductString, 0, 0, 0}},
        {[&] { r.getHostVendorString(text); }, {audioMasterGetVendorString, 0, 0, 0}},
        {[&] { r.updateDisplay(); }, {audioMasterUpdateDisplay, 0, 0, 0}},
        {[&] { r.beginEdit(4); }, {audioMasterBeginEdit, 4, 0, 0}},
        {[&] { r.endEdit(4); }, {audioMasterEndEdit, 4, 0, 0}},
        {[&] { r.setOutputSamplerate(22050); }, {audioMasterSetOutputSampleRate, 0, 0, 22050}},
        {[&] { r.getHostLanguage(); }, {audioMasterGetLanguage, 0, 0, 0}},
    };
    for (const Row& row : rows) {
        g_calls.clear();
        r.log.clear();
        row.call();
        ASSERT_EQ(g_calls.size(), 1u) << "opcode " << row.expected.opcode;
        EXPECT_EQ(g_calls[0].opcode, row.expected.opcode);
        EXPECT_EQ(g_calls[0].index, row.expected.index) << "opcode " << row.expected.opcode;
        EXPECT_EQ(g_calls[0].value, row.expected.value) << "opcode " << row.expected.opcode;
        EXPECT_EQ(g_calls[0].opt, row.expected.opt) << "opcode " << row.expected.opcode;
    }
    // setParameterAutomated sets the value before telling the host.
    g_calls.clear();
    r.log.clear();
    r.setParameterAutomated(1, 0.5f);
    EXPECT_EQ(r.log, std::vector<std::string>{"setParameter(1,50)"});
    EXPECT_EQ(g_calls.size(), 1u);

    // Positive host answers become the rate and the size.
    g_answer = 48000;
    EXPECT_EQ(r.updateSampleRate(), 48000.0);
    g_answer = 0;
    EXPECT_FALSE(r.openFileSelector(nullptr));
    EXPECT_FALSE(r.closeFileSelector(nullptr));
}

TEST(EffectBase, WithoutACallbackHostCallsAnswerNothing) {
    Recorder r(nullptr);
    char text[64] = "unchanged";
    EXPECT_EQ(r.getMasterVersion(), 1);
    EXPECT_EQ(r.getCurrentUniqueId(), 0);
    EXPECT_TRUE(r.isInputConnected(0));
    EXPECT_TRUE(r.isOutputConnected(0));
    EXPECT_FALSE(r.getHostProductString(text));
    EXPECT_STREQ(text, "");
    EXPECT_FALSE(r.beginEdit(0));
    EXPECT_FALSE(r.updateDisplay());
    EXPECT_EQ(r.getTimeInfo(0), nullptr);
    r.setParameterAutomated(0, 1.0f);
    EXPECT_EQ(r.log, std::vector<std::string>{"setParameter(0,100)"});
}

TEST(EffectBase, HostProductTextIsCutToSixtyThreeCharacters) {
    static const std::string kLong(200, 'x');
    Recorder r([](AEffect*, VstInt32 opcode, VstInt32, VstIntPtr, void* ptr, float) -> VstIntPtr {
        if (opcode != audioMasterGetProductString) return 0;
        std::memcpy(ptr, kLong.c_str(), 200);  // a host that writes past 64 bytes
        return 1;
    });
    char text[64];
    EXPECT_TRUE(r.getHostProductString(text));
    EXPECT_EQ(std::string(text), std::string(63, 'x'));
}

TEST(EffectBase, TextConversionsFitTheirBuffers) {
    Recorder r(nullptr);
    char text[9];
    r.dB2string(0.0f, text, sizeof text);
    EXPECT_STREQ(text, "-oo");
    r.dB2string(1.0f, text, sizeof text);
    EXPECT_STREQ(text, "0.00");
    r.int2string(123456789, text, sizeof text);
    EXPECT_STREQ(text, "Huge!");
    r.float2string(12345.678f, text, 6);
    EXPECT_STREQ(text, "12345");
    r.ms2string(44100.0f, text, sizeof text);
    EXPECT_STREQ(text, "1000.00");
}
