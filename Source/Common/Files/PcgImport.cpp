#include "Common/Files/PcgImport.h"

#include <algorithm>
#include <cstring>
#include <fstream>
#include <vector>

#include "Common/Files/PcgContainer.h"
#include "Common/Model/SynthData.h"

namespace QorX0 {

namespace {

constexpr uint32_t kExpansionBank = 0x20000;
constexpr uint32_t kExpansionBankCount = 8;
// First arpeggio pattern of internal banks 0, 1, 2.
constexpr int64_t arpOffsetTable[] = {0, 200, 216};

// Builds the family's record of a file's product from an item and hands it to use.
template <class Fenn, class Rusk, class Brae, class Use>
void FromFamily(unsigned char product, const unsigned char* item, uint32_t size, Use use) {
    if (product == kProductFenn)
        use(Fenn(item, size));
    else if (product == kProductRusk)
        use(Rusk(item, size));
    else
        use(Brae(item, size));
}

bool IsExpansion(uint32_t bank) {
    return bank >= kExpansionBank && bank < kExpansionBank + kExpansionBankCount;
}

// Holds back every record an import stores until commit(), so that a file failing half-way leaves
// the image as it was without copying the whole image first. Reads see the image as it was.
class CStagedBufferAccessor final : public CQorxxBufferAccessor {
public:
    // A file's records take at most about twice its length in the image (the smallest family's
    // combination grows from 352 to 544 bytes) and never more than the image, unless it repeats
    // records: room for that is made at once, so a whole file is not copied again as it grows.
    CStagedBufferAccessor(unsigned modelIndex, unsigned char* image, int length)
        : CQorxxBufferAccessor(modelIndex, image) {
        m_bytes.reserve(std::min<size_t>(2 * static_cast<size_t>(std::max(length, 0)), kSizeImage));
    }

    // Writes the held records in the order they were stored (a later one wins).
    void commit() const {
        size_t from = 0;
        for (const Pending& w : m_pending) {
            std::memcpy(w.to, m_bytes.data() + from, w.size);
            from += w.size;
        }
    }

protected:
    void write(unsigned char* to, const unsigned char* from, size_t size) override {
        m_bytes.insert(m_bytes.end(), from, from + size);
        m_pending.push_back({to, size});
    }

private:
    struct Pending {
        unsigned char* to;
        size_t size;
    };
    std::vector<unsigned char> m_bytes;
    std::vector<Pending> m_pending;
};

}  // namespace

CImportPcg::CImportPcg(const char* data, int length, CAbstractQorxxAccessor& accessor,
                       const PcgConversionTables& tables)
    : m_accessor(accessor),
      m_tables(tables),
      m_data(reinterpret_cast<const unsigned char*>(data)),
      m_length(length > 0 ? static_cast<uint64_t>(length) : 0),
      m_product(0) {
    if (accessor.getModelIndex() > 1) PcgThrow(kPcgErrModelOrKind);
    if (!m_data || m_length <= 7 || std::memcmp(m_data, "VELK", 4) != 0) PcgThrow(kPcgErrHeader);
    if (!PcgIsProduct(m_data[4])) PcgThrow(kPcgErrProduct);
    m_product = m_data[4];
}

void CImportPcg::import() {
    if (m_length < kPcgHeaderSize) PcgThrow(kPcgErrStructure);
    if (!PcgHeaderIsValid(m_data) || m_data[4] != m_product) PcgThrow(kPcgErrHeader);
    const uint64_t declared = PcgReadBE32(m_data + 20);
    if (declared > m_length - kPcgHeaderSize) PcgThrow(kPcgErrStructure);

    // All sizes in 64 bits; every step consumes at least a chunk header, so the walk always ends.
    const unsigned char* p = m_data + kPcgHeaderSize;
    uint64_t remaining = declared;
    do {
        if (remaining < kPcgChunkHeaderSize) PcgThrow(kPcgErrStructure);
        remaining -= kPcgChunkHeaderSize;
        const uint64_t size = PcgReadBE32(p + 4);
        if (size > remaining) PcgThrow(kPcgErrStructure);
        const unsigned char* payload = p + kPcgChunkHeaderSize;
        if (PcgIdIs(p, "PRG1"))
            importBank(payload, size, "PBK1", m_importPrograms, &CImportPcg::importPCMProgramBank);
        else if (PcgIdIs(p, "CMB1"))
            importBank(payload, size, "CBK1", m_importCombinations, &CImportPcg::importCombinationBank);
        else if (PcgIdIs(p, "ARP1"))
            importBank(payload, size, "ABK1", m_importArpeggios, &CImportPcg::importArpeggioBank);
        else if (PcgIdIs(p, "DKT1"))
            importBank(payload, size, "DBK1", m_importDrumKits, &CImportPcg::importDrumKitBank);
        else if (PcgIdIs(p, "GLB1") && m_importGlobal)
            importGlobal(payload, static_cast<uint32_t>(size));
        remaining -= size;
        p = payload + size;
    } while (remaining > 0);
}

void CImportPcg::importBank(const unsigned char* p, uint64_t size, const char (&subId)[5], bool enabled,
                            BankImporter importer) {
    uint64_t remaining = size;
    while (remaining > 0) {
        if (remaining < kPcgChunkHeaderSize) PcgThrow(kPcgErrStructure);
        remaining -= kPcgChunkHeaderSize;
        const uint64_t subSize = PcgReadBE32(p + 4);
        if (subSize > remaining || subSize < kPcgBankHeaderSize - kPcgChunkHeaderSize)
            PcgThrow(kPcgErrStructure);
        const uint32_t count = PcgReadBE32(p + 8);
        const uint32_t itemSize = PcgReadBE32(p + 12);
        const uint32_t bank = PcgReadBE32(p + 16);
        // Both factors are below 2^32, so the product cannot wrap in 64 bits.
        if (uint64_t{count} * itemSize > subSize - (kPcgBankHeaderSize - kPcgChunkHeaderSize))
            PcgThrow(kPcgErrStructure);
        if (enabled && PcgIdIs(p, subId)) (this->*importer)(count, itemSize, bank, p + kPcgBankHeaderSize);
        remaining -= subSize;
        p += kPcgChunkHeaderSize + subSize;
    }
}

template <class Store>
void CImportPcg::storeItems(uint32_t count, uint32_t itemSize, int64_t first, int64_t limit,
                            const unsigned char* items, Store store) {
    for (uint32_t i = 0; i < count && first + i < limit; ++i)
        store(items + uint64_t{i} * itemSize, static_cast<int>(first + i));
}

void CImportPcg::importPCMProgramBank(uint32_t count, uint32_t itemSize, uint32_t bank,
                                      const unsigned char* items) {
    // Banks 0..4; expansion banks would start at 640 and never fit, other numbers are dropped.
    if (bank > 4) return;
    const unsigned model = m_accessor.getModelIndex();
    storeItems(count, itemSize, int64_t{128} * bank, m_accessor.numberOfPCMProgram(), items,
               [&](const unsigned char* item, int index) {
                   FromFamily<CFennPcmProgramStorage, CRuskPcmProgramStorage, CBraePcmProgramStorage>(
                       m_product, item, itemSize, [&](const auto& src) {
                           m_accessor.set(CQorxxPcmProgramStorage(src, model, m_tables), index);
                       });
               });
}

void CImportPcg::importCombinationBank(uint32_t count, uint32_t itemSize, uint32_t bank,
                                       const unsigned char* items) {
    if (bank > 4) return;
    const unsigned model = m_accessor.getModelIndex();
    storeItems(count, itemSize, int64_t{128} * bank, m_accessor.numberOfCombination(), items,
               [&](const unsigned char* item, int index) {
                   FromFamily<CFennCombinationStorage, CRuskCombinationStorage, CBraeCombinationStorage>(
                       m_product, item, itemSize,
                       [&](const auto& src) { m_accessor.set(CQorxxCombinationStorage(src, model), index); });
               });
}

void CImportPcg::importArpeggioBank(uint32_t count, uint32_t itemSize, uint32_t bank,
                                    const unsigned char* items) {
    if (m_product == kProductBrae) return;
    int64_t first;
    if (bank < std::size(arpOffsetTable))
        first = arpOffsetTable[bank];
    else if (IsExpansion(bank))
        first = 200 + int64_t{16} * (bank - kExpansionBank);
    else
        return;
    storeItems(count, itemSize, first, m_accessor.numberOfArpeggio(), items,
               [&](const unsigned char* item, int index) {
                   m_accessor.set(CArpeggioStorage(item, itemSize), index);
               });
}

void CImportPcg::importDrumKitBank(uint32_t count, uint32_t itemSize, uint32_t bank,
                                   const unsigned char* items) {
    int64_t first;
    if (bank <= 3)
        first = int64_t{16} * bank;
    else if (IsExpansion(bank))
        first = 16 + int64_t{16} * (bank - kExpansionBank);
    else
        return;
    const unsigned model = m_accessor.getModelIndex();
    storeItems(count, itemSize, first, m_accessor.numberOfDrumKit(), items,
               [&](const unsigned char* item, int index) {
                   m_accessor.set(CDrumKitStorage(item, itemSize, m_product, model, m_tables), index);
               });
}

void CImportPcg::importGlobal(const unsigned char* payload, uint32_t size) {
    FromFamily<CFennGlobalStorage, CRuskGlobalStorage, CBraeGlobalStorage>(
        m_product, payload, size, [&](const auto& src) { m_accessor.set(CQorxxGlobalStorage(src)); });
}

int CImportPcg::parsePCGStream(std::istream& stream) {
    return PcgSniffStream(stream);
}

int CImportPcg::parsePCGFile(const char* path) {
    if (!path) return 0;
    std::ifstream file(path, std::ios::binary);
    if (!file.is_open()) return 0;
    return PcgSniffStream(file);
}

bool CImportPcg::getPCGInfo(const char* path, int kind) {
    if (kind != -1 && (kind < kPcgKindFirst || kind > kPcgKindLast)) return false;
    const int found = parsePCGFile(path);
    return found != 0 && (kind == -1 || kind == found);
}

bool CImportPcg::getPCGStreamInfoEx(std::istream& stream, int* kind) {
    const int found = parsePCGStream(stream);
    if (found == 0) return false;
    if (kind) *kind = found;
    return true;
}

bool PcgImportIntoImage(const char* data, int length, unsigned char* image, int modelIndex,
                        const PcgConversionTables& tables) {
    try {
        if (!image) return false;
        CStagedBufferAccessor accessor(static_cast<unsigned>(modelIndex), image, length);
        CImportPcg importer(data, length, accessor, tables);
        importer.import();
        accessor.commit();
        return true;
    } catch (...) {
        return false;
    }
}

}  // namespace QorX0
