// The combination's arpeggiator sub-pages: arpeggiators A and B, their scan zones, and the knob and
// switch assignments (the sister model's variant and the Tolva's).
// Layout: category captions at y 10 above up to three columns (a second category may head the
// lower part of a column); rows 22 pixels apart from y 35; a parameter caption 60 wide, its
// control 65 pixels right of it on the same line. Rows: category captions, then each column's
// captions and its controls.
#include "Common/Layers/Forms/FormItems.h"
#include "Common/Layers/Forms/FormRows.h"

namespace UIForms {

// Form 1067.
const UI_FORMINFO _g_uiFormItem_ID_COMBI_ARP_ARP_A[18] = {
    Lbl("Resolution", 15, 35), Lbl("Octave", 15, 57),     Lbl("Gate", 15, 79),   Lbl("Velocity", 15, 101),
    Lbl("Swing", 15, 123),     Pop96(0x0A01, 80, 35),     Pop31(0x0A02, 80, 57), Edit96(0x0A03, 80, 79),
    Edit96(0x0A04, 80, 101),   Edit96(0x0A05, 80, 123),   Lbl("Sort", 255, 35),  Lbl("Latch", 255, 57),
    Lbl("Key Sync", 255, 79),  Lbl("Keyboard", 255, 101), Chk(0x0A06, 320, 35),  Chk(0x0A07, 320, 57),
    Chk(0x0A08, 320, 79),      Chk(0x0A09, 320, 101),
};

// Form 1068.
const UI_FORMINFO _g_uiFormItem_ID_COMBI_ARP_ARP_B[18] = {
    Lbl("Resolution", 15, 35), Lbl("Octave", 15, 57),     Lbl("Gate", 15, 79),   Lbl("Velocity", 15, 101),
    Lbl("Swing", 15, 123),     Pop96(0x0B01, 80, 35),     Pop31(0x0B02, 80, 57), Edit96(0x0B03, 80, 79),
    Edit96(0x0B04, 80, 101),   Edit96(0x0B05, 80, 123),   Lbl("Sort", 255, 35),  Lbl("Latch", 255, 57),
    Lbl("Key Sync", 255, 79),  Lbl("Keyboard", 255, 101), Chk(0x0B06, 320, 35),  Chk(0x0B07, 320, 57),
    Chk(0x0B08, 320, 79),      Chk(0x0B09, 320, 101),
};

// Form 1069.
const UI_FORMINFO _g_uiFormItem_ID_COMBI_ARP_SCAN_ZONE[18] = {
    Cat("Arp A", 10, 10),      Cat("Arp B", 250, 10),        Lbl("Top Key", 15, 35),
    Lbl("Bottom Key", 15, 57), Lbl("Top Vel.", 15, 79),      Lbl("Bottom Vel.", 15, 101),
    Edit96(0x0A0A, 80, 35),    Edit96(0x0A0B, 80, 57),       Edit96(0x0A0C, 80, 79),
    Edit96(0x0A0D, 80, 101),   Lbl("Top Key", 255, 35),      Lbl("Bottom Key", 255, 57),
    Lbl("Top Vel.", 255, 79),  Lbl("Bottom Vel.", 255, 101), Edit96(0x0B0A, 320, 35),
    Edit96(0x0B0B, 320, 57),   Edit96(0x0B0C, 320, 79),      Edit96(0x0B0D, 320, 101),
};

// Form 1070.
const UI_FORMINFO _g_uiFormItem_ID_COMBI_ARP_CONTROLS_Marl[12] = {
    Cat("Knob B Assign", 10, 10), Cat("OCTAVE Keys", 250, 10), Lbl("Knob 1", 15, 35),  Lbl("Knob 2", 15, 57),
    Lbl("Realtime", 15, 79),      Lbl("Mode", 15, 101),        Pop154(0x000A, 80, 35), Pop154(0x000B, 80, 57),
    Pop96(0x000E, 80, 79),        Pop96(0x000F, 80, 101),      Lbl("Octave", 255, 35), Pop96(0x0E13, 320, 35),
};

// Form 1071.
const UI_FORMINFO _g_uiFormItem_ID_COMBI_ARP_CONTROLS_Tolva[23] = {
    Cat("Knob B Assign", 10, 10), Cat("SW1 Assign", 250, 10), Cat("SW2 Assign", 250, 98),
    Lbl("Knob 1", 15, 35),        Lbl("Knob 2", 15, 57),      Lbl("Knob 3", 15, 79),
    Lbl("Knob 4", 15, 101),       Pop154(0x000A, 80, 35),     Pop154(0x000B, 80, 57),
    Pop154(0x000C, 80, 79),       Pop154(0x000D, 80, 101),    Lbl("Function", 255, 35),
    Lbl("Mode", 255, 57),         Lbl("On", 255, 79),         Lbl("Function", 255, 123),
    Lbl("Mode", 255, 145),        Lbl("On", 255, 167),        Pop154(0x0004, 320, 35),
    Pop96(0x0008, 320, 57),       Chk(0x0006, 320, 79),       Pop154(0x0005, 320, 123),
    Pop96(0x0009, 320, 145),      Chk(0x0007, 320, 167),
};

}  // namespace UIForms
