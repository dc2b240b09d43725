#include "Hfc/Vst/HfcVstEditor.h"

#include <algorithm>

#include "Common/Plugin/AudioEffectX.h"
#include "Hfc/Base/HfcUtil.h"
#include "Hfc/Core/HfcControl.h"
#include "Hfc/Core/HfcInput.h"
#include "Hfc/Core/HfcModal.h"
#include "Hfc/Draw/HfcDrawContext.h"
#include "Hfc/X11/HfcX11.h"

int CHfcVstEditor::sm_iRefCount = 0;

namespace {
constexpr uint32_t kFirstTickMs = 166;  // 1/6 s
constexpr uint32_t kTickMs = 17;        // about 1/60 s

int16_t Cut16(int value) {
    return static_cast<int16_t>(value);
}
}  // namespace

CHfcVstEditor::CHfcVstEditor(AudioEffect* effect) : AEffEditor(effect) {
    // The host owns the window; this object is deleted with its effect, never by the dispose path.
    m_bDeleteOnDispose = false;
    ++sm_iRefCount;
}

CHfcVstEditor::~CHfcVstEditor() {
    close();
    // Deleted at the outermost level (the effect waits for it): a teardown still pending runs now.
    if (m_bTeardownPending) FinishClose();
    if (RunLoop* loop = RunLoop::Current()) loop->CancelOwner(this);
    --sm_iRefCount;
}

bool CHfcVstEditor::Initialize() {
    return CHfcDrag::Initialize();
}

bool CHfcVstEditor::Uninitialize() {
    return CHfcDrag::Uninitialize();
}

void CHfcVstEditor::GetDefaultWindowSize(long* width, long* height) {
    if (width != nullptr) *width = m_rcClient.right - m_rcClient.left;
    if (height != nullptr) *height = m_rcClient.bottom - m_rcClient.top;
}

bool CHfcVstEditor::getRect(ERect** rect) {
    m_rcHost.top = Cut16(m_rcClient.top);
    m_rcHost.left = Cut16(m_rcClient.left);
    m_rcHost.bottom = Cut16(m_rcClient.bottom);
    m_rcHost.right = Cut16(m_rcClient.right);
    if (rect != nullptr) *rect = &m_rcHost;
    return true;
}

bool CHfcVstEditor::open(void* window) {
    // A host that opens again without closing (it moved us to another window) gets a fresh window.
    if (GetFrame() != nullptr || systemWindow != nullptr) close();
    // A teardown still waiting for the outermost loop is done now, before new layers are made.
    if (m_bTeardownPending) FinishClose();
    if (window == nullptr) return false;
    // Our own connection, shared by every editor open in the process (and kept while any is).
    IHfcPlatform* installed = HfcGetPlatform();
    if (installed == nullptr || installed == HfcX11SharedPlatform()) {
        if (!HfcX11AcquirePlatform()) return false;
        m_bOwnsPlatform = true;
    }
    CHfcMouse::Initialize(false);
    CHfcKey::Initialize();
    m_bSingletons = true;
    long width = 0, height = 0;
    GetDefaultWindowSize(&width, &height);
    if (m_rcClient.right - m_rcClient.left <= 0 || m_rcClient.bottom - m_rcClient.top <= 0) {
        HfcSetRect(&m_rcClient, 0, 0, static_cast<int>(width), static_cast<int>(height));
    }
    HfcFrameParams params;
    params.kind = HfcFrameKind::Child;
    params.parentId = reinterpret_cast<uintptr_t>(window);
    params.x = m_rcClient.left;
    params.y = m_rcClient.top;
    params.width = m_rcClient.right - m_rcClient.left;
    params.height = m_rcClient.bottom - m_rcClient.top;
    if (!CreatePlatformFrame(params)) {
        // No window: nothing stays held.
        ReleaseHeld();
        return false;
    }
    systemWindow = window;
    m_bRealMotion = false;
    HfcNoteInputWindow(this);
    if (OnCreate()) {
        m_bOpen = true;
        if (CHfcMouse* mouse = CHfcMouse::GetInstance()) mouse->MacAddEventListener(this);
    }
    if (m_bInstallTimer) MacInstallIdleTimer();
    return true;
}

void CHfcVstEditor::close() {
    if (GetFrame() == nullptr && systemWindow == nullptr) return;
    // Every nested loop of ours ends (menus cancelled, boxes answered with their cancel, file dialogs
    // cancelled and ended, the progress loop broken); they return once this call is done.
    HfcModalAbortAll();
    m_bOpen = false;
    if (CHfcMouse* mouse = CHfcMouse::GetInstance()) {
        // The button's release can no longer reach us: a gesture under way ends as it would.
        mouse->OnLostCaptureBySystem();
        mouse->MacRemoveEventListener(this);
    }
    MacRemoveIdleTimer();
    ReleaseFocus(nullptr);
    // Our child goes now, and the server has seen it go before the host destroys its window.
    DropFrame();
    if (auto* x11 = HfcX11SharedPlatform()) x11->Sync();
    systemWindow = nullptr;
    ScheduleTeardown();
}

void CHfcVstEditor::ScheduleTeardown() {
    RunLoop* loop = RunLoop::Current();
    m_bTeardownPending = true;
    if (loop == nullptr || loop->NestingDepth() <= 1) {
        FinishClose();
        return;
    }
    // Handlers of our layers are still on the stack under the nested loop: wait until it is gone.
    loop->Post(this, [this] {
        if (!m_bTeardownPending) return;
        ScheduleTeardown();
    });
}

void CHfcVstEditor::FinishClose() {
    m_bTeardownPending = false;
    OnDestroy();
    ReleaseHeld();
}

void CHfcVstEditor::ReleaseHeld() {
    if (m_bSingletons) {
        m_bSingletons = false;
        CHfcKey::Uninitialize();
        CHfcMouse::Uninitialize();
    }
    if (m_bOwnsPlatform) {
        m_bOwnsPlatform = false;
        HfcX11ReleasePlatform();
    }
}

void CHfcVstEditor::MacIdle() {
    // A tick inside a nested loop opened by the tick itself is skipped: OnIdle is not re-entered.
    if (m_bInTick) {
        ++m_iSkippedTicks;
        return;
    }
    if (GetFrame() == nullptr) return;
    m_bInTick = true;
    ++m_iTicks;
    if (!m_bRealMotion) MacMouseMoveEmulate();
    OnIdle();
    m_bInTick = false;
}

bool CHfcVstEditor::MacInstallIdleTimer() {
    if (GetFrame() == nullptr || m_timer != 0) return false;
    RunLoop* loop = RunLoop::Current();
    if (loop == nullptr) return false;
    m_pTimerLoop = loop;
    m_timer = loop->AddTimer(this, kFirstTickMs, kTickMs, [this](RunLoop::TimerMessage) { MacIdle(); });
    return m_timer != 0;
}

void CHfcVstEditor::MacRemoveIdleTimer() {
    if (m_timer == 0) return;
    if (m_pTimerLoop != nullptr) m_pTimerLoop->RemoveTimer(m_timer);
    m_timer = 0;
    m_pTimerLoop = nullptr;
}

void CHfcVstEditor::idle() {
    if (!m_bIdleFromHost) {
        OnIdle();
        return;
    }
    // With the timer the host's idle has nothing to do.
    if (m_timer != 0 || GetFrame() == nullptr) return;
    if (m_bInMouse || m_bInTick) return;
    m_bInTick = true;
    if (!m_bRealMotion) MacMouseMoveEmulate();
    OnIdle();
    m_bInTick = false;
}

void CHfcVstEditor::MacMouseMoveEmulate() {
    CHfcMouse* mouse = CHfcMouse::GetInstance();
    IHfcPlatform* platform = HfcGetPlatform();
    if (GetFrame() == nullptr || mouse == nullptr || platform == nullptr || mouse->GetCapture() != nullptr)
        return;
    int rootX = 0, rootY = 0, buttons = 0;
    platform->GetPointer(&rootX, &rootY, &buttons);
    if (buttons != 0 && !m_bInMouse) return;
    int ox = 0, oy = 0;
    GetFrame()->GetRootOrigin(&ox, &oy);
    const int x = rootX - ox, y = rootY - oy;
    if (x < 0 || y < 0 || x >= GetFrame()->GetWidth() || y >= GetFrame()->GetHeight()) return;
    if (x == m_iLastPollX && y == m_iLastPollY) return;
    m_iLastPollX = x;
    m_iLastPollY = y;
    OnHfcMouseMove(mouse, x, y, mouse->m_iModifiers);
}

VstInt32 CHfcVstEditor::mouse(VstInt32 x, VstIntPtr yValue) {
    const int y = static_cast<int>(yValue);
    m_bActive = true;
    m_bInMouse = true;
    CHfcMouse* mouse = CHfcMouse::GetInstance();
    IHfcPlatform* platform = HfcGetPlatform();
    if (GetFrame() != nullptr && mouse != nullptr && platform != nullptr) {
        int rootX = 0, rootY = 0, buttons = 0;
        platform->GetPointer(&rootX, &rootY, &buttons);
        const int modifiers = mouse->m_iModifiers;
        // Control-click is the right button.
        int state = buttons & 1;
        if (state != 0 && (modifiers & 8) != 0) state = 2;
        CHfcMouseListener* capture = mouse->GetCapture();
        const uint32_t now = HfcGetSystemTimeMs();
        const bool twice = x == m_iLastDownX && y == m_iLastDownY && x == m_iLastPollX && y == m_iLastPollY &&
                           now - m_uLastDownTime < GetDblTime() * 17;
        tagHfcPoint global = {x, y};
        LocalToGlobal(&global);
        if (state == 1) {
            if (capture == nullptr) {
                (void)(twice ? OnHfcMouseLButtonDoubleClick(mouse, x, y, modifiers)
                             : OnHfcMouseLButtonDown(mouse, x, y, modifiers));
            } else {
                (void)(twice
                           ? capture->OnHfcMouseLButtonDoubleClickGlobal(mouse, global.x, global.y, modifiers)
                           : capture->OnHfcMouseLButtonDownGlobal(mouse, global.x, global.y, modifiers));
            }
        } else if (state == 2) {
            if (capture == nullptr) {
                (void)(twice ? OnHfcMouseRButtonDoubleClick(mouse, x, y, modifiers)
                             : OnHfcMouseRButtonDown(mouse, x, y, modifiers));
            } else {
                (void)(twice
                           ? capture->OnHfcMouseRButtonDoubleClickGlobal(mouse, global.x, global.y, modifiers)
                           : capture->OnHfcMouseRButtonDownGlobal(mouse, global.x, global.y, modifiers));
            }
        }
        m_uLastDownTime = now;
        if (state != 0) {
            // Track until the button goes up, polling the pointer at 1/60 s. The host is not asked
            // to idle meanwhile: one of its threads may be waiting for this one.
            RunLoop* loop = RunLoop::Current();
            int lastX = x, lastY = y;
            while (loop != nullptr && GetFrame() != nullptr) {
                int px = 0, py = 0, held = 0;
                platform->GetPointer(&px, &py, &held);
                if ((held & 1) == 0) break;
                if (!m_bInstallTimer) OnIdle();
                int ox = 0, oy = 0;
                GetFrame()->GetRootOrigin(&ox, &oy);
                if (px - ox != lastX || py - oy != lastY) {
                    lastX = px - ox;
                    lastY = py - oy;
                    CHfcMouseListener* holder = mouse->GetCapture();
                    if (holder == nullptr) {
                        OnHfcMouseMove(mouse, lastX, lastY, modifiers);
                    } else {
                        holder->OnHfcMouseMoveGlobal(mouse, px, py, modifiers);
                    }
                }
                loop->RunUntil([] { return false; }, 16);
                if (loop->IsQuitting()) break;
            }
            if (GetFrame() != nullptr) {
                CHfcMouseListener* holder = mouse->GetCapture();
                tagHfcPoint g = {lastX, lastY};
                LocalToGlobal(&g);
                if (holder == nullptr) {
                    (void)(state == 1 ? OnHfcMouseLButtonUp(mouse, lastX, lastY, modifiers)
                                      : OnHfcMouseRButtonUp(mouse, lastX, lastY, modifiers));
                } else {
                    (void)(state == 1 ? holder->OnHfcMouseLButtonUpGlobal(mouse, g.x, g.y, modifiers)
                                      : holder->OnHfcMouseRButtonUpGlobal(mouse, g.x, g.y, modifiers));
                }
                if (CHfcMouse* m = CHfcMouse::GetInstance()) m->ReleaseCapture();
            }
        }
    }
    m_bInMouse = false;
    m_iLastDownX = x;
    m_iLastDownY = y;
    return 1;
}

void CHfcVstEditor::top() {
    HfcDebugPrintf("CHfcVstEditor::top()");
    m_bActive = true;
}

void CHfcVstEditor::sleep() {
    HfcDebugPrintf("CHfcVstEditor::sleep()");
    m_bActive = false;
    if (CHfcMouse* mouse = CHfcMouse::GetInstance()) mouse->ReleaseCapture();
    if (CHfcKey* key = CHfcKey::GetInstance()) key->ReleaseFocus();
}

bool CHfcVstEditor::setKnobMode(VstInt32 mode) {
    CHfcControl::sm_iGlobalKnobMode = mode;
    return false;
}

void CHfcVstEditor::update() {
    if (GetFrame() != nullptr) Update(nullptr);
}

void CHfcVstEditor::draw(ERect*) {
    // The whole client area (the host's rectangle is not used).
    tagHfcRect client{};
    GetClientRect(&client);
    Update(&client);
}

void CHfcVstEditor::Update(const tagHfcRect* rect) {
    if (GetFrame() == nullptr) return;
    tagHfcRect client{};
    GetClientRect(&client);
    tagHfcRect r = rect != nullptr ? *rect : client;
    r.left = std::max(r.left, client.left);
    r.top = std::max(r.top, client.top);
    r.right = std::min(r.right, client.right);
    r.bottom = std::min(r.bottom, client.bottom);
    if (r.right <= r.left || r.bottom <= r.top) return;
    CHfcDrawContext context(GetFrame()->GetBackBuffer());
    OnUpdate(&context, &r);
    OnPostUpdate(&context, &r);
}

void CHfcVstEditor::GetClientRect(tagHfcRect* rect) {
    if (rect == nullptr) return;
    // The window's own coordinates: its top left is (0, 0).
    HfcSetRect(rect, 0, 0, m_rcClient.right - m_rcClient.left, m_rcClient.bottom - m_rcClient.top);
}

bool CHfcVstEditor::IsWindowActive() {
    return GetFrame() != nullptr && GetFrame()->HasInputFocus();
}

bool CHfcVstEditor::IsMouseOnWindow() {
    IHfcPlatform* platform = HfcGetPlatform();
    if (GetFrame() == nullptr || platform == nullptr) return false;
    int rootX = 0, rootY = 0, buttons = 0;
    platform->GetPointer(&rootX, &rootY, &buttons);
    int ox = 0, oy = 0;
    GetFrame()->GetRootOrigin(&ox, &oy);
    return rootX >= ox && rootY >= oy && rootX < ox + GetFrame()->GetWidth() &&
           rootY < oy + GetFrame()->GetHeight();
}

bool CHfcVstEditor::Resize(int width, int height, bool) {
    if (GetFrame() == nullptr || width <= 0 || height <= 0) return false;
    HfcSetRect(&m_rcClient, m_rcClient.left, m_rcClient.top, m_rcClient.left + width,
               m_rcClient.top + height);
    // The host's window is the host's to resize: asked here, queued while a host thread waits for us.
    if (auto* fx = dynamic_cast<AudioEffectX*>(effect)) fx->sizeWindow(width, height);
    GetFrame()->Resize(width, height);
    DrawLayers(false);
    return false;
}

bool CHfcVstEditor::OnHfcMouseMacMouseMove(CHfcMouse* mouse, const HfcPlatformEvent* event) {
    // What our own frame delivered has been routed already.
    if (event == m_pDelivering) return false;
    if (mouse == nullptr || event == nullptr || mouse->m_pWindow != this) return false;
    OnHfcMouseMoveGlobal(mouse, event->rootX, event->rootY,
                         CHfcMouse::MacConvertKeyModifiers(event->modifiers));
    return false;
}

bool CHfcVstEditor::OnHfcMouseMacMouseWheelMove(CHfcMouse* mouse, const HfcPlatformEvent* event) {
    if (event == m_pDelivering) return false;
    if (mouse == nullptr || event == nullptr || mouse->m_pWindow != this) return false;
    OnHfcMouseWheelMovedGlobal(mouse, event->rootX, event->rootY,
                               CHfcMouse::MacConvertKeyModifiers(event->modifiers), event->axis,
                               event->delta);
    return false;
}

void CHfcVstEditor::OnPlatformEvent(const HfcPlatformEvent& event) {
    if (event.kind == HfcEventKind::Destroyed) {
        // Our window went without close (the display connection broke): closed as the host would
        // close it, the effect and its link untouched; the next open makes a new window.
        // Closed from the loop: the connection that reports it is still taking its windows down.
        m_pFrame = nullptr;
        HfcForgetWindow(this);
        if (RunLoop* loop = RunLoop::Current()) {
            loop->Post(this, [this] { close(); });
        } else {
            close();
        }
        return;
    }
    if (event.kind == HfcEventKind::MouseMoved || event.kind == HfcEventKind::MouseDragged)
        m_bRealMotion = true;
    if (event.kind == HfcEventKind::MouseDown) m_bActive = true;
    const HfcPlatformEvent* outer = m_pDelivering;
    m_pDelivering = &event;
    CHfcWindow::OnPlatformEvent(event);
    m_pDelivering = outer;
}
