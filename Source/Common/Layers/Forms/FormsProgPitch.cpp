// The program's pitch sub-pages: each oscillator's pitch and its modulation by the pitch EG and the
// LFOs (the sister model's variants and the Tolva's), and the pitch EG itself.
// Layout: category captions at y 10 above up to three columns (a second category may head the
// lower part of a column); rows 22 pixels apart from y 35; a parameter caption 60 wide, its
// control 65 pixels right of it on the same line. Rows: category captions, then each column's
// captions and its controls.
#include "Common/Layers/Forms/FormItems.h"
#include "Common/Layers/Forms/FormRows.h"

namespace UIForms {

// Form 1035.
const UI_FORMINFO _g_uiFormItem_ID_PROG_PITCH_OSC1_Marl[18] = {
    Cat("Pitch", 10, 10),      Cat("Pitch EG", 250, 10),    Lbl("Transpose", 15, 35),
    Lbl("Tune", 15, 57),       Lbl("Slope", 15, 79),        Lbl("Source", 15, 101),
    Lbl("Intensity", 15, 123), Lbl("Joystick +X", 15, 145), Lbl("Joystick -X", 15, 167),
    Bar96(0x0501, 80, 35),     Bar103(0x0502, 80, 57),      Bar96(0x0505, 80, 79),
    Pop96(0x0503, 80, 101),    Bar96(0x0504, 80, 123),      Bar96(0x050E, 80, 145),
    Bar96(0x050F, 80, 167),    Lbl("Source", 255, 35),      Pop96(0x0507, 320, 35),
};

// Form 1036.
const UI_FORMINFO _g_uiFormItem_ID_PROG_PITCH_OSC1_Tolva[18] = {
    Cat("Pitch", 10, 10),      Cat("Pitch EG", 250, 10),    Lbl("Transpose", 15, 35),
    Lbl("Tune", 15, 57),       Lbl("Slope", 15, 79),        Lbl("Source", 15, 101),
    Lbl("Intensity", 15, 123), Lbl("Joystick +X", 15, 145), Lbl("Joystick -X", 15, 167),
    Bar96(0x0501, 80, 35),     Bar103(0x0502, 80, 57),      Bar96(0x0505, 80, 79),
    Pop96(0x0503, 80, 101),    Bar96(0x0504, 80, 123),      Bar96(0x050E, 80, 145),
    Bar96(0x050F, 80, 167),    Lbl("Source", 255, 35),      Pop96(0x0507, 320, 35),
};

// Form 1037.
const UI_FORMINFO _g_uiFormItem_ID_PROG_PITCH_OSC1_LFO_Marl[18] = {
    Cat("LFO1", 10, 10),    Cat("LFO2", 250, 10),      Lbl("Intensity", 15, 35),  Lbl("Joystick +Y", 15, 57),
    Lbl("Source", 15, 79),  Lbl("AMS Int.", 15, 101),  Bar96(0x0509, 80, 35),     Bar96(0x0511, 80, 57),
    Pop96(0x0513, 80, 79),  Bar96(0x0514, 80, 101),    Lbl("Intensity", 255, 35), Lbl("Joystick +Y", 255, 57),
    Lbl("Source", 255, 79), Lbl("AMS Int.", 255, 101), Bar96(0x050A, 320, 35),    Bar96(0x0512, 320, 57),
    Pop96(0x0515, 320, 79), Bar96(0x0516, 320, 101),
};

// Form 1038.
const UI_FORMINFO _g_uiFormItem_ID_PROG_PITCH_OSC1_LFO_Tolva[18] = {
    Cat("LFO1", 10, 10),    Cat("LFO2", 250, 10),      Lbl("Intensity", 15, 35),  Lbl("Joystick +Y", 15, 57),
    Lbl("Source", 15, 79),  Lbl("AMS Int.", 15, 101),  Bar96(0x0509, 80, 35),     Bar96(0x0511, 80, 57),
    Pop96(0x0513, 80, 79),  Bar96(0x0514, 80, 101),    Lbl("Intensity", 255, 35), Lbl("Joystick +Y", 255, 57),
    Lbl("Source", 255, 79), Lbl("AMS Int.", 255, 101), Bar96(0x050A, 320, 35),    Bar96(0x0512, 320, 57),
    Pop96(0x0515, 320, 79), Bar96(0x0516, 320, 101),
};

// Form 1039.
const UI_FORMINFO _g_uiFormItem_ID_PROG_PITCH_OSC2_Marl[18] = {
    Cat("Pitch", 10, 10),      Cat("Pitch EG", 250, 10),    Lbl("Transpose", 15, 35),
    Lbl("Tune", 15, 57),       Lbl("Slope", 15, 79),        Lbl("Source", 15, 101),
    Lbl("Intensity", 15, 123), Lbl("Joystick +X", 15, 145), Lbl("Joystick -X", 15, 167),
    Bar96(0x1201, 80, 35),     Bar103(0x1202, 80, 57),      Bar96(0x1205, 80, 79),
    Pop96(0x1203, 80, 101),    Bar96(0x1204, 80, 123),      Bar96(0x120E, 80, 145),
    Bar96(0x120F, 80, 167),    Lbl("Source", 255, 35),      Pop96(0x1207, 320, 35),
};

// Form 1040.
const UI_FORMINFO _g_uiFormItem_ID_PROG_PITCH_OSC2_Tolva[18] = {
    Cat("Pitch", 10, 10),      Cat("Pitch EG", 250, 10),    Lbl("Transpose", 15, 35),
    Lbl("Tune", 15, 57),       Lbl("Slope", 15, 79),        Lbl("Source", 15, 101),
    Lbl("Intensity", 15, 123), Lbl("Joystick +X", 15, 145), Lbl("Joystick -X", 15, 167),
    Bar96(0x1201, 80, 35),     Bar103(0x1202, 80, 57),      Bar96(0x1205, 80, 79),
    Pop96(0x1203, 80, 101),    Bar96(0x1204, 80, 123),      Bar96(0x120E, 80, 145),
    Bar96(0x120F, 80, 167),    Lbl("Source", 255, 35),      Pop96(0x1207, 320, 35),
};

// Form 1041.
const UI_FORMINFO _g_uiFormItem_ID_PROG_PITCH_OSC2_LFO_Marl[18] = {
    Cat("LFO1", 10, 10),    Cat("LFO2", 250, 10),      Lbl("Intensity", 15, 35),  Lbl("Joystick +Y", 15, 57),
    Lbl("Source", 15, 79),  Lbl("AMS Int.", 15, 101),  Bar96(0x1209, 80, 35),     Bar96(0x1211, 80, 57),
    Pop96(0x1213, 80, 79),  Bar96(0x1214, 80, 101),    Lbl("Intensity", 255, 35), Lbl("Joystick +Y", 255, 57),
    Lbl("Source", 255, 79), Lbl("AMS Int.", 255, 101), Bar96(0x120A, 320, 35),    Bar96(0x1212, 320, 57),
    Pop96(0x1215, 320, 79), Bar96(0x1216, 320, 101),
};

// Form 1042.
const UI_FORMINFO _g_uiFormItem_ID_PROG_PITCH_OSC2_LFO_Tolva[18] = {
    Cat("LFO1", 10, 10),    Cat("LFO2", 250, 10),      Lbl("Intensity", 15, 35),  Lbl("Joystick +Y", 15, 57),
    Lbl("Source", 15, 79),  Lbl("AMS Int.", 15, 101),  Bar96(0x1209, 80, 35),     Bar96(0x1211, 80, 57),
    Pop96(0x1213, 80, 79),  Bar96(0x1214, 80, 101),    Lbl("Intensity", 255, 35), Lbl("Joystick +Y", 255, 57),
    Lbl("Source", 255, 79), Lbl("AMS Int.", 255, 101), Bar96(0x120A, 320, 35),    Bar96(0x1212, 320, 57),
    Pop96(0x1215, 320, 79), Bar96(0x1216, 320, 101),
};

// Form 1043.
const UI_FORMINFO _g_uiFormItem_ID_PROG_PITCH_EG[39] = {
    Cat("Pitch EG", 10, 10),      Cat("Level Mod.", 145, 10),  Cat("Time Mod.", 368, 10),
    Lbl("Level:Start", 15, 35),   Lbl("Level:Attack", 15, 57), Lbl("Level:Release", 15, 79),
    Lbl("Time:Attack", 15, 101),  Lbl("Time:Decay", 15, 123),  Lbl("Time:Release", 15, 145),
    Edit40(0x0100, 80, 35),       Edit40(0x0102, 80, 57),      Edit40(0x0105, 80, 79),
    Edit40(0x0101, 80, 101),      Edit40(0x0103, 80, 123),     Edit40(0x0104, 80, 145),
    Lbl("Source 1", 150, 35),     Lbl("Intensity 1", 150, 57), Lbl("Source 2", 150, 79),
    Lbl("Intensity 2", 150, 101), Lbl("Start 1", 150, 123),    Lbl("Attack 1", 150, 145),
    Lbl("Start 2", 150, 167),     Lbl("Attack 2", 150, 189),   Pop96(0x0106, 215, 35),
    Bar96(0x0107, 215, 57),       Pop96(0x0108, 215, 79),      Bar96(0x0109, 215, 101),
    Pop31(0x010C, 215, 123),      Pop31(0x010D, 215, 145),     Pop31(0x010E, 215, 167),
    Pop31(0x010F, 215, 189),      Lbl("Source", 373, 35),      Lbl("Intensity", 373, 57),
    Lbl("Attack", 373, 79),       Lbl("Decay", 373, 101),      Pop96(0x010A, 438, 35),
    Bar96(0x010B, 438, 57),       Pop31(0x0110, 438, 79),      Pop31(0x0111, 438, 101),
};

}  // namespace UIForms
