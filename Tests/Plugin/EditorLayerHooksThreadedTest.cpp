// The editor layer's hooks as the module plugs them in, under two plug-in instances (a Tolva and a
// Nerimo editor in one host) started and closed from two host threads: the managers start and stop
// on the UI thread, once for both instances, and live until the last instance goes.
#include <atomic>
#include <thread>

#include "Common/FontManager/FontManager.h"
#include "Common/FontManager/ResourceManager.h"
#include "Common/Layers/EditorManagers.h"
#include "Common/Layers/Forms/UIFormManager.h"
#include "Hfc/Draw/HfcBmp.h"
#include "PluginFixture.h"

namespace {

PluginEditorHooks g_editorHooks;
std::atomic<int> g_calls{0};
std::atomic<int> g_offTheUIThread{0};

void Note() {
    ++g_calls;
    RunLoop* ui = UIThread::Loop();
    if (ui == nullptr || !ui->IsLoopThread()) ++g_offTheUIThread;
}
template <int I>
bool Up() {
    Note();
    return g_editorHooks.initializeManager[I]();
}
template <int I>
void Down() {
    Note();
    g_editorHooks.uninitializeManager[I]();
}

class EditorLayerHooksThreaded : public PluginTest {
protected:
    void SetUp() override {
        PluginTest::SetUp();
        g_editorHooks = EditorManagerHooks(GetPluginEditorHooks());
        m_watched = g_editorHooks;
        m_watched.initializeManager[0] = &Up<0>;
        m_watched.initializeManager[1] = &Up<1>;
        m_watched.initializeManager[2] = &Up<2>;
        m_watched.uninitializeManager[0] = &Down<0>;
        m_watched.uninitializeManager[1] = &Down<1>;
        m_watched.uninitializeManager[2] = &Down<2>;
        SetPluginEditorHooks(&m_watched);
        g_calls = 0;
        g_offTheUIThread = 0;
    }
    // Each model's effect made on a host thread of its own, as hosts do; none has a loop of its own,
    // so both run on the process's UI thread.
    static void OpenOnHostThreads(AEffect*& tolva, AEffect*& nerimo) {
        std::thread a(
            [&] { tolva = static_cast<AEffect*>(QorVst::CreateInstance(1, InProcessHost::Callback)); });
        std::thread b(
            [&] { nerimo = static_cast<AEffect*>(QorVst::CreateInstance(9, InProcessHost::Callback)); });
        a.join();
        b.join();
    }
    static void CloseOnHostThread(AEffect* effect) {
        std::thread t([effect] { effect->dispatcher(effect, effClose, 0, 0, nullptr, 0); });
        t.join();
    }
    // The font records point at the images of the cache that stands now.
    static bool FontsShowTheCachedImages() {
        ResourceManager* images = ResourceManager::GetInstance();
        return images != nullptr && gFontInfo_Geneva9.bitmap != nullptr &&
               gFontInfo_Geneva9.bitmap == images->LoadImage(FontName_Geneva9) &&
               gFontInfo_HelvB11.bitmap == images->LoadImage(FontName_HelvB11);
    }

    PluginEditorHooks m_watched{};
};

TEST_F(EditorLayerHooksThreaded, TwoInstancesShareTheManagersStartedOnTheUIThread) {
    AEffect* tolva = nullptr;
    AEffect* nerimo = nullptr;
    OpenOnHostThreads(tolva, nerimo);
    ASSERT_NE(tolva, nullptr);
    ASSERT_NE(nerimo, nullptr);
    EXPECT_EQ(g_calls.load(), 6);
    ASSERT_NE(ResourceManager::GetInstance(), nullptr);
    EXPECT_NE(UIFormManager::GetInstance(), nullptr);
    ASSERT_NE(FontManager::GetInstance(), nullptr);
    EXPECT_TRUE(FontsShowTheCachedImages());
    const CHfcBmp* firstImage = gFontInfo_Geneva9.bitmap;

    // One instance goes: images stay valid and fonts mapped for the other.
    CloseOnHostThread(tolva);
    EXPECT_TRUE(FontsShowTheCachedImages());
    EXPECT_EQ(gFontInfo_Geneva9.bitmap, firstImage);
    EXPECT_NE(FontManager::GetInstance()->GetBmpFontInfo(FontName_HelvB11), nullptr);

    // The last one goes: everything is destroyed and no record keeps an image.
    CloseOnHostThread(nerimo);
    EXPECT_EQ(ResourceManager::GetInstance(), nullptr);
    EXPECT_EQ(UIFormManager::GetInstance(), nullptr);
    EXPECT_EQ(FontManager::GetInstance(), nullptr);
    EXPECT_EQ(gFontInfo_Geneva9.bitmap, nullptr);
    EXPECT_EQ(g_calls.load(), 12);

    // A new instance starts them afresh: the fonts point at the new cache's images.
    AEffect* again = nullptr;
    std::thread t([&] { again = static_cast<AEffect*>(QorVst::CreateInstance(1, InProcessHost::Callback)); });
    t.join();
    ASSERT_NE(again, nullptr);
    EXPECT_TRUE(FontsShowTheCachedImages());
    CloseOnHostThread(again);
    EXPECT_EQ(ResourceManager::GetInstance(), nullptr);
    EXPECT_EQ(g_offTheUIThread.load(), 0);
}

}  // namespace
