// The stock controls the factory makes, linked on a page to real parameters: the page meets each by
// its class (a check box toggles on the press alone, a slide switch runs opposite to its parameter,
// an edit field shows and takes the parameter's text).
#include <gtest/gtest.h>

#include "Common/Controls/QnDropdownList.h"
#include "Hfc/Core/HfcCtrlCharEditText.h"
#include "Hfc/Core/HfcCtrlSlideSwitch.h"
#include "Hfc/Core/HfcCtrlSwitch.h"
#include "Hfc/Core/HfcPopupMenu.h"
#include "PageFixture.h"

using namespace QorX0;

namespace {

constexpr int kLegato = 0x0003;      // program edit, switch
constexpr int kRandom = 0x000B;      // program edit, 0..7
constexpr int kStartLevel = 0x0100;  // program edit, -99..99

using FactoryPage = FactoryPageFixture<CTabPageLayer>;

// A click whose press and release arrive before any tick toggles once and sends one change.
TEST_F(FactoryPage, ACheckBoxClickTogglesOnceEvenWithoutATickBetween) {
    CHfcCtrlSwitch* box = Place(creater.CreateCehckBox(10, 10, kLegato), kLegato);
    ASSERT_NE(box, nullptr);
    Prog()->PutParamIEx(kLegato, 0, kPutNotify);
    Tick();
    ASSERT_EQ(box->GetIntValue(), 0);
    for (int expected : {1, 0}) {
        const unsigned before = Sends();
        box->OnHfcMouseLButtonDown(CHfcMouse::GetInstance(), 3, 3, 0);
        box->OnHfcMouseLButtonUp(CHfcMouse::GetInstance(), 3, 3, 0);
        EXPECT_EQ(Prog()->GetParamI(kLegato), expected);
        EXPECT_EQ(Sends() - before, 1u);
        Tick();
        EXPECT_EQ(box->GetIntValue(), expected);
    }
}

// The top position of a slide switch is the parameter's minimum, both ways.
TEST_F(FactoryPage, ASlideSwitchRunsOppositeToItsParameter) {
    CHfcCtrlSlideSwitch* slide =
        Place(creater.CreateSlideSwitch(10, 10, "Switch_OscillatorMode", 8, 5), kRandom);
    ASSERT_NE(slide, nullptr);
    Prog()->PutParamIEx(kRandom, 2, kPutNotify);
    Tick();
    EXPECT_EQ(slide->GetIntValue(), 5);
    page->OnHfcCtrlIntValueChanged(slide, 7);
    EXPECT_EQ(Prog()->GetParamI(kRandom), 0);
    Tick();
    EXPECT_EQ(slide->GetIntValue(), 7);
}

// An edit field shows the parameter's text and writes what the user types and confirms.
TEST_F(FactoryPage, AnEditFieldShowsAndTakesTheParametersText) {
    CHfcCtrlCharEditText* field = Place(creater.CreateTextEdit(10, 10, 37, 13, kStartLevel), kStartLevel);
    ASSERT_NE(field, nullptr);
    Prog()->PutParamIEx(kStartLevel, -12, kPutNotify);
    Tick();
    EXPECT_EQ(static_cast<const char*>(field->GetPtrValue()), Text(kStartLevel, -12));
    ASSERT_TRUE(field->EnterEdit("+34"));
    const unsigned before = Sends();
    field->OnKeyDown(13, 0, 0);  // Return confirms
    EXPECT_FALSE(field->IsEditing());
    EXPECT_EQ(Prog()->GetParamI(kStartLevel), 34);
    EXPECT_EQ(Sends() - before, 1u);
    Tick();
    EXPECT_EQ(static_cast<const char*>(field->GetPtrValue()), Text(kStartLevel, 34));
}

// A dropdown takes the key focus when clicked; then the arrow keys of the keyboard step its
// parameter through the page, up and right to the next value, down and left to the one before,
// and nothing is written past the ends.
TEST_F(FactoryPage, AFocusedDropdownStepsItsParameterWithTheArrowKeys) {
    QnDropdownList* list = Place(creater.CreateDropdownList(10, 10, 0, kRandom), kRandom);
    ASSERT_NE(list, nullptr);
    page->Show(false);
    Prog()->PutParamIEx(kRandom, 3, kPutNotify);
    Tick();
    HfcSetPopupMenuHook([](const HfcPopupMenuRequest&) { return 0; });  // the popup is dismissed
    m_screen.MoveTo(15, 15);
    m_screen.Click();
    HfcSetPopupMenuHook(nullptr);
    ASSERT_TRUE(list->IsFocused());
    const struct {
        unsigned long keysym;  // the X keysyms of the arrow keys
        int start, value;
    } cases[] = {
        {0xFF52, 3, 4}, {0xFF53, 4, 5}, {0xFF54, 5, 4}, {0xFF51, 4, 3},  // up, right, down, left
        {0xFF52, 7, 7}, {0xFF53, 7, 7}, {0xFF54, 0, 0}, {0xFF51, 0, 0},  // at the ends
    };
    for (const auto& c : cases) {
        SCOPED_TRACE("key " + std::to_string(c.keysym) + " from " + std::to_string(c.start));
        Prog()->PutParamIEx(kRandom, c.start, kPutNotify);
        Tick();
        int character = 0, virtualKey = 0;
        HfcKeysymToKey(c.keysym, &character, &virtualKey);
        const unsigned before = Sends();
        m_screen.Key(character, virtualKey);
        EXPECT_EQ(Prog()->GetParamI(kRandom), c.value);
        EXPECT_EQ(Sends() - before, c.value == c.start ? 0u : 1u);
        Tick();
        EXPECT_EQ(list->GetIntValue(), c.value);
    }
}

}  // namespace
