#pragma once
// The exclusive link to one instrument as its owner and the sections see it, and the owner's side
// that the link calls back on the MIDI read thread. Sends return the shared result codes: the result
// of the request or reply session, QN_FAIL when not connected.
#include <string>
#include <vector>

#include "Common/Link/SysexMessages.h"
#include "Common/Model/SynthData.h"
#include "Common/QnResult.h"

// Endpoint identity of the port layer (Linux/MidiIO/MidiIO.h).
struct MIDIDevKey;

namespace QorX0 {

class IRemoteMIDICallback;

class IRemoteMIDI {
public:
    virtual ~IRemoteMIDI() = default;

    // Progress display of the running session.
    virtual bool UIActivate() = 0;
    virtual void UIDeactivate() = 0;
    virtual bool UIIsActive() = 0;
    virtual bool UIIsAborted() = 0;
    virtual bool UIConfigure(const char* text, unsigned total, unsigned scale, unsigned offset) = 0;
    virtual void UIProgress(unsigned total, unsigned position, const char* text) = 0;
    virtual int UIWait(unsigned ms) = 0;

    // Connect by scanning every port pair with a device inquiry, or through the saved port names
    // (false at once, touching nothing, when either name is empty).
    virtual bool Connect(IRemoteMIDICallback* callback, bool captionFlag) = 0;
    virtual bool Connect(IRemoteMIDICallback* callback, bool captionFlag, std::string inputName,
                         std::string outputName) = 0;
    virtual void Disconnect() = 0;

    // State. Each pointer may be null; out receives the output port's key, in the input port's.
    virtual bool GetConnectionState(MIDIDevKey* out, MIDIDevKey* in, DEVICEINQUIRYDATA* inquiry,
                                    MODEANDSTATE* state) const = 0;
    virtual unsigned char GetMode() const = 0;
    // Combination pair in mode 0, program pair in mode 2, multi pair in mode 4, {0, 0} otherwise.
    virtual SOUNDINDEX GetBnkPgmPair() const = 0;
    virtual unsigned char GetGlobalChannel() const = 0;
    virtual bool GetGMMapping() const = 0;
    virtual const MODEANDSTATE* GetModeAndState() const = 0;

    // Short messages leave through the timed output; time in microseconds of the GetSysTick x 1000
    // clock.
    virtual QNRESULT SendShortMsg(long long time, const void* data, unsigned length) = 0;
    virtual QNRESULT SendProgramChange(unsigned bank, unsigned number) = 0;

    // Requests. A negative bank or index asks for all, a negative number for a whole bank.
    virtual QNRESULT SendModeAndStateReq() = 0;
    // The same request without waiting for its reply, which reaches the callback's
    // OnRcvModeAndState when it comes; QN_BUSY while a session runs or a message is arriving. By
    // default it waits as SendModeAndStateReq does.
    virtual QNRESULT PostModeAndStateReq() { return SendModeAndStateReq(); }
    virtual QNRESULT SendCurProgDumpReq() = 0;
    virtual QNRESULT SendProgDumpReq(int bank, int number) = 0;
    virtual QNRESULT SendCurCombiDumpReq() = 0;
    virtual QNRESULT SendCombiDumpReq(int bank, int number) = 0;
    virtual QNRESULT SendCurMultiDumpReq() = 0;
    virtual QNRESULT SendMultiDumpReq(int index) = 0;
    virtual QNRESULT SendGlobalDumpReq() = 0;
    virtual QNRESULT SendDrumkitDumpReq(int index) = 0;
    virtual QNRESULT SendArpPatternDumpReq(int index) = 0;
    virtual QNRESULT SendExtControlDumpReq(int index) = 0;
    virtual QNRESULT SendAllDumpReq() = 0;

    // Write commands.
    virtual QNRESULT SendProgWriteReq(int bank, int number) = 0;
    virtual QNRESULT SendCombiWriteReq(int bank, int number) = 0;
    virtual QNRESULT SendMultiWriteReq(int number) = 0;

    // Dumps: the records (size bytes) are packed and sent behind the addressed header.
    virtual QNRESULT SendCurProgDump(const void* data, unsigned size) = 0;
    virtual QNRESULT SendProgDump(int bank, int number, const void* data, unsigned size) = 0;
    virtual QNRESULT SendCurCombiDump(const void* data, unsigned size) = 0;
    virtual QNRESULT SendCombiDump(int bank, int number, const void* data, unsigned size) = 0;
    virtual QNRESULT SendCurMultiDump(const void* data, unsigned size) = 0;
    virtual QNRESULT SendMultiDump(int index, const void* data, unsigned size) = 0;
    virtual QNRESULT SendGlobalDump(const void* data, unsigned size) = 0;
    virtual QNRESULT SendDrumkitDump(int index, const void* data, unsigned size) = 0;
    virtual QNRESULT SendArpPatternDump(int index, const void* data, unsigned size) = 0;
    virtual QNRESULT SendExtControlDump(int index, const void* data, unsigned size) = 0;
    virtual QNRESULT SendAllDump(const void* data, unsigned size) = 0;

    // Changes. mode is the section's mode id (global is 6).
    virtual QNRESULT SendMasterVolumeChange(unsigned volume) = 0;
    virtual QNRESULT SendModeChange(unsigned char mode) = 0;
    virtual QNRESULT SendParamChange(unsigned char mode, int pid, int value) = 0;
    virtual QNRESULT SendDrumkitParamChange(unsigned kit, unsigned slot, int param, int value) = 0;
    virtual QNRESULT SendArpPatternParamChange(unsigned pattern, int param, unsigned index, int value) = 0;
    virtual QNRESULT SendExtControlParamChange(unsigned set, int param, int value) = 0;

    // Ports found at the last connect.
    virtual std::vector<MIDIDevKey> GetMIDIInKeyDevArray() const = 0;
    virtual std::vector<MIDIDevKey> GetMIDIOutKeyDevArray() const = 0;
};

// Implemented by the link's owner; every call comes on the MIDI read thread. The result of a dump,
// mode-and-state, mode-change or parameter-change callback completes the running session. Index -1
// in a dump means the dump held all items; bank -1 all banks, number -1 a whole bank.
class IRemoteMIDICallback {
public:
    virtual int OnRcvShortMsg(IRemoteMIDI* link, long long time, const void* data, unsigned length) = 0;
    virtual int OnRcvProgramChange(IRemoteMIDI* link, unsigned bank, unsigned number) = 0;
    virtual int OnRcvModeAndState(IRemoteMIDI* link, const MODEANDSTATE* state) = 0;
    virtual int OnRcvCurProgDump(IRemoteMIDI* link, const void* data, unsigned size) = 0;
    virtual int OnRcvProgDump(IRemoteMIDI* link, int bank, int number, const void* data, unsigned size) = 0;
    virtual int OnRcvCurCombiDump(IRemoteMIDI* link, const void* data, unsigned size) = 0;
    virtual int OnRcvCombiDump(IRemoteMIDI* link, int bank, int number, const void* data, unsigned size) = 0;
    virtual int OnRcvCurMultiDump(IRemoteMIDI* link, const void* data, unsigned size) = 0;
    virtual int OnRcvMultiDump(IRemoteMIDI* link, int index, const void* data, unsigned size) = 0;
    virtual int OnRcvGlobalDump(IRemoteMIDI* link, const void* data, unsigned size) = 0;
    virtual int OnRcvDrumkitDump(IRemoteMIDI* link, int index, const void* data, unsigned size) = 0;
    virtual int OnRcvArpPatternDump(IRemoteMIDI* link, int index, const void* data, unsigned size) = 0;
    virtual int OnRcvExtControlDump(IRemoteMIDI* link, int index, const void* data, unsigned size) = 0;
    virtual int OnRcvAllDump(IRemoteMIDI* link, const void* data, unsigned size) = 0;
    virtual int OnRcvMasterVolumeChange(IRemoteMIDI* link, unsigned volume) = 0;
    virtual int OnRcvModeChange(IRemoteMIDI* link, unsigned char mode) = 0;
    virtual int OnRcvParamChange(IRemoteMIDI* link, unsigned char mode, int pid, int value) = 0;
    virtual int OnRcvDrumkitParamChange(IRemoteMIDI* link, unsigned kit, unsigned slot, int param,
                                        int value) = 0;
    virtual int OnRcvArpPatternParamChange(IRemoteMIDI* link, unsigned pattern, int param, unsigned index,
                                           int value) = 0;
    virtual int OnRcvExtControlParamChange(IRemoteMIDI* link, unsigned set, int param, int value) = 0;

protected:
    ~IRemoteMIDICallback() = default;
};

// Creates the link for a model byte (1 or 9); the caller deletes it through the interface.
IRemoteMIDI* RemoteMIDICreate(unsigned char model);

}  // namespace QorX0
