// The build-time art generator: draws every registered image (cairo) and glyph strip (FreeType),
// writes each as a PNG, a generated C++ file that compiles them into the toolkit (with the width
// tables of the proportional strips), and a contact sheet for review.
//
//     tolva_artgen --out DIR --dejavu DIR --misc DIR
#include <cairo-ft.h>
#include <cairo.h>
#include <ft2build.h>
#include FT_FREETYPE_H
#include <png.h>

#include <algorithm>
#include <filesystem>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "ArtGen.h"

std::vector<ArtImage>& ArtImages() {
    static std::vector<ArtImage> images;
    return images;
}

namespace {
std::string g_fontFolders[2] = {"/usr/share/fonts/truetype/dejavu", "/usr/share/fonts/X11/misc"};
}  // namespace

const std::string& ArtFontFolder(ArtFontSource source) {
    return g_fontFolders[source == kArtDejaVu ? 0 : 1];
}

std::vector<ArtImageMetrics>& ArtImageMetricsList() {
    static std::vector<ArtImageMetrics> metrics;
    return metrics;
}

std::vector<ArtAfterwardsFn>& ArtAfterwards() {
    static std::vector<ArtAfterwardsFn> steps;
    return steps;
}

std::vector<ArtFont>& ArtFonts() {
    static std::vector<ArtFont> fonts;
    return fonts;
}

namespace {

// Straight (not premultiplied) B,G,R,A pixels, as the toolkit's bitmaps hold them.
struct Pixels {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> bgra;
    void Resize(int w, int h) {
        width = w;
        height = h;
        bgra.assign(static_cast<size_t>(w) * h * 4, 0);
    }
    uint8_t* At(int x, int y) { return &bgra[(static_cast<size_t>(y) * width + x) * 4]; }
};

struct Output {
    std::string name;
    Pixels pixels;
    std::vector<uint8_t> png;
    bool hasMetrics = false;
    int widths[256] = {};
    int cellHeight = 0;
    int textHeight = 0;
};

[[noreturn]] void Fail(const std::string& what) {
    std::fprintf(stderr, "artgen: %s\n", what.c_str());
    std::exit(1);
}

void PngWrite(png_structp png, png_bytep data, png_size_t length) {
    auto* out = static_cast<std::vector<uint8_t>*>(png_get_io_ptr(png));
    out->insert(out->end(), data, data + length);
}

void PngFlush(png_structp) {}

// A fixed encoding (no time or text chunks) so the same pixels always give the same bytes.
std::vector<uint8_t> EncodePng(const Pixels& pixels) {
    std::vector<uint8_t> out;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    if (png == nullptr || info == nullptr) Fail("libpng");
    if (setjmp(png_jmpbuf(png))) Fail("libpng write error");
    png_set_write_fn(png, &out, PngWrite, PngFlush);
    png_set_compression_level(png, 6);
    png_set_IHDR(png, info, pixels.width, pixels.height, 8, PNG_COLOR_TYPE_RGB_ALPHA, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    std::vector<uint8_t> row(static_cast<size_t>(pixels.width) * 4);
    for (int y = 0; y < pixels.height; ++y) {
        const uint8_t* src = &pixels.bgra[static_cast<size_t>(y) * pixels.width * 4];
        for (int x = 0; x < pixels.width; ++x) {
            row[x * 4 + 0] = src[x * 4 + 2];
            row[x * 4 + 1] = src[x * 4 + 1];
            row[x * 4 + 2] = src[x * 4 + 0];
            row[x * 4 + 3] = src[x * 4 + 3];
        }
        png_write_row(png, row.data());
    }
    png_write_end(png, info);
    png_destroy_write_struct(&png, &info);
    return out;
}

// cairo's premultiplied ARGB32 to straight B,G,R,A.
void FromCairo(cairo_surface_t* surface, Pixels* pixels, int atY) {
    cairo_surface_flush(surface);
    const int w = cairo_image_surface_get_width(surface);
    const int h = cairo_image_surface_get_height(surface);
    const int stride = cairo_image_surface_get_stride(surface);
    const uint8_t* data = cairo_image_surface_get_data(surface);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const uint8_t* s = data + static_cast<size_t>(y) * stride + x * 4;
            uint8_t* d = pixels->At(x, atY + y);
            const int a = s[3];
            for (int c = 0; c < 3; ++c)
                d[c] = a == 0 ? 0 : static_cast<uint8_t>(std::min(255, (s[c] * 255 + a / 2) / a));
            d[3] = static_cast<uint8_t>(a);
        }
    }
}

void RenderImage(const ArtImage& image, Output* out) {
    if (image.width <= 0 || image.height <= 0 || image.frames <= 0 || image.draw == nullptr) {
        Fail(std::string("bad image record ") + image.name);
    }
    out->pixels.Resize(image.width, image.height * image.frames);
    for (int f = 0; f < image.frames; ++f) {
        cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, image.width, image.height);
        cairo_t* cr = cairo_create(surface);
        image.draw(cr, f, image.width, image.height);
        if (cairo_status(cr) != CAIRO_STATUS_SUCCESS) Fail(std::string("cairo error drawing ") + image.name);
        cairo_destroy(cr);
        FromCairo(surface, &out->pixels, f * image.height);
        cairo_surface_destroy(surface);
    }
}

struct Glyph {
    int left = 0;
    int top = 0;  // rows above the baseline
    int advance = 0;
    int width = 0;
    int rows = 0;
    std::vector<uint8_t> coverage;
};

Glyph LoadGlyph(FT_Face face, int code, bool mono) {
    Glyph g;
    const FT_Int32 flags = FT_LOAD_RENDER | (mono ? FT_LOAD_TARGET_MONO : FT_LOAD_TARGET_NORMAL);
    if (FT_Get_Char_Index(face, code) == 0 || FT_Load_Char(face, code, flags) != 0) return g;
    const FT_GlyphSlot slot = face->glyph;
    g.left = slot->bitmap_left;
    g.top = slot->bitmap_top;
    g.advance = static_cast<int>((slot->advance.x + 32) >> 6);
    g.width = static_cast<int>(slot->bitmap.width);
    g.rows = static_cast<int>(slot->bitmap.rows);
    g.coverage.assign(static_cast<size_t>(g.width) * g.rows, 0);
    for (int y = 0; y < g.rows; ++y) {
        const uint8_t* row = slot->bitmap.buffer + static_cast<ptrdiff_t>(y) * slot->bitmap.pitch;
        for (int x = 0; x < g.width; ++x) {
            uint8_t v;
            if (slot->bitmap.pixel_mode == FT_PIXEL_MODE_MONO) {
                v = (row[x >> 3] & (0x80 >> (x & 7))) ? 255 : 0;
            } else {
                v = row[x];
            }
            g.coverage[static_cast<size_t>(y) * g.width + x] = v;
        }
    }
    return g;
}

void RenderFont(FT_Library library, const ArtFont& font, const std::string& folder, Output* out) {
    const std::string path = folder + "/" + font.file;
    FT_Face face;
    if (FT_New_Face(library, path.c_str(), 0, &face) != 0) Fail("cannot open font " + path);
    bool mono = false;
    if (FT_IS_SCALABLE(face)) {
        if (FT_Set_Pixel_Sizes(face, 0, font.pixelSize) != 0) Fail("cannot size font " + path);
    } else {
        if (face->num_fixed_sizes <= 0) Fail("no strike in " + path);
        int best = 0;
        for (int i = 1; i < face->num_fixed_sizes; ++i) {
            if (std::abs(face->available_sizes[i].height - font.pixelSize) <
                std::abs(face->available_sizes[best].height - font.pixelSize)) {
                best = i;
            }
        }
        if (FT_Select_Size(face, best) != 0) Fail("cannot select strike in " + path);
        mono = true;
    }
    const int ascender = static_cast<int>((face->size->metrics.ascender + 32) >> 6);
    const int descender = static_cast<int>((-face->size->metrics.descender + 32) >> 6);
    const int cellHeight = ascender + descender;

    Glyph glyphs[128];
    int cellWidth = 1;
    for (int c = 32; c < 127; ++c) {
        glyphs[c] = LoadGlyph(face, c, mono);
        cellWidth = std::max({cellWidth, glyphs[c].advance, glyphs[c].left + glyphs[c].width});
    }
    out->pixels.Resize(cellWidth, cellHeight * 128);
    const uint8_t b = font.colour & 0xFF, gch = (font.colour >> 8) & 0xFF, r = (font.colour >> 16) & 0xFF;
    const int alpha = (font.colour >> 24) & 0xFF;
    for (int c = 32; c < 127; ++c) {
        const Glyph& g = glyphs[c];
        for (int y = 0; y < g.rows; ++y) {
            const int py = ascender - g.top + y;
            if (py < 0 || py >= cellHeight) continue;
            for (int x = 0; x < g.width; ++x) {
                const int px = g.left + x;
                if (px < 0 || px >= cellWidth) continue;
                const int cov = g.coverage[static_cast<size_t>(y) * g.width + x];
                if (cov == 0) continue;
                uint8_t* d = out->pixels.At(px, c * cellHeight + py);
                d[0] = b;
                d[1] = gch;
                d[2] = r;
                d[3] = static_cast<uint8_t>((cov * alpha + 127) / 255);
            }
        }
    }
    if (font.kind == kArtProportional) {
        out->hasMetrics = true;
        out->cellHeight = cellHeight;
        const Glyph& capital = glyphs[static_cast<int>('H')];
        out->textHeight = capital.rows > 0 ? capital.rows : ascender;
        for (int c = 32; c < 127; ++c) {
            const Glyph& g = glyphs[c];
            out->widths[c] = std::min(cellWidth, std::max(g.advance, g.left + g.width));
            out->widths[c + 128] = g.advance;
        }
    }
    FT_Done_Face(face);
}

void WriteFile(const std::string& path, const void* data, size_t size) {
    // Written only when different, so the generated file's time stamp moves only when its bytes do.
    FILE* f = std::fopen(path.c_str(), "rb");
    if (f != nullptr) {
        std::vector<uint8_t> old;
        uint8_t buf[65536];
        size_t n;
        while ((n = std::fread(buf, 1, sizeof buf, f)) > 0) old.insert(old.end(), buf, buf + n);
        std::fclose(f);
        if (old.size() == size && std::memcmp(old.data(), data, size) == 0) return;
    }
    const std::string temp = path + ".part";
    f = std::fopen(temp.c_str(), "wb");
    if (f == nullptr || std::fwrite(data, 1, size, f) != size || std::fclose(f) != 0)
        Fail("cannot write " + path);
    if (std::rename(temp.c_str(), path.c_str()) != 0) Fail("cannot rename " + temp);
}

std::string CIdentifier(const std::string& name) {
    std::string id = "k";
    for (char c : name) id += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
    return id;
}

std::string GenerateSource(const std::vector<Output>& outputs) {
    std::string s;
    s += "// Generated by the art generator (Tools/ArtGen); do not edit.\n";
    s += "#include \"Hfc/Base/HfcBundle.h\"\n\nnamespace {\n";
    char line[64];
    for (const Output& o : outputs) {
        s += "const unsigned char " + CIdentifier(o.name) + "[] = {";
        for (size_t i = 0; i < o.png.size(); ++i) {
            if (i % 20 == 0) s += "\n    ";
            std::snprintf(line, sizeof line, "%u,", o.png[i]);
            s += line;
        }
        s += "\n};\n";
    }
    s += "const HfcResource kResources[] = {\n";
    for (const Output& o : outputs) {
        s += "    {\"" + o.name + ".png\", " + CIdentifier(o.name) + ", sizeof " + CIdentifier(o.name) +
             "},\n";
    }
    s += "    {nullptr, nullptr, 0},\n};\n";
    s += "const HfcFontMetrics kFontMetrics[] = {\n";
    for (const Output& o : outputs) {
        if (!o.hasMetrics) continue;
        s += "    {\"" + o.name + "\",\n     {";
        for (int i = 0; i < 256; ++i) {
            if (i > 0 && i % 32 == 0) s += "\n      ";
            std::snprintf(line, sizeof line, "%d,", o.widths[i]);
            s += line;
        }
        std::snprintf(line, sizeof line, "},\n     %d,\n     %d},\n", o.cellHeight, o.textHeight);
        s += line;
    }
    s += "    {nullptr, {}, 0, 0},\n};\n}  // namespace\n\n";
    s += "const HfcResource* HfcCompiledResources(size_t* count) {\n";
    s += "    if (count != nullptr) *count = sizeof kResources / sizeof kResources[0] - 1;\n";
    s += "    return kResources;\n}\n\n";
    s += "const HfcFontMetrics* HfcCompiledFontMetrics(size_t* count) {\n";
    s += "    if (count != nullptr) *count = sizeof kFontMetrics / sizeof kFontMetrics[0] - 1;\n";
    s += "    return kFontMetrics;\n}\n";
    return s;
}

// Every output on a grey sheet, each under its name, fonts with a sample line drawn by their widths.
Pixels ContactSheet(const std::vector<Output>& outputs, FT_Library library, const std::string& dejavu) {
    const int margin = 8, labelHeight = 16, sheetWidth = 1200;
    struct Place {
        int x, y, w, h;
    };
    std::vector<Place> places;
    int x = margin, y = margin, rowHeight = 0;
    for (const Output& o : outputs) {
        const int w = std::min(o.pixels.width, sheetWidth - 2 * margin);
        const int h = std::min(o.pixels.height, 400) + labelHeight + (o.hasMetrics ? o.cellHeight + 4 : 0);
        const int cw = std::max(w, o.hasMetrics ? 420 : 160);
        if (x + cw > sheetWidth - margin) {
            x = margin;
            y += rowHeight + margin;
            rowHeight = 0;
        }
        places.push_back({x, y, cw, h});
        x += cw + margin;
        rowHeight = std::max(rowHeight, h);
    }
    const int sheetHeight = y + rowHeight + margin;
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, sheetWidth, sheetHeight);
    cairo_t* cr = cairo_create(surface);
    cairo_set_source_rgb(cr, 0.5, 0.5, 0.5);
    cairo_paint(cr);
    FT_Face face = nullptr;
    cairo_font_face_t* cairoFace = nullptr;
    if (FT_New_Face(library, (dejavu + "/DejaVuSans.ttf").c_str(), 0, &face) == 0) {
        cairoFace = cairo_ft_font_face_create_for_ft_face(face, 0);
        cairo_set_font_face(cr, cairoFace);
        cairo_set_font_size(cr, 11);
    }
    for (size_t i = 0; i < outputs.size(); ++i) {
        const Output& o = outputs[i];
        const Place& p = places[i];
        cairo_set_source_rgb(cr, 0, 0, 0);
        cairo_move_to(cr, p.x, p.y + 11);
        cairo_show_text(cr, o.name.c_str());
        // Straight pixels back to premultiplied for cairo.
        // Glyph strips start at the space row: rows 0-31 are empty.
        const int skip = o.hasMetrics ? 32 * o.cellHeight : 0;
        const int w = std::min(o.pixels.width, sheetWidth - 2 * margin);
        const int h = std::min(o.pixels.height - skip, 400);
        cairo_surface_t* img = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, w, h);
        uint8_t* data = cairo_image_surface_get_data(img);
        const int stride = cairo_image_surface_get_stride(img);
        const Pixels& px = o.pixels;
        for (int yy = 0; yy < h; ++yy) {
            for (int xx = 0; xx < w; ++xx) {
                const uint8_t* s = &px.bgra[(static_cast<size_t>(yy + skip) * px.width + xx) * 4];
                uint8_t* d = data + static_cast<size_t>(yy) * stride + xx * 4;
                for (int c = 0; c < 3; ++c) d[c] = static_cast<uint8_t>((s[c] * s[3] + 127) / 255);
                d[3] = s[3];
            }
        }
        cairo_surface_mark_dirty(img);
        cairo_set_source_surface(cr, img, p.x, p.y + labelHeight);
        cairo_paint(cr);
        cairo_surface_destroy(img);
        if (o.hasMetrics) {
            // A sample line laid out by the width table, as the toolkit draws it.
            const char* sample = "Load Error  Receive All?  OK  Cancel  Untitled.Xall";
            int pen = 0;
            const int sy = p.y + labelHeight + h + 2;
            for (const char* c = sample; *c != '\0' && pen < sheetWidth; ++c) {
                const int code = static_cast<unsigned char>(*c);
                if (code < 128) {
                    cairo_surface_t* glyph =
                        cairo_image_surface_create(CAIRO_FORMAT_ARGB32, o.widths[code] + 1, o.cellHeight);
                    uint8_t* gd = cairo_image_surface_get_data(glyph);
                    const int gs = cairo_image_surface_get_stride(glyph);
                    for (int yy = 0; yy < o.cellHeight; ++yy) {
                        for (int xx = 0; xx < o.widths[code] && xx < px.width; ++xx) {
                            const int a =
                                px.bgra[(static_cast<size_t>(code * o.cellHeight + yy) * px.width + xx) * 4 +
                                        3];
                            gd[yy * gs + xx * 4 + 3] = static_cast<uint8_t>(a);
                        }
                    }
                    cairo_surface_mark_dirty(glyph);
                    cairo_set_source_surface(cr, glyph, p.x + pen, sy);
                    cairo_paint(cr);
                    cairo_surface_destroy(glyph);
                    pen += o.widths[code + 128];
                }
            }
        }
    }
    cairo_destroy(cr);
    if (cairoFace != nullptr) cairo_font_face_destroy(cairoFace);
    Pixels sheet;
    sheet.Resize(sheetWidth, sheetHeight);
    FromCairo(surface, &sheet, 0);
    cairo_surface_destroy(surface);
    if (face != nullptr) FT_Done_Face(face);
    return sheet;
}

}  // namespace

int main(int argc, char** argv) {
    std::string out, dejavu = "/usr/share/fonts/truetype/dejavu", misc = "/usr/share/fonts/X11/misc";
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string key = argv[i];
        if (key == "--out") {
            out = argv[i + 1];
        } else if (key == "--dejavu") {
            dejavu = argv[i + 1];
        } else if (key == "--misc") {
            misc = argv[i + 1];
        } else {
            Fail("unknown option " + key);
        }
    }
    if (out.empty()) Fail("usage: tolva_artgen --out DIR [--dejavu DIR] [--misc DIR]");
    g_fontFolders[0] = dejavu;
    g_fontFolders[1] = misc;
    std::error_code error;
    std::filesystem::create_directories(out + "/png", error);
    if (error) Fail("cannot make " + out + "/png");

    // Sorted by name so the table's order never depends on link order.
    std::vector<ArtImage> images = ArtImages();
    std::vector<ArtFont> fonts = ArtFonts();
    std::map<std::string, int> seen;
    std::vector<Output> outputs;
    FT_Library library;
    if (FT_Init_FreeType(&library) != 0) Fail("FreeType");
    for (const ArtFont& font : fonts) {
        Output o;
        o.name = font.name;
        RenderFont(library, font, font.source == kArtDejaVu ? dejavu : misc, &o);
        outputs.push_back(std::move(o));
    }
    for (const ArtImage& image : images) {
        Output o;
        o.name = image.name;
        RenderImage(image, &o);
        for (const ArtImageMetrics& m : ArtImageMetricsList()) {
            if (o.name != m.name) continue;
            o.hasMetrics = true;
            m.metrics(m.name, o.widths, &o.cellHeight, &o.textHeight);
        }
        outputs.push_back(std::move(o));
    }
    std::sort(outputs.begin(), outputs.end(),
              [](const Output& a, const Output& b) { return a.name < b.name; });
    for (const Output& o : outputs) {
        if (seen[o.name]++ > 0) Fail("two resources named " + o.name);
    }
    for (Output& o : outputs) {
        o.png = EncodePng(o.pixels);
        WriteFile(out + "/png/" + o.name + ".png", o.png.data(), o.png.size());
    }
    const Pixels sheet = ContactSheet(outputs, library, dejavu);
    const std::vector<uint8_t> sheetPng = EncodePng(sheet);
    WriteFile(out + "/ContactSheet.png", sheetPng.data(), sheetPng.size());
    const std::string source = GenerateSource(outputs);
    WriteFile(out + "/HfcResourcesData.cpp", source.data(), source.size());
    for (ArtAfterwardsFn step : ArtAfterwards()) step(out.c_str());
    FT_Done_FreeType(library);
    return 0;
}
