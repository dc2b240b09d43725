#pragma once
// The values of the initial records that differ from their rows' defaults.
#include <climits>

namespace QorX0 {

// A value for the rows of a table that match row. row is a row's long name, or "CAPTION/NAME" for
// the rows named NAME under the caption CAPTION (the last caption before the row). Values are in the
// field's own value space (list rows: the stored value, not the position). occurrence selects the
// n-th matching row of one record (from 0); -1 means every matching row.
struct INITVALUE {
    const char* row;
    int value;
    int occurrence = -1;
};

// Value placeholder: the index of the sub-record (timbre or track number) the row lies in.
constexpr int kInitSubIndex = INT_MIN;

struct INITVALUES {
    const INITVALUE* values;
    unsigned count;
};

template <unsigned N>
constexpr INITVALUES MakeInitValues(const INITVALUE (&values)[N]) {
    return INITVALUES{values, N};
}

extern const INITVALUES g_InitGlobal;
extern const INITVALUES g_InitDrumKit;
extern const INITVALUES g_InitArpPattern;
extern const INITVALUES g_InitExtControl;
extern const INITVALUES g_InitSetup;
extern const INITVALUES g_InitProgram;      // program record rows
extern const INITVALUES g_InitSoundCommon;  // combination and multi record rows
extern const INITVALUES g_InitTimbre;       // every combination timbre and multi track
extern const INITVALUES g_InitMultiTrack;   // multi tracks only
extern const INITVALUES g_InitToneAdjust;   // every tone-adjust record

// Global bytes no row covers, and the category names.
struct INITBYTE {
    unsigned offset;
    unsigned char value;
};
extern const INITBYTE g_InitGlobalBytes[6];
extern const char* const g_InitProgCategoryNames[16];
extern const char* const g_InitCombiCategoryNames[16];
constexpr unsigned kGlobalOffProgCategoryNames = 328;
constexpr unsigned kGlobalOffCombiCategoryNames = 584;

}  // namespace QorX0
