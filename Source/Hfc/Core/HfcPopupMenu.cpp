#include "Hfc/Core/HfcPopupMenu.h"

#include <algorithm>
#include <cstdlib>
#include <map>

#include "Hfc/Core/HfcDialogs.h"
#include "Hfc/Core/HfcInput.h"
#include "Hfc/Core/HfcModal.h"
#include "Hfc/Core/HfcWindow.h"
#include "Hfc/Core/HfcWindowLayer.h"
#include "Hfc/Draw/HfcDrawContext.h"
#include "Linux/RunLoop.h"

namespace {

std::map<int, CHfcPopupMenu*>& Registry() {
    static std::map<int, CHfcPopupMenu*> menus;
    return menus;
}

HfcPopupMenuHook& Hook() {
    static HfcPopupMenuHook hook;
    return hook;
}

constexpr uint32_t kBackground = 0xFFF2F2F2;
constexpr uint32_t kBorder = 0xFF7F7F7F;
constexpr uint32_t kHighlight = 0xFF3A6FC4;
constexpr uint32_t kText = 0xFF000000;
constexpr uint32_t kHighlightText = 0xFFFFFFFF;
constexpr uint32_t kDisabledText = 0xFF9A9A9A;
constexpr uint32_t kSeparator = 0xFFC4C4C4;
constexpr uint32_t kQuickClickMs = 500;
constexpr int kTextLeft = 22;
constexpr int kTextRight = 16;

bool Selectable(const CHfcPopupMenu::Item& item) {
    return (item.flags & 3u) == 0;
}

// The rows of the menu drawn on one layer as tall as all of them.
class CMenuContentLayer : public CHfcWindowLayer {
public:
    CMenuContentLayer(const std::vector<CHfcPopupMenu::Item>& items, const std::vector<int>& tops)
        : m_items(items), m_tops(tops) {}

    void DrawRow(int index, bool highlighted) {
        CHfcOffscreenContext* ctx = GetContext();
        if (ctx == nullptr || index < 0 || index >= static_cast<int>(m_items.size())) return;
        const CHfcPopupMenu::Item& item = m_items[index];
        const int top = m_tops[index], height = m_tops[index + 1] - top, width = GetWidth();
        ctx->SetBrushColor(highlighted ? kHighlight : kBackground);
        ctx->FillRect(0, top, width, height);
        if (item.flags & 1u) {
            ctx->SetPenColor(kSeparator);
            ctx->MoveTo(6, top + height / 2);
            ctx->LineTo(width - 7, top + height / 2);
            return;
        }
        const uint32_t colour = (item.flags & 2u) ? kDisabledText : (highlighted ? kHighlightText : kText);
        if (item.checked) {
            ctx->SetPenColor(colour);
            ctx->SetPenWidth(2.0f);
            ctx->MoveTo(6, top + 10);
            ctx->LineTo(9, top + 13);
            ctx->LineTo(15, top + 6);
            ctx->SetPenWidth(1.0f);
        }
        if (tagHfcBmpFontInfo* font = HfcChromeFont()) {
            ctx->DrawBmpTextProportional(kTextLeft, top + (height - font->height) / 2, item.text.c_str(),
                                         width - kTextLeft - kTextRight, font, colour, false);
        }
    }

    void DrawAll() {
        for (int i = 0; i < static_cast<int>(m_items.size()); ++i) DrawRow(i, false);
    }

private:
    const std::vector<CHfcPopupMenu::Item>& m_items;
    const std::vector<int>& m_tops;
};

// The frame's border and, when the menu scrolls, the two arrow strips; transparent elsewhere.
class CMenuChromeLayer : public CHfcWindowLayer {
public:
    void Draw(bool strips) {
        CHfcOffscreenContext* ctx = GetContext();
        if (ctx == nullptr) return;
        const int w = GetWidth(), h = GetHeight();
        ctx->ClearRect(0, 0, w, h);
        if (strips) {
            ctx->SetBrushColor(kBackground);
            ctx->FillRect(0, 0, w, kHfcMenuScrollStrip);
            ctx->FillRect(0, h - kHfcMenuScrollStrip, w, kHfcMenuScrollStrip);
            ctx->SetBrushColor(kText);
            const float cx = w / 2.0f;
            for (int row = 0; row < 4; ++row) {
                ctx->FillRect(cx - row, 4.0f + row, 2.0f * row + 1, 1.0f);
                ctx->FillRect(cx - row, h - 5.0f - row, 2.0f * row + 1, 1.0f);
            }
        }
        ctx->SetPenColor(kBorder);
        ctx->FrameRect(0, 0, w, h);
    }
};

}  // namespace

// The menu window: a popup frame with the rows and the chrome, tracking the pointer and keys itself.
class CHfcMenuWindow : public CHfcWindow {
public:
    CHfcMenuWindow(const std::vector<CHfcPopupMenu::Item>& items, int selected)
        : m_items(items), m_selected(selected), m_content(m_items, m_tops) {
        m_bDeleteOnDispose = false;
        int y = 0, width = 80;
        tagHfcBmpFontInfo* font = HfcChromeFont();
        for (const CHfcPopupMenu::Item& item : m_items) {
            m_tops.push_back(y);
            y += (item.flags & 1u) ? kHfcMenuSeparatorHeight : kHfcMenuRowHeight;
            if (font != nullptr && !(item.flags & 1u)) {
                width = std::max(width, HfcGetBmpTextWidth(font, item.text.c_str()) + kTextLeft + kTextRight);
            }
        }
        m_tops.push_back(y);
        m_iWidth = width;
    }

    ~CHfcMenuWindow() override {
        HfcModalPop(this);
        StopScrollTimer();
    }

    bool Open(int rootX, int rootY) {
        IHfcPlatform* platform = HfcGetPlatform();
        if (platform == nullptr) return false;
        int screenW = 0, screenH = 0;
        platform->GetScreenSize(&screenW, &screenH);
        const int contentH = m_tops.back();
        const int width = std::min(m_iWidth, screenW);
        int height = contentH, top = rootY;
        const int sel = (m_selected >= 0 && m_selected < static_cast<int>(m_items.size())) ? m_selected : -1;
        if (sel >= 0) top -= m_tops[sel];
        m_bScrolls = contentH > screenH;
        if (m_bScrolls) {
            height = screenH;
            // The chosen item under the pointer as far as the list allows.
            m_iScroll = (sel >= 0 ? m_tops[sel] : 0) + kHfcMenuScrollStrip - rootY;
            top = 0;
        } else {
            top = std::clamp(top, 0, std::max(0, screenH - height));
        }
        const int left = std::clamp(rootX, 0, std::max(0, screenW - width));
        HfcFrameParams params;
        params.kind = HfcFrameKind::Popup;
        params.x = left;
        params.y = top;
        params.width = width;
        params.height = height;
        if (!CreateFrame(params)) return false;
        // Ended from outside (the editor closing): the menu is cancelled.
        HfcModalPush(this, [this] { m_bGone = true; });
        m_content.Create(0, 0, width, contentH, this);
        m_content.DrawAll();
        m_chrome.Create(0, 0, width, height, this);
        m_chrome.Draw(m_bScrolls);
        ClampScroll();
        m_content.Show(false);
        m_chrome.Show(false);
        GetFrame()->Show();
        if (!GetFrame()->GrabInput()) return false;
        int px = 0, py = 0, buttons = 0;
        platform->GetPointer(&px, &py, &buttons);
        m_openX = px;
        m_openY = py;
        m_bReleasedOnce = buttons == 0;
        m_openTime = HfcGetSystemTimeMs();
        if (sel >= 0 && Selectable(m_items[sel])) SetHighlight(sel);
        DrawLayers(true);
        return true;
    }

    bool IsDone() const { return m_bDone; }
    int GetResult() const { return m_iResult; }

    void OnPlatformEvent(const HfcPlatformEvent& event) override {
        switch (event.kind) {
            case HfcEventKind::MouseMoved:
            case HfcEventKind::MouseDragged:
                OnPointer(event);
                return;
            case HfcEventKind::MouseDown:
                if (!Inside(event.x, event.y)) Finish(0);
                return;
            case HfcEventKind::MouseUp:
                OnRelease(event);
                return;
            case HfcEventKind::MouseWheel:
                ScrollBy(-event.delta * 3 * kHfcMenuRowHeight);
                return;
            case HfcEventKind::KeyDown:
            case HfcEventKind::KeyRepeat:
                OnKey(event);
                return;
            case HfcEventKind::KeyUp:
                return;
            case HfcEventKind::Deactivated:
                m_bGone = true;
                return;
            case HfcEventKind::Destroyed:
                m_bGone = true;
                break;
            default:
                break;
        }
        CHfcWindow::OnPlatformEvent(event);
    }

    bool IsGone() const { return m_bGone; }

private:
    bool Inside(int x, int y) const {
        return GetFrame() != nullptr && x >= 0 && y >= 0 && x < GetFrame()->GetWidth() &&
               y < GetFrame()->GetHeight();
    }

    // -2 top strip, -3 bottom strip, -1 nothing, else the row under the frame point.
    int HitTest(int x, int y) const {
        if (!Inside(x, y)) return -1;
        const int h = GetFrame()->GetHeight();
        if (m_bScrolls && y < kHfcMenuScrollStrip) return -2;
        if (m_bScrolls && y >= h - kHfcMenuScrollStrip) return -3;
        const int cy = y - m_content.GetRect().top;
        for (size_t i = 0; i + 1 < m_tops.size(); ++i) {
            if (cy >= m_tops[i] && cy < m_tops[i + 1]) return static_cast<int>(i);
        }
        return -1;
    }

    void OnPointer(const HfcPlatformEvent& event) {
        if (std::abs(event.rootX - m_openX) > 4 || std::abs(event.rootY - m_openY) > 4) m_bMoved = true;
        const int hit = HitTest(event.x, event.y);
        if (hit == -2 || hit == -3) {
            StartScrollTimer(hit == -2 ? -kHfcMenuRowHeight : kHfcMenuRowHeight);
            SetHighlight(-1);
            return;
        }
        StopScrollTimer();
        SetHighlight(hit >= 0 && Selectable(m_items[hit]) ? hit : -1);
    }

    void OnRelease(const HfcPlatformEvent& event) {
        const bool first = !m_bReleasedOnce;
        m_bReleasedOnce = true;
        if (first && !m_bMoved && HfcGetSystemTimeMs() - m_openTime < kQuickClickMs) return;  // a quick click
        const int hit = HitTest(event.x, event.y);
        if (hit >= 0 && Selectable(m_items[hit])) {
            Finish(m_items[hit].id);
        } else if (first || !Inside(event.x, event.y)) {
            Finish(0);
        }
    }

    void OnKey(const HfcPlatformEvent& event) {
        const int ch = event.character, vkey = event.virtualKey;
        if (ch == 27) {
            Finish(0);
        } else if (ch == 13) {
            if (m_iHighlight >= 0) Finish(m_items[m_iHighlight].id);
        } else if (ch == 30 || vkey == 38) {
            MoveHighlight(-1);
        } else if (ch == 31 || vkey == 40) {
            MoveHighlight(1);
        }
    }

    void MoveHighlight(int step) {
        const int n = static_cast<int>(m_items.size());
        int i = m_iHighlight;
        for (int tries = 0; tries < n; ++tries) {
            i = i < 0 ? (step > 0 ? 0 : n - 1) : i + step;
            if (i < 0 || i >= n) return;
            if (Selectable(m_items[i])) break;
        }
        if (i < 0 || i >= n || !Selectable(m_items[i])) return;
        SetHighlight(i);
        // Keep it in view.
        const int viewTop = m_iScroll, viewH = ViewHeight();
        if (m_tops[i] < viewTop) ScrollBy(m_tops[i] - viewTop);
        if (m_tops[i + 1] > viewTop + viewH) ScrollBy(m_tops[i + 1] - viewTop - viewH);
    }

    int ViewHeight() const {
        const int h = GetFrame() != nullptr ? GetFrame()->GetHeight() : 0;
        return m_bScrolls ? h - 2 * kHfcMenuScrollStrip : h;
    }

    void SetHighlight(int index) {
        if (index == m_iHighlight) return;
        const int old = m_iHighlight;
        m_iHighlight = index;
        for (int row : {old, index}) {
            if (row < 0) continue;
            m_content.DrawRow(row, row == m_iHighlight);
            m_content.CopyToWindow(0, m_tops[row], m_content.GetWidth(), m_tops[row + 1] - m_tops[row], true);
        }
    }

    void ClampScroll() {
        if (!m_bScrolls) {
            m_iScroll = 0;
        } else {
            m_iScroll = std::clamp(m_iScroll, 0, std::max(0, m_tops.back() - ViewHeight()));
        }
        m_content.Move(0, (m_bScrolls ? kHfcMenuScrollStrip : 0) - m_iScroll, false);
    }

    void ScrollBy(int pixels) {
        if (!m_bScrolls || pixels == 0) return;
        const int before = m_iScroll;
        m_iScroll += pixels;
        ClampScroll();
        if (m_iScroll != before) DrawLayers(true);
    }

    void StartScrollTimer(int step) {
        m_iScrollStep = step;
        if (m_timer != 0) return;
        if (RunLoop* loop = RunLoop::Current()) {
            m_timer = loop->AddTimer(this, 40, [this](RunLoop::TimerMessage) { ScrollBy(m_iScrollStep); });
        }
    }

    void StopScrollTimer() {
        if (m_timer == 0) return;
        if (RunLoop* loop = RunLoop::Current()) loop->RemoveTimer(m_timer);
        m_timer = 0;
    }

    void Finish(int result) {
        if (m_bDone) return;
        m_bDone = true;
        m_iResult = result;
        StopScrollTimer();
    }

    std::vector<CHfcPopupMenu::Item> m_items;
    std::vector<int> m_tops;
    int m_selected;
    CMenuContentLayer m_content;
    CMenuChromeLayer m_chrome;
    int m_iWidth = 80;
    bool m_bScrolls = false;
    int m_iScroll = 0;
    int m_iScrollStep = 0;
    RunLoop::TimerId m_timer = 0;
    int m_iHighlight = -1;
    int m_openX = 0;
    int m_openY = 0;
    uint32_t m_openTime = 0;
    bool m_bMoved = false;
    bool m_bReleasedOnce = false;
    bool m_bDone = false;
    bool m_bGone = false;
    int m_iResult = 0;
};

CHfcPopupMenu::CHfcPopupMenu() = default;

CHfcPopupMenu::~CHfcPopupMenu() {
    if (m_bCreated) Destroy();
}

bool CHfcPopupMenu::Create(int menuId) {
    if (m_bCreated) return false;
    if (menuId != 0) {
        if (Registry().count(menuId) != 0) return false;
        Registry()[menuId] = this;
    }
    m_iMenuId = menuId;
    m_bCreated = true;
    return true;
}

bool CHfcPopupMenu::Destroy() {
    if (!m_bCreated) return false;
    if (m_iMenuId != 0) Registry().erase(m_iMenuId);
    m_items.clear();
    m_iMenuId = 0;
    m_bCreated = false;
    return true;
}

CHfcPopupMenu* CHfcPopupMenu::FindMenu(int menuId) {
    auto it = Registry().find(menuId);
    return it == Registry().end() ? nullptr : it->second;
}

bool CHfcPopupMenu::InsertItem(int afterIndex, int id, const char* text, unsigned flags) {
    if (!m_bCreated || text == nullptr) return false;
    const size_t at = static_cast<size_t>(std::clamp(afterIndex, 0, static_cast<int>(m_items.size())));
    m_items.insert(m_items.begin() + static_cast<ptrdiff_t>(at), Item{text, id, flags, false});
    return true;
}

bool CHfcPopupMenu::DeleteItem(int index) {
    if (!m_bCreated || index < 0 || index >= static_cast<int>(m_items.size())) return false;
    m_items.erase(m_items.begin() + index);
    return true;
}

bool CHfcPopupMenu::CheckItem(int index, bool checked) {
    if (!m_bCreated || index < 0 || index >= static_cast<int>(m_items.size())) return false;
    m_items[index].checked = checked;
    return true;
}

int CHfcPopupMenu::GetNumItems() const {
    return m_bCreated ? static_cast<int>(m_items.size()) : 0;
}

int CHfcPopupMenu::TrackPopupById(int x, int y, CHfcWindow* window, int selected) {
    m_bCancelled = false;
    if (!m_bCreated || m_items.empty()) return 0;
    tagHfcPoint p = {x, y};
    if (window != nullptr) window->LocalToGlobal(&p);
    if (CHfcMouse* mouse = CHfcMouse::GetInstance()) mouse->ReleaseCapture();
    if (Hook()) return Hook()(HfcPopupMenuRequest{m_items, p.x, p.y, selected});

    RunLoop* loop = RunLoop::Current();
    CHfcMenuWindow* menu = new CHfcMenuWindow(m_items, selected);
    int result = 0;
    if (loop == nullptr || !menu->Open(p.x, p.y)) {
        m_bCancelled = true;
    } else {
        loop->RunModal([menu] { return menu->IsDone() || menu->IsGone(); });
        if (menu->IsDone()) {
            result = menu->GetResult();
        } else {
            m_bCancelled = true;
        }
    }
    // The menu window is gone before the answer is returned.
    menu->Destroy();
    delete menu;
    return m_bCancelled ? -1 : result;
}

void HfcSetPopupMenuHook(HfcPopupMenuHook hook) {
    Hook() = std::move(hook);
}

CHfcMenuBar::CHfcMenuBar() = default;

CHfcMenuBar::~CHfcMenuBar() = default;

void CHfcMenuBar::AddMenu(const char* title, CHfcPopupMenu* menu) {
    if (title != nullptr && menu != nullptr) m_menus.emplace_back(title, menu);
}

bool CHfcMenuBar::SetMenuBar() {
    if (m_menus.empty()) return false;
    m_bInstalled = true;
    return true;
}
