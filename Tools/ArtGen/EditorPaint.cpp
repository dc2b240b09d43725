#include "EditorPaint.h"

#include <algorithm>
#include <cmath>

#include "EditorFonts.h"

namespace EditorPaint {

namespace {

double Channel(uint32_t argb, int shift) {
    return ((argb >> shift) & 0xFF) / 255.0;
}

}  // namespace

void SetColour(cairo_t* cr, uint32_t argb) {
    cairo_set_source_rgba(cr, Channel(argb, 16), Channel(argb, 8), Channel(argb, 0), Channel(argb, 24));
}

uint32_t Mix(uint32_t a, uint32_t b, double t) {
    uint32_t out = 0;
    for (int shift = 0; shift < 32; shift += 8) {
        const double v = ((a >> shift) & 0xFF) * (1 - t) + ((b >> shift) & 0xFF) * t;
        out |= static_cast<uint32_t>(std::lround(v)) << shift;
    }
    return out;
}

void Fill(cairo_t* cr, int x, int y, int w, int h, uint32_t argb) {
    if (w <= 0 || h <= 0) return;
    SetColour(cr, argb);
    cairo_rectangle(cr, x, y, w, h);
    cairo_fill(cr);
}

void Frame(cairo_t* cr, int x, int y, int w, int h, uint32_t argb) {
    Fill(cr, x, y, w, 1, argb);
    Fill(cr, x, y + h - 1, w, 1, argb);
    Fill(cr, x, y + 1, 1, h - 2, argb);
    Fill(cr, x + w - 1, y + 1, 1, h - 2, argb);
}

void Gradient(cairo_t* cr, int x, int y, int w, int h, uint32_t top, uint32_t bottom) {
    if (w <= 0 || h <= 0) return;
    // Row by row in whole steps, so the bytes do not depend on cairo's gradient dithering.
    for (int r = 0; r < h; ++r) Fill(cr, x, y + r, w, 1, Mix(top, bottom, h > 1 ? double(r) / (h - 1) : 0));
}

void Bevel(cairo_t* cr, int x, int y, int w, int h, bool raised, uint32_t light, uint32_t dark) {
    const uint32_t tl = raised ? light : dark;
    const uint32_t br = raised ? dark : light;
    Fill(cr, x, y, w - 1, 1, tl);
    Fill(cr, x, y + 1, 1, h - 2, tl);
    Fill(cr, x + 1, y + h - 1, w - 1, 1, br);
    Fill(cr, x + w - 1, y, 1, h - 1, br);
}

void Panel(cairo_t* cr, int x, int y, int w, int h) {
    Gradient(cr, x, y, w, h, kPanelTop, kPanelBottom);
    // Fine horizontal grain, every other row a touch lighter: the brushed look without noise.
    for (int r = 1; r < h - 1; r += 2) Fill(cr, x + 1, y + r, w - 2, 1, 0x06FFFFFF);
    Bevel(cr, x, y, w, h, true);
}

void RoundedRect(cairo_t* cr, double x, double y, double w, double h, double r) {
    cairo_new_sub_path(cr);
    cairo_arc(cr, x + w - r, y + r, r, -M_PI / 2, 0);
    cairo_arc(cr, x + w - r, y + h - r, r, 0, M_PI / 2);
    cairo_arc(cr, x + r, y + h - r, r, M_PI / 2, M_PI);
    cairo_arc(cr, x + r, y + r, r, M_PI, 3 * M_PI / 2);
    cairo_close_path(cr);
}

void Plate(cairo_t* cr, int x, int y, int w, int h, bool framed) {
    // Shadow edge, highlight edge, then the face, so corners stay crisp at 1 pixel.
    SetColour(cr, kShadow);
    RoundedRect(cr, x, y, w, h, 3);
    cairo_fill(cr);
    SetColour(cr, kPlateEdge);
    RoundedRect(cr, x, y, w - 1, h - 1, 3);
    cairo_fill(cr);
    cairo_save(cr);
    RoundedRect(cr, x + 1, y + 1, w - 2, h - 2, 2);
    cairo_clip(cr);
    Gradient(cr, x + 1, y + 1, w - 2, h - 2, Mix(kPlate, 0xFFFFFFFF, 0.03), Mix(kPlate, 0xFF000000, 0.12));
    cairo_restore(cr);
    if (framed) {
        cairo_set_line_width(cr, 1);
        SetColour(cr, 0x905A6FB8);
        RoundedRect(cr, x + 1.5, y + 1.5, w - 3, h - 3, 2);
        cairo_stroke(cr);
    }
}

void Well(cairo_t* cr, int x, int y, int w, int h) {
    Gradient(cr, x, y, w, h, 0xFF1B1D21, 0xFF141619);
    Bevel(cr, x, y, w, h, false, 0xFF2E3238, 0xFF08090A);
}

void Glass(cairo_t* cr, int x, int y, int w, int h, Accent tint) {
    const uint32_t glass = tint == Accent::Red ? 0xFF1A0B0C : kGlass;
    const uint32_t edge = tint == Accent::Red ? 0xFF3A1A1C : kGlassEdge;
    Fill(cr, x, y, w, h, glass);
    // Inner shadow: two darker rows and a darker column at the top left.
    Fill(cr, x + 1, y + 1, w - 2, 1, Mix(glass, 0xFF000000, 0.6));
    Fill(cr, x + 1, y + 2, w - 2, 1, Mix(glass, 0xFF000000, 0.3));
    Fill(cr, x + 1, y + 1, 1, h - 2, Mix(glass, 0xFF000000, 0.5));
    // A faint reflection in the upper half.
    if (h > 12) Fill(cr, x + 2, y + 3, w - 4, (h - 4) / 2 - 1, 0x08FFFFFF);
    Bevel(cr, x, y, w, h, false, 0xFF3A3F46, 0xFF050608);
    Frame(cr, x + 1, y + 1, w - 2, h - 2, edge);
    Fill(cr, x + 2, y + 2, w - 4, 1, Mix(glass, 0xFF000000, 0.5));
}

void Field(cairo_t* cr, int x, int y, int w, int h) {
    Fill(cr, x, y, w, h, kField);
    Fill(cr, x + 1, y + 1, w - 2, 1, 0xFF07090C);
    Bevel(cr, x, y, w, h, false, 0xFF353A42, 0xFF050607);
}

void Chevron(cairo_t* cr, int x, int y, int w, int h, uint32_t argb, bool up) {
    // A 5 x 3 pixel triangle, drawn as rows so it stays sharp.
    const int cx = x + w / 2;
    const int cy = y + (h - 3) / 2;
    for (int r = 0; r < 3; ++r) {
        const int half = up ? r : 2 - r;
        Fill(cr, cx - half, cy + r, 2 * half + 1, 1, argb);
    }
}

void Button(cairo_t* cr, int x, int y, int w, int h, bool on, Accent accent) {
    const uint32_t lit = accent == Accent::Red ? kRed : accent == Accent::Neutral ? 0xFF5A606A : kAccent;
    Fill(cr, x, y, w, h, kShadow);
    if (on) {
        Gradient(cr, x + 1, y + 1, w - 2, h - 2, Mix(lit, 0xFF000000, 0.45), Mix(lit, 0xFF000000, 0.15));
        Fill(cr, x + 1, y + 1, w - 2, 1, Mix(lit, 0xFF000000, 0.65));
        Bevel(cr, x, y, w, h, false, Mix(lit, 0xFFFFFFFF, 0.25), 0xFF050607);
    } else {
        Gradient(cr, x + 1, y + 1, w - 2, h - 2, 0xFF3A3E45, 0xFF25282D);
        Bevel(cr, x, y, w, h, true, 0xFF50555E, 0xFF0B0C0E);
    }
}

void Led(cairo_t* cr, double cx, double cy, double d, bool on, uint32_t colour) {
    const double r = d / 2;
    if (on) {
        cairo_pattern_t* glow = cairo_pattern_create_radial(cx, cy, 0, cx, cy, r + 2);
        cairo_pattern_add_color_stop_rgba(glow, 0, Channel(colour, 16), Channel(colour, 8),
                                          Channel(colour, 0), 0.5);
        cairo_pattern_add_color_stop_rgba(glow, 1, Channel(colour, 16), Channel(colour, 8),
                                          Channel(colour, 0), 0);
        cairo_set_source(cr, glow);
        cairo_arc(cr, cx, cy, r + 2, 0, 2 * M_PI);
        cairo_fill(cr);
        cairo_pattern_destroy(glow);
    }
    SetColour(cr, 0xFF050607);
    cairo_arc(cr, cx, cy, r, 0, 2 * M_PI);
    cairo_fill(cr);
    const uint32_t lens = on ? colour : Mix(colour, 0xFF101214, 0.8);
    cairo_pattern_t* p = cairo_pattern_create_radial(cx - r / 3, cy - r / 3, 0, cx, cy, r);
    const uint32_t hot = on ? Mix(colour, 0xFFFFFFFF, 0.6) : Mix(lens, 0xFFFFFFFF, 0.1);
    cairo_pattern_add_color_stop_rgb(p, 0, Channel(hot, 16), Channel(hot, 8), Channel(hot, 0));
    cairo_pattern_add_color_stop_rgb(p, 1, Channel(lens, 16), Channel(lens, 8), Channel(lens, 0));
    cairo_set_source(cr, p);
    cairo_arc(cr, cx, cy, r - 0.8, 0, 2 * M_PI);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
}

void Caption(cairo_t* cr, const std::string& font, int x, int y, int w, int h, const std::string& text,
             uint32_t argb) {
    EditorDrawTextCentred(cr, EditorStripNamed(font), x, y, w, h, text, argb);
}

void Text(cairo_t* cr, const std::string& font, int x, int y, const std::string& text, uint32_t argb) {
    EditorDrawText(cr, EditorStripNamed(font), x, y, text, argb);
}

int TextWidth(const std::string& font, const std::string& text) {
    return EditorTextWidth(EditorStripNamed(font), text);
}

}  // namespace EditorPaint
