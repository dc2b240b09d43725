// The built plug-in's editor window as a host opens it: inside the host's own window on a private X
// server, opened and closed a hundred times with nothing left behind.
#include <dirent.h>
#include <dlfcn.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <thread>

#include "Support/TestHost.h"
#include "Support/XvfbServer.h"

#define XEvent XlibEvent
#include <X11/Xlib.h>

#ifndef TOLVA_PLUGIN_SO
#error "the plug-in's path is given by the build"
#endif

namespace {

int g_hostErrors = 0;
int CountError(Display*, XErrorEvent*) {
    ++g_hostErrors;
    return 0;
}

int OpenDescriptors() {
    int n = 0;
    if (DIR* dir = opendir("/proc/self/fd")) {
        while (readdir(dir) != nullptr) ++n;
        closedir(dir);
    }
    return n;
}

class PluginEditorWindow : public ::testing::Test {
protected:
    void SetUp() override {
        m_server = std::make_unique<CXvfbServer>("1280x1024x24");
        if (!m_server->Available()) GTEST_SKIP() << "no private X server: " << m_server->Reason();
        char pattern[] = "/tmp/tolva-edit-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        m_dir = pattern;
        setenv("TOLVA_LOCK_DIR", m_dir.c_str(), 1);
        const char* display = std::getenv("DISPLAY");
        m_hadDisplay = display != nullptr;
        if (m_hadDisplay) m_display = display;
        setenv("DISPLAY", m_server->Name(), 1);
        std::thread([] {}).join();
        m_host = XOpenDisplay(m_server->Name());
        ASSERT_NE(m_host, nullptr);
        m_previous = XSetErrorHandler(&CountError);
        g_hostErrors = 0;
        m_window = XCreateSimpleWindow(m_host, DefaultRootWindow(m_host), 0, 0, 900, 700, 0, 0, 0x808080);
        XMapWindow(m_host, m_window);
        XSync(m_host, False);
        ASSERT_TRUE(m_plugin.Load(TOLVA_PLUGIN_SO)) << dlerror();
    }
    void TearDown() override {
        if (!m_server || !m_server->Available()) return;
        EXPECT_TRUE(m_plugin.Unload());
        if (m_host != nullptr) {
            XSetErrorHandler(m_previous);
            XCloseDisplay(m_host);
        }
        if (m_hadDisplay) {
            setenv("DISPLAY", m_display.c_str(), 1);
        } else {
            unsetenv("DISPLAY");
        }
        unsetenv("TOLVA_LOCK_DIR");
        std::filesystem::remove_all(m_dir);
    }
    int Children() {
        Window root = 0, parent = 0, *children = nullptr;
        unsigned int count = 0;
        XQueryTree(m_host, m_window, &root, &parent, &children, &count);
        if (children != nullptr) XFree(children);
        return static_cast<int>(count);
    }

    std::unique_ptr<CXvfbServer> m_server;
    TestHost m_plugin;
    Display* m_host = nullptr;
    Window m_window = 0;
    XErrorHandler m_previous = nullptr;
    std::string m_dir;
    std::string m_display;
    bool m_hadDisplay = false;
};

}  // namespace

TEST_F(PluginEditorWindow, OpensAndClosesInsideTheHostsWindowAHundredTimes) {
    AEffect* effect = m_plugin.Instantiate();
    ASSERT_NE(effect, nullptr);
    m_plugin.Dispatch(effect, effOpen);
    EXPECT_NE(effect->flags & effFlagsHasEditor, 0);
    ERect* rect = nullptr;
    ASSERT_EQ(m_plugin.Dispatch(effect, effEditGetRect, 0, 0, &rect), 1);
    ASSERT_NE(rect, nullptr);
    EXPECT_EQ(rect->right - rect->left, 816);
    EXPECT_EQ(rect->bottom - rect->top, 600);
    void* parent = reinterpret_cast<void*>(static_cast<uintptr_t>(m_window));

    // The first cycle opens the connection and loads what the server and the toolkit keep for good.
    ASSERT_EQ(m_plugin.Dispatch(effect, effEditOpen, 0, 0, parent), 1);
    m_plugin.Dispatch(effect, effEditClose);
    const int descriptors = OpenDescriptors();
    const int threads = TestHost::ThreadCount();
    int opened = 0, childrenWhileOpen = 0, childrenAfterClose = 0;
    for (int cycle = 0; cycle < 100; ++cycle) {
        if (m_plugin.Dispatch(effect, effEditOpen, 0, 0, parent) == 1) ++opened;
        m_plugin.Dispatch(effect, effEditIdle);
        childrenWhileOpen += Children();
        m_plugin.Dispatch(effect, effEditClose);
        childrenAfterClose += Children();  // gone and synced before the close returned
    }
    EXPECT_EQ(opened, 100);
    EXPECT_EQ(childrenWhileOpen, 100);
    EXPECT_EQ(childrenAfterClose, 0);
    EXPECT_EQ(OpenDescriptors(), descriptors);
    EXPECT_EQ(TestHost::ThreadCountSettled(threads), threads);
    // A host that closes twice, and one that opens twice without closing.
    m_plugin.Dispatch(effect, effEditClose);
    ASSERT_EQ(m_plugin.Dispatch(effect, effEditOpen, 0, 0, parent), 1);
    ASSERT_EQ(m_plugin.Dispatch(effect, effEditOpen, 0, 0, parent), 1);
    EXPECT_EQ(Children(), 1);
    // Closing the effect with its editor open takes the window down too.
    m_plugin.Close(effect);
    EXPECT_EQ(Children(), 0);
    XSync(m_host, False);
    EXPECT_EQ(g_hostErrors, 0);
}

TEST_F(PluginEditorWindow, AParentTheServerDoesNotKnowOpensNothing) {
    AEffect* effect = m_plugin.Instantiate();
    ASSERT_NE(effect, nullptr);
    m_plugin.Dispatch(effect, effOpen);
    EXPECT_EQ(m_plugin.Dispatch(effect, effEditOpen, 0, 0, reinterpret_cast<void*>(uintptr_t{0x7FFFFF})), 0);
    m_plugin.Dispatch(effect, effEditClose);
    m_plugin.Close(effect);
    XSync(m_host, False);
    EXPECT_EQ(g_hostErrors, 0);
}

TEST_F(PluginEditorWindow, TwoEditorsShareTheConnectionAndCloseInAnyOrder) {
    // One of each model: a process holds one effect of a model at a time.
    AEffect* a = m_plugin.Instantiate();
    auto* b = static_cast<AEffect*>(m_plugin.CreateInstance(9));
    ASSERT_NE(a, nullptr);
    ASSERT_NE(b, nullptr);
    m_plugin.Dispatch(a, effOpen);
    m_plugin.Dispatch(b, effOpen);
    const Window second = XCreateSimpleWindow(m_host, DefaultRootWindow(m_host), 0, 0, 900, 700, 0, 0, 0);
    XMapWindow(m_host, second);
    XSync(m_host, False);
    ASSERT_EQ(
        m_plugin.Dispatch(a, effEditOpen, 0, 0, reinterpret_cast<void*>(static_cast<uintptr_t>(m_window))),
        1);
    ASSERT_EQ(
        m_plugin.Dispatch(b, effEditOpen, 0, 0, reinterpret_cast<void*>(static_cast<uintptr_t>(second))), 1);
    m_plugin.Dispatch(a, effEditClose);
    EXPECT_EQ(Children(), 0);
    Window root = 0, parent = 0, *children = nullptr;
    unsigned int count = 0;
    XQueryTree(m_host, second, &root, &parent, &children, &count);
    if (children != nullptr) XFree(children);
    EXPECT_EQ(count, 1u);  // the other editor's window stays
    m_plugin.Dispatch(b, effEditClose);
    m_plugin.Close(a);
    m_plugin.Close(b);
    XDestroyWindow(m_host, second);
    XSync(m_host, False);
    EXPECT_EQ(g_hostErrors, 0);
}
