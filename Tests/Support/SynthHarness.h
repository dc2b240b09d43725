#pragma once
// The remote synthesizer against the simulated instrument on the loopback backend: a temporary
// preferences folder, a run loop on the test thread (the synthesizer's main thread), the headless
// progress dialog, and an observer that writes down every event it hears.
#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "Common/Link/RemoteSynthImpl.h"
#include "Hfc/Base/HfcMessageBox.h"
#include "Linux/AsyncProgressHeadless.h"
#include "Linux/MidiIO/Loopback/LoopbackBackend.h"
#include "Linux/MidiIO/MidiIO.h"
#include "Linux/RunLoop.h"
#include "Support/SimLoopback.h"
#include "Support/TempConfigHome.h"

namespace SynthTest {

using QorX0::IRemoteSynth;
using QorX0::SOUNDINDEX;

// Writes down what the synthesizer tells its observers, in order (main thread only):
// "conn c o", "ext e v s", "vol n", "mode m", "cur b:n", "bank k b:n", "aud 0|1", "midi xx xx xx".
class EventLog : public QorX0::IRemoteSynthSink, public QorX0::IRemoteSynthMIDISink {
public:
    std::vector<std::string> events;

    void Clear() { events.clear(); }
    bool Has(const std::string& e) const {
        for (const std::string& x : events)
            if (x == e) return true;
        return false;
    }
    int Count(const std::string& e) const {
        int n = 0;
        for (const std::string& x : events) n += x == e;
        return n;
    }
    std::string Joined() const {
        std::string s;
        for (const std::string& e : events) s += (s.empty() ? "" : ", ") + e;
        return s;
    }

    void OnRemoteSynthConnectionStateChanged(IRemoteSynth*, bool connected, bool online) override {
        Add("conn %d %d", connected, online);
    }
    void OnRemoteSynthExtCtlStateChanged(IRemoteSynth*, const QorX0::EXTCTLSTATE& s) override {
        Add("ext %d %d %d", s.enabled, s.value, s.state);
    }
    void OnRemoteSynthMasterVolumeChanged(IRemoteSynth*, unsigned volume) override { Add("vol %u", volume); }
    void OnRemoteSynthModeChanged(IRemoteSynth*, int mode) override { Add("mode %d", mode); }
    void OnRemoteSynthCurSoundChanged(IRemoteSynth*, const SOUNDINDEX& s) override {
        Add("cur %d:%d", s.bank, s.number);
    }
    void OnRemoteSynthBankListChanged(IRemoteSynth*, int kind, const SOUNDINDEX& s) override {
        Add("bank %d %d:%d", kind, s.bank, s.number);
    }
    void OnRemoteSynthAuditionStateChanged(IRemoteSynth*, bool running) override { Add("aud %d", running); }
    void OnRemoteSynthMIDIIn(IRemoteSynth*, const void* data, unsigned length) override {
        std::string s = "midi";
        char b[8];
        for (unsigned i = 0; i < length; ++i) {
            std::snprintf(b, sizeof b, " %02x", static_cast<const uint8_t*>(data)[i]);
            s += b;
        }
        events.push_back(s);
    }

private:
    template <class... A>
    void Add(const char* f, A... a) {
        char b[64];
        std::snprintf(b, sizeof b, f, a...);
        events.push_back(b);
    }
};

inline Sim::Model SimModel(unsigned char pmid) {
    return pmid == QorX0::kPmidTolva ? Sim::Model::Tolva : Sim::Model::Nerimo;
}

class SynthFixture : public ::testing::Test {
protected:
    void SetUp() override {
        MidiBackendSet(&loopback);
        // No question is expected unless a test answers it itself.
        HfcSetMessageBoxHook([this](const HfcMessageBoxRequest& r) {
            ADD_FAILURE() << "unexpected message box: " << r.caption << " / " << r.text;
            ++unexpectedBoxes;
            return static_cast<int>(HFC_MB_RESULT_CANCEL);
        });
    }
    void TearDown() override {
        if (synth) synth->UnadviseSink(&log);
        synth.reset();
        port.reset();
        sim.reset();
        MidiBackendSet(nullptr);
        HfcSetMessageBoxHook(nullptr);
    }

    // A simulated instrument with deterministic memory that differs from the initial image, and the
    // synthesizer with its ports saved; connected unless told otherwise.
    void Make(unsigned char pmid, bool connect = true, bool synchronise = false) {
        sim = std::make_unique<Sim::SimInstrument>(SimModel(pmid), 0);
        port = std::make_unique<Sim::SimLoopbackPort>(loopback, *sim);
        sim->With([](Sim::SimCore& c) { c.Image().FillFactory(7); });
        synth.reset(QorX0::RemoteSynthCreate(pmid));
        ASSERT_TRUE(synth);
        impl = static_cast<QorX0::CRemoteSynthImpl*>(synth.get());
        synth->AdviseSink(&log);
        synth->AdviseMIDISink(&log);
        synth->SetMIDIInPortName(port->KeyName().c_str());
        synth->SetMIDIOutPortName(port->KeyName().c_str());
        if (connect) {
            ASSERT_TRUE(synth->Connect(false, synchronise));
            ASSERT_TRUE(impl->IsConnected());
            // The first poll's answer arrives as an event; what it tells is in before the test goes on.
            ASSERT_TRUE(PumpUntil([this] { return !impl->PollWaiting(); }));
        }
    }

    // Runs the main thread's loop until cond holds or ms pass; returns cond().
    template <class F>
    bool PumpUntil(F cond, uint32_t ms = 5000) {
        return loop.RunUntil(cond, ms);
    }
    // Runs the loop for a while (events queued by the read thread arrive).
    void Pump(uint32_t ms = 50) {
        loop.RunUntil([] { return false; }, ms);
    }
    // Lets everything the instrument has to send arrive and be handled.
    void Settle() {
        sim->WaitIdle();
        Pump(80);
    }

    // A copy of the editor's image.
    std::unique_ptr<QorX0::CHUNK_REMOTESYNTH> Image() {
        auto im = std::make_unique<QorX0::CHUNK_REMOTESYNTH>();
        impl->CopyImage(im.get());
        return im;
    }
    std::vector<Sim::ImageDiff> Diffs(bool withState = true) {
        auto im = Image();
        return sim->With(
            [&](Sim::SimCore& c) { return c.CompareWithEditor(im->Bytes(), sizeof *im, withState); });
    }

    Sim::TempConfigHome config;
    RunLoop loop;
    CAsyncProgressHeadless headless;
    CMidiLoopback loopback;
    std::unique_ptr<Sim::SimInstrument> sim;
    std::unique_ptr<Sim::SimLoopbackPort> port;
    EventLog log;
    std::unique_ptr<IRemoteSynth> synth;
    QorX0::CRemoteSynthImpl* impl = nullptr;
    int unexpectedBoxes = 0;
};

}  // namespace SynthTest
