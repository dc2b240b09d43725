#include "Common/Controls/MMPCtrlList.h"

#include <algorithm>
#include <cstring>

#include "Common/Controls/ControlMath.h"
#include "Hfc/Core/HfcInput.h"
#include "Hfc/Core/HfcWindowLayer.h"
#include "Hfc/Draw/HfcBmp.h"
#include "Hfc/Draw/HfcDrawContext.h"

CMMPCtrlList::CMMPCtrlList() = default;

CMMPCtrlList::~CMMPCtrlList() = default;

bool CMMPCtrlList::CreateEx(const tagMMPCtrlListParamEx* param, int id, int listenerData) {
    if (!param || !param->font || param->width <= 0 || param->height <= 0) return false;
    // A grid without columns or rows has no cells to divide the size into.
    if (param->columns <= 0 || param->rows <= 0) return false;
    m_param = *param;
    if (m_param.charWidth == 0) m_param.charWidth = param->font->GetWidth();
    if (m_param.charHeight == 0) m_param.charHeight = param->font->GetHeight() / 128;
    const float cellWidth = static_cast<float>(param->width) / static_cast<float>(param->columns);
    const float cellHeight = static_cast<float>(param->height) / static_cast<float>(param->rows);
    if (m_param.textY == 0) {
        m_param.textY = SaturatingToInt(0.5f * cellHeight) - m_param.charHeight / 2 - m_param.marginY;
    }
    tagHfcCtrlListLayout layout;
    layout.backgroundWidth = param->width;
    layout.backgroundHeight = param->height;
    layout.backgroundX = param->backgroundX;
    layout.backgroundY = param->backgroundY;
    layout.background = param->background;
    layout.font = param->font;
    layout.selectedFont = param->selectedFont;
    layout.disabledFont = param->disabledFont;
    layout.charWidth = m_param.charWidth;
    layout.charHeight = m_param.charHeight;
    layout.maxItems = param->maximum;
    layout.columns = param->columns;
    layout.rows = param->rows;
    layout.insetX = param->marginX;
    layout.insetY = param->marginY;
    layout.textX = param->textX;
    layout.textY = m_param.textY;
    layout.columnMajor = param->columnMajor ? 1 : 0;
    layout.multipleSelection = 0;
    layout.dragOut = 0;
    layout.selectionColour = param->selectionColour;
    layout.markColour = param->markedColour;
    layout.frameColour = param->frameColour;
    SetLayout(layout, cellWidth, cellHeight);
    std::fill(m_viewCells.begin(), m_viewCells.end(), 1);
    CHfcControl::Create(param->x, param->y, param->width, param->height, id);
    m_iUserValue = listenerData;
    m_iMin = 0;
    m_iMax = param->maximum;
    Enable(false);
    Show(false);
    return true;
}

bool CMMPCtrlList::IsCellDrawn(int viewIndex) const {
    return viewIndex >= 0 && viewIndex < static_cast<int>(m_viewCells.size()) &&
           m_viewCells[static_cast<size_t>(viewIndex)] != 0;
}

CHfcCtrlListItem* CMMPCtrlList::GetSelectedItem() {
    return GetItem(GetSelectedItemIndex());
}

void CMMPCtrlList::Draw(CHfcDrawContext* context) {
    if (!m_bVisible || !m_bCreated || !context) return;
    const tagHfcRect& grown = m_rcFocus;
    const int w = grown.right - grown.left;
    const int h = grown.bottom - grown.top;
    context->ClearRect(grown.left, grown.top, w, h);
    if (m_param.background) {
        context->CopyBmp(grown.left, grown.top, w, h, m_param.background,
                         m_param.backgroundX - m_iFocusMargin, m_param.backgroundY - m_iFocusMargin);
    }
    // Every cell is painted over the fresh background: none is blended over its old look.
    m_individual = false;
    DrawList(context, true);
    CopyToWindow(grown);
    if (IsFocused()) DrawFocus(context);
}

void CMMPCtrlList::DrawList(CHfcDrawContext* context, bool force) {
    const int cells = std::min(GetNumViewItems(), static_cast<int>(m_viewCells.size()));
    for (int v = 0; v < cells; ++v) {
        CHfcCtrlListItem* item = GetItem(ViewIndexToIndex(v));
        const bool shows = item && item->m_visible;
        if (shows) CHfcCtrlList::DrawCell(context, item->m_index, force);
        m_viewCells[static_cast<size_t>(v)] = shows ? 1 : 0;
    }
}

void CMMPCtrlList::Erase(CHfcDrawContext* context) {
    if (!context) return;
    const int w = m_rect.right - m_rect.left;
    const int h = m_rect.bottom - m_rect.top;
    context->ClearRect(m_rect.left, m_rect.top, w, h);
    if (m_param.background) {
        context->CopyBmp(m_rect.left, m_rect.top, w, h, m_param.background, m_param.backgroundX,
                         m_param.backgroundY);
    }
}

bool CMMPCtrlList::Update(bool force, bool now) {
    CHfcOffscreenContext* context = m_pParent ? m_pParent->GetContext() : nullptr;
    if (!context) return false;
    m_now = now;
    if (m_bVisible) {
        if (!force && !m_bDirty) return false;
        m_bDirty = false;
        Draw(context);
        return true;
    }
    if (!m_bErasePending) return false;
    m_bErasePending = false;
    Erase(context);
    CopyToWindow(m_rect);
    return true;
}

void CMMPCtrlList::DrawCell(CHfcOffscreenContext* offscreen, CHfcCtrlListItem* item, int, int, int) {
    const int mx = m_param.marginX;
    const int my = m_param.marginY;
    const int innerWidth = SaturatingToInt(m_cellWidth) - 2 * mx;
    const int innerHeight = SaturatingToInt(m_cellHeight) - 2 * my;
    CHfcBmp* font = m_param.font;
    if (item->m_selected) {
        offscreen->SetBrushColor(m_param.selectionColour);
        offscreen->FillRect(mx, my, innerWidth, innerHeight);
        if (m_param.selectedFont) font = m_param.selectedFont;
    } else if (item->m_marked) {
        offscreen->SetBrushColor(m_param.markedColour);
        offscreen->FillRect(mx, my, innerWidth, innerHeight);
    }
    if (item->m_framed) {
        offscreen->SetPenColor(m_param.frameColour);
        offscreen->FrameRect(mx, my, innerWidth, innerHeight);
    }
    if (!item->m_enabled && m_param.disabledFont) font = m_param.disabledFont;
    const int charWidth = m_param.charWidth;
    if (!item->m_caption || charWidth <= 0) return;
    const int length = static_cast<int>(strnlen(item->m_caption, CHfcCtrlListItem::kMaxCaption - 1));
    const int count = std::min(length, innerWidth / charWidth);
    if (count <= 0) return;
    const int x = m_param.textX != 0 ? m_param.textX : innerWidth / 2 - charWidth * count / 2;
    const int y = m_param.textY + my;
    if (m_param.proportional && m_param.proportionalFont) {
        offscreen->DrawBmpTextProportional(mx + x, y, item->m_caption, charWidth * count,
                                           m_param.proportionalFont, m_param.textColour, false);
    } else {
        offscreen->DrawBmpText(mx + x, y, item->m_caption, count, font, charWidth, m_param.charHeight);
    }
}

bool CMMPCtrlList::OnHfcMouseLButtonDown(CHfcMouse* mouse, int x, int y, int modifiers) {
    const bool handled = CHfcCtrlList::OnHfcMouseLButtonDown(mouse, x, y, modifiers);
    if (m_bFocusOnClick) SetFocus(0);
    return handled;
}

bool CMMPCtrlList::OnHfcMouseLButtonUp(CHfcMouse* mouse, int x, int y, int modifiers) {
    if (mouse && mouse->GetCapture() == this) mouse->ReleaseCapture();
    const bool waiting = m_pressed;
    m_pressedIndex = -1;
    m_pressed = false;
    m_clickMode = 0;
    if (m_pListener && m_pListener->OnHfcCtrlMouseLButtonUp(this, x, y, modifiers)) return true;
    if (!waiting) return true;
    const int index = IndexAt(x, y);
    CHfcCtrlListItem* item = GetItem(index);
    if (!item || (m_filter && !item->m_marked)) return true;
    // The press already selected the item: toggling it again would take that selection back.
    if (item->m_selected) return true;
    SelectCell(index, 2);
    SelectFinish();
    return true;
}

int CMMPCtrlList::ArrowTarget(int index, int key) const {
    const int count = GetNumItems();
    const bool columnMajor = m_param.columnMajor;
    int step = 0;
    switch (key) {
        case kKeyLeft:
            step = columnMajor ? -m_param.rows : -1;
            break;
        case kKeyRight:
            step = columnMajor ? m_param.rows : 1;
            break;
        case kKeyUp:
            step = columnMajor ? -1 : -m_param.columns;
            break;
        case kKeyDown:
            step = columnMajor ? 1 : m_param.columns;
            break;
        default:
            break;
    }
    const int target = index + step;
    return target >= 0 && target < count ? target : index;
}

int CMMPCtrlList::NearestMarked(int index, int step) const {
    const int count = GetNumItems();
    for (int i = index + step; i >= 0 && i < count; i += step) {
        if (m_items[static_cast<size_t>(i)]->m_marked) return i;
    }
    return -1;
}

void CMMPCtrlList::SelectByKey(int index) {
    SelectCell(index, 0);
    if (CheckNeedScroll(index)) SendEvent(kEventOutOfView, index, nullptr);
    SelectFinish();
}

bool CMMPCtrlList::OnKeyDown(int ch, int, int) {
    const bool arrow = ch >= kKeyLeft && ch <= kKeyDown;
    const bool vertical = ch == kKeyUp || ch == kKeyDown;
    const int current = GetSelectedItemIndex();
    if (ch == kKeyReturn && current >= 0) {
        SelectCell(current, 0);
        CHfcCtrlListItem* item = GetItem(current);
        if (item && item->m_enabled) SendEvent(kEventActivate, current, item);
        return true;
    }
    if (!arrow || (m_filter && !vertical)) return SendEvent(kEventOtherKey, ch, nullptr);
    if (GetNumItems() == 0) return true;
    int target = current;
    if (m_filter) {
        target = NearestMarked(current, ch == kKeyUp && current >= 0 ? -1 : 1);
        if (target < 0) return true;
    } else if (current < 0) {
        target = 0;
    } else {
        target = ArrowTarget(current, ch);
        if (target == current) return true;
    }
    SelectByKey(target);
    return true;
}

bool CMMPCtrlList::OnKeyRepeat(int ch, int key, int modifiers) {
    return OnKeyDown(ch, key, modifiers);
}
