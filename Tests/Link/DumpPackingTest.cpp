// Packing records into 7-bit groups and unpacking them, whatever way the packed bytes arrive.
#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "Common/Link/DumpPacking.h"
#include "Link/DumpBytes.h"

using namespace QorX0;

namespace {

using Bytes = std::vector<uint8_t>;

Bytes Pack(const Bytes& record, size_t block = 1024) {
    ChunkEncode enc(record.data(), record.size());
    Bytes out;
    std::vector<uint8_t> buf(block);
    while (size_t n = enc.Read(buf.data(), buf.size())) out.insert(out.end(), buf.begin(), buf.begin() + n);
    return out;
}

Bytes Unpack(const Bytes& packed, size_t piece) {
    ChunkDecode dec;
    dec.Begin();
    for (size_t at = 0; at < packed.size(); at += piece) {
        const size_t n = std::min(piece, packed.size() - at);
        dec.Write(packed.data() + at, n, at + n == packed.size());
    }
    if (packed.empty()) dec.Write(nullptr, 0, true);
    return Bytes(dec.data(), dec.data() + dec.size());
}

using linktest::RandomRecord;

TEST(ChunkEncode, GroupsOfSevenBehindTheirHighBits) {
    EXPECT_EQ(Pack({0x81, 0x02, 0xFF}), (Bytes{0x05, 0x01, 0x02, 0x7F}));
    EXPECT_TRUE(Pack({}).empty());
    EXPECT_EQ(Pack({0x80, 0x80, 0x80, 0x80, 0x80, 0x80, 0x80}), (Bytes{0x7F, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(Pack({1, 2, 3, 4, 5, 6, 7, 0x88}), (Bytes{0x00, 1, 2, 3, 4, 5, 6, 7, 0x01, 0x08}));
}

TEST(ChunkEncode, PackedSizes) {
    for (size_t n : {0u, 1u, 6u, 7u, 8u, 13u, 14u, 15u, 444u, 4112u}) {
        const Bytes packed = Pack(RandomRecord(n, 1));
        EXPECT_EQ(packed.size(), PackedSize(static_cast<unsigned>(n))) << n;
        for (uint8_t b : packed) ASSERT_LT(b, 0x80);
    }
    EXPECT_EQ(PackedSize(7), 8u);
    EXPECT_EQ(PackedSize(8), 10u);
    EXPECT_EQ(PackedSize(444), 508u);
}

TEST(ChunkEncode, ReadInAnyBlockSizeGivesTheSameBytes) {
    const Bytes record = RandomRecord(1000, 2);
    const Bytes whole = Pack(record, 1 << 16);
    for (size_t block : {1u, 3u, 7u, 8u, 9u, 1024u}) EXPECT_EQ(Pack(record, block), whole) << block;
}

TEST(ChunkDecode, EveryRecordSizeRoundTrips) {
    const unsigned sizes[] = {kSizeProgram,
                              kSizeCombi,
                              kSizeMulti,
                              kSizeGlobal,
                              kSizeDrumKit,
                              kSizeArpPattern,
                              kSizeExtControl,
                              kAreaPrograms.BankSize(),
                              kAreaCombis.BankSize(),
                              kAreaMultis.Size(),
                              kAreaDrumKits.Size(),
                              kAreaArpPatterns.Size(),
                              kAreaExtControls.Size(),
                              AllDumpSize(kPmidTolva),
                              AllDumpSize(kPmidNerimo)};
    for (unsigned n : sizes) {
        const Bytes record = RandomRecord(n, n);
        EXPECT_EQ(Unpack(Pack(record), 1 << 20), record) << n;
    }
}

TEST(ChunkDecode, EverySplitOfTheStreamGivesTheRecord) {
    const Bytes record = RandomRecord(kSizeExtControl, 7);
    const Bytes packed = Pack(record);
    // Two pieces, cut at every position, including inside each 7-byte group.
    for (size_t cut = 0; cut <= packed.size(); ++cut) {
        ChunkDecode dec;
        dec.Begin();
        dec.Write(packed.data(), cut, false);
        dec.Write(packed.data() + cut, packed.size() - cut, true);
        ASSERT_EQ(Bytes(dec.data(), dec.data() + dec.size()), record) << cut;
    }
    for (size_t piece : {1u, 2u, 5u, 7u, 8u, 9u, 256u}) EXPECT_EQ(Unpack(packed, piece), record) << piece;
}

TEST(ChunkDecode, FinalGroupOfAHeaderAloneDecodesToNothing) {
    ChunkDecode dec;
    dec.Begin();
    const Bytes packed{0x01, 0x05, 0x7F};
    dec.Write(packed.data(), packed.size(), true);
    EXPECT_EQ(Bytes(dec.data(), dec.data() + dec.size()), (Bytes{0x85, 0x7F}));
    // The header of a next group arrives and the message ends.
    const uint8_t lone = 0x00;
    dec.Write(&lone, 1, true);
    EXPECT_EQ(dec.size(), 2u);
    dec.Begin();
    dec.Write(packed.data(), 1, true);
    EXPECT_EQ(dec.size(), 0u);
}

TEST(ChunkDecode, BeginAndEndEmptyTheOutput) {
    ChunkDecode dec;
    EXPECT_FALSE(dec.IsActive());
    dec.Begin();
    const Bytes packed = Pack({1, 2, 3});
    dec.Write(packed.data(), packed.size(), true);
    EXPECT_EQ(dec.size(), 3u);
    dec.End();
    EXPECT_FALSE(dec.IsActive());
    EXPECT_EQ(dec.size(), 0u);
}

TEST(DumpSizes, MessageSizeTablesOfBothModels) {
    struct {
        SXDump dump;
        SXScope scope;
        unsigned tolva, nerimo;
    } cases[] = {
        {SXDump::CurProg, SXScope::One, 515, 515},     {SXDump::Prog, SXScope::One, 517, 517},
        {SXDump::Prog, SXScope::Bank, 64960, 64960},   {SXDump::Prog, SXScope::All, 259813, 324764},
        {SXDump::CurCombi, SXScope::One, 629, 629},    {SXDump::Combi, SXScope::One, 631, 631},
        {SXDump::Combi, SXScope::Bank, 79589, 79589},  {SXDump::Combi, SXScope::All, 238748, 238748},
        {SXDump::CurMulti, SXScope::One, 1402, 1402},  {SXDump::Multi, SXScope::One, 1404, 1404},
        {SXDump::Multi, SXScope::All, 178478, 178478}, {SXDump::Global, SXScope::One, 979, 979},
        {SXDump::Drumkit, SXScope::One, 4709, 4709},   {SXDump::Drumkit, SXScope::All, 187987, 187987},
        {SXDump::ArpPattern, SXScope::One, 375, 375},  {SXDump::ArpPattern, SXScope::All, 91804, 91804},
        {SXDump::ExtControl, SXScope::One, 55, 55},    {SXDump::ExtControl, SXScope::All, 2935, 2935},
        {SXDump::All, SXScope::All, 957762, 1025638},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(SXDumpMessageSize(c.dump, c.scope, kPmidTolva), c.tolva)
            << int(c.dump) << "/" << int(c.scope);
        EXPECT_EQ(SXDumpMessageSize(c.dump, c.scope, kPmidNerimo), c.nerimo)
            << int(c.dump) << "/" << int(c.scope);
    }
    EXPECT_EQ(SXDumpBodySize(SXDump::All, SXScope::All, kPmidTolva), 838034u);
    EXPECT_EQ(SXDumpBodySize(SXDump::All, SXScope::All, kPmidNerimo), 897426u);
    EXPECT_EQ(SXDumpBodySize(SXDump::ArpPattern, SXScope::One, kPmidTolva), 320u);
}

}  // namespace
