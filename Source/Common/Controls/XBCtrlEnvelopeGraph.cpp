#include "Common/Controls/XBCtrlEnvelopeGraph.h"

#include <algorithm>
#include <cstdint>

#include "Hfc/Core/HfcInput.h"
#include "Hfc/Draw/HfcBmp.h"
#include "Hfc/Draw/HfcDrawContext.h"

CXBCtrlEnvelopeGraph::~CXBCtrlEnvelopeGraph() {
    if (m_bCreated) CXBCtrlEnvelopeGraph::Destroy();
}

bool CXBCtrlEnvelopeGraph::Create(const tagXBCtrlEnvelopeGraphParam* param, int id, int subId) {
    if (param == nullptr || param->width <= 0 || param->height <= 0 || param->pointCount <= 1) return false;
    // The positions divide by the maximum; a handle wider than the graph leaves no room to move in.
    if (param->maximum <= 0 || param->maximum <= param->minimum) return false;
    if (param->height - param->markSize <= 0 ||
        (param->width - param->markSize) / (param->pointCount - 1) <= 0)
        return false;
    if (m_bCreated) Destroy();
    m_param = *param;
    m_handles.assign(static_cast<size_t>(param->pointCount), 0);
    if (param->handleFlags != nullptr) std::copy_n(param->handleFlags, param->pointCount, m_handles.begin());
    m_param.handleFlags = m_handles.data();
    CreateBox(param->x, param->y, param->width, param->height, id, subId);
    SetMinIntValue(param->minimum, false);
    SetMaxIntValue(param->maximum, false);
    m_values.assign(static_cast<size_t>(param->pointCount), tagEnvelopeValue{0, 0, 0});
    for (int i = 0; i < param->pointCount; ++i) m_values[static_cast<size_t>(i)].index = i;
    m_points.assign(static_cast<size_t>(param->pointCount), tagHfcPoint{0, 0});
    m_iActive = m_iFocused = m_iPressed = -2;
    CalcPoints();
    m_bVisible = true;
    m_bEnabled = true;
    m_bDirty = true;
    return true;
}

bool CXBCtrlEnvelopeGraph::Destroy() {
    m_values.clear();
    m_points.clear();
    m_handles.clear();
    m_param = tagXBCtrlEnvelopeGraphParam{};
    m_iActive = m_iFocused = m_iPressed = -2;
    return CHfcControl::Destroy();
}

int CXBCtrlEnvelopeGraph::GetTimeShare() const {
    return m_param.pointCount > 1 ? (m_param.width - m_param.markSize) / (m_param.pointCount - 1) : 0;
}

bool CXBCtrlEnvelopeGraph::HasHandle(int index) const {
    return index >= 0 && index < static_cast<int>(m_handles.size()) &&
           m_handles[static_cast<size_t>(index)] != 0;
}

tagHfcPoint CXBCtrlEnvelopeGraph::GetPointPosition(int index) const {
    if (index < 0 || index >= static_cast<int>(m_points.size())) return tagHfcPoint{0, 0};
    return m_points[static_cast<size_t>(index)];
}

// Levels run from the bottom (0) to the top (maximum); each time moves its point right of its
// predecessor by at most one share of the width. A value outside 0..maximum is placed at the nearer
// end, so that no point is drawn outside the graph.
void CXBCtrlEnvelopeGraph::CalcPoints() {
    if (m_points.empty()) return;
    const int64_t s = m_param.markSize, max = m_param.maximum;
    const int64_t H = m_param.height - s, W = GetTimeShare();
    auto levelY = [&](int level) {
        return static_cast<int>(H + s / 2 - H * std::clamp<int64_t>(level, 0, max) / max);
    };
    m_points[0] = {static_cast<int>(s / 2), levelY(m_values[0].level)};
    for (size_t i = 1; i < m_points.size(); ++i) {
        const int64_t step = W * std::clamp<int64_t>(m_values[i].time, 0, max) / max;
        m_points[i] = {m_points[i - 1].x + static_cast<int>(step), levelY(m_values[i].level)};
    }
}

int CXBCtrlEnvelopeGraph::GetPointNumberFromPosition(const tagHfcPoint* position) const {
    if (position == nullptr) return -2;
    // Points are kept relative to the graph, which starts two pixels into the control.
    for (int i = static_cast<int>(m_points.size()) - 1; i >= 0; --i) {
        if (!HasHandle(i)) continue;
        const tagHfcPoint& p = m_points[static_cast<size_t>(i)];
        if (InsideHandle(position->x, position->y, p.x + 2, p.y + 2, m_param.markSize, 6)) return i;
    }
    return -2;
}

void CXBCtrlEnvelopeGraph::Report(int index, int level, int time) {
    m_reported = tagEnvelopeValue{index, level, time};
    if (m_pListener == nullptr) return;
    tagEnvelopeValue value = m_reported;
    m_pListener->OnHfcCtrlPtrValueChanged(this, &value);
}

bool CXBCtrlEnvelopeGraph::OnHfcMouseLButtonDown(CHfcMouse* mouse, int x, int y, int modifiers) {
    m_iFocused = -2;
    const tagHfcPoint position{x, y};
    m_iPressed = GetPointNumberFromPosition(&position);
    if (OfferPress(x, y, modifiers)) return true;
    if (m_iPressed < 0) return false;
    m_iActive = m_iPressed;
    tagEnvelopeValue value = m_values[static_cast<size_t>(m_iActive)];
    m_reported = value;
    BeginHandleDrag(mouse, &value);
    StartDragValues(x, y, value.time, value.level, m_param.scale, m_param.minimum, m_param.maximum,
                    m_param.markSize);
    return true;
}

bool CXBCtrlEnvelopeGraph::OnHfcMouseLButtonDoubleClick(CHfcMouse* mouse, int x, int y, int modifiers) {
    return OnHfcMouseLButtonDown(mouse, x, y, modifiers);
}

bool CXBCtrlEnvelopeGraph::OnHfcMouseLButtonUp(CHfcMouse* mouse, int, int, int) {
    if (!HoldsCapture(mouse)) return false;
    mouse->ReleaseCapture();
    return true;
}

bool CXBCtrlEnvelopeGraph::OnHfcMouseMove(CHfcMouse* mouse, int x, int y, int modifiers) {
    if (!HoldsCapture(mouse) || m_iActive < 0 || m_iActive >= static_cast<int>(m_values.size())) {
        return m_pListener != nullptr && m_pListener->OnHfcCtrlMouseMove(this, x, y, modifiers);
    }
    const int dx = x - DragLastX(), dy = y - DragLastY();
    const int s = m_param.markSize, min = m_param.minimum, max = m_param.maximum;
    const float scale = m_param.scale;
    float r = GetMouseDeltaRatio();
    float timeStep, levelStep;
    if ((modifiers & 1) != 0) {
        r = 1.0f;
        timeStep = static_cast<float>(dx) * 0.5f;
        levelStep = static_cast<float>(dy) * 0.5f;
    } else {
        const float span = static_cast<float>(static_cast<int64_t>(max) - min + 1);
        timeStep = static_cast<float>(dx) * scale * span / static_cast<float>(GetTimeShare());
        levelStep = static_cast<float>(dy) * scale * span / static_cast<float>(m_param.height - s);
        if (r != 1.0f) r *= 0.5f;
    }
    int time = 0, level = 0;
    if (DragValues(x, y, r * timeStep, r * levelStep, &time, &level)) Report(m_iActive, level, time);
    return true;
}

bool CXBCtrlEnvelopeGraph::OnHfcMouseLostCapture(CHfcMouse*) {
    if (m_iActive < 0 || m_iActive >= static_cast<int>(m_values.size())) {
        EndHandleDrag(nullptr);
        return true;
    }
    // What the drag asked for last: the point itself may not have been set back yet (a release
    // before the page's next tick), and repeating it would undo the last step.
    tagEnvelopeValue value =
        m_reported.index == m_iActive ? m_reported : m_values[static_cast<size_t>(m_iActive)];
    m_iActive = -2;
    EndHandleDrag(&value);
    return true;
}

bool CXBCtrlEnvelopeGraph::OnKeyDown(int ch, int, int) {
    if (m_iFocused < 0 || m_iFocused >= static_cast<int>(m_values.size())) return false;
    if (HoldsCapture(CHfcMouse::GetInstance())) return false;
    const tagEnvelopeValue& point = m_values[static_cast<size_t>(m_iFocused)];
    int time = point.time, level = point.level;
    if (!ArrowStep(ch, m_param.keyTimeAdjust, m_param.minimum, m_param.maximum, &time, &level)) return false;
    if (time != point.time || level != point.level) {
        Report(m_iFocused, level, time);
        RememberDragValues(time, level);
    }
    return true;
}

bool CXBCtrlEnvelopeGraph::OnKeyRepeat(int ch, int vkey, int modifiers) {
    return OnKeyDown(ch, vkey, modifiers);
}

void CXBCtrlEnvelopeGraph::SetPtrValue(void* value, bool redraw) {
    SetEnvelopeValue(static_cast<const tagEnvelopeValue*>(value), redraw);
}

void CXBCtrlEnvelopeGraph::SetEnvelopeValue(const tagEnvelopeValue* value, bool redraw) {
    if (value != nullptr) SetEnvelopeValue(value->index, value, redraw);
}

void CXBCtrlEnvelopeGraph::SetEnvelopeValue(int index, const tagEnvelopeValue* value, bool redraw) {
    if (value == nullptr || index < 0 || index >= static_cast<int>(m_values.size())) return;
    m_values[static_cast<size_t>(index)].level = value->level;
    m_values[static_cast<size_t>(index)].time = value->time;
    CalcPoints();
    if (redraw) m_bDirty = true;
}

void CXBCtrlEnvelopeGraph::SetEnvelopeAllValue(const tagEnvelopeValue* value, bool redraw) {
    if (value == nullptr || m_values.empty()) return;
    for (tagEnvelopeValue& v : m_values) {
        v.level = value->level;
        v.time = value->time;
    }
    CalcPoints();
    if (redraw) m_bDirty = true;
}

bool CXBCtrlEnvelopeGraph::GetEnvelopeValue(tagEnvelopeValue* value, int index) const {
    if (value == nullptr || index < 0 || index >= static_cast<int>(m_values.size())) return false;
    *value = m_values[static_cast<size_t>(index)];
    return true;
}

void CXBCtrlEnvelopeGraph::GetEnvelopeAllValue(tagEnvelopeValue* values) const {
    if (values != nullptr) std::copy(m_values.begin(), m_values.end(), values);
}

void CXBCtrlEnvelopeGraph::SetActivePoint(int index, bool focus) {
    // An index past the last point would be read by the next key or drawing.
    if (index < -1 || index >= static_cast<int>(m_values.size())) return;
    if (focus && m_bFocusOnClick) SetFocus(0);
    m_iActive = m_iFocused = m_iPressed = index;
    m_bDirty = true;
    if (m_pListener != nullptr) m_pListener->OnHfcCtrlMouseLostCapture(this);
}

void CXBCtrlEnvelopeGraph::Draw(CHfcDrawContext* context) {
    if (!m_bVisible || context == nullptr || m_points.empty()) return;
    DrawBack(context, m_param.back, m_param.backX, m_param.backY);
    DrawValueRange(context);
    DrawZone(context);
    DrawLines(context);
    DrawPoints(context);
}

void CXBCtrlEnvelopeGraph::DrawValueRange(CHfcDrawContext* context) {
    if (m_iActive < 0 || m_iActive >= static_cast<int>(m_points.size())) return;
    const int s = m_param.markSize, gx = m_rect.left + 2, gy = m_rect.top + 2;
    const int from =
        m_iActive == 0 ? m_points[0].x - s : m_points[static_cast<size_t>(m_iActive) - 1].x - s / 2;
    const int x = std::max(gx + from, static_cast<int>(m_rect.left));
    context->SetBrushColor(kRangeColour);
    context->FillRect(x, gy - 1, s + GetTimeShare(), m_param.height - s + 11);
}

// One-pixel columns from the curve to the baseline: the bottom, the middle or the top of the graph.
void CXBCtrlEnvelopeGraph::DrawZone(CHfcDrawContext* context) {
    if ((m_param.zoneColour >> 24) == 0) return;
    const int gx = m_rect.left + 2, gy = m_rect.top + 2, s = m_param.markSize;
    const int base = m_param.zoneBaseline == 0   ? m_param.height
                     : m_param.zoneBaseline == 1 ? m_param.height / 2
                                                 : 0;
    context->SetBrushColor(Shown(m_param.zoneColour));
    auto column = [&](int x, int y, int width) {
        if (width <= 0 || y == base) return;
        context->FillRect(gx + x, gy + std::min(y, base), width, std::abs(y - base));
    };
    column(1, m_points[0].y, s / 2 - 1);
    for (size_t i = 1; i < m_points.size(); ++i) {
        const tagHfcPoint a = m_points[i - 1], b = m_points[i];
        const int dx = b.x - a.x, dy = b.y - a.y;
        for (int x = 0; x < dx; ++x) column(a.x + x, a.y + dy * x / dx, 1);
    }
    const tagHfcPoint last = m_points.back();
    column(last.x, last.y, m_param.width - 5 - last.x + 1);
}

void CXBCtrlEnvelopeGraph::DrawLines(CHfcDrawContext* context) {
    const int gx = m_rect.left + 2, gy = m_rect.top + 2;
    context->SetPenColor(Shown(m_param.lineColour));
    context->SetPenWidth(1.0f);
    context->MoveTo(gx + m_points[0].x, gy + m_points[0].y);
    for (size_t i = 1; i < m_points.size(); ++i) context->LineTo(gx + m_points[i].x, gy + m_points[i].y);
    context->LineTo(gx + m_param.width - 4, gy + m_points.back().y);
}

void CXBCtrlEnvelopeGraph::DrawPoints(CHfcDrawContext* context) {
    const int gx = m_rect.left + 2, gy = m_rect.top + 2, s = m_param.markSize;
    for (int i = 0; i < static_cast<int>(m_points.size()); ++i) {
        const tagHfcPoint p = m_points[static_cast<size_t>(i)];
        if (HasHandle(i) || i == m_iActive) {
            DrawHandle(context, gx + p.x, gy + p.y, s, m_param.pointFillColour, m_param.pointFrameColour);
            DrawLabel(context, gx + p.x - 1, gy + p.y - 2, m_param.markImage, i, kLabelRows);
        } else {
            context->SetBrushColor(Shown(m_param.pointFillColour));
            context->FillRect(gx + p.x - 2, gy + p.y - 2, 5, 5);
        }
    }
    if (IsFocused()) DrawFocus(context);
}

// Brackets around the point being dragged, or else the one the arrow keys step.
void CXBCtrlEnvelopeGraph::DrawFocus(CHfcDrawContext* context) {
    if (context == nullptr || !m_bCreated || !m_bVisible) return;
    const int index = m_iActive >= 0 ? m_iActive : m_iFocused;
    if (index < 0 || index >= static_cast<int>(m_points.size())) return;
    const tagHfcPoint p = m_points[static_cast<size_t>(index)];
    DrawBrackets(context, m_rect.left + 2 + p.x, m_rect.top + 2 + p.y, 6, 4);
}

void CXBCtrlEnvelopeGraph::Erase(CHfcDrawContext* context) {
    CopyBack(context, m_param.back, m_param.backX, m_param.backY);
}
