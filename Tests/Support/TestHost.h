#pragma once
// A VST host for tests: loads the plug-in's shared object with dlopen and drives it as hosts do
// (scan, instantiate, audio blocks with MIDI events, chunks, programs, parameters, close), recording
// every call the plug-in makes back, with the thread it came on.
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "Common/Plugin/VstAbi.h"

class TestHost {
public:
    struct Call {
        VstInt32 opcode;
        VstInt32 index;
        VstIntPtr value;
        float opt;
        std::thread::id thread;
    };
    struct ScanResult {
        bool instantiated = false;
        std::string name, vendor, product;
        VstIntPtr category = -1;
        VstIntPtr vstVersion = 0;
        VstInt32 uniqueID = 0, inputs = 0, outputs = 0, flags = 0;
        std::vector<std::string> canDo;  // the capabilities answered with 1
    };

    explicit TestHost(std::string product = "Test Host");
    ~TestHost();
    TestHost(const TestHost&) = delete;
    TestHost& operator=(const TestHost&) = delete;

    bool Load(const std::string& path);
    // dlclose; false when it failed.
    bool Unload();
    bool Loaded() const { return m_handle != nullptr; }
    // True when the object exports exactly these entries.
    bool HasEntry(const char* name) const;

    // VSTPluginMain (or "main") with our callback.
    AEffect* Instantiate(const char* entry = "VSTPluginMain");
    void* CreateInstance(int model);
    void Close(AEffect* effect);

    VstIntPtr Dispatch(AEffect* effect, VstInt32 opcode, VstInt32 index = 0, VstIntPtr value = 0,
                       void* ptr = nullptr, float opt = 0.0f);
    // What a scanner does: open, identify, close.
    ScanResult Scan();
    // Hands the events over and renders one block into zeroed-checked outputs; false when the plug-in
    // left anything but silence.
    static bool Process(AEffect* effect, const std::vector<VstMidiEvent>& events, int frames);
    // A host callback for effects made in the test's own process: it answers the version query and
    // gives an empty product string; every other call gets 0.
    static VstIntPtr QuietCallback(AEffect* effect, VstInt32 opcode, VstInt32 index, VstIntPtr value,
                                   void* ptr, float opt);
    static VstMidiEvent Midi(int delta, unsigned char status, unsigned char data1 = 0,
                             unsigned char data2 = 0);

    std::vector<Call> Calls();
    void ClearCalls();
    void SetVersionAnswer(VstIntPtr version) { m_version = version; }
    void SetProduct(const std::string& product) { m_product = product; }

    // Threads of this process (the entries of /proc/self/task).
    static int ThreadCount();
    // The thread count once it has come down to expected, or as it is after waitMs: a thread that
    // was joined can still be listed for a moment while the kernel finishes its exit.
    static int ThreadCountSettled(int expected, int waitMs = 5000);

private:
    static VstIntPtr Callback(AEffect* effect, VstInt32 opcode, VstInt32 index, VstIntPtr value, void* ptr,
                              float opt);

    void* m_handle = nullptr;
    std::string m_product;
    VstIntPtr m_version = 2400;
    std::mutex m_lock;
    std::vector<Call> m_calls;
};
