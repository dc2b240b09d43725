#pragma once
// The small interface the port layer sits on: list sources and destinations, open an input that
// delivers packets, open an output that sends short and exclusive messages. Two backends implement
// it: the ALSA sequencer (the real one) and an in-process loopback for tests.
#include <pthread.h>

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

// One endpoint as a backend lists it.
struct MidiEndpoint {
    uint32_t handle = 0;    // non-zero; names the endpoint while it exists
    bool hasDevice = true;  // an endpoint without a device has no usable identity and is skipped
    std::string device;     // ALSA: the client name
    std::string entity;     // empty on ALSA, which has no such level
    std::string name;       // ALSA: the port name
};

// Receives an opened input's packets, on the backend's own thread. A packet holds whole short
// messages, or any piece of an exclusive message, possibly followed by more messages.
class IMidiPacketSink {
public:
    virtual void OnMidiPacket(const uint8_t* bytes, size_t length) = 0;
    // The same packet with the source it came from and the time it was read (nanoseconds of the
    // monotonic clock). Backends deliver through this one; by default it passes the packet on.
    virtual void OnMidiPacketFrom(uint32_t source, uint64_t receivedNs, const uint8_t* bytes, size_t length) {
        (void)source;
        (void)receivedNs;
        OnMidiPacket(bytes, length);
    }
    // Input was lost between the packets delivered before and after this call (the system's
    // buffer overflowed while nobody read it): a message that was open when it happened is broken.
    virtual void OnMidiInputLost() {}

protected:
    ~IMidiPacketSink() = default;
};

// An opened input. Destroying it disconnects: once the destructor has returned, its sink is never
// called again (it may be destroyed from inside the sink's own call).
class IMidiBackendInput {
public:
    virtual ~IMidiBackendInput() = default;
};

// One opened input port that several sources are connected to and disconnected from while it stays
// open; its sink hears every packet with the source it came from (OnMidiPacketFrom). Once
// DisconnectSource has returned, nothing more of that source reaches the sink; destroying the port
// disconnects every source, and once the destructor has returned its sink is never called again.
class IMidiBackendInputPort {
public:
    virtual ~IMidiBackendInputPort() = default;
    // True when the source is connected (also when it already was); false when it does not exist
    // or cannot be connected.
    virtual bool ConnectSource(uint32_t source) = 0;
    virtual void DisconnectSource(uint32_t source) = 0;
};

enum class MidiSendResult { Ok, Refused, Timeout };

// An opened output.
class IMidiBackendOutput {
public:
    virtual ~IMidiBackendOutput() = default;
    // One whole short message, sent at once.
    virtual bool SendShort(const uint8_t* bytes, size_t length) = 0;
    // A whole exclusive message (or a piece of one); returns when the bytes have gone out, or with
    // Timeout when timeoutMs passed first (kNoTimeLimit: never).
    virtual MidiSendResult SendExclusive(const uint8_t* bytes, size_t length, unsigned timeoutMs) = 0;

    static constexpr unsigned kNoTimeLimit = 0xFFFFFFFFu;
};

// Told, on any thread, that sources or destinations appeared, vanished or changed.
class IMidiSetupListener {
public:
    virtual void OnMidiSetupChanged() = 0;

protected:
    ~IMidiSetupListener() = default;
};

class IMidiBackend {
public:
    virtual ~IMidiBackend() = default;
    // In the backend's own order.
    virtual std::vector<MidiEndpoint> Sources() = 0;
    virtual std::vector<MidiEndpoint> Destinations() = 0;
    // Null when the source or destination does not exist or cannot be opened. portName is what the
    // port made for it is called where the system shows ports to other programs (null or empty: the
    // backend's own name).
    virtual std::unique_ptr<IMidiBackendInput> OpenInput(uint32_t source, IMidiPacketSink* sink,
                                                         const char* portName) = 0;
    virtual std::unique_ptr<IMidiBackendOutput> OpenOutput(uint32_t destination, const char* portName) = 0;
    // An input port with no source connected yet, named as OpenInput names its port; null when the
    // backend cannot make one (by default it makes none).
    virtual std::unique_ptr<IMidiBackendInputPort> OpenInputPort(IMidiPacketSink* sink,
                                                                 const char* portName) {
        (void)sink;
        (void)portName;
        return nullptr;
    }
    // Pause after a completed exclusive send of 100 bytes or more, per byte sent, in microseconds:
    // gives a slow interface behind the backend time to pass the bytes on.
    virtual unsigned ExclusivePauseMicrosPerByte() const { return 0; }
    // Setup-change notices; a listener is removed before it goes away.
    virtual void AddSetupListener(IMidiSetupListener* listener) = 0;
    virtual void RemoveSetupListener(IMidiSetupListener* listener) = 0;
};

// Nanoseconds of the monotonic clock, as packets are time-stamped.
uint64_t MidiReceiveTimeNs();

// Keeps a backend's setup listeners. Notify calls them under its lock, so that Remove waits for a
// notice in progress; a listener must not add or remove listeners from inside its call.
class MidiSetupListeners {
public:
    void Add(IMidiSetupListener* listener);
    void Remove(IMidiSetupListener* listener);
    void Notify();

private:
    pthread_mutex_t m_lock = PTHREAD_MUTEX_INITIALIZER;
    std::vector<IMidiSetupListener*> m_listeners;
};

// The backend of this process: the ALSA sequencer unless another was set. Ports take the backend
// when they open, so set it before opening any.
IMidiBackend* MidiBackendGet();
// Makes the given backend (not owned; null: the ALSA sequencer again) the process's backend.
void MidiBackendSet(IMidiBackend* backend);
