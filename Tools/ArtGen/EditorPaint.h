#pragma once
// The editor's look, as a small painting kit shared by every editor image: a dark graphite panel
// lit from the top left, crisp one-pixel bevels, recessed glass displays, one blue accent family
// (red only where the editor uses red), captions in the editor's own bitmap fonts.
#include <cairo.h>

#include <cstdint>
#include <string>

namespace EditorPaint {

// Colours, 0xAARRGGBB.
inline constexpr uint32_t kPanelTop = 0xFF24272C;
inline constexpr uint32_t kPanelBottom = 0xFF17191C;
inline constexpr uint32_t kHighlight = 0xFF3B4047;
inline constexpr uint32_t kShadow = 0xFF0B0C0E;
inline constexpr uint32_t kPlate = 0xFF272A30;
inline constexpr uint32_t kPlateEdge = 0xFF353A42;
inline constexpr uint32_t kGlass = 0xFF0A141C;
inline constexpr uint32_t kGlassEdge = 0xFF1B2A36;
inline constexpr uint32_t kField = 0xFF0D1116;
inline constexpr uint32_t kAccent = 0xFF6178C2;
inline constexpr uint32_t kAccentLight = 0xFF8FA6EC;
inline constexpr uint32_t kAccentDark = 0xFF3C4E8C;
inline constexpr uint32_t kRed = 0xFFD23A32;
inline constexpr uint32_t kRedDark = 0xFF6E1A17;
inline constexpr uint32_t kCaption = 0xFFD2D6DC;
inline constexpr uint32_t kCaptionDim = 0xFF8A9099;
inline constexpr uint32_t kLedGreen = 0xFF5CE06A;

enum class Accent { Blue, Red, Neutral };

void SetColour(cairo_t* cr, uint32_t argb);
void Fill(cairo_t* cr, int x, int y, int w, int h, uint32_t argb);
// One-pixel outline inside the rectangle.
void Frame(cairo_t* cr, int x, int y, int w, int h, uint32_t argb);
// Vertical gradient fill.
void Gradient(cairo_t* cr, int x, int y, int w, int h, uint32_t top, uint32_t bottom);
// Raised (light top and left, dark bottom and right) or sunken one-pixel bevel.
void Bevel(cairo_t* cr, int x, int y, int w, int h, bool raised, uint32_t light = kHighlight,
           uint32_t dark = kShadow);
uint32_t Mix(uint32_t a, uint32_t b, double t);

// Adds a closed rounded-rectangle path (corner radius r) to the context's path.
void RoundedRect(cairo_t* cr, double x, double y, double w, double h, double r);
// The panel: graphite gradient with a raised edge.
void Panel(cairo_t* cr, int x, int y, int w, int h);
// A raised plate with rounded corners (containers); framed adds a fine accent hairline.
void Plate(cairo_t* cr, int x, int y, int w, int h, bool framed = false);
// A recessed plate, one step darker than the panel (page and browser backgrounds).
void Well(cairo_t* cr, int x, int y, int w, int h);
// Recessed glass display with an inner shadow.
void Glass(cairo_t* cr, int x, int y, int w, int h, Accent tint = Accent::Blue);
// A recessed text field.
void Field(cairo_t* cr, int x, int y, int w, int h);
// A small chevron pointing down, centred in the box.
void Chevron(cairo_t* cr, int x, int y, int w, int h, uint32_t argb, bool up = false);
// A push button: raised when up, pressed in and lit in the accent when on.
void Button(cairo_t* cr, int x, int y, int w, int h, bool on, Accent accent = Accent::Blue);
// An LED lens of diameter d at (cx, cy): dark when off, lit with a glow when on.
void Led(cairo_t* cr, double cx, double cy, double d, bool on, uint32_t colour = kAccentLight);
// Caption in one of the editor's fonts, centred in the box.
void Caption(cairo_t* cr, const std::string& font, int x, int y, int w, int h, const std::string& text,
             uint32_t argb);
void Text(cairo_t* cr, const std::string& font, int x, int y, const std::string& text, uint32_t argb);
int TextWidth(const std::string& font, const std::string& text);

}  // namespace EditorPaint
