// Every text a converter shows reads back as the value it shows: what the musician sees in a field
// is what typing it again gives the instrument.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "Common/Model/ModelStrings.h"
#include "Common/Model/ParamTable.h"
#include "Model/AllTablesList.h"
#include "Support/SectionSet.h"

using namespace QorX0;

namespace {

// Checks each value of the row's range once per converter and range; the first text that fails is
// reported with the count of failing values.
class RoundTrip {
public:
    void Check(const std::string& where, const PARAMDESC& row) {
        if (row.ptype == kPTypeCaption || row.ptype == kPTypeString || !row.converter) return;
        if (!m_seen.insert({row.converter, row.minval, row.maxval}).second) return;
        long long failing = 0;
        std::string first;
        for (long long v = row.minval; v <= row.maxval; ++v) {
            const std::string text = multiszlong(row.converter->Format(static_cast<int>(v)));
            int back = 0;
            const bool read = row.converter->TryParse(text.c_str(), &back);
            if ((!read || back != v) && failing++ == 0)
                first = std::to_string(v) + " shows \"" + text + "\", reads " +
                        (read ? std::to_string(back) : "nothing");
        }
        EXPECT_EQ(failing, 0) << where << " " << RowLongName(row) << " (PID " << row.pid << "): " << first;
    }

private:
    std::set<std::tuple<const IStringConverter*, int, int>> m_seen;
};

void CheckSection(RoundTrip& check, const std::string& name, ISection* section) {
    if (!section) return;
    for (int i = 0; i < section->GetParamCount(); ++i) {
        PARAMDESC row{};
        if (section->GetParamDescByIndex(static_cast<unsigned>(i), &row)) check.Check(name, row);
    }
}

void CheckList(RoundTrip& check, const std::string& name, ISectionList* list) {
    for (unsigned i = 0; list && i < list->GetCount(); ++i)
        CheckSection(check, name + " " + std::to_string(i), list->GetAt(i));
}

}  // namespace

// The bound tables (every effect type among them), then the sections, whose name lists (samples,
// kits, patterns, tone-adjust destinations) and sparse lists are built over the image.
TEST(ConverterRoundTrip, EveryTextOfEveryRowOfBothModelsReadsBackAsItsValue) {
    for (unsigned char pmid : {kPmidTolva, kPmidNerimo}) {
        SCOPED_TRACE("model " + std::to_string(pmid));
        RoundTrip check;
        for (const TableCase& tc : AllTables()) {
            const CParamTable* t = CParamTable::GetInstance(*tc.table, pmid, tc.recordSize);
            ASSERT_NE(t, nullptr);
            for (unsigned i = 0; i < t->GetCount(); ++i) check.Check(tc.name, *t->GetAt(i));
        }
        SectionSet s(pmid);
        const std::vector<std::pair<const char*, ISection*>> plain = {
            {"setup", &s.setup},    {"realtime", &s.rtc},      {"global", &s.global},
            {"drum kits", &s.kits}, {"patterns", &s.patterns}, {"ext controls", &s.exts}};
        for (const auto& [name, section] : plain) CheckSection(check, name, section);
        const std::vector<std::pair<const char*, ISoundSection*>> sounds = {{"program play", &s.progPlay},
                                                                            {"program edit", &s.progEdit},
                                                                            {"combi play", &s.combiPlay},
                                                                            {"combi edit", &s.combiEdit},
                                                                            {"multi", &s.multi}};
        for (const auto& [name, sound] : sounds) {
            const std::string n = name;
            CheckSection(check, n, sound);
            CheckSection(check, n + " IFX", sound->GetIFX());
            CheckSection(check, n + " MFX1", sound->GetMFX1());
            CheckSection(check, n + " MFX2", sound->GetMFX2());
            CheckList(check, n + " track", sound->GetTrack());
            CheckList(check, n + " tone adjust", sound->GetToneAdj());
        }
    }
}
