// Setup record of the editor (96 bytes).
#include "Common/Model/Tables/SmallTables.h"

namespace QorX0 {

namespace {

constinit const PARAMDESC kRows[] = {
    {"SETUP PARAMETERS\0"
     "SETUP PARAMETERS",
     nullptr, -1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr},
    {"Filter.AllSw\0"
     "Filter.AllSw",
     nullptr, 0x8100, 4, 2, 0, 0, 7, 0, 0, 0, 0, 0x0, "0\tOFF\n1\tON"},
    {"Filter.ProgSw\0"
     "Filter.ProgSw",
     nullptr, 0x8200, 4, 2, 1, 0, 7, 0, 0, 0, 0, 0x0, "0\tOFF\n1\tON"},
    {"Filter.ProgBank\0"
     "Filter.ProgBank",
     nullptr, 0x8300, 3, 3, 2, 0, 7, 0, 0, 0, 0, 0x0,
     "1\f-1\tAll Banks\n0\tBank A\n1\tBank B\n2\tBank C\n3\tBank D\f9\f-1\tAll Banks\n0\tBank A\n1\tBank "
     "B\n2\tBank C\n3\tBank D\n4\tBank E"},
    {"Filter.ProgNum\0"
     "Filter.ProgNum",
     nullptr, 0x8400, 2, 3, 3, 0, 7, -1, -1, 127, 0, 0x0, "-1\tAll\n0~127\t%.0f,v"},
    {"Filter.CombiSw\0"
     "Filter.CombiSw",
     nullptr, 0x8500, 4, 2, 4, 0, 7, 0, 0, 0, 0, 0x0, "0\tOFF\n1\tON"},
    {"Filter.CombiBank\0"
     "Filter.CombiBank",
     nullptr, 0x8600, 3, 3, 5, 0, 7, 0, 0, 0, 0, 0x0, "-1\tAll Banks\n0\tBank A\n1\tBank B\n2\tBank C"},
    {"Filter.CombiNum\0"
     "Filter.CombiNum",
     nullptr, 0x8700, 2, 3, 6, 0, 7, -1, -1, 127, 0, 0x0, "-1\tAll\n0~127\t%.0f,v"},
    {"Filter.MultiSw\0"
     "Filter.MultiSw",
     nullptr, 0x8800, 4, 2, 7, 0, 7, 0, 0, 0, 0, 0x0, "0\tOFF\n1\tON"},
    {"Filter.MultiNum\0"
     "Filter.MultiNum",
     nullptr, 0x8900, 2, 3, 8, 0, 7, -1, -1, 127, 0, 0x0, "-1\tAll\n0~127\t%.0f,v"},
    {"Filter.DrumkitSw\0"
     "Filter.DrumkitSw",
     nullptr, 0x8A00, 4, 2, 9, 0, 7, 0, 0, 0, 0, 0x0, "0\tOFF\n1\tON"},
    {"Filter.DrumkitNum\0"
     "Filter.DrumkitNum",
     nullptr, 0x8B00, 2, 3, 10, 0, 7, -1, -1, 39, 0, 0x0, "-1\tAll\n0~39\t%.0f,v"},
    {"Filter.ArpPatSw\0"
     "Filter.ArpPatSw",
     nullptr, 0x8C00, 4, 2, 11, 0, 7, 0, 0, 0, 0, 0x0, "0\tOFF\n1\tON"},
    // Patterns 128 to 250 do not fit a signed byte: this number keeps 16 bits in the free bytes after
    // the switches (the record is the editor's own and is stored by row name, not by offset).
    {"Filter.ArpPatNum\0"
     "Filter.ArpPatNum",
     nullptr, 0x8D00, 2, 5, 18, 0, 15, -1, -1, 250, 0, 0x0, "-1\tAll\n0~250\t%.0f,v"},
    {"Filter.GlobalSw\0"
     "Filter.GlobalSw",
     nullptr, 0x8E00, 4, 2, 13, 0, 7, 0, 0, 0, 0, 0x0, "0\tOFF\n1\tON"},
    {"BringDataFrom\0"
     "BringDataFrom",
     nullptr, 0x8F00, 3, 2, 14, 0, 7, 0, 0, 0, 0, 0x0, "0\tSoftware\n1\tHardware"},
    {"AutoLocalCtrl\0"
     "AutoLocalCtrl",
     nullptr, 0x9000, 4, 2, 15, 0, 7, 0, 0, 0, 0, 0x0, "0\tOFF\n1\tON"},
    {"WheelAssign\0"
     "WheelAssign",
     nullptr, 0x9100, 3, 2, 16, 0, 7, 0, 0, 0, 0, 0x0, "0\tCC#1\n1\tCC#2"},
    {"MidiLatency\0"
     "MidiLatency",
     "ms", 0x9200, 2, 2, 17, 0, 7, 0, 0, 10, 0, 0x0, "0~10\t%.0f,v"},
    {"MIDIInName\0"
     " ",
     nullptr, 0x9300, 1, 9, 32, 0, 0, 0, 0, 0, 0, 0x0, nullptr},
    {"MIDIOutName\0"
     " ",
     nullptr, 0x9400, 1, 9, 64, 0, 0, 0, 0, 0, 0, 0x0, nullptr},
};

}  // namespace

constinit const TABLEDESC TABLEDESC_SETUP = MakeTable(kRows);

}  // namespace QorX0
