#include "Common/Controls/QnSimpleControls.h"

#include <algorithm>
#include <cstdint>

#include "Common/Controls/QnControlDrawing.h"
#include "Common/FontManager/ResourceManager.h"
#include "Hfc/Core/HfcInput.h"
#include "Hfc/Draw/HfcBmp.h"
#include "Hfc/Draw/HfcDrawContext.h"

namespace {

CHfcBmp* LoadNamed(const char* name) {
    ResourceManager* images = ResourceManager::GetInstance();
    return images != nullptr ? images->LoadImage(name) : nullptr;
}

// A press the listener does not take; a release offered to it that otherwise ends the capture.
bool OfferPress(CHfcControl* control, int x, int y, int modifiers) {
    CHfcControlListener* listener = control->GetListener();
    return listener != nullptr && listener->OnHfcCtrlMouseLButtonDown(control, x, y, modifiers);
}

bool OfferRelease(CHfcControl* control, CHfcMouse* mouse, int x, int y, int modifiers) {
    CHfcControlListener* listener = control->GetListener();
    if (listener != nullptr && listener->OnHfcCtrlMouseLButtonUp(control, x, y, modifiers)) return true;
    if (!QnHoldsCapture(mouse, control)) return false;
    mouse->ReleaseCapture();
    return true;
}

}  // namespace

// ---- static text

bool QnStaticText::Create(const SQnStaticText* param, int id, int listenerData) {
    if (param == nullptr) return false;
    m_back = param->back;
    m_backX = param->backX;
    m_backY = param->backY;
    m_font = param->font;
    m_text = param->text != nullptr ? param->text : "";
    m_colour = param->colour;
    m_hAlign = param->hAlign;
    m_hMargin = param->hMargin;
    m_vAlign = param->vAlign;
    m_vOffset = param->vOffset;
    const int height = param->height != 0 || m_font == nullptr ? param->height : m_font->height;
    CHfcControl::Create(param->x, param->y, param->width, height, id);
    m_iUserValue = listenerData;
    Show(false);
    return true;
}

void QnStaticText::SetPtrValue(void* text, bool) {
    if (text == nullptr) return;
    m_text = static_cast<const char*>(text);
    m_bDirty = true;
}

void QnStaticText::Draw(CHfcDrawContext* context) {
    if (!m_bVisible || context == nullptr) return;
    const int left = m_rect.left, top = m_rect.top;
    const int width = m_rect.right - left, height = m_rect.bottom - top;
    const int textHeight = m_font != nullptr ? m_font->textHeight : 0;
    int area = height;
    if (m_vAlign == 1) area += (height - textHeight) / 2 + m_vOffset;
    context->ClearRect(left, top, width, area);
    if (m_back != nullptr) context->CopyBmp(left, top, width, area, m_back, m_backX, m_backY);
    if (m_font == nullptr) return;
    const int textWidth = HfcGetBmpTextWidth(m_font, m_text.c_str());
    int x = 0, clip = width;
    switch (m_hAlign) {
        case 0:
            x = m_hMargin;
            clip = width - m_hMargin;
            break;
        case 1:
            x = (width - textWidth) / 2 + m_hMargin;
            break;
        case 2:
            clip = width - m_hMargin;
            x = clip - textWidth;
            break;
        default:
            break;
    }
    int y = 0;
    switch (m_vAlign) {
        case 0:
            y = m_vOffset;
            break;
        case 1:
            y = (height - textHeight) / 2 + m_vOffset;
            break;
        case 2:
            y = height - textHeight - m_vOffset;
            break;
        default:
            break;
    }
    x = std::max(x, 0);
    y = std::max(y, 0);
    const uint32_t colour = m_bEnabled ? m_colour : QnScaleAlpha(m_colour, m_fDisabledAlpha);
    context->DrawBmpTextProportional(left + x, top + y, m_text.c_str(), clip, m_font, colour, false);
}

bool QnStaticText::OnHfcMouseLButtonDown(CHfcMouse*, int x, int y, int modifiers) {
    return OfferPress(this, x, y, modifiers);
}

bool QnStaticText::OnHfcMouseLButtonUp(CHfcMouse* mouse, int x, int y, int modifiers) {
    return OfferRelease(this, mouse, x, y, modifiers);
}

// ---- slider and length bar

bool QnPointerValueControl::OnHfcMouseLButtonDown(CHfcMouse* mouse, int x, int y, int modifiers) {
    if (OfferPress(this, x, y, modifiers)) return true;
    if (mouse != nullptr) mouse->SetCapture(this, nullptr);
    Track(x);
    return true;
}

bool QnPointerValueControl::OnHfcMouseMove(CHfcMouse* mouse, int x, int y, int modifiers) {
    if (!QnHoldsCapture(mouse, this)) return false;
    if (m_pListener != nullptr && m_pListener->OnHfcCtrlMouseMove(this, x, y, modifiers)) return true;
    Track(x);
    return true;
}

bool QnPointerValueControl::OnHfcMouseLButtonUp(CHfcMouse* mouse, int x, int y, int modifiers) {
    return OfferRelease(this, mouse, x, y, modifiers);
}

void QnPointerValueControl::Track(int x) {
    m_iValue = ValueAt(x);
    m_bDirty = true;
    if (m_pListener != nullptr) m_pListener->OnHfcCtrlIntValueChanged(this, m_iValue);
}

void QnPointerValueControl::SetIntValue(int value, bool redraw) {
    m_iValue = std::clamp(value, m_iMin, std::max(m_iMin, m_iMax));
    if (redraw) m_bDirty = true;
}

bool QnSlider::Create(int x, int y, int width, int height, CHfcBmp* back, int backX, int backY, int id) {
    m_thumb = LoadNamed("Image_RedArrow_Up_W6");
    if (m_thumb == nullptr) return false;
    m_back = back;
    m_backX = backX;
    m_backY = backY;
    CHfcControl::Create(x, y, width, height, id);
    m_iMin = 0;
    m_iMax = 100;
    m_iValue = 0;
    Show(false);
    Enable(false);
    return true;
}

int QnSlider::ValueAt(int x) const {
    const int width = m_rect.right - m_rect.left;
    const int64_t span = static_cast<int64_t>(m_iMax) - m_iMin + 1;
    const int64_t value = width > 0 ? static_cast<int64_t>(x) * span / width : m_iMin;
    // A drag past either end stays at that end.
    return static_cast<int>(std::clamp<int64_t>(value, m_iMin, std::max(m_iMin, m_iMax)));
}

int QnSlider::ThumbX() const {
    const int width = m_rect.right - m_rect.left;
    const int64_t span = static_cast<int64_t>(m_iMax) - m_iMin + 1;
    return static_cast<int>(static_cast<int64_t>(width) * m_iValue / span);
}

void QnSlider::Draw(CHfcDrawContext* context) {
    if (!m_bVisible || context == nullptr) return;
    const int left = m_rect.left, top = m_rect.top;
    const int width = m_rect.right - left, height = m_rect.bottom - top;
    if (m_back != nullptr) context->CopyBmp(left, top, width, height, m_back, m_backX, m_backY);
    const int tw = m_thumb->GetWidth(), th = m_thumb->GetHeight();
    const int x = left + ThumbX(), y = top + (height - th) / 2;
    if (m_bEnabled) {
        context->CopyBmp(x, y, tw, th, m_thumb, 0, 0);
    } else {
        context->CopyBmpAlpha(x, y, tw, th, m_thumb, m_fDisabledAlpha, 0, 0);
    }
}

bool QnArpLengthBar::Create(int x, int y, int id) {
    m_back = LoadNamed("HorizontalValueBar_ArpLength_Back");
    if (m_back == nullptr) return false;
    m_bar = LoadNamed("HorizontalValueBar_ArpLength");
    CHfcControl::Create(x, y, m_back->GetWidth(), m_back->GetHeight(), id);
    m_iMin = 0;
    m_iMax = 127;
    m_iValue = 0;
    Show(false);
    Enable(false);
    return true;
}

int QnArpLengthBar::ValueAt(int x) const {
    const int inner = m_rect.right - m_rect.left - 2;
    const int64_t span = static_cast<int64_t>(m_iMax) - m_iMin + 1;
    const int64_t value = inner > 0 ? static_cast<int64_t>(x) * span / inner : m_iMin;
    return static_cast<int>(std::clamp<int64_t>(value, m_iMin, std::max(m_iMin, m_iMax)));
}

int QnArpLengthBar::FillWidth() const {
    const int64_t inner = m_rect.right - m_rect.left - 2;
    const int64_t span = static_cast<int64_t>(m_iMax) - m_iMin + 1;
    // value × inner / span, rounded half up.
    const int64_t width = (2 * static_cast<int64_t>(m_iValue) * inner + span) / (2 * span);
    return static_cast<int>(std::clamp<int64_t>(width, 0, std::max<int64_t>(inner, 0)));
}

void QnArpLengthBar::Draw(CHfcDrawContext* context) {
    if (!m_bVisible || context == nullptr) return;
    const int left = m_rect.left, top = m_rect.top;
    const int width = m_rect.right - left, height = m_rect.bottom - top;
    context->CopyBmp(left, top, width, height, m_back, 0, 0);
    const uint32_t colour = m_bEnabled ? 0xFFFF0000 : 0x80FF0000;
    context->SetPenColor(colour);
    context->SetBrushColor(colour);
    const int fill = FillWidth();
    if (fill > 0) context->FillRect(left + 1, top + 1, fill, height - 2);
}

// ---- activity lamp

bool CMMPCtrlFlash::Create(const tagMMPCtrlFlashParam* param, int id, int listenerData) {
    if (param == nullptr || param->frames == nullptr || param->back == nullptr || param->levels <= 0 ||
        param->timePerLevel <= 0)
        return false;
    m_frames = param->frames;
    m_back = param->back;
    m_backX = param->backX;
    m_backY = param->backY;
    m_levels = param->levels;
    m_extra = param->extra;
    m_timePerLevel = param->timePerLevel;
    m_levelTable.assign(static_cast<size_t>(m_levels), 0);
    if (param->levelTable != nullptr)
        std::copy(param->levelTable, param->levelTable + m_levels, m_levelTable.begin());
    const int width = param->width != 0 ? param->width : m_frames->GetWidth();
    const int height = param->height != 0 ? param->height : m_frames->GetHeight() / (m_levels + 1);
    CHfcControl::Create(param->x, param->y, width, height, id);
    m_iUserValue = listenerData;
    m_iMin = 0;
    m_iMax = m_levels;
    m_iValue = 0;
    m_remaining = 0;
    m_frame = m_levels;  // created disabled: the disabled face
    Show(false);
    return true;
}

bool CMMPCtrlFlash::Destroy() {
    m_levelTable.clear();
    return CHfcControl::Destroy();
}

void CMMPCtrlFlash::SetIntValue(int value, bool redraw) {
    m_iValue = std::clamp(value, 0, m_levels);
    const int64_t remaining = static_cast<int64_t>(m_iValue) * m_timePerLevel - 1;
    m_remaining = static_cast<int>(std::min<int64_t>(remaining, INT32_MAX));
    if (redraw && m_bEnabled) m_bDirty = true;
}

void CMMPCtrlFlash::OnIdle(int elapsed) {
    if (m_bEnabled) {
        const int frame = m_remaining / m_timePerLevel;
        if (frame != m_frame) {
            m_frame = frame;
            m_bDirty = true;
        }
    }
    if (m_remaining > 0) m_remaining = std::max(0, m_remaining - std::max(elapsed, 0));
    CHfcControl::OnIdle(elapsed);
}

void CMMPCtrlFlash::OnEnabled() {
    m_frame = m_remaining / m_timePerLevel;
}

void CMMPCtrlFlash::OnDisabled() {
    m_frame = m_levels;
}

void CMMPCtrlFlash::Draw(CHfcDrawContext* context) {
    if (!m_bVisible || !m_bCreated || context == nullptr) return;
    const int left = m_rect.left, top = m_rect.top;
    const int width = m_rect.right - left, height = m_rect.bottom - top;
    context->ClearRect(left, top, width, height);
    context->CopyBmp(left, top, width, height, m_back, m_backX, m_backY);
    context->CopyBmp(left, top, width, height, m_frames, 0, height * m_frame);
}

bool CMMPCtrlFlash::OnHfcMouseLButtonDown(CHfcMouse*, int x, int y, int modifiers) {
    return OfferPress(this, x, y, modifiers);
}

bool CMMPCtrlFlash::OnHfcMouseLButtonUp(CHfcMouse* mouse, int x, int y, int modifiers) {
    return OfferRelease(this, mouse, x, y, modifiers);
}
