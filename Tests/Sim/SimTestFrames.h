#pragma once
// Hand-built frames for the simulated instrument's tests, written from the message tables and kept
// apart from the simulator's own builders.
#include <cstdint>
#include <initializer_list>
#include <vector>

#include "Support/SimCore.h"

namespace SimTest {

using Bytes = std::vector<uint8_t>;

// F0 42 3g 7A <body> F7
inline Bytes Frame(std::initializer_list<uint8_t> body, uint8_t channel = 0) {
    Bytes m = {0xF0, 0x42, static_cast<uint8_t>(0x30 | channel), 0x7A};
    for (uint8_t b : body) m.push_back(b);
    m.push_back(0xF7);
    return m;
}

inline Bytes Frame(const Bytes& body, uint8_t channel = 0) {
    Bytes m = {0xF0, 0x42, static_cast<uint8_t>(0x30 | channel), 0x7A};
    for (uint8_t b : body) m.push_back(b);
    m.push_back(0xF7);
    return m;
}

// Packs bit by bit: every 7 record bytes get one leading byte that holds their top bits.
inline Bytes PackByHand(const Bytes& record) {
    Bytes out;
    for (size_t i = 0; i < record.size(); ++i) {
        if (i % 7 == 0) out.push_back(0);
        size_t head = out.size() - 1 - (i % 7);
        if (record[i] & 0x80) out[head] = static_cast<uint8_t>(out[head] + (1 << (i % 7)));
        out.push_back(record[i] % 128);
    }
    return out;
}

inline Bytes UnpackByHand(const Bytes& packed) {
    Bytes out;
    uint8_t top = 0;
    for (size_t i = 0; i < packed.size(); ++i) {
        if (i % 8 == 0) {
            top = packed[i];
            continue;
        }
        int bit = static_cast<int>(i % 8) - 1;
        out.push_back(static_cast<uint8_t>(packed[i] + (((top >> bit) & 1) ? 128 : 0)));
    }
    return out;
}

// A dump: header bytes after F0 42 3g 7A, then the packed record, then F7.
inline Bytes Dump(std::initializer_list<uint8_t> header, const Bytes& record, uint8_t channel = 0) {
    Bytes m = {0xF0, 0x42, static_cast<uint8_t>(0x30 | channel), 0x7A};
    for (uint8_t b : header) m.push_back(b);
    Bytes packed = PackByHand(record);
    m.insert(m.end(), packed.begin(), packed.end());
    m.push_back(0xF7);
    return m;
}

// Bytes that differ from any simulator fill: value i * 7 + seed, all 8 bits used.
inline Bytes Pattern(size_t n, unsigned seed) {
    Bytes b(n);
    for (size_t i = 0; i < n; ++i) b[i] = static_cast<uint8_t>(i * 7 + seed * 31 + 0x80);
    return b;
}

inline Bytes LoadComplete(uint8_t channel = 0) {
    return Frame({0x23}, channel);
}
inline Bytes LoadError(uint8_t reason, uint8_t channel = 0) {
    return Frame({0x24, reason}, channel);
}
inline Bytes WriteComplete(uint8_t channel = 0) {
    return Frame({0x21}, channel);
}
inline Bytes WriteError(uint8_t reason, uint8_t channel = 0) {
    return Frame({0x22, reason}, channel);
}
inline Bytes FormatError(uint8_t reason, uint8_t channel = 0) {
    return Frame({0x26, reason}, channel);
}

// Sends bytes to the core and returns everything it answered.
inline Bytes Exchange(Sim::SimCore& sim, const Bytes& bytes) {
    sim.Receive(bytes);
    return sim.TakeOutputBytes();
}

}  // namespace SimTest
