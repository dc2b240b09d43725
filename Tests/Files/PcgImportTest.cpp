// Import rules: how records of the three older families arrive in the data image.
#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "Common/Files/PcgConvert.h"
#include "Common/Files/PcgImport.h"
#include "PcgTestFile.h"

using namespace QorX0;
using namespace PcgTest;

namespace {

uint32_t ProgramSize(uint8_t product) {
    return product == 'P' ? kFennProgramSize : product == 'c' ? kRuskProgramSize : kBraeProgramSize;
}
uint32_t CombiSize(uint8_t product) {
    return product == 'P' ? kFennCombiSize : product == 'c' ? kRuskCombiSize : kBraeCombiSize;
}

void Move(Bytes& to, size_t at, const uint8_t* from, size_t n) {
    std::memcpy(to.data() + at, from, n);
}

// The family record that carries a program of this model laid out as in the image.
Bytes ProgramOf(uint8_t product, const Bytes& ours) {
    Bytes r(ProgramSize(product), 0xEE);
    if (product == 'c') return ours;
    Move(r, 0, ours.data(), 40);
    if (product == 'P') {
        Move(r, 136, ours.data() + 40, 402);
    } else {
        Move(r, 136, ours.data() + 40, 56);
        Move(r, 468, ours.data() + 108, 334);
        r[192] = ours[96];
    }
    return r;
}

Bytes CombiOf(uint8_t product, const Bytes& ours) {
    Bytes r(CombiSize(product), 0xEE);
    if (product == 'c') return Bytes(ours.begin(), ours.begin() + kRuskCombiSize);
    Move(r, 0, ours.data(), 40);
    if (product == 'P') {
        Move(r, 136, ours.data() + 40, 312);
    } else {
        Move(r, 136, ours.data() + 40, 56);
        Move(r, 762, ours.data() + 118, 234);
        r[192] = ours[96];
    }
    return r;
}

Image Import(const Bytes& file, int model, const PcgConversionTables& tables = PcgDefaultTables()) {
    Image img(kSizeImage, 0);
    EXPECT_TRUE(PcgImportIntoImage(reinterpret_cast<const char*>(file.data()), static_cast<int>(file.size()),
                                   img.data(), model, tables));
    return img;
}

Bytes ImportProgram(uint8_t product, const Bytes& ours, int model = 0,
                    const PcgConversionTables& tables = PcgDefaultTables()) {
    const uint32_t size = ProgramSize(product);
    Image img = Import(File(product, {Chunk("PRG1", Bank("PBK1", 0, size, {ProgramOf(product, ours)}))}),
                       model, tables);
    return Bytes(Program(img, 0), Program(img, 0) + kSizeProgram);
}

Bytes ImportCombi(uint8_t product, const Bytes& ours, int model = 0) {
    const uint32_t size = CombiSize(product);
    Image img =
        Import(File(product, {Chunk("CMB1", Bank("CBK1", 0, size, {CombiOf(product, ours)}))}), model);
    return Bytes(Combi(img, 0), Combi(img, 0) + kSizeCombi);
}

Bytes CanonicalProgram() {
    Image img = MakeImage(11);
    uint8_t* p = Program(img, 5);
    return Bytes(p, p + kSizeProgram);
}

Bytes CanonicalCombi() {
    Image img = MakeImage(12);
    uint8_t* p = Combi(img, 5);
    return Bytes(p, p + kSizeCombi);
}

}  // namespace

TEST(PcgImportProgram, EachFamilyBringsItsSharedBytes) {
    const Bytes ours = CanonicalProgram();

    Bytes expected = ours;
    EXPECT_EQ(ImportProgram('c', ours, 0, NoSampleTables()), expected);

    expected[442] = expected[443] = 0;  // beyond what a 'P' program carries
    EXPECT_EQ(ImportProgram('P', ours, 0, NoSampleTables()), expected);

    // ']' has no arpeggiator block of ours: a fixed one, and the tempo from its own byte.
    expected = ours;
    expected[94] = expected[95] = 0;
    std::memcpy(expected.data() + 96, linkArpCommon, 2);
    expected[96] = ours[96];
    std::memcpy(expected.data() + 98, linkArp, 10);
    expected[442] = expected[443] = 0;
    EXPECT_EQ(ImportProgram(']', ours, 1, NoSampleTables()), expected);
}

TEST(PcgImportProgram, PatchRules) {
    using Sets = std::vector<std::pair<int, int>>;
    struct Case {
        const char* what;
        uint8_t product;
        Sets sets;  // rows of this model's program
        int row, expected;
    } cases[] = {
        {"'P' kit 70 in drums mode", 'P', {{0, 2}, {8, 70}}, 8, 46},
        {"'P' kit 64", 'P', {{0, 2}, {8, 64}}, 8, 40},
        {"'P' kit 50", 'P', {{0, 2}, {8, 50}}, 8, 0},
        {"'P' kit 12", 'P', {{0, 2}, {8, 12}}, 8, 12},
        {"']' kit 72", ']', {{0, 2}, {8, 72}}, 8, 48},
        {"'c' kit 30", 'c', {{0, 2}, {8, 30}}, 8, 46},
        {"'c' kit 35", 'c', {{0, 2}, {8, 35}}, 8, 35},
        {"'c' kit 45", 'c', {{0, 2}, {8, 45}}, 8, 0},
        {"pattern 300 switches the arpeggiator off", 'P', {{4, 1}, {5, 300}}, 4, 0},
        {"pattern 300 becomes 0", 'P', {{4, 1}, {5, 300}}, 5, 0},
        {"pattern 255 stays", 'c', {{4, 1}, {5, 255}}, 5, 255},
        {"routing 6", 'P', {{2, 6}}, 2, 0},
        {"routing 5", 'P', {{3, 5}}, 3, 5},
        {"bus 2", 'P', {{1, 2}}, 1, 1},
        {"bus 8", 'c', {{1, 8}}, 1, 6},
        {"bus 100", 'P', {{1, 100}}, 1, 12},
        {"insert bus 3", 'P', {{15, 3}}, 15, 1},
        {"insert bus 200", 'c', {{15, 200}}, 15, 7},
        {"row 19 at 384", 'P', {{19, 384}}, 19, 0},
        {"row 19 at 383", 'P', {{19, 383}}, 19, 383},
        {"']' clears row 17", ']', {{17, -5}}, 17, 0},
        // Multisamples through the 'P' table of the Tolva.
        {"pair 0/0 takes the first row", 'P', {{0, 0}, {7, 0}, {8, 0}}, 8, 4},
        {"pair 0/3", 'P', {{0, 0}, {9, 0}, {10, 3}}, 10, 21},
        {"unknown pair keeps its number", 'P', {{0, 0}, {7, 9}, {8, 5}}, 8, 5},
        {"unknown pair keeps its bank", 'P', {{0, 0}, {7, 9}, {8, 5}}, 7, 9},
        {"oscillator 2 converts in drums mode", 'P', {{0, 2}, {8, 3}, {11, 0}, {12, 1}}, 12, 5},
        {"drums mode leaves oscillator 1's pair", 'P', {{0, 2}, {7, 0}, {8, 3}}, 8, 3},
    };
    for (const Case& c : cases) {
        Bytes ours = CanonicalProgram();
        for (auto [row, value] : c.sets) SetRow(ours, PcgFields::kQorxxProgram, row, value);
        const Bytes got = ImportProgram(c.product, ours);
        EXPECT_EQ(GetRow(got, PcgFields::kQorxxProgram, c.row), c.expected) << c.what;
    }
}

TEST(PcgImportCombination, TimbreBanks) {
    struct Case {
        uint8_t product;
        int model, bank, number;
        int expectedBank, expectedNumber;
    } cases[] = {
        {'c', 0, 4, 9, 5, 9},    {'c', 0, 5, 9, 6, 9},  {'c', 0, 2, 12, 2, 12}, {'c', 1, 6, 9, 0, 0},
        {'P', 0, 4, 9, 0, 0},    {'P', 1, 4, 9, 4, 9},  {'P', 0, 3, 9, 3, 9},   {'P', 0, 5, 9, 0, 0},
        {'P', 0, 6, 9, 5, 9},    {'P', 0, 15, 9, 5, 9}, {'P', 0, 16, 9, 6, 9},  {'P', 0, 17, 9, 0, 0},
        {']', 1, 16, 77, 6, 77}, {']', 0, 4, 77, 0, 0},
    };
    for (const Case& c : cases) {
        Bytes ours = CanonicalCombi();
        SetRow(ours, PcgFields::kQorxxTimbre, 0, c.bank, 128 + 28 * 3);
        SetRow(ours, PcgFields::kQorxxTimbre, 1, c.number, 128 + 28 * 3);
        const Bytes got = ImportCombi(c.product, ours, c.model);
        EXPECT_EQ(GetRow(got, PcgFields::kQorxxTimbre, 0, 128 + 28 * 3), c.expectedBank)
            << c.product << " model " << c.model << " bank " << c.bank;
        EXPECT_EQ(GetRow(got, PcgFields::kQorxxTimbre, 1, 128 + 28 * 3), c.expectedNumber)
            << c.product << " model " << c.model << " bank " << c.bank;
    }
}

TEST(PcgImportCombination, PatchRulesAndFreshFields) {
    Bytes ours = CanonicalCombi();
    const auto& T = PcgFields::kQorxxTimbre;
    SetRow(ours, PcgFields::kQorxxCombi, 0, 9);    // routing out of range
    SetRow(ours, PcgFields::kQorxxCombi, 2, 1);    // arpeggiator A on
    SetRow(ours, PcgFields::kQorxxCombi, 4, 400);  // with a pattern that does not exist
    SetRow(ours, PcgFields::kQorxxCombi, 8, 4);    // insert bus
    SetRow(ours, PcgFields::kQorxxCombi, 10, -3);
    SetRow(ours, T, 2, 99, 128);
    SetRow(ours, T, 3, 4, 128);
    SetRow(ours, T, 4, 3, 128);
    SetRow(ours, T, 5, 0, 128);
    for (uint8_t product : {'P', 'c', ']'}) {
        const Bytes got = ImportCombi(product, ours);
        const auto row = [&](int r) { return GetRow(got, PcgFields::kQorxxCombi, r); };
        EXPECT_EQ(row(0), 0) << product;
        EXPECT_EQ(row(10), 0) << product;
        EXPECT_EQ(row(11), 0) << product;
        EXPECT_EQ(GetRow(got, T, 2, 128), 0) << product;
        EXPECT_EQ(GetRow(got, T, 3, 128), 2) << product;
        EXPECT_EQ(GetRow(got, T, 4, 128), 5) << product;
        EXPECT_EQ(GetRow(got, T, 5, 128), 0) << product;
        if (product != ']') {
            EXPECT_EQ(row(2), 0) << product;
            EXPECT_EQ(row(4), 0) << product;
            EXPECT_EQ(row(8), 2) << product;
        } else {
            EXPECT_EQ(row(9), ours[96]);  // the tempo of the source
            EXPECT_EQ(0, std::memcmp(got.data() + 98, linkArp, 10));
            EXPECT_EQ(0, std::memcmp(got.data() + 108, linkArp, 10));
        }
        // The tone-adjust block is always the fresh one.
        const unsigned char slots[6] = {0, 1, 2, 4, 5, 7};
        for (int g = 0; g < 8; ++g)
            for (int s = 0; s < 6; ++s) {
                EXPECT_EQ(got[352 + 24 * g + 4 * s], slots[s]);
                EXPECT_EQ(got[352 + 24 * g + 4 * s + 1], 0);
            }
    }
}

TEST(PcgImportBanks, WhereEachBankLands) {
    // Which image indices of a kind receive the items of one bank (items are named by position).
    enum Kind { kProgram, kCombi, kArp, kKit };
    struct Case {
        const char* what;
        Kind kind;
        uint8_t product;
        int model;
        uint32_t bank, count;
        int first, stored;  // first index written and how many; stored 0: nothing
    } cases[] = {
        {"program bank 3", kProgram, 'P', 0, 3, 128, 384, 128},
        {"program bank 4 on the Tolva", kProgram, 'P', 0, 4, 128, 0, 0},
        {"program bank 4 on the Nerimo", kProgram, 'c', 1, 4, 128, 512, 128},
        {"program bank 5", kProgram, 'P', 1, 5, 1, 0, 0},
        {"program expansion bank", kProgram, 'P', 1, 0x20000, 1, 0, 0},
        {"combination bank 2", kCombi, ']', 0, 2, 128, 256, 128},
        {"combination bank 3", kCombi, 'P', 0, 3, 1, 0, 0},
        {"pattern bank 1", kArp, 'P', 0, 1, 16, 200, 16},
        {"pattern bank 2", kArp, 'c', 0, 2, 16, 216, 16},
        {"pattern bank 0 overlong", kArp, 'c', 0, 0, 260, 0, 251},
        {"pattern expansion bank 3", kArp, 'P', 0, 0x20003, 16, 248, 3},
        {"pattern bank 3", kArp, 'P', 0, 3, 1, 0, 0},
        {"patterns of ']'", kArp, ']', 0, 0, 4, 0, 0},
        {"kit bank 2", kKit, 'P', 0, 2, 16, 32, 8},
        {"kit bank 3", kKit, 'P', 0, 3, 1, 0, 0},
        {"kit expansion bank 1", kKit, 'c', 0, 0x20001, 16, 32, 8},
        {"kit expansion bank 8", kKit, 'c', 0, 0x20008, 1, 0, 0},
    };
    for (const Case& c : cases) {
        uint32_t size = 0;
        const char *chunk = nullptr, *sub = nullptr;
        const AREADESC* area = nullptr;
        switch (c.kind) {
            case kProgram:
                size = ProgramSize(c.product), chunk = "PRG1", sub = "PBK1", area = &kAreaPrograms;
                break;
            case kCombi:
                size = CombiSize(c.product), chunk = "CMB1", sub = "CBK1", area = &kAreaCombis;
                break;
            case kArp:
                size = kArpeggioSize, chunk = "ARP1", sub = "ABK1", area = &kAreaArpPatterns;
                break;
            case kKit:
                size = kDrumKitSize, chunk = "DKT1", sub = "DBK1", area = &kAreaDrumKits;
                break;
        }
        std::vector<Bytes> items;
        for (uint32_t i = 0; i < c.count; ++i) items.push_back(Named(size, "Item" + std::to_string(i)));
        const Image img = Import(File(c.product, {Chunk(chunk, Bank(sub, c.bank, size, items))}), c.model);
        int written = 0, first = -1;
        for (unsigned i = 0; i < area->count; ++i) {
            const std::string name(reinterpret_cast<const char*>(img.data() + area->At(i)), 4);
            if (name != "Item") continue;
            if (first < 0) first = static_cast<int>(i);
            const std::string expected = "Item" + std::to_string(i - c.first) + " ";
            EXPECT_EQ(std::string(reinterpret_cast<const char*>(img.data() + area->At(i)), expected.size()),
                      expected)
                << c.what;
            ++written;
        }
        EXPECT_EQ(written, c.stored) << c.what;
        if (c.stored) {
            EXPECT_EQ(first, c.first) << c.what;
        }
    }
}

TEST(PcgImportDrumKit, SamplesAndBuses) {
    Bytes kit = Named(kDrumKitSize, "Kit");
    auto key = [](int k) { return 16 + 32 * k; };
    const auto& D = PcgFields::kDrumKey;
    SetRow(kit, D, 4, 13, key(0));
    SetRow(kit, D, 4, 8, key(1));
    SetRow(kit, D, 4, 12, key(2));
    SetRow(kit, D, 1, 6, key(3));  // high sample 0/6
    SetRow(kit, D, 3, 7, key(3));  // low sample 0/7
    SetRow(kit, D, 0, 3, key(4));  // high sample 3/6 is in no table
    SetRow(kit, D, 1, 6, key(4));
    struct Case {
        uint8_t product;
        int high3, low3;
    } cases[] = {{'P', 11, 12}, {']', 11, 12}, {'c', 9, 16}};
    for (const Case& c : cases) {
        const Image img = Import(File(c.product, {Chunk("DKT1", Bank("DBK1", 0, kDrumKitSize, {kit}))}), 0);
        const uint8_t* k = img.data() + kAreaDrumKits.At(0);
        EXPECT_EQ(GetRow(k, kDrumKitSize, D, 4, key(0)), 12);
        EXPECT_EQ(GetRow(k, kDrumKitSize, D, 4, key(1)), 6);
        EXPECT_EQ(GetRow(k, kDrumKitSize, D, 4, key(2)), 12);
        EXPECT_EQ(GetRow(k, kDrumKitSize, D, 1, key(3)), c.high3) << c.product;
        EXPECT_EQ(GetRow(k, kDrumKitSize, D, 3, key(3)), c.low3) << c.product;
        EXPECT_EQ(GetRow(k, kDrumKitSize, D, 0, key(4)), 3);
        EXPECT_EQ(GetRow(k, kDrumKitSize, D, 1, key(4)), 6);
        EXPECT_EQ(std::string(reinterpret_cast<const char*>(k), 3), "Kit");
    }
}

TEST(PcgImportGlobal, SharedBytesFootAssignmentsAndAuxiliaryBlock) {
    for (uint8_t product : {'P', 'c', ']'}) {
        Bytes global(product == ']' ? kBraeGlobalSize : kFennGlobalSize);
        for (size_t i = 0; i < global.size(); ++i) global[i] = static_cast<uint8_t>(i * 13 + 1);
        global[5] = 11;
        global[6] = 11;
        const Image img = Import(File(product, {Chunk("GLB1", global)}), 0);
        Bytes expected(global.begin(), global.begin() + 840);
        expected[5] = 0;  // foot pedal above 10
        expected.insert(expected.end(), auxInit, auxInit + 10);
        EXPECT_EQ(Bytes(img.begin(), img.begin() + 850), expected) << product;
    }
}

TEST(PcgImportArpeggio, PatternsArriveUnchanged) {
    Bytes pattern(kArpeggioSize);
    for (size_t i = 0; i < pattern.size(); ++i) pattern[i] = static_cast<uint8_t>(255 - i);
    const Image img = Import(File('c', {Chunk("ARP1", Bank("ABK1", 1, kArpeggioSize, {pattern}))}), 1);
    EXPECT_EQ(Bytes(img.data() + kAreaArpPatterns.At(200), img.data() + kAreaArpPatterns.At(201)), pattern);
}

TEST(PcgImportProgram, FieldsSetThroughEachFamilysDescriptors) {
    // 'P': arpeggiator on with pattern 300, oscillator 1 high on multisample 0/1.
    Bytes fenn = Named(kFennProgramSize, "FennProg");
    SetRow(fenn, PcgFields::kFennProgram, 1, 1);
    SetRow(fenn, PcgFields::kFennProgram, 2, 300);
    SetRow(fenn, PcgFields::kFennProgram, 4, 0);
    SetRow(fenn, PcgFields::kFennProgram, 5, 1);
    // 'c': pattern 200 stays, oscillator 2 low on 0/20.
    Bytes rusk = Named(kRuskProgramSize, "RuskProg");
    SetRow(rusk, PcgFields::kRuskProgram, 1, 1);
    SetRow(rusk, PcgFields::kRuskProgram, 2, 200);
    SetRow(rusk, PcgFields::kRuskProgram, 11, 20);
    // ']': tempo 140 and a field this model clears.
    Bytes brae = Named(kBraeProgramSize, "BraeProg");
    SetRow(brae, PcgFields::kBraeProgram, 11, 140);
    SetRow(brae, PcgFields::kBraeProgram, 9, -5);

    const auto& Q = PcgFields::kQorxxProgram;
    Image img = Import(File('P', {Chunk("PRG1", Bank("PBK1", 0, kFennProgramSize, {fenn}))}), 0);
    Bytes got(Program(img, 0), Program(img, 0) + kSizeProgram);
    EXPECT_EQ(GetRow(got, Q, 4), 0);
    EXPECT_EQ(GetRow(got, Q, 5), 0);
    EXPECT_EQ(GetRow(got, Q, 8), 5);  // 'P' multisample 1 is this model's 5

    img = Import(File('c', {Chunk("PRG1", Bank("PBK1", 0, kRuskProgramSize, {rusk}))}), 0);
    got.assign(Program(img, 0), Program(img, 0) + kSizeProgram);
    EXPECT_EQ(GetRow(got, Q, 4), 1);
    EXPECT_EQ(GetRow(got, Q, 5), 200);
    int bank = 0, number = 20;
    ASSERT_TRUE(PcgLookupPair(PcgDefaultTables().importMultisample[1][0], true, bank, number));
    EXPECT_EQ(GetRow(got, Q, 14), number);

    img = Import(File(']', {Chunk("PRG1", Bank("PBK1", 0, kBraeProgramSize, {brae}))}), 1);
    got.assign(Program(img, 0), Program(img, 0) + kSizeProgram);
    EXPECT_EQ(GetRow(got, Q, 16), 140);
    EXPECT_EQ(GetRow(got, Q, 17), 0);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(got.data()), 8), "BraeProg");
}

// Without an image there is nothing to import into: failure, not a crash.
TEST(PcgImportStructure, NoImageFails) {
    Image img = MakeImage(3);
    const int size = ConvertQortoPCG(img.data(), 1, nullptr, 0, 4);
    ASSERT_GT(size, 0);
    std::vector<char> file(static_cast<size_t>(size));
    ASSERT_EQ(ConvertQortoPCG(img.data(), 1, file.data(), size, 4), size);
    EXPECT_TRUE(ConvertPCGtoQor(file.data(), size, img.data(), 1));
    EXPECT_FALSE(ConvertPCGtoQor(file.data(), size, nullptr, 1));
    EXPECT_FALSE(ConvertPCGtoQor(file.data(), size, nullptr, 0));
}
