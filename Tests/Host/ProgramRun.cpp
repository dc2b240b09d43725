#include "ProgramRun.h"

#include "Hfc/Draw/HfcBmp.h"

// Xlib last: its macros clash with the toolkit's names.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>

namespace ProgramRun {

namespace {
Display* D(void* display) {
    return static_cast<Display*>(display);
}
}  // namespace

XSession::XSession(const char* display) : m_display(XOpenDisplay(display)) {}

XSession::~XSession() {
    if (m_display != nullptr) XCloseDisplay(D(m_display));
}

unsigned long XSession::FindTopLevel(const char* title) const {
    Display* display = D(m_display);
    Window root = DefaultRootWindow(display), parent = 0, *children = nullptr;
    unsigned int count = 0;
    Window found = 0;
    if (!XQueryTree(display, root, &root, &parent, &children, &count)) return 0;
    for (unsigned int i = 0; i < count && found == 0; ++i) {
        char* name = nullptr;
        XWindowAttributes attributes{};
        if (XFetchName(display, children[i], &name) && name != nullptr) {
            if (std::string(name) == title && XGetWindowAttributes(display, children[i], &attributes) &&
                attributes.map_state == IsViewable) {
                found = children[i];
            }
            XFree(name);
        }
    }
    if (children != nullptr) XFree(children);
    return found;
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

}  // namespace ProgramRun
