// Sound sections: rules that keep dependent rows consistent, effect slots that follow their type,
// timbre/track and tone-adjust sub-sections.
#include "Common/Model/SoundSections.h"

#include <algorithm>
#include <cstring>

#include "Common/Model/Presets.h"
#include "Common/Model/RealtimeSection.h"
#include "Common/Model/Tables/EffectTables.h"
#include "Common/Model/Tables/SampleNames.h"
#include "Common/Model/Tables/SmallTables.h"
#include "Common/Model/Tables/SoundTables.h"

namespace QorX0 {

namespace {

constexpr int kLocal = 0xFF;

// Band labels of the graphic equaliser, by its Type (0-11) and band (0-6).
#define EQL(x) x "\0" x
const char* const kEqBandNames[12][7] = {
    {EQL("80Hz"), EQL("220Hz"), EQL("500Hz"), EQL("1kHz"), EQL("2.5kHz"), EQL("6.3kHz"), EQL("16kHz")},
    {EQL("120Hz"), EQL("320Hz"), EQL("630Hz"), EQL("1.2kHz"), EQL("3.2kHz"), EQL("8kHz"), EQL("18kHz")},
    {EQL("63Hz"), EQL("180Hz"), EQL("550Hz"), EQL("1.2kHz"), EQL("3.2kHz"), EQL("7.5kHz"), EQL("18kHz")},
    {EQL("80Hz"), EQL("120Hz"), EQL("420Hz"), EQL("1.5kHz"), EQL("3kHz"), EQL("6.5kHz"), EQL("10kHz")},
    {EQL("160Hz"), EQL("320Hz"), EQL("750Hz"), EQL("1.5kHz"), EQL("3kHz"), EQL("6kHz"), EQL("12kHz")},
    {EQL("120Hz"), EQL("250Hz"), EQL("500Hz"), EQL("1kHz"), EQL("2kHz"), EQL("4kHz"), EQL("8kHz")},
    {EQL("80Hz"), EQL("120Hz"), EQL("160Hz"), EQL("250Hz"), EQL("320Hz"), EQL("500Hz"), EQL("630Hz")},
    {EQL("63Hz"), EQL("120Hz"), EQL("250Hz"), EQL("500Hz"), EQL("1kHz"), EQL("2kHz"), EQL("4kHz")},
    {EQL("800Hz"), EQL("1kHz"), EQL("1.2kHz"), EQL("1.6kHz"), EQL("2.5kHz"), EQL("3.2kHz"), EQL("4kHz")},
    {EQL("320Hz"), EQL("500Hz"), EQL("800Hz"), EQL("1.2kHz"), EQL("2kHz"), EQL("3.2kHz"), EQL("5kHz")},
    {EQL("5kHz"), EQL("6.3kHz"), EQL("8kHz"), EQL("10kHz"), EQL("12.5kHz"), EQL("16kHz"), EQL("18kHz")},
    {EQL("1kHz"), EQL("2kHz"), EQL("4kHz"), EQL("6.3kHz"), EQL("8kHz"), EQL("12.5kHz"), EQL("16kHz")},
};
#undef EQL

constexpr unsigned kFxGraphicEq = 8;
constexpr unsigned kFxAutoReverse = 42;
constexpr unsigned kFxLcrBpmDelay = 49;
constexpr unsigned kFxStBpmDelay = 50;

// Whether the delay of a BPM delay (base note b, times n, adjust a in hundredths of a percent) is
// longer than the effect can hold. The tempo is kept to the instrument's range, so nothing divides
// by zero whatever the row or the host says.
bool BpmDelayOver(int tempo, int b, int n, int a, long long limit) {
    static const int kNoteDiv[8] = {16, 12, 8, 6, 4, 3, 2, 1};
    tempo = std::clamp(tempo, 40, 240);
    b = std::clamp(b, 0, 7);
    n = std::clamp(n, 0, 15);
    long long t =
        (static_cast<long long>(n) * 240000 + 240000) / (static_cast<long long>(tempo) * kNoteDiv[b]);
    return t * 48 + (t * a * 48) / 10000 > limit;
}

// The effect type a stored type byte binds: types beyond the last are capped at it.
unsigned FxTypeOf(int raw) {
    return std::min(static_cast<unsigned>(std::max(raw, 0)), kFxTypeCount - 1);
}

constexpr int kKeySlopes[16] = {0, 1, 2, 3, 4, 6, 8, 10, 12, 18, 24, 30, 36, 48, 60, 72};
constexpr int kVelSlope(int i) {
    return i * 8;
}

}  // namespace

// ---------------------------------------------------------------- effect slot

void CFXSectionImpl::Init(IHostProxy* host, unsigned type, int midiMode, int pidBase, void* record) {
    m_type = std::min(type, kFxTypeCount - 1);
    CSectionImplBaseT::Init(host, FxTable(m_type), midiMode, pidBase, record, kSizeFxParams,
                            VINITCHUNK_FX[m_type]);
}

void CFXSectionImpl::InitFXType(unsigned type) {
    CImageGuard g(Host());
    m_type = std::min(type, kFxTypeCount - 1);
    Rebind(FxTable(m_type), kSizeFxParams, VINITCHUNK_FX[m_type]);
}

unsigned CFXSectionImpl::GetFXType() {
    CImageGuard g(Host());
    return m_type;
}

bool CFXSectionImpl::PrepareParamDesc(unsigned index, PARAMDESC* out) {
    if (!CSectionImplBaseT::PrepareParamDesc(index, out)) return false;
    if (out->pid == kPidNone) return true;
    const int local = (out->pid - PidBase()) & kLocal;
    if (m_type == kFxGraphicEq && local >= 2 && local <= 8) {
        int eqType = std::clamp(ReadValue(PidBase()), 0, 11);
        out->name = kEqBandNames[eqType][local - 2];
    } else if (m_type == kFxAutoReverse && local == 8) {
        out->maxval = ReadValue(PidBase()) == 1 ? 156 : 222;
        out->minval = std::min(out->minval, out->maxval);
    } else if ((m_type == kFxLcrBpmDelay && local == 0x0B) ||
               (m_type == kFxStBpmDelay && (local == 5 || local == 9))) {
        out->flags |= 1;
    }
    return true;
}

void CFXSectionImpl::UpdateTimeOver() {
    unsigned type;
    int flag[2] = {-1, -1};
    int value[2] = {0, 0};
    {
        CImageGuard g(Host());
        type = m_type;
        if (type != kFxLcrBpmDelay && type != kFxStBpmDelay) return;
        const int base = PidBase();
        int tempo = ReadValue(base);
        if (tempo < 40) tempo = Host() ? Host()->GetRemoteTempo() : 120;
        auto over = [&](int baseLocal, int adjust, long long limit) {
            return BpmDelayOver(tempo, ReadValue(base + baseLocal), ReadValue(base + baseLocal + 1), adjust,
                                limit);
        };
        if (type == kFxLcrBpmDelay) {
            flag[0] = base + 0x0B;
            value[0] = (over(2, 0, 65535) || over(5, 0, 65535) || over(8, 0, 65535)) ? 1 : 0;
        } else {
            flag[0] = base + 5;
            value[0] = over(2, ReadValue(base + 4), 32767) ? 1 : 0;
            flag[1] = base + 9;
            value[1] = over(6, ReadValue(base + 8), 32767) ? 1 : 0;
        }
    }
    for (int i = 0; i < 2; ++i)
        if (flag[i] >= 0) PutParamIEx(flag[i], value[i], kPutForce | kPutNotify);
}

void CFXSectionImpl::OnParamChanged(int pid) {
    FireOnSectionParamChanged(pid);
    unsigned type = GetFXType();
    const int local = (pid - PidBase()) & kLocal;
    if (type == kFxGraphicEq && local == 0) {
        FireOnSectionReinitialized();
    } else if (type == kFxAutoReverse && local == 0) {
        FireOnSectionParamPropsChanged(PidBase() + 8);
    } else if (type == kFxLcrBpmDelay) {
        static const int kInputs[] = {0, 2, 3, 5, 6, 8, 9};
        if (std::find(std::begin(kInputs), std::end(kInputs), local) != std::end(kInputs)) UpdateTimeOver();
    } else if (type == kFxStBpmDelay) {
        static const int kInputs[] = {0, 2, 3, 4, 6, 7, 8};
        if (std::find(std::begin(kInputs), std::end(kInputs), local) != std::end(kInputs)) UpdateTimeOver();
    }
}

void CFXSectionImpl::OnReinitialized() {
    UpdateTimeOver();
    FireOnSectionReinitialized();
}

// ---------------------------------------------------------------- timbre / track

namespace {
constexpr int kTrkProgram = 0, kTrkKeyTop = 31, kTrkKeyTopSlope = 32, kTrkKeyBottomSlope = 33,
              kTrkKeyBottom = 34, kTrkVelTop = 35, kTrkVelTopSlope = 36, kTrkVelBottomSlope = 37,
              kTrkVelBottom = 38, kTrkBusSelect = 40, kTrkDkitPatch = 43;
constexpr unsigned kProgOffOscMode = 108;
constexpr int kLastUserProgRaw = 639;  // bank E, program 127
}  // namespace

void CTrackSectionImpl::Init(IHostProxy* host, const TABLEDESC& table, int midiMode, int pidBase,
                             void* record, const void* initImage) {
    CSectionImplBaseT::Init(host, table, midiMode, pidBase, record, kSizeTimbre, initImage);
    const PARAMDESC* bus = Table() ? Table()->FindPID(kTrkBusSelect) : nullptr;
    if (!bus || !RowAccessorI(*bus) || !bus->converter) return;
    m_busMap.Resize(static_cast<size_t>(std::max(bus->maxval, 0)) + 1);
    for (size_t i = 0; i < m_busMap.Size(); ++i) m_busMap.EnableItem(static_cast<int>(i), true);
    m_busAccessor = std::make_unique<CAccessorSparseWrap>(RowAccessorI(*bus), &m_busMap);
    m_busConverter = std::make_unique<CStringConverterSparseWrap>(bus->converter, &m_busMap,
                                                                  host ? &host->GetImageLock() : nullptr);
}

int CTrackSectionImpl::ProgramOscMode() {
    IHostProxy* host = Host();
    if (!host || !host->GetRawChunk()) return 0;
    PARAMDESC d;
    if (!Desc(PidBase() + kTrkProgram, &d) || !RowAccessorI(d)) return 0;
    const int r = RowAccessorI(d)->GetRaw(d.record, d.offset);
    const unsigned bank = static_cast<unsigned>(r) >> 7, number = static_cast<unsigned>(r) & 0x7F;
    if (r < 0) return 0;
    if (r > kLastUserProgRaw) {
        // Preset banks follow the user banks; anything beyond them has no program to read.
        const unsigned preset = bank - kProgBankSlots;
        const uint8_t* rom = host->GetRawChunkROM();
        if (!rom || preset >= kPresetProgBankCount) return 0;
        return rom[(preset * kSoundsPerBank + number) * kSizeProgram + kProgOffOscMode] & 3;
    }
    return host->GetRawChunk()->program[bank][number][kProgOffOscMode] & 3;
}

bool CTrackSectionImpl::PrepareParamDesc(unsigned index, PARAMDESC* out) {
    if (!CSectionImplBaseT::PrepareParamDesc(index, out)) return false;
    if (out->pid == kPidNone) return true;
    const int base = PidBase();
    const int local = out->pid - base;
    auto slopeLimit = [&](int other, int top, int bottom, bool keys) {
        int otherIdx = std::clamp(ReadValue(base + other), 0, 15);
        auto S = [keys](int i) { return keys ? kKeySlopes[i] : kVelSlope(i); };
        int width = ReadValue(base + top) - ReadValue(base + bottom) - S(otherIdx);
        int maxIdx = std::min(out->maxval, 15);
        while (maxIdx > 0 && width < S(maxIdx)) --maxIdx;
        out->maxval = std::max(maxIdx, out->minval);
    };
    switch (local) {
        case kTrkKeyTopSlope:
            slopeLimit(kTrkKeyBottomSlope, kTrkKeyTop, kTrkKeyBottom, true);
            break;
        case kTrkKeyBottomSlope:
            slopeLimit(kTrkKeyTopSlope, kTrkKeyTop, kTrkKeyBottom, true);
            break;
        case kTrkVelTopSlope:
            slopeLimit(kTrkVelBottomSlope, kTrkVelTop, kTrkVelBottom, false);
            break;
        case kTrkVelBottomSlope:
            slopeLimit(kTrkVelTopSlope, kTrkVelTop, kTrkVelBottom, false);
            break;
        case kTrkBusSelect:
            if (m_busAccessor) {
                m_busMap.EnableItem(0, ProgramOscMode() == 2);
                out->accessor = m_busAccessor.get();
                out->converter = m_busConverter.get();
                out->minval = 0;
                out->maxval = m_busMap.OuterCount() - 1;
                out->initval = std::clamp(m_busMap.vi2vo(out->initval), 0, out->maxval);
            }
            break;
        case kTrkDkitPatch: {
            PARAMDESC bus;
            const PARAMDESC* row = Table()->FindPID(kTrkBusSelect);
            bool busIsDkit = false;
            if (row && RowAccessorI(*row)) {
                bus = *row;
                busIsDkit = RowAccessorI(bus)->Get(Data(), bus.offset) == 0;
            }
            if (!(ProgramOscMode() == 2 && busIsDkit)) out->flags |= kPFlagProtected;
            break;
        }
        default:
            break;
    }
    return true;
}

void CTrackSectionImpl::OnParamChanged(int pid) {
    const int base = PidBase();
    switch (pid - base) {
        case kTrkProgram:
            FireOnSectionReinitialized();
            return;
        case kTrkKeyTop:
        case kTrkKeyBottom:
            FireOnSectionParamPropsChanged(base + kTrkKeyTopSlope);
            FireOnSectionParamPropsChanged(base + kTrkKeyBottomSlope);
            break;
        case kTrkKeyTopSlope:
            FireOnSectionParamPropsChanged(base + kTrkKeyBottomSlope);
            break;
        case kTrkKeyBottomSlope:
            FireOnSectionParamPropsChanged(base + kTrkKeyTopSlope);
            break;
        case kTrkVelTop:
        case kTrkVelBottom:
            FireOnSectionParamPropsChanged(base + kTrkVelTopSlope);
            FireOnSectionParamPropsChanged(base + kTrkVelBottomSlope);
            break;
        case kTrkVelTopSlope:
            FireOnSectionParamPropsChanged(base + kTrkVelBottomSlope);
            break;
        case kTrkVelBottomSlope:
            FireOnSectionParamPropsChanged(base + kTrkVelTopSlope);
            break;
        case kTrkBusSelect:
            FireOnSectionParamPropsChanged(base + kTrkDkitPatch);
            break;
        default:
            break;
    }
    FireOnSectionParamChanged(pid);
}

// ---------------------------------------------------------------- tone adjust

void CToneAdjustSectionImpl::Init(IHostProxy* host, int midiMode, int pidBase, void* record,
                                  const void* initImage) {
    CSectionImplBaseT::Init(host, TABLEDESC_TONEADJ, midiMode, pidBase, record, kSizeToneAdjust, initImage);
    m_templates = CParamTable::GetInstance(TABLEDESC_TONEADJDESTTMPL, host ? host->GetPMID() : kPmidTolva);
    m_destNames = std::make_unique<CStringConverterEnumToneAdjDest>(TableRowNameList{m_templates});
}

bool CToneAdjustSectionImpl::PrepareParamDesc(unsigned index, PARAMDESC* out) {
    if (!CSectionImplBaseT::PrepareParamDesc(index, out)) return false;
    if (out->pid == kPidNone) return true;
    const int local = out->pid - PidBase();
    if (local < 0 || local > 11) return true;
    if ((local & 1) == 0) {
        out->converter = m_destNames.get();
        auto range = m_destNames->Range();
        out->minval = range.first;
        out->maxval = range.second;
        return true;
    }
    const int dest = ReadValue(out->pid - 1);
    const PARAMDESC* tmpl = dest >= 0 ? m_templates->GetAt(static_cast<unsigned>(dest)) : nullptr;
    if (!tmpl || tmpl->ptype == kPTypeCaption) return false;
    const int pid = out->pid, offset = out->offset;
    void* record = out->record;
    *out = *tmpl;
    out->pid = pid;
    out->offset = offset;
    out->record = record;
    return true;
}

void CToneAdjustSectionImpl::OnParamChanged(int pid) {
    const int local = pid - PidBase();
    if (local >= 0 && local <= 11 && (local & 1) == 0) {
        PARAMDESC value;
        if (GetParamDesc(pid + 1, &value)) PutParamIEx(pid + 1, value.initval, 0);
        FireOnSectionParamPropsChanged(pid + 1);
    }
    FireOnSectionParamChanged(pid);
}

// ---------------------------------------------------------------- common sound rules

template <class Impl>
void CSoundSectionBaseT<Impl>::InitSound(IHostProxy* host, CRTCSectionImpl* rtc, CHUNK_REMOTESYNTH* image,
                                         const TABLEDESC& table, int midiMode, uint8_t* record, unsigned size,
                                         const uint8_t* initImage) {
    m_rtc = rtc;
    m_arpNames = std::make_unique<CStringConverterEnumArppat>(
        ArpPatternNameList{PresetArpPatterns(), image ? image->arppattern[0] : nullptr,
                           host && image ? &host->GetImageLock() : nullptr});
    Base::Init(host, table, midiMode, 0, record, size, initImage);
    if (HasFX()) {
        const unsigned offsets[3] = {kProgOffInsertFx, kProgOffMasterFx1, kProgOffMasterFx2};
        for (unsigned i = 0; i < 3; ++i)
            m_fx[i].Init(host, 0, midiMode, Impl::kRules.fxBase[i], record ? record + offsets[i] : nullptr);
        UpdateFXType();
    }
}

template <class Impl>
void CSoundSectionBaseT<Impl>::UpdateFXType() {
    if (!HasFX()) return;
    unsigned types[3];
    {
        CImageGuard g(this->Host());
        for (unsigned i = 0; i < 3; ++i) types[i] = FxTypeOf(this->ReadRaw(Impl::kRules.fxTypePid[i]));
    }
    for (unsigned i = 0; i < 3; ++i) m_fx[i].InitFXType(types[i]);
}

template <class Impl>
ISection* CSoundSectionBaseT<Impl>::FindFX(int pid) {
    if (!HasFX()) return nullptr;
    for (unsigned i = 0; i < 3; ++i)
        if ((pid & 0xFF00) == Impl::kRules.fxBase[i]) return &m_fx[i];
    return nullptr;
}

template <class Impl>
bool CSoundSectionBaseT<Impl>::RouteFXParam(int pid, int raw) {
    if (!HasFX()) return false;
    for (unsigned i = 0; i < 3; ++i)
        if ((pid & 0xFF00) == Impl::kRules.fxBase[i]) {
            m_fx[i].OnRcvMIDIParam(pid, raw);
            return true;
        }
    return false;
}

template <class Impl>
int CSoundSectionBaseT<Impl>::PutParamIEx(int pid, int value, unsigned flags) {
    {
        CImageGuard g(this->Host());
        for (const auto& pair : Impl::kRules.zonePairs) {
            if (pair[0] < 0) break;
            if (pid == pair[0]) value = std::max(value, this->ReadValue(pair[1]));
            if (pid == pair[1]) value = std::min(value, this->ReadValue(pair[0]));
        }
    }
    return this->BasePutParamIEx(pid, value, flags);
}

template <class Impl>
std::string CSoundSectionBaseT<Impl>::PutParamSEx(int pid, const char* text, unsigned flags) {
    for (const auto& pair : Impl::kRules.zonePairs) {
        if (pair[0] < 0) break;
        if (pid == pair[0] || pid == pair[1]) {
            // Store the text's value silently, then write it again through the pairing rule.
            this->BasePutParamSEx(pid, text, 0);
            this->PutParamIEx(pid, this->GetParamI(pid), flags);
            return this->GetParamS(pid);
        }
    }
    return this->BasePutParamSEx(pid, text, flags);
}

template <class Impl>
bool CSoundSectionBaseT<Impl>::PrepareParamDesc(unsigned index, PARAMDESC* out) {
    if (!Base::PrepareParamDesc(index, out)) return false;
    const int pid = out->pid;
    if (pid == kPidNone) return true;
    const SOUNDRULES& r = Impl::kRules;
    if ((pid == r.arpPatternRows[0] || pid == r.arpPatternRows[1]) && m_arpNames) {
        out->converter = m_arpNames.get();
        out->minval = m_arpNames->Range().first;
        out->maxval = m_arpNames->Range().second;
    }
    for (const auto& p : r.protectedBy)
        if (p[0] >= 0 && pid == p[0] && this->ReadValue(p[1]) == 1) out->flags |= kPFlagProtected;
    return true;
}

template <class Impl>
void CSoundSectionBaseT<Impl>::OnParamChanged(int pid) {
    this->FireOnSectionParamChanged(pid);
    const SOUNDRULES& r = Impl::kRules;
    for (const auto& m : r.rtcMap)
        if (pid == m[0] && m_rtc) m_rtc->FireOnSectionParamChanged(m[1]);
    if (pid == r.pagePair[0] || pid == r.pagePair[1]) {
        this->PutParamIEx(pid == r.pagePair[0] ? r.pagePair[1] : r.pagePair[0], 0, 0);
        if (m_rtc) m_rtc->FireOnSectionParamChanged(CRTCSectionImpl::kPidPage);
    }
    for (const auto& p : r.protectedBy)
        if (p[0] >= 0 && pid == p[1]) {
            this->PutParamIEx(p[0], 0, kPutForce);
            this->FireOnSectionParamPropsChanged(p[0]);
        }
    if (!HasFX()) return;
    for (unsigned i = 0; i < 3; ++i) {
        if (pid != r.fxTypePid[i]) continue;
        // A new effect starts from its type's initial parameters (not sent: the instrument does the same).
        // A type beyond the last one we know (only the instrument sends one) is shown as the last, and
        // the type byte and the effect's bytes stay as they came.
        unsigned type;
        {
            CImageGuard g(this->Host());
            const int raw = this->ReadRaw(pid);
            type = FxTypeOf(raw);
            static const unsigned kOffsets[3] = {kProgOffInsertFx, kProgOffMasterFx1, kProgOffMasterFx2};
            if (raw >= 0 && static_cast<unsigned>(raw) < kFxTypeCount)
                std::memcpy(this->Data() + kOffsets[i], VINITCHUNK_FX[type], kSizeFxParams);
        }
        m_fx[i].InitFXType(type);
        m_fx[i].OnReinitialized();
    }
}

template <class Impl>
void CSoundSectionBaseT<Impl>::OnReinitialized() {
    if (HasFX()) {
        UpdateFXType();
        for (auto& fx : m_fx) fx.OnReinitialized();
    }
    static_cast<Impl*>(this)->ReinitSubSections();
    this->FireOnSectionReinitialized();
    if (m_rtc) m_rtc->FireOnSectionReinitialized();
}

// ---------------------------------------------------------------- program play

const SOUNDRULES CProgPlaySectionImpl::kRules = {
    {{0x0100, 0x800C}, {0x0102, 0x8009}, {0x0103, 0x800A}, {0x0104, 0x800B}},
    {0x0302, 0x0303},
    {0x0200, -1},
    {{-1, -1}, {-1, -1}},
    {{-1, -1}, {-1, -1}, {-1, -1}, {-1, -1}},
    {-1, -1, -1},
    {-1, -1, -1},
};

void CProgPlaySectionImpl::Init(IHostProxy* host, CRTCSectionImpl* rtc, CProgEditSectionImpl* progEdit,
                                CHUNK_REMOTESYNTH* image) {
    m_progEdit = progEdit;
    std::memset(m_perf, 0, sizeof m_perf);
    InitSound(host, rtc, image, TABLEDESC_PROGPLAY, kModeProgPlay, image ? image->curprogram : nullptr,
              kSizeProgram, INITCHUNK_PROG);
}

void CProgPlaySectionImpl::ClearLocalRecord() {
    CImageGuard g(Host());
    std::memset(m_perf, 0, sizeof m_perf);
}

bool CProgPlaySectionImpl::PrepareParamDesc(unsigned index, PARAMDESC* out) {
    if (!CSoundSectionBaseT::PrepareParamDesc(index, out)) return false;
    if (out->flags & kPFlagInitDefaultPlay) {
        out->record = m_perf;
        out->initval = out->defval;
    }
    if ((out->pid == 0x0300 || out->pid == 0x0301) && m_progEdit &&
        m_progEdit->GetParamI(out->pid == 0x0300 ? 0x0010 : 0x0011) == 1)
        out->flags |= kPFlagProtected;
    return true;
}

// ---------------------------------------------------------------- program edit

const SOUNDRULES CProgEditSectionImpl::kRules = {
    {{0x1C00, 0x800C}, {0x1C02, 0x8009}, {0x1C03, 0x800A}, {0x1C04, 0x800B}},
    {0x0016, 0x0019},
    {0x1D00, -1},
    {{0x000E, 0x0010}, {0x000F, 0x0011}},
    {{0x020D, 0x020C}, {0x0F0D, 0x0F0C}, {0x1D0A, 0x1D0B}, {0x1D0C, 0x1D0D}},
    {0x1E00, 0x2000, 0x2001},
    {0x1F00, 0x2100, 0x2200},
};

namespace {
constexpr int kPeOscMode = 0x0001, kPeBusSelect = 0x0007, kPeUseDkit = 0x0008, kPeUseDkit2 = 0x0E05,
              kPeRiffNo = 0x0017;
bool IsSampleNoRow(int pid) {
    return pid == 0x0201 || pid == 0x0206 || pid == 0x0F01 || pid == 0x0F06;
}
bool IsStartOffsetRow(int pid) {
    return pid == 0x0202 || pid == 0x0207 || pid == 0x0F02 || pid == 0x0F07;
}
bool IsOsc1DrumLocked(int pid) {
    return (pid >= 0x0202 && pid <= 0x0204) || (pid >= 0x0206 && pid <= 0x0209) || pid == 0x020B;
}
}  // namespace

void CProgEditSectionImpl::Init(IHostProxy* host, CRTCSectionImpl* rtc, CHUNK_REMOTESYNTH* image) {
    const unsigned char pmid = host ? host->GetPMID() : kPmidTolva;
    m_riffNames = std::make_unique<CStringConverterEnumRiffNames>(RiffNameList{});
    SampleNameList ms;
    if (pmid == kPmidTolva || pmid == kPmidNerimo) {
        ms.names = g_MultisampleNames;
        ms.count = MultisampleCount(pmid);
    }
    m_msNames = std::make_unique<CStringConverterEnumMSDS>(ms);
    DrumKitNameList kits;
    kits.kits = image ? image->drumkit[0] : nullptr;
    kits.lock = host && image ? &host->GetImageLock() : nullptr;
    kits.presetNames = PresetDrumKitNames(pmid);
    kits.presetCount = kits.presetNames ? kDrumKitPresetCount : 0;
    m_kitNames = std::make_unique<CStringConverterEnumDKit>(kits);
    InitSound(host, rtc, image, TABLEDESC_PROGEDIT, kModeProgEdit, image ? image->curprogram : nullptr,
              kSizeProgram, INITCHUNK_PROG);
}

bool CProgEditSectionImpl::PrepareParamDesc(unsigned index, PARAMDESC* out) {
    if (!CSoundSectionBaseT::PrepareParamDesc(index, out)) return false;
    const int pid = out->pid;
    if (pid == kPidNone) return true;
    const int mode = ReadValue(kPeOscMode);
    auto useList = [out](const IStringConverter* c) {
        out->converter = c;
        out->minval = c->Range().first;
        out->maxval = std::max(c->Range().second, c->Range().first);
    };
    if (IsSampleNoRow(pid)) {
        useList(mode == 2 ? static_cast<const IStringConverter*>(m_kitNames.get()) : m_msNames.get());
    } else if (IsStartOffsetRow(pid)) {
        const int sample = ReadValue(pid - 1);
        const unsigned count = m_msNames->List().size();
        if (mode == 2 || sample < 0 || static_cast<unsigned>(sample) >= count ||
            m_msNames->List().names[sample].attr == 0)
            out->flags |= kPFlagProtected;
    } else if (pid == kPeRiffNo) {
        useList(m_riffNames.get());
    }
    if (pid == kPeBusSelect && mode == 2 && ReadValue(kPeUseDkit) != 0) out->flags |= kPFlagProtected;
    if ((pid == kPeUseDkit || pid == kPeUseDkit2) && mode != 2) out->flags |= kPFlagProtected;
    if (IsOsc1DrumLocked(pid) && mode == 2) out->flags |= kPFlagProtected;
    const int group = (pid >> 8) & 0xFF;
    if (group >= 0x0F && group <= 0x1B && mode != 1) out->flags |= kPFlagProtected;
    return true;
}

void CProgEditSectionImpl::OnParamChanged(int pid) {
    CSoundSectionBaseT::OnParamChanged(pid);
    switch (pid) {
        case kPeOscMode:
            OnReinitialized();
            FireOnSectionParamPropsChanged(kPeUseDkit);
            FireOnSectionParamPropsChanged(kPeUseDkit2);
            break;
        case kPeUseDkit:
            FireOnSectionParamPropsChanged(kPeBusSelect);
            break;
        default:
            if (IsSampleNoRow(pid)) FireOnSectionParamPropsChanged(pid + 1);
            break;
    }
}

bool CProgEditSectionImpl::FindSectionByPID(int pid, ISection** out) {
    ISection* fx = FindFX(pid);
    if (out) *out = fx ? fx : this;
    return true;
}

void CProgEditSectionImpl::OnRcvMIDIParam(int pid, int raw) {
    if (!RouteFXParam(pid, raw)) CSoundSectionBaseT::OnRcvMIDIParam(pid, raw);
}

// ---------------------------------------------------------------- combination play

const SOUNDRULES CCombiPlaySectionImpl::kRules = {
    {{0x0800, 0x800C}, {0x0804, 0x8009}, {0x0805, 0x800A}, {0x0806, 0x800B}},
    {0x0B02, 0x0B03},
    {0x0900, 0x0A00},
    {{-1, -1}, {-1, -1}},
    {{-1, -1}, {-1, -1}, {-1, -1}, {-1, -1}},
    {-1, -1, -1},
    {-1, -1, -1},
};

void CCombiPlaySectionImpl::Init(IHostProxy* host, CRTCSectionImpl* rtc, CCombiEditSectionImpl* combiEdit,
                                 CHUNK_REMOTESYNTH* image) {
    m_combiEdit = combiEdit;
    uint8_t* rec = image ? image->curcombi : nullptr;
    for (unsigned i = 0; i < kCombiTimbreCount; ++i)
        m_timbres.Item(i).Init(host, TABLEDESC_COMBIPLAYTRK, kModeCombiPlay, static_cast<int>(i * 0x100),
                               rec ? rec + kCombiOffTimbres + i * kSizeTimbre : nullptr, kSizeTimbre,
                               INITCHUNK_COMBI + kCombiOffTimbres + i * kSizeTimbre);
    InitSound(host, rtc, image, TABLEDESC_COMBIPLAY, kModeCombiPlay, rec, kSizeCombi, INITCHUNK_COMBI);
}

bool CCombiPlaySectionImpl::PrepareParamDesc(unsigned index, PARAMDESC* out) {
    if (!CSoundSectionBaseT::PrepareParamDesc(index, out)) return false;
    if ((out->pid == 0x0B00 || out->pid == 0x0B01) && m_combiEdit &&
        m_combiEdit->GetParamI(out->pid == 0x0B00 ? 0x0008 : 0x0009) == 1)
        out->flags |= kPFlagProtected;
    return true;
}

bool CCombiPlaySectionImpl::FindSectionByPID(int pid, ISection** out) {
    if ((pid & 0xFFFF) < 0x800) {
        ISection* t = m_timbres.GetAt(static_cast<unsigned>((pid >> 8) & 0xFF));
        if (out) *out = t;
        return t != nullptr;
    }
    if (out) *out = this;
    return true;
}

void CCombiPlaySectionImpl::OnRcvMIDIParam(int pid, int raw) {
    if (((pid >> 8) & 0xFF) <= 0x07)
        m_timbres.Item(static_cast<unsigned>((pid >> 8) & 0xFF)).OnRcvMIDIParam(pid, raw);
    else
        CSoundSectionBaseT::OnRcvMIDIParam(pid, raw);
}

void CCombiPlaySectionImpl::ReinitSubSections() {
    for (unsigned i = 0; i < kCombiTimbreCount; ++i) m_timbres.Item(i).FireOnSectionReinitialized();
}

// ---------------------------------------------------------------- combination edit and multi

template <class Impl, unsigned kCount>
void CTrackedSoundSectionT<Impl, kCount>::InitTracked(IHostProxy* host, CRTCSectionImpl* rtc,
                                                      CHUNK_REMOTESYNTH* image, const TABLEDESC& table,
                                                      const TABLEDESC& trackTable, int midiMode,
                                                      uint8_t* record, unsigned size,
                                                      const uint8_t* initImage, unsigned offTracks,
                                                      unsigned offToneAdj, int toneBase) {
    m_toneBase = toneBase;
    for (unsigned i = 0; i < kCount; ++i) {
        const unsigned track = offTracks + i * kSizeTimbre, tone = offToneAdj + i * kSizeToneAdjust;
        m_tracks.Item(i).Init(host, trackTable, midiMode, static_cast<int>((i + 1) * 0x100),
                              record ? record + track : nullptr, initImage + track);
        m_toneAdj.Item(i).Init(host, midiMode, toneBase + static_cast<int>(i * 0x100),
                               record ? record + tone : nullptr, initImage + tone);
    }
    this->InitSound(host, rtc, image, table, midiMode, record, size, initImage);
}

template <class Impl, unsigned kCount>
CTrackSectionImpl* CTrackedSoundSectionT<Impl, kCount>::TrackOf(int pid) {
    const int high = pid & 0xFF00;
    return high >= 0x0100 && high <= static_cast<int>(kCount) * 0x100
               ? &m_tracks.Item(static_cast<unsigned>((high - 0x100) >> 8))
               : nullptr;
}

template <class Impl, unsigned kCount>
CToneAdjustSectionImpl* CTrackedSoundSectionT<Impl, kCount>::ToneAdjOf(int pid) {
    const int high = pid & 0xFF00;
    return high >= m_toneBase && high < m_toneBase + static_cast<int>(kCount) * 0x100
               ? &m_toneAdj.Item(static_cast<unsigned>((high - m_toneBase) >> 8))
               : nullptr;
}

template <class Impl, unsigned kCount>
bool CTrackedSoundSectionT<Impl, kCount>::FindSectionByPID(int pid, ISection** out) {
    ISection* s = this->FindFX(pid);
    if (!s) s = TrackOf(pid);
    if (!s) s = ToneAdjOf(pid);
    if (out) *out = s ? s : this;
    return true;
}

template <class Impl, unsigned kCount>
void CTrackedSoundSectionT<Impl, kCount>::OnRcvMIDIParam(int pid, int raw) {
    if (this->RouteFXParam(pid, raw)) return;
    if (CTrackSectionImpl* t = TrackOf(pid))
        t->OnRcvMIDIParam(pid, raw);
    else if (CToneAdjustSectionImpl* ta = ToneAdjOf(pid))
        ta->OnRcvMIDIParam(pid, raw);
    else
        CSoundSectionBaseT<Impl>::OnRcvMIDIParam(pid, raw);
}

template <class Impl, unsigned kCount>
void CTrackedSoundSectionT<Impl, kCount>::ReinitSubSections() {
    for (unsigned i = 0; i < kCount; ++i) m_tracks.Item(i).FireOnSectionReinitialized();
    for (unsigned i = 0; i < kCount; ++i) m_toneAdj.Item(i).FireOnSectionReinitialized();
}

const SOUNDRULES CCombiEditSectionImpl::kRules = {
    {{0x0900, 0x800C}, {0x0904, 0x8009}, {0x0905, 0x800A}, {0x0906, 0x800B}},
    {0x000E, 0x000F},
    {0x0A00, 0x0B00},
    {{0x0006, 0x0008}, {0x0007, 0x0009}},
    {{0x0A0A, 0x0A0B}, {0x0A0C, 0x0A0D}, {0x0B0A, 0x0B0B}, {0x0B0C, 0x0B0D}},
    {0x0C00, 0x0E00, 0x0E01},
    {0x0D00, 0x0F00, 0x1000},
};

void CCombiEditSectionImpl::Init(IHostProxy* host, CRTCSectionImpl* rtc, CHUNK_REMOTESYNTH* image) {
    InitTracked(host, rtc, image, TABLEDESC_COMBIEDIT, TABLEDESC_COMBIEDITTRK, kModeCombiEdit,
                image ? image->curcombi : nullptr, kSizeCombi, INITCHUNK_COMBI, kCombiOffTimbres,
                kCombiOffToneAdjust, 0x1200);
}

const SOUNDRULES CMultiSectionImpl::kRules = {
    {{0x2200, 0x800C}, {0x2204, 0x8009}, {0x2205, 0x800A}, {0x2206, 0x800B}},
    {0x000D, 0x000E},
    {0x2300, 0x2400},
    {{0x0005, 0x0007}, {0x0006, 0x0008}},
    {{0x230A, 0x230B}, {0x230C, 0x230D}, {0x240A, 0x240B}, {0x240C, 0x240D}},
    {0x2500, 0x2700, 0x2701},
    {0x2600, 0x2800, 0x2900},
};

void CMultiSectionImpl::Init(IHostProxy* host, CRTCSectionImpl* rtc, CHUNK_REMOTESYNTH* image) {
    InitTracked(host, rtc, image, TABLEDESC_MULTI, TABLEDESC_MULTITRK, kModeMulti,
                image ? image->curmulti : nullptr, kSizeMulti, INITCHUNK_MULTI, kMultiOffTracks,
                kMultiOffToneAdjust, 0x2B00);
}

int CMultiSectionImpl::PutCurTrack(int value, unsigned flags) {
    int result = BasePutParamIEx(kPidCurTrack, value, flags & ~kPutSend);
    if (!(flags & kPutSend)) return result;
    // The instrument takes a new control track with the whole multi; the knobs moved on each track
    // are then sent again.
    RTCSTAT saved = {};
    if (m_rtc) saved = m_rtc->GetStat();
    uint8_t record[kSizeMulti];
    RawGet(record, 0, sizeof record);
    if (IHostProxy* host = Host())
        if (IRemoteMIDI* link = host->GetRemoteMidi()) link->SendCurMultiDump(record, sizeof record);
    if (m_rtc) m_rtc->RestoreStat(saved, kPutSend);
    return result;
}

int CMultiSectionImpl::PutParamIEx(int pid, int value, unsigned flags) {
    if (pid == kPidCurTrack) return PutCurTrack(value, flags);
    return CSoundSectionBaseT::PutParamIEx(pid, value, flags);
}

std::string CMultiSectionImpl::PutParamSEx(int pid, const char* text, unsigned flags) {
    if (pid == kPidCurTrack && (flags & kPutSend)) {
        BasePutParamSEx(pid, text, 0);
        PutCurTrack(GetParamI(pid), flags);
        return GetParamS(pid);
    }
    return CSoundSectionBaseT::PutParamSEx(pid, text, flags);
}

int CMultiSectionImpl::PutTrackSound(int track, SOUNDINDEX& sound) {
    if (track < 0 || track >= static_cast<int>(kMultiTrackCount)) return 0;
    sound.number &= 0x7F;
    return m_tracks.Item(static_cast<unsigned>(track))
        .PutParamIEx((track + 1) * 0x100, sound.bank * 128 + sound.number, kPutNotify);
}

int CMultiSectionImpl::PutTrackSound(int track, int program) {
    if (track < 0 || track >= static_cast<int>(kMultiTrackCount)) return 0;
    CTrackSectionImpl& t = m_tracks.Item(static_cast<unsigned>(track));
    const int pid = (track + 1) * 0x100;
    return t.PutParamIEx(pid, (t.GetParamI(pid) & ~0x7F) | (program & 0x7F), kPutNotify);
}

int CMultiSectionImpl::GetTrackMIDICh(int track) {
    if (track < 0 || track >= static_cast<int>(kMultiTrackCount)) return -1;
    return m_tracks.Item(static_cast<unsigned>(track)).GetParamI((track + 1) * 0x100 + 4);
}

template class CSoundSectionBaseT<CProgPlaySectionImpl>;
template class CSoundSectionBaseT<CProgEditSectionImpl>;
template class CSoundSectionBaseT<CCombiPlaySectionImpl>;
template class CSoundSectionBaseT<CCombiEditSectionImpl>;
template class CSoundSectionBaseT<CMultiSectionImpl>;
template class CTrackedSoundSectionT<CCombiEditSectionImpl, kCombiTimbreCount>;
template class CTrackedSoundSectionT<CMultiSectionImpl, kMultiTrackCount>;

}  // namespace QorX0
