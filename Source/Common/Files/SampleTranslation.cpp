#include "Common/Files/SampleTranslation.h"

#include "Common/Model/SynthData.h"

namespace QorX0 {

namespace {

// Program: oscillator mode in the low 2 bits of this byte (0 single, 1 double, 2 drums).
constexpr unsigned kProgOffOscMode = 108;
// Sample fields of oscillator 1 and 2: 12-bit numbers, bits 8-11 in bits 0-3 of the first byte. Bits
// 4 and 5 of that byte are the START OFFSET and REVERSE switches, and bits 6 and 7 stay as they are.
constexpr unsigned kProgOffOsc1Samples[] = {134, 138};
constexpr unsigned kProgOffOsc2Samples[] = {288, 292};

// Drum kit: a 16-byte name, then 128 keys of 32 bytes. The high and low sample numbers are
// 16-bit big-endian fields at key offsets 2 and 14; bytes 1 and 13 before them hold switches.
constexpr unsigned kKitKeyCount = 128;
constexpr unsigned kKitKeySize = 32;
constexpr unsigned kKitOffKeySamples[] = {2, 14};
static_assert(kSizeName + kKitKeyCount * kKitKeySize == kSizeDrumKit);

uint16_t Lookup(unsigned n, const uint16_t* table, uint32_t entries) {
    return n < entries ? table[n] : 0;
}

void ConvertProgField(uint8_t* field, const uint16_t* table, uint32_t entries) {
    const unsigned n = ((field[0] & 0x0Fu) << 8) | field[1];
    const unsigned m = Lookup(n, table, entries) & 0x0FFFu;
    field[0] = static_cast<uint8_t>((field[0] & 0xF0u) | (m >> 8));
    field[1] = static_cast<uint8_t>(m & 0xFFu);
}

const SAMPLECONVERT kTolvaToNerimo{SAMPLECONVERT_MS_Qor30_Qor40, kMultisampleCountTolva,
                                   SAMPLECONVERT_DS_Qor30_Qor40, kDrumSampleCountTolva};
const SAMPLECONVERT kNerimoToTolva{SAMPLECONVERT_MS_Qor40_Qor30, kMultisampleCountNerimo,
                                   SAMPLECONVERT_DS_Qor40_Qor30, kDrumSampleCountNerimo};

}  // namespace

const SAMPLECONVERT* GetSampleConvert(uint8_t fileModel, uint8_t targetModel) {
    if (fileModel == kPmidTolva && targetModel == kPmidNerimo) return &kTolvaToNerimo;
    if (fileModel == kPmidNerimo && targetModel == kPmidTolva) return &kNerimoToTolva;
    return nullptr;
}

void ProgCvtSample(uint8_t* program, const uint16_t* table, uint32_t entries) {
    const unsigned mode = program[kProgOffOscMode] & 0x03u;
    if (mode == 2) return;
    for (unsigned off : kProgOffOsc1Samples) ConvertProgField(program + off, table, entries);
    if (mode == 1) {
        for (unsigned off : kProgOffOsc2Samples) ConvertProgField(program + off, table, entries);
    }
}

void DkitCvtSample(uint8_t* kit, const uint16_t* table, uint32_t entries) {
    for (unsigned key = 0; key < kKitKeyCount; ++key) {
        uint8_t* entry = kit + kSizeName + key * kKitKeySize;
        for (unsigned off : kKitOffKeySamples) {
            const unsigned n = (entry[off] << 8) | entry[off + 1];
            const unsigned m = Lookup(n, table, entries);
            entry[off] = static_cast<uint8_t>(m >> 8);
            entry[off + 1] = static_cast<uint8_t>(m & 0xFFu);
        }
    }
}

}  // namespace QorX0
