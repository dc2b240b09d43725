// The kernel's Dummy and Loopback cards as the settings window offers them: every format in stereo
// at standard rates, float named apart from integer, and a card picked without a format starts at
// 48 kHz stereo and plays there; the program itself, started with a saved format the card is no
// longer offered in, plays into the Loopback card at 48 kHz stereo (what its capture side is then
// held to shows it). Skipped where the cards are not loaded.
#include <alsa/asoundlib.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "Hfc/Base/HfcMessageBox.h"
#include "Host/Audio/AudioEngine.h"
#include "Host/SaveData.h"
#include "Host/Shell/SettingsModel.h"
#include "HostFakes.h"
#include "ProgramRun.h"
#include "Support/TempConfigHome.h"
#include "Support/XvfbServer.h"

namespace {

class SettingsHost final : public ISettingsHost {
public:
    void SettingsPlayingChanged(bool) override {}
};

bool HaveCards() {
    return snd_card_get_index("Dummy") >= 0 && snd_card_get_index("Loopback") >= 0;
}

}  // namespace

TEST(AlsaDeviceFormats, CardsAreOfferedInStereoAtStandardRatesAndStartAt48kHz) {
    if (!HaveCards()) GTEST_SKIP() << "no Dummy and Loopback sound cards here (modprobe snd-dummy snd-aloop)";
    ZbrAlert::SetTitleText("Tolva Editor");
    HfcSetMessageBoxHook([](const HfcMessageBoxRequest& r) {
        ADD_FAILURE() << "unexpected alert: " << r.text;
        return 1;
    });
    std::unique_ptr<IAudioBackend> alsa = CreateAlsaAudioBackend();
    FakeShell shell;
    FakeUnit unit;
    VintorAudioEngine engine(alsa.get(), &shell);
    engine.SetUnit(&unit);
    engine.getAllDevices();
    Sim::TempConfigHome config;
    SettingsHost host;
    CSettingsModel model(&engine, nullptr, nullptr, &host, config.Path() + "/prefs");
    model.Populate();

    struct Case {
        const char* device;
        std::vector<std::string> mustList;  // among the labels
    };
    const Case cases[] = {
        {"hw:CARD=Dummy,DEV=0", {"16Bits/44100Hz/2CH", "16Bits/48000Hz/2CH"}},
        {"hw:CARD=Loopback,DEV=0",
         {"16Bits/44100Hz/2CH", "16Bits/192000Hz/2CH", "32Bits Float/48000Hz/2CH", "32Bits/48000Hz/2CH"}},
        {"plughw:CARD=Loopback,DEV=0", {"16Bits/44100Hz/2CH", "32Bits Float/48000Hz/2CH"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.device);
        int item = 0;
        const std::string tail = std::string("(") + c.device + ")";
        for (int n = 2; n <= model.output.Count(); ++n) {
            const std::string& name = model.output.items[static_cast<size_t>(n - 1)].text;
            if (name.size() > tail.size() && name.compare(name.size() - tail.size(), tail.size(), tail) == 0)
                item = n;
        }
        ASSERT_GT(item, 0) << "not listed";
        model.output.value = item;
        model.ControlHit(kSigOutput, 0);

        std::vector<std::string> labels;
        for (const SettingsPopup::Item& i : model.format.items) labels.push_back(i.text);
        EXPECT_TRUE(std::is_sorted(labels.begin(), labels.end())) << "byte order of the labels";
        EXPECT_EQ(std::adjacent_find(labels.begin(), labels.end()), labels.end()) << "two formats, one label";
        for (const std::string& want : c.mustList)
            EXPECT_NE(std::find(labels.begin(), labels.end(), want), labels.end()) << want;
        for (const std::string& label : labels) {
            EXPECT_NE(label.find("Hz/2CH"), std::string::npos) << label;
            if (c.device[0] != 'h') continue;  // converting devices offer the table's rates
            for (const char* odd : {"/64000Hz", "/128000Hz"})
                EXPECT_EQ(label.find(odd), std::string::npos) << label;
        }

        EXPECT_EQ(model.format.Text(), "16Bits/48000Hz/2CH");
        model.ControlHit(kSigSetup, 0);
        ASSERT_TRUE(engine.IsPlaying());
        EXPECT_EQ(engine.getCurrentFormat().mSampleRate, 48000.0);
        EXPECT_EQ(engine.getCurrentFormat().mChannelsPerFrame, 2u);
        engine.finishAudio();
    }
    engine.graphSetOutputDeviceToNone();
    HfcSetMessageBoxHook(nullptr);
}

#if defined(TOLVA_EDITOR_PROGRAM)

namespace {

// What the Loopback card's capture side is held to while its playback side runs: the playback's
// rate, channels and encoding. False when the capture cannot be opened.
bool LoopbackCaptureHeldTo(unsigned* rate, unsigned* channels, bool* s16Only) {
    snd_pcm_t* pcm = nullptr;
    if (snd_pcm_open(&pcm, "hw:CARD=Loopback,DEV=1,SUBDEV=0", SND_PCM_STREAM_CAPTURE, SND_PCM_NONBLOCK) < 0)
        return false;
    snd_pcm_hw_params_t* hw;
    snd_pcm_hw_params_alloca(&hw);
    unsigned rateMax = 0, channelsMax = 0;
    int dir = 0;
    const bool ok = snd_pcm_hw_params_any(pcm, hw) >= 0 &&
                    snd_pcm_hw_params_get_rate_min(hw, rate, &dir) >= 0 &&
                    snd_pcm_hw_params_get_rate_max(hw, &rateMax, &dir) >= 0 &&
                    snd_pcm_hw_params_get_channels_min(hw, channels) >= 0 &&
                    snd_pcm_hw_params_get_channels_max(hw, &channelsMax) >= 0;
    *s16Only = ok && snd_pcm_hw_params_test_format(pcm, hw, SND_PCM_FORMAT_S16_LE) == 0 &&
               snd_pcm_hw_params_test_format(pcm, hw, SND_PCM_FORMAT_FLOAT_LE) != 0;
    snd_pcm_close(pcm);
    return ok && rateMax == *rate && channelsMax == *channels;
}

}  // namespace

TEST(AlsaDeviceFormats, TheProgramPlaysACardWhoseSavedFormatIsNoLongerOfferedAt48kHzStereo) {
    if (!HaveCards()) GTEST_SKIP() << "no Dummy and Loopback sound cards here (modprobe snd-dummy snd-aloop)";
    CXvfbServer server("1280x1024x24");
    if (!server.Available()) GTEST_SKIP() << server.Reason();
    // The Loopback card's name as the program lists it.
    std::string device;
    {
        std::unique_ptr<IAudioBackend> alsa = CreateAlsaAudioBackend();
        FakeShell shell;
        VintorAudioEngine engine(alsa.get(), &shell);
        engine.getAllDevices();
        const std::string tail = "(hw:CARD=Loopback,DEV=0)";
        for (int i = 0; i < engine.GetDeviceCount(); ++i) {
            std::string name;
            engine.GetDeviceName(i, &name);
            if (name.size() > tail.size() && name.compare(name.size() - tail.size(), tail.size(), tail) == 0)
                device = name;
        }
    }
    ASSERT_FALSE(device.empty()) << "the Loopback card is not listed";

    const std::string folder = ProgramRun::TempFolder();
    ASSERT_FALSE(folder.empty());
    // Saved by a program that offered the card as it takes anything: 16 bits, 128 kHz, 32 channels.
    SaveData saved;
    saved.deviceName = device;
    saved.format = MakeStreamDescription(SampleKind::S16, 128000, 32);
    saved.bufferFrames = 256;
    ASSERT_TRUE(SaveDataWriteFile(folder + "/Velk Tolva Editor Preferences", saved));
    std::vector<std::pair<std::string, std::string>> env = {
        {"DISPLAY", server.Name()},  {"TOLVA_AUDIO", ""},        {"HOME", folder},
        {"XDG_CONFIG_HOME", folder}, {"TOLVA_LOCK_DIR", folder}, {"VST_PATH", folder + "/vst"}};
#if defined(TOLVA_SIM_PLUGIN_SO)
    env.emplace_back("TOLVA_PLUGIN", TOLVA_SIM_PLUGIN_SO);  // its MIDI stays in the process
#endif
    ProgramRun::Child child = ProgramRun::Launch(TOLVA_EDITOR_PROGRAM, env, folder);
    ProgramRun::XSession x(server.Name());
    ASSERT_TRUE(x.Ok());

    // The note that the saved format changed comes up over the start; it is answered.
    unsigned rate = 0, channels = 0;
    bool s16Only = false;
    const bool held = ProgramRun::Eventually(
        [&] {
            if (LoopbackCaptureHeldTo(&rate, &channels, &s16Only)) return true;
            for (unsigned long window : x.TopLevels("Tolva Editor")) {
                int w = 0, h = 0;
                if (x.Size(window, &w, &h) && w < 600) x.Close(window);  // the alert, not the editor
            }
            return false;
        },
        20000);
    ASSERT_TRUE(held) << "the program does not play into the Loopback card\n"
                      << ProgramRun::ReadAll(child.output);
    EXPECT_EQ(rate, 48000u);
    EXPECT_EQ(channels, 2u);
    EXPECT_TRUE(s16Only) << "16-bit integer samples";

    kill(child.pid, SIGTERM);
    EXPECT_GE(ProgramRun::WaitFor(child.pid, 20), 0) << ProgramRun::ReadAll(child.output);
    const std::string command = "rm -rf " + folder;
    EXPECT_EQ(std::system(command.c_str()), 0);
}

#endif
