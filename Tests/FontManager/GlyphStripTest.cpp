// The glyph strips against the font records: 128 cells each, advances as the fonts define them,
// and drawn widths that match what each cell draws.
#include <gtest/gtest.h>

#include <string>

#include "Common/Controls/ArtCatalogue.h"
#include "Common/FontManager/FontManager.h"
#include "Common/FontManager/FontTables.h"
#include "Common/FontManager/ResourceManager.h"
#include "Hfc/Draw/HfcBmp.h"

namespace {

class GlyphStripTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(ResourceManager::Initialize());
        ASSERT_TRUE(FontManager::Initialize());
    }
    void TearDown() override {
        FontManager::Uninitialize();
        ResourceManager::Uninitialize();
    }
};

// Rightmost column with any coverage in a cell, or -1.
int InkRight(CHfcBmp* strip, int cellHeight, int code) {
    int right = -1;
    for (int y = code * cellHeight; y < (code + 1) * cellHeight; ++y) {
        for (int x = 0; x < strip->GetWidth(); ++x) {
            if ((strip->GetPixel(x, y) >> 24) != 0 && x > right) right = x;
        }
    }
    return right;
}

TEST_F(GlyphStripTest, EveryFontHas128CellsAndItsStatedAdvances) {
    for (const FontTables::FontTable* t : FontTables::kFonts) {
        tagHfcBmpFontInfo* font = FontManager::GetInstance()->GetBmpFontInfo(t->name);
        ASSERT_NE(font, nullptr) << t->name;
        ASSERT_NE(font->bitmap, nullptr) << t->name;
        EXPECT_EQ(font->height, t->cellHeight) << t->name;
        EXPECT_EQ(font->textHeight, t->textHeight) << t->name;
        EXPECT_EQ(font->bitmap->GetHeight(), 128 * t->cellHeight) << t->name;
        EXPECT_EQ(font->bitmap->GetWidth(), t->stripWidth) << t->name;
        for (int code = 0; code < 128; ++code) {
            EXPECT_EQ(font->widths[code + 128], FontTables::Advance(*t, code)) << t->name << " code " << code;
        }
    }
}

// A few advances as the fonts' documentation lists them, against transcription slips.
TEST_F(GlyphStripTest, AdvancesMatchTheDocumentedLists) {
    FontManager* fonts = FontManager::GetInstance();
    const struct {
        const char* font;
        char c;
        int advance;
    } cases[] = {{"FontHelvB18", ' ', 5},        {"FontHelvB18", '@', 17}, {"FontHelvB18", 'W', 16},
                 {"FontHelvB18", 'm', 14},       {"FontHelvB18", '~', 10}, {"FontHelvB11", '@', 10},
                 {"FontHelvB11", 'W', 11},       {"FontHelvB11", 'w', 10}, {"FontHelvB11_Shadow", '|', 2},
                 {"FontGeneva10", 'W', 10},      {"FontGeneva10", '4', 7}, {"FontGeneva10", '~', 7},
                 {"FontGeneva9", '%', 9},        {"FontGeneva9", '?', 5},  {"FontGeneva9ForControls", 'W', 8},
                 {"FontGeneva9_Shadow", '~', 6}, {"TextW4H9", '+', 4},     {"TextW4H9", '.', 2},
                 {"TextW4H9", '1', 4},           {"TextW4H9", 'M', 5}};
    for (const auto& c : cases) {
        tagHfcBmpFontInfo* font = fonts->GetBmpFontInfo(c.font);
        ASSERT_NE(font, nullptr) << c.font;
        EXPECT_EQ(font->widths[c.c + 128], c.advance) << c.font << " '" << c.c << "'";
    }
    // Codes 0 to 31 share the font's control width.
    EXPECT_EQ(fonts->GetBmpFontInfo("FontHelvB18")->widths[128 + 7], 18);
    EXPECT_EQ(fonts->GetBmpFontInfo("TextW4H9")->widths[128 + 0], 5);
}

// Drawn widths lie within [2, strip width]; no cell draws at or beyond its drawn width; where the
// width varies by glyph it is the glyph's ink extent.
TEST_F(GlyphStripTest, DrawnWidthsMatchTheCells) {
    for (const FontTables::FontTable* t : FontTables::kFonts) {
        tagHfcBmpFontInfo* font = FontManager::GetInstance()->GetBmpFontInfo(t->name);
        ASSERT_NE(font, nullptr);
        ASSERT_NE(font->bitmap, nullptr);
        const bool perGlyph = t->drawnWidth == 0 && std::string(t->name) != "TextW4H9";
        for (int code = 0; code < 128; ++code) {
            const int drawn = font->widths[code];
            EXPECT_GE(drawn, 2) << t->name << " code " << code;
            EXPECT_LE(drawn, font->bitmap->GetWidth()) << t->name << " code " << code;
            const int ink = InkRight(font->bitmap, t->cellHeight, code);
            EXPECT_LT(ink, drawn) << t->name << " code " << code << " draws beyond its width";
            if (perGlyph) {
                EXPECT_EQ(drawn, std::max(2, ink + 1)) << t->name << " code " << code;
            }
            // A glyph may reach its advance but never into the next glyph's ink.
            if (code >= 33 && code < 127) {
                EXPECT_LE(ink, FontTables::Advance(*t, code)) << t->name << " code " << code;
                EXPECT_GE(ink, 0) << t->name << " code " << code << " is blank";
            }
        }
        // The signs of inline entry.
        EXPECT_GE(InkRight(font->bitmap, t->cellHeight, FontTables::kPlusCode), 0) << t->name;
        EXPECT_GE(InkRight(font->bitmap, t->cellHeight, FontTables::kMinusCode), 0) << t->name;
        EXPECT_LT(InkRight(font->bitmap, t->cellHeight, ' '), 0) << t->name;
    }
}

// Glyphs are white with their coverage in alpha, so the text colour is applied when drawing;
// shadowed fonts add black below and right of the face.
TEST_F(GlyphStripTest, GlyphsAreWhiteCoverage) {
    for (const FontTables::FontTable* t : FontTables::kFonts) {
        CHfcBmp* strip = FontManager::GetInstance()->GetBmpFontInfo(t->name)->bitmap;
        ASSERT_NE(strip, nullptr);
        const bool shadow = std::string(t->name).find("Shadow") != std::string::npos;
        int white = 0, dark = 0;
        for (int y = 0; y < strip->GetHeight(); ++y) {
            for (int x = 0; x < strip->GetWidth(); ++x) {
                const uint32_t p = strip->GetPixel(x, y);
                if ((p >> 24) == 0) continue;
                if ((p & 0xFFFFFF) == 0xFFFFFF) ++white;
                if ((p & 0xFFFFFF) == 0) ++dark;
                if (!shadow) {
                    EXPECT_EQ(p & 0xFFFFFF, 0xFFFFFFu) << t->name << " at " << x << "," << y;
                }
            }
        }
        EXPECT_GT(white, 0) << t->name;
        if (shadow) {
            EXPECT_GT(dark, 0) << t->name;
        }
    }
}

TEST_F(GlyphStripTest, FixedStripIsSixByNineInItsGrey) {
    CHfcBmp* strip = ResourceManager::GetInstance()->LoadImage(FontTables::kFixedStripName);
    ASSERT_NE(strip, nullptr);
    EXPECT_EQ(strip->GetWidth(), 6);
    EXPECT_EQ(strip->GetHeight(), 128 * 9);
    int inked = 0;
    for (int y = 0; y < strip->GetHeight(); ++y) {
        for (int x = 0; x < strip->GetWidth(); ++x) {
            const uint32_t p = strip->GetPixel(x, y);
            if ((p >> 24) == 0) continue;
            ++inked;
            EXPECT_EQ(p & 0xFFFFFF, FontTables::kFixedColour & 0xFFFFFF);
        }
    }
    EXPECT_GT(inked, 0);
    // Every printable character draws something.
    for (int code = 33; code < 127; ++code) EXPECT_GE(InkRight(strip, 9, code), 0) << code;
}

}  // namespace
