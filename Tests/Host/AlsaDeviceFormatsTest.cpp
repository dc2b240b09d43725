// The kernel's Dummy and Loopback cards as the settings window offers them: every format in stereo
// at standard rates, float named apart from integer, and a card picked without a format starts at
// 48 kHz stereo and plays there. Skipped where the cards are not loaded.
#include <alsa/asoundlib.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "Hfc/Base/HfcMessageBox.h"
#include "Host/Audio/AudioEngine.h"
#include "Host/Shell/SettingsModel.h"
#include "HostFakes.h"
#include "Support/TempConfigHome.h"

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
