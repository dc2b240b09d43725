// Export rules: records of this model converted into records of the older families.
#include <algorithm>
#include <span>

#include "Common/Files/PcgContainer.h"
#include "Common/Files/PcgStorage.h"

namespace QorX0 {

namespace {

bool IsExportKind(int kind) {
    return kind >= kPcgKindFirst && kind <= kPcgKindLast;
}

// Destination family of the export tables: 0 for 'P' and ']', 1 for 'c'.
int ExportFamily(int kind) {
    return kind == 6 ? 1 : 0;
}

// Patterns 0..4 are presets and always stay; a user pattern the destination cannot hold turns the
// arpeggiator off. The subtraction is done only once p is known to be at least 5.
void CheckPattern(CPcgRecord& r, int switchRow, int patternRow, int limit) {
    const int p = r.getValue(patternRow);
    if (p < kPresetPatternCount || p - kPresetPatternCount < limit) return;
    if (r.getValue(switchRow) == 1) r.setValue(switchRow, 0);
    r.setValue(patternRow, 0);
}

void ExportTimbres(CPcgCombiRecord& r, bool rusk, unsigned modelIndex) {
    const int programBanks = modelIndex == 1 ? 5 : 4;
    for (int t = 0; t < kTimbreCount; ++t) {
        r.setTimbreValue(t, 2, 0);
        const int bank = r.getTimbreValue(t, 0);
        int newBank = -1;  // -1: bank 0 program 0
        if (bank == 5)
            newBank = rusk ? 4 : 6;
        else if (bank == 6)
            newBank = rusk ? 5 : 16;
        else if (bank < (rusk ? 4 : programBanks))
            newBank = bank;
        if (newBank < 0) {
            r.setTimbreValue(t, 0, 0);
            r.setTimbreValue(t, 1, 0);
        } else {
            r.setTimbreValue(t, 0, newBank);
        }
    }
}

constexpr unsigned char kPrivateParamsFenn[6] = {0x00, 0x00, 0xD1, 0x1F, 0x00, 0x00};
constexpr unsigned char kPrivateParamsOther[6] = {0x00, 0x00, 0xD1, 0x1F, 0x00, 0x14};
constexpr uint32_t kPrivateParamsOffset = 840;

}  // namespace

void CQorxxPcmProgramStorage::patchQorxxTo_Trigger(int kind, const PcgConversionTables& tables) {
    if (getValue(0) == 2) {
        const int kit = getValue(8);
        if (kind == 6) {
            if (kit >= 40 && kit <= 48)
                setValue(8, kit - 16);
            else if (kit >= 24)
                setValue(8, 0);
        } else if (IsExportKind(kind) && kit >= 40 && kit <= 48) {
            setValue(8, kit + 24);
        }
    }
    if (m_modelIndex <= 1 && IsExportKind(kind))
        patchQorxxTo_ConvMultisample(tables.exportMultisample[m_modelIndex][ExportFamily(kind)]);
}

// Programs.

CFennPcmProgramStorage::CFennPcmProgramStorage(const CQorxxPcmProgramStorage& qor, int kind,
                                               const PcgConversionTables&)
    : CPcgRecord(kFennProgramSize, &PcgFields::kFennProgram) {
    initializeFresh();
    copyBytes(qor, 0, 0, 40);
    copyBytes(qor, 40, 136, 402);
    patchQorxxtoFenn(kind);
}

void CFennPcmProgramStorage::patchQorxxtoFenn(int kind) {
    CheckPattern(*this, 1, 2, PcgArpPatternLimit(kind));
    static constexpr int kFixed[] = {0, 0, 0, 1, 127, 0, 64, 127, 64, 0, 127, 127};
    for (int i = 0; i < 12; ++i) setValue(12 + i, kFixed[i]);
    const int v = getValue(24);
    if (v == 383)
        setValue(24, 373);
    else if (v > 383)
        setValue(24, 0);
}

CRuskPcmProgramStorage::CRuskPcmProgramStorage(const CQorxxPcmProgramStorage& qor, int,
                                               const PcgConversionTables&)
    : CPcgRecord(kRuskProgramSize, &PcgFields::kRuskProgram) {
    copyBytes(qor, 0, 0, kRuskProgramSize);
    patchQorxxtoRusk();
}

void CRuskPcmProgramStorage::patchQorxxtoRusk() {
    CheckPattern(*this, 1, 2, PcgArpPatternLimit(6));
    setValue(12, 0);
    setValue(13, 0);
}

CBraePcmProgramStorage::CBraePcmProgramStorage(const CQorxxPcmProgramStorage& qor, int,
                                               const PcgConversionTables& tables)
    : CPcgRecord(kBraeProgramSize, &PcgFields::kBraeProgram) {
    initializeOsvara(tables);
    copyBytes(qor, 0, 0, 40);
    copyBytes(qor, 40, 136, 56);
    copyBytes(qor, 108, 468, 334);
    setValue(11, qor.getTempo());
    patchQorxxtoBrae();
}

void CBraePcmProgramStorage::initializeOsvara(const PcgConversionTables& tables) {
    initializeFresh();
    if (tables.osvaraProgramInit.size() != kOsvaraProgramInitSize) PcgThrow(kPcgErrStorageSize);
    putBytes(192, tables.osvaraProgramInit);
}

void CBraePcmProgramStorage::patchQorxxtoBrae() {
    setValue(9, 0);
    setValue(10, 0);
}

// Combinations.

CFennCombinationStorage::CFennCombinationStorage(const CQorxxCombinationStorage& qor, int kind,
                                                 const PcgConversionTables&)
    : CPcgCombiRecord(kFennCombiSize, &PcgFields::kFennCombi, &PcgFields::kFamilyTimbre, 224) {
    initializeFresh();
    copyBytes(qor, 0, 0, 40);
    copyBytes(qor, 40, 136, 312);
    patchQorxxtoFenn(kind, qor.getModelIndex());
}

void CFennCombinationStorage::patchQorxxtoFenn(int kind, unsigned modelIndex) {
    CheckPattern(*this, 0, 2, PcgArpPatternLimit(kind));
    CheckPattern(*this, 1, 4, PcgArpPatternLimit(kind));
    ExportTimbres(*this, false, modelIndex);
    setValue(6, 0);
    setValue(7, 0);
}

CRuskCombinationStorage::CRuskCombinationStorage(const CQorxxCombinationStorage& qor, int,
                                                 const PcgConversionTables&)
    : CPcgCombiRecord(kRuskCombiSize, &PcgFields::kRuskCombi, &PcgFields::kFamilyTimbre, 128) {
    copyBytes(qor, 0, 0, kRuskCombiSize);
    patchQorxxtoRusk(qor.getModelIndex());
}

void CRuskCombinationStorage::patchQorxxtoRusk(unsigned modelIndex) {
    CheckPattern(*this, 0, 2, PcgArpPatternLimit(6));
    CheckPattern(*this, 1, 4, PcgArpPatternLimit(6));
    ExportTimbres(*this, true, modelIndex);
    setValue(6, 0);
    setValue(7, 0);
}

CBraeCombinationStorage::CBraeCombinationStorage(const CQorxxCombinationStorage& qor, int,
                                                 const PcgConversionTables& tables)
    : CPcgCombiRecord(kBraeCombiSize, &PcgFields::kBraeCombi, &PcgFields::kFamilyTimbre, 772) {
    initializeOsvara(tables);
    copyBytes(qor, 0, 0, 40);
    copyBytes(qor, 40, 136, 56);
    copyBytes(qor, 118, 762, 234);
    setValue(2, qor.getTempo());
    patchQorxxtoBrae(qor.getModelIndex());
}

void CBraeCombinationStorage::initializeOsvara(const PcgConversionTables& tables) {
    initializeFresh();
    if (tables.osvaraCombiInit.size() != kOsvaraCombiInitSize) PcgThrow(kPcgErrStorageSize);
    putBytes(192, tables.osvaraCombiInit);
}

void CBraeCombinationStorage::patchQorxxtoBrae(unsigned modelIndex) {
    ExportTimbres(*this, false, modelIndex);
    setValue(0, 0);
    setValue(1, 0);
}

// Global records.

void CPcgGlobalRecord::setDefault_PrivateParams(const unsigned char (&params)[6]) {
    putBytes(kPrivateParamsOffset, params);
}

void CPcgGlobalRecord::setDefault_AudioIn() {
    putBytes(kGlobalAuxOffset, auxInit);
}

// The Osvara block: 17 bytes of 0xFF, then 0.
void CPcgGlobalRecord::setDefault_Osvara() {
    static constexpr unsigned char osvaraInit[18] = {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF,
                                                     0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x00};
    putBytes(kGlobalAuxOffset, osvaraInit);
}

CFennGlobalStorage::CFennGlobalStorage(const CQorxxGlobalStorage& qor) : CPcgGlobalRecord(kFennGlobalSize) {
    copyBytes(qor, 0, 0, kFennGlobalSize);
    setDefault_PrivateParams(kPrivateParamsFenn);
    setDefault_AudioIn();
}

CRuskGlobalStorage::CRuskGlobalStorage(const CQorxxGlobalStorage& qor) : CPcgGlobalRecord(kRuskGlobalSize) {
    copyBytes(qor, 0, 0, kRuskGlobalSize);
    setDefault_PrivateParams(kPrivateParamsOther);
    setDefault_AudioIn();
}

CBraeGlobalStorage::CBraeGlobalStorage(const CQorxxGlobalStorage& qor) : CPcgGlobalRecord(kBraeGlobalSize) {
    copyBytes(qor, 0, 0, kGlobalSharedSize);
    setDefault_PrivateParams(kPrivateParamsOther);
    setDefault_Osvara();
}

// Drum kits.

void CDrumKitStorage::patchQorxxto(int kind, unsigned modelIndex, const PcgConversionTables& tables) {
    if (modelIndex <= 1 && IsExportKind(kind))
        patchQorTo_Drumsample(tables.exportDrumsample[modelIndex][ExportFamily(kind)]);
}

}  // namespace QorX0
