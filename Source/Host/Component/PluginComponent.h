#pragma once
// The program's component layer: finds the editor plug-in's shared object, opens it through its VST
// 2.4 entry as any host does, and presents it to the engine as an IHostedUnit (initialise, render,
// MIDI at sample offsets, the private hand-over), plus the few editor-view and chunk calls the shell
// needs. The plug-in keeps its own threads and MIDI client; nothing of it is linked into the program.
#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "Common/Plugin/VstAbi.h"
#include "Host/HostedUnit.h"

// The plug-in's file name and the product string the program presents to it: the effect's name
// followed by "Host", which the plug-in takes as the standalone program.
extern const char kPluginComponentFile[];      // "TolvaPlugInEditor.so"
extern const char kPluginComponentProduct[];   // "Tolva Plug-In EditorHost"
extern const char kPluginComponentNotFound[];  // the start-up alert when no plug-in is found
// The alerts of the file operations that failed.
extern const char kLoadError[];  // "Load Error"
extern const char kSaveError[];  // "Save Error"

// Where the plug-in is looked for, in order: $TOLVA_PLUGIN (a file), the program's own folder and
// its ../lib/vst, then each folder of $VST_PATH, ~/.vst, /usr/local/lib/vst, /usr/lib/vst.
struct PluginSearch {
    std::string explicitFile;  // $TOLVA_PLUGIN
    std::string programDir;    // the folder of the running program
    std::string vstPath;       // $VST_PATH (colon-separated)
    std::string home;          // $HOME
    // From the environment and /proc/self/exe.
    static PluginSearch FromEnvironment();
    std::vector<std::string> Candidates() const;
};
// The first candidate that is a readable regular file; empty when none is.
std::string FindPluginComponent(const PluginSearch& search);

// The plug-in runs once per model on the machine, under a lock it holds on a file in $TOLVA_LOCK_DIR
// (else /tmp). The path of the plug-in's lock file when another process holds it now, else empty.
std::string HeldPluginComponentLock();
extern const char kPluginComponentRunning[];  // the alert when that lock is held

using VstEntryFn = AEffect* (*)(audioMasterCallback);

class CPluginComponent final : public IHostedUnit {
public:
    // Events one render hands over; more wait for the next block. The queue holds kRingSize events:
    // more before a render are dropped (and counted).
    static constexpr uint32_t kMaxEventsPerBlock = 512;
    static constexpr uint32_t kRingSize = 1024;  // a power of two

    // Loads the shared object and instantiates its effect; null with the reason in *error.
    static std::unique_ptr<CPluginComponent> Open(const std::string& path, std::string* error);
    // The same over an entry already in memory (tests, and a plug-in linked in).
    static std::unique_ptr<CPluginComponent> OpenEntry(VstEntryFn entry, std::string* error);
    // Uninitialises if needed, closes the editor view and the effect, then unloads the object.
    ~CPluginComponent() override;
    CPluginComponent(const CPluginComponent&) = delete;
    CPluginComponent& operator=(const CPluginComponent&) = delete;

    // IHostedUnit
    bool Initialize(double sampleRate, uint32_t maxFrames) override;
    void Uninitialize() override;
    int Render(float* left, float* right, uint32_t frames) override;
    void MIDIEvent(uint8_t status, uint8_t data1, uint8_t data2, uint32_t offsetFrames) override;
    IVINTORPLUGIN_vintorvstinterface1* HandOver(IVINTORHOST_vintorvstinterface1* host) override;
    void SetHostCallbacks(const IHostTempo* tempo) override { m_tempo.store(tempo); }

    // ---- The editor view
    bool HasEditor() const;
    // The view's size; false when the plug-in gives none.
    bool EditorSize(int* width, int* height);
    // Opens the view inside the window (an X window id); false when the plug-in refused.
    bool OpenEditor(unsigned long window);
    void CloseEditor();
    void IdleEditor();
    bool EditorOpen() const { return m_editorOpen; }

    // ---- What the shell and the program's own plug-in object use
    std::string EffectName();
    std::string VendorString();
    int VendorVersion();
    void SetKnobMode(int mode);
    // Bank (preset false) or preset chunk; false when the plug-in gave none.
    bool GetChunk(bool preset, std::vector<uint8_t>* bytes);
    // True when the plug-in took the bytes.
    bool SetChunk(bool preset, const std::vector<uint8_t>& bytes);
    // Answers the plug-in's size request (audioMasterSizeWindow) with: (width, height) -> accepted.
    void SetSizeWindowHandler(std::function<bool(int, int)> handler) { m_sizeWindow = std::move(handler); }
    // The file operations of the program's own plug-in object (bank open, bank save as, preset
    // import, preset export) ask the user for a file through this: (save, preset) -> path, empty
    // when cancelled. Without it those operations do nothing.
    void SetFileChooser(std::function<std::string(bool save, bool preset)> chooser) {
        m_chooseFile = std::move(chooser);
    }
    // Shows a failed read or write to the user: the alert's key (kLoadError, kSaveError) and what
    // went wrong (the file and the reason); without it errors are only traced.
    void SetErrorReporter(std::function<void(const char* key, const std::string& detail)> reporter) {
        m_reportError = std::move(reporter);
    }

    AEffect* Effect() const { return m_effect; }
    bool Initialized() const { return m_initialized; }
    uint64_t DroppedEvents() const { return m_dropped.load(std::memory_order_relaxed); }
    double SampleRate() const { return m_sampleRate; }
    uint32_t MaxFrames() const { return m_maxFrames; }

private:
    class OwnPluginObject;
    struct Slot {
        std::atomic<uint32_t> sequence{0};
        uint8_t bytes[3] = {};
        uint32_t offset = 0;
    };

    CPluginComponent();
    bool Start(VstEntryFn entry, std::string* error);
    VstIntPtr Dispatch(VstInt32 opcode, VstInt32 index = 0, VstIntPtr value = 0, void* ptr = nullptr,
                       float opt = 0.0f);
    static VstIntPtr HostCallback(AEffect* effect, VstInt32 opcode, VstInt32 index, VstIntPtr value,
                                  void* ptr, float opt);
    VstIntPtr Answer(VstInt32 opcode, VstInt32 index, VstIntPtr value, void* ptr, float opt);
    // The time record: the position of the block being rendered, the rate, the tempo (beat 0).
    VstTimeInfo* TimeInfo();
    void ReportError(const char* key, const std::string& detail);
    // Moves queued MIDI into the block's event list; returns the count.
    uint32_t TakeEvents(uint32_t frames);

    void* m_library = nullptr;
    AEffect* m_effect = nullptr;
    bool m_initialized = false;
    bool m_editorOpen = false;
    double m_sampleRate = 44100.0;
    uint32_t m_maxFrames = 512;
    std::function<bool(int, int)> m_sizeWindow;
    std::function<std::string(bool, bool)> m_chooseFile;
    std::function<void(const char*, const std::string&)> m_reportError;
    std::unique_ptr<OwnPluginObject> m_ownObject;
    IVINTORPLUGIN_vintorvstinterface1* m_pluginObject = nullptr;

    // MIDI from any thread to the render: a bounded ring of preallocated slots, each with a sequence
    // number (writers claim a slot, fill it, then publish it; the render reads in order).
    std::unique_ptr<Slot[]> m_ring;
    std::atomic<uint32_t> m_writeIndex{0};
    uint32_t m_readIndex = 0;
    std::atomic<uint64_t> m_dropped{0};
    // The block's event list, built in place (no allocation on the audio thread).
    std::vector<VstMidiEvent> m_events;
    std::vector<uint8_t> m_eventsBlock;
    std::vector<float> m_silence;
    // The host callbacks' state: the tempo's source and the frames rendered since Initialize.
    std::atomic<const IHostTempo*> m_tempo{nullptr};
    std::atomic<int64_t> m_samplePosition{0};
};
