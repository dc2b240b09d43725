// The plug-in's threads at once: the host's audio thread, the main thread, the instrument's read
// thread and a host thread automating parameters.
#include <atomic>

#include "PluginFixture.h"

using PluginThreaded = PluginTest;

TEST_F(PluginThreaded, AudioMainReadAndAutomationThreadsTogether) {
    AEffect* a = Open();
    ASSERT_NE(a, nullptr);
    QorVst* vst = Vst(a);
    Pump();
    std::atomic<bool> stop{false};
    std::thread audio([&] {
        for (int block = 0; block < 300; ++block)
            Block(a, {Midi(0, 0x90, 60, 100), Midi(10, 0x80, 60, 0), Midi(20, 0xC0, block & 0x7F)});
        stop = true;
    });
    std::thread read([&] {
        const unsigned char note[3] = {0x90, 64, 1};
        while (!stop) vst->OnRTMIDIIn(0, note, 3);
    });
    std::thread automation([&] {
        for (int i = 0; !stop; ++i) a->setParameter(a, i % 12, (i % 100) / 100.0f);
    });
    while (!stop) {
        vst->MidiInFromGUI(0x91, 62, 90);
        Pump();
        std::this_thread::yield();
    }
    audio.join();
    read.join();
    automation.join();
    Pump();
    Block(a, {});
    EXPECT_GT(Synth(a)->changes.size(), 0u);
    EXPECT_EQ(vst->GetNoteInfo(60, 1u), 0);
}
