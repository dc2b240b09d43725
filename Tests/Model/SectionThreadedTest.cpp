// Sections written from the MIDI read thread (received changes, effect types, array elements) and
// the host's audio thread (control changes, knob writes that send) while the main thread reads,
// writes and runs the observers. Every byte of the image and every piece of section state is
// guarded by the owner's image lock; observers run on the main thread only.
#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "Common/Model/Tables/EffectTables.h"
#include "Support/SectionSet.h"

namespace QorX0 {
namespace {

class MainThreadOnlySink : public RecordingSink {
public:
    explicit MainThreadOnlySink(std::thread::id main) : m_main(main) {}
    void OnSectionReinitialized(ISection* s) override {
        Check();
        RecordingSink::OnSectionReinitialized(s);
    }
    void OnSectionParamPropsChanged(ISection* s, int pid) override {
        Check();
        RecordingSink::OnSectionParamPropsChanged(s, pid);
    }
    void OnSectionParamChanged(ISection* s, int pid) override {
        Check();
        RecordingSink::OnSectionParamChanged(s, pid);
        // Observers read back what changed, as the editor's layers do.
        s->GetParamS(pid);
    }
    std::atomic<int> offThread{0};

private:
    void Check() {
        if (std::this_thread::get_id() != m_main) ++offThread;
    }
    std::thread::id m_main;
};

TEST(SectionsThreaded, MidiAndAudioWritersAlongsideMainThreadReaders) {
    SectionSet s;
    s.host.SetMode(kModeProgEdit);
    MainThreadOnlySink sink(std::this_thread::get_id());
    std::vector<ISection*> watched = {&s.progEdit, s.progEdit.GetIFX(), &s.rtc, &s.kits, &s.global};
    for (ISection* sec : watched) sec->AdviseSink(&sink);

    constexpr int kRounds = 400;
    std::atomic<int> running{2};
    std::thread midi([&] {
        for (int i = 0; i < kRounds; ++i) {
            s.progEdit.OnRcvMIDIParam(0x1C00, 40 + i % 200);           // tempo
            s.progEdit.OnRcvMIDIParam(0x1E00, (i % 3) ? 50 : 8);       // insert effect type
            s.progEdit.OnRcvMIDIParam(0x1F00, i % 120);                // its first parameter
            s.kits.OnRcvMIDIGlobalArrayParam(0x0304, i % 40, i % 50);  // element of a kit
            s.multi.OnRcvMIDIParam(0x0302, i % 128);
        }
        --running;
    });
    std::thread audio([&] {
        for (int i = 0; i < kRounds; ++i) {
            s.rtc.OnRcvMIDICC(0xB0, 74, static_cast<unsigned char>(i % 128));
            s.rtc.PutParamIEx(CRTCSectionImpl::kPidCutoff + 1, i % 128, kPutSend);
            s.rtc.PutParamIEx(CRTCSectionImpl::kPidTempo, 60 + i % 100, kPutSend | kPutNotify);
        }
        --running;
    });
    int reads = 0;
    while (running > 0) {
        s.host.Pump();
        for (ISection* sec : watched) {
            PARAMDESC d;
            for (int idx = 0; idx < sec->GetParamCount(); idx += 7) {
                if (sec->GetParamDescByIndex(static_cast<unsigned>(idx), &d) && d.pid != kPidNone) {
                    sec->GetParamI(d.pid);
                    sec->GetParamS(d.pid);
                }
            }
            ++reads;
        }
        s.progEdit.PutParamI(0x020D, reads % 128);
        s.kits.Select(static_cast<unsigned>(reads % 40), 3);
        s.rtc.GetStat();
    }
    midi.join();
    audio.join();
    s.host.Pump();

    EXPECT_EQ(sink.offThread.load(), 0);
    EXPECT_FALSE(sink.events.empty());
    // The last received effect type is bound to the slot.
    const int type = s.progEdit.GetParamI(0x1E00);
    EXPECT_EQ(s.progEdit.GetIFX()->GetParamCount(),
              static_cast<int>(FxTable(static_cast<unsigned>(type)).count));
    for (ISection* sec : watched) sec->UnadviseSink(&sink);
}

TEST(SectionsThreaded, MultiTracksPatternsAndGlobalRowsAcrossThreads) {
    SectionSet s;
    s.host.SetMode(kModeMulti);
    MainThreadOnlySink sink(std::this_thread::get_id());
    ISection* track = s.multi.GetTrack()->GetAt(1);
    std::vector<ISection*> watched = {&s.multi, track, &s.patterns, &s.global, &s.rtc};
    for (ISection* sec : watched) sec->AdviseSink(&sink);

    constexpr int kRounds = 300;
    std::atomic<int> running{2};
    std::thread midi([&] {
        for (int i = 0; i < kRounds; ++i) {
            s.multi.OnRcvMIDIParam(0x0200, (i % 2) ? 3 : 700);  // track 1's program, user or preset
            s.multi.OnRcvMIDIParam(0x0200 + 40, i % 3);         // its BUS SELECT
            s.patterns.OnRcvMIDIGlobalArrayParam(CGArraySectionImpl::kPidArpSelect, 5, i % 2);
            s.patterns.OnRcvMIDIGlobalArrayParam(0x0003, 5 + i % 20, i % 2);
            s.global.OnRcvMIDIParam(0x7C00, i % 256);
            s.patterns.APATUpdateSel();
        }
        --running;
    });
    std::thread audio([&] {
        for (int i = 0; i < kRounds; ++i) {
            s.rtc.OnRcvMIDICC(static_cast<unsigned char>(0xB0 | (i % 4)), 10,
                              static_cast<unsigned char>(i % 128));
            s.rtc.PutParamIEx(CRTCSectionImpl::kPidCutoff + i % 8, i % 128, kPutSend | kPutNotify);
        }
        --running;
    });
    int round = 0;
    while (running > 0) {
        s.host.Pump();
        PARAMDESC d;
        track->GetParamDesc(0x0200 + 40, &d);
        track->GetParamI(0x0200 + 43);
        s.multi.PutParamI(CMultiSectionImpl::kPidCurTrack, round % 16);
        s.patterns.Select(static_cast<unsigned>(round % 256), 0);
        s.global.GetParamS(0x7C00);
        s.rtc.GetStat();
        ++round;
    }
    midi.join();
    audio.join();
    s.host.Pump();

    EXPECT_EQ(sink.offThread.load(), 0);
    EXPECT_FALSE(sink.events.empty());
    for (ISection* sec : watched) sec->UnadviseSink(&sink);
}

}  // namespace
}  // namespace QorX0
