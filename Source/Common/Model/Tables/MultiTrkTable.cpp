// One track of a multi (28 bytes).
#include "Common/Model/Tables/SoundTables.h"
#include "Common/Model/Tables/SoundFormats.h"

namespace QorX0 {

namespace {

// name, unit, PID, PTYPE, ATYPE, offset, low bit, high bit, default, min, max, initial, flags, format
// clang-format off
constexpr PARAMDESC kRows[] = {
    {"TRACK PARAMETERS\0" "TRACK PARAMETERS", nullptr, -1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr},
    {"PROGRAM BANK/NO.\0" "PROGRAM BANK/NO.", nullptr, 0x0000, 2, 7, 0, 0, 0, 0, 0, 0, 0, 0x0, "1\f0~127\t0~127\tA%03.0f,v\n128~255\t0~127\tB%03.0f,v\n256~383\t0~127\tC%03.0f,v\n384~511\t0~127\tD%03.0f,v\n512~639\t1~128\tG%03.0f,v\n640~767\t1~128\tg%03.0f,v\f9\f0~127\t0~127\tA%03.0f,v\n128~255\t0~127\tB%03.0f,v\n256~383\t0~127\tC%03.0f,v\n384~511\t0~127\tD%03.0f,v\n512~639\t0~127\tE%03.0f,v\n640~767\t1~128\tG%03.0f,v\n768~895\t1~128\tg%03.0f,v"},
    {"MIDI CHANNEL\0" "MIDI CHANNEL", nullptr, 0x0004, 2, 2, 2, 0, 4, 0, 0, 15, 0, 0x0, "0~15\t1~16\tCh%.0f,v"},
    {"STATUS\0" "STATUS", nullptr, 0x0003, 3, 2, 2, 5, 7, 2, 0, 4, 2, 0x0, "0\tINT\n1\tOff\n2\tBTH\n3\tEXT\n4\tEX2"},
    {"BANK SELECT MSB\0" "BANK SELECT MSB", nullptr, 0x0005, 2, 2, 3, 0, 6, 0, 0, 127, 0, 0x0, "%.0f,v"},
    {"BANK SELECT LSB\0" "BANK SELECT LSB", nullptr, 0x0006, 2, 2, 4, 0, 6, 0, 0, 127, 0, 0x0, "%.0f,v"},
    {"VOLUME\0" "VOLUME", nullptr, 0x0002, 2, 2, 5, 0, 7, 100, 0, 127, 100, 0x0, "%.0f,v"},
    {"PITCH BEND RANGE\0" "PITCH BEND RANGE", nullptr, 0x000C, 2, 3, 6, 0, 7, -25, -25, 12, -25, 0x0, "-25\tPRG\n-24~12\t%+.0f,v"},
    {"TRANSPOSE\0" "TRANSPOSE", nullptr, 0x000A, 2, 3, 7, 0, 7, 0, -60, 60, 0, 0x0, "%+.0f,v"},
    {"DETUNE\0" "DETUNE", "Cent", 0x000B, 2, 5, 8, 0, 15, 0, -1200, 1200, 0, 0x0, "%+.0f,v"},
    {"DELAY START\0" "DELAY START", "ms", 0x000D, 2, 4, 17, 0, 15, 0, 0, 5001, 0, 0x0, "0~5000\t%.0f,v\n5001\tKeyOff"},
    {"PAN\0" "PAN", nullptr, 0x0001, 2, 2, 11, 0, 7, 64, 0, 127, 64, 0x0, "0\tRND\n1~63\tL%03.0f,v\n64\tC064\n65~127\tR%03.0f,v"},
    {"SEND 1 LEVEL\0" "SEND 1 LEVEL", nullptr, 0x0029, 2, 2, 12, 0, 7, 127, 0, 127, 127, 0x0, "%.0f,v"},
    {"SEND 2 LEVEL\0" "SEND 2 LEVEL", nullptr, 0x002A, 2, 2, 13, 0, 7, 127, 0, 127, 127, 0x0, "%.0f,v"},
    {"DRUMKIT IFX Patch\0" "DRUMKIT IFX Patch", nullptr, 0x002B, 4, 2, 16, 0, 0, 0, 0, 1, 0, 0x0, "0\tOFF\n1\tON"},
    {"BUS SELECT\0" "BUS SELECT", nullptr, 0x0028, 3, 2, 27, 0, 7, 1, 0, 6, 1, 0x0, "0\tDrumkit IFX|DKit\n1\tL/R\n2\tIFX\n3\t1\n4\t2\n5\t1/2\n6\tOff"},
    {"PROGRAM CHANGE FILT\0" "PROGRAM CHANGE FILT", nullptr, 0x000F, 4, 2, 19, 0, 0, 1, 0, 1, 1, 0x0, "0\tOFF\n1\tON"},
    {"AFTER TOUCH FILTER\0" "AFTER TOUCH FILTER", nullptr, 0x0010, 4, 2, 19, 1, 1, 1, 0, 1, 1, 0x0, "0\tOFF\n1\tON"},
    {"DAMPER FILTER\0" "DAMPER FILTER", nullptr, 0x0011, 4, 2, 19, 2, 2, 1, 0, 1, 1, 0x0, "0\tOFF\n1\tON"},
    {"PORTAMENTO FILTER\0" "PORTAMENTO FILTER", nullptr, 0x0012, 4, 2, 19, 3, 3, 1, 0, 1, 1, 0x0, "0\tOFF\n1\tON"},
    {"JS(X) AS AMS FILTER\0" "JS(X) AS AMS FILTER", nullptr, 0x0013, 4, 2, 19, 4, 4, 1, 0, 1, 1, 0x0, "0\tOFF\n1\tON"},
    {"JS(Y+) FILTER\0" "JS(Y+) FILTER", nullptr, 0x0014, 4, 2, 19, 5, 5, 1, 0, 1, 1, 0x0, "0\tOFF\n1\tON"},
    {"JS(Y-) FILTER\0" "JS(Y-) FILTER", nullptr, 0x0015, 4, 2, 19, 6, 6, 1, 0, 1, 1, 0x0, "0\tOFF\n1\tON"},
    {"RIBBON FILTER\0" "RIBBON FILTER", nullptr, 0x0016, 4, 2, 19, 7, 7, 1, 0, 1, 1, 0x0, "0\tOFF\n1\tON"},
    {"ASSIGN KNOB 1 FILTER\0" "ASSIGN KNOB 1 FILTER", nullptr, 0x0017, 4, 2, 20, 0, 0, 1, 0, 1, 1, 0x0, "0\tOFF\n1\tON"},
    {"ASSIGN KNOB 2 FILTER\0" "ASSIGN KNOB 2 FILTER", nullptr, 0x0018, 4, 2, 20, 1, 1, 1, 0, 1, 1, 0x0, "0\tOFF\n1\tON"},
    {"ASSIGN KNOB 3 FILTER\0" "ASSIGN KNOB 3 FILTER", nullptr, 0x0019, 4, 2, 20, 2, 2, 1, 0, 1, 1, 0x0, "0\tOFF\n1\tON"},
    {"ASSIGN KNOB 4 FILTER\0" "ASSIGN KNOB 4 FILTER", nullptr, 0x001A, 4, 2, 20, 3, 3, 1, 0, 1, 1, 0x0, "0\tOFF\n1\tON"},
    {"ASSIGN SW 1 FILTER\0" "ASSIGN SW 1 FILTER", nullptr, 0x001B, 4, 2, 20, 4, 4, 1, 0, 1, 1, 0x0, "0\tOFF\n1\tON"},
    {"ASSIGN SW 2 FILTER\0" "ASSIGN SW 2 FILTER", nullptr, 0x001C, 4, 2, 20, 5, 5, 1, 0, 1, 1, 0x0, "0\tOFF\n1\tON"},
    {"FOOT PEDAL/SW FILTER\0" "FOOT PEDAL/SW FILTER", nullptr, 0x001D, 4, 2, 20, 6, 6, 1, 0, 1, 1, 0x0, "0\tOFF\n1\tON"},
    {"OTHER CONTROL FILTER\0" "OTHER CONTROL FILTER", nullptr, 0x001E, 4, 2, 20, 7, 7, 1, 0, 1, 1, 0x0, "0\tOFF\n1\tON"},
    {"FORCE OSC MODE\0" "FORCE OSC MODE", nullptr, 0x0007, 3, 4, 14, 0, 2, 0, 0, 3, 0, 0x0, "0\tPRG\n1\tPoly\n2\tMono\n3\tLegato"},
    {"OSC SELECT\0" "OSC SELECT", nullptr, 0x0008, 3, 4, 14, 3, 5, 0, 0, 2, 0, 0x0, "0\tBoth\n1\tOSC1\n2\tOSC2"},
    {"ARPEGGIATOR ASSIGN\0" "ARPEGGIATOR ASSIGN", nullptr, 0x0027, 3, 4, 14, 6, 8, 0, 0, 2, 0, 0x0, "0\tOff\n1\tA\n2\tB"},
    {"USE PROGRAM'S SCALE\0" "USE PROGRAM'S SCALE", nullptr, 0x000E, 4, 2, 14, 1, 1, 0, 0, 1, 0, 0x0, "0\tOFF\n1\tON"},
    {"PORTAMENTO TIME\0" "PORTAMENTO TIME", nullptr, 0x0009, 2, 3, 10, 0, 7, -1, -1, 127, -1, 0x0, "-1\tPRG\n0~127\t%.0f,v"},
    {"KEY Z TOP\0" "KEY Z TOP", nullptr, 0x001F, 3, 2, 21, 0, 7, 127, 0, 127, 127, 0x0, kFmtNoteList},
    {"KEY Z BOTTOM\0" "KEY Z BOTTOM", nullptr, 0x0022, 3, 2, 22, 0, 7, 0, 0, 127, 0, 0x0, kFmtNoteList},
    {"KEY Z TOP SLOPE\0" "KEY Z TOP SLOPE", nullptr, 0x0020, 3, 2, 23, 0, 3, 0, 0, 15, 0, 0x0, "0\n1\n2\n3\n4\n6\n8\n10\n12\n18\n24\n30\n36\n48\n60\n72"},
    {"KEY Z BOTTOM SLOPE\0" "KEY Z BOTTOM SLOPE", nullptr, 0x0021, 3, 2, 23, 4, 7, 0, 0, 15, 0, 0x0, "0\n1\n2\n3\n4\n6\n8\n10\n12\n18\n24\n30\n36\n48\n60\n72"},
    {"VEL Z TOP\0" "VEL Z TOP", nullptr, 0x0023, 2, 2, 24, 0, 7, 127, 1, 127, 127, 0x0, "%.0f,v"},
    {"VEL Z BOTTOM\0" "VEL Z BOTTOM", nullptr, 0x0026, 2, 2, 25, 0, 7, 1, 1, 127, 1, 0x0, "%.0f,v"},
    {"VEL Z TOP SLOPE\0" "VEL Z TOP SLOPE", nullptr, 0x0024, 3, 2, 26, 0, 3, 0, 0, 15, 0, 0x0, "0\n8\n16\n24\n32\n40\n48\n56\n64\n72\n80\n88\n96\n104\n112\n120"},
    {"VEL Z BOTTOM SLOPE\0" "VEL Z BOTTOM SLOPE", nullptr, 0x0025, 3, 2, 26, 4, 7, 0, 0, 15, 0, 0x0, "0\n8\n16\n24\n32\n40\n48\n56\n64\n72\n80\n88\n96\n104\n112\n120"},
};
// clang-format on

}  // namespace

const TABLEDESC TABLEDESC_MULTITRK = MakeTable(kRows);

}  // namespace QorX0
