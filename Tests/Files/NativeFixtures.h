#pragma once
// Test helpers for data files: images filled with known bytes, and native files built byte by byte
// from the format's description, independent of the product's writer.
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <memory>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "Common/Files/PersistParams.h"
#include "Common/Model/SynthData.h"
#include "Linux/Trace.h"
#include <gtest/gtest.h>

namespace fixtures {

using QorX0::CHUNK_REMOTESYNTH;

// A heap image (900 kB is too large for the stack of every test) filled from a seed.
inline std::unique_ptr<CHUNK_REMOTESYNTH> RandomImage(uint32_t seed) {
    auto image = std::make_unique<CHUNK_REMOTESYNTH>();
    std::mt19937 gen(seed);
    uint8_t* p = image->Bytes();
    for (size_t i = 0; i < sizeof(CHUNK_REMOTESYNTH); i += 4) {
        const uint32_t v = gen();
        for (size_t k = 0; k < 4 && i + k < sizeof(CHUNK_REMOTESYNTH); ++k)
            p[i + k] = static_cast<uint8_t>(v >> (8 * k));
    }
    return image;
}

inline std::unique_ptr<CHUNK_REMOTESYNTH> CopyImage(const CHUNK_REMOTESYNTH& from) {
    return std::make_unique<CHUNK_REMOTESYNTH>(from);
}

inline bool SameImage(const CHUNK_REMOTESYNTH& a, const CHUNK_REMOTESYNTH& b) {
    return std::memcmp(&a, &b, sizeof(CHUNK_REMOTESYNTH)) == 0;
}

inline std::string BE32(uint32_t v) {
    return std::string{static_cast<char>(v >> 24), static_cast<char>(v >> 16), static_cast<char>(v >> 8),
                       static_cast<char>(v)};
}

inline std::string Zeros(size_t n) {
    return std::string(n, '\0');
}

inline std::string Bytes(const CHUNK_REMOTESYNTH& image, size_t offset, size_t size) {
    return std::string(reinterpret_cast<const char*>(image.Bytes()) + offset, size);
}

// The 32-byte header: tag, size, version, 0, model tag, 12 zero bytes.
inline std::string Header(const char* tag, uint32_t size, uint32_t version, const char* model) {
    return std::string(tag, 4) + BE32(size) + BE32(version) + BE32(0) + std::string(model, 4) + Zeros(12);
}

// A native file: header with the size field counting the rest of the header, body and 4 zeros.
inline std::string NativeFile(const char* tag, const char* model, const std::string& body) {
    return Header(tag, static_cast<uint32_t>(24 + body.size() + 4), 1, model) + body + Zeros(4);
}

// The all-data body up to the realtime-control block, in file order.
inline std::string AllDataBodyV0(const CHUNK_REMOTESYNTH& im) {
    std::string b;
    b += Bytes(im, 532370, 208896);  // combinations
    b += Bytes(im, 741266, 156160);  // multis
    b += Bytes(im, 248210, 284160);  // programs, five banks
    b += Bytes(im, 850, 164480);     // drum kits
    b += Bytes(im, 165330, 80320);   // arpeggio patterns
    b += Bytes(im, 245650, 2560);    // external-control sets
    b += Bytes(im, 897870, 544);     // current combination
    b += Bytes(im, 898414, 1220);    // current multi
    b += Bytes(im, 897426, 444);     // current program
    b += Bytes(im, 899642, 8);       // records: combination, multi, program
    b += Bytes(im, 899650, 8);
    b += Bytes(im, 899634, 8);
    b += Bytes(im, 0, 850);  // global
    b += Zeros(2);
    b += Bytes(im, 899658, 1);  // mode
    b += Zeros(3);
    return b;
}

// Collects what the file code traces while it lives (tracing is off otherwise).
class TraceCapture {
public:
    TraceCapture() : mWas(g_enabletrace) {
        g_enabletrace = 1;
        testing::internal::CaptureStdout();
    }
    ~TraceCapture() {
        if (!mTaken) Text();
    }
    std::string Text() {
        if (!mTaken) {
            std::fflush(stdout);
            mText = testing::internal::GetCapturedStdout();
            g_enabletrace = mWas;
            mTaken = true;
        }
        return mText;
    }

private:
    int mWas;
    bool mTaken = false;
    std::string mText;
};

}  // namespace fixtures
