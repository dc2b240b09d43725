#pragma once
// Field descriptors of the PCG records and the big-endian bit-field routines that read and write
// them. A field ends at its byte offset: its least significant bits lie in that byte and it extends
// towards lower addresses.
#include <cstdint>

namespace QorX0 {

// One row of a descriptor table (8 bytes, as the tables are laid out).
struct FIELDDESC {
    int32_t byteOffset;  // byte holding the field's least significant bits
    int8_t isSigned;     // 1: two's-complement number
    int8_t lowestBit;    // lowest bit of the field, counted from bit 0 of that byte
    uint8_t bitCount;    // 0: the row does not exist in this family
    uint8_t reserved;
};
static_assert(sizeof(FIELDDESC) == 8);

// A 9-bit number kept as a low row plus a one-bit row holding its ninth bit.
struct COMPOSITEROW {
    int lowRow;
    int highRow;
};

struct FIELDTABLE {
    const FIELDDESC* rows;
    int count;
    const COMPOSITEROW* composites;
    int compositeCount;
};

class CMemoryAccessUtils {
public:
    // Every access is bounded by bufferSize: a field that does not lie wholly inside the buffer
    // reads 0 and is never written.
    static int GetBufferValue_BigEndian(int byteOffset, int lowestBit, int bitCount, uint32_t bufferSize,
                                        const unsigned char* buffer, bool isSigned);
    static void SetBufferValue_BigEndian(int byteOffset, int lowestBit, int bitCount, uint32_t bufferSize,
                                         unsigned char* buffer, int value);
};

// Reads and writes rows of a table over a record of recordSize bytes; base is added to every row's
// byte offset (timbre and key records inside a larger record). Rows beyond the table read 0 and
// write nothing; composite rows read and write their full 9-bit value.
int PcgGetRow(const FIELDTABLE& table, int row, const unsigned char* record, uint32_t recordSize,
              uint32_t base = 0);
void PcgSetRow(const FIELDTABLE& table, int row, unsigned char* record, uint32_t recordSize, int value,
               uint32_t base = 0);

// Descriptor tables. Programs (_sPcmOscParam_Common), combination common rows (_sCombiParam_Common),
// timbre rows (_sCombiParam_Timbre) and drum-kit key rows (_sDrParam_Inst).
namespace PcgFields {
extern const FIELDTABLE kQorxxProgram, kRuskProgram, kFennProgram, kBraeProgram;
extern const FIELDTABLE kQorxxCombi, kRuskCombi, kFennCombi, kBraeCombi;
extern const FIELDTABLE kQorxxTimbre, kFamilyTimbre;
extern const FIELDTABLE kDrumKey;
}  // namespace PcgFields

}  // namespace QorX0
