// The settings window drawn headless over the fake audio device and loopback MIDI, used with the
// pointer as a person would: tabs, popups (disabled items cannot be chosen), the buffer slider with
// its live texts, the check box, and the buttons. Each pane goes into the gallery.
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <set>

#include "App/SettingsWindow.h"
#include "Hfc/Base/HfcMessageBox.h"
#include "Hfc/Core/HfcPopupMenu.h"
#include "Hfc/Draw/HfcBmp.h"
#include "Hfc/Headless/HfcHeadless.h"
#include "Host/Audio/AudioEngine.h"
#include "Host/Audio/FakeAudio.h"
#include "Host/HostMIDIManager.h"
#include "Host/SaveData.h"
#include "HostFakes.h"
#include "Linux/MidiIO/Loopback/LoopbackBackend.h"
#include "Linux/RunLoop.h"
#include "StandaloneGallery.h"
#include "Support/TempConfigHome.h"

namespace {

class WindowHost final : public ISettingsHost {
public:
    void SettingsPlayingChanged(bool p) override { playing = p; }
    void SettingsChanged() override {
        if (window) window->Refresh();
    }
    void HideSettings() override { ++hidden; }
    CSettingsWindow* window = nullptr;
    bool playing = false;
    int hidden = 0;
};

class SettingsWindowTest : public ::testing::Test {
public:
    void SetUp() override {
        screen.Install();
        ZbrAlert::SetTitleText("Tolva Editor");
        HfcSetMessageBoxHook([this](const HfcMessageBoxRequest& r) {
            alerts.push_back(r.text);
            return 1;
        });
        loop.AddSource("Keys", "Out");
        loop.AddSource("Pads", "Out");
        engine = std::make_unique<VintorAudioEngine>(&fake, &shell);
        engine->SetUnit(&unit);
        engine->getAllDevices();
        manager = std::make_unique<VintorHostMIDIManager>(&loop, &unit, &shell);
        path = config.Path() + "/Velk Tolva Editor Preferences";
        model = std::make_unique<CSettingsModel>(engine.get(), manager.get(), &loop, &host, path);
        model->Populate();
        window = std::make_unique<CSettingsWindow>(model.get(), &host);
        host.window = window.get();
        ASSERT_TRUE(window->Open(nullptr));
        window->GetFrame()->GetRootOrigin(&originX, &originY);
    }
    void TearDown() override {
        HfcSetPopupMenuHook(nullptr);
        host.window = nullptr;
        window.reset();
        model.reset();
        manager.reset();
        engine.reset();
        HfcSetMessageBoxHook(nullptr);
    }
    void ClickAt(int x, int y) {
        screen.MoveTo(originX + x, originY + y);
        screen.Click();
    }
    void ClickTab(int n) { ClickAt(SettingsLayout::TabLeft(n) + 20, SettingsLayout::kTabTop + 10); }
    // Clicks a pane's control; popups answer with the item whose text is given.
    void ClickControl(int pane, uint32_t signature, int index, const std::string& choose = "") {
        const int row = CSettingsWindow::RowOf(pane, signature, index);
        ASSERT_GE(row, 0);
        const tagHfcRect r = CSettingsWindow::ControlRect(row, signature);
        HfcSetPopupMenuHook([this, choose](const HfcPopupMenuRequest& request) {
            shownItems = request.items;
            for (const CHfcPopupMenu::Item& item : request.items)
                if (item.text == choose) return (item.flags & 2u) ? 0 : item.id;
            return 0;
        });
        ClickAt(r.left + 10, r.top + 8);
        HfcSetPopupMenuHook(nullptr);
    }
    void ClickButton(int result) {
        for (const auto& b : window->GetButtons())
            if (b.result == result)
                ClickAt((b.rect.left + b.rect.right) / 2, (b.rect.top + b.rect.bottom) / 2);
    }
    std::unique_ptr<CHfcBmp> Shot() {
        auto snap = screen.Snapshot();
        auto out = std::make_unique<CHfcBmp>();
        out->Create(SettingsLayout::kWidth, SettingsLayout::kHeight);
        for (int y = 0; y < SettingsLayout::kHeight; ++y)
            for (int x = 0; x < SettingsLayout::kWidth; ++x)
                out->SetPixel(x, y, snap->GetPixel(originX + x, originY + y));
        return out;
    }

    CHfcHeadlessScreen screen{1280, 1024};
    RunLoop runLoop;
    Sim::TempConfigHome config;
    FakeAudioBackend fake;
    FakeShell shell;
    FakeUnit unit;
    CMidiLoopback loop;
    std::unique_ptr<VintorAudioEngine> engine;
    std::unique_ptr<VintorHostMIDIManager> manager;
    WindowHost host;
    std::string path;
    std::unique_ptr<CSettingsModel> model;
    std::unique_ptr<CSettingsWindow> window;
    std::vector<std::string> alerts;
    std::vector<CHfcPopupMenu::Item> shownItems;
    int originX = 0, originY = 0;
};

size_t Colours(const CHfcBmp& bmp) {
    std::set<uint32_t> colours;
    for (int y = 0; y < bmp.GetHeight(); ++y)
        for (int x = 0; x < bmp.GetWidth(); ++x) colours.insert(bmp.GetPixel(x, y));
    return colours.size();
}

}  // namespace

TEST_F(SettingsWindowTest, ChoosingADeviceAndMovingTheSliderThenApplying) {
    ClickControl(1, kSigOutput, 0, "Fake Stereo");
    EXPECT_EQ(model->output.Text(), "Fake Stereo");
    // The menu showed " -- " and every device, the shown one checked.
    ASSERT_EQ(shownItems.size(), 3u);
    EXPECT_EQ(shownItems[0].text, " -- ");
    EXPECT_TRUE(shownItems[0].checked);
    ClickControl(1, kSigFormat, 0, "32Bits Float/48000Hz/2CH");
    EXPECT_EQ(model->format.Text(), "32Bits Float/48000Hz/2CH");

    // A click on the slider's track at the place of 512 frames.
    const int row = CSettingsWindow::RowOf(1, kSigBufferSize, 0);
    const tagHfcRect r = CSettingsWindow::ControlRect(row, kSigBufferSize);
    ClickAt(SettingsLayout::SliderX(BufferSizeToPosition(512, 32, 8192), 0, model->bufferSize.maximum),
            r.top + 10);
    EXPECT_EQ(model->texts[0], "(512)");
    EXPECT_EQ(model->texts[1], "10.67");
    EXPECT_TRUE(model->BufferSizeTouched());
    WriteStandaloneGallery(*Shot(), "settings-audio");

    ClickButton(CSettingsWindow::kApply);
    EXPECT_TRUE(engine->IsPlaying());
    EXPECT_EQ(engine->GetDeviceBufferFrameSize(), 512u);
    EXPECT_EQ(SaveDataReadFile(path).bufferFrames, 512u);
    EXPECT_EQ(host.hidden, 0);
    ClickButton(CSettingsWindow::kOK);
    EXPECT_EQ(host.hidden, 1);
}

TEST_F(SettingsWindowTest, PanesShowTheirControlsAndDisabledPortsCannotBeChosen) {
    const auto audio = Shot();
    EXPECT_GT(Colours(*audio), 4u) << "the window is drawn";
    ClickTab(2);
    EXPECT_EQ(model->tab, 2);
    ClickControl(2, kSigMidi, 0, "Pads Out");
    EXPECT_EQ(model->midi[0].Text(), "Pads Out");
    // Input 2 offers the port input 1 took, disabled: choosing it does nothing.
    ClickControl(2, kSigMidi, 1, "Pads Out");
    EXPECT_EQ(model->midi[1].Text(), " -- ");
    bool sawDisabled = false;
    for (const auto& item : shownItems) sawDisabled |= item.text == "Pads Out" && (item.flags & 2u) != 0;
    EXPECT_TRUE(sawDisabled);
    const auto midi = Shot();
    WriteStandaloneGallery(*midi, "settings-midi");

    ClickTab(3);
    const int row = CSettingsWindow::RowOf(3, kSigAutoStop, 0);
    const tagHfcRect box = CSettingsWindow::ControlRect(row, kSigAutoStop);
    ClickAt(box.left + 5, box.top + 8);
    EXPECT_TRUE(model->autoStop);
    ClickControl(3, kSigKnobMode, 0, "Circular");
    EXPECT_EQ(model->knobMode.value, 1);
    WriteStandaloneGallery(*Shot(), "settings-other");

    // Escape is Cancel: the window hides and the defaults come back (nothing was saved).
    screen.Key(27, 27);
    EXPECT_EQ(host.hidden, 1);
    EXPECT_FALSE(model->autoStop);
    EXPECT_EQ(model->midi[0].Text(), " -- ");
}
