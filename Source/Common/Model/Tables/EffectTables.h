#pragma once
// Parameter tables of the ninety effect types. An effect slot of a program, combination or multi
// keeps its parameters in a 16-byte block whose layout depends on the slot's effect type; each table
// describes that block for one type, PIDs local to the slot (the slot's section adds its base).
#include <cstdint>

#include "Common/Model/ParamDesc.h"

namespace QorX0 {

constexpr unsigned kFxTypeCount = 90;
constexpr unsigned kSizeFxParams = 16;

// Labels of the effect types, "00:No Effect" to "89:Reverb - Gate", as a list format for the
// effect-type rows of programs, combinations and multis.
extern const char kFormatFxType[];

// One table per effect type.
extern const PARAMDESC TABLE_EFFECT00[1];   // 00:No Effect
extern const PARAMDESC TABLE_EFFECT01[5];   // 01:St. Amp Simulation
extern const PARAMDESC TABLE_EFFECT02[15];  // 02:Stereo Compressor
extern const PARAMDESC TABLE_EFFECT03[19];  // 03:Stereo Limiter
extern const PARAMDESC TABLE_EFFECT04[17];  // 04:Multiband Limiter
extern const PARAMDESC TABLE_EFFECT05[12];  // 05:Stereo Gate
extern const PARAMDESC TABLE_EFFECT06[34];  // 06:OD/Hi.Gain Wah
extern const PARAMDESC TABLE_EFFECT07[31];  // 07:St. Parametric 4EQ
extern const PARAMDESC TABLE_EFFECT08[15];  // 08:St. Graphic 7EQ
extern const PARAMDESC TABLE_EFFECT09[25];  // 09:St. Wah/Auto Wah
extern const PARAMDESC TABLE_EFFECT10[29];  // 10:St. Random Filter
extern const PARAMDESC TABLE_EFFECT11[24];  // 11:St. Exciter/Enhncr
extern const PARAMDESC TABLE_EFFECT12[17];  // 12:St. Sub Oscillator
extern const PARAMDESC TABLE_EFFECT13[25];  // 13:Talking Modulator
extern const PARAMDESC TABLE_EFFECT14[25];  // 14:Stereo Decimator
extern const PARAMDESC TABLE_EFFECT15[24];  // 15:St. Analog Record
extern const PARAMDESC TABLE_EFFECT16[27];  // 16:St. Chorus
extern const PARAMDESC TABLE_EFFECT17[29];  // 17:St. Harmonic Chorus
extern const PARAMDESC TABLE_EFFECT18[32];  // 18:Multitap Cho/Dly
extern const PARAMDESC TABLE_EFFECT19[13];  // 19:Ensemble
extern const PARAMDESC TABLE_EFFECT20[25];  // 20:Stereo Flanger
extern const PARAMDESC TABLE_EFFECT21[28];  // 21:St. Random Flanger
extern const PARAMDESC TABLE_EFFECT22[21];  // 22:St. Env. Flanger
extern const PARAMDESC TABLE_EFFECT23[27];  // 23:Stereo Phaser
extern const PARAMDESC TABLE_EFFECT24[28];  // 24:St. Random Phaser
extern const PARAMDESC TABLE_EFFECT25[21];  // 25:St. Env Phaser
extern const PARAMDESC TABLE_EFFECT26[28];  // 26:St.Biphase Mod.
extern const PARAMDESC TABLE_EFFECT27[28];  // 27:Stereo Vibrato
extern const PARAMDESC TABLE_EFFECT28[28];  // 28:St. Auto Fade Mod.
extern const PARAMDESC TABLE_EFFECT29[28];  // 29:2Voice Resonator
extern const PARAMDESC TABLE_EFFECT30[27];  // 30:Doppler
extern const PARAMDESC TABLE_EFFECT31[15];  // 31:Scratch
extern const PARAMDESC TABLE_EFFECT32[21];  // 32:Stereo Tremolo
extern const PARAMDESC TABLE_EFFECT33[18];  // 33:St. Env. Tremolo
extern const PARAMDESC TABLE_EFFECT34[21];  // 34:Stereo Auto Pan
extern const PARAMDESC TABLE_EFFECT35[32];  // 35:St. Phaser + Trml
extern const PARAMDESC TABLE_EFFECT36[28];  // 36:St. Ring Modulator
extern const PARAMDESC TABLE_EFFECT37[15];  // 37:Detune
extern const PARAMDESC TABLE_EFFECT38[21];  // 38:Pitch Shifter
extern const PARAMDESC TABLE_EFFECT39[22];  // 39:Pitch Shift Mod.
extern const PARAMDESC TABLE_EFFECT40[26];  // 40:Rotary Speaker
extern const PARAMDESC TABLE_EFFECT41[13];  // 41:Early Reflections
extern const PARAMDESC TABLE_EFFECT42[16];  // 42:Auto Reverse
extern const PARAMDESC TABLE_EFFECT43[27];  // 43:L/C/R Delay
extern const PARAMDESC TABLE_EFFECT44[23];  // 44:Stereo/Cross Delay
extern const PARAMDESC TABLE_EFFECT45[24];  // 45:St. Multitap Delay
extern const PARAMDESC TABLE_EFFECT46[29];  // 46:St. Modulation Delay
extern const PARAMDESC TABLE_EFFECT47[22];  // 47:St. Dynamic Delay
extern const PARAMDESC TABLE_EFFECT48[23];  // 48:St. Auto Panning Dly
extern const PARAMDESC TABLE_EFFECT49[29];  // 49:L/C/R BPM Delay
extern const PARAMDESC TABLE_EFFECT50[29];  // 50:St. BPM Delay
extern const PARAMDESC TABLE_EFFECT51[21];  // 51:Sequence Delay
extern const PARAMDESC TABLE_EFFECT52[14];  // 52:Reverb Hall
extern const PARAMDESC TABLE_EFFECT53[14];  // 53:Reverb SmoothHall
extern const PARAMDESC TABLE_EFFECT54[14];  // 54:Reverb Wet Plate
extern const PARAMDESC TABLE_EFFECT55[14];  // 55:Reverb Dry Plate
extern const PARAMDESC TABLE_EFFECT56[17];  // 56:Reverb Room
extern const PARAMDESC TABLE_EFFECT57[17];  // 57:Reverb BrightRoom
extern const PARAMDESC TABLE_EFFECT58[29];  // 58:P4EQ - Exciter
extern const PARAMDESC TABLE_EFFECT59[34];  // 59:P4EQ - Wah
extern const PARAMDESC TABLE_EFFECT60[32];  // 60:P4EQ  - Cho/Flng
extern const PARAMDESC TABLE_EFFECT61[32];  // 61:P4EQ - Phaser
extern const PARAMDESC TABLE_EFFECT62[32];  // 62:P4EQ - Mt. Delay
extern const PARAMDESC TABLE_EFFECT63[26];  // 63:Comp - Wah
extern const PARAMDESC TABLE_EFFECT64[18];  // 64:Comp - Amp Sim
extern const PARAMDESC TABLE_EFFECT65[29];  // 65:Comp - OD/HiGain
extern const PARAMDESC TABLE_EFFECT66[29];  // 66:Comp - Param4EQ
extern const PARAMDESC TABLE_EFFECT67[26];  // 67:Comp - Cho/Flng
extern const PARAMDESC TABLE_EFFECT68[26];  // 68:Comp - Phaser
extern const PARAMDESC TABLE_EFFECT69[25];  // 69:Comp - Mt.Delay
extern const PARAMDESC TABLE_EFFECT70[32];  // 70:Limiter - P4EQ
extern const PARAMDESC TABLE_EFFECT71[26];  // 71:Limiter - Cho/Flng
extern const PARAMDESC TABLE_EFFECT72[25];  // 72:Limiter - Phaser
extern const PARAMDESC TABLE_EFFECT73[24];  // 73:Limiter - Mt. Delay
extern const PARAMDESC TABLE_EFFECT74[20];  // 74:Exciter - Comp
extern const PARAMDESC TABLE_EFFECT75[23];  // 75:Exciter - Limiter
extern const PARAMDESC TABLE_EFFECT76[23];  // 76:Exciter - Cho/Flng
extern const PARAMDESC TABLE_EFFECT77[23];  // 77:Exciter - Phaser
extern const PARAMDESC TABLE_EFFECT78[22];  // 78:Exciter - Mt.Delay
extern const PARAMDESC TABLE_EFFECT79[28];  // 79:OD/HG - Amp Sim
extern const PARAMDESC TABLE_EFFECT80[35];  // 80:OD/HG - Cho/Flng
extern const PARAMDESC TABLE_EFFECT81[35];  // 81:OD/HG - Phaser
extern const PARAMDESC TABLE_EFFECT82[31];  // 82:OD/HG - Mt. Delay
extern const PARAMDESC TABLE_EFFECT83[16];  // 83:Wah - Amp Sim
extern const PARAMDESC TABLE_EFFECT84[14];  // 84:Decimator - Amp
extern const PARAMDESC TABLE_EFFECT85[16];  // 85:Decimator - Comp
extern const PARAMDESC TABLE_EFFECT86[12];  // 86:Amp Sim - Tremolo
extern const PARAMDESC TABLE_EFFECT87[22];  // 87:Cho/Flng - Mt.Dly
extern const PARAMDESC TABLE_EFFECT88[23];  // 88:Phaser - Cho/Flng
extern const PARAMDESC TABLE_EFFECT89[21];  // 89:Reverb - Gate

// Table of effect type t at index t.
extern const TABLEDESC TABLEARRAY_FX[kFxTypeCount];

// Initial parameter block of each effect type: every row's default, as the block is reset to when
// the slot's effect type changes.
extern const uint8_t VINITCHUNK_FX[kFxTypeCount][kSizeFxParams];

// The table of an effect type; types above the last one take the last table.
inline const TABLEDESC& FxTable(unsigned type) {
    return TABLEARRAY_FX[type < kFxTypeCount ? type : kFxTypeCount - 1];
}

}  // namespace QorX0
