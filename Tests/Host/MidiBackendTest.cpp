// What the standalone program needs of the MIDI backends: a start without a sequencer, this
// process's other clients never listed, setup notices.
#include <alsa/asoundlib.h>
#include <gtest/gtest.h>
#include <unistd.h>

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
