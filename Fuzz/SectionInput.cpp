// Values from the wire reach the sections unchecked: parameter changes received from the instrument
// (stored raw, unclamped), array element changes, control changes and mode changes. Whatever they
// hold, every row they reach must then read, format and describe itself without leaving its records.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <map>
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

void ReadAll(ISection* section, bool namesChanged) {
    if (!section) return;
    PARAMDESC d;
    auto [it, first] = Baseline().try_emplace(section);
    std::vector<RowKey>& base = it->second;
    // The drum kit's 128 keys repeat one layout: a sample of its rows is enough.
    const int count = section->GetParamCount(), step = count > 1000 ? 13 : 1;
    if (first) base.resize(static_cast<size_t>(count));
    for (int i = 0; i < count; i += step) {
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

bool Differs(const CHUNK_REMOTESYNTH& a, const AREADESC& area) {
    return std::memcmp(a.Bytes() + area.offset, Pristine().Bytes() + area.offset, area.Size()) != 0;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    SectionSet& s = Sections();
    CHUNK_REMOTESYNTH* image = s.host.GetRawChunk();
    s.host.SetMode(kModeProgEdit);
    static bool started = false;
    if (!started || std::memcmp(image, &Pristine(), sizeof(CHUNK_REMOTESYNTH)) != 0) {
        std::memcpy(image, &Pristine(), sizeof(CHUNK_REMOTESYNTH));
        // A fresh image: effect slots rebind to its types.
        s.progEdit.OnReinitialized();
        s.combiEdit.OnReinitialized();
        s.multi.OnReinitialized();
        // The first read of the pristine state formats every row and keeps what each showed.
        if (!started) ReadSections(kDirtyAll, false);
        started = true;
    }
    unsigned dirty = 0;
    // Where a change lands, and every section that shows what it changed: the sound pairs share their
    // records, kit names show in programs, pattern names in every sound and the global data, and the
    // global data, control changes and knob writes reach everything.
    static const unsigned kByReceiver[6] = {kDirtyProg,  kDirtyProg,  kDirtyCombi,
                                            kDirtyCombi, kDirtyMulti, kDirtyAll};
    static const unsigned kByArray[3] = {
        kDirtyKits | kDirtyProg, kDirtyPatterns | kDirtyGlobal | kDirtyProg | kDirtyCombi | kDirtyMulti,
        kDirtyExts | kDirtyRtc};
    for (size_t at = 0; at + 6 <= size; at += 6) {
        const uint8_t* op = data + at;
        static const unsigned kByOp[6] = {0, 0, kDirtyAll, kDirtyRtc, kDirtyAll, 0};
        dirty |= kByOp[op[0] % 6];
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
    // Rows that show what they showed in the pristine state are not formatted again, unless the
    // names they list changed.
    ReadSections(dirty, Differs(*image, kAreaDrumKits) || Differs(*image, kAreaArpPatterns));
    return 0;
}
