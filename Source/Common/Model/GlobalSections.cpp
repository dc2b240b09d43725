// Global section (arpeggiator rows that follow the current sound) and the array sections.
#include "Common/Model/GlobalSections.h"

#include <algorithm>
#include <cstring>

#include "Common/Model/Presets.h"
#include "Common/Model/RealtimeSection.h"
#include "Common/Model/Tables/SampleNames.h"
#include "Common/Model/Tables/SmallTables.h"
#include "Common/Model/Tables/SoundTables.h"

namespace QorX0 {

namespace {

// Global arpeggiator rows and the sound PIDs they stand for: program play, program edit,
// combination play A/B, combination edit A/B, multi A/B.
const int kArpProxy[14][9] = {
    {0x7C00, 0x0200, 0x1D00, 0x0900, 0x0A00, 0x0A00, 0x0B00, 0x2300, 0x2400},
    {0x7C01, 0x0201, 0x1D01, 0x0901, 0x0A01, 0x0A01, 0x0B01, 0x2301, 0x2401},
    {0x7C02, 0x0202, 0x1D02, 0x0902, 0x0A02, 0x0A02, 0x0B02, 0x2302, 0x2402},
    {0x7C06, 0x0206, 0x1D06, 0x0906, 0x0A06, 0x0A06, 0x0B06, 0x2306, 0x2406},
    {0x7C07, 0x0207, 0x1D07, 0x0907, 0x0A07, 0x0A07, 0x0B07, 0x2307, 0x2407},
    {0x7C08, 0x0208, 0x1D08, 0x0908, 0x0A08, 0x0A08, 0x0B08, 0x2308, 0x2408},
    {0x7C09, 0x0209, 0x1D09, 0x0909, 0x0A09, 0x0A09, 0x0B09, 0x2309, 0x2409},
    {0x7C0E, 0x0302, 0x0016, 0x0B02, 0x0B02, 0x000E, 0x000E, 0x000D, 0x000D},
    {0x7C0F, 0x0303, 0x0019, 0x0B03, 0x0B03, 0x000F, 0x000F, 0x000E, 0x000E},
    {0x7C10, 0x0102, 0x1C02, 0x0804, 0x0804, 0x0904, 0x0904, 0x2204, 0x2204},
    {0x7C11, 0x0103, 0x1C03, 0x0805, 0x0805, 0x0905, 0x0905, 0x2205, 0x2205},
    {0x7C12, 0x0104, 0x1C04, 0x0806, 0x0806, 0x0906, 0x0906, 0x2206, 0x2206},
    {0x7C13, 0x0100, 0x1C00, 0x0800, 0x0800, 0x0900, 0x0900, 0x2200, 0x2200},
    {0x7C14, 0x0101, 0x1C01, 0x0801, 0x0801, 0x0901, 0x0901, 0x2201, 0x2201},
};

constexpr int kGlobalPatternNo = 0x7C00;
constexpr int kGlobalRtcAB = 0x7C0E, kGlobalRtcMSB = 0x7C0F;

}  // namespace

// ---------------------------------------------------------------- global

void CGlobalSectionImpl::Init(IHostProxy* host, CRTCSectionImpl* rtc, ISection* arpArray, ISection* progPlay,
                              ISection* progEdit, ISection* combiPlay, ISection* combiEdit, ISection* multi,
                              CHUNK_REMOTESYNTH* image) {
    m_rtc = rtc;
    m_arpArray = arpArray;
    ISection* sounds[5] = {progPlay, progEdit, combiPlay, combiEdit, multi};
    std::copy(std::begin(sounds), std::end(sounds), m_sound);
    m_arpNames = std::make_unique<CStringConverterEnumArppat>(
        ArpPatternNameList{PresetArpPatterns(), image ? image->arppattern[0] : nullptr,
                           host && image ? &host->GetImageLock() : nullptr});
    CSectionImplBaseT::Init(host, TABLEDESC_GLOBAL, kModeGlobal, 0, image ? image->global : nullptr,
                            kSizeGlobal, INITCHUNK_GLOBAL);
}

bool CGlobalSectionImpl::PrepareParamDesc(unsigned index, PARAMDESC* out) {
    if (!CSectionImplBaseT::PrepareParamDesc(index, out)) return false;
    const int pid = out->pid;
    if (pid == kPidNone || (pid & 0xFF00) != 0x7C00) return true;
    const int* row = nullptr;
    for (const auto& r : kArpProxy)
        if (r[0] == pid) row = r;
    if (!row || !Host()) return false;
    const bool arpB = m_arpArray && m_arpArray->GetParamI(CGArraySectionImpl::kPidArpSelect) != 0;
    int column = -1;
    ISection* s = nullptr;
    switch (Host()->GetRemoteVirtualMode()) {
        case kModeProgPlay:
            column = 1, s = m_sound[0];
            break;
        case kModeProgEdit:
            column = 2, s = m_sound[1];
            break;
        case kModeCombiPlay:
            column = arpB ? 4 : 3, s = m_sound[2];
            break;
        case kModeCombiEdit:
            column = arpB ? 6 : 5, s = m_sound[3];
            break;
        case kModeMulti:
            column = arpB ? 8 : 7, s = m_sound[4];
            break;
        default:
            return false;
    }
    if (!s || !s->GetParamDesc(row[column], out)) return false;
    out->pid = pid;
    if (pid == kGlobalPatternNo && m_arpNames) {
        out->converter = m_arpNames.get();
        out->minval = m_arpNames->Range().first;
        out->maxval = m_arpNames->Range().second;
    }
    return true;
}

void CGlobalSectionImpl::OnParamChanged(int pid) {
    FireOnSectionParamChanged(pid);
    if (pid == kGlobalRtcAB || pid == kGlobalRtcMSB) {
        PutParamIEx(pid == kGlobalRtcAB ? kGlobalRtcMSB : kGlobalRtcAB, 0, 0);
        if (m_rtc) m_rtc->FireOnSectionParamChanged(CRTCSectionImpl::kPidPage);
    } else if (pid >= 0x7C10 && pid <= 0x7C13 && m_rtc) {
        m_rtc->FireOnSectionParamChanged(CRTCSectionImpl::kPidArpGate + (pid - 0x7C10));
    }
}

void CGlobalSectionImpl::OnReinitialized() {
    FireOnSectionReinitialized();
    if (m_rtc) m_rtc->FireOnSectionReinitialized();
}

// ---------------------------------------------------------------- arrays

namespace {
struct ARRAYKIND {
    const TABLEDESC* table;
    unsigned elementSize;
    unsigned lastIndex;  // selections above are clamped to it
    const uint8_t* initImage;
};
const ARRAYKIND& Kind(GATYPE kind) {
    static const ARRAYKIND kKinds[3] = {
        {&TABLEDESC_DRUMKIT, kSizeDrumKit, 39, INITCHUNK_DRUMKIT},
        {&TABLEDESC_ARPPATTERN, kSizeArpPattern, 255, INITCHUNK_ARPPATTERN},
        {&TABLEDESC_EXTCONTROL, kSizeExtControl, 63, INITCHUNK_EXTCONTROL},
    };
    return kKinds[kind >= 0 && kind <= 2 ? kind : 0];
}
constexpr int kKitSelectParam = 32;
constexpr int kExtSelectParam = 24;
constexpr int kApatToneMode = 0x0003, kApatFixedNote = 0x0004;
constexpr int kApatLastStepParam = 21, kApatGlobalParam = 22;
}  // namespace

void CGArraySectionImpl::Init(IHostProxy* host, GATYPE kind, void* firstElement, CGlobalSectionImpl* global) {
    m_kind = kind;
    m_global = global;
    m_sel = m_sub = 0;
    const ARRAYKIND& k = Kind(kind);
    CHUNK_REMOTESYNTH* image = host ? host->GetRawChunk() : nullptr;
    const unsigned char pmid = host ? host->GetPMID() : kPmidTolva;
    m_names.SetLock(host ? &host->GetImageLock() : nullptr);
    if (kind == GATYPE_DRUMKIT) {
        SampleNameList ds;
        if (pmid == kPmidTolva || pmid == kPmidNerimo) {
            ds.names = g_DrumSampleNames;
            ds.count = DrumSampleCount(pmid);
        }
        m_dsNames = std::make_unique<CStringConverterEnumMSDS>(ds);
        if (image) BuildDrumKitItems(&m_names, image);
    } else if (kind == GATYPE_ARPPATTERN) {
        std::memcpy(m_presets, PresetArpPatterns(), sizeof m_presets);
        if (image) BuildArpPatternItems(&m_names, image);
    } else if (image) {
        BuildExtControlItems(&m_names, image);
    }
    CSectionImplBaseT::Init(host, *k.table, kModeGlobal, 0, firstElement, k.elementSize, k.initImage);
}

uint64_t CGArraySectionImpl::Select(unsigned item, unsigned sub) {
    unsigned sel, key;
    {
        CImageGuard g(Host());
        if (m_kind == GATYPE_DRUMKIT || m_kind == GATYPE_ARPPATTERN || m_kind == GATYPE_EXTCONTROL) {
            m_sel = std::min(item, Kind(m_kind).lastIndex);
            m_sub = m_kind == GATYPE_DRUMKIT ? std::min(sub, 127u) : 0;
        }
        sel = m_sel;
        key = m_sub;
    }
    IRemoteMIDI* link = Host() ? Host()->GetRemoteMidi() : nullptr;
    if (m_kind == GATYPE_DRUMKIT && link)
        link->SendDrumkitParamChange(sel, key, kKitSelectParam, 0);
    else if (m_kind == GATYPE_ARPPATTERN && m_global)
        m_global->PutParamIEx(kGlobalPatternNo, static_cast<int>(sel), kPutSend);
    else if (m_kind == GATYPE_EXTCONTROL && link)
        link->SendExtControlParamChange(sel, kExtSelectParam, 0);
    FireOnSectionReinitialized();
    return GetSelection();
}

uint64_t CGArraySectionImpl::GetSelection() {
    CImageGuard g(Host());
    return (static_cast<uint64_t>(m_sub) << 32) | m_sel;
}

unsigned CGArraySectionImpl::GetCurSel() {
    CImageGuard g(Host());
    return m_sel;
}

bool CGArraySectionImpl::PrepareParamDesc(unsigned index, PARAMDESC* out) {
    if (!CSectionImplBaseT::PrepareParamDesc(index, out)) return false;
    const int pid = out->pid;
    const int low = pid & 0xFF;
    switch (m_kind) {
        case GATYPE_DRUMKIT:
            out->record = Data() ? Data() + m_sel * kSizeDrumKit : nullptr;
            if (pid == kPidNone) break;
            if ((low == 1 || low == 12) && m_dsNames) {
                out->converter = m_dsNames.get();
                out->minval = m_dsNames->Range().first;
                out->maxval = std::max(m_dsNames->Range().second, out->minval);
            } else if ((low == 2 || low == 13) && m_dsNames) {
                const int sample = ReadValueIn(pid - 1, out->record);
                const SampleNameList& list = m_dsNames->List();
                if (sample < 0 || static_cast<unsigned>(sample) >= list.size() ||
                    list.names[sample].attr == 0)
                    out->flags |= kPFlagProtected;
            }
            break;
        case GATYPE_ARPPATTERN:
            if (pid == kPidArpSelect) {
                out->record = m_arpSelect;
                out->offset = 0;
                out->maxval = (Host() && Host()->GetRemoteSoundMode() == kModeProgPlay) ? 0 : 1;
                out->minval = std::min(out->minval, out->maxval);
                break;
            }
            if (m_sel >= kArpPresetCount) {
                out->record = Data() ? Data() + (m_sel - kArpPresetCount) * kSizeArpPattern : nullptr;
            } else {
                out->record = m_presets[m_sel];
                out->flags |= kPFlagProtected;
            }
            if (pid != kPidNone && (pid == kApatFixedNote || low == 5) &&
                ReadValueIn(kApatToneMode, out->record) == 0)
                out->flags |= kPFlagProtected;
            break;
        case GATYPE_EXTCONTROL:
            out->record = Data() ? Data() + m_sel * kSizeExtControl : nullptr;
            break;
    }
    return true;
}

void CGArraySectionImpl::OnParamChanged(int pid) {
    FireOnSectionParamChanged(pid);
    const int low = pid & 0xFF;
    if (m_kind == GATYPE_DRUMKIT) {
        if (low == 1) FireOnSectionParamPropsChanged((pid & 0xFF00) | 2);
        if (low == 12) FireOnSectionParamPropsChanged((pid & 0xFF00) | 13);
    } else if (m_kind == GATYPE_ARPPATTERN) {
        if (pid == kPidArpSelect) APATUpdateSel();
        if (pid == kApatToneMode) FireOnSectionReinitialized();
    }
}

void CGArraySectionImpl::SendMIDIParam(const PARAMDESC& d) {
    if (!Host() || PidNeverSent(d.pid) || d.ptype < kPTypeCont) return;
    const IAccessorI* a = RowAccessorI(d);
    if (!a) return;
    int raw;
    unsigned sel;
    {
        CImageGuard g(Host());
        raw = a->GetRaw(d.record, d.offset);
        sel = m_sel;
    }
    if (!FitsParamChange(raw)) {
        TRACE("Section: value %d of PID 0x%04X does not fit a parameter change; not sent\n", raw, d.pid);
        return;
    }
    IRemoteMIDI* link = Host()->GetRemoteMidi();
    if (!link) return;
    const int param = d.pid & 0x7F;
    switch (m_kind) {
        case GATYPE_DRUMKIT:
            link->SendDrumkitParamChange(sel, static_cast<unsigned>(d.pid >> 8) & 0x7F, param, raw);
            break;
        case GATYPE_ARPPATTERN: {
            if (d.pid != kPidArpSelect && sel < kArpPresetCount)
                return;  // presets are not the instrument's to change
            const unsigned pattern = d.pid == kPidArpSelect ? 0 : sel - kArpPresetCount;
            const unsigned step =
                (param >= 5 && param <= kApatLastStepParam) ? static_cast<unsigned>(d.pid >> 8) & 0x7F : 0;
            link->SendArpPatternParamChange(pattern, param, step, raw);
            if (param == kApatGlobalParam && m_global) m_global->OnReinitialized();
            break;
        }
        case GATYPE_EXTCONTROL:
            link->SendExtControlParamChange(sel, param, raw);
            break;
    }
}

void CGArraySectionImpl::OnRcvMIDIGlobalArrayParam(int pid, int index, int raw) {
    if (index < 0 || static_cast<unsigned>(index) > Kind(m_kind).lastIndex) return;
    bool moved = false, applied = false;
    {
        CImageGuard g(Host());
        if (static_cast<unsigned>(index) != m_sel) {
            m_sel = static_cast<unsigned>(index);
            m_sub = 0;
            moved = true;
        }
        PARAMDESC d;
        if (Desc(pid, &d) && !(d.flags & kPFlagProtected) && d.ptype >= kPTypeCont && RowAccessorI(d)) {
            RowAccessorI(d)->PutRaw(d.record, d.offset, raw);
            applied = true;
        }
    }
    if (applied && m_kind == GATYPE_ARPPATTERN && pid == kPidArpSelect) {
        APATUpdateSel();
        if (m_global) m_global->OnReinitialized();
    } else if (moved) {
        FireOnSectionReinitialized();
    } else if (applied) {
        OnParamChanged(pid);
    }
}

void CGArraySectionImpl::APATUpdateSel() {
    if (m_kind != GATYPE_ARPPATTERN) return;
    const int pattern = m_global ? m_global->GetParamI(kGlobalPatternNo) : 0;
    {
        CImageGuard g(Host());
        m_sel = (pattern < 0 || pattern > 254) ? 255u : static_cast<unsigned>(pattern);
        m_sub = 0;
    }
    FireOnSectionReinitialized();
}

}  // namespace QorX0
