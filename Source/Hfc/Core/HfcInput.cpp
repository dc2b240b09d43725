#include "Hfc/Core/HfcInput.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "Hfc/Core/HfcWindow.h"
#include "Hfc/Draw/HfcDrawContext.h"

namespace {
CHfcMouse* g_mouse = nullptr;
int g_mouseRefs = 0;
int g_cursorIndex = -1;
CHfcKey* g_key = nullptr;
int g_keyRefs = 0;
CHfcDrag* g_drag = nullptr;
int g_dragRefs = 0;
}  // namespace

CHfcMouse::CHfcMouse(bool appMode) : m_bAppMode(appMode) {}

CHfcMouse::~CHfcMouse() = default;

bool CHfcMouse::Initialize(bool appMode) {
    if (g_mouseRefs++ == 0) g_mouse = new CHfcMouse(appMode);
    return g_mouse != nullptr;
}

bool CHfcMouse::Uninitialize() {
    if (g_mouseRefs <= 0) return false;
    if (--g_mouseRefs > 0) return false;
    delete g_mouse;
    g_mouse = nullptr;
    return true;
}

CHfcMouse* CHfcMouse::GetInstance() {
    return g_mouse;
}

void CHfcMouse::SetCapture(CHfcMouseListener* listener, CHfcWindow*) {
    CHfcMouseListener* previous = m_pCapture;
    m_pCapture = listener;
    if (previous != nullptr) previous->OnHfcMouseLostCapture(this);
}

void CHfcMouse::ReleaseCapture() {
    CHfcMouseListener* holder = m_pCapture;
    if (holder == nullptr || m_bTellingLoss) return;
    // A holder that releases again from its own handler is told once; a capture it takes there stays.
    m_bTellingLoss = true;
    holder->OnHfcMouseLostCapture(this);
    m_bTellingLoss = false;
    if (m_pCapture == holder) m_pCapture = nullptr;
}

void CHfcMouse::OnLostCaptureBySystem() {
    ReleaseCapture();
}

void CHfcMouse::SetCursorByIndex(int index) {
    if (index < 0 || index >= 18) return;
    g_cursorIndex = index;
    if (IHfcPlatform* platform = HfcGetPlatform()) platform->SetCursor(index);
}

void CHfcMouse::SetCursorById(int id) {
    if (id >= 0 && id < 128) SetCursorByIndex(id);
}

int CHfcMouse::GetCursorIndex() {
    return g_cursorIndex;
}

void CHfcMouse::MacAddEventListener(CHfcMouseListener* listener) {
    m_lock.Lock();
    m_listeners.push_back(listener);
    m_lock.Unlock();
}

void CHfcMouse::MacRemoveEventListener(CHfcMouseListener* listener) {
    m_lock.Lock();
    auto it = std::find(m_listeners.begin(), m_listeners.end(), listener);
    if (it != m_listeners.end()) m_listeners.erase(it);
    m_lock.Unlock();
}

std::vector<CHfcMouseListener*> CHfcMouse::ListenersCopy() {
    m_lock.Lock();
    std::vector<CHfcMouseListener*> copy = m_listeners;
    m_lock.Unlock();
    return copy;
}

int CHfcMouse::MacConvertKeyModifiers(uint32_t m) {
    return static_cast<int>((((m >> 8) << 1) & 3) | ((m >> 9) & 1) | (((m >> 11) << 2) & 15));
}

int CHfcMouse::MacConvertDragModifiers(uint32_t m) {
    return static_cast<int>((((m >> 8) << 1) & 3) | ((m >> 9) & 1) | (((m >> 11) << 2) & 7));
}

int CHfcMouse::OnMacMouseDown(const HfcPlatformEvent&) {
    return kHfcEventNotHandledErr;
}

int CHfcMouse::OnMacMouseUp(const HfcPlatformEvent& event) {
    if (!m_bAppMode || m_pCapture == nullptr) return kHfcEventNotHandledErr;
    if (event.button == 1) {
        m_pCapture->OnHfcMouseLButtonUpGlobal(this, event.rootX, event.rootY,
                                              MacConvertKeyModifiers(event.modifiers));
    }
    return kHfcEventNotHandledErr;
}

int CHfcMouse::OnMacMouseMoved(const HfcPlatformEvent& event) {
    if (!m_bAppMode || m_pCapture == nullptr) return kHfcEventNotHandledErr;
    return m_pCapture->OnHfcMouseMoveGlobal(this, event.rootX, event.rootY,
                                            MacConvertKeyModifiers(event.modifiers))
               ? kHfcNoErr
               : kHfcEventNotHandledErr;
}

int CHfcMouse::OnMacMouseDragged(const HfcPlatformEvent& event) {
    if (!m_bAppMode || m_pCapture == nullptr) return kHfcEventNotHandledErr;
    m_pCapture->OnHfcMouseMoveGlobal(this, event.rootX, event.rootY, MacConvertKeyModifiers(event.modifiers));
    return kHfcEventNotHandledErr;
}

int CHfcMouse::OnMacMouseWheelMoved(const HfcPlatformEvent& event) {
    if (m_bAppMode) return kHfcEventNotHandledErr;
    // A copy: a listener may remove itself (or another) while the walk runs.
    for (CHfcMouseListener* listener : ListenersCopy()) {
        if (listener->OnHfcMouseMacMouseWheelMove(this, &event)) break;
    }
    return kHfcEventNotHandledErr;
}

int CHfcMouse::OnMacMouseMoved2(const HfcPlatformEvent& event) {
    if (m_bAppMode) return kHfcEventNotHandledErr;
    for (CHfcMouseListener* listener : ListenersCopy()) {
        if (listener->OnHfcMouseMacMouseMove(this, &event)) break;
    }
    return kHfcEventNotHandledErr;
}

bool CHfcKey::Initialize() {
    if (g_keyRefs++ == 0) g_key = new CHfcKey;
    return g_key != nullptr;
}

bool CHfcKey::Uninitialize() {
    if (g_keyRefs <= 0) return false;
    if (--g_keyRefs > 0) return false;
    delete g_key;
    g_key = nullptr;
    return true;
}

CHfcKey* CHfcKey::GetInstance() {
    return g_key;
}

bool CHfcKey::OnKeyDown(int a, int b) {
    return m_pListener != nullptr && m_pListener->OnHfcKeyDown(this, a, b);
}

bool CHfcKey::OnKeyUp(int a, int b) {
    return m_pListener != nullptr && m_pListener->OnHfcKeyUp(this, a, b);
}

bool CHfcKey::OnKeyChar(int a, int b) {
    return m_pListener != nullptr && m_pListener->OnHfcKeyChar(this, a, b);
}

void CHfcKey::OnKeyLostFocus() {
    CHfcKeyListener* listener = m_pListener;
    m_pListener = nullptr;
    m_iValue = 0;
    if (listener != nullptr) listener->OnHfcKeyLostFocus(this);
}

CHfcKeyFocus::CHfcKeyFocus(CHfcWindow* window) : m_pWindow(window) {}

CHfcKeyFocus::~CHfcKeyFocus() = default;

bool CHfcKeyFocus::SetFocus(CHfcKeyFocusListener* listener, CHfcWindow* window) {
    if (listener == nullptr || window == nullptr) return false;
    if (listener != m_pListener) {
        CHfcKeyFocusListener* previous = m_pListener;
        const bool told = m_bHasSystemFocus;
        // Cleared before the old listener hears of it: it may release or move the focus from there.
        m_pListener = nullptr;
        m_bHasSystemFocus = false;
        if (previous != nullptr && told) previous->OnHfcKeyLostFocus(this);
        m_pListener = listener;
        if (m_pWindow == nullptr || m_pWindow->GetFrame() == nullptr) return false;
    }
    SetSystemKeyFocus();
    return true;
}

void CHfcKeyFocus::SetSystemKeyFocus() {
    IHfcFrame* frame = m_pWindow != nullptr ? m_pWindow->GetFrame() : nullptr;
    if (frame == nullptr || m_pListener == nullptr) return;
    if (!frame->HasInputFocus()) frame->SetInputFocus();
    // A frame that has the focus already sends no new focus event: tell the listener now.
    if (frame->HasInputFocus()) OnFrameFocus(true);
}

bool CHfcKeyFocus::ReleaseFocus() {
    CHfcKeyFocusListener* listener = m_pListener;
    if (listener == nullptr) return false;
    m_pListener = nullptr;
    m_bHasSystemFocus = false;
    listener->OnHfcKeyLostFocus(this);
    // The keys belong to the host again once no field of ours wants them.
    IHfcFrame* frame = m_pWindow != nullptr ? m_pWindow->GetFrame() : nullptr;
    if (frame != nullptr && m_pListener == nullptr) frame->ReturnInputFocus();
    return true;
}

void CHfcKeyFocus::OnFrameFocus(bool focused) {
    if (m_pListener == nullptr || focused == m_bHasSystemFocus) return;
    m_bHasSystemFocus = focused;
    if (focused) {
        m_pListener->OnHfcKeySetFocus(this);
    } else {
        m_pListener->OnHfcKeyLostFocus(this);
    }
}

bool CHfcKeyFocus::OnRawKey(const HfcPlatformEvent& event) {
    CHfcKeyFocusListener* listener = m_pListener;
    if (listener == nullptr) return false;
    int ch = static_cast<signed char>(event.character);
    if (ch == 3) ch = 13;  // keypad Enter
    const int vkey = event.virtualKey;
    const int modifiers = CHfcMouse::MacConvertKeyModifiers(event.modifiers);
    bool handled = false;
    switch (event.kind) {
        case HfcEventKind::KeyDown:
            handled = listener->OnHfcKeyDown(this, ch, vkey, modifiers);
            break;
        case HfcEventKind::KeyRepeat:
            handled = listener->OnHfcKeyRepeat(this, ch, vkey, modifiers);
            break;
        case HfcEventKind::KeyUp:
            return listener->OnHfcKeyUp(this, ch, vkey, modifiers);
        default:
            return false;
    }
    // The listener may have let the focus go while handling the key.
    if (ch >= 32 && ch <= 126 && !event.shortcut && m_pListener == listener) {
        handled = listener->OnHfcKeyChar(this, ch) || handled;
    }
    return handled;
}

bool CHfcDrag::Initialize() {
    if (g_dragRefs++ == 0) g_drag = new CHfcDrag;
    return g_drag != nullptr;
}

bool CHfcDrag::Uninitialize() {
    if (g_dragRefs <= 0) return false;
    if (--g_dragRefs > 0) return false;
    delete g_drag;
    g_drag = nullptr;
    return true;
}

CHfcDrag* CHfcDrag::GetInstance() {
    return g_drag;
}

CHfcDragFlavor::CHfcDragFlavor() = default;

CHfcDragFlavor::~CHfcDragFlavor() {
    if (m_bCreated) Destroy();
}

bool CHfcDragFlavor::Create(int width, int height) {
    if (m_bCreated) return false;
    m_items.clear();
    m_pImage = new CHfcOffscreenContext(width, height);
    m_bCreated = true;
    return true;
}

bool CHfcDragFlavor::Destroy() {
    if (!m_bCreated) return false;
    m_items.clear();
    delete m_pImage;
    m_pImage = nullptr;
    m_bCreated = false;
    return true;
}

void CHfcDragFlavor::AddMacFSRef(const FSRef* ref, int index) {
    Item item{};
    item.type = HfcFourCC('F', 'I', 'L', 'E');
    if (ref != nullptr) item.ref = *ref;
    item.data = nullptr;
    item.size = static_cast<int>(sizeof(FSRef));
    item.index = index == -1 ? static_cast<int>(m_items.size()) : index;
    m_items.push_back(item);
    m_items.back().data = &m_items.back().ref;
}

void CHfcDragFlavor::AddData(uint32_t type, const void* data, int size, int index) {
    Item item{};
    item.type = type;
    item.data = data;
    item.size = size;
    item.index = index == -1 ? static_cast<int>(m_items.size()) : index;
    m_items.push_back(item);
}

void HfcKeysymToKey(unsigned long keysym, int* character, int* virtualKey) {
    int ch = 0, vk = 0;
    switch (keysym) {
        case 0xff08:
            ch = 8, vk = 8;
            break;  // BackSpace
        case 0xff0d:
            ch = 13, vk = 0;
            break;  // Return
        case 0xff8d:
            ch = 13, vk = 13;
            break;  // KP_Enter
        case 0xff1b:
            ch = 27, vk = 27;
            break;  // Escape
        case 0xff51:
            ch = 28, vk = 37;
            break;  // Left
        case 0xff53:
            ch = 29, vk = 39;
            break;  // Right
        case 0xff52:
            ch = 30, vk = 38;
            break;  // Up
        case 0xff54:
            ch = 31, vk = 40;
            break;    // Down
        case 0xffff:  // Delete
        case 0xff9f:
            ch = 127, vk = 46;
            break;  // KP_Delete
        case 0xff09:
            ch = 9, vk = 0;
            break;  // Tab
        default:
            if (keysym >= 0x20 && keysym <= 0x7e) ch = static_cast<int>(keysym);
            break;
    }
    if (character != nullptr) *character = ch;
    if (virtualKey != nullptr) *virtualKey = vk;
}

uint32_t HfcX11StateToMacModifiers(unsigned int state) {
    uint32_t m = 0;
    if (state & 0x01) m |= kHfcMacShiftKey;
    if (state & 0x04) m |= kHfcMacCmdKey;
    if (state & 0x08) m |= kHfcMacOptionKey;
    if (state & 0x40) m |= kHfcMacControlKey;
    return m;
}

int CHfcClickCounter::Press(uint32_t timeMs, int button, int rootX, int rootY) {
    const bool again = m_iCount > 0 && button == m_iButton && timeMs - m_uTime <= 30u * 17u &&
                       std::abs(rootX - m_iX) <= 4 && std::abs(rootY - m_iY) <= 4;
    m_iCount = again ? m_iCount + 1 : 1;
    m_uTime = timeMs;
    m_iButton = button;
    m_iX = rootX;
    m_iY = rootY;
    return m_iCount;
}
