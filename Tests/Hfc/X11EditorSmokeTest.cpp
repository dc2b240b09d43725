// The editor bridge and the toolkit's own windows on a real X server (a private Xvfb): a fake host
// window on a connection of its own, the bridge opening our window inside it, XTest input reaching
// our layers, a menu chosen with the mouse and with the keys, a message box answered with a click, a file
// chosen by typing its name, and the host closing the editor while a message box is up.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <functional>
#include <memory>

#include "Hfc/Core/HfcDialogs.h"
#include "Hfc/Core/HfcFileDialog.h"
#include "Hfc/Core/HfcModal.h"
#include "Hfc/Core/HfcPopupMenu.h"
#include "Hfc/HfcFixture.h"
#include "Hfc/HfcGallery.h"
#include "Hfc/HfcX11Shot.h"
#include "Hfc/Vst/HfcVstEditor.h"
#include "Hfc/X11/HfcX11.h"
#include "Support/XvfbServer.h"

#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

namespace {

constexpr int kWidth = 400;
constexpr int kHeight = 260;
constexpr int kLeft = 30;  // our window inside the host's
constexpr int kTop = 20;

// An editor with one layer of drawn content that logs clicks and runs something on a click.
class CSceneEditor : public CHfcVstEditor {
public:
    class Layer : public CRecordingLayer {
    public:
        using CRecordingLayer::CRecordingLayer;
        bool OnHfcMouseLButtonDown(CHfcMouse* mouse, int x, int y, int modifiers) override {
            CRecordingLayer::OnHfcMouseLButtonDown(mouse, x, y, modifiers);
            if (onClick) {
                auto run = onClick;
                onClick = nullptr;
                const std::string result = run();
                m_log->push_back(m_name + " after " + result);
            }
            return true;
        }
        std::function<std::string()> onClick;
    };

    explicit CSceneEditor(HfcLog* log) : CHfcVstEditor(nullptr), m_log(log) {
        HfcSetRect(&m_rcClient, kLeft, kTop, kLeft + kWidth, kTop + kHeight);
    }
    bool OnCreate() override {
        layer = std::make_unique<Layer>("editor", m_log);
        layer->Create(0, 0, kWidth, kHeight, this);
        layer->Fill(0xFF203040);
        CHfcDrawContext* c = layer->GetContext();
        c->SetBrushColor(0xFFE0A020);
        c->FillRect(10, 10, 120, 40);
        c->SetPenColor(0xFFFFFFFF);
        c->SetPenWidth(2.5f);
        c->MoveTo(5, 250);
        c->LineTo(390, 70);
        c->SetBrushColor(0x8000C080);
        c->FillCircle(300.0f, 150.0f, 60.0f);
        layer->Show(false);
        return true;
    }
    void OnDestroy() override {
        CHfcVstEditor::OnDestroy();
        if (layer != nullptr) layer->Destroy();
        layer.reset();
    }
    std::unique_ptr<Layer> layer;
    HfcLog* m_log;
};

class FileListener : public CHfcFileDialogListener {
public:
    void OnHfcFileDialogAction(CHfcFileDialog* dialog, int accepted, void*) override {
        FSRef ref{};
        chosen = accepted && dialog->MacGetItemFSRef(0, &ref) == 0 ? ref.path : "";
        ++actions;
    }
    void OnHfcFileDialogTerminate(CHfcFileDialog* dialog, void* user) override {
        ended = true;
        CHfcFileDialogListener::OnHfcFileDialogTerminate(dialog, user);
    }
    std::string chosen;
    int actions = 0;
    bool ended = false;
};

int g_hostErrors = 0;
int CountHostError(Display*, XErrorEvent*) {
    ++g_hostErrors;
    return 0;
}

}  // namespace

class X11Editor : public testing::Test {
protected:
    void SetUp() override {
        m_server = std::make_unique<CXvfbServer>("1280x1024x24");
        if (!m_server->Available()) GTEST_SKIP() << "no private X server: " << m_server->Reason();
        m_host = XOpenDisplay(m_server->Name());
        ASSERT_NE(m_host, nullptr);
        m_hostWindow = XCreateSimpleWindow(m_host, DefaultRootWindow(m_host), 0, 0, 900, 700, 0, 0, 0x808080);
        XMapWindow(m_host, m_hostWindow);
        XSync(m_host, False);
        ASSERT_TRUE(m_x11.Open(m_server->Name()));
        m_x11.Install();
        HfcInstallToolkitWindows();
        m_editor = std::make_unique<CSceneEditor>(&m_log);
    }
    void TearDown() override {
        m_editor.reset();
        HfcUninstallToolkitWindows();
        m_x11.Close();
        if (HfcGetPlatform() == &m_x11) HfcSetPlatform(nullptr);
        if (m_host != nullptr) XCloseDisplay(m_host);
    }
    bool Pump(const std::function<bool()>& condition, uint32_t ms = 3000) {
        XSync(m_host, False);
        m_x11.Sync();
        return m_loop.RunUntil(condition, ms);
    }
    void Click(int rootX, int rootY) {
        m_x11.Sync();
        XTestFakeMotionEvent(m_host, 0, rootX, rootY, 0);
        XTestFakeButtonEvent(m_host, 1, True, 0);
        XTestFakeButtonEvent(m_host, 1, False, 0);
        XSync(m_host, False);
    }
    void Type(const char* text) {
        for (const char* p = text; *p != 0; ++p) {
            const char name[2] = {*p, 0};
            KeySym sym = *p == '.' ? XK_period : XStringToKeysym(name);
            Key(sym);
        }
    }
    void Key(KeySym sym) {
        const KeyCode code = XKeysymToKeycode(m_host, sym);
        XTestFakeKeyEvent(m_host, code, True, 0);
        XTestFakeKeyEvent(m_host, code, False, 0);
        XSync(m_host, False);
    }
    // Clicks the editor and serves the loop (the click's handler runs in it, at the outermost level)
    // until the handler has returned.
    void ClickAndWait(int rootX, int rootY) {
        Click(rootX, rootY);
        EXPECT_TRUE(
            Pump([&] { return !m_log.empty() && m_log.back().find(" after ") != std::string::npos; }, 8000));
        ASSERT_FALSE(m_log.empty());
    }
    // A menu of "Seven" (7), "Eight" and "Nine" opened at (20, 20) of the editor, item 0 under the
    // point, while choose runs from the loop; what it gave. A menu the input never reached is ended
    // (-1) after a while.
    std::string TrackThreeItems(std::function<void()> choose) {
        CHfcPopupMenu menu;
        menu.Create(0);
        menu.InsertItem(0, 7, "Seven", 0);
        menu.InsertItem(1, 8, "Eight", 0);
        menu.InsertItem(2, 9, "Nine", 0);
        m_loop.Post(nullptr, std::move(choose));
        const RunLoop::TimerId stop =
            m_loop.AddTimer(this, 10000, [](RunLoop::TimerMessage) { HfcModalAbortAll(); });
        const int chosen = menu.TrackPopupById(20, 20, m_editor.get(), 0);
        m_loop.RemoveTimer(stop);
        return std::to_string(chosen);
    }
    void ClickButtonOfTop(const char* text) {
        auto* dialog = dynamic_cast<CHfcDialogWindow*>(HfcModalTop());
        ASSERT_NE(dialog, nullptr);
        int ox = 0, oy = 0;
        dialog->GetFrame()->GetRootOrigin(&ox, &oy);
        for (const auto& b : dialog->GetButtons()) {
            if (b.text == text) {
                Click(ox + (b.rect.left + b.rect.right) / 2, oy + (b.rect.top + b.rect.bottom) / 2);
                return;
            }
        }
        ADD_FAILURE() << "no button " << text;
    }
    std::unique_ptr<CHfcBmp> Grab(Window window, int x, int y, int width, int height) {
        m_x11.Sync();
        XImage* image = XGetImage(m_host, window, x, y, width, height, AllPlanes, ZPixmap);
        if (image == nullptr) return nullptr;
        auto bmp = std::make_unique<CHfcBmp>();
        bmp->Create(width, height);
        for (int yy = 0; yy < height; ++yy)
            for (int xx = 0; xx < width; ++xx)
                bmp->SetPixel(xx, yy,
                              0xFF000000u | static_cast<uint32_t>(XGetPixel(image, xx, yy) & 0xFFFFFF));
        XDestroyImage(image);
        return bmp;
    }
    bool HostHasChild() {
        Window root = 0, parent = 0, *children = nullptr;
        unsigned int count = 0;
        XQueryTree(m_host, m_hostWindow, &root, &parent, &children, &count);
        if (children != nullptr) XFree(children);
        return count > 0;
    }
    void* HostId() { return reinterpret_cast<void*>(static_cast<uintptr_t>(m_hostWindow)); }
    // What the scene editor draws on the headless screen (null when it does not open); our
    // connection is the platform again afterwards.
    std::unique_ptr<CHfcBmp> HeadlessRender() {
        std::unique_ptr<CHfcBmp> render;
        {
            CHfcHeadlessScreen screen(1280, 1024);
            screen.Install();
            HfcLog log;
            CSceneEditor editor(&log);
            if (editor.open(reinterpret_cast<void*>(screen.CreateForeignWindow(0, 0, 900, 700)))) {
                editor.draw(nullptr);
                render = HfcCopyPixels(editor.GetFrame()->GetBackBuffer(), kWidth, kHeight);
                editor.close();
            }
        }
        m_x11.Install();
        return render;
    }

    RunLoop m_loop;
    std::unique_ptr<CXvfbServer> m_server;
    Display* m_host = nullptr;
    Window m_hostWindow = 0;
    CHfcX11Platform m_x11;
    HfcLog m_log;
    std::unique_ptr<CSceneEditor> m_editor;
};

TEST_F(X11Editor, TheBridgeOpensOurWindowInsideTheHostsAndItShowsTheHeadlessRender) {
    std::unique_ptr<CHfcBmp> expected = HeadlessRender();
    ASSERT_NE(expected, nullptr);
    XErrorHandler previous = XSetErrorHandler(&CountHostError);
    g_hostErrors = 0;
    ASSERT_TRUE(m_editor->open(HostId()));
    EXPECT_TRUE(HostHasChild());
    Pump([] { return false; }, 300);  // the map and its expose
    std::unique_ptr<CHfcBmp> shot = Grab(m_hostWindow, kLeft, kTop, kWidth, kHeight);
    ASSERT_NE(shot, nullptr);
    HfcWritePng(shot.get(), HfcGalleryPath("x11-editor-screenshot").c_str());
    EXPECT_EQ(HfcDifferentPixels(shot.get(), expected.get()), 0);

    // XTest clicks reach the layer, keys the key singleton.
    Click(kLeft + 50, kTop + 60);
    EXPECT_TRUE(Pump([&] { return !m_log.empty() && m_log.back() == "editor:up 50,60"; }));
    m_editor->GetFrame()->SetInputFocus();
    EXPECT_TRUE(Pump([&] { return m_editor->IsWindowActive(); }));
    struct Keys : CHfcKeyListener {
        bool OnHfcKeyChar(CHfcKey*, int a, int) override {
            typed.push_back(a);
            return true;
        }
        std::vector<int> typed;
    } keys;
    CHfcKey::GetInstance()->SetListener(&keys);
    Type("q");
    Key(XK_Return);
    EXPECT_TRUE(Pump([&] { return keys.typed.size() >= 2; }));
    EXPECT_EQ(keys.typed, (std::vector<int>{'q', 13}));
    CHfcKey::GetInstance()->SetListener(nullptr);

    m_editor->close();
    EXPECT_FALSE(HostHasChild());  // gone and synced before close returned
    EXPECT_EQ(m_x11.ErrorCount(), 0);
    XSync(m_host, False);
    EXPECT_EQ(g_hostErrors, 0);
    XSetErrorHandler(previous);
}

TEST_F(X11Editor, AMenuIsChosenWithTheMouse) {
    ASSERT_TRUE(m_editor->open(HostId()));
    Pump([] { return false; }, 200);
    m_editor->layer->onClick = [&] {
        return TrackThreeItems([&] {
            // The menu's left at the click, item 0 under it: the third row is 40 pixels lower.
            m_x11.Sync();
            Click(kLeft + 20 + 30, kTop + 20 + 40 + 10);
        });
    };
    ClickAndWait(kLeft + 20, kTop + 20);
    EXPECT_EQ(m_log.back(), "editor after 9");
    EXPECT_EQ(m_x11.ErrorCount(), 0);
    m_editor->close();
}

// The editor holds the input focus when its click opens a menu (a dropdown of a dialog page): the
// keys still reach the menu, which holds the input while it is open.
TEST_F(X11Editor, AMenuIsChosenWithTheKeysWhileTheEditorHasTheFocus) {
    ASSERT_TRUE(m_editor->open(HostId()));
    Pump([] { return false; }, 200);
    m_editor->GetFrame()->SetInputFocus();
    ASSERT_TRUE(Pump([&] { return m_editor->IsWindowActive(); }));
    m_editor->layer->onClick = [&] {
        return TrackThreeItems([&] {
            Key(XK_Down);
            Key(XK_Down);
            Key(XK_Return);
        });
    };
    ClickAndWait(kLeft + 20, kTop + 20);
    EXPECT_EQ(m_log.back(), "editor after 9");
    EXPECT_EQ(m_x11.ErrorCount(), 0);
    m_editor->close();
}

TEST_F(X11Editor, AMessageBoxIsAnsweredWithAClick) {
    ASSERT_TRUE(m_editor->open(HostId()));
    Pump([] { return false; }, 200);
    m_editor->layer->onClick = [&] {
        m_loop.Post(nullptr, [&] {
            m_x11.Sync();
            auto* dialog = dynamic_cast<CHfcDialogWindow*>(HfcModalTop());
            ASSERT_NE(dialog, nullptr);
            int ox = 0, oy = 0;
            dialog->GetFrame()->GetRootOrigin(&ox, &oy);
            auto shot = Grab(DefaultRootWindow(m_host), ox, oy, dialog->GetFrame()->GetWidth(),
                             dialog->GetFrame()->GetHeight());
            ASSERT_NE(shot, nullptr);
            HfcWritePng(shot.get(), HfcGalleryPath("x11-message-box").c_str());
            // The server shows exactly what the box drew.
            auto drawn =
                HfcCopyPixels(dialog->GetFrame()->GetBackBuffer(), shot->GetWidth(), shot->GetHeight());
            EXPECT_EQ(HfcDifferentPixels(shot.get(), drawn.get()), 0);
            ClickButtonOfTop("No");
        });
        return std::to_string(HfcMessageBoxForWindow("It cannot be undone.", "Delete the bank?",
                                                     m_editor.get(), HFC_MB_YESNO, HFC_MB_ICONSTOP));
    };
    ClickAndWait(kLeft + 20, kTop + 20);
    EXPECT_EQ(m_log.back(), "editor after 2");
    EXPECT_EQ(HfcModalCount(), 0);
    EXPECT_EQ(m_x11.ErrorCount(), 0);
    m_editor->close();
}

TEST_F(X11Editor, AFileIsChosenByTypingItsName) {
    char folder[] = "/tmp/tolva-x11-dialog-XXXXXX";
    ASSERT_NE(mkdtemp(folder), nullptr);
    for (const char* name : {"apple.Xall", "banana.Xall", "cherry.Xall"})
        std::ofstream(std::string(folder) + "/" + name) << "x";
    HfcFileDialogSetStartFolder(folder);
    ASSERT_TRUE(m_editor->open(HostId()));
    FileListener listener;
    auto* dialog = new CHfcOpenFileDialog();
    ASSERT_TRUE(dialog->Create(m_editor.get(), &listener, nullptr));
    ASSERT_TRUE(dialog->GetOneFile());
    Pump([] { return false; }, 300);
    auto* window = dynamic_cast<CHfcDialogWindow*>(HfcModalTop());
    ASSERT_NE(window, nullptr);
    int ox = 0, oy = 0;
    window->GetFrame()->GetRootOrigin(&ox, &oy);
    auto shot = Grab(DefaultRootWindow(m_host), ox, oy, window->GetFrame()->GetWidth(),
                     window->GetFrame()->GetHeight());
    ASSERT_NE(shot, nullptr);
    HfcWritePng(shot.get(), HfcGalleryPath("x11-file-dialog").c_str());
    auto drawn = HfcCopyPixels(window->GetFrame()->GetBackBuffer(), shot->GetWidth(), shot->GetHeight());
    EXPECT_EQ(HfcDifferentPixels(shot.get(), drawn.get()), 0);
    Type("ban");
    Key(XK_Return);
    EXPECT_TRUE(Pump([&] { return listener.ended; }));
    EXPECT_EQ(listener.chosen, std::string(folder) + "/banana.Xall");
    EXPECT_EQ(m_x11.ErrorCount(), 0);
    m_editor->close();
    std::system((std::string("rm -rf ") + folder).c_str());
}

TEST_F(X11Editor, TheHostClosesTheEditorWhileAMessageBoxIsOpen) {
    ASSERT_TRUE(m_editor->open(HostId()));
    Pump([] { return false; }, 200);
    bool childGoneAtClose = false;
    m_editor->layer->onClick = [&] {
        m_loop.Post(nullptr, [&] {
            m_x11.Sync();
            m_editor->close();
            childGoneAtClose = !HostHasChild();
            // The host destroys its window right after.
            XDestroyWindow(m_host, m_hostWindow);
            XSync(m_host, False);
        });
        return std::to_string(
            HfcMessageBoxForWindow("Really?", "Quit?", m_editor.get(), HFC_MB_OKCANCEL, HFC_MB_ICONCAUTION));
    };
    ClickAndWait(kLeft + 20, kTop + 20);
    EXPECT_EQ(m_log.back(), "editor after 2");
    EXPECT_TRUE(childGoneAtClose);
    // Torn down once the box's loop is gone.
    EXPECT_TRUE(Pump([&] { return m_editor->layer == nullptr; }, 2000));
    EXPECT_EQ(HfcModalCount(), 0);
    Pump([] { return false; }, 100);
    EXPECT_EQ(m_x11.ErrorCount(), 0);
}

TEST_F(X11Editor, AnArgbParentGetsOpaquePixels) {
    XVisualInfo info{};
    if (!XMatchVisualInfo(m_host, DefaultScreen(m_host), 32, TrueColor, &info)) {
        GTEST_SKIP() << "the server has no 32-bit visual";
    }
    XSetWindowAttributes set{};
    set.colormap = XCreateColormap(m_host, DefaultRootWindow(m_host), info.visual, AllocNone);
    set.border_pixel = 0;
    set.background_pixel = 0;
    const Window argb = XCreateWindow(m_host, DefaultRootWindow(m_host), 0, 0, 600, 400, 0, 32, InputOutput,
                                      info.visual, CWColormap | CWBorderPixel | CWBackPixel, &set);
    XMapWindow(m_host, argb);
    XSync(m_host, False);
    ASSERT_TRUE(m_editor->open(reinterpret_cast<void*>(static_cast<uintptr_t>(argb))));
    Pump([] { return false; }, 300);
    m_x11.Sync();
    XImage* image = XGetImage(m_host, argb, kLeft, kTop, kWidth, kHeight, AllPlanes, ZPixmap);
    ASSERT_NE(image, nullptr);
    int translucent = 0;
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x)
            if ((XGetPixel(image, x, y) >> 24) != 0xFF) ++translucent;
    // The orange box at (10, 10) shows in its colour.
    EXPECT_EQ(XGetPixel(image, 20, 20) & 0xFFFFFF, 0xE0A020u);
    XDestroyImage(image);
    EXPECT_EQ(translucent, 0);
    m_editor->close();
    XDestroyWindow(m_host, argb);
    XFreeColormap(m_host, set.colormap);
    EXPECT_EQ(m_x11.ErrorCount(), 0);
}

// A field of ours that takes the keys borrows the input focus from the host's window; letting the
// keys go hands it back, so the host's own shortcuts work again.
TEST_F(X11Editor, LettingTheKeysGoGivesTheFocusBackToTheHost) {
    XSelectInput(m_host, m_hostWindow, KeyPressMask);
    XSetInputFocus(m_host, m_hostWindow, RevertToParent, CurrentTime);
    XSync(m_host, False);
    ASSERT_TRUE(m_editor->open(HostId()));
    Pump([] { return false; }, 200);
    struct Field : CHfcKeyFocusListener {
    } field;
    ASSERT_TRUE(m_editor->SetFocus(&field));
    ASSERT_TRUE(Pump([&] { return m_editor->IsWindowActive(); }));
    Window focus = 0;
    int revert = 0;
    XGetInputFocus(m_host, &focus, &revert);
    EXPECT_EQ(focus, static_cast<Window>(m_editor->GetFrame()->GetId()));

    ASSERT_TRUE(m_editor->ReleaseFocus(&field));
    XSync(m_host, False);
    XGetInputFocus(m_host, &focus, &revert);
    EXPECT_EQ(focus, m_hostWindow);
    EXPECT_TRUE(Pump([&] { return !m_editor->IsWindowActive(); }));
    // The host's space bar reaches the host.
    Key(XK_space);
    XlibEvent event;
    bool hostGotIt = false;
    for (int i = 0; i < 50 && !hostGotIt; ++i) {
        XSync(m_host, False);
        hostGotIt = XCheckWindowEvent(m_host, m_hostWindow, KeyPressMask, &event);
        if (!hostGotIt) Pump([] { return false; }, 10);
    }
    EXPECT_TRUE(hostGotIt);
    EXPECT_EQ(m_x11.ErrorCount(), 0);
    m_editor->close();
}

// The host resizes our window: the buffer follows and the whole window is drawn again (the editor's
// area as the headless render, the rest in the buffer's black), the grown part included.
TEST_F(X11Editor, AHostResizingOurWindowGetsItAllDrawnAgain) {
    std::unique_ptr<CHfcBmp> rendered = HeadlessRender();
    ASSERT_NE(rendered, nullptr);
    ASSERT_TRUE(m_editor->open(HostId()));
    Pump([] { return false; }, 300);
    struct Size {
        int width, height;
    };
    for (const Size size : {Size{kWidth + 120, kHeight + 90}, Size{kWidth - 100, kHeight - 60}}) {
        SCOPED_TRACE(std::to_string(size.width) + "x" + std::to_string(size.height));
        XResizeWindow(m_host, static_cast<Window>(m_editor->GetFrame()->GetId()), size.width, size.height);
        XSync(m_host, False);
        EXPECT_TRUE(Pump([&] { return m_editor->GetFrame()->GetWidth() == size.width; }));
        Pump([] { return false; }, 200);
        EXPECT_EQ(m_editor->GetFrame()->GetHeight(), size.height);
        CHfcBmp expected;
        expected.Create(size.width, size.height);
        for (int y = 0; y < size.height; ++y)
            for (int x = 0; x < size.width; ++x)
                expected.SetPixel(x, y, x < kWidth && y < kHeight ? rendered->GetPixel(x, y) : 0xFF000000u);
        auto shot = Grab(m_hostWindow, kLeft, kTop, size.width, size.height);
        ASSERT_NE(shot, nullptr);
        HfcWritePng(shot.get(), HfcGalleryPath("x11-editor-resized-" + std::to_string(size.width)).c_str());
        EXPECT_EQ(HfcDifferentPixels(shot.get(), &expected), 0);
    }
    EXPECT_EQ(m_x11.ErrorCount(), 0);
    m_editor->close();
}

// The host hides its window while a control of ours holds the mouse: the server ends the button's
// grab, the release never comes to us, and the control's gesture ends then.
TEST_F(X11Editor, AGrabTheServerEndsUnderAGestureEndsTheGesture) {
    ASSERT_TRUE(m_editor->open(HostId()));
    Pump([] { return false; }, 200);
    CRecordingControl control("key", &m_log);
    m_x11.Sync();
    XTestFakeMotionEvent(m_host, 0, kLeft + 50, kTop + 60, 0);
    XTestFakeButtonEvent(m_host, 1, True, 0);
    ASSERT_TRUE(Pump([&] { return !m_log.empty() && m_log.back() == "editor:down 50,60"; }));
    CHfcMouse::GetInstance()->SetCapture(&control, m_editor.get());
    m_log.clear();
    XUnmapWindow(m_host, m_hostWindow);
    EXPECT_TRUE(Pump([&] { return !m_log.empty(); }));
    EXPECT_EQ(m_log, HfcLog{"key:lost-capture"});
    EXPECT_EQ(CHfcMouse::GetInstance()->GetCapture(), nullptr);
    XTestFakeButtonEvent(m_host, 1, False, 0);
    XMapWindow(m_host, m_hostWindow);
    Pump([] { return false; }, 100);
    EXPECT_EQ(m_log, HfcLog{"key:lost-capture"});
    EXPECT_EQ(m_x11.ErrorCount(), 0);
    m_editor->close();
}
