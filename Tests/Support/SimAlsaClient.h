#pragma once
// Puts a simulated instrument on the kernel's ALSA sequencer as a client of its own, named as the
// instrument's USB port shows itself: client "Tolva" (or "Nerimo"), one port "Tolva MIDI 1" that
// both reads and writes. What the instrument sends goes out as sequencer events, its exclusive data
// in events of at most 256 bytes as the kernel's MIDI drivers hand it over; what reaches the port is
// delivered to the instrument. Destroying it ends the client: the system announces that its port
// and client exit, and a new one with the same names is the instrument switched on again. It sets
// the instrument's pace to that of its own USB port (kUsbBytesPerSecond in pieces of kMaxEventBytes):
// far faster than a DIN wire, but never faster than an editor reads, since the kernel drops the
// events that no longer fit a slow reader's pool.
//
// The port layer leaves out this process's other clients unless AlsaMidiListOwnProcessClients(true).
// The instrument's Vanish fault does nothing here: destroying this object is switching it off.
#include <alsa/asoundlib.h>

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <thread>

#include "Support/SimInstrument.h"

namespace Sim {

class SimAlsaClient {
public:
    static constexpr size_t kMaxEventBytes = 256;
    static constexpr unsigned kUsbBytesPerSecond = 250000;

    // Names: the model's name and "<model> MIDI 1" unless given.
    explicit SimAlsaClient(SimInstrument& sim, const std::string& clientName = "",
                           const std::string& portName = "");
    ~SimAlsaClient();
    SimAlsaClient(const SimAlsaClient&) = delete;
    SimAlsaClient& operator=(const SimAlsaClient&) = delete;

    // False when no sequencer could be opened (Error says why).
    bool Ok() const { return mSeq != nullptr; }
    const std::string& Error() const { return mError; }
    int Client() const { return mClient; }
    int Port() const { return mPort; }
    // The key name the port layer lists for the port: client name and port name joined.
    std::string KeyName() const { return mClientName + mPortName; }

    // The first port that reads from the instrument's port (an editor's input connected to it);
    // false when none does.
    bool Reader(snd_seq_addr_t* reader);

    // What went out: events, and the largest exclusive piece among them.
    size_t EventsSent() const { return mEventsSent.load(); }
    size_t LargestExclusiveEvent() const { return mLargestExclusive.load(); }

private:
    bool Send(const uint8_t* data, size_t n);
    bool Output(snd_seq_event_t* ev);
    void Read();

    // What the instrument's sender calls: it may hold a copy of its send function a moment after
    // Detach, so the function reaches this object only through here, and the destructor waits
    // for a send in progress.
    struct SendGate {
        std::mutex lock;
        SimAlsaClient* client = nullptr;
    };

    SimInstrument& mSim;
    std::shared_ptr<SendGate> mGate = std::make_shared<SendGate>();
    std::string mClientName, mPortName, mError;
    snd_seq_t* mSeq = nullptr;
    snd_midi_event_t* mEncoder = nullptr;  // sender thread only
    snd_midi_event_t* mDecoder = nullptr;  // reader thread only
    int mClient = -1, mPort = -1;
    int mWake[2] = {-1, -1};
    std::mutex mSeqLock;  // every call on the sequencer handle
    std::atomic<size_t> mEventsSent{0}, mLargestExclusive{0};
    std::thread mReader;
};

}  // namespace Sim
