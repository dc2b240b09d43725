#include "Common/Model/Converters.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <strings.h>

#include "Common/Model/Mathexp.h"
#include "Common/Model/ParamDesc.h"
#include "Common/Model/ParamTable.h"
#include "Common/Model/SynthData.h"
#include "Linux/Sync.h"
#include "Linux/Trace.h"

namespace QorX0 {

namespace {

constexpr size_t kFormatBuffer = 128;
constexpr size_t kMaxPrecision = 64;

// printf of a display format with double arguments, without trusting the format: each conversion
// is handed exactly one argument of the type it expects (missing arguments are 0), conversions
// that would read memory (%s, %n, %p, '*') are copied as text, and the output stops at 127 bytes.
std::string SafeFormat(const std::string& format, const std::vector<double>& args) {
    std::string out;
    size_t next = 0;
    for (size_t i = 0; i < format.size() && out.size() < kFormatBuffer - 1; ++i) {
        char c = format[i];
        if (c != '%') {
            out += c;
            continue;
        }
        if (i + 1 < format.size() && format[i + 1] == '%') {
            out += '%';
            ++i;
            continue;
        }
        // Flags, then width and precision, each cut to what fits the buffer (a huge precision would
        // make printf allocate without bound).
        size_t j = i + 1;
        std::string spec = "%";
        while (j < format.size() && strchr("-+ #0", format[j])) spec += format[j++];
        auto number = [&](size_t limit) {
            size_t n = 0;
            bool any = false;
            while (j < format.size() && isdigit(static_cast<unsigned char>(format[j]))) {
                n = std::min<size_t>(n * 10 + static_cast<size_t>(format[j++] - '0'), limit);
                any = true;
            }
            return any ? std::to_string(n) : std::string();
        };
        spec += number(kFormatBuffer);
        if (j < format.size() && format[j] == '.') {
            ++j;
            spec += "." + number(kMaxPrecision);
        }
        while (j < format.size() && strchr("hlLqjzt", format[j])) ++j;  // length modifiers: dropped
        if (j >= format.size()) {
            out += format.substr(i);
            break;
        }
        char conv = format[j];
        char piece[kFormatBuffer];
        piece[0] = 0;
        const double arg = next < args.size() ? args[next] : 0.0;
        if (strchr("fFeEgGaA", conv)) {
            snprintf(piece, sizeof piece, (spec + conv).c_str(), arg);
            ++next;
        } else if (strchr("di", conv)) {
            long long v =
                std::isfinite(arg) ? static_cast<long long>(std::fmax(-9e18, std::fmin(9e18, arg))) : 0;
            snprintf(piece, sizeof piece, (spec + "lld").c_str(), v);
            ++next;
        } else if (strchr("uxXoc", conv)) {
            long long v =
                std::isfinite(arg) ? static_cast<long long>(std::fmax(-9e18, std::fmin(9e18, arg))) : 0;
            if (conv == 'c') {
                snprintf(piece, sizeof piece, (spec + 'c').c_str(), static_cast<int>(v & 0xFF));
            } else {
                snprintf(piece, sizeof piece, (spec + "ll" + conv).c_str(),
                         static_cast<unsigned long long>(v));
            }
            ++next;
        } else {
            out += format.substr(i, j - i + 1);
            i = j;
            continue;
        }
        out += piece;
        i = j;
    }
    if (out.size() > kFormatBuffer - 1) out.resize(kFormatBuffer - 1);
    return out;
}

// "%i~%i" / "%f~%f": one number gives hi = lo; returns the count read.
int ReadRange(const std::string& text, int* lo, int* hi) {
    int a = 0, b = 0;
    int n = sscanf(text.c_str(), "%i~%i", &a, &b);
    if (n >= 1) {
        *lo = a;
        *hi = n == 2 ? b : a;
    }
    return n < 0 ? 0 : n;
}

int ReadRange(const std::string& text, float* lo, float* hi) {
    float a = 0, b = 0;
    int n = sscanf(text.c_str(), "%f~%f", &a, &b);
    if (n >= 1) {
        *lo = a;
        *hi = n == 2 ? b : a;
    }
    return n < 0 ? 0 : n;
}

std::string LabelLong(const std::string& label) {
    size_t bar = label.find('|');
    return bar == std::string::npos ? label : label.substr(0, bar);
}

std::string LabelShort(const std::string& label) {
    size_t bar = label.find('|');
    return bar == std::string::npos ? label : label.substr(bar + 1);
}

}  // namespace

bool IsBlankText(const char* text) {
    if (!text) return true;
    while (*text == ' ') ++text;
    return *text == 0;
}

// ---- strings

std::string CStringConverterStr::Format(int value) const {
    std::string text = formatstring("%d", value);
    return makemultisz(text.c_str(), nullptr);
}

int CStringConverterStr::Parse(const char* text) const {
    int v = 0;
    return parseint(text ? text : "", &v) ? v : 0;
}

bool CStringConverterStr::TryParse(const char* text, int* value) const {
    return parseint(text, value);
}

// ---- continuous

unsigned CStringConverterCont::CountConversions(const char* printfPart) {
    unsigned n = 0;
    for (const char* p = printfPart; p && *p; ++p) {
        if (*p != '%') continue;
        if (p[1] == '%') {
            ++p;
            continue;
        }
        ++n;
    }
    return n;
}

CStringConverterCont::CStringConverterCont(int minimum, int maximum, const char* format)
    : m_min(minimum), m_max(maximum) {
    for (const std::string& line : breakstring(format, '\n')) {
        std::vector<std::string> parts = breakstring(line.c_str(), '\t');
        if (parts.empty()) continue;
        entry e{minimum, maximum, static_cast<float>(minimum), static_cast<float>(maximum), {}, {}};
        std::string last;
        if (parts.size() >= 3) {
            ReadRange(parts[0], &e.rawlo, &e.rawhi);
            e.displo = static_cast<float>(e.rawlo);
            e.disphi = static_cast<float>(e.rawhi);
            ReadRange(parts[1], &e.displo, &e.disphi);
            last = parts[2];
        } else if (parts.size() == 2) {
            ReadRange(parts[0], &e.rawlo, &e.rawhi);
            e.displo = static_cast<float>(e.rawlo);
            e.disphi = static_cast<float>(e.rawhi);
            last = parts[1];
        } else {
            last = parts[0];
        }
        std::vector<std::string> pieces = breakstring(last.c_str(), ',');
        if (!pieces.empty()) {
            e.format = pieces[0];
            e.exprs.assign(pieces.begin() + 1, pieces.end());
        }
        m_min = std::min(m_min, std::min(e.rawlo, e.rawhi));
        m_max = std::max(m_max, std::max(e.rawlo, e.rawhi));
        m_entries.push_back(std::move(e));
    }
}

std::string CStringConverterCont::FormatEntry(const entry& e, int value) const {
    if (e.rawlo == e.rawhi) {
        return makemultisz(LabelLong(e.format).c_str(), LabelShort(e.format).c_str());
    }
    if (e.displo == e.disphi || e.exprs.empty()) return makemultisz("", nullptr);
    const float d =
        e.displo + ((e.disphi - e.displo) * (static_cast<float>(value) - static_cast<float>(e.rawlo))) /
                       (static_cast<float>(e.rawhi) - static_cast<float>(e.rawlo));
    std::vector<double> args;
    for (const std::string& expr : e.exprs) {
        float r = 0;
        args.push_back(mathexp::eval(expr.c_str(), d, &r) ? static_cast<double>(r) : 0.0);
    }
    std::string text = SafeFormat(e.format, args);
    return makemultisz(text.c_str(), nullptr);
}

std::string CStringConverterCont::Format(int value) const {
    if (m_entries.empty()) return makemultisz("", nullptr);
    for (const entry& e : m_entries) {
        if (e.rawlo <= value && value <= e.rawhi) return FormatEntry(e, value);
    }
    std::string text = formatstring("%d", value);
    return makemultisz(text.c_str(), nullptr);
}

namespace {

size_t SkipSpaces(const char* text, size_t i) {
    while (text[i] == ' ') ++i;
    return i;
}

// Length of the conversion at format[i] ('%' included), 0 when format[i] starts none ("%%" is text).
size_t ConversionLength(const std::string& format, size_t i) {
    if (format[i] != '%' || i + 1 >= format.size() || format[i + 1] == '%') return 0;
    size_t j = i + 1;
    while (j < format.size() && strchr("-+ #0123456789.hlLqjzt", format[j])) ++j;
    return j < format.size() ? j - i + 1 : 0;
}

// The text a printf part shows before its first conversion, and between that and the next one.
void LiteralsAroundNumber(const std::string& format, std::string* prefix, std::string* suffix) {
    prefix->clear();
    suffix->clear();
    std::string* out = prefix;
    for (size_t i = 0; i < format.size(); ++i) {
        if (const size_t n = ConversionLength(format, i)) {
            if (out == suffix) return;
            out = suffix;
            i += n - 1;
            continue;
        }
        if (format[i] == '%' && i + 1 < format.size() && format[i + 1] == '%') ++i;
        *out += format[i];
    }
}

std::string TrimmedRight(std::string text) {
    while (!text.empty() && text.back() == ' ') text.pop_back();
    return text;
}

}  // namespace

bool CStringConverterCont::ParseEntry(const entry& e, const char* text, int* value, PrefixRule rule) const {
    if (e.rawlo == e.rawhi) {
        if (rule != PrefixRule::Exact) return false;
        const std::string label = LabelLong(e.format);
        const size_t n = std::min(label.size(), strlen(text));
        if (strncasecmp(label.c_str(), text, n) != 0) return false;
        *value = e.rawlo;
        return true;
    }
    if (e.displo == e.disphi || e.exprs.empty()) return false;
    // The number may stand behind the entry's own leading text ("L001", "Ch16", "Track 3"): what a
    // field shows must read back as the value it shows.
    std::string prefix, suffix;
    LiteralsAroundNumber(e.format, &prefix, &suffix);
    prefix = TrimmedRight(prefix);
    size_t start = SkipSpaces(text, 0);
    switch (rule) {
        case PrefixRule::Exact:
            if (strncmp(text + start, prefix.c_str(), prefix.size()) != 0) return false;
            start = SkipSpaces(text, start + prefix.size());
            break;
        case PrefixRule::AnyCase:
            if (prefix.empty() || strncasecmp(text + start, prefix.c_str(), prefix.size()) != 0) return false;
            start = SkipSpaces(text, start + prefix.size());
            break;
        case PrefixRule::None:
            if (prefix.empty()) return false;  // already read under the exact rule
            break;
    }
    char* end = nullptr;
    const float x = strtof(text + start, &end);
    if (end == text + start || !std::isfinite(x)) return false;
    const float raw =
        (x - e.displo) * (static_cast<float>(e.rawhi) - static_cast<float>(e.rawlo)) / (e.disphi - e.displo) +
        static_cast<float>(e.rawlo);
    if (!std::isfinite(raw)) return false;
    const float rounded = raw >= 0 ? raw + 0.5f : raw - 0.5f;
    if (rounded < static_cast<float>(std::min(e.rawlo, e.rawhi)) - 1.0f ||
        rounded > static_cast<float>(std::max(e.rawlo, e.rawhi)) + 1.0f)
        return false;
    const int r = static_cast<int>(rounded);
    if (r < e.rawlo || r > e.rawhi) return false;
    // After the number: nothing, the entry's own following text (":1", "kHz"), or the whole text
    // is what this value shows ("30:70"). Anything else ("3O", "5x") names no value.
    const std::string rest = TrimmedRight(end + SkipSpaces(end, 0));
    const std::string wanted = TrimmedRight(suffix);
    if (!rest.empty() && strcasecmp(rest.c_str(), wanted.c_str()) != 0) {
        const std::string shown = TrimmedRight(multiszlong(Format(r)));
        if (strcasecmp(shown.c_str(), TrimmedRight(text + SkipSpaces(text, 0)).c_str()) != 0) return false;
    }
    *value = r;
    return true;
}

bool CStringConverterCont::Match(const char* text, int* value) const {
    if (!text) text = "";
    // Entries whose leading text the typed text carries first, exactly and then in any case ("G001"
    // and "g001" are different banks), then a bare number read by the entries that show a prefix.
    for (PrefixRule rule : {PrefixRule::Exact, PrefixRule::AnyCase, PrefixRule::None})
        for (const entry& e : m_entries)
            if (ParseEntry(e, text, value, rule)) return true;
    // Otherwise only a whole integer of the range is a value ("12.5" and "1e30" are not).
    char* end = nullptr;
    const long long v = strtoll(text, &end, 0);
    if (end == text) return false;
    while (*end == ' ') ++end;
    if (*end || v < m_min || v > m_max) return false;
    *value = static_cast<int>(v);
    return true;
}

bool CStringConverterCont::TryParse(const char* text, int* value) const {
    return !IsBlankText(text) && Match(text, value);
}

int CStringConverterCont::Parse(const char* text) const {
    int v = 0;
    if (Match(text, &v)) return v;
    return parseint(text, &v) ? v : 0;
}

// ---- lists

CStringConverterEnum::CStringConverterEnum(const char* format) {
    breakenumstring(format, nullptr, &m_labels, &m_short);
}

std::string CStringConverterEnum::Format(int index) const {
    if (index < 0 || static_cast<size_t>(index) >= m_labels.size()) return makemultisz("", nullptr);
    return makemultisz(m_labels[index].c_str(), m_short[index].c_str());
}

bool CStringConverterEnum::TryParse(const char* text, int* value) const {
    if (IsBlankText(text)) return false;
    int best = RankedMatch(text, static_cast<int>(m_labels.size()), [this](int i) { return m_labels[i]; });
    if (best < 0) return false;
    *value = best;
    return true;
}

int CStringConverterEnum::Parse(const char* text) const {
    const int best =
        RankedMatch(text, static_cast<int>(m_labels.size()), [this](int i) { return m_labels[i]; });
    return best < 0 ? 0 : best;
}

// ---- name lists

std::string RiffNameList::getat(unsigned i) const {
    std::string text = formatstring("%03u:", i) + names[i];
    return makemultisz(text.c_str(), nullptr);
}

CMaybeLocked::CMaybeLocked(CHfcCriticalSection* lock) : m_lock(lock) {
    if (m_lock) m_lock->Lock();
}

CMaybeLocked::~CMaybeLocked() {
    if (m_lock) m_lock->Unlock();
}

std::string SampleNameList::getat(unsigned i) const {
    std::string text = formatstring("%03u:", i) + names[i].name;
    return makemultisz(text.c_str(), nullptr);
}

namespace {
std::string LockedName(const uint8_t* record, CHfcCriticalSection* lock) {
    CMaybeLocked g(lock);
    return extractchunkname(record);
}
}  // namespace

std::string DrumKitNameList::getat(unsigned i) const {
    std::string text;
    const unsigned own = kits ? kitCount : 0;  // no image: the list holds the presets only
    if (i < own) {
        text = formatstring(i <= 15 ? "%02u(INT):" : "%02u(User):", i) +
               LockedName(kits + i * kSizeDrumKit, lock);
    } else {
        text = formatstring("%02u(GM):", i) + extractchunkname(presetNames[i - own]);
    }
    return makemultisz(text.c_str(), nullptr);
}

std::string ArpPatternNameList::getat(unsigned i) const {
    std::string text;
    const unsigned preset = presets ? presetCount : 0;  // no presets: the list holds the user patterns only
    if (i < preset) {
        text = formatstring("P%03u:", i) + extractchunkname(presets + i * kSizeArpPattern);
    } else {
        const unsigned u = i - preset;
        text = formatstring("U%03u:", u) + LockedName(patterns + u * kSizeArpPattern, lock);
    }
    return makemultisz(text.c_str(), nullptr);
}

unsigned TableRowNameList::size() const {
    return table ? table->GetCount() : 0;
}

std::string TableRowNameList::getat(unsigned i) const {
    const PARAMDESC* row = table->GetAt(i);
    const char* name = row && row->name ? row->name : "";
    return makemultisz(name, name + strlen(name) + 1);
}

std::string CStringConverterSparseWrap::Format(int value) const {
    int vi;
    {
        CMaybeLocked g(m_lock);
        vi = m_map->vo2vi(value);
    }
    return m_inner->Format(vi);
}

int CStringConverterSparseWrap::Parse(const char* text) const {
    const int vi = m_inner->Parse(text);
    CMaybeLocked g(m_lock);
    return m_map->vi2vo(vi);
}

std::pair<int, int> CStringConverterSparseWrap::Range() const {
    CMaybeLocked g(m_lock);
    return {0, m_map->OuterCount() - 1};
}

bool CStringConverterSparseWrap::TryParse(const char* text, int* value) const {
    int vi = 0;
    if (!m_inner->TryParse(text, &vi)) return false;
    CMaybeLocked g(m_lock);
    const int vo = m_map->vi2vo(vi);
    if (m_map->vo2vi(vo) != vi) return false;  // a disabled item is not a value of the visible list
    *value = vo;
    return true;
}

// ---- pool

std::string CStringConverterPool::SCDESC::Key() const {
    return formatstring("%u,%u,%d,%d,", pmid, static_cast<unsigned>(ptype), minimum, maximum) +
           (format ? format : "");
}

CStringConverterPool& CStringConverterPool::Instance() {
    static CStringConverterPool pool;
    return pool;
}

CStringConverterPool::~CStringConverterPool() {
    TRACE("CStringConverterPool: last count=%u\n", static_cast<unsigned>(m_pool.size()));
    for (auto& entry : m_pool) delete entry.second;
}

size_t CStringConverterPool::Count() {
    std::lock_guard<std::mutex> hold(m_lock);
    return m_pool.size();
}

const IStringConverter* CStringConverterPool::GetStable(unsigned char pmid, int ptype, int minimum,
                                                        int maximum, const char* format) {
    const std::array<int, 5> description{pmid, ptype, minimum, maximum, 0};
    return m_stable.Get(description, format, [&] { return Get(pmid, ptype, minimum, maximum, format); });
}

const IStringConverter* CStringConverterPool::Get(unsigned char pmid, int ptype, int minimum, int maximum,
                                                  const char* format) {
    if (ptype != kPTypeString && ptype != kPTypeCont && ptype != kPTypeList && ptype != kPTypeSwitch)
        return nullptr;
    const std::string key = SCDESC{pmid, ptype, minimum, maximum, format}.Key();
    std::lock_guard<std::mutex> hold(m_lock);
    auto found = m_pool.find(key);
    if (found != m_pool.end()) return found->second;
    IStringConverter* made = nullptr;
    if (ptype == kPTypeString)
        made = new CStringConverterStr();
    else if (ptype == kPTypeCont)
        made = new CStringConverterCont(minimum, maximum, format);
    else
        made = new CStringConverterEnum(format);
    m_pool.emplace(key, made);
    return made;
}

}  // namespace QorX0
