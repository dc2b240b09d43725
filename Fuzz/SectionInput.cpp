// Values from the wire reach the sections unchecked: parameter changes received from the instrument
// (stored raw, unclamped), array element changes, control changes and mode changes. Whatever they
// hold, every row they reach must then read, format and describe itself without leaving its records.
#include <algorithm>
#include <array>
#include <iterator>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <map>
#include <utility>
#include <memory>
#include <vector>

#include "Common/Model/Converters.h"
#include "Support/SectionAnnouncements.h"
#include "Support/SectionSet.h"

using namespace QorX0;

namespace {

SectionSet& Sections() {
    static SectionSet* s = new SectionSet(kPmidTolva);
    return *s;
}

// What one row showed: its value and everything of its descriptor that decides its text. A row
// that shows what some row showed before, in the pristine state or after any input, formats to the
// same text (a converter's text is a function of its value), so only rows that show something new
// are formatted; rows whose text comes from the image's names (strings, kit and pattern lists)
// always are.
struct RowKey {
    int value, minval, maxval, flags, ptype;
    const void* converter;
    const char* name;
    bool operator==(const RowKey&) const = default;
};

struct RowKeyHash {
    size_t operator()(const RowKey& k) const {
        size_t h = std::hash<const void*>()(k.converter) ^ (std::hash<const char*>()(k.name) << 1);
        for (int v : {k.value, k.minval, k.maxval, k.flags, k.ptype}) h = h * 1000003u ^ std::hash<int>()(v);
        return h;
    }
};

// Whether a row shows something not shown before (then remembered). A table of fixed size, so an
// input allocates nothing that outlives it (that would look like a leak to the fuzzer, which then
// runs the input again to find it); a long run forgets and formats again.
bool ShowsNew(const RowKey& key) {
    constexpr size_t kSlots = size_t{1} << 18;
    static std::vector<RowKey> keys(kSlots);
    static std::vector<bool> used(kSlots);
    static size_t count = 0;
    if (count >= kSlots / 2) {
        std::fill(used.begin(), used.end(), false);
        count = 0;
    }
    for (size_t at = RowKeyHash()(key) & (kSlots - 1);; at = (at + 1) & (kSlots - 1)) {
        if (!used[at]) {
            used[at] = true;
            keys[at] = key;
            ++count;
            return true;
        }
        if (keys[at] == key) return false;
    }
}

// Whether two byte ranges hold the same bytes: the harness's own small comparisons, kept out of the
// fuzzer's sight (its memcmp hook would record every one of them as a comparison of the input's).
bool SameBytes(const void* a, const void* b, size_t n) {
    const auto* x = static_cast<const uint8_t*>(a);
    const auto* y = static_cast<const uint8_t*>(b);
    for (; n >= 8; x += 8, y += 8, n -= 8) {
        uint64_t u, v;
        std::memcpy(&u, x, 8);
        std::memcpy(&v, y, 8);
        if (u != v) return false;
    }
    for (; n; --n)
        if (*x++ != *y++) return false;
    return true;
}

// Whether a converter lists names from the image (kits, patterns), asked once per converter.
bool ListsImageNames(const IStringConverter* converter) {
    static std::map<const IStringConverter*, bool> kinds;
    auto [it, added] = kinds.try_emplace(converter, false);
    if (added)
        it->second = dynamic_cast<const CStringConverterEnumDKit*>(converter) ||
                     dynamic_cast<const CStringConverterEnumArppat*>(converter);
    return it->second;
}

// A row as the pristine state described it, with the bytes of its field.
struct PristineRow {
    bool described = false;
    int pid = kPidNone;  // by index (the tables of sections read by group are never rebound)
    PARAMDESC desc{};
    uint8_t field[32] = {};
    RowKey key{};
};

// What else than its own record a sub-section's rows read, where it can be told from outside.
enum class Reads {
    kRecord,          // its record alone (tone adjusts, timbres in play view, the edit views' own rows, the
                      // global rows but the arpeggiator's)
    kRecordFxType,    // its record and the effect type it is bound to
    kRecordPrograms,  // its record and the bank programs it plays (their oscillator mode)
    kElement,         // the selected element of an array and, for one row, the selection of patterns
    kAnything,        // the section is always read row by row
};

struct PristineSection {
    Reads reads = Reads::kAnything;
    bool overridesGet = false;  // values not read through its rows' accessors alone
    // For a section whose rows show its record alone: what it announces for each row, and each row's
    // field as described in the pristine state (empty for others).
    std::vector<RowAnnouncement> learned;
    std::vector<FieldSpan> fields;
    int alwaysGroup = -1;  // a PID group whose rows show more than the record (read whenever it is)
    std::vector<uint8_t> record;
    unsigned fxType = 0;
    std::vector<PristineRow> rows;
    std::vector<bool> elementRead;  // by selection: all rows read while the element was pristine
};

// The global section's arpeggiator rows, which show the current sound's.
constexpr int kGlobalArpGroup = 0x7C;

// Pristine state by section, filled by the first read of each section.
std::map<ISection*, PristineSection>& Baseline() {
    static std::map<ISection*, PristineSection> sections;
    return sections;
}

Reads ReadsOf(ISection* section) {
    if (dynamic_cast<CToneAdjustSectionImpl*>(section) || dynamic_cast<CStdSectionImpl*>(section) ||
        dynamic_cast<CProgEditSectionImpl*>(section) || dynamic_cast<CCombiEditSectionImpl*>(section) ||
        dynamic_cast<CMultiSectionImpl*>(section) || dynamic_cast<CGlobalSectionImpl*>(section))
        return Reads::kRecord;
    if (dynamic_cast<CFXSectionImpl*>(section)) return Reads::kRecordFxType;
    if (dynamic_cast<CTrackSectionImpl*>(section)) return Reads::kRecordPrograms;
    if (dynamic_cast<CGArraySectionImpl*>(section)) return Reads::kElement;
    return Reads::kAnything;
}

// What each section whose rows show its record alone announces for each of its rows, learned
// before the first read.
std::map<ISection*, std::vector<RowAnnouncement>>& Learned() {
    static std::map<ISection*, std::vector<RowAnnouncement>> learned;
    return learned;
}

// Learns, before anything is read, what each section whose rows show its record alone announces.
void LearnRecordSections(SectionSet& s) {
    std::vector<ISection*> sections = {&s.global};
    for (ISoundSection* sound :
         {static_cast<ISoundSection*>(&s.progEdit), static_cast<ISoundSection*>(&s.combiPlay),
          static_cast<ISoundSection*>(&s.combiEdit), static_cast<ISoundSection*>(&s.multi)}) {
        sections.push_back(sound);
        for (ISectionList* list : {sound->GetTrack(), sound->GetToneAdj()})
            for (unsigned i = 0; list && i < list->GetCount(); ++i) sections.push_back(list->GetAt(i));
    }
    for (ISection* section : sections)
        if (ReadsOf(section) == Reads::kRecord || ReadsOf(section) == Reads::kRecordPrograms)
            Learned()[section] = LearnAnnouncements(section, [&] { s.host.Pump(); });
}

// What of the image outside the sections' own records an input changed.
struct Changed {
    bool names = false;     // kit or pattern names (lists of them show in rows)
    bool programs = false;  // bank programs (tracks play them)
};

// The section's record as it is now (as ShowsPristine last read it).
std::vector<uint8_t>& RecordNow() {
    static std::vector<uint8_t> now;
    return now;
}

// Whether a sub-section shows exactly what it showed in the pristine state: its descriptors and
// values are functions of its record and of what Reads names, all as they were. Names listed from
// the image are not among them, so a change of names reads it again.
bool ShowsPristine(ISection* section, const PristineSection& base, const Changed& changed) {
    if (base.reads == Reads::kAnything || changed.names) return false;
    if (base.reads == Reads::kRecordFxType &&
        static_cast<CFXSectionImpl*>(section)->GetFXType() != base.fxType)
        return false;
    if (base.reads == Reads::kRecordPrograms && changed.programs) return false;
    std::vector<uint8_t>& now = RecordNow();
    ReadRecord(section, &now);
    return now.size() == base.record.size() && SameBytes(now.data(), base.record.data(), now.size());
}

// The rows of a section whose rows show its record alone, found changed by ShowsPristine, that may
// show something new: each row whose field changed, and the rows the section announces for it (a
// section tells its observers of every row whose description may follow a row, whatever the state
// and the value; a model test checks it for every row of these sections). False when any row may
// (a change it answers by reinitialising, or one never learned); bytes no row holds (an effect's
// parameters, which its effect section shows) reach none.
bool RowsChangesReach(ISection* section, const PristineSection& base, const Changed& changed,
                      std::vector<bool>* reached) {
    if (base.learned.empty() || changed.names || (base.reads == Reads::kRecordPrograms && changed.programs))
        return false;
    const std::vector<uint8_t>& now = RecordNow();
    return now.size() == base.record.size() &&
           RowsAChangeReaches(section, base.fields, base.learned, base.record.data(), now.data(), now.size(),
                              reached);
}

const CHUNK_REMOTESYNTH& Pristine();

// Whether the element an array section's rows read (the selected one) holds its pristine bytes.
// Its rows read that element alone; the pattern section's selection row, which reads the section's
// own state, is not looked at here.
bool ElementPristine(ISection* section, int count) {
    PARAMDESC d;
    const uint8_t* element = nullptr;
    for (int i = 0; i < count && !element; ++i)
        if (section->GetParamDescByIndex(static_cast<unsigned>(i), &d) &&
            d.pid != CGArraySectionImpl::kPidArpSelect)
            element = static_cast<const uint8_t*>(d.record);
    const uint8_t* image = Sections().host.GetRawChunk()->Bytes();
    const size_t size = section->RawSize();
    if (!element || element < image || element + size > image + sizeof(CHUNK_REMOTESYNTH)) return false;
    return SameBytes(element, Pristine().Bytes() + (element - image), size);
}

// Every row of a section, or only those of one PID group (group >= 0).
void ReadAll(ISection* section, const Changed& changed, int group = -1) {
    if (!section) return;
    PARAMDESC d;
    auto [it, first] = Baseline().try_emplace(section);
    PristineSection& base = it->second;
    // The drum kit's 128 keys repeat one layout: a sample of its rows is enough.
    const int count = section->GetParamCount(), step = count > 1000 ? 13 : 1;
    if (first) {
        base.reads = ReadsOf(section);
        base.overridesGet = dynamic_cast<CRTCSectionImpl*>(section) != nullptr;
        ReadRecord(section, &base.record);
        if (base.reads == Reads::kRecordFxType)
            base.fxType = static_cast<CFXSectionImpl*>(section)->GetFXType();
        base.rows.resize(static_cast<size_t>(count));
        if (base.reads == Reads::kElement) base.elementRead.resize(1024);
        if (auto learned = Learned().find(section); learned != Learned().end() && step == 1) {
            base.learned = std::move(learned->second);
            base.fields.resize(base.rows.size());
        }
        if (dynamic_cast<CGlobalSectionImpl*>(section)) base.alwaysGroup = kGlobalArpGroup;
    } else if (group < 0 && ShowsPristine(section, base, changed)) {
        return;
    }
    static std::vector<bool> reached;
    const bool onlyReached = !first && group < 0 && RowsChangesReach(section, base, changed, &reached);
    // An array section whose selected element was read before with the bytes it holds shows what it
    // showed then (its descriptors and values are functions of the selection and the element): only
    // the selection row is read.
    int onlyPid = kPidNone;
    bool markElement = false;
    const unsigned sel =
        base.reads == Reads::kElement ? static_cast<CGArraySectionImpl*>(section)->GetCurSel() : 0;
    if (base.reads == Reads::kElement && group < 0 && !changed.names && sel < base.elementRead.size() &&
        ElementPristine(section, count)) {
        if (base.elementRead[sel])
            onlyPid = CGArraySectionImpl::kPidArpSelect;
        else
            markElement = true;
    }
    for (int i = 0; i < count; i += step) {
        const unsigned index = static_cast<unsigned>(i);
        PristineRow* row = index < base.rows.size() ? &base.rows[index] : nullptr;
        if (first && row) row->pid = section->GetParamIDByIndex(index);
        const int pid = row ? row->pid : section->GetParamIDByIndex(index);
        if ((group >= 0 && ((pid >> 8) & 0xFF) != group) || (onlyPid != kPidNone && pid != onlyPid)) continue;
        if (onlyReached && !reached[index] && ((pid >> 8) & 0xFF) != base.alwaysGroup) continue;
        if (!section->GetParamDescByIndex(index, &d) || d.pid == kPidNone) continue;
        if (first && index < base.fields.size()) base.fields[index] = FieldOf(d);
        // A row described as in the pristine state whose field holds the bytes it held then reads the
        // same value: GetParamI describes the same row again (its PID names this index) and reads
        // those bytes through the same accessor.
        const unsigned width = FieldOf(d).width;
        const uint8_t* field = d.record ? static_cast<const uint8_t*>(d.record) + d.offset : nullptr;
        const bool unchanged = !first && row && row->described && !base.overridesGet && field &&
                               width <= sizeof row->field && SameParamDesc(d, row->desc) &&
                               SameBytes(field, row->field, width) && section->GetIndexByParamID(d.pid) == i;
        const RowKey key =
            unchanged
                ? row->key
                : RowKey{
                      section->GetParamI(d.pid), d.minval, d.maxval, d.flags, d.ptype, d.converter, d.name};
        const bool fromImage =
            d.ptype == kPTypeString || (changed.names && d.converter && ListsImageNames(d.converter));
        if (first || fromImage || (!(row && row->key == key) && ShowsNew(key))) {
            section->GetParamS(d.pid);
            if (first && row) {
                row->described = true;
                row->desc = d;
                row->key = key;
                if (field && width <= sizeof row->field)
                    std::memcpy(row->field, field, width);
                else
                    row->described = false;
            }
        }
    }
    if (markElement) base.elementRead[sel] = true;
}

void ReadSound(ISoundSection& sound, const Changed& changed) {
    ReadAll(&sound, changed);
    ReadAll(sound.GetIFX(), changed);
    ReadAll(sound.GetMFX1(), changed);
    ReadAll(sound.GetMFX2(), changed);
    for (ISectionList* list : {sound.GetTrack(), sound.GetToneAdj()})
        for (unsigned i = 0; list && i < list->GetCount(); ++i) ReadAll(list->GetAt(i), changed);
}

// Sections an input may have changed, by what its changes reach.
enum : unsigned {
    kDirtyProg = 1,  // program play and edit share the current program
    kDirtyCombi = 2,
    kDirtyMulti = 4,
    kDirtyGlobal = 8,
    kDirtyKits = 16,
    kDirtyPatterns = 32,
    kDirtyExts = 64,
    kDirtyRtc = 128,
    kDirtySetup = 256,
    kDirtyAll = 511,
    kDirtyGlobalArp = 512,  // only the global section's arpeggiator rows, which show the current sound's
};

// The sections of the set the mask names, each row read and described, formatted where it may show
// a new text.
void ReadSections(unsigned mask, const Changed& changed) {
    SectionSet& s = Sections();
    const std::pair<ISoundSection*, unsigned> sounds[] = {{&s.progPlay, kDirtyProg},
                                                          {&s.progEdit, kDirtyProg},
                                                          {&s.combiPlay, kDirtyCombi},
                                                          {&s.combiEdit, kDirtyCombi},
                                                          {&s.multi, kDirtyMulti}};
    for (auto [sound, bit] : sounds)
        if (mask & bit) ReadSound(*sound, changed);
    const std::pair<ISection*, unsigned> others[] = {{&s.global, kDirtyGlobal},     {&s.kits, kDirtyKits},
                                                     {&s.patterns, kDirtyPatterns}, {&s.exts, kDirtyExts},
                                                     {&s.rtc, kDirtyRtc},           {&s.setup, kDirtySetup}};
    for (auto [sec, bit] : others)
        if ((mask & bit) && sec != &s.global) ReadAll(sec, changed);
    // The global rows other than the arpeggiator's show the global record alone: while it shows what
    // it showed in the pristine state, only the arpeggiator rows (which show the current sound's) are
    // read.
    if (mask & (kDirtyGlobal | kDirtyGlobalArp)) {
        const auto base = Baseline().find(&s.global);
        const bool whole = base == Baseline().end() ||
                           ((mask & kDirtyGlobal) && !ShowsPristine(&s.global, base->second, changed));
        ReadAll(&s.global, changed, whole ? -1 : kGlobalArpGroup);
    }
}

// The pristine image every input starts from; put back only when an input changed it.
const CHUNK_REMOTESYNTH& Pristine() {
    static const auto image = [] {
        auto im = std::make_unique<CHUNK_REMOTESYNTH>();
        InitAllChunk(im.get());
        return im;
    }();
    return *image;
}

// Puts the pristine image back where it differs within [begin, end), block by block (most inputs
// change a few records); whether anything was put back.
bool PutBackPristine(CHUNK_REMOTESYNTH* image, size_t begin, size_t end) {
    constexpr size_t kBlock = 4096;
    uint8_t* to = reinterpret_cast<uint8_t*>(image);
    const uint8_t* from = reinterpret_cast<const uint8_t*>(&Pristine());
    bool changed = false;
    for (size_t at = begin; at < end; at += kBlock) {
        const size_t n = std::min(kBlock, end - at);
        if (std::memcmp(to + at, from + at, n) == 0) continue;
        std::memcpy(to + at, from + at, n);
        changed = true;
    }
    return changed;
}

bool Differs(const CHUNK_REMOTESYNTH& a, const AREADESC& area) {
    return std::memcmp(a.Bytes() + area.offset, Pristine().Bytes() + area.offset, area.Size()) != 0;
}

// The sections that show an area of the image: the current sounds their sections, and the global
// section through its arpeggiator rows, which show the current sound's; bank programs the sounds
// whose tracks play them; kit names the programs, pattern names every sound and the global data; the
// global data its section and the patterns' (pattern number); the mode byte the arpeggiator rows. The
// realtime section shows values of all of them. Sections shown by none of the changed areas (nor
// reached by an input's operations) show what they showed in the pristine state, which the first
// read checked already.
constexpr unsigned kSounds = kDirtyProg | kDirtyCombi | kDirtyMulti;
constexpr std::pair<AREADESC, unsigned> kShownBy[] = {
    {kAreaGlobal, kDirtyGlobal | kDirtyPatterns},
    {kAreaDrumKits, kDirtyKits | kDirtyProg},
    {kAreaArpPatterns, kDirtyPatterns | kDirtyGlobal | kSounds},
    {kAreaExtControls, kDirtyExts},
    {kAreaPrograms, kSounds},
    {kAreaCombis, kDirtyCombi},
    {kAreaMultis, kDirtyMulti},
    {kAreaCurProgram, kDirtyProg | kDirtyGlobalArp},
    {kAreaCurCombi, kDirtyCombi | kDirtyGlobalArp},
    {kAreaCurMulti, kDirtyMulti | kDirtyGlobalArp},
    {kAreaCurProgramRecord, kDirtyProg},
    {kAreaCurCombiRecord, kDirtyCombi},
    {kAreaCurMultiRecord, kDirtyMulti},
    {AREADESC{kOffMode, 1, 1}, kDirtyGlobalArp},
};
constexpr size_t kAreaCount = std::size(kShownBy);

// The areas that differed from the pristine image after the last input: only they are put back.
// Whatever else writes the image (nothing should) is found differing after the next input and put
// back after it; until then the sections showing it are read, as for any change.
std::array<bool, kAreaCount>& AreasChanged() {
    static std::array<bool, kAreaCount> changed{};
    return changed;
}

// The sections of the set the mask names whose state follows what was put back: an edit view binds
// its effect slots and sub-sections from its own record (the current sound and its performance
// record); any other area put back rebinds them all.
unsigned PutBackChangedAreas(CHUNK_REMOTESYNTH* image) {
    constexpr unsigned kOwnRecords[] = {kAreaCurProgram.offset,     kAreaCurCombi.offset,
                                        kAreaCurMulti.offset,       kAreaCurProgramRecord.offset,
                                        kAreaCurCombiRecord.offset, kAreaCurMultiRecord.offset};
    unsigned rebind = 0;
    for (size_t i = 0; i < kAreaCount; ++i) {
        const AREADESC& area = kShownBy[i].first;
        if (!std::exchange(AreasChanged()[i], false) || !PutBackPristine(image, area.offset, area.End()))
            continue;
        const bool own =
            std::find(std::begin(kOwnRecords), std::end(kOwnRecords), area.offset) != std::end(kOwnRecords);
        rebind |= own ? kShownBy[i].second & kSounds : kSounds;
    }
    return rebind;
}

// Whether a name in an area of kits or patterns differs from the pristine one: the lists of them show
// each record's name, its first 16 bytes.
bool NamesDiffer(const CHUNK_REMOTESYNTH& image, const AREADESC& area) {
    for (unsigned i = 0; i < area.count; ++i)
        if (!SameBytes(image.Bytes() + area.At(i), Pristine().Bytes() + area.At(i), 16)) return true;
    return false;
}

unsigned DirtyFromImage(const CHUNK_REMOTESYNTH& image, Changed* changed) {
    // Every byte of the image belongs to one of the areas.
    static const bool covered = [] {
        unsigned at = 0;
        for (const auto& [area, shown] : kShownBy) {
            if (area.offset != at) return false;
            at = area.End();
        }
        return at == sizeof(CHUNK_REMOTESYNTH);
    }();
    if (!covered) std::abort();
    unsigned dirty = 0;
    for (size_t i = 0; i < kAreaCount; ++i) {
        const auto& [area, shown] = kShownBy[i];
        if (!Differs(image, area)) continue;
        AreasChanged()[i] = true;
        dirty |= shown | kDirtyRtc;
        if (area.offset == kAreaDrumKits.offset || area.offset == kAreaArpPatterns.offset)
            changed->names |= NamesDiffer(image, area);
        if (area.offset == kAreaPrograms.offset) changed->programs = true;
    }
    return dirty;
}

// The sections a mode shows: where the realtime section writes page and arpeggiator rows.
unsigned ShownInMode(unsigned char mode) {
    switch (mode) {
        case kModeCombiPlay:
        case kModeCombiEdit:
            return kDirtyCombi;
        case kModeProgPlay:
        case kModeProgEdit:
            return kDirtyProg;
        case kModeMulti:
            return kDirtyMulti;
        case kModeGlobal:
            return kDirtyGlobal;
        default:
            return 0;
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    SectionSet& s = Sections();
    CHUNK_REMOTESYNTH* image = s.host.GetRawChunk();
    s.host.SetMode(kModeProgEdit);
    static bool started = false;
    const unsigned rebind = started ? PutBackChangedAreas(image) : kSounds;
    if (!started) {
        LearnRecordSections(s);
        PutBackPristine(image, 0, sizeof(CHUNK_REMOTESYNTH));
    }
    if (rebind) {
        // A fresh image: effect slots rebind to its types.
        if (rebind & kDirtyProg) s.progEdit.OnReinitialized();
        if (rebind & kDirtyCombi) s.combiEdit.OnReinitialized();
        if (rebind & kDirtyMulti) s.multi.OnReinitialized();
        // The first read of the pristine state formats every row and keeps what each showed.
        if (!started) ReadSections(kDirtyAll, Changed{});
        started = true;
    }
    unsigned dirty = 0;
    // Where a change lands: the sound pairs share their records; control changes and knob writes
    // reach the realtime section and the sections of the current modes, some of whose rows live
    // outside the image (the program's performance record); mode changes reach the realtime section and
    // the global arpeggiator rows. Whatever they wrote in the image, the image shows afterwards
    // (DirtyFromImage).
    static const unsigned kByReceiver[6] = {kDirtyProg,  kDirtyProg,  kDirtyCombi,
                                            kDirtyCombi, kDirtyMulti, kDirtyGlobal};
    static const unsigned kByArray[3] = {
        kDirtyKits | kDirtyProg, kDirtyPatterns | kDirtyGlobal | kDirtyProg | kDirtyCombi | kDirtyMulti,
        kDirtyExts | kDirtyRtc};
    for (size_t at = 0; at + 6 <= size; at += 6) {
        const uint8_t* op = data + at;
        static const unsigned kByOp[6] = {0, 0, kDirtyRtc, kDirtyRtc | kDirtyGlobalArp, kDirtyRtc, 0};
        dirty |= kByOp[op[0] % 6];
        if (op[0] % 6 == 2 || op[0] % 6 == 4)
            dirty |= ShownInMode(s.host.mode) | ShownInMode(s.host.virtualMode);
        if (op[0] % 6 == 0) dirty |= kByReceiver[op[1] % 6];
        if (op[0] % 6 == 1) dirty |= kByArray[op[1] % 3];
        if (op[0] % 6 == 5) dirty |= kByArray[op[1] % 3] & (kDirtyKits | kDirtyPatterns | kDirtyExts);
        const int pid = (op[2] << 8) | op[3];
        const int value = static_cast<int16_t>((op[4] << 8) | op[5]);
        switch (op[0] % 6) {
            case 0:
                switch (op[1] % 6) {
                    case 0:
                        s.progPlay.OnRcvMIDIParam(pid, value);
                        break;
                    case 1:
                        s.progEdit.OnRcvMIDIParam(pid, value);
                        break;
                    case 2:
                        s.combiPlay.OnRcvMIDIParam(pid, value);
                        break;
                    case 3:
                        s.combiEdit.OnRcvMIDIParam(pid, value);
                        break;
                    case 4:
                        s.multi.OnRcvMIDIParam(pid, value);
                        break;
                    default:
                        s.global.OnRcvMIDIParam(pid, value);
                        break;
                }
                break;
            case 1: {
                CGArraySectionImpl* arrays[3] = {&s.kits, &s.patterns, &s.exts};
                arrays[op[1] % 3]->OnRcvMIDIGlobalArrayParam(pid, op[1] / 3, value);
                break;
            }
            case 2:
                s.rtc.OnRcvMIDICC(static_cast<uint8_t>(0xB0 | (op[1] & 0x0F)), op[2] & 0x7F, op[3] & 0x7F);
                break;
            case 3:
                s.host.SetMode(op[1] % 8);
                break;
            case 4:
                s.rtc.PutParamI(0x8000 + op[1] % 13, value);
                break;
            default: {
                CGArraySectionImpl* arrays[3] = {&s.kits, &s.patterns, &s.exts};
                arrays[op[1] % 3]->Select(op[2], op[3]);
                break;
            }
        }
    }
    s.host.link.Clear();
    Changed changed;
    dirty |= DirtyFromImage(*image, &changed);
    // The editor's setup lives outside the image; whatever wrote it reaches the realtime section.
    if (std::memcmp(s.setupRecord, INITCHUNK_SETUP, sizeof s.setupRecord) != 0)
        dirty |= kDirtySetup | kDirtyRtc;
    // Rows that show what they showed in the pristine state are not formatted again, unless the
    // names they list changed.
    ReadSections(dirty, changed);
    return 0;
}
