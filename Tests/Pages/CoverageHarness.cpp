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
#include "Common/Model/Tables/EffectTables.h"
#include "Common/Model/Tables/SmallTables.h"
#include "Common/Model/Tables/SoundTables.h"
#include "Common/Pages/GlobalArpeggioPatternLayer.h"
#include "Common/Pages/GlobalDrumKitLayer.h"
#include "Common/Pages/GlobalSystemPages.h"

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
        row.window = row.reason.rfind("window:", 0) == 0;
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

void CoverageHarness::RequireSection(ISection* section, const std::string& table, bool local,
                                     const std::string& family) {
    if (!section) {
        m_failures.push_back("no section for table " + table);
        return;
    }
    m_sections[section] = Required{table, local};
    m_family[table] = family.empty() ? table : family;
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

void CoverageHarness::Reached(ISection* section, int pid, const std::string& where) {
    const Key key = KeyOf(section, pid);
    if (!key.first.empty()) m_reached.emplace(key, where);
}

void CoverageHarness::Collect(CTabPageLayer* page, const std::string& where) {
    CollectLayer(page, where, 0);
}

void CoverageHarness::CollectWalking(CTabPageLayer* page, const std::string& where) {
    Collect(page, where);
    if (auto* kit = dynamic_cast<GlobalDrumKitLayer*>(page)) {
        for (int key = 0; key < 128; ++key) {
            kit->ChangeCurrentNote(key);
            Collect(page, where + " key " + std::to_string(key));
        }
    } else if (auto* arp = dynamic_cast<GlobalArpeggioPatternLayer*>(page)) {
        for (int tone = 0; tone < 12; ++tone) {
            arp->ChangeNoteNo(tone);
            Collect(page, where + " tone " + std::to_string(tone));
        }
        for (int step = 0; step < 48; ++step) {
            arp->ChangedStep(step);
            Collect(page, where + " step " + std::to_string(step));
        }
    } else if (auto* scale = dynamic_cast<GlobalUserScaleLayer*>(page)) {
        for (int s = 0; s < 16; ++s) {
            scale->OnUserOctaveChanged(s);
            Collect(page, where + " scale " + std::to_string(s));
        }
        for (int octave = 0; octave <= 10; ++octave) {
            scale->OnAllNotesOctaveChanged(octave);
            Collect(page, where + " octave " + std::to_string(octave));
        }
    }
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
        // The layer finds its controls, and their links, by id: a control another one shadows is
        // never set when its parameter changes.
        if (control->GetId() != -1 &&
            page->GetControlById(control->GetId(), control->GetUserValue()) != control)
            m_failures.push_back(name + " shares its id with another control of the page");
        const SParamIdInfo link = page->GetParameterIdByControl(control);
        if (!link.section || link.pid == -1) {
            if (ExpectsLink(control))
                m_failures.push_back(name + " was made for a parameter and is not linked");
            continue;
        }
        ++m_links;
        PARAMDESC desc{};
        if (link.section->GetParamDesc(link.pid, &desc)) {
            m_linkedStorage.insert(Storage{desc.record, desc.offset, desc.lobit, desc.hibit});
        } else if (link.section->GetIndexByParamID(link.pid) < 0) {
            m_failures.push_back(name + " is linked to " + Hex(link.pid) + ", which its section lacks");
            continue;
        }
        // Otherwise the row's description follows another row and is absent for now (a tone
        // adjust's value while its destination is off): the control stays linked to it.
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
                                                  const std::vector<CoverageAllowRow>& allow,
                                                  bool complete) const {
    Result result;
    result.failures = m_failures;
    std::map<Key, const CoverageAllowRow*> allowed;
    std::set<std::string> tables;
    for (const auto& [section, required] : m_sections) tables.insert(required.table);
    for (const auto& [key, row] : m_rows) tables.insert(key.first);
    for (const CoverageAllowRow& row : allow) {
        if (row.model != "both" && row.model != ModelName(m_model)) continue;
        if (tables.count(row.table))
            allowed[{row.table, row.pid}] = &row;
        else if (complete)
            result.failures.push_back("allow-list row " + row.table + " " + Hex(row.pid) +
                                      " names no table of the window");
    }

    struct Counts {
        int rows = 0, linked = 0, window = 0, aliases = 0, allowed = 0, missing = 0;
    };
    std::map<std::string, Counts> counts;
    std::ostringstream detail;
    for (const auto& [key, row] : m_rows) {
        // Tables of one sub-section under several types ("IFX/FX07") are counted together.
        Counts& c = counts[key.first.substr(0, key.first.find('/'))];
        ++c.rows;
        const std::string name = key.first + " " + Hex(key.second);
        auto listed = allowed.find(key);
        const CoverageAllowRow* entry = listed != allowed.end() ? listed->second : nullptr;
        if (m_linked.count(key)) {
            ++c.linked;
            result.status[key] = Status::OnPage;
            if (entry)
                result.failures.push_back("allow-list row " + name + " is on a page now (" +
                                          m_linkedWhere.at(key) + "): remove it");
            continue;
        }
        auto reached = m_reached.find(key);
        if (reached != m_reached.end()) {
            ++c.window;
            result.status[key] = Status::Window;
            detail << "  window   " << name << " " << row.name << ": " << reached->second << "\n";
            if (entry && !entry->window)
                result.failures.push_back("allow-list row " + name + " is edited by the window (" +
                                          reached->second + "): remove it or give its reason as \"window:\"");
            continue;
        }
        bool alias = false;
        for (const Storage& s : m_linkedStorage)
            if (s.record == row.storage.record && s.offset == row.storage.offset && s.lo <= row.storage.lo &&
                row.storage.hi <= s.hi)
                alias = true;
        if (alias) {
            ++c.aliases;
            result.status[key] = Status::Alias;
            detail << "  alias    " << name << " " << row.name << "\n";
            if (entry)
                result.failures.push_back("allow-list row " + name +
                                          " is an alias of a row on a page now: remove it");
            continue;
        }
        if (entry && entry->window && complete) {
            ++c.missing;
            result.status[key] = Status::Missing;
            detail << "  MISSING  " << name << " " << row.name << "\n";
            result.failures.push_back("allow-list row " + name +
                                      " says a window control edits it; none does");
            continue;
        }
        if (entry) {
            ++c.allowed;
            result.status[key] = Status::Allowed;
            detail << "  allowed  " << name << " " << row.name << ": " << entry->reason << "\n";
            continue;
        }
        ++c.missing;
        result.status[key] = Status::Missing;
        detail << "  MISSING  " << name << " " << row.name << "\n";
        result.failures.push_back("row " + name + " (" + row.name +
                                  ") is on no page, is no alias and is not on the allow-list");
    }
    for (const auto& [key, row] : allowed)
        if (!m_rows.count(key))
            result.failures.push_back("allow-list row " + key.first + " " + Hex(key.second) +
                                      " names no parameter row of the table");

    std::ostringstream report;
    report << "Coverage of " << mode << " pages, model " << ModelName(m_model) << ": " << m_links
           << " links collected\n";
    report << "  table            rows  on page  window  alias  allowed  missing\n";
    for (const auto& [table, c] : counts) {
        char line[128];
        std::snprintf(line, sizeof line, "  %-15s %5d  %7d  %6d  %5d  %7d  %7d\n", table.c_str(), c.rows,
                      c.linked, c.window, c.aliases, c.allowed, c.missing);
        report << line;
    }
    report << detail.str();
    for (const std::string& failure : result.failures) report << "  FAILURE  " << failure << "\n";
    result.report = report.str();
    return result;
}

std::vector<CoverageHarness::Table> CoverageHarness::AllTables() {
    std::vector<Table> tables = {
        {"SETUP", &TABLEDESC_SETUP, false},           {"RTCTL", &TABLEDESC_RTCTL, false},
        {"GLOBAL", &TABLEDESC_GLOBAL, false},         {"EXTCONTROL", &TABLEDESC_EXTCONTROL, false},
        {"ARPPATTERN", &TABLEDESC_ARPPATTERN, false}, {"DRUMKIT", &TABLEDESC_DRUMKIT, false},
        {"PROGPLAY", &TABLEDESC_PROGPLAY, false},     {"PROGEDIT", &TABLEDESC_PROGEDIT, false},
        {"COMBIPLAY", &TABLEDESC_COMBIPLAY, false},   {"COMBIPLAYTRK", &TABLEDESC_COMBIPLAYTRK, false},
        {"COMBIEDIT", &TABLEDESC_COMBIEDIT, false},   {"COMBIEDITTRK", &TABLEDESC_COMBIEDITTRK, false},
        {"TONEADJ", &TABLEDESC_TONEADJ, false},       {"TONEADJDESTTMPL", &TABLEDESC_TONEADJDESTTMPL, true},
        {"MULTI", &TABLEDESC_MULTI, false},           {"MULTITRK", &TABLEDESC_MULTITRK, false},
    };
    for (unsigned type = 0; type < kFxTypeCount; ++type) {
        char name[16];
        std::snprintf(name, sizeof name, "FX%02u", type);
        tables.push_back({name, &TABLEARRAY_FX[type], false});
    }
    return tables;
}

std::string CoverageHarness::TableReport(const std::vector<Table>& tables, Result& result) const {
    // Each table row takes the worst status of its instances.
    std::map<Key, Status> rows;
    for (const auto& [key, status] : result.status) {
        auto family = m_family.find(key.first);
        const Key row{family != m_family.end() ? family->second : key.first, key.second};
        auto [it, fresh] = rows.emplace(row, status);
        if (!fresh) it->second = Worst(it->second, status);
    }
    struct Counts {
        int rows = 0, captions = 0, templates = 0, status[5] = {}, absent = 0;
    };
    std::map<std::string, Counts> counts;  // effect types counted together
    Counts total;
    std::set<Key> seen;
    for (const Table& table : tables) {
        Counts& c = counts[table.name.rfind("FX", 0) == 0 ? std::string("FX (every type)") : table.name];
        for (uint32_t i = 0; i < table.rows->count; ++i) {
            const PARAMDESC& desc = table.rows->rows[i];
            for (Counts* t : {&c, &total}) ++t->rows;
            if (desc.ptype == kPTypeCaption) {
                for (Counts* t : {&c, &total}) ++t->captions;
                continue;
            }
            if (table.templates) {
                for (Counts* t : {&c, &total}) ++t->templates;
                continue;
            }
            auto it = rows.find({table.name, desc.pid});
            if (it == rows.end()) {
                for (Counts* t : {&c, &total}) ++t->absent;
                continue;
            }
            seen.insert(it->first);
            for (Counts* t : {&c, &total}) ++t->status[static_cast<int>(it->second)];
        }
    }
    for (const auto& [key, status] : rows)
        if (!seen.count(key))
            result.failures.push_back("row " + key.first + " " + Hex(key.second) + " belongs to no table");

    std::ostringstream report;
    report << "Every row of every table, model " << ModelName(m_model) << ": " << total.rows << " rows, "
           << total.captions << " captions, " << total.templates << " template rows, "
           << total.rows - total.captions - total.templates << " parameter rows\n";
    report << "  table              rows  caption  templ  on page  window  alias  allowed  missing  absent\n";
    auto line = [&report](const std::string& name, const Counts& c) {
        char text[160];
        std::snprintf(text, sizeof text, "  %-17s %5d  %7d  %5d  %7d  %6d  %5d  %7d  %7d  %6d\n",
                      name.c_str(), c.rows, c.captions, c.templates, c.status[0], c.status[1], c.status[2],
                      c.status[3], c.status[4], c.absent);
        report << text;
    };
    for (const auto& [name, c] : counts) line(name, c);
    line("all", total);
    report << "  (absent: rows this model's sections do not hold; a row of several instances takes the\n"
              "  worst status of its timbres, tracks or effect slots)\n";
    return report.str();
}
