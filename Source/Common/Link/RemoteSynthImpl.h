#pragma once
// The remote synthesizer: the working image, the image as last received in full, the preset image,
// every section and bank list over them, the audition state, the main-thread dispatcher with its
// poll and one-shot timers, and the link. Its own sections see it as their host; the link calls it
// back on the MIDI read thread.
//
// Threads. The main thread is the one that created the object (its RunLoop runs the dispatcher).
// The link's callbacks run on the MIDI read thread and RTMIDIOut on the host's audio thread. Every
// copy into or out of the image is made under the image lock (the one the sections share), which is
// never held across a send, a sleep, a session or an event; what those threads read besides the
// image (connected, online, modes, audition kind, master volume, latency, the real-time sink) is
// atomic. Observers hear of changes only through numbered events delivered on the main thread.
#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "Common/Link/IRemoteMIDI.h"
#include "Common/Link/RemoteSynth.h"
#include "Common/Link/Session.h"
#include "Common/Model/Banks.h"
#include "Common/Model/GlobalSections.h"
#include "Common/Model/RealtimeSection.h"
#include "Common/Model/SetupSection.h"
#include "Common/Model/SoundSections.h"
#include "Linux/AsyncDispatch.h"
#include "Linux/MidiIO/MidiBackend.h"
#include "Linux/MidiIO/MidiIO.h"
#include "Linux/Sync.h"

namespace QorX0 {

// The all-dump body: calls area(image offset, size) for each image area in the order the instrument
// sends them (global, kits, patterns, combinations, the model's program banks, multis, and on the
// Nerimo the external-control sets).
void AllDumpLayout(unsigned char model, const std::function<void(unsigned offset, unsigned size)>& area);

// Host chunks (what a host's getChunk and setChunk carry); files and chunks of the whole image; the
// current sounds.
inline bool IsHostChunkKind(FTYPE kind) {
    return kind >= FTYPE_VSTBANK && kind <= FTYPE_VSTMULTI;
}
inline bool IsWholeImageKind(FTYPE kind) {
    return kind == FTYPE_ALL || kind == FTYPE_FILTERED || kind == FTYPE_VSTBANK ||
           (kind >= FTYPE_PCG_FIRST && kind <= FTYPE_PCG_LAST);
}
inline bool IsCurrentSoundKind(FTYPE kind) {
    return (kind >= FTYPE_PROG && kind <= FTYPE_MULTI) || (kind >= FTYPE_VSTPROG && kind <= FTYPE_VSTMULTI);
}

class CRemoteSynthImpl final : public IRemoteSynth,
                               public IHostProxy,
                               public IAsyncDispatchHandler,
                               public IRemoteMIDICallback,
                               private ISectionSink,
                               private IMidiSetupListener {
public:
    // Events handed to the main thread (OnAsyncEvent).
    enum : long {
        kEvAbortAudition = 1,  // bits 16-23: 0 by mode, 1 by sound; bits 0-7 mode, or 8-15 bank, 0-7 program
        kEvArmCurProgReq = 2,
        kEvReassertSound = 3,  // bits 8-15 bank, 0-7 program
        kEvConnection = 4,     // bits 0-7 connected, 8 and up online
        kEvExtCtlState = 5,    // bit 0 enabled, 8-15 value, 16-23 state
        kEvMasterVolume = 6,
        kEvMode = 7,
        kEvCurSound = 8,  // bits 8-15 bank, 0-7 number
        kEvBankList = 9,  // bits 16-23 kind, 8-15 bank, 0-7 number; 0xFF all
        kEvAuditionState = 10,
        kEvMIDIIn = 11,  // bytes in bits 0-23 (first lowest), length in bits 24-31
        // Our own: send what is pending to the instrument; the poll's answer came.
        kEvSendPending = 12,
        kEvPollAnswered = 14,
    };
    static constexpr unsigned kAbortByMode = 0;
    static constexpr unsigned kAbortBySound = 1;
    static constexpr unsigned kMaxMasterVolume = 0x3FFF;
    static constexpr long kPollPeriodMs = 2000;
    static constexpr long kCurProgRequestDelayMs = 100;
    static constexpr long kPollReplyWaitMs = 1000;
    static constexpr long kPortsRetryMs = 500;  // a look again after a transfer's progress loop
    static constexpr long kPortsLookMs = 250;   // how often the main thread looks for port notices

    // The audition state: what BeginAudition saved to put back on a discard.
    struct AUDSTATE {
        std::atomic<uint32_t> kind{0};  // AUDCTX; 0 no audition (read on the MIDI thread)
        uint8_t mode = 255;
        uint8_t virtualMode = 255;
        uint8_t soundMode = 255;
        uint8_t bank = 0;    // bank, or the array section's selected item
        uint8_t number = 0;  // program number, or the drum kit's sub-selection
        uint8_t data[kSizeDrumKit] = {};
        RTCSTAT rtc = {};

        void clear();
    };

    explicit CRemoteSynthImpl(unsigned char model);
    ~CRemoteSynthImpl() override;
    CRemoteSynthImpl(const CRemoteSynthImpl&) = delete;
    CRemoteSynthImpl& operator=(const CRemoteSynthImpl&) = delete;

    // ---- IRemoteSynth
    bool AdviseSink(IRemoteSynthSink* sink) override;
    bool UnadviseSink(IRemoteSynthSink* sink) override;
    bool AdviseMIDISink(IRemoteSynthMIDISink* sink) override;
    bool UnadviseMIDISink(IRemoteSynthMIDISink* sink) override;
    bool SetRTMIDISink(IRTMIDISink* sink) override;
    bool Connect(bool standalone, bool synchronise) override;
    void Disconnect() override;
    bool GetConnectionState(MIDIDevKey* out, MIDIDevKey* in, DEVICEINQUIRYDATA* inquiry, MODEANDSTATE* state,
                            bool* online) override;
    unsigned char GetGlobalChannel() override;
    EXTCTLSTATE GetExtCtlState() override;
    unsigned char GetGMMapping() override;
    bool LoadUIState(unsigned char kind, UISTATEDATA* data) override;
    bool SaveUIState(unsigned char kind, const UISTATEDATA& data) override;
    unsigned GetMasterVolume() override;
    unsigned PutMasterVolume(unsigned volume) override;
    unsigned char GetMode() override;
    unsigned char PutMode(unsigned char mode) override;
    unsigned char GetVirtualMode() override;
    unsigned char GetSoundMode() override;
    SOUNDINDEX GetCurSound() override;
    SOUNDINDEX PutCurSound(const SOUNDINDEX& sound) override;
    bool BeginAudition(AUDCTX context) override;
    bool EndAudition(bool commit) override;
    bool GetAuditionState() override;
    bool MIDIOut(const void* data, unsigned length) override;
    bool RTMIDIOut(long long time, const void* data, unsigned length) override;
    bool ExecCommand(int command, int item, int bank, int number, int flags) override;
    bool LoadStream(std::istream& is, unsigned index) override;
    bool SaveStream(std::ostream& os, FTYPE kind, unsigned index) override;
    bool LoadFile(const char* path, unsigned index) override;
    bool SaveFile(const char* path, FTYPE kind, unsigned index) override;
    IBankList* GetAllSounds(int kind) override;
    ISoundSection* GetEditBuffer(int kind) override;
    ISection* GetRealtimeControl() override { return &m_rtc; }
    ISection* GetGlobal() override { return &m_global; }
    IGlobalArraySection* GetDrumKits() override { return &m_kits; }
    IGlobalArraySection* GetArpPatterns() override { return &m_patterns; }
    IGlobalArraySection* GetExtControls() override { return &m_exts; }
    ISection* GetSetup() override { return &m_setupSection; }
    unsigned char GetCurTimbreMIDICh(int kind, int track) override;
    bool PutCurTimbreSound(int kind, int track, int value) override;
    bool PutCurTimbreSound(int kind, int track, SOUNDINDEX& sound) override;
    const std::vector<MIDIDevKey>* GetMIDIInKeyDevArray() override;
    const std::vector<MIDIDevKey>* GetMIDIOutKeyDevArray() override;
    bool SetMIDIInPortName(const char* name) override;
    bool SetMIDIOutPortName(const char* name) override;

    // ---- IHostProxy
    IAsyncDispatch* GetDisp() override { return m_dispatch; }
    unsigned char GetPMID() override { return m_model; }
    unsigned char GetRemoteMode() override { return GetMode(); }
    unsigned char GetRemoteVirtualMode() override { return m_virtualMode.load(); }
    unsigned char GetRemoteSoundMode() override { return m_soundMode.load(); }
    int GetRemoteTempo() override;
    IRemoteMIDI* GetRemoteMidi() override { return m_link; }
    CHUNK_REMOTESYNTH* GetRawChunk() override { return m_image.get(); }
    const uint8_t* GetRawChunkROM() override { return m_preset.get(); }
    CHfcCriticalSection& GetImageLock() override { return m_imageLock; }

    // ---- IAsyncDispatchHandler
    void OnAsyncTimer(long id) override;
    void OnAsyncEvent(long event, long argument) override;

    // ---- IRemoteMIDICallback (MIDI read thread)
    int OnRcvShortMsg(IRemoteMIDI* link, long long time, const void* data, unsigned length) override;
    int OnRcvProgramChange(IRemoteMIDI* link, unsigned bank, unsigned number) override;
    int OnRcvModeAndState(IRemoteMIDI* link, const MODEANDSTATE* state) override;
    int OnRcvCurProgDump(IRemoteMIDI* link, const void* data, unsigned size) override;
    int OnRcvProgDump(IRemoteMIDI* link, int bank, int number, const void* data, unsigned size) override;
    int OnRcvCurCombiDump(IRemoteMIDI* link, const void* data, unsigned size) override;
    int OnRcvCombiDump(IRemoteMIDI* link, int bank, int number, const void* data, unsigned size) override;
    int OnRcvCurMultiDump(IRemoteMIDI* link, const void* data, unsigned size) override;
    int OnRcvMultiDump(IRemoteMIDI* link, int index, const void* data, unsigned size) override;
    int OnRcvGlobalDump(IRemoteMIDI* link, const void* data, unsigned size) override;
    int OnRcvDrumkitDump(IRemoteMIDI* link, int index, const void* data, unsigned size) override;
    int OnRcvArpPatternDump(IRemoteMIDI* link, int index, const void* data, unsigned size) override;
    int OnRcvExtControlDump(IRemoteMIDI* link, int index, const void* data, unsigned size) override;
    int OnRcvAllDump(IRemoteMIDI* link, const void* data, unsigned size) override;
    int OnRcvMasterVolumeChange(IRemoteMIDI* link, unsigned volume) override;
    int OnRcvModeChange(IRemoteMIDI* link, unsigned char mode) override;
    int OnRcvParamChange(IRemoteMIDI* link, unsigned char mode, int pid, int value) override;
    int OnRcvDrumkitParamChange(IRemoteMIDI* link, unsigned kit, unsigned slot, int param,
                                int value) override;
    int OnRcvArpPatternParamChange(IRemoteMIDI* link, unsigned pattern, int param, unsigned index,
                                   int value) override;
    int OnRcvExtControlParamChange(IRemoteMIDI* link, unsigned set, int param, int value) override;

    // ---- whole-image transfers (also used by Connect and the streams)
    // Sends the all-dump body built from image, then the three current sounds and the mode.
    QNRESULT HandleSendAll(const CHUNK_REMOTESYNTH* image, const char* text);
    // Requests the all-dump and the three current sounds; the callbacks write the image.
    QNRESULT HandleReceiveAll(const char* text);
    // Tells every section and observer that the whole image changed.
    void OnApplyAll();

    // Sound mode of a mode: 0, 1 -> 0; 2, 3 -> 2; 4 -> 4; else 255.
    static unsigned char SoundModeOf(unsigned char mode);
    // A copy of the working image (under the image lock).
    void CopyImage(CHUNK_REMOTESYNTH* out);
    bool IsConnected() const { return m_connected.load(); }
    bool IsSynced() const { return m_synced.load(); }
    // The poll's request is out and its answer not yet in.
    bool PollWaiting() const { return m_pollWaiting.load(); }
    // True from the start of Connect until it returns: host state handed over meanwhile is kept
    // pending, and host saves answer as if no instrument were connected.
    bool IsConnecting() const { return m_connecting.load(); }
    // One stream loaded while no instrument could take it: its kind as read, the place the user put
    // it (bank or item), and its bytes unchanged. The items are merged in order, each at its place.
    struct PendingItem {
        FTYPE kind = FTYPE_UNKNOWN;
        unsigned index = 0;
        FXBFILTERINFO filter = {};  // of a filtered set or bank chunk
        std::string bytes;
        uint64_t serial = 0;
    };
    const std::vector<PendingItem>& PendingItems() const { return m_pending; }
    // The bytes of every pending item in order (empty when none).
    std::string PendingState() const;
    // Any thread: the owner is going. Every retry question from now on is answered no, so a
    // Connect or load that runs ends.
    void SetClosing() { m_closing.store(true); }

private:
    // ---- ISectionSink (the setup section: the latency copy follows its row)
    void OnSectionReinitialized(ISection* section) override;
    void OnSectionParamPropsChanged(ISection*, int) override {}
    void OnSectionParamChanged(ISection* section, int pid) override;

    void Post(long event, long argument, bool force = false);
    void PostBankList(unsigned kind, unsigned bank, unsigned number);
    // The sinks in order of registration, under the sink lock; one removed during the walk is not
    // called afterwards, one added is not called for this event.
    template <class Sink, class F>
    void WalkSinks(const std::vector<Sink*>& list, F&& call);
    void RefreshLatency();

    // Incoming dumps: size check with its trace; true when length will do.
    bool CheckSize(const char* what, unsigned expected, unsigned length);
    // Copies count bytes to an image offset under the image lock.
    void CopyIn(unsigned offset, const void* data, unsigned count);
    void SetModes(unsigned char mode);  // image mode byte, virtual mode, sound mode
    void ClearProgPlayLocal();
    void CopyCurrentFromSlot(unsigned char soundMode, unsigned bank, unsigned number);

    // Commands.
    bool SendSounds(int item, int bank, int number, int flags);
    bool RequestSounds(int item, int bank, int number, int flags);
    bool WriteSound(int item, int bank, int number);
    bool RestoreBackup();
    bool RequestAllOf(QNRESULT (IRemoteMIDI::*request)(int));
    // A copy of image bytes, taken under the image lock, to send after it is released.
    std::vector<uint8_t> Snapshot(unsigned offset, unsigned size);

    // Audition.
    void SendModeIfNeeded(unsigned char mode);
    void DiscardSoundAudition();
    void CommitSoundAudition();
    void DiscardArrayAudition();
    void SetModesFrom(const AUDSTATE& a);  // image mode byte, virtual mode, sound mode as saved

    // Connection.
    // Sends the poll's request; its answer or the end of its wait comes later (EndPoll).
    void PollOnce();
    void EndPoll(bool answered);
    // Loads the pending items over the instrument's data, sends the result; true on success, and
    // only then are the merged items no longer pending.
    bool MergePending();
    // Connected and online: sends the pending items, already shown, part by part; each one sent is
    // no longer pending, a failure keeps it and the rest.
    void SendPending();
    void PostSendPending();
    // Brings the link up: the saved ports first, then (asking first unless quiet) every port.
    bool Establish(bool standalone, bool synchronise, bool quiet);
    // The system's MIDI ports changed: the instrument's ports vanished, came back or appeared.
    void OnPortsChanged();
    void OnMidiSetupChanged() override;
    void PostPortsChanged();
    void ListenToPorts(bool on);
    // Handles of every listed source and destination (destinations with the top bit set).
    static std::vector<uint32_t> ListedPorts(std::vector<MIDIDevKey>* ins, std::vector<MIDIDevKey>* outs);
    // Ends the link, leaving the image; local control is put back only when the instrument is there.
    void DropLink(bool restoreLocalControl);
    void ForgetPending(const std::vector<PendingItem>& done);
    void SendLocalControl(bool on);
    // The retry question after a failed transfer: no when the progress display was aborted, the
    // owner is closing, or nobody is there to answer.
    bool AskRetry(const char* text);

    // Streams.
    // The part of a loaded scratch image that its kind names goes to the instrument (send) and
    // into the working image; false, the image unchanged, when the send fails.
    bool ApplyLoaded(FTYPE kind, unsigned index, CHUNK_REMOTESYNTH* scratch, const RTCSTAT& rtc, bool send);
    // Adds a loaded stream to the pending items; earlier items it covers whole go.
    void AddPending(PendingItem item);
    // Loads one pending item into image (a host chunk through the setup's total-recall filter);
    // false when it does not load. rtc receives the realtime-control state it carried, if any.
    bool LoadPendingItem(const PendingItem& item, CHUNK_REMOTESYNTH* image, RTCSTAT* rtc, bool* hasRtc);
    // A host chunk while items are pending and no instrument is connected.
    bool SavePendingForHost(std::ostream& os, FTYPE kind, unsigned index);
    // Saves the working image (the mode byte as the editor shows it) through save.
    bool SaveImage(FTYPE kind, unsigned index, bool (*save)(void* to, uint8_t model, const PERSISTPARAMS*),
                   void* to, const FXBFILTERINFO* filter = nullptr);

    // Declared first, destroyed last: the sections lock it until they go.
    CHfcCriticalSection m_imageLock;

    const unsigned char m_model;
    uint8_t m_setupBytes[kSizeSetup];
    std::unique_ptr<CHUNK_REMOTESYNTH> m_image;
    std::unique_ptr<uint8_t[]> m_preset;

    CSetupSectionImpl m_setupSection;
    CGlobalSectionImpl m_global;
    CGArraySectionImpl m_kits;
    CGArraySectionImpl m_patterns;
    CGArraySectionImpl m_exts;
    CRTCSectionImpl m_rtc;
    CProgPlaySectionImpl m_progPlay;
    CProgEditSectionImpl m_progEdit;
    CCombiPlaySectionImpl m_combiPlay;
    CCombiEditSectionImpl m_combiEdit;
    CMultiSectionImpl m_multi;

    CBankListImpl m_progBanks;
    CBankListImpl m_combiBanks;
    CBankListImpl m_multiBanks;

    AUDSTATE m_aud;

    IAsyncDispatch* m_dispatch = nullptr;
    long m_pollTimer = 0;
    long m_oneShotTimer = 0;
    long m_pollWaitTimer = 0;  // the end of the poll's wait for its answer
    long m_portsTimer = 0;     // looks for port notices
    long m_sendTimer = 0;      // pending items handed over during a transfer, sent afterwards
    std::atomic<bool> m_pollWaiting{false};
    std::atomic<unsigned> m_stateAnswers{0};  // mode-and-state answers received
    unsigned m_pollAnswersBefore = 0;
    IRemoteMIDI* m_link = nullptr;

    std::atomic<bool> m_connected{false};
    std::atomic<bool> m_online{false};
    std::atomic<bool> m_standalone{false};
    std::atomic<unsigned char> m_virtualMode{0};
    std::atomic<unsigned char> m_soundMode{255};
    std::atomic<unsigned> m_masterVolume{kMaxMasterVolume};
    EXTCTLSTATE m_extCtl = {};
    int m_localControl = 0;  // 0 untouched, 1 turned on by us, 2 turned off by us

    std::unique_ptr<CHUNK_REMOTESYNTH> m_syncedImage;
    std::atomic<bool> m_synced{false};
    std::vector<PendingItem> m_pending;
    uint64_t m_pendingSerial = 0;
    bool m_sendingPending = false;
    std::atomic<bool> m_sendPendingPosted{false};
    std::atomic<bool> m_connecting{false};
    // The owner asked for a link (Connect) and did not end it (Disconnect): ports that appear bring
    // it up, the instrument's ports that come back bring it back.
    bool m_wanted = false;
    bool m_wantSynchronise = true;
    bool m_wantStandalone = false;
    bool m_portsChangedMeanwhile = false;
    bool m_portsLost = false;  // the instrument's ports vanished while connected
    bool m_recheck = false;    // ports changed while the instrument answered: the poll checks
    IMidiBackend* m_portsBackend = nullptr;
    std::atomic<bool> m_portsChanged{false};  // a notice came (any thread)
    std::vector<uint32_t> m_knownPorts;       // handles of every source and destination last seen
    std::atomic<bool> m_closing{false};

    std::vector<IRemoteSynthSink*> m_sinks;
    std::vector<IRemoteSynthMIDISink*> m_midiSinks;
    CHfcCriticalSection m_sinkLock;
    std::atomic<IRTMIDISink*> m_rtSink{nullptr};

    // Setup latency in ms, copied from its row for the audio thread.
    std::atomic<int> m_latencyMs{0};
    std::vector<MIDIDevKey> m_inKeys;
    std::vector<MIDIDevKey> m_outKeys;
};

}  // namespace QorX0
