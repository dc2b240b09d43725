// The audio engine on the fake device, stepped by the test with its own clock: the device and
// format lists, refusals, fades, channel mapping, the CPU watch and auto stop, notifications.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>

#include "Hfc/Base/HfcMessageBox.h"
#include "Host/Audio/AudioEngine.h"
#include "Host/Audio/FakeAudio.h"
#include "AllocationCounter.h"
#include "HostFakes.h"
#include "Linux/SysTick.h"

namespace {

uint64_t ReadClock(void* context) {
    return static_cast<std::atomic<uint64_t>*>(context)->load();
}

class EngineTest : public ::testing::Test {
public:
    void SetUp() override {
        ZbrAlert::SetTitleText("Tolva Editor");
        HfcSetMessageBoxHook([this](const HfcMessageBoxRequest& r) {
            alerts.push_back(r.text);
            return 1;
        });
        fake.SetSteppedClock(&clock);
        unit.clockNs = &clock;
        engine = std::make_unique<VintorAudioEngine>(&fake, &shell, ReadClock, &clock);
        engine->SetUnit(&unit);
        engine->SetRecoverFunction([](void* self) { ++static_cast<EngineTest*>(self)->recoveries; }, this);
        engine->getAllDevices();
    }
    void TearDown() override {
        engine.reset();
        HfcSetMessageBoxHook(nullptr);
    }
    int DeviceIndex(const std::string& name) {
        uint32_t id = 0;
        return engine->getAudioDeviceIndexByName(name, &id) - 2;
    }
    uint32_t DeviceID(const std::string& name) {
        uint32_t id = 0;
        engine->getAudioDeviceIndexByName(name, &id);
        return id;
    }
    // Chooses a format of a device by its label.
    bool Choose(const std::string& device, const std::string& label, uint32_t frames,
                uint32_t startChannel = 0, bool adopt = true) {
        const int index = DeviceIndex(device);
        for (int f = 0; f < engine->GetDeviceFormatCount(index); ++f) {
            std::string name;
            engine->GetDeviceFormatName(index, f, &name);
            if (name != label) continue;
            AudioStreamBasicDescription d;
            engine->GetDeviceFormat(index, f, &d);
            bool failed = true, result = false;
            engine->graphSetOutputDeviceAndStream(DeviceID(device), engine->IsDeviceAnyRateAtIndex(index), d,
                                                  frames, startChannel, false, 0, adopt, &failed, &result);
            return result && !failed;
        }
        ADD_FAILURE() << "no format " << label;
        return false;
    }
    std::vector<std::string> Labels(const std::string& device) {
        std::vector<std::string> out;
        const int index = DeviceIndex(device);
        for (int f = 0; f < engine->GetDeviceFormatCount(index); ++f) {
            std::string name;
            engine->GetDeviceFormatName(index, f, &name);
            out.push_back(name);
        }
        return out;
    }
    static float FloatAt(const std::vector<uint8_t>& b, size_t sample) {
        float v;
        std::memcpy(&v, b.data() + sample * 4, 4);
        return v;
    }

    std::atomic<uint64_t> clock{1000000000000ull};
    FakeAudioBackend fake;
    FakeShell shell;
    FakeUnit unit;
    std::unique_ptr<VintorAudioEngine> engine;
    std::vector<std::string> alerts;
    int recoveries = 0;
};

}  // namespace

TEST_F(EngineTest, DeviceAndFormatTables) {
    ASSERT_EQ(engine->GetDeviceCount(), 2);
    EXPECT_EQ(Labels("Fake Stereo"),
              (std::vector<std::string>{"16Bits/44100Hz/2CH", "16Bits/48000Hz/2CH", "24Bits/44100Hz/2CH",
                                        "24Bits/48000Hz/2CH", "32Bits Float/44100Hz/2CH",
                                        "32Bits Float/48000Hz/2CH"}));
    // An any-rate device from 44100 to 96000 offers five rates.
    EXPECT_EQ(Labels("Fake Surround"),
              (std::vector<std::string>{"32Bits Float/44100Hz/8CH", "32Bits Float/48000Hz/8CH",
                                        "32Bits Float/64000Hz/8CH", "32Bits Float/88200Hz/8CH",
                                        "32Bits Float/96000Hz/8CH"}));
    EXPECT_TRUE(engine->IsDeviceAnyRateAtIndex(DeviceIndex("Fake Surround")));
    EXPECT_EQ(engine->getAudioIndexByAudioDeviceID(DeviceID("Fake Surround")), 2);
    EXPECT_EQ(engine->getAudioDeviceIDbyIndex(5), 0u);
    EXPECT_EQ(engine->getAudioDeviceIndexByName("none", nullptr), 0);
    try {
        std::string name;
        engine->GetDeviceName(2, &name);
        FAIL();
    } catch (const ZbrException& e) {
        EXPECT_STREQ(e.what(),
                     "((0 <= inDeviceIndex) && (inDeviceIndex < (int)gAudioDeviceList.size())) is not");
    }
}

TEST_F(EngineTest, FormatsBelow44100AndMonoAreNotOffered) {
    FakeAudioBackend own(false);
    AudioDeviceDescription d;
    d.id = d.name = "Odd";
    d.formats = {MakeStreamDescription(SampleKind::S16, 32000, 2),
                 MakeStreamDescription(SampleKind::S16, 44100, 1),
                 MakeStreamDescription(SampleKind::S16, 48000, 2)};
    own.AddDevice(d);
    VintorAudioEngine e(&own, &shell);
    e.getAllDevices();
    ASSERT_EQ(e.GetDeviceCount(), 1);
    ASSERT_EQ(e.GetDeviceFormatCount(0), 1);
    std::string label;
    e.GetDeviceFormatName(0, 0, &label);
    EXPECT_EQ(label, "16Bits/48000Hz/2CH");
}

TEST_F(EngineTest, RendersThePluginIntoTheDevice) {
    ASSERT_TRUE(Choose("Fake Stereo", "32Bits Float/48000Hz/2CH", 256));
    engine->startGraph();
    EXPECT_EQ(unit.initCount, 1);
    EXPECT_EQ(unit.initRate, 48000);
    EXPECT_EQ(unit.initFrames, 256u);
    EXPECT_EQ(fake.Pump(20), 20);
    EXPECT_EQ(unit.renders.load(), 20);
    const auto periods = fake.Captured();
    const auto& last = periods.back().buffers[0];
    EXPECT_EQ(FloatAt(last, 0), 1.0f);   // left
    EXPECT_EQ(FloatAt(last, 1), -0.5f);  // right
    EXPECT_TRUE(engine->stopGraph());
    EXPECT_EQ(unit.uninitCount, 1);
}

TEST_F(EngineTest, IntegerFormatsAreConvertedAndClipped) {
    unit.leftValue = 2.0f;  // clipped
    unit.rightValue = -0.5f;
    ASSERT_TRUE(Choose("Fake Stereo", "16Bits/44100Hz/2CH", 64));
    engine->startGraph();
    fake.Pump(60);
    const auto b = fake.Captured().back().buffers[0];
    int16_t l, r;
    std::memcpy(&l, b.data(), 2);
    std::memcpy(&r, b.data() + 2, 2);
    EXPECT_EQ(l, 32767);
    EXPECT_EQ(r, -16384);
    engine->stopGraph();
    ASSERT_TRUE(Choose("Fake Stereo", "24Bits/44100Hz/2CH", 64));
    engine->startGraph();
    fake.Pump(60);
    const auto c = fake.Captured().back().buffers[0];
    EXPECT_EQ(c.size(), 64u * 6);
    EXPECT_EQ(c[3] | c[4] << 8 | c[5] << 16, 0xC00000);  // -0.5 in 24 bits
}

TEST_F(EngineTest, FadeInAndOutNumbers) {
    ASSERT_TRUE(Choose("Fake Stereo", "32Bits Float/44100Hz/2CH", 512));
    engine->startGraph();
    EXPECT_NEAR(engine->FadeStep(), 0.2322f, 0.0001f);
    fake.Pump(7);
    const auto periods = fake.Captured();
    // The first sample of each period shows that period's gain: 0, step, 2 step ... then full.
    const float step = 512.0f * 1000000.0f / 44100.0f / 50000.0f;
    for (int i = 0; i < 5; ++i) EXPECT_NEAR(FloatAt(periods[i].buffers[0], 0), i * step, 1e-5) << i;
    EXPECT_EQ(FloatAt(periods[5].buffers[0], 0), 1.0f) << "faded in over five buffers";
    // Stopping fades out from 1 and waits, bounded, for the silence (stepped: no period runs
    // meanwhile, so it waits its bound).
    const uint64_t before = MonotonicMicroseconds();
    EXPECT_TRUE(engine->stopGraph());
    EXPECT_LT(MonotonicMicroseconds() - before, 200000u);
    EXPECT_FALSE(engine->IsPlaying());
}

TEST_F(EngineTest, ChannelPairOfAMultiChannelDevice) {
    // Pair 3/4 (start channel 2) of the eight separate buffers.
    ASSERT_TRUE(Choose("Fake Surround", "32Bits Float/48000Hz/8CH", 64, 2));
    EXPECT_EQ(engine->FirstChannelBuffer(), 2);
    EXPECT_EQ(engine->SecondChannelBuffer(), 3);
    engine->startGraph();
    fake.Pump(60);
    const auto p = fake.Captured().back();
    ASSERT_EQ(p.buffers.size(), 8u);
    for (int ch = 0; ch < 8; ++ch) {
        const float want = ch == 2 ? 1.0f : ch == 3 ? -0.5f : 0.0f;
        EXPECT_EQ(FloatAt(p.buffers[static_cast<size_t>(ch)], 10), want) << ch;
    }
    engine->stopGraph();
    // Starting on the last channel: the second of the pair is beyond the device and gets nothing.
    ASSERT_TRUE(Choose("Fake Surround", "32Bits Float/48000Hz/8CH", 64, 7));
    EXPECT_EQ(engine->FirstChannelBuffer(), 7);
    EXPECT_EQ(engine->SecondChannelBuffer(), -1);
    engine->startGraph();
    fake.Pump(60);
    EXPECT_EQ(FloatAt(fake.Captured().back().buffers[7], 0), 1.0f);
    engine->stopGraph();
    // Beyond the device: silence.
    ASSERT_TRUE(Choose("Fake Surround", "32Bits Float/48000Hz/8CH", 64, 8));
    EXPECT_EQ(engine->FirstChannelBuffer(), -1);
    engine->startGraph();
    fake.Pump(60);
    const auto silent = fake.Captured().back();
    for (const auto& b : silent.buffers) EXPECT_EQ(FloatAt(b, 0), 0.0f);
}

// Every fault switch of the device and what the user is told.
TEST_F(EngineTest, DeviceRefusals) {
    struct Case {
        const char* what;
        void (*arm)(FakeAudioBackend&);
        uint32_t frames;
        bool adopt;
        std::string alert;  // empty: accepted
        uint32_t period;    // the period then in use
    };
    const Case cases[] = {
        {"buffer size refused after a slider move",
         [](FakeAudioBackend& f) { f.SetRefuseBufferSize("Fake Stereo", true); }, 256, false,
         "Cannot set buffer size to audio device.\n( 32 - 4096 )", 0},
        {"buffer size outside the range", [](FakeAudioBackend&) {}, 8192, false,
         "Cannot set buffer size to audio device.\n( 32 - 4096 )", 0},
        {"buffer size refused, the device's own is adopted",
         [](FakeAudioBackend& f) { f.SetRefuseBufferSize("Fake Stereo", true); }, 256, true, "", 512},
        {"format refused", [](FakeAudioBackend& f) { f.SetRefuseFormat("Fake Stereo", true); }, 256, true,
         "Cannot set format to audio device.", 0},
        {"device busy", [](FakeAudioBackend& f) { f.SetBusy("Fake Stereo", true); }, 256, true,
         "Cannot set settings to audio device.", 0},
    };
    for (const Case& c : cases) {
        FakeAudioBackend f;
        c.arm(f);
        VintorAudioEngine e(&f, &shell);
        int recovered = 0;
        e.SetRecoverFunction([](void* n) { ++*static_cast<int*>(n); }, &recovered);
        e.getAllDevices();
        alerts.clear();
        bool failed = false, result = true;
        e.graphSetOutputDeviceAndStream(1, false, MakeStreamDescription(SampleKind::Float32, 48000, 2),
                                        c.frames, 0, false, 0, c.adopt, &failed, &result);
        if (c.alert.empty()) {
            EXPECT_TRUE(result && !failed) << c.what;
            EXPECT_TRUE(alerts.empty()) << c.what;
            EXPECT_EQ(e.GetDeviceBufferFrameSize(), c.period) << c.what;
        } else {
            EXPECT_TRUE(failed && !result) << c.what;
            ASSERT_EQ(alerts.size(), 1u) << c.what;
            EXPECT_EQ(alerts[0], c.alert) << c.what;
            EXPECT_EQ(recovered, 1) << c.what;
            EXPECT_EQ(e.getCurrentAudioDeviceID(), 0u) << c.what << ": no half-chosen device";
            EXPECT_THROW(e.startGraph(), ZbrException) << c.what;
        }
    }
}

TEST_F(EngineTest, RecoveryRunsOnceWhenItFailsToo) {
    fake.SetBusy("Fake Stereo", true);
    struct Ctx {
        EngineTest* t;
        int calls = 0;
    } ctx{this};
    engine->SetRecoverFunction(
        [](void* p) {
            auto* c = static_cast<Ctx*>(p);
            ++c->calls;
            // The settings window applies the saved settings again, which fail as well.
            bool failed = false, result = false;
            c->t->engine->graphSetOutputDeviceAndStream(1, false,
                                                        MakeStreamDescription(SampleKind::Float32, 48000, 2),
                                                        256, 0, false, 0, true, &failed, &result);
        },
        &ctx);
    bool failed = false, result = true;
    engine->graphSetOutputDeviceAndStream(1, false, MakeStreamDescription(SampleKind::Float32, 48000, 2), 256,
                                          0, false, 0, true, &failed, &result);
    EXPECT_EQ(ctx.calls, 1);
    EXPECT_TRUE(failed);
    EXPECT_EQ(alerts.size(), 2u);
}

TEST_F(EngineTest, CpuLoadOfAKnownSlowRender) {
    ASSERT_TRUE(Choose("Fake Stereo", "32Bits Float/48000Hz/2CH", 480));  // 100 callbacks a second
    EXPECT_EQ(engine->CpuLoad().WindowSize(), 3u);
    unit.renderCostNs = 4000000;  // 4 ms of a 10 ms period
    engine->startGraph();
    float load = -1;
    fake.Pump(2);
    EXPECT_FALSE(engine->CpuLoad().GetCPULoad(&load)) << "not a whole window yet";
    EXPECT_EQ(load, 0.0f);
    fake.Pump(1);
    ASSERT_TRUE(engine->CpuLoad().GetCPULoad(&load));
    EXPECT_NEAR(load, 0.4f, 1e-4);
    bool running = false;
    double percent = 0;
    // The host interface reports it in percent (through the MIDI manager; here the watch itself).
    running = engine->CpuLoad().GetIsProcessing();
    percent = load * 100.0;
    EXPECT_TRUE(running);
    EXPECT_NEAR(percent, 40.0, 0.01);
}

TEST_F(EngineTest, AutoStopOnlyAfterOneSecondAboveTheLimit) {
    ASSERT_TRUE(Choose("Fake Stereo", "32Bits Float/48000Hz/2CH", 480));
    engine->CpuLoad().SetAutoStop(true, 70);
    unit.renderCostNs = 8000000;  // 80 %
    engine->startGraph();
    // Half a second of periods (each 10 ms of device time plus the render's 8 ms of clock).
    fake.Pump(20);
    engine->CpuTimerTick();
    EXPECT_TRUE(engine->IsPlaying()) << "no auto stop within the first second";
    EXPECT_TRUE(alerts.empty());
    fake.Pump(40);
    engine->CpuTimerTick();
    EXPECT_FALSE(engine->IsPlaying());
    EXPECT_EQ(shell.autoStopped.load(), 1);
    ASSERT_EQ(alerts.size(), 1u);
    EXPECT_EQ(alerts[0], "Device was auto stoped.");
}

TEST_F(EngineTest, LoadBelowTheLimitKeepsPlaying) {
    ASSERT_TRUE(Choose("Fake Stereo", "32Bits Float/48000Hz/2CH", 480));
    engine->CpuLoad().SetAutoStop(true, 70);
    unit.renderCostNs = 6000000;  // 60 %
    engine->startGraph();
    fake.Pump(150);
    engine->CpuTimerTick();
    EXPECT_TRUE(engine->IsPlaying());
    engine->CpuLoad().SetAutoStop(false, 10);
    engine->CpuTimerTick();
    EXPECT_TRUE(engine->IsPlaying()) << "auto stop off";
}

TEST_F(EngineTest, NotificationsDemandTheirIdleTasks) {
    ASSERT_TRUE(Choose("Fake Surround", "32Bits Float/48000Hz/8CH", 256));
    engine->startGraph();
    shell.Take();
    fake.ChangeClockSource(2);
    EXPECT_EQ(shell.Take(), std::vector<int>{8});
    EXPECT_EQ(engine->Device_GetCurrentClockSourceID(), 2u);
    // A format change only demands task 9; the task takes the new format over on the main thread.
    fake.ChangeFormat(MakeStreamDescription(SampleKind::Float32, 96000, 8, true));
    EXPECT_EQ(shell.Take(), std::vector<int>{9});
    EXPECT_EQ(engine->getCurrentFormat().mSampleRate, 48000);
    engine->DeviceFormatChangedTask();
    EXPECT_EQ(engine->getCurrentFormat().mSampleRate, 96000);
    EXPECT_TRUE(engine->IsPlaying()) << "restarted";
    fake.ChangePeriod(1024);
    EXPECT_EQ(shell.Take(), std::vector<int>{9});
    engine->DeviceFormatChangedTask();
    EXPECT_EQ(engine->GetDeviceBufferFrameSize(), 1024u);
    EXPECT_EQ(fake.Pump(3), 3);
    // The device vanishes: it plays no more and the device list is to be read again.
    fake.Vanish("Fake Surround");
    EXPECT_EQ(shell.Take(), std::vector<int>{6});
    EXPECT_EQ(fake.Pump(3), 0);
    engine->getAllDevices();
    EXPECT_EQ(engine->GetDeviceCount(), 1);
    EXPECT_EQ(engine->getCurrentAudioDeviceID(), 0u);
}

// The render path allocates nothing.
TEST_F(EngineTest, RenderPathAllocatesNothing) {
    if (!AllocationCounter::Works()) GTEST_SKIP() << "allocations are counted in the normal build";
    ASSERT_TRUE(Choose("Fake Surround", "32Bits Float/48000Hz/8CH", 256, 2));
    engine->startGraph();
    std::vector<std::vector<float>> buffers(8, std::vector<float>(256));
    void* pointers[8];
    for (int i = 0; i < 8; ++i) pointers[i] = buffers[static_cast<size_t>(i)].data();
    AllocationCounter counter;
    for (int i = 0; i < 1000; ++i) engine->Process(pointers, 8, 256);
    EXPECT_EQ(counter.Count(), 0);
}
