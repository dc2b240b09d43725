#include "Common/Files/PcgFields.h"

#include <iterator>

namespace QorX0 {

namespace {

// The bytes a field occupies, or false when it does not lie wholly inside the buffer.
bool FieldSpan(int byteOffset, int lowestBit, int bitCount, uint32_t bufferSize, int64_t& first, int& count) {
    if (bitCount <= 0 || bitCount > 32 || lowestBit < 0) return false;
    const int64_t last = static_cast<int64_t>(byteOffset) - lowestBit / 8;
    if (last < 0) return false;
    count = (bitCount + lowestBit % 8 + 7) / 8;
    first = last - count + 1;
    return first >= 0 && last < static_cast<int64_t>(bufferSize);
}

uint64_t ReadBytes(const unsigned char* p, int count) {
    uint64_t v = 0;
    for (int i = 0; i < count; ++i) v = (v << 8) | p[i];
    return v;
}

}  // namespace

int CMemoryAccessUtils::GetBufferValue_BigEndian(int byteOffset, int lowestBit, int bitCount,
                                                 uint32_t bufferSize, const unsigned char* buffer,
                                                 bool isSigned) {
    int64_t first = 0;
    int count = 0;
    if (!buffer || !FieldSpan(byteOffset, lowestBit, bitCount, bufferSize, first, count)) return 0;
    const uint64_t mask = (uint64_t{1} << bitCount) - 1;
    const uint64_t raw = (ReadBytes(buffer + first, count) >> (lowestBit % 8)) & mask;
    int64_t value = static_cast<int64_t>(raw);
    if (isSigned && bitCount > 1 && (raw >> (bitCount - 1)) != 0) value -= int64_t{1} << bitCount;
    return static_cast<int>(value);
}

void CMemoryAccessUtils::SetBufferValue_BigEndian(int byteOffset, int lowestBit, int bitCount,
                                                  uint32_t bufferSize, unsigned char* buffer, int value) {
    int64_t first = 0;
    int count = 0;
    if (!buffer || !FieldSpan(byteOffset, lowestBit, bitCount, bufferSize, first, count)) return;
    const int shift = lowestBit % 8;
    const uint64_t mask = ((uint64_t{1} << bitCount) - 1) << shift;
    uint64_t v = ReadBytes(buffer + first, count);
    v = (v & ~mask) | ((static_cast<uint64_t>(static_cast<uint32_t>(value)) << shift) & mask);
    for (int i = count - 1; i >= 0; --i) {
        buffer[first + i] = static_cast<unsigned char>(v & 0xFF);
        v >>= 8;
    }
}

namespace {

const COMPOSITEROW* FindComposite(const FIELDTABLE& table, int row) {
    for (int i = 0; i < table.compositeCount; ++i)
        if (table.composites[i].lowRow == row) return &table.composites[i];
    return nullptr;
}

int GetPlain(const FIELDTABLE& t, int row, const unsigned char* rec, uint32_t size, uint32_t base) {
    if (row < 0 || row >= t.count) return 0;
    const FIELDDESC& d = t.rows[row];
    const int64_t offset = static_cast<int64_t>(d.byteOffset) + base;
    if (offset > INT32_MAX) return 0;
    return CMemoryAccessUtils::GetBufferValue_BigEndian(static_cast<int>(offset), d.lowestBit, d.bitCount,
                                                        size, rec, d.isSigned != 0);
}

void SetPlain(const FIELDTABLE& t, int row, unsigned char* rec, uint32_t size, int value, uint32_t base) {
    if (row < 0 || row >= t.count) return;
    const FIELDDESC& d = t.rows[row];
    const int64_t offset = static_cast<int64_t>(d.byteOffset) + base;
    if (offset > INT32_MAX) return;
    CMemoryAccessUtils::SetBufferValue_BigEndian(static_cast<int>(offset), d.lowestBit, d.bitCount, size, rec,
                                                 value);
}

}  // namespace

int PcgGetRow(const FIELDTABLE& table, int row, const unsigned char* record, uint32_t recordSize,
              uint32_t base) {
    const int low = GetPlain(table, row, record, recordSize, base);
    const COMPOSITEROW* c = FindComposite(table, row);
    if (!c) return low;
    const int high = GetPlain(table, c->highRow, record, recordSize, base);
    return low | (high << table.rows[row].bitCount);
}

void PcgSetRow(const FIELDTABLE& table, int row, unsigned char* record, uint32_t recordSize, int value,
               uint32_t base) {
    SetPlain(table, row, record, recordSize, value, base);
    if (const COMPOSITEROW* c = FindComposite(table, row))
        SetPlain(table, c->highRow, record, recordSize, value >> table.rows[row].bitCount, base);
}

namespace PcgFields {
namespace {

constexpr FIELDDESC U(int offset, int lowestBit, int bits) {
    return {offset, 0, static_cast<int8_t>(lowestBit), static_cast<uint8_t>(bits), 0};
}
constexpr FIELDDESC S(int offset, int lowestBit, int bits) {
    return {offset, 1, static_cast<int8_t>(lowestBit), static_cast<uint8_t>(bits), 0};
}

namespace Qorxx {
const FIELDDESC _sPcmOscParam_Common[] = {
    U(108, 0, 2),  U(109, 0, 7),  U(114, 0, 6), U(115, 0, 6),  U(97, 0, 1),  U(98, 0, 8),   U(99, 5, 1),
    U(136, 0, 8),  U(135, 0, 12), U(140, 0, 8), U(139, 0, 12), U(290, 0, 8), U(289, 0, 12), U(294, 0, 8),
    U(293, 0, 12), U(37, 0, 8),   U(96, 0, 8),  S(79, 0, 8),   S(82, 4, 4),  U(59, 0, 16),
};
}  // namespace Qorxx
namespace Rusk {
const FIELDDESC _sPcmOscParam_Common[] = {
    U(108, 0, 2),  U(97, 0, 1),  U(98, 0, 8),   U(99, 5, 1),  U(136, 0, 8),  U(135, 0, 12), U(140, 0, 8),
    U(139, 0, 12), U(290, 0, 8), U(289, 0, 12), U(294, 0, 8), U(293, 0, 12), S(79, 0, 8),   S(82, 4, 4),
};
}  // namespace Rusk
namespace Fenn {
const FIELDDESC _sPcmOscParam_Common[] = {
    U(204, 0, 2),  U(193, 0, 1), U(194, 0, 8),  U(195, 5, 1),  U(232, 0, 8),  U(231, 0, 12), U(236, 0, 8),
    U(235, 0, 12), U(386, 0, 8), U(385, 0, 12), U(390, 0, 8),  U(389, 0, 12), S(175, 0, 8),  S(178, 4, 4),
    U(34, 0, 1),   U(34, 1, 1),  U(58, 0, 8),   U(59, 0, 8),   U(82, 0, 8),   U(83, 0, 8),   U(106, 0, 8),
    U(107, 0, 8),  U(130, 0, 8), U(131, 0, 8),  U(155, 0, 16),
};
}  // namespace Fenn
namespace Brae {
const FIELDDESC _sPcmOscParam_Common[] = {
    U(468, 0, 2),  U(496, 0, 8), U(495, 0, 12), U(500, 0, 8), U(499, 0, 12), U(498, 0, 8),
    U(497, 0, 12), U(502, 0, 8), U(501, 0, 12), S(175, 0, 8), S(178, 4, 4),  U(192, 0, 8),
};
}  // namespace Brae
namespace Qorxx {
const FIELDDESC _sCombiParam_Common[] = {
    U(122, 0, 6), U(123, 0, 6), U(97, 1, 1), U(97, 2, 1), U(98, 0, 8), U(99, 5, 1),
    U(108, 0, 8), U(109, 5, 1), U(37, 0, 8), U(96, 0, 8), S(79, 0, 8), S(82, 4, 4),
};
}  // namespace Qorxx
namespace Rusk {
const FIELDDESC _sCombiParam_Common[] = {
    U(97, 1, 1), U(97, 2, 1), U(98, 0, 8), U(99, 5, 1), U(108, 0, 8), U(109, 5, 1), S(79, 0, 8), S(82, 4, 4),
};
}  // namespace Rusk
namespace Fenn {
const FIELDDESC _sCombiParam_Common[] = {
    U(193, 1, 1), U(193, 2, 1), U(194, 0, 8), U(195, 5, 1),
    U(204, 0, 8), U(205, 5, 1), S(175, 0, 8), S(178, 4, 4),
};
}  // namespace Fenn
namespace Brae {
const FIELDDESC _sCombiParam_Common[] = {S(175, 0, 8), S(178, 4, 4), U(192, 0, 8)};
}  // namespace Brae
namespace Qorxx {
const FIELDDESC _sCombiParam_Timbre[] = {
    U(1, 0, 8),  U(0, 0, 8),  U(27, 0, 8), U(16, 0, 8),  U(15, 0, 3),
    U(15, 3, 3), U(15, 6, 3), U(15, 9, 3), U(15, 12, 3),
};
}  // namespace Qorxx
namespace Family {
const FIELDDESC _sCombiParam_Timbre[] = {U(1, 0, 8), U(0, 0, 8), U(27, 0, 8)};
}  // namespace Family
namespace AllFamilies {
const FIELDDESC _sDrParam_Inst[] = {U(0, 0, 8), U(3, 0, 16), U(12, 0, 8), U(15, 0, 16), U(25, 0, 8)};
}  // namespace AllFamilies

const COMPOSITEROW sQorxxProgramComposite[] = {{5, 6}};
const COMPOSITEROW sFamilyProgramComposite[] = {{2, 3}};
const COMPOSITEROW sQorxxCombiComposite[] = {{4, 5}, {6, 7}};
const COMPOSITEROW sFamilyCombiComposite[] = {{2, 3}, {4, 5}};

template <size_t N>
constexpr FIELDTABLE Table(const FIELDDESC (&rows)[N]) {
    return {rows, static_cast<int>(N), nullptr, 0};
}
template <size_t N, size_t M>
constexpr FIELDTABLE Table(const FIELDDESC (&rows)[N], const COMPOSITEROW (&composites)[M]) {
    return {rows, static_cast<int>(N), composites, static_cast<int>(M)};
}

}  // namespace

const FIELDTABLE kQorxxProgram = Table(Qorxx::_sPcmOscParam_Common, sQorxxProgramComposite);
const FIELDTABLE kRuskProgram = Table(Rusk::_sPcmOscParam_Common, sFamilyProgramComposite);
const FIELDTABLE kFennProgram = Table(Fenn::_sPcmOscParam_Common, sFamilyProgramComposite);
const FIELDTABLE kBraeProgram = Table(Brae::_sPcmOscParam_Common);
const FIELDTABLE kQorxxCombi = Table(Qorxx::_sCombiParam_Common, sQorxxCombiComposite);
const FIELDTABLE kRuskCombi = Table(Rusk::_sCombiParam_Common, sFamilyCombiComposite);
const FIELDTABLE kFennCombi = Table(Fenn::_sCombiParam_Common, sFamilyCombiComposite);
const FIELDTABLE kBraeCombi = Table(Brae::_sCombiParam_Common);
const FIELDTABLE kQorxxTimbre = Table(Qorxx::_sCombiParam_Timbre);
const FIELDTABLE kFamilyTimbre = Table(Family::_sCombiParam_Timbre);
const FIELDTABLE kDrumKey = Table(AllFamilies::_sDrParam_Inst);

}  // namespace PcgFields

}  // namespace QorX0
