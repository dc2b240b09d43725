// Export rules: the banks each kind writes, the file size protocol and how records are converted.
#include <gtest/gtest.h>

#include "Common/Files/PcgConvert.h"
#include "Common/Files/PcgExport.h"
#include "PcgTestFile.h"

using namespace QorX0;
using namespace PcgTest;

namespace {

Bytes Export(Image& img, unsigned model, int kind, const PcgConversionTables& tables = PcgDefaultTables()) {
    const int size = PcgExportFromImage(img.data(), model, nullptr, 0, kind, tables);
    Bytes file(static_cast<size_t>(size));
    EXPECT_EQ(PcgExportFromImage(img.data(), model, reinterpret_cast<char*>(file.data()), size, kind, tables),
              size);
    return file;
}

// The first record of a chunk's first bank.
const uint8_t* FirstItem(const Bytes&& file, const char* chunk) = delete;
const uint8_t* FirstItem(const Bytes& file, const char* chunk) {
    return Banks(*FindChunk(Chunks(file), chunk)).front().items;
}

const FIELDTABLE& ProgramTable(int kind) {
    return kind == 6   ? PcgFields::kRuskProgram
           : kind == 7 ? PcgFields::kBraeProgram
                       : PcgFields::kFennProgram;
}
uint32_t ProgramSizeOf(int kind) {
    return kind == 6 ? kRuskProgramSize : kind == 7 ? kBraeProgramSize : kFennProgramSize;
}
uint32_t TimbreBase(int kind) {
    return kind == 6 ? 128 : kind == 7 ? 772 : 224;
}
uint32_t CombiSizeOf(int kind) {
    return kind == 6 ? kRuskCombiSize : kind == 7 ? kBraeCombiSize : kFennCombiSize;
}

void SetProgram(Image& img, int index, int row, int value) {
    PcgSetRow(PcgFields::kQorxxProgram, row, Program(img, index), kSizeProgram, value);
}

}  // namespace

TEST(PcgExportBanks, BanksAndCountsOfEachKind) {
    using B = std::vector<std::pair<uint32_t, uint32_t>>;  // bank number, count
    const B fourProgramBanks = {{0, 128}, {1, 128}, {2, 128}, {3, 128}};
    const B fiveProgramBanks = {{0, 128}, {1, 128}, {2, 128}, {3, 128}, {4, 128}};
    const B combis = {{0, 128}, {1, 128}, {2, 128}};
    const B kits = {{0, 16}, {1, 16}, {2, 8}};
    const B expansionPatterns = {{0, 200}, {0x20000, 16}, {0x20001, 16}, {0x20002, 16}, {0x20003, 3}};
    struct Case {
        int kind;
        unsigned model;
        uint8_t product, byte8;
        B programs, patterns, drumKits;
        uint32_t programSize, combiSize, globalSize;
    } cases[] = {
        {2, 0, 'P', 0, fourProgramBanks, {{0, 200}, {1, 16}, {2, 16}}, kits, 540, 448, 856},
        {2, 1, 'P', 0, fiveProgramBanks, {{0, 200}, {1, 16}, {2, 16}}, kits, 540, 448, 856},
        {3, 0, 'P', 0, fourProgramBanks, expansionPatterns, kits, 540, 448, 856},
        {4, 1, 'P', 0, fiveProgramBanks, expansionPatterns, kits, 540, 448, 856},
        {5, 1, 'P', 1, fiveProgramBanks, expansionPatterns, kits, 540, 448, 856},
        {6, 0, 'c', 0, fourProgramBanks, {{0, 200}, {1, 16}}, {{0, 16}, {1, 8}}, 444, 352, 856},
        {6, 1, 'c', 0, fourProgramBanks, {{0, 200}, {1, 16}}, {{0, 16}, {1, 8}}, 444, 352, 856},
        {7, 1, ']', 0, fiveProgramBanks, {}, kits, 804, 996, 864},
    };
    Image img = MakeImage(21);
    for (const Case& c : cases) {
        const Bytes file = Export(img, c.model, c.kind);
        ASSERT_GE(file.size(), 24u);
        EXPECT_EQ(Bytes(file.begin(), file.begin() + 4), Bytes({'V', 'E', 'L', 'K'}));
        EXPECT_EQ(file[4], c.product);
        EXPECT_EQ(file[7], c.product == 'P' ? 1 : 0);
        EXPECT_EQ(file[8], c.byte8);
        EXPECT_EQ(GetBE32(&file[20]), file.size() - 24);

        const auto chunks = Chunks(file);
        std::vector<std::string> ids;
        for (const auto& ch : chunks) ids.push_back(ch.id);
        const std::vector<std::string> expectedIds =
            c.kind == 7 ? std::vector<std::string>{"PRG1", "CMB1", "DKT1", "GLB1"}
                        : std::vector<std::string>{"PRG1", "CMB1", "ARP1", "DKT1", "GLB1"};
        EXPECT_EQ(ids, expectedIds) << c.kind;

        auto check = [&](const char* id, const char* sub, const B& expected, uint32_t itemSize) {
            const auto ch = FindChunk(chunks, id);
            if (expected.empty()) {
                EXPECT_FALSE(ch.has_value());
                return;
            }
            ASSERT_TRUE(ch.has_value());
            B got;
            for (const BankView& b : Banks(*ch)) {
                EXPECT_EQ(b.id, sub);
                EXPECT_EQ(b.itemSize, itemSize);
                got.push_back({b.bank, b.count});
            }
            EXPECT_EQ(got, expected) << id << " of kind " << c.kind << " model " << c.model;
        };
        check("PRG1", "PBK1", c.programs, c.programSize);
        check("CMB1", "CBK1", combis, c.combiSize);
        check("ARP1", "ABK1", c.patterns, kArpeggioSize);
        check("DKT1", "DBK1", c.drumKits, kDrumKitSize);
        EXPECT_EQ(FindChunk(chunks, "GLB1")->size, c.globalSize);
    }
}

TEST(PcgExportBanks, RecordsFollowTheImageInOrder) {
    Image img = MakeImage(22);
    const Bytes file = Export(img, 1, 4, NoSampleTables());
    const auto chunks = Chunks(file);
    int index = 0;
    for (const BankView& b : Banks(*FindChunk(chunks, "ARP1")))
        for (uint32_t i = 0; i < b.count; ++i, ++index)
            EXPECT_EQ(0, std::memcmp(b.items + i * kArpeggioSize, Pattern(img, index), kArpeggioSize))
                << index;
    EXPECT_EQ(index, 251);
    index = 0;
    for (const BankView& b : Banks(*FindChunk(chunks, "PRG1")))
        for (uint32_t i = 0; i < b.count; ++i, ++index)
            EXPECT_EQ(0, std::memcmp(b.items + i * kFennProgramSize, Program(img, index), 16)) << index;
    EXPECT_EQ(index, 640);
}

TEST(PcgExportSize, QueryEqualsWrittenAndShortBuffersFail) {
    Image img = MakeImage(23);
    const Image before = img;
    for (unsigned model : {0u, 1u})
        for (int kind = 2; kind <= 7; ++kind) {
            const int size = ConvertQortoPCG(img.data(), model, nullptr, 0, kind);
            ASSERT_GT(size, 24);
            std::vector<char> buf(static_cast<size_t>(size) + 1, '\x5A');
            EXPECT_EQ(ConvertQortoPCG(img.data(), model, buf.data(), 0, kind), size);  // size 0 asks the size
            EXPECT_EQ(buf, std::vector<char>(buf.size(), '\x5A'));
            EXPECT_EQ(ConvertQortoPCG(img.data(), model, buf.data(), size - 1, kind), 0);
            EXPECT_EQ(buf, std::vector<char>(buf.size(), '\x5A'));  // nothing written before failing
            EXPECT_EQ(ConvertQortoPCG(img.data(), model, buf.data(), size, kind), size);
            EXPECT_EQ(buf[size], '\x5A');
            EXPECT_EQ(ConvertQortoPCG(img.data(), model, buf.data(), size + 1, kind), size);
        }
    std::vector<char> buf(1 << 20, '\x33');
    for (int kind : {-1, 0, 1, 8, 26})
        EXPECT_EQ(ConvertQortoPCG(img.data(), 0, buf.data(), int(buf.size()), kind), 0);
    EXPECT_EQ(ConvertQortoPCG(img.data(), 2, buf.data(), int(buf.size()), 2), 0);
    EXPECT_EQ(ConvertQortoPCG(img.data(), 2, nullptr, 0, 2), 0);
    EXPECT_EQ(ConvertQortoPCG(img.data(), 0, buf.data(), -1, 2), 0);
    EXPECT_EQ(buf, std::vector<char>(buf.size(), '\x33'));
    EXPECT_EQ(img, before);  // exporting never changes the image

    int code = 0;
    try {
        CQorxxBufferAccessor accessor(0, img.data());
        CExportPcg exporter(accessor, nullptr, 100, 2);
        exporter.exportToPCG();
    } catch (int c) {
        code = c;
    }
    EXPECT_EQ(code, 7);
}

TEST(PcgExportSize, ExportingTwiceGivesTheSameBytes) {
    Image img = MakeImage(24);
    for (int kind = 2; kind <= 7; ++kind) EXPECT_EQ(Export(img, 1, kind), Export(img, 1, kind)) << kind;
}

TEST(PcgExportProgram, ArpeggioPatternLimits) {
    struct Case {
        int kind, pattern;
        bool kept;
    } cases[] = {
        {2, 236, true},
        {2, 237, false},
        {3, 327, true},
        {3, 255, true},
        {4, 255, true},
        {5, 255, true},
        // Kind 6 carries user patterns 0..215 (pattern numbers 5..220): every one of them stays.
        {6, 220, true},
        {6, 221, false},
        {6, 255, false},
        // The preset patterns never go.
        {2, 0, true},
        {2, 4, true},
        {6, 0, true},
        {6, 3, true},
        {3, 4, true},
    };
    for (const Case& c : cases) {
        Image img = MakeImage(25);
        SetProgram(img, 0, 4, 1);
        SetProgram(img, 0, 5, c.pattern);
        PcgSetRow(PcgFields::kQorxxCombi, 2, Combi(img, 0), kSizeCombi, 1);
        PcgSetRow(PcgFields::kQorxxCombi, 4, Combi(img, 0), kSizeCombi, c.pattern);
        PcgSetRow(PcgFields::kQorxxCombi, 3, Combi(img, 0), kSizeCombi, 1);
        PcgSetRow(PcgFields::kQorxxCombi, 6, Combi(img, 0), kSizeCombi, c.pattern);
        const Bytes file = Export(img, 0, c.kind);
        const FIELDTABLE& t = ProgramTable(c.kind);
        const uint8_t* prog = FirstItem(file, "PRG1");
        EXPECT_EQ(GetRow(prog, ProgramSizeOf(c.kind), t, 2), c.kept ? c.pattern : 0)
            << c.kind << "/" << c.pattern;
        EXPECT_EQ(GetRow(prog, ProgramSizeOf(c.kind), t, 1), c.kept ? 1 : 0) << c.kind << "/" << c.pattern;

        const FIELDTABLE& ct = c.kind == 6 ? PcgFields::kRuskCombi : PcgFields::kFennCombi;
        const uint8_t* combi = FirstItem(file, "CMB1");
        for (auto [sw, pat] : {std::pair{0, 2}, std::pair{1, 4}}) {
            EXPECT_EQ(GetRow(combi, CombiSizeOf(c.kind), ct, pat), c.kept ? c.pattern : 0)
                << c.kind << "/" << c.pattern;
            EXPECT_EQ(GetRow(combi, CombiSizeOf(c.kind), ct, sw), c.kept ? 1 : 0)
                << c.kind << "/" << c.pattern;
        }
    }
}

TEST(PcgExportProgram, DrumKitNumbersAndFixedFields) {
    struct Case {
        int kind, kit, expected;
    } cases[] = {
        {2, 44, 68}, {5, 40, 64}, {7, 48, 72}, {3, 12, 12}, {2, 30, 30},
        {6, 44, 28}, {6, 30, 0},  {6, 23, 23}, {6, 49, 0},
    };
    for (const Case& c : cases) {
        Image img = MakeImage(26);
        SetProgram(img, 0, 0, 2);
        SetProgram(img, 0, 8, c.kit);
        const Bytes file = Export(img, 0, c.kind);
        // The kit number sits in the oscillator 1 high number field of every family.
        const int row = c.kind == 7 ? 2 : 5;
        EXPECT_EQ(GetRow(FirstItem(file, "PRG1"), ProgramSizeOf(c.kind), ProgramTable(c.kind), row),
                  c.expected)
            << c.kind << "/" << c.kit;
    }

    for (auto [value, expected] :
         {std::pair{383, 373}, std::pair{384, 0}, std::pair{382, 382}, std::pair{0, 0}}) {
        Image img = MakeImage(27);
        SetProgram(img, 0, 19, value);
        const Bytes file = Export(img, 1, 3);
        const uint8_t* p = FirstItem(file, "PRG1");
        EXPECT_EQ(GetRow(p, kFennProgramSize, PcgFields::kFennProgram, 24), expected) << value;
        const int fixed[] = {0, 0, 0, 1, 127, 0, 64, 127, 64, 0, 127, 127};
        for (int i = 0; i < 12; ++i)
            EXPECT_EQ(GetRow(p, kFennProgramSize, PcgFields::kFennProgram, 12 + i), fixed[i]);
    }
}

TEST(PcgExportProgram, OsvaraProgramLayout) {
    Image img = MakeImage(28);
    SetProgram(img, 0, 16, 133);  // tempo
    const Bytes file = Export(img, 0, 7);
    const uint8_t* p = FirstItem(file, "PRG1");
    const uint8_t* ours = Program(img, 0);
    EXPECT_EQ(0, std::memcmp(p, ours, 40));
    EXPECT_EQ(0, std::memcmp(p + 136, ours + 40, 39));  // up to the cleared row at 175
    EXPECT_EQ(0, std::memcmp(p + 468, ours + 108, 334));
    EXPECT_EQ(p[192], 133);
    EXPECT_EQ(0, std::memcmp(p + 193, PcgDefaultTables().osvaraProgramInit.data() + 1, 275));
    EXPECT_EQ(GetRow(p, kBraeProgramSize, PcgFields::kBraeProgram, 9), 0);
    EXPECT_EQ(GetRow(p, kBraeProgramSize, PcgFields::kBraeProgram, 10), 0);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(p + 40), 96), std::string(96, '\0'));
}

TEST(PcgExportProgram, SamplePairsThroughTheTableOfModelAndKind) {
    struct Case {
        unsigned model;
        int kind, bank, number, expectedBank, expectedNumber;
    } cases[] = {
        {0, 2, 0, 4, 0, 0}, {0, 7, 0, 12, 0, 13}, {0, 2, 7, 1, 7, 1},  // no row: the pair stays
    };
    for (const Case& c : cases) {
        Image img = MakeImage(29);
        SetProgram(img, 0, 0, 0);
        SetProgram(img, 0, 7, c.bank);
        SetProgram(img, 0, 8, c.number);
        const Bytes file = Export(img, c.model, c.kind);
        const uint8_t* p = FirstItem(file, "PRG1");
        const FIELDTABLE& t = ProgramTable(c.kind);
        const int bankRow = c.kind == 7 ? 1 : 4;
        EXPECT_EQ(GetRow(p, ProgramSizeOf(c.kind), t, bankRow), c.expectedBank);
        EXPECT_EQ(GetRow(p, ProgramSizeOf(c.kind), t, bankRow + 1), c.expectedNumber);
    }

    // Drum kits: the high and low samples of every key go through the drum-sample tables.
    Image img = MakeImage(30);
    PcgSetRow(PcgFields::kDrumKey, 0, Kit(img, 0), kSizeDrumKit, 0, 16);
    PcgSetRow(PcgFields::kDrumKey, 1, Kit(img, 0), kSizeDrumKit, 6, 16);
    PcgSetRow(PcgFields::kDrumKey, 2, Kit(img, 0), kSizeDrumKit, 0, 16);
    PcgSetRow(PcgFields::kDrumKey, 3, Kit(img, 0), kSizeDrumKit, 9, 16);
    for (auto [model, kind, high, low] : {std::tuple{0u, 2, 9, 6}, std::tuple{1u, 6, 8, 6}}) {
        const Bytes file = Export(img, model, kind);
        const uint8_t* kit = FirstItem(file, "DKT1");
        EXPECT_EQ(GetRow(kit, kDrumKitSize, PcgFields::kDrumKey, 1, 16), high) << kind;
        EXPECT_EQ(GetRow(kit, kDrumKitSize, PcgFields::kDrumKey, 3, 16), low) << kind;
    }
}

TEST(PcgExportCombination, TimbreBanks) {
    struct Case {
        unsigned model;
        int kind, bank, number, expectedBank, expectedNumber;
    } cases[] = {
        {0, 2, 2, 12, 2, 12}, {1, 6, 2, 12, 2, 12}, {0, 7, 2, 12, 2, 12}, {0, 2, 4, 12, 0, 0},
        {1, 3, 4, 12, 4, 12}, {1, 6, 4, 12, 0, 0},  {0, 4, 5, 9, 6, 9},   {0, 6, 5, 9, 4, 9},
        {0, 7, 6, 9, 16, 9},  {1, 6, 6, 9, 5, 9},   {0, 2, 7, 9, 0, 0},
    };
    for (const Case& c : cases) {
        Image img = MakeImage(31);
        PcgSetRow(PcgFields::kQorxxTimbre, 0, Combi(img, 0), kSizeCombi, c.bank, 128 + 28 * 5);
        PcgSetRow(PcgFields::kQorxxTimbre, 1, Combi(img, 0), kSizeCombi, c.number, 128 + 28 * 5);
        PcgSetRow(PcgFields::kQorxxTimbre, 2, Combi(img, 0), kSizeCombi, 77, 128 + 28 * 5);
        const Bytes file = Export(img, c.model, c.kind);
        const uint8_t* combi = FirstItem(file, "CMB1");
        const uint32_t base = TimbreBase(c.kind) + 28 * 5;
        const uint32_t size = CombiSizeOf(c.kind);
        EXPECT_EQ(GetRow(combi, size, PcgFields::kFamilyTimbre, 0, base), c.expectedBank)
            << c.kind << "/" << c.bank;
        EXPECT_EQ(GetRow(combi, size, PcgFields::kFamilyTimbre, 1, base), c.expectedNumber)
            << c.kind << "/" << c.bank;
        EXPECT_EQ(GetRow(combi, size, PcgFields::kFamilyTimbre, 2, base), 0);
    }
}

TEST(PcgExportGlobal, PrivateAudioInputAndOsvaraBlocks) {
    Image img = MakeImage(32);
    const uint8_t aux[10] = {0x7F, 0, 0, 0, 0x0C, 0x7F, 0x7F, 0, 0, 0x0C};
    for (int kind = 2; kind <= 7; ++kind) {
        const Bytes file = Export(img, 0, kind);
        const auto g = FindChunk(Chunks(file), "GLB1");
        ASSERT_TRUE(g.has_value());
        EXPECT_EQ(0, std::memcmp(g->payload, img.data(), 840)) << kind;
        const uint8_t privateParams[6] = {0, 0, 0xD1, 0x1F, 0, static_cast<uint8_t>(kind >= 6 ? 0x14 : 0)};
        EXPECT_EQ(0, std::memcmp(g->payload + 840, privateParams, 6)) << kind;
        if (kind == 7) {
            ASSERT_EQ(g->size, 864u);
            EXPECT_EQ(Bytes(g->payload + 846, g->payload + 863), Bytes(17, 0xFF));
            EXPECT_EQ(g->payload[863], 0);
        } else {
            ASSERT_EQ(g->size, 856u);
            EXPECT_EQ(0, std::memcmp(g->payload + 846, aux, 10)) << kind;
        }
    }
}

TEST(PcgExportSize, InjectedOsvaraBlocksMustHaveTheirSize) {
    Image img = MakeImage(33);
    PcgConversionTables tables = PcgDefaultTables();
    tables.osvaraCombiInit = tables.osvaraCombiInit.first(100);
    std::vector<char> buf(2 << 20);
    EXPECT_EQ(PcgExportFromImage(img.data(), 0, buf.data(), int(buf.size()), 7, tables), 0);
    EXPECT_GT(PcgExportFromImage(img.data(), 0, buf.data(), int(buf.size()), 2, tables), 0);
}
