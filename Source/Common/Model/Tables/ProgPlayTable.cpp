// Program, play view (444 bytes).
#include "Common/Model/Tables/SmallTables.h"

namespace QorX0 {

namespace {

constinit const PARAMDESC kRows[] = {
    {"PROGRAM NAME\0"
     "PROGRAM NAME",
     nullptr, 0xFF00, 1, 1, 0, 0, 0, 0, 0, 0, 0, 0x0, nullptr},
    {"PERFORMANCE EDITOR\0"
     "PERFORMANCE EDITOR",
     nullptr, -1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr},
    {"OCTAVE\0"
     "OCTAVE",
     nullptr, 0x0000, 2, 3, 0, 0, 7, 0, -3, 3, 0, 0x10, "%+.0f,v"},
    {"PITCH STRETCH\0"
     "PITCH STRETCH",
     nullptr, 0x0001, 2, 3, 1, 0, 7, 0, -12, 12, 0, 0x10, "%+.0f,v"},
    {"OSC BALANCE\0"
     "OSC BALANCE",
     nullptr, 0x0002, 2, 3, 2, 0, 7, 0, -10, 10, 0, 0x10, "%+.0f,v"},
    {"AMP LEVEL\0"
     "AMP LEVEL",
     nullptr, 0x0003, 2, 3, 3, 0, 7, 0, -10, 10, 0, 0x10, "%+.0f,v"},
    {"ATTACK TIME\0"
     "ATTACK TIME",
     nullptr, 0x0004, 2, 3, 4, 0, 7, 0, -10, 10, 0, 0x10, "%+.0f,v"},
    {"DECAY TIME\0"
     "DECAY TIME",
     nullptr, 0x0005, 2, 3, 5, 0, 7, 0, -10, 10, 0, 0x10, "%+.0f,v"},
    {"IFX BALANCE\0"
     "IFX BALANCE",
     nullptr, 0x0006, 2, 3, 6, 0, 7, 0, -10, 10, 0, 0x10, "%+.0f,v"},
    {"MFX BALANCE\0"
     "MFX BALANCE",
     nullptr, 0x0007, 2, 3, 7, 0, 7, 0, -10, 10, 0, 0x10, "%+.0f,v"},
    {"ARPEGGIATOR PARAMETERS\0"
     "ARPEGGIATOR PARAMETERS",
     nullptr, -1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr},
    {"TEMPO\0"
     "TEMPO",
     nullptr, 0x0100, 2, 2, 96, 0, 7, 120, 40, 240, 0, 0x0, "%.0f,v"},
    {"SWITCH\0"
     "SWITCH",
     nullptr, 0x0101, 4, 2, 97, 0, 0, 0, 0, 0, 0, 0x0, "0\tOFF\n1\tON"},
    {"GATE\0"
     "GATE",
     nullptr, 0x0102, 2, 3, 94, 0, 7, 0, -64, 63, 0, 0x0, "%.0f,v"},
    {"VELOCITY\0"
     "VELOCITY",
     nullptr, 0x0103, 2, 3, 95, 0, 7, 0, -64, 63, 0, 0x0, "%.0f,v"},
    {"LENGTH\0"
     "LENGTH",
     nullptr, 0x0104, 2, 3, 79, 0, 7, 0, -64, 63, 0, 0x0, "%.0f,v"},
    {"ARPEGGIATOR A\0"
     "ARPEGGIATOR A",
     nullptr, -1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr},
    {"PATTERN NO.\0"
     "PATTERN NO.",
     nullptr, 0x0200, 2, 2, 98, 0, 7, 0, 0, 255, 0, 0x0, "0~4\t0~4\tP%.0f,v\n5~255\t0~250\t%.0f,v"},
    {"RESOLUTION\0"
     "RESOLUTION",
     nullptr, 0x0201, 3, 2, 99, 2, 4, 1, 0, 0, 0, 0x0, "0\t16T\n1\t16\n2\t8T\n3\t8\n4\t4T\n5\t4"},
    {"OCTAVE\0"
     "OCTAVE",
     nullptr, 0x0202, 3, 2, 99, 0, 1, 0, 0, 0, 0, 0x0, "0\t1\n1\t2\n2\t3\n3\t4"},
    {"SORT\0"
     "SORT",
     nullptr, 0x0206, 4, 2, 103, 0, 0, 0, 0, 0, 0, 0x0, "0\tOFF\n1\tON"},
    {"LATCH\0"
     "LATCH",
     nullptr, 0x0207, 4, 2, 103, 1, 1, 0, 0, 0, 0, 0x0, "0\tOFF\n1\tON"},
    {"KEY SYNC.\0"
     "KEY SYNC.",
     nullptr, 0x0208, 4, 2, 103, 2, 2, 0, 0, 0, 0, 0x0, "0\tOFF\n1\tON"},
    {"KEYBOARD\0"
     "KEYBOARD",
     nullptr, 0x0209, 4, 2, 103, 3, 3, 0, 0, 0, 0, 0x0, "0\tOFF\n1\tON"},
    {"SWITCH PARAMETERS\0"
     "SWITCH PARAMETERS",
     nullptr, -1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr},
    {"SW 1 ON/OFF\0"
     "SW 1 ON/OFF",
     nullptr, 0x0300, 4, 2, 114, 7, 7, 0, 0, 0, 0, 0x0, "0\tOFF\n1\tON"},
    {"SW 2 ON/OFF\0"
     "SW 2 ON/OFF",
     nullptr, 0x0301, 4, 2, 115, 7, 7, 0, 0, 0, 0, 0x0, "0\tOFF\n1\tON"},
    {"REALTIME CONTROLS\0"
     "REALTIME CONTROLS",
     nullptr, 0x0302, 3, 2, 116, 7, 7, 0, 0, 0, 0, 0x0, "0\tA\n1\tB"},
    {"REALTIME CONTROLS MSB\0"
     "REALTIME CONTROLS MSB",
     nullptr, 0x0303, 3, 2, 117, 7, 7, 0, 0, 0, 0, 0x0, "0\tA or B\n1\tC"},
    {"Octave Up/Down\0"
     "Octave Up/Down",
     nullptr, 0x0304, 2, 3, 82, 4, 7, 0, -3, 3, 0, 0x0, "%.0f,v"},
};

}  // namespace

constinit const TABLEDESC TABLEDESC_PROGPLAY = MakeTable(kRows);

}  // namespace QorX0
