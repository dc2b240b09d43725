// The editor's nine glyph strips. Proportional strips are DejaVu Sans (fonts-dejavu-core) rendered
// with light hinting and grey coverage, each glyph fitted to the advance the font tables give (a
// glyph wider than its advance less one pixel is condensed horizontally), baseline at the text
// height. The fixed strips are the public-domain misc-fixed bitmap fonts of xfonts-base, copied
// pixel for pixel. Strips are white with coverage in alpha; "TextW6H9" carries its grey.
#include "EditorFonts.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <memory>

#include "ArtGen.h"
#include "Common/Controls/ArtCatalogue.h"
#include "Common/FontManager/FontTables.h"

namespace {

using FontTables::FontTable;

[[noreturn]] void Fail(const std::string& what) {
    std::fprintf(stderr, "artgen: %s\n", what.c_str());
    std::exit(1);
}

struct StripSpec {
    const FontTable* table;  // null for the fixed strip
    ArtFontSource source;
    const char* file;
    int pixelSize;
    bool shadow;
};

const StripSpec kSpecs[] = {
    {&FontTables::kW4H9, kArtMisc, "5x8.pcf.gz", 8, false},
    {&FontTables::kGeneva9, kArtDejaVu, "DejaVuSans.ttf", 10, false},
    {&FontTables::kGeneva9Shadow, kArtDejaVu, "DejaVuSans.ttf", 10, true},
    {&FontTables::kGeneva9ForControls, kArtDejaVu, "DejaVuSans.ttf", 10, false},
    {&FontTables::kGeneva10, kArtDejaVu, "DejaVuSans.ttf", 11, false},
    {&FontTables::kHelvB11, kArtDejaVu, "DejaVuSans-Bold.ttf", 11, false},
    {&FontTables::kHelvB11Shadow, kArtDejaVu, "DejaVuSans-Bold.ttf", 11, true},
    {&FontTables::kHelvB18, kArtDejaVu, "DejaVuSans-Bold.ttf", 18, false},
    {nullptr, kArtMisc, "6x9.pcf.gz", 9, false},
};

struct Bitmap {
    int left = 0;  // pen-relative column of the first bitmap column
    int top = 0;   // rows above the baseline
    int width = 0;
    int rows = 0;
    std::vector<uint8_t> coverage;
    uint8_t At(int x, int y) const { return coverage[static_cast<size_t>(y) * width + x]; }
};

Bitmap Render(FT_Face face, int code, bool mono, double squeeze) {
    Bitmap b;
    FT_Matrix m = {static_cast<FT_Fixed>(std::lround(squeeze * 65536.0)), 0, 0, 0x10000};
    FT_Set_Transform(face, mono ? nullptr : &m, nullptr);
    const FT_Int32 flags = FT_LOAD_RENDER | (mono ? FT_LOAD_TARGET_MONO : FT_LOAD_TARGET_LIGHT);
    if (FT_Get_Char_Index(face, code) == 0 || FT_Load_Char(face, code, flags) != 0) return b;
    const FT_GlyphSlot slot = face->glyph;
    b.left = slot->bitmap_left;
    b.top = slot->bitmap_top;
    b.width = static_cast<int>(slot->bitmap.width);
    b.rows = static_cast<int>(slot->bitmap.rows);
    b.coverage.assign(static_cast<size_t>(b.width) * b.rows, 0);
    for (int y = 0; y < b.rows; ++y) {
        const uint8_t* row = slot->bitmap.buffer + static_cast<ptrdiff_t>(y) * slot->bitmap.pitch;
        for (int x = 0; x < b.width; ++x) {
            b.coverage[static_cast<size_t>(y) * b.width + x] =
                slot->bitmap.pixel_mode == FT_PIXEL_MODE_MONO ? ((row[x >> 3] & (0x80 >> (x & 7))) ? 255 : 0)
                                                              : row[x];
        }
    }
    return b;
}

// First and last column holding ink (coverage of at least a sixteenth), or {0, -1}.
std::pair<int, int> InkColumns(const Bitmap& b) {
    int first = b.width, last = -1;
    for (int x = 0; x < b.width; ++x) {
        for (int y = 0; y < b.rows; ++y) {
            if (b.At(x, y) >= 16) {
                first = std::min(first, x);
                last = std::max(last, x);
            }
        }
    }
    return {first, last};
}

// The character drawn in cell code: printable ASCII, and the signs inline entry uses.
int CharOfCell(int code) {
    if (code == FontTables::kPlusCode) return '+';
    if (code == FontTables::kMinusCode) return '-';
    return code >= 32 && code < 127 ? code : 0;
}

std::string FontPath(ArtFontSource source, const char* file) {
    return ArtFontFolder(source) + "/" + file;
}

std::unique_ptr<EditorStrip> Build(const StripSpec& spec) {
    const ArtCatalogue::StripInfo* info =
        ArtCatalogue::FindStrip(spec.table != nullptr ? spec.table->name : FontTables::kFixedStripName);
    if (info == nullptr) Fail("strip missing from the catalogue");
    auto strip = std::make_unique<EditorStrip>();
    strip->name = info->name;
    strip->cellWidth = info->cellWidth;
    strip->cellHeight = info->cellHeight;
    const size_t cells = static_cast<size_t>(strip->cellWidth) * strip->cellHeight * 128;
    strip->face.assign(cells, 0);
    strip->shadow.assign(cells, 0);

    static FT_Library library = nullptr;
    if (library == nullptr && FT_Init_FreeType(&library) != 0) Fail("FreeType");
    FT_Face face;
    const std::string path = FontPath(spec.source, spec.file);
    if (FT_New_Face(library, path.c_str(), 0, &face) != 0) Fail("cannot open font " + path);
    const bool mono = !FT_IS_SCALABLE(face);
    if (mono) {
        if (face->num_fixed_sizes <= 0 || FT_Select_Size(face, 0) != 0) Fail("no strike in " + path);
    } else if (FT_Set_Pixel_Sizes(face, 0, spec.pixelSize) != 0) {
        Fail("cannot size font " + path);
    }

    const FontTable* t = spec.table;
    if (t == nullptr) {
        strip->colour = FontTables::kFixedColour;
        strip->textHeight = strip->cellHeight;
        strip->baseline = 7;
    } else {
        strip->textHeight = t->textHeight;
        strip->baseline = t->textHeight < t->cellHeight ? t->textHeight : t->cellHeight - 2;
    }
    const int W = strip->cellWidth;
    const int H = strip->cellHeight;
    for (int code = 0; code < 128; ++code) {
        const int advance = t != nullptr ? FontTables::Advance(*t, code) : W;
        const int ch = CharOfCell(code);
        int inkRight = -1;
        if (ch != 0 && ch != ' ') {
            // Room for the face: the advance less one pixel of air (the shadow may use the air).
            const int room = std::max(1, std::min(W, advance - 1) - (spec.shadow ? 0 : 0));
            double squeeze = 1.0;
            Bitmap b;
            std::pair<int, int> ink;
            for (int attempt = 0; attempt < 6; ++attempt) {
                b = Render(face, ch, mono, squeeze);
                ink = InkColumns(b);
                const int inkWidth = ink.second - ink.first + 1;
                if (mono || t == nullptr || inkWidth <= room || ink.second < 0) break;
                squeeze *= (room - 0.15) / inkWidth;
            }
            if (ink.second >= 0) {
                int x0;
                if (mono) {
                    // Bitmap fonts keep their own placement unless a glyph would reach its drawn
                    // width; one wider than that keeps its middle columns (a narrower "+").
                    const int limit = t != nullptr ? std::min(advance, W) : W;
                    while (ink.second - ink.first + 1 > limit) {
                        ++ink.first;
                        if (ink.second - ink.first + 1 > limit) --ink.second;
                    }
                    x0 = b.left + ink.first;
                    if (x0 + (ink.second - ink.first + 1) > limit)
                        x0 = std::max(0, limit - (ink.second - ink.first + 1));
                } else {
                    x0 = std::max(0, (room - (ink.second - ink.first + 1)) / 2);
                }
                // A glyph that lies mostly below the cell (the underscore) is lifted into it.
                int top = strip->baseline - b.top;
                if (top + b.rows > H && top + b.rows / 2 >= H) top = H - b.rows;
                for (int y = 0; y < b.rows; ++y) {
                    const int py = top + y;
                    if (py < 0 || py >= H) continue;
                    for (int x = ink.first; x <= ink.second; ++x) {
                        const int px = x0 + x - ink.first;
                        const uint8_t v = b.At(x, y);
                        if (px < 0 || px >= W || v == 0) continue;
                        const size_t at = (static_cast<size_t>(code) * H + py) * W + px;
                        strip->face[at] = std::max(strip->face[at], v);
                        inkRight = std::max(inkRight, px);
                        if (spec.shadow && px + 1 < W && py + 1 < H) {
                            const size_t below = at + W + 1;
                            strip->shadow[below] = std::max(strip->shadow[below], v);
                            inkRight = std::max(inkRight, px + 1);
                        }
                    }
                }
            }
        }
        int drawn;
        if (t == nullptr) {
            drawn = W;
        } else if (t->drawnWidth != 0) {
            drawn = t->drawnWidth;
        } else if (spec.source == kArtMisc) {
            drawn = std::min(W, advance);  // the fixed 5-pixel font: drawn widths are its advances
        } else {
            drawn = std::clamp(inkRight + 1, 2, W);
        }
        strip->widths[code] = drawn;
        strip->widths[code + 128] = advance;
    }
    FT_Done_Face(face);
    return strip;
}

}  // namespace

const EditorStrip& EditorStripNamed(const std::string& name) {
    static std::map<std::string, std::unique_ptr<EditorStrip>> built;
    auto it = built.find(name);
    if (it != built.end()) return *it->second;
    for (const StripSpec& spec : kSpecs) {
        const char* specName = spec.table != nullptr ? spec.table->name : FontTables::kFixedStripName;
        if (name == specName) return *(built[name] = Build(spec));
    }
    Fail("unknown glyph strip " + name);
}

int EditorTextWidth(const EditorStrip& strip, const std::string& text) {
    int w = 0;
    for (char c : text) w += strip.widths[(static_cast<unsigned char>(c) & 0x7F) + 128];
    return w;
}

namespace {

// Paints one coverage plane of a glyph as a mask in colour.
void MaskGlyph(cairo_t* cr, const EditorStrip& strip, const std::vector<uint8_t>& plane, int code, int width,
               int x, int y, uint32_t colour) {
    if (width <= 0) return;
    const int H = strip.cellHeight;
    cairo_surface_t* mask = cairo_image_surface_create(CAIRO_FORMAT_A8, width, H);
    uint8_t* data = cairo_image_surface_get_data(mask);
    const int stride = cairo_image_surface_get_stride(mask);
    bool any = false;
    for (int yy = 0; yy < H; ++yy) {
        for (int xx = 0; xx < width; ++xx) {
            const uint8_t v = plane[(static_cast<size_t>(code) * H + yy) * strip.cellWidth + xx];
            data[yy * stride + xx] = v;
            any = any || v != 0;
        }
    }
    cairo_surface_mark_dirty(mask);
    if (any) {
        cairo_set_source_rgba(cr, ((colour >> 16) & 0xFF) / 255.0, ((colour >> 8) & 0xFF) / 255.0,
                              (colour & 0xFF) / 255.0, ((colour >> 24) & 0xFF) / 255.0);
        cairo_mask_surface(cr, mask, x, y);
    }
    cairo_surface_destroy(mask);
}

}  // namespace

void EditorDrawText(cairo_t* cr, const EditorStrip& strip, int x, int y, const std::string& text,
                    uint32_t colour) {
    int pen = x;
    for (char c : text) {
        const int code = static_cast<unsigned char>(c) & 0x7F;
        const int width = std::min(strip.widths[code], strip.cellWidth);
        MaskGlyph(cr, strip, strip.shadow, code, width, pen, y, 0xFF000000);
        MaskGlyph(cr, strip, strip.face, code, width, pen, y, colour);
        pen += strip.widths[code + 128];
    }
}

void EditorDrawTextCentred(cairo_t* cr, const EditorStrip& strip, int x, int y, int w, int h,
                           const std::string& text, uint32_t colour) {
    const int tw = EditorTextWidth(strip, text);
    // Centre the capitals: the cell's top sits baseline - text height above them.
    const int capTop = strip.baseline - strip.textHeight;
    EditorDrawText(cr, strip, x + (w - tw + 1) / 2, y + (h - strip.textHeight) / 2 - capTop, text, colour);
}

namespace {

// Each strip is an image of 128 faces (one per character code) of one cell.
template <size_t I>
void DrawStripCell(cairo_t* cr, int frame, int, int) {
    const ArtCatalogue::StripInfo& info = ArtCatalogue::kStrips[I];
    const EditorStrip& strip = EditorStripNamed(info.name);
    cairo_set_operator(cr, CAIRO_OPERATOR_OVER);
    MaskGlyph(cr, strip, strip.shadow, frame, strip.cellWidth, 0, 0, 0xFF000000);
    MaskGlyph(cr, strip, strip.face, frame, strip.cellWidth, 0, 0, strip.colour);
}

void StripMetrics(const char* name, int widths[256], int* cellHeight, int* textHeight) {
    const EditorStrip& strip = EditorStripNamed(name);
    std::copy(strip.widths, strip.widths + 256, widths);
    *cellHeight = strip.cellHeight;
    *textHeight = strip.textHeight;
}

template <size_t... I>
bool RegisterStrips(std::index_sequence<I...>) {
    (ArtImages().push_back(ArtImage{ArtCatalogue::kStrips[I].name, ArtCatalogue::kStrips[I].cellWidth,
                                    ArtCatalogue::kStrips[I].cellHeight, ArtCatalogue::kStripCells,
                                    &DrawStripCell<I>}),
     ...);
    for (const StripSpec& spec : kSpecs) {
        if (spec.table != nullptr) ArtImageMetricsList().push_back({spec.table->name, &StripMetrics});
    }
    return true;
}

const bool g_registered = RegisterStrips(
    std::make_index_sequence<sizeof(ArtCatalogue::kStrips) / sizeof(ArtCatalogue::kStrips[0])>());

}  // namespace
