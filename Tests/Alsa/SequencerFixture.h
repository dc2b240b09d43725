#pragma once
// The remote synthesizer against the simulated instrument as a client of its own on the kernel's
// sequencer (the real ALSA backend): what a musician's machine shows when the instrument's USB port
// is plugged in. Skipped, saying so, where no sequencer exists; the real-ALSA stage fails on a skip.
#include <gtest/gtest.h>
#include <unistd.h>

#include <memory>
#include <string>
#include <vector>

#include "Linux/MidiIO/Alsa/AlsaBackend.h"
#include "Support/SimAlsaClient.h"
#include "Support/SynthHarness.h"

namespace AlsaTest {

inline bool HaveSequencer() {
    return access("/dev/snd/seq", R_OK | W_OK) == 0;
}
constexpr const char* kNoSequencer = "no ALSA sequencer here (/dev/snd/seq is missing or not accessible)";

class SequencerSynthFixture : public SynthTest::SynthFixture {
protected:
    void SetUp() override {
        if (!HaveSequencer()) GTEST_SKIP() << kNoSequencer;
        SynthFixture::SetUp();
        MidiBackendSet(nullptr);              // the kernel's sequencer
        AlsaMidiListOwnProcessClients(true);  // the instrument's client lives in this process
    }
    void TearDown() override {
        if (synth) synth->UnadviseSink(&log);
        synth.reset();
        client.reset();
        SynthFixture::TearDown();
    }

    // The instrument switched on: its memory deterministic and unlike the initial image.
    void SwitchOn(unsigned char pmid) {
        if (!sim) {
            sim = std::make_unique<Sim::SimInstrument>(SynthTest::SimModel(pmid), 0);
            sim->With([](Sim::SimCore& c) { c.Image().FillFactory(7); });
        }
        client = std::make_unique<Sim::SimAlsaClient>(*sim);
        ASSERT_TRUE(client->Ok()) << client->Error();
    }
    // The synthesizer, with the instrument's port saved or with no saved port.
    void MakeSynth(unsigned char pmid, bool saved) { MakeSynth(pmid, saved ? client->KeyName() : "", ""); }
    // The synthesizer with these port names saved (the output's the input's when empty).
    void MakeSynth(unsigned char pmid, const std::string& savedIn, const std::string& savedOut) {
        synth.reset(QorX0::RemoteSynthCreate(pmid));
        ASSERT_TRUE(synth);
        impl = static_cast<QorX0::CRemoteSynthImpl*>(synth.get());
        synth->AdviseSink(&log);
        synth->AdviseMIDISink(&log);
        synth->SetMIDIInPortName(savedIn.c_str());
        synth->SetMIDIOutPortName((savedOut.empty() ? savedIn : savedOut).c_str());
    }
    // Connects and lets the search run; the port pairs it showed (the saved one alone, or others
    // before the instrument's).
    size_t ConnectShowingPairs() {
        const size_t shown = headless.Texts().size();
        EXPECT_TRUE(synth->Connect(false, false));
        Pump();
        size_t pairs = 0;
        const std::vector<std::string> texts = headless.Texts();
        for (size_t i = shown; i < texts.size(); ++i) pairs += texts[i] != "Searching...\n";
        return pairs;
    }
    // The instrument switched on and the synthesizer connected to it by its saved port, online.
    void ConnectOnline(unsigned char pmid) {
        SwitchOn(pmid);
        MakeSynth(pmid, true);
        ASSERT_TRUE(synth->Connect(false, false));
        ASSERT_TRUE(PumpUntil([&] { return Online(); }));
    }
    bool Online() {
        bool online = false;
        return synth->GetConnectionState(nullptr, nullptr, nullptr, nullptr, &online) && online;
    }
    // The instrument's data and the editor's differ only where the simulator keeps its own: the
    // Tolva has no external-control sets, and the poll writes the reported control track into the
    // editor's current multi.
    std::vector<Sim::ImageDiff> Relevant(unsigned char pmid, bool withState = true) {
        std::vector<Sim::ImageDiff> left;
        for (const Sim::ImageDiff& d : Diffs(withState))
            if (!(pmid == QorX0::kPmidTolva && d.area == Sim::Area::ExtControl) &&
                d.area != Sim::Area::CurMulti)
                left.push_back(d);
        return left;
    }

    std::unique_ptr<Sim::SimAlsaClient> client;
};

}  // namespace AlsaTest
