// The factory's dropdowns, lists, scroll bars and selectors with the real art: what each look
// creates, and a gallery of them in their states (gallery/EditorControls_Lists.png, for review).
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "Common/Controls/MMPCtrlList.h"
#include "Common/Controls/MMPCtrlScrollBar.h"
#include "Common/Controls/QnControlCreater.h"
#include "Common/Controls/QnDropdownList.h"
#include "Common/Controls/QnListLooks.h"
#include "Common/Controls/QnSelectors.h"
#include "Common/FontManager/FontManager.h"
#include "Common/FontManager/ResourceManager.h"
#include "Hfc/Draw/HfcBmp.h"
#include "Hfc/Draw/HfcDrawContext.h"
#include "Hfc/HfcControlDriver.h"
#include "Hfc/HfcFixture.h"
#include "Hfc/HfcGallery.h"
#include "ListsTestSupport.h"

namespace {

class ListsFactory : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(ResourceManager::Initialize());
        ASSERT_TRUE(FontManager::Initialize());
        ListsTest::Solid(&panel, 816, 600, 0xFF1C1F24);
    }
    void TearDown() override {
        FontManager::Uninitialize();
        ResourceManager::Uninitialize();
    }
    static CHfcBmp* Image(const char* name) { return ResourceManager::GetInstance()->LoadImage(name); }

    CHfcBmp panel;
};

TEST_F(ListsFactory, DropdownLooks) {
    QnControlCreater creater(&panel, 100, 50);
    for (int look = -1; look <= QnListLooks::kDropdownLookCount; ++look) {
        SCOPED_TRACE(look);
        std::unique_ptr<QnDropdownList> list(creater.CreateDropdownList(10, 20, look, 77));
        ASSERT_TRUE(list);
        const QnListLooks::DropdownLook& l = QnListLooks::Dropdown(look);
        EXPECT_EQ(list->GetId(), 77);
        EXPECT_EQ(list->GetRect().left, 110);
        EXPECT_EQ(list->GetRect().top, 70);
        EXPECT_EQ(list->GetArrowZoneWidth(), l.arrowZone);
        EXPECT_EQ(list->GetListener(), nullptr);
        EXPECT_EQ(list->GetIntValue(), QnDropdownList::kInvalidValue);
        EXPECT_TRUE(list->IsVisible());
        EXPECT_TRUE(list->IsEnabled());
        if (l.image) {
            CHfcBmp* image = Image(l.image);
            ASSERT_NE(image, nullptr);
            EXPECT_EQ(list->GetRect().right - list->GetRect().left, image->GetWidth());
            EXPECT_EQ(list->GetRect().bottom - list->GetRect().top, image->GetHeight() / l.faces);
        } else {
            EXPECT_EQ(list->GetRect().right, list->GetRect().left);
        }
    }
    EXPECT_EQ(QnListLooks::Dropdown(7).arrowZone, 14);
    EXPECT_EQ(QnListLooks::Dropdown(8).arrowZone, 20);
    EXPECT_EQ(QnListLooks::Dropdown(11).colour, 0xFFFF0000u);
    EXPECT_EQ(QnListLooks::Dropdown(12).image, nullptr);
    EXPECT_EQ(QnListLooks::Dropdown(12).colour, 0u);
}

TEST_F(ListsFactory, SwitchesSelectorsListsAndScrollBars) {
    QnControlCreater creater(&panel, 100, 50);
    // The dropdown switch, the list and the scroll bar stand where asked (no offset).
    std::unique_ptr<QnDropdownListSwitch> sw(creater.CreateDropdownListSwitch(10, 20, 1, 2, 5));
    ASSERT_TRUE(sw);
    EXPECT_EQ(sw->GetRect().left, 10);
    EXPECT_EQ(sw->GetRect().bottom - sw->GetRect().top, Image("DropdownSwitch_RedBrowser")->GetHeight() / 2);
    EXPECT_EQ(sw->GetZoneWidth(), 22);
    EXPECT_TRUE(sw->IsVisible());
    EXPECT_EQ(sw->GetMaxIntValue(), 1);
    EXPECT_EQ(creater.CreateDropdownListSwitch(10, 20, 2, 0, 5), nullptr);

    std::unique_ptr<QnSoundSelector> sound(creater.CreateSoundSelector(10, 20, 3, 1, 6));
    ASSERT_TRUE(sound);
    EXPECT_EQ(sound->GetRect(), (tagHfcRect{110, 70, 110 + 180, 70 + 25}));
    EXPECT_EQ(sound->GetKind(), 3);
    EXPECT_EQ(sound->GetInset(), 8);
    EXPECT_EQ(sound->GetFont(), FontManager::GetInstance()->GetBmpFontInfo(FontName_HelvB11));
    std::unique_ptr<QnSoundSelector> plain(creater.CreateSoundSelector(10, 20, 0, 5, 6));
    ASSERT_TRUE(plain);
    EXPECT_EQ(plain->GetLcdImage(), nullptr);
    EXPECT_EQ(plain->GetInset(), 0);
    EXPECT_EQ(plain->GetFont(), FontManager::GetInstance()->GetBmpFontInfo(FontName_Geneva9));

    std::unique_ptr<QnMiniProgramSelector> mini(creater.CreateMiniProgramSelector(10, 20, 7));
    ASSERT_TRUE(mini);
    EXPECT_EQ(mini->GetRect(), (tagHfcRect{110, 70, 110 + 69, 70 + 24}));
    EXPECT_EQ(mini->GetMaxIntValue(), 896);

    std::unique_ptr<CMMPCtrlList> list(creater.CreateListControl(10, 20, 300, 230, 1, 3, 23, true, 8));
    ASSERT_TRUE(list);
    EXPECT_EQ(list->GetRect(), (tagHfcRect{10, 20, 310, 250}));
    EXPECT_EQ(list->GetParam().selectionColour, 0xFFFF0000u);
    EXPECT_EQ(list->GetParam().textX, 1);
    EXPECT_TRUE(list->GetParam().proportional);
    EXPECT_EQ(list->GetParam().font,
              FontManager::GetInstance()->GetBmpFontInfo(FontName_Geneva9_for_Controls)->bitmap);
    EXPECT_EQ(list->GetParam().backgroundX, 10);

    std::unique_ptr<CMMPCtrlScrollBar> vertical(creater.CreateScrollBar(10, 20, 200, 1, 0, 9));
    ASSERT_TRUE(vertical);
    const int button = Image("Scrollbar_Blue_Vertical_IncDec")->GetWidth();
    EXPECT_EQ(vertical->GetRect(), (tagHfcRect{10, 20, 10 + button, 220}));
    EXPECT_EQ(vertical->GetThickness(), button - 4);
    EXPECT_EQ(vertical->GetRangeCount(), 2);
    EXPECT_EQ(vertical->GetPageSize(), 1);
    std::unique_ptr<CMMPCtrlScrollBar> horizontal(creater.CreateScrollBar(10, 20, 200, 0, 0, 9));
    ASSERT_TRUE(horizontal);
    const int height = Image("Scrollbar_Blue_Horizontal_IncDec")->GetHeight() / 4;
    EXPECT_EQ(horizontal->GetRect(), (tagHfcRect{10, 20, 210, 20 + height}));
    EXPECT_EQ(horizontal->GetThickness(), height - 4);
}

// Every control of the family in its states, drawn with the real art onto a panel.
TEST_F(ListsFactory, Gallery) {
    CHfcOffscreenContext sheet(816, 600);
    sheet.CopyBmp(0, 0, 816, 600, &panel, 0, 0);
    QnControlCreater creater(&panel, 0, 0);
    HfcControlRecorder recorder;
    HfcControlDriver driver;
    std::vector<std::unique_ptr<CHfcControl>> keep;
    auto show = [&](CHfcControl* control) {
        keep.emplace_back(control);
        control->Show(false);
        return control;
    };

    // Dropdowns: every look, then look 2 disabled and look 11 pressed.
    const char* names[] = {"Init", "Piano", "Strings", "Brass", "Lead",
                           "Pad",  "Bass",  "Drums",   "Organ", "Guitar"};
    int y = 10;
    for (int look = 0; look < QnListLooks::kDropdownLookCount; ++look) {
        auto* list = static_cast<QnDropdownList*>(show(creater.CreateDropdownList(10, y, look, look)));
        for (const char* name : names) list->AddItem(name, false);
        list->SetIntValue(look % 10, false);
        list->Draw(&sheet);
        y += list->GetRect().bottom - list->GetRect().top + 6;
    }
    auto* disabled = static_cast<QnDropdownList*>(show(creater.CreateDropdownList(180, 10, 2, 20)));
    disabled->AddItem("Disabled", false);
    disabled->SetIntValue(0, false);
    disabled->Disable(false);
    disabled->Draw(&sheet);
    auto* pressed = static_cast<QnDropdownList*>(show(creater.CreateDropdownList(180, 30, 11, 21)));
    pressed->AddItem("Pressed", false);
    pressed->SetIntValue(0, false);
    ListsTest::ScriptedPopup popup;
    popup.whileShown = [&] { pressed->Draw(&sheet); };
    driver.Step(pressed, {HfcGesture::Down, 5, 5});

    // Dropdown switches: off, on, disabled; blue and red.
    for (int look = 0; look < 2; ++look) {
        for (int state = 0; state < 3; ++state) {
            auto* sw = static_cast<QnDropdownListSwitch*>(
                show(creater.CreateDropdownListSwitch(180 + state * 110, 80 + look * 50, look, 1, 30)));
            sw->AddItem(look ? "USER-B" : "PRELOAD", false);
            sw->SetSelectedItemIndex(0, false);
            sw->SetIntValue(state == 1 ? 1 : 0, false);
            if (state == 2) sw->Disable(false);
            sw->Draw(&sheet);
        }
    }

    // Sound selectors and program selectors.
    const char* sounds[] = {"Stereo Chorus", "Grand Piano Multi"};
    for (int look = 0; look < 2; ++look) {
        for (int state = 0; state < 2; ++state) {
            auto* sound = static_cast<QnSoundSelector*>(
                show(creater.CreateSoundSelector(180 + state * 200, 190 + look * 35, 3, look, 40)));
            sound->SetPtrValue(const_cast<char*>(sounds[look]), false);
            if (state) sound->Disable(false);
            sound->Draw(&sheet);
        }
    }
    const int programs[] = {130, -1, 0};
    for (int i = 0; i < 3; ++i) {
        auto* mini = static_cast<QnMiniProgramSelector*>(
            show(creater.CreateMiniProgramSelector(180 + i * 80, 270, 50)));
        mini->SetIntValue(programs[i], false);
        if (i == 2) mini->Disable(false);
        mini->Draw(&sheet);
    }

    // An up/down selector over the LCD look, its text in its item; octave and key selectors.
    CHfcBmp* lcd = Image("DropdownListLCD_99X25");
    SQnUpdownSelector u;
    u.x = 440;
    u.y = 270;
    u.image = lcd;
    u.incrementZone = {79, 0, 99, 12};
    u.decrementZone = {79, 12, 99, 25};
    u.colour = 0xFFFFFFFF;
    auto* updown = new QnUpdownSelector;
    ASSERT_TRUE(updown->Create(&u, 60, 0));
    show(updown);
    for (const char* item : {"Octave -1", "Octave 0", "Octave +1"}) updown->AddItem(item);
    updown->SetIntValue(1, false);
    updown->Draw(&sheet);
    auto* octave = new QnOctaveSelector;
    ASSERT_TRUE(octave->Create(180, 310, &panel, 180, 310, 61));
    show(octave);
    octave->SetIntValue(4, false);
    octave->Draw(&sheet);
    auto* key = new QnKeySelector;
    ASSERT_TRUE(key->Create(180, 345, &panel, 180, 345, 62));
    show(key);
    key->SetIntValue(60, false);
    key->Draw(&sheet);

    // A cell list with a selected, marked, framed and disabled item, and scroll bars in their states.
    auto* cells =
        static_cast<CMMPCtrlList*>(show(creater.CreateListControl(180, 390, 330, 120, 0, 3, 8, true, 70)));
    for (int i = 0; i < 22; ++i) {
        CHfcCtrlListItem* item = cells->AddItem();
        item->SetCaption(("A" + std::to_string(i) + " " + names[i % 10]).c_str());
        item->SetSelected(i == 2);
        item->m_marked = i == 9;
        item->m_framed = i == 12;
        item->m_enabled = i != 15;
    }
    cells->Draw(&sheet);
    auto* red =
        static_cast<CMMPCtrlList*>(show(creater.CreateListControl(520, 390, 150, 120, 1, 1, 8, true, 71)));
    for (int i = 0; i < 5; ++i) red->AddItem()->SetCaption(names[i]);
    red->GetItem(1)->SetSelected(true);
    red->Draw(&sheet);
    for (int state = 0; state < 4; ++state) {
        auto* bar = static_cast<CMMPCtrlScrollBar*>(
            show(creater.CreateScrollBar(690 + state * 30, 390, 200, 1, state == 3 ? 1 : 0, 80)));
        bar->SetMaxIntValue(state == 2 ? 0 : 99, false);
        bar->SetPageSize(22, false);
        bar->SetIntValue(40, false);
        if (state == 1) driver.Step(bar, {HfcGesture::Down, 5, 195});
        bar->Draw(&sheet);
        if (state == 1) driver.Step(bar, {HfcGesture::Up, 5, 195});
    }
    auto* across = static_cast<CMMPCtrlScrollBar*>(show(creater.CreateScrollBar(180, 520, 330, 0, 0, 81)));
    across->SetMaxIntValue(99, false);
    across->SetPageSize(10, false);
    across->SetIntValue(70, false);
    across->Disable(false);
    across->Draw(&sheet);

    EXPECT_TRUE(HfcWritePng(sheet.GetBmp(), HfcGalleryPath("EditorControls_Lists").c_str()));
}

}  // namespace
