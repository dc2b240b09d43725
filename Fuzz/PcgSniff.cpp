// Fuzzes the file and stream sniffers: both must agree on every input and name a kind of 2..7.
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include "Common/Files/PcgConvert.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // One scratch file per process, removed again when the fuzzer exits.
    static const struct Scratch {
        std::string path = "/tmp/pcgsniff-fuzz-" + std::to_string(::getpid()) + ".pcg";
        ~Scratch() { ::unlink(path.c_str()); }
    } scratch;
    const std::string& path = scratch.path;
    {
        std::ofstream file(path, std::ios::binary | std::ios::trunc);
        file.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }
    std::istringstream stream(std::string(reinterpret_cast<const char*>(data), size));
    int kind = 0;
    const bool isPcg = GetPCGStreamInfoEx(stream, &kind);
    if (isPcg && (kind < 2 || kind > 7)) std::abort();
    if (GetPCGFIleInfo(path.c_str(), -1) != isPcg) std::abort();
    for (int k = 1; k <= 8; ++k)
        if (GetPCGFIleInfo(path.c_str(), k) != (isPcg && k == kind)) std::abort();
    return 0;
}
