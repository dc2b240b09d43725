#include "Common/Controls/QnControlCreater.h"
#include "Common/Controls/QnSelectors.h"
#include "Common/Controls/XBCtrlEnvelopeGraph.h"
#include "Common/Layers/EnvelopeGraphManager.h"
#include "Common/Layers/TabPageLayerEx.h"
#include "Common/Model/Sections.h"
#include "Common/Editor/MenuItems.h"
#include "Common/Pages/ProgMenus.h"
#include "Common/Pages/ProgPageRows.h"
#include "Common/Pages/ProgPages.h"

using namespace QorX0;
using namespace ProgRows;

namespace {

constexpr int kOscModePid = 0x0001;
constexpr int kOsc2 = 0x0D00;
constexpr int kOscModeTwo = 1;

// An envelope graph at (x, y) of that look, bound to its level and time parameters.
void AddEnvelope(EditTabPageLayerBase* page, int x, int y, int look, int id, const int (&levels)[6],
                 const int (&times)[6]) {
    QnControlCreater creater(page->GetBackground(), 0, 0);
    CXBCtrlEnvelopeGraph* graph = creater.CreateEnvelopeGraph(x, y, look, id);
    if (!graph) return;
    page->PlaceControl(graph, -1);
    new EnvelopeGraphManager(page, graph, levels, times);  // owned by the page from here on
}

void SetEnabled(CHfcControl* control, bool enabled) {
    if (!control) return;
    if (enabled)
        control->Enable(true);
    else
        control->Disable(true);
}

}  // namespace

// ---- the edit pages' base

ProgEditLayer::ProgEditLayer(IRemoteSynth* synth) : EditTabPageLayerBase(synth, kModeProgEdit) {}

ProgEditLayer::~ProgEditLayer() {
    if (IRemoteSynth* synth = GetSynth(); synth && m_bAdvised)
        synth->UnadviseSink(static_cast<IRemoteSynthSink*>(this));
}

bool ProgEditLayer::OnCreate() {
    if (IRemoteSynth* synth = GetSynth(); synth && !m_bAdvised)
        m_bAdvised = synth->AdviseSink(static_cast<IRemoteSynthSink*>(this));
    return CTabPageLayer::OnCreate();
}

bool ProgEditLayer::OnDestroy() {
    if (IRemoteSynth* synth = GetSynth(); synth && m_bAdvised)
        synth->UnadviseSink(static_cast<IRemoteSynthSink*>(this));
    m_bAdvised = false;
    return CTabPageLayer::OnDestroy();
}

bool ProgEditLayer::Show(bool update) {
    const bool shown = CTabPageLayer::Show(update);
    UpdateControlStatus();
    return shown;
}

int ProgEditLayer::GetOSCMode() const {
    return GetParamValue(GetTargetMode(), kOscModePid);
}

void ProgEditLayer::OnIdleSectionParamChanged(ISection* section, int pid) {
    EditTabPageLayerBase::OnIdleSectionParamChanged(section, pid);
    if (pid == kOscModePid) UpdateControlStatus();
}

void ProgEditLayer::OnIdleSectionReinitialized(ISection* section) {
    EditTabPageLayerBase::OnIdleSectionReinitialized(section);
    UpdateControlStatus();
}

void ProgEditLayer::OnIdleRemoteSynthAuditionStateChanged(IRemoteSynth* synth, bool running) {
    EditTabPageLayerBase::OnIdleRemoteSynthAuditionStateChanged(synth, running);
    UpdateControlStatus();
}

void ProgEditLayer::OnIdleRemoteSynthCurSoundChanged(IRemoteSynth* synth, const SOUNDINDEX& sound) {
    EditTabPageLayerBase::OnIdleRemoteSynthCurSoundChanged(synth, sound);
    UpdateControlStatus();
}

void ProgEditLayer::CreateFormTabs(const char* image, const int* forms, int count) {
    if (!EditTabPageLayerBase::CreateSublevelTab(image, 142)) return;
    for (int i = 0; i < count; ++i) CreateAndAddSublevelTab(forms[i]);
}

// ---- basic

namespace {

const Row kBasicRows[] = {
    Category(32, 15, 100, "Oscillator Mode"),
    Category(168, 15, 50, "OSC1"),
    Category(370, 15, 50, "OSC2"),
    SlideSwitch(38, 35, kOscModePid, "Switch_OscillatorMode", 3),
    Container(168, 33, "Container_Plane_170X31", 170, 31),
    Label(3, 10, 50, "High"),
    SoundSelector(28, 3, 0x0201, QnSoundSelector::kKindMultisample, 0),
    EndContainer(),
    Container(168, 65, "Container_Plane_170X31", 170, 31),
    Label(3, 10, 50, "Low"),
    SoundSelector(28, 3, 0x0206, QnSoundSelector::kKindMultisample, 0),
    EndContainer(),
    Container(371, 33, "Container_Plane_170X31", 170, 31),
    Label(3, 10, 50, "High"),
    SoundSelector(28, 3, 0x0201 + kOsc2, QnSoundSelector::kKindMultisample, 0),
    EndContainer(),
    Container(371, 65, "Container_Plane_170X31", 170, 31),
    Label(3, 10, 50, "Low"),
    SoundSelector(28, 3, 0x0206 + kOsc2, QnSoundSelector::kKindMultisample, 0),
    EndContainer(),
};

// The velocity zone form: its four velocity fields take a played note's velocity.
constexpr int kVelocityZoneForm = 1032;
constexpr unsigned kVelocityZonePids[] = {0x020C, 0x020D, 0x0F0C, 0x0F0D};

}  // namespace

ProgBasicLayer::ProgBasicLayer(IRemoteSynth* synth) : ProgEditLayer(synth) {}

bool ProgBasicLayer::OnCreate() {
    Build(this, kBasicRows);
    if (EditTabPageLayerBase::CreateSublevelTab("Tab_Low_Prog_Basic", 142)) {
        for (int form : {1024, 1029, 1031, kVelocityZoneForm, 1034}) {
            CTabPageLayer* page = CreateAndAddSublevelTab(form, form == kVelocityZoneForm);
            if (auto* notes = dynamic_cast<CTabPageLayerEx*>(page))
                for (unsigned pid : kVelocityZonePids) notes->AddVelParanId(pid);
        }
    }
    UpdateControlStatus();
    return ProgEditLayer::OnCreate();
}

void ProgBasicLayer::UpdateControlStatus() {
    if (auto* selector = dynamic_cast<QnSoundSelector*>(GetControlById(0x0201, 0)))
        selector->SetKind(GetOSCMode() == kOscModeDrums ? QnSoundSelector::kKindDrumKit
                                                        : QnSoundSelector::kKindMultisample);
}

void ProgBasicLayer::OnHfcCtrlIntValueChanged(CHfcControl* control, int value) {
    ProgEditLayer::OnHfcCtrlIntValueChanged(control, value);
    if (control && control->GetId() == kOscModePid) RequestRedraw();
}

void ProgBasicLayer::GetMenuItemInfoList(std::list<MenuItemInfo>& items) {
    ProgMenus::Append(items, ProgMenus::kOscillator);
}

// ---- pitch

namespace {

const Row kPitchRows[] = {
    Category(45, 15, 50, "Pitch EG"),
    Category(369, 15, 65, "Portamento"),
    Category(369, 29, 50, "OSC1"),
    Category(458, 29, 50, "OSC2"),
    // Oscillator intensity, per oscillator.
    Label(273, 12, 42, "OSC1", 11, 1),
    Label(273, 23, 42, "Intensity", 11, 1),
    Knob(276, 34, 0x0506, 0, 127),
    Label(273, 72, 42, "OSC2", 11, 1),
    Label(273, 83, 42, "Intensity", 11, 1),
    Knob(276, 94, 0x0506 + kOsc2, 0, 127),
    // Portamento, per oscillator at x 377 and 466.
    Switch(367, 44, 0x050B),
    Label(386, 44, 50, "Enable", 13),
    Switch(367, 63, 0x050C),
    Label(386, 63, 50, "Fingered", 13),
    Label(384, 85, 50, "Time", 13),
    Knob(377, 94, 0x050D, 0, 127),
    Switch(456, 44, 0x050B + kOsc2),
    Label(475, 44, 50, "Enable", 13),
    Switch(456, 63, 0x050C + kOsc2),
    Label(475, 63, 50, "Fingered", 13),
    Label(473, 85, 50, "Time", 13),
    Knob(466, 94, 0x050D + kOsc2, 0, 127),
};
constexpr int kPitchLevels[6] = {0x0100, 0x0102, -1, -1, -1, 0x0105};
constexpr int kPitchTimes[6] = {-1, 0x0101, 0x0103, -1, -1, 0x0104};
constexpr int kPitchForms[] = {1036, 1038, 1040, 1042, 1043};

}  // namespace

ProgPitchLayer::ProgPitchLayer(IRemoteSynth* synth) : ProgEditLayer(synth) {}

bool ProgPitchLayer::OnCreate() {
    Build(this, kPitchRows, 4);  // the category labels first
    AddEnvelope(this, 44, 30, 0, 0x10000, kPitchLevels, kPitchTimes);
    Build(this, kPitchRows + 4, static_cast<int>(std::size(kPitchRows)) - 4);
    CreateFormTabs("Tab_Low_Prog_Pitch", kPitchForms, static_cast<int>(std::size(kPitchForms)));
    return ProgEditLayer::OnCreate();
}

void ProgPitchLayer::GetMenuItemInfoList(std::list<MenuItemInfo>& items) {
    ProgMenus::Append(items, ProgMenus::kOscillator);
}

// ---- LFOs

namespace {

const Row kLFORows[] = {
    Category(44, 15, 70, "OSC1 LFO1"),
    Category(178, 15, 70, "OSC1 LFO2"),
    Category(312, 15, 70, "OSC2 LFO1"),
    Category(446, 15, 70, "OSC2 LFO2"),
    Dropdown(29, 35, 0x0300, 8),
    Label(29, 67, 60, "Frequency"),
    HorizontalBar(29, 80, 0x0302, 96, 0, 100),
    Dropdown(163, 35, 0x0400, 8),
    Label(163, 67, 60, "Frequency"),
    HorizontalBar(163, 80, 0x0402, 96, 0, 100),
    Dropdown(297, 35, 0x1000, 8),
    Label(297, 67, 60, "Frequency"),
    HorizontalBar(297, 80, 0x1002, 96, 0, 100),
    Dropdown(431, 35, 0x1100, 8),
    Label(431, 67, 60, "Frequency"),
    HorizontalBar(431, 80, 0x1102, 96, 0, 100),
};
constexpr int kLFOForms[] = {1044, 1045, 1046, 1047};

}  // namespace

ProgLFOsLayer::ProgLFOsLayer(IRemoteSynth* synth) : ProgEditLayer(synth) {}

bool ProgLFOsLayer::OnCreate() {
    Build(this, kLFORows);
    CreateFormTabs("Tab_Low_Prog_LFOs", kLFOForms, static_cast<int>(std::size(kLFOForms)));
    UpdateControlStatus();
    return ProgEditLayer::OnCreate();
}

void ProgLFOsLayer::GetMenuItemInfoList(std::list<MenuItemInfo>& items) {
    ProgMenus::Append(items, ProgMenus::kPlain);
}

// ---- amp

namespace {

const Row kAmpLabelRows[] = {
    Category(20, 15, 50, "Amp1 EG"),
    Category(354, 15, 60, "Amp2 EG"),
    Category(255, 15, 75, "Amp1", 1),
    Category(255, 78, 75, "Amp2", 1),
};
const Row kAmpKnobRows[] = {
    Label(255, 29, 32, "Level", 12, 1), Knob(253, 38, 0x0B00, 0, 99),       Label(298, 29, 32, "Pan", 12, 1),
    Knob(296, 38, 0x0E00, 0, 99),       Label(255, 93, 32, "Level", 12, 1), Knob(253, 102, 0x1800, 0, 99),
    Label(298, 93, 32, "Pan", 12, 1),   Knob(296, 102, 0x1B00, 0, 99),
};
constexpr int kAmpLevels[6] = {0x0C00, 0x0C02, 0x0C04, 0x0C06, -1, -1};
constexpr int kAmpTimes[6] = {-1, 0x0C01, 0x0C03, 0x0C05, -1, 0x0C07};
constexpr int kAmp2Levels[6] = {0x1900, 0x1902, 0x1904, 0x1906, -1, -1};
constexpr int kAmp2Times[6] = {-1, 0x1901, 0x1903, 0x1905, -1, 0x1907};
constexpr int kAmpForms[] = {1058, 1059, 1060, 1061, 1062, 1063};
constexpr int kAmp2Graph = 0x10001;

}  // namespace

ProgAmpLayer::ProgAmpLayer(IRemoteSynth* synth) : ProgEditLayer(synth) {}

bool ProgAmpLayer::OnCreate() {
    Build(this, kAmpLabelRows);
    AddEnvelope(this, 19, 30, 2, 0x10000, kAmpLevels, kAmpTimes);
    AddEnvelope(this, 353, 30, 2, kAmp2Graph, kAmp2Levels, kAmp2Times);
    Build(this, kAmpKnobRows);
    CreateFormTabs("Tab_Low_Prog_Amp", kAmpForms, static_cast<int>(std::size(kAmpForms)));
    UpdateControlStatus();
    SynchronizeAllControlWithParam(nullptr, true);
    return ProgEditLayer::OnCreate();
}

void ProgAmpLayer::UpdateControlStatus() {
    SetEnabled(GetControlById(kAmp2Graph, 0), GetOSCMode() == kOscModeTwo);
}

void ProgAmpLayer::GetMenuItemInfoList(std::list<MenuItemInfo>& items) {
    ProgMenus::Append(items, ProgMenus::kOscillator);
}
