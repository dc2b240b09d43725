#include "Host/Component/PluginComponent.h"

#include <dlfcn.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>

#include "Linux/Trace.h"

const char kPluginComponentFile[] = "TolvaPlugInEditor.so";
const char kPluginComponentProduct[] = "Tolva Plug-In EditorHost";
const char kPluginComponentNotFound[] = "Tolva Plug-In Editor.component not found";
const char kPluginComponentRunning[] = "Another copy of the editor for this model is running.";
const char kLoadError[] = "Load Error";
const char kSaveError[] = "Save Error";

namespace {

// The vendor and version the program gives the plug-in when it asks.
const char kHostVendor[] = "Velk";
constexpr VstIntPtr kHostVendorVersion = 1000;

// The effect being instantiated: its callbacks arrive before the host has the effect record.
thread_local CPluginComponent* t_opening = nullptr;

bool IsReadableFile(const std::string& path) {
    struct stat st {};
    return !path.empty() && ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode) &&
           ::access(path.c_str(), R_OK) == 0;
}

std::string Join(const std::string& folder, const std::string& name) {
    if (folder.empty()) return name;
    return folder.back() == '/' ? folder + name : folder + "/" + name;
}

// Copies a text into a host-sized buffer, always terminated.
void CopyText(void* ptr, const char* text, size_t size) {
    if (ptr == nullptr || size == 0) return;
    auto* out = static_cast<char*>(ptr);
    std::strncpy(out, text, size - 1);
    out[size - 1] = 0;
}

// The reason of the last failed call, for the user.
std::string Reason() {
    return std::strerror(errno);
}

bool ReadFile(const std::string& path, std::vector<uint8_t>* bytes, std::string* why) {
    errno = 0;
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        *why = Reason();
        return false;
    }
    bytes->assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    if (in.bad()) *why = Reason();
    return !in.bad();
}

// Writes beside the target, then renames it over, so that a failed write leaves the old file.
bool WriteFile(const std::string& path, const std::vector<uint8_t>& bytes, std::string* why) {
    const std::string temp = path + ".tmp";
    FILE* f = std::fopen(temp.c_str(), "wb");
    if (f == nullptr) {
        *why = Reason();
        return false;
    }
    bool ok = bytes.empty() || std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    ok = ok && std::fflush(f) == 0 && ::fsync(fileno(f)) == 0;
    if (!ok) *why = Reason();
    if (std::fclose(f) != 0 && ok) {
        *why = Reason();
        ok = false;
    }
    if (ok && std::rename(temp.c_str(), path.c_str()) != 0) {
        *why = Reason();
        ok = false;
    }
    if (!ok) std::remove(temp.c_str());
    return ok;
}

}  // namespace

// ---- Finding the plug-in

PluginSearch PluginSearch::FromEnvironment() {
    PluginSearch search;
    if (const char* file = std::getenv("TOLVA_PLUGIN")) search.explicitFile = file;
    if (const char* path = std::getenv("VST_PATH")) search.vstPath = path;
    if (const char* home = std::getenv("HOME")) search.home = home;
    char exe[4096];
    const ssize_t n = ::readlink("/proc/self/exe", exe, sizeof(exe) - 1);
    if (n > 0) {
        exe[n] = 0;
        std::string dir(exe);
        const size_t slash = dir.rfind('/');
        search.programDir = slash == std::string::npos ? std::string(".") : dir.substr(0, slash);
    }
    return search;
}

std::vector<std::string> PluginSearch::Candidates() const {
    std::vector<std::string> out;
    if (!explicitFile.empty()) out.push_back(explicitFile);
    if (!programDir.empty()) {
        out.push_back(Join(programDir, kPluginComponentFile));
        out.push_back(Join(Join(programDir, "../lib/vst"), kPluginComponentFile));
    }
    size_t start = 0;
    while (start <= vstPath.size() && !vstPath.empty()) {
        const size_t colon = vstPath.find(':', start);
        const std::string folder =
            vstPath.substr(start, colon == std::string::npos ? std::string::npos : colon - start);
        if (!folder.empty()) out.push_back(Join(folder, kPluginComponentFile));
        if (colon == std::string::npos) break;
        start = colon + 1;
    }
    if (!home.empty()) out.push_back(Join(Join(home, ".vst"), kPluginComponentFile));
    out.push_back(Join("/usr/local/lib/vst", kPluginComponentFile));
    out.push_back(Join("/usr/lib/vst", kPluginComponentFile));
    return out;
}

std::string FindPluginComponent(const PluginSearch& search) {
    for (const std::string& candidate : search.Candidates()) {
        if (IsReadableFile(candidate)) return candidate;
    }
    return {};
}

std::string HeldPluginComponentLock() {
    const char* folder = std::getenv("TOLVA_LOCK_DIR");
    const std::string path =
        Join(folder != nullptr && *folder != 0 ? folder : "/tmp", "com.velk.TolvaPlugInEditor.lock");
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
    if (fd < 0) return {};
    // A holder has it exclusively: even a shared lock is refused.
    int r;
    do {
        r = ::flock(fd, LOCK_SH | LOCK_NB);
    } while (r != 0 && errno == EINTR);
    const bool held = r != 0 && errno == EWOULDBLOCK;
    ::close(fd);
    return held ? path : std::string();
}

// ---- The program's own plug-in object, for a plug-in that offers none through the hand-over:
// the file menu saves and loads the plug-in's chunks (the files hold exactly the chunk bytes, which
// the editor's own Load also recognises), the knob mode goes to the effect; controllers are traced.

class CPluginComponent::OwnPluginObject final : public IVINTORPLUGIN_vintorvstinterface1 {
public:
    explicit OwnPluginObject(CPluginComponent* owner) : m_owner(owner) {}

    void AskChannel(unsigned char* channel) override {
        if (channel != nullptr) *channel = 0;
    }
    void ControllerAttached(int kind, int source) override {
        TRACE("Component: controller of kind %d attached at %d", kind, source);
    }
    void ControllerDetached(int source) override { TRACE("Component: controller at %d detached", source); }
    void ControllerEvent3(int source, int index, int delta) override { Event(3, source, index, delta); }
    void ControllerEvent4(int source, int number, int value) override { Event(4, source, number, value); }
    void ControllerEvent5(int source, int pad, bool on, int velocity) override {
        Event(5, source, pad, on ? velocity : -velocity);
    }
    void ControllerEvent6(int source, bool on, int value) override { Event(6, source, on, value); }
    void ControllerEvent7(int source, int index, bool on) override { Event(7, source, index, on); }
    void ControllerEvent8(int source, int number, int value) override { Event(8, source, number, value); }
    void ControllerEvent9(int source, bool on, int value) override { Event(9, source, on, value); }
    void BankOpen() override { Load(false); }
    void BankSaveAs() override { Save(false); }
    void PresetImport() override { Load(true); }
    void PresetExport() override { Save(true); }
    void SetKnobMode(int mode) override { m_owner->SetKnobMode(mode); }

private:
    static void Event(int slot, int source, int a, int b) {
        TRACE("Component: controller event %d from %d (%d, %d)", slot, source, a, b);
    }
    void Load(bool preset) {
        if (!m_owner->m_chooseFile) return;
        const std::string path = m_owner->m_chooseFile(false, preset);
        if (path.empty()) return;
        std::vector<uint8_t> bytes;
        std::string why;
        if (!ReadFile(path, &bytes, &why)) {
            m_owner->ReportError(kLoadError, path + ": " + why);
        } else if (!m_owner->SetChunk(preset, bytes)) {
            m_owner->ReportError(kLoadError, path + ": the editor cannot load what it holds");
        }
    }
    void Save(bool preset) {
        if (!m_owner->m_chooseFile) return;
        const std::string path = m_owner->m_chooseFile(true, preset);
        if (path.empty()) return;
        std::vector<uint8_t> bytes;
        std::string why;
        if (!m_owner->GetChunk(preset, &bytes)) {
            m_owner->ReportError(kSaveError, "the editor gave nothing to save");
        } else if (!WriteFile(path, bytes, &why)) {
            m_owner->ReportError(kSaveError, path + ": " + why);
        }
    }

    CPluginComponent* m_owner;
};

// ---- The component

CPluginComponent::CPluginComponent() : m_ring(new Slot[kRingSize]) {
    for (uint32_t i = 0; i < kRingSize; ++i) m_ring[i].sequence.store(i, std::memory_order_relaxed);
    m_events.resize(kMaxEventsPerBlock);
    m_eventsBlock.resize(offsetof(VstEvents, events) + sizeof(VstEvent*) * kMaxEventsPerBlock);
}

std::unique_ptr<CPluginComponent> CPluginComponent::Open(const std::string& path, std::string* error) {
    std::unique_ptr<CPluginComponent> component(new CPluginComponent());
    dlerror();
    component->m_library = ::dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (component->m_library == nullptr) {
        const char* why = dlerror();
        if (error) *error = "cannot load " + path + ": " + (why ? why : "unknown error");
        return nullptr;
    }
    auto entry = reinterpret_cast<VstEntryFn>(::dlsym(component->m_library, "VSTPluginMain"));
    if (entry == nullptr) entry = reinterpret_cast<VstEntryFn>(::dlsym(component->m_library, "main"));
    if (entry == nullptr) {
        if (error) *error = path + " has no VST entry";
        return nullptr;  // the destructor unloads it
    }
    if (!component->Start(entry, error)) return nullptr;
    return component;
}

std::unique_ptr<CPluginComponent> CPluginComponent::OpenEntry(VstEntryFn entry, std::string* error) {
    std::unique_ptr<CPluginComponent> component(new CPluginComponent());
    if (entry == nullptr || !component->Start(entry, error)) return nullptr;
    return component;
}

bool CPluginComponent::Start(VstEntryFn entry, std::string* error) {
    t_opening = this;
    AEffect* effect = entry(&CPluginComponent::HostCallback);
    t_opening = nullptr;
    if (effect == nullptr || effect->magic != kEffectMagic || effect->dispatcher == nullptr) {
        if (error) *error = "the plug-in did not create its effect";
        return false;
    }
    effect->resvd1 = reinterpret_cast<VstIntPtr>(this);
    m_effect = effect;
    if (effect->numOutputs < 2 || effect->processReplacing == nullptr) {
        if (error) *error = "the plug-in renders no stereo output";
        return false;  // the destructor closes it
    }
    Dispatch(effOpen);
    return true;
}

CPluginComponent::~CPluginComponent() {
    if (m_effect != nullptr) {
        if (m_editorOpen) CloseEditor();
        if (m_initialized) Uninitialize();
        Dispatch(effClose);
        m_effect = nullptr;
    }
    if (m_library != nullptr) ::dlclose(m_library);
}

VstIntPtr CPluginComponent::Dispatch(VstInt32 opcode, VstInt32 index, VstIntPtr value, void* ptr, float opt) {
    if (m_effect == nullptr || m_effect->dispatcher == nullptr) return 0;
    return m_effect->dispatcher(m_effect, opcode, index, value, ptr, opt);
}

VstIntPtr CPluginComponent::HostCallback(AEffect* effect, VstInt32 opcode, VstInt32 index, VstIntPtr value,
                                         void* ptr, float opt) {
    CPluginComponent* self = effect != nullptr && effect->resvd1 != 0
                                 ? reinterpret_cast<CPluginComponent*>(effect->resvd1)
                                 : t_opening;
    if (opcode == audioMasterVersion) return kVstVersion;
    if (self == nullptr) return 0;
    return self->Answer(opcode, index, value, ptr, opt);
}

VstIntPtr CPluginComponent::Answer(VstInt32 opcode, VstInt32 index, VstIntPtr value, void* ptr, float) {
    switch (opcode) {
        case audioMasterCurrentId:
            return m_effect != nullptr ? m_effect->uniqueID : 0;
        case audioMasterGetProductString:
            CopyText(ptr, kPluginComponentProduct, kVstMaxProductStrLen);
            return 1;
        case audioMasterGetVendorString:
            CopyText(ptr, kHostVendor, kVstMaxVendorStrLen);
            return 1;
        case audioMasterGetVendorVersion:
            return kHostVendorVersion;
        case audioMasterGetSampleRate:
            return static_cast<VstIntPtr>(m_sampleRate);
        case audioMasterGetBlockSize:
            return m_maxFrames;
        case audioMasterSizeWindow:
            return m_sizeWindow && m_sizeWindow(index, static_cast<int>(value)) ? 1 : 0;
        case audioMasterCanDo: {
            const char* what = static_cast<const char*>(ptr);
            if (what == nullptr) return 0;
            for (const char* yes : {"sendVstEvents", "sendVstMidiEvent", "sizeWindow"}) {
                if (std::strcmp(what, yes) == 0) return 1;
            }
            return 0;
        }
        case audioMasterGetTime:
            return reinterpret_cast<VstIntPtr>(TimeInfo());
        default:
            return 0;
    }
}

VstTimeInfo* CPluginComponent::TimeInfo() {
    // No song plays: the transport stands at beat 0 and the tempo is the MIDI clock's. One record
    // per asking thread (the audio thread and the plug-in's own), so no answer is written under
    // another's reader.
    thread_local VstTimeInfo t_info;
    VstTimeInfo& info = t_info;
    info = VstTimeInfo{};
    info.samplePos = static_cast<double>(m_samplePosition.load(std::memory_order_relaxed));
    info.sampleRate = m_sampleRate;
    if (const IHostTempo* tempo = m_tempo.load()) {
        info.tempo = tempo->GetTempo();
        info.flags |= kVstTempoValid;
    }
    return &info;
}

void CPluginComponent::ReportError(const char* key, const std::string& detail) {
    TRACE("Component: %s: %s", key, detail.c_str());
    if (m_reportError) m_reportError(key, detail);
}

// ---- Rendering

bool CPluginComponent::Initialize(double sampleRate, uint32_t maxFrames) {
    if (m_effect == nullptr || sampleRate <= 0 || maxFrames == 0) return false;
    if (m_initialized) Uninitialize();
    m_sampleRate = sampleRate;
    m_maxFrames = maxFrames;
    m_silence.assign(maxFrames, 0.0f);
    m_samplePosition.store(0, std::memory_order_relaxed);
    Dispatch(effSetSampleRate, 0, 0, nullptr, static_cast<float>(sampleRate));
    Dispatch(effSetBlockSize, 0, static_cast<VstIntPtr>(maxFrames));
    Dispatch(effMainsChanged, 0, 1);
    Dispatch(effStartProcess);
    // What was queued before this start belongs to no block.
    m_readIndex = m_writeIndex.load(std::memory_order_acquire);
    for (uint32_t i = 0; i < kRingSize; ++i) {
        const uint32_t position = m_readIndex + i;
        m_ring[position & (kRingSize - 1)].sequence.store(position, std::memory_order_release);
    }
    m_initialized = true;
    return true;
}

void CPluginComponent::Uninitialize() {
    if (!m_initialized) return;
    m_initialized = false;
    Dispatch(effStopProcess);
    Dispatch(effMainsChanged, 0, 0);
}

void CPluginComponent::MIDIEvent(uint8_t status, uint8_t data1, uint8_t data2, uint32_t offsetFrames) {
    // Claim a slot whose previous use the render has finished; a full ring drops the event.
    uint32_t position = m_writeIndex.load(std::memory_order_relaxed);
    for (;;) {
        Slot& slot = m_ring[position & (kRingSize - 1)];
        const uint32_t sequence = slot.sequence.load(std::memory_order_acquire);
        const int32_t difference = static_cast<int32_t>(sequence - position);
        if (difference == 0) {
            if (m_writeIndex.compare_exchange_weak(position, position + 1, std::memory_order_relaxed)) break;
        } else if (difference < 0) {
            m_dropped.fetch_add(1, std::memory_order_relaxed);
            return;
        } else {
            position = m_writeIndex.load(std::memory_order_relaxed);
        }
    }
    Slot& slot = m_ring[position & (kRingSize - 1)];
    slot.bytes[0] = status;
    slot.bytes[1] = data1;
    slot.bytes[2] = data2;
    slot.offset = offsetFrames;
    slot.sequence.store(position + 1, std::memory_order_release);
}

uint32_t CPluginComponent::TakeEvents(uint32_t frames) {
    uint32_t count = 0;
    for (;;) {
        Slot& slot = m_ring[m_readIndex & (kRingSize - 1)];
        if (count == kMaxEventsPerBlock) break;  // the rest waits for the next block
        if (slot.sequence.load(std::memory_order_acquire) != m_readIndex + 1) break;
        {
            VstMidiEvent& e = m_events[count];
            std::memset(&e, 0, sizeof(e));
            e.type = kVstMidiType;
            e.byteSize = sizeof(VstMidiEvent);
            // An offset past the block plays at its last frame.
            e.deltaFrames = static_cast<VstInt32>(std::min(slot.offset, frames > 0 ? frames - 1 : 0));
            e.midiData[0] = static_cast<char>(slot.bytes[0]);
            e.midiData[1] = static_cast<char>(slot.bytes[1]);
            e.midiData[2] = static_cast<char>(slot.bytes[2]);
            ++count;
        }
        slot.sequence.store(m_readIndex + kRingSize, std::memory_order_release);
        ++m_readIndex;
    }
    return count;
}

int CPluginComponent::Render(float* left, float* right, uint32_t frames) {
    if (m_effect == nullptr || !m_initialized || left == nullptr || right == nullptr || frames == 0)
        return -1;
    if (frames > m_maxFrames) return -1;
    const uint32_t count = TakeEvents(frames);
    if (count > 0) {
        auto* events = reinterpret_cast<VstEvents*>(m_eventsBlock.data());
        events->numEvents = static_cast<VstInt32>(count);
        events->reserved = 0;
        for (uint32_t i = 0; i < count; ++i) {
            events->events[i] = reinterpret_cast<VstEvent*>(&m_events[i]);
        }
        Dispatch(effProcessEvents, 0, 0, events);
    }
    // The editor takes no audio in: its inputs read silence.
    float* inputs[2] = {m_silence.data(), m_silence.data()};
    float* outputs[2] = {left, right};
    m_effect->processReplacing(m_effect, inputs, outputs, static_cast<VstInt32>(frames));
    m_samplePosition.fetch_add(frames, std::memory_order_relaxed);
    return 0;
}

// ---- The private hand-over

IVINTORPLUGIN_vintorvstinterface1* CPluginComponent::HandOver(IVINTORHOST_vintorvstinterface1* host) {
    if (m_pluginObject != nullptr) return m_pluginObject;
    VintorHandOver record{};
    record.host = host;
    record.version = kVintorInterfaceVersion;
    if (Dispatch(effVendorSpecific, static_cast<VstInt32>(kVintorHandOverTag), 0, &record) == 1 &&
        record.plugin != nullptr) {
        m_pluginObject = record.plugin;
    } else {
        if (!m_ownObject) m_ownObject = std::make_unique<OwnPluginObject>(this);
        m_pluginObject = m_ownObject.get();
    }
    return m_pluginObject;
}

// ---- The editor view

bool CPluginComponent::HasEditor() const {
    return m_effect != nullptr && (m_effect->flags & effFlagsHasEditor) != 0;
}

bool CPluginComponent::EditorSize(int* width, int* height) {
    if (!HasEditor()) return false;
    ERect* rect = nullptr;
    Dispatch(effEditGetRect, 0, 0, &rect);
    if (rect == nullptr || rect->right <= rect->left || rect->bottom <= rect->top) return false;
    if (width) *width = rect->right - rect->left;
    if (height) *height = rect->bottom - rect->top;
    return true;
}

bool CPluginComponent::OpenEditor(unsigned long window) {
    if (!HasEditor() || m_editorOpen) return m_editorOpen;
    m_editorOpen = Dispatch(effEditOpen, 0, 0, reinterpret_cast<void*>(window)) != 0;
    return m_editorOpen;
}

void CPluginComponent::CloseEditor() {
    if (!m_editorOpen) return;
    m_editorOpen = false;
    Dispatch(effEditClose);
}

void CPluginComponent::IdleEditor() {
    if (m_editorOpen) Dispatch(effEditIdle);
}

// ---- Names, knob mode and chunks

std::string CPluginComponent::EffectName() {
    char text[kVstMaxEffectNameLen * 2] = {};
    Dispatch(effGetEffectName, 0, 0, text);
    text[sizeof(text) - 1] = 0;
    return text;
}

std::string CPluginComponent::VendorString() {
    char text[kVstMaxVendorStrLen] = {};
    Dispatch(effGetVendorString, 0, 0, text);
    text[sizeof(text) - 1] = 0;
    return text;
}

int CPluginComponent::VendorVersion() {
    return static_cast<int>(Dispatch(effGetVendorVersion));
}

void CPluginComponent::SetKnobMode(int mode) {
    Dispatch(effSetEditKnobMode, 0, mode);
}

bool CPluginComponent::GetChunk(bool preset, std::vector<uint8_t>* bytes) {
    void* data = nullptr;
    const VstIntPtr size = Dispatch(effGetChunk, preset ? 1 : 0, 0, &data);
    if (size <= 0 || data == nullptr) return false;
    const auto* begin = static_cast<const uint8_t*>(data);
    bytes->assign(begin, begin + size);
    return true;
}

bool CPluginComponent::SetChunk(bool preset, const std::vector<uint8_t>& bytes) {
    if (bytes.empty()) return false;
    std::vector<uint8_t> copy(bytes);  // the plug-in may keep or change what it is handed
    return Dispatch(effSetChunk, preset ? 1 : 0, static_cast<VstIntPtr>(copy.size()), copy.data()) != 0;
}
