#pragma once
// Byte helpers shared by the link's tests: records of random bytes and whole dump messages.
#include <cstdint>
#include <random>
#include <vector>

#include "Common/Link/DumpPacking.h"
#include "Common/Link/SysexMessages.h"

namespace linktest {

using Bytes = std::vector<uint8_t>;

inline Bytes RandomRecord(size_t n, unsigned seed) {
    std::mt19937 rng(seed);
    Bytes r(n);
    for (auto& b : r) b = static_cast<uint8_t>(rng());
    return r;
}

// A dump as the instrument sends it: header, packed record, 0xF7.
inline Bytes DumpMessage(const QorX0::SXMessage& header, const Bytes& record) {
    Bytes m(header.bytes, header.bytes + header.length);
    QorX0::ChunkEncode enc(record.data(), record.size());
    uint8_t buf[1024];
    while (size_t n = enc.Read(buf, sizeof buf)) m.insert(m.end(), buf, buf + n);
    m.push_back(0xF7);
    return m;
}

}  // namespace linktest
