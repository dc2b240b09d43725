// What the standalone program needs of the MIDI backends: a start without a sequencer, this
// process's other clients never listed, setup notices, one input port for several sources.
#include <alsa/asoundlib.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <memory>
#include <mutex>
#include <string>
#include <utility>
#include <vector>

#include "Host/HostMIDIManager.h"
#include "HostFakes.h"
#include "Linux/MidiIO/Alsa/AlsaBackend.h"

TEST(HostMidiBackend, ManagerStartsWithOrWithoutASequencer) {
    FakeShell shell;
    FakeUnit unit;
    IMidiBackend* alsa = AlsaMidiBackend();
    VintorHostMIDIManager manager(alsa, &unit, &shell);
    std::vector<MidiEntry> inputs, clock;
    const MIDIEndpointList list(alsa);
    if (access("/dev/snd/seq", F_OK) != 0) {
        EXPECT_EQ(list.GetSourceCount(), 0);
        EXPECT_EQ(list.GetDestCount(), 0);
    }
    // Probing sends only to what is listed; with no sequencer there is nothing to wait for.
    if (list.GetDestCount() == 0) {
        manager.BuildMidiEntries(list, &inputs, &clock);
        EXPECT_EQ(inputs.size(), static_cast<size_t>(list.GetSourceCount()));
    }
    EXPECT_EQ(manager.GetTempo(), 120.0);
}

TEST(HostMidiBackend, ClientsOfThisProcessAreNeverListed) {
    if (access("/dev/snd/seq", F_OK) != 0) GTEST_SKIP() << "no ALSA sequencer on this machine";
    AlsaMidiListOwnProcessClients(false);
    snd_seq_t* other = nullptr;
    ASSERT_EQ(snd_seq_open(&other, "default", SND_SEQ_OPEN_DUPLEX, 0), 0);
    snd_seq_set_client_name(other, "Same Process Client");
    const int port =
        snd_seq_create_simple_port(other, "Out",
                                   SND_SEQ_PORT_CAP_READ | SND_SEQ_PORT_CAP_SUBS_READ |
                                       SND_SEQ_PORT_CAP_WRITE | SND_SEQ_PORT_CAP_SUBS_WRITE,
                                   SND_SEQ_PORT_TYPE_MIDI_GENERIC | SND_SEQ_PORT_TYPE_APPLICATION);
    ASSERT_GE(port, 0);
    for (const auto& e : AlsaMidiBackend()->Sources()) EXPECT_NE(e.device, "Same Process Client");
    for (const auto& e : AlsaMidiBackend()->Destinations()) EXPECT_NE(e.device, "Same Process Client");
    snd_seq_close(other);
}

// The name a port is asked to carry, or the plug-in's names when none is asked.
TEST(HostMidiBackend, SequencerPortNames) {
    struct Case {
        const char* asked;
        bool input;
        const char* name;
    };
    const Case cases[] = {
        {nullptr, true, "Input Port"},
        {"", false, "Output Port"},
        {VintorHostMIDIManager::kInputPortName, true, "Vintor Input Port"},
        {VintorHostMIDIManager::kClockPortName, true, "Vintor ClockSync Input Port"},
        {VintorHostMIDIManager::kOutputPortName, false, "Vintor Output Port"},
    };
    for (const Case& c : cases)
        EXPECT_STREQ(AlsaMidiPortName(c.asked, c.input), c.name) << (c.asked ? c.asked : "(null)");
}

// On a real sequencer the ports this process opens carry the names they were opened with, as another
// program lists them.
TEST(HostMidiBackend, OpenedPortsCarryTheirNamesOnTheSequencer) {
    if (access("/dev/snd/seq", R_OK | W_OK) != 0)
        GTEST_SKIP() << "no ALSA sequencer here (/dev/snd/seq is missing or not accessible)";
    snd_seq_t* peer = nullptr;
    ASSERT_EQ(snd_seq_open(&peer, "default", SND_SEQ_OPEN_DUPLEX, 0), 0);
    snd_seq_set_client_name(peer, "Port Name Peer");
    const int client = snd_seq_client_id(peer);
    const int out = snd_seq_create_simple_port(
        peer, "Out", SND_SEQ_PORT_CAP_READ | SND_SEQ_PORT_CAP_SUBS_READ, SND_SEQ_PORT_TYPE_MIDI_GENERIC);
    const int in = snd_seq_create_simple_port(
        peer, "In", SND_SEQ_PORT_CAP_WRITE | SND_SEQ_PORT_CAP_SUBS_WRITE, SND_SEQ_PORT_TYPE_MIDI_GENERIC);
    ASSERT_GE(out, 0);
    ASSERT_GE(in, 0);
    struct Sink : IMidiPacketSink {
        void OnMidiPacket(const uint8_t*, size_t) override {}
    } sink;
    IMidiBackend* alsa = AlsaMidiBackend();
    std::vector<std::unique_ptr<IMidiBackendInput>> inputs;
    std::vector<std::unique_ptr<IMidiBackendOutput>> outputs;
    for (const char* name : {VintorHostMIDIManager::kInputPortName, VintorHostMIDIManager::kClockPortName,
                             static_cast<const char*>(nullptr)})
        inputs.push_back(alsa->OpenInput(AlsaEndpointHandle(client, out), &sink, name));
    for (const char* name : {VintorHostMIDIManager::kOutputPortName, static_cast<const char*>(nullptr)})
        outputs.push_back(alsa->OpenOutput(AlsaEndpointHandle(client, in), name));
    for (const auto& i : inputs) ASSERT_NE(i, nullptr);
    for (const auto& o : outputs) ASSERT_NE(o, nullptr);

    // Every port of this process's other clients, as the peer sees them.
    std::vector<std::string> names;
    snd_seq_client_info_t* info;
    snd_seq_port_info_t* port;
    snd_seq_client_info_alloca(&info);
    snd_seq_port_info_alloca(&port);
    snd_seq_client_info_set_client(info, -1);
    while (snd_seq_query_next_client(peer, info) >= 0) {
        const int id = snd_seq_client_info_get_client(info);
        if (id == client || snd_seq_client_info_get_pid(info) != static_cast<int>(getpid())) continue;
        snd_seq_port_info_set_client(port, id);
        snd_seq_port_info_set_port(port, -1);
        while (snd_seq_query_next_port(peer, port) >= 0) names.push_back(snd_seq_port_info_get_name(port));
    }
    for (const char* want : {"Vintor Input Port", "Vintor ClockSync Input Port", "Vintor Output Port",
                             "Input Port", "Output Port"})
        EXPECT_NE(std::find(names.begin(), names.end(), want), names.end()) << want;
    inputs.clear();
    outputs.clear();
    snd_seq_close(peer);
}

// On a real sequencer one input port takes several sources: each event is told apart by its
// sender, and a source disconnected is heard no more while the others go on.
TEST(HostMidiBackend, OneInputPortTakesSeveralSourcesOnTheSequencer) {
    if (access("/dev/snd/seq", R_OK | W_OK) != 0)
        GTEST_SKIP() << "no ALSA sequencer here (/dev/snd/seq is missing or not accessible)";
    snd_seq_t* peer = nullptr;
    ASSERT_EQ(snd_seq_open(&peer, "default", SND_SEQ_OPEN_DUPLEX, 0), 0);
    snd_seq_set_client_name(peer, "Shared Port Peer");
    const int client = snd_seq_client_id(peer);
    int out[2];
    for (int& port : out) {
        port = snd_seq_create_simple_port(peer, "Out", SND_SEQ_PORT_CAP_READ | SND_SEQ_PORT_CAP_SUBS_READ,
                                          SND_SEQ_PORT_TYPE_MIDI_GENERIC);
        ASSERT_GE(port, 0);
    }
    const uint32_t first = AlsaEndpointHandle(client, out[0]), second = AlsaEndpointHandle(client, out[1]);
    struct Sink : IMidiPacketSink {
        void OnMidiPacket(const uint8_t*, size_t) override {}
        void OnMidiPacketFrom(uint32_t source, uint64_t, const uint8_t* bytes, size_t length) override {
            std::lock_guard<std::mutex> g(lock);
            if (length >= 2) heard.emplace_back(source, bytes[1]);
        }
        std::vector<std::pair<uint32_t, uint8_t>> Heard() {
            std::lock_guard<std::mutex> g(lock);
            return heard;
        }
        std::mutex lock;
        std::vector<std::pair<uint32_t, uint8_t>> heard;
    } sink;
    auto port = AlsaMidiBackend()->OpenInputPort(&sink, VintorHostMIDIManager::kInputPortName);
    ASSERT_NE(port, nullptr);
    ASSERT_TRUE(port->ConnectSource(first));
    ASSERT_TRUE(port->ConnectSource(second));
    EXPECT_TRUE(port->ConnectSource(second));  // connected already
    const auto sendNote = [&](int from, int note) {
        snd_seq_event_t ev;
        snd_seq_ev_clear(&ev);
        snd_seq_ev_set_noteon(&ev, 0, note, 64);
        snd_seq_ev_set_source(&ev, from);
        snd_seq_ev_set_subs(&ev);
        snd_seq_ev_set_direct(&ev);
        snd_seq_event_output_direct(peer, &ev);
    };
    const auto waitHeard = [&](size_t count) {
        for (int i = 0; i < 200 && sink.Heard().size() < count; ++i) usleep(10000);
        return sink.Heard();
    };
    sendNote(out[0], 60);
    sendNote(out[1], 62);
    using Heard = std::vector<std::pair<uint32_t, uint8_t>>;
    EXPECT_EQ(waitHeard(2), (Heard{{first, 60}, {second, 62}}));
    port->DisconnectSource(second);
    sendNote(out[1], 64);
    sendNote(out[0], 65);
    EXPECT_EQ(waitHeard(3), (Heard{{first, 60}, {second, 62}, {first, 65}}));
    usleep(100000);
    EXPECT_EQ(sink.Heard().size(), 3u);
    port.reset();
    snd_seq_close(peer);
}
