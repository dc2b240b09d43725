#include "Common/Controls/QorZoneSlopeBar.h"

#include <algorithm>
#include <cstdlib>

#include "Common/Controls/ControlMath.h"
#include "Hfc/Core/HfcInput.h"
#include "Hfc/Draw/HfcBmp.h"
#include "Hfc/Draw/HfcDrawContext.h"

QorZoneSlopeBar::~QorZoneSlopeBar() {
    if (m_bCreated) QorZoneSlopeBar::Destroy();
}

bool QorZoneSlopeBar::Create(const tagJxCtrlZoneSlopeBarParam* param, int id, int subId) {
    if (param == nullptr || param->back == nullptr || param->zoneImage == nullptr) return false;
    // One needle per value, and the bar's width divides the pointer's position.
    const int64_t values = int64_t{param->maximum} - param->minimum + 1;
    if (values < 1 || values > kMaxValues) return false;
    const int barWidth = param->barWidth != 0 ? param->barWidth : param->zoneImage->GetWidth();
    if (barWidth <= 0) return false;
    if (m_bCreated) Destroy();
    const int width = param->width != 0 ? param->width : param->back->GetWidth();
    const int height = param->height != 0 ? param->height : param->back->GetHeight();
    m_pBack = param->back;
    m_iBackX = param->backX;
    m_iBackY = param->backY;
    m_iBarX = param->barX;
    m_iBarY = param->barY;
    m_iBarWidth = barWidth;
    m_iBarHeight = param->barHeight != 0 ? param->barHeight : param->zoneImage->GetHeight();
    m_pZone = param->zoneImage;
    m_pSlope = param->slopeImage;
    m_uNeedleInZone = param->needleColourInZone;
    m_uNeedleOutside = param->needleColourOutside;
    m_fScale = param->scale;
    CHfcControl::Create(param->x, param->y, width, height, id);
    m_iUserValue = subId;
    SetMinIntValue(param->minimum, false);
    SetMaxIntValue(param->maximum, false);
    m_iZoneMin = m_iSlopeMin = param->minimum;
    m_iZoneMax = m_iSlopeMax = param->maximum;
    m_needles.assign(static_cast<size_t>(values), 0);
    m_iDragMode = kDragNone;
    m_bVisible = true;
    m_bEnabled = true;
    m_bDirty = true;
    return true;
}

bool QorZoneSlopeBar::Destroy() {
    m_needles.clear();
    m_iDragMode = kDragNone;
    return CHfcControl::Destroy();
}

int QorZoneSlopeBar::GetNumValues() const {
    return m_iMax - m_iMin + 1;
}

float QorZoneSlopeBar::UnitWidth() const {
    return static_cast<float>(m_iBarWidth) / static_cast<float>(GetNumValues());
}

int QorZoneSlopeBar::PixelOf(int value) const {
    const float u = UnitWidth();
    return SaturatingToInt(static_cast<float>(value) * u) - SaturatingToInt(static_cast<float>(m_iMin) * u);
}

int QorZoneSlopeBar::GetValueOnTheBar(int x) const {
    if (m_iBarWidth <= 0) return m_iMin;
    const int64_t value = (int64_t{x} - m_iBarX) * GetNumValues() / m_iBarWidth + m_iMin;
    return static_cast<int>(std::clamp<int64_t>(value, m_iMin, m_iMax));
}

bool QorZoneSlopeBar::IsBarArea(int x, int y) const {
    return x >= m_iBarX && x < m_iBarX + m_iBarWidth && y >= m_iBarY - 2 && y < m_iBarY + m_iBarHeight + 4;
}

int QorZoneSlopeBar::GetNeedle(int value) const {
    if (value < m_iMin || value > m_iMax || m_needles.empty()) return 0;
    return m_needles[static_cast<size_t>(int64_t{value} - m_iMin)];
}

void QorZoneSlopeBar::Report(int end, int value) {
    if (m_pListener == nullptr) return;
    tagZoneSlopeBarChange change{end, value};
    m_pListener->OnHfcCtrlPtrValueChanged(this, &change);
}

bool QorZoneSlopeBar::OnHfcMouseLButtonDown(CHfcMouse* mouse, int x, int y, int modifiers) {
    if (!m_bEnabled) return false;
    m_uLastPressTime = HfcGetSystemTimeMs();
    UpdateLastTime();
    if (!IsBarArea(x, y)) return false;
    return OnMouseLButtonDownOnTheBar(mouse, x, y, modifiers);
}

// The end to move is the first lying within 4 pixels of the press (zone max, zone min, slope max,
// slope min), else the zone end of the half pressed; it jumps to the value pressed at once.
bool QorZoneSlopeBar::OnMouseLButtonDownOnTheBar(CHfcMouse* mouse, int x, int y, int modifiers) {
    if (m_pListener != nullptr && m_pListener->OnHfcCtrlMouseLButtonDown(this, x, y, modifiers)) return true;
    if (mouse != nullptr) mouse->SetCapture(this, nullptr);
    SetMouseCursorForMouseDown();
    ReleaseFocus(nullptr);
    const int d = x - m_iBarX;
    const int v = GetValueOnTheBar(x);
    const struct {
        int end, mode;
    } order[] = {{m_iZoneMax, kDragZoneMax},
                 {m_iZoneMin, kDragZoneMin},
                 {m_iSlopeMax, kDragSlopeMax},
                 {m_iSlopeMin, kDragSlopeMin}};
    m_iDragMode = kDragNone;
    for (const auto& candidate : order) {
        if (std::abs(PixelOf(candidate.end) - d) < 4) {
            m_iDragMode = candidate.mode;
            break;
        }
    }
    if (m_iDragMode == kDragNone)
        m_iDragMode = v < (int64_t{m_iZoneMax} + m_iZoneMin) / 2 ? kDragZoneMin : kDragZoneMax;
    Report(m_iDragMode - 1, v);
    m_iLastX = x;
    m_iLastValue = v;
    m_fAccumulator = static_cast<float>(v) * m_fScale + m_fScale / 2.0f;
    return true;
}

bool QorZoneSlopeBar::OnHfcMouseLButtonDoubleClick(CHfcMouse* mouse, int x, int y, int modifiers) {
    if (!IsBarArea(x, y)) return OnHfcMouseLButtonDown(mouse, x, y, modifiers);
    return m_pListener != nullptr && m_pListener->OnHfcCtrlMouseLButtonDoubleClick(this, x, y, modifiers);
}

bool QorZoneSlopeBar::OnHfcMouseLButtonUp(CHfcMouse* mouse, int, int, int) {
    if (!m_bEnabled || mouse == nullptr || mouse->GetCapture() != static_cast<CHfcMouseListener*>(this))
        return false;
    mouse->ReleaseCapture();
    return true;
}

// The drag reports each new value of the end it holds, unclamped: the page orders and clamps.
bool QorZoneSlopeBar::OnHfcMouseMove(CHfcMouse*, int x, int y, int modifiers) {
    if (!m_bEnabled || m_iDragMode == kDragNone) {
        return IsBarArea(x, y) && m_pListener != nullptr &&
               m_pListener->OnHfcCtrlMouseMove(this, x, y, modifiers);
    }
    if (x == m_iLastX) return true;
    float r = GetMouseDeltaRatio();
    float step;
    if ((modifiers & 1) != 0) {
        step = static_cast<float>(x - m_iLastX);
        r = 1.0f;
    } else {
        step = static_cast<float>(GetNumValues()) * (static_cast<float>(x - m_iLastX) * m_fScale) /
               static_cast<float>(m_iBarWidth);
    }
    m_fAccumulator += step * r;
    const int v = SaturatingToInt(m_fAccumulator / m_fScale);
    if (m_pListener != nullptr && v != m_iLastValue) Report(m_iDragMode - 1, v);
    m_iLastX = x;
    m_iLastValue = v;
    return true;
}

bool QorZoneSlopeBar::OnHfcMouseLostCapture(CHfcMouse*) {
    m_iDragMode = kDragNone;
    CHfcMouse::SetCursorById(0);
    return true;
}

void QorZoneSlopeBar::SetPtrValue(void* value, bool redraw) {
    if (value == nullptr) return;
    const auto* record = static_cast<const tagZoneSlopeBarValue*>(value);
    SetParameter(record->kind, record->value, redraw);
}

void QorZoneSlopeBar::SetParameter(int kind, int value, bool redraw) {
    switch (kind) {
        case kZoneMin:
            SetParamZoneMin(value, redraw);
            break;
        case kZoneMax:
            SetParamZoneMax(value, redraw);
            break;
        case kSlopeMin:
            SetParamSlopeMin(value, redraw);
            break;
        case kSlopeMax:
            SetParamSlopeMax(value, redraw);
            break;
        case kNeedleOn:
            SetParamNeedleOn(value, redraw);
            break;
        case kNeedleOff:
            SetParamNeedleOff(value, redraw);
            break;
        case kClearAllNeedles:
            SetParamClearAllNeedles(value, redraw);
            break;
        default:
            break;
    }
}

void QorZoneSlopeBar::SetEnd(int* end, int value, bool redraw) {
    *end = std::clamp(value, m_iMin, std::max(m_iMin, m_iMax));
    if (redraw) m_bDirty = true;
}

void QorZoneSlopeBar::SetParamZoneMin(int value, bool redraw) {
    SetEnd(&m_iZoneMin, value, redraw);
}

void QorZoneSlopeBar::SetParamZoneMax(int value, bool redraw) {
    SetEnd(&m_iZoneMax, value, redraw);
}

void QorZoneSlopeBar::SetParamSlopeMin(int value, bool redraw) {
    SetEnd(&m_iSlopeMin, value, redraw);
}

void QorZoneSlopeBar::SetParamSlopeMax(int value, bool redraw) {
    SetEnd(&m_iSlopeMax, value, redraw);
}

void QorZoneSlopeBar::SetParamNeedleOn(int value, bool redraw) {
    if (value < m_iMin || value > m_iMax || m_needles.empty()) return;
    m_needles[static_cast<size_t>(int64_t{value} - m_iMin)] = 1;
    if (redraw) m_bDirty = true;
}

void QorZoneSlopeBar::SetParamNeedleOff(int value, bool redraw) {
    if (value < m_iMin || value > m_iMax || m_needles.empty()) return;
    m_needles[static_cast<size_t>(int64_t{value} - m_iMin)] = -1;
    if (redraw) m_bDirty = true;
}

void QorZoneSlopeBar::SetParamClearAllNeedles(int, bool redraw) {
    std::fill(m_needles.begin(), m_needles.end(), 0);
    if (redraw) m_bDirty = true;
}

void QorZoneSlopeBar::Draw(CHfcDrawContext* context) {
    if (!m_bVisible || context == nullptr) return;
    const int width = m_rect.right - m_rect.left, height = m_rect.bottom - m_rect.top;
    context->ClearRect(&m_rect);
    if (m_pBack != nullptr)
        context->CopyBmp(m_rect.left + m_iBackX, m_rect.top + m_iBackY, width, height, m_pBack, m_iBackX,
                         m_iBackY);
    if (m_iZoneMin <= m_iZoneMax) DrawRange(context, m_pZone, m_iZoneMin, m_iZoneMax, 1.0f);
    if (m_iSlopeMin <= m_iSlopeMax) DrawRange(context, m_pSlope, m_iSlopeMin, m_iSlopeMax, kSlopeAlpha);
    DrawNeedles(context);
    if (IsFocused()) DrawFocus(context);
}

// The image's columns under the values from..to, drawn where they stand on the bar.
void QorZoneSlopeBar::DrawRange(CHfcDrawContext* context, CHfcBmp* image, int from, int to, float factor) {
    if (image == nullptr) return;
    const float u = UnitWidth();
    const int origin = SaturatingToInt(static_cast<float>(m_iMin) * u);
    const int a = SaturatingToInt(static_cast<float>(from) * u);
    const int w = SaturatingToInt(static_cast<float>(to) * u) + SaturatingToInt(u) - a + 1;
    const int x = m_rect.left + m_iBarX + a - origin, y = m_rect.top + m_iBarY;
    if (factor >= 1.0f)
        context->CopyBmp(x, y, w, m_iBarHeight, image, a - origin, 0);
    else
        context->CopyBmpAlpha(x, y, w, m_iBarHeight, image, factor, a - origin, 0);
}

// A shown needle is a column one value wide with a half-transparent halo one value either side, in
// the zone's colour inside the zone and the other colour outside it.
void QorZoneSlopeBar::DrawNeedles(CHfcDrawContext* context) {
    const float u = UnitWidth();
    const float top = static_cast<float>(m_rect.top + m_iBarY), h = static_cast<float>(m_iBarHeight);
    for (size_t i = 0; i < m_needles.size(); ++i) {
        if (m_needles[i] <= 0) continue;
        const int64_t value = int64_t{m_iMin} + static_cast<int64_t>(i);
        const uint32_t c = value < m_iZoneMin || value > m_iZoneMax ? m_uNeedleOutside : m_uNeedleInZone;
        const float m = static_cast<float>(m_rect.left + m_iBarX) + u * static_cast<float>(i);
        context->SetBrushColor((c & 0x00FFFFFFu) | ((c >> 24) >> 1) << 24);
        context->FillRect(m - u, top, 3.0f * u, h);
        context->SetBrushColor(c);
        context->FillRect(m, top, u, h);
    }
}
