// Initial records: where they differ from the rows' defaults. The sound values beyond the
// arpeggiator, effect levels and master EQ make a plain initial sound of our own.
#include "Common/Model/Tables/InitialValues.h"

namespace QorX0 {

namespace {

const INITVALUE kGlobal[] = {
    {"VELOCITY CURVE", 3}, {"CONVERT POSITION", 1}, {"COMBI AUTO ARP", 1}, {"OCTAVE KEYS", 1}, {"TEMPO", 0},
};

const INITVALUE kDrumKit[] = {
    {"SEND 1 LEVEL", 127},
    {"SEND 2 LEVEL", 127},
    {"VOICE ASSIGN", 1},
    {"RECEIVE NOTE ON", 1},
};

const INITVALUE kArpPattern[] = {
    {"ARPEGGIATOR SELECT", 65}, {"LENGTH", 8},           {"TONE 00 NOTE NO", 60},
    {"TONE 01 NOTE NO", 60},    {"TONE 02 NOTE NO", 60}, {"TONE 03 NOTE NO", 60},
    {"TONE 04 NOTE NO", 60},    {"TONE 05 NOTE NO", 60}, {"TONE 06 NOTE NO", 60},
    {"TONE 07 NOTE NO", 60},    {"TONE 08 NOTE NO", 60}, {"TONE 09 NOTE NO", 60},
    {"TONE 10 NOTE NO", 60},    {"TONE 11 NOTE NO", 60}, {"GATE", 50},
    {"VELOCITY", 64},
};

const INITVALUE kExtControl[] = {
    {"MIDI CHANNEL", 0},
    {"CC# ASSIGN", 0},
};

const INITVALUE kSetup[] = {
    {"Filter.AllSw", 1},      {"Filter.ProgSw", 1},   {"Filter.CombiSw", 1},  {"Filter.MultiSw", 1},
    {"Filter.DrumkitSw", 1},  {"Filter.ArpPatSw", 1}, {"Filter.GlobalSw", 1}, {"Filter.ProgBank", -1},
    {"Filter.CombiBank", -1}, {"BringDataFrom", 1},   {"AutoLocalCtrl", 1},
};

// Rows shared by the program, combination and multi records: effect levels, master EQ, arpeggiator.
#define QN_SOUND_COMMON                                                                                 \
    {"Send 1 Level", 127}, {"Send 2 Level", 127}, {"MFX Chain Level", 127}, {"Master EQ Low Fc", 3},    \
        {"Master EQ Mid Fc", 29}, {"Master EQ High Fc", 75}, {"Master EQ Mid Q", 5}, {"RESOLUTION", 1}, \
        {"GATE", 80}, {"VELOCITY", 128}, {"SORT", 1}, {"TOP KEY", 127}, {                               \
        "TOP VELOCITY", 127                                                                             \
    }

const INITVALUE kProgram[] = {
    QN_SOUND_COMMON,
    // A plain initial sound: one oscillator, open filter, full sustain, centred.
    {"OSCILLATOR 1/HI LEVEL", 99},
    {"OSCILLATOR 1/VEL ZONE TOP", 127},
    {"OSCILLATOR 1 FILTER A/FREQUENCY", 99},
    {"OSCILLATOR 1 FILTER B/FREQUENCY", 99},
    {"OSCILLATOR 1 AMPLIFIER/LEVEL", 99},
    {"OSCILLATOR 1 AMPLIFIER EG/ATTACK LEVEL", 99},
    {"OSCILLATOR 1 AMPLIFIER EG/BREAK POINT LEVEL", 99},
    {"OSCILLATOR 1 AMPLIFIER EG/SUSTAIN LEVEL", 99},
    {"OSCILLATOR 1 OUTPUT/PAN", 64},
    {"OSCILLATOR 2/VEL ZONE TOP", 127},
    {"OSCILLATOR 2 FILTER A/FREQUENCY", 99},
    {"OSCILLATOR 2 FILTER B/FREQUENCY", 99},
    {"OSCILLATOR 2 OUTPUT/PAN", 64},
};

const INITVALUE kSoundCommon[] = {
    QN_SOUND_COMMON,
    {"Control Channel", 16},
    {"MFX1 Control Channel", 16},
    {"MFX2 Control Channel", 16},
    {"ARPEGGIATOR RUN A", 1},
    {"ARPEGGIATOR RUN B", 1},
    {"SW 1 ASSIGN TYPE", 1},
    {"SW 2 ASSIGN TYPE", 1},
    {"KNOB 1 ASSIGN TYPE", 1},
    {"KNOB 2 ASSIGN TYPE", 2},
    {"KNOB 3 ASSIGN TYPE", 3},
    {"KNOB 4 ASSIGN TYPE", 4},
};

#undef QN_SOUND_COMMON

const INITVALUE kTimbre[] = {
    {"VOLUME", 127},
    {"PITCH BEND RANGE", -25},
    {"BUS SELECT", 1},
    {"PROGRAM CHANGE FILT", 1},
    {"AFTER TOUCH FILTER", 1},
    {"DAMPER FILTER", 1},
    {"PORTAMENTO FILTER", 1},
    {"JS(X) AS AMS FILTER", 1},
    {"JS(Y+) FILTER", 1},
    {"JS(Y-) FILTER", 1},
    {"RIBBON FILTER", 1},
    {"ASSIGN KNOB 1 FILTER", 1},
    {"ASSIGN KNOB 2 FILTER", 1},
    {"ASSIGN KNOB 3 FILTER", 1},
    {"ASSIGN KNOB 4 FILTER", 1},
    {"ASSIGN SW 1 FILTER", 1},
    {"ASSIGN SW 2 FILTER", 1},
    {"FOOT PEDAL/SW FILTER", 1},
    {"OTHER CONTROL FILTER", 1},
    {"KEY Z TOP", 127},
    {"VEL Z TOP", 127},
    {"MIDI CHANNEL", kInitSubIndex},
};

const INITVALUE kMultiTrack[] = {
    {"STATUS", 2},
};

const INITVALUE kToneAdjust[] = {
    {"DESTINATION", 0, 0},  {"DESTINATION", 1, 1},  {"DESTINATION", 2, 2},
    {"DESTINATION", 12, 3}, {"DESTINATION", 13, 4}, {"DESTINATION", 15, 5},
};

}  // namespace

constinit const INITVALUES g_InitGlobal = MakeInitValues(kGlobal);
constinit const INITVALUES g_InitDrumKit = MakeInitValues(kDrumKit);
constinit const INITVALUES g_InitArpPattern = MakeInitValues(kArpPattern);
constinit const INITVALUES g_InitExtControl = MakeInitValues(kExtControl);
constinit const INITVALUES g_InitSetup = MakeInitValues(kSetup);
constinit const INITVALUES g_InitProgram = MakeInitValues(kProgram);
constinit const INITVALUES g_InitSoundCommon = MakeInitValues(kSoundCommon);
constinit const INITVALUES g_InitTimbre = MakeInitValues(kTimbre);
constinit const INITVALUES g_InitMultiTrack = MakeInitValues(kMultiTrack);
constinit const INITVALUES g_InitToneAdjust = MakeInitValues(kToneAdjust);

const INITBYTE g_InitGlobalBytes[6] = {{3, 2}, {840, 127}, {844, 12}, {845, 127}, {846, 127}, {849, 12}};

const char* const g_InitProgCategoryNames[16] = {
    "Keyboard",       "Organ", "Bell/Mallet", "Strings",   "Vocal/Airy", "Brass",       "Woodwind/Reed",
    "Guitar/Plucked", "Bass",  "SlowSynth",   "FastSynth", "LeadSynth",  "MotionSynth", "SE",
    "Hit/Arpg",       "Drums",
};

const char* const g_InitCombiCategoryNames[16] = {
    "Keyboard",       "Organ",   "Bell/Mallet/Perc", "Strings", "BrassReed",  "Orchestral", "World",
    "Guitar/Plucked", "Pads",    "Motion Synth",     "Synth",   "LeadSplits", "BassSplits", "Complex & SE",
    "User",           "Ds/Hits",
};

}  // namespace QorX0
