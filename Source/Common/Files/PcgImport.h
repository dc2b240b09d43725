#pragma once
// Import of a PCG file held in memory into the data image, and the sniffers of files and streams.
#include <cstdint>
#include <istream>

#include "Common/Files/PcgAccessor.h"

namespace QorX0 {

class CImportPcg {
public:
    // Throws 6 for a model index above 1, 3 for no data, 7 bytes or less or no "VELK", 2 for an
    // unknown product byte.
    CImportPcg(const char* data, int length, CAbstractQorxxAccessor& accessor,
               const PcgConversionTables& tables = PcgDefaultTables());

    // Walks the chunks and stores every record through the accessor; throws on any error.
    void import();

    // Sniffers: the kind (2..7) of a PCG file or stream, 0 when it is not one.
    static int parsePCGFile(const char* path);
    static int parsePCGStream(std::istream& stream);
    // True when path is a PCG file of kind (2..7), or of any kind for -1.
    static bool getPCGInfo(const char* path, int kind);
    static bool getPCGStreamInfoEx(std::istream& stream, int* kind);

    void importPCMProgramBank(uint32_t count, uint32_t itemSize, uint32_t bankNumber,
                              const unsigned char* items);
    void importCombinationBank(uint32_t count, uint32_t itemSize, uint32_t bankNumber,
                               const unsigned char* items);
    void importArpeggioBank(uint32_t count, uint32_t itemSize, uint32_t bankNumber,
                            const unsigned char* items);
    void importDrumKitBank(uint32_t count, uint32_t itemSize, uint32_t bankNumber,
                           const unsigned char* items);
    void importGlobal(const unsigned char* payload, uint32_t size);

private:
    using BankImporter = void (CImportPcg::*)(uint32_t, uint32_t, uint32_t, const unsigned char*);
    void importBank(const unsigned char* payload, uint64_t size, const char (&subId)[5], bool enabled,
                    BankImporter importer);
    // Stores items[i] at first + i for as long as the index stays below limit.
    template <class Store>
    void storeItems(uint32_t count, uint32_t itemSize, int64_t first, int64_t limit,
                    const unsigned char* items, Store store);

    CAbstractQorxxAccessor& m_accessor;
    const PcgConversionTables& m_tables;
    const unsigned char* m_data;
    uint64_t m_length;
    unsigned char m_product;
    bool m_importPrograms = true;
    bool m_importCombinations = true;
    bool m_importArpeggios = true;
    bool m_importDrumKits = true;
    bool m_importGlobal = true;
};

// Imports a whole PCG file into image (QorX0::CHUNK_REMOTESYNTH) for a model index. The image is
// changed only when the whole file imported; a failure leaves it as it was. Never throws.
bool PcgImportIntoImage(const char* data, int length, unsigned char* image, int modelIndex,
                        const PcgConversionTables& tables = PcgDefaultTables());

}  // namespace QorX0
