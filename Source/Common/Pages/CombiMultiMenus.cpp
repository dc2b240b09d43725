#include "Common/Pages/CombiMultiMenus.h"

#include <vector>

#include "Common/Editor/MenuItems.h"

namespace CombiMultiMenus {

namespace {

using Items = std::vector<const MenuItemInfo*>;

const Items& HeadOf(bool multi, Head head) {
    static const Items kCombi[] = {
        {&kMenuItemInfo_WriteCombination},
        {&kMenuItemInfo_WriteCombination, &kMenuItemInfo_CopyArpeggiator},
        {&kMenuItemInfo_WriteCombination, &kMenuItemInfo_CopyInsertEffect},
        {&kMenuItemInfo_WriteCombination, &kMenuItemInfo_CopyMasterEffect, &kMenuItemInfo_SwapMasterEffect},
    };
    static const Items kMulti[] = {
        {&kMenuItemInfo_WriteMulti, &kMenuItemInfo_CopyFromCombination},
        {&kMenuItemInfo_WriteMulti, &kMenuItemInfo_CopyFromCombination, &kMenuItemInfo_CopyArpeggiator},
        {&kMenuItemInfo_WriteMulti, &kMenuItemInfo_CopyInsertEffect},
        {&kMenuItemInfo_WriteMulti, &kMenuItemInfo_CopyInsertEffect, &kMenuItemInfo_DrumKitIFXPatch},
    };
    return (multi ? kMulti : kCombi)[head];
}

}  // namespace

void Append(std::list<MenuItemInfo>& items, bool multi, Head head) {
    static const Items tail = {&kMenuItemInfo_Load,       &kMenuItemInfo_Save,       &kMenuItemInfo_Separator,
                               &kMenuItemInfo_Import,     &kMenuItemInfo_Export,     &kMenuItemInfo_Separator,
                               &kMenuItemInfo_ReceiveAll, &kMenuItemInfo_TransmitAll};
    static const Items multiTail = {&kMenuItemInfo_ReceiveMulti, &kMenuItemInfo_TransmitMulti,
                                    &kMenuItemInfo_ReceiveOneMulti, &kMenuItemInfo_TransmitOneMulti};
    static const Items combiTail = {&kMenuItemInfo_ReceiveCombi, &kMenuItemInfo_TransmitCombi,
                                    &kMenuItemInfo_ReceiveOneCombi, &kMenuItemInfo_TransmitOneCombi};
    const Items& mode = multi ? multiTail : combiTail;
    for (const MenuItemInfo* item : HeadOf(multi, head)) items.push_back(*item);
    items.push_back(kMenuItemInfo_Separator);
    for (const MenuItemInfo* item : tail) items.push_back(*item);
    for (const MenuItemInfo* item : mode) items.push_back(*item);
}

}  // namespace CombiMultiMenus
