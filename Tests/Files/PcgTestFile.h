#pragma once
// Builds PCG files for tests byte by byte from the container format (header, chunks, bank
// sub-chunks, big-endian numbers), records whose fields are set through the descriptor tables, and
// data images whose records hold values every export kind carries unchanged.
#include <cstdint>
#include <cstring>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "Common/Files/PcgFields.h"
#include "Common/Files/PcgStorage.h"
#include "Common/Files/PcgTables.h"
#include "Common/Model/SynthData.h"

namespace PcgTest {

using Bytes = std::vector<uint8_t>;

inline void PutBE32(Bytes& b, uint32_t v) {
    for (int s = 24; s >= 0; s -= 8) b.push_back(static_cast<uint8_t>(v >> s));
}
inline uint32_t GetBE32(const uint8_t* p) {
    return (uint32_t{p[0]} << 24) | (uint32_t{p[1]} << 16) | (uint32_t{p[2]} << 8) | p[3];
}

inline Bytes Chunk(const char* id, const Bytes& payload) {
    Bytes b(id, id + 4);
    PutBE32(b, static_cast<uint32_t>(payload.size()));
    b.insert(b.end(), payload.begin(), payload.end());
    return b;
}

inline Bytes Bank(const char* id, uint32_t bankNumber, uint32_t itemSize, const std::vector<Bytes>& items) {
    Bytes b(id, id + 4);
    PutBE32(b, 12 + static_cast<uint32_t>(items.size()) * itemSize);
    PutBE32(b, static_cast<uint32_t>(items.size()));
    PutBE32(b, itemSize);
    PutBE32(b, bankNumber);
    for (const Bytes& item : items) {
        Bytes copy = item;
        copy.resize(itemSize, 0);
        b.insert(b.end(), copy.begin(), copy.end());
    }
    return b;
}

inline Bytes Cat(const std::vector<Bytes>& parts) {
    Bytes b;
    for (const Bytes& p : parts) b.insert(b.end(), p.begin(), p.end());
    return b;
}

// A whole file: the 24-byte header, then the chunks; the size field counts what follows the header.
inline Bytes File(uint8_t product, const std::vector<Bytes>& chunks, uint8_t byte8 = 0) {
    Bytes body = Cat(chunks);
    Bytes b = {'V', 'E', 'L', 'K', product, 0, 0, static_cast<uint8_t>(product == 'P' ? 1 : 0), byte8};
    b.resize(16, 0);
    b.insert(b.end(), {'P', 'C', 'G', '1'});
    PutBE32(b, static_cast<uint32_t>(body.size()));
    b.insert(b.end(), body.begin(), body.end());
    return b;
}

// A record of size bytes named name (space padded), zero elsewhere.
inline Bytes Named(size_t size, const std::string& name) {
    Bytes b(size, 0);
    std::memset(b.data(), ' ', 16);
    std::memcpy(b.data(), name.data(), std::min<size_t>(16, name.size()));
    return b;
}

inline void SetRow(Bytes& rec, const QorX0::FIELDTABLE& t, int row, int value, uint32_t base = 0) {
    QorX0::PcgSetRow(t, row, rec.data(), static_cast<uint32_t>(rec.size()), value, base);
}
inline int GetRow(const Bytes& rec, const QorX0::FIELDTABLE& t, int row, uint32_t base = 0) {
    return QorX0::PcgGetRow(t, row, rec.data(), static_cast<uint32_t>(rec.size()), base);
}
inline int GetRow(const uint8_t* rec, uint32_t size, const QorX0::FIELDTABLE& t, int row, uint32_t base = 0) {
    return QorX0::PcgGetRow(t, row, rec, size, base);
}

// Tables that convert no sample numbers, so round trips can compare them.
inline const QorX0::PcgConversionTables& NoSampleTables() {
    static const QorX0::PcgConversionTables t = [] {
        QorX0::PcgConversionTables x{};
        x.osvaraProgramInit = QorX0::PcgDefaultTables().osvaraProgramInit;
        x.osvaraCombiInit = QorX0::PcgDefaultTables().osvaraCombiInit;
        return x;
    }();
    return t;
}

using Image = std::vector<uint8_t>;

inline uint8_t* Program(Image& img, int i) {
    return img.data() + QorX0::kAreaPrograms.At(i);
}
inline uint8_t* Combi(Image& img, int i) {
    return img.data() + QorX0::kAreaCombis.At(i);
}
inline uint8_t* Kit(Image& img, int i) {
    return img.data() + QorX0::kAreaDrumKits.At(i);
}
inline uint8_t* Pattern(Image& img, int i) {
    return img.data() + QorX0::kAreaArpPatterns.At(i);
}

inline void SetName(uint8_t* rec, const std::string& name) {
    std::memset(rec, ' ', 16);
    std::memcpy(rec, name.data(), std::min<size_t>(16, name.size()));
}

// An image of random bytes whose converted fields hold values that every kind carries unchanged:
// routings 0..5, bus selects the import maps onto themselves, valid patterns below every limit,
// oscillators outside drums mode, cleared fields already 0.
inline Image MakeImage(uint32_t seed) {
    using namespace QorX0;
    std::mt19937 rng(seed);
    Image img(kSizeImage);
    for (auto& b : img) b = static_cast<uint8_t>(rng());
    auto pick = [&](std::initializer_list<int> values) { return *(values.begin() + rng() % values.size()); };
    const uint32_t P = kSizeProgram, C = kSizeCombi;
    for (int i = 0; i < static_cast<int>(kAreaPrograms.count); ++i) {
        uint8_t* r = Program(img, i);
        SetName(r, "Prog" + std::to_string(i));
        auto set = [&](int row, int v) { PcgSetRow(PcgFields::kQorxxProgram, row, r, P, v); };
        set(0, pick({0, 1, 3}));
        set(1, pick({0, 1, 6, 7, 10, 12}));
        set(2, static_cast<int>(rng() % 6));
        set(3, static_cast<int>(rng() % 6));
        set(5, static_cast<int>(rng() % 200));
        set(15, pick({0, 1, 2, 5, 7}));
        set(17, 0);
        set(18, 0);
        set(19, static_cast<int>(rng() % 383));
        r[34] = static_cast<uint8_t>((r[34] & ~3) | 2);  // bits the older family keeps fixed
        r[94] = r[95] = 0;                               // bytes no older family keeps
    }
    for (int i = 0; i < static_cast<int>(kAreaCombis.count); ++i) {
        uint8_t* r = Combi(img, i);
        SetName(r, "Combi" + std::to_string(i));
        auto set = [&](int row, int v) { PcgSetRow(PcgFields::kQorxxCombi, row, r, C, v); };
        set(0, static_cast<int>(rng() % 6));
        set(1, static_cast<int>(rng() % 6));
        set(4, static_cast<int>(rng() % 200));
        set(6, static_cast<int>(rng() % 200));
        set(8, pick({0, 1, 2, 5, 7}));
        set(10, 0);
        set(11, 0);
        r[94] = r[95] = 0;
        for (int t = 0; t < 8; ++t) {
            auto tset = [&](int row, int v) {
                PcgSetRow(PcgFields::kQorxxTimbre, row, r, C, v, 128 + 28 * t);
            };
            tset(0, static_cast<int>(rng() % 4));
            tset(2, 0);
            tset(3, pick({0, 1, 2, 7, 8, 11, 13}));
            for (int row = 4; row <= 8; ++row) tset(row, pick({0, 5}));
        }
    }
    for (int k = 0; k < static_cast<int>(kAreaDrumKits.count); ++k) {
        uint8_t* r = Kit(img, k);
        SetName(r, "Kit" + std::to_string(k));
        for (int key = 0; key < 128; ++key)
            PcgSetRow(PcgFields::kDrumKey, 4, r, kSizeDrumKit, pick({0, 1, 6, 7, 10, 12}), 16 + 32 * key);
    }
    for (int a = 0; a < static_cast<int>(kAreaArpPatterns.count); ++a)
        SetName(Pattern(img, a), "Pat" + std::to_string(a));
    img[5] = 3;
    img[6] = 4;
    return img;
}

}  // namespace PcgTest

namespace PcgTest {

// Reading a file back: its chunks and the bank sub-chunks of a chunk.
struct ChunkView {
    std::string id;
    const uint8_t* payload;
    uint32_t size;
};
struct BankView {
    std::string id;
    uint32_t count, itemSize, bank;
    const uint8_t* items;
};

inline std::vector<ChunkView> Chunks(const Bytes& file) {
    std::vector<ChunkView> list;
    for (size_t p = 24; p + 8 <= file.size();) {
        const uint32_t size = GetBE32(&file[p + 4]);
        list.push_back({std::string(reinterpret_cast<const char*>(&file[p]), 4), &file[p + 8], size});
        p += 8 + size;
    }
    return list;
}

inline std::vector<BankView> Banks(const ChunkView& chunk) {
    std::vector<BankView> list;
    for (uint32_t p = 0; p + 20 <= chunk.size;) {
        const uint8_t* b = chunk.payload + p;
        list.push_back({std::string(reinterpret_cast<const char*>(b), 4), GetBE32(b + 8), GetBE32(b + 12),
                        GetBE32(b + 16), b + 20});
        p += 8 + GetBE32(b + 4);
    }
    return list;
}

// The chunk views point into the file, not into the list: a view may outlive the list.
inline std::optional<ChunkView> FindChunk(const std::vector<ChunkView>& chunks, const std::string& id) {
    for (const ChunkView& c : chunks)
        if (c.id == id) return c;
    return std::nullopt;
}

}  // namespace PcgTest
