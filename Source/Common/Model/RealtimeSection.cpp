// Realtime controls: knob values sent as control changes, the knobs' moved state per multi track,
// and page, arpeggiator and tempo rows mapped onto the current sound.
#include "Common/Model/RealtimeSection.h"

#include <cstring>

#include "Linux/SysTick.h"

namespace QorX0 {

const uint8_t CRTCSectionImpl::kInitImage[kSizeRtcState] = {0x01, 0x40, 0x40, 0x40, 0x40, 0x40, 0x40, 0x40,
                                                            0x40, 0x00, 0x00, 0x00, 0x78, 0x00, 0x00, 0x00};

const uint8_t RTCKNOBTABLE_PAGEA_CC[4] = {74, 71, 79, 72};

const int RTCKNOBTABLE_PAGEB_ASSIGNPID[4][3] = {
    {0x0012, 0x000A, 0x0009},
    {0x0013, 0x000B, 0x000A},
    {0x0014, 0x000C, 0x000B},
    {0x0015, 0x000D, 0x000C},
};

namespace {
constexpr uint8_t kCcOff = 0xFF;
constexpr uint8_t kCcMasterVolume = 0xFE;

// Page rows (A/B, MSB) by mode; -1 where the mode has none.
int PageRow(int mode, bool msb) {
    switch (mode) {
        case kModeCombiPlay:
            return msb ? 0x0B03 : 0x0B02;
        case kModeCombiEdit:
            return msb ? 0x000F : 0x000E;
        case kModeProgPlay:
            return msb ? 0x0303 : 0x0302;
        case kModeProgEdit:
            return msb ? 0x0019 : 0x0016;
        case kModeMulti:
            return msb ? 0x000E : 0x000D;
        case kModeGlobal:
            return msb ? 0x7C0F : 0x7C0E;
        default:
            return -1;
    }
}

// Column of RTCKNOBTABLE_PAGEC_PID for a mode; -1 for a mode without one.
int PageCColumn(int mode) {
    switch (mode) {
        case kModeProgPlay:
            return 0;
        case kModeProgEdit:
            return 1;
        case kModeCombiPlay:
            return 2;
        case kModeCombiEdit:
            return 3;
        case kModeMulti:
            return 4;
        case kModeGlobal:
            return 5;
        default:
            return -1;
    }
}

constexpr int kTrackStatus = 3, kTrackChannel = 4, kTrackPan = 1, kTrackVolume = 2, kTrackPortamento = 9,
              kTrackSend1 = 0x29, kTrackSend2 = 0x2A;
constexpr int kGlobalChannelValue = 16, kAllRouted = 17;

// The section of a sound that holds pid (a timbre or track for their PIDs).
ISection* Route(ISoundSection* sound, int pid) {
    ISection* s = nullptr;
    return sound && sound->FindSectionByPID(pid, &s) ? s : nullptr;
}
int GetRouted(ISoundSection* sound, int pid) {
    ISection* s = Route(sound, pid);
    return s ? s->GetParamI(pid) : 0;
}
}  // namespace

// Assign type to control number: 0 off, 5 master volume, 29-124 control 0-95.
const uint8_t RTCKNOBTABLE_PAGEB_CC[128] = {
    255, 17, 19, 20, 21, 254, 5,  7,  8,  10, 11, 12, 13, 74, 71, 79, 73, 75, 70, 72, 76, 77, 78, 80, 81, 82,
    83,  93, 91, 0,  1,  2,   3,  4,  5,  6,  7,  8,  9,  10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22,
    23,  24, 25, 26, 27, 28,  29, 30, 31, 32, 33, 34, 35, 36, 37, 38, 39, 40, 41, 42, 43, 44, 45, 46, 47, 48,
    49,  50, 51, 52, 53, 54,  55, 56, 57, 58, 59, 60, 61, 62, 63, 64, 65, 66, 67, 68, 69, 70, 71, 72, 73, 74,
    75,  76, 77, 78, 79, 80,  81, 82, 83, 84, 85, 86, 87, 88, 89, 90, 91, 92, 93, 94, 95, 0,  0,  0};

const int RTCKNOBTABLE_PAGEC_PID[4][6] = {
    {0x0102, 0x1C02, 0x0804, 0x0904, 0x2204, 0x7C10},
    {0x0103, 0x1C03, 0x0805, 0x0905, 0x2205, 0x7C11},
    {0x0104, 0x1C04, 0x0806, 0x0906, 0x2206, 0x7C12},
    {0x0100, 0x1C00, 0x0800, 0x0900, 0x2200, 0x7C13},
};

void CRTCSectionImpl::Init(IHostProxy* host, ISoundSection* progPlay, ISoundSection* progEdit,
                           ISoundSection* combiPlay, ISoundSection* combiEdit, ISoundSection* multi,
                           ISection* global) {
    m_progPlay = progPlay;
    m_progEdit = progEdit;
    m_combiPlay = combiPlay;
    m_combiEdit = combiEdit;
    m_multi = multi;
    m_global = global;
    std::memcpy(m_record, kInitImage, sizeof m_record);
    std::memset(&m_state, 0, sizeof m_state);
    CSectionImplBaseT::Init(host, TABLEDESC_RTCTL, 0, 0, m_record, kSizeRtcState, kInitImage);
}

ISection* CRTCSectionImpl::SectionOfMode(int mode) {
    switch (mode) {
        case kModeCombiPlay:
            return m_combiPlay;
        case kModeCombiEdit:
            return m_combiEdit;
        case kModeProgPlay:
            return m_progPlay;
        case kModeProgEdit:
            return m_progEdit;
        case kModeMulti:
            return m_multi;
        case kModeGlobal:
            return m_global;
        default:
            return nullptr;
    }
}

int CRTCSectionImpl::GlobalChannel() {
    IRemoteMIDI* link = Host() ? Host()->GetRemoteMidi() : nullptr;
    return link ? link->GetGlobalChannel() & 0x0F : 0;
}

int CRTCSectionImpl::StateRow() {
    if (!Host() || Host()->GetRemoteVirtualMode() != kModeMulti || !m_multi) return 0;
    return std::clamp(m_multi->GetParamI(0xFF16), 0, 15);
}

int CRTCSectionImpl::KnobChannel() {
    if (Host() && Host()->GetRemoteVirtualMode() == kModeMulti && m_multi) {
        int t = std::clamp(m_multi->GetParamI(0xFF16), 0, 15);
        return GetRouted(m_multi, (t + 1) * 0x100 + kTrackChannel) & 0x0F;
    }
    return GlobalChannel();
}

int CRTCSectionImpl::PageBControl(int knob) {
    if (!Host()) return kCcOff;
    ISection* s = nullptr;
    int column = 0;
    switch (Host()->GetRemoteSoundMode()) {
        case kModeProgPlay:
            s = m_progEdit;
            column = 0;
            break;
        case kModeCombiPlay:
            s = m_combiEdit;
            column = 1;
            break;
        case kModeMulti:
            s = m_multi;
            column = 2;
            break;
        default:
            break;
    }
    const int type = s ? s->GetParamI(RTCKNOBTABLE_PAGEB_ASSIGNPID[knob][column]) : 0;
    return (type < 0 || type >= 125) ? kCcOff : RTCKNOBTABLE_PAGEB_CC[type];
}

int CRTCSectionImpl::GetParamI(int pid) {
    const int mode = Host() ? Host()->GetRemoteMode() : -1;
    if (pid == kPidPage) {
        ISection* s = SectionOfMode(mode);
        if (!s) return 0;
        if (s->GetParamI(PageRow(mode, true)) != 0) return 2;
        return s->GetParamI(PageRow(mode, false)) != 0 ? 1 : 0;
    }
    if (pid >= kPidArpGate && pid <= kPidTempo) {
        const int col = PageCColumn(mode);
        ISection* s = SectionOfMode(mode);
        if (col >= 0 && s) return s->GetParamI(RTCKNOBTABLE_PAGEC_PID[pid - kPidArpGate][col]);
    }
    return CSectionImplBaseT::GetParamI(pid);
}

std::string CRTCSectionImpl::GetParamS(int pid) {
    return CSectionImplBaseT::GetParamS(pid);
}

int CRTCSectionImpl::PutParamIEx(int pid, int value, unsigned flags) {
    const int result = BasePutParamIEx(pid, value, flags);
    if (pid < kPidPage || pid > kPidTempo) return result;
    const int mode = Host() ? Host()->GetRemoteMode() : -1;
    if (pid == kPidPage) {
        if (ISection* s = SectionOfMode(mode)) {
            if (result > 1) {
                s->PutParamIEx(PageRow(mode, false), 0, 0);
                s->PutParamIEx(PageRow(mode, true), 1, flags);
            } else {
                s->PutParamIEx(PageRow(mode, true), 0, 0);
                s->PutParamIEx(PageRow(mode, false), result == 1 ? 1 : 0, flags);
            }
        }
        FireOnSectionReinitialized();
        return result;
    }
    if (pid >= kPidArpGate) {
        const int col = PageCColumn(mode);
        ISection* s = SectionOfMode(mode);
        if (col >= 0 && s) s->PutParamIEx(RTCKNOBTABLE_PAGEC_PID[pid - kPidArpGate][col], value, flags);
        return result;
    }
    // Knobs: send, then remember the knob as moved on the current track.
    const int knob = pid - kPidCutoff;  // 0-7
    const uint8_t v = static_cast<uint8_t>(result & 0x7F);
    if (flags & kPutSend) {
        IRemoteMIDI* link = Host() ? Host()->GetRemoteMidi() : nullptr;
        const int cc = knob < 4 ? RTCKNOBTABLE_PAGEA_CC[knob] : PageBControl(knob - 4);
        if (link && cc == kCcMasterVolume) {
            link->SendMasterVolumeChange(v);
        } else if (link && cc != kCcOff) {
            const uint8_t msg[3] = {static_cast<uint8_t>(0xB0 | KnobChannel()), static_cast<uint8_t>(cc), v};
            link->SendShortMsg(static_cast<long long>(GetSysTick()) * 1000, msg, sizeof msg);
        }
    }
    const int row = StateRow();
    CImageGuard g(Host());
    m_state.knob[row][knob] = static_cast<uint8_t>(0x80 | v);
    return result;
}

std::string CRTCSectionImpl::PutParamSEx(int pid, const char* text, unsigned flags) {
    // The text's value, as stored in the section's own record, is what gets written: for the page,
    // arpeggiator and tempo rows that is the current sound's, as with an integer write (re-writing
    // what GetParamI reports would leave the sound unchanged while the answer shows the new text).
    BasePutParamSEx(pid, text, 0);
    PutParamIEx(pid, CSectionImplBaseT::GetParamI(pid), flags);
    return GetParamS(pid);
}

void CRTCSectionImpl::OnRcvMIDICC(unsigned char status, unsigned char control, unsigned char value) {
    const int c = status & 0x0F;
    const int global = GlobalChannel();
    if (c == KnobChannel()) {
        for (int k = 0; k < 4; ++k)
            if (control == RTCKNOBTABLE_PAGEA_CC[k]) PutParamIEx(kPidCutoff + k, value, kPutNotify);
        for (int k = 0; k < 4; ++k)
            if (PageBControl(k) == control) PutParamIEx(kPidCutoff + 4 + k, value, kPutNotify);
    }
    const int vmode = Host() ? Host()->GetRemoteVirtualMode() : -1;
    const bool combi = vmode == kModeCombiPlay || vmode == kModeCombiEdit;
    if (!(combi && m_combiEdit) && !(vmode == kModeMulti && m_multi)) return;

    ISoundSection* owner = combi ? m_combiEdit : m_multi;
    const int count = combi ? 8 : 16;
    auto trackChannel = [&](int i) {
        int ch = GetRouted(owner, (i + 1) * 0x100 + kTrackChannel);
        return (combi && ch == kGlobalChannelValue) ? global : ch;
    };
    if (control == 8) {
        const int cc = owner->GetParamI(combi ? 0x0C06 : 0x2506);
        bool match = false;
        if (cc == kGlobalChannelValue)
            match = c == global;
        else if (cc == kAllRouted)
            for (int i = 0; i < count && !match; ++i) match = trackChannel(i) == c;
        else
            match = cc == c;
        if (match) owner->PutParamIEx(combi ? 0x0C02 : 0x2502, value, kPutNotify);
        return;
    }
    int n = -1;
    switch (control) {
        case 5:
            n = kTrackPortamento;
            break;
        case 7:
            n = combi ? -1 : kTrackVolume;
            break;
        case 10:
            n = kTrackPan;
            break;
        case 91:
            n = kTrackSend2;
            break;
        case 93:
            n = kTrackSend1;
            break;
        default:
            break;
    }
    if (n < 0 || (combi && c != global)) return;
    const int v = (control == 10 && value == 0) ? 1 : value;
    for (int i = 0; i < count; ++i) {
        const int base = (i + 1) * 0x100;
        const int ch = GetRouted(owner, base + kTrackChannel);
        const int st = GetRouted(owner, base + kTrackStatus);
        const bool chOk = combi ? (ch == kGlobalChannelValue || ch == c) : ch == c;
        const bool stOk = combi ? st == 0 : (st == 0 || st == 2);
        if (!chOk || !stOk) continue;
        if (control == 5 && GetRouted(owner, base + kTrackPortamento) == -1) continue;
        if (ISection* track = Route(owner, base + n)) track->PutParamIEx(base + n, v, kPutNotify);
    }
}

bool CRTCSectionImpl::RestoreStat(const RTCSTAT& state, unsigned flags) {
    {
        CImageGuard g(Host());
        m_state = state;
    }
    if (Host() && Host()->GetRemoteVirtualMode() == kModeMulti && m_multi) {
        const int t0 = m_multi->GetParamI(0xFF16);
        for (int i = 0; i < 16; ++i) {
            m_multi->PutParamIEx(0xFF16, i, 0);
            for (int j = 0; j < 8; ++j) {
                const uint8_t b = state.knob[i][j];
                if (b & 0x80) PutParamIEx(kPidCutoff + j, b & 0x7F, i == t0 ? flags : flags & ~kPutNotify);
            }
        }
        m_multi->PutParamIEx(0xFF16, t0, 0);
    } else {
        for (int j = 0; j < 8; ++j)
            if (state.knob[0][j] & 0x80) PutParamIEx(kPidCutoff + j, state.knob[0][j] & 0x7F, flags);
    }
    return true;
}

bool CRTCSectionImpl::ResetStat(unsigned flags) {
    for (int k = 0; k < 8; ++k) PutParamIEx(kPidCutoff + k, kInitImage[1 + k], flags);
    CImageGuard g(Host());
    std::memset(&m_state, 0, sizeof m_state);
    return true;
}

RTCSTAT CRTCSectionImpl::GetStat() {
    CImageGuard g(Host());
    return m_state;
}

}  // namespace QorX0
