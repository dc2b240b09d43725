#pragma once
// The top-level surface of the toolkit: one platform frame, an ordered list of layers (index 0 at the
// bottom, adding order is stacking order), painting at once or through dirty rectangles, and the
// routing of the frame's events: mouse to the layers from the top down, drags from the bottom up,
// raw keys to the key focus and then to the key singleton. Main thread only; the dirty-rectangle
// state is guarded by a one-holder semaphore.
//
// Composited views have no meaning here: a window is never composited, and the custom-view members of
// the original design are not built.
#include <string>
#include <vector>

#include "Hfc/Base/HfcUtil.h"
#include "Hfc/Core/HfcInput.h"
#include "Hfc/Core/HfcListeners.h"
#include "Hfc/Core/HfcPlatform.h"
#include "Linux/Sync.h"

class CHfcWindowLayer;
class CHfcMenuBar;
class CHfcAppBase;
class CHfcDrawContext;

class CHfcWindow : public CHfcMouseListener, public CHfcDragListener, public IHfcFrameClient {
public:
    CHfcWindow();
    ~CHfcWindow() override;

    using CHfcMouseListener::OnHfcMouseLButtonDoubleClickGlobal;
    using CHfcMouseListener::OnHfcMouseLButtonDownGlobal;
    using CHfcMouseListener::OnHfcMouseLButtonUpGlobal;
    using CHfcMouseListener::OnHfcMouseMButtonDoubleClickGlobal;
    using CHfcMouseListener::OnHfcMouseMButtonDownGlobal;
    using CHfcMouseListener::OnHfcMouseMButtonUpGlobal;
    using CHfcMouseListener::OnHfcMouseMoveGlobal;
    using CHfcMouseListener::OnHfcMouseRButtonDoubleClickGlobal;
    using CHfcMouseListener::OnHfcMouseRButtonDownGlobal;
    using CHfcMouseListener::OnHfcMouseRButtonUpGlobal;
    using CHfcMouseListener::OnHfcMouseWheelMoved;
    // Window-local handlers: the layers from the top down.
    bool OnHfcMouseLButtonDown(CHfcMouse* mouse, int x, int y, int modifiers) override;
    bool OnHfcMouseLButtonDoubleClick(CHfcMouse* mouse, int x, int y, int modifiers) override;
    bool OnHfcMouseLButtonUp(CHfcMouse* mouse, int x, int y, int modifiers) override;
    bool OnHfcMouseRButtonDown(CHfcMouse* mouse, int x, int y, int modifiers) override;
    bool OnHfcMouseRButtonDoubleClick(CHfcMouse* mouse, int x, int y, int modifiers) override;
    bool OnHfcMouseRButtonUp(CHfcMouse* mouse, int x, int y, int modifiers) override;
    bool OnHfcMouseMButtonDown(CHfcMouse* mouse, int x, int y, int modifiers) override;
    bool OnHfcMouseMButtonDoubleClick(CHfcMouse* mouse, int x, int y, int modifiers) override;
    bool OnHfcMouseMButtonUp(CHfcMouse* mouse, int x, int y, int modifiers) override;
    bool OnHfcMouseMove(CHfcMouse* mouse, int x, int y, int modifiers) override;
    bool OnHfcMouseWheelMoved(CHfcMouse* mouse, int x, int y, int modifiers, int axis, int delta) override;
    // Global handlers (screen point): record the event, convert, call the local handler.
    bool OnHfcMouseLButtonDownGlobal(CHfcMouse* mouse, int x, int y, int modifiers) override;
    bool OnHfcMouseLButtonDoubleClickGlobal(CHfcMouse* mouse, int x, int y, int modifiers) override;
    bool OnHfcMouseLButtonUpGlobal(CHfcMouse* mouse, int x, int y, int modifiers) override;
    bool OnHfcMouseRButtonDownGlobal(CHfcMouse* mouse, int x, int y, int modifiers) override;
    bool OnHfcMouseRButtonDoubleClickGlobal(CHfcMouse* mouse, int x, int y, int modifiers) override;
    bool OnHfcMouseRButtonUpGlobal(CHfcMouse* mouse, int x, int y, int modifiers) override;
    bool OnHfcMouseMButtonDownGlobal(CHfcMouse* mouse, int x, int y, int modifiers) override;
    bool OnHfcMouseMButtonDoubleClickGlobal(CHfcMouse* mouse, int x, int y, int modifiers) override;
    bool OnHfcMouseMButtonUpGlobal(CHfcMouse* mouse, int x, int y, int modifiers) override;
    bool OnHfcMouseMoveGlobal(CHfcMouse* mouse, int x, int y, int modifiers) override;
    bool OnHfcMouseWheelMovedGlobal(CHfcMouse* mouse, int x, int y, int modifiers, int axis,
                                    int delta) override;
    // Composited mode only: false here.
    bool OnHfcMouseLButtonDownGlobal(CHfcMouse*) override { return false; }
    bool OnHfcMouseRButtonDownGlobal(CHfcMouse*) override { return false; }

    // A top-level frame at (x, y) of width x height client pixels; attributes: bit 4 resizable.
    // parent is not used. False when the window exists, the platform cannot make it, or OnCreate says
    // no.
    virtual bool Create(const char* title, int x, int y, int width, int height, unsigned attributes,
                        CHfcMenuBar* menuBar, CHfcWindow* parent, CHfcAppBase* app);
    // A frame of another kind (child of a foreign window id, dialog, popup).
    bool CreateFrame(const HfcFrameParams& params);
    // Takes the frame down; the dispose handler runs OnDestroy, then OnPostDestroy (deletes a window
    // that owns its frame).
    virtual bool Destroy();
    virtual bool Show();
    virtual bool Hide();
    virtual bool Activate();
    virtual bool IsWindowActive() { return false; }
    virtual bool IsMouseOnWindow() { return false; }
    virtual bool Collapse();
    virtual bool Expand();

    virtual void Update(const tagHfcRect* rect);
    virtual void AddUpdateRect(const tagHfcRect* rect);
    virtual void FlushUpdateRect();

    virtual void GetWindowRect(tagHfcRect* rect);
    virtual void GetClientRect(tagHfcRect* rect);
    virtual bool Resize(int width, int height, bool redraw);

    virtual bool OnCreate() { return true; }
    virtual void OnDestroy();
    virtual void OnPostDestroy();
    // Copies the visible layers bottom-up into rect.
    virtual void OnUpdate(CHfcDrawContext* context, tagHfcRect* rect);
    virtual void OnUpdateWithoutFlushBuffer(CHfcDrawContext*, tagHfcRect*) {}
    // Flushes the context and presents rect.
    virtual void OnPostUpdate(CHfcDrawContext* context, tagHfcRect* rect);
    virtual void OnActivated() {}
    virtual void OnDeactivated() {}
    virtual void OnSizeChanging(int*, int*) {}
    virtual void OnSizeChanged(int, int) {}
    virtual void OnMoving(int*, int*) {}
    virtual void OnMoved(int, int) {}
    virtual bool OnCollapse() { return true; }
    virtual bool OnExpand() { return true; }
    virtual bool OnClose() { return true; }
    virtual bool OnGetMinSize(int*, int*) { return false; }
    virtual bool OnGetMaxSize(int*, int*) { return false; }
    virtual bool OnTimer() { return true; }

    // Drags: the visible layers from the bottom up, then the window's own handlers.
    bool OnHfcDragTrackingEnterWindowGlobal(CHfcDrag* drag, CHfcDragFlavor* flavor, int x, int y,
                                            int modifiers, int* result) override;
    bool OnHfcDragTrackingInWindowGlobal(CHfcDrag* drag, CHfcDragFlavor* flavor, int x, int y, int modifiers,
                                         int* result) override;
    bool OnHfcDragTrackingLeaveWindowGlobal(CHfcDrag* drag) override;
    bool OnHfcDragReceiveGlobal(CHfcDrag* drag, CHfcDragFlavor* flavor, int x, int y, int modifiers,
                                int* result) override;

    virtual CHfcWindow* FindChildWindow(const char* title);
    virtual bool OnEnumChildWindow(CHfcWindow*) { return true; }
    virtual bool EnumChildWindows() { return false; }
    virtual unsigned MacAttrToWindowAttributes(unsigned flags);

    // Handlers of the platform events that exist here; each returns kHfcNoErr or kHfcEventNotHandledErr.
    virtual int OnMacDrawContent(const HfcPlatformEvent& event);
    virtual int OnMacActivated(const HfcPlatformEvent& event);
    virtual int OnMacDeactivated(const HfcPlatformEvent& event);
    virtual int OnMacBoundsChanged(const HfcPlatformEvent& event);
    virtual int OnMacClose(const HfcPlatformEvent& event);
    virtual int OnMacDispose(const HfcPlatformEvent& event);
    virtual int OnMacShown(const HfcPlatformEvent& event);
    virtual int OnMacHidden(const HfcPlatformEvent& event);
    virtual int OnMacMouseDown(const HfcPlatformEvent& event);
    virtual int OnMacMouseUp(const HfcPlatformEvent& event);
    virtual int OnMacMouseMoved(const HfcPlatformEvent& event);
    virtual int OnMacMouseDragged(const HfcPlatformEvent& event);
    virtual int OnMacMouseWheelMoved(const HfcPlatformEvent& event);
    virtual int OnMacRawKeyDown(const HfcPlatformEvent& event);
    virtual int OnMacRawKeyRepeat(const HfcPlatformEvent& event);
    virtual int OnMacRawKeyUp(const HfcPlatformEvent& event);

    // IHfcFrameClient: the one event handler.
    void OnPlatformEvent(const HfcPlatformEvent& event) override;

    bool SetTitle(const char* title);
    bool GetTitle(char* buffer);
    bool AddLayer(CHfcWindowLayer* layer, bool redraw);
    bool RemoveLayer(CHfcWindowLayer* layer, bool redraw);
    void RemoveAllLayers(bool redraw);
    CHfcWindowLayer* GetLayerByIndex(int index) const;
    int GetNumLayers() const { return static_cast<int>(m_layers.size()); }
    void DrawLayers(const tagHfcRect* rect, bool now);
    void DrawLayers(bool now);
    void SetUpdateMethod(int method);
    int GetUpdateMethod() const { return m_iUpdateMethod; }
    bool GlobalToLocal(tagHfcPoint* point);
    bool LocalToGlobal(tagHfcPoint* point);
    bool SetFocus(CHfcKeyFocusListener* listener);
    bool ReleaseFocus(CHfcKeyFocusListener* listener);
    bool IsFocused(CHfcKeyFocusListener* listener);
    void SetMouseEventParams(CHfcMouse* mouse, int x, int y, int modifiers);
    // Drag support is installed only while the drag singleton exists.
    bool MacInstallDragEventHandler();
    void MacUninstallDragEventHandler();
    bool HasDragHandlers() const { return m_bDragHandlers; }
    // Delivers an incoming drag (kind 2 enter, 3 in window, 4 leave, 5 drop) with its files, as the
    // platform's drag handlers do; returns the drop result. For backends and tests.
    int DeliverDrag(int kind, int rootX, int rootY, uint32_t modifiers, const std::vector<FSRef>& files);

    IHfcFrame* GetFrame() const { return m_pFrame; }
    CHfcKeyFocus* GetKeyFocus() const { return m_pKeyFocus; }
    CHfcMenuBar* GetMenuBar() const { return m_pMenuBar; }
    int GetDragResult() const { return m_iDragResult; }

protected:
    // Makes the frame without asking OnCreate (for callers that handle OnCreate's answer themselves).
    bool CreatePlatformFrame(const HfcFrameParams& params);
    // Lets go of the frame without its dispose path: no Destroyed event, no OnDestroy; the frame is
    // taken down at once.
    void DropFrame();
    // A window whose frame belongs to someone else (the editor bridge) is not deleted on dispose.
    bool m_bDeleteOnDispose = true;
    CHfcAppBase* m_pApp = nullptr;
    IHfcFrame* m_pFrame = nullptr;
    CHfcMenuBar* m_pMenuBar = nullptr;

private:
    using LayerPreFn = bool (CHfcWindowLayer::*)(CHfcMouse*, int, int, int);
    bool RouteToLayers(LayerPreFn fn, CHfcMouse* mouse, int x, int y, int modifiers);
    CHfcMouseListener* MouseTarget();
    void PaintRect(CHfcDrawContext* context, const tagHfcRect& rect);
    int RawKey(const HfcPlatformEvent& event);

    std::vector<CHfcWindowLayer*> m_layers;
    tagHfcRect m_rcPending{};
    std::vector<tagHfcRect> m_rects;
    int m_iUpdateMethod = 0;
    CHfcSemaphore m_dirtyLock{0, 0};
    CHfcKeyFocus* m_pKeyFocus = nullptr;
    bool m_bClickArmed = false;
    int m_iDragResult = 0;
    bool m_bDragHandlers = false;
    // The pointer's screen origin of the client area, remembered from each pointer event.
    int m_iRootX = 0;
    int m_iRootY = 0;
};

// The application object some callers hand to Create; the window only stores it.
class CHfcAppBase {
public:
    virtual ~CHfcAppBase() = default;
};
