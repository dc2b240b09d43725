#pragma once
// The headless backend of the toolkit: frames in memory on a virtual screen, input injected by tests
// (pointer, buttons, wheel, keys, drags) with event times from the toolkit clock, and PNG snapshots
// of what a person would see. Frames keep a log of the rectangles they were asked to present.
//
// Input runs synchronously on the calling thread. To drive a nested loop (a popup menu being tracked),
// queue the input with Later(), which posts it to the thread's RunLoop.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "Hfc/Base/HfcFsRef.h"
#include "Hfc/Core/HfcInput.h"
#include "Hfc/Core/HfcPlatform.h"
#include "Hfc/Draw/HfcBmp.h"

class CHfcHeadlessScreen;

class CHfcHeadlessFrame : public IHfcFrame {
public:
    CHfcHeadlessFrame(CHfcHeadlessScreen* screen, const HfcFrameParams& params, IHfcFrameClient* client,
                      uintptr_t id);
    ~CHfcHeadlessFrame() override;

    HfcFrameKind GetKind() const override { return m_kind; }
    uintptr_t GetId() const override { return m_id; }
    void Show() override;
    void Hide() override;
    bool IsVisible() const override { return m_bVisible; }
    void SetTitle(const char* title) override { m_title = title != nullptr ? title : ""; }
    std::string GetTitle() const override { return m_title; }
    void GetRootOrigin(int* x, int* y) const override;
    void Move(int x, int y) override;
    void Resize(int width, int height) override;
    int GetWidth() const override { return m_back.GetWidth(); }
    int GetHeight() const override { return m_back.GetHeight(); }
    CHfcBmp* GetBackBuffer() override { return &m_back; }
    void Present(const tagHfcRect* rects, int count) override;
    void SetCursor(int themeCursor) override { m_iCursor = themeCursor; }
    bool GrabInput() override;
    void UngrabInput() override;
    void SetInputFocus() override;
    bool HasInputFocus() const override;

    // Test views.
    const std::vector<tagHfcRect>& Presented() const { return m_presented; }
    void ClearPresented() { m_presented.clear(); }
    int PresentCalls() const { return m_iPresentCalls; }
    IHfcFrameClient* GetClient() const { return m_pClient; }
    uintptr_t GetParentId() const { return m_parentId; }
    int GetCursor() const { return m_iCursor; }

private:
    friend class CHfcHeadlessScreen;
    CHfcHeadlessScreen* m_pScreen;
    HfcFrameKind m_kind;
    uintptr_t m_id;
    uintptr_t m_parentId;
    IHfcFrameClient* m_pClient;
    int m_iX;
    int m_iY;
    bool m_bVisible = false;
    std::string m_title;
    CHfcBmp m_back;
    std::vector<tagHfcRect> m_presented;
    int m_iPresentCalls = 0;
    int m_iCursor = 0;
    uint64_t m_order;
};

class CHfcHeadlessScreen : public IHfcPlatform {
public:
    CHfcHeadlessScreen(int width = 1920, int height = 1200);
    // Destroys any frame left and uninstalls itself.
    ~CHfcHeadlessScreen() override;

    // Makes this screen the toolkit's platform.
    void Install();

    // IHfcPlatform
    IHfcFrame* CreateFrame(const HfcFrameParams& params, IHfcFrameClient* client) override;
    void DestroyFrame(IHfcFrame* frame) override;
    void DetachClient(IHfcFrame* frame) override;
    void GetScreenSize(int* width, int* height) const override;
    void GetPointer(int* rootX, int* rootY, int* buttons) const override;
    void SetCursor(int themeCursor) override { m_iCursor = themeCursor; }

    // A window of another program (the host), to make children inside; returns its id.
    uintptr_t CreateForeignWindow(int x, int y, int width, int height);

    // Input, as a person would give it.
    void MoveTo(int rootX, int rootY);
    void ButtonDown(int button = 1);
    void ButtonUp(int button = 1);
    void Click(int button = 1);
    void DoubleClick(int button = 1);
    void Wheel(int delta, int axis = 1);
    // A key with its character and virtual key (see HfcKeysymToKey); Key() is down then up.
    void KeyDown(int character, int virtualKey, bool repeat = false);
    void KeyUp(int character, int virtualKey);
    void Key(int character, int virtualKey);
    // Keysyms of printable ASCII, down and up each.
    void Type(const char* text);
    // Carbon modifier word held for the following input (kHfcMac* bits).
    void SetModifiers(uint32_t modifiers) { m_uModifiers = modifiers; }
    // The focused frame loses the input focus (another program took it).
    void Deactivate();
    // A drag from another program over the window under the point: kind 2 enter, 3 in window,
    // 4 leave, 5 drop. Returns the window's drop result.
    int InjectDrag(int kind, int rootX, int rootY, const std::vector<FSRef>& files);
    // Asks every visible frame to draw itself again.
    void ExposeAll();
    // When set, GrabInput is refused (another program holds a grab).
    void SetRefuseGrab(bool refuse) { m_bRefuseGrab = refuse; }

    // Posts fn to the thread's RunLoop (input for a nested loop).
    void Later(std::function<void()> fn);

    // Every visible frame composited in stacking order (opaque) over the desktop colour.
    std::unique_ptr<CHfcBmp> Snapshot() const;
    bool WritePng(const std::string& path) const;

    std::vector<CHfcHeadlessFrame*> Frames() const;
    CHfcHeadlessFrame* FrameAt(int rootX, int rootY) const;
    CHfcHeadlessFrame* FindFrame(uintptr_t id) const;
    CHfcHeadlessFrame* GetFocusFrame() const { return m_pFocus; }
    CHfcHeadlessFrame* GetGrabFrame() const { return m_pGrab; }
    int GetCursor() const { return m_iCursor; }
    int PointerX() const { return m_iPointerX; }
    int PointerY() const { return m_iPointerY; }

    static constexpr uint32_t kDesktop = 0xFF2E3440;

private:
    friend class CHfcHeadlessFrame;
    void Send(CHfcHeadlessFrame* frame, HfcPlatformEvent event);
    HfcPlatformEvent PointerEvent(HfcEventKind kind, CHfcHeadlessFrame* frame) const;
    CHfcHeadlessFrame* PointerTarget() const;
    void Focus(CHfcHeadlessFrame* frame);
    std::vector<CHfcHeadlessFrame*> Stacked() const;
    bool IsShowing(const CHfcHeadlessFrame* frame) const;

    int m_iWidth;
    int m_iHeight;
    std::vector<std::unique_ptr<CHfcHeadlessFrame>> m_frames;
    uintptr_t m_nextId = 0x1000;
    uint64_t m_nextOrder = 1;
    CHfcHeadlessFrame* m_pFocus = nullptr;
    CHfcHeadlessFrame* m_pGrab = nullptr;
    CHfcHeadlessFrame* m_pPressed = nullptr;  // implicit grab of a held button
    int m_iPointerX = 0;
    int m_iPointerY = 0;
    int m_iButtons = 0;
    uint32_t m_uModifiers = 0;
    int m_iCursor = 0;
    bool m_bRefuseGrab = false;
    CHfcClickCounter m_clicks;
};
