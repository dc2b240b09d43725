// Three threads at once: dumps and changes arriving on the MIDI read thread, the main thread reading
// sections and bank lists, and a host's audio thread sending real-time MIDI.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cstring>
#include <thread>

#include "Linux/SysTick.h"
#include "Support/SynthHarness.h"

namespace {

using namespace QorX0;
using namespace SynthTest;

class SynthThreaded : public SynthFixture, public ::testing::WithParamInterface<unsigned char> {};

TEST_P(SynthThreaded, DumpsOnTheReadThreadWhileTheMainThreadReadsAndTheAudioThreadSends) {
    const unsigned char pmid = GetParam();
    Make(pmid);
    struct RT : IRTMIDISink {
        std::atomic<int> heard{0};
        void OnRTMIDIIn(long long, const void*, unsigned) override { ++heard; }
    } rt;
    synth->SetRTMIDISink(&rt);

    std::atomic<bool> stop{false};
    std::atomic<int> sentOk{0};
    std::thread audio([&] {
        uint8_t n = 0;
        while (!stop.load()) {
            const long long now = static_cast<long long>(::GetSysTick()) * 1000;
            const uint8_t on[3] = {0x90, static_cast<uint8_t>(36 + n % 24), 100};
            const uint8_t off[3] = {0x80, static_cast<uint8_t>(36 + n % 24), 0};
            const uint8_t cc[3] = {0xB0, 74, static_cast<uint8_t>(n & 0x7F)};
            sentOk += synth->RTMIDIOut(now, on, 3) ? 1 : 0;
            sentOk += synth->RTMIDIOut(now, cc, 3) ? 1 : 0;
            sentOk += synth->RTMIDIOut(now + 1000, off, 3) ? 1 : 0;
            ++n;
            std::this_thread::sleep_for(std::chrono::microseconds(300));
        }
    });
    // The instrument's front panel: dumps of several kinds, parameter and control changes.
    std::thread panel([&] {
        int i = 0;
        while (!stop.load()) {
            sim->With([&](Sim::SimCore& c) {
                switch (i % 6) {
                    case 0:
                        c.PanelSendDump({Sim::DumpKind::CurProgram, -1, -1});
                        break;
                    case 1:
                        c.PanelSendDump({Sim::DumpKind::Program, 1, i % 128});
                        break;
                    case 2:
                        c.PanelSendDump({Sim::DumpKind::Global, -1, -1});
                        break;
                    case 3:
                        c.PanelSendDump({Sim::DumpKind::DrumKit, -1, i % 40});
                        break;
                    case 4:
                        c.PanelControlChange(74, i & 0x7F);
                        break;
                    default:
                        c.PanelSendDump({Sim::DumpKind::Combination, 0, i % 128});
                        break;
                }
            });
            ++i;
            sim->WaitIdle();
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
        }
    });

    // The main thread reads what the screen would read, and serves the events.
    ISoundSection* prog = synth->GetEditBuffer(2);
    ISection* global = synth->GetGlobal();
    IBankList* banks = synth->GetAllSounds(2);
    IHostProxy* host = dynamic_cast<IHostProxy*>(synth.get());
    ASSERT_TRUE(host);
    int reads = 0;
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(1200);
    while (std::chrono::steady_clock::now() < end) {
        for (int k = 0; k < prog->GetParamCount(); k += 7) prog->GetParamI(prog->GetParamIDByIndex(k));
        global->GetParamS(global->GetParamIDByIndex(3));
        {
            // A bank's sounds read the image as it stands: the reader holds the image lock.
            CHfcCriticalSection& imageLock = host->GetImageLock();
            imageLock.Lock();
            banks->GetAt(1)->GetAt(static_cast<unsigned>(reads % 128))->GetName();
            imageLock.Unlock();
        }
        uint8_t buf[kSizeProgram];
        prog->RawGet(buf, 0, kSizeProgram);
        synth->GetCurSound();
        synth->GetMode();
        synth->GetRealtimeControl()->GetParamI(0x8001);
        ++reads;
        loop.RunPending();
    }
    stop.store(true);
    panel.join();
    audio.join();
    synth->SetRTMIDISink(nullptr);
    Settle();

    EXPECT_GT(reads, 10);
    EXPECT_GT(sentOk.load(), 0);
    EXPECT_GT(rt.heard.load(), 0);
    // What the instrument sent last is what the editor holds.
    auto im = Image();
    EXPECT_TRUE(sim->With([&](Sim::SimCore& c) {
        return std::memcmp(c.Image().Record(Sim::Area::CurProgram, 0), im->curprogram, kSizeProgram) == 0 &&
               std::memcmp(c.Image().Record(Sim::Area::Global, 0), im->global, kSizeGlobal) == 0;
    }));
}

INSTANTIATE_TEST_SUITE_P(Models, SynthThreaded, ::testing::Values(kPmidTolva, kPmidNerimo));

}  // namespace
