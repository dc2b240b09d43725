// What a sound device is offered as, from what its hardware takes to the settings window: the
// formats of its description, their labels in the list's order, and the format a musician who
// picks the device starts at. Devices are described by their capabilities; no sound card needed.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "Hfc/Base/HfcMessageBox.h"
#include "Host/Audio/AudioEngine.h"
#include "Host/Audio/FakeAudio.h"
#include "Host/Audio/PcmDescription.h"
#include "Host/Shell/SettingsModel.h"
#include "HostFakes.h"
#include "Support/TempConfigHome.h"

namespace {

// A device's hardware as the tests describe it: the encodings it takes, a channel range, and its
// rates as a continuous range or as a list; an encoding may stop at a lower rate.
struct Hardware {
    std::set<SampleKind> kinds = {};
    unsigned channelsMin = 0, channelsMax = 0;
    unsigned rateMin = 0, rateMax = 0;
    std::vector<unsigned> rateList = {};  // when not empty, only these
    SampleKind slowKind = SampleKind::S16;
    unsigned slowKindMaxRate = 0;  // 0: slowKind runs at every rate
    bool converting = false;
    bool interleaved = true;
};

PcmCapabilities CapabilitiesOf(const Hardware& h) {
    PcmCapabilities caps;
    caps.converting = h.converting;
    caps.interleaved = h.interleaved;
    caps.channelsMin = h.channelsMin;
    caps.channelsMax = h.channelsMax;
    caps.rateMin = h.rateMin;
    caps.rateMax = h.rateMax;
    caps.periodMin = 16;
    caps.periodMax = 16384;
    caps.takes = [h](SampleKind kind, unsigned channels, unsigned rate) {
        if (!h.kinds.count(kind) || channels < h.channelsMin || channels > h.channelsMax) return false;
        if (rate == 0) return true;
        if (rate < h.rateMin || rate > h.rateMax) return false;
        if (!h.rateList.empty() && std::find(h.rateList.begin(), h.rateList.end(), rate) == h.rateList.end())
            return false;
        return !(kind == h.slowKind && h.slowKindMaxRate != 0 && rate > h.slowKindMaxRate);
    };
    return caps;
}

class SettingsHost final : public ISettingsHost {
public:
    void SettingsPlayingChanged(bool) override {}
};

using K = SampleKind;

}  // namespace

TEST(DeviceFormats, DescribedAsPlayedIntoAndStartedAt48kHzStereo) {
    struct Case {
        const char* what;
        Hardware hardware;
        std::vector<std::string> labels;  // the format popup, in its order; empty: not offered
        const char* chosen;               // the format the device starts at
    };
    const Case cases[] = {
        {"virtual loopback card: 1-32 channels, 8-192 kHz, float, 32 and 16 bits",
         {{K::Float32, K::S32, K::S16}, 1, 32, 8000, 192000},
         {"16Bits/176400Hz/2CH", "16Bits/192000Hz/2CH", "16Bits/44100Hz/2CH", "16Bits/48000Hz/2CH",
          "16Bits/88200Hz/2CH", "16Bits/96000Hz/2CH", "32Bits Float/176400Hz/2CH",
          "32Bits Float/192000Hz/2CH", "32Bits Float/44100Hz/2CH", "32Bits Float/48000Hz/2CH",
          "32Bits Float/88200Hz/2CH", "32Bits Float/96000Hz/2CH", "32Bits/176400Hz/2CH",
          "32Bits/192000Hz/2CH", "32Bits/44100Hz/2CH", "32Bits/48000Hz/2CH", "32Bits/88200Hz/2CH",
          "32Bits/96000Hz/2CH"},
         "16Bits/48000Hz/2CH"},
        {"dummy card: mono or stereo 16 bits up to 48 kHz",
         {{K::S16}, 1, 2, 5500, 48000},
         {"16Bits/44100Hz/2CH", "16Bits/48000Hz/2CH"},
         "16Bits/48000Hz/2CH"},
        {"a card that only runs at 44.1 kHz",
         {{K::S16, K::S24_3}, 2, 2, 44100, 44100},
         {"16Bits/44100Hz/2CH", "24Bits/44100Hz/2CH"},
         "16Bits/44100Hz/2CH"},
        {"a card of ten channels only, at listed rates, one buffer a channel",
         {{K::S32}, 10, 10, 32000, 96000, {32000, 44100, 48000, 96000}, K::S16, 0, false, false},
         {"32Bits/44100Hz/10CH", "32Bits/48000Hz/10CH", "32Bits/96000Hz/10CH"},
         "32Bits/48000Hz/10CH"},
        {"both 24-bit encodings: the packed one only; 24 bits stop at 96 kHz",
         {{K::S24_3, K::S24_4, K::S16}, 2, 8, 44100, 192000, {}, K::S24_3, 96000},
         {"16Bits/176400Hz/2CH", "16Bits/192000Hz/2CH", "16Bits/44100Hz/2CH", "16Bits/48000Hz/2CH",
          "16Bits/88200Hz/2CH", "16Bits/96000Hz/2CH", "24Bits/44100Hz/2CH", "24Bits/48000Hz/2CH",
          "24Bits/88200Hz/2CH", "24Bits/96000Hz/2CH"},
         "16Bits/48000Hz/2CH"},
        {"a converting device (any rate, any channels): float and 16-bit stereo at the table's rates",
         {{K::Float32, K::S32, K::S24_3, K::S16}, 1, 10000, 4000, 768000, {}, K::S16, 0, true},
         {"16Bits/128000Hz/2CH", "16Bits/176400Hz/2CH", "16Bits/192000Hz/2CH", "16Bits/44100Hz/2CH",
          "16Bits/48000Hz/2CH", "16Bits/64000Hz/2CH", "16Bits/88200Hz/2CH", "16Bits/96000Hz/2CH",
          "32Bits Float/128000Hz/2CH", "32Bits Float/176400Hz/2CH", "32Bits Float/192000Hz/2CH",
          "32Bits Float/44100Hz/2CH", "32Bits Float/48000Hz/2CH", "32Bits Float/64000Hz/2CH",
          "32Bits Float/88200Hz/2CH", "32Bits Float/96000Hz/2CH"},
         "16Bits/48000Hz/2CH"},
        {"mono only", {{K::S16}, 1, 1, 8000, 48000}, {}, nullptr},
        {"more channels than a device is described with", {{K::S32}, 64, 64, 44100, 48000}, {}, nullptr},
        {"no encoding the engine writes", {{}, 2, 2, 44100, 48000}, {}, nullptr},
    };

    ZbrAlert::SetTitleText("Tolva Editor");
    HfcSetMessageBoxHook([](const HfcMessageBoxRequest& r) {
        ADD_FAILURE() << "unexpected alert: " << r.text;
        return 1;
    });
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        AudioDeviceDescription d;
        d.id = d.name = "Card";
        const bool described = DescribePcm(CapabilitiesOf(c.hardware), &d);
        ASSERT_EQ(described, !c.labels.empty());
        if (!described) continue;
        EXPECT_EQ(d.anyRate, c.hardware.converting);
        for (const AudioStreamBasicDescription& f : d.formats)
            EXPECT_EQ((f.mFormatFlags & kAudioFormatFlagIsNonInterleaved) != 0, !c.hardware.interleaved);

        FakeAudioBackend backend(false);
        backend.AddDevice(d);
        FakeShell shell;
        FakeUnit unit;
        VintorAudioEngine engine(&backend, &shell);
        engine.SetUnit(&unit);
        engine.getAllDevices();
        Sim::TempConfigHome config;
        SettingsHost host;
        CSettingsModel model(&engine, nullptr, nullptr, &host, config.Path() + "/prefs");
        model.Populate();

        // The musician picks the device: its formats are listed and one is chosen.
        model.output.value = 2;
        model.ControlHit(kSigOutput, 0);
        std::vector<std::string> labels;
        for (const SettingsPopup::Item& item : model.format.items) labels.push_back(item.text);
        EXPECT_EQ(labels, c.labels);
        EXPECT_EQ(model.format.Text(), c.chosen);
        // Applied, it plays in that format.
        model.ControlHit(kSigSetup, 0);
        ASSERT_TRUE(engine.IsPlaying());
        const int at = engine.getAudioStreamIndexByAudioStreamBasicDescription(
            engine.getCurrentAudioDeviceID(), engine.getCurrentFormat());
        ASSERT_GE(at, 1);
        std::string playing;
        engine.GetDeviceFormatName(0, at - 1, &playing);
        EXPECT_EQ(playing, c.chosen);
        engine.finishAudio();
    }
    HfcSetMessageBoxHook(nullptr);
}
