#include "TestHost.h"

#include <dirent.h>
#include <dlfcn.h>

#include <atomic>
#include <chrono>
#include <cstring>
#include <thread>

namespace {
// The callback has no user pointer before the effect exists: one host at a time.
std::atomic<TestHost*> g_host{nullptr};
using Entry = AEffect* (*)(audioMasterCallback);
using CreateEntry = void* (*)(int, audioMasterCallback);
}  // namespace

TestHost::TestHost(std::string product) : m_product(std::move(product)) {
    g_host.store(this);
}

TestHost::~TestHost() {
    Unload();
    TestHost* self = this;
    g_host.compare_exchange_strong(self, nullptr);
}

bool TestHost::Load(const std::string& path) {
    m_handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    return m_handle != nullptr;
}

bool TestHost::Unload() {
    if (m_handle == nullptr) return true;
    const bool ok = dlclose(m_handle) == 0;
    m_handle = nullptr;
    return ok;
}

bool TestHost::HasEntry(const char* name) const {
    return m_handle != nullptr && dlsym(m_handle, name) != nullptr;
}

VstIntPtr TestHost::Callback(AEffect*, VstInt32 opcode, VstInt32 index, VstIntPtr value, void* ptr,
                             float opt) {
    TestHost* host = g_host.load();
    if (host == nullptr) return 0;
    {
        std::lock_guard<std::mutex> l(host->m_lock);
        host->m_calls.push_back(Call{opcode, index, value, opt, std::this_thread::get_id()});
    }
    switch (opcode) {
        case audioMasterVersion:
            return host->m_version;
        case audioMasterGetProductString:
            if (ptr != nullptr) std::strncpy(static_cast<char*>(ptr), host->m_product.c_str(), 63);
            return 1;
        case audioMasterGetVendorString:
            if (ptr != nullptr) std::strcpy(static_cast<char*>(ptr), "Test Vendor");
            return 1;
        case audioMasterGetSampleRate:
            return 48000;
        case audioMasterGetBlockSize:
            return 512;
        default:
            return 0;
    }
}

AEffect* TestHost::Instantiate(const char* entry) {
    if (m_handle == nullptr) return nullptr;
    auto main = reinterpret_cast<Entry>(dlsym(m_handle, entry));
    return main != nullptr ? main(Callback) : nullptr;
}

void* TestHost::CreateInstance(int model) {
    if (m_handle == nullptr) return nullptr;
    auto create = reinterpret_cast<CreateEntry>(dlsym(m_handle, "QnEditorCreateEffectInstance"));
    return create != nullptr ? create(model, Callback) : nullptr;
}

void TestHost::Close(AEffect* effect) {
    if (effect != nullptr) effect->dispatcher(effect, effClose, 0, 0, nullptr, 0.0f);
}

VstIntPtr TestHost::Dispatch(AEffect* effect, VstInt32 opcode, VstInt32 index, VstIntPtr value, void* ptr,
                             float opt) {
    return effect->dispatcher(effect, opcode, index, value, ptr, opt);
}

TestHost::ScanResult TestHost::Scan() {
    ScanResult result;
    AEffect* effect = Instantiate();
    if (effect == nullptr || effect->magic != kEffectMagic) return result;
    result.instantiated = true;
    Dispatch(effect, effOpen);
    result.vstVersion = Dispatch(effect, effGetVstVersion);
    char text[256] = {};
    Dispatch(effect, effGetEffectName, 0, 0, text);
    result.name = text;
    std::memset(text, 0, sizeof text);
    Dispatch(effect, effGetVendorString, 0, 0, text);
    result.vendor = text;
    std::memset(text, 0, sizeof text);
    Dispatch(effect, effGetProductString, 0, 0, text);
    result.product = text;
    result.category = Dispatch(effect, effGetPlugCategory);
    for (const char* what : {"sendVstEvents", "sendVstMidiEvent", "sendVstMidiEvents", "receiveVstEvents",
                             "receiveVstMidiEvent", "receiveVstTimeInfo", "bypass", "offline"}) {
        std::string copy = what;
        if (Dispatch(effect, effCanDo, 0, 0, copy.data()) == 1) result.canDo.push_back(what);
    }
    result.uniqueID = effect->uniqueID;
    result.inputs = effect->numInputs;
    result.outputs = effect->numOutputs;
    result.flags = effect->flags;
    Dispatch(effect, effMainsChanged, 0, 0);
    Close(effect);
    return result;
}

VstIntPtr TestHost::QuietCallback(AEffect*, VstInt32 opcode, VstInt32, VstIntPtr, void* ptr, float) {
    if (opcode == audioMasterVersion) return 2400;
    if (opcode == audioMasterGetProductString && ptr != nullptr) static_cast<char*>(ptr)[0] = 0;
    return 0;
}

VstMidiEvent TestHost::Midi(int delta, unsigned char status, unsigned char data1, unsigned char data2) {
    VstMidiEvent e{};
    e.type = kVstMidiType;
    e.byteSize = sizeof e;
    e.deltaFrames = delta;
    e.midiData[0] = static_cast<char>(status);
    e.midiData[1] = static_cast<char>(data1);
    e.midiData[2] = static_cast<char>(data2);
    return e;
}

bool TestHost::Process(AEffect* effect, const std::vector<VstMidiEvent>& events, int frames) {
    std::vector<VstMidiEvent> copies = events;
    std::vector<char> storage(sizeof(VstEvents) + copies.size() * sizeof(VstEvent*));
    auto* list = reinterpret_cast<VstEvents*>(storage.data());
    list->numEvents = static_cast<VstInt32>(copies.size());
    for (size_t i = 0; i < copies.size(); ++i) list->events[i] = reinterpret_cast<VstEvent*>(&copies[i]);
    if (!copies.empty()) effect->dispatcher(effect, effProcessEvents, 0, 0, list, 0.0f);
    std::vector<float> left(static_cast<size_t>(frames), 0.5f), right(static_cast<size_t>(frames), 0.5f);
    float* outputs[2] = {left.data(), right.data()};
    effect->processReplacing(effect, nullptr, outputs, frames);
    for (size_t i = 0; i < left.size(); ++i)
        if (left[i] != 0.0f || right[i] != 0.0f) return false;
    return true;
}

std::vector<TestHost::Call> TestHost::Calls() {
    std::lock_guard<std::mutex> l(m_lock);
    return m_calls;
}

void TestHost::ClearCalls() {
    std::lock_guard<std::mutex> l(m_lock);
    m_calls.clear();
}

int TestHost::ThreadCount() {
    int count = 0;
    if (DIR* dir = opendir("/proc/self/task")) {
        while (dirent* entry = readdir(dir))
            if (entry->d_name[0] != '.') ++count;
        closedir(dir);
    }
    return count;
}

int TestHost::ThreadCountSettled(int expected, int waitMs) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(waitMs);
    int count = ThreadCount();
    while (count > expected && std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
        count = ThreadCount();
    }
    return count;
}
