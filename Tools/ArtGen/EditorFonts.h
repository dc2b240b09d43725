#pragma once
// The editor's glyph strips, rendered once with FreeType and kept for the images that print text
// with them (captions of switches and tabs are drawn in the editor's own fonts).
#include <cairo.h>

#include <cstdint>
#include <string>
#include <vector>

struct EditorStrip {
    std::string name;
    int cellWidth = 0;
    int cellHeight = 0;
    int textHeight = 0;
    int baseline = 0;
    uint32_t colour = 0xFFFFFFFF;  // of the face; the shadow is black
    // Coverage of the face and of the shadow, cellWidth x (cellHeight x 128).
    std::vector<uint8_t> face;
    std::vector<uint8_t> shadow;
    int widths[256] = {};  // 0..127 drawn widths, 128..255 advances (as the font records hold them)
};

// The strip of that name ("FontGeneva9", "TextW6H9", ...); fails the generator when unknown.
const EditorStrip& EditorStripNamed(const std::string& name);

// Width in pixels of text laid out by the strip's advances.
int EditorTextWidth(const EditorStrip& strip, const std::string& text);
// Prints text with its cell's top-left at (x, y), face in colour (0xAARRGGBB), as the toolkit's
// proportional text does (each glyph cut to its drawn width, pen moved by the advance).
void EditorDrawText(cairo_t* cr, const EditorStrip& strip, int x, int y, const std::string& text,
                    uint32_t colour);
// Text centred in a box: horizontally on its advances, vertically on the font's text height.
void EditorDrawTextCentred(cairo_t* cr, const EditorStrip& strip, int x, int y, int w, int h,
                           const std::string& text, uint32_t colour);
