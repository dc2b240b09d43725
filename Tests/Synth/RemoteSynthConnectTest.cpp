// Connect, disconnect and the poll against the simulated instrument: which ports are tried and when
// the user is asked, local control for each kind of host, the synchronisation, the merge of the
// host's state, every fault of the instrument, host chunks handed over while Connect runs, and the
// poll seeing the instrument go and come back.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <functional>
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
    // Once the progress display is up, work arrives through the main loop (what a host's call does
    // while a transfer runs). The caller joins the thread.
    std::thread PostWhenProgressShows(std::function<void()> work) {
        return std::thread([this, work] {
            const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(10);
            while (!headless.IsShown() && std::chrono::steady_clock::now() < until)
                std::this_thread::sleep_for(std::chrono::milliseconds(1));
            loop.Post(nullptr, work);
        });
    }
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

TEST_P(SynthConnect, AMergeWhoseSendFailsKeepsThePendingStateForTheNextConnect) {
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
    // Still pending; meanwhile the editor shows the project's programs and a host save hands them over.
    EXPECT_EQ(impl->PendingState(), chunk);
    auto merged = Image();
    const unsigned programs = ProgramBankCount(pmid) * kAreaPrograms.BankSize();
    EXPECT_TRUE(SameBytes(*merged, *project, kAreaPrograms.offset, programs));
    auto reloaded = Reloaded(Save(FTYPE_VSTBANK), *merged);
    ASSERT_TRUE(reloaded);
    EXPECT_TRUE(SameBytes(*reloaded, *project, kAreaPrograms.offset, programs));

    // The next Connect merges it, once, and the instrument has it.
    sim->With([](Sim::SimCore& c) { c.ClearFaults(); });
    synth->Disconnect();
    EXPECT_EQ(Save(FTYPE_VSTBANK), chunk);
    ASSERT_TRUE(synth->Connect(false, true));
    EXPECT_TRUE(impl->PendingItems().empty());
    Settle();
    auto diffs = Relevant(false);
    EXPECT_TRUE(diffs.empty()) << Sim::FormatDiffs(diffs);
    sim->WaitIdle();
    EXPECT_TRUE(sim->With([&](Sim::SimCore& c) {
        return std::memcmp(c.Image().Record(Sim::Area::Program, 0), project->Bytes() + kAreaPrograms.offset,
                           programs) == 0;
    }));
}

// Files of one bank or item opened while no instrument is there go, at the next Connect, where the
// user put them; the first slot of their kind keeps the instrument's own.
class LoadedWhileDisconnected : public ConnectTable {};

TEST_P(LoadedWhileDisconnected, LandsWhereItWasPut) {
    const unsigned char pmid = Model();
    const struct {
        FTYPE kind;
        unsigned index;
        Sim::Area area;
        int first, count;  // the records it fills in the instrument's area
    } rows[] = {
        {FTYPE_BANKPROG, 2, Sim::Area::Program, 2 * 128, 128},
        {FTYPE_BANKCOMBI, 1, Sim::Area::Combination, 128, 128},
        {FTYPE_DKIT, 39, Sim::Area::DrumKit, 39, 1},
        {FTYPE_APAT, 200, Sim::Area::ArpPattern, 200, 1},
        {FTYPE_EXTC, 10, Sim::Area::ExtControl, 10, 1},
    };
    const auto& row = rows[Row()];
    if (pmid == kPmidTolva && row.kind == FTYPE_EXTC)
        GTEST_SKIP() << "the Tolva has no external-control sets";
    Make(pmid, false);
    auto file = KnownImage(70 + static_cast<uint32_t>(Row()));
    const Sim::AreaInfo& info = Sim::GetAreaInfo(row.area);
    const size_t size = info.recordSize * static_cast<size_t>(row.count);
    const unsigned offset = static_cast<unsigned>(info.offset + info.recordSize * row.first);
    std::vector<uint8_t> firstBefore(size);
    sim->With([&](Sim::SimCore& c) { std::memcpy(firstBefore.data(), c.Image().Record(row.area, 0), size); });
    ASSERT_TRUE(Load(StreamOf(pmid, *file, row.kind, row.index), row.index));
    // Shown at once, where it was put.
    EXPECT_TRUE(SameBytes(*Image(), *file, offset, static_cast<unsigned>(size)));

    ASSERT_TRUE(synth->Connect(false, true));
    EXPECT_TRUE(impl->PendingItems().empty());
    EXPECT_TRUE(SameBytes(*Image(), *file, offset, static_cast<unsigned>(size)));
    EXPECT_TRUE(SimRecordIs(row.area, row.first, file->Bytes() + offset, size));
    EXPECT_TRUE(SimRecordIs(row.area, 0, firstBefore.data(), size));
    Settle();
    auto diffs = Relevant(false);
    EXPECT_TRUE(diffs.empty()) << Sim::FormatDiffs(diffs);
}
INSTANTIATE_TEST_SUITE_P(BothModels, LoadedWhileDisconnected,
                         ::testing::Combine(::testing::Values(kPmidTolva, kPmidNerimo),
                                            ::testing::Range(0, 5)));

TEST_P(SynthConnect, TheHostsStateAndAFileOpenedOnTopAreBothMergedOnce) {
    const unsigned char pmid = Model();
    Make(pmid, false);
    FilterProgramsOnly(synth->GetSetup());
    auto project = KnownImage(81);
    auto opened = KnownImage(82);
    const std::string chunk = StreamOf(pmid, *project, FTYPE_VSTBANK);
    ASSERT_TRUE(Load(chunk));
    ASSERT_TRUE(Load(StreamOf(pmid, *opened, FTYPE_PROG)));
    ClearSim();
    ASSERT_TRUE(synth->Connect(false, true));
    EXPECT_TRUE(impl->PendingItems().empty());
    const unsigned programs = ProgramBankCount(pmid) * kAreaPrograms.BankSize();
    auto merged = Image();
    EXPECT_TRUE(SameBytes(*merged, *project, kAreaPrograms.offset, programs));
    EXPECT_TRUE(SameBytes(*merged, *opened, kAreaCurProgram.offset, kSizeProgram));
    // One send of everything.
    EXPECT_EQ(Received(Sim::Code::AllDump), 1);
    EXPECT_TRUE(SimRecordIs(Sim::Area::Program, 0, project->Bytes() + kAreaPrograms.offset, programs));
    EXPECT_TRUE(
        SimRecordIs(Sim::Area::CurProgram, 0, opened->Bytes() + kAreaCurProgram.offset, kSizeProgram));
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
            poster = PostWhenProgressShows(host);
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

// A host hands its state over while connected: the call never waits for a transfer. The state is
// shown and pending at once; it goes to the instrument after the call (online) or when the
// instrument answers again (offline); a host save meanwhile hands over what the editor shows; a
// send that fails keeps it pending for the next Connect.
class HostChunkWhileConnected : public ConnectTable {};

TEST_P(HostChunkWhileConnected, NeverWaitsForTheInstrument) {
    const unsigned char pmid = Model();
    enum { kOnline, kOffline, kSendFails };
    const int row = static_cast<int>(Row());
    SCOPED_TRACE(row == kOnline ? "online" : row == kOffline ? "offline" : "the send fails");
    Make(pmid, true, true);
    Pump();
    if (row == kOffline) {
        synth->PutMode(kModeProgPlay);
        sim->With([](Sim::SimCore& c) {
            c.AddFault(Sim::Fault::Make(Sim::FaultAction::NoReply, Sim::Rx::ModeAndStateReq).Times(0));
        });
        ASSERT_TRUE(PumpUntil([&] { return log.Has("conn 1 0"); }, 10000)) << log.Joined();
        sim->With([](Sim::SimCore& c) {
            c.AddFault(Sim::Fault::Make(Sim::FaultAction::NoReply, Sim::kAnyCode).Times(0));
        });
        // A host save asks nothing of an instrument that does not answer.
        ClearSim();
        EXPECT_GT(Save(FTYPE_VSTBANK).size(), 4u);
        EXPECT_TRUE(Codes().empty());
    }
    if (row == kSendFails) {
        sim->With([](Sim::SimCore& c) {
            c.AddFault(Sim::Fault::Make(Sim::FaultAction::ErrorReply, Sim::Code::AllDump).Times(0));
        });
    }
    auto project = KnownImage(91);
    const std::string chunk = StreamOf(pmid, *project, FTYPE_VSTBANK);
    const unsigned programs = ProgramBankCount(pmid) * kAreaPrograms.BankSize();
    ClearSim();
    ASSERT_TRUE(Load(chunk));
    // Returned before anything went to the instrument, with the state shown and pending.
    EXPECT_TRUE(Codes().empty());
    EXPECT_EQ(impl->PendingState(), chunk);
    EXPECT_TRUE(SameBytes(*Image(), *project, kAreaPrograms.offset, programs));

    // A host save while the send runs hands over the state shown.
    std::string savedMeanwhile;
    std::thread poster = PostWhenProgressShows([&] { savedMeanwhile = Save(FTYPE_VSTBANK); });
    if (row == kOffline) {
        Pump(300);
        EXPECT_EQ(impl->PendingState(), chunk);
        sim->With([](Sim::SimCore& c) { c.ClearFaults(); });
    }
    if (row == kSendFails) {
        ASSERT_TRUE(PumpUntil([&] { return Received(Sim::Code::AllDump) > 0; }, 10000));
        Settle();
        EXPECT_EQ(impl->PendingState(), chunk);
    } else {
        ASSERT_TRUE(PumpUntil([&] { return impl->PendingItems().empty(); }, 10000));
        Settle();
        EXPECT_TRUE(SimRecordIs(Sim::Area::Program, 0, project->Bytes() + kAreaPrograms.offset, programs));
    }
    poster.join();
    Pump();
    auto reloaded = Reloaded(savedMeanwhile, *Image());
    ASSERT_TRUE(reloaded);
    EXPECT_TRUE(SameBytes(*reloaded, *project, kAreaPrograms.offset, programs));

    if (row == kSendFails) {
        // The next Connect merges it.
        sim->With([](Sim::SimCore& c) { c.ClearFaults(); });
        synth->Disconnect();
        ASSERT_TRUE(synth->Connect(false, true));
        EXPECT_TRUE(impl->PendingItems().empty());
        EXPECT_TRUE(SimRecordIs(Sim::Area::Program, 0, project->Bytes() + kAreaPrograms.offset, programs));
    }
}
INSTANTIATE_TEST_SUITE_P(BothModels, HostChunkWhileConnected,
                         ::testing::Combine(::testing::Values(kPmidTolva, kPmidNerimo),
                                            ::testing::Range(0, 3)));

// Handed over while another transfer's progress loop runs, the host's chunk is sent once that
// transfer is over.
TEST_P(SynthConnect, AHostChunkHandedOverDuringATransferIsSentAfterIt) {
    const unsigned char pmid = Model();
    Make(pmid, true, true);
    auto project = KnownImage(93);
    const std::string chunk = StreamOf(pmid, *project, FTYPE_VSTBANK);
    bool loaded = false;
    std::thread poster = PostWhenProgressShows([&] { loaded = Load(chunk); });
    // Every program requested from the instrument, with the progress display, for about a second.
    sim->SetPacing(Sim::Pacing::Rate(200000, 1024));
    EXPECT_TRUE(synth->ExecCommand(4, 2, -1, -1, 2));
    poster.join();
    sim->SetPacing(Sim::Pacing::Unthrottled());
    ASSERT_TRUE(PumpUntil([&] { return loaded && impl->PendingItems().empty(); }, 10000));
    const unsigned programs = ProgramBankCount(pmid) * kAreaPrograms.BankSize();
    EXPECT_TRUE(SimRecordIs(Sim::Area::Program, 0, project->Bytes() + kAreaPrograms.offset, programs));
}

// The instrument switched off and on: its ports vanish and come back under the same names. The
// link comes back by itself, as Connect brings it up (local control, synchronisation), and a
// transfer then succeeds.
TEST_P(SynthConnect, AnInstrumentSwitchedOffAndOnComesBackOnline) {
    const unsigned char pmid = Model();
    Make(pmid, false);
    synth->GetSetup()->PutParamI(kPidAutoLocalControl, 1);
    sim->With([](Sim::SimCore& c) { c.State().localControl = true; });
    ASSERT_TRUE(synth->Connect(false, true));
    EXPECT_EQ(LocalControlMessages(), std::vector<int>{0});
    Pump();
    log.Clear();

    port.reset();
    ASSERT_TRUE(PumpUntil([&] { return log.Has("conn 1 0"); })) << log.Joined();
    EXPECT_TRUE(impl->IsConnected());
    // Switched on again: its memory as it was, local control back on, new ports of the same names.
    ClearSim();
    sim->With([](Sim::SimCore& c) {
        c.State().localControl = true;
        c.Image().Record(Sim::Area::Program, 5)[0] ^= 0x11;
    });
    port = std::make_unique<Sim::SimLoopbackPort>(loopback, *sim);
    ASSERT_TRUE(PumpUntil([&] { return log.Has("conn 1 1"); })) << log.Joined();
    EXPECT_TRUE(Online());
    EXPECT_TRUE(impl->IsSynced());
    EXPECT_EQ(LocalControlMessages(), std::vector<int>{0});
    Settle();
    auto diffs = Relevant();
    EXPECT_TRUE(diffs.empty()) << Sim::FormatDiffs(diffs);
    // A transfer on the link that came back.
    auto opened = KnownImage(95);
    ASSERT_TRUE(Load(StreamOf(pmid, *opened, FTYPE_PROG)));
    EXPECT_TRUE(
        SimRecordIs(Sim::Area::CurProgram, 0, opened->Bytes() + kAreaCurProgram.offset, kSizeProgram));
}

// An instrument switched on after the editor looked for it is found when its ports appear, with no
// question asked; a port that is not the instrument brings no question either.
TEST_P(SynthConnect, AnInstrumentSwitchedOnLaterIsFound) {
    const unsigned char pmid = Model();
    Make(pmid, false);
    port.reset();
    Answer({HFC_MB_RESULT_CANCEL});
    EXPECT_FALSE(synth->Connect(false, true));
    EXPECT_EQ(asked, std::vector<std::string>{kNotFound});
    HfcSetMessageBoxHook([this](const HfcMessageBoxRequest& r) {
        ADD_FAILURE() << "unexpected message box: " << r.text;
        return static_cast<int>(HFC_MB_RESULT_CANCEL);
    });
    const uint32_t other = loopback.AddSource("Keyboard", "Out");
    Pump(300);
    EXPECT_FALSE(impl->IsConnected());
    port = std::make_unique<Sim::SimLoopbackPort>(loopback, *sim);
    ASSERT_TRUE(PumpUntil([&] { return impl->IsConnected() && log.Has("conn 1 1"); })) << log.Joined();
    EXPECT_TRUE(impl->IsSynced());
    loopback.RemoveEndpoint(other);
    // Ended by the owner, it stays ended.
    synth->Disconnect();
    port.reset();
    port = std::make_unique<Sim::SimLoopbackPort>(loopback, *sim);
    Pump(300);
    EXPECT_FALSE(impl->IsConnected());
}

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

// While the instrument is silent the poll's wait for its answer never holds up the main thread:
// the thread's own timers run in the middle of that wait.
class TickCounter : public IAsyncDispatchHandler {
public:
    std::function<void()> onTick;
    void OnAsyncTimer(long) override { onTick(); }
    void OnAsyncEvent(long, long) override {}
};

TEST_P(SynthConnect, ThePollNeverHoldsUpTheMainThread) {
    Make(Model());
    sim->With([](Sim::SimCore& c) {
        c.AddFault(Sim::Fault::Make(Sim::FaultAction::NoReply, Sim::Rx::ModeAndStateReq).Times(0));
    });
    ASSERT_TRUE(PumpUntil([&] { return log.Has("conn 1 0"); }, 10000)) << log.Joined();
    std::unique_ptr<IAsyncDispatch> dispatch(AsyncDispatchCreate());
    TickCounter ticks;
    int64_t lastTick = -1, longestGap = 0;
    ticks.onTick = [&] {
        const int64_t now = sim->Clock().NowUs();
        if (lastTick >= 0) longestGap = std::max(longestGap, now - lastTick);
        lastTick = now;
    };
    long timer = 0;
    ASSERT_TRUE(dispatch->CreateTimer(&ticks, &timer));
    dispatch->SetTimerPeriod(timer, 20);
    const int requestsBefore = Received(Sim::Rx::ModeAndStateReq);
    Pump(4500);
    dispatch->DestroyTimer(timer);
    // Polls went out and waited their second for an answer that never came; the ticks went on.
    EXPECT_GE(Received(Sim::Rx::ModeAndStateReq) - requestsBefore, 2);
    EXPECT_LT(longestGap, 500000) << "the main thread stood still for " << longestGap / 1000 << " ms";
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
