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
#include "Common/Controls/ArtGeometry.h"
#include "EditorFonts.h"
#include "EditorPaint.h"

namespace {

using namespace EditorPaint;
namespace G = ArtGeometry;

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

// One face of an image at (x, y) of the sheet.
void Place(cairo_t* cr, const std::string& dir, const char* name, int face, int x, int y) {
    cairo_surface_t* s = cairo_image_surface_create_from_png((dir + "/png/" + name + ".png").c_str());
    const ArtCatalogue::ImageInfo* info = ArtCatalogue::FindImage(name);
    if (cairo_surface_status(s) == CAIRO_STATUS_SUCCESS && info != nullptr) {
        const int fh = info->height / info->frames;
        cairo_save(cr);
        cairo_rectangle(cr, x, y, info->width, fh);
        cairo_clip(cr);
        cairo_set_source_surface(cr, s, x, y - face * fh);
        cairo_paint(cr);
        cairo_restore(cr);
    }
    cairo_surface_destroy(s);
}

// The program edit page as the window would show it, assembled from the images at the places the
// editor puts them: a review of how the pieces sit together (the code draws texts and values).
void MockWindow(cairo_t* cr, const std::string& dir, int ox, int oy) {
    auto at = [&](const char* name, int face, int x, int y) { Place(cr, dir, name, face, ox + x, oy + y); };
    at("Background_Base", 0, 0, 0);
    at("Switch_ModeSelect_COMBI", 0, 17, 10);
    at("Switch_ModeSelect_MULTI", 0, 17, 41);
    at("Switch_ModeSelect_PROG", 1, 66, 10);
    at("Switch_ModeSelect_GLOBAL", 0, 66, 41);
    at("Switch_Arrow_Up", 0, 373, 18);
    at("Switch_Arrow_Down", 0, 373, 28);
    at("Switch_CategoryDisplay", 0, 397, 17);
    at("Switch_BankDisplay", 0, 481, 17);
    at("Switch_RTKnob_Select_Filter", 1, 516, 11);
    at("Switch_RTKnob_Select_User", 0, 516, 27);
    at("Switch_RTKnob_Select_Arp", 0, 516, 43);
    at("Switch_Oval", 0, 527, 58);
    const int knobs[] = {577, 637, 696, 754};
    for (int k = 0; k < 4; ++k) at("Knob_RealTimeKnob", 16 + 12 * k, knobs[k], 29);
    at("Tab_BlueBrowser_Browser", 0, G::kBrowserTabX, G::kBrowserTabY);
    at("Background_BlueBrowser_Small", 0, G::kBrowserTabX, G::kBrowserPageTop);
    at("Switch_Utility", 0, 165, 83);
    at("Tab_Prog_Main", 1, G::kMainTabX, G::kMainTabY);
    // The active tab (Basic) from the strip's first row.
    {
        cairo_surface_t* s = cairo_image_surface_create_from_png((dir + "/png/Tab_Prog_Main.png").c_str());
        const int tx = G::kMainTabWidth + G::kMainTabGap;
        cairo_save(cr);
        cairo_rectangle(cr, ox + G::kMainTabX + tx, oy + G::kMainTabY, tx, G::kMainTabHeight);
        cairo_clip(cr);
        cairo_set_source_surface(cr, s, ox + G::kMainTabX, oy + G::kMainTabY);
        cairo_paint(cr);
        cairo_restore(cr);
        cairo_surface_destroy(s);
    }
    const int pageY = G::kMainTabY + G::kMainTabHeight;
    at("Background_MainTab_Large", 0, G::kMainTabX, pageY);
    at("Tab_Low_Prog_Basic", 1, G::kMainTabX + 7, pageY + 142);
    at("Background_SubTab", 0, G::kMainTabX + 7, pageY + 142 + G::kSubTabHeight);
    at("Switch_OscillatorMode", 0, G::kMainTabX + 38, pageY + 35);
    at("Container_Plane_170X31", 0, G::kMainTabX + 168, pageY + 33);
    at("Container_Plane_170X31", 0, G::kMainTabX + 168, pageY + 65);
    at("SoundSelector_LCD_139X25", 0, G::kMainTabX + 168 + 28, pageY + 33 + 3);
    at("SoundSelector_LCD_139X25", 0, G::kMainTabX + 168 + 28, pageY + 65 + 3);
    at("Container_Plane_170X31", 0, G::kMainTabX + 371, pageY + 33);
    at("Container_Plane_170X31", 0, G::kMainTabX + 371, pageY + 65);
    at("SoundSelector_LCD_139X25", 0, G::kMainTabX + 371 + 28, pageY + 33 + 3);
    at("SoundSelector_LCD_139X25", 0, G::kMainTabX + 371 + 28, pageY + 65 + 3);
    // A few form controls on the sublevel page.
    const int fx = G::kMainTabX + 7 + 20, fy = pageY + 142 + G::kSubTabHeight + 20;
    for (int r = 0; r < 5; ++r) {
        at("HorizontalValueBarBack_96X13_4C", 0, fx + 110, fy + r * 22);
        at("HorizontalValueBar", 0, fx + 110 + G::kHBarX, fy + r * 22 + G::kHBarY);
        at("DropdownList_96X13", 0, fx + 330, fy + r * 22);
        at("Switch_CheckBox", r % 2, fx + 450, fy + r * 22);
    }
    at("Knob_MeterBack", 0, fx + 470, fy + 120);
    at("Knob_Meter", 0, fx + 470, fy + 120);
    at("ControllerKeyboard", 0, G::kCtlKeyboardX, G::kCtlKeyboardY);
    at("ControllerWheel", G::kWheelFrames / 2, 91, 539);
    at("ControllerWheel", 0, 112, 539);
    at("Image_Logo_QnEditor", 0, 8, 547);
    at("Image_Logo_VELK", 0, 28, 570);
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
    const int mockTop = y + shelf + 2 * kMargin;
    const int samplesTop = mockTop + G::kWindowHeight + 2 * kMargin;
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
    MockWindow(cr, dir, kMargin, mockTop);
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
