#pragma once
// Accessors read and write one parameter's field inside a record. They are immutable and shared
// between all rows with the same description (see CAccessorPool); they never own record memory.
#include <algorithm>
#include <cstdint>
#include <map>
#include <mutex>
#include <string>
#include <vector>

#include "Common/Model/StableFormatCache.h"

namespace QorX0 {

class IAccessorI;
class IAccessorS;

class IAccessor {
public:
    virtual ~IAccessor() = default;
    // The field's kind without a dynamic_cast: every read and write of a row asks for it.
    virtual const IAccessorI* AsInteger() const { return nullptr; }
    virtual const IAccessorS* AsText() const { return nullptr; }
};

// Integer fields. Raw is the stored number (what a parameter change carries); value is the number
// the converter shows. For most kinds both are the same.
class IAccessorI : public IAccessor {
public:
    const IAccessorI* AsInteger() const final { return this; }
    virtual int GetRaw(const void* record, unsigned offset) const = 0;
    virtual int PutRaw(void* record, unsigned offset, int raw) const = 0;  // returns GetRaw
    virtual int Get(const void* record, unsigned offset) const = 0;
    virtual int Put(void* record, unsigned offset, int value) const = 0;
    // Bytes the field spans from its offset; a row is refused at binding when they pass the record.
    virtual unsigned Width() const = 0;
};

// Name fields; texts are returned as double strings (long, zero, short, zero).
class IAccessorS : public IAccessor {
public:
    const IAccessorS* AsText() const final { return this; }
    virtual std::string Get(const void* record, unsigned offset) const = 0;
    virtual std::string Put(void* record, unsigned offset, const char* text) const = 0;
    virtual unsigned Width() const = 0;
};

// Common state of the bit-field kinds: mask over the field's bits (bit 0 = least significant bit of
// the field's last byte), shift and, for the signed kinds, the sign value.
class CAccessorBF : public IAccessorI {
public:
    CAccessorBF(unsigned char pmid, unsigned lowBit, unsigned highBit, unsigned width);
    int Get(const void* record, unsigned offset) const override { return GetRaw(record, offset); }
    int Put(void* record, unsigned offset, int value) const override { return PutRaw(record, offset, value); }
    unsigned Width() const override { return m_width; }

protected:
    uint32_t ReadField(const void* record, unsigned offset) const;  // masked and shifted
    void WriteField(void* record, unsigned offset, uint32_t field) const;
    int SignExtend(uint32_t field) const;
    uint32_t TwosComplement(int value) const;

    unsigned char m_pmid;
    uint32_t m_mask;
    unsigned m_shift;
    uint32_t m_sign;
    unsigned m_width;
};

class CAccessorUBF8 : public CAccessorBF {
public:
    CAccessorUBF8(unsigned char pmid, unsigned lowBit, unsigned highBit)
        : CAccessorBF(pmid, lowBit, highBit, 1) {}
    int GetRaw(const void* r, unsigned o) const override { return static_cast<int>(ReadField(r, o)); }
    int PutRaw(void* r, unsigned o, int raw) const override;
};

class CAccessorSBF8 : public CAccessorBF {
public:
    CAccessorSBF8(unsigned char pmid, unsigned lowBit, unsigned highBit)
        : CAccessorBF(pmid, lowBit, highBit, 1) {}
    int GetRaw(const void* r, unsigned o) const override { return SignExtend(ReadField(r, o)); }
    int PutRaw(void* r, unsigned o, int raw) const override;
};

class CAccessorUBF16 : public CAccessorBF {
public:
    CAccessorUBF16(unsigned char pmid, unsigned lowBit, unsigned highBit)
        : CAccessorBF(pmid, lowBit, highBit, 2) {}
    int GetRaw(const void* r, unsigned o) const override { return static_cast<int>(ReadField(r, o)); }
    int PutRaw(void* r, unsigned o, int raw) const override;
};

class CAccessorSBF16 : public CAccessorBF {
public:
    CAccessorSBF16(unsigned char pmid, unsigned lowBit, unsigned highBit)
        : CAccessorBF(pmid, lowBit, highBit, 2) {}
    int GetRaw(const void* r, unsigned o) const override { return SignExtend(ReadField(r, o)); }
    int PutRaw(void* r, unsigned o, int raw) const override;
};

// Unsigned 24-bit field. Its values may exceed the 14 bits a parameter-change message carries;
// the accessor itself reads and writes every bit.
class CAccessorUBF24 : public CAccessorBF {
public:
    CAccessorUBF24(unsigned char pmid, unsigned lowBit, unsigned highBit)
        : CAccessorBF(pmid, lowBit, highBit, 3) {}
    int GetRaw(const void* r, unsigned o) const override { return static_cast<int>(ReadField(r, o)); }
    int PutRaw(void* r, unsigned o, int raw) const override;
};

// Bank and program in two 7-bit bytes (bank x 128 + program). On the Tolva the shown value skips
// bank E (stored 512..639), which that model does not have.
class CAccessorBNKPGM : public IAccessorI {
public:
    explicit CAccessorBNKPGM(unsigned char pmid) : m_pmid(pmid) {}
    int GetRaw(const void* record, unsigned offset) const override;
    int PutRaw(void* record, unsigned offset, int raw) const override;
    int Get(const void* record, unsigned offset) const override;
    int Put(void* record, unsigned offset, int value) const override;
    unsigned Width() const override { return 2; }

private:
    unsigned char m_pmid;
};

// Combination timbre status: stored 0, 1, 3, 4 read as 0, 1, 2, 3 (stored 2 reads as 2).
class CAccessorCMBSTS : public CAccessorUBF8 {
public:
    CAccessorCMBSTS(unsigned char pmid, unsigned lowBit, unsigned highBit)
        : CAccessorUBF8(pmid, lowBit, highBit) {}
    int GetRaw(const void* r, unsigned o) const override;
    int PutRaw(void* r, unsigned o, int raw) const override;
};

// What a list accessor adds: its stored values. The plain value space of the base accessor stays
// reachable (initial records and imports name stored values, not list positions).
class IAccessorMapped {
public:
    virtual ~IAccessorMapped() = default;
    virtual const std::vector<int>& Values() const = 0;
    virtual int GetPlain(const void* record, unsigned offset) const = 0;
    virtual int PutPlain(void* record, unsigned offset, int value) const = 0;
};

// List parameter: Get/Put work on positions in the value list.
template <class Base>
class CAccessorMapped : public Base, public IAccessorMapped {
public:
    CAccessorMapped(unsigned char pmid, unsigned lowBit, unsigned highBit, std::vector<int> values)
        : Base(pmid, lowBit, highBit), m_values(std::move(values)) {
        // Most lists store values of a narrow span: their positions are looked up in a table of the
        // span (the first position holding each value, 0 where none does).
        if (m_values.empty()) return;
        const auto [lo, hi] = std::minmax_element(m_values.begin(), m_values.end());
        const int64_t span = int64_t{*hi} - *lo + 1;
        if (span > std::max<int64_t>(256, 4 * static_cast<int64_t>(m_values.size()))) return;
        m_lowest = *lo;
        m_positions.assign(static_cast<size_t>(span), 0);
        for (size_t i = m_values.size(); i-- > 0;)
            m_positions[static_cast<size_t>(m_values[i] - m_lowest)] = static_cast<int>(i);
    }
    int Get(const void* record, unsigned offset) const override {
        return Position(Base::GetRaw(record, offset));
    }
    int Put(void* record, unsigned offset, int index) const override {
        int raw = (index >= 0 && static_cast<size_t>(index) < m_values.size()) ? m_values[index] : 0;
        return Position(Base::PutRaw(record, offset, raw));
    }
    const std::vector<int>& Values() const override { return m_values; }
    int GetPlain(const void* record, unsigned offset) const override { return Base::Get(record, offset); }
    int PutPlain(void* record, unsigned offset, int value) const override {
        return Base::Put(record, offset, value);
    }

private:
    int Position(int raw) const {
        if (!m_positions.empty()) {
            const uint64_t at = static_cast<uint64_t>(int64_t{raw} - m_lowest);
            return at < m_positions.size() ? m_positions[at] : 0;
        }
        for (size_t i = 0; i < m_values.size(); ++i)
            if (m_values[i] == raw) return static_cast<int>(i);
        return 0;
    }
    std::vector<int> m_values;
    int m_lowest = 0;
    std::vector<int> m_positions;  // by value - m_lowest; empty: search m_values
};

// Visible subset of a stored list: vo counts only the enabled items.
class SparseMapping {
public:
    explicit SparseMapping(size_t size = 0) : m_enabled(size, false) {}
    void Resize(size_t size) { m_enabled.assign(size, false); }
    size_t Size() const { return m_enabled.size(); }
    void EnableItem(int index, bool enable);
    int OuterCount() const;
    int vo2vi(int vo) const;
    int vi2vo(int vi) const;

private:
    std::vector<bool> m_enabled;
};

// Inner accessor seen through a sparse mapping; both are owned by the section that builds it.
class CAccessorSparseWrap : public IAccessorI {
public:
    CAccessorSparseWrap(const IAccessorI* inner, const SparseMapping* mapping)
        : m_inner(inner), m_map(mapping) {}
    int GetRaw(const void* r, unsigned o) const override { return m_inner->GetRaw(r, o); }
    int PutRaw(void* r, unsigned o, int raw) const override { return m_inner->PutRaw(r, o, raw); }
    int Get(const void* r, unsigned o) const override { return m_map->vi2vo(m_inner->Get(r, o)); }
    int Put(void* r, unsigned o, int value) const override {
        return m_map->vi2vo(m_inner->Put(r, o, m_map->vo2vi(value)));
    }
    unsigned Width() const override { return m_inner->Width(); }

private:
    const IAccessorI* m_inner;
    const SparseMapping* m_map;
};

// Fixed-length name field: N = 16 is space-padded, N = 32 (CAccessorStrVZ) zero-padded.
template <unsigned N>
class CAccessorStr : public IAccessorS {
public:
    std::string Get(const void* record, unsigned offset) const override;
    std::string Put(void* record, unsigned offset, const char* text) const override;
    unsigned Width() const override { return N; }
};

template <unsigned N>
class CAccessorStrVZ : public IAccessorS {
public:
    std::string Get(const void* record, unsigned offset) const override;
    std::string Put(void* record, unsigned offset, const char* text) const override;
    unsigned Width() const override { return N; }
};

// Process-wide pool of shared accessors, created on first use and freed at exit.
class CAccessorPool {
public:
    static CAccessorPool& Instance();
    // The shared accessor for a row, or null when its PTYPE/ATYPE pair has none.
    const IAccessor* Get(unsigned char pmid, int ptype, int atype, unsigned lowBit, unsigned highBit,
                         const char* format);
    // The same for a format that lives as long as the process (a static table row's own format).
    const IAccessor* GetStable(unsigned char pmid, int ptype, int atype, unsigned lowBit, unsigned highBit,
                               const char* format);
    size_t Count();
    ~CAccessorPool();

private:
    CAccessorPool() = default;
    CStableFormatCache<const IAccessor> m_stable;
    std::mutex m_lock;
    std::map<std::vector<int>, IAccessor*> m_pool;
    CAccessorStr<16> m_str16;
    CAccessorStrVZ<32> m_str32;
};

// Integer and name access to a bound row's accessor (null when the row has none of that kind).
inline const IAccessorI* AccessorI(const IAccessor* a) {
    return a ? a->AsInteger() : nullptr;
}
inline const IAccessorS* AccessorS(const IAccessor* a) {
    return a ? a->AsText() : nullptr;
}

}  // namespace QorX0
