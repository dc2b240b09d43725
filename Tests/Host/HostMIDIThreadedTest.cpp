// The MIDI manager with every thread at work at once: the read thread with notes and clock, an
// audio thread running render cycles, the main thread changing slots and the clock source and
// sending LEDs, another thread queueing requests through the host interface.
#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "Host/HostMIDIManager.h"
#include "HostFakes.h"
#include "Linux/MidiIO/Loopback/LoopbackBackend.h"
#include "Support/SimController.h"

TEST(HostMIDIThreaded, ClockNotesAndSlotChanges) {
    CMidiLoopback loop;
    FakeShell shell;
    FakeUnit unit;
    FakePluginObject plugin;
    unit.plugin = &plugin;
    const uint32_t keys = loop.AddSource("Keys", "Out");
    const uint32_t clock = loop.AddSource("Drum Machine", "Clock");
    SimController controller(loop, "Pad Unit", 0);
    VintorHostMIDIManager manager(&loop, &unit, &shell);
    manager.RebuildDataList(MIDIEndpointList(&loop));
    manager.SetSampleRateAndBufferFrameSize(48000, 64);

    std::atomic<bool> stop{false};
    std::thread audio([&] {
        uint64_t t = 1;
        while (!stop.load()) {
            manager.InProcess(t += 1333333);
            (void)manager.GetTempo();
            std::this_thread::yield();
        }
    });
    std::thread editor([&] {
        const int src = static_cast<int>(controller.Exclusive());
        while (!stop.load()) {
            manager.SetLed_vintorvstinterface1(src, 3, 2, 1);
            manager.SetLcd_vintorvstinterface1(src, 1, 1, reinterpret_cast<const unsigned char*>("abcdefgh"));
            bool running;
            double load;
            manager.GetCpuCost_vintorvstinterface1(&running, &load, nullptr, nullptr, nullptr);
            std::this_thread::sleep_for(std::chrono::microseconds(200));
        }
    });
    const uint8_t note[] = {0x90, 0x40, 0x40, 0x80, 0x40, 0x00};
    const uint8_t tick = 0xF8;
    for (int round = 0; round < 20; ++round) {
        for (int i = 0; i < 20; ++i) {
            loop.Inject(keys, note, sizeof note, 50);
            loop.Inject(clock, &tick, 1, 50);
            controller.SendEvent(3, 1, 2);
        }
        manager.SetSource(round % 3, round % 2 ? keys : 0, false);
        manager.SetClockSyncSource(round % 2 ? clock : 0);
        if (round == 5) manager.SetSource(2, controller.Exclusive(), true);
        if (round == 15) manager.SetSource(2, 0, false);
        manager.Idle();
    }
    ASSERT_TRUE(loop.WaitIdle(5000));
    stop.store(true);
    audio.join();
    editor.join();
    manager.Idle();
    EXPECT_FALSE(unit.TakeEvents().empty());
}
