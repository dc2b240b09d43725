#pragma once
// The global pages of the instrument's own settings: system and MIDI, user scales, category names.
#include <array>
#include <string>

#include "Common/Pages/GlobalPageLayerBase.h"

// Basic, MIDI, foot controller and automatic arpeggiator settings; the master tune is also shown as
// a frequency.
class GlobalSystemMIDILayer : public GlobalPageLayerBase {
public:
    static constexpr int kMasterTunePid = 0x8100;
    static constexpr int kMasterTuneLabelId = 0x100001;
    // Entry i: 440 Hz moved by i - 50 cents, to two decimals.
    static const std::array<float, 101> kMasterTuneTable;

    explicit GlobalSystemMIDILayer(QorX0::IRemoteSynth* synth);

    bool OnCreate() override;
    void UpdateMasterTuneLabel();
    void OnPostSynchronizeControlWithParam(CHfcControl* control, QorX0::ISection* section, int pid) override;
    void GetMenuItemInfoList(std::list<MenuItemInfo>& items) override;
    // The label's text for a master tune value (held to -50 .. 50).
    static std::string MasterTuneText(int cents);
};

// The sixteen one-octave user scales and the 128-note scale, twelve note fields at a time.
class GlobalUserScaleLayer : public GlobalPageLayerBase {
public:
    static constexpr int kOctaveScaleBase = 0x8E00;
    static constexpr int kAllNotesBase = 0x8F00;
    static constexpr int kScaleNumberId = 0x100001;
    static constexpr int kOctaveSelectorId = 0x100002;
    static constexpr int kOctaveLabelIdBase = 0x110000;
    static constexpr int kAllNotesLabelIdBase = 0x120000;
    static constexpr int kScaleCount = 16;
    static constexpr int kLastOctave = 10;

    explicit GlobalUserScaleLayer(QorX0::IRemoteSynth* synth);

    bool OnCreate() override;
    void CreateUserOctaveControls();
    void CreateAllNotesControls();
    void CreateOctaveEdit(QnControlCreater& creater, int base, QnControlContainer* container);
    void OnUserOctaveChanged(int scale);
    void OnAllNotesOctaveChanged(int octave);
    void OnHfcCtrlIntValueChanged(CHfcControl* control, int value) override;
    void OnHfcCtrlPtrValueChanged(CHfcControl* control, void* value) override;
    bool PreMouseLButtonDown(CHfcMouse* mouse, int x, int y, int modifiers) override;
    void GetMenuItemInfoList(std::list<MenuItemInfo>& items) override;

private:
    QnControlContainer* m_pAllNotesContainer = nullptr;
    CHfcBmp* m_pOctaveImage = nullptr;
    CHfcBmp* m_pOctave10Image = nullptr;
};

// The sixteen program and sixteen combination category names.
class GlobalCategoryNameLayer : public GlobalPageLayerBase {
public:
    static constexpr int kProgramNameBase = 0x9000;
    static constexpr int kCombiNameBase = 0x9100;
    static constexpr int kNameLength = 16;

    explicit GlobalCategoryNameLayer(QorX0::IRemoteSynth* synth);

    bool OnCreate() override;
    void CreateEditControls();
    void OnHfcCtrlPtrValueChanged(CHfcControl* control, void* value) override;
    void GetMenuItemInfoList(std::list<MenuItemInfo>& items) override;
};
