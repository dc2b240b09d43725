#include "Common/Controls/QnDropdownList.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

#include "Common/Controls/ControlMath.h"
#include "Common/Controls/ListControlsText.h"
#include "Common/Layers/QnSynthLayer.h"
#include "Hfc/Core/HfcInput.h"
#include "Hfc/Core/HfcPopupMenu.h"
#include "Hfc/Core/HfcWindowLayer.h"
#include "Hfc/Draw/HfcBmp.h"
#include "Hfc/Draw/HfcDrawContext.h"

namespace {

// Shows a popup of texts (entry k has id k + 1) at (x, y) of the layer's window, with `checked`
// marked and `underMouse` placed under the pointer; the chosen entry's index, or -1.
int PickFromPopup(CHfcWindowLayer* layer, const std::vector<const std::string*>& texts, int checked, int x,
                  int y, int underMouse) {
    CHfcPopupMenu menu;
    if (!menu.Create(0)) return -1;
    const int count = static_cast<int>(texts.size());
    for (int k = 0; k < count; ++k) menu.InsertItem(k, k + 1, texts[static_cast<size_t>(k)]->c_str(), 0);
    if (checked >= 0 && checked < count) menu.CheckItem(checked, true);
    const int chosen = menu.TrackPopupById(x, y, layer ? layer->GetWindow() : nullptr, underMouse);
    menu.Destroy();
    return chosen >= 1 && chosen <= count ? chosen - 1 : -1;
}

// The control's point (x, y) in its window's coordinates: the layer's origin plus the control's.
tagHfcPoint WindowPoint(const CHfcControl* control, int x, int y) {
    tagHfcPoint point{control->GetRect().left + x, control->GetRect().top + y};
    if (const CHfcWindowLayer* layer = control->GetParent()) {
        point.x += layer->GetRect().left;
        point.y += layer->GetRect().top;
    }
    return point;
}

// The left edge of a face's text for alignment 1 (centredX), 2 (right: the width loses the margin)
// and 0 (left at the margin, the width losing it); any other alignment starts at 0.
int AlignFaceText(int hAlign, int margin, int textWidth, int* width, int centredX) {
    switch (hAlign) {
        case 1:
            return centredX;
        case 2:
            *width -= margin;
            return *width - textWidth;
        case 0:
            *width -= margin;
            return margin;
        default:
            return 0;
    }
}

void DrawFaceText(CHfcDrawContext* context, const tagHfcRect& face, const char* text, int x, int width,
                  tagHfcBmpFontInfo* font, int vAlign, int vMargin, uint32_t colour) {
    const int y = ControlTextTop(vAlign, face.bottom - face.top, font->textHeight, vMargin);
    context->DrawBmpTextProportional(face.left + x, face.top + y, text, width, font, colour, false);
}

}  // namespace

QnDropdownList::QnDropdownList() {
    m_iValue = kInvalidValue;
    m_iMin = -1;
    m_iMax = -1;
}

QnDropdownList::~QnDropdownList() = default;

bool QnDropdownList::Create(const SQnDropdownListParam* param, int id, int listenerData) {
    if (!param) return false;
    if (param->bitmap) {
        if (!CHfcCtrlTextSwitch::Create(param, id, listenerData)) return false;
    } else {
        // A look without an image: a face of the record's size with no picture.
        Initialize();
        m_states = 1;
        m_frameCount = 1;
        CHfcControl::Create(param->x, param->y, param->width, param->height, id);
        m_iUserValue = listenerData;
        SetTextLook(param);
        Enable(false);
    }
    m_arrowZoneWidth = param->arrowZoneWidth;
    // The text switch made its range from the states: a dropdown has none until it is filled.
    m_iValue = kInvalidValue;
    m_iMin = -1;
    m_iMax = -1;
    m_items.clear();
    SetFocusOnClick(true);
    Show(false);
    return true;
}

void QnDropdownList::AddItem(const char* text, const char* shortText, bool redraw) {
    const char* face = shortText ? shortText : text;
    m_items.push_back({text ? text : "", face ? face : ""});
    m_iMin = 0;
    m_iMax = GetItemCount() - 1;
    if (redraw) m_bDirty = true;
}

void QnDropdownList::AddItem(const char* text, bool redraw) {
    AddItem(text, nullptr, redraw);
}

void QnDropdownList::DeleteAllItems() {
    m_items.clear();
    m_iValue = -1;
    m_bDirty = true;
}

void QnDropdownList::SetParameter(int kind, int value, void* pointer, bool redraw) {
    if (kind == QnSynthLayer::kDropdownClearItems) {
        DeleteAllItems();
    } else if (kind == QnSynthLayer::kDropdownAddItem) {
        const char* text = static_cast<const char*>(pointer);
        if (text != nullptr) AddItem(text, text + std::strlen(text) + 1, redraw);
    } else {
        CHfcCtrlTextSwitch::SetParameter(kind, value, pointer, redraw);
    }
}

bool QnDropdownList::GetItemText(std::string& out, int index) const {
    if (index < 0 || index >= GetItemCount()) {
        out.clear();
        return false;
    }
    out = m_items[static_cast<size_t>(index)].text;
    return true;
}

int QnDropdownList::ItemOfValue(int value) const {
    if (value == kInvalidValue) return -1;
    const int64_t index = static_cast<int64_t>(value) - m_iMin;
    return index >= 0 && index < GetItemCount() ? static_cast<int>(index) : -1;
}

int QnDropdownList::PopupEntryCount() const {
    const int64_t span = static_cast<int64_t>(m_iMax) - m_iMin + 1;
    return static_cast<int>(std::clamp<int64_t>(span, 0, GetItemCount()));
}

void QnDropdownList::SetIntValue(int value, bool redraw) {
    m_iValue = value;
    SetSelectedItemIndex(ItemOfValue(value), redraw);
}

void QnDropdownList::SetSelectedItemIndex(int index, bool redraw) {
    if (index < 0 || index >= GetItemCount()) m_iValue = kInvalidValue;
    if (redraw) m_bDirty = true;
}

bool QnDropdownList::OnHfcMouseLButtonDown(CHfcMouse*, int, int, int) {
    if (m_bFocusOnClick) {
        SetFocus(0);
    } else {
        ReleaseFocus(nullptr);
    }
    std::vector<const std::string*> texts;
    const int entries = PopupEntryCount();
    for (int k = 0; k < entries; ++k) texts.push_back(&m_items[static_cast<size_t>(k)].text);
    const int current = m_iValue == kInvalidValue ? -1 : ItemOfValue(m_iValue);
    const tagHfcPoint at = WindowPoint(this, 0, m_rect.bottom - m_rect.top);
    m_pressed = 0x80000000u;
    m_bDirty = true;
    const int picked = PickFromPopup(m_pParent, texts, current, at.x, at.y, current);
    m_pressed = 0;
    if (picked >= 0) {
        m_iValue = m_iMin + picked;
        if (m_pListener) m_pListener->OnHfcCtrlIntValueChanged(this, m_iValue);
    }
    return true;
}

bool QnDropdownList::OnKeyDown(int character, int, int) {
    const int direction = ArrowKeyDirection(character);
    if (direction == 0) return false;
    const int entries = PopupEntryCount();
    if (entries == 0) return true;
    const int current = m_iValue == kInvalidValue ? -1 : ItemOfValue(m_iValue);
    const int next =
        current < 0 ? (direction > 0 ? 0 : entries - 1) : std::clamp(current + direction, 0, entries - 1);
    if (next == current) return true;
    m_iValue = m_iMin + next;
    m_bDirty = true;
    if (m_pListener) m_pListener->OnHfcCtrlIntValueChanged(this, m_iValue);
    return true;
}

bool QnDropdownList::OnKeyRepeat(int character, int virtualKey, int modifiers) {
    return OnKeyDown(character, virtualKey, modifiers);
}

void QnDropdownList::Draw(CHfcDrawContext* context) {
    if (!m_bVisible || !context || !m_bitmap) return;
    int frame = !m_oneFramePerState && m_pressed ? 1 : 0;
    if (!m_bEnabled && m_hasDisabledFrame) frame = m_states * (m_oneFramePerState ? 1 : 2);
    DrawFrame(context, frame);
    DrawText(context);
    if (IsFocused()) DrawFocus(context);
}

void QnDropdownList::DrawText(CHfcDrawContext* context) {
    const int item = ItemOfValue(m_iValue);
    if (!m_font || item < 0) return;
    const char* text = m_items[static_cast<size_t>(item)].shortText.c_str();
    const int textWidth = HfcGetBmpTextWidth(m_font, text);
    int width = (m_rect.right - m_rect.left) - m_arrowZoneWidth;
    const int room = width - 2 * m_hMargin - textWidth;
    int x =
        AlignFaceText(m_hAlign, m_hMargin, textWidth, &width, room > 0 ? m_hMargin + room / 2 : m_hMargin);
    if (x < 0) x = m_hMargin;
    const uint32_t colour = m_bEnabled ? m_colour : ControlDisabledColour(m_colour, m_fDisabledAlpha);
    DrawFaceText(context, m_rect, text, x, width, m_font, m_vAlign, m_vMargin, colour);
}

QnDropdownListSwitch::QnDropdownListSwitch() = default;

QnDropdownListSwitch::~QnDropdownListSwitch() = default;

bool QnDropdownListSwitch::Create(const SQnDropdownListSwitchParam* param, int id, int listenerData) {
    if (!param) return false;
    if (!CHfcCtrlTextSwitch::Create(param, id, listenerData)) return false;
    m_onTextColour = 0xFFFFFFFF;
    Show(false);
    return true;
}

void QnDropdownListSwitch::AddItem(const char* text, bool redraw) {
    m_items.emplace_back(text ? text : "");
    if (redraw) m_bDirty = true;
}

void QnDropdownListSwitch::DeleteAllItems() {
    m_items.clear();
    m_bDirty = true;
}

void QnDropdownListSwitch::SetSelectedItemIndex(int index, bool redraw) {
    m_selected = index < 0 || index >= GetItemCount() ? -1 : index;
    if (redraw) m_bDirty = true;
}

bool QnDropdownListSwitch::OnHfcMouseLButtonDown(CHfcMouse* mouse, int x, int y, int modifiers) {
    const int faceWidth = m_rect.right - m_rect.left;
    if (x < faceWidth - m_zoneWidth) return CHfcCtrlTextSwitch::OnHfcMouseLButtonDown(mouse, x, y, modifiers);
    std::vector<const std::string*> texts;
    for (const std::string& item : m_items) texts.push_back(&item);
    const tagHfcPoint at = WindowPoint(this, faceWidth - m_zoneWidth, 0);
    const int picked = PickFromPopup(m_pParent, texts, m_selected, at.x, at.y, 0);
    if (picked >= 0) {
        m_selected = picked;
        m_bDirty = true;
        if (m_pListener) m_pListener->OnHfcCtrlEvent(this, 0, picked, nullptr);
    }
    return true;
}

void QnDropdownListSwitch::Draw(CHfcDrawContext* context) {
    if (!m_bVisible || !context || !m_bitmap) return;
    DrawFrame(context);
    DrawText(context);
    if (IsFocused()) DrawFocus(context);
}

void QnDropdownListSwitch::DrawText(CHfcDrawContext* context) {
    // An emptied list keeps its index: it then names no item and no text is drawn.
    if (!m_font || m_selected < 0 || m_selected >= GetItemCount()) return;
    const char* text = m_items[static_cast<size_t>(m_selected)].c_str();
    const int textWidth = HfcGetBmpTextWidth(m_font, text);
    int width = (m_rect.right - m_rect.left) - m_zoneWidth - 2;
    const int x = AlignFaceText(m_hAlign, m_hMargin, textWidth, &width, (width - textWidth) / 2 + m_hMargin);
    uint32_t colour = m_iValue != 0 ? m_onTextColour : m_colour;
    if (!m_bEnabled) colour = ControlDisabledColour(colour, m_fDisabledAlpha);
    DrawFaceText(context, m_rect, text, std::max(x, m_hMargin), width, m_font, m_vAlign, m_vMargin, colour);
}
