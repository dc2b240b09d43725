#include "Linux/MidiIO/Loopback/LoopbackBackend.h"

#include <algorithm>
#include <utility>

#include "Linux/SysTick.h"

namespace {
// Waits on an event in short slices so that conditions kept under another lock are re-checked.
constexpr unsigned kSliceMs = 2;
}  // namespace

class CMidiLoopback::Input final : public IMidiBackendInput {
public:
    Input(CMidiLoopback* owner, uint32_t source, IMidiPacketSink* sink)
        : owner(owner), source(source), sink(sink) {}
    ~Input() override { owner->DetachInput(this); }

    CMidiLoopback* owner;
    uint32_t source;
    IMidiPacketSink* sink;
};

class CMidiLoopback::Port final : public IMidiBackendInputPort {
public:
    Port(CMidiLoopback* owner, IMidiPacketSink* sink, std::string name)
        : owner(owner), sink(sink), name(std::move(name)) {}
    ~Port() override { owner->DetachPort(this); }
    bool ConnectSource(uint32_t source) override { return owner->ConnectPort(this, source); }
    void DisconnectSource(uint32_t source) override { owner->DisconnectPort(this, source); }

    CMidiLoopback* owner;
    IMidiPacketSink* sink;
    std::string name;
    std::vector<uint32_t> sources;  // under the owner's lock
};

class CMidiLoopback::Output final : public IMidiBackendOutput {
public:
    Output(CMidiLoopback* owner, uint32_t destination) : m_owner(owner), m_destination(destination) {}

    bool SendShort(const uint8_t* bytes, size_t length) override {
        return m_owner->Send(m_destination, bytes, length, false, 0) == MidiSendResult::Ok;
    }
    MidiSendResult SendExclusive(const uint8_t* bytes, size_t length, unsigned timeoutMs) override {
        return m_owner->Send(m_destination, bytes, length, true, timeoutMs);
    }

private:
    CMidiLoopback* m_owner;
    uint32_t m_destination;
};

CMidiLoopback::CMidiLoopback() {
    m_wake.Create();
    m_progress.Create();
    m_running = true;
    if (!m_thread.Run(this)) m_running = false;
}

CMidiLoopback::~CMidiLoopback() {
    m_lock.Lock();
    m_running = false;
    m_lock.Unlock();
    m_wake.Set();
    m_thread.Join();
}

uint32_t CMidiLoopback::AddEndpoint(const std::string& device, const std::string& name, bool withDevice,
                                    bool isSource) {
    m_lock.Lock();
    const uint32_t handle = m_nextHandle++;
    Endpoint& e = m_endpoints[handle];
    e.info.handle = handle;
    e.info.hasDevice = withDevice;
    e.info.device = withDevice ? device : std::string();
    e.info.name = name;
    e.isSource = isSource;
    m_order.push_back(handle);
    m_lock.Unlock();
    m_setupListeners.Notify();
    return handle;
}

uint32_t CMidiLoopback::AddSource(const std::string& device, const std::string& name, bool withDevice) {
    return AddEndpoint(device, name, withDevice, true);
}

uint32_t CMidiLoopback::AddDestination(const std::string& device, const std::string& name, bool withDevice) {
    return AddEndpoint(device, name, withDevice, false);
}

void CMidiLoopback::RemoveEndpoint(uint32_t handle) {
    m_lock.Lock();
    auto it = m_endpoints.find(handle);
    const bool removed = it != m_endpoints.end() && !it->second.removed;
    if (removed) it->second.removed = true;
    m_lock.Unlock();
    if (removed) m_setupListeners.Notify();
}

void CMidiLoopback::Connect(uint32_t destination, uint32_t source) {
    m_lock.Lock();
    auto it = m_endpoints.find(destination);
    if (it != m_endpoints.end() && !it->second.isSource) it->second.connectedSources.push_back(source);
    m_lock.Unlock();
}

std::vector<MidiEndpoint> CMidiLoopback::List(bool sources) {
    std::vector<MidiEndpoint> list;
    m_lock.Lock();
    for (uint32_t handle : m_order) {
        const Endpoint& e = m_endpoints[handle];
        if (e.isSource == sources && !e.removed) list.push_back(e.info);
    }
    m_lock.Unlock();
    return list;
}

std::vector<MidiEndpoint> CMidiLoopback::Sources() {
    return List(true);
}

std::vector<MidiEndpoint> CMidiLoopback::Destinations() {
    return List(false);
}

std::unique_ptr<IMidiBackendInput> CMidiLoopback::OpenInput(uint32_t source, IMidiPacketSink* sink,
                                                            const char* portName) {
    m_lock.Lock();
    auto it = m_endpoints.find(source);
    const bool ok = sink && it != m_endpoints.end() && it->second.isSource && !it->second.removed;
    std::unique_ptr<Input> input;
    if (ok) {
        input = std::make_unique<Input>(this, source, sink);
        m_inputs.push_back(input.get());
        m_opened.push_back(OpenedPort{source, true, portName ? portName : ""});
    }
    m_lock.Unlock();
    return input;
}

std::unique_ptr<IMidiBackendOutput> CMidiLoopback::OpenOutput(uint32_t destination, const char* portName) {
    m_lock.Lock();
    auto it = m_endpoints.find(destination);
    const bool ok = it != m_endpoints.end() && !it->second.isSource && !it->second.removed;
    if (ok) m_opened.push_back(OpenedPort{destination, false, portName ? portName : ""});
    m_lock.Unlock();
    if (!ok) return nullptr;
    return std::make_unique<Output>(this, destination);
}

std::unique_ptr<IMidiBackendInputPort> CMidiLoopback::OpenInputPort(IMidiPacketSink* sink,
                                                                    const char* portName) {
    if (!sink) return nullptr;
    auto port = std::make_unique<Port>(this, sink, portName ? portName : "");
    m_lock.Lock();
    m_ports.push_back(port.get());
    m_opened.push_back(OpenedPort{0, true, port->name});
    m_lock.Unlock();
    return port;
}

bool CMidiLoopback::ConnectPort(Port* port, uint32_t source) {
    m_lock.Lock();
    auto it = m_endpoints.find(source);
    const bool ok = it != m_endpoints.end() && it->second.isSource && !it->second.removed;
    if (ok && std::find(port->sources.begin(), port->sources.end(), source) == port->sources.end()) {
        port->sources.push_back(source);
        m_subscriptions.push_back(Subscription{port->name, source, true});
    }
    m_lock.Unlock();
    return ok;
}

void CMidiLoopback::DisconnectPort(Port* port, uint32_t source) {
    // Waits for a delivery in progress, as closing an input does.
    m_deliveryLock.Lock();
    m_lock.Lock();
    auto it = std::find(port->sources.begin(), port->sources.end(), source);
    if (it != port->sources.end()) {
        port->sources.erase(it);
        m_subscriptions.push_back(Subscription{port->name, source, false});
    }
    m_lock.Unlock();
    m_deliveryLock.Unlock();
}

void CMidiLoopback::DetachPort(Port* port) {
    m_deliveryLock.Lock();
    m_lock.Lock();
    for (uint32_t source : port->sources) m_subscriptions.push_back(Subscription{port->name, source, false});
    port->sources.clear();
    m_ports.erase(std::remove(m_ports.begin(), m_ports.end(), port), m_ports.end());
    m_lock.Unlock();
    m_deliveryLock.Unlock();
}

std::vector<CMidiLoopback::Subscription> CMidiLoopback::GetSubscriptions() {
    m_lock.Lock();
    std::vector<Subscription> out = m_subscriptions;
    m_lock.Unlock();
    return out;
}

void CMidiLoopback::DetachInput(Input* input) {
    // Waits for a delivery in progress (or is inside it, on the delivery thread: the lock is recursive).
    m_deliveryLock.Lock();
    m_lock.Lock();
    m_inputs.erase(std::remove(m_inputs.begin(), m_inputs.end(), input), m_inputs.end());
    m_lock.Unlock();
    m_deliveryLock.Unlock();
}

std::vector<CMidiLoopback::OpenedPort> CMidiLoopback::GetOpenedPorts() {
    m_lock.Lock();
    std::vector<OpenedPort> opened = m_opened;
    m_lock.Unlock();
    return opened;
}

size_t CMidiLoopback::InputCount(uint32_t source) {
    m_lock.Lock();
    size_t n = static_cast<size_t>(std::count_if(m_inputs.begin(), m_inputs.end(),
                                                 [&](const Input* in) { return in->source == source; }));
    for (const Port* port : m_ports)
        n += static_cast<size_t>(std::count(port->sources.begin(), port->sources.end(), source));
    m_lock.Unlock();
    return n;
}

// ---- Input side

void CMidiLoopback::Inject(uint32_t source, const void* bytes, size_t length, unsigned delayUs) {
    if (!bytes || length == 0) return;
    const auto* b = static_cast<const uint8_t*>(bytes);
    m_lock.Lock();
    m_queue.push_back(
        Packet{source, std::vector<uint8_t>(b, b + length), delayUs, MonotonicMicroseconds(), 0});
    m_lock.Unlock();
    m_wake.Set();
}

void CMidiLoopback::InjectStamped(uint32_t source, const void* bytes, size_t length, uint64_t receivedNs) {
    if (!bytes || length == 0) return;
    const auto* b = static_cast<const uint8_t*>(bytes);
    m_lock.Lock();
    m_queue.push_back(
        Packet{source, std::vector<uint8_t>(b, b + length), 0, MonotonicMicroseconds(), receivedNs});
    m_lock.Unlock();
    m_wake.Set();
}

void CMidiLoopback::InjectSplit(uint32_t source, const void* bytes, size_t length, size_t pieceSize,
                                unsigned delayUs) {
    if (!bytes || pieceSize == 0) return;
    const auto* b = static_cast<const uint8_t*>(bytes);
    const uint64_t now = MonotonicMicroseconds();
    m_lock.Lock();
    for (size_t at = 0; at < length; at += pieceSize) {
        const size_t n = std::min(pieceSize, length - at);
        m_queue.push_back(Packet{source, std::vector<uint8_t>(b + at, b + at + n), delayUs, now, 0});
    }
    m_lock.Unlock();
    m_wake.Set();
}

void CMidiLoopback::InjectForeign(uint32_t portsOf, uint32_t sender, const void* bytes, size_t length) {
    if (!bytes || length == 0) return;
    const auto* b = static_cast<const uint8_t*>(bytes);
    m_lock.Lock();
    m_queue.push_back(
        Packet{portsOf, std::vector<uint8_t>(b, b + length), 0, MonotonicMicroseconds(), 0, sender});
    m_lock.Unlock();
    m_wake.Set();
}

void CMidiLoopback::LoseInput(uint32_t source, size_t afterBytes, size_t dropBytes) {
    m_lock.Lock();
    auto it = m_endpoints.find(source);
    if (it != m_endpoints.end()) {
        it->second.loseAfter = afterBytes;
        it->second.loseBytes = dropBytes;
    }
    m_lock.Unlock();
}

bool CMidiLoopback::WaitIdle(unsigned timeoutMs) {
    const uint64_t deadline = MonotonicMicroseconds() + uint64_t{timeoutMs} * 1000;
    for (;;) {
        m_lock.Lock();
        const bool idle = m_queue.empty() && !m_delivering;
        m_lock.Unlock();
        if (idle) return true;
        if (MonotonicMicroseconds() >= deadline) return false;
        m_progress.Wait(kSliceMs);
    }
}

long CMidiLoopback::ThreadProc() {
    for (;;) {
        m_lock.Lock();
        if (!m_running) {
            m_lock.Unlock();
            return 0;
        }
        if (m_queue.empty()) {
            m_delivering = false;
            m_lock.Unlock();
            m_progress.Set();
            m_wake.Wait(XEvent::INFINITE_WAIT);
            continue;
        }
        m_delivering = true;
        const uint64_t due = std::max(m_lastDue, m_queue.front().injectedUs) + m_queue.front().delayUs;
        m_lock.Unlock();

        const uint64_t now = MonotonicMicroseconds();
        if (now < due) {
            m_wake.Wait(static_cast<unsigned>((due - now + 999) / 1000));
            continue;  // re-checks the run flag and the due time
        }

        m_lock.Lock();
        Packet packet = std::move(m_queue.front());
        m_queue.pop_front();
        m_lock.Unlock();
        m_lastDue = due;

        m_deliveryLock.Lock();
        m_lock.Lock();
        auto ep = m_endpoints.find(packet.source);
        const bool live = ep != m_endpoints.end() && !ep->second.removed;
        std::vector<Input*> targets;
        std::vector<Port*> ports;
        if (live) {
            for (Input* in : m_inputs)
                if (in->source == packet.source) targets.push_back(in);
            for (Port* port : m_ports)
                if (std::find(port->sources.begin(), port->sources.end(), packet.source) !=
                    port->sources.end())
                    ports.push_back(port);
        }
        // A loss asked for: the bytes kept before it, the notice, the bytes kept after it.
        std::vector<uint8_t> after;
        bool tellLost = false;
        if (live && ep->second.loseBytes > 0) {
            Endpoint& e = ep->second;
            size_t keep = std::min(e.loseAfter, packet.bytes.size());
            e.loseAfter -= keep;
            size_t at = keep;
            if (e.loseAfter == 0) {
                const size_t drop = std::min(e.loseBytes, packet.bytes.size() - at);
                e.loseBytes -= drop;
                at += drop;
                if (drop > 0) e.lost = true;
                if (e.loseBytes == 0 && e.lost) {
                    after.assign(packet.bytes.begin() + static_cast<long>(at), packet.bytes.end());
                    tellLost = true;
                    e.lost = false;
                }
            }
            packet.bytes.resize(keep);
        }
        m_lock.Unlock();
        const uint32_t sender = packet.sender ? packet.sender : packet.source;
        const auto tell = [&](IMidiPacketSink* sink, const std::vector<uint8_t>& bytes, bool lost) {
            if (lost) {
                sink->OnMidiInputLost();
            } else if (!bytes.empty()) {
                sink->OnMidiPacketFrom(sender, packet.stampNs ? packet.stampNs : MidiReceiveTimeNs(),
                                       bytes.data(), bytes.size());
            }
        };
        const auto deliver = [&](const std::vector<uint8_t>& bytes, bool lost) {
            for (Input* in : targets) {
                // An earlier sink may have closed this input from inside its call.
                m_lock.Lock();
                const bool attached = std::find(m_inputs.begin(), m_inputs.end(), in) != m_inputs.end();
                m_lock.Unlock();
                if (attached) tell(in->sink, bytes, lost);
            }
            for (Port* port : ports) {
                // An earlier sink may have closed the port, or disconnected the source, from inside
                // its call.
                m_lock.Lock();
                const bool attached = std::find(m_ports.begin(), m_ports.end(), port) != m_ports.end() &&
                                      std::find(port->sources.begin(), port->sources.end(), packet.source) !=
                                          port->sources.end();
                m_lock.Unlock();
                if (attached) tell(port->sink, bytes, lost);
            }
        };
        deliver(packet.bytes, false);
        if (tellLost) {
            deliver({}, true);
            deliver(after, false);
        }
        m_deliveryLock.Unlock();
    }
}

// ---- Output side

MidiSendResult CMidiLoopback::Send(uint32_t destination, const uint8_t* bytes, size_t length, bool exclusive,
                                   unsigned timeoutMs) {
    if (!bytes || length == 0) return MidiSendResult::Refused;
    const uint64_t start = MonotonicMicroseconds();
    for (;;) {
        m_lock.Lock();
        auto it = m_endpoints.find(destination);
        if (it == m_endpoints.end() || it->second.removed || it->second.sendFails) {
            m_lock.Unlock();
            return MidiSendResult::Refused;
        }
        Endpoint& e = it->second;
        if (exclusive && e.neverCompletes) {
            m_lock.Unlock();
            // Hangs like an interface that never reports completion, until the time runs out or
            // the switch is turned off.
            if (timeoutMs != IMidiBackendOutput::kNoTimeLimit &&
                MonotonicMicroseconds() - start >= uint64_t{timeoutMs} * 1000)
                return MidiSendResult::Timeout;
            m_progress.Wait(kSliceMs);
            continue;
        }
        m_sent.push_back(Sent{destination, exclusive, std::vector<uint8_t>(bytes, bytes + length),
                              MonotonicMicroseconds()});
        IListener* listener = e.listener;
        const uint64_t now = MonotonicMicroseconds();
        for (uint32_t source : e.connectedSources)
            m_queue.push_back(Packet{source, std::vector<uint8_t>(bytes, bytes + length), 0, now, 0});
        const bool queued = !e.connectedSources.empty();
        m_lock.Unlock();
        if (queued) m_wake.Set();
        m_progress.Set();
        if (listener) listener->OnLoopbackSend(destination, bytes, length, exclusive);
        return MidiSendResult::Ok;
    }
}

std::vector<CMidiLoopback::Sent> CMidiLoopback::GetSent() {
    m_lock.Lock();
    std::vector<Sent> sent = m_sent;
    m_lock.Unlock();
    return sent;
}

std::vector<CMidiLoopback::Sent> CMidiLoopback::TakeSent() {
    m_lock.Lock();
    std::vector<Sent> sent = std::move(m_sent);
    m_sent.clear();
    m_lock.Unlock();
    return sent;
}

bool CMidiLoopback::WaitSent(size_t count, unsigned timeoutMs) {
    const uint64_t deadline = MonotonicMicroseconds() + uint64_t{timeoutMs} * 1000;
    for (;;) {
        m_lock.Lock();
        const bool enough = m_sent.size() >= count;
        m_lock.Unlock();
        if (enough) return true;
        if (MonotonicMicroseconds() >= deadline) return false;
        m_progress.Wait(kSliceMs);
    }
}

void CMidiLoopback::SetListener(uint32_t destination, IListener* listener) {
    m_lock.Lock();
    auto it = m_endpoints.find(destination);
    if (it != m_endpoints.end()) it->second.listener = listener;
    m_lock.Unlock();
}

void CMidiLoopback::SetSendFails(uint32_t destination, bool fail) {
    m_lock.Lock();
    auto it = m_endpoints.find(destination);
    if (it != m_endpoints.end()) it->second.sendFails = fail;
    m_lock.Unlock();
}

void CMidiLoopback::SetExclusiveNeverCompletes(uint32_t destination, bool on) {
    m_lock.Lock();
    auto it = m_endpoints.find(destination);
    if (it != m_endpoints.end()) it->second.neverCompletes = on;
    m_lock.Unlock();
}
