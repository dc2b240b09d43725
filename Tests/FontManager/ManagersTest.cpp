// The editor layer's shared managers: reference counts, the image cache, font records and the
// override folder beside the plug-in.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "Common/FontManager/FontManager.h"
#include "Common/FontManager/ResourceManager.h"
#include "Common/Layers/Forms/UIFormManager.h"
#include "Hfc/Base/HfcBundle.h"
#include "Hfc/Draw/HfcBmp.h"
#include "Linux/Trace.h"

namespace {

TEST(ResourceManagerTest, LoadsOnceAndForgetsFailures) {
    ASSERT_TRUE(ResourceManager::Initialize());
    ResourceManager* images = ResourceManager::GetInstance();
    ASSERT_NE(images, nullptr);
    EXPECT_EQ(images->LoadImage(""), nullptr);
    CHfcBmp* knob = images->LoadImage("Knob_Meter");
    ASSERT_NE(knob, nullptr);
    EXPECT_EQ(images->LoadImage("Knob_Meter"), knob);
    EXPECT_EQ(images->LoadImage("No_Such_Image"), nullptr);
    EXPECT_EQ(images->LoadImage("No_Such_Image"), nullptr);
    images->UnloadImage("No_Such_Image");  // not cached: nothing happens
    images->UnloadImage("Knob_Meter");
    CHfcBmp* again = images->LoadImage("Knob_Meter");
    ASSERT_NE(again, nullptr);
    EXPECT_EQ(again->GetWidth(), 36);
    images->UnloadAllImages();
    EXPECT_NE(images->LoadImage("Knob_Meter"), nullptr);
    ResourceManager::Uninitialize();
    EXPECT_EQ(ResourceManager::GetInstance(), nullptr);
}

// A missing image or font gives none every time it is asked for, and is reported once.
TEST(ResourceManagerTest, MissingNamesAreTracedOnce) {
    ASSERT_TRUE(ResourceManager::Initialize());
    ASSERT_TRUE(FontManager::Initialize());
    g_enabletrace = 1;
    ::testing::internal::CaptureStdout();
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(ResourceManager::GetInstance()->LoadImage("Switch_Missing"), nullptr);
        EXPECT_EQ(FontManager::GetInstance()->GetBmpFontInfo("FontMissing"), nullptr);
    }
    const std::string out = ::testing::internal::GetCapturedStdout();
    g_enabletrace = 0;
    EXPECT_EQ(out.find("Switch_Missing"), out.rfind("Switch_Missing"));
    EXPECT_NE(out.find("Switch_Missing"), std::string::npos);
    EXPECT_EQ(out.find("FontMissing"), out.rfind("FontMissing"));
    EXPECT_NE(out.find("FontMissing"), std::string::npos);
    FontManager::Uninitialize();
    ResourceManager::Uninitialize();
}

// Three users need three releases; a fourth release does nothing, and the next start is fresh.
TEST(ResourceManagerTest, CountsItsUsers) {
    ASSERT_TRUE(ResourceManager::Initialize());
    ASSERT_TRUE(ResourceManager::Initialize());
    ASSERT_TRUE(ResourceManager::Initialize());
    ResourceManager* first = ResourceManager::GetInstance();
    ResourceManager::Uninitialize();
    ResourceManager::Uninitialize();
    EXPECT_EQ(ResourceManager::GetInstance(), first);
    ResourceManager::Uninitialize();
    EXPECT_EQ(ResourceManager::GetInstance(), nullptr);
    ResourceManager::Uninitialize();
    EXPECT_EQ(ResourceManager::GetInstance(), nullptr);
    ASSERT_TRUE(ResourceManager::Initialize());
    EXPECT_NE(ResourceManager::GetInstance(), nullptr);
    ResourceManager::Uninitialize();
    EXPECT_EQ(ResourceManager::GetInstance(), nullptr);
}

TEST(UIFormManagerTest, CountsItsUsers) {
    ASSERT_TRUE(UIFormManager::Initialize());
    ASSERT_TRUE(UIFormManager::Initialize());
    UIFormManager::Uninitialize();
    EXPECT_NE(UIFormManager::GetInstance(), nullptr);
    UIFormManager::Uninitialize();
    EXPECT_EQ(UIFormManager::GetInstance(), nullptr);
    UIFormManager::Uninitialize();
    EXPECT_EQ(UIFormManager::GetInstance(), nullptr);
}

// The plug-in's start-up and shut-down order, by two instances of the plug-in.
class ShellSequence : public ::testing::Test {
protected:
    static bool Start() {
        return ResourceManager::Initialize() && UIFormManager::Initialize() && FontManager::Initialize();
    }
    static void Stop() {
        FontManager::Uninitialize();
        UIFormManager::Uninitialize();
        ResourceManager::Uninitialize();
    }
};

TEST_F(ShellSequence, SecondInstanceKeepsImagesAndFontsUntilTheLastGoes) {
    ASSERT_TRUE(Start());
    ASSERT_TRUE(Start());
    tagHfcBmpFontInfo* font = FontManager::GetInstance()->GetBmpFontInfo(FontName_ParamValue);
    ASSERT_NE(font, nullptr);
    EXPECT_EQ(font, &gFontInfo_Geneva9);
    ASSERT_NE(font->bitmap, nullptr);
    EXPECT_EQ(font->bitmap, ResourceManager::GetInstance()->LoadImage("FontGeneva9"));
    Stop();
    // The first instance still draws with them.
    ASSERT_NE(FontManager::GetInstance(), nullptr);
    EXPECT_EQ(FontManager::GetInstance()->GetBmpFontInfo("FontGeneva9"), font);
    EXPECT_EQ(font->bitmap, ResourceManager::GetInstance()->LoadImage("FontGeneva9"));
    EXPECT_EQ(font->bitmap->GetHeight(), 128 * 10);
    Stop();
    EXPECT_EQ(FontManager::GetInstance(), nullptr);
    EXPECT_EQ(UIFormManager::GetInstance(), nullptr);
    EXPECT_EQ(ResourceManager::GetInstance(), nullptr);
    // No record keeps a pointer to a destroyed image.
    EXPECT_EQ(gFontInfo_Geneva9.bitmap, nullptr);
    EXPECT_EQ(gFontInfo_HelvB18.bitmap, nullptr);
    // A new start maps the fonts to the new images.
    ASSERT_TRUE(Start());
    EXPECT_EQ(gFontInfo_Geneva9.bitmap, ResourceManager::GetInstance()->LoadImage("FontGeneva9"));
    EXPECT_NE(gFontInfo_Geneva9.bitmap, nullptr);
    Stop();
}

TEST_F(ShellSequence, FontsNamedByRoleAndUnknownNames) {
    ASSERT_TRUE(Start());
    FontManager* fonts = FontManager::GetInstance();
    EXPECT_EQ(fonts->GetBmpFontInfo(FontName_ParamLabel), &gFontInfo_Geneva10);
    EXPECT_EQ(fonts->GetBmpFontInfo(FontName_CategoryLabel), &gFontInfo_HelvB11_Shadow);
    EXPECT_EQ(fonts->GetBmpFontInfo("TextW4H9"), &gFontInfoW4H9);
    EXPECT_EQ(fonts->GetBmpFontInfo("FontGeneva9ForControls"), &gFontInfo_Geneva9_for_Controls);
    EXPECT_EQ(fonts->GetBmpFontInfo("x"), nullptr);
    EXPECT_EQ(fonts->GetBmpFontInfo("x"), nullptr);
    EXPECT_EQ(fonts->GetBmpFontInfo(""), nullptr);
    // "TextW6H9" is a plain strip, not one of the eight fonts.
    EXPECT_EQ(fonts->GetBmpFontInfo("TextW6H9"), nullptr);
    Stop();
}

// Released out of order (the image cache first), the font records let go of their images at once
// rather than pointing at freed ones.
TEST_F(ShellSequence, RecordsLetGoWhenTheirImagesAreDestroyed) {
    ASSERT_TRUE(Start());
    ASSERT_NE(gFontInfo_HelvB11.bitmap, nullptr);
    ResourceManager::GetInstance()->UnloadImage("FontHelvB11");
    EXPECT_EQ(gFontInfo_HelvB11.bitmap, nullptr);
    EXPECT_NE(gFontInfo_Geneva10.bitmap, nullptr);
    ResourceManager::Uninitialize();
    EXPECT_EQ(gFontInfo_Geneva10.bitmap, nullptr);
    EXPECT_NE(FontManager::GetInstance()->GetBmpFontInfo("FontGeneva10"), nullptr);
    FontManager::Uninitialize();
    UIFormManager::Uninitialize();
    EXPECT_EQ(ResourceManager::GetInstance(), nullptr);
}

// Without the image cache, the fonts still map their records, with no images.
TEST(FontManagerTest, WithoutImagesRecordsHaveNone) {
    ASSERT_EQ(ResourceManager::GetInstance(), nullptr);
    ASSERT_TRUE(FontManager::Initialize());
    tagHfcBmpFontInfo* font = FontManager::GetInstance()->GetBmpFontInfo("FontHelvB18");
    ASSERT_EQ(font, &gFontInfo_HelvB18);
    EXPECT_EQ(font->bitmap, nullptr);
    EXPECT_EQ(font->widths['A' + 128], 12);
    FontManager::Uninitialize();
}

// A folder of images beside the plug-in overrides the compiled-in art by name; a damaged file there
// gives no image and harms nothing.
class OverrideFolder : public ::testing::Test {
protected:
    void SetUp() override {
        char pattern[] = "/tmp/tolva-art-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        m_folder = pattern;
        ASSERT_TRUE(ResourceManager::Initialize());
        HfcBundleRef bundle = HfcBundleCreateWithFolder(m_folder.c_str());
        HfcMacSetBundle(bundle);
        HfcBundleRelease(bundle);
    }
    void TearDown() override {
        ResourceManager::Uninitialize();
        HfcMacSetBundle(nullptr);
        std::remove((m_folder + "/Switch_ON.png").c_str());
        std::remove((m_folder + "/Knob_Meter.png").c_str());
        rmdir(m_folder.c_str());
    }
    std::string m_folder;
};

TEST_F(OverrideFolder, FolderWinsAndDamagedFilesFail) {
    CHfcBmp replacement;
    ASSERT_TRUE(replacement.Create(5, 7));
    replacement.SetPixel(1, 1, 0xFF102030);
    ASSERT_TRUE(HfcWritePng(&replacement, (m_folder + "/Switch_ON.png").c_str()));
    CHfcBmp* image = ResourceManager::GetInstance()->LoadImage("Switch_ON");
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(image->GetWidth(), 5);
    EXPECT_EQ(image->GetHeight(), 7);
    EXPECT_EQ(image->GetPixel(1, 1), 0xFF102030u);

    // The first bytes of a PNG and then nothing.
    FILE* file = std::fopen((m_folder + "/Knob_Meter.png").c_str(), "wb");
    ASSERT_NE(file, nullptr);
    const unsigned char damaged[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n', 0, 0, 0, 13, 'I', 'H'};
    std::fwrite(damaged, 1, sizeof damaged, file);
    std::fclose(file);
    EXPECT_EQ(ResourceManager::GetInstance()->LoadImage("Knob_Meter"), nullptr);
    // Images not in the folder still come from the compiled-in art.
    EXPECT_NE(ResourceManager::GetInstance()->LoadImage("Knob_MeterBack"), nullptr);
}

}  // namespace
