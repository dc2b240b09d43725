#include "Hfc/Core/HfcCtrlList.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "Hfc/Base/HfcUtil.h"
#include "Hfc/Core/HfcInput.h"
#include "Hfc/Core/HfcWindowLayer.h"
#include "Hfc/Draw/HfcBmp.h"
#include "Hfc/Draw/HfcDrawContext.h"

namespace {

char* CopyCaption(const char* text) {
    const size_t length = strnlen(text, CHfcCtrlListItem::kMaxCaption);
    char* copy = static_cast<char*>(HfcMemAlloc(length + 1));
    if (!copy) return nullptr;
    std::memcpy(copy, text, length);
    copy[length] = '\0';
    return copy;
}

}  // namespace

CHfcCtrlListItem::CHfcCtrlListItem() : m_caption(CopyCaption("")) {}

CHfcCtrlListItem::~CHfcCtrlListItem() {
    HfcMemFree(m_caption);
}

void CHfcCtrlListItem::SetCaption(const char* text) {
    if (!text) text = "";
    if (m_caption && std::strncmp(m_caption, text, kMaxCaption) == 0) return;
    char* copy = CopyCaption(text);
    if (!copy) return;
    HfcMemFree(m_caption);
    m_caption = copy;
    m_dirty = true;
}

char* CHfcCtrlListItem::GetCaption(char* buffer, int length) const {
    if (!m_caption || !buffer || length <= 0) return nullptr;
    // Always terminated: a cut caption must not leave the caller reading past the buffer.
    const size_t room = static_cast<size_t>(std::min(length - 1, kMaxCaption));
    const size_t count = strnlen(m_caption, room);
    std::memcpy(buffer, m_caption, count);
    buffer[count] = '\0';
    return buffer;
}

void CHfcCtrlListItem::SetVisible(bool visible) {
    if (m_visible == visible) return;
    m_visible = visible;
    m_dirty = true;
}

void CHfcCtrlListItem::SetSelected(bool selected) {
    if (m_selected == selected) return;
    m_selected = selected;
    m_dirty = true;
}

CHfcCtrlList::CHfcCtrlList() = default;

CHfcCtrlList::~CHfcCtrlList() {
    if (m_bCreated) CHfcCtrlList::Destroy();
    for (CHfcCtrlListItem* item : m_items) delete item;
}

void CHfcCtrlList::SetLayout(const tagHfcCtrlListLayout& layout, float cellWidth, float cellHeight) {
    m_layout = layout;
    m_cellWidth = cellWidth;
    m_cellHeight = cellHeight;
    m_viewCells.assign(static_cast<size_t>(std::max(0, layout.rows * layout.columns)), 0);
    for (CHfcCtrlListItem* item : m_items) item->m_dirty = true;
    m_bDirty = true;
}

bool CHfcCtrlList::Destroy() {
    ClearItems();
    m_viewCells.clear();
    m_layout = tagHfcCtrlListLayout{};
    m_firstLine = 0;
    return CHfcControl::Destroy();
}

int CHfcCtrlList::PerLine() const {
    return m_layout.columnMajor ? m_layout.rows : m_layout.columns;
}

int CHfcCtrlList::VisibleLines() const {
    return m_layout.columnMajor ? m_layout.columns : m_layout.rows;
}

int CHfcCtrlList::GetNumLines() const {
    const int perLine = PerLine();
    if (perLine <= 0) return 0;
    // Whole lines, the last one possibly part-filled: every item lies on a reachable line.
    return (GetNumItems() + perLine - 1) / perLine;
}

int CHfcCtrlList::GetItemLine(int index) {
    const int perLine = PerLine();
    return perLine > 0 ? index / perLine : 0;
}

void CHfcCtrlList::ViewIndexToCellIndicator(int* column, int* row, int viewIndex) {
    int c = 0, r = 0;
    if (m_layout.columnMajor) {
        if (m_layout.rows > 0) {
            c = viewIndex / m_layout.rows;
            r = viewIndex % m_layout.rows;
        }
    } else if (m_layout.columns > 0) {
        c = viewIndex % m_layout.columns;
        r = viewIndex / m_layout.columns;
    }
    if (column) *column = c;
    if (row) *row = r;
}

void CHfcCtrlList::CellIndicatorToPoint(tagHfcPoint* point, int column, int row) {
    if (!point) return;
    point->x = m_rect.left + static_cast<int>(static_cast<float>(column) * m_cellWidth);
    point->y = m_rect.top + static_cast<int>(static_cast<float>(row) * m_cellHeight);
}

void CHfcCtrlList::ViewIndexToPoint(tagHfcPoint* point, int viewIndex) {
    int column = 0, row = 0;
    ViewIndexToCellIndicator(&column, &row, viewIndex);
    CellIndicatorToPoint(point, column, row);
}

int CHfcCtrlList::PointToViewIndex(int x, int y, int* dx, int* dy) {
    if (m_cellWidth <= 0.0f || m_cellHeight <= 0.0f) return -1;
    const int column = static_cast<int>(static_cast<float>(x) / m_cellWidth);
    const int row = static_cast<int>(static_cast<float>(y) / m_cellHeight);
    if (dx) *dx = static_cast<int>(static_cast<float>(column) * m_cellWidth) - x;
    if (dy) *dy = static_cast<int>(static_cast<float>(row) * m_cellHeight) - y;
    // Points left of or above the grid, or beyond its columns or rows, are in no cell.
    if (x < 0 || y < 0 || column >= m_layout.columns || row >= m_layout.rows) return -1;
    return m_layout.columnMajor ? m_layout.rows * column + row : m_layout.columns * row + column;
}

int CHfcCtrlList::ViewIndexToIndex(int viewIndex) {
    if (viewIndex < 0) return -1;
    const int index = viewIndex + m_firstLine * PerLine();
    return index >= 0 && index < GetNumItems() ? index : -1;
}

int CHfcCtrlList::IndexToViewIndex(int index) {
    const int viewIndex = index - PerLine() * m_firstLine;
    return viewIndex >= 0 && viewIndex < GetNumViewItems() ? viewIndex : -1;
}

bool CHfcCtrlList::CheckNeedScroll(int index) {
    const int line = GetItemLine(index);
    return line < m_firstLine || line >= m_firstLine + VisibleLines();
}

void CHfcCtrlList::SetCurrentLine(int line) {
    line = std::max(0, std::min(line, GetNumLines() - 1));
    if (line == m_firstLine) return;
    for (CHfcCtrlListItem* item : m_items) item->m_dirty = true;
    m_firstLine = line;
    m_bDirty = true;
}

void CHfcCtrlList::AutoScroll(int index, int how) {
    const int line = GetItemLine(index);
    const int visible = VisibleLines();
    int first = m_firstLine;
    if (how == 0) {
        if (line < m_firstLine) first = line;
        if (line >= m_firstLine + visible) first = line - visible + 1;
    } else if (how == 1 && visible > 0) {
        first = visible * (line / visible);
    }
    if (first != m_firstLine) {
        for (CHfcCtrlListItem* item : m_items) item->m_dirty = true;
        m_firstLine = first;
    }
    m_bDirty = true;
}

CHfcCtrlListItem* CHfcCtrlList::AddItem() {
    if (m_layout.maxItems > 0 && GetNumItems() >= m_layout.maxItems) return nullptr;
    CHfcCtrlListItem* item = new CHfcCtrlListItem;
    item->m_index = GetNumItems();
    item->m_dirty = true;
    m_items.push_back(item);
    m_bDirty = true;
    return item;
}

bool CHfcCtrlList::DeleteItem(int index) {
    if (index < 0 || index >= GetNumItems()) return false;
    delete m_items[static_cast<size_t>(index)];
    m_items.erase(m_items.begin() + index);
    for (int i = index; i < GetNumItems(); ++i) {
        m_items[static_cast<size_t>(i)]->m_index = i;
        m_items[static_cast<size_t>(i)]->m_dirty = true;
    }
    m_bDirty = true;
    return true;
}

void CHfcCtrlList::ClearItems() {
    while (!m_items.empty()) DeleteItem(0);
}

CHfcCtrlListItem* CHfcCtrlList::GetItem(int index) {
    return index >= 0 && index < GetNumItems() ? m_items[static_cast<size_t>(index)] : nullptr;
}

int CHfcCtrlList::GetSelectedItemIndex() const {
    for (const CHfcCtrlListItem* item : m_items) {
        if (item->m_selected) return item->m_index;
    }
    return -1;
}

bool CHfcCtrlList::SendEvent(int code, int value, void* pointer) {
    return m_pListener && m_pListener->OnHfcCtrlEvent(this, code, value, pointer);
}

void CHfcCtrlList::ClearItemSelected() {
    for (CHfcCtrlListItem* item : m_items) {
        if (item->m_selected) SendEvent(kEventSelect, 0, item);
    }
    m_bDirty = true;
}

void CHfcCtrlList::SelectCell(int index, int how) {
    CHfcCtrlListItem* item = GetItem(index);
    if (!item || !item->m_enabled) return;
    switch (how) {
        case 0:
            ClearItemSelected();
            SendEvent(kEventSelect, 1, item);
            break;
        case 1:
            if (!item->m_selected) SendEvent(kEventSelect, 1, item);
            break;
        case 2:
            SendEvent(kEventSelect, item->m_selected ? 0 : 1, item);
            break;
        default:
            break;
    }
}

void CHfcCtrlList::SelectFinish() {
    m_bDirty = true;
    SendEvent(kEventFinish, 0, nullptr);
}

int CHfcCtrlList::IndexAt(int x, int y) {
    return ViewIndexToIndex(PointToViewIndex(x, y, nullptr, nullptr));
}

bool CHfcCtrlList::OnHfcMouseLButtonDown(CHfcMouse*, int x, int y, int modifiers) {
    if (m_pListener && m_pListener->OnHfcCtrlMouseLButtonDown(this, x, y, modifiers)) return true;
    const int index = IndexAt(x, y);
    if (modifiers & 8) {
        tagHfcPoint point{x + m_rect.left, y + m_rect.top};
        SendEvent(kEventContext, index, &point);
    }
    m_clickMode = 0;
    CHfcCtrlListItem* item = GetItem(index);
    if (!item || !item->m_enabled) return false;
    const bool multiple = m_layout.multipleSelection != 0;
    if (!multiple || !(modifiers & 3)) {
        if (!item->m_selected) {
            SelectCell(index, 0);
            SelectFinish();
        }
        m_clickMode = 1;
    } else if (modifiers & 2) {
        m_clickMode = 2;
    } else {
        const int first = GetSelectedItemIndex();
        const int from = first < 0 ? 0 : std::min(first, index);
        const int to = first < 0 ? index : std::max(first, index);
        for (int i = from; i <= to; ++i) {
            if (!m_filter || m_items[static_cast<size_t>(i)]->m_marked) SelectCell(i, 1);
        }
        SelectFinish();
        m_clickMode = 3;
    }
    m_pressedIndex = index;
    m_pressed = true;
    m_pressPoint = {x, y};
    return true;
}

bool CHfcCtrlList::OnHfcMouseMove(CHfcMouse*, int x, int y, int modifiers) {
    if (m_pListener && m_pListener->OnHfcCtrlMouseMove(this, x, y, modifiers)) return true;
    if (!m_pressed) return false;
    if (std::abs(x - m_pressPoint.x) + std::abs(y - m_pressPoint.y) <= 3) return true;
    m_pressed = false;
    m_clickMode = 0;
    if (m_layout.dragOut) {
        int record[5] = {m_pressedIndex, x, y, 0, 0};
        PointToViewIndex(x, y, &record[3], &record[4]);
        tagHfcPoint global{x, y};
        LocalToGlobal(&global);
        record[1] = global.x;
        record[2] = global.y;
        SendEvent(kEventDragOut, m_pressedIndex, record);
    }
    return true;
}

bool CHfcCtrlList::OnHfcMouseLButtonUp(CHfcMouse* mouse, int x, int y, int modifiers) {
    if (m_pListener && m_pListener->OnHfcCtrlMouseLButtonUp(this, x, y, modifiers)) return true;
    if (mouse && mouse->GetCapture() == this) mouse->ReleaseCapture();
    const int index = IndexAt(x, y);
    CHfcCtrlListItem* item = GetItem(index);
    if (item) {
        if (m_clickMode == 1) {
            SelectCell(index, 0);
            SelectFinish();
        } else if (m_clickMode == 2 && (!m_filter || item->m_marked)) {
            SelectCell(index, 2);
            SelectFinish();
        }
    }
    m_pressedIndex = -1;
    m_pressed = false;
    m_clickMode = 0;
    return true;
}

bool CHfcCtrlList::OnHfcMouseLButtonDoubleClick(CHfcMouse*, int x, int y, int modifiers) {
    if (m_pListener && m_pListener->OnHfcCtrlMouseLButtonDown(this, x, y, modifiers)) return true;
    const int index = IndexAt(x, y);
    CHfcCtrlListItem* item = GetItem(index);
    if (!item) return false;
    SelectCell(index, 0);
    if (item->m_enabled) SendEvent(kEventActivate, index, item);
    return true;
}

bool CHfcCtrlList::OnHfcMouseRButtonDown(CHfcMouse*, int x, int y, int modifiers) {
    if (m_pListener && m_pListener->OnHfcCtrlMouseRButtonDown(this, x, y, modifiers)) return true;
    const int index = IndexAt(x, y);
    CHfcCtrlListItem* item = GetItem(index);
    if (!item || item->m_selected) return false;
    SelectCell(index, 0);
    SelectFinish();
    return true;
}

bool CHfcCtrlList::OnHfcMouseRButtonUp(CHfcMouse*, int x, int y, int modifiers) {
    if (m_pListener && m_pListener->OnHfcCtrlMouseRButtonUp(this, x, y, modifiers)) return true;
    tagHfcPoint point{x + m_rect.left, y + m_rect.top};
    SendEvent(kEventContext, IndexAt(x, y), &point);
    return true;
}

bool CHfcCtrlList::OnHfcMouseLostCapture(CHfcMouse*) {
    return m_pListener && m_pListener->OnHfcCtrlMouseLostCapture(this);
}

bool CHfcCtrlList::OnHfcKeyChar(CHfcKey*, int character, int value) {
    enum { kReturn = 13, kLeft = 37, kUp = 38, kRight = 39, kDown = 40 };
    const bool arrow = character >= kLeft && character <= kDown;
    const int count = GetNumItems();
    int c = GetSelectedItemIndex();
    if (c >= 0) {
        if (character == kReturn) {
            SelectCell(c, 0);
            if (m_items[static_cast<size_t>(c)]->m_enabled)
                SendEvent(kEventActivate, c, m_items[static_cast<size_t>(c)]);
            return true;
        }
        if (arrow && !m_filter) {
            const int rows = m_layout.rows;
            const int columns = m_layout.columns;
            const bool columnMajor = m_layout.columnMajor != 0;
            switch (character) {
                case kLeft:
                    if (columnMajor ? c - rows >= 0 : c > 0) c = columnMajor ? c - rows : c - 1;
                    break;
                case kUp:
                    if (columnMajor ? c > 0 : c - columns >= 0) c = columnMajor ? c - 1 : c - columns;
                    break;
                case kRight:
                    if (columnMajor ? c + rows < count : c < count - 1) c = columnMajor ? c + rows : c + 1;
                    break;
                default:
                    if (columnMajor ? c < count - 1 : c + columns < count)
                        c = columnMajor ? c + 1 : c + columns;
                    break;
            }
        } else if (arrow) {
            if (character == kLeft || character == kRight) return false;
            int next = -1;
            if (character == kUp) {
                for (int i = c - 1; i >= 0 && next < 0; --i) {
                    if (m_items[static_cast<size_t>(i)]->m_marked) next = i;
                }
            } else {
                for (int i = c + 1; i < count && next < 0; ++i) {
                    if (m_items[static_cast<size_t>(i)]->m_marked) next = i;
                }
            }
            if (next < 0) return true;
            c = next;
        }
    } else if (arrow) {
        if (!m_filter) {
            c = 0;
        } else {
            if (character == kLeft || character == kRight) return false;
            for (int i = 0; i < count && c < 0; ++i) {
                if (m_items[static_cast<size_t>(i)]->m_marked) c = i;
            }
            if (c < 0) return true;
        }
    } else if (character == kReturn) {
        return false;
    }
    if (!arrow) {
        int record[2] = {character, value};
        SendEvent(kEventOtherKey, c, record);
        return false;
    }
    SelectCell(c, 0);
    if (CheckNeedScroll(c)) SendEvent(kEventOutOfView, c, nullptr);
    SelectFinish();
    return true;
}

bool CHfcCtrlList::CheckIndividualUpdate() {
    int dirty = 0;
    for (CHfcCtrlListItem* item : m_items) {
        if (item->m_dirty && IndexToViewIndex(item->m_index) >= 0) ++dirty;
    }
    return dirty < 5;
}

void CHfcCtrlList::CellRect(int viewIndex, tagHfcRect* rect) {
    int column = 0, row = 0;
    ViewIndexToCellIndicator(&column, &row, viewIndex);
    tagHfcPoint point{};
    CellIndicatorToPoint(&point, column, row);
    HfcSetRect(rect, point.x, point.y,
               m_rect.left + static_cast<int>(static_cast<float>(column + 1) * m_cellWidth),
               m_rect.top + static_cast<int>(static_cast<float>(row + 1) * m_cellHeight));
}

// Paints the part of the background that lies under (x, y, w, h) of the control's layer at (toX, toY)
// of the context; without a background the area is cleared.
void CHfcCtrlList::FillFromBackground(CHfcDrawContext* context, int x, int y, int w, int h, int toX,
                                      int toY) {
    context->ClearRect(toX, toY, w, h);
    if (m_layout.background) {
        context->CopyBmp(toX, toY, w, h, m_layout.background, m_layout.backgroundX + x - m_rect.left,
                         m_layout.backgroundY + y - m_rect.top);
    }
}

void CHfcCtrlList::CopyToWindow(const tagHfcRect& rect) {
    if (!m_pParent) return;
    tagHfcRect copy = rect;
    m_pParent->CopyToWindow(&copy, m_now);
}

void CHfcCtrlList::DrawList(CHfcDrawContext* context, bool force) {
    const int cells = std::min(GetNumViewItems(), static_cast<int>(m_viewCells.size()));
    for (int v = 0; v < cells; ++v) {
        const int index = ViewIndexToIndex(v);
        if (index < 0) {
            if (m_viewCells[static_cast<size_t>(v)]) {
                m_viewCells[static_cast<size_t>(v)] = 0;
                EraseCell(context, v, force);
            }
        } else {
            DrawCell(context, index, force);
            m_viewCells[static_cast<size_t>(v)] = 1;
        }
    }
}

CHfcOffscreenContext* CHfcCtrlList::CellSurface(int w, int h) {
    CHfcBmp* bmp = m_cellSurface ? m_cellSurface->GetBmp() : nullptr;
    if (bmp && bmp->GetWidth() == w && bmp->GetHeight() == h) {
        m_cellSurface->ClearRect(0, 0, w, h);
        return m_cellSurface.get();
    }
    m_cellSurface = std::make_unique<CHfcOffscreenContext>(w, h);
    bmp = m_cellSurface->GetBmp();
    if (!bmp || bmp->GetWidth() != w || bmp->GetHeight() != h) {
        m_cellSurface.reset();
        return nullptr;
    }
    return m_cellSurface.get();
}

void CHfcCtrlList::DrawCell(CHfcDrawContext* context, int index, bool force) {
    const int viewIndex = IndexToViewIndex(index);
    CHfcCtrlListItem* item = GetItem(index);
    if (viewIndex < 0 || !item || (!item->m_dirty && !force) || !item->m_visible) return;
    item->m_dirty = false;
    tagHfcRect cell;
    CellRect(viewIndex, &cell);
    const int w = cell.right - cell.left;
    const int h = cell.bottom - cell.top;
    if (w <= 0 || h <= 0) return;
    CHfcOffscreenContext* offscreen = CellSurface(w, h);
    if (!offscreen) return;
    if (m_individual) {
        FillFromBackground(offscreen, cell.left, cell.top, w, h, 0, 0);
        // The cell is replaced, not blended over what it showed before.
        context->ClearRect(cell.left, cell.top, w, h);
    }
    DrawCell(offscreen, item, index, w, h);
    offscreen->CopyToContext(context, cell.left, cell.top, w, h, 0, 0);
    if (m_individual) CopyToWindow(cell);
}

void CHfcCtrlList::EraseCell(CHfcDrawContext* context, int viewIndex, bool) {
    if (!m_individual) return;
    tagHfcRect cell;
    CellRect(viewIndex, &cell);
    cell.left += m_layout.insetX;
    cell.top += m_layout.insetY;
    cell.right -= m_layout.insetX;
    cell.bottom -= m_layout.insetY;
    if (cell.right <= cell.left || cell.bottom <= cell.top) return;
    FillFromBackground(context, cell.left, cell.top, cell.right - cell.left, cell.bottom - cell.top,
                       cell.left, cell.top);
    CopyToWindow(cell);
}

void CHfcCtrlList::DrawCell(CHfcOffscreenContext* offscreen, CHfcCtrlListItem* item, int, int width,
                            int height) {
    const tagHfcCtrlListLayout& l = m_layout;
    const int boxX = l.insetX;
    const int boxY = l.insetY;
    const int boxW = width - 2 * l.insetX;
    const int boxH = height - 2 * l.insetY;
    CHfcBmp* font = l.font;
    if (item->m_selected) {
        offscreen->SetBrushColor(l.selectionColour);
        offscreen->FillRect(boxX, boxY, boxW, boxH);
        if (l.selectedFont) font = l.selectedFont;
    } else if (item->m_marked) {
        offscreen->SetBrushColor(l.markColour);
        offscreen->FillRect(boxX, boxY, boxW, boxH);
    }
    if (item->m_framed) {
        offscreen->SetPenColor(l.frameColour);
        offscreen->FrameRect(boxX, boxY, boxW, boxH);
    }
    if (!item->m_enabled && l.disabledFont) font = l.disabledFont;
    int areaX = boxX;
    int areaW = boxW;
    if (l.showIcons && item->m_icon) {
        const int iconW = item->m_icon->GetWidth();
        const int iconH = std::min(item->m_icon->GetHeight(), boxH);
        const int iconX = l.insetX + l.textX;
        const int iconY = std::max(l.insetY, boxH / 2 + l.insetY - iconH / 2);
        offscreen->CopyBmp(iconX, iconY, iconW, iconH, item->m_icon, 0, 0);
        areaX = iconX + iconW + l.textX;
        areaW = boxX + boxW - areaX;
    }
    if (!font || l.charWidth <= 0 || !item->m_caption) return;
    const int length = static_cast<int>(strnlen(item->m_caption, CHfcCtrlListItem::kMaxCaption));
    const int count = std::max(0, std::min(length, areaW / l.charWidth));
    if (count == 0) return;
    // The offset places the text in its area; after an icon it is the gap already counted in areaX.
    const bool afterIcon = areaX != boxX;
    int x = areaX + areaW / 2 - l.charWidth * count / 2;
    if (l.textX != 0) x = afterIcon ? areaX : boxX + l.textX;
    offscreen->DrawBmpText(x, l.insetY + l.textY, item->m_caption, count, font, l.charWidth, l.charHeight);
}

void CHfcCtrlList::Draw(CHfcDrawContext* context) {
    if (!m_bVisible || !m_bCreated || !context) return;
    m_individual = CheckIndividualUpdate();
    if (m_individual) {
        DrawList(context, false);
        return;
    }
    const int w = m_rect.right - m_rect.left;
    const int h = m_rect.bottom - m_rect.top;
    if (m_layout.background) {
        context->CopyBmp(m_rect.left, m_rect.top, w, h, m_layout.background, m_layout.backgroundX,
                         m_layout.backgroundY);
    } else {
        context->ClearRect(m_rect.left, m_rect.top, w, h);
    }
    DrawList(context, true);
    CopyToWindow(m_rect);
}

void CHfcCtrlList::Erase(CHfcDrawContext* context) {
    if (!context || !m_layout.background) return;
    context->CopyBmp(m_rect.left, m_rect.top, m_layout.backgroundWidth, m_layout.backgroundHeight,
                     m_layout.background, m_layout.backgroundX, m_layout.backgroundY);
}

bool CHfcCtrlList::Update(bool redraw, bool now) {
    if (!m_bVisible) return CHfcControl::Update(redraw, now);
    if (!redraw && !m_bDirty) return false;
    if (!m_pParent) return false;
    m_bDirty = false;
    m_now = now;
    Draw(m_pParent->GetContext());
    return true;
}

bool CHfcCtrlList::OnHfcDragTrackingEnterWindow(CHfcDrag*, CHfcDragFlavor* flavor, int x, int y,
                                                int modifiers, int* result) {
    return m_pListener &&
           m_pListener->OnHfcCtrlDragTrackingEnterControl(this, flavor, x, y, modifiers, result);
}

bool CHfcCtrlList::OnHfcDragTrackingInWindow(CHfcDrag*, CHfcDragFlavor* flavor, int x, int y, int modifiers,
                                             int* result) {
    return m_pListener && m_pListener->OnHfcCtrlDragTrackingInControl(this, flavor, x, y, modifiers, result);
}

bool CHfcCtrlList::OnHfcDragTrackingLeaveWindow(CHfcDrag*) {
    return m_pListener && m_pListener->OnHfcCtrlDragTrackingLeaveControl(this);
}

bool CHfcCtrlList::OnHfcDragReceive(CHfcDrag*, CHfcDragFlavor* flavor, int x, int y, int modifiers,
                                    int* result) {
    return m_pListener && m_pListener->OnHfcCtrlDragReceive(this, flavor, x, y, modifiers, result);
}
