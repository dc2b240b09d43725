#pragma once
// Screenshots for the smoke tests on a private X server: what the server shows of a window, as
// opaque ARGB pixels, and how it compares with the headless render.
#include <memory>

#include "Hfc/Draw/HfcBmp.h"

// Xlib's event union is named otherwise here (ours has a class of that name).
#define XEvent XlibEvent
#include <X11/Xlib.h>
#include <X11/Xutil.h>

// The rectangle (x, y, width, height) of window as the server shows it now.
inline std::unique_ptr<CHfcBmp> HfcX11Grab(Display* display, Window window, int x, int y, int width,
                                           int height) {
    XImage* image = XGetImage(display, window, x, y, static_cast<unsigned>(width),
                              static_cast<unsigned>(height), AllPlanes, ZPixmap);
    if (image == nullptr) return nullptr;
    auto bmp = std::make_unique<CHfcBmp>();
    bmp->Create(width, height);
    for (int yy = 0; yy < height; ++yy)
        for (int xx = 0; xx < width; ++xx)
            bmp->SetPixel(xx, yy, 0xFF000000u | static_cast<uint32_t>(XGetPixel(image, xx, yy) & 0xFFFFFF));
    XDestroyImage(image);
    return bmp;
}

// A copy of the top left width x height of a bitmap.
inline std::unique_ptr<CHfcBmp> HfcCopyPixels(const CHfcBmp* source, int width, int height) {
    auto copy = std::make_unique<CHfcBmp>();
    copy->Create(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) copy->SetPixel(x, y, source->GetPixel(x, y));
    return copy;
}

// Pixels whose colour differs (alpha not counted) between two pictures of one size.
inline int HfcDifferentPixels(const CHfcBmp* a, const CHfcBmp* b) {
    int differ = 0;
    for (int y = 0; y < a->GetHeight(); ++y)
        for (int x = 0; x < a->GetWidth(); ++x)
            if ((a->GetPixel(x, y) & 0xFFFFFF) != (b->GetPixel(x, y) & 0xFFFFFF)) ++differ;
    return differ;
}
