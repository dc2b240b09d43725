#pragma once
// CHfcCtrlList: items in a grid of cells (columns × rows visible at a time), scrolled by whole lines
// and filled column by column or row by row. It handles clicks, multiple selection, drags out of the
// list, context clicks and arrow keys, and leaves every decision to its listener: it never selects
// an item itself but asks through OnHfcCtrlEvent (codes below). It redraws only the cells that
// changed when few did. A derived control supplies the layout and the cell size (SetLayout).
#include <cstdint>
#include <memory>
#include <vector>

#include "Hfc/Core/HfcControl.h"

class CHfcBmp;
class CHfcOffscreenContext;

class CHfcCtrlListItem {
public:
    static constexpr int kMaxCaption = 256;

    CHfcCtrlListItem();
    ~CHfcCtrlListItem();
    CHfcCtrlListItem(const CHfcCtrlListItem&) = delete;
    CHfcCtrlListItem& operator=(const CHfcCtrlListItem&) = delete;

    // Stores a copy cut at 256 characters when it differs; null counts as empty.
    void SetCaption(const char* text);
    // Copies at most length - 1 bytes (and 256) and terminates; null when there is no caption.
    char* GetCaption(char* buffer, int length) const;
    const char* Caption() const { return m_caption; }
    void SetVisible(bool visible);
    void SetSelected(bool selected);

    bool m_enabled = true;
    bool m_visible = true;
    char* m_caption = nullptr;
    bool m_selected = false;
    int m_user1 = 0;
    int m_user2 = 0;
    CHfcBmp* m_icon = nullptr;
    bool m_dirty = true;
    int m_index = 0;
    bool m_marked = false;
    bool m_framed = false;
    int m_user3 = 0;
};

struct tagHfcCtrlListLayout {
    int reserved0 = 0;
    int reserved1 = 0;
    int backgroundWidth = 0;
    int backgroundHeight = 0;
    int backgroundX = 0;
    int backgroundY = 0;
    CHfcBmp* background = nullptr;
    CHfcBmp* font = nullptr;          // glyph strip for the captions
    CHfcBmp* selectedFont = nullptr;  // null: the text font
    CHfcBmp* disabledFont = nullptr;  // null: the text font
    int charWidth = 0;
    int charHeight = 0;
    int maxItems = 0;  // 0: no limit
    int columns = 0;
    int rows = 0;
    int insetX = 0;
    int insetY = 0;
    int textX = 0;  // 0: centred; also the gap after an icon
    int textY = 0;
    uint8_t columnMajor = 1;
    uint8_t multipleSelection = 0;
    uint8_t dragOut = 1;
    uint8_t reserved79 = 1;
    uint8_t showIcons = 0;
    uint32_t selectionColour = 0;
    uint32_t markColour = 0;
    uint32_t frameColour = 0;
};

class CHfcCtrlList : public CHfcControl {
public:
    // OnHfcCtrlEvent codes.
    enum {
        kEventSelect = 0,     // value 1 select / 0 deselect, pointer the item
        kEventFinish = 1,     // selection finished
        kEventActivate = 2,   // value the index, pointer the item
        kEventOutOfView = 4,  // value the index the keys moved to
        kEventDragOut = 5,    // value the pressed index, pointer int[5]
        kEventContext = 6,    // value the index or -1, pointer the tagHfcPoint in layer coordinates
        kEventOtherKey = 7,   // value the first selected index or -1, pointer int[2]
    };

    CHfcCtrlList();
    ~CHfcCtrlList() override;

    // The derived control's layout and cell size; makes the view-cell flags.
    void SetLayout(const tagHfcCtrlListLayout& layout, float cellWidth, float cellHeight);
    const tagHfcCtrlListLayout& GetLayout() const { return m_layout; }
    // With the filter the arrow keys visit marked items only, and command-clicks and shift ranges
    // select marked items only.
    void SetFilter(bool filter) { m_filter = filter; }

    using CHfcControl::OnHfcKeyChar;
    // Return and the window's arrow keys (37 left, 38 up, 39 right, 40 down).
    bool OnHfcKeyChar(CHfcKey* key, int character, int value) override;
    virtual int GetItemLine(int index);
    virtual void CellIndicatorToPoint(tagHfcPoint* point, int column, int row);
    virtual void ViewIndexToCellIndicator(int* column, int* row, int viewIndex);
    virtual void ViewIndexToPoint(tagHfcPoint* point, int viewIndex);
    virtual int PointToViewIndex(int x, int y, int* dx, int* dy);
    virtual int ViewIndexToIndex(int viewIndex);
    virtual int IndexToViewIndex(int index);
    virtual void DrawList(CHfcDrawContext* context, bool force);
    virtual void DrawCell(CHfcDrawContext* context, int index, bool force);
    virtual void EraseCell(CHfcDrawContext* context, int viewIndex, bool force);
    virtual void DrawCell(CHfcOffscreenContext* offscreen, CHfcCtrlListItem* item, int index, int width,
                          int height);

    bool OnHfcMouseLButtonDown(CHfcMouse* mouse, int x, int y, int modifiers) override;
    bool OnHfcMouseLButtonDoubleClick(CHfcMouse* mouse, int x, int y, int modifiers) override;
    bool OnHfcMouseLButtonUp(CHfcMouse* mouse, int x, int y, int modifiers) override;
    bool OnHfcMouseRButtonDown(CHfcMouse* mouse, int x, int y, int modifiers) override;
    bool OnHfcMouseRButtonUp(CHfcMouse* mouse, int x, int y, int modifiers) override;
    bool OnHfcMouseMove(CHfcMouse* mouse, int x, int y, int modifiers) override;
    bool OnHfcMouseLostCapture(CHfcMouse* mouse) override;
    bool Destroy() override;
    void Draw(CHfcDrawContext* context) override;
    void Erase(CHfcDrawContext* context) override;
    bool Update(bool redraw, bool now) override;
    // Drags over the list are the listener's to judge (false without one).
    bool OnHfcDragTrackingEnterWindow(CHfcDrag* drag, CHfcDragFlavor* flavor, int x, int y, int modifiers,
                                      int* result) override;
    bool OnHfcDragTrackingInWindow(CHfcDrag* drag, CHfcDragFlavor* flavor, int x, int y, int modifiers,
                                   int* result) override;
    bool OnHfcDragTrackingLeaveWindow(CHfcDrag* drag) override;
    bool OnHfcDragReceive(CHfcDrag* drag, CHfcDragFlavor* flavor, int x, int y, int modifiers,
                          int* result) override;

    CHfcCtrlListItem* AddItem();
    bool DeleteItem(int index);
    void ClearItems();
    CHfcCtrlListItem* GetItem(int index);
    int GetNumItems() const { return static_cast<int>(m_items.size()); }
    int GetNumLines() const;
    int GetNumViewItems() const { return m_layout.rows * m_layout.columns; }
    int GetCurrentLine() const { return m_firstLine; }
    void SetCurrentLine(int line);
    void AutoScroll(int index, int how);
    bool CheckNeedScroll(int index);
    int GetSelectedItemIndex() const;
    void ClearItemSelected();
    void SelectCell(int index, int how);
    void SelectFinish();
    bool SendEvent(int code, int value, void* pointer);
    bool CheckIndividualUpdate();
    // Whether the last Draw redrew only the changed cells.
    bool WasIndividualUpdate() const { return m_individual; }

protected:
    int PerLine() const;
    int VisibleLines() const;
    void CellRect(int viewIndex, tagHfcRect* rect);
    void FillFromBackground(CHfcDrawContext* context, int x, int y, int w, int h, int toX, int toY);
    void CopyToWindow(const tagHfcRect& rect);
    int IndexAt(int x, int y);
    // A cleared off-screen surface of w × h for one cell (kept between cells of the same size).
    CHfcOffscreenContext* CellSurface(int w, int h);

    std::vector<CHfcCtrlListItem*> m_items;
    std::vector<uint8_t> m_viewCells;
    int m_firstLine = 0;
    float m_cellWidth = 0.0f;
    float m_cellHeight = 0.0f;
    bool m_filter = false;
    bool m_individual = false;
    bool m_now = false;
    int m_clickMode = 0;  // 0 none, 1 plain, 2 toggle, 3 range
    int m_pressedIndex = -1;
    bool m_pressed = false;
    tagHfcPoint m_pressPoint{};
    tagHfcCtrlListLayout m_layout{};
    std::unique_ptr<CHfcOffscreenContext> m_cellSurface;
};
