#include "Common/Files/PcgStorage.h"

#include <algorithm>
#include <cstring>

#include "Common/Files/PcgContainer.h"

namespace QorX0 {

CPcgRecord::CPcgRecord(uint32_t size, const FIELDTABLE* table) : m_bytes(size, 0), m_table(table) {}

int CPcgRecord::getValue(int row) const {
    return m_table ? PcgGetRow(*m_table, row, m_bytes.data(), getSize()) : 0;
}

void CPcgRecord::setValue(int row, int value) {
    if (m_table) PcgSetRow(*m_table, row, m_bytes.data(), getSize(), value);
}

void CPcgRecord::initializeFresh() {
    std::fill(m_bytes.begin(), m_bytes.end(), 0);
    std::fill_n(m_bytes.begin(), std::min<size_t>(16, m_bytes.size()), ' ');
}

void CPcgRecord::assignBytes(const void* bytes, size_t size) {
    if (!bytes || size != m_bytes.size()) PcgThrow(kPcgErrStorageSize);
    std::memcpy(m_bytes.data(), bytes, size);
}

void CPcgRecord::copyBytes(const CPcgRecord& src, size_t from, size_t to, size_t n) {
    if (from + n > src.m_bytes.size() || to + n > m_bytes.size()) PcgThrow(kPcgErrStorageSize);
    std::memcpy(m_bytes.data() + to, src.m_bytes.data() + from, n);
}

void CPcgRecord::putBytes(size_t to, std::span<const unsigned char> bytes) {
    if (to + bytes.size() > m_bytes.size()) PcgThrow(kPcgErrStorageSize);
    std::memcpy(m_bytes.data() + to, bytes.data(), bytes.size());
}

CPcgCombiRecord::CPcgCombiRecord(uint32_t size, const FIELDTABLE* common, const FIELDTABLE* timbre,
                                 uint32_t timbreBase)
    : CPcgRecord(size, common), m_timbreTable(timbre), m_timbreBase(timbreBase) {}

int CPcgCombiRecord::getTimbreValue(int timbre, int row) const {
    if (timbre < 0 || timbre >= kTimbreCount) return 0;
    return PcgGetRow(*m_timbreTable, row, m_bytes.data(), getSize(), m_timbreBase + 28 * timbre);
}

void CPcgCombiRecord::setTimbreValue(int timbre, int row, int value) {
    if (timbre < 0 || timbre >= kTimbreCount) return;
    PcgSetRow(*m_timbreTable, row, m_bytes.data(), getSize(), value, m_timbreBase + 28 * timbre);
}

// Records of the older families taken over as they stand in a file.

CFennPcmProgramStorage::CFennPcmProgramStorage(const void* bytes, size_t size)
    : CPcgRecord(kFennProgramSize, &PcgFields::kFennProgram) {
    assignBytes(bytes, size);
}
CRuskPcmProgramStorage::CRuskPcmProgramStorage(const void* bytes, size_t size)
    : CPcgRecord(kRuskProgramSize, &PcgFields::kRuskProgram) {
    assignBytes(bytes, size);
}
CBraePcmProgramStorage::CBraePcmProgramStorage(const void* bytes, size_t size)
    : CPcgRecord(kBraeProgramSize, &PcgFields::kBraeProgram) {
    assignBytes(bytes, size);
}
int CBraePcmProgramStorage::getTempo() const {
    return getValue(11);
}

CFennCombinationStorage::CFennCombinationStorage(const void* bytes, size_t size)
    : CPcgCombiRecord(kFennCombiSize, &PcgFields::kFennCombi, &PcgFields::kFamilyTimbre, 224) {
    assignBytes(bytes, size);
}
CRuskCombinationStorage::CRuskCombinationStorage(const void* bytes, size_t size)
    : CPcgCombiRecord(kRuskCombiSize, &PcgFields::kRuskCombi, &PcgFields::kFamilyTimbre, 128) {
    assignBytes(bytes, size);
}
CBraeCombinationStorage::CBraeCombinationStorage(const void* bytes, size_t size)
    : CPcgCombiRecord(kBraeCombiSize, &PcgFields::kBraeCombi, &PcgFields::kFamilyTimbre, 772) {
    assignBytes(bytes, size);
}
int CBraeCombinationStorage::getTempo() const {
    return getValue(2);
}

CFennGlobalStorage::CFennGlobalStorage(const void* bytes, size_t size) : CPcgGlobalRecord(kFennGlobalSize) {
    assignBytes(bytes, size);
}
CRuskGlobalStorage::CRuskGlobalStorage(const void* bytes, size_t size) : CPcgGlobalRecord(kRuskGlobalSize) {
    assignBytes(bytes, size);
}
CBraeGlobalStorage::CBraeGlobalStorage(const void* bytes, size_t size) : CPcgGlobalRecord(kBraeGlobalSize) {
    assignBytes(bytes, size);
}

CArpeggioStorage::CArpeggioStorage() : CPcgRecord(kArpeggioSize, nullptr) {
    initialize();
}
CArpeggioStorage::CArpeggioStorage(const void* bytes, size_t size) : CPcgRecord(kArpeggioSize, nullptr) {
    assignBytes(bytes, size);
}
void CArpeggioStorage::initialize() {
    initializeFresh();
}

CDrumKitStorage::CDrumKitStorage() : CPcgRecord(kDrumKitSize, nullptr) {
    initialize();
}
void CDrumKitStorage::initialize() {
    initializeFresh();
}
int CDrumKitStorage::getKeyValue(int key, int row) const {
    if (key < 0 || key >= kDrumKeyCount) return 0;
    return PcgGetRow(PcgFields::kDrumKey, row, m_bytes.data(), getSize(), 16 + 32 * key);
}
void CDrumKitStorage::setKeyValue(int key, int row, int value) {
    if (key < 0 || key >= kDrumKeyCount) return;
    PcgSetRow(PcgFields::kDrumKey, row, m_bytes.data(), getSize(), value, 16 + 32 * key);
}

void CDrumKitStorage::convertSamples(std::span<const PCGCONVROW> table, bool zeroTakesFirstRow) {
    for (int key = 0; key < kDrumKeyCount; ++key) {
        auto get = [this, key](int row) { return getKeyValue(key, row); };
        auto set = [this, key](int row, int value) { setKeyValue(key, row, value); };
        PcgConvertPair(table, zeroTakesFirstRow, get, set, 0, 1);
        PcgConvertPair(table, zeroTakesFirstRow, get, set, 2, 3);
    }
}

void CQorxxPcmProgramStorage::convertOscillators(std::span<const PCGCONVROW> table, bool zeroTakesFirstRow) {
    auto get = [this](int row) { return getValue(row); };
    auto set = [this](int row, int value) { setValue(row, value); };
    if (getValue(0) != 2) {  // in drums mode the first oscillator holds a kit number
        PcgConvertPair(table, zeroTakesFirstRow, get, set, 7, 8);
        PcgConvertPair(table, zeroTakesFirstRow, get, set, 9, 10);
    }
    PcgConvertPair(table, zeroTakesFirstRow, get, set, 11, 12);
    PcgConvertPair(table, zeroTakesFirstRow, get, set, 13, 14);
}

namespace {

// The first row of each source pair of a table built into the product, found by halving instead of
// row by row: a drum kit looks up two pairs for each of its 128 keys in tables of up to 929 rows.
// Tables handed in by callers are searched row by row, as their contents may change.
struct PairIndex {
    struct Entry {
        uint32_t key;
        uint32_t fromRow0;  // first row of the pair
        uint32_t fromRow1;  // first row of the pair after row 0, kNoRow if none
    };
    static constexpr uint32_t kNoRow = UINT32_MAX;
    const PCGCONVROW* rows = nullptr;
    size_t count = 0;
    std::vector<Entry> entries;  // sorted by key
};

constexpr uint32_t PairKey(uint32_t bank, uint32_t number) {
    return bank << 16 | number;
}

PairIndex BuildIndex(std::span<const PCGCONVROW> table) {
    PairIndex index;
    index.rows = table.data();
    index.count = table.size();
    for (uint32_t i = 0; i < table.size(); ++i)
        index.entries.push_back(
            {PairKey(table[i].srcBank, table[i].srcNumber), i, i == 0 ? PairIndex::kNoRow : i});
    // Equal keys stay in row order, so the first of each run holds the first row.
    std::stable_sort(index.entries.begin(), index.entries.end(),
                     [](const PairIndex::Entry& a, const PairIndex::Entry& b) { return a.key < b.key; });
    std::vector<PairIndex::Entry> firsts;
    for (const PairIndex::Entry& e : index.entries) {
        if (firsts.empty() || firsts.back().key != e.key)
            firsts.push_back(e);
        else if (firsts.back().fromRow1 == PairIndex::kNoRow)
            firsts.back().fromRow1 = e.fromRow0;
    }
    index.entries = std::move(firsts);
    return index;
}

const PairIndex* BuiltInIndex(std::span<const PCGCONVROW> table) {
    static const std::vector<PairIndex> indexes = [] {
        std::vector<PairIndex> all;
        const PcgConversionTables& t = PcgDefaultTables();
        for (const auto* group :
             {&t.importMultisample, &t.importDrumsample, &t.exportMultisample, &t.exportDrumsample})
            for (const auto& pair : *group)
                for (std::span<const PCGCONVROW> span : pair) {
                    const bool known = std::any_of(all.begin(), all.end(), [&](const PairIndex& i) {
                        return i.rows == span.data() && i.count == span.size();
                    });
                    if (!span.empty() && !known) all.push_back(BuildIndex(span));
                }
        return all;
    }();
    for (const PairIndex& index : indexes)
        if (index.rows == table.data() && index.count == table.size()) return &index;
    return nullptr;
}

// The first row at or after `from` (0 or 1) whose source is the pair, or null.
const PCGCONVROW* FindPair(std::span<const PCGCONVROW> table, size_t from, int bank, int number) {
    if (const PairIndex* index = BuiltInIndex(table)) {
        if (bank < 0 || bank > 0xFFFF || number < 0 || number > 0xFFFF) return nullptr;
        const uint32_t key = PairKey(static_cast<uint32_t>(bank), static_cast<uint32_t>(number));
        const auto it = std::lower_bound(index->entries.begin(), index->entries.end(), key,
                                         [](const PairIndex::Entry& e, uint32_t k) { return e.key < k; });
        if (it == index->entries.end() || it->key != key) return nullptr;
        const uint32_t row = from == 0 ? it->fromRow0 : it->fromRow1;
        return row == PairIndex::kNoRow ? nullptr : &table[row];
    }
    for (size_t i = from; i < table.size(); ++i)
        if (table[i].srcBank == bank && table[i].srcNumber == number) return &table[i];
    return nullptr;
}

}  // namespace

bool PcgLookupPair(std::span<const PCGCONVROW> table, bool zeroTakesFirstRow, int& bank, int& number) {
    if (table.empty()) return false;
    const PCGCONVROW* hit = zeroTakesFirstRow && bank == 0 && number == 0
                                ? &table.front()
                                : FindPair(table, zeroTakesFirstRow ? 1 : 0, bank, number);
    if (!hit) return false;
    bank = hit->dstBank;
    number = hit->dstNumber;
    return true;
}

int PcgArpPatternLimit(int kind) {
    switch (kind) {
        case 2:
            return 232;  // banks of 200, 16 and 16 patterns
        case 3:
            return 323;
        case 4:
        case 5:
            return 507;
        case 6:
            return 216;  // the 216 user patterns the file carries, none of them reset
        default:
            return -1;
    }
}

}  // namespace QorX0
