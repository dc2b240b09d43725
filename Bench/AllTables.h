#pragma once
// Every parameter table with the record size it is bound to, for the benchmarks that bind them all.
#include <vector>

#include "Common/Model/ParamTable.h"
#include "Common/Model/SynthData.h"
#include "Common/Model/Tables/EffectTables.h"
#include "Common/Model/Tables/SmallTables.h"
#include "Common/Model/Tables/SoundTables.h"

namespace QorX0::bench {

struct TableSize {
    const TABLEDESC* table;
    unsigned size;
};

inline std::vector<TableSize> AllTables() {
    std::vector<TableSize> tables = {
        {&TABLEDESC_SETUP, kSizeSetup},           {&TABLEDESC_RTCTL, kSizeRtcState},
        {&TABLEDESC_GLOBAL, kSizeGlobal},         {&TABLEDESC_EXTCONTROL, kSizeExtControl},
        {&TABLEDESC_ARPPATTERN, kSizeArpPattern}, {&TABLEDESC_DRUMKIT, kSizeDrumKit},
        {&TABLEDESC_PROGPLAY, kSizeProgram},      {&TABLEDESC_PROGEDIT, kSizeProgram},
        {&TABLEDESC_COMBIPLAY, kSizeCombi},       {&TABLEDESC_COMBIPLAYTRK, kSizeTimbre},
        {&TABLEDESC_COMBIEDIT, kSizeCombi},       {&TABLEDESC_COMBIEDITTRK, kSizeTimbre},
        {&TABLEDESC_TONEADJ, kSizeToneAdjust},    {&TABLEDESC_TONEADJDESTTMPL, 2},
        {&TABLEDESC_MULTI, kSizeMulti},           {&TABLEDESC_MULTITRK, kSizeTimbre},
    };
    for (unsigned t = 0; t < kFxTypeCount; ++t) tables.push_back({&TABLEARRAY_FX[t], kSizeFxParams});
    return tables;
}

}  // namespace QorX0::bench
