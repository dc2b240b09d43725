// The standalone program's audio engine on real sound cards, the kernel's Dummy and Loopback: each
// opened by name, its rate, period and buffer negotiated, run, its buffer size changed while it
// runs (as the settings window applies it), and stopped; what it plays into the Loopback card is
// what a capture of the card's other side reads, sample for sample.
#include <alsa/asoundlib.h>
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cstdint>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "Hfc/Base/HfcMessageBox.h"
#include "Host/Audio/AudioEngine.h"

namespace {

constexpr int kRamp = 4001;  // the known signal: a ramp of kRamp steps, right = -left

// The hosted unit: renders the ramp, counting frames across blocks.
class RampUnit final : public IHostedUnit {
public:
    bool Initialize(double rate, uint32_t maxFrames) override {
        initRate = rate;
        initFrames = maxFrames;
        return true;
    }
    void Uninitialize() override {}
    int Render(float* left, float* right, uint32_t frames) override {
        for (uint32_t i = 0; i < frames; ++i) {
            const int v = static_cast<int>(m_frame++ % kRamp) - kRamp / 2;
            left[i] = static_cast<float>(v) / 32767.0f;
            right[i] = -left[i];
        }
        renders.fetch_add(1);
        return 0;
    }
    void MIDIEvent(uint8_t, uint8_t, uint8_t, uint32_t) override {}
    IVINTORPLUGIN_vintorvstinterface1* HandOver(IVINTORHOST_vintorvstinterface1*) override { return nullptr; }

    std::atomic<int> renders{0};
    double initRate = 0;
    uint32_t initFrames = 0;

private:
    uint64_t m_frame = 0;  // IO thread only
};

class Shell final : public IHostShell {
public:
    void DemandIdleTask(int) override {}
};

bool HaveCards() {
    return snd_card_get_index("Dummy") >= 0 && snd_card_get_index("Loopback") >= 0;
}

bool WaitRenders(const RampUnit& unit, int atLeast) {
    for (int i = 0; i < 5000 && unit.renders.load() < atLeast; ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    return unit.renders.load() >= atLeast;
}

class PcmEngine : public ::testing::Test {
protected:
    void SetUp() override {
        if (!HaveCards())
            GTEST_SKIP() << "no Dummy and Loopback sound cards here (modprobe snd-dummy snd-aloop)";
        ZbrAlert::SetTitleText("Tolva Editor");
        HfcSetMessageBoxHook([](const HfcMessageBoxRequest& r) {
            ADD_FAILURE() << "unexpected alert: " << r.text;
            return 1;
        });
        engine.SetUnit(&unit);
        engine.getAllDevices();
    }
    void TearDown() override {
        engine.finishAudio();
        engine.graphSetOutputDeviceToNone();
        HfcSetMessageBoxHook(nullptr);
    }

    // The device whose name ends with "(<id>)", or -1.
    int IndexOf(const std::string& id) {
        for (int i = 0; i < engine.GetDeviceCount(); ++i) {
            std::string name;
            engine.GetDeviceName(i, &name);
            const std::string tail = "(" + id + ")";
            if (name.size() > tail.size() && name.compare(name.size() - tail.size(), tail.size(), tail) == 0)
                return i;
        }
        return -1;
    }
    // Chooses the device's 16-bit integer format at 48 kHz with the exact buffer size, as the
    // settings window applies a choice: stop, open, start if it played.
    bool Choose(int index, uint32_t frames) {
        const bool wasPlaying = engine.IsPlaying();
        engine.stopGraph();
        const uint32_t id = engine.getAudioDeviceIDbyIndex(index);
        for (int f = 0; f < engine.GetDeviceFormatCount(index); ++f) {
            AudioStreamBasicDescription d;
            engine.GetDeviceFormat(index, f, &d);
            if (d.mSampleRate != 48000 || d.mBitsPerChannel != 16 ||
                (d.mFormatFlags & kAudioFormatFlagIsFloat))
                continue;
            bool failed = true, result = false;
            engine.graphSetOutputDeviceAndStream(id, engine.IsDeviceAnyRateAtIndex(index), d, frames, 0,
                                                 false, 0, false, &failed, &result);
            if (!result) return false;
            if (wasPlaying) engine.startGraph();
            return true;
        }
        ADD_FAILURE() << "no 16-bit 48 kHz format offered";
        return false;
    }

    RampUnit unit;
    Shell shell;
    std::unique_ptr<IAudioBackend> alsa = CreateAlsaAudioBackend();
    VintorAudioEngine engine{alsa.get(), &shell};
};

TEST_F(PcmEngine, OpensEachCardByNameRunsChangesItsBufferWhileRunningAndStops) {
    for (const char* id : {"hw:CARD=Dummy,DEV=0", "plughw:CARD=Dummy,DEV=0", "hw:CARD=Loopback,DEV=0",
                           "plughw:CARD=Loopback,DEV=0"}) {
        SCOPED_TRACE(id);
        const int index = IndexOf(id);
        ASSERT_GE(index, 0) << "not listed";
        ASSERT_TRUE(Choose(index, 256));
        EXPECT_EQ(engine.GetDeviceBufferFrameSize(), 256u);
        EXPECT_EQ(engine.getCurrentFormat().mSampleRate, 48000.0);
        engine.startGraph();
        ASSERT_TRUE(engine.IsPlaying());
        EXPECT_EQ(unit.initRate, 48000.0);
        EXPECT_EQ(unit.initFrames, 256u);
        ASSERT_TRUE(WaitRenders(unit, unit.renders.load() + 20)) << "the device does not run";

        ASSERT_TRUE(Choose(index, 1024));
        EXPECT_TRUE(engine.IsPlaying());
        EXPECT_EQ(engine.GetDeviceBufferFrameSize(), 1024u);
        EXPECT_EQ(unit.initFrames, 1024u);
        ASSERT_TRUE(WaitRenders(unit, unit.renders.load() + 10)) << "the device does not run again";

        EXPECT_TRUE(engine.stopGraph());
        EXPECT_FALSE(engine.IsPlaying());
        const int after = unit.renders.load();
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        EXPECT_EQ(unit.renders.load(), after) << "rendered after the stop";
    }
}

// Reads the Loopback card's capture side (device 1 mirrors device 0) into memory until stopped.
class LoopbackCapture {
public:
    bool Open(unsigned channels) {
        m_channels = channels;
        if (snd_pcm_open(&m_pcm, "hw:CARD=Loopback,DEV=1,SUBDEV=0", SND_PCM_STREAM_CAPTURE, 0) < 0)
            return false;
        // Started at once: a capture otherwise waits for a whole buffer before it starts.
        return snd_pcm_set_params(m_pcm, SND_PCM_FORMAT_S16_LE, SND_PCM_ACCESS_RW_INTERLEAVED, channels,
                                  48000, 0, 500000) == 0 &&
               snd_pcm_start(m_pcm) == 0;
    }
    void Start() {
        m_thread = std::thread([this] {
            std::vector<int16_t> block(1024 * m_channels);
            while (!m_stop.load()) {
                const snd_pcm_sframes_t n = snd_pcm_readi(m_pcm, block.data(), 1024);
                if (n < 0) {
                    ++overruns;
                    snd_pcm_recover(m_pcm, static_cast<int>(n), 1);
                    continue;
                }
                std::lock_guard<std::mutex> lock(m_lock);
                for (snd_pcm_sframes_t f = 0; f < n; ++f) {
                    left.push_back(block[static_cast<size_t>(f) * m_channels]);
                    right.push_back(block[static_cast<size_t>(f) * m_channels + 1]);
                }
            }
        });
    }
    void Stop() {
        m_stop.store(true);
        if (m_thread.joinable()) m_thread.join();
    }
    ~LoopbackCapture() {
        Stop();
        if (m_pcm) snd_pcm_close(m_pcm);
    }

    std::vector<int16_t> left, right;
    int overruns = 0;

private:
    snd_pcm_t* m_pcm = nullptr;
    unsigned m_channels = 2;
    std::atomic<bool> m_stop{false};
    std::thread m_thread;
    std::mutex m_lock;
};

// Lengths of the stretches where each frame is the ramp's next one on both channels.
std::vector<size_t> RampRuns(const std::vector<int16_t>& left, const std::vector<int16_t>& right) {
    std::vector<size_t> runs;
    size_t run = 0;
    for (size_t i = 1; i < left.size(); ++i) {
        const int expected = left[i - 1] == kRamp / 2 ? -kRamp / 2 : left[i - 1] + 1;
        const bool next = left[i] == expected && right[i] == -left[i] && right[i - 1] == -left[i - 1];
        if (next) {
            ++run;
        } else if (run) {
            runs.push_back(run + 1);
            run = 0;
        }
    }
    if (run) runs.push_back(run + 1);
    return runs;
}

TEST_F(PcmEngine, WhatItPlaysIntoTheLoopbackIsWhatTheOtherSideCaptures) {
    const int index = IndexOf("hw:CARD=Loopback,DEV=0");
    ASSERT_GE(index, 0);
    // Periods long enough that a busy machine keeps up: a gap would show as a break in the ramp.
    ASSERT_TRUE(Choose(index, 2048));
    LoopbackCapture capture;
    ASSERT_TRUE(capture.Open(engine.getCurrentFormat().mChannelsPerFrame));
    capture.Start();
    engine.startGraph();
    std::this_thread::sleep_for(std::chrono::milliseconds(1500));
    ASSERT_TRUE(Choose(index, 1024));  // while it plays
    std::this_thread::sleep_for(std::chrono::milliseconds(1500));
    EXPECT_TRUE(engine.stopGraph());
    // Long enough for the capture's periods (an eighth of a second) to bring in what followed.
    std::this_thread::sleep_for(std::chrono::milliseconds(600));
    capture.Stop();
    EXPECT_EQ(capture.overruns, 0);

    // Each run of the engine reached the other side whole after its fade-in: two long stretches of
    // the ramp, sample for sample (the first ends where the reopen dropped what was queued).
    std::vector<size_t> longRuns;
    for (size_t run : RampRuns(capture.left, capture.right))
        if (run >= 48000 / 2) longRuns.push_back(run);
    EXPECT_EQ(longRuns.size(), 2u) << "captured " << capture.left.size() << " frames";
    // After the stop the other side hears silence.
    ASSERT_GT(capture.left.size(), 4800u);
    for (size_t i = capture.left.size() - 4800; i < capture.left.size(); ++i)
        ASSERT_EQ(capture.left[i], 0) << i;
}

}  // namespace
