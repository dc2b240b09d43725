// The program's basic sub-pages: voice assignment and scale, each oscillator's samples, octave, delay
// start and sends, the velocity zones and the audition riff. An oscillator's pan has its knob on the
// amp page, so its form gives that row to the oscillator's delay start, on the wider bar that has room
// for its "KeyOff".
// Layout: category captions at y 10 above up to three columns (a second category may head the
// lower part of a column); rows 22 pixels apart from y 35; a parameter caption 60 wide, its
// control 65 pixels right of it on the same line. Rows: category captions, then each column's
// captions and its controls.
#include "Common/Layers/Forms/FormItems.h"
#include "Common/Layers/Forms/FormRows.h"

namespace UIForms {

// Form 1024.
const UI_FORMINFO _g_uiFormItem_ID_PROG_BASIC_PROGBASIC[18] = {
    Cat("Voice Assign", 10, 10), Cat("Scale", 190, 10),  Lbl("Assign", 15, 35),
    Lbl("Priority", 15, 57),     Lbl("Legato", 15, 79),  Lbl("Single Trig.", 15, 101),
    Lbl("Hold", 15, 123),        Pop96(0x0002, 80, 35),  Pop96(0x0004, 80, 57),
    Chk(0x0003, 80, 79),         Chk(0x0005, 80, 101),   Chk(0x0006, 80, 123),
    Lbl("Type", 195, 35),        Lbl("Key", 195, 57),    Lbl("Random", 195, 79),
    Pop154(0x0009, 260, 35),     Pop96(0x000A, 260, 57), Pop96(0x000B, 260, 79),
};

// Form 1029.
const UI_FORMINFO _g_uiFormItem_ID_PROG_BASIC_OSC1[24] = {
    Cat("High", 10, 10),          Cat("Low", 190, 10),         Lbl("Level", 15, 35),
    Lbl("Start Offset", 15, 57),  Lbl("Reverse", 15, 79),      Bar96(0x0204, 80, 35),
    Chk(0x0202, 80, 57),          Chk(0x0203, 80, 79),         Lbl("Level", 195, 35),
    Lbl("Start Offset", 195, 57), Lbl("Reverse", 195, 79),     Bar96(0x0209, 260, 35),
    Chk(0x0207, 260, 57),         Chk(0x0208, 260, 79),        Lbl("Vel.Split", 375, 35),
    Lbl("Octave", 375, 57),       Lbl("Delay Start", 375, 79), Lbl("Send1", 375, 101),
    Lbl("Send2", 375, 123),       Bar96(0x020B, 440, 35),      Pop96(0x0500, 440, 57),
    Bar103(0x020A, 440, 79),      Bar96(0x0E03, 440, 101),     Bar96(0x0E04, 440, 123),
};

// Form 1031.
const UI_FORMINFO _g_uiFormItem_ID_PROG_BASIC_OSC2[24] = {
    Cat("High", 10, 10),          Cat("Low", 190, 10),         Lbl("Level", 15, 35),
    Lbl("Start Offset", 15, 57),  Lbl("Reverse", 15, 79),      Bar96(0x0F04, 80, 35),
    Chk(0x0F02, 80, 57),          Chk(0x0F03, 80, 79),         Lbl("Level", 195, 35),
    Lbl("Start Offset", 195, 57), Lbl("Reverse", 195, 79),     Bar96(0x0F09, 260, 35),
    Chk(0x0F07, 260, 57),         Chk(0x0F08, 260, 79),        Lbl("Vel.Split", 375, 35),
    Lbl("Octave", 375, 57),       Lbl("Delay Start", 375, 79), Lbl("Send1", 375, 101),
    Lbl("Send2", 375, 123),       Bar96(0x0F0B, 440, 35),      Pop96(0x1200, 440, 57),
    Bar103(0x0F0A, 440, 79),      Bar96(0x1B03, 440, 101),     Bar96(0x1B04, 440, 123),
};

// Form 1032.
const UI_FORMINFO _g_uiFormItem_ID_PROG_BASIC_VELOCITY_ZONE[10] = {
    Cat("OSC1", 10, 10),     Cat("OSC2", 250, 10),    Lbl("Bottom", 15, 35),  Lbl("Top", 15, 57),
    Edit96(0x020C, 80, 35),  Edit96(0x020D, 80, 57),  Lbl("Bottom", 255, 35), Lbl("Top", 255, 57),
    Edit96(0x0F0C, 320, 35), Edit96(0x0F0D, 320, 57),
};

// Form 1034.
const UI_FORMINFO _g_uiFormItem_ID_PROG_BASIC_AUDITION[4] = {
    Lbl("Riff", 15, 35),
    Lbl("Transpose", 15, 57),
    Pop154(0x0017, 80, 35),
    Bar96(0x0018, 80, 57),
};

}  // namespace UIForms
