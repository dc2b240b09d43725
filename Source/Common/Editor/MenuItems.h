#pragma once
// The Utility menu's items: every page lists some of these global items, and the window composes
// the menu from the active page's list.
#include <string>

struct MenuItemInfo {
    int id = 0;
    unsigned flags = 0;  // bit 0 separator, bit 1 disabled
    std::string name;
};

extern const MenuItemInfo kMenuItemInfo_Separator;
extern const MenuItemInfo kMenuItemInfo_WriteProgram;
extern const MenuItemInfo kMenuItemInfo_CopyOscillator;
extern const MenuItemInfo kMenuItemInfo_Load;
extern const MenuItemInfo kMenuItemInfo_Save;
extern const MenuItemInfo kMenuItemInfo_Import;
extern const MenuItemInfo kMenuItemInfo_Export;
extern const MenuItemInfo kMenuItemInfo_ReceiveAll;
extern const MenuItemInfo kMenuItemInfo_TransmitAll;
extern const MenuItemInfo kMenuItemInfo_ReceiveProg;
extern const MenuItemInfo kMenuItemInfo_TransmitProg;
extern const MenuItemInfo kMenuItemInfo_ReceiveOneProg;
extern const MenuItemInfo kMenuItemInfo_TransmitOneProg;
extern const MenuItemInfo kMenuItemInfo_ReceiveCombi;
extern const MenuItemInfo kMenuItemInfo_TransmitCombi;
extern const MenuItemInfo kMenuItemInfo_ReceiveOneCombi;
extern const MenuItemInfo kMenuItemInfo_TransmitOneCombi;
extern const MenuItemInfo kMenuItemInfo_ReceiveMulti;
extern const MenuItemInfo kMenuItemInfo_TransmitMulti;
extern const MenuItemInfo kMenuItemInfo_ReceiveOneMulti;
extern const MenuItemInfo kMenuItemInfo_TransmitOneMulti;
extern const MenuItemInfo kMenuItemInfo_WriteCombination;
extern const MenuItemInfo kMenuItemInfo_CopyInsertEffect;
extern const MenuItemInfo kMenuItemInfo_CopyMasterEffect;
extern const MenuItemInfo kMenuItemInfo_SwapMasterEffect;
extern const MenuItemInfo kMenuItemInfo_DrumKitIFXPatch;
extern const MenuItemInfo kMenuItemInfo_WriteMulti;
extern const MenuItemInfo kMenuItemInfo_CopyFromCombination;
extern const MenuItemInfo kMenuItemInfo_CopyArpeggiator;
extern const MenuItemInfo kMenuItemInfo_SwapOscillator;
extern const MenuItemInfo kMenuItemInfo_ReceiveGlobal;
extern const MenuItemInfo kMenuItemInfo_TransmitGlobal;
extern const MenuItemInfo kMenuItemInfo_ReceiveDrumKit;
extern const MenuItemInfo kMenuItemInfo_TransmitDrumKit;
extern const MenuItemInfo kMenuItemInfo_ReceiveArpeggioPattern;
extern const MenuItemInfo kMenuItemInfo_TransmitArpeggioPattern;
extern const MenuItemInfo kMenuItemInfo_ReceiveExtControl;
extern const MenuItemInfo kMenuItemInfo_TransmitExtControl;
extern const MenuItemInfo kMenuItemInfo_SaveDefault;
extern const MenuItemInfo kMenuItemInfo_RestoreData;
extern const MenuItemInfo kMenuItemInfo_WriteGlobalSetting;
extern const MenuItemInfo kMenuItemInfo_CopyScale;
extern const MenuItemInfo kMenuItemInfo_WriteDrumKit;
extern const MenuItemInfo kMenuItemInfo_RenameDrumKit;
extern const MenuItemInfo kMenuItemInfo_CopyDrumKit;
extern const MenuItemInfo kMenuItemInfo_CopyKeySetup;
extern const MenuItemInfo kMenuItemInfo_WriteArpeggioPattern;
extern const MenuItemInfo kMenuItemInfo_RenameArpeggioPattern;
extern const MenuItemInfo kMenuItemInfo_CopyArpeggioPattern;
extern const MenuItemInfo kMenuItemInfo_CopySteps;
extern const MenuItemInfo kMenuItemInfo_DeleteStep;
extern const MenuItemInfo kMenuItemInfo_InsertStep;
extern const MenuItemInfo kMenuItemInfo_WriteExtControlSetup;
extern const MenuItemInfo kMenuItemInfo_RenameExtControlSetup;
extern const MenuItemInfo kMenuItemInfo_ResetExtControlSetup;
extern const MenuItemInfo kMenuItemInfo_AllSoundOff;

// Ids the pages list for their own use; the window never shows them nor runs a command for them.
bool IsPageLocalMenuItemId(int id);
