#pragma once
// The Utility-menu items of the program pages: each page's own head, then the program tail.
#include <list>

struct MenuItemInfo;

namespace ProgMenus {

enum Head {
    kPlain,        // Write Program
    kOscillator,   // Write Program, Copy Oscillator, Swap Oscillator
    kArpeggiator,  // Write Program, Copy Arpeggiator
    kInsertFX,     // Write Program, Copy Insert Effect
    kMasterFX,     // Write Program, Copy Master Effect, Swap Master Effect
};

// Appends the head, a separator and the program tail.
void Append(std::list<MenuItemInfo>& items, Head head);

}  // namespace ProgMenus
