#pragma once
// The large parameter tables: global record, program edit, combination edit and its timbres, multi and
// its tracks. Record sizes are those of SynthData.h.
#include "Common/Model/ParamDesc.h"

namespace QorX0 {

extern const TABLEDESC TABLEDESC_GLOBAL;        // global record, 850 bytes
extern const TABLEDESC TABLEDESC_PROGEDIT;      // program, 444 bytes
extern const TABLEDESC TABLEDESC_COMBIEDIT;     // combination, 544 bytes
extern const TABLEDESC TABLEDESC_COMBIEDITTRK;  // combination timbre, 28 bytes
extern const TABLEDESC TABLEDESC_MULTI;         // multi, 1220 bytes
extern const TABLEDESC TABLEDESC_MULTITRK;      // multi track, 28 bytes

}  // namespace QorX0
