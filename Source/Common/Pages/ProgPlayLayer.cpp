#include <string>
#include <vector>

#include "Common/Model/Sections.h"
#include "Common/Pages/ProgPageRows.h"
#include "Common/Pages/ProgPages.h"
#include "Common/Editor/MenuItems.h"
#include "Common/Pages/ProgMenus.h"

using namespace ProgRows;

namespace {

// The performance editor: one column per play parameter 0x0000 to 0x0007.
constexpr const char* kPerformanceNames[] = {"Octave", "Stretch", "OSC\nBalance", "Level",
                                             "Attack", "Decay",   "IFX\nBalance", "MFX\nBalance"};
constexpr int kPerformanceX = 18;
constexpr int kPerformanceStep = 45;

const Row kArpeggiatorRows[] = {
    Switch(375, 20, 0x0101, "Switch_SmallON"),
    Category(407, 22, 70, "Arpeggiator"),
    Label(379, 43, 52, "Pattern"),
    Dropdown(431, 43, 0x0200, 1),
    Label(379, 65, 52, "Resolution"),
    Dropdown(431, 65, 0x0201, 2),
    Label(379, 87, 52, "Octave"),
    Dropdown(431, 87, 0x0202, 2),
    Switch(380, 116, 0x0206),
    Label(398, 116, 50, "Sort", 13),
    Switch(380, 135, 0x0207),
    Label(398, 135, 50, "Latch", 13),
    Switch(452, 116, 0x0208),
    Label(470, 116, 50, "Key Sync", 13),
    Switch(452, 135, 0x0209),
    Label(470, 135, 50, "Keyboard", 13),
};

// The rows of the performance editor; texts point into names, which must outlive the rows.
std::vector<Row> PerformanceRows(std::vector<std::string>& names) {
    names.clear();
    names.reserve(16);
    std::vector<Row> rows;
    for (int i = 0; i < 8; ++i) {
        const int x = kPerformanceX + kPerformanceStep * i;
        const int pid = i;
        const std::string name = kPerformanceNames[i];
        const size_t split = name.find('\n');
        if (split == std::string::npos) {
            rows.push_back(Label(x - 8, 20, 40, kPerformanceNames[i], 12, 1));
        } else {
            names.push_back(name.substr(0, split));
            rows.push_back(Label(x - 8, 14, 40, names.back().c_str(), 12, 1));
            names.push_back(name.substr(split + 1));
            rows.push_back(Label(x - 8, 26, 40, names.back().c_str(), 12, 1));
        }
        rows.push_back(VerticalBar(x, 46, pid, 0, 100, "VerticalValueBar_Prog", "VerticalValueBarBack_Prog"));
        rows.push_back(TextEdit(x, 146, pid, 23, 13, 3, 0x10000 | pid));
    }
    return rows;
}

}  // namespace

ProgPlayLayer::ProgPlayLayer(QorX0::IRemoteSynth* synth)
    : EditTabPageLayerBase(synth, QorX0::kModeProgPlay) {}

bool ProgPlayLayer::OnCreate() {
    std::vector<std::string> names;
    const std::vector<Row> performance = PerformanceRows(names);
    Build(this, performance.data(), static_cast<int>(performance.size()));
    Build(this, kArpeggiatorRows);
    return CTabPageLayer::OnCreate();
}

void ProgPlayLayer::GetMenuItemInfoList(std::list<MenuItemInfo>& items) {
    ProgMenus::Append(items, ProgMenus::kPlain);
}
