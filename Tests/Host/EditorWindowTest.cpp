// The program's editor window headless: its menus carry the program's commands with the Play/Stop
// and Lock/Unlock pairs' states, a click on a title runs the chosen command, the shortcuts and the
// close box reach the owner, and the view's frame sits under the strip.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "App/EditorWindow.h"
#include "Hfc/Core/HfcPopupMenu.h"
#include "Hfc/Headless/HfcHeadless.h"
#include "Host/Shell/ShellCore.h"
#include "Linux/RunLoop.h"
#include "StandaloneGallery.h"

namespace {

class Actions final : public IShellActions {
public:
    bool StartAudio() override { return device; }
    void StopAudio() override {}
    void SetEditWindowLock(bool) override {}
    void ShowAbout() override {}
    void ShowPreferences() override { ++preferences; }
    void PluginOperation(int) override {}
    void Quit() override { ++quits; }
    void NoteAlert(const char*) override {}
    bool device = true;
    int preferences = 0, quits = 0;
};

class EditorWindowTest : public ::testing::Test {
public:
    void SetUp() override {
        screen.Install();
        CEditorWindow::Client client;
        client.command = [this](uint32_t c) {
            ran.push_back(c);
            commands.Handle(c);
        };
        client.isEnabled = [this](uint32_t c) { return commands.IsEnabled(c); };
        client.close = [this] { ++closes; };
        window = std::make_unique<CEditorWindow>(std::move(client));
        ASSERT_TRUE(window->Open("Tolva Editor", 100, 80, 816, 600));
        window->GetFrame()->GetRootOrigin(&x, &y);
        window->GetFrame()->SetInputFocus();
    }
    void TearDown() override {
        HfcSetPopupMenuHook(nullptr);
        window.reset();
    }
    // Clicks a menu's title; the menu answers with the item of this command (0: nothing).
    void ChooseFrom(int menu, uint32_t command) {
        HfcSetPopupMenuHook([this, command](const HfcPopupMenuRequest& request) {
            shown = request.items;
            for (const auto& item : request.items)
                if (static_cast<uint32_t>(item.id) == command && !(item.flags & 3u)) return item.id;
            return 0;
        });
        screen.MoveTo(x + EditorWindowLayout::TitleLeft(menu) + 10, y + 8);
        screen.Click();
    }
    bool Disabled(uint32_t command) const {
        for (const auto& item : shown)
            if (static_cast<uint32_t>(item.id) == command) return (item.flags & 2u) != 0;
        ADD_FAILURE() << "not in the menu: " << command;
        return false;
    }

    CHfcHeadlessScreen screen{1280, 1024};
    RunLoop loop;
    Actions actions;
    CShellCommands commands{&actions};
    std::unique_ptr<CEditorWindow> window;
    std::vector<uint32_t> ran;
    std::vector<CHfcPopupMenu::Item> shown;
    int closes = 0;
    int x = 0, y = 0;
};

}  // namespace

TEST_F(EditorWindowTest, MenusRunTheCommandsAndShowThePairs) {
    EXPECT_EQ(window->GetFrame()->GetHeight(), 600 + EditorWindowLayout::kMenuHeight);
    CHfcHeadlessFrame* view = screen.FindFrame(window->ViewParentId());
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->GetParentId(), window->GetFrame()->GetId());
    EXPECT_EQ(view->GetWidth(), 816);
    EXPECT_EQ(view->GetHeight(), 600);

    commands.SetPlaying(false);
    ChooseFrom(EditorWindowLayout::kAudioMenu, kCmdPlay);
    EXPECT_EQ(ran, std::vector<uint32_t>{kCmdPlay});
    // Playing now: Play is disabled and Stop is offered; a disabled item cannot be chosen.
    ChooseFrom(EditorWindowLayout::kAudioMenu, kCmdPlay);
    EXPECT_TRUE(Disabled(kCmdPlay));
    EXPECT_FALSE(Disabled(kCmdStop));
    EXPECT_EQ(ran.size(), 1u);
    ChooseFrom(EditorWindowLayout::kAudioMenu, kCmdPreferences);
    EXPECT_EQ(actions.preferences, 1);

    ChooseFrom(EditorWindowLayout::kWindowMenu, kCmdLock);
    ChooseFrom(EditorWindowLayout::kWindowMenu, 0);
    EXPECT_TRUE(Disabled(kCmdLock));
    EXPECT_FALSE(Disabled(kCmdUnlock));

    ChooseFrom(EditorWindowLayout::kFileMenu, kCmdQuit);
    EXPECT_EQ(actions.quits, 1);
    // The File menu lists the plug-in's file commands.
    for (uint32_t c : {kCmdBankOpen, kCmdBankSaveAs, kCmdPresetImport, kCmdPresetExport})
        EXPECT_FALSE(Disabled(c));

    CHfcBmp strip;
    auto snap = screen.Snapshot();
    strip.Create(816, EditorWindowLayout::kMenuHeight);
    for (int py = 0; py < EditorWindowLayout::kMenuHeight; ++py)
        for (int px = 0; px < 816; ++px) strip.SetPixel(px, py, snap->GetPixel(x + px, y + py));
    EXPECT_TRUE(WriteStandaloneGallery(strip, "menu-strip"));
}

TEST_F(EditorWindowTest, ShortcutsAndTheCloseBoxReachTheOwner) {
    screen.SetModifiers(kHfcMacCmdKey);
    screen.Key(',', 0);
    screen.Key('q', 0);
    screen.SetModifiers(0);
    EXPECT_EQ(ran, (std::vector<uint32_t>{kCmdPreferences, kCmdQuit}));
    // Typing without Control is the view's business.
    screen.Key('q', 0);
    EXPECT_EQ(ran.size(), 2u);

    HfcPlatformEvent close;
    close.kind = HfcEventKind::Close;
    window->OnPlatformEvent(close);
    EXPECT_EQ(closes, 1);
    EXPECT_NE(window->GetFrame(), nullptr) << "the owner takes the window down, not the close box";
}
