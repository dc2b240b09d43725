// The editor layer's shared managers (images, forms, fonts) as the plug-in starts and stops them:
// whichever host thread opens or closes an effect, every start and every release runs on the main
// thread, and the counts come back to nothing when the last effect goes.
#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "Common/FontManager/FontManager.h"
#include "Common/FontManager/ResourceManager.h"
#include "Common/Layers/Forms/UIFormManager.h"
#include "Common/Plugin/PluginEditor.h"
#include "PluginFixture.h"

namespace {

std::atomic<int> g_offMain{0};
std::atomic<int> g_formsSeen{0};

// Effects made on host threads without a loop of their own run their main-thread work on the
// process's UI thread.
void NoteThread() {
    RunLoop* ui = UIThread::Loop();
    if (ui == nullptr || !ui->IsLoopThread()) ++g_offMain;
}
bool FormsUp() {
    NoteThread();
    const bool up = UIFormManager::Initialize();
    // The forms are there for whoever started them.
    if (up && UIFormManager::GetInstance()->GetLayerFormInfoCount() == 53) ++g_formsSeen;
    return up;
}

bool ImagesUp() {
    NoteThread();
    return ResourceManager::Initialize();
}
bool FontsUp() {
    NoteThread();
    return FontManager::Initialize();
}
void ImagesDown() {
    NoteThread();
    ResourceManager::Uninitialize();
}
void FormsDown() {
    NoteThread();
    UIFormManager::Uninitialize();
}
void FontsDown() {
    NoteThread();
    FontManager::Uninitialize();
}

const PluginEditorHooks kManagerHooks = {
    {ImagesUp, FormsUp, FontsUp},
    {ImagesDown, FormsDown, FontsDown},
    [](unsigned char) {},
    [](QorVst* effect, QorX0::IRemoteSynth*) -> QorVstEditorBase* { return new CHeadlessVstEditor(effect); },
};

class EditorManagersThreaded : public PluginTest {};

TEST_F(EditorManagersThreaded, HostThreadsStartAndReleaseTheManagersOnTheMainThread) {
    g_offMain = 0;
    g_formsSeen = 0;
    SetPluginEditorHooks(&kManagerHooks);
    constexpr int kRounds = 10;
    std::atomic<int> opened{0};
    auto host = [&](int model) {
        for (int i = 0; i < kRounds; ++i) {
            void* made = QorVst::CreateInstance(model, InProcessHost::Callback);
            auto* effect = static_cast<AEffect*>(made);
            if (effect == nullptr || effect->magic != kEffectMagic) continue;
            ++opened;
            effect->dispatcher(effect, effClose, 0, 0, nullptr, 0);
        }
    };
    std::thread tolva(host, 1);
    std::thread nerimo(host, 9);
    tolva.join();
    nerimo.join();
    EXPECT_EQ(opened.load(), 2 * kRounds);
    EXPECT_EQ(g_offMain.load(), 0);
    EXPECT_EQ(g_formsSeen.load(), 2 * kRounds);
    EXPECT_EQ(UIFormManager::GetInstance(), nullptr);
    EXPECT_EQ(FontManager::GetInstance(), nullptr);
    EXPECT_EQ(ResourceManager::GetInstance(), nullptr);
}

}  // namespace
