// Big-endian bit fields, descriptor tables and composite rows of the PCG records.
#include <gtest/gtest.h>

#include <vector>

#include "Common/Files/PcgFields.h"
#include "Common/Files/PcgStorage.h"

using namespace QorX0;

TEST(PcgFields, TwelveBitFieldEndsAtItsByte) {
    std::vector<unsigned char> rec(444, 0);
    rec[134] = 0xAB;
    rec[135] = 0xCD;
    EXPECT_EQ(CMemoryAccessUtils::GetBufferValue_BigEndian(135, 0, 12, 444, rec.data(), false), 0xBCD);
    CMemoryAccessUtils::SetBufferValue_BigEndian(135, 0, 12, 444, rec.data(), 0x123);
    EXPECT_EQ(rec[134], 0xA1);  // the top four bits of byte 134 stay
    EXPECT_EQ(rec[135], 0x23);
}

TEST(PcgFields, SignedFieldsAndBitPositions) {
    struct Case {
        int offset, lowestBit, bits;
        bool isSigned;
        unsigned char b0, b1;
        int expected;
    } cases[] = {
        {1, 4, 4, true, 0x00, 0xF0, -1},    // signed 4 bits at 4..7
        {1, 4, 4, false, 0x00, 0xF0, 15},   // the same bits unsigned
        {1, 0, 8, true, 0x00, 0x80, -128},  // signed byte
        {1, 0, 1, true, 0x00, 0x01, 1},     // one bit is never negative
        {1, 5, 1, false, 0x00, 0x20, 1},    // ninth-bit rows
        {1, 0, 16, false, 0x12, 0x34, 0x1234},
        {1, 9, 3, false, 0x0E, 0x00, 7},  // lowest bit beyond the byte counts back to byte 0
    };
    for (const Case& c : cases) {
        unsigned char rec[2] = {c.b0, c.b1};
        EXPECT_EQ(
            CMemoryAccessUtils::GetBufferValue_BigEndian(c.offset, c.lowestBit, c.bits, 2, rec, c.isSigned),
            c.expected)
            << c.offset << "/" << c.lowestBit << "/" << c.bits;
    }
}

TEST(PcgFields, WritesKeepNeighbouringBits) {
    unsigned char rec[2] = {0xFF, 0xFF};
    CMemoryAccessUtils::SetBufferValue_BigEndian(1, 4, 4, 2, rec, -2);  // 0xE into bits 4..7
    EXPECT_EQ(rec[1], 0xEF);
    CMemoryAccessUtils::SetBufferValue_BigEndian(1, 2, 3, 2, rec, 0);
    EXPECT_EQ(rec[1], 0xE3);
    EXPECT_EQ(rec[0], 0xFF);
}

TEST(PcgFields, AccessIsBoundedByTheRecordSize) {
    // The buffer is larger than the record; the bytes past the record must stay untouched.
    std::vector<unsigned char> buf(16, 0x5A);
    const uint32_t recordSize = 8;
    struct Case {
        int offset, lowestBit, bits;
    } outside[] = {
        {8, 0, 8},     // the byte after the record
        {100, 0, 16},  // far beyond
        {0, 8, 8},     // offset smaller than lowestBit / 8
        {0, 0, 16},    // a 16-bit field would start before byte 0
        {0, 0, 0},     // no bits
        {0, -1, 4},    // a negative lowest bit
        {INT32_MAX, 0, 8},
    };
    for (const Case& c : outside) {
        EXPECT_EQ(CMemoryAccessUtils::GetBufferValue_BigEndian(c.offset, c.lowestBit, c.bits, recordSize,
                                                               buf.data(), false),
                  0);
        CMemoryAccessUtils::SetBufferValue_BigEndian(c.offset, c.lowestBit, c.bits, recordSize, buf.data(),
                                                     0);
    }
    EXPECT_EQ(buf, std::vector<unsigned char>(16, 0x5A));
    // The last byte of the record is still reachable.
    CMemoryAccessUtils::SetBufferValue_BigEndian(7, 0, 8, recordSize, buf.data(), 1);
    EXPECT_EQ(buf[7], 1);
}

TEST(PcgFields, DescriptorTablesHaveTheirRowsAndFitTheirRecords) {
    static_assert(sizeof(FIELDDESC) == 8);
    struct Case {
        const FIELDTABLE* table;
        int rows;
        uint32_t recordSize;
        uint32_t base;  // the last timbre or key record
    } cases[] = {
        {&PcgFields::kQorxxProgram, 20, kQorxxProgramSize, 0},
        {&PcgFields::kRuskProgram, 14, kRuskProgramSize, 0},
        {&PcgFields::kFennProgram, 25, kFennProgramSize, 0},
        {&PcgFields::kBraeProgram, 12, kBraeProgramSize, 0},
        {&PcgFields::kQorxxCombi, 12, kQorxxCombiSize, 0},
        {&PcgFields::kRuskCombi, 8, kRuskCombiSize, 0},
        {&PcgFields::kFennCombi, 8, kFennCombiSize, 0},
        {&PcgFields::kBraeCombi, 3, kBraeCombiSize, 0},
        {&PcgFields::kQorxxTimbre, 9, kQorxxCombiSize, 128 + 28 * 7},
        {&PcgFields::kFamilyTimbre, 3, kRuskCombiSize, 128 + 28 * 7},
        {&PcgFields::kFamilyTimbre, 3, kFennCombiSize, 224 + 28 * 7},
        {&PcgFields::kFamilyTimbre, 3, kBraeCombiSize, 772 + 28 * 7},
        {&PcgFields::kDrumKey, 5, kDrumKitSize, 16 + 32 * 127},
    };
    for (const Case& c : cases) {
        ASSERT_EQ(c.table->count, c.rows);
        for (int row = 0; row < c.rows; ++row) {
            // Every field reads back the all-ones value written into it, so it lies inside the record.
            std::vector<unsigned char> rec(c.recordSize, 0);
            const FIELDDESC& d = c.table->rows[row];
            PcgSetRow({c.table->rows, c.table->count, nullptr, 0}, row, rec.data(), c.recordSize, -1, c.base);
            const int expected = d.isSigned ? -1 : (1 << d.bitCount) - 1;
            EXPECT_EQ(
                PcgGetRow({c.table->rows, c.table->count, nullptr, 0}, row, rec.data(), c.recordSize, c.base),
                expected)
                << "row " << row;
        }
    }
}

TEST(PcgFields, CompositeRowsCarryTheNinthBit) {
    std::vector<unsigned char> rec(kQorxxProgramSize, 0);
    rec[99] = 0x81;
    PcgSetRow(PcgFields::kQorxxProgram, 5, rec.data(), kQorxxProgramSize, 300);
    EXPECT_EQ(rec[98], 300 & 0xFF);
    EXPECT_EQ(rec[99], 0x81 | 0x20);
    EXPECT_EQ(PcgGetRow(PcgFields::kQorxxProgram, 5, rec.data(), kQorxxProgramSize), 300);
    EXPECT_EQ(PcgGetRow(PcgFields::kQorxxProgram, 6, rec.data(), kQorxxProgramSize), 1);

    std::vector<unsigned char> fenn(kFennCombiSize, 0);
    PcgSetRow(PcgFields::kFennCombi, 4, fenn.data(), kFennCombiSize, 0x1FF);
    EXPECT_EQ(fenn[204], 0xFF);
    EXPECT_EQ(fenn[205], 0x20);
    PcgSetRow(PcgFields::kFennCombi, 4, fenn.data(), kFennCombiSize, 7);
    EXPECT_EQ(PcgGetRow(PcgFields::kFennCombi, 4, fenn.data(), kFennCombiSize), 7);
    EXPECT_EQ(fenn[205], 0);
}

TEST(PcgFields, RowsBeyondTheTableReadZeroAndWriteNothing) {
    const unsigned char bytes[kRuskCombiSize] = {};
    CRuskCombinationStorage combi(bytes, sizeof bytes);
    combi.setValue(8, 1);
    combi.setValue(-1, 1);
    combi.setTimbreValue(8, 0, 1);
    combi.setTimbreValue(0, 3, 1);
    combi.setTimbreValue(-1, 0, 1);
    EXPECT_EQ(std::vector<unsigned char>(combi.getBuffer(), combi.getBuffer() + kRuskCombiSize),
              std::vector<unsigned char>(kRuskCombiSize, 0));
    EXPECT_EQ(combi.getValue(8), 0);
    EXPECT_EQ(combi.getTimbreValue(8, 0), 0);
    combi.setTimbreValue(7, 0, 3);
    EXPECT_EQ(combi.getBuffer()[128 + 28 * 7 + 1], 3);
}

TEST(PcgFields, StoragesBuiltFromBytesRequireTheirSize) {
    const std::vector<unsigned char> bytes(1000, 0);
    auto code = [](auto make) {
        try {
            make();
        } catch (int c) {
            return c;
        }
        return 0;
    };
    EXPECT_EQ(code([&] { CFennPcmProgramStorage s(bytes.data(), 539); }), 5);
    EXPECT_EQ(code([&] { CBraeCombinationStorage s(bytes.data(), 997); }), 5);
    EXPECT_EQ(code([&] { CRuskGlobalStorage s(bytes.data(), 864); }), 5);
    EXPECT_EQ(code([&] { CArpeggioStorage s(bytes.data(), 319); }), 5);
    EXPECT_EQ(code([&] { CDrumKitStorage s(nullptr, kDrumKitSize, 'P', 0); }), 5);
    EXPECT_EQ(code([&] { CBraeGlobalStorage s(bytes.data(), 864); }), 0);
}
