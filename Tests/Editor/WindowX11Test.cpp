// The editor window in a real X window on a private Xvfb: opening on the instrument, the mode switches,
// the keyboard and wheels, closing and opening again, each step run headless first and then on the
// server with XTest input; what the server shows equals the headless render, pixel for pixel. Then
// the built plug-in itself, loaded by the test host, opens its window in the host's.
#include <dlfcn.h>

#include "Editor/WindowX11Fixture.h"

#ifndef TOLVA_PLUGIN_SO
#error "the plug-in's path is given by the build"
#endif

using namespace WindowTest;

namespace {

class WindowOnX : public EditorWindowOnX {
protected:
    // S1, S2, S6 and S14 in one run: a picture after each step.
    void Scenario(Shots& shots) {
        const char* backend = Backend();
        auto shot = [&](const std::string& name) { Take(shots, name); };
        Start(false);
        QorX0::SOUNDINDEX b012{1, 12};
        synth->PutCurSound(b012);
        Settle();
        Open();
        shot("s1-open");
        ClickControl(BackgroundLayer::kIdModeSwitch, BackgroundLayer::kTabCombi);
        Settle();
        EXPECT_EQ(Root()->GetGUIMode(), BackgroundLayer::kTabCombi) << backend;
        shot("s2-combination");
        ClickControl(BackgroundLayer::kIdModeSwitch, BackgroundLayer::kTabMulti);
        Settle();
        EXPECT_EQ(Root()->GetGUIMode(), BackgroundLayer::kTabMulti) << backend;
        shot("s2-multi");
        ClickControl(BackgroundLayer::kIdModeSwitch, BackgroundLayer::kTabProg);
        Settle();
        EXPECT_EQ(Root()->GetGUIMode(), BackgroundLayer::kTabProg) << backend;
        // S6: a key held down shows lit (the host path brings it back) and reaches the instrument.
        ClearLogs();
        const ArtGeometry::Rect key = ArtGeometry::CtlRegionRect(ArtGeometry::CtlWhiteIndex(60 - 21));
        Press(ArtGeometry::kCtlKeyboardX + key.x + 6, ArtGeometry::kCtlKeyboardY + 55);
        Block();
        Settle();
        shot("s6-key-held");
        Release();
        Block();
        Settle();
        EXPECT_TRUE(m_sim->WaitReceived(2)) << backend;
        const int channel = synth->GetGlobalChannel();
        char on[16];
        std::snprintf(on, sizeof on, "%02x 3c 40", 0x90 | channel);
        EXPECT_TRUE(HasReceived(on)) << backend;
        // S14: closed and opened again, on the instrument's mode.
        CloseWindow();
        Pump(100);
        Open();
        shot("s14-reopened");
        CloseEffect();
        // The instrument stays for the next run, back where it started.
        m_sim->With([](Sim::SimCore& c) { c.State().mode = Sim::Mode::ProgPlay; });
    }
};

}  // namespace

TEST_F(WindowOnX, ScenariosShowOnTheServerAsTheyRenderHeadless) {
    OnBothBackends([this](Shots& shots) { Scenario(shots); });
}

// The built plug-in in a host: its window opens inside the host's, shows the panel, and follows a
// click on a mode switch; closing and opening again leaves the host's window with our child only
// while open.
TEST_F(WindowOnX, TheBuiltPluginOpensItsWindowInTheHosts) {
    // What the window shows headless without an instrument.
    Start(true, false);
    auto headless = Shot();
    HfcWritePng(headless.get(), GalleryPath("headless-plugin-open").c_str());
    CloseEffect();
    SetPluginEditorHooks(nullptr);
    CXvfbServer server("1280x1024x24");
    if (!server.Available()) GTEST_SKIP() << "no private X server: " << server.Reason();
    char pattern[] = "/tmp/tolva-window-so-XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    const std::string dir = pattern;
    setenv("TOLVA_LOCK_DIR", dir.c_str(), 1);
    setenv("DISPLAY", server.Name(), 1);
    Sim::TempConfigHome config;
    Display* host = XOpenDisplay(server.Name());
    ASSERT_NE(host, nullptr);
    XSetErrorHandler(&CountHostError);
    Window window = XCreateSimpleWindow(host, DefaultRootWindow(host), 0, 0, 900, 700, 0, 0, 0x808080);
    XMapWindow(host, window);
    XSync(host, False);
    {
        TestHost plugin;
        ASSERT_TRUE(plugin.Load(TOLVA_PLUGIN_SO)) << dlerror();
        AEffect* effect = plugin.Instantiate();
        ASSERT_NE(effect, nullptr);
        ERect* rect = nullptr;
        ASSERT_EQ(plugin.Dispatch(effect, effEditGetRect, 0, 0, &rect), 1);
        ASSERT_NE(rect, nullptr);
        EXPECT_EQ(rect->right - rect->left, ArtGeometry::kWindowWidth);
        EXPECT_EQ(rect->bottom - rect->top, ArtGeometry::kWindowHeight);
        for (int round = 0; round < 3; ++round) {
            ASSERT_EQ(plugin.Dispatch(effect, effEditOpen, 0, 0, reinterpret_cast<void*>(window)), 1);
            // The window draws itself on its own timer.
            std::this_thread::sleep_for(std::chrono::milliseconds(700));
            XSync(host, False);
            auto shot = HfcX11Grab(host, window, 0, 0, ArtGeometry::kWindowWidth, ArtGeometry::kWindowHeight);
            ASSERT_NE(shot, nullptr);
            if (round == 0) {
                HfcWritePng(shot.get(), GalleryPath("plugin-x11-open").c_str());
                // The panel is drawn: the keyboard's white keys at the bottom, not the host's grey.
                EXPECT_NE(shot->GetPixel(ArtGeometry::kCtlKeyboardX + 6, ArtGeometry::kCtlKeyboardY + 55) &
                              0xFFFFFF,
                          0x808080u);
                EXPECT_EQ(HfcDifferentPixels(shot.get(), headless.get()), 0);
            }
            plugin.Dispatch(effect, effEditClose);
            XSync(host, False);
            Window rootWindow = 0, parent = 0, *children = nullptr;
            unsigned count = 0;
            XQueryTree(host, window, &rootWindow, &parent, &children, &count);
            if (children != nullptr) XFree(children);
            EXPECT_EQ(count, 0u) << round;
        }
        plugin.Close(effect);
    }
    XCloseDisplay(host);
    unsetenv("DISPLAY");
    unsetenv("TOLVA_LOCK_DIR");
    std::filesystem::remove_all(dir);
}
