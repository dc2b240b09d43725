// The editor window in a real X window on a private Xvfb: opening on the instrument, the mode switches,
// the keyboard and wheels, closing and opening again, each step run headless first and then on the
// server with XTest input; what the server shows equals the headless render, pixel for pixel. Then
// the built plug-in itself, loaded by the test host, opens its window in the host's; and the test build of
// the plug-in with its instrument inside is played by a click on the server.
#include <dlfcn.h>

#include <chrono>
#include <fstream>
#include <thread>

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

namespace {

// A host window on a private X server for a plug-in loaded from its shared object: the plug-in's
// editor opens its own display connection ($DISPLAY), its lock and preferences in folders of the test.
struct PluginHostOnX {
    PluginHostOnX() : server("1280x1024x24") {
        if (!server.Available()) return;
        char pattern[] = "/tmp/tolva-window-so-XXXXXX";
        if (mkdtemp(pattern) == nullptr) return;
        dir = pattern;
        setenv("TOLVA_LOCK_DIR", dir.c_str(), 1);
        setenv("DISPLAY", server.Name(), 1);
        host = XOpenDisplay(server.Name());
        if (host == nullptr) return;
        XSetErrorHandler(&CountHostError);
        window = XCreateSimpleWindow(host, DefaultRootWindow(host), 0, 0, 900, 700, 0, 0, 0x808080);
        XMapWindow(host, window);
        XSync(host, False);
    }
    ~PluginHostOnX() {
        if (host != nullptr) XCloseDisplay(host);
        unsetenv("DISPLAY");
        unsetenv("TOLVA_LOCK_DIR");
        if (!dir.empty()) std::filesystem::remove_all(dir);
    }
    bool Ready() const { return host != nullptr; }
    std::unique_ptr<CHfcBmp> Grab() {
        XSync(host, False);
        return HfcX11Grab(host, window, 0, 0, ArtGeometry::kWindowWidth, ArtGeometry::kWindowHeight);
    }
    // The editor draws on its own thread and timer: pictures are taken until one equals expected or
    // the deadline passes; the last one taken.
    std::unique_ptr<CHfcBmp> GrabWhenEqual(const CHfcBmp* expected, int deadlineMs = 30000) {
        const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(deadlineMs);
        for (;;) {
            auto shot = Grab();
            if (shot == nullptr || HfcDifferentPixels(shot.get(), expected) == 0 ||
                std::chrono::steady_clock::now() > end)
                return shot;
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
    }
    bool HasChild() {
        Window rootWindow = 0, parent = 0, *children = nullptr;
        unsigned count = 0;
        XQueryTree(host, window, &rootWindow, &parent, &children, &count);
        if (children != nullptr) XFree(children);
        return count > 0;
    }

    CXvfbServer server;
    Sim::TempConfigHome config;
    std::string dir;
    Display* host = nullptr;
    Window window = 0;
};

}  // namespace

// The built plug-in in a host: its window opens inside the host's and shows the panel as the
// headless render does; closing and opening again leaves the host's window with our child only
// while open.
TEST_F(WindowOnX, TheBuiltPluginOpensItsWindowInTheHosts) {
    // What the window shows headless without an instrument.
    Start(true, false);
    auto headless = Shot();
    HfcWritePng(headless.get(), GalleryPath("headless-plugin-open").c_str());
    CloseEffect();
    SetPluginEditorHooks(nullptr);
    PluginHostOnX x;
    if (!x.server.Available()) GTEST_SKIP() << "no private X server: " << x.server.Reason();
    ASSERT_TRUE(x.Ready());
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
            ASSERT_EQ(plugin.Dispatch(effect, effEditOpen, 0, 0, reinterpret_cast<void*>(x.window)), 1);
            if (round == 0) {
                auto shot = x.GrabWhenEqual(headless.get());
                ASSERT_NE(shot, nullptr);
                HfcWritePng(shot.get(), GalleryPath("plugin-x11-open").c_str());
                // The panel is drawn: the keyboard's white keys at the bottom, not the host's grey.
                EXPECT_NE(shot->GetPixel(ArtGeometry::kCtlKeyboardX + 6, ArtGeometry::kCtlKeyboardY + 55) &
                              0xFFFFFF,
                          0x808080u);
                EXPECT_EQ(HfcDifferentPixels(shot.get(), headless.get()), 0);
            }
            plugin.Dispatch(effect, effEditClose);
            XSync(x.host, False);
            EXPECT_FALSE(x.HasChild()) << round;
        }
        plugin.Close(effect);
    }
}

#ifdef TOLVA_SIM_PLUGIN_SO
namespace {
// What the test build's instrument reports in its file: the value of "key=".
std::string ReportValue(const std::string& path, const std::string& key) {
    std::ifstream is(path);
    std::string line;
    while (std::getline(is, line))
        if (line.rfind(key + "=", 0) == 0) return line.substr(key.size() + 1);
    return "";
}
}  // namespace

// The test build of the plug-in, whose MIDI goes to a simulated instrument inside it: loaded by the
// host, its window opens in the host's on the server, connected, as the headless render of the same
// instrument shows it; a key clicked with XTest is played by the instrument through the host's
// audio blocks, and the window afterwards is the same picture again.
TEST_F(WindowOnX, TheTestBuildOfThePluginPlaysTheInstrumentFromAClickOnTheServer) {
    // Headless, over an instrument as the test build has it: first memory all zero, local control off.
    m_sim = std::make_unique<Sim::SimInstrument>(Sim::Model::Tolva, 0);
    m_port = std::make_unique<Sim::SimLoopbackPort>(m_loopback, *m_sim);
    m_sim->With([](Sim::SimCore& c) { c.State().localControl = false; });
    Start();
    auto headless = Shot();
    HfcWritePng(headless.get(), GalleryPath("headless-sim-plugin-open").c_str());
    CloseEffect();
    SetPluginEditorHooks(nullptr);
    PluginHostOnX x;
    if (!x.server.Available()) GTEST_SKIP() << "no private X server: " << x.server.Reason();
    ASSERT_TRUE(x.Ready());
    const std::string report = x.dir + "/report.txt";
    setenv("TOLVA_SIM_REPORT", report.c_str(), 1);
    {
        TestHost plugin;
        ASSERT_TRUE(plugin.Load(TOLVA_SIM_PLUGIN_SO)) << dlerror();
        AEffect* effect = plugin.Instantiate();
        ASSERT_NE(effect, nullptr);
        ASSERT_EQ(plugin.Dispatch(effect, effEditOpen, 0, 0, reinterpret_cast<void*>(x.window)), 1);
        auto shot = x.GrabWhenEqual(headless.get());
        ASSERT_NE(shot, nullptr);
        HfcWritePng(shot.get(), GalleryPath("x11-sim-plugin-open").c_str());
        EXPECT_EQ(HfcDifferentPixels(shot.get(), headless.get()), 0);

        // Middle C clicked; the host's audio blocks carry it to the instrument.
        const ArtGeometry::Rect key = ArtGeometry::CtlRegionRect(ArtGeometry::CtlWhiteIndex(60 - 21));
        XTestFakeMotionEvent(x.host, 0, ArtGeometry::kCtlKeyboardX + key.x + 6,
                             ArtGeometry::kCtlKeyboardY + 55, 0);
        XTestFakeButtonEvent(x.host, 1, True, 0);
        XTestFakeButtonEvent(x.host, 1, False, 0);
        XSync(x.host, False);
        const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(30);
        while (ReportValue(report, "notes").empty() && std::chrono::steady_clock::now() < end) {
            TestHost::Process(effect, {}, 256);
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
        EXPECT_EQ(ReportValue(report, "notes"), "60");
        // The note is over: the key is drawn up again and nothing else changed.
        for (int i = 0; i < 20; ++i) TestHost::Process(effect, {}, 256);
        shot = x.GrabWhenEqual(headless.get());
        ASSERT_NE(shot, nullptr);
        EXPECT_EQ(HfcDifferentPixels(shot.get(), headless.get()), 0);
        plugin.Dispatch(effect, effEditClose);
        XSync(x.host, False);
        EXPECT_FALSE(x.HasChild());
        plugin.Close(effect);
    }
    unsetenv("TOLVA_SIM_REPORT");
    EXPECT_EQ(g_hostErrors, 0);
}
#endif
