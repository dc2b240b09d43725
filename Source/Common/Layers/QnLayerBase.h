#pragma once
// A window layer that keeps its controls in a map keyed by control id and sub-id (the control's
// user value), paints an optional background image and services a redraw request at idle.
#include <cstdint>
#include <map>
#include <vector>

#include "Hfc/Core/HfcControl.h"
#include "Hfc/Core/HfcListeners.h"
#include "Hfc/Core/HfcWindowLayer.h"
#include "Linux/Sync.h"

class CHfcBmp;
class CHfcOffscreenContext;

struct ControlId {
    int id;
    int sub;
};

class QnLayerBase : public CHfcWindowLayer, public CHfcControlListener {
public:
    QnLayerBase() = default;
    ~QnLayerBase() override = default;

    // The key of a control: id in the upper 32 bits, sub-id in the lower 32 (never sign-extended).
    static uint64_t MakeControlKey(int id, int sub) {
        return (static_cast<uint64_t>(static_cast<uint32_t>(id)) << 32) | static_cast<uint32_t>(sub);
    }
    static uint64_t GetLongId(const CHfcControl* control) {
        return MakeControlKey(control->GetId(), control->GetUserValue());
    }

    using CHfcWindowLayer::Create;
    // A width or height of 0 is the background image's.
    virtual bool Create(int x, int y, int width, int height, CHfcBmp* background, CHfcWindow* window);
    // False for a control already on the layer; a control with id -1 stays out of the map.
    bool AddControl(CHfcControl* control, bool redraw) override;
    bool RemoveControl(CHfcControl* control, bool redraw) override;
    using CHfcWindowLayer::RemoveAllControls;
    void RemoveAllControls(bool destroy);
    CHfcControl* GetControlById(int id, int sub);
    int GetControlVec(std::vector<CHfcControl*>& out) const;
    virtual void Enable(bool) {}
    virtual void Disable(bool) {}

    bool OnHfcMouseLButtonDown(CHfcMouse* mouse, int x, int y, int modifiers) override;
    bool OnHfcMouseLButtonDoubleClick(CHfcMouse* mouse, int x, int y, int modifiers) override;
    bool OnDestroy() override { return true; }

    virtual void Idle(unsigned long time);
    virtual void OnIdle(unsigned long) {}
    virtual void OnRefresh();
    virtual void OnDrawBackground(CHfcOffscreenContext* context);
    virtual void OnPostDrawBackground(CHfcOffscreenContext*) {}

    void RequestRedraw() { m_bRedraw = true; }
    bool IsRedrawRequested() const { return m_bRedraw; }
    CHfcBmp* GetBackground() const { return m_pBackground; }

protected:
    // Clears the layer, draws the background (or the plain fill), then every control, and has the
    // window show it. background: draw through OnDrawBackground.
    void Refresh(bool throughHook);

    CHfcBmp* m_pBackground = nullptr;
    bool m_bRedraw = false;
    std::map<uint64_t, CHfcControl*> m_controlMap;
    CHfcCriticalSection m_mapLock;
};
