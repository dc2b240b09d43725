#include "Common/Pages/CombiMultiMenus.h"

namespace CombiMultiMenus {

// The window's shared menu items are not available to the pages yet; the lists stay empty until
// they are.
void Append(std::list<MenuItemInfo>&, bool, Head) {}

}  // namespace CombiMultiMenus
