#include "Support/SimLoopback.h"

namespace Sim {

SimLoopbackPort::SimLoopbackPort(CMidiLoopback& loopback, SimInstrument& sim, const std::string& device,
                                 const std::string& name)
    : mLoopback(loopback), mSim(sim) {
    std::string deviceName = device;
    if (deviceName.empty())
        deviceName =
            sim.With([](SimCore& core) { return core.GetModel() == Model::Nerimo ? "Nerimo" : "Tolva"; });
    mKeyName = deviceName + name;
    mSource = loopback.AddSource(deviceName, name);
    mDestination = loopback.AddDestination(deviceName, name);
    loopback.SetListener(mDestination, this);
    uint32_t source = mSource, destination = mDestination;
    CMidiLoopback* lb = &loopback;
    sim.Attach(
        [lb, source](const uint8_t* data, size_t n) {
            lb->Inject(source, data, n);
            return true;
        },
        [lb, source, destination] {
            lb->RemoveEndpoint(source);
            lb->RemoveEndpoint(destination);
        });
}

// The instrument is unplugged: its endpoints leave the list, so that another instrument under the
// same names is the one found next.
SimLoopbackPort::~SimLoopbackPort() {
    mLoopback.SetListener(mDestination, nullptr);
    mSim.Detach();
    mLoopback.RemoveEndpoint(mSource);
    mLoopback.RemoveEndpoint(mDestination);
}

void SimLoopbackPort::OnLoopbackSend(uint32_t, const uint8_t* bytes, size_t length, bool) {
    mSim.Deliver(bytes, length);
}

}  // namespace Sim
