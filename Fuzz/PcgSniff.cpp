// Fuzzes the file and stream sniffers: both must agree on every input and name a kind of 2..7.
// The file is an in-memory one (a memfd named through /proc), rewritten for each input, so that the
// file sniffer's own open and read are what is measured, not a disk.
#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>

#include "Common/Files/PcgConvert.h"

namespace {

struct Scratch {
    Scratch() {
        fd = ::memfd_create("pcgsniff-fuzz", MFD_CLOEXEC);
        if (fd < 0) std::abort();
        path = "/proc/self/fd/" + std::to_string(fd);
    }
    ~Scratch() { ::close(fd); }
    void Put(const uint8_t* data, size_t size) {
        if (::ftruncate(fd, 0) != 0) std::abort();
        for (size_t at = 0; at < size;) {
            const ssize_t n = ::pwrite(fd, data + at, size - at, static_cast<off_t>(at));
            if (n <= 0) std::abort();
            at += static_cast<size_t>(n);
        }
    }
    int fd = -1;
    std::string path;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static Scratch scratch;
    scratch.Put(data, size);
    const std::string& path = scratch.path;
    std::istringstream stream(std::string(reinterpret_cast<const char*>(data), size));
    int kind = 0;
    const bool isPcg = GetPCGStreamInfoEx(stream, &kind);
    if (isPcg && (kind < 2 || kind > 7)) std::abort();
    if (GetPCGFIleInfo(path.c_str(), -1) != isPcg) std::abort();
    for (int k = 1; k <= 8; ++k)
        if (GetPCGFIleInfo(path.c_str(), k) != (isPcg && k == kind)) std::abort();
    return 0;
}
