// The program's effect set-up sub-pages: the insert effect's routing, the master effects' returns
// and chain, and the master EQ.
// Layout: category captions at y 10 above up to three columns (a second category may head the
// lower part of a column); rows 22 pixels apart from y 35; a parameter caption 60 wide, its
// control 65 pixels right of it on the same line. Rows: category captions, then each column's
// captions and its controls.
#include "Common/Layers/Forms/FormItems.h"
#include "Common/Layers/Forms/FormRows.h"

namespace UIForms {

// Form 1064.
const UI_FORMINFO _g_uiFormItem_ID_PROG_IFX_SETUP[8] = {
    Lbl("Bus", 15, 35),    Lbl("Pan", 15, 57),    Lbl("Send1", 15, 79),  Lbl("Send2", 15, 101),
    Pop96(0x1E03, 80, 35), Bar96(0x1E02, 80, 57), Bar96(0x1E04, 80, 79), Bar96(0x1E05, 80, 101),
};

// Form 1065.
const UI_FORMINFO _g_uiFormItem_ID_PROG_MFX_SETUP[14] = {
    Cat("Return Level", 10, 10), Cat("Chain", 190, 10),   Lbl("MFX1", 15, 35),   Lbl("MFX2", 15, 57),
    Bar96(0x2004, 80, 35),       Bar96(0x2005, 80, 57),   Lbl("Chain", 195, 35), Lbl("Direction", 195, 57),
    Lbl("Signal", 195, 79),      Lbl("Level", 195, 101),  Chk(0x2006, 260, 35),  Pop96(0x2007, 260, 57),
    Pop96(0x2008, 260, 79),      Bar96(0x2009, 260, 101),
};

// Form 1066.
const UI_FORMINFO _g_uiFormItem_ID_PROG_MFX_MASTER_EQ[20] = {
    Cat("Gain", 10, 10),     Cat("Frequency", 250, 10), Lbl("Low", 15, 35),        Lbl("Mid", 15, 57),
    Lbl("High", 15, 79),     Lbl("Low Mod.", 15, 101),  Lbl("High Mod.", 15, 123), Bar96(0x200A, 80, 35),
    Bar96(0x200B, 80, 57),   Bar96(0x200C, 80, 79),     Pop96(0x2011, 80, 101),    Pop96(0x2012, 80, 123),
    Lbl("Low", 255, 35),     Lbl("Mid", 255, 57),       Lbl("High", 255, 79),      Lbl("Mid Q", 255, 101),
    Edit96(0x200D, 320, 35), Edit96(0x200E, 320, 57),   Edit96(0x200F, 320, 79),   Edit96(0x2010, 320, 101),
};

}  // namespace UIForms
