// The global Utility-menu items, built once at load time; every flags value is 0.
#include "Common/Editor/MenuItems.h"

#include <algorithm>
#include <array>

const MenuItemInfo kMenuItemInfo_Separator{-1, 0, "Separator"};
const MenuItemInfo kMenuItemInfo_WriteProgram{1000, 0, "Write Program"};
const MenuItemInfo kMenuItemInfo_CopyOscillator{1001, 0, "Copy Osillator"};
const MenuItemInfo kMenuItemInfo_Load{1003, 0, "Load"};
const MenuItemInfo kMenuItemInfo_Save{1004, 0, "Save"};
const MenuItemInfo kMenuItemInfo_Import{1005, 0, "Import"};
const MenuItemInfo kMenuItemInfo_Export{1006, 0, "Export"};
const MenuItemInfo kMenuItemInfo_ReceiveAll{1007, 0, "Receive All"};
const MenuItemInfo kMenuItemInfo_TransmitAll{1008, 0, "Transmit All"};
const MenuItemInfo kMenuItemInfo_ReceiveProg{1009, 0, "Receive Prog"};
const MenuItemInfo kMenuItemInfo_TransmitProg{1010, 0, "Transmit Prog"};
const MenuItemInfo kMenuItemInfo_ReceiveOneProg{1011, 0, "Receive 1 Prog"};
const MenuItemInfo kMenuItemInfo_TransmitOneProg{1012, 0, "Transmit 1 Prog"};
const MenuItemInfo kMenuItemInfo_ReceiveCombi{1013, 0, "Receive Combi"};
const MenuItemInfo kMenuItemInfo_TransmitCombi{1014, 0, "Transmit Combi"};
const MenuItemInfo kMenuItemInfo_ReceiveOneCombi{1015, 0, "Receive 1 Combi"};
const MenuItemInfo kMenuItemInfo_TransmitOneCombi{1016, 0, "Transmit 1 Combi"};
const MenuItemInfo kMenuItemInfo_ReceiveMulti{1017, 0, "Receive Multi"};
const MenuItemInfo kMenuItemInfo_TransmitMulti{1018, 0, "Transmit Multi"};
const MenuItemInfo kMenuItemInfo_ReceiveOneMulti{1019, 0, "Receive 1 Multi"};
const MenuItemInfo kMenuItemInfo_TransmitOneMulti{1020, 0, "Transmit 1 Multi"};
const MenuItemInfo kMenuItemInfo_WriteCombination{1021, 0, "Write Combination"};
const MenuItemInfo kMenuItemInfo_CopyInsertEffect{1022, 0, "Copy Insert Effect"};
const MenuItemInfo kMenuItemInfo_CopyMasterEffect{1023, 0, "Copy Master Effect"};
const MenuItemInfo kMenuItemInfo_SwapMasterEffect{1024, 0, "Swap Master Effect"};
const MenuItemInfo kMenuItemInfo_DrumKitIFXPatch{1025, 0, "Drum Kit IFX Patch"};
const MenuItemInfo kMenuItemInfo_WriteMulti{1026, 0, "Write Multi"};
const MenuItemInfo kMenuItemInfo_CopyFromCombination{1027, 0, "Copy From Combination"};
const MenuItemInfo kMenuItemInfo_CopyArpeggiator{1028, 0, "Copy Arpeggiator"};
const MenuItemInfo kMenuItemInfo_SwapOscillator{1028, 0, "Swap Osillator"};
const MenuItemInfo kMenuItemInfo_ReceiveGlobal{1029, 0, "Receive Global Data"};
const MenuItemInfo kMenuItemInfo_TransmitGlobal{1030, 0, "Transmit Global Data"};
const MenuItemInfo kMenuItemInfo_ReceiveDrumKit{1031, 0, "Receive Drum Kit"};
const MenuItemInfo kMenuItemInfo_TransmitDrumKit{1032, 0, "Transmit Drum Kit"};
const MenuItemInfo kMenuItemInfo_ReceiveArpeggioPattern{1033, 0, "Receive Arpeggio Pattern"};
const MenuItemInfo kMenuItemInfo_TransmitArpeggioPattern{1034, 0, "Transmit Arpeggio Pattern"};
const MenuItemInfo kMenuItemInfo_ReceiveExtControl{1035, 0, "Receive ExtControl Data"};
const MenuItemInfo kMenuItemInfo_TransmitExtControl{1036, 0, "Transmit ExtControl Data"};
const MenuItemInfo kMenuItemInfo_SaveDefault{1037, 0, "Save Default"};
const MenuItemInfo kMenuItemInfo_RestoreData{1038, 0, "Restore Data"};
const MenuItemInfo kMenuItemInfo_WriteGlobalSetting{1039, 0, "Write Global Setting"};
const MenuItemInfo kMenuItemInfo_CopyScale{1040, 0, "Copy Scale"};
const MenuItemInfo kMenuItemInfo_WriteDrumKit{1041, 0, "Write Drum Kits"};
const MenuItemInfo kMenuItemInfo_RenameDrumKit{1042, 0, "Rename Drum Kit"};
const MenuItemInfo kMenuItemInfo_CopyDrumKit{1043, 0, "Copy Drum Kit"};
const MenuItemInfo kMenuItemInfo_CopyKeySetup{1044, 0, "Copy Key Setup"};
const MenuItemInfo kMenuItemInfo_WriteArpeggioPattern{1045, 0, "Write Arpeggio Patterns"};
const MenuItemInfo kMenuItemInfo_RenameArpeggioPattern{1046, 0, "Rename Arpeggio Pattern"};
const MenuItemInfo kMenuItemInfo_CopyArpeggioPattern{1047, 0, "Copy Arpeggio Pattern"};
const MenuItemInfo kMenuItemInfo_CopySteps{1048, 0, "Copy Steps"};
const MenuItemInfo kMenuItemInfo_DeleteStep{1049, 0, "Delete Step"};
const MenuItemInfo kMenuItemInfo_InsertStep{1050, 0, "Insert Step"};
const MenuItemInfo kMenuItemInfo_WriteExtControlSetup{1051, 0, "Write Ext.Control Setups"};
const MenuItemInfo kMenuItemInfo_RenameExtControlSetup{1052, 0, "Rename Ext.Control Setup"};
const MenuItemInfo kMenuItemInfo_ResetExtControlSetup{1053, 0, "Reset Ext.Control Setup"};
const MenuItemInfo kMenuItemInfo_AllSoundOff{1054, 0, "All Sound Off"};

bool IsPageLocalMenuItemId(int id) {
    static constexpr std::array<int, 16> kPageLocal{1001, 1002, 1022, 1023, 1024, 1025, 1027, 1028,
                                                    1040, 1043, 1044, 1047, 1048, 1049, 1050, 1053};
    return std::find(kPageLocal.begin(), kPageLocal.end(), id) != kPageLocal.end();
}
