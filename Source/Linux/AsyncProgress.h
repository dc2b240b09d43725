#pragma once
// The modal progress dialog: a text line, a bar and a Cancel button, shown on the main thread while
// a long transfer runs. Progress and break come from any thread and reach the window through the
// main thread's loop; the window itself is a view behind a small interface (the X11 window, or the
// headless view of the tests).
#include <functional>
#include <memory>
#include <string>

// Receives the Cancel button. Pressing Cancel only informs; ending the dialog is the handler's job.
class IAsyncProgressHandler {
public:
    virtual void OnAsyncCanceled() = 0;

protected:
    ~IAsyncProgressHandler() = default;
};

class IAsyncProgressUI {
public:
    virtual ~IAsyncProgressUI() = default;
    // Main thread. False when a window is already shown or none can be created.
    virtual bool BeginModal(void* parent, const char* title, bool cancellable,
                            IAsyncProgressHandler* handler) = 0;
    // Main thread. Runs a nested loop of the main thread's loop until a break of this window, EndModal
    // or the loop's quit; false without a window, or when the loop's quit ended it.
    virtual bool RunModal() = 0;
    // Main thread. Ends the nested loop and disposes of the window; queued progress is discarded.
    virtual void EndModal() = 0;
    // Any thread.
    virtual bool IsActive() = 0;
    virtual bool SetTitle(const char* title) = 0;
    virtual bool SetCancellable(bool cancellable) = 0;
    // Any thread. Shows done * 100 / total percent (0 when total is 0) and the text; a repeat of what
    // was last shown posts nothing.
    virtual void NotifyProgress(const char* text, int total, int done) = 0;
    // Any thread. Ends the nested loop of the window shown now; a break posted for an earlier window
    // ends nothing.
    virtual void NotifyBreak() = 0;
};

// A new dialog on the calling thread's loop (or the plug-in's UI thread loop); no window yet.
IAsyncProgressUI* AsyncProgressUICreate();

// ---- The window behind the dialog

// What a view reports; called on the main thread.
class IAsyncProgressViewOwner {
public:
    virtual void OnProgressViewCancel() = 0;
    // The window's user is going away (the editor closes): the modal loop of the dialog ends.
    virtual void OnProgressViewBreak() {}

protected:
    ~IAsyncProgressViewOwner() = default;
};

// One shown window, main thread only. Texts are valid UTF-8. Destroying the view disposes of the
// window.
class IAsyncProgressView {
public:
    virtual ~IAsyncProgressView() = default;
    virtual void SetTitle(const std::string& title) = 0;
    virtual void SetText(const std::string& text) = 0;
    virtual void SetPercent(int percent) = 0;  // 0 to 100
    virtual void SetCancelEnabled(bool enabled) = 0;
};

// Makes the window of a dialog; null when no window can be created (no display, no toolkit).
using AsyncProgressViewFactory = std::function<std::unique_ptr<IAsyncProgressView>(IAsyncProgressViewOwner*)>;

// The factory of every dialog that begins afterwards; an empty one means no window can be created,
// and the dialog's users then go on without it.
void AsyncProgressSetViewFactory(AsyncProgressViewFactory factory);

// The bytes of text with every byte that does not belong to a well-formed UTF-8 sequence replaced by
// U+FFFD; null gives an empty string.
std::string MakeValidUtf8(const char* text);
