#include "Common/Layers/QnLayerBase.h"

#include <algorithm>

#include "Hfc/Core/HfcWindow.h"
#include "Hfc/Draw/HfcBmp.h"
#include "Hfc/Draw/HfcDrawContext.h"

namespace {
struct MapLock {
    explicit MapLock(CHfcCriticalSection& l) : lock(l) { lock.Lock(); }
    ~MapLock() { lock.Unlock(); }
    MapLock(const MapLock&) = delete;
    MapLock& operator=(const MapLock&) = delete;
    CHfcCriticalSection& lock;
};
}  // namespace

bool QnLayerBase::Create(int x, int y, int width, int height, CHfcBmp* background, CHfcWindow* window) {
    m_pBackground = background;
    if (background) {
        if (width == 0) width = background->GetWidth();
        if (height == 0) height = background->GetHeight();
    }
    return CHfcWindowLayer::Create(x, y, width, height, window);
}

bool QnLayerBase::AddControl(CHfcControl* control, bool redraw) {
    if (!control) return false;
    MapLock hold(m_mapLock);
    for (int i = 0; i < GetNumControls(); ++i)
        if (GetControl(i) == control) return false;
    if (control->GetId() != -1) m_controlMap[GetLongId(control)] = control;
    return CHfcWindowLayer::AddControl(control, redraw);
}

bool QnLayerBase::RemoveControl(CHfcControl* control, bool redraw) {
    if (!control) return false;
    MapLock hold(m_mapLock);
    // Only this control's own entry goes: a later control under the same key stays reachable.
    auto it = m_controlMap.find(GetLongId(control));
    if (it != m_controlMap.end() && it->second == control) m_controlMap.erase(it);
    return CHfcWindowLayer::RemoveControl(control, redraw);
}

void QnLayerBase::RemoveAllControls(bool destroy) {
    while (GetNumControls() > 0) {
        CHfcControl* control = GetControl(0);
        const int before = GetNumControls();
        RemoveControl(control, false);
        if (GetNumControls() == before)
            CHfcWindowLayer::RemoveControl(control, false);  // never loop on a control that stays
        if (destroy) {
            control->Destroy();
            delete control;
        }
    }
    MapLock hold(m_mapLock);
    m_controlMap.clear();
}

CHfcControl* QnLayerBase::GetControlById(int id, int sub) {
    if (id == -1) return nullptr;
    MapLock hold(m_mapLock);
    auto it = m_controlMap.find(MakeControlKey(id, sub));
    return it == m_controlMap.end() ? nullptr : it->second;
}

int QnLayerBase::GetControlVec(std::vector<CHfcControl*>& out) const {
    out.clear();
    for (int i = 0; i < GetNumControls(); ++i) out.push_back(GetControl(i));
    return static_cast<int>(out.size());
}

bool QnLayerBase::OnHfcMouseLButtonDown(CHfcMouse*, int, int, int) {
    if (CHfcWindow* window = GetWindow()) window->ReleaseFocus(nullptr);
    return true;
}

bool QnLayerBase::OnHfcMouseLButtonDoubleClick(CHfcMouse* mouse, int x, int y, int modifiers) {
    return OnHfcMouseLButtonDown(mouse, x, y, modifiers);
}

void QnLayerBase::Idle(unsigned long time) {
    OnIdle(time);
    if (m_bRedraw) {
        m_bRedraw = false;
        OnRefresh();
    }
}

void QnLayerBase::OnDrawBackground(CHfcOffscreenContext* context) {
    if (m_pBackground) {
        context->CopyBmp(0, 0, GetWidth(), GetHeight(), m_pBackground, 0, 0);
    } else {
        context->SetBrushColor(0x80FFFFFF);
        context->FillRect(0, 0, GetWidth(), GetHeight());
    }
}

void QnLayerBase::OnRefresh() {
    Refresh(true);
}

void QnLayerBase::Refresh(bool throughHook) {
    CHfcOffscreenContext* context = GetContext();
    if (!IsVisible() || !context) return;
    context->ClearRect(0, 0, GetWidth(), GetHeight());
    if (throughHook)
        OnDrawBackground(context);
    else
        QnLayerBase::OnDrawBackground(context);
    OnPostDrawBackground(context);
    for (int i = 0; i < GetNumControls(); ++i) GetControl(i)->Update(true, false);
    CopyToWindow(false);
}
