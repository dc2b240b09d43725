// Every parameter row of the global record, the drum kits, the arpeggio patterns, the editor's
// setup and the external-control sets is on a global page (after walking every key, step, tone,
// scale and octave the pages relink to), the alias of a row that is, or listed below with the
// reason it is shown nowhere on these pages. A report of each table is printed and written next to
// the test program as GlobalCoverage.txt.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <memory>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "Common/Pages/GlobalArpeggioPatternLayer.h"
#include "Common/Pages/GlobalDrumKitLayer.h"
#include "Common/Pages/GlobalSoftwareSetupLayer.h"
#include "Common/Pages/GlobalSystemPages.h"
#include "Common/Pages/PageCatalogue.h"
#include "Pages/GlobalPageFixture.h"

using namespace QorX0;

namespace {

// Rows no global page shows, by table: a PID range and why.
struct Unshown {
    const char* table;
    int first, last;
    const char* reason;
};
const Unshown kUnshown[] = {
    {"GLOBAL", 0x8A00, 0x8A00, "no page: octave keys"},
    {"GLOBAL", 0x8B00, 0x8B00, "no page: multi mode"},
    {"GLOBAL", 0x7C0E, 0x7C13, "realtime arpeggiator controls and tempo of the editor window"},
    {"DRUMKIT", 0xFF00, 0xFF00, "the kit's name: rename dialog"},
    {"ARPPATTERN", 0xFF00, 0xFF00, "the pattern's name: rename dialog"},
    {"SETUP", 0x8400, 0x8400, "no page: total-recall program number"},
    {"SETUP", 0x8700, 0x8700, "no page: total-recall combination number"},
    {"SETUP", 0x8900, 0x8900, "no page: total-recall multi number"},
    {"SETUP", 0x8B00, 0x8B00, "no page: total-recall drum kit number"},
    {"SETUP", 0x8D00, 0x8D00, "no page: total-recall arpeggio pattern number"},
    {"SETUP", 0x8F00, 0x8F00, "no page: bring data from"},
    {"SETUP", 0x9100, 0x9100, "no page: wheel assign"},
    {"SETUP", 0x9200, 0x9200, "no page: MIDI latency"},
    {"SETUP", 0x9300, 0x9400, "the port lists of the software setup page (not linked)"},
    {"EXTCONTROL", 0x0000, 0xFFFF, "no page: external-control sets"},
};

const Unshown* FindUnshown(const std::string& table, int pid) {
    for (const Unshown& u : kUnshown)
        if (table == u.table && pid >= u.first && pid <= u.last) return &u;
    return nullptr;
}

struct Storage {
    const void* record;
    int offset;
    int lobit, hibit;
    bool operator<(const Storage& o) const {
        return std::tie(record, offset, lobit, hibit) < std::tie(o.record, o.offset, o.lobit, o.hibit);
    }
};

class GlobalCoverage : public GlobalPageFixture<GlobalSystemMIDILayer>,
                       public ::testing::WithParamInterface<unsigned char> {
protected:
    unsigned char Model() const override { return GetParam(); }

    std::map<ISection*, std::set<int>> linked;

    void Collect(CTabPageLayer& p) {
        std::vector<CHfcControl*> controls;
        p.GetControlVec(controls);
        for (CHfcControl* c : controls) {
            const SParamIdInfo link = p.GetParameterIdByControl(c);
            if (link.section != nullptr && link.pid != -1) linked[link.section].insert(link.pid);
        }
    }
};

TEST_P(GlobalCoverage, EveryRowIsOnAGlobalPageAnAliasOrListedWithItsReason) {
    // Every global page, walked over everything it relinks to.
    for (int index = 0; index < 6; ++index) {
        std::unique_ptr<CTabPageLayer> p(NewGlobalPage(synth.get(), index));
        ASSERT_NE(p, nullptr);
        CTabPageLayerCreateParam param{0, 0, QnControlCreater::LoadImage("Background_MainTab_Large")};
        ASSERT_TRUE(p->Create(param, window));
        Collect(*p);
        if (auto* kit = dynamic_cast<GlobalDrumKitLayer*>(p.get())) {
            for (int key = 0; key < 128; ++key) {
                kit->ChangeCurrentNote(key);
                Collect(*p);
            }
        } else if (auto* arp = dynamic_cast<GlobalArpeggioPatternLayer*>(p.get())) {
            for (int tone = 0; tone < 12; ++tone) {
                arp->ChangeNoteNo(tone);
                Collect(*p);
            }
            for (int step = 0; step < 48; ++step) {
                arp->ChangedStep(step);
                Collect(*p);
            }
        } else if (auto* scale = dynamic_cast<GlobalUserScaleLayer*>(p.get())) {
            for (int s = 0; s < 16; ++s) {
                scale->OnUserOctaveChanged(s);
                Collect(*p);
            }
            for (int o = 0; o <= 10; ++o) {
                scale->OnAllNotesOctaveChanged(o);
                Collect(*p);
            }
        }
        p->OnDestroy();
        window->RemoveLayer(p.get(), false);
    }

    const std::pair<const char*, ISection*> tables[] = {
        {"GLOBAL", &synth->sections.global},       {"DRUMKIT", &synth->sections.kits},
        {"ARPPATTERN", &synth->sections.patterns}, {"SETUP", &synth->sections.setup},
        {"EXTCONTROL", &synth->sections.exts},
    };
    std::ostringstream report;
    report << (GetParam() == kPmidTolva ? "Tolva" : "Nerimo") << "\n";
    std::set<const Unshown*> used;
    for (const auto& [name, section] : tables) {
        // Where each shown row keeps its value.
        std::set<Storage> shown;
        PARAMDESC desc{};
        for (int pid : linked[section])
            if (section->GetParamDesc(pid, &desc))
                shown.insert({desc.record, desc.offset, desc.lobit, desc.hibit});
        int rows = 0, onPage = 0, aliases = 0, listed = 0;
        std::ostringstream lines;
        for (int i = 0; i < section->GetParamCount(); ++i) {
            if (!section->GetParamDescByIndex(static_cast<unsigned>(i), &desc) || desc.pid == -1 ||
                desc.ptype == 0)
                continue;
            ++rows;
            char pid[16];
            std::snprintf(pid, sizeof pid, "%04X", desc.pid);
            const std::string rowName = std::string(desc.name ? desc.name : "");
            if (linked[section].count(desc.pid) != 0) {
                ++onPage;
                continue;
            }
            if (shown.count({desc.record, desc.offset, desc.lobit, desc.hibit}) != 0) {
                ++aliases;
                lines << "  alias " << pid << " " << rowName << "\n";
                continue;
            }
            if (const Unshown* u = FindUnshown(name, desc.pid)) {
                ++listed;
                used.insert(u);
                lines << "  not shown " << pid << " " << rowName << ": " << u->reason << "\n";
                continue;
            }
            ADD_FAILURE() << name << " row " << pid << " " << rowName << " is on no page and not listed";
            lines << "  MISSING " << pid << " " << rowName << "\n";
        }
        report << name << ": " << rows << " rows, " << onPage << " on a page, " << aliases << " aliases, "
               << listed << " listed\n"
               << lines.str();
    }
    // A listed row that is now on a page is a stale entry (external-control sets exist on one model).
    for (const Unshown& u : kUnshown) {
        if (used.count(&u) == 0 && std::string(u.table) != "EXTCONTROL")
            ADD_FAILURE() << "stale entry " << u.table << " " << std::hex << u.first << ": " << u.reason;
    }
    std::cout << report.str();
    const auto path =
        std::filesystem::canonical("/proc/self/exe").parent_path() /
        (std::string("GlobalCoverage_") + (GetParam() == kPmidTolva ? "Tolva" : "Nerimo") + ".txt");
    std::ofstream(path) << report.str();
}

INSTANTIATE_TEST_SUITE_P(Models, GlobalCoverage, ::testing::Values(kPmidTolva, kPmidNerimo),
                         [](const auto& info) { return info.param == kPmidTolva ? "Tolva" : "Nerimo"; });

}  // namespace
