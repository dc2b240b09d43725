// Fuzzes the PCG sniffer and import with arbitrary bytes. The custom mutator repairs the container's
// fixed header fields and sizes after mutating, so that inputs reach the chunk and record code.
// Invariants: no sanitizer report, no exception escaping, a failed import changes nothing, and a
// successful one touches nothing outside the areas an import may write.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "Common/Files/PcgConvert.h"
#include "Common/Model/SynthData.h"

extern "C" size_t LLVMFuzzerMutate(uint8_t* data, size_t size, size_t maxSize);

namespace {

using namespace QorX0;

void PutBE32(uint8_t* p, uint32_t v) {
    p[0] = static_cast<uint8_t>(v >> 24);
    p[1] = static_cast<uint8_t>(v >> 16);
    p[2] = static_cast<uint8_t>(v >> 8);
    p[3] = static_cast<uint8_t>(v);
}
uint32_t GetBE32(const uint8_t* p) {
    return (uint32_t{p[0]} << 24) | (uint32_t{p[1]} << 16) | (uint32_t{p[2]} << 8) | p[3];
}

// Makes the header valid and clamps chunk and sub-chunk sizes so that they fit the data.
void Repair(uint8_t* data, size_t size, unsigned seed) {
    if (size < 24) return;
    static const uint8_t kProducts[] = {'P', 'c', ']'};
    std::memcpy(data, "VELK", 4);
    if (data[4] != 'P' && data[4] != 'c' && data[4] != ']') data[4] = kProducts[seed % 3];
    data[5] = data[6] = 0;
    data[7] = data[4] == 'P' ? 1 : 0;
    std::memcpy(data + 16, "PCG1", 4);
    PutBE32(data + 20, static_cast<uint32_t>(size - 24));
    static const char* const kChunks[] = {"PRG1", "CMB1", "ARP1", "DKT1", "GLB1", "DIV1"};
    size_t p = 24;
    unsigned n = seed;
    while (p + 8 <= size) {
        if ((n++ % 4) == 0) std::memcpy(data + p, kChunks[n % 6], 4);
        const size_t room = size - p - 8;
        if (GetBE32(data + p + 4) > room) PutBE32(data + p + 4, static_cast<uint32_t>(room));
        const size_t chunkEnd = p + 8 + GetBE32(data + p + 4);
        if (std::memcmp(data + p, "GLB1", 4) != 0) {
            for (size_t q = p + 8; q + 20 <= chunkEnd;) {
                const size_t subRoom = chunkEnd - q - 8;
                if (GetBE32(data + q + 4) > subRoom) PutBE32(data + q + 4, static_cast<uint32_t>(subRoom));
                q += 8 + std::max<uint32_t>(GetBE32(data + q + 4), 12);
            }
        }
        p = chunkEnd;
    }
}

// The areas an import may write for a model index: global, kits, patterns, the model's programs
// and the combinations; as [from, to) pairs.
std::vector<std::pair<unsigned, unsigned>> ImportAreas(int model) {
    const unsigned programsEnd = kAreaPrograms.offset + (model == 0 ? 512u : 640u) * kSizeProgram;
    return {{0, kAreaExtControls.offset},
            {kAreaPrograms.offset, programsEnd},
            {kAreaCombis.offset, kAreaCombis.End()}};
}

// Whether the image is unchanged outside the areas an import may write for a model index.
bool UntouchedOutsideImportAreas(const std::vector<uint8_t>& a, const std::vector<uint8_t>& b, int model) {
    unsigned from = 0;
    for (const auto& [start, end] : ImportAreas(model)) {
        if (std::memcmp(a.data() + from, b.data() + from, start - from) != 0) return false;
        from = end;
    }
    return std::memcmp(a.data() + from, b.data() + from, kSizeImage - from) == 0;
}

// Puts back what a successful import changed inside the areas it may write: most inputs store a few
// records, so only the blocks that differ are copied.
void PutBack(std::vector<uint8_t>& image, const std::vector<uint8_t>& original, int model) {
    constexpr unsigned kBlock = 4096;
    for (const auto& [from, to] : ImportAreas(model)) {
        for (unsigned at = from; at < to; at += kBlock) {
            const unsigned n = std::min(kBlock, to - at);
            if (std::memcmp(image.data() + at, original.data() + at, n) != 0)
                std::memcpy(image.data() + at, original.data() + at, n);
        }
    }
}

}  // namespace

extern "C" size_t LLVMFuzzerCustomMutator(uint8_t* data, size_t size, size_t maxSize, unsigned int seed) {
    size = LLVMFuzzerMutate(data, size, maxSize);
    if (seed % 4 != 0) Repair(data, size, seed);
    return size;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const std::vector<uint8_t> original = [] {
        std::vector<uint8_t> img(kSizeImage);
        for (size_t i = 0; i < img.size(); ++i) img[i] = static_cast<uint8_t>(i * 131 + 7);
        return img;
    }();
    // The image stays equal to the original between inputs: a failed import must not change it
    // (checked), and after a successful one the areas it may write are put back.
    static std::vector<uint8_t> image = original;

    std::istringstream stream(std::string(reinterpret_cast<const char*>(data), size));
    int kind = 0;
    if (GetPCGStreamInfoEx(stream, &kind) && (kind < 2 || kind > 7)) std::abort();

    for (int model = 0; model < 2; ++model) {
        const bool ok =
            ConvertPCGtoQor(reinterpret_cast<const char*>(data), static_cast<int>(size), image.data(), model);
        if (ok ? !UntouchedOutsideImportAreas(image, original, model) : image != original) std::abort();
        if (ok) PutBack(image, original, model);
    }
    return 0;
}
