// The standalone program as a user starts it: under a private X server, with the fake audio device
// and the built plug-in; and without a display or without the plug-in, where it must say why.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "Hfc/Draw/HfcBmp.h"
#include "Hfc/HfcGallery.h"
#include "Support/XvfbServer.h"

// Xlib last: its macros clash with the toolkit's names.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#if defined(TOLVA_EDITOR_PROGRAM) && defined(TOLVA_PLUGIN_SO)

namespace {

struct Child {
    pid_t pid = -1;
    std::string output;  // stdout and stderr
};

std::string TempFolder() {
    char pattern[] = "/tmp/tolva-program-XXXXXX";
    const char* made = ::mkdtemp(pattern);
    return made ? made : "";
}

// Starts the program with these variables added to (or, empty, removed from) the environment.
Child Launch(const std::vector<std::pair<std::string, std::string>>& env, const std::string& folder) {
    Child child;
    child.output = folder + "/output.txt";
    child.pid = fork();
    if (child.pid == 0) {
        for (const auto& [name, value] : env) {
            if (value.empty()) {
                unsetenv(name.c_str());
            } else {
                setenv(name.c_str(), value.c_str(), 1);
            }
        }
        FILE* out = std::freopen(child.output.c_str(), "w", stdout);
        if (out != nullptr) dup2(fileno(out), 2);
        execl(TOLVA_EDITOR_PROGRAM, TOLVA_EDITOR_PROGRAM, static_cast<char*>(nullptr));
        _exit(127);
    }
    return child;
}

// The child's exit status, or -1 when it did not end in time (then it is killed).
int WaitFor(pid_t pid, int seconds) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
    int status = 0;
    while (std::chrono::steady_clock::now() < end) {
        if (waitpid(pid, &status, WNOHANG) == pid) return WIFEXITED(status) ? WEXITSTATUS(status) : 128;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    kill(pid, SIGKILL);
    waitpid(pid, &status, 0);
    return -1;
}

std::string ReadAll(const std::string& path) {
    std::ifstream in(path);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

Window FindTopLevel(Display* display, const char* title) {
    Window root = DefaultRootWindow(display), parent = 0, *children = nullptr;
    unsigned int count = 0;
    Window found = 0;
    if (!XQueryTree(display, root, &root, &parent, &children, &count)) return 0;
    for (unsigned int i = 0; i < count && found == 0; ++i) {
        char* name = nullptr;
        XWindowAttributes attributes{};
        if (XFetchName(display, children[i], &name) && name != nullptr) {
            if (std::string(name) == title && XGetWindowAttributes(display, children[i], &attributes) &&
                attributes.map_state == IsViewable) {
                found = children[i];
            }
            XFree(name);
        }
    }
    if (children != nullptr) XFree(children);
    return found;
}

class EditorProgram : public testing::Test {
protected:
    void SetUp() override {
        m_folder = TempFolder();
        ASSERT_FALSE(m_folder.empty());
    }
    void TearDown() override {
        const std::string command = "rm -rf " + m_folder;
        EXPECT_EQ(std::system(command.c_str()), 0);
    }
    std::vector<std::pair<std::string, std::string>> Env(const std::string& display,
                                                         const std::string& plugin) {
        return {{"DISPLAY", display},           {"TOLVA_AUDIO", "fake"},
                {"TOLVA_PLUGIN", plugin},       {"HOME", m_folder},
                {"XDG_CONFIG_HOME", m_folder},  {"TOLVA_LOCK_DIR", m_folder},
                {"VST_PATH", m_folder + "/vst"}};
    }
    std::string m_folder;
};

}  // namespace

TEST_F(EditorProgram, WithoutADisplayItSaysWhyAndFails) {
    Child child = Launch(Env("", TOLVA_PLUGIN_SO), m_folder);
    EXPECT_EQ(WaitFor(child.pid, 20), 1);
    EXPECT_NE(ReadAll(child.output).find("cannot open a window: no X display"), std::string::npos)
        << ReadAll(child.output);
}

TEST_F(EditorProgram, OpensItsWindowUnderXAndClosingItEndsWithStatusZero) {
    CXvfbServer server("1280x1024x24");
    if (!server.Available()) GTEST_SKIP() << server.Reason();

    // Without the plug-in: the alert's text, then a failed status.
    Child missing = Launch(Env(server.Name(), m_folder + "/none.so"), m_folder);
    EXPECT_EQ(WaitFor(missing.pid, 20), 1);
    EXPECT_NE(ReadAll(missing.output).find("Tolva Plug-In Editor.component not found"), std::string::npos)
        << ReadAll(missing.output);

    Child child = Launch(Env(server.Name(), TOLVA_PLUGIN_SO), m_folder);
    Display* display = XOpenDisplay(server.Name());
    ASSERT_NE(display, nullptr);
    Window window = 0;
    for (int i = 0; i < 500 && window == 0; ++i) {
        window = FindTopLevel(display, "Tolva Editor");
        if (window == 0) std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    ASSERT_NE(window, 0u) << ReadAll(child.output);
    XWindowAttributes attributes{};
    ASSERT_TRUE(XGetWindowAttributes(display, window, &attributes));
    EXPECT_GE(attributes.width, 559);
    EXPECT_GE(attributes.height, 230);
    // Centred on the screen.
    int x = 0, y = 0;
    Window unused = 0;
    XTranslateCoordinates(display, window, DefaultRootWindow(display), 0, 0, &x, &y, &unused);
    EXPECT_EQ(x, (1280 - attributes.width) / 2);

    // Give it a moment to draw, then keep a screenshot for review.
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    XImage* image = XGetImage(display, window, 0, 0, static_cast<unsigned>(attributes.width),
                              static_cast<unsigned>(attributes.height), AllPlanes, ZPixmap);
    ASSERT_NE(image, nullptr);
    CHfcBmp shot;
    shot.Create(attributes.width, attributes.height);
    for (int py = 0; py < attributes.height; ++py) {
        for (int px = 0; px < attributes.width; ++px) {
            shot.SetPixel(px, py, 0xFF000000u | static_cast<uint32_t>(XGetPixel(image, px, py) & 0xFFFFFF));
        }
    }
    XDestroyImage(image);
    EXPECT_TRUE(HfcWritePng(&shot, HfcGalleryPath("program-window").c_str()));

    // Close as a window manager does.
    XEvent close{};
    close.xclient.type = ClientMessage;
    close.xclient.window = window;
    close.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
    close.xclient.format = 32;
    close.xclient.data.l[0] = static_cast<long>(XInternAtom(display, "WM_DELETE_WINDOW", False));
    close.xclient.data.l[1] = CurrentTime;
    XSendEvent(display, window, False, NoEventMask, &close);
    XFlush(display);
    EXPECT_EQ(WaitFor(child.pid, 20), 0) << ReadAll(child.output);
    XCloseDisplay(display);
}

#endif
