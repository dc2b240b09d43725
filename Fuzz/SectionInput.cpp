// Values from the wire reach the sections unchecked: parameter changes received from the instrument
// (stored raw, unclamped), array element changes, control changes and mode changes. Whatever they
// hold, every row they reach must then read, format and describe itself without leaving its records.
#include <algorithm>
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
// that shows the same as it did in the pristine state formats to the same text (a converter's text
// is a function of its value), so only rows that differ are formatted again; rows whose text comes
// from the image's names (strings, kit and pattern lists) always are.
struct RowKey {
    int value, minval, maxval, flags, ptype;
    const void* converter;
    const char* name;
    bool operator==(const RowKey&) const = default;
};

// Pristine keys by section and row index, filled by the first read of each section.
std::map<ISection*, std::vector<RowKey>>& Baseline() {
    static std::map<ISection*, std::vector<RowKey>> keys;
    return keys;
}

// Every row of a section, or only those of one PID group (group >= 0).
void ReadAll(ISection* section, bool namesChanged, int group = -1) {
    if (!section) return;
    PARAMDESC d;
    auto [it, first] = Baseline().try_emplace(section);
    std::vector<RowKey>& base = it->second;
    // The drum kit's 128 keys repeat one layout: a sample of its rows is enough.
    const int count = section->GetParamCount(), step = count > 1000 ? 13 : 1;
    if (first) base.resize(static_cast<size_t>(count));
    for (int i = 0; i < count; i += step) {
        if (group >= 0 && ((section->GetParamIDByIndex(static_cast<unsigned>(i)) >> 8) & 0xFF) != group)
            continue;
        if (!section->GetParamDescByIndex(static_cast<unsigned>(i), &d) || d.pid == kPidNone) continue;
        const RowKey key{
            section->GetParamI(d.pid), d.minval, d.maxval, d.flags, d.ptype, d.converter, d.name};
        const bool fromImage =
            d.ptype == kPTypeString ||
            (namesChanged && (dynamic_cast<const CStringConverterEnumDKit*>(d.converter) ||
                              dynamic_cast<const CStringConverterEnumArppat*>(d.converter)));
        if (first || static_cast<size_t>(i) >= base.size() || !(base[static_cast<size_t>(i)] == key) ||
            fromImage) {
            section->GetParamS(d.pid);
            if (first && static_cast<size_t>(i) < base.size()) base[static_cast<size_t>(i)] = key;
        }
    }
}

void ReadSound(ISoundSection& sound, bool namesChanged) {
    ReadAll(&sound, namesChanged);
    ReadAll(sound.GetIFX(), namesChanged);
    ReadAll(sound.GetMFX1(), namesChanged);
    ReadAll(sound.GetMFX2(), namesChanged);
    for (ISectionList* list : {sound.GetTrack(), sound.GetToneAdj()})
        for (unsigned i = 0; list && i < list->GetCount(); ++i) ReadAll(list->GetAt(i), namesChanged);
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
void ReadSections(unsigned mask, bool namesChanged) {
    SectionSet& s = Sections();
    const std::pair<ISoundSection*, unsigned> sounds[] = {{&s.progPlay, kDirtyProg},
                                                          {&s.progEdit, kDirtyProg},
                                                          {&s.combiPlay, kDirtyCombi},
                                                          {&s.combiEdit, kDirtyCombi},
                                                          {&s.multi, kDirtyMulti}};
    for (auto [sound, bit] : sounds)
        if (mask & bit) ReadSound(*sound, namesChanged);
    const std::pair<ISection*, unsigned> others[] = {{&s.global, kDirtyGlobal},     {&s.kits, kDirtyKits},
                                                     {&s.patterns, kDirtyPatterns}, {&s.exts, kDirtyExts},
                                                     {&s.rtc, kDirtyRtc},           {&s.setup, kDirtySetup}};
    for (auto [sec, bit] : others)
        if (mask & bit) ReadAll(sec, namesChanged);
    // The global rows other than the arpeggiator's show the global record alone.
    constexpr int kGlobalArpGroup = 0x7C;
    if ((mask & kDirtyGlobalArp) && !(mask & kDirtyGlobal)) ReadAll(&s.global, namesChanged, kGlobalArpGroup);
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

// Puts the pristine image back where an input changed it, block by block (most inputs change a few
// records); whether anything was put back.
bool PutBackPristine(CHUNK_REMOTESYNTH* image) {
    constexpr size_t kBlock = 4096;
    uint8_t* to = reinterpret_cast<uint8_t*>(image);
    const uint8_t* from = reinterpret_cast<const uint8_t*>(&Pristine());
    bool changed = false;
    for (size_t at = 0; at < sizeof(CHUNK_REMOTESYNTH); at += kBlock) {
        const size_t n = std::min(kBlock, sizeof(CHUNK_REMOTESYNTH) - at);
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
unsigned DirtyFromImage(const CHUNK_REMOTESYNTH& image) {
    constexpr unsigned kSounds = kDirtyProg | kDirtyCombi | kDirtyMulti;
    static const std::pair<AREADESC, unsigned> kShownBy[] = {
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
    for (const auto& [area, shown] : kShownBy)
        if (Differs(image, area)) dirty |= shown | kDirtyRtc;
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
    if (PutBackPristine(image) || !started) {
        // A fresh image: effect slots rebind to its types.
        s.progEdit.OnReinitialized();
        s.combiEdit.OnReinitialized();
        s.multi.OnReinitialized();
        // The first read of the pristine state formats every row and keeps what each showed.
        if (!started) ReadSections(kDirtyAll, false);
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
    dirty |= DirtyFromImage(*image);
    // The editor's setup lives outside the image; whatever wrote it reaches the realtime section.
    if (std::memcmp(s.setupRecord, INITCHUNK_SETUP, sizeof s.setupRecord) != 0)
        dirty |= kDirtySetup | kDirtyRtc;
    // Rows that show what they showed in the pristine state are not formatted again, unless the
    // names they list changed.
    ReadSections(dirty, Differs(*image, kAreaDrumKits) || Differs(*image, kAreaArpPatterns));
    return 0;
}
