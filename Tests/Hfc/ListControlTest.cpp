#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "Hfc/Core/HfcCtrlList.h"
#include "Hfc/Draw/HfcBmp.h"
#include "HfcControlDriver.h"
#include "HfcControlRecorder.h"
#include "HfcRecordingContext.h"

namespace {

using Calls = std::vector<std::string>;
using G = HfcGesture;

// Records the list's events and answers selection requests as a browser does.
class ListListener : public HfcControlRecorder {
public:
    bool OnHfcCtrlEvent(CHfcControl*, int code, int value, void* pointer) override {
        std::string text = "event " + std::to_string(code) + " " + std::to_string(value);
        if (code == CHfcCtrlList::kEventSelect) {
            auto* item = static_cast<CHfcCtrlListItem*>(pointer);
            text += " item " + std::to_string(item->m_index);
            item->SetSelected(value != 0);
        } else if (code == CHfcCtrlList::kEventDragOut) {
            const int* r = static_cast<const int*>(pointer);
            text += " [" + std::to_string(r[0]) + " " + std::to_string(r[1]) + " " + std::to_string(r[2]) +
                    " " + std::to_string(r[3]) + " " + std::to_string(r[4]) + "]";
        } else if (code == CHfcCtrlList::kEventOtherKey) {
            const int* r = static_cast<const int*>(pointer);
            text += " [" + std::to_string(r[0]) + " " + std::to_string(r[1]) + "]";
        } else if (code == CHfcCtrlList::kEventContext) {
            const tagHfcPoint* p = static_cast<const tagHfcPoint*>(pointer);
            text += " at " + std::to_string(p->x) + "," + std::to_string(p->y);
        }
        calls.push_back(text);
        return false;
    }
};

// A list control as a browser derives it: 2 columns × 4 rows of 40 × 10 cells at (100, 50).
class TestList : public CHfcCtrlList {
public:
    void Make(bool columnMajor, bool multiple, CHfcBmp* font) {
        Create(100, 50, 80, 40, 7);
        tagHfcCtrlListLayout layout;
        layout.columns = 2;
        layout.rows = 4;
        layout.columnMajor = columnMajor ? 1 : 0;
        layout.multipleSelection = multiple ? 1 : 0;
        layout.font = font;
        layout.charWidth = 6;
        layout.charHeight = 8;
        layout.insetX = 1;
        layout.insetY = 1;
        layout.selectionColour = 0xff3050a0;
        SetLayout(layout, 40.0f, 10.0f);
        Enable(false);
        Show(false);
    }
};

class List : public testing::Test {
protected:
    void Make(int items, bool columnMajor = true, bool multiple = true) {
        font.Create(6, 8 * 128);
        list.Make(columnMajor, multiple, &font);
        list.SetListener(&listener);
        for (int i = 0; i < items; ++i) list.AddItem()->SetCaption(("Item " + std::to_string(i)).c_str());
    }
    std::vector<int> Selected() {
        std::vector<int> out;
        for (int i = 0; i < list.GetNumItems(); ++i) {
            if (list.GetItem(i)->m_selected) out.push_back(i);
        }
        return out;
    }
    // Point inside the cell of item i (first line visible, column-major 2 × 4).
    static int X(int i) { return (i / 4) * 40 + 5; }
    static int Y(int i) { return (i % 4) * 10 + 5; }

    CHfcBmp font;
    TestList list;
    ListListener listener;
    HfcControlDriver driver;
};

TEST_F(List, LinesRoundUpSoTheLastItemIsReachable) {
    Make(0);
    struct Case {
        int items, lines;
    };
    const Case cases[] = {{0, 0}, {1, 1}, {4, 1}, {8, 2}, {9, 3}, {10, 3}, {12, 3}, {13, 4}};
    for (const Case& c : cases) {
        list.ClearItems();
        for (int i = 0; i < c.items; ++i) list.AddItem();
        EXPECT_EQ(list.GetNumLines(), c.lines) << c.items;
    }
    // With 9 items the line of item 8 can be shown.
    list.ClearItems();
    for (int i = 0; i < 9; ++i) list.AddItem();
    list.SetCurrentLine(5);
    EXPECT_EQ(list.GetCurrentLine(), 2);
    EXPECT_EQ(list.IndexToViewIndex(8), 0);
    EXPECT_FALSE(list.CheckNeedScroll(8));
}

TEST_F(List, GeometryOfBothFillOrders) {
    Make(20);
    EXPECT_EQ(list.PointToViewIndex(45, 12, nullptr, nullptr), 5);  // column 1, row 1: 4 × 1 + 1
    int dx = 0, dy = 0;
    list.PointToViewIndex(45, 12, &dx, &dy);
    EXPECT_EQ(dx, -5);
    EXPECT_EQ(dy, -2);
    tagHfcPoint p{};
    list.ViewIndexToPoint(&p, 5);
    EXPECT_EQ(p.x, 140);
    EXPECT_EQ(p.y, 60);
    list.SetCurrentLine(2);
    EXPECT_EQ(list.ViewIndexToIndex(5), 13);
    EXPECT_EQ(list.IndexToViewIndex(3), -1);

    TestList rows;
    rows.Make(false, false, &font);
    for (int i = 0; i < 20; ++i) rows.AddItem();
    EXPECT_EQ(rows.PointToViewIndex(45, 12, nullptr, nullptr), 3);  // row 1, column 1: 2 × 1 + 1
    EXPECT_EQ(rows.GetNumLines(), 10);
    rows.AutoScroll(13, 0);  // line 6 below the 4 visible lines: it becomes the last one
    EXPECT_EQ(rows.GetCurrentLine(), 3);
    rows.AutoScroll(1, 0);
    EXPECT_EQ(rows.GetCurrentLine(), 0);
    rows.AutoScroll(13, 1);  // page alignment
    EXPECT_EQ(rows.GetCurrentLine(), 4);
}

TEST_F(List, PlainAndShiftClicks) {
    Make(8);
    driver.Run(&list, {{G::Down, X(2), Y(2)}, {G::Up, X(2), Y(2)}});
    EXPECT_EQ(listener.Reports(),
              (Calls{"event 0 1 item 2", "event 1 0", "event 0 0 item 2", "event 0 1 item 2", "event 1 0"}));
    listener.calls.clear();
    driver.Run(&list, {{G::Down, X(5), Y(5), 1}, {G::Up, X(5), Y(5), 1}});
    EXPECT_EQ(listener.Reports(),
              (Calls{"event 0 1 item 3", "event 0 1 item 4", "event 0 1 item 5", "event 1 0"}));
    EXPECT_EQ(Selected(), (std::vector<int>{2, 3, 4, 5}));

    // Shift with nothing selected starts from item 0.
    for (int i = 0; i < 8; ++i) list.GetItem(i)->SetSelected(false);
    listener.calls.clear();
    driver.Run(&list, {{G::Down, X(2), Y(2), 1}, {G::Up, X(2), Y(2), 1}});
    EXPECT_EQ(Selected(), (std::vector<int>{0, 1, 2}));

    // Command toggles on the release.
    listener.calls.clear();
    driver.Step(&list, {G::Down, X(1), Y(1), 2});
    EXPECT_EQ(listener.Reports(), Calls{});
    driver.Step(&list, {G::Up, X(1), Y(1), 2});
    EXPECT_EQ(listener.Reports(), (Calls{"event 0 0 item 1", "event 1 0"}));
    EXPECT_EQ(Selected(), (std::vector<int>{0, 2}));
}

TEST_F(List, PressOnASelectedItemReducesOnReleaseUnlessDragged) {
    Make(8);
    for (int i : {1, 2, 3}) list.GetItem(i)->SetSelected(true);
    driver.Step(&list, {G::Down, X(2), Y(2)});
    EXPECT_EQ(Selected(), (std::vector<int>{1, 2, 3}));
    driver.Step(&list, {G::Move, X(2) + 2, Y(2) + 1});  // 3 pixels: still a click
    driver.Step(&list, {G::Up, X(2) + 2, Y(2) + 1});
    EXPECT_EQ(Selected(), (std::vector<int>{2}));

    // Beyond 3 pixels it is a drag out: the selection stays and event 5 carries the record.
    for (int i : {1, 3}) list.GetItem(i)->SetSelected(true);
    listener.calls.clear();
    driver.Run(&list, {{G::Down, X(2), Y(2)}, {G::Move, X(2) + 3, Y(2) + 1}, {G::Up, X(2) + 3, Y(2) + 1}});
    EXPECT_EQ(listener.Reports(), (Calls{"event 5 2 [2 108 76 -8 -6]"}));
    EXPECT_EQ(Selected(), (std::vector<int>{1, 2, 3}));
}

TEST_F(List, ContextClicksDoubleClicksAndTheRightButton) {
    Make(8);
    driver.Run(&list, {{G::RightDown, X(6), Y(6)}, {G::RightUp, X(6), Y(6)}});
    EXPECT_EQ(listener.Reports(),
              (Calls{"right down", "event 0 1 item 6", "event 1 0", "right up", "event 6 6 at 145,75"}));
    listener.calls.clear();
    EXPECT_FALSE(driver.Step(&list, {G::RightDown, X(6), Y(6)}));  // selected already
    listener.calls.clear();
    driver.Step(&list, {G::Double, X(3), Y(3)});
    EXPECT_EQ(listener.Reports(), (Calls{"event 0 0 item 6", "event 0 1 item 3", "event 2 3"}));
    listener.calls.clear();
    list.GetItem(4)->m_enabled = false;
    driver.Step(&list, {G::Double, X(4), Y(4)});
    EXPECT_EQ(listener.Reports(), Calls{});
    EXPECT_FALSE(driver.Step(&list, {G::Double, 85, 35}));  // beyond the grid
    // Control-click reports a context click first.
    listener.calls.clear();
    driver.Step(&list, {G::Down, X(0), Y(0), 8});
    EXPECT_EQ(listener.Reports().front(), "event 6 0 at 105,55");
}

TEST_F(List, ArrowKeysInBothFillOrders) {
    struct Case {
        bool columnMajor;
        int from, key, to;
    };
    // 8 items, 2 columns × 4 rows; column-major item i sits at column i / 4, row i % 4. A move that
    // would leave the items keeps the item.
    const Case cases[] = {
        {true, 5, 37, 1},  {true, 1, 37, 1},  {true, 0, 37, 0},  {true, 5, 38, 4},  {true, 0, 38, 0},
        {true, 1, 39, 5},  {true, 5, 39, 5},  {true, 7, 39, 7},  {true, 3, 40, 4},  {true, 7, 40, 7},
        {false, 3, 37, 2}, {false, 0, 37, 0}, {false, 3, 38, 1}, {false, 1, 38, 1}, {false, 3, 39, 4},
        {false, 7, 39, 7}, {false, 3, 40, 5}, {false, 7, 40, 7}, {false, 6, 40, 6},
    };
    for (const Case& c : cases) {
        TestList l;
        l.Make(c.columnMajor, false, &font);
        ListListener events;
        l.SetListener(&events);
        for (int i = 0; i < 8; ++i) l.AddItem();
        l.GetItem(c.from)->SetSelected(true);
        EXPECT_TRUE(l.OnHfcKeyChar(nullptr, c.key, 0));
        EXPECT_TRUE(l.GetItem(c.to)->m_selected) << c.columnMajor << " " << c.from << " key " << c.key;
        // The move always ends with a finish event, also when the item stays.
        EXPECT_EQ(events.Reports().back(), "event 1 0");
    }
}

TEST_F(List, KeysWithoutSelectionWithTheFilterAndOtherKeys) {
    Make(12);
    EXPECT_TRUE(list.OnHfcKeyChar(nullptr, 40, 0));
    EXPECT_EQ(Selected(), (std::vector<int>{0}));
    // Item 9 lies beyond the visible lines: event 4 before the finish.
    list.GetItem(0)->SetSelected(false);
    list.GetItem(8)->SetSelected(true);
    listener.calls.clear();
    list.OnHfcKeyChar(nullptr, 40, 0);
    EXPECT_EQ(listener.Reports(), (Calls{"event 0 0 item 8", "event 0 1 item 9", "event 4 9", "event 1 0"}));

    listener.calls.clear();
    EXPECT_FALSE(list.OnHfcKeyChar(nullptr, 'x', 88));
    EXPECT_EQ(listener.Reports(), (Calls{"event 7 9 [120 88]"}));
    listener.calls.clear();
    EXPECT_TRUE(list.OnHfcKeyChar(nullptr, 13, 0));
    EXPECT_EQ(listener.Reports(), (Calls{"event 0 0 item 9", "event 0 1 item 9", "event 2 9"}));

    list.SetFilter(true);
    for (int i : {2, 5, 10}) list.GetItem(i)->m_marked = true;
    listener.calls.clear();
    EXPECT_TRUE(list.OnHfcKeyChar(nullptr, 38, 0));
    EXPECT_EQ(Selected(), (std::vector<int>{5}));
    EXPECT_FALSE(list.OnHfcKeyChar(nullptr, 37, 0));
    list.OnHfcKeyChar(nullptr, 40, 0);
    list.OnHfcKeyChar(nullptr, 40, 0);  // no marked item after 10: handled, nothing changes
    EXPECT_EQ(Selected(), (std::vector<int>{10}));
    list.GetItem(10)->SetSelected(false);
    EXPECT_TRUE(list.OnHfcKeyChar(nullptr, 40, 0));
    EXPECT_EQ(Selected(), (std::vector<int>{2}));
    // Nothing selected and a key the list does not handle: -1.
    list.GetItem(2)->SetSelected(false);
    listener.calls.clear();
    list.OnHfcKeyChar(nullptr, 'q', 0);
    EXPECT_EQ(listener.Reports(), (Calls{"event 7 -1 [113 0]"}));
}

TEST_F(List, ItemsCaptionsAndTheLimit) {
    Make(3);
    CHfcCtrlListItem* item = list.GetItem(1);
    char buffer[6];
    std::memset(buffer, 'z', sizeof buffer);
    EXPECT_EQ(item->GetCaption(buffer, 4), buffer);
    EXPECT_STREQ(buffer, "Ite");  // cut and terminated
    EXPECT_EQ(buffer[4], 'z');
    EXPECT_EQ(item->GetCaption(buffer, 0), nullptr);
    item->SetCaption(nullptr);
    EXPECT_STREQ(item->Caption(), "");
    const std::string longer(300, 'k');
    item->SetCaption(longer.c_str());
    EXPECT_EQ(std::strlen(item->Caption()), 256u);
    item->m_dirty = false;
    item->SetCaption((longer + "more").c_str());  // the same within 256 characters
    EXPECT_FALSE(item->m_dirty);

    EXPECT_TRUE(list.DeleteItem(0));
    EXPECT_FALSE(list.DeleteItem(2));
    EXPECT_EQ(list.GetItem(1)->m_index, 1);
    EXPECT_STREQ(list.GetItem(1)->Caption(), "Item 2");
    EXPECT_EQ(list.GetItem(2), nullptr);
    EXPECT_EQ(list.GetItem(-1), nullptr);
}

TEST_F(List, FewDirtyCellsAreDrawnAloneManyRedrawTheWholeList) {
    Make(8);
    HfcRecordingContext context;
    list.Draw(&context);  // everything dirty: the whole list
    EXPECT_FALSE(list.WasIndividualUpdate());
    EXPECT_EQ(context.Copies().size(), 8u);

    for (int count : {4, 5}) {
        for (int i = 0; i < count; ++i) list.GetItem(i)->m_dirty = true;
        context.ops.clear();
        list.Draw(&context);
        EXPECT_EQ(list.WasIndividualUpdate(), count < 5) << count;
        EXPECT_EQ(context.Copies().size(), count < 5 ? 4u : 8u) << count;
    }
    // Dirty items out of view do not count.
    for (int i = 0; i < 4; ++i) list.AddItem();  // items 8 to 11, not in view
    list.GetItem(0)->m_dirty = true;
    EXPECT_TRUE(list.CheckIndividualUpdate());
}

}  // namespace
