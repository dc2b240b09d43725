#include "Linux/MidiIO/Alsa/AlsaBackend.h"

#include <alsa/asoundlib.h>
#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <cstdlib>
#include <cstring>
#include <map>
#include <set>
#include <string>
#include <utility>

#include "Linux/RunLoop.h"
#include "Linux/Sync.h"
#include "Linux/SysTick.h"
#include "Linux/XThread.h"

namespace {

constexpr const char* kDefaultClientName = "Tolva Plug-In Editor";
std::atomic<bool> g_listOwnProcess{false};
std::string& ClientName() {
    static std::string name = kDefaultClientName;
    return name;
}
constexpr size_t kExclusiveChunk = 256;
// Large enough for whole dump pieces in both directions.
constexpr size_t kOutputBufferSize = 64 * 1024;
constexpr size_t kInputBufferSize = 256 * 1024;
constexpr size_t kKernelPoolEvents = 2000;
// What the kernel holds for us is small (a few dozen exclusive events); the reading thread moves it
// at once into the process, where whole dumps of every model fit many times over, so a sink that is
// slow for a while (its host busy) never makes the kernel drop input.
constexpr size_t kUserPoolBytes = 16 * 1024 * 1024;
// A DIN wire carries 31250 baud, ten bits a byte. The output is paced so that at most kBurstBytes
// wait in the interface's buffer (4096 bytes by default) ahead of the wire: a slow interface then
// never drops bytes of a long dump.
constexpr uint64_t kWireMicrosPerByte = 320;
constexpr uint64_t kBurstBytes = 2048;
constexpr unsigned kShortSendTimeoutMs = 1000;
constexpr size_t kShortBufferSize = 256;

class CAlsaBackend;

// The sequencer names the task that opened a client: a thread of a process is named by its own id,
// so the process is found through the thread group the id belongs to.
bool IsOwnProcess(int taskId) {
    if (taskId <= 0) return false;
    const pid_t self = getpid();
    if (taskId == self) return true;
    return AlsaThreadGroupOf(taskId) == self;
}

class AlsaInput final : public IMidiBackendInput {
public:
    AlsaInput(CAlsaBackend* owner, int port, IMidiPacketSink* sink) : owner(owner), port(port), sink(sink) {}
    ~AlsaInput() override;

    CAlsaBackend* owner;
    int port;
    IMidiPacketSink* sink;
};

// One port of ours that sources are connected to one by one (snd_seq_connect_from); each event names
// its sender, so packets are told apart by source.
class AlsaInputPort final : public IMidiBackendInputPort {
public:
    AlsaInputPort(CAlsaBackend* owner, int port, IMidiPacketSink* sink) : m_input(owner, port, sink) {}
    bool ConnectSource(uint32_t source) override;
    void DisconnectSource(uint32_t source) override;
    AlsaInput* Input() { return &m_input; }

private:
    AlsaInput m_input;  // its destruction deletes the port, and every subscription with it
};

class AlsaOutput final : public IMidiBackendOutput {
public:
    AlsaOutput(CAlsaBackend* owner, int port, snd_midi_event_t* encoder)
        : m_owner(owner), m_port(port), m_encoder(encoder) {}
    ~AlsaOutput() override;

    bool SendShort(const uint8_t* bytes, size_t length) override;
    MidiSendResult SendExclusive(const uint8_t* bytes, size_t length, unsigned timeoutMs) override;

private:
    CAlsaBackend* m_owner;
    int m_port;
    snd_midi_event_t* m_encoder;
    CHfcCriticalSection m_lock;  // one send at a time through the encoder and the pacing
    uint64_t m_wireFreeUs = 0;
};

class CAlsaBackend final : public IMidiBackend, private IXThreadProc {
    // The second thread: hands what the reading thread queued to the inputs' sinks.
    struct Delivery final : IXThreadProc {
        explicit Delivery(CAlsaBackend* owner) : owner(owner) {}
        long ThreadProc() override { return owner->DeliveryProc(); }
        CAlsaBackend* owner;
    };

public:
    CAlsaBackend() { OpenSequencer(); }
    // Static destruction: a UI thread that effects never released may still send through us.
    ~CAlsaBackend() override {
        UIThread::StopAtExit();
        CloseSequencer();
    }

    std::vector<MidiEndpoint> Sources() override { return List(true); }
    std::vector<MidiEndpoint> Destinations() override { return List(false); }
    std::unique_ptr<IMidiBackendInput> OpenInput(uint32_t source, IMidiPacketSink* sink,
                                                 const char* portName) override;
    std::unique_ptr<IMidiBackendOutput> OpenOutput(uint32_t destination, const char* portName) override;
    std::unique_ptr<IMidiBackendInputPort> OpenInputPort(IMidiPacketSink* sink,
                                                         const char* portName) override;
    unsigned ExclusivePauseMicrosPerByte() const override { return 5; }
    void AddSetupListener(IMidiSetupListener* listener) override { m_setupListeners.Add(listener); }
    void RemoveSetupListener(IMidiSetupListener* listener) override { m_setupListeners.Remove(listener); }

    void DetachInput(AlsaInput* input);
    bool ConnectFrom(int port, uint32_t source);
    void DisconnectFrom(int port, uint32_t source);
    void ClosePort(int port, bool isInput);
    // Sends one event directly, waiting for room in the output until deadlineUs.
    bool Output(snd_seq_event_t* ev, uint64_t deadlineUs);

private:
    void OpenSequencer();
    void CloseSequencer();
    std::vector<MidiEndpoint> List(bool sources);
    int CreatePort(const char* name, unsigned caps);
    long ThreadProc() override;
    long DeliveryProc();
    struct Packet {
        int port;  // kLostPort: input was lost here, for every input
        uint32_t source;
        uint64_t receivedNs;
        std::vector<uint8_t> bytes;
    };
    static constexpr int kLostPort = -1;
    // Reads what is waiting, with a kLostPort packet where the kernel dropped input; true when the
    // system announced a change of clients or ports.
    bool ReadEvents(std::vector<Packet>* packets);
    // Queues what was read for delivery, in order, and a loss where one happened.
    void Queue(std::vector<Packet>* packets);

    snd_seq_t* m_seq = nullptr;
    int m_client = -1;
    snd_midi_event_t* m_decoder = nullptr;
    int m_wakePipe[2] = {-1, -1};
    bool m_running = false;
    CHfcCriticalSection m_seqLock;       // every call on the sequencer handle
    CHfcCriticalSection m_deliveryLock;  // held while packets are delivered
    std::map<int, AlsaInput*> m_inputs;  // by our port number
    // The sources connected to each shared input port (under the delivery lock): the events of a
    // source still queued when it is disconnected are not delivered.
    std::map<int, std::set<uint32_t>> m_portSources;
    std::map<int, std::pair<int, int>> m_peers;  // our port -> connected client and port
    int m_announcePort = -1;                     // subscribed to the system's announcements
    MidiSetupListeners m_setupListeners;
    XThread m_thread;
    // Read but not yet delivered, under m_queueMutex.
    std::mutex m_queueMutex;
    std::condition_variable m_queued;
    std::deque<Packet> m_queue;
    size_t m_queueBytes = 0;
    bool m_queueLost = false;  // the pool overflowed: the loss is still to be queued
    bool m_delivering = false;
    Delivery m_delivery{this};
    XThread m_deliveryThread;
};

void CAlsaBackend::OpenSequencer() {
    if (snd_seq_open(&m_seq, "default", SND_SEQ_OPEN_DUPLEX, SND_SEQ_NONBLOCK) < 0) {
        m_seq = nullptr;
        return;
    }
    snd_seq_set_client_name(m_seq, ClientName().c_str());
    snd_seq_set_output_buffer_size(m_seq, kOutputBufferSize);
    snd_seq_set_input_buffer_size(m_seq, kInputBufferSize);
    // The kernel's event pools of this client, as large as it allows (a smaller limit is kept).
    snd_seq_set_client_pool_output(m_seq, kKernelPoolEvents);
    snd_seq_set_client_pool_input(m_seq, kKernelPoolEvents);
    m_client = snd_seq_client_id(m_seq);
    // Client and port changes arrive as announcements on a port nobody else sees.
    m_announcePort = snd_seq_create_simple_port(
        m_seq, "Announce", SND_SEQ_PORT_CAP_WRITE | SND_SEQ_PORT_CAP_SUBS_WRITE | SND_SEQ_PORT_CAP_NO_EXPORT,
        SND_SEQ_PORT_TYPE_APPLICATION);
    if (m_announcePort >= 0 &&
        snd_seq_connect_from(m_seq, m_announcePort, SND_SEQ_CLIENT_SYSTEM, SND_SEQ_PORT_SYSTEM_ANNOUNCE) < 0)
        m_announcePort = -1;
    if (snd_midi_event_new(kExclusiveChunk, &m_decoder) < 0) m_decoder = nullptr;
    if (m_decoder) snd_midi_event_no_status(m_decoder, 1);  // every event decoded to full bytes
    if (m_client < 0 || !m_decoder || pipe2(m_wakePipe, O_CLOEXEC | O_NONBLOCK) != 0) {
        CloseSequencer();
        return;
    }
    m_running = true;
    m_delivering = true;
    if (!m_deliveryThread.Run(&m_delivery)) {
        m_delivering = false;
        m_running = false;
        return;
    }
    if (!m_thread.Run(this)) m_running = false;
}

void CAlsaBackend::CloseSequencer() {
    if (m_running) {
        m_seqLock.Lock();
        m_running = false;
        m_seqLock.Unlock();
        const char stop = 1;
        (void)!write(m_wakePipe[1], &stop, 1);
        m_thread.Join();
    }
    if (m_deliveryThread.IsRunning()) {
        {
            std::lock_guard<std::mutex> lock(m_queueMutex);
            m_delivering = false;
        }
        m_queued.notify_all();
        m_deliveryThread.Join();
    }
    for (int& fd : m_wakePipe) {
        if (fd >= 0) close(fd);
        fd = -1;
    }
    if (m_decoder) snd_midi_event_free(m_decoder);
    m_decoder = nullptr;
    if (m_seq) snd_seq_close(m_seq);
    m_seq = nullptr;
}

std::vector<MidiEndpoint> CAlsaBackend::List(bool sources) {
    std::vector<MidiEndpoint> list;
    if (!m_seq) return list;
    const unsigned need = sources ? (SND_SEQ_PORT_CAP_READ | SND_SEQ_PORT_CAP_SUBS_READ)
                                  : (SND_SEQ_PORT_CAP_WRITE | SND_SEQ_PORT_CAP_SUBS_WRITE);
    snd_seq_client_info_t* client;
    snd_seq_port_info_t* port;
    snd_seq_client_info_alloca(&client);
    snd_seq_port_info_alloca(&port);
    m_seqLock.Lock();
    snd_seq_client_info_set_client(client, -1);
    while (snd_seq_query_next_client(m_seq, client) >= 0) {
        const int id = snd_seq_client_info_get_client(client);
        if (id == m_client || id == SND_SEQ_CLIENT_SYSTEM) continue;
        // Another client of this process (a plug-in's own copy of this layer, say) would feed our
        // output back into our input.
        if (!g_listOwnProcess.load() && IsOwnProcess(snd_seq_client_info_get_pid(client))) continue;
        snd_seq_port_info_set_client(port, id);
        snd_seq_port_info_set_port(port, -1);
        while (snd_seq_query_next_port(m_seq, port) >= 0) {
            const unsigned caps = snd_seq_port_info_get_capability(port);
            if ((caps & need) != need || (caps & SND_SEQ_PORT_CAP_NO_EXPORT)) continue;
            MidiEndpoint e;
            e.handle = AlsaEndpointHandle(id, snd_seq_port_info_get_port(port));
            e.device = snd_seq_client_info_get_name(client);
            e.name = snd_seq_port_info_get_name(port);
            list.push_back(std::move(e));
        }
    }
    m_seqLock.Unlock();
    return list;
}

int CAlsaBackend::CreatePort(const char* name, unsigned caps) {
    return snd_seq_create_simple_port(m_seq, name, caps,
                                      SND_SEQ_PORT_TYPE_MIDI_GENERIC | SND_SEQ_PORT_TYPE_APPLICATION);
}

std::unique_ptr<IMidiBackendInput> CAlsaBackend::OpenInput(uint32_t source, IMidiPacketSink* sink,
                                                           const char* portName) {
    if (!m_seq || !m_running || !sink) return nullptr;
    const int peerClient = static_cast<int>(source >> 16), peerPort = static_cast<int>(source & 0xFFFF);
    m_seqLock.Lock();
    // Only we connect our ports (the kernel lets a port's owner do so without the subscription
    // capabilities): another client, a patchbay or a session manager restoring its connections,
    // cannot subscribe to them.
    const int port = CreatePort(AlsaMidiPortName(portName, true), SND_SEQ_PORT_CAP_WRITE);
    std::unique_ptr<AlsaInput> input;
    if (port >= 0) {
        if (snd_seq_connect_from(m_seq, port, peerClient, peerPort) < 0) {
            snd_seq_delete_simple_port(m_seq, port);
        } else {
            input = std::make_unique<AlsaInput>(this, port, sink);
            m_peers[port] = {peerClient, peerPort};
        }
    }
    m_seqLock.Unlock();
    if (input) {
        m_deliveryLock.Lock();
        m_inputs[port] = input.get();
        m_deliveryLock.Unlock();
    }
    return input;
}

std::unique_ptr<IMidiBackendOutput> CAlsaBackend::OpenOutput(uint32_t destination, const char* portName) {
    if (!m_seq) return nullptr;
    const int peerClient = static_cast<int>(destination >> 16),
              peerPort = static_cast<int>(destination & 0xFFFF);
    snd_midi_event_t* encoder = nullptr;
    if (snd_midi_event_new(kShortBufferSize, &encoder) < 0) return nullptr;
    m_seqLock.Lock();
    const int port = CreatePort(AlsaMidiPortName(portName, false), SND_SEQ_PORT_CAP_READ);
    bool ok = port >= 0;
    if (ok && snd_seq_connect_to(m_seq, port, peerClient, peerPort) < 0) {
        snd_seq_delete_simple_port(m_seq, port);
        ok = false;
    }
    if (ok) m_peers[port] = {peerClient, peerPort};
    m_seqLock.Unlock();
    if (!ok) {
        snd_midi_event_free(encoder);
        return nullptr;
    }
    return std::make_unique<AlsaOutput>(this, port, encoder);
}

std::unique_ptr<IMidiBackendInputPort> CAlsaBackend::OpenInputPort(IMidiPacketSink* sink,
                                                                   const char* portName) {
    if (!m_seq || !m_running || !sink) return nullptr;
    m_seqLock.Lock();
    const int port =
        CreatePort(AlsaMidiPortName(portName, true), SND_SEQ_PORT_CAP_WRITE | SND_SEQ_PORT_CAP_SUBS_WRITE);
    m_seqLock.Unlock();
    if (port < 0) return nullptr;
    auto shared = std::make_unique<AlsaInputPort>(this, port, sink);
    m_deliveryLock.Lock();
    m_inputs[port] = shared->Input();
    m_portSources[port];
    m_deliveryLock.Unlock();
    return shared;
}

bool CAlsaBackend::ConnectFrom(int port, uint32_t source) {
    const int peerClient = static_cast<int>(source >> 16), peerPort = static_cast<int>(source & 0xFFFF);
    m_seqLock.Lock();
    const int r = m_seq ? snd_seq_connect_from(m_seq, port, peerClient, peerPort) : -ENODEV;
    m_seqLock.Unlock();
    if (r < 0 && r != -EBUSY) return false;  // busy: connected already
    m_deliveryLock.Lock();
    m_portSources[port].insert(source);
    m_deliveryLock.Unlock();
    return true;
}

void CAlsaBackend::DisconnectFrom(int port, uint32_t source) {
    // Waits for a delivery in progress, unless called from inside it (the lock is recursive).
    m_deliveryLock.Lock();
    auto it = m_portSources.find(port);
    const bool connected = it != m_portSources.end() && it->second.erase(source) > 0;
    m_deliveryLock.Unlock();
    if (!connected) return;
    m_seqLock.Lock();
    if (m_seq)
        snd_seq_disconnect_from(m_seq, port, static_cast<int>(source >> 16),
                                static_cast<int>(source & 0xFFFF));
    m_seqLock.Unlock();
}

void CAlsaBackend::ClosePort(int port, bool isInput) {
    m_seqLock.Lock();
    auto peer = m_peers.find(port);
    if (m_seq && peer != m_peers.end()) {
        if (isInput) {
            snd_seq_disconnect_from(m_seq, port, peer->second.first, peer->second.second);
        } else {
            snd_seq_disconnect_to(m_seq, port, peer->second.first, peer->second.second);
        }
    }
    if (m_seq) snd_seq_delete_simple_port(m_seq, port);
    m_peers.erase(port);
    m_seqLock.Unlock();
}

void CAlsaBackend::DetachInput(AlsaInput* input) {
    // Waits for a delivery in progress, unless called from inside it (the lock is recursive).
    m_deliveryLock.Lock();
    m_inputs.erase(input->port);
    m_portSources.erase(input->port);
    m_deliveryLock.Unlock();
    ClosePort(input->port, true);
}

bool CAlsaBackend::Output(snd_seq_event_t* ev, uint64_t deadlineUs) {
    for (;;) {
        m_seqLock.Lock();
        const int r = m_seq ? snd_seq_event_output_direct(m_seq, ev) : -ENODEV;
        int nfds = 0;
        pollfd fds[4];
        if (r == -EAGAIN) nfds = snd_seq_poll_descriptors(m_seq, fds, 4, POLLOUT);
        m_seqLock.Unlock();
        if (r >= 0) return true;
        if (r != -EAGAIN) return false;
        const uint64_t now = MonotonicMicroseconds();
        if (now >= deadlineUs) return false;
        poll(fds, static_cast<nfds_t>(nfds),
             static_cast<int>(std::min<uint64_t>((deadlineUs - now) / 1000 + 1, 50)));
    }
}

bool CAlsaBackend::ReadEvents(std::vector<Packet>* packets) {
    bool changed = false;
    m_seqLock.Lock();
    for (;;) {
        snd_seq_event_t* ev = nullptr;
        const int r = snd_seq_event_input(m_seq, &ev);
        if (r == -ENOSPC) {
            // The kernel's pool overran and dropped events: told in order, then the rest is read.
            packets->push_back(Packet{kLostPort, 0, 0, {}});
            continue;
        }
        if (r < 0 || !ev) break;
        const uint64_t receivedNs = MidiReceiveTimeNs();
        if (ev->dest.port == m_announcePort && m_announcePort >= 0) {
            switch (ev->type) {
                case SND_SEQ_EVENT_CLIENT_START:
                case SND_SEQ_EVENT_CLIENT_EXIT:
                case SND_SEQ_EVENT_CLIENT_CHANGE:
                case SND_SEQ_EVENT_PORT_START:
                case SND_SEQ_EVENT_PORT_EXIT:
                case SND_SEQ_EVENT_PORT_CHANGE:
                    changed = true;
                    break;
                default:
                    break;
            }
            continue;
        }
        std::vector<uint8_t> bytes;
        if (ev->type == SND_SEQ_EVENT_SYSEX) {
            const auto* p = static_cast<const uint8_t*>(ev->data.ext.ptr);
            if (p && ev->data.ext.len > 0) bytes.assign(p, p + ev->data.ext.len);
        } else {
            uint8_t buf[16];
            const long n = snd_midi_event_decode(m_decoder, buf, sizeof buf, ev);
            if (n > 0) bytes.assign(buf, buf + n);
        }
        if (!bytes.empty())
            packets->push_back(Packet{ev->dest.port, AlsaEndpointHandle(ev->source.client, ev->source.port),
                                      receivedNs, std::move(bytes)});
    }
    m_seqLock.Unlock();
    return changed;
}

long CAlsaBackend::ThreadProc() {
    std::vector<Packet> packets;
    for (;;) {
        pollfd fds[8];
        m_seqLock.Lock();
        const bool running = m_running;
        int n = running ? snd_seq_poll_descriptors(m_seq, fds + 1, 7, POLLIN) : 0;
        m_seqLock.Unlock();
        if (!running) return 0;
        fds[0] = pollfd{m_wakePipe[0], POLLIN, 0};
        if (poll(fds, static_cast<nfds_t>(n + 1), -1) < 0 && errno != EINTR) return 0;
        if (fds[0].revents & POLLIN) return 0;
        packets.clear();
        const bool changed = ReadEvents(&packets);
        Queue(&packets);
        if (changed) m_setupListeners.Notify();
    }
}

void CAlsaBackend::Queue(std::vector<Packet>* packets) {
    if (packets->empty()) return;
    {
        std::lock_guard<std::mutex> lock(m_queueMutex);
        for (Packet& p : *packets) {
            if (p.port != kLostPort && m_queueBytes + p.bytes.size() > kUserPoolBytes) {
                m_queueLost = true;  // dropped: the sinks are told before the next packet kept
                continue;
            }
            if (m_queueLost || p.port == kLostPort) {
                m_queueLost = false;
                if (m_queue.empty() || m_queue.back().port != kLostPort)
                    m_queue.push_back(Packet{kLostPort, 0, 0, {}});
                if (p.port == kLostPort) continue;
            }
            m_queueBytes += p.bytes.size();
            m_queue.push_back(std::move(p));
        }
    }
    m_queued.notify_one();
}

long CAlsaBackend::DeliveryProc() {
    std::deque<Packet> batch;
    for (;;) {
        {
            std::unique_lock<std::mutex> lock(m_queueMutex);
            m_queued.wait(lock, [this] { return !m_queue.empty() || !m_delivering; });
            if (m_queue.empty() && !m_delivering) return 0;
            batch.swap(m_queue);
            m_queueBytes = 0;
        }
        // Delivered without the sequencer's lock, so that a callback may send.
        m_deliveryLock.Lock();
        for (const Packet& p : batch) {
            if (p.port == kLostPort) {
                // A sink may close its input (or another) from inside its call.
                std::vector<int> ports;
                for (const auto& input : m_inputs) ports.push_back(input.first);
                for (int port : ports) {
                    auto it = m_inputs.find(port);
                    if (it != m_inputs.end()) it->second->sink->OnMidiInputLost();
                }
                continue;
            }
            auto it = m_inputs.find(p.port);
            if (it == m_inputs.end()) continue;
            auto shared = m_portSources.find(p.port);
            if (shared != m_portSources.end() && shared->second.count(p.source) == 0) continue;
            it->second->sink->OnMidiPacketFrom(p.source, p.receivedNs, p.bytes.data(), p.bytes.size());
        }
        m_deliveryLock.Unlock();
        batch.clear();
    }
}

AlsaInput::~AlsaInput() {
    owner->DetachInput(this);
}

bool AlsaInputPort::ConnectSource(uint32_t source) {
    return m_input.owner->ConnectFrom(m_input.port, source);
}

void AlsaInputPort::DisconnectSource(uint32_t source) {
    m_input.owner->DisconnectFrom(m_input.port, source);
}

AlsaOutput::~AlsaOutput() {
    m_owner->ClosePort(m_port, false);
    snd_midi_event_free(m_encoder);
}

bool AlsaOutput::SendShort(const uint8_t* bytes, size_t length) {
    m_lock.Lock();
    snd_midi_event_reset_encode(m_encoder);
    bool ok = true;
    size_t at = 0;
    const uint64_t deadline = MonotonicMicroseconds() + uint64_t{kShortSendTimeoutMs} * 1000;
    while (ok && at < length) {
        snd_seq_event_t ev;
        snd_seq_ev_clear(&ev);
        const long used = snd_midi_event_encode(m_encoder, bytes + at, static_cast<long>(length - at), &ev);
        if (used <= 0) {
            ok = false;
            break;
        }
        at += static_cast<size_t>(used);
        if (ev.type == SND_SEQ_EVENT_NONE) continue;  // needs more bytes
        snd_seq_ev_set_source(&ev, m_port);
        snd_seq_ev_set_subs(&ev);
        snd_seq_ev_set_direct(&ev);
        ok = m_owner->Output(&ev, deadline);
    }
    const uint64_t now = MonotonicMicroseconds();
    m_wireFreeUs = std::max(m_wireFreeUs, now) + length * kWireMicrosPerByte;
    m_lock.Unlock();
    return ok;
}

MidiSendResult AlsaOutput::SendExclusive(const uint8_t* bytes, size_t length, unsigned timeoutMs) {
    const uint64_t start = MonotonicMicroseconds();
    const uint64_t deadline = timeoutMs == kNoTimeLimit ? UINT64_MAX : start + uint64_t{timeoutMs} * 1000;
    m_lock.Lock();
    MidiSendResult result = MidiSendResult::Ok;
    for (size_t at = 0; at < length && result == MidiSendResult::Ok; at += kExclusiveChunk) {
        const size_t n = std::min(kExclusiveChunk, length - at);
        // Wait until the interface has room for this chunk.
        const uint64_t now = MonotonicMicroseconds();
        const uint64_t ahead = kBurstBytes * kWireMicrosPerByte;
        if (m_wireFreeUs > now + ahead) {
            const uint64_t until = m_wireFreeUs - ahead;
            if (until > deadline) {
                result = MidiSendResult::Timeout;
                break;
            }
            QorX0::SleepCurrentThread(static_cast<unsigned>((until - now + 999) / 1000));
        }
        snd_seq_event_t ev;
        snd_seq_ev_clear(&ev);
        snd_seq_ev_set_sysex(&ev, static_cast<unsigned>(n), const_cast<uint8_t*>(bytes + at));
        snd_seq_ev_set_source(&ev, m_port);
        snd_seq_ev_set_subs(&ev);
        snd_seq_ev_set_direct(&ev);
        if (!m_owner->Output(&ev, deadline)) {
            result = MonotonicMicroseconds() >= deadline ? MidiSendResult::Timeout : MidiSendResult::Refused;
            break;
        }
        m_wireFreeUs = std::max(m_wireFreeUs, MonotonicMicroseconds()) + n * kWireMicrosPerByte;
    }
    m_lock.Unlock();
    return result;
}

}  // namespace

int AlsaThreadGroupOf(int taskId) {
    if (taskId <= 0) return -1;
    const std::string path = "/proc/" + std::to_string(taskId) + "/status";
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return -1;
    char text[4096];
    const ssize_t n = read(fd, text, sizeof text - 1);
    close(fd);
    if (n <= 0) return -1;
    text[n] = 0;
    const char* tgid = std::strstr(text, "\nTgid:");
    if (!tgid) return -1;
    return std::atoi(tgid + 6);
}

const char* AlsaMidiClientName() {
    return ClientName().c_str();
}

void AlsaMidiListOwnProcessClients(bool list) {
    g_listOwnProcess.store(list);
}

const char* AlsaMidiPortName(const char* asked, bool input) {
    if (asked && *asked) return asked;
    return input ? "Input Port" : "Output Port";
}

void AlsaMidiSetClientName(const char* name) {
    if (name && *name) ClientName() = name;
}

IMidiBackend* AlsaMidiBackend() {
    static CAlsaBackend backend;
    return &backend;
}
