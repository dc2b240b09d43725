#pragma once
// The X11 backend of the toolkit: one Display connection of our own, opened on the UI thread and read
// through that thread's RunLoop (its descriptor is the loop's one fd source). Frames are X windows: a
// child of a foreign window id (the host's) made with the parent's visual, depth and colormap,
// top-level and transient dialog windows, and override-redirect popups. Each frame keeps its back
// buffer in our memory and copies dirty rectangles to its window with XPutImage.
//
// X errors: the process-wide handler is chained once; errors on our connection are counted and
// swallowed (a host may destroy its window under ours), errors of other connections go to the handler
// that was installed before. A connection that breaks (the server went away) never ends the process:
// it is marked dead, nothing is drawn or read on it any more, every modal loop of ours ends and every
// frame is taken down as if its owner had closed it (its client gets Destroyed); the platform can be
// opened again on a new connection.
#include <map>
#include <memory>
#include <set>
#include <string>

#include "Hfc/Core/HfcInput.h"
#include "Hfc/Core/HfcPlatform.h"
#include "Hfc/Draw/HfcBmp.h"

class CHfcX11Platform;
class RunLoop;
// Xlib's own types, declared without its header (its macros clash with our names).
struct _XDisplay;
struct _XGC;
using Display = struct _XDisplay;

class CHfcX11Frame : public IHfcFrame {
public:
    CHfcX11Frame(CHfcX11Platform* platform, const HfcFrameParams& params, IHfcFrameClient* client);
    ~CHfcX11Frame() override;

    HfcFrameKind GetKind() const override { return m_kind; }
    uintptr_t GetId() const override { return m_window; }
    void Show() override;
    void Hide() override;
    bool IsVisible() const override { return m_bVisible; }
    void SetTitle(const char* title) override;
    std::string GetTitle() const override { return m_title; }
    void GetRootOrigin(int* x, int* y) const override;
    void Move(int x, int y) override;
    void Resize(int width, int height) override;
    int GetWidth() const override { return m_back.GetWidth(); }
    int GetHeight() const override { return m_back.GetHeight(); }
    CHfcBmp* GetBackBuffer() override { return &m_back; }
    void Present(const tagHfcRect* rects, int count) override;
    void SetCursor(int themeCursor) override;
    bool GrabInput() override;
    void UngrabInput() override;
    void SetInputFocus() override;
    bool HasInputFocus() const override { return m_bFocused; }
    void ReturnInputFocus() override;

    bool IsValid() const { return m_window != 0; }
    IHfcFrameClient* GetClient() const { return m_pClient; }

private:
    friend class CHfcX11Platform;
    class RunLoop;
    void Send(const HfcPlatformEvent& event);
    void NewBackBuffer(int width, int height);

    CHfcX11Platform* m_pPlatform;
    HfcFrameKind m_kind;
    IHfcFrameClient* m_pClient;
    unsigned long m_window = 0;  // Window
    unsigned long m_parent = 0;
    void* m_pVisual = nullptr;  // Visual*
    int m_iDepth = 0;
    _XGC* m_gc = nullptr;
    std::string m_title;
    bool m_bVisible = false;
    bool m_bFocused = false;
    bool m_bGrabbed = false;
    bool m_bGone = false;             // the server destroyed the window (its parent went)
    unsigned long m_focusBefore = 0;  // the window SetInputFocus took the focus from (a child's)
    CHfcBmp m_back;
};

class CHfcX11Platform : public IHfcPlatform {
public:
    CHfcX11Platform();
    // Destroys the frames left, closes the connection and uninstalls itself.
    ~CHfcX11Platform() override;

    // On the UI thread (the one whose RunLoop is Current()): opens the display (null: $DISPLAY) and
    // watches it through the loop. False when there is no display or no loop.
    bool Open(const char* displayName = nullptr);
    void Close();
    bool IsOpen() const { return m_pDisplay != nullptr; }
    // The connection broke and is not closed yet.
    bool IsDead() const { return m_bDead; }
    // Makes this backend the toolkit's platform.
    void Install();

    // IHfcPlatform
    IHfcFrame* CreateFrame(const HfcFrameParams& params, IHfcFrameClient* client) override;
    void DestroyFrame(IHfcFrame* frame) override;
    void DetachClient(IHfcFrame* frame) override;
    void GetScreenSize(int* width, int* height) const override;
    void GetPointer(int* rootX, int* rootY, int* buttons) const override;
    void SetCursor(int themeCursor) override;

    // Reads and dispatches every event the connection holds; true when any was handled.
    bool Dispatch();
    // Sends what is queued and waits until the server has handled it (errors arrive before it returns).
    void Sync();
    Display* GetDisplay() const { return m_pDisplay; }
    // X errors seen on our connection since it opened.
    int ErrorCount() const { return m_iErrors; }
    int LastErrorCode() const { return m_iLastError; }

    // The chained X error handler (error: an XErrorEvent).
    static int OnXError(Display* display, void* error);
    // The chained handler of broken connections: ours are marked dead, others go to the one before.
    static int OnXIOError(Display* display);
    // Called by Xlib inside whatever request found our connection broken: only marks it.
    void MarkDead();

private:
    friend class CHfcX11Frame;
    void Translate(const void* event);
    CHfcX11Frame* Find(unsigned long window) const;
    unsigned long ThemeCursor(int themeCursor);
    // Usable for requests: open and not broken.
    bool Live() const { return m_pDisplay != nullptr && !m_bDead; }
    // At a safe point of the loop: ends our modal loops, takes every frame down and closes the
    // broken connection.
    void DropDeadConnection();

    Display* m_pDisplay = nullptr;
    int m_iScreen = 0;
    unsigned long m_wmDelete = 0;
    unsigned long m_wmProtocols = 0;
    unsigned long m_wmType = 0;
    unsigned long m_wmTypeDialog = 0;
    unsigned long m_wmTypeMenu = 0;
    unsigned long m_wmState = 0;
    unsigned long m_wmStateModal = 0;
    std::map<unsigned long, CHfcX11Frame*> m_frames;
    std::map<int, unsigned long> m_cursors;
    CHfcClickCounter m_clicks;
    int m_iErrors = 0;
    int m_iLastError = 0;
    bool m_bDead = false;
    RunLoop* m_pLoop = nullptr;  // the loop that watches the connection
    int m_iButtons = 0;
    std::set<unsigned int> m_pressedKeys;  // for telling a key's repeats from its first press
};

// The UI thread's own connection for editors inside hosts: the first acquire (on a thread that owns
// a RunLoop) opens $DISPLAY, installs it as the platform together with the toolkit's message box and
// progress window; the last release takes them down and closes the connection. False (nothing
// changed) when no display can be opened.
bool HfcX11AcquirePlatform();
void HfcX11ReleasePlatform();
// The connection opened by HfcX11AcquirePlatform, or null.
CHfcX11Platform* HfcX11SharedPlatform();
