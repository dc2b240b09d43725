#pragma once
// Export of the data image as a PCG file of kind 2..7.
#include <cstdint>
#include <vector>

#include "Common/Files/PcgAccessor.h"

namespace QorX0 {

class CExportPcg {
public:
    // Throws 6 for a model index above 1 or a kind outside 2..7.
    CExportPcg(CAbstractQorxxAccessor& accessor, char* buffer, int size, int kind,
               const PcgConversionTables& tables = PcgDefaultTables());

    // The file size when there is no buffer (null or size 0), else the bytes written.
    int exportAsPCG();
    // Throws 7 for a null buffer and 8 for a buffer smaller than the file, before writing anything.
    int exportToPCG();
    int calcFileSize();

    // Chunk writers: with a null position they write nothing and return the bytes they need.
    uint32_t exportToPCG_AllPCMProgramBank(unsigned char* pos);
    uint32_t exportToPCG_AllCombinationBank(unsigned char* pos);
    uint32_t exportToPCG_AllArpeggioBank(unsigned char* pos);
    uint32_t exportToPCG_AllDrumKitBank(unsigned char* pos);
    uint32_t exportToPCG_Global(unsigned char* pos);

    // One bank (the bank-th of the kind's list); runningIndex advances by one per record.
    uint32_t exportToPCG_PCMProgramBank(unsigned char* pos, int bank, int& runningIndex);
    uint32_t exportToPCG_CombinationBank(unsigned char* pos, int bank, int& runningIndex);
    uint32_t exportToPCG_ArpeggioBank(unsigned char* pos, int bank, int& runningIndex);
    uint32_t exportToPCG_DrumKitBank(unsigned char* pos, int bank, int& runningIndex);

    static uint32_t writeParamHeaderChunk(unsigned char* pos, const char (&id)[5], uint32_t payloadSize);
    static uint32_t writeBankHeader(unsigned char* pos, const char (&id)[5], uint32_t count,
                                    uint32_t itemSize, uint32_t bankNumber);

    struct BANKSPEC {
        uint32_t number;  // bank number in the sub-chunk header
        uint32_t count;   // records in the bank
    };
    // The banks each chunk of this kind carries.
    std::vector<BANKSPEC> programBanks() const;
    std::vector<BANKSPEC> combinationBanks() const;
    std::vector<BANKSPEC> arpeggioBanks() const;
    std::vector<BANKSPEC> drumKitBanks() const;

private:
    template <class Fill>
    uint32_t writeBank(unsigned char* pos, const char (&id)[5], const BANKSPEC& bank, uint32_t itemSize,
                       int& runningIndex, Fill fill);
    template <class WriteBank>
    uint32_t writeChunk(unsigned char* pos, const char (&id)[5], size_t bankCount, WriteBank writeBank);
    uint32_t programSize() const;
    uint32_t combinationSize() const;
    uint32_t globalSize() const;

    CAbstractQorxxAccessor& m_accessor;
    const PcgConversionTables& m_tables;
    unsigned char* m_buffer;
    int m_size;
    int m_kind;
    unsigned char m_product;
    bool m_exportPrograms = true;
    bool m_exportCombinations = true;
    bool m_exportArpeggios;
    bool m_exportDrumKits = true;
    bool m_exportGlobal = true;
};

// Writes image (QorX0::CHUNK_REMOTESYNTH) as a PCG file: the size with no buffer, the bytes written,
// or 0 on any error (a model index above 1, a bad kind, a buffer too small). Never throws.
int PcgExportFromImage(unsigned char* image, unsigned modelIndex, char* buffer, int size, int kind,
                       const PcgConversionTables& tables = PcgDefaultTables());

}  // namespace QorX0
