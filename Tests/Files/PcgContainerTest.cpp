// The PCG container: sniffing of files and streams, the import's structure checks and error codes,
// and hostile sizes.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "Common/Files/PcgConvert.h"
#include "Common/Files/PcgImport.h"
#include "PcgTestFile.h"

using namespace QorX0;
using namespace PcgTest;

namespace {

Bytes OneProgramBank(uint8_t product) {
    const uint32_t size = product == 'P'   ? kFennProgramSize
                          : product == 'c' ? kRuskProgramSize
                                           : kBraeProgramSize;
    return Chunk("PRG1", Bank("PBK1", 0, size, {Named(size, "Sniffed")}));
}

int Sniff(const Bytes& file) {
    std::istringstream s(std::string(file.begin(), file.end()));
    int kind = -100;
    return GetPCGStreamInfoEx(s, &kind) ? kind : 0;
}

// The error code the import throws, or 0 when it succeeds.
constexpr int kWhole = INT32_MIN;

int ImportCode(const Bytes& file, unsigned model = 0, int length = kWhole) {
    Image img(kSizeImage, 0);
    try {
        CQorxxBufferAccessor accessor(model, img.data());
        CImportPcg importer(file.empty() ? nullptr : reinterpret_cast<const char*>(file.data()),
                            length == kWhole ? static_cast<int>(file.size()) : length, accessor);
        importer.import();
    } catch (int code) {
        return code;
    }
    return 0;
}

Bytes Cut(Bytes b, size_t size) {
    b.resize(size);
    return b;
}

Bytes WithByte(Bytes b, size_t at, uint8_t value) {
    b[at] = value;
    return b;
}

Bytes WithBE32(Bytes b, size_t at, uint32_t value) {
    for (int i = 0; i < 4; ++i) b[at + i] = static_cast<uint8_t>(value >> (24 - 8 * i));
    return b;
}

}  // namespace

TEST(PcgSniff, KindsFromProductAndChunks) {
    const Bytes prg = OneProgramBank('P');
    struct Case {
        const char* what;
        Bytes file;
        int kind;  // 0: not a PCG file
    } cases[] = {
        {"plain", File('P', {prg}), 2},
        {"DIV1", File('P', {Chunk("DIV1", {1, 2}), prg}), 3},
        {"DIV1 and INI1", File('P', {prg, Chunk("INI1", {}), Chunk("DIV1", {})}), 4},
        {"byte 8", File('P', {prg}, 1), 5},
        {"byte 8 with DIV1 and INI1", File('P', {Chunk("DIV1", {}), Chunk("INI1", {}), prg}, 1), 5},
        {"'c'", File('c', {OneProgramBank('c'), Chunk("DIV1", {})}), 6},
        {"']'", File(']', {OneProgramBank(']')}), 7},
        {"INI1 without DIV1", File('P', {Chunk("INI1", {}), prg}), 0},
        {"magic", WithByte(File('P', {prg}), 0, 'X'), 0},
        {"byte 5", WithByte(File('P', {prg}), 5, 1), 0},
        {"byte 6", WithByte(File('P', {prg}), 6, 1), 0},
        {"minor version of 'P'", WithByte(File('P', {prg}), 7, 0), 0},
        {"minor version of 'c'", WithByte(File('c', {prg}), 7, 1), 0},
        {"PCG1", WithByte(File('P', {prg}), 19, '2'), 0},
        {"product", WithByte(File('P', {prg}), 4, 'Q'), 0},
        {"short header", Cut(File('P', {prg}), 23), 0},
        {"no chunks", File('P', {}), 0},
        {"size beyond the data", WithBE32(File('P', {prg}), 20, 100000), 0},
        {"truncated payload", Cut(File('P', {prg}), File('P', {prg}).size() - 1), 0},
        {"chunk beyond the size", WithBE32(File('P', {prg}), 28, 0xFFFFFFF0u), 0},
        {"chunk header cut by the size",
         WithBE32(File('P', {prg, Chunk("GLB1", {})}), 20, uint32_t(prg.size()) + 4), 0},
    };
    for (const Case& c : cases) EXPECT_EQ(Sniff(c.file), c.kind) << c.what;
}

TEST(PcgSniff, StreamFromItsPositionWithoutRewind) {
    const Bytes file = File('c', {OneProgramBank('c')});
    std::string data = "prefix";
    data.append(file.begin(), file.end());
    data += "tail";
    std::istringstream s(data);
    s.seekg(6);
    int kind = 0;
    ASSERT_TRUE(GetPCGStreamInfoEx(s, &kind));
    EXPECT_EQ(kind, 6);
    EXPECT_EQ(static_cast<size_t>(s.tellg()), 6 + file.size());

    std::istringstream bad("VELK");
    kind = 42;
    EXPECT_FALSE(GetPCGStreamInfoEx(bad, &kind));
    EXPECT_EQ(kind, 42);  // untouched on failure
}

TEST(PcgSniff, FileInfoByKind) {
    const auto dir = std::filesystem::temp_directory_path() / ("pcgsniff" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    const auto path = (dir / "kind3.pcg").string();
    const Bytes file = File('P', {Chunk("DIV1", {}), OneProgramBank('P')});
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(file.data()), file.size());

    struct Case {
        int kind;
        bool expected;
    } cases[] = {{3, true}, {-1, true}, {2, false}, {4, false}, {1, false}, {8, false}, {-2, false}};
    for (const Case& c : cases) EXPECT_EQ(GetPCGFIleInfo(path.c_str(), c.kind), c.expected) << c.kind;
    EXPECT_FALSE(GetPCGFIleInfo((dir / "missing.pcg").c_str(), -1));
    EXPECT_FALSE(GetPCGFIleInfo(nullptr, -1));
    std::filesystem::remove_all(dir);
}

TEST(PcgImportStructure, ErrorCodes) {
    const Bytes good = File('P', {OneProgramBank('P')});
    const Bytes global = File('P', {Chunk("GLB1", Bytes(kFennGlobalSize, 0))});
    struct Case {
        const char* what;
        Bytes file;
        int length;
        int code;
    } cases[] = {
        {"good", good, kWhole, 0},
        {"no data", {}, 0, 3},
        {"7 bytes", good, 7, 3},
        {"negative length", good, -5, 3},
        {"no VELK", WithByte(good, 1, 'A'), kWhole, 3},
        {"product", WithByte(good, 4, 'x'), kWhole, 2},
        {"shorter than a header", good, 20, 4},
        {"byte 6", WithByte(good, 6, 1), kWhole, 3},
        {"minor version", WithByte(good, 7, 0), kWhole, 3},
        {"PCG1", WithByte(good, 16, 'Q'), kWhole, 3},
        {"size beyond the data", WithBE32(good, 20, uint32_t(good.size()) - 23), kWhole, 4},
        {"size 0", File('P', {}), kWhole, 4},
        {"size 0 with data behind", WithBE32(good, 20, 0), kWhole, 4},
        {"7 bytes left for a chunk header",
         WithBE32(File('P', {Chunk("XXXX", {}), Chunk("YYYY", {})}), 20, 15), kWhole, 4},
        {"chunk beyond the size", WithBE32(good, 28, 0xFFFFFFFFu), kWhole, 4},
        {"sub-chunk beyond the chunk", WithBE32(good, 36, 0xFFFFFFFFu), kWhole, 4},
        {"sub-chunk under 12 bytes", File('P', {Chunk("PRG1", Chunk("PBK1", Bytes(11, 0)))}), kWhole, 4},
        {"count times size wraps 32 bits", WithBE32(WithBE32(good, 40, 0x10000u), 44, 0x10000u), kWhole, 4},
        {"count times size beyond the sub-chunk", WithBE32(good, 40, 2), kWhole, 4},
        {"record size of another family",
         File('P', {Chunk("PRG1", Bank("PBK1", 0, kRuskProgramSize, {Bytes(1)}))}), kWhole, 5},
        {"global of another size", File('c', {Chunk("GLB1", Bytes(kBraeGlobalSize, 0))}), kWhole, 5},
        {"global", global, kWhole, 0},
        {"unknown chunks only", File(']', {Chunk("ZZZZ", {1, 2, 3})}), kWhole, 0},
        {"mismatching sub-chunk skipped", File('P', {Chunk("PRG1", Bank("CBK1", 0, 7, {Bytes(7)}))}), kWhole,
         0},
        {"bytes after the declared size ignored", Cat({good, Bytes(5, 0xEE)}), kWhole, 0},
    };
    for (const Case& c : cases) EXPECT_EQ(ImportCode(c.file, 0, c.length), c.code) << c.what;
    EXPECT_EQ(ImportCode(good, 2), 6);
}

TEST(PcgImportStructure, SniffersAndImportAgreeExceptWhereTheFormatSaysOtherwise) {
    const Bytes prg = OneProgramBank('P');
    const Bytes brokenBank = Chunk("PRG1", WithBE32(Bank("PBK1", 0, kFennProgramSize, {Bytes(1)}), 4, 1));
    struct Case {
        const char* what;
        Bytes file;
        bool sniffs, imports;
    } cases[] = {
        {"kind 2", File('P', {prg}), true, true},
        {"kind 4", File('P', {Chunk("DIV1", {}), Chunk("INI1", {}), prg}), true, true},
        {"kind 6", File('c', {OneProgramBank('c')}), true, true},
        {"no chunks", File('P', {}), false, false},
        {"truncated", Cut(File('P', {prg}), File('P', {prg}).size() - 3), false, false},
        {"chunk overruns the size", WithBE32(File('P', {prg}), 28, 0x7FFFFFFF), false, false},
        // Differences the format defines: the sniffers reject INI1 without DIV1, never read the chunks
        // of a kind 5 file and do not look inside the chunks.
        {"INI1 without DIV1", File('P', {Chunk("INI1", {}), prg}), false, true},
        {"kind 5 without chunks", File('P', {}, 1), true, false},
        {"broken bank", File('P', {brokenBank}), true, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Sniff(c.file) != 0, c.sniffs) << c.what;
        EXPECT_EQ(ImportCode(c.file) == 0, c.imports) << c.what;
    }
}

TEST(PcgImportStructure, HostileSizesEndQuickly) {
    // Thousands of empty chunks behind a header claiming far more: the walk stops at the data's end.
    Bytes many;
    for (int i = 0; i < 5000; ++i) {
        const Bytes c = Chunk("NONE", {});
        many.insert(many.end(), c.begin(), c.end());
    }
    Bytes file = File('P', {many});
    EXPECT_EQ(ImportCode(file), 0);
    EXPECT_EQ(Sniff(file), 2);
    EXPECT_EQ(Sniff(WithBE32(file, 20, 0xFFFFFFFFu)), 0);
    EXPECT_EQ(ImportCode(WithBE32(file, 20, 0xFFFFFFFFu)), 4);
    // A sub-chunk claiming 2^32 - 1 items of 2^32 - 1 bytes.
    const Bytes bank = WithBE32(WithBE32(Bank("PBK1", 0, 0, {}), 8, 0xFFFFFFFFu), 12, 0xFFFFFFFFu);
    EXPECT_EQ(ImportCode(File('P', {Chunk("PRG1", bank)})), 4);
}

// Every kind of record is stored before the file fails (the same program twice, programs past the
// first bank, the global with its auxiliary block): not one byte of the image may change, for either
// model, whatever the family and wherever the failure lies.
TEST(PcgImportStructure, AFailedImportLeavesEveryByteAsItWas) {
    struct Case {
        const char* what;
        uint8_t product;
        Bytes tail;  // what makes the file fail, after every record was stored
    };
    const Case cases[] = {
        {"a global of the wrong size", 'P', Chunk("GLB1", Bytes(10, 0))},
        {"a bank shorter than its items", 'c',
         Chunk("PRG1", WithBE32(Bank("PBK1", 0, 4, {{1, 2, 3, 4}}), 8, 2))},
        {"a chunk running past the file", ']', WithBE32(Chunk("CMB1", {}), 4, 1000)},
        {"a sub-chunk shorter than a bank header", 'P', Chunk("DKT1", Chunk("DBK1", {}))},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const uint8_t p = c.product;
        const uint32_t program = p == 'P' ? kFennProgramSize : p == 'c' ? kRuskProgramSize : kBraeProgramSize;
        const uint32_t combi = p == 'P' ? kFennCombiSize : p == 'c' ? kRuskCombiSize : kBraeCombiSize;
        const uint32_t global = p == ']' ? kBraeGlobalSize : kFennGlobalSize;
        const Bytes records[] = {
            Chunk("PRG1", Cat({Bank("PBK1", 0, program, {Named(program, "First"), Named(program, "Second")}),
                               Bank("PBK1", 3, program, {Named(program, "Fourth bank")}),
                               Bank("PBK1", 0, program, {Named(program, "Again")})})),
            Chunk("CMB1", Bank("CBK1", 1, combi, {Named(combi, "Combination")})),
            Chunk("ARP1", Bank("ABK1", 0, kArpeggioSize, {Bytes(kArpeggioSize, 0x5A)})),
            Chunk("DKT1", Bank("DBK1", 0, kDrumKitSize, {Named(kDrumKitSize, "Kit")})),
            Chunk("GLB1", Bytes(global, 0x11)),
        };
        const Bytes whole = Cat({Cat(std::vector<Bytes>(std::begin(records), std::end(records))), c.tail});
        for (int model = 0; model < 2; ++model) {
            SCOPED_TRACE(model);
            // The records alone import and change the image.
            Image img = MakeImage(3);
            const Image before = img;
            const Bytes good = File(p, std::vector<Bytes>(std::begin(records), std::end(records)));
            ASSERT_TRUE(ConvertPCGtoQor(reinterpret_cast<const char*>(good.data()), int(good.size()),
                                        img.data(), model));
            EXPECT_NE(img, before);
            img = before;
            const Bytes bad = File(p, {whole});
            EXPECT_FALSE(ConvertPCGtoQor(reinterpret_cast<const char*>(bad.data()), int(bad.size()),
                                         img.data(), model));
            EXPECT_TRUE(img == before) << "a failed import changed the image";
        }
    }
}

TEST(PcgImportStructure, AFailedImportLeavesTheImageUntouched) {
    Image img = MakeImage(7);
    const Image before = img;
    // The program bank is valid and would be stored; the global after it has the wrong size.
    const Bytes file = File('P', {OneProgramBank('P'), Chunk("GLB1", Bytes(10, 0))});
    EXPECT_FALSE(
        ConvertPCGtoQor(reinterpret_cast<const char*>(file.data()), int(file.size()), img.data(), 0));
    EXPECT_EQ(img, before);
    EXPECT_FALSE(
        ConvertPCGtoQor(reinterpret_cast<const char*>(file.data()), int(file.size()), img.data(), 2));
    EXPECT_FALSE(ConvertPCGtoQor(nullptr, 100, img.data(), 0));
    EXPECT_EQ(img, before);

    const Bytes good = File('P', {OneProgramBank('P')});
    EXPECT_TRUE(ConvertPCGtoQor(reinterpret_cast<const char*>(good.data()), int(good.size()), img.data(), 0));
    EXPECT_EQ(std::string(reinterpret_cast<char*>(Program(img, 0)), 7), "Sniffed");
}
