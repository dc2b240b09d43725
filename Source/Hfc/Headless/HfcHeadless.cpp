#include "Hfc/Headless/HfcHeadless.h"

#include <algorithm>

#include "Hfc/Core/HfcWindow.h"
#include "Hfc/Draw/HfcDrawContext.h"
#include "Linux/RunLoop.h"

CHfcHeadlessFrame::CHfcHeadlessFrame(CHfcHeadlessScreen* screen, const HfcFrameParams& params,
                                     IHfcFrameClient* client, uintptr_t id)
    : m_pScreen(screen),
      m_kind(params.kind),
      m_id(id),
      m_parentId(params.parentId),
      m_pClient(client),
      m_iX(params.x),
      m_iY(params.y),
      m_title(params.title),
      m_order(0) {
    Resize(params.width, params.height);
}

CHfcHeadlessFrame::~CHfcHeadlessFrame() = default;

void CHfcHeadlessFrame::Show() {
    if (m_bVisible) return;
    m_bVisible = true;
    HfcPlatformEvent shown;
    shown.kind = HfcEventKind::Shown;
    m_pScreen->Send(this, shown);
}

void CHfcHeadlessFrame::Hide() {
    if (!m_bVisible) return;
    m_bVisible = false;
    if (m_pScreen->m_pGrab == this) m_pScreen->m_pGrab = nullptr;
    HfcPlatformEvent hidden;
    hidden.kind = HfcEventKind::Hidden;
    m_pScreen->Send(this, hidden);
}

void CHfcHeadlessFrame::GetRootOrigin(int* x, int* y) const {
    int ox = m_iX, oy = m_iY;
    if (m_kind == HfcFrameKind::Child) {
        if (const CHfcHeadlessFrame* parent = m_pScreen->FindFrame(m_parentId)) {
            int px = 0, py = 0;
            parent->GetRootOrigin(&px, &py);
            ox += px;
            oy += py;
        }
    }
    if (x != nullptr) *x = ox;
    if (y != nullptr) *y = oy;
}

void CHfcHeadlessFrame::Move(int x, int y) {
    m_iX = x;
    m_iY = y;
}

void CHfcHeadlessFrame::Resize(int width, int height) {
    if (width <= 0 || height <= 0 || !m_back.Create(width, height)) {
        m_back.Destroy();
        return;
    }
    uint8_t* p = m_back.LockPixels();
    for (int i = 0; i < width * height; ++i) p[i * 4 + 3] = 255;  // opaque black
    m_back.UnlockPixels();
}

void CHfcHeadlessFrame::Present(const tagHfcRect* rects, int count) {
    ++m_iPresentCalls;
    for (int i = 0; rects != nullptr && i < count; ++i) m_presented.push_back(rects[i]);
}

bool CHfcHeadlessFrame::GrabInput() {
    if (m_pScreen->m_bRefuseGrab) return false;
    m_pScreen->m_pGrab = this;
    return true;
}

void CHfcHeadlessFrame::UngrabInput() {
    if (m_pScreen->m_pGrab == this) m_pScreen->m_pGrab = nullptr;
}

void CHfcHeadlessFrame::SetInputFocus() {
    m_pScreen->Focus(this);
}

bool CHfcHeadlessFrame::HasInputFocus() const {
    return m_pScreen->m_pFocus == this;
}

CHfcHeadlessScreen::CHfcHeadlessScreen(int width, int height) : m_iWidth(width), m_iHeight(height) {}

CHfcHeadlessScreen::~CHfcHeadlessScreen() {
    while (!m_frames.empty()) DestroyFrame(m_frames.back().get());
    if (HfcGetPlatform() == this) HfcSetPlatform(nullptr);
}

void CHfcHeadlessScreen::Install() {
    HfcSetPlatform(this);
}

IHfcFrame* CHfcHeadlessScreen::CreateFrame(const HfcFrameParams& params, IHfcFrameClient* client) {
    if (params.width <= 0 || params.height <= 0) return nullptr;
    if (params.kind == HfcFrameKind::Child && FindFrame(params.parentId) == nullptr) return nullptr;
    auto frame = std::make_unique<CHfcHeadlessFrame>(this, params, client, m_nextId++);
    frame->m_order = m_nextOrder++;
    CHfcHeadlessFrame* raw = frame.get();
    m_frames.push_back(std::move(frame));
    // A child is mapped with its parent.
    if (params.kind == HfcFrameKind::Child) raw->m_bVisible = true;
    return raw;
}

uintptr_t CHfcHeadlessScreen::CreateForeignWindow(int x, int y, int width, int height) {
    HfcFrameParams params;
    params.x = x;
    params.y = y;
    params.width = width;
    params.height = height;
    params.title = "host";
    IHfcFrame* frame = CreateFrame(params, nullptr);
    if (frame == nullptr) return 0;
    CHfcBmp* back = frame->GetBackBuffer();
    for (int yy = 0; yy < height; ++yy)
        for (int xx = 0; xx < width; ++xx) back->SetPixel(xx, yy, 0xFF808080);
    frame->Show();
    return frame->GetId();
}

void CHfcHeadlessScreen::DestroyFrame(IHfcFrame* frame) {
    auto it =
        std::find_if(m_frames.begin(), m_frames.end(), [frame](const auto& f) { return f.get() == frame; });
    if (it == m_frames.end()) return;
    std::unique_ptr<CHfcHeadlessFrame> owned = std::move(*it);
    m_frames.erase(it);
    if (m_pGrab == owned.get()) m_pGrab = nullptr;
    if (m_pFocus == owned.get()) m_pFocus = nullptr;
    if (m_pPressed == owned.get()) m_pPressed = nullptr;
    // Children of a foreign window go with it, as the server destroys them.
    std::vector<CHfcHeadlessFrame*> children;
    for (const auto& f : m_frames) {
        if (f->m_kind == HfcFrameKind::Child && f->m_parentId == owned->m_id) children.push_back(f.get());
    }
    for (CHfcHeadlessFrame* child : children) DestroyFrame(child);
    if (owned->m_pClient != nullptr) {
        HfcPlatformEvent gone;
        gone.kind = HfcEventKind::Destroyed;
        IHfcFrameClient* client = owned->m_pClient;
        owned->m_pClient = nullptr;
        client->OnPlatformEvent(gone);
    }
}

void CHfcHeadlessScreen::DetachClient(IHfcFrame* frame) {
    if (CHfcHeadlessFrame* f = FindFrame(frame != nullptr ? frame->GetId() : 0)) f->m_pClient = nullptr;
}

void CHfcHeadlessScreen::GetScreenSize(int* width, int* height) const {
    if (width != nullptr) *width = m_iWidth;
    if (height != nullptr) *height = m_iHeight;
}

void CHfcHeadlessScreen::GetPointer(int* rootX, int* rootY, int* buttons) const {
    if (rootX != nullptr) *rootX = m_iPointerX;
    if (rootY != nullptr) *rootY = m_iPointerY;
    if (buttons != nullptr) *buttons = m_iButtons;
}

CHfcHeadlessFrame* CHfcHeadlessScreen::FindFrame(uintptr_t id) const {
    for (const auto& f : m_frames) {
        if (f->m_id == id) return f.get();
    }
    return nullptr;
}

std::vector<CHfcHeadlessFrame*> CHfcHeadlessScreen::Frames() const {
    std::vector<CHfcHeadlessFrame*> all;
    for (const auto& f : m_frames) all.push_back(f.get());
    return all;
}

bool CHfcHeadlessScreen::IsShowing(const CHfcHeadlessFrame* frame) const {
    while (frame != nullptr) {
        if (!frame->m_bVisible) return false;
        if (frame->m_kind != HfcFrameKind::Child) return true;
        frame = FindFrame(frame->m_parentId);
    }
    return false;
}

// Bottom first: top-levels and children (a child right above its parent, as it is made later), then
// dialogs, then popups.
std::vector<CHfcHeadlessFrame*> CHfcHeadlessScreen::Stacked() const {
    std::vector<CHfcHeadlessFrame*> all = Frames();
    auto rank = [](const CHfcHeadlessFrame* f) {
        return f->m_kind == HfcFrameKind::Popup ? 2 : (f->m_kind == HfcFrameKind::Dialog ? 1 : 0);
    };
    std::stable_sort(all.begin(), all.end(), [&](const CHfcHeadlessFrame* a, const CHfcHeadlessFrame* b) {
        if (rank(a) != rank(b)) return rank(a) < rank(b);
        return a->m_order < b->m_order;
    });
    return all;
}

CHfcHeadlessFrame* CHfcHeadlessScreen::FrameAt(int rootX, int rootY) const {
    const std::vector<CHfcHeadlessFrame*> stacked = Stacked();
    for (auto it = stacked.rbegin(); it != stacked.rend(); ++it) {
        CHfcHeadlessFrame* f = *it;
        if (!IsShowing(f)) continue;
        int x = 0, y = 0;
        f->GetRootOrigin(&x, &y);
        if (rootX >= x && rootY >= y && rootX < x + f->GetWidth() && rootY < y + f->GetHeight()) return f;
    }
    return nullptr;
}

CHfcHeadlessFrame* CHfcHeadlessScreen::PointerTarget() const {
    if (m_pGrab != nullptr) return m_pGrab;
    if (m_pPressed != nullptr) return m_pPressed;
    return FrameAt(m_iPointerX, m_iPointerY);
}

void CHfcHeadlessScreen::Send(CHfcHeadlessFrame* frame, HfcPlatformEvent event) {
    if (frame == nullptr || frame->m_pClient == nullptr) return;
    frame->m_pClient->OnPlatformEvent(event);
}

HfcPlatformEvent CHfcHeadlessScreen::PointerEvent(HfcEventKind kind, CHfcHeadlessFrame* frame) const {
    HfcPlatformEvent e;
    e.kind = kind;
    e.time = HfcGetSystemTimeMs();
    e.rootX = m_iPointerX;
    e.rootY = m_iPointerY;
    int ox = 0, oy = 0;
    if (frame != nullptr) frame->GetRootOrigin(&ox, &oy);
    e.x = m_iPointerX - ox;
    e.y = m_iPointerY - oy;
    e.modifiers = m_uModifiers;
    return e;
}

void CHfcHeadlessScreen::MoveTo(int rootX, int rootY) {
    m_iPointerX = rootX;
    m_iPointerY = rootY;
    CHfcHeadlessFrame* target = PointerTarget();
    Send(target,
         PointerEvent(m_iButtons != 0 ? HfcEventKind::MouseDragged : HfcEventKind::MouseMoved, target));
}

void CHfcHeadlessScreen::ButtonDown(int button) {
    const int bit = 1 << (button - 1);
    CHfcHeadlessFrame* target = PointerTarget();
    if (m_iButtons == 0 && m_pGrab == nullptr) m_pPressed = target;
    m_iButtons |= bit;
    HfcPlatformEvent e = PointerEvent(HfcEventKind::MouseDown, target);
    e.button = button;
    e.clickCount = m_clicks.Press(e.time, button, m_iPointerX, m_iPointerY);
    Send(target, e);
}

void CHfcHeadlessScreen::ButtonUp(int button) {
    CHfcHeadlessFrame* target = PointerTarget();
    m_iButtons &= ~(1 << (button - 1));
    if (m_iButtons == 0) m_pPressed = nullptr;
    HfcPlatformEvent e = PointerEvent(HfcEventKind::MouseUp, target);
    e.button = button;
    Send(target, e);
}

void CHfcHeadlessScreen::Click(int button) {
    ButtonDown(button);
    ButtonUp(button);
}

void CHfcHeadlessScreen::DoubleClick(int button) {
    Click(button);
    Click(button);
}

void CHfcHeadlessScreen::Wheel(int delta, int axis) {
    CHfcHeadlessFrame* target = PointerTarget();
    HfcPlatformEvent e = PointerEvent(HfcEventKind::MouseWheel, target);
    e.axis = axis;
    e.delta = delta;
    Send(target, e);
}

void CHfcHeadlessScreen::KeyDown(int character, int virtualKey, bool repeat) {
    HfcPlatformEvent e;
    e.kind = repeat ? HfcEventKind::KeyRepeat : HfcEventKind::KeyDown;
    e.time = HfcGetSystemTimeMs();
    e.character = character;
    e.virtualKey = virtualKey;
    e.modifiers = m_uModifiers;
    e.shortcut = (m_uModifiers & (kHfcMacCmdKey | kHfcMacOptionKey | kHfcMacControlKey)) != 0;
    Send(m_pGrab != nullptr ? m_pGrab : m_pFocus, e);
}

void CHfcHeadlessScreen::KeyUp(int character, int virtualKey) {
    HfcPlatformEvent e;
    e.kind = HfcEventKind::KeyUp;
    e.time = HfcGetSystemTimeMs();
    e.character = character;
    e.virtualKey = virtualKey;
    e.modifiers = m_uModifiers;
    Send(m_pGrab != nullptr ? m_pGrab : m_pFocus, e);
}

void CHfcHeadlessScreen::Key(int character, int virtualKey) {
    KeyDown(character, virtualKey);
    KeyUp(character, virtualKey);
}

void CHfcHeadlessScreen::Type(const char* text) {
    for (const char* c = text; c != nullptr && *c != '\0'; ++c) {
        int ch = 0, vk = 0;
        HfcKeysymToKey(static_cast<unsigned char>(*c), &ch, &vk);
        Key(ch, vk);
    }
}

void CHfcHeadlessScreen::Focus(CHfcHeadlessFrame* frame) {
    if (frame == m_pFocus) return;
    CHfcHeadlessFrame* previous = m_pFocus;
    m_pFocus = frame;
    HfcPlatformEvent e;
    e.time = HfcGetSystemTimeMs();
    if (previous != nullptr) {
        e.kind = HfcEventKind::Deactivated;
        Send(previous, e);
    }
    if (frame != nullptr && m_pFocus == frame) {
        e.kind = HfcEventKind::Activated;
        Send(frame, e);
    }
}

void CHfcHeadlessScreen::Deactivate() {
    CHfcHeadlessFrame* target = m_pGrab != nullptr ? m_pGrab : m_pFocus;
    if (target == m_pFocus) m_pFocus = nullptr;
    HfcPlatformEvent e;
    e.kind = HfcEventKind::Deactivated;
    e.time = HfcGetSystemTimeMs();
    Send(target, e);
}

int CHfcHeadlessScreen::InjectDrag(int kind, int rootX, int rootY, const std::vector<FSRef>& files) {
    m_iPointerX = rootX;
    m_iPointerY = rootY;
    CHfcHeadlessFrame* frame = FrameAt(rootX, rootY);
    auto* window = frame != nullptr ? dynamic_cast<CHfcWindow*>(frame->m_pClient) : nullptr;
    if (window == nullptr) return 0;
    return window->DeliverDrag(kind, rootX, rootY, m_uModifiers, files);
}

void CHfcHeadlessScreen::ExposeAll() {
    for (CHfcHeadlessFrame* f : Stacked()) {
        if (!IsShowing(f)) continue;
        HfcPlatformEvent e;
        e.kind = HfcEventKind::Expose;
        Send(f, e);
    }
}

void CHfcHeadlessScreen::Later(std::function<void()> fn) {
    if (RunLoop* loop = RunLoop::Current()) loop->Post(this, std::move(fn));
}

std::unique_ptr<CHfcBmp> CHfcHeadlessScreen::Snapshot() const {
    auto shot = std::make_unique<CHfcBmp>();
    if (!shot->Create(m_iWidth, m_iHeight)) return shot;
    uint8_t* dst = shot->LockPixels();
    for (int i = 0; i < m_iWidth * m_iHeight; ++i) {
        dst[i * 4 + 0] = kDesktop & 0xFF;
        dst[i * 4 + 1] = (kDesktop >> 8) & 0xFF;
        dst[i * 4 + 2] = (kDesktop >> 16) & 0xFF;
        dst[i * 4 + 3] = 0xFF;
    }
    for (CHfcHeadlessFrame* f : Stacked()) {
        if (!IsShowing(f) || f->m_back.Pixels() == nullptr) continue;
        int ox = 0, oy = 0;
        f->GetRootOrigin(&ox, &oy);
        for (int y = std::max(0, -oy); y < f->GetHeight() && oy + y < m_iHeight; ++y) {
            for (int x = std::max(0, -ox); x < f->GetWidth() && ox + x < m_iWidth; ++x) {
                const uint8_t* s =
                    f->m_back.Pixels() + static_cast<size_t>(y) * f->m_back.GetRowBytes() + x * 4;
                uint8_t* d = dst + static_cast<size_t>(oy + y) * shot->GetRowBytes() + (ox + x) * 4;
                d[0] = s[0];
                d[1] = s[1];
                d[2] = s[2];
                d[3] = 0xFF;  // what a person sees is opaque
            }
        }
    }
    shot->UnlockPixels();
    return shot;
}

bool CHfcHeadlessScreen::WritePng(const std::string& path) const {
    std::unique_ptr<CHfcBmp> shot = Snapshot();
    return HfcWritePng(shot.get(), path.c_str());
}
