#include "Common/Files/NativeFile.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <vector>

#include "Common/Files/SampleTranslation.h"

namespace QorX0 {

namespace {

constexpr uint32_t kHeaderAfterSize = kNativeHeaderSize - 8;  // header bytes counted by the size field
constexpr uint32_t kTrailer = 4;                              // zero bytes after every body
constexpr uint32_t kFilterSize = sizeof(FXBFILTERINFO);

// Kind 1: every body byte up to the realtime-control block, and the sizes of the older files
// written before that block existed.
constexpr uint32_t kAllBodyV0 = kAreaCombis.Size() + kAreaMultis.Size() + kAreaPrograms.Size() +
                                kAreaDrumKits.Size() + kAreaArpPatterns.Size() + kAreaExtControls.Size() +
                                kSizeCombi + kSizeMulti + kSizeProgram + 3 * kSizeCurSoundRecord +
                                kSizeGlobal + 2 + 1 + 3;
constexpr uint32_t kAllBody = kAllBodyV0 + sizeof(RTCSTAT) + kTrailer;
static_assert(kAllBody == 899796);
constexpr uint32_t kAllMinSizeV0 = kHeaderAfterSize + kAllBodyV0;
constexpr uint32_t kAllMinSize = kHeaderAfterSize + kAllBody;

constexpr uint32_t MinSize(uint32_t body) {
    return kHeaderAfterSize + body + kTrailer;
}

const NATIVEKINDINFO kKinds[] = {
    {FTYPE_ALL, "tra ", "*.Xall", "All Data (*.Xall)", kAllMinSize},
    {FTYPE_FILTERED, "trx ", nullptr, nullptr, 0},
    {FTYPE_ALLPROG, "trpa", "*.Xallprog", "All Prog (*.Xallprog)", MinSize(kAreaPrograms.Size())},
    {FTYPE_ALLCOMBI, "trca", "*.Xallcombi", "All Combi (*.Xallcombi)", MinSize(kAreaCombis.Size())},
    {FTYPE_ALLMULTI, "trma", "*.Xallmulti", "All Multi (*.Xallmulti)", MinSize(kAreaMultis.Size())},
    {FTYPE_BANKPROG, "trpb", "*.Xbankprog", "Bank Program (*.Xbankprog)", MinSize(kAreaPrograms.BankSize())},
    {FTYPE_BANKCOMBI, "trcb", "*.Xbankcombi", "Bank Combi (*.Xbankcombi)", MinSize(kAreaCombis.BankSize())},
    {FTYPE_PROG, "trp ", "*.X1prog", "Program (*.X1prog)", MinSize(kSizeProgram + kSizeCurSoundRecord)},
    {FTYPE_COMBI, "trc ", "*.X1combi", "Combi (*.X1combi)", MinSize(kSizeCombi + kSizeCurSoundRecord)},
    {FTYPE_MULTI, "trm ", "*.X1multi", "Multi (*.X1multi)", MinSize(kSizeMulti + kSizeCurSoundRecord)},
    {FTYPE_ALLDKIT, "trda", "*.Xalldkit", "All DrumKit (*.Xalldkit)", MinSize(kAreaDrumKits.Size())},
    {FTYPE_ALLAPAT, "trra", "*.Xallapat", "All Arpeggio Pattern (*.Xallapat)",
     MinSize(kAreaArpPatterns.Size())},
    {FTYPE_ALLEXTC, "trea", "*.Xallextc", "All Ext.Control (*.Xallextc)", MinSize(kAreaExtControls.Size())},
    {FTYPE_DKIT, "trd ", "*.X1dkit", "DrumKit (*.X1dkit)", MinSize(kSizeDrumKit)},
    {FTYPE_APAT, "trr ", "*.X1apat", "Arpeggio Pattern (*.X1apat)", MinSize(kSizeArpPattern)},
    {FTYPE_EXTC, "tre ", "*.X1extc", "Ext.Control (*.X1extc)", MinSize(kSizeExtControl)},
};
static_assert(sizeof(kKinds) / sizeof(kKinds[0]) == FTYPE_EXTC);

// The kind whose body a kind carries: chunk kinds wrap a filtered set or a one-sound file.
FTYPE BodyKind(FTYPE kind) {
    switch (kind) {
        case FTYPE_VSTBANK:
            return FTYPE_FILTERED;
        case FTYPE_VSTPROG:
            return FTYPE_PROG;
        case FTYPE_VSTCOMBI:
            return FTYPE_COMBI;
        case FTYPE_VSTMULTI:
            return FTYPE_MULTI;
        default:
            return kind;
    }
}

uint32_t GetBE32(const uint8_t* p) {
    return (uint32_t{p[0]} << 24) | (uint32_t{p[1]} << 16) | (uint32_t{p[2]} << 8) | p[3];
}

void PutBE32(uint8_t* p, uint32_t v) {
    p[0] = static_cast<uint8_t>(v >> 24);
    p[1] = static_cast<uint8_t>(v >> 16);
    p[2] = static_cast<uint8_t>(v >> 8);
    p[3] = static_cast<uint8_t>(v);
}

// One piece of a body, in file order: image bytes, zero bytes or the realtime-control state.
struct Segment {
    enum Kind { Image, Zero, Rtc } kind;
    uint32_t offset;  // image offset for Image
    uint32_t size;
};

class Plan {
public:
    void Image(uint32_t offset, uint32_t size) {
        if (size) mSegs.push_back({Segment::Image, offset, size});
    }
    void Zero(uint32_t size) { mSegs.push_back({Segment::Zero, 0, size}); }
    void Rtc() { mSegs.push_back({Segment::Rtc, 0, sizeof(RTCSTAT)}); }
    void Area(const AREADESC& area) { Image(area.offset, area.Size()); }
    // The first count records of bank b of a banked area.
    void Bank(const AREADESC& area, uint32_t bank, uint32_t count) {
        Image(area.At(bank, 0), count * area.recordSize);
    }
    const std::vector<Segment>& Segments() const { return mSegs; }
    uint32_t Bytes() const {
        uint32_t n = 0;
        for (const Segment& s : mSegs) n += s.size;
        return n;
    }

private:
    std::vector<Segment> mSegs;
};

// Banks a filter byte chooses: one bank below count, or all of them when its top bit is set.
bool FilterBanks(uint8_t value, uint32_t banks, uint32_t* first, uint32_t* last) {
    if (value & 0x80u) {
        *first = 0;
        *last = banks - 1;
        return true;
    }
    if (value >= banks) return false;
    *first = *last = value;
    return true;
}

// What follows the records in an all-data file and a filtered set: the current sounds and
// their records, the global data (when included), the mode byte and, from version 1 on, the
// realtime-control state.
void CurrentAndState(bool global, bool rtc, Plan* plan) {
    plan->Area(kAreaCurCombi);
    plan->Area(kAreaCurMulti);
    plan->Area(kAreaCurProgram);
    plan->Area(kAreaCurCombiRecord);
    plan->Area(kAreaCurMultiRecord);
    plan->Area(kAreaCurProgramRecord);
    if (global) {
        plan->Area(kAreaGlobal);
        plan->Zero(2);
    }
    plan->Image(kOffMode, 1);
    plan->Zero(3);
    if (rtc) {
        plan->Rtc();
        plan->Zero(kTrailer);
    }
}

// The records after the filter of a filtered set; false for a bad filter.
bool FilteredPlan(const FXBFILTERINFO& f, Plan* plan) {
    uint32_t c0, c1, m0, m1, p0, p1;
    if (!FilterBanks(f.combiBank, kCombiBankCount, &c0, &c1) ||
        !FilterBanks(f.multiBank, kMultiBankCount, &m0, &m1) ||
        !FilterBanks(f.progBank, kProgBankSlots, &p0, &p1))
        return false;
    if (f.combiCount > kSoundsPerBank || f.multiCount > kSoundsPerBank || f.progCount > kSoundsPerBank ||
        f.drumkitCount > kAreaDrumKits.count || f.arpCount > kAreaArpPatterns.count ||
        f.extCount > kAreaExtControls.count)
        return false;
    for (uint32_t b = c0; b <= c1; ++b) plan->Bank(kAreaCombis, b, f.combiCount);
    plan->Bank(kAreaMultis, 0, f.multiCount);
    for (uint32_t b = p0; b <= p1; ++b) plan->Bank(kAreaPrograms, b, f.progCount);
    plan->Image(kAreaDrumKits.offset, f.drumkitCount * kSizeDrumKit);
    plan->Image(kAreaArpPatterns.offset, f.arpCount * kSizeArpPattern);
    plan->Image(kAreaExtControls.offset, f.extCount * kSizeExtControl);
    CurrentAndState(f.global != 0, true, plan);
    return true;
}

// The kinds that carry one area, one bank of an area or one item of an area, with the
// current-sound record that follows a current sound.
struct KINDBODY {
    FTYPE kind;
    enum Part { Whole, Bank, Item } part;
    const AREADESC* area;
    const AREADESC* record;
};
const KINDBODY kBodies[] = {
    {FTYPE_ALLPROG, KINDBODY::Whole, &kAreaPrograms, nullptr},
    {FTYPE_ALLCOMBI, KINDBODY::Whole, &kAreaCombis, nullptr},
    {FTYPE_ALLMULTI, KINDBODY::Whole, &kAreaMultis, nullptr},
    {FTYPE_BANKPROG, KINDBODY::Bank, &kAreaPrograms, &kAreaCurProgramRecord},
    {FTYPE_BANKCOMBI, KINDBODY::Bank, &kAreaCombis, &kAreaCurCombiRecord},
    {FTYPE_PROG, KINDBODY::Whole, &kAreaCurProgram, &kAreaCurProgramRecord},
    {FTYPE_COMBI, KINDBODY::Whole, &kAreaCurCombi, &kAreaCurCombiRecord},
    {FTYPE_MULTI, KINDBODY::Whole, &kAreaCurMulti, &kAreaCurMultiRecord},
    {FTYPE_ALLDKIT, KINDBODY::Whole, &kAreaDrumKits, nullptr},
    {FTYPE_ALLAPAT, KINDBODY::Whole, &kAreaArpPatterns, nullptr},
    {FTYPE_ALLEXTC, KINDBODY::Whole, &kAreaExtControls, nullptr},
    {FTYPE_DKIT, KINDBODY::Item, &kAreaDrumKits, nullptr},
    {FTYPE_APAT, KINDBODY::Item, &kAreaArpPatterns, nullptr},
    {FTYPE_EXTC, KINDBODY::Item, &kAreaExtControls, nullptr},
};

const KINDBODY* FindBody(FTYPE kind) {
    for (const KINDBODY& b : kBodies) {
        if (b.kind == kind) return &b;
    }
    return nullptr;
}

// The body of a kind other than the filtered set. slot is the bank (6, 7) or item (14 to 16),
// already checked. The realtime-control block of kind 1 exists only from version 1 on.
void KindPlan(FTYPE kind, uint32_t slot, long version, Plan* plan) {
    if (kind == FTYPE_ALL) {
        plan->Area(kAreaCombis);
        plan->Area(kAreaMultis);
        plan->Area(kAreaPrograms);
        plan->Area(kAreaDrumKits);
        plan->Area(kAreaArpPatterns);
        plan->Area(kAreaExtControls);
        CurrentAndState(true, version > 0, plan);
        return;
    }
    const KINDBODY* body = FindBody(kind);
    if (!body) return;
    switch (body->part) {
        case KINDBODY::Whole:
            plan->Area(*body->area);
            if (body->record) plan->Area(*body->record);
            break;
        case KINDBODY::Bank:
            plan->Bank(*body->area, slot, kSoundsPerBank);
            break;
        case KINDBODY::Item:
            plan->Image(body->area->At(slot), body->area->recordSize);
            break;
    }
    plan->Zero(kTrailer);
}

// The bank or item a kind addresses, checked against what the model has; true for kinds without.
// Saving a bank takes it from the current-sound record, loading from the caller's index.
bool ResolveSlot(FTYPE kind, uint8_t model, uint32_t index, const CHUNK_REMOTESYNTH* saveFrom,
                 uint32_t* slot) {
    *slot = 0;
    const KINDBODY* body = FindBody(kind);
    if (!body || body->part == KINDBODY::Whole) return true;
    uint32_t limit = body->area->count;
    if (body->part == KINDBODY::Bank) {
        limit = body->area == &kAreaPrograms ? ProgramBankCount(model) : kCombiBankCount;
        if (saveFrom) index = saveFrom->Bytes()[body->record->offset];
    }
    if (index >= limit) return false;
    *slot = index;
    return true;
}

bool KnownModel(uint8_t model) {
    return model == kPmidTolva || model == kPmidNerimo;
}

// Bytes left in the stream from its read position; -1 when it cannot be measured.
std::streamoff Remaining(std::istream& is) {
    const std::istream::pos_type here = is.tellg();
    if (here == std::istream::pos_type(-1)) return -1;
    is.seekg(0, std::ios::end);
    const std::istream::pos_type end = is.tellg();
    is.seekg(here);
    if (end == std::istream::pos_type(-1) || !is) return -1;
    return end - here;
}

void ReadExact(std::istream& is, void* dst, uint32_t size) {
    is.read(static_cast<char*>(dst), size);
    if (static_cast<uint32_t>(is.gcount()) != size) is.setstate(std::ios::failbit);
}

// Sample translation of everything a plan placed into the programs, the drum kits and the
// current program.
void TranslatePlan(const Plan& plan, const SAMPLECONVERT& cvt, CHUNK_REMOTESYNTH* image) {
    auto each = [&](const Segment& s, const AREADESC& area, auto convert) {
        if (s.offset < area.offset || s.offset >= area.End()) return;
        for (uint32_t off = s.offset; off < s.offset + s.size; off += area.recordSize) {
            convert(image->Bytes() + off);
        }
    };
    for (const Segment& s : plan.Segments()) {
        if (s.kind != Segment::Image) continue;
        auto prog = [&](uint8_t* p) { ProgCvtSample(p, cvt.prog, cvt.progEntries); };
        each(s, kAreaPrograms, prog);
        each(s, kAreaCurProgram, prog);
        each(s, kAreaDrumKits, [&](uint8_t* k) { DkitCvtSample(k, cvt.dkit, cvt.dkitEntries); });
    }
}

}  // namespace

const NATIVEKINDINFO* GetNativeKindInfo(FTYPE kind) {
    kind = BodyKind(kind);
    if (kind < FTYPE_ALL || kind > FTYPE_EXTC) return nullptr;
    return &kKinds[kind - 1];
}

const char* GetNativeModelTag(uint8_t model) {
    if (model == kPmidTolva) return "VTLV";
    if (model == kPmidNerimo) return "VMRL";
    return nullptr;
}

bool CheckFilter(const FXBFILTERINFO& filter) {
    Plan plan;
    return FilteredPlan(filter, &plan);
}

uint32_t FilteredBodySize(const FXBFILTERINFO& filter) {
    Plan plan;
    if (!FilteredPlan(filter, &plan)) return 0;
    return kFilterSize + plan.Bytes();
}

bool ParseNativeHeader(std::istream& is, NATIVEHEADER* header) {
    uint8_t raw[kNativeHeaderSize];
    is.read(reinterpret_cast<char*>(raw), sizeof(raw));
    if (is.gcount() != static_cast<std::streamsize>(sizeof(raw))) return false;

    const NATIVEKINDINFO* info = nullptr;
    for (const NATIVEKINDINFO& k : kKinds) {
        if (std::memcmp(raw, k.tag, 4) == 0) info = &k;
    }
    if (!info) return false;

    NATIVEHEADER h{info->kind, 0, static_cast<long>(GetBE32(raw + 8)), GetBE32(raw + 4)};
    if (h.kind == FTYPE_ALL && h.size >= kAllMinSizeV0 && h.size < kAllMinSize) {
        // Older all-data file without the realtime-control block: always Tolva data.
        h.model = kPmidTolva;
        h.version = 0;
    } else {
        if (std::memcmp(raw + 16, "VTLV", 4) == 0) {
            h.model = kPmidTolva;
        } else if (std::memcmp(raw + 16, "VMRL", 4) == 0) {
            h.model = kPmidNerimo;
        } else {
            return false;
        }
        if (h.size < info->minSize || h.size < kHeaderAfterSize) return false;
    }
    // The size must not claim more than the stream holds.
    const std::streamoff left = Remaining(is);
    if (left < 0 || static_cast<uint64_t>(h.size) > static_cast<uint64_t>(left) + kHeaderAfterSize)
        return false;
    *header = h;
    return true;
}

bool ParseStreamNativeHeader(std::istream& is, FTYPE* kind, uint8_t* model, long* version) {
    NATIVEHEADER h;
    if (!ParseNativeHeader(is, &h)) return false;
    if (kind) *kind = h.kind;
    if (model) *model = h.model;
    if (version) *version = h.version;
    return true;
}

bool SaveStreamNativeHeader(std::ostream& os, uint8_t model, const PERSISTPARAMS* params) {
    if (!params) return false;
    const NATIVEKINDINFO* info = GetNativeKindInfo(params->kind);
    const char* tag = GetNativeModelTag(model);
    if (!info || !tag || params->kind > FTYPE_VSTMULTI) return false;
    uint8_t raw[kNativeHeaderSize] = {};
    std::memcpy(raw, info->tag, 4);
    PutBE32(raw + 8, kNativeVersion);
    std::memcpy(raw + 16, tag, 4);
    os.write(reinterpret_cast<const char*>(raw), sizeof(raw));
    return static_cast<bool>(os);
}

bool CheckNativeSave(uint8_t model, const PERSISTPARAMS* params) {
    if (!params || !params->image || !KnownModel(model) || !GetNativeKindInfo(params->kind) ||
        params->kind > FTYPE_VSTMULTI)
        return false;
    const FTYPE kind = BodyKind(params->kind);
    if (kind == FTYPE_FILTERED) return CheckFilter(params->filter);
    uint32_t slot;
    return ResolveSlot(kind, model, params->index, params->image, &slot);
}

bool SaveStreamNativeBody(std::ostream& os, uint8_t model, const PERSISTPARAMS* params) {
    if (!CheckNativeSave(model, params)) return false;
    const FTYPE kind = BodyKind(params->kind);
    Plan plan;
    if (kind == FTYPE_FILTERED) {
        os.write(reinterpret_cast<const char*>(&params->filter), kFilterSize);
        FilteredPlan(params->filter, &plan);
    } else {
        uint32_t slot = 0;
        ResolveSlot(kind, model, params->index, params->image, &slot);
        KindPlan(kind, slot, kNativeVersion, &plan);
    }
    static const char zeros[8] = {};
    for (const Segment& s : plan.Segments()) {
        switch (s.kind) {
            case Segment::Image:
                os.write(reinterpret_cast<const char*>(params->image->Bytes() + s.offset), s.size);
                break;
            case Segment::Zero:
                for (uint32_t n = s.size; n > 0;) {
                    const uint32_t part = n < sizeof(zeros) ? n : sizeof(zeros);
                    os.write(zeros, part);
                    n -= part;
                }
                break;
            case Segment::Rtc:
                os.write(reinterpret_cast<const char*>(&params->rtc), sizeof(RTCSTAT));
                break;
        }
    }
    return static_cast<bool>(os);
}

bool LoadNativeBody(std::istream& is, const NATIVEHEADER& header, uint8_t targetModel,
                    PERSISTPARAMS* params) {
    if (!params || !params->image || header.size < kHeaderAfterSize) return false;
    const FTYPE kind = BodyKind(params->kind);
    if (!GetNativeKindInfo(kind) || params->kind > FTYPE_VSTMULTI) return false;
    // The body may use what the size field declares and the stream really holds, nothing more.
    const std::streamoff left = Remaining(is);
    if (left < 0) return false;
    uint64_t room = header.size - kHeaderAfterSize;
    if (room > static_cast<uint64_t>(left)) room = static_cast<uint64_t>(left);

    Plan plan;
    FXBFILTERINFO filter{};
    if (kind == FTYPE_FILTERED) {
        if (room < kFilterSize) return false;
        ReadExact(is, &filter, kFilterSize);
        if (!is || !FilteredPlan(filter, &plan)) return false;
        room -= kFilterSize;
        // The filter fixes the size: a longer body was written under another filter and would be
        // read out of place. The trailing zero bytes may be missing (they are never read).
        const uint64_t declared = header.size - kHeaderAfterSize - kFilterSize;
        if (declared != plan.Bytes() && declared != plan.Bytes() - kTrailer) return false;
        if (plan.Bytes() - kTrailer > room) return false;
    } else {
        uint32_t slot = 0;
        if (!ResolveSlot(kind, targetModel, params->index, nullptr, &slot)) return false;
        KindPlan(kind, slot, header.version, &plan);
    }
    if (kind != FTYPE_FILTERED && plan.Bytes() > room) return false;

    // The trailing zero bytes are not read.
    const std::vector<Segment>& segs = plan.Segments();
    size_t count = segs.size();
    if (count && segs[count - 1].kind == Segment::Zero && segs[count - 1].size == kTrailer) --count;

    // Everything is read into a buffer first: the image and params change only once the whole body
    // is in, so a stream that fails part-way leaves them as they were.
    size_t staged = 0;
    for (size_t i = 0; i < count; ++i)
        if (segs[i].kind != Segment::Zero) staged += segs[i].size;
    std::unique_ptr<uint8_t[]> buffer(new uint8_t[staged ? staged : 1]);
    const bool rtcRead = header.version > 0;
    uint8_t* at = buffer.get();
    for (size_t i = 0; i < count; ++i) {
        const Segment& s = segs[i];
        if (s.kind == Segment::Zero || (s.kind == Segment::Rtc && !rtcRead)) {
            is.seekg(s.size, std::ios::cur);
        } else {
            ReadExact(is, at, s.size);
            at += s.size;
        }
        if (!is) return false;
    }
    at = buffer.get();
    for (size_t i = 0; i < count; ++i) {
        const Segment& s = segs[i];
        if (s.kind == Segment::Image) {
            std::memcpy(params->image->Bytes() + s.offset, at, s.size);
            at += s.size;
        } else if (s.kind == Segment::Rtc && rtcRead) {
            std::memcpy(&params->rtc, at, sizeof(RTCSTAT));
            at += s.size;
        }
    }
    if (kind == FTYPE_FILTERED) params->filter = filter;
    const bool hasRtc = std::any_of(segs.begin(), segs.begin() + static_cast<std::ptrdiff_t>(count),
                                    [](const Segment& s) { return s.kind == Segment::Rtc; });
    if ((kind == FTYPE_ALL || kind == FTYPE_FILTERED) && !(hasRtc && rtcRead))
        std::memset(&params->rtc, 0, sizeof(RTCSTAT));

    if (const SAMPLECONVERT* cvt = GetSampleConvert(header.model, targetModel)) {
        TranslatePlan(plan, *cvt, params->image);
    }
    return true;
}

bool LoadStreamNativeBody(std::istream& is, uint8_t fileModel, long version, uint8_t targetModel,
                          PERSISTPARAMS* params) {
    NATIVEHEADER h{params ? params->kind : FTYPE_UNKNOWN, fileModel, version, UINT32_MAX};
    return LoadNativeBody(is, h, targetModel, params);
}

}  // namespace QorX0
