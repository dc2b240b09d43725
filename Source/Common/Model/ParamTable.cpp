#include "Common/Model/ParamTable.h"

#include <algorithm>
#include <cstring>
#include <new>
#include <type_traits>
#include <map>
#include <memory>
#include <mutex>

#include "Common/Model/ModelStrings.h"
#include "Common/Model/SynthData.h"
#include "Common/Model/Tables/EffectTables.h"
#include "Common/Model/Tables/SmallTables.h"
#include "Common/Model/Tables/SoundTables.h"
#include "Linux/Trace.h"

namespace QorX0 {

namespace {

class CParamTablePool {
public:
    ~CParamTablePool() {
        TRACE("CParamTablePool: last count=%u\n", static_cast<unsigned>(m_tables.size()));
        for (auto& entry : m_tables) delete entry.second;
    }
    const CParamTable* Get(const TABLEDESC& table, unsigned char pmid, unsigned recordSize) {
        const auto key = std::make_pair(static_cast<const void*>(&table), pmid);
        {
            std::lock_guard<std::mutex> hold(m_lock);
            auto found = m_tables.find(key);
            if (found != m_tables.end()) return found->second;
        }
        // Bind outside the lock: binding takes the accessor and converter pools' own locks.
        auto made = std::make_unique<CParamTable>(table, pmid, recordSize);
        std::lock_guard<std::mutex> hold(m_lock);
        auto inserted = m_tables.emplace(key, made.get());
        if (!inserted.second) {
            TRACE("CParamTablePool: WARNING - duplicated\n");
            return inserted.first->second;
        }
        return made.release();
    }

private:
    std::mutex m_lock;
    std::map<std::pair<const void*, unsigned char>, CParamTable*> m_tables;
};

}  // namespace

unsigned CParamTable::RecordSizeOf(const TABLEDESC& table) {
    static const std::map<const TABLEDESC*, unsigned> sizes = [] {
        std::map<const TABLEDESC*, unsigned> m = {
            {&TABLEDESC_SETUP, kSizeSetup},
            {&TABLEDESC_RTCTL, kSizeRtcState},
            {&TABLEDESC_GLOBAL, kSizeGlobal},
            {&TABLEDESC_EXTCONTROL, kSizeExtControl},
            {&TABLEDESC_ARPPATTERN, kSizeArpPattern},
            {&TABLEDESC_DRUMKIT, kSizeDrumKit},
            {&TABLEDESC_PROGPLAY, kSizeProgram},
            {&TABLEDESC_PROGEDIT, kSizeProgram},
            {&TABLEDESC_COMBIPLAY, kSizeCombi},
            {&TABLEDESC_COMBIPLAYTRK, kSizeTimbre},
            {&TABLEDESC_COMBIEDIT, kSizeCombi},
            {&TABLEDESC_COMBIEDITTRK, kSizeTimbre},
            {&TABLEDESC_TONEADJ, kSizeToneAdjust},
            {&TABLEDESC_TONEADJDESTTMPL, 2},  // laid over a tone-adjust value field
            {&TABLEDESC_MULTI, kSizeMulti},
            {&TABLEDESC_MULTITRK, kSizeTimbre},
        };
        for (const TABLEDESC& fx : TABLEARRAY_FX) m.emplace(&fx, kSizeFxParams);
        return m;
    }();
    auto found = sizes.find(&table);
    return found == sizes.end() ? 0 : found->second;
}

const CParamTable* CParamTable::GetInstance(const TABLEDESC& table, unsigned char pmid, unsigned recordSize) {
    static CParamTablePool pool;
    return pool.Get(table, pmid, recordSize ? recordSize : RecordSizeOf(table));
}

std::string CParamTable::extractformatforpmid(const char* format, unsigned char pmid) {
    std::vector<std::string> pieces = breakstring(format, '\f');
    if (pieces.empty()) return std::string();
    if (pieces.size() == 1) return pieces[0];
    for (size_t i = 0; i + 1 < pieces.size(); i += 2) {
        char* end = nullptr;
        unsigned long model = strtoul(pieces[i].c_str(), &end, 0);
        if (end != pieces[i].c_str() && model == pmid) return pieces[i + 1];
    }
    TRACE("CParamTable: WARNING - format not found for PMID(%u), %s\n", pmid, format);
    return std::string();
}

unsigned CParamTable::FieldWidth(const PARAMDESC& row) {
    switch (row.atype) {
        case kATypeName16:
            return 16;
        case kATypeName32:
            return 32;
        case kATypeUBF8:
        case kATypeSBF8:
        case kATypeCmbSts:
            return 1;
        case kATypeUBF16:
        case kATypeSBF16:
        case kATypeBnkPgm:
            return 2;
        case kATypeUBF24:
            return 3;
        default:
            return 0;
    }
}

static_assert(std::is_trivially_destructible_v<PARAMDESC> && std::is_trivially_copyable_v<PARAMDESC>);

CParamTable::CParamTable(const TABLEDESC& table, unsigned char pmid, unsigned recordSize)
    : m_pmid(pmid),
      m_static(table.rows),
      m_count(table.count),
      m_rows(static_cast<PARAMDESC*>(::operator new(sizeof(PARAMDESC) * std::max(table.count, 1u)))),
      m_bound(new std::atomic<bool>[table.count]()),
      m_isRefused(table.count, false) {
    for (unsigned i = 0; i < m_count; ++i) {
        const PARAMDESC& row = m_static[i];
        if (PreBound(row) || !OutsideRecord(row, recordSize)) continue;
        TRACE("CParamTable: WARNING - row %u (%s) outside its record, bound as caption\n", i,
              row.name ? row.name : "");
        m_refused.push_back(i);
        m_isRefused[i] = true;
    }
    IndexPids();
}

CParamTable::~CParamTable() {
    ::operator delete(m_rows);
}

const PARAMDESC* CParamTable::GetAt(unsigned index) const {
    if (index >= m_count) return nullptr;
    if (!m_bound[index].load(std::memory_order_acquire)) {
        // Bound on first use: a table's rows are many and most are never shown. Each row is written
        // once, under the lock, before its flag tells other threads to read it.
        std::lock_guard<std::mutex> hold(m_bindLock);
        if (!m_bound[index].load(std::memory_order_relaxed)) {
            BindEntry(*new (&m_rows[index]) PARAMDESC(m_static[index]), index);
            m_bound[index].store(true, std::memory_order_release);
        }
    }
    return &m_rows[index];
}

bool CParamTable::OutsideRecord(const PARAMDESC& row, unsigned recordSize) {
    // A field that would reach past its record (or beyond the bits of its bytes) is never bound:
    // the row becomes a caption instead of reading or writing outside the record later.
    const unsigned width = FieldWidth(row);
    const bool bitsOk = row.atype == kATypeName16 || row.atype == kATypeName32 || row.atype == kATypeBnkPgm ||
                        (row.lobit <= row.hibit && row.hibit < width * 8);
    return row.ptype != kPTypeCaption && width != 0 &&
           (row.offset < 0 || !bitsOk ||
            (recordSize && static_cast<unsigned>(row.offset) + width > recordSize));
}

int CParamTable::ShapedPid(unsigned index) const {
    const PARAMDESC& row = m_static[index];
    if (PreBound(row)) return row.pid;
    return row.ptype == kPTypeCaption || m_isRefused[index] ? kPidNone : row.pid;
}

int CParamTable::IndexToPID(unsigned index) const {
    return index < m_count ? ShapedPid(index) : kPidNone;
}

size_t CParamTable::PidSlotOf(int pid) const {
    // Fibonacci hashing: the top bits of the product spread neighbouring PIDs over the table.
    return (static_cast<uint32_t>(pid) * 0x9E3779B1u) >> m_pidShift;
}

void CParamTable::IndexPids() {
    // A row is found by PID when it stores a value: not a caption (nor refused), with a kind and a field.
    const auto indexed = [this](unsigned i) {
        return ShapedPid(i) != kPidNone && m_static[i].ptype != 0 && m_static[i].atype != 0;
    };
    size_t count = 0;
    for (unsigned i = 0; i < m_count; ++i) count += indexed(i);
    if (count == 0) return;
    unsigned bits = 1;
    while ((size_t{1} << bits) < 2 * count) ++bits;
    m_pidShift = 32 - bits;
    m_pidSlots.assign(size_t{1} << bits, PidSlot{0, kNoRow});
    const size_t mask = m_pidSlots.size() - 1;
    for (unsigned i = 0; i < m_count; ++i) {
        if (!indexed(i)) continue;
        const int pid = m_static[i].pid;
        size_t at = PidSlotOf(pid);
        while (m_pidSlots[at].index != kNoRow && m_pidSlots[at].pid != pid) at = (at + 1) & mask;
        m_pidSlots[at] = PidSlot{pid, i};
    }
}

void CParamTable::BindEntry(PARAMDESC& row, unsigned index) const {
    if (PreBound(row)) return;
    if (m_isRefused[index]) row.ptype = kPTypeCaption;
    row.initval = row.defval;
    if (row.ptype == kPTypeCaption) {
        row.accessor = nullptr;
        row.converter = nullptr;
        row.pid = kPidNone;
        row.flags |= 1;
    }
    // A format for every model is the static row's own text; only per-model pieces are copied.
    const bool perModel = row.format && strchr(row.format, '\f');
    if (perModel) {
        m_formats.push_back(extractformatforpmid(row.format, m_pmid));
        row.format = m_formats.back().c_str();
    } else if (!row.format) {
        row.format = "";
    }
    if (row.ptype == kPTypeCaption) return;
    CAccessorPool& accessors = CAccessorPool::Instance();
    CStringConverterPool& converters = CStringConverterPool::Instance();
    if (perModel) {
        row.accessor = accessors.Get(m_pmid, row.ptype, row.atype, row.lobit, row.hibit, row.format);
        row.converter = converters.Get(m_pmid, row.ptype, row.minval, row.maxval, row.format);
    } else {
        row.accessor = accessors.GetStable(m_pmid, row.ptype, row.atype, row.lobit, row.hibit, row.format);
        row.converter = converters.GetStable(m_pmid, row.ptype, row.minval, row.maxval, row.format);
    }
    if (row.converter) {
        const auto range = row.converter->Range();
        row.minval = range.first;
        row.maxval = range.second;
    }
}

int CParamTable::PIDToIndex(int pid) const {
    if (m_pidSlots.empty()) return -1;
    const size_t mask = m_pidSlots.size() - 1;
    for (size_t at = PidSlotOf(pid);; at = (at + 1) & mask) {
        const PidSlot& slot = m_pidSlots[at];
        if (slot.index == kNoRow) return -1;
        if (slot.pid == pid) return static_cast<int>(slot.index);
    }
}

const PARAMDESC* CParamTable::FindPID(int pid) const {
    int index = PIDToIndex(pid);
    return index < 0 ? nullptr : GetAt(static_cast<unsigned>(index));
}

std::string RowLongName(const PARAMDESC& row) {
    return row.name ? std::string(row.name) : std::string();
}

std::string RowShortName(const PARAMDESC& row) {
    if (!row.name) return std::string();
    const char* shortName = row.name + strlen(row.name) + 1;
    return *shortName ? std::string(shortName) : std::string(row.name);
}

}  // namespace QorX0
