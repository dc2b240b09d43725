#include "Hfc/Core/HfcCtrlWheel.h"

#include <algorithm>
#include <climits>

#include "Hfc/Core/HfcInput.h"
#include "Hfc/Draw/HfcBmp.h"
#include "Hfc/Draw/HfcDrawContext.h"

int HfcCtrlStepDrag(int accumulator, int dy, int step, bool shift) {
    int64_t acc = accumulator;
    int64_t s = 1;
    if (!shift) {
        s = step > 0 ? step : 1;
        if (acc % s != 0) {
            acc = s * (acc / s);
            if (dy < 0) acc += s;
        }
    }
    acc += s * dy;
    return static_cast<int>(std::clamp<int64_t>(acc, INT_MIN, INT_MAX));
}

CHfcCtrlWheel::~CHfcCtrlWheel() {
    if (m_bCreated) CHfcCtrlWheel::Destroy();
}

bool CHfcCtrlWheel::Create(const tagHfcCtrlWheelParam* param, int id, int userValue) {
    if (!param || !param->bitmap) return false;
    m_param = *param;
    m_hasParam = true;
    const int frames = std::max(1, m_param.frames);
    const int width = param->width > 0 ? param->width : param->bitmap->GetWidth();
    const int height = param->height > 0 ? param->height : param->bitmap->GetHeight() / frames;
    CHfcControl::Create(param->x, param->y, width, height, id);
    m_iUserValue = userValue;
    SetMinIntValue(param->minimum, false);
    SetMaxIntValue(param->maximum, false);
    Enable(false);
    return true;
}

bool CHfcCtrlWheel::Destroy() {
    const bool destroyed = CHfcControl::Destroy();
    m_param = {};
    m_hasParam = false;
    return destroyed;
}

bool CHfcCtrlWheel::OnHfcMouseLButtonDown(CHfcMouse* mouse, int x, int y, int modifiers) {
    if (m_pListener && m_pListener->OnHfcCtrlMouseLButtonDown(this, x, y, modifiers)) return true;
    if (m_pListener) {
        m_pListener->OnHfcCtrlBeginEdit(this);
        int value = 0;
        if ((modifiers & 2) && m_pListener->OnHfcCtrlDefaultIntValueRequired(this, &value)) {
            SetIntValue(value, true);
        }
    }
    m_previous = {x, y};
    m_accumulator = m_lastReported = GetIntValue();
    if (mouse) mouse->SetCapture(this, nullptr);
    SetMouseCursorForMouseDown();
    return true;
}

bool CHfcCtrlWheel::OnHfcMouseLButtonDoubleClick(CHfcMouse* mouse, int x, int y, int modifiers) {
    return OnHfcMouseLButtonDown(mouse, x, y, modifiers);
}

bool CHfcCtrlWheel::OnHfcMouseMove(CHfcMouse* mouse, int x, int y, int modifiers) {
    if (m_pListener && m_pListener->OnHfcCtrlMouseMove(this, x, y, modifiers)) return true;
    if (!mouse || mouse->GetCapture() != this) return false;
    const int dy = m_previous.y - y;
    m_accumulator = HfcCtrlStepDrag(m_accumulator, dy, m_param.step, (modifiers & 1) != 0);
    const int value =
        std::clamp(m_accumulator, GetMinIntValue(), std::max(GetMinIntValue(), GetMaxIntValue()));
    if (value != m_lastReported) {
        m_lastReported = value;
        if (m_pListener) m_pListener->OnHfcCtrlIntValueChanged(this, value);
    }
    m_previous = {x, y};
    return true;
}

bool CHfcCtrlWheel::OnHfcMouseLButtonUp(CHfcMouse* mouse, int, int, int) {
    if (!mouse || mouse->GetCapture() != this) return false;
    mouse->ReleaseCapture();
    return true;
}

bool CHfcCtrlWheel::OnHfcMouseLostCapture(CHfcMouse*) {
    if (!m_pListener) return true;
    if (m_param.returnsToRest) m_pListener->OnHfcCtrlIntValueChanged(this, m_param.restValue);
    m_pListener->OnHfcCtrlEndEdit(this);
    return true;
}

void CHfcCtrlWheel::SetIntValue(int value, bool redraw) {
    if (!m_bCreated) return;
    const int clamped = std::clamp(value, GetMinIntValue(), std::max(GetMinIntValue(), GetMaxIntValue()));
    if (clamped == GetIntValue()) return;
    m_iValue = clamped;
    if (redraw) m_bDirty = true;
}

int CHfcCtrlWheel::GetFrameIndex() const {
    const int64_t range = static_cast<int64_t>(m_param.maximum) - m_param.minimum + 1;
    // An empty or inverted range has only the first frame.
    if (range <= 0) return 0;
    const int64_t frame = (static_cast<int64_t>(m_iValue) - m_param.minimum) * m_param.frames / range;
    return static_cast<int>(std::clamp<int64_t>(frame, 0, std::max(0, m_param.frames - 1)));
}

void CHfcCtrlWheel::Draw(CHfcDrawContext* context) {
    if (!m_bVisible || !context || !m_hasParam) return;
    const tagHfcRect& r = m_rect;
    const int w = r.right - r.left;
    const int h = r.bottom - r.top;
    context->ClearRect(static_cast<float>(r.left), static_cast<float>(r.top), static_cast<float>(w),
                       static_cast<float>(h));
    if (m_param.background) {
        context->CopyBmp(r.left, r.top, w, h, m_param.background, m_param.backgroundX, m_param.backgroundY);
    } else {
        context->SetBrushColor(0xff000000);
        context->FillRect(r.left, r.top, w, h);
    }
    context->CopyBmp(r.left, r.top, w, h, m_param.bitmap, 0, GetFrameIndex() * h);
}
