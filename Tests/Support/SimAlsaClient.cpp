#include "Support/SimAlsaClient.h"

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <vector>

namespace Sim {

namespace {
// As large as the kernel allows, so that a whole-memory dump in either direction never waits on us.
constexpr size_t kBufferBytes = 256 * 1024;
constexpr int kPoolEvents = 2000;
}  // namespace

SimAlsaClient::SimAlsaClient(SimInstrument& sim, const std::string& clientName, const std::string& portName)
    : mSim(sim), mClientName(clientName), mPortName(portName) {
    if (mClientName.empty())
        mClientName =
            sim.With([](SimCore& core) { return core.GetModel() == Model::Nerimo ? "Nerimo" : "Tolva"; });
    if (mPortName.empty()) mPortName = mClientName + " MIDI 1";
    if (int r = snd_seq_open(&mSeq, "default", SND_SEQ_OPEN_DUPLEX, SND_SEQ_NONBLOCK); r < 0) {
        mError = std::string("the sequencer cannot be opened: ") + snd_strerror(r);
        mSeq = nullptr;
        return;
    }
    snd_seq_set_client_name(mSeq, mClientName.c_str());
    snd_seq_set_output_buffer_size(mSeq, kBufferBytes);
    snd_seq_set_input_buffer_size(mSeq, kBufferBytes);
    snd_seq_set_client_pool_output(mSeq, kPoolEvents);
    snd_seq_set_client_pool_input(mSeq, kPoolEvents);
    mClient = snd_seq_client_id(mSeq);
    mPort = snd_seq_create_simple_port(mSeq, mPortName.c_str(),
                                       SND_SEQ_PORT_CAP_READ | SND_SEQ_PORT_CAP_SUBS_READ |
                                           SND_SEQ_PORT_CAP_WRITE | SND_SEQ_PORT_CAP_SUBS_WRITE |
                                           SND_SEQ_PORT_CAP_DUPLEX,
                                       SND_SEQ_PORT_TYPE_MIDI_GENERIC | SND_SEQ_PORT_TYPE_HARDWARE);
    if (mPort < 0 || snd_midi_event_new(kMaxEventBytes, &mEncoder) < 0 ||
        snd_midi_event_new(kMaxEventBytes, &mDecoder) < 0 || pipe2(mWake, O_CLOEXEC | O_NONBLOCK) != 0) {
        mError = "the port cannot be made";
        if (mEncoder) snd_midi_event_free(mEncoder);
        if (mDecoder) snd_midi_event_free(mDecoder);
        mEncoder = mDecoder = nullptr;
        snd_seq_close(mSeq);
        mSeq = nullptr;
        return;
    }
    snd_midi_event_no_status(mDecoder, 1);  // every message decoded with its status byte
    mSim.SetPacing(Pacing::Rate(kUsbBytesPerSecond, kMaxEventBytes));
    mReader = std::thread([this] { Read(); });
    mGate->client = this;
    mSim.Attach([gate = mGate](const uint8_t* data, size_t n) {
        std::lock_guard<std::mutex> lock(gate->lock);
        return gate->client && gate->client->Send(data, n);
    });
}

SimAlsaClient::~SimAlsaClient() {
    if (!mSeq) return;
    mSim.Detach();
    {
        std::lock_guard<std::mutex> lock(mGate->lock);
        mGate->client = nullptr;
    }
    const char stop = 1;
    (void)!write(mWake[1], &stop, 1);
    mReader.join();
    for (int fd : mWake) close(fd);
    snd_midi_event_free(mEncoder);
    snd_midi_event_free(mDecoder);
    snd_seq_close(mSeq);
}

bool SimAlsaClient::Reader(snd_seq_addr_t* reader) {
    if (!mSeq) return false;
    snd_seq_query_subscribe_t* query;
    snd_seq_query_subscribe_alloca(&query);
    const snd_seq_addr_t root{static_cast<unsigned char>(mClient), static_cast<unsigned char>(mPort)};
    snd_seq_query_subscribe_set_root(query, &root);
    snd_seq_query_subscribe_set_type(query, SND_SEQ_QUERY_SUBS_READ);
    snd_seq_query_subscribe_set_index(query, 0);
    std::lock_guard<std::mutex> lock(mSeqLock);
    if (snd_seq_query_port_subscribers(mSeq, query) < 0) return false;
    *reader = *snd_seq_query_subscribe_get_addr(query);
    return true;
}

bool SimAlsaClient::Output(snd_seq_event_t* ev) {
    snd_seq_ev_set_source(ev, mPort);
    snd_seq_ev_set_subs(ev);
    snd_seq_ev_set_direct(ev);
    // A full pool empties as the subscribers read; a port nobody reads would stop the instrument,
    // so it gives up after a while, as a device's full buffer drops what no longer fits.
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    for (;;) {
        int r;
        {
            std::lock_guard<std::mutex> lock(mSeqLock);
            r = snd_seq_event_output_direct(mSeq, ev);
        }
        if (r >= 0) break;
        if (r != -EAGAIN || std::chrono::steady_clock::now() > deadline) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    ++mEventsSent;
    if (ev->type == SND_SEQ_EVENT_SYSEX) {
        size_t largest = mLargestExclusive.load();
        while (ev->data.ext.len > largest &&
               !mLargestExclusive.compare_exchange_weak(largest, ev->data.ext.len)) {
        }
    }
    return true;
}

// The encoder cuts exclusive data into pieces of its buffer's size (kMaxEventBytes), ends a piece at
// F7, and passes real-time bytes inside exclusive data on as events of their own.
bool SimAlsaClient::Send(const uint8_t* data, size_t n) {
    bool ok = true;
    for (size_t i = 0; i < n; ++i) {
        snd_seq_event_t ev;
        snd_seq_ev_clear(&ev);
        if (snd_midi_event_encode_byte(mEncoder, data[i], &ev) == 1 && ev.type != SND_SEQ_EVENT_NONE)
            ok = Output(&ev) && ok;
    }
    return ok;
}

void SimAlsaClient::Read() {
    std::vector<pollfd> fds(1 + static_cast<size_t>(snd_seq_poll_descriptors_count(mSeq, POLLIN)));
    {
        std::lock_guard<std::mutex> lock(mSeqLock);
        snd_seq_poll_descriptors(mSeq, fds.data() + 1, static_cast<unsigned>(fds.size() - 1), POLLIN);
    }
    fds[0] = pollfd{mWake[0], POLLIN, 0};
    std::vector<uint8_t> bytes;
    for (;;) {
        if (poll(fds.data(), fds.size(), -1) < 0 && errno != EINTR) return;
        if (fds[0].revents & POLLIN) return;
        for (;;) {
            bytes.clear();
            {
                std::lock_guard<std::mutex> lock(mSeqLock);
                snd_seq_event_t* ev = nullptr;
                const int r = snd_seq_event_input(mSeq, &ev);
                if (r == -ENOSPC) continue;
                if (r < 0 || !ev) break;
                if (ev->type == SND_SEQ_EVENT_SYSEX) {
                    const auto* p = static_cast<const uint8_t*>(ev->data.ext.ptr);
                    bytes.assign(p, p + ev->data.ext.len);
                } else {
                    uint8_t buf[16];
                    const long got = snd_midi_event_decode(mDecoder, buf, sizeof buf, ev);
                    if (got > 0) bytes.assign(buf, buf + got);
                }
            }
            if (!bytes.empty()) mSim.Deliver(bytes.data(), bytes.size());
        }
    }
}

}  // namespace Sim
