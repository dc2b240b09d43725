#include "Common/Model/Presets.h"

#include <cstring>

#include "Common/Model/Tables/PresetNames.h"

namespace QorX0 {

namespace {

void PutName(uint8_t* record, const char* name) {
    size_t n = strnlen(name, kSizeName);
    memset(record, ' ', kSizeName);
    memcpy(record, name, n);
}

// The GM programs are the initial program under their own names; both models share them.
struct PresetRecords {
    uint8_t gm[kSoundsPerBank][kSizeProgram];
    uint8_t gmd[kGMDrumProgramCount][kSizeProgram];
    uint8_t arp[kArpPresetCount][kSizeArpPattern];

    PresetRecords() {
        for (unsigned i = 0; i < kSoundsPerBank; ++i) {
            memcpy(gm[i], INITCHUNK_PROG, kSizeProgram);
            PutName(gm[i], g_GMProgramNames[i]);
        }
        for (unsigned k = 0; k < kGMDrumProgramCount; ++k) {
            memcpy(gmd[k], INITCHUNK_PROG, kSizeProgram);
            PutName(gmd[k], g_GMDrumProgramNames[k]);
        }
        for (unsigned p = 0; p < kArpPresetCount; ++p) {
            memcpy(arp[p], INITCHUNK_ARPPATTERN, kSizeArpPattern);
            PutName(arp[p], g_PresetArpPatternNames[p]);
        }
    }
};

const PresetRecords& Records() {
    static const PresetRecords records;
    return records;
}

}  // namespace

const uint8_t VINITINDICES_PROG_GMD[kSoundsPerBank] = {
    0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 1, 1, 1, 1, 2, 2, 2, 2, 2, 2, 2, 2, 3, 4, 4, 4, 4, 4, 4, 4,
    5, 5, 5, 5, 5, 5, 5, 5, 6, 6, 6, 6, 6, 6, 6, 6, 7, 7, 7, 7, 7, 7, 7, 7, 8, 8, 8, 8, 8, 8, 8, 8,
    0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
    0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
};

const uint8_t* PresetProgramGM(unsigned char, unsigned i) {
    return Records().gm[i % kSoundsPerBank];
}

const uint8_t* PresetProgramGMD(unsigned k) {
    return Records().gmd[k % kGMDrumProgramCount];
}

void FillPresetImage(uint8_t* presetImage, unsigned char pmid) {
    for (unsigned i = 0; i < kSoundsPerBank; ++i) {
        memcpy(presetImage + i * kSizeProgram, PresetProgramGM(pmid, i), kSizeProgram);
        memcpy(presetImage + (kSoundsPerBank + i) * kSizeProgram, PresetProgramGMD(VINITINDICES_PROG_GMD[i]),
               kSizeProgram);
    }
}

const uint8_t* PresetArpPatterns() {
    return Records().arp[0];
}

const char* const* PresetDrumKitNames(unsigned char) {
    return g_PresetDrumKitNames;
}

}  // namespace QorX0
