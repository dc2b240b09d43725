#pragma once
// A section owner for tests: the image, a preset image, modes and tempo set by the test, a
// dispatcher on the test thread's pumped run loop, and a link that records every message it is asked
// to send as the bytes the message builders make.
#include <atomic>
#include <cstdio>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "Common/Link/DumpPacking.h"
#include "Common/Link/IRemoteMIDI.h"
#include "Common/Model/Banks.h"
#include "Common/Model/Presets.h"
#include "Common/Model/Sections.h"
#include "Linux/AsyncDispatch.h"
#include "Linux/MidiIO/MidiIO.h"
#include "Linux/RunLoop.h"
#include "Linux/Sync.h"

namespace QorX0 {

class RecordingLink : public IRemoteMIDI {
public:
    using Bytes = std::vector<uint8_t>;

    std::vector<Bytes> Sent();
    void Clear();
    unsigned char channel = 0;
    bool keep = true;  // false: messages are built and counted, not kept
    std::atomic<unsigned> count{0};

    bool UIActivate() override { return false; }
    void UIDeactivate() override {}
    bool UIIsActive() override { return false; }
    bool UIIsAborted() override { return false; }
    bool UIConfigure(const char*, unsigned, unsigned, unsigned) override { return true; }
    void UIProgress(unsigned, unsigned, const char*) override {}
    int UIWait(unsigned) override { return 0; }
    bool Connect(IRemoteMIDICallback*, bool) override { return false; }
    bool Connect(IRemoteMIDICallback*, bool, std::string, std::string) override { return false; }
    void Disconnect() override {}
    bool GetConnectionState(MIDIDevKey*, MIDIDevKey*, DEVICEINQUIRYDATA*, MODEANDSTATE*) const override {
        return true;
    }
    unsigned char GetMode() const override { return 0; }
    SOUNDINDEX GetBnkPgmPair() const override { return {0, 0}; }
    unsigned char GetGlobalChannel() const override { return channel; }
    bool GetGMMapping() const override { return false; }
    const MODEANDSTATE* GetModeAndState() const override { return nullptr; }

    QNRESULT SendShortMsg(long long time, const void* data, unsigned length) override;
    QNRESULT SendProgramChange(unsigned, unsigned) override { return QN_FAIL; }
    QNRESULT SendModeAndStateReq() override { return QN_FAIL; }
    QNRESULT SendCurProgDumpReq() override { return QN_FAIL; }
    QNRESULT SendProgDumpReq(int, int) override { return QN_FAIL; }
    QNRESULT SendCurCombiDumpReq() override { return QN_FAIL; }
    QNRESULT SendCombiDumpReq(int, int) override { return QN_FAIL; }
    QNRESULT SendCurMultiDumpReq() override { return QN_FAIL; }
    QNRESULT SendMultiDumpReq(int) override { return QN_FAIL; }
    QNRESULT SendGlobalDumpReq() override { return QN_FAIL; }
    QNRESULT SendDrumkitDumpReq(int) override { return QN_FAIL; }
    QNRESULT SendArpPatternDumpReq(int) override { return QN_FAIL; }
    QNRESULT SendExtControlDumpReq(int) override { return QN_FAIL; }
    QNRESULT SendAllDumpReq() override { return QN_FAIL; }
    QNRESULT SendProgWriteReq(int, int) override { return QN_FAIL; }
    QNRESULT SendCombiWriteReq(int, int) override { return QN_FAIL; }
    QNRESULT SendMultiWriteReq(int) override { return QN_FAIL; }
    QNRESULT SendCurProgDump(const void*, unsigned) override { return QN_FAIL; }
    QNRESULT SendProgDump(int, int, const void*, unsigned) override { return QN_FAIL; }
    QNRESULT SendCurCombiDump(const void*, unsigned) override { return QN_FAIL; }
    QNRESULT SendCombiDump(int, int, const void*, unsigned) override { return QN_FAIL; }
    QNRESULT SendCurMultiDump(const void* data, unsigned size) override;
    QNRESULT SendMultiDump(int, const void*, unsigned) override { return QN_FAIL; }
    QNRESULT SendGlobalDump(const void*, unsigned) override { return QN_FAIL; }
    QNRESULT SendDrumkitDump(int, const void*, unsigned) override { return QN_FAIL; }
    QNRESULT SendArpPatternDump(int, const void*, unsigned) override { return QN_FAIL; }
    QNRESULT SendExtControlDump(int, const void*, unsigned) override { return QN_FAIL; }
    QNRESULT SendAllDump(const void*, unsigned) override { return QN_FAIL; }
    QNRESULT SendMasterVolumeChange(unsigned volume) override;
    QNRESULT SendModeChange(unsigned char) override { return QN_FAIL; }
    QNRESULT SendParamChange(unsigned char mode, int pid, int value) override;
    QNRESULT SendDrumkitParamChange(unsigned kit, unsigned slot, int param, int value) override;
    QNRESULT SendArpPatternParamChange(unsigned pattern, int param, unsigned index, int value) override;
    QNRESULT SendExtControlParamChange(unsigned set, int param, int value) override;
    std::vector<MIDIDevKey> GetMIDIInKeyDevArray() const override;
    std::vector<MIDIDevKey> GetMIDIOutKeyDevArray() const override;

private:
    QNRESULT Record(const uint8_t* bytes, size_t length);
    std::mutex m_lock;
    std::vector<Bytes> m_sent;
};

class FakeHostProxy : public IHostProxy {
public:
    explicit FakeHostProxy(unsigned char pmid = kPmidTolva);
    ~FakeHostProxy();

    IAsyncDispatch* GetDisp() override { return dispatch; }
    unsigned char GetPMID() override { return pmid; }
    unsigned char GetRemoteMode() override { return mode; }
    unsigned char GetRemoteVirtualMode() override { return virtualMode; }
    unsigned char GetRemoteSoundMode() override { return soundMode; }
    int GetRemoteTempo() override { return tempo; }
    IRemoteMIDI* GetRemoteMidi() override { return &link; }
    CHUNK_REMOTESYNTH* GetRawChunk() override { return image.get(); }
    const uint8_t* GetRawChunkROM() override { return rom.data(); }
    CHfcCriticalSection& GetImageLock() override { return imageLock; }

    // Runs every event posted to the main thread so far.
    void Pump();
    // Sets mode, virtual mode and sound mode together (the image's mode byte too).
    void SetMode(unsigned char m);

    unsigned char pmid;
    unsigned char mode = 2, virtualMode = 2, soundMode = 2;
    int tempo = 120;
    std::unique_ptr<CHUNK_REMOTESYNTH> image;
    std::vector<uint8_t> rom;
    RecordingLink link;
    CHfcCriticalSection imageLock;
    RunLoop loop;
    IAsyncDispatch* dispatch = nullptr;
};

// An observer that writes down what it hears: "R" reinitialised, "P<pid>" properties, "C<pid>" changed.
class RecordingSink : public ISectionSink {
public:
    void OnSectionReinitialized(ISection* s) override;
    void OnSectionParamPropsChanged(ISection* s, int pid) override;
    void OnSectionParamChanged(ISection* s, int pid) override;
    std::vector<std::string> events;
    std::vector<ISection*> sections;
    std::string Joined() const;
    void Clear() {
        events.clear();
        sections.clear();
    }
};

std::string Hex(const std::vector<uint8_t>& bytes);
// Whether two descriptions describe the same row the same way, wherever its record lies (an array
// section's selected element).
bool SameParamDesc(const PARAMDESC& a, const PARAMDESC& b);
// The bytes a message builder makes, as Hex writes them.
std::string MsgHex(const SXMessage& m);

// ---- definitions

inline QNRESULT RecordingLink::Record(const uint8_t* bytes, size_t length) {
    ++count;
    if (!keep) return length ? QS_OK : QN_FAIL;
    std::lock_guard<std::mutex> g(m_lock);
    m_sent.emplace_back(bytes, bytes + length);
    return QS_OK;
}

inline std::vector<RecordingLink::Bytes> RecordingLink::Sent() {
    std::lock_guard<std::mutex> g(m_lock);
    return m_sent;
}

inline void RecordingLink::Clear() {
    std::lock_guard<std::mutex> g(m_lock);
    m_sent.clear();
}

inline QNRESULT RecordingLink::SendShortMsg(long long, const void* data, unsigned length) {
    return Record(static_cast<const uint8_t*>(data), length);
}

inline QNRESULT RecordingLink::SendCurMultiDump(const void* data, unsigned size) {
    SXMessage m = SXCurMultiDump(channel);
    Bytes bytes(m.bytes, m.bytes + m.length);
    ChunkEncode enc(data, size);
    uint8_t block[256];
    while (size_t n = enc.Read(block, sizeof block)) bytes.insert(bytes.end(), block, block + n);
    bytes.push_back(0xF7);
    return Record(bytes.data(), bytes.size());
}

inline QNRESULT RecordingLink::SendMasterVolumeChange(unsigned volume) {
    SXMessage m = SXMasterVolume(channel, volume);
    return Record(m.bytes, m.length);
}

inline QNRESULT RecordingLink::SendParamChange(unsigned char mode, int pid, int value) {
    SXMessage m = SXParamChange(channel, mode, pid, value);
    return m.valid() ? Record(m.bytes, m.length) : QN_FAIL;
}

inline QNRESULT RecordingLink::SendDrumkitParamChange(unsigned kit, unsigned slot, int param, int value) {
    SXMessage m = SXDrumkitParamChange(channel, kit, slot, param, value);
    return m.valid() ? Record(m.bytes, m.length) : QN_FAIL;
}

inline QNRESULT RecordingLink::SendArpPatternParamChange(unsigned pattern, int param, unsigned index,
                                                         int value) {
    SXMessage m = SXArpPatternParamChange(channel, pattern, param, index, value);
    return m.valid() ? Record(m.bytes, m.length) : QN_FAIL;
}

inline QNRESULT RecordingLink::SendExtControlParamChange(unsigned set, int param, int value) {
    SXMessage m = SXExtControlParamChange(channel, set, param, value);
    return m.valid() ? Record(m.bytes, m.length) : QN_FAIL;
}

inline std::vector<MIDIDevKey> RecordingLink::GetMIDIInKeyDevArray() const {
    return {};
}
inline std::vector<MIDIDevKey> RecordingLink::GetMIDIOutKeyDevArray() const {
    return {};
}

inline FakeHostProxy::FakeHostProxy(unsigned char model)
    : pmid(model), image(std::make_unique<CHUNK_REMOTESYNTH>()), rom(kSizePresetImage) {
    InitAllChunk(image.get());
    FillPresetImage(rom.data(), pmid);
    dispatch = AsyncDispatchCreate(&loop);
}

inline FakeHostProxy::~FakeHostProxy() {
    delete dispatch;
}

inline void FakeHostProxy::Pump() {
    while (loop.RunPending() > 0) {
    }
}

inline void FakeHostProxy::SetMode(unsigned char m) {
    mode = virtualMode = m;
    soundMode = m == 3 ? 2 : m == 1 ? 0 : m;
    image->mode = m;
}

inline void RecordingSink::OnSectionReinitialized(ISection* s) {
    events.push_back("R");
    sections.push_back(s);
}
inline void RecordingSink::OnSectionParamPropsChanged(ISection* s, int pid) {
    char b[16];
    std::snprintf(b, sizeof b, "P%04X", pid);
    events.push_back(b);
    sections.push_back(s);
}
inline void RecordingSink::OnSectionParamChanged(ISection* s, int pid) {
    char b[16];
    std::snprintf(b, sizeof b, "C%04X", pid);
    events.push_back(b);
    sections.push_back(s);
}
inline std::string RecordingSink::Joined() const {
    std::string s;
    for (const auto& e : events) s += (s.empty() ? "" : " ") + e;
    return s;
}

inline bool SameParamDesc(const PARAMDESC& a, const PARAMDESC& b) {
    return a.name == b.name && a.unit == b.unit && a.pid == b.pid && a.ptype == b.ptype &&
           a.atype == b.atype && a.offset == b.offset && a.lobit == b.lobit && a.hibit == b.hibit &&
           a.defval == b.defval && a.minval == b.minval && a.maxval == b.maxval && a.initval == b.initval &&
           a.flags == b.flags && a.format == b.format && a.accessor == b.accessor &&
           a.converter == b.converter;
}

inline std::string Hex(const std::vector<uint8_t>& bytes) {
    std::string s;
    char b[4];
    for (uint8_t v : bytes) {
        std::snprintf(b, sizeof b, "%02X", v);
        s += (s.empty() ? "" : " ") + std::string(b);
    }
    return s;
}

inline std::string MsgHex(const SXMessage& m) {
    return Hex(std::vector<uint8_t>(m.bytes, m.bytes + m.length));
}

}  // namespace QorX0
