// The dropdown list and the dropdown switch: popup contents and answers, values, toggling, frames
// and text placement on plain images with a block font.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Common/Controls/QnDropdownList.h"
#include "Hfc/HfcControlDriver.h"
#include "Hfc/HfcFixture.h"
#include "Hfc/HfcRecordingContext.h"
#include "ListsTestSupport.h"

namespace {

using Calls = std::vector<std::string>;
using ListsTest::BlockFont;
using ListsTest::ExtentOf;

constexpr uint32_t kFace = 0xFF203040;
constexpr uint32_t kPressedFace = 0xFF402030;
constexpr uint32_t kText = 0xFF00FF00;
constexpr uint32_t kOnText = 0xFFFF00FF;
constexpr int kInvalid = QnDropdownList::kInvalidValue;

class DropdownTest : public testing::Test {
protected:
    DropdownTest() { ListsTest::Faces(&face, 100, 13, {kFace, kPressedFace}); }

    // A list of 100 × 13 at (x, y) with the given look of text.
    void MakeList(QnDropdownList& list, int hAlign = 0, int margin = 3, int vAlign = 1, int offset = 0) {
        SQnDropdownListParam p;
        p.x = 10;
        p.y = 20;
        p.bitmap = &face;
        p.states = 1;
        p.oneFramePerState = 0;
        p.font = &font.info;
        p.text = "";
        p.colour = kText;
        p.hAlign = hAlign;
        p.hMargin = margin;
        p.vAlign = vAlign;
        p.vMargin = offset;
        p.arrowZoneWidth = 10;
        ASSERT_TRUE(list.Create(&p, 7, 0));
        list.SetListener(&recorder);
        list.Show(false);
    }
    void Fill(QnDropdownList& list, int count) {
        for (int i = 0; i < count; ++i) list.AddItem(("Item" + std::to_string(i)).c_str(), false);
    }

    CHfcBmp face;
    BlockFont font;
    HfcControlRecorder recorder;
    HfcControlDriver driver;
    ListsTest::ScriptedPopup popup;
};

TEST_F(DropdownTest, StartsWithoutSelectionOrRange) {
    QnDropdownList list;
    MakeList(list);
    EXPECT_EQ(list.GetIntValue(), kInvalid);
    EXPECT_EQ(list.GetMinIntValue(), -1);
    EXPECT_EQ(list.GetMaxIntValue(), 0);  // the item count
    EXPECT_TRUE(list.GetFocusOnClick());
    EXPECT_FALSE(list.Create(nullptr, 1, 0));
    Fill(list, 5);
    EXPECT_EQ(list.GetMinIntValue(), 0);
    EXPECT_EQ(list.GetMaxIntValue(), 5);
    std::string text = "stale";
    EXPECT_FALSE(list.GetItemText(text, 5));
    EXPECT_EQ(text, "");
    EXPECT_TRUE(list.GetItemText(text, 4));
    EXPECT_EQ(text, "Item4");
}

// What the popup shows and what a pick reports, over filled, offset, emptied and never-filled lists.
TEST_F(DropdownTest, PopupContentsAndAnswers) {
    struct Row {
        const char* name;
        int items;    // -1: filled then emptied
        int minimum;  // set after filling (items > 0)
        int maximum;
        int value;       // SetIntValue before the press
        int entries;     // listed
        int checked;     // checked entry
        int underMouse;  // entry placed under the pointer
        int answer;      // the popup's answer (id)
        int after;       // value after the answer
        Calls reports;
    };
    const Row rows[] = {
        {"category filter, value -1", 7, -1, 5, -1, 7, 0, 0, 3, 1, {"value 1"}},
        {"category filter, value 2", 7, -1, 5, 2, 7, 3, 3, 0, 2, {}},
        {"picking the checked entry notifies again", 7, -1, 5, 2, 7, 3, 3, 4, 2, {"value 2"}},
        {"plain list", 5, 0, 4, 4, 5, 4, 4, 1, 0, {"value 0"}},
        {"out of range value", 5, 0, 4, 9, 5, -1, -1, 0, kInvalid, {}},
        {"invalid value", 5, 0, 4, kInvalid, 5, -1, -1, 0, kInvalid, {}},
        {"range wider than the items", 3, 0, 9, 1, 3, 1, 1, 3, 2, {"value 2"}},
        {"never filled", 0, -1, -1, -1, 0, -1, -1, 0, kInvalid, {}},
        {"emptied", -1, 0, 4, -1, 0, -1, -1, 0, kInvalid, {}},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        QnDropdownList list;
        MakeList(list);
        if (r.items != 0) {
            Fill(list, r.items < 0 ? 5 : r.items);
            list.SetMinIntValue(r.minimum, false);
            list.SetMaxIntValue(r.maximum, false);
        }
        if (r.items < 0) list.DeleteAllItems();
        list.SetIntValue(r.value, false);
        popup.shown.clear();
        recorder.calls.clear();
        popup.answer = r.answer;
        EXPECT_TRUE(driver.Step(&list, {HfcGesture::Down, 5, 5}));
        if (r.entries == 0) {
            // An empty menu opens nothing at all.
            EXPECT_TRUE(popup.shown.empty());
        } else {
            ASSERT_EQ(popup.shown.size(), 1u);
            const auto& shown = popup.shown[0];
            ASSERT_EQ(static_cast<int>(shown.texts.size()), r.entries);
            for (int k = 0; k < r.entries; ++k) {
                EXPECT_EQ(shown.texts[static_cast<size_t>(k)], "Item" + std::to_string(k));
                EXPECT_EQ(shown.ids[static_cast<size_t>(k)], k + 1);
            }
            EXPECT_EQ(shown.checked, r.checked);
            EXPECT_EQ(shown.selected, r.underMouse);
        }
        EXPECT_EQ(list.GetIntValue(), r.after);
        EXPECT_EQ(recorder.Reports(), r.reports);
    }
}

TEST_F(DropdownTest, ValuesOutsideTheItemsBecomeInvalid) {
    QnDropdownList list;
    MakeList(list);
    Fill(list, 7);
    list.SetMinIntValue(-1, false);
    list.SetMaxIntValue(5, false);
    const struct {
        int value, stored, item;
    } rows[] = {{-1, -1, 0},
                {5, 5, 6},
                {6, kInvalid, -1},
                {-2, kInvalid, -1},
                {kInvalid, kInvalid, -1},
                {0x7FFFFFFF, kInvalid, -1}};
    for (const auto& r : rows) {
        list.SetIntValue(r.value, false);
        EXPECT_EQ(list.GetIntValue(), r.stored) << r.value;
        EXPECT_EQ(list.GetSelectedItemIndex(), r.stored) << r.value;
        EXPECT_EQ(list.ItemOfValue(list.GetIntValue()), r.item) << r.value;
    }
    // An index names an item or clears the value; a valid one leaves the value alone.
    list.SetIntValue(3, false);
    list.SetSelectedItemIndex(6, false);
    EXPECT_EQ(list.GetIntValue(), 3);
    list.SetSelectedItemIndex(7, false);
    EXPECT_EQ(list.GetIntValue(), kInvalid);
    // The range's extremes do not overflow when the invalid value is measured from the minimum.
    list.SetMinIntValue(0x7FFFFFFF, false);
    list.SetIntValue(kInvalid, false);
    EXPECT_EQ(list.GetIntValue(), kInvalid);
    list.SetMinIntValue(kInvalid, false);
    list.SetIntValue(0x7FFFFFFF, false);
    EXPECT_EQ(list.GetIntValue(), kInvalid);
}

TEST_F(DropdownTest, TheFaceShowsTheSelectedShortTextAndNothingOnceEmptied) {
    QnDropdownList list;
    MakeList(list);
    list.AddItem("Long name", "Ab", false);
    list.AddItem("Other", false);
    CHfcOffscreenContext context(200, 60);
    list.SetIntValue(0, false);
    list.Draw(&context);
    // "Ab" in the block font: two blocks from the margin, vertically centred.
    const int top = 20 + (13 - BlockFont::kTextHeight) / 2;
    EXPECT_EQ(ExtentOf(context.GetBmp(), kText), (ListsTest::Extent{13, 13 + 8, top, top + 7}));
    list.DeleteAllItems();
    EXPECT_EQ(list.GetIntValue(), -1);
    EXPECT_EQ(list.GetMinIntValue(), 0);
    context.ClearRect(0, 0, 200, 60);
    list.Draw(&context);
    EXPECT_EQ(ExtentOf(context.GetBmp(), kText).left, -1);
    EXPECT_EQ(context.GetBmp()->GetPixel(50, 25), kFace);
}

// Where the text stands for every alignment (on the face of 100 with an arrow zone of 10).
TEST_F(DropdownTest, TextPlacement) {
    struct Row {
        int hAlign, margin, vAlign, offset;
        std::string text;
        int left, right, top;  // lit columns and first row relative to the control
    };
    const int w = 100 - 10;
    const std::string two = "AB";     // 10 wide
    const std::string wide(30, 'W');  // 150 wide: wider than the face
    const std::vector<Row> rows = {
        {0, 3, 1, 0, two, 3, 3 + 8, 2},
        {1, 3, 1, 0, two, 3 + (w - 6 - 10) / 2, 3 + (w - 6 - 10) / 2 + 8, 2},
        {2, 3, 1, 0, two, w - 3 - 10, w - 3 - 10 + 8, 2},
        {7, 3, 1, 0, two, 0, 8, 2},
        // Right-aligned text wider than the face starts at the margin and is cut at the arrow zone.
        {2, 3, 1, 0, wide, 3, 3 + (w - 3) - 1, 2},
        // Centred text wider than the room starts at the margin.
        {1, 3, 1, 0, wide, 3, 3 + 5 * 17 + 3, 2},
        {0, 5, 0, 2, two, 5, 13, 2},
        {0, 5, 2, 1, two, 5, 13, 13 - 8 - 1},
        {0, 5, 2, 9, two, 5, 13, 0},
        {0, 5, 5, 9, two, 5, 13, 0},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.text + " h" + std::to_string(r.hAlign) + " v" + std::to_string(r.vAlign));
        QnDropdownList list;
        MakeList(list, r.hAlign, r.margin, r.vAlign, r.offset);
        list.AddItem(r.text.c_str(), false);
        list.SetIntValue(0, false);
        CHfcOffscreenContext context(200, 60);
        list.Draw(&context);
        const ListsTest::Extent e = ExtentOf(context.GetBmp(), kText);
        EXPECT_EQ(e.left - 10, r.left);
        EXPECT_EQ(e.right - 10, r.right);
        EXPECT_EQ(e.top - 20, r.top);
    }
}

TEST_F(DropdownTest, FramesPressedAndDisabled) {
    QnDropdownList list;
    MakeList(list);
    Fill(list, 3);
    list.SetIntValue(1, false);
    CHfcOffscreenContext context(200, 60);
    // While the popup is open the face shows its pressed frame.
    uint32_t whilePressed = 0;
    popup.whileShown = [&] {
        list.Draw(&context);
        whilePressed = context.GetBmp()->GetPixel(60, 21);
    };
    driver.Step(&list, {HfcGesture::Down, 5, 5});
    EXPECT_EQ(whilePressed, kPressedFace);
    list.Draw(&context);
    EXPECT_EQ(context.GetBmp()->GetPixel(60, 21), kFace);

    // Disabled: the face and the text blended at half alpha over what lay below.
    HfcRecordingContext recording;
    list.Disable(false);
    list.Draw(&recording);
    ASSERT_FALSE(recording.Copies().empty());
    EXPECT_EQ(recording.Copies()[0], HfcRecordingContext::CopyAlpha(10, 20, 100, 13, 0, 0, 0.5f));
    CHfcOffscreenContext disabled(200, 60);
    list.Draw(&disabled);
    CHfcOffscreenContext expected(200, 60);
    expected.CopyBmpAlpha(10, 20, 100, 13, &face, 0.5f, 0, 0);
    expected.DrawBmpTextProportional(13, 20 + 2, "Item1", 100 - 10 - 3, &font.info, 0x7F00FF00, false);
    for (int x = 10; x < 110; x += 3) {
        EXPECT_EQ(disabled.GetBmp()->GetPixel(x, 24), expected.GetBmp()->GetPixel(x, 24)) << x;
    }
}

// A window at (100, 80) of the screen with a layer at (30, 40): the popup opens at the control's
// bottom-left corner on the screen.
class DropdownWindowTest : public HfcWindowFixture {};

TEST_F(DropdownWindowTest, PopupsOpenBelowTheListAndAtTheSwitchZone) {
    MakeWindow(100, 80, 400, 300);
    CHfcWindowLayer layer;
    ASSERT_TRUE(layer.Create(30, 40, 300, 200, m_window.get()));
    layer.Show(false);
    CHfcBmp face;
    ListsTest::Faces(&face, 100, 13, {kFace, kPressedFace, kFace, kPressedFace});
    BlockFont font;
    ListsTest::ScriptedPopup popup;
    HfcControlRecorder recorder;

    QnDropdownList list;
    SQnDropdownListParam p;
    p.x = 10;
    p.y = 20;
    p.height = 13;
    p.bitmap = &face;
    p.states = 1;
    p.font = &font.info;
    ASSERT_TRUE(list.Create(&p, 1, 0));
    list.AddItem("One", false);
    list.SetListener(&recorder);
    layer.AddControl(&list, false);
    list.Show(false);
    m_screen.MoveTo(100 + 30 + 15, 80 + 40 + 25);
    m_screen.Click();
    ASSERT_EQ(popup.shown.size(), 1u);
    EXPECT_EQ(popup.shown[0].rootX, 100 + 30 + 10);
    EXPECT_EQ(popup.shown[0].rootY, 80 + 40 + 20 + 13);

    QnDropdownListSwitch sw;
    SQnDropdownListSwitchParam s;
    s.x = 10;
    s.y = 60;
    s.bitmap = &face;
    s.states = 2;
    s.oneFramePerState = 0;
    s.font = &font.info;
    ASSERT_TRUE(sw.Create(&s, 2, 0));
    sw.AddItem("A", false);
    sw.SetListener(&recorder);
    layer.AddControl(&sw, false);
    sw.Show(false);
    m_screen.MoveTo(100 + 30 + 10 + 95, 80 + 40 + 60 + 5);
    m_screen.Click();
    ASSERT_EQ(popup.shown.size(), 2u);
    EXPECT_EQ(popup.shown[1].rootX, 100 + 30 + 10 + 100 - 22);
    EXPECT_EQ(popup.shown[1].rootY, 80 + 40 + 60);
    EXPECT_EQ(popup.shown[1].selected, 0);
    layer.RemoveAllControls();
    layer.Destroy();
}

class DropdownSwitchTest : public DropdownTest {
protected:
    DropdownSwitchTest() {
        ListsTest::Faces(&strip, 100, 20, {0xFF101010, 0xFF202020, 0xFF303030, 0xFF404040});
    }
    void MakeSwitch(QnDropdownListSwitch& sw, int hAlign = 0, int margin = 4) {
        SQnDropdownListSwitchParam p;
        p.x = 10;
        p.y = 20;
        p.bitmap = &strip;
        p.states = 2;
        p.oneFramePerState = 0;
        p.font = &font.info;
        p.text = "";
        p.colour = kText;
        p.hAlign = hAlign;
        p.hMargin = margin;
        p.vAlign = 0;
        p.vMargin = 4;
        ASSERT_TRUE(sw.Create(&p, 3, 0));
        sw.SetOnTextColor(kOnText);
        sw.SetListener(&recorder);
        sw.Show(false);
    }
    CHfcBmp strip;
};

TEST_F(DropdownSwitchTest, LeftOfTheZoneTogglesInsideItPicks) {
    QnDropdownListSwitch sw;
    MakeSwitch(sw);
    EXPECT_EQ(sw.GetZoneWidth(), 22);
    EXPECT_EQ(sw.GetSelectedItemIndex(), -1);
    sw.AddItem("Bank A", false);
    sw.AddItem("Bank B", false);
    sw.AddItem("Bank C", false);
    sw.SetSelectedItemIndex(1, false);
    struct Row {
        int x;
        int answer;
        Calls reports;
        int selected;
        size_t popups;
    };
    const Row rows[] = {
        // One pixel left of the zone: the text switch's press (the listener toggles).
        {100 - 22 - 1, 0, {"begin", "value 0|on", "value 0", "end"}, 1, 0},
        {0, 0, {"begin", "value 0|on", "value 0", "end"}, 1, 0},
        // In the zone: never a toggle; a pick reports event 0 with the index.
        {100 - 22, 3, {"event 0 2"}, 2, 1},
        {99, 0, {}, 2, 1},
    };
    struct EventRecorder : HfcControlRecorder {
        bool OnHfcCtrlEvent(CHfcControl*, int event, int argument, void*) override {
            calls.push_back("event " + std::to_string(event) + " " + std::to_string(argument));
            return true;
        }
    } events;
    sw.SetListener(&events);
    for (const Row& r : rows) {
        SCOPED_TRACE(r.x);
        events.calls.clear();
        popup.shown.clear();
        popup.answer = r.answer;
        driver.Step(&sw, {HfcGesture::Down, r.x, 5});
        driver.Step(&sw, {HfcGesture::Up, r.x, 5});
        EXPECT_EQ(events.Reports(), r.reports);
        EXPECT_EQ(sw.GetSelectedItemIndex(), r.selected);
        EXPECT_EQ(popup.shown.size(), r.popups);
        EXPECT_EQ(sw.GetIntValue(), 0);  // the on/off state never changes by itself
    }
    ASSERT_FALSE(popup.shown.empty());
    EXPECT_EQ(popup.shown[0].texts, (std::vector<std::string>{"Bank A", "Bank B", "Bank C"}));
    EXPECT_EQ(popup.shown[0].checked, 2);
}

TEST_F(DropdownSwitchTest, SelectedIndexAndTheEmptiedList) {
    QnDropdownListSwitch sw;
    MakeSwitch(sw);
    sw.AddItem("X", false);
    sw.AddItem("Y", false);
    for (const auto& [index, stored] : std::vector<std::pair<int, int>>{{1, 1}, {2, -1}, {-5, -1}, {0, 0}}) {
        sw.SetSelectedItemIndex(index, false);
        EXPECT_EQ(sw.GetSelectedItemIndex(), stored) << index;
    }
    sw.SetSelectedItemIndex(1, false);
    sw.DeleteAllItems();
    // The index is kept, but it names no item: nothing is drawn from it.
    EXPECT_EQ(sw.GetSelectedItemIndex(), 1);
    CHfcOffscreenContext context(200, 60);
    sw.Draw(&context);
    EXPECT_EQ(ExtentOf(context.GetBmp(), kText).left, -1);
    EXPECT_EQ(ExtentOf(context.GetBmp(), kOnText).left, -1);
    EXPECT_EQ(context.GetBmp()->GetPixel(50, 25), 0xFF101010u);
}

TEST_F(DropdownSwitchTest, FramesTextColourAndPlacement) {
    struct Row {
        int hAlign;
        int value;
        bool pressed;
        uint32_t face;
        uint32_t colour;
        int left;  // first lit column relative to the control
    };
    const int w = 100 - 22 - 2;
    const Row rows[] = {
        {0, 0, false, 0xFF101010, kText, 4},          {0, 1, false, 0xFF303030, kOnText, 4},
        {0, 0, true, 0xFF202020, kText, 4},           {1, 0, false, 0xFF101010, kText, (w - 15) / 2 + 4},
        {2, 0, false, 0xFF101010, kText, w - 4 - 15}, {9, 0, false, 0xFF101010, kText, 4},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(std::to_string(r.hAlign) + "/" + std::to_string(r.value));
        QnDropdownListSwitch sw;
        MakeSwitch(sw, r.hAlign);
        sw.AddItem("ABC", false);
        sw.SetSelectedItemIndex(0, false);
        sw.SetIntValue(r.pressed ? static_cast<int>(0x80000000u | static_cast<unsigned>(r.value)) : r.value,
                       false);
        CHfcOffscreenContext context(200, 60);
        sw.Draw(&context);
        EXPECT_EQ(context.GetBmp()->GetPixel(99, 39), r.face);
        const ListsTest::Extent e = ExtentOf(context.GetBmp(), r.colour);
        EXPECT_EQ(e.left - 10, r.left);
        EXPECT_EQ(e.top - 20, 4);
    }
}

}  // namespace
