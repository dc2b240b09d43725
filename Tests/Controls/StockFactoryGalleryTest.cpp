// A picture of the stock controls the factory makes, drawn with the editor's art on a page
// background, for review: EditorControls_Stock.png in the gallery folder.
#include <gtest/gtest.h>

#include "Common/Controls/QnControlCreater.h"
#include "Common/FontManager/FontManager.h"
#include "Common/FontManager/ResourceManager.h"
#include "Hfc/Core/HfcCtrlCharEditText.h"
#include "Hfc/Core/HfcCtrlSlideSwitch.h"
#include "Hfc/Core/HfcCtrlSwitch.h"
#include "Hfc/Draw/HfcBmp.h"
#include "Hfc/Draw/HfcDrawContext.h"
#include "Hfc/HfcGallery.h"

namespace {

TEST(StockFactoryGallery, EveryStockFactoryControlOnAPage) {
    ASSERT_TRUE(ResourceManager::Initialize());
    ASSERT_TRUE(FontManager::Initialize());
    CHfcBmp* page = ResourceManager::GetInstance()->LoadImage("Background_SubTab");
    ASSERT_NE(page, nullptr);
    CHfcOffscreenContext context(page->GetWidth(), page->GetHeight());
    context.CopyBmp(0, 0, page->GetWidth(), page->GetHeight(), page, 0, 0);

    QnControlCreater creater(page, 0, 0);
    std::vector<CHfcControl*> controls;
    auto add = [&](CHfcControl* control, int value) {
        ASSERT_NE(control, nullptr);
        control->SetIntValue(value, false);
        controls.push_back(control);
    };
    add(creater.CreateCehckBox(10, 10, 1), 0);
    add(creater.CreateCehckBox(30, 10, 2), 1);
    add(creater.CreateSwitch(50, 10, "Switch_ON", 2, 3), 1);
    add(creater.CreateSwitch(90, 10, "Switch_OscillatorMode", 3, 4), 2);
    CHfcCtrlTextSwitch* text = creater.CreateTextSwitch(180, 10, "Switch_Blue_106X17", 2, 0xFFFFFFFF, 5, 2);
    ASSERT_NE(text, nullptr);
    text->SetPtrValue(const_cast<char*>("Text Switch"), false);
    add(text, 1);
    add(creater.CreateSlideSwitch(300, 10, "Switch_OscillatorMode", 3, 6), 1);
    add(creater.CreateHorizontalSlideSwitch(390, 10, "Switch_OscillatorMode", 3, 7), 0);
    int y = 80;
    for (const QnControlCreater::TextEditLook& look : QnControlCreater::kTextEditLooks) {
        CHfcCtrlCharEditText* field = creater.CreateTextEdit(10, y, look.width, look.height, 8);
        ASSERT_NE(field, nullptr);
        field->SetPtrValue(const_cast<char*>("Tolva 0123456789"), false);
        controls.push_back(field);
        y += look.height + 6;
    }
    for (CHfcControl* control : controls) {
        control->Show(false);
        control->Draw(&context);
    }
    EXPECT_TRUE(HfcWritePng(context.GetBmp(), HfcGalleryPath("EditorControls_Stock").c_str()));
    for (CHfcControl* control : controls) {
        control->Destroy();
        delete control;
    }
    FontManager::Uninitialize();
    ResourceManager::Uninitialize();
}

}  // namespace
