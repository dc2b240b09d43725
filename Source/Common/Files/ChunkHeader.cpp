#include "Common/Files/ChunkHeader.h"

#include <cstring>

#include "Common/Files/NativeFile.h"

namespace QorX0 {

namespace {
constexpr uint32_t kChunkPrefix = 28;  // the bytes the reader looks at
}

bool SaveStreamVSTHeader(std::ostream& os, uint8_t model, const PERSISTPARAMS* params) {
    const char* tag = GetNativeModelTag(model);
    if (!params || !tag || params->kind < FTYPE_VSTBANK || params->kind > FTYPE_VSTMULTI) return false;
    const bool bank = params->kind == FTYPE_VSTBANK;
    uint8_t raw[kChunkBankHeaderSize] = {};
    std::memcpy(raw, "Ccnk", 4);
    std::memcpy(raw + 8, bank ? "FBCh" : "FPCh", 4);
    std::memcpy(raw + 16, tag, 4);
    os.write(reinterpret_cast<const char*>(raw), bank ? kChunkBankHeaderSize : kChunkPresetHeaderSize);
    return static_cast<bool>(os);
}

bool ParseStreamVSTHeader(std::istream& is) {
    const std::istream::pos_type start = is.tellg();
    if (start == std::istream::pos_type(-1)) return false;
    uint8_t raw[kChunkPrefix];
    is.read(reinterpret_cast<char*>(raw), sizeof(raw));
    if (is.gcount() != static_cast<std::streamsize>(sizeof(raw))) return false;
    if (std::memcmp(raw, "Ccnk", 4) != 0) return false;
    if (std::memcmp(raw + 16, "VTLV", 4) != 0 && std::memcmp(raw + 16, "VMRL", 4) != 0) return false;
    uint32_t length;
    if (std::memcmp(raw + 8, "FBCh", 4) == 0) {
        length = kChunkBankHeaderSize;
    } else if (std::memcmp(raw + 8, "FPCh", 4) == 0) {
        length = kChunkPresetHeaderSize;
    } else {
        return false;
    }
    // The header and the size it declares must both lie within the stream.
    is.seekg(0, std::ios::end);
    const std::istream::pos_type end = is.tellg();
    if (!is || end == std::istream::pos_type(-1)) return false;
    const uint64_t total = static_cast<uint64_t>(end - start);
    const uint64_t size =
        (uint64_t{raw[4]} << 24) | (uint64_t{raw[5]} << 16) | (uint64_t{raw[6]} << 8) | raw[7];
    if (total < length || size + 8 > total) return false;
    is.seekg(start + static_cast<std::streamoff>(length));
    return static_cast<bool>(is);
}

}  // namespace QorX0
