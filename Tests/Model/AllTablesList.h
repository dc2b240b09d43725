#pragma once
// Every parameter table of the model, with the size of the record its rows lie over.
#include <vector>

#include "Common/Model/ParamTable.h"
#include "Common/Model/SynthData.h"
#include "Common/Model/Tables/EffectTables.h"
#include "Common/Model/Tables/SmallTables.h"
#include "Common/Model/Tables/SoundTables.h"

namespace QorX0 {

struct TableCase {
    const char* name;
    const TABLEDESC* table;
    unsigned recordSize;
    bool section;  // rows are a section's parameters (templates are not)
};

inline std::vector<TableCase> AllTables() {
    std::vector<TableCase> tables = {
        {"SETUP", &TABLEDESC_SETUP, kSizeSetup, true},
        {"RTCTL", &TABLEDESC_RTCTL, kSizeRtcState, true},
        {"EXTCONTROL", &TABLEDESC_EXTCONTROL, kSizeExtControl, true},
        {"TONEADJ", &TABLEDESC_TONEADJ, kSizeToneAdjust, true},
        {"TONEADJDESTTMPL", &TABLEDESC_TONEADJDESTTMPL, 2, false},  // laid over a 2-byte value field
        {"COMBIPLAYTRK", &TABLEDESC_COMBIPLAYTRK, kSizeTimbre, true},
        {"PROGPLAY", &TABLEDESC_PROGPLAY, kSizeProgram, true},
        {"COMBIPLAY", &TABLEDESC_COMBIPLAY, kSizeCombi, true},
        {"DRUMKIT", &TABLEDESC_DRUMKIT, kSizeDrumKit, true},
        {"ARPPATTERN", &TABLEDESC_ARPPATTERN, kSizeArpPattern, true},
        {"GLOBAL", &TABLEDESC_GLOBAL, kSizeGlobal, true},
        {"PROGEDIT", &TABLEDESC_PROGEDIT, kSizeProgram, true},
        {"COMBIEDIT", &TABLEDESC_COMBIEDIT, kSizeCombi, true},
        {"COMBIEDITTRK", &TABLEDESC_COMBIEDITTRK, kSizeTimbre, true},
        {"MULTI", &TABLEDESC_MULTI, kSizeMulti, true},
        {"MULTITRK", &TABLEDESC_MULTITRK, kSizeTimbre, true},
    };
    for (unsigned t = 0; t < kFxTypeCount; ++t)
        tables.push_back({"EFFECT", &TABLEARRAY_FX[t], kSizeFxParams, true});
    return tables;
}

}  // namespace QorX0
