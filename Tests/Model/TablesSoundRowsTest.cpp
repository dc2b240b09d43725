// The large tables name their rows as the instrument's parameter list does, in its order, and every row
// whose place is fixed elsewhere (pages, realtime controls, file conversion, initial records) is where
// those expect it.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <iterator>
#include <string>
#include <vector>

#include "Common/Model/ModelStrings.h"
#include "Common/Model/ParamTable.h"
#include "Common/Model/SynthData.h"
#include "Common/Model/Tables/SmallTables.h"
#include "Common/Model/Tables/SoundTables.h"

using namespace QorX0;

namespace {

const char* const kCombiEditNames[] = {
    "COMBI.  NAME",
    "INSERT EFFECT PARAMETERS",
    "Effect Type",
    "Control Channel",
    "ON/OFF",
    "PAN",
    "BUS Select",
    "Send 1 Level",
    "Send 2 Level",
    "MASTER EFFECT PARAMETERS",
    "MFX1 Effect Type",
    "MFX1 Control Channel",
    "MFX1 ON/OFF",
    "MFX2 Effect Type",
    "MFX2 Control Channel",
    "MFX2 ON/OFF",
    "Arp.Length Control",
    "MFX1 Return Level",
    "MFX2 Return Level",
    "MFX Chain Signal",
    "MFX Chain Direction",
    "MFX Chain ON/OFF",
    "Octave Up/Down",
    "MFX Chain Level",
    "Master EQ Low Gain",
    "Master EQ Mid Gain",
    "Master EQ High Gain",
    "Master EQ Low Fc",
    "Master EQ Mid Fc",
    "Master EQ High Fc",
    "Master EQ Mid Q",
    "Master EQ Low DMod",
    "Master EQ High DMod",
    "Mst.EQ Ctrl.Channel",
    "Arp.Gate Control",
    "Arp.Velocity Control",
    "ARPEGGIATOR PARAMETERS",
    "TEMPO",
    "SWITCH",
    "ARPEGGIATOR RUN A",
    "ARPEGGIATOR RUN B",
    "ARPEGGIATOR A",
    "PATTERN NO.",
    "RESOLUTION",
    "OCTAVE",
    "GATE",
    "VELOCITY",
    "SWING",
    "SORT",
    "LATCH",
    "KEY SYNC.",
    "KEYBOARD",
    "TOP KEY",
    "BOTTOM KEY",
    "TOP VELOCITY",
    "BOTTOM VELOCITY",
    "ARPEGGIATOR B",
    "PATTERN NO.",
    "RESOLUTION",
    "OCTAVE",
    "GATE",
    "VELOCITY",
    "SWING",
    "SORT",
    "LATCH",
    "KEY SYNC.",
    "KEYBOARD",
    "TOP KEY",
    "BOTTOM KEY",
    "TOP VELOCITY",
    "BOTTOM VELOCITY",
    "COMMON PARAMETERS",
    "CATEGORY",
    "SCALE TYPE",
    "SCALE KEY",
    "RANDOM INTENSITY",
    "SW 1 ASSIGN TYPE",
    "SW1 TOGGLE/MOMENTARY",
    "SW 1 ON/OFF",
    "SW 2 ASSIGN TYPE",
    "SW2 TOGGLE/MOMENTARY",
    "SW 2 ON/OFF",
    "KNOB 1 ASSIGN TYPE",
    "REALTIME CONTROLS",
    "KNOB 2 ASSIGN TYPE",
    "REALTIME CONTROLS MSB",
    "KNOB 3 ASSIGN TYPE",
    "KNOB 4 ASSIGN TYPE",
};

const char* const kTrackNames[] = {
    "TRACK PARAMETERS",
    "PROGRAM BANK/NO.",
    "MIDI CHANNEL",
    "STATUS",
    "BANK SELECT MSB",
    "BANK SELECT LSB",
    "VOLUME",
    "PITCH BEND RANGE",
    "TRANSPOSE",
    "DETUNE",
    "DELAY START",
    "PAN",
    "SEND 1 LEVEL",
    "SEND 2 LEVEL",
    "DRUMKIT IFX Patch",
    "BUS SELECT",
    "PROGRAM CHANGE FILT",
    "AFTER TOUCH FILTER",
    "DAMPER FILTER",
    "PORTAMENTO FILTER",
    "JS(X) AS AMS FILTER",
    "JS(Y+) FILTER",
    "JS(Y-) FILTER",
    "RIBBON FILTER",
    "ASSIGN KNOB 1 FILTER",
    "ASSIGN KNOB 2 FILTER",
    "ASSIGN KNOB 3 FILTER",
    "ASSIGN KNOB 4 FILTER",
    "ASSIGN SW 1 FILTER",
    "ASSIGN SW 2 FILTER",
    "FOOT PEDAL/SW FILTER",
    "OTHER CONTROL FILTER",
    "FORCE OSC MODE",
    "OSC SELECT",
    "ARPEGGIATOR ASSIGN",
    "USE PROGRAM'S SCALE",
    "PORTAMENTO TIME",
    "KEY Z TOP",
    "KEY Z BOTTOM",
    "KEY Z TOP SLOPE",
    "KEY Z BOTTOM SLOPE",
    "VEL Z TOP",
    "VEL Z BOTTOM",
    "VEL Z TOP SLOPE",
    "VEL Z BOTTOM SLOPE",
};

const char* const kMultiNames[] = {
    "MULTI  NAME",
    "INSERT EFFECT PARAMETERS",
    "Effect Type",
    "Control Channel",
    "ON/OFF",
    "PAN",
    "BUS Select",
    "Send 1 Level",
    "Send 2 Level",
    "MASTER EFFECT PARAMETERS",
    "MFX1 Effect Type",
    "MFX1 Control Channel",
    "MFX1 ON/OFF",
    "MFX2 Effect Type",
    "MFX2 Control Channel",
    "MFX2 ON/OFF",
    "Arp.Length Control",
    "MFX1 Return Level",
    "MFX2 Return Level",
    "MFX Chain Signal",
    "MFX Chain Direction",
    "MFX Chain ON/OFF",
    "Octave Up/Down",
    "MFX Chain Level",
    "Master EQ Low Gain",
    "Master EQ Mid Gain",
    "Master EQ High Gain",
    "Master EQ Low Fc",
    "Master EQ Mid Fc",
    "Master EQ High Fc",
    "Master EQ Mid Q",
    "Master EQ Low DMod",
    "Master EQ High DMod",
    "Mst.EQ Ctrl.Channel",
    "Arp.Gate Control",
    "Arp.Velocity Control",
    "ARPEGGIATOR PARAMETERS",
    "TEMPO",
    "SWITCH",
    "ARPEGGIATOR RUN A",
    "ARPEGGIATOR RUN B",
    "ARPEGGIATOR A",
    "PATTERN NO.",
    "RESOLUTION",
    "OCTAVE",
    "GATE",
    "VELOCITY",
    "SWING",
    "SORT",
    "LATCH",
    "KEY SYNC.",
    "KEYBOARD",
    "TOP KEY",
    "BOTTOM KEY",
    "TOP VELOCITY",
    "BOTTOM VELOCITY",
    "ARPEGGIATOR B",
    "PATTERN NO.",
    "RESOLUTION",
    "OCTAVE",
    "GATE",
    "VELOCITY",
    "SWING",
    "SORT",
    "LATCH",
    "KEY SYNC.",
    "KEYBOARD",
    "TOP KEY",
    "BOTTOM KEY",
    "TOP VELOCITY",
    "BOTTOM VELOCITY",
    "COMMON PARAMETERS",
    "SCALE TYPE",
    "SCALE KEY",
    "RANDOM INTENSITY",
    "SW 1 ASSIGN TYPE",
    "SW1 TOGGLE/MOMENTARY",
    "SW 1 ON/OFF",
    "SW 2 ASSIGN TYPE",
    "SW2 TOGGLE/MOMENTARY",
    "SW 2 ON/OFF",
    "KNOB 1 ASSIGN TYPE",
    "REALTIME CONTROLS",
    "KNOB 2 ASSIGN TYPE",
    "REALTIME CONTROLS MSB",
    "KNOB 3 ASSIGN TYPE",
    "KNOB 4 ASSIGN TYPE",
    "TRACK NAMES",
    "TRACK 1 NAME",
    "TRACK 2 NAME",
    "TRACK 3 NAME",
    "TRACK 4 NAME",
    "TRACK 5 NAME",
    "TRACK 6 NAME",
    "TRACK 7 NAME",
    "TRACK 8 NAME",
    "TRACK 9 NAME",
    "TRACK 10 NAME",
    "TRACK 11 NAME",
    "TRACK 12 NAME",
    "TRACK 13 NAME",
    "TRACK 14 NAME",
    "TRACK 15 NAME",
    "TRACK 16 NAME",
    "CONTROL TRACK",
};

const char* const kProgEditNamesToOsc1[] = {
    "PROGRAM NAME",
    "INSERT EFFECT PARAMETERS",
    "Effect Type",
    "ON/OFF",
    "PAN",
    "BUS Select",
    "Send 1 Level",
    "Send 2 Level",
    "MASTER EFFECT PARAMETERS",
    "MFX1 Effect Type",
    "MFX1 ON/OFF",
    "RIFF NO.",
    "MFX2 Effect Type",
    "MFX2 ON/OFF",
    "RIFF TRANSPOSE",
    "Arp.Length Control",
    "MFX1 Return Level",
    "MFX2 Return Level",
    "MFX Chain Signal",
    "MFX Chain Direction",
    "MFX Chain ON/OFF",
    "Octave Up/Down",
    "MFX Chain Level",
    "Master EQ Low Gain",
    "Master EQ Mid Gain",
    "Master EQ High Gain",
    "Master EQ Low Fc",
    "Master EQ Mid Fc",
    "Master EQ High Fc",
    "Master EQ Mid Q",
    "Master EQ Low DMod",
    "Master EQ High DMod",
    "Arp.Gate Control",
    "Arp.Velocity Control",
    "ARPEGGIATOR PARAMETERS",
    "TEMPO",
    "SWITCH",
    "ARPEGGIATOR A",
    "PATTERN NO.",
    "RESOLUTION",
    "OCTAVE",
    "GATE",
    "VELOCITY",
    "SWING",
    "SORT",
    "LATCH",
    "KEY SYNC.",
    "KEYBOARD",
    "TOP KEY",
    "BOTTOM KEY",
    "TOP VELOCITY",
    "BOTTOM VELOCITY",
    "COMMON PARAMETERS",
    "OSCILLATOR MODE",
    "ASSIGN",
    "LEGATO",
    "PRIORITY",
    "SINGLE TRIGGER",
    "HOLD",
    "BUS SELECT",
    "USE DKIT SETTING",
    "CATEGORY",
    "SCALE TYPE",
    "SCALE KEY",
    "RANDOM INTENSITY",
    "SW 1 ASSIGN TYPE",
    "SW1 TOGGLE/MOMENTARY",
    "SW 1 ON/OFF",
    "SW 2 ASSIGN TYPE",
    "SW2 TOGGLE/MOMENTARY",
    "SW 2 ON/OFF",
    "KNOB 1 ASSIGN TYPE",
    "REALTIME CONTROLS",
    "KNOB 2 ASSIGN",
    "REALTIME CONTROLS MSB",
    "KNOB 3 ASSIGN",
    "KNOB 4 ASSIGN",
    "PITCH EG",
    "START LEVEL",
    "ATTACK TIME",
    "ATTACK LEVEL",
    "DECAY TIME",
    "RELEASE TIME",
    "RELEASE LEVEL",
    "A.M.SOURCE (LEVEL1)",
    "INT BY A.M.(LEVEL1)",
    "A.M.SOURCE (LEVEL2)",
    "INT BY A.M.(LEVEL2)",
    "A.M.SOURCE (TIME)",
    "INT BY A.M.(TIME)",
    "START (A.M.LEVEL1)",
    "ATTACK (A.M.LEVEL1)",
    "START (A.M.LEVEL2)",
    "ATTACK (A.M.LEVEL2)",
    "ATTACK (A.M.TIME)",
    "DECAY (A.M.TIME)",
    "OSCILLATOR 1",
    "HI START OFFSET",
    "HI REVERSE",
    "HI SAMPLE NO.",
    "HI LEVEL",
    "LOW START OFFSET",
    "LOW REVERSE",
    "LOW SAMPLE NO.",
    "LOW LEVEL",
    "DELAY START",
    "VEL M.SAMPLE SW",
    "VEL ZONE BOTTOM",
    "VEL ZONE TOP",
    "OSCILLATOR 1 LFO 1",
    "WAVEFORM",
    "KEY SYNC.",
    "FREQUENCY",
    "OFFSET",
    "DELAY",
    "FADE",
    "MIDI/TEMPO SYNC.",
    "SYNC BASE NOTE",
    "TIMES",
    "A.M.SOURCE (FREQ1)",
    "INT BY A.M.(FREQ1)",
    "A.M.SOURCE (FREQ2)",
    "INT BY A.M.(FREQ2)",
    "OSCILLATOR 1 LFO 2",
    "WAVEFORM",
    "KEY SYNC.",
    "FREQUENCY",
    "OFFSET",
    "DELAY",
    "FADE",
    "MIDI/TEMPO SYNC.",
    "SYNC BASE NOTE",
    "TIMES",
    "A.M.SOURCE (FREQ1)",
    "INT BY A.M.(FREQ1)",
    "A.M.SOURCE (FREQ2)",
    "INT BY A.M.(FREQ2)",
    "OSCILLATOR 1 PITCH",
    "OCTAVE",
    "TRANSPOSE",
    "TUNE",
    "A.M.SOURCE (PITCH)",
    "INT BY A.M.(PITCH)",
    "PITCH SLOPE",
    "INT BY PITCH EG",
    "A.M.SOURCE (P.EG)",
    "INT BY A.M.(P.EG)",
    "INT BY OSC-1 LFO 1",
    "INT BY OSC-1 LFO 2",
    "PORTAMENTO",
    "PORTAMENTO FINGERED",
    "PORTAMENTO TIME",
    "PITCH BY JS(+X)",
    "PITCH BY JS(-X)",
    "PITCH BY RIBBON(X)",
    "LFO1 INT BY JS(+Y)",
    "LFO2 INT BY JS(+Y)",
    "A.M.SOURCE(LFO1INT)",
    "INT BY A.M.(LFO1INT)",
    "A.M.SOURCE(LFO2INT)",
    "INT BY A.M.(LFO2INT)",
    "OSCILLATOR 1 FILTER",
    "TYPE",
    "TRIM",
    "RESONANCE",
    "A.M.SOURCE(RESO.)",
    "INT BY A.M.(RESO.)",
    "A.M.SOURCE(EG)",
    "A.M.SOURCE(LFO1)",
    "A.M.SOURCE(LFO2)",
    "OSCILLATOR 1 FILTER A",
    "FREQUENCY",
    "KBD TRACK INTENSITY",
    "A.M.SOURCE(MOD1)",
    "INT BY A.M.(MOD1)",
    "A.M.SOURCE(MOD2)",
    "INT BY A.M.(MOD2)",
    "EG INTENSITY",
    "EG VELOCITY",
    "INT BY LFO 1",
    "INT BY LFO 2",
    "LFO 1  BY JS(-Y)",
    "LFO 2  BY JS(-Y)",
    "INT BY A.M.(EG)",
    "INT BY A.M.(LFO1)",
    "INT BY A.M.(LFO2)",
    "OSCILLATOR 1 FILTER B",
    "FREQUENCY",
    "KBD TRACK INTENSITY",
    "A.M.SOURCE(MOD1)",
    "INT BY A.M.(MOD1)",
    "A.M.SOURCE(MOD2)",
    "INT BY A.M.(MOD2)",
    "EG INTENSITY",
    "EG VELOCITY",
    "INT BY LFO 1",
    "INT BY LFO 2",
    "LFO 1  BY JS(-Y)",
    "LFO 2  BY JS(-Y)",
    "INT BY A.M.(EG)",
    "INT BY A.M.(LFO1)",
    "INT BY A.M.(LFO2)",
    "OSCILLATOR 1 FILTER EG",
    "START LEVEL",
    "ATTACK TIME",
    "ATTACK LEVEL",
    "DECAY TIME",
    "BREAK POINT LEVEL",
    "SLOPE TIME",
    "SUSTAIN LEVEL",
    "RELEASE TIME",
    "RELEASE LEVEL",
    "RELEASE (A.M.TIME1)",
    "SLOPE (A.M.TIME1)",
    "DECAY (A.M.TIME1)",
    "ATTACK (A.M.TIME1)",
    "RELEASE (A.M.TIME2)",
    "SLOPE (A.M.TIME2)",
    "DECAY (A.M.TIME2)",
    "ATTACK (A.M.TIME2)",
    "BREAK (A.M.LEVEL)",
    "ATTACK (A.M.LEVEL)",
    "START (A.M.LEVEL)",
    "A.M.SOURCE(TIME1)",
    "INT BY A.M.(TIME1)",
    "A.M.SOURCE(TIME2)",
    "INT BY A.M.(TIME2)",
    "A.M.SOURCE(LEVEL)",
    "INT BY A.M.(LEVEL)",
    "OSCILLATOR 1 FILTER KEYBOARD TRACK",
    "KEY LOW",
    "RAMP LOW",
    "KEY HIGH",
    "RAMP HIGH",
    "OSCILLATOR 1 AMPLIFIER",
    "LEVEL",
    "INT BY VELOCITY",
    "A.M.SOURCE",
    "INT BY A.M.",
    "INT BY LFO 1",
    "INT BY LFO 2",
    "A.M.SOURCE(LFO1)",
    "INT BY A.M.(LFO1)",
    "A.M.SOURCE(LFO2)",
    "INT BY A.M.(LFO2)",
    "OSCILLATOR 1 AMPLIFIER EG",
    "START LEVEL",
    "ATTACK TIME",
    "ATTACK LEVEL",
    "DECAY TIME",
    "BREAK POINT LEVEL",
    "SLOPE TIME",
    "SUSTAIN LEVEL",
    "RELEASE TIME",
    "A.M.SOURCE(TIME1)",
    "INT BY A.M.(TIME1)",
    "A.M.SOURCE(TIME2)",
    "INT BY A.M.(TIME2)",
    "A.M.SOURCE(LEVEL)",
    "INT BY A.M.(LEVEL)",
    "ATTACK (A.M.TIME1)",
    "DECAY (A.M.TIME1)",
    "SLOPE (A.M.TIME1)",
    "RELEASE (A.M.TIME1)",
    "ATTACK (A.M.TIME2)",
    "DECAY (A.M.TIME2)",
    "SLOPE (A.M.TIME2)",
    "RELEASE (A.M.TIME2)",
    "START (A.M.LEVEL)",
    "ATTACK (A.M.LEVEL)",
    "BREAK (A.M.LEVEL)",
    "OSCILLATOR 1 AMPLIFIER  KEYBOARD TRACK",
    "KEY LOW",
    "RAMP LOW",
    "KEY HIGH",
    "RAMP HIGH",
    "OSCILLATOR 1 OUTPUT",
    "PAN",
    "USE DKIT SETTING",
    "A.M.SOURCE(PAN)",
    "INT BY A.M.(PAN)",
    "SEND1 (TO MFX1)",
    "SEND2 (TO MFX2)",
};

const char* const kGlobalNamesHead[] = {
    "GLOBAL PARAMETERS",
    "MASTER TUNE",
    "KEY TRANSPOSE",
    "VELOCITY CURVE",
    "FOOT SW POLARITY",
    "DAMPER POLARITY",
    "CONVERT POSITION",
    "PROG AUTO ARP",
    "COMBI AUTO ARP",
    "OCTAVE KEYS",
    "MULTI MODE",
    "FOOT SW ASSIGN",
    "FOOT PEDAL ASSIGN",
    "ALIASES",
    "PATTERN NO.",
    "RESOLUTION",
    "OCTAVE",
    "SORT",
    "LATCH",
    "KEY SYNC.",
    "KEYBOARD",
    "REALTIME CONTROLS",
    "REALTIME CONTROLS MSB",
    "Arp.Gate Control",
    "Arp.Velocity Control",
    "Arp.Length Control",
    "TEMPO",
    "SWITCH",
};

const char* const kNoteNames[] = {"C", "C#", "D", "D#", "E", "F", "F#", "G", "G#", "A", "A#", "B"};

std::vector<std::string> Names(const TABLEDESC& t) {
    std::vector<std::string> names;
    for (uint32_t i = 0; i < t.count; ++i) names.push_back(t.rows[i].name);  // long name only
    return names;
}

template <size_t N>
std::vector<std::string> List(const char* const (&names)[N]) {
    return std::vector<std::string>(names, names + N);
}

std::vector<std::string> ExpectedProgEdit() {
    std::vector<std::string> names = List(kProgEditNamesToOsc1);
    const auto first = std::find(names.begin(), names.end(), "OSCILLATOR 1");
    const std::vector<std::string> osc1(first, names.end());
    for (std::string name : osc1) {
        const bool caption = name.rfind("OSCILLATOR 1", 0) == 0;
        if (caption) name.replace(0, 12, "OSCILLATOR 2");
        names.push_back(name);
    }
    // OSCILLATOR 2 OUTPUT has no USE DKIT SETTING row: drop the last one in the list.
    const auto dkit = std::find(names.rbegin(), names.rend(), "USE DKIT SETTING");
    names.erase(std::next(dkit).base());
    return names;
}

std::vector<std::string> ExpectedGlobal() {
    std::vector<std::string> names = List(kGlobalNamesHead);
    names.push_back("USER SCALES (Octave)");
    for (int n = 1; n <= 16; ++n) {
        names.push_back("USER SCALE (Octave) " + std::to_string(n));
        for (const char* note : kNoteNames) names.push_back(note);
    }
    names.push_back("USER SCALES (All Notes)");
    for (int n = 0; n < 128; ++n) names.push_back(std::to_string(n));
    names.push_back("PROG CATEGORY NAMES");
    for (int n = 0; n < 16; ++n) names.push_back(std::to_string(n));
    names.push_back("COMBI CATEGORY NAMES");
    for (int n = 0; n < 16; ++n) names.push_back(std::to_string(n));
    return names;
}

// A row whose place another part of the system relies on. Fields left at -2 are not checked.
struct Stated {
    const TABLEDESC* table;
    int pid;
    const char* name;
    int ptype, atype, offset, lobit, hibit;
    int def = -2, min = -2, max = -2;
    const char* format = nullptr;
};

const char kPan[] = "0~63\tL%03.0f,v\n64\tC064\n65~127\tR%03.0f,v";
const TABLEDESC* const P = &TABLEDESC_PROGEDIT;
const TABLEDESC* const C = &TABLEDESC_COMBIEDIT;
const TABLEDESC* const M = &TABLEDESC_MULTI;
const TABLEDESC* const G = &TABLEDESC_GLOBAL;

const Stated kStated[] = {
    // Program edit.
    {P, 0xFF00, "PROGRAM NAME", 1, 1, 0, 0, 0},
    {P, 0x1E00, "Effect Type", 3, 2, 32, 0, 7},
    {P, 0x1E01, "ON/OFF", 4, 2, 33, 6, 6, -2, -2, -2, "0\tOff\n1\tOn"},
    {P, 0x1E02, "PAN", 2, 2, 36, 0, 7, 64, 0, 127, kPan},
    {P, 0x2000, "MFX1 Effect Type", 3, 2, 56, 0, 7},
    {P, 0x2001, "MFX2 Effect Type", 3, 2, 76, 0, 7},
    {P, 0x2002, "MFX1 ON/OFF", 4, 2, 57, 6, 6},
    {P, 0x2003, "MFX2 ON/OFF", 4, 2, 77, 6, 6},
    {P, 0x2006, "MFX Chain ON/OFF", 4, 2, 82, 3, 3},
    {P, 0x2007, "MFX Chain Direction", 3, 2, 82, 2, 2},
    {P, 0x0017, "RIFF NO.", 2, 4, 58, 0, 15},
    {P, 0x1E03, "BUS Select", 3, 2, 37, 0, 7},
    {P, 0x1C00, "TEMPO", 2, 2, 96, 0, 7, 120, 40, 240},
    {P, 0x1C01, "SWITCH", 4, 2, 97, 0, 0},
    {P, 0x1C02, "Arp.Gate Control", 2, 3, 94, 0, 7, 0, -64, 63},
    {P, 0x1C03, "Arp.Velocity Control", 2, 3, 95, 0, 7, 0, -64, 63},
    {P, 0x1C04, "Arp.Length Control", 2, 3, 79, 0, 7, 0, -64, 63},
    {P, 0x2013, "Octave Up/Down", 2, 3, 82, 4, 7, 0, -3, 3},
    {P, 0x1D00, "PATTERN NO.", 2, 2, 98, 0, 7},
    {P, 0x1D01, "RESOLUTION", 3, 2, 99, 2, 4},
    {P, 0x1D02, "OCTAVE", 3, 2, 99, 0, 1},
    {P, 0x1D03, "GATE", 2, 2, 100, 0, 7},
    {P, 0x1D04, "VELOCITY", 2, 2, 101, 0, 7},
    {P, 0x1D05, "SWING", 2, 3, 102, 0, 7},
    {P, 0x1D06, "SORT", 4, 2, 103, 0, 0},
    {P, 0x1D07, "LATCH", 4, 2, 103, 1, 1},
    {P, 0x1D08, "KEY SYNC.", 4, 2, 103, 2, 2},
    {P, 0x1D09, "KEYBOARD", 4, 2, 103, 3, 3},
    {P, 0x1D0A, "TOP KEY", 3, 2, 104, 0, 7},
    {P, 0x1D0B, "BOTTOM KEY", 3, 2, 105, 0, 7},
    {P, 0x1D0C, "TOP VELOCITY", 2, 2, 106, 0, 7},
    {P, 0x1D0D, "BOTTOM VELOCITY", 2, 2, 107, 0, 7},
    {P, 0x0001, "OSCILLATOR MODE", 3, 2, 108, 0, 1, -2, -2, -2, "0\tSingle\n1\tDouble\n2\tDrums"},
    {P, 0x0007, "BUS SELECT", 3, 2, 109, 0, 6},
    {P, 0x0008, "USE DKIT SETTING", 4, 2, 109, 7, 7},
    // The browsers and the file code read a program's category as the whole of byte 110.
    {P, 0xFF01, "CATEGORY", 3, 2, 110, 0, 7},
    {P, 0x000A, "SCALE KEY", 3, 2, 113, 0, 3},
    {P, 0x000C, "SW 1 ASSIGN TYPE", 3, 2, 114, 0, 5},
    {P, 0x0010, "SW1 TOGGLE/MOMENTARY", 3, 2, 114, 6, 6, -2, -2, -2, "0\tToggle\n1\tMomentary"},
    {P, 0x000E, "SW 1 ON/OFF", 4, 2, 114, 7, 7},
    {P, 0x000D, "SW 2 ASSIGN TYPE", 3, 2, 115, 0, 5},
    {P, 0x0011, "SW2 TOGGLE/MOMENTARY", 3, 2, 115, 6, 6},
    {P, 0x000F, "SW 2 ON/OFF", 4, 2, 115, 7, 7},
    {P, 0x0012, "KNOB 1 ASSIGN TYPE", 3, 2, 116, 0, 6},
    {P, 0x0016, "REALTIME CONTROLS", 3, 2, 116, 7, 7, -2, -2, -2, "0\tA\n1\tB"},
    {P, 0x0013, "KNOB 2 ASSIGN", 3, 2, 117, 0, 6},
    {P, 0x0019, "REALTIME CONTROLS MSB", 3, 2, 117, 7, 7, -2, -2, -2, "0\tA or B\n1\tC"},
    {P, 0x0014, "KNOB 3 ASSIGN", 3, 2, 118, 0, 6},
    {P, 0x0015, "KNOB 4 ASSIGN", 3, 2, 119, 0, 6},
    {P, 0x0100, "START LEVEL", 2, 3, 120, 0, 7},
    {P, 0x0105, "RELEASE LEVEL", 2, 3, 125, 0, 7},
    {P, 0x0201, "HI SAMPLE NO.", 2, 4, 134, 0, 11},
    {P, 0x0202, "HI START OFFSET", 4, 2, 134, 4, 4},
    {P, 0x0206, "LOW SAMPLE NO.", 2, 4, 138, 0, 11},
    {P, 0x0207, "LOW START OFFSET", 4, 2, 138, 4, 4},
    {P, 0x020C, "VEL ZONE BOTTOM", 2, 2, 145, 0, 7},
    {P, 0x020D, "VEL ZONE TOP", 2, 2, 146, 0, 7},
    {P, 0x0300, "WAVEFORM", 3, 2, 147, 0, 7},
    {P, 0x0302, "FREQUENCY", 2, 2, 149, 0, 7, -2, 0, 99},
    {P, 0x0506, "INT BY PITCH EG", 2, 3, 176, 0, 7},
    {P, 0x050B, "PORTAMENTO", 4, 2, 181, 0, 0},
    {P, 0x050C, "PORTAMENTO FINGERED", 4, 2, 181, 1, 1},
    {P, 0x050D, "PORTAMENTO TIME", 2, 2, 182, 0, 7},
    {P, 0x0600, "TYPE", 3, 2, 192, 0, 0},
    {P, 0x0602, "RESONANCE", 2, 2, 194, 0, 7, -2, 0, 99},
    {P, 0x0700, "FREQUENCY", 2, 2, 200, 0, 7, -2, 0, 99},
    {P, 0x0800, "FREQUENCY", 2, 2, 215, 0, 7, -2, 0, 99},
    {P, 0x0900, "START LEVEL", 2, 3, 230, 0, 7, -2, -99, 99},
    {P, 0x0908, "RELEASE LEVEL", 2, 3, 238, 0, 7, -2, -99, 99},
    {P, 0x0B00, "LEVEL", 2, 2, 252, 0, 7},
    {P, 0x0C00, "START LEVEL", 2, 2, 262, 0, 7, -2, 0, 99},
    {P, 0x0C07, "RELEASE TIME", 2, 2, 269, 0, 7},
    {P, 0x0E00, "PAN", 2, 2, 283, 0, 6},
    {P, 0x0E05, "USE DKIT SETTING", 4, 2, 283, 7, 7},
    {P, 0x0E03, "SEND1 (TO MFX1)", 2, 2, 286, 0, 7},
    {P, 0x0E04, "SEND2 (TO MFX2)", 2, 2, 287, 0, 7},
    {P, 0x0F01, "HI SAMPLE NO.", 2, 4, 288, 0, 11},
    {P, 0x0F06, "LOW SAMPLE NO.", 2, 4, 292, 0, 11},
    {P, 0x1B04, "SEND2 (TO MFX2)", 2, 2, 441, 0, 7},
    // Combination edit.
    {C, 0xFF00, "COMBI.  NAME", 1, 1, 0, 0, 0},
    {C, 0xFF01, "CATEGORY", 3, 2, 118, 0, 3},
    {C, 0x0001, "SCALE TYPE", 3, 2, 119, 0, 4},
    {C, 0x0002, "SCALE KEY", 3, 2, 118, 4, 7},
    {C, 0x0003, "RANDOM INTENSITY", 2, 2, 120, 0, 2},
    {C, 0x0004, "SW 1 ASSIGN TYPE", 3, 2, 122, 0, 5},
    {C, 0x0005, "SW 2 ASSIGN TYPE", 3, 2, 123, 0, 5},
    {C, 0x0006, "SW 1 ON/OFF", 4, 2, 122, 7, 7},
    {C, 0x0007, "SW 2 ON/OFF", 4, 2, 123, 7, 7},
    {C, 0x0008, "SW1 TOGGLE/MOMENTARY", 3, 2, 122, 6, 6},
    {C, 0x0009, "SW2 TOGGLE/MOMENTARY", 3, 2, 123, 6, 6},
    {C, 0x000A, "KNOB 1 ASSIGN TYPE", 3, 2, 124, 0, 6},
    {C, 0x000D, "KNOB 4 ASSIGN TYPE", 3, 2, 127, 0, 6},
    {C, 0x000E, "REALTIME CONTROLS", 3, 2, 124, 7, 7},
    {C, 0x000F, "REALTIME CONTROLS MSB", 3, 2, 125, 7, 7},
    {C, 0x0900, "TEMPO", 2, 2, 96, 0, 7, 120, 40, 240},
    {C, 0x0901, "SWITCH", 4, 2, 97, 0, 0},
    {C, 0x0902, "ARPEGGIATOR RUN A", 4, 2, 97, 1, 1},
    {C, 0x0903, "ARPEGGIATOR RUN B", 4, 2, 97, 2, 2},
    {C, 0x0904, "Arp.Gate Control", 2, 3, 94, 0, 7},
    {C, 0x0905, "Arp.Velocity Control", 2, 3, 95, 0, 7},
    {C, 0x0906, "Arp.Length Control", 2, 3, 79, 0, 7},
    {C, 0x0A00, "PATTERN NO.", 2, 2, 98, 0, 7},
    {C, 0x0A01, "RESOLUTION", 3, 2, 99, 2, 4},
    {C, 0x0A02, "OCTAVE", 3, 2, 99, 0, 1},
    {C, 0x0A06, "SORT", 4, 2, 103, 0, 0},
    {C, 0x0A09, "KEYBOARD", 4, 2, 103, 3, 3},
    {C, 0x0A0A, "TOP KEY", 3, 2, 104, 0, 7},
    {C, 0x0A0D, "BOTTOM VELOCITY", 2, 2, 107, 0, 7},
    {C, 0x0B00, "PATTERN NO.", 2, 2, 108, 0, 7},
    {C, 0x0B01, "RESOLUTION", 3, 2, 109, 2, 4},
    {C, 0x0B06, "SORT", 4, 2, 113, 0, 0},
    {C, 0x0B0D, "BOTTOM VELOCITY", 2, 2, 117, 0, 7},
    {C, 0x0C00, "Effect Type", 3, 2, 32, 0, 7},
    {C, 0x0C01, "ON/OFF", 4, 2, 33, 6, 6},
    {C, 0x0C02, "PAN", 2, 2, 36, 0, 7, 64, 0, 127, kPan},
    {C, 0x0C06, "Control Channel", 2, 2, 33, 0, 4, -2, 0, 17},
    {C, 0x0C03, "BUS Select", 3, 2, 37, 0, 7},
    {C, 0x0E00, "MFX1 Effect Type", 3, 2, 56, 0, 7},
    {C, 0x0E01, "MFX2 Effect Type", 3, 2, 76, 0, 7},
    {C, 0x0E02, "MFX1 ON/OFF", 4, 2, 57, 6, 6},
    {C, 0x0E03, "MFX2 ON/OFF", 4, 2, 77, 6, 6},
    {C, 0x0E06, "MFX Chain ON/OFF", 4, 2, 82, 3, 3},
    {C, 0x0E07, "MFX Chain Direction", 3, 2, 82, 2, 2},
    {C, 0x0E13, "Octave Up/Down", 2, 3, 82, 4, 7, 0, -3, 3},
    // Multi.
    {M, 0xFF00, "MULTI  NAME", 1, 1, 0, 0, 0},
    {M, 0x0000, "SCALE TYPE", 3, 2, 119, 0, 4},
    {M, 0x0001, "SCALE KEY", 3, 2, 118, 4, 7},
    {M, 0x0002, "RANDOM INTENSITY", 2, 2, 120, 0, 2},
    {M, 0x0005, "SW 1 ON/OFF", 4, 2, 122, 7, 7},
    {M, 0x0006, "SW 2 ON/OFF", 4, 2, 123, 7, 7},
    {M, 0x0007, "SW1 TOGGLE/MOMENTARY", 3, 2, 122, 6, 6},
    {M, 0x0008, "SW2 TOGGLE/MOMENTARY", 3, 2, 123, 6, 6},
    {M, 0x0009, "KNOB 1 ASSIGN TYPE", 3, 2, 124, 0, 6},
    {M, 0x000C, "KNOB 4 ASSIGN TYPE", 3, 2, 127, 0, 6},
    {M, 0x000D, "REALTIME CONTROLS", 3, 2, 124, 7, 7},
    {M, 0x000E, "REALTIME CONTROLS MSB", 3, 2, 125, 7, 7},
    {M, 0x2200, "TEMPO", 2, 2, 96, 0, 7, 120, 40, 240},
    {M, 0x2201, "SWITCH", 4, 2, 97, 0, 0},
    {M, 0x2202, "ARPEGGIATOR RUN A", 4, 2, 97, 1, 1},
    {M, 0x2203, "ARPEGGIATOR RUN B", 4, 2, 97, 2, 2},
    {M, 0x2204, "Arp.Gate Control", 2, 3, 94, 0, 7},
    {M, 0x2205, "Arp.Velocity Control", 2, 3, 95, 0, 7},
    {M, 0x2206, "Arp.Length Control", 2, 3, 79, 0, 7},
    {M, 0x2300, "PATTERN NO.", 2, 2, 98, 0, 7},
    {M, 0x230A, "TOP KEY", 3, 2, 104, 0, 7},
    {M, 0x2400, "PATTERN NO.", 2, 2, 108, 0, 7},
    {M, 0x240D, "BOTTOM VELOCITY", 2, 2, 117, 0, 7},
    {M, 0x2500, "Effect Type", 3, 2, 32, 0, 7},
    {M, 0x2501, "ON/OFF", 4, 2, 33, 6, 6},
    {M, 0x2502, "PAN", 2, 2, 36, 0, 7, 64, 0, 127, kPan},
    {M, 0x2506, "Control Channel", 2, 2, 33, 0, 4, -2, 0, 17},
    {M, 0x2700, "MFX1 Effect Type", 3, 2, 56, 0, 7},
    {M, 0x2701, "MFX2 Effect Type", 3, 2, 76, 0, 7},
    {M, 0x2706, "MFX Chain ON/OFF", 4, 2, 82, 3, 3},
    {M, 0x2707, "MFX Chain Direction", 3, 2, 82, 2, 2},
    {M, 0xFF01, "TRACK 1 NAME", 1, 1, 960, 0, 0},
    {M, 0xFF10, "TRACK 16 NAME", 1, 1, 1200, 0, 0},
    {M, 0xFF16, "CONTROL TRACK", 2, 2, 1216, 0, 3, -2, 0, 15},
    // Global.
    {G, 0x8100, "MASTER TUNE", 2, 3, 0, 0, 7, 0, -50, 50},
    {G, 0x8200, "KEY TRANSPOSE", 2, 3, 1, 0, 4},
    {G, 0x8300, "VELOCITY CURVE", 3, 2, 1, 5, 7},
    {G, 0x8500, "FOOT SW POLARITY", 3, 2, 2, 0, 0},
    {G, 0x8600, "DAMPER POLARITY", 3, 2, 2, 1, 1},
    {G, 0x8700, "CONVERT POSITION", 3, 2, 2, 2, 2},
    {G, 0x8800, "PROG AUTO ARP", 4, 2, 2, 3, 3},
    {G, 0x8900, "COMBI AUTO ARP", 4, 2, 2, 4, 4},
    {G, 0x8C00, "FOOT SW ASSIGN", 3, 2, 4, 0, 7},
    {G, 0x8D00, "FOOT PEDAL ASSIGN", 3, 2, 5, 0, 7},
    {G, 0x7C00, "PATTERN NO.", 2, 2, 6, 0, 7},
    {G, 0x7C13, "TEMPO", 2, 2, 7, 0, 7, 120, 40, 240},
    {G, 0x8E00, "C", 2, 3, 8, 0, 7, 0, -99, 99},
    {G, 0x8EBF, "B", 2, 3, 199, 0, 7, 0, -99, 99},
    {G, 0x8F00, "0", 2, 3, 200, 0, 7, 0, -99, 99},
    {G, 0x8F7F, "127", 2, 3, 327, 0, 7, 0, -99, 99},
    {G, 0x9000, "0", 1, 1, 328, 0, 0},
    {G, 0x900F, "15", 1, 1, 568, 0, 0},
    {G, 0x9100, "0", 1, 1, 584, 0, 0},
    {G, 0x910F, "15", 1, 1, 824, 0, 0},
};

const PARAMDESC* FindRow(const TABLEDESC& t, int pid) {
    for (uint32_t i = 0; i < t.count; ++i)
        if (t.rows[i].ptype != kPTypeCaption && t.rows[i].pid == pid) return &t.rows[i];
    return nullptr;
}

}  // namespace

TEST(TablesSoundRows, RowNamesAndOrderFollowTheInstrumentsList) {
    EXPECT_EQ(Names(TABLEDESC_GLOBAL), ExpectedGlobal());
    EXPECT_EQ(Names(TABLEDESC_PROGEDIT), ExpectedProgEdit());
    EXPECT_EQ(Names(TABLEDESC_COMBIEDIT), List(kCombiEditNames));
    EXPECT_EQ(Names(TABLEDESC_COMBIEDITTRK), List(kTrackNames));
    EXPECT_EQ(Names(TABLEDESC_MULTI), List(kMultiNames));
    EXPECT_EQ(Names(TABLEDESC_MULTITRK), List(kTrackNames));
    EXPECT_EQ(TABLEDESC_GLOBAL.count, 400u);
    EXPECT_EQ(TABLEDESC_PROGEDIT.count, 469u);
    EXPECT_EQ(TABLEDESC_COMBIEDIT.count, 88u);
    EXPECT_EQ(TABLEDESC_COMBIEDITTRK.count, 45u);
    EXPECT_EQ(TABLEDESC_MULTI.count, 105u);
    EXPECT_EQ(TABLEDESC_MULTITRK.count, 45u);
}

TEST(TablesSoundRows, NumberedRowsCarryTheirNumberAsShortName) {
    const CParamTable* t = CParamTable::GetInstance(TABLEDESC_GLOBAL, kPmidTolva, kSizeGlobal);
    for (int pid : {0x8E00, 0x8E0B, 0x8F00, 0x8F7F, 0x9000, 0x910F}) {
        const PARAMDESC* row = t->FindPID(pid);
        ASSERT_NE(row, nullptr);
        EXPECT_EQ(RowShortName(*row), RowLongName(*row)) << pid;
    }
}

TEST(TablesSoundRows, RowsOthersRelyOnSitWhereTheyExpect) {
    for (const Stated& s : kStated) {
        SCOPED_TRACE(std::string(s.name) + " " + std::to_string(s.pid));
        const PARAMDESC* row = FindRow(*s.table, s.pid);
        ASSERT_NE(row, nullptr);
        EXPECT_STREQ(row->name, s.name);
        EXPECT_EQ(row->ptype, s.ptype);
        EXPECT_EQ(row->atype, s.atype);
        EXPECT_EQ(row->offset, s.offset);
        if (s.atype != kATypeName16) {
            EXPECT_EQ(row->lobit, s.lobit);
            EXPECT_EQ(row->hibit, s.hibit);
        }
        if (s.def != -2) {
            EXPECT_EQ(row->defval, s.def);
        }
        if (s.min != -2) {
            EXPECT_EQ(row->minval, s.min);
        }
        if (s.max != -2) {
            EXPECT_EQ(row->maxval, s.max);
        }
        if (s.format) {
            EXPECT_STREQ(row->format, s.format);
        }
    }
}

TEST(TablesSoundRows, EffectTypeListsNameEveryTypeInOrder) {
    const CParamTable* t = CParamTable::GetInstance(TABLEDESC_PROGEDIT, kPmidTolva, kSizeProgram);
    for (int pid : {0x1E00, 0x2000, 0x2001}) {
        const PARAMDESC* row = t->FindPID(pid);
        ASSERT_NE(row, nullptr);
        EXPECT_EQ(row->maxval, 89);
        EXPECT_EQ(multiszlong(row->converter->Format(0)), "00:No Effect");
        EXPECT_EQ(multiszlong(row->converter->Format(1)), "01:St. Amp Simulation");
        EXPECT_EQ(multiszlong(row->converter->Format(2)), "02:Stereo Compressor");
        EXPECT_EQ(multiszlong(row->converter->Format(89)), "89:Reverb - Gate");
    }
}

TEST(TablesSoundRows, AliasRowsOfTheGlobalTableTakeTheirDefaultAsInitialValue) {
    int flagged = 0;
    for (uint32_t i = 0; i < TABLEDESC_GLOBAL.count; ++i) {
        const PARAMDESC& row = TABLEDESC_GLOBAL.rows[i];
        const bool alias = row.ptype != kPTypeCaption && (row.pid >> 8) == 0x7C;
        EXPECT_EQ((row.flags & kPFlagInitDefaultGlobal) != 0, alias) << row.name;
        flagged += alias;
    }
    EXPECT_EQ(flagged, 14);
}

TEST(TablesSoundRows, TrackRowsUseTheParameterNumbersOfThePages) {
    // Parameter p of a timbre or track, by name.
    const std::pair<int, const char*> kTrack[] = {
        {0, "PROGRAM BANK/NO."},
        {1, "PAN"},
        {2, "VOLUME"},
        {3, "STATUS"},
        {4, "MIDI CHANNEL"},
        {5, "BANK SELECT MSB"},
        {6, "BANK SELECT LSB"},
        {7, "FORCE OSC MODE"},
        {8, "OSC SELECT"},
        {9, "PORTAMENTO TIME"},
        {10, "TRANSPOSE"},
        {11, "DETUNE"},
        {12, "PITCH BEND RANGE"},
        {13, "DELAY START"},
        {14, "USE PROGRAM'S SCALE"},
        {15, "PROGRAM CHANGE FILT"},
        {16, "AFTER TOUCH FILTER"},
        {17, "DAMPER FILTER"},
        {18, "PORTAMENTO FILTER"},
        {19, "JS(X) AS AMS FILTER"},
        {20, "JS(Y+) FILTER"},
        {21, "JS(Y-) FILTER"},
        {22, "RIBBON FILTER"},
        {23, "ASSIGN KNOB 1 FILTER"},
        {24, "ASSIGN KNOB 2 FILTER"},
        {25, "ASSIGN KNOB 3 FILTER"},
        {26, "ASSIGN KNOB 4 FILTER"},
        {27, "ASSIGN SW 1 FILTER"},
        {28, "ASSIGN SW 2 FILTER"},
        {29, "FOOT PEDAL/SW FILTER"},
        {30, "OTHER CONTROL FILTER"},
        {31, "KEY Z TOP"},
        {32, "KEY Z TOP SLOPE"},
        {33, "KEY Z BOTTOM SLOPE"},
        {34, "KEY Z BOTTOM"},
        {35, "VEL Z TOP"},
        {36, "VEL Z TOP SLOPE"},
        {37, "VEL Z BOTTOM SLOPE"},
        {38, "VEL Z BOTTOM"},
        {39, "ARPEGGIATOR ASSIGN"},
        {40, "BUS SELECT"},
        {41, "SEND 1 LEVEL"},
        {42, "SEND 2 LEVEL"},
        {43, "DRUMKIT IFX Patch"},
    };
    for (const TABLEDESC* t : {&TABLEDESC_COMBIEDITTRK, &TABLEDESC_MULTITRK}) {
        for (const auto& [p, name] : kTrack) {
            const PARAMDESC* row = FindRow(*t, p);
            ASSERT_NE(row, nullptr) << p;
            EXPECT_STREQ(row->name, name);
        }
    }
    // The play view reads the same timbre bytes.
    for (int p : {0, 1, 2, 3}) {
        const PARAMDESC* edit = FindRow(TABLEDESC_COMBIEDITTRK, p);
        const PARAMDESC* play = FindRow(TABLEDESC_COMBIPLAYTRK, p);
        ASSERT_NE(play, nullptr);
        EXPECT_EQ(edit->offset, play->offset) << p;
        EXPECT_EQ(edit->atype, play->atype) << p;
        EXPECT_EQ(edit->lobit, play->lobit) << p;
        EXPECT_EQ(edit->hibit, play->hibit) << p;
        EXPECT_STREQ(edit->format, play->format) << p;
    }
    // Only the combination's status skips the multi's BTH.
    EXPECT_EQ(FindRow(TABLEDESC_COMBIEDITTRK, 3)->atype, kATypeCmbSts);
    EXPECT_EQ(FindRow(TABLEDESC_MULTITRK, 3)->atype, kATypeUBF8);
}

TEST(TablesSoundRows, PlayViewsAndEditViewsShareTheirArpeggiatorBytes) {
    // Play-view PID -> edit-view PID over the same record.
    const std::pair<int, int> kProg[] = {
        {0x0100, 0x1C00}, {0x0101, 0x1C01}, {0x0102, 0x1C02}, {0x0103, 0x1C03}, {0x0104, 0x1C04},
        {0x0200, 0x1D00}, {0x0201, 0x1D01}, {0x0202, 0x1D02}, {0x0206, 0x1D06}, {0x0209, 0x1D09},
        {0x0300, 0x000E}, {0x0301, 0x000F}, {0x0302, 0x0016}, {0x0303, 0x0019}, {0x0304, 0x2013}};
    const std::pair<int, int> kCombi[] = {
        {0x0800, 0x0900}, {0x0801, 0x0901}, {0x0802, 0x0902}, {0x0803, 0x0903}, {0x0804, 0x0904},
        {0x0806, 0x0906}, {0x0900, 0x0A00}, {0x0902, 0x0A02}, {0x0A00, 0x0B00}, {0x0A09, 0x0B09},
        {0x0B00, 0x0006}, {0x0B01, 0x0007}, {0x0B02, 0x000E}, {0x0B03, 0x000F}, {0x0B04, 0x0E13}};
    auto same = [](const TABLEDESC& play, const TABLEDESC& edit, int pp, int ep) {
        const PARAMDESC* a = FindRow(play, pp);
        const PARAMDESC* b = FindRow(edit, ep);
        ASSERT_NE(a, nullptr) << pp;
        ASSERT_NE(b, nullptr) << ep;
        EXPECT_EQ(a->offset, b->offset) << pp;
        EXPECT_EQ(a->lobit, b->lobit) << pp;
        EXPECT_EQ(a->hibit, b->hibit) << pp;
        EXPECT_EQ(a->atype, b->atype) << pp;
    };
    for (const auto& [pp, ep] : kProg) same(TABLEDESC_PROGPLAY, TABLEDESC_PROGEDIT, pp, ep);
    for (const auto& [pp, ep] : kCombi) same(TABLEDESC_COMBIPLAY, TABLEDESC_COMBIEDIT, pp, ep);
}

TEST(TablesSoundRows, ValuesOfTheInitialRecordsFitTheirRows) {
    // Values the initial program, combination, multi and global records hold (as the accessor returns them).
    struct Init {
        const TABLEDESC* table;
        unsigned size;
        int pid;
        int value;
    };
    const Init kInit[] = {
        {P, kSizeProgram, 0x1E04, 127}, {P, kSizeProgram, 0x1E05, 127}, {P, kSizeProgram, 0x2009, 127},
        {P, kSizeProgram, 0x200D, 3},   {P, kSizeProgram, 0x200E, 29},  {P, kSizeProgram, 0x200F, 75},
        {P, kSizeProgram, 0x2010, 5},   {P, kSizeProgram, 0x1D01, 1},   {P, kSizeProgram, 0x1D03, 80},
        {P, kSizeProgram, 0x1D04, 128}, {P, kSizeProgram, 0x1D06, 1},   {P, kSizeProgram, 0x1D0A, 127},
        {P, kSizeProgram, 0x1D0C, 127}, {C, kSizeCombi, 0x0C06, 16},    {C, kSizeCombi, 0x0E14, 16},
        {C, kSizeCombi, 0x0E15, 16},    {C, kSizeCombi, 0x0902, 1},     {C, kSizeCombi, 0x0903, 1},
        {C, kSizeCombi, 0x0004, 1},     {C, kSizeCombi, 0x0005, 1},     {C, kSizeCombi, 0x000A, 1},
        {C, kSizeCombi, 0x000B, 2},     {C, kSizeCombi, 0x000C, 3},     {C, kSizeCombi, 0x000D, 4},
        {M, kSizeMulti, 0x2506, 16},    {M, kSizeMulti, 0x2202, 1},     {M, kSizeMulti, 0x000C, 4},
        {G, kSizeGlobal, 0x8300, 3},    {G, kSizeGlobal, 0x8700, 1},    {G, kSizeGlobal, 0x8900, 1},
        {G, kSizeGlobal, 0x8A00, 1},
    };
    for (const Init& in : kInit) {
        const CParamTable* t = CParamTable::GetInstance(*in.table, kPmidTolva, in.size);
        const PARAMDESC* row = t->FindPID(in.pid);
        ASSERT_NE(row, nullptr) << in.pid;
        EXPECT_GE(in.value, row->minval) << in.pid;
        EXPECT_LE(in.value, row->maxval) << in.pid;
    }
    // In every timbre and track: volume, bend range, bus, filters, zone tops and the channel of track 15.
    const std::pair<int, int> kTrackInit[] = {{2, 127}, {12, -25}, {40, 1},   {15, 1},
                                              {30, 1},  {31, 127}, {35, 127}, {4, 15}};
    for (const TABLEDESC* table : {&TABLEDESC_COMBIEDITTRK, &TABLEDESC_MULTITRK}) {
        const CParamTable* t = CParamTable::GetInstance(*table, kPmidTolva, kSizeTimbre);
        for (const auto& [p, value] : kTrackInit) {
            const PARAMDESC* row = t->FindPID(p);
            ASSERT_NE(row, nullptr) << p;
            EXPECT_GE(value, row->minval) << p;
            EXPECT_LE(value, row->maxval) << p;
        }
    }
    const PARAMDESC* status =
        CParamTable::GetInstance(TABLEDESC_MULTITRK, kPmidTolva, kSizeTimbre)->FindPID(3);
    EXPECT_EQ(multiszlong(status->converter->Format(2)), "BTH");
}
