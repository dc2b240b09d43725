// The X server going away under an open editor: the process goes on (Xlib's own handler would end
// it), the editor's window is closed as if the host had closed it, the loop keeps serving timers,
// and the next open connects to a new server. Run in a child process: on failure the old behaviour
// ends the whole process.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

#include "Hfc/Core/HfcDialogs.h"
#include "Hfc/Core/HfcModal.h"
#include "Hfc/HfcX11Shot.h"
#include "Hfc/Vst/HfcVstEditor.h"
#include "Hfc/X11/HfcX11.h"
#include "Linux/RunLoop.h"
#include "Support/XvfbServer.h"

namespace {

class CPlainEditor : public CHfcVstEditor {
public:
    CPlainEditor() : CHfcVstEditor(nullptr) { HfcSetRect(&m_rcClient, 10, 10, 210, 130); }
    bool OnCreate() override {
        ++creates;
        return true;
    }
    void OnDestroy() override {
        ++destroys;
        CHfcVstEditor::OnDestroy();
    }
    int creates = 0;
    int destroys = 0;
};

// A host: a connection of its own and a top-level window on the server.
struct Host {
    explicit Host(const char* name) {
        display = XOpenDisplay(name);
        if (display == nullptr) return;
        window = XCreateSimpleWindow(display, DefaultRootWindow(display), 0, 0, 400, 300, 0, 0, 0x808080);
        XMapWindow(display, window);
        XSync(display, False);
    }
    bool HasChild() const {
        Window root = 0, parent = 0, *children = nullptr;
        unsigned int count = 0;
        XQueryTree(display, window, &root, &parent, &children, &count);
        if (children != nullptr) XFree(children);
        return count > 0;
    }
    void* Id() const { return reinterpret_cast<void*>(static_cast<uintptr_t>(window)); }
    Display* display = nullptr;
    Window window = 0;
};

// The host's own connection to a server that goes away is the host's business: it must not end
// this test process either (ours never reaches this handler).
int HostSurvives(Display*) {
    return 0;
}
void HostExit(Display*, void*) {}

// Everything runs here, in the child; the exit code says which step failed (0: all held).
int LoseTheServerUnderAnOpenEditor() {
    RunLoop loop;
    auto first = std::make_unique<CXvfbServer>();
    if (!first->Available()) return 0;
    XSetIOErrorHandler(&HostSurvives);
    Host host(first->Name());
    if (host.display == nullptr) return 10;
    XSetIOErrorExitHandler(host.display, &HostExit, nullptr);
    setenv("DISPLAY", first->Name(), 1);
    CPlainEditor editor;
    if (!editor.open(host.Id())) return 11;
    loop.RunUntil([] { return false; }, 200);
    if (!host.HasChild() || HfcX11SharedPlatform() == nullptr) return 12;

    // A message box is up when the server goes: its loop ends with a cancel.
    int ticks = 0;
    loop.AddTimer(&ticks, 10, [&](RunLoop::TimerMessage) { ++ticks; });
    int answer = -1;
    loop.Post(nullptr, [&] { first.reset(); });
    answer = HfcMessageBoxForWindow("Text", "Title", &editor, HFC_MB_OKCANCEL, HFC_MB_ICONCAUTION);
    if (answer != HFC_MB_RESULT_CANCEL) return 13;
    if (!loop.RunUntil([&] { return editor.GetFrame() == nullptr && !editor.IsEditorOpen(); }, 5000))
        return 14;
    if (!loop.RunUntil([&] { return HfcX11SharedPlatform() == nullptr; }, 2000)) return 15;
    if (editor.destroys != 1 || HfcModalCount() != 0) return 16;
    // The loop goes on serving timers.
    const int before = ticks;
    if (!loop.RunUntil([&] { return ticks >= before + 3; }, 2000)) return 17;
    editor.close();  // the host's close comes later: nothing left to do

    // The next open connects to the server there is now.
    CXvfbServer second;
    if (!second.Available()) return 18;
    setenv("DISPLAY", second.Name(), 1);
    Host other(second.Name());
    if (other.display == nullptr) return 19;
    if (!editor.open(other.Id())) return 20;
    loop.RunUntil([] { return false; }, 200);
    if (!other.HasChild() || editor.creates != 2) return 21;
    if (HfcX11SharedPlatform() == nullptr || HfcX11SharedPlatform()->ErrorCount() != 0) return 22;
    editor.close();
    if (other.HasChild()) return 23;
    XCloseDisplay(other.display);
    return 0;
}

}  // namespace

TEST(X11ConnectionLoss, TheProcessOutlivesItsServerAndTheNextEditorOpensOnANewOne) {
    {
        CXvfbServer probe;
        if (!probe.Available()) GTEST_SKIP() << "no private X server: " << probe.Reason();
    }
    testing::FLAGS_gtest_death_test_style = "threadsafe";
    EXPECT_EXIT(std::_Exit(LoseTheServerUnderAnOpenEditor()), testing::ExitedWithCode(0), "");
}
