// Realtime-control state (16 bytes).
#include "Common/Model/Tables/SmallTables.h"

namespace QorX0 {

namespace {

constinit const PARAMDESC kRows[] = {
    {"PAGE\0"
     "PAGE",
     nullptr, 0x8000, 3, 2, 0, 0, 7, 1, 0, 0, 0, 0x0, "0\tA\n1\tB\n2\tC"},
    {"CUTOFF\0"
     "CUTOFF",
     nullptr, 0x8001, 2, 2, 1, 0, 6, 0, 0, 127, 0, 0x0, "%.0f,v"},
    {"RESO/HPF\0"
     "RESO/HPF",
     nullptr, 0x8002, 2, 2, 2, 0, 6, 0, 0, 127, 0, 0x0, "%.0f,v"},
    {"EG-INT\0"
     "EG-INT",
     nullptr, 0x8003, 2, 2, 3, 0, 6, 0, 0, 127, 0, 0x0, "%.0f,v"},
    {"EG-RLS\0"
     "EG-RLS",
     nullptr, 0x8004, 2, 2, 4, 0, 6, 0, 0, 127, 0, 0x0, "%.0f,v"},
    {"KNOB1-B\0"
     "KNOB1-B",
     nullptr, 0x8005, 2, 2, 5, 0, 6, 0, 0, 127, 0, 0x0, "%.0f,v"},
    {"KNOB2-B\0"
     "KNOB2-B",
     nullptr, 0x8006, 2, 2, 6, 0, 6, 0, 0, 127, 0, 0x0, "%.0f,v"},
    {"KNOB3-B\0"
     "KNOB3-B",
     nullptr, 0x8007, 2, 2, 7, 0, 6, 0, 0, 127, 0, 0x0, "%.0f,v"},
    {"KNOB4-B\0"
     "KNOB4-B",
     nullptr, 0x8008, 2, 2, 8, 0, 6, 0, 0, 127, 0, 0x0, "%.0f,v"},
    {"ARP-GATE\0"
     "ARP-GATE",
     nullptr, 0x8009, 2, 3, 9, 0, 7, 0, -64, 63, 0, 0x0, "%.0f,v"},
    {"ARP-VEL\0"
     "ARP-VEL",
     nullptr, 0x800A, 2, 3, 10, 0, 7, 0, -64, 63, 0, 0x0, "%.0f,v"},
    {"ARP-LGT\0"
     "ARP-LGT",
     nullptr, 0x800B, 2, 3, 11, 0, 7, 0, -64, 63, 0, 0x0, "%.0f,v"},
    {"TEMPO\0"
     "TEMPO",
     "bpm", 0x800C, 2, 2, 12, 0, 7, 120, 40, 240, 0, 0x0, "%.0f,v"},
};

}  // namespace

constinit const TABLEDESC TABLEDESC_RTCTL = MakeTable(kRows);

}  // namespace QorX0
