#pragma once
// The exclusive link to one instrument: finds it among the MIDI ports with a device inquiry, keeps
// its identity, channel, mode and current sounds, runs one session per exclusive message, parses what
// the instrument sends and hands it to the owner, and sends short messages through the timed output.
#include <atomic>
#include <memory>
#include <string>
#include <vector>

#include "Common/Link/DumpPacking.h"
#include "Common/Link/IRemoteMIDI.h"
#include "Common/Link/MidiOutQueue.h"
#include "Common/Link/Session.h"
#include "Common/Link/SysexMessages.h"
#include "Linux/AsyncDispatch.h"
#include "Linux/MidiIO/MidiIO.h"
#include "Linux/Sync.h"

namespace QorX0 {

// The link's output; final, so that the link may delete it.
class CLinkMIDIOut final : public CMIDIOut {};

class CRemoteMIDIImpl final : public IRemoteMIDI,
                              public IAsyncDispatchHandler,
                              public IMIDIInCallback,
                              private ISXFrameSink,
                              private ISXOutput {
public:
    explicit CRemoteMIDIImpl(unsigned char model);
    ~CRemoteMIDIImpl() override;
    CRemoteMIDIImpl(const CRemoteMIDIImpl&) = delete;
    CRemoteMIDIImpl& operator=(const CRemoteMIDIImpl&) = delete;

    // ---- IRemoteMIDI
    bool UIActivate() override;
    void UIDeactivate() override;
    bool UIIsActive() override;
    bool UIIsAborted() override;
    // Any thread: the running session ends with QN_ABORT, and every later one fails at once.
    void AbortSessions() { m_session.AbortSessions(); }
    bool UIConfigure(const char* text, unsigned total, unsigned scale, unsigned offset) override;
    void UIProgress(unsigned total, unsigned position, const char* text) override;
    int UIWait(unsigned ms) override;

    bool Connect(IRemoteMIDICallback* callback, bool captionFlag) override;
    bool Connect(IRemoteMIDICallback* callback, bool captionFlag, std::string inputName,
                 std::string outputName) override;
    void Disconnect() override;

    bool GetConnectionState(MIDIDevKey* out, MIDIDevKey* in, DEVICEINQUIRYDATA* inquiry,
                            MODEANDSTATE* state) const override;
    unsigned char GetMode() const override;
    SOUNDINDEX GetBnkPgmPair() const override;
    unsigned char GetGlobalChannel() const override;
    bool GetGMMapping() const override;
    const MODEANDSTATE* GetModeAndState() const override;

    QNRESULT SendShortMsg(long long time, const void* data, unsigned length) override;
    QNRESULT SendProgramChange(unsigned bank, unsigned number) override;

    QNRESULT SendModeAndStateReq() override;
    QNRESULT PostModeAndStateReq() override;
    QNRESULT SendCurProgDumpReq() override;
    QNRESULT SendProgDumpReq(int bank, int number) override;
    QNRESULT SendCurCombiDumpReq() override;
    QNRESULT SendCombiDumpReq(int bank, int number) override;
    QNRESULT SendCurMultiDumpReq() override;
    QNRESULT SendMultiDumpReq(int index) override;
    QNRESULT SendGlobalDumpReq() override;
    QNRESULT SendDrumkitDumpReq(int index) override;
    QNRESULT SendArpPatternDumpReq(int index) override;
    QNRESULT SendExtControlDumpReq(int index) override;
    QNRESULT SendAllDumpReq() override;

    QNRESULT SendProgWriteReq(int bank, int number) override;
    QNRESULT SendCombiWriteReq(int bank, int number) override;
    QNRESULT SendMultiWriteReq(int number) override;

    QNRESULT SendCurProgDump(const void* data, unsigned size) override;
    QNRESULT SendProgDump(int bank, int number, const void* data, unsigned size) override;
    QNRESULT SendCurCombiDump(const void* data, unsigned size) override;
    QNRESULT SendCombiDump(int bank, int number, const void* data, unsigned size) override;
    QNRESULT SendCurMultiDump(const void* data, unsigned size) override;
    QNRESULT SendMultiDump(int index, const void* data, unsigned size) override;
    QNRESULT SendGlobalDump(const void* data, unsigned size) override;
    QNRESULT SendDrumkitDump(int index, const void* data, unsigned size) override;
    QNRESULT SendArpPatternDump(int index, const void* data, unsigned size) override;
    QNRESULT SendExtControlDump(int index, const void* data, unsigned size) override;
    QNRESULT SendAllDump(const void* data, unsigned size) override;

    QNRESULT SendMasterVolumeChange(unsigned volume) override;
    QNRESULT SendModeChange(unsigned char mode) override;
    QNRESULT SendParamChange(unsigned char mode, int pid, int value) override;
    QNRESULT SendDrumkitParamChange(unsigned kit, unsigned slot, int param, int value) override;
    QNRESULT SendArpPatternParamChange(unsigned pattern, int param, unsigned index, int value) override;
    QNRESULT SendExtControlParamChange(unsigned set, int param, int value) override;

    std::vector<MIDIDevKey> GetMIDIInKeyDevArray() const override;
    std::vector<MIDIDevKey> GetMIDIOutKeyDevArray() const override;

    // ---- IAsyncDispatchHandler: event 1 opens the session of an unsolicited dump.
    void OnAsyncTimer(long) override {}
    void OnAsyncEvent(long event, long argument) override;

    // ---- IMIDIInCallback (MIDI read thread)
    void OnMIDIShort(IMIDIIn* port, long long time, const void* data, unsigned int length) override;
    void OnMIDILong(IMIDIIn* port, long long time, const void* data, unsigned int length) override;
    void OnMIDILost(IMIDIIn* port) override;

    static constexpr long kEventUnsolicitedDump = 1;

    // Test support: when set, every sender calls it right after taking the output, so that a test can
    // hold a sender there while another thread replaces the output.
    static std::atomic<void (*)()> s_outTakenHook;

private:
    // ISXFrameSink: the parser, on every stored piece of an exclusive message.
    void OnSXPiece(bool complete) override;
    // ISXOutput, for the session worker.
    void LockPort() override;
    void UnlockPort() override;
    QNRESULT SendLong(const void* data, unsigned length) override;

    QNRESULT DoSXSession(unsigned flags, unsigned txTotal, const void* header, unsigned headerLength,
                         const void* body, unsigned bodyLength, unsigned replySize, const SXSig& reply,
                         const SXSig& error, unsigned timeoutMs);
    QNRESULT DoMessage(const SXMessage& message, const void* body = nullptr, unsigned bodyLength = 0);
    QNRESULT DoDump(const SXMessage& header, SXDump dump, SXScope scope, const void* data, unsigned size);

    // The common start of both connects; true when it activated the dialog.
    bool BeginConnect(IRemoteMIDICallback* callback, bool captionFlag);
    bool FinishConnect(bool found);
    // Device inquiry on the link's ports; true when our model answered.
    bool Inquire();
    void StoreIdentity(const MIDIDevKey& out, const MIDIDevKey& in);
    void ResetState();
    void HandleDump(const SXParsed& parsed, bool complete);
    void Complete(QNRESULT result);

    const unsigned char m_model;
    std::unique_ptr<IAsyncDispatch> m_dispatch;
    SXRcvCtx m_rcv;
    SXSessionCtx m_session;
    SXSessionWorker m_worker;  // after the session: stopped before it goes

    // Senders on any thread (host MIDI comes on the audio thread at any moment) use the output only
    // through an OutUse; it is freed only after ReleaseOut, which waits until no sender holds it.
    class OutUse;
    CLinkMIDIOut* ReleaseOut();

    std::atomic<CLinkMIDIOut*> m_out{nullptr};
    std::atomic<int> m_outUsers{0};
    std::atomic<IMIDIIn*> m_in{nullptr};
    std::atomic<IRemoteMIDICallback*> m_callback{nullptr};
    std::atomic<bool> m_connected{false};
    bool m_captionFlag = false;
    std::atomic<bool> m_eventPosted{false};
    // The last piece parsed completed its message (the framing ends it right after).
    std::atomic<bool> m_pieceComplete{true};

    // State learned from the instrument, written on the read thread, read anywhere.
    mutable CHfcCriticalSection m_stateLock;
    MIDIDevKey m_inKey;
    MIDIDevKey m_outKey;
    std::vector<MIDIDevKey> m_inKeys;
    std::vector<MIDIDevKey> m_outKeys;
    uint8_t m_channel = 0;
    uint8_t m_mode = 0;
    SOUNDINDEX m_prog{255, 255};
    SOUNDINDEX m_combi{255, 255};
    SOUNDINDEX m_multi{255, 255};
    bool m_gmMapping = false;
    DEVICEINQUIRYDATA m_inquiry{};
    MODEANDSTATE m_modeState{};
    uint8_t m_bankMsb = 0;  // read thread only
    uint8_t m_bankLsb = 0;
};

}  // namespace QorX0
