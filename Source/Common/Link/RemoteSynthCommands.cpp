// Transfer commands, send all, receive all and the whole-image notification (main thread).
//
// Whatever goes to the instrument is copied out of the image under the image lock first and sent
// after the lock is released, so a dump arriving on the read thread never waits for a transfer.
#include <cstring>
#include <exception>
#include <string>

#include "Common/Link/RemoteSynthImpl.h"
#include "Linux/SysTick.h"
#include "Linux/Trace.h"

namespace QorX0 {

namespace {

constexpr unsigned kApplyStepPauseMs = 30;
constexpr unsigned kRequestPauseMs = 100;
constexpr int kPidProgName = 0xFF00;
constexpr int kPidProgCategory = 0xFF01;
constexpr unsigned kScaleOffset = 8;
constexpr unsigned kScaleSize = 12;
constexpr int kScaleCount = 16;

enum : int {
    kCmdSendAll = 1,
    kCmdReceiveAll = 2,
    kCmdSendSounds = 3,
    kCmdRequestSounds = 4,
    kCmdWriteSound = 5,
    kCmdSendGlobal = 13,
    kCmdRequestGlobal = 14,
    kCmdCopyScale = 15,
    kCmdSendDrumKit = 16,
    kCmdRequestDrumKit = 17,
    kCmdSendArpPattern = 20,
    kCmdRequestArpPattern = 21,
    kCmdSendExtControl = 26,
    kCmdRequestExtControl = 27,
    kCmdInitExtControl = 28,
    kCmdSaveSetup = 29,
    kCmdRestoreBackup = 30,
};

bool Ok(QNRESULT r) {
    return QN_SUCCEEDED(r);
}

}  // namespace

std::vector<uint8_t> CRemoteSynthImpl::Snapshot(unsigned offset, unsigned size) {
    std::vector<uint8_t> bytes(size);
    CImageGuard g(this);
    std::memcpy(bytes.data(), m_image->Bytes() + offset, size);
    return bytes;
}

bool CRemoteSynthImpl::ExecCommand(int command, int item, int bank, int number, int flags) {
    IRemoteMIDI* link = m_link;
    if (!link) return false;
    switch (command) {
        case kCmdSendAll:
            return Ok(HandleSendAll(m_image.get(), "Transmitting..."));
        case kCmdReceiveAll:
            return Ok(HandleReceiveAll("Receiving..."));
        case kCmdSendSounds:
        case kCmdRequestSounds:
        case kCmdWriteSound:
            if (item < kModeCombiPlay || item > kModeMulti) return true;
            if (command == kCmdSendSounds) return SendSounds(item, bank, number, flags);
            if (command == kCmdRequestSounds) return RequestSounds(item, bank, number, flags);
            return WriteSound(item, bank, number);
        case kCmdSendGlobal: {
            const std::vector<uint8_t> g = Snapshot(kAreaGlobal.offset, kSizeGlobal);
            return Ok(link->SendGlobalDump(g.data(), kSizeGlobal));
        }
        case kCmdRequestGlobal:
            return Ok(link->SendGlobalDumpReq());
        case kCmdCopyScale: {
            if (item < 0 || item >= kScaleCount || bank < 0 || bank >= kScaleCount) return false;
            {
                CImageGuard g(this);
                uint8_t* global = m_image->global;
                std::memmove(global + kScaleOffset + static_cast<unsigned>(bank) * kScaleSize,
                             global + kScaleOffset + static_cast<unsigned>(item) * kScaleSize, kScaleSize);
            }
            m_global.OnReinitialized();
            return true;
        }
        case kCmdSendDrumKit: {
            if (item >= static_cast<int>(kAreaDrumKits.count)) return false;
            if (item >= 0) {
                const std::vector<uint8_t> d =
                    Snapshot(kAreaDrumKits.At(static_cast<unsigned>(item)), kSizeDrumKit);
                return Ok(link->SendDrumkitDump(item, d.data(), kSizeDrumKit));
            }
            const std::vector<uint8_t> d = Snapshot(kAreaDrumKits.offset, kAreaDrumKits.Size());
            return Ok(link->SendDrumkitDump(-1, d.data(), kAreaDrumKits.Size()));
        }
        case kCmdRequestDrumKit:
            if (item >= static_cast<int>(kAreaDrumKits.count)) return false;
            if (item >= 0) return Ok(link->SendDrumkitDumpReq(item));
            return RequestAllOf(&IRemoteMIDI::SendDrumkitDumpReq);
        case kCmdSendArpPattern: {
            if (item >= 0) {
                if (item < static_cast<int>(kArpPresetCount) ||
                    item >= static_cast<int>(kArpPresetCount + kAreaArpPatterns.count))
                    return false;
                const unsigned p = static_cast<unsigned>(item) - kArpPresetCount;
                const std::vector<uint8_t> d = Snapshot(kAreaArpPatterns.At(p), kSizeArpPattern);
                return Ok(link->SendArpPatternDump(static_cast<int>(p), d.data(), kSizeArpPattern));
            }
            const std::vector<uint8_t> d = Snapshot(kAreaArpPatterns.offset, kAreaArpPatterns.Size());
            return Ok(link->SendArpPatternDump(-1, d.data(), kAreaArpPatterns.Size()));
        }
        case kCmdRequestArpPattern:
            if (item >= 0) {
                if (item < static_cast<int>(kArpPresetCount) ||
                    item >= static_cast<int>(kArpPresetCount + kAreaArpPatterns.count))
                    return false;
                return Ok(link->SendArpPatternDumpReq(item - static_cast<int>(kArpPresetCount)));
            }
            return RequestAllOf(&IRemoteMIDI::SendArpPatternDumpReq);
        case kCmdSendExtControl: {
            if (item >= static_cast<int>(kAreaExtControls.count)) return false;
            if (item >= 0) {
                const std::vector<uint8_t> d =
                    Snapshot(kAreaExtControls.At(static_cast<unsigned>(item)), kSizeExtControl);
                return Ok(link->SendExtControlDump(item, d.data(), kSizeExtControl));
            }
            const std::vector<uint8_t> d = Snapshot(kAreaExtControls.offset, kAreaExtControls.Size());
            return Ok(link->SendExtControlDump(-1, d.data(), kAreaExtControls.Size()));
        }
        case kCmdRequestExtControl:
            if (item >= static_cast<int>(kAreaExtControls.count)) return false;
            return Ok(link->SendExtControlDumpReq(item < 0 ? -1 : item));
        case kCmdInitExtControl:
            if (item < 0 || item >= static_cast<int>(kAreaExtControls.count)) return false;
            CopyIn(kAreaExtControls.At(static_cast<unsigned>(item)), INITCHUNK_EXTCONTROL, kSizeExtControl);
            m_exts.FireOnSectionReinitialized();
            return true;
        case kCmdSaveSetup:
            return m_setupSection.PersistSave();
        case kCmdRestoreBackup:
            return RestoreBackup();
        default:
            TRACE("RemoteSynth: command not implemented, code=%d\n", command);
            return false;
    }
}

bool CRemoteSynthImpl::RequestAllOf(QNRESULT (IRemoteMIDI::*request)(int)) {
    IRemoteMIDI* link = m_link;
    const bool activated = link->UIActivate();
    link->UIWait(200);
    const QNRESULT r = (link->*request)(-1);
    if (activated) link->UIDeactivate();
    return Ok(r);
}

bool CRemoteSynthImpl::SendSounds(int item, int bank, int number, int flags) {
    IRemoteMIDI* link = m_link;
    if (item == kModeCombiPlay || item == kModeCombiEdit) {
        if (flags & 2) {
            if (bank >= static_cast<int>(kCombiBankCount) || number > 127) return false;
            QNRESULT r;
            if (bank < 0) {
                const std::vector<uint8_t> d = Snapshot(kAreaCombis.offset, kAreaCombis.Size());
                r = link->SendCombiDump(-1, -1, d.data(), kAreaCombis.Size());
            } else if (number < 0) {
                const std::vector<uint8_t> d =
                    Snapshot(kAreaCombis.At(static_cast<unsigned>(bank), 0), kAreaCombis.BankSize());
                r = link->SendCombiDump(bank, -1, d.data(), kAreaCombis.BankSize());
            } else {
                const std::vector<uint8_t> d = Snapshot(
                    kAreaCombis.At(static_cast<unsigned>(bank), static_cast<unsigned>(number)), kSizeCombi);
                r = link->SendCombiDump(bank, number, d.data(), kSizeCombi);
            }
            if (!Ok(r)) return false;
        }
        if (flags & 1) {
            const std::vector<uint8_t> d = Snapshot(kAreaCurCombi.offset, kSizeCombi);
            return Ok(link->SendCurCombiDump(d.data(), kSizeCombi));
        }
        return true;
    }
    if (item == kModeMulti) {
        if (flags & 2) {
            if (number > 127) return false;
            QNRESULT r;
            if (number < 0) {
                const std::vector<uint8_t> d = Snapshot(kAreaMultis.offset, kAreaMultis.Size());
                r = link->SendMultiDump(-1, d.data(), kAreaMultis.Size());
            } else {
                const std::vector<uint8_t> d =
                    Snapshot(kAreaMultis.At(static_cast<unsigned>(number)), kSizeMulti);
                r = link->SendMultiDump(number, d.data(), kSizeMulti);
            }
            if (!Ok(r)) return false;
        }
        if (flags & 1) {
            const std::vector<uint8_t> d = Snapshot(kAreaCurMulti.offset, kSizeMulti);
            return Ok(link->SendCurMultiDump(d.data(), kSizeMulti));
        }
        return true;
    }
    // Programs.
    const int banks = static_cast<int>(ProgramBankCount(m_model));
    if (flags & 2) {
        if (bank >= banks || number > 127) return false;
        QNRESULT r;
        if (bank < 0) {
            const unsigned size = static_cast<unsigned>(banks) * kAreaPrograms.BankSize();
            const std::vector<uint8_t> d = Snapshot(kAreaPrograms.offset, size);
            r = link->SendProgDump(-1, -1, d.data(), size);
        } else if (number < 0) {
            const std::vector<uint8_t> d =
                Snapshot(kAreaPrograms.At(static_cast<unsigned>(bank), 0), kAreaPrograms.BankSize());
            r = link->SendProgDump(bank, -1, d.data(), kAreaPrograms.BankSize());
        } else {
            const std::vector<uint8_t> d = Snapshot(
                kAreaPrograms.At(static_cast<unsigned>(bank), static_cast<unsigned>(number)), kSizeProgram);
            r = link->SendProgDump(bank, number, d.data(), kSizeProgram);
        }
        if (!Ok(r)) return false;
    }
    if (flags & 1) {
        const std::vector<uint8_t> d = Snapshot(kAreaCurProgram.offset, kSizeProgram);
        return Ok(link->SendCurProgDump(d.data(), kSizeProgram));
    }
    return true;
}

bool CRemoteSynthImpl::RequestSounds(int item, int bank, int number, int flags) {
    IRemoteMIDI* link = m_link;
    const int b = bank < 0 ? -1 : bank;
    const int n = bank < 0 || number < 0 ? -1 : number;
    if (flags & 2) {
        QNRESULT r;
        if (item == kModeCombiPlay || item == kModeCombiEdit) {
            if (bank >= static_cast<int>(kCombiBankCount) || number > 127) return false;
            r = link->SendCombiDumpReq(b, n);
        } else if (item == kModeMulti) {
            if (number > 127) return false;
            r = link->SendMultiDumpReq(number < 0 ? -1 : number);
        } else {
            if (bank >= static_cast<int>(ProgramBankCount(m_model)) || number > 127) return false;
            r = link->SendProgDumpReq(b, n);
        }
        if (!Ok(r)) return false;
        SleepCurrentThread(kRequestPauseMs);
    }
    if (flags & 1) {
        if (item == kModeCombiPlay || item == kModeCombiEdit) return Ok(link->SendCurCombiDumpReq());
        if (item == kModeMulti) return Ok(link->SendCurMultiDumpReq());
        return Ok(link->SendCurProgDumpReq());
    }
    return true;
}

bool CRemoteSynthImpl::WriteSound(int item, int bank, int number) {
    IRemoteMIDI* link = m_link;
    if (number < 0 || number > 127 || bank < 0) return false;
    const unsigned b = static_cast<unsigned>(bank), n = static_cast<unsigned>(number);
    QNRESULT r;
    if (item == kModeCombiPlay || item == kModeCombiEdit) {
        if (b >= kCombiBankCount) return false;
        const std::vector<uint8_t> d = Snapshot(kAreaCurCombi.offset, kSizeCombi);
        link->SendCurCombiDump(d.data(), kSizeCombi);
        r = link->SendCombiWriteReq(bank, number);
        // The slot takes the edit buffer even when the instrument refused (the result tells).
        CopyIn(kAreaCombis.At(b, n), d.data(), kSizeCombi);
        m_rtc.ResetStat(1);
        PostBankList(kModeCombiPlay, b, n);
        return Ok(r);
    }
    if (item == kModeMulti) {
        if (b != 0) return false;
        const std::vector<uint8_t> d = Snapshot(kAreaCurMulti.offset, kSizeMulti);
        link->SendCurMultiDump(d.data(), kSizeMulti);
        r = link->SendMultiWriteReq(number);
        CopyIn(kAreaMultis.At(n), d.data(), kSizeMulti);
        m_rtc.ResetStat(1);
        PostBankList(kModeMulti, 0, n);
        return Ok(r);
    }
    if (b >= ProgramBankCount(m_model)) return false;
    if (GetMode() == kModeProgPlay) {
        link->SendModeChange(kModeProgEdit);
        link->SendModeChange(kModeProgPlay);
    }
    // The current program comes fresh from the instrument; the name and category the user gave it
    // in the editor are kept.
    const std::string name = m_progEdit.GetParamS(kPidProgName);
    const int category = m_progEdit.GetParamI(kPidProgCategory);
    const RTCSTAT rtc = m_rtc.GetStat();
    link->SendCurProgDumpReq();
    m_progEdit.PutParamSEx(kPidProgName, name.c_str(), 0);
    m_progEdit.PutParamIEx(kPidProgCategory, category, 0);
    const std::vector<uint8_t> d = Snapshot(kAreaCurProgram.offset, kSizeProgram);
    link->SendCurProgDump(d.data(), kSizeProgram);
    m_rtc.RestoreStat(rtc, 2);
    r = link->SendProgWriteReq(bank, number);
    CopyIn(kAreaPrograms.At(b, n), d.data(), kSizeProgram);
    m_rtc.ResetStat(1);
    PostBankList(kModeProgPlay, b, n);
    return Ok(r);
}

bool CRemoteSynthImpl::RestoreBackup() {
    // Without a full receive the backup holds initial values: sending it would wipe the instrument.
    if (!m_synced.load()) {
        TRACE("RemoteSynth: no hardware backup to restore\n");
        return false;
    }
    auto backup = std::make_unique<CHUNK_REMOTESYNTH>();
    {
        CImageGuard g(this);
        if (m_syncedImage->mode > kModeMulti) m_syncedImage->mode = kModeCombiPlay;
        std::memcpy(backup.get(), m_syncedImage.get(), sizeof *backup);
    }
    if (!Ok(HandleSendAll(backup.get(), "Restoring hardware backup..."))) return false;
    {
        CImageGuard g(this);
        std::memcpy(m_image.get(), backup.get(), sizeof *backup);
    }
    SetModes(backup->mode);
    OnApplyAll();
    return true;
}

QNRESULT CRemoteSynthImpl::HandleSendAll(const CHUNK_REMOTESYNTH* image, const char* text) {
    IRemoteMIDI* link = m_link;
    if (!link || !image) return QN_FAIL;
    const bool activated = link->UIActivate();
    std::vector<uint8_t> body(AllDumpSize(m_model));
    uint8_t curProg[kSizeProgram], curCombi[kSizeCombi], curMulti[kSizeMulti];
    SOUNDINDEX prog, combi;
    uint8_t multiNumber, mode;
    {
        CImageGuard g(this);
        uint8_t* dst = body.data();
        AllDumpLayout(m_model, [&](unsigned offset, unsigned n) {
            std::memcpy(dst, image->Bytes() + offset, n);
            dst += n;
        });
        std::memcpy(curProg, image->curprogram, sizeof curProg);
        std::memcpy(curCombi, image->curcombi, sizeof curCombi);
        std::memcpy(curMulti, image->curmulti, sizeof curMulti);
        prog = {image->curprogramrec[0], image->curprogramrec[1]};
        combi = {image->curcombirec[0], image->curcombirec[1]};
        multiNumber = image->curmultirec[1];
        mode = image->mode;
    }
    link->UIConfigure(text, 1000, 970, 0);
    QNRESULT r = link->SendAllDump(body.data(), static_cast<unsigned>(body.size()));
    link->UIWait(100);
    if (Ok(r)) {
        TRACE("RemoteSynth: restoring CURRENT PROGRAM...\n");
        link->UIConfigure(text, 1000, 1, 980);
        link->UIProgress(100, 100, "CURRENT PROGRAM");
        r = link->SendModeChange(kModeProgPlay);
        if (Ok(r)) {
            link->SendProgramChange(prog.bank, prog.number);
            r = link->SendCurProgDump(curProg, kSizeProgram);
        }
        link->UIWait(100);
    }
    if (Ok(r)) {
        TRACE("RemoteSynth: restoring CURRENT COMBINATION...\n");
        link->UIConfigure(text, 1000, 1, 990);
        link->UIProgress(100, 100, "CURRENT COMBINATION");
        r = link->SendModeChange(kModeCombiPlay);
        if (Ok(r)) {
            link->SendProgramChange(combi.bank, combi.number);
            r = link->SendCurCombiDump(curCombi, kSizeCombi);
        }
        link->UIWait(200);
    }
    if (Ok(r)) {
        TRACE("RemoteSynth: restoring CURRENT MULTI...\n");
        link->UIConfigure(text, 1000, 1, 1000);
        link->UIProgress(100, 100, "CURRENT MULTI");
        r = link->SendModeChange(kModeMulti);
        if (Ok(r)) {
            link->SendProgramChange(0, multiNumber);
            r = link->SendCurMultiDump(curMulti, kSizeMulti);
        }
        link->UIWait(200);
    }
    link->SendModeChange(mode);
    link->UIWait(200);
    if (activated) link->UIDeactivate();
    TRACE(Ok(r) ? "RemoteSynth: SendAll Successed\n" : "RemoteSynth: SendAll failed\n");
    return r;
}

QNRESULT CRemoteSynthImpl::HandleReceiveAll(const char* text) {
    IRemoteMIDI* link = m_link;
    if (!link) return QN_FAIL;
    const bool activated = link->UIActivate();
    link->UIWait(200);
    link->UIConfigure(text, 1000, 970, 0);
    QNRESULT r = link->SendAllDumpReq();
    link->UIWait(100);
    struct Step {
        unsigned offset;
        const char* label;
        QNRESULT (IRemoteMIDI::*request)();
    };
    const Step steps[] = {{980, "CURRENT PROGRAM", &IRemoteMIDI::SendCurProgDumpReq},
                          {990, "CURRENT COMBINATION", &IRemoteMIDI::SendCurCombiDumpReq},
                          {1000, "CURRENT MULTI", &IRemoteMIDI::SendCurMultiDumpReq}};
    for (const Step& s : steps) {
        if (!Ok(r)) break;
        link->UIConfigure(text, 1000, 1, s.offset);
        link->UIProgress(100, 100, s.label);
        r = (link->*s.request)();
        link->UIWait(100);
    }
    if (!Ok(r)) TRACE("RemoteSynth: ReceiveAll failed\n");
    if (activated) link->UIDeactivate();
    return r;
}

void CRemoteSynthImpl::OnApplyAll() {
    ClearProgPlayLocal();
    try {
        auto step = [](auto&& f) {
            SleepCurrentThread(kApplyStepPauseMs);
            f();
        };
        step([&] { m_global.OnReinitialized(); });
        step([&] { m_kits.FireOnSectionReinitialized(); });
        step([&] { m_patterns.FireOnSectionReinitialized(); });
        step([&] { m_exts.FireOnSectionReinitialized(); });
        step([&] { m_progPlay.OnReinitialized(); });
        step([&] { m_progEdit.OnReinitialized(); });
        step([&] { m_combiPlay.OnReinitialized(); });
        step([&] { m_combiEdit.OnReinitialized(); });
        step([&] { m_multi.OnReinitialized(); });
        step([&] { PostBankList(kModeProgPlay, 0xFF, 0xFF); });
        step([&] { PostBankList(kModeCombiPlay, 0xFF, 0xFF); });
        step([&] { PostBankList(kModeMulti, 0xFF, 0xFF); });
        step([&] { Post(kEvMode, GetMode()); });
        step([&] {
            const SOUNDINDEX s = GetCurSound();
            Post(kEvCurSound, static_cast<long>(s.bank << 8 | s.number));
        });
    } catch (const std::exception&) {
        TRACE("OnApplyAll() Exception occared!\n");
    }
}

}  // namespace QorX0
