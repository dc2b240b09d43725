#pragma once
// The coverage check of the edit pages: every parameter row a mode's sections hold must be on a
// page (a control linked to it), be an alias of a row that is (the same bits of the same record), or
// stand on the checked-in allow-list (coverage_allowlist.txt) with its reason. Links to a PID the
// section lacks, controls a page creates but fails to link, and controls outside their page are
// failures too. The report is printed whatever the outcome.
//
// A mode's test builds its pages, names the sections whose rows must be reached (RequireSection),
// collects every page after each step that changes what the pages link (Collect), and finally calls
// Evaluate with the mode's name. Allow-list rows name a model ("both", "tolva" or "nerimo"), a table
// (as given to RequireSection), a PID in hexadecimal and the reason, separated by tabs. A reason that
// starts with "window:" says a control of the editor window outside every page (a realtime knob, the
// tempo field) edits the row: a check on pages alone takes it as allowed, the check inside the window
// (which reports what the window's controls edit through Reached) fails when none does.
//
// The check inside the window covers every table; TableReport then gives the one account of every row
// of every table (captions and templates counted apart), each row's status the worst of its
// instances (timbres, tracks, effect slots).
#include <map>
#include <set>
#include <string>
#include <tuple>
#include <vector>

namespace QorX0 {
class ISection;
struct TABLEDESC;
}  // namespace QorX0
class CHfcWindowLayer;
class CTabPageLayer;

struct CoverageAllowRow {
    std::string model;
    std::string table;
    int pid;
    std::string reason;
    bool window = false;  // the reason starts with "window:"
};

// The allow-list next to this file; error is set when a line cannot be read.
std::vector<CoverageAllowRow> LoadCoverageAllowlist(std::string& error);
// Parses the allow-list text; error names the first bad line.
std::vector<CoverageAllowRow> ParseCoverageAllowlist(const std::string& text, std::string& error);

class CoverageHarness {
public:
    explicit CoverageHarness(unsigned char model) : m_model(model) {}

    // The rows of section must be reached; they are reported under table. For sections whose table
    // changes (effect slots), call again after each change before collecting: the key of a row is
    // (table, PID), the PID taken within its sub-section (low byte) when local is set.
    // family names the table the rows come from (the instance's own name when empty), for TableReport.
    void RequireSection(QorX0::ISection* section, const std::string& table, bool local = false,
                        const std::string& family = "");
    // A control of the window outside every page (where names it) edits pid of section.
    void Reached(QorX0::ISection* section, int pid, const std::string& where);
    // Every link of page, of its sublevel pages and of theirs, checked and counted; where names the
    // page in the report.
    void Collect(CTabPageLayer* page, const std::string& where);
    // The same, and for a page that relinks its controls over a range (the drum kit's keys, the
    // arpeggio pattern's tones and steps, the user scales and octaves) after each step of it.
    void CollectWalking(CTabPageLayer* page, const std::string& where);

    enum class Status { OnPage, Window, Alias, Allowed, Missing };
    struct Result {
        std::vector<std::string> failures;
        std::string report;
        std::map<std::pair<std::string, int>, Status> status;  // by (table, PID)
    };
    // complete: every table was required, so an allow-list row of any other table is stale too, and
    // a "window:" row no window control reaches fails.
    Result Evaluate(const std::string& mode, const std::vector<CoverageAllowRow>& allow,
                    bool complete = false) const;

    struct Table {
        std::string name;
        const QorX0::TABLEDESC* rows;
        bool templates;  // rows laid over others' storage, never shown themselves
    };
    // Every table of the model, by the names RequireSection's family takes.
    static std::vector<Table> AllTables();
    // The one account of every row of tables from an evaluation; a row the evaluation never saw (the
    // model lacks it) is counted apart. Adds a failure for a status row of no table.
    std::string TableReport(const std::vector<Table>& tables, Result& result) const;

    size_t LinkCount() const { return m_links; }

private:
    struct Storage {
        const void* record;
        int offset;
        int lo, hi;
        bool operator<(const Storage& o) const {
            return std::tie(record, offset, lo, hi) < std::tie(o.record, o.offset, o.lo, o.hi);
        }
    };
    struct RowInfo {
        std::string name;
        Storage storage;
    };
    using Key = std::pair<std::string, int>;
    struct Required {
        std::string table;
        bool local;
    };
    Status Worst(Status a, Status b) const { return a > b ? a : b; }
    Key KeyOf(QorX0::ISection* section, int pid) const;
    void CollectLayer(CTabPageLayer* page, const std::string& where, int depth);

    unsigned char m_model;
    std::map<QorX0::ISection*, Required> m_sections;
    std::map<Key, RowInfo> m_rows;      // every required parameter row seen
    std::set<Key> m_linked;             // rows some control links
    std::set<Storage> m_linkedStorage;  // what linked rows store
    std::map<Key, std::string> m_linkedWhere;
    std::map<Key, std::string> m_reached;         // rows a window control edits, and which
    std::map<std::string, std::string> m_family;  // instance table -> table
    std::vector<std::string> m_failures;
    size_t m_links = 0;
};
