// The editor's cell list: its geometry, keys in row and column order and over marked items, clicks,
// and the cells it paints (selection, mark, frame, captions) on plain images.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "Common/Controls/MMPCtrlList.h"
#include "Hfc/HfcControlDriver.h"
#include "ListsTestSupport.h"

namespace {

using Calls = std::vector<std::string>;
using ListsTest::BlockFont;

constexpr uint32_t kBack = 0xFF102030;
constexpr uint32_t kSelection = 0xFF6178C2;
constexpr uint32_t kMarked = 0xFF806040;
constexpr uint32_t kFrame = 0xFFE0E0E0;
constexpr uint32_t kText = 0xFF00FF00;

class CellListTest : public testing::Test {
protected:
    CellListTest() { ListsTest::Solid(&background, 400, 400, kBack); }

    tagMMPCtrlListParamEx Param(int columns, int rows, bool columnMajor, int width = 150, int height = 40) {
        tagMMPCtrlListParamEx p;
        p.x = 10;
        p.y = 20;
        p.width = width;
        p.height = height;
        p.backgroundX = 10;
        p.backgroundY = 20;
        p.background = &background;
        p.font = &font.bitmap;
        p.charWidth = 5;
        p.columns = columns;
        p.rows = rows;
        p.marginX = 2;
        p.marginY = 3;
        p.columnMajor = columnMajor;
        p.selectionColour = kSelection;
        p.markedColour = kMarked;
        p.frameColour = kFrame;
        p.textColour = kText;
        return p;
    }
    void Make(CMMPCtrlList& list, const tagMMPCtrlListParamEx& p, int items) {
        ASSERT_TRUE(list.CreateEx(&p, 5, 0));
        list.SetListener(&recorder);
        for (int i = 0; i < items; ++i) list.AddItem()->SetCaption(("N" + std::to_string(i)).c_str());
    }

    CHfcBmp background;
    BlockFont font;
    ListsTest::ListRecorder recorder;
    HfcControlDriver driver;
};

TEST_F(CellListTest, CreationAndDerivedGeometry) {
    CMMPCtrlList list;
    EXPECT_FALSE(list.CreateEx(nullptr, 1, 0));
    tagMMPCtrlListParamEx p = Param(3, 23, true, 300, 230);
    p.font = nullptr;
    EXPECT_FALSE(list.CreateEx(&p, 1, 0));
    p = Param(3, 23, true, 0, 230);
    EXPECT_FALSE(list.CreateEx(&p, 1, 0));
    p = Param(0, 23, true, 300, 230);
    EXPECT_FALSE(list.CreateEx(&p, 1, 0));
    p = Param(3, 23, true, 300, 230);
    p.charWidth = 0;
    p.maximum = 128;
    ASSERT_TRUE(list.CreateEx(&p, 1, 0));
    EXPECT_FLOAT_EQ(list.GetCellWidth(), 100.0f);
    EXPECT_FLOAT_EQ(list.GetCellHeight(), 10.0f);
    EXPECT_EQ(list.GetParam().charWidth, 8);
    EXPECT_EQ(list.GetParam().charHeight, 10);
    // int(0.5 × 10) - 10 / 2 - 3
    EXPECT_EQ(list.GetTextY(), 5 - 5 - 3);
    EXPECT_EQ(list.GetMaxIntValue(), 128);
    EXPECT_TRUE(list.IsEnabled());
    EXPECT_TRUE(list.IsVisible());
    for (int v = 0; v < 69; ++v) EXPECT_TRUE(list.IsCellDrawn(v));
    // A given text y is kept.
    CMMPCtrlList other;
    p.textY = 4;
    ASSERT_TRUE(other.CreateEx(&p, 1, 0));
    EXPECT_EQ(other.GetTextY(), 4);
}

// Arrow keys (28 left, 29 right, 30 up, 31 down), Return and other keys, with the events reported.
TEST_F(CellListTest, KeysMoveTheSelection) {
    struct Row {
        const char* layout;    // "1": one column of 5; "3x23": column-major, 100 items; "3x4": row order, 10
        std::set<int> marked;  // marked-only mode when not empty
        int selected;          // -1: none
        int key;
        int after;
        Calls reports;
    };
    const Row rows[] = {
        {"1", {}, 0, 28, 0, {}},
        {"1", {}, 4, 29, 4, {}},
        {"1", {}, 0, 30, 0, {}},
        {"1", {}, 4, 31, 4, {}},
        {"1", {}, 0, 31, 1, {"deselect 0", "select 1", "finish"}},
        {"1", {}, 2, 30, 1, {"deselect 2", "select 1", "finish"}},
        {"1", {}, 3, 29, 4, {"deselect 3", "select 4", "finish"}},
        {"1", {}, -1, 31, 0, {"select 0", "finish"}},
        {"1", {}, -1, 28, 0, {"select 0", "finish"}},
        {"1", {}, 2, 'a', 2, {"event 7 97"}},
        {"1", {}, 2, 13, 2, {"deselect 2", "select 2", "event 2 2"}},
        {"1", {}, -1, 13, -1, {"event 7 13"}},
        {"3x23", {}, 5, 31, 6, {"deselect 5", "select 6", "finish"}},
        {"3x23", {}, 5, 30, 4, {"deselect 5", "select 4", "finish"}},
        {"3x23", {}, 5, 29, 28, {"deselect 5", "select 28", "finish"}},
        {"3x23", {}, 28, 28, 5, {"deselect 28", "select 5", "finish"}},
        {"3x23", {}, 5, 28, 5, {}},
        {"3x23", {}, 90, 29, 90, {}},
        {"3x23", {}, 99, 31, 99, {}},
        // Out of view (three columns of 23 show items 0 to 68): the list asks to be scrolled.
        {"3x23", {}, 50, 29, 73, {"deselect 50", "select 73", "event 4 73", "finish"}},
        {"3x23", {}, 68, 31, 69, {"deselect 68", "select 69", "event 4 69", "finish"}},
        {"3x4", {}, 1, 31, 4, {"deselect 1", "select 4", "finish"}},
        {"3x4", {}, 4, 30, 1, {"deselect 4", "select 1", "finish"}},
        {"3x4", {}, 8, 31, 8, {}},
        {"3x4", {}, 5, 29, 6, {"deselect 5", "select 6", "finish"}},
        {"3x4", {}, 9, 29, 9, {}},
        {"1", {1, 3}, 1, 31, 3, {"deselect 1", "select 3", "finish"}},
        {"1", {1, 3}, 3, 31, 3, {}},
        {"1", {1, 3}, 3, 30, 1, {"deselect 3", "select 1", "finish"}},
        {"1", {1, 3}, -1, 30, 1, {"select 1", "finish"}},
        {"1", {1, 3}, -1, 31, 1, {"select 1", "finish"}},
        {"1", {1, 3}, 1, 28, 1, {"event 7 28"}},
        {"1", {1, 3}, 1, 29, 1, {"event 7 29"}},
        {"1", {1, 3}, 1, 13, 1, {"deselect 1", "select 1", "event 2 1"}},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(std::string(r.layout) + " from " + std::to_string(r.selected) + " key " +
                     std::to_string(r.key));
        CMMPCtrlList list;
        const std::string layout = r.layout;
        if (layout == "1") {
            Make(list, Param(1, 5, false), 5);
        } else if (layout == "3x23") {
            Make(list, Param(3, 23, true, 300, 230), 100);
        } else {
            Make(list, Param(3, 4, false), 10);
        }
        for (int m : r.marked) list.GetItem(m)->m_marked = true;
        list.SetFilter(!r.marked.empty());
        if (r.selected >= 0) list.GetItem(r.selected)->SetSelected(true);
        recorder.calls.clear();
        list.OnKeyDown(r.key, 0, 0);
        EXPECT_EQ(recorder.Reports(), r.reports);
        EXPECT_EQ(list.GetSelectedItemIndex(), r.after);
    }
}

TEST_F(CellListTest, AHeldKeyRepeatsTheMove) {
    CMMPCtrlList list;
    Make(list, Param(1, 5, false), 5);
    list.GetItem(0)->SetSelected(true);
    EXPECT_TRUE(list.OnKeyRepeat(31, 0, 0));
    EXPECT_TRUE(list.OnKeyRepeat(31, 0, 0));
    EXPECT_EQ(list.GetSelectedItemIndex(), 2);
}

TEST_F(CellListTest, ReturnOnADisabledItemKeepsItButDoesNotActivate) {
    CMMPCtrlList list;
    Make(list, Param(1, 5, false), 5);
    list.GetItem(2)->SetSelected(true);
    list.GetItem(2)->m_enabled = false;
    recorder.calls.clear();
    EXPECT_TRUE(list.OnKeyDown(13, 0, 0));
    EXPECT_EQ(recorder.Reports(), Calls{});
    EXPECT_EQ(list.GetSelectedItemIndex(), 2);
    EXPECT_EQ(list.GetSelectedItem(), list.GetItem(2));
}

// A click selects the item under it and leaves it selected (the release does not take it back).
TEST_F(CellListTest, ClicksSelect) {
    struct Row {
        const char* name;
        std::set<int> marked;
        int selected;
        int downItem, upItem;
        Calls reports;
        std::set<int> after;
    };
    const Row rows[] = {
        {"click on an item", {}, -1, 3, 3, {"select 3", "finish"}, {3}},
        {"click on another item", {}, 1, 3, 3, {"deselect 1", "select 3", "finish"}, {3}},
        {"click on the selected item", {}, 3, 3, 3, {}, {3}},
        {"release over another item adds it",
         {},
         -1,
         3,
         4,
         {"select 3", "finish", "select 4", "finish"},
         {3, 4}},
        {"marked only: release over an unmarked item", {3}, -1, 3, 4, {"select 3", "finish"}, {3}},
        {"press beside the items", {}, 1, 7, 7, {}, {1}},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        CMMPCtrlList list;
        Make(list, Param(1, 8, false, 50, 80), 6);  // cells of 10 pixels
        for (int m : r.marked) list.GetItem(m)->m_marked = true;
        list.SetFilter(!r.marked.empty());
        if (r.selected >= 0) list.GetItem(r.selected)->SetSelected(true);
        recorder.calls.clear();
        driver.Step(&list, {HfcGesture::Down, 5, r.downItem * 10 + 5});
        driver.Step(&list, {HfcGesture::Up, 5, r.upItem * 10 + 5});
        EXPECT_EQ(recorder.Reports(), r.reports);
        std::set<int> selected;
        for (int i = 0; i < list.GetNumItems(); ++i) {
            if (list.GetItem(i)->m_selected) selected.insert(i);
        }
        EXPECT_EQ(selected, r.after);
        EXPECT_FALSE(driver.Captured(&list));
    }
}

// Cells of 50 × 20 with margins (2, 3): the inner box is (2, 3, 46, 14).
TEST_F(CellListTest, CellsPaintSelectionMarkFrameAndCaptions) {
    CMMPCtrlList list;
    Make(list, Param(3, 2, false), 5);
    list.GetItem(0)->SetSelected(true);
    list.GetItem(1)->m_marked = true;
    list.GetItem(2)->m_framed = true;
    list.GetItem(3)->SetCaption("AB");
    list.GetItem(4)->SetCaption("A very long caption");
    CHfcOffscreenContext context(200, 100);
    list.Draw(&context);
    const CHfcBmp* bmp = context.GetBmp();
    auto cell = [](int v) { return std::pair<int, int>{10 + (v % 3) * 50, 20 + (v / 3) * 20}; };
    // Selection and mark fill the inner box, not the margins.
    const auto [x0, y0] = cell(0);
    EXPECT_EQ(bmp->GetPixel(x0 + 2, y0 + 3), kSelection);
    EXPECT_EQ(bmp->GetPixel(x0 + 47, y0 + 16), kSelection);
    EXPECT_EQ(bmp->GetPixel(x0 + 1, y0 + 3), kBack);
    EXPECT_EQ(bmp->GetPixel(x0 + 2, y0 + 2), kBack);
    EXPECT_EQ(bmp->GetPixel(x0 + 48, y0 + 17), kBack);
    const auto [x1, y1] = cell(1);
    EXPECT_EQ(bmp->GetPixel(x1 + 10, y1 + 4), kMarked);
    // A frame: its edge in the frame colour, the inside untouched.
    const auto [x2, y2] = cell(2);
    EXPECT_EQ(bmp->GetPixel(x2 + 20, y2 + 3), kFrame);
    EXPECT_EQ(bmp->GetPixel(x2 + 2, y2 + 10), kFrame);
    EXPECT_EQ(bmp->GetPixel(x2 + 10, y2 + 10), kBack);
    // "AB" centred: x = 46 / 2 - 5 × 2 / 2 = 18 after the margin; y = text y (int(10) - 5 - 3) + 3.
    const auto [x3, y3] = cell(3);
    const ListsTest::Extent ab = ListsTest::ExtentOf(bmp, 0xFFFFFFFF, x3, y3, x3 + 50, y3 + 20);
    EXPECT_EQ(ab, (ListsTest::Extent{x3 + 2 + 18, x3 + 2 + 18 + 5 + 3, y3 + 5, y3 + 5 + 7}));
    // A long caption is cut to 46 / 5 = 9 characters.
    const auto [x4, y4] = cell(4);
    const ListsTest::Extent cut = ListsTest::ExtentOf(bmp, 0xFFFFFFFF, x4, y4, x4 + 50, y4 + 20);
    EXPECT_EQ(cut.left, x4 + 2 + 23 - 22);
    EXPECT_EQ(cut.right, x4 + 2 + 23 - 22 + 9 * 5 - 2);
    // The sixth cell shows no item: background only, its drawn flag cleared.
    EXPECT_TRUE(list.IsCellDrawn(4));
    EXPECT_FALSE(list.IsCellDrawn(5));
    const auto [x5, y5] = cell(5);
    EXPECT_EQ(bmp->GetPixel(x5 + 20, y5 + 10), kBack);
}

TEST_F(CellListTest, ProportionalCaptionsAndTheSelectedFont) {
    CHfcBmp selectedFont;
    ListsTest::Solid(&selectedFont, 8, 10 * 128, 0xFFFF8000);
    tagMMPCtrlListParamEx p = Param(1, 2, false, 60, 40);
    p.textX = 1;
    p.proportional = true;
    p.proportionalFont = &font.info;
    CMMPCtrlList list;
    Make(list, p, 2);
    list.GetItem(0)->SetCaption("ABCDEFGHIJKLMNOP");
    CHfcOffscreenContext context(100, 100);
    list.Draw(&context);
    // From the margin plus text x 1, cut to character width × (56 / 5 = 11) pixels.
    const ListsTest::Extent e = ListsTest::ExtentOf(context.GetBmp(), kText);
    EXPECT_EQ(e.left, 10 + 2 + 1);
    EXPECT_EQ(e.right, 10 + 2 + 1 + 55 - 2);
    // A selected fixed-font item uses the selected font.
    tagMMPCtrlListParamEx q = Param(1, 2, false, 60, 40);
    q.selectedFont = &selectedFont;
    CMMPCtrlList fixed;
    Make(fixed, q, 2);
    fixed.GetItem(0)->SetSelected(true);
    CHfcOffscreenContext other(100, 100);
    fixed.Draw(&other);
    EXPECT_NE(ListsTest::ExtentOf(other.GetBmp(), 0xFFFF8000).left, -1);
}

}  // namespace
