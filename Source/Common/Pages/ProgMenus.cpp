#include "Common/Pages/ProgMenus.h"

namespace ProgMenus {

// The window's shared menu items are not available to the pages yet; the lists stay empty until
// they are.
void Append(std::list<MenuItemInfo>&, Head) {}

}  // namespace ProgMenus
