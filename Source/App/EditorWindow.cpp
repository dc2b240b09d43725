#include "App/EditorWindow.h"

#include "Hfc/Core/HfcDialogs.h"
#include "Hfc/Core/HfcPopupMenu.h"
#include "Hfc/Draw/HfcBmp.h"
#include "Hfc/Draw/HfcDrawContext.h"

namespace {

constexpr uint32_t kStripFace = 0xFFE4E4E4;
constexpr uint32_t kStripLine = 0xFFA0A0A0;
constexpr uint32_t kHighlight = 0xFF3A6FC4;
constexpr uint32_t kText = 0xFF000000;
constexpr uint32_t kHighlightText = 0xFFFFFFFF;

const EditorMenuItem kFileItems[] = {{kCmdBankOpen, "Bank Open..."},
                                     {kCmdBankSaveAs, "Bank Save As..."},
                                     {0, ""},
                                     {kCmdPresetImport, "Preset Import..."},
                                     {kCmdPresetExport, "Preset Export..."},
                                     {0, ""},
                                     {kCmdQuit, "Quit"},
                                     {0, nullptr}};
const EditorMenuItem kAudioItems[] = {
    {kCmdPlay, "Play"}, {kCmdStop, "Stop"}, {0, ""}, {kCmdPreferences, "Settings..."}, {0, nullptr}};
const EditorMenuItem kWindowItems[] = {
    {kCmdLock, "Lock"}, {kCmdUnlock, "Unlock"}, {0, ""}, {kCmdAbout, "About Tolva Editor"}, {0, nullptr}};

// The view's frame: a plain container; the plug-in draws its own window inside it.
class ViewClient final : public IHfcFrameClient {
public:
    void OnPlatformEvent(const HfcPlatformEvent&) override {}
};
ViewClient g_viewClient;

}  // namespace

const EditorMenuItem* EditorMenuItems(int menu) {
    switch (menu) {
        case EditorWindowLayout::kFileMenu:
            return kFileItems;
        case EditorWindowLayout::kAudioMenu:
            return kAudioItems;
        case EditorWindowLayout::kWindowMenu:
            return kWindowItems;
        default:
            return nullptr;
    }
}

const char* EditorMenuTitle(int menu) {
    static const char* const titles[] = {"File", "Audio", "Window"};
    return menu >= 0 && menu < EditorWindowLayout::kMenuCount ? titles[menu] : "";
}

int EditorMenuItemTop(int menu, int item) {
    const EditorMenuItem* items = EditorMenuItems(menu);
    int top = 0;
    for (int i = 0; items != nullptr && items[i].text != nullptr && i < item; ++i)
        top += items[i].command == 0 ? kHfcMenuSeparatorHeight : kHfcMenuRowHeight;
    return top;
}

class CEditorWindow::Strip final : public CHfcWindowLayer {
public:
    explicit Strip(CEditorWindow* owner) : m_owner(owner) {}
    // A second click soon after the first is a click all the same.
    bool PreMouseLButtonDoubleClick(CHfcMouse* mouse, int x, int y, int modifiers) override {
        return PreMouseLButtonDown(mouse, x, y, modifiers);
    }
    bool PreMouseLButtonDown(CHfcMouse*, int x, int, int) override {
        for (int menu = 0; menu < EditorWindowLayout::kMenuCount; ++menu) {
            if (x >= EditorWindowLayout::TitleLeft(menu) && x < EditorWindowLayout::TitleLeft(menu + 1)) {
                const uint32_t command = m_owner->TrackMenu(menu);
                if (command != 0 && m_owner->m_client.command) m_owner->m_client.command(command);
                return true;
            }
        }
        return true;
    }

private:
    CEditorWindow* m_owner;
};

CEditorWindow::CEditorWindow(Client client) : m_client(std::move(client)) {
    m_bDeleteOnDispose = false;
}

CEditorWindow::~CEditorWindow() {
    Close();
}

bool CEditorWindow::Open(const char* title, int x, int y, int viewWidth, int viewHeight) {
    HfcFrameParams params;
    params.kind = HfcFrameKind::TopLevel;
    params.x = x;
    params.y = y;
    params.width = viewWidth;
    params.height = viewHeight + EditorWindowLayout::kMenuHeight;
    params.title = title;
    if (!CreateFrame(params)) return false;
    m_strip = new Strip(this);
    m_strip->Create(0, 0, viewWidth, EditorWindowLayout::kMenuHeight, this);
    DrawStrip(-1);
    m_strip->Show(false);

    HfcFrameParams view;
    view.kind = HfcFrameKind::Child;
    view.x = 0;
    view.y = EditorWindowLayout::kMenuHeight;
    view.width = viewWidth;
    view.height = viewHeight;
    view.parentId = GetFrame()->GetId();
    if (IHfcPlatform* platform = HfcGetPlatform()) m_viewFrame = platform->CreateFrame(view, &g_viewClient);
    if (m_viewFrame == nullptr) return false;
    m_viewFrame->Show();
    GetFrame()->Show();
    DrawLayers(true);
    return true;
}

void CEditorWindow::Close() {
    if (m_viewFrame != nullptr) {
        if (IHfcPlatform* platform = HfcGetPlatform()) {
            platform->DetachClient(m_viewFrame);
            platform->DestroyFrame(m_viewFrame);
        }
        m_viewFrame = nullptr;
    }
    if (m_strip != nullptr) {
        m_strip->Destroy();
        delete m_strip;
        m_strip = nullptr;
    }
    if (GetFrame() != nullptr) {
        m_closing = true;
        DropFrame();
    }
}

uintptr_t CEditorWindow::ViewParentId() const {
    return m_viewFrame != nullptr ? m_viewFrame->GetId() : 0;
}

void CEditorWindow::ResizeView(int width, int height) {
    if (GetFrame() == nullptr || m_viewFrame == nullptr || width <= 0 || height <= 0) return;
    m_viewFrame->Resize(width, height);
    GetFrame()->Resize(width, height + EditorWindowLayout::kMenuHeight);
    if (m_strip != nullptr) m_strip->Resize(width, EditorWindowLayout::kMenuHeight, false);
    DrawStrip(-1);
    DrawLayers(true);
}

void CEditorWindow::DrawStrip(int highlighted) {
    CHfcOffscreenContext* ctx = m_strip != nullptr ? m_strip->GetContext() : nullptr;
    if (ctx == nullptr) return;
    const int w = m_strip->GetWidth(), h = EditorWindowLayout::kMenuHeight;
    ctx->SetBrushColor(kStripFace);
    ctx->FillRect(0, 0, w, h);
    ctx->SetBrushColor(kStripLine);
    ctx->FillRect(0, h - 1, w, 1);
    tagHfcBmpFontInfo* font = HfcChromeFont();
    for (int menu = 0; menu < EditorWindowLayout::kMenuCount; ++menu) {
        const int left = EditorWindowLayout::TitleLeft(menu);
        if (menu == highlighted) {
            ctx->SetBrushColor(kHighlight);
            ctx->FillRect(left, 0, EditorWindowLayout::kTitleWidth, h - 1);
        }
        if (font != nullptr) {
            const int tw = HfcGetBmpTextWidth(font, EditorMenuTitle(menu));
            ctx->DrawBmpTextProportional(left + (EditorWindowLayout::kTitleWidth - tw) / 2,
                                         (h - 1 - font->height) / 2, EditorMenuTitle(menu),
                                         EditorWindowLayout::kTitleWidth, font,
                                         menu == highlighted ? kHighlightText : kText, false);
        }
    }
    m_strip->CopyToWindow(true);
}

uint32_t CEditorWindow::TrackMenu(int menu) {
    const EditorMenuItem* items = EditorMenuItems(menu);
    if (items == nullptr || GetFrame() == nullptr) return 0;
    CHfcPopupMenu popup;
    if (!popup.Create(0)) return 0;
    int count = 0;
    for (; items[count].text != nullptr; ++count) {
        const EditorMenuItem& item = items[count];
        unsigned flags = 0;
        if (item.command == 0) {
            flags = 1u;
        } else if (m_client.isEnabled && !m_client.isEnabled(item.command)) {
            flags = 2u;
        }
        popup.InsertItem(count, static_cast<int>(item.command), item.text, flags);
    }
    DrawStrip(menu);
    const int chosen =
        popup.TrackPopupById(EditorWindowLayout::TitleLeft(menu), EditorWindowLayout::kMenuHeight, this, -1);
    popup.Destroy();
    if (GetFrame() != nullptr) DrawStrip(-1);
    return chosen > 0 ? static_cast<uint32_t>(chosen) : 0;
}

void CEditorWindow::OnPlatformEvent(const HfcPlatformEvent& event) {
    switch (event.kind) {
        case HfcEventKind::Close:
            // Closing the window ends the program: the owner takes everything down.
            if (m_client.close) m_client.close();
            return;
        case HfcEventKind::Destroyed:
            CHfcWindow::OnPlatformEvent(event);
            if (!m_closing && m_client.gone) m_client.gone();
            return;
        case HfcEventKind::KeyDown:
            if (event.shortcut) {
                if (event.character == 'q' || event.character == 'Q') {
                    if (m_client.command) m_client.command(kCmdQuit);
                    return;
                }
                if (event.character == ',') {
                    if (m_client.command) m_client.command(kCmdPreferences);
                    return;
                }
            }
            break;
        default:
            break;
    }
    CHfcWindow::OnPlatformEvent(event);
}
