#pragma once
// The instrument's exclusive messages: what the link sends (requests, dumps, write commands, mode
// and parameter changes, device inquiry, master volume) with the session parameters of each, and
// the parser of what the instrument sends back.
#include <cstddef>
#include <cstdint>

#include "Common/Link/DumpPacking.h"
#include "Common/Link/SXSig.h"

namespace QorX0 {

constexpr uint8_t kSXManufacturer = 0x42;
constexpr uint8_t kSXModelId = 0x7A;

// Function codes of the instrument's frame F0 42 3g 7A code ...
enum : uint8_t {
    SX_REQ_CURPROG = 0x10,
    SX_REQ_PROG = 0x1C,
    SX_REQ_CURCOMBI = 0x19,
    SX_REQ_COMBI = 0x1D,
    SX_REQ_CURMULTI = 0x16,
    SX_REQ_MULTI = 0x18,
    SX_REQ_GLOBAL = 0x0E,
    SX_REQ_DRUMKIT = 0x0D,
    SX_REQ_ARPPATTERN = 0x34,
    SX_REQ_EXTCONTROL = 0x1E,
    SX_REQ_ALL = 0x0F,
    SX_REQ_MODEANDSTATE = 0x12,
    SX_WRITE_PROG = 0x11,
    SX_WRITE_COMBI = 0x1A,
    SX_WRITE_MULTI = 0x17,
    SX_DUMP_CURPROG = 0x40,
    SX_DUMP_PROG = 0x4C,
    SX_DUMP_CURCOMBI = 0x49,
    SX_DUMP_COMBI = 0x4D,
    SX_DUMP_CURMULTI = 0x4A,
    SX_DUMP_MULTI = 0x48,
    SX_DUMP_GLOBAL = 0x51,
    SX_DUMP_DRUMKIT = 0x52,
    SX_DUMP_ARPPATTERN = 0x69,
    SX_DUMP_EXTCONTROL = 0x6E,
    SX_DUMP_ALL = 0x50,
    SX_MODEANDSTATE = 0x42,
    SX_MODECHANGE = 0x4E,
    SX_PARAMCHANGE = 0x41,
    SX_DRUMKITPARAMCHANGE = 0x53,
    SX_ARPPATTERNPARAMCHANGE = 0x6D,
    SX_EXTCONTROLPARAMCHANGE = 0x6F,
    SX_WRITECOMPLETE = 0x21,
    SX_WRITEERROR = 0x22,
    SX_LOADCOMPLETE = 0x23,
    SX_LOADERROR = 0x24,
    SX_FORMATERROR = 0x26,
};

// Session flags.
enum : unsigned {
    SXF_TRANSMIT = 1,
    SXF_TXPROGRESS = 2,
    SXF_WAITREPLY = 4,
    SXF_RXPROGRESS = 8,
};

// Wait of a session given as 0: 10000 ms when it shows progress, else 1000 ms.
constexpr unsigned SXDefaultWait(unsigned flags) {
    return (flags & (SXF_TXPROGRESS | SXF_RXPROGRESS)) ? 10000u : 1000u;
}

// 14-bit two's complement, sent high 7 bits first.
struct SXParamBytes {
    uint8_t hi;
    uint8_t lo;
};
constexpr SXParamBytes ParamEncode(int value) {
    const unsigned v = static_cast<unsigned>(value) & 0x3FFF;
    return {static_cast<uint8_t>(v >> 7), static_cast<uint8_t>(v & 0x7F)};
}
constexpr int ParamDecode(uint8_t hi, uint8_t lo) {
    const int v = ((hi & 0x7F) << 7) | (lo & 0x7F);
    return (v ^ 0x2000) - 0x2000;
}

// The instrument's state as its mode-and-state reply gives it (bytes 5 to 25 of the reply).
struct MODEANDSTATE {
    enum : unsigned {
        MODE = 0,
        FLAGS = 2,
        PROTECT = 4,
        PROG_BANK = 6,
        PROG_NUMBER = 7,
        COMBI_BANK = 10,
        COMBI_NUMBER = 11,
        MULTI_NUMBER = 15,
        MULTI_CONTROL_TRACK = 16,
        EXTCTRL_ENABLED = 18,
        EXTCTRL_VALUE = 19,
    };
    enum : uint8_t {
        FLAG_LOCALCONTROL = 0x01,
        FLAG_EXTCTRL_MASK = 0x06,
        FLAG_GMBANKMAP = 0x10,
        FLAG_MEMORIZE = 0x20,
    };
    uint8_t data[21];

    uint8_t Mode() const { return data[MODE]; }
    bool LocalControl() const { return data[FLAGS] & FLAG_LOCALCONTROL; }
    unsigned ExtControlState() const { return (data[FLAGS] & FLAG_EXTCTRL_MASK) >> 1; }
    bool GMBankMap() const { return data[FLAGS] & FLAG_GMBANKMAP; }
    bool MemorizeOnPowerOn() const { return data[FLAGS] & FLAG_MEMORIZE; }
    bool Protect() const { return data[PROTECT] != 0; }
};
static_assert(sizeof(MODEANDSTATE) == 21);

// The instrument's identity from the device-inquiry reply (bytes 5 to 13).
struct DEVICEINQUIRYDATA {
    enum : unsigned {
        MANUFACTURER = 0,
        FAMILY_LO = 1,
        FAMILY_HI = 2,
        MEMBER = 3,
        MEMBER_HI = 4,
        VERSION = 5
    };
    uint8_t data[9];

    uint8_t MemberCode() const { return data[MEMBER]; }  // the model byte
};
static_assert(sizeof(DEVICEINQUIRYDATA) == 9);

// One message to send and the parameters of its session. For a dump, bytes hold the header; the
// sender appends the packed record and 0xF7. A builder refuses arguments that do not fit their
// 7-bit fields by returning a message that is not valid().
struct SXMessage {
    static constexpr size_t kMaxLength = 16;
    uint8_t bytes[kMaxLength] = {};
    unsigned length = 0;
    unsigned flags = 0;
    unsigned txSize = 0;     // transmit total shown by the progress display
    unsigned replySize = 0;  // expected reply size shown by the progress display
    SXSig reply;
    SXSig error;
    unsigned timeoutMs = 0;  // 0: SXDefaultWait(flags)
    bool isDump = false;

    bool valid() const { return length > 0; }
    unsigned Wait() const { return timeoutMs ? timeoutMs : SXDefaultWait(flags); }
};

// The signature F0 42 3g 7A code.
SXSig SXFrameSig(unsigned channel, uint8_t code);

// Universal messages.
SXMessage SXDeviceInquiry();
SXMessage SXMasterVolume(unsigned channel, unsigned volume);

// Requests. For programs and combinations a negative bank asks for all, a negative number for a
// whole bank; for the indexed kinds a negative index asks for all.
SXMessage SXModeAndStateReq(unsigned channel);
SXMessage SXCurProgDumpReq(unsigned channel);
SXMessage SXProgDumpReq(unsigned channel, unsigned char model, int bank, int number);
SXMessage SXCurCombiDumpReq(unsigned channel);
SXMessage SXCombiDumpReq(unsigned channel, int bank, int number);
SXMessage SXCurMultiDumpReq(unsigned channel);
SXMessage SXMultiDumpReq(unsigned channel, int index);
SXMessage SXGlobalDumpReq(unsigned channel);
SXMessage SXDrumkitDumpReq(unsigned channel, int index);
SXMessage SXArpPatternDumpReq(unsigned channel, int index);
SXMessage SXExtControlDumpReq(unsigned channel, int index);
SXMessage SXAllDumpReq(unsigned channel, unsigned char model);

// Write commands.
SXMessage SXProgWriteReq(unsigned channel, int bank, int number);
SXMessage SXCombiWriteReq(unsigned channel, int bank, int number);
SXMessage SXMultiWriteReq(unsigned channel, int number);

// Dump headers, addressed as the requests are.
SXMessage SXCurProgDump(unsigned channel);
SXMessage SXProgDump(unsigned channel, unsigned char model, int bank, int number);
SXMessage SXCurCombiDump(unsigned channel);
SXMessage SXCombiDump(unsigned channel, int bank, int number);
SXMessage SXCurMultiDump(unsigned channel);
SXMessage SXMultiDump(unsigned channel, int index);
SXMessage SXGlobalDump(unsigned channel);
SXMessage SXDrumkitDump(unsigned channel, int index);
SXMessage SXArpPatternDump(unsigned channel, int index);
SXMessage SXExtControlDump(unsigned channel, int index);
SXMessage SXAllDump(unsigned channel, unsigned char model);

// Mode and parameter changes. Global mode is 6, as the sections send it.
SXMessage SXModeChange(unsigned channel, unsigned char mode);
SXMessage SXParamChange(unsigned channel, unsigned char mode, int pid, int value);
SXMessage SXDrumkitParamChange(unsigned channel, unsigned kit, unsigned slot, int param, int value);
SXMessage SXArpPatternParamChange(unsigned channel, unsigned pattern, int param, unsigned index, int value);
SXMessage SXExtControlParamChange(unsigned channel, unsigned set, int param, int value);

// Scope of an address given as signed bank and number (programs, combinations) or index.
constexpr SXScope SXScopeOf(int bank, int number) {
    return bank < 0 ? SXScope::All : number < 0 ? SXScope::Bank : SXScope::One;
}
constexpr SXScope SXScopeOf(int index) {
    return index < 0 ? SXScope::All : SXScope::One;
}

// Trace texts of a dump: sent ("Send: Prog Dump, %d:%d\n" and the like) and received.
const char* SXDumpSendTrace(SXDump dump);
const char* SXDumpRcvTrace(SXDump dump);

// The trace text for the reason code of a write error, load error or format error ("%u" is the code).
const char* SXReasonText(uint8_t code, unsigned reason);

// ---- Received messages

enum class SXRcvKind : uint8_t {
    None,               // nothing recognisable (never returned for a message that begins with 0xF0)
    InquiryReply,       // universal device-inquiry reply from one of our models
    MasterVolume,       // universal real-time master volume to our global channel
    UniversalRealtime,  // other universal real-time message to our global channel (code = sub-ID)
    Unhandled,          // not the instrument's frame
    UnknownCode,        // the instrument's frame with an unknown function code
    WriteComplete,
    WriteError,
    LoadComplete,
    LoadError,
    FormatError,
    Dump,
    ModeAndState,
    ModeChange,
    ParamChange,
    DrumkitParamChange,
    ArpPatternParamChange,
    ExtControlParamChange,
};

struct SXParsed {
    SXRcvKind kind = SXRcvKind::None;
    uint8_t code = 0;  // function code (sub-ID for UniversalRealtime)
    // The length gate is met: for a dump, its header is in (tell the receive context with
    // Estimated(expectedTotal, bodyOffset, complete) and report progress); for every other message,
    // it is complete and long enough for its handler.
    bool ready = false;

    // Dumps. bank, number and index are -1 where the dump holds all of them.
    SXDump dump = SXDump::CurProg;
    SXScope scope = SXScope::One;
    unsigned bodyOffset = 0;
    unsigned expectedTotal = 0;  // whole message, 0xF7 included
    unsigned bodySize = 0;       // unpacked record bytes a complete dump must hold
    int bank = -1;
    int number = -1;
    int index = -1;

    // Changes and replies.
    uint8_t mode = 0;
    int pid = 0;
    int value = 0;
    unsigned kit = 0;
    unsigned slot = 0;
    unsigned pattern = 0;
    unsigned set = 0;
    int param = 0;
    unsigned reason = 0;
    unsigned volume = 0;
    uint8_t channel = 0;              // inquiry reply: the instrument's global channel
    const uint8_t* record = nullptr;  // MODEANDSTATE or DEVICEINQUIRYDATA bytes inside the message
};

// Parses the exclusive message received so far. raw holds its first rawSize bytes (0xF0 included,
// the closing 0xF7 never; for a dump whose body has gone to the decoder, only its header); length is
// the count of bytes received; complete tells whether the 0xF7 has arrived. Reads nothing beyond
// raw + rawSize.
SXParsed SXParse(const uint8_t* raw, size_t rawSize, size_t length, bool complete, unsigned globalChannel,
                 unsigned char model);

}  // namespace QorX0
