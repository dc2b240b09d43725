#include "Common/Pages/CombiMultiPlacement.h"

#include <memory>

#include "Common/Controls/QnControlCreater.h"
#include "Common/Controls/QnSimpleControls.h"
#include "Common/Layers/Forms/UIFormManager.h"
#include "Common/Layers/QnControlContainer.h"
#include "Common/Layers/TabPageLayerEx.h"
#include "Common/Pages/EditTabPageLayerBase.h"
#include "Hfc/Core/HfcWindow.h"
#include "Hfc/Draw/HfcBmp.h"

namespace CombiMultiPlacement {

QnControlContainer* AddContainer(QnSynthLayer* page, const std::string& image, int x, int y, bool framed,
                                 int width, int height) {
    auto* container = new QnControlContainer(framed);
    container->m_pOwner = page;
    container->m_pBackground = QnControlCreater::LoadImage(image);
    CHfcBmp* back = container->m_pBackground;
    container->m_x = x;
    container->m_y = y;
    container->m_width = width > 0 ? width : back ? back->GetWidth() : 0;
    container->m_height = height > 0 ? height : back ? back->GetHeight() : 0;
    page->AddContainer(container);
    return container;
}

QnControlCreater CreaterFor(const QnControlContainer* container) {
    return QnControlCreater(container->m_pBackground, container->m_x, container->m_y);
}

void PlaceControl(EditTabPageLayerBase* page, CHfcControl* control, QnControlContainer* container, int pid) {
    if (!control) return;
    page->PlaceControl(control, pid);
    if (container) container->AddControl(control);
}

QnStaticText* PlaceLabel(EditTabPageLayerBase* page, QnControlCreater& creater, QnControlContainer* container,
                         int x, int y, const std::string& text, int width, int height, bool category,
                         int hAlign, int vAlign) {
    QnStaticText* label = creater.CreateLabel(x, y, text, width, height, category, hAlign, vAlign, -1);
    PlaceControl(page, label, container, -1);
    return label;
}

CTabPageLayer* AddFormSubPage(EditTabPageLayerBase* host, int formId, const std::string& name,
                              const std::string& background, bool ex) {
    CTabControl* tab = host->GetSubTabControl();
    UIFormManager* forms = UIFormManager::GetInstance();
    const UI_FORMINFO* form = forms ? forms->GetLayerFormInfoById(formId) : nullptr;
    if (!tab || !form) return nullptr;
    std::unique_ptr<CTabPageLayer> page(ex ? new CTabPageLayerEx(host->GetSynth(), name)
                                           : new CTabPageLayer(host->GetSynth(), name));
    page->SetTargetMode(host->GetTargetMode());
    if (!page->Create(*form, host->GetWindow(), background) ||
        !tab->AddTabPageLayer(host->GetWindow(), page.get())) {
        page->OnDestroy();
        if (CHfcWindow* window = page->GetWindow()) window->RemoveLayer(page.get(), false);
        return nullptr;
    }
    return page.release();
}

}  // namespace CombiMultiPlacement
