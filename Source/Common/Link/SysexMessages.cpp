#include "Common/Link/SysexMessages.h"

#include <initializer_list>

namespace QorX0 {

namespace {

constexpr unsigned kReplySizeModeAndState = 11;
constexpr unsigned kReplySizeWrite = 8;
constexpr unsigned kReplySizeLoad = 8;
constexpr unsigned kReplySizeInquiry = 15;
constexpr unsigned kInquiryWaitMs = 100;

bool Fits7(int v) {
    return v >= 0 && v <= 0x7F;
}

// A message in the instrument's frame: F0 42 3g 7A, then the given bytes.
SXMessage Frame(unsigned channel, std::initializer_list<uint8_t> rest) {
    SXMessage m;
    m.bytes[0] = 0xF0;
    m.bytes[1] = kSXManufacturer;
    m.bytes[2] = static_cast<uint8_t>(0x30 | (channel & 0x0F));
    m.bytes[3] = kSXModelId;
    m.length = 4;
    for (uint8_t b : rest) m.bytes[m.length++] = b;
    return m;
}

SXMessage Request(unsigned channel, std::initializer_list<uint8_t> rest, uint8_t replyCode,
                  unsigned replySize, unsigned flags) {
    SXMessage m = Frame(channel, rest);
    m.flags = flags;
    m.txSize = m.length;
    m.replySize = replySize;
    m.reply = SXFrameSig(channel, replyCode);
    m.error = SXFrameSig(channel, SX_LOADERROR);
    return m;
}

SXMessage DumpRequest(unsigned channel, std::initializer_list<uint8_t> rest, uint8_t replyCode, SXDump dump,
                      SXScope scope, unsigned char model) {
    const unsigned flags = scope == SXScope::One ? (SXF_TRANSMIT | SXF_WAITREPLY)
                                                 : (SXF_TRANSMIT | SXF_WAITREPLY | SXF_RXPROGRESS);
    return Request(channel, rest, replyCode, SXDumpMessageSize(dump, scope, model), flags);
}

SXMessage WriteRequest(unsigned channel, std::initializer_list<uint8_t> rest) {
    SXMessage m = Request(channel, rest, SX_WRITECOMPLETE, kReplySizeWrite, SXF_TRANSMIT | SXF_WAITREPLY);
    m.error = SXFrameSig(channel, SX_WRITEERROR);
    return m;
}

// A message that the instrument acknowledges with load complete or load error.
SXMessage Loaded(unsigned channel, std::initializer_list<uint8_t> rest, unsigned flags) {
    SXMessage m = Request(channel, rest, SX_LOADCOMPLETE, kReplySizeLoad, flags);
    return m;
}

SXMessage DumpHeader(unsigned channel, std::initializer_list<uint8_t> rest, SXDump dump, SXScope scope,
                     unsigned char model) {
    const unsigned flags = scope == SXScope::One ? (SXF_TRANSMIT | SXF_WAITREPLY)
                                                 : (SXF_TRANSMIT | SXF_WAITREPLY | SXF_TXPROGRESS);
    SXMessage m = Loaded(channel, rest, flags);
    m.txSize = SXDumpMessageSize(dump, scope, model);
    m.isDump = true;
    return m;
}

// Address byte (kind << 4 | bank) and number byte of a program or combination; false when the bank
// does not fit its nibble or the number its 7 bits.
bool SoundAddress(int bank, int number, uint8_t* kindBank, uint8_t* numberByte) {
    const SXScope scope = SXScopeOf(bank, number);
    const int b = scope == SXScope::All ? 0 : bank;
    const int n = scope == SXScope::One ? number : 0;
    if (b > 0x0F || n > 0x7F) return false;
    *kindBank = static_cast<uint8_t>((static_cast<unsigned>(scope) << 4) | static_cast<unsigned>(b));
    *numberByte = static_cast<uint8_t>(n);
    return true;
}

// One flag and index byte of a multi, drum kit or external-control set.
bool ItemAddress(int index, uint8_t* one, uint8_t* indexByte) {
    if (index > 0x7F) return false;
    *one = index < 0 ? 0 : 1;
    *indexByte = index < 0 ? 0 : static_cast<uint8_t>(index);
    return true;
}

// One flag and 14-bit index of an arpeggio pattern: (one << 6), index high, index low; false when
// the index does not fit its 14 bits (masked, it would address another pattern).
struct ArpAddress {
    uint8_t one;
    uint8_t hi;
    uint8_t lo;
};
bool ArpAddressOf(int index, ArpAddress* a) {
    if (index > 0x3FFF) return false;
    *a = index < 0 ? ArpAddress{0, 0, 0}
                   : ArpAddress{0x40, static_cast<uint8_t>((index >> 7) & 0x7F),
                                static_cast<uint8_t>(index & 0x7F)};
    return true;
}

uint8_t ModelFlag(unsigned char model) {
    return model == kPmidTolva ? 0 : 1;
}

}  // namespace

SXSig SXFrameSig(unsigned channel, uint8_t code) {
    return SXSig{0xF0, kSXManufacturer, static_cast<uint8_t>(0x30 | (channel & 0x0F)), kSXModelId, code};
}

// ---- Universal messages

SXMessage SXDeviceInquiry() {
    SXMessage m;
    const uint8_t bytes[] = {0xF0, 0x7E, 0x7F, 0x06, 0x01, 0xF7};
    for (uint8_t b : bytes) m.bytes[m.length++] = b;
    m.flags = SXF_TRANSMIT | SXF_WAITREPLY;
    m.txSize = m.length;
    m.replySize = kReplySizeInquiry;
    m.reply = SXSig{0xF0, 0x7E, SXSig::kAny, 0x06, 0x02, kSXManufacturer};
    m.timeoutMs = kInquiryWaitMs;
    return m;
}

SXMessage SXMasterVolume(unsigned channel, unsigned volume) {
    SXMessage m;
    const uint8_t bytes[] = {0xF0,
                             0x7F,
                             static_cast<uint8_t>(channel & 0x0F),
                             0x04,
                             0x01,
                             static_cast<uint8_t>(volume & 0x7F),
                             static_cast<uint8_t>((volume >> 7) & 0x7F),
                             0xF7};
    for (uint8_t b : bytes) m.bytes[m.length++] = b;
    m.flags = SXF_TRANSMIT;
    m.txSize = m.length;
    m.replySize = 1;
    return m;
}

// ---- Requests

SXMessage SXModeAndStateReq(unsigned channel) {
    SXMessage m = Request(channel, {SX_REQ_MODEANDSTATE, 0xF7}, SX_MODEANDSTATE, kReplySizeModeAndState,
                          SXF_TRANSMIT | SXF_WAITREPLY);
    m.error.Clear();
    return m;
}

SXMessage SXCurProgDumpReq(unsigned channel) {
    return DumpRequest(channel, {SX_REQ_CURPROG, 0x00, 0xF7}, SX_DUMP_CURPROG, SXDump::CurProg, SXScope::One,
                       0);
}

SXMessage SXProgDumpReq(unsigned channel, unsigned char model, int bank, int number) {
    uint8_t kb = 0, nb = 0;
    if (!SoundAddress(bank, number, &kb, &nb)) return {};
    return DumpRequest(channel, {SX_REQ_PROG, kb, nb, 0x00, 0xF7}, SX_DUMP_PROG, SXDump::Prog,
                       SXScopeOf(bank, number), model);
}

SXMessage SXCurCombiDumpReq(unsigned channel) {
    return DumpRequest(channel, {SX_REQ_CURCOMBI, 0x00, 0xF7}, SX_DUMP_CURCOMBI, SXDump::CurCombi,
                       SXScope::One, 0);
}

SXMessage SXCombiDumpReq(unsigned channel, int bank, int number) {
    uint8_t kb = 0, nb = 0;
    if (!SoundAddress(bank, number, &kb, &nb)) return {};
    return DumpRequest(channel, {SX_REQ_COMBI, kb, nb, 0x00, 0xF7}, SX_DUMP_COMBI, SXDump::Combi,
                       SXScopeOf(bank, number), 0);
}

SXMessage SXCurMultiDumpReq(unsigned channel) {
    return DumpRequest(channel, {SX_REQ_CURMULTI, 0x00, 0xF7}, SX_DUMP_CURMULTI, SXDump::CurMulti,
                       SXScope::One, 0);
}

SXMessage SXMultiDumpReq(unsigned channel, int index) {
    uint8_t one = 0, ib = 0;
    if (!ItemAddress(index, &one, &ib)) return {};
    return DumpRequest(channel, {SX_REQ_MULTI, one, ib, 0x00, 0xF7}, SX_DUMP_MULTI, SXDump::Multi,
                       SXScopeOf(index), 0);
}

SXMessage SXGlobalDumpReq(unsigned channel) {
    return DumpRequest(channel, {SX_REQ_GLOBAL, 0x00, 0xF7}, SX_DUMP_GLOBAL, SXDump::Global, SXScope::One, 0);
}

SXMessage SXDrumkitDumpReq(unsigned channel, int index) {
    uint8_t one = 0, ib = 0;
    if (!ItemAddress(index, &one, &ib)) return {};
    return DumpRequest(channel, {SX_REQ_DRUMKIT, one, ib, 0x00, 0xF7}, SX_DUMP_DRUMKIT, SXDump::Drumkit,
                       SXScopeOf(index), 0);
}

SXMessage SXArpPatternDumpReq(unsigned channel, int index) {
    ArpAddress a{};
    if (!ArpAddressOf(index, &a)) return {};
    return DumpRequest(channel, {SX_REQ_ARPPATTERN, a.one, a.hi, a.lo, 0xF7}, SX_DUMP_ARPPATTERN,
                       SXDump::ArpPattern, SXScopeOf(index), 0);
}

SXMessage SXExtControlDumpReq(unsigned channel, int index) {
    uint8_t one = 0, ib = 0;
    if (!ItemAddress(index, &one, &ib)) return {};
    // Unlike the other indexed requests, this one carries its index in byte 7.
    return DumpRequest(channel, {SX_REQ_EXTCONTROL, one, 0x00, ib, 0xF7}, SX_DUMP_EXTCONTROL,
                       SXDump::ExtControl, SXScopeOf(index), 0);
}

SXMessage SXAllDumpReq(unsigned channel, unsigned char model) {
    return DumpRequest(channel, {SX_REQ_ALL, 0x00, 0xF7}, SX_DUMP_ALL, SXDump::All, SXScope::All, model);
}

// ---- Write commands

SXMessage SXProgWriteReq(unsigned channel, int bank, int number) {
    if (!Fits7(bank) || !Fits7(number)) return {};
    return WriteRequest(channel,
                        {SX_WRITE_PROG, static_cast<uint8_t>(bank), static_cast<uint8_t>(number), 0xF7});
}

SXMessage SXCombiWriteReq(unsigned channel, int bank, int number) {
    if (!Fits7(bank) || !Fits7(number)) return {};
    return WriteRequest(channel,
                        {SX_WRITE_COMBI, static_cast<uint8_t>(bank), static_cast<uint8_t>(number), 0xF7});
}

SXMessage SXMultiWriteReq(unsigned channel, int number) {
    if (!Fits7(number)) return {};
    return WriteRequest(channel, {SX_WRITE_MULTI, 0x00, static_cast<uint8_t>(number), 0xF7});
}

// ---- Dumps

SXMessage SXCurProgDump(unsigned channel) {
    return DumpHeader(channel, {SX_DUMP_CURPROG, 0x00}, SXDump::CurProg, SXScope::One, 0);
}

SXMessage SXProgDump(unsigned channel, unsigned char model, int bank, int number) {
    uint8_t kb = 0, nb = 0;
    if (!SoundAddress(bank, number, &kb, &nb)) return {};
    return DumpHeader(channel, {SX_DUMP_PROG, ModelFlag(model), kb, nb}, SXDump::Prog,
                      SXScopeOf(bank, number), model);
}

SXMessage SXCurCombiDump(unsigned channel) {
    return DumpHeader(channel, {SX_DUMP_CURCOMBI, 0x00}, SXDump::CurCombi, SXScope::One, 0);
}

SXMessage SXCombiDump(unsigned channel, int bank, int number) {
    uint8_t kb = 0, nb = 0;
    if (!SoundAddress(bank, number, &kb, &nb)) return {};
    return DumpHeader(channel, {SX_DUMP_COMBI, 0x00, kb, nb}, SXDump::Combi, SXScopeOf(bank, number), 0);
}

SXMessage SXCurMultiDump(unsigned channel) {
    return DumpHeader(channel, {SX_DUMP_CURMULTI, 0x00}, SXDump::CurMulti, SXScope::One, 0);
}

SXMessage SXMultiDump(unsigned channel, int index) {
    uint8_t one = 0, ib = 0;
    if (!ItemAddress(index, &one, &ib)) return {};
    return DumpHeader(channel, {SX_DUMP_MULTI, one, ib, 0x00}, SXDump::Multi, SXScopeOf(index), 0);
}

SXMessage SXGlobalDump(unsigned channel) {
    return DumpHeader(channel, {SX_DUMP_GLOBAL, 0x00}, SXDump::Global, SXScope::One, 0);
}

SXMessage SXDrumkitDump(unsigned channel, int index) {
    uint8_t one = 0, ib = 0;
    if (!ItemAddress(index, &one, &ib)) return {};
    return DumpHeader(channel, {SX_DUMP_DRUMKIT, one, ib, 0x00}, SXDump::Drumkit, SXScopeOf(index), 0);
}

SXMessage SXArpPatternDump(unsigned channel, int index) {
    ArpAddress a{};
    if (!ArpAddressOf(index, &a)) return {};
    return DumpHeader(channel, {SX_DUMP_ARPPATTERN, a.one, a.hi, a.lo}, SXDump::ArpPattern, SXScopeOf(index),
                      0);
}

SXMessage SXExtControlDump(unsigned channel, int index) {
    uint8_t one = 0, ib = 0;
    if (!ItemAddress(index, &one, &ib)) return {};
    return DumpHeader(channel, {SX_DUMP_EXTCONTROL, one, ib, 0x00}, SXDump::ExtControl, SXScopeOf(index), 0);
}

SXMessage SXAllDump(unsigned channel, unsigned char model) {
    return DumpHeader(channel, {SX_DUMP_ALL, ModelFlag(model), 0x00}, SXDump::All, SXScope::All, model);
}

// ---- Mode and parameter changes

SXMessage SXModeChange(unsigned channel, unsigned char mode) {
    return Loaded(channel, {SX_MODECHANGE, static_cast<uint8_t>(mode & 0x7F), 0xF7},
                  SXF_TRANSMIT | SXF_WAITREPLY);
}

SXMessage SXParamChange(unsigned channel, unsigned char mode, int pid, int value) {
    const SXParamBytes v = ParamEncode(value);
    return Loaded(
        channel,
        {SX_PARAMCHANGE, static_cast<uint8_t>(mode & 0x7F), 0x00, static_cast<uint8_t>((pid >> 8) & 0x7F),
         0x00, static_cast<uint8_t>(pid & 0x7F), v.hi, v.lo, 0xF7},
        SXF_TRANSMIT | SXF_WAITREPLY);
}

SXMessage SXDrumkitParamChange(unsigned channel, unsigned kit, unsigned slot, int param, int value) {
    // A kit or slot masked into its 7 bits would change another one.
    if (kit > 0x7F || slot > 0x7F) return {};
    const SXParamBytes v = ParamEncode(value);
    return Loaded(channel,
                  {SX_DRUMKITPARAMCHANGE, static_cast<uint8_t>(kit & 0x7F), static_cast<uint8_t>(slot & 0x7F),
                   0x00, static_cast<uint8_t>(param & 0x7F), v.hi, v.lo, 0xF7},
                  SXF_TRANSMIT | SXF_WAITREPLY);
}

SXMessage SXArpPatternParamChange(unsigned channel, unsigned pattern, int param, unsigned index, int value) {
    // The pattern number has 8 bits here (one high bit, then 7); a larger one would change another.
    if (!Fits7(param) || pattern > 0xFF) return {};
    const SXParamBytes v = ParamEncode(value);
    const uint8_t i8 = (param >= 6 && param <= 21) ? static_cast<uint8_t>(index & 0x7F) : 0;
    const uint8_t i9 = param == 5 ? static_cast<uint8_t>(index & 0x7F) : 0;
    return Loaded(
        channel,
        {SX_ARPPATTERNPARAMCHANGE, 0x00, static_cast<uint8_t>((pattern >> 7) & 1),
         static_cast<uint8_t>(pattern & 0x7F), i8, i9, 0x00, static_cast<uint8_t>(param), v.hi, v.lo, 0xF7},
        SXF_TRANSMIT | SXF_WAITREPLY);
}

SXMessage SXExtControlParamChange(unsigned channel, unsigned set, int param, int value) {
    if (set > 0x7F || !Fits7(param)) return {};
    const SXParamBytes v = ParamEncode(value);
    return Loaded(channel,
                  {SX_EXTCONTROLPARAMCHANGE, static_cast<uint8_t>(set), 0x00, static_cast<uint8_t>(param),
                   v.hi, v.lo, 0xF7},
                  SXF_TRANSMIT | SXF_WAITREPLY);
}

// ---- Texts

namespace {
struct DumpTexts {
    const char* send;
    const char* rcv;
};
constexpr DumpTexts kDumpTexts[] = {
    {"Send: Current Prog Dump\n", "Rcv: Current Prog Dump\n"},
    {"Send: Prog Dump, %d:%d\n", "Rcv: Prog Dump, %d:%d\n"},
    {"Send: Current Combi Dump\n", "Rcv: Current Combi Dump\n"},
    {"Send: Combi Dump, %d:%d\n", "Rcv: Combi Dump, %d:%d\n"},
    {"Send: Current Multi Dump\n", "Rcv: Current Multi Dump\n"},
    {"Send: Multi Dump, %d\n", "Rcv: Multi Dump, %d\n"},
    {"Send: Global Dump\n", "Rcv: Global Dump\n"},
    {"Send: Drumkit Dump, %d\n", "Rcv: Drumkit Dump, %d\n"},
    {"Send: ArpPattern Dump, %d\n", "Rcv: ArpPattern Dump, %d\n"},
    {"Send: ExtControl Dump, %d\n", "Rcv: ExtControl Dump, %d\n"},
    {"Send: All Dump\n", "Rcv: All\n"},
};
static_assert(std::size(kDumpTexts) == static_cast<size_t>(SXDump::All) + 1);
}  // namespace

const char* SXDumpSendTrace(SXDump dump) {
    return kDumpTexts[static_cast<size_t>(dump)].send;
}

const char* SXDumpRcvTrace(SXDump dump) {
    return kDumpTexts[static_cast<size_t>(dump)].rcv;
}

const char* SXReasonText(uint8_t code, unsigned reason) {
    switch (code) {
        case SX_WRITEERROR:
            switch (reason) {
                case 0:
                    return "Rcv: WRITEERROR - Dest Memory is protected (code %u)\n";
                case 1:
                    return "Rcv: WRITEERROR - Dest Bank/Prog is not exist (code %u)\n";
                case 2:
                    return "Rcv: WRITEERROR - The mode is wrong (code %u)\n";
                case 40:
                    return "Rcv: WRITEERROR - Another type error (code %u)\n";
                default:
                    return "Rcv: WRITEERROR - Undefined type error (code %u)\n";
            }
        case SX_LOADERROR:
            switch (reason) {
                case 0:
                    return "Rcv: LOADERROR - Dest Memory is protected (code %u)\n";
                case 1:
                    return "Rcv: LOADERROR - Dest Bank/Prog/Param is not exist (code %u)\n";
                case 2:
                    return "Rcv: LOADERROR - The mode is wrong (code %u)\n";
                case 3:
                    return "Rcv: LOADERROR - Memory over flow (code %u)\n";
                case 40:
                    return "Rcv: LOADERROR - Another type error (code %u)\n";
                default:
                    return "Rcv: LOADERROR - Undefined type error (code %u)\n";
            }
        case SX_FORMATERROR:
            switch (reason) {
                case 0:
                    return "Rcv: FORMATERROR - Received Data Length is wrong (code %u)\n";
                case 1:
                    return "Rcv: FORMATERROR - Received Function code is not registered (code %u)\n";
                case 40:
                    return "Rcv: FORMATERROR - Another type error (code %u)\n";
                default:
                    return "Rcv: FORMATERROR - Undefined type error (code %u)\n";
            }
        default:
            return nullptr;
    }
}

// ---- Parser

namespace {

// Bytes of the message as far as raw holds them; -1 beyond.
struct RawView {
    const uint8_t* raw;
    size_t size;
    int operator[](size_t i) const { return i < size ? raw[i] : -1; }
};

struct DumpRow {
    uint8_t code;
    SXDump dump;
};
constexpr DumpRow kDumpRows[] = {
    {SX_DUMP_CURPROG, SXDump::CurProg},
    {SX_DUMP_PROG, SXDump::Prog},
    {SX_DUMP_CURCOMBI, SXDump::CurCombi},
    {SX_DUMP_COMBI, SXDump::Combi},
    {SX_DUMP_CURMULTI, SXDump::CurMulti},
    {SX_DUMP_MULTI, SXDump::Multi},
    {SX_DUMP_GLOBAL, SXDump::Global},
    {SX_DUMP_DRUMKIT, SXDump::Drumkit},
    {SX_DUMP_ARPPATTERN, SXDump::ArpPattern},
    {SX_DUMP_EXTCONTROL, SXDump::ExtControl},
    {SX_DUMP_ALL, SXDump::All},
};

// Address of a received dump from its header. An item flag other than "all" always means one item,
// so a one-item body is never taken for all items.
void ParseDumpAddress(SXParsed& p, RawView b) {
    switch (p.dump) {
        case SXDump::Prog:
        case SXDump::Combi: {
            const int kind = b[6] >> 4;
            p.scope = kind == 0 ? SXScope::All : kind == 1 ? SXScope::Bank : SXScope::One;
            p.bank = p.scope == SXScope::All ? -1 : (b[6] & 0x0F);
            p.number = p.scope == SXScope::One ? b[7] : -1;
            break;
        }
        case SXDump::Multi:
        case SXDump::Drumkit:
        case SXDump::ExtControl:
            p.scope = b[5] == 0 ? SXScope::All : SXScope::One;
            p.index = p.scope == SXScope::One ? b[6] : -1;
            break;
        case SXDump::ArpPattern:
            p.scope = (b[5] >> 6) == 0 ? SXScope::All : SXScope::One;
            p.index = p.scope == SXScope::One ? (b[6] << 7 | b[7]) : -1;
            break;
        case SXDump::All:
            p.scope = SXScope::All;
            break;
        default:
            p.scope = SXScope::One;
            break;
    }
}

}  // namespace

SXParsed SXParse(const uint8_t* raw, size_t rawSize, size_t length, bool complete, unsigned globalChannel,
                 unsigned char model) {
    SXParsed p;
    const RawView b{raw, raw ? rawSize : 0};
    if (b[0] != 0xF0) return p;
    const int g = static_cast<int>(globalChannel & 0x0F);

    // Device-inquiry reply from one of our models, whatever its device byte.
    if (length >= 14 && b[1] == 0x7E && b[3] == 0x06 && b[4] == 0x02 && b[5] == kSXManufacturer &&
        b[6] == kSXModelId && (b[8] == kPmidTolva || b[8] == kPmidNerimo) && rawSize >= 14) {
        p.kind = SXRcvKind::InquiryReply;
        p.ready = complete;
        p.channel = static_cast<uint8_t>(b[2] & 0x0F);
        p.record = raw + 5;
        return p;
    }

    // Universal real-time to this device.
    if (length >= 5 && b[1] == 0x7F && b[2] == g && b[3] == 0x04) {
        p.code = static_cast<uint8_t>(b[4]);
        if (b[4] == 0x01) {
            p.kind = SXRcvKind::MasterVolume;
            p.ready = complete && length >= 7 && rawSize >= 7;
            if (p.ready) p.volume = static_cast<unsigned>(b[6] << 7 | b[5]);
        } else {
            p.kind = SXRcvKind::UniversalRealtime;
        }
        return p;
    }

    if (length < 5 || b[1] != kSXManufacturer || b[2] != (0x30 | g) || b[3] != kSXModelId) {
        p.kind = SXRcvKind::Unhandled;
        return p;
    }

    p.code = static_cast<uint8_t>(b[4]);
    for (const DumpRow& row : kDumpRows) {
        if (row.code != p.code) continue;
        p.kind = SXRcvKind::Dump;
        p.dump = row.dump;
        p.bodyOffset = SXDumpHeaderLength(row.dump);
        if (length < p.bodyOffset || rawSize < p.bodyOffset) return p;
        ParseDumpAddress(p, b);
        p.bodySize = SXDumpBodySize(p.dump, p.scope, model);
        p.expectedTotal = SXDumpMessageSize(p.dump, p.scope, model);
        p.ready = true;
        return p;
    }

    // Everything else acts only on the complete message, once it is long enough.
    auto gate = [&](SXRcvKind kind, size_t minLength) {
        p.kind = kind;
        p.ready = complete && length >= minLength && rawSize >= minLength;
        return p.ready;
    };
    switch (p.code) {
        case SX_WRITECOMPLETE:
            gate(SXRcvKind::WriteComplete, 5);
            break;
        case SX_LOADCOMPLETE:
            gate(SXRcvKind::LoadComplete, 5);
            break;
        case SX_WRITEERROR:
        case SX_LOADERROR:
        case SX_FORMATERROR:
            if (gate(p.code == SX_WRITEERROR  ? SXRcvKind::WriteError
                     : p.code == SX_LOADERROR ? SXRcvKind::LoadError
                                              : SXRcvKind::FormatError,
                     6))
                p.reason = static_cast<unsigned>(b[5]);
            break;
        case SX_MODEANDSTATE:
            if (gate(SXRcvKind::ModeAndState, 26)) {
                p.record = raw + 5;
                p.mode = raw[5];
            }
            break;
        case SX_MODECHANGE:
            if (gate(SXRcvKind::ModeChange, 6)) p.mode = raw[5];
            break;
        case SX_PARAMCHANGE:
            if (gate(SXRcvKind::ParamChange, 12)) {
                p.mode = raw[5];
                p.pid = raw[7] << 8 | raw[9];
                p.value = ParamDecode(raw[10], raw[11]);
            }
            break;
        case SX_DRUMKITPARAMCHANGE:
            if (gate(SXRcvKind::DrumkitParamChange, 11)) {
                p.kit = raw[5];
                p.slot = raw[6];
                p.param = raw[8];
                p.value = ParamDecode(raw[9], raw[10]);
            }
            break;
        case SX_ARPPATTERNPARAMCHANGE:
            if (gate(SXRcvKind::ArpPatternParamChange, 14)) {
                p.pattern = static_cast<unsigned>(raw[6] << 7 | raw[7]);
                p.param = raw[11];
                p.index = p.param == 5 ? raw[9] : (p.param >= 6 && p.param <= 21) ? raw[8] : 0;
                p.value = ParamDecode(raw[12], raw[13]);
            }
            break;
        case SX_EXTCONTROLPARAMCHANGE:
            if (gate(SXRcvKind::ExtControlParamChange, 10)) {
                p.set = raw[5];
                p.param = raw[7];
                p.value = ParamDecode(raw[8], raw[9]);
            }
            break;
        default:
            p.kind = SXRcvKind::UnknownCode;
            break;
    }
    return p;
}

}  // namespace QorX0
