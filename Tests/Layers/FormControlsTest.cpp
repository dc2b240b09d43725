// Form rows made into controls by the factory: the class and size of a row decide the control, a
// caption's font decides its look (compared by name, wherever the row keeps the name), and rows of
// no supported size or font make nothing.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "Common/Controls/QnControlCreater.h"
#include "Common/FontManager/FontManager.h"
#include "Common/FontManager/ResourceManager.h"
#include "Common/Layers/Forms/FormRows.h"
#include "Common/Layers/Forms/UIFormManager.h"
#include "Hfc/Core/HfcControl.h"
#include "Hfc/Draw/HfcBmp.h"

namespace {

class FormControls : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(ResourceManager::Initialize());
        ASSERT_TRUE(FontManager::Initialize());
        background = ResourceManager::GetInstance()->LoadImage("Background_SubTab");
        ASSERT_NE(background, nullptr);
    }
    void TearDown() override {
        FontManager::Uninitialize();
        ResourceManager::Uninitialize();
    }
    std::unique_ptr<CHfcControl, void (*)(CHfcControl*)> Make(const UI_FORMINFO& row) {
        QnControlCreater creater(background, 0, 0);
        return {UI_FORM_Utils::CreateControl(&creater, row, background), [](CHfcControl* c) {
                    if (c != nullptr) c->Destroy();
                    delete c;
                }};
    }
    CHfcBmp* background = nullptr;
};

TEST_F(FormControls, RowsOfNoSupportedSizeOrFontMakeNothing) {
    // A popup menu 65 wide: the factory has no look for it.
    UI_FORMINFO popup = UIForms::Pop96(0x0002, 80, 35);
    popup.width = 65;
    EXPECT_EQ(Make(popup), nullptr);
    // A caption in a font that is neither caption font, or in none.
    for (const char* font : {"FontGeneva9", "FontHelvB11", "", static_cast<const char*>(nullptr)}) {
        UI_FORMINFO caption = UIForms::Lbl("Level", 15, 35);
        caption.fontName = font;
        EXPECT_EQ(Make(caption), nullptr) << (font ? font : "(none)");
    }
    // Rows of no item class, a form among them.
    UI_FORMINFO other = UIForms::Chk(0x0003, 80, 35);
    other.className = "button";
    EXPECT_EQ(Make(other), nullptr);
    EXPECT_EQ(Make(*UIForms::_g_uiFormInfoBlock.forms), nullptr);
    EXPECT_EQ(UI_FORM_Utils::CreateControl(nullptr, UIForms::Chk(0x0003, 80, 35), background), nullptr);
}

TEST_F(FormControls, CheckBoxesAndEditFieldsOfFormRows) {
    auto check = Make(UIForms::Chk(0x0003, 80, 35));
    ASSERT_NE(check, nullptr);
    EXPECT_EQ(check->GetId(), 0x0003);
    EXPECT_EQ(check->GetRect().left, 80);
    EXPECT_EQ(check->GetRect().top, 35);

    auto edit = Make(UIForms::Edit40(0x0100, 80, 35));
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(edit->GetId(), 0x0100);
    // The field sits inside its row, shrunk by its focus margins.
    EXPECT_EQ(edit->GetRect().left, 82);
    EXPECT_EQ(edit->GetRect().right, 118);
}

}  // namespace
