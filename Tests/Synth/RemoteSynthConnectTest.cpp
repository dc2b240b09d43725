// Connect, disconnect and the poll against the simulated instrument: which ports are tried and when
// the user is asked, local control for each kind of host, the synchronisation, the merge of the
// host's state, every fault of the instrument, host chunks handed over while Connect runs, and the
// poll seeing the instrument go and come back.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <memory>
#include <string>
#include <thread>
#include <tuple>
#include <vector>

#include "Common/Model/ModelStrings.h"
#include "Synth/StreamFixture.h"

namespace {

using namespace QorX0;
using namespace SynthTest;
using fixtures::TraceCapture;

constexpr int kPidAutoLocalControl = 0x9000;
const std::string kEmpty(4, '\0');
const char* const kNotFound = "Tolva Hardware is not found.\nRescan whole all MIDI devices?";
const char* const kSyncFailed =
    "The data failed to synchronize.\nBe sure not to touch the instrument or the computer's mouse\nand "
    "keyboard "
    "while data is being sent or received.\n\nRetry?";

class ConnectFixture : public StreamSynthFixture {
protected:
    virtual unsigned char Model() const = 0;

    // Answers the questions in turn (1 yes, 2 no) and writes them down; run is called inside the
    // box first (what a host may do meanwhile).
    void Answer(std::vector<int> answers, std::function<void()> run = {}) {
        m_answers = std::move(answers);
        HfcSetMessageBoxHook([this, run](const HfcMessageBoxRequest& r) {
            asked.push_back(r.text);
            if (run) run();
            if (m_answers.empty()) {
                ADD_FAILURE() << "one question too many: " << r.text;
                return static_cast<int>(HFC_MB_RESULT_CANCEL);
            }
            const int a = m_answers.front();
            m_answers.erase(m_answers.begin());
            return a;
        });
    }
    bool Online() {
        bool online = false;
        synth->GetConnectionState(nullptr, nullptr, nullptr, nullptr, &online);
        return online;
    }
    std::string Saved(ISection* setup, int pid) { return multiszlong(setup->GetParamS(pid)); }
    int Received(uint8_t code) {
        sim->WaitIdle();
        return sim->With([&](Sim::SimCore& c) {
            int n = 0;
            for (const Sim::TimedBytes& m : c.ReceivedMessages())
                n += m.bytes.size() > 5 && m.bytes[4] == code;
            return n;
        });
    }
    // Controller 122 values the instrument received on channel 1, in order.
    std::vector<int> LocalControlMessages() {
        sim->WaitIdle();
        return sim->With([](Sim::SimCore& c) {
            std::vector<int> values;
            for (const Sim::TimedBytes& m : c.ReceivedMessages())
                if (m.bytes.size() == 3 && m.bytes[0] == 0xB0 && m.bytes[1] == 122)
                    values.push_back(m.bytes[2]);
            return values;
        });
    }
    // The instrument's data and the editor's differ only where the simulator keeps its own.
    std::vector<Sim::ImageDiff> Relevant(bool withState = true) {
        std::vector<Sim::ImageDiff> left;
        for (const Sim::ImageDiff& d : Diffs(withState))
            if (!(Model() == kPmidTolva && d.area == Sim::Area::ExtControl) && d.area != Sim::Area::CurMulti)
                left.push_back(d);
        return left;
    }

    std::vector<std::string> asked;

private:
    std::vector<int> m_answers;
};

class SynthConnect : public ConnectFixture, public ::testing::WithParamInterface<unsigned char> {
protected:
    unsigned char Model() const override { return GetParam(); }
};

// A table of cases, one test per model and row (each row gets a fresh instrument and synthesizer).
class ConnectTable : public ConnectFixture,
                     public ::testing::WithParamInterface<std::tuple<unsigned char, int>> {
protected:
    unsigned char Model() const override { return std::get<0>(GetParam()); }
    size_t Row() const { return static_cast<size_t>(std::get<1>(GetParam())); }
};

class PortChoice : public ConnectTable {};

TEST_P(PortChoice, Row) {
    const unsigned char pmid = Model();
    const struct {
        const char* what;
        bool inRight, outRight;  // saved name is the instrument's port (else: empty or wrong)
        bool inEmpty, outEmpty;
        std::vector<int> answers;  // to the rescan question
        bool connected;
    } cases[] = {
        {"saved names", true, true, false, false, {}, true},
        {"output name empty", true, false, false, true, {}, true},
        {"input name empty", false, true, true, false, {}, true},
        {"wrong names, rescan", false, false, false, false, {HFC_MB_RESULT_DEFAULT}, true},
        {"wrong names, no rescan", false, false, false, false, {HFC_MB_RESULT_CANCEL}, false},
    };
    const auto& c = cases[Row()];
    {
        SCOPED_TRACE(c.what);
        Make(pmid, false);
        const std::string name = port->KeyName();
        synth->SetMIDIInPortName(c.inRight ? name.c_str() : c.inEmpty ? "" : "Nowhere MIDI");
        synth->SetMIDIOutPortName(c.outRight ? name.c_str() : c.outEmpty ? "" : "Nowhere MIDI");
        // What the user loaded while no instrument was there.
        auto known = KnownImage(41);
        ASSERT_TRUE(Load(StreamOf(pmid, *known, FTYPE_ALLCOMBI)));
        auto before = Image();
        asked.clear();
        Answer(c.answers);
        log.Clear();
        EXPECT_EQ(synth->Connect(false, false), c.connected);
        EXPECT_EQ(asked.size(), c.answers.size());
        if (!asked.empty()) {
            EXPECT_EQ(asked[0], kNotFound);
        }
        Pump();
        if (c.connected) {
            EXPECT_TRUE(impl->IsConnected());
            EXPECT_TRUE(Online());
            EXPECT_TRUE(log.Has("conn 1 1")) << log.Joined();
            // The names found are saved, for this object and the next.
            EXPECT_EQ(Saved(synth->GetSetup(), CSetupSectionImpl::kPidMidiInName), name);
            EXPECT_EQ(Saved(synth->GetSetup(), CSetupSectionImpl::kPidMidiOutName), name);
            // A name that was not the instrument's is replaced in the preferences too.
            std::unique_ptr<IRemoteSynth> next(RemoteSynthCreate(pmid));
            if (!c.inRight) {
                EXPECT_EQ(Saved(next->GetSetup(), CSetupSectionImpl::kPidMidiInName), name);
            }
            if (!c.outRight) {
                EXPECT_EQ(Saved(next->GetSetup(), CSetupSectionImpl::kPidMidiOutName), name);
            }
        } else {
            // Nothing is told, nothing is left half up, and what the user loaded is still there.
            EXPECT_FALSE(impl->IsConnected());
            EXPECT_FALSE(Online());
            EXPECT_EQ(log.Joined(), "");
            EXPECT_TRUE(fixtures::SameImage(*before, *Image()));
            EXPECT_EQ(Save(FTYPE_VSTBANK), impl->PendingState());
        }
    }
}
INSTANTIATE_TEST_SUITE_P(BothModels, PortChoice,
                         ::testing::Combine(::testing::Values(kPmidTolva, kPmidNerimo),
                                            ::testing::Range(0, 5)));

TEST_P(SynthConnect, AnInstrumentInGlobalModeIsSwitchedToCombinationPlay) {
    Make(Model(), false);
    sim->With([](Sim::SimCore& c) { c.State().mode = Sim::Mode::Global; });
    ASSERT_TRUE(synth->Connect(false, false));
    sim->WaitIdle();
    EXPECT_EQ(sim->With([](Sim::SimCore& c) { return c.State().mode; }), Sim::Mode::CombiPlay);
    EXPECT_EQ(synth->GetMode(), kModeCombiPlay);
    EXPECT_EQ(synth->GetVirtualMode(), kModeCombiPlay);
}

class LocalControl : public ConnectTable {};

TEST_P(LocalControl, Row) {
    const struct {
        bool standalone, localOn;
        int automatic;
        std::vector<int> atConnect, atDisconnect;
    } cases[] = {
        {true, false, 0, {127}, {0}}, {true, false, 1, {127}, {0}}, {true, true, 1, {}, {}},
        {false, true, 1, {0}, {127}}, {false, true, 0, {}, {}},     {false, false, 1, {}, {}},
    };
    const auto& c = cases[Row()];
    {
        SCOPED_TRACE(::testing::Message() << "standalone " << c.standalone << ", local " << c.localOn
                                          << ", automatic " << c.automatic);
        Make(Model(), false);
        synth->GetSetup()->PutParamI(kPidAutoLocalControl, c.automatic);
        const bool on = c.localOn;
        sim->With([on](Sim::SimCore& core) { core.State().localControl = on; });
        ASSERT_TRUE(synth->Connect(c.standalone, false));
        EXPECT_EQ(LocalControlMessages(), c.atConnect);
        ClearSim();
        synth->Disconnect();
        EXPECT_EQ(LocalControlMessages(), c.atDisconnect);
        EXPECT_FALSE(impl->IsConnected());
    }
}
INSTANTIATE_TEST_SUITE_P(BothModels, LocalControl,
                         ::testing::Combine(::testing::Values(kPmidTolva, kPmidNerimo),
                                            ::testing::Range(0, 6)));

TEST_P(SynthConnect, SynchronisingLeavesTheInstrumentAndTheEditorEqual) {
    Make(Model(), true, true);
    EXPECT_TRUE(impl->IsSynced());
    Settle();
    auto diffs = Relevant();
    EXPECT_TRUE(diffs.empty()) << Sim::FormatDiffs(diffs);
    // The backup is what was received: restoring it changes nothing on the instrument.
    ClearSim();
    EXPECT_TRUE(synth->ExecCommand(30, 0, 0, 0, 0));
    Settle();
    diffs = Relevant();
    EXPECT_TRUE(diffs.empty()) << Sim::FormatDiffs(diffs);
    // Connected and synchronised, a host save is the instrument's data.
    EXPECT_GT(Save(FTYPE_VSTBANK).size(), 4u);
}

// Only the program banks are the project's (the setup's filter); the rest stays the instrument's.
void FilterProgramsOnly(ISection* setup) {
    setup->PutParamI(0x8100, 0);  // not everything
    setup->PutParamI(0x8200, 1);  // programs
    setup->PutParamI(0x8300, 0);  // of every bank
    for (int pid : {0x8500, 0x8800, 0x8A00, 0x8C00, 0x8E00}) setup->PutParamI(pid, 0);
}

TEST_P(SynthConnect, TheHostsStateIsMergedOverTheInstrumentsData) {
    const unsigned char pmid = Model();
    Make(pmid, false);
    FilterProgramsOnly(synth->GetSetup());
    auto project = KnownImage(51);
    const std::string chunk = StreamOf(pmid, *project, FTYPE_VSTBANK);
    ASSERT_TRUE(Load(chunk));
    const Sim::AreaInfo& combis = Sim::GetAreaInfo(Sim::Area::Combination);
    std::vector<uint8_t> instrumentCombi(kSizeCombi);
    sim->With([&](Sim::SimCore& c) {
        std::memcpy(instrumentCombi.data(), c.Image().Record(Sim::Area::Combination, 9), kSizeCombi);
    });
    (void)combis;

    ASSERT_TRUE(synth->Connect(false, true));
    EXPECT_TRUE(impl->IsSynced());
    EXPECT_TRUE(impl->PendingState().empty());
    auto merged = Image();
    // The project's programs, the instrument's combinations.
    EXPECT_TRUE(SameBytes(*merged, *project, kAreaPrograms.offset,
                          ProgramBankCount(pmid) * kAreaPrograms.BankSize()));
    EXPECT_EQ(std::memcmp(merged->Bytes() + kAreaCombis.At(0, 9), instrumentCombi.data(), kSizeCombi), 0);
    if (pmid == kPmidNerimo) {
        EXPECT_TRUE(SameBytes(*merged, *project, kAreaExtControls.offset, kAreaExtControls.Size()));
    }
    // The instrument got the merged image, and the next host save is that image, not the old bytes.
    Settle();
    auto diffs = Relevant(false);
    EXPECT_TRUE(diffs.empty()) << Sim::FormatDiffs(diffs);
    const std::string saved = Save(FTYPE_VSTBANK);
    EXPECT_NE(saved, chunk);
    EXPECT_GT(saved.size(), 4u);
}

TEST_P(SynthConnect, AMergeWhoseSendFailsStillHandsOverTheMergedImage) {
    const unsigned char pmid = Model();
    Make(pmid, false);
    FilterProgramsOnly(synth->GetSetup());
    auto project = KnownImage(52);
    const std::string chunk = StreamOf(pmid, *project, FTYPE_VSTBANK);
    ASSERT_TRUE(Load(chunk));
    // The instrument refuses the send-all; the user gives up.
    sim->With([](Sim::SimCore& c) {
        c.AddFault(Sim::Fault::Make(Sim::FaultAction::ErrorReply, Sim::Code::AllDump).Times(0));
    });
    Answer({HFC_MB_RESULT_CANCEL});
    TraceCapture trace;
    ASSERT_TRUE(synth->Connect(false, true));
    const std::string text = trace.Text();
    EXPECT_NE(text.find("RemoteSynth: Connect(), HandleSendAll() failedn"), std::string::npos) << text;
    EXPECT_NE(text.find("RemoteSynth: initial persistence failed"), std::string::npos) << text;
    EXPECT_EQ(asked, std::vector<std::string>{kSyncFailed});
    // The project's programs are in the editor, and a save hands them over.
    EXPECT_TRUE(impl->PendingState().empty());
    auto merged = Image();
    EXPECT_TRUE(SameBytes(*merged, *project, kAreaPrograms.offset,
                          ProgramBankCount(pmid) * kAreaPrograms.BankSize()));
    const std::string saved = Save(FTYPE_VSTBANK);
    ASSERT_GT(saved.size(), 4u);
    auto reloaded = fixtures::CopyImage(*merged);
    PERSISTPARAMS params{};
    params.image = reloaded.get();
    std::istringstream is(saved, std::ios::binary);
    ASSERT_TRUE(PersistLoadStream(is, pmid, &params));
    EXPECT_TRUE(SameBytes(*reloaded, *project, kAreaPrograms.offset,
                          ProgramBankCount(pmid) * kAreaPrograms.BankSize()));
}

// Each fault of the instrument during the synchronisation: Connect still brings the link up, the
// user is asked as the case needs, and no half-received dump reaches the image.
class SynchronisationFaults : public ConnectTable {};

TEST_P(SynchronisationFaults, Row) {
    const unsigned char pmid = Model();
    using Sim::Fault;
    using Sim::FaultAction;
    Fault late = Fault::Make(FaultAction::Delay, Sim::Rx::AllReq);
    late.delayMs = 300;
    Fault nak = Fault::Make(FaultAction::ErrorReply, Sim::Rx::AllReq).Times(0);
    nak.reason = Sim::Reason::Other;
    Fault cut = Fault::Make(FaultAction::AbortReply, Sim::Rx::AllReq).Times(0);
    cut.offset = 5000;
    Fault truncated = Fault::Make(FaultAction::Truncate, Sim::Rx::AllReq).Times(0);
    truncated.offset = 20000;
    const struct {
        const char* what;
        Fault fault;
        std::vector<int> answers;
        bool synced;
        int requests;
    } cases[] = {
        {"no reply, retried once then given up",
         Fault::Make(FaultAction::NoReply, Sim::Rx::AllReq).Times(0),
         {HFC_MB_RESULT_DEFAULT, HFC_MB_RESULT_CANCEL},
         false,
         2},
        {"no reply once, retried",
         Fault::Make(FaultAction::NoReply, Sim::Rx::AllReq),
         {HFC_MB_RESULT_DEFAULT},
         true,
         2},
        {"late reply", late, {}, true, 1},
        {"load error", nak, {HFC_MB_RESULT_CANCEL}, false, 1},
        {"dump cut off by an error", cut, {HFC_MB_RESULT_CANCEL}, false, 1},
        {"dump cut off", truncated, {HFC_MB_RESULT_CANCEL}, false, 1},
        {"port vanishes",
         Fault::Make(FaultAction::Vanish, Sim::Rx::AllReq),
         {HFC_MB_RESULT_CANCEL},
         false,
         1},
    };
    auto initial = std::make_unique<CHUNK_REMOTESYNTH>();
    InitAllChunk(initial.get());
    const auto& c = cases[Row()];
    {
        SCOPED_TRACE(c.what);
        Make(pmid, false);
        sim->With([&](Sim::SimCore& core) { core.AddFault(c.fault); });
        asked.clear();
        Answer(c.answers);
        TraceCapture trace;
        EXPECT_TRUE(synth->Connect(false, true));
        const std::string text = trace.Text();
        EXPECT_EQ(impl->IsSynced(), c.synced);
        EXPECT_EQ(asked.size(), c.answers.size());
        EXPECT_NE(text.find(c.synced ? "initial persistence succeeded" : "initial persistence failed"),
                  std::string::npos)
            << text;
        EXPECT_EQ(Received(Sim::Rx::AllReq), c.requests);
        if (!c.synced) {
            // Nothing of a dump that did not arrive whole is in the image.
            auto im = Image();
            EXPECT_TRUE(SameBytes(*im, *initial, 0, kAreaMultis.End()));
            EXPECT_TRUE(impl->IsConnected());
        }
    }
}
INSTANTIATE_TEST_SUITE_P(BothModels, SynchronisationFaults,
                         ::testing::Combine(::testing::Values(kPmidTolva, kPmidNerimo),
                                            ::testing::Range(0, 7)));

TEST_P(SynthConnect, RetriesEndWhenNobodyCanAnswerOrTheOwnerCloses) {
    const unsigned char pmid = Model();
    // No display and no hook: no question, one attempt.
    Make(pmid, false);
    sim->With([](Sim::SimCore& c) {
        c.AddFault(Sim::Fault::Make(Sim::FaultAction::NoReply, Sim::Rx::AllReq).Times(0));
    });
    HfcSetMessageBoxHook(nullptr);
    EXPECT_TRUE(synth->Connect(false, true));
    EXPECT_FALSE(impl->IsSynced());
    EXPECT_EQ(Received(Sim::Rx::AllReq), 1);
    TearDown();
    SetUp();

    // A user who would retry for ever, and the owner closing from another thread: the running
    // attempt ends and no further question is asked.
    Make(pmid, false);
    sim->With([](Sim::SimCore& c) {
        c.AddFault(Sim::Fault::Make(Sim::FaultAction::NoReply, Sim::Rx::AllReq).Times(0));
    });
    std::atomic<int> questions{0};
    HfcSetMessageBoxHook([&](const HfcMessageBoxRequest&) {
        ++questions;
        return static_cast<int>(HFC_MB_RESULT_DEFAULT);
    });
    std::thread closer([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        impl->SetClosing();
    });
    EXPECT_TRUE(synth->Connect(false, true));
    closer.join();
    EXPECT_FALSE(impl->IsSynced());
    EXPECT_LE(questions.load(), 1);
    EXPECT_LE(Received(Sim::Rx::AllReq), 2);
}

// A host hands its state over, or saves, while Connect runs: from inside a question, and from the
// progress loop of the synchronisation. The state is kept, merged, and never answered with a half
// image.
class HostChunksDuringConnect : public ConnectTable {};

TEST_P(HostChunksDuringConnect, AreKeptAndMerged) {
    const unsigned char pmid = Model();
    const bool fromProgress = Row() == 1;
    {
        SCOPED_TRACE(fromProgress ? "from the progress loop" : "from a question");
        Make(pmid, false);
        FilterProgramsOnly(synth->GetSetup());
        auto project = KnownImage(61);
        const std::string chunk = StreamOf(pmid, *project, FTYPE_VSTBANK);
        std::vector<std::string> savedMeanwhile;
        bool loaded = false;
        auto host = [&] {
            EXPECT_TRUE(impl->IsConnecting());
            savedMeanwhile.push_back(Save(FTYPE_VSTBANK));
            loaded = Load(chunk);
            savedMeanwhile.push_back(Save(FTYPE_VSTBANK));
        };
        std::thread poster;
        if (!fromProgress) {
            synth->SetMIDIInPortName("Nowhere MIDI");
            synth->SetMIDIOutPortName("Nowhere MIDI");
            Answer({HFC_MB_RESULT_DEFAULT}, host);
        } else {
            // Once the progress display is up, the host's call arrives through the main loop.
            poster = std::thread([&] {
                const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(10);
                while (!headless.IsShown() && std::chrono::steady_clock::now() < until)
                    std::this_thread::sleep_for(std::chrono::milliseconds(1));
                loop.Post(nullptr, host);
            });
        }
        ASSERT_TRUE(synth->Connect(false, true));
        if (poster.joinable()) poster.join();
        Pump();
        ASSERT_TRUE(loaded);
        EXPECT_EQ(savedMeanwhile, (std::vector<std::string>{kEmpty, chunk}));
        EXPECT_FALSE(impl->IsConnecting());
        EXPECT_TRUE(impl->IsSynced());
        EXPECT_TRUE(impl->PendingState().empty());
        auto merged = Image();
        EXPECT_TRUE(SameBytes(*merged, *project, kAreaPrograms.offset,
                              ProgramBankCount(pmid) * kAreaPrograms.BankSize()));
        Settle();
        auto diffs = Relevant(false);
        EXPECT_TRUE(diffs.empty()) << Sim::FormatDiffs(diffs);
    }
}
INSTANTIATE_TEST_SUITE_P(BothModels, HostChunksDuringConnect,
                         ::testing::Combine(::testing::Values(kPmidTolva, kPmidNerimo),
                                            ::testing::Range(0, 2)));

TEST_P(SynthConnect, ThePollSeesTheInstrumentGoAndComeBack) {
    Make(Model());
    Pump();
    log.Clear();
    sim->With([](Sim::SimCore& c) {
        c.AddFault(Sim::Fault::Make(Sim::FaultAction::NoReply, Sim::Rx::ModeAndStateReq).Times(0));
    });
    ASSERT_TRUE(PumpUntil([&] { return log.Has("conn 1 0"); }, 10000)) << log.Joined();
    EXPECT_FALSE(Online());
    EXPECT_TRUE(impl->IsConnected());
    sim->With([](Sim::SimCore& c) { c.ClearFaults(); });
    ASSERT_TRUE(PumpUntil([&] { return log.Has("conn 1 1"); }, 10000)) << log.Joined();
    EXPECT_TRUE(Online());
    // One event each way.
    Pump(200);
    EXPECT_EQ(log.Count("conn 1 0"), 1) << log.Joined();
    EXPECT_EQ(log.Count("conn 1 1"), 1) << log.Joined();

    // Disconnected, the poll runs on and tells nothing.
    synth->Disconnect();
    Pump();
    log.Clear();
    Pump(2500);
    EXPECT_EQ(log.Joined(), "");
}

TEST_P(SynthConnect, ConnectWhileConnectedOnlyTellsTheStateAgain) {
    Make(Model());
    Pump();
    log.Clear();
    ClearSim();
    EXPECT_TRUE(synth->Connect(false, true));
    Pump();
    EXPECT_EQ(log.Joined(), "conn 1 1");
    EXPECT_EQ(Received(Sim::Rx::AllReq), 0);
}

INSTANTIATE_TEST_SUITE_P(BothModels, SynthConnect, ::testing::Values(kPmidTolva, kPmidNerimo));

}  // namespace
