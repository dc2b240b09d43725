#include "Common/Layers/TabControl.h"

#include <algorithm>

#include "Common/FontManager/ResourceManager.h"
#include "Hfc/Core/HfcWindow.h"
#include "Hfc/Draw/HfcBmp.h"
#include "Hfc/Draw/HfcDrawContext.h"

using namespace QorX0;

// ---- tab control

bool CTabControl::Create(const stTabControlCreateParam& p, int id, int subId) {
    if (!p.tabImage) return false;
    m_iTabWidth = p.tabWidth;
    m_iTabHeight = p.tabHeight;
    m_iTabGap = p.tabGap;
    m_iFirstExtra = p.firstTabExtra;
    m_iLastExtra = p.lastTabExtra;
    m_pTabImage = p.tabImage;
    m_pBackground = p.background;
    m_iBackX = p.backgroundX;
    m_iBackY = p.backgroundY;
    const int width = p.width ? p.width : p.tabImage->GetWidth();
    const int height = p.height ? p.height : p.tabImage->GetHeight() / 2;
    if (!CHfcControl::Create(p.x, p.y, width, height, id)) return false;
    SetUserValue(subId);
    Enable(false);
    return true;
}

void CTabControl::PlacePage(CTabPageLayer* page, bool redraw) {
    const CHfcWindowLayer* parent = GetParent();
    if (!parent) return;
    page->Move(parent->GetRect().left + m_rect.left, parent->GetRect().top + m_rect.top + m_iTabHeight,
               redraw);
}

bool CTabControl::AddTabPageLayer(CHfcWindow* window, CTabPageLayer* page) {
    if (!page || !GetParent()) return false;
    if (m_pages.empty()) {
        m_iActive = 0;
        if (IsVisible())
            page->Show(false);
        else
            page->Hide(false);
        page->RequestRedraw();
    } else {
        page->Hide(false);
    }
    m_pages.push_back(page);
    if (window && page->GetWindow() != window) window->AddLayer(page, false);
    page->SetOwner(this);
    PlacePage(page, false);
    return true;
}

CTabPageLayer* CTabControl::RemoveTabPageLayer(CTabPageLayer* page) {
    if (!page) return nullptr;
    auto it = std::find(m_pages.begin(), m_pages.end(), page);
    if (it != m_pages.end()) m_pages.erase(it);
    if (CHfcWindow* window = page->GetWindow()) window->RemoveLayer(page, false);
    page->SetOwner(nullptr);
    if (m_iActive >= GetTabPageCount()) m_iActive = GetTabPageCount() - 1;
    if (m_iPrevious >= GetTabPageCount()) m_iPrevious = -1;
    return page;
}

CTabPageLayer* CTabControl::RemoveTabPageLayer(int index) {
    return RemoveTabPageLayer(GetTabPageLayer(index));
}

CTabPageLayer* CTabControl::GetTabPageLayer(int index) const {
    return index >= 0 && index < GetTabPageCount() ? m_pages[static_cast<size_t>(index)] : nullptr;
}

int CTabControl::GetTabPageIndex(const CTabPageLayer* page) const {
    auto it = std::find(m_pages.begin(), m_pages.end(), page);
    return it == m_pages.end() ? -1 : static_cast<int>(it - m_pages.begin());
}

void CTabControl::SetActivePageByIndex(int index, bool) {
    if (index == m_iActive || index < 0 || index >= GetTabPageCount()) return;
    m_iPrevious = m_iActive;
    m_iActive = index;
    SetDirty();
}

void CTabControl::SetActivePage(CTabPageLayer* page, bool redraw) {
    SetActivePageByIndex(GetTabPageIndex(page), redraw);
}

int CTabControl::HitTest(int x, int y, int& index) const {
    index = -1;
    if (y > 32) return 0;
    const int step = m_iTabWidth + m_iTabGap;
    const int i = step > 0 ? x / step : 0;
    if (x < 0 || i >= GetTabPageCount()) return -1;
    index = i;
    return 1;
}

void CTabControl::RepositionTabPageLayer() {
    for (CTabPageLayer* page : m_pages) PlacePage(page, true);
}

void CTabControl::ShowTabPageLayer() {
    if (CTabPageLayer* page = GetActivePage()) page->Show(false);
}

void CTabControl::HideTabPageLayer() {
    for (CTabPageLayer* page : m_pages) page->Hide(false);
}

bool CTabControl::OnHfcMouseLButtonDown(CHfcMouse*, int x, int y, int) {
    int index = -1;
    if (HitTest(x, y, index) == 1) {
        SetActivePageByIndex(index, true);
        if (CHfcControlListener* listener = GetListener()) listener->OnHfcCtrlIntValueChanged(this, index);
    }
    return true;
}

void CTabControl::Show(bool redraw) {
    CHfcControl::Show(redraw);
    ShowTabPageLayer();
}

void CTabControl::Hide(bool redraw) {
    CHfcControl::Hide(redraw);
    HideTabPageLayer();
}

void CTabControl::OnIdle(int time) {
    CHfcControl::OnIdle(time);
    if (m_iPrevious < 0 || m_iActive < 0) return;
    CTabPageLayer* previous = GetTabPageLayer(m_iPrevious);
    CTabPageLayer* active = GetTabPageLayer(m_iActive);
    m_iPrevious = -1;
    if (previous) {
        previous->Hide(false);
        previous->OnDeactivate();
        previous->RequestRedraw();
    }
    if (active) {
        active->Show(false);
        active->OnActivate();
        active->RequestRedraw();
    }
    for (int i = 0; i < GetTabPageCount(); ++i) {
        if (i == m_iActive)
            m_pages[static_cast<size_t>(i)]->Show(false);
        else
            m_pages[static_cast<size_t>(i)]->Hide(false);
    }
}

bool CTabControl::Destroy() {
    while (!m_pages.empty()) RemoveTabPageLayer(m_pages.front());
    return CHfcControl::Destroy();
}

void CTabControl::Draw(CHfcDrawContext* context) {
    const int x = m_rect.left, y = m_rect.top;
    if (m_pBackground) context->CopyBmp(&m_rect, m_pBackground, m_iBackX, m_iBackY);
    if (!IsVisible()) return;
    const int count = GetTabPageCount();
    const int step = m_iTabWidth + m_iTabGap;
    if (m_pTabImage) {
        for (int j = 0; j < count; ++j) {
            const int sx = step * j + (j > 0 ? m_iFirstExtra : 0);
            const int w =
                m_iTabWidth + (j == 0 ? m_iFirstExtra : 0) + (j == count - 1 ? m_iLastExtra : m_iTabGap);
            context->CopyBmp(x + sx, y, w, m_iTabHeight, m_pTabImage, sx, j == m_iActive ? 0 : m_iTabHeight);
        }
        return;
    }
    CHfcBmp* font =
        ResourceManager::GetInstance() ? ResourceManager::GetInstance()->LoadImage("TextW6H9") : nullptr;
    for (int i = 0; i < count; ++i) {
        const int tx = x + step * i;
        context->SetBrushColor(i == m_iActive ? 0xFF262626 : 0xFF1A1A1A);
        context->FillRect(tx, y, m_iTabWidth, m_iTabHeight);
        if (!font) continue;
        const std::string& name = m_pages[static_cast<size_t>(i)]->GetName();
        const int cellW = font->GetWidth(), cellH = font->GetHeight() / 128;
        context->DrawBmpText(tx + (m_iTabWidth - static_cast<int>(name.size()) * cellW) / 2,
                             y + (m_iTabHeight - cellH) / 2, name.c_str(), static_cast<int>(name.size()),
                             font, 0, 0);
    }
}

// ---- tab page

CTabPageLayer::CTabPageLayer(IRemoteSynth* synth, std::string name)
    : QnSynthLayer(synth), m_name(std::move(name)) {}

CTabPageLayer::~CTabPageLayer() {
    if (m_pOwner) m_pOwner->RemoveTabPageLayer(this);
}

bool CTabPageLayer::Create(const CTabPageLayerCreateParam& param, CHfcWindow* window) {
    return QnLayerBase::Create(0, 0, param.width, param.height, param.background, window);
}

void CTabPageLayer::DoModal() {
    if (m_bModal || !m_pOwner) return;
    m_bools.clear();
    m_pOwner->Show(true);
    Show(false);
    m_bModal = true;
}

void CTabPageLayer::EndModal() {
    if (!m_bModal) return;
    m_bModal = false;
    // The modal layer that holds the owner sees the close request on its own idle tick; it is
    // the editor window's, and looks for a page no longer modal.
}

bool CTabPageLayer::Show(bool redraw) {
    QnSynthLayer::Show(redraw);
    if (m_pSubTab) m_pSubTab->ShowTabPageLayer();
    return true;
}

bool CTabPageLayer::Hide(bool redraw) {
    CHfcWindowLayer::Hide(redraw);
    if (m_pSubTab) m_pSubTab->HideTabPageLayer();
    return true;
}

void CTabPageLayer::OnMoved(int, int) {
    if (m_pSubTab) m_pSubTab->RepositionTabPageLayer();
}

void CTabPageLayer::OnIdle(unsigned long time) {
    for (int i = 0; i < GetNumControls(); ++i) {
        CHfcControl* control = GetControl(i);
        if (control->GetParent()) control->Idle(static_cast<int>(time));
    }
    QnSynthLayer::OnIdle(time);
}

bool CTabPageLayer::PreMouseLButtonDown(CHfcMouse* mouse, int x, int y, int modifiers) {
    if (IRemoteSynth* synth = GetSynth(); synth && synth->GetAuditionState()) synth->EndAudition(false);
    return QnSynthLayer::PreMouseLButtonDown(mouse, x, y, modifiers);
}

bool CTabPageLayer::OnDestroy() {
    QnSynthLayer::OnDestroy();
    if (m_bDestroyed) return true;
    m_bDestroyed = true;
    if (CTabControl* sub = m_pSubTab) {
        m_pSubTab = nullptr;
        while (CTabPageLayer* page = sub->GetTabPageLayer(0)) {
            sub->RemoveTabPageLayer(page);
            page->OnDestroy();
            delete page;
        }
        if (CHfcWindowLayer* parent = sub->GetParent()) parent->RemoveControl(sub, false);
        sub->Destroy();
        delete sub;
    }
    if (m_pOwner) m_pOwner->RemoveTabPageLayer(this);
    while (GetNumControls() > 0) {
        CHfcControl* control = GetControl(0);
        RemoveControl(control, false);
        control->Destroy();
        delete control;
    }
    return true;
}
