#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <climits>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "Common/Model/Accessors.h"
#include "Common/Model/ModelStrings.h"
#include "Common/Model/ParamDesc.h"

using namespace QorX0;

namespace {
// A record of 8 bytes with guard bytes around the field at offset 2, so that every case also shows
// that nothing outside the field changed.
struct Record {
    std::array<uint8_t, 8> bytes;
    explicit Record(std::initializer_list<uint8_t> field) {
        bytes.fill(0xA5);
        size_t i = 2;
        for (uint8_t b : field) bytes[i++] = b;
    }
};

const IAccessorI* Plain(int atype, unsigned lo, unsigned hi, unsigned char pmid = 1) {
    return AccessorI(CAccessorPool::Instance().Get(pmid, kPTypeCont, atype, lo, hi, nullptr));
}
}  // namespace

TEST(Accessors, BitFieldsReadAndWriteOnlyTheirBits) {
    struct Case {
        const char* what;
        int atype;
        unsigned lo, hi;
        std::initializer_list<uint8_t> before;
        int read;
        int write;
        std::initializer_list<uint8_t> after;
    } cases[] = {
        {"signed 7 bits 0x7F", kATypeSBF8, 0, 6, {0xFF}, -1, -64, {0xC0}},  // bit 7 kept
        {"unsigned bits 2-4", kATypeUBF8, 2, 4, {0xFF}, 7, 2, {0xEB}},
        {"unsigned full byte", kATypeUBF8, 0, 7, {0x80}, 128, 255, {0xFF}},
        {"signed byte", kATypeSBF8, 0, 7, {0x80}, -128, 127, {0x7F}},
        {"signed high nibble", kATypeSBF8, 4, 7, {0xF3}, -1, -8, {0x83}},
        {"16 bits 0-13 big-endian", kATypeUBF16, 0, 13, {0x01, 0x02}, 258, 0x3FFF, {0x3F, 0xFF}},
        {"16 bits keep top bits", kATypeUBF16, 0, 13, {0xC1, 0x02}, 258, 0, {0xC0, 0x00}},
        {"signed 16 bits", kATypeSBF16, 0, 15, {0xFF, 0xFE}, -2, -1200, {0xFB, 0x50}},
        {"signed 12 bits 4-15", kATypeSBF16, 4, 15, {0x80, 0x0F}, -2048, 100, {0x06, 0x4F}},
        {"24 bits", kATypeUBF24, 0, 23, {0x01, 0x02, 0x03}, 0x010203, 0xABCDEF, {0xAB, 0xCD, 0xEF}},
        {"24 bits 4-19", kATypeUBF24, 4, 19, {0xFF, 0xFF, 0xFF}, 0xFFFF, 0x1234, {0xF1, 0x23, 0x4F}},
    };
    for (const Case& c : cases) {
        const IAccessorI* a = Plain(c.atype, c.lo, c.hi);
        ASSERT_NE(a, nullptr) << c.what;
        Record r(c.before);
        EXPECT_EQ(a->Get(r.bytes.data(), 2), c.read) << c.what;
        EXPECT_EQ(a->Put(r.bytes.data(), 2, c.write), c.write) << c.what;
        Record expected(c.after);
        EXPECT_EQ(r.bytes, expected.bytes) << c.what;
    }
}

TEST(Accessors, BankAndProgramSkipsBankEOnTheTolvaOnly) {
    const IAccessorI* tolva = Plain(kATypeBnkPgm, 0, 0, 1);
    const IAccessorI* nerimo = Plain(kATypeBnkPgm, 0, 0, 9);
    Record r({});
    tolva->PutRaw(r.bytes.data(), 2, 641);
    EXPECT_EQ(r.bytes[2], 641 & 0x7F);
    EXPECT_EQ(r.bytes[3], 641 >> 7);
    EXPECT_EQ(tolva->Get(r.bytes.data(), 2), 513);
    EXPECT_EQ(nerimo->Get(r.bytes.data(), 2), 641);
    EXPECT_EQ(tolva->Put(r.bytes.data(), 2, 512), 512);
    EXPECT_EQ(tolva->GetRaw(r.bytes.data(), 2), 640);
    tolva->Put(r.bytes.data(), 2, 511);
    EXPECT_EQ(tolva->GetRaw(r.bytes.data(), 2), 511);
    nerimo->Put(r.bytes.data(), 2, 600);
    EXPECT_EQ(nerimo->GetRaw(r.bytes.data(), 2), 600);
    EXPECT_EQ(r.bytes[1], 0xA5);
    EXPECT_EQ(r.bytes[4], 0xA5);
}

TEST(Accessors, TimbreStatusSkipsStoredTwo) {
    const IAccessorI* a = Plain(kATypeCmbSts, 5, 7);
    Record r({0x40});  // stored 2 in bits 5-7
    EXPECT_EQ(a->Get(r.bytes.data(), 2), 2);
    const int stored[] = {0, 1, 3, 4};
    for (int value = 0; value < 4; ++value) {
        EXPECT_EQ(a->Put(r.bytes.data(), 2, value), value);
        EXPECT_EQ(r.bytes[2] >> 5, stored[value]) << value;
    }
}

TEST(Accessors, ListAccessorWorksOnPositions) {
    auto* a =
        AccessorI(CAccessorPool::Instance().Get(1, kPTypeList, kATypeSBF8, 0, 7, "-1\tOFF\n0\tPRG\n1\tON"));
    ASSERT_NE(a, nullptr);
    Record r({0x00});
    EXPECT_EQ(a->Get(r.bytes.data(), 2), 1);  // stored 0 is position 1
    EXPECT_EQ(a->Put(r.bytes.data(), 2, 0), 0);
    EXPECT_EQ(r.bytes[2], 0xFF);                 // -1 stored
    EXPECT_EQ(a->Put(r.bytes.data(), 2, 7), 1);  // out of the list: stores 0
    EXPECT_EQ(r.bytes[2], 0x00);
    r.bytes[2] = 0x55;  // a value not in the list reads as position 0
    EXPECT_EQ(a->Get(r.bytes.data(), 2), 0);
    auto* mapped = dynamic_cast<const IAccessorMapped*>(a);
    ASSERT_NE(mapped, nullptr);
    EXPECT_EQ(mapped->PutPlain(r.bytes.data(), 2, -1), -1);
    EXPECT_EQ(a->Get(r.bytes.data(), 2), 0);
}

// A list reads the FIRST position that stores the field's value, and position 0 for a value it does
// not store; narrow lists look positions up in a table, wide ones search: both must agree with a
// search of the list for every stored value the field can hold.
TEST(Accessors, ListPositionsAreTheFirstThatStoresTheValue) {
    struct Case {
        const char* what;
        int atype;
        unsigned lo, hi;
        const char* format;
    };
    const Case cases[] = {
        {"repeated values", kATypeUBF8, 0, 7, "3\tA\n1\tB\n3\tC\n1\tD\n9\tE"},
        {"negative values", kATypeSBF8, 0, 7, "-128\tLOW\n-1\tOFF\n0\tPRG\n127\tHIGH"},
        {"a few bits", kATypeUBF8, 2, 4, "7\tA\n0\tB\n5\tC"},
        {"a span wider than any table", kATypeUBF16, 0, 15, "0\tA\n0x7FFF\tB\n0xFFFF\tC\n0x7FFF\tD"},
        {"signed, wide", kATypeSBF16, 0, 15, "-32768\tA\n32767\tB\n0\tC"},
        {"a single value", kATypeUBF8, 0, 7, "200\tONLY"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        auto* a = AccessorI(CAccessorPool::Instance().Get(1, kPTypeList, c.atype, c.lo, c.hi, c.format));
        auto* mapped = dynamic_cast<const IAccessorMapped*>(a);
        ASSERT_NE(mapped, nullptr);
        const std::vector<int>& values = mapped->Values();
        const bool wide = c.atype == kATypeUBF16 || c.atype == kATypeSBF16;
        for (unsigned pattern = 0; pattern < (wide ? 0x10000u : 0x100u); ++pattern) {
            Record r({static_cast<uint8_t>(wide ? pattern >> 8 : pattern), static_cast<uint8_t>(pattern)});
            const int stored = mapped->GetPlain(r.bytes.data(), 2);
            const auto first = std::find(values.begin(), values.end(), stored);
            const int expected = first == values.end() ? 0 : static_cast<int>(first - values.begin());
            ASSERT_EQ(a->Get(r.bytes.data(), 2), expected) << "stored " << stored;
        }
    }
}

TEST(Accessors, SparseMappingCountsEnabledItems) {
    SparseMapping map(6);
    for (int i : {1, 3, 4}) map.EnableItem(i, true);
    map.EnableItem(-1, true);
    map.EnableItem(6, true);
    EXPECT_EQ(map.OuterCount(), 3);
    EXPECT_EQ(map.vo2vi(0), 1);
    EXPECT_EQ(map.vo2vi(2), 4);
    EXPECT_EQ(map.vo2vi(3), 0);
    EXPECT_EQ(map.vi2vo(3), 1);
    EXPECT_EQ(map.vi2vo(2), 0);
    EXPECT_EQ(map.vi2vo(99), 0);

    const IAccessorI* inner = Plain(kATypeUBF8, 0, 7);
    CAccessorSparseWrap wrap(inner, &map);
    Record r({4});
    EXPECT_EQ(wrap.Get(r.bytes.data(), 2), 2);
    EXPECT_EQ(wrap.Put(r.bytes.data(), 2, 1), 1);
    EXPECT_EQ(r.bytes[2], 3);
}

TEST(Accessors, ValuesBeyondTheFieldKeepItsLowBitsWithoutOverflow) {
    // Values from the wire or a host are not clamped by every caller: the extremes of int must
    // wrap into the field (no signed overflow) and touch no byte outside it.
    struct Case {
        const char* what;
        int atype;
        unsigned lo, hi;
        unsigned char pmid;
        int value;
        std::initializer_list<uint8_t> after;
    } cases[] = {
        {"signed byte, largest int", kATypeSBF8, 0, 7, 1, INT_MAX, {0xFF}},
        {"signed byte, smallest int", kATypeSBF8, 0, 7, 1, INT_MIN, {0x00}},
        {"signed 16 bits, largest int", kATypeSBF16, 0, 15, 1, INT_MAX, {0xFF, 0xFF}},
        {"bank and program on the Tolva, largest int", kATypeBnkPgm, 0, 0, 1, INT_MAX, {0x7F, 0x00}},
        {"timbre status, largest int", kATypeCmbSts, 5, 7, 1, INT_MAX, {0x00}},
    };
    for (const Case& c : cases) {
        const IAccessorI* a = Plain(c.atype, c.lo, c.hi, c.pmid);
        ASSERT_NE(a, nullptr) << c.what;
        Record r({0x00, 0x00});
        a->Put(r.bytes.data(), 2, c.value);
        Record expected({0x00, 0x00});
        size_t i = 2;
        for (uint8_t b : c.after) expected.bytes[i++] = b;
        EXPECT_EQ(r.bytes, expected.bytes) << c.what;
    }
}

TEST(Accessors, SixteenCharacterNames) {
    const IAccessorS* a =
        AccessorS(CAccessorPool::Instance().Get(1, kPTypeString, kATypeName16, 0, 0, nullptr));
    ASSERT_NE(a, nullptr);
    uint8_t rec[20];
    memset(rec, 0xA5, sizeof rec);
    EXPECT_EQ(multiszlong(a->Put(rec, 2, "Piano")), "Piano           ");
    EXPECT_EQ(rec[1], 0xA5);
    EXPECT_EQ(rec[18], 0xA5);
    EXPECT_EQ(multiszlong(a->Get(rec, 2)), "Piano           ");
    EXPECT_EQ(multiszshort(a->Get(rec, 2)), "Piano           ");
    for (uint8_t stop : {0x1F, 0xE9}) {
        memcpy(rec + 2, "ABCDEFGHIJKLMNOP", 16);
        rec[2 + 5] = stop;
        EXPECT_EQ(multiszlong(a->Get(rec, 2)), "ABCDE           ") << int(stop);
    }
    EXPECT_EQ(multiszlong(a->Put(rec, 2, "ABCDEFGHIJKLMNOPQRS")), "ABCDEFGHIJKLMNOP");
    EXPECT_EQ(rec[18], 0xA5);
    EXPECT_EQ(multiszlong(a->Put(rec, 2, "")), std::string(16, ' '));
}

TEST(Accessors, ThirtyTwoCharacterNames) {
    const IAccessorS* a =
        AccessorS(CAccessorPool::Instance().Get(9, kPTypeString, kATypeName32, 0, 0, nullptr));
    ASSERT_NE(a, nullptr);
    uint8_t rec[34];
    memset(rec, 0xA5, sizeof rec);
    memset(rec + 1, 0, 32);
    memcpy(rec + 1, "USB-In", 6);
    memset(rec + 1 + 20, ' ', 5);
    EXPECT_EQ(multiszlong(a->Get(rec, 1)), "USB-In");
    EXPECT_EQ(multiszlong(a->Put(rec, 1, "Port 2")), "Port 2");
    EXPECT_EQ(rec[1 + 6], 0);
    EXPECT_EQ(rec[1 + 20], 0);
    EXPECT_EQ(rec[33], 0xA5);
    a->Put(rec, 1, "");
    for (int i = 1; i < 33; ++i) EXPECT_EQ(rec[i], 0);
}

TEST(Accessors, PoolSharesEqualDescriptionsAndRefusesUnknownKinds) {
    CAccessorPool& pool = CAccessorPool::Instance();
    EXPECT_EQ(pool.Get(1, kPTypeCont, kATypeUBF8, 0, 6, "%.0f,v"),
              pool.Get(1, kPTypeCont, kATypeUBF8, 0, 6, "x"));
    EXPECT_NE(pool.Get(1, kPTypeCont, kATypeUBF8, 0, 6, nullptr),
              pool.Get(9, kPTypeCont, kATypeUBF8, 0, 6, nullptr));
    EXPECT_EQ(pool.Get(1, kPTypeSwitch, kATypeUBF8, 0, 0, "0\tOFF\n1\tON"),
              pool.Get(1, kPTypeSwitch, kATypeUBF8, 0, 0, "0\tDIS\n1\tENA"));
    EXPECT_NE(pool.Get(1, kPTypeList, kATypeUBF8, 0, 7, "0\tA\n1\tB"),
              pool.Get(1, kPTypeList, kATypeUBF8, 0, 7, "0\tA\n2\tB"));
    EXPECT_EQ(pool.Get(1, kPTypeCont, kATypeNone, 0, 7, nullptr), nullptr);
    EXPECT_EQ(pool.Get(1, kPTypeList, kATypeUBF24, 0, 7, "0\tA"), nullptr);
    EXPECT_EQ(pool.Get(1, kPTypeString, kATypeUBF8, 0, 7, nullptr), nullptr);
    EXPECT_EQ(pool.Get(1, kPTypeCaption, kATypeUBF8, 0, 7, nullptr), nullptr);
}
