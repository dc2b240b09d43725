// The settings window's logic over the fake audio device and loopback MIDI: the slider in 64-frame
// steps, the popups, the exclusive MIDI inputs, applying and saving, cancel, the recovery after a
// refused buffer size, and the idle tasks that follow device and MIDI changes.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>

#include "Hfc/Base/HfcMessageBox.h"
#include "Host/Audio/AudioEngine.h"
#include "Host/Audio/FakeAudio.h"
#include "Host/HostMIDIManager.h"
#include "Host/SaveData.h"
#include "Host/Shell/SettingsModel.h"
#include "HostFakes.h"
#include "Linux/MidiIO/Loopback/LoopbackBackend.h"
#include "Support/TempConfigHome.h"

namespace {

TEST(SettingsSlider, PositionsInStepsOf64) {
    struct Case {
        uint32_t min, max;
        int maxPosition;
        std::vector<std::pair<uint32_t, int>> sizeToPosition;
        std::vector<std::pair<int, uint32_t>> positionToSize;
    };
    const Case cases[] = {
        {32,
         8192,
         128,
         {{256, 4}, {32, 0}, {8192, 128}, {64, 1}, {100, 2}, {9000, 128}, {0, 0}},
         {{4, 256}, {0, 32}, {128, 8192}, {1, 64}, {127, 8128}, {-3, 32}, {500, 8192}}},
        // Ends that are not multiples of 64 keep their own positions.
        {100, 1000, 15, {{100, 0}, {128, 1}, {129, 2}, {1000, 15}}, {{1, 128}, {14, 960}, {15, 1000}}},
        {64, 4096, 63, {{64, 0}, {128, 1}, {4096, 63}}, {{0, 64}, {1, 128}, {63, 4096}}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(BufferSliderMaxPosition(c.min, c.max), c.maxPosition) << c.min << ".." << c.max;
        for (auto [size, position] : c.sizeToPosition)
            EXPECT_EQ(BufferSizeToPosition(size, c.min, c.max), position)
                << c.min << ".." << c.max << " size " << size;
        for (auto [position, size] : c.positionToSize)
            EXPECT_EQ(BufferPositionToSize(position, c.min, c.max), size)
                << c.min << ".." << c.max << " pos " << position;
    }
}

TEST(SettingsChannels, OnePairItemPerTwoChannels) {
    EXPECT_EQ(OutputPairItems(6), (std::vector<std::string>{"Output 1 / Output 2", "Output 3 / Output 4",
                                                            "Output 5 / Output 6"}));
    EXPECT_EQ(OutputPairItems(2), (std::vector<std::string>{"Output 1 / Output 2"}));
    EXPECT_TRUE(OutputPairItems(1).empty());
    EXPECT_TRUE(OutputPairItems(0).empty());
}

class Host final : public ISettingsHost {
public:
    void SettingsPlayingChanged(bool p) override { playing = p; }
    void HideSettings() override { ++hidden; }
    bool playing = false;
    int hidden = 0;
};

class SettingsModelTest : public ::testing::Test {
public:
    void SetUp() override {
        ZbrAlert::SetTitleText("Tolva Editor");
        HfcSetMessageBoxHook([this](const HfcMessageBoxRequest& r) {
            alerts.push_back(r.text);
            return 1;
        });
        unit.plugin = &plugin;
        keys = loop.AddSource("Keys", "Out");
        pads = loop.AddSource("Pads", "Out");
        drums = loop.AddSource("Drum Machine", "Clock");
        engine = std::make_unique<VintorAudioEngine>(&fake, &shell);
        engine->SetUnit(&unit);
        engine->getAllDevices();
        manager = std::make_unique<VintorHostMIDIManager>(&loop, &unit, &shell);
        manager->CheckUpdated();
        path = config.Path() + "/Velk Tolva Editor Preferences";
        model = std::make_unique<CSettingsModel>(engine.get(), manager.get(), &loop, &host, path);
        model->SetMidiSettleMs(0);
        model->Populate();
    }
    void TearDown() override {
        model.reset();
        manager.reset();
        engine.reset();
        HfcSetMessageBoxHook(nullptr);
    }
    int OutputItem(const std::string& name) {
        for (int n = 1; n <= model->output.Count(); ++n)
            if (model->output.items[static_cast<size_t>(n - 1)].text == name) return n;
        ADD_FAILURE() << "no output " << name;
        return 1;
    }
    int Item(const SettingsPopup& popup, const std::string& text) {
        for (int n = 1; n <= popup.Count(); ++n)
            if (popup.items[static_cast<size_t>(n - 1)].text == text) return n;
        ADD_FAILURE() << "no item " << text;
        return 1;
    }
    // The user picks an output device and a format.
    void Pick(const std::string& device, const std::string& format = "") {
        model->output.value = OutputItem(device);
        model->ControlHit(kSigOutput, 0);
        if (!format.empty()) {
            model->format.value = Item(model->format, format);
            model->ControlHit(kSigFormat, 0);
        }
    }
    void MoveBufferSlider(uint32_t frames) {
        model->bufferSize.value = BufferSizeToPosition(frames, 32, 8192);
        model->ControlHit(kSigBufferSize, 0);
    }
    void PickMidi(int slot, const std::string& label) {
        model->midi[slot].value = Item(model->midi[slot], label);
        model->ControlHit(kSigMidi, slot);
    }
    SaveData Saved() { return SaveDataReadFile(path); }

    Sim::TempConfigHome config;
    FakeAudioBackend fake;
    FakeShell shell;
    FakeUnit unit;
    FakePluginObject plugin;
    CMidiLoopback loop;
    uint32_t keys = 0, pads = 0, drums = 0;
    std::unique_ptr<VintorAudioEngine> engine;
    std::unique_ptr<VintorHostMIDIManager> manager;
    Host host;
    std::string path;
    std::unique_ptr<CSettingsModel> model;
    std::vector<std::string> alerts;
};

}  // namespace

TEST_F(SettingsModelTest, StartsWithNoDeviceAndTheDefaultOtherSettings) {
    ASSERT_EQ(model->output.Count(), 3);
    EXPECT_EQ(model->output.items[0].text, " -- ");
    EXPECT_EQ(model->output.Text(), " -- ");
    EXPECT_EQ(model->texts[0], "(0)");
    EXPECT_EQ(model->texts[1], "0.00");
    EXPECT_EQ(model->texts[2], "100%");
    EXPECT_FALSE(model->bufferSize.enabled);
    EXPECT_EQ(model->format.Count(), 0);
    EXPECT_FALSE(model->clock.enabled);
    EXPECT_FALSE(model->autoStop);
    ASSERT_EQ(model->knobMode.Count(), 3);
    EXPECT_EQ(model->knobMode.value, 3);
    EXPECT_TRUE(model->knobMode.items[2].checked);
    EXPECT_FALSE(model->knobMode.items[0].checked);
    // Every MIDI source in each input popup after " -- ".
    ASSERT_EQ(model->midi[0].Count(), 4);
    EXPECT_EQ(model->midi[0].items[1].text, "Keys Out");
    EXPECT_EQ(model->midi[3].Count(), 1);
}

TEST_F(SettingsModelTest, ADeviceFillsFormatsChannelsClockAndTheSlider) {
    Pick("Fake Surround");
    EXPECT_GT(model->format.Count(), 1);
    EXPECT_TRUE(model->format.ItemEnabled(model->format.value));
    ASSERT_EQ(model->channels.Count(), 4);
    EXPECT_EQ(model->channels.items[3].text, "Output 7 / Output 8");
    EXPECT_TRUE(model->clock.enabled);
    EXPECT_EQ(model->clock.Count(), 2);
    EXPECT_TRUE(model->bufferSize.enabled);
    EXPECT_EQ(model->bufferSize.maximum, 128);
    EXPECT_EQ(model->bufferSize.value, 4);
    EXPECT_EQ(model->texts[0], "(256)");
    // 256 frames at the default format's rate (48 kHz: the device has no stereo format).
    EXPECT_EQ(model->format.Text(), "32Bits Float/48000Hz/8CH");
    EXPECT_EQ(model->texts[1], "5.33");

    MoveBufferSlider(512);
    EXPECT_TRUE(model->BufferSizeTouched());
    EXPECT_EQ(model->texts[0], "(512)");
    EXPECT_EQ(model->texts[1], "10.67");

    // Back to " -- ": nothing to choose, nothing to show.
    model->output.value = 1;
    model->ControlHit(kSigOutput, 0);
    EXPECT_EQ(model->format.Count(), 0);
    EXPECT_EQ(model->channels.Count(), 0);
    EXPECT_FALSE(model->bufferSize.enabled);
    EXPECT_EQ(model->texts[0], "(0)");
    EXPECT_EQ(model->texts[1], "0.00");
}

TEST_F(SettingsModelTest, ApplyStartsAudioAndSavesWhatIsPlaying) {
    Pick("Fake Stereo", "32Bits Float/48000Hz/2CH");
    MoveBufferSlider(512);
    PickMidi(1, "Pads Out");
    model->autoStop = true;
    model->cpuLimit.value = 80;
    model->knobMode.value = 1;
    model->ControlHit(kSigKnobMode, 0);
    model->ControlHit(kSigSetup, 0);

    EXPECT_TRUE(engine->IsPlaying());
    EXPECT_TRUE(host.playing);
    EXPECT_EQ(engine->GetDeviceBufferFrameSize(), 512u);
    EXPECT_EQ(engine->getCurrentFormat().mSampleRate, 48000.0);
    EXPECT_EQ(manager->SlotSource(1), pads);
    EXPECT_TRUE(engine->CpuLoad().AutoStop());
    EXPECT_EQ(engine->CpuLoad().Limit(), 80);
    EXPECT_EQ(host.hidden, 0);

    const SaveData saved = Saved();
    EXPECT_EQ(saved.deviceName, "Fake Stereo");
    EXPECT_EQ(saved.format.mSampleRate, 48000.0);
    EXPECT_EQ(saved.bufferFrames, 512u);
    EXPECT_EQ(saved.midiEndpointName[1], "Out");
    EXPECT_EQ(saved.midiDeviceName[1], "Pads");
    EXPECT_TRUE(saved.midiEndpointName[0].empty());
    EXPECT_TRUE(saved.autoStop);
    EXPECT_EQ(saved.cpuLimit, 80u);
    EXPECT_EQ(saved.knobMode, 0u);

    // OK applies too, then hides the window.
    MoveBufferSlider(1024);
    model->ControlHit(kSigOK, 0);
    EXPECT_EQ(engine->GetDeviceBufferFrameSize(), 1024u);
    EXPECT_EQ(Saved().bufferFrames, 1024u);
    EXPECT_EQ(host.hidden, 1);
}

TEST_F(SettingsModelTest, SettingsThatCannotBeSavedAreAppliedAndTheAlertSaysWhy) {
    // The preferences folder is taken by a file: nothing can be written under it.
    const std::string blocked = config.Path() + "/blocked";
    std::ofstream(blocked) << "x";
    path = blocked + "/Velk Tolva Editor Preferences";
    model = std::make_unique<CSettingsModel>(engine.get(), manager.get(), &loop, &host, path);
    model->Populate();
    Pick("Fake Stereo", "32Bits Float/48000Hz/2CH");
    MoveBufferSlider(512);
    alerts.clear();
    model->ControlHit(kSigOK, 0);
    // Applied for this run, and the window goes as after any OK.
    EXPECT_TRUE(engine->IsPlaying());
    EXPECT_EQ(engine->GetDeviceBufferFrameSize(), 512u);
    EXPECT_EQ(host.hidden, 1);
    // The user is told, with the file and the reason.
    EXPECT_EQ(alerts,
              std::vector<std::string>{std::string(kSettingsNotSaved) + "\n" + path + ": Not a directory"});
}

TEST_F(SettingsModelTest, SavedSettingsComeBackIntoTheWindow) {
    Pick("Fake Surround");
    model->channels.value = 3;
    MoveBufferSlider(1024);
    PickMidi(0, "Drum Machine Clock");
    model->midi[3].value = 2;
    model->ControlHit(kSigMidi, 3);
    model->clock.value = 2;
    model->ControlHit(kSigSetup, 0);
    ASSERT_EQ(Saved().firstChannel, 4u);

    // A fresh window reads the record.
    CSettingsModel fresh(engine.get(), manager.get(), &loop, &host, path);
    fresh.Populate();
    EXPECT_FALSE(fresh.loadSettings(true));
    EXPECT_EQ(fresh.output.Text(), "Fake Surround");
    EXPECT_EQ(fresh.channels.value, 3);
    EXPECT_EQ(fresh.texts[0], "(1024)");
    EXPECT_EQ(fresh.midi[0].Text(), "Drum Machine Clock");
    EXPECT_EQ(fresh.midi[3].Text(), "Drum Machine Clock");
    EXPECT_EQ(fresh.clock.value, 2);
    EXPECT_TRUE(alerts.empty());
}

TEST_F(SettingsModelTest, MissingSavedItemsAskForAttention) {
    struct Case {
        const char* what;
        void (*edit)(SaveData&);
        bool attention;
        const char* alert;  // shown when alerts are asked for
        const char* output;
    };
    const Case cases[] = {
        {"as saved", [](SaveData&) {}, false, nullptr, "Fake Stereo"},
        {"device gone", [](SaveData& d) { d.deviceName = "Unplugged Card"; }, true, nullptr, " -- "},
        {"no device saved", [](SaveData& d) { d.deviceName.clear(); }, false, nullptr, " -- "},
        {"format gone", [](SaveData& d) { d.format.mSampleRate = 22050; }, true, "Device format changed",
         "Fake Stereo"},
        {"MIDI port gone", [](SaveData& d) { d.midiEndpointName[0] = "Vanished"; }, true, nullptr,
         "Fake Stereo"},
        {"clock port gone", [](SaveData& d) { d.midiEndpointName[3] = "Vanished"; }, true, nullptr,
         "Fake Stereo"},
    };
    Pick("Fake Stereo", "32Bits Float/48000Hz/2CH");
    model->ControlHit(kSigSetup, 0);
    const SaveData good = Saved();
    for (const Case& c : cases) {
        SaveData d = good;
        c.edit(d);
        ASSERT_TRUE(SaveDataWriteFile(path, d));
        alerts.clear();
        EXPECT_EQ(model->loadSettings(true), c.attention) << c.what;
        EXPECT_EQ(model->output.Text(), c.output) << c.what;
        if (c.alert) {
            ASSERT_EQ(alerts.size(), 1u) << c.what;
            EXPECT_EQ(alerts[0], c.alert) << c.what;
            EXPECT_EQ(model->format.Text(), "16Bits/48000Hz/2CH")
                << c.what << ": the device's default instead";
        } else {
            EXPECT_TRUE(alerts.empty()) << c.what;
        }
    }
}

TEST_F(SettingsModelTest, AnInputPortIsChosenInOnePopupOnly) {
    const int keysItem = Item(model->midi[0], "Keys Out");
    const int padsItem = Item(model->midi[0], "Pads Out");
    PickMidi(0, "Keys Out");
    EXPECT_FALSE(model->midi[1].ItemEnabled(keysItem));
    EXPECT_FALSE(model->midi[2].ItemEnabled(keysItem));
    EXPECT_TRUE(model->midi[0].ItemEnabled(keysItem));
    // The clock popup offers what the inputs chose.
    ASSERT_EQ(model->midi[3].Count(), 2);
    EXPECT_EQ(model->midi[3].items[1].text, "Keys Out");
    model->midi[3].value = 2;
    model->ControlHit(kSigMidi, 3);

    // Input 1 moves to another port: the first is free again in the others.
    PickMidi(0, "Pads Out");
    EXPECT_TRUE(model->midi[1].ItemEnabled(keysItem));
    EXPECT_TRUE(model->midi[2].ItemEnabled(keysItem));
    EXPECT_FALSE(model->midi[1].ItemEnabled(padsItem));
    // " -- " is never disabled.
    PickMidi(1, " -- ");
    EXPECT_TRUE(model->midi[0].ItemEnabled(1));
    EXPECT_TRUE(model->midi[2].ItemEnabled(1));
    // The clock popup follows, and the clock source it showed is gone with the input.
    EXPECT_EQ(model->midi[3].Text(), " -- ");
}

TEST_F(SettingsModelTest, ARefusedBufferSizeAfterASliderMoveRestoresTheSavedSettings) {
    Pick("Fake Stereo", "32Bits Float/48000Hz/2CH");
    model->ControlHit(kSigSetup, 0);
    ASSERT_TRUE(engine->IsPlaying());
    ASSERT_EQ(engine->GetDeviceBufferFrameSize(), 256u);

    fake.SetRefuseBufferSize("Fake Stereo", true);
    MoveBufferSlider(2048);
    model->ControlHit(kSigOK, 0);
    ASSERT_FALSE(alerts.empty());
    EXPECT_EQ(alerts[0], "Cannot set buffer size to audio device.\n( 32 - 4096 )");
    // The record is untouched, and what it names is shown and playing again (at the device's own
    // size, since it still refuses the one asked for).
    EXPECT_EQ(Saved().bufferFrames, 256u);
    EXPECT_EQ(model->output.Text(), "Fake Stereo");
    EXPECT_EQ(model->format.Text(), "32Bits Float/48000Hz/2CH");
    EXPECT_EQ(model->texts[0], "(" + std::to_string(engine->GetDeviceBufferFrameSize()) + ")");
    EXPECT_FALSE(model->BufferSizeTouched());
    EXPECT_EQ(engine->getCurrentAudioDeviceID(), 1u);
    EXPECT_TRUE(engine->IsPlaying());
}

TEST_F(SettingsModelTest, CancelPutsTheRecordBackOrTheDefaults) {
    // Without a record: the defaults.
    Pick("Fake Surround");
    PickMidi(2, "Keys Out");
    model->autoStop = true;
    model->SetSettingDialogOtherSettings(true, 40, 0);
    model->ControlHit(kSigCancel, 0);
    EXPECT_EQ(host.hidden, 1);
    EXPECT_EQ(model->output.Text(), " -- ");
    EXPECT_EQ(model->midi[2].Text(), " -- ");
    EXPECT_TRUE(model->midi[0].ItemEnabled(Item(model->midi[0], "Keys Out")));
    EXPECT_FALSE(model->autoStop);
    EXPECT_EQ(model->cpuLimit.value, 100);
    EXPECT_EQ(model->knobMode.value, 3);
    EXPECT_FALSE(host.playing);

    // With one: what it holds.
    Pick("Fake Stereo", "16Bits/44100Hz/2CH");
    model->SetSettingDialogOtherSettings(true, 55, 1);
    model->ControlHit(kSigSetup, 0);
    Pick("Fake Surround");
    model->SetSettingDialogOtherSettings(false, 100, 2);
    model->ControlHit(kSigCancel, 0);
    EXPECT_EQ(model->output.Text(), "Fake Stereo");
    EXPECT_EQ(model->format.Text(), "16Bits/44100Hz/2CH");
    EXPECT_TRUE(model->autoStop);
    EXPECT_EQ(model->cpuLimit.value, 55);
    EXPECT_EQ(model->texts[2], "55%");
    EXPECT_EQ(model->knobMode.value, 2);
}

// An interface unplugged for a moment must not lose the user's choice of it.
TEST_F(SettingsModelTest, AVanishedDeviceStopsAudioButStaysSaved) {
    Pick("Fake Stereo", "32Bits Float/48000Hz/2CH");
    model->ControlHit(kSigSetup, 0);
    ASSERT_TRUE(engine->IsPlaying());

    fake.Vanish("Fake Stereo");
    model->HardwareDevicesChanged();
    EXPECT_EQ(model->output.Text(), " -- ");
    EXPECT_EQ(model->output.Count(), 2);
    EXPECT_FALSE(engine->IsPlaying());
    EXPECT_FALSE(host.playing);
    EXPECT_EQ(Saved().deviceName, "Fake Stereo");
}

TEST_F(SettingsModelTest, MidiChangesRefillThePopupsKeepingTheChoices) {
    PickMidi(0, "Pads Out");
    model->midi[3].value = 2;
    model->ControlHit(kSigMidi, 3);
    PickMidi(1, "Keys Out");

    // Nothing changed: no alert, nothing refilled.
    model->MIDIDeviceChanged();
    EXPECT_TRUE(alerts.empty());

    loop.AddSource("Arp", "Out");
    loop.RemoveEndpoint(keys);
    model->MIDIDeviceChanged();
    ASSERT_EQ(alerts.size(), 1u);
    EXPECT_EQ(alerts[0], "MIDI Device changed");
    ASSERT_EQ(model->midi[0].Count(), 4);
    EXPECT_EQ(model->midi[0].Text(), "Pads Out");
    EXPECT_EQ(model->midi[1].Text(), " -- ");
    EXPECT_FALSE(model->midi[1].ItemEnabled(model->midi[0].value));
    EXPECT_EQ(model->midi[3].Text(), "Pads Out");
}

TEST_F(SettingsModelTest, DeviceFormatAndClockChangesShowInThePopups) {
    Pick("Fake Surround");
    model->ControlHit(kSigSetup, 0);
    ASSERT_TRUE(engine->IsPlaying());

    fake.ChangeClockSource(2);
    model->ClockSourceChanged();
    EXPECT_EQ(model->clock.value, 2);

    // A format the device was not offered in: shown once as unsupported, disabled.
    AudioStreamBasicDescription odd = engine->getCurrentFormat();
    odd.mSampleRate = 32000;
    fake.ChangeFormat(odd);
    model->FormatChanged();
    model->FormatChanged();
    ASSERT_EQ(model->format.Text(), "Unsupported format");
    EXPECT_FALSE(model->format.ItemEnabled(model->format.value));
    EXPECT_EQ(model->format.items.back().text, "Unsupported format");
    EXPECT_NE(model->format.items[model->format.Count() - 2].text, "Unsupported format");
    EXPECT_EQ(model->texts[0], "(256)");
    // Applying takes the item away again.
    const int count = model->format.Count();
    model->ControlHit(kSigSetup, 0);
    EXPECT_EQ(model->format.Count(), count - 1);
}
