#pragma once
// A parameter table bound to one model: each row copied and given its shared accessor and converter,
// its model's display format and the converter's range. One shared instance per (table, model).
// Rows are checked against their record when the table is made, and given their accessor, converter
// and format when first asked for (from any thread).
#include <atomic>
#include <cstdint>
#include <deque>
#include <memory>
#include <mutex>
#include <string>
#include <utility>
#include <vector>

#include "Common/Model/Accessors.h"
#include "Common/Model/Converters.h"
#include "Common/Model/ParamDesc.h"

namespace QorX0 {

class CParamTable {
public:
    // The shared bound table for this table and model; built on first request. recordSize is the size
    // of the record the rows address (0: the known size of the system's tables, RecordSizeOf): a row
    // whose field would reach past it is bound as a caption (traced), so no accessor ever reads or
    // writes outside its record.
    static const CParamTable* GetInstance(const TABLEDESC& table, unsigned char pmid,
                                          unsigned recordSize = 0);

    CParamTable(const TABLEDESC& table, unsigned char pmid, unsigned recordSize = 0);
    ~CParamTable();
    CParamTable(const CParamTable&) = delete;  // rows point into m_formats
    CParamTable& operator=(const CParamTable&) = delete;

    const PARAMDESC* GetAt(unsigned index) const;
    unsigned GetCount() const { return m_count; }
    int IndexToPID(unsigned index) const;
    int PIDToIndex(int pid) const;
    const PARAMDESC* FindPID(int pid) const;
    unsigned char GetPMID() const { return m_pmid; }
    // Rows refused at binding because their field passes the record's end (indices).
    const std::vector<unsigned>& RefusedRows() const { return m_refused; }

    // The piece of a per-model format for one model ("1\f<fmt>\f9\f<fmt>"), or the format itself.
    static std::string extractformatforpmid(const char* format, unsigned char pmid);
    // Record size of one of the system's tables; 0 for a table it does not know.
    static unsigned RecordSizeOf(const TABLEDESC& table);
    // Bytes a row's field spans from its offset, 0 for captions.
    static unsigned FieldWidth(const PARAMDESC& row);

private:
    // A row whose field passes the record (or the bits of its bytes): bound as a caption.
    static bool OutsideRecord(const PARAMDESC& row, unsigned recordSize);
    // A row that came with its accessor and converter: taken as it stands.
    static bool PreBound(const PARAMDESC& row) { return row.accessor && row.converter; }
    // The PID a row is found by, kPidNone for captions (refused rows among them).
    int ShapedPid(unsigned index) const;
    // On first use: the row copied, made a caption if refused, given the model's format, the accessor,
    // the converter and its range.
    void BindEntry(PARAMDESC& row, unsigned index) const;
    // Builds the PID index over the rows (a later row with the same PID replaces an earlier one).
    void IndexPids();
    size_t PidSlotOf(int pid) const;

    unsigned char m_pmid;
    const PARAMDESC* m_static;  // the table's own rows (they live as long as the process)
    unsigned m_count;
    // Storage for the bound rows, each made by BindEntry once, under m_bindLock, before its m_bound
    // flag lets other threads read it. Rows never asked for are never written (nor their memory
    // touched).
    PARAMDESC* m_rows;
    std::unique_ptr<std::atomic<bool>[]> m_bound;
    std::vector<bool> m_isRefused;
    mutable std::deque<std::string> m_formats;  // per-model format pieces (rows point here; never moved)
    mutable std::mutex m_bindLock;
    // Row index by PID: open addressing over a power-of-two table at most half full, so a lookup
    // costs a multiply and a probe or two (PIDs of a table are sparse, up to 0xFFxx).
    struct PidSlot {
        int32_t pid;
        uint32_t index;  // kNoRow: empty
    };
    static constexpr uint32_t kNoRow = UINT32_MAX;
    std::vector<PidSlot> m_pidSlots;
    unsigned m_pidShift = 0;
    std::vector<unsigned> m_refused;
};

// Row helpers for callers that hold a bound row.
inline const IAccessorI* RowAccessorI(const PARAMDESC& row) {
    return AccessorI(row.accessor);
}
inline const IAccessorS* RowAccessorS(const PARAMDESC& row) {
    return AccessorS(row.accessor);
}
// Long and short name of a row (names are written "LONG\0SHORT").
std::string RowLongName(const PARAMDESC& row);
std::string RowShortName(const PARAMDESC& row);

}  // namespace QorX0
