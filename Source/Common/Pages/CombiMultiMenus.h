#pragma once
// The Utility-menu items of the combination and multi pages: each page's own head, a separator,
// then the tail of its mode (load, save, transfers).
#include <list>

struct MenuItemInfo;

namespace CombiMultiMenus {

enum Head {
    kColumns,      // Write; on multi pages also Copy From Combination
    kArpeggiator,  // the column head, then Copy Arpeggiator
    kInsertFX,     // Write, Copy Insert Effect
    kMasterFX,     // combination: Write, Copy Master Effect, Swap Master Effect;
                   // multi: Write, Copy Insert Effect, Drum Kit IFX Patch
};

void Append(std::list<MenuItemInfo>& items, bool multi, Head head);

}  // namespace CombiMultiMenus
