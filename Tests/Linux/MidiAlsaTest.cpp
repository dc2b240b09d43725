// The ALSA sequencer backend against a second sequencer client made by the test. Runs only where a
// sequencer exists.
#include <alsa/asoundlib.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <memory>
#include <future>
#include <mutex>
#include <thread>
#include <vector>

#include "Linux/MidiIO/Alsa/AlsaBackend.h"
#include "Linux/MidiIO/MidiIO.h"
#include "Linux/SysTick.h"

namespace {

using Bytes = std::vector<uint8_t>;

class MidiAlsaThreaded : public ::testing::Test {
protected:
    void SetUp() override {
        if (access("/dev/snd/seq", R_OK | W_OK) != 0)
            GTEST_SKIP() << "no ALSA sequencer here (/dev/snd/seq is missing or not accessible)";
        AlsaMidiListOwnProcessClients(true);  // the peer lives in this process
        ASSERT_GE(snd_seq_open(&m_peer, "default", SND_SEQ_OPEN_DUPLEX, 0), 0);
        snd_seq_set_client_name(m_peer, "Backend Test Peer");
        m_client = snd_seq_client_id(m_peer);
        m_out =
            snd_seq_create_simple_port(m_peer, "Peer Out", SND_SEQ_PORT_CAP_READ | SND_SEQ_PORT_CAP_SUBS_READ,
                                       SND_SEQ_PORT_TYPE_MIDI_GENERIC);
        m_in = snd_seq_create_simple_port(m_peer, "Peer In",
                                          SND_SEQ_PORT_CAP_WRITE | SND_SEQ_PORT_CAP_SUBS_WRITE,
                                          SND_SEQ_PORT_TYPE_MIDI_GENERIC);
        m_hidden = snd_seq_create_simple_port(
            m_peer, "Peer Hidden",
            SND_SEQ_PORT_CAP_READ | SND_SEQ_PORT_CAP_SUBS_READ | SND_SEQ_PORT_CAP_NO_EXPORT,
            SND_SEQ_PORT_TYPE_MIDI_GENERIC);
        ASSERT_GE(m_out, 0);
        ASSERT_GE(m_in, 0);
        MidiBackendSet(nullptr);
    }
    void TearDown() override {
        if (m_peer) snd_seq_close(m_peer);
    }

    const MIDIDevKey* Find(const std::vector<MIDIDevKey>& keys, uint32_t handle) {
        for (const MIDIDevKey& k : keys)
            if (k.Handle() == handle) return &k;
        return nullptr;
    }

    // The 256 bytes of an exclusive message from at on (or what is left), as the kernel's events
    // carry them, from the peer's output.
    int SendPiece(const std::vector<uint8_t>& bytes, size_t at) {
        snd_seq_event_t ev;
        snd_seq_ev_clear(&ev);
        snd_seq_ev_set_sysex(&ev, static_cast<unsigned>(std::min<size_t>(256, bytes.size() - at)),
                             const_cast<uint8_t*>(bytes.data() + at));
        snd_seq_ev_set_source(&ev, m_out);
        snd_seq_ev_set_subs(&ev);
        snd_seq_ev_set_direct(&ev);
        return snd_seq_event_output_direct(m_peer, &ev);
    }

    snd_seq_t* m_peer = nullptr;
    int m_client = -1, m_out = -1, m_in = -1, m_hidden = -1;
};

class Collector : public IMIDIInCallback {
public:
    void OnMIDIShort(IMIDIIn*, long long, const void* d, unsigned n) override { Add(d, n); }
    void OnMIDILong(IMIDIIn*, long long, const void* d, unsigned n) override { Add(d, n); }
    Bytes Get() {
        std::lock_guard<std::mutex> l(m);
        return bytes;
    }

private:
    void Add(const void* d, unsigned n) {
        std::lock_guard<std::mutex> l(m);
        bytes.insert(bytes.end(), static_cast<const uint8_t*>(d), static_cast<const uint8_t*>(d) + n);
    }
    std::mutex m;
    Bytes bytes;
};

TEST_F(MidiAlsaThreaded, ListsPeersPortsByCapabilityAndNeverItself) {
    std::unique_ptr<IMIDIIn> in(MIDIInCreate());
    std::unique_ptr<IMIDIOut> out(MIDIOutCreate());
    std::vector<MIDIDevKey> sources, destinations;
    in->EnumDevices(&sources);
    out->EnumDevices(&destinations);
    const MIDIDevKey* s = Find(sources, AlsaEndpointHandle(m_client, m_out));
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(s->name, "Backend Test PeerPeer Out");
    EXPECT_EQ(Find(sources, AlsaEndpointHandle(m_client, m_in)), nullptr);
    EXPECT_EQ(Find(sources, AlsaEndpointHandle(m_client, m_hidden)), nullptr);
    ASSERT_NE(Find(destinations, AlsaEndpointHandle(m_client, m_in)), nullptr);
    EXPECT_EQ(Find(destinations, AlsaEndpointHandle(m_client, m_out)), nullptr);
    for (const auto* list : {&sources, &destinations})
        for (const MIDIDevKey& k : *list) {
            EXPECT_NE(k.Handle(), 0u);
            EXPECT_NE(k.Handle() >> 16, 0u) << "system client listed";
            EXPECT_EQ(k.name.find("Tolva Plug-In Editor"), std::string::npos) << "own client listed";
        }
}

TEST_F(MidiAlsaThreaded, ReceivesFullBytesAndSendsADumpIntact) {
    std::unique_ptr<IMIDIIn> in(MIDIInCreate());
    std::unique_ptr<IMIDIOut> out(MIDIOutCreate());
    Collector c;
    const MIDIDevKey skey("peer out", AlsaEndpointHandle(m_client, m_out));
    const MIDIDevKey dkey("peer in", AlsaEndpointHandle(m_client, m_in));
    ASSERT_TRUE(in->Open(&skey, &c, 128, 2048));
    ASSERT_TRUE(out->Open(&dkey, 4, 1024));

    // Two notes on one channel: the second must arrive with its status byte.
    for (int note : {60, 62}) {
        snd_seq_event_t ev;
        snd_seq_ev_clear(&ev);
        snd_seq_ev_set_noteon(&ev, 0, note, 100);
        snd_seq_ev_set_source(&ev, m_out);
        snd_seq_ev_set_subs(&ev);
        snd_seq_ev_set_direct(&ev);
        ASSERT_GE(snd_seq_event_output_direct(m_peer, &ev), 0);
    }
    const uint64_t deadline = MonotonicMicroseconds() + 2000000;
    while (c.Get().size() < 6 && MonotonicMicroseconds() < deadline) QorX0::SleepCurrentThread(1);
    EXPECT_EQ(c.Get(), (Bytes{0x90, 60, 100, 0x90, 62, 100}));

    Bytes dump{0xF0, 0x42, 0x30, 0x7A, 0x40, 0x00};
    for (int i = 0; i < 3000; ++i) dump.push_back(static_cast<uint8_t>(i % 0x80));
    dump.push_back(0xF7);
    ASSERT_TRUE(out->SendLong(dump.data(), static_cast<unsigned>(dump.size()), 10000));
    Bytes got;
    snd_seq_nonblock(m_peer, 1);
    const uint64_t end = MonotonicMicroseconds() + 10000000;
    while (got.size() < dump.size() && MonotonicMicroseconds() < end) {
        snd_seq_event_t* ev = nullptr;
        if (snd_seq_event_input(m_peer, &ev) < 0 || !ev) {
            QorX0::SleepCurrentThread(1);
            continue;
        }
        if (ev->type == SND_SEQ_EVENT_SYSEX) {
            const auto* p = static_cast<const uint8_t*>(ev->data.ext.ptr);
            got.insert(got.end(), p, p + ev->data.ext.len);
        }
    }
    EXPECT_EQ(got, dump);
}

// The port of ours that reads from (or sends to) the peer's port, as the sequencer lists its
// subscribers.
snd_seq_addr_t SubscriberOf(snd_seq_t* seq, int client, int port, snd_seq_query_subs_type_t type) {
    snd_seq_query_subscribe_t* query;
    snd_seq_query_subscribe_alloca(&query);
    snd_seq_addr_t root{static_cast<unsigned char>(client), static_cast<unsigned char>(port)};
    snd_seq_query_subscribe_set_root(query, &root);
    snd_seq_query_subscribe_set_type(query, type);
    snd_seq_query_subscribe_set_index(query, 0);
    if (snd_seq_query_port_subscribers(seq, query) < 0) return snd_seq_addr_t{0, 0};
    return *snd_seq_query_subscribe_get_addr(query);
}

int Subscribe(snd_seq_t* by, snd_seq_addr_t sender, snd_seq_addr_t dest) {
    snd_seq_port_subscribe_t* subs;
    snd_seq_port_subscribe_alloca(&subs);
    snd_seq_port_subscribe_set_sender(subs, &sender);
    snd_seq_port_subscribe_set_dest(subs, &dest);
    return snd_seq_subscribe_port(by, subs);
}

TEST_F(MidiAlsaThreaded, OtherClientsNeitherSubscribeToOurPortsNorBreakADump) {
    std::unique_ptr<IMIDIIn> in(MIDIInCreate());
    std::unique_ptr<IMIDIOut> out(MIDIOutCreate());
    Collector c;
    const MIDIDevKey skey("peer out", AlsaEndpointHandle(m_client, m_out));
    const MIDIDevKey dkey("peer in", AlsaEndpointHandle(m_client, m_in));
    ASSERT_TRUE(in->Open(&skey, &c, 0, 0));
    ASSERT_TRUE(out->Open(&dkey, 0, 0));
    const snd_seq_addr_t ourIn = SubscriberOf(m_peer, m_client, m_out, SND_SEQ_QUERY_SUBS_READ);
    const snd_seq_addr_t ourOut = SubscriberOf(m_peer, m_client, m_in, SND_SEQ_QUERY_SUBS_WRITE);
    ASSERT_NE(ourIn.client, 0);
    ASSERT_NE(ourOut.client, 0);

    // A patchbay (or a session manager restoring its connections) and a keyboard of their own.
    snd_seq_t* other = nullptr;
    ASSERT_GE(snd_seq_open(&other, "default", SND_SEQ_OPEN_DUPLEX, 0), 0);
    snd_seq_set_client_name(other, "Backend Test Keyboard");
    const int keys = snd_seq_create_simple_port(other, "Keys",
                                                SND_SEQ_PORT_CAP_READ | SND_SEQ_PORT_CAP_SUBS_READ |
                                                    SND_SEQ_PORT_CAP_WRITE | SND_SEQ_PORT_CAP_SUBS_WRITE,
                                                SND_SEQ_PORT_TYPE_MIDI_GENERIC);
    ASSERT_GE(keys, 0);
    const snd_seq_addr_t keysAddr{static_cast<unsigned char>(snd_seq_client_id(other)),
                                  static_cast<unsigned char>(keys)};
    EXPECT_LT(Subscribe(other, keysAddr, ourIn), 0) << "a keyboard was connected to our input";
    EXPECT_LT(Subscribe(other, ourOut, keysAddr), 0) << "a client listens to what we send the instrument";

    // Notes sent straight to our input while the peer's dump is on its way are not read.
    Bytes dump{0xF0, 0x42, 0x30, 0x7A, 0x40, 0x00};
    for (int i = 0; i < 2000; ++i) dump.push_back(static_cast<uint8_t>(i % 0x80));
    dump.push_back(0xF7);
    for (size_t at = 0; at < dump.size(); at += 256) {
        ASSERT_GE(SendPiece(dump, at), 0);
        snd_seq_event_t ev;
        snd_seq_ev_clear(&ev);
        snd_seq_ev_set_noteon(&ev, 0, 60, 100);
        snd_seq_ev_set_source(&ev, keys);
        snd_seq_ev_set_dest(&ev, ourIn.client, ourIn.port);
        snd_seq_ev_set_direct(&ev);
        ASSERT_GE(snd_seq_event_output_direct(other, &ev), 0);
    }
    const uint64_t deadline = MonotonicMicroseconds() + 5000000;
    while (c.Get().size() < dump.size() && MonotonicMicroseconds() < deadline) QorX0::SleepCurrentThread(1);
    QorX0::SleepCurrentThread(50);
    EXPECT_EQ(c.Get(), dump);
    snd_seq_close(other);
}

TEST_F(MidiAlsaThreaded, ASinkBusyForSecondsLosesNothingOfALongDump) {
    // The first piece keeps the sink (the plug-in's host, say) busy for 2 s while the dump goes on
    // arriving at about four times the wire's speed: far more than the kernel holds for a client.
    struct SlowCollector : Collector {
        void OnMIDILong(IMIDIIn* port, long long t, const void* d, unsigned n) override {
            if (first.exchange(false)) QorX0::SleepCurrentThread(2000);
            Collector::OnMIDILong(port, t, d, n);
        }
        void OnMIDILost(IMIDIIn*) override { lost = true; }
        std::atomic<bool> first{true}, lost{false};
    } c;
    std::unique_ptr<IMIDIIn> in(MIDIInCreate());
    const MIDIDevKey skey("peer out", AlsaEndpointHandle(m_client, m_out));
    ASSERT_TRUE(in->Open(&skey, &c, 0, 0));
    Bytes dump{0xF0, 0x42, 0x30, 0x7A, 0x4C, 0x00};
    for (int i = 0; i < 300000; ++i) dump.push_back(static_cast<uint8_t>(i % 0x7F));
    dump.push_back(0xF7);
    for (size_t at = 0; at < dump.size(); at += 256) {
        ASSERT_GE(SendPiece(dump, at), 0);
        QorX0::SleepCurrentThread(2);
    }
    const uint64_t deadline = MonotonicMicroseconds() + 20000000;
    while (c.Get().size() < dump.size() && MonotonicMicroseconds() < deadline) QorX0::SleepCurrentThread(5);
    EXPECT_FALSE(c.lost.load());
    EXPECT_TRUE(c.Get() == dump) << c.Get().size() << " of " << dump.size() << " bytes";
}

TEST_F(MidiAlsaThreaded, AClientOfThisProcessOpenedOnAnotherThreadIsNeverListed) {
    // A plug-in opens its client on its own thread, which lives as long as the plug-in; the kernel
    // names that thread, not the process.
    snd_seq_t* own = nullptr;
    int ownClient = -1, ownTask = -1;
    std::promise<void> opened, done;
    std::thread opener([&] {
        ownTask = static_cast<int>(gettid());
        if (snd_seq_open(&own, "default", SND_SEQ_OPEN_DUPLEX, 0) >= 0) {
            snd_seq_set_client_name(own, "Backend Test Own Thread");
            snd_seq_create_simple_port(own, "Own Out", SND_SEQ_PORT_CAP_READ | SND_SEQ_PORT_CAP_SUBS_READ,
                                       SND_SEQ_PORT_TYPE_MIDI_GENERIC);
            ownClient = snd_seq_client_id(own);
        }
        opened.set_value();
        done.get_future().wait();
    });
    opened.get_future().wait();
    EXPECT_EQ(AlsaThreadGroupOf(ownTask), static_cast<int>(getpid()));
    AlsaMidiListOwnProcessClients(false);
    std::vector<MIDIDevKey> sources;
    std::unique_ptr<IMIDIIn> in(MIDIInCreate());
    in->EnumDevices(&sources);
    AlsaMidiListOwnProcessClients(true);
    done.set_value();
    opener.join();
    ASSERT_GE(ownClient, 0);
    EXPECT_EQ(Find(sources, AlsaEndpointHandle(ownClient, 0)), nullptr) << "an own client was listed";
    EXPECT_EQ(Find(sources, AlsaEndpointHandle(m_client, m_out)), nullptr) << "an own client was listed";
    snd_seq_close(own);
}

}  // namespace
