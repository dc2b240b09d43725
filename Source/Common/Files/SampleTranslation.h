#pragma once
// Translation of multisample and drum-sample numbers between the two models, applied when a file
// of one model is loaded by the other.
#include <cstdint>

#include "Common/Model/Tables/SampleNames.h"

namespace QorX0 {

// Indexed by the file model's sample number; the entry is the number on the target model.
extern const uint16_t SAMPLECONVERT_MS_Qor30_Qor40[kMultisampleCountTolva];   // Tolva -> Nerimo
extern const uint16_t SAMPLECONVERT_MS_Qor40_Qor30[kMultisampleCountNerimo];  // Nerimo -> Tolva
extern const uint16_t SAMPLECONVERT_DS_Qor30_Qor40[kDrumSampleCountTolva];    // Tolva -> Nerimo
extern const uint16_t SAMPLECONVERT_DS_Qor40_Qor30[kDrumSampleCountNerimo];   // Nerimo -> Tolva

// The tables for loading a file of fileModel into targetModel; null when no translation applies
// (same model, or a model other than 1 and 9).
struct SAMPLECONVERT {
    const uint16_t* prog;
    uint32_t progEntries;
    const uint16_t* dkit;
    uint32_t dkitEntries;
};
const SAMPLECONVERT* GetSampleConvert(uint8_t fileModel, uint8_t targetModel);

// Program record (444 bytes): translates the 12-bit sample numbers of the oscillators in use; a
// drum program is left alone. A number at or beyond entries becomes 0; the switches and other bits
// sharing the number's first byte are kept.
void ProgCvtSample(uint8_t* program, const uint16_t* table, uint32_t entries);

// Drum-kit record (4112 bytes): translates the high and low sample numbers of each of the 128 keys.
// A number at or beyond entries becomes 0; the flag bytes beside them are kept.
void DkitCvtSample(uint8_t* kit, const uint16_t* table, uint32_t entries);

}  // namespace QorX0
