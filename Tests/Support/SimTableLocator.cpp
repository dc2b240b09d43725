#include "Support/SimTableLocator.h"

#include <algorithm>
#include <cstring>

#include "Common/Model/ParamDesc.h"
#include "Common/Model/ParamTable.h"
#include "Common/Model/SoundSections.h"
#include "Common/Model/SynthData.h"
#include "Common/Model/Tables/EffectTables.h"
#include "Common/Model/Tables/SmallTables.h"
#include "Support/SectionSet.h"

namespace Sim {

namespace {

// Width and signedness of the bit-field accessors; false for every other kind of storage.
bool FieldOf(const QorX0::PARAMDESC& d, size_t byteOffset, BitField* f) {
    switch (d.atype) {
        case QorX0::kATypeUBF8:
        case QorX0::kATypeSBF8:
            f->byteCount = 1;
            break;
        case QorX0::kATypeUBF16:
        case QorX0::kATypeSBF16:
            f->byteCount = 2;
            break;
        case QorX0::kATypeUBF24:
            f->byteCount = 3;
            break;
        default:
            return false;
    }
    f->byteOffset = byteOffset;
    f->lowBit = d.lobit;
    f->highBit = d.hibit;
    f->isSigned = d.atype == QorX0::kATypeSBF8 || d.atype == QorX0::kATypeSBF16;
    return true;
}

// The raw range of a field, as the 14 bits of a change can carry it.
void RangeOf(const BitField& f, ParamTarget* t) {
    const int width = f.highBit - f.lowBit + 1;
    t->minimum = f.isSigned ? -(1 << (width - 1)) : 0;
    t->maximum = f.isSigned ? (1 << (width - 1)) - 1 : (width >= 31 ? 0x7FFFFFFF : (1 << width) - 1);
}

// The owner's rules of a sound section's mode; none for the modes without effects.
const QorX0::SOUNDRULES* RulesOf(int mode) {
    switch (mode) {
        case QorX0::kModeProgEdit:
            return &QorX0::CProgEditSectionImpl::kRules;
        case QorX0::kModeCombiEdit:
            return &QorX0::CCombiEditSectionImpl::kRules;
        case QorX0::kModeMulti:
            return &QorX0::CMultiSectionImpl::kRules;
        default:
            return nullptr;
    }
}

bool Sendable(const QorX0::PARAMDESC& d) {
    return d.pid != QorX0::kPidNone && !QorX0::PidNeverSent(d.pid) && d.ptype >= QorX0::kPTypeCont;
}

}  // namespace

// What the instrument resets itself after storing change c at offset of its sound record: a new
// effect type brings that type's initial parameters (a type it does not know, none); a new tone
// adjustment destination brings the destination's initial amount into the value beside it.
std::function<void(uint8_t*, int)> TableLocator::ResetsAfter(const ParamChange& c, QorX0::ISection* section,
                                                             size_t offset) const {
    using namespace QorX0;
    if (const SOUNDRULES* rules = RulesOf(c.mode)) {
        static constexpr unsigned kFxOffsets[3] = {kProgOffInsertFx, kProgOffMasterFx1, kProgOffMasterFx2};
        for (unsigned i = 0; i < 3; ++i) {
            if (c.pid != rules->fxTypePid[i]) continue;
            const unsigned at = kFxOffsets[i];
            return [at](uint8_t* record, int type) {
                if (type >= 0 && static_cast<unsigned>(type) < kFxTypeCount)
                    std::memcpy(record + at, VINITCHUNK_FX[type], kSizeFxParams);
            };
        }
    }
    if (c.mode != kModeCombiEdit && c.mode != kModeMulti) return nullptr;
    ISectionList* adjusts =
        c.mode == kModeCombiEdit ? mSet->combiEdit.GetToneAdj() : mSet->multi.GetToneAdj();
    bool isAdjust = false;
    for (unsigned i = 0; adjusts != nullptr && i < adjusts->GetCount(); ++i)
        isAdjust |= adjusts->GetAt(i) == section;
    const int local = c.pid & 0xFF;
    if (!isAdjust || local > 10 || (local & 1) != 0) return nullptr;
    // The amount lies two bytes after its destination; the destination's own row stores it.
    const CParamTable* templates = CParamTable::GetInstance(TABLEDESC_TONEADJDESTTMPL, mSet->host.GetPMID());
    return [templates, offset](uint8_t* record, int destination) {
        const PARAMDESC* t =
            destination >= 0 ? templates->GetAt(static_cast<unsigned>(destination)) : nullptr;
        const IAccessorI* a = t != nullptr && t->ptype != kPTypeCaption ? RowAccessorI(*t) : nullptr;
        if (a != nullptr)
            a->Put(record, static_cast<unsigned>(offset + 2),
                   std::clamp(t->initval, std::min(t->minval, t->maxval), t->maxval));
    };
}

TableLocator::TableLocator(Model model, const SimImage* mirror)
    : mSet(std::make_unique<QorX0::SectionSet>(static_cast<unsigned char>(model))), mMirror(mirror) {}

TableLocator::~TableLocator() = default;

bool TableLocator::Locate(const ParamChange& c, ParamTarget* t) {
    using namespace QorX0;
    SectionSet& s = *mSet;
    PARAMDESC d{};
    *t = ParamTarget{};
    if (c.kind != ParamKind::Sound) {
        // The array sections send (item, param) and, for drum kits and pattern steps, the slot or step
        // in the PID's high byte; their records are one item each.
        CGArraySectionImpl* array = c.kind == ParamKind::DrumKit      ? &s.kits
                                    : c.kind == ParamKind::ArpPattern ? &s.patterns
                                                                      : &s.exts;
        int pid = c.pid;
        if (c.kind == ParamKind::ArpPattern && c.pid >= 5 && c.pid <= 21) pid = c.index << 8 | c.pid;
        if (c.kind == ParamKind::ArpPattern && c.pid == CGArraySectionImpl::kPidArpSelect) {
            t->store = false;  // a selection, not a pattern field
            return true;
        }
        if (!array->GetParamDesc(pid, &d)) {
            // The selectors are messages of their own, not rows.
            t->store = false;
            return (c.kind == ParamKind::DrumKit && (c.pid & 0xFF) == 32) ||
                   (c.kind == ParamKind::ExtControl && c.pid == 24);
        }
        if (!Sendable(d)) return false;
        t->area = c.kind == ParamKind::DrumKit      ? Area::DrumKit
                  : c.kind == ParamKind::ArpPattern ? Area::ArpPattern
                                                    : Area::ExtControl;
        t->index = c.item;
        t->store = FieldOf(d, static_cast<size_t>(d.offset), &t->field);
        if (t->store) RangeOf(t->field, t);
        return true;
    }

    auto* scratch = reinterpret_cast<uint8_t*>(s.host.GetRawChunk());
    if (mMirror) {
        for (Area area : {Area::Global, Area::CurProgram, Area::CurCombination, Area::CurMulti}) {
            const AreaInfo& info = GetAreaInfo(area);
            std::memcpy(scratch + info.offset, mMirror->Record(area, 0), info.recordSize);
        }
        // The effect slots' rows follow the effect types just copied.
        s.progEdit.UpdateFXType();
        s.combiEdit.UpdateFXType();
        s.multi.UpdateFXType();
    }
    ISection* section = nullptr;
    switch (c.mode) {
        case kModeCombiPlay:
            if (!s.combiPlay.FindSectionByPID(c.pid, &section)) return false;
            break;
        case kModeCombiEdit:
            if (!s.combiEdit.FindSectionByPID(c.pid, &section)) return false;
            break;
        case kModeProgPlay:
            if (!s.progPlay.FindSectionByPID(c.pid, &section)) return false;
            break;
        case kModeProgEdit:
            if (!s.progEdit.FindSectionByPID(c.pid, &section)) return false;
            break;
        case kModeMulti:
            if (!s.multi.FindSectionByPID(c.pid, &section)) return false;
            break;
        case kModeGlobal:
            section = &s.global;
            break;
        default:
            return false;
    }
    if (!section || !section->GetParamDesc(c.pid, &d) || !Sendable(d)) return false;

    // The row's field as a place in the flat image, then as an area, a record and an offset in it.
    const uint8_t* base = scratch;
    const auto* at = static_cast<const uint8_t*>(d.record) + d.offset;
    if (d.record == nullptr || at < base || at >= base + SimImage::kImageSize) {
        t->store = false;  // kept outside the image (a view of the editor's own)
        return true;
    }
    const size_t abs = static_cast<size_t>(at - base);
    for (Area area : AllAreas()) {
        const AreaInfo& info = GetAreaInfo(area);
        if (abs < info.offset || abs >= info.offset + static_cast<size_t>(info.capacity) * info.recordSize)
            continue;
        t->area = area;
        t->index = static_cast<int>((abs - info.offset) / info.recordSize);
        const size_t offset = (abs - info.offset) % info.recordSize;
        if (FieldOf(d, offset, &t->field)) {
            RangeOf(t->field, t);
            t->after = ResetsAfter(c, section, offset);
        } else if (const IAccessorI* a = RowAccessorI(d);
                   a && (d.atype == kATypeBnkPgm || d.atype == kATypeCmbSts)) {
            // Not one bit field: the row's own accessor stores it.
            t->minimum = 0;
            t->maximum = 0x3FFF;
            t->writer = [a, offset](uint8_t* record, int value) {
                a->PutRaw(record, static_cast<unsigned>(offset), value);
            };
        } else {
            t->store = false;
        }
        return true;
    }
    t->store = false;
    return true;
}

ParamLocator MakeTableLocator(Model model, const SimImage* mirror) {
    auto locator = std::make_shared<TableLocator>(model, mirror);
    return [locator](const ParamChange& c, ParamTarget* t) { return locator->Locate(c, t); };
}

}  // namespace Sim
