// The link's sequencer ports among other clients, both models: a second client (a keyboard, a
// patchbay, a session manager restoring its connections) can neither subscribe to them nor, sending
// notes straight into the input port during a whole-memory receive, break the instrument's dump; and
// an instrument whose card name is long enough that its port key does not fit the setup's row is
// found again by its saved port names at the next start, with no question.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <memory>
#include <string>
#include <thread>

#include "Common/Model/ModelStrings.h"
#include "SequencerFixture.h"

namespace {

using namespace QorX0;
using AlsaTest::SequencerSynthFixture;

class SequencerPorts : public SequencerSynthFixture, public ::testing::WithParamInterface<unsigned char> {
protected:
    std::string Saved(int pid) { return multiszlong(synth->GetSetup()->GetParamS(pid)); }
};

// A client of its own that plays notes straight into a port, as a keyboard patched there does.
class NotePlayer {
public:
    NotePlayer() {
        if (snd_seq_open(&m_seq, "default", SND_SEQ_OPEN_DUPLEX, 0) < 0) {
            m_seq = nullptr;
            return;
        }
        snd_seq_set_client_name(m_seq, "Keyboard");
        m_port = snd_seq_create_simple_port(m_seq, "Keyboard Out",
                                            SND_SEQ_PORT_CAP_READ | SND_SEQ_PORT_CAP_SUBS_READ,
                                            SND_SEQ_PORT_TYPE_MIDI_GENERIC | SND_SEQ_PORT_TYPE_APPLICATION);
    }
    ~NotePlayer() {
        Stop();
        if (m_seq) snd_seq_close(m_seq);
    }
    bool Ok() const { return m_seq != nullptr && m_port >= 0; }
    // Whether the sequencer lets this client subscribe its port to the target.
    bool CanSubscribeTo(const snd_seq_addr_t& target) {
        if (snd_seq_connect_to(m_seq, m_port, target.client, target.port) < 0) return false;
        snd_seq_disconnect_to(m_seq, m_port, target.client, target.port);
        return true;
    }
    // Notes on and off straight to the target, one every 2 ms, until Stop.
    void Start(const snd_seq_addr_t& target) {
        m_thread = std::thread([this, target] {
            for (int n = 0; !m_stop.load(); ++n) {
                snd_seq_event_t ev;
                snd_seq_ev_clear(&ev);
                snd_seq_ev_set_source(&ev, static_cast<unsigned char>(m_port));
                snd_seq_ev_set_dest(&ev, target.client, target.port);
                snd_seq_ev_set_direct(&ev);
                if (n % 2 == 0) {
                    snd_seq_ev_set_noteon(&ev, 0, static_cast<unsigned char>(48 + n % 24), 100);
                } else {
                    snd_seq_ev_set_noteoff(&ev, 0, static_cast<unsigned char>(48 + (n - 1) % 24), 0);
                }
                if (snd_seq_event_output_direct(m_seq, &ev) >= 0) m_sent.fetch_add(1);
                std::this_thread::sleep_for(std::chrono::milliseconds(2));
            }
        });
    }
    void Stop() {
        m_stop.store(true);
        if (m_thread.joinable()) m_thread.join();
    }
    int Sent() const { return m_sent.load(); }

private:
    snd_seq_t* m_seq = nullptr;
    int m_port = -1;
    std::atomic<bool> m_stop{false};
    std::atomic<int> m_sent{0};
    std::thread m_thread;
};

TEST_P(SequencerPorts, ASecondClientCannotSubscribeAndItsNotesDuringAReceiveAllChangeNothing) {
    const unsigned char pmid = GetParam();
    ASSERT_NO_FATAL_FAILURE(ConnectOnline(pmid));
    snd_seq_addr_t input{};
    ASSERT_TRUE(client->Reader(&input)) << "no port receives from the instrument";

    NotePlayer keyboard;
    ASSERT_TRUE(keyboard.Ok());
    EXPECT_FALSE(keyboard.CanSubscribeTo(input)) << "another client subscribed to the link's input";

    keyboard.Start(input);
    const bool received = synth->ExecCommand(2, 0, 0, 0, 0);  // receive all
    keyboard.Stop();
    ASSERT_TRUE(received);
    EXPECT_GT(keyboard.Sent(), 10) << "the notes went nowhere";
    Settle();
    const auto diffs = Relevant(pmid);
    EXPECT_TRUE(diffs.empty()) << Sim::FormatDiffs(diffs);
    EXPECT_TRUE(Online());
}

TEST_P(SequencerPorts, AnInstrumentWithALongCardNameIsFoundByItsSavedPortsAtTheNextStart) {
    const unsigned char pmid = GetParam();
    // 21 characters: its port key, card name and port name, is longer than the setup's row.
    const std::string card = pmid == kPmidTolva ? "Tolva USB Synthesizer" : "Nerimo USB Synthesize";
    ASSERT_EQ(card.size(), 21u);
    sim = std::make_unique<Sim::SimInstrument>(SynthTest::SimModel(pmid), 0);
    sim->With([](Sim::SimCore& c) { c.Image().FillFactory(7); });
    client = std::make_unique<Sim::SimAlsaClient>(*sim, card, card + " MIDI 1");
    ASSERT_TRUE(client->Ok()) << client->Error();

    // First start: nothing saved, the inquiry finds it and the setup keeps its port names.
    MakeSynth(pmid, false);
    ConnectShowingPairs();
    ASSERT_TRUE(Online());
    const std::string in = Saved(CSetupSectionImpl::kPidMidiInName);
    const std::string out = Saved(CSetupSectionImpl::kPidMidiOutName);
    EXPECT_LT(in.size(), client->KeyName().size());
    EXPECT_EQ(in, client->KeyName().substr(0, in.size()));
    EXPECT_EQ(out, in);
    synth->UnadviseSink(&log);
    synth.reset();

    // Next start with the saved names: found by them, at once, and no question asked (a message
    // box fails the test).
    MakeSynth(pmid, in, out);
    EXPECT_EQ(ConnectShowingPairs(), 1u) << "the saved pair alone is tried";
    EXPECT_TRUE(Online());
    EXPECT_EQ(unexpectedBoxes, 0);
}

INSTANTIATE_TEST_SUITE_P(BothModels, SequencerPorts, ::testing::Values(kPmidTolva, kPmidNerimo),
                         [](const auto& info) { return info.param == kPmidTolva ? "Tolva" : "Nerimo"; });

}  // namespace
