#include "Common/Controls/QnSelectors.h"

#include <algorithm>
#include <climits>
#include <cstdint>

#include "Common/Controls/ArtGeometry.h"
#include "Common/Controls/ControlMath.h"
#include "Common/Controls/ListControlsText.h"
#include "Common/FontManager/FontManager.h"
#include "Common/FontManager/ResourceManager.h"
#include "Common/QnUtils/QnUtils.h"
#include "Hfc/Core/HfcInput.h"
#include "Hfc/Draw/HfcBmp.h"
#include "Hfc/Draw/HfcDrawContext.h"

namespace {

namespace G = ArtGeometry;

tagHfcBmpFontInfo* FontOrDefault(tagHfcBmpFontInfo* font, const char* name) {
    if (font) return font;
    FontManager* fonts = FontManager::GetInstance();
    return fonts ? fonts->GetBmpFontInfo(name) : nullptr;
}

CHfcBmp* CachedImage(const char* name) {
    ResourceManager* images = ResourceManager::GetInstance();
    return images ? images->LoadImage(name) : nullptr;
}

// The selectors' release: offered to the listener, else the capture this control holds is freed.
bool SelectorRelease(CHfcControl* control, CHfcMouse* mouse, int x, int y, int modifiers) {
    CHfcControlListener* listener = control->GetListener();
    if (listener && listener->OnHfcCtrlMouseLButtonUp(control, x, y, modifiers)) return true;
    if (mouse && mouse->GetCapture() == static_cast<CHfcMouseListener*>(control)) mouse->ReleaseCapture();
    return true;
}

bool OfferPress(CHfcControl* control, int x, int y, int modifiers) {
    CHfcControlListener* listener = control->GetListener();
    return listener && listener->OnHfcCtrlMouseLButtonDown(control, x, y, modifiers);
}

void TakeOrReleaseFocus(CHfcControl* control) {
    if (control->GetFocusOnClick()) {
        control->SetFocus(0);
    } else {
        control->ReleaseFocus(nullptr);
    }
}

uint32_t TextColour(uint32_t colour, bool enabled, float disabledAlpha) {
    return enabled ? colour : ControlDisabledColour(colour, disabledAlpha);
}

int Width(const tagHfcRect& r) {
    return r.right - r.left;
}

int Height(const tagHfcRect& r) {
    return r.bottom - r.top;
}

bool Contains(const tagHfcRect& r, int x, int y) {
    return x >= r.left && x < r.right && y >= r.top && y < r.bottom;
}

// The background under a control's rectangle, or a cleared rectangle without one.
void DrawBackground(CHfcDrawContext* context, const tagHfcRect& r, CHfcBmp* background, int bx, int by) {
    context->ClearRect(r.left, r.top, Width(r), Height(r));
    if (background) context->CopyBmp(r.left, r.top, Width(r), Height(r), background, bx, by);
}

void DrawImage(CHfcDrawContext* context, int x, int y, CHfcBmp* image) {
    if (image) context->CopyBmp(x, y, image->GetWidth(), image->GetHeight(), image, 0, 0);
}

}  // namespace

// ---- QnMiniProgramSelector ----

QnMiniProgramSelector::QnMiniProgramSelector() = default;

QnMiniProgramSelector::~QnMiniProgramSelector() = default;

bool QnMiniProgramSelector::Create(const SQnMiniProgramSelector* param, int id, int listenerData) {
    if (!param) return false;
    m_font = FontOrDefault(param->font, FontName_Geneva9);
    m_colour = param->colour;
    m_image = param->image ? param->image : CachedImage("MiniProgramSelector");
    m_background = param->background;
    m_backgroundX = param->backgroundX;
    m_backgroundY = param->backgroundY;
    const int width = m_image ? m_image->GetWidth() : 0;
    const int height = m_image ? m_image->GetHeight() : 0;
    CHfcControl::Create(param->x, param->y, width, height, id);
    m_iUserValue = listenerData;
    m_iMin = 0;
    m_iMax = kMaxValue;
    m_iValue = 0;
    Enable(false);
    Show(false);
    return true;
}

void QnMiniProgramSelector::SetIntValue(int value, bool redraw) {
    m_iValue = value < m_iMin || value > m_iMax ? -1 : value;
    if (redraw) m_bDirty = true;
}

int QnMiniProgramSelector::GetBankNumber() const {
    return QnUtils::ConvertFromParamBank(m_iValue / 128);
}

int QnMiniProgramSelector::GetProgNumber() const {
    return m_iValue % 128;
}

std::string QnMiniProgramSelector::GetFirstLine() const {
    // No sound: dashes, not a bank and a negative program number.
    if (m_iValue < 0) return "-:---";
    const int bank = GetBankNumber();
    return QnUtils::GetBankName(m_pRemoteSynth, 2, bank) + ":" +
           QnUtils::GetProgNumberAsString(m_pRemoteSynth, 2, bank, GetProgNumber());
}

std::string QnMiniProgramSelector::GetSecondLine() const {
    if (m_iValue < 0) return "---------------";
    return QnUtils::GetProgramName(m_pRemoteSynth, 2, GetBankNumber(), GetProgNumber());
}

bool QnMiniProgramSelector::OnHfcMouseLButtonDown(CHfcMouse*, int x, int y, int modifiers) {
    m_pressed = true;
    if (OfferPress(this, x, y, modifiers)) return true;
    if (m_pListener) m_pListener->OnHfcCtrlIntValueChanged(this, m_iValue);
    TakeOrReleaseFocus(this);
    return true;
}

bool QnMiniProgramSelector::OnHfcMouseLButtonUp(CHfcMouse* mouse, int x, int y, int modifiers) {
    m_pressed = false;
    return SelectorRelease(this, mouse, x, y, modifiers);
}

void QnMiniProgramSelector::Draw(CHfcDrawContext* context) {
    if (!m_bVisible || !context) return;
    DrawBackground(context, m_rect, nullptr, 0, 0);
    DrawImage(context, m_rect.left, m_rect.top, m_image);
    if (m_font) {
        const uint32_t colour = TextColour(m_colour, m_bEnabled, m_fDisabledAlpha);
        const int width = Width(m_rect) - 10;
        context->DrawBmpTextProportional(m_rect.left + 5, m_rect.top + 3, GetFirstLine().c_str(), width,
                                         m_font, colour, false);
        context->DrawBmpTextProportional(m_rect.left + 5, m_rect.top + 12, GetSecondLine().c_str(), width,
                                         m_font, colour, false);
    }
    if (IsFocused()) DrawFocus(context);
}

// ---- QnSoundSelector ----

QnSoundSelector::QnSoundSelector() = default;

QnSoundSelector::~QnSoundSelector() = default;

bool QnSoundSelector::Create(const SQnSoundSelector* param, int id, int listenerData) {
    if (!param) return false;
    m_kind = param->kind;
    m_font = FontOrDefault(param->font, FontName_Geneva9);
    m_colour = param->colour;
    m_inset = param->inset;
    m_lcd = param->lcd;
    m_background = param->background;
    m_backgroundX = param->backgroundX;
    m_backgroundY = param->backgroundY;
    const int width = m_lcd ? m_lcd->GetWidth() : 0;
    const int height = m_lcd ? m_lcd->GetHeight() : 0;
    CHfcControl::Create(param->x, param->y, width, height, id);
    m_iUserValue = listenerData;
    Enable(false);
    Show(false);
    return true;
}

void QnSoundSelector::SetPtrValue(void* text, bool redraw) {
    m_text = text ? static_cast<const char*>(text) : "";
    if (redraw) m_bDirty = true;
}

void QnSoundSelector::SetIntValue(int value, bool redraw) {
    m_iValue = value < m_iMin || value > m_iMax ? -1 : value;
    if (redraw) m_bDirty = true;
}

bool QnSoundSelector::OnHfcMouseLButtonDown(CHfcMouse*, int x, int y, int modifiers) {
    m_pressed = true;
    if (OfferPress(this, x, y, modifiers)) return true;
    TakeOrReleaseFocus(this);
    return true;
}

bool QnSoundSelector::OnHfcMouseLButtonUp(CHfcMouse* mouse, int x, int y, int modifiers) {
    m_pressed = false;
    return SelectorRelease(this, mouse, x, y, modifiers);
}

void QnSoundSelector::Draw(CHfcDrawContext* context) {
    if (!m_bVisible || !context) return;
    DrawBackground(context, m_rect, m_background, m_backgroundX, m_backgroundY);
    DrawImage(context, m_rect.left, m_rect.top, m_lcd);
    if (m_font && !m_text.empty()) {
        const int y = m_rect.top + (Height(m_rect) - m_font->textHeight) / 2;
        context->DrawBmpTextProportional(m_rect.left + m_inset, y, m_text.c_str(),
                                         Width(m_rect) - 2 * m_inset, m_font,
                                         TextColour(m_colour, m_bEnabled, m_fDisabledAlpha), false);
    }
    if (IsFocused()) DrawFocus(context);
}

// ---- QnUpdownSelector ----

QnUpdownSelector::QnUpdownSelector() = default;

QnUpdownSelector::~QnUpdownSelector() {
    if (m_bCreated) QnUpdownSelector::Destroy();
}

bool QnUpdownSelector::Create(const SQnUpdownSelector* param, int id, int listenerData) {
    if (!param) return false;
    m_font = FontOrDefault(param->font, FontName_HelvB11);
    m_colour = param->colour;
    m_image = param->image;
    m_incrementZone = param->incrementZone;
    m_decrementZone = param->decrementZone;
    m_items.clear();
    const int width = m_image ? m_image->GetWidth() : 0;
    const int height = m_image ? m_image->GetHeight() : 0;
    CHfcControl::Create(param->x, param->y, width, height, id);
    m_iUserValue = listenerData;
    m_iValue = m_iMin = m_iMax = 0;
    m_pressed = m_dragging = false;
    Enable(false);
    Show(false);
    SetFocusOnClick(true);
    return true;
}

bool QnUpdownSelector::Destroy() {
    m_pressed = m_dragging = false;
    if (IsFocused()) ReleaseFocus();
    return CHfcControl::Destroy();
}

int QnUpdownSelector::AddItem(const std::string& text) {
    m_items.push_back(text);
    m_iMax = GetItemCount() - 1;
    return m_iMax;
}

void QnUpdownSelector::ClearAllItems() {
    m_items.clear();
    m_iValue = m_iMin = m_iMax = 0;
}

std::string QnUpdownSelector::GetItemText(int index) const {
    return index >= 0 && index < GetItemCount() ? m_items[static_cast<size_t>(index)] : std::string();
}

void QnUpdownSelector::SetItemText(int index, const std::string& text) {
    if (index >= 0 && index < GetItemCount()) m_items[static_cast<size_t>(index)] = text;
    m_bDirty = true;
}

void QnUpdownSelector::SetIntValue(int value, bool redraw) {
    m_iValue = value < 0 || value >= GetItemCount() ? -1 : value;
    if (redraw) m_bDirty = true;
}

bool QnUpdownSelector::Step(int delta) {
    const int old = m_iValue;
    m_iValue = static_cast<int>(
        std::clamp<int64_t>(static_cast<int64_t>(m_iValue) + delta, m_iMin, std::max(m_iMin, m_iMax)));
    m_bDirty = true;
    return m_iValue != old;
}

bool QnUpdownSelector::OnHfcMouseLButtonDown(CHfcMouse* mouse, int x, int y, int modifiers) {
    // A press the listener takes is not this control's: it must not leave a repeat running.
    if (OfferPress(this, x, y, modifiers)) return true;
    m_pressed = true;
    m_repeatTimer = 0;
    m_down = false;
    m_dragging = false;
    // Every press holds the capture, so that its release arrives wherever the pointer is by then.
    if (mouse) mouse->SetCapture(this, nullptr);
    bool changed = false;
    bool zone = true;
    if (Contains(m_incrementZone, x, y)) {
        changed = Step(1);
    } else if (Contains(m_decrementZone, x, y)) {
        m_down = true;
        changed = Step(-1);
    } else {
        zone = false;
        m_accumulator = static_cast<float>(m_iValue);
        m_lastReported = m_iValue;
        m_last = {x, y};
        m_dragging = true;
        UpdateLastTime();
    }
    if (zone && changed && m_pListener) m_pListener->OnHfcCtrlIntValueChanged(this, m_iValue);
    TakeOrReleaseFocus(this);
    return true;
}

bool QnUpdownSelector::OnHfcMouseLButtonDoubleClick(CHfcMouse* mouse, int x, int y, int modifiers) {
    return OnHfcMouseLButtonDown(mouse, x, y, modifiers);
}

bool QnUpdownSelector::OnKeyDown(int character, int, int) {
    const int direction = ArrowKeyDirection(character);
    if (direction == 0) return false;
    if (Step(direction) && m_pListener) m_pListener->OnHfcCtrlIntValueChanged(this, m_iValue);
    return true;
}

bool QnUpdownSelector::OnKeyRepeat(int character, int virtualKey, int modifiers) {
    return OnKeyDown(character, virtualKey, modifiers);
}

void QnUpdownSelector::OnIdle(int elapsedMs) {
    if (m_pressed && m_repeatTimer < kRepeatMs) {
        m_repeatTimer =
            static_cast<int>(std::min<int64_t>(static_cast<int64_t>(m_repeatTimer) + elapsedMs, INT_MAX));
        if (m_repeatTimer >= kRepeatMs) {
            // A step that changes nothing leaves the timer up: the repeat has ended.
            if (Step(m_down ? -1 : 1) && m_pListener) {
                m_repeatTimer = 0;
                m_pListener->OnHfcCtrlIntValueChanged(this, m_iValue);
            }
        }
    }
    CHfcControl::OnIdle(elapsedMs);
}

bool QnUpdownSelector::OnHfcMouseMove(CHfcMouse* mouse, int x, int y, int modifiers) {
    if (m_pListener) m_pListener->OnHfcCtrlMouseMove(this, x, y, modifiers);
    m_repeatTimer = INT_MAX;
    const bool captured = mouse && mouse->GetCapture() == static_cast<CHfcMouseListener*>(this);
    if (!captured || !m_dragging || y == m_last.y) return true;
    const int delta = m_last.y - y;
    if (modifiers & 1) {
        m_accumulator += static_cast<float>(delta) * kCoarseDrag;
    } else {
        m_accumulator += static_cast<float>(delta) * kFineDrag * GetMouseDeltaRatio();
    }
    m_iValue = std::clamp(SaturatingToInt(m_accumulator), m_iMin, std::max(m_iMin, m_iMax));
    m_bDirty = true;
    if (m_iValue != m_lastReported) {
        m_lastReported = m_iValue;
        if (m_pListener) m_pListener->OnHfcCtrlIntValueChanged(this, m_iValue);
    }
    m_last = {x, y};
    return true;
}

bool QnUpdownSelector::OnHfcMouseLButtonUp(CHfcMouse* mouse, int x, int y, int modifiers) {
    m_pressed = false;
    m_dragging = false;
    return SelectorRelease(this, mouse, x, y, modifiers);
}

bool QnUpdownSelector::OnHfcMouseLostCapture(CHfcMouse*) {
    // Whatever took the mouse away, the button is no longer this control's: stop stepping.
    m_pressed = false;
    m_dragging = false;
    if (m_pListener) m_pListener->OnHfcCtrlMouseLostCapture(this);
    return true;
}

void QnUpdownSelector::Draw(CHfcDrawContext* context) {
    if (!m_bVisible || !context) return;
    DrawBackground(context, m_rect, nullptr, 0, 0);
    DrawImage(context, m_rect.left, m_rect.top, m_image);
    if (m_font && m_iValue >= 0 && m_iValue < GetItemCount()) {
        const int y = m_rect.top + Height(m_rect) / 2 - m_font->textHeight / 2;
        context->DrawBmpTextProportional(m_rect.left + 10, y, m_items[static_cast<size_t>(m_iValue)].c_str(),
                                         Width(m_rect) - 30, m_font,
                                         TextColour(m_colour, m_bEnabled, m_fDisabledAlpha), false);
    }
    if (IsFocused()) DrawFocus(context);
}

// ---- QnOctaveSelector ----

QnOctaveSelector::QnOctaveSelector() = default;

QnOctaveSelector::~QnOctaveSelector() = default;

bool QnOctaveSelector::Create(int x, int y, CHfcBmp* background, int backgroundX, int backgroundY, int id) {
    return Create(x, y, background, backgroundX, backgroundY, id, CachedImage("Image_Keyboard"));
}

bool QnOctaveSelector::Create(int x, int y, CHfcBmp* background, int backgroundX, int backgroundY, int id,
                              CHfcBmp* keyboard) {
    if (!keyboard) return false;
    m_keyboard = keyboard;
    m_background = background;
    m_backgroundX = backgroundX;
    m_backgroundY = backgroundY;
    CHfcControl::Create(x, y, keyboard->GetWidth() + 4, keyboard->GetHeight() + 4, id);
    m_iMin = 0;
    m_iMax = kMaxOctave;
    m_iValue = 0;
    Enable(false);
    Show(false);
    return true;
}

void QnOctaveSelector::Follow(int x) {
    m_iValue = std::clamp(x / G::kOctavePitch, 0, kMaxOctave);
    if (m_pListener) m_pListener->OnHfcCtrlIntValueChanged(this, m_iValue);
    m_bDirty = true;
}

bool QnOctaveSelector::OnHfcMouseLButtonDown(CHfcMouse* mouse, int x, int y, int modifiers) {
    if (OfferPress(this, x, y, modifiers)) return true;
    if (mouse) mouse->SetCapture(this, nullptr);
    Follow(x);
    return true;
}

bool QnOctaveSelector::OnHfcMouseMove(CHfcMouse* mouse, int x, int y, int modifiers) {
    if (!mouse || mouse->GetCapture() != static_cast<CHfcMouseListener*>(this)) return false;
    if (m_pListener && m_pListener->OnHfcCtrlMouseMove(this, x, y, modifiers)) return true;
    Follow(x);
    return true;
}

bool QnOctaveSelector::OnHfcMouseLButtonUp(CHfcMouse* mouse, int x, int y, int modifiers) {
    return SelectorRelease(this, mouse, x, y, modifiers);
}

void QnOctaveSelector::Draw(CHfcDrawContext* context) {
    if (!m_bVisible || !context) return;
    DrawBackground(context, m_rect, m_background, m_backgroundX, m_backgroundY);
    DrawImage(context, m_rect.left + 2, m_rect.top + 2, m_keyboard);
    if (m_iValue >= 0 && m_iValue <= kMaxOctave) {
        const int width = m_iValue == kMaxOctave ? 37 : 51;
        const int x = m_rect.left + m_iValue * G::kOctavePitch;
        const uint32_t pen = context->GetPenColor();
        context->SetPenColor(0xFFFF0000);
        context->FrameRect(x, m_rect.top, width, 26);
        context->FrameRect(x + 1, m_rect.top + 1, width, 26);
        context->SetPenColor(pen);
    }
    if (IsFocused()) DrawFocus(context);
}

// ---- QnKeySelector ----

QnKeySelector::QnKeySelector() = default;

QnKeySelector::~QnKeySelector() = default;

bool QnKeySelector::Create(int x, int y, CHfcBmp* background, int backgroundX, int backgroundY, int id) {
    return Create(x, y, background, backgroundX, backgroundY, id, CachedImage("Image_Keyboard"),
                  CachedImage("Image_RedArrow_Down"));
}

bool QnKeySelector::Create(int x, int y, CHfcBmp* background, int backgroundX, int backgroundY, int id,
                           CHfcBmp* keyboard, CHfcBmp* arrow) {
    if (!keyboard) return false;
    m_keyboard = keyboard;
    m_arrow = arrow;
    m_background = background;
    m_backgroundX = backgroundX;
    m_backgroundY = backgroundY;
    const int arrowHeight = arrow ? arrow->GetHeight() : 0;
    CHfcControl::Create(x, y, keyboard->GetWidth() + 4, keyboard->GetHeight() + arrowHeight + 1, id);
    m_iMin = 0;
    m_iMax = 127;
    m_iValue = 0;
    Enable(false);
    Show(false);
    return true;
}

int QnKeySelector::ArrowLeft(int key) {
    // The value is stored as given; only a key of the keyboard has an arrow.
    if (key < 0 || key > 127) return -1;
    return (key / 12) * G::kOctavePitch + G::kKeyArrowOffset[key % 12] - 3;
}

bool QnKeySelector::OnHfcMouseLButtonDown(CHfcMouse* mouse, int x, int y, int modifiers) {
    if (OfferPress(this, x, y, modifiers)) return true;
    if (mouse) mouse->SetCapture(this, nullptr);
    return true;
}

bool QnKeySelector::OnHfcMouseMove(CHfcMouse*, int x, int y, int modifiers) {
    if (m_pListener) m_pListener->OnHfcCtrlMouseMove(this, x, y, modifiers);
    return true;
}

bool QnKeySelector::OnHfcMouseLButtonUp(CHfcMouse* mouse, int x, int y, int modifiers) {
    return SelectorRelease(this, mouse, x, y, modifiers);
}

void QnKeySelector::Draw(CHfcDrawContext* context) {
    if (!m_bVisible || !context) return;
    DrawBackground(context, m_rect, m_background, m_backgroundX, m_backgroundY);
    const int arrowHeight = m_arrow ? m_arrow->GetHeight() : 0;
    DrawImage(context, m_rect.left + 2, m_rect.top + arrowHeight + 1, m_keyboard);
    const int arrowLeft = ArrowLeft(m_iValue);
    if (arrowLeft >= 0) DrawImage(context, m_rect.left + arrowLeft, m_rect.top, m_arrow);
    if (IsFocused()) DrawFocus(context);
}
