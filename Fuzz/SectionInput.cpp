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

// Bytes a row's accessor reads from its offset (0 when it has none).
unsigned FieldWidth(const PARAMDESC& d) {
    if (!d.accessor) return 0;
    if (const IAccessorI* a = d.accessor->AsInteger()) return a->Width();
    if (const IAccessorS* a = d.accessor->AsText()) return a->Width();
    return 0;
}

// A row as the pristine state described it, with the bytes of its field.
struct PristineRow {
    bool described = false;
    int pid = kPidNone;  // by index (the tables of sections read by group are never rebound)
    PARAMDESC desc{};
    uint8_t field[32] = {};
    RowKey key{};
    // The bits of its record a write through its accessor can change (none for texts and wide fields).
    uint8_t mask[4] = {};
    unsigned maskWidth = 0;
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
    bool followed = false;      // its announcements are heard (kRecord and kRecordPrograms sections)
    int alwaysGroup = -1;       // a PID group whose rows show more than the record (read whenever it is)
    std::vector<bool> covered;  // by byte of the record: some row's field holds it
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

// What the sections announced during the current input: a section tells its observers of every row
// whose description a change alters (the editor's controls rely on it, and a model test checks it
// for every row of these sections), and of every row whose value it changed.
class Announcements : public ISectionSink {
public:
    void OnSectionReinitialized(ISection* s) override { m_told.push_back({s, kReinit}); }
    void OnSectionParamPropsChanged(ISection* s, int pid) override { m_told.push_back({s, pid}); }
    void OnSectionParamChanged(ISection* s, int pid) override { m_told.push_back({s, pid}); }
    void Clear() { m_told.clear(); }
    // The PIDs one section announced, sorted; false when it was reinitialised.
    bool RowsOf(ISection* section, std::vector<int>* pids) const {
        pids->clear();
        for (const auto& [s, pid] : m_told) {
            if (s != section) continue;
            if (pid == kReinit) return false;
            pids->push_back(pid);
        }
        std::sort(pids->begin(), pids->end());
        return true;
    }

private:
    static constexpr int kReinit = kPidNone;
    std::vector<std::pair<ISection*, int>> m_told;
};

Announcements& Told() {
    static Announcements told;
    return told;
}

// The bits a write through the row's accessor can change in the record, found by writing values
// over a copy of it. A bit no such write changed is left out, which only makes the section read in
// full more often.
void FindWriteMask(const PARAMDESC& d, const std::vector<uint8_t>& record, PristineRow* row) {
    const IAccessorI* a = d.accessor ? d.accessor->AsInteger() : nullptr;
    const unsigned width = a ? a->Width() : 0;
    if (!a || width > sizeof row->mask || d.offset < 0 || d.offset + width > record.size()) return;
    std::vector<uint8_t> scratch;
    std::vector<int> probes = {0, -1, 0x7FFFFFFF, d.minval, d.maxval};
    for (int bit = 0; bit < 31; ++bit) probes.push_back(1 << bit);
    for (int probe : probes) {
        scratch = record;
        a->PutRaw(scratch.data(), static_cast<unsigned>(d.offset), probe);
        for (unsigned i = 0; i < width; ++i) row->mask[i] |= scratch[d.offset + i] ^ record[d.offset + i];
    }
    row->maskWidth = width;
}

std::vector<uint8_t> RecordOf(ISection* section) {
    std::vector<uint8_t> bytes(section->RawSize());
    bytes.resize(section->RawGet(bytes.data(), 0, static_cast<unsigned>(bytes.size())));
    return bytes;
}

// What of the image outside the sections' own records an input changed.
struct Changed {
    bool names = false;     // kit or pattern names (lists of them show in rows)
    bool programs = false;  // bank programs (tracks play them)
};

// Whether a sub-section shows exactly what it showed in the pristine state: its descriptors and
// values are functions of its record and of what Reads names, all as they were. Names listed from
// the image are not among them, so a change of names reads it again.
// The section's record as it is now (as ShowsPristine last read it).
std::vector<uint8_t>& RecordNow() {
    static std::vector<uint8_t> now;
    return now;
}

bool ShowsPristine(ISection* section, const PristineSection& base, const Changed& changed) {
    if (base.reads == Reads::kAnything || changed.names) return false;
    if (base.reads == Reads::kRecordFxType &&
        static_cast<CFXSectionImpl*>(section)->GetFXType() != base.fxType)
        return false;
    if (base.reads == Reads::kRecordPrograms && changed.programs) return false;
    std::vector<uint8_t>& now = RecordNow();
    now.resize(section->RawSize());
    now.resize(section->RawGet(now.data(), 0, static_cast<unsigned>(now.size())));
    return now.size() == base.record.size() && SameBytes(now.data(), base.record.data(), now.size());
}

// Whether a section whose rows show its record alone, found changed by ShowsPristine, changed only
// through rows it announced: every bit of its record that differs from the pristine one lies in the
// write mask of a row it named, or in a byte no row of it holds (an effect's parameters, which its
// effect sections show), and it was not reinitialised. Its rows describe themselves from the fields
// of its rows, so every row whose description differs from the pristine one is among those named
// (`told`), and every other row whose field holds its pristine bytes shows what it showed then. A
// write to a field it did not announce (a silent write, another view of the same record, the
// realtime section) leaves a bit unexplained and the section is read in full.
bool ChangedOnlyAsTold(ISection* section, const PristineSection& base, const Changed& changed,
                       std::vector<int>* told) {
    if (!base.followed || changed.names || (base.reads == Reads::kRecordPrograms && changed.programs))
        return false;
    if (!Told().RowsOf(section, told)) return false;
    const std::vector<uint8_t>& now = RecordNow();
    if (now.size() != base.record.size()) return false;
    static std::vector<uint8_t> explained;
    explained.assign(now.size(), 0);
    for (int pid : *told) {
        const int index = section->GetIndexByParamID(pid);
        if (index < 0 || static_cast<size_t>(index) >= base.rows.size()) continue;
        const PristineRow& row = base.rows[static_cast<size_t>(index)];
        for (unsigned i = 0; i < row.maskWidth; ++i) explained[row.desc.offset + i] |= row.mask[i];
    }
    for (size_t i = 0; i < now.size(); ++i)
        if (((now[i] ^ base.record[i]) & ~explained[i]) && base.covered[i]) return false;
    return true;
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
        base.record = RecordOf(section);
        if (base.reads == Reads::kRecordFxType)
            base.fxType = static_cast<CFXSectionImpl*>(section)->GetFXType();
        base.rows.resize(static_cast<size_t>(count));
        if (base.reads == Reads::kElement) base.elementRead.resize(1024);
        if ((base.reads == Reads::kRecord || base.reads == Reads::kRecordPrograms) && step == 1)
            base.followed = section->AdviseSink(&Told());
        if (dynamic_cast<CGlobalSectionImpl*>(section)) base.alwaysGroup = kGlobalArpGroup;
        base.covered.assign(base.record.size(), false);
    } else if (group < 0 && ShowsPristine(section, base, changed)) {
        return;
    }
    static std::vector<int> told;
    const bool asTold = !first && group < 0 && ChangedOnlyAsTold(section, base, changed, &told);
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
        // A row not announced, whose field holds its pristine bytes, shows what it showed then.
        if (asTold && row && row->described && ((pid >> 8) & 0xFF) != base.alwaysGroup &&
            !std::binary_search(told.begin(), told.end(), pid)) {
            const unsigned width = FieldWidth(row->desc);
            const size_t at = static_cast<size_t>(row->desc.offset);
            if (at + width <= base.record.size() &&
                SameBytes(RecordNow().data() + at, base.record.data() + at, width))
                continue;
        }
        if (!section->GetParamDescByIndex(index, &d) || d.pid == kPidNone) continue;
        if (first && d.offset >= 0)
            for (unsigned i = 0, width = FieldWidth(d); i < width && d.offset + i < base.covered.size(); ++i)
                base.covered[d.offset + i] = true;
        // A row described as in the pristine state whose field holds the bytes it held then reads the
        // same value: GetParamI describes the same row again (its PID names this index) and reads
        // those bytes through the same accessor.
        const unsigned width = FieldWidth(d);
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
                if (base.followed) FindWriteMask(d, base.record, row);
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
            changed->names = true;
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
    if (!started) PutBackPristine(image, 0, sizeof(CHUNK_REMOTESYNTH));
    if (rebind) {
        // A fresh image: effect slots rebind to its types.
        if (rebind & kDirtyProg) s.progEdit.OnReinitialized();
        if (rebind & kDirtyCombi) s.combiEdit.OnReinitialized();
        if (rebind & kDirtyMulti) s.multi.OnReinitialized();
        // The first read of the pristine state formats every row and keeps what each showed.
        if (!started) ReadSections(kDirtyAll, Changed{});
        started = true;
    }
    // What the sections announce from here on is what this input did.
    Told().Clear();
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
