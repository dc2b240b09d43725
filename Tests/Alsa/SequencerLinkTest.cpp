// The editor and the simulated instrument over the kernel's sequencer, both models: the instrument
// found by its port's name and by its inquiry answer among every other port, whole-memory dumps
// received byte for byte through the sequencer's event size, a drum kit and the global data sent, and the
// instrument switched off and on.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <tuple>
#include <vector>

#include "Common/Model/ModelStrings.h"
#include "Files/NativeFixtures.h"
#include "SequencerFixture.h"

namespace {

using namespace QorX0;
using AlsaTest::SequencerSynthFixture;

class SequencerLink : public SequencerSynthFixture, public ::testing::WithParamInterface<unsigned char> {};

std::string Saved(ISection* setup, int pid) {
    return multiszlong(setup->GetParamS(pid));
}

TEST_P(SequencerLink, FindsTheInstrumentByItsSavedPortAndByInquiry) {
    const unsigned char pmid = GetParam();
    SwitchOn(pmid);
    EXPECT_EQ(client->KeyName(), pmid == kPmidTolva ? "TolvaTolva MIDI 1" : "NerimoNerimo MIDI 1");
    // There are other ports to pass over: the sequencer's Midi Through and the virtual cables.
    std::vector<MIDIDevKey> sources;
    std::unique_ptr<IMIDIIn>(MIDIInCreate())->EnumDevices(&sources);
    EXPECT_GT(sources.size(), 1u);
    for (bool saved : {true, false}) {
        SCOPED_TRACE(saved ? "saved port" : "no saved port: the inquiry finds it");
        MakeSynth(pmid, saved);
        const size_t pairs = ConnectShowingPairs();
        if (saved) {
            EXPECT_EQ(pairs, 1u);
        } else {
            EXPECT_GT(pairs, 1u);
        }
        EXPECT_TRUE(impl->IsConnected());
        EXPECT_TRUE(Online());
        EXPECT_TRUE(log.Has("conn 1 1")) << log.Joined();
        EXPECT_EQ(Saved(synth->GetSetup(), CSetupSectionImpl::kPidMidiInName), client->KeyName());
        EXPECT_EQ(Saved(synth->GetSetup(), CSetupSectionImpl::kPidMidiOutName), client->KeyName());
        synth->UnadviseSink(&log);
        synth.reset();
        log.Clear();
    }
}

TEST_P(SequencerLink, ReceiveAllArrivesWholeAndSentRecordsLeaveBothEqual) {
    const unsigned char pmid = GetParam();
    SwitchOn(pmid);
    MakeSynth(pmid, true);
    ASSERT_TRUE(synth->Connect(false, false));
    const size_t eventsBefore = client->EventsSent();
    {
        fixtures::TraceCapture trace;
        const bool ok = synth->ExecCommand(2, 0, 0, 0, 0);
        std::string t = trace.Text();
        ASSERT_TRUE(ok) << t;
    }
    Settle();
    auto diffs = Relevant(pmid);
    EXPECT_TRUE(diffs.empty()) << Sim::FormatDiffs(diffs);
    // The dump crossed the sequencer in pieces of the kernel's size, not as one event.
    EXPECT_GT(client->EventsSent() - eventsBefore, AllDumpSize(pmid) / Sim::SimAlsaClient::kMaxEventBytes);
    EXPECT_EQ(client->LargestExclusiveEvent(), Sim::SimAlsaClient::kMaxEventBytes);

    // The instrument's drum kits and global data change behind the editor's back; sending a kit and
    // the global data puts the editor's back. (The output keeps a DIN wire's pace, so a whole-memory
    // send would take five minutes.)
    sim->With([](Sim::SimCore& c) {
        c.Image().FillFactory(9);
        c.ClearLogs();
    });
    ASSERT_TRUE(synth->ExecCommand(16, 3, 0, 0, 0));  // drum kit 3
    ASSERT_TRUE(synth->ExecCommand(13, 0, 0, 0, 0));  // global
    Settle();
    for (const Sim::ImageDiff& d : Diffs(false))
        EXPECT_FALSE(d.area == Sim::Area::Global || (d.area == Sim::Area::DrumKit && d.index == 3))
            << d.label;
}

TEST_P(SequencerLink, AnInstrumentSwitchedOffAndOnComesBackOnline) {
    const unsigned char pmid = GetParam();
    ASSERT_NO_FATAL_FAILURE(ConnectOnline(pmid));

    client.reset();  // off: its client ends, the system announces it
    EXPECT_TRUE(PumpUntil([&] { return !Online(); }, 15000)) << log.Joined();
    SwitchOn(pmid);  // on: a new client with the same names
    ASSERT_TRUE(PumpUntil([&] { return impl->IsConnected() && Online(); }, 20000)) << log.Joined();

    // Both ways through the new client: a request reaches it and its answer the editor.
    Settle();
    sim->With([](Sim::SimCore& c) { c.Image().FillFactory(11); });
    ASSERT_FALSE(Diffs(false).empty());
    EXPECT_TRUE(synth->ExecCommand(14, 0, 0, 0, 0));  // request global
    Settle();
    for (const Sim::ImageDiff& d : Diffs(false)) EXPECT_NE(d.area, Sim::Area::Global) << d.label;
}

INSTANTIATE_TEST_SUITE_P(BothModels, SequencerLink, ::testing::Values(kPmidTolva, kPmidNerimo),
                         [](const auto& info) { return info.param == kPmidTolva ? "Tolva" : "Nerimo"; });

}  // namespace
