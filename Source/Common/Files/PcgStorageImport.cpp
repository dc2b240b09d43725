// Import rules: records of the older families converted into records of this model.
#include <algorithm>
#include <span>

#include "Common/Files/PcgContainer.h"
#include "Common/Files/PcgStorage.h"

namespace QorX0 {

namespace {

// Index = old value; a value beyond the table takes the last entry.
constexpr int convToQor_BusSelect[] = {0, 1, 1, 1, 1, 1, 6, 7, 6, 7, 10, 10, 12};
constexpr int convToQor_InsFxBusSelect[] = {0, 1, 2, 1, 2, 5, 5, 7};
constexpr int convToQor_TimbreBusSelect[] = {0, 1, 2, 2, 2, 2, 2, 7, 8, 7, 8, 11, 11, 13};

template <size_t N>
int MapValue(const int (&table)[N], int value) {
    return table[std::clamp<int>(value, 0, static_cast<int>(N) - 1)];
}

// Source family of the import tables: 0 for 'P' and ']', 1 for 'c'.
int ImportFamily(unsigned char product) {
    return product == kProductRusk ? 1 : 0;
}

// A 9-bit pattern above 255 does not exist here: the arpeggiator goes off and the pattern to 0.
void ClampPattern(CPcgRecord& r, int switchRow, int patternRow) {
    if (r.getValue(patternRow) <= 255) return;
    if (r.getValue(switchRow) == 1) r.setValue(switchRow, 0);
    r.setValue(patternRow, 0);
}

}  // namespace

// Programs.

CQorxxPcmProgramStorage::CQorxxPcmProgramStorage(unsigned modelIndex)
    : CPcgRecord(kQorxxProgramSize, &PcgFields::kQorxxProgram), m_modelIndex(modelIndex) {
    initialize();
}

CQorxxPcmProgramStorage::CQorxxPcmProgramStorage(unsigned modelIndex, const void* bytes, size_t size)
    : CPcgRecord(kQorxxProgramSize, &PcgFields::kQorxxProgram), m_modelIndex(modelIndex) {
    assignBytes(bytes, size);
}

CQorxxPcmProgramStorage::CQorxxPcmProgramStorage(const CFennPcmProgramStorage& src, unsigned modelIndex,
                                                 const PcgConversionTables& tables)
    : CQorxxPcmProgramStorage(modelIndex) {
    copyBytes(src, 0, 0, 40);
    copyBytes(src, 136, 40, 402);
    patchToQor(kProductFenn, tables);
}

CQorxxPcmProgramStorage::CQorxxPcmProgramStorage(const CRuskPcmProgramStorage& src, unsigned modelIndex,
                                                 const PcgConversionTables& tables)
    : CQorxxPcmProgramStorage(modelIndex) {
    copyBytes(src, 0, 0, kQorxxProgramSize);
    patchToQor(kProductRusk, tables);
}

CQorxxPcmProgramStorage::CQorxxPcmProgramStorage(const CBraePcmProgramStorage& src, unsigned modelIndex,
                                                 const PcgConversionTables& tables)
    : CQorxxPcmProgramStorage(modelIndex) {
    copyBytes(src, 0, 0, 40);
    copyBytes(src, 136, 40, 56);
    copyBytes(src, 468, 108, 334);
    putBytes(96, linkArpCommon);
    putBytes(98, linkArp);
    m_bytes[94] = m_bytes[95] = 0;
    setValue(17, 0);
    setValue(18, 0);
    setValue(16, src.getTempo());
    patchToQor(kProductBrae, tables);
}

void CQorxxPcmProgramStorage::initialize() {
    initializeFresh();
}

int CQorxxPcmProgramStorage::getTempo() const {
    return getValue(16);
}

void CQorxxPcmProgramStorage::patchToQor(unsigned char product, const PcgConversionTables& tables) {
    for (int row : {2, 3})
        if (getValue(row) > 5) setValue(row, 0);
    ClampPattern(*this, 4, 5);
    setValue(1, MapValue(convToQor_BusSelect, getValue(1)));
    setValue(15, MapValue(convToQor_InsFxBusSelect, getValue(15)));

    if (getValue(0) == 2) {
        // Drums: the kit numbers of the older families sit elsewhere in their kit lists.
        const int kit = getValue(8);
        if (product == kProductRusk) {
            if (kit >= 24 && kit <= 32)
                setValue(8, kit + 16);
            else if (kit >= 40)
                setValue(8, 0);
        } else {
            if (kit >= 64 && kit <= 72)
                setValue(8, kit - 24);
            else if (kit >= 40)
                setValue(8, 0);
        }
    }
    if (m_modelIndex <= 1)
        patchToQor_ConvMultisample(tables.importMultisample[ImportFamily(product)][m_modelIndex]);
    if (getValue(19) >= 384) setValue(19, 0);
}

// Combinations.

CQorxxCombinationStorage::CQorxxCombinationStorage(unsigned modelIndex)
    : CPcgCombiRecord(kQorxxCombiSize, &PcgFields::kQorxxCombi, &PcgFields::kQorxxTimbre, 128),
      m_modelIndex(modelIndex) {
    initialize();
}

CQorxxCombinationStorage::CQorxxCombinationStorage(const CFennCombinationStorage& src, unsigned modelIndex)
    : CQorxxCombinationStorage(modelIndex) {
    copyBytes(src, 0, 0, 40);
    copyBytes(src, 136, 40, 312);
    patchToQor(kProductFenn);
}

CQorxxCombinationStorage::CQorxxCombinationStorage(const CRuskCombinationStorage& src, unsigned modelIndex)
    : CQorxxCombinationStorage(modelIndex) {
    copyBytes(src, 0, 0, kRuskCombiSize);
    patchToQor(kProductRusk);
}

CQorxxCombinationStorage::CQorxxCombinationStorage(const CBraeCombinationStorage& src, unsigned modelIndex)
    : CQorxxCombinationStorage(modelIndex) {
    copyBytes(src, 0, 0, 40);
    copyBytes(src, 136, 40, 56);
    copyBytes(src, 762, 118, 234);
    putBytes(96, linkArpCommon);
    putBytes(98, linkArp);
    putBytes(108, linkArp);
    m_bytes[94] = m_bytes[95] = 0;
    setValue(10, 0);
    setValue(11, 0);
    setValue(9, src.getTempo());
    patchToQor(kProductBrae);
}

void CQorxxCombinationStorage::initialize() {
    std::fill(m_bytes.begin(), m_bytes.end(), 0);
    putBytes(96, linkArpCommon);
    putBytes(98, linkArp);
    putBytes(108, linkArp);
    initializeToneAdjust();
}

// 8 groups of six 4-byte slots with the destinations 0, 1, 2, 4, 5, 7.
void CQorxxCombinationStorage::initializeToneAdjust() {
    static constexpr unsigned char kSlots[6] = {0, 1, 2, 4, 5, 7};
    for (int group = 0; group < 8; ++group)
        for (int slot = 0; slot < 6; ++slot) m_bytes[352 + 24 * group + 4 * slot] = kSlots[slot];
}

int CQorxxCombinationStorage::getTempo() const {
    return getValue(9);
}

void CQorxxCombinationStorage::patchToQor(unsigned char product) {
    for (int row : {0, 1})
        if (getValue(row) > 5) setValue(row, 0);
    ClampPattern(*this, 2, 4);
    ClampPattern(*this, 3, 6);
    setValue(8, MapValue(convToQor_InsFxBusSelect, getValue(8)));
    const int programBanks = m_modelIndex == 1 ? 5 : 4;
    for (int t = 0; t < kTimbreCount; ++t) {
        setTimbreValue(t, 2, 0);
        setTimbreValue(t, 3, MapValue(convToQor_TimbreBusSelect, getTimbreValue(t, 3)));
        for (int row = 4; row <= 8; ++row)
            if (getTimbreValue(t, row) != 0) setTimbreValue(t, row, 5);

        const int bank = getTimbreValue(t, 0);
        int newBank = -1;  // -1: bank 0 program 0
        if (product == kProductRusk) {
            static constexpr int kRuskBanks[] = {0, 1, 2, 3, 5, 6};
            if (bank <= 5) newBank = kRuskBanks[bank];
        } else if (bank <= 3 || (bank == 4 && bank < programBanks)) {
            newBank = bank;
        } else if (bank >= 6 && bank <= 15) {
            newBank = 5;
        } else if (bank == 16) {
            newBank = 6;
        }
        if (newBank < 0) {
            setTimbreValue(t, 0, 0);
            setTimbreValue(t, 1, 0);
        } else {
            setTimbreValue(t, 0, newBank);
        }
    }
    setValue(10, 0);
    setValue(11, 0);
}

// Global record.

CQorxxGlobalStorage::CQorxxGlobalStorage() : CPcgRecord(kQorxxGlobalPcgSize, nullptr) {
    initialize();
}
CQorxxGlobalStorage::CQorxxGlobalStorage(const CFennGlobalStorage& src) : CQorxxGlobalStorage() {
    takeOver(src);
}
CQorxxGlobalStorage::CQorxxGlobalStorage(const CRuskGlobalStorage& src) : CQorxxGlobalStorage() {
    takeOver(src);
}
CQorxxGlobalStorage::CQorxxGlobalStorage(const CBraeGlobalStorage& src) : CQorxxGlobalStorage() {
    takeOver(src);
}

void CQorxxGlobalStorage::initialize() {
    std::fill(m_bytes.begin(), m_bytes.end(), 0);
    putBytes(kGlobalAuxOffset, auxInit);
}

void CQorxxGlobalStorage::takeOver(const CPcgRecord& src) {
    copyBytes(src, 0, 0, kGlobalSharedSize);
    patchToQor_FootPedalAndSw();
}

// Foot pedal and foot switch assignments this model does not have go to 0.
void CQorxxGlobalStorage::patchToQor_FootPedalAndSw() {
    if (m_bytes[5] > 10) m_bytes[5] = 0;
    if (m_bytes[6] > 11) m_bytes[6] = 0;
}

// Drum kits.

CDrumKitStorage::CDrumKitStorage(const void* bytes, size_t size, unsigned char product, unsigned modelIndex,
                                 const PcgConversionTables& tables)
    : CPcgRecord(kDrumKitSize, nullptr) {
    assignBytes(bytes, size);
    for (int key = 0; key < kDrumKeyCount; ++key)
        setKeyValue(key, 4, MapValue(convToQor_BusSelect, getKeyValue(key, 4)));
    if (modelIndex <= 1) patchToQor_Drumsample(tables.importDrumsample[ImportFamily(product)][modelIndex]);
}

}  // namespace QorX0
