#include "Common/Pages/GlobalArpeggioPatternLayer.h"

#include <algorithm>
#include <climits>
#include <cstdio>
#include <string>
#include <typeinfo>

#include "Common/Controls/QnControlCreater.h"
#include "Common/Controls/QnDropdownList.h"
#include "Common/Controls/QnSimpleControls.h"
#include "Common/Controls/XBCtrlValueBar.h"
#include "Common/Layers/QnControlContainer.h"
#include "Hfc/Core/HfcCtrlCharEditText.h"
#include "Hfc/Core/HfcCtrlSlideSwitch.h"
#include "Hfc/Core/HfcCtrlSwitch.h"
#include "Hfc/Draw/HfcBmp.h"

using namespace QorX0;

namespace {

// A tone switch of the step grid: a check box whose face changes with the step's gate and the
// pattern's fixed-note mode.
class ArpStepSwitch : public CHfcCtrlSwitch {
public:
    void SetFace(CHfcBmp* face) {
        if (face == nullptr || face == m_bitmap) return;
        m_bitmap = face;
        SetDirty();
    }
    CHfcBmp* GetFace() const { return m_bitmap; }
};

using Row = GlobalPageLayerBase::SCtrlinfo;
constexpr int kCheck = GlobalPageLayerBase::kRowCheckBox, kEdit = GlobalPageLayerBase::kRowTextEdit,
              kBar = GlobalPageLayerBase::kRowValueBar, kList = GlobalPageLayerBase::kRowDropdown,
              kNone = GlobalPageLayerBase::kRowNone;

constexpr Row kSetupRows[] = {
    {0, GlobalArpeggioPatternLayer::kPidLength, kBar, "Length"},
    {kModeGlobal, 0x7C01, kList, "Resolution"},
    {kModeGlobal, 0x7C02, kList, "Octave"},
    {kModeGlobal, 0x7C06, kCheck, "Sort"},
    {kModeGlobal, 0x7C07, kCheck, "Latch"},
    {kModeGlobal, 0x7C08, kCheck, "Key Sync"},
    {kModeGlobal, 0x7C09, kCheck, "Keyboard"},
    {0, 0, kList, "Arp.Type"},
    {0, 1, kList, "Oct.Motion"},
    {0, GlobalArpeggioPatternLayer::kPidFixedNote, kCheck, "Fixed Note"},
    {0, -1, kNone, ""},
    {0, 4, kList, "Mode"},
};
constexpr Row kStepRows[] = {
    {0, GlobalArpeggioPatternLayer::kPidPitch, kBar, "Pitch"},
    {0, GlobalArpeggioPatternLayer::kPidGate, kEdit, "Gate"},
    {0, GlobalArpeggioPatternLayer::kPidVelocity, kEdit, "Velocity"},
    {0, GlobalArpeggioPatternLayer::kPidFlam, kBar, "Flam"},
};

// The page's layout.
struct ArpLayout {
    int arpPlaneX = 15, arpPlaneY = 8;
    uint32_t planeColour = 0xFF1F1F1F;
    int arpSwitchX = 8, arpSwitchY = 3;
    int arpLabelX = 40, arpLabelY = 6, arpLabelWidth = 55;
    int selectLabelX = 96, selectLabelY = 4, selectLabelWidth = 75;
    int abX = 172, abY = 3;
    int patternLabelX = 15, patternLabelY = 26, patternLabelWidth = 60;
    int patternFieldX = 96, patternFieldY = 26, patternFieldWidth = 40;
    int dropdownX = 140, dropdownY = 26, dropdownLook = 0;
    int setupLabelX = 19, setupLabelY = 69, headingWidth = 60;
    int setupX = 22, setupY = 94;
    int toneY = 314, toneLabelX = 22, toneLabelWidth = 50, toneFieldX = 77, fieldWidth = 40;
    int equalsX = 121, equalsWidth = 8, noteFieldX = 131;
    int editLabelX = 206, editLabelY = 69;
    int lengthBarX = 214, lengthBarY = 94;
    int gridX = 214, gridY = 104, cell = 7;
    int sliderX = 214, sliderY = 188, sliderLength = 336;
    int stepPlaneX = 204, stepPlaneY = 200, stepPlaneWidth = 159;
    int stepLabelX = 4, stepLabelY = 4, stepLabelWidth = 50, stepFieldX = 59, stepFieldY = 4,
        stepFieldWidth = 96;
    int stepRowsX = 210, stepRowsY = 230;
};
constexpr ArpLayout kArpLayout;

int StepPid(int step, int low) {
    return (step << 8) | low;
}

}  // namespace

GlobalArpeggioPatternLayer::GlobalArpeggioPatternLayer(IRemoteSynth* synth) : GlobalPageLayerBase(synth, -1) {
    SetTargetMode(GetTargetMode() + 2);
    static const bool registered = [] {
        QnSynthLayer::RegisterControlRule(typeid(ArpStepSwitch), QnControlRule::PressSwitch);
        return true;
    }();
    (void)registered;
}

ISection* GlobalArpeggioPatternLayer::Patterns() {
    return GetSynth() != nullptr ? GetSynth()->GetArpPatterns() : nullptr;
}

int GlobalArpeggioPatternLayer::GetSelectedPattern() {
    auto* patterns = dynamic_cast<IGlobalArraySection*>(Patterns());
    return patterns != nullptr ? static_cast<int>(patterns->GetSelection() & 0xFFFFFFFFu) : 0;
}

bool GlobalArpeggioPatternLayer::OnCreate() {
    CreateArppegioControls();
    CreateSetupControls();
    CreateEditControls();
    ChangeNoteNo(0);
    ChangedStep(0);
    OnChangeSelectedArpPattern();
    UpdateControlStatus();
    return GlobalPageLayerBase::OnCreate();
}

void GlobalArpeggioPatternLayer::CreateArppegioControls() {
    const ArpLayout& l = kArpLayout;
    const int kind = GetTargetMode();
    QnControlContainer* plane =
        AddFilledContainer("Container_Plane_298X43", l.arpPlaneX, l.arpPlaneY, 0, l.planeColour, &m_pArpFill);
    QnControlCreater creater(m_pArpFill, l.arpPlaneX, l.arpPlaneY);
    plane->AddControl(AddLinkedTo(creater.CreateSwitch(l.arpSwitchX, l.arpSwitchY, "Switch_SmallON", 2,
                                                       RowControlId(kModeGlobal, kPidArpSwitch)),
                                  kModeGlobal, kPidArpSwitch));
    plane->AddControl(AddPageLabel(creater, l.arpLabelX, l.arpLabelY, "Arpeggio", l.arpLabelWidth, false));
    plane->AddControl(AddPageLabel(creater, l.selectLabelX, l.selectLabelY, "Arpeggio Select",
                                   l.selectLabelWidth, false, kArpSelectLabelId));
    plane->AddControl(AddLinkedTo(
        creater.CreateHorizontalSlideSwitch(l.abX, l.abY, "Switch_AB", 2, RowControlId(kind, kPidArpSelect)),
        kind, kPidArpSelect));
    plane->AddControl(
        AddPageLabel(creater, l.patternLabelX, l.patternLabelY, "Pattern", l.patternLabelWidth, false));
    if (auto* number = AddLocal(creater.CreateTextEdit(l.patternFieldX, l.patternFieldY, l.patternFieldWidth,
                                                       13, kPatternNumberId))) {
        number->SetMinIntValue(0, false);
        number->SetMaxIntValue(kLastPattern, false);
        plane->AddControl(number);
    }
    plane->AddControl(
        AddLinkedTo(creater.CreateDropdownList(l.dropdownX, l.dropdownY, l.dropdownLook, kPatternDropdownId),
                    kModeGlobal, kPidPatternNo));
}

void GlobalArpeggioPatternLayer::CreateSetupControls() {
    const ArpLayout& l = kArpLayout;
    QnControlCreater creater(GetBackground(), 0, 0);
    AddPageLabel(creater, l.setupLabelX, l.setupLabelY, "Setup", l.headingWidth, true);
    CreateControls(kSetupRows, static_cast<int>(std::size(kSetupRows)), l.setupX, l.setupY);
    AddPageLabel(creater, l.toneLabelX, l.toneY, "Tone No.", l.toneLabelWidth, false);
    if (auto* tone =
            AddLocal(creater.CreateTextEdit(l.toneFieldX, l.toneY, l.fieldWidth, 13, kToneNumberId))) {
        tone->SetMinIntValue(0, false);
        tone->SetMaxIntValue(kToneCount - 1, false);
    }
    AddPageLabel(creater, l.equalsX, l.toneY, "=", l.equalsWidth, false);
    AddLinkedTo(creater.CreateTextEdit(l.noteFieldX, l.toneY, l.fieldWidth, 13,
                                       RowControlId(GetTargetMode(), kPidToneNote)),
                GetTargetMode(), kPidToneNote);
}

void GlobalArpeggioPatternLayer::CreateEditControls() {
    const ArpLayout& l = kArpLayout;
    const int kind = GetTargetMode();
    QnControlCreater creater(GetBackground(), 0, 0);
    AddPageLabel(creater, l.editLabelX, l.editLabelY, "Edit", l.headingWidth, true);
    auto* length = new QnArpLengthBar();
    if (length->Create(l.lengthBarX, l.lengthBarY, kLengthBarId))
        AddLinkedTo(length, kind, kPidLength);
    else
        delete length;

    CHfcBmp* box = QnControlCreater::LoadImage("Switch_CheckBox_Small");
    for (int s = 0; box != nullptr && s < kStepCount; ++s) {
        for (int j = 0; j < kToneCount; ++j) {
            const int pid = StepPid(s, kPidFirstTone + kToneCount - 1 - j);
            tagHfcCtrlSwitchParamEx param;
            param.x = l.gridX + l.cell * s;
            param.y = l.gridY + l.cell * j;
            param.height = QnControlCreater::FrameHeight(box, 2);
            param.bitmap = box;
            param.background = GetBackground();
            param.backgroundX = param.x;
            param.backgroundY = param.y;
            param.states = 2;
            AddLinkedTo(QnControlCreater::CreateOrNone<ArpStepSwitch>(
                            [&](ArpStepSwitch& c) { return c.CreateEx(&param, RowControlId(kind, pid), 0); }),
                        kind, pid);
        }
    }

    CHfcBmp* thumb = QnControlCreater::LoadImage("Image_RedArrow_Up_W6");
    auto* slider = new QnSlider();
    if (slider->Create(l.sliderX, l.sliderY, l.sliderLength, thumb ? thumb->GetHeight() : 8, GetBackground(),
                       l.sliderX, l.sliderY, kStepSliderId)) {
        slider->SetMinIntValue(0, false);
        slider->SetMaxIntValue(kStepCount - 1, false);
        AddLocal(slider);
    } else {
        delete slider;
    }

    QnControlContainer* plane = AddFilledContainer("Container_Plane_260X21", l.stepPlaneX, l.stepPlaneY,
                                                   l.stepPlaneWidth, l.planeColour, &m_pStepFill);
    QnControlCreater planeCreater(m_pStepFill, l.stepPlaneX, l.stepPlaneY);
    plane->AddControl(
        AddPageLabel(planeCreater, l.stepLabelX, l.stepLabelY, "Step No.", l.stepLabelWidth, false));
    if (auto* number = AddLocal(
            planeCreater.CreateTextEdit(l.stepFieldX, l.stepFieldY, l.stepFieldWidth, 13, kStepNumberId))) {
        number->SetMinIntValue(0, false);
        number->SetMaxIntValue(kStepCount - 1, false);
        plane->AddControl(number);
    }
    CreateControls(kStepRows, static_cast<int>(std::size(kStepRows)), l.stepRowsX, l.stepRowsY);
}

void GlobalArpeggioPatternLayer::ChangeSelectedArpPattern(int pattern) {
    if (auto* patterns = dynamic_cast<IGlobalArraySection*>(Patterns()))
        patterns->Select(static_cast<unsigned>(std::clamp(pattern, 0, kLastPattern)), 0);
}

void GlobalArpeggioPatternLayer::OnChangeSelectedArpPattern() {
    const int pattern = GetSelectedPattern();
    char text[8];
    std::snprintf(text, sizeof text, "%02d", pattern);
    ShowFieldValue(GetControlById(kPatternNumberId, 0), pattern, text);
    if (CHfcControl* dropdown = GetControlById(kPatternDropdownId, 0)) dropdown->SetIntValue(pattern, true);
    UpdatePatternSwitches(-1);
    SynchronizeAllControlWithParam(Patterns(), true);
    UpdateControlStatus();
    RequestRedraw();
}

void GlobalArpeggioPatternLayer::ChangeNoteNo(int tone) {
    tone = std::clamp(tone, 0, kToneCount - 1);
    const std::string text = std::to_string(tone);
    ShowFieldValue(GetControlById(kToneNumberId, 0), tone, text.c_str());
    if (CHfcControl* note = GetControlById(RowControlId(GetTargetMode(), kPidToneNote), 0)) {
        RelinkControlWithParam(note, GetTargetMode(), StepPid(tone, kPidToneNote));
        SynchronizeControlWithParam(note, true);
    }
}

void GlobalArpeggioPatternLayer::ChangedStep(int step) {
    step = std::clamp(step, 0, kStepCount - 1);
    if (CHfcControl* slider = GetControlById(kStepSliderId, 0)) slider->SetIntValue(step, true);
    const std::string text = std::to_string(step + 1);
    ShowFieldValue(GetControlById(kStepNumberId, 0), step, text.c_str());
    const int kind = GetTargetMode();
    for (int low = kPidPitch; low <= kPidFlam; ++low) {
        CHfcControl* control = GetControlById(RowControlId(kind, low), 0);
        if (control == nullptr) continue;
        RelinkControlWithParam(control, kind, StepPid(step, low));
        SynchronizeControlWithParam(control, true);
    }
}

CHfcControl* GlobalArpeggioPatternLayer::GetToneSwitch(int step, int tone) {
    if (step < 0 || step >= kStepCount || tone < 0 || tone >= kToneCount) return nullptr;
    return GetControlById(RowControlId(GetTargetMode(), StepPid(step, kPidFirstTone + tone)), 0);
}

CHfcBmp* GlobalArpeggioPatternLayer::GetToneSwitchFace(int step, int tone) {
    auto* box = dynamic_cast<ArpStepSwitch*>(GetToneSwitch(step, tone));
    return box != nullptr ? box->GetFace() : nullptr;
}

const char* GlobalArpeggioPatternLayer::StepFaceName(bool fixedNote, int gate) {
    if (gate == kGateLegato) return fixedNote ? "Switch_Arp_SolidSquare" : "Switch_Arp_FrameSquare";
    return fixedNote ? "Switch_Arp_SolidCircle" : "Switch_Arp_FrameCircle";
}

void GlobalArpeggioPatternLayer::UpdatePatternSwitches(int step) {
    if (step < -1 || step >= kStepCount) return;
    const int kind = GetTargetMode();
    const bool fixed = GetParamValue(kind, kPidFixedNote) != 0;
    for (int e = step == -1 ? 0 : step; e < (step == -1 ? kStepCount : step + 1); ++e) {
        CHfcBmp* face =
            QnControlCreater::LoadImage(StepFaceName(fixed, GetParamValue(kind, StepPid(e, kPidGate))));
        for (int t = 0; t < kToneCount; ++t)
            if (auto* box = dynamic_cast<ArpStepSwitch*>(GetToneSwitch(e, t))) box->SetFace(face);
    }
}

void GlobalArpeggioPatternLayer::UpdateControlStatus() {
    CHfcControl* dropdown = GetControlById(kPatternDropdownId, 0);
    const bool editable = dropdown != nullptr && dropdown->GetIntValue() >= kPresetCount;
    for (int id : {kToneNumberId, kStepSliderId, kStepNumberId}) {
        CHfcControl* control = GetControlById(id, 0);
        if (control == nullptr) continue;
        if (editable)
            control->Enable(true);
        else
            control->Disable(true);
    }
    if (GetParamValue(GetTargetMode(), kPidFixedNote) == 0)
        if (CHfcControl* tone = GetControlById(kToneNumberId, 0)) tone->Disable(true);
}

void GlobalArpeggioPatternLayer::OnIdleSectionParamChanged(ISection* section, int pid) {
    GlobalPageLayerBase::OnIdleSectionParamChanged(section, pid);
    // Step and tone numbers live in the pattern's PIDs only: a global row's PID says nothing of them.
    if (section == nullptr || section != Patterns()) return;
    const int low = pid & 0xFF;
    if (pid == kPidFixedNote) {
        UpdatePatternSwitches(-1);
        UpdateControlStatus();
    } else if (low == kPidGate) {
        UpdatePatternSwitches(pid >> 8);
    } else if (low >= kPidFirstTone && low < kPidFirstTone + kToneCount) {
        ChangedStep((pid >> 8) & 0xFF);
    }
}

void GlobalArpeggioPatternLayer::OnIdleSectionReinitialized(ISection* section) {
    GlobalPageLayerBase::OnIdleSectionReinitialized(section);
    PARAMDESC desc{};
    if (section != nullptr && section->GetParamDesc(kPidArpSelect, &desc)) {
        const bool single = desc.minval == desc.maxval;
        for (int id : {kArpSelectLabelId, RowControlId(GetTargetMode(), kPidArpSelect)}) {
            CHfcControl* control = GetControlById(id, 0);
            if (control == nullptr) continue;
            if (single)
                control->Hide(true);
            else
                control->Show(true);
        }
    }
    OnChangeSelectedArpPattern();
}

void GlobalArpeggioPatternLayer::OnRemoteSynthBankListChanged(IRemoteSynth* synth, int kind,
                                                              const SOUNDINDEX& sound) {
    EditTabPageLayerBase::OnRemoteSynthBankListChanged(synth, kind, sound);
    ChangeSelectedArpPattern(GetSelectedPattern());
}

void GlobalArpeggioPatternLayer::OnHfcCtrlIntValueChanged(CHfcControl* control, int value) {
    const int id = control != nullptr ? control->GetId() : -1;
    if (id == kPatternNumberId || id == kPatternDropdownId) {
        ChangeSelectedArpPattern(value);
    } else if (id == kToneNumberId) {
        ChangeNoteNo(value);
    } else if (id == kStepSliderId || id == kStepNumberId) {
        ChangedStep(value);
    } else {
        GlobalPageLayerBase::OnHfcCtrlIntValueChanged(control, value);
    }
}

void GlobalArpeggioPatternLayer::OnHfcCtrlPtrValueChanged(CHfcControl* control, void* value) {
    const int id = control != nullptr ? control->GetId() : -1;
    int number = 0;
    const bool parsed = ParseTypedInt(value, &number);
    if (id == kPatternNumberId) {
        if (parsed)
            ChangeSelectedArpPattern(number);
        else
            OnChangeSelectedArpPattern();  // no number: the field shows the pattern again
    } else if (id == kToneNumberId) {
        ChangeNoteNo(parsed ? number : control->GetIntValue());
    } else if (id == kStepNumberId) {
        // Steps are shown from 1; an overflowing number stays a large one.
        ChangedStep(parsed ? (number == INT_MIN ? number : number - 1) : control->GetIntValue());
    } else {
        QnSynthLayer::OnHfcCtrlPtrValueChanged(control, value);
    }
}

void GlobalArpeggioPatternLayer::GetMenuItemInfoList(std::list<MenuItemInfo>& items) {
    AppendPageMenu(items, kArpeggioPattern);
}
