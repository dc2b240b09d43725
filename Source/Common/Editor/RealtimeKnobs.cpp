// The realtime knobs of the editor window: three groups of four knobs over the realtime-control
// section, which are also the plug-in's twelve automation parameters.
#include <string>

#include "Common/Controls/ArtGeometry.h"
#include "Common/Controls/QnControlCreater.h"
#include "Common/Controls/QnSimpleControls.h"
#include "Common/Editor/BackgroundLayer.h"
#include "Common/Editor/BackgroundLayerParts.h"
#include "Common/FontManager/FontManager.h"
#include "Common/Plugin/AudioEffectX.h"
#include "Common/Plugin/Parameter.h"
#include "Common/QnUtils/QnUtils.h"
#include "Hfc/Core/HfcCtrlKnob.h"
#include "Hfc/Core/HfcCtrlSwitch.h"
#include "Hfc/Draw/HfcBmp.h"

namespace {
constexpr int kGroupPid = 0x8000;
constexpr int kFirstKnobPid = 0x8001;
constexpr const char* kRTKnobSelectSwitchImageName[4] = {
    "Switch_RTKnob_Select_Filter", "Switch_RTKnob_Select_User", "Switch_RTKnob_Select_Arp", "Switch_Oval"};
struct KnobPlace {
    int x, y, minimum, maximum;
};
constexpr KnobPlace sm_amKnobParam[4] = {
    {577, 29, 0, 127}, {637, 29, 0, 127}, {696, 29, 0, 127}, {754, 29, 0, 127}};
constexpr const char* kGroupLabels[3][4] = {{"CUTOFF", "RESO/HPF", "EG-INT", "EG-RLS"},
                                            {nullptr, nullptr, nullptr, nullptr},
                                            {"ARP-GATE", "ARP-VEL", "ARP-LGT", "TEMPO"}};
}  // namespace

void BackgroundLayer::CreateRealtimeControls() {
    EditorParts::PanelCreater creater(m_pBackground);
    static constexpr int kGroupY[3] = {11, 27, 43};
    for (int g = 0; g < 3; ++g) {
        CHfcCtrlSwitch* s =
            creater.Switch(516, kGroupY[g], kRTKnobSelectSwitchImageName[g], 2, kIdGroupSwitch, g);
        if (s == nullptr) break;  // the rest of the group is abandoned
        AddPanelControl(s);
        s->SetIntValue(g == 0 ? 1 : 0, false);
        m_pGroupSwitches[g] = s;
    }
    m_pGroupStep = creater.Switch(527, 58, kRTKnobSelectSwitchImageName[3], 2, kIdGroupStep, 0);
    AddPanelControl(m_pGroupStep);
    for (int k = 0; k < 4; ++k) {
        AddPanelControl(creater.CreateStaticText(571 + 59 * k, 12, 53, 12, "", FontName_Geneva9, 0xFFFFFFFF,
                                                 1, 1, kIdKnobLabel1 + k));
    }
    CHfcBmp* strip = QnControlCreater::LoadImage("Knob_RealTimeKnob");
    if (strip == nullptr) return;
    for (int k = 0; k < 4; ++k) {
        tagHfcCtrlKnobParam param;
        param.x = sm_amKnobParam[k].x;
        param.y = sm_amKnobParam[k].y;
        param.bitmap = strip;
        param.background = m_pBackground;
        param.backgroundX = param.x;
        param.backgroundY = param.y;
        param.frames = ArtGeometry::kRealtimeKnobFrames;
        param.minimum = sm_amKnobParam[k].minimum;
        param.maximum = sm_amKnobParam[k].maximum;
        CHfcCtrlKnob* knob = QnControlCreater::CreateOrNone<CHfcCtrlKnob>(
            [&](CHfcCtrlKnob& c) { return c.Create(&param, kIdKnob1 + k, 0); });
        AddPanelControl(knob);
        m_pKnobs[k] = knob;
    }
}

int BackgroundLayer::GetRealtimeGroup() {
    QorX0::ISection* rtc = GetSynth() != nullptr ? GetSynth()->GetRealtimeControl() : nullptr;
    return rtc != nullptr ? rtc->GetParamI(kGroupPid) : 0;
}

void BackgroundLayer::UpdateRealtimeControllers() {
    QorX0::IRemoteSynth* synth = GetSynth();
    QorX0::ISection* rtc = synth != nullptr ? synth->GetRealtimeControl() : nullptr;
    if (rtc == nullptr) return;
    const int g = rtc->GetParamI(kGroupPid);
    for (int i = 0; i < 3; ++i)
        if (m_pGroupSwitches[i] != nullptr) m_pGroupSwitches[i]->SetIntValue(g == i ? 1 : 0, true);
    for (int k = 0; k < 4; ++k) {
        std::string label;
        if (g == 0 || g == 2) {
            label = kGroupLabels[g][k];
        } else if (g == 1) {
            label =
                QnUtils::GetKnobAssignShortName(QnUtils::GetCurKnobAssign(synth, synth->GetSoundMode(), k));
        }
        if (CHfcControl* text = GetControlById(kIdKnobLabel1 + k, 0)) text->SetPtrValue(label.data(), true);
    }
    RefreshRealtimeKnobs();
}

void BackgroundLayer::RefreshRealtimeKnobs() {
    QorX0::ISection* rtc = GetSynth() != nullptr ? GetSynth()->GetRealtimeControl() : nullptr;
    if (rtc == nullptr) return;
    const int g = rtc->GetParamI(kGroupPid);
    if (g < 0 || g > 2) return;
    for (int k = 0; k < 4; ++k) {
        CHfcCtrlKnob* knob = m_pKnobs[k];
        QorX0::PARAMDESC desc{};
        if (knob == nullptr || !rtc->GetParamDesc(kFirstKnobPid + 4 * g + k, &desc)) continue;
        knob->SetMinIntValue(0, false);
        knob->SetMaxIntValue(desc.maxval - desc.minval, false);
        knob->SetIntValue(rtc->GetParamI(desc.pid) - desc.minval, true);
    }
}

void BackgroundLayer::OnRealtimeControl(CHfcControl* control, int value) {
    QorX0::ISection* rtc = GetSynth() != nullptr ? GetSynth()->GetRealtimeControl() : nullptr;
    const int id = control->GetId();
    if (id == kIdGroupSwitch) {
        if (value >= 0) return;  // the press alone switches
        const int s = control->GetUserValue();
        for (int i = 0; i < 3; ++i)
            if (m_pGroupSwitches[i] != nullptr) m_pGroupSwitches[i]->SetIntValue(i == s ? 1 : 0, true);
        if (rtc != nullptr) rtc->PutParamI(kGroupPid, s);
        UpdateRealtimeControllers();
        return;
    }
    if (id == kIdGroupStep) {
        if (value < 0) {
            control->SetIntValue(1, true);
            const int g = rtc != nullptr ? rtc->GetParamI(kGroupPid) : 0;
            if (rtc != nullptr) rtc->PutParamI(kGroupPid, g <= 1 ? g + 1 : 0);
            UpdateRealtimeControllers();
        } else {
            control->SetIntValue(0, true);
        }
        return;
    }
    if (id >= kIdKnob1 && id < kIdKnob1 + 4 && rtc != nullptr) {
        const int k = id - kIdKnob1;
        const int g = rtc->GetParamI(kGroupPid);
        if (g < 0 || g > 2) return;
        QorX0::PARAMDESC desc{};
        if (!rtc->GetParamDesc(kFirstKnobPid + 4 * g + k, &desc)) return;
        rtc->PutParamI(desc.pid, value + desc.minval);
        AutomateKnob(4 * g + k);
    }
}

void BackgroundLayer::AutomateKnob(int index) {
    QorX0::ISection* rtc = GetSynth() != nullptr ? GetSynth()->GetRealtimeControl() : nullptr;
    float normalised = 0.0f;
    QorX0::PARAMDESC desc{};
    if (rtc != nullptr && rtc->GetParamDescByIndex(static_cast<unsigned>(index + 1), &desc)) {
        normalised =
            CParameter::RegulateFromInt(rtc->GetParamI(desc.pid), desc.maxval - desc.minval + 1, desc.minval);
    }
    // The plug-in's gate holds this call while a host thread waits for the window's thread.
    if (m_pEffect != nullptr) m_pEffect->setParameterAutomated(index, normalised);
}

void BackgroundLayer::BeginKnobEdit(int k) {
    const int index = 4 * GetRealtimeGroup() + k;
    m_iKnobEditing = index;
    if (auto* fx = dynamic_cast<AudioEffectX*>(m_pEffect)) fx->beginEdit(index);
}

void BackgroundLayer::EndKnobEdit() {
    if (m_iKnobEditing < 0) return;
    const int index = m_iKnobEditing;
    m_iKnobEditing = -1;
    if (auto* fx = dynamic_cast<AudioEffectX*>(m_pEffect)) fx->endEdit(index);
}

void BackgroundLayer::OnKnobLabelPress() {
    QorX0::IRemoteSynth* synth = GetSynth();
    if (synth == nullptr || GetRealtimeGroup() != 1) return;
    switch (synth->GetSoundMode()) {
        case QorX0::kModeProgPlay:
            SelectEditTabPage(QorX0::kModeProgEdit, 7, -1);
            break;
        case QorX0::kModeCombiPlay:
            SelectEditTabPage(QorX0::kModeCombiEdit, 5, 3);
            break;
        case QorX0::kModeMulti:
            SelectEditTabPage(QorX0::kModeMulti, 5, 3);
            break;
        default:
            break;
    }
}
