// Bytes from the standalone program's MIDI inputs: a chosen port with exclusive messages on and a
// controller's messages, fed in pieces whose sizes the input chooses: the packet ring, the walk to
// the unit, exclusive assembly and the controller protocol's reader.
#include <cstddef>
#include <cstdint>
#include <memory>

#include "Host/HostFakes.h"
#include "Host/HostMIDIManager.h"
#include "Linux/MidiIO/Loopback/LoopbackBackend.h"

namespace {

struct Rig {
    Rig() {
        unit.plugin = &plugin;
        source = loop.AddSource("Keys", "Out");
        manager = std::make_unique<VintorHostMIDIManager>(&loop, &unit, &shell);
        manager->RebuildDataList(MIDIEndpointList(&loop));
        manager->SetSource(0, source, true);
        manager->SetSampleRateAndBufferFrameSize(48000, 64);
        manager->InProcess(1000);
    }
    CMidiLoopback loop;
    FakeShell shell;
    FakeUnit unit;
    FakePluginObject plugin;
    uint32_t source = 0;
    std::unique_ptr<VintorHostMIDIManager> manager;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static Rig rig;
    if (size < 2) return 0;
    const size_t piece = 1 + data[0] % 64;
    const uint64_t time = data[1] * 100000ull;
    data += 2;
    size -= 2;
    for (size_t at = 0; at < size; at += piece)
        rig.manager->HandleMIDIPackets(rig.source, time, data + at, std::min(piece, size - at));
    rig.manager->HandleSysEx(rig.source, data, size, -1);
    rig.manager->HandleClockPackets(time, data, size);
    rig.unit.TakeEvents();
    rig.plugin.Take();
    return 0;
}
