#pragma once
// The toolkit's modal windows on the stack now (message boxes, file dialogs, the progress window, menu
// windows): while one is up, pointer and key input to our windows below the top one is dropped
// (drawing goes on). Each entry carries how to end it, so that a host closing the editor can end every
// nested loop of ours before it takes the window down. Main thread only.
#include <functional>

class CHfcWindow;

// Registers window as the top modal; abort ends it (its loop returns, its answer is a cancel).
void HfcModalPush(CHfcWindow* window, std::function<void()> abort);
void HfcModalPop(CHfcWindow* window);
// The top modal window, or null.
CHfcWindow* HfcModalTop();
int HfcModalCount();
// True when input to window must be dropped: a modal window other than it is on top.
bool HfcModalBlocksInput(const CHfcWindow* window);
// Ends every modal window on the stack, the top one first. Their loops return once the caller's
// work is done.
void HfcModalAbortAll();

// The window of ours that had pointer or key input last, not counting modal ones: the window a new
// dialog stands for (null: none). The editor bridge sets it when it opens.
void HfcNoteInputWindow(CHfcWindow* window);
CHfcWindow* HfcLastInputWindow();
// A window going away is forgotten.
void HfcForgetWindow(CHfcWindow* window);
