// The standalone program's desktop icon, in the sizes a desktop's icon theme looks for: a graphite
// panel with the editor's accent knob over a short keyboard. Drawn as paths, so every size is sharp;
// written to DIR/icons/hicolor/<n>x<n>/apps/tolva-editor.png for the install rules (it is not
// compiled into the program).
#include <cairo.h>

#include <cmath>
#include <filesystem>
#include <string>

#include "ArtGen.h"
#include "EditorPaint.h"

namespace {

using namespace EditorPaint;

void LinearFill(cairo_t* cr, double y0, double y1, uint32_t top, uint32_t bottom) {
    cairo_pattern_t* p = cairo_pattern_create_linear(0, y0, 0, y1);
    const auto stop = [p](double at, uint32_t c) {
        cairo_pattern_add_color_stop_rgba(p, at, ((c >> 16) & 0xFF) / 255.0, ((c >> 8) & 0xFF) / 255.0,
                                          (c & 0xFF) / 255.0, ((c >> 24) & 0xFF) / 255.0);
    };
    stop(0, top);
    stop(1, bottom);
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
}

// Everything in a 64-unit square, scaled to the icon's size.
void DrawIcon(cairo_t* cr, int size) {
    cairo_scale(cr, size / 64.0, size / 64.0);
    // The panel.
    RoundedRect(cr, 2, 2, 60, 60, 9);
    LinearFill(cr, 2, 62, 0xFF31353C, kPanelBottom);
    RoundedRect(cr, 2.5, 2.5, 59, 59, 8.5);
    SetColour(cr, kPlateEdge);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    // The knob: a dark cap inside an accent ring lit over three quarters of its travel.
    const double cx = 32, cy = 24, r = 14;
    cairo_arc(cr, cx, cy, r, 0.75 * M_PI, 2.25 * M_PI);
    SetColour(cr, kGlassEdge);
    cairo_set_line_width(cr, 4);
    cairo_stroke(cr);
    cairo_arc(cr, cx, cy, r, 0.75 * M_PI, 1.85 * M_PI);
    SetColour(cr, kAccentLight);
    cairo_stroke(cr);
    cairo_arc(cr, cx, cy, r - 5, 0, 2 * M_PI);
    LinearFill(cr, cy - r, cy + r, kHighlight, kShadow);
    const double pointer = 1.85 * M_PI;
    cairo_move_to(cr, cx + std::cos(pointer) * 3, cy + std::sin(pointer) * 3);
    cairo_line_to(cr, cx + std::cos(pointer) * (r - 6), cy + std::sin(pointer) * (r - 6));
    SetColour(cr, kCaption);
    cairo_set_line_width(cr, 2);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_stroke(cr);
    // The keyboard: seven white keys with five black ones.
    const double kx = 9, ky = 43, kw = 46, kh = 14, white = kw / 7;
    RoundedRect(cr, kx - 1, ky - 1, kw + 2, kh + 2, 2);
    SetColour(cr, kShadow);
    cairo_fill(cr);
    for (int k = 0; k < 7; ++k) {
        cairo_rectangle(cr, kx + k * white + 0.4, ky, white - 0.8, kh);
        LinearFill(cr, ky, ky + kh, 0xFFF2F4F7, 0xFFC4C9D1);
    }
    for (int k : {0, 1, 3, 4, 5}) {
        cairo_rectangle(cr, kx + (k + 1) * white - white * 0.3, ky, white * 0.6, kh * 0.6);
        SetColour(cr, 0xFF15171A);
        cairo_fill(cr);
    }
}

void IconAfterwards(const char* outDir) {
    for (int size : {32, 48, 64, 128, 256}) {
        const std::string n = std::to_string(size);
        const std::string dir = std::string(outDir) + "/icons/hicolor/" + n + "x" + n + "/apps";
        std::error_code error;
        std::filesystem::create_directories(dir, error);
        cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, size, size);
        cairo_t* cr = cairo_create(surface);
        DrawIcon(cr, size);
        cairo_destroy(cr);
        cairo_surface_write_to_png(surface, (dir + "/tolva-editor.png").c_str());
        cairo_surface_destroy(surface);
    }
}

const bool g_registered = (ArtAfterwards().push_back(&IconAfterwards), true);

}  // namespace
