#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "Hfc/Base/HfcBundle.h"
#include "Hfc/Draw/HfcBmp.h"
#include "PngTestFiles.h"

namespace {

// B, G, R, A bytes of pixel (x, y).
std::vector<uint8_t> Bgra(CHfcBmp& bmp, int x, int y) {
    const uint8_t* p = bmp.LockPixels() + y * bmp.GetRowBytes() + x * 4;
    std::vector<uint8_t> v(p, p + 4);
    bmp.UnlockPixels();
    return v;
}

TEST(BmpPng, EveryColourTypeDecodesToBgra) {
    struct Case {
        const char* what;
        TestPng png;
        std::vector<uint8_t> first;  // B, G, R, A of pixel (0, 0)
        std::vector<uint8_t> last;   // of the last pixel of row 0
    };
    auto make = [](int type, int depth, int width, std::vector<uint8_t> samples) {
        TestPng p;
        p.colourType = type;
        p.bitDepth = depth;
        p.width = width;
        p.samples = std::move(samples);
        return p;
    };
    TestPng palette = make(PNG_COLOR_TYPE_PALETTE, 8, 2, {0, 1});
    palette.palette = {{10, 20, 30}, {40, 50, 60}};
    TestPng paletteTrns = palette;
    paletteTrns.transAlpha = {128};
    TestPng greyTrns = make(PNG_COLOR_TYPE_GRAY, 8, 2, {100, 50});
    greyTrns.hasTransColour = true;
    greyTrns.transColour.gray = 100;
    const Case cases[] = {
        {"palette", palette, {30, 20, 10, 255}, {60, 50, 40, 255}},
        {"palette + tRNS", paletteTrns, {30, 20, 10, 128}, {60, 50, 40, 255}},
        {"grey 1-bit", make(PNG_COLOR_TYPE_GRAY, 1, 2, {0x40}), {0, 0, 0, 255}, {255, 255, 255, 255}},
        {"grey 2-bit", make(PNG_COLOR_TYPE_GRAY, 2, 2, {0x10}), {0, 0, 0, 255}, {85, 85, 85, 255}},
        {"grey 4-bit", make(PNG_COLOR_TYPE_GRAY, 4, 2, {0x01}), {0, 0, 0, 255}, {17, 17, 17, 255}},
        {"grey 8-bit", make(PNG_COLOR_TYPE_GRAY, 8, 2, {100, 7}), {100, 100, 100, 255}, {7, 7, 7, 255}},
        {"grey 16-bit",
         make(PNG_COLOR_TYPE_GRAY, 16, 2, {0x64, 0x00, 0xFF, 0xFF}),
         {100, 100, 100, 255},
         {255, 255, 255, 255}},
        {"grey + tRNS", greyTrns, {100, 100, 100, 0}, {50, 50, 50, 255}},
        {"grey + alpha",
         make(PNG_COLOR_TYPE_GRAY_ALPHA, 8, 2, {100, 50, 200, 255}),
         {100, 100, 100, 50},
         {200, 200, 200, 255}},
        {"RGB", make(PNG_COLOR_TYPE_RGB, 8, 2, {1, 2, 3, 4, 5, 6}), {3, 2, 1, 255}, {6, 5, 4, 255}},
        {"RGBA 8-bit", make(PNG_COLOR_TYPE_RGBA, 8, 2, {1, 2, 3, 4, 5, 6, 7, 8}), {3, 2, 1, 4}, {7, 6, 5, 8}},
        {"RGBA 16-bit",
         make(PNG_COLOR_TYPE_RGBA, 16, 1, {1, 0xFF, 3, 0, 5, 0, 7, 9}),
         {5, 3, 1, 7},
         {5, 3, 1, 7}},
    };
    for (const Case& c : cases) {
        const std::vector<uint8_t> file = c.png.Encode();
        ASSERT_FALSE(file.empty()) << c.what;
        CHfcBmp bmp;
        ASSERT_TRUE(bmp.LoadPNGFromMemory(file.data(), file.size())) << c.what;
        EXPECT_EQ(bmp.GetWidth(), c.png.width) << c.what;
        EXPECT_EQ(bmp.GetHeight(), 1) << c.what;
        EXPECT_EQ(Bgra(bmp, 0, 0), c.first) << c.what;
        EXPECT_EQ(Bgra(bmp, c.png.width - 1, 0), c.last) << c.what;
        EXPECT_EQ(bmp.GetLockCount(), 0) << c.what;
        // The unsized form reads the same complete image.
        CHfcBmp unsized;
        ASSERT_TRUE(unsized.LoadPNGFromMemory(file.data())) << c.what;
        EXPECT_EQ(Bgra(unsized, 0, 0), c.first) << c.what;
    }
}

TEST(BmpPng, InterlacedImageLandsPixelForPixel) {
    TestPng png;
    png.width = 9;
    png.height = 7;
    png.interlaced = true;
    for (int y = 0; y < png.height; ++y) {
        for (int x = 0; x < png.width; ++x) {
            png.samples.insert(png.samples.end(), {uint8_t(x * 20), uint8_t(y * 30), uint8_t(x + y)});
        }
    }
    const std::vector<uint8_t> file = png.Encode();
    CHfcBmp bmp;
    ASSERT_TRUE(bmp.LoadPNGFromMemory(file.data(), file.size()));
    for (int y = 0; y < png.height; ++y) {
        for (int x = 0; x < png.width; ++x) {
            EXPECT_EQ(bmp.GetPixel(x, y),
                      0xFF000000u | uint32_t(x * 20) << 16 | uint32_t(y * 30) << 8 | uint32_t(x + y))
                << x << "," << y;
        }
    }
}

TEST(BmpPng, DamagedTruncatedAndHugeFilesFailWithoutHarm) {
    TestPng png;
    png.width = 40;
    png.height = 30;
    png.samples.assign(40 * 30 * 3, 0);
    for (size_t i = 0; i < png.samples.size(); ++i) png.samples[i] = uint8_t(i * 7);
    const std::vector<uint8_t> good = png.Encode();
    CHfcBmp bmp;
    // Cut anywhere: the sized reader never reads past the end.
    for (size_t cut :
         {size_t(0), size_t(7), size_t(8), size_t(20), size_t(33), good.size() / 2, good.size() - 13}) {
        std::vector<uint8_t> truncated(good.begin(), good.begin() + cut);
        EXPECT_FALSE(bmp.LoadPNGFromMemory(truncated.data(), truncated.size())) << cut;
    }
    // A corrupted byte in the image data (CRC and inflate fail).
    std::vector<uint8_t> corrupt = good;
    corrupt[good.size() / 2] ^= 0x5A;
    corrupt[good.size() / 2 + 1] ^= 0xA5;
    EXPECT_FALSE(bmp.LoadPNGFromMemory(corrupt.data(), corrupt.size()));
    EXPECT_FALSE(bmp.LoadPNGFromMemory(nullptr, 10));
    EXPECT_FALSE(bmp.LoadPNGFromMemory(nullptr, 10));
    // Still usable afterwards.
    EXPECT_TRUE(bmp.LoadPNGFromMemory(good.data(), good.size()));
    EXPECT_EQ(bmp.GetWidth(), 40);
}

// A small file may declare a huge image: past 4096 pixels a side it is refused before any bitmap is
// made, saying why; the largest accepted side still decodes.
TEST(BmpPng, ImagesPastTheSizeCapAreRefusedWithTheReason) {
    struct Case {
        int width, height;
        bool decodes;
        const char* reason;
    };
    const Case cases[] = {
        {16384, 16384, false, "the image is 16384 x 16384 pixels, more than 4096 a side"},
        {20000, 1, false, "the image is 20000 x 1 pixels, more than 4096 a side"},
        {8, 4097, false, "the image is 8 x 4097 pixels, more than 4096 a side"},
        {4096, 1, true, ""},
        {1, 4096, true, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.width) + "x" + std::to_string(c.height));
        TestPng png;
        png.colourType = PNG_COLOR_TYPE_GRAY;
        png.bitDepth = 1;
        png.width = c.width;
        png.height = c.height;
        png.samples.assign(static_cast<size_t>((c.width + 7) / 8) * static_cast<size_t>(c.height), 0);
        const std::vector<uint8_t> file = png.Encode();
        ASSERT_FALSE(file.empty());
        CHfcBmp bmp;
        EXPECT_EQ(bmp.LoadPNGFromMemory(file.data(), file.size()), c.decodes);
        EXPECT_STREQ(bmp.GetLoadError(), c.reason);
        EXPECT_EQ(bmp.GetWidth(), c.decodes ? c.width : 0);
        EXPECT_EQ(bmp.GetLockCount(), 0);
    }
}

TEST(Bmp, LocksNestAndResizeClears) {
    CHfcBmp bmp;
    EXPECT_EQ(bmp.LockPixels(), nullptr);
    EXPECT_EQ(bmp.GetLockCount(), 0);
    ASSERT_TRUE(bmp.Create(3, 2));
    EXPECT_EQ(bmp.GetRowBytes(), 12);
    ASSERT_NE(bmp.LockPixels(), nullptr);
    ASSERT_NE(bmp.LockPixels(), nullptr);
    bmp.UnlockPixels();
    EXPECT_EQ(bmp.GetLockCount(), 1);  // still locked
    bmp.UnlockPixels();
    bmp.UnlockPixels();  // at 0: nothing
    EXPECT_EQ(bmp.GetLockCount(), 0);
    bmp.SetPixel(1, 1, 0x12345678);
    ASSERT_TRUE(bmp.Resize(4, 4));
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x) EXPECT_EQ(bmp.GetPixel(x, y), 0u);
    EXPECT_FALSE(bmp.Create(0, 5));
    EXPECT_FALSE(bmp.Create(-1, 5));
    EXPECT_FALSE(bmp.Create(1 << 30, 1 << 30));
    EXPECT_EQ(bmp.GetWidth(), 0);
    EXPECT_FALSE(bmp.Load(128));  // no picture resources
}

TEST(Bmp, FilterColorMultipliesEachByte) {
    CHfcBmp source, out;
    ASSERT_TRUE(source.Create(4, 4));
    source.SetPixel(2, 3, 0xFFFFFFFF);
    source.SetPixel(3, 3, 0x80402010);
    ASSERT_TRUE(out.Create(2, 1));
    out.FilterColor(0xFF00FF80, &source, 2, 3);
    // 255 x 255 >> 8 = 254; each byte by its own channel.
    EXPECT_EQ(out.GetPixel(0, 0), 0xFE00FE7Fu);
    EXPECT_EQ(out.GetPixel(1, 0), uint32_t((0x80 * 255) >> 8) << 24 | uint32_t((0x40 * 0) >> 8) << 16 |
                                      uint32_t((0x20 * 255) >> 8) << 8 | uint32_t((0x10 * 0x80) >> 8));
}

TEST(Bmp, TextWidthUsesSignedCodesPlus128) {
    tagHfcBmpFontInfo font{};
    for (int i = 0; i < 256; ++i) font.widths[i] = 1000 + i;
    EXPECT_EQ(HfcGetBmpTextWidth(&font, "AB"), font.widths[193] + font.widths[194]);
    const char high[] = {char(200), 0};
    EXPECT_EQ(HfcGetBmpTextWidth(&font, high), font.widths[72]);
    EXPECT_EQ(HfcGetBmpTextWidth(nullptr, "AB"), 0);
    EXPECT_EQ(HfcGetBmpTextWidth(&font, nullptr), 0);
    EXPECT_EQ(HfcGetBmpTextWidth(&font, ""), 0);
}

class Resources : public testing::Test {
protected:
    void SetUp() override {
        char pattern[] = "/tmp/hfcres-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        m_dir = pattern;
    }
    void TearDown() override {
        HfcMacSetBundle(nullptr);
        std::filesystem::remove_all(m_dir);
    }
    std::string m_dir;
};

TEST_F(Resources, CompiledInStripsLoadByNameWithTheirWidths) {
    for (const char* name : {"HfcUiFont", "HfcUiFontBold"}) {
        tagHfcBmpFontInfo font{};
        ASSERT_TRUE(HfcLoadBmpFont(name, &font)) << name;
        EXPECT_EQ(font.bitmap->GetHeight(), 128 * font.height) << name;
        EXPECT_GT(font.height, 10) << name;
        EXPECT_GT(font.textHeight, 5) << name;
        EXPECT_LE(font.textHeight, font.height) << name;
        // Advances of a proportional face: W wider than i; drawn widths never outside the strip.
        EXPECT_GT(font.widths['W' + 128], font.widths['i' + 128]) << name;
        for (int c = 0; c < 128; ++c) EXPECT_LE(font.widths[c], font.bitmap->GetWidth()) << name << c;
        // The row of 'H' has ink; the row of code 1 none.
        int inkH = 0, ink1 = 0;
        for (int y = 0; y < font.height; ++y) {
            for (int x = 0; x < font.bitmap->GetWidth(); ++x) {
                inkH += font.bitmap->GetPixel(x, 'H' * font.height + y) >> 24;
                ink1 += font.bitmap->GetPixel(x, 1 * font.height + y) >> 24;
            }
        }
        EXPECT_GT(inkH, 0) << name;
        EXPECT_EQ(ink1, 0) << name;
        HfcFreeBmpFont(&font);
    }
    tagHfcBmpFontInfo none{};
    EXPECT_FALSE(HfcLoadBmpFont("NoSuchFont", &none));
}

TEST_F(Resources, OverrideFolderBeatsTheCompiledInImage) {
    TestPng png;
    png.width = 3;
    png.samples = {9, 8, 7, 9, 8, 7, 9, 8, 7};
    const std::vector<uint8_t> file = png.Encode();
    FILE* f = std::fopen((m_dir + "/HfcUiFont.png").c_str(), "wb");
    ASSERT_NE(f, nullptr);
    std::fwrite(file.data(), 1, file.size(), f);
    std::fclose(f);

    CHfcBmp bmp;
    ASSERT_TRUE(bmp.LoadPNG("HfcUiFont", nullptr, 0));  // compiled in
    EXPECT_GT(bmp.GetHeight(), 128);
    HfcBundleRef bundle = HfcBundleCreateWithFolder(m_dir.c_str());
    HfcMacSetBundle(bundle);
    HfcBundleRelease(bundle);
    ASSERT_TRUE(bmp.Load("HfcUiFont"));
    EXPECT_EQ(bmp.GetWidth(), 3);
    EXPECT_EQ(bmp.GetPixel(0, 0), 0xFF090807u);
    // Not in the folder: the compiled-in table still answers.
    EXPECT_TRUE(bmp.LoadPNG("HfcUiFontBold", nullptr, 0));
    EXPECT_FALSE(bmp.LoadPNG("NoSuchImage", nullptr, 0));
    EXPECT_EQ(bmp.GetWidth(), 0);
    EXPECT_FALSE(bmp.LoadPNG(nullptr, nullptr, 0));
    // A name too long for the formatted resource name is cut, not overrun.
    const std::string longName(400, 'x');
    EXPECT_FALSE(bmp.LoadPNG(longName.c_str(), nullptr, 0));
}

TEST_F(Resources, BundleReferencesAndThePluginFolder) {
    EXPECT_EQ(HfcMacGetBundle(), nullptr);
    HfcBundleRef plugin = HfcMacBundleCreateForPlugin();
    ASSERT_NE(plugin, nullptr);
    // Beside the file that holds the code (here the test program).
    EXPECT_EQ(HfcBundleGetFolder(plugin),
              std::filesystem::canonical("/proc/self/exe").parent_path().string() + "/Resources");
    HfcMacSetBundle(plugin);
    HfcBundleRelease(plugin);  // the toolkit keeps its own reference
    HfcBundleRef got = HfcMacGetBundle();
    EXPECT_EQ(got, plugin);
    EXPECT_EQ(HfcBundleGetFolder(got), HfcBundleGetFolder(plugin));
    HfcBundleRelease(got);
}

TEST_F(Resources, FileLoaderUsesTheCallersBufferWhenLargeEnough) {
    TestPng png;
    png.width = 2;
    png.samples = {1, 2, 3, 4, 5, 6};
    const std::vector<uint8_t> file = png.Encode();
    const std::string path = m_dir + "/a.png";
    FILE* f = std::fopen(path.c_str(), "wb");
    std::fwrite(file.data(), 1, file.size(), f);
    std::fclose(f);
    CHfcBmp bmp;
    std::vector<unsigned char> big(4096), small(4);
    EXPECT_TRUE(bmp.LoadPNGFromFile(path.c_str(), big.data(), big.size()));
    EXPECT_EQ(std::vector<unsigned char>(big.begin(), big.begin() + 8),
              std::vector<unsigned char>(file.begin(), file.begin() + 8));
    EXPECT_TRUE(bmp.LoadPNGFromFile(path.c_str(), small.data(), small.size()));
    EXPECT_EQ(bmp.GetPixel(1, 0), 0xFF040506u);
    EXPECT_FALSE(bmp.LoadPNGFromFile((m_dir + "/missing.png").c_str(), nullptr, 0));
    EXPECT_FALSE(bmp.LoadPNGFromFile(m_dir.c_str(), nullptr, 0));  // a folder
}

}  // namespace
