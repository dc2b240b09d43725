#pragma once
// An in-process MIDI backend for tests: named virtual endpoints, packets delivered on its own thread
// in whatever grouping the test chooses, everything sent captured with its send time, and switches
// for faults. Make it the process's backend with MidiBackendSet(&loopback) before opening ports,
// and MidiBackendSet(nullptr) before destroying it.
//
// Directions are the port layer's: a source is what an input port reads (the instrument's output),
// a destination is what an output port sends to (the instrument's input).
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "Linux/MidiIO/MidiBackend.h"
#include "Linux/Sync.h"
#include "Linux/XThread.h"

class CMidiLoopback final : public IMidiBackend, private IXThreadProc {
public:
    // One message or piece as an output port sent it.
    struct Sent {
        uint32_t destination;
        bool exclusive;
        std::vector<uint8_t> bytes;
        uint64_t timeUs;  // MonotonicMicroseconds() when the send was made (GetSysTick() == timeUs / 1000)
    };

    // Told synchronously, on the sending thread, of every accepted send to a destination. It may call
    // Inject (to answer) but must not block.
    class IListener {
    public:
        virtual void OnLoopbackSend(uint32_t destination, const uint8_t* bytes, size_t length,
                                    bool exclusive) = 0;

    protected:
        ~IListener() = default;
    };

    CMidiLoopback();            // starts the delivery thread
    ~CMidiLoopback() override;  // stops it; packets not yet delivered are dropped
    CMidiLoopback(const CMidiLoopback&) = delete;
    CMidiLoopback& operator=(const CMidiLoopback&) = delete;

    // ---- Endpoints. Handles are non-zero and never reused; endpoints are listed in adding order.
    // An empty device name is a valid name; withDevice false makes an endpoint that has no device
    // at all, which the port layer never lists.
    uint32_t AddSource(const std::string& device, const std::string& name, bool withDevice = true);
    uint32_t AddDestination(const std::string& device, const std::string& name, bool withDevice = true);
    // The endpoint vanishes: no longer listed, its opened inputs receive nothing more, sends to it fail.
    // Adding and removing endpoints notifies the setup listeners on the calling thread.
    void RemoveEndpoint(uint32_t handle);
    // Everything sent to the destination is also delivered to the source, as sent (a cable loop).
    void Connect(uint32_t destination, uint32_t source);

    // ---- Input to the system under test, delivered in call order on the loopback's thread.
    // One packet; delayUs: how long after the previous packet's delivery (or now, if the queue is
    // idle) it is delivered, for pacing at a wire's speed.
    void Inject(uint32_t source, const void* bytes, size_t length, unsigned delayUs = 0);
    // One packet delivered as soon as its turn comes, carrying the given receive time (nanoseconds of
    // the monotonic clock) instead of the time of its delivery: exact timing without waiting.
    void InjectStamped(uint32_t source, const void* bytes, size_t length, uint64_t receivedNs);
    // The bytes cut into packets of pieceSize bytes (1: one byte at a time), each paced by delayUs.
    void InjectSplit(uint32_t source, const void* bytes, size_t length, size_t pieceSize,
                     unsigned delayUs = 0);
    // One packet that reaches the inputs opened on portsOf as sent by another client, sender (a
    // keyboard or a patchbay's connection that reaches those ports, as the sequencer delivers it).
    void InjectForeign(uint32_t portsOf, uint32_t sender, const void* bytes, size_t length);
    // Input lost as a sequencer loses it when nobody reads in time: once afterBytes more bytes of the
    // source have been delivered, the next dropBytes are thrown away and its inputs are told so
    // before the next byte that is kept.
    void LoseInput(uint32_t source, size_t afterBytes, size_t dropBytes);
    // True once every injected packet has been delivered (and its callbacks have returned).
    bool WaitIdle(unsigned timeoutMs);
    // Number of opened inputs and input ports connected to the source.
    size_t InputCount(uint32_t source);
    // Every connection of a source to an input port and every disconnection, in order, with the
    // name the port was opened with.
    struct Subscription {
        std::string port;
        uint32_t source;
        bool connected;
        bool operator==(const Subscription&) const = default;
    };
    std::vector<Subscription> GetSubscriptions();
    // Every port opened so far, in order, with the name it was asked to carry ("" for none).
    struct OpenedPort {
        uint32_t endpoint;
        bool input;
        std::string name;
    };
    std::vector<OpenedPort> GetOpenedPorts();

    // ---- Output of the system under test.
    std::vector<Sent> GetSent();   // a copy of everything captured so far
    std::vector<Sent> TakeSent();  // the same, and forgets it
    // Waits until at least count sends are captured (in total since the last TakeSent).
    bool WaitSent(size_t count, unsigned timeoutMs);
    void SetListener(uint32_t destination, IListener* listener);  // null: none

    // ---- Faults, per destination.
    void SetSendFails(uint32_t destination, bool fail);              // every send is refused
    void SetExclusiveNeverCompletes(uint32_t destination, bool on);  // exclusive sends time out
    // Pause the port layer makes after a long exclusive send (0 by default, so tests run fast).
    void SetExclusivePauseMicrosPerByte(unsigned us) { m_pausePerByte = us; }

    // ---- IMidiBackend
    std::vector<MidiEndpoint> Sources() override;
    std::vector<MidiEndpoint> Destinations() override;
    std::unique_ptr<IMidiBackendInput> OpenInput(uint32_t source, IMidiPacketSink* sink,
                                                 const char* portName) override;
    std::unique_ptr<IMidiBackendOutput> OpenOutput(uint32_t destination, const char* portName) override;
    std::unique_ptr<IMidiBackendInputPort> OpenInputPort(IMidiPacketSink* sink,
                                                         const char* portName) override;
    unsigned ExclusivePauseMicrosPerByte() const override { return m_pausePerByte; }
    void AddSetupListener(IMidiSetupListener* listener) override { m_setupListeners.Add(listener); }
    void RemoveSetupListener(IMidiSetupListener* listener) override { m_setupListeners.Remove(listener); }

private:
    class Input;
    class Output;
    class Port;
    friend class Input;
    friend class Output;
    friend class Port;

    struct Endpoint {
        MidiEndpoint info;
        bool isSource = false;
        bool removed = false;
        bool sendFails = false;
        bool neverCompletes = false;
        IListener* listener = nullptr;
        std::vector<uint32_t> connectedSources;
        size_t loseAfter = 0;  // LoseInput, counted down as bytes are delivered
        size_t loseBytes = 0;  // 0: nothing to lose
        bool lost = false;     // bytes were thrown away; the inputs are still to be told
    };
    struct Packet {
        uint32_t source;
        std::vector<uint8_t> bytes;
        unsigned delayUs;
        uint64_t injectedUs;
        uint64_t stampNs = 0;  // 0: stamped when delivered
        uint32_t sender = 0;   // 0: the source itself
    };

    long ThreadProc() override;
    uint32_t AddEndpoint(const std::string& device, const std::string& name, bool withDevice, bool isSource);
    std::vector<MidiEndpoint> List(bool sources);
    void DetachInput(Input* input);
    bool ConnectPort(Port* port, uint32_t source);
    void DisconnectPort(Port* port, uint32_t source);
    void DetachPort(Port* port);
    MidiSendResult Send(uint32_t destination, const uint8_t* bytes, size_t length, bool exclusive,
                        unsigned timeoutMs);

    // Guards endpoints, the queue, captured sends and the flags below.
    CHfcCriticalSection m_lock;
    // Held while a packet is delivered, so that an input's destruction waits for its delivery.
    CHfcCriticalSection m_deliveryLock;
    std::map<uint32_t, Endpoint> m_endpoints;
    std::vector<uint32_t> m_order;
    std::vector<Input*> m_inputs;
    std::vector<Port*> m_ports;
    std::vector<Subscription> m_subscriptions;
    std::deque<Packet> m_queue;
    std::vector<Sent> m_sent;
    std::vector<OpenedPort> m_opened;
    uint32_t m_nextHandle = 0x100;
    bool m_delivering = false;
    bool m_running = false;
    std::atomic<unsigned> m_pausePerByte{0};
    MidiSetupListeners m_setupListeners;
    uint64_t m_lastDue = 0;  // delivery thread only: when the previous packet was due
    XEvent m_wake;           // a packet was queued, or stop
    XEvent m_progress;       // the queue went idle, or a send was captured
    XThread m_thread;
};
