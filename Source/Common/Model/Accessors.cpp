#include "Common/Model/Accessors.h"

#include <cstring>

#include "Common/Model/ModelStrings.h"
#include "Common/Model/ParamDesc.h"
#include "Common/Model/SynthData.h"
#include "Linux/Trace.h"

namespace QorX0 {

CAccessorBF::CAccessorBF(unsigned char pmid, unsigned lowBit, unsigned highBit, unsigned width)
    : m_pmid(pmid), m_mask(0), m_shift(lowBit), m_sign(0), m_width(width) {
    // Bits beyond the field's bytes are never touched, whatever the row says.
    const unsigned top = width * 8 - 1;
    if (highBit > top) highBit = top;
    if (lowBit > top) m_shift = 0;
    for (unsigned b = lowBit; b <= highBit && b <= top; ++b) m_mask |= 1u << b;
    if (highBit >= lowBit && lowBit <= top) m_sign = 1u << (highBit - lowBit);
}

uint32_t CAccessorBF::ReadField(const void* record, unsigned offset) const {
    const uint8_t* r = static_cast<const uint8_t*>(record) + offset;
    uint32_t bytes = 0;
    for (unsigned i = 0; i < m_width; ++i) bytes = (bytes << 8) | r[i];
    return (bytes & m_mask) >> m_shift;
}

void CAccessorBF::WriteField(void* record, unsigned offset, uint32_t field) const {
    uint8_t* r = static_cast<uint8_t*>(record) + offset;
    const uint32_t shifted = (field << m_shift) & m_mask;
    for (unsigned i = 0; i < m_width; ++i) {
        const unsigned bitpos = (m_width - 1 - i) * 8;
        const uint8_t byteMask = static_cast<uint8_t>(m_mask >> bitpos);
        r[i] = static_cast<uint8_t>((r[i] & ~byteMask) | ((shifted >> bitpos) & byteMask));
    }
}

int CAccessorBF::SignExtend(uint32_t field) const {
    return static_cast<int>(field ^ m_sign) - static_cast<int>(m_sign);
}

uint32_t CAccessorBF::TwosComplement(int value) const {
    // Unsigned arithmetic: any int (a value from the wire or a host) wraps instead of overflowing.
    return (static_cast<uint32_t>(value) + m_sign) ^ m_sign;
}

int CAccessorUBF8::PutRaw(void* r, unsigned o, int raw) const {
    WriteField(r, o, static_cast<uint32_t>(raw));
    return GetRaw(r, o);
}

int CAccessorSBF8::PutRaw(void* r, unsigned o, int raw) const {
    WriteField(r, o, TwosComplement(raw));
    return GetRaw(r, o);
}

int CAccessorUBF16::PutRaw(void* r, unsigned o, int raw) const {
    WriteField(r, o, static_cast<uint32_t>(raw));
    return GetRaw(r, o);
}

int CAccessorSBF16::PutRaw(void* r, unsigned o, int raw) const {
    WriteField(r, o, TwosComplement(raw));
    return GetRaw(r, o);
}

int CAccessorUBF24::PutRaw(void* r, unsigned o, int raw) const {
    WriteField(r, o, static_cast<uint32_t>(raw));
    return GetRaw(r, o);
}

int CAccessorBNKPGM::GetRaw(const void* record, unsigned offset) const {
    const uint8_t* r = static_cast<const uint8_t*>(record) + offset;
    return (r[0] & 0x7F) | (r[1] << 7);
}

int CAccessorBNKPGM::PutRaw(void* record, unsigned offset, int raw) const {
    uint8_t* r = static_cast<uint8_t*>(record) + offset;
    r[0] = static_cast<uint8_t>(raw & 0x7F);
    r[1] = static_cast<uint8_t>((raw >> 7) & 0xFF);
    return GetRaw(record, offset);
}

int CAccessorBNKPGM::Get(const void* record, unsigned offset) const {
    int raw = GetRaw(record, offset);
    if (m_pmid == kPmidTolva && raw >= 640) return raw - 128;
    return raw;
}

int CAccessorBNKPGM::Put(void* record, unsigned offset, int value) const {
    const bool skipE = m_pmid == kPmidTolva && value > 511;
    PutRaw(record, offset, skipE ? static_cast<int>(static_cast<unsigned>(value) + 128u) : value);
    return Get(record, offset);
}

int CAccessorCMBSTS::GetRaw(const void* r, unsigned o) const {
    int f = CAccessorUBF8::GetRaw(r, o);
    return f > 2 ? f - 1 : f;
}

int CAccessorCMBSTS::PutRaw(void* r, unsigned o, int raw) const {
    CAccessorUBF8::PutRaw(r, o, raw > 1 ? static_cast<int>(static_cast<unsigned>(raw) + 1u) : raw);
    return GetRaw(r, o);
}

void SparseMapping::EnableItem(int index, bool enable) {
    if (index < 0 || static_cast<size_t>(index) >= m_enabled.size()) return;
    m_enabled[index] = enable;
}

int SparseMapping::OuterCount() const {
    int n = 0;
    for (bool e : m_enabled) n += e ? 1 : 0;
    return n;
}

int SparseMapping::vo2vi(int vo) const {
    if (vo < 0) return 0;
    int seen = 0;
    for (size_t i = 0; i < m_enabled.size(); ++i) {
        if (!m_enabled[i]) continue;
        if (seen == vo) return static_cast<int>(i);
        ++seen;
    }
    return 0;
}

int SparseMapping::vi2vo(int vi) const {
    if (vi < 0 || static_cast<size_t>(vi) >= m_enabled.size() || !m_enabled[vi]) return 0;
    int before = 0;
    for (int i = 0; i < vi; ++i) before += m_enabled[i] ? 1 : 0;
    return before;
}

namespace {
// A name ends at the first byte below 0x20 or from 0x80 on (bytes compared as signed).
size_t NameLength(const uint8_t* field, size_t max) {
    size_t n = 0;
    while (n < max && static_cast<signed char>(field[n]) >= 0x20) ++n;
    return n;
}
}  // namespace

template <unsigned N>
std::string CAccessorStr<N>::Get(const void* record, unsigned offset) const {
    const uint8_t* field = static_cast<const uint8_t*>(record) + offset;
    std::string name(reinterpret_cast<const char*>(field), NameLength(field, N));
    name.resize(N, ' ');
    return makemultisz(name.c_str(), name.c_str());
}

template <unsigned N>
std::string CAccessorStr<N>::Put(void* record, unsigned offset, const char* text) const {
    uint8_t* field = static_cast<uint8_t*>(record) + offset;
    size_t n = text ? strnlen(text, N) : 0;
    memset(field, ' ', N);
    if (n) memcpy(field, text, n);
    std::string stored(reinterpret_cast<const char*>(field), N);
    return makemultisz(stored.c_str(), stored.c_str());
}

template <unsigned N>
std::string CAccessorStrVZ<N>::Get(const void* record, unsigned offset) const {
    const char* field = static_cast<const char*>(record) + offset;
    size_t n = N;
    while (n > 0 && (field[n - 1] == ' ' || field[n - 1] == '\0')) --n;
    std::string text(field, n);
    std::string out = text;
    out += '\0';
    out += text;
    out += '\0';
    return out;
}

template <unsigned N>
std::string CAccessorStrVZ<N>::Put(void* record, unsigned offset, const char* text) const {
    char* field = static_cast<char*>(record) + offset;
    size_t n = text ? strnlen(text, N) : 0;
    memset(field, 0, N);
    if (n) memcpy(field, text, n);
    return makemultisz(std::string(field, n).c_str(), nullptr);
}

template class CAccessorStr<16>;
template class CAccessorStrVZ<32>;

CAccessorPool& CAccessorPool::Instance() {
    static CAccessorPool pool;
    return pool;
}

CAccessorPool::~CAccessorPool() {
    TRACE("CAccessorPool: last count=%u\n", static_cast<unsigned>(m_pool.size()));
    for (auto& entry : m_pool) delete entry.second;
}

size_t CAccessorPool::Count() {
    std::lock_guard<std::mutex> hold(m_lock);
    return m_pool.size();
}

namespace {
IAccessor* MakePlain(unsigned char pmid, int atype, unsigned lo, unsigned hi) {
    switch (atype) {
        case kATypeUBF8:
            return new CAccessorUBF8(pmid, lo, hi);
        case kATypeSBF8:
            return new CAccessorSBF8(pmid, lo, hi);
        case kATypeUBF16:
            return new CAccessorUBF16(pmid, lo, hi);
        case kATypeSBF16:
            return new CAccessorSBF16(pmid, lo, hi);
        case kATypeUBF24:
            return new CAccessorUBF24(pmid, lo, hi);
        case kATypeBnkPgm:
            return new CAccessorBNKPGM(pmid);
        case kATypeCmbSts:
            return new CAccessorCMBSTS(pmid, lo, hi);
        default:
            return nullptr;
    }
}

IAccessor* MakeMapped(unsigned char pmid, int atype, unsigned lo, unsigned hi,
                      const std::vector<int>& values) {
    switch (atype) {
        case kATypeUBF8:
            return new CAccessorMapped<CAccessorUBF8>(pmid, lo, hi, values);
        case kATypeSBF8:
            return new CAccessorMapped<CAccessorSBF8>(pmid, lo, hi, values);
        case kATypeUBF16:
            return new CAccessorMapped<CAccessorUBF16>(pmid, lo, hi, values);
        case kATypeSBF16:
            return new CAccessorMapped<CAccessorSBF16>(pmid, lo, hi, values);
        case kATypeCmbSts:
            return new CAccessorMapped<CAccessorCMBSTS>(pmid, lo, hi, values);
        default:
            return nullptr;
    }
}
}  // namespace

const IAccessor* CAccessorPool::Get(unsigned char pmid, int ptype, int atype, unsigned lowBit,
                                    unsigned highBit, const char* format) {
    if (ptype == kPTypeString) {
        if (atype == kATypeName16) return &m_str16;
        if (atype == kATypeName32) return &m_str32;
        return nullptr;
    }
    if (ptype != kPTypeCont && ptype != kPTypeList && ptype != kPTypeSwitch) return nullptr;
    const int lo = static_cast<int>(lowBit & 0xFF), hi = static_cast<int>(highBit & 0xFF);
    std::vector<int> key;
    std::vector<int> values;
    if (ptype == kPTypeCont) {
        key.push_back(pmid << 24 | 0x200000 | atype << 16 | hi << 8 | lo);
    } else {
        breakenumstring(format, &values, nullptr, nullptr);
        key.push_back(pmid << 24 | ptype << 20 | atype << 16 | hi << 8 | lo);
        key.insert(key.end(), values.begin(), values.end());
    }
    std::lock_guard<std::mutex> hold(m_lock);
    auto found = m_pool.find(key);
    if (found != m_pool.end()) return found->second;
    IAccessor* made = ptype == kPTypeCont ? MakePlain(pmid, atype, lowBit, highBit)
                                          : MakeMapped(pmid, atype, lowBit, highBit, values);
    if (!made) return nullptr;
    m_pool.emplace(std::move(key), made);
    return made;
}

}  // namespace QorX0

namespace QorX0 {

const IAccessor* CAccessorPool::GetStable(unsigned char pmid, int ptype, int atype, unsigned lowBit,
                                          unsigned highBit, const char* format) {
    const std::array<int, 5> description{pmid, ptype, atype, static_cast<int>(lowBit),
                                         static_cast<int>(highBit)};
    return m_stable.Get(description, ptype == kPTypeCont ? nullptr : format,
                        [&] { return Get(pmid, ptype, atype, lowBit, highBit, format); });
}

}  // namespace QorX0
