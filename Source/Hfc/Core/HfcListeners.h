#pragma once
// The toolkit's listener interfaces. Every operation has an empty default (false or nothing); "true"
// means handled. Modifier bits in every mouse, key and drag call: 1 shift, 2 command, 4 option,
// 8 control. Wheel calls carry (x, y, modifiers, axis, delta): axis 1 vertical, 0 horizontal.
struct HfcPlatformEvent;
class CHfcMouse;
class CHfcKey;
class CHfcKeyFocus;
class CHfcDrag;
class CHfcDragFlavor;
class CHfcControl;

class CHfcMouseListener {
public:
    virtual ~CHfcMouseListener() = default;
    // Local forms: coordinates of the receiver (window, layer or control).
    virtual bool OnHfcMouseLButtonDown(CHfcMouse*, int, int, int) { return false; }
    virtual bool OnHfcMouseLButtonDoubleClick(CHfcMouse*, int, int, int) { return false; }
    virtual bool OnHfcMouseLButtonUp(CHfcMouse*, int, int, int) { return false; }
    virtual bool OnHfcMouseRButtonDown(CHfcMouse*, int, int, int) { return false; }
    virtual bool OnHfcMouseRButtonDoubleClick(CHfcMouse*, int, int, int) { return false; }
    virtual bool OnHfcMouseRButtonUp(CHfcMouse*, int, int, int) { return false; }
    virtual bool OnHfcMouseMButtonDown(CHfcMouse*, int, int, int) { return false; }
    virtual bool OnHfcMouseMButtonDoubleClick(CHfcMouse*, int, int, int) { return false; }
    virtual bool OnHfcMouseMButtonUp(CHfcMouse*, int, int, int) { return false; }
    virtual bool OnHfcMouseMove(CHfcMouse*, int, int, int) { return false; }
    // Global forms: screen coordinates, and the coordinate-less forms.
    virtual bool OnHfcMouseLButtonDownGlobal(CHfcMouse*, int, int, int) { return false; }
    virtual bool OnHfcMouseLButtonDownGlobal(CHfcMouse*) { return false; }
    virtual bool OnHfcMouseLButtonDoubleClickGlobal(CHfcMouse*, int, int, int) { return false; }
    virtual bool OnHfcMouseLButtonDoubleClickGlobal(CHfcMouse*) { return false; }
    virtual bool OnHfcMouseLButtonUpGlobal(CHfcMouse*, int, int, int) { return false; }
    virtual bool OnHfcMouseLButtonUpGlobal(CHfcMouse*) { return false; }
    virtual bool OnHfcMouseRButtonDownGlobal(CHfcMouse*, int, int, int) { return false; }
    virtual bool OnHfcMouseRButtonDownGlobal(CHfcMouse*) { return false; }
    virtual bool OnHfcMouseRButtonDoubleClickGlobal(CHfcMouse*, int, int, int) { return false; }
    virtual bool OnHfcMouseRButtonDoubleClickGlobal(CHfcMouse*) { return false; }
    virtual bool OnHfcMouseRButtonUpGlobal(CHfcMouse*, int, int, int) { return false; }
    virtual bool OnHfcMouseRButtonUpGlobal(CHfcMouse*) { return false; }
    virtual bool OnHfcMouseMButtonDownGlobal(CHfcMouse*, int, int, int) { return false; }
    virtual bool OnHfcMouseMButtonDownGlobal(CHfcMouse*) { return false; }
    virtual bool OnHfcMouseMButtonDoubleClickGlobal(CHfcMouse*, int, int, int) { return false; }
    virtual bool OnHfcMouseMButtonDoubleClickGlobal(CHfcMouse*) { return false; }
    virtual bool OnHfcMouseMButtonUpGlobal(CHfcMouse*, int, int, int) { return false; }
    virtual bool OnHfcMouseMButtonUpGlobal(CHfcMouse*) { return false; }
    virtual bool OnHfcMouseMoveGlobal(CHfcMouse*, int, int, int) { return false; }
    virtual bool OnHfcMouseMoveGlobal(CHfcMouse*) { return false; }
    virtual bool OnHfcMouseWheelMoved(CHfcMouse*, int, int, int, int, int) { return false; }
    virtual bool OnHfcMouseWheelMovedGlobal(CHfcMouse*, int, int, int, int, int) { return false; }
    virtual bool OnHfcMouseWheelMoved(CHfcMouse*, int, int, int) { return false; }
    virtual bool OnHfcMouseLostCapture(CHfcMouse*) { return false; }
    // Raw platform events (plug-in mode listeners of CHfcMouse).
    virtual bool OnHfcMouseMacMouseMove(CHfcMouse*, const HfcPlatformEvent*) { return false; }
    virtual bool OnHfcMouseMacMouseWheelMove(CHfcMouse*, const HfcPlatformEvent*) { return false; }
};

class CHfcKeyListener {
public:
    virtual ~CHfcKeyListener() = default;
    virtual bool OnHfcKeyDown(CHfcKey*, int, int) { return false; }
    virtual bool OnHfcKeyUp(CHfcKey*, int, int) { return false; }
    virtual bool OnHfcKeyChar(CHfcKey*, int, int) { return false; }
    virtual bool OnHfcKeyGetFocus(CHfcKey*) { return false; }
    virtual bool OnHfcKeyLostFocus(CHfcKey*) { return false; }
};

class CHfcKeyFocusListener {
public:
    virtual ~CHfcKeyFocusListener() = default;
    virtual void OnHfcKeySetFocus(CHfcKeyFocus*) {}
    virtual void OnHfcKeyLostFocus(CHfcKeyFocus*) {}
    // (focus, character, virtual key, modifiers)
    virtual bool OnHfcKeyDown(CHfcKeyFocus*, int, int, int) { return false; }
    virtual bool OnHfcKeyRepeat(CHfcKeyFocus* focus, int ch, int vkey, int modifiers) {
        return OnHfcKeyDown(focus, ch, vkey, modifiers);
    }
    virtual bool OnHfcKeyUp(CHfcKeyFocus*, int, int, int) { return false; }
    virtual bool OnHfcKeyChar(CHfcKeyFocus*, int) { return false; }
    // (focus, global x, global y)
    virtual bool OnHfcKeyIsPointInside(CHfcKeyFocus*, int, int) { return false; }
};

class CHfcDragListener {
public:
    virtual ~CHfcDragListener() = default;
    // (drag, items, x, y, modifiers, drop result 0 none, 1 move, 2 copy, 3 alias)
    virtual bool OnHfcDragTrackingEnterWindow(CHfcDrag*, CHfcDragFlavor*, int, int, int, int*) {
        return false;
    }
    virtual bool OnHfcDragTrackingInWindow(CHfcDrag*, CHfcDragFlavor*, int, int, int, int*) { return false; }
    virtual bool OnHfcDragTrackingLeaveWindow(CHfcDrag*) { return false; }
    virtual bool OnHfcDragReceive(CHfcDrag*, CHfcDragFlavor*, int, int, int, int*) { return false; }
    virtual bool OnHfcDragTrackingEnterWindowGlobal(CHfcDrag*, CHfcDragFlavor*, int, int, int, int*) {
        return false;
    }
    virtual bool OnHfcDragTrackingInWindowGlobal(CHfcDrag*, CHfcDragFlavor*, int, int, int, int*) {
        return false;
    }
    virtual bool OnHfcDragTrackingLeaveWindowGlobal(CHfcDrag*) { return false; }
    virtual bool OnHfcDragReceiveGlobal(CHfcDrag*, CHfcDragFlavor*, int, int, int, int*) { return false; }
};

// What a control reports; the listener (as a rule the layer that owns it) decides what it means.
class CHfcControlListener {
public:
    virtual ~CHfcControlListener() = default;
    virtual void OnHfcCtrlFloatValueChanged(CHfcControl*, float) {}
    virtual void OnHfcCtrlIntValueChanged(CHfcControl*, int) {}
    virtual void OnHfcCtrlPtrValueChanged(CHfcControl*, void*) {}
    virtual bool OnHfcCtrlDefaultFloatValueRequired(CHfcControl*, float*) { return false; }
    virtual bool OnHfcCtrlDefaultIntValueRequired(CHfcControl*, int*) { return false; }
    virtual bool OnHfcCtrlDefaultPtrValueRequired(CHfcControl*, void*) { return false; }
    virtual void OnHfcCtrlBeginEdit(CHfcControl*) {}
    virtual void OnHfcCtrlEndEdit(CHfcControl*) {}
    // (control, x, y, modifiers), control-relative
    virtual bool OnHfcCtrlMouseLButtonDown(CHfcControl*, int, int, int) { return false; }
    virtual bool OnHfcCtrlMouseLButtonDoubleClick(CHfcControl*, int, int, int) { return false; }
    virtual bool OnHfcCtrlMouseLButtonUp(CHfcControl*, int, int, int) { return false; }
    virtual bool OnHfcCtrlMouseLButtonLongDown(CHfcControl*, int, int, int) { return false; }
    virtual bool OnHfcCtrlMouseMButtonDown(CHfcControl*, int, int, int) { return false; }
    virtual bool OnHfcCtrlMouseMButtonDoubleClick(CHfcControl*, int, int, int) { return false; }
    virtual bool OnHfcCtrlMouseMButtonUp(CHfcControl*, int, int, int) { return false; }
    virtual bool OnHfcCtrlMouseMButtonLongDown(CHfcControl*, int, int, int) { return false; }
    virtual bool OnHfcCtrlMouseRButtonDown(CHfcControl*, int, int, int) { return false; }
    virtual bool OnHfcCtrlMouseRButtonDoubleClick(CHfcControl*, int, int, int) { return false; }
    virtual bool OnHfcCtrlMouseRButtonUp(CHfcControl*, int, int, int) { return false; }
    virtual bool OnHfcCtrlMouseRButtonLongDown(CHfcControl*, int, int, int) { return false; }
    virtual bool OnHfcCtrlMouseMove(CHfcControl*, int, int, int) { return false; }
    virtual bool OnHfcCtrlMouseLostCapture(CHfcControl*) { return false; }
    // (control, x, y, modifiers, axis, delta)
    virtual bool OnHfcCtrlMouseWheelMoved(CHfcControl*, int, int, int, int, int) { return false; }
    virtual bool OnHfcCtrlDragTrackingEnterControl(CHfcControl*, CHfcDragFlavor*, int, int, int, int*) {
        return false;
    }
    virtual bool OnHfcCtrlDragTrackingInControl(CHfcControl*, CHfcDragFlavor*, int, int, int, int*) {
        return false;
    }
    virtual bool OnHfcCtrlDragTrackingLeaveControl(CHfcControl*) { return false; }
    virtual bool OnHfcCtrlDragReceive(CHfcControl*, CHfcDragFlavor*, int, int, int, int*) { return false; }
    virtual bool OnHfcCtrlKeyGetFocus(CHfcControl*) { return false; }
    virtual void OnHfcCtrlKeySetFocus(CHfcControl*) {}
    virtual void OnHfcCtrlKeyLostFocus(CHfcControl*) {}
    // (control, character, virtual key, modifiers)
    virtual bool OnHfcCtrlKeyDown(CHfcControl*, int, int, int) { return false; }
    virtual bool OnHfcCtrlKeyRepeat(CHfcControl*, int, int, int) { return false; }
    virtual bool OnHfcCtrlKeyUp(CHfcControl*, int, int, int) { return false; }
    virtual bool OnHfcCtrlKeyChar(CHfcControl*, int) { return false; }
    // Control-specific events (codes of the list control and others).
    virtual bool OnHfcCtrlEvent(CHfcControl*, int, int, void*) { return false; }
};
