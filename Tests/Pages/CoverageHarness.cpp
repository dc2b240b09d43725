#include "Pages/CoverageHarness.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "Common/Controls/QnSimpleControls.h"
#include "Common/Layers/QnSynthLayer.h"
#include "Common/Layers/TabControl.h"
#include "Common/Model/ParamDesc.h"
#include "Common/Model/Sections.h"
#include "Common/Model/SynthData.h"

using namespace QorX0;

namespace {

std::string Hex(int pid) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%04X", static_cast<unsigned>(pid) & 0xFFFFu);
    return text;
}

const char* ModelName(unsigned char model) {
    return model == kPmidNerimo ? "nerimo" : "tolva";
}

// A control that a page made for a parameter: not a label, tab row or graph (graphs report records
// to the page), and not one of the page-local ids from 0x10000 up.
bool ExpectsLink(const CHfcControl* control) {
    // Page-local ids lie from 0x10000 up, read unsigned (the setup page's port lists use 0xFFFF000x).
    if (control->GetId() == -1 || static_cast<unsigned>(control->GetId()) >= 0x10000u) return false;
    if (dynamic_cast<const QnStaticText*>(control) || dynamic_cast<const CTabControl*>(control)) return false;
    return QnSynthLayer::GetControlRule(control) != QnControlRule::RecordReporter;
}

}  // namespace

std::vector<CoverageAllowRow> ParseCoverageAllowlist(const std::string& text, std::string& error) {
    std::vector<CoverageAllowRow> rows;
    std::istringstream in(text);
    std::string line;
    int number = 0;
    while (std::getline(in, line)) {
        ++number;
        if (line.empty() || line[0] == '#') continue;
        std::vector<std::string> fields;
        std::istringstream parts(line);
        std::string field;
        while (std::getline(parts, field, '\t')) fields.push_back(field);
        CoverageAllowRow row;
        char* end = nullptr;
        const bool ok = fields.size() == 4 &&
                        (fields[0] == "both" || fields[0] == "tolva" || fields[0] == "nerimo") &&
                        !fields[1].empty() && !fields[3].empty();
        if (ok) row.pid = static_cast<int>(std::strtol(fields[2].c_str(), &end, 16));
        if (!ok || !end || *end != '\0' || fields[2].empty()) {
            error = "line " + std::to_string(number) + ": want model<TAB>table<TAB>pid<TAB>reason: " + line;
            return {};
        }
        row.model = fields[0];
        row.table = fields[1];
        row.reason = fields[3];
        rows.push_back(row);
    }
    return rows;
}

std::vector<CoverageAllowRow> LoadCoverageAllowlist(std::string& error) {
    // The source path as the compiler saw it, which may be relative to the build folder (the
    // folder above this test program).
    std::filesystem::path path = std::filesystem::path(__FILE__).parent_path() / "coverage_allowlist.txt";
    if (path.is_relative())
        path = std::filesystem::canonical("/proc/self/exe").parent_path().parent_path() / path;
    std::ifstream in(path);
    if (!in) {
        error = "cannot read " + path.string();
        return {};
    }
    std::stringstream text;
    text << in.rdbuf();
    return ParseCoverageAllowlist(text.str(), error);
}

void CoverageHarness::RequireSection(ISection* section, const std::string& table, bool local) {
    if (!section) {
        m_failures.push_back("no section for table " + table);
        return;
    }
    m_sections[section] = Required{table, local};
    for (int i = 0; i < section->GetParamCount(); ++i) {
        PARAMDESC desc{};
        if (!section->GetParamDescByIndex(static_cast<unsigned>(i), &desc)) continue;
        if (desc.ptype == kPTypeCaption || desc.pid == -1) continue;
        const Key key = KeyOf(section, desc.pid);
        if (m_rows.count(key)) continue;
        m_rows[key] =
            RowInfo{desc.name ? desc.name : "", Storage{desc.record, desc.offset, desc.lobit, desc.hibit}};
    }
}

CoverageHarness::Key CoverageHarness::KeyOf(ISection* section, int pid) const {
    auto it = m_sections.find(section);
    if (it == m_sections.end()) return {"", pid};
    return {it->second.table, it->second.local ? (pid & 0xFF) : pid};
}

void CoverageHarness::Collect(CTabPageLayer* page, const std::string& where) {
    CollectLayer(page, where, 0);
}

void CoverageHarness::CollectLayer(CTabPageLayer* page, const std::string& where, int depth) {
    if (!page || depth > 4) return;
    std::vector<CHfcControl*> controls;
    page->GetControlVec(controls);
    const int width = page->GetWidth(), height = page->GetHeight();
    for (CHfcControl* control : controls) {
        const tagHfcRect r = control->GetRect();
        const std::string name = where + " control " + Hex(control->GetId());
        // A label whose text is only blanks or line feeds (an effect table's column break) draws
        // nothing, wherever it stands.
        const auto* label = dynamic_cast<const QnStaticText*>(control);
        const bool blank = label && label->GetText().find_first_not_of(" \n") == std::string::npos;
        if (control->IsVisible() && !blank &&
            (r.left < 0 || r.top < 0 || r.right > width || r.bottom > height))
            m_failures.push_back(name + " lies outside its page (" + std::to_string(r.left) + "," +
                                 std::to_string(r.top) + "," + std::to_string(r.right) + "," +
                                 std::to_string(r.bottom) + " in " + std::to_string(width) + "x" +
                                 std::to_string(height) + ")");
        const SParamIdInfo link = page->GetParameterIdByControl(control);
        if (!link.section || link.pid == -1) {
            if (ExpectsLink(control))
                m_failures.push_back(name + " was made for a parameter and is not linked");
            continue;
        }
        ++m_links;
        PARAMDESC desc{};
        if (!link.section->GetParamDesc(link.pid, &desc)) {
            m_failures.push_back(name + " is linked to " + Hex(link.pid) + ", which its section lacks");
            continue;
        }
        m_linkedStorage.insert(Storage{desc.record, desc.offset, desc.lobit, desc.hibit});
        const Key key = KeyOf(link.section, link.pid);
        if (key.first.empty()) continue;  // a section of another mode (realtime, global)
        m_linked.insert(key);
        m_linkedWhere.emplace(key, where);
    }
    if (CTabControl* sub = page->GetSubTabControl())
        for (int i = 0; i < sub->GetTabPageCount(); ++i)
            CollectLayer(sub->GetTabPageLayer(i), where + "/" + std::to_string(i), depth + 1);
}

CoverageHarness::Result CoverageHarness::Evaluate(const std::string& mode,
                                                  const std::vector<CoverageAllowRow>& allow) const {
    Result result;
    result.failures = m_failures;
    std::map<Key, const CoverageAllowRow*> allowed;
    std::set<std::string> tables;
    for (const auto& [section, required] : m_sections) tables.insert(required.table);
    for (const auto& [key, row] : m_rows) tables.insert(key.first);
    for (const CoverageAllowRow& row : allow)
        if ((row.model == "both" || row.model == ModelName(m_model)) && tables.count(row.table))
            allowed[{row.table, row.pid}] = &row;

    struct Counts {
        int rows = 0, linked = 0, aliases = 0, allowed = 0, missing = 0;
    };
    std::map<std::string, Counts> counts;
    std::ostringstream detail;
    for (const auto& [key, row] : m_rows) {
        // Tables of one sub-section under several types ("IFX/FX07") are counted together.
        Counts& c = counts[key.first.substr(0, key.first.find('/'))];
        ++c.rows;
        if (m_linked.count(key)) {
            ++c.linked;
            auto stale = allowed.find(key);
            if (stale != allowed.end())
                result.failures.push_back("allow-list row " + key.first + " " + Hex(key.second) +
                                          " is on a page now (" + m_linkedWhere.at(key) + "): remove it");
            continue;
        }
        bool alias = false;
        for (const Storage& s : m_linkedStorage)
            if (s.record == row.storage.record && s.offset == row.storage.offset && s.lo <= row.storage.lo &&
                row.storage.hi <= s.hi)
                alias = true;
        if (alias) {
            ++c.aliases;
            detail << "  alias    " << key.first << " " << Hex(key.second) << " " << row.name << "\n";
            continue;
        }
        auto listed = allowed.find(key);
        if (listed != allowed.end()) {
            ++c.allowed;
            detail << "  allowed  " << key.first << " " << Hex(key.second) << " " << row.name << ": "
                   << listed->second->reason << "\n";
            continue;
        }
        ++c.missing;
        detail << "  MISSING  " << key.first << " " << Hex(key.second) << " " << row.name << "\n";
        result.failures.push_back("row " + key.first + " " + Hex(key.second) + " (" + row.name +
                                  ") is on no page, is no alias and is not on the allow-list");
    }
    for (const auto& [key, row] : allowed)
        if (!m_rows.count(key))
            result.failures.push_back("allow-list row " + key.first + " " + Hex(key.second) +
                                      " names no parameter row of the table");

    std::ostringstream report;
    report << "Coverage of " << mode << " pages, model " << ModelName(m_model) << ": " << m_links
           << " links collected\n";
    report << "  table            rows  on page  alias  allowed  missing\n";
    for (const auto& [table, c] : counts) {
        char line[128];
        std::snprintf(line, sizeof line, "  %-15s %5d  %7d  %5d  %7d  %7d\n", table.c_str(), c.rows, c.linked,
                      c.aliases, c.allowed, c.missing);
        report << line;
    }
    report << detail.str();
    for (const std::string& failure : result.failures) report << "  FAILURE  " << failure << "\n";
    result.report = report.str();
    return result;
}
