#include <algorithm>

#include "Common/Controls/QnControlCreater.h"
#include "Common/Controls/QnSimpleControls.h"
#include "Common/Controls/XBCtrlEnvelopeGraph.h"
#include "Common/Controls/XBCtrlFilterGraph.h"
#include "Common/Layers/EnvelopeGraphManager.h"
#include "Common/Model/Sections.h"
#include "Common/Editor/MenuItems.h"
#include "Common/Pages/ProgMenus.h"
#include "Common/Pages/ProgPageRows.h"
#include "Common/Pages/ProgPages.h"

using namespace QorX0;
using namespace ProgRows;

namespace {

constexpr int kFilterGraph = 0x10000;
constexpr int kFilterEGGraph = 0x10001;
constexpr int kLowPassLabel = 0x10002;
constexpr int kSecondLabel = 0x10003;
// The graph's units: cutoff twice the parameter, resonance 99 above it.
constexpr int kResonanceZero = 99;
constexpr int kTypeLowPassResonance = 0;
constexpr int kTypeLowHighPass = 1;

void ShowOrHide(CHfcControl* control, bool show) {
    if (!control) return;
    if (show)
        control->Show(true);
    else
        control->Hide(true);
}

}  // namespace

ProgFilterLayer::ProgFilterLayer(IRemoteSynth* synth, int oscillator)
    : ProgEditLayer(synth), m_iOsc(oscillator), m_iOffset(oscillator * 0xD00) {}

bool ProgFilterLayer::OnCreate() {
    const int b = m_iOffset;
    const Row labels[] = {
        Category(20, 15, 50, "Filter"),
        Category(354, 15, 60, "Filter EG"),
    };
    Build(this, labels);
    QnControlCreater creater(GetBackground(), 0, 0);
    m_pGraph = creater.CreateFilterGraph(18, 28, kFilterGraph);
    PlaceControl(m_pGraph, -1);
    const Row filter[] = {
        Label(192, 50, 60, "Filter Type"),
        SlideSwitch(198, 65, b + 0x600, "Switch_FilterType", 2),
        Label(242, 50, 60, "LPF", 12, 1, kLowPassLabel),
        Label(285, 50, 60, "HPF", 12, 1, kSecondLabel),
        Knob(253, 70, LowCutoffPid(), 0, 99),
        Knob(296, 70, ResonancePid(), 0, 99),
        Knob(296, 70, HighCutoffPid(), 0, 99, 3, true),
    };
    Build(this, filter);
    const int levels[6] = {b + 0x900, b + 0x902, b + 0x904, b + 0x906, -1, b + 0x908};
    const int times[6] = {-1, b + 0x901, b + 0x903, b + 0x905, -1, b + 0x907};
    if (CXBCtrlEnvelopeGraph* eg = creater.CreateEnvelopeGraph(353, 28, 1, kFilterEGGraph)) {
        PlaceControl(eg, -1);
        new EnvelopeGraphManager(this, eg, levels, times);  // owned by the page from here on
    }
    const int first = m_iOsc == 0 ? 1048 : 1053;
    const int forms[] = {first, first + 1, first + 2, first + 3, first + 4};
    CreateFormTabs("Tab_Low_Prog_Filter", forms, 5);
    UpdateControls(GetParamSection(GetTargetMode(), TypePid()), TypePid());
    UpdateControlStatus();
    SynchronizeAllControlWithParam(nullptr, true);
    return ProgEditLayer::OnCreate();
}

void ProgFilterLayer::UpdateControlStatus() {
    if (m_iOsc != 1) return;
    const bool enabled = GetOSCMode() == 1;
    for (int id : {kFilterGraph, kFilterEGGraph}) {
        CHfcControl* control = GetControlById(id, 0);
        if (!control) continue;
        if (enabled)
            control->Enable(true);
        else
            control->Disable(true);
    }
}

void ProgFilterLayer::UpdateControls(ISection* section, int pid) {
    // Only the page's own section carries its filter; another section's PIDs mean something else.
    if (!section || section != GetParamSection(GetTargetMode(), TypePid())) return;
    const int type = section->GetParamI(TypePid());
    if (pid == -1 || pid == TypePid()) {
        if (CHfcControl* typeSwitch = GetControlById(TypePid(), 0))
            SynchronizeControlWithParam(typeSwitch, section, TypePid(), false);
        CHfcControl* resonance = GetControlById(ResonancePid(), 0);
        CHfcControl* highPass = GetControlById(HighCutoffPid(), 0);
        CHfcControl* label = GetControlById(kSecondLabel, 0);
        const bool lowHigh = type == kTypeLowHighPass;
        if (label) label->SetPtrValue(const_cast<char*>(lowHigh ? "HPF" : "Resonance"), true);
        ShowOrHide(resonance, !lowHigh);
        ShowOrHide(highPass, lowHigh);
        if (m_pGraph) m_pGraph->SetFilterType(lowHigh ? kTypeLowHighPass : kTypeLowPassResonance, true);
    } else if (pid != LowCutoffPid() && pid != ResonancePid() && pid != HighCutoffPid()) {
        return;
    }
    if (!m_pGraph) return;
    if (type == kTypeLowHighPass) {
        tagFilterValue low{0, kResonanceZero, 2 * section->GetParamI(LowCutoffPid())};
        tagFilterValue high{0, kResonanceZero, 2 * section->GetParamI(HighCutoffPid())};
        m_pGraph->SetFilterValue(0, &low, true);
        m_pGraph->SetFilterValue(1, &high, true);
    } else {
        tagFilterValue low{0, section->GetParamI(ResonancePid()) + kResonanceZero,
                           2 * section->GetParamI(LowCutoffPid())};
        m_pGraph->SetFilterValue(0, &low, true);
    }
}

void ProgFilterLayer::OnHfcCtrlPtrValueChanged(CHfcControl* control, void* value) {
    if (!control || control != m_pGraph || !value) {
        ProgEditLayer::OnHfcCtrlPtrValueChanged(control, value);
        return;
    }
    tagFilterValue record = *static_cast<const tagFilterValue*>(value);
    const int kind = GetTargetMode();
    const int cutoff = static_cast<int>(static_cast<unsigned>(record.cutoff) >> 1);
    if (GetParamValue(kind, TypePid()) == kTypeLowHighPass) {
        PutParamValue(kind, record.index == 0 ? LowCutoffPid() : HighCutoffPid(), cutoff);
        record.resonance = kResonanceZero;
    } else {
        PutParamValue(kind, LowCutoffPid(), cutoff);
        record.resonance = std::max(record.resonance, kResonanceZero);
        PutParamValue(kind, ResonancePid(), record.resonance - kResonanceZero);
    }
    m_pGraph->SetFilterValue(record.index, &record, true);
}

void ProgFilterLayer::OnSectionParamChanged(ISection* section, int pid) {
    UpdateControls(section, pid);
    ProgEditLayer::OnSectionParamChanged(section, pid);
}

void ProgFilterLayer::OnSectionReinitialized(ISection* section) {
    UpdateControls(section, -1);
    ProgEditLayer::OnSectionReinitialized(section);
}

void ProgFilterLayer::OnRemoteSynthBankListChanged(IRemoteSynth* synth, int kind, const SOUNDINDEX& sound) {
    if (kind == GetTargetMode()) UpdateControls(GetParamSection(GetTargetMode(), TypePid()), -1);
    ProgEditLayer::OnRemoteSynthBankListChanged(synth, kind, sound);
}

void ProgFilterLayer::GetMenuItemInfoList(std::list<MenuItemInfo>& items) {
    ProgMenus::Append(items, ProgMenus::kOscillator);
}
