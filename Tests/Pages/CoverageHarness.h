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
// (as given to RequireSection), a PID in hexadecimal and the reason, separated by tabs.
#include <map>
#include <set>
#include <string>
#include <tuple>
#include <vector>

namespace QorX0 {
class ISection;
}
class CHfcWindowLayer;
class CTabPageLayer;

struct CoverageAllowRow {
    std::string model;
    std::string table;
    int pid;
    std::string reason;
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
    void RequireSection(QorX0::ISection* section, const std::string& table, bool local = false);
    // Every link of page, of its sublevel pages and of theirs, checked and counted; where names the
    // page in the report.
    void Collect(CTabPageLayer* page, const std::string& where);

    struct Result {
        std::vector<std::string> failures;
        std::string report;
    };
    Result Evaluate(const std::string& mode, const std::vector<CoverageAllowRow>& allow) const;

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
    Key KeyOf(QorX0::ISection* section, int pid) const;
    void CollectLayer(CTabPageLayer* page, const std::string& where, int depth);

    unsigned char m_model;
    std::map<QorX0::ISection*, Required> m_sections;
    std::map<Key, RowInfo> m_rows;      // every required parameter row seen
    std::set<Key> m_linked;             // rows some control links
    std::set<Storage> m_linkedStorage;  // what linked rows store
    std::map<Key, std::string> m_linkedWhere;
    std::vector<std::string> m_failures;
    size_t m_links = 0;
};
