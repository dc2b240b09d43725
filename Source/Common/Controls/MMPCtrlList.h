#pragma once
// CMMPCtrlList: the editor's cell list over the toolkit's list. Cells of a fixed grid drawn with a
// bitmap font (fixed-width strip or proportional), a selection colour, a mark colour and frames, and
// arrow-key navigation in row or column order (optionally over marked items only).
#include <cstdint>

#include "Hfc/Core/HfcCtrlList.h"

struct tagHfcBmpFontInfo;

struct tagMMPCtrlListParamEx {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    int backgroundX = 0;
    int backgroundY = 0;
    CHfcBmp* background = nullptr;
    CHfcBmp* font = nullptr;          // fixed-width glyph strip (128 cells stacked)
    CHfcBmp* selectedFont = nullptr;  // may be null
    CHfcBmp* disabledFont = nullptr;  // may be null
    int charWidth = 0;                // 0: the font image's width
    int charHeight = 0;               // 0: the font image's height / 128
    int maximum = 0;                  // items at most (0: no limit)
    int columns = 0;
    int rows = 0;
    int marginX = 0;  // cell margins
    int marginY = 0;
    int textX = 0;  // 0: centred
    int textY = 0;  // 0: computed from the cell height
    bool columnMajor = false;
    int reserved = 0;
    uint32_t selectionColour = 0;
    uint32_t markedColour = 0;
    uint32_t frameColour = 0;
    bool proportional = false;
    tagHfcBmpFontInfo* proportionalFont = nullptr;
    uint32_t textColour = 0;
};

class CMMPCtrlList : public CHfcCtrlList {
public:
    // Key codes the list answers.
    enum { kKeyReturn = 13, kKeyLeft = 28, kKeyRight = 29, kKeyUp = 30, kKeyDown = 31 };

    CMMPCtrlList();
    ~CMMPCtrlList() override;

    // False without a record or font image, with no columns or rows, or with an empty size. The
    // list is created enabled and shown.
    bool CreateEx(const tagMMPCtrlListParamEx* param, int id, int listenerData);
    const tagMMPCtrlListParamEx& GetParam() const { return m_param; }
    float GetCellWidth() const { return m_cellWidth; }
    float GetCellHeight() const { return m_cellHeight; }
    int GetTextY() const { return m_param.textY; }
    // Whether the cell at that view index showed an item at the last drawing.
    bool IsCellDrawn(int viewIndex) const;

    CHfcCtrlListItem* GetSelectedItem();

    void Draw(CHfcDrawContext* context) override;
    void Erase(CHfcDrawContext* context) override;
    bool Update(bool force, bool now) override;
    void DrawList(CHfcDrawContext* context, bool force) override;
    using CHfcCtrlList::DrawCell;
    void DrawCell(CHfcOffscreenContext* offscreen, CHfcCtrlListItem* item, int index, int width,
                  int height) override;

    bool OnHfcMouseLButtonDown(CHfcMouse* mouse, int x, int y, int modifiers) override;
    bool OnHfcMouseLButtonUp(CHfcMouse* mouse, int x, int y, int modifiers) override;
    bool OnKeyDown(int ch, int key, int modifiers) override;
    bool OnKeyRepeat(int ch, int key, int modifiers) override;

private:
    // The index an arrow key moves to from index (itself when the move leaves the items).
    int ArrowTarget(int index, int key) const;
    // The nearest marked item before (step -1) or after (step 1) index, or -1.
    int NearestMarked(int index, int step) const;
    void SelectByKey(int index);

    tagMMPCtrlListParamEx m_param{};
};
