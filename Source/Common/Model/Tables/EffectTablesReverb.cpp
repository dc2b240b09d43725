// Effect parameter tables: reverbs (effect types 52 to 57).
// Row columns: name, unit, PID, PTYPE, ATYPE, offset, low bit, high bit, default, minimum, maximum,
// initial, flags, format. Captions named by a line feed start a new column on the effect page; captions
// with an empty name leave a blank line.
#include "Common/Model/Tables/EffectFormats.h"
#include "Common/Model/Tables/EffectTables.h"

namespace QorX0 {

// One row per line keeps the tables readable.
// clang-format off

// 52:Reverb Hall
const PARAMDESC TABLE_EFFECT52[14] = {
    {"Rev Time\0" "Rev Time", "s", 0x00, kPTypeCont, kATypeUBF8, 0, 1, 7, 25, 1, 100, 25, 0, kFxFmtReverbTime},
    {"\0" "", nullptr, kPidNone, kPTypeCaption, kATypeNone, 0, 0, 0, 0, 0, 0, 0, 0, nullptr},
    {"High Damp\0" "High Damp", nullptr, 0x01, kPTypeCont, kATypeUBF8, 1, 1, 7, 30, 0, 100, 30, 0, kFxFmtNumber},
    {"\0" "", nullptr, kPidNone, kPTypeCaption, kATypeNone, 0, 0, 0, 0, 0, 0, 0, 0, nullptr},
    {"Pre Dly\0" "Pre Dly", "ms", 0x02, kPTypeCont, kATypeUBF8, 2, 0, 7, 20, 0, 200, 20, 0, kFxFmtNumber},
    {"\0" "", nullptr, kPidNone, kPTypeCaption, kATypeNone, 0, 0, 0, 0, 0, 0, 0, 0, nullptr},
    {"Dly Thru\0" "Dly Thru", nullptr, 0x03, kPTypeCont, kATypeUBF8, 3, 1, 7, 0, 0, 100, 0, 0, kFxFmtNumber},
    {"EQ Trim\0" "EQ Trim", nullptr, 0x04, kPTypeCont, kATypeUBF8, 4, 1, 7, 100, 0, 100, 100, 0, kFxFmtNumber},
    {"Lo EQ\0" "Lo EQ", "dB", 0x05, kPTypeCont, kATypeSBF8, 5, 3, 7, 0, -15, 15, 0, 0, kFxFmtSigned},
    {"Hi EQ\0" "Hi EQ", "dB", 0x06, kPTypeCont, kATypeSBF8, 6, 3, 7, 0, -15, 15, 0, 0, kFxFmtSigned},
    {"\n\0" "\n", nullptr, kPidNone, kPTypeCaption, kATypeNone, 0, 0, 0, 0, 0, 0, 0, 0, nullptr},
    {"Wet/Dry\0" "Wet/Dry", nullptr, 0x07, kPTypeCont, kATypeUBF8, 7, 1, 7, 50, 0, 100, 50, 0, kFxFmtWetDry},
    {"Source\0" "Source", nullptr, 0x08, kPTypeList, kATypeUBF8, 8, 3, 7, 0, 0, 24, 0, 0, kFxFmtSource},
    {"Amount\0" "Amount", nullptr, 0x09, kPTypeCont, kATypeSBF8, 9, 1, 7, 0, -50, 50, 0, 0, kFxFmtBipolar},
};

// 53:Reverb SmoothHall
const PARAMDESC TABLE_EFFECT53[14] = {
    {"Rev Time\0" "Rev Time", "s", 0x00, kPTypeCont, kATypeUBF8, 0, 1, 7, 25, 1, 100, 25, 0, kFxFmtReverbTime},
    {"\0" "", nullptr, kPidNone, kPTypeCaption, kATypeNone, 0, 0, 0, 0, 0, 0, 0, 0, nullptr},
    {"High Damp\0" "High Damp", nullptr, 0x01, kPTypeCont, kATypeUBF8, 1, 1, 7, 30, 0, 100, 30, 0, kFxFmtNumber},
    {"\0" "", nullptr, kPidNone, kPTypeCaption, kATypeNone, 0, 0, 0, 0, 0, 0, 0, 0, nullptr},
    {"Pre Dly\0" "Pre Dly", "ms", 0x02, kPTypeCont, kATypeUBF8, 2, 0, 7, 20, 0, 200, 20, 0, kFxFmtNumber},
    {"\0" "", nullptr, kPidNone, kPTypeCaption, kATypeNone, 0, 0, 0, 0, 0, 0, 0, 0, nullptr},
    {"Dly Thru\0" "Dly Thru", nullptr, 0x03, kPTypeCont, kATypeUBF8, 3, 1, 7, 0, 0, 100, 0, 0, kFxFmtNumber},
    {"EQ Trim\0" "EQ Trim", nullptr, 0x04, kPTypeCont, kATypeUBF8, 4, 1, 7, 100, 0, 100, 100, 0, kFxFmtNumber},
    {"Lo EQ\0" "Lo EQ", "dB", 0x05, kPTypeCont, kATypeSBF8, 5, 3, 7, 0, -15, 15, 0, 0, kFxFmtSigned},
    {"Hi EQ\0" "Hi EQ", "dB", 0x06, kPTypeCont, kATypeSBF8, 6, 3, 7, 0, -15, 15, 0, 0, kFxFmtSigned},
    {"\n\0" "\n", nullptr, kPidNone, kPTypeCaption, kATypeNone, 0, 0, 0, 0, 0, 0, 0, 0, nullptr},
    {"Wet/Dry\0" "Wet/Dry", nullptr, 0x07, kPTypeCont, kATypeUBF8, 7, 1, 7, 50, 0, 100, 50, 0, kFxFmtWetDry},
    {"Source\0" "Source", nullptr, 0x08, kPTypeList, kATypeUBF8, 8, 3, 7, 0, 0, 24, 0, 0, kFxFmtSource},
    {"Amount\0" "Amount", nullptr, 0x09, kPTypeCont, kATypeSBF8, 9, 1, 7, 0, -50, 50, 0, 0, kFxFmtBipolar},
};

// 54:Reverb Wet Plate
const PARAMDESC TABLE_EFFECT54[14] = {
    {"Rev Time\0" "Rev Time", "s", 0x00, kPTypeCont, kATypeUBF8, 0, 1, 7, 25, 1, 100, 25, 0, kFxFmtReverbTime},
    {"\0" "", nullptr, kPidNone, kPTypeCaption, kATypeNone, 0, 0, 0, 0, 0, 0, 0, 0, nullptr},
    {"High Damp\0" "High Damp", nullptr, 0x01, kPTypeCont, kATypeUBF8, 1, 1, 7, 30, 0, 100, 30, 0, kFxFmtNumber},
    {"\0" "", nullptr, kPidNone, kPTypeCaption, kATypeNone, 0, 0, 0, 0, 0, 0, 0, 0, nullptr},
    {"Pre Dly\0" "Pre Dly", "ms", 0x02, kPTypeCont, kATypeUBF8, 2, 0, 7, 20, 0, 200, 20, 0, kFxFmtNumber},
    {"\0" "", nullptr, kPidNone, kPTypeCaption, kATypeNone, 0, 0, 0, 0, 0, 0, 0, 0, nullptr},
    {"Dly Thru\0" "Dly Thru", nullptr, 0x03, kPTypeCont, kATypeUBF8, 3, 1, 7, 0, 0, 100, 0, 0, kFxFmtNumber},
    {"EQ Trim\0" "EQ Trim", nullptr, 0x04, kPTypeCont, kATypeUBF8, 4, 1, 7, 100, 0, 100, 100, 0, kFxFmtNumber},
    {"Lo EQ\0" "Lo EQ", "dB", 0x05, kPTypeCont, kATypeSBF8, 5, 3, 7, 0, -15, 15, 0, 0, kFxFmtSigned},
    {"Hi EQ\0" "Hi EQ", "dB", 0x06, kPTypeCont, kATypeSBF8, 6, 3, 7, 0, -15, 15, 0, 0, kFxFmtSigned},
    {"\n\0" "\n", nullptr, kPidNone, kPTypeCaption, kATypeNone, 0, 0, 0, 0, 0, 0, 0, 0, nullptr},
    {"Wet/Dry\0" "Wet/Dry", nullptr, 0x07, kPTypeCont, kATypeUBF8, 7, 1, 7, 50, 0, 100, 50, 0, kFxFmtWetDry},
    {"Source\0" "Source", nullptr, 0x08, kPTypeList, kATypeUBF8, 8, 3, 7, 0, 0, 24, 0, 0, kFxFmtSource},
    {"Amount\0" "Amount", nullptr, 0x09, kPTypeCont, kATypeSBF8, 9, 1, 7, 0, -50, 50, 0, 0, kFxFmtBipolar},
};

// 55:Reverb Dry Plate
const PARAMDESC TABLE_EFFECT55[14] = {
    {"Rev Time\0" "Rev Time", "s", 0x00, kPTypeCont, kATypeUBF8, 0, 1, 7, 25, 1, 100, 25, 0, kFxFmtReverbTime},
    {"\0" "", nullptr, kPidNone, kPTypeCaption, kATypeNone, 0, 0, 0, 0, 0, 0, 0, 0, nullptr},
    {"High Damp\0" "High Damp", nullptr, 0x01, kPTypeCont, kATypeUBF8, 1, 1, 7, 30, 0, 100, 30, 0, kFxFmtNumber},
    {"\0" "", nullptr, kPidNone, kPTypeCaption, kATypeNone, 0, 0, 0, 0, 0, 0, 0, 0, nullptr},
    {"Pre Dly\0" "Pre Dly", "ms", 0x02, kPTypeCont, kATypeUBF8, 2, 0, 7, 20, 0, 200, 20, 0, kFxFmtNumber},
    {"\0" "", nullptr, kPidNone, kPTypeCaption, kATypeNone, 0, 0, 0, 0, 0, 0, 0, 0, nullptr},
    {"Dly Thru\0" "Dly Thru", nullptr, 0x03, kPTypeCont, kATypeUBF8, 3, 1, 7, 0, 0, 100, 0, 0, kFxFmtNumber},
    {"EQ Trim\0" "EQ Trim", nullptr, 0x04, kPTypeCont, kATypeUBF8, 4, 1, 7, 100, 0, 100, 100, 0, kFxFmtNumber},
    {"Lo EQ\0" "Lo EQ", "dB", 0x05, kPTypeCont, kATypeSBF8, 5, 3, 7, 0, -15, 15, 0, 0, kFxFmtSigned},
    {"Hi EQ\0" "Hi EQ", "dB", 0x06, kPTypeCont, kATypeSBF8, 6, 3, 7, 0, -15, 15, 0, 0, kFxFmtSigned},
    {"\n\0" "\n", nullptr, kPidNone, kPTypeCaption, kATypeNone, 0, 0, 0, 0, 0, 0, 0, 0, nullptr},
    {"Wet/Dry\0" "Wet/Dry", nullptr, 0x07, kPTypeCont, kATypeUBF8, 7, 1, 7, 50, 0, 100, 50, 0, kFxFmtWetDry},
    {"Source\0" "Source", nullptr, 0x08, kPTypeList, kATypeUBF8, 8, 3, 7, 0, 0, 24, 0, 0, kFxFmtSource},
    {"Amount\0" "Amount", nullptr, 0x09, kPTypeCont, kATypeSBF8, 9, 1, 7, 0, -50, 50, 0, 0, kFxFmtBipolar},
};

// 56:Reverb Room
const PARAMDESC TABLE_EFFECT56[17] = {
    {"Rev Time\0" "Rev Time", "s", 0x00, kPTypeCont, kATypeUBF8, 0, 1, 7, 25, 1, 100, 25, 0, kFxFmtReverbTime},
    {"\0" "", nullptr, kPidNone, kPTypeCaption, kATypeNone, 0, 0, 0, 0, 0, 0, 0, 0, nullptr},
    {"High Damp\0" "High Damp", nullptr, 0x01, kPTypeCont, kATypeUBF8, 1, 1, 7, 30, 0, 100, 30, 0, kFxFmtNumber},
    {"\0" "", nullptr, kPidNone, kPTypeCaption, kATypeNone, 0, 0, 0, 0, 0, 0, 0, 0, nullptr},
    {"Pre Dly\0" "Pre Dly", "ms", 0x02, kPTypeCont, kATypeUBF8, 2, 0, 7, 20, 0, 200, 20, 0, kFxFmtNumber},
    {"Dly Thru\0" "Dly Thru", nullptr, 0x03, kPTypeCont, kATypeUBF8, 3, 1, 7, 0, 0, 100, 0, 0, kFxFmtNumber},
    {"EQ Trim\0" "EQ Trim", nullptr, 0x04, kPTypeCont, kATypeUBF8, 4, 1, 7, 100, 0, 100, 100, 0, kFxFmtNumber},
    {"Lo EQ\0" "Lo EQ", "dB", 0x05, kPTypeCont, kATypeSBF8, 5, 3, 7, 0, -15, 15, 0, 0, kFxFmtSigned},
    {"Hi EQ\0" "Hi EQ", "dB", 0x06, kPTypeCont, kATypeSBF8, 6, 3, 7, 0, -15, 15, 0, 0, kFxFmtSigned},
    {"ER Level\0" "ER Level", nullptr, 0x07, kPTypeCont, kATypeUBF8, 7, 1, 7, 100, 0, 100, 100, 0, kFxFmtNumber},
    {"Rev Level\0" "Rev Level", nullptr, 0x08, kPTypeCont, kATypeUBF8, 8, 1, 7, 100, 0, 100, 100, 0, kFxFmtNumber},
    {"\n\0" "\n", nullptr, kPidNone, kPTypeCaption, kATypeNone, 0, 0, 0, 0, 0, 0, 0, 0, nullptr},
    {"Wet/Dry\0" "Wet/Dry", nullptr, 0x09, kPTypeCont, kATypeUBF8, 9, 1, 7, 50, 0, 100, 50, 0, kFxFmtWetDry},
    {"Source\0" "Source", nullptr, 0x0A, kPTypeList, kATypeUBF8, 10, 3, 7, 0, 0, 24, 0, 0, kFxFmtSource},
    {"Amount\0" "Amount", nullptr, 0x0B, kPTypeCont, kATypeSBF8, 11, 1, 7, 0, -50, 50, 0, 0, kFxFmtBipolar},
    {"\0" "", nullptr, kPidNone, kPTypeCaption, kATypeNone, 0, 0, 0, 0, 0, 0, 0, 0, nullptr},
    {"\0" "", nullptr, kPidNone, kPTypeCaption, kATypeNone, 0, 0, 0, 0, 0, 0, 0, 0, nullptr},
};

// 57:Reverb BrightRoom
const PARAMDESC TABLE_EFFECT57[17] = {
    {"Rev Time\0" "Rev Time", "s", 0x00, kPTypeCont, kATypeUBF8, 0, 1, 7, 25, 1, 100, 25, 0, kFxFmtReverbTime},
    {"\0" "", nullptr, kPidNone, kPTypeCaption, kATypeNone, 0, 0, 0, 0, 0, 0, 0, 0, nullptr},
    {"High Damp\0" "High Damp", nullptr, 0x01, kPTypeCont, kATypeUBF8, 1, 1, 7, 30, 0, 100, 30, 0, kFxFmtNumber},
    {"\0" "", nullptr, kPidNone, kPTypeCaption, kATypeNone, 0, 0, 0, 0, 0, 0, 0, 0, nullptr},
    {"Pre Dly\0" "Pre Dly", "ms", 0x02, kPTypeCont, kATypeUBF8, 2, 0, 7, 20, 0, 200, 20, 0, kFxFmtNumber},
    {"Dly Thru\0" "Dly Thru", nullptr, 0x03, kPTypeCont, kATypeUBF8, 3, 1, 7, 0, 0, 100, 0, 0, kFxFmtNumber},
    {"EQ Trim\0" "EQ Trim", nullptr, 0x04, kPTypeCont, kATypeUBF8, 4, 1, 7, 100, 0, 100, 100, 0, kFxFmtNumber},
    {"Lo EQ\0" "Lo EQ", "dB", 0x05, kPTypeCont, kATypeSBF8, 5, 3, 7, 0, -15, 15, 0, 0, kFxFmtSigned},
    {"Hi EQ\0" "Hi EQ", "dB", 0x06, kPTypeCont, kATypeSBF8, 6, 3, 7, 0, -15, 15, 0, 0, kFxFmtSigned},
    {"ER Level\0" "ER Level", nullptr, 0x07, kPTypeCont, kATypeUBF8, 7, 1, 7, 100, 0, 100, 100, 0, kFxFmtNumber},
    {"Rev Level\0" "Rev Level", nullptr, 0x08, kPTypeCont, kATypeUBF8, 8, 1, 7, 100, 0, 100, 100, 0, kFxFmtNumber},
    {"\n\0" "\n", nullptr, kPidNone, kPTypeCaption, kATypeNone, 0, 0, 0, 0, 0, 0, 0, 0, nullptr},
    {"Wet/Dry\0" "Wet/Dry", nullptr, 0x09, kPTypeCont, kATypeUBF8, 9, 1, 7, 50, 0, 100, 50, 0, kFxFmtWetDry},
    {"Source\0" "Source", nullptr, 0x0A, kPTypeList, kATypeUBF8, 10, 3, 7, 0, 0, 24, 0, 0, kFxFmtSource},
    {"Amount\0" "Amount", nullptr, 0x0B, kPTypeCont, kATypeSBF8, 11, 1, 7, 0, -50, 50, 0, 0, kFxFmtBipolar},
    {"\0" "", nullptr, kPidNone, kPTypeCaption, kATypeNone, 0, 0, 0, 0, 0, 0, 0, 0, nullptr},
    {"\0" "", nullptr, kPidNone, kPTypeCaption, kATypeNone, 0, 0, 0, 0, 0, 0, 0, 0, nullptr},
};

// clang-format on

}  // namespace QorX0
