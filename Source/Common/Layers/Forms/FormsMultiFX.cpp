// The multi's effect set-up sub-pages: the insert effect's routing and control channel, the master
// effects' returns, chain and control channels, and the master EQ.
// Layout: category captions at y 10 above up to three columns (a second category may head the
// lower part of a column); rows 22 pixels apart from y 35; a parameter caption 60 wide, its
// control 65 pixels right of it on the same line. Rows: category captions, then each column's
// captions and its controls.
#include "Common/Layers/Forms/FormItems.h"
#include "Common/Layers/Forms/FormRows.h"

namespace UIForms {

// Form 1080.
const UI_FORMINFO _g_uiFormItem_ID_MULTI_IFX_SETUP[10] = {
    Lbl("Bus", 15, 35),     Lbl("Ctrl.Channel", 15, 57), Lbl("Pan", 15, 79),    Lbl("Send1", 15, 101),
    Lbl("Send2", 15, 123),  Pop96(0x2503, 80, 35),       Pop96(0x2506, 80, 57), Bar96(0x2502, 80, 79),
    Bar96(0x2504, 80, 101), Bar96(0x2505, 80, 123),
};

// Form 1081.
const UI_FORMINFO _g_uiFormItem_ID_MULTI_MFX_SETUP[21] = {
    Cat("Return Level", 10, 10), Cat("Chain", 190, 10),  Cat("Control Channel", 370, 10),
    Lbl("MFX1", 15, 35),         Lbl("MFX2", 15, 57),    Bar96(0x2704, 80, 35),
    Bar96(0x2705, 80, 57),       Lbl("Chain", 195, 35),  Lbl("Direction", 195, 57),
    Lbl("Signal", 195, 79),      Lbl("Level", 195, 101), Chk(0x2706, 260, 35),
    Pop96(0x2707, 260, 57),      Pop96(0x2708, 260, 79), Bar96(0x2709, 260, 101),
    Lbl("MFX1", 375, 35),        Lbl("MFX2", 375, 57),   Lbl("Master EQ", 375, 79),
    Pop96(0x2714, 440, 35),      Pop96(0x2715, 440, 57), Pop96(0x2716, 440, 79),
};

// Form 1082.
const UI_FORMINFO _g_uiFormItem_ID_MULTI_MFX_MASTER_EQ[20] = {
    Cat("Gain", 10, 10),     Cat("Frequency", 250, 10), Lbl("Low", 15, 35),        Lbl("Mid", 15, 57),
    Lbl("High", 15, 79),     Lbl("Low Mod.", 15, 101),  Lbl("High Mod.", 15, 123), Bar96(0x270A, 80, 35),
    Bar96(0x270B, 80, 57),   Bar96(0x270C, 80, 79),     Pop96(0x2711, 80, 101),    Pop96(0x2712, 80, 123),
    Lbl("Low", 255, 35),     Lbl("Mid", 255, 57),       Lbl("High", 255, 79),      Lbl("Mid Q", 255, 101),
    Edit96(0x270D, 320, 35), Edit96(0x270E, 320, 57),   Edit96(0x270F, 320, 79),   Edit96(0x2710, 320, 101),
};

}  // namespace UIForms
