// The root layer's idle tick: the window commands, the deferred work, and the opening and closing of
// the modal browsers and the About box.
#include <algorithm>
#include <map>
#include <string>

#include "Common/Controls/ArtGeometry.h"
#include "Common/Controls/QnControlCreater.h"
#include "Common/Editor/AboutLayer.h"
#include "Common/Editor/BackgroundLayer.h"
#include "Common/Editor/BackgroundLayerParts.h"
#include "Common/Editor/ModalLayer.h"
#include "Common/Editor/QorVstEditor.h"
#include "Common/Layers/TabControl.h"
#include "Hfc/Core/HfcModal.h"
#include "Hfc/Core/HfcWindow.h"

#ifndef TOLVA_EDITOR_VERSION
#define TOLVA_EDITOR_VERSION "1.0.0"
#endif

namespace {
// The nested loops raised for each window (main thread only).
std::map<const CHfcWindow*, int>& NestedLoops() {
    static std::map<const CHfcWindow*, int> loops;
    return loops;
}
}  // namespace

BackgroundLayer::NestedLoopScope::NestedLoopScope(const CHfcWindow* window) : m_pWindow(window) {
    ++NestedLoops()[m_pWindow];
}

BackgroundLayer::NestedLoopScope::~NestedLoopScope() {
    auto it = NestedLoops().find(m_pWindow);
    if (it != NestedLoops().end() && --it->second <= 0) NestedLoops().erase(it);
}

int BackgroundLayer::GetNestedLoopDepth() const {
    const CHfcWindow* window = GetWindow();
    const auto it = NestedLoops().find(window);
    const int own = it != NestedLoops().end() ? it->second : 0;
    // A toolkit modal stands for the window the user was last in; with one editor window, or none
    // known, they all count here.
    const auto* last = dynamic_cast<const QorVstEditor*>(HfcLastInputWindow());
    const bool another = last != nullptr && last != window && last->GetRootLayer() != nullptr;
    return own + (another ? 0 : HfcModalCount());
}

void BackgroundLayer::PostCommand(const QnCommand& command) {
    m_commands.Post(command);
}

void BackgroundLayer::PostCommand(int kind, int a, int b, int c) {
    m_commands.Post(QnCommand{kind, a, b, c});
}

bool BackgroundLayer::PeekCommand(QnCommand& out) {
    return m_commands.Peek(out);
}

void BackgroundLayer::RequestOpenRedBrowser(int type, int section, int paramId) {
    PostCommand(QnCommand::kOpenRedBrowser, type, section, paramId);
}

void BackgroundLayer::RequestOpenWriteBrowser() {
    PostCommand(QnCommand::kOpenWriteBrowser, 0, 0, 0);
}

void BackgroundLayer::OnIdle(unsigned long elapsed) {
    QnSynthLayer::OnIdle(elapsed);
    // Inside a nested loop (a message box, a dialog, a menu, a transfer) the handler that opened it
    // is still running over the pages: nothing is opened or closed until it has returned.
    const bool nested = GetNestedLoopDepth() > 0;
    if (!nested) {
        QnCommand command;
        if (PeekCommand(command)) {
            switch (command.kind) {
                case QnCommand::kOpenRedBrowser:
                    OpenRedBrowser(command.a, command.b, command.c);
                    break;
                case QnCommand::kOpenWriteBrowser:
                    OpenWriteBrowser();
                    break;
                case QnCommand::kOpenAbout:
                    OpenAbout();
                    break;
                default:
                    break;
            }
        }
    }
    if (m_bDeferredModeChange) {
        m_bDeferredModeChange = false;
        OnModeChanged();
    }
    EditorParts::BrowserDataIdle(m_pBrowserData);
    if (m_bRefreshBrowsers) {
        EditorParts::BrowserDataRefresh(m_pBrowserData);
        m_bRefreshBrowsers = false;
    }
    RunJumpTimers();
    RunArrowRepeat();
    if (!nested) {
        if (m_pAboutLayer != nullptr && m_pAboutLayer->IsCloseRequested()) {
            CloseAbout();
            RequestRedraw();
        }
        if (m_pModalLayer != nullptr && m_pModalLayer->IsCloseRequested()) CloseModalBrowser();
    }
    for (int i = 0; i < GetNumControls(); ++i) {
        CHfcControl* control = GetControl(i);
        if (control->GetParent() != nullptr) control->Idle(static_cast<int>(elapsed));
    }
}

bool BackgroundLayer::OpenModalFrame(CTabPageLayer* page, const char* strip, const char* background) {
    CHfcWindow* window = GetWindow();
    if (page == nullptr || window == nullptr) {
        delete page;
        return false;
    }
    auto* modal = new ModalLayer();
    tagHfcRect client{};
    window->GetClientRect(&client);
    const int width = client.right - client.left > 0 ? client.right - client.left : GetWidth();
    const int height =
        (client.bottom - client.top > 0 ? client.bottom - client.top : GetHeight()) - kKeyboardRowHeight;
    if (!modal->Create(0, 0, width, height, nullptr, window)) {
        modal->Destroy();
        delete modal;
        delete page;
        return false;
    }
    modal->Show(false);
    m_pModalLayer = modal;

    stTabControlCreateParam param{};
    param.x = ArtGeometry::kBrowserTabX;
    param.y = ArtGeometry::kBrowserTabY;
    param.height = ArtGeometry::kModalTabHeight;
    param.tabWidth = ArtGeometry::kModalTabWidth;
    param.tabHeight = ArtGeometry::kModalTabHeight;
    param.tabImage = QnControlCreater::LoadImage(strip);
    auto* tab = new CTabControl();
    if (!tab->Create(param, kIdModalTab, 0)) {
        delete tab;
        delete page;
        modal->SetCloseRequest(true);
        return false;
    }
    tab->Disable(false);
    tab->Show(false);
    m_pModalTab = tab;
    CTabPageLayerCreateParam pageParam{0, 0, QnControlCreater::LoadImage(background)};
    page->Create(pageParam, window);
    modal->AddControl(tab, false);
    tab->SetListener(modal);
    tab->AddTabPageLayer(window, page);
    page->RequestRedraw();
    modal->RequestRedraw();
    tab->SetActivePage(page, true);
    page->DoModal();
    modal->WatchModalPage(page);
    return true;
}

void BackgroundLayer::OpenRedBrowser(int type, int section, int paramId) {
    // One modal at a time: a second request while one is open is dropped.
    if (m_pModalLayer != nullptr || m_pModalTab != nullptr) return;
    static constexpr const char* kStrips[6] = {
        "Tab_RedBrowser_LoadProgram",    "Tab_RedBrowser_LoadEffect",  "Tab_RedBrowser_LoadMultisample",
        "Tab_RedBrowser_LoadDrumSample", "Tab_RedBrowser_LoadDrumKit", "Tab_RedBrowser_LoadArpeggiator"};
    if (type < 0 || type > 5) return;
    OpenModalFrame(EditorParts::NewPickList(type, GetSynth(), section, paramId), kStrips[type],
                   "Background_RedBrowser");
}

void BackgroundLayer::OpenWriteBrowser() {
    if (m_pModalLayer != nullptr || m_pModalTab != nullptr) return;
    const int m = GetSynth() != nullptr ? static_cast<int>(GetSynth()->GetSoundMode()) : -1;
    const char* strip = m == QorX0::kModeMulti       ? "Tab_Write_Multi"
                        : m == QorX0::kModeCombiPlay ? "Tab_Write_Combi"
                                                     : "Tab_Write_Prog";
    OpenModalFrame(EditorParts::NewWrite(GetSynth()), strip, "Background_BlueBrowser_Small");
}

void BackgroundLayer::OpenRenameBrowser(int kind) {
    if (m_pModalLayer != nullptr || m_pModalTab != nullptr) return;
    const int page = m_pMainTabs[kTabGlobal] != nullptr ? m_pMainTabs[kTabGlobal]->GetActiveIndex() : -1;
    const char* strip = page == 4 ? "Tab_Rename_DrumKit" : page == 5 ? "Tab_Rename_ArpPattern" : "Tab_Rename";
    OpenModalFrame(EditorParts::NewRename(GetSynth(), kind), strip, "Background_BlueBrowser_Small");
}

void BackgroundLayer::CloseModalBrowser() {
    if (CTabControl* tab = m_pModalTab) {
        m_pModalTab = nullptr;
        if (m_pModalLayer != nullptr) m_pModalLayer->WatchModalPage(nullptr);
        if (CHfcWindowLayer* parent = tab->GetParent()) parent->RemoveControl(tab, false);
        // Pages leave the tab control as they go: take them from the front until none is left.
        while (CTabPageLayer* page = tab->GetTabPageLayer(0)) {
            tab->RemoveTabPageLayer(page);
            page->Destroy();
            delete page;
        }
        tab->Destroy();
        delete tab;
    }
    if (ModalLayer* modal = m_pModalLayer) {
        m_pModalLayer = nullptr;
        if (CHfcWindow* window = modal->GetWindow()) window->RemoveLayer(modal, true);
        modal->Destroy();
        delete modal;
    }
    RequestRedraw();
}

void BackgroundLayer::OpenAbout() {
    CHfcWindow* window = GetWindow();
    if (m_pAboutLayer != nullptr || window == nullptr) return;
    auto* about = new AboutLayer(GetProductName(), GetVersionString());
    tagHfcRect client{};
    window->GetClientRect(&client);
    const int width = client.right - client.left > 0 ? client.right - client.left : GetWidth();
    const int height = client.bottom - client.top > 0 ? client.bottom - client.top : GetHeight();
    if (!about->Create(0, 0, width, height, nullptr, window)) {
        about->Destroy();
        delete about;
        return;
    }
    m_pAboutLayer = about;
    about->Show(false);
    about->RequestRedraw();
}

void BackgroundLayer::CloseAbout() {
    AboutLayer* about = m_pAboutLayer;
    if (about == nullptr) return;
    m_pAboutLayer = nullptr;
    if (CHfcWindow* window = about->GetWindow()) window->RemoveLayer(about, true);
    about->Destroy();
    delete about;
}

std::string BackgroundLayer::CutVersion(const std::string& version) {
    size_t dots = 0;
    for (size_t i = 0; i < version.size(); ++i) {
        if (version[i] == '.' && ++dots == 3) return version.substr(0, i);
    }
    return version;
}

std::string BackgroundLayer::GetVersionString() {
    return CutVersion(TOLVA_EDITOR_VERSION);
}
