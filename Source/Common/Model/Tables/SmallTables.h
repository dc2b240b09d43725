#pragma once
// The small parameter tables: setup, realtime controls, external-control set, tone adjust and its
// destination templates, the play views of programs, combinations and timbres, drum kit and
// arpeggio pattern.
#include "Common/Model/ParamDesc.h"

namespace QorX0 {

extern const TABLEDESC TABLEDESC_SETUP;            // setup record, 96 bytes
extern const TABLEDESC TABLEDESC_RTCTL;            // realtime-control state, 16 bytes
extern const TABLEDESC TABLEDESC_EXTCONTROL;       // external-control set, 40 bytes
extern const TABLEDESC TABLEDESC_TONEADJ;          // tone adjust, 24 bytes
extern const TABLEDESC TABLEDESC_TONEADJDESTTMPL;  // value-row templates, one per destination
extern const TABLEDESC TABLEDESC_COMBIPLAYTRK;     // timbre play view, 28 bytes
extern const TABLEDESC TABLEDESC_PROGPLAY;         // program play view, 444 bytes
extern const TABLEDESC TABLEDESC_COMBIPLAY;        // combination play view, 544 bytes
extern const TABLEDESC TABLEDESC_DRUMKIT;          // drum kit, 4112 bytes
extern const TABLEDESC TABLEDESC_ARPPATTERN;       // arpeggio pattern, 320 bytes

// Record sizes the tables above describe (the rest come from SynthData.h).
constexpr unsigned kSizeRtcState = 16;

}  // namespace QorX0
