// The multi's arpeggiator sub-pages: arpeggiators A and B, their scan zones, and the knob and
// switch assignments (the sister model's variant and the Tolva's).
// Layout: category captions at y 10 above up to three columns (a second category may head the
// lower part of a column); rows 22 pixels apart from y 35; a parameter caption 60 wide, its
// control 65 pixels right of it on the same line. Rows: category captions, then each column's
// captions and its controls.
#include "Common/Layers/Forms/FormItems.h"
#include "Common/Layers/Forms/FormRows.h"

namespace UIForms {

// Form 1075.
const UI_FORMINFO _g_uiFormItem_ID_MULTI_ARP_ARP_A[18] = {
    Lbl("Resolution", 15, 35), Lbl("Octave", 15, 57),     Lbl("Gate", 15, 79),   Lbl("Velocity", 15, 101),
    Lbl("Swing", 15, 123),     Pop96(0x2301, 80, 35),     Pop31(0x2302, 80, 57), Edit96(0x2303, 80, 79),
    Edit96(0x2304, 80, 101),   Edit96(0x2305, 80, 123),   Lbl("Sort", 255, 35),  Lbl("Latch", 255, 57),
    Lbl("Key Sync", 255, 79),  Lbl("Keyboard", 255, 101), Chk(0x2306, 320, 35),  Chk(0x2307, 320, 57),
    Chk(0x2308, 320, 79),      Chk(0x2309, 320, 101),
};

// Form 1076.
const UI_FORMINFO _g_uiFormItem_ID_MULTI_ARP_ARP_B[18] = {
    Lbl("Resolution", 15, 35), Lbl("Octave", 15, 57),     Lbl("Gate", 15, 79),   Lbl("Velocity", 15, 101),
    Lbl("Swing", 15, 123),     Pop96(0x2401, 80, 35),     Pop31(0x2402, 80, 57), Edit96(0x2403, 80, 79),
    Edit96(0x2404, 80, 101),   Edit96(0x2405, 80, 123),   Lbl("Sort", 255, 35),  Lbl("Latch", 255, 57),
    Lbl("Key Sync", 255, 79),  Lbl("Keyboard", 255, 101), Chk(0x2406, 320, 35),  Chk(0x2407, 320, 57),
    Chk(0x2408, 320, 79),      Chk(0x2409, 320, 101),
};

// Form 1077.
const UI_FORMINFO _g_uiFormItem_ID_MULTI_ARP_SCAN_ZONE[18] = {
    Cat("Arp A", 10, 10),      Cat("Arp B", 250, 10),        Lbl("Top Key", 15, 35),
    Lbl("Bottom Key", 15, 57), Lbl("Top Vel.", 15, 79),      Lbl("Bottom Vel.", 15, 101),
    Edit96(0x230A, 80, 35),    Edit96(0x230B, 80, 57),       Edit96(0x230C, 80, 79),
    Edit96(0x230D, 80, 101),   Lbl("Top Key", 255, 35),      Lbl("Bottom Key", 255, 57),
    Lbl("Top Vel.", 255, 79),  Lbl("Bottom Vel.", 255, 101), Edit96(0x240A, 320, 35),
    Edit96(0x240B, 320, 57),   Edit96(0x240C, 320, 79),      Edit96(0x240D, 320, 101),
};

// Form 1078.
const UI_FORMINFO _g_uiFormItem_ID_MULTI_ARP_CONTROLS_Marl[12] = {
    Cat("Knob B Assign", 10, 10), Cat("OCTAVE Keys", 250, 10), Lbl("Knob 1", 15, 35),  Lbl("Knob 2", 15, 57),
    Lbl("Realtime", 15, 79),      Lbl("Mode", 15, 101),        Pop154(0x0009, 80, 35), Pop154(0x000A, 80, 57),
    Pop96(0x000D, 80, 79),        Pop96(0x000E, 80, 101),      Lbl("Octave", 255, 35), Pop96(0x2713, 320, 35),
};

// Form 1079.
const UI_FORMINFO _g_uiFormItem_ID_MULTI_ARP_CONTROLS_Tolva[23] = {
    Cat("Knob B Assign", 10, 10), Cat("SW1 Assign", 250, 10), Cat("SW2 Assign", 250, 98),
    Lbl("Knob 1", 15, 35),        Lbl("Knob 2", 15, 57),      Lbl("Knob 3", 15, 79),
    Lbl("Knob 4", 15, 101),       Pop154(0x0009, 80, 35),     Pop154(0x000A, 80, 57),
    Pop154(0x000B, 80, 79),       Pop154(0x000C, 80, 101),    Lbl("Function", 255, 35),
    Lbl("Mode", 255, 57),         Lbl("On", 255, 79),         Lbl("Function", 255, 123),
    Lbl("Mode", 255, 145),        Lbl("On", 255, 167),        Pop154(0x0003, 320, 35),
    Pop96(0x0007, 320, 57),       Chk(0x0005, 320, 79),       Pop154(0x0004, 320, 123),
    Pop96(0x0008, 320, 145),      Chk(0x0006, 320, 167),
};

}  // namespace UIForms
