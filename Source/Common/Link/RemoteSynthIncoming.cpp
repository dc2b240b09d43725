// What the instrument sends: dumps, parameter, mode and program changes, master volume and short
// messages (all on the MIDI read thread); and the outgoing real-time path.
//
// A dump's bank, number or index comes from the wire: one outside the model's banks and counts is
// refused before anything is written. Copies into the image are made under the image lock, which
// is released before sleeps, section notifications and events.
#include <cstring>
#include <exception>

#include "Common/Link/RemoteSynthImpl.h"
#include "Linux/SysTick.h"
#include "Linux/Trace.h"

namespace QorX0 {

namespace {

constexpr unsigned kAllDumpStepPauseMs = 30;
constexpr int kPidGlobalPatternNo = 0x7C00;
constexpr int kArpStepParamFirst = 5;
constexpr int kArpStepParamLast = 21;

// A bank, number or index from the wire that the model does not have: nothing is written.
int RefuseIndex(const char* what, int a, int b) {
    TRACE("RemoteSynth: %s index out of range, bank=%d number=%d\n", what, a, b);
    return QN_FAIL;
}

}  // namespace

bool CRemoteSynthImpl::CheckSize(const char* what, unsigned expected, unsigned length) {
    if (length >= expected) return true;
    TRACE("RemoteSynth: %s size incorrect, expected=%u actual=%u\n", what, expected, length);
    return false;
}

void CRemoteSynthImpl::CopyIn(unsigned offset, const void* data, unsigned count) {
    if (offset > kSizeImage || count > kSizeImage - offset) return;
    CImageGuard g(this);
    std::memcpy(m_image->Bytes() + offset, data, count);
}

void CRemoteSynthImpl::ClearProgPlayLocal() {
    m_progPlay.ClearLocalRecord();
}

// ---------------------------------------------------------------- current sounds

int CRemoteSynthImpl::OnRcvCurProgDump(IRemoteMIDI*, const void* data, unsigned size) {
    if (GetAuditionState()) return 0;
    if (!data || !CheckSize("PROG", kSizeProgram, size)) return QN_FAIL;
    CopyIn(kAreaCurProgram.offset, data, kSizeProgram);
    ClearProgPlayLocal();
    m_progPlay.OnReinitialized();
    m_progEdit.OnReinitialized();
    m_patterns.APATUpdateSel();
    return 0;
}

int CRemoteSynthImpl::OnRcvCurCombiDump(IRemoteMIDI*, const void* data, unsigned size) {
    if (GetAuditionState()) return 0;
    if (!data || !CheckSize("COMBI", kSizeCombi, size)) return QN_FAIL;
    CopyIn(kAreaCurCombi.offset, data, kSizeCombi);
    m_combiPlay.OnReinitialized();
    m_combiEdit.OnReinitialized();
    m_patterns.APATUpdateSel();
    return 0;
}

int CRemoteSynthImpl::OnRcvCurMultiDump(IRemoteMIDI*, const void* data, unsigned size) {
    if (GetAuditionState()) return 0;
    if (!data || !CheckSize("MULTI", kSizeMulti, size)) return QN_FAIL;
    CopyIn(kAreaCurMulti.offset, data, kSizeMulti);
    m_multi.OnReinitialized();
    m_patterns.APATUpdateSel();
    return 0;
}

// ---------------------------------------------------------------- memory dumps

int CRemoteSynthImpl::OnRcvProgDump(IRemoteMIDI*, int bank, int number, const void* data, unsigned size) {
    const unsigned banks = ProgramBankCount(m_model);
    if (!data) return QN_FAIL;
    if (bank < 0) {
        const unsigned expected = banks * kAreaPrograms.BankSize();
        if (!CheckSize("PROG", expected, size)) return QN_FAIL;
        CopyIn(kAreaPrograms.offset, data, expected);
        PostBankList(kModeProgPlay, 0xFF, 0xFF);
        return 0;
    }
    if (static_cast<unsigned>(bank) >= banks || number > 127) return RefuseIndex("PROG", bank, number);
    const unsigned b = static_cast<unsigned>(bank);
    if (number < 0) {
        if (!CheckSize("PROG", kAreaPrograms.BankSize(), size)) return QN_FAIL;
        CopyIn(kAreaPrograms.At(b, 0), data, kAreaPrograms.BankSize());
        PostBankList(kModeProgPlay, b, 0xFF);
        return 0;
    }
    if (!CheckSize("PROG", kSizeProgram, size)) return QN_FAIL;
    CopyIn(kAreaPrograms.At(b, static_cast<unsigned>(number)), data, kSizeProgram);
    PostBankList(kModeProgPlay, b, static_cast<unsigned>(number));
    return 0;
}

int CRemoteSynthImpl::OnRcvCombiDump(IRemoteMIDI*, int bank, int number, const void* data, unsigned size) {
    if (!data) return QN_FAIL;
    if (bank < 0) {
        if (!CheckSize("COMBI", kAreaCombis.Size(), size)) return QN_FAIL;
        CopyIn(kAreaCombis.offset, data, kAreaCombis.Size());
        PostBankList(kModeCombiPlay, 0xFF, 0xFF);
        return 0;
    }
    if (bank >= static_cast<int>(kCombiBankCount) || number > 127) return RefuseIndex("COMBI", bank, number);
    const unsigned b = static_cast<unsigned>(bank);
    if (number < 0) {
        if (!CheckSize("COMBI", kAreaCombis.BankSize(), size)) return QN_FAIL;
        CopyIn(kAreaCombis.At(b, 0), data, kAreaCombis.BankSize());
        PostBankList(kModeCombiPlay, b, 0xFF);
        return 0;
    }
    if (!CheckSize("COMBI", kSizeCombi, size)) return QN_FAIL;
    CopyIn(kAreaCombis.At(b, static_cast<unsigned>(number)), data, kSizeCombi);
    PostBankList(kModeCombiPlay, b, static_cast<unsigned>(number));
    return 0;
}

int CRemoteSynthImpl::OnRcvMultiDump(IRemoteMIDI*, int index, const void* data, unsigned size) {
    if (!data) return QN_FAIL;
    if (index < 0) {
        if (!CheckSize("MULTI", kAreaMultis.Size(), size)) return QN_FAIL;
        CopyIn(kAreaMultis.offset, data, kAreaMultis.Size());
        PostBankList(kModeMulti, 0xFF, 0xFF);
        return 0;
    }
    if (index >= static_cast<int>(kAreaMultis.count)) return RefuseIndex("MULTI", 0, index);
    if (!CheckSize("MULTI", kSizeMulti, size)) return QN_FAIL;
    CopyIn(kAreaMultis.At(static_cast<unsigned>(index)), data, kSizeMulti);
    PostBankList(kModeMulti, 0, static_cast<unsigned>(index));
    return 0;
}

int CRemoteSynthImpl::OnRcvGlobalDump(IRemoteMIDI*, const void* data, unsigned size) {
    if (!data || !CheckSize("GLOBAL", kSizeGlobal, size)) return QN_FAIL;
    CopyIn(kAreaGlobal.offset, data, kSizeGlobal);
    m_global.OnReinitialized();
    return 0;
}

int CRemoteSynthImpl::OnRcvDrumkitDump(IRemoteMIDI*, int index, const void* data, unsigned size) {
    if (!data) return QN_FAIL;
    if (index < 0) {
        if (!CheckSize("DRUMKIT", kAreaDrumKits.Size(), size)) return QN_FAIL;
        CopyIn(kAreaDrumKits.offset, data, kAreaDrumKits.Size());
    } else {
        if (index >= static_cast<int>(kAreaDrumKits.count)) return RefuseIndex("DRUMKIT", 0, index);
        if (!CheckSize("DRUMKIT", kSizeDrumKit, size)) return QN_FAIL;
        CopyIn(kAreaDrumKits.At(static_cast<unsigned>(index)), data, kSizeDrumKit);
    }
    m_kits.FireOnSectionReinitialized();
    return 0;
}

int CRemoteSynthImpl::OnRcvArpPatternDump(IRemoteMIDI*, int index, const void* data, unsigned size) {
    if (!data) return QN_FAIL;
    if (index < 0) {
        if (!CheckSize("ARPPATTERN", kAreaArpPatterns.Size(), size)) return QN_FAIL;
        CopyIn(kAreaArpPatterns.offset, data, kAreaArpPatterns.Size());
    } else {
        if (index >= static_cast<int>(kAreaArpPatterns.count)) return RefuseIndex("ARPPATTERN", 0, index);
        if (!CheckSize("ARPPATTERN", kSizeArpPattern, size)) return QN_FAIL;
        CopyIn(kAreaArpPatterns.At(static_cast<unsigned>(index)), data, kSizeArpPattern);
    }
    m_patterns.APATUpdateSel();
    return 0;
}

int CRemoteSynthImpl::OnRcvExtControlDump(IRemoteMIDI*, int index, const void* data, unsigned size) {
    if (!data) return QN_FAIL;
    if (index < 0) {
        if (!CheckSize("EXTCONTROL", kAreaExtControls.Size(), size)) return QN_FAIL;
        CopyIn(kAreaExtControls.offset, data, kAreaExtControls.Size());
    } else {
        if (index >= static_cast<int>(kAreaExtControls.count)) return RefuseIndex("EXTCONTROL", 0, index);
        if (!CheckSize("EXTCONTROL", kSizeExtControl, size)) return QN_FAIL;
        CopyIn(kAreaExtControls.At(static_cast<unsigned>(index)), data, kSizeExtControl);
    }
    m_exts.FireOnSectionReinitialized();
    return 0;
}

void AllDumpLayout(unsigned char model, const std::function<void(unsigned offset, unsigned size)>& area) {
    area(kAreaGlobal.offset, kAreaGlobal.Size());
    area(kAreaDrumKits.offset, kAreaDrumKits.Size());
    area(kAreaArpPatterns.offset, kAreaArpPatterns.Size());
    area(kAreaCombis.offset, kAreaCombis.Size());
    area(kAreaPrograms.offset, ProgramBankCount(model) * kAreaPrograms.BankSize());
    area(kAreaMultis.offset, kAreaMultis.Size());
    if (model != kPmidTolva) area(kAreaExtControls.offset, kAreaExtControls.Size());
}

int CRemoteSynthImpl::OnRcvAllDump(IRemoteMIDI*, const void* data, unsigned size) {
    if (!data || !CheckSize("ALL", AllDumpSize(m_model), size)) return QN_FAIL;
    {
        CImageGuard g(this);
        const uint8_t* src = static_cast<const uint8_t*>(data);
        AllDumpLayout(m_model, [&](unsigned offset, unsigned n) {
            std::memcpy(m_image->Bytes() + offset, src, n);
            src += n;
        });
    }
    try {
        SleepCurrentThread(kAllDumpStepPauseMs);
        m_global.OnReinitialized();
        SleepCurrentThread(kAllDumpStepPauseMs);
        m_kits.FireOnSectionReinitialized();
        SleepCurrentThread(kAllDumpStepPauseMs);
        m_patterns.APATUpdateSel();
        SleepCurrentThread(kAllDumpStepPauseMs);
        m_exts.FireOnSectionReinitialized();
        PostBankList(kModeProgPlay, 0xFF, 0xFF);
        SleepCurrentThread(kAllDumpStepPauseMs);
        PostBankList(kModeCombiPlay, 0xFF, 0xFF);
        SleepCurrentThread(kAllDumpStepPauseMs);
        PostBankList(kModeMulti, 0xFF, 0xFF);
        SleepCurrentThread(kAllDumpStepPauseMs);
    } catch (const std::exception&) {
        TRACE("OnRcvAllDump() Exception occared!\n");
    }
    return 0;
}

// ---------------------------------------------------------------- changes

int CRemoteSynthImpl::OnRcvShortMsg(IRemoteMIDI*, long long time, const void* data, unsigned length) {
    if (!m_connected.load() || !data || length == 0) return QN_FAIL;
    const uint8_t* bytes = static_cast<const uint8_t*>(data);
    if ((bytes[0] & 0xF0) == 0xB0 && length >= 3) m_rtc.OnRcvMIDICC(bytes[0], bytes[1], bytes[2]);
    if (IRTMIDISink* rt = m_rtSink.load()) rt->OnRTMIDIIn(time, data, length);
    const unsigned n = length < 3 ? length : 3;
    unsigned packed = n << 24;
    for (unsigned i = 0; i < n; ++i) packed |= static_cast<unsigned>(bytes[i]) << (8 * i);
    Post(kEvMIDIIn, static_cast<long>(packed));
    return 0;
}

int CRemoteSynthImpl::OnRcvModeAndState(IRemoteMIDI*, const MODEANDSTATE*) {
    m_stateAnswers.fetch_add(1);
    if (m_pollWaiting.load()) Post(kEvPollAnswered, 0, true);
    return 0;
}

int CRemoteSynthImpl::OnRcvMasterVolumeChange(IRemoteMIDI*, unsigned volume) {
    const unsigned v = volume < kMaxMasterVolume ? volume : kMaxMasterVolume;
    m_masterVolume.store(v);
    Post(kEvMasterVolume, static_cast<long>(v));
    return 0;
}

void CRemoteSynthImpl::SetModes(unsigned char mode) {
    {
        CImageGuard g(this);
        m_image->mode = mode;
    }
    m_virtualMode.store(mode);
    m_soundMode.store(SoundModeOf(mode));
}

int CRemoteSynthImpl::OnRcvModeChange(IRemoteMIDI*, unsigned char mode) {
    if (GetAuditionState()) {
        Post(kEvAbortAudition, static_cast<long>(kAbortByMode << 16 | mode));
        return 0;
    }
    unsigned char oldMode;
    {
        CImageGuard g(this);
        oldMode = m_image->mode;
        m_image->mode = mode;
    }
    const unsigned char oldSoundMode = m_soundMode.load();
    switch (mode) {
        case kModeCombiPlay:
        case kModeCombiEdit:
        case kModeProgPlay:
        case kModeProgEdit:
        case kModeMulti:
            m_virtualMode.store(mode);
            m_soundMode.store(SoundModeOf(mode));
            if (mode == kModeCombiPlay) m_combiPlay.OnReinitialized();
            if (mode == kModeCombiEdit) m_combiEdit.OnReinitialized();
            if (mode == kModeProgPlay) m_progPlay.OnReinitialized();
            if (mode == kModeProgEdit) m_progEdit.OnReinitialized();
            if (mode == kModeMulti) m_multi.OnReinitialized();
            break;
        case kModeGlobal:
            m_global.OnReinitialized();
            m_kits.FireOnSectionReinitialized();
            m_patterns.FireOnSectionReinitialized();
            break;
        default:
            break;
    }
    if (m_soundMode.load() != oldSoundMode || oldMode > kModeMulti) m_rtc.ResetStat(1);
    if (mode != oldMode && oldMode == kModeProgPlay) {
        ClearProgPlayLocal();
        Post(kEvArmCurProgReq, 0, true);
    }
    m_patterns.APATUpdateSel();
    m_patterns.PutParamIEx(CGArraySectionImpl::kPidArpSelect,
                           m_patterns.GetParamI(CGArraySectionImpl::kPidArpSelect), kPutNotify);
    Post(kEvMode, mode);
    return 0;
}

void CRemoteSynthImpl::CopyCurrentFromSlot(unsigned char soundMode, unsigned bank, unsigned number) {
    CImageGuard g(this);
    CHUNK_REMOTESYNTH* im = m_image.get();
    const unsigned banks = ProgramBankCount(m_model);
    switch (soundMode) {
        case kModeProgPlay:
            im->curprogramrec[0] = static_cast<uint8_t>(bank);
            im->curprogramrec[1] = static_cast<uint8_t>(number);
            if (bank < banks)
                std::memcpy(im->curprogram, im->program[bank][number], kSizeProgram);
            else
                std::memcpy(im->curprogram,
                            m_preset.get() + ((bank - banks) * kSoundsPerBank + number) * kSizeProgram,
                            kSizeProgram);
            break;
        case kModeMulti:
            im->curmultirec[0] = 0;
            im->curmultirec[1] = static_cast<uint8_t>(number);
            std::memcpy(im->curmulti, im->multi[number], kSizeMulti);
            break;
        case kModeCombiPlay:
            im->curcombirec[0] = static_cast<uint8_t>(bank);
            im->curcombirec[1] = static_cast<uint8_t>(number);
            std::memcpy(im->curcombi, im->combi[bank][number], kSizeCombi);
            break;
        default:
            break;
    }
}

int CRemoteSynthImpl::OnRcvProgramChange(IRemoteMIDI*, unsigned bank, unsigned number) {
    if (GetAuditionState()) {
        Post(kEvAbortAudition, static_cast<long>(kAbortBySound << 16 | (bank & 0xFF) << 8 | (number & 0xFF)));
        return 0;
    }
    const unsigned char soundMode = m_soundMode.load();
    // What the instrument names must exist in the model before anything is copied.
    if (number >= kSoundsPerBank ||
        (soundMode == kModeProgPlay && bank >= ProgramBankCount(m_model) + kPresetProgBankCount) ||
        (soundMode == kModeCombiPlay && bank >= kCombiBankCount)) {
        return RefuseIndex("program change", static_cast<int>(bank), static_cast<int>(number));
    }
    m_rtc.ResetStat(0);
    CopyCurrentFromSlot(soundMode, bank, number);
    switch (soundMode) {
        case kModeProgPlay:
            ClearProgPlayLocal();
            m_progPlay.OnReinitialized();
            m_progEdit.OnReinitialized();
            break;
        case kModeMulti:
            m_multi.OnReinitialized();
            break;
        case kModeCombiPlay:
            m_combiPlay.OnReinitialized();
            m_combiEdit.OnReinitialized();
            break;
        default:
            break;
    }
    m_patterns.APATUpdateSel();
    Post(kEvCurSound, static_cast<long>((bank & 0xFF) << 8 | (number & 0xFF)));
    return 0;
}

int CRemoteSynthImpl::OnRcvParamChange(IRemoteMIDI*, unsigned char mode, int pid, int value) {
    switch (mode) {
        case kModeCombiPlay:
            m_combiPlay.OnRcvMIDIParam(pid, value);
            break;
        case kModeCombiEdit:
            m_combiEdit.OnRcvMIDIParam(pid, value);
            break;
        case kModeProgPlay:
            m_progPlay.OnRcvMIDIParam(pid, value);
            break;
        case kModeProgEdit:
            m_progEdit.OnRcvMIDIParam(pid, value);
            break;
        case kModeMulti:
            m_multi.OnRcvMIDIParam(pid, value);
            break;
        case kModeGlobal:
            m_global.OnRcvMIDIParam(pid, value);
            if (pid == kPidGlobalPatternNo) m_patterns.APATUpdateSel();
            break;
        default:
            break;
    }
    return 0;
}

int CRemoteSynthImpl::OnRcvDrumkitParamChange(IRemoteMIDI*, unsigned kit, unsigned slot, int param,
                                              int value) {
    if (kit >= kAreaDrumKits.count) return RefuseIndex("DRUMKIT", 0, static_cast<int>(kit));
    m_kits.OnRcvMIDIGlobalArrayParam(static_cast<int>((slot << 8) + static_cast<unsigned>(param)),
                                     static_cast<int>(kit), value);
    return 0;
}

int CRemoteSynthImpl::OnRcvArpPatternParamChange(IRemoteMIDI*, unsigned pattern, int param, unsigned index,
                                                 int value) {
    if (pattern >= kAreaArpPatterns.count) return RefuseIndex("ARPPATTERN", 0, static_cast<int>(pattern));
    int pid = param;
    if (param >= kArpStepParamFirst && param <= kArpStepParamLast)
        pid = param + static_cast<int>((index & 0xFF) << 8);
    m_patterns.OnRcvMIDIGlobalArrayParam(pid, static_cast<int>(pattern + kArpPresetCount), value);
    return 0;
}

int CRemoteSynthImpl::OnRcvExtControlParamChange(IRemoteMIDI*, unsigned set, int param, int value) {
    if (set >= kAreaExtControls.count) return RefuseIndex("EXTCONTROL", 0, static_cast<int>(set));
    m_exts.OnRcvMIDIGlobalArrayParam(param, static_cast<int>(set), value);
    return 0;
}

// ---------------------------------------------------------------- outgoing real-time MIDI

bool CRemoteSynthImpl::RTMIDIOut(long long time, const void* data, unsigned length) {
    IRemoteMIDI* link = m_link;
    if (!link || !data || length == 0) return false;
    // A transfer owns the wire while its progress display is up.
    if (link->UIIsActive()) return false;
    const uint8_t* bytes = static_cast<const uint8_t*>(data);
    if ((bytes[0] & 0xF0) == 0xB0 && length >= 3) m_rtc.OnRcvMIDICC(bytes[0], bytes[1], bytes[2]);
    const long long due = time + static_cast<long long>(m_latencyMs.load()) * 1000;
    return QN_SUCCEEDED(link->SendShortMsg(due, data, length));
}

bool CRemoteSynthImpl::MIDIOut(const void* data, unsigned length) {
    return RTMIDIOut(static_cast<long long>(GetSysTick()) * 1000, data, length);
}

}  // namespace QorX0
