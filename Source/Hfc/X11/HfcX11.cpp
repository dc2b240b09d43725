#include "Hfc/X11/HfcX11.h"

#include "Hfc/Base/HfcUtil.h"
#include "Hfc/Core/HfcDialogs.h"
#include "Hfc/Core/HfcModal.h"
#include "Linux/RunLoop.h"

// Xlib's macros and its event union meet names of ours: take what we need before its headers, and
// give its union another name here.
namespace {
constexpr HfcEventKind kExposeEvent = HfcEventKind::Expose;
}
#define XEvent XlibEvent
#include <X11/XKBlib.h>
#include <X11/Xlib.h>
#include <X11/Xatom.h>
#include <X11/Xutil.h>
#include <X11/cursorfont.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>
#include <mutex>
#include <vector>

namespace {

// Every open connection of ours, for the chained error handler (any thread may get an error).
std::mutex g_errorLock;
std::map<Display*, CHfcX11Platform*> g_open;
XErrorHandler g_previous = nullptr;
XIOErrorHandler g_previousIO = nullptr;
bool g_installed = false;

constexpr long kEventMask = ExposureMask | ButtonPressMask | ButtonReleaseMask | PointerMotionMask |
                            KeyPressMask | KeyReleaseMask | FocusChangeMask | StructureNotifyMask |
                            EnterWindowMask | LeaveWindowMask;

// The theme cursors as core cursor-font shapes.
unsigned int ThemeCursorShape(int themeCursor) {
    static const unsigned int shapes[] = {
        XC_left_ptr, XC_plus,  XC_left_ptr, XC_left_ptr,  XC_xterm,      XC_crosshair,
        XC_plus,     XC_watch, XC_fleur,    XC_hand1,     XC_hand2,      XC_watch,
        XC_watch,    XC_watch, XC_X_cursor, XC_left_side, XC_right_side, XC_sb_h_double_arrow,
    };
    if (themeCursor < 0 || themeCursor >= static_cast<int>(sizeof(shapes) / sizeof(shapes[0])))
        return XC_left_ptr;
    return shapes[themeCursor];
}

int ShiftOf(unsigned long mask) {
    int shift = 0;
    while (mask != 0 && (mask & 1) == 0) {
        mask >>= 1;
        ++shift;
    }
    return shift;
}

// A visual's channel of an 8-bit value.
unsigned long Channel(unsigned long mask, uint32_t value8) {
    if (mask == 0) return 0;
    const int shift = ShiftOf(mask);
    const unsigned long max = mask >> shift;
    return ((value8 * max + 127) / 255) << shift;
}

int XlibErrorHandler(Display* display, XErrorEvent* error);
int XlibIOErrorHandler(Display* display);
void XlibIOErrorExit(Display* display, void* platform);

Visual* VisualOf(void* visual) {
    return static_cast<Visual*>(visual);
}

}  // namespace

// ---------------------------------------------------------------------------------------------------

CHfcX11Frame::CHfcX11Frame(CHfcX11Platform* platform, const HfcFrameParams& params, IHfcFrameClient* client)
    : m_pPlatform(platform), m_kind(params.kind), m_pClient(client), m_title(params.title) {
    Display* display = platform->m_pDisplay;
    const Window root = RootWindow(display, platform->m_iScreen);
    Window parent = root;
    Visual* visual = DefaultVisual(display, platform->m_iScreen);
    m_iDepth = DefaultDepth(display, platform->m_iScreen);
    Colormap colormap = DefaultColormap(display, platform->m_iScreen);
    if (params.kind == HfcFrameKind::Child) {
        // The host's window may be a stranger to the server for a moment (not flushed yet): sync
        // and look again a few times, never waiting long.
        XWindowAttributes attributes;
        const int errorsBefore = platform->m_iErrors;
        Status ok = 0;
        for (int attempt = 0; attempt < 3 && ok == 0; ++attempt) {
            ok = XGetWindowAttributes(display, static_cast<Window>(params.parentId), &attributes);
            if (ok == 0) XSync(display, False);
        }
        if (ok == 0 || platform->m_iErrors != errorsBefore || attributes.c_class != InputOutput) return;
        parent = static_cast<Window>(params.parentId);
        visual = attributes.visual;
        m_iDepth = attributes.depth;
        colormap = attributes.colormap;
        if (colormap == None) {
            colormap = XCreateColormap(display, root, visual, AllocNone);
        }
    }
    m_parent = parent;
    m_pVisual = visual;
    XSetWindowAttributes set{};
    set.background_pixmap = None;
    set.border_pixel = 0;
    set.colormap = colormap;
    set.event_mask = kEventMask;
    set.override_redirect = params.kind == HfcFrameKind::Popup ? True : False;
    const int errorsBefore = platform->m_iErrors;
    m_window =
        XCreateWindow(display, parent, params.x, params.y, static_cast<unsigned>(params.width),
                      static_cast<unsigned>(params.height), 0, m_iDepth, InputOutput, visual,
                      CWBackPixmap | CWBorderPixel | CWColormap | CWEventMask | CWOverrideRedirect, &set);
    XSync(display, False);
    if (m_window == 0 || platform->m_iErrors != errorsBefore) {
        if (m_window != 0) XDestroyWindow(display, m_window);
        m_window = 0;
        return;
    }
    m_gc = XCreateGC(display, m_window, 0, nullptr);
    if (params.kind != HfcFrameKind::Child) {
        XSetWMProtocols(display, m_window, &platform->m_wmDelete, 1);
        SetTitle(params.title.c_str());
        if (!params.resizable && params.kind != HfcFrameKind::Popup) {
            XSizeHints hints{};
            hints.flags = PMinSize | PMaxSize | PPosition;
            hints.x = params.x;
            hints.y = params.y;
            hints.min_width = hints.max_width = params.width;
            hints.min_height = hints.max_height = params.height;
            XSetWMNormalHints(display, m_window, &hints);
        }
    }
    if (params.kind == HfcFrameKind::Dialog) {
        // Transient for the top-level that holds the window it stands for.
        Window top = static_cast<Window>(params.parentId);
        while (top != 0) {
            Window rootReturn = 0, parentReturn = 0, *children = nullptr;
            unsigned int count = 0;
            if (XQueryTree(display, top, &rootReturn, &parentReturn, &children, &count) == 0) break;
            if (children != nullptr) XFree(children);
            if (parentReturn == rootReturn || parentReturn == 0) break;
            top = parentReturn;
        }
        if (top != 0) XSetTransientForHint(display, m_window, top);
        XChangeProperty(display, m_window, platform->m_wmType, XA_ATOM, 32, PropModeReplace,
                        reinterpret_cast<unsigned char*>(&platform->m_wmTypeDialog), 1);
        XChangeProperty(display, m_window, platform->m_wmState, XA_ATOM, 32, PropModeReplace,
                        reinterpret_cast<unsigned char*>(&platform->m_wmStateModal), 1);
    } else if (params.kind == HfcFrameKind::Popup) {
        XChangeProperty(display, m_window, platform->m_wmType, XA_ATOM, 32, PropModeReplace,
                        reinterpret_cast<unsigned char*>(&platform->m_wmTypeMenu), 1);
    }
    NewBackBuffer(params.width, params.height);
    // A child is shown with its parent.
    if (params.kind == HfcFrameKind::Child) {
        XMapWindow(display, m_window);
        m_bVisible = true;
    }
    XFlush(display);
}

CHfcX11Frame::~CHfcX11Frame() {
    Display* display = m_pPlatform->m_pDisplay;
    if (display == nullptr) return;
    if (m_pPlatform->m_bDead) {
        // Nothing reaches the server any more; only our memory is given back.
        if (m_gc != nullptr) XFreeGC(display, m_gc);
        return;
    }
    if (m_bGrabbed) UngrabInput();
    if (m_gc != nullptr) XFreeGC(display, m_gc);
    if (m_window != 0 && !m_bGone) XDestroyWindow(display, m_window);
    XSync(display, False);
}

void CHfcX11Frame::NewBackBuffer(int width, int height) {
    if (width <= 0 || height <= 0 || !m_back.Create(width, height)) {
        m_back.Destroy();
        return;
    }
    uint8_t* p = m_back.LockPixels();
    for (int i = 0; i < width * height; ++i) p[i * 4 + 3] = 255;  // opaque black
    m_back.UnlockPixels();
}

void CHfcX11Frame::Send(const HfcPlatformEvent& event) {
    if (m_pClient != nullptr) m_pClient->OnPlatformEvent(event);
}

void CHfcX11Frame::Show() {
    if (m_bVisible || m_window == 0 || m_bGone || !m_pPlatform->Live()) return;
    m_bVisible = true;
    XMapRaised(m_pPlatform->m_pDisplay, m_window);
    XFlush(m_pPlatform->m_pDisplay);
    HfcPlatformEvent shown;
    shown.kind = HfcEventKind::Shown;
    Send(shown);
}

void CHfcX11Frame::Hide() {
    if (!m_bVisible || m_window == 0) return;
    m_bVisible = false;
    if (m_bGrabbed) UngrabInput();
    if (!m_bGone && m_pPlatform->Live()) {
        XUnmapWindow(m_pPlatform->m_pDisplay, m_window);
        XFlush(m_pPlatform->m_pDisplay);
    }
    HfcPlatformEvent hidden;
    hidden.kind = HfcEventKind::Hidden;
    Send(hidden);
}

void CHfcX11Frame::SetTitle(const char* title) {
    m_title = title != nullptr ? title : "";
    if (m_window == 0 || m_bGone || m_kind == HfcFrameKind::Child || !m_pPlatform->Live()) return;
    XStoreName(m_pPlatform->m_pDisplay, m_window, m_title.c_str());
}

void CHfcX11Frame::GetRootOrigin(int* x, int* y) const {
    int ox = 0, oy = 0;
    if (m_window != 0 && !m_bGone && m_pPlatform->Live()) {
        Display* display = m_pPlatform->m_pDisplay;
        Window child = 0;
        XTranslateCoordinates(display, m_window, RootWindow(display, m_pPlatform->m_iScreen), 0, 0, &ox, &oy,
                              &child);
    }
    if (x != nullptr) *x = ox;
    if (y != nullptr) *y = oy;
}

void CHfcX11Frame::Move(int x, int y) {
    if (m_window == 0 || m_bGone || !m_pPlatform->Live()) return;
    XMoveWindow(m_pPlatform->m_pDisplay, m_window, x, y);
    XFlush(m_pPlatform->m_pDisplay);
}

void CHfcX11Frame::Resize(int width, int height) {
    NewBackBuffer(width, height);
    if (m_window == 0 || m_bGone || width <= 0 || height <= 0 || !m_pPlatform->Live()) return;
    XResizeWindow(m_pPlatform->m_pDisplay, m_window, static_cast<unsigned>(width),
                  static_cast<unsigned>(height));
    XFlush(m_pPlatform->m_pDisplay);
}

void CHfcX11Frame::Present(const tagHfcRect* rects, int count) {
    if (m_window == 0 || m_bGone || rects == nullptr || m_back.GetWidth() <= 0 || !m_pPlatform->Live())
        return;
    Display* display = m_pPlatform->m_pDisplay;
    const int width = m_back.GetWidth(), height = m_back.GetHeight();
    uint8_t* pixels = m_back.LockPixels();
    // Our pixels are 0xAARRGGBB words; a 24- or 32-bit TrueColor visual with the usual masks takes
    // them as they are (alpha is always 255 in the back buffer, so ARGB parents stay opaque).
    Visual* visual = VisualOf(m_pVisual);
    const bool direct = visual->c_class == TrueColor && (m_iDepth == 24 || m_iDepth == 32) &&
                        visual->red_mask == 0xFF0000 && visual->green_mask == 0xFF00 &&
                        visual->blue_mask == 0xFF;
    for (int i = 0; i < count; ++i) {
        const int left = std::max(0, rects[i].left), top = std::max(0, rects[i].top);
        const int right = std::min(width, rects[i].right), bottom = std::min(height, rects[i].bottom);
        if (right <= left || bottom <= top) continue;
        if (direct) {
            XImage* image = XCreateImage(display, visual, static_cast<unsigned>(m_iDepth), ZPixmap, 0,
                                         reinterpret_cast<char*>(pixels), static_cast<unsigned>(width),
                                         static_cast<unsigned>(height), 32, m_back.GetRowBytes());
            if (image == nullptr) continue;
            image->byte_order = LSBFirst;  // our words in memory
            XPutImage(display, m_window, m_gc, image, left, top, left, top,
                      static_cast<unsigned>(right - left), static_cast<unsigned>(bottom - top));
            image->data = nullptr;
            XDestroyImage(image);
        } else {
            // Any other visual: pixel by pixel through the visual's masks.
            XImage* image =
                XCreateImage(display, visual, static_cast<unsigned>(m_iDepth), ZPixmap, 0, nullptr,
                             static_cast<unsigned>(right - left), static_cast<unsigned>(bottom - top), 32, 0);
            if (image == nullptr) continue;
            image->data =
                static_cast<char*>(std::malloc(static_cast<size_t>(image->bytes_per_line) * image->height));
            if (image->data == nullptr) {
                XDestroyImage(image);
                continue;
            }
            for (int y = top; y < bottom; ++y) {
                for (int x = left; x < right; ++x) {
                    const uint32_t argb = m_back.GetPixel(x, y);
                    const unsigned long pixel = Channel(visual->red_mask, argb >> 16 & 0xFF) |
                                                Channel(visual->green_mask, argb >> 8 & 0xFF) |
                                                Channel(visual->blue_mask, argb & 0xFF);
                    XPutPixel(image, x - left, y - top, pixel);
                }
            }
            XPutImage(display, m_window, m_gc, image, 0, 0, left, top, static_cast<unsigned>(right - left),
                      static_cast<unsigned>(bottom - top));
            XDestroyImage(image);
        }
    }
    m_back.UnlockPixels();
    XFlush(display);
}

void CHfcX11Frame::SetCursor(int themeCursor) {
    if (m_window == 0 || m_bGone || !m_pPlatform->Live()) return;
    XDefineCursor(m_pPlatform->m_pDisplay, m_window, m_pPlatform->ThemeCursor(themeCursor));
    XFlush(m_pPlatform->m_pDisplay);
}

bool CHfcX11Frame::GrabInput() {
    if (m_window == 0 || m_bGone || !m_pPlatform->Live()) return false;
    Display* display = m_pPlatform->m_pDisplay;
    // Another program may hold a grab for a moment: try for about 100 ms.
    for (int attempt = 0; attempt < 10; ++attempt) {
        const int pointer = XGrabPointer(
            display, m_window, True,
            ButtonPressMask | ButtonReleaseMask | PointerMotionMask | EnterWindowMask | LeaveWindowMask,
            GrabModeAsync, GrabModeAsync, None, None, CurrentTime);
        if (pointer == GrabSuccess) {
            // Keys go to this frame even where another window of ours has the input focus (the
            // editor that opened a menu): owner events would hand them to that window instead.
            if (XGrabKeyboard(display, m_window, False, GrabModeAsync, GrabModeAsync, CurrentTime) ==
                GrabSuccess) {
                m_bGrabbed = true;
                XFlush(display);
                return true;
            }
            XUngrabPointer(display, CurrentTime);
        }
        usleep(10000);
    }
    XFlush(display);
    return false;
}

void CHfcX11Frame::UngrabInput() {
    if (!m_bGrabbed) return;
    m_bGrabbed = false;
    if (!m_pPlatform->Live()) return;
    Display* display = m_pPlatform->m_pDisplay;
    XUngrabKeyboard(display, CurrentTime);
    XUngrabPointer(display, CurrentTime);
    XFlush(display);
}

void CHfcX11Frame::SetInputFocus() {
    if (m_window == 0 || m_bGone || !m_bVisible || !m_pPlatform->Live()) return;
    Display* display = m_pPlatform->m_pDisplay;
    if (m_kind == HfcFrameKind::Child) {
        // Remembered to be given back: the host's window, whose keys we borrow.
        Window focus = 0;
        int revert = 0;
        XGetInputFocus(display, &focus, &revert);
        if (focus != m_window && focus != None && focus != PointerRoot) m_focusBefore = focus;
        if (m_focusBefore == 0) m_focusBefore = m_parent;
    }
    XSetInputFocus(display, m_window, RevertToParent, CurrentTime);
    XFlush(display);
}

void CHfcX11Frame::ReturnInputFocus() {
    const unsigned long before = m_focusBefore;
    m_focusBefore = 0;
    if (m_kind != HfcFrameKind::Child || before == 0 || m_window == 0 || m_bGone || !m_pPlatform->Live())
        return;
    Display* display = m_pPlatform->m_pDisplay;
    Window focus = 0;
    int revert = 0;
    XGetInputFocus(display, &focus, &revert);
    if (focus != m_window) return;  // someone else has it already
    const int errorsBefore = m_pPlatform->m_iErrors;
    XSetInputFocus(display, before, RevertToParent, CurrentTime);
    XSync(display, False);
    // That window went meanwhile (or cannot take the focus): the host's window we live in takes it.
    if (m_pPlatform->m_iErrors != errorsBefore && before != m_parent) {
        XSetInputFocus(display, m_parent, RevertToParent, CurrentTime);
        XSync(display, False);
    }
}

// ---------------------------------------------------------------------------------------------------

CHfcX11Platform::CHfcX11Platform() = default;

CHfcX11Platform::~CHfcX11Platform() {
    Close();
    if (HfcGetPlatform() == this) HfcSetPlatform(nullptr);
}

int CHfcX11Platform::OnXError(Display* display, void* raw) {
    const XErrorEvent* error = static_cast<const XErrorEvent*>(raw);
    XErrorHandler previous = nullptr;
    {
        std::lock_guard<std::mutex> lock(g_errorLock);
        auto it = g_open.find(display);
        if (it != g_open.end()) {
            ++it->second->m_iErrors;
            it->second->m_iLastError = error->error_code;
            return 0;
        }
        previous = g_previous;
    }
    return previous != nullptr ? previous(display, static_cast<XErrorEvent*>(raw)) : 0;
}

int CHfcX11Platform::OnXIOError(Display* display) {
    XIOErrorHandler previous = nullptr;
    {
        std::lock_guard<std::mutex> lock(g_errorLock);
        // Returning hands over to the connection's exit handler, which marks it dead.
        if (g_open.count(display) != 0) return 0;
        previous = g_previousIO;
    }
    return previous != nullptr ? previous(display) : 0;
}

void CHfcX11Platform::MarkDead() {
    if (m_bDead) return;
    m_bDead = true;
    // Taken down from the loop, not inside the request that found the break.
    if (m_pLoop != nullptr) m_pLoop->Post(this, [this] { DropDeadConnection(); });
}

void CHfcX11Platform::DropDeadConnection() {
    if (m_pDisplay == nullptr || !m_bDead) return;
    if (m_pLoop != nullptr) {
        m_pLoop->SetFdSource(-1, nullptr);
        m_pLoop->CancelOwner(this);
    }
    m_pLoop = nullptr;
    // Every nested loop of ours ends, then each window goes as if its owner closed it.
    HfcModalAbortAll();
    while (!m_frames.empty()) DestroyFrame(m_frames.begin()->second);
    m_cursors.clear();
    m_pressedKeys.clear();
    m_iButtons = 0;
    XCloseDisplay(m_pDisplay);  // only frees our side: the broken connection sends nothing
    {
        std::lock_guard<std::mutex> lock(g_errorLock);
        g_open.erase(m_pDisplay);
    }
    m_pDisplay = nullptr;
    m_bDead = false;
}

bool CHfcX11Platform::Open(const char* displayName) {
    if (m_pDisplay != nullptr) return !m_bDead;
    RunLoop* loop = RunLoop::Current();
    if (loop == nullptr) return false;
    Display* display = XOpenDisplay(displayName);
    if (display == nullptr) return false;
    {
        std::lock_guard<std::mutex> lock(g_errorLock);
        if (!g_installed) {
            g_previous = XSetErrorHandler(&XlibErrorHandler);
            g_previousIO = XSetIOErrorHandler(&XlibIOErrorHandler);
            g_installed = true;
        }
        g_open[display] = this;
    }
    // Xlib's own exit on a broken connection would end the host.
    XSetIOErrorExitHandler(display, &XlibIOErrorExit, this);
    m_pDisplay = display;
    m_bDead = false;
    m_pLoop = loop;
    m_iScreen = DefaultScreen(display);
    m_wmDelete = XInternAtom(display, "WM_DELETE_WINDOW", False);
    m_wmProtocols = XInternAtom(display, "WM_PROTOCOLS", False);
    m_wmType = XInternAtom(display, "_NET_WM_WINDOW_TYPE", False);
    m_wmTypeDialog = XInternAtom(display, "_NET_WM_WINDOW_TYPE_DIALOG", False);
    m_wmTypeMenu = XInternAtom(display, "_NET_WM_WINDOW_TYPE_POPUP_MENU", False);
    m_wmState = XInternAtom(display, "_NET_WM_STATE", False);
    m_wmStateModal = XInternAtom(display, "_NET_WM_STATE_MODAL", False);
    Bool detectable = False;
    XkbSetDetectableAutoRepeat(display, True, &detectable);
    loop->SetFdSource(ConnectionNumber(display), [this] { return Dispatch(); });
    return true;
}

void CHfcX11Platform::Close() {
    if (m_pDisplay == nullptr) return;
    if (m_bDead) {
        DropDeadConnection();
        return;
    }
    if (m_pLoop != nullptr) m_pLoop->CancelOwner(this);
    m_pLoop = nullptr;
    while (!m_frames.empty()) DestroyFrame(m_frames.begin()->second);
    for (const auto& [shape, cursor] : m_cursors) XFreeCursor(m_pDisplay, cursor);
    m_cursors.clear();
    if (RunLoop* loop = RunLoop::Current()) loop->SetFdSource(-1, nullptr);
    XSync(m_pDisplay, False);
    XCloseDisplay(m_pDisplay);
    std::lock_guard<std::mutex> lock(g_errorLock);
    g_open.erase(m_pDisplay);
    // The handler stays chained: another library may have installed its own over ours since, and
    // ours passes every stranger's error on.
    m_pDisplay = nullptr;
}

void CHfcX11Platform::Install() {
    HfcSetPlatform(this);
}

IHfcFrame* CHfcX11Platform::CreateFrame(const HfcFrameParams& params, IHfcFrameClient* client) {
    if (!Live() || params.width <= 0 || params.height <= 0) return nullptr;
    auto frame = std::make_unique<CHfcX11Frame>(this, params, client);
    if (!frame->IsValid()) return nullptr;
    CHfcX11Frame* raw = frame.release();
    m_frames[raw->m_window] = raw;
    return raw;
}

void CHfcX11Platform::DestroyFrame(IHfcFrame* frame) {
    auto it =
        std::find_if(m_frames.begin(), m_frames.end(), [frame](const auto& f) { return f.second == frame; });
    if (it == m_frames.end()) return;
    std::unique_ptr<CHfcX11Frame> owned(it->second);
    m_frames.erase(it);
    IHfcFrameClient* client = owned->m_pClient;
    owned->m_pClient = nullptr;
    owned.reset();  // destroys the window and syncs
    if (client != nullptr) {
        HfcPlatformEvent gone;
        gone.kind = HfcEventKind::Destroyed;
        client->OnPlatformEvent(gone);
    }
}

void CHfcX11Platform::DetachClient(IHfcFrame* frame) {
    for (auto& [window, f] : m_frames) {
        if (f == frame) f->m_pClient = nullptr;
    }
}

void CHfcX11Platform::GetScreenSize(int* width, int* height) const {
    if (width != nullptr) *width = m_pDisplay != nullptr ? DisplayWidth(m_pDisplay, m_iScreen) : 0;
    if (height != nullptr) *height = m_pDisplay != nullptr ? DisplayHeight(m_pDisplay, m_iScreen) : 0;
}

void CHfcX11Platform::GetPointer(int* rootX, int* rootY, int* buttons) const {
    int x = 0, y = 0, held = 0;
    if (Live()) {
        Window root = 0, child = 0;
        int wx = 0, wy = 0;
        unsigned int mask = 0;
        if (XQueryPointer(m_pDisplay, RootWindow(m_pDisplay, m_iScreen), &root, &child, &x, &y, &wx, &wy,
                          &mask)) {
            if (mask & Button1Mask) held |= 1;
            if (mask & Button3Mask) held |= 2;
            if (mask & Button2Mask) held |= 4;
        }
    }
    if (rootX != nullptr) *rootX = x;
    if (rootY != nullptr) *rootY = y;
    if (buttons != nullptr) *buttons = held;
}

unsigned long CHfcX11Platform::ThemeCursor(int themeCursor) {
    const unsigned int shape = ThemeCursorShape(themeCursor);
    auto it = m_cursors.find(static_cast<int>(shape));
    if (it != m_cursors.end()) return it->second;
    const Cursor cursor = XCreateFontCursor(m_pDisplay, shape);
    m_cursors[static_cast<int>(shape)] = cursor;
    return cursor;
}

void CHfcX11Platform::SetCursor(int themeCursor) {
    if (!Live()) return;
    for (const auto& [window, frame] : m_frames) frame->SetCursor(themeCursor);
}

void CHfcX11Platform::Sync() {
    if (Live()) XSync(m_pDisplay, False);
}

CHfcX11Frame* CHfcX11Platform::Find(unsigned long window) const {
    auto it = m_frames.find(window);
    return it != m_frames.end() ? it->second : nullptr;
}

bool CHfcX11Platform::Dispatch() {
    if (m_pDisplay == nullptr) return false;
    bool handled = false;
    while (Live() && XPending(m_pDisplay) > 0) {
        XlibEvent event;
        XNextEvent(m_pDisplay, &event);
        // Only the last of a run of motions on one window matters.
        if (event.type == MotionNotify) {
            XlibEvent next;
            while (Live() && XPending(m_pDisplay) > 0) {
                XPeekEvent(m_pDisplay, &next);
                if (next.type != MotionNotify || next.xmotion.window != event.xmotion.window) break;
                XNextEvent(m_pDisplay, &event);
            }
        }
        Translate(&event);
        handled = true;
    }
    // A broken connection is dropped by the work MarkDead posted (not from inside this source).
    return handled || m_bDead;
}

void CHfcX11Platform::Translate(const void* raw) {
    const XlibEvent& xe = *static_cast<const XlibEvent*>(raw);
    CHfcX11Frame* frame = Find(xe.xany.window);
    if (frame == nullptr) return;
    HfcPlatformEvent e;
    e.time = HfcGetSystemTimeMs();
    switch (xe.type) {
        case Expose:
            if (xe.xexpose.count != 0) return;
            e.kind = kExposeEvent;
            break;
        case ButtonPress:
        case ButtonRelease: {
            const unsigned int b = xe.xbutton.button;
            e.x = xe.xbutton.x;
            e.y = xe.xbutton.y;
            e.rootX = xe.xbutton.x_root;
            e.rootY = xe.xbutton.y_root;
            e.modifiers = HfcX11StateToMacModifiers(xe.xbutton.state);
            if (b >= 4 && b <= 7) {
                if (xe.type == ButtonRelease) return;
                e.kind = HfcEventKind::MouseWheel;
                e.axis = b <= 5 ? 1 : 0;
                e.delta = (b == 4 || b == 6) ? 1 : -1;
                break;
            }
            e.button = b == 1 ? 1 : (b == 3 ? 2 : (b == 2 ? 3 : 0));
            if (e.button == 0) return;
            const int bit = 1 << (e.button - 1);
            if (xe.type == ButtonPress) {
                e.kind = HfcEventKind::MouseDown;
                m_iButtons |= bit;
                e.clickCount = m_clicks.Press(e.time, e.button, e.rootX, e.rootY);
            } else {
                e.kind = HfcEventKind::MouseUp;
                m_iButtons &= ~bit;
                e.clickCount = 1;
            }
            break;
        }
        case MotionNotify:
            e.kind = (xe.xmotion.state & (Button1Mask | Button2Mask | Button3Mask)) != 0
                         ? HfcEventKind::MouseDragged
                         : HfcEventKind::MouseMoved;
            e.x = xe.xmotion.x;
            e.y = xe.xmotion.y;
            e.rootX = xe.xmotion.x_root;
            e.rootY = xe.xmotion.y_root;
            e.modifiers = HfcX11StateToMacModifiers(xe.xmotion.state);
            break;
        case KeyPress:
        case KeyRelease: {
            char text[8];
            KeySym keysym = 0;
            XKeyEvent key = xe.xkey;
            XLookupString(&key, text, sizeof(text), &keysym, nullptr);
            HfcKeysymToKey(keysym, &e.character, &e.virtualKey);
            if (e.character == 0 && e.virtualKey == 0) return;  // modifiers and keys we do not use
            e.modifiers = HfcX11StateToMacModifiers(xe.xkey.state);
            e.shortcut = (xe.xkey.state & (ControlMask | Mod1Mask | Mod4Mask)) != 0;
            e.x = xe.xkey.x;
            e.y = xe.xkey.y;
            e.rootX = xe.xkey.x_root;
            e.rootY = xe.xkey.y_root;
            if (xe.type == KeyRelease) {
                e.kind = HfcEventKind::KeyUp;
                m_pressedKeys.erase(xe.xkey.keycode);
            } else {
                e.kind = m_pressedKeys.count(xe.xkey.keycode) != 0 ? HfcEventKind::KeyRepeat
                                                                   : HfcEventKind::KeyDown;
                m_pressedKeys.insert(xe.xkey.keycode);
            }
            break;
        }
        case FocusIn:
        case FocusOut:
            // Our own grabs (menus) do not end a text edit; pointer focus is not keyboard focus.
            if (xe.xfocus.mode == NotifyGrab || xe.xfocus.mode == NotifyUngrab) return;
            if (xe.xfocus.detail == NotifyPointer || xe.xfocus.detail == NotifyInferior) return;
            if ((xe.type == FocusIn) == frame->m_bFocused) return;
            frame->m_bFocused = xe.type == FocusIn;
            e.kind = frame->m_bFocused ? HfcEventKind::Activated : HfcEventKind::Deactivated;
            if (!frame->m_bFocused) m_pressedKeys.clear();
            break;
        case ConfigureNotify:
            if (xe.xconfigure.width == frame->GetWidth() && xe.xconfigure.height == frame->GetHeight())
                return;
            // Resized by someone else (the host resizing our child, a window manager): the buffer
            // follows the window, and what it shows is drawn again.
            frame->NewBackBuffer(xe.xconfigure.width, xe.xconfigure.height);
            e.kind = HfcEventKind::BoundsChanged;
            e.x = xe.xconfigure.x;
            e.y = xe.xconfigure.y;
            e.width = xe.xconfigure.width;
            e.height = xe.xconfigure.height;
            frame->Send(e);
            if (Find(xe.xany.window) == frame) {
                HfcPlatformEvent expose;
                expose.kind = kExposeEvent;
                expose.time = e.time;
                frame->Send(expose);
            }
            // A client may draw less than the window (the editor draws its own size): all of the
            // new buffer is shown, what the client drew and the black around it.
            if (Find(xe.xany.window) == frame) {
                tagHfcRect all{};
                HfcSetRect(&all, 0, 0, frame->GetWidth(), frame->GetHeight());
                frame->Present(&all, 1);
            }
            return;
        case ClientMessage:
            if (xe.xclient.message_type != m_wmProtocols ||
                static_cast<Atom>(xe.xclient.data.l[0]) != m_wmDelete)
                return;
            e.kind = HfcEventKind::Close;
            break;
        case LeaveNotify: {
            // The server ended the button's grab before its release (our window went unviewable:
            // the host hid it): the release will never reach us, so the gesture ends now.
            if (m_iButtons == 0 || frame->m_kind == HfcFrameKind::Popup) return;
            bool grabEnded = xe.xcrossing.mode == NotifyUngrab;
            if (!grabEnded) {
                XWindowAttributes attributes;
                grabEnded = XGetWindowAttributes(m_pDisplay, frame->m_window, &attributes) != 0 &&
                            attributes.map_state != IsViewable;
            }
            if (grabEnded) {
                m_iButtons = 0;
                if (CHfcMouse* mouse = CHfcMouse::GetInstance()) mouse->OnLostCaptureBySystem();
            }
            return;
        }
        case DestroyNotify:
            // The server took the window down with its parent (the host closed its window first).
            if (xe.xdestroywindow.window != frame->m_window) return;
            frame->m_bGone = true;
            return;
        default:
            return;
    }
    frame->Send(e);
}

namespace {
int XlibErrorHandler(Display* display, XErrorEvent* error) {
    return CHfcX11Platform::OnXError(display, error);
}
int XlibIOErrorHandler(Display* display) {
    return CHfcX11Platform::OnXIOError(display);
}
void XlibIOErrorExit(Display*, void* platform) {
    static_cast<CHfcX11Platform*>(platform)->MarkDead();
}
}  // namespace

namespace {
CHfcX11Platform* g_shared = nullptr;
int g_sharedUsers = 0;
}  // namespace

bool HfcX11AcquirePlatform() {
    if (g_shared != nullptr) {
        // A connection that broke was dropped with every window on it: this open makes a new one.
        if (!g_shared->IsOpen() && !g_shared->Open()) return false;
        ++g_sharedUsers;
        return true;
    }
    auto platform = std::make_unique<CHfcX11Platform>();
    if (!platform->Open()) return false;
    g_shared = platform.release();
    g_sharedUsers = 1;
    g_shared->Install();
    HfcInstallToolkitWindows();
    return true;
}

void HfcX11ReleasePlatform() {
    if (g_shared == nullptr || --g_sharedUsers > 0) return;
    HfcUninstallToolkitWindows();
    delete g_shared;  // closes the connection and uninstalls itself
    g_shared = nullptr;
}

CHfcX11Platform* HfcX11SharedPlatform() {
    return g_shared;
}
