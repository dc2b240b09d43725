#pragma once
// The standalone program's MIDI: up to three chosen sources feed the hosted unit at sample offsets
// of the current render cycle, a clock source sets the tempo the unit reads, and the maker's
// controllers found on the ports are driven over their exclusive protocol (probing, exclusive mode,
// initialisation, LEDs and LCDs) and report their events to the plug-in object.
//
// Threads: the backend's read thread delivers packets (HandleMIDIPackets, the clock handler); the
// audio thread calls InProcess and reads the tempo; the main thread runs slots, probes and Idle.
// The MIDI lock guards slots, sources and the waiting state; the read thread only try-locks it, so
// it never waits for the main thread, and the main thread gives it up while it waits for a reply.
// The packet ring has a lock of its own, held only to push or pop. The audio thread takes no lock.
#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "Common/HostInterface.h"
#include "Host/ControllerProtocol.h"
#include "Host/Audio/AudioEngine.h"
#include "Host/HostSupport.h"
#include "Host/HostedUnit.h"
#include "Host/SaveData.h"
#include "Linux/MidiIO/MidiBackend.h"
#include "Linux/Sync.h"

// Received packets, newest kept: a fixed ring of entries of up to 256 bytes (clock bytes left out).
class MIDIPacketRingBuffer {
public:
    static constexpr size_t kMaxData = 256;
    struct Entry {
        uint64_t timeNs = 0;
        uint32_t source = 0;
        uint16_t length = 0;
        uint8_t data[kMaxData] = {};
    };
    explicit MIDIPacketRingBuffer(size_t capacity);
    // Copies the packet without its 0xF8 bytes, in entries of at most 256 bytes, in order; when full
    // the oldest entry goes.
    void Push(uint32_t source, uint64_t timeNs, const uint8_t* bytes, size_t length);
    size_t Length() const { return m_length; }
    size_t Capacity() const { return m_entries.size(); }
    // Throws ZbrIfNotException "mLength > 0" when empty.
    const Entry& Front() const;
    const Entry& Last() const;
    void PopFront();

private:
    std::vector<Entry> m_entries;
    size_t m_head = 0;
    size_t m_length = 0;
};

// A snapshot of the backend's endpoints.
class MIDIEndpointList {
public:
    explicit MIDIEndpointList(IMidiBackend* backend);
    MIDIEndpointList(std::vector<MidiEndpoint> sources, std::vector<MidiEndpoint> dests)
        : m_sources(std::move(sources)), m_dests(std::move(dests)) {}
    int GetSourceCount() const { return static_cast<int>(m_sources.size()); }
    int GetDestCount() const { return static_cast<int>(m_dests.size()); }
    const MidiEndpoint& GetSource(int index) const;
    const MidiEndpoint& GetDest(int index) const;
    int GetIndexOfSource(uint32_t endpoint) const;
    int GetIndexOfDest(uint32_t endpoint) const;
    bool SameSources(const MIDIEndpointList& other) const;

private:
    std::vector<MidiEndpoint> m_sources;
    std::vector<MidiEndpoint> m_dests;
};

// A source's identity that survives a restart: FNV-1a of "device\0port".
uint32_t MidiUniqueID(const std::string& device, const std::string& name);

class VintorHostMIDIManager final : public IVINTORHOST_vintorvstinterface1,
                                    public IAudioCycleListener,
                                    public IHostTempo,
                                    private IMidiPacketSink,
                                    private IMidiSetupListener {
public:
    static constexpr int kSlotCount = 3;
    static constexpr size_t kSysExMax = 128;
    static constexpr unsigned kReplyWaitMs = 100;
    // The program's own ports as other programs see them: the input for the chosen sources (and
    // the probe), the clock source's input, and the output to the controllers.
    static constexpr const char* kInputPortName = "Vintor Input Port";
    static constexpr const char* kClockPortName = "Vintor ClockSync Input Port";
    static constexpr const char* kOutputPortName = "Vintor Output Port";

    // Source kinds.
    enum : uint32_t {
        kKindBefore1 = 0,
        kKindController1 = 1,
        kKindAfter1 = 2,
        kKindHarrow = 3,
        kKindPlain = 4,
        kKindBefore2 = 5,
        kKindController2 = 6,
        kKindAfter2 = 7,
    };

    struct ControllerData {
        int channel = 0;
        uint32_t destination = 0;
        uint32_t destinationBefore = 0;
        uint32_t nextSource = 0;
    };
    struct SourceData {
        uint32_t endpoint = 0;
        uint32_t kind = kKindPlain;
        uint32_t number = 0;
        std::unique_ptr<ControllerData> controller;
        bool known = false;
    };

    // backend, unit and shell are not owned; the clock gives the receive times' time base.
    VintorHostMIDIManager(IMidiBackend* backend, IHostedUnit* unit, IHostShell* shell);
    ~VintorHostMIDIManager() override;
    VintorHostMIDIManager(const VintorHostMIDIManager&) = delete;
    VintorHostMIDIManager& operator=(const VintorHostMIDIManager&) = delete;

    IVINTORPLUGIN_vintorvstinterface1* PluginObject() const { return m_plugin; }
    void SetCpuWatch(const CpuLoadWatch* cpu) { m_cpu = cpu; }

    // ---- Render cycle (IAudioCycleListener)
    void SetSampleRateAndBufferFrameSize(double rate, uint32_t frames) override;
    void InProcess(uint64_t cycleStartNs) override;
    uint32_t CalcMIDISampleOffset(uint64_t timeNs) const;
    // The tempo the unit reads through its host callback (beat 0).
    double GetTempo() const override { return m_tempo.load(std::memory_order_relaxed); }

    // ---- Sources, slots, clock (main thread)
    void RebuildDataList(const MIDIEndpointList& list);
    void SetSource(int slot, uint32_t endpoint, bool exclusive);
    void SetClockSyncSource(uint32_t endpoint);
    void GetSourceType(uint32_t endpoint, uint32_t* kind, uint32_t* number);
    uint32_t SlotSource(int slot);
    // The settings lists: inputs sorted by number, clock entries in source order.
    void BuildMidiEntries(const MIDIEndpointList& list, std::vector<MidiEntry>* inputs,
                          std::vector<MidiEntry>* clock);
    // True when the list of sources differs from the last snapshot taken (and takes a new one).
    bool CheckUpdated();
    // LED and LCD requests sent; a queued channel change applied.
    void Idle();

    // ---- File menu and settings, passed to the plug-in object
    void HandleBankOpen();
    void HandleBankSaveAs();
    void HandlePresetImport();
    void HandlePresetExport();
    void SetKnobMode(int mode);

    // ---- Controller protocol (main thread; the MIDI lock held once by the caller)
    void DeviceInquiry(uint32_t source, uint32_t destination, int* channel);
    void ChangeExclusiveMode(int kind, uint32_t source, uint32_t destination, int channel, int mode);
    void ExclusiveInitialize(int kind, uint32_t source, uint32_t destination, int oldChannel, int newChannel);
    // A complete message from a source (F0 ... F7); probeIndex >= 0 while probing that source.
    void HandleSysEx(uint32_t source, const uint8_t* bytes, size_t length, int probeIndex);

    // ---- IVINTORHOST_vintorvstinterface1
    void SetLed_vintorvstinterface1(int source, LED_ID id, LED_STATE state, int value) override;
    void SetLcd_vintorvstinterface1(int source, LCD_ID id, LCD_COLOR color,
                                    const unsigned char* text) override;
    void SetLedHarrow_vintorvstinterface1(int source, LED_HARROW_ID id, LED_STATE state, int value) override;
    void GetCpuCost_vintorvstinterface1(bool* running, double* load, bool* other1, double* other2,
                                        bool* other3) override;
    void SetCombiMIDIChannel_vintorvstinterface1(int channel) override;

    // The packet entry of the input port (public for tests and benchmarks).
    void HandleMIDIPackets(uint32_t source, uint64_t receivedNs, const uint8_t* bytes, size_t length);
    void HandleClockPackets(uint64_t receivedNs, const uint8_t* bytes, size_t length);
    size_t RingLength();
    // Complete exclusive messages handed to HandleSysEx so far, and the last one's length.
    int SysExCount() const { return m_sysExCount.load(); }
    size_t LastSysExLength() const { return m_lastSysExLength.load(); }

private:
    struct SlotData {
        SourceData* source = nullptr;
        bool active = false;
        uint8_t buffer[kSysExMax] = {};
        size_t position = 0;
    };
    struct FindExData {
        uint32_t endpoint = 0;
        uint32_t destination = 0;
        uint32_t kind = kKindPlain;
        uint8_t buffer[kSysExMax] = {};
        size_t position = 0;
    };
    struct LedRequest {
        int source, code, state, value;
    };
    struct LcdRequest {
        int source, code, colour;
        uint8_t text[8];
    };
    class ClockSink;

    // IMidiPacketSink
    void OnMidiPacket(const uint8_t* bytes, size_t length) override;
    void OnMidiPacketFrom(uint32_t source, uint64_t receivedNs, const uint8_t* bytes, size_t length) override;
    // IMidiSetupListener
    void OnMidiSetupChanged() override;

    void DrainRing();
    void AppendSysExByte(uint32_t source, uint8_t byte, uint8_t* buffer, size_t* position, int probeIndex);
    SourceData* FindSource(uint32_t endpoint);
    void Connect(uint32_t endpoint);
    void Disconnect(uint32_t endpoint);
    void Send(uint32_t destination, const MidiBytes& bytes);
    // Sends (unless empty) and waits up to 100 ms for a reply to end the wait, without the MIDI lock.
    void SendAndWait(uint32_t destination, const MidiBytes& bytes);
    void EndWait();
    void ApplyCombiChannel(int channel);

    IMidiBackend* m_backend;
    IHostedUnit* m_unit;
    IHostShell* m_shell;
    const CpuLoadWatch* m_cpu = nullptr;
    IVINTORPLUGIN_vintorvstinterface1* m_plugin = nullptr;

    ZbrMutex m_midiLock{ZBRMUTEX_RECURSIVE};
    ZbrMutex m_ledLock{ZBRMUTEX_RECURSIVE};
    std::mutex m_ringLock;
    MIDIPacketRingBuffer m_ring{1024};

    // The one input port of the chosen sources (slots and probes), each connected once however
    // many of them use it.
    std::unique_ptr<IMidiBackendInputPort> m_inputPort;
    std::map<uint32_t, int> m_connectCount;
    std::map<uint32_t, std::unique_ptr<IMidiBackendOutput>> m_outputs;
    std::unique_ptr<ClockSink> m_clockSink;
    std::unique_ptr<IMidiBackendInput> m_clockInput;
    uint32_t m_clockSource = 0;

    std::vector<std::unique_ptr<SourceData>> m_sources;
    SlotData m_slots[kSlotCount];
    std::vector<std::unique_ptr<FindExData>> m_probes;
    std::unique_ptr<MIDIEndpointList> m_snapshot;

    // Waiting state (MIDI lock), and the wait's end (its own lock).
    std::atomic<bool> m_probing{false};
    bool m_waiting = false;
    uint32_t m_awaitedSource = 0;
    uint32_t m_probeDestination = 0;
    int m_identityChannel = -1;
    int m_expectedExclusiveMode = 0;
    bool m_exclusiveModeCompleted = false;
    int m_expectedInitStep = -1;
    bool m_initResult = false;
    std::mutex m_waitMutex;
    std::condition_variable m_waitCond;
    bool m_waitEnded = false;

    // Render cycle.
    std::atomic<double> m_sampleRate{44100};
    std::atomic<uint32_t> m_bufferFrames{512};
    std::atomic<uint64_t> m_cycleStart{0};

    // LED and LCD queues and a channel change for Idle (LED lock).
    std::vector<LedRequest> m_leds, m_harrowLeds;
    std::vector<LcdRequest> m_lcds;
    int m_pendingChannel = -1;

    // Clock (the read thread only, but the restart flag and the tempo).
    static constexpr int kClockRing = 100;
    uint64_t m_prevTickUs = 0;
    uint64_t m_intervals[kClockRing] = {};
    int m_intervalIndex = 0;
    int m_intervalsInRun = 0;
    double m_average = 0;
    std::atomic<bool> m_clockRestart{true};
    std::atomic<double> m_tempo{120.0};
    std::atomic<int> m_sysExCount{0};
    std::atomic<size_t> m_lastSysExLength{0};
};
