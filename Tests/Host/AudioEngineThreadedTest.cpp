// The engine with real IO threads: the fake device paced in real time, and ALSA's "null" device,
// which runs the whole ALSA path without a sound card.
#include <gtest/gtest.h>

#include <cstring>

#include <chrono>
#include <thread>
#include <tuple>

#include "Hfc/Base/HfcMessageBox.h"
#include "Host/Audio/AudioEngine.h"
#include "Host/Audio/FakeAudio.h"
#include "HostFakes.h"
#include "Linux/SysTick.h"

namespace {

bool WaitFor(const std::function<bool()>& done, unsigned ms) {
    const uint64_t until = MonotonicMicroseconds() + ms * 1000ull;
    while (!done()) {
        if (MonotonicMicroseconds() > until) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return true;
}

bool ChooseFirst(VintorAudioEngine& e, const std::string& device, const std::string& label, uint32_t frames) {
    uint32_t id = 0;
    const int index = e.getAudioDeviceIndexByName(device, &id) - 2;
    if (index < 0) return false;
    for (int f = 0; f < e.GetDeviceFormatCount(index); ++f) {
        std::string name;
        e.GetDeviceFormatName(index, f, &name);
        if (name != label) continue;
        AudioStreamBasicDescription d;
        e.GetDeviceFormat(index, f, &d);
        bool failed = true, result = false;
        e.graphSetOutputDeviceAndStream(id, e.IsDeviceAnyRateAtIndex(index), d, frames, 0, false, 0, true,
                                        &failed, &result);
        return result;
    }
    return false;
}

struct Alerts {
    Alerts() {
        ZbrAlert::SetTitleText("Tolva Editor");
        HfcSetMessageBoxHook([](const HfcMessageBoxRequest&) { return 1; });
    }
    ~Alerts() { HfcSetMessageBoxHook(nullptr); }
};

// The engine on a fake device paced in real time.
struct PacedRig {
    PacedRig() {
        fake.SetPaced(true);
        engine.SetUnit(&unit);
        engine.getAllDevices();
    }
    std::tuple<FakeAudioBackend&, FakeUnit&, VintorAudioEngine&> Parts() { return {fake, unit, engine}; }
    Alerts alerts;
    FakeAudioBackend fake;
    FakeShell shell;
    FakeUnit unit;
    VintorAudioEngine engine{&fake, &shell};
};

}  // namespace

TEST(AudioEngineThreaded, PacedFakeDeviceStartStopReconfigure) {
    PacedRig rig;
    auto [fake, unit, engine] = rig.Parts();
    const char* labels[] = {"32Bits Float/48000Hz/2CH", "16Bits/44100Hz/2CH"};
    for (int round = 0; round < 6; ++round) {
        ASSERT_TRUE(ChooseFirst(engine, "Fake Stereo", labels[round % 2], 64));
        engine.startGraph();
        const int before = unit.renders.load();
        ASSERT_TRUE(WaitFor([&] { return unit.renders.load() >= before + 5; }, 2000)) << round;
        // A reconfiguration from outside while playing, taken over on this (the main) thread.
        fake.ChangePeriod(round % 2 ? 128 : 96);
        engine.DeviceFormatChangedTask();
        ASSERT_TRUE(WaitFor([&] { return unit.renders.load() >= before + 10; }, 2000)) << round;
        float load = 0;
        engine.CpuLoad().GetCPULoad(&load);
        EXPECT_TRUE(engine.stopGraph());
    }
    engine.graphSetOutputDeviceToNone();
}

TEST(AudioEngineThreaded, StopPlaysTheFadeOutToSilenceBeforeTheDeviceStops) {
    PacedRig rig;
    auto [fake, unit, engine] = rig.Parts();
    // Periods of 46 ms: the fade out takes two, longer than the 50 ms a stop once waited.
    ASSERT_TRUE(ChooseFirst(engine, "Fake Stereo", "32Bits Float/44100Hz/2CH", 2048));
    engine.startGraph();
    ASSERT_TRUE(WaitFor([&] { return unit.renders.load() >= 3; }, 3000));
    EXPECT_TRUE(engine.stopGraph());
    const auto periods = fake.Captured();
    ASSERT_GE(periods.size(), 3u);
    const auto sample = [](const FakeAudioBackend::Period& p, size_t frame) {
        float v = 0;
        std::memcpy(&v, p.buffers[0].data() + frame * 2 * sizeof(float), sizeof v);
        return v;
    };
    // The last period the device got is silence, the one before it the fade's last step down.
    const auto& last = periods[periods.size() - 1];
    const auto& before = periods[periods.size() - 2];
    for (size_t frame = 0; frame < 2048; ++frame) ASSERT_EQ(sample(last, frame), 0.0f) << frame;
    EXPECT_GT(sample(before, 0), 0.0f);
    EXPECT_LT(sample(before, 0), 1.0f);
}

TEST(AudioEngineThreaded, PacedFakeDeviceAutoStops) {
    PacedRig rig;
    auto [fake, unit, engine] = rig.Parts();
    ASSERT_TRUE(ChooseFirst(engine, "Fake Stereo", "32Bits Float/48000Hz/2CH", 4096));
    // Limit 0: any measured load is over it; the stop still waits for the first second.
    engine.CpuLoad().SetAutoStop(true, 0);
    engine.startGraph();
    engine.CpuTimerTick();
    EXPECT_TRUE(engine.IsPlaying());
    ASSERT_TRUE(WaitFor(
        [&] {
            engine.CpuTimerTick();
            return !engine.IsPlaying();
        },
        3000));
    EXPECT_GE(MonotonicMicroseconds() - engine.GetDeviceStartTime(), 1000000u);
    EXPECT_EQ(rig.shell.autoStopped.load(), 1);
}

TEST(AudioEngineThreaded, AlsaNullDeviceRendersThePlugin) {
    Alerts alerts;
    auto alsa = CreateAlsaAudioBackend({"null"});
    FakeShell shell;
    FakeUnit unit;
    VintorAudioEngine engine(alsa.get(), &shell);
    engine.SetUnit(&unit);
    engine.getAllDevices();
    uint32_t id = 0;
    ASSERT_GE(engine.getAudioDeviceIndexByName("null", &id), 2) << "alsa-lib's null PCM is missing";
    ASSERT_TRUE(ChooseFirst(engine, "null", "32Bits Float/48000Hz/2CH", 256));
    EXPECT_EQ(engine.GetDeviceBufferFrameSize(), 256u);
    engine.startGraph();
    // The null device takes periods as fast as they come: a bounded number is enough.
    ASSERT_TRUE(WaitFor([&] { return unit.renders.load() >= 50; }, 5000));
    EXPECT_TRUE(engine.stopGraph());
    EXPECT_EQ(unit.initFrames, 256u);
    EXPECT_EQ(unit.uninitCount, 1);
    // A second run on the same device.
    engine.startGraph();
    const int before = unit.renders.load();
    ASSERT_TRUE(WaitFor([&] { return unit.renders.load() >= before + 50; }, 5000));
    engine.stopGraph();
}
