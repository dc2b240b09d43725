#pragma once
// Display formats shared by several sound parameter tables (list formats, one entry per line).

namespace QorX0 {

// Note numbers 0 to 127, "C-1" to "G9".
extern const char kFmtNoteList[];
// Alternate modulation sources.
extern const char kFmtAmsList[];
// Assign types of the page-B realtime knobs, 0 to 124.
extern const char kFmtKnobAssignList[];
// Functions of the assignable switches.
extern const char kFmtSwitchAssignList[];
// Scale types.
extern const char kFmtScaleTypeList[];
// LFO waveforms.
extern const char kFmtLfoWaveList[];
// Master EQ low-band frequencies, sixth-octave steps from 40 Hz.
extern const char kFmtEqLowFcList[];
// Master EQ mid-band frequencies, semitone steps from 100 Hz.
extern const char kFmtEqMidFcList[];
// Master EQ high-band frequencies, quarter-tone steps from 1 kHz.
extern const char kFmtEqHighFcList[];

}  // namespace QorX0
