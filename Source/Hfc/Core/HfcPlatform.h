#pragma once
// The platform seam of the toolkit. One frame is one platform window of a kind: a top-level window, a
// child of a foreign window id (the host's window), a transient dialog or a popup (menus). A frame owns
// an opaque 32-bit back buffer of its client size in our memory; the window draws into it and asks the
// frame to present dirty rectangles. Events come back to the frame's client as HfcPlatformEvent, the
// same from every backend, and the window runs its handlers on them.
//
// The backends (headless, X11) implement IHfcPlatform; exactly one is installed at a time. Everything
// here runs on the UI thread.
#include <cstdint>
#include <string>

#include "Hfc/Base/HfcUtil.h"

class CHfcBmp;

enum class HfcFrameKind { TopLevel, Child, Dialog, Popup };

enum class HfcEventKind {
    MouseDown,
    MouseUp,
    MouseMoved,    // no button held
    MouseDragged,  // a button held
    MouseWheel,
    KeyDown,
    KeyRepeat,
    KeyUp,
    Expose,       // the whole client area must be drawn again
    Activated,    // the frame got the input focus
    Deactivated,  // the frame lost it (not through our own grabs)
    BoundsChanged,
    Close,      // the user asked to close the window
    Destroyed,  // the frame is gone; the last event a client gets
    Shown,
    Hidden,
};

// Pointer and key input (the events a modal window above stops).
inline bool HfcIsInputEvent(HfcEventKind kind) {
    switch (kind) {
        case HfcEventKind::MouseDown:
        case HfcEventKind::MouseUp:
        case HfcEventKind::MouseMoved:
        case HfcEventKind::MouseDragged:
        case HfcEventKind::MouseWheel:
        case HfcEventKind::KeyDown:
        case HfcEventKind::KeyRepeat:
        case HfcEventKind::KeyUp:
            return true;
        default:
            return false;
    }
}

// Carbon-style modifier word carried by events (the toolkit converts it to its own bits).
enum : uint32_t {
    kHfcMacCmdKey = 0x0100,      // Linux Control
    kHfcMacShiftKey = 0x0200,    // Shift
    kHfcMacOptionKey = 0x0800,   // Alt (Mod1)
    kHfcMacControlKey = 0x1000,  // Super (Mod4)
};

struct HfcPlatformEvent {
    HfcEventKind kind = HfcEventKind::Expose;
    uint32_t time = 0;  // ms, the toolkit clock
    int x = 0;          // frame client coordinates
    int y = 0;
    int rootX = 0;  // screen coordinates
    int rootY = 0;
    int button = 0;      // 1 left, 2 right, 3 middle
    int clickCount = 0;  // 1, 2, ...
    uint32_t modifiers = 0;
    int character = 0;      // keys: the character (32-126, 8, 13, 27, 28-31, 127) or 0
    int virtualKey = 0;     // keys: 8, 13 (keypad Enter), 27, 37-40, 46 or 0
    bool shortcut = false;  // keys with Control, Alt or Super held: nothing is typed
    int axis = 1;           // wheel: 1 vertical, 0 horizontal
    int delta = 0;          // wheel: +1 up/left, -1 down/right
    int width = 0;          // bounds changes
    int height = 0;
};

class IHfcFrameClient {
public:
    virtual ~IHfcFrameClient() = default;
    virtual void OnPlatformEvent(const HfcPlatformEvent& event) = 0;
};

struct HfcFrameParams {
    HfcFrameKind kind = HfcFrameKind::TopLevel;
    int x = 0;  // top-level, dialog, popup: screen; child: inside the parent
    int y = 0;
    int width = 0;
    int height = 0;
    uintptr_t parentId = 0;  // child: the foreign window id; dialog: the window it stands for
    bool resizable = false;
    std::string title;
};

class IHfcFrame {
public:
    virtual ~IHfcFrame() = default;
    virtual HfcFrameKind GetKind() const = 0;
    // The platform's id of the window (a foreign parent for children made inside it).
    virtual uintptr_t GetId() const = 0;
    virtual void Show() = 0;
    virtual void Hide() = 0;
    virtual bool IsVisible() const = 0;
    virtual void SetTitle(const char* title) = 0;
    virtual std::string GetTitle() const = 0;
    // Top left of the client area on the screen.
    virtual void GetRootOrigin(int* x, int* y) const = 0;
    virtual void Move(int x, int y) = 0;
    // The back buffer follows the size (its pixels are lost).
    virtual void Resize(int width, int height) = 0;
    virtual int GetWidth() const = 0;
    virtual int GetHeight() const = 0;
    virtual CHfcBmp* GetBackBuffer() = 0;
    // Shows these rectangles of the back buffer on the screen.
    virtual void Present(const tagHfcRect* rects, int count) = 0;
    virtual void SetCursor(int themeCursor) = 0;
    // All pointer (and key) input to this frame until released; false when refused.
    virtual bool GrabInput() = 0;
    virtual void UngrabInput() = 0;
    virtual void SetInputFocus() = 0;
    virtual bool HasInputFocus() const = 0;
    // Gives the input focus back to the window that had it before SetInputFocus took it into a child
    // of a foreign window (the host's), so that the host's keys work again; nothing otherwise.
    virtual void ReturnInputFocus() {}
};

class IHfcPlatform {
public:
    virtual ~IHfcPlatform() = default;
    // Null when the frame cannot be made (no display, unknown parent).
    virtual IHfcFrame* CreateFrame(const HfcFrameParams& params, IHfcFrameClient* client) = 0;
    // Takes the frame down; its client gets Destroyed (synchronously) unless detached first.
    virtual void DestroyFrame(IHfcFrame* frame) = 0;
    // Detaches the client: no more events, Destroyed included.
    virtual void DetachClient(IHfcFrame* frame) = 0;
    virtual void GetScreenSize(int* width, int* height) const = 0;
    // Where the pointer is and which buttons are held (bit 0 left, 1 right, 2 middle).
    virtual void GetPointer(int* rootX, int* rootY, int* buttons) const = 0;
    virtual void SetCursor(int themeCursor) = 0;
};

// The installed backend (null: none, and no window can be made).
void HfcSetPlatform(IHfcPlatform* platform);
IHfcPlatform* HfcGetPlatform();
