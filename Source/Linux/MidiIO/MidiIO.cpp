#include "Linux/MidiIO/MidiIO.h"

#include <atomic>
#include <cstdio>
#include <cstring>

#include "Linux/MidiIO/Alsa/AlsaBackend.h"
#include "Linux/Sync.h"
#include "Linux/SysTick.h"

// ---- Backend selection

namespace {
std::atomic<IMidiBackend*> g_backend{nullptr};
}

IMidiBackend* MidiBackendGet() {
    IMidiBackend* backend = g_backend.load();
    return backend ? backend : AlsaMidiBackend();
}

void MidiBackendSet(IMidiBackend* backend) {
    g_backend.store(backend);
}

// ---- Keys

MIDIDevKey::MIDIDevKey(std::string keyName, uint32_t handle) : name(std::move(keyName)), data(4) {
    std::memcpy(data.data(), &handle, 4);
}

uint32_t MIDIDevKey::Handle() const {
    if (data.size() < 4) return 0;
    uint32_t handle = 0;
    std::memcpy(&handle, data.data(), 4);
    return handle;
}

namespace {

// Names are read into 256-byte buffers: each part is at most 255 bytes.
std::string NamePart(const std::string& part) {
    return part.size() > 255 ? part.substr(0, 255) : part;
}

void EnumKeys(const std::vector<MidiEndpoint>& endpoints, std::vector<MIDIDevKey>* keys) {
    if (!keys) return;
    keys->clear();
    for (const MidiEndpoint& e : endpoints) {
        if (e.handle == 0 || !e.hasDevice) continue;
        keys->emplace_back(NamePart(e.device) + NamePart(e.entity) + NamePart(e.name), e.handle);
    }
}

}  // namespace

// ---- Splitter

unsigned MidiShortLength(uint8_t status) {
    if (status >= 0x80 && status <= 0xBF) return 3;
    if (status >= 0xC0 && status <= 0xDF) return 2;
    if (status >= 0xE0 && status <= 0xEF) return 3;
    switch (status) {
        case 0xF2:
            return 3;
        case 0xF3:
            return 2;
        case 0xF6:
        case 0xF8:
        case 0xFA:
        case 0xFB:
        case 0xFC:
        case 0xFE:
        case 0xFF:
            return 1;
        default:
            return 0;
    }
}

void CMidiPacketSplitter::Split(const uint8_t* bytes, size_t length, IMIDIIn* port,
                                IMIDIInCallback* callback) {
    if (!bytes || !callback) return;
    size_t i = 0;
    while (i < length) {
        size_t k = i;
        if (!m_inExclusive) {
            const uint8_t status = bytes[i];
            if (status != 0xF0) {
                const unsigned need = MidiShortLength(status);
                if (need == 0) {
                    ++i;  // a data byte where a status belongs (no running status), or a status we do not
                          // pass on
                    continue;
                }
                size_t have = 1;
                while (have < need && i + have < length && bytes[i + have] < 0x80) ++have;
                if (have == need) callback->OnMIDIShort(port, 0, bytes + i, need);
                // An incomplete message is dropped; a status byte that cut it short is read next.
                i += have;
                continue;
            }
            m_inExclusive = true;
            k = i + 1;  // the 0xF0 opens the piece; the search for its end starts after it
        }
        // The exclusive bytes up to the next status byte go out as one piece.
        while (k < length && bytes[k] < 0x80) ++k;
        if (k < length && bytes[k] == 0xF7) {
            callback->OnMIDILong(port, 0, bytes + i, static_cast<unsigned>(k + 1 - i));
            m_inExclusive = false;
            i = k + 1;
            continue;
        }
        if (k == length || bytes[k] >= 0xF8) {
            if (k > i) callback->OnMIDILong(port, 0, bytes + i, static_cast<unsigned>(k - i));
            if (k == length) return;
            if (MidiShortLength(bytes[k]) == 1) callback->OnMIDIShort(port, 0, bytes + k, 1);
            i = k + 1;
            continue;
        }
        // Any other status byte ends the message here. The last piece carries it, as a complete
        // message's carries its 0xF7, so that the receiver ends the message too (a new 0xF0 needs no
        // such mark: it begins the next piece). It is then read again as the start of a message.
        const size_t end = bytes[k] == 0xF0 ? k : k + 1;
        if (end > i) callback->OnMIDILong(port, 0, bytes + i, static_cast<unsigned>(end - i));
        m_inExclusive = false;
        i = k;
    }
}

// ---- Ports

namespace {

// The plug-in's ports as other programs see them.
constexpr const char* kInputPortName = "Input Port";
constexpr const char* kOutputPortName = "Output Port";

class CMidiIn final : public IMIDIIn, private IMidiPacketSink {
public:
    CMidiIn() { m_lock.Create(); }
    ~CMidiIn() override {
        Close();
        m_lock.Destroy();
    }

    void EnumDevices(std::vector<MIDIDevKey>* keys) override {
        IMidiBackend* backend = MidiBackendGet();
        EnumKeys(backend ? backend->Sources() : std::vector<MidiEndpoint>{}, keys);
    }

    bool Open(const MIDIDevKey* key, IMIDIInCallback* callback, int, int) override {
        Close();
        IMidiBackend* backend = MidiBackendGet();
        if (!backend || !key || key->Handle() == 0) return false;
        m_lock.Lock();
        m_callback = callback;
        m_source = key->Handle();
        m_splitter.Reset();
        m_lock.Unlock();
        std::unique_ptr<IMidiBackendInput> input = backend->OpenInput(key->Handle(), this, kInputPortName);
        if (!input) return false;
        m_lock.Lock();
        m_input = std::move(input);
        m_lock.Unlock();
        return true;
    }

    void Close() override {
        m_lock.Lock();
        std::unique_ptr<IMidiBackendInput> input = std::move(m_input);
        m_lock.Unlock();
        // Disconnected without the port's lock: the backend's thread may be waiting for it in
        // OnMidiPacket, and the input's destructor waits for that call to end.
        input.reset();
        m_lock.Lock();
        m_callback = nullptr;
        m_splitter.Reset();
        m_lock.Unlock();
    }

    bool IsOpen() override {
        m_lock.Lock();
        const bool open = m_input != nullptr;
        m_lock.Unlock();
        return open;
    }

private:
    void OnMidiPacket(const uint8_t* bytes, size_t length) override {
        m_lock.Lock();
        m_splitter.Split(bytes, length, this, m_callback);
        m_lock.Unlock();
    }
    // Only the opened source's bytes are read: another client that reaches the port (sending to it
    // directly, say) must never cut into a message of the source's, nor be taken for it.
    void OnMidiPacketFrom(uint32_t source, uint64_t, const uint8_t* bytes, size_t length) override {
        m_lock.Lock();
        if (source == m_source) m_splitter.Split(bytes, length, this, m_callback);
        m_lock.Unlock();
    }

    // What was open is broken: the bytes that still come of it are not taken for a message.
    void OnMidiInputLost() override {
        m_lock.Lock();
        m_splitter.Reset();
        if (m_callback) m_callback->OnMIDILost(this);
        m_lock.Unlock();
    }

    CHfcMutex m_lock;  // recursive; held while the callback runs
    std::unique_ptr<IMidiBackendInput> m_input;
    IMIDIInCallback* m_callback = nullptr;
    uint32_t m_source = 0;  // the opened source's handle
    CMidiPacketSplitter m_splitter;
};

class CMidiOut final : public IMIDIOut {
public:
    ~CMidiOut() override { Close(); }

    void EnumDevices(std::vector<MIDIDevKey>* keys) override {
        IMidiBackend* backend = MidiBackendGet();
        EnumKeys(backend ? backend->Destinations() : std::vector<MidiEndpoint>{}, keys);
    }

    bool Open(const MIDIDevKey* key, int, int) override {
        Close();
        IMidiBackend* backend = MidiBackendGet();
        if (!backend || !key || key->Handle() == 0) return false;
        m_output = backend->OpenOutput(key->Handle(), kOutputPortName);
        m_pausePerByte = backend->ExclusivePauseMicrosPerByte();
        return m_output != nullptr;
    }

    void Close() override { m_output.reset(); }
    bool IsOpen() override { return m_output != nullptr; }

    bool SendShort(const void* data, unsigned int length) override {
        if (!m_output || !data || length == 0 || length > kMaxShortLength) return false;
        return m_output->SendShort(static_cast<const uint8_t*>(data), length);
    }

    bool SendLong(const void* data, unsigned int length, unsigned int timeoutMs) override {
        if (!m_output || !data || length == 0) return false;
        const MidiSendResult result =
            m_output->SendExclusive(static_cast<const uint8_t*>(data), length, timeoutMs);
        if (result == MidiSendResult::Timeout) {
            std::fputs("CoreMIDIOut::SendLong() Timeout\n", stdout);
            std::fflush(stdout);
            return false;
        }
        if (result != MidiSendResult::Ok) return false;
        if (length >= 100 && m_pausePerByte > 0) {
            const unsigned long long us = static_cast<unsigned long long>(length) * m_pausePerByte;
            QorX0::SleepCurrentThread(static_cast<unsigned>((us + 999) / 1000));
        }
        return true;
    }

private:
    std::unique_ptr<IMidiBackendOutput> m_output;
    unsigned m_pausePerByte = 0;
};

}  // namespace

IMIDIIn* MIDIInCreate() {
    return new CMidiIn();
}

IMIDIOut* MIDIOutCreate() {
    return new CMidiOut();
}
