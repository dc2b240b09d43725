#include "Common/FontManager/ManagerLock.h"

std::recursive_mutex& EditorManagerLock() {
    static std::recursive_mutex lock;
    return lock;
}
