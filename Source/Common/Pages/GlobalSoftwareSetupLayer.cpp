#include "Common/Pages/GlobalSoftwareSetupLayer.h"

#include <vector>

#include "Common/Controls/QnControlCreater.h"
#include "Common/Controls/QnDropdownList.h"
#include "Common/Controls/QnSimpleControls.h"
#include "Common/Model/ModelStrings.h"
#include "Common/QnUtils/QnUtils.h"
#include "Hfc/Core/HfcCtrlSwitch.h"
#include "Linux/MidiIO/MidiIO.h"

using namespace QorX0;

namespace {

// The total-recall switches, relative to the group's corner: the "All" row, then the indented kinds.
struct RecallRow {
    const char* label;
    int pid;
    bool indented;
};
constexpr RecallRow kRecallRows[] = {
    {"All", 0x8100, false},   {"Prog", 0x8200, true},     {"Combi", 0x8500, true},
    {"Multi", 0x8800, true},  {"Drum Kit", 0x8A00, true}, {"Arp. Pattern", 0x8C00, true},
    {"Global", 0x8E00, true},
};
struct RecallDropdown {
    int x, y, pid;
};
constexpr RecallDropdown kRecallDropdowns[] = {{125, 53, 0x8300}, {125, 75, 0x8600}};

// The page's layout.
struct SetupLayout {
    int groupX = 15, groupY = 8;
    int headingX = 16, headingY = 6, headingWidth = 150;
    int firstRowY = 31;
    int boxX = 15, labelX = 33, indentedBoxX = 38, indentedLabelX = 56, rowLabelWidth = 80;
    int recallDropdownLook = 2;
    int localBoxX = 349, localBoxY = 62, localLabelX = 368, localLabelWidth = 100;
    int portLabelX = 33, portLabelWidth = 90, portX = 133, inY = 204, outY = 228, portLook = 0;
};
constexpr SetupLayout kSetupLayout;
constexpr int kPidAutoLocal = 0x9000;

bool IsPlainPortItem(const std::string& text) {
    return !text.empty() && text.find(GlobalSoftwareSetupLayer::kNoPort) == std::string::npos &&
           text.find(GlobalSoftwareSetupLayer::kNotConnected) == std::string::npos;
}

}  // namespace

GlobalSoftwareSetupLayer::GlobalSoftwareSetupLayer(IRemoteSynth* synth) : GlobalPageLayerBase(synth, -1) {
    SetTargetMode(GetTargetMode() + 4);
}

bool GlobalSoftwareSetupLayer::OnCreate() {
    CreateTotalRecallSettingControls();
    CreateOtherControls();
    return GlobalPageLayerBase::OnCreate();
}

void GlobalSoftwareSetupLayer::CreateTotalRecallSettingControls() {
    const SetupLayout& l = kSetupLayout;
    const int kind = GetTargetMode();
    QnControlCreater creater(GetBackground(), l.groupX, l.groupY);
    AddPageLabel(creater, l.headingX, l.headingY, "Total Recall Data Setting", l.headingWidth, true);
    for (size_t k = 0; k < std::size(kRecallRows); ++k) {
        const RecallRow& row = kRecallRows[k];
        const int y = l.firstRowY + kRowHeight * static_cast<int>(k);
        // The creater places at the group's corner but copies the background from the page.
        QnControlCreater page(GetBackground(), 0, 0);
        const int boxX = l.groupX + (row.indented ? l.indentedBoxX : l.boxX);
        AddLinkedTo(page.CreateCehckBox(boxX, l.groupY + y, row.pid), kind, row.pid);
        AddPageLabel(page, l.groupX + (row.indented ? l.indentedLabelX : l.labelX), l.groupY + y, row.label,
                     l.rowLabelWidth, false);
    }
    for (const RecallDropdown& d : kRecallDropdowns) {
        QnControlCreater page(GetBackground(), 0, 0);
        AddLinkedTo(page.CreateDropdownList(l.groupX + d.x, l.groupY + d.y, l.recallDropdownLook, d.pid),
                    kind, d.pid);
    }
}

void GlobalSoftwareSetupLayer::CreateOtherControls() {
    const SetupLayout& l = kSetupLayout;
    QnControlCreater creater(GetBackground(), 0, 0);
    AddLinkedTo(creater.CreateCehckBox(l.localBoxX, l.localBoxY, kPidAutoLocal), GetTargetMode(),
                kPidAutoLocal);
    AddPageLabel(creater, l.localLabelX, l.localBoxY, "Auto Local Control", l.localLabelWidth, false);
    AddPageLabel(creater, l.portLabelX, l.inY, "MIDI Input:", l.portLabelWidth, false);
    m_pMIDIIn = AddLocal(creater.CreateDropdownList(l.portX, l.inY, l.portLook, kMIDIInDropdownId));
    UpdateMIDIInDevice();
    AddPageLabel(creater, l.portLabelX, l.outY, "MIDI Output:", l.portLabelWidth, false);
    m_pMIDIOut = AddLocal(creater.CreateDropdownList(l.portX, l.outY, l.portLook, kMIDIOutDropdownId));
    UpdateMIDIOutDevice();
}

void GlobalSoftwareSetupLayer::UpdateMIDIInDevice() {
    FillPortList(m_pMIDIIn, true);
}

void GlobalSoftwareSetupLayer::UpdateMIDIOutDevice() {
    FillPortList(m_pMIDIOut, false);
}

void GlobalSoftwareSetupLayer::FillPortList(QnDropdownList* dropdown, bool input) {
    if (dropdown == nullptr) return;
    dropdown->DeleteAllItems();
    IRemoteSynth* synth = GetSynth();
    MIDIDevKey out, in;
    if (synth != nullptr) synth->GetConnectionState(&out, &in, nullptr, nullptr, nullptr);
    const MIDIDevKey& key = input ? in : out;
    const int count = input ? QnUtils::GetMIDIInEntrySize(synth) : QnUtils::GetMIDIOutEntrySize(synth);
    std::vector<std::string> names;
    for (int i = 0; i < count; ++i)
        names.push_back(input ? QnUtils::GetMIDIInName(synth, i) : QnUtils::GetMIDIOutName(synth, i));

    int selected = 0;
    if (!key.name.empty()) {
        for (int i = 0; i < count; ++i) {
            dropdown->AddItem(names[static_cast<size_t>(i)].c_str(), false);
            if (names[static_cast<size_t>(i)] == key.name) selected = i;
        }
    } else {
        const std::string saved =
            multiszlong(GetParamString(GetTargetMode(), input ? kPidMIDIInName : kPidMIDIOutName));
        int found = -1;
        for (int i = 0; !saved.empty() && found < 0 && i < count; ++i)
            if (names[static_cast<size_t>(i)] == saved) found = i;
        if (saved.empty()) {
            dropdown->AddItem(kNoPort, false);
        } else if (found < 0) {
            dropdown->AddItem((saved + kNotConnected).c_str(), false);
        }
        for (int i = 0; i < count; ++i) {
            const std::string& name = names[static_cast<size_t>(i)];
            dropdown->AddItem(i == found ? (name + kNotConnected).c_str() : name.c_str(), false);
        }
        selected = found >= 0 ? found : 0;
    }
    dropdown->SetMinIntValue(0, false);
    dropdown->SetMaxIntValue(dropdown->GetItemCount() - 1, false);
    dropdown->SetIntValue(selected, true);
}

void GlobalSoftwareSetupLayer::ChoosePort(QnDropdownList* dropdown, int index, int pid) {
    std::string text;
    if (!dropdown->GetItemText(text, index) || !IsPlainPortItem(text)) return;
    if (ISection* setup = GetParamSection(GetTargetMode(), pid)) setup->PutParamS(pid, text.c_str());
    // The list shows the choice as the port the next connection uses.
    FillPortList(dropdown, pid == kPidMIDIInName);
}

void GlobalSoftwareSetupLayer::OnIdleRemoteSynthConnectionStateChanged(IRemoteSynth*, bool, bool) {
    UpdateMIDIInDevice();
    UpdateMIDIOutDevice();
}

void GlobalSoftwareSetupLayer::OnHfcCtrlIntValueChanged(CHfcControl* control, int value) {
    if (control != nullptr && control == m_pMIDIIn)
        ChoosePort(m_pMIDIIn, value, kPidMIDIInName);
    else if (control != nullptr && control == m_pMIDIOut)
        ChoosePort(m_pMIDIOut, value, kPidMIDIOutName);
    GlobalPageLayerBase::OnHfcCtrlIntValueChanged(control, value);
}

void GlobalSoftwareSetupLayer::GetMenuItemInfoList(std::list<MenuItemInfo>& items) {
    AppendPageMenu(items, kSoftwareSetup);
}
