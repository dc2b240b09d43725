#pragma once
// A section owner for tests: the image, a preset image, modes and tempo set by the test, a
// dispatcher on the test thread's pumped run loop, and a link that records every message it is asked
// to send as the bytes the message builders make.
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "Common/Link/IRemoteMIDI.h"
#include "Common/Model/Sections.h"
#include "Linux/AsyncDispatch.h"
#include "Linux/RunLoop.h"
#include "Linux/Sync.h"

namespace QorX0 {

class RecordingLink : public IRemoteMIDI {
public:
    using Bytes = std::vector<uint8_t>;

    std::vector<Bytes> Sent();
    void Clear();
    unsigned char channel = 0;

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

}  // namespace QorX0
