#pragma once
// What a save or load of a data file needs, and the kinds of data files and streams.
#include <cstdint>

#include "Common/Model/SynthData.h"

namespace QorX0 {

// Kind of a data file or stream. 1..16 native kinds, 17 plug-in bank, 18..20 plug-in presets,
// 21..26 PCG kinds 2..7; 0 unknown.
enum FTYPE : uint32_t {
    FTYPE_UNKNOWN = 0,
    FTYPE_ALL = 1,
    FTYPE_FILTERED = 2,
    FTYPE_ALLPROG = 3,
    FTYPE_ALLCOMBI = 4,
    FTYPE_ALLMULTI = 5,
    FTYPE_BANKPROG = 6,
    FTYPE_BANKCOMBI = 7,
    FTYPE_PROG = 8,
    FTYPE_COMBI = 9,
    FTYPE_MULTI = 10,
    FTYPE_ALLDKIT = 11,
    FTYPE_ALLAPAT = 12,
    FTYPE_ALLEXTC = 13,
    FTYPE_DKIT = 14,
    FTYPE_APAT = 15,
    FTYPE_EXTC = 16,
    FTYPE_VSTBANK = 17,
    FTYPE_VSTPROG = 18,
    FTYPE_VSTCOMBI = 19,
    FTYPE_VSTMULTI = 20,
    FTYPE_PCG_FIRST = 21,  // PCG kind = FTYPE - 19
    FTYPE_PCG_LAST = 26,
};

struct PERSISTPARAMS {
    FTYPE kind;                // what to write; on loading, what was found
    uint32_t index;            // bank (kinds 6, 7) or item (kinds 14, 15, 16)
    CHUNK_REMOTESYNTH* image;  // source or destination
    FXBFILTERINFO filter;      // kinds 2 and 17
    RTCSTAT rtc;               // written after kinds 1, 2, 17; filled when they are read
};

}  // namespace QorX0
