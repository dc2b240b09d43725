// The program's filter sub-pages, one set per oscillator: trim and resonance modulation, keyboard
// tracking and EG intensities, modulation of filters A and B, LFO modulation, and the filter EG.
// Layout: category captions at y 10 above up to three columns (a second category may head the
// lower part of a column); rows 22 pixels apart from y 35; a parameter caption 60 wide, its
// control 65 pixels right of it on the same line. Rows: category captions, then each column's
// captions and its controls.
#include "Common/Layers/Forms/FormItems.h"
#include "Common/Layers/Forms/FormRows.h"

namespace UIForms {

// Form 1048.
const UI_FORMINFO _g_uiFormItem_ID_PROG_FILTER1_BASIC[8] = {
    Cat("Filter1", 10, 10),      Cat("Filter A", 250, 10),  Lbl("Trim", 15, 35),    Bar96(0x0601, 80, 35),
    Lbl("Reso.Source", 255, 35), Lbl("Reso.Int.", 255, 57), Pop96(0x0603, 320, 35), Bar96(0x0604, 320, 57),
};

// Form 1049.
const UI_FORMINFO _g_uiFormItem_ID_PROG_FILTER1_MOD1[28] = {
    Cat("Keyboard Track", 10, 10), Cat("Filter EG", 250, 10),   Lbl("Key Low", 15, 35),
    Lbl("Ramp Low", 15, 57),       Lbl("Key High", 15, 79),     Lbl("Ramp High", 15, 101),
    Lbl("Filter A", 15, 123),      Lbl("Filter B", 15, 145),    Edit96(0x0A00, 80, 35),
    Bar96(0x0A01, 80, 57),         Edit96(0x0A02, 80, 79),      Bar96(0x0A03, 80, 101),
    Bar96(0x0701, 80, 123),        Bar96(0x0801, 80, 145),      Lbl("Int. A", 255, 35),
    Lbl("Velocity A", 255, 57),    Lbl("Int. B", 255, 79),      Lbl("Velocity B", 255, 101),
    Lbl("Source", 255, 123),       Lbl("AMS Int. A", 255, 145), Lbl("AMS Int. B", 255, 167),
    Bar96(0x0706, 320, 35),        Bar96(0x0707, 320, 57),      Bar96(0x0806, 320, 79),
    Bar96(0x0807, 320, 101),       Pop96(0x0605, 320, 123),     Bar96(0x070C, 320, 145),
    Bar96(0x080C, 320, 167),
};

// Form 1050.
const UI_FORMINFO _g_uiFormItem_ID_PROG_FILTER1_MOD2[18] = {
    Cat("Filter A", 10, 10),    Cat("Filter B", 250, 10),     Lbl("Source 1", 15, 35),
    Lbl("Intensity 1", 15, 57), Lbl("Source 2", 15, 79),      Lbl("Intensity 2", 15, 101),
    Pop96(0x0702, 80, 35),      Bar96(0x0703, 80, 57),        Pop96(0x0704, 80, 79),
    Bar96(0x0705, 80, 101),     Lbl("Source 1", 255, 35),     Lbl("Intensity 1", 255, 57),
    Lbl("Source 2", 255, 79),   Lbl("Intensity 2", 255, 101), Pop96(0x0802, 320, 35),
    Bar96(0x0803, 320, 57),     Pop96(0x0804, 320, 79),       Bar96(0x0805, 320, 101),
};

// Form 1051.
const UI_FORMINFO _g_uiFormItem_ID_PROG_FILTER1_LFO_MOD[30] = {
    Cat("LFO1", 10, 10),         Cat("LFO2", 250, 10),        Lbl("Int. A", 15, 35),
    Lbl("Int. B", 15, 57),       Lbl("Joystick A", 15, 79),   Lbl("Joystick B", 15, 101),
    Lbl("Source", 15, 123),      Lbl("AMS Int. A", 15, 145),  Lbl("AMS Int. B", 15, 167),
    Bar96(0x0708, 80, 35),       Bar96(0x0808, 80, 57),       Bar96(0x070A, 80, 79),
    Bar96(0x080A, 80, 101),      Pop96(0x0606, 80, 123),      Bar96(0x070D, 80, 145),
    Bar96(0x080D, 80, 167),      Lbl("Int. A", 255, 35),      Lbl("Int. B", 255, 57),
    Lbl("Joystick A", 255, 79),  Lbl("Joystick B", 255, 101), Lbl("Source", 255, 123),
    Lbl("AMS Int. A", 255, 145), Lbl("AMS Int. B", 255, 167), Bar96(0x0709, 320, 35),
    Bar96(0x0809, 320, 57),      Bar96(0x070B, 320, 79),      Bar96(0x080B, 320, 101),
    Pop96(0x0607, 320, 123),     Bar96(0x070E, 320, 145),     Bar96(0x080E, 320, 167),
};

// Form 1052.
const UI_FORMINFO _g_uiFormItem_ID_PROG_FILTER1_EG[55] = {
    Cat("Level Mod.", 190, 10),   Cat("Time Mod.", 190, 142),   Cat("Filter1 EG", 10, 10),
    Lbl("Start Lvl", 15, 35),     Lbl("Attack Time", 15, 57),   Lbl("Attack Lvl", 15, 79),
    Lbl("Decay Time", 15, 101),   Lbl("Break Lvl", 15, 123),    Lbl("Slope Time", 15, 145),
    Lbl("Sustain Lvl", 15, 167),  Lbl("Release Time", 15, 189), Lbl("Release Lvl", 15, 211),
    Edit37(0x0900, 80, 35),       Edit37(0x0901, 80, 57),       Edit37(0x0902, 80, 79),
    Edit37(0x0903, 80, 101),      Edit37(0x0904, 80, 123),      Edit37(0x0905, 80, 145),
    Edit37(0x0906, 80, 167),      Edit37(0x0907, 80, 189),      Edit37(0x0908, 80, 211),
    Lbl("Source", 195, 35),       Lbl("Intensity", 195, 57),    Lbl("Start", 195, 79),
    Lbl("Attack", 195, 101),      Lbl("Break", 195, 123),       Lbl("Source 1", 195, 167),
    Lbl("Intensity 1", 195, 189), Lbl("Attack 1", 195, 211),    Pop96(0x0918, 260, 35),
    Bar96(0x0919, 260, 57),       Pop31(0x0913, 260, 79),       Pop31(0x0912, 260, 101),
    Pop31(0x0911, 260, 123),      Pop96(0x0914, 260, 167),      Bar96(0x0915, 260, 189),
    Pop31(0x090C, 260, 211),      Lbl("Decay 1", 375, 35),      Lbl("Slope 1", 375, 57),
    Lbl("Release 1", 375, 79),    Lbl("Source 2", 375, 101),    Lbl("Intensity 2", 375, 123),
    Lbl("Attack 2", 375, 145),    Lbl("Decay 2", 375, 167),     Lbl("Slope 2", 375, 189),
    Lbl("Release 2", 375, 211),   Pop31(0x090B, 440, 35),       Pop31(0x090A, 440, 57),
    Pop31(0x0909, 440, 79),       Pop96(0x0916, 440, 101),      Bar96(0x0917, 440, 123),
    Pop31(0x0910, 440, 145),      Pop31(0x090F, 440, 167),      Pop31(0x090E, 440, 189),
    Pop31(0x090D, 440, 211),
};

// Form 1053.
const UI_FORMINFO _g_uiFormItem_ID_PROG_FILTER2_BASIC[8] = {
    Cat("Filter2", 10, 10),      Cat("Filter A", 250, 10),  Lbl("Trim", 15, 35),    Bar96(0x1301, 80, 35),
    Lbl("Reso.Source", 255, 35), Lbl("Reso.Int.", 255, 57), Pop96(0x1303, 320, 35), Bar96(0x1304, 320, 57),
};

// Form 1054.
const UI_FORMINFO _g_uiFormItem_ID_PROG_FILTER2_MOD1[28] = {
    Cat("Keyboard Track", 10, 10), Cat("Filter EG", 250, 10),   Lbl("Key Low", 15, 35),
    Lbl("Ramp Low", 15, 57),       Lbl("Key High", 15, 79),     Lbl("Ramp High", 15, 101),
    Lbl("Filter A", 15, 123),      Lbl("Filter B", 15, 145),    Edit96(0x1700, 80, 35),
    Bar96(0x1701, 80, 57),         Edit96(0x1702, 80, 79),      Bar96(0x1703, 80, 101),
    Bar96(0x1401, 80, 123),        Bar96(0x1501, 80, 145),      Lbl("Int. A", 255, 35),
    Lbl("Velocity A", 255, 57),    Lbl("Int. B", 255, 79),      Lbl("Velocity B", 255, 101),
    Lbl("Source", 255, 123),       Lbl("AMS Int. A", 255, 145), Lbl("AMS Int. B", 255, 167),
    Bar96(0x1406, 320, 35),        Bar96(0x1407, 320, 57),      Bar96(0x1506, 320, 79),
    Bar96(0x1507, 320, 101),       Pop96(0x1305, 320, 123),     Bar96(0x140C, 320, 145),
    Bar96(0x150C, 320, 167),
};

// Form 1055.
const UI_FORMINFO _g_uiFormItem_ID_PROG_FILTER2_MOD2[18] = {
    Cat("Filter A", 10, 10),    Cat("Filter B", 250, 10),     Lbl("Source 1", 15, 35),
    Lbl("Intensity 1", 15, 57), Lbl("Source 2", 15, 79),      Lbl("Intensity 2", 15, 101),
    Pop96(0x1402, 80, 35),      Bar96(0x1403, 80, 57),        Pop96(0x1404, 80, 79),
    Bar96(0x1405, 80, 101),     Lbl("Source 1", 255, 35),     Lbl("Intensity 1", 255, 57),
    Lbl("Source 2", 255, 79),   Lbl("Intensity 2", 255, 101), Pop96(0x1502, 320, 35),
    Bar96(0x1503, 320, 57),     Pop96(0x1504, 320, 79),       Bar96(0x1505, 320, 101),
};

// Form 1056.
const UI_FORMINFO _g_uiFormItem_ID_PROG_FILTER2_LFO_MOD[30] = {
    Cat("LFO1", 10, 10),         Cat("LFO2", 250, 10),        Lbl("Int. A", 15, 35),
    Lbl("Int. B", 15, 57),       Lbl("Joystick A", 15, 79),   Lbl("Joystick B", 15, 101),
    Lbl("Source", 15, 123),      Lbl("AMS Int. A", 15, 145),  Lbl("AMS Int. B", 15, 167),
    Bar96(0x1408, 80, 35),       Bar96(0x1508, 80, 57),       Bar96(0x140A, 80, 79),
    Bar96(0x150A, 80, 101),      Pop96(0x1306, 80, 123),      Bar96(0x140D, 80, 145),
    Bar96(0x150D, 80, 167),      Lbl("Int. A", 255, 35),      Lbl("Int. B", 255, 57),
    Lbl("Joystick A", 255, 79),  Lbl("Joystick B", 255, 101), Lbl("Source", 255, 123),
    Lbl("AMS Int. A", 255, 145), Lbl("AMS Int. B", 255, 167), Bar96(0x1409, 320, 35),
    Bar96(0x1509, 320, 57),      Bar96(0x140B, 320, 79),      Bar96(0x150B, 320, 101),
    Pop96(0x1307, 320, 123),     Bar96(0x140E, 320, 145),     Bar96(0x150E, 320, 167),
};

// Form 1057.
const UI_FORMINFO _g_uiFormItem_ID_PROG_FILTER2_EG[55] = {
    Cat("Level Mod.", 190, 10),   Cat("Time Mod.", 190, 142),   Cat("Filter2 EG", 10, 10),
    Lbl("Start Lvl", 15, 35),     Lbl("Attack Time", 15, 57),   Lbl("Attack Lvl", 15, 79),
    Lbl("Decay Time", 15, 101),   Lbl("Break Lvl", 15, 123),    Lbl("Slope Time", 15, 145),
    Lbl("Sustain Lvl", 15, 167),  Lbl("Release Time", 15, 189), Lbl("Release Lvl", 15, 211),
    Edit37(0x1600, 80, 35),       Edit37(0x1601, 80, 57),       Edit37(0x1602, 80, 79),
    Edit37(0x1603, 80, 101),      Edit37(0x1604, 80, 123),      Edit37(0x1605, 80, 145),
    Edit37(0x1606, 80, 167),      Edit37(0x1607, 80, 189),      Edit37(0x1608, 80, 211),
    Lbl("Source", 195, 35),       Lbl("Intensity", 195, 57),    Lbl("Start", 195, 79),
    Lbl("Attack", 195, 101),      Lbl("Break", 195, 123),       Lbl("Source 1", 195, 167),
    Lbl("Intensity 1", 195, 189), Lbl("Attack 1", 195, 211),    Pop96(0x1618, 260, 35),
    Bar96(0x1619, 260, 57),       Pop31(0x1613, 260, 79),       Pop31(0x1612, 260, 101),
    Pop31(0x1611, 260, 123),      Pop96(0x1614, 260, 167),      Bar96(0x1615, 260, 189),
    Pop31(0x160C, 260, 211),      Lbl("Decay 1", 375, 35),      Lbl("Slope 1", 375, 57),
    Lbl("Release 1", 375, 79),    Lbl("Source 2", 375, 101),    Lbl("Intensity 2", 375, 123),
    Lbl("Attack 2", 375, 145),    Lbl("Decay 2", 375, 167),     Lbl("Slope 2", 375, 189),
    Lbl("Release 2", 375, 211),   Pop31(0x160B, 440, 35),       Pop31(0x160A, 440, 57),
    Pop31(0x1609, 440, 79),       Pop96(0x1616, 440, 101),      Bar96(0x1617, 440, 123),
    Pop31(0x1610, 440, 145),      Pop31(0x160F, 440, 167),      Pop31(0x160E, 440, 189),
    Pop31(0x160D, 440, 211),
};

}  // namespace UIForms
