#pragma once
// The base of every control: a rectangle inside one layer that draws itself into the layer's
// surface, receives mouse, key, key-focus and drag events, keeps generic float, int and pointer values
// and reports what the user does to one listener. Controls report the values the user asks for; the
// listener writes the accepted value back. The control owns neither its listener nor its parent, and
// the layer does not own its controls. Main thread only.
#include <cstdint>

#include "Hfc/Base/HfcUtil.h"
#include "Hfc/Core/HfcListeners.h"

class CHfcDrawContext;
class CHfcBmp;
class CHfcWindowLayer;

class CHfcControl : public CHfcMouseListener,
                    public CHfcKeyListener,
                    public CHfcKeyFocusListener,
                    public CHfcDragListener {
public:
    CHfcControl();
    // Destroys a control still created. A derived control that has clean-up of its own calls its own
    // Destroy from its destructor (the base destructor reaches only the base version).
    ~CHfcControl() override;

    using CHfcMouseListener::OnHfcMouseLButtonDoubleClickGlobal;
    using CHfcMouseListener::OnHfcMouseLButtonDownGlobal;
    using CHfcMouseListener::OnHfcMouseLButtonUpGlobal;
    using CHfcMouseListener::OnHfcMouseMoveGlobal;
    // Global mouse forms: into layer, then control coordinates; the button ones refuse while disabled.
    bool OnHfcMouseLButtonDownGlobal(CHfcMouse* mouse, int x, int y, int modifiers) override;
    bool OnHfcMouseLButtonDoubleClickGlobal(CHfcMouse* mouse, int x, int y, int modifiers) override;
    bool OnHfcMouseLButtonUpGlobal(CHfcMouse* mouse, int x, int y, int modifiers) override;
    bool OnHfcMouseMoveGlobal(CHfcMouse* mouse, int x, int y, int modifiers) override;

    virtual void Initialize() {}
    virtual bool Destroy();
    virtual bool Move(int x, int y, bool redraw);
    virtual bool Resize(int width, int height, bool redraw);
    // Base: clears the rectangle when visible.
    virtual void Draw(CHfcDrawContext* context);
    // Corner brackets (margin 0) or a glow of margin frames in the focus colour.
    virtual void DrawFocus(CHfcDrawContext* context);
    virtual void Erase(CHfcDrawContext*) {}
    // Draws a dirty (or forced) visible control, or erases a hidden one once, then copies its area to
    // the window (now: at once; else at the next flush).
    virtual bool Update(bool redraw, bool now);
    virtual void Idle(int time);
    virtual void OnIdle(int time);
    virtual void SetBackBmp(CHfcBmp*, bool) {}
    virtual void Show(bool redraw);
    virtual void Hide(bool redraw);

    using CHfcKeyListener::OnHfcKeyChar;
    using CHfcKeyListener::OnHfcKeyDown;
    using CHfcKeyListener::OnHfcKeyLostFocus;
    using CHfcKeyListener::OnHfcKeyUp;
    // Key focus: the listener first, then the control's own OnKey* hooks.
    void OnHfcKeySetFocus(CHfcKeyFocus* focus) override;
    void OnHfcKeyLostFocus(CHfcKeyFocus* focus) override;
    bool OnHfcKeyDown(CHfcKeyFocus* focus, int ch, int vkey, int modifiers) override;
    bool OnHfcKeyRepeat(CHfcKeyFocus* focus, int ch, int vkey, int modifiers) override;
    bool OnHfcKeyUp(CHfcKeyFocus* focus, int ch, int vkey, int modifiers) override;
    bool OnHfcKeyChar(CHfcKeyFocus* focus, int ch) override;
    bool OnHfcKeyIsPointInside(CHfcKeyFocus* focus, int x, int y) override;

    virtual float GetFloatValue() { return m_fValue; }
    virtual void SetFloatValue(float value, bool) { m_fValue = value; }
    virtual float GetMinFloatValue() { return m_fMin; }
    virtual void SetMinFloatValue(float value) { m_fMin = value; }
    virtual float GetMaxFloatValue() { return m_fMax; }
    virtual void SetMaxFloatValue(float value) { m_fMax = value; }
    virtual int GetIntValue() { return m_iValue; }
    virtual void SetIntValue(int value, bool) { m_iValue = value; }
    virtual int GetMinIntValue() { return m_iMin; }
    virtual void SetMinIntValue(int value, bool) { m_iMin = value; }
    virtual int GetMaxIntValue() { return m_iMax; }
    virtual void SetMaxIntValue(int value, bool) { m_iMax = value; }
    virtual void* GetPtrValue() { return nullptr; }
    virtual void SetPtrValue(void*, bool) {}
    virtual int GetParameter(int, void**) { return 0; }
    virtual void SetParameter(int, int, void*, bool) {}
    virtual void OnRemoveFromParent(CHfcWindowLayer*) { m_pParent = nullptr; }

    virtual void OnShown() {}
    virtual void OnHidden() {}
    virtual void OnEnabled() {}
    virtual void OnDisabled() {}
    virtual void OnFocused() {}
    virtual void OnLostFocus() {}
    virtual void OnKeySetFocus() {}
    virtual void OnKeyLostFocus() {}
    virtual bool OnKeyDown(int, int, int) { return false; }
    virtual bool OnKeyRepeat(int, int, int) { return false; }
    virtual bool OnKeyUp(int, int, int) { return false; }
    virtual bool OnKeyChar(int) { return false; }

    // Rectangle and focus rectangle (x, y, x + width, y + height), the id, hidden, dirty, created.
    bool Create(int x, int y, int width, int height, int id);
    void Enable(bool redraw);
    void Disable(bool redraw);
    bool IsFocused();
    // index -1 releases the focus; else asks the layer for it and stores the index.
    bool SetFocus(int index);
    bool ReleaseFocus();
    bool ReleaseFocus(CHfcKeyFocusListener* listener);
    // A negative margin counts as 0.
    void SetFocusMergin(int margin);
    bool LocalToGlobal(tagHfcPoint* point);
    void SetMouseCursorForMouseDown();
    // Drag scaling: 1/32 after a pause of more than 1600 ms, 50/gap after more than 100 ms, else 1.
    float GetMouseDeltaRatio();
    // delta x 0.1 with shift, else delta x the ratio (which is computed either way).
    float GetMouseDelta(int delta, int modifiers);
    void UpdateLastTime();

    // State the layer and the derived controls read.
    const tagHfcRect& GetRect() const { return m_rect; }
    const tagHfcRect& GetFocusRect() const { return m_rcFocus; }
    int GetId() const { return m_iId; }
    int GetUserValue() const { return m_iUserValue; }
    void SetUserValue(int value) { m_iUserValue = value; }
    CHfcControlListener* GetListener() const { return m_pListener; }
    void SetListener(CHfcControlListener* listener) { m_pListener = listener; }
    CHfcWindowLayer* GetParent() const { return m_pParent; }
    void SetParent(CHfcWindowLayer* layer) { m_pParent = layer; }
    bool IsCreated() const { return m_bCreated; }
    bool IsVisible() const { return m_bVisible; }
    bool IsEnabled() const { return m_bEnabled; }
    bool IsDirty() const { return m_bDirty; }
    void SetDirty() { m_bDirty = true; }
    bool GetFocusOnClick() const { return m_bFocusOnClick; }
    void SetFocusOnClick(bool on) { m_bFocusOnClick = on; }
    int GetFocusIndex() const { return m_iFocusIndex; }
    void SetFocusColor(uint32_t argb) { m_uFocusColor = argb; }
    void SetMouseDownCursor(int cursor) { m_iMouseDownCursor = cursor; }
    // Set by the layer while a drag is inside the control.
    bool m_bDragInside = false;

    // The global knob mode the editor sets (initially 2).
    static int sm_iGlobalKnobMode;

protected:
    tagHfcRect m_rect{};
    tagHfcRect m_rcFocus{};
    int m_iId = 0;
    int m_iUserValue = 0;
    CHfcControlListener* m_pListener = nullptr;
    CHfcWindowLayer* m_pParent = nullptr;
    float m_fValue = 0.0f;
    float m_fMin = 0.0f;
    float m_fMax = 1.0f;
    int m_iValue = 0;
    int m_iMin = 0;
    int m_iMax = 1;
    bool m_bCreated = false;
    bool m_bVisible = false;
    bool m_bEnabled = false;
    bool m_bFocusOnClick = false;
    bool m_bDirty = true;
    bool m_bErasePending = false;
    int m_iMouseDownCursor = -1;
    uint32_t m_uFocusColor = 0xffbdff00;
    int m_iFocusIndex = -1;
    float m_fDisabledAlpha = 0.5f;
    uint32_t m_uLastDragTime = 0;
    int m_iFocusMargin = 0;

private:
    bool ToControlPoint(int* x, int* y);
};
