// A section tells its observers about every row whose description a change alters: a control
// describes its row again only when told (its properties changed, its value changed, or the whole
// section was reinitialised), so an untold change leaves a stale range, list or lock on screen. What
// it tells depends on the changed row alone, whatever the state and the value: the rows a change of
// the record can reach follow from the rows whose fields changed (the section fuzz target reads
// only those).
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "Support/SectionAnnouncements.h"
#include "Support/SectionSet.h"

namespace QorX0 {
namespace {

std::vector<PARAMDESC> Described(ISection* section) {
    std::vector<PARAMDESC> rows(static_cast<size_t>(section->GetParamCount()));
    for (unsigned i = 0; i < rows.size(); ++i)
        if (!section->GetParamDescByIndex(i, &rows[i])) rows[i].pid = kPidNone;
    return rows;
}

// A section whose rows show its own record alone (with the bank programs, for tracks), and how a
// value from the instrument reaches it (through the sound that holds it).
struct RecordSection {
    ISection* section;
    std::function<void(int pid, int raw)> receive;
};

// The edit views, the global data, and every timbre, track and tone adjust of the sounds.
std::vector<RecordSection> RecordSections(SectionSet& s) {
    auto by = [](auto& owner) { return [&owner](int pid, int raw) { owner.OnRcvMIDIParam(pid, raw); }; };
    std::vector<RecordSection> sections = {{&s.progEdit, by(s.progEdit)},
                                           {&s.combiEdit, by(s.combiEdit)},
                                           {&s.multi, by(s.multi)},
                                           {&s.global, by(s.global)}};
    const std::pair<ISoundSection*, std::function<void(int, int)>> sounds[] = {
        {&s.combiPlay, by(s.combiPlay)}, {&s.combiEdit, by(s.combiEdit)}, {&s.multi, by(s.multi)}};
    for (const auto& [sound, receive] : sounds)
        for (ISectionList* list : {sound->GetTrack(), sound->GetToneAdj()})
            for (unsigned i = 0; list && i < list->GetCount(); ++i)
                sections.push_back({list->GetAt(i), receive});
    return sections;
}

// Every value change a row can take from the state in `start`: edited values at the ends and the
// middle of its range, and raw values as the instrument may send them (stored as they come). Each
// row whose description the change alters must have been announced, unless the section was
// reinitialised, and must be among the rows the changed fields reach by what was learned of the
// section. Returns the states in which a change altered other rows' descriptions (a row that
// selects how others are shown).
std::vector<std::vector<uint8_t>> CheckEveryChangeFrom(SectionSet& s, const RecordSection& at,
                                                       const std::vector<RowAnnouncement>& learned,
                                                       const std::vector<uint8_t>& start,
                                                       unsigned char pmid) {
    ISection* section = at.section;
    const unsigned size = static_cast<unsigned>(start.size());
    section->RawPut(start.data(), 0, size);
    s.host.Pump();
    const std::vector<PARAMDESC> before = Described(section);
    std::vector<FieldSpan> fields;
    for (const PARAMDESC& d : before) fields.push_back(d.pid == kPidNone ? FieldSpan{} : FieldOf(d));
    std::vector<std::vector<uint8_t>> selecting;
    std::vector<uint8_t> changed(size);
    std::vector<bool> reached;
    AnnouncementLog told(section);
    for (const PARAMDESC& row : before) {
        if (row.pid == kPidNone || row.ptype < kPTypeCont || row.ptype > kPTypeSwitch) continue;
        const struct {
            bool received;
            int value;
        } probes[] = {{false, row.minval}, {false, row.maxval}, {false, (row.minval + row.maxval) / 2},
                      {true, 0},           {true, 1},           {true, 2},
                      {true, 3},           {true, 64},          {true, -1}};
        for (const auto& probe : probes) {
            section->RawPut(start.data(), 0, size);
            s.host.Pump();
            told.Clear();
            if (probe.received)
                at.receive(row.pid, probe.value);
            else
                section->PutParamIEx(row.pid, probe.value, kPutNotify);
            s.host.Pump();
            section->RawGet(changed.data(), 0, size);
            const bool anyRow =
                !RowsAChangeReaches(section, fields, learned, start.data(), changed.data(), size, &reached);
            const std::vector<PARAMDESC> after = Described(section);
            bool altersOthers = false;
            for (size_t j = 0; j < after.size(); ++j) {
                if (SameParamDesc(before[j], after[j]) && before[j].record == after[j].record) continue;
                altersOthers |= before[j].pid != row.pid;
                const auto change = [&] {
                    std::ostringstream text;
                    text << "model " << int(pmid) << ": " << (probe.received ? "received " : "edited ")
                         << std::dec << probe.value << " in PID 0x" << std::hex << row.pid << " (" << row.name
                         << ") changes the description of PID 0x" << before[j].pid << " ("
                         << (before[j].name ? before[j].name : "") << ")";
                    return text.str();
                };
                EXPECT_TRUE(told.reinitialized || told.Names(before[j].pid) || told.Names(after[j].pid))
                    << change() << " untold";
                EXPECT_TRUE(anyRow || reached[j])
                    << change() << ", not among the rows the changed fields reach";
            }
            if (altersOthers || told.reinitialized) {
                if (std::find(selecting.begin(), selecting.end(), changed) == selecting.end())
                    selecting.push_back(changed);
            }
        }
    }
    section->RawPut(start.data(), 0, size);
    s.host.Pump();
    return selecting;
}

// From the initial state, and from every state a selecting row's change leads to (a drum program, a
// sample without a start offset, another effect type): the dependencies between rows show in pairs.
TEST(SectionAnnouncements, EveryRowWhoseDescriptionAChangeAltersIsAnnounced) {
    for (unsigned char pmid : {kPmidTolva, kPmidNerimo}) {
        SectionSet s(pmid);
        for (const RecordSection& at : RecordSections(s)) {
            std::vector<uint8_t> pristine;
            ReadRecord(at.section, &pristine);
            const std::vector<RowAnnouncement> learned =
                LearnAnnouncements(at.section, [&] { s.host.Pump(); });
            for (const std::vector<uint8_t>& state : CheckEveryChangeFrom(s, at, learned, pristine, pmid))
                CheckEveryChangeFrom(s, at, learned, state, pmid);
            at.section->RawPut(pristine.data(), 0, static_cast<unsigned>(pristine.size()));
        }
    }
}

}  // namespace
}  // namespace QorX0
