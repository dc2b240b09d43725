// The contact sheet of the editor's art, for review: every image of the catalogue with all its
// faces (tall strips wrap into columns), each on a checkerboard under its name, then a text sample
// in every font, on the panel and enlarged. Written as "EditorContactSheet.png" beside the PNGs.
#include <cairo.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "ArtGen.h"
#include "Common/Controls/ArtCatalogue.h"
#include "EditorFonts.h"
#include "EditorPaint.h"

namespace {

using namespace EditorPaint;

constexpr int kSheetWidth = 1800;
constexpr int kMargin = 10;
constexpr int kLabel = 14;
constexpr int kMaxColumnHeight = 640;

struct Item {
    std::string name;
    int width, frameHeight, frames;
    int columns, rows;
    cairo_surface_t* image;
    int x = 0, y = 0;
    int BoxWidth() const {
        return std::max(columns * (width + 4) - 4, EditorTextWidth(EditorStripNamed("FontGeneva10"), name));
    }
    int BoxHeight() const { return kLabel + rows * (frameHeight + 4); }
};

void Checker(cairo_t* cr, int x, int y, int w, int h) {
    for (int yy = 0; yy < h; yy += 8) {
        for (int xx = 0; xx < w; xx += 8) {
            Fill(cr, x + xx, y + yy, std::min(8, w - xx), std::min(8, h - yy),
                 ((xx + yy) / 8) % 2 ? 0xFF8C8C8C : 0xFFA6A6A6);
        }
    }
}

void SheetAfterwards(const char* outDir) {
    const std::string dir = outDir;
    std::vector<Item> items;
    auto add = [&](const char* name, int width, int frameHeight, int frames) {
        cairo_surface_t* s = cairo_image_surface_create_from_png((dir + "/png/" + name + ".png").c_str());
        if (cairo_surface_status(s) != CAIRO_STATUS_SUCCESS) {
            std::fprintf(stderr, "artgen: cannot read back %s\n", name);
            cairo_surface_destroy(s);
            return;
        }
        // Faces run down a column until it is full, then on in the next column.
        const int perColumn = std::max(1, std::min(frames, kMaxColumnHeight / (frameHeight + 4)));
        const int columns = (frames + perColumn - 1) / perColumn;
        items.push_back({name, width, frameHeight, frames, columns, perColumn, s});
    };
    for (const ArtCatalogue::StripInfo& s : ArtCatalogue::kStrips) {
        add(s.name, s.cellWidth, s.cellHeight, ArtCatalogue::kStripCells);
    }
    for (const ArtCatalogue::ImageInfo& i : ArtCatalogue::kImages)
        add(i.name, i.width, i.height / i.frames, i.frames);

    // Shelf layout.
    int x = kMargin, y = kMargin, shelf = 0;
    for (Item& item : items) {
        const int w = std::min(item.BoxWidth(), kSheetWidth - 2 * kMargin);
        if (x + w > kSheetWidth - kMargin) {
            x = kMargin;
            y += shelf + kMargin;
            shelf = 0;
        }
        item.x = x;
        item.y = y;
        x += w + kMargin;
        shelf = std::max(shelf, item.BoxHeight());
    }
    const int samplesTop = y + shelf + 2 * kMargin;
    const int sampleRow = 40;
    const int height = samplesTop + 9 * sampleRow + kMargin;

    cairo_surface_t* sheet = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, kSheetWidth, height);
    cairo_t* cr = cairo_create(sheet);
    Fill(cr, 0, 0, kSheetWidth, height, 0xFF5E6268);
    for (Item& item : items) {
        Text(cr, "FontGeneva10", item.x, item.y, item.name, 0xFFFFFFFF);
        for (int f = 0; f < item.frames; ++f) {
            const int fx = item.x + (f / item.rows) * (item.width + 4);
            const int fy = item.y + kLabel + (f % item.rows) * (item.frameHeight + 4);
            Checker(cr, fx, fy, item.width, item.frameHeight);
            cairo_save(cr);
            cairo_rectangle(cr, fx, fy, item.width, item.frameHeight);
            cairo_clip(cr);
            cairo_set_source_surface(cr, item.image, fx, fy - f * item.frameHeight);
            cairo_paint(cr);
            cairo_restore(cr);
        }
        cairo_surface_destroy(item.image);
    }
    // A sample in every font, as the controls lay it out, on the panel: at 1:1 and at 2:1.
    const char* sample =
        "Load Error  Write Program?  OSC1 LFO2  -12 +63 127 Hz  The quick brown fox: 0123456789";
    int sy = samplesTop;
    for (const ArtCatalogue::StripInfo& s : ArtCatalogue::kStrips) {
        Panel(cr, kMargin, sy, kSheetWidth - 2 * kMargin, sampleRow - 4);
        Text(cr, "FontGeneva10", kMargin + 6, sy + 4, s.name, kCaptionDim);
        cairo_surface_t* line = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 560, 24);
        cairo_t* lc = cairo_create(line);
        Fill(lc, 0, 0, 560, 24, 0xFF1E2125);
        const uint32_t colour = std::string(s.name) == "FontGeneva10" ? 0xFFA0A0A0 : 0xFFFFFFFF;
        EditorDrawText(lc, EditorStripNamed(s.name), 2, 2, sample, colour);
        cairo_destroy(lc);
        cairo_set_source_surface(cr, line, kMargin + 160, sy + 4);
        cairo_paint(cr);
        cairo_save(cr);
        cairo_translate(cr, kMargin + 730, sy + 4);
        cairo_scale(cr, 2, 2);
        cairo_rectangle(cr, 0, 0, 520, 15);
        cairo_clip(cr);
        cairo_set_source_surface(cr, line, 0, 0);
        cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_NEAREST);
        cairo_paint(cr);
        cairo_restore(cr);
        cairo_surface_destroy(line);
        sy += sampleRow;
    }
    cairo_destroy(cr);
    cairo_surface_write_to_png(sheet, (dir + "/EditorContactSheet.png").c_str());
    cairo_surface_destroy(sheet);
}

const bool g_registered = (ArtAfterwards().push_back(&SheetAfterwards), true);

}  // namespace
