#include "App/ProgramShortcuts.h"

#include <X11/Xlib.h>
#include <X11/keysym.h>

namespace {

constexpr KeySym kShortcutKeys[] = {XK_q, XK_comma};
// Caps Lock and Num Lock (Mod2 on every common keymap) do not change a shortcut.
constexpr unsigned int kIgnoredLocks[] = {0, LockMask, Mod2Mask, LockMask | Mod2Mask};

template <typename Fn>
void ForEachShortcut(Display* display, Fn fn) {
    for (KeySym sym : kShortcutKeys) {
        const KeyCode code = XKeysymToKeycode(display, sym);
        if (code == 0) continue;
        for (unsigned int locks : kIgnoredLocks) fn(code, ControlMask | locks);
    }
}

}  // namespace

void GrabProgramShortcuts(_XDisplay* display, unsigned long window) {
    if (display == nullptr || window == 0) return;
    ForEachShortcut(display, [&](KeyCode code, unsigned int modifiers) {
        XGrabKey(display, code, modifiers, window, False, GrabModeAsync, GrabModeAsync);
    });
    XFlush(display);
}
