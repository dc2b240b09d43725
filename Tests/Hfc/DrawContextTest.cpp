#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "Hfc/Base/HfcUtil.h"
#include "Hfc/Draw/HfcDrawContext.h"

namespace {

std::vector<std::string> g_debugLines;
void CollectDebug(const char* line) {
    g_debugLines.push_back(line);
}

// The blend written out from its definition, one pixel: W, inv, 16-bit channels, >> 24.
uint32_t ReferenceBlend(uint32_t s, uint32_t d, bool alphaForm, float factor, bool premultipliedSource) {
    const uint32_t sa = s >> 24;
    const uint32_t w = (alphaForm ? static_cast<uint32_t>(sa * factor) : sa) * 256 + 255;
    const uint32_t inv = 65535 - w;
    const uint32_t k = premultipliedSource ? static_cast<uint32_t>(factor * 65535.0) : w;
    uint32_t out = 0;
    for (int shift = 0; shift < 24; shift += 8) {
        const uint64_t s16 = ((s >> shift) & 0xFF) * 256 + 255, d16 = ((d >> shift) & 0xFF) * 256 + 255;
        out |= static_cast<uint32_t>((s16 * k + d16 * inv) >> 24) << shift;
    }
    uint32_t a = (w + (d >> 24) * 256 + 255) >> 8;
    if (a > 255) a = 255;
    return out | a << 24;
}

uint32_t BlendOne(uint32_t s, uint32_t d, bool alphaForm, float factor, bool premultipliedSource = false) {
    CHfcOffscreenContext ctx(1, 1);
    ctx.GetBmp()->SetPixel(0, 0, d);
    CHfcBmp src;
    src.Create(1, 1);
    src.SetPixel(0, 0, s);
    src.SetPremultiplied(premultipliedSource);
    if (alphaForm) {
        ctx.CopyBmpAlpha(0, 0, 1, 1, &src, factor, 0, 0);
    } else {
        ctx.CopyBmp(0, 0, 1, 1, &src, 0, 0);
    }
    return ctx.GetBmp()->GetPixel(0, 0);
}

TEST(DrawBlend, CasesOfTheIntegerBlend) {
    struct Case {
        uint32_t s, d;
        bool alphaForm;
        float factor;
        bool premultiplied;
        uint32_t expected;  // 0: compare with the reference only
    };
    const Case cases[] = {
        {0xFFFFFFFF, 0x12345678, false, 1, false, 0xFFFFFFFF},  // opaque white wins
        {0xFFFFFFFF, 0x00000000, false, 1, false, 0xFFFFFFFF},
        {0x00000000, 0xFFFFFFFF, false, 1, false, 0xFFFEFEFE},  // alpha-0 black over white
        {0x00FFFFFF, 0xFFFFFFFF, false, 1, false, 0xFFFFFFFF},  // alpha-0 white over white
        {0x00000000, 0x00000000, false, 1, false, 0x01000000},  // alpha 0 over 0 leaves alpha 1
        {0xFF204060, 0xFF000000, true, 0.5f, false, 0},
        {0x80FF8000, 0xFF0080FF, false, 1, false, 0},
        {0x80FF8000, 0x400080FF, true, 0.25f, false, 0},
        {0x80402000, 0xFF808080, true, 0.5f, true, 0},            // premultiplied source: K from the factor
        {0xFF102030, 0xFF405060, true, 2.0f, false, 0xFF102030},  // factor clamped to 1
        {0xFF102030, 0xFF405060, true, -3.0f, false, 0},          // factor clamped to 0
    };
    for (const Case& c : cases) {
        const float factor = c.factor > 1 ? 1.0f : (c.factor < 0 ? 0.0f : c.factor);
        const uint32_t got = BlendOne(c.s, c.d, c.alphaForm, c.factor, c.premultiplied);
        EXPECT_EQ(got, ReferenceBlend(c.s, c.d, c.alphaForm, factor, c.premultiplied))
            << std::hex << c.s << " " << c.d;
        if (c.expected != 0) {
            EXPECT_EQ(got, c.expected) << std::hex << c.s << " " << c.d;
        }
    }
    // Factor 0.5 of an opaque source weighs 127 x 256 + 255: alpha (32767 + 0 + 255) >> 8 = 128.
    EXPECT_EQ(BlendOne(0xFF000000, 0x00FFFFFF, true, 0.5f) >> 24, (127u * 256 + 255 + 255) >> 8);
}

// Wide rows take the vector path where the processor has one (four pixels a step, the rest one by
// one); every pixel must still equal the definition, for every alpha and with the portable loop too.
TEST(DrawBlend, WideRowsEqualTheDefinitionOnEveryPath) {
    const int w = 67, h = 16;  // 67: sixteen steps of four and a remainder of three
    uint32_t seed = 12345;
    auto next = [&seed] {
        seed = seed * 1664525u + 1013904223u;
        return seed;
    };
    CHfcBmp src;
    src.Create(w, h);
    std::vector<uint32_t> dst(static_cast<size_t>(w) * h);
    for (int i = 0; i < w * h; ++i) {
        const uint32_t alpha = static_cast<uint32_t>(i % 256);  // every alpha at least once
        src.SetPixel(i % w, i / w, (next() & 0x00FFFFFF) | alpha << 24);
        dst[static_cast<size_t>(i)] = next();
    }
    for (const bool scalar : {false, true}) {
        g_scalarBlendOnly = scalar;
        for (const float factor : {-1.0f, 0.0f, 0.3f, 0.5f, 1.0f}) {
            for (const bool alphaForm : {false, true}) {
                CHfcOffscreenContext ctx(w, h);
                for (int i = 0; i < w * h; ++i)
                    ctx.GetBmp()->SetPixel(i % w, i / w, dst[static_cast<size_t>(i)]);
                if (alphaForm) {
                    ctx.CopyBmpAlpha(0, 0, w, h, &src, factor, 0, 0);
                } else {
                    ctx.CopyBmp(0, 0, w, h, &src, 0, 0);
                }
                const float clamped = factor < 0 ? 0.0f : factor;
                int wrong = 0;
                for (int i = 0; i < w * h && wrong < 5; ++i) {
                    const uint32_t want = ReferenceBlend(
                        src.GetPixel(i % w, i / w), dst[static_cast<size_t>(i)], alphaForm, clamped, false);
                    const uint32_t got = ctx.GetBmp()->GetPixel(i % w, i / w);
                    if (got != want) {
                        ++wrong;
                        ADD_FAILURE() << "pixel " << i << " scalar " << scalar << " alphaForm " << alphaForm
                                      << " factor " << factor << ": " << std::hex << got << " != " << want;
                    }
                }
            }
        }
    }
    g_scalarBlendOnly = false;
}

TEST(DrawBlend, PremultipliedDestinationIsRefusedWithItsText) {
    HfcSetDebugHook(CollectDebug);
    for (bool premultipliedSource : {true, false}) {
        g_debugLines.clear();
        CHfcOffscreenContext ctx(2, 2);
        ctx.GetBmp()->SetPremultiplied(true);
        CHfcBmp src;
        src.Create(2, 2);
        src.SetPixel(0, 0, 0xFFFFFFFF);
        src.SetPremultiplied(premultipliedSource);
        ctx.CopyBmpAlpha(0, 0, 2, 2, &src, 1.0f, 0, 0);
        EXPECT_EQ(ctx.GetBmp()->GetPixel(0, 0), 0u);
        ASSERT_EQ(g_debugLines.size(), 1u);
        EXPECT_EQ(
            g_debugLines[0],
            premultipliedSource
                ? "CHfcOffscreenContext::CopyBmp() - premultiplied * premultiplied is not supported yet..."
                : "CHfcBmp::CopyBmp() - nonmultiplied * premultiplied is not supported yet...");
        // CopyBmp blends whatever the flags.
        ctx.CopyBmp(0, 0, 1, 1, &src, 0, 0);
        EXPECT_EQ(ctx.GetBmp()->GetPixel(0, 0), 0xFFFFFFFFu);
    }
    HfcSetDebugHook(nullptr);
}

// A 10 x 10 opaque source whose pixel (x, y) reads 0xFF00yyxx.
void NumberedSource(CHfcBmp* src, int w = 10, int h = 10) {
    src->Create(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) src->SetPixel(x, y, 0xFF000000u | uint32_t(y) << 8 | uint32_t(x));
}

TEST(DrawBlend, OffscreenCopyClipping) {
    struct Case {
        int x, y, w, h, sx, sy;
        int firstX, lastX, firstY, lastY;  // destination block written
        int fromX, fromY;                  // source pixel of its top-left
    };
    const Case cases[] = {
        {-5, 0, 10, 1, 0, 0, 0, 4, 0, 0, 5, 0},    // five columns from source column 5
        {0, -2, 1, 4, 3, 0, 0, 0, 0, 1, 3, 2},     // rows from source row 2
        {0, 0, 10, 1, -3, 0, 3, 9, 0, 0, 0, 0},    // negative source x moves the destination
        {0, 0, 1, 10, 0, -4, 0, 0, 4, 9, 0, 0},    // negative source y
        {15, 0, 10, 1, 0, 0, 15, 19, 0, 0, 0, 0},  // cut by the destination
        {0, 0, 30, 1, 5, 0, 0, 4, 0, 0, 5, 0},     // cut by the source
        {0, 0, 0, 5, 0, 0, -1, -1, 0, 0, 0, 0},    // nothing
        {0, 0, 5, 5, 10, 0, -1, -1, 0, 0, 0, 0},   // source past its edge: nothing
    };
    CHfcBmp src;
    NumberedSource(&src);
    for (const Case& c : cases) {
        CHfcOffscreenContext ctx(20, 20);
        ctx.CopyBmp(c.x, c.y, c.w, c.h, &src, c.sx, c.sy);
        for (int y = 0; y < 20; ++y) {
            for (int x = 0; x < 20; ++x) {
                const bool inside =
                    c.firstX >= 0 && x >= c.firstX && x <= c.lastX && y >= c.firstY && y <= c.lastY;
                const uint32_t expected = inside ? 0xFF000000u | uint32_t(c.fromY + y - c.firstY) << 8 |
                                                       uint32_t(c.fromX + x - c.firstX)
                                                 : 0;
                ASSERT_EQ(ctx.GetBmp()->GetPixel(x, y), expected)
                    << c.x << "," << c.y << " at " << x << "," << y;
            }
        }
    }
}

TEST(DrawBlend, CopyBmpMaxTakesTheLargerBytesOfVisiblePixels) {
    CHfcOffscreenContext ctx(3, 1);
    ctx.GetBmp()->SetPixel(0, 0, 0x80102030);
    ctx.GetBmp()->SetPixel(1, 0, 0x80102030);
    ctx.GetBmp()->SetPixel(2, 0, 0x80102030);
    CHfcBmp src;
    src.Create(3, 1);
    src.SetPixel(0, 0, 0x40FF0001);
    src.SetPixel(1, 0, 0x00FFFFFF);  // alpha 0: untouched
    src.SetPixel(2, 0, 0xFF000000);
    ctx.CopyBmpMax(0, 0, 3, 1, &src, 0, 0);
    EXPECT_EQ(ctx.GetBmp()->GetPixel(0, 0), 0x80FF2030u);
    EXPECT_EQ(ctx.GetBmp()->GetPixel(1, 0), 0x80102030u);
    EXPECT_EQ(ctx.GetBmp()->GetPixel(2, 0), 0xFF102030u);
    CHfcDrawContext port(ctx.GetBmp());
    port.CopyBmpMax(0, 0, 3, 1, &src, 0, 0);  // nothing on a port
    EXPECT_EQ(ctx.GetBmp()->GetPixel(1, 0), 0x80102030u);
}

TEST(DrawBlend, MoveRectActsAsAMemoryMoveInEveryDirection) {
    struct Case {
        tagHfcRect rect;
        int dx, dy;
    };
    const Case cases[] = {
        {{2, 2, 7, 7}, 1, 1},   {{2, 2, 7, 7}, -1, -1}, {{2, 2, 7, 7}, 2, -1},
        {{2, 2, 7, 7}, -2, 1},  {{-3, -3, 4, 4}, 3, 3},  // clipped source
        {{6, 6, 12, 12}, 3, 0},                          // destination runs out of the bitmap
    };
    for (const Case& c : cases) {
        CHfcOffscreenContext ctx(10, 10);
        CHfcBmp before;
        NumberedSource(ctx.GetBmp());
        NumberedSource(&before);
        ctx.MoveRect(&c.rect, c.dx, c.dy);
        for (int y = 0; y < 10; ++y) {
            for (int x = 0; x < 10; ++x) {
                const int fx = x - c.dx, fy = y - c.dy;
                const bool moved = fx >= std::max(c.rect.left, 0) && fx < std::min(c.rect.right, 10) &&
                                   fy >= std::max(c.rect.top, 0) && fy < std::min(c.rect.bottom, 10);
                const uint32_t expected = moved ? before.GetPixel(fx, fy) : before.GetPixel(x, y);
                ASSERT_EQ(ctx.GetBmp()->GetPixel(x, y), expected)
                    << c.dx << "," << c.dy << " at " << x << "," << y;
            }
        }
    }
}

TEST(DrawVector, LineThroughPixelCentresMarksOneRow) {
    CHfcOffscreenContext ctx(16, 4);
    ctx.SetPenColor(0xFFFF0000);
    ctx.MoveTo(0, 0);
    ctx.LineTo(10, 0);
    for (int x = 1; x <= 9; ++x) EXPECT_EQ(ctx.GetBmp()->GetPixel(x, 0), 0xFFFF0000u) << x;
    for (int x : {0, 10}) {
        const uint32_t a = ctx.GetBmp()->GetPixel(x, 0) >> 24;
        EXPECT_GT(a, 0u) << x;
        EXPECT_LT(a, 255u) << x;
    }
    EXPECT_EQ(ctx.GetBmp()->GetPixel(11, 0), 0u);
    for (int x = 0; x < 16; ++x) EXPECT_EQ(ctx.GetBmp()->GetPixel(x, 1), 0u) << x;
}

TEST(DrawVector, FrameOnOutermostPixelsFillAndClearExact) {
    CHfcOffscreenContext ctx(12, 10);
    ctx.SetPenColor(0xFF00FF00);
    ctx.FrameRect(2, 2, 6, 4);
    for (int x = 3; x <= 6; ++x) {
        EXPECT_EQ(ctx.GetBmp()->GetPixel(x, 2), 0xFF00FF00u) << x;
        EXPECT_EQ(ctx.GetBmp()->GetPixel(x, 5), 0xFF00FF00u) << x;
    }
    for (int y = 3; y <= 4; ++y) {
        EXPECT_EQ(ctx.GetBmp()->GetPixel(2, y), 0xFF00FF00u) << y;
        EXPECT_EQ(ctx.GetBmp()->GetPixel(7, y), 0xFF00FF00u) << y;
    }
    EXPECT_EQ(ctx.GetBmp()->GetPixel(4, 3), 0u);
    EXPECT_EQ(ctx.GetBmp()->GetPixel(1, 2), 0u);
    EXPECT_EQ(ctx.GetBmp()->GetPixel(8, 3), 0u);
    EXPECT_EQ(ctx.GetBmp()->GetPixel(4, 6), 0u);

    ctx.SetBrushColor(0xFF0000FF);
    const tagHfcRect all = {0, 0, 12, 10};
    ctx.FillRect(&all);
    ctx.ClearRect(3, 3, 2, 2);
    EXPECT_EQ(ctx.GetBmp()->GetPixel(3, 3), 0u);
    EXPECT_EQ(ctx.GetBmp()->GetPixel(4, 4), 0u);
    EXPECT_EQ(ctx.GetBmp()->GetPixel(5, 4), 0xFF0000FFu);
    EXPECT_EQ(ctx.GetBmp()->GetPixel(3, 5), 0xFF0000FFu);
}

TEST(DrawVector, ArcsRunCounterClockwiseFromTheXAxis) {
    // A quarter from 0 to pi/2 counter-clockwise is the upper-right quarter on screen; the sweep form
    // from pi/2 through pi/2 clockwise is the same quarter.
    for (bool sweepForm : {false, true}) {
        CHfcOffscreenContext ctx(21, 21);
        ctx.SetBrushColor(0xFFFFFFFF);
        ctx.FillRect(0, 0, 21, 21);
        if (sweepForm) {
            ctx.ClearArc(10, 10, 8, 1.5707964f, 1.5707964f);
        } else {
            ctx.ClearArc(10, 10, 8, 0.0f, 1.5707964f, false);
        }
        EXPECT_EQ(ctx.GetBmp()->GetPixel(14, 6), 0u) << sweepForm;          // upper right: cleared
        EXPECT_EQ(ctx.GetBmp()->GetPixel(6, 6), 0xFFFFFFFFu) << sweepForm;  // upper left
        EXPECT_EQ(ctx.GetBmp()->GetPixel(14, 14), 0xFFFFFFFFu) << sweepForm;
        EXPECT_EQ(ctx.GetBmp()->GetPixel(19, 1), 0xFFFFFFFFu) << sweepForm;  // outside the radius
    }
    CHfcOffscreenContext ctx(21, 21);
    ctx.SetBrushColor(0xFF0000FF);
    ctx.FillCircle(10, 10, 6);
    EXPECT_EQ(ctx.GetBmp()->GetPixel(10, 10), 0xFF0000FFu);
    EXPECT_EQ(ctx.GetBmp()->GetPixel(10, 5), 0xFF0000FFu);
    EXPECT_EQ(ctx.GetBmp()->GetPixel(1, 1), 0u);
}

TEST(DrawPort, CompositesSourceOverAnOpaqueBuffer) {
    CHfcBmp back;
    back.Create(4, 1);
    for (int x = 0; x < 4; ++x) back.SetPixel(x, 0, 0xFF204060);
    CHfcBmp src;
    src.Create(4, 1);
    src.SetPixel(0, 0, 0xFFA0B0C0);  // opaque: copied
    src.SetPixel(1, 0, 0x00FFFFFF);  // transparent: untouched
    src.SetPixel(2, 0, 0x80FFFFFF);
    src.SetPixel(3, 0, 0xFF000000);
    CHfcDrawContext port(&back);
    port.CopyBmpAlpha(0, 0, 4, 1, &src, 0.5f, 0, 0);
    auto over = [](uint32_t s, uint32_t d, uint32_t a) {
        uint32_t out = 0xFF000000;
        for (int sh = 0; sh < 24; sh += 8)
            out |= (((s >> sh) & 0xFF) * a + ((d >> sh) & 0xFF) * (255 - a) + 127) / 255 << sh;
        return out;
    };
    EXPECT_EQ(back.GetPixel(0, 0), over(0xFFA0B0C0, 0xFF204060, 127));
    EXPECT_EQ(back.GetPixel(1, 0), 0xFF204060u);
    EXPECT_EQ(back.GetPixel(2, 0), over(0xFFFFFFFF, 0xFF204060, 64));
    port.CopyBmp(3, 0, 1, 1, &src, 3, 0);
    EXPECT_EQ(back.GetPixel(3, 0), 0xFF000000u);
    // Port clipping: a negative source x moves the destination.
    port.CopyBmp(0, 0, 2, 1, &src, -1, 0);
    EXPECT_EQ(back.GetPixel(1, 0), 0xFFA0B0C0u);
}

// A proportional font whose every glyph is a full opaque 8 x 4 block, drawn 6 wide, advancing 6.
struct BlockFont {
    CHfcBmp strip;
    tagHfcBmpFontInfo info{};
    BlockFont() {
        strip.Create(8, 128 * 4);
        for (int y = 0; y < 128 * 4; ++y)
            for (int x = 0; x < 8; ++x) strip.SetPixel(x, y, 0xFFFFFFFF);
        info.bitmap = &strip;
        info.height = 4;
        for (int i = 0; i < 128; ++i) {
            info.widths[i] = 6;
            info.widths[i + 128] = 6;
        }
    }
};

int InkColumns(CHfcBmp* bmp, int row) {
    int n = 0;
    for (int x = 0; x < bmp->GetWidth(); ++x) n += (bmp->GetPixel(x, row) >> 24) != 0;
    return n;
}

TEST(DrawText, ProportionalRoomTintTabsAndHighCharacters) {
    BlockFont font;
    struct Case {
        const char* text;
        int room;
        bool tabs;
        int ink;  // columns drawn on row 0
        int lastInk;
    };
    const Case cases[] = {
        {"AB", 10, false, 10, 9},      // two glyphs, the second cut to 4
        {"ABC", 100, false, 18, 17},   //
        {"A\rB", 100, true, 12, 45},   // 13 jumps to 40
        {"A\rB", 100, false, 12, 11},  // without tabs 13 does nothing
        {"A\rB", 40, true, 6, 5},      // the jump uses the room up
        {"\xC8"
         "A",
         100, false, 6, 11},  // code 200 draws nothing, advances widths[72]
    };
    for (const Case& c : cases) {
        CHfcOffscreenContext ctx(64, 4);
        ctx.DrawBmpTextProportional(0, 0, c.text, c.room, &font.info, 0xFF00FF00, c.tabs);
        EXPECT_EQ(InkColumns(ctx.GetBmp(), 0), c.ink) << c.text;
        EXPECT_NE(ctx.GetBmp()->GetPixel(c.lastInk, 0) >> 24, 0u) << c.text;
        EXPECT_EQ(ctx.GetBmp()->GetPixel(c.lastInk + 1, 0), 0u) << c.text;
    }
    CHfcOffscreenContext ctx(64, 4);
    ctx.DrawBmpTextProportional(0, 0, "A", 100, &font.info, 0xFF00FF00, false);
    // Tinted to 0xFE00FE00 (255 x 255 >> 8), then blended over transparent: alpha saturates.
    EXPECT_EQ(ctx.GetBmp()->GetPixel(0, 0), 0xFF00FE00u);
    // No font, no strip: nothing.
    ctx.DrawBmpTextProportional(0, 0, "A", 100, nullptr, 0xFFFFFFFF, false);
    tagHfcBmpFontInfo empty{};
    ctx.DrawBmpTextProportional(0, 0, "A", 100, &empty, 0xFFFFFFFF, false);
}

TEST(DrawText, FixedCellsStopAtNulAndUseSignedRows) {
    CHfcBmp strip;
    strip.Create(3, 128 * 2);
    for (int c = 0; c < 128; ++c)
        for (int y = 0; y < 2; ++y)
            for (int x = 0; x < 3; ++x) strip.SetPixel(x, c * 2 + y, 0xFF000000u | uint32_t(c));
    CHfcOffscreenContext ctx(30, 2);
    ctx.DrawBmpText(0, 0, "AB\0C", 10, &strip, 0, 0);
    EXPECT_EQ(ctx.GetBmp()->GetPixel(0, 0), 0xFF000041u);
    EXPECT_EQ(ctx.GetBmp()->GetPixel(3, 1), 0xFF000042u);
    EXPECT_EQ(ctx.GetBmp()->GetPixel(6, 0), 0u);  // stopped at the NUL
    CHfcOffscreenContext high(30, 2);
    high.DrawBmpText(0, 0, "\xC8Z", 2, &strip, 0, 0);  // a negative row clips away
    EXPECT_EQ(high.GetBmp()->GetPixel(0, 0), 0u);
    EXPECT_EQ(high.GetBmp()->GetPixel(3, 0), 0xFF00005Au);
}

TEST(DrawContext, ResizeAndMissingSurfacesDoNothingHarmful) {
    CHfcOffscreenContext ctx(4, 4);
    ASSERT_TRUE(ctx.HasSurface());
    ctx.GetBmp()->SetPixel(1, 1, 0xFFFFFFFF);
    ASSERT_TRUE(ctx.Resize(8, 2));
    EXPECT_EQ(ctx.GetBmp()->GetWidth(), 8);
    EXPECT_EQ(ctx.GetBmp()->GetPixel(1, 1), 0u);
    g_debugLines.clear();
    HfcSetDebugHook(CollectDebug);
    EXPECT_FALSE(ctx.Resize(0, 2));
    HfcSetDebugHook(nullptr);
    EXPECT_EQ(g_debugLines, std::vector<std::string>{"Failed to resize."});
    // Without a surface every operation is a no-op.
    ctx.SetPenColor(0xFFFFFFFF);
    ctx.MoveTo(0, 0);
    ctx.LineTo(3, 3);
    ctx.FillRect(0, 0, 4, 4);
    ctx.FillCircle(1, 1, 1);
    CHfcBmp src;
    NumberedSource(&src);
    ctx.CopyBmp(0, 0, 4, 4, &src, 0, 0);
    CHfcDrawContext none(nullptr);
    none.FillRect(0, 0, 4, 4);
    none.CopyBmp(0, 0, 4, 4, &src, 0, 0);
    EXPECT_FALSE(none.HasSurface());
}

}  // namespace
