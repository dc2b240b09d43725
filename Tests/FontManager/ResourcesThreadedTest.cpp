// Two plug-in instances starting and stopping the shared managers on two threads while each loads
// images and fonts, as hosts do when they open a second instance on another thread.
#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "Common/FontManager/FontManager.h"
#include "Common/FontManager/ResourceManager.h"
#include "Common/Layers/Forms/UIFormManager.h"
#include "Hfc/Draw/HfcBmp.h"

namespace {

TEST(ResourcesThreaded, TwoInstancesStartAndStopTogether) {
    // One instance stays for the whole run, as a first plug-in would: the other comes and goes.
    ASSERT_TRUE(ResourceManager::Initialize());
    ASSERT_TRUE(UIFormManager::Initialize());
    ASSERT_TRUE(FontManager::Initialize());
    std::atomic<int> failures{0};
    auto instance = [&failures](int rounds) {
        for (int i = 0; i < rounds; ++i) {
            if (!ResourceManager::Initialize() || !UIFormManager::Initialize() ||
                !FontManager::Initialize()) {
                ++failures;
            }
            ResourceManager* images = ResourceManager::GetInstance();
            if (images == nullptr || images->LoadImage("Switch_ON") == nullptr ||
                images->LoadImage(i % 2 ? "Knob_Meter" : "Knob_MeterBack") == nullptr) {
                ++failures;
            }
            FontManager* fonts = FontManager::GetInstance();
            if (fonts == nullptr || fonts->GetBmpFontInfo("FontGeneva9") == nullptr) ++failures;
            FontManager::Uninitialize();
            UIFormManager::Uninitialize();
            ResourceManager::Uninitialize();
        }
    };
    std::thread a(instance, 50);
    std::thread b(instance, 50);
    a.join();
    b.join();
    EXPECT_EQ(failures.load(), 0);
    EXPECT_NE(gFontInfo_Geneva9.bitmap, nullptr);
    FontManager::Uninitialize();
    UIFormManager::Uninitialize();
    ResourceManager::Uninitialize();
    EXPECT_EQ(ResourceManager::GetInstance(), nullptr);
}

}  // namespace
