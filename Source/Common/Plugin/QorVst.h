#pragma once
// The plug-in: one effect per instance, owning the remote synthesizer, the main-thread dispatcher,
// the host and editor MIDI rings, the editor and the single-instance lock.
//
// Threads. The main thread is the loop the effect was made for: the test thread's own loop, or, in a
// host, the process's UI thread (started by the first effect, stopped by the last). Host calls that
// touch what the main thread owns are handed to it and waited for; while a host thread waits, the
// effect never calls the host from the main thread: such calls are queued and issued from the next
// host thread that comes back. The audio thread never waits for the main thread: sound changes and
// parameter writes it asks for are posted.
#include <atomic>
#include <cstdint>
#include <functional>
#include <mutex>
#include <string>
#include <vector>

#include "Common/Link/RemoteSynth.h"
#include "Common/Plugin/AtomicInstance.h"
#include "Common/Plugin/AudioEffectX.h"
#include "Common/Plugin/PluginEditor.h"
#include "Linux/AsyncDispatch.h"

class CMidiFifo;
class RunLoop;

namespace QorX0 {
extern const char SZTITLE_Qor30_STANDALONE[];  // "Tolva Editor"
extern const char SZTITLE_Qor30_PLUGIN[];      // "Tolva Plug-In Editor"
extern const char SZTITLE_Qor40_STANDALONE[];  // "Nerimo Editor"
extern const char SZTITLE_Qor40_PLUGIN[];      // "Nerimo Plug-In Editor"
}  // namespace QorX0

class QorVst : public AudioEffectX,
               public QorX0::IRemoteSynthSink,
               public QorX0::IRTMIDISink,
               public IAsyncDispatchHandler {
public:
    static constexpr VstInt32 kNumPrograms = 128;
    static constexpr VstInt32 kNumParams = 12;
    static constexpr int kRingSize = 1024;
    static constexpr VstInt32 kUniqueID = VstFourCC('V', 'T', 'L', 'V');
    static constexpr int kMaxChunkBytes = 16 * 1024 * 1024;
    // How long the host ring waits for a posted sound change before it drains again.
    static constexpr uint32_t kSoundChangeWaitMs = 200;

    QorVst(unsigned char model, audioMasterCallback audioMaster);
    ~QorVst() override;

    bool Initialize();
    void Uninitialize();

    // Host detection.
    void CheckHost();
    bool isStandalone();
    bool IsHostStandalone();
    bool IsHostAUWrapper();
    bool IsHostRTASWrapper();
    void* GetRTASInfo();

    int GetMode();
    void SetMode(int mode);
    unsigned char GetModel() const { return m_model; }
    QorX0::IRemoteSynth* GetRemoteSynth() const { return m_synth; }

    // The effect base.
    VstIntPtr dispatcher(VstInt32 opcode, VstInt32 index, VstIntPtr value, void* ptr, float opt) override;
    void close() override;
    void resume() override;
    void processReplacing(float** inputs, float** outputs, VstInt32 sampleFrames) override;
    void process(float** inputs, float** outputs, VstInt32 sampleFrames) override;
    VstInt32 processEvents(VstEvents* events) override;
    bool setBypass(bool onOff) override;
    void setSampleRate(float rate) override;

    VstInt32 getChunk(void** data, bool isPreset) override;
    VstInt32 setChunk(void* data, VstInt32 byteSize, bool isPreset) override;
    VstInt32 getProgram() override;
    void setProgram(VstInt32 program) override;
    void getProgramName(char* name) override;
    bool getProgramNameIndexed(VstInt32 category, VstInt32 index, char* name) override;
    void setProgramName(char* name) override;

    void setParameter(VstInt32 index, float value) override;
    float getParameter(VstInt32 index) override;
    void getParameterName(VstInt32 index, char* text) override;
    void getParameterLabel(VstInt32 index, char* text) override;
    void getParameterDisplay(VstInt32 index, char* text) override;
    VstIntPtr vendorSpecific(VstInt32 lArg, VstIntPtr lArg2, void* ptr, float opt) override;

    bool getEffectName(char* name) override;
    bool getProductString(char* text) override;
    bool getVendorString(char* text) override;
    VstInt32 getVendorVersion() override;
    VstInt32 canDo(char* text) override;
    bool keysRequired() override;

    // MIDI paths.
    void MidiInFromMaster(unsigned char status, unsigned char data1, unsigned char data2,
                          unsigned int deltaFrames);
    void MidiInFromGUI(unsigned char status, unsigned char data1, unsigned char data2);
    void NoteOn(int channel, int key, int velocity, unsigned int time);
    void NoteOff(int channel, int key, unsigned int time);
    int GetNoteInfo(int key, unsigned int channelMask);

    // Remote synthesizer sink.
    void OnRemoteSynthConnectionStateChanged(QorX0::IRemoteSynth* synth, bool connected,
                                             bool online) override;
    void OnRemoteSynthExtCtlStateChanged(QorX0::IRemoteSynth* synth,
                                         const QorX0::EXTCTLSTATE& state) override;
    void OnRemoteSynthMasterVolumeChanged(QorX0::IRemoteSynth* synth, unsigned volume) override;
    void OnRemoteSynthModeChanged(QorX0::IRemoteSynth* synth, int mode) override;
    void OnRemoteSynthCurSoundChanged(QorX0::IRemoteSynth* synth, const QorX0::SOUNDINDEX& sound) override;
    void OnRemoteSynthBankListChanged(QorX0::IRemoteSynth* synth, int kind,
                                      const QorX0::SOUNDINDEX& sound) override;
    void OnRemoteSynthAuditionStateChanged(QorX0::IRemoteSynth* synth, bool running) override;
    virtual void OnRemoteSynthMIDIBroken(QorX0::IRemoteSynth* synth);
    void OnRTMIDIIn(long long time, const void* data, unsigned length) override;
    void OnAsyncTimer(long id) override;
    void OnAsyncEvent(long event, long argument) override;

    // Runs fn on the main thread and waits for it (at once when already there), then issues the host
    // calls queued meanwhile.
    void CallOnMain(const std::function<void()>& fn);
    // Issues the host calls queued on the main thread; a host thread calls it.
    void FlushHostCalls();

    // Test seam: the remote synthesizer factory (null: RemoteSynthCreate).
    using SynthFactory = QorX0::IRemoteSynth* (*)(unsigned char model);
    static void SetSynthFactory(SynthFactory factory);
    // Test seam: true when the main thread is a UI thread that host threads wait on, which makes host
    // callbacks made there queued (set before Initialize).
    void SetDeferHostCalls(bool defer) { m_deferHostCalls = defer; }

    // What the shared object's entry points run. CreateInstance: the effect for a model byte (1 Tolva,
    // 9 Nerimo), or null; the RTAS record instead when the host announced itself as that wrapper.
    // PluginMain: the Tolva effect's record, or null when the host answers no version.
    static void* CreateInstance(int model, audioMasterCallback audioMaster);
    static AEffect* PluginMain(audioMasterCallback audioMaster);

    // Deletes an effect on its main thread and lets the UI thread go when it held it.
    static void Destroy(AudioEffect* effect);

    // Any thread. Ends the exclusive session the effect's synthesizer runs (a transfer, the
    // connection's requests) and makes every later one fail at once, so that the main thread comes
    // back to its outermost loop level, where the effect is torn down.
    void AbortSessions();

    // Events posted to itself.
    enum : long {
        kEventConnect = 1,
        kEventPutCurSound = 2,
        kEventPutTimbreSound = 3,
        kEventApplyParameters = 4,
    };

private:
    class Gate : public HostCallGate {
    public:
        explicit Gate(QorVst* owner) : m_owner(owner) {}
        bool Defer(VstInt32 opcode, VstInt32 index, VstIntPtr value, float opt) override;

    private:
        QorVst* m_owner;
    };
    struct QueuedHostCall {
        VstInt32 opcode;
        VstInt32 index;
        VstIntPtr value;
        float opt;
    };

    bool OnMainThread() const;
    bool NeedsMainThread(VstInt32 opcode) const;
    bool InitializeOnMain();
    void DrainHostRing(uint64_t base, float factor);
    void DrainEditorRing(uint64_t base, float factor);
    void Forward(const struct tagMidiData& entry, uint64_t base, float factor);
    void CountNote(int row, unsigned char status, unsigned char key, unsigned char velocity);
    int BankForGlobalChannel(unsigned char msb, unsigned char lsb);
    int BankForTimbre(unsigned char msb, unsigned char lsb);
    void PostSoundChange(long event, long argument);
    void ApplyParameters();
    bool ParamRow(VstInt32 index, QorX0::PARAMDESC* desc);
    void ResetBankSelects(int first, int count);
    const char* ProductTitle();
    // The synthesizer AbortSessions reaches (null before it exists and once it is going), set and
    // read under the registry lock of live effects.
    void SetAbortable(QorX0::IRemoteSynth* synth);
    // What the process's exit runs when effects were never closed: every live effect's sessions are
    // aborted, so that the UI thread can end.
    static void AbortEveryEffect();

    // Fields.
    std::string m_presetBuffer;
    std::string m_bankBuffer;
    bool m_initialised = false;
    std::atomic<bool> m_bypass{false};
    unsigned char m_model;
    CAtomicInstance m_lock;
    QorX0::IRemoteSynth* m_synth = nullptr;
    QorX0::IRemoteSynth* m_abortable = nullptr;
    IAsyncDispatch* m_dispatcher = nullptr;
    uint64_t m_blockBase = 0;
    CMidiFifo* m_hostRing = nullptr;
    CMidiFifo* m_editorRing = nullptr;
    std::atomic<int> m_notes[17][128];
    std::atomic<uint8_t> m_bankMSB[16];
    std::atomic<uint8_t> m_bankLSB[16];
    bool m_standalone = false;
    bool m_au = false;
    bool m_rtas = false;
    void* m_rtasRecord = nullptr;
    std::atomic<bool> m_hostChecked{false};
    std::mutex m_checkLock;

    // Lifecycle and threads.
    RunLoop* m_loop = nullptr;
    bool m_ownsUIThread = false;
    bool m_deferHostCalls = false;
    int m_managersUp = 0;  // how many of the three managers this effect initialised
    bool m_editorUp = false;
    std::atomic<bool> m_closing{false};
    Gate m_gate{this};
    std::mutex m_hostQueueLock;
    std::vector<QueuedHostCall> m_hostQueue;
    // Sound changes posted from the audio thread and not yet done, and when the last was posted.
    std::atomic<int> m_soundChangesPending{0};
    std::atomic<uint32_t> m_soundChangePostedAt{0};
    // Parameter values set on other threads, applied on the main thread. Each set counts one more;
    // the count a write covered is noted only once the value is in the row, so until then a read
    // answers with the value set.
    std::atomic<float> m_paramValue[kNumParams];
    std::atomic<uint32_t> m_paramSet[kNumParams];
    std::atomic<uint32_t> m_paramWritten[kNumParams];
    std::atomic<bool> m_paramPosted{false};
};
