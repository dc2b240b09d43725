// Values from the wire reach the sections unchecked: parameter changes received from the instrument
// (stored raw, unclamped), array element changes, control changes and mode changes. Whatever they
// hold, every row must then read, format and describe itself without leaving its records.
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "Support/SectionSet.h"

using namespace QorX0;

namespace {

SectionSet& Sections() {
    static SectionSet* s = new SectionSet(kPmidTolva);
    return *s;
}

void ReadAll(ISection* section) {
    if (!section) return;
    PARAMDESC d;
    // The drum kit's 128 keys repeat one layout: a sample of its rows is enough.
    const int count = section->GetParamCount(), step = count > 1000 ? 13 : 1;
    for (int i = 0; i < count; i += step) {
        if (!section->GetParamDescByIndex(static_cast<unsigned>(i), &d) || d.pid == kPidNone) continue;
        section->GetParamI(d.pid);
        section->GetParamS(d.pid);
    }
}

void ReadSound(ISoundSection& sound) {
    ReadAll(&sound);
    ReadAll(sound.GetIFX());
    ReadAll(sound.GetMFX1());
    ReadAll(sound.GetMFX2());
    for (ISectionList* list : {sound.GetTrack(), sound.GetToneAdj()})
        for (unsigned i = 0; list && i < list->GetCount(); ++i) ReadAll(list->GetAt(i));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    SectionSet& s = Sections();
    InitAllChunk(s.host.GetRawChunk());
    s.host.SetMode(kModeProgEdit);
    // A fresh image: effect slots rebind to its types.
    s.progEdit.OnReinitialized();
    s.combiEdit.OnReinitialized();
    s.multi.OnReinitialized();

    for (size_t at = 0; at + 6 <= size; at += 6) {
        const uint8_t* op = data + at;
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
    for (ISoundSection* sound : std::initializer_list<ISoundSection*>{&s.progPlay, &s.progEdit, &s.combiPlay,
                                                                      &s.combiEdit, &s.multi})
        ReadSound(*sound);
    for (ISection* sec :
         std::initializer_list<ISection*>{&s.global, &s.kits, &s.patterns, &s.exts, &s.rtc, &s.setup})
        ReadAll(sec);
    return 0;
}
