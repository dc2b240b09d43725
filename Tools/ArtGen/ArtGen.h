#pragma once
// The art generator's registry. Each image or glyph strip is one line in a source file of this
// folder:
//
//     ART_IMAGE(KnobRing, "KnobRing", 40, 40, 64, DrawKnobRing);
//     ART_FONT(UiFont, "HfcUiFont", kArtDejaVu, "DejaVuSans.ttf", 11, kArtProportional, 0xFFFFFFFF);
//
// An image of n frames is one PNG of width x (height x n) pixels, frame f at y = f x height; its draw
// function paints frame f on a cleared, transparent cairo context of width x height (origin at the
// frame's top left, y down). Fonts are read by file path (never through fontconfig) so the output does
// not depend on what else is installed; every output byte depends only on the sources and the font
// files.
#include <cairo.h>

#include <cstdint>
#include <string>
#include <vector>

using ArtDrawFn = void (*)(cairo_t* cr, int frame, int width, int height);

struct ArtImage {
    const char* name;  // resource name without ".png"
    int width;
    int height;  // of one frame
    int frames;
    ArtDrawFn draw;
};

enum ArtFontSource {
    kArtDejaVu,  // fonts-dejavu-core: /usr/share/fonts/truetype/dejavu
    kArtMisc,    // xfonts-base: /usr/share/fonts/X11/misc (public-domain bitmap fonts)
};

enum ArtFontKind {
    // 128 rows of one cell height; glyphs left-aligned, white with coverage in alpha; a width table
    // (drawn widths, then advances) goes into the generated metrics.
    kArtProportional,
    // 128 cells stacked vertically, cell width = strip width, cell height = strip height / 128; each
    // glyph drawn in the font's colour.
    kArtFixed,
};

struct ArtFont {
    const char* name;  // resource name without ".png"; also the metrics' name
    ArtFontSource source;
    const char* file;  // file name inside the source folder
    int pixelSize;     // pixel height asked of the font (bitmap fonts: the nearest strike)
    ArtFontKind kind;
    uint32_t colour;  // 0xAARRGGBB of the glyphs (proportional strips: keep white)
};

// Width tables of glyph strips drawn as images (128 faces, one per character code): filled by a
// function of the strip's name, written into the generated metrics like those of ART_FONT strips.
using ArtMetricsFn = void (*)(const char* name, int widths[256], int* cellHeight, int* textHeight);
struct ArtImageMetrics {
    const char* name;
    ArtMetricsFn metrics;
};
// Steps run once every resource is written, with the output folder (e.g. a contact sheet of a
// family of images, read back from DIR/png).
using ArtAfterwardsFn = void (*)(const char* outDir);

// The folder a font source is read from (as given to the generator).
const std::string& ArtFontFolder(ArtFontSource source);

std::vector<ArtImage>& ArtImages();
std::vector<ArtImageMetrics>& ArtImageMetricsList();
std::vector<ArtAfterwardsFn>& ArtAfterwards();
std::vector<ArtFont>& ArtFonts();

struct ArtImageRegistrar {
    explicit ArtImageRegistrar(const ArtImage& image) { ArtImages().push_back(image); }
};
struct ArtFontRegistrar {
    explicit ArtFontRegistrar(const ArtFont& font) { ArtFonts().push_back(font); }
};

#define ART_IMAGE(id, name, width, height, frames, draw) \
    static const ArtImageRegistrar g_artImage_##id(ArtImage{name, width, height, frames, draw})
#define ART_FONT(id, name, source, file, pixelSize, kind, colour) \
    static const ArtFontRegistrar g_artFont_##id(ArtFont{name, source, file, pixelSize, kind, colour})
