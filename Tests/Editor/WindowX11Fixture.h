#pragma once
// The editor window of the headless fixture, and the same window on a private Xvfb: after UseX() the
// window opens inside a host window on the server, input goes through XTest and pictures are taken
// from the server. A scenario written once against the input and picture calls here runs on both
// backends, so what the server shows can be compared with the headless render, pixel for pixel.
//
// Clicks that open a nested loop (a menu, a message box, a file dialog) do not return until it ends:
// what the person does inside it is scheduled beforehand with WhenReady and runs from the loop.
#include <functional>
#include <list>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "Common/Editor/MenuItems.h"
#include "Common/Pages/EditTabPageLayerBase.h"
#include "Support/EditorImageDiffs.h"
#include "Editor/WindowFixture.h"
#include "Hfc/Core/HfcDialogs.h"
#include "Hfc/Core/HfcInput.h"
#include "Hfc/Core/HfcModal.h"
#include "Hfc/Core/HfcPopupMenu.h"
#include "Hfc/X11/HfcX11.h"
#include "Support/SimTableLocator.h"
#include "Support/XvfbServer.h"

#include "Hfc/HfcX11Shot.h"
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

namespace WindowTest {

inline int g_hostErrors = 0;
inline int CountHostError(Display*, XErrorEvent*) {
    ++g_hostErrors;
    return 0;
}

// The pictures of one run, each with its step's name.
using Shots = std::vector<std::pair<std::string, std::unique_ptr<CHfcBmp>>>;

class EditorWindowOnX : public EditorWindow {
protected:
    void TearDown() override {
        DropScheduled();
        CloseEffect();
        if (m_x) {
            HfcUninstallToolkitWindows();
            m_x11.Close();
            if (HfcGetPlatform() == &m_x11) HfcSetPlatform(nullptr);
            if (m_host != nullptr) XCloseDisplay(m_host);
            m_host = nullptr;
            m_screen.Install();
        }
        EditorWindow::TearDown();
    }
    // From here on the window opens on the X server.
    bool UseX() {
        m_server = std::make_unique<CXvfbServer>("1280x1024x24");
        if (!m_server->Available()) return false;
        m_host = XOpenDisplay(m_server->Name());
        if (m_host == nullptr) return false;
        XSetErrorHandler(&CountHostError);
        m_xHost =
            XCreateSimpleWindow(m_host, DefaultRootWindow(m_host), kHostX, kHostY, 900, 700, 0, 0, 0x808080);
        XMapWindow(m_host, m_xHost);
        XSync(m_host, False);
        if (!m_x11.Open(m_server->Name())) return false;
        m_x11.Install();
        HfcInstallToolkitWindows();
        m_x = true;
        return true;
    }
    const char* Backend() const { return m_x ? "x11" : "headless"; }
    void Open() override {
        if (!m_x) return EditorWindow::Open();
        ASSERT_EQ(effect->dispatcher(effect, effEditOpen, 0, 0, reinterpret_cast<void*>(m_xHost), 0), 1);
        ASSERT_NE(Root(), nullptr);
        Pump(400);
    }
    void Pump(uint32_t ms = 60) override {
        if (m_x) {
            XSync(m_host, False);
            m_x11.Sync();
        }
        m_loop.RunUntil([] { return false; }, ms);
    }
    int RootX(int x) {
        int ox = 0, oy = 0;
        Editor()->GetFrame()->GetRootOrigin(&ox, &oy);
        return ox + x;
    }
    int RootY(int y) {
        int ox = 0, oy = 0;
        Editor()->GetFrame()->GetRootOrigin(&ox, &oy);
        return oy + y;
    }
    void Click(int x, int y) override {
        if (!m_x) return EditorWindow::Click(x, y);
        Press(x, y);
        Release();
        Pump(100);
    }
    void Press(int x, int y) override {
        if (!m_x) return EditorWindow::Press(x, y);
        m_x11.Sync();
        XTestFakeMotionEvent(m_host, 0, RootX(x), RootY(y), 0);
        XTestFakeButtonEvent(m_host, 1, True, 0);
        XSync(m_host, False);
        Pump(30);
    }
    void Release() override {
        if (!m_x) return EditorWindow::Release();
        RawRelease();
        Pump(30);
    }
    void DragTo(int x, int y) override {
        if (!m_x) return EditorWindow::DragTo(x, y);
        XTestFakeMotionEvent(m_host, 0, RootX(x), RootY(y), 0);
        XSync(m_host, False);
    }
    std::unique_ptr<CHfcBmp> Shot() override {
        if (!m_x) return EditorWindow::Shot();
        Pump(150);
        return HfcX11Grab(m_host, m_xHost, 0, 0, ArtGeometry::kWindowWidth, ArtGeometry::kWindowHeight);
    }

    // Input that does not serve the loop, for use inside a nested loop (from WhenReady).
    void RawRelease() {
        if (!m_x) return m_screen.ButtonUp();
        XTestFakeButtonEvent(m_host, 1, False, 0);
        XSync(m_host, False);
    }
    void RawClickAtRoot(int rootX, int rootY) {
        if (!m_x) {
            m_screen.MoveTo(rootX, rootY);
            m_screen.Click();
            return;
        }
        m_x11.Sync();
        XTestFakeMotionEvent(m_host, 0, rootX, rootY, 0);
        XTestFakeButtonEvent(m_host, 1, True, 0);
        XTestFakeButtonEvent(m_host, 1, False, 0);
        XSync(m_host, False);
    }
    void RawMoveTo(int rootX, int rootY) {
        if (!m_x) return m_screen.MoveTo(rootX, rootY);
        XTestFakeMotionEvent(m_host, 0, rootX, rootY, 0);
        XSync(m_host, False);
    }
    // A key by its keysym (printable ASCII keysyms are their characters), down and up; on the server
    // a capital letter is typed with the shift key held.
    void RawKey(unsigned long keysym) {
        if (!m_x) {
            int ch = 0, vk = 0;
            HfcKeysymToKey(keysym, &ch, &vk);
            m_screen.Key(ch, vk);
            return;
        }
        const bool shifted = keysym >= 'A' && keysym <= 'Z';
        const KeyCode shift = XKeysymToKeycode(m_host, XK_Shift_L);
        const KeyCode code = XKeysymToKeycode(m_host, keysym);
        if (shifted) XTestFakeKeyEvent(m_host, shift, True, 0);
        XTestFakeKeyEvent(m_host, code, True, 0);
        XTestFakeKeyEvent(m_host, code, False, 0);
        if (shifted) XTestFakeKeyEvent(m_host, shift, False, 0);
        XSync(m_host, False);
    }
    // Letters, digits, space and '.'.
    void RawType(const char* text) {
        for (const char* p = text; *p != 0; ++p) RawKey(static_cast<unsigned char>(*p));
    }
    void Key(unsigned long keysym) {
        RawKey(keysym);
        Pump(40);
    }
    void TypeText(const char* text) {
        RawType(text);
        Pump(60);
    }

    // Runs action once from the loop (so also inside a nested loop that a click opened) as soon as
    // ready() holds; the flag returned tells when it has run. A step that waits longer than the
    // deadline, or a dialog of the toolkit still open that long after the action, fails the test and
    // ends the dialogs, so a scenario that went wrong stops instead of waiting for an answer forever.
    std::shared_ptr<bool> WhenReady(std::function<bool()> ready, std::function<void()> action,
                                    uint32_t deadlineMs = 30000) {
        auto done = std::make_shared<bool>(false);
        auto deadline = std::make_shared<uint64_t>(m_loop.NowMs() + deadlineMs);
        m_scheduled.push_back(m_loop.AddTimer(this, 20, [=, this](RunLoop::TimerMessage) {
            if (m_loop.NowMs() > *deadline && (!*done || HfcModalCount() > 0)) {
                ADD_FAILURE() << Backend()
                              << (*done ? ": a dialog was left open" : ": a step waited in vain");
                *done = true;
                *deadline = UINT64_MAX;
                HfcModalAbortAll();
                return;
            }
            if (*done || !ready()) return;
            *done = true;
            *deadline = m_loop.NowMs() + deadlineMs;
            action();
        }));
        return done;
    }
    void DropScheduled() {
        for (RunLoop::TimerId id : m_scheduled) m_loop.RemoveTimer(id);
        m_scheduled.clear();
    }
    // The toolkit's dialog on top (message box, file dialog), or null.
    static CHfcDialogWindow* TopDialog() { return dynamic_cast<CHfcDialogWindow*>(HfcModalTop()); }
    static bool DialogUp() { return TopDialog() != nullptr; }
    // Clicks the button of the dialog on top with this text.
    void RawClickDialogButton(const char* text) {
        CHfcDialogWindow* dialog = TopDialog();
        ASSERT_NE(dialog, nullptr);
        int ox = 0, oy = 0;
        dialog->GetFrame()->GetRootOrigin(&ox, &oy);
        for (const auto& b : dialog->GetButtons()) {
            if (b.text != text) continue;
            RawClickAtRoot(ox + (b.rect.left + b.rect.right) / 2, oy + (b.rect.top + b.rect.bottom) / 2);
            return;
        }
        ADD_FAILURE() << "no button " << text;
    }
    // The window on top of the modal stack (a menu, a message box, a file dialog) as the screen shows
    // it (on the server: what the root window shows there).
    std::unique_ptr<CHfcBmp> TopShot() {
        CHfcWindow* top = HfcModalTop();
        if (top == nullptr || top->GetFrame() == nullptr) return nullptr;
        int ox = 0, oy = 0;
        top->GetFrame()->GetRootOrigin(&ox, &oy);
        const int w = top->GetFrame()->GetWidth(), h = top->GetFrame()->GetHeight();
        if (m_x) {
            m_x11.Sync();
            XSync(m_host, False);
            return HfcX11Grab(m_host, DefaultRootWindow(m_host), ox, oy, w, h);
        }
        auto whole = m_screen.Snapshot();
        auto bmp = std::make_unique<CHfcBmp>();
        bmp->Create(w, h);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) bmp->SetPixel(x, y, whole->GetPixel(ox + x, oy + y));
        return bmp;
    }
    // A picture taken meanwhile, into shots and the gallery as "<backend>-<name>".
    void Keep(Shots& shots, const std::string& name, std::unique_ptr<CHfcBmp> bmp) {
        ASSERT_NE(bmp, nullptr) << Backend() << ": " << name;
        HfcWritePng(bmp.get(), GalleryPath(std::string(Backend()) + "-" + name).c_str());
        shots.emplace_back(name, std::move(bmp));
    }
    // Takes a picture of the window into shots and the gallery as "<backend>-<name>".
    void Take(Shots& shots, const std::string& name) { Keep(shots, name, Shot()); }
    // The pictures of the two runs, step by step.
    static void ExpectSamePictures(const Shots& x, const Shots& headless) {
        ASSERT_EQ(x.size(), headless.size());
        for (size_t i = 0; i < x.size(); ++i) {
            EXPECT_EQ(x[i].first, headless[i].first);
            EXPECT_EQ(HfcDifferentPixels(x[i].second.get(), headless[i].second.get()), 0) << x[i].first;
        }
    }

    // The window's real dialog pages; message boxes are written down and answered with Cancel, or
    // shown for the person to answer while m_askPerson is set.
    void UseRealDialogs() {
        BackgroundLayer::SetModalPageFactory(nullptr);
        HfcSetMessageBoxHook([this](const HfcMessageBoxRequest& r) {
            boxes.push_back(r.caption + " / " + r.text);
            return m_askPerson ? HfcPresentMessageBox(r) : static_cast<int>(HFC_MB_RESULT_CANCEL);
        });
    }
    // The effect on the instrument in program play with its first memory, the editor holding the
    // instrument's whole memory; the window not open yet. The instrument and its port stay from one
    // run to the next, as the host's would.
    void StartOnFirstMemory() {
        CloseEffect();
        if (m_sim == nullptr) {
            m_sim = std::make_unique<Sim::SimInstrument>(Sim::Model::Tolva, 0);
            m_port = std::make_unique<Sim::SimLoopbackPort>(m_loopback, *m_sim);
        }
        m_sim->With([](Sim::SimCore& c) {
            c.State() = Sim::SimState{};
            c.Image().FillFactory(7);
            c.SetParamLocator(Sim::MakeTableLocator(c.GetModel(), &c.Image()));
            c.ClearLogs();
        });
        Start(false);
        ASSERT_TRUE(synth->ExecCommand(2, 0, 0, 0, 0));
        Settle();
    }
    void ExpectImageEqual(const char* where) {
        Settle();
        const auto left = EditorImageDiffs(*m_sim, synth, QorX0::kPmidTolva);
        EXPECT_TRUE(left.empty()) << Backend() << ", " << where << ": " << Sim::FormatDiffs(left);
    }
    std::unique_ptr<QorX0::CHUNK_REMOTESYNTH> EditorImage() {
        auto image = std::make_unique<QorX0::CHUNK_REMOTESYNTH>();
        static_cast<QorX0::CRemoteSynthImpl*>(synth)->CopyImage(image.get());
        return image;
    }

    // The top of the Utility menu's row with this text, in the menu window: the rows the page on view
    // gives, then a separator and "All Sound Off", without the page-local ones.
    int MenuRowTop(const std::string& text) {
        CTabControl* tab = Tab(Root()->GetGUIMode());
        auto* page = tab != nullptr ? dynamic_cast<EditTabPageLayerBase*>(tab->GetActivePage()) : nullptr;
        if (page == nullptr) return -1;
        std::list<MenuItemInfo> items;
        page->GetMenuItemInfoList(items);
        items.push_back(kMenuItemInfo_Separator);
        items.push_back(kMenuItemInfo_AllSoundOff);
        int top = 0;
        for (const MenuItemInfo& item : items) {
            if (IsPageLocalMenuItemId(item.id)) continue;
            if (item.name == text && item.id != kMenuItemInfo_Separator.id) return top;
            top += item.id == kMenuItemInfo_Separator.id ? kHfcMenuSeparatorHeight : kHfcMenuRowHeight;
        }
        return -1;
    }
    static bool MenuUp() { return HfcModalCount() > 0 && !DialogUp(); }

    // A press on the Utility switch opens the menu; the pointer goes down onto the item and lets go
    // there. The open menu is pictured as "<shot>".
    void ChooseFromUtility(const std::string& item, Shots& shots, const std::string& shot) {
        const int row = MenuRowTop(item);
        ASSERT_GE(row, 0) << item;
        std::unique_ptr<CHfcBmp> menu;
        auto chosen = WhenReady(&MenuUp, [&] {
            menu = TopShot();
            int ox = 0, oy = 0;
            HfcModalTop()->GetFrame()->GetRootOrigin(&ox, &oy);
            RawMoveTo(ox + 30, oy + row + kHfcMenuRowHeight / 2);
            RawRelease();
        });
        CHfcControl* utility = Control(BackgroundLayer::kIdUtility);
        ASSERT_NE(utility, nullptr);
        const tagHfcRect r = utility->GetRect();
        Press((r.left + r.right) / 2, (r.top + r.bottom) / 2);
        EXPECT_TRUE(PumpUntil([&] { return *chosen && !MenuUp(); }, 40000)) << Backend() << ": " << item;
        DropScheduled();
        Keep(shots, shot, std::move(menu));
    }
    // The scenario headless, then on the server (skipped without one); the pictures of the two runs
    // equal step by step, and no X error on either connection.
    void OnBothBackends(const std::function<void(Shots&)>& scenario) {
        Shots headless, x;
        scenario(headless);
        if (HasFatalFailure()) return;
        if (!UseX()) GTEST_SKIP() << "no private X server: " << (m_server ? m_server->Reason() : "");
        scenario(x);
        ExpectSamePictures(x, headless);
        EXPECT_EQ(g_hostErrors, 0);
        EXPECT_EQ(m_x11.ErrorCount(), 0);
    }

    std::unique_ptr<CXvfbServer> m_server;
    Display* m_host = nullptr;
    Window m_xHost = 0;
    CHfcX11Platform m_x11;
    bool m_x = false;
    bool m_askPerson = false;
    std::vector<RunLoop::TimerId> m_scheduled;
};

}  // namespace WindowTest
