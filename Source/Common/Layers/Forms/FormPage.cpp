// Form rows made into controls, and a tab page built from a form.
#include "Common/Controls/QnControlCreater.h"
#include "Common/Controls/QnDropdownList.h"
#include "Common/Controls/QnSimpleControls.h"
#include "Common/Controls/XBCtrlValueBar.h"
#include "Common/FontManager/FontManager.h"
#include "Common/FontManager/ResourceManager.h"
#include "Common/Layers/Forms/UIFormManager.h"
#include "Common/Layers/TabControl.h"
#include "Hfc/Core/HfcCtrlCharEditText.h"
#include "Hfc/Core/HfcCtrlSwitch.h"
#include "Hfc/Draw/HfcBmp.h"

namespace UI_FORM_Utils {

namespace {

// The dropdown look of a popup row's width; -1 for a width the factory has no look for.
int DropdownLook(int width) {
    switch (width) {
        case 154:
            return 0;
        case 96:
            return 2;
        case 31:
            return 6;
        default:
            return -1;
    }
}

}  // namespace

CHfcControl* CreateControl(QnControlCreater* creater, const UI_FORMINFO& row, CHfcBmp*) {
    if (creater == nullptr) return nullptr;
    switch (GetItemClassInt(row)) {
        case kClassNumText: {
            // The caption font decides the look; fonts are compared by name, wherever the row keeps it.
            const bool category = SameText(row.fontName, FontName_CategoryLabel);
            if (!category && !SameText(row.fontName, FontName_ParamLabel)) return nullptr;
            const std::string caption = row.caption != nullptr ? row.caption : "";
            return creater->CreateLabel(row.x, row.y, caption, row.width, row.height, category, 0,
                                        category ? 0 : 1, -1);
        }
        case kClassNumCheckBox:
            return creater->CreateCehckBox(row.x, row.y, row.controlId);
        case kClassNumEditText:
            return creater->CreateTextEdit(row.x, row.y, row.width, row.height, row.controlId);
        case kClassNumPopupMenu: {
            const int look = DropdownLook(row.width);
            if (look < 0) return nullptr;
            return creater->CreateDropdownList(row.x, row.y, look, row.controlId);
        }
        case kClassNumValueBar:
            return creater->CreateHorizontalValueBar(row.x, row.y, row.width, 0, 100, 0, row.controlId);
        default:
            return nullptr;
    }
}

}  // namespace UI_FORM_Utils

bool CTabPageLayer::Create(const UI_FORMINFO& form, CHfcWindow* window, const std::string& background) {
    ResourceManager* images = ResourceManager::GetInstance();
    CHfcBmp* image = images != nullptr
                         ? images->LoadImage(background.empty() ? "Background_SubTab" : background)
                         : nullptr;
    int width = form.width, height = form.height;
    if (image != nullptr) {
        width = image->GetWidth();
        height = image->GetHeight();
    }
    if (!QnLayerBase::Create(0, 0, width, height, image, window)) return false;
    QnControlCreater creater(image, 0, 0);
    for (int i = 0; i < form.childCount && form.children != nullptr; ++i) {
        const UI_FORMINFO& row = form.children[i];
        CHfcControl* control = UI_FORM_Utils::CreateControl(&creater, row, image);
        if (control == nullptr) continue;
        AddControl(control, false);
        control->SetListener(this);
        control->Show(false);
        if (row.controlId != -1) {
            LinkControlWithParam(control, GetTargetMode(), row.controlId);
            SynchronizeControlWithParam(control, true);
        }
    }
    return true;
}
