#include "Hfc/Core/HfcControl.h"

#include "Hfc/Core/HfcInput.h"
#include "Hfc/Core/HfcWindowLayer.h"
#include "Hfc/Draw/HfcDrawContext.h"

int CHfcControl::sm_iGlobalKnobMode = 2;

CHfcControl::CHfcControl() = default;

CHfcControl::~CHfcControl() {
    if (m_bCreated) CHfcControl::Destroy();
}

bool CHfcControl::Create(int x, int y, int width, int height, int id) {
    HfcSetRect(&m_rect, x, y, x + width, y + height);
    m_rcFocus = m_rect;
    m_iId = id;
    m_bVisible = false;
    m_bDirty = true;
    m_bCreated = true;
    SetFocusMergin(m_iFocusMargin);
    return true;
}

bool CHfcControl::ToControlPoint(int* x, int* y) {
    tagHfcPoint p = {*x, *y};
    if (m_pParent != nullptr) m_pParent->GlobalToLocal(&p);
    *x = p.x - m_rect.left;
    *y = p.y - m_rect.top;
    return true;
}

bool CHfcControl::OnHfcMouseLButtonDownGlobal(CHfcMouse* mouse, int x, int y, int modifiers) {
    if (!m_bEnabled) return false;
    ToControlPoint(&x, &y);
    return OnHfcMouseLButtonDown(mouse, x, y, modifiers);
}

bool CHfcControl::OnHfcMouseLButtonDoubleClickGlobal(CHfcMouse* mouse, int x, int y, int modifiers) {
    if (!m_bEnabled) return false;
    ToControlPoint(&x, &y);
    return OnHfcMouseLButtonDoubleClick(mouse, x, y, modifiers);
}

bool CHfcControl::OnHfcMouseLButtonUpGlobal(CHfcMouse* mouse, int x, int y, int modifiers) {
    if (!m_bEnabled) return false;
    ToControlPoint(&x, &y);
    return OnHfcMouseLButtonUp(mouse, x, y, modifiers);
}

bool CHfcControl::OnHfcMouseMoveGlobal(CHfcMouse* mouse, int x, int y, int modifiers) {
    ToControlPoint(&x, &y);
    return OnHfcMouseMove(mouse, x, y, modifiers);
}

bool CHfcControl::Destroy() {
    if (!m_bCreated) return false;
    ReleaseFocus();
    if (CHfcKey* key = CHfcKey::GetInstance(); key != nullptr && key->GetListener() == this)
        key->ReleaseFocus();
    if (CHfcMouse* mouse = CHfcMouse::GetInstance();
        mouse != nullptr && mouse->GetCapture() == static_cast<CHfcMouseListener*>(this)) {
        mouse->ReleaseCapture();
    }
    if (m_pParent != nullptr) m_pParent->RemoveControl(this, true);
    m_rect = tagHfcRect{};
    m_rcFocus = tagHfcRect{};
    m_bCreated = false;
    return true;
}

bool CHfcControl::Move(int x, int y, bool redraw) {
    if (!m_bCreated) return false;
    const int w = m_rect.right - m_rect.left, h = m_rect.bottom - m_rect.top;
    HfcSetRect(&m_rect, x, y, x + w, y + h);
    SetFocusMergin(m_iFocusMargin);
    if (m_pParent == nullptr) return false;
    if (redraw) m_bDirty = true;
    return true;
}

bool CHfcControl::Resize(int width, int height, bool redraw) {
    if (!m_bCreated) return false;
    m_rect.right = m_rect.left + width;
    m_rect.bottom = m_rect.top + height;
    SetFocusMergin(m_iFocusMargin);
    if (m_pParent == nullptr) return false;
    if (redraw) m_bDirty = true;
    return true;
}

void CHfcControl::Draw(CHfcDrawContext* context) {
    if (!m_bVisible || context == nullptr) return;
    context->ClearRect(static_cast<float>(m_rect.left), static_cast<float>(m_rect.top),
                       static_cast<float>(m_rect.right - m_rect.left),
                       static_cast<float>(m_rect.bottom - m_rect.top));
}

void CHfcControl::DrawFocus(CHfcDrawContext* context) {
    if (context == nullptr || !m_bCreated || !m_bVisible || m_uFocusColor == 0) return;
    const uint32_t pen = context->GetPenColor();
    const int l = m_rect.left, t = m_rect.top, r = m_rect.right, b = m_rect.bottom;
    if (m_iFocusMargin == 0) {
        context->SetPenColor(m_uFocusColor);
        const int lines[8][4] = {{l, t, l + 3, t},
                                 {l, t, l, t + 3},
                                 {r - 1, t, r - 4, t},
                                 {r - 1, t, r - 1, t + 3},
                                 {l, b - 1, l + 3, b - 1},
                                 {l, b - 1, l, b - 4},
                                 {r - 1, b - 1, r - 4, b - 1},
                                 {r - 1, b - 1, r - 1, b - 4}};
        for (const auto& line : lines) {
            context->MoveTo(line[0], line[1]);
            context->LineTo(line[2], line[3]);
        }
    } else {
        const float a = static_cast<float>(m_uFocusColor >> 24) / 255.0f;
        const int n = m_iFocusMargin;
        for (int k = 1; k <= n; ++k) {
            const uint32_t alpha =
                static_cast<uint32_t>(static_cast<float>(k) * a * (1.0f / static_cast<float>(n)) * 255.0f);
            context->SetPenColor((m_uFocusColor & 0x00FFFFFF) | alpha << 24);
            context->FrameRect(l - k, t - k, r - l + 2 * k, b - t + 2 * k);
        }
    }
    context->SetPenColor(pen);
}

bool CHfcControl::Update(bool redraw, bool now) {
    if (m_bVisible) {
        if (!redraw && !m_bDirty) return false;
        if (m_pParent == nullptr || m_pParent->GetContext() == nullptr) return false;
        m_bDirty = false;
        Draw(m_pParent->GetContext());
    } else {
        if (!m_bErasePending) return false;
        if (m_pParent == nullptr || m_pParent->GetContext() == nullptr) return false;
        m_bErasePending = false;
        Erase(m_pParent->GetContext());
    }
    // Drawing may have detached the control (a listener rebuilding its page).
    if (m_pParent == nullptr) return false;
    return m_pParent->CopyToWindow(m_iFocusMargin != 0 ? &m_rcFocus : &m_rect, now);
}

void CHfcControl::Idle(int time) {
    OnIdle(time);
}

void CHfcControl::OnIdle(int) {
    Update(false, false);
}

void CHfcControl::Show(bool redraw) {
    if (!m_bCreated) return;
    m_bVisible = true;
    if (redraw) m_bDirty = true;
}

void CHfcControl::Hide(bool redraw) {
    if (!m_bCreated) return;
    if (m_bVisible) {
        m_bVisible = false;
        m_bErasePending = true;
    }
    if (redraw) m_bDirty = true;
}

void CHfcControl::OnHfcKeySetFocus(CHfcKeyFocus*) {
    m_bDirty = true;
    if (m_pListener != nullptr) m_pListener->OnHfcCtrlKeySetFocus(this);
    OnKeySetFocus();
}

void CHfcControl::OnHfcKeyLostFocus(CHfcKeyFocus*) {
    m_iFocusIndex = -1;
    m_bDirty = true;
    if (m_pListener != nullptr) m_pListener->OnHfcCtrlKeyLostFocus(this);
    OnKeyLostFocus();
}

bool CHfcControl::OnHfcKeyDown(CHfcKeyFocus*, int ch, int vkey, int modifiers) {
    if (m_pListener != nullptr && m_pListener->OnHfcCtrlKeyDown(this, ch, vkey, modifiers)) return true;
    return OnKeyDown(ch, vkey, modifiers);
}

bool CHfcControl::OnHfcKeyRepeat(CHfcKeyFocus*, int ch, int vkey, int modifiers) {
    if (m_pListener != nullptr && m_pListener->OnHfcCtrlKeyRepeat(this, ch, vkey, modifiers)) return true;
    return OnKeyRepeat(ch, vkey, modifiers);
}

bool CHfcControl::OnHfcKeyUp(CHfcKeyFocus*, int ch, int vkey, int modifiers) {
    if (m_pListener != nullptr && m_pListener->OnHfcCtrlKeyUp(this, ch, vkey, modifiers)) return true;
    return OnKeyUp(ch, vkey, modifiers);
}

bool CHfcControl::OnHfcKeyChar(CHfcKeyFocus*, int ch) {
    if (m_pListener != nullptr && m_pListener->OnHfcCtrlKeyChar(this, ch)) return true;
    return OnKeyChar(ch);
}

bool CHfcControl::OnHfcKeyIsPointInside(CHfcKeyFocus*, int x, int y) {
    ToControlPoint(&x, &y);
    return x >= 0 && x < m_rect.right - m_rect.left && y >= 0 && y < m_rect.bottom - m_rect.top;
}

void CHfcControl::Enable(bool redraw) {
    if (!m_bCreated || m_bEnabled) return;
    m_bEnabled = true;
    OnEnabled();
    if (redraw) m_bDirty = true;
}

void CHfcControl::Disable(bool redraw) {
    if (!m_bCreated || !m_bEnabled) return;
    m_bEnabled = false;
    OnDisabled();
    if (redraw) m_bDirty = true;
}

bool CHfcControl::IsFocused() {
    return m_pParent != nullptr && m_pParent->IsFocused(this);
}

bool CHfcControl::SetFocus(int index) {
    if (!m_bCreated || m_pParent == nullptr) return false;
    if (index == -1) return ReleaseFocus();
    const bool result = m_pParent->SetFocus(this);
    m_iFocusIndex = index;
    m_bDirty = true;
    return result;
}

bool CHfcControl::ReleaseFocus() {
    return ReleaseFocus(this);
}

bool CHfcControl::ReleaseFocus(CHfcKeyFocusListener* listener) {
    if (!m_bCreated || m_pParent == nullptr) return false;
    const bool result = m_pParent->ReleaseFocus(listener);
    m_iFocusIndex = -1;
    m_bDirty = true;
    return result;
}

void CHfcControl::SetFocusMergin(int margin) {
    m_iFocusMargin = margin < 0 ? 0 : margin;
    HfcSetRect(&m_rcFocus, m_rect.left - m_iFocusMargin, m_rect.top - m_iFocusMargin,
               m_rect.right + m_iFocusMargin, m_rect.bottom + m_iFocusMargin);
}

bool CHfcControl::LocalToGlobal(tagHfcPoint* point) {
    if (point == nullptr) return false;
    point->x += m_rect.left;
    point->y += m_rect.top;
    return m_pParent != nullptr && m_pParent->LocalToGlobal(point);
}

void CHfcControl::SetMouseCursorForMouseDown() {
    if (m_iMouseDownCursor >= 0) CHfcMouse::SetCursorById(m_iMouseDownCursor);
}

float CHfcControl::GetMouseDeltaRatio() {
    const uint32_t now = HfcGetSystemTimeMs();
    float ratio = 1.0f;
    if (now > m_uLastDragTime && now - m_uLastDragTime > 100) {
        const uint32_t gap = now - m_uLastDragTime;
        ratio = gap > 1600 ? 0.03125f : static_cast<float>(1.0 / gap * 50);
    }
    m_uLastDragTime = now;
    return ratio;
}

float CHfcControl::GetMouseDelta(int delta, int modifiers) {
    const float ratio = GetMouseDeltaRatio();
    return static_cast<float>(delta) * ((modifiers & 1) ? 0.1f : ratio);
}

void CHfcControl::UpdateLastTime() {
    m_uLastDragTime = HfcGetSystemTimeMs();
}
