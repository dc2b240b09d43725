#pragma once
// What a section announces to its observers when one of its rows changes, and which rows a change
// of its record can therefore reach. A section's rows describe themselves from its record; when a
// row changes through the section, it tells its observers of every other row whose description may
// follow it (the editor describes a control's row again only when told). What it tells depends on
// the row alone, so it is learned once, by changing every row through the section.
#include <algorithm>
#include <cstdint>
#include <vector>

#include "Common/Model/Accessors.h"
#include "Common/Model/Sections.h"

namespace QorX0 {

// What one section announced since the last Clear.
class AnnouncementLog : public ISectionSink {
public:
    explicit AnnouncementLog(ISection* section) : m_section(section) { section->AdviseSink(this); }
    ~AnnouncementLog() { m_section->UnadviseSink(this); }
    AnnouncementLog(const AnnouncementLog&) = delete;
    AnnouncementLog& operator=(const AnnouncementLog&) = delete;

    void OnSectionReinitialized(ISection* s) override { reinitialized |= s == m_section; }
    void OnSectionParamPropsChanged(ISection* s, int pid) override { Note(s, pid); }
    void OnSectionParamChanged(ISection* s, int pid) override { Note(s, pid); }
    bool Names(int pid) const { return std::find(pids.begin(), pids.end(), pid) != pids.end(); }
    void Clear() {
        reinitialized = false;
        pids.clear();
    }

    bool reinitialized = false;
    std::vector<int> pids;

private:
    void Note(ISection* s, int pid) {
        if (s == m_section) pids.push_back(pid);
    }
    ISection* m_section;
};

// What a section announces when one of its rows changes through it.
struct RowAnnouncement {
    bool known = false;   // the row took a change, and the section told of it
    bool reinit = false;  // the whole section (every row may describe itself anew)
    std::vector<int> pids;
};

// The bytes of its record a row reads.
struct FieldSpan {
    unsigned offset = 0, width = 0;
};

inline FieldSpan FieldOf(const PARAMDESC& d) {
    if (!d.accessor || d.offset < 0) return {};
    if (const IAccessorI* a = d.accessor->AsInteger()) return {static_cast<unsigned>(d.offset), a->Width()};
    if (const IAccessorS* a = d.accessor->AsText()) return {static_cast<unsigned>(d.offset), a->Width()};
    return {};
}

// A section's record as it is now, into `bytes` (its size kept, so a buffer used again allocates
// nothing).
inline void ReadRecord(ISection* section, std::vector<uint8_t>* bytes) {
    bytes->resize(section->RawSize());
    bytes->resize(section->RawGet(bytes->data(), 0, static_cast<unsigned>(bytes->size())));
}

// By row index: changes each row once through the section (past its lock, observers told), notes
// what the section announces, and puts its record back. `settle` runs what was posted to the main
// thread.
template <class Settle>
std::vector<RowAnnouncement> LearnAnnouncements(ISection* section, Settle settle) {
    std::vector<uint8_t> record;
    ReadRecord(section, &record);
    std::vector<RowAnnouncement> rows(static_cast<size_t>(std::max(section->GetParamCount(), 0)));
    AnnouncementLog log(section);
    constexpr unsigned kFlags = kPutNotify | kPutForce;
    for (unsigned i = 0; i < rows.size(); ++i) {
        PARAMDESC d;
        if (!section->GetParamDescByIndex(i, &d) || d.pid == kPidNone) continue;
        settle();
        log.Clear();
        if (d.ptype >= kPTypeCont && d.ptype <= kPTypeSwitch)
            section->PutParamIEx(d.pid, section->GetParamI(d.pid) == d.minval ? d.maxval : d.minval, kFlags);
        else if (d.ptype == kPTypeString)
            section->PutParamSEx(d.pid, "Z", kFlags);
        else
            continue;
        settle();
        RowAnnouncement& row = rows[i];
        row.reinit = log.reinitialized;
        row.pids = log.pids;
        std::sort(row.pids.begin(), row.pids.end());
        row.pids.erase(std::unique(row.pids.begin(), row.pids.end()), row.pids.end());
        row.known = row.reinit || !row.pids.empty();
        section->RawPut(record.data(), 0, static_cast<unsigned>(record.size()));
    }
    settle();
    return rows;
}

// Which rows (by index) may describe themselves differently after the section's record went from
// `before` to `after`: each row whose field changed, and every row the section announces for it.
// False when one of them reinitialises the section, or changed without the section telling of it:
// then any row may. `fields` are the rows' fields as described in `before`.
inline bool RowsAChangeReaches(ISection* section, const std::vector<FieldSpan>& fields,
                               const std::vector<RowAnnouncement>& learned, const uint8_t* before,
                               const uint8_t* after, size_t size, std::vector<bool>* reached) {
    reached->assign(fields.size(), false);
    for (size_t i = 0; i < fields.size() && i < learned.size(); ++i) {
        const FieldSpan& f = fields[i];
        if (f.width == 0 || f.offset + f.width > size ||
            std::equal(before + f.offset, before + f.offset + f.width, after + f.offset))
            continue;
        if (!learned[i].known || learned[i].reinit) return false;
        (*reached)[i] = true;
        for (int pid : learned[i].pids) {
            const int index = section->GetIndexByParamID(pid);
            if (index >= 0 && static_cast<size_t>(index) < reached->size()) (*reached)[index] = true;
        }
    }
    return true;
}

}  // namespace QorX0
