#pragma once
// The arpeggio pattern page: the selected pattern's setup, its 48 steps as a grid of 48 x 12 tone
// switches, and the values of one current step and one current tone, relinked as they change.
#include "Common/Pages/GlobalPageLayerBase.h"

class GlobalArpeggioPatternLayer : public GlobalPageLayerBase {
public:
    static constexpr int kPatternNumberId = 0x100000;
    static constexpr int kPatternDropdownId = 0x100001;
    static constexpr int kArpSelectLabelId = 0x100002;
    static constexpr int kToneNumberId = 0x100003;
    // The length bar edits the same parameter as the setup table's "Length" row; a control id of its
    // own keeps both in the layer's maps, so both follow the parameter.
    static constexpr int kLengthBarId = 0x100004;
    static constexpr int kStepSliderId = 0x100005;
    static constexpr int kStepNumberId = 0x100006;
    static constexpr int kStepCount = 48;
    static constexpr int kToneCount = 12;
    static constexpr int kPresetCount = 5;
    static constexpr int kLastPattern = 255;
    // Parameters of the selected pattern.
    static constexpr int kPidLength = 2, kPidFixedNote = 3, kPidToneNote = 5, kPidArpSelect = 22;
    static constexpr int kPidPitch = 6, kPidGate = 7, kPidVelocity = 8, kPidFlam = 9, kPidFirstTone = 10;
    static constexpr int kGateLegato = 101;
    // Global parameters.
    static constexpr int kPidPatternNo = 0x7C00, kPidArpSwitch = 0x7C14;

    explicit GlobalArpeggioPatternLayer(QorX0::IRemoteSynth* synth);

    bool OnCreate() override;
    void CreateArppegioControls();
    void CreateSetupControls();
    void CreateEditControls();

    void ChangeSelectedArpPattern(int pattern);
    void OnChangeSelectedArpPattern();
    void ChangeNoteNo(int tone);
    void ChangedStep(int step);
    // -1: every step.
    void UpdatePatternSwitches(int step);
    void UpdateControlStatus();

    void OnIdleSectionParamChanged(QorX0::ISection* section, int pid) override;
    void OnIdleSectionReinitialized(QorX0::ISection* section) override;
    void OnRemoteSynthBankListChanged(QorX0::IRemoteSynth* synth, int kind,
                                      const QorX0::SOUNDINDEX& sound) override;
    void OnHfcCtrlIntValueChanged(CHfcControl* control, int value) override;
    void OnHfcCtrlPtrValueChanged(CHfcControl* control, void* value) override;
    void GetMenuItemInfoList(std::list<MenuItemInfo>& items) override;

    int GetSelectedPattern();
    // The grid switch of a step and tone (tone 0 is the bottom row), none out of range.
    CHfcControl* GetToneSwitch(int step, int tone);
    // The image a grid switch shows now; none out of range.
    CHfcBmp* GetToneSwitchFace(int step, int tone);
    // The face a step's switches show, by fixed-note mode and gate.
    static const char* StepFaceName(bool fixedNote, int gate);

private:
    QorX0::ISection* Patterns();
    CHfcBmp* m_pArpFill = nullptr;
    CHfcBmp* m_pStepFill = nullptr;
};
