// The standalone program's preferences file as it may be found on disk: any bytes. A record that is
// read must write back to bytes that read the same.
#include <cstddef>
#include <cstdint>

#include "Host/HostSupport.h"
#include "Host/SaveData.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    SaveData d;
    try {
        d = SaveDataDecode(data, size);
    } catch (const ZbrException&) {
        return 0;
    }
    if (d.version < 1 || d.version > 3) __builtin_trap();
    for (int i = 0; i < 4; ++i)
        if (d.midiEndpointName[i].size() > 1023 || d.midiDeviceName[i].size() > 1023) __builtin_trap();
    const std::vector<uint8_t> again = SaveDataEncode(d);
    const SaveData e = SaveDataDecode(again.data(), again.size());
    if (e.deviceName != d.deviceName || e.bufferFrames != d.bufferFrames || e.cpuLimit != d.cpuLimit ||
        e.clockSourceID != d.clockSourceID || e.autoStop != d.autoStop)
        __builtin_trap();
    return 0;
}
