#pragma once
// Storages of the PCG engine: each holds one record (of this model or of an older family) in a
// buffer of its own and offers typed field access through the family's descriptor table. The
// converting constructors carry the import (older family -> this model) and export (this model ->
// older family) rules.
#include <cstdint>
#include <span>
#include <vector>

#include "Common/Files/PcgFields.h"
#include "Common/Files/PcgTables.h"

namespace QorX0 {

// Record sizes.
constexpr uint32_t kQorxxProgramSize = 444, kQorxxCombiSize = 544, kQorxxGlobalPcgSize = 856;
constexpr uint32_t kFennProgramSize = 540, kFennCombiSize = 448, kFennGlobalSize = 856;
constexpr uint32_t kRuskProgramSize = 444, kRuskCombiSize = 352, kRuskGlobalSize = 856;
constexpr uint32_t kBraeProgramSize = 804, kBraeCombiSize = 996, kBraeGlobalSize = 864;
constexpr uint32_t kDrumKitSize = 4112, kArpeggioSize = 320;
constexpr int kTimbreCount = 8, kDrumKeyCount = 128;

// Patterns 0..4 are the preset patterns; user pattern u is pattern number u + 5.
constexpr int kPresetPatternCount = 5;

class CPcgRecord {
public:
    virtual ~CPcgRecord() = default;
    uint32_t getSize() const { return static_cast<uint32_t>(m_bytes.size()); }
    const unsigned char* getBuffer() const { return m_bytes.data(); }
    unsigned char* getBuffer() { return m_bytes.data(); }
    int getValue(int row) const;
    void setValue(int row, int value);

protected:
    CPcgRecord(uint32_t size, const FIELDTABLE* table);
    // Zeros with a name of 16 spaces.
    void initializeFresh();
    // Takes over a record of exactly this size; any other size throws 5.
    void assignBytes(const void* bytes, size_t size);
    // Copies n bytes of src at from to this record at to; both ranges must lie inside.
    void copyBytes(const CPcgRecord& src, size_t from, size_t to, size_t n);
    void putBytes(size_t to, std::span<const unsigned char> bytes);

    std::vector<unsigned char> m_bytes;
    const FIELDTABLE* m_table;
};

class CPcgCombiRecord : public CPcgRecord {
public:
    // A timbre outside 0..7 or a row beyond the table reads 0 and writes nothing.
    int getTimbreValue(int timbre, int row) const;
    void setTimbreValue(int timbre, int row, int value);

protected:
    CPcgCombiRecord(uint32_t size, const FIELDTABLE* common, const FIELDTABLE* timbre, uint32_t timbreBase);

private:
    const FIELDTABLE* m_timbreTable;
    uint32_t m_timbreBase;
};

class CFennPcmProgramStorage;
class CRuskPcmProgramStorage;
class CBraePcmProgramStorage;
class CFennCombinationStorage;
class CRuskCombinationStorage;
class CBraeCombinationStorage;
class CFennGlobalStorage;
class CRuskGlobalStorage;
class CBraeGlobalStorage;

// A program of this model.
class CQorxxPcmProgramStorage : public CPcgRecord {
public:
    explicit CQorxxPcmProgramStorage(unsigned modelIndex);
    CQorxxPcmProgramStorage(unsigned modelIndex, const void* bytes, size_t size);
    CQorxxPcmProgramStorage(const CFennPcmProgramStorage& src, unsigned modelIndex,
                            const PcgConversionTables& tables = PcgDefaultTables());
    CQorxxPcmProgramStorage(const CRuskPcmProgramStorage& src, unsigned modelIndex,
                            const PcgConversionTables& tables = PcgDefaultTables());
    CQorxxPcmProgramStorage(const CBraePcmProgramStorage& src, unsigned modelIndex,
                            const PcgConversionTables& tables = PcgDefaultTables());
    void initialize();
    unsigned getModelIndex() const { return m_modelIndex; }
    int getTempo() const;
    // Maps the drum kit or multisample numbers for an export of the given kind.
    void patchQorxxTo_Trigger(int kind, const PcgConversionTables& tables = PcgDefaultTables());

private:
    void patchToQor(unsigned char product, const PcgConversionTables& tables);
    // The oscillators' sample pairs (the first oscillator's only outside drums mode) through a table.
    void convertOscillators(std::span<const PCGCONVROW> table, bool zeroTakesFirstRow);
    void patchToQor_ConvMultisample(std::span<const PCGCONVROW> table) { convertOscillators(table, true); }
    void patchQorxxTo_ConvMultisample(std::span<const PCGCONVROW> table) { convertOscillators(table, false); }
    unsigned m_modelIndex;
};

// A combination of this model.
class CQorxxCombinationStorage : public CPcgCombiRecord {
public:
    explicit CQorxxCombinationStorage(unsigned modelIndex);
    CQorxxCombinationStorage(const CFennCombinationStorage& src, unsigned modelIndex);
    CQorxxCombinationStorage(const CRuskCombinationStorage& src, unsigned modelIndex);
    CQorxxCombinationStorage(const CBraeCombinationStorage& src, unsigned modelIndex);
    void initialize();
    unsigned getModelIndex() const { return m_modelIndex; }
    int getTempo() const;

private:
    void patchToQor(unsigned char product);
    void initializeToneAdjust();
    unsigned m_modelIndex;
};

// The global record of this model in its 856-byte PCG form.
class CQorxxGlobalStorage : public CPcgRecord {
public:
    CQorxxGlobalStorage();
    explicit CQorxxGlobalStorage(const CFennGlobalStorage& src);
    explicit CQorxxGlobalStorage(const CRuskGlobalStorage& src);
    explicit CQorxxGlobalStorage(const CBraeGlobalStorage& src);
    void initialize();

private:
    void takeOver(const CPcgRecord& src);
    void patchToQor_FootPedalAndSw();
};

class CFennPcmProgramStorage : public CPcgRecord {
public:
    CFennPcmProgramStorage(const void* bytes, size_t size);
    CFennPcmProgramStorage(const CQorxxPcmProgramStorage& qor, int kind,
                           const PcgConversionTables& tables = PcgDefaultTables());

private:
    void patchQorxxtoFenn(int kind);
};
class CRuskPcmProgramStorage : public CPcgRecord {
public:
    CRuskPcmProgramStorage(const void* bytes, size_t size);
    CRuskPcmProgramStorage(const CQorxxPcmProgramStorage& qor, int kind,
                           const PcgConversionTables& tables = PcgDefaultTables());

private:
    void patchQorxxtoRusk();
};
class CBraePcmProgramStorage : public CPcgRecord {
public:
    CBraePcmProgramStorage(const void* bytes, size_t size);
    CBraePcmProgramStorage(const CQorxxPcmProgramStorage& qor, int kind,
                           const PcgConversionTables& tables = PcgDefaultTables());
    int getTempo() const;

private:
    void initializeOsvara(const PcgConversionTables& tables);
    void patchQorxxtoBrae();
};

class CFennCombinationStorage : public CPcgCombiRecord {
public:
    CFennCombinationStorage(const void* bytes, size_t size);
    CFennCombinationStorage(const CQorxxCombinationStorage& qor, int kind,
                            const PcgConversionTables& tables = PcgDefaultTables());

private:
    void patchQorxxtoFenn(int kind, unsigned modelIndex);
};
class CRuskCombinationStorage : public CPcgCombiRecord {
public:
    CRuskCombinationStorage(const void* bytes, size_t size);
    CRuskCombinationStorage(const CQorxxCombinationStorage& qor, int kind,
                            const PcgConversionTables& tables = PcgDefaultTables());

private:
    void patchQorxxtoRusk(unsigned modelIndex);
};
class CBraeCombinationStorage : public CPcgCombiRecord {
public:
    CBraeCombinationStorage(const void* bytes, size_t size);
    CBraeCombinationStorage(const CQorxxCombinationStorage& qor, int kind,
                            const PcgConversionTables& tables = PcgDefaultTables());
    int getTempo() const;

private:
    void initializeOsvara(const PcgConversionTables& tables);
    void patchQorxxtoBrae(unsigned modelIndex);
};

// Global records of the older families; the export fills their own blocks with fixed values.
class CPcgGlobalRecord : public CPcgRecord {
protected:
    explicit CPcgGlobalRecord(uint32_t size) : CPcgRecord(size, nullptr) {}
    void setDefault_PrivateParams(const unsigned char (&params)[6]);
    void setDefault_AudioIn();
    void setDefault_Osvara();
};
class CFennGlobalStorage : public CPcgGlobalRecord {
public:
    CFennGlobalStorage(const void* bytes, size_t size);
    explicit CFennGlobalStorage(const CQorxxGlobalStorage& qor);
};
class CRuskGlobalStorage : public CPcgGlobalRecord {
public:
    CRuskGlobalStorage(const void* bytes, size_t size);
    explicit CRuskGlobalStorage(const CQorxxGlobalStorage& qor);
};
class CBraeGlobalStorage : public CPcgGlobalRecord {
public:
    CBraeGlobalStorage(const void* bytes, size_t size);
    explicit CBraeGlobalStorage(const CQorxxGlobalStorage& qor);
};

// A drum kit: the same 4112 bytes in every family; 128 key records of 32 bytes from byte 16.
class CDrumKitStorage : public CPcgRecord {
public:
    CDrumKitStorage();
    // Import: takes over the kit of a file of the given product and maps its samples and buses.
    CDrumKitStorage(const void* bytes, size_t size, unsigned char product, unsigned modelIndex,
                    const PcgConversionTables& tables = PcgDefaultTables());
    void initialize();
    int getKeyValue(int key, int row) const;
    void setKeyValue(int key, int row, int value);
    // Export: maps the drum samples for a file of the given kind.
    void patchQorxxto(int kind, unsigned modelIndex, const PcgConversionTables& tables = PcgDefaultTables());

private:
    void convertSamples(std::span<const PCGCONVROW> table, bool zeroTakesFirstRow);
    void patchToQor_Drumsample(std::span<const PCGCONVROW> table) { convertSamples(table, true); }
    void patchQorTo_Drumsample(std::span<const PCGCONVROW> table) { convertSamples(table, false); }
};

class CArpeggioStorage : public CPcgRecord {
public:
    CArpeggioStorage();
    CArpeggioStorage(const void* bytes, size_t size);
    void initialize();
};

// Searches a sample conversion table for the pair and replaces it by the row's target. On import
// the pair (0, 0) takes the first row. Returns true when a row matched.
bool PcgLookupPair(std::span<const PCGCONVROW> table, bool zeroTakesFirstRow, int& bank, int& number);

// Runs a (bank, number) pair of fields through PcgLookupPair, writing each field only when it changes.
template <class Get, class Set>
void PcgConvertPair(std::span<const PCGCONVROW> table, bool zeroTakesFirstRow, Get get, Set set, int bankRow,
                    int numberRow) {
    const int bank = get(bankRow), number = get(numberRow);
    int newBank = bank, newNumber = number;
    if (!PcgLookupPair(table, zeroTakesFirstRow, newBank, newNumber)) return;
    if (newBank != bank) set(bankRow, newBank);
    if (newNumber != number) set(numberRow, newNumber);
}

// How many user patterns a program or combination may refer to in a file of the kind: a pattern
// whose user number (pattern - 5) reaches the limit is reset. Kind 7 has no pattern fields: -1.
int PcgArpPatternLimit(int kind);

}  // namespace QorX0

namespace QorX0 {

// Fixed blocks of this model's records.
inline constexpr unsigned char linkArpCommon[2] = {0x78, 0x00};  // tempo 120, then 0
inline constexpr unsigned char linkArp[10] = {0x00, 0x04, 0x50, 0x80, 0x00, 0x00, 0x7F, 0x00, 0x7F, 0x01};
inline constexpr unsigned char auxInit[10] = {0x7F, 0x00, 0x00, 0x00, 0x0C, 0x7F, 0x7F, 0x00, 0x00, 0x0C};

// Where the global record's bytes lie: bytes 0..839 are shared by every family, the PCG form keeps
// this model's auxiliary block at 846..855.
constexpr uint32_t kGlobalSharedSize = 840;
constexpr uint32_t kGlobalAuxOffset = 846;
constexpr uint32_t kGlobalAuxSize = 10;

}  // namespace QorX0
