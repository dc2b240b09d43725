#pragma once
// The instrument's fixed presets: the GM programs of bank "G", the GM drum programs of bank "g(d)",
// the preset drum kits and the preset arpeggio patterns (our own initial sounds under their names).
#include <cstdint>

#include "Common/Model/SynthData.h"

namespace QorX0 {

constexpr unsigned kGMDrumProgramCount = 9;

// GM program i (0-127) of a model, and GM drum program k (0-8), 444 bytes each.
const uint8_t* PresetProgramGM(unsigned char pmid, unsigned i);
const uint8_t* PresetProgramGMD(unsigned k);
// Which drum program bank "g(d)" holds at program i.
extern const uint8_t VINITINDICES_PROG_GMD[kSoundsPerBank];

// Fills the 2 x 128 x 444-byte preset image: "G" program i, then "g(d)" program i.
void FillPresetImage(uint8_t* presetImage, unsigned char pmid);

// The five preset arpeggio patterns (UP, DOWN, ALT1, ALT2, RANDOM), 320 bytes each, one after the other.
const uint8_t* PresetArpPatterns();
// The 16-character name fields of the nine preset drum kits (STANDARD ... SFX), by model.
const char* const* PresetDrumKitNames(unsigned char pmid);

}  // namespace QorX0
