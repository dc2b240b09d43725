#include "ProgramRun.h"

#include "Hfc/Draw/HfcBmp.h"
#include "StandaloneGallery.h"

// Xlib last: its macros clash with the toolkit's names.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/keysym.h>
#include <X11/extensions/XTest.h>

namespace ProgramRun {

namespace {
Display* D(void* display) {
    return static_cast<Display*>(display);
}
}  // namespace

XSession::XSession(const char* display) : m_display(XOpenDisplay(display)) {
    // A window can go between listing it and asking for its name: not an error of the test.
    XSetErrorHandler([](Display*, XErrorEvent*) { return 0; });
}

XSession::~XSession() {
    if (m_display != nullptr) XCloseDisplay(D(m_display));
}

std::vector<unsigned long> XSession::TopLevels(const char* title) const {
    Display* display = D(m_display);
    Window root = DefaultRootWindow(display), parent = 0, *children = nullptr;
    unsigned int count = 0;
    std::vector<unsigned long> found;
    if (!XQueryTree(display, root, &root, &parent, &children, &count)) return found;
    for (unsigned int i = 0; i < count; ++i) {
        char* name = nullptr;
        XWindowAttributes attributes{};
        if (XFetchName(display, children[i], &name) && name != nullptr) {
            if (std::string(name) == title && XGetWindowAttributes(display, children[i], &attributes) &&
                attributes.map_state == IsViewable) {
                found.push_back(children[i]);
            }
            XFree(name);
        }
    }
    if (children != nullptr) XFree(children);
    return found;
}

unsigned long XSession::FindTopLevel(const char* title) const {
    const std::vector<unsigned long> all = TopLevels(title);
    return all.empty() ? 0 : all.front();
}

unsigned long XSession::WaitForTopLevel(const char* title, int milliseconds) const {
    unsigned long found = 0;
    Eventually(
        [&] {
            found = FindTopLevel(title);
            return found != 0;
        },
        milliseconds);
    return found;
}

unsigned long XSession::WaitForAnother(const char* title, unsigned long besides, int milliseconds) const {
    unsigned long found = 0;
    Eventually(
        [&] {
            for (unsigned long window : TopLevels(title))
                if (window != besides) found = window;
            return found != 0;
        },
        milliseconds);
    return found;
}

bool XSession::PictureAndClose(unsigned long window, const char* name) const {
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    CHfcBmp shot;
    const bool pictured = Screenshot(window, &shot) && WriteStandaloneGallery(shot, name);
    Close(window);
    return pictured;
}

bool XSession::Size(unsigned long window, int* width, int* height) const {
    XWindowAttributes attributes{};
    if (!XGetWindowAttributes(D(m_display), window, &attributes)) return false;
    *width = attributes.width;
    *height = attributes.height;
    return true;
}

void XSession::Origin(unsigned long window, int* x, int* y) const {
    Window unused = 0;
    XTranslateCoordinates(D(m_display), window, DefaultRootWindow(D(m_display)), 0, 0, x, y, &unused);
}

bool XSession::Screenshot(unsigned long window, CHfcBmp* shot) const {
    int width = 0, height = 0;
    if (!Size(window, &width, &height)) return false;
    XImage* image = XGetImage(D(m_display), window, 0, 0, static_cast<unsigned>(width),
                              static_cast<unsigned>(height), AllPlanes, ZPixmap);
    if (image == nullptr) return false;
    shot->Create(width, height);
    for (int py = 0; py < height; ++py) {
        for (int px = 0; px < width; ++px) {
            shot->SetPixel(px, py, 0xFF000000u | static_cast<uint32_t>(XGetPixel(image, px, py) & 0xFFFFFF));
        }
    }
    XDestroyImage(image);
    return true;
}

void XSession::Close(unsigned long window) const {
    Display* display = D(m_display);
    XEvent close{};
    close.xclient.type = ClientMessage;
    close.xclient.window = window;
    close.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
    close.xclient.format = 32;
    close.xclient.data.l[0] = static_cast<long>(XInternAtom(display, "WM_DELETE_WINDOW", False));
    close.xclient.data.l[1] = CurrentTime;
    XSendEvent(display, window, False, NoEventMask, &close);
    XFlush(display);
}

void XSession::ClickAt(int x, int y) const {
    Display* display = D(m_display);
    XTestFakeMotionEvent(display, -1, x, y, 0);
    XTestFakeButtonEvent(display, 1, True, 0);
    XFlush(display);
    std::this_thread::sleep_for(std::chrono::milliseconds(60));
    XTestFakeButtonEvent(display, 1, False, 0);
    XFlush(display);
    std::this_thread::sleep_for(std::chrono::milliseconds(250));
}

void XSession::MoveTo(int x, int y) const {
    XTestFakeMotionEvent(D(m_display), -1, x, y, 0);
    XFlush(D(m_display));
    std::this_thread::sleep_for(std::chrono::milliseconds(60));
}

void XSession::Key(const char* keysym, bool control) const {
    Display* display = D(m_display);
    const KeyCode code = XKeysymToKeycode(display, XStringToKeysym(keysym));
    const KeyCode ctrl = XKeysymToKeycode(display, XK_Control_L);
    if (control) XTestFakeKeyEvent(display, ctrl, True, 0);
    XTestFakeKeyEvent(display, code, True, 0);
    XTestFakeKeyEvent(display, code, False, 0);
    if (control) XTestFakeKeyEvent(display, ctrl, False, 0);
    XFlush(display);
    std::this_thread::sleep_for(std::chrono::milliseconds(80));
}

}  // namespace ProgramRun
