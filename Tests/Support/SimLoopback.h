#pragma once
// Puts a simulated instrument on the in-process loopback backend: a destination that is its MIDI
// input (what the editor's output port sends to) and a source that is its MIDI output (what the
// editor's input port reads). A Vanish fault removes both endpoints.
#include <cstdint>
#include <string>

#include "Linux/MidiIO/Loopback/LoopbackBackend.h"
#include "Support/SimInstrument.h"

namespace Sim {

class SimLoopbackPort : private CMidiLoopback::IListener {
public:
    // Endpoint names: the device is the model's name unless given; both endpoints carry 'name'.
    SimLoopbackPort(CMidiLoopback& loopback, SimInstrument& sim, const std::string& device = "",
                    const std::string& name = "MIDI");
    ~SimLoopbackPort();
    SimLoopbackPort(const SimLoopbackPort&) = delete;
    SimLoopbackPort& operator=(const SimLoopbackPort&) = delete;

    uint32_t Source() const { return mSource; }            // the instrument's output
    uint32_t Destination() const { return mDestination; }  // the instrument's input
    // The key names the port layer lists for the two endpoints.
    std::string KeyName() const { return mKeyName; }

private:
    void OnLoopbackSend(uint32_t destination, const uint8_t* bytes, size_t length, bool exclusive) override;

    CMidiLoopback& mLoopback;
    SimInstrument& mSim;
    uint32_t mSource = 0;
    uint32_t mDestination = 0;
    std::string mKeyName;
};

}  // namespace Sim
