// The font records and strips as the toolkit draws with them: text comes out in the asked colour and
// as wide as the records measure it, and a font or image that is missing draws nothing.
#include <gtest/gtest.h>

#include "Common/FontManager/FontManager.h"
#include "Common/FontManager/ResourceManager.h"
#include "Hfc/Draw/HfcBmp.h"
#include "Hfc/Draw/HfcDrawContext.h"

namespace {

// Columns [first, last] holding visible ink, or {-1, -1} when there is none. (The toolkit's exact
// blend may leave an alpha of 1 where a transparent cell was copied.)
std::pair<int, int> InkSpan(CHfcBmp* bmp) {
    int first = -1, last = -1;
    for (int x = 0; x < bmp->GetWidth(); ++x) {
        for (int y = 0; y < bmp->GetHeight(); ++y) {
            if ((bmp->GetPixel(x, y) >> 24) < 16) continue;
            if (first < 0) first = x;
            last = x;
        }
    }
    return {first, last};
}

TEST(FontDrawingTest, TextTakesTheColourAndTheMeasuredWidth) {
    ASSERT_TRUE(ResourceManager::Initialize());
    ASSERT_TRUE(FontManager::Initialize());
    for (const char* name : {FontName_Geneva9, FontName_Geneva10, FontName_HelvB11, FontName_HelvB18}) {
        tagHfcBmpFontInfo* font = FontManager::GetInstance()->GetBmpFontInfo(name);
        ASSERT_NE(font, nullptr) << name;
        CHfcOffscreenContext context(300, 30);
        const char* text = "Load Error";
        context.DrawBmpTextProportional(2, 2, text, 296, font, 0xFF6178C2, false);
        CHfcBmp* port = context.GetBmp();
        const auto span = InkSpan(port);
        ASSERT_GE(span.first, 2) << name;
        // The last glyph's ink ends within the measured width (its advance may leave air).
        EXPECT_LT(span.second, 2 + HfcGetBmpTextWidth(font, text)) << name;
        EXPECT_GT(span.second, 2 + HfcGetBmpTextWidth(font, text) - 6) << name;
        // The white strip is tinted: the most covered pixels are of the text's blue, not white.
        int tinted = 0;
        for (int y = 0; y < port->GetHeight(); ++y) {
            for (int x = 0; x < port->GetWidth(); ++x) {
                const uint32_t p = port->GetPixel(x, y);
                if ((p >> 24) < 0xC0) continue;
                const int r = (p >> 16) & 0xFF, g = (p >> 8) & 0xFF, b = p & 0xFF;
                EXPECT_TRUE(b > g && g > r) << name << " at " << x << "," << y;
                ++tinted;
            }
        }
        EXPECT_GT(tinted, 10) << name;
    }
    FontManager::Uninitialize();
    ResourceManager::Uninitialize();
}

TEST(FontDrawingTest, MissingFontsAndImagesDrawNothing) {
    ASSERT_TRUE(ResourceManager::Initialize());
    ASSERT_TRUE(FontManager::Initialize());
    tagHfcBmpFontInfo* font = FontManager::GetInstance()->GetBmpFontInfo(FontName_ParamLabel);
    ASSERT_NE(font, nullptr);
    // The image cache goes first: the record keeps no pointer and the text draws nothing.
    ResourceManager::Uninitialize();
    CHfcOffscreenContext context(100, 20);
    context.DrawBmpTextProportional(0, 0, "Pan", 100, font, 0xFFFFFFFF, false);
    context.CopyBmp(0, 0, 10, 10, nullptr, 0, 0);
    EXPECT_EQ(InkSpan(context.GetBmp()).first, -1);
    FontManager::Uninitialize();
}

}  // namespace
