#include "Common/Pages/ProgPageRows.h"

#include "Common/Controls/QnControlCreater.h"
#include "Common/Controls/QnDropdownList.h"
#include "Common/Controls/QnKnob.h"
#include "Common/Controls/QnSelectors.h"
#include "Common/Controls/QnSimpleControls.h"
#include "Common/Controls/XBCtrlValueBar.h"
#include "Hfc/Core/HfcCtrlCharEditText.h"
#include "Hfc/Core/HfcCtrlSlideSwitch.h"
#include "Hfc/Core/HfcCtrlSwitch.h"
#include "Common/Layers/QnControlContainer.h"
#include "Common/Pages/EditTabPageLayerBase.h"
#include "Hfc/Draw/HfcBmp.h"

namespace ProgRows {

namespace {

CHfcControl* Make(QnControlCreater& creater, const Row& row) {
    const int id = row.id != 0 ? row.id : row.pid;
    switch (row.kind) {
        case kCategoryLabel:
            return creater.CreateLabel(row.x, row.y, row.text, row.w, 0, true, row.a, 0, id);
        case kParamLabel:
            return creater.CreateLabel(row.x, row.y, row.text, row.w, row.h, false, row.a, 0, id);
        case kKnob:
            return creater.CreateKnob(row.x, row.y, row.a, row.b, 0, false, row.c ? row.c : 3, id);
        case kVerticalBar:
            return creater.CreateVerticalValueBar(row.x, row.y, true, row.a, row.b, 0, row.text, row.image,
                                                  id);
        case kHorizontalBar:
            return creater.CreateHorizontalValueBar(row.x, row.y, row.w, row.a, row.b, 0, id);
        case kTextEdit:
            return row.c ? creater.CreateTextEdit(row.x, row.y, row.w, row.h, row.c, id)
                         : creater.CreateTextEdit(row.x, row.y, row.w, row.h, id);
        case kDropdown:
            return creater.CreateDropdownList(row.x, row.y, row.a, id);
        case kSwitch:
            return row.image ? creater.CreateSwitch(row.x, row.y, row.image, row.a ? row.a : 2, id)
                             : creater.CreateSwitch(row.x, row.y, id);
        case kCheckBox:
            return creater.CreateCehckBox(row.x, row.y, id);
        case kSlideSwitch:
            return creater.CreateSlideSwitch(row.x, row.y, row.image, row.a, id);
        case kSoundSelector:
            return creater.CreateSoundSelector(row.x, row.y, row.a, row.b, id);
        case kContainer:
        case kEndContainer:
            return nullptr;
    }
    return nullptr;
}

}  // namespace

std::vector<CHfcControl*> Build(EditTabPageLayerBase* page, const Row* rows, int count) {
    std::vector<CHfcControl*> made;
    QnControlCreater pageCreater(page->GetBackground(), 0, 0);
    QnControlCreater containerCreater(nullptr, 0, 0);
    QnControlCreater* creater = &pageCreater;
    QnControlContainer* container = nullptr;
    for (int i = 0; i < count; ++i) {
        const Row& row = rows[i];
        if (row.kind == kContainer) {
            container = new QnControlContainer(row.a == 1);
            container->m_pOwner = page;
            container->m_x = row.x;
            container->m_y = row.y;
            container->m_pBackground = QnControlCreater::LoadImage(row.image ? row.image : "");
            container->m_width = row.w                      ? row.w
                                 : container->m_pBackground ? container->m_pBackground->GetWidth()
                                                            : 0;
            container->m_height = row.h                      ? row.h
                                  : container->m_pBackground ? container->m_pBackground->GetHeight()
                                                             : 0;
            page->AddContainer(container);
            containerCreater = QnControlCreater(container->m_pBackground, row.x, row.y);
            creater = &containerCreater;
            continue;
        }
        if (row.kind == kEndContainer) {
            container = nullptr;
            creater = &pageCreater;
            continue;
        }
        CHfcControl* control = Make(*creater, row);
        if (!control) continue;
        const bool label = row.kind == kCategoryLabel || row.kind == kParamLabel;
        page->PlaceControl(control, label ? -1 : row.pid);
        if (row.hidden) control->Hide(false);
        if (container) container->AddControl(control);
        made.push_back(control);
    }
    return made;
}

}  // namespace ProgRows
