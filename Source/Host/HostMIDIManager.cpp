#include "Host/HostMIDIManager.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstring>

#include "Host/ControllerProtocol.h"
#include "Linux/Trace.h"

namespace {

constexpr uint64_t kClockGapUs = 500000;  // four intervals at 20 BPM: a longer gap starts a new run

// Data bytes a status byte takes.
int DataBytes(uint8_t status) {
    switch (status & 0xF0) {
        case 0x80:
        case 0x90:
        case 0xA0:
        case 0xB0:
        case 0xE0:
            return 2;
        case 0xC0:
        case 0xD0:
            return 1;
        default:
            break;
    }
    if (status == 0xF2) return 2;
    if (status == 0xF1 || status == 0xF3) return 1;
    return 0;
}

}  // namespace

// ---- Ring

MIDIPacketRingBuffer::MIDIPacketRingBuffer(size_t capacity) : m_entries(capacity) {}

void MIDIPacketRingBuffer::Push(uint32_t source, uint64_t timeNs, const uint8_t* bytes, size_t length) {
    size_t at = 0;
    while (at < length) {
        Entry* e = nullptr;
        uint16_t n = 0;
        // Fills one entry with up to 256 bytes that are not clock ticks.
        for (; at < length; ++at) {
            if (bytes[at] == 0xF8) continue;
            if (!e) {
                const size_t slot = (m_head + m_length) % m_entries.size();
                if (m_length == m_entries.size()) {
                    m_head = (m_head + 1) % m_entries.size();
                } else {
                    ++m_length;
                }
                e = &m_entries[slot];
                e->timeNs = timeNs;
                e->source = source;
            }
            if (n == kMaxData) break;
            e->data[n++] = bytes[at];
        }
        if (e) e->length = n;
    }
}

const MIDIPacketRingBuffer::Entry& MIDIPacketRingBuffer::Front() const {
    if (!(m_length > 0)) throw ZbrIfNotException("mLength > 0");
    return m_entries[m_head];
}

const MIDIPacketRingBuffer::Entry& MIDIPacketRingBuffer::Last() const {
    if (!(m_length > 0)) throw ZbrIfNotException("mLength > 0");
    return m_entries[(m_head + m_length - 1) % m_entries.size()];
}

void MIDIPacketRingBuffer::PopFront() {
    if (m_length == 0) return;
    m_head = (m_head + 1) % m_entries.size();
    --m_length;
}

// ---- Endpoint snapshot

MIDIEndpointList::MIDIEndpointList(IMidiBackend* backend)
    : m_sources(backend->Sources()), m_dests(backend->Destinations()) {}

const MidiEndpoint& MIDIEndpointList::GetSource(int i) const {
    if (!(0 <= i && i < GetSourceCount())) throw ZbrIfNotException("0 <= inIndex && inIndex < mSourceCount");
    return m_sources[static_cast<size_t>(i)];
}

const MidiEndpoint& MIDIEndpointList::GetDest(int i) const {
    if (!(0 <= i && i < GetDestCount())) throw ZbrIfNotException("0 <= inIndex && inIndex < mDestCount");
    return m_dests[static_cast<size_t>(i)];
}

int MIDIEndpointList::GetIndexOfSource(uint32_t endpoint) const {
    for (size_t i = 0; i < m_sources.size(); ++i)
        if (m_sources[i].handle == endpoint) return static_cast<int>(i);
    throw ZbrIfNotException("index >= 0");
}

int MIDIEndpointList::GetIndexOfDest(uint32_t endpoint) const {
    for (size_t i = 0; i < m_dests.size(); ++i)
        if (m_dests[i].handle == endpoint) return static_cast<int>(i);
    throw ZbrIfNotException("index >= 0");
}

bool MIDIEndpointList::SameSources(const MIDIEndpointList& o) const {
    if (m_sources.size() != o.m_sources.size()) return false;
    for (size_t i = 0; i < m_sources.size(); ++i)
        if (m_sources[i].handle != o.m_sources[i].handle) return false;
    return true;
}

uint32_t MidiUniqueID(const std::string& device, const std::string& name) {
    uint32_t h = 2166136261u;
    auto mix = [&h](uint8_t b) {
        h ^= b;
        h *= 16777619u;
    };
    for (char c : device) mix(static_cast<uint8_t>(c));
    mix(0);
    for (char c : name) mix(static_cast<uint8_t>(c));
    return h;
}

// ---- Manager

class VintorHostMIDIManager::ClockSink final : public IMidiPacketSink {
public:
    explicit ClockSink(VintorHostMIDIManager* owner) : m_owner(owner) {}
    void OnMidiPacket(const uint8_t* bytes, size_t length) override {
        m_owner->HandleClockPackets(MidiReceiveTimeNs(), bytes, length);
    }
    void OnMidiPacketFrom(uint32_t, uint64_t receivedNs, const uint8_t* bytes, size_t length) override {
        m_owner->HandleClockPackets(receivedNs, bytes, length);
    }

private:
    VintorHostMIDIManager* m_owner;
};

VintorHostMIDIManager::VintorHostMIDIManager(IMidiBackend* backend, IHostedUnit* unit, IHostShell* shell)
    : m_backend(backend), m_unit(unit), m_shell(shell), m_clockSink(std::make_unique<ClockSink>(this)) {
    if (m_unit) {
        m_plugin = m_unit->HandOver(this);
        m_unit->SetHostCallbacks(this);
    }
    if (m_backend) {
        m_inputPort = m_backend->OpenInputPort(this, kInputPortName);
        if (!m_inputPort) TRACE("MIDI: no input port (no MIDI system)\n");
        m_backend->AddSetupListener(this);
    }
}

VintorHostMIDIManager::~VintorHostMIDIManager() {
    if (m_unit) m_unit->SetHostCallbacks(nullptr);
    if (m_backend) m_backend->RemoveSetupListener(this);
    {
        ZbrStMutexLock lock(m_midiLock);
        for (int i = 0; i < kSlotCount; ++i) {
            try {
                SetSource(i, 0, false);
            } catch (const ZbrException&) {
            }
        }
    }
    m_clockInput.reset();
    m_inputPort.reset();
    m_outputs.clear();
}

void VintorHostMIDIManager::OnMidiSetupChanged() {
    if (m_shell) m_shell->DemandIdleTask(7);
}

// ---- Render cycle

void VintorHostMIDIManager::SetSampleRateAndBufferFrameSize(double rate, uint32_t frames) {
    m_sampleRate.store(rate);
    m_bufferFrames.store(frames);
}

void VintorHostMIDIManager::InProcess(uint64_t cycleStartNs) {
    m_cycleStart.store(cycleStartNs, std::memory_order_relaxed);
}

uint32_t VintorHostMIDIManager::CalcMIDISampleOffset(uint64_t timeNs) const {
    const uint64_t start = m_cycleStart.load(std::memory_order_relaxed);
    if (start == 0) return 0;
    const uint32_t frames = m_bufferFrames.load(std::memory_order_relaxed);
    if (timeNs <= start || frames == 0) return 0;
    const double offset = std::round(static_cast<double>(timeNs - start) * m_sampleRate.load() / 1e9);
    return offset >= frames - 1 ? frames - 1 : static_cast<uint32_t>(offset);
}

// ---- Incoming MIDI

void VintorHostMIDIManager::OnMidiPacket(const uint8_t* bytes, size_t length) {
    HandleMIDIPackets(0, MidiReceiveTimeNs(), bytes, length);
}

void VintorHostMIDIManager::OnMidiPacketFrom(uint32_t source, uint64_t receivedNs, const uint8_t* bytes,
                                             size_t length) {
    HandleMIDIPackets(source, receivedNs, bytes, length);
}

size_t VintorHostMIDIManager::RingLength() {
    std::lock_guard<std::mutex> lock(m_ringLock);
    return m_ring.Length();
}

void VintorHostMIDIManager::HandleMIDIPackets(uint32_t source, uint64_t receivedNs, const uint8_t* bytes,
                                              size_t length) {
    if (!bytes || length == 0) return;
    {
        std::lock_guard<std::mutex> lock(m_ringLock);
        m_ring.Push(source, receivedNs, bytes, length);
    }
    if (!m_probing.load() && m_unit) {
        const uint32_t offset = CalcMIDISampleOffset(receivedNs);
        size_t i = 0;
        while (i < length) {
            const uint8_t status = bytes[i];
            if (status < 0x80 || status == 0xF8) {
                ++i;  // a data byte without its status, or a clock tick (the clock port's business)
                continue;
            }
            if (status == 0xF0 || status == 0xF7) {
                // Exclusive messages go only to the exclusive path.
                ++i;
                while (i < length && bytes[i] < 0x80) ++i;
                continue;
            }
            const int need = DataBytes(status);
            uint8_t data[2] = {0, 0};
            ++i;
            for (int k = 0; k < need && i < length && bytes[i] < 0x80; ++k) data[k] = bytes[i++];
            m_unit->MIDIEvent(status, data[0], data[1], offset);
        }
    }
    ZbrStMutexTrylock lock(m_midiLock);
    if (lock.IsLocked()) DrainRing();
}

void VintorHostMIDIManager::DrainRing() {
    // The MIDI lock is held.
    for (;;) {
        MIDIPacketRingBuffer::Entry entry;
        {
            std::lock_guard<std::mutex> lock(m_ringLock);
            if (m_ring.Length() == 0) return;
            entry = m_ring.Front();
            m_ring.PopFront();
        }
        uint8_t* buffer = nullptr;
        size_t* position = nullptr;
        int probeIndex = -1;
        if (m_probing.load()) {
            for (size_t i = 0; i < m_probes.size(); ++i)
                if (m_probes[i]->endpoint == entry.source) {
                    buffer = m_probes[i]->buffer;
                    position = &m_probes[i]->position;
                    probeIndex = static_cast<int>(i);
                }
        } else {
            for (SlotData& slot : m_slots)
                if (slot.active && slot.source && slot.source->endpoint == entry.source) {
                    buffer = slot.buffer;
                    position = &slot.position;
                }
        }
        if (!buffer) continue;
        for (uint16_t i = 0; i < entry.length; ++i)
            AppendSysExByte(entry.source, entry.data[i], buffer, position, probeIndex);
    }
}

void VintorHostMIDIManager::AppendSysExByte(uint32_t source, uint8_t byte, uint8_t* buffer, size_t* position,
                                            int probeIndex) {
    if (byte >= 0xF8) return;  // real-time bytes may sit inside a message
    if (byte == 0xF0) {
        buffer[0] = 0xF0;
        *position = 1;
        return;
    }
    if (*position == 0) return;  // outside a message
    if (byte == 0xF7) {
        buffer[(*position)++] = 0xF7;
        const size_t length = *position;
        *position = 0;
        m_lastSysExLength.store(length);
        m_sysExCount.fetch_add(1);
        try {
            HandleSysEx(source, buffer, length, probeIndex);
        } catch (const ZbrException& e) {
            TRACE("MIDI: exclusive message not handled: %s\n", e.what());
        }
        return;
    }
    if (byte >= 0x80) {
        *position = 0;  // another status cut the message short
        return;
    }
    if (*position == 1 && byte != 0x42 && byte != 0x7E) {
        *position = 0;  // not ours to read
        return;
    }
    if (*position >= kSysExMax - 1) {
        *position = 0;  // no room left for its end
        return;
    }
    buffer[(*position)++] = byte;
}

void VintorHostMIDIManager::HandleClockPackets(uint64_t receivedNs, const uint8_t* bytes, size_t length) {
    if (m_clockRestart.exchange(false)) {
        m_prevTickUs = 0;
        m_intervalsInRun = 0;
    }
    int ticks = 0;
    const uint64_t timeUs = receivedNs / 1000;
    for (size_t i = 0; i < length; ++i) {
        if (bytes[i] != 0xF8) continue;
        ++ticks;
        if (m_prevTickUs != 0 && timeUs >= m_prevTickUs && timeUs - m_prevTickUs <= kClockGapUs) {
            m_intervals[m_intervalIndex] = timeUs - m_prevTickUs;
            m_intervalIndex = (m_intervalIndex + 1) % kClockRing;
            ++m_intervalsInRun;
        } else {
            m_intervalsInRun = 0;  // the first tick of a run has nothing to measure from
        }
        m_prevTickUs = timeUs;
        if (m_unit) m_unit->MIDIEvent(0xF8, 0, 0, CalcMIDISampleOffset(receivedNs));
    }
    if (ticks == 0 || m_intervalsInRun == 0) return;
    int t = static_cast<int>(m_tempo.load());
    t = std::clamp(t, 20, 300);
    int n = (94 * t - 1880) / 280 + 5;
    n = std::min(n, std::min(m_intervalsInRun, kClockRing));
    double sum = 0;
    for (int k = 1; k <= n; ++k)
        sum += static_cast<double>(m_intervals[(m_intervalIndex - k + kClockRing) % kClockRing]);
    const double mean = sum / n;
    const int divisor = (9 * t - 180) / 280 + 1;
    if (m_intervalsInRun == 1 || m_average <= 0) {
        m_average = mean;  // a new run starts from its own first interval
    } else {
        m_average += (mean - m_average) / divisor;
    }
    if (m_average > 0) m_tempo.store(std::floor(2500000.0 / m_average + 0.5));
}

// ---- Sources and slots

VintorHostMIDIManager::SourceData* VintorHostMIDIManager::FindSource(uint32_t endpoint) {
    for (auto& s : m_sources)
        if (s->endpoint == endpoint) return s.get();
    return nullptr;
}

void VintorHostMIDIManager::Connect(uint32_t endpoint) {
    if (++m_connectCount[endpoint] > 1) return;
    if (!m_inputPort || !m_inputPort->ConnectSource(endpoint)) {
        m_connectCount.erase(endpoint);
        throw ZbrMacOSException(-19);  // ENODEV
    }
}

void VintorHostMIDIManager::Disconnect(uint32_t endpoint) {
    auto it = m_connectCount.find(endpoint);
    if (it == m_connectCount.end()) return;
    if (--it->second > 0) return;
    m_connectCount.erase(it);
    // The read thread never waits for the MIDI lock, so this cannot stall.
    if (m_inputPort) m_inputPort->DisconnectSource(endpoint);
}

uint32_t VintorHostMIDIManager::SlotSource(int slot) {
    ZbrStMutexLock lock(m_midiLock);
    if (slot < 0 || slot >= kSlotCount || !m_slots[slot].source) return 0;
    return m_slots[slot].source->endpoint;
}

void VintorHostMIDIManager::Send(uint32_t destination, const MidiBytes& bytes) {
    auto it = m_outputs.find(destination);
    if (it == m_outputs.end()) {
        auto out = m_backend->OpenOutput(destination, kOutputPortName);
        if (!out) throw ZbrMacOSException(-19);
        it = m_outputs.emplace(destination, std::move(out)).first;
    }
    if (it->second->SendExclusive(bytes.data(), bytes.size(), 1000) != MidiSendResult::Ok)
        throw ZbrMacOSException(-5);
}

void VintorHostMIDIManager::EndWait() {
    {
        std::lock_guard<std::mutex> lock(m_waitMutex);
        m_waitEnded = true;
    }
    m_waitCond.notify_all();
}

void VintorHostMIDIManager::SendAndWait(uint32_t destination, const MidiBytes& bytes) {
    {
        std::lock_guard<std::mutex> lock(m_waitMutex);
        m_waitEnded = false;
    }
    m_waiting = true;
    std::exception_ptr failure;
    {
        // The reply is read by the read thread, which needs the MIDI lock.
        ZbrStMutexUnlock unlock(m_midiLock);
        try {
            if (!bytes.empty()) Send(destination, bytes);
            const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(kReplyWaitMs);
            std::unique_lock<std::mutex> lock(m_waitMutex);
            while (!m_waitEnded) {
                if (m_waitCond.wait_until(lock, std::min(until, std::chrono::steady_clock::now() +
                                                                    std::chrono::milliseconds(5))) ==
                        std::cv_status::timeout &&
                    !m_waitEnded) {
                    // A reply that came while the read thread could not take the lock waits in the ring.
                    lock.unlock();
                    {
                        ZbrStMutexTrylock drain(m_midiLock);
                        if (drain.IsLocked()) DrainRing();
                    }
                    lock.lock();
                    if (std::chrono::steady_clock::now() >= until) break;
                }
            }
        } catch (...) {
            failure = std::current_exception();
        }
    }
    m_waiting = false;
    if (failure) std::rethrow_exception(failure);
}

void VintorHostMIDIManager::SetSource(int slot, uint32_t endpoint, bool exclusive) {
    ZbrStMutexLock lock(m_midiLock);
    if (!(0 <= slot && slot < kSlotCount))
        throw ZbrIfNotException(
            "0 <= inSlotIndex && inSlotIndex < VintorHostMIDIManager_MIDIReveiveSlotCount");
    SlotData& s = m_slots[slot];
    SourceData* source = endpoint ? FindSource(endpoint) : nullptr;
    const bool active = source ? (source->kind == kKindHarrow ? true : exclusive) : false;
    if (source == s.source && active == s.active) return;

    if (SourceData* old = s.source) {
        try {
            if (s.active) {
                if (m_plugin) m_plugin->ControllerDetached(static_cast<int>(old->endpoint));
                if (old->kind == kKindController1 || old->kind == kKindController2) {
                    if (!old->controller) throw ZbrNullException("oldSourceData->mVelkExclusiveData");
                    Disconnect(old->controller->nextSource);
                    ChangeExclusiveMode(old->kind == kKindController1 ? 0 : 2, old->endpoint,
                                        old->controller->destination, old->controller->channel, 0);
                }
            }
        } catch (const ZbrException& e) {
            TRACE("MIDI: releasing a source: %s\n", e.what());
        }
        Disconnect(old->endpoint);
    }
    s.source = source;
    s.active = active;
    s.position = 0;
    if (!source) return;
    Connect(source->endpoint);
    if (!active) return;
    if (source->kind == kKindController1 || source->kind == kKindController2) {
        if (!source->controller) throw ZbrNullException("newSourceData->mVelkExclusiveData");
        ControllerData& c = *source->controller;
        Connect(c.nextSource);
        int channel = -1;
        DeviceInquiry(source->endpoint, c.destination, &channel);
        uint8_t wanted = 1;
        if (m_plugin) {
            m_plugin->AskChannel(&wanted);
            if (wanted > 15) wanted = 0;
        }
        const int kind = source->kind == kKindController1 ? 0 : 2;
        ExclusiveInitialize(kind, source->endpoint, c.destination, channel, wanted);
        c.channel = wanted;
        if (m_plugin) m_plugin->ControllerAttached(kind, static_cast<int>(source->endpoint));
    } else if (source->kind == kKindHarrow) {
        if (m_plugin) m_plugin->ControllerAttached(1, static_cast<int>(source->endpoint));
    }
}

void VintorHostMIDIManager::SetClockSyncSource(uint32_t endpoint) {
    ZbrStMutexLock lock(m_midiLock);
    if (endpoint == m_clockSource) return;
    m_clockInput.reset();
    m_clockSource = endpoint;
    m_clockRestart.store(true);
    if (endpoint) {
        m_clockInput = m_backend->OpenInput(endpoint, m_clockSink.get(), kClockPortName);
        if (!m_clockInput) {
            m_clockSource = 0;
            throw ZbrMacOSException(-19);
        }
    }
}

void VintorHostMIDIManager::GetSourceType(uint32_t endpoint, uint32_t* kind, uint32_t* number) {
    ZbrStMutexLock lock(m_midiLock);
    SourceData* s = FindSource(endpoint);
    if (!s) throw ZbrNullException("sourceData");
    *kind = s->kind;
    *number = s->number;
    if (s->kind >= kKindBefore2) {
        *kind = s->kind - kKindBefore2;
        *number = s->number + 0x10000;
    }
}

void VintorHostMIDIManager::RebuildDataList(const MIDIEndpointList& list) {
    ZbrStMutexLock lock(m_midiLock);
    // 1. Slots whose source is gone are detached.
    for (int i = 0; i < kSlotCount; ++i) {
        if (!m_slots[i].source) continue;
        bool present = false;
        for (int k = 0; k < list.GetSourceCount(); ++k)
            present = present || list.GetSource(k).handle == m_slots[i].source->endpoint;
        if (!present) {
            try {
                SetSource(i, 0, false);
            } catch (const ZbrException&) {
            }
        }
    }
    // 2. The new list in list order; known endpoints keep their data.
    uint32_t highest[8] = {};
    std::vector<std::unique_ptr<SourceData>> sources;
    std::vector<SourceData*> fresh;
    for (int k = 0; k < list.GetSourceCount(); ++k) {
        const uint32_t endpoint = list.GetSource(k).handle;
        std::unique_ptr<SourceData> s;
        for (auto& old : m_sources)
            if (old && old->endpoint == endpoint) s = std::move(old);
        if (s) {
            s->known = true;
            if (s->kind != kKindPlain) highest[s->kind] = std::max(highest[s->kind], s->number);
        } else {
            s = std::make_unique<SourceData>();
            s->endpoint = endpoint;
            fresh.push_back(s.get());
        }
        sources.push_back(std::move(s));
    }
    m_sources = std::move(sources);
    // 3-4. Probe the new sources through every destination.
    m_probes.clear();
    for (SourceData* s : fresh) {
        auto probe = std::make_unique<FindExData>();
        probe->endpoint = s->endpoint;
        m_probes.push_back(std::move(probe));
        try {
            Connect(s->endpoint);
        } catch (const ZbrException&) {
        }
    }
    if (!fresh.empty()) {
        m_probing.store(true);
        for (const MidiBytes& request : {MsgIdentityRequest(), MsgProbe()}) {
            for (int d = 0; d < list.GetDestCount(); ++d) {
                const MidiEndpoint& dest = list.GetDest(d);
                if (dest.device == "Midi Through") continue;
                m_probeDestination = dest.handle;
                try {
                    SendAndWait(dest.handle, request);
                } catch (const ZbrException& e) {
                    TRACE("MIDI: probing %s: %s\n", dest.name.c_str(), e.what());
                }
            }
        }
        m_probeDestination = 0;
    }
    // 6. Controllers found.
    for (size_t p = 0; p < m_probes.size(); ++p) {
        const FindExData& probe = *m_probes[p];
        SourceData* s = FindSource(probe.endpoint);
        if (!s) continue;
        if (probe.kind == kKindController1 || probe.kind == kKindController2) {
            s->kind = probe.kind;
            s->number = ++highest[probe.kind];
            auto c = std::make_unique<ControllerData>();
            c->destination = probe.destination;
            const int di = [&] {
                for (int d = 0; d < list.GetDestCount(); ++d)
                    if (list.GetDest(d).handle == probe.destination) return d;
                return -1;
            }();
            c->destinationBefore = di > 0 ? list.GetDest(di - 1).handle : 0;
            const int si = list.GetIndexOfSource(s->endpoint);
            c->nextSource = si + 1 < list.GetSourceCount() ? list.GetSource(si + 1).handle : 0;
            s->controller = std::move(c);
            const uint32_t before = probe.kind == kKindController1 ? kKindBefore1 : kKindBefore2;
            if (si > 0) {
                SourceData* b = FindSource(list.GetSource(si - 1).handle);
                b->kind = before;
                b->number = s->number;
            }
            if (si + 1 < list.GetSourceCount()) {
                SourceData* a = FindSource(list.GetSource(si + 1).handle);
                a->kind = before + 2;
                a->number = s->number;
            }
        } else if (probe.kind == kKindHarrow) {
            s->kind = kKindHarrow;
            s->number = ++highest[kKindHarrow];
            s->controller = std::make_unique<ControllerData>();
            s->controller->destination = probe.destination;
        }
    }
    // 7. The probe ends; plain sources are numbered in list order.
    m_probing.store(false);
    for (auto& probe : m_probes) Disconnect(probe->endpoint);
    m_probes.clear();
    uint32_t number = 0;
    for (auto& s : m_sources)
        if (s->kind == kKindPlain) s->number = ++number;
}

bool VintorHostMIDIManager::CheckUpdated() {
    auto now = std::make_unique<MIDIEndpointList>(m_backend);
    const bool changed = !m_snapshot || !m_snapshot->SameSources(*now);
    m_snapshot = std::move(now);
    return changed;
}

void VintorHostMIDIManager::BuildMidiEntries(const MIDIEndpointList& list, std::vector<MidiEntry>* inputs,
                                             std::vector<MidiEntry>* clock) {
    RebuildDataList(list);
    inputs->clear();
    clock->clear();
    for (int i = 0; i < list.GetSourceCount(); ++i) {
        const MidiEndpoint& e = list.GetSource(i);
        MidiEntry entry;
        entry.endpointName = e.name;
        entry.deviceName = e.device;
        entry.label = e.device.empty() ? e.name : e.device + " " + e.name;
        entry.uniqueID = MidiUniqueID(e.device, e.name);
        entry.endpoint = e.handle;
        uint32_t kind = kKindPlain, number = 0;
        try {
            GetSourceType(e.handle, &kind, &number);
        } catch (const ZbrException&) {
        }
        entry.number = number;
        entry.kind = 4;
        entry.exclusive = false;
        inputs->push_back(entry);
        clock->push_back(entry);
    }
    std::stable_sort(inputs->begin(), inputs->end(),
                     [](const MidiEntry& a, const MidiEntry& b) { return a.number < b.number; });
}

// ---- Controller protocol

void VintorHostMIDIManager::DeviceInquiry(uint32_t source, uint32_t destination, int* channel) {
    m_awaitedSource = source;
    m_identityChannel = -1;
    SendAndWait(destination, MsgIdentityRequest());
    if (!(m_identityChannel != -1)) throw ZbrIfNotException("mDeviceInquiryGlobalMIDIChannel != -1");
    *channel = m_identityChannel;
}

void VintorHostMIDIManager::ChangeExclusiveMode(int kind, uint32_t source, uint32_t destination, int channel,
                                                int mode) {
    m_awaitedSource = source;
    m_expectedExclusiveMode = mode;
    m_exclusiveModeCompleted = false;
    SendAndWait(destination, MsgSpecialMode(kind, channel, mode));
    if (!m_exclusiveModeCompleted) throw ZbrIfNotException("mChangeExclusiveModeCompleted");
}

void VintorHostMIDIManager::ExclusiveInitialize(int kind, uint32_t source, uint32_t destination,
                                                int oldChannel, int newChannel) {
    try {
        ChangeExclusiveMode(kind, source, destination, oldChannel, 1);
        const MidiBytes steps[4] = {MsgInitial1(kind, oldChannel, newChannel), MsgInitial2(kind, newChannel),
                                    MsgInitial3(kind, newChannel), MsgInitial4(kind, newChannel)};
        for (int step = 0; step < 4; ++step) {
            m_awaitedSource = source;
            m_expectedInitStep = step;
            m_initResult = false;
            SendAndWait(destination, steps[step]);
            m_expectedInitStep = -1;
            if (!m_initResult) throw ZbrIfNotException("mExclusiveInitializeCompleted");
        }
    } catch (const ZbrException&) {
        m_expectedInitStep = -1;
        try {
            ChangeExclusiveMode(kind, source, destination, newChannel, 0);
        } catch (const ZbrException&) {
        }
        throw;
    }
}

void VintorHostMIDIManager::HandleSysEx(uint32_t source, const uint8_t* b, size_t length, int probeIndex) {
    // The universal identity reply of a controller: F0 7E ch 06 02 42 6E 00 (00|02) 00 ... (15 bytes).
    if (length == 15 && b[1] == 0x7E && b[3] == 0x06 && b[4] == 0x02 && b[5] == 0x42 && b[6] == 0x6E &&
        b[7] == 0x00 && (b[8] == 0x00 || b[8] == 0x02) && b[9] == 0x00) {
        if (m_waiting) {
            m_identityChannel = b[2] & 0x0F;
            EndWait();
        }
        return;
    }
    if (length < 9 || b[1] != 0x42 || (b[2] & 0xF0) != 0x40 || b[3] != 0x6E) return;
    const int function = b[5] & 0x1F;
    const int src = static_cast<int>(source);
    SourceData* s = FindSource(source);
    switch (function) {
        case 0:
            if (length == 9 && m_waiting && source == m_awaitedSource) {
                m_exclusiveModeCompleted = b[7] == (m_expectedExclusiveMode ? 3 : 2);
                EndWait();
            }
            return;
        case 3:
            if (length == 9 && m_plugin)
                m_plugin->ControllerEvent3(src, b[6] <= 7 ? b[6] + 1 : 0, b[7] >= 64 ? b[7] - 128 : b[7]);
            return;
        case 4:
            if (length == 9 && m_plugin) m_plugin->ControllerEvent4(src, b[6], b[7] & 0x7F);
            return;
        case 5:
            if (length == 9 && m_plugin)
                m_plugin->ControllerEvent5(src, b[6] & 0x0F, (b[6] & 0x40) != 0, b[7] & 0x7F);
            return;
        case 6:
            if (length == 9 && m_plugin) m_plugin->ControllerEvent9(src, b[6] != 0, b[7]);
            return;
        case 7:
            if (length == 9 && m_plugin) m_plugin->ControllerEvent6(src, b[6] != 0, b[7]);
            return;
        case 8:
            if (length == 9 && m_plugin) {
                const bool second = s && s->kind == kKindController2;
                int index = 0;
                if (!second && b[6] >= 1 && b[6] <= 8) index = b[6];
                if (second && b[6] >= 1 && b[6] <= 7) index = b[6];
                if (second && b[6] == 8) index = 9;
                if (second && b[6] == 9) index = 10;
                m_plugin->ControllerEvent7(src, index, b[7] != 0);
            }
            return;
        case 11:
            if (length == 9 && m_plugin) m_plugin->ControllerEvent8(src, b[6] & 0x7F, b[7] & 0x7F);
            return;
        case 30:
            if (length == 13 && b[6] == 5 && m_probing.load() && probeIndex >= 0 &&
                static_cast<size_t>(probeIndex) < m_probes.size()) {
                FindExData& probe = *m_probes[static_cast<size_t>(probeIndex)];
                if ((b[4] == 0 || b[4] == 2) && b[8] == 3 && b[9] == 2 && b[10] == 2 && b[11] == 2) {
                    probe.kind = b[4] == 0 ? kKindController1 : kKindController2;
                } else if (b[4] == 1) {
                    probe.kind = kKindHarrow;
                } else {
                    return;
                }
                probe.destination = m_probeDestination;
            }
            return;
        case 31:
            if (length == 9 && m_waiting && source == m_awaitedSource && b[6] == m_expectedInitStep) {
                m_initResult = b[7] == 0;
                EndWait();
            }
            return;
        default:
            return;
    }
}

// ---- Host interface: requests queue, Idle sends

void VintorHostMIDIManager::SetLed_vintorvstinterface1(int source, LED_ID id, LED_STATE state, int value) {
    ZbrStMutexLock lock(m_ledLock);
    m_leds.push_back(LedRequest{source, ControllerLedCode(id), ControllerLedStateCode(state), value});
}

void VintorHostMIDIManager::SetLcd_vintorvstinterface1(int source, LCD_ID id, LCD_COLOR color,
                                                       const unsigned char* text) {
    int code = 0;
    if (!ControllerLcdCode(id, &code)) return;  // no code for this id: nothing to send
    LcdRequest r{source, code, color, {' ', ' ', ' ', ' ', ' ', ' ', ' ', ' '}};
    if (text) std::memcpy(r.text, text, 8);
    ZbrStMutexLock lock(m_ledLock);
    m_lcds.push_back(r);
}

void VintorHostMIDIManager::SetLedHarrow_vintorvstinterface1(int source, LED_HARROW_ID id, LED_STATE state,
                                                             int value) {
    ZbrStMutexLock lock(m_ledLock);
    m_harrowLeds.push_back(LedRequest{source, id, ControllerLedStateCode(state), value});
}

void VintorHostMIDIManager::GetCpuCost_vintorvstinterface1(bool* running, double* load, bool* other1,
                                                           double* other2, bool* other3) {
    float l = 0;
    const bool measured = m_cpu && m_cpu->GetCPULoad(&l);
    if (running) *running = m_cpu && m_cpu->GetIsProcessing();
    if (load) *load = measured ? static_cast<double>(l) * 100.0 : 0.0;
    if (other1) *other1 = false;
    if (other2) *other2 = 0.0;
    if (other3) *other3 = false;
}

void VintorHostMIDIManager::SetCombiMIDIChannel_vintorvstinterface1(int channel) {
    // Applied on the main thread in Idle: the hand-shake waits for replies.
    ZbrStMutexLock lock(m_ledLock);
    m_pendingChannel = channel & 0x0F;
}

void VintorHostMIDIManager::ApplyCombiChannel(int channel) {
    for (auto& s : m_sources) {
        if ((s->kind != kKindController1 && s->kind != kKindController2) || !s->controller) continue;
        if (s->controller->channel == channel) continue;
        const int old = s->controller->channel;
        s->controller->channel = channel;
        try {
            ExclusiveInitialize(s->kind == kKindController1 ? 0 : 2, s->endpoint, s->controller->destination,
                                old, channel);
        } catch (const ZbrException& e) {
            TRACE("MIDI: moving a controller to channel %d: %s\n", channel + 1, e.what());
        }
    }
}

void VintorHostMIDIManager::Idle() {
    ZbrStMutexLock lock(m_midiLock);
    std::vector<LedRequest> leds, harrow;
    std::vector<LcdRequest> lcds;
    int channel;
    {
        ZbrStMutexLock ledLock(m_ledLock);
        leds.swap(m_leds);
        harrow.swap(m_harrowLeds);
        lcds.swap(m_lcds);
        channel = m_pendingChannel;
        m_pendingChannel = -1;
    }
    if (channel >= 0) ApplyCombiChannel(channel);
    // Each request on its own: a failing send drops that request only.
    auto forSlots = [&](int source, bool harrowKind, auto&& send) {
        for (SlotData& slot : m_slots) {
            if (!slot.active || !slot.source || static_cast<int>(slot.source->endpoint) != source) continue;
            const uint32_t kind = slot.source->kind;
            if (harrowKind ? kind != kKindHarrow : (kind != kKindController1 && kind != kKindController2))
                continue;
            try {
                if (!slot.source->controller)
                    throw ZbrNullException("slotData.mSourceData->mVelkExclusiveData");
                send(*slot.source);
            } catch (const ZbrException& e) {
                TRACE("MIDI: controller request dropped: %s\n", e.what());
            }
        }
    };
    for (const LedRequest& r : leds)
        forSlots(r.source, false, [&](SourceData& s) {
            Send(s.controller->destination,
                 MsgLed(s.kind == kKindController1 ? 0 : 2, s.controller->channel, r.code, r.state, r.value));
        });
    for (const LcdRequest& r : lcds)
        forSlots(r.source, false, [&](SourceData& s) {
            Send(s.controller->destination,
                 MsgLcd(s.kind == kKindController1 ? 0 : 2, s.controller->channel, r.code, r.colour, r.text));
        });
    for (const LedRequest& r : harrow)
        forSlots(r.source, true, [&](SourceData& s) {
            Send(s.controller->destination, MsgLedHarrow(r.code, r.state, r.value));
        });
}

void VintorHostMIDIManager::HandleBankOpen() {
    if (m_plugin) m_plugin->BankOpen();
}
void VintorHostMIDIManager::HandleBankSaveAs() {
    if (m_plugin) m_plugin->BankSaveAs();
}
void VintorHostMIDIManager::HandlePresetImport() {
    if (m_plugin) m_plugin->PresetImport();
}
void VintorHostMIDIManager::HandlePresetExport() {
    if (m_plugin) m_plugin->PresetExport();
}
void VintorHostMIDIManager::SetKnobMode(int mode) {
    if (m_plugin) m_plugin->SetKnobMode(mode);
}
