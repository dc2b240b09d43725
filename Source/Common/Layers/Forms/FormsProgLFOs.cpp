// The program's LFO sub-pages: offset, delay and fade, frequency modulation and tempo sync of each
// oscillator's two LFOs.
// Layout: category captions at y 10 above up to three columns (a second category may head the
// lower part of a column); rows 22 pixels apart from y 35; a parameter caption 60 wide, its
// control 65 pixels right of it on the same line. Rows: category captions, then each column's
// captions and its controls.
#include "Common/Layers/Forms/FormItems.h"
#include "Common/Layers/Forms/FormRows.h"

namespace UIForms {

// Form 1044.
const UI_FORMINFO _g_uiFormItem_ID_PROG_LFOs_OSC1_LFO1[25] = {
    Cat("OSC1 LFO1", 10, 10),     Cat("Freq.Mod", 190, 10),    Cat("MIDI/Tempo Sync.", 370, 10, 110),
    Lbl("Offset", 15, 35),        Lbl("Delay", 15, 57),        Lbl("Fade", 15, 79),
    Bar96(0x0303, 80, 35),        Bar96(0x0304, 80, 57),       Bar96(0x0305, 80, 79),
    Lbl("Source 1", 195, 35),     Lbl("Intensity 1", 195, 57), Lbl("Source 2", 195, 79),
    Lbl("Intensity 2", 195, 101), Pop96(0x0309, 260, 35),      Bar96(0x030A, 260, 57),
    Pop96(0x030B, 260, 79),       Bar96(0x030C, 260, 101),     Lbl("LFO1 Sync", 375, 35),
    Lbl("Base Note", 375, 57),    Lbl("Times", 375, 79),       Lbl("LFO2 Sync", 375, 101),
    Chk(0x0306, 440, 35),         Pop96(0x0307, 440, 57),      Bar96(0x0308, 440, 79),
    Chk(0x0406, 440, 101),
};

// Form 1045.
const UI_FORMINFO _g_uiFormItem_ID_PROG_LFOs_OSC1_LFO2[25] = {
    Cat("OSC1 LFO2", 10, 10),     Cat("Freq.Mod", 190, 10),    Cat("MIDI/Tempo Sync.", 370, 10, 110),
    Lbl("Offset", 15, 35),        Lbl("Delay", 15, 57),        Lbl("Fade", 15, 79),
    Bar96(0x0403, 80, 35),        Bar96(0x0404, 80, 57),       Bar96(0x0405, 80, 79),
    Lbl("Source 1", 195, 35),     Lbl("Intensity 1", 195, 57), Lbl("Source 2", 195, 79),
    Lbl("Intensity 2", 195, 101), Pop96(0x0409, 260, 35),      Bar96(0x040A, 260, 57),
    Pop96(0x040B, 260, 79),       Bar96(0x040C, 260, 101),     Lbl("LFO2 Sync", 375, 35),
    Lbl("Base Note", 375, 57),    Lbl("Times", 375, 79),       Lbl("LFO1 Sync", 375, 101),
    Chk(0x0406, 440, 35),         Pop96(0x0407, 440, 57),      Bar96(0x0408, 440, 79),
    Chk(0x0306, 440, 101),
};

// Form 1046.
const UI_FORMINFO _g_uiFormItem_ID_PROG_LFOs_OSC2_LFO1[25] = {
    Cat("OSC2 LFO1", 10, 10),     Cat("Freq.Mod", 190, 10),    Cat("MIDI/Tempo Sync.", 370, 10, 110),
    Lbl("Offset", 15, 35),        Lbl("Delay", 15, 57),        Lbl("Fade", 15, 79),
    Bar96(0x1003, 80, 35),        Bar96(0x1004, 80, 57),       Bar96(0x1005, 80, 79),
    Lbl("Source 1", 195, 35),     Lbl("Intensity 1", 195, 57), Lbl("Source 2", 195, 79),
    Lbl("Intensity 2", 195, 101), Pop96(0x1009, 260, 35),      Bar96(0x100A, 260, 57),
    Pop96(0x100B, 260, 79),       Bar96(0x100C, 260, 101),     Lbl("LFO1 Sync", 375, 35),
    Lbl("Base Note", 375, 57),    Lbl("Times", 375, 79),       Lbl("LFO2 Sync", 375, 101),
    Chk(0x1006, 440, 35),         Pop96(0x1007, 440, 57),      Bar96(0x1008, 440, 79),
    Chk(0x1106, 440, 101),
};

// Form 1047.
const UI_FORMINFO _g_uiFormItem_ID_PROG_LFOs_OSC2_LFO2[25] = {
    Cat("OSC2 LFO2", 10, 10),     Cat("Freq.Mod", 190, 10),    Cat("MIDI/Tempo Sync.", 370, 10, 110),
    Lbl("Offset", 15, 35),        Lbl("Delay", 15, 57),        Lbl("Fade", 15, 79),
    Bar96(0x1103, 80, 35),        Bar96(0x1104, 80, 57),       Bar96(0x1105, 80, 79),
    Lbl("Source 1", 195, 35),     Lbl("Intensity 1", 195, 57), Lbl("Source 2", 195, 79),
    Lbl("Intensity 2", 195, 101), Pop96(0x1109, 260, 35),      Bar96(0x110A, 260, 57),
    Pop96(0x110B, 260, 79),       Bar96(0x110C, 260, 101),     Lbl("LFO2 Sync", 375, 35),
    Lbl("Base Note", 375, 57),    Lbl("Times", 375, 79),       Lbl("LFO1 Sync", 375, 101),
    Chk(0x1106, 440, 35),         Pop96(0x1107, 440, 57),      Bar96(0x1108, 440, 79),
    Chk(0x1006, 440, 101),
};

}  // namespace UIForms
