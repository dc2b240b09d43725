#pragma once
// The program's own keys, Ctrl+Q (Quit) and Ctrl+, (Settings...), wherever the pointer is in its
// window: the plug-in's view is a window of another X connection that takes the keys under it, so
// the two are grabbed on the program's top-level window (every other key still reaches the view).
struct _XDisplay;

// Grabs both keys on window (with or without Caps Lock and Num Lock); the events then arrive at the
// window itself. The grabs go with the window.
void GrabProgramShortcuts(_XDisplay* display, unsigned long window);
