// Smoke tests of the X11 backend under a private Xvfb: a fake host window on a connection of its
// own, a window of ours made inside it, screenshots compared with the headless render, and XTest
// input reaching our layers and the key singleton.
#include <gtest/gtest.h>

#include <memory>

#include "Hfc/HfcFixture.h"
#include "Hfc/HfcGallery.h"
#include "Hfc/HfcX11Shot.h"
#include "Hfc/X11/HfcX11.h"
#include "Support/XvfbServer.h"

#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

namespace {

constexpr int kWidth = 320;
constexpr int kHeight = 200;

// The scene both backends draw: opaque and half-transparent fills, vector lines and arcs (cairo's
// anti-aliasing included), on two layers.
struct Scene {
    explicit Scene(CHfcWindow* window, HfcLog* log) : bottom("bottom", log), top("top", log) {
        bottom.Create(0, 0, kWidth, kHeight, window);
        top.Create(60, 40, 180, 120, window);
        bottom.Fill(0xFF203040);
        CHfcDrawContext* c = bottom.GetContext();
        c->SetBrushColor(0xFFE0A020);
        c->FillRect(10, 10, 100, 30);
        c->SetPenColor(0xFFFFFFFF);
        c->SetPenWidth(2.5f);
        c->MoveTo(5, 190);
        c->LineTo(310, 60);
        top.Fill(0xC000C080);
        top.GetContext()->ClearRect(0, 0, 40, 40);
        bottom.Show(false);
        top.Show(false);
        window->FlushUpdateRect();
    }
    CRecordingLayer bottom;
    CRecordingLayer top;
};

class KeyLog : public CHfcKeyListener {
public:
    bool OnHfcKeyChar(CHfcKey*, int a, int b) override {
        chars.push_back(a * 1000 + b);
        return true;
    }
    std::vector<int> chars;
};

}  // namespace

class X11Smoke : public testing::Test {
protected:
    void SetUp() override {
        m_server = std::make_unique<CXvfbServer>();
        if (!m_server->Available()) GTEST_SKIP() << "no private X server: " << m_server->Reason();
        m_host = XOpenDisplay(m_server->Name());
        ASSERT_NE(m_host, nullptr);
        m_hostWindow = XCreateSimpleWindow(m_host, DefaultRootWindow(m_host), 0, 0, 900, 700, 0, 0, 0x808080);
        XMapWindow(m_host, m_hostWindow);
        XSync(m_host, False);
        ASSERT_TRUE(m_x11.Open(m_server->Name()));
        m_x11.Install();
        CHfcMouse::Initialize(true);
        CHfcKey::Initialize();
    }
    void TearDown() override {
        m_window.reset();
        if (m_server->Available()) {
            CHfcKey::Uninitialize();
            CHfcMouse::Uninitialize();
        }
        m_x11.Close();
        if (m_host != nullptr) XCloseDisplay(m_host);
    }
    // Our window as a child of the host's, at (x, y) inside it.
    CTestWindow* MakeChild(int x, int y) {
        m_window = std::make_unique<CTestWindow>();
        HfcFrameParams params;
        params.kind = HfcFrameKind::Child;
        params.parentId = m_hostWindow;
        params.x = x;
        params.y = y;
        params.width = kWidth;
        params.height = kHeight;
        EXPECT_TRUE(m_window->CreateFrame(params));
        return m_window.get();
    }
    // Serves our connection until the condition holds (a few seconds at most).
    bool Pump(const std::function<bool()>& condition) {
        XSync(m_host, False);
        m_x11.Sync();
        return m_loop.RunUntil(condition, 3000);
    }
    // What the server shows of a window of ours, as ARGB pixels.
    std::unique_ptr<CHfcBmp> Screenshot(Window window, int width, int height) {
        m_x11.Sync();
        return HfcX11Grab(m_host, window, 0, 0, width, height);
    }

    RunLoop m_loop;
    std::unique_ptr<CXvfbServer> m_server;
    Display* m_host = nullptr;
    Window m_hostWindow = 0;
    CHfcX11Platform m_x11;
    std::unique_ptr<CTestWindow> m_window;
};

TEST_F(X11Smoke, AChildOfTheHostWindowShowsExactlyTheHeadlessRender) {
    // The headless render first.
    std::unique_ptr<CHfcBmp> expected;
    {
        CHfcHeadlessScreen screen(1024, 768);
        screen.Install();
        CTestWindow window;
        HfcFrameParams params;
        params.kind = HfcFrameKind::Child;
        params.parentId = screen.CreateForeignWindow(0, 0, 900, 700);
        params.width = kWidth;
        params.height = kHeight;
        ASSERT_TRUE(window.CreateFrame(params));
        HfcLog log;
        Scene scene(&window, &log);
        expected = HfcCopyPixels(window.GetFrame()->GetBackBuffer(), kWidth, kHeight);
        window.RemoveAllLayers(false);
        window.Destroy();
    }
    m_x11.Install();
    CTestWindow* w = MakeChild(40, 30);
    ASSERT_NE(w->GetFrame(), nullptr);
    HfcLog log;
    Scene scene(w, &log);
    Pump([] { return false; });  // serve the map and its expose
    std::unique_ptr<CHfcBmp> shot = Screenshot(w->GetFrame()->GetId(), kWidth, kHeight);
    ASSERT_NE(shot, nullptr);
    HfcWritePng(shot.get(), HfcGalleryPath("x11-child-screenshot").c_str());
    HfcWritePng(expected.get(), HfcGalleryPath("x11-child-headless").c_str());
    EXPECT_EQ(HfcDifferentPixels(shot.get(), expected.get()), 0);
    EXPECT_EQ(m_x11.ErrorCount(), 0);
    w->RemoveAllLayers(false);
}

TEST_F(X11Smoke, XTestClicksAndKeysReachOurLayersAndTheKeySingleton) {
    CTestWindow* w = MakeChild(100, 50);
    HfcLog log;
    Scene scene(w, &log);
    Pump([] { return false; });
    // A click on the top layer at its (20, 60): window (80, 100), root (180, 150).
    XTestFakeMotionEvent(m_host, 0, 180, 150, 0);
    XTestFakeButtonEvent(m_host, 1, True, 0);
    XTestFakeButtonEvent(m_host, 1, False, 0);
    EXPECT_TRUE(Pump([&] { return !log.empty() && log.back() == "top:up 20,60"; }));
    EXPECT_NE(std::find(log.begin(), log.end(), "top:down 20,60"), log.end());
    // Right button and wheel map to ours.
    log.clear();
    XTestFakeButtonEvent(m_host, 3, True, 0);
    XTestFakeButtonEvent(m_host, 3, False, 0);
    XTestFakeButtonEvent(m_host, 5, True, 0);
    XTestFakeButtonEvent(m_host, 5, False, 0);
    EXPECT_TRUE(Pump([&] { return !log.empty() && log.back() == "top:wheel 1/-1 20,60"; }));
    EXPECT_NE(std::find(log.begin(), log.end(), "top:rdown 20,60"), log.end());
    // Keys: our window takes the focus, typed keys reach the key singleton mapped.
    KeyLog keys;
    CHfcKey::GetInstance()->SetListener(&keys);
    w->GetFrame()->SetInputFocus();
    EXPECT_TRUE(Pump([&] { return w->GetFrame()->HasInputFocus(); }));
    for (KeySym sym : {XK_a, XK_Return, XK_Left}) {
        const KeyCode code = XKeysymToKeycode(m_host, sym);
        XTestFakeKeyEvent(m_host, code, True, 0);
        XTestFakeKeyEvent(m_host, code, False, 0);
    }
    EXPECT_TRUE(Pump([&] { return keys.chars.size() >= 3; }));
    EXPECT_EQ(keys.chars, (std::vector<int>{'a' * 1000, 13 * 1000, 37 * 1000}));
    CHfcKey::GetInstance()->SetListener(nullptr);
    EXPECT_EQ(m_x11.ErrorCount(), 0);
    w->RemoveAllLayers(false);
}

TEST_F(X11Smoke, AnUnknownParentMakesNoFrameAndTheErrorIsOurs) {
    m_window = std::make_unique<CTestWindow>();
    HfcFrameParams params;
    params.kind = HfcFrameKind::Child;
    params.parentId = 0x7FFFFF;  // no such window
    params.width = 100;
    params.height = 100;
    EXPECT_FALSE(m_window->CreateFrame(params));
    EXPECT_GT(m_x11.ErrorCount(), 0);  // recorded and swallowed: the process is still here
}

TEST_F(X11Smoke, TheHostDestroyingItsWindowFirstLeavesOurFrameHarmless) {
    CTestWindow* w = MakeChild(0, 0);
    HfcLog log;
    Scene scene(w, &log);
    XDestroyWindow(m_host, m_hostWindow);
    XSync(m_host, False);
    Pump([] { return false; });
    w->DrawLayers(true);  // presents to a window that is gone
    w->RemoveAllLayers(false);
    m_window.reset();  // destroys the frame
    m_x11.Sync();
    SUCCEED();
}
