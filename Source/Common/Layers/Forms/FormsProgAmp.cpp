// The program's amplifier sub-pages, one set per oscillator: pan modulation, keyboard tracking and
// level modulation, and the amplifier EG.
// Layout: category captions at y 10 above up to three columns (a second category may head the
// lower part of a column); rows 22 pixels apart from y 35; a parameter caption 60 wide, its
// control 65 pixels right of it on the same line. Rows: category captions, then each column's
// captions and its controls.
#include "Common/Layers/Forms/FormItems.h"
#include "Common/Layers/Forms/FormRows.h"

namespace UIForms {

// Form 1058.
const UI_FORMINFO _g_uiFormItem_ID_PROG_AMP1[8] = {
    Cat("Pan", 10, 10),     Cat("AMS,Intensity", 250, 10), Lbl("Use DKit", 15, 35), Chk(0x0E05, 80, 35),
    Lbl("Source", 255, 35), Lbl("Intensity", 255, 57),     Pop96(0x0E01, 320, 35),  Bar96(0x0E02, 320, 57),
};

// Form 1059.
const UI_FORMINFO _g_uiFormItem_ID_PROG_AMP1_MOD[30] = {
    Cat("Keyboard Track", 10, 10), Cat("Amp Mod.", 190, 10),  Cat("LFO1 Mod.", 370, 10),
    Cat("LFO2 Mod.", 370, 98),     Lbl("Key Low", 15, 35),    Lbl("Ramp Low", 15, 57),
    Lbl("Key High", 15, 79),       Lbl("Ramp High", 15, 101), Edit96(0x0D00, 80, 35),
    Bar96(0x0D01, 80, 57),         Edit96(0x0D02, 80, 79),    Bar96(0x0D03, 80, 101),
    Lbl("Velocity", 195, 35),      Lbl("Source", 195, 57),    Lbl("Intensity", 195, 79),
    Bar96(0x0B01, 260, 35),        Pop96(0x0B02, 260, 57),    Bar96(0x0B03, 260, 79),
    Lbl("Intensity", 375, 35),     Lbl("Source", 375, 57),    Lbl("AMS Int.", 375, 79),
    Lbl("Intensity", 375, 123),    Lbl("Source", 375, 145),   Lbl("AMS Int.", 375, 167),
    Bar96(0x0B04, 440, 35),        Pop96(0x0B06, 440, 57),    Bar96(0x0B07, 440, 79),
    Bar96(0x0B05, 440, 123),       Pop96(0x0B08, 440, 145),   Bar96(0x0B09, 440, 167),
};

// Form 1060.
const UI_FORMINFO _g_uiFormItem_ID_PROG_AMP1_EG[53] = {
    Cat("Amp1 EG", 10, 10),       Cat("Level Mod.", 190, 10),   Cat("Time Mod.", 190, 142),
    Lbl("Start Lvl", 15, 35),     Lbl("Attack Time", 15, 57),   Lbl("Attack Lvl", 15, 79),
    Lbl("Decay Time", 15, 101),   Lbl("Break Lvl", 15, 123),    Lbl("Slope Time", 15, 145),
    Lbl("Sustain Lvl", 15, 167),  Lbl("Release Time", 15, 189), Edit37(0x0C00, 80, 35),
    Edit37(0x0C01, 80, 57),       Edit37(0x0C02, 80, 79),       Edit37(0x0C03, 80, 101),
    Edit37(0x0C04, 80, 123),      Edit37(0x0C05, 80, 145),      Edit37(0x0C06, 80, 167),
    Edit37(0x0C07, 80, 189),      Lbl("Source", 195, 35),       Lbl("Intensity", 195, 57),
    Lbl("Start", 195, 79),        Lbl("Attack", 195, 101),      Lbl("Break", 195, 123),
    Lbl("Source 1", 195, 167),    Lbl("Intensity 1", 195, 189), Lbl("Attack 1", 195, 211),
    Pop96(0x0C0C, 260, 35),       Bar96(0x0C0D, 260, 57),       Pop96(0x0C16, 260, 79),
    Pop96(0x0C17, 260, 101),      Pop96(0x0C18, 260, 123),      Pop96(0x0C08, 260, 167),
    Bar96(0x0C09, 260, 189),      Pop96(0x0C0E, 260, 211),      Lbl("Decay 1", 375, 35),
    Lbl("Slope 1", 375, 57),      Lbl("Release 1", 375, 79),    Lbl("Source 2", 375, 101),
    Lbl("Intensity 2", 375, 123), Lbl("Attack 2", 375, 145),    Lbl("Decay 2", 375, 167),
    Lbl("Slope 2", 375, 189),     Lbl("Release 2", 375, 211),   Pop96(0x0C0F, 440, 35),
    Pop96(0x0C10, 440, 57),       Pop96(0x0C11, 440, 79),       Pop96(0x0C0A, 440, 101),
    Bar96(0x0C0B, 440, 123),      Pop96(0x0C12, 440, 145),      Pop96(0x0C13, 440, 167),
    Pop96(0x0C14, 440, 189),      Pop96(0x0C15, 440, 211),
};

// Form 1061.
const UI_FORMINFO _g_uiFormItem_ID_PROG_AMP2[5] = {
    Cat("AMS,Intensity", 10, 10), Lbl("Source", 15, 35), Lbl("Intensity", 15, 57),
    Pop96(0x1B01, 80, 35),        Bar96(0x1B02, 80, 57),
};

// Form 1062.
const UI_FORMINFO _g_uiFormItem_ID_PROG_AMP2_MOD[30] = {
    Cat("Keyboard Track", 10, 10), Cat("Amp Mod.", 190, 10),  Cat("LFO1 Mod.", 370, 10),
    Cat("LFO2 Mod.", 370, 98),     Lbl("Key Low", 15, 35),    Lbl("Ramp Low", 15, 57),
    Lbl("Key High", 15, 79),       Lbl("Ramp High", 15, 101), Edit96(0x1A00, 80, 35),
    Bar96(0x1A01, 80, 57),         Edit96(0x1A02, 80, 79),    Bar96(0x1A03, 80, 101),
    Lbl("Velocity", 195, 35),      Lbl("Source", 195, 57),    Lbl("Intensity", 195, 79),
    Bar96(0x1801, 260, 35),        Pop96(0x1802, 260, 57),    Bar96(0x1803, 260, 79),
    Lbl("Intensity", 375, 35),     Lbl("Source", 375, 57),    Lbl("AMS Int.", 375, 79),
    Lbl("Intensity", 375, 123),    Lbl("Source", 375, 145),   Lbl("AMS Int.", 375, 167),
    Bar96(0x1804, 440, 35),        Pop96(0x1806, 440, 57),    Bar96(0x1807, 440, 79),
    Bar96(0x1805, 440, 123),       Pop96(0x1808, 440, 145),   Bar96(0x1809, 440, 167),
};

// Form 1063.
const UI_FORMINFO _g_uiFormItem_ID_PROG_AMP2_EG[53] = {
    Cat("Amp2 EG", 10, 10),       Cat("Level Mod.", 190, 10),   Cat("Time Mod.", 190, 142),
    Lbl("Start Lvl", 15, 35),     Lbl("Attack Time", 15, 57),   Lbl("Attack Lvl", 15, 79),
    Lbl("Decay Time", 15, 101),   Lbl("Break Lvl", 15, 123),    Lbl("Slope Time", 15, 145),
    Lbl("Sustain Lvl", 15, 167),  Lbl("Release Time", 15, 189), Edit37(0x1900, 80, 35),
    Edit37(0x1901, 80, 57),       Edit37(0x1902, 80, 79),       Edit37(0x1903, 80, 101),
    Edit37(0x1904, 80, 123),      Edit37(0x1905, 80, 145),      Edit37(0x1906, 80, 167),
    Edit37(0x1907, 80, 189),      Lbl("Source", 195, 35),       Lbl("Intensity", 195, 57),
    Lbl("Start", 195, 79),        Lbl("Attack", 195, 101),      Lbl("Break", 195, 123),
    Lbl("Source 1", 195, 167),    Lbl("Intensity 1", 195, 189), Lbl("Attack 1", 195, 211),
    Pop96(0x190C, 260, 35),       Bar96(0x190D, 260, 57),       Pop96(0x1916, 260, 79),
    Pop96(0x1917, 260, 101),      Pop96(0x1918, 260, 123),      Pop96(0x1908, 260, 167),
    Bar96(0x1909, 260, 189),      Pop96(0x190E, 260, 211),      Lbl("Decay 1", 375, 35),
    Lbl("Slope 1", 375, 57),      Lbl("Release 1", 375, 79),    Lbl("Source 2", 375, 101),
    Lbl("Intensity 2", 375, 123), Lbl("Attack 2", 375, 145),    Lbl("Decay 2", 375, 167),
    Lbl("Slope 2", 375, 189),     Lbl("Release 2", 375, 211),   Pop96(0x190F, 440, 35),
    Pop96(0x1910, 440, 57),       Pop96(0x1911, 440, 79),       Pop96(0x190A, 440, 101),
    Bar96(0x190B, 440, 123),      Pop96(0x1912, 440, 145),      Pop96(0x1913, 440, 167),
    Pop96(0x1914, 440, 189),      Pop96(0x1915, 440, 211),
};

}  // namespace UIForms
