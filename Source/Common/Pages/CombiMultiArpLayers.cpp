#include "Common/Pages/CombiMultiArpLayers.h"

#include "Common/Controls/QnControlCreater.h"
#include "Common/Pages/CombiMultiMenus.h"
#include "Common/Controls/QnDropdownList.h"
#include "Common/Controls/QnSelectors.h"
#include "Common/Layers/QnControlContainer.h"
#include "Common/Layers/TabPageLayerEx.h"
#include "Common/Pages/CombiMultiPlacement.h"
#include "Hfc/Core/HfcCtrlSwitch.h"

using QorX0::IRemoteSynth;

namespace {

constexpr int kCombiArpIds[5] = {0x0901, 0x0902, 0x0903, 0x0A00, 0x0B00};
constexpr int kMultiArpIds[5] = {0x2201, 0x2202, 0x2203, 0x2300, 0x2400};
constexpr int kCombiArpForms[4] = {1067, 1068, 1069, 1071};
constexpr int kMultiArpForms[4] = {1075, 1076, 1077, 1079};
// The scan zone's page is the third.
constexpr int kScanZonePage = 2;

int Lookup(const int (&table)[5], int which) {
    return which >= 0 && which < 5 ? table[which] : -1;
}

}  // namespace

bool CombiMultiArpControlsLayer::OnCreate() {
    CreateSetupControls();
    CreateArpeggiatorControls();
    CreateSublevelPages();
    return CombiMultiLayerBase::OnCreate();
}

void CombiMultiArpControlsLayer::CreateSetupControls() {
    for (int i = 0; i < GetColumnCount(); ++i) {
        QnControlContainer* container = AddColumnContainer(i, "Container_ArpControls", 4, 4);
        const int w = container->m_width;
        container->m_x = 4 + (i % 8) * w;
        const int b = ColumnBase(GetTargetMode(), i);
        QnControlCreater creater = CreaterFor(container);
        AddLamp(creater, container, (w - (IsMulti() ? 26 : 13)) / 2, 3, i, 0x10000 + i);
        AddProgramSelector(creater, container, b);
        PlaceLabel(creater, container, 3, 52, "Assign", 64, 0, false, 1, 0);
        Place(creater.CreateDropdownList(3, 67, 3, b + kColumnAssign), container, b + kColumnAssign);
    }
    SetActiveContainerIndex(0);
}

void CombiMultiArpControlsLayer::CreateArpeggiatorControls() {
    QnControlCreater creater(GetBackground(), 0, 0);
    PlaceLabel(creater, nullptr, 15, 122, "Arpeggiator", 100, 0, true, 0, 0);
    Place(creater.CreateSwitch(32, 137, "Switch_ON", 2, GetParamId(0)), nullptr, GetParamId(0));
    PlaceLabel(creater, nullptr, 114, 122, "A", 20, 0, true, 0, 0);
    Place(creater.CreateSwitch(99, 138, "Switch_ON", 2, GetParamId(1)), nullptr, GetParamId(1));
    Place(creater.CreateSoundSelector(136, 138, QnSoundSelector::kKindArpeggioPattern, 1, GetParamId(3)),
          nullptr, GetParamId(3));
    PlaceLabel(creater, nullptr, 352, 122, "B", 20, 0, true, 0, 0);
    Place(creater.CreateSwitch(337, 138, "Switch_ON", 2, GetParamId(2)), nullptr, GetParamId(2));
    Place(creater.CreateSoundSelector(374, 138, QnSoundSelector::kKindArpeggioPattern, 1, GetParamId(4)),
          nullptr, GetParamId(4));
}

void CombiMultiArpControlsLayer::CreateSublevelPages() {
    if (!CreateSublevelTab("Tab_Low_Combi_Arp", 186)) return;
    const int* forms = SublevelForms();
    for (int k = 0; k < 4; ++k) {
        CTabPageLayer* page = CombiMultiPlacement::AddFormSubPage(
            this, forms[k], "Background_SubTab", "Background_SubTab_Small", k == kScanZonePage);
        auto* scan = dynamic_cast<CTabPageLayerEx*>(page);
        if (!scan) continue;
        for (int base : {GetParamId(3), GetParamId(4)}) {
            scan->AddKeyParanId(static_cast<unsigned>(base + kBottomKey));
            scan->AddKeyParanId(static_cast<unsigned>(base + kTopKey));
            scan->AddVelParanId(static_cast<unsigned>(base + kBottomVelocity));
            scan->AddVelParanId(static_cast<unsigned>(base + kTopVelocity));
        }
    }
}

CombiArpControlsLayer::CombiArpControlsLayer(IRemoteSynth* synth)
    : CombiMultiArpControlsLayer(synth, QorX0::kModeCombiEdit, false) {}

int CombiArpControlsLayer::GetParamId(int which) const {
    return Lookup(kCombiArpIds, which);
}
const int* CombiArpControlsLayer::SublevelForms() const {
    return kCombiArpForms;
}

void CombiArpControlsLayer::GetMenuItemInfoList(std::list<MenuItemInfo>& list) {
    CombiMultiMenus::Append(list, false, CombiMultiMenus::kArpeggiator);
}

MultiArpControlsLayer::MultiArpControlsLayer(IRemoteSynth* synth)
    : CombiMultiArpControlsLayer(synth, QorX0::kModeMulti, true) {}

int MultiArpControlsLayer::GetParamId(int which) const {
    return Lookup(kMultiArpIds, which);
}
const int* MultiArpControlsLayer::SublevelForms() const {
    return kMultiArpForms;
}

void MultiArpControlsLayer::GetMenuItemInfoList(std::list<MenuItemInfo>& list) {
    CombiMultiMenus::Append(list, true, CombiMultiMenus::kArpeggiator);
}
