// Binds every table for both models and checks every row against its record and converter.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstring>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "Common/Model/ModelStrings.h"
#include "Common/Model/ParamTable.h"
#include "Common/Model/SynthData.h"
#include "Common/Model/Tables/EffectTables.h"
#include "Common/Model/Tables/SmallTables.h"
#include "Common/Model/Tables/SoundTables.h"
#include "Model/AllTablesList.h"

using namespace QorX0;

namespace {

// Values of a row's range worth formatting: all of them for small ranges, a spread for large ones.
std::vector<int> Sample(int lo, int hi) {
    std::vector<int> values;
    const long long span = static_cast<long long>(hi) - lo;
    const long long step = span > 2000 ? span / 1000 : 1;
    for (long long v = lo; v <= hi; v += step) values.push_back(static_cast<int>(v));
    values.push_back(hi);
    return values;
}

}  // namespace

TEST(AllTables, EveryRowOfEveryTableBindsForBothModels) {
    for (const TableCase& tc : AllTables()) {
        for (unsigned char pmid : {kPmidTolva, kPmidNerimo}) {
            SCOPED_TRACE(std::string(tc.name) + " model " + std::to_string(pmid));
            const CParamTable* t = CParamTable::GetInstance(*tc.table, pmid, tc.recordSize);
            ASSERT_NE(t, nullptr);
            EXPECT_EQ(t->GetCount(), tc.table->count);
            EXPECT_TRUE(t->RefusedRows().empty());
            std::set<int> pids;
            for (unsigned i = 0; i < t->GetCount(); ++i) {
                const PARAMDESC& row = *t->GetAt(i);
                SCOPED_TRACE("row " + std::to_string(i) + " " + RowLongName(row));
                ASSERT_NE(row.name, nullptr);
                if (row.ptype == kPTypeCaption) {  // may be empty or a line feed: a layout break
                    EXPECT_EQ(row.pid, kPidNone);
                    continue;
                }
                EXPECT_FALSE(RowShortName(row).empty());
                ASSERT_NE(row.accessor, nullptr);
                ASSERT_NE(row.converter, nullptr);
                EXPECT_LE(row.offset + CParamTable::FieldWidth(row), tc.recordSize);
                if (tc.section) {
                    EXPECT_TRUE(pids.insert(row.pid).second) << "duplicate PID " << row.pid;
                }
                const bool sent = row.ptype != kPTypeString && !(row.pid & kPidNoSend);
                if (sent && tc.section) {
                    EXPECT_LT(row.pid & 0xFF, 0x80);
                    EXPECT_LT((row.pid >> 8) & 0xFF, 0x80);
                }
                if (row.ptype == kPTypeString) continue;
                EXPECT_LE(row.minval, row.maxval);
                EXPECT_GE(row.defval, row.minval);
                EXPECT_LE(row.defval, row.maxval);
                for (int v : Sample(row.minval, row.maxval))
                    EXPECT_FALSE(multiszlong(row.converter->Format(v)).empty()) << "value " << v;
                if (auto* mapped = dynamic_cast<const IAccessorMapped*>(row.accessor)) {
                    EXPECT_EQ(static_cast<int>(mapped->Values().size()), row.maxval + 1);
                }
                if (auto* cont = dynamic_cast<const CStringConverterCont*>(row.converter)) {
                    for (const auto& e : cont->Entries()) {
                        if (e.rawlo == e.rawhi) continue;
                        EXPECT_EQ(CStringConverterCont::CountConversions(e.format.c_str()), e.exprs.size())
                            << e.format;
                    }
                }
            }
        }
    }
}

// Finding a row by PID answers as a search of the rows would: the last row that carries the PID
// and stores a value, -1 for a PID no such row carries (neighbours, other groups, the extremes).
TEST(AllTables, PidLookupsAnswerAsARowByRowSearch) {
    for (const TableCase& tc : AllTables()) {
        for (unsigned char pmid : {kPmidTolva, kPmidNerimo}) {
            SCOPED_TRACE(std::string(tc.name) + " model " + std::to_string(pmid));
            const CParamTable* t = CParamTable::GetInstance(*tc.table, pmid, tc.recordSize);
            // The rows searched once, in order: a later row replaces an earlier one.
            std::map<int, int> rows;
            for (unsigned i = 0; i < t->GetCount(); ++i) {
                const PARAMDESC& row = *t->GetAt(i);
                if (row.pid != kPidNone && row.ptype != 0 && row.atype != 0)
                    rows[row.pid] = static_cast<int>(i);
            }
            const auto search = [&rows](int pid) {
                const auto found = rows.find(pid);
                return found == rows.end() ? -1 : found->second;
            };
            std::set<int> probes = {kPidNone, 0, INT_MIN, INT_MAX, 0x10000, 0xFFFF};
            for (unsigned i = 0; i < t->GetCount(); ++i) {
                const int pid = t->GetAt(i)->pid;
                for (int p : {pid, pid - 1, pid + 1, pid ^ 0x8000, pid + 0x10000, pid | 0xFF})
                    probes.insert(p);
            }
            for (int pid : probes) {
                ASSERT_EQ(t->PIDToIndex(pid), search(pid)) << "PID " << pid;
                const int index = search(pid);
                EXPECT_EQ(t->FindPID(pid), index < 0 ? nullptr : t->GetAt(static_cast<unsigned>(index)));
            }
        }
    }
}

// Every list of every table reads the first position that stores the field's value (0 for none),
// for every value of one-byte fields and around every listed value of wider ones.
TEST(AllTables, ListPositionsAnswerAsASearchOfTheList) {
    std::set<const IAccessor*> seen;
    for (const TableCase& tc : AllTables()) {
        for (unsigned char pmid : {kPmidTolva, kPmidNerimo}) {
            const CParamTable* t = CParamTable::GetInstance(*tc.table, pmid, tc.recordSize);
            for (unsigned i = 0; i < t->GetCount(); ++i) {
                const PARAMDESC& row = *t->GetAt(i);
                auto* mapped = dynamic_cast<const IAccessorMapped*>(row.accessor);
                if (!mapped || !seen.insert(row.accessor).second) continue;
                SCOPED_TRACE(std::string(tc.name) + " " + RowLongName(row));
                const IAccessorI* a = RowAccessorI(row);
                const std::vector<int>& values = mapped->Values();
                std::vector<uint8_t> record(4, 0);
                const auto check = [&] {
                    const int stored = mapped->GetPlain(record.data(), 0);
                    const auto first = std::find(values.begin(), values.end(), stored);
                    const int expected = first == values.end() ? 0 : static_cast<int>(first - values.begin());
                    ASSERT_EQ(a->Get(record.data(), 0), expected) << "stored " << stored;
                };
                if (CParamTable::FieldWidth(row) == 1) {
                    for (int b = 0; b < 256; ++b) {
                        record[0] = static_cast<uint8_t>(b);
                        check();
                    }
                } else {
                    for (int v : values) {
                        for (int near : {v - 1, v, v + 1}) {
                            mapped->PutPlain(record.data(), 0, near);
                            check();
                        }
                    }
                }
            }
        }
    }
    EXPECT_FALSE(seen.empty());
}

TEST(AllTables, RepeatedGroupsLandWhereTheRecordSaysForBothEnds) {
    const CParamTable* kit = CParamTable::GetInstance(TABLEDESC_DRUMKIT, 1, kSizeDrumKit);
    EXPECT_EQ(kit->GetCount(), 3969u);
    const PARAMDESC* vel = kit->FindPID(127 * 256 + 0x1F);
    ASSERT_NE(vel, nullptr);
    EXPECT_EQ(RowLongName(*vel), "VEL SAMPLE SW");
    EXPECT_EQ(vel->offset, 4110);

    const CParamTable* arp = CParamTable::GetInstance(TABLEDESC_ARPPATTERN, 1, kSizeArpPattern);
    EXPECT_EQ(arp->GetCount(), 835u);
    const PARAMDESC* tone = arp->FindPID(47 * 256 + 0x15);
    ASSERT_NE(tone, nullptr);
    EXPECT_EQ(RowLongName(*tone), "TONE11");
    EXPECT_EQ(tone->offset, 318);
    EXPECT_EQ(tone->lobit, 3);
    const PARAMDESC* note = arp->FindPID(0x0B05);
    ASSERT_NE(note, nullptr);
    EXPECT_EQ(multiszlong(note->converter->Format(127)), "G9");
    EXPECT_EQ(multiszlong(note->converter->Format(61)), "C#4");
    EXPECT_EQ(note->converter->Parse("c#-1"), 1);
}

TEST(AllTables, RealtimeKnobsUseSevenBitsAndArpRowsAreSigned) {
    const CParamTable* t = CParamTable::GetInstance(TABLEDESC_RTCTL, 1, kSizeRtcState);
    uint8_t state[16];
    memset(state, 0xFF, sizeof state);
    for (int pid = 0x8001; pid <= 0x8008; ++pid) {
        const PARAMDESC* row = t->FindPID(pid);
        ASSERT_NE(row, nullptr);
        EXPECT_EQ(RowAccessorI(*row)->Get(state, row->offset), 127) << pid;
    }
    for (int pid = 0x8009; pid <= 0x800B; ++pid) {
        const PARAMDESC* row = t->FindPID(pid);
        EXPECT_EQ(RowAccessorI(*row)->Get(state, row->offset), -1) << pid;
    }
    const PARAMDESC* tempo = t->FindPID(0x800C);
    EXPECT_EQ(tempo->defval, 120);
    EXPECT_EQ(std::string(tempo->unit), "bpm");
}
