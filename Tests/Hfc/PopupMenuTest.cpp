#include <gtest/gtest.h>

#include "Hfc/Core/HfcPopupMenu.h"
#include "HfcFixture.h"
#include "HfcGallery.h"

namespace {

class PopupMenu : public HfcWindowFixture {
protected:
    void SetUp() override {
        HfcWindowFixture::SetUp();
        w = MakeWindow(100, 80, 400, 300);
        ASSERT_TRUE(menu.Create(0));
        ASSERT_TRUE(menu.InsertItem(0, 7, "A", 0));
        ASSERT_TRUE(menu.InsertItem(1, 9, "B", 2));  // disabled
        ASSERT_TRUE(menu.InsertItem(2, 11, "C", 0));
    }
    void TearDown() override {
        HfcSetPopupMenuHook(nullptr);
        HfcWindowFixture::TearDown();
    }
    // Frames other than the window's: the menu window must be gone after tracking.
    size_t OtherFrames() const { return m_screen.Frames().size() - 1; }
    // Screen point of row `row` of a menu opened at window (50, 50) with item 0 under it.
    static int RowY(int row) { return 80 + 50 + row * kHfcMenuRowHeight + kHfcMenuRowHeight / 2; }
    static constexpr int kMenuX = 100 + 50 + 10;

    CTestWindow* w = nullptr;
    CHfcPopupMenu menu;
};

TEST_F(PopupMenu, ItemsInsertDeleteAndCheck) {
    EXPECT_EQ(menu.GetNumItems(), 3);
    EXPECT_EQ(menu.GetItems()[0].text, "A");
    EXPECT_EQ(menu.GetItems()[1].flags, 2u);
    ASSERT_TRUE(menu.InsertItem(99, 13, "D", 0));  // past the end appends
    EXPECT_EQ(menu.GetItems().back().id, 13);
    ASSERT_TRUE(menu.InsertItem(0, 1, "first", 0));
    EXPECT_EQ(menu.GetItems()[0].id, 1);
    EXPECT_TRUE(menu.CheckItem(0, true));
    EXPECT_TRUE(menu.GetItems()[0].checked);
    EXPECT_TRUE(menu.DeleteItem(0));
    EXPECT_FALSE(menu.DeleteItem(4));
    EXPECT_FALSE(menu.CheckItem(-1, true));
    EXPECT_FALSE(menu.InsertItem(0, 1, nullptr, 0));
    EXPECT_FALSE(menu.Create(0));  // once
    CHfcPopupMenu registered;
    ASSERT_TRUE(registered.Create(42));
    EXPECT_EQ(CHfcPopupMenu::FindMenu(42), &registered);
    CHfcPopupMenu clash;
    EXPECT_FALSE(clash.Create(42));
    registered.Destroy();
    EXPECT_EQ(CHfcPopupMenu::FindMenu(42), nullptr);
    EXPECT_EQ(registered.GetNumItems(), 0);
    EXPECT_FALSE(registered.InsertItem(0, 1, "x", 0));
    EXPECT_EQ(registered.TrackPopupById(0, 0, w, 0), 0);
    // An empty menu answers 0 without opening anything.
    CHfcPopupMenu empty;
    empty.Create(0);
    EXPECT_EQ(empty.TrackPopupById(10, 10, w, 0), 0);
    EXPECT_EQ(OtherFrames(), 0u);
}

TEST_F(PopupMenu, PressDragReleaseChoosesAndDisabledItemsAreNot) {
    struct Case {
        const char* what;
        int row;
        int expected;
    };
    const Case cases[] = {{"A", 0, 7}, {"disabled B", 1, 0}, {"C", 2, 11}};
    for (const Case& c : cases) {
        m_screen.MoveTo(100 + 50, 80 + 50);
        m_screen.ButtonDown();  // the press that opens the menu
        m_screen.Later([&] {
            m_screen.MoveTo(kMenuX, RowY(c.row));
            m_screen.ButtonUp();
        });
        EXPECT_EQ(menu.TrackPopupById(50, 50, w, 0), c.expected) << c.what;
        EXPECT_EQ(OtherFrames(), 0u) << c.what;
    }
}

TEST_F(PopupMenu, AQuickClickLeavesItOpenForASecondClick) {
    m_screen.MoveTo(100 + 50, 80 + 50);
    m_screen.ButtonDown();
    bool stillOpen = false;
    m_screen.Later([&] {
        m_screen.ButtonUp();  // released at once without moving
        stillOpen = OtherFrames() == 1;
        m_screen.MoveTo(kMenuX, RowY(2));
        m_screen.Click();
    });
    EXPECT_EQ(menu.TrackPopupById(50, 50, w, 0), 11);
    EXPECT_TRUE(stillOpen);
    // A slow release without moving closes it with nothing chosen... unless over an item: here over A.
    m_screen.MoveTo(100 + 50, 80 + 50);
    m_screen.ButtonDown();
    m_screen.Later([&] {
        Advance(600);
        m_screen.ButtonUp();
    });
    EXPECT_EQ(menu.TrackPopupById(50, 50, w, 0), 7);
}

TEST_F(PopupMenu, EscapeAndAClickOutsideChooseNothing) {
    m_screen.Later([&] { m_screen.Key(27, 27); });
    EXPECT_EQ(menu.TrackPopupById(50, 50, w, 0), 0);
    m_screen.Later([&] {
        m_screen.MoveTo(900, 700);
        m_screen.ButtonDown();
    });
    EXPECT_EQ(menu.TrackPopupById(50, 50, w, 0), 0);
    m_screen.ButtonUp();
    EXPECT_EQ(OtherFrames(), 0u);
}

TEST_F(PopupMenu, KeyboardSkipsDisabledItems) {
    m_screen.MoveTo(0, 0);
    m_screen.Later([&] {
        m_screen.Key(31, 40);  // down: A
        m_screen.Key(31, 40);  // down: C (B is disabled)
        m_screen.Key(31, 40);  // nothing below
        m_screen.Key(13, 0);
    });
    EXPECT_EQ(menu.TrackPopupById(50, 50, w, -1), 11);
    m_screen.Later([&] {
        m_screen.Key(30, 38);  // up from nothing: the last choosable
        m_screen.Key(30, 38);
        m_screen.Key(13, 0);
    });
    EXPECT_EQ(menu.TrackPopupById(50, 50, w, -1), 7);
}

TEST_F(PopupMenu, CancelledTrackingAnswersMinusOne) {
    m_screen.SetRefuseGrab(true);
    EXPECT_EQ(menu.TrackPopupById(50, 50, w, 0), -1);
    EXPECT_EQ(OtherFrames(), 0u);
    m_screen.SetRefuseGrab(false);
    m_screen.Later([&] { m_screen.Deactivate(); });
    EXPECT_EQ(menu.TrackPopupById(50, 50, w, 0), -1);
    EXPECT_EQ(OtherFrames(), 0u);
    // The capture is released before tracking.
    CRecordingControl c("c", nullptr);
    HfcLog log;
    c.m_log = &log;
    CHfcMouse::GetInstance()->SetCapture(&c, w);
    m_screen.Later([&] { m_screen.Key(27, 27); });
    menu.TrackPopupById(50, 50, w, 0);
    EXPECT_EQ(CHfcMouse::GetInstance()->GetCapture(), nullptr);
    EXPECT_EQ(log, (HfcLog{"c:lost-capture"}));
}

TEST_F(PopupMenu, ATallMenuScrollsAndStaysOnTheScreen) {
    CHfcPopupMenu tall;
    tall.Create(0);
    for (int i = 0; i < 300; ++i) tall.InsertItem(i, 1000 + i, ("Value " + std::to_string(i)).c_str(), 0);
    // Item 0 starts highlighted; down a hundred times scrolls item 100 into view; Return chooses it.
    m_screen.Later([&] {
        for (int i = 0; i < 100; ++i) m_screen.Key(31, 40);
        CHfcHeadlessFrame* popup = m_screen.GetGrabFrame();
        ASSERT_NE(popup, nullptr);
        int x = 0, y = 0;
        popup->GetRootOrigin(&x, &y);
        EXPECT_EQ(y, 0);
        EXPECT_EQ(popup->GetHeight(), 768);
        m_screen.Key(13, 0);
    });
    EXPECT_EQ(tall.TrackPopupById(50, 50, w, 0), 1100);
    // The wheel scrolls three rows a notch; a click then lands on a later row.
    m_screen.Later([&] {
        m_screen.MoveTo(160, kHfcMenuScrollStrip + 5);
        m_screen.Wheel(-1);
        m_screen.Wheel(-1);
        m_screen.MoveTo(160, kHfcMenuScrollStrip + 5);
        m_screen.Click();
    });
    EXPECT_EQ(tall.TrackPopupById(50, 50, w, 0), 1006);
    EXPECT_EQ(OtherFrames(), 0u);
}

TEST_F(PopupMenu, RestingOnAnArrowStripScrollsTheList) {
    CHfcPopupMenu tall;
    tall.Create(0);
    for (int i = 0; i < 300; ++i) tall.InsertItem(i, 1000 + i, ("Value " + std::to_string(i)).c_str(), 0);
    RunLoop::TimerId timer = 0;
    m_screen.Later([&] {
        m_screen.MoveTo(160, 768 - kHfcMenuScrollStrip / 2);
        // A while on the bottom strip (it scrolls a row every 40 ms), then a click on the first row in view.
        timer = m_loop.AddTimer(nullptr, 300, [&](RunLoop::TimerMessage) {
            m_screen.MoveTo(160, kHfcMenuScrollStrip + 5);
            m_screen.Click();
        });
    });
    const int chosen = tall.TrackPopupById(50, 50, w, 0);
    m_loop.RemoveTimer(timer);
    EXPECT_GT(chosen, 1000);
    EXPECT_LT(chosen, 1300);
}

TEST_F(PopupMenu, TheHookAnswersForTheUser) {
    HfcPopupMenuRequest seen{};
    HfcSetPopupMenuHook([&](const HfcPopupMenuRequest& request) {
        seen = request;
        return 9;
    });
    EXPECT_EQ(menu.TrackPopupById(50, 60, w, 2), 9);
    ASSERT_EQ(seen.items.size(), 3u);
    EXPECT_EQ(seen.items[1].text, "B");
    EXPECT_EQ(seen.rootX, 150);
    EXPECT_EQ(seen.rootY, 140);
    EXPECT_EQ(seen.selected, 2);
    EXPECT_EQ(OtherFrames(), 0u);
}

TEST_F(PopupMenu, SnapshotOfTheOpenMenu) {
    menu.CheckItem(2, true);
    menu.InsertItem(3, 0, "", 1);  // separator
    menu.InsertItem(4, 15, "Receive All...", 0);
    HfcLog log;
    CRecordingLayer back("back", &log);
    back.Create(0, 0, 400, 300, w);
    back.Fill(0xFFD8DEE9);
    back.Show(true);
    m_screen.Later([&] {
        m_screen.MoveTo(kMenuX, RowY(0));
        CHfcHeadlessFrame* popup = m_screen.GetGrabFrame();
        ASSERT_NE(popup, nullptr);
        // The highlighted row and the border where the menu window draws them.
        CHfcBmp* buffer = popup->GetBackBuffer();
        EXPECT_EQ(buffer->GetPixel(0, 0), 0xFF7F7F7Fu);
        EXPECT_EQ(buffer->GetPixel(3, 3), 0xFF3A6FC4u);
        EXPECT_EQ(buffer->GetPixel(3, kHfcMenuRowHeight + 3), 0xFFF2F2F2u);
        EXPECT_TRUE(m_screen.WritePng(HfcGalleryPath("popup_menu")));
        m_screen.Key(27, 27);
    });
    EXPECT_EQ(menu.TrackPopupById(50, 50, w, 0), 0);
}

}  // namespace
