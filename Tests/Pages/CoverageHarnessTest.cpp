// The coverage check's own rules for rows the window's controls edit and for stale allow-list rows,
// over one real section with no page: every row allow-listed, one row changed per case.
#include <gtest/gtest.h>

#include "Common/Model/ParamDesc.h"
#include "Common/Model/Sections.h"
#include "Pages/CoverageHarness.h"
#include "Pages/PagesFixture.h"

using namespace QorX0;

namespace {

using CoverageHarnessTest = PagesFixture;

TEST_F(CoverageHarnessTest, WindowRowsAndStaleAllowListRows) {
    ISection* section = synth->GetEditBuffer(kModeProgPlay);
    // The first parameter row is the one the cases change.
    int pid = -1;
    for (unsigned i = 0; pid == -1 && i < static_cast<unsigned>(section->GetParamCount()); ++i) {
        PARAMDESC desc{};
        if (section->GetParamDescByIndex(i, &desc) && desc.ptype != kPTypeCaption) pid = desc.pid;
    }
    ASSERT_NE(pid, -1);
    struct Case {
        const char* what;
        const char* reason;      // of the row pid
        bool reached;            // a window control edits pid
        bool complete;           // the check covers every table
        const char* extraTable;  // an allow-list row of this table, or null
        const char* failure;     // a piece of the one failure expected, or null for none
    };
    const Case cases[] = {
        {"a window row the window edits", "window: a knob", true, true, nullptr, nullptr},
        {"a window row no window control edits", "window: a knob", false, true, nullptr,
         "says a window control edits it"},
        {"a window row on a check of pages alone", "window: a knob", false, false, nullptr, nullptr},
        {"a plain row the window edits", "no page", true, true, nullptr, "is edited by the window"},
        {"a row of a table the window lacks", "no page", false, true, "NOSUCHTABLE", "names no table"},
        {"a row of another table on a check of pages alone", "no page", false, false, "NOSUCHTABLE", nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        CoverageHarness harness(model);
        harness.RequireSection(section, "PROGPLAY");
        std::vector<CoverageAllowRow> allow;
        for (int i = 0; i < section->GetParamCount(); ++i) {
            PARAMDESC desc{};
            if (!section->GetParamDescByIndex(static_cast<unsigned>(i), &desc) ||
                desc.ptype == kPTypeCaption || desc.pid == -1)
                continue;
            const bool mine = desc.pid == pid;
            const std::string reason = mine ? c.reason : "no page";
            allow.push_back({"both", "PROGPLAY", desc.pid, reason, reason.rfind("window:", 0) == 0});
        }
        if (c.extraTable) allow.push_back({"both", c.extraTable, 1, "no page", false});
        if (c.reached) harness.Reached(section, pid, "a knob");
        const CoverageHarness::Result result = harness.Evaluate("test", allow, c.complete);
        if (!c.failure) {
            EXPECT_TRUE(result.failures.empty()) << result.report;
            continue;
        }
        ASSERT_EQ(result.failures.size(), 1u) << result.report;
        EXPECT_NE(result.failures[0].find(c.failure), std::string::npos) << result.failures[0];
    }
}

// The account of every row of a table counts captions apart and gives each row its status.
TEST_F(CoverageHarnessTest, TheTableAccountCountsEveryRow) {
    ISection* section = synth->GetEditBuffer(kModeProgPlay);
    CoverageHarness harness(model);
    harness.RequireSection(section, "PROGPLAY");
    std::vector<CoverageAllowRow> allow;
    int rows = 0;
    for (int i = 0; i < section->GetParamCount(); ++i) {
        PARAMDESC desc{};
        if (!section->GetParamDescByIndex(static_cast<unsigned>(i), &desc) || desc.ptype == kPTypeCaption ||
            desc.pid == -1)
            continue;
        allow.push_back({"both", "PROGPLAY", desc.pid, "no page", false});
        ++rows;
    }
    CoverageHarness::Result result = harness.Evaluate("test", allow, true);
    std::vector<CoverageHarness::Table> tables;
    for (const CoverageHarness::Table& t : CoverageHarness::AllTables())
        if (t.name == "PROGPLAY") tables.push_back(t);
    ASSERT_EQ(tables.size(), 1u);
    const std::string account = harness.TableReport(tables, result);
    EXPECT_TRUE(result.failures.empty()) << account;
    const int captions = static_cast<int>(tables[0].rows->count) - rows;
    char line[160];
    std::snprintf(line, sizeof line, "  %-17s %5u  %7d  %5d  %7d  %6d  %5d  %7d  %7d  %6d\n", "all",
                  tables[0].rows->count, captions, 0, 0, 0, 0, rows, 0, 0);
    EXPECT_NE(account.find(line), std::string::npos) << account;
}

}  // namespace
