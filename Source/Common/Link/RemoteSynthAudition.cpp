// Mode, current sound, master volume and audition (main thread).
#include <cstring>

#include "Common/Link/RemoteSynthImpl.h"
#include "Linux/SysTick.h"
#include "Linux/Trace.h"

namespace QorX0 {

namespace {

constexpr unsigned kDiscardPauseMs = 100;

}  // namespace

unsigned CRemoteSynthImpl::PutMasterVolume(unsigned volume) {
    const unsigned v = volume < kMaxMasterVolume ? volume : kMaxMasterVolume;
    if (m_link) m_link->SendMasterVolumeChange(v);
    OnRcvMasterVolumeChange(m_link, v);
    return m_masterVolume.load();
}

unsigned char CRemoteSynthImpl::PutMode(unsigned char mode) {
    // A mode change ends a running audition without keeping it, then applies.
    if (GetAuditionState()) EndAudition(false);
    if (!m_link) return GetMode();
    m_link->SendModeChange(mode);
    OnRcvModeChange(m_link, m_link->GetMode());
    return GetMode();
}

SOUNDINDEX CRemoteSynthImpl::GetCurSound() {
    CImageGuard g(this);
    const CHUNK_REMOTESYNTH* im = m_image.get();
    switch (m_soundMode.load()) {
        case kModeProgPlay:
            return {im->curprogramrec[0], im->curprogramrec[1]};
        case kModeMulti:
            return {0, im->curmultirec[1]};
        case kModeCombiPlay:
            return {im->curcombirec[0], im->curcombirec[1]};
        default:
            return {255, 255};
    }
}

SOUNDINDEX CRemoteSynthImpl::PutCurSound(const SOUNDINDEX& sound) {
    IRemoteMIDI* link = m_link;
    if (!link) return GetCurSound();
    const unsigned char soundMode = m_soundMode.load();
    if (m_aud.kind.load() == AUDCTX_SOUND) {
        TRACE("RemoteSynth: PutCurSound(%d:%d) in audition mode\n", sound.bank, sound.number);
        link->SendProgramChange(sound.bank, sound.number);
        // Only the record: the edit buffer keeps the saved sound until the audition ends.
        CImageGuard g(this);
        CHUNK_REMOTESYNTH* im = m_image.get();
        if (soundMode == kModeProgPlay) {
            im->curprogramrec[0] = sound.bank;
            im->curprogramrec[1] = sound.number;
        } else if (soundMode == kModeMulti) {
            im->curmultirec[1] = sound.number;
        } else if (soundMode == kModeCombiPlay) {
            im->curcombirec[0] = sound.bank;
            im->curcombirec[1] = sound.number;
        }
        return GetCurSound();
    }
    TRACE("RemoteSynth: PutCurSound(%d:%d)\n", sound.bank, sound.number);
    const unsigned char mode = GetMode();
    const bool switched = soundMode != 255 && soundMode != mode;
    if (switched) link->SendModeChange(soundMode);
    link->SendProgramChange(sound.bank, sound.number);
    const SOUNDINDEX pair = link->GetBnkPgmPair();
    OnRcvProgramChange(link, pair.bank, pair.number);
    if (switched) link->SendModeChange(mode);
    return GetCurSound();
}

void CRemoteSynthImpl::SendModeIfNeeded(unsigned char mode) {
    if (m_link && m_link->GetMode() != mode) m_link->SendModeChange(mode);
}

bool CRemoteSynthImpl::BeginAudition(AUDCTX context) {
    if (GetAuditionState()) return false;
    TRACE("RemoteSynth: BeginAudition\n");
    AUDSTATE& a = m_aud;
    const unsigned char mode = GetMode();
    const unsigned char soundMode = m_soundMode.load();
    switch (context) {
        case AUDCTX_SOUND:
        case AUDCTX_SOUNDPICK: {
            CImageGuard g(this);
            const CHUNK_REMOTESYNTH* im = m_image.get();
            if (soundMode == kModeProgPlay) {
                a.bank = im->curprogramrec[0];
                a.number = im->curprogramrec[1];
                std::memcpy(a.data, im->curprogram, kSizeProgram);
            } else if (soundMode == kModeMulti) {
                a.bank = 0;
                a.number = im->curmultirec[1];
                std::memcpy(a.data, im->curmulti, kSizeMulti);
            } else if (soundMode == kModeCombiPlay) {
                a.bank = im->curcombirec[0];
                a.number = im->curcombirec[1];
                std::memcpy(a.data, im->curcombi, kSizeCombi);
            } else {
                return false;
            }
            a.rtc = m_rtc.GetStat();
            break;
        }
        case AUDCTX_DRUMKIT: {
            if (mode != kModeGlobal) return false;
            const uint64_t sel = m_kits.GetSelection();
            const unsigned item = static_cast<unsigned>(sel);
            if (item >= kAreaDrumKits.count) return false;
            a.bank = static_cast<uint8_t>(item);
            a.number = static_cast<uint8_t>(sel >> 32);
            CImageGuard g(this);
            std::memcpy(a.data, m_image->drumkit[item], kSizeDrumKit);
            break;
        }
        case AUDCTX_ARPPATTERN: {
            if (mode != kModeGlobal) return false;
            // The five preset patterns come first and are not in the image: nothing to put back.
            const unsigned item = m_patterns.GetCurSel();
            if (item < kArpPresetCount || item >= kArpPresetCount + kAreaArpPatterns.count) return false;
            a.bank = static_cast<uint8_t>(item);
            a.number = 0;
            CImageGuard g(this);
            std::memcpy(a.data, m_image->arppattern[item - kArpPresetCount], kSizeArpPattern);
            break;
        }
        case AUDCTX_EXTCONTROL: {
            if (mode != kModeGlobal) return false;
            const unsigned item = m_exts.GetCurSel();
            if (item >= kAreaExtControls.count) return false;
            a.bank = static_cast<uint8_t>(item);
            a.number = 0;
            CImageGuard g(this);
            std::memcpy(a.data, m_image->extcontrol[item], kSizeExtControl);
            break;
        }
        default:
            return false;
    }
    a.mode = mode;
    a.virtualMode = m_virtualMode.load();
    a.soundMode = soundMode;
    a.kind.store(static_cast<uint32_t>(context));
    if (context == AUDCTX_SOUND) SendModeIfNeeded(soundMode);
    Post(kEvAuditionState, 1);
    return true;
}

namespace {

// Image offset and size of the sound named by (bank, number) of a sound mode in the user memory;
// false for a preset bank or a sound that does not exist.
bool UserSlot(unsigned char model, unsigned char soundMode, unsigned bank, unsigned number, unsigned* offset,
              unsigned* size) {
    if (number >= kSoundsPerBank) return false;
    switch (soundMode) {
        case kModeProgPlay:
            if (bank >= ProgramBankCount(model)) return false;
            *offset = kAreaPrograms.At(bank, number);
            *size = kSizeProgram;
            return true;
        case kModeCombiPlay:
            if (bank >= kCombiBankCount) return false;
            *offset = kAreaCombis.At(bank, number);
            *size = kSizeCombi;
            return true;
        case kModeMulti:
            *offset = kAreaMultis.At(number);
            *size = kSizeMulti;
            return true;
        default:
            return false;
    }
}

}  // namespace

void CRemoteSynthImpl::CommitSoundAudition() {
    const AUDSTATE& a = m_aud;
    SendModeIfNeeded(a.virtualMode);
    SendModeIfNeeded(a.mode);
    {
        CImageGuard g(this);
        CHUNK_REMOTESYNTH* im = m_image.get();
        const unsigned banks = ProgramBankCount(m_model);
        unsigned offset = 0, size = 0;
        if (a.soundMode == kModeProgPlay) {
            const unsigned bank = im->curprogramrec[0], number = im->curprogramrec[1];
            if (UserSlot(m_model, a.soundMode, bank, number, &offset, &size))
                std::memcpy(im->curprogram, im->Bytes() + offset, size);
            else if (bank >= banks && bank < banks + kPresetProgBankCount && number < kSoundsPerBank)
                std::memcpy(im->curprogram,
                            m_preset.get() + ((bank - banks) * kSoundsPerBank + number) * kSizeProgram,
                            kSizeProgram);
        } else if (a.soundMode == kModeMulti) {
            if (UserSlot(m_model, a.soundMode, 0, im->curmultirec[1], &offset, &size))
                std::memcpy(im->curmulti, im->Bytes() + offset, size);
        } else if (a.soundMode == kModeCombiPlay) {
            if (UserSlot(m_model, a.soundMode, im->curcombirec[0], im->curcombirec[1], &offset, &size))
                std::memcpy(im->curcombi, im->Bytes() + offset, size);
        }
    }
    if (a.soundMode == kModeProgPlay) {
        ClearProgPlayLocal();
        m_progEdit.UpdateFXType();
        m_progPlay.OnReinitialized();
        m_progEdit.OnReinitialized();
    } else if (a.soundMode == kModeMulti) {
        m_multi.UpdateFXType();
        m_multi.OnReinitialized();
    } else if (a.soundMode == kModeCombiPlay) {
        m_combiEdit.UpdateFXType();
        m_combiPlay.OnReinitialized();
        m_combiEdit.OnReinitialized();
    }
    m_rtc.ResetStat(1);
    SetModesFrom(a);
}

void CRemoteSynthImpl::SetModesFrom(const AUDSTATE& a) {
    {
        CImageGuard g(this);
        m_image->mode = a.mode;
    }
    m_virtualMode.store(a.virtualMode);
    m_soundMode.store(a.soundMode);
}

void CRemoteSynthImpl::DiscardSoundAudition() {
    const AUDSTATE& a = m_aud;
    IRemoteMIDI* link = m_link;
    SendModeIfNeeded(a.soundMode);
    const SOUNDINDEX pair = link ? link->GetBnkPgmPair() : SOUNDINDEX{a.bank, a.number};
    if (link && (pair.bank != a.bank || pair.number != a.number)) link->SendProgramChange(a.bank, a.number);
    SendModeIfNeeded(a.mode);
    {
        CImageGuard g(this);
        CHUNK_REMOTESYNTH* im = m_image.get();
        if (a.soundMode == kModeProgPlay) {
            std::memcpy(im->curprogram, a.data, kSizeProgram);
            im->curprogramrec[0] = a.bank;
            im->curprogramrec[1] = a.number;
        } else if (a.soundMode == kModeMulti) {
            std::memcpy(im->curmulti, a.data, kSizeMulti);
            im->curmultirec[0] = 0;
            im->curmultirec[1] = a.number;
        } else {
            std::memcpy(im->curcombi, a.data, kSizeCombi);
            im->curcombirec[0] = a.bank;
            im->curcombirec[1] = a.number;
        }
    }
    if (link) {
        if (a.soundMode == kModeProgPlay)
            link->SendCurProgDump(a.data, kSizeProgram);
        else if (a.soundMode == kModeMulti)
            link->SendCurMultiDump(a.data, kSizeMulti);
        else
            link->SendCurCombiDump(a.data, kSizeCombi);
    }
    if (a.soundMode == kModeProgPlay) {
        ClearProgPlayLocal();
        m_progEdit.UpdateFXType();
        m_progPlay.OnReinitialized();
        m_progEdit.OnReinitialized();
    } else if (a.soundMode == kModeMulti) {
        m_multi.UpdateFXType();
        m_multi.OnReinitialized();
    } else {
        m_combiEdit.UpdateFXType();
        m_combiPlay.OnReinitialized();
        m_combiEdit.OnReinitialized();
    }
    SleepCurrentThread(kDiscardPauseMs);
    m_rtc.RestoreStat(a.rtc, 255);
    SetModesFrom(a);
}

void CRemoteSynthImpl::DiscardArrayAudition() {
    const AUDSTATE& a = m_aud;
    IRemoteMIDI* link = m_link;
    const unsigned item = a.bank;
    switch (a.kind.load()) {
        case AUDCTX_DRUMKIT:
            if (link) link->SendDrumkitDump(static_cast<int>(item), a.data, kSizeDrumKit);
            CopyIn(kAreaDrumKits.At(item), a.data, kSizeDrumKit);
            m_kits.Select(item, a.number);
            break;
        case AUDCTX_ARPPATTERN:
            if (link)
                link->SendArpPatternDump(static_cast<int>(item - kArpPresetCount), a.data, kSizeArpPattern);
            CopyIn(kAreaArpPatterns.At(item - kArpPresetCount), a.data, kSizeArpPattern);
            m_patterns.Select(item, 0);
            break;
        case AUDCTX_EXTCONTROL:
            if (link) link->SendExtControlDump(static_cast<int>(item), a.data, kSizeExtControl);
            CopyIn(kAreaExtControls.At(item), a.data, kSizeExtControl);
            m_exts.Select(item, 0);
            break;
        default:
            break;
    }
}

bool CRemoteSynthImpl::EndAudition(bool commit) {
    const uint32_t kind = m_aud.kind.load();
    if (kind == 0) return false;
    if (kind == AUDCTX_SOUND && commit) {
        CommitSoundAudition();
    } else if (kind == AUDCTX_SOUNDPICK && commit) {
        SetModesFrom(m_aud);
    } else if ((kind == AUDCTX_SOUND || kind == AUDCTX_SOUNDPICK) && !commit) {
        DiscardSoundAudition();
    } else if (!commit) {
        DiscardArrayAudition();
    }
    m_aud.clear();
    Post(kEvAuditionState, 0);
    TRACE("RemoteSynth: EndAudition(%s)\n", commit ? "commit" : "discard");
    return true;
}

}  // namespace QorX0
