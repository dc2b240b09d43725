#include "Hfc/Core/HfcWindow.h"

#include <algorithm>
#include <cstring>

#include "Hfc/Core/HfcModal.h"
#include "Hfc/Core/HfcPopupMenu.h"
#include "Hfc/Core/HfcWindowLayer.h"
#include "Hfc/Draw/HfcDrawContext.h"
#include "Linux/RunLoop.h"

namespace {
IHfcPlatform* g_platform = nullptr;
// Windows with a frame, oldest first (for FindChildWindow).
std::vector<CHfcWindow*> g_windows;

void Forget(CHfcWindow* window) {
    auto it = std::find(g_windows.begin(), g_windows.end(), window);
    if (it != g_windows.end()) g_windows.erase(it);
}
}  // namespace

void HfcSetPlatform(IHfcPlatform* platform) {
    g_platform = platform;
}

IHfcPlatform* HfcGetPlatform() {
    return g_platform;
}

CHfcWindow::CHfcWindow() {
    m_dirtyLock.Signal();
    m_pKeyFocus = new CHfcKeyFocus(this);
}

CHfcWindow::~CHfcWindow() {
    Forget(this);
    HfcForgetWindow(this);
    if (m_pFrame != nullptr && g_platform != nullptr) {
        // Deleted without Destroy: the frame must not call back into a freed client.
        g_platform->DetachClient(m_pFrame);
        if (m_bDeleteOnDispose) g_platform->DestroyFrame(m_pFrame);
    }
    m_pFrame = nullptr;
    delete m_pKeyFocus;
}

bool CHfcWindow::Create(const char* title, int x, int y, int width, int height, unsigned attributes,
                        CHfcMenuBar* menuBar, CHfcWindow*, CHfcAppBase* app) {
    HfcFrameParams params;
    params.kind = HfcFrameKind::TopLevel;
    params.x = x;
    params.y = y;
    params.width = width;
    params.height = height;
    params.resizable = (MacAttrToWindowAttributes(attributes) & 0x10) != 0;
    params.title = title != nullptr ? std::string(title).substr(0, 255) : std::string();
    m_pApp = app;
    if (!CreateFrame(params)) return false;
    if (menuBar != nullptr) {
        m_pMenuBar = menuBar;
        menuBar->SetMenuBar();
    }
    return true;
}

bool CHfcWindow::CreatePlatformFrame(const HfcFrameParams& params) {
    if (m_pFrame != nullptr || g_platform == nullptr) return false;
    IHfcFrame* frame = g_platform->CreateFrame(params, this);
    if (frame == nullptr) return false;
    m_pFrame = frame;
    g_windows.push_back(this);
    MacInstallDragEventHandler();
    return true;
}

void CHfcWindow::DropFrame() {
    if (m_pFrame == nullptr) return;
    IHfcFrame* frame = m_pFrame;
    m_pFrame = nullptr;
    Forget(this);
    if (g_platform != nullptr) {
        g_platform->DetachClient(frame);
        g_platform->DestroyFrame(frame);
    }
}

bool CHfcWindow::CreateFrame(const HfcFrameParams& params) {
    if (!CreatePlatformFrame(params)) return false;
    IHfcFrame* frame = m_pFrame;
    if (!OnCreate()) {
        // Taken down without the dispose path, which would delete an object the caller still holds.
        MacUninstallDragEventHandler();
        Forget(this);
        g_platform->DetachClient(frame);
        g_platform->DestroyFrame(frame);
        m_pFrame = nullptr;
        return false;
    }
    return true;
}

bool CHfcWindow::Destroy() {
    if (m_pFrame == nullptr || g_platform == nullptr) return false;
    // The dispose event runs OnDestroy and OnPostDestroy, which may delete this object.
    g_platform->DestroyFrame(m_pFrame);
    return true;
}

bool CHfcWindow::Show() {
    if (m_pFrame == nullptr) return false;
    m_pFrame->Show();
    return true;
}

bool CHfcWindow::Hide() {
    if (m_pFrame == nullptr) return false;
    m_pFrame->Hide();
    return true;
}

bool CHfcWindow::Activate() {
    if (m_pFrame != nullptr) m_pFrame->SetInputFocus();
    return false;
}

// No title bar to collapse into here: the frame is hidden and shown again.
bool CHfcWindow::Collapse() {
    return CHfcWindow::Hide();
}

bool CHfcWindow::Expand() {
    return CHfcWindow::Show();
}

bool CHfcWindow::SetTitle(const char* title) {
    if (m_pFrame == nullptr || title == nullptr) return false;
    m_pFrame->SetTitle(std::string(title).substr(0, 255).c_str());
    return true;
}

bool CHfcWindow::GetTitle(char* buffer) {
    if (m_pFrame == nullptr || buffer == nullptr) return false;
    const std::string title = m_pFrame->GetTitle().substr(0, 255);
    std::memcpy(buffer, title.c_str(), title.size() + 1);
    return true;
}

CHfcWindow* CHfcWindow::FindChildWindow(const char* title) {
    if (title == nullptr) return nullptr;
    for (auto it = g_windows.rbegin(); it != g_windows.rend(); ++it) {
        if ((*it)->m_pFrame != nullptr && (*it)->m_pFrame->GetTitle() == title) return *it;
    }
    return nullptr;
}

unsigned CHfcWindow::MacAttrToWindowAttributes(unsigned flags) {
    return (flags & 0x1F27003Fu) | 0x02000000u;
}

void CHfcWindow::GetWindowRect(tagHfcRect* rect) {
    if (m_pFrame == nullptr || rect == nullptr) return;
    int x = 0, y = 0;
    m_pFrame->GetRootOrigin(&x, &y);
    HfcSetRect(rect, x, y, x + m_pFrame->GetWidth(), y + m_pFrame->GetHeight());
}

void CHfcWindow::GetClientRect(tagHfcRect* rect) {
    if (m_pFrame == nullptr || rect == nullptr) return;
    HfcSetRect(rect, 0, 0, m_pFrame->GetWidth(), m_pFrame->GetHeight());
}

bool CHfcWindow::Resize(int width, int height, bool) {
    if (m_pFrame == nullptr) return false;
    m_pFrame->Resize(width, height);
    return true;
}

bool CHfcWindow::AddLayer(CHfcWindowLayer* layer, bool redraw) {
    if (layer == nullptr || std::find(m_layers.begin(), m_layers.end(), layer) != m_layers.end())
        return false;
    m_layers.push_back(layer);
    layer->SetWindow(this);
    if (redraw) DrawLayers(true);
    return true;
}

bool CHfcWindow::RemoveLayer(CHfcWindowLayer* layer, bool redraw) {
    if (std::find(m_layers.begin(), m_layers.end(), layer) == m_layers.end()) return false;
    layer->OnRemoveFromParent(this);
    auto it = std::find(m_layers.begin(), m_layers.end(), layer);
    if (it != m_layers.end()) m_layers.erase(it);
    if (redraw) DrawLayers(true);
    return true;
}

void CHfcWindow::RemoveAllLayers(bool redraw) {
    while (!m_layers.empty()) RemoveLayer(m_layers.back(), false);
    if (redraw) DrawLayers(true);
}

CHfcWindowLayer* CHfcWindow::GetLayerByIndex(int index) const {
    return index >= 0 && index < static_cast<int>(m_layers.size()) ? m_layers[index] : nullptr;
}

void CHfcWindow::DrawLayers(const tagHfcRect* rect, bool now) {
    if (now) {
        Update(rect);
    } else {
        AddUpdateRect(rect);
    }
}

void CHfcWindow::DrawLayers(bool now) {
    tagHfcRect client{};
    GetClientRect(&client);
    DrawLayers(&client, now);
}

void CHfcWindow::SetUpdateMethod(int method) {
    if (method != 0 && method != 1) return;
    if (!m_dirtyLock.Wait()) return;
    m_iUpdateMethod = method;
    m_dirtyLock.Signal();
}

void CHfcWindow::Update(const tagHfcRect* rect) {
    if (m_pFrame == nullptr) return;
    tagHfcRect r{};
    if (rect != nullptr) {
        r = *rect;
    } else {
        GetClientRect(&r);
    }
    CHfcDrawContext context(m_pFrame->GetBackBuffer());
    OnUpdate(&context, &r);
    OnPostUpdate(&context, &r);
}

void CHfcWindow::OnUpdate(CHfcDrawContext* context, tagHfcRect* rect) {
    if (context == nullptr || rect == nullptr) return;
    const int w = rect->right - rect->left, h = rect->bottom - rect->top;
    // By index with the count read again each step: a layer may be added or removed meanwhile.
    for (size_t i = 0; i < m_layers.size(); ++i) {
        CHfcWindowLayer* layer = m_layers[i];
        if (!layer->IsVisible() || layer->GetContext() == nullptr) continue;
        layer->GetContext()->CopyToContext(context, rect->left, rect->top, w, h,
                                           rect->left - layer->GetRect().left,
                                           rect->top - layer->GetRect().top);
    }
}

void CHfcWindow::OnPostUpdate(CHfcDrawContext* context, tagHfcRect* rect) {
    if (context != nullptr) context->Flush();
    if (m_pFrame != nullptr && rect != nullptr) m_pFrame->Present(rect, 1);
}

void CHfcWindow::AddUpdateRect(const tagHfcRect* rect) {
    tagHfcRect r{};
    if (rect != nullptr) {
        r = *rect;
    } else {
        GetClientRect(&r);
    }
    if (!m_dirtyLock.Wait()) return;
    if (m_iUpdateMethod == 0) {
        if (m_rcPending.right - m_rcPending.left > 0) {
            HfcUnionRect(&m_rcPending, &m_rcPending, &r);
        } else {
            m_rcPending = r;
        }
    } else {
        bool decided = false;
        for (tagHfcRect& entry : m_rects) {
            if (r.left >= entry.left && r.top >= entry.top && r.right <= entry.right &&
                r.bottom <= entry.bottom) {
                decided = true;
                break;
            }
            if (entry.left >= r.left && entry.top >= r.top && entry.right <= r.right &&
                entry.bottom <= r.bottom) {
                entry = r;
                decided = true;
                break;
            }
        }
        if (!decided) m_rects.push_back(r);
    }
    m_dirtyLock.Signal();
}

void CHfcWindow::FlushUpdateRect() {
    if (!m_dirtyLock.Wait()) return;
    // Taken, then the semaphore is given back before painting: a paint hook may add rectangles (they
    // go to the next flush) without waiting on itself.
    const int method = m_iUpdateMethod;
    std::vector<tagHfcRect> rects;
    rects.swap(m_rects);
    const tagHfcRect pending = m_rcPending;
    m_rcPending = tagHfcRect{};
    m_dirtyLock.Signal();

    if (method == 1) {
        if (m_pFrame == nullptr || rects.empty()) return;
        tagHfcRect client{};
        GetClientRect(&client);
        CHfcDrawContext context(m_pFrame->GetBackBuffer());
        std::vector<tagHfcRect> painted;
        for (const tagHfcRect& entry : rects) {
            tagHfcRect clipped;
            HfcSetRect(&clipped, std::max(entry.left, client.left), std::max(entry.top, client.top),
                       std::min(entry.right, client.right), std::min(entry.bottom, client.bottom));
            if (clipped.right <= clipped.left || clipped.bottom <= clipped.top) continue;
            context.ClearRect(&clipped);
            OnUpdate(&context, &clipped);
            painted.push_back(clipped);
        }
        context.Flush();
        if (m_pFrame != nullptr && !painted.empty()) {
            m_pFrame->Present(painted.data(), static_cast<int>(painted.size()));
        }
    } else if (pending.right - pending.left > 0 && pending.bottom - pending.top > 0) {
        DrawLayers(&pending, true);
    }
}

bool CHfcWindow::GlobalToLocal(tagHfcPoint* point) {
    if (m_pFrame == nullptr || point == nullptr) return false;
    int x = 0, y = 0;
    m_pFrame->GetRootOrigin(&x, &y);
    point->x -= x;
    point->y -= y;
    return true;
}

bool CHfcWindow::LocalToGlobal(tagHfcPoint* point) {
    if (m_pFrame == nullptr || point == nullptr) return false;
    int x = 0, y = 0;
    m_pFrame->GetRootOrigin(&x, &y);
    point->x += x;
    point->y += y;
    return true;
}

bool CHfcWindow::SetFocus(CHfcKeyFocusListener* listener) {
    if (m_pFrame == nullptr) return false;
    return m_pKeyFocus->SetFocus(listener, this);
}

bool CHfcWindow::ReleaseFocus(CHfcKeyFocusListener* listener) {
    if (listener != nullptr && listener != m_pKeyFocus->GetListener()) return false;
    return m_pKeyFocus->ReleaseFocus();
}

bool CHfcWindow::IsFocused(CHfcKeyFocusListener* listener) {
    return m_pKeyFocus->GetListener() != nullptr && m_pKeyFocus->GetListener() == listener;
}

void CHfcWindow::SetMouseEventParams(CHfcMouse* mouse, int x, int y, int modifiers) {
    if (mouse == nullptr) return;
    tagHfcPoint local = {x, y};
    GlobalToLocal(&local);
    mouse->m_pWindow = this;
    mouse->m_iGlobalX = x;
    mouse->m_iGlobalY = y;
    mouse->m_iLocalX = local.x;
    mouse->m_iLocalY = local.y;
    mouse->m_iModifiers = modifiers;
}

bool CHfcWindow::RouteToLayers(LayerPreFn fn, CHfcMouse* mouse, int x, int y, int modifiers) {
    for (int i = static_cast<int>(m_layers.size()) - 1; i >= 0;) {
        if (i >= static_cast<int>(m_layers.size())) {
            i = static_cast<int>(m_layers.size()) - 1;
            continue;
        }
        CHfcWindowLayer* layer = m_layers[i];
        const tagHfcRect& r = layer->GetRect();
        if (layer->IsVisible() && r.left <= x && x < r.right && r.top <= y && y < r.bottom) {
            if ((layer->*fn)(mouse, x - r.left, y - r.top, modifiers)) return true;
            // The handler may have changed the list: go on below the layer's place now.
            auto it = std::find(m_layers.begin(), m_layers.end(), layer);
            if (it != m_layers.end()) i = static_cast<int>(it - m_layers.begin());
        }
        --i;
    }
    return false;
}

#define HFC_WINDOW_LOCAL(Name)                                                                 \
    bool CHfcWindow::OnHfcMouse##Name(CHfcMouse* mouse, int x, int y, int modifiers) {         \
        return RouteToLayers(&CHfcWindowLayer::PreMouse##Name, mouse, x, y, modifiers);        \
    }                                                                                          \
    bool CHfcWindow::OnHfcMouse##Name##Global(CHfcMouse* mouse, int x, int y, int modifiers) { \
        SetMouseEventParams(mouse, x, y, modifiers);                                           \
        tagHfcPoint p = {x, y};                                                                \
        GlobalToLocal(&p);                                                                     \
        return OnHfcMouse##Name(mouse, p.x, p.y, modifiers);                                   \
    }
HFC_WINDOW_LOCAL(LButtonDown)
HFC_WINDOW_LOCAL(LButtonDoubleClick)
HFC_WINDOW_LOCAL(LButtonUp)
HFC_WINDOW_LOCAL(RButtonDown)
HFC_WINDOW_LOCAL(RButtonDoubleClick)
HFC_WINDOW_LOCAL(RButtonUp)
HFC_WINDOW_LOCAL(MButtonDown)
HFC_WINDOW_LOCAL(MButtonDoubleClick)
HFC_WINDOW_LOCAL(MButtonUp)
HFC_WINDOW_LOCAL(Move)
#undef HFC_WINDOW_LOCAL

bool CHfcWindow::OnHfcMouseWheelMoved(CHfcMouse* mouse, int x, int y, int modifiers, int axis, int delta) {
    for (int i = static_cast<int>(m_layers.size()) - 1; i >= 0;) {
        if (i >= static_cast<int>(m_layers.size())) {
            i = static_cast<int>(m_layers.size()) - 1;
            continue;
        }
        CHfcWindowLayer* layer = m_layers[i];
        const tagHfcRect& r = layer->GetRect();
        if (layer->IsVisible() && r.left <= x && x < r.right && r.top <= y && y < r.bottom) {
            if (layer->PreMouseWheelMoved(mouse, x - r.left, y - r.top, axis, delta, modifiers)) return true;
            auto it = std::find(m_layers.begin(), m_layers.end(), layer);
            if (it != m_layers.end()) i = static_cast<int>(it - m_layers.begin());
        }
        --i;
    }
    return false;
}

bool CHfcWindow::OnHfcMouseWheelMovedGlobal(CHfcMouse* mouse, int x, int y, int modifiers, int axis,
                                            int delta) {
    tagHfcPoint p = {x, y};
    GlobalToLocal(&p);
    return OnHfcMouseWheelMoved(mouse, p.x, p.y, modifiers, axis, delta);
}

CHfcMouseListener* CHfcWindow::MouseTarget() {
    CHfcMouse* mouse = CHfcMouse::GetInstance();
    if (mouse != nullptr && mouse->GetCapture() != nullptr) return mouse->GetCapture();
    return this;
}

int CHfcWindow::OnMacMouseDown(const HfcPlatformEvent& event) {
    CHfcMouse* mouse = CHfcMouse::GetInstance();
    const int modifiers = CHfcMouse::MacConvertKeyModifiers(event.modifiers);
    CHfcMouseListener* target = MouseTarget();
    const bool twice = event.clickCount > 1 && m_bClickArmed;
    // Armed before the call: a handler may close (and delete) this window.
    m_bClickArmed = true;
    bool result = false;
    switch (event.button) {
        case 1:
            result =
                twice ? target->OnHfcMouseLButtonDoubleClickGlobal(mouse, event.rootX, event.rootY, modifiers)
                      : target->OnHfcMouseLButtonDownGlobal(mouse, event.rootX, event.rootY, modifiers);
            break;
        case 2:
            result =
                twice ? target->OnHfcMouseRButtonDoubleClickGlobal(mouse, event.rootX, event.rootY, modifiers)
                      : target->OnHfcMouseRButtonDownGlobal(mouse, event.rootX, event.rootY, modifiers);
            break;
        case 3:
            result =
                twice ? target->OnHfcMouseMButtonDoubleClickGlobal(mouse, event.rootX, event.rootY, modifiers)
                      : target->OnHfcMouseMButtonDownGlobal(mouse, event.rootX, event.rootY, modifiers);
            break;
        default:
            break;
    }
    return result ? kHfcNoErr : kHfcEventNotHandledErr;
}

int CHfcWindow::OnMacMouseUp(const HfcPlatformEvent& event) {
    CHfcMouse* mouse = CHfcMouse::GetInstance();
    const int modifiers = CHfcMouse::MacConvertKeyModifiers(event.modifiers);
    CHfcMouseListener* target = MouseTarget();
    switch (event.button) {
        case 1:
            target->OnHfcMouseLButtonUpGlobal(mouse, event.rootX, event.rootY, modifiers);
            break;
        case 2:
            target->OnHfcMouseRButtonUpGlobal(mouse, event.rootX, event.rootY, modifiers);
            break;
        case 3:
            target->OnHfcMouseMButtonUpGlobal(mouse, event.rootX, event.rootY, modifiers);
            break;
        default:
            break;
    }
    return kHfcEventNotHandledErr;
}

int CHfcWindow::OnMacMouseMoved(const HfcPlatformEvent& event) {
    CHfcMouse* mouse = CHfcMouse::GetInstance();
    MouseTarget()->OnHfcMouseMoveGlobal(mouse, event.rootX, event.rootY,
                                        CHfcMouse::MacConvertKeyModifiers(event.modifiers));
    return kHfcEventNotHandledErr;
}

int CHfcWindow::OnMacMouseDragged(const HfcPlatformEvent& event) {
    return OnMacMouseMoved(event);
}

int CHfcWindow::OnMacMouseWheelMoved(const HfcPlatformEvent& event) {
    CHfcMouse* mouse = CHfcMouse::GetInstance();
    MouseTarget()->OnHfcMouseWheelMovedGlobal(mouse, event.rootX, event.rootY,
                                              CHfcMouse::MacConvertKeyModifiers(event.modifiers), event.axis,
                                              event.delta);
    return kHfcEventNotHandledErr;
}

int CHfcWindow::RawKey(const HfcPlatformEvent& event) {
    if (m_pKeyFocus->OnRawKey(event)) return kHfcNoErr;
    int code = event.character & 0xFF;
    switch (code) {
        case 28:
            code = 37;
            break;
        case 29:
            code = 39;
            break;
        case 30:
            code = 38;
            break;
        case 31:
            code = 40;
            break;
        case 127:
            code = 46;
            break;
        default:
            break;
    }
    CHfcKey* key = CHfcKey::GetInstance();
    return key != nullptr && key->OnKeyChar(code, 0) ? kHfcNoErr : kHfcEventNotHandledErr;
}

int CHfcWindow::OnMacRawKeyDown(const HfcPlatformEvent& event) {
    return RawKey(event);
}

int CHfcWindow::OnMacRawKeyRepeat(const HfcPlatformEvent& event) {
    return RawKey(event);
}

int CHfcWindow::OnMacRawKeyUp(const HfcPlatformEvent& event) {
    if (m_pKeyFocus->OnRawKey(event)) return kHfcNoErr;
    HfcDebugPrintf("CHfcWindow::OnMacRawKeyUp()");
    return kHfcEventNotHandledErr;
}

int CHfcWindow::OnMacDrawContent(const HfcPlatformEvent&) {
    if (m_pFrame == nullptr) return kHfcEventNotHandledErr;
    tagHfcRect client{};
    GetClientRect(&client);
    CHfcDrawContext context(m_pFrame->GetBackBuffer());
    OnUpdate(&context, &client);
    OnPostUpdate(&context, &client);
    return kHfcNoErr;
}

int CHfcWindow::OnMacActivated(const HfcPlatformEvent&) {
    OnActivated();
    m_pKeyFocus->OnFrameFocus(true);
    return kHfcNoErr;
}

int CHfcWindow::OnMacDeactivated(const HfcPlatformEvent&) {
    OnDeactivated();
    m_bClickArmed = false;
    m_pKeyFocus->OnFrameFocus(false);
    return kHfcNoErr;
}

int CHfcWindow::OnMacBoundsChanged(const HfcPlatformEvent& event) {
    if (event.width > 0 && event.height > 0) OnSizeChanged(event.width, event.height);
    OnMoved(event.x, event.y);
    return kHfcEventNotHandledErr;
}

int CHfcWindow::OnMacClose(const HfcPlatformEvent&) {
    if (!OnClose()) return kHfcNoErr;
    Destroy();
    return kHfcEventNotHandledErr;
}

int CHfcWindow::OnMacDispose(const HfcPlatformEvent&) {
    m_pFrame = nullptr;
    Forget(this);
    HfcForgetWindow(this);
    OnDestroy();
    OnPostDestroy();
    return kHfcNoErr;
}

int CHfcWindow::OnMacShown(const HfcPlatformEvent&) {
    return kHfcEventNotHandledErr;
}

int CHfcWindow::OnMacHidden(const HfcPlatformEvent&) {
    return kHfcEventNotHandledErr;
}

void CHfcWindow::OnDestroy() {
    RemoveAllLayers(false);
    MacUninstallDragEventHandler();
}

void CHfcWindow::OnPostDestroy() {
    if (m_bDeleteOnDispose) delete this;
}

void CHfcWindow::OnPlatformEvent(const HfcPlatformEvent& event) {
    if (HfcIsInputEvent(event.kind)) {
        // A modal window of ours above this one takes all input.
        if (HfcModalBlocksInput(this)) return;
        if (m_pFrame != nullptr && m_pFrame->GetKind() != HfcFrameKind::Popup) HfcNoteInputWindow(this);
        if (RunLoop* loop = RunLoop::Current()) loop->NotifyUserInput();
    }
    CHfcMouse* mouse = CHfcMouse::GetInstance();
    switch (event.kind) {
        case HfcEventKind::MouseDown:
            OnMacMouseDown(event);
            break;
        case HfcEventKind::MouseUp:
            OnMacMouseUp(event);
            break;
        case HfcEventKind::MouseMoved:
            OnMacMouseMoved(event);
            if (mouse != nullptr) mouse->OnMacMouseMoved2(event);
            break;
        case HfcEventKind::MouseDragged:
            OnMacMouseDragged(event);
            break;
        case HfcEventKind::MouseWheel:
            OnMacMouseWheelMoved(event);
            if (mouse != nullptr) mouse->OnMacMouseWheelMoved(event);
            break;
        case HfcEventKind::KeyDown:
            OnMacRawKeyDown(event);
            break;
        case HfcEventKind::KeyRepeat:
            OnMacRawKeyRepeat(event);
            break;
        case HfcEventKind::KeyUp:
            OnMacRawKeyUp(event);
            break;
        case HfcEventKind::Expose:
            OnMacDrawContent(event);
            break;
        case HfcEventKind::Activated:
            OnMacActivated(event);
            break;
        case HfcEventKind::Deactivated:
            OnMacDeactivated(event);
            break;
        case HfcEventKind::BoundsChanged:
            OnMacBoundsChanged(event);
            break;
        case HfcEventKind::Close:
            OnMacClose(event);
            break;
        case HfcEventKind::Destroyed:
            OnMacDispose(event);
            break;
        case HfcEventKind::Shown:
            OnMacShown(event);
            break;
        case HfcEventKind::Hidden:
            OnMacHidden(event);
            break;
    }
}

bool CHfcWindow::MacInstallDragEventHandler() {
    m_bDragHandlers = CHfcDrag::GetInstance() != nullptr;
    return m_bDragHandlers;
}

void CHfcWindow::MacUninstallDragEventHandler() {
    m_bDragHandlers = false;
}

int CHfcWindow::DeliverDrag(int kind, int rootX, int rootY, uint32_t modifiers,
                            const std::vector<FSRef>& files) {
    if (!m_bDragHandlers || kind < 2 || kind > 5) return 0;
    m_iDragResult = 0;
    const int mods = CHfcMouse::MacConvertDragModifiers(modifiers);
    CHfcDrag* drag = CHfcDrag::GetInstance();
    CHfcDragFlavor flavor;
    if (drag != nullptr) {
        flavor.Create(32, 32);
        flavor.m_iFromOutside = 1;
        for (size_t i = 0; i < files.size(); ++i) flavor.AddMacFSRef(&files[i], static_cast<int>(i) + 1);
    }
    int result = 0;
    switch (kind) {
        case 2:
            OnHfcDragTrackingEnterWindowGlobal(drag, &flavor, rootX, rootY, mods, &result);
            break;
        case 3:
            OnHfcDragTrackingInWindowGlobal(drag, &flavor, rootX, rootY, mods, &result);
            break;
        case 4:
            OnHfcDragTrackingLeaveWindowGlobal(drag);
            break;
        default:
            OnHfcDragReceiveGlobal(drag, &flavor, rootX, rootY, mods, &result);
            break;
    }
    m_iDragResult = result;
    CHfcMouse::SetCursorByIndex(result == 2 ? 1 : (result == 3 ? 2 : 0));
    return result;
}

bool CHfcWindow::OnHfcDragTrackingEnterWindowGlobal(CHfcDrag* drag, CHfcDragFlavor* flavor, int x, int y,
                                                    int modifiers, int* result) {
    for (size_t i = 0; i < m_layers.size(); ++i) {
        if (m_layers[i]->IsVisible() &&
            m_layers[i]->OnHfcDragTrackingEnterWindowGlobal(drag, flavor, x, y, modifiers, result)) {
            return true;
        }
    }
    tagHfcPoint p = {x, y};
    GlobalToLocal(&p);
    return OnHfcDragTrackingEnterWindow(drag, flavor, p.x, p.y, modifiers, result);
}

bool CHfcWindow::OnHfcDragTrackingInWindowGlobal(CHfcDrag* drag, CHfcDragFlavor* flavor, int x, int y,
                                                 int modifiers, int* result) {
    for (size_t i = 0; i < m_layers.size(); ++i) {
        if (m_layers[i]->IsVisible() &&
            m_layers[i]->OnHfcDragTrackingInWindowGlobal(drag, flavor, x, y, modifiers, result)) {
            return true;
        }
    }
    tagHfcPoint p = {x, y};
    GlobalToLocal(&p);
    return OnHfcDragTrackingInWindow(drag, flavor, p.x, p.y, modifiers, result);
}

bool CHfcWindow::OnHfcDragTrackingLeaveWindowGlobal(CHfcDrag* drag) {
    for (size_t i = 0; i < m_layers.size(); ++i) {
        if (m_layers[i]->IsVisible() && m_layers[i]->OnHfcDragTrackingLeaveWindowGlobal(drag)) return true;
    }
    return OnHfcDragTrackingLeaveWindow(drag);
}

bool CHfcWindow::OnHfcDragReceiveGlobal(CHfcDrag* drag, CHfcDragFlavor* flavor, int x, int y, int modifiers,
                                        int* result) {
    for (size_t i = 0; i < m_layers.size(); ++i) {
        if (m_layers[i]->IsVisible() &&
            m_layers[i]->OnHfcDragReceiveGlobal(drag, flavor, x, y, modifiers, result)) {
            return true;
        }
    }
    tagHfcPoint p = {x, y};
    GlobalToLocal(&p);
    return OnHfcDragReceive(drag, flavor, p.x, p.y, modifiers, result);
}
