// Combination, play view (544 bytes).
#include "Common/Model/Tables/SmallTables.h"

namespace QorX0 {

namespace {

constinit const PARAMDESC kRows[] = {
    {"COMBI.  NAME\0"
     "COMBI.  NAME",
     nullptr, 0xFF00, 1, 1, 0, 0, 0, 0, 0, 0, 0, 0x0, nullptr},
    {"ARPEGGIATOR PARAMETERS\0"
     "ARPEGGIATOR PARAMETERS",
     nullptr, -1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr},
    {"TEMPO\0"
     "TEMPO",
     nullptr, 0x0800, 2, 2, 96, 0, 7, 120, 40, 240, 0, 0x0, "%.0f,v"},
    {"SWITCH\0"
     "SWITCH",
     nullptr, 0x0801, 4, 2, 97, 0, 0, 0, 0, 0, 0, 0x0, "0\tOFF\n1\tON"},
    {"ARPEGGIATOR RUN A\0"
     "ARPEGGIATOR RUN A",
     nullptr, 0x0802, 4, 2, 97, 1, 1, 0, 0, 0, 0, 0x0, "0\tOFF\n1\tON"},
    {"ARPEGGIATOR RUN B\0"
     "ARPEGGIATOR RUN B",
     nullptr, 0x0803, 4, 2, 97, 2, 2, 0, 0, 0, 0, 0x0, "0\tOFF\n1\tON"},
    {"GATE\0"
     "GATE",
     nullptr, 0x0804, 2, 3, 94, 0, 7, 0, -64, 63, 0, 0x0, "%.0f,v"},
    {"VELOCITY\0"
     "VELOCITY",
     nullptr, 0x0805, 2, 3, 95, 0, 7, 0, -64, 63, 0, 0x0, "%.0f,v"},
    {"LENGTH\0"
     "LENGTH",
     nullptr, 0x0806, 2, 3, 79, 0, 7, 0, -64, 63, 0, 0x0, "%.0f,v"},
    {"ARPEGGIATOR A\0"
     "ARPEGGIATOR A",
     nullptr, -1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr},
    {"PATTERN NO.\0"
     "PATTERN NO.",
     nullptr, 0x0900, 2, 2, 98, 0, 7, 0, 0, 255, 0, 0x0, "0~4\t0~4\tP%.0f,v\n5~255\t0~250\t%.0f,v"},
    {"RESOLUTION\0"
     "RESOLUTION",
     nullptr, 0x0901, 3, 2, 99, 2, 4, 1, 0, 0, 0, 0x0, "0\t16T\n1\t16\n2\t8T\n3\t8\n4\t4T\n5\t4"},
    {"OCTAVE\0"
     "OCTAVE",
     nullptr, 0x0902, 3, 2, 99, 0, 1, 0, 0, 0, 0, 0x0, "0\t1\n1\t2\n2\t3\n3\t4"},
    {"SORT\0"
     "SORT",
     nullptr, 0x0906, 4, 2, 103, 0, 0, 0, 0, 0, 0, 0x0, "0\tOFF\n1\tON"},
    {"LATCH\0"
     "LATCH",
     nullptr, 0x0907, 4, 2, 103, 1, 1, 0, 0, 0, 0, 0x0, "0\tOFF\n1\tON"},
    {"KEY SYNC.\0"
     "KEY SYNC.",
     nullptr, 0x0908, 4, 2, 103, 2, 2, 0, 0, 0, 0, 0x0, "0\tOFF\n1\tON"},
    {"KEYBOARD\0"
     "KEYBOARD",
     nullptr, 0x0909, 4, 2, 103, 3, 3, 0, 0, 0, 0, 0x0, "0\tOFF\n1\tON"},
    {"ARPEGGIATOR B\0"
     "ARPEGGIATOR B",
     nullptr, -1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr},
    {"PATTERN NO.\0"
     "PATTERN NO.",
     nullptr, 0x0A00, 2, 2, 108, 0, 7, 0, 0, 255, 0, 0x0, "0~4\t0~4\tP%.0f,v\n5~255\t0~250\t%.0f,v"},
    {"RESOLUTION\0"
     "RESOLUTION",
     nullptr, 0x0A01, 3, 2, 109, 2, 4, 1, 0, 0, 0, 0x0, "0\t16T\n1\t16\n2\t8T\n3\t8\n4\t4T\n5\t4"},
    {"OCTAVE\0"
     "OCTAVE",
     nullptr, 0x0A02, 3, 2, 109, 0, 1, 0, 0, 0, 0, 0x0, "0\t1\n1\t2\n2\t3\n3\t4"},
    {"SORT\0"
     "SORT",
     nullptr, 0x0A06, 4, 2, 113, 0, 0, 0, 0, 0, 0, 0x0, "0\tOFF\n1\tON"},
    {"LATCH\0"
     "LATCH",
     nullptr, 0x0A07, 4, 2, 113, 1, 1, 0, 0, 0, 0, 0x0, "0\tOFF\n1\tON"},
    {"KEY SYNC.\0"
     "KEY SYNC.",
     nullptr, 0x0A08, 4, 2, 113, 2, 2, 0, 0, 0, 0, 0x0, "0\tOFF\n1\tON"},
    {"KEYBOARD\0"
     "KEYBOARD",
     nullptr, 0x0A09, 4, 2, 113, 3, 3, 0, 0, 0, 0, 0x0, "0\tOFF\n1\tON"},
    {"SWITCH PARAMETERS\0"
     "SWITCH PARAMETERS",
     nullptr, -1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr},
    {"SW 1 ON/OFF\0"
     "SW 1 ON/OFF",
     nullptr, 0x0B00, 4, 2, 122, 7, 7, 0, 0, 0, 0, 0x0, "0\tOFF\n1\tON"},
    {"SW 2 ON/OFF\0"
     "SW 2 ON/OFF",
     nullptr, 0x0B01, 4, 2, 123, 7, 7, 0, 0, 0, 0, 0x0, "0\tOFF\n1\tON"},
    {"REALTIME CONTROLS\0"
     "REALTIME CONTROLS",
     nullptr, 0x0B02, 3, 2, 124, 7, 7, 0, 0, 0, 0, 0x0, "0\tA\n1\tB"},
    {"REALTIME CONTROLS MSB\0"
     "REALTIME CONTROLS MSB",
     nullptr, 0x0B03, 3, 2, 125, 7, 7, 0, 0, 0, 0, 0x0, "0\tA or B\n1\tC"},
    {"Octave Up/Down\0"
     "Octave Up/Down",
     nullptr, 0x0B04, 2, 3, 82, 4, 7, 0, -3, 3, 0, 0x0, "%.0f,v"},
};

}  // namespace

constinit const TABLEDESC TABLEDESC_COMBIPLAY = MakeTable(kRows);

}  // namespace QorX0
