// The standalone program as a user starts it: under a private X server, with the fake audio device
// and the built plug-in; and without a display or without the plug-in, where it must say why.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <memory>
#include <string>
#include <vector>

#include "Hfc/Draw/HfcBmp.h"
#include "Hfc/HfcGallery.h"
#include "ProgramRun.h"
#include "StandaloneGallery.h"
#include "Support/XvfbServer.h"

#if defined(TOLVA_EDITOR_PROGRAM) && defined(TOLVA_PLUGIN_SO)

namespace {

using namespace ProgramRun;

Child Launch(const std::vector<std::pair<std::string, std::string>>& env, const std::string& folder) {
    return ProgramRun::Launch(TOLVA_EDITOR_PROGRAM, env, folder);
}

class EditorProgram : public testing::Test {
protected:
    void SetUp() override {
        m_folder = TempFolder();
        ASSERT_FALSE(m_folder.empty());
        for (const char* child : {"/first", "/second"}) ::mkdir((m_folder + child).c_str(), 0700);
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

    XSession x(server.Name());
    ASSERT_TRUE(x.Ok());

    // Without the plug-in: the alert, with its text, and once it is answered a failed status.
    Child missing = Launch(Env(server.Name(), m_folder + "/none.so"), m_folder);
    const unsigned long alert = x.WaitForTopLevel("Tolva Editor", 15000);
    ASSERT_NE(alert, 0u) << ReadAll(missing.output);
    EXPECT_TRUE(x.PictureAndClose(alert, "plugin-missing-alert"));
    EXPECT_EQ(WaitFor(missing.pid, 20), 1);
    EXPECT_NE(ReadAll(missing.output).find("Tolva Plug-In Editor.component not found"), std::string::npos)
        << ReadAll(missing.output);

    Child child = Launch(Env(server.Name(), TOLVA_PLUGIN_SO), m_folder);
    const unsigned long window = x.WaitForTopLevel("Tolva Editor", 15000);
    ASSERT_NE(window, 0u) << ReadAll(child.output);
    int width = 0, height = 0;
    ASSERT_TRUE(x.Size(window, &width, &height));
    EXPECT_GE(width, 559);
    EXPECT_GE(height, 230);
    // Centred on the screen.
    int left = 0, top = 0;
    x.Origin(window, &left, &top);
    EXPECT_EQ(left, (1280 - width) / 2);
    EXPECT_EQ(top, (1024 - height) / 2);

    // Give it a moment to draw, then keep a screenshot for review.
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    CHfcBmp shot;
    ASSERT_TRUE(x.Screenshot(window, &shot));
    EXPECT_TRUE(HfcWritePng(&shot, HfcGalleryPath("program-window").c_str()));

    // Close as a window manager does.
    x.Close(window);
    EXPECT_EQ(WaitFor(child.pid, 20), 0) << ReadAll(child.output);
}

TEST_F(EditorProgram, ASecondStartSaysAnotherCopyRunsAndFails) {
    CXvfbServer server("1280x1024x24");
    if (!server.Available()) GTEST_SKIP() << server.Reason();
    XSession x(server.Name());
    ASSERT_TRUE(x.Ok());
    Child first = Launch(Env(server.Name(), TOLVA_PLUGIN_SO), m_folder + "/first");
    const unsigned long window = x.WaitForTopLevel("Tolva Editor", 15000);
    ASSERT_NE(window, 0u) << ReadAll(first.output);

    // The second: an alert over the screen, then status 1 and the reason on its error stream.
    Child second = Launch(Env(server.Name(), TOLVA_PLUGIN_SO), m_folder + "/second");
    const unsigned long alert = x.WaitForAnother("Tolva Editor", window, 15000);
    ASSERT_NE(alert, 0u) << ReadAll(second.output);
    EXPECT_TRUE(x.PictureAndClose(alert, "second-start-alert"));
    EXPECT_EQ(WaitFor(second.pid, 20), 1);
    const std::string said = ReadAll(second.output);
    EXPECT_NE(said.find("Another copy of the editor for this model is running. (its single-instance lock " +
                        m_folder + "/com.velk.TolvaPlugInEditor.lock is held)"),
              std::string::npos)
        << said;

    // The first runs on, undisturbed.
    x.Close(window);
    EXPECT_EQ(WaitFor(first.pid, 20), 0) << ReadAll(first.output);
}

#endif
