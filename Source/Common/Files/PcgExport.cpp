#include "Common/Files/PcgExport.h"

#include <algorithm>
#include <cstring>

#include "Common/Files/PcgContainer.h"

namespace QorX0 {

namespace {

// Arpeggio banks of kinds 3 to 5: patterns per bank (nofArpInBank) and their numbers (bankidTable).
constexpr uint32_t nofArpInBank[] = {200, 16, 16, 16, 3};
constexpr uint32_t bankidTable[] = {0, 0x20000, 0x20001, 0x20002, 0x20003};

uint32_t BankNoToBankID_Arpeggio(size_t bank) {
    return bankidTable[bank];
}

// Writes a record of this model as the destination family's record of an export kind.
template <class Fenn, class Rusk, class Brae, class Qor>
void CopyAsFamily(const Qor& qor, int kind, const PcgConversionTables& tables, unsigned char* dst) {
    auto copy = [dst](const CPcgRecord& r) { std::memcpy(dst, r.getBuffer(), r.getSize()); };
    if (kind == 6)
        copy(Rusk(qor, kind, tables));
    else if (kind == 7)
        copy(Brae(qor, kind, tables));
    else
        copy(Fenn(qor, kind, tables));
}

}  // namespace

CExportPcg::CExportPcg(CAbstractQorxxAccessor& accessor, char* buffer, int size, int kind,
                       const PcgConversionTables& tables)
    : m_accessor(accessor),
      m_tables(tables),
      m_buffer(reinterpret_cast<unsigned char*>(buffer)),
      m_size(size),
      m_kind(kind),
      m_product(PcgProductOfKind(kind)),
      m_exportArpeggios(kind != 7) {
    if (accessor.getModelIndex() > 1 || kind < kPcgKindFirst || kind > kPcgKindLast)
        PcgThrow(kPcgErrModelOrKind);
}

std::vector<CExportPcg::BANKSPEC> CExportPcg::programBanks() const {
    int banks = m_accessor.numberOfPCMProgramBank();
    if (m_kind == 6) banks = std::min(banks, 4);
    std::vector<BANKSPEC> list;
    for (int b = 0; b < banks; ++b) list.push_back({static_cast<uint32_t>(b), 128});
    return list;
}

std::vector<CExportPcg::BANKSPEC> CExportPcg::combinationBanks() const {
    return {{0, 128}, {1, 128}, {2, 128}};
}

std::vector<CExportPcg::BANKSPEC> CExportPcg::arpeggioBanks() const {
    switch (m_kind) {
        case 2:
            return {{0, 200}, {1, 16}, {2, 16}};
        case 6:
            return {{0, 200}, {1, 16}};
        case 3:
        case 4:
        case 5: {
            std::vector<BANKSPEC> list;
            for (size_t b = 0; b < std::size(nofArpInBank); ++b)
                list.push_back({BankNoToBankID_Arpeggio(b), nofArpInBank[b]});
            return list;
        }
        default:
            return {};
    }
}

std::vector<CExportPcg::BANKSPEC> CExportPcg::drumKitBanks() const {
    if (m_kind == 6) return {{0, 16}, {1, 8}};
    return {{0, 16}, {1, 16}, {2, 8}};
}

uint32_t CExportPcg::programSize() const {
    return m_kind == 6 ? kRuskProgramSize : m_kind == 7 ? kBraeProgramSize : kFennProgramSize;
}
uint32_t CExportPcg::combinationSize() const {
    return m_kind == 6 ? kRuskCombiSize : m_kind == 7 ? kBraeCombiSize : kFennCombiSize;
}
uint32_t CExportPcg::globalSize() const {
    return m_kind == 6 ? kRuskGlobalSize : m_kind == 7 ? kBraeGlobalSize : kFennGlobalSize;
}

uint32_t CExportPcg::writeParamHeaderChunk(unsigned char* pos, const char (&id)[5], uint32_t payloadSize) {
    if (pos) {
        std::memcpy(pos, id, 4);
        PcgWriteBE32(pos + 4, payloadSize);
    }
    return kPcgChunkHeaderSize;
}

uint32_t CExportPcg::writeBankHeader(unsigned char* pos, const char (&id)[5], uint32_t count,
                                     uint32_t itemSize, uint32_t bankNumber) {
    if (pos) {
        std::memcpy(pos, id, 4);
        PcgWriteBE32(pos + 4, 12 + count * itemSize);
        PcgWriteBE32(pos + 8, count);
        PcgWriteBE32(pos + 12, itemSize);
        PcgWriteBE32(pos + 16, bankNumber);
    }
    return kPcgBankHeaderSize;
}

template <class Fill>
uint32_t CExportPcg::writeBank(unsigned char* pos, const char (&id)[5], const BANKSPEC& bank,
                               uint32_t itemSize, int& runningIndex, Fill fill) {
    writeBankHeader(pos, id, bank.count, itemSize, bank.number);
    for (uint32_t i = 0; i < bank.count; ++i, ++runningIndex)
        if (pos) fill(runningIndex, pos + kPcgBankHeaderSize + i * itemSize);
    return kPcgBankHeaderSize + bank.count * itemSize;
}

template <class WriteBank>
uint32_t CExportPcg::writeChunk(unsigned char* pos, const char (&id)[5], size_t bankCount,
                                WriteBank writeBank) {
    // First pass measures the payload, the second writes it.
    uint32_t payload = 0;
    int index = 0;
    for (size_t b = 0; b < bankCount; ++b) payload += writeBank(nullptr, static_cast<int>(b), index);
    if (pos) {
        writeParamHeaderChunk(pos, id, payload);
        unsigned char* p = pos + kPcgChunkHeaderSize;
        index = 0;
        for (size_t b = 0; b < bankCount; ++b) p += writeBank(p, static_cast<int>(b), index);
    }
    return kPcgChunkHeaderSize + payload;
}

uint32_t CExportPcg::exportToPCG_PCMProgramBank(unsigned char* pos, int bank, int& runningIndex) {
    const unsigned model = m_accessor.getModelIndex();
    return writeBank(pos, "PBK1", programBanks().at(bank), programSize(), runningIndex,
                     [&](int index, unsigned char* dst) {
                         CQorxxPcmProgramStorage qor(model);
                         m_accessor.get(qor, index);
                         qor.patchQorxxTo_Trigger(m_kind, m_tables);
                         CopyAsFamily<CFennPcmProgramStorage, CRuskPcmProgramStorage, CBraePcmProgramStorage>(
                             qor, m_kind, m_tables, dst);
                     });
}

uint32_t CExportPcg::exportToPCG_CombinationBank(unsigned char* pos, int bank, int& runningIndex) {
    const unsigned model = m_accessor.getModelIndex();
    return writeBank(
        pos, "CBK1", combinationBanks().at(bank), combinationSize(), runningIndex,
        [&](int index, unsigned char* dst) {
            CQorxxCombinationStorage qor(model);
            m_accessor.get(qor, index);
            CopyAsFamily<CFennCombinationStorage, CRuskCombinationStorage, CBraeCombinationStorage>(
                qor, m_kind, m_tables, dst);
        });
}

uint32_t CExportPcg::exportToPCG_ArpeggioBank(unsigned char* pos, int bank, int& runningIndex) {
    return writeBank(pos, "ABK1", arpeggioBanks().at(bank), kArpeggioSize, runningIndex,
                     [&](int index, unsigned char* dst) {
                         CArpeggioStorage arp;
                         m_accessor.get(arp, index);
                         std::memcpy(dst, arp.getBuffer(), kArpeggioSize);
                     });
}

uint32_t CExportPcg::exportToPCG_DrumKitBank(unsigned char* pos, int bank, int& runningIndex) {
    const unsigned model = m_accessor.getModelIndex();
    return writeBank(pos, "DBK1", drumKitBanks().at(bank), kDrumKitSize, runningIndex,
                     [&](int index, unsigned char* dst) {
                         CDrumKitStorage kit;
                         m_accessor.get(kit, index);
                         kit.patchQorxxto(m_kind, model, m_tables);
                         std::memcpy(dst, kit.getBuffer(), kDrumKitSize);
                     });
}

uint32_t CExportPcg::exportToPCG_AllPCMProgramBank(unsigned char* pos) {
    if (!m_exportPrograms) return 0;
    return writeChunk(pos, "PRG1", programBanks().size(), [this](unsigned char* p, int b, int& i) {
        return exportToPCG_PCMProgramBank(p, b, i);
    });
}

uint32_t CExportPcg::exportToPCG_AllCombinationBank(unsigned char* pos) {
    if (!m_exportCombinations) return 0;
    return writeChunk(pos, "CMB1", combinationBanks().size(), [this](unsigned char* p, int b, int& i) {
        return exportToPCG_CombinationBank(p, b, i);
    });
}

uint32_t CExportPcg::exportToPCG_AllArpeggioBank(unsigned char* pos) {
    if (!m_exportArpeggios) return 0;
    return writeChunk(pos, "ARP1", arpeggioBanks().size(),
                      [this](unsigned char* p, int b, int& i) { return exportToPCG_ArpeggioBank(p, b, i); });
}

uint32_t CExportPcg::exportToPCG_AllDrumKitBank(unsigned char* pos) {
    if (!m_exportDrumKits) return 0;
    return writeChunk(pos, "DKT1", drumKitBanks().size(),
                      [this](unsigned char* p, int b, int& i) { return exportToPCG_DrumKitBank(p, b, i); });
}

uint32_t CExportPcg::exportToPCG_Global(unsigned char* pos) {
    if (!m_exportGlobal) return 0;
    const uint32_t size = globalSize();
    if (pos) {
        writeParamHeaderChunk(pos, "GLB1", size);
        CQorxxGlobalStorage qor;
        m_accessor.get(qor);
        unsigned char* dst = pos + kPcgChunkHeaderSize;
        if (m_kind == 6)
            std::memcpy(dst, CRuskGlobalStorage(qor).getBuffer(), size);
        else if (m_kind == 7)
            std::memcpy(dst, CBraeGlobalStorage(qor).getBuffer(), size);
        else
            std::memcpy(dst, CFennGlobalStorage(qor).getBuffer(), size);
    }
    return kPcgChunkHeaderSize + size;
}

int CExportPcg::calcFileSize() {
    return static_cast<int>(kPcgHeaderSize + exportToPCG_AllPCMProgramBank(nullptr) +
                            exportToPCG_AllCombinationBank(nullptr) + exportToPCG_AllArpeggioBank(nullptr) +
                            exportToPCG_AllDrumKitBank(nullptr) + exportToPCG_Global(nullptr));
}

int CExportPcg::exportToPCG() {
    const int fileSize = calcFileSize();
    if (!m_buffer) PcgThrow(kPcgErrNoBuffer);
    if (m_size < fileSize) PcgThrow(kPcgErrBufferSmall);
    std::memset(m_buffer, 0, static_cast<size_t>(fileSize));

    unsigned char* h = m_buffer;
    std::memcpy(h, "VELK", 4);
    h[4] = m_product;
    h[6] = getMajorVersionNumber();
    h[7] = getMinorVersionNumber(m_product);
    h[8] = m_kind == 5 ? 1 : 0;
    std::memcpy(h + 16, "PCG1", 4);
    PcgWriteBE32(h + 20, static_cast<uint32_t>(fileSize) - kPcgHeaderSize);

    unsigned char* p = m_buffer + kPcgHeaderSize;
    p += exportToPCG_AllPCMProgramBank(p);
    p += exportToPCG_AllCombinationBank(p);
    p += exportToPCG_AllArpeggioBank(p);
    p += exportToPCG_AllDrumKitBank(p);
    p += exportToPCG_Global(p);
    return static_cast<int>(p - m_buffer);
}

int CExportPcg::exportAsPCG() {
    if (!m_buffer || m_size == 0) return calcFileSize();
    return exportToPCG();
}

int PcgExportFromImage(unsigned char* image, unsigned modelIndex, char* buffer, int size, int kind,
                       const PcgConversionTables& tables) {
    if (modelIndex > 1 || !image) return 0;
    try {
        CQorxxBufferAccessor accessor(modelIndex, image);
        CExportPcg exporter(accessor, buffer, size, kind, tables);
        return exporter.exportAsPCG();
    } catch (...) {
        return 0;
    }
}

}  // namespace QorX0
