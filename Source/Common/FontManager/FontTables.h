#pragma once

// The editor's eight bitmap fonts as data: cell and text heights and the advance of every
// character. The font manager builds its records from these, and the art generator draws each
// glyph strip to fit the same advances, so text laid out by the records meets the glyphs drawn.
// Header only, constexpr, shared by the product and the generator.

namespace FontTables {

struct FontTable {
    const char* name;
    int cellHeight;
    int textHeight;
    int controlWidth;  // advance of codes 0..31 and the drawn width of codes 128..255 where constant
    int drawnWidth;    // drawn width of every glyph when the font has one for all, else 0
    int stripWidth;    // width of the glyph strip: the widest drawn width
    unsigned char advances[95];  // codes 32 (space) .. 126
};

// Helper to spell the ten digits' advances.
#define TOLVA_DIGITS(w) w, w, w, w, w, w, w, w, w, w

inline constexpr FontTable kHelvB18 = {
    "FontHelvB18",
    21,
    14,
    18,
    18,
    18,
    {5,  4,  6,  12, 10, 14, 14, 3,  7,  7,  8,  10, 4,  6,  4,  6,  TOLVA_DIGITS(10),
     4,  4,  10, 9,  10, 9,  17, 12, 12, 13, 13, 11, 11, 13, 12, 4,  10,
     14, 10, 15, 13, 15, 11, 15, 12, 11, 12, 12, 12, 16, 13, 12, 11, 6,
     6,  6,  11, 11, 6,  9,  11, 10, 11, 10, 8,  11, 10, 4,  5,  10, 4,
     14, 10, 11, 11, 11, 7,  9,  7,  10, 10, 14, 10, 10, 9,  8,  3,  8,
     10}};

#define TOLVA_HELVB11_ADVANCES                                                                               \
    {                                                                                                        \
        3, 3, 6, 7, 6, 9, 8, 3, 4, 4, 4, 6, 3, 4, 3, 3, 6, 6, 6, 6, 7, 6, 6, 6, 6, 6, 3, 3, 7, 7, 7, 6, 10,  \
            8, 8, 8, 8, 7, 7, 8, 7, 3, 6, 7, 7, 8, 7, 9, 7, 9, 8, 8, 7, 7, 8, 11, 7, 9, 7, 4, 4, 4, 6, 7, 4, \
            6, 7, 6, 7, 7, 5, 7, 6, 3, 4, 6, 3, 9, 6, 7, 7, 7, 4, 6, 5, 6, 8, 10, 6, 8, 6, 5, 2, 5, 8        \
    }

inline constexpr FontTable kHelvB11Shadow = {"FontHelvB11_Shadow",  12, 12, 11, 11, 11,
                                             TOLVA_HELVB11_ADVANCES};
inline constexpr FontTable kHelvB11 = {"FontHelvB11", 12, 9, 11, 0, 11, TOLVA_HELVB11_ADVANCES};

inline constexpr FontTable kGeneva10 = {
    "FontGeneva10", 11, 9, 10, 0, 10, {4, 2, 4, 6, 6, 8, 7, 2, 4, 4, 6, 6, 3, 6, 2, 5, 6, 6,  6,
                                       6, 7, 6, 6, 6, 6, 6, 2, 2, 4, 6, 4, 6, 7, 6, 6, 6, 6,  6,
                                       6, 6, 6, 2, 6, 6, 4, 8, 6, 6, 6, 6, 6, 6, 6, 6, 6, 10, 6,
                                       6, 6, 3, 4, 3, 4, 8, 3, 5, 5, 5, 5, 5, 5, 5, 5, 3, 4,  5,
                                       3, 8, 5, 5, 5, 5, 5, 5, 4, 5, 6, 8, 6, 5, 5, 4, 2, 4,  7}};

#define TOLVA_GENEVA9_ADVANCES                                                                               \
    {                                                                                                        \
        3, 2, 4, 6, 6, 9, 8, 2, 4, 4, 6, 6, 3, 6, 2, 5, TOLVA_DIGITS(6), 2, 3, 4, 6, 4, 5, 8, 6, 6, 6, 6, 5, \
            5, 6, 6, 2, 6, 6, 5, 8, 6, 6, 6, 6, 6, 6, 6, 6, 6, 8, 6, 6, 5, 3, 5, 3, 4, 7, 3, 5, 5, 5, 5, 5,  \
            5, 5, 5, 3, 4, 5, 3, 8, 5, 5, 5, 5, 5, 5, 4, 5, 6, 8, 6, 5, 5, 4, 2, 4, 6                        \
    }

inline constexpr FontTable kGeneva9ForControls = {"FontGeneva9ForControls", 10, 10, 10, 0, 10,
                                                  TOLVA_GENEVA9_ADVANCES};
inline constexpr FontTable kGeneva9Shadow = {"FontGeneva9_Shadow",  10, 10, 10, 10, 10,
                                             TOLVA_GENEVA9_ADVANCES};
inline constexpr FontTable kGeneva9 = {"FontGeneva9", 10, 8, 10, 0, 10, TOLVA_GENEVA9_ADVANCES};

// Every printable code is 5 wide except "+" and "1" (4) and "." (2).
constexpr FontTable MakeW4H9() {
    FontTable t = {"TextW4H9", 10, 10, 5, 0, 5, {}};
    for (int c = 32; c < 127; ++c) {
        t.advances[c - 32] = static_cast<unsigned char>(c == '+' || c == '1' ? 4 : c == '.' ? 2 : 5);
    }
    return t;
}
inline constexpr FontTable kW4H9 = MakeW4H9();

#undef TOLVA_DIGITS
#undef TOLVA_HELVB11_ADVANCES
#undef TOLVA_GENEVA9_ADVANCES

// In the order the font manager maps them.
inline constexpr const FontTable* kFonts[] = {&kW4H9,     &kGeneva9, &kGeneva9Shadow, &kGeneva9ForControls,
                                              &kGeneva10, &kHelvB11, &kHelvB11Shadow, &kHelvB18};
inline constexpr int kFontCount = 8;

constexpr bool EveryAdvanceSet(const FontTable& font) {
    for (unsigned char a : font.advances) {
        if (a == 0) return false;
    }
    return true;
}
static_assert(EveryAdvanceSet(kHelvB18) && EveryAdvanceSet(kHelvB11) && EveryAdvanceSet(kGeneva10) &&
              EveryAdvanceSet(kGeneva9) && EveryAdvanceSet(kW4H9));

// The advance of a character code 0..127: codes 0..31 share one, 127 takes the code-0 advance.
constexpr int Advance(const FontTable& font, int code) {
    if (code >= 32 && code < 127) return font.advances[code - 32];
    return font.controlWidth;
}

// The strip holds "+" at code 2 and "-" at code 4: inline entry shows signs with these codes.
inline constexpr int kPlusCode = 2;
inline constexpr int kMinusCode = 4;

// The fixed strip of the tab captions and the vertical bars' digits: 6 x 9 cells, colour baked in.
inline constexpr const char* kFixedStripName = "TextW6H9";
inline constexpr int kFixedCellWidth = 6;
inline constexpr int kFixedCellHeight = 9;
inline constexpr unsigned kFixedColour = 0xFFE0E0E0u;

}  // namespace FontTables
