// The small tables and the repeated key and step groups, column by column: every row's name, short
// name, unit, PID, kinds, offset, bits, default, range, flags and format as the instrument's
// parameter list gives them, so that a changed or misplaced row is caught.
#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <string>
#include <vector>

#include "Common/Model/ParamDesc.h"
#include "Common/Model/ModelStrings.h"
#include "Common/Model/ParamTable.h"
#include "Common/Model/SynthData.h"
#include "Common/Model/Tables/SmallTables.h"

using namespace QorX0;

namespace {

constexpr int kAny = INT_MIN;  // list rows take their range from the list: not compared

struct Expected {
    const char* name;
    const char* shortName;  // null for captions
    const char* unit;
    int pid, ptype, atype, offset, lobit, hibit;  // bits -1: a name field, not compared
    int defval, minval, maxval, flags;
    const char* format;
};

// The 128 note names, "C-1" to "G9", one a line.
const std::string& NoteList() {
    static const std::string notes = [] {
        static const char* const names[] = {"C", "C#", "D", "D#", "E", "F", "F#", "G", "G#", "A", "A#", "B"};
        std::string s;
        for (int n = 0; n < 128; ++n) {
            if (n) s += '\n';
            s += std::string(names[n % 12]) + std::to_string(n / 12 - 1);
        }
        return s;
    }();
    return notes;
}
const char kNotes[] = "<notes>";

const Expected kSetup[] = {
    {"SETUP PARAMETERS", nullptr, nullptr, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr},
    {"Filter.AllSw", "Filter.AllSw", nullptr, 0x8100, 4, 2, 0, 0, 7, 0, kAny, kAny, 0x0, "0\tOFF\n1\tON"},
    {"Filter.ProgSw", "Filter.ProgSw", nullptr, 0x8200, 4, 2, 1, 0, 7, 0, kAny, kAny, 0x0, "0\tOFF\n1\tON"},
    {"Filter.ProgBank", "Filter.ProgBank", nullptr, 0x8300, 3, 3, 2, 0, 7, 0, kAny, kAny, 0x0,
     "1\f-1\tAll Banks\n0\tBank A\n1\tBank B\n2\tBank C\n3\tBank D\f9\f-1\tAll Banks\n0\tBank A\n1\tBank "
     "B\n2\tBank C\n3\tBank D\n4\tBank E"},
    {"Filter.ProgNum", "Filter.ProgNum", nullptr, 0x8400, 2, 3, 3, 0, 7, -1, -1, 127, 0x0,
     "-1\tAll\n0~127\t%.0f,v"},
    {"Filter.CombiSw", "Filter.CombiSw", nullptr, 0x8500, 4, 2, 4, 0, 7, 0, kAny, kAny, 0x0, "0\tOFF\n1\tON"},
    {"Filter.CombiBank", "Filter.CombiBank", nullptr, 0x8600, 3, 3, 5, 0, 7, 0, kAny, kAny, 0x0,
     "-1\tAll Banks\n0\tBank A\n1\tBank B\n2\tBank C"},
    {"Filter.CombiNum", "Filter.CombiNum", nullptr, 0x8700, 2, 3, 6, 0, 7, -1, -1, 127, 0x0,
     "-1\tAll\n0~127\t%.0f,v"},
    {"Filter.MultiSw", "Filter.MultiSw", nullptr, 0x8800, 4, 2, 7, 0, 7, 0, kAny, kAny, 0x0, "0\tOFF\n1\tON"},
    {"Filter.MultiNum", "Filter.MultiNum", nullptr, 0x8900, 2, 3, 8, 0, 7, -1, -1, 127, 0x0,
     "-1\tAll\n0~127\t%.0f,v"},
    {"Filter.DrumkitSw", "Filter.DrumkitSw", nullptr, 0x8A00, 4, 2, 9, 0, 7, 0, kAny, kAny, 0x0,
     "0\tOFF\n1\tON"},
    {"Filter.DrumkitNum", "Filter.DrumkitNum", nullptr, 0x8B00, 2, 3, 10, 0, 7, -1, -1, 39, 0x0,
     "-1\tAll\n0~39\t%.0f,v"},
    {"Filter.ArpPatSw", "Filter.ArpPatSw", nullptr, 0x8C00, 4, 2, 11, 0, 7, 0, kAny, kAny, 0x0,
     "0\tOFF\n1\tON"},
    // Patterns up to 250 need more than a signed byte: 16 bits in the free bytes after the switches.
    {"Filter.ArpPatNum", "Filter.ArpPatNum", nullptr, 0x8D00, 2, 5, 18, 0, 15, -1, -1, 250, 0x0,
     "-1\tAll\n0~250\t%.0f,v"},
    {"Filter.GlobalSw", "Filter.GlobalSw", nullptr, 0x8E00, 4, 2, 13, 0, 7, 0, kAny, kAny, 0x0,
     "0\tOFF\n1\tON"},
    {"BringDataFrom", "BringDataFrom", nullptr, 0x8F00, 3, 2, 14, 0, 7, 0, kAny, kAny, 0x0,
     "0\tSoftware\n1\tHardware"},
    {"AutoLocalCtrl", "AutoLocalCtrl", nullptr, 0x9000, 4, 2, 15, 0, 7, 0, kAny, kAny, 0x0, "0\tOFF\n1\tON"},
    {"WheelAssign", "WheelAssign", nullptr, 0x9100, 3, 2, 16, 0, 7, 0, kAny, kAny, 0x0, "0\tCC#1\n1\tCC#2"},
    {"MidiLatency", "MidiLatency", "ms", 0x9200, 2, 2, 17, 0, 7, 0, 0, 10, 0x0, "0~10\t%.0f,v"},
    {"MIDIInName", " ", nullptr, 0x9300, 1, 9, 32, -1, -1, 0, kAny, kAny, 0x0, nullptr},
    {"MIDIOutName", " ", nullptr, 0x9400, 1, 9, 64, -1, -1, 0, kAny, kAny, 0x0, nullptr},
};

const Expected kRtctl[] = {
    {"PAGE", "PAGE", nullptr, 0x8000, 3, 2, 0, 0, 7, 1, kAny, kAny, 0x0, "0\tA\n1\tB\n2\tC"},
    {"CUTOFF", "CUTOFF", nullptr, 0x8001, 2, 2, 1, 0, 6, 0, 0, 127, 0x0, "%.0f,v"},
    {"RESO/HPF", "RESO/HPF", nullptr, 0x8002, 2, 2, 2, 0, 6, 0, 0, 127, 0x0, "%.0f,v"},
    {"EG-INT", "EG-INT", nullptr, 0x8003, 2, 2, 3, 0, 6, 0, 0, 127, 0x0, "%.0f,v"},
    {"EG-RLS", "EG-RLS", nullptr, 0x8004, 2, 2, 4, 0, 6, 0, 0, 127, 0x0, "%.0f,v"},
    {"KNOB1-B", "KNOB1-B", nullptr, 0x8005, 2, 2, 5, 0, 6, 0, 0, 127, 0x0, "%.0f,v"},
    {"KNOB2-B", "KNOB2-B", nullptr, 0x8006, 2, 2, 6, 0, 6, 0, 0, 127, 0x0, "%.0f,v"},
    {"KNOB3-B", "KNOB3-B", nullptr, 0x8007, 2, 2, 7, 0, 6, 0, 0, 127, 0x0, "%.0f,v"},
    {"KNOB4-B", "KNOB4-B", nullptr, 0x8008, 2, 2, 8, 0, 6, 0, 0, 127, 0x0, "%.0f,v"},
    {"ARP-GATE", "ARP-GATE", nullptr, 0x8009, 2, 3, 9, 0, 7, 0, -64, 63, 0x0, "%.0f,v"},
    {"ARP-VEL", "ARP-VEL", nullptr, 0x800A, 2, 3, 10, 0, 7, 0, -64, 63, 0x0, "%.0f,v"},
    {"ARP-LGT", "ARP-LGT", nullptr, 0x800B, 2, 3, 11, 0, 7, 0, -64, 63, 0x0, "%.0f,v"},
    {"TEMPO", "TEMPO", "bpm", 0x800C, 2, 2, 12, 0, 7, 120, 40, 240, 0x0, "%.0f,v"},
};

const Expected kExtControl[] = {
    {"EXTERNAL SET NAME", "EXTERNAL SET NAME", nullptr, 0xFF00, 1, 1, 0, -1, -1, 0, kAny, kAny, 0x0, nullptr},
    {"KNOB 1-A", nullptr, nullptr, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr},
    {"MIDI CHANNEL", "MIDI CHANNEL", nullptr, 0x0000, 2, 2, 16, 0, 7, 16, 0, 16, 0x0,
     "0~15\t1~16\t%.0f,v\n16\tGlobal Channel"},
    {"CC# ASSIGN", "CC# ASSIGN", nullptr, 0x000C, 2, 3, 17, 0, 7, -1, -1, 119, 0x0,
     "-1\tOFF\n0~119\tCC#%.0f,v"},
    {"KNOB 2-A", nullptr, nullptr, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr},
    {"MIDI CHANNEL", "MIDI CHANNEL", nullptr, 0x0001, 2, 2, 18, 0, 7, 16, 0, 16, 0x0,
     "0~15\t1~16\t%.0f,v\n16\tGlobal Channel"},
    {"CC# ASSIGN", "CC# ASSIGN", nullptr, 0x000D, 2, 3, 19, 0, 7, -1, -1, 119, 0x0,
     "-1\tOFF\n0~119\tCC#%.0f,v"},
    {"KNOB 3-A", nullptr, nullptr, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr},
    {"MIDI CHANNEL", "MIDI CHANNEL", nullptr, 0x0002, 2, 2, 20, 0, 7, 16, 0, 16, 0x0,
     "0~15\t1~16\t%.0f,v\n16\tGlobal Channel"},
    {"CC# ASSIGN", "CC# ASSIGN", nullptr, 0x000E, 2, 3, 21, 0, 7, -1, -1, 119, 0x0,
     "-1\tOFF\n0~119\tCC#%.0f,v"},
    {"KNOB 4-A", nullptr, nullptr, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr},
    {"MIDI CHANNEL", "MIDI CHANNEL", nullptr, 0x0003, 2, 2, 22, 0, 7, 16, 0, 16, 0x0,
     "0~15\t1~16\t%.0f,v\n16\tGlobal Channel"},
    {"CC# ASSIGN", "CC# ASSIGN", nullptr, 0x000F, 2, 3, 23, 0, 7, -1, -1, 119, 0x0,
     "-1\tOFF\n0~119\tCC#%.0f,v"},
    {"KNOB 1-B", nullptr, nullptr, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr},
    {"MIDI CHANNEL", "MIDI CHANNEL", nullptr, 0x0004, 2, 2, 24, 0, 7, 16, 0, 16, 0x0,
     "0~15\t1~16\t%.0f,v\n16\tGlobal Channel"},
    {"CC# ASSIGN", "CC# ASSIGN", nullptr, 0x0010, 2, 3, 25, 0, 7, -1, -1, 119, 0x0,
     "-1\tOFF\n0~119\tCC#%.0f,v"},
    {"KNOB 2-B", nullptr, nullptr, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr},
    {"MIDI CHANNEL", "MIDI CHANNEL", nullptr, 0x0005, 2, 2, 26, 0, 7, 16, 0, 16, 0x0,
     "0~15\t1~16\t%.0f,v\n16\tGlobal Channel"},
    {"CC# ASSIGN", "CC# ASSIGN", nullptr, 0x0011, 2, 3, 27, 0, 7, -1, -1, 119, 0x0,
     "-1\tOFF\n0~119\tCC#%.0f,v"},
    {"KNOB 3-B", nullptr, nullptr, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr},
    {"MIDI CHANNEL", "MIDI CHANNEL", nullptr, 0x0006, 2, 2, 28, 0, 7, 16, 0, 16, 0x0,
     "0~15\t1~16\t%.0f,v\n16\tGlobal Channel"},
    {"CC# ASSIGN", "CC# ASSIGN", nullptr, 0x0012, 2, 3, 29, 0, 7, -1, -1, 119, 0x0,
     "-1\tOFF\n0~119\tCC#%.0f,v"},
    {"KNOB 4-B", nullptr, nullptr, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr},
    {"MIDI CHANNEL", "MIDI CHANNEL", nullptr, 0x0007, 2, 2, 30, 0, 7, 16, 0, 16, 0x0,
     "0~15\t1~16\t%.0f,v\n16\tGlobal Channel"},
    {"CC# ASSIGN", "CC# ASSIGN", nullptr, 0x0013, 2, 3, 31, 0, 7, -1, -1, 119, 0x0,
     "-1\tOFF\n0~119\tCC#%.0f,v"},
    {"KNOB 1-C", nullptr, nullptr, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr},
    {"MIDI CHANNEL", "MIDI CHANNEL", nullptr, 0x0008, 2, 2, 32, 0, 7, 16, 0, 16, 0x0,
     "0~15\t1~16\t%.0f,v\n16\tGlobal Channel"},
    {"CC# ASSIGN", "CC# ASSIGN", nullptr, 0x0014, 2, 3, 33, 0, 7, -1, -1, 119, 0x0,
     "-1\tOFF\n0~119\tCC#%.0f,v"},
    {"KNOB 2-C", nullptr, nullptr, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr},
    {"MIDI CHANNEL", "MIDI CHANNEL", nullptr, 0x0009, 2, 2, 34, 0, 7, 16, 0, 16, 0x0,
     "0~15\t1~16\t%.0f,v\n16\tGlobal Channel"},
    {"CC# ASSIGN", "CC# ASSIGN", nullptr, 0x0015, 2, 3, 35, 0, 7, -1, -1, 119, 0x0,
     "-1\tOFF\n0~119\tCC#%.0f,v"},
    {"KNOB 3-C", nullptr, nullptr, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr},
    {"MIDI CHANNEL", "MIDI CHANNEL", nullptr, 0x000A, 2, 2, 36, 0, 7, 16, 0, 16, 0x0,
     "0~15\t1~16\t%.0f,v\n16\tGlobal Channel"},
    {"CC# ASSIGN", "CC# ASSIGN", nullptr, 0x0016, 2, 3, 37, 0, 7, -1, -1, 119, 0x0,
     "-1\tOFF\n0~119\tCC#%.0f,v"},
    {"KNOB 4-C", nullptr, nullptr, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr},
    {"MIDI CHANNEL", "MIDI CHANNEL", nullptr, 0x000B, 2, 2, 38, 0, 7, 16, 0, 16, 0x0,
     "0~15\t1~16\t%.0f,v\n16\tGlobal Channel"},
    {"CC# ASSIGN", "CC# ASSIGN", nullptr, 0x0017, 2, 3, 39, 0, 7, -1, -1, 119, 0x0,
     "-1\tOFF\n0~119\tCC#%.0f,v"},
};

const Expected kToneAdj[] = {
    {"TONE ADJUST PARAMETER 1", nullptr, nullptr, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr},
    {"DESTINATION", "DESTINATION", nullptr, 0x0000, 2, 2, 0, 0, 7, 0, -1, 1, 0x0, "%.0f,v"},
    {"placeholder", "placeholder", nullptr, 0x0001, 2, 5, 2, 0, 15, 0, -1, 1, 0x0, "%.0f,v"},
    {"TONE ADJUST PARAMETER 2", nullptr, nullptr, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr},
    {"DESTINATION", "DESTINATION", nullptr, 0x0002, 2, 2, 4, 0, 7, 0, -1, 1, 0x0, "%.0f,v"},
    {"placeholder", "placeholder", nullptr, 0x0003, 2, 5, 6, 0, 15, 0, -1, 1, 0x0, "%.0f,v"},
    {"TONE ADJUST PARAMETER 3", nullptr, nullptr, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr},
    {"DESTINATION", "DESTINATION", nullptr, 0x0004, 2, 2, 8, 0, 7, 0, -1, 1, 0x0, "%.0f,v"},
    {"placeholder", "placeholder", nullptr, 0x0005, 2, 5, 10, 0, 15, 0, -1, 1, 0x0, "%.0f,v"},
    {"TONE ADJUST PARAMETER 4", nullptr, nullptr, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr},
    {"DESTINATION", "DESTINATION", nullptr, 0x0006, 2, 2, 12, 0, 7, 0, -1, 1, 0x0, "%.0f,v"},
    {"placeholder", "placeholder", nullptr, 0x0007, 2, 5, 14, 0, 15, 0, -1, 1, 0x0, "%.0f,v"},
    {"TONE ADJUST PARAMETER 5", nullptr, nullptr, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr},
    {"DESTINATION", "DESTINATION", nullptr, 0x0008, 2, 2, 16, 0, 7, 0, -1, 1, 0x0, "%.0f,v"},
    {"placeholder", "placeholder", nullptr, 0x0009, 2, 5, 18, 0, 15, 0, -1, 1, 0x0, "%.0f,v"},
    {"TONE ADJUST PARAMETER 6", nullptr, nullptr, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr},
    {"DESTINATION", "DESTINATION", nullptr, 0x000A, 2, 2, 20, 0, 7, 0, -1, 1, 0x0, "%.0f,v"},
    {"placeholder", "placeholder", nullptr, 0x000B, 2, 5, 22, 0, 15, 0, -1, 1, 0x0, "%.0f,v"},
};

const Expected kToneAdjDestTmpl[] = {
    {"LPF Cutoff", "LPF Cutoff", nullptr, 0x0000, 2, 5, 0, 0, 15, 0, -99, 99, 0x0, "%.0f,v"},
    {"Resonance/HPF Cutoff", "Reso/HPF", nullptr, 0x0000, 2, 5, 0, 0, 15, 0, -99, 99, 0x0, "%.0f,v"},
    {"Filter EG Intencity", "FilterEG Int", nullptr, 0x0000, 2, 5, 0, 0, 15, 0, -99, 99, 0x0, "%.0f,v"},
    {"Amp Velocity Intencity", "Amp Vel Int.", nullptr, 0x0000, 2, 5, 0, 0, 15, 0, -99, 99, 0x0, "%.0f,v"},
    {"Filter/Amp EG Attack", "F/A EG A", nullptr, 0x0000, 2, 5, 0, 0, 15, 0, -99, 99, 0x0, "%.0f,v"},
    {"Filter/Amp EG Decay", "F/A EG D", nullptr, 0x0000, 2, 5, 0, 0, 15, 0, -99, 99, 0x0, "%.0f,v"},
    {"Filter/Amp EG Sustain", "F/A EG S", nullptr, 0x0000, 2, 5, 0, 0, 15, 0, -99, 99, 0x0, "%.0f,v"},
    {"Filter/Amp EG Release", "F/A EG R", nullptr, 0x0000, 2, 5, 0, 0, 15, 0, -99, 99, 0x0, "%.0f,v"},
    {"Filter EG Attack", "Filter EG A", nullptr, 0x0000, 2, 5, 0, 0, 15, 0, -99, 99, 0x0, "%.0f,v"},
    {"Filter EG Decay", "Filter EG D", nullptr, 0x0000, 2, 5, 0, 0, 15, 0, -99, 99, 0x0, "%.0f,v"},
    {"Filter EG Sustain", "Filter EG S", nullptr, 0x0000, 2, 5, 0, 0, 15, 0, -99, 99, 0x0, "%.0f,v"},
    {"Filter EG Release", "Filter EG R", nullptr, 0x0000, 2, 5, 0, 0, 15, 0, -99, 99, 0x0, "%.0f,v"},
    {"Amp EG Attack", "Amp EG A", nullptr, 0x0000, 2, 5, 0, 0, 15, 0, -99, 99, 0x0, "%.0f,v"},
    {"Amp EG Decay", "Amp EG D", nullptr, 0x0000, 2, 5, 0, 0, 15, 0, -99, 99, 0x0, "%.0f,v"},
    {"Amp EG Sustain", "Amp EG S", nullptr, 0x0000, 2, 5, 0, 0, 15, 0, -99, 99, 0x0, "%.0f,v"},
    {"Amp EG Release", "Amp EG R", nullptr, 0x0000, 2, 5, 0, 0, 15, 0, -99, 99, 0x0, "%.0f,v"},
    {"LFO1 Speed", "LFO1 Speed", nullptr, 0x0000, 2, 5, 0, 0, 15, 0, -199, 199, 0x0, "%.0f,v"},
    {"LFO1 Pitch Intensity", "LFO1 P Int.", nullptr, 0x0000, 2, 5, 0, 0, 15, 0, -1200, 1200, 0x0,
     "-1200~1200\t-12~12\t%.2f,v"},
    {"LFO1 Fade", "LFO1 Fade", nullptr, 0x0000, 2, 5, 0, 0, 15, 0, -99, 99, 0x0, "%.0f,v"},
    {"LFO1 Delay", "LFO1 Dly", nullptr, 0x0000, 2, 5, 0, 0, 15, 0, -99, 99, 0x0, "%.0f,v"},
    {"Pitch Stretch", "P.Strch", nullptr, 0x0000, 2, 3, 0, 0, 7, 0, -12, 12, 0x0, "%.0f,v"},
    {"Detune 1", "Detune1", nullptr, 0x0000, 2, 5, 0, 0, 15, 0, -1200, 1200, 0x0, "%.0f,v"},
    {"Detune 2", "Detune2", nullptr, 0x0000, 2, 5, 0, 0, 15, 0, -1200, 1200, 0x0, "%.0f,v"},
    {"Hold", "Hold", nullptr, 0x0000, 3, 3, 0, 0, 7, 1, kAny, kAny, 0x0, "-1\tOFF\n0\tPRG\n1\tON"},
    {"Reverse", "Reverse", nullptr, 0x0000, 3, 3, 0, 0, 7, 1, kAny, kAny, 0x0, "-1\tOFF\n0\tPRG\n1\tON"},
};

const Expected kCombiPlayTrk[] = {
    {"TRACK PARAMETERS", nullptr, nullptr, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr},
    {"PROGRAM BANK/NO.", "PROGRAM BANK/NO.", nullptr, 0x0000, 2, 7, 0, -1, -1, 0, 0, 0, 0x0,
     "1\f0~127\t0~127\tA%03.0f,v\n128~255\t0~127\tB%03.0f,v\n256~383\t0~127\tC%03.0f,v\n384~511\t0~127\tD%03."
     "0f,v\n512~639\t1~128\tG%03.0f,v\n640~767\t1~128\tg%03.0f,v\f9\f0~127\t0~127\tA%03.0f,v\n128~255\t0~"
     "127\tB%03.0f,v\n256~383\t0~127\tC%03.0f,v\n384~511\t0~127\tD%03.0f,v\n512~639\t0~127\tE%03.0f,v\n640~"
     "767\t1~128\tG%03.0f,v\n768~895\t1~128\tg%03.0f,v"},
    {"PAN", "PAN", nullptr, 0x0001, 2, 2, 11, 0, 7, 64, 0, 127, 0x0,
     "0\tRND\n1~63\tL%03.0f,v\n64\tC064\n65~127\tR%03.0f,v"},
    {"VOLUME", "VOLUME", nullptr, 0x0002, 2, 2, 5, 0, 7, 0, 0, 127, 0x0, "%.0f,v"},
    {"STATUS", "STATUS", nullptr, 0x0003, 3, 8, 2, 5, 7, 0, kAny, kAny, 0x0,
     "0\tINT\n1\tOff\n2\tEXT\n3\tEX2"},
};

const Expected kProgPlay[] = {
    {"PROGRAM NAME", "PROGRAM NAME", nullptr, 0xFF00, 1, 1, 0, -1, -1, 0, kAny, kAny, 0x0, nullptr},
    {"PERFORMANCE EDITOR", nullptr, nullptr, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr},
    {"OCTAVE", "OCTAVE", nullptr, 0x0000, 2, 3, 0, 0, 7, 0, -3, 3, 0x10, "%+.0f,v"},
    {"PITCH STRETCH", "PITCH STRETCH", nullptr, 0x0001, 2, 3, 1, 0, 7, 0, -12, 12, 0x10, "%+.0f,v"},
    {"OSC BALANCE", "OSC BALANCE", nullptr, 0x0002, 2, 3, 2, 0, 7, 0, -10, 10, 0x10, "%+.0f,v"},
    {"AMP LEVEL", "AMP LEVEL", nullptr, 0x0003, 2, 3, 3, 0, 7, 0, -10, 10, 0x10, "%+.0f,v"},
    {"ATTACK TIME", "ATTACK TIME", nullptr, 0x0004, 2, 3, 4, 0, 7, 0, -10, 10, 0x10, "%+.0f,v"},
    {"DECAY TIME", "DECAY TIME", nullptr, 0x0005, 2, 3, 5, 0, 7, 0, -10, 10, 0x10, "%+.0f,v"},
    {"IFX BALANCE", "IFX BALANCE", nullptr, 0x0006, 2, 3, 6, 0, 7, 0, -10, 10, 0x10, "%+.0f,v"},
    {"MFX BALANCE", "MFX BALANCE", nullptr, 0x0007, 2, 3, 7, 0, 7, 0, -10, 10, 0x10, "%+.0f,v"},
    {"ARPEGGIATOR PARAMETERS", nullptr, nullptr, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr},
    {"TEMPO", "TEMPO", nullptr, 0x0100, 2, 2, 96, 0, 7, 120, 40, 240, 0x0, "%.0f,v"},
    {"SWITCH", "SWITCH", nullptr, 0x0101, 4, 2, 97, 0, 0, 0, kAny, kAny, 0x0, "0\tOFF\n1\tON"},
    {"GATE", "GATE", nullptr, 0x0102, 2, 3, 94, 0, 7, 0, -64, 63, 0x0, "%.0f,v"},
    {"VELOCITY", "VELOCITY", nullptr, 0x0103, 2, 3, 95, 0, 7, 0, -64, 63, 0x0, "%.0f,v"},
    {"LENGTH", "LENGTH", nullptr, 0x0104, 2, 3, 79, 0, 7, 0, -64, 63, 0x0, "%.0f,v"},
    {"ARPEGGIATOR A", nullptr, nullptr, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr},
    {"PATTERN NO.", "PATTERN NO.", nullptr, 0x0200, 2, 2, 98, 0, 7, 0, 0, 255, 0x0,
     "0~4\t0~4\tP%.0f,v\n5~255\t0~250\t%.0f,v"},
    {"RESOLUTION", "RESOLUTION", nullptr, 0x0201, 3, 2, 99, 2, 4, 1, kAny, kAny, 0x0,
     "0\t16T\n1\t16\n2\t8T\n3\t8\n4\t4T\n5\t4"},
    {"OCTAVE", "OCTAVE", nullptr, 0x0202, 3, 2, 99, 0, 1, 0, kAny, kAny, 0x0, "0\t1\n1\t2\n2\t3\n3\t4"},
    {"SORT", "SORT", nullptr, 0x0206, 4, 2, 103, 0, 0, 0, kAny, kAny, 0x0, "0\tOFF\n1\tON"},
    {"LATCH", "LATCH", nullptr, 0x0207, 4, 2, 103, 1, 1, 0, kAny, kAny, 0x0, "0\tOFF\n1\tON"},
    {"KEY SYNC.", "KEY SYNC.", nullptr, 0x0208, 4, 2, 103, 2, 2, 0, kAny, kAny, 0x0, "0\tOFF\n1\tON"},
    {"KEYBOARD", "KEYBOARD", nullptr, 0x0209, 4, 2, 103, 3, 3, 0, kAny, kAny, 0x0, "0\tOFF\n1\tON"},
    {"SWITCH PARAMETERS", nullptr, nullptr, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr},
    {"SW 1 ON/OFF", "SW 1 ON/OFF", nullptr, 0x0300, 4, 2, 114, 7, 7, 0, kAny, kAny, 0x0, "0\tOFF\n1\tON"},
    {"SW 2 ON/OFF", "SW 2 ON/OFF", nullptr, 0x0301, 4, 2, 115, 7, 7, 0, kAny, kAny, 0x0, "0\tOFF\n1\tON"},
    {"REALTIME CONTROLS", "REALTIME CONTROLS", nullptr, 0x0302, 3, 2, 116, 7, 7, 0, kAny, kAny, 0x0,
     "0\tA\n1\tB"},
    {"REALTIME CONTROLS MSB", "REALTIME CONTROLS MSB", nullptr, 0x0303, 3, 2, 117, 7, 7, 0, kAny, kAny, 0x0,
     "0\tA or B\n1\tC"},
    {"Octave Up/Down", "Octave Up/Down", nullptr, 0x0304, 2, 3, 82, 4, 7, 0, -3, 3, 0x0, "%.0f,v"},
};

const Expected kCombiPlay[] = {
    {"COMBI.  NAME", "COMBI.  NAME", nullptr, 0xFF00, 1, 1, 0, -1, -1, 0, kAny, kAny, 0x0, nullptr},
    {"ARPEGGIATOR PARAMETERS", nullptr, nullptr, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr},
    {"TEMPO", "TEMPO", nullptr, 0x0800, 2, 2, 96, 0, 7, 120, 40, 240, 0x0, "%.0f,v"},
    {"SWITCH", "SWITCH", nullptr, 0x0801, 4, 2, 97, 0, 0, 0, kAny, kAny, 0x0, "0\tOFF\n1\tON"},
    {"ARPEGGIATOR RUN A", "ARPEGGIATOR RUN A", nullptr, 0x0802, 4, 2, 97, 1, 1, 0, kAny, kAny, 0x0,
     "0\tOFF\n1\tON"},
    {"ARPEGGIATOR RUN B", "ARPEGGIATOR RUN B", nullptr, 0x0803, 4, 2, 97, 2, 2, 0, kAny, kAny, 0x0,
     "0\tOFF\n1\tON"},
    {"GATE", "GATE", nullptr, 0x0804, 2, 3, 94, 0, 7, 0, -64, 63, 0x0, "%.0f,v"},
    {"VELOCITY", "VELOCITY", nullptr, 0x0805, 2, 3, 95, 0, 7, 0, -64, 63, 0x0, "%.0f,v"},
    {"LENGTH", "LENGTH", nullptr, 0x0806, 2, 3, 79, 0, 7, 0, -64, 63, 0x0, "%.0f,v"},
    {"ARPEGGIATOR A", nullptr, nullptr, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr},
    {"PATTERN NO.", "PATTERN NO.", nullptr, 0x0900, 2, 2, 98, 0, 7, 0, 0, 255, 0x0,
     "0~4\t0~4\tP%.0f,v\n5~255\t0~250\t%.0f,v"},
    {"RESOLUTION", "RESOLUTION", nullptr, 0x0901, 3, 2, 99, 2, 4, 1, kAny, kAny, 0x0,
     "0\t16T\n1\t16\n2\t8T\n3\t8\n4\t4T\n5\t4"},
    {"OCTAVE", "OCTAVE", nullptr, 0x0902, 3, 2, 99, 0, 1, 0, kAny, kAny, 0x0, "0\t1\n1\t2\n2\t3\n3\t4"},
    {"SORT", "SORT", nullptr, 0x0906, 4, 2, 103, 0, 0, 0, kAny, kAny, 0x0, "0\tOFF\n1\tON"},
    {"LATCH", "LATCH", nullptr, 0x0907, 4, 2, 103, 1, 1, 0, kAny, kAny, 0x0, "0\tOFF\n1\tON"},
    {"KEY SYNC.", "KEY SYNC.", nullptr, 0x0908, 4, 2, 103, 2, 2, 0, kAny, kAny, 0x0, "0\tOFF\n1\tON"},
    {"KEYBOARD", "KEYBOARD", nullptr, 0x0909, 4, 2, 103, 3, 3, 0, kAny, kAny, 0x0, "0\tOFF\n1\tON"},
    {"ARPEGGIATOR B", nullptr, nullptr, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr},
    {"PATTERN NO.", "PATTERN NO.", nullptr, 0x0A00, 2, 2, 108, 0, 7, 0, 0, 255, 0x0,
     "0~4\t0~4\tP%.0f,v\n5~255\t0~250\t%.0f,v"},
    {"RESOLUTION", "RESOLUTION", nullptr, 0x0A01, 3, 2, 109, 2, 4, 1, kAny, kAny, 0x0,
     "0\t16T\n1\t16\n2\t8T\n3\t8\n4\t4T\n5\t4"},
    {"OCTAVE", "OCTAVE", nullptr, 0x0A02, 3, 2, 109, 0, 1, 0, kAny, kAny, 0x0, "0\t1\n1\t2\n2\t3\n3\t4"},
    {"SORT", "SORT", nullptr, 0x0A06, 4, 2, 113, 0, 0, 0, kAny, kAny, 0x0, "0\tOFF\n1\tON"},
    {"LATCH", "LATCH", nullptr, 0x0A07, 4, 2, 113, 1, 1, 0, kAny, kAny, 0x0, "0\tOFF\n1\tON"},
    {"KEY SYNC.", "KEY SYNC.", nullptr, 0x0A08, 4, 2, 113, 2, 2, 0, kAny, kAny, 0x0, "0\tOFF\n1\tON"},
    {"KEYBOARD", "KEYBOARD", nullptr, 0x0A09, 4, 2, 113, 3, 3, 0, kAny, kAny, 0x0, "0\tOFF\n1\tON"},
    {"SWITCH PARAMETERS", nullptr, nullptr, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr},
    {"SW 1 ON/OFF", "SW 1 ON/OFF", nullptr, 0x0B00, 4, 2, 122, 7, 7, 0, kAny, kAny, 0x0, "0\tOFF\n1\tON"},
    {"SW 2 ON/OFF", "SW 2 ON/OFF", nullptr, 0x0B01, 4, 2, 123, 7, 7, 0, kAny, kAny, 0x0, "0\tOFF\n1\tON"},
    {"REALTIME CONTROLS", "REALTIME CONTROLS", nullptr, 0x0B02, 3, 2, 124, 7, 7, 0, kAny, kAny, 0x0,
     "0\tA\n1\tB"},
    {"REALTIME CONTROLS MSB", "REALTIME CONTROLS MSB", nullptr, 0x0B03, 3, 2, 125, 7, 7, 0, kAny, kAny, 0x0,
     "0\tA or B\n1\tC"},
    {"Octave Up/Down", "Octave Up/Down", nullptr, 0x0B04, 2, 3, 82, 4, 7, 0, -3, 3, 0x0, "%.0f,v"},
};

const Expected kDrumKey[] = {
    {"DRUMKEY 0", nullptr, nullptr, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr},
    {"HIGHER START OFFSET", "HIGHER START OFFSET", nullptr, 0x0002, 4, 2, 1, 0, 0, 0, kAny, kAny, 0x0,
     "0\tOFF\n1\tON"},
    {"HIGHER REVERSE", "HIGHER REVERSE", nullptr, 0x0003, 4, 2, 1, 1, 1, 0, kAny, kAny, 0x0, "0\tOFF\n1\tON"},
    {"HIGH SAMPLE NO", "HIGH SAMPLE NO", nullptr, 0x0001, 2, 4, 2, 0, 15, 0, 0, 517, 0x0, "%.0f,v"},
    {"HIGHER LEVEL", "HIGHER LEVEL", nullptr, 0x0004, 2, 3, 4, 0, 7, 0, -99, 99, 0x0, "%.0f,v"},
    {"HIGHER TRANSPOSE", "HIGHER TRANSPOSE", nullptr, 0x0005, 2, 3, 5, 0, 7, 0, -64, 63, 0x0, "%.0f,v"},
    {"HIGHER TUNE", "HIGHER TUNE", nullptr, 0x0006, 2, 3, 6, 0, 7, 0, -99, 99, 0x0, "%.0f,v"},
    {"HIGHER ATTACK LEVEL", "HIGHER ATTACK LEVEL", nullptr, 0x0007, 2, 3, 7, 0, 7, 0, -64, 63, 0x0, "%.0f,v"},
    {"HIGHER DECAY LEVEL", "HIGHER DECAY LEVEL", nullptr, 0x0008, 2, 3, 8, 0, 7, 0, -64, 63, 0x0, "%.0f,v"},
    {"HIGHER CUTOFF LEVEL", "HIGHER CUTOFF LEVEL", nullptr, 0x0009, 2, 3, 9, 0, 7, 0, -64, 63, 0x0, "%.0f,v"},
    {"HIGH RESONANCE LEVEL", "HIGH RESONANCE LEVEL", nullptr, 0x000A, 2, 3, 10, 0, 7, 0, -64, 63, 0x0,
     "%.0f,v"},
    {"LOWER START OFFSET", "LOWER START OFFSET", nullptr, 0x000D, 4, 2, 13, 0, 0, 0, kAny, kAny, 0x0,
     "0\tOFF\n1\tON"},
    {"LOWER REVERSE", "LOWER REVERSE", nullptr, 0x000E, 4, 2, 13, 1, 1, 0, kAny, kAny, 0x0, "0\tOFF\n1\tON"},
    {"LOW SAMPLE NO", "LOW SAMPLE NO", nullptr, 0x000C, 2, 4, 14, 0, 15, 0, 0, 517, 0x0, "%.0f,v"},
    {"LOWER LEVEL", "LOWER LEVEL", nullptr, 0x000F, 2, 3, 16, 0, 7, 0, -99, 99, 0x0, "%.0f,v"},
    {"LOWER TRANSPOSE", "LOWER TRANSPOSE", nullptr, 0x0010, 2, 3, 17, 0, 7, 0, -64, 63, 0x0, "%.0f,v"},
    {"LOWER TUNE", "LOWER TUNE", nullptr, 0x0011, 2, 3, 18, 0, 7, 0, -99, 99, 0x0, "%.0f,v"},
    {"LOWER ATTACK LEVEL", "LOWER ATTACK LEVEL", nullptr, 0x0012, 2, 3, 19, 0, 7, 0, -64, 63, 0x0, "%.0f,v"},
    {"LOWER DECAY LEVEL", "LOWER DECAY LEVEL", nullptr, 0x0013, 2, 3, 20, 0, 7, 0, -64, 63, 0x0, "%.0f,v"},
    {"LOWER CUTOFF LEVEL", "LOWER CUTOFF LEVEL", nullptr, 0x0014, 2, 3, 21, 0, 7, 0, -64, 63, 0x0, "%.0f,v"},
    {"LOW RESONANCE LEVEL", "LOW RESONANCE LEVEL", nullptr, 0x0015, 2, 3, 22, 0, 7, 0, -64, 63, 0x0,
     "%.0f,v"},
    {"PAN", "PAN", nullptr, 0x0016, 2, 2, 24, 0, 7, 64, 0, 127, 0x0,
     "0\tRND\n1~63\tL%03.0f,v\n64\tC064\n65~127\tR%03.0f,v"},
    {"BUS SELECT", "BUS SELECT", nullptr, 0x0017, 3, 2, 25, 0, 7, 0, kAny, kAny, 0x0,
     "0\tL/R\n1\tIFX\n6\t1\n7\t2\n10\t1/2\n12\tOff"},
    {"SEND 1 LEVEL", "SEND 1 LEVEL", nullptr, 0x0018, 2, 2, 26, 0, 7, 0, 0, 127, 0x0, "%.0f,v"},
    {"SEND 2 LEVEL", "SEND 2 LEVEL", nullptr, 0x0019, 2, 2, 27, 0, 7, 0, 0, 127, 0x0, "%.0f,v"},
    {"EXCLUSIVE GROUP", "EXCLUSIVE GROUP", nullptr, 0x001A, 2, 2, 28, 0, 7, 0, 0, 127, 0x0, "0\tOff\n%.0f,v"},
    {"VOICE ASSIGN", "VOICE ASSIGN", nullptr, 0x001B, 4, 2, 29, 0, 0, 0, kAny, kAny, 0x0, "0\tOFF\n1\tON"},
    {"SINGLE TRIGGER", "SINGLE TRIGGER", nullptr, 0x001C, 4, 2, 29, 1, 1, 0, kAny, kAny, 0x0,
     "0\tOFF\n1\tON"},
    {"RECEIVE NOTE ON", "RECEIVE NOTE ON", nullptr, 0x001D, 4, 2, 29, 2, 2, 0, kAny, kAny, 0x0,
     "0\tDIS\n1\tENA"},
    {"RECEIVE NOTE OFF", "RECEIVE NOTE OFF", nullptr, 0x001E, 4, 2, 29, 3, 3, 0, kAny, kAny, 0x0,
     "0\tDIS\n1\tENA"},
    {"VEL SAMPLE SW", "VEL SAMPLE SW", nullptr, 0x001F, 2, 2, 30, 0, 7, 1, 1, 127, 0x0, "%.0f,v"},
};

const Expected kArpHeader[] = {
    {"ARPEGGIATOR SELECT", "ARPEGGIATOR SELECT", nullptr, 0x0016, 3, 2, 0, 0, 7, 0, kAny, kAny, 0x20,
     "0\tA\n1\tB"},
    {"ARP.  NAME", "ARP.  NAME", nullptr, 0xFF00, 1, 1, 0, -1, -1, 0, kAny, kAny, 0x0, nullptr},
    {"OCTAVE MOTION", "OCTAVE MOTION", nullptr, 0x0001, 3, 2, 16, 0, 1, 0, kAny, kAny, 0x0,
     "0\tUp\n1\tDown\n2\tBoth\n3\tParallel"},
    {"TYPE", "TYPE", nullptr, 0x0000, 3, 2, 16, 2, 3, 0, kAny, kAny, 0x0,
     "0\tAs Played\n1\tAs Played(Fill)\n2\tRunning\n3\tUp&Down"},
    {"TONE MODE", "TONE MODE", nullptr, 0x0003, 3, 2, 16, 4, 4, 0, kAny, kAny, 0x0,
     "0\tNormal\n1\tFixed Note"},
    {"FIXED NOTE MODE", "FIXED NOTE MODE", nullptr, 0x0004, 3, 2, 16, 5, 5, 0, kAny, kAny, 0x0,
     "0\tAs Played\n1\tAll Tones"},
    {"LENGTH", "LENGTH", nullptr, 0x0002, 2, 2, 17, 0, 7, 1, 1, 48, 0x0, "%.0f,v"},
    {"TONE 00 NOTE NO", "TONE 00 NOTE NO", nullptr, 0x0005, 3, 2, 20, 0, 7, 0, kAny, kAny, 0x0, kNotes},
    {"TONE 01 NOTE NO", "TONE 01 NOTE NO", nullptr, 0x0105, 3, 2, 21, 0, 7, 0, kAny, kAny, 0x0, kNotes},
    {"TONE 02 NOTE NO", "TONE 02 NOTE NO", nullptr, 0x0205, 3, 2, 22, 0, 7, 0, kAny, kAny, 0x0, kNotes},
    {"TONE 03 NOTE NO", "TONE 03 NOTE NO", nullptr, 0x0305, 3, 2, 23, 0, 7, 0, kAny, kAny, 0x0, kNotes},
    {"TONE 04 NOTE NO", "TONE 04 NOTE NO", nullptr, 0x0405, 3, 2, 24, 0, 7, 0, kAny, kAny, 0x0, kNotes},
    {"TONE 05 NOTE NO", "TONE 05 NOTE NO", nullptr, 0x0505, 3, 2, 25, 0, 7, 0, kAny, kAny, 0x0, kNotes},
    {"TONE 06 NOTE NO", "TONE 06 NOTE NO", nullptr, 0x0605, 3, 2, 26, 0, 7, 0, kAny, kAny, 0x0, kNotes},
    {"TONE 07 NOTE NO", "TONE 07 NOTE NO", nullptr, 0x0705, 3, 2, 27, 0, 7, 0, kAny, kAny, 0x0, kNotes},
    {"TONE 08 NOTE NO", "TONE 08 NOTE NO", nullptr, 0x0805, 3, 2, 28, 0, 7, 0, kAny, kAny, 0x0, kNotes},
    {"TONE 09 NOTE NO", "TONE 09 NOTE NO", nullptr, 0x0905, 3, 2, 29, 0, 7, 0, kAny, kAny, 0x0, kNotes},
    {"TONE 10 NOTE NO", "TONE 10 NOTE NO", nullptr, 0x0A05, 3, 2, 30, 0, 7, 0, kAny, kAny, 0x0, kNotes},
    {"TONE 11 NOTE NO", "TONE 11 NOTE NO", nullptr, 0x0B05, 3, 2, 31, 0, 7, 0, kAny, kAny, 0x0, kNotes},
};

const Expected kArpStep[] = {
    {"STEP 0", nullptr, nullptr, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr},
    {"PITCH OFFSET", "PITCH OFFSET", nullptr, 0x0006, 2, 3, 0, 0, 7, 0, -48, 48, 0x0, "%.0f,v"},
    {"GATE", "GATE", "%", 0x0007, 2, 2, 1, 0, 7, 0, 0, 101, 0x0, "0\tOff\n1~100\t%.0f,v\n101\tLegato"},
    {"VELOCITY", "VELOCITY", nullptr, 0x0008, 2, 2, 2, 0, 7, 1, 1, 128, 0x0, "1~127\t%.0f,v\n128\tKey"},
    {"FLAM", "FLAM", nullptr, 0x0009, 2, 3, 3, 0, 7, 0, -99, 99, 0x0, "%.0f,v"},
    {"TONE0", "TONE0", nullptr, 0x000A, 4, 2, 5, 0, 0, 0, kAny, kAny, 0x0, "0\tDIS\n1\tENA"},
    {"TONE1", "TONE1", nullptr, 0x000B, 4, 2, 5, 1, 1, 0, kAny, kAny, 0x0, "0\tDIS\n1\tENA"},
    {"TONE2", "TONE2", nullptr, 0x000C, 4, 2, 5, 2, 2, 0, kAny, kAny, 0x0, "0\tDIS\n1\tENA"},
    {"TONE3", "TONE3", nullptr, 0x000D, 4, 2, 5, 3, 3, 0, kAny, kAny, 0x0, "0\tDIS\n1\tENA"},
    {"TONE4", "TONE4", nullptr, 0x000E, 4, 2, 5, 4, 4, 0, kAny, kAny, 0x0, "0\tDIS\n1\tENA"},
    {"TONE5", "TONE5", nullptr, 0x000F, 4, 2, 5, 5, 5, 0, kAny, kAny, 0x0, "0\tDIS\n1\tENA"},
    {"TONE6", "TONE6", nullptr, 0x0010, 4, 2, 5, 6, 6, 0, kAny, kAny, 0x0, "0\tDIS\n1\tENA"},
    {"TONE7", "TONE7", nullptr, 0x0011, 4, 2, 5, 7, 7, 0, kAny, kAny, 0x0, "0\tDIS\n1\tENA"},
    {"TONE8", "TONE8", nullptr, 0x0012, 4, 2, 4, 0, 0, 0, kAny, kAny, 0x0, "0\tDIS\n1\tENA"},
    {"TONE9", "TONE9", nullptr, 0x0013, 4, 2, 4, 1, 1, 0, kAny, kAny, 0x0, "0\tDIS\n1\tENA"},
    {"TONE10", "TONE10", nullptr, 0x0014, 4, 2, 4, 2, 2, 0, kAny, kAny, 0x0, "0\tDIS\n1\tENA"},
    {"TONE11", "TONE11", nullptr, 0x0015, 4, 2, 4, 3, 3, 0, kAny, kAny, 0x0, "0\tDIS\n1\tENA"},
};
std::string Str(const char* s) {
    return s ? std::string(s) : std::string();
}

// Compares one static row with its expected columns; pidAdd and offsetAdd place a repeated group.
void ExpectRow(const PARAMDESC& row, const Expected& e, int pidAdd = 0, int offsetAdd = 0,
               const std::string& caption = std::string()) {
    const std::string name = caption.empty() ? Str(e.name) : caption;
    SCOPED_TRACE(name);
    EXPECT_EQ(RowLongName(row), name);
    EXPECT_EQ(row.ptype, e.ptype);
    if (e.ptype == kPTypeCaption) return;
    EXPECT_EQ(RowShortName(row), Str(e.shortName));
    EXPECT_EQ(Str(row.unit), Str(e.unit));
    EXPECT_EQ(row.pid, e.pid + pidAdd);
    EXPECT_EQ(row.atype, e.atype);
    EXPECT_EQ(row.offset, e.offset + offsetAdd);
    if (e.lobit >= 0) {
        EXPECT_EQ(row.lobit, e.lobit);
        EXPECT_EQ(row.hibit, e.hibit);
    }
    EXPECT_EQ(row.defval, e.defval);
    if (e.minval != kAny) {
        EXPECT_EQ(row.minval, e.minval);
        EXPECT_EQ(row.maxval, e.maxval);
    }
    EXPECT_EQ(row.flags, e.flags);
    if (e.format == kNotes)
        EXPECT_EQ(Str(row.format), NoteList());
    else
        EXPECT_EQ(Str(row.format), Str(e.format));
}

template <size_t N>
void ExpectTable(const TABLEDESC& table, const Expected (&rows)[N]) {
    ASSERT_EQ(table.count, N);
    for (size_t i = 0; i < N; ++i) {
        SCOPED_TRACE("row " + std::to_string(i));
        ExpectRow(table.rows[i], rows[i]);
    }
}

// Bits of each byte from the row's offset that its accessor may change.
std::vector<uint8_t> FieldMasks(const PARAMDESC& row) {
    const unsigned width = CParamTable::FieldWidth(row);
    if (row.atype == kATypeName16 || row.atype == kATypeName32 || row.atype == kATypeBnkPgm)
        return std::vector<uint8_t>(width, 0xFF);
    std::vector<uint8_t> masks(width, 0);
    for (unsigned b = row.lobit; b <= row.hibit && b < width * 8; ++b)
        masks[width - 1 - b / 8] |= static_cast<uint8_t>(1u << (b % 8));
    return masks;
}

}  // namespace

TEST(SmallTables, EveryRowHasTheColumnsOfTheParameterList) {
    ExpectTable(TABLEDESC_SETUP, kSetup);
    ExpectTable(TABLEDESC_RTCTL, kRtctl);
    ExpectTable(TABLEDESC_EXTCONTROL, kExtControl);
    ExpectTable(TABLEDESC_TONEADJ, kToneAdj);
    ExpectTable(TABLEDESC_TONEADJDESTTMPL, kToneAdjDestTmpl);
    ExpectTable(TABLEDESC_COMBIPLAYTRK, kCombiPlayTrk);
    ExpectTable(TABLEDESC_PROGPLAY, kProgPlay);
    ExpectTable(TABLEDESC_COMBIPLAY, kCombiPlay);
}

TEST(SmallTables, DrumKitIsItsNameThenOneGroupPerKey) {
    constexpr size_t kGroup = sizeof kDrumKey / sizeof kDrumKey[0];
    ASSERT_EQ(TABLEDESC_DRUMKIT.count, 1 + 128 * kGroup);
    ExpectRow(TABLEDESC_DRUMKIT.rows[0],
              {"DRUMKIT NAME", "DRUMKIT NAME", nullptr, 0xFF00, 1, 1, 0, -1, -1, 0, kAny, kAny, 0, nullptr});
    for (int k = 0; k < 128; ++k) {
        SCOPED_TRACE("key " + std::to_string(k));
        for (size_t i = 0; i < kGroup; ++i)
            ExpectRow(TABLEDESC_DRUMKIT.rows[1 + k * kGroup + i], kDrumKey[i], k * 256, 16 + 32 * k,
                      i == 0 ? "DRUMKEY " + std::to_string(k) : std::string());
    }
}

TEST(SmallTables, ArpeggioPatternIsItsHeaderThenOneGroupPerStep) {
    constexpr size_t kHeader = sizeof kArpHeader / sizeof kArpHeader[0];
    constexpr size_t kGroup = sizeof kArpStep / sizeof kArpStep[0];
    ASSERT_EQ(TABLEDESC_ARPPATTERN.count, kHeader + 48 * kGroup);
    for (size_t i = 0; i < kHeader; ++i) ExpectRow(TABLEDESC_ARPPATTERN.rows[i], kArpHeader[i]);
    for (int n = 0; n < 48; ++n) {
        SCOPED_TRACE("step " + std::to_string(n));
        for (size_t i = 0; i < kGroup; ++i)
            ExpectRow(TABLEDESC_ARPPATTERN.rows[kHeader + n * kGroup + i], kArpStep[i], n * 256, 32 + 6 * n,
                      i == 0 ? "STEP " + std::to_string(n) : std::string());
    }
}

TEST(SmallTables, EveryValueRoundTripsThroughItsRowAndNothingElseChanges) {
    struct Case {
        const char* name;
        const TABLEDESC* table;
        unsigned recordSize;
    } cases[] = {
        {"SETUP", &TABLEDESC_SETUP, kSizeSetup},
        {"RTCTL", &TABLEDESC_RTCTL, kSizeRtcState},
        {"EXTCONTROL", &TABLEDESC_EXTCONTROL, kSizeExtControl},
        {"TONEADJ", &TABLEDESC_TONEADJ, kSizeToneAdjust},
        {"TONEADJDESTTMPL", &TABLEDESC_TONEADJDESTTMPL, 2},
        {"COMBIPLAYTRK", &TABLEDESC_COMBIPLAYTRK, kSizeTimbre},
        {"PROGPLAY", &TABLEDESC_PROGPLAY, kSizeProgram},
        {"COMBIPLAY", &TABLEDESC_COMBIPLAY, kSizeCombi},
        {"DRUMKIT", &TABLEDESC_DRUMKIT, kSizeDrumKit},
        {"ARPPATTERN", &TABLEDESC_ARPPATTERN, kSizeArpPattern},
    };
    for (const Case& c : cases) {
        for (unsigned char pmid : {kPmidTolva, kPmidNerimo}) {
            SCOPED_TRACE(std::string(c.name) + " model " + std::to_string(pmid));
            const CParamTable* t = CParamTable::GetInstance(*c.table, pmid, c.recordSize);
            for (unsigned i = 0; i < t->GetCount(); ++i) {
                const PARAMDESC& row = *t->GetAt(i);
                if (row.ptype == kPTypeCaption) continue;
                SCOPED_TRACE("row " + std::to_string(i) + " " + RowLongName(row));
                for (uint8_t fill : {uint8_t{0x00}, uint8_t{0xFF}, uint8_t{0x5A}}) {
                    std::vector<uint8_t> record(c.recordSize, fill);
                    if (row.ptype == kPTypeString) {
                        const std::string name =
                            row.atype == kATypeName32 ? "A port name" : "Round Trip Name!";
                        RowAccessorS(row)->Put(record.data(), row.offset, name.c_str());
                        EXPECT_EQ(multiszlong(RowAccessorS(row)->Get(record.data(), row.offset)), name);
                    } else {
                        int lo = row.minval, hi = row.maxval;
                        if (c.table == &TABLEDESC_TONEADJ && row.atype == kATypeUBF8) {
                            // A destination: the section shows the list of destination templates.
                            lo = 0;
                            hi = static_cast<int>(TABLEDESC_TONEADJDESTTMPL.count) - 1;
                        }
                        for (int v : {lo, lo + (hi - lo) / 2, hi}) {
                            RowAccessorI(row)->Put(record.data(), row.offset, v);
                            EXPECT_EQ(RowAccessorI(row)->Get(record.data(), row.offset), v)
                                << "fill " << +fill;
                        }
                    }
                    std::vector<uint8_t> expected(c.recordSize, fill);
                    const std::vector<uint8_t> masks = FieldMasks(row);
                    for (size_t b = 0; b < masks.size(); ++b) {
                        const size_t at = static_cast<size_t>(row.offset) + b;
                        expected[at] = static_cast<uint8_t>((fill & ~masks[b]) | (record[at] & masks[b]));
                    }
                    EXPECT_EQ(record, expected) << "fill " << +fill;
                }
            }
        }
    }
}
