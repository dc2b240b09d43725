#pragma once
// The PCG container shared by every kind: a 24-byte header, then chunks of bank sub-chunks, all
// numbers big-endian. Also the engine's error codes, thrown as plain integers.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <istream>

namespace QorX0 {

// Error codes thrown inside the engine and caught at the exported functions.
enum : int {
    kPcgErrProduct = 2,      // product byte is not 'P', ']' or 'c'
    kPcgErrHeader = 3,       // no data, 7 bytes or less, or a header that does not match
    kPcgErrStructure = 4,    // a length or size that does not fit the data, or no chunks
    kPcgErrStorageSize = 5,  // a record whose size is not the one expected
    kPcgErrModelOrKind = 6,  // model index above 1, or an export kind outside 2..7
    kPcgErrNoBuffer = 7,     // export into a null buffer
    kPcgErrBufferSmall = 8,  // export buffer smaller than the file
};

[[noreturn]] inline void PcgThrow(int code) {
    throw code;
}

constexpr size_t kPcgHeaderSize = 24;
constexpr size_t kPcgChunkHeaderSize = 8;
constexpr size_t kPcgBankHeaderSize = 20;  // sub-chunk id and size, count, item size, bank number
constexpr int kPcgKindFirst = 2;
constexpr int kPcgKindLast = 7;

constexpr unsigned char kProductFenn = 'P';
constexpr unsigned char kProductRusk = 'c';
constexpr unsigned char kProductBrae = ']';

inline bool PcgIsProduct(unsigned char p) {
    return p == kProductFenn || p == kProductRusk || p == kProductBrae;
}
inline unsigned char getMajorVersionNumber() {
    return 0;
}
inline unsigned char getMinorVersionNumber(unsigned char product) {
    return product == kProductFenn ? 1 : 0;
}
inline unsigned char PcgProductOfKind(int kind) {
    return kind == 6 ? kProductRusk : kind == 7 ? kProductBrae : kProductFenn;
}

inline uint32_t PcgReadBE32(const unsigned char* p) {
    return (uint32_t{p[0]} << 24) | (uint32_t{p[1]} << 16) | (uint32_t{p[2]} << 8) | p[3];
}
inline void PcgWriteBE32(unsigned char* p, uint32_t v) {
    p[0] = static_cast<unsigned char>(v >> 24);
    p[1] = static_cast<unsigned char>(v >> 16);
    p[2] = static_cast<unsigned char>(v >> 8);
    p[3] = static_cast<unsigned char>(v);
}
inline bool PcgIdIs(const unsigned char* p, const char (&id)[5]) {
    return std::memcmp(p, id, 4) == 0;
}

// Diagnostics of the engine; silent in the product.
class CDebugUtils {
public:
    template <class... Args>
    static void printf(const char*, Args&&...) {}
    static void printError(const char*) {}
    static void printErrorCode(int) {}
};

// The header fields every reader checks: "VELK", 0 at byte 5, "PCG1" at 16, a known product, 0 at
// byte 6 and the product's minor version at byte 7.
bool PcgHeaderIsValid(const unsigned char* header);

// Sniffs a PCG file from the stream's position: its kind (2..7), or 0 when it is not one. The chunk
// walk requires every chunk to lie inside the declared size and inside the data, as the import does.
int PcgSniffStream(std::istream& stream);

}  // namespace QorX0
