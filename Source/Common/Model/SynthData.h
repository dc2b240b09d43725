#pragma once
// The editor's image of the instrument's memory and the records that travel with it.
//
// Every subsystem (sections, bank lists, native files, PCG conversion, dump addressing, the simulated
// instrument) addresses the image through the area constants below and nothing else, so the layout
// lives in exactly one place.
#include <cstddef>
#include <cstdint>

namespace QorX0 {

// Model bytes of the device-inquiry reply.
constexpr unsigned char kPmidTolva = 1;
constexpr unsigned char kPmidNerimo = 9;

// Record sizes of one item of each kind, as the instrument stores and dumps them.
constexpr unsigned kSizeGlobal = 850;
constexpr unsigned kSizeDrumKit = 4112;
constexpr unsigned kSizeArpPattern = 320;
constexpr unsigned kSizeExtControl = 40;
constexpr unsigned kSizeProgram = 444;
constexpr unsigned kSizeCombi = 544;
constexpr unsigned kSizeMulti = 1220;
constexpr unsigned kSizeSetup = 96;          // the editor's own setup record, kept outside the image
constexpr unsigned kSizeCurSoundRecord = 8;  // bank, number, 2 zero bytes, 32-bit user-interface value
constexpr unsigned kSizeName = 16;           // space-padded name field at the start of named records

// Inner layout of the sound records.
constexpr unsigned kProgOffInsertFx = 16;
constexpr unsigned kProgOffMasterFx1 = 40;
constexpr unsigned kProgOffMasterFx2 = 60;
constexpr unsigned kSizeTimbre = 28;
constexpr unsigned kSizeToneAdjust = 24;
constexpr unsigned kCombiTimbreCount = 8;
constexpr unsigned kCombiOffTimbres = 128;
constexpr unsigned kCombiOffToneAdjust = 352;
constexpr unsigned kMultiTrackCount = 16;
constexpr unsigned kMultiOffTracks = 128;
constexpr unsigned kMultiOffToneAdjust = 576;
constexpr unsigned kMultiOffTrackNames = 960;

// Bank organisation.
constexpr unsigned kSoundsPerBank = 128;
constexpr unsigned kProgBankSlots = 5;  // room in the image; the Tolva shows only four
constexpr unsigned kCombiBankCount = 3;
constexpr unsigned kMultiBankCount = 1;
constexpr unsigned kPresetProgBankCount = 2;  // "G" and "g(d)", held in the preset image
constexpr unsigned kArpPresetCount = 5;       // UP, DOWN, ALT1, ALT2, RANDOM come before the user patterns
constexpr unsigned kDrumKitPresetCount = 9;

// Program banks of a model: the Tolva has A to D, every other model A to E.
constexpr unsigned ProgramBankCount(unsigned char pmid) {
    return pmid == kPmidTolva ? 4u : 5u;
}

// One area of the image: where it starts, how many records it holds and their size.
struct AREADESC {
    unsigned offset;
    unsigned count;
    unsigned recordSize;

    constexpr unsigned Size() const { return count * recordSize; }
    constexpr unsigned End() const { return offset + Size(); }
    // Image offset of record i of the area.
    constexpr unsigned At(unsigned i) const { return offset + i * recordSize; }
    // Image offset of sound n of bank b (for the banked areas).
    constexpr unsigned At(unsigned bank, unsigned n) const { return At(bank * kSoundsPerBank + n); }
    constexpr unsigned BankSize() const { return kSoundsPerBank * recordSize; }
};

constexpr AREADESC kAreaGlobal{0, 1, kSizeGlobal};
constexpr AREADESC kAreaDrumKits{kAreaGlobal.End(), 40, kSizeDrumKit};
constexpr AREADESC kAreaArpPatterns{kAreaDrumKits.End(), 251, kSizeArpPattern};
constexpr AREADESC kAreaExtControls{kAreaArpPatterns.End(), 64, kSizeExtControl};
constexpr AREADESC kAreaPrograms{kAreaExtControls.End(), kProgBankSlots* kSoundsPerBank, kSizeProgram};
constexpr AREADESC kAreaCombis{kAreaPrograms.End(), kCombiBankCount* kSoundsPerBank, kSizeCombi};
constexpr AREADESC kAreaMultis{kAreaCombis.End(), kMultiBankCount* kSoundsPerBank, kSizeMulti};
constexpr AREADESC kAreaCurProgram{kAreaMultis.End(), 1, kSizeProgram};
constexpr AREADESC kAreaCurCombi{kAreaCurProgram.End(), 1, kSizeCombi};
constexpr AREADESC kAreaCurMulti{kAreaCurCombi.End(), 1, kSizeMulti};
// The 25-byte tail: three current-sound records and the instrument's mode byte. Zero after init.
constexpr AREADESC kAreaTail{kAreaCurMulti.End(), 1, 25};
constexpr AREADESC kAreaCurProgramRecord{kAreaTail.offset, 1, kSizeCurSoundRecord};
constexpr AREADESC kAreaCurCombiRecord{kAreaCurProgramRecord.End(), 1, kSizeCurSoundRecord};
constexpr AREADESC kAreaCurMultiRecord{kAreaCurCombiRecord.End(), 1, kSizeCurSoundRecord};
constexpr unsigned kOffMode = kAreaCurMultiRecord.End();

constexpr unsigned kSizeImage = 899659;

static_assert(kAreaDrumKits.offset == 850);
static_assert(kAreaArpPatterns.offset == 165330);
static_assert(kAreaExtControls.offset == 245650);
static_assert(kAreaPrograms.offset == 248210 && kAreaPrograms.BankSize() == 56832);
static_assert(kAreaCombis.offset == 532370 && kAreaCombis.BankSize() == 69632);
static_assert(kAreaMultis.offset == 741266);
static_assert(kAreaCurProgram.offset == 897426);
static_assert(kAreaCurCombi.offset == 897870);
static_assert(kAreaCurMulti.offset == 898414);
static_assert(kAreaTail.offset == 899634 && kAreaTail.End() == kSizeImage);
static_assert(kAreaCurCombiRecord.offset == 899642 && kAreaCurMultiRecord.offset == 899650);
static_assert(kOffMode == 899658 && kOffMode + 1 == kSizeImage);

// Body of the instrument's all-data dump: global, kits, patterns, combinations, the model's program
// banks, multis, and (Nerimo only) the external-control sets.
constexpr unsigned AllDumpSize(unsigned char pmid) {
    return kAreaGlobal.Size() + kAreaDrumKits.Size() + kAreaArpPatterns.Size() + kAreaCombis.Size() +
           ProgramBankCount(pmid) * kAreaPrograms.BankSize() + kAreaMultis.Size() +
           (pmid == kPmidTolva ? 0u : kAreaExtControls.Size());
}
static_assert(AllDumpSize(kPmidTolva) == 838034 && AllDumpSize(kPmidNerimo) == 897426);

// The image itself: byte arrays only, so the struct has no padding and its members sit exactly at
// the area offsets above.
struct CHUNK_REMOTESYNTH {
    uint8_t global[kSizeGlobal];
    uint8_t drumkit[40][kSizeDrumKit];
    uint8_t arppattern[251][kSizeArpPattern];
    uint8_t extcontrol[64][kSizeExtControl];
    uint8_t program[kProgBankSlots][kSoundsPerBank][kSizeProgram];
    uint8_t combi[kCombiBankCount][kSoundsPerBank][kSizeCombi];
    uint8_t multi[kSoundsPerBank][kSizeMulti];
    uint8_t curprogram[kSizeProgram];
    uint8_t curcombi[kSizeCombi];
    uint8_t curmulti[kSizeMulti];
    uint8_t curprogramrec[kSizeCurSoundRecord];
    uint8_t curcombirec[kSizeCurSoundRecord];
    uint8_t curmultirec[kSizeCurSoundRecord];
    uint8_t mode;

    uint8_t* Bytes() { return reinterpret_cast<uint8_t*>(this); }
    const uint8_t* Bytes() const { return reinterpret_cast<const uint8_t*>(this); }
    uint8_t* At(const AREADESC& area, unsigned i = 0) { return Bytes() + area.At(i); }
    const uint8_t* At(const AREADESC& area, unsigned i = 0) const { return Bytes() + area.At(i); }
};

static_assert(sizeof(CHUNK_REMOTESYNTH) == kSizeImage);
static_assert(offsetof(CHUNK_REMOTESYNTH, drumkit) == kAreaDrumKits.offset);
static_assert(offsetof(CHUNK_REMOTESYNTH, arppattern) == kAreaArpPatterns.offset);
static_assert(offsetof(CHUNK_REMOTESYNTH, extcontrol) == kAreaExtControls.offset);
static_assert(offsetof(CHUNK_REMOTESYNTH, program) == kAreaPrograms.offset);
static_assert(offsetof(CHUNK_REMOTESYNTH, combi) == kAreaCombis.offset);
static_assert(offsetof(CHUNK_REMOTESYNTH, multi) == kAreaMultis.offset);
static_assert(offsetof(CHUNK_REMOTESYNTH, curprogram) == kAreaCurProgram.offset);
static_assert(offsetof(CHUNK_REMOTESYNTH, curcombi) == kAreaCurCombi.offset);
static_assert(offsetof(CHUNK_REMOTESYNTH, curmulti) == kAreaCurMulti.offset);
static_assert(offsetof(CHUNK_REMOTESYNTH, curprogramrec) == kAreaCurProgramRecord.offset);
static_assert(offsetof(CHUNK_REMOTESYNTH, curcombirec) == kAreaCurCombiRecord.offset);
static_assert(offsetof(CHUNK_REMOTESYNTH, curmultirec) == kAreaCurMultiRecord.offset);
static_assert(offsetof(CHUNK_REMOTESYNTH, mode) == kOffMode);

// A sound's bank and number; 255 in both means unknown.
struct SOUNDINDEX {
    uint8_t bank;
    uint8_t number;
};
static_assert(sizeof(SOUNDINDEX) == 2);

// Realtime-control state: one row per multi track (row 0 outside multi mode) of eight knobs, page A
// cutoff, resonance/HPF, EG intensity, EG release, then page B knobs 1 to 4. Bit 7 = moved, bits 0-6
// the value; 0 = not moved.
struct RTCSTAT {
    uint8_t knob[16][8];
};
static_assert(sizeof(RTCSTAT) == 128);

// Transfer filter built from the setup's total-recall switches; also the first 12 bytes of a filtered
// native file and of a bank chunk.
struct FXBFILTERINFO {
    uint8_t combiBank;     // 0-2 one bank; top bit set: all banks
    uint8_t combiCount;    // 128 or 0
    uint8_t multiBank;     // 0xFF: all
    uint8_t multiCount;    // 128 or 0
    uint8_t progBank;      // 0-4 one bank; top bit set: all banks
    uint8_t progCount;     // 128 or 0
    uint8_t drumkitCount;  // 40 or 0
    uint8_t arpCount;      // 251 or 0
    uint8_t extCount;      // 64 (Nerimo only) or 0
    uint8_t global;        // 1 or 0
    uint8_t reserved[2];
};
static_assert(sizeof(FXBFILTERINFO) == 12);

// Initial records, one per kind: read-only data built from the tables on first use. Each name is a
// constant (no start-up code of its own), so it may be read from any initialiser of the program;
// it reads as a pointer to the record's bytes.
class InitRecord {
public:
    enum Kind : unsigned { Global, DrumKit, ArpPattern, ExtControl, Program, Combi, Multi, Setup };
    constexpr explicit InitRecord(Kind kind) : m_kind(kind) {}
    const uint8_t* data() const;
    operator const uint8_t*() const { return data(); }

private:
    Kind m_kind;
};
inline constexpr InitRecord INITCHUNK_GLOBAL{InitRecord::Global};          // kSizeGlobal bytes
inline constexpr InitRecord INITCHUNK_DRUMKIT{InitRecord::DrumKit};        // kSizeDrumKit
inline constexpr InitRecord INITCHUNK_ARPPATTERN{InitRecord::ArpPattern};  // kSizeArpPattern
inline constexpr InitRecord INITCHUNK_EXTCONTROL{InitRecord::ExtControl};  // kSizeExtControl
inline constexpr InitRecord INITCHUNK_PROG{InitRecord::Program};           // kSizeProgram
inline constexpr InitRecord INITCHUNK_COMBI{InitRecord::Combi};            // kSizeCombi
inline constexpr InitRecord INITCHUNK_MULTI{InitRecord::Multi};            // kSizeMulti
inline constexpr InitRecord INITCHUNK_SETUP{InitRecord::Setup};            // kSizeSetup

// Fills the whole image with the initial record of every kind and zeroes the tail.
void InitAllChunk(CHUNK_REMOTESYNTH* image);

}  // namespace QorX0
