// Finding the instrument: saved ports, the scan over every output and input with decoys and a wrong
// model, what the link learns on connecting, disconnecting, and program changes both ways.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>

#include "Common/Link/RemoteMIDI.h"
#include "Common/Model/ParamDesc.h"
#include "RemoteMIDIFixture.h"

using namespace LinkTest;
using namespace QorX0;

namespace {

class RemoteMIDIConnectThreaded : public LinkFixture {};

TEST_F(RemoteMIDIConnectThreaded, SavedPortsConnectAndLearnChannelModeAndSounds) {
    Instrument& tolva = AddInstrument(Sim::Model::Tolva, 5);
    tolva.sim.With([](Sim::SimCore& c) {
        c.State().mode = Sim::Mode::Multi;
        c.State().multiNumber = 7;
        c.State().gmMap = true;
    });
    MakeLink(kPmidTolva);
    ASSERT_TRUE(ConnectSaved(tolva));
    EXPECT_EQ(link->GetGlobalChannel(), 5);
    EXPECT_EQ(link->GetMode(), 4);
    EXPECT_TRUE(link->GetGMMapping());
    const SOUNDINDEX pair = link->GetBnkPgmPair();
    EXPECT_EQ(pair.bank, 0);
    EXPECT_EQ(pair.number, 7);
    MIDIDevKey out, in;
    DEVICEINQUIRYDATA id{};
    MODEANDSTATE state{};
    EXPECT_TRUE(link->GetConnectionState(&out, &in, &id, &state));
    EXPECT_EQ(out.name, tolva.port.KeyName());
    EXPECT_EQ(in.name, tolva.port.KeyName());
    EXPECT_EQ(id.MemberCode(), kPmidTolva);
    EXPECT_EQ(state.Mode(), 4);
    // The search showed its one pair and the dialog is gone.
    ASSERT_EQ(SearchTexts().size(), 1u);
    EXPECT_EQ(SearchTexts().front(), "Searching...\n\"TolvaMIDI\" -> \"TolvaMIDI\"");
    EXPECT_FALSE(headless.IsShown());
}

TEST_F(RemoteMIDIConnectThreaded, EmptySavedNameLeavesTheConnectionAlone) {
    Instrument& tolva = AddInstrument(Sim::Model::Tolva);
    MakeLink(kPmidTolva);
    ASSERT_TRUE(ConnectSaved(tolva));
    EXPECT_FALSE(link->Connect(&recorder, false, "", tolva.port.KeyName()));
    EXPECT_FALSE(link->Connect(&recorder, false, tolva.port.KeyName(), ""));
    EXPECT_TRUE(link->GetConnectionState(nullptr, nullptr, nullptr, nullptr));
    EXPECT_GE(link->SendModeAndStateReq(), 0);
}

TEST_F(RemoteMIDIConnectThreaded, SavedPortsOfAnotherModelOrMissingDoNotConnect) {
    Instrument& nerimo = AddInstrument(Sim::Model::Nerimo);
    MakeLink(kPmidTolva);
    EXPECT_FALSE(ConnectSaved(nerimo));
    EXPECT_FALSE(link->GetConnectionState(nullptr, nullptr, nullptr, nullptr));
    EXPECT_FALSE(link->Connect(&recorder, false, "NoSuchMIDI", "NoSuchMIDI"));
    EXPECT_EQ(link->SendCurProgDumpReq(), QN_FAIL);
}

TEST_F(RemoteMIDIConnectThreaded, SavedPortsLongerThanTheSetupRowAreFoundByTheirCutNames) {
    // The setup's name rows keep 32 characters; sequencer keys hold the card's name twice, so a card
    // of 13 characters or more makes a longer key. A decoy whose key shares the cut name comes
    // first: the inquiry chooses.
    const std::string card = "USB MIDI Interface 21";
    const std::string longKey = card + card + " MIDI 1";
    loopback.AddDestination(longKey.substr(0, 40), " decoy");
    loopback.AddSource(longKey.substr(0, 40), " decoy");
    Instrument& tolva = AddInstrument(Sim::Model::Tolva, 3, longKey);
    ASSERT_GT(tolva.port.KeyName().size(), 32u);
    MakeLink(kPmidTolva);
    const std::string saved = Name32Kept(tolva.port.KeyName());
    ASSERT_TRUE(link->Connect(&recorder, false, saved, saved));
    MIDIDevKey out, in;
    link->GetConnectionState(&out, &in, nullptr, nullptr);
    EXPECT_EQ(out.name, tolva.port.KeyName());
    EXPECT_EQ(in.name, tolva.port.KeyName());
    EXPECT_EQ(link->GetGlobalChannel(), 3);
    EXPECT_EQ(link->SendGlobalDumpReq(), QS_OK);
    // A name that is not the cut of any key still finds nothing.
    link->Disconnect();
    EXPECT_FALSE(link->Connect(&recorder, false, saved.substr(0, 31) + "x", saved));
}

TEST_F(RemoteMIDIConnectThreaded, ScanFindsTheModelAmongDecoysAndAWrongModel) {
    // Outputs and inputs in listing order: a silent decoy, a cable looping back what it is sent, the
    // other model, an instrument answering with a foreign member code, and ours.
    loopback.AddDestination("Decoy", " Out");
    loopback.AddSource("Decoy", " In");
    const uint32_t loopOut = loopback.AddDestination("Cable", " Out");
    const uint32_t loopIn = loopback.AddSource("Cable", " In");
    loopback.Connect(loopOut, loopIn);
    AddInstrument(Sim::Model::Nerimo, 0, "Wrong");
    Instrument& foreign = AddInstrument(Sim::Model::Tolva, 0, "Foreign");
    foreign.sim.With([](Sim::SimCore& c) {
        Sim::Fault f = Sim::Fault::Make(Sim::FaultAction::SetByte, Sim::kInquiryCode).Times(0);
        f.offset = 8;
        f.value = 3;
        c.AddFault(f);
    });
    Instrument& tolva = AddInstrument(Sim::Model::Tolva, 9, "Ours");
    MakeLink(kPmidTolva);
    ASSERT_TRUE(link->Connect(&recorder, false));
    MIDIDevKey out, in;
    link->GetConnectionState(&out, &in, nullptr, nullptr);
    EXPECT_EQ(out.name, tolva.port.KeyName());
    EXPECT_EQ(in.name, tolva.port.KeyName());
    EXPECT_EQ(link->GetGlobalChannel(), 9);
    EXPECT_EQ(link->GetMIDIOutKeyDevArray().size(), 5u);
    EXPECT_EQ(link->GetMIDIInKeyDevArray().size(), 5u);
    // Every pair up to ours was tried, outputs outermost; ours is the last pair.
    const auto texts = SearchTexts();
    ASSERT_EQ(texts.size(), 25u);
    EXPECT_EQ(texts[0], "Searching...\n\"Decoy Out\" -> \"Decoy In\"");
    EXPECT_EQ(texts[1], "Searching...\n\"Decoy Out\" -> \"Cable In\"");
    EXPECT_EQ(texts[24], "Searching...\n\"OursMIDI\" -> \"OursMIDI\"");
    // The connection works.
    EXPECT_EQ(link->SendGlobalDumpReq(), QS_OK);
    EXPECT_EQ(recorder.Dumps().back().kind, "global");
}

TEST_F(RemoteMIDIConnectThreaded, ScanOfTwoOutputsAndThreeInputsShowsSixPositions) {
    for (const char* name : {"A", "B"}) loopback.AddDestination(name, "");
    for (const char* name : {"X", "Y", "Z"}) loopback.AddSource(name, "");
    MakeLink(kPmidNerimo);
    EXPECT_FALSE(link->Connect(&recorder, true));
    const auto texts = SearchTexts();
    const std::vector<std::string> expected = {"\"A\" -> \"X\"", "\"A\" -> \"Y\"", "\"A\" -> \"Z\"",
                                               "\"B\" -> \"X\"", "\"B\" -> \"Y\"", "\"B\" -> \"Z\""};
    ASSERT_EQ(texts.size(), expected.size());
    for (size_t i = 0; i < texts.size(); ++i) EXPECT_EQ(texts[i], "Searching...\n" + expected[i]);
    EXPECT_EQ(headless.Title(), "Nerimo Editor");
    EXPECT_FALSE(link->GetConnectionState(nullptr, nullptr, nullptr, nullptr));
    EXPECT_FALSE(headless.IsShown());
}

TEST_F(RemoteMIDIConnectThreaded, ScanWithoutAWindowStillConnects) {
    headless.SetRefuse(true);
    AddInstrument(Sim::Model::Nerimo, 0, "Other");
    Instrument& nerimo = AddInstrument(Sim::Model::Nerimo, 2, "Mine");
    nerimo.sim.With([](Sim::SimCore& c) { c.State().version[0] = 2; });
    MakeLink(kPmidNerimo);
    ASSERT_TRUE(link->Connect(&recorder, false));
    EXPECT_EQ(link->GetGlobalChannel(), 0);  // the first Nerimo answered
    EXPECT_TRUE(headless.Texts().empty());
}

TEST_F(RemoteMIDIConnectThreaded, NoAnswerToModeAndStateFailsTheConnect) {
    Instrument& tolva = AddInstrument(Sim::Model::Tolva);
    tolva.sim.With([](Sim::SimCore& c) { c.AddFault(Sim::Fault::Make(Sim::FaultAction::NoReply, 0x12)); });
    MakeLink(kPmidTolva);
    EXPECT_FALSE(ConnectSaved(tolva));
    EXPECT_FALSE(link->GetConnectionState(nullptr, nullptr, nullptr, nullptr));
    EXPECT_EQ(link->GetMode(), 0);
}

TEST_F(RemoteMIDIConnectThreaded, DisconnectResetsEverythingAndSendsFail) {
    Instrument& tolva = AddInstrument(Sim::Model::Tolva, 3);
    tolva.sim.With([](Sim::SimCore& c) { c.State().mode = Sim::Mode::Global; });
    MakeLink(kPmidTolva);
    ASSERT_TRUE(ConnectSaved(tolva));
    link->Disconnect();
    MIDIDevKey out;
    EXPECT_FALSE(link->GetConnectionState(&out, nullptr, nullptr, nullptr));
    EXPECT_TRUE(out.name.empty());
    EXPECT_EQ(link->GetGlobalChannel(), 0);
    EXPECT_EQ(link->GetMode(), 0);
    const uint8_t note[3] = {0x90, 60, 100};
    EXPECT_EQ(link->SendShortMsg(0, note, 3), QN_FAIL);
    EXPECT_EQ(link->SendProgramChange(0, 0), QN_FAIL);
    EXPECT_EQ(link->SendGlobalDumpReq(), QN_FAIL);
    // And it connects again.
    EXPECT_TRUE(ConnectSaved(tolva));
    EXPECT_EQ(link->GetMode(), 6);
}

// A sender that has taken the output when Disconnect starts: the output is freed only after that
// send has returned.
namespace held {
std::atomic<bool> holding{false}, entered{false}, disconnected{false};
void Hold() {
    if (!holding.exchange(false)) return;
    entered = true;
    // Long enough for a Disconnect that does not wait for us to finish (and free the output).
    for (int i = 0; i < 40 && !disconnected.load(); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
}
}  // namespace held

TEST_F(RemoteMIDIConnectThreaded, DisconnectWaitsForASenderThatHasTakenTheOutput) {
    Instrument& tolva = AddInstrument(Sim::Model::Tolva);
    MakeLink(kPmidTolva);
    ASSERT_TRUE(ConnectSaved(tolva));
    held::entered = false;
    held::disconnected = false;
    CRemoteMIDIImpl::s_outTakenHook = held::Hold;
    held::holding = true;
    std::atomic<bool> sendReturned{false};
    QNRESULT result = QN_FAIL;
    std::thread audio([&] {
        const uint8_t note[3] = {0x90, 60, 100};
        result = link->SendShortMsg(0, note, 3);
        sendReturned = true;
    });
    while (!held::entered.load()) std::this_thread::yield();
    link->Disconnect();
    const bool returnedFirst = sendReturned.load();
    held::disconnected = true;
    audio.join();
    CRemoteMIDIImpl::s_outTakenHook = nullptr;
    EXPECT_TRUE(returnedFirst);
    EXPECT_EQ(result, QS_OK);  // it had the output: the message was queued before the port closed
}

// Host MIDI keeps coming on another thread (the audio thread) while the link connects, scans (opening
// and freeing candidate outputs) and disconnects: each send goes out or fails, and none touches an
// output that was freed (AddressSanitizer and ThreadSanitizer watch this one).
TEST_F(RemoteMIDIConnectThreaded, HostMIDIWhileConnectingScanningAndDisconnecting) {
    loopback.AddDestination("Decoy", " Out");
    loopback.AddSource("Decoy", " In");
    Instrument& tolva = AddInstrument(Sim::Model::Tolva, 0, "Ours");
    MakeLink(kPmidTolva);
    std::atomic<bool> stop{false};
    std::atomic<int> sent{0}, failed{0};
    std::thread audio([&] {
        const uint8_t note[3] = {0x90, 60, 100};
        for (unsigned i = 0; !stop.load(); ++i) {
            (link->SendShortMsg(0, note, 3) >= 0 ? sent : failed).fetch_add(1);
            if (i % 8 == 0) link->SendProgramChange(0, 1);
            if (i % 32 == 0) std::this_thread::sleep_for(std::chrono::microseconds(200));
        }
    });
    for (int round = 0; round < 3; ++round) {
        EXPECT_TRUE(ConnectSaved(tolva));
        link->Disconnect();
        EXPECT_TRUE(link->Connect(&recorder, false));
        link->Disconnect();
    }
    stop = true;
    audio.join();
    EXPECT_GT(sent.load(), 0);
    EXPECT_GT(failed.load(), 0);
}

struct ProgramChangeCase {
    unsigned char model;
    bool gm;
    unsigned bank;
    Bytes expected;  // on channel 2
};

TEST_F(RemoteMIDIConnectThreaded, ProgramChangeSendsBankSelectForEachModel) {
    const ProgramChangeCase cases[] = {
        {kPmidTolva, false, 2, {0xB2, 0x00, 0x00, 0xB2, 0x20, 0x02, 0xC2, 0x0A}},
        {kPmidTolva, true, 2, {0xB2, 0x00, 0x3F, 0xB2, 0x20, 0x02, 0xC2, 0x0A}},
        {kPmidTolva, false, 4, {0xB2, 0x00, 0x79, 0xB2, 0x20, 0x00, 0xC2, 0x0A}},
        {kPmidTolva, false, 5, {0xB2, 0x00, 0x78, 0xB2, 0x20, 0x00, 0xC2, 0x0A}},
        {kPmidNerimo, false, 4, {0xB2, 0x00, 0x00, 0xB2, 0x20, 0x04, 0xC2, 0x0A}},
        {kPmidNerimo, false, 5, {0xB2, 0x00, 0x79, 0xB2, 0x20, 0x00, 0xC2, 0x0A}},
    };
    int n = 0;
    for (const ProgramChangeCase& c : cases) {
        // Each case on endpoints of its own: a removed instrument's endpoints stay listed.
        Instrument& i = AddInstrument(c.model == kPmidTolva ? Sim::Model::Tolva : Sim::Model::Nerimo, 2,
                                      "Case" + std::to_string(n++));
        i.sim.With([&](Sim::SimCore& core) { core.State().gmMap = c.gm; });
        MakeLink(c.model);
        ASSERT_TRUE(ConnectSaved(i));
        i.sim.With([](Sim::SimCore& core) { core.ClearLogs(); });
        ASSERT_EQ(link->SendProgramChange(c.bank, 10), QS_OK);
        ASSERT_TRUE(i.sim.WaitReceived(3));
        Bytes got;
        i.sim.With([&](Sim::SimCore& core) { got = core.ReceivedBytes(); });
        EXPECT_EQ(got, c.expected) << int(c.model) << " bank " << c.bank;
        EXPECT_EQ(link->GetBnkPgmPair().bank, c.bank);
        EXPECT_EQ(link->GetBnkPgmPair().number, 10);
        link.reset();
    }
}

TEST_F(RemoteMIDIConnectThreaded, ProgramChangeInGlobalModeSendsNothing) {
    Instrument& tolva = AddInstrument(Sim::Model::Tolva);
    tolva.sim.With([](Sim::SimCore& c) { c.State().mode = Sim::Mode::Global; });
    MakeLink(kPmidTolva);
    ASSERT_TRUE(ConnectSaved(tolva));
    EXPECT_EQ(link->SendProgramChange(0, 1), QN_FAIL);
    const SOUNDINDEX pair = link->GetBnkPgmPair();
    EXPECT_EQ(pair.bank, 0);
    EXPECT_EQ(pair.number, 0);
}

TEST_F(RemoteMIDIConnectThreaded, ProgramChangesFromTheInstrumentReachTheOwner) {
    Instrument& tolva = AddInstrument(Sim::Model::Tolva, 1);
    tolva.sim.With([](Sim::SimCore& c) { c.State().gmMap = true; });
    MakeLink(kPmidTolva);
    ASSERT_TRUE(ConnectSaved(tolva));
    tolva.sim.With([](Sim::SimCore& c) { return c.PanelProgramChange(2, 33); });
    tolva.sim.With([](Sim::SimCore& c) { return c.PanelProgramChange(4, 1); });  // GM bank
    ASSERT_TRUE(tolva.sim.WaitIdle());
    ASSERT_TRUE(loopback.WaitIdle(2000));
    const auto changes = recorder.ProgramChanges();
    ASSERT_EQ(changes.size(), 2u);
    EXPECT_EQ(changes[0], std::make_pair(2u, 33u));
    EXPECT_EQ(changes[1], std::make_pair(4u, 1u));
    EXPECT_EQ(link->GetBnkPgmPair().bank, 4);
    EXPECT_EQ(link->GetBnkPgmPair().number, 1);
    EXPECT_EQ(recorder.ShortMessages().size(), 6u);  // every short message is handed on as well
}

TEST_F(RemoteMIDIConnectThreaded, ModeChangeIsRecordedOnlyWhenAcknowledged) {
    Instrument& tolva = AddInstrument(Sim::Model::Tolva);
    MakeLink(kPmidTolva);
    ASSERT_TRUE(ConnectSaved(tolva));
    ASSERT_EQ(link->GetMode(), 2);
    EXPECT_EQ(link->SendModeChange(4), QS_OK);
    EXPECT_EQ(link->GetMode(), 4);
    tolva.sim.With([](Sim::SimCore& c) {
        Sim::Fault f = Sim::Fault::Make(Sim::FaultAction::ErrorReply, 0x4E);
        f.reason = 2;
        c.AddFault(f);
    });
    EXPECT_EQ(link->SendModeChange(0), QN_FAIL);
    EXPECT_EQ(link->GetMode(), 4);
    tolva.sim.With([](Sim::SimCore& c) { c.AddFault(Sim::Fault::Make(Sim::FaultAction::NoReply, 0x4E)); });
    EXPECT_EQ(link->SendModeChange(0), QN_TIMEOUT);
    EXPECT_EQ(link->GetMode(), 4);
}

}  // namespace
