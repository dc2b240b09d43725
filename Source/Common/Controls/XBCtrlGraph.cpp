#include "Common/Controls/XBCtrlGraph.h"

#include <algorithm>
#include <cstdint>

#include "Common/Controls/ControlMath.h"
#include "Hfc/Core/HfcInput.h"
#include "Hfc/Draw/HfcBmp.h"
#include "Hfc/Draw/HfcDrawContext.h"

uint32_t CXBCtrlGraph::ScaleAlpha(uint32_t argb, float factor) {
    const float alpha = static_cast<float>(argb >> 24) * std::clamp(factor, 0.0f, 1.0f);
    return (argb & 0x00FFFFFFu) | static_cast<uint32_t>(alpha) << 24;
}

bool CXBCtrlGraph::InsideHandle(int x, int y, int cx, int cy, int size, int pad) {
    const int left = cx - (size / 2 + pad / 2);
    const int top = cy - (size / 2 + pad / 2);
    return x > left && x < left + size + pad && y > top && y < top + size + pad;
}

bool CXBCtrlGraph::ArrowStep(int ch, int adjust, int minimum, int maximum, int* horizontal, int* vertical) {
    int64_t h = *horizontal, v = *vertical;
    switch (ch) {
        case kKeyLeft:
            h += int64_t{adjust} - 2;
            break;
        case kKeyRight:
            h += 2 - int64_t{adjust};
            break;
        case kKeyUp:
            v += 1;
            break;
        case kKeyDown:
            v -= 1;
            break;
        default:
            return false;
    }
    *horizontal = static_cast<int>(std::clamp<int64_t>(h, minimum, maximum));
    *vertical = static_cast<int>(std::clamp<int64_t>(v, minimum, maximum));
    return true;
}

float CXBCtrlGraph::StartAccumulator(int value, float scale) {
    return static_cast<float>(value) * scale + scale / 2.0f;
}

int CXBCtrlGraph::Accumulated(float accumulator, float scale, int minimum, int maximum) {
    return std::clamp(SaturatingToInt(accumulator / scale), minimum, maximum);
}

int CXBCtrlGraph::AccumulatedBelow(int64_t top, float accumulator, float scale, int minimum, int maximum) {
    const int64_t value = top - SaturatingToInt(accumulator / scale);
    return static_cast<int>(std::clamp<int64_t>(value, minimum, maximum));
}

void CXBCtrlGraph::CreateBox(int x, int y, int width, int height, int id, int subId) {
    CHfcControl::Create(x - 2, y - 2, width + 6, height + 6, id);
    m_iUserValue = subId;
}

void CXBCtrlGraph::DrawBack(CHfcDrawContext* context, CHfcBmp* back, int sx, int sy) {
    context->ClearRect(&m_rect);
    CopyBack(context, back, sx, sy);
}

// The whole rectangle, the four pixels right of and below the graph too: the box images are made to
// that size, and a strip left out would stay cleared to transparent.
void CXBCtrlGraph::CopyBack(CHfcDrawContext* context, CHfcBmp* back, int sx, int sy) {
    if (context == nullptr || back == nullptr) return;
    context->CopyBmp(m_rect.left, m_rect.top, m_rect.right - m_rect.left, m_rect.bottom - m_rect.top, back,
                     sx - 2, sy - 2);
}

uint32_t CXBCtrlGraph::Shown(uint32_t argb) const {
    return m_bEnabled ? argb : ScaleAlpha(argb, m_fDisabledAlpha);
}

void CXBCtrlGraph::DrawHandle(CHfcDrawContext* context, int cx, int cy, int size, uint32_t fill,
                              uint32_t frame) {
    const int left = cx - size / 2, top = cy - size / 2;
    context->SetBrushColor(Shown(fill));
    context->FillRect(left + 1, top + 1, size - 2, size - 2);
    // The frame as four runs of whole pixels, none drawn twice.
    context->SetBrushColor(Shown(frame));
    context->FillRect(left, top, size, 1);
    context->FillRect(left, top + size - 1, size, 1);
    context->FillRect(left, top + 1, 1, size - 2);
    context->FillRect(left + size - 1, top + 1, 1, size - 2);
}

void CXBCtrlGraph::DrawLabel(CHfcDrawContext* context, int x, int y, CHfcBmp* mark, int row, int rows) {
    if (mark == nullptr || rows <= 0) return;
    const int rowHeight = mark->GetHeight() / rows;
    if (rowHeight > 0)
        context->CopyBmpAlpha(x, y, mark->GetWidth(), rowHeight, mark, m_bEnabled ? 1.0f : m_fDisabledAlpha,
                              0, row * rowHeight);
}

void CXBCtrlGraph::DrawBrackets(CHfcDrawContext* context, int cx, int cy, int outer, int inner) {
    if (m_uFocusColor == 0) return;
    context->SetBrushColor(m_uFocusColor);
    const int arm = outer - inner;
    for (const int sx : {-1, 1}) {
        for (const int sy : {-1, 1}) {
            const int x = cx + sx * outer, y = cy + sy * outer;
            // The corner and the horizontal arm, then the vertical arm below or above the corner.
            context->FillRect(sx < 0 ? x : x - arm, y, arm + 1, 1);
            context->FillRect(x, sy < 0 ? y + 1 : y - arm, 1, arm);
        }
    }
}

bool CXBCtrlGraph::OfferPress(int x, int y, int modifiers) {
    UpdateLastTime();
    if (m_pListener != nullptr && m_pListener->OnHfcCtrlMouseLButtonDown(this, x, y, modifiers)) {
        ReleaseFocus(nullptr);
        return true;
    }
    int value = 0;
    if ((modifiers & 2) != 0 && m_pListener != nullptr &&
        m_pListener->OnHfcCtrlDefaultIntValueRequired(this, &value))
        SetIntValue(value, true);
    return false;
}

void CXBCtrlGraph::BeginHandleDrag(CHfcMouse* mouse, void* value) {
    if (m_pListener != nullptr) {
        m_pListener->OnHfcCtrlBeginEdit(this);
        m_pListener->OnHfcCtrlPtrValueChanged(this, value);
    }
    if (mouse != nullptr) mouse->SetCapture(this, nullptr);
    SetMouseCursorForMouseDown();
    ReleaseFocus(nullptr);
    if (m_bFocusOnClick) SetFocus(0);
    m_bDirty = true;
}

bool CXBCtrlGraph::HoldsCapture(const CHfcMouse* mouse) const {
    return mouse != nullptr && mouse->GetCapture() == static_cast<const CHfcMouseListener*>(this);
}

void CXBCtrlGraph::EndHandleDrag(void* value) {
    CHfcMouse::SetCursorById(0);
    if (m_pListener != nullptr) {
        if (value != nullptr) m_pListener->OnHfcCtrlPtrValueChanged(this, value);
        m_pListener->OnHfcCtrlEndEdit(this);
    }
    m_bDirty = true;
}

void CXBCtrlGraph::StartDragValues(int x, int y, int h, int v, float scale, int minimum, int maximum,
                                   int markSize) {
    m_drag.lastX = x;
    m_drag.lastY = y;
    m_drag.scale = scale;
    m_drag.minimum = minimum;
    m_drag.maximum = maximum;
    m_drag.top = int64_t{maximum} + markSize / 2;
    m_drag.lastH = h;
    // The vertical record starts inverted: the first move reports whatever the pointer asks for.
    m_drag.lastV = static_cast<int>(std::clamp<int64_t>(m_drag.top - v, INT32_MIN, INT32_MAX));
    m_drag.accH = StartAccumulator(m_drag.lastH, scale);
    m_drag.accV = StartAccumulator(m_drag.lastV, scale);
}

bool CXBCtrlGraph::DragValues(int x, int y, float hStep, float vStep, int* h, int* v) {
    m_drag.accH += hStep;
    m_drag.accV += vStep;
    *h = Accumulated(m_drag.accH, m_drag.scale, m_drag.minimum, m_drag.maximum);
    *v = AccumulatedBelow(m_drag.top, m_drag.accV, m_drag.scale, m_drag.minimum, m_drag.maximum);
    const bool changed = *h != m_drag.lastH || *v != m_drag.lastV;
    m_drag.lastX = x;
    m_drag.lastY = y;
    RememberDragValues(*h, *v);
    return changed;
}

void CXBCtrlGraph::RememberDragValues(int h, int v) {
    m_drag.lastH = h;
    m_drag.lastV = v;
}
