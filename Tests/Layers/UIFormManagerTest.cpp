// The form manager and the form utilities: lookups by index and id, class numbers, the image block,
// and caption records (a form row, which has no font name at all, gives neither font nor image).
#include <gtest/gtest.h>

#include <string>

#include "Common/FontManager/FontManager.h"
#include "Common/FontManager/ResourceManager.h"
#include "Common/Layers/Forms/FormRows.h"
#include "Common/Layers/Forms/UIFormManager.h"
#include "Hfc/Draw/HfcBmp.h"

namespace {

class UIFormManagerTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(ResourceManager::Initialize());
        ASSERT_TRUE(UIFormManager::Initialize());
        ASSERT_TRUE(FontManager::Initialize());
        forms = UIFormManager::GetInstance();
        ASSERT_NE(forms, nullptr);
    }
    void TearDown() override {
        FontManager::Uninitialize();
        UIFormManager::Uninitialize();
        ResourceManager::Uninitialize();
    }
    UIFormManager* forms = nullptr;
};

TEST_F(UIFormManagerTest, FindsFormsByIndexAndIdOnly) {
    EXPECT_EQ(forms->GetLayerFormInfoCount(), 53);
    ASSERT_NE(forms->GetLayerFormInfoByIndex(0), nullptr);
    EXPECT_EQ(forms->GetLayerFormInfoByIndex(0)->kindId, 1024);
    ASSERT_NE(forms->GetLayerFormInfoByIndex(52), nullptr);
    EXPECT_EQ(forms->GetLayerFormInfoByIndex(52)->kindId, 1082);
    EXPECT_EQ(forms->GetLayerFormInfoByIndex(53), nullptr);
    EXPECT_EQ(forms->GetLayerFormInfoByIndex(-1), nullptr);
    const UI_FORMINFO* eg = forms->GetLayerFormInfoById(1043);
    ASSERT_NE(eg, nullptr);
    EXPECT_STREQ(eg->caption, "ID_PROG_PITCH_EG");
    // Item kinds are not forms, and ids outside the table find nothing.
    for (int id : {1025, 1026, 1027, 1028, 1030, 1033, 1023, 1083, -1}) {
        EXPECT_EQ(forms->GetLayerFormInfoById(id), nullptr) << id;
    }
}

TEST(UIFormUtilsTest, ClassNumbersOfClassNames) {
    struct Case {
        const char* name;
        int number;
    };
    const Case cases[] = {{"text", 0},      {"checkbox", 11}, {"edittext", 12}, {"popupmenu", 13},
                          {"valuebar", 14}, {"Layer", -1},    {"Text", -1},     {"", -1},
                          {nullptr, -1},    {"valuebar ", -1}};
    for (const Case& c : cases) {
        UI_FORMINFO row{c.name, "", "", 0, -1, 0, 0, 0, 0, 0, nullptr};
        EXPECT_EQ(UI_FORM_Utils::GetItemClassInt(row), c.number) << (c.name ? c.name : "(none)");
    }
    for (int n : {-1, 0, 10}) EXPECT_FALSE(UI_FORM_Utils::IsControlClass(n)) << n;
    for (int n : {11, 12, 13, 14}) EXPECT_TRUE(UI_FORM_Utils::IsControlClass(n)) << n;
}

TEST(UIFormUtilsTest, ImageFrameCountsFromTheImageBlock) {
    EXPECT_EQ(UI_FORM_Utils::GetImageItemCount("FontGeneva9"), 128);
    EXPECT_EQ(UI_FORM_Utils::GetImageItemCount("FontGeneva9_Shadow"), 1);
    EXPECT_EQ(UI_FORM_Utils::GetImageItemCount("EditText_37X13"), 1);
    EXPECT_EQ(UI_FORM_Utils::GetImageItemCount("Background_Main"), 0);
    EXPECT_EQ(UI_FORM_Utils::GetImageItemCount(""), 0);
}

TEST_F(UIFormManagerTest, CaptionRecordsTakeTheFontOrElseTheImageOfTheName) {
    // A caption row: the font record of its font, no image.
    const UI_FORMINFO caption = UIForms::Lbl("Level", 15, 35);
    stTextDrawInfo info = UI_FORM_Utils::CreateDrawTextInfo(caption);
    EXPECT_EQ(info.kindId, UIForms::kKindParamCaption);
    EXPECT_EQ(info.x, 15);
    EXPECT_EQ(info.y, 35);
    EXPECT_EQ(info.width, 60);
    EXPECT_EQ(info.reserved, 0);
    EXPECT_EQ(info.caption, "Level");
    EXPECT_EQ(info.font, &gFontInfo_Geneva10);
    EXPECT_EQ(info.image, nullptr);

    // A font name held elsewhere finds the same record.
    const std::string name = "FontHelvB11_Shadow";
    UI_FORMINFO copied = caption;
    copied.fontName = name.c_str();
    EXPECT_EQ(UI_FORM_Utils::CreateDrawTextInfo(copied).font, &gFontInfo_HelvB11_Shadow);

    // A name that is no font but an image: the image, no font.
    UI_FORMINFO picture = caption;
    picture.fontName = "Switch_CheckBox";
    info = UI_FORM_Utils::CreateDrawTextInfo(picture);
    EXPECT_EQ(info.font, nullptr);
    EXPECT_NE(info.image, nullptr);
    EXPECT_EQ(info.image, ResourceManager::GetInstance()->LoadImage("Switch_CheckBox"));
}

TEST_F(UIFormManagerTest, FormRowWithoutFontNameGivesNeitherFontNorImage) {
    // Form rows carry no font name at all; a control row carries "".
    const UI_FORMINFO* form = forms->GetLayerFormInfoById(1024);
    ASSERT_NE(form, nullptr);
    ASSERT_EQ(form->fontName, nullptr);
    stTextDrawInfo info = UI_FORM_Utils::CreateDrawTextInfo(*form);
    EXPECT_EQ(info.kindId, 1024);
    EXPECT_EQ(info.caption, "ID_PROG_BASIC_PROGBASIC");
    EXPECT_EQ(info.font, nullptr);
    EXPECT_EQ(info.image, nullptr);

    info = UI_FORM_Utils::CreateDrawTextInfo(UIForms::Pop96(0x0002, 80, 35));
    EXPECT_EQ(info.font, nullptr);
    EXPECT_EQ(info.image, nullptr);

    UI_FORMINFO bare{nullptr, nullptr, nullptr, 7, -1, 1, 2, 3, 4, 0, nullptr};
    info = UI_FORM_Utils::CreateDrawTextInfo(bare);
    EXPECT_EQ(info.caption, "");
    EXPECT_EQ(info.font, nullptr);
    EXPECT_EQ(info.image, nullptr);
}

TEST(UIFormUtilsTest, TextsCompareByContentAndNoneOnlyEqualsNone) {
    const std::string copy = FontName_ParamLabel;
    EXPECT_TRUE(UI_FORM_Utils::SameText(copy.c_str(), FontName_ParamLabel));
    EXPECT_FALSE(UI_FORM_Utils::SameText(FontName_CategoryLabel, FontName_ParamLabel));
    EXPECT_FALSE(UI_FORM_Utils::SameText(nullptr, ""));
    EXPECT_TRUE(UI_FORM_Utils::SameText(nullptr, nullptr));
}

}  // namespace
