#pragma once
// A rectangular page of a window: an off-screen surface of its own size into which its controls draw,
// and the list of those controls (not owned). The window composites the visible layers' surfaces; the
// layer routes the mouse and drag events the window hands it to its controls and its own hooks.
// A destroyed layer stays in its window's list until the caller removes it: remove a layer from its
// window before deleting it. Main thread only.
#include <vector>

#include "Hfc/Base/HfcUtil.h"
#include "Hfc/Core/HfcListeners.h"

class CHfcWindow;
class CHfcOffscreenContext;

class CHfcWindowLayer : public CHfcMouseListener,
                        public CHfcKeyListener,
                        public CHfcDragListener,
                        public CHfcKeyFocusListener {
public:
    CHfcWindowLayer();
    ~CHfcWindowLayer() override;

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
    // The global forms (the layer holds the capture): into layer coordinates, then the pre-hook.
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

    // Surface, rectangle, window; added on top of the window's layers without redraw; stays invisible
    // until Show. False (nothing changed) on a layer already created.
    virtual bool Create(int x, int y, int width, int height, CHfcWindow* window);
    virtual bool Destroy();
    virtual bool Resize(int width, int height, bool redraw);
    // Always false (the layer moves all the same when created).
    virtual bool Move(int x, int y, bool redraw);
    virtual bool Show(bool redraw);
    virtual bool Hide(bool redraw);
    // No duplicate check; the control becomes dirty, and with redraw draws at once.
    virtual bool AddControl(CHfcControl* control, bool redraw);
    virtual bool RemoveControl(CHfcControl* control, bool redraw);
    virtual void RemoveAllControls();
    // Paints the window at once over rect (layer coordinates) or the whole layer.
    virtual void Update(const tagHfcRect* rect);
    virtual void Update();

    virtual bool OnCreate() { return true; }
    virtual bool OnDestroy() { return true; }
    // The window releases its key focus and the layer is detached.
    virtual void OnRemoveFromParent(CHfcWindow* window);
    virtual void OnSizeChanging(int*, int*) {}
    virtual void OnSizeChanged(int, int) {}
    virtual void OnMoving(int*, int*) {}
    virtual void OnMoved(int, int) {}

    // Offered by the window (layer coordinates): the controls in adding order, then the layer's own
    // handler. True consumes the event.
    virtual bool PreMouseLButtonDown(CHfcMouse* mouse, int x, int y, int modifiers);
    virtual bool PreMouseLButtonDoubleClick(CHfcMouse* mouse, int x, int y, int modifiers);
    virtual bool PreMouseLButtonUp(CHfcMouse* mouse, int x, int y, int modifiers);
    virtual bool PreMouseRButtonDown(CHfcMouse* mouse, int x, int y, int modifiers);
    virtual bool PreMouseRButtonDoubleClick(CHfcMouse* mouse, int x, int y, int modifiers);
    virtual bool PreMouseRButtonUp(CHfcMouse* mouse, int x, int y, int modifiers);
    virtual bool PreMouseMButtonDown(CHfcMouse* mouse, int x, int y, int modifiers);
    virtual bool PreMouseMButtonDoubleClick(CHfcMouse* mouse, int x, int y, int modifiers);
    virtual bool PreMouseMButtonUp(CHfcMouse* mouse, int x, int y, int modifiers);
    virtual bool PreMouseMove(CHfcMouse* mouse, int x, int y, int modifiers);
    virtual bool PreMouseWheelMoved(CHfcMouse* mouse, int x, int y, int axis, int delta, int modifiers);

    // Drag routing to the controls (per-control drag-inside flags), then the layer's own handlers.
    bool OnHfcDragTrackingEnterWindowGlobal(CHfcDrag* drag, CHfcDragFlavor* flavor, int x, int y,
                                            int modifiers, int* result) override;
    bool OnHfcDragTrackingInWindowGlobal(CHfcDrag* drag, CHfcDragFlavor* flavor, int x, int y, int modifiers,
                                         int* result) override;
    bool OnHfcDragTrackingLeaveWindowGlobal(CHfcDrag* drag) override;
    bool OnHfcDragReceiveGlobal(CHfcDrag* drag, CHfcDragFlavor* flavor, int x, int y, int modifiers,
                                int* result) override;

    int GetWidth() const;
    int GetHeight() const;
    // Has the window redraw the layer (or rect / the block given in layer coordinates): at once when
    // now, else at its next flush. False when not created or not attached.
    bool CopyToWindow(bool now);
    bool CopyToWindow(const tagHfcRect* rect, bool now);
    bool CopyToWindow(int x, int y, int width, int height, bool now);
    bool GlobalToLocal(tagHfcPoint* point);
    bool LocalToGlobal(tagHfcPoint* point);
    bool SetFocus(CHfcKeyFocusListener* listener);
    bool ReleaseFocus(CHfcKeyFocusListener* listener);
    bool IsFocused(CHfcKeyFocusListener* listener);

    CHfcOffscreenContext* GetContext() const { return m_pContext; }
    const tagHfcRect& GetRect() const { return m_rect; }
    CHfcWindow* GetWindow() const { return m_pWindow; }
    void SetWindow(CHfcWindow* window) { m_pWindow = window; }
    bool IsCreated() const { return m_bCreated; }
    bool IsVisible() const { return m_bVisible; }
    int GetNumControls() const { return static_cast<int>(m_controls.size()); }
    CHfcControl* GetControl(int index) const;

private:
    using ControlMouseFn = bool (CHfcMouseListener::*)(CHfcMouse*, int, int, int);
    bool PreMouse(ControlMouseFn controlFn, ControlMouseFn ownFn, CHfcMouse* mouse, int x, int y,
                  int modifiers);
    bool ToLayerPoint(int* x, int* y);
    bool HoldsCapture() const;
    // Where a walk goes on after a handler ran for control c at index i (the list may have changed).
    size_t NextIndex(size_t i, CHfcControl* c) const;

    bool m_bCreated = false;
    tagHfcRect m_rect{};
    CHfcWindow* m_pWindow = nullptr;
    CHfcOffscreenContext* m_pContext = nullptr;
    bool m_bVisible = false;
    std::vector<CHfcControl*> m_controls;
};
