#include "Common/Editor/AboutLayer.h"

#include "Common/Controls/QnControlCreater.h"
#include "Common/Controls/QnSimpleControls.h"
#include "Common/FontManager/FontManager.h"
#include "Common/FontManager/ResourceManager.h"
#include "Hfc/Draw/HfcBmp.h"
#include "Hfc/Draw/HfcDrawContext.h"

namespace {
constexpr char kImageName[] = "Image_About";
}

AboutLayer::AboutLayer(const std::string& productName, const std::string& version)
    : m_productName(productName), m_version(version) {
    if (ResourceManager* resources = ResourceManager::GetInstance())
        m_pImage = resources->LoadImage(kImageName);
}

AboutLayer::~AboutLayer() {
    if (m_pText != nullptr) {
        RemoveControl(m_pText, false);
        m_pText->Destroy();
        delete m_pText;
        m_pText = nullptr;
    }
    if (m_pImage != nullptr) {
        // The bitmap fonts may still point into the cache's images; only ours goes.
        if (ResourceManager* resources = ResourceManager::GetInstance()) resources->UnloadImage(kImageName);
        m_pImage = nullptr;
    }
}

bool AboutLayer::OnCreate() {
    if (m_pImage == nullptr) return true;
    const int iw = m_pImage->GetWidth(), ih = m_pImage->GetHeight();
    m_ox = (GetWidth() - iw) / 2;
    m_oy = (GetHeight() - ih) / 2;
    QnControlCreater creater(m_pImage, m_ox, m_oy);
    m_pText = creater.CreateStaticText(iw - 208, m_oy + 210, 200, 13, GetVersionLine(),
                                       FontName_HelvB11_Shadow, 0xFFFFFFFF, 2, 0, -1);
    if (m_pText != nullptr) {
        AddControl(m_pText, false);
        m_pText->Show(false);
    }
    return true;
}

bool AboutLayer::OnDestroy() {
    if (m_pText != nullptr) {
        RemoveControl(m_pText, false);
        m_pText->Destroy();
        delete m_pText;
        m_pText = nullptr;
    }
    return ModalLayer::OnDestroy();
}

void AboutLayer::OnRefresh() {
    CHfcOffscreenContext* context = GetContext();
    if (!IsVisible() || context == nullptr) return;
    context->ClearRect(0, 0, GetWidth(), GetHeight());
    context->SetBrushColor(kDimColour);
    context->FillRect(0, 0, GetWidth(), GetHeight());
    if (m_pImage != nullptr)
        context->CopyBmp(m_ox, m_oy, m_pImage->GetWidth(), m_pImage->GetHeight(), m_pImage, 0, 0);
    for (int i = 0; i < GetNumControls(); ++i) GetControl(i)->Update(true, false);
    CopyToWindow(false);
}

bool AboutLayer::PreMouseLButtonDown(CHfcMouse*, int, int, int) {
    m_bCloseRequest = true;
    return true;
}

bool AboutLayer::OnHfcMouseLButtonDown(CHfcMouse*, int, int, int) {
    m_bCloseRequest = true;
    return true;
}
