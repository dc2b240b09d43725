// The whole standalone program under a private X server: the real program, the fake audio device
// and the plug-in build that carries the simulated instrument. It connects (the instrument's local
// control, found off, is turned on), the window is drawn, the settings window opens from the menu
// and a new buffer size applies, and closing the window ends the program with status 0 and the
// instrument's local control as it was found.
#include <gtest/gtest.h>

#include <fstream>
#include <csignal>
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

// Opens a menu of the window's strip and chooses the item of a command, as a person does.
void ChooseMenuItem(const XSession& x, unsigned long window, int menu, uint32_t command) {
    int wx = 0, wy = 0;
    x.Origin(window, &wx, &wy);
    const int title = wx + EditorWindowLayout::TitleLeft(menu) + 20;
    x.ClickAt(title, wy + EditorWindowLayout::kMenuHeight / 2);
    const EditorMenuItem* items = EditorMenuItems(menu);
    int item = 0;
    while (items[item].text != nullptr && items[item].command != command) ++item;
    x.ClickAt(title, wy + EditorWindowLayout::kMenuHeight + EditorMenuItemTop(menu, item) + 10);
}

// Keys typed into a top-level window (the pointer over it), then waits until it has gone.
bool AnswerWindow(const XSession& x, const char* title, const std::vector<const char*>& keys) {
    // A sanitized build on a loaded machine can take many seconds to show the window.
    const unsigned long window = x.WaitForTopLevel(title, 60000);
    if (window == 0) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    int left = 0, top = 0, width = 0, height = 0;
    x.Origin(window, &left, &top);
    x.Size(window, &width, &height);
    x.MoveTo(left + width / 2, top + height / 3);
    for (const char* key : keys) x.Key(key);
    return Eventually([&] { return x.FindTopLevel(title) == 0; }, 5000);
}

std::string FileStart(const std::string& path, size_t n) {
    return ReadAll(path).substr(0, n);
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
    // Starts the program on the simulated instrument and waits until the editor has connected (the
    // instrument's local control, found off, turned on); the window, 0 when it did not come.
    // A private X server and a session of the test's own on it; false (the test then skips) when
    // the machine has no X server to run.
    bool StartServer() {
        m_server = std::make_unique<CXvfbServer>("1280x1024x24");
        if (!m_server->Available()) return false;
        m_x = std::make_unique<XSession>(m_server->Name());
        return true;
    }
    unsigned long StartConnected(Child* child) {
        const XSession& x = *m_x;
        std::remove(m_report.c_str());
        *child = Launch(TOLVA_EDITOR_PROGRAM, Env(m_server->Name()), m_folder);
        const unsigned long window = x.WaitForTopLevel("Tolva Editor", 15000);
        if (window == 0) return 0;
        if (!Eventually([&] { return Report(m_report)["local_control"] == "1"; }, 20000)) return 0;
        return window;
    }
    // Waits until the editor has received all of the instrument's data, or sent it what it loaded:
    // then only its poll talks to the instrument, every 2 s.
    bool WaitSynchronised() {
        std::string last;
        auto since = std::chrono::steady_clock::now();
        return Eventually(
            [&] {
                const std::string now = Report(m_report)["received"];
                if (now != last) {
                    last = now;
                    since = std::chrono::steady_clock::now();
                }
                return std::chrono::steady_clock::now() - since > std::chrono::milliseconds(1000);
            },
            60000);
    }
    // The program ended with status 0 and the instrument's local control is as it was found.
    void ExpectLeftAsFound(Child& child) {
        EXPECT_EQ(WaitFor(child.pid, 20), 0) << ReadAll(child.output);
        const auto report = Report(m_report);
        EXPECT_EQ(report.count("local_control") ? report.at("local_control") : "", "0") << ReadAll(m_report);
        EXPECT_EQ(report.count("local_control_history") ? report.at("local_control_history") : "", "0,1,0")
            << ReadAll(m_report);
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
    std::unique_ptr<CXvfbServer> m_server;
    std::unique_ptr<XSession> m_x;
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
    ChooseMenuItem(x, window, EditorWindowLayout::kAudioMenu, kCmdPreferences);
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
    ExpectLeftAsFound(child);

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

TEST_F(StandaloneEndToEnd, TheFileMenusFourItemsSaveAndLoadThroughTheirDialogs) {
    if (!StartServer()) GTEST_SKIP() << m_server->Reason();
    ASSERT_TRUE(m_x->Ok());
    const XSession& x = *m_x;
    Child child;
    const unsigned long window = StartConnected(&child);
    ASSERT_NE(window, 0u) << ReadAll(child.output) << ReadAll(m_report);
    ASSERT_TRUE(WaitSynchronised()) << ReadAll(m_report);

    // Bank Save As... and Preset Export...: each dialog proposes a name in the folder it starts in
    // (the home folder); Return saves the plug-in's chunk there.
    struct Save {
        uint32_t command;
        const char* title;
        const char* file;
    };
    for (const Save& save : {Save{kCmdBankSaveAs, "Bank Save As", "/Untitled.Xvstbank"},
                             Save{kCmdPresetExport, "Preset Export", "/Untitled.Xvstpreset"}}) {
        ChooseMenuItem(x, window, EditorWindowLayout::kFileMenu, save.command);
        EXPECT_TRUE(AnswerWindow(x, save.title, {"Return"})) << save.title << ReadAll(child.output);
        EXPECT_TRUE(Eventually([&] { return FileStart(m_folder + save.file, 4) == "Ccnk"; }, 5000))
            << save.file;
    }

    // Bank Open... and Preset Import...: typing picks the saved file, Return loads it, and the editor
    // sends it to the instrument (under its progress window); no alert comes.
    for (const auto& [command, title] :
         {std::pair{kCmdBankOpen, "Bank Open"}, std::pair{kCmdPresetImport, "Preset Import"}}) {
        const int before = std::stoi(Report(m_report)["received"]);
        ChooseMenuItem(x, window, EditorWindowLayout::kFileMenu, command);
        EXPECT_TRUE(AnswerWindow(x, title, {"u", "Return"})) << title << ReadAll(child.output);
        EXPECT_TRUE(Eventually([&] { return std::stoi(Report(m_report)["received"]) > before + 1; }, 10000))
            << title << ": nothing reached the instrument";
        EXPECT_TRUE(WaitSynchronised()) << title << ": a transfer that never ends";
        EXPECT_EQ(x.TopLevels("Tolva Editor").size(), 1u) << title << ": an alert came";
    }

    // A preset file the editor cannot load: the "Load Error" alert, over the window.
    { std::ofstream(m_folder + "/Broken.Xvstpreset", std::ios::binary) << "not a chunk"; }
    ChooseMenuItem(x, window, EditorWindowLayout::kFileMenu, kCmdPresetImport);
    EXPECT_TRUE(AnswerWindow(x, "Preset Import", {"b", "Return"})) << ReadAll(child.output);
    const unsigned long alert = x.WaitForAnother("Tolva Editor", window, 5000);
    ASSERT_NE(alert, 0u) << "no Load Error alert";
    EXPECT_TRUE(x.PictureAndClose(alert, "file-load-error"));
    EXPECT_TRUE(Eventually([&] { return x.TopLevels("Tolva Editor").size() == 1; }, 5000));

    x.Close(window);
    ExpectLeftAsFound(child);
}

TEST_F(StandaloneEndToEnd, ASignalEndsTheProgramAsQuitDoes) {
    if (!StartServer()) GTEST_SKIP() << m_server->Reason();
    ASSERT_TRUE(m_x->Ok());
    const XSession& x = *m_x;
    // Ctrl+C in a terminal, kill, a logout.
    for (const int signal : {SIGINT, SIGTERM, SIGHUP}) {
        Child child;
        const unsigned long window = StartConnected(&child);
        ASSERT_NE(window, 0u) << ReadAll(child.output) << ReadAll(m_report);
        ::kill(child.pid, signal);
        ExpectLeftAsFound(child);
        EXPECT_TRUE(Eventually([&] { return x.FindTopLevel("Tolva Editor") == 0; }, 3000));
    }
}

TEST_F(StandaloneEndToEnd, CtrlCommaAndCtrlQWorkWithThePointerOverTheEditor) {
    if (!StartServer()) GTEST_SKIP() << m_server->Reason();
    ASSERT_TRUE(m_x->Ok());
    const XSession& x = *m_x;
    Child child;
    const unsigned long window = StartConnected(&child);
    ASSERT_NE(window, 0u) << ReadAll(child.output) << ReadAll(m_report);
    int wx = 0, wy = 0, width = 0, height = 0;
    x.Origin(window, &wx, &wy);
    x.Size(window, &width, &height);
    const int overViewX = wx + width / 2, overViewY = wy + EditorWindowLayout::kMenuHeight + 200;

    x.MoveTo(overViewX, overViewY);
    x.Key("comma", true);
    const unsigned long settings = x.WaitForTopLevel("Settings", 5000);
    ASSERT_NE(settings, 0u) << "Ctrl+, over the editor opened no settings window";
    x.Close(settings);
    ASSERT_TRUE(Eventually([&] { return x.FindTopLevel("Settings") == 0; }, 3000));

    x.MoveTo(overViewX, overViewY);
    x.Key("q", true);
    ExpectLeftAsFound(child);
}

#endif
