#include "Common/Files/PcgContainer.h"

#include <limits>

namespace QorX0 {

bool PcgHeaderIsValid(const unsigned char* h) {
    if (std::memcmp(h, "VELK", 4) != 0 || h[5] != 0 || std::memcmp(h + 16, "PCG1", 4) != 0) return false;
    return PcgIsProduct(h[4]) && h[6] == getMajorVersionNumber() && h[7] == getMinorVersionNumber(h[4]);
}

namespace {

bool ReadExactly(std::istream& s, unsigned char* p, size_t n) {
    s.read(reinterpret_cast<char*>(p), static_cast<std::streamsize>(n));
    return s.gcount() == static_cast<std::streamsize>(n);
}

bool SkipExactly(std::istream& s, uint64_t n) {
    // ignore() consumes what is there, so a payload running past the end is caught here as well.
    constexpr uint64_t kStep = uint64_t{1} << 30;
    while (n > 0) {
        const uint64_t step = n < kStep ? n : kStep;
        s.ignore(static_cast<std::streamsize>(step));
        if (static_cast<uint64_t>(s.gcount()) != step) return false;
        n -= step;
    }
    return true;
}

}  // namespace

int PcgSniffStream(std::istream& s) {
    unsigned char h[kPcgHeaderSize];
    if (!ReadExactly(s, h, sizeof h) || !PcgHeaderIsValid(h)) return 0;
    const unsigned char product = h[4];
    if (product == kProductFenn && h[8] == 1) return 5;

    // Every step consumes at least a chunk header, and the remaining count never wraps.
    uint64_t remaining = PcgReadBE32(h + 20);
    if (remaining == 0) return 0;
    bool div = false, ini = false;
    while (remaining > 0) {
        unsigned char ch[kPcgChunkHeaderSize];
        if (remaining < kPcgChunkHeaderSize || !ReadExactly(s, ch, sizeof ch)) return 0;
        remaining -= kPcgChunkHeaderSize;
        const uint64_t size = PcgReadBE32(ch + 4);
        if (size > remaining) return 0;
        div = div || PcgIdIs(ch, "DIV1");
        ini = ini || PcgIdIs(ch, "INI1");
        if (!SkipExactly(s, size)) return 0;
        remaining -= size;
    }
    if (product == kProductBrae) return 7;
    if (product == kProductRusk) return 6;
    if (div) return ini ? 4 : 3;
    return ini ? 0 : 2;
}

}  // namespace QorX0
