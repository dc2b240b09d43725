// The simulator's own 7-bit packing and 14-bit values, checked against hand-written bytes.
#include <gtest/gtest.h>

#include "SimTestFrames.h"
#include "Support/SimProtocol.h"

using namespace Sim;
using SimTest::Bytes;

TEST(SimPacking, PacksHighBitsIntoLeadingByte) {
    Bytes out;
    const uint8_t record[] = {0x81, 0x02, 0xFF};
    Pack7(record, 3, &out);
    EXPECT_EQ(out, (Bytes{0x05, 0x01, 0x02, 0x7F}));
}

TEST(SimPacking, PackedSizes) {
    for (auto [n, packed] : {std::pair{0, 0}, {7, 8}, {8, 10}, {444, 508}, {850, 972}}) {
        Bytes out;
        Bytes record(n, 0xFF);
        Pack7(record.data(), record.size(), &out);
        EXPECT_EQ(out.size(), static_cast<size_t>(packed)) << n;
        EXPECT_EQ(PackedSize(n), static_cast<size_t>(packed)) << n;
    }
}

TEST(SimPacking, AgreesWithHandPackingAndRoundTrips) {
    for (size_t n : {1u, 6u, 7u, 13u, 444u, 4112u}) {
        Bytes record = SimTest::Pattern(n, static_cast<unsigned>(n));
        Bytes packed;
        Pack7(record.data(), n, &packed);
        EXPECT_EQ(packed, SimTest::PackByHand(record)) << n;
        Bytes back;
        ASSERT_TRUE(Unpack7(packed.data(), packed.size(), &back));
        EXPECT_EQ(back, record) << n;
    }
}

TEST(SimPacking, UnpackRefusesBytesWithBit7) {
    const uint8_t bad[] = {0x00, 0x01, 0x80};
    Bytes out;
    EXPECT_FALSE(Unpack7(bad, 3, &out));
}

TEST(SimPacking, HeaderByteAloneDecodesToNothing) {
    const uint8_t packed[] = {0x01, 1, 2, 3, 4, 5, 6, 7, 0x00};
    Bytes out;
    ASSERT_TRUE(Unpack7(packed, sizeof packed, &out));
    EXPECT_EQ(out, (Bytes{0x81, 2, 3, 4, 5, 6, 7}));
}

TEST(SimPacking, FourteenBitValues) {
    struct Case {
        int value;
        uint8_t hi, lo;
    };
    for (Case c :
         {Case{-1, 0x7F, 0x7F}, {8191, 0x3F, 0x7F}, {-8192, 0x40, 0x00}, {100, 0x00, 0x64}, {0, 0, 0}}) {
        uint8_t hi = 0, lo = 0;
        Encode14(c.value, &hi, &lo);
        EXPECT_EQ(hi, c.hi) << c.value;
        EXPECT_EQ(lo, c.lo) << c.value;
        EXPECT_EQ(Decode14(c.hi, c.lo), c.value);
    }
}

TEST(SimPacking, AllDataBodySizes) {
    EXPECT_EQ(AllDumpBodySize(Model::Tolva), 838034u);
    EXPECT_EQ(AllDumpBodySize(Model::Nerimo), 897426u);
}
