#include "Hfc/Core/HfcCtrlKnob.h"

#include <algorithm>
#include <cmath>

#include "Hfc/Core/HfcCtrlWheel.h"
#include "Hfc/Core/HfcInput.h"
#include "Hfc/Draw/HfcBmp.h"
#include "Hfc/Draw/HfcDrawContext.h"

namespace {

constexpr float kTwoPi = 6.2831855f;

float Normalised(float a) {
    if (a < 0.0f) a += kTwoPi;
    if (a > kTwoPi) a -= kTwoPi;
    return a;
}

}  // namespace

CHfcCtrlKnob::~CHfcCtrlKnob() {
    if (m_bCreated) CHfcCtrlKnob::Destroy();
}

bool CHfcCtrlKnob::Create(const tagHfcCtrlKnobParam* param, int id, int userValue) {
    if (!param || !param->bitmap) return false;
    m_param = *param;
    m_hasParam = true;
    const int frames = std::max(1, param->frames);
    const int width = param->width > 0 ? param->width : param->bitmap->GetWidth();
    const int height = param->height > 0 ? param->height : param->bitmap->GetHeight() / frames;
    CHfcControl::Create(param->x, param->y, width, height, id);
    m_iUserValue = userValue;
    SetMinIntValue(param->minimum, false);
    SetMaxIntValue(param->maximum, false);
    m_radiusOffset = param->width != 0 ? static_cast<float>(param->width) * 0.5f : 0.0f;
    m_scale = 1.0f / kRange;
    m_offset = -m_scale * kStartAngle;
    Enable(false);
    return true;
}

bool CHfcCtrlKnob::Destroy() {
    const bool destroyed = CHfcControl::Destroy();
    m_param = {};
    m_hasParam = false;
    return destroyed;
}

void CHfcCtrlKnob::SetKnobMode(int) {}

void CHfcCtrlKnob::SetBackBmp(CHfcBmp* bitmap, bool redraw) {
    m_param.background = bitmap;
    if (redraw) m_bDirty = true;
}

void CHfcCtrlKnob::SetIntValue(int value, bool redraw) {
    if (!m_bCreated) return;
    const int clamped = std::clamp(value, GetMinIntValue(), std::max(GetMinIntValue(), GetMaxIntValue()));
    if (clamped == GetIntValue()) return;
    m_iValue = clamped;
    if (redraw) m_bDirty = true;
}

float CHfcCtrlKnob::ValueFromPoint(int x, int y) const {
    const int W = m_rect.right - m_rect.left;
    const int H = m_rect.bottom - m_rect.top;
    const float r = m_radiusOffset;
    const float dx = static_cast<float>(x - W / 2) - r;
    const float dy = r - static_cast<float>(y - H / 2);
    float a = std::atan2(dy, dx);
    if (a < 0.0f) a += kTwoPi;
    a -= kStartAngle;
    const float R = kRange;
    if (R < 0.0f) {
        a -= R;
        const float n = Normalised(a);
        if (n > kTolerance - R) return 1.0f;
        if (n > -R) return 0.0f;
        if (a > kTolerance - R) a -= kTwoPi;
        if (a < -kTolerance) a += kTwoPi;
        return a * m_scale + 1.0f;
    }
    const float n = Normalised(a);
    if (n > R + kTolerance) return 0.0f;
    if (n > R) return 1.0f;
    if (a > R + kTolerance) a -= kTwoPi;
    if (a < -kTolerance) a += kTwoPi;
    return a * m_scale;
}

int CHfcCtrlKnob::PointToValueRelativeCircular(const tagHfcPoint& from, const tagHfcPoint& to) const {
    const float cx = static_cast<float>((m_rect.right - m_rect.left) / 2);
    const float cy = static_cast<float>((m_rect.bottom - m_rect.top) / 2);
    const float x0 = static_cast<float>(from.x), y0 = static_cast<float>(from.y);
    const float x1 = static_cast<float>(to.x), y1 = static_cast<float>(to.y);
    const float a0 = std::atan2(x0 - cx, cy - y0);
    float a1 = std::atan2(x1 - cx, cy - y1);
    const float cross = (y0 - cy) * (cx - x1) - (cx - x0) * (y1 - cy);
    if (cross > 0.0f && a0 > a1) a1 += kTwoPi;
    if (cross < 0.0f && a0 < a1) a1 -= kTwoPi;
    const double range = static_cast<double>(m_iMax) - static_cast<double>(m_iMin);
    return static_cast<int>(range * (static_cast<double>(a1 - a0) * kRelativeScale));
}

bool CHfcCtrlKnob::OnHfcMouseLButtonDown(CHfcMouse* mouse, int x, int y, int modifiers) {
    if (m_pListener && m_pListener->OnHfcCtrlMouseLButtonDown(this, x, y, modifiers)) return true;
    int value = 0;
    if ((modifiers & 2) && m_pListener && m_pListener->OnHfcCtrlDefaultIntValueRequired(this, &value)) {
        SetIntValue(value, true);
    }
    m_previous = {x, y};
    m_accumulator = m_lastReported = GetIntValue();
    m_dragMode = sm_iGlobalKnobMode;
    if (modifiers & 4) m_dragMode = sm_iGlobalKnobMode == 2 ? 0 : 2;
    const float span = static_cast<float>(m_param.maximum) - static_cast<float>(m_param.minimum);
    switch (m_dragMode) {
        case 0: {
            const float f = ValueFromPoint(x, y);
            m_lastFraction = f;
            m_lastReported = static_cast<int>(span * f);
            if (m_pListener) {
                m_pListener->OnHfcCtrlBeginEdit(this);
                m_pListener->OnHfcCtrlIntValueChanged(this, m_lastReported);
            }
            break;
        }
        case 1:
            if (m_pListener) m_pListener->OnHfcCtrlBeginEdit(this);
            break;
        default:
            if (m_pListener) {
                m_pListener->OnHfcCtrlBeginEdit(this);
                m_pListener->OnHfcCtrlIntValueChanged(this, m_accumulator);
            }
            break;
    }
    if (mouse) mouse->SetCapture(this, nullptr);
    SetMouseCursorForMouseDown();
    return true;
}

bool CHfcCtrlKnob::OnHfcMouseLButtonDoubleClick(CHfcMouse* mouse, int x, int y, int modifiers) {
    if (m_pListener && m_pListener->OnHfcCtrlMouseLButtonDoubleClick(this, x, y, modifiers)) return true;
    return OnHfcMouseLButtonDown(mouse, x, y, modifiers);
}

bool CHfcCtrlKnob::OnHfcMouseMove(CHfcMouse* mouse, int x, int y, int modifiers) {
    if (m_pListener && m_pListener->OnHfcCtrlMouseMove(this, x, y, modifiers)) return true;
    if (!mouse || mouse->GetCapture() != this) return false;
    const int minimum = GetMinIntValue();
    const int maximum = std::max(minimum, GetMaxIntValue());
    switch (m_dragMode) {
        case 0: {
            float f = ValueFromPoint(x, y);
            // A jump across the bottom gap keeps the end it left until the pointer comes back.
            if (m_lastFraction - f > 0.5f) {
                f = 1.0f;
            } else if (f - m_lastFraction > 0.5f) {
                f = 0.0f;
            } else {
                m_lastFraction = f;
            }
            const float span = static_cast<float>(m_param.maximum) - static_cast<float>(m_param.minimum);
            const int value = static_cast<int>(span * f);
            if (value != m_lastReported) {
                m_lastReported = value;
                if (m_pListener) m_pListener->OnHfcCtrlIntValueChanged(this, value);
            }
            break;
        }
        case 1: {
            const tagHfcPoint point{x, y};
            const int value = m_accumulator + PointToValueRelativeCircular(m_previous, point);
            if (value == m_accumulator) break;
            m_accumulator = value;
            m_previous = point;
            if (m_pListener) m_pListener->OnHfcCtrlIntValueChanged(this, std::clamp(value, minimum, maximum));
            break;
        }
        default: {
            m_accumulator =
                HfcCtrlStepDrag(m_accumulator, m_previous.y - y, m_param.step, (modifiers & 1) != 0);
            const int value = std::clamp(m_accumulator, minimum, maximum);
            if (value != m_lastReported) {
                m_lastReported = value;
                if (m_pListener) m_pListener->OnHfcCtrlIntValueChanged(this, value);
            }
            m_previous = {x, y};
            break;
        }
    }
    return true;
}

bool CHfcCtrlKnob::OnHfcMouseLButtonUp(CHfcMouse* mouse, int, int, int) {
    if (!mouse || mouse->GetCapture() != this) return false;
    mouse->ReleaseCapture();
    return true;
}

bool CHfcCtrlKnob::OnHfcMouseRButtonDown(CHfcMouse*, int x, int y, int modifiers) {
    return m_pListener && m_pListener->OnHfcCtrlMouseRButtonDown(this, x, y, modifiers);
}

bool CHfcCtrlKnob::OnHfcMouseLostCapture(CHfcMouse*) {
    CHfcMouse::SetCursorById(0);
    if (m_pListener) m_pListener->OnHfcCtrlEndEdit(this);
    return true;
}

int CHfcCtrlKnob::GetFrameIndex() const {
    const int frames = m_param.frames;
    const int maximum = m_iMax;
    // No steps to choose from: the first frame (also guards the divisions below).
    if (maximum == 0 || frames <= 1) return 0;
    const float f = static_cast<float>(m_iValue) / static_cast<float>(maximum) * static_cast<float>(frames) -
                    1.0f / static_cast<float>(frames - 1);
    if (!(f > 0.0f)) return 0;
    return std::min(static_cast<int>(f), frames - 1);
}

void CHfcCtrlKnob::Draw(CHfcDrawContext* context) {
    if (!m_bVisible || !context || !m_hasParam) return;
    const tagHfcRect& r = m_rect;
    const int w = r.right - r.left;
    const int h = r.bottom - r.top;
    context->ClearRect(static_cast<float>(r.left), static_cast<float>(r.top), static_cast<float>(w),
                       static_cast<float>(h));
    if (m_param.background) {
        context->CopyBmp(r.left, r.top, w, h, m_param.background, m_param.backgroundX, m_param.backgroundY);
    }
    const int sy = GetFrameIndex() * h;
    if (m_bEnabled) {
        context->CopyBmp(r.left, r.top, w, h, m_param.bitmap, 0, sy);
    } else {
        context->CopyBmpAlpha(r.left, r.top, w, h, m_param.bitmap, m_fDisabledAlpha, 0, sy);
    }
}
