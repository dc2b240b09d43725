#include "Support/SimCore.h"

#include <algorithm>
#include <cstring>

namespace Sim {

namespace {

constexpr int kForeign = -2;

// Modes that edit the same kind of sound share their parameters and edit buffer.
int ModeKind(int mode) {
    switch (mode) {
        case Mode::CombiPlay:
        case Mode::CombiEdit:
            return 0;
        case Mode::ProgPlay:
        case Mode::ProgEdit:
            return 2;
        default:
            return mode;
    }
}

bool IsCurrentDump(DumpKind kind) {
    return kind == DumpKind::CurProgram || kind == DumpKind::CurCombination || kind == DumpKind::CurMulti;
}

// The mode kind a current-sound dump needs.
int CurrentDumpModeKind(DumpKind kind) {
    switch (kind) {
        case DumpKind::CurProgram:
            return 2;
        case DumpKind::CurCombination:
            return 0;
        default:
            return Mode::Multi;
    }
}

}  // namespace

bool operator==(const ParamChange& a, const ParamChange& b) {
    return a.kind == b.kind && a.mode == b.mode && a.pid == b.pid && a.item == b.item && a.index == b.index &&
           a.value == b.value;
}

SimCore::SimCore(Model model, uint8_t channel) : mModel(model), mImage(model) {
    mState.channel = channel & 0x0F;
}

// ---------------------------------------------------------------- input framing

void SimCore::Receive(const uint8_t* data, size_t n, int64_t timeUs) {
    if (mVanished || n == 0) return;
    mNow = timeUs;
    mRxLog.push_back({timeUs, Bytes(data, data + n)});
    for (size_t i = 0; i < n; ++i) Byte(data[i]);
}

void SimCore::Byte(uint8_t b) {
    if (b >= 0xF8) {  // real-time bytes may appear anywhere, even inside an exclusive message
        HandleShort(Bytes{b});
        return;
    }
    if (mInSysex) {
        if (b == 0xF7) {
            if (!mDiscardSysex) mSysex.push_back(b);
            EndSysex(true);
            return;
        }
        if (b < 0x80) {
            if (!mDiscardSysex) {
                mSysex.push_back(b);
                CheckMidDumpFault();
            }
            return;
        }
        EndSysex(false);  // any other status byte ends an unfinished exclusive message
    }
    if (b == 0xF0) {
        mInSysex = true;
        mDiscardSysex = false;
        mSysex.assign(1, b);
        mRunning = 0;
        mShort.clear();
        ++mSysexCount;
        return;
    }
    if (b >= 0x80) {
        mShort.assign(1, b);
        if (b >= 0xF0) {
            mRunning = 0;
            mShortNeed = (b == 0xF2) ? 3 : (b == 0xF1 || b == 0xF3) ? 2 : 1;
        } else {
            mRunning = b;
            mShortNeed = ((b & 0xF0) == 0xC0 || (b & 0xF0) == 0xD0) ? 2 : 3;
        }
    } else {
        if (mShort.empty()) {
            if (!mRunning) return;  // stray data byte
            mShort.assign(1, mRunning);
            mShortNeed = ((mRunning & 0xF0) == 0xC0 || (mRunning & 0xF0) == 0xD0) ? 2 : 3;
        }
        mShort.push_back(b);
    }
    if (!mShort.empty() && mShort.size() >= mShortNeed) {
        Bytes msg;
        msg.swap(mShort);
        if (msg[0] != 0xF7) HandleShort(msg);  // a stray F7 means nothing
    }
}

void SimCore::EndSysex(bool complete) {
    mInSysex = false;
    Bytes msg;
    msg.swap(mSysex);
    if (!complete) {
        if (!mDiscardSysex) mDiscarded.push_back(std::move(msg));
        return;
    }
    if (mDiscardSysex) return;  // already answered by an injected early error
    HandleSysex(msg);
}

void SimCore::CheckMidDumpFault() {
    if (mSysex.size() < 5) return;
    bool armedAny = false;
    for (const ArmedFault& a : mFaults) armedAny |= a.fault.action == FaultAction::ErrorMidDump;
    if (!armedAny) return;
    int code = MessageCode(mSysex);
    for (ArmedFault& a : mFaults) {
        const Fault& f = a.fault;
        if (f.action != FaultAction::ErrorMidDump || mSysex.size() != std::max<size_t>(f.offset, 5)) continue;
        if (f.code != kAnyCode && f.code != code) continue;
        if (f.nth != 0 && f.nth != mSysexCount) continue;
        if (f.times != 0 && a.fired >= f.times) continue;
        ++a.fired;
        mRxMessages.push_back({mNow, mSysex});
        Send(BuildError(Code::LoadError, f.reason));
        mDiscardSysex = true;
        mSysex.clear();
        return;
    }
}

// ---------------------------------------------------------------- messages

int SimCore::MessageCode(const Bytes& msg) const {
    if (OwnFrame(msg)) return msg[4] == 0xF7 ? kForeign : msg[4];
    if (msg.size() >= 5 && msg[1] == 0x7E && msg[3] == 0x06 && msg[4] == 0x01) return kInquiryCode;
    if (msg.size() >= 5 && msg[1] == 0x7F && msg[3] == 0x04 && msg[4] == 0x01) return kMasterVolumeCode;
    return kForeign;
}

bool SimCore::OwnFrame(const Bytes& msg) const {
    return msg.size() >= 5 && msg[0] == 0xF0 && msg[1] == kManufacturer &&
           msg[2] == (0x30 | mState.channel) && msg[3] == kFamily;
}

SimCore::ArmedFault* SimCore::FindFault(int code, int nth, bool midDump) {
    for (ArmedFault& a : mFaults) {
        const Fault& f = a.fault;
        if ((f.action == FaultAction::ErrorMidDump) != midDump) continue;
        if (f.code != kAnyCode && f.code != code) continue;
        if (f.nth != 0 && f.nth != nth) continue;
        if (f.times != 0 && a.fired >= f.times) continue;
        ++a.fired;
        return &a;
    }
    return nullptr;
}

void SimCore::HandleSysex(const Bytes& msg) {
    mRxMessages.push_back({mNow, msg});
    for (Bytes& held : mDeferred) Send(std::move(held));
    mDeferred.clear();

    int code = MessageCode(msg);
    if (OwnFrame(msg) && code == kForeign) {  // the frame alone, without a function code
        Send(BuildError(Code::FormatError, Reason::BadLength));
        return;
    }
    if (code == kForeign) return;

    ArmedFault* armed = FindFault(code, mSysexCount, false);
    if (armed && armed->fault.action == FaultAction::Vanish) {
        mVanished = true;
        mOut.push_back(OutItem{{}, 0, true});
        return;
    }
    if (armed && armed->fault.action == FaultAction::ErrorReply) {
        Send(BuildError(armed->fault.errorCode, armed->fault.reason));
        return;
    }
    Bytes reply = Answer(msg, code);
    if (reply.empty()) return;
    if (!armed) {
        Send(std::move(reply));
        return;
    }
    const Fault& f = armed->fault;
    switch (f.action) {
        case FaultAction::NoReply:
            return;
        case FaultAction::Delay:
            Send(std::move(reply), f.delayMs);
            return;
        case FaultAction::DeferToNext:
            mDeferred.push_back(std::move(reply));
            return;
        case FaultAction::AbortReply:
            reply.resize(std::min(f.offset, reply.size()));
            Send(std::move(reply));
            Send(BuildError(f.errorCode, f.reason));
            return;
        case FaultAction::Truncate:
            reply.resize(std::min(f.offset, reply.size()));
            break;
        case FaultAction::Garble:
            if (f.offset < reply.size()) reply[f.offset] ^= f.value;
            break;
        case FaultAction::SetByte:
            if (f.offset < reply.size()) reply[f.offset] = f.value;
            break;
        case FaultAction::DropF7:
            if (!reply.empty() && reply.back() == 0xF7) reply.pop_back();
            break;
        case FaultAction::RealtimeInside:
            reply.insert(reply.begin() + static_cast<long>(std::min(f.offset, reply.size())), f.value);
            break;
        default:
            break;
    }
    Send(std::move(reply));
}

Bytes SimCore::Answer(const Bytes& msg, int code) {
    if (code == kInquiryCode) {
        if (msg.size() != 6 || (msg[2] != 0x7F && msg[2] != mState.channel)) return {};
        return BuildInquiryReply();
    }
    if (code == kMasterVolumeCode) {
        if (msg.size() == 8 && (msg[2] == 0x7F || msg[2] == mState.channel))
            mState.masterVolume = static_cast<unsigned>(msg[6]) << 7 | msg[5];
        return {};
    }
    return AnswerOwn(msg);
}

Bytes SimCore::AnswerOwn(const Bytes& msg) {
    switch (msg[4]) {
        case Rx::ModeAndStateReq:
            if (msg.size() != 6) return BuildError(Code::FormatError, Reason::BadLength);
            return BuildModeAndState();
        case Rx::CurProgReq:
        case Rx::ProgReq:
        case Rx::CurCombiReq:
        case Rx::CombiReq:
        case Rx::CurMultiReq:
        case Rx::MultiReq:
        case Rx::GlobalReq:
        case Rx::DrumKitReq:
        case Rx::ArpPatternReq:
        case Rx::ExtControlReq:
        case Rx::AllReq:
            return HandleRequest(msg);
        case Code::CurProgDump:
        case Code::ProgDump:
        case Code::CurCombiDump:
        case Code::CombiDump:
        case Code::CurMultiDump:
        case Code::MultiDump:
        case Code::GlobalDump:
        case Code::DrumKitDump:
        case Code::ArpPatternDump:
        case Code::ExtControlDump:
        case Code::AllDump:
            return HandleDump(msg);
        case Rx::WriteProg:
        case Rx::WriteCombi:
        case Rx::WriteMulti:
            return HandleWrite(msg);
        case Rx::ModeChange:
            if (msg.size() != 7) return BuildError(Code::FormatError, Reason::BadLength);
            if (!IsValidMode(msg[5])) return BuildError(Code::LoadError, Reason::NotExist);
            mState.mode = msg[5];
            return BuildReply(Code::LoadComplete);
        case Rx::ParamChange:
        case Rx::DrumKitParamChange:
        case Rx::ArpPatternParamChange:
        case Rx::ExtControlParamChange:
            return HandleParam(msg);
        default:
            return BuildError(Code::FormatError, Reason::UnknownFunction);
    }
}

Bytes SimCore::HandleRequest(const Bytes& msg) {
    uint8_t code = msg[4];
    bool simple = code == Rx::CurProgReq || code == Rx::CurCombiReq || code == Rx::CurMultiReq ||
                  code == Rx::GlobalReq || code == Rx::AllReq;
    if (msg.size() != (simple ? 7u : 9u)) return BuildError(Code::FormatError, Reason::BadLength);

    DumpSpec spec;
    bool addressOk = true;
    auto oneIndex = [&](uint8_t oneByte, int index) {
        if (oneByte > 1) addressOk = false;
        spec.index = oneByte ? index : -1;
    };
    auto soundAddress = [&](uint8_t kindBank, uint8_t number) {
        int kind = kindBank >> 4;
        if (kind > 2) addressOk = false;
        spec.bank = kind == 0 ? -1 : (kindBank & 0x0F);
        spec.index = kind == 2 ? number : -1;
    };
    switch (code) {
        case Rx::CurProgReq:
            spec.kind = DumpKind::CurProgram;
            break;
        case Rx::CurCombiReq:
            spec.kind = DumpKind::CurCombination;
            break;
        case Rx::CurMultiReq:
            spec.kind = DumpKind::CurMulti;
            break;
        case Rx::GlobalReq:
            spec.kind = DumpKind::Global;
            break;
        case Rx::AllReq:
            spec.kind = DumpKind::All;
            break;
        case Rx::ProgReq:
            spec.kind = DumpKind::Program;
            soundAddress(msg[5], msg[6]);
            break;
        case Rx::CombiReq:
            spec.kind = DumpKind::Combination;
            soundAddress(msg[5], msg[6]);
            break;
        case Rx::MultiReq:
            spec.kind = DumpKind::Multi;
            oneIndex(msg[5], msg[6]);
            break;
        case Rx::DrumKitReq:
            spec.kind = DumpKind::DrumKit;
            oneIndex(msg[5], msg[6]);
            break;
        case Rx::ArpPatternReq:
            spec.kind = DumpKind::ArpPattern;
            if (msg[5] != 0x00 && msg[5] != 0x40) addressOk = false;
            spec.index = msg[5] ? (msg[6] << 7 | msg[7]) : -1;
            break;
        case Rx::ExtControlReq:
            spec.kind = DumpKind::ExtControl;
            oneIndex(msg[5], msg[7]);  // this request carries its index one byte later
            break;
        default:
            break;
    }
    Bytes dump;
    uint8_t reason = Reason::NotExist;
    if (!addressOk || !BuildDump(spec, &dump, &reason)) return BuildError(Code::LoadError, reason);
    return dump;
}

bool SimCore::ParseDumpHeader(const Bytes& msg, DumpSpec* spec, size_t* headerLength) const {
    uint8_t code = msg[4];
    *headerLength = 8;
    switch (code) {
        case Code::CurProgDump:
            spec->kind = DumpKind::CurProgram;
            *headerLength = 6;
            break;
        case Code::CurCombiDump:
            spec->kind = DumpKind::CurCombination;
            *headerLength = 6;
            break;
        case Code::CurMultiDump:
            spec->kind = DumpKind::CurMulti;
            *headerLength = 6;
            break;
        case Code::GlobalDump:
            spec->kind = DumpKind::Global;
            *headerLength = 6;
            break;
        case Code::AllDump:
            spec->kind = DumpKind::All;
            *headerLength = 7;
            break;
        case Code::ProgDump:
        case Code::CombiDump:
            spec->kind = code == Code::ProgDump ? DumpKind::Program : DumpKind::Combination;
            break;
        case Code::MultiDump:
            spec->kind = DumpKind::Multi;
            break;
        case Code::DrumKitDump:
            spec->kind = DumpKind::DrumKit;
            break;
        case Code::ExtControlDump:
            spec->kind = DumpKind::ExtControl;
            break;
        case Code::ArpPatternDump:
            spec->kind = DumpKind::ArpPattern;
            break;
        default:
            return false;
    }
    if (msg.size() < *headerLength + 1) return false;
    switch (code) {
        case Code::ProgDump:
        case Code::CombiDump: {
            // Byte 5 of a program dump is a model flag; the address alone decides what it holds.
            int kind = msg[6] >> 4;
            if (kind > 2)
                spec->bank = 99;
            else
                spec->bank = kind == 0 ? -1 : (msg[6] & 0x0F);
            spec->index = kind == 2 ? msg[7] : -1;
            break;
        }
        case Code::MultiDump:
        case Code::DrumKitDump:
        case Code::ExtControlDump:
            spec->index = msg[5] == 1 ? msg[6] : msg[5] == 0 ? -1 : 9999;
            break;
        case Code::ArpPatternDump:
            spec->index = (msg[5] >> 6) == 1 ? (msg[6] << 7 | msg[7]) : (msg[5] >> 6) == 0 ? -1 : 9999;
            break;
        default:
            break;
    }
    return true;
}

Bytes SimCore::HandleDump(const Bytes& msg) {
    DumpSpec spec;
    size_t header = 0;
    if (!ParseDumpHeader(msg, &spec, &header)) return BuildError(Code::FormatError, Reason::BadLength);
    std::vector<Range> ranges;
    uint8_t reason = Reason::NotExist;
    size_t bodySize = 0;
    if (spec.kind == DumpKind::All) {
        bodySize = AllDumpBodySize(mModel);
    } else {
        if (!Resolve(spec, &ranges, &reason)) return BuildError(Code::LoadError, reason);
        for (const Range& r : ranges) bodySize += r.count * GetAreaInfo(r.area).recordSize;
    }
    size_t packed = msg.size() - header - 1;
    if (packed != PackedSize(bodySize)) return BuildError(Code::FormatError, Reason::BadLength);
    bool memory = !IsCurrentDump(spec.kind) && spec.kind != DumpKind::Global;
    if (memory && mState.protect) return BuildError(Code::LoadError, Reason::Protected);
    if (IsCurrentDump(spec.kind) && mState.strictModes &&
        ModeKind(mState.mode) != CurrentDumpModeKind(spec.kind))
        return BuildError(Code::LoadError, Reason::WrongMode);

    Bytes body;
    if (!Unpack7(msg.data() + header, packed, &body) || body.size() != bodySize)
        return BuildError(Code::FormatError, Reason::BadLength);
    if (spec.kind == DumpKind::All) {
        mImage.ApplyAllBody(body.data(), body.size());
    } else {
        const uint8_t* p = body.data();
        for (const Range& r : ranges) {
            size_t n = r.count * GetAreaInfo(r.area).recordSize;
            std::memcpy(mImage.Record(r.area, r.first), p, n);
            p += n;
        }
    }
    return BuildReply(Code::LoadComplete);
}

Bytes SimCore::HandleWrite(const Bytes& msg) {
    if (msg.size() != 8) return BuildError(Code::FormatError, Reason::BadLength);
    uint8_t code = msg[4];
    Area from = code == Rx::WriteProg    ? Area::CurProgram
                : code == Rx::WriteCombi ? Area::CurCombination
                                         : Area::CurMulti;
    Area to = code == Rx::WriteProg    ? Area::Program
              : code == Rx::WriteCombi ? Area::Combination
                                       : Area::Multi;
    int banks = code == Rx::WriteProg ? ProgBanks(mModel) : code == Rx::WriteCombi ? kCombiBanks : 1;
    int needKind = code == Rx::WriteProg ? 2 : code == Rx::WriteCombi ? 0 : Mode::Multi;
    int bank = msg[5], number = msg[6];
    if (mState.protect) return BuildError(Code::WriteError, Reason::Protected);
    if (bank >= banks || number >= kBankSize) return BuildError(Code::WriteError, Reason::NotExist);
    if (mState.strictModes && ModeKind(mState.mode) != needKind)
        return BuildError(Code::WriteError, Reason::WrongMode);
    std::memcpy(mImage.Record(to, bank * kBankSize + number), mImage.Record(from, 0),
                GetAreaInfo(from).recordSize);
    if (code == Rx::WriteProg) {
        mState.progBank = static_cast<uint8_t>(bank);
        mState.progNumber = static_cast<uint8_t>(number);
    } else if (code == Rx::WriteCombi) {
        mState.combiBank = static_cast<uint8_t>(bank);
        mState.combiNumber = static_cast<uint8_t>(number);
    } else {
        mState.multiNumber = static_cast<uint8_t>(number);
    }
    return BuildReply(Code::WriteComplete);
}

Bytes SimCore::HandleParam(const Bytes& msg) {
    ParamChange c;
    size_t need = 0;
    switch (msg[4]) {
        case Rx::ParamChange:
            need = 13;
            break;
        case Rx::DrumKitParamChange:
            need = 12;
            break;
        case Rx::ArpPatternParamChange:
            need = 15;
            break;
        default:
            need = 11;
            break;
    }
    if (msg.size() != need) return BuildError(Code::FormatError, Reason::BadLength);
    switch (msg[4]) {
        case Rx::ParamChange:
            c.kind = ParamKind::Sound;
            c.mode = msg[5];
            c.pid = msg[7] << 8 | msg[9];
            c.value = Decode14(msg[10], msg[11]);
            break;
        case Rx::DrumKitParamChange:
            c.kind = ParamKind::DrumKit;
            c.item = msg[5];
            c.pid = msg[6] << 8 | msg[8];
            c.value = Decode14(msg[9], msg[10]);
            break;
        case Rx::ArpPatternParamChange:
            c.kind = ParamKind::ArpPattern;
            c.item = msg[6] << 7 | msg[7];
            c.pid = msg[11];
            c.index = c.pid == 5 ? msg[9] : (c.pid >= 6 && c.pid <= 21) ? msg[8] : 0;
            c.value = Decode14(msg[12], msg[13]);
            break;
        default:
            c.kind = ParamKind::ExtControl;
            c.item = msg[5];
            c.pid = msg[7];
            c.value = Decode14(msg[8], msg[9]);
            break;
    }
    uint8_t reason = ApplyParam(c);
    if (reason != 0xFF) return BuildError(Code::LoadError, reason);
    return BuildReply(Code::LoadComplete);
}

uint8_t SimCore::ApplyParam(const ParamChange& c) {
    bool strict = mState.strictModes;
    switch (c.kind) {
        case ParamKind::Sound:
            if (!IsValidMode(c.mode)) return Reason::NotExist;
            if (strict && ModeKind(c.mode) != ModeKind(mState.mode)) return Reason::WrongMode;
            break;
        case ParamKind::DrumKit:
        case ParamKind::ArpPattern:
        case ParamKind::ExtControl: {
            int count = c.kind == ParamKind::DrumKit      ? kDrumKits
                        : c.kind == ParamKind::ArpPattern ? kArpPatterns
                                                          : kExtControls;
            if (c.item < 0 || c.item >= count) return Reason::NotExist;
            if (strict && mState.mode != Mode::Global) return Reason::WrongMode;
            break;
        }
    }
    if (mLocator) {
        ParamTarget target;
        if (!mLocator(c, &target)) return Reason::NotExist;
        if (target.store) {
            if (c.value < target.minimum || c.value > target.maximum) return Reason::NotExist;
            if (target.index < 0 || target.index >= mImage.RecordCount(target.area)) return Reason::NotExist;
            uint8_t* record = mImage.Record(target.area, target.index);
            if (target.writer)
                target.writer(record, c.value);
            else
                WriteBitField(record, target.field, c.value);
            if (target.after) target.after(record, c.value);
        }
    }
    mParamChanges.push_back(c);
    return 0xFF;
}

void SimCore::HandleShort(const Bytes& msg) {
    mRxMessages.push_back({mNow, msg});
    uint8_t status = msg[0];
    if (status == 0xF3 && msg.size() == 2) {
        if (mState.mode == Mode::Multi) {
            mState.multiNumber = msg[1];
            std::memcpy(mImage.Record(Area::CurMulti, 0), mImage.Record(Area::Multi, msg[1]), kMultiSize);
        }
        return;
    }
    if (status >= 0xF0 || (status & 0x0F) != mState.channel) return;
    switch (status & 0xF0) {
        case 0xB0:
            mControls[msg[1]] = msg[2];
            if (msg[1] == 0) mState.bankMsb = msg[2];
            if (msg[1] == 32) mState.bankLsb = msg[2];
            if (msg[1] == 122) mState.localControl = msg[2] >= 64;
            break;
        case 0xC0:
            ApplyProgramChange(msg[1]);
            break;
        default:
            break;
    }
}

void SimCore::ApplyProgramChange(uint8_t number) {
    int kind = ModeKind(mState.mode);
    uint8_t userMsb = mState.gmMap ? 63 : 0;
    if (kind == 2) {
        int banks = ProgBanks(mModel);
        int bank;
        if (mState.bankMsb == userMsb && mState.bankLsb < banks)
            bank = mState.bankLsb;
        else if (mState.bankMsb == 121)
            bank = banks;  // GM
        else if (mState.bankMsb == 120)
            bank = banks + 1;  // GM drums
        else
            return;
        mState.progBank = static_cast<uint8_t>(bank);
        mState.progNumber = number;
        if (bank < banks)
            std::memcpy(mImage.Record(Area::CurProgram, 0),
                        mImage.Record(Area::Program, bank * kBankSize + number), kProgSize);
    } else if (kind == 0) {
        if (mState.bankMsb != userMsb || mState.bankLsb >= kCombiBanks) return;
        mState.combiBank = mState.bankLsb;
        mState.combiNumber = number;
        std::memcpy(mImage.Record(Area::CurCombination, 0),
                    mImage.Record(Area::Combination, mState.bankLsb * kBankSize + number), kCombiSize);
    }
}

// ---------------------------------------------------------------- builders

Bytes SimCore::Frame(std::initializer_list<uint8_t> body) const {
    Bytes msg = {0xF0, kManufacturer, static_cast<uint8_t>(0x30 | mState.channel), kFamily};
    msg.insert(msg.end(), body.begin(), body.end());
    msg.push_back(0xF7);
    return msg;
}

Bytes SimCore::BuildReply(uint8_t code) const {
    return Frame({code});
}

Bytes SimCore::BuildError(uint8_t code, uint8_t reason) const {
    return Frame({code, static_cast<uint8_t>(reason & 0x7F)});
}

Bytes SimCore::BuildModeAndState() const {
    uint8_t rec[kModeAndStateSize] = {};
    rec[0] = mState.mode;
    rec[2] = static_cast<uint8_t>((mState.localControl ? 1 : 0) | (mState.extControlState & 3) << 1 |
                                  (mState.gmMap ? 1 : 0) << 4 | (mState.powerOnMemorize ? 1 : 0) << 5);
    rec[4] = mState.protect ? 1 : 0;
    rec[6] = mState.progBank;
    rec[7] = mState.progNumber;
    rec[10] = mState.combiBank;
    rec[11] = mState.combiNumber;
    rec[15] = mState.multiNumber;
    // The control track is a field of the current multi: whatever wrote the multi (a dump, a parameter
    // change, a song select) changed the track reported here.
    rec[16] = mImage.Record(Area::CurMulti, 0)[kMultiControlTrackOffset] & 0x0F;
    rec[18] = mState.extControlEnabled ? 1 : 0;
    rec[19] = mState.extControlValue;
    Bytes msg = {0xF0, kManufacturer, static_cast<uint8_t>(0x30 | mState.channel), kFamily,
                 Code::ModeAndState};
    for (uint8_t b : rec) msg.push_back(b & 0x7F);
    msg.push_back(0xF7);
    return msg;
}

Bytes SimCore::BuildInquiryReply() const {
    return {0xF0,
            0x7E,
            mState.channel,
            0x06,
            0x02,
            kManufacturer,
            kFamily,
            0x00,
            static_cast<uint8_t>(mModel),
            0x00,
            static_cast<uint8_t>(mState.version[0] & 0x7F),
            static_cast<uint8_t>(mState.version[1] & 0x7F),
            static_cast<uint8_t>(mState.version[2] & 0x7F),
            static_cast<uint8_t>(mState.version[3] & 0x7F),
            0xF7};
}

bool SimCore::Resolve(const DumpSpec& spec, std::vector<Range>* ranges, uint8_t* reason) const {
    *reason = Reason::NotExist;
    auto items = [&](Area area, int count) {
        if (spec.index >= count) return false;
        if (spec.index < 0)
            ranges->push_back({area, 0, count});
        else
            ranges->push_back({area, spec.index, 1});
        return true;
    };
    auto sounds = [&](Area area, int banks) {
        if (spec.bank >= banks || spec.index >= kBankSize) return false;
        if (spec.bank < 0)
            ranges->push_back({area, 0, banks * kBankSize});
        else if (spec.index < 0)
            ranges->push_back({area, spec.bank * kBankSize, kBankSize});
        else
            ranges->push_back({area, spec.bank * kBankSize + spec.index, 1});
        return true;
    };
    switch (spec.kind) {
        case DumpKind::CurProgram:
            ranges->push_back({Area::CurProgram, 0, 1});
            return true;
        case DumpKind::CurCombination:
            ranges->push_back({Area::CurCombination, 0, 1});
            return true;
        case DumpKind::CurMulti:
            ranges->push_back({Area::CurMulti, 0, 1});
            return true;
        case DumpKind::Global:
            ranges->push_back({Area::Global, 0, 1});
            return true;
        case DumpKind::Program:
            return sounds(Area::Program, ProgBanks(mModel));
        case DumpKind::Combination:
            return sounds(Area::Combination, kCombiBanks);
        case DumpKind::Multi:
            return items(Area::Multi, kMultis);
        case DumpKind::DrumKit:
            return items(Area::DrumKit, kDrumKits);
        case DumpKind::ArpPattern:
            return items(Area::ArpPattern, kArpPatterns);
        case DumpKind::ExtControl:
            return items(Area::ExtControl, kExtControls);
        case DumpKind::All:
            return true;
    }
    return false;
}

Bytes SimCore::DumpHeader(const DumpSpec& spec) const {
    Bytes h = {0xF0, kManufacturer, static_cast<uint8_t>(0x30 | mState.channel), kFamily};
    uint8_t modelFlag = mModel == Model::Nerimo ? 1 : 0;
    bool one = spec.index >= 0;
    uint8_t index = static_cast<uint8_t>(one ? spec.index & 0x7F : 0);
    auto sound = [&](uint8_t code, uint8_t flag) {
        int kind = spec.bank < 0 ? 0 : spec.index < 0 ? 1 : 2;
        h.insert(h.end(), {code, flag, static_cast<uint8_t>(kind << 4 | (kind ? spec.bank : 0)),
                           static_cast<uint8_t>(kind == 2 ? spec.index : 0)});
    };
    switch (spec.kind) {
        case DumpKind::CurProgram:
            h.insert(h.end(), {Code::CurProgDump, 0});
            break;
        case DumpKind::CurCombination:
            h.insert(h.end(), {Code::CurCombiDump, 0});
            break;
        case DumpKind::CurMulti:
            h.insert(h.end(), {Code::CurMultiDump, 0});
            break;
        case DumpKind::Global:
            h.insert(h.end(), {Code::GlobalDump, 0});
            break;
        case DumpKind::Program:
            sound(Code::ProgDump, modelFlag);
            break;
        case DumpKind::Combination:
            sound(Code::CombiDump, 0);
            break;
        case DumpKind::Multi:
            h.insert(h.end(), {Code::MultiDump, one, index, 0});
            break;
        case DumpKind::DrumKit:
            h.insert(h.end(), {Code::DrumKitDump, one, index, 0});
            break;
        case DumpKind::ExtControl:
            h.insert(h.end(), {Code::ExtControlDump, one, index, 0});
            break;
        case DumpKind::ArpPattern:
            h.insert(h.end(), {Code::ArpPatternDump, static_cast<uint8_t>(one << 6),
                               static_cast<uint8_t>(one ? (spec.index >> 7) & 0x7F : 0), index});
            break;
        case DumpKind::All:
            h.insert(h.end(), {Code::AllDump, modelFlag, 0});
            break;
    }
    return h;
}

bool SimCore::BuildDump(const DumpSpec& spec, Bytes* out, uint8_t* reason) const {
    std::vector<Range> ranges;
    uint8_t why = Reason::NotExist;
    if (!Resolve(spec, &ranges, &why)) {
        if (reason) *reason = why;
        return false;
    }
    *out = DumpHeader(spec);
    if (spec.kind == DumpKind::All) {
        Bytes body = mImage.BuildAllBody();
        Pack7(body.data(), body.size(), out);
    } else {
        for (const Range& r : ranges)
            Pack7(mImage.Record(r.area, r.first), r.count * GetAreaInfo(r.area).recordSize, out);
    }
    out->push_back(0xF7);
    return true;
}

// ---------------------------------------------------------------- output and logs

void SimCore::Send(Bytes bytes, int delayMs) {
    if (mVanished) return;
    mSent.push_back(bytes);
    mOut.push_back(OutItem{std::move(bytes), delayMs, false});
}

std::deque<OutItem> SimCore::TakeOutput() {
    std::deque<OutItem> out;
    out.swap(mOut);
    return out;
}

Bytes SimCore::TakeOutputBytes() {
    Bytes all;
    for (OutItem& item : TakeOutput()) all.insert(all.end(), item.bytes.begin(), item.bytes.end());
    return all;
}

std::vector<Bytes> SimCore::TakeMessages() {
    std::vector<Bytes> all;
    for (OutItem& item : TakeOutput())
        if (!item.bytes.empty()) all.push_back(std::move(item.bytes));
    return all;
}

Bytes SimCore::ReceivedBytes() const {
    Bytes all;
    for (const TimedBytes& t : mRxLog) all.insert(all.end(), t.bytes.begin(), t.bytes.end());
    return all;
}

int SimCore::ControlValue(int controller) const {
    auto it = mControls.find(controller);
    return it == mControls.end() ? -1 : it->second;
}

void SimCore::ClearLogs() {
    mRxLog.clear();
    mRxMessages.clear();
    mDiscarded.clear();
    mParamChanges.clear();
    mSent.clear();
}

std::vector<ImageDiff> SimCore::CompareWithEditor(const uint8_t* editorImage, size_t size,
                                                  bool withState) const {
    std::vector<ImageDiff> diffs = mImage.Compare(editorImage, size);
    if (!withState || size < SimImage::kImageSize) return diffs;
    auto check = [&](const QorX0::AREADESC& rec, Area area, uint8_t bank, uint8_t number, const char* label) {
        const uint8_t* p = editorImage + rec.offset;
        if (p[0] != bank || p[1] != number) diffs.push_back({area, -1, label});
    };
    check(QorX0::kAreaCurProgramRecord, Area::CurProgram, mState.progBank, mState.progNumber,
          "current program record");
    check(QorX0::kAreaCurCombiRecord, Area::CurCombination, mState.combiBank, mState.combiNumber,
          "current combination record");
    check(QorX0::kAreaCurMultiRecord, Area::CurMulti, 0, mState.multiNumber, "current multi record");
    if (editorImage[QorX0::kOffMode] != mState.mode) diffs.push_back({Area::Global, -1, "mode"});
    return diffs;
}

// ---------------------------------------------------------------- front panel

bool SimCore::PanelParamChange(const ParamChange& c) {
    bool strict = mState.strictModes;
    mState.strictModes = false;  // the panel edits what it shows
    uint8_t reason = ApplyParam(c);
    mState.strictModes = strict;
    if (reason != 0xFF) return false;
    uint8_t hi, lo;
    Encode14(c.value, &hi, &lo);
    switch (c.kind) {
        case ParamKind::Sound:
            Send(Frame({Rx::ParamChange, static_cast<uint8_t>(c.mode & 0x7F), 0,
                        static_cast<uint8_t>((c.pid >> 8) & 0x7F), 0, static_cast<uint8_t>(c.pid & 0x7F), hi,
                        lo}));
            break;
        case ParamKind::DrumKit:
            Send(Frame({Rx::DrumKitParamChange, static_cast<uint8_t>(c.item),
                        static_cast<uint8_t>((c.pid >> 8) & 0x7F), 0, static_cast<uint8_t>(c.pid & 0x7F), hi,
                        lo}));
            break;
        case ParamKind::ArpPattern: {
            uint8_t step = static_cast<uint8_t>(c.index & 0x7F);
            Send(Frame({Rx::ArpPatternParamChange, 0, static_cast<uint8_t>((c.item >> 7) & 1),
                        static_cast<uint8_t>(c.item & 0x7F), (c.pid >= 6 && c.pid <= 21) ? step : uint8_t(0),
                        c.pid == 5 ? step : uint8_t(0), 0, static_cast<uint8_t>(c.pid & 0x7F), hi, lo}));
            break;
        }
        case ParamKind::ExtControl:
            Send(Frame({Rx::ExtControlParamChange, static_cast<uint8_t>(c.item), 0,
                        static_cast<uint8_t>(c.pid & 0x7F), hi, lo}));
            break;
    }
    return true;
}

bool SimCore::PanelModeChange(uint8_t mode) {
    if (!IsValidMode(mode)) return false;
    mState.mode = mode;
    Send(Frame({Rx::ModeChange, mode}));
    return true;
}

bool SimCore::PanelProgramChange(int bank, int number) {
    int kind = ModeKind(mState.mode);
    if ((kind != 0 && kind != 2) || number < 0 || number >= kBankSize) return false;
    int userBanks = kind == 2 ? ProgBanks(mModel) : kCombiBanks;
    uint8_t msb = mState.gmMap ? 63 : 0, lsb = static_cast<uint8_t>(bank);
    if (bank < 0) return false;
    if (bank >= userBanks) {
        if (kind != 2 || bank > userBanks + 1) return false;
        msb = bank == userBanks ? 121 : 120;
        lsb = 0;
    }
    uint8_t c = mState.channel;
    Send({static_cast<uint8_t>(0xB0 | c), 0x00, msb});
    Send({static_cast<uint8_t>(0xB0 | c), 0x20, lsb});
    Send({static_cast<uint8_t>(0xC0 | c), static_cast<uint8_t>(number)});
    mState.bankMsb = msb;
    mState.bankLsb = lsb;
    ApplyProgramChange(static_cast<uint8_t>(number));
    return true;
}

bool SimCore::PanelSongSelect(int number) {
    if (mState.mode != Mode::Multi || number < 0 || number >= kMultis) return false;
    Send({0xF3, static_cast<uint8_t>(number)});
    mState.multiNumber = static_cast<uint8_t>(number);
    std::memcpy(mImage.Record(Area::CurMulti, 0), mImage.Record(Area::Multi, number), kMultiSize);
    return true;
}

void SimCore::PanelMasterVolume(unsigned volume) {
    volume = std::min(volume, 0x3FFFu);
    mState.masterVolume = volume;
    Send({0xF0, 0x7F, mState.channel, 0x04, 0x01, static_cast<uint8_t>(volume & 0x7F),
          static_cast<uint8_t>(volume >> 7), 0xF7});
}

void SimCore::PanelControlChange(int controller, int value) {
    uint8_t cc = static_cast<uint8_t>(controller & 0x7F), v = static_cast<uint8_t>(value & 0x7F);
    if (cc == 122) mState.localControl = v >= 64;
    Send({static_cast<uint8_t>(0xB0 | mState.channel), cc, v});
}

void SimCore::PanelNote(bool on, int note, int velocity) {
    const uint8_t status = static_cast<uint8_t>((on ? 0x90 : 0x80) | mState.channel);
    Send({status, static_cast<uint8_t>(note & 0x7F), static_cast<uint8_t>(velocity & 0x7F)});
}

bool SimCore::PanelSendDump(const DumpSpec& spec) {
    Bytes dump;
    if (!BuildDump(spec, &dump)) return false;
    Send(std::move(dump));
    return true;
}

}  // namespace Sim
