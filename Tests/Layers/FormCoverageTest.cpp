// A printed report, not a check: the parameter rows of the program, combination and multi sections
// that no form shows, for each model. The pages that show parameters with their own controls take
// rows off this list; what stays on it cannot be edited on screen. Also written next to the test
// program as FormCoverage.txt.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <set>
#include <sstream>

#include "Common/Layers/Forms/UIFormManager.h"
#include "Common/Model/ParamDesc.h"
#include "Layers/FormTestSupport.h"
#include "Support/SectionSet.h"

using namespace QorX0;

namespace {

TEST(FormCoverage, PrintsTheParameterRowsNoFormShows) {
    std::ostringstream report;
    for (unsigned char model : {kPmidTolva, kPmidNerimo}) {
        std::map<int, std::set<int>> shown;  // section kind -> PIDs
        FormTest::ForEachForm([&](const UI_FORMINFO& form) {
            const auto models = FormTest::ModelsOf(form);
            if (std::find(models.begin(), models.end(), model) == models.end()) return;
            for (int i = 0; i < form.childCount; ++i)
                if (form.children[i].controlId != -1)
                    shown[FormTest::HostOf(form).kind].insert(form.children[i].controlId);
        });
        SectionSet sections(model);
        const std::pair<int, ISection*> kinds[] = {{kModeProgEdit, &sections.progEdit},
                                                   {kModeCombiEdit, &sections.combiEdit},
                                                   {kModeMulti, &sections.multi}};
        const char* modelName = model == kPmidTolva ? "Tolva" : "Nerimo";
        for (const auto& [kind, section] : kinds) {
            std::ostringstream rows;
            int count = 0, total = 0;
            for (int i = 0; i < section->GetParamCount(); ++i) {
                PARAMDESC desc{};
                if (!section->GetParamDescByIndex(static_cast<unsigned>(i), &desc) || desc.pid < 0 ||
                    desc.ptype == kPTypeCaption)
                    continue;
                ++total;
                if (shown[kind].count(desc.pid)) continue;
                ++count;
                char pid[8];
                std::snprintf(pid, sizeof pid, "0x%04X", static_cast<unsigned>(desc.pid));
                rows << "  " << pid << "  " << desc.name << '\n';
            }
            report << modelName << ", section kind " << kind << ": " << count << " of " << total
                   << " parameter rows shown by no form\n"
                   << rows.str();
        }
    }
    std::cout << report.str();
    const auto path = std::filesystem::canonical("/proc/self/exe").parent_path() / "FormCoverage.txt";
    std::ofstream(path) << report.str();
    SUCCEED();
}

}  // namespace
