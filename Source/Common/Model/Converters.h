#pragma once
// Converters turn a row's value into the text shown and typed text back into a value, and state the
// value range. Every text returned is a double string (long, zero byte, short, zero byte).
#include <cstdint>
#include <map>
#include <mutex>
#include <string>
#include <utility>
#include <vector>

#include "Common/Model/Accessors.h"
#include "Common/Model/ModelStrings.h"
#include "Common/Model/StableFormatCache.h"
#include "Common/Model/Tables/SampleNames.h"

class CHfcCriticalSection;

namespace QorX0 {

struct PARAMDESC;
class CParamTable;

// Holds a lock, when there is one, for a scope.
class CMaybeLocked {
public:
    explicit CMaybeLocked(CHfcCriticalSection* lock);
    ~CMaybeLocked();
    CMaybeLocked(const CMaybeLocked&) = delete;
    CMaybeLocked& operator=(const CMaybeLocked&) = delete;

private:
    CHfcCriticalSection* m_lock;
};

class IStringConverter {
public:
    virtual ~IStringConverter() = default;
    virtual std::string Format(int value) const = 0;
    // The value of a typed text; a text that is not a value gives the fallback the kind defines.
    virtual int Parse(const char* text) const = 0;
    virtual std::pair<int, int> Range() const = 0;
    // Like Parse, but false for a text that names no value of the range, a blank one among them
    // (value left untouched). Every text Format gives reads back as its value.
    virtual bool TryParse(const char* text, int* value) const = 0;
};

// String rows: the decimal value; range (0, 0).
class CStringConverterStr : public IStringConverter {
public:
    std::string Format(int value) const override;
    int Parse(const char* text) const override;
    std::pair<int, int> Range() const override { return {0, 0}; }
    bool TryParse(const char* text, int* value) const override;
};

// Continuous rows: entries of raw range, display range, printf part and expressions. A typed number
// may stand behind the entry's leading text and before its following text, as the entry shows it.
class CStringConverterCont : public IStringConverter {
public:
    struct entry {
        int rawlo, rawhi;
        float displo, disphi;
        std::string format;  // printf part, or the label of a one-value entry ("long|short")
        std::vector<std::string> exprs;
    };

    CStringConverterCont(int minimum, int maximum, const char* format);
    std::string Format(int value) const override;
    int Parse(const char* text) const override;
    std::pair<int, int> Range() const override { return {m_min, m_max}; }
    bool TryParse(const char* text, int* value) const override;
    const std::vector<entry>& Entries() const { return m_entries; }

    // Number of conversions (other than %%) in a printf part.
    static unsigned CountConversions(const char* printfPart);

private:
    // How an entry's leading text ("L" of "L%03.0f") must stand in front of a typed number.
    enum class PrefixRule { Exact, AnyCase, None };

    std::string FormatEntry(const entry& e, int value) const;
    bool ParseEntry(const entry& e, const char* text, int* value, PrefixRule rule) const;
    bool Match(const char* text, int* value) const;

    std::vector<entry> m_entries;
    int m_min, m_max;
};

// List rows (PTYPE 3 and 4): labels by position; the stored values stay with the accessor.
class CStringConverterEnum : public IStringConverter {
public:
    explicit CStringConverterEnum(const char* format);
    std::string Format(int index) const override;
    int Parse(const char* text) const override;
    std::pair<int, int> Range() const override { return {0, static_cast<int>(m_labels.size()) - 1}; }
    bool TryParse(const char* text, int* value) const override;
    size_t Count() const { return m_labels.size(); }

private:
    std::vector<std::string> m_labels, m_short;
};

// True for an absent text or one of spaces only: it names no value, whatever a ranking says of it.
bool IsBlankText(const char* text);

// Best ranked position of text among count long texts (first on ties); -1 when nothing ranks.
template <class GetLong>
int RankedMatch(const char* text, int count, GetLong getLong) {
    int best = -1, bestRank = 0;
    for (int i = 0; i < count; ++i) {
        int rank = strcmprank(getLong(i).c_str(), text ? text : "");
        if (rank > bestRank) {
            bestRank = rank;
            best = i;
        }
    }
    return best;
}

// Converters over name lists whose entries come from data; T supplies size() and getat(i), which
// returns a double string.
template <class T>
class CStringConverterEnumImplBaseT : public IStringConverter {
public:
    explicit CStringConverterEnumImplBaseT(T list) : m_list(std::move(list)) {}
    std::string Format(int i) const override {
        if (i < 0 || i >= static_cast<int>(m_list.size())) return makemultisz("", nullptr);
        return m_list.getat(static_cast<unsigned>(i));
    }
    int Parse(const char* text) const override {
        int v = 0;
        return TryParse(text, &v) ? v : 0;
    }
    std::pair<int, int> Range() const override { return {0, static_cast<int>(m_list.size()) - 1}; }
    bool TryParse(const char* text, int* value) const override {
        if (IsBlankText(text)) return false;
        int best = RankedMatch(text, static_cast<int>(m_list.size()),
                               [this](int i) { return multiszlong(m_list.getat(static_cast<unsigned>(i))); });
        if (best < 0) return false;
        *value = best;
        return true;
    }
    T& List() { return m_list; }

private:
    T m_list;
};

// "%03u:" and the riff name.
struct RiffNameList {
    const char* const* names = g_RiffNames;
    unsigned count = kRiffNameCount;
    unsigned size() const { return names ? count : 0; }
    std::string getat(unsigned i) const;
};

// "%03u:" and the multisample or drum-sample name.
struct SampleNameList {
    const SAMPLENAME* names = nullptr;
    unsigned count = 0;
    unsigned size() const { return names ? count : 0; }
    std::string getat(unsigned i) const;
};

// The image's 40 kits ("%02u(INT):" up to 15, "%02u(User):" up to 39), then the preset kits
// ("%02u(GM):"), each followed by the kit's record name. The names are read under the image lock
// when one is given: the editor formats from any thread while received dumps change them.
struct DrumKitNameList {
    const uint8_t* kits = nullptr;  // the image's kit area
    unsigned kitCount = 40;
    const char* const* presetNames = nullptr;  // 16-character name fields of the preset kits
    unsigned presetCount = 0;
    CHfcCriticalSection* lock = nullptr;
    unsigned size() const { return (kits ? kitCount : 0) + (presetNames ? presetCount : 0); }
    std::string getat(unsigned i) const;
};

// The 5 preset patterns ("P%03u:"), then the image's 251 user patterns ("U%03u:" from 0), read
// under the image lock when one is given.
struct ArpPatternNameList {
    const uint8_t* presets = nullptr;   // 5 records of 320 bytes
    const uint8_t* patterns = nullptr;  // the image's pattern area
    CHfcCriticalSection* lock = nullptr;
    unsigned presetCount = 5;
    unsigned patternCount = 251;
    unsigned size() const { return (presets ? presetCount : 0) + (patterns ? patternCount : 0); }
    std::string getat(unsigned i) const;
};

// Rows of a bound table: the row's long and short name.
struct TableRowNameList {
    const CParamTable* table = nullptr;
    unsigned size() const;
    std::string getat(unsigned i) const;
};

using CStringConverterEnumRiffNames = CStringConverterEnumImplBaseT<RiffNameList>;
using CStringConverterEnumMSDS = CStringConverterEnumImplBaseT<SampleNameList>;
using CStringConverterEnumDKit = CStringConverterEnumImplBaseT<DrumKitNameList>;
using CStringConverterEnumArppat = CStringConverterEnumImplBaseT<ArpPatternNameList>;
using CStringConverterEnumToneAdjDest = CStringConverterEnumImplBaseT<TableRowNameList>;

// Inner converter seen through a sparse mapping; both are owned by the section that builds it,
// which changes the mapping under lock (the image lock): every use of the mapping here holds it too.
class CStringConverterSparseWrap : public IStringConverter {
public:
    CStringConverterSparseWrap(const IStringConverter* inner, const SparseMapping* mapping,
                               CHfcCriticalSection* lock = nullptr)
        : m_inner(inner), m_map(mapping), m_lock(lock) {}
    std::string Format(int value) const override;
    int Parse(const char* text) const override;
    std::pair<int, int> Range() const override;
    bool TryParse(const char* text, int* value) const override;

private:
    const IStringConverter* m_inner;
    const SparseMapping* m_map;
    CHfcCriticalSection* m_lock;
};

// Process-wide pool of the table converters, keyed by model, PTYPE, range and format.
class CStringConverterPool {
public:
    struct SCDESC {
        unsigned char pmid;
        int ptype;
        int minimum, maximum;  // full ints: 24-bit rows must not share a converter by truncation
        const char* format;
        std::string Key() const;
    };

    static CStringConverterPool& Instance();
    const IStringConverter* Get(unsigned char pmid, int ptype, int minimum, int maximum, const char* format);
    // The same for a format that lives as long as the process (a static table row's own format).
    const IStringConverter* GetStable(unsigned char pmid, int ptype, int minimum, int maximum,
                                      const char* format);
    size_t Count();
    ~CStringConverterPool();

private:
    CStringConverterPool() = default;
    CStableFormatCache<const IStringConverter> m_stable;
    std::mutex m_lock;
    std::map<std::string, IStringConverter*> m_pool;
};

}  // namespace QorX0
