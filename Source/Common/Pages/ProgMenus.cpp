#include "Common/Pages/ProgMenus.h"

#include <vector>

#include "Common/Editor/MenuItems.h"

namespace ProgMenus {

namespace {

// Every program page's list ends with this.
const MenuItemInfo* const kTail[] = {
    &kMenuItemInfo_Load,         &kMenuItemInfo_Save,           &kMenuItemInfo_Separator,
    &kMenuItemInfo_Import,       &kMenuItemInfo_Export,         &kMenuItemInfo_Separator,
    &kMenuItemInfo_ReceiveAll,   &kMenuItemInfo_TransmitAll,    &kMenuItemInfo_ReceiveProg,
    &kMenuItemInfo_TransmitProg, &kMenuItemInfo_ReceiveOneProg, &kMenuItemInfo_TransmitOneProg,
};

std::vector<const MenuItemInfo*> HeadOf(Head head) {
    switch (head) {
        case kOscillator:
            return {&kMenuItemInfo_WriteProgram, &kMenuItemInfo_CopyOscillator,
                    &kMenuItemInfo_SwapOscillator};
        case kArpeggiator:
            return {&kMenuItemInfo_WriteProgram, &kMenuItemInfo_CopyArpeggiator};
        case kInsertFX:
            return {&kMenuItemInfo_WriteProgram, &kMenuItemInfo_CopyInsertEffect};
        case kMasterFX:
            return {&kMenuItemInfo_WriteProgram, &kMenuItemInfo_CopyMasterEffect,
                    &kMenuItemInfo_SwapMasterEffect};
        case kPlain:
            break;
    }
    return {&kMenuItemInfo_WriteProgram};
}

}  // namespace

void Append(std::list<MenuItemInfo>& items, Head head) {
    for (const MenuItemInfo* item : HeadOf(head)) items.push_back(*item);
    items.push_back(kMenuItemInfo_Separator);
    for (const MenuItemInfo* item : kTail) items.push_back(*item);
}

}  // namespace ProgMenus
