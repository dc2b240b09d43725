// Every named image of the editor (the catalogue in Common/Controls/ArtCatalogue.h), drawn in the
// look of EditorPaint. One draw function per family; the family and its details are chosen by name.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

#include "ArtGen.h"
#include "Common/Controls/ArtCatalogue.h"
#include "Common/Controls/ArtGeometry.h"
#include "EditorPaint.h"

namespace {

namespace G = ArtGeometry;
using namespace EditorPaint;

bool StartsWith(const std::string& s, const char* prefix) {
    return s.rfind(prefix, 0) == 0;
}

// Tiny 3 x 5 digits for lamps, point labels and scales.
const char* const kDigits[10] = {"111101101101111", "010110010010111", "111001111100111", "111001111001111",
                                 "101101111001001", "111100111001111", "111100111101111", "111001010010010",
                                 "111101111101111", "111101111001111"};

void Digit(cairo_t* cr, int x, int y, int d, uint32_t colour) {
    for (int r = 0; r < 5; ++r) {
        for (int c = 0; c < 3; ++c) {
            if (kDigits[d][r * 3 + c] == '1') Fill(cr, x + c, y + r, 1, 1, colour);
        }
    }
}

void Number(cairo_t* cr, int x, int y, const std::string& digits, uint32_t colour) {
    for (size_t i = 0; i < digits.size(); ++i)
        Digit(cr, x + static_cast<int>(i) * 4, y, digits[i] - '0', colour);
}

int NumberWidth(const std::string& digits) {
    return static_cast<int>(digits.size()) * 4 - 1;
}

// Caption in the bold font when it fits, else in the smaller regular one.
void FitCaption(cairo_t* cr, int x, int y, int w, int h, const std::string& text, uint32_t colour,
                const char* font = "FontHelvB11") {
    const char* use = TextWidth(font, text) <= w - 2 ? font : "FontGeneva10";
    if (TextWidth(use, text) > w - 2) use = "FontGeneva9";
    Caption(cr, use, x, y, w, h, text, colour);
}

// ---- Backgrounds -------------------------------------------------------------------------------

void Engrave(cairo_t* cr, int x, int y, const std::string& text) {
    Text(cr, "FontGeneva9", x, y + 1, text, 0xFF08090A);
    Text(cr, "FontGeneva9", x, y, text, kCaptionDim);
}

void DrawBase(cairo_t* cr, int w, int h) {
    Panel(cr, 0, 0, w, h);
    // Mode switches.
    Well(cr, 10, 5, 108, 72);
    // Sound display glass.
    Glass(cr, 120, 6, 390, 70);
    Engrave(cr, 126, 44, "");
    Text(cr, "FontGeneva9", 126, 44, "SW1", kCaptionDim);
    Text(cr, "FontGeneva9", 126, 56, "SW2", kCaptionDim);
    Text(cr, "FontGeneva9", 234, 45, "Knob1B", kCaptionDim);
    Text(cr, "FontGeneva9", 234, 57, "Knob2B", kCaptionDim);
    Text(cr, "FontGeneva9", 311, 45, "Knob3B", kCaptionDim);
    Text(cr, "FontGeneva9", 311, 57, "Knob4B", kCaptionDim);
    // The tempo field sits at (388, 55), right of the last column line: its label goes above it.
    Text(cr, "FontGeneva9", 388, 44, "Tempo:", kCaptionDim);
    Fill(cr, 124, 39, 382, 1, 0xFF1B2A36);
    // Realtime controls.
    Well(cr, 512, 5, 300, 72);
    Fill(cr, 568, 10, 1, 62, 0xFF0B0C0E);
    Fill(cr, 569, 10, 1, 62, 0xFF2E3238);
    // Pages and browsers sit on a darker floor.
    Well(cr, 2, 80, w - 4, 449);
    // Keyboard row: wheel slots and the keyboard's bed.
    Well(cr, 86, 534, 44, 64);
    Fill(cr, G::kCtlKeyboardX - 2, G::kCtlKeyboardY - 1, G::kCtlKeyboardWidth + 4, G::kCtlKeyboardHeight + 3,
         0xFF050607);
    Engrave(cr, 90, 587, "");
}

void DrawPage(cairo_t* cr, int w, int h, uint32_t edge) {
    Gradient(cr, 0, 0, w, h, 0xFF2A2E34, 0xFF1C1F23);
    for (int r = 2; r < h - 1; r += 2) Fill(cr, 1, r, w - 2, 1, 0x05FFFFFF);
    Bevel(cr, 0, 0, w, h, true, 0xFF3E434B, 0xFF0B0C0E);
    if (edge != 0) Fill(cr, 1, 0, w - 2, 1, edge);
}

void DrawBrowser(cairo_t* cr, int w, int h, bool red) {
    DrawPage(cr, w, h, red ? kRed : kAccent);
    if (w < 400) {
        // The OK and Cancel row of the small browsers.
        Fill(cr, 6, 378, w - 12, 1, 0xFF0B0C0E);
        Fill(cr, 6, 379, w - 12, 1, 0xFF3A3F46);
    }
}

void DrawAbout(cairo_t* cr, int w, int h) {
    Fill(cr, 0, 0, w, h, 0x80000000);
    const int bx = 8, by = 110, bw = w - 16, bh = 380;
    Panel(cr, bx, by, bw, bh);
    Glass(cr, bx + 24, by + 24, bw - 48, 72);
    Caption(cr, "FontHelvB18", bx + 24, by + 30, bw - 48, 30, "Tolva Plug-In Editor", kAccentLight);
    Caption(cr, "FontGeneva10", bx + 24, by + 62, bw - 48, 20,
            "Editor and librarian for the Tolva and the Nerimo", kCaption);
    // The version line is printed by the program at (592, 210).
    Field(cr, 588, 206, 218, 20);
    const char* lines[] = {"Edits every setting of the instrument as you play.",
                           "Keeps a full image of its memory, stores sounds in files,",
                           "imports and exports PCG files.", "", "Click anywhere to close."};
    int y = by + 150;
    for (const char* line : lines) {
        Caption(cr, "FontGeneva10", bx, y, bw, 14, line, kCaptionDim);
        y += 16;
    }
}

// ---- Containers --------------------------------------------------------------------------------

void DrawGraph(cairo_t* cr, int w, int h, bool bipolar, bool filter) {
    Fill(cr, 0, 0, w, h, 0xFF050607);
    Bevel(cr, 0, 0, w, h, false, 0xFF3A3F46, 0xFF050608);
    // The graph area starts two pixels in.
    const int gx = G::kGraphMarginLow, gy = G::kGraphMarginLow;
    const int gw = w - G::kGraphMarginLow - G::kGraphMarginHigh,
              gh = h - G::kGraphMarginLow - G::kGraphMarginHigh;
    Fill(cr, gx, gy, gw, gh, 0xFF0A0D11);
    const uint32_t grid = 0xFF171C22;
    if (filter) {
        // Log-frequency lines at the decades and octaves.
        for (int i = 1; i < 10; ++i) Fill(cr, gx + gw * i / 10, gy, 1, gh, i % 3 == 0 ? 0xFF1F262E : grid);
    } else {
        for (int i = 1; i < 8; ++i) Fill(cr, gx + gw * i / 8, gy, 1, gh, grid);
    }
    for (int i = 1; i < 4; ++i) Fill(cr, gx, gy + gh * i / 4, gw, 1, grid);
    if (bipolar) Fill(cr, gx, gy + gh / 2, gw, 1, 0xFF2C3540);
    Frame(cr, gx - 1, gy - 1, gw + 2, gh + 2, 0xFF1B2A36);
}

void DrawRouting(cairo_t* cr, int w, int h) {
    Plate(cr, 0, 0, w, h);
    const uint32_t wire = 0xFF4D5866;
    // Input bus down the left, into both effects, out to the master EQ; return under them.
    Fill(cr, 20, 22, 1, 67 - 22 + 8, wire);
    Fill(cr, 20, 22, 44, 1, wire);
    Fill(cr, 20, 49, 44, 1, wire);
    Fill(cr, 20, 75, 70, 1, wire);
    Fill(cr, 114, 22, 26, 1, wire);
    Fill(cr, 114, 49, 26, 1, wire);
    Fill(cr, 140, 22, 1, 28, wire);
    Fill(cr, 140, 38, 21, 1, wire);
    Fill(cr, 217, 38, 14, 1, wire);
    Chevron(cr, 226, 35, 7, 7, wire);
    Text(cr, "FontGeneva9", 6, 4, "IN", kCaptionDim);
    Text(cr, "FontGeneva9", 210, 44, "OUT", kCaptionDim);
}

void DrawOctaveContainer(cairo_t* cr, int w, int h, bool tenth) {
    Plate(cr, 0, 0, w, h);
    // Twelve note columns; in the tenth octave the notes above G9 do not exist.
    const int col = (w - 20) / 12;
    for (int i = 0; i < 12; ++i) {
        const int x = 10 + i * col;
        const bool black = G::IsBlackNote(i);
        Fill(cr, x + 1, 8, col - 2, 4, black ? 0xFF101215 : 0xFFB8BCC2);
        if (tenth && i >= 8) {
            Fill(cr, x, 6, col, h - 12, 0xA0141619);
            for (int y = 8; y < h - 8; y += 4) Fill(cr, x + 2, y, col - 4, 1, 0xFF24272C);
        }
    }
}

void DrawColumn(cairo_t* cr, int w, int h) {
    Plate(cr, 0, 0, w, h);
    // A recess for the lamp along the top.
    Fill(cr, 4, 2, w - 8, 16, 0x30000000);
}

void DrawOverview(cairo_t* cr, const std::string& name, int w, int h) {
    Plate(cr, 0, 0, w, h);
    const bool fg = name == "Container_ProgPlay_Overview_FG";
    if (fg || name == "Container_ProgPlay_Overview_EG") {
        // The filter and amplifier boxes' well reaches the box's edges: their graph's control covers
        // all of it, corners included, and redraws it from here.
        if (fg)
            Fill(cr, 0, 27, w, h - 27, 0xFF050607);
        else
            Fill(cr, 2, 28, w - 4, 59, 0xFF050607);
        Fill(cr, 3, 30, 85, 55, 0xFF0A0D11);
        for (int i = 1; i < 4; ++i) Fill(cr, 3 + 85 * i / 4, 30, 1, 55, 0xFF161B21);
    }
    if (name == "Container_ProgPlay_Overview_MasterFX") {
        Fill(cr, 4, 34, w - 8, 1, 0xFF0B0C0E);
        Fill(cr, 4, 35, w - 8, 1, 0xFF3A3F46);
    }
}

// ---- Fields, dropdowns, displays --------------------------------------------------------------

int DropdownZone(const std::string& name) {
    if (name == "DropdownList_LCD_68x13") return 14;
    if (name == "DropdownListLCD_99X25") return 20;
    if (name == "DropdownList_BlueBrowser" || StartsWith(name, "DropdownSwitch_")) return 22;
    return 10;
}

void DrawDropdown(cairo_t* cr, const std::string& name, int frame, int w, int h) {
    const int zone = DropdownZone(name);
    const bool red = name.find("Red") != std::string::npos;
    const bool glass = name.find("LCD") != std::string::npos || name.find("Browser") != std::string::npos;
    if (glass) {
        Glass(cr, 0, 0, w, h, red ? Accent::Red : Accent::Blue);
    } else {
        Field(cr, 0, 0, w, h);
    }
    const uint32_t accent = red ? kRed : kAccent;
    if (frame == 1) {
        // The switch is on: its field is lit by a border in the accent.
        Frame(cr, 1, 1, w - 2, h - 2, accent);
        Frame(cr, 2, 2, w - 4, h - 4, Mix(accent, 0xFF000000, 0.5));
    }
    // The arrow zone: a raised key at the right end.
    const int zx = w - zone;
    Gradient(cr, zx, 1, zone - 1, h - 2, 0xFF3A3E45, 0xFF25282D);
    Fill(cr, zx - 1, 1, 1, h - 2, 0xFF050607);
    Fill(cr, zx, 1, 1, h - 2, 0xFF50555E);
    Chevron(cr, zx, 0, zone, h, glass ? Mix(accent, 0xFFFFFFFF, 0.3) : kCaption);
}

void DrawTextSwitchField(cairo_t* cr, int frame, int w, int h) {
    Glass(cr, 0, 0, w, h);
    if (frame == 1) Frame(cr, 1, 1, w - 2, h - 2, kAccent);
}

void DrawSoundSelector(cairo_t* cr, int w, int h) {
    Glass(cr, 0, 0, w, h);
    // A small mark at the right end says a click opens a list.
    Chevron(cr, w - 9, 0, 7, h, kAccentDark);
}

// ---- Knobs and bars ----------------------------------------------------------------------------

// Screen angle (cairo, y down) of a fraction of the knob's travel.
double KnobAngle(double fraction) {
    const double start = -G::kKnobStartAngle + 2 * M_PI, end = -G::kKnobEndAngle + 2 * M_PI;
    return start + (end - start) * fraction;
}

void KnobCap(cairo_t* cr, double cx, double cy, double r) {
    SetColour(cr, 0xFF050607);
    cairo_arc(cr, cx, cy + 0.7, r + 0.6, 0, 2 * M_PI);
    cairo_fill(cr);
    cairo_pattern_t* p = cairo_pattern_create_linear(cx - r, cy - r, cx + r, cy + r);
    cairo_pattern_add_color_stop_rgb(p, 0, 0.30, 0.32, 0.35);
    cairo_pattern_add_color_stop_rgb(p, 1, 0.10, 0.11, 0.12);
    cairo_set_source(cr, p);
    cairo_arc(cr, cx, cy, r, 0, 2 * M_PI);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
    cairo_pattern_t* top = cairo_pattern_create_radial(cx, cy - r * 0.3, 0, cx, cy, r - 1.2);
    cairo_pattern_add_color_stop_rgb(top, 0, 0.20, 0.21, 0.23);
    cairo_pattern_add_color_stop_rgb(top, 1, 0.14, 0.15, 0.17);
    cairo_set_source(cr, top);
    cairo_arc(cr, cx, cy, r - 1.2, 0, 2 * M_PI);
    cairo_fill(cr);
    cairo_pattern_destroy(top);
}

void Ring(cairo_t* cr, double cx, double cy, double outer, double thickness, double a0, double a1, bool lit,
          uint32_t colour) {
    cairo_set_line_width(cr, thickness);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT);
    const double r = outer - thickness / 2;
    if (lit) {
        cairo_pattern_t* p = cairo_pattern_create_linear(cx, cy - outer, cx, cy + outer);
        const uint32_t hi = Mix(colour, 0xFFFFFFFF, 0.25), lo = Mix(colour, 0xFF000000, 0.2);
        cairo_pattern_add_color_stop_rgb(p, 0, ((hi >> 16) & 255) / 255.0, ((hi >> 8) & 255) / 255.0,
                                         (hi & 255) / 255.0);
        cairo_pattern_add_color_stop_rgb(p, 1, ((lo >> 16) & 255) / 255.0, ((lo >> 8) & 255) / 255.0,
                                         (lo & 255) / 255.0);
        cairo_set_source(cr, p);
        cairo_arc(cr, cx, cy, r, a0, a1);
        cairo_stroke(cr);
        cairo_pattern_destroy(p);
    } else {
        SetColour(cr, 0xFF07080A);
        cairo_arc(cr, cx, cy, r, a0, a1);
        cairo_stroke(cr);
        cairo_set_line_width(cr, 1);
        SetColour(cr, 0xFF1E2228);
        cairo_arc(cr, cx, cy, outer - 0.5, a0, a1);
        cairo_stroke(cr);
    }
}

void DrawKnobMeter(cairo_t* cr, bool lit) {
    const double cx = G::kKnobCentreX, cy = G::kKnobCentreY, r = G::kKnobRadius;
    KnobCap(cr, cx, cy, r - G::kKnobRingThickness - 1.5);
    Ring(cr, cx, cy, r, G::kKnobRingThickness, KnobAngle(0), KnobAngle(1), lit, kAccentLight);
}

void DrawRealtimeKnob(cairo_t* cr, int frame, int w, int h) {
    const double cx = w / 2.0, cy = h / 2.0 + 1;
    const double fraction = frame / double(G::kRealtimeKnobFrames - 1);
    Ring(cr, cx, cy, w / 2.0 - 0.5, 3, KnobAngle(0), KnobAngle(1), false, 0);
    if (frame > 0) Ring(cr, cx, cy, w / 2.0 - 0.5, 3, KnobAngle(0), KnobAngle(fraction), true, kAccentLight);
    KnobCap(cr, cx, cy, w / 2.0 - 6);
    // Pointer.
    const double a = KnobAngle(fraction);
    cairo_set_line_width(cr, 2);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    SetColour(cr, 0xFFE8ECF2);
    cairo_move_to(cr, cx + std::cos(a) * 5, cy + std::sin(a) * 5);
    cairo_line_to(cr, cx + std::cos(a) * (w / 2.0 - 8), cy + std::sin(a) * (w / 2.0 - 8));
    cairo_stroke(cr);
}

void LitBar(cairo_t* cr, int x, int y, int w, int h, bool vertical) {
    if (vertical) {
        for (int c = 0; c < w; ++c) {
            const double t = w > 1 ? std::abs(c - (w - 1) / 2.0) / ((w - 1) / 2.0) : 0;
            Fill(cr, x + c, y, 1, h, Mix(0xFF7F9BE6, 0xFF4E68B8, t));
        }
        Fill(cr, x, y, w, 1, 0xFFB4C4F2);
    } else {
        Gradient(cr, x, y, w, h, 0xFF7F9BE6, 0xFF4E68B8);
        Fill(cr, x, y, w, 1, 0xFFB4C4F2);
    }
}

void Groove(cairo_t* cr, int x, int y, int w, int h) {
    Fill(cr, x, y, w, h, 0xFF07090B);
    Bevel(cr, x, y, w, h, false, 0xFF353A42, 0xFF020203);
}

void DrawHBarBack(cairo_t* cr, int w, int h) {
    Fill(cr, 0, 0, w, h, 0x00000000);
    Groove(cr, 0, 0, G::kHBarX + G::kHBarWidth + 2, h);
    for (int i = 1; i < 4; ++i) Fill(cr, G::kHBarX + G::kHBarWidth * i / 4, h - 3, 1, 1, 0xFF2A3038);
    Field(cr, G::kHBarTextX - 3, 0, w - G::kHBarTextX + 3, h);
}

void DrawVBarBack(cairo_t* cr, int w, int h, bool bipolar) {
    Groove(cr, 0, 0, w, h);
    const int len = G::VBarLength(h);
    for (int i = 1; i < 10; ++i) {
        const int y = G::kVBarY + len - len * i / 10;
        Fill(cr, 1, y, i == 5 ? 4 : 2, 1, 0xFF2E3640);
        Fill(cr, w - (i == 5 ? 5 : 3), y, i == 5 ? 4 : 2, 1, 0xFF2E3640);
    }
    if (bipolar) Fill(cr, 1, G::kVBarY + len / 2, w - 2, 1, 0xFF3C4654);
}

void DrawArpLength(cairo_t* cr, int w, int h, bool lit) {
    if (lit) {
        for (int s = 0; s < G::kArpSteps; ++s)
            LitBar(cr, s * G::kArpStepPitch, 1, G::kArpStepPitch - 1, h - 2, false);
        return;
    }
    Groove(cr, 0, 0, w, h);
    for (int s = 1; s < G::kArpSteps; ++s) {
        Fill(cr, s * G::kArpStepPitch - 1, 1, 1, h - 2, s % 4 == 0 ? 0xFF2A3038 : 0xFF14181D);
    }
}

void DrawZone(cairo_t* cr, const std::string& name, int w, int h) {
    if (name == "ZoneSlopeBarBack") {
        Groove(cr, G::kZoneBarX - 1, G::kZoneBarY - 1, G::kZoneBarWidth + 2, G::kZoneBarHeight + 2);
        for (int octave = 0; octave <= 10; ++octave) {
            Fill(cr, G::kZoneBarX + octave * G::kOctavePitch, G::kZoneBarY + G::kZoneBarHeight + 1, 1, 1,
                 0xFF3A4250);
        }
        (void)w;
        (void)h;
        return;
    }
    if (name == "ZoneBar") {
        LitBar(cr, 0, 0, w, h, false);
    } else {
        // Slopes: a lighter hatch the control lays over the zone.
        Fill(cr, 0, 0, w, h, 0xFF9FB4F0);
        for (int x = 0; x < w; x += 3) Fill(cr, x, 0, 1, h, 0xFF6E86D2);
    }
}

void DrawPointLabels(cairo_t* cr, int frame) {
    Digit(cr, 1, 1, frame + 1, 0xFFFFFFFF);
}

void DrawScrollButton(cairo_t* cr, const std::string& name, int frame, int w, int h) {
    const bool red = name.find("Red") != std::string::npos;
    const bool vertical = name.find("Vertical") != std::string::npos;
    const bool pressed = frame % 2 == 1;
    const bool increment = frame >= 2;
    Button(cr, 0, 0, w, h, pressed, red ? Accent::Red : Accent::Blue);
    const uint32_t arrow = pressed ? 0xFFFFFFFF : (red ? 0xFFE06A62 : kAccentLight);
    if (vertical) {
        Chevron(cr, 0, 0, w, h, arrow, !increment);
    } else {
        // Left or right: a 3 x 5 triangle drawn as columns.
        const int cx = w / 2 - 1, cy = h / 2;
        for (int c = 0; c < 3; ++c) {
            const int half = increment ? 2 - c : c;
            Fill(cr, cx + c, cy - half, 1, 2 * half + 1, arrow);
        }
    }
}

// ---- Keyboards and wheels ----------------------------------------------------------------------

void WhiteKey(cairo_t* cr, int x, int y, int w, int h, bool down) {
    const uint32_t top = down ? Mix(kAccentLight, 0xFFFFFFFF, 0.35) : 0xFFF2F2EE;
    const uint32_t bottom = down ? kAccentLight : 0xFFCFCFC9;
    Gradient(cr, x, y, w, h, top, bottom);
    Fill(cr, x + w - 1, y, 1, h, 0xFF2A2C30);
    Fill(cr, x, y + h - 1, w - 1, 1, down ? kAccentDark : 0xFF8E8E88);
}

void BlackKey(cairo_t* cr, int x, int y, int w, int h, bool down) {
    Fill(cr, x, y, w, h, 0xFF050506);
    const uint32_t face = down ? kAccent : 0xFF2A2C30;
    Gradient(cr, x + 1, y, w - 2, h - (down ? 2 : 4), Mix(face, 0xFF000000, 0.3), face);
    if (!down) Fill(cr, x + 1, y + h - 4, w - 2, 3, 0xFF45484E);
}

void DrawControllerKeyboard(cairo_t* cr, int row, int w, int h) {
    (void)w;
    for (int region = 0; region < G::kCtlWhiteKeys; ++region) {
        const G::Rect r = G::CtlRegionRect(region);
        cairo_save(cr);
        cairo_rectangle(cr, r.x, r.y, r.w, r.h);
        cairo_clip(cr);
        WhiteKey(cr, r.x, 0, r.w, h, (row & 1) != 0);
        for (int key = 0; key < G::kCtlKeyCount; ++key) {
            const G::KeyRegions k = G::CtlKeyRegions(key);
            if (k.second < 0 || (k.first != region && k.second != region)) continue;
            const G::Rect b = G::CtlBlackKeyRect(key);
            BlackKey(cr, b.x, 0, b.w, b.h, (row & k.bits) != 0);
        }
        cairo_restore(cr);
    }
}

void DrawKeyboardPicture(cairo_t* cr, int w, int h) {
    Fill(cr, 0, 0, w, h, 0xFF111214);
    const int whites = (w - 1) / G::kKeyWhiteWidth;
    for (int i = 0; i < whites; ++i) {
        const int x = i * G::kKeyWhiteWidth;
        Gradient(cr, x + 1, 1, G::kKeyWhiteWidth - 1, h - 2, 0xFFEDEDE8, 0xFFC9C9C3);
        if (i % 7 == 0) Fill(cr, x + 1, h - 3, 1, 1, 0xFF8A8A84);  // C marks
    }
    for (int octave = 0; octave <= 10; ++octave) {
        for (int n = 0; n < 12; ++n) {
            if (G::kKeyBlackLeft[n] < 0 || octave * 12 + n > 127) continue;
            const int x = octave * G::kOctavePitch + G::kKeyBlackLeft[n];
            Fill(cr, x, 1, G::kKeyboardBlackWidth, G::kKeyboardBlackHeight, 0xFF0B0B0C);
            Fill(cr, x + 1, 1, G::kKeyboardBlackWidth - 2, G::kKeyboardBlackHeight - 2, 0xFF2C2E32);
        }
    }
}

void DrawWheel(cairo_t* cr, int frame, int w, int h) {
    Fill(cr, 0, 0, w, h, 0xFF050607);
    // The wheel's face: a cylinder, shaded from the middle out.
    for (int y = 1; y < h - 1; ++y) {
        const double t = std::abs(y - h / 2.0) / (h / 2.0);
        Fill(cr, 2, y, w - 4, 1, Mix(0xFF3A3E45, 0xFF0E1013, t * t));
    }
    // Ribs roll with the value; the marker shows where the value sits.
    const double travel = (h - 10) / double(G::kWheelFrames - 1);
    const double pos = (h - 5) - frame * travel;
    for (int k = -12; k < 24; ++k) {
        const int y = static_cast<int>(std::lround(pos + k * 4 - std::floor(pos / 4) * 4));
        if (y < 3 || y > h - 4) continue;
        const double t = std::abs(y - h / 2.0) / (h / 2.0);
        Fill(cr, 3, y, w - 6, 1, Mix(0xFF15171A, 0xFF0A0B0D, t));
    }
    const int my = static_cast<int>(std::lround(pos));
    Fill(cr, 2, my - 1, w - 4, 3, kAccentLight);
    Bevel(cr, 0, 0, w, h, false, 0xFF3A3F46, 0xFF020203);
}

void DrawVelocityScale(cairo_t* cr, int w, int h) {
    for (int v = 0; v <= 127; ++v) {
        const int x = (v * w) / 128;
        if (v % 8 == 0) Fill(cr, x, 0, 1, v % 32 == 0 ? 4 : 2, 0xFF5A6270);
    }
    Fill(cr, w - 1, 0, 1, 4, 0xFF5A6270);
    const int marks[] = {1, 32, 64, 96, 127};
    for (int v : marks) {
        const std::string s = std::to_string(v);
        int x = (v * w) / 128 - NumberWidth(s) / 2;
        x = std::max(0, std::min(w - NumberWidth(s), x));
        Number(cr, x, 6, s, kCaptionDim);
    }
    (void)h;
}

void Triangle(cairo_t* cr, int x, int y, int w, int h, bool down, uint32_t colour) {
    for (int r = 0; r < h; ++r) {
        const int row = down ? r : h - 1 - r;
        const int inset = (r * w) / (2 * h);
        Fill(cr, x + inset, y + row, w - 2 * inset, 1, colour);
    }
}

void DrawRoutingArrow(cairo_t* cr, int w, int h, bool down) {
    const uint32_t c = kAccentLight;
    Fill(cr, w / 2 - 1, down ? 0 : 4, 2, h - 4, c);
    Triangle(cr, 0, down ? h - 4 : 0, w, 4, down, c);
}

void DrawLogo(cairo_t* cr, const std::string& name, int frame, int w, int h) {
    // Face 0 while the instrument is connected, face 1 while it is not.
    const bool connected = frame == 0;
    const uint32_t text = connected ? kAccentLight : 0xFF6A707A;
    if (name == "Image_Logo_VELK") {
        Caption(cr, "FontHelvB18", 0, 0, w, h, "VELK", text);
    } else {
        Caption(cr, "FontHelvB11", 0, 0, w, 12, "TOLVA", text);
        Caption(cr, "FontGeneva9", 0, 11, w, 9, "EDITOR", connected ? kCaption : 0xFF5A606A);
    }
}

// ---- Switches ----------------------------------------------------------------------------------

void DrawButtonSwitch(cairo_t* cr, int frame, int w, int h, const std::string& caption, Accent accent,
                      const char* font = "FontHelvB11") {
    const bool on = frame == 1;
    Button(cr, 0, 0, w, h, on, accent);
    FitCaption(cr, 0, on ? 1 : 0, w, h, caption, on ? 0xFFFFFFFF : kCaption, font);
}

// An action button whose face 1 is the usable state and face 0 the idle (dimmed) one.
void DrawDialogButton(cairo_t* cr, int frame, int w, int h, const std::string& caption, bool red) {
    const bool ready = frame == 1;
    Button(cr, 0, 0, w, h, false, Accent::Neutral);
    const uint32_t accent = red ? kRed : kAccent;
    if (ready) Fill(cr, 2, h - 3, w - 4, 1, accent);
    Caption(cr, "FontHelvB11", 0, 0, w, h, caption, ready ? 0xFFFFFFFF : 0xFF6A707A);
}

void DrawLedSwitch(cairo_t* cr, int frame, int w, int h, const std::string& caption) {
    const bool on = frame == 1;
    Button(cr, 0, 0, w, h, false, Accent::Neutral);
    const double d = std::min(7, h - 6);
    Led(cr, 4 + d / 2, h / 2.0, d, on);
    const int tx = static_cast<int>(d) + 6;
    FitCaption(cr, tx, 0, w - tx - 2, h, caption, on ? 0xFFFFFFFF : kCaptionDim, "FontGeneva9ForControls");
}

void DrawModeSwitch(cairo_t* cr, int frame, int w, int h, const std::string& caption) {
    const bool on = frame == 1;
    Button(cr, 0, 0, w, h, false, Accent::Neutral);
    // LED strip along the top of the key.
    Fill(cr, 4, 3, w - 8, 3, on ? kAccentLight : 0xFF15171A);
    if (on) Fill(cr, 4, 3, w - 8, 1, 0xFFC8D4F6);
    Caption(cr, "FontHelvB11", 0, 6, w, h - 6, caption, on ? 0xFFFFFFFF : kCaptionDim);
}

void DrawSlideSwitch(cairo_t* cr, int frame, int w, int h, const std::vector<std::string>& labels,
                     bool horizontal, const char* font = "FontGeneva9ForControls") {
    const int n = static_cast<int>(labels.size());
    if (horizontal) {
        const int slot = w;
        Groove(cr, 0, 0, slot, h);
        const int cell = slot / n;
        for (int i = 0; i < n; ++i) {
            const bool here = i == frame;
            if (here) Button(cr, i * cell + 1, 1, cell - 2 + (i == n - 1 ? slot - n * cell : 0), h - 2, true);
            Caption(cr, "FontGeneva9ForControls", i * cell, 0, cell, h, labels[i],
                    here ? 0xFFFFFFFF : kCaptionDim);
        }
        return;
    }
    // Vertical: a slot with the lever at the left, the position names beside it, listed from the
    // top. The top cell is the switch's highest position (its last face), so face f lights the cell
    // n - 1 - f.
    const int slotW = 12;
    Groove(cr, 0, 0, slotW, h);
    const int cell = h / n;
    const int lit = n - 1 - frame;
    Button(cr, 1, lit * cell + 1, slotW - 2, cell - 2, true);
    Fill(cr, 3, lit * cell + cell / 2, slotW - 6, 1, 0xFFFFFFFF);
    for (int i = 0; i < n; ++i) {
        Fill(cr, slotW + 2, i * cell + cell / 2, 3, 1, i == lit ? kAccentLight : 0xFF3A3F46);
        Text(cr, font, slotW + 7, i * cell + (cell - 10) / 2 + 1, labels[i],
             i == lit ? 0xFFFFFFFF : kCaptionDim);
    }
}

void DrawCheck(cairo_t* cr, int frame, int w, int h) {
    Field(cr, 0, 0, w, h);
    if (frame == 1) {
        if (w >= 11) {
            // A tick of two strokes.
            const uint32_t c = kAccentLight;
            for (int i = 0; i < 3; ++i) Fill(cr, 3 + i, 6 + i, 1, 2, c);
            for (int i = 0; i < 5; ++i) Fill(cr, 6 + i, 7 - i, 1, 2, c);
        } else {
            Fill(cr, 1, 1, w - 2, h - 2, kAccent);
            Fill(cr, 1, 1, w - 2, 1, kAccentLight);
        }
    }
}

void DrawArpFace(cairo_t* cr, const std::string& name, int frame, int w, int h) {
    Fill(cr, 0, 0, w, h, 0xFF0D1116);
    const bool on = frame == 1;
    const bool circle = name.find("Circle") != std::string::npos;
    const bool solid = name.find("Solid") != std::string::npos;
    const uint32_t c = on ? kAccentLight : 0xFF2A3038;
    if (circle) {
        // A 5 x 5 disc or ring.
        const char* disc =
            "01110111111111111111"
            "01110";
        const char* ring = "0111010001100011000101110";
        const char* shape = solid ? disc : ring;
        for (int i = 0; i < 25; ++i) {
            if (shape[i] == '1') Fill(cr, 1 + i % 5, 1 + i / 5, 1, 1, c);
        }
    } else if (solid) {
        Fill(cr, 1, 1, 5, 5, c);
    } else {
        Frame(cr, 1, 1, 5, 5, c);
    }
    (void)w;
    (void)h;
}

void DrawLamp(cairo_t* cr, const std::string& number, int frame, int w, int h) {
    // Faces 0-4: the five brightness levels (0 dark); face 5: disabled.
    const bool disabled = frame == 5;
    Fill(cr, 0, 0, w, h, 0xFF050607);
    uint32_t lens;
    if (disabled) {
        lens = 0xFF24272C;
    } else if (frame == 0) {
        lens = 0xFF12201A;
    } else {
        lens = Mix(0xFF1E3A24, kLedGreen, frame / 4.0);
    }
    Gradient(cr, 1, 1, w - 2, h - 2, Mix(lens, 0xFFFFFFFF, frame > 0 && !disabled ? 0.25 : 0.05), lens);
    const uint32_t digits = disabled ? 0xFF4A4E55 : frame >= 3 ? 0xFF0A1A0E : 0xFFB8C0B8;
    Number(cr, (w - NumberWidth(number)) / 2, (h - 5) / 2, number, digits);
}

void DrawTabStrip(cairo_t* cr, int row, int w, int h, const std::vector<std::string>& captions, int tabWidth,
                  int gap, int firstExtra, int lastExtra, const char* font, Accent accent,
                  int markWidth = 0) {
    Fill(cr, 0, 0, w, h, 0xFF141619);
    // One font for the whole strip: the bold one only when every caption fits its tab.
    for (const std::string& caption : captions) {
        if (TextWidth(font, caption) > tabWidth - 4 - markWidth) font = "FontGeneva10";
    }
    const bool active = row == 0;
    const uint32_t lit = accent == Accent::Red ? kRed : kAccent;
    const int n = static_cast<int>(captions.size());
    for (int j = 0; j < n; ++j) {
        const int x = j * (tabWidth + gap) + (j > 0 ? firstExtra : 0);
        const int tw = tabWidth + (j == 0 ? firstExtra : 0) + (j == n - 1 ? lastExtra : 0);
        // Face: the active tab is lighter and runs into the page below it.
        if (active) {
            Gradient(cr, x, 0, tw, h, 0xFF3A3F47, 0xFF2A2E34);
            Fill(cr, x, 0, tw, 2, lit);
            Fill(cr, x, 2, 1, h - 2, 0xFF4A5059);
            Fill(cr, x + tw - 1, 2, 1, h - 2, 0xFF0B0C0E);
        } else {
            Gradient(cr, x, 2, tw, h - 2, 0xFF26292E, 0xFF1B1D21);
            Fill(cr, x, 2, tw, 1, 0xFF383C43);
            Fill(cr, x, 2, 1, h - 3, 0xFF33373E);
            Fill(cr, x + tw - 1, 2, 1, h - 3, 0xFF0B0C0E);
            Fill(cr, x, h - 1, tw, 1, 0xFF0B0C0E);
        }
        Caption(cr, font, x + 1 + markWidth, active ? 1 : 2, tw - 2 - markWidth, h - 2, captions[j],
                active ? 0xFFFFFFFF : kCaptionDim);
    }
}

struct TabSet {
    const char* name;
    std::vector<std::string> captions;
};

const std::vector<TabSet>& TabSets() {
    static const std::vector<TabSet> sets = {
        {"Tab_Prog_Main",
         {"Play", "Basic", "Pitch", "LFOs", "Filter1", "Filter2", "Amp", "Arp", "IFX", "MFX"}},
        {"Tab_Combi_Main", {"Play", "Tone Adj", "Timbre", "MIDI Filter", "Key Zone", "Arp", "IFX", "MFX"}},
        {"Tab_Multi_Main", {"Play", "Tone Adj", "Track", "MIDI Filter", "Key Zone", "Arp", "IFX", "MFX"}},
        {"Tab_Global_Main_Tolva", {"Setup", "System", "User Scale", "Category", "Drum Kit", "Arp Pattern"}},
        {"Tab_Global_Main_Nerimo", {"Setup", "System", "User Scale", "Category", "Drum Kit", "Arp Pattern"}},
        {"Tab_Low_Prog_Basic", {"Prog Basic", "OSC1", "OSC2", "Vel Zone", "Audition"}},
        {"Tab_Low_Prog_Pitch", {"OSC1", "OSC1 LFO", "OSC2", "OSC2 LFO", "Pitch EG"}},
        {"Tab_Low_Prog_LFOs", {"OSC1 LFO1", "OSC1 LFO2", "OSC2 LFO1", "OSC2 LFO2"}},
        {"Tab_Low_Prog_Filter", {"Basic", "Mod1", "Mod2", "LFO Mod", "EG"}},
        {"Tab_Low_Prog_Amp", {"Amp1", "Amp1 Mod", "Amp1 EG", "Amp2", "Amp2 Mod", "Amp2 EG"}},
        {"Tab_Low_InsertFX", {"Setup", "IFX"}},
        {"Tab_Low_MasterFX", {"Setup", "MFX1", "MFX2", "Master EQ"}},
        {"Tab_Low_Combi_Arp", {"Arp A", "Arp B", "Scan Zone", "Controls"}},
        {"Tab_BlueBrowser_Browser", {"Browser", "Browser"}},
        {"Tab_RedBrowser_LoadProgram", {"Load Program"}},
        {"Tab_RedBrowser_LoadEffect", {"Load Effect"}},
        {"Tab_RedBrowser_LoadMultisample", {"Load Multisample"}},
        {"Tab_RedBrowser_LoadDrumSample", {"Load Drum Sample"}},
        {"Tab_RedBrowser_LoadDrumKit", {"Load Drum Kit"}},
        {"Tab_RedBrowser_LoadArpeggiator", {"Load Arpeggio"}},
        {"Tab_Write_Prog", {"Write Program"}},
        {"Tab_Write_Multi", {"Write Multi"}},
        {"Tab_Write_Combi", {"Write Combi"}},
        {"Tab_Rename", {"Rename"}},
        {"Tab_Rename_DrumKit", {"Rename Drum Kit"}},
        {"Tab_Rename_ArpPattern", {"Rename Arp Pattern"}},
    };
    return sets;
}

void DrawTab(cairo_t* cr, const std::string& name, int row, int w, int h) {
    for (const TabSet& set : TabSets()) {
        if (name != set.name) continue;
        if (StartsWith(name, "Tab_Low_")) {
            DrawTabStrip(cr, row, w, h, set.captions, G::kSubTabWidth, G::kSubTabGap, G::kSubTabFirstExtra,
                         G::kSubTabLastExtra, "FontGeneva10", Accent::Blue);
        } else if (name == "Tab_BlueBrowser_Browser") {
            DrawTabStrip(cr, row, w, h, set.captions, G::kBrowserTabWidth, G::kBrowserTabGap, 0, 0,
                         "FontHelvB11", Accent::Blue, 12);
            // The large browser shows a grid of sounds, the small one a list: a mark on each tab.
            const uint32_t mark = row == 0 ? kAccentLight : 0xFF5A606A;
            for (int i = 0; i < 3; ++i) Fill(cr, 6 + i * 3, 12, 2, 7, mark);
            for (int i = 0; i < 3; ++i)
                Fill(cr, G::kBrowserTabWidth + G::kBrowserTabGap + 6, 12 + i * 3, 7, 2, mark);
        } else if (StartsWith(name, "Tab_") && name.find("_Main") != std::string::npos) {
            DrawTabStrip(cr, row, w, h, set.captions, G::kMainTabWidth, G::kMainTabGap, G::kMainTabFirstExtra,
                         G::kMainTabLastExtra, "FontHelvB11", Accent::Blue);
        } else {
            DrawTabStrip(cr, row, w, h, set.captions, G::kModalTabWidth, 0, 0, 0, "FontHelvB11",
                         StartsWith(name, "Tab_RedBrowser") ? Accent::Red : Accent::Blue);
        }
        return;
    }
    std::fprintf(stderr, "artgen: no captions for %s\n", name.c_str());
    std::exit(1);
}

// ---- Dispatch ----------------------------------------------------------------------------------

void DrawSwitch(cairo_t* cr, const std::string& name, int frame, int w, int h) {
    const std::string kind = name.substr(7);
    if (StartsWith(kind, "ModeSelect_")) return DrawModeSwitch(cr, frame, w, h, kind.substr(11));
    if (kind == "Arrow_Up" || kind == "Arrow_Down") {
        Button(cr, 0, 0, w, h, frame == 1);
        return Chevron(cr, 0, 0, w, h, frame == 1 ? 0xFFFFFFFF : kCaption, kind == "Arrow_Up");
    }
    if (kind == "CategoryDisplay" || kind == "BankDisplay") return DrawTextSwitchField(cr, frame, w, h);
    if (kind == "RTKnob_Select_Filter") return DrawLedSwitch(cr, frame, w, h, "FILTER");
    if (kind == "RTKnob_Select_User") return DrawLedSwitch(cr, frame, w, h, "USER");
    if (kind == "RTKnob_Select_Arp") return DrawLedSwitch(cr, frame, w, h, "ARP");
    if (kind == "Oval") {
        Fill(cr, 0, 0, w, h, 0x00000000);
        cairo_save(cr);
        cairo_translate(cr, w / 2.0, h / 2.0);
        cairo_scale(cr, w / 2.0 - 0.5, h / 2.0 - 0.5);
        cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
        cairo_restore(cr);
        SetColour(cr, 0xFF0B0C0E);
        cairo_fill(cr);
        cairo_save(cr);
        cairo_translate(cr, w / 2.0, h / 2.0);
        cairo_scale(cr, w / 2.0 - 1.5, h / 2.0 - 1.5);
        cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
        cairo_restore(cr);
        SetColour(cr, frame == 1 ? kAccent : 0xFF3A3E45);
        cairo_fill(cr);
        return Fill(cr, w / 2 - 5, h / 2, 10, 1, frame == 1 ? 0xFFFFFFFF : 0xFF7A808A);
    }
    if (kind == "Utility") return DrawButtonSwitch(cr, frame, w, h, "Utility", Accent::Blue);
    if (kind == "GlobalDump") return DrawButtonSwitch(cr, frame, w, h, "Dump", Accent::Blue);
    if (kind == "Multi_TrackShift") return DrawSlideSwitch(cr, frame, w, h, {"1-8", "9-16"}, true);
    if (kind == "Multi_TrackShift_Disable") {
        Groove(cr, 0, 0, w, h);
        Caption(cr, "FontGeneva9ForControls", 0, 0, w / 2, h, "1-8", 0xFF3A3F46);
        return Caption(cr, "FontGeneva9ForControls", w / 2, 0, w / 2, h, "9-16", 0xFF3A3F46);
    }
    if (kind == "Blue_OK") return DrawDialogButton(cr, frame, w, h, "OK", false);
    if (kind == "Blue_Cancel") return DrawDialogButton(cr, frame, w, h, "Cancel", false);
    if (kind == "Red_OK") return DrawDialogButton(cr, frame, w, h, "OK", true);
    if (kind == "Red_Cancel") return DrawDialogButton(cr, frame, w, h, "Cancel", true);
    if (kind == "Blue_106X17") {
        // Category and bank keys of the large browser carry black text: light faces.
        const bool on = frame == 1;
        Fill(cr, 0, 0, w, h, 0xFF0B0C0E);
        Gradient(cr, 1, 1, w - 2, h - 2, on ? 0xFF9DB0EE : 0xFFB6BAC2, on ? 0xFF6F87D0 : 0xFF8E939C);
        Fill(cr, 1, 1, w - 2, 1, on ? 0xFFC8D4F6 : 0xFFD2D6DC);
        return;
    }
    if (kind == "CheckBox" || kind == "CheckBox_Small") return DrawCheck(cr, frame, w, h);
    if (StartsWith(kind, "Arp_")) return DrawArpFace(cr, name, frame, w, h);
    if (kind == "ON" || kind == "SmallON") return DrawLedSwitch(cr, frame, w, h, "ON");
    if (kind == "AB") return DrawSlideSwitch(cr, frame, w, h, {"A", "B"}, true);
    if (kind == "OscillatorMode")
        return DrawSlideSwitch(cr, frame, w, h, {"Single", "Double", "Drums"}, false);
    // The filter page's cutoff knob stands 36 pixels right of the names: the narrow font.
    if (kind == "FilterType") return DrawSlideSwitch(cr, frame, w, h, {"LPF", "LPF&HPF"}, false, "TextW4H9");
    if (kind == "MFX1") return DrawButtonSwitch(cr, frame, w, h, "MFX1", Accent::Blue);
    if (kind == "MFX2") return DrawButtonSwitch(cr, frame, w, h, "MFX2", Accent::Blue);
    if (kind == "MasterEQ") return DrawButtonSwitch(cr, frame, w, h, "M.EQ", Accent::Blue);
    if (kind == "Return")
        return DrawButtonSwitch(cr, frame, w, h, "Return", Accent::Blue, "FontGeneva9ForControls");
    std::fprintf(stderr, "artgen: no drawing for %s\n", name.c_str());
    std::exit(1);
}

void DrawEditorImage(const std::string& name, cairo_t* cr, int frame, int w, int h) {
    cairo_set_antialias(cr, CAIRO_ANTIALIAS_GRAY);
    if (name == "Background_Base") return DrawBase(cr, w, h);
    if (name == "Background_MainTab_Large" || name == "Background_MainTab_Small")
        return DrawPage(cr, w, h, 0);
    if (StartsWith(name, "Background_SubTab")) return DrawPage(cr, w, h, 0);
    if (StartsWith(name, "Background_BlueBrowser")) return DrawBrowser(cr, w, h, false);
    if (name == "Background_RedBrowser") return DrawBrowser(cr, w, h, true);
    if (name == "Image_About") return DrawAbout(cr, w, h);
    if (StartsWith(name, "Container_Plane_") || name == "Container_HorizontalBar")
        return Plate(cr, 0, 0, w, h);
    if (name == "Container_SectionLabel") {
        Plate(cr, 0, 0, w, h);
        return Fill(cr, 2, 3, 2, h - 6, kAccent);
    }
    if (name == "Container_Graph_Large") return DrawGraph(cr, w, h, true, false);
    if (name == "Container_Graph_Unsigned_Large") return DrawGraph(cr, w, h, false, false);
    if (name == "Container_Graph_Small") return DrawGraph(cr, w, h, false, true);
    if (name == "Container_MasterFX_Routing") return DrawRouting(cr, w, h);
    if (name == "Container_UserScale_Octave") return DrawOctaveContainer(cr, w, h, false);
    if (name == "Container_UserScale_Octave10") return DrawOctaveContainer(cr, w, h, true);
    if (StartsWith(name, "Container_ProgPlay_Overview_")) return DrawOverview(cr, name, w, h);
    if (StartsWith(name, "Container_")) return DrawColumn(cr, w, h);
    if (StartsWith(name, "EditText_")) return Field(cr, 0, 0, w, h);
    if (StartsWith(name, "Dropdown")) return DrawDropdown(cr, name, frame, w, h);
    if (StartsWith(name, "SoundSelector_LCD_")) return DrawSoundSelector(cr, w, h);
    if (name == "MiniProgramSelector") return Glass(cr, 0, 0, w, h);
    if (name == "Knob_Meter") return DrawKnobMeter(cr, true);
    if (name == "Knob_MeterBack") return DrawKnobMeter(cr, false);
    if (name == "Knob_RealTimeKnob") return DrawRealtimeKnob(cr, frame, w, h);
    if (name == "HorizontalValueBar") return LitBar(cr, 0, 0, w, h, false);
    if (StartsWith(name, "HorizontalValueBarBack_")) return DrawHBarBack(cr, w, h);
    if (name == "HorizontalValueBar_ArpLength") return DrawArpLength(cr, w, h, true);
    if (name == "HorizontalValueBar_ArpLength_Back") return DrawArpLength(cr, w, h, false);
    if (StartsWith(name, "VerticalValueBarBack"))
        return DrawVBarBack(cr, w, h, name == "VerticalValueBarBack_Prog");
    if (StartsWith(name, "VerticalValueBar")) return LitBar(cr, 0, 0, w, h, true);
    if (name == "ZoneSlopeBarBack" || name == "ZoneBar" || name == "SlopeBar")
        return DrawZone(cr, name, w, h);
    if (StartsWith(name, "PointName")) return DrawPointLabels(cr, frame);
    if (StartsWith(name, "Scrollbar_")) return DrawScrollButton(cr, name, frame, w, h);
    if (name == "ControllerKeyboard") return DrawControllerKeyboard(cr, frame, w, h);
    if (name == "ControllerWheel") return DrawWheel(cr, frame, w, h);
    if (name == "Image_Keyboard") return DrawKeyboardPicture(cr, w, h);
    if (name == "Image_VelocityScale") return DrawVelocityScale(cr, w, h);
    if (name == "Image_RedArrow_Down") return Triangle(cr, 0, 0, w, h, true, 0xFFFF2020);
    if (name == "Image_RedArrow_Up_W6") return Triangle(cr, 0, 0, w, h, false, 0xFFFF2020);
    if (name == "Image_MFX_Routing_MFX1ToMFX2") return DrawRoutingArrow(cr, w, h, true);
    if (name == "Image_MFX_Routing_MFX2ToMFX1") return DrawRoutingArrow(cr, w, h, false);
    if (StartsWith(name, "Image_Logo_")) return DrawLogo(cr, name, frame, w, h);
    if (StartsWith(name, "Switch_")) return DrawSwitch(cr, name, frame, w, h);
    if (StartsWith(name, "MidiIndicatorNum")) return DrawLamp(cr, name.substr(16, 2), frame, w, h);
    if (StartsWith(name, "Tab_")) return DrawTab(cr, name, frame, w, h);
    std::fprintf(stderr, "artgen: no drawing for %s\n", name.c_str());
    std::exit(1);
}

template <size_t I>
void DrawCatalogued(cairo_t* cr, int frame, int w, int h) {
    DrawEditorImage(ArtCatalogue::kImages[I].name, cr, frame, w, h);
}

template <size_t... I>
bool RegisterImages(std::index_sequence<I...>) {
    (ArtImages().push_back(ArtImage{ArtCatalogue::kImages[I].name, ArtCatalogue::kImages[I].width,
                                    ArtCatalogue::kImages[I].height / ArtCatalogue::kImages[I].frames,
                                    ArtCatalogue::kImages[I].frames, &DrawCatalogued<I>}),
     ...);
    return true;
}

const bool g_registered = RegisterImages(std::make_index_sequence<ArtCatalogue::kImageCount>());

}  // namespace
