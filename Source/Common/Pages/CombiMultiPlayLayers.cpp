#include "Common/Pages/CombiMultiPlayLayers.h"

#include "Common/Controls/QnControlCreater.h"
#include "Common/Pages/CombiMultiMenus.h"
#include "Common/Controls/QnDropdownList.h"
#include "Common/Controls/QnKnob.h"
#include "Common/Controls/QnSelectors.h"
#include "Common/Controls/XBCtrlValueBar.h"
#include "Common/Layers/QnControlContainer.h"
#include "Hfc/Core/HfcCtrlCharEditText.h"
#include "Hfc/Core/HfcCtrlSwitch.h"

using QorX0::IRemoteSynth;

namespace {

constexpr CombiMultiPlayLayerBase::MixColumnLayout kCombiMix{
    "Container_CombiPlay_Timbre", 13, 55, 36, 65, 109, 23, 121, nullptr, nullptr, 233};
constexpr CombiMultiPlayLayerBase::MixColumnLayout kMultiMix{
    "Container_MultiPlay_Track",  26, 55, 36, 49, 109, 23, 89, "VerticalValueBar_Multi",
    "VerticalValueBarBack_Multi", 183};
// The multi mixer's second row of eight tracks starts this far below the first.
constexpr int kMultiRowPitch = 203;

// The combination play page's arpeggiator section.
constexpr int kCombiArpOn = 0x801, kCombiArpRunA = 0x802, kCombiArpRunB = 0x803;
constexpr int kCombiArpBaseA = 0x900, kCombiArpBaseB = 0xA00;

}  // namespace

void CombiMultiPlayLayerBase::OnHfcCtrlIntValueChanged(CHfcControl* control, int value) {
    QnSynthLayer::OnHfcCtrlIntValueChanged(control, value);
}

void CombiMultiPlayLayerBase::CreateMixColumn(const MixColumnLayout& layout, int column, int position, int y,
                                              int lampId) {
    QnControlContainer* container = AddPlainContainer(layout.image, 4, y, IsMulti());
    const int w = container->m_width;
    container->m_x = 4 + position * w;
    container->m_iId = column;
    const int b = ColumnBase(GetTargetMode(), column);
    QnControlCreater creater = CreaterFor(container);
    AddLamp(creater, container, (w - layout.lampWidth) / 2, 3, column, lampId);
    AddProgramSelector(creater, container, b);
    PlaceLabel(creater, container, 18, layout.panLabelY, "Pan", layout.panLabelWidth, 0, false, 1, 0);
    Place(creater.CreateKnob(18, layout.knobY, 0, 127, 0, false, position % 4 + 1, b + 1), container, b + 1);
    PlaceLabel(creater, container, 24, layout.volLabelY, "Vol", layout.volLabelWidth, 0, false, 1, 0);
    if (layout.barImage)
        Place(creater.CreateVerticalValueBar(24, layout.barY, false, 0, 127, 0, layout.barImage,
                                             layout.barBackImage, b + 2),
              container, b + 2);
    else
        Place(creater.CreateVerticalValueBar(24, layout.barY, false, 0, 127, 0, b + 2), container, b + 2);
    // The value's text field has an id of its own beside the bar's, linked to the same parameter.
    Place(creater.CreateTextEdit(24, layout.valueY, 23, 13, 3, 0x10000 + b + 2), container, b + 2);
}

CombiPlayLayer::CombiPlayLayer(IRemoteSynth* synth)
    : CombiMultiPlayLayerBase(synth, QorX0::kModeCombiPlay, false) {}

bool CombiPlayLayer::OnCreate() {
    CreateProgMixControls();
    CreateArpeggioControls();
    return CombiMultiLayerBase::OnCreate();
}

void CombiPlayLayer::CreateProgMixControls() {
    for (int i = 0; i < 8; ++i) CreateMixColumn(kCombiMix, i, i, 4, 0x20000 + i);
    SetActiveContainerIndex(0);
}

void CombiPlayLayer::CreateArpeggioControls() {
    QnControlCreater creater(GetBackground(), 0, 0);
    Place(creater.CreateSwitch(17, 265, "Switch_SmallON", 2, kCombiArpOn), nullptr, kCombiArpOn);
    PlaceLabel(creater, nullptr, 47, 267, "Arpeggiator", 80, 0, true, 0, 0);
    PlaceLabel(creater, nullptr, 17, 289, "Arpeggiator Run", 100, 13, false, 0, 1);
    Place(creater.CreateSwitch(98, 289, kCombiArpRunA), nullptr, kCombiArpRunA);
    PlaceLabel(creater, nullptr, 117, 289, "A", 20, 13, false, 0, 1);
    Place(creater.CreateSwitch(98, 311, kCombiArpRunB), nullptr, kCombiArpRunB);
    PlaceLabel(creater, nullptr, 117, 311, "B", 20, 13, false, 0, 1);
    CreateArpeggioControls(creater, 162, 269, true);
    CreateArpeggioControls(creater, 372, 269, false);
}

void CombiPlayLayer::CreateArpeggioControls(QnControlCreater& creater, int x, int y, bool isA) {
    const int base = isA ? kCombiArpBaseA : kCombiArpBaseB;
    PlaceLabel(creater, nullptr, x, y, isA ? "Arpeggiator A" : "Arpeggiator B", 80, 0, true, 0, 0);
    struct Row {
        int dy, look, n;
        const char* label;
    };
    static constexpr Row kDropdowns[] = {
        {19, 1, 0, "Pattern"}, {41, 2, 1, "Resolution"}, {63, 2, 2, "Octave"}};
    for (const Row& r : kDropdowns) {
        CHfcControl* dropdown =
            Place(creater.CreateDropdownList(x + 52, y + r.dy, r.look, base + r.n), nullptr, base + r.n);
        const int h = dropdown ? dropdown->GetRect().bottom - dropdown->GetRect().top : 13;
        PlaceLabel(creater, nullptr, x, y + r.dy, r.label, 52, h, false, 0, 1);
    }
    struct Check {
        int dx, dy, n;
        const char* label;
    };
    static constexpr Check kChecks[] = {
        {0, 91, 6, "Sort"}, {0, 110, 7, "Latch"}, {72, 91, 8, "Key Sync"}, {72, 110, 9, "Keyboard"}};
    for (const Check& c : kChecks) {
        Place(creater.CreateSwitch(x + c.dx, y + c.dy, base + c.n), nullptr, base + c.n);
        PlaceLabel(creater, nullptr, x + c.dx + 18, y + c.dy, c.label, 50, 13, false, 0, 1);
    }
}

void CombiPlayLayer::GetMenuItemInfoList(std::list<MenuItemInfo>& list) {
    CombiMultiMenus::Append(list, false, CombiMultiMenus::kColumns);
}

MultiPlayLayer::MultiPlayLayer(IRemoteSynth* synth)
    : CombiMultiPlayLayerBase(synth, QorX0::kModeMulti, false) {}

bool MultiPlayLayer::OnCreate() {
    CreateProgMixControls();
    return CombiMultiLayerBase::OnCreate();
}

void MultiPlayLayer::CreateProgMixControls() {
    // Tracks 1 to 8 in the upper row, 9 to 16 in the lower; the lamps are told apart by their place.
    for (int t = 0; t < 16; ++t) CreateMixColumn(kMultiMix, t, t % 8, 4 + t / 8 * kMultiRowPitch, -1);
    SetActiveContainerIndex(0);
}

void MultiPlayLayer::GetMenuItemInfoList(std::list<MenuItemInfo>& list) {
    CombiMultiMenus::Append(list, true, CombiMultiMenus::kColumns);
}
