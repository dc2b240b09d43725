#include "Hfc/Core/HfcWindowLayer.h"

#include <algorithm>

#include "Hfc/Core/HfcControl.h"
#include "Hfc/Core/HfcInput.h"
#include "Hfc/Core/HfcWindow.h"
#include "Hfc/Draw/HfcDrawContext.h"

namespace {
bool Contains(const tagHfcRect& r, int x, int y) {
    return r.left <= x && x < r.right && r.top <= y && y < r.bottom;
}
}  // namespace

CHfcWindowLayer::CHfcWindowLayer() = default;

CHfcWindowLayer::~CHfcWindowLayer() {
    if (m_bCreated) CHfcWindowLayer::Destroy();
    delete m_pContext;
}

CHfcControl* CHfcWindowLayer::GetControl(int index) const {
    return index >= 0 && index < static_cast<int>(m_controls.size()) ? m_controls[index] : nullptr;
}

size_t CHfcWindowLayer::NextIndex(size_t i, CHfcControl* c) const {
    if (i < m_controls.size() && m_controls[i] == c) return i + 1;
    auto it = std::find(m_controls.begin(), m_controls.end(), c);
    // Gone: the control after it now sits at i.
    return it == m_controls.end() ? i : static_cast<size_t>(it - m_controls.begin()) + 1;
}

bool CHfcWindowLayer::HoldsCapture() const {
    CHfcMouse* mouse = CHfcMouse::GetInstance();
    return mouse != nullptr && mouse->GetCapture() == static_cast<const CHfcMouseListener*>(this);
}

bool CHfcWindowLayer::PreMouse(ControlMouseFn controlFn, ControlMouseFn ownFn, CHfcMouse* mouse, int x, int y,
                               int modifiers) {
    if (!HoldsCapture()) {
        for (size_t i = 0; i < m_controls.size();) {
            CHfcControl* c = m_controls[i];
            if (c->IsVisible() && c->IsEnabled() && Contains(c->GetRect(), x, y)) {
                if ((static_cast<CHfcMouseListener*>(c)->*controlFn)(mouse, x - c->GetRect().left,
                                                                     y - c->GetRect().top, modifiers)) {
                    return true;
                }
            }
            i = NextIndex(i, c);
        }
    }
    return (this->*ownFn)(mouse, x, y, modifiers);
}

#define HFC_LAYER_PRE(Name)                                                                                \
    bool CHfcWindowLayer::PreMouse##Name(CHfcMouse* mouse, int x, int y, int modifiers) {                  \
        return PreMouse(&CHfcMouseListener::OnHfcMouse##Name, &CHfcMouseListener::OnHfcMouse##Name, mouse, \
                        x, y, modifiers);                                                                  \
    }
HFC_LAYER_PRE(LButtonDown)
HFC_LAYER_PRE(LButtonDoubleClick)
HFC_LAYER_PRE(LButtonUp)
HFC_LAYER_PRE(RButtonDown)
HFC_LAYER_PRE(RButtonDoubleClick)
HFC_LAYER_PRE(RButtonUp)
HFC_LAYER_PRE(MButtonDown)
HFC_LAYER_PRE(MButtonDoubleClick)
HFC_LAYER_PRE(MButtonUp)
HFC_LAYER_PRE(Move)
#undef HFC_LAYER_PRE

bool CHfcWindowLayer::PreMouseWheelMoved(CHfcMouse* mouse, int x, int y, int axis, int delta, int modifiers) {
    if (!HoldsCapture()) {
        for (size_t i = 0; i < m_controls.size();) {
            CHfcControl* c = m_controls[i];
            if (c->IsVisible() && c->IsEnabled() && Contains(c->GetRect(), x, y)) {
                if (static_cast<CHfcMouseListener*>(c)->OnHfcMouseWheelMoved(
                        mouse, x - c->GetRect().left, y - c->GetRect().top, modifiers, axis, delta)) {
                    return true;
                }
            }
            i = NextIndex(i, c);
        }
    }
    return OnHfcMouseWheelMoved(mouse, x, y, modifiers, axis, delta);
}

bool CHfcWindowLayer::ToLayerPoint(int* x, int* y) {
    if (!m_bCreated) return false;
    tagHfcPoint p = {*x, *y};
    if (m_pWindow != nullptr) m_pWindow->GlobalToLocal(&p);
    *x = p.x - m_rect.left;
    *y = p.y - m_rect.top;
    return true;
}

#define HFC_LAYER_GLOBAL(Name)                                                                      \
    bool CHfcWindowLayer::OnHfcMouse##Name##Global(CHfcMouse* mouse, int x, int y, int modifiers) { \
        ToLayerPoint(&x, &y);                                                                       \
        return PreMouse##Name(mouse, x, y, modifiers);                                              \
    }
HFC_LAYER_GLOBAL(LButtonDown)
HFC_LAYER_GLOBAL(LButtonDoubleClick)
HFC_LAYER_GLOBAL(LButtonUp)
HFC_LAYER_GLOBAL(RButtonDown)
HFC_LAYER_GLOBAL(RButtonDoubleClick)
HFC_LAYER_GLOBAL(RButtonUp)
HFC_LAYER_GLOBAL(MButtonDown)
HFC_LAYER_GLOBAL(MButtonDoubleClick)
HFC_LAYER_GLOBAL(MButtonUp)
HFC_LAYER_GLOBAL(Move)
#undef HFC_LAYER_GLOBAL

bool CHfcWindowLayer::OnHfcMouseWheelMovedGlobal(CHfcMouse* mouse, int x, int y, int modifiers, int axis,
                                                 int delta) {
    ToLayerPoint(&x, &y);
    return PreMouseWheelMoved(mouse, x, y, axis, delta, modifiers);
}

bool CHfcWindowLayer::Create(int x, int y, int width, int height, CHfcWindow* window) {
    // A second Create would lose the surface the first one made.
    if (m_bCreated) return false;
    delete m_pContext;
    m_pContext = new CHfcOffscreenContext(width, height);
    HfcSetRect(&m_rect, x, y, x + width, y + height);
    m_pWindow = window;
    m_bCreated = true;
    m_bVisible = false;
    if (window != nullptr) window->AddLayer(this, false);
    return OnCreate();
}

bool CHfcWindowLayer::Destroy() {
    if (!m_bCreated) return false;
    if (m_pWindow != nullptr && m_pWindow->IsFocused(this)) m_pWindow->ReleaseFocus(this);
    if (CHfcKey* key = CHfcKey::GetInstance(); key != nullptr && key->GetListener() == this)
        key->ReleaseFocus();
    if (HoldsCapture()) CHfcMouse::GetInstance()->ReleaseCapture();
    if (!OnDestroy()) return false;
    Hide(false);
    RemoveAllControls();
    delete m_pContext;
    m_pContext = nullptr;
    m_pWindow = nullptr;
    m_rect = tagHfcRect{};
    m_bCreated = false;
    return true;
}

int CHfcWindowLayer::GetWidth() const {
    return m_pContext != nullptr && m_pContext->GetBmp() != nullptr ? m_pContext->GetBmp()->GetWidth() : 0;
}

int CHfcWindowLayer::GetHeight() const {
    return m_pContext != nullptr && m_pContext->GetBmp() != nullptr ? m_pContext->GetBmp()->GetHeight() : 0;
}

bool CHfcWindowLayer::Resize(int width, int height, bool redraw) {
    if (m_pContext == nullptr) return false;
    const int oldWidth = GetWidth(), oldHeight = GetHeight();
    OnSizeChanging(&width, &height);
    if (!m_pContext->Resize(width, height)) return false;
    m_rect.right = m_rect.left + width;
    m_rect.bottom = m_rect.top + height;
    OnSizeChanged(width, height);
    if (redraw && m_pWindow != nullptr) {
        tagHfcRect r;
        HfcSetRect(&r, m_rect.left, m_rect.top, m_rect.left + std::max(oldWidth, width),
                   m_rect.top + std::max(oldHeight, height));
        m_pWindow->DrawLayers(&r, true);
    }
    return true;
}

bool CHfcWindowLayer::Move(int x, int y, bool redraw) {
    if (!m_bCreated) return false;
    const tagHfcRect old = m_rect;
    OnMoving(&x, &y);
    HfcSetRect(&m_rect, x, y, x + GetWidth(), y + GetHeight());
    OnMoved(x, y);
    if (m_pWindow != nullptr && m_bVisible) {
        tagHfcRect both;
        HfcUnionRect(&both, &old, &m_rect);
        m_pWindow->DrawLayers(&both, redraw);
    }
    return false;
}

bool CHfcWindowLayer::Show(bool redraw) {
    if (!m_bCreated) return false;
    m_bVisible = true;
    if (m_pWindow != nullptr) m_pWindow->DrawLayers(&m_rect, redraw);
    return true;
}

bool CHfcWindowLayer::Hide(bool redraw) {
    if (!m_bCreated) return false;
    m_bVisible = false;
    if (m_pWindow != nullptr) m_pWindow->DrawLayers(&m_rect, redraw);
    return true;
}

bool CHfcWindowLayer::AddControl(CHfcControl* control, bool redraw) {
    if (control == nullptr) return false;
    control->SetParent(this);
    m_controls.push_back(control);
    control->SetDirty();
    if (redraw) control->Update(true, true);
    return true;
}

bool CHfcWindowLayer::RemoveControl(CHfcControl* control, bool) {
    if (std::find(m_controls.begin(), m_controls.end(), control) == m_controls.end()) return false;
    control->ReleaseFocus();
    control->OnRemoveFromParent(this);
    control->SetParent(nullptr);
    // Found again: the focus release may have changed the list.
    auto it = std::find(m_controls.begin(), m_controls.end(), control);
    if (it != m_controls.end()) m_controls.erase(it);
    return true;
}

void CHfcWindowLayer::RemoveAllControls() {
    while (!m_controls.empty()) {
        CHfcControl* control = m_controls.back();
        control->ReleaseFocus();
        control->OnRemoveFromParent(this);
        control->SetParent(nullptr);
        auto it = std::find(m_controls.begin(), m_controls.end(), control);
        if (it != m_controls.end()) m_controls.erase(it);
    }
}

void CHfcWindowLayer::Update(const tagHfcRect* rect) {
    if (!m_bCreated || m_pWindow == nullptr || rect == nullptr) return;
    tagHfcRect r = *rect;
    r.left += m_rect.left;
    r.right += m_rect.left;
    r.top += m_rect.top;
    r.bottom += m_rect.top;
    m_pWindow->Update(&r);
}

void CHfcWindowLayer::Update() {
    if (!m_bCreated || m_pWindow == nullptr) return;
    tagHfcRect r = m_rect;
    m_pWindow->Update(&r);
}

void CHfcWindowLayer::OnRemoveFromParent(CHfcWindow* window) {
    if (window != nullptr) window->ReleaseFocus(nullptr);
    m_pWindow = nullptr;
}

bool CHfcWindowLayer::CopyToWindow(bool now) {
    if (!m_bCreated || m_pWindow == nullptr) return false;
    m_pWindow->DrawLayers(&m_rect, now);
    return true;
}

bool CHfcWindowLayer::CopyToWindow(const tagHfcRect* rect, bool now) {
    if (!m_bCreated || m_pWindow == nullptr || rect == nullptr) return false;
    tagHfcRect r;
    HfcSetRect(&r, rect->left + m_rect.left, rect->top + m_rect.top, rect->right + m_rect.left,
               rect->bottom + m_rect.top);
    m_pWindow->DrawLayers(&r, now);
    return true;
}

bool CHfcWindowLayer::CopyToWindow(int x, int y, int width, int height, bool now) {
    tagHfcRect r;
    HfcSetRect(&r, x, y, x + width, y + height);
    return CopyToWindow(&r, now);
}

bool CHfcWindowLayer::GlobalToLocal(tagHfcPoint* point) {
    if (!m_bCreated || point == nullptr) return false;
    if (m_pWindow != nullptr) m_pWindow->GlobalToLocal(point);
    point->x -= m_rect.left;
    point->y -= m_rect.top;
    return true;
}

bool CHfcWindowLayer::LocalToGlobal(tagHfcPoint* point) {
    if (!m_bCreated || point == nullptr) return false;
    point->x += m_rect.left;
    point->y += m_rect.top;
    if (m_pWindow != nullptr) m_pWindow->LocalToGlobal(point);
    return true;
}

bool CHfcWindowLayer::SetFocus(CHfcKeyFocusListener* listener) {
    return m_pWindow != nullptr && m_pWindow->SetFocus(listener);
}

bool CHfcWindowLayer::ReleaseFocus(CHfcKeyFocusListener* listener) {
    return m_pWindow != nullptr && m_pWindow->ReleaseFocus(listener);
}

bool CHfcWindowLayer::IsFocused(CHfcKeyFocusListener* listener) {
    return m_pWindow != nullptr && m_pWindow->IsFocused(listener);
}

bool CHfcWindowLayer::OnHfcDragTrackingEnterWindowGlobal(CHfcDrag* drag, CHfcDragFlavor* flavor, int x, int y,
                                                         int modifiers, int* result) {
    ToLayerPoint(&x, &y);
    for (size_t i = 0; i < m_controls.size();) {
        CHfcControl* c = m_controls[i];
        if (c->IsVisible() && Contains(c->GetRect(), x, y)) {
            c->m_bDragInside = true;
            if (c->OnHfcDragTrackingEnterWindow(drag, flavor, x - c->GetRect().left, y - c->GetRect().top,
                                                modifiers, result)) {
                return true;
            }
        }
        i = NextIndex(i, c);
    }
    return OnHfcDragTrackingEnterWindow(drag, flavor, x, y, modifiers, result);
}

bool CHfcWindowLayer::OnHfcDragTrackingInWindowGlobal(CHfcDrag* drag, CHfcDragFlavor* flavor, int x, int y,
                                                      int modifiers, int* result) {
    ToLayerPoint(&x, &y);
    bool taken = false;
    for (size_t i = 0; i < m_controls.size();) {
        CHfcControl* c = m_controls[i];
        if (c->IsVisible()) {
            if (!Contains(c->GetRect(), x, y)) {
                if (c->m_bDragInside) {
                    c->m_bDragInside = false;
                    c->OnHfcDragTrackingLeaveWindow(drag);
                }
            } else if (!taken) {
                const int cx = x - c->GetRect().left, cy = y - c->GetRect().top;
                if (c->m_bDragInside) {
                    taken = c->OnHfcDragTrackingInWindow(drag, flavor, cx, cy, modifiers, result);
                } else {
                    c->m_bDragInside = true;
                    taken = c->OnHfcDragTrackingEnterWindow(drag, flavor, cx, cy, modifiers, result);
                }
            }
        }
        i = NextIndex(i, c);
    }
    return taken ? true : OnHfcDragTrackingInWindow(drag, flavor, x, y, modifiers, result);
}

bool CHfcWindowLayer::OnHfcDragTrackingLeaveWindowGlobal(CHfcDrag* drag) {
    for (size_t i = 0; i < m_controls.size();) {
        CHfcControl* c = m_controls[i];
        if (c->IsVisible() && c->m_bDragInside) c->OnHfcDragTrackingLeaveWindow(drag);
        i = NextIndex(i, c);
    }
    for (CHfcControl* c : m_controls) c->m_bDragInside = false;
    return OnHfcDragTrackingLeaveWindow(drag);
}

bool CHfcWindowLayer::OnHfcDragReceiveGlobal(CHfcDrag* drag, CHfcDragFlavor* flavor, int x, int y,
                                             int modifiers, int* result) {
    ToLayerPoint(&x, &y);
    bool taken = false;
    for (size_t i = 0; i < m_controls.size() && !taken;) {
        CHfcControl* c = m_controls[i];
        if (c->IsVisible() && Contains(c->GetRect(), x, y) &&
            c->OnHfcDragReceive(drag, flavor, x - c->GetRect().left, y - c->GetRect().top, modifiers,
                                result)) {
            c->m_bDragInside = false;
            taken = true;
        }
        i = NextIndex(i, c);
    }
    for (size_t i = 0; i < m_controls.size();) {
        CHfcControl* c = m_controls[i];
        if (c->m_bDragInside) {
            c->m_bDragInside = false;
            c->OnHfcDragTrackingLeaveWindow(drag);
        }
        i = NextIndex(i, c);
    }
    return taken ? true : OnHfcDragReceive(drag, flavor, x, y, modifiers, result);
}
