#include <gtest/gtest.h>

#include "HfcFixture.h"
#include "HfcGallery.h"

namespace {

class Gallery : public HfcWindowFixture {};

// A window of three layers (an opaque background, a panel with text in each of the toolkit's fonts and
// vector drawing, a half-transparent overlay), written as a picture and checked by its exact pixels.
TEST_F(Gallery, WindowWithLayersAndTextInEachFont) {
    CTestWindow* w = MakeWindow(40, 40, 480, 300);
    HfcLog log;
    CRecordingLayer background("background", &log), panel("panel", &log), overlay("overlay", &log);
    background.Create(0, 0, 480, 300, w);
    panel.Create(20, 20, 300, 200, w);
    overlay.Create(200, 150, 240, 120, w);
    background.Fill(0xFF3B4252);
    panel.Fill(0xFFECEFF4);
    overlay.Fill(0x8088C0D0);

    CHfcOffscreenContext* ctx = panel.GetContext();
    int y = 10;
    for (const char* name : {"HfcUiFont", "HfcUiFontBold"}) {
        tagHfcBmpFontInfo font{};
        ASSERT_TRUE(HfcLoadBmpFont(name, &font)) << name;
        for (uint32_t colour : {0xFF000000u, 0xFFBF616Au}) {
            ctx->DrawBmpTextProportional(10, y, "Receive All? Load Error  OK  Cancel  Untitled.Xall", 280,
                                         &font, colour, false);
            y += font.height + 2;
        }
        ctx->DrawBmpTextProportional(10, y, "ABCDEFGHIJKLMNOPQRSTUVWXYZ 0123456789", 280, &font, 0xFF2E3440,
                                     false);
        y += font.height + 2;
        ctx->DrawBmpTextProportional(10, y, "abcdefghijklmnopqrstuvwxyz !\"#$%&'()*+,-./:;<=>?@[\\]^_`{|}~",
                                     280, &font, 0xFF2E3440, false);
        y += font.height + 6;
        HfcFreeBmpFont(&font);
    }
    ctx->SetPenColor(0xFF5E81AC);
    ctx->FrameRect(10, y, 120, 40);
    ctx->SetBrushColor(0xFFA3BE8C);
    ctx->FillCircle(170, y + 20, 18);
    ctx->SetBrushColor(0xFFEBCB8B);
    ctx->FillArc(230, y + 20, 18, 0.0f, 4.712389f);  // three quarters, clockwise from 0
    ctx->SetPenColor(0xFFB48EAD);
    ctx->MoveTo(10, y + 50);
    ctx->LineTo(280, y + 50);

    background.Show(false);
    panel.Show(false);
    overlay.Show(false);
    w->DrawLayers(true);
    ASSERT_TRUE(m_screen.WritePng(HfcGalleryPath("window_layers")));

    // Exact composite: background alone, the panel over it, the overlay (alpha 128) over each.
    auto over = [](uint32_t s, uint32_t d) {
        const uint32_t a = s >> 24;
        uint32_t out = 0xFF000000;
        for (int sh = 0; sh < 24; sh += 8) {
            out |= ((((s >> sh) & 0xFF) * a + ((d >> sh) & 0xFF) * (255 - a) + 127) / 255) << sh;
        }
        return out;
    };
    EXPECT_EQ(Pixel(5, 5), 0xFF3B4252u);
    EXPECT_EQ(Pixel(310, 25), 0xFFECEFF4u);
    // The overlay's pixel as its vector fill left it (cairo keeps colour times alpha, as the platform's
    // own contexts did), composited by its alpha.
    const uint32_t veil = overlay.GetContext()->GetBmp()->GetPixel(10, 10);
    EXPECT_EQ(veil >> 24, 0x80u);
    EXPECT_EQ(Pixel(430, 260), over(veil, 0xFF3B4252));  // overlay over background
    EXPECT_EQ(Pixel(300, 200), over(veil, 0xFFECEFF4));  // overlay over panel
    // The snapshot shows the window where it stands on the screen.
    std::unique_ptr<CHfcBmp> shot = m_screen.Snapshot();
    EXPECT_EQ(shot->GetPixel(40 + 5, 40 + 5), 0xFF3B4252u);
    EXPECT_EQ(shot->GetPixel(5, 5), CHfcHeadlessScreen::kDesktop);
}

// One picture per font: every printable character, measured and drawn alike.
TEST_F(Gallery, GlyphStripsMeasureAsTheyDraw) {
    for (const char* name : {"HfcUiFont", "HfcUiFontBold"}) {
        tagHfcBmpFontInfo font{};
        ASSERT_TRUE(HfcLoadBmpFont(name, &font)) << name;
        std::string all;
        for (int c = 32; c < 127; ++c) all += static_cast<char>(c);
        const int width = HfcGetBmpTextWidth(&font, all.c_str());
        CHfcOffscreenContext ctx(width + 8, font.height + 4);
        ctx.SetBrushColor(0xFFFFFFFF);
        ctx.FillRect(0, 0, width + 8, font.height + 4);
        ctx.DrawBmpTextProportional(4, 2, all.c_str(), width, &font, 0xFF000000, false);
        // Ink reaches the last glyph and nothing lies beyond the measured width.
        int lastInk = -1;
        for (int x = 0; x < width + 8; ++x) {
            for (int y = 0; y < font.height + 4; ++y) {
                if (ctx.GetBmp()->GetPixel(x, y) != 0xFFFFFFFFu) lastInk = x;
            }
        }
        EXPECT_GT(lastInk, width - 12) << name;
        EXPECT_LT(lastInk, width + 4) << name;
        EXPECT_TRUE(HfcWritePng(ctx.GetBmp(), HfcGalleryPath(std::string("font_") + name).c_str()));
        HfcFreeBmpFont(&font);
    }
}

}  // namespace
