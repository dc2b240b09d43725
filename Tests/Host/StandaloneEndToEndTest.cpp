// The whole standalone program under a private X server: the real program, the fake audio device
// and the plug-in build that carries the simulated instrument. It connects (the instrument's local
// control, found off, is turned on), the window is drawn, the settings window opens from the menu
// and a new buffer size applies, and closing the window ends the program with status 0 and the
// instrument's local control as it was found.
#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "App/EditorWindow.h"
#include "App/SettingsWindow.h"
#include "Common/Controls/ArtGeometry.h"
#include "Hfc/Draw/HfcBmp.h"
#include "Host/Audio/AudioTypes.h"
#include "Host/SaveData.h"
#include "ProgramRun.h"
#include "StandaloneGallery.h"
#include "Support/XvfbServer.h"

#if defined(TOLVA_EDITOR_PROGRAM) && defined(TOLVA_SIM_PLUGIN_SO)

namespace {

using namespace ProgramRun;

// The instrument's report, key by key.
std::map<std::string, std::string> Report(const std::string& path) {
    std::map<std::string, std::string> out;
    std::istringstream in(ReadAll(path));
    std::string line;
    while (std::getline(in, line)) {
        const size_t eq = line.find('=');
        if (eq != std::string::npos) out[line.substr(0, eq)] = line.substr(eq + 1);
    }
    return out;
}

size_t Colours(const CHfcBmp& bmp, int left, int top, int width, int height) {
    std::set<uint32_t> colours;
    for (int y = top; y < top + height && y < bmp.GetHeight(); ++y)
        for (int x = left; x < left + width && x < bmp.GetWidth(); ++x) colours.insert(bmp.GetPixel(x, y));
    return colours.size();
}

class StandaloneEndToEnd : public testing::Test {
protected:
    void SetUp() override {
        m_folder = TempFolder();
        ASSERT_FALSE(m_folder.empty());
        m_report = m_folder + "/instrument.txt";
        m_prefs = m_folder + "/Velk Tolva Editor Preferences";
    }
    void TearDown() override {
        const std::string command = "rm -rf " + m_folder;
        EXPECT_EQ(std::system(command.c_str()), 0);
    }
    std::vector<std::pair<std::string, std::string>> Env(const std::string& display) {
        return {{"DISPLAY", display},
                {"TOLVA_AUDIO", "fake"},
                {"TOLVA_PLUGIN", TOLVA_SIM_PLUGIN_SO},
                {"HOME", m_folder},
                {"XDG_CONFIG_HOME", m_folder},
                {"TOLVA_LOCK_DIR", m_folder},
                {"VST_PATH", m_folder + "/vst"},
                {"TOLVA_SIM_REPORT", m_report}};
    }

    std::string m_folder, m_report, m_prefs;
};

}  // namespace

TEST_F(StandaloneEndToEnd, ConnectsPlaysChangesItsBufferAndLeavesTheInstrumentAsFound) {
    CXvfbServer server("1280x1024x24");
    if (!server.Available()) GTEST_SKIP() << server.Reason();

    // Saved settings: the fake stereo device, float at 48 kHz, 256 frames.
    SaveData saved;
    saved.deviceName = "Fake Stereo";
    saved.format = MakeStreamDescription(SampleKind::Float32, 48000, 2);
    saved.bufferFrames = 256;
    ASSERT_TRUE(SaveDataWriteFile(m_prefs, saved));

    Child child = Launch(TOLVA_EDITOR_PROGRAM, Env(server.Name()), m_folder);
    XSession x(server.Name());
    ASSERT_TRUE(x.Ok());
    const unsigned long window = x.WaitForTopLevel("Tolva Editor", 15000);
    ASSERT_NE(window, 0u) << ReadAll(child.output);

    // Connected: the editor found the instrument and, in the standalone program, turned its local
    // control on.
    ASSERT_TRUE(Eventually([&] { return Report(m_report)["local_control"] == "1"; }, 20000))
        << ReadAll(m_report) << ReadAll(child.output);
    EXPECT_NE(Report(m_report)["inquiries"], "0");

    // The window as drawn: the menu strip over the editor's view, once the view has drawn its
    // keyboard (a view without one is given 20 s).
    CHfcBmp shot;
    const auto keyboardDrawn = [](const CHfcBmp& bmp) {
        return Colours(bmp, ArtGeometry::kCtlKeyboardX,
                       EditorWindowLayout::kMenuHeight + ArtGeometry::kCtlKeyboardY,
                       ArtGeometry::kCtlKeyboardWidth, ArtGeometry::kCtlKeyboardHeight) > 2;
    };
    Eventually([&] { return x.Screenshot(window, &shot) && keyboardDrawn(shot); }, 20000);
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    ASSERT_TRUE(x.Screenshot(window, &shot));
    const bool editorShown = keyboardDrawn(shot);
    EXPECT_TRUE(WriteStandaloneGallery(shot, "program-window"));
    EXPECT_EQ(shot.GetWidth(), ArtGeometry::kWindowWidth);
    EXPECT_EQ(shot.GetHeight(), ArtGeometry::kWindowHeight + EditorWindowLayout::kMenuHeight);
    EXPECT_GT(Colours(shot, 0, 0, shot.GetWidth(), EditorWindowLayout::kMenuHeight), 3u) << "the menu strip";
    int wx = 0, wy = 0;
    x.Origin(window, &wx, &wy);

    // A key of the on-screen keyboard, where the editor draws one: middle C reaches the instrument.
    const int key = 60 - ArtGeometry::kCtlLowestNote;
    const int keyX = ArtGeometry::kCtlKeyboardX +
                     ArtGeometry::CtlWhiteIndex(key) * ArtGeometry::kCtlWhiteWidth +
                     ArtGeometry::kCtlWhiteWidth / 2;
    const int keyY =
        EditorWindowLayout::kMenuHeight + ArtGeometry::kCtlKeyboardY + ArtGeometry::kCtlKeyboardHeight - 10;
    if (editorShown) {
        x.ClickAt(wx + keyX, wy + keyY);
        EXPECT_TRUE(
            Eventually([&] { return Report(m_report)["notes"].find("60") != std::string::npos; }, 5000))
            << ReadAll(m_report);
    } else {
        std::printf(
            "the plug-in's view shows no keyboard yet: the key click and the connected logos are not "
            "checked\n");
    }

    // Audio > Settings... opens the settings window.
    const int audioTitle = wx + EditorWindowLayout::TitleLeft(EditorWindowLayout::kAudioMenu) + 20;
    x.ClickAt(audioTitle, wy + EditorWindowLayout::kMenuHeight / 2);
    const EditorMenuItem* items = EditorMenuItems(EditorWindowLayout::kAudioMenu);
    int settingsItem = 0;
    while (items[settingsItem].command != kCmdPreferences) ++settingsItem;
    x.ClickAt(audioTitle, wy + EditorWindowLayout::kMenuHeight +
                              EditorMenuItemTop(EditorWindowLayout::kAudioMenu, settingsItem) + 10);
    const unsigned long settings = x.WaitForTopLevel("Settings", 5000);
    ASSERT_NE(settings, 0u) << ReadAll(child.output);
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    int sx = 0, sy = 0;
    x.Origin(settings, &sx, &sy);

    // The buffer size slider to 512 frames, then OK.
    const int row = CSettingsWindow::RowOf(1, kSigBufferSize, 0);
    const tagHfcRect slider = CSettingsWindow::ControlRect(row, kSigBufferSize);
    x.ClickAt(sx + SettingsLayout::SliderX(BufferSizeToPosition(512, 32, 8192), 0,
                                           BufferSliderMaxPosition(32, 8192)),
              sy + slider.top + 10);
    CHfcBmp settingsShot;
    ASSERT_TRUE(x.Screenshot(settings, &settingsShot));
    EXPECT_TRUE(WriteStandaloneGallery(settingsShot, "program-settings"));
    EXPECT_GT(Colours(settingsShot, 0, 0, settingsShot.GetWidth(), settingsShot.GetHeight()), 8u);
    x.ClickAt(sx + SettingsLayout::kWidth - CHfcDialogWindow::kMargin - CHfcDialogWindow::kButtonWidth / 2,
              sy + SettingsLayout::kHeight - CHfcDialogWindow::kMargin - CHfcDialogWindow::kButtonHeight / 2);
    // Applied and saved: the record names the device with the new size, and the window is gone.
    EXPECT_TRUE(Eventually(
        [&] {
            try {
                return SaveDataReadFile(m_prefs).bufferFrames == 512;
            } catch (const std::exception&) {
                return false;
            }
        },
        5000))
        << ReadAll(child.output);
    EXPECT_EQ(SaveDataReadFile(m_prefs).deviceName, "Fake Stereo");
    EXPECT_TRUE(Eventually([&] { return x.FindTopLevel("Settings") == 0; }, 3000));

    // Closing the window ends the program; the instrument's local control is back off, as found.
    x.Close(window);
    EXPECT_EQ(WaitFor(child.pid, 20), 0) << ReadAll(child.output);
    const auto report = Report(m_report);
    EXPECT_EQ(report.at("local_control"), "0") << ReadAll(m_report);
    EXPECT_EQ(report.at("local_control_history"), "0,1,0") << ReadAll(m_report);

    // The connected state on screen: the logos show it, so they differ from those of the same window
    // with no instrument to find (the plug-in as it ships, started the same way).
    if (editorShown) {
        auto env = Env(server.Name());
        for (auto& [name, value] : env)
            if (name == "TOLVA_PLUGIN") value = TOLVA_PLUGIN_SO;
        Child alone = Launch(TOLVA_EDITOR_PROGRAM, env, m_folder);
        const unsigned long lonely = x.WaitForTopLevel("Tolva Editor", 15000);
        ASSERT_NE(lonely, 0u) << ReadAll(alone.output);
        CHfcBmp unconnected;
        EXPECT_TRUE(Eventually(
            [&] { return x.Screenshot(lonely, &unconnected) && keyboardDrawn(unconnected); }, 30000));
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        ASSERT_TRUE(x.Screenshot(lonely, &unconnected));
        EXPECT_TRUE(WriteStandaloneGallery(unconnected, "program-window-no-instrument"));
        // Where the editor shows its product logo (80 x 20).
        const int logoLeft = 8, logoTop = EditorWindowLayout::kMenuHeight + 547;
        int differing = 0;
        for (int py = logoTop; py < logoTop + 20; ++py)
            for (int px = logoLeft; px < logoLeft + 80; ++px)
                differing += shot.GetPixel(px, py) != unconnected.GetPixel(px, py) ? 1 : 0;
        EXPECT_GT(differing, 40) << "the product logo looks the same connected and not";
        x.Close(lonely);
        EXPECT_EQ(WaitFor(alone.pid, 20), 0) << ReadAll(alone.output);
    }
}

#endif
