#include "Common/Controls/MMPCtrlScrollBar.h"

#include <algorithm>
#include <climits>
#include <cstdint>

#include "Hfc/Core/HfcInput.h"
#include "Hfc/Draw/HfcBmp.h"
#include "Hfc/Draw/HfcDrawContext.h"

namespace {

int ClampToInt(int64_t value) {
    return static_cast<int>(std::clamp<int64_t>(value, INT_MIN, INT_MAX));
}

}  // namespace

CMMPCtrlScrollBar::CMMPCtrlScrollBar() = default;

CMMPCtrlScrollBar::~CMMPCtrlScrollBar() {
    if (m_bCreated) CMMPCtrlScrollBar::Destroy();
}

bool CMMPCtrlScrollBar::Create(const tagMMPCtrlScrollBarParam* param, int id, int listenerData) {
    if (!param) return false;
    m_param = *param;
    if (m_param.pageSize <= 0) m_param.pageSize = 1;
    CHfcControl::Create(param->x, param->y, param->width, param->height, id);
    m_iUserValue = listenerData;
    m_iMin = param->minimum;
    m_iMax = param->maximum;
    m_iValue = param->minimum;
    m_mode = kModeNone;
    m_repeatTimer = 0;
    RecalcStatus(false);
    Enable(false);
    Show(false);
    return true;
}

bool CMMPCtrlScrollBar::Destroy() {
    StopRepeat();
    return CHfcControl::Destroy();
}

int CMMPCtrlScrollBar::Length() const {
    return m_param.vertical ? m_rect.bottom - m_rect.top : m_rect.right - m_rect.left;
}

int CMMPCtrlScrollBar::LeadingMargin() const {
    return m_param.vertical ? m_param.marginTop : m_param.marginLeft;
}

void CMMPCtrlScrollBar::RecalcStatus(bool redraw) {
    const int64_t before[6] = {m_switchLength, m_rangeCount,  m_trackLength,
                               m_thickness,    m_thumbLength, m_travel};
    CHfcBmp* image = m_param.switchImage;
    m_switchLength = image ? (m_param.vertical ? image->GetHeight() / 4 : image->GetWidth()) : 0;
    const int64_t count = static_cast<int64_t>(m_iMax) - m_iMin + 1;
    m_rangeCount = std::max<int64_t>(count, 0);
    const int trailingMargin = m_param.vertical ? m_param.marginBottom : m_param.marginRight;
    m_trackLength = Length() - LeadingMargin() - trailingMargin - 2 * m_switchLength;
    const int cross = m_param.vertical ? m_rect.right - m_rect.left : m_rect.bottom - m_rect.top;
    m_thickness = cross - (m_param.vertical ? m_param.marginLeft + m_param.marginRight
                                            : m_param.marginTop + m_param.marginBottom);
    if (count <= 0) {
        m_thumbLength = m_trackLength;
    } else {
        const int64_t page = m_param.pageSize;
        const int64_t thumb = std::max<int64_t>(kMinThumb, page * m_trackLength / (count + page - 1));
        m_thumbLength = ClampToInt(std::min<int64_t>(thumb, m_trackLength));
    }
    m_travel = m_trackLength - m_thumbLength;
    const int64_t after[6] = {m_switchLength, m_rangeCount,  m_trackLength,
                              m_thickness,    m_thumbLength, m_travel};
    if (redraw && !std::equal(std::begin(before), std::end(before), std::begin(after))) m_bDirty = true;
}

void CMMPCtrlScrollBar::SetPageSize(int n, bool redraw) {
    m_param.pageSize = n <= 0 ? 1 : n;
    RecalcStatus(redraw);
}

void CMMPCtrlScrollBar::SetMinIntValue(int value, bool redraw) {
    m_iMin = value;
    RecalcStatus(redraw);
}

void CMMPCtrlScrollBar::SetMaxIntValue(int value, bool redraw) {
    m_iMax = value;
    RecalcStatus(redraw);
}

void CMMPCtrlScrollBar::SetIntValue(int value, bool redraw) {
    const int clamped = std::clamp(value, m_iMin, std::max(m_iMin, m_iMax));
    if (clamped == m_iValue) return;
    m_iValue = clamped;
    if (redraw) m_bDirty = true;
}

int CMMPCtrlScrollBar::ValueToPosition(int value) const {
    if (m_rangeCount <= 1) return 0;
    const int64_t v = std::clamp(value, m_iMin, m_iMax);
    const int64_t offset = (v - m_iMin) * m_travel / (m_rangeCount - 1);
    return ClampToInt(m_switchLength + LeadingMargin() + offset);
}

int CMMPCtrlScrollBar::PositionToValue(int position) const {
    if (m_travel <= 0) return 0;
    const int64_t along =
        std::max<int64_t>(0, static_cast<int64_t>(position) - m_switchLength - LeadingMargin());
    return ClampToInt(std::min<int64_t>(m_travel, along) * (m_rangeCount - 1) / m_travel + m_iMin);
}

int CMMPCtrlScrollBar::GetMouseDownArea(int position) const {
    if (position >= 0 && position < m_switchLength) return kAreaDecrement;
    if (position >= Length() - m_switchLength) return kAreaIncrement;
    const int thumb = ValueToPosition(m_iValue);
    if (position < thumb) return kAreaBeforeThumb;
    if (position < thumb + m_thumbLength) return kAreaThumb;
    return kAreaAfterThumb;
}

int CMMPCtrlScrollBar::Offset(int delta) const {
    return ClampToInt(
        std::clamp<int64_t>(static_cast<int64_t>(m_iValue) + delta, m_iMin, std::max(m_iMin, m_iMax)));
}

bool CMMPCtrlScrollBar::ChangeValue(int value) {
    const int clamped = std::clamp(value, m_iMin, std::max(m_iMin, m_iMax));
    if (clamped == m_iValue) return false;
    if (m_pListener) m_pListener->OnHfcCtrlIntValueChanged(this, clamped);
    return true;
}

void CMMPCtrlScrollBar::StopRepeat() {
    if (m_mode != kModeNone) m_bDirty = true;
    m_mode = kModeNone;
    m_repeatTimer = 0;
}

bool CMMPCtrlScrollBar::OnHfcMouseLButtonDown(CHfcMouse* mouse, int x, int y, int modifiers) {
    if (m_pListener && m_pListener->OnHfcCtrlMouseLButtonDown(this, x, y, modifiers)) return true;
    if (mouse) mouse->SetCapture(this, nullptr);
    StopRepeat();
    if (!m_bEnabled || ThumbFillsTrack()) return true;
    const int position = AlongAxis(x, y);
    switch (GetMouseDownArea(position)) {
        case kAreaThumb:
            m_mode = kModeThumb;
            m_lastPosition = position;
            m_thumbStart = ValueToPosition(m_iValue);
            break;
        case kAreaIncrement:
            m_mode = kModeIncrement;
            m_repeatTimer = kFirstRepeatMs;
            m_bDirty = true;
            ChangeValue(Offset(1));
            break;
        case kAreaDecrement:
            m_mode = kModeDecrement;
            m_repeatTimer = kFirstRepeatMs;
            m_bDirty = true;
            ChangeValue(Offset(-1));
            break;
        case kAreaBeforeThumb:
            m_mode = kModePageDown;
            m_repeatTimer = kFirstRepeatMs;
            ChangeValue(Offset(-m_param.pageSize));
            m_lastPosition = position;
            break;
        default:
            m_mode = kModePageUp;
            m_repeatTimer = kFirstRepeatMs;
            ChangeValue(Offset(m_param.pageSize));
            m_lastPosition = position;
            break;
    }
    return true;
}

bool CMMPCtrlScrollBar::OnHfcMouseLButtonDoubleClick(CHfcMouse* mouse, int x, int y, int modifiers) {
    return OnHfcMouseLButtonDown(mouse, x, y, modifiers);
}

bool CMMPCtrlScrollBar::OnHfcMouseMove(CHfcMouse*, int x, int y, int modifiers) {
    if (m_pListener && m_pListener->OnHfcCtrlMouseMove(this, x, y, modifiers)) return true;
    const int position = AlongAxis(x, y);
    if (m_mode == kModeThumb) {
        const int thumb = ClampToInt(static_cast<int64_t>(position) + m_thumbStart - m_lastPosition);
        ChangeValue(PositionToValue(thumb));
        m_lastPosition = position;
        m_thumbStart = thumb;
    } else if (m_mode == kModePageDown || m_mode == kModePageUp) {
        m_lastPosition = position;
    }
    return true;
}

bool CMMPCtrlScrollBar::OnHfcMouseLButtonUp(CHfcMouse* mouse, int x, int y, int modifiers) {
    // The repeat ends with the button, whoever handles the release and whether or not the press
    // holds the capture.
    StopRepeat();
    if (m_pListener && m_pListener->OnHfcCtrlMouseLButtonUp(this, x, y, modifiers)) return true;
    if (mouse && mouse->GetCapture() == this) mouse->ReleaseCapture();
    return true;
}

bool CMMPCtrlScrollBar::OnHfcMouseLostCapture(CHfcMouse*) {
    if (m_pListener) m_pListener->OnHfcCtrlMouseLostCapture(this);
    // Even a listener that takes the loss must not leave the bar stepping with the button up.
    StopRepeat();
    m_bDirty = true;
    return true;
}

void CMMPCtrlScrollBar::OnIdle(int elapsedMs) {
    if (m_mode != kModeNone && m_repeatTimer > 0) {
        m_repeatTimer -= elapsedMs;
        if (m_repeatTimer <= 0) {
            m_repeatTimer += kRepeatMs;
            if (m_repeatTimer <= 0) m_repeatTimer = kRepeatMs;
            switch (m_mode) {
                case kModeIncrement:
                    ChangeValue(Offset(1));
                    break;
                case kModeDecrement:
                    ChangeValue(Offset(-1));
                    break;
                case kModePageDown:
                    if (GetMouseDownArea(m_lastPosition) == kAreaBeforeThumb)
                        ChangeValue(Offset(-m_param.pageSize));
                    break;
                case kModePageUp:
                    if (GetMouseDownArea(m_lastPosition) == kAreaAfterThumb)
                        ChangeValue(Offset(m_param.pageSize));
                    break;
                default:
                    break;
            }
        }
    }
    CHfcControl::OnIdle(elapsedMs);
}

void CMMPCtrlScrollBar::Draw(CHfcDrawContext* context) {
    if (!m_bVisible || !context) return;
    const tagHfcRect& r = m_rect;
    const int w = r.right - r.left;
    const int h = r.bottom - r.top;
    const bool vertical = m_param.vertical;
    context->ClearRect(r.left, r.top, w, h);
    if (m_param.background)
        context->CopyBmp(r.left, r.top, w, h, m_param.background, m_param.backgroundX, m_param.backgroundY);
    const int trackStart = m_switchLength + LeadingMargin();
    const int across = vertical ? m_param.marginLeft : m_param.marginTop;
    auto fillAlong = [&](int start, int length) {
        if (vertical) {
            context->FillRect(r.left + across, r.top + start, m_thickness, length);
        } else {
            context->FillRect(r.left + start, r.top + across, length, m_thickness);
        }
    };
    if ((m_param.trackColour >> 24) != 0) {
        context->SetBrushColor(m_param.trackColour);
        fillAlong(trackStart, m_trackLength);
    }
    const bool fills = ThumbFillsTrack();
    const bool dim = !m_bEnabled || fills;
    uint32_t thumbColour = m_param.thumbColour;
    if (dim) thumbColour = (thumbColour & 0x00FFFFFFu) | ((thumbColour >> 25) << 24);
    context->SetBrushColor(thumbColour);
    if (fills) {
        fillAlong(trackStart, m_trackLength);
    } else {
        fillAlong(ValueToPosition(m_iValue), m_thumbLength);
    }
    CHfcBmp* image = m_param.switchImage;
    if (image) {
        const int faceWidth = image->GetWidth();
        const int faceHeight = image->GetHeight() / 4;
        const int decFrame = m_mode == kModeDecrement ? 1 : 0;
        const int incFrame = m_mode == kModeIncrement ? 3 : 2;
        const int endX = vertical ? r.left : r.left + Length() - m_switchLength;
        const int endY = vertical ? r.top + Length() - m_switchLength : r.top;
        if (dim) {
            context->CopyBmpAlpha(r.left, r.top, faceWidth, faceHeight, image, 0.5f, 0,
                                  decFrame * faceHeight);
            context->CopyBmpAlpha(endX, endY, faceWidth, faceHeight, image, 0.5f, 0, incFrame * faceHeight);
        } else {
            context->CopyBmp(r.left, r.top, faceWidth, faceHeight, image, 0, decFrame * faceHeight);
            context->CopyBmp(endX, endY, faceWidth, faceHeight, image, 0, incFrame * faceHeight);
        }
    }
    if (IsFocused()) DrawFocus(context);
}
