// The Utility-menu items of the global pages, copied from the window's shared items in the order
// each page lists them.
#include <initializer_list>

#include "Common/Pages/GlobalPageLayerBase.h"

#include "Common/Editor/MenuItems.h"

namespace {

void Append(std::list<MenuItemInfo>& items, std::initializer_list<const MenuItemInfo*> add) {
    for (const MenuItemInfo* item : add) items.push_back(*item);
}

// What every instrument-settings page ends with.
void AppendGlobalTail(std::list<MenuItemInfo>& items) {
    Append(items, {&kMenuItemInfo_Load, &kMenuItemInfo_Save, &kMenuItemInfo_Separator, &kMenuItemInfo_Import,
                   &kMenuItemInfo_Export, &kMenuItemInfo_Separator, &kMenuItemInfo_ReceiveAll,
                   &kMenuItemInfo_TransmitAll, &kMenuItemInfo_ReceiveGlobal, &kMenuItemInfo_TransmitGlobal});
}

}  // namespace

void GlobalPageLayerBase::AppendPageMenu(std::list<MenuItemInfo>& items, PageMenu menu) {
    switch (menu) {
        case kSoftwareSetup:
            Append(items, {&kMenuItemInfo_SaveDefault, &kMenuItemInfo_RestoreData, &kMenuItemInfo_Separator,
                           &kMenuItemInfo_Load, &kMenuItemInfo_Save, &kMenuItemInfo_Separator,
                           &kMenuItemInfo_Import, &kMenuItemInfo_Export, &kMenuItemInfo_Separator,
                           &kMenuItemInfo_ReceiveAll, &kMenuItemInfo_TransmitAll});
            break;
        case kSystemMIDI:
        case kCategoryName:
            Append(items, {&kMenuItemInfo_WriteGlobalSetting, &kMenuItemInfo_Separator});
            AppendGlobalTail(items);
            break;
        case kUserScale:
            Append(items,
                   {&kMenuItemInfo_WriteGlobalSetting, &kMenuItemInfo_CopyScale, &kMenuItemInfo_Separator});
            AppendGlobalTail(items);
            break;
        case kDrumKit:
            Append(items, {&kMenuItemInfo_WriteDrumKit, &kMenuItemInfo_RenameDrumKit,
                           &kMenuItemInfo_CopyDrumKit, &kMenuItemInfo_CopyKeySetup, &kMenuItemInfo_Separator,
                           &kMenuItemInfo_Load, &kMenuItemInfo_Save, &kMenuItemInfo_Separator,
                           &kMenuItemInfo_Import, &kMenuItemInfo_Export, &kMenuItemInfo_Separator,
                           &kMenuItemInfo_ReceiveAll, &kMenuItemInfo_TransmitAll,
                           &kMenuItemInfo_ReceiveDrumKit, &kMenuItemInfo_TransmitDrumKit});
            break;
        case kArpeggioPattern:
            // Rename is offered here: it is the only way to the pattern's rename dialog.
            Append(items, {&kMenuItemInfo_WriteArpeggioPattern, &kMenuItemInfo_RenameArpeggioPattern,
                           &kMenuItemInfo_CopyArpeggioPattern, &kMenuItemInfo_CopySteps,
                           &kMenuItemInfo_DeleteStep, &kMenuItemInfo_InsertStep, &kMenuItemInfo_Separator,
                           &kMenuItemInfo_Load, &kMenuItemInfo_Save, &kMenuItemInfo_Separator,
                           &kMenuItemInfo_Import, &kMenuItemInfo_Export, &kMenuItemInfo_Separator,
                           &kMenuItemInfo_ReceiveAll, &kMenuItemInfo_TransmitAll,
                           &kMenuItemInfo_ReceiveArpeggioPattern, &kMenuItemInfo_TransmitArpeggioPattern});
            break;
    }
}
